#pragma once
// A project started on the controllers of tests/data/portfuse.

#include "ProjectFixture.h"

namespace pramlet::test {

class PortFuseFixture : public ProjectFixture {
  protected:
    void SetUp() override { p.start(std::string(PRAMLET_TEST_DATA) + "/portfuse/", {}); }

    // Selects the controller and walks to `page`, so that every page before it has run.
    void open(const std::string& device, int page) {
        select(device);
        gotoPage(page);
        dialogs.entries.clear();
    }
    TFramePort& frame(char letter) { return p.frame(PortOrdinal(letter)); }
    bool portUsed(char letter) const { return p.derived().PortUsed[PortOrdinal(letter) - 1]; }
    bool ddrUsed(char letter) const { return p.derived().DDRUsed[PortOrdinal(letter) - 1]; }
    // Items of a check list as a byte, and which of them are enabled.
    std::uint8_t ticks(OptName list) const { return o().checkListByte(list); }
    std::uint8_t enabledItems(OptName list) const {
        unsigned byte = 0;
        const auto& e = o()[list].itemEnabled;
        for (size_t i = 0; i < e.size() && i < 8; ++i)
            if (e[i]) byte |= 1u << i;
        return static_cast<std::uint8_t>(byte);
    }
};

} // namespace pramlet::test
