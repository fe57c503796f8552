#include "FoldPrefilter.h"

#include <algorithm>

#include "TextMatcher.h"
#include "Utf8Text.h"
#include "WidthNormaliser.h"

namespace qb {
namespace {

// Enough characters of a long search string to find a rare one among them.
constexpr std::size_t kCharactersWeighed = 32;

std::string Encoded(char32_t c) {
    std::string out;
    Utf8Text::Append(c, out);
    return out;
}

// Every character that folds to something other than itself: the width
// tables (the full-width letters among them) and the Latin capitals.
std::vector<char32_t> FoldingCharacters() {
    std::vector<char32_t> out(WidthNormaliser::FullWidth().begin(),
                              WidthNormaliser::FullWidth().end());
    out.insert(out.end(), WidthNormaliser::Voiced().begin(), WidthNormaliser::Voiced().end());
    for (char32_t c = U'A'; c <= U'Z'; ++c)
        out.push_back(c);
    return out;
}

bool IsWellFormed(std::string_view text) {
    std::size_t at = 0;
    while (at < text.size()) {
        if (static_cast<unsigned char>(text[at]) < 0x80) {
            ++at;
            continue;
        }
        std::size_t length = 0;
        if (Utf8Text::Decode(text.substr(at), length) == Utf8Text::kReplacement && length == 1)
            return false;
        at += length;
    }
    return true;
}

// The characters whose folded form holds target, each as UTF-8.
std::vector<std::string> FoldingTo(char32_t target, const std::vector<char32_t>& folding,
                                   const FindOptions& options) {
    const std::string wanted = Encoded(target);
    std::vector<std::string> out;
    auto consider = [&](char32_t c) {
        std::string raw = Encoded(c);
        if (TextMatcher::Fold(raw, options).find(wanted) == std::string::npos)
            return;
        if (std::find(out.begin(), out.end(), raw) == out.end())
            out.push_back(std::move(raw));
    };
    consider(target);
    for (const char32_t c : folding)
        consider(c);
    return out;
}

}  // namespace

FoldPrefilter::FoldPrefilter(std::string_view folded, const FindOptions& options) {
    std::vector<char32_t> characters;
    bool broken = false;
    Utf8Text::ForEach(folded, [&](char32_t c, std::string_view raw) {
        if (c == Utf8Text::kReplacement && raw.size() == 1)
            broken = true;
        else if (std::find(characters.begin(), characters.end(), c) == characters.end())
            characters.push_back(c);
    });
    // A search string that is no UTF-8 is compared in full every time.
    if (broken)
        return;
    if (characters.size() > kCharactersWeighed)
        characters.resize(kCharactersWeighed);
    const std::vector<char32_t> folding = FoldingCharacters();
    for (const char32_t c : characters) {
        std::vector<std::string> forms = FoldingTo(c, folding, options);
        if (!forms.empty())
            characters_.push_back({std::move(forms), Encoded(c).front()});
    }
    // The fewest forms first: a character that folds from nothing else
    // turns most texts away with a single look.
    std::stable_sort(
        characters_.begin(), characters_.end(),
        [](const Character& a, const Character& b) { return a.forms.size() < b.forms.size(); });
}

std::vector<std::vector<std::string>> FoldPrefilter::Needles() const {
    std::vector<std::vector<std::string>> out;
    for (const Character& character : characters_)
        out.push_back(character.forms);
    return out;
}

bool FoldPrefilter::HoldsAnyForm(std::string_view text, const Character& character) {
    for (const std::string& form : character.forms) {
        if (text.find(form) != std::string_view::npos)
            return true;
    }
    return false;
}

bool FoldPrefilter::MayHold(std::string_view text) const {
    for (const Character& character : characters_) {
        if (HoldsAnyForm(text, character))
            continue;
        // Letters and digits come only from whole characters; a character of
        // several bytes may also be spelt by raw bytes that are no UTF-8.
        const bool raw = static_cast<unsigned char>(character.lead) >= 0x80 &&
                         text.find(character.lead) != std::string_view::npos;
        return raw && !IsWellFormed(text);
    }
    return true;
}

}  // namespace qb
