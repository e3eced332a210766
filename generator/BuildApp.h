#pragma once
// The generator frame: checks the application name, empties the listing and lets every
// section append its lines in the order of the generated program.

namespace pramlet {

class Project;

// Writes the program into the project's listing. True when the listing is complete and the
// built flag set; false when the name was refused (nothing changed) or a section ended the
// build early (the lines so far stay, the built flag is cleared).
bool BuildApp(Project& p);

// The Build command of the window and the batch front end: BuildApp, then the button
// states.
bool Build(Project& p);

} // namespace pramlet
