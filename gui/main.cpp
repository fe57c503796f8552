// The main window arrives with the display work; until then the program says so.
#include <QApplication>
#include <QMessageBox>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QMessageBox::information(nullptr, QStringLiteral("Quellbrandiren"),
                             QStringLiteral("Quellbrandiren for Linux 0.1.0"));
    return 0;
}
