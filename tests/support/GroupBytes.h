#pragma once

#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "TextCodec.h"

namespace qb::test {

// Builds Tallyframe group and month files byte by byte, from the layouts
// alone, for the tests, the fuzz seeds and the benchmark.
class GroupBytes {
public:
    GroupBytes& Byte(std::uint8_t v) {
        bytes_.push_back(static_cast<char>(v));
        return *this;
    }
    GroupBytes& U32(std::uint32_t v) {
        for (int shift = 0; shift < 32; shift += 8)
            Byte(static_cast<std::uint8_t>(v >> shift));
        return *this;
    }
    GroupBytes& I32(std::int32_t v) { return U32(static_cast<std::uint32_t>(v)); }
    GroupBytes& F64(double v) {
        std::uint64_t bits;
        std::memcpy(&bits, &v, sizeof bits);
        return U32(static_cast<std::uint32_t>(bits)).U32(static_cast<std::uint32_t>(bits >> 32));
    }
    GroupBytes& Date(std::int32_t status, double days) { return I32(status).F64(days); }
    // Short text only (below 255 bytes), given as UTF-8 and written in the
    // files' code page.
    GroupBytes& Str(std::string_view utf8) {
        const std::string text = TextCodec::Utf8ToCp932Lossy(utf8);
        Byte(static_cast<std::uint8_t>(text.size()));
        bytes_.append(text);
        return *this;
    }
    const std::string& Bytes() const { return bytes_; }

private:
    std::string bytes_;
};

struct GroupMemberBytes {
    std::string name;
    std::string key;
    std::int32_t flags = 0;
};

// A group file with two strings and two integers per member, one extra
// header string and one extra header integer.
inline std::string GroupFileBytes(std::string_view name,
                                  const std::vector<GroupMemberBytes>& members) {
    GroupBytes b;
    b.U32(0).Str(name);
    b.I32(static_cast<std::int32_t>(members.size())).I32(3).I32(2).I32(1).I32(1);
    b.Str("header").I32(7);
    for (const GroupMemberBytes& member : members)
        b.Str(member.name).Str(member.key).Str("ignored").I32(member.flags).I32(0);
    return b.Bytes();
}

struct AppointmentBytes {
    AppointmentBytes(double from, double to, std::string key, std::string caption = "予定")
        : start(from), end(to), memberKey(std::move(key)), title(std::move(caption)) {}

    double start = 0;
    double end = 0;
    std::string memberKey;
    std::string title;
    std::int32_t flags = 0;
    std::uint32_t colour = 0x00FF00;
    std::int32_t supersedes = 0;
    std::string detail;
    std::int32_t startStatus = 0;
    std::uint16_t integers = 2;
    std::uint16_t strings = 4;
};

inline void AppendAppointment(GroupBytes& b, const AppointmentBytes& a) {
    b.I32(0).U32(static_cast<std::uint32_t>(a.strings) << 16 | a.integers).I32(a.flags);
    b.Date(a.startStatus, a.start).Date(0, a.end).Date(2, 0);
    b.U32(a.colour).I32(a.supersedes);
    for (int i = 2; i < a.integers; ++i)
        b.I32(99);
    const std::string strings[] = {a.title, a.memberKey, "unused", a.detail};
    for (int i = 0; i < a.strings; ++i)
        b.Str(i < 4 ? strings[i] : "more");
}

inline std::string MonthFileBytes(const std::vector<AppointmentBytes>& appointments) {
    GroupBytes b;
    for (const AppointmentBytes& a : appointments)
        AppendAppointment(b, a);
    return b.Bytes();
}

}  // namespace qb::test
