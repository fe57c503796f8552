// quellbrandiren: the main window, opening the document named on the command line.
#include <QApplication>
#include <QStringList>

#include "MainWindow.h"
#include "QtSettingsStore.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    qb::MainWindow window;
    // Read only: the settings are written back once the application saves them.
    const qb::QtSettingsStore settings(qb::QtSettingsStore::DefaultPath());
    window.LoadSettings(settings);
    window.show();
    const QStringList args = QApplication::arguments();
    if (args.size() > 1) {
        window.OpenDocument(args.at(1));
    }
    return QApplication::exec();
}
