#include "CliOutput.h"

#include <cstdio>

namespace qb::cli {

int CliOutput::Fail(std::string_view message) {
    std::fprintf(stderr, "%.*s\n", static_cast<int>(message.size()), message.data());
    return kFailure;
}

int CliOutput::Usage(std::string_view usage) {
    std::fprintf(stderr, "usage: quellbrandiren-cli %.*s\n", static_cast<int>(usage.size()),
                 usage.data());
    return kUsage;
}

std::string CliOutput::JsonString(std::string_view text) {
    std::string out = "\"";
    for (char c : text) {
        switch (c) {
            case '"':
                out += "\\\"";
                break;
            case '\\':
                out += "\\\\";
                break;
            case '\n':
                out += "\\n";
                break;
            case '\r':
                out += "\\r";
                break;
            case '\t':
                out += "\\t";
                break;
            default:
                if (static_cast<unsigned char>(c) < 0x20) {
                    char buffer[8];
                    std::snprintf(buffer, sizeof buffer, "\\u%04x", c);
                    out += buffer;
                } else {
                    out += c;
                }
        }
    }
    return out + "\"";
}

std::string CliOutput::HolidayFileFailure(const std::string& detail) {
    return "エラーが発生したため、休日情報ファイルを読み込めませんでした。\r\nエラーの詳細：" +
           detail;
}

}  // namespace qb::cli
