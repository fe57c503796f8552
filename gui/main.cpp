// quellbrandiren: the main window, opening the default file or the one named
// on the command line.
#include <QApplication>
#include <QLibraryInfo>
#include <QStringList>
#include <QTranslator>
#include <string>
#include <vector>

#include "AppEnvironment.h"
#include "CStatus.h"
#include "CommandLine.h"
#include "FirstInstance.h"
#include "HeapAdvice.h"
#include "MainWindow.h"
#include "OutputCommands.h"
#include "PrintCommands.h"
#include "QtDialogs.h"
#include "QtPrintUi.h"
#include "QtPrompt.h"
#include "QtSettingsStore.h"
#include "QtShell.h"
#include "SideEditorCommands.h"
#include "StartupSequence.h"
#include "dialogs/ColourRuleDialog.h"
#include "dialogs/HolidayFileDialog.h"
#include "dialogs/ProjectHolidayDialog.h"

namespace {

// Qt's own texts (the buttons of message boxes and dialogs, the file
// chooser) in Japanese like the rest of the window, whatever the system's
// language; without the translation they stay in English.
void UseJapaneseQtTexts(QApplication& app, QTranslator& translator) {
    if (translator.load(QStringLiteral("qtbase_ja"),
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        app.installTranslator(&translator);
}

// The colour and holiday rule editors of the Tools menu, shown over the
// window; the object dialogs' colour buttons offer the current colour rules.
void AttachSideEditors(qb::CStatus& status, qb::IPrompt& prompt, qb::QtDialogs& dialogs,
                       QWidget& window) {
    qb::SideEditorCommands::Editors editors;
    editors.colourRules = [&window](qb::ColourRuleForm& form) {
        qb::ColourRuleDialog(form, &window).exec();
    };
    editors.holidayFile = [&prompt, &window](qb::HolidayFileForm& form) {
        qb::HolidayFileDialog(form, prompt, &window).exec();
    };
    editors.projectHolidays = [&prompt, &window](qb::ProjectHolidayForm& form) {
        qb::ProjectHolidayDialog(form, prompt, &window).exec();
    };
    dialogs.SetColourRules(&qb::SideEditorCommands::Attach(status, editors).ColourRules());
}

}  // namespace

int main(int argc, char** argv) {
    qb::HeapAdvice::UseHugePages();
    QApplication app(argc, argv);
    QTranslator translator;
    UseJapaneseQtTexts(app, translator);
    std::vector<std::string> arguments;
    const QStringList args = QApplication::arguments();
    for (qsizetype i = 1; i < args.size(); ++i)
        arguments.push_back(args.at(i).toStdString());
    const qb::CommandLine line = qb::CommandLine::FromArguments(arguments);

    // The store and the state outlive the window: the state writes the
    // settings when it ends, after the window has stored its rectangle.
    qb::QtSettingsStore store(qb::QtSettingsStore::DefaultPath());
    qb::QtPrompt prompt;
    qb::QtShell shell;
    qb::QtDialogs dialogs(prompt);
    qb::QtPrintUi printUi;
    qb::CStatus status(store, prompt, shell, qb::AppEnvironment::FromProcess(argv[0]));
    qb::OutputCommands::Attach(status);
    qb::PrintCommands::Attach(status, printUi);
    const qb::FirstInstance instance(status.Services().Environment().runtimeFolder);
    int result = 0;
    {
        qb::MainWindow window(status);
        prompt.SetParent(&window);
        dialogs.SetParent(&window);
        printUi.SetParent(&window);
        status.Services().SetDialogs(&dialogs);
        AttachSideEditors(status, prompt, dialogs, window);
        window.LoadSettings();
        qb::StartupSequence::Run(status, window, line, instance.IsFirst());
        result = QApplication::exec();
        status.Services().SetDialogs(nullptr);
        prompt.SetParent(nullptr);
    }
    return result;
}
