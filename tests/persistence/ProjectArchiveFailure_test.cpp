// Every way a native file can be refused: the error code, the message, and
// that nothing crashes or survives half-read.
#include <gtest/gtest.h>

#include <vector>

#include "ArchiveBytes.h"
#include "ProjectArchive.h"
#include "SampleProject.h"

namespace qb {
namespace {

using test::ArchiveBytes;

constexpr const char* kFormat =
    "ファイル形式が正しくありません。または、ファイルが破損しています。";
constexpr const char* kTooNew =
    "指定したファイルは、このバージョンのQuellbrandirenでは開けません。\r\n"
    "新しいバージョンのプログラムで開いて下さい。";

void ExpectRefused(std::string_view bytes, const char* message, const std::string& what = {}) {
    ErrorSlot error;
    EXPECT_EQ(ProjectArchive::ReadProjectArchive(bytes, error), nullptr) << what;
    EXPECT_EQ(error.GetCode(), ErrorSlot::kOwnError) << what;
    EXPECT_EQ(error.GetMessage(), message) << what;
}

ArchiveBytes EmptyFile(std::int32_t version) {
    ArchiveBytes b;
    b.Header(version).Project(version, "t", 0).EmptyArraysFrom(version, 12);
    return b;
}

TEST(ProjectArchiveFailure, VersionFiveOrMoreIsRefusedAsTooNewAndLeavesATargetUntouched) {
    for (std::int32_t version : {5, 6, 1000}) {
        ExpectRefused(EmptyFile(version).Bytes(), kTooNew, std::to_string(version));
        ArchiveBytes headerOnly;
        headerOnly.Header(version);
        ExpectRefused(headerOnly.Bytes(), kTooNew, "header only");
    }
    auto target = SampleProject::Create();
    const std::string before = ProjectArchive::WriteProjectArchive(*target);
    ErrorSlot error;
    EXPECT_FALSE(ProjectArchive::ReadProjectArchive(EmptyFile(5).Bytes(), *target, error));
    EXPECT_EQ(error.GetMessage(), kTooNew);
    EXPECT_FALSE(ProjectArchive::ReadProjectArchive("not a project", *target, error));
    EXPECT_EQ(ProjectArchive::WriteProjectArchive(*target), before);
}

// A header, record tag or element tag other than the layout expects.
TEST(ProjectArchiveFailure, UnexpectedHeadersAndTagsAreFormatErrors) {
    std::vector<std::pair<std::string, std::string>> cases;
    const std::string good = EmptyFile(4).Bytes();
    // The magic number, the signature and the archive word.
    const std::pair<int, char> headerBytes[] = {{15, '\x11'}, {1, 'q'}, {20, 'a'}};
    for (const auto& [at, byte] : headerBytes) {
        std::string damaged = good;
        damaged[at] = byte;
        cases.push_back({damaged, "header byte " + std::to_string(at)});
    }
    cases.push_back({"", "empty"});
    ArchiveBytes b;
    cases.push_back({b.Wide(u"Quellbrandiren").U32(0x10101010).Str("Archive").I32(4).Bytes(),
                     "signature in the wide form"});
    cases.push_back({ArchiveBytes().Header(4).I32(9).Bytes(), "project tag"});
    const auto project = [] { return ArchiveBytes().Header(4).Project(4, "", 0); };
    cases.push_back({project().ArrayStart(4, 4, 0).EmptyArraysFrom(4, 4).Bytes(),
                     "column array where the rows belong"});
    cases.push_back(
        {project().ArrayStart(4, 12, 1).I32(11).I32(2).Bytes(), "row without common part"});
    cases.push_back(
        {project().ArrayStart(4, 12, 1).I32(13).Common(4, 1).Bytes(), "schedule as row"});
    for (std::int32_t tag : {4, 7, 13, 0, -1}) {
        // The empty draw part array at the end replaced by one with a bad element.
        std::string bytes = project().EmptyArraysFrom(4, 12).Bytes();
        bytes.resize(bytes.size() - ArchiveBytes().ArrayStart(4, 7, 0).Size());
        cases.push_back(
            {bytes + ArchiveBytes().ArrayStart(4, 7, 1).I32(tag).I32(6).Common(4, 1).Bytes(),
             "draw part " + std::to_string(tag)});
    }
    for (std::int32_t tag : {15, 16, 23, 0}) {
        ArchiveBytes rules;
        rules.Header(4).Project(4, "", 0, 1).I32(tag).I32(15).Common(4, 1).Str("").Bool(false);
        rules.NullDate().NullDate().I32(1).EmptyArraysFrom(4, 12);
        cases.push_back({rules.Bytes(), "holiday " + std::to_string(tag)});
    }
    for (const auto& [bytes, what] : cases)
        ExpectRefused(bytes, kFormat, what);
}

TEST(ProjectArchiveFailure, EndOfDataAnywhereIsAFormatErrorAndNothingSurvives) {
    const std::string bytes = ProjectArchive::WriteProjectArchive(*SampleProject::Create());
    // Every cut in the header and the first records, then a sample of the rest
    // (the fuzzer covers every length).
    for (std::size_t length = 0; length < bytes.size(); length += length < 1500 ? 1 : 13)
        ExpectRefused(std::string_view(bytes).substr(0, length), kFormat, std::to_string(length));
}

TEST(ProjectArchiveFailure, CountsAndLengthsBeyondTheBytesLeftAreRefusedAtOnce) {
    // A count of two billion elements in a file of a few hundred bytes.
    ArchiveBytes rows;
    rows.Header(4).Project(4, "", 0).ArrayStart(4, 12, 2'000'000'000);
    ExpectRefused(rows.Bytes(), kFormat, "row count");
    ArchiveBytes negative;
    negative.Header(4).Project(4, "", 0).ArrayStart(4, 12, -1);
    ExpectRefused(negative.Bytes(), kFormat, "negative count");

    ArchiveBytes params;
    params.Header(4).I32(8).CommonStart(4, 0).I32(0x7FFFFFFF);
    ExpectRefused(params.Bytes(), kFormat, "param count");

    ArchiveBytes title;
    title.Header(4).I32(8).Common(4, 0).Byte(0xFF).U16(0xFFFF).U32(0xFFFFFFF0);
    ExpectRefused(title.Bytes(), kFormat, "string length");
    ArchiveBytes wide;
    wide.Header(4).I32(8).Common(4, 0).Byte(0xFF).U16(0xFFFE).Byte(0xFF).U16(0xFFFF).U32(
        0x80000000);
    ExpectRefused(wide.Bytes(), kFormat, "wide string length");
}

TEST(ProjectArchiveFailure, RowsNestedBeyondAnyRealPlanAreRefusedWithoutExhaustingTheStack) {
    constexpr int kDepth = 5000;
    ArchiveBytes b;
    b.Header(4).Project(4, "", 0);
    for (int i = 0; i < kDepth; ++i) {
        b.ArrayStart(4, 12, 1).I32(11).Common(4, i).Str("").NoFont().U32(0).Bool(false);
        b.I32(32).I32(64).DefaultPen().DefaultPen().Str("");
    }
    b.ArrayStart(4, 12, 0).EmptyArraysFrom(4, 4);
    ExpectRefused(b.Bytes(), kFormat);
}

TEST(ProjectArchiveFailure, DamageAfterTheHeaderLeavesATargetPartlyFilledButUsable) {
    const std::string bytes = ProjectArchive::WriteProjectArchive(*SampleProject::Create());
    CProject target;
    ErrorSlot error;
    EXPECT_FALSE(
        ProjectArchive::ReadProjectArchive(bytes.substr(0, bytes.size() / 2), target, error));
    EXPECT_EQ(error.GetMessage(), kFormat);
    // Whatever was read is a well-formed document; reading it clears the error.
    EXPECT_NE(
        ProjectArchive::ReadProjectArchive(ProjectArchive::WriteProjectArchive(target), error),
        nullptr);
    EXPECT_FALSE(error.Failed());
    EXPECT_EQ(error.GetMessage(), "");
}

}  // namespace
}  // namespace qb
