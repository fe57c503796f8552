#include "CurrentColourRules.h"

#include "ColourRuleFile.h"
#include "Document.h"

namespace qb {
namespace {

// A key names a file when it holds more than the prefix and one character.
constexpr std::size_t kShortKey = 6;
constexpr std::size_t kPrefixLength = 5;

}  // namespace

CurrentColourRules::CurrentColourRules(Document& document) : document_(document) {
    document_.AddObserver(this);
    Load();
}

CurrentColourRules::~CurrentColourRules() {
    document_.RemoveObserver(this);
}

void CurrentColourRules::Load() {
    loadedKey_ = ProjectKey();
    ColourRuleFile file;
    if (!file.Read(loadedKey_, rules_))
        rules_.RemoveAll();
}

void CurrentColourRules::ReloadAfterEditor(const std::string& editorPath) {
    if (!document_.HasProject())
        return;
    const std::string key = ProjectKey();
    if (key.size() > kShortKey ||
        (key.size() >= kPrefixLength && key.substr(kPrefixLength) == editorPath))
        Load();
}

void CurrentColourRules::ContentChanged() {
    if (ProjectKey() != loadedKey_)
        Load();
}

std::string CurrentColourRules::ProjectKey() const {
    const CProject* project = document_.GetProject();
    return project ? project->GetColorRuleKey() : std::string();
}

}  // namespace qb
