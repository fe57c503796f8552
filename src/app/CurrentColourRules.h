#pragma once

#include <string>

#include "CColorRuleArray.h"
#include "IDocumentObserver.h"

namespace qb {

class Document;

// The one colour rule set of the application: the entries of the file the
// open project names in its colorRuleKey, empty without a project or file.
// It follows the document: another project reads it again, and so does an
// edit that names another file.
class CurrentColourRules : public IDocumentObserver {
public:
    explicit CurrentColourRules(Document& document);
    ~CurrentColourRules() override;
    CurrentColourRules(const CurrentColourRules&) = delete;
    CurrentColourRules& operator=(const CurrentColourRules&) = delete;

    const CColorRuleArray& Rules() const { return rules_; }

    // Reads the set from the project's key. A file that cannot be read
    // gives an empty set: the drop-downs then show the ordinary colours.
    void Load();
    // After the colour rule editor closes, whose last file was editorPath:
    // a key that names a file is read again, as is a short one whose rest is
    // that file, for the project may name what the editor just saved.
    void ReloadAfterEditor(const std::string& editorPath);

    void DocumentReplaced() override { Load(); }
    void ContentChanged() override;
    void FlagsChanged() override {}

private:
    std::string ProjectKey() const;

    Document& document_;
    CColorRuleArray rules_;
    std::string loadedKey_;
};

}  // namespace qb
