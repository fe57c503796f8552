#include "ProjectXmlWriter.h"

#include <utility>
#include <vector>

#include "AtomicFileWriter.h"
#include "XmlMessages.h"

namespace qb {
namespace {

bool IsLive(const CData* object) {
    return object && !object->IsDeleted();
}

}  // namespace

bool ProjectXmlWriter::WriteProjectXml(const std::string& path, const CProject& project) {
    error_.Clear();
    AtomicFileWriter file(path);
    if (!file.Open()) {
        error_.Set(file.GetError());
        return false;
    }
    const bool written = Write(project, [&](std::string_view bytes) { return file.Write(bytes); });
    if (file.GetError() != 0 || (written && !file.Commit())) {
        error_.Set(file.GetError());
        return false;
    }
    return written;
}

bool ProjectXmlWriter::FormatProjectXml(const CProject& project, std::string& bytes) {
    error_.Clear();
    bytes.clear();
    if (Write(project, [&](std::string_view piece) {
            bytes.append(piece);
            return true;
        }))
        return true;
    bytes.clear();
    return false;
}

bool ProjectXmlWriter::Write(const CProject& project, XmlStreamWriter::Sink sink) {
    XmlStreamWriter writer(std::move(sink));
    bool whole = false;
    try {
        mapping_.WriteElementStart(project, writer);
        WriteArray(project.GetSchedules(), writer);
        WriteArray(project.GetColumns(), writer);
        WriteArray(project.GetLinks(), writer);
        WriteArray(project.GetDrawParts(), writer);
        WriteArray(project.GetHolidays(), writer);
        WriteRows(project.GetRows(), writer);
        writer.EndElement();
        whole = writer.Finish();
    } catch (...) {
        // The library's transcoder throws on a property name that is not UTF-8.
    }
    if (whole || writer.SinkFailed())
        return whole;
    error_.Set(ErrorSlot::kOwnError, XmlMessages::kBuildFailed);
    return false;
}

void ProjectXmlWriter::WriteArray(const CDataArray& array, XmlStreamWriter& writer) const {
    mapping_.WriteElementStart(array, writer);
    for (int i = 0, n = array.GetCount(); i < n; ++i) {
        const CData* object = array.GetAt(i);
        if (IsLive(object)) {
            mapping_.WriteElementStart(*object, writer);
            writer.EndElement();
        }
    }
    writer.EndElement();
}

// Each row array becomes an element of the row that owns it (or of the root
// for the top level). The walk keeps its own stack of positions instead of
// recursing, so no depth of rows can exhaust the call stack.
void ProjectXmlWriter::WriteRows(const CRowArray& rows, XmlStreamWriter& writer) const {
    struct Level {
        const CRowArray* array;
        int next;
    };
    std::vector<Level> levels{{&rows, 0}};
    mapping_.WriteElementStart(rows, writer);
    while (!levels.empty()) {
        Level& level = levels.back();
        if (level.next == level.array->GetCount()) {
            writer.EndElement();  // the row array
            levels.pop_back();
            if (!levels.empty())
                writer.EndElement();  // the row that holds it
            continue;
        }
        const CRow* row = level.array->At(level.next++);
        if (!IsLive(row))
            continue;
        mapping_.WriteElementStart(*row, writer);
        // A row with children gets its "rowarray" even when all are deleted.
        if (row->GetChildren().GetCount() > 0) {
            mapping_.WriteElementStart(row->GetChildren(), writer);
            levels.push_back({&row->GetChildren(), 0});
        } else {
            writer.EndElement();
        }
    }
}

}  // namespace qb
