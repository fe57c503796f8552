#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "CliTestBase.h"
#include "ProjectArchive.h"
#include "TextCodec.h"

namespace qb {
namespace {

// A project with rows "段" (id 0) and "次" (id 1), and the user's working
// folders inside the test's own folder.
class ImportCommandTest : public CliTestBase {
protected:
    ImportCommandTest() {
        const char* old = std::getenv("XDG_DATA_HOME");
        if (old)
            oldDataHome_ = old;
        hadDataHome_ = old != nullptr;
        setenv("XDG_DATA_HOME", PathOf("data").c_str(), 1);
    }
    ~ImportCommandTest() override {
        if (hadDataHome_)
            setenv("XDG_DATA_HOME", oldDataHome_.c_str(), 1);
        else
            unsetenv("XDG_DATA_HOME");
    }
    void SetUp() override {
        ASSERT_EQ(Cli("new " + File()).status, 0);
        ASSERT_EQ(Cli("edit " + File() + " add-row --caption 段").out, "0\n");
        ASSERT_EQ(Cli("edit " + File() + " add-row --caption 次").out, "1\n");
    }

    std::string File() const { return Quote(PathOf("plan.qbd")); }
    std::unique_ptr<CProject> Read() const {
        ErrorSlot error;
        return ProjectArchive::ReadProjectArchive(Slurp(PathOf("plan.qbd")), error);
    }
    void WriteTsv(const std::string& utf8) { Write("in.tsv", TextCodec::Utf8ToCp932Lossy(utf8)); }
    std::string Log(const std::string& path) const {
        return TextCodec::Cp932ToUtf8Lossy(Slurp(path));
    }

    std::string oldDataHome_;
    bool hadDataHome_ = false;
};

TEST_F(ImportCommandTest, ImportsSavesAndWritesTheLogWhereAsked) {
    WriteTsv(
        "RA\t\t0\t新しい段\n"
        "SA\t\t1\t作業\t20240501\t20240503\n"
        "SB\t\t新しい段\t検査\t20240510\n"
        "SA\t\t0\t作業\t20240501\n");
    const CliRun run = Cli("import " + File() + " " + Quote(PathOf("in.tsv")) + " --log " +
                           Quote(PathOf("import.log")));
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.out.find("段 1、スケジュール 2 をインポートしました。失敗 1 件。"),
              std::string::npos)
        << run.out;
    const auto project = Read();
    ASSERT_NE(project, nullptr);
    EXPECT_EQ(project->GetRows().GetCount(true), 3);
    ASSERT_EQ(project->GetSchedules().GetCount(true), 2);
    EXPECT_EQ(project->GetSchedules().At(0)->GetRowObjectId(), 1);
    EXPECT_EQ(project->GetSchedules().At(1)->GetRowObjectId(), 2);
    const std::string log = Log(PathOf("import.log"));
    EXPECT_TRUE(log.starts_with("インポート開始 ")) << log;
    EXPECT_NE(
        log.find("4行目: 段の指定（ID）が不正です。\n4行目のデータのインポートに失敗しました。\n"),
        std::string::npos)
        << log;
    EXPECT_TRUE(log.ends_with("ファイルの場所：" + PathOf("import.log") + "\n")) << log;
}

TEST_F(ImportCommandTest, WithoutALogPathTheLogGoesToTheTemporaryFolder) {
    WriteTsv("XX\n");
    const CliRun run = Cli("import " + File() + " " + Quote(PathOf("in.tsv")));
    ASSERT_EQ(run.status, 0) << run.err;
    std::string found;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(PathOf("data"))) {
        if (entry.path().filename() == "__QBRANDIR_IMPORT_LOG.txt")
            found = entry.path().string();
    }
    ASSERT_FALSE(found.empty());
    EXPECT_NE(run.out.find(found), std::string::npos);
    EXPECT_NE(
        Log(found).find("1行目: 1列目は半角の「SA」「SB」または「RA」以外は指定できません。\n"),
        std::string::npos);
}

TEST_F(ImportCommandTest, WhatCannotRunExitsOneAndLeavesTheProject) {
    const std::string before = Slurp(PathOf("plan.qbd"));
    const CliRun missing = Cli("import " + File() + " " + Quote(PathOf("none.tsv")) + " --log " +
                               Quote(PathOf("import.log")));
    EXPECT_EQ(missing.status, 1);
    EXPECT_NE(missing.err.find("ファイルが開けませんでした。"), std::string::npos);
    EXPECT_NE(Log(PathOf("import.log")).find("\nファイルが開けませんでした。\n"),
              std::string::npos);
    EXPECT_EQ(Slurp(PathOf("plan.qbd")), before);

    ASSERT_EQ(Cli("edit " + File() + " mode shared").status, 0);
    const std::string shared = Slurp(PathOf("plan.qbd"));
    WriteTsv("RA\t\t0\tx\n");
    const CliRun refused = Cli("import " + File() + " " + Quote(PathOf("in.tsv")));
    EXPECT_EQ(refused.status, 1);
    EXPECT_NE(refused.err.find("インポートは、シングルモードで行ってください。"),
              std::string::npos);
    EXPECT_EQ(Slurp(PathOf("plan.qbd")), shared);

    EXPECT_EQ(Cli("import " + File()).status, 2);
    EXPECT_EQ(Cli("import " + File() + " " + Quote(PathOf("in.tsv")) + " --logfile x").status, 2);
}

}  // namespace
}  // namespace qb
