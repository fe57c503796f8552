#include "TextMatcher.h"

#include "Utf8Text.h"
#include "WidthNormaliser.h"

namespace qb {
namespace {

constexpr char32_t kIdeographicSpace = 0x3000;

bool IsSpace(char32_t c) {
    return c == U' ' || c == kIdeographicSpace;
}

// The Latin capitals in both widths.
char32_t Lower(char32_t c) {
    if ((c >= U'A' && c <= U'Z') || (c >= U'Ａ' && c <= U'Ｚ'))
        return c + 0x20;
    return c;
}

}  // namespace

TextMatcher::TextMatcher(std::string_view pattern, const FindOptions& options) : options_(options) {
    if (options_.Folds()) {
        FoldInto(pattern, options_, pattern_, nullptr);
        prefilter_ = FoldPrefilter(pattern_, options_);
    } else {
        pattern_ = pattern;
    }
}

std::string TextMatcher::Fold(std::string_view text, const FindOptions& options) {
    std::string out;
    FoldInto(text, options, out, nullptr);
    return out;
}

void TextMatcher::FoldInto(std::string_view text, const FindOptions& options, std::string& out,
                           std::vector<Piece>* pieces) {
    out.clear();
    std::size_t at = 0;
    Utf8Text::ForEach(text, [&](char32_t c, std::string_view raw) {
        const std::size_t start = out.size();
        if (options.ignoreSpaces && IsSpace(c)) {
            // dropped
        } else if (c < 0x80 && !options.ignoreCase) {
            out.push_back(static_cast<char>(c));
        } else {
            char32_t mapped[2] = {c, 0};
            int count = options.ignoreWidth ? WidthNormaliser::Map(c, mapped) : 0;
            if (count == 0) {
                mapped[0] = c;
                count = 1;
            }
            for (int i = 0; i < count; ++i) {
                const char32_t folded = options.ignoreCase ? Lower(mapped[i]) : mapped[i];
                // A broken byte stays the byte it was.
                if (folded == c && count == 1)
                    out.append(raw);
                else
                    Utf8Text::Append(folded, out);
            }
        }
        if (pieces != nullptr)
            pieces->push_back({at, at + raw.size(), start, out.size()});
        at += raw.size();
    });
}

bool TextMatcher::Matches(std::string_view text) const {
    if (!options_.Folds())
        return text.find(pattern_) != std::string_view::npos;
    if (!prefilter_.MayHold(text))
        return false;
    FoldInto(text, options_, folded_, nullptr);
    return folded_.find(pattern_) != std::string::npos;
}

std::optional<std::string> TextMatcher::Replace(std::string_view text,
                                                std::string_view replacement) const {
    if (pattern_.empty())
        return std::nullopt;
    return options_.Folds() ? ReplaceFolded(text, replacement) : ReplacePlain(text, replacement);
}

std::optional<std::string> TextMatcher::ReplacePlain(std::string_view text,
                                                     std::string_view replacement) const {
    std::size_t found = text.find(pattern_);
    if (found == std::string_view::npos)
        return std::nullopt;
    std::string out;
    std::size_t copied = 0;
    for (; found != std::string_view::npos; found = text.find(pattern_, copied)) {
        out.append(text.substr(copied, found - copied));
        out.append(replacement);
        copied = found + pattern_.size();
    }
    out.append(text.substr(copied));
    return out;
}

std::optional<std::string> TextMatcher::ReplaceFolded(std::string_view text,
                                                      std::string_view replacement) const {
    if (!prefilter_.MayHold(text))
        return std::nullopt;
    std::vector<Piece> pieces;
    std::string folded;
    FoldInto(text, options_, folded, &pieces);
    if (folded.find(pattern_) == std::string::npos)
        return std::nullopt;
    // The character whose folded form starts or ends at each folded offset;
    // dropped spaces fold to nothing and start or end nothing.
    std::vector<int> startsAt(folded.size() + 1, -1);
    std::vector<int> endsAt(folded.size() + 1, -1);
    for (std::size_t i = 0; i < pieces.size(); ++i) {
        const Piece& piece = pieces[i];
        if (piece.foldedFrom == piece.foldedTo)
            continue;
        startsAt[piece.foldedFrom] = static_cast<int>(i);
        endsAt[piece.foldedTo] = static_cast<int>(i);
    }
    std::string out;
    std::size_t copied = 0;
    std::size_t from = 0;
    bool replaced = false;
    for (std::size_t found = folded.find(pattern_); found != std::string::npos;
         found = folded.find(pattern_, from)) {
        const std::size_t end = found + pattern_.size();
        const int first = startsAt[found];
        const int last = endsAt[end];
        if (first < 0 || last < 0) {
            from = found + 1;
            continue;
        }
        const std::size_t start = pieces[static_cast<std::size_t>(first)].from;
        out.append(text.substr(copied, start - copied));
        out.append(replacement);
        copied = pieces[static_cast<std::size_t>(last)].to;
        from = end;
        replaced = true;
    }
    if (!replaced)
        return std::nullopt;
    out.append(text.substr(copied));
    return out;
}

}  // namespace qb
