#pragma once

#include <cstdint>
#include <string>

#include "ArchiveWriter.h"
#include "CProject.h"

namespace qb {

class CColumn;
class CDrawPart;
class CHoliday;
class CLink;
class CMemo;
class CRow;
class CSchedule;

// Lays a project out as the native file, version 4: the header, the project
// record with its holiday rules, then the rows, columns, schedules, links
// and draw parts. Deleted objects are left out. The project is not touched.
class ProjectRecordWriter {
public:
    static std::string Write(const CProject& project);

private:
    explicit ProjectRecordWriter(const CProject& project);

    void Header();
    void Project();
    void Common(const CData& object, std::int32_t weight = 1);
    void Params(const CData& object, bool isSchedule, std::int32_t weight);
    template <class T, class WriteElement>
    void Array(std::int32_t tag, const CDataArrayOf<T>& array, WriteElement writeElement);
    void Row(const CRow& row);
    void Column(const CColumn& column);
    void Schedule(const CSchedule& schedule);
    void Link(const CLink& link);
    void DrawPart(const CDrawPart& part);
    void Memo(const CMemo& memo);
    void Holiday(const CHoliday& rule);
    void HolidayKind(const CHoliday& rule);

    const CProject& project_;
    ArchiveWriter out_;
};

}  // namespace qb
