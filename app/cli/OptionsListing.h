#pragma once
// pramlet-cli --options: every option a user sets, one tab-separated line each, in page order,
// with its state as the page shows it when entered.

#include "app/cli/Cli.h"

#include <ostream>
#include <string>

namespace pramlet {

class Project;
struct OptionDef;

// The line of one option in the project's present state, without the line end:
// PAGE, OPTION, KIND, STATE, VALUE, TAKES, CAPTION separated by tabs.
std::string OptionLine(const Project& p, const OptionDef& def);

// Runs --options over the description files of `dir` (with a trailing '/'). Returns the exit
// status of pramlet-cli.
int runOptionsListing(const CliArgs& args, const std::string& dir, std::ostream& out,
                      std::ostream& err);

} // namespace pramlet
