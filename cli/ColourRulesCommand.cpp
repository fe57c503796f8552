#include <cstdio>
#include <string>

#include "CColorRuleArray.h"
#include "CliOutput.h"
#include "ColourRuleFile.h"
#include "Commands.h"

namespace qb::cli {
namespace {

constexpr const char* kUsage = "colour-rules FILE.crs";

}  // namespace

int RunColourRules(const Args& args) {
    if (args.size() != 1 || args[0].empty() || args[0].front() == '-')
        return CliOutput::Usage(kUsage);
    ColourRuleFile file;
    CColorRuleArray rules;
    if (!file.Read(std::string(args[0]), rules))
        return CliOutput::Fail(file.GetError().Describe());
    // Colours are kept as 0x00BBGGRR; the listing reads them as red, green, blue.
    for (const COLORRULE& rule : rules)
        std::printf("%02X%02X%02X\t%s\n", rule.colour & 0xFF, (rule.colour >> 8) & 0xFF,
                    (rule.colour >> 16) & 0xFF, rule.text.c_str());
    return CliOutput::kSuccess;
}

}  // namespace qb::cli
