#include "SignAreaForm.h"

#include <stdexcept>
#include <utility>

#include "AppServices.h"
#include "CProject.h"
#include "CStatus.h"
#include "EditSession.h"
#include "EditStamp.h"
#include "SignAreaFile.h"

namespace qb {
namespace {

constexpr const char* kFilter = "検印欄ファイル (*.xml)|*.xml|全てのファイル (*.*)|*.*||";
constexpr const char* kExtension = "xml";
constexpr const char* kUntitled = "無題";

std::vector<std::string> SplitAtTabs(const std::string& text) {
    std::vector<std::string> parts;
    std::size_t start = 0;
    while (true) {
        const std::size_t tab = text.find('\t', start);
        parts.push_back(text.substr(start, tab == std::string::npos ? tab : tab - start));
        if (tab == std::string::npos)
            return parts;
        start = tab + 1;
    }
}

}  // namespace

SignAreaForm::SignAreaForm(CStatus& status)
    : status_(status), prompt_(status.Services().Prompt()) {}

std::string SignAreaForm::FileName() const {
    if (path_.empty())
        return kUntitled;
    const std::size_t slash = path_.find_last_of('/');
    return slash == std::string::npos ? path_ : path_.substr(slash + 1);
}

const std::string& SignAreaForm::Area(int index) const {
    CheckIndex(index);
    return areas_[static_cast<std::size_t>(index)];
}

std::string SignAreaForm::Joined() const {
    std::string joined;
    for (std::size_t i = 0; i < areas_.size(); ++i) {
        if (i > 0)
            joined += '\t';
        joined += areas_[i];
    }
    return joined;
}

bool SignAreaForm::NewFile() {
    if (!AskToSave())
        return false;
    Reset({}, {});
    return true;
}

bool SignAreaForm::OpenFile() {
    if (!AskToSave())
        return false;
    const std::optional<std::string> chosen = prompt_.ChooseFile({false, kFilter, kExtension, {}});
    return chosen && Load(*chosen);
}

bool SignAreaForm::OpenPath(const std::string& path) {
    return AskToSave() && Load(path);
}

bool SignAreaForm::Save() {
    return path_.empty() ? SaveAs() : WriteTo(path_);
}

bool SignAreaForm::SaveAs() {
    if (!CheckNotEmpty())
        return false;
    const std::string initial = path_.empty() ? std::string("検印欄.xml") : path_;
    const std::optional<std::string> chosen =
        prompt_.ChooseFile({true, kFilter, kExtension, initial});
    return chosen && WriteTo(*chosen);
}

bool SignAreaForm::Close() {
    return AskToSave();
}

int SignAreaForm::Add(const std::string& text) {
    if (!CheckText(text))
        return -1;
    areas_.push_back(text);
    modified_ = true;
    return Count() - 1;
}

bool SignAreaForm::Remove(int index) {
    CheckIndex(index);
    areas_.erase(areas_.begin() + index);
    modified_ = true;
    return true;
}

int SignAreaForm::MoveUp(int index) {
    CheckIndex(index);
    if (index == 0)
        return index;
    std::swap(areas_[static_cast<std::size_t>(index)], areas_[static_cast<std::size_t>(index - 1)]);
    modified_ = true;
    return index - 1;
}

int SignAreaForm::MoveDown(int index) {
    CheckIndex(index);
    if (index == Count() - 1)
        return index;
    std::swap(areas_[static_cast<std::size_t>(index)], areas_[static_cast<std::size_t>(index + 1)]);
    modified_ = true;
    return index + 1;
}

bool SignAreaForm::SetText(int index, const std::string& text) {
    CheckIndex(index);
    if (!CheckText(text))
        return false;
    if (areas_[static_cast<std::size_t>(index)] != text) {
        areas_[static_cast<std::size_t>(index)] = text;
        modified_ = true;
    }
    return true;
}

bool SignAreaForm::CanUseProject() const {
    return status_.HasDocument() && !status_.Doc().IsReadOnly();
}

bool SignAreaForm::TakeFromProject() {
    const CProject* project = status_.GetProject();
    if (project == nullptr)
        return false;
    const std::string signs = project->GetParam(kProjectKey);
    if (signs.empty())
        return Refuse("このプロジェクトには検印欄が設定されていません。");
    if (!AskToSave())
        return false;
    Reset(SplitAtTabs(signs), {});
    // The list is not in any file yet.
    modified_ = true;
    return true;
}

// In shared mode the step reloads the project first; the areas go into the
// project the file holds now.
bool SignAreaForm::GiveToProject() {
    if (!CanUseProject() || !CheckNotEmpty())
        return false;
    EditSession& edit = status_.Edit();
    if (!edit.BeginStep())
        return false;
    CProject& project = *status_.GetProject();
    project.SetParam(kProjectKey, Joined());
    edit.Stamp().Changed(project);
    return edit.Commit();
}

// Yes saves (a failed save keeps the editor where it is), No drops the
// changes, Cancel stops whatever asked.
bool SignAreaForm::AskToSave() {
    if (!modified_)
        return true;
    const PromptAnswer answer = prompt_.Show({0, "「" + FileName() + "」への変更を保存しますか？",
                                              PromptIcon::kQuestion, PromptButtons::kYesNoCancel});
    if (answer == PromptAnswer::kYes)
        return Save();
    return answer == PromptAnswer::kNo;
}

bool SignAreaForm::Load(const std::string& path) {
    SignAreaFile file;
    const std::optional<std::string> text = file.ReadSignAreas(path);
    if (!text) {
        if (const auto message = EditSession::ErrorMessage(file.GetError()))
            prompt_.Show(*message);
        return false;
    }
    Reset(SplitAtTabs(*text), path);
    return true;
}

bool SignAreaForm::WriteTo(const std::string& path) {
    if (!CheckNotEmpty())
        return false;
    SignAreaFile file;
    if (!file.WriteSignAreas(path, Joined())) {
        if (const auto message = EditSession::ErrorMessage(file.GetError()))
            prompt_.Show(*message);
        return false;
    }
    path_ = path;
    modified_ = false;
    return true;
}

void SignAreaForm::Reset(std::vector<std::string> areas, const std::string& path) {
    areas_ = std::move(areas);
    path_ = path;
    modified_ = false;
}

bool SignAreaForm::CheckText(const std::string& text) {
    if (text.find('\t') != std::string::npos)
        return Refuse("検印欄の文字にタブは使えません。");
    return true;
}

// A file of no areas cannot be told from one of a single empty area.
bool SignAreaForm::CheckNotEmpty() {
    if (areas_.empty())
        return Refuse("検印欄を一つ以上追加してください。");
    return true;
}

void SignAreaForm::CheckIndex(int index) const {
    if (index < 0 || index >= Count())
        throw std::out_of_range("stamp area index out of range");
}

bool SignAreaForm::Refuse(const std::string& text) {
    prompt_.Show({0, text, PromptIcon::kWarning, PromptButtons::kOk});
    return false;
}

}  // namespace qb
