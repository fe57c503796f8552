#pragma once

#include <cstddef>
#include <istream>
#include <string>
#include <string_view>
#include <vector>

namespace qb {

// Reads an import file line by line without ever holding more than one
// bounded line: a longer line is skipped as it streams past. Lines end in
// LF or CR LF. Text is Shift_JIS (CP932), or UTF-8 when the file starts with
// the UTF-8 byte-order mark; every line comes back as UTF-8, and a line that
// is not text of the file's encoding comes back marked instead of mangled.
class ImportLineReader {
public:
    static constexpr std::size_t kMaxLineBytes = 64 * 1024;
    static constexpr std::size_t kMaxFields = 4096;

    enum class Kind {
        kText,
        // Longer than kMaxLineBytes; the text is empty.
        kTooLong,
        // Bytes that are not CP932 (or, after a byte-order mark, not UTF-8).
        kNotDecodable,
        // A CP932 file's line that reads as Japanese UTF-8 text instead.
        kUtf8,
        // Holds a NUL byte: not a text line at all.
        kBinary,
    };

    struct Line {
        int number = 0;
        Kind kind = Kind::kText;
        std::string text;
        // Starts with "RA" (either case), whatever the rest holds.
        bool rowRecord = false;
    };

    explicit ImportLineReader(std::istream& in) : in_(in) {}

    // The next line; false at the end of the file.
    bool Next(Line& line);
    // The file started with the UTF-8 byte-order mark (known after the first
    // line).
    bool IsUtf8() const { return utf8_; }

    // The tab-separated fields of a line; false when there are more than
    // kMaxFields (fields is left empty then).
    static bool SplitFields(std::string_view text, std::vector<std::string_view>& fields);

private:
    // Raw bytes of the next line into raw_; false at the end of the file.
    bool ReadRaw(bool& tooLong);
    bool Fill();
    Kind Decode(std::string& text) const;

    std::istream& in_;
    std::string buffer_;
    std::size_t position_ = 0;
    std::string raw_;
    int number_ = 0;
    bool utf8_ = false;
};

}  // namespace qb
