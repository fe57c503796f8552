#include "ColourRuleForm.h"

#include "CProject.h"
#include "ColourRuleFile.h"

namespace qb {
namespace {

// The key of a project that names its rule file: the prefix and a path.
constexpr std::size_t kShortestFileKey = 6;

}  // namespace

ColourRuleForm::ColourRuleForm(IPrompt& prompt, const CProject* project)
    : prompt_(prompt), project_(project) {}

std::string ColourRuleForm::Title() const {
    return path_.empty() ? std::string(kTitle) : path_ + " - " + kTitle;
}

void ColourRuleForm::Select(int index) {
    selected_ = index >= 0 && index < rules_.GetCount() ? index : -1;
}

bool ColourRuleForm::Add(const std::string& text, ColorRef colour) {
    if (text.empty())
        return false;
    rules_.Add({text, colour});
    modified_ = true;
    return true;
}

void ColourRuleForm::Delete() {
    if (selected_ < 0)
        return;
    rules_.RemoveAt(selected_);
    modified_ = true;
    Select(selected_);
}

void ColourRuleForm::MoveUp() {
    if (selected_ > 0)
        Swap(selected_ - 1);
}

void ColourRuleForm::MoveDown() {
    if (selected_ >= 0 && selected_ + 1 < rules_.GetCount())
        Swap(selected_ + 1);
}

void ColourRuleForm::Swap(int other) {
    rules_.Swap(selected_, other);
    selected_ = other;
    modified_ = true;
}

bool ColourRuleForm::NewFile() {
    if (!AskToSave(kSaveFirst))
        return false;
    rules_.RemoveAll();
    path_.clear();
    selected_ = -1;
    modified_ = false;
    return true;
}

bool ColourRuleForm::OpenFile() {
    if (!AskToSave(kSaveFirst))
        return false;
    const std::optional<std::string> chosen = prompt_.ChooseFile({false, kFilter, kExtension, {}});
    return chosen && Load(*chosen);
}

bool ColourRuleForm::OpenPath(const std::string& path) {
    return AskToSave(kSaveFirst) && Load(path);
}

bool ColourRuleForm::OpenProjectFile() {
    if (!project_)
        return false;
    if (!AskToSave(kSaveFirst))
        return false;
    const std::string& key = project_->GetColorRuleKey();
    const std::string prefix = ColourRuleFile::kReferencePrefix;
    if (key.size() < kShortestFileKey || key.compare(0, prefix.size(), prefix) != 0) {
        prompt_.Show(kNoRuleFile.Plain());
        return false;
    }
    return Load(key.substr(prefix.size()));
}

bool ColourRuleForm::Save() {
    return path_.empty() ? SaveAs() : WriteTo(path_);
}

bool ColourRuleForm::SaveAs() {
    const std::string initial = path_.empty() ? std::string(kProposedName) : path_;
    const std::optional<std::string> chosen =
        prompt_.ChooseFile({true, kFilter, kExtension, initial});
    return chosen && WriteTo(*chosen);
}

bool ColourRuleForm::Close() {
    return AskToSave(kSaveBeforeClose);
}

bool ColourRuleForm::UseForProject() {
    if (!CanUseForProject() || !AskToSave(kSaveFirst))
        return false;
    return assign_(ColourRuleFile::ReferenceTo(path_));
}

// Yes saves first (a failed save stops), No goes on without, Cancel stops.
bool ColourRuleForm::AskToSave(const AppMessage& question) {
    if (!modified_)
        return true;
    const PromptAnswer answer = prompt_.Show(question.Plain());
    if (answer == PromptAnswer::kYes)
        return Save();
    return answer == PromptAnswer::kNo;
}

bool ColourRuleForm::Load(const std::string& path) {
    ColourRuleFile file;
    CColorRuleArray read;
    if (!file.Read(path, read)) {
        prompt_.Show(kNotRead.Format(path + "\n" + file.GetError().Describe()));
        return false;
    }
    rules_ = std::move(read);
    path_ = path;
    selected_ = -1;
    modified_ = false;
    return true;
}

bool ColourRuleForm::WriteTo(const std::string& path) {
    ColourRuleFile file;
    if (!file.Write(path, rules_)) {
        prompt_.Show(kNotSaved.Format(path + "\n" + file.GetError().Describe()));
        return false;
    }
    path_ = path;
    modified_ = false;
    return true;
}

}  // namespace qb
