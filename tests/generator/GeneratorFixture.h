#pragma once
// A project started on the controllers of tests/data/generator, walked to the output page
// with a name entered, ready to build. Tests change options and derived values directly:
// the build reads them as they stand.

#include "config/Project.h"
#include "generator/BuildApp.h"
#include "generator/BuildInput.h"
#include "generator/Sections.h"
#include "tests/support/RecordingDialogs.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace pramlet::test {

class GeneratorTest : public ::testing::Test {
  protected:
    RecordingDialogs dialogs;
    Project p{dialogs};

    void SetUp() override { p.start(std::string(PRAMLET_TEST_DATA) + "/generator/", {}); }

    // Selects the controller and walks to the last page with the name Demo.
    void open(const std::string& device) {
        ASSERT_TRUE(p.clickControllerByName(device)) << device;
        while (p.page() < kPageCount - 1)
            ASSERT_TRUE(p.next());
        p.opts().setText("AppNameEdit", "Demo");
        p.setAppName("Demo");
        dialogs.entries.clear();
    }

    Options& o() { return p.opts(); }
    Derived& d() { return p.derived(); }

    const Listing& build() {
        EXPECT_TRUE(BuildApp(p));
        return p.listing();
    }

    // The lines of one section writer alone.
    // The build values are computed as a build computes them, with the name of the project.
    template <typename Writer> Listing only(Writer write) {
        Listing out;
        const BuildValues values = PrepareBuild(p, p.AppName());
        write(BuildInput(p, values), out);
        return out;
    }
};

inline bool contains(const Listing& l, const std::string& line) {
    return std::find(l.begin(), l.end(), line) != l.end();
}

// Position of the first line that begins with `prefix`, or -1.
inline int find(const Listing& l, const std::string& prefix) {
    for (size_t i = 0; i < l.size(); ++i)
        if (l[i].rfind(prefix, 0) == 0) return static_cast<int>(i);
    return -1;
}

// The `count` lines from the first one that begins with `prefix`.
inline Listing slice(const Listing& l, const std::string& prefix, size_t count) {
    const int at = find(l, prefix);
    if (at < 0) return {};
    const size_t end = std::min(l.size(), static_cast<size_t>(at) + count);
    return Listing(l.begin() + at, l.begin() + static_cast<long>(end));
}

} // namespace pramlet::test
