#pragma once

#include <string>

#include "FileAssociation.h"

namespace qb {

class AppServices;

// The Tools and Help menu commands that need no document: file association,
// the per-file settings cleanup, the manual, the home page and the about box.
class ToolCommands {
public:
    static constexpr const char* kManualName = "ユーザーズマニュアル.pdf";
    static constexpr const char* kHomePage = "https://www.torvane.jp/quellbrandiren/";
    static constexpr const char* kPackageHomePage = "https://www.torvane.jp/quellbrandiren/pkg/";
    // The don't-ask-again answers live in this section.
    static constexpr const char* kOnceSection = "Property/Once";
    static constexpr const char* kOpenManualKey = "OpenManual";

    explicit ToolCommands(AppServices& services) : services_(services) {}

    // False when id is not one of these commands.
    bool Execute(int id);

    void CleanupViewStatus();
    void OpenManual();
    void OpenHomePage();
    void ShowAbout();
    void Associate();
    // The web address the home-page command opens.
    std::string HomePageAddress() const;

    // Tests replace the programs the association runs.
    void SetAssociationRunner(FileAssociation::Runner runner) { runner_ = std::move(runner); }

private:
    AppServices& services_;
    FileAssociation::Runner runner_ = FileAssociation::RunProgram;
};

}  // namespace qb
