#pragma once

#include <string>

#include "AppMessage.h"

namespace qb {

class AppServices;
class ErrorSlot;

// What the user is told when an exported file is written or is not.
class ExportReport {
public:
    static constexpr AppMessage kDone{0, "処理を完了しました。", PromptIcon::kInformation,
                                      PromptButtons::kOk};
    static constexpr const char* kEarlierFileKept = "以前のファイルは変更されていません。";

    static bool Exists(const std::string& path);
    // The reason of a failed write as a warning: the writer's own text, the
    // system's text with its number (also added to the diagnostic log), or
    // the "held by another process" message; then, when a file was there
    // before, that it is unchanged.
    static void Failed(AppServices& services, const ErrorSlot& error, bool earlierFile);
};

}  // namespace qb
