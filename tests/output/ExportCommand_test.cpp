#include "ExportCommand.h"

#include <sys/stat.h>

#include <filesystem>
#include <string>

#include "AppTestBase.h"
#include "CCommandHandler.h"
#include "CSchedule.h"
#include "CommandIds.h"
#include "DocumentCommands.h"
#include "ExportReport.h"
#include "OutputCommands.h"
#include "ScriptedDialogs.h"
#include "Unprivileged.h"

namespace qb {
namespace {

namespace fs = std::filesystem;

class ExportCommandTest : public AppTestBase {
protected:
    ExportCommandTest() {
        OutputCommands::Attach(*status_);
        status_->Services().SetDialogs(&dialogs_);
        const std::string path = WriteProject("p.qbd", 1, [](CProject& project) {
            project.SetTitle("title");
            auto schedule = std::make_unique<CSchedule>(project.NewObjectId());
            schedule->SetRowObjectId(project.GetRows().At(0)->GetObjectId());
            schedule->SetCaption("s");
            project.GetSchedules().Add(std::move(schedule));
        });
        EXPECT_TRUE(status_->Commands().Documents().OpenDocument(path));
    }
    ~ExportCommandTest() override { status_->Services().SetDialogs(nullptr); }

    bool Export(const std::string& path, int kind, const CsvOptions& csv = {}) {
        dialogs_.exports.push_back([=](ExportValues& values) {
            values.path = path;
            values.kind = kind;
            values.csv = csv;
        });
        return status_->Commands().Execute(cmd::kExport);
    }

    test::ScriptedDialogs dialogs_;
};

TEST_F(ExportCommandTest, WritesTheChosenKindAndOpensNextTimeWithTheLastChoice) {
    const std::string csv = folder_.File("out.csv");
    ASSERT_TRUE(Export(csv, ExportValues::kCsv, {false, true, true}));
    EXPECT_EQ(TestFolder::Read(csv).substr(0, 11), "title\r\nrow ");
    EXPECT_NE(TestFolder::Read(csv).find("row 0,s,"), std::string::npos);
    ASSERT_FALSE(prompt_.Shown().empty());
    EXPECT_EQ(prompt_.Shown().back().text, ExportReport::kDone.text);
    EXPECT_EQ(prompt_.Shown().back().icon, PromptIcon::kInformation);

    const std::string xml = folder_.File("out.xml");
    ASSERT_TRUE(Export(xml, ExportValues::kXml));
    EXPECT_EQ(dialogs_.shownExport, (ExportValues{csv, ExportValues::kCsv, {false, true, true}}));
    EXPECT_TRUE(TestFolder::Read(xml).starts_with("<?xml"));
    const std::string html = folder_.File("out.html");
    ASSERT_TRUE(Export(html, ExportValues::kHtml));
    EXPECT_TRUE(TestFolder::Read(html).starts_with("<html>\r\n"));

    // Cancelled: nothing written, nothing said, the choice kept.
    const std::size_t shown = prompt_.Shown().size();
    EXPECT_FALSE(status_->Commands().Execute(cmd::kExport));
    EXPECT_EQ(dialogs_.shownExport->path, html);
    EXPECT_EQ(prompt_.Shown().size(), shown);
}

TEST_F(ExportCommandTest, AnEmptyFileNameIsRefused) {
    EXPECT_FALSE(Export("", ExportValues::kCsv));
    EXPECT_EQ(prompt_.Shown().back().text, ExportCommand::kNoFileName.text);
}

// The reason comes with the system's text; a file that was there before is
// untouched, and the message says so.
TEST_F(ExportCommandTest, AFailedExportSaysWhyAndKeepsTheEarlierFile) {
    const std::string inFile = folder_.File("p.qbd") + "/out.csv";
    EXPECT_FALSE(Export(inFile, ExportValues::kCsv));
    const PromptMessage& first = prompt_.Shown().back();
    EXPECT_EQ(first.icon, PromptIcon::kWarning);
    EXPECT_NE(first.text.find("Linux Error Code="), std::string::npos) << first.text;
    EXPECT_EQ(first.text.find(ExportReport::kEarlierFileKept), std::string::npos);

    const fs::path locked = folder_.File("locked");
    fs::create_directory(locked);
    const std::string target = (locked / "out.csv").string();
    TestFolder::Write(target, "earlier");
    ::chmod(locked.c_str(), 0555);
    for (int kind : {ExportValues::kCsv, ExportValues::kXml}) {
        EXPECT_TRUE(RunUnprivileged(folder_.Path(), [&] {
            return !Export(target, kind) &&
                   prompt_.Shown().back().text.ends_with(ExportReport::kEarlierFileKept);
        })) << kind;
        EXPECT_EQ(TestFolder::Read(target), "earlier") << kind;
    }
    ::chmod(locked.c_str(), 0755);
}

}  // namespace
}  // namespace qb
