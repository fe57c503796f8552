#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "CColorRuleArray.h"
#include "ErrorSlot.h"
#include "PosixFileOperations.h"

namespace qb {

// A colour rule file (".crs"): one line per entry, the colour as upper-case
// hexadecimal without leading zeros, a TAB, the text, CR LF; text in the
// Japanese code page. No header. After a false result GetError says why.
class ColourRuleFile {
public:
    static constexpr const char* kReferencePrefix = "FILE:";
    // A colour field that is not hexadecimal, or too long for 32 bits.
    static constexpr ColorRef kInvalidColour = 0xFFFFFFFFu;

    explicit ColourRuleFile(IFileOperations& files = PosixFileOperations::Instance())
        : files_(files) {}

    // The path a reference names: "FILE:" + path, or a bare path.
    static std::string PathOf(std::string_view reference);
    // The reference a project keeps for a path.
    static std::string ReferenceTo(const std::string& path);

    // Empties rules and fills them from the file the reference names. An
    // empty reference is an empty set. On failure rules stay empty.
    [[nodiscard]] bool Read(std::string_view reference, CColorRuleArray& rules);
    // Replaces the file as a whole: the old one stays until the new one is
    // complete on disk.
    [[nodiscard]] bool Write(const std::string& path, const CColorRuleArray& rules);

    // The same on the bytes of a file.
    static void Parse(std::string_view bytes, CColorRuleArray& rules);
    // False (with the error set) when a text holds a character the file's
    // code page cannot carry: it would come back as something else.
    [[nodiscard]] bool Format(const CColorRuleArray& rules, std::string& bytes);
    static ColorRef ParseColour(std::string_view field);

    const ErrorSlot& GetError() const { return error_; }

private:
    IFileOperations& files_;
    ErrorSlot error_;
};

}  // namespace qb
