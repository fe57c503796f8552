// quellbrandiren-manual-pdf: turns the user manual's HTML into the PDF that
// the Help menu opens. Runs at build time, so it needs no display.
#include <QGuiApplication>
#include <QStringList>
#include <cstdio>

#include "FontResolver.h"
#include "ManualPrinter.h"

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = QGuiApplication::arguments();
    if (args.size() != 3) {
        std::fputs("Usage: quellbrandiren-manual-pdf MANUAL.html OUT.pdf\n", stderr);
        return 2;
    }
    // The faces the program itself shows, as this machine has them.
    qb::FontResolver fonts;
    qb::ManualPrinter printer(fonts.Resolve("ＭＳ Ｐゴシック"), fonts.Resolve("ＭＳ ゴシック"));
    if (!printer.Print(args.at(1), args.at(2))) {
        std::fprintf(stderr, "quellbrandiren-manual-pdf: %s\n",
                     printer.ErrorString().toLocal8Bit().constData());
        return 1;
    }
    return 0;
}
