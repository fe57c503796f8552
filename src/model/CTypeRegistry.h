#pragma once

#include <string_view>

namespace qb {

// The fixed table of class kinds: type number to tag word and back. The tag
// word names a class in XML documents and object text; the native file's
// record tag is the type number plus one.
class CTypeRegistry {
public:
    // The tag word of a type number, or empty text for a number outside the table.
    static std::string_view GetTagWord(int type);
    // The type number of a tag word (exact, case-sensitive), or -1.
    static int GetTypeOf(std::string_view tagWord);
};

}  // namespace qb
