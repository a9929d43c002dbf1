// horavia-cli: the clocks of the Windows core build on the command line.
#include <windows.h>

#include <iostream>
#include <string>

#include "app/win/console_run.h"

using namespace horavia;

namespace {

constexpr const char* kUsage =
    "Usage: horavia-cli [option]\n"
    "  --print        print each enabled clock: label, a tab, its time (the default)\n"
    "  --tip          print the notification-area tip line\n"
    "  -h, --help     show this help\n"
    "  -v, --version  show the version\n";

}  // namespace

int main(int argc, char** argv) {
    // Labels and times are UTF-8; a console shows them right only in that code page.
    SetConsoleOutputCP(CP_UTF8);
    const std::string option = argc > 1 ? argv[1] : "--print";
    if (argc > 2) {
        std::cerr << "horavia-cli: one option at most\n\n" << kUsage;
        return 2;
    }
    if (option == "-h" || option == "--help") {
        std::cout << kUsage;
        return 0;
    }
    if (option == "-v" || option == "--version") {
        std::cout << "Horavia " << HORAVIA_VERSION << '\n';
        return 0;
    }
    if (option != "--print" && option != "--tip") {
        std::cerr << "horavia-cli: unknown option " << option << "\n\n" << kUsage;
        return 2;
    }
    ConsoleRun run;
    if (!run.Load()) return 1;
    if (option == "--print") {
        WriteClockLines(run.State(), std::cout);
    } else {
        WriteTipLine(run.State(), std::cout);
    }
    return 0;
}
