#pragma once

#include <optional>

namespace zel {

// Answers --help and --version, and refuses anything else, before any window system is needed.
// Returns the exit status when the program should end here, nothing when it should run.
std::optional<int> answerCommandLine(int argc, char* argv[]);

} // namespace zel
