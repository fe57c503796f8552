#include "ImportLineReader.h"

#include <cstring>

#include "TextCodec.h"

namespace qb {
namespace {

constexpr std::size_t kChunk = 64 * 1024;
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

bool IsAscii(std::string_view text) {
    for (unsigned char c : text) {
        if (c >= 0x80)
            return false;
    }
    return true;
}

// Japanese written as UTF-8 is made of three-byte sequences; a line of
// CP932 bytes that happens to be valid UTF-8 almost never holds one.
bool LooksLikeJapaneseUtf8(std::string_view text) {
    if (!TextCodec::IsValidUtf8(text))
        return false;
    for (unsigned char c : text) {
        if (c >= 0xE0)
            return true;
    }
    return false;
}

}  // namespace

bool ImportLineReader::Fill() {
    if (position_ < buffer_.size())
        return true;
    buffer_.resize(kChunk);
    in_.read(buffer_.data(), static_cast<std::streamsize>(kChunk));
    buffer_.resize(static_cast<std::size_t>(in_.gcount()));
    position_ = 0;
    return !buffer_.empty();
}

bool ImportLineReader::ReadRaw(bool& tooLong) {
    raw_.clear();
    tooLong = false;
    bool any = false;
    while (Fill()) {
        any = true;
        const char* start = buffer_.data() + position_;
        const std::size_t left = buffer_.size() - position_;
        const void* found = std::memchr(start, '\n', left);
        const std::size_t length =
            found ? static_cast<std::size_t>(static_cast<const char*>(found) - start) : left;
        if (!tooLong && raw_.size() + length <= kMaxLineBytes + 1)
            raw_.append(start, length);
        else
            tooLong = true;
        position_ += found ? length + 1 : length;
        if (found)
            break;
    }
    if (!raw_.empty() && raw_.back() == '\r')
        raw_.pop_back();
    tooLong = tooLong || raw_.size() > kMaxLineBytes;
    return any;
}

bool ImportLineReader::Next(Line& line) {
    bool tooLong = false;
    if (!ReadRaw(tooLong))
        return false;
    line.number = ++number_;
    line.text.clear();
    if (line.number == 1 && std::string_view(raw_).starts_with(kByteOrderMark)) {
        utf8_ = true;
        raw_.erase(0, kByteOrderMark.size());
    }
    line.rowRecord = raw_.size() >= 2 && (raw_[0] == 'R' || raw_[0] == 'r') &&
                     (raw_[1] == 'A' || raw_[1] == 'a');
    if (tooLong) {
        line.kind = Kind::kTooLong;
        return true;
    }
    line.kind = Decode(line.text);
    return true;
}

ImportLineReader::Kind ImportLineReader::Decode(std::string& text) const {
    if (raw_.find('\0') != std::string::npos)
        return Kind::kBinary;
    if (IsAscii(raw_)) {
        text = raw_;
        return Kind::kText;
    }
    if (utf8_) {
        if (!TextCodec::IsValidUtf8(raw_))
            return Kind::kNotDecodable;
        text = raw_;
        return Kind::kText;
    }
    if (LooksLikeJapaneseUtf8(raw_))
        return Kind::kUtf8;
    std::optional<std::string> decoded = TextCodec::Cp932ToUtf8(raw_);
    if (!decoded)
        return Kind::kNotDecodable;
    text = std::move(*decoded);
    return Kind::kText;
}

bool ImportLineReader::SplitFields(std::string_view text, std::vector<std::string_view>& fields) {
    fields.clear();
    std::size_t start = 0;
    while (true) {
        if (fields.size() == kMaxFields) {
            fields.clear();
            return false;
        }
        const std::size_t tab = text.find('\t', start);
        fields.push_back(text.substr(start, tab == std::string_view::npos ? tab : tab - start));
        if (tab == std::string_view::npos)
            return true;
        start = tab + 1;
    }
}

}  // namespace qb
