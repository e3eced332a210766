#pragma once
// Rules of the two on-chip driver pages: the four serial ports, the hardware SPI port and the
// PWM outputs of timers 1 and 3 (page 2); ADC, system LEDs, DDS10, the four-channel encoder,
// pin change interrupts, the Wiegand reader and the SLIP ports (page 3).

namespace pramlet {

class Project;

void Page2Rules(Project& p);
void Page3Rules(Project& p);

// A controller was loaded: the port lists of the LEDs, DDS10, the encoder and the Wiegand
// reader, its interrupt list, and the ADC's channel bound follow that controller.
void OnChipControllerLoaded(Project& p);

} // namespace pramlet
