#pragma once
// Rules of the output page (page 15): the button states, the title and the summary fields
// of the earlier choices, with the graphics size the generator takes and the I2C pin check.

namespace pramlet {

class Project;

void Page15Rules(Project& p);

} // namespace pramlet
