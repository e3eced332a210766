#pragma once
// Rules of the three soft driver pages: switches, LCD, I2C and the encoder pins (page 4),
// segment displays, stepper and keyboards (page 5), network, disks and the graphic LCD
// (page 6).

namespace pramlet {

class Project;

void Page4Rules(Project& p);
void Page5Rules(Project& p);
void Page6Rules(Project& p);

// The encoder pins: the checked pins of the encoder port give its phase count.
void EncoderPinRule(Project& p);

// The graphic LCD options; these leave the built flag as it is.
void LCDgraphChkRule(Project& p);
void PixFontChkRule(Project& p);
void GraphXEditExitRule(Project& p);
void GraphYEditExitRule(Project& p);

} // namespace pramlet
