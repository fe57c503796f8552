#include "ImportCommand.h"

#include <filesystem>
#include <string>

#include "AppMessages.h"
#include "FileIo.h"
#include "OutputCommands.h"
#include "ProjectImport.h"
#include "RowsWindow.h"
#include "TextCodec.h"

namespace qb::test {
namespace {

const COleDateTime kNow(2017, 2, 24, 13, 5, 0);

// The rows window of the application tests with an import command whose
// clock stands still.
class ImportCommandTest : public RowsTest {
protected:
    ImportCommandTest() : command_(*status_, [] { return kNow; }) {}

    // A file of the test's folder in Shift_JIS, as users write them.
    std::string WriteTsv(const std::string& name, const std::string& utf8) {
        const std::string path = folder_.File(name);
        std::uint32_t error = 0;
        EXPECT_TRUE(FileIo::WriteAtomically(path, TextCodec::Utf8ToCp932Lossy(utf8), error));
        return path;
    }
    void Choose(const std::string& path) {
        dialogs_.imports.push_back([path](const ImportValues&, const IDialogs::ShowRowIds&) {
            return ImportValues{path, false};
        });
    }
    std::string LogText() {
        std::string bytes;
        std::uint32_t error = 0;
        EXPECT_TRUE(FileIo::ReadAll(LogPath(), bytes, error));
        return TextCodec::Cp932ToUtf8Lossy(bytes);
    }
    std::string LogPath() { return ProjectImport::DefaultLogPath(*status_); }
    int Schedules() { return Project().GetSchedules().GetCount(true); }

    ImportCommand command_;
};

TEST_F(ImportCommandTest, AWholeImportIsOneUndoStepAndItsLogIsOpened) {
    const std::string path = WriteTsv("in.tsv",
                                      "RA\t\t0\t新しい段\n"
                                      "SB\t\t新しい段\t作業\t20240501\t20240503\n"
                                      "\n"
                                      "SA\t\t" +
                                          std::to_string(b_) +
                                          "\t検査\t20240510\n"
                                          "SB\t\tない段\t作業\t20240501\n");
    bool idsShown = false;
    dialogs_.imports.push_back([&](const ImportValues& initial, const IDialogs::ShowRowIds& show) {
        EXPECT_TRUE(initial.path.empty());
        show(true);
        idsShown = Scene().IsShowingRowIds();
        return ImportValues{path, true};
    });
    const std::size_t undoBefore = status_->Undo().UndoCount();
    const int rowsBefore = Project().GetRows().GetCount(true);
    EXPECT_TRUE(command_.Execute());
    EXPECT_TRUE(idsShown);
    EXPECT_FALSE(Scene().IsShowingRowIds());
    EXPECT_EQ(Project().GetRows().GetCount(true), rowsBefore + 1);
    EXPECT_EQ(Schedules(), 2);
    EXPECT_EQ(status_->Undo().UndoCount(), undoBefore + 1);
    EXPECT_TRUE(status_->Doc().IsModified());
    ASSERT_EQ(shell_.Opened(), std::vector<std::string>{LogPath()});
    const std::string newRow = std::to_string(Project().GetLastObjectId() - 3);
    EXPECT_EQ(LogText(),
              "インポート開始 2017/2/24 13:05\n"
              "1行目: インポートに成功しました。\n"
              "2行目: テキストが一致した id=" +
                  newRow +
                  " の段にインポートします。\n"
                  "2行目: インポートに成功しました。\n"
                  "3行目は空行でした。\n"
                  "4行目: インポートに成功しました。\n"
                  "5行目: 指定された段が見つかりません。\n"
                  "5行目のデータのインポートに失敗しました。\n"
                  "----------------\n"
                  "このログは次回のインポートで上書きされますが、自動で削除はされません。\n"
                  "削除は手動で行ってください。\n"
                  "ファイルの場所：" +
                  LogPath() + "\n");

    ASSERT_TRUE(Handler().Execute(cmd::kUndo));
    EXPECT_EQ(Project().GetRows().GetCount(true), rowsBefore);
    EXPECT_EQ(Schedules(), 0);
    // The dialog opens with the file imported last.
    dialogs_.imports.push_back([&](const ImportValues& initial, const IDialogs::ShowRowIds&) {
        EXPECT_EQ(initial.path, path);
        return std::nullopt;
    });
    EXPECT_FALSE(command_.Execute());
}

TEST_F(ImportCommandTest, NothingImportedLeavesNoUndoStepButStillALog) {
    Choose(folder_.File("missing.tsv"));
    const std::size_t undoBefore = status_->Undo().UndoCount();
    EXPECT_FALSE(command_.Execute());
    EXPECT_EQ(status_->Undo().UndoCount(), undoBefore);
    EXPECT_NE(LogText().find("\nファイルが開けませんでした。\n---"), std::string::npos);
    EXPECT_EQ(shell_.Opened().size(), 1u);

    Choose(WriteTsv("bad.tsv", "XX\n"));
    EXPECT_TRUE(command_.Execute());
    EXPECT_EQ(status_->Undo().UndoCount(), undoBefore);
    EXPECT_FALSE(status_->Doc().IsModified());
    // A folder is no file to import.
    Choose(folder_.File("."));
    EXPECT_FALSE(command_.Execute());
}

TEST_F(ImportCommandTest, SharedModeIsRefusedBeforeTheDialog) {
    Project().SetShared(true);
    Choose(WriteTsv("in.tsv", "RA\t\t0\tx\n"));
    EXPECT_FALSE(command_.Execute());
    EXPECT_EQ(prompt_.LastId(), messages::kImportSharedMode.id);
    EXPECT_FALSE(dialogs_.shownImport.has_value());
    EXPECT_TRUE(shell_.Opened().empty());
    Project().SetShared(false);
}

TEST_F(ImportCommandTest, EnabledOnlyForAWritableDocumentInAChart) {
    OutputCommands::Attach(*status_);
    EXPECT_TRUE(Handler().State(cmd::kImport).enabled);
    status_->Doc().SetReadOnly(true);
    EXPECT_FALSE(Handler().State(cmd::kImport).enabled);
    EXPECT_FALSE(command_.Execute());
    status_->Doc().SetReadOnly(false);
    status_->SetViewMode(CStatus::kProjectPage);
    EXPECT_FALSE(Handler().State(cmd::kImport).enabled);
}

}  // namespace
}  // namespace qb::test
