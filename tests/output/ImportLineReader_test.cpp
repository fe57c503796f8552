#include "ImportLineReader.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace qb {
namespace {

using Kind = ImportLineReader::Kind;
using namespace std::string_literals;

std::vector<ImportLineReader::Line> ReadAll(const std::string& bytes, bool* utf8 = nullptr) {
    std::istringstream in(bytes);
    ImportLineReader reader(in);
    std::vector<ImportLineReader::Line> lines;
    ImportLineReader::Line line;
    while (reader.Next(line))
        lines.push_back(line);
    if (utf8)
        *utf8 = reader.IsUtf8();
    return lines;
}

TEST(ImportLineReaderTest, LinesEndInLfOrCrLfAndTheLastNeedsNoEnd) {
    const auto lines = ReadAll("RA\t\t0\tA\r\n\r\nSA\nlast");
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[0].text, "RA\t\t0\tA");
    EXPECT_TRUE(lines[0].rowRecord);
    EXPECT_EQ(lines[1].text, "");
    EXPECT_EQ(lines[2].text, "SA");
    EXPECT_EQ(lines[3].number, 4);
    EXPECT_EQ(lines[3].text, "last");
    EXPECT_TRUE(ReadAll("").empty());
    EXPECT_EQ(ReadAll("a\n").size(), 1u);
}

TEST(ImportLineReaderTest, ShiftJisIsDecodedAndOtherBytesAreMarkedNotMangled) {
    // "工程" in CP932; a lead byte followed by a space; "工程" in UTF-8.
    const auto lines =
        ReadAll("RA\t\t0\t\x8D\x48\x92\xF6\n\x81 x\nSB\t\t\xE5\xB7\xA5\xE7\xA8\x8B\nRA\0x\n"s);
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[0].kind, Kind::kText);
    EXPECT_EQ(lines[0].text, "RA\t\t0\t工程");
    EXPECT_EQ(lines[1].kind, Kind::kNotDecodable);
    EXPECT_EQ(lines[2].kind, Kind::kUtf8);
    EXPECT_TRUE(lines[2].text.empty());
    EXPECT_EQ(lines[3].kind, Kind::kBinary);
    EXPECT_TRUE(lines[3].rowRecord);
}

TEST(ImportLineReaderTest, AByteOrderMarkMakesTheFileUtf8) {
    bool utf8 = false;
    const auto lines = ReadAll("\xEF\xBB\xBFRA\t\t0\t\xE5\xB7\xA5\xE7\xA8\x8B\n\x8D\x48\n", &utf8);
    EXPECT_TRUE(utf8);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].text, "RA\t\t0\t工程");
    EXPECT_TRUE(lines[0].rowRecord);
    EXPECT_EQ(lines[1].kind, Kind::kNotDecodable);
    bool plain = true;
    ReadAll("RA\n", &plain);
    EXPECT_FALSE(plain);
}

TEST(ImportLineReaderTest, AnOverlongLineIsSkippedAndTheNextOneStillRead) {
    const std::string atLimit(ImportLineReader::kMaxLineBytes, 'x');
    const std::string longer(3 * ImportLineReader::kMaxLineBytes + 7, 'y');
    const auto lines = ReadAll(atLimit + "\r\nRA" + longer + "\nSA\r\n" + longer);
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[0].kind, Kind::kText);
    EXPECT_EQ(lines[0].text.size(), ImportLineReader::kMaxLineBytes);
    EXPECT_EQ(lines[1].kind, Kind::kTooLong);
    EXPECT_TRUE(lines[1].rowRecord);
    EXPECT_TRUE(lines[1].text.empty());
    EXPECT_EQ(lines[2].text, "SA");
    EXPECT_EQ(lines[2].number, 3);
    EXPECT_EQ(lines[3].kind, Kind::kTooLong);
}

TEST(ImportLineReaderTest, FieldsAreSplitAtTabsUpToTheLimit) {
    std::vector<std::string_view> fields;
    EXPECT_TRUE(ImportLineReader::SplitFields("SA\t\t1\t", fields));
    EXPECT_EQ(fields, (std::vector<std::string_view>{"SA", "", "1", ""}));
    const std::string most(ImportLineReader::kMaxFields - 1, '\t');
    EXPECT_TRUE(ImportLineReader::SplitFields(most, fields));
    EXPECT_EQ(fields.size(), ImportLineReader::kMaxFields);
    EXPECT_FALSE(ImportLineReader::SplitFields(most + "\t", fields));
    EXPECT_TRUE(fields.empty());
}

}  // namespace
}  // namespace qb
