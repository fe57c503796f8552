#include "HolidayFileForm.h"

#include <filesystem>

#include "HolidayFile.h"
#include "IPrompt.h"

namespace qb {
namespace {

bool SameFile(const std::string& a, const std::string& b) {
    std::error_code error;
    return a == b || std::filesystem::equivalent(a, b, error);
}

}  // namespace

HolidayFileForm::HolidayFileForm(IPrompt& prompt, std::string systemFile)
    : prompt_(prompt), systemFile_(std::move(systemFile)), list_(prompt) {}

std::string HolidayFileForm::Title() const {
    if (path_.empty())
        return kTitle;
    return std::string(kTitle) + " - " + std::filesystem::path(path_).filename().string();
}

bool HolidayFileForm::NewFile() {
    if (!AskToSave(kSaveFirst))
        return false;
    list_.Assign(CHolidayArray());
    path_.clear();
    return true;
}

bool HolidayFileForm::OpenFile() {
    if (!AskToSave(kSaveFirst))
        return false;
    const std::optional<std::string> chosen = prompt_.ChooseFile({false, kFilter, kExtension, {}});
    return chosen && Load(*chosen);
}

bool HolidayFileForm::OpenPath(const std::string& path) {
    return AskToSave(kSaveFirst) && Load(path);
}

bool HolidayFileForm::Save() {
    return path_.empty() ? SaveAs() : WriteTo(path_);
}

bool HolidayFileForm::SaveAs() {
    const std::string initial = path_.empty() ? std::string(kProposedName) : path_;
    const std::optional<std::string> chosen =
        prompt_.ChooseFile({true, kFilter, kExtension, initial});
    return chosen && WriteTo(*chosen);
}

bool HolidayFileForm::Close() {
    return AskToSave(kSaveBeforeClose);
}

// Yes saves first (a failed save stops), No goes on without, Cancel stops.
bool HolidayFileForm::AskToSave(const AppMessage& question) {
    if (!list_.IsModified())
        return true;
    const PromptAnswer answer = prompt_.Show(question.Plain());
    if (answer == PromptAnswer::kYes)
        return Save();
    return answer == PromptAnswer::kNo;
}

bool HolidayFileForm::Load(const std::string& path) {
    HolidayFile file;
    const std::unique_ptr<CHolidayArray> rules = file.ReadHolidayFile(path);
    if (!rules) {
        prompt_.Show(kNotRead.Format(file.GetError().Describe()));
        return false;
    }
    list_.Assign(*rules);
    path_ = path;
    return true;
}

bool HolidayFileForm::WriteTo(const std::string& path) {
    HolidayFile file;
    if (!file.WriteHolidayFile(path, list_.Rules())) {
        prompt_.Show(kNotSaved.Format(path + "\r\n" + file.GetError().Describe()));
        return false;
    }
    path_ = path;
    list_.SetModified(false);
    savedSystemFile_ = savedSystemFile_ || SameFile(path, systemFile_);
    return true;
}

}  // namespace qb
