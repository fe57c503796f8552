#include "WidthNormaliser.h"

#include <array>

#include "Utf8Text.h"

namespace qb {
namespace {

// The ideographic space, "!" to "~" (the quotes, the backslash and the
// tilde as the Japanese fonts write them), the Japanese punctuation, the
// katakana in the order of their half-width forms and the two sound marks.
constexpr std::u32string_view kFullWidth =
    U"　！”＃＄％＆’（）＊＋，－．／０１２３４５６７８９：；＜＝＞？＠ＡＢＣＤＥＦＧＨＩＪＫＬＭＮ"
    U"ＯＰＱＲ"
    U"ＳＴＵＶＷＸＹＺ［￥］＾＿｀ａｂｃｄｅｆｇｈｉｊｋｌｍｎｏｐｑｒｓｔｕｖｗｘｙｚ｛｜｝￣。「"
    U"」、・"
    U"ヲァィゥェォャュョッーアイウエオカキクケコサシスセソタチツテトナニヌネノハヒフヘホマミムメモ"
    U"ヤユ"
    U"ヨラリルレロワン゛゜";
constexpr std::u32string_view kHalfWidth =
    U" !\"#$%&'()*+,-./"
    U"0123456789:;<=>?@ABCDEFGHIJKLMNOPQRSTUVWXYZ[\\]^_`abcdefghijklmnopqrstuvwxyz{|}"
    U"~｡｢｣､･ｦｧｨｩｪｫｬｭｮｯｰｱｲｳｴｵｶｷｸｹｺｻｼｽｾｿﾀﾁﾂﾃﾄﾅﾆﾇﾈﾉﾊﾋﾌﾍﾎﾏﾐﾑﾒﾓﾔﾕﾖﾗﾘﾙﾚﾛﾜﾝﾞﾟ";
constexpr std::u32string_view kVoiced = U"ガギグゲゴザジズゼゾダヂヅデドバビブベボヴパピプペポ";
constexpr std::u32string_view kVoicedHalf = U"ｶﾞｷﾞｸﾞｹﾞｺﾞｻﾞｼﾞｽﾞｾﾞｿﾞﾀﾞﾁﾞﾂﾞﾃﾞﾄﾞﾊﾞﾋﾞﾌﾞﾍﾞﾎﾞｳﾞﾊﾟﾋﾟﾌﾟﾍﾟﾎﾟ";

static_assert(kFullWidth.size() == kHalfWidth.size());
static_assert(kVoiced.size() * 2 == kVoicedHalf.size());

// Every character of the tables lies in one of three blocks of 256: the
// general punctuation (the quotes), the CJK symbols and katakana, and the
// half- and full-width forms. A direct table per block keeps the lookup to
// an index, which matters when a search folds every text of a large plan.
struct Entry {
    char32_t first = 0;
    char32_t second = 0;
};

class Lookup {
public:
    Lookup() {
        for (std::size_t i = 0; i < kFullWidth.size(); ++i)
            Set(kFullWidth[i], {kHalfWidth[i], 0});
        for (std::size_t i = 0; i < kVoiced.size(); ++i)
            Set(kVoiced[i], {kVoicedHalf[2 * i], kVoicedHalf[2 * i + 1]});
    }

    const Entry* Find(char32_t c) const {
        const int block = BlockOf(c);
        if (block < 0)
            return nullptr;
        const Entry& entry = blocks_[static_cast<std::size_t>(block)][c & 0xFF];
        return entry.first != 0 ? &entry : nullptr;
    }

private:
    static int BlockOf(char32_t c) {
        switch (c >> 8) {
            case 0x20:
                return 0;
            case 0x30:
                return 1;
            case 0xFF:
                return 2;
            default:
                return -1;
        }
    }

    void Set(char32_t c, Entry entry) {
        blocks_[static_cast<std::size_t>(BlockOf(c))][c & 0xFF] = entry;
    }

    std::array<std::array<Entry, 256>, 3> blocks_{};
};

const Lookup& TheLookup() {
    static const Lookup lookup;
    return lookup;
}

}  // namespace

std::u32string_view WidthNormaliser::FullWidth() {
    return kFullWidth;
}

std::u32string_view WidthNormaliser::HalfWidth() {
    return kHalfWidth;
}

std::u32string_view WidthNormaliser::Voiced() {
    return kVoiced;
}

std::u32string_view WidthNormaliser::VoicedHalf() {
    return kVoicedHalf;
}

int WidthNormaliser::Map(char32_t c, char32_t out[2]) {
    if (c < 0x2000)
        return 0;
    const Entry* entry = TheLookup().Find(c);
    if (entry == nullptr)
        return 0;
    out[0] = entry->first;
    out[1] = entry->second;
    return entry->second != 0 ? 2 : 1;
}

std::string WidthNormaliser::Normalise(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    Utf8Text::ForEach(text, [&out](char32_t c, std::string_view raw) {
        char32_t mapped[2];
        const int count = Map(c, mapped);
        if (count == 0) {
            out.append(raw);
            return;
        }
        for (int i = 0; i < count; ++i)
            Utf8Text::Append(mapped[i], out);
    });
    return out;
}

}  // namespace qb
