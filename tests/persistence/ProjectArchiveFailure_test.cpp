// Every way a native file can be refused: the error code, the message, and
// that nothing crashes or survives half-read.
#include <gtest/gtest.h>

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

TEST(ProjectArchiveFailure, VersionFiveOrMoreIsRefusedAsTooNew) {
    for (std::int32_t version : {5, 6, 1000}) {
        ExpectRefused(EmptyFile(version).Bytes(), kTooNew, std::to_string(version));
        ArchiveBytes headerOnly;
        headerOnly.Header(version);
        ExpectRefused(headerOnly.Bytes(), kTooNew, "header only");
    }
}

TEST(ProjectArchiveFailure, ATooNewFileLeavesATargetProjectUntouched) {
    auto target = SampleProject::Create();
    const std::string before = ProjectArchive::WriteProjectArchive(*target);
    ErrorSlot error;
    EXPECT_FALSE(ProjectArchive::ReadProjectArchive(EmptyFile(5).Bytes(), *target, error));
    EXPECT_EQ(error.GetMessage(), kTooNew);
    EXPECT_EQ(ProjectArchive::WriteProjectArchive(*target), before);
    EXPECT_FALSE(ProjectArchive::ReadProjectArchive("not a project", *target, error));
    EXPECT_EQ(ProjectArchive::WriteProjectArchive(*target), before);
}

TEST(ProjectArchiveFailure, AHeaderMismatchIsAFormatError) {
    std::string good = EmptyFile(4).Bytes();
    std::string magic = good;
    magic[15] = 0x11;  // 0x10101011
    ExpectRefused(magic, kFormat, "magic");
    std::string signature = good;
    signature[1] = 'q';
    ExpectRefused(signature, kFormat, "signature");
    std::string word = good;
    word[20] = 'a';
    ExpectRefused(word, kFormat, "archive word");
    ExpectRefused("", kFormat, "empty");
    ArchiveBytes wide;
    wide.Wide(u"Quellbrandiren").U32(0x10101010).Str("Archive").I32(4);
    ExpectRefused(wide.Bytes(), kFormat, "signature in the wide form");
}

TEST(ProjectArchiveFailure, AnUnexpectedRecordTagIsAFormatError) {
    ArchiveBytes projectTag;
    projectTag.Header(4).I32(9);
    ExpectRefused(projectTag.Bytes(), kFormat, "project");

    ArchiveBytes arrayTag;
    arrayTag.Header(4).Project(4, "", 0).ArrayStart(4, 4, 0).EmptyArraysFrom(4, 4);
    ExpectRefused(arrayTag.Bytes(), kFormat, "column array where the rows belong");

    ArchiveBytes commonTag;
    commonTag.Header(4).Project(4, "", 0).ArrayStart(4, 12, 1).I32(11).I32(2);
    ExpectRefused(commonTag.Bytes(), kFormat, "row without its common part");

    ArchiveBytes rowTag;
    rowTag.Header(4).Project(4, "", 0).ArrayStart(4, 12, 1).I32(13).Common(4, 1);
    ExpectRefused(rowTag.Bytes(), kFormat, "schedule among the rows");
}

TEST(ProjectArchiveFailure, AnElementTagOutsideTheTableIsAFormatError) {
    for (std::int32_t tag : {4, 7, 13, 0, -1}) {
        ArchiveBytes parts;
        parts.Header(4).Project(4, "", 0).EmptyArraysFrom(4, 12);
        // Replace the empty draw part array at the end by one with a bad element.
        std::string bytes = parts.Bytes();
        bytes.resize(bytes.size() - ArchiveBytes().ArrayStart(4, 7, 0).Size());
        ArchiveBytes tail;
        tail.ArrayStart(4, 7, 1).I32(tag).I32(6).Common(4, 1);
        ExpectRefused(bytes + tail.Bytes(), kFormat, "draw part " + std::to_string(tag));
    }
    for (std::int32_t tag : {15, 16, 23, 0}) {
        ArchiveBytes rules;
        rules.Header(4).Project(4, "", 0, 1).I32(tag).I32(15).Common(4, 1).Str("").Bool(false);
        rules.NullDate().NullDate().I32(1).EmptyArraysFrom(4, 12);
        ExpectRefused(rules.Bytes(), kFormat, "holiday " + std::to_string(tag));
    }
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

TEST(ProjectArchiveFailure, ASuccessfulReadClearsAnEarlierError) {
    ErrorSlot error;
    error.Set(ErrorSlot::kOwnError, "old");
    EXPECT_NE(ProjectArchive::ReadProjectArchive(EmptyFile(4).Bytes(), error), nullptr);
    EXPECT_FALSE(error.Failed());
    EXPECT_EQ(error.GetMessage(), "");
}

TEST(ProjectArchiveFailure, DamageAfterTheHeaderLeavesATargetPartlyFilledButUsable) {
    const std::string bytes = ProjectArchive::WriteProjectArchive(*SampleProject::Create());
    CProject target;
    ErrorSlot error;
    EXPECT_FALSE(
        ProjectArchive::ReadProjectArchive(bytes.substr(0, bytes.size() / 2), target, error));
    EXPECT_EQ(error.GetMessage(), kFormat);
    // Whatever was read is a well-formed document that can be written again.
    ErrorSlot again;
    EXPECT_NE(
        ProjectArchive::ReadProjectArchive(ProjectArchive::WriteProjectArchive(target), again),
        nullptr);
}

}  // namespace
}  // namespace qb
