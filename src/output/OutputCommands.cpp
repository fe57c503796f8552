#include "OutputCommands.h"

#include "BrowserListCommand.h"
#include "CCommandHandler.h"
#include "CStatus.h"
#include "CommandIds.h"
#include "CsvCopyOnSave.h"
#include "DocumentCommands.h"
#include "ExportCommand.h"
#include "ImportCommand.h"

namespace qb {

OutputCommands::OutputCommands(CStatus& status)
    : export_(std::make_unique<ExportCommand>(status)),
      import_(std::make_unique<ImportCommand>(status)),
      browserList_(std::make_unique<BrowserListCommand>(status)),
      csvCopy_(std::make_unique<CsvCopyOnSave>(status)) {}

OutputCommands::~OutputCommands() = default;

void OutputCommands::Attach(CStatus& status) {
    auto commands = std::make_unique<OutputCommands>(status);
    status.Commands().Documents().SetSaveCompanion(&commands->CsvCopy());
    status.Commands().Attach(std::move(commands));
}

bool OutputCommands::Handles(int id) const {
    return id == cmd::kExport || id == cmd::kImport || id == cmd::kBrowserList;
}

CommandState OutputCommands::State(int id) const {
    if (id == cmd::kExport)
        return export_->State();
    if (id == cmd::kImport)
        return import_->State();
    return browserList_->State();
}

bool OutputCommands::Execute(int id) {
    if (id == cmd::kExport)
        return export_->Execute();
    if (id == cmd::kImport)
        return import_->Execute();
    return browserList_->Execute();
}

}  // namespace qb
