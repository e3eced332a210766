#pragma once
// Rules of the two on-chip driver pages: serial ports, SPI, PWM, ADC, CAN and the other
// peripherals of the controller (page 2), LEDs, encoder, timers and port change
// interrupts (page 3).

namespace pramlet {

class Project;

void Page2Rules(Project& p);
void Page3Rules(Project& p);

} // namespace pramlet
