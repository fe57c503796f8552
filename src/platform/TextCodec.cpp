#include "TextCodec.h"

#include <iconv.h>

#include <cerrno>
#include <cstdint>

namespace qb {
namespace {

bool IsAscii(std::string_view text) {
    for (unsigned char c : text) {
        if (c >= 0x80)
            return false;
    }
    return true;
}

// One conversion descriptor per direction and thread: opening one costs more
// than converting a short string, and iconv_t must not be shared between threads.
class Converter {
public:
    Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {}
    ~Converter() {
        if (cd_ != reinterpret_cast<iconv_t>(-1))
            iconv_close(cd_);
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    // Converts the whole input. On a character it cannot convert it calls
    // onBad(out, in, left), which may append a replacement and must advance
    // the input; returning false stops the conversion and fails it.
    template <class OnBad>
    bool Run(std::string_view input, std::string& out, OnBad onBad) {
        if (cd_ == reinterpret_cast<iconv_t>(-1))
            return false;
        iconv(cd_, nullptr, nullptr, nullptr, nullptr);
        char* in = const_cast<char*>(input.data());
        size_t inLeft = input.size();
        char buffer[1024];
        while (inLeft > 0) {
            char* outPtr = buffer;
            size_t outLeft = sizeof buffer;
            size_t rc = iconv(cd_, &in, &inLeft, &outPtr, &outLeft);
            out.append(buffer, static_cast<size_t>(outPtr - buffer));
            if (rc != static_cast<size_t>(-1))
                continue;
            if (errno == E2BIG)
                continue;
            if (!onBad(out, in, inLeft))
                return false;
            iconv(cd_, nullptr, nullptr, nullptr, nullptr);
        }
        return true;
    }

private:
    iconv_t cd_;
};

Converter& ToCp932() {
    thread_local Converter converter("CP932", "UTF-8");
    return converter;
}

Converter& FromCp932() {
    thread_local Converter converter("UTF-8", "CP932");
    return converter;
}

// Length of the UTF-8 sequence that starts with byte c (1 for a stray byte).
size_t Utf8SequenceLength(unsigned char c) {
    if (c >= 0xF0 && c <= 0xF4)
        return 4;
    if (c >= 0xE0 && c <= 0xEF)
        return 3;
    if (c >= 0xC2 && c <= 0xDF)
        return 2;
    return 1;
}

// Decodes one UTF-8 character at text[pos]; -1 for an invalid sequence.
long DecodeUtf8(std::string_view text, size_t& pos) {
    unsigned char c = static_cast<unsigned char>(text[pos]);
    if (c < 0x80) {
        ++pos;
        return c;
    }
    size_t length = Utf8SequenceLength(c);
    if (length == 1 || pos + length > text.size()) {
        ++pos;
        return -1;
    }
    long code = c & (0x7F >> length);
    for (size_t i = 1; i < length; ++i) {
        unsigned char next = static_cast<unsigned char>(text[pos + i]);
        if ((next & 0xC0) != 0x80) {
            ++pos;
            return -1;
        }
        code = (code << 6) | (next & 0x3F);
    }
    static constexpr long kMinimum[] = {0, 0, 0x80, 0x800, 0x10000};
    if (code < kMinimum[length] || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) {
        ++pos;
        return -1;
    }
    pos += length;
    return code;
}

void AppendUtf8(std::string& out, unsigned long code) {
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | (code >> 6));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        out += static_cast<char>(0xE0 | (code >> 12));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (code >> 18));
        out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
}

void AppendUtf16Unit(std::string& out, unsigned long unit) {
    out += static_cast<char>(unit & 0xFF);
    out += static_cast<char>((unit >> 8) & 0xFF);
}

constexpr unsigned long kReplacement = 0xFFFD;

}  // namespace

bool TextCodec::IsValidUtf8(std::string_view text) {
    size_t pos = 0;
    while (pos < text.size()) {
        if (DecodeUtf8(text, pos) < 0)
            return false;
    }
    return true;
}

std::optional<std::string> TextCodec::Utf8ToCp932(std::string_view utf8) {
    if (IsAscii(utf8))
        return std::string(utf8);
    std::string out;
    out.reserve(utf8.size());
    if (!ToCp932().Run(utf8, out, [](std::string&, char*&, size_t&) { return false; })) {
        return std::nullopt;
    }
    return out;
}

std::string TextCodec::Utf8ToCp932Lossy(std::string_view utf8) {
    if (IsAscii(utf8))
        return std::string(utf8);
    std::string out;
    out.reserve(utf8.size());
    ToCp932().Run(utf8, out, [](std::string& text, char*& in, size_t& left) {
        size_t skip = Utf8SequenceLength(static_cast<unsigned char>(*in));
        if (skip > left)
            skip = left;
        text += '?';
        in += skip;
        left -= skip;
        return true;
    });
    return out;
}

bool TextCodec::FitsCp932(std::string_view utf8) {
    return Utf8ToCp932(utf8).has_value();
}

std::optional<std::string> TextCodec::Cp932ToUtf8(std::string_view cp932) {
    if (IsAscii(cp932))
        return std::string(cp932);
    std::string out;
    out.reserve(cp932.size() * 3 / 2);
    if (!FromCp932().Run(cp932, out, [](std::string&, char*&, size_t&) { return false; })) {
        return std::nullopt;
    }
    return out;
}

std::string TextCodec::Cp932ToUtf8Lossy(std::string_view cp932) {
    if (IsAscii(cp932))
        return std::string(cp932);
    std::string out;
    out.reserve(cp932.size() * 3 / 2);
    FromCp932().Run(cp932, out, [](std::string& text, char*& in, size_t& left) {
        AppendUtf8(text, kReplacement);
        ++in;
        --left;
        return true;
    });
    return out;
}

std::optional<std::string> TextCodec::Utf8ToUtf16Le(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size() * 2);
    size_t pos = 0;
    while (pos < utf8.size()) {
        long code = DecodeUtf8(utf8, pos);
        if (code < 0)
            return std::nullopt;
        if (code >= 0x10000) {
            unsigned long v = static_cast<unsigned long>(code) - 0x10000;
            AppendUtf16Unit(out, 0xD800 | (v >> 10));
            AppendUtf16Unit(out, 0xDC00 | (v & 0x3FF));
        } else {
            AppendUtf16Unit(out, static_cast<unsigned long>(code));
        }
    }
    return out;
}

std::string TextCodec::Utf16LeToUtf8Lossy(std::string_view utf16le) {
    std::string out;
    out.reserve(utf16le.size());
    size_t count = utf16le.size() / 2;
    auto unitAt = [&](size_t i) {
        return static_cast<unsigned long>(static_cast<unsigned char>(utf16le[2 * i])) |
               (static_cast<unsigned long>(static_cast<unsigned char>(utf16le[2 * i + 1])) << 8);
    };
    for (size_t i = 0; i < count; ++i) {
        unsigned long unit = unitAt(i);
        if (unit >= 0xD800 && unit <= 0xDBFF && i + 1 < count) {
            unsigned long low = unitAt(i + 1);
            if (low >= 0xDC00 && low <= 0xDFFF) {
                AppendUtf8(out, 0x10000 + ((unit - 0xD800) << 10) + (low - 0xDC00));
                ++i;
                continue;
            }
        }
        AppendUtf8(out, (unit >= 0xD800 && unit <= 0xDFFF) ? kReplacement : unit);
    }
    if (utf16le.size() % 2 != 0)
        AppendUtf8(out, kReplacement);
    return out;
}

}  // namespace qb
