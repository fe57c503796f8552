#include "ColourRuleFile.h"

#include <unistd.h>

#include <cstdio>
#include <optional>

#include "FileIo.h"
#include "SystemError.h"
#include "TextCodec.h"

namespace qb {
namespace {

constexpr std::string_view kLineEnd = "\r\n";
// Eight hexadecimal digits fill the 32 bits of a colour.
constexpr std::size_t kMaxColourDigits = 8;

std::string_view Trimmed(std::string_view text) {
    constexpr std::string_view kSpace = " \t\r\n";
    const std::size_t first = text.find_first_not_of(kSpace);
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(kSpace) - first + 1);
}

int HexDigit(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// The entry of one line, or nothing when it has no TAB.
void ParseLine(std::string_view line, CColorRuleArray& rules) {
    const std::size_t tab = line.find('\t');
    if (tab == std::string_view::npos)
        return;
    // Only the second field is the text; anything after a further TAB is dropped.
    std::string_view text = line.substr(tab + 1);
    text = text.substr(0, text.find('\t'));
    rules.Add(
        {TextCodec::Cp932ToUtf8Lossy(text), ColourRuleFile::ParseColour(line.substr(0, tab))});
}

}  // namespace

std::string ColourRuleFile::PathOf(std::string_view reference) {
    reference = Trimmed(reference);
    const std::string_view prefix = kReferencePrefix;
    if (reference.size() > prefix.size() + 1 && reference.substr(0, prefix.size()) == prefix)
        reference.remove_prefix(prefix.size());
    return std::string(reference);
}

std::string ColourRuleFile::ReferenceTo(const std::string& path) {
    return kReferencePrefix + path;
}

bool ColourRuleFile::Read(std::string_view reference, CColorRuleArray& rules) {
    error_.Clear();
    rules.RemoveAll();
    const std::string path = PathOf(reference);
    if (path.empty())
        return true;
    std::string bytes;
    std::uint32_t code = 0;
    if (!FileIo::ReadAll(path, bytes, code)) {
        error_.Set(code);
        return false;
    }
    Parse(bytes, rules);
    return true;
}

bool ColourRuleFile::Write(const std::string& path, const CColorRuleArray& rules) {
    error_.Clear();
    std::string bytes;
    if (!Format(rules, bytes))
        return false;
    // The rename that replaces the file is allowed by its folder even when
    // the file itself is read-only; such a file is refused instead.
    if (::access(path.c_str(), F_OK) == 0 && ::access(path.c_str(), W_OK) != 0) {
        error_.Set(SystemError::Last());
        return false;
    }
    std::uint32_t code = 0;
    if (!FileIo::WriteAtomically(path, bytes, code, files_)) {
        error_.Set(code);
        return false;
    }
    return true;
}

void ColourRuleFile::Parse(std::string_view bytes, CColorRuleArray& rules) {
    rules.RemoveAll();
    while (!bytes.empty()) {
        const std::size_t end = bytes.find(kLineEnd);
        ParseLine(bytes.substr(0, end), rules);
        if (end == std::string_view::npos)
            break;
        bytes.remove_prefix(end + kLineEnd.size());
    }
}

bool ColourRuleFile::Format(const CColorRuleArray& rules, std::string& bytes) {
    error_.Clear();
    bytes.clear();
    for (const COLORRULE& rule : rules) {
        const std::optional<std::string> text = TextCodec::Utf8ToCp932(rule.text);
        if (!text) {
            error_.Set(ErrorSlot::kOwnError,
                       "色ルール「" + rule.text +
                           "」には、色ルールファイルに保存できない文字が含まれています。");
            return false;
        }
        char colour[16];
        std::snprintf(colour, sizeof colour, "%X", static_cast<unsigned>(rule.colour));
        bytes += colour;
        bytes += '\t';
        bytes += *text;
        bytes += kLineEnd;
    }
    return true;
}

ColorRef ColourRuleFile::ParseColour(std::string_view field) {
    if (field.size() > kMaxColourDigits)
        return kInvalidColour;
    ColorRef colour = 0;
    for (const char c : field) {
        const int digit = HexDigit(c);
        if (digit < 0)
            return kInvalidColour;
        colour = colour << 4 | static_cast<ColorRef>(digit);
    }
    return colour;
}

}  // namespace qb
