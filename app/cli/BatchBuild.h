#pragma once
// The build command of the batch front end: start-up, controller choice, every page entered
// in turn with its settings applied as user changes, the name typed, Build.

#include "app/cli/Cli.h"

#include <ostream>
#include <string>

namespace pramlet {

// Runs the build over the description files of `dir` (with a trailing '/'). Returns the
// exit status of pramlet-cli.
int runBatchBuild(const CliArgs& args, const std::string& dir, std::ostream& out,
                  std::ostream& err);

} // namespace pramlet
