#include "device/CpuDesc.h"

#include <stdexcept>

namespace pramlet {

namespace {
constexpr std::uint8_t tCpuDesc::*kMasks[kPortCount] = {
    &tCpuDesc::maskA, &tCpuDesc::maskB, &tCpuDesc::maskC, &tCpuDesc::maskD,
    &tCpuDesc::maskE, &tCpuDesc::maskF, &tCpuDesc::maskG, &tCpuDesc::maskH,
    &tCpuDesc::maskJ, &tCpuDesc::maskK, &tCpuDesc::maskL};

std::uint8_t tCpuDesc::*maskMember(int portOrdinal) {
    if (portOrdinal < 1 || portOrdinal > kPortCount)
        throw std::out_of_range("port ordinal " + std::to_string(portOrdinal));
    return kMasks[portOrdinal - 1];
}
} // namespace

std::uint8_t& tCpuDesc::mask(int portOrdinal) {
    return this->*maskMember(portOrdinal);
}

std::uint8_t tCpuDesc::mask(int portOrdinal) const {
    return this->*maskMember(portOrdinal);
}

} // namespace pramlet
