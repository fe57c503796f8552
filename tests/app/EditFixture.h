#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>

#include "CMemo.h"
#include "CProject.h"
#include "CProjectFile.h"
#include "CStatus.h"
#include "DocumentLoader.h"
#include "InMemorySettingsStore.h"
#include "NewProjectDefaults.h"
#include "ProjectArchive.h"
#include "ProjectEdits.h"
#include "RecordingShell.h"
#include "ScriptedPrompt.h"
#include "TestFolder.h"

namespace qb::test {

// Waits of a millisecond: the tests need the protocol, not the patience.
inline OpenRetryPolicy QuickRetry(int attempts = 3) {
    OpenRetryPolicy retry;
    retry.attempts = attempts;
    retry.nextWait = [] { return std::chrono::milliseconds(1); };
    return retry;
}

// One running program: its own state, prompt and file handle, as a second
// process would have them.
class Instance {
public:
    explicit Instance(const std::string& user = "tester")
        : status(store, prompt, shell, AppEnvironment{}) {
        status.Services().Settings().userName = user;
        status.Services().FileRetry() = QuickRetry();
    }

    // Opens the file as the document; single mode keeps it held.
    bool Open(const std::string& path) {
        DocumentLoader::Result loaded =
            DocumentLoader::Load(path, status.Services().FileRetry(), false);
        if (!loaded.project)
            return false;
        status.Doc().Open(std::move(loaded.project), std::move(loaded.accessor), path);
        return true;
    }
    // An untitled new document without a file accessor.
    void New() { Adopt(nullptr); }
    // project as the untitled document, or a new one with the defaults.
    void Adopt(std::unique_ptr<CProject> project) {
        if (!project) {
            project = std::make_unique<CProject>();
            NewProjectDefaults::Apply(*project, status.Services().Settings());
        }
        status.Doc().Open(std::move(project), nullptr, {});
    }
    CProject& Project() { return *status.GetProject(); }
    ProjectEdits Edits() { return ProjectEdits(status.Doc(), status.Edit(), status.Services()); }

    InMemorySettingsStore store;
    ScriptedPrompt prompt;
    RecordingShell shell;
    CStatus status;
};

// A small project: rows 0 "A" (with child 1 "A1") and 2 "B"; schedule 3 on
// row 1, schedule 4 on row 2, memo 5 on row 2, link 6 from 3 to 4.
inline std::unique_ptr<CProject> SmallProject(bool shared) {
    auto project = std::make_unique<CProject>();
    project->SetShared(shared);
    project->SetTitle("small");
    auto rowA = std::make_unique<CRow>(project->NewObjectId());
    rowA->SetCaption("A");
    auto rowA1 = std::make_unique<CRow>(project->NewObjectId());
    rowA1->SetCaption("A1");
    rowA->GetChildren().Add(std::move(rowA1));
    project->GetRows().Add(std::move(rowA));
    auto rowB = std::make_unique<CRow>(project->NewObjectId());
    rowB->SetCaption("B");
    project->GetRows().Add(std::move(rowB));
    for (std::int32_t row : {1, 2}) {
        auto schedule = std::make_unique<CSchedule>(project->NewObjectId());
        schedule->SetRowObjectId(row);
        schedule->SetStartDate(COleDateTime(2026, 4, 1, 0, 0, 0));
        schedule->SetEndDate(COleDateTime(2026, 4, 10, 0, 0, 0));
        project->GetSchedules().Add(std::move(schedule));
    }
    auto memo = std::make_unique<CMemo>(project->NewObjectId());
    memo->SetYRowId(2);
    memo->SetText("note");
    project->GetDrawParts().Add(std::move(memo));
    auto link = std::make_unique<CLink>(project->NewObjectId());
    link->SetFromId(3);
    link->SetToId(4);
    project->GetLinks().Add(std::move(link));
    return project;
}

inline void WriteProject(const std::string& path, const CProject& project) {
    TestFolder::Write(path, ProjectArchive::WriteProjectArchive(project));
}

inline std::unique_ptr<CProject> ReadProject(const std::string& path) {
    ErrorSlot error;
    return ProjectArchive::ReadProjectArchive(TestFolder::Read(path), error);
}

inline bool IsLive(const CData* object) {
    return object != nullptr && !object->IsDeleted();
}

// One instance over a private folder holding the small project as plan.qbd.
class EditTest : public ::testing::Test {
protected:
    std::string Path() const { return folder.File("plan.qbd"); }
    void WriteFile(bool shared) { WriteProject(Path(), *SmallProject(shared)); }
    // The small project written in the given mode and opened by me.
    void OpenMine(bool shared) {
        WriteFile(shared);
        ASSERT_TRUE(me.Open(Path()));
    }

    // On the shared file another instance deletes deletedByOther before
    // act runs here: the step must end with the message, leave the file as
    // the other wrote it and let it go.
    void ExpectRefusedAfterOtherDeleted(const std::string& what, std::int32_t deletedByOther,
                                        const std::function<EditResult(Instance&)>& act,
                                        int message) {
        WriteFile(true);
        Instance mine;
        ASSERT_TRUE(mine.Open(Path())) << what;
        Instance other("other");
        ASSERT_TRUE(other.Open(Path())) << what;
        ASSERT_TRUE(other.Edits().DeleteObject(deletedByOther).ok) << what;
        const std::string written = TestFolder::Read(Path());
        const std::int32_t lastId = other.Project().GetLastObjectId();

        const EditResult result = act(mine);
        EXPECT_FALSE(result.ok) << what;
        ASSERT_TRUE(result.message) << what;
        EXPECT_EQ(result.message->id, message) << what;
        EXPECT_EQ(TestFolder::Read(Path()), written) << what;
        EXPECT_FALSE(IsLive(mine.Project().FindObject(deletedByOther))) << what;
        EXPECT_EQ(mine.Project().GetLastObjectId(), lastId) << what << ": no id was taken";
        EXPECT_TRUE(other.Open(Path())) << what;  // the file was let go
    }

    TestFolder folder;
    Instance me;
};

}  // namespace qb::test
