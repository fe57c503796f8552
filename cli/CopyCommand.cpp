#include <charconv>
#include <fstream>
#include <string>
#include <unordered_set>
#include <vector>

#include "CDisplayModel.h"
#include "CGuiObject.h"
#include "CLink.h"
#include "ChartScene.h"
#include "CliDocument.h"
#include "CliOptions.h"
#include "CliOutput.h"
#include "Commands.h"
#include "EditReply.h"
#include "ObjectClipboardStream.h"
#include "RowClipboardStream.h"

namespace qb::cli {
namespace {

constexpr const char* kUsageText = "copy FILE.qbd (--ids ID,... | --row ID) OUT.bin";

// The chart the positions are taken from: the day chart over the project's
// period at this many pixels a day.
constexpr double kPixelsPerDay = 10.0;
constexpr int kChartSetting = 1;

void LayOut(CProject& project, ChartScene& scene) {
    scene.Open(project, ChartScene::Placing::kAtSetPeriod);
    scene.SetRulerSetting(kChartSetting);
    COleDateTime from;
    COleDateTime to;
    if (!scene.DefaultPeriod(from, to)) {
        from = COleDateTime::GetCurrentTime().DatePart();
        to = from;
    }
    scene.SetSize(scene.HeaderWidth() + 1000, 1000);
    scene.SetPeriod(from, to, kPixelsPerDay);
}

// Schedules and memos in the order given, then the links whose two ends are
// among them; empty after telling why when an id names nothing on the chart.
bool ObjectsBlock(CProject& project, const std::vector<std::int32_t>& ids, std::string& block) {
    ChartScene scene;
    LayOut(project, scene);
    const CDisplayModel& model = scene.GetModel();
    std::vector<const CData*> objects;
    std::vector<DrawPoint> positions;
    std::vector<const CGuiObject*> links;
    std::unordered_set<std::int32_t> ends;
    for (const std::int32_t id : ids) {
        const CGuiObject* object = model.FindObject(id);
        const int type = object != nullptr ? object->GetObjectType() : -1;
        if (type == CGuiObject::kLink) {
            links.push_back(object);
            continue;
        }
        if (type != CGuiObject::kSchedule && type != CGuiObject::kMemo) {
            CliOutput::Fail("ID " + std::to_string(id) +
                            " のスケジュール、メモ、リンクはありません。");
            return false;
        }
        objects.push_back(object->GetData());
        positions.push_back(DrawPoint{object->GetRect().left, object->GetRect().top});
        ends.insert(id);
    }
    for (const CGuiObject* object : links) {
        const auto& link = static_cast<const CLink&>(*object->GetData());
        if (ends.count(link.GetFromId()) > 0 && ends.count(link.GetToId()) > 0) {
            objects.push_back(&link);
            positions.push_back(DrawPoint{object->GetRect().left, object->GetRect().top});
        }
    }
    if (objects.empty()) {
        CliOutput::Fail("コピーに失敗しました。");
        return false;
    }
    block = ObjectClipboardStream::Write(objects, positions);
    return true;
}

bool RowBlock(const CProject& project, std::string_view idText, std::string& block) {
    std::int32_t id = 0;
    const auto [end, error] = std::from_chars(idText.data(), idText.data() + idText.size(), id);
    if (error == std::errc() && end == idText.data() + idText.size())
        block = RowClipboardStream::Write(project, id);
    if (block.empty())
        CliOutput::Fail("ID " + std::string(idText) + " の段はありません。");
    return !block.empty();
}

}  // namespace

// The positions in an objects block are the objects' places on the day chart
// at kPixelsPerDay, which keeps their distances when they are pasted.
int RunCopy(const Args& args) {
    if (args.size() < 2)
        return CliOutput::Usage(kUsageText);
    const std::string path(args.front());
    const std::string out(args.back());
    CliOptions options;
    std::vector<std::int32_t> ids;
    if (!options.Parse(Args(args.begin() + 1, args.end() - 1), {"--ids", "--row"}, {}) ||
        options.Has("--ids") == options.Has("--row") ||
        (options.Has("--ids") && !EditReply::ParseIds(options.Get("--ids"), ids)))
        return CliOutput::Usage(kUsageText);
    CliDocument document;
    if (!document.Open(path))
        return CliOutput::kFailure;
    CProject& project = *document.Status().GetProject();
    std::string block;
    const bool made = options.Has("--row") ? RowBlock(project, options.Get("--row"), block)
                                           : ObjectsBlock(project, ids, block);
    if (!made)
        return CliOutput::kFailure;
    std::ofstream file(out, std::ios::binary | std::ios::trunc);
    file.write(block.data(), static_cast<std::streamsize>(block.size()));
    file.close();
    if (!file)
        return CliOutput::Fail(out + ": 書き込めませんでした。");
    return CliOutput::kSuccess;
}

}  // namespace qb::cli
