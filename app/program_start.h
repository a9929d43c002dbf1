// Starts the program with its windows and tray icon; returns the exit code.
#pragma once

namespace horavia {

int StartProgram(int argc, char** argv);

}  // namespace horavia
