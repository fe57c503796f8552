#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "AppEnvironment.h"
#include "CProject.h"
#include "CProjectFile.h"
#include "CRow.h"
#include "CStatus.h"
#include "IDocumentObserver.h"
#include "IDocumentView.h"
#include "InMemorySettingsStore.h"
#include "RecordingShell.h"
#include "ScriptedPrompt.h"
#include "TestFolder.h"

namespace qb {

// A window stand-in that counts what the document and the commands told it.
class RecordingView : public IDocumentView, public IDocumentObserver {
public:
    void DocumentReplaced() override { ++replaced; }
    void ContentChanged() override {}
    void FlagsChanged() override {}
    void DisplaySettingsChanged() override { ++displayChanges; }
    void ViewModeChanged(int mode) override { lastMode = mode; }
    void ScrollToDate(const COleDateTime& day) override { scrolledTo = day; }
    void ClearSelection() override {}
    // Hands over the window's part of the view state only, as the window does.
    void CollectViewStatus(ViewStatus& status) const override {
        status.leftPos = collected.leftPos;
        status.scale2 = collected.scale2;
        status.split1 = collected.split1;
        status.split2 = collected.split2;
    }
    void ApplyViewStatus(const ViewStatus& status) override { applied = status; }
    bool HasUnappliedPageInput() const override { return pageInput; }
    void ApplyPageInput(CProject& project) override {
        if (pageInput)
            project.SetTitle(pageTitle);
        pageInput = false;
    }
    void RequestClose() override { closeRequested = true; }

    int replaced = 0;
    int displayChanges = 0;
    int lastMode = -1;
    COleDateTime scrolledTo = COleDateTime::Null();
    ViewStatus collected;
    ViewStatus applied;
    bool pageInput = false;
    std::string pageTitle;
    bool closeRequested = false;
};

// One application state over a private folder: settings in memory, scripted
// answers, a shell that opens nothing.
class AppTestBase : public ::testing::Test {
protected:
    AppTestBase() {
        environment_.programFolder = folder_.File("program") + "/";
        environment_.dataHome = folder_.File("data");
        environment_.runtimeFolder = folder_.File("run");
        environment_.userName = "tester";
        status_ = std::make_unique<CStatus>(store_, prompt_, shell_, environment_);
        status_->SetView(&view_);
        status_->Doc().AddObserver(&view_);
    }
    ~AppTestBase() override {
        status_->Doc().RemoveObserver(&view_);
        status_->SetView(nullptr);
    }

    // Writes a single-mode project with the given rows to a file of the folder.
    std::string WriteProject(const std::string& name, int rows = 1,
                             void (*adjust)(CProject&) = nullptr) {
        CProject project;
        for (int i = 0; i < rows; ++i) {
            auto row = std::make_unique<CRow>(project.NewObjectId());
            row->SetCaption("row " + std::to_string(i));
            project.GetRows().Add(std::move(row));
        }
        if (adjust)
            adjust(project);
        const std::string path = folder_.File(name);
        CProjectFile file(path);
        EXPECT_TRUE(file.Save(&project, true));
        return path;
    }

    TestFolder folder_;
    AppEnvironment environment_;
    InMemorySettingsStore store_;
    ScriptedPrompt prompt_;
    RecordingShell shell_;
    RecordingView view_;
    std::unique_ptr<CStatus> status_;
};

}  // namespace qb
