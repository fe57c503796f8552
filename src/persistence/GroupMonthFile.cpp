#include "GroupMonthFile.h"

#include "ArchiveReader.h"

namespace qb {
namespace {

// The colour and the superseded position come first among the integers;
// title, member key and a third string among the strings.
constexpr std::uint32_t kMinIntegers = 2;
constexpr std::uint32_t kMinStrings = 3;

void SkipStrings(ArchiveReader& in, std::uint32_t count) {
    for (std::uint32_t i = 0; i < count && !in.Failed(); ++i)
        in.Text();
}

enum class Outcome { kRead, kEnd, kDamaged };

Outcome ReadAppointment(ArchiveReader& in, GroupMonthFile::Appointment& out) {
    in.I32();
    const std::uint32_t counts = in.U32();
    out.flags = in.I32();
    out.start = in.Date();
    out.end = in.Date();
    in.Date();
    if (in.Failed())
        return Outcome::kEnd;
    const std::uint32_t integers = counts & 0xFFFF;
    const std::uint32_t strings = counts >> 16;
    if (integers < kMinIntegers || strings < kMinStrings)
        return Outcome::kDamaged;
    // Both counts are below 65536, so what they ask for is bounded anyway;
    // still nothing is read for a record the file cannot hold.
    if (!in.CanHold(integers, 4))
        return Outcome::kEnd;
    out.colour = in.U32();
    out.supersedes = in.I32();
    for (std::uint32_t i = kMinIntegers; i < integers; ++i)
        in.I32();
    out.title = in.Text();
    out.memberKey = in.Text();
    in.Text();
    if (strings > 3)
        out.detail = in.Text();
    if (strings > 4)
        SkipStrings(in, strings - 4);
    return in.Failed() ? Outcome::kEnd : Outcome::kRead;
}

void MarkSuperseded(std::vector<GroupMonthFile::Appointment>& appointments) {
    const auto count = static_cast<std::int64_t>(appointments.size());
    for (const GroupMonthFile::Appointment& appointment : appointments) {
        if (appointment.Supersedes() && appointment.supersedes >= 0 &&
            appointment.supersedes < count)
            appointments[static_cast<std::size_t>(appointment.supersedes)].superseded = true;
    }
}

}  // namespace

GroupMonthFile GroupMonthFile::Read(std::string_view bytes) {
    GroupMonthFile month;
    ArchiveReader in(bytes);
    while (in.Left() > 0) {
        Appointment appointment;
        const Outcome outcome = ReadAppointment(in, appointment);
        if (outcome == Outcome::kDamaged)
            month.damaged = true;
        if (outcome != Outcome::kRead)
            break;
        month.appointments.push_back(std::move(appointment));
    }
    MarkSuperseded(month.appointments);
    return month;
}

}  // namespace qb
