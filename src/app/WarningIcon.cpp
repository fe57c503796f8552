#include "WarningIcon.h"

#include <cstdint>
#include <cstdlib>

namespace qb {

namespace {

void PutLittleEndian(std::string& out, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i)
        out += static_cast<char>((value >> (8 * i)) & 0xFF);
}

// A yellow triangle with a black rim and a black exclamation mark, as
// 0xAARRGGBB; x and y count from the top-left corner.
std::uint32_t Pixel(int x, int y) {
    constexpr int kSize = WarningIcon::kSize;
    const int centre = kSize / 2;
    const int top = 2;
    const int bottom = kSize - 3;
    if (y < top || y > bottom)
        return 0;
    // Half the triangle's width grows by one pixel every two rows down.
    const int half = (y - top) / 2 + 1;
    const int distance = std::abs(x - centre);
    if (distance > half)
        return 0;
    const bool rim = distance >= half - 1 || y >= bottom - 1;
    const bool bar = distance <= 1 && y >= top + 8 && y <= bottom - 9;
    const bool dot = distance <= 1 && y >= bottom - 6 && y <= bottom - 4;
    if (rim || bar || dot)
        return 0xFF000000;
    return 0xFFFFD700;
}

}  // namespace

std::string WarningIcon::FileBytes() {
    constexpr std::uint32_t kHeaderSize = 6 + 16;
    constexpr std::uint32_t kInfoSize = 40;
    constexpr std::uint32_t kPixelBytes = kSize * kSize * 4;
    constexpr std::uint32_t kMaskBytes = kSize * (kSize / 8);
    std::string out;
    // ICONDIR: reserved, type 1 (icon), one image.
    PutLittleEndian(out, 0, 2);
    PutLittleEndian(out, 1, 2);
    PutLittleEndian(out, 1, 2);
    // ICONDIRENTRY: width, height, colours, reserved, planes, bits, size, offset.
    out += static_cast<char>(kSize);
    out += static_cast<char>(kSize);
    PutLittleEndian(out, 0, 2);
    PutLittleEndian(out, 1, 2);
    PutLittleEndian(out, 32, 2);
    PutLittleEndian(out, kInfoSize + kPixelBytes + kMaskBytes, 4);
    PutLittleEndian(out, kHeaderSize, 4);
    // BITMAPINFOHEADER; the height counts the colour and the mask image.
    PutLittleEndian(out, kInfoSize, 4);
    PutLittleEndian(out, kSize, 4);
    PutLittleEndian(out, kSize * 2, 4);
    PutLittleEndian(out, 1, 2);
    PutLittleEndian(out, 32, 2);
    PutLittleEndian(out, 0, 4);
    PutLittleEndian(out, kPixelBytes + kMaskBytes, 4);
    PutLittleEndian(out, 0, 4);
    PutLittleEndian(out, 0, 4);
    PutLittleEndian(out, 0, 4);
    PutLittleEndian(out, 0, 4);
    // Rows run bottom-up, pixels as B, G, R, A.
    for (int y = kSize - 1; y >= 0; --y) {
        for (int x = 0; x < kSize; ++x)
            PutLittleEndian(out, Pixel(x, y), 4);
    }
    // The AND mask: a set bit is transparent.
    for (int y = kSize - 1; y >= 0; --y) {
        for (int byte = 0; byte < kSize / 8; ++byte) {
            std::uint32_t bits = 0;
            for (int bit = 0; bit < 8; ++bit) {
                if ((Pixel(byte * 8 + bit, y) >> 24) == 0)
                    bits |= 0x80u >> bit;
            }
            PutLittleEndian(out, bits, 1);
        }
    }
    return out;
}

}  // namespace qb
