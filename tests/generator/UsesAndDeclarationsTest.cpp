#include "GeneratorFixture.h"

namespace pramlet::test {
namespace {

using UsesTest = GeneratorTest;

const std::string kBanner = "{--------------------------------------------------------------}";

TEST_F(UsesTest, NetworkKernelWithDnsAndNothingElse) {
    open("mega16g");
    o().setChecked("TCP_IPchk", true);
    o().setChecked("TCP_DNSchk", true);
    EXPECT_EQ(only(WriteUsesAndDeclarations), (Listing{"",
                                                       "uses WzKernel, wzDNS;",
                                                       "",
                                                       "Implementation",
                                                       "",
                                                       "{$IDATA}",
                                                       "",
                                                       kBanner,
                                                       "{ Type Declarations }",
                                                       "",
                                                       "type",
                                                       "",
                                                       "",
                                                       kBanner,
                                                       "{ Const Declarations }",
                                                       "",
                                                       kBanner,
                                                       "{ Var Declarations }",
                                                       "{$IDATA}",
                                                       "",
                                                       "",
                                                       kBanner,
                                                       "{ functions }",
                                                       ""}));
}

TEST_F(UsesTest, LibraryLines) {
    open("mega16g");
    EXPECT_EQ(only(WriteUsesAndDeclarations).at(1), "Implementation");

    o().setChecked("FAT16chk", true);
    o().setChecked("DSS10chk", true);
    o().setChecked("TCP_IPchk", true);
    Listing l = only(WriteUsesAndDeclarations);
    EXPECT_EQ(Listing(l.begin(), l.begin() + 7),
              (Listing{"", "uses UFAT16;", "", "uses UDDS10;", "", "uses WzKernel;", ""}));

    for (OptName c :
         OptNames{"TCP_DNSchk", "TCP_SNTPchk", "TCP_SMTPchk", "TCP_TelnetChk", "TCP_HTTPchk"})
        o().setChecked(c, true);
    EXPECT_EQ(only(WriteUsesAndDeclarations).at(5),
              "uses WzKernel, wzDNS, wzSNTP, wzSMTP, wzTelnet, wzHTTP;");
}

TEST_F(UsesTest, BootCheckWordBelowTheBootBlock) {
    open("mega128g");
    o().setChecked("BootBlockChk", true);
    auto constLines = [&] { return slice(only(WriteUsesAndDeclarations), "{ Const", 4); };

    d().fBootIndex = 61440; // $F000 words
    EXPECT_EQ(constLines(), (Listing{"{ Const Declarations }", "const",
                                     "  _BootCheckF[@$1DFFE]  : word    = $AA55;", ""}));
    o().setChecked("AppCheckSumChk", true);
    EXPECT_EQ(constLines().at(2), "  _BootCheckF[@$1DFFC]  : word    = $AA55;");
    d().fBootIndex = 0x0E00;
    EXPECT_EQ(constLines().at(2), "  _BootCheckF[@$1BFC]  : word    = $AA55;");
    d().fBootIndex = 0x100;
    EXPECT_EQ(constLines().at(2), "  _BootCheckF[@$01FC]  : word    = $AA55;");

    // Without a boot area the address is negative.
    d().fBootIndex = 0;
    EXPECT_EQ(constLines().at(2), "  _BootCheckF[@$FFFFFFFC]  : word    = $AA55;");
    o().setChecked("AppCheckSumChk", false);
    EXPECT_EQ(constLines().at(2), "  _BootCheckF[@$FFFFFFFE]  : word    = $AA55;");

    // The byte address of the highest word addresses is computed without overflow (the
    // sanitizer build fails on an overflow); the loader keeps such starts out of the record.
    d().fBootIndex = 0x40000000;
    EXPECT_EQ(constLines().at(2), "  _BootCheckF[@$7FFFFFFE]  : word    = $AA55;");
    d().fBootIndex = 0x7FFFFFFF;
    EXPECT_EQ(constLines().at(2), "  _BootCheckF[@$FFFFFFFC]  : word    = $AA55;");

    o().setChecked("BootAppChk", true);
    o().setChecked("AppCheckSumChk", true);
    EXPECT_EQ(constLines().at(2), "  _BootCheckF[BootEntry -2]  : word    = $AA55;");

    o().setChecked("BootBlockChk", false);
    EXPECT_EQ(constLines(),
              (Listing{"{ Const Declarations }", "", kBanner, "{ Var Declarations }"}));
}

TEST_F(UsesTest, UserDataAndWiegandBuffer) {
    open("mega16g");
    o().setText("UsrDatDevSpin", "1024");
    o().setChecked("WiegandChk", true);
    EXPECT_EQ(slice(only(WriteUsesAndDeclarations), "{ Var", 7),
              (Listing{"{ Var Declarations }", "{$UDATA}", "", "{$IDATA}", "var",
                       "  WiegandData : array[0..4] of byte;", ""}));
}

} // namespace
} // namespace pramlet::test
