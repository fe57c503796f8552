#include "ViewStatusStore.h"

#include <charconv>
#include <cstdio>

#include "COleDateTimeSpan.h"
#include "DateText.h"
#include "ISettingsStore.h"

namespace qb {

namespace {

class SectionReader {
public:
    SectionReader(const ISettingsStore& store, std::string section)
        : store_(store), section_(std::move(section)) {}

    void Int(const char* name, int& value) const {
        if (auto stored = store_.ReadInt(section_, name))
            value = *stored;
    }
    void Double(const char* name, double& value) const {
        const std::optional<std::string> stored = store_.ReadString(section_, name);
        if (!stored)
            return;
        double parsed = 0;
        const char* end = stored->data() + stored->size();
        auto [rest, error] = std::from_chars(stored->data(), end, parsed);
        if (error == std::errc() && rest == end)
            value = parsed;
    }
    void Date(const char* name, COleDateTime& value) const {
        if (auto stored = store_.ReadString(section_, name))
            value = DateText::ParsePropertyText(*stored);
    }
    void Ids(const char* name, std::vector<std::int32_t>& value) const {
        if (auto stored = store_.ReadString(section_, name))
            value = ViewStatusStore::ParseIds(*stored);
    }

private:
    const ISettingsStore& store_;
    std::string section_;
};

class SectionWriter {
public:
    SectionWriter(ISettingsStore& store, std::string section)
        : store_(store), section_(std::move(section)) {}

    void Int(const char* name, int value) { store_.WriteInt(section_, name, value); }
    void Double(const char* name, double value) {
        char buffer[32];
        auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, value);
        store_.WriteString(section_, name,
                           error == std::errc() ? std::string_view(buffer, end - buffer) : "-1");
    }
    // A date that is not valid is written as "", which reads back as null.
    void Date(const char* name, const COleDateTime& value) {
        store_.WriteString(section_, name, DateText::PropertyText(value));
    }
    void Ids(const char* name, const std::vector<std::int32_t>& value) {
        store_.WriteString(section_, name, ViewStatusStore::FormatIds(value));
    }

private:
    ISettingsStore& store_;
    std::string section_;
};

}  // namespace

std::string ViewStatusStore::SectionFor(const std::string& path) {
    const auto slash = path.find_last_of('/');
    return std::string(kPrefix) + (slash == std::string::npos ? path : path.substr(slash + 1));
}

ViewStatus ViewStatusStore::Load(const std::string& path) const {
    const std::string section = SectionFor(path);
    ViewStatus status;
    if (section == kPrefix || store_.ValueNames(section).empty())
        return status;
    status.pageAlign = 0;
    const SectionReader read(store_, section);
    read.Date("Last", status.last);
    read.Date("LeftPos", status.leftPos);
    read.Double("Scale1", status.scale1);
    read.Double("Scale2", status.scale2);
    read.Double("Scale3", status.scale3);
    read.Ids("Folded", status.folded);
    read.Ids("RowHidden", status.rowHidden);
    read.Ids("ColumnHidden", status.columnHidden);
    read.Int("PaperSize", status.paperSize);
    read.Int("Orientation", status.orientation);
    read.Int("MarginLeft", status.marginLeft);
    read.Int("MarginTop", status.marginTop);
    read.Int("MarginRight", status.marginRight);
    read.Int("MarginBottom", status.marginBottom);
    read.Int("PageAlign", status.pageAlign);
    read.Int("PageFormat", status.pageFormat);
    read.Int("Progress", status.progress);
    read.Int("Title", status.title);
    read.Int("Holiday", status.holiday);
    read.Int("Today", status.today);
    read.Int("PaintToday", status.paintToday);
    read.Int("PrintTitleSize", status.printTitleSize);
    read.Int("Split1", status.split1);
    read.Int("Split2", status.split2);
    read.Int("GraphMax", status.graphMax);
    read.Int("GraphHeight", status.graphHeight);
    read.Int("GraphShownOnly", status.graphShownOnly);
    read.Int("GraphSLine", status.graphSLine);
    read.Int("ShowGraph", status.showGraph);
    return status;
}

void ViewStatusStore::Save(const std::string& path, const ViewStatus& status) {
    // A document never saved has no file name to keep a status under.
    if (SectionFor(path) == kPrefix)
        return;
    SectionWriter write(store_, SectionFor(path));
    write.Date("Last", status.last);
    write.Date("LeftPos", status.leftPos);
    write.Double("Scale1", status.scale1);
    write.Double("Scale2", status.scale2);
    write.Double("Scale3", status.scale3);
    write.Ids("Folded", status.folded);
    write.Ids("RowHidden", status.rowHidden);
    write.Ids("ColumnHidden", status.columnHidden);
    write.Int("PaperSize", status.paperSize);
    write.Int("Orientation", status.orientation);
    write.Int("MarginLeft", status.marginLeft);
    write.Int("MarginTop", status.marginTop);
    write.Int("MarginRight", status.marginRight);
    write.Int("MarginBottom", status.marginBottom);
    write.Int("PageAlign", status.pageAlign);
    write.Int("PageFormat", status.pageFormat);
    write.Int("Progress", status.progress);
    write.Int("Title", status.title);
    write.Int("Holiday", status.holiday);
    write.Int("Today", status.today);
    write.Int("PaintToday", status.paintToday);
    write.Int("PrintTitleSize", status.printTitleSize);
    write.Int("Split1", status.split1);
    write.Int("Split2", status.split2);
    write.Int("GraphMax", status.graphMax);
    write.Int("GraphHeight", status.graphHeight);
    write.Int("GraphShownOnly", status.graphShownOnly);
    write.Int("GraphSLine", status.graphSLine);
    write.Int("ShowGraph", status.showGraph);
}

int ViewStatusStore::Cleanup(const COleDateTime& now) {
    if (!now.IsValid())
        return 0;
    const COleDateTime limit = now - COleDateTimeSpan(10.0);
    std::vector<std::string> selected;
    for (const std::string& section : store_.SectionNames(kPrefix)) {
        COleDateTime last = COleDateTime::Null();
        if (auto stored = store_.ReadString(section, "Last"))
            last = DateText::ParsePropertyText(*stored);
        if (!last.IsValid() || !(last > limit))
            selected.push_back(section);
    }
    for (const std::string& section : selected)
        store_.RemoveSection(section);
    return static_cast<int>(selected.size());
}

std::string ViewStatusStore::FormatIds(const std::vector<std::int32_t>& ids) {
    std::string text;
    for (std::int32_t id : ids)
        text += std::to_string(id) + ",";
    return text;
}

std::vector<std::int32_t> ViewStatusStore::ParseIds(std::string_view text) {
    std::vector<std::int32_t> ids;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t comma = text.find(',', start);
        if (comma == std::string_view::npos)
            comma = text.size();
        const std::string_view piece = text.substr(start, comma - start);
        std::int32_t id = 0;
        auto [rest, error] = std::from_chars(piece.data(), piece.data() + piece.size(), id);
        if (!piece.empty() && error == std::errc() && rest == piece.data() + piece.size())
            ids.push_back(id);
        start = comma + 1;
    }
    return ids;
}

}  // namespace qb
