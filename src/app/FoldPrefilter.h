#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "FindOptions.h"

namespace qb {

// A quick test that spares a search most of its folding: a text can hold
// the folded search string only if, for each character of it, the text
// holds one of the characters that fold to that one (for "ｂ" with the case
// and width options, "b", "B", "ｂ" or "Ｂ"; for "工", "工" itself). These are
// looked for in the raw bytes, and only a text that may hold the string is
// folded and compared in full.
class FoldPrefilter {
public:
    // A filter that lets every text through.
    FoldPrefilter() = default;
    // folded: the search string as the options fold it.
    FoldPrefilter(std::string_view folded, const FindOptions& options);

    // False only when text, folded as the options ask, cannot hold the
    // search string.
    bool MayHold(std::string_view text) const;

    // The raw characters looked for (UTF-8), one list per character of the
    // search string, the shortest lists first; empty when every text passes.
    std::vector<std::vector<std::string>> Needles() const;

private:
    struct Character {
        std::vector<std::string> forms;
        // The first byte of the folded character: a text with bytes that
        // are no UTF-8 keeps them raw, and raw bytes that the folding brings
        // together may spell the character only if this byte is among them.
        char lead = 0;
    };

    static bool HoldsAnyForm(std::string_view text, const Character& character);

    std::vector<Character> characters_;
};

}  // namespace qb
