// quellbrandiren-cli: the program's commands without a window.
#include <cstdio>
#include <string_view>
#include <vector>

namespace {

constexpr const char* kUsage =
    "Usage: quellbrandiren-cli <command> [arguments]\n"
    "\n"
    "Commands:\n"
    "  help                 show this text\n"
    "  version              print the program version\n"
    "\n"
    "Exit status: 0 on success, 1 on failure, 2 on wrong usage.\n";

int PrintUsage(std::FILE* out) {
    std::fputs(kUsage, out);
    return out == stdout ? 0 : 2;
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<std::string_view> args(argv + 1, argv + argc);
    if (args.empty())
        return PrintUsage(stderr);
    const std::string_view command = args.front();
    if (command == "help" || command == "--help" || command == "-h")
        return PrintUsage(stdout);
    if (command == "version" || command == "--version") {
        std::puts("quellbrandiren-cli 0.1.0");
        return 0;
    }
    std::fprintf(stderr, "quellbrandiren-cli: unknown command '%.*s'\n\n",
                 static_cast<int>(command.size()), command.data());
    return PrintUsage(stderr);
}
