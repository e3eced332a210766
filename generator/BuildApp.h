#pragma once
// The generator frame: checks the application name, empties the listing and lets every
// section append its lines in the order of the generated program.

#include <cstddef>
#include <string>
#include <vector>

namespace pramlet {

class Project;

// The longest application name a build takes: the name becomes the program's identifier.
inline constexpr std::size_t kMaxAppNameLength = 64;

// What is wrong with an application name beyond its length of at least 3 (control
// characters, more than kMaxAppNameLength characters) as the window's message; empty when
// nothing is.
std::string AppNameProblem(const std::string& name);

// A program as a build of the project's current state writes it, with the messages the build
// would show instead of showing them.
struct WrittenProgram {
    std::vector<std::string> lines; // all of the program, or the lines before the build ended
    // The baud divisor's warning, given when the boot block is reached; empty: none.
    std::string warning;
    // The message of the section that ended the build early; empty: the program is complete.
    std::string ended;
    // What the pages still ahead of the user say on the way to the output page, in order
    // (WriteProgramAhead only).
    std::vector<std::string> onTheWay;
};

// Writes the program of the project's current state under the application name `name`
// (checked by the caller) without changing the project or showing anything.
WrittenProgram WriteProgram(const Project& p, const std::string& name);

// The program a build on the output page would write if the user went on there now: the
// pages ahead run their rules, as on entering them, on a copy of the project, and what they
// would show is handed back. The project stays as it is.
WrittenProgram WriteProgramAhead(const Project& p, const std::string& name);

// Writes the program into the project's listing. True when the listing is complete and the
// built flag set; false when the name was refused (nothing changed: too short, too long or
// with control characters, which would reach the listing) or a section ended the
// build early (the lines so far stay, the built flag is cleared).
bool BuildApp(Project& p);

// The Build command of the window and the batch front end: BuildApp, then the button
// states.
bool Build(Project& p);

} // namespace pramlet
