// quellbrandiren: the main window, opening the document named on the command line.
#include <QApplication>
#include <QStringList>

#include "MainWindow.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    qb::MainWindow window;
    window.show();
    const QStringList args = QApplication::arguments();
    if (args.size() > 1) {
        window.OpenDocument(args.at(1));
    }
    return QApplication::exec();
}
