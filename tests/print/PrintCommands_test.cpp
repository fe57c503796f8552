#include "PrintCommands.h"

#include <gtest/gtest.h>

#include <functional>

#include "AppTestBase.h"
#include "CCommandHandler.h"
#include "CRow.h"
#include "CSchedule.h"
#include "CommandIds.h"
#include "DocumentCommands.h"
#include "FakePrinter.h"
#include "IPrintUi.h"
#include "PageTexts.h"
#include "RecordingDrawContext.h"

namespace qb {
namespace {

// Answers each window with what the test queued and remembers what it was shown.
class FakePrintUi : public IPrintUi {
public:
    std::optional<PrintSettings> EditSettings(const PrintDialogRequest& request) override {
        requests.push_back(request);
        if (!answer)
            return std::nullopt;
        PrintSettings settings = request.settings;
        answer(settings);
        if (!request.accept(settings))
            return std::nullopt;
        return settings;
    }
    std::unique_ptr<IPrinter> ChooseSystemPrinter(PrintSettings& settings) override {
        ++systemDialogs;
        if (!systemAnswer)
            return nullptr;
        settings.printer = "lp1";
        return MakePrinter();
    }
    std::unique_ptr<IPrinter> OpenPrinter(const PrintSettings& settings) override {
        opened = settings.printer;
        return MakePrinter();
    }
    void ShowPreview(PrintEngine& engine) override {
        previewPages = engine.PageCount();
        RecordingDrawContext dc;
        engine.DrawPage(0, dc);
        previewLog = dc.LogText();
    }
    std::optional<DatePeriod> AskPicturePeriod(const DatePeriod& initial) override {
        askedPeriod = initial;
        return picturePeriod;
    }
    bool CopyPicture(PrintEngine& engine) override {
        pictureSize = engine.PictureSize();
        pictureFrom = engine.From();
        pictureTo = engine.To();
        return copies;
    }

    // The job ends its printer; the pages stay here.
    std::unique_ptr<IPrinter> MakePrinter() {
        printers.push_back(std::make_unique<FakePrinter>());
        printed = printers.back().get();
        return std::make_unique<ForwardingPrinter>(*printed);
    }

    std::function<void(PrintSettings&)> answer;
    bool systemAnswer = false;
    bool copies = true;
    std::optional<DatePeriod> picturePeriod;
    std::vector<PrintDialogRequest> requests;
    int systemDialogs = 0;
    std::string opened;
    std::vector<std::unique_ptr<FakePrinter>> printers;
    FakePrinter* printed = nullptr;
    int previewPages = 0;
    std::string previewLog;
    DatePeriod askedPeriod;
    COleDateTime pictureFrom;
    COleDateTime pictureTo;
    DrawSize pictureSize;
};

const COleDateTime kStart(2027, 4, 1, 0, 0, 0);

class PrintCommandsTest : public AppTestBase {
protected:
    PrintCommandsTest() {
        commands_ = PrintCommands::Attach(*status_, ui_);
        const std::string path = WriteProject("p.qbd", 30, [](CProject& project) {
            project.SetTitle("工程表");
            project.SetDisplayStartDate(kStart);
            project.SetDisplayEndDate(kStart.AddDays(200));
        });
        EXPECT_TRUE(status_->Commands().Documents().OpenDocument(path));
    }

    bool Run(int id) { return status_->Commands().Execute(id); }

    FakePrintUi ui_;
    PrintCommands* commands_ = nullptr;
};

TEST_F(PrintCommandsTest, SettingsComeFromTheFileAndGoBackToIt) {
    status_->Doc().GetViewStatus().paperSize = 12;
    status_->Doc().GetViewStatus().pageFormat = 3;
    ui_.answer = [](PrintSettings& settings) {
        settings.printer = "lp0";
        settings.paperSize = 8;
        settings.marginLeft = 150;
    };
    ASSERT_TRUE(Run(cmd::kPrintSetup));
    ASSERT_EQ(ui_.requests.size(), 1u);
    EXPECT_EQ(ui_.requests[0].title, "印刷の設定");
    EXPECT_EQ(ui_.requests[0].okText, "OK");
    EXPECT_EQ(ui_.requests[0].settings.paperSize, 12);
    EXPECT_EQ(ui_.requests[0].settings.pageFormat, 3);
    const ViewStatus& view = status_->Doc().GetViewStatus();
    EXPECT_EQ(view.paperSize, 8);
    EXPECT_EQ(view.marginLeft, 150);
    EXPECT_EQ(view.pageFormat, 3);
}

TEST_F(PrintCommandsTest, SettingsAreCheckedInOrderBeforeTheDialogCloses) {
    PrintSettings settings;
    EXPECT_FALSE(commands_->AcceptSettings(settings));
    EXPECT_EQ(prompt_.Shown().back().text, "プリンタが選択されていません。");

    settings.printer = "lp0";
    settings.range = PrintSettings::Range::kDates;
    const struct {
        COleDateTime from;
        COleDateTime to;
        bool accepted;
    } ranges[] = {
        {COleDateTime::Null(), COleDateTime::Null(), false},
        {kStart, kStart, false},
        {kStart.AddDays(1), kStart, false},
        {kStart, kStart.AddDays(1), true},
        {kStart, COleDateTime::Null(), true},
        {COleDateTime::Null(), kStart, true},
    };
    for (const auto& range : ranges) {
        prompt_.Clear();
        settings.from = range.from;
        settings.to = range.to;
        EXPECT_EQ(commands_->AcceptSettings(settings), range.accepted);
        EXPECT_EQ(prompt_.WasShown(130), !range.accepted);
    }

    CProject& project = *status_->GetProject();
    project.SetParam("_Header", "社外秘");
    project.SetParamInt("_HeaderPos", 2);
    project.SetParamBool("_PrintSigns", true);
    prompt_.Clear();
    prompt_.QueueAnswer(PromptAnswer::kNo);
    EXPECT_FALSE(commands_->AcceptSettings(settings));
    EXPECT_EQ(prompt_.Shown().back().icon, PromptIcon::kQuestion);
    prompt_.QueueAnswer(PromptAnswer::kYes);
    EXPECT_TRUE(commands_->AcceptSettings(settings));
    project.SetParamInt("_HeaderPos", 1);
    prompt_.Clear();
    EXPECT_TRUE(commands_->AcceptSettings(settings));
    EXPECT_TRUE(prompt_.Shown().empty());
}

TEST_F(PrintCommandsTest, PrintAsksWithPrintStartThenPrintsEveryPage) {
    ui_.answer = [](PrintSettings& settings) {
        settings.printer = "lp0";
        settings.range = PrintSettings::Range::kWholePeriod;
    };
    ASSERT_TRUE(Run(cmd::kPrint));
    EXPECT_EQ(ui_.requests.back().title, "印刷");
    EXPECT_EQ(ui_.requests.back().okText, "印刷開始");
    EXPECT_EQ(ui_.opened, "lp0");
    ASSERT_NE(ui_.printed, nullptr);
    EXPECT_EQ(ui_.printed->documentName, "工程表");
    EXPECT_EQ(static_cast<int>(ui_.printed->pages.size()), commands_->Engine().PageCount());
    EXPECT_GT(ui_.printed->pages.size(), 1u);
}

TEST_F(PrintCommandsTest, CancelledDialogsPrintNothing) {
    EXPECT_FALSE(Run(cmd::kPrint));
    EXPECT_EQ(ui_.printed, nullptr);
    status_->Services().Settings().printComDlg = true;
    EXPECT_FALSE(Run(cmd::kPrint));
    EXPECT_EQ(ui_.systemDialogs, 1);
    EXPECT_EQ(ui_.requests.size(), 1u) << "no settings dialog with the system one";
    EXPECT_EQ(ui_.printed, nullptr);
}

TEST_F(PrintCommandsTest, SystemPrintDialogReplacesTheSettingsDialogWhenChosen) {
    status_->Services().Settings().printComDlg = true;
    ui_.systemAnswer = true;
    ASSERT_TRUE(Run(cmd::kPrint));
    EXPECT_TRUE(ui_.requests.empty());
    ASSERT_NE(ui_.printed, nullptr);
    EXPECT_FALSE(ui_.printed->pages.empty());
}

TEST_F(PrintCommandsTest, PreviewShowsThePlaceholderForTheOutputDate) {
    status_->Doc().GetViewStatus().pageFormat = 7;
    ui_.answer = [](PrintSettings& settings) {
        settings.printer = "lp0";
        settings.outputDate = PageTexts::kDate;
    };
    ASSERT_TRUE(Run(cmd::kPrintSetup));
    ASSERT_TRUE(Run(cmd::kPrintPreview));
    EXPECT_GT(ui_.previewPages, 0);
    EXPECT_NE(ui_.previewLog.find(PageTexts::kDatePlaceholder), std::string::npos);
    EXPECT_NE(ui_.previewLog.find("1 / " + std::to_string(ui_.previewPages) + " ページ"),
              std::string::npos);
}

TEST_F(PrintCommandsTest, PictureUsesItsOwnPeriodAndSaysSo) {
    commands_->Engine().Settings().range = PrintSettings::Range::kScreen;
    EXPECT_FALSE(Run(cmd::kCopyPicture));
    EXPECT_EQ(ui_.askedPeriod.from, kStart);
    EXPECT_EQ(ui_.askedPeriod.to, kStart.AddDays(200));
    EXPECT_TRUE(prompt_.Shown().empty());

    ui_.picturePeriod = DatePeriod{kStart.AddDays(10), kStart.AddDays(40)};
    ASSERT_TRUE(Run(cmd::kCopyPicture));
    EXPECT_EQ(ui_.pictureFrom, kStart.AddDays(10));
    EXPECT_EQ(ui_.pictureTo, kStart.AddDays(40));
    EXPECT_EQ(prompt_.LastId(), 119);
    EXPECT_EQ(prompt_.Shown().back().icon, PromptIcon::kInformation);
    EXPECT_EQ(commands_->Engine().Settings().range, PrintSettings::Range::kScreen);

    ui_.copies = false;
    EXPECT_FALSE(Run(cmd::kCopyPicture));
    EXPECT_EQ(prompt_.Shown().back().text, "コピーに失敗しました。");
}

// A schedule of weight 10 over the first six days, and the graph's fills
// (in a colour of its own) and scale labels on each page.
class PrintedGraphTest : public PrintCommandsTest {
protected:
    static constexpr DrawColour kGraph = 0x2468AC;

    PrintedGraphTest() {
        status_->Services().Settings().display.graphColor = kGraph;
        CProject& project = *status_->GetProject();
        auto schedule = std::make_unique<CSchedule>(project.NewObjectId());
        schedule->SetRowObjectId(project.GetRows().At(0)->GetObjectId());
        schedule->SetStartDate(kStart);
        schedule->SetEndDate(kStart.AddDays(5));
        schedule->SetWeight(10);
        project.GetSchedules().Add(std::move(schedule));
        ViewStatus& view = status_->Doc().GetViewStatus();
        view.graphMax = 37;
        view.graphHeight = 61;
    }

    struct Strip {
        int fills = 0;
        bool scale = false;
    };
    Strip StripOf(int page) {
        RecordingDrawContext dc;
        commands_->Engine().DrawPage(page, dc);
        Strip strip;
        for (const auto& record : dc.RecordsOf(RecordingDrawContext::Op::fillRect))
            strip.fills += record.colour == kGraph ? 1 : 0;
        for (const auto& record : dc.RecordsOf(RecordingDrawContext::Op::text))
            strip.scale = strip.scale || record.text == "37";
        return strip;
    }
};

TEST_F(PrintedGraphTest, PagesCarryTheGraphOfTheirOwnDatesWhileTheFileShowsIt) {
    status_->Doc().GetViewStatus().showGraph = 1;
    ASSERT_TRUE(Run(cmd::kPrintPreview));
    const PrintEngine& engine = commands_->Engine();
    ASSERT_GT(engine.PageCount(), 1);
    const int shownPages = engine.PageCount();
    for (int i = 0; i < engine.PageCount(); ++i) {
        const PrintLayout::Page& page = engine.GetLayout().PageAt(i);
        const Strip strip = StripOf(i);
        EXPECT_TRUE(strip.scale) << "page " << i;
        EXPECT_EQ(strip.fills > 0, page.firstDay == 0) << "page " << i;
    }
    status_->Doc().GetViewStatus().showGraph = 0;
    ASSERT_TRUE(Run(cmd::kPrintPreview));
    EXPECT_LE(engine.PageCount(), shownPages);
    for (int i = 0; i < engine.PageCount(); ++i) {
        const Strip strip = StripOf(i);
        EXPECT_EQ(strip.fills, 0) << "page " << i;
        EXPECT_FALSE(strip.scale) << "page " << i;
    }
}

TEST_F(PrintedGraphTest, PictureIsTallerByTheStripWhileTheGraphIsShown) {
    ui_.picturePeriod = DatePeriod{kStart, kStart.AddDays(30)};
    status_->Doc().GetViewStatus().showGraph = 0;
    ASSERT_TRUE(Run(cmd::kCopyPicture));
    const int without = ui_.pictureSize.height;
    status_->Doc().GetViewStatus().showGraph = 1;
    ASSERT_TRUE(Run(cmd::kCopyPicture));
    EXPECT_EQ(ui_.pictureSize.height, without + 61);
}

TEST_F(PrintCommandsTest, DisabledWithoutADocument) {
    status_->Commands().Documents().CloseDocument(false);
    EXPECT_FALSE(commands_->State(cmd::kPrint).enabled);
    EXPECT_FALSE(commands_->State(cmd::kCopyPicture).enabled);
}

}  // namespace
}  // namespace qb
