#include "PageTexts.h"

#include <array>
#include <cstdio>

namespace qb {
namespace {

std::string Printf(const char* format, auto... values) {
    std::array<char, 128> buffer{};
    std::snprintf(buffer.data(), buffer.size(), format, values...);
    return buffer.data();
}

}  // namespace

std::string PageTexts::PageNumber(int format, int page, int count) {
    switch (format) {
        case 1:
            return Printf("%d", page);
        case 2:
            return Printf("%dページ", page);
        case 3:
            return Printf("p.%d", page);
        case 4:
            return Printf("- %d -", page);
        case 5:
            return Printf("(%d)", page);
        case 6:
            return Printf("%d / %d", page, count);
        case 7:
            return Printf("%d / %d ページ", page, count);
        default:
            return std::string();
    }
}

std::string PageTexts::FormatSample(int format) {
    if (format <= 0 || format >= kFormatCount)
        return "(なし)";
    return PageNumber(format, 2, 5);
}

std::string PageTexts::OutputDate(int choice, const COleDateTime& now) {
    if (!now.IsValid())
        return std::string();
    if (choice == kDate)
        return Printf("%d年%d月%d日 出力", now.GetYear(), now.GetMonth(), now.GetDay());
    if (choice == kDateTime)
        return Printf("%d/%d/%d %d:%02d 出力", now.GetYear(), now.GetMonth(), now.GetDay(),
                      now.GetHour(), now.GetMinute());
    return std::string();
}

}  // namespace qb
