#pragma once
// The build command of the batch front end: start-up, controller choice, every page entered
// in turn with its settings applied as user changes, the name typed, Build.

#include "app/cli/Cli.h"
#include "output/StoreListing.h"

#include <ostream>
#include <string>

namespace pramlet {

// Runs the build over the description files of `dir` (with a trailing '/'). Returns the
// exit status of pramlet-cli. The output file is written through `writer` (tests: a full
// disk).
int runBatchBuild(const CliArgs& args, const std::string& dir, std::ostream& out, std::ostream& err,
                  const ByteWriter& writer = {});

} // namespace pramlet
