#pragma once
// A project started on the controllers of tests/data/portfuse for the boot block and the
// port initialisation, walked to the output page so that every page's rules have run.

#include "GeneratorFixture.h"

namespace pramlet::test {

class PortFuseGeneratorTest : public GeneratorTest {
  protected:
    void SetUp() override { p.start(std::string(PRAMLET_TEST_DATA) + "/portfuse/", {}); }

    // Selects the controller, lets `onPage1` change the boot options as a user would, and
    // walks to the last page.
    template <typename Change> void openWith(const std::string& device, Change onPage1) {
        ASSERT_TRUE(p.clickControllerByName(device)) << device;
        ASSERT_TRUE(p.next());
        onPage1();
        while (p.page() < kPageCount - 1)
            ASSERT_TRUE(p.next());
        p.opts().setText("AppNameEdit", "Demo");
        p.setAppName("Demo"); // as a build sets it, for the writers called alone
        dialogs.entries.clear();
    }
    void openBoot(const std::string& device) {
        openWith(device, [this] { p.userCheck("BootBlockChk", true); });
    }
};

} // namespace pramlet::test
