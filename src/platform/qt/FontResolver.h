#pragma once

#include <QString>
#include <map>
#include <string>

namespace qb {

// Turns the font faces stored in project data into families installed here.
// Projects name Windows faces ("ＭＳ ゴシック", "ＭＳ Ｐゴシック") that a Linux
// machine rarely has, so any face that is not installed maps to a Japanese
// Gothic family: a fixed-pitch one for the fixed-pitch faces, a proportional
// one otherwise, then any family with Japanese glyphs, then the default.
class FontResolver {
public:
    // The installed family for face (UTF-8); the answer is remembered.
    QString Resolve(const std::string& face);

    // Whether a face names one of the fixed-pitch Windows Gothic faces.
    static bool IsFixedPitchFace(const std::string& face);

private:
    static QString FindFamily(const std::string& face);
    static QString FindJapaneseGothic(bool fixedPitch);

    std::map<std::string, QString> resolved_;
};

}  // namespace qb
