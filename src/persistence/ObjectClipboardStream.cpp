#include "ObjectClipboardStream.h"

#include <exception>
#include <unordered_set>

#include "ArchiveReader.h"
#include "ArchiveWriter.h"
#include "CLink.h"
#include "ObjectText.h"

namespace qb {
namespace {

// The smallest record: an empty text (its one-byte length) and the position.
constexpr std::size_t kSmallestRecord = 1 + 2 * 4;
// What the text of a bar with a caption takes, near enough.
constexpr std::size_t kTypicalText = 1200;

bool LivesOnChart(const CData& object) {
    const int type = object.GetType();
    return type == CData::kSchedule || type == CData::kMemo || type == CData::kLink;
}

// The object a record's text describes; null for a text that does not parse
// or for an object that has no place on the chart.
std::unique_ptr<CData> ParseObject(std::string_view text) {
    std::unique_ptr<CData> object;
    try {
        object = ObjectText::Read(text);
    } catch (const std::exception&) {
        return nullptr;
    }
    if (object && !LivesOnChart(*object))
        return nullptr;
    return object;
}

// Every object carries its own id, and every link joins two schedules or
// memos of the same block.
bool LinksStayInside(const std::vector<ClipboardObject>& objects) {
    std::unordered_set<std::int32_t> ends;
    std::unordered_set<std::int32_t> ids;
    for (const ClipboardObject& object : objects) {
        const std::int32_t id = object.data->GetObjectId();
        if (!ids.insert(id).second)
            return false;
        if (object.data->GetType() != CData::kLink)
            ends.insert(id);
    }
    for (const ClipboardObject& object : objects) {
        if (object.data->GetType() != CData::kLink)
            continue;
        const auto& link = static_cast<const CLink&>(*object.data);
        if (!ends.contains(link.GetFromId()) || !ends.contains(link.GetToId()))
            return false;
    }
    return true;
}

}  // namespace

std::string ObjectClipboardStream::Write(const std::vector<const CData*>& objects,
                                         const std::vector<DrawPoint>& positions) {
    ArchiveWriter out;
    // About what a bar's text takes, so the block is seldom laid out twice.
    out.Reserve(64 + objects.size() * (kTypicalText + kSmallestRecord + 4));
    out.RawText(kFormatName);
    out.U32(kFormatVersion);
    out.RawText(kProgramVersion);
    out.U32(kLayout);
    out.U32(static_cast<std::uint32_t>(objects.size()));
    std::string text;
    for (std::size_t i = 0; i < objects.size(); ++i) {
        const DrawPoint position = i < positions.size() ? positions[i] : DrawPoint{};
        ObjectText::WriteTo(text, *objects[i]);
        // Object texts are plain ASCII: tag words, digits and hex.
        out.RawText(text);
        out.I32(position.x);
        out.I32(position.y);
    }
    // The block on the clipboard is one byte longer than the stream.
    out.Byte(0);
    return out.Take();
}

std::optional<std::vector<ClipboardObject>> ObjectClipboardStream::Read(std::string_view bytes) {
    ArchiveReader in(bytes);
    if (in.RawText() != kFormatName || in.Failed())
        return std::nullopt;
    in.U32();   // format version
    in.Text();  // program version
    if (in.U32() != kLayout || in.Failed())
        return std::nullopt;
    const std::uint32_t count = in.U32();
    if (!in.CanHold(count, kSmallestRecord))
        return std::nullopt;
    std::vector<ClipboardObject> objects;
    objects.reserve(count);
    for (std::uint32_t i = 0; i < count; ++i) {
        const std::string text = in.Text();
        const std::int32_t left = in.I32();
        const std::int32_t top = in.I32();
        if (in.Failed())
            return std::nullopt;
        std::unique_ptr<CData> object = ParseObject(text);
        if (!object)
            return std::nullopt;
        objects.push_back({std::move(object), DrawPoint{left, top}});
    }
    if (!LinksStayInside(objects))
        return std::nullopt;
    return objects;
}

}  // namespace qb
