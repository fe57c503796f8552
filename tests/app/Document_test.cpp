#include "Document.h"

#include <gtest/gtest.h>

#include "AppMessages.h"
#include "CProjectFile.h"
#include "CStatus.h"
#include "DocumentLoader.h"
#include "IDocumentObserver.h"
#include "InMemorySettingsStore.h"
#include "ProjectArchive.h"
#include "RecordingShell.h"
#include "ScriptedPrompt.h"
#include "TestFolder.h"

namespace qb {
namespace {

// Writes down what it heard, one letter a call: R replaced, C content, F flags.
class Log : public IDocumentObserver {
public:
    void DocumentReplaced() override { heard += 'R'; }
    void ContentChanged() override { heard += 'C'; }
    void FlagsChanged() override { heard += 'F'; }
    std::string Take() { return std::exchange(heard, {}); }
    std::string heard;
};

class DocumentTest : public ::testing::Test {
protected:
    DocumentTest() { document.AddObserver(&log); }
    void OpenUntitled() {
        document.Open(std::make_unique<CProject>(), std::make_unique<CProjectFile>(), {});
    }

    Document document;
    Log log;
};

TEST_F(DocumentTest, EveryVerbAnnouncesWhatItChangedAndOnlyThen) {
    OpenUntitled();
    EXPECT_EQ(log.Take(), "R");
    document.MarkModified(true);
    document.MarkModified(true);
    document.SetReadOnly(false);
    EXPECT_EQ(log.Take(), "F");
    document.ContentChanged();
    document.ReplaceProject(std::make_unique<CProject>());
    EXPECT_EQ(log.Take(), "CR");
    document.SavedAs("/data/plan.qbd");
    document.SetProjectSet(true);
    document.SetForeignData(true);
    EXPECT_EQ(log.Take(), "FFF");
    document.Close();
    EXPECT_EQ(log.Take(), "R");
    document.RemoveObserver(&log);
    OpenUntitled();
    EXPECT_EQ(log.Take(), "");
}

TEST_F(DocumentTest, OpenSaveAsDetachAndCloseKeepPathAndFlagsTogether) {
    document.Open(std::make_unique<CProject>(), std::make_unique<CProjectFile>(), "/a.qbd");
    document.MarkModified(true);
    document.SetReadOnly(true);
    document.SetProjectSet(true);
    document.SavedAs("/b.qbd");
    EXPECT_EQ(document.Path(), "/b.qbd");
    EXPECT_FALSE(document.IsModified());
    EXPECT_FALSE(document.IsProjectSet());
    EXPECT_TRUE(document.IsReadOnly());

    document.GetProject()->SetShared(true);
    document.Detach(std::make_unique<CProjectFile>());
    EXPECT_TRUE(document.Path().empty());
    EXPECT_FALSE(document.IsReadOnly());
    EXPECT_FALSE(document.IsShared());
    EXPECT_NE(document.GetAccessor(), nullptr);

    document.SetForeignData(true);
    document.MarkModified(true);
    document.Open(std::make_unique<CProject>(), nullptr, "/c.qbd");
    EXPECT_FALSE(document.IsModified() || document.ShowsForeignData());
    document.Close();
    EXPECT_FALSE(document.HasProject());
    EXPECT_EQ(document.GetAccessor(), nullptr);
    EXPECT_TRUE(document.Path().empty());
}

TEST(DocumentLoaderTest, GivesTheProjectWithItsFileOrWhatToSayInstead) {
    TestFolder folder;
    OpenRetryPolicy once;
    once.attempts = 1;
    const std::string missing = folder.File("missing.qbd");
    DocumentLoader::Result result = DocumentLoader::Load(missing, once, false);
    ASSERT_TRUE(result.failure);
    EXPECT_TRUE(result.failure->text.ends_with("\r\n" + missing));
    EXPECT_EQ(result.accessor, nullptr);

    CProject project;
    project.SetAvailableVersion(291);
    const std::string newer = folder.File("newer.qbd");
    TestFolder::Write(newer, ProjectArchive::WriteProjectArchive(project));
    result = DocumentLoader::Load(newer, once, false);
    ASSERT_TRUE(result.failure);
    EXPECT_EQ(result.project, nullptr);
    EXPECT_NE(result.failure->text.find("2.91.0"), std::string::npos);
    project.SetAvailableVersion(290);
    TestFolder::Write(newer, ProjectArchive::WriteProjectArchive(project));
    EXPECT_NE(DocumentLoader::Load(newer, once, false).project, nullptr);

    // A shared file is let go after the read unless the caller edits at once.
    project.SetAvailableVersion(0);
    project.SetShared(true);
    const std::string shared = folder.File("shared.qbd");
    TestFolder::Write(shared, ProjectArchive::WriteProjectArchive(project));
    const DocumentLoader::Result read = DocumentLoader::Load(shared, once, false);
    ASSERT_NE(read.project, nullptr);
    const DocumentLoader::Result held = DocumentLoader::Load(shared, once, true);
    ASSERT_NE(held.project, nullptr);
    result = DocumentLoader::Load(shared, once, false);
    ASSERT_TRUE(result.failure);
    EXPECT_EQ(result.failure->id, messages::kLocked.id);
}

TEST(CStatusTest, StartsWithoutDocumentAndWithMasterRules) {
    InMemorySettingsStore store;
    ScriptedPrompt prompt;
    RecordingShell shell;
    CStatus status(store, prompt, shell, AppEnvironment{});
    EXPECT_FALSE(status.HasDocument());
    ASSERT_NE(status.Services().MasterHolidays(), nullptr);
    EXPECT_GT(status.Services().MasterHolidays()->GetCount(), 0);
}

}  // namespace
}  // namespace qb
