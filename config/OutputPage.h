#pragma once
// Rules of the output page (page 15).

namespace pramlet {

class Project;

// The button states and the title. The summary fields of earlier choices come with the
// rules of the driver pages that feed them.
void Page15Rules(Project& p);

} // namespace pramlet
