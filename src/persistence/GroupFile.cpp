#include "GroupFile.h"

#include "ArchiveReader.h"

namespace qb {
namespace {

// A member needs its name and its key; without them the file is not one we
// can make rows from.
constexpr std::int32_t kMinMemberStrings = 2;

void SkipStrings(ArchiveReader& in, std::int32_t count) {
    if (!in.CanHold(count, 1))
        return;
    for (std::int32_t i = 0; i < count && !in.Failed(); ++i)
        in.Text();
}

void SkipIntegers(ArchiveReader& in, std::int32_t count) {
    if (!in.CanHold(count, 4))
        return;
    for (std::int32_t i = 0; i < count; ++i)
        in.I32();
}

GroupFile::Member ReadMember(ArchiveReader& in, std::int32_t strings, std::int32_t integers) {
    GroupFile::Member member;
    member.name = in.Text();
    member.key = in.Text();
    SkipStrings(in, strings - kMinMemberStrings);
    if (integers > 0) {
        member.flags = in.I32();
        SkipIntegers(in, integers - 1);
    }
    return member;
}

}  // namespace

std::optional<GroupFile> GroupFile::Read(std::string_view bytes) {
    ArchiveReader in(bytes);
    GroupFile group;
    in.U32();
    group.name = in.Text();
    const std::int32_t count = in.I32();
    const std::int32_t strings = in.I32();
    const std::int32_t integers = in.I32();
    const std::int32_t headerStrings = in.I32();
    const std::int32_t headerIntegers = in.I32();
    SkipStrings(in, headerStrings);
    SkipIntegers(in, headerIntegers);
    if (in.Failed() || strings < kMinMemberStrings || integers < 0)
        return std::nullopt;
    // Each string takes at least its one length byte, each integer four.
    const std::int64_t memberSize = std::int64_t{strings} + 4 * std::int64_t{integers};
    if (!in.CanHold(count, static_cast<std::size_t>(memberSize)))
        return std::nullopt;
    group.members.reserve(static_cast<std::size_t>(count));
    for (std::int32_t i = 0; i < count && !in.Failed(); ++i)
        group.members.push_back(ReadMember(in, strings, integers));
    if (in.Failed())
        return std::nullopt;
    return group;
}

}  // namespace qb
