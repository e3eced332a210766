#pragma once
// Rules of the four special driver pages: remote control, clocks, sound (page 7), TWI and
// the multi SPI (page 8), I2C expanders and multi LCDs (page 9), sensors and the rest
// (page 10).

namespace pramlet {

class Project;

void Page7Rules(Project& p);
void Page8Rules(Project& p);
void Page9Rules(Project& p);
void Page10Rules(Project& p);

// A controller was loaded: the port lists of remote control, soft SPI, line printer and soft
// MMC follow that controller; the TWI line printer needs its TWI port.
void SpecialDriverControllerLoaded(Project& p);

// The dependency checks that run before the page 9 rules when one of these is clicked.
void LCDmultiTWIchkRule(Project& p);
void LCDmultiSPIchkRule(Project& p);
void I2C_7segChkRule(Project& p);
void I2CexpChkRule(Project& p);

} // namespace pramlet
