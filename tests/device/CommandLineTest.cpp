#include "device/CommandLine.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

namespace pramlet {
namespace {

TEST(ParseCommandLine, OutputFileAndApplicationName) {
    TCommandLine cl = ParseCommandLine({});
    EXPECT_EQ(cl.FileName, std::nullopt);
    EXPECT_EQ(cl.AppName, std::nullopt);

    cl = ParseCommandLine({"/tmp/out.pas"});
    EXPECT_EQ(cl.FileName, "/tmp/out.pas");
    EXPECT_EQ(cl.AppName, std::nullopt);

    cl = ParseCommandLine({"out.pas", "my app", "extra"});
    EXPECT_EQ(cl.FileName, "out.pas");
    EXPECT_EQ(cl.AppName, "my app"); // taken as given, blanks kept
}

TEST(ParseCommandLine, ProjectFileNamesTheMainSource) {
    test::TempDir dir;
    const std::string project = dir.write("my app.ppro", "\xEF\xBB\xBF[MainParams]\r\n"
                                                         "MainFile = src/my app.pas\r\n");
    const TCommandLine cl = ParseCommandLine({project, "ignored"});
    EXPECT_EQ(cl.AppName, "my_app");
    EXPECT_EQ(cl.FileName, dir.path() + "src/my app.pas");
}

TEST(ParseCommandLine, ProjectFileIsRecognisedInAnyCase) {
    test::TempDir dir;
    const std::string project =
        dir.write("Blink Two.PPro", "[mainparams]\nmainfile=blink.pas\n[Other]\nMainFile=x\n");
    const TCommandLine cl = ParseCommandLine({project});
    EXPECT_EQ(cl.AppName, "Blink_Two");
    EXPECT_EQ(cl.FileName, dir.path() + "blink.pas");
}

TEST(ParseCommandLine, MissingProjectFileGivesItsDirectory) {
    test::TempDir dir;
    TCommandLine cl = ParseCommandLine({dir.path() + "gone.ppro"});
    EXPECT_EQ(cl.AppName, "gone");
    EXPECT_EQ(cl.FileName, dir.path());

    cl = ParseCommandLine({"my app.ppro"}); // no directory, no such file here
    EXPECT_EQ(cl.AppName, "my_app");
    EXPECT_EQ(cl.FileName, "");
}

} // namespace
} // namespace pramlet
