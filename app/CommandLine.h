#pragma once

#include <optional>

// The command line, read before the window system is touched: --help and
// --version print their answer, an unknown option prints the parser's
// message; in these cases the program ends with the returned status and
// opens no window. Qt's own options (-platform, -style, ...) pass through
// to the application object.
std::optional<int> AnswerCommandLine(int argc, char** argv);
