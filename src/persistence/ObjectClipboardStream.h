#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "CData.h"
#include "DrawTypes.h"

namespace qb {

// A chart object as it travels through the clipboard: its data object (id
// included) and the left and top of its display rectangle, in chart pixels,
// when it was copied.
struct ClipboardObject {
    std::unique_ptr<CData> data;
    DrawPoint position;
};

// The objects format "CF_QUELLBRANDIREN": schedules, memos and links as the
// archive's little-endian values and length-prefixed strings, each object as
// its one-line text form followed by its position.
class ObjectClipboardStream {
public:
    static constexpr const char* kFormatName = "CF_QUELLBRANDIREN";
    static constexpr std::uint32_t kFormatVersion = 100;
    static constexpr const char* kProgramVersion = "2.9.0";
    static constexpr std::uint32_t kLayout = 1;

    // The block as it goes on the clipboard, ending with one zero byte.
    static std::string Write(const std::vector<const CData*>& objects,
                             const std::vector<DrawPoint>& positions);
    // The objects of a block, in their order; nothing when the block is not
    // exactly this format (name, layout, counts beyond the bytes, texts that
    // do not parse, objects that cannot live on the chart, links whose ends
    // are not among the objects). Reading never trusts a count.
    static std::optional<std::vector<ClipboardObject>> Read(std::string_view bytes);
};

}  // namespace qb
