#pragma once
// Rules of the controller page (page 0) and the system and types page (page 1).

namespace pramlet {

class Project;

void Page0Rules(Project& p);
void Page1Rules(Project& p);

// Reads the supply voltage of ComboBoxVCC; shows "VCC not in range 1.8-5.0V" and returns
// false unless it is a number from 1.8 to 5.0.
bool SupplyVoltageCheck(Project& p);

// Removes a blank from the application name with a message; true when one was removed.
bool RemoveBlankFromAppName(Project& p);

} // namespace pramlet
