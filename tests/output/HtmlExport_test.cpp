#include "HtmlExport.h"

#include <filesystem>

#include "AppTestBase.h"
#include "CColumn.h"
#include "CColumnArray.h"
#include "CCommandHandler.h"
#include "CDisplayModel.h"
#include "ChartScene.h"
#include "DocumentCommands.h"
#include "ToolCommands.h"
#include "ViewStatusStore.h"

namespace qb {
namespace {

// A window that shows its own chart of the open project.
class SceneView : public RecordingView {
public:
    ChartScene* GetChartScene() override { return scene.IsOpen() ? &scene : nullptr; }
    ChartScene scene;
};

// Two top rows, the first with a child; a column with a cell on the child.
void Tree(CProject& project) {
    auto column = std::make_unique<CColumn>(project.NewObjectId());
    column->SetCaption("列");
    const std::int32_t columnId = column->GetObjectId();
    project.GetColumns().Add(std::move(column));
    CRow& top = *project.GetRows().At(0);
    auto child = std::make_unique<CRow>(project.NewObjectId());
    child->SetCaption("child");
    child->SetParam("_c" + std::to_string(columnId), "cell");
    top.GetChildren().Add(std::move(child));
}

class HtmlExportTest : public AppTestBase {
protected:
    std::string Open(void (*adjust)(CProject&) = Tree) {
        const std::string path = WriteProject("export.qbd", 2, adjust);
        OpenPath(path);
        return path;
    }
    void OpenPath(const std::string& path) {
        ASSERT_TRUE(status_->Commands().Documents().OpenDocument(path));
    }
    std::string Export() {
        const std::string out = folder_.File("out.html");
        std::uint32_t error = 0;
        EXPECT_TRUE(HtmlExport::Write(*status_, out, error));
        EXPECT_EQ(error, 0u);
        return TestFolder::Read(out);
    }
    std::int32_t RowId(int index) {
        return status_->GetProject()->GetRows().At(index)->GetObjectId();
    }
};

TEST_F(HtmlExportTest, WithoutAWindowTheFilesViewStatusDecides) {
    const std::string path = Open();
    ViewStatus view;
    view.folded = {RowId(0)};
    view.rowHidden = {RowId(1)};
    // Closing keeps the file's view state: store it while another is open.
    OpenPath(WriteProject("other.qbd"));
    ViewStatusStore(store_).Save(path, view);
    OpenPath(path);
    const std::string page = Export();
    EXPECT_NE(page.find("row 0</td>"), std::string::npos) << page;
    EXPECT_EQ(page.find("child"), std::string::npos);
    EXPECT_EQ(page.find("row 1"), std::string::npos);
}

TEST_F(HtmlExportTest, SettingsChooseColumnsStyleAndFooter) {
    Open();
    std::string page = Export();
    EXPECT_NE(page.find("<th>\x97\xf1</th>"), std::string::npos);  // 列
    EXPECT_NE(page.find("<td rowspan=\"1\">cell</td>"), std::string::npos);
    EXPECT_NE(page.find(std::string("<a href=\"") + ToolCommands::kHomePage), std::string::npos);

    AppSettings& settings = status_->Services().Settings();
    settings.showColumns = false;
    settings.display.showActual = false;
    settings.graphShown = false;
    settings.htmlCss = "\t\tth {color: blue;}\r\n";
    std::filesystem::create_directories(environment_.programFolder);
    TestFolder::Write(environment_.programFolder + "QBRANDIR.INI", "[Version]\r\nPackage=1\r\n");
    page = Export();
    EXPECT_EQ(page.find("cell"), std::string::npos);
    EXPECT_NE(page.find("\t<!--\r\n\t\tth {color: blue;}\r\n\t-->"), std::string::npos) << page;
    EXPECT_NE(page.find("<td colspan=\"7\">(0\x8c\x8f)</td>"), std::string::npos) << page;
    EXPECT_TRUE(page.ends_with("<br>\r\n<i>Quellbrandiren</i>\r\n</body>\r\n</html>\r\n"));
}

TEST_F(HtmlExportTest, TheWindowsChartWinsOverTheStoredState) {
    SceneView window;
    status_->SetView(&window);
    Open();
    window.scene.Open(*status_->GetProject());
    window.scene.GetModel().HideRow(RowId(0));
    window.scene.Relayout();
    const std::string page = Export();
    EXPECT_EQ(page.find("row 0"), std::string::npos) << page;
    EXPECT_NE(page.find("row 1</td>"), std::string::npos);
    status_->SetView(&view_);
}

TEST_F(HtmlExportTest, IndentModeOfTheProjectSelectsTheIndentedLayout) {
    Open([](CProject& project) {
        Tree(project);
        project.SetParamInt("_Indent", 12);
    });
    const std::string page = Export();
    EXPECT_NE(page.find("style=\"padding-left: 35px;\">child</td>"), std::string::npos) << page;
}

}  // namespace
}  // namespace qb
