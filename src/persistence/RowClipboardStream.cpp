#include "RowClipboardStream.h"

namespace qb {

std::unique_ptr<CProject> RowClipboardStream::Extract(const CProject& /*source*/,
                                                      std::int32_t /*rowId*/) {
    return nullptr;
}

std::string RowClipboardStream::Write(const CProject& source, std::int32_t rowId) {
    (void)source;
    (void)rowId;
    return {};
}

std::unique_ptr<CProject> RowClipboardStream::Read(std::string_view /*bytes*/,
                                                   ErrorSlot& /*error*/) {
    return nullptr;
}

}  // namespace qb
