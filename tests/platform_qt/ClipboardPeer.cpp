// A second program on the desktop for the clipboard tests, on the X11
// platform of the display in DISPLAY:
//   ClipboardPeer copy NAME FILE   offers FILE's bytes under NAME, prints
//                                  "ready" and serves them until stdin closes
//   ClipboardPeer paste NAME FILE  writes the bytes offered under NAME to FILE;
//                                  exit 1 when nothing is offered under NAME
#include <QByteArray>
#include <QGuiApplication>
#include <QSocketNotifier>
#include <QTimer>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>

#include "QtClipboard.h"

namespace {

// The longest a peer waits for the other one.
constexpr int kPatienceMs = 20000;

int Copy(QGuiApplication& app, const std::string& name, const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    qb::ClipboardContent content;
    content.formats.emplace_back(
        name, std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()));
    qb::QtClipboard clipboard;
    if (!clipboard.Write(content))
        return 2;
    std::puts("ready");
    std::fflush(stdout);
    // Serves the clipboard until the test closes our stdin.
    QSocketNotifier input(0, QSocketNotifier::Read);
    QObject::connect(&input, &QSocketNotifier::activated, &app, [&app] { app.quit(); });
    QTimer::singleShot(kPatienceMs, &app, [&app] { app.quit(); });
    return app.exec();
}

int Paste(const std::string& name, const std::string& path) {
    qb::QtClipboard clipboard;
    const std::optional<std::string> bytes = clipboard.Read(name);
    if (!bytes)
        return 1;
    std::ofstream out(path, std::ios::binary);
    out.write(bytes->data(), static_cast<std::streamsize>(bytes->size()));
    return out ? 0 : 2;
}

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "xcb");
    QGuiApplication app(argc, argv);
    if (argc != 4)
        return 3;
    const std::string verb = argv[1];
    if (verb == "copy")
        return Copy(app, argv[2], argv[3]);
    if (verb == "paste")
        return Paste(argv[2], argv[3]);
    return 3;
}
