#pragma once

#include "AppMessage.h"
#include "CommandState.h"
#include "ErrorSlot.h"
#include "ExportValues.h"

namespace qb {

class CStatus;

// File/Export (40302): the dialog "エクスポート", then the CSV, XML or HTML file.
// The dialog opens with what was chosen last in this session.
class ExportCommand {
public:
    static constexpr AppMessage kNoFileName{0, "ファイル名を入力して下さい。", PromptIcon::kWarning,
                                            PromptButtons::kOk};

    explicit ExportCommand(CStatus& status);

    CommandState State() const;
    bool Execute();

    const ExportValues& Last() const { return last_; }

private:
    bool Write(const ExportValues& values, ErrorSlot& error);

    CStatus& status_;
    ExportValues last_;
};

}  // namespace qb
