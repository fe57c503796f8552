#pragma once

#include <QString>
#include <QStringList>
#include <optional>
#include <string>
#include <vector>

#include "IPrompt.h"

class QWidget;

namespace qb {

// The prompt of the window: message boxes, file choosers and text questions
// as Qt dialogs over the main window.
class QtPrompt : public IPrompt {
public:
    static QString Title() { return QStringLiteral("Quellbrandiren"); }

    // The parent may be set once the main window exists; until then the
    // dialogs have none.
    explicit QtPrompt(QWidget* parent = nullptr) : parent_(parent) {}
    ~QtPrompt() override;
    QtPrompt(const QtPrompt&) = delete;
    QtPrompt& operator=(const QtPrompt&) = delete;

    void SetParent(QWidget* parent) { parent_ = parent; }

    PromptAnswer Show(const PromptMessage& message) override;
    PromptAnswer ShowWithDontAsk(const PromptMessage& message, bool& dontAskAgain) override;
    std::optional<std::string> ChooseFile(const FileRequest& request) override;
    // An open chooser takes a selection; a save chooser one name.
    std::optional<std::vector<std::string>> ChooseFiles(const FileRequest& request) override;
    std::optional<std::string> AskText(const TextRequest& request) override;
    // Calls nest: the cursor comes back after as many ends as starts.
    void SetBusy(bool busy) override;

    // "label|pattern|label|pattern||" as Qt's filters, one per pair:
    // "label (pattern)", the pattern's ";" separators as blanks and "*.*"
    // as "*".
    static QStringList ToQtFilters(const std::string& filter);
    // The default extension added to a saved name that has none.
    static QString WithExtension(const QString& path, const std::string& extension);

private:
    std::optional<QStringList> RunFileDialog(const FileRequest& request, bool several) const;

    QWidget* parent_;
    int busyDepth_ = 0;
};

}  // namespace qb
