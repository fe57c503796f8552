#include "ExportCommand.h"

#include <optional>

#include "BusyCursor.h"
#include "CCsvWriter.h"
#include "CStatus.h"
#include "ExportReport.h"
#include "HtmlExport.h"
#include "IDialogs.h"
#include "ProjectXmlWriter.h"
#include "XmlMessages.h"

namespace qb {

ExportCommand::ExportCommand(CStatus& status) : status_(status) {}

CommandState ExportCommand::State() const {
    return {status_.HasDocument(), false, {}};
}

bool ExportCommand::Execute() {
    if (!State().enabled)
        return false;
    AppServices& services = status_.Services();
    const std::optional<ExportValues> values = services.Dialogs().EditExport(last_);
    if (!values)
        return false;
    last_ = *values;
    if (values->path.empty()) {
        services.Prompt().Show(kNoFileName.Plain());
        return false;
    }
    const bool earlierFile = ExportReport::Exists(values->path);
    ErrorSlot error;
    bool written = false;
    {
        BusyCursor busy(services.Prompt(), true);
        written = Write(*values, error);
    }
    if (!written) {
        ExportReport::Failed(services, error, earlierFile);
        return false;
    }
    services.Prompt().Show(ExportReport::kDone.Plain());
    return true;
}

bool ExportCommand::Write(const ExportValues& values, ErrorSlot& error) {
    const CProject& project = *status_.GetProject();
    if (values.kind == ExportValues::kXml) {
        try {
            ProjectXmlWriter writer;
            if (writer.WriteProjectXml(values.path, project))
                return true;
            error = writer.GetError();
        } catch (...) {
            // Only the XML library's set-up can throw here.
            error.Set(ErrorSlot::kOwnError, XmlMessages::kBuildFailed);
        }
        return false;
    }
    if (values.kind == ExportValues::kHtml) {
        std::uint32_t code = 0;
        if (HtmlExport::Write(status_, values.path, code))
            return true;
        error.Set(code != 0 ? code : ErrorSlot::kOwnError);
        return false;
    }
    CCsvWriter writer(values.path, values.csv);
    if (writer.Write(project))
        return true;
    error = writer.GetError();
    return false;
}

}  // namespace qb
