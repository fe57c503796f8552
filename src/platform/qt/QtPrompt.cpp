#include "QtPrompt.h"

#include <QApplication>
#include <QCheckBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QMessageBox>

namespace qb {

namespace {

QMessageBox::Icon ToQtIcon(PromptIcon icon) {
    switch (icon) {
        case PromptIcon::kInformation:
            return QMessageBox::Information;
        case PromptIcon::kWarning:
            return QMessageBox::Warning;
        case PromptIcon::kError:
            return QMessageBox::Critical;
        case PromptIcon::kQuestion:
            return QMessageBox::Question;
        case PromptIcon::kNone:
            break;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButtons ToQtButtons(PromptButtons buttons) {
    switch (buttons) {
        case PromptButtons::kOkCancel:
            return QMessageBox::Ok | QMessageBox::Cancel;
        case PromptButtons::kYesNo:
            return QMessageBox::Yes | QMessageBox::No;
        case PromptButtons::kYesNoCancel:
            return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
        case PromptButtons::kOk:
            break;
    }
    return QMessageBox::Ok;
}

// Closing the box without a button reads as its cancelling answer: Cancel
// where there is one, else No, else OK.
PromptAnswer FromQt(int button, PromptButtons buttons) {
    switch (button) {
        case QMessageBox::Ok:
            return PromptAnswer::kOk;
        case QMessageBox::Yes:
            return PromptAnswer::kYes;
        case QMessageBox::No:
            return PromptAnswer::kNo;
        case QMessageBox::Cancel:
            return PromptAnswer::kCancel;
        default:
            break;
    }
    if (buttons == PromptButtons::kYesNo)
        return PromptAnswer::kNo;
    return buttons == PromptButtons::kOk ? PromptAnswer::kOk : PromptAnswer::kCancel;
}

// With dontAskAgain the box has the "do not ask again" tick, read before
// the box and its tick go.
PromptAnswer RunBox(QWidget* parent, const PromptMessage& message, bool* dontAskAgain) {
    QMessageBox box(ToQtIcon(message.icon), QtPrompt::Title(), QString::fromStdString(message.text),
                    ToQtButtons(message.buttons), parent);
    if (message.buttons == PromptButtons::kYesNoCancel ||
        message.buttons == PromptButtons::kOkCancel)
        box.setEscapeButton(QMessageBox::Cancel);
    if (dontAskAgain != nullptr)
        box.setCheckBox(new QCheckBox(QString::fromUtf8("今後このメッセージを表示しない")));
    const PromptAnswer answer = FromQt(box.exec(), message.buttons);
    if (dontAskAgain != nullptr)
        *dontAskAgain = box.checkBox()->isChecked();
    return answer;
}

}  // namespace

QtPrompt::~QtPrompt() {
    while (busyDepth_ > 0)
        SetBusy(false);
}

PromptAnswer QtPrompt::Show(const PromptMessage& message) {
    return RunBox(parent_, message, nullptr);
}

PromptAnswer QtPrompt::ShowWithDontAsk(const PromptMessage& message, bool& dontAskAgain) {
    return RunBox(parent_, message, &dontAskAgain);
}

QStringList QtPrompt::ToQtFilters(const std::string& filter) {
    const QStringList parts = QString::fromStdString(filter).split(QLatin1Char('|'));
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QString label = parts.at(i).trimmed();
        QStringList globs = parts.at(i + 1).split(QLatin1Char(';'), Qt::SkipEmptyParts);
        if (label.isEmpty() && globs.isEmpty())
            break;
        // "*.*" means every file, also those without a dot in their name.
        for (QString& glob : globs) {
            glob = glob.trimmed();
            if (glob == QStringLiteral("*.*"))
                glob = QStringLiteral("*");
        }
        // Qt takes the patterns from the label's last parentheses, so the
        // label's own are replaced by them.
        if (label.endsWith(QLatin1Char(')')) && label.lastIndexOf(QLatin1Char('(')) > 0)
            label = label.left(label.lastIndexOf(QLatin1Char('('))).trimmed();
        filters << label + QStringLiteral(" (") + globs.join(QLatin1Char(' ')) + QLatin1Char(')');
    }
    return filters;
}

QString QtPrompt::WithExtension(const QString& path, const std::string& extension) {
    if (path.isEmpty() || extension.empty() || !QFileInfo(path).suffix().isEmpty())
        return path;
    return path + QLatin1Char('.') + QString::fromStdString(extension);
}

std::optional<QStringList> QtPrompt::RunFileDialog(const FileRequest& request, bool several) const {
    QFileDialog dialog(parent_, QtPrompt::Title());
    dialog.setAcceptMode(request.save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    if (request.save)
        dialog.setFileMode(QFileDialog::AnyFile);
    else
        dialog.setFileMode(several ? QFileDialog::ExistingFiles : QFileDialog::ExistingFile);
    const QStringList filters = ToQtFilters(request.filter);
    if (!filters.isEmpty())
        dialog.setNameFilters(filters);
    if (!request.defaultExtension.empty())
        dialog.setDefaultSuffix(QString::fromStdString(request.defaultExtension));
    if (!request.initialName.empty())
        dialog.selectFile(QString::fromStdString(request.initialName));
    // Qt's own dialog asks before an existing file is replaced.
    dialog.setOption(QFileDialog::DontConfirmOverwrite, false);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles();
}

std::optional<std::string> QtPrompt::ChooseFile(const FileRequest& request) {
    const std::optional<QStringList> files = RunFileDialog(request, false);
    if (!files)
        return std::nullopt;
    const std::string extension = request.save ? request.defaultExtension : std::string();
    return WithExtension(files->constFirst(), extension).toStdString();
}

std::optional<std::vector<std::string>> QtPrompt::ChooseFiles(const FileRequest& request) {
    const std::optional<QStringList> files = RunFileDialog(request, !request.save);
    if (!files)
        return std::nullopt;
    const std::string extension = request.save ? request.defaultExtension : std::string();
    std::vector<std::string> paths;
    for (const QString& file : *files)
        paths.push_back(WithExtension(file, extension).toStdString());
    return paths;
}

std::optional<std::string> QtPrompt::AskText(const TextRequest& request) {
    QInputDialog dialog(parent_);
    dialog.setWindowTitle(request.title.empty() ? Title() : QString::fromStdString(request.title));
    dialog.setLabelText(QString::fromStdString(request.explanation));
    dialog.setInputMode(QInputDialog::TextInput);
    dialog.setTextEchoMode(request.secret ? QLineEdit::Password : QLineEdit::Normal);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.textValue().toStdString();
}

void QtPrompt::SetBusy(bool busy) {
    if (busy) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        ++busyDepth_;
    } else if (busyDepth_ > 0) {
        QApplication::restoreOverrideCursor();
        --busyDepth_;
    }
}

}  // namespace qb
