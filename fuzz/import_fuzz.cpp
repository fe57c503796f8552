// Import files are written by hand or by other programs and may hold
// anything: every byte sequence must end in a log, never in a crash, and
// whatever was imported must be a sound part of the project.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <sstream>
#include <string>

#include "CColumn.h"
#include "CProject.h"
#include "CRow.h"
#include "CSchedule.h"
#include "EditStamp.h"
#include "ImportLog.h"
#include "Importer.h"
#include "TextCodec.h"

namespace {

// Rows "A" (id 1) with a child "B" (id 2), and one column (id 3).
std::unique_ptr<qb::CProject> MakeProject() {
    auto project = std::make_unique<qb::CProject>();
    project->SetLastObjectId(1);
    auto a = std::make_unique<qb::CRow>(project->NewObjectId());
    a->SetCaption("A");
    auto b = std::make_unique<qb::CRow>(project->NewObjectId());
    b->SetCaption("B");
    a->GetChildren().Add(std::move(b));
    project->GetRows().Add(std::move(a));
    project->GetColumns().Add(std::make_unique<qb::CColumn>(project->NewObjectId()));
    return project;
}

bool IsSound(const qb::CSchedule& schedule, const qb::CProject& project) {
    if (project.FindRow(schedule.GetRowObjectId()) == nullptr)
        return false;
    if (schedule.GetStartOffset() < 0 || schedule.GetStartOffset() > 9999 ||
        schedule.GetEndOffset() < 0 || schedule.GetEndOffset() > 9999)
        return false;
    if (!schedule.GetStartDate().IsValid() || schedule.GetProgressRate() < -1 ||
        schedule.GetProgressRate() > 1000)
        return false;
    return schedule.GetWeight() >= 0 && schedule.GetHeight() >= 1 && schedule.GetHeight() <= 100;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::unique_ptr<qb::CProject> project = MakeProject();
    const std::int32_t firstId = project->GetLastObjectId();
    std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
    qb::ImportLog log;
    qb::Importer importer(*project, qb::EditStamp("fuzz", qb::COleDateTime()), log, 40);
    const qb::ImportSummary summary = importer.Run(in);
    if (project->GetLastObjectId() != firstId + summary.rows + summary.schedules)
        __builtin_trap();
    if (project->GetSchedules().GetCount() != summary.schedules)
        __builtin_trap();
    for (int i = 0; i < project->GetSchedules().GetCount(); ++i) {
        if (!IsSound(*project->GetSchedules().At(i), *project))
            __builtin_trap();
    }
    // The log is text that its file's encoding can hold.
    if (!qb::TextCodec::IsValidUtf8(log.Text()))
        __builtin_trap();
    return 0;
}
