#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "FindOptions.h"
#include "FoldPrefilter.h"

namespace qb {

// Whether a text holds the search string, as the find window compares them:
// a plain substring, or, with any of the case, width and space options,
// a substring of both texts folded alike (spaces dropped, then widths
// folded, then letters lower-cased).
class TextMatcher {
public:
    TextMatcher(std::string_view pattern, const FindOptions& options);

    bool Matches(std::string_view text) const;
    // The text with every occurrence of the search string replaced, left to
    // right without overlaps; nothing when there was none. With folding, an
    // occurrence is the stretch of original characters it was folded from;
    // one that begins or ends inside a character folded into two (the "ｶ"
    // of "ガ") is left alone.
    std::optional<std::string> Replace(std::string_view text, std::string_view replacement) const;

    // The search string folds to nothing: it is held by every text, and
    // nothing can be replaced.
    bool IsEmpty() const { return pattern_.empty(); }

    // text folded as options ask (for tests and the benchmark).
    static std::string Fold(std::string_view text, const FindOptions& options);

private:
    // One character of the original text and what it became in the folded one.
    struct Piece {
        std::size_t from;
        std::size_t to;
        std::size_t foldedFrom;
        std::size_t foldedTo;
    };

    static void FoldInto(std::string_view text, const FindOptions& options, std::string& out,
                         std::vector<Piece>* pieces);
    std::optional<std::string> ReplacePlain(std::string_view text,
                                            std::string_view replacement) const;
    std::optional<std::string> ReplaceFolded(std::string_view text,
                                             std::string_view replacement) const;

    FindOptions options_;
    std::string pattern_;
    FoldPrefilter prefilter_;
    // Reused between texts: a search folds thousands of them.
    mutable std::string folded_;
};

}  // namespace qb
