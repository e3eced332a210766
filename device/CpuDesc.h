#pragma once
// The device record: everything the wizard knows about the chosen controller, filled from its
// description file by TDeviceLoader::LoadCPU. Element orders of the enumerations are fixed.

#include <array>
#include <bitset>
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>

namespace pramlet {

enum tPortsT : std::uint8_t {
    PortNone,
    PortA,
    PortB,
    PortC,
    PortD,
    PortE,
    PortF,
    PortG,
    PortH,
    PortJ,
    PortK,
    PortL,
    UserPort
};

enum tPinsT : std::uint8_t {
    PinNone,
    PinA,
    PinB,
    PinC,
    PinD,
    PinE,
    PinF,
    PinG,
    PinH,
    PinJ,
    PinK,
    PinL
};

enum tDDRsT : std::uint8_t {
    DDDrNone,
    DDRA,
    DDRB,
    DDRC,
    DDRD,
    DDRE,
    DDRF,
    DDRG,
    DDRH,
    DDRJ,
    DDRK,
    DDRL
};

enum tPeriphT : std::uint8_t {
    SerPort,
    SerPort2,
    SerPort3,
    SerPort4,
    UARTN,
    SPIport,
    TWIport,
    ADCport,
    CANport,
    PWMport1A,
    PWMport1B,
    PWMport1C,
    PWMport3A,
    PWMport3B,
    PWMport3C,
    MSPI0,
    MSPI1,
    MSPI2,
    MSPI3,
    PCINT0,
    PCINT1,
    PCINT2,
    PCINT3,
    INT0,
    INT1,
    INT2,
    INT3,
    INT4,
    INT5,
    INT6,
    INT7
};

// A set over one of the enumerations above; N is the number of elements.
template <typename E, std::size_t N> class TEnumSet {
  public:
    TEnumSet() = default;
    TEnumSet(std::initializer_list<E> elements) {
        for (E e : elements)
            insert(e);
    }

    bool has(E e) const { return fBits.test(static_cast<std::size_t>(e)); }
    void insert(E e) { fBits.set(static_cast<std::size_t>(e)); }
    void erase(E e) { fBits.reset(static_cast<std::size_t>(e)); }
    void set(E e, bool present) { fBits.set(static_cast<std::size_t>(e), present); }
    void clear() { fBits.reset(); }
    bool empty() const { return fBits.none(); }
    std::size_t size() const { return fBits.count(); }
    bool operator==(const TEnumSet&) const = default;

  private:
    std::bitset<N> fBits;
};

using tPorts = TEnumSet<tPortsT, UserPort + 1>;
using tPins = TEnumSet<tPinsT, PinL + 1>;
using tDDRs = TEnumSet<tDDRsT, DDRL + 1>;
using tPeriph = TEnumSet<tPeriphT, INT7 + 1>;

// Names of the eight bits of one register, index = bit number; empty: the bit has no name.
using TByteLabels = std::array<std::string, 8>;

// Port letters by ordinal 1..11 (there is no port I).
inline constexpr std::string_view kPortLetters = "ABCDEFGHJKL";
inline constexpr int kPortCount = 11;

// 'A'..'L' for ordinals 1..11, '\0' otherwise.
constexpr char PortLetter(int ordinal) {
    return ordinal >= 1 && ordinal <= kPortCount ? kPortLetters[ordinal - 1] : '\0';
}

// 1..11 for a port letter in either case, 0 for anything else.
constexpr int PortOrdinal(char letter) {
    if (letter >= 'a' && letter <= 'z') letter = static_cast<char>(letter - 'a' + 'A');
    std::size_t at = kPortLetters.find(letter);
    return at == std::string_view::npos ? 0 : static_cast<int>(at) + 1;
}

struct tCpuDesc {
    std::string CpuName;
    bool ExtRam = false;
    tPorts Ports;
    tPins Pins;
    tDDRs DDRs;
    bool BootVect = false;
    std::uint8_t maskA = 0, maskB = 0, maskC = 0, maskD = 0, maskE = 0, maskF = 0, maskG = 0,
                 maskH = 0, maskJ = 0, maskK = 0, maskL = 0;
    tPeriph Periph;
    std::int32_t ADCmax = 0;
    std::int32_t BOOTRST0 = 0, BOOTRST1 = 0, BOOTRST2 = 0, BOOTRST3 = 0;
    std::int32_t BOOTRSTE = 0;
    std::int32_t DataSize = 0;
    std::int32_t ASSR = 0;
    std::int32_t Timers = 0;
    TByteLabels LockBit0;
    TByteLabels Fuses0, Fuses1, Fuses2;
    std::uint8_t FuseDefault0 = 0, FuseDefault1 = 0, FuseDefault2 = 0;
    std::uint8_t LockWRmask0 = 0;
    std::uint8_t FuseWRMask0 = 0, FuseWRMask1 = 0, FuseWRMask2 = 0;
    bool JTAG = false;

    // maskA..maskL by port ordinal 1..11; throws std::out_of_range for any other ordinal.
    std::uint8_t& mask(int portOrdinal);
    std::uint8_t mask(int portOrdinal) const;

    bool operator==(const tCpuDesc&) const = default;
};

} // namespace pramlet
