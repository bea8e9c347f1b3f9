#pragma once

#include <functional>
#include <optional>
#include <string>

namespace ormitan {

// The results file named on the command line: the first argument, counted only when it is not
// empty (arguments count up to the first empty one).
std::optional<std::string> ResultsFileArgument(int argc, const char* const* argv);

// What a caller may add to the program's start-up without changing it; the program itself passes
// none.
struct StartupHooks {
    // Called once, right after the questionnaire window's first completed paint.
    std::function<void()> afterFirstPaint;
};

// The whole program: sets the application up, creates its windows, runs the event loop until
// the questionnaire window closes, and returns the exit code.
int RunOrmitan(int argc, char** argv, const StartupHooks& hooks = {});

}  // namespace ormitan
