#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "AppSettings.h"

namespace qb {

class CDisplayModel;

// What the table shows besides the rows: the user's list settings, the style
// sheet and the edition, which decides the footer.
struct HtmlOptions {
    bool showColumns = true;
    bool showActual = true;
    bool graphShown = true;
    // One row column indented by level instead of a column per level.
    bool indented = false;
    // "default" (or empty) stands for the built-in style sheet.
    std::string styleSheet = AppSettings::kHtmlCssDefault;
    // A packaged edition ends the page without the web address.
    bool packaged = false;
    std::string homePage;
};

// The schedules of a laid-out display model as one HTML table: a line per
// visible schedule, grouped under the visible rows, with the visible columns.
// The page is CP932 text with CR LF line ends.
class CHtmlWriter {
public:
    explicit CHtmlWriter(std::string path) : path_(std::move(path)) {}

    // The page as UTF-8, and as the CP932 bytes the file holds.
    static std::string Page(const CDisplayModel& model, const HtmlOptions& options);
    static std::string Bytes(const CDisplayModel& model, const HtmlOptions& options);
    // User text made safe for the page: the markup characters escaped, then
    // each line break written as "<br>" before it.
    static std::string Escape(std::string_view text);
    static void AppendEscaped(std::string_view text, std::string& out);

    // Replaces the file only once the whole page is written; false with the
    // program's error number, the old file then untouched.
    bool Write(const CDisplayModel& model, const HtmlOptions& options, std::uint32_t& error) const;

private:
    std::string path_;
};

}  // namespace qb
