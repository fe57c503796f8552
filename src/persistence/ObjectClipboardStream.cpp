#include "ObjectClipboardStream.h"

namespace qb {

std::string ObjectClipboardStream::Write(const std::vector<const CData*>& /*objects*/,
                                         const std::vector<DrawPoint>& /*positions*/) {
    return {};
}

std::optional<std::vector<ClipboardObject>> ObjectClipboardStream::Read(
    std::string_view /*bytes*/) {
    return std::nullopt;
}

}  // namespace qb
