// Colour rule files are plain text that users edit and pass around.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "ColourRuleFile.h"

namespace {

// Bytes the code page does not know are read as U+FFFD, which it cannot write.
bool HoldsUndecodedBytes(const qb::CColorRuleArray& rules) {
    for (const qb::COLORRULE& rule : rules) {
        if (rule.text.find("\xEF\xBF\xBD") != std::string::npos)
            return true;
    }
    return false;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    qb::CColorRuleArray rules;
    qb::ColourRuleFile::Parse(std::string_view(reinterpret_cast<const char*>(data), size), rules);
    // What was read writes again and reads back to the same entries.
    qb::ColourRuleFile file;
    std::string again;
    if (!file.Format(rules, again)) {
        if (HoldsUndecodedBytes(rules))
            return 0;
        __builtin_trap();
    }
    qb::CColorRuleArray reread;
    qb::ColourRuleFile::Parse(again, reread);
    if (!(reread == rules))
        __builtin_trap();
    return 0;
}
