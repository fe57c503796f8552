#pragma once

#include <cstdint>
#include <memory>
#include <string_view>

#include "ArchiveReader.h"
#include "CProject.h"

namespace qb {

class CColumn;
class CDrawPart;
class CHoliday;
class CLink;
class CMemo;
class CRow;
class CSchedule;

// Reads the native file, versions 1 to 4, into a project through the typed
// setters. The header is checked first and on its own, so that a refused
// file never touches the project.
class ProjectRecordReader {
public:
    enum class Outcome { kRead, kDamaged, kTooNew };

    explicit ProjectRecordReader(std::string_view bytes) : in_(bytes) {}

    // The three values that open every native file: signature, magic, word.
    bool ReadSignature();
    // The signature and the version after it.
    Outcome ReadHeader();
    // Everything after the header, into project (whose arrays are empty).
    Outcome ReadBody(CProject& project);

    std::int32_t GetVersion() const { return version_; }

private:
    bool Expect(std::int32_t tag);
    std::size_t MinimumElementSize() const;
    void Common(CData& object);
    void Params(CData& object);
    std::int32_t ArrayHeader(std::int32_t tag, CDataArray& array);
    template <class ReadElement>
    void Array(std::int32_t tag, CDataArray& array, ReadElement readElement);
    void Project(CProject& project);
    void Rows(CRowArray& rows);
    void Row(CRowArray& rows);
    void ChildRows(CRow& row);
    void Column(CColumnArray& columns);
    void Schedule(CScheduleArray& schedules);
    void ScheduleFields(CSchedule& s);
    void ConvertOldSchedule(CSchedule& s);
    void DrawPart(CDrawPartArray& parts);
    void Memo(CMemo& memo);
    void Link(CLinkArray& links);
    void Holiday(CHolidayArray& rules);
    std::unique_ptr<CHoliday> HolidayKind(std::int32_t tag);
    std::int32_t Offset();

    ArchiveReader in_;
    std::int32_t version_ = 0;
    int rowDepth_ = 0;
};

}  // namespace qb
