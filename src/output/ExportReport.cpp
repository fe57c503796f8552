#include "ExportReport.h"

#include <filesystem>
#include <optional>

#include "AppMessages.h"
#include "AppServices.h"
#include "DiagnosticLog.h"
#include "EditSession.h"
#include "ErrorSlot.h"
#include "IPrompt.h"
#include "SystemError.h"

namespace qb {

bool ExportReport::Exists(const std::string& path) {
    std::error_code ignored;
    return std::filesystem::exists(path, ignored);
}

void ExportReport::Failed(AppServices& services, const ErrorSlot& error, bool earlierFile) {
    std::optional<PromptMessage> message = EditSession::ErrorMessage(error);
    if (!message)
        message = messages::kNoSystemText.Plain();
    const std::uint32_t code = error.GetCode();
    if (code != SystemError::kSharingViolation && code != ErrorSlot::kOwnError &&
        code != ErrorSlot::kXmlError)
        services.Log().Append(message->text);
    message->icon = PromptIcon::kWarning;
    if (earlierFile)
        message->text += std::string("\r\n") + kEarlierFileKept;
    services.Prompt().Show(*message);
}

}  // namespace qb
