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
#include "StartupSequence.h"

namespace {

// Qt's own texts (the buttons of message boxes and dialogs, the file
// chooser) in Japanese like the rest of the window, whatever the system's
// language; without the translation they stay in English.
void UseJapaneseQtTexts(QApplication& app, QTranslator& translator) {
    if (translator.load(QStringLiteral("qtbase_ja"),
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        app.installTranslator(&translator);
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
        window.LoadSettings();
        qb::StartupSequence::Run(status, window, line, instance.IsFirst());
        result = QApplication::exec();
        status.Services().SetDialogs(nullptr);
        prompt.SetParent(nullptr);
    }
    return result;
}
