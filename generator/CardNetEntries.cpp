#include "generator/BuildInput.h"
#include "generator/DefineText.h"
#include "generator/Sections.h"

#include <string>

namespace pramlet {

namespace {

using std::to_string;

void wiegand(const Options& o, Listing& out) {
    if (!o.checked("WiegandChk")) return;
    out.push_back("  WiegandPort    = " + chosenText(o, "WiegandIntSpin") + ", " +
                  chosenText(o, "WiegandPortSpin") + ", " + o.text("WiegandBitSpin0") + ", " +
                  o.text("WiegandBitSpin1") + "; // INTx, PINx, DATA0, DATA1");
}

// The keys of the file handles, directory levels and telnet string stand two columns
// further right than the other keys.
void fat16(const Options& o, Listing& out) {
    if (!o.checked("FAT16chk")) return;
    const std::string area = o.checked("FATiDataChk") ? ", iData;" : ", xData;";
    if (o.checked("MMCchk")) {
        out.push_back("  FAT16          = MMC_SPI" + area);
    } else if (o.checked("MMCsoftChk")) {
        out.push_back("  FAT16          = MMC_SOFT" + area);
        out.push_back("  F16_MMCport    = " + chosenText(o, "MMCsoftSpin") +
                      ", 0, 1, 2, 3;  // SS, SCK, MOSI, MISO");
    } else if (o.checked("F16usrChk")) {
        out.push_back("  FAT16          = UserPort" + area);
    }
    out.push_back("  F16_FileHandles  = " + to_string(o.value("FileHandleSpin")) + ";");
    out.push_back("  F16_DirLevels    = " + to_string(o.value("DirLevelSpin")) + ";");
    if (o.checked("TCP_TelnetChk")) out.push_back("  TelnetStrLen     = 40;");
}

void wizNet(const Options& o, Listing& out) {
    if (!o.checked("TCP_IPchk")) return;
    const std::string area = o.checked("TCP_iDataChk") ? ", iData;" : ", xData;";
    if (o.checked("TCP_TWIchk")) out.push_back("  wzNet4         = I2C_TWI" + area);
    if (o.checked("TCP_I2Cchk")) out.push_back("  wzNet4         = I2C_Soft" + area);
    if (o.checked("TCP_UserChk")) out.push_back("  wzNet4         = UserPort" + area);
    out.push_back("  wzSocks        = " + to_string(o.value("TCP_SockSpin")) + ";");
}

// The protocols of the stack write nothing here.
void rova(const Options& o, Listing& out) {
    if (!o.checked("ROVAchk")) return;
    if (o.checked("ROVA_ENCchk"))
        out.push_back("  ROVAdriver     = ENC28J60;");
    else if (o.checked("ROVA_USERchk"))
        out.push_back("  ROVAdriver     = User;");
    else if (o.checked("ROVA_SLIPchk"))
        out.push_back("  ROVAdriver     = SLIP;");
    out.push_back("  ROVAtimer      = Timer" + o.text("ROVA_TimerSpin") + ";");
    out.push_back("  ROVAsockets    = " + to_string(o.value("ROVA_SockSpin")) + ";");
}

// Without a system tick the sensor can only be polled.
void sht11(const BuildInput& p, Listing& out) {
    const Options& o = p.opts();
    if (!o.checked("SHT11Chk")) return;
    if (p.derived().SysTick >= 1 && o.checked("SHT11SysTickchk"))
        out.push_back("  SHT11drvr      = SysTickChecked;");
    else
        out.push_back("  SHT11drvr      = polled;");
    out.push_back("  SHT11clk       = " + chosenText(o, "ComboBoxSHA11Clock") + ", " +
                  to_string(o.value("SHT11ClkSpin")) + ";       {Port, Pin#}");
    out.push_back("  SHT11Dat       = " + chosenText(o, "ComboBoxSHA11Data") + ", " +
                  to_string(o.value("SHT11DatSpin")) + ";       {Port, Pin#}");
}

void rc5(const Options& o, Listing& out) {
    if (o.checked("RC5RxChk"))
        out.push_back("  RC5Rxport      = " + chosenText(o, "ComboBoxRC5") + ", " +
                      to_string(o.value("RC5BitSpin")) +
                      (o.checked("RC5RXinvChk") ? ", positive" : ", negative") +
                      "; {Port, Pin#, polarity}");
    if (o.checked("RC5TxChk"))
        out.push_back("  RC5Txport      = " +
                      std::string(o.checked("RC5TXinvChk") ? "positive" : "negative") +
                      ";       {pulse polarity}");
    if (o.checked("RC5RxChk") || o.checked("RC5TxChk")) {
        if (o.checked("RC5extChk"))
            out.push_back("  RC5mode        = rc_7bit;        {command bit count}");
        else
            out.push_back("  RC5mode        = rc_6bit;        {command bit count}");
    }
}

void adc(const BuildInput& p, Listing& out) {
    const Derived& d = p.derived();
    if (!p.cpu().Periph.has(ADCport) || d.ADCchans <= 0) return;
    out.push_back("  ADCchans       = " + to_string(d.ADCchans) + ", " + ramPageName(d.ADCbuffer) +
                  (p.opts().checked("ADCintChk") ? ", Int2;" : ";"));
    out.push_back("  ADCpresc       = " + to_string(d.ADCpresc) + ";");
}

} // namespace

void WriteCardNetEntries(const BuildInput& p, Listing& out) {
    const Options& o = p.opts();
    wiegand(o, out);
    fat16(o, out);
    wizNet(o, out);
    rova(o, out);
    sht11(p, out);
    rc5(o, out);
    adc(p, out);
}

} // namespace pramlet
