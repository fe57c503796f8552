#include "ProjectXmlWriter.h"

#include <xercesc/dom/DOM.hpp>

#include <utility>
#include <vector>

#include "XmlFile.h"
#include "XmlMessages.h"
#include "XmlSerializer.h"

namespace qb {
namespace {

using namespace xercesc;

bool IsLive(const CData* object) {
    return object && !object->IsDeleted();
}

}  // namespace

bool ProjectXmlWriter::WriteProjectXml(const std::string& path, const CProject& project) {
    std::string bytes;
    if (!FormatProjectXml(project, bytes))
        return false;
    return XmlFile::Write(path, bytes, error_);
}

bool ProjectXmlWriter::FormatProjectXml(const CProject& project, std::string& bytes) {
    return XmlSerializer::Format(bytes, error_, [&](DOMDocument& document) {
        DOMElement* root = mapping_.ObjectToElement(project, document);
        document.appendChild(root);
        AddArray(project.GetSchedules(), *root, document);
        AddArray(project.GetColumns(), *root, document);
        AddArray(project.GetLinks(), *root, document);
        AddArray(project.GetDrawParts(), *root, document);
        AddArray(project.GetHolidays(), *root, document);
        AddRows(project.GetRows(), *root, document);
    });
}

void ProjectXmlWriter::AddArray(const CDataArray& array, DOMElement& parent,
                                DOMDocument& document) const {
    DOMElement* element = mapping_.ObjectToElement(array, document);
    parent.appendChild(element);
    for (int i = 0, n = array.GetCount(); i < n; ++i) {
        const CData* object = array.GetAt(i);
        if (IsLive(object))
            element->appendChild(mapping_.ObjectToElement(*object, document));
    }
}

// Each row array becomes an element of the row that owns it (or of the root
// for the top level); the walk keeps its own list instead of recursing.
void ProjectXmlWriter::AddRows(const CRowArray& rows, DOMElement& parent,
                               DOMDocument& document) const {
    std::vector<std::pair<const CRowArray*, DOMElement*>> pending{{&rows, &parent}};
    while (!pending.empty()) {
        auto [array, holder] = pending.back();
        pending.pop_back();
        DOMElement* arrayElement = mapping_.ObjectToElement(*array, document);
        holder->appendChild(arrayElement);
        for (int i = 0, n = array->GetCount(); i < n; ++i) {
            const CRow* row = array->At(i);
            if (!IsLive(row))
                continue;
            DOMElement* rowElement = mapping_.ObjectToElement(*row, document);
            arrayElement->appendChild(rowElement);
            // A row with children gets its "rowarray" even when all are deleted.
            if (row->GetChildren().GetCount() > 0)
                pending.emplace_back(&row->GetChildren(), rowElement);
        }
    }
}

}  // namespace qb
