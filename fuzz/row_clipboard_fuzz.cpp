// The rows block arrives on the system clipboard from any program. A block
// the reader accepts must hold together: copying its row again gives a block
// that reads back and writes the same bytes.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "CRow.h"
#include "RowClipboardStream.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    qb::ErrorSlot error;
    auto project = qb::RowClipboardStream::Read(bytes, error);
    if (!project) {
        if (!error.Failed())
            std::abort();  // a refusal must say why
        return 0;
    }
    const qb::CRow* first = nullptr;
    project->GetRows().ForEach([&](qb::CRow& row) {
        if (first == nullptr && !row.IsDeleted())
            first = &row;
    });
    if (first == nullptr)
        std::abort();  // accepted blocks hold a row
    const std::string copied = qb::RowClipboardStream::Write(*project, first->GetObjectId());
    auto again = qb::RowClipboardStream::Read(copied, error);
    if (!again || qb::RowClipboardStream::Write(*again, 1) != copied)
        std::abort();
    return 0;
}
