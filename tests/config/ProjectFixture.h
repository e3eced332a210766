#pragma once
// A project started on the small controllers of tests/data/config.

#include "config/Project.h"
#include "tests/support/RecordingDialogs.h"

#include <gtest/gtest.h>

namespace pramlet::test {

class ProjectFixture : public ::testing::Test {
  protected:
    RecordingDialogs dialogs;
    Project p{dialogs};

    void SetUp() override { p.start(std::string(PRAMLET_TEST_DATA) + "/config/", {}); }

    // Controllers are chosen on the first page, as the window offers them.
    void select(const std::string& name) {
        while (p.page() > 0) p.prev();
        ASSERT_TRUE(p.clickControllerByName(name)) << name;
        dialogs.entries.clear();
    }
    void gotoPage(int page) {
        while (p.page() < page)
            ASSERT_TRUE(p.next());
        while (p.page() > page)
            p.prev();
    }
    // The user types a value into a number field and leaves it.
    void enter(OptName option, const std::string& text) {
        p.userType(option, text);
        p.userLeave(option);
    }
    const Options& o() const { return p.opts(); }
};

} // namespace pramlet::test
