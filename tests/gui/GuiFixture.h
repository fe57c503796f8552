#pragma once

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <filesystem>
#include <memory>
#include <string>

#include "../support/TestFolder.h"
#include "AppEnvironment.h"
#include "CProject.h"
#include "CProjectFile.h"
#include "CStatus.h"
#include "DocumentLoader.h"
#include "InMemorySettingsStore.h"
#include "RecordingShell.h"
#include "ScriptedPrompt.h"
#include "TestPaths.h"

namespace qb {

// The application state as the window sees it, with settings in memory,
// scripted answers, a shell that opens nothing and working folders in a
// temporary folder.
class GuiFixture : public ::testing::Test {
protected:
    static AppEnvironment EnvironmentIn(const TestFolder& folder) {
        AppEnvironment environment;
        environment.programFolder = folder.File("program") + "/";
        environment.dataHome = folder.File("data");
        environment.runtimeFolder = folder.File("run");
        environment.userName = "tester";
        return environment;
    }

    // A copy of the bundled sample, so that tests running at once never
    // hold the same file.
    std::string SampleCopy(const std::string& name = "sample.qbd") {
        const std::string path = folder.File(name);
        std::filesystem::copy_file(qb::test::SourcePath("data/samples/sample.qbd"), path,
                                   std::filesystem::copy_options::overwrite_existing);
        return path;
    }

    // Makes a fresh copy of the sample the document, which tells the window.
    // Each copy is a file of its own: the document before holds its file.
    // Without its display period the chart scrolls to any day.
    CProject& LoadSample(bool displayPeriod = true) {
        const std::string path = SampleCopy("sample" + std::to_string(++samples_) + ".qbd");
        DocumentLoader::Result loaded = DocumentLoader::Load(path, OpenRetryPolicy{}, false);
        EXPECT_NE(loaded.project, nullptr);
        if (loaded.project == nullptr)
            loaded.project = std::make_unique<CProject>();
        if (!displayPeriod) {
            loaded.project->SetDisplayStartDate(COleDateTime());
            loaded.project->SetDisplayEndDate(COleDateTime());
        }
        status.Doc().Open(std::move(loaded.project), std::move(loaded.accessor), path);
        return *status.GetProject();
    }

    static void ProcessPostedEvents() { QCoreApplication::processEvents(); }

    TestFolder folder;
    InMemorySettingsStore store;
    ScriptedPrompt prompt;
    RecordingShell shell;
    CStatus status{store, prompt, shell, EnvironmentIn(folder)};

private:
    int samples_ = 0;
};

}  // namespace qb
