// The objects block arrives on the system clipboard from any program. Reading
// must refuse or accept without harm, and what it accepts must write back
// and read again to the same objects.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "ObjectClipboardStream.h"

namespace {

std::string WriteBack(const std::vector<qb::ClipboardObject>& objects) {
    std::vector<const qb::CData*> data;
    std::vector<qb::DrawPoint> positions;
    for (const qb::ClipboardObject& object : objects) {
        data.push_back(object.data.get());
        positions.push_back(object.position);
    }
    return qb::ObjectClipboardStream::Write(data, positions);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    auto objects = qb::ObjectClipboardStream::Read(bytes);
    if (!objects)
        return 0;
    const std::string written = WriteBack(*objects);
    auto again = qb::ObjectClipboardStream::Read(written);
    if (!again || again->size() != objects->size() || WriteBack(*again) != written)
        std::abort();
    return 0;
}
