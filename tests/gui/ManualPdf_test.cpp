// The user manual that the Help menu opens: built with the program, beside it,
// as an A4 PDF whose text is real text in a Japanese font.
#include <gtest/gtest.h>

#include <QByteArray>
#include <QByteArrayView>
#include <QFile>
#include <QRegularExpression>
#include <QString>
#include <set>
#include <string>
#include <vector>

#include "TestPaths.h"

namespace {

std::string ManualPath() {
    return qb::test::BuildPath("gui/ユーザーズマニュアル.pdf");
}

QByteArray ReadManual() {
    QFile file(QString::fromStdString(ManualPath()));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

int CountOf(const QByteArray& data, QByteArrayView what) {
    int count = 0;
    for (qsizetype at = data.indexOf(what); at >= 0; at = data.indexOf(what, at + 1))
        ++count;
    return count;
}

// Every stream of the file, inflated where it is compressed.
std::vector<QByteArray> Streams(const QByteArray& pdf) {
    std::vector<QByteArray> streams;
    const QByteArrayView begin = "stream\n";
    const QByteArrayView end = "endstream";
    qsizetype at = pdf.indexOf(begin);
    while (at >= 0) {
        const qsizetype start = at + begin.size();
        const qsizetype stop = pdf.indexOf(end, start);
        if (stop < 0)
            break;
        const QByteArray raw = pdf.mid(start, stop - start);
        const qsizetype object = pdf.lastIndexOf(" obj", at);
        if (pdf.mid(object, at - object).contains("/FlateDecode")) {
            // qUncompress wants the expected size first; it grows past a guess.
            streams.push_back(qUncompress(QByteArray("\x00\x01\x00\x00", 4) + raw));
        } else {
            streams.push_back(raw);
        }
        at = pdf.indexOf(begin, stop + end.size());
    }
    return streams;
}

char16_t Hex(const QString& text) {
    return static_cast<char16_t>(text.toUInt(nullptr, 16));
}

// The characters the fonts' ToUnicode maps give back for the glyphs that the
// pages use: the text a reader finds and searches in the PDF.
std::set<char16_t> MappedCharacters(const QByteArray& pdf) {
    std::set<char16_t> characters;
    static const QRegularExpression range(
        QStringLiteral("<([0-9A-F]{4})> <([0-9A-F]{4})> (?:<([0-9A-F]{4})>|\\[([^\\]]*)\\])"));
    static const QRegularExpression code(QStringLiteral("<([0-9A-F]{4})>"));
    for (const QByteArray& stream : Streams(pdf)) {
        if (!stream.contains("begincmap"))
            continue;
        const QString text = QString::fromLatin1(stream);
        for (const auto& match : range.globalMatch(text)) {
            if (match.hasCaptured(3)) {
                const int length = Hex(match.captured(2)) - Hex(match.captured(1));
                for (int i = 0; i <= length; ++i)
                    characters.insert(static_cast<char16_t>(Hex(match.captured(3)) + i));
                continue;
            }
            for (const auto& each : code.globalMatch(match.captured(4)))
                characters.insert(Hex(each.captured(1)));
        }
    }
    return characters;
}

TEST(ManualPdf, IsBuiltBesideTheProgramAsAPdfOfSeveralA4Pages) {
    const QByteArray pdf = ReadManual();
    ASSERT_FALSE(pdf.isEmpty()) << ManualPath();
    EXPECT_TRUE(pdf.startsWith("%PDF-"));
    EXPECT_TRUE(pdf.trimmed().endsWith("%%EOF"));
    const int pages = CountOf(pdf, "/Type /Page\n");
    EXPECT_GE(pages, 2);
    EXPECT_EQ(CountOf(pdf, "/MediaBox [0 0 595.000000 842.000000]"), pages) << "A4 portrait";
}

TEST(ManualPdf, HoldsItsJapaneseTextAsSearchableTextInAnEmbeddedFont) {
    const QByteArray pdf = ReadManual();
    ASSERT_FALSE(pdf.isEmpty()) << ManualPath();
    EXPECT_GT(CountOf(pdf, "/FontFile2"), 0);
    const std::set<char16_t> mapped = MappedCharacters(pdf);
    for (const char* phrase : {"ユーザーズマニュアル", "共有モード", "困ったときは",
                               "quellbrandiren-cli", "ファイルが見つかりません。"}) {
        for (const QChar c : QString::fromUtf8(phrase))
            EXPECT_EQ(mapped.count(c.unicode()), 1u) << phrase << ": " << QString(c).toStdString();
    }
}

}  // namespace
