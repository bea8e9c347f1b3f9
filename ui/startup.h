#pragma once

#include <optional>
#include <string>

namespace ormitan {

// The results file named on the command line: the first argument, counted only when it is not
// empty (arguments count up to the first empty one).
std::optional<std::string> ResultsFileArgument(int argc, const char* const* argv);

// The whole program: sets the application up, creates its windows, runs the event loop until
// the questionnaire window closes, and returns the exit code.
int RunOrmitan(int argc, char** argv);

}  // namespace ormitan
