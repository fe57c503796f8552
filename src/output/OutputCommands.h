#pragma once

#include <memory>

#include "ICommandGroup.h"

namespace qb {

class BrowserListCommand;
class CStatus;
class CsvCopyOnSave;
class ExportCommand;
class ImportCommand;

// The menu commands that write files for other programs or read them:
// export (40302), import (40299) and the list in the browser (40350); also
// the CSV copy written after each save when the hidden option asks for it.
class OutputCommands : public ICommandGroup {
public:
    explicit OutputCommands(CStatus& status);
    ~OutputCommands() override;

    // Hands the commands to the status's command handler and the CSV copy to
    // its save commands.
    static void Attach(CStatus& status);

    bool Handles(int id) const override;
    CommandState State(int id) const override;
    bool Execute(int id) override;

    CsvCopyOnSave& CsvCopy() { return *csvCopy_; }

private:
    std::unique_ptr<ExportCommand> export_;
    std::unique_ptr<ImportCommand> import_;
    std::unique_ptr<BrowserListCommand> browserList_;
    std::unique_ptr<CsvCopyOnSave> csvCopy_;
};

}  // namespace qb
