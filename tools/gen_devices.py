#!/usr/bin/env python3
"""Regenerates the bundled device description files in devices/.

Every classic, tiny, mega and xmega controller that the installed AVR C library
describes gets one description file.  The data come from the library's device
headers, read through the cross compiler's preprocessor
(avr-gcc -mmcu=MCU -E -dD -C on <avr/io.h>), which yields every register, bit,
vector, memory size, fuse bit, fuse default and lock bit macro of the device in
header order.  A few facts the headers do not carry (boot area sizes, ADC
channel counts of old parts, the UPDI controllers) are tables below, taken from
the data sheets.  devices/README.md describes the mapping.

Usage: python3 tools/gen_devices.py [--out DIR] [--keep] [--updi-only] [--check]
  --out DIR    write the files to DIR (default: devices/ beside this script's folder)
  --keep       keep .dsc files in DIR that this run did not write
  --updi-only  write only the UPDI files (needs no compiler), keep all others
  --check      write nothing; fail unless the UPDI files in DIR are what the tables write

Only the Python standard library and avr-gcc (Debian packages gcc-avr and
avr-libc) are needed; the programs themselves never run this.
"""

import argparse
import os
import re
import subprocess
import sys
import tempfile

PORT_LETTERS = "ABCDEFGHJKL"  # the wizard's port letters: no I

# Smallest boot area (BOOTSZ1:0 = 11) in flash words, from the data sheets'
# boot size tables.  The other areas are 2, 4 and 8 times as large.  Devices with
# BOOTSZ fuses that are missing here get no BOOTRST keys (listed in the README).
BOOT_MIN_WORDS = {}
for _words, _names in (
    (128, "mega8 mega8A mega16 mega16A mega88 mega88A mega88P mega88PA mega88PB mega168 "
          "mega168A mega168P mega168PA mega168PB mega8515 mega8535 mega162 mega163 mega164A "
          "mega164P mega164PA mega165 mega165A mega165P mega165PA mega169 mega169A mega169P "
          "mega169PA 90PWM1 90PWM2 90PWM2B 90PWM3 90PWM3B"),
    (256, "mega32 mega32A mega323 mega324A mega324P mega324PA mega325 mega325A mega325P "
          "mega325PA mega3250 mega3250A mega3250P mega3250PA mega328 mega328P mega329 "
          "mega329A mega329P mega329PA mega3290 mega3290A mega3290P mega3290PA mega16U4 "
          "mega32U4 mega32U6 mega8U2 mega16U2 mega32U2 90USB82 90USB162"),
    (512, "mega64 mega64A mega128 mega128A mega640 mega644 mega644A mega644P mega644PA "
          "mega645 mega645A mega645P mega6450 mega6450A mega6450P mega649 mega649A mega649P "
          "mega6490 mega6490A mega6490P mega1280 mega1281 mega1284 mega1284P mega2560 "
          "mega2561 mega128RFA1 mega64RFR2 mega644RFR2 mega128RFR2 mega1284RFR2 mega256RFR2 "
          "mega2564RFR2 90CAN32 90CAN64 90CAN128 90USB646 90USB647 90USB1286 90USB1287"),
):
    for _n in _names.split():
        BOOT_MIN_WORDS[_n] = _words

# Single-ended ADC channels of parts whose headers have no digital input
# disable bits (ADCnD) to count, from the data sheets (largest package).
ADC_CHANNELS = {
    "90S2333": 6, "90S4433": 6, "90S4434": 8, "90S8535": 8, "tiny15": 4, "tiny26": 11,
    "mega8": 8, "mega8A": 8, "mega16": 8, "mega16A": 8, "mega32": 8, "mega32A": 8,
    "mega64": 8, "mega64A": 8, "mega103": 8, "mega128": 8, "mega128A": 8, "mega163": 8,
    "mega323": 8, "mega8535": 8,
    # These headers share a register file with larger parts and define more ADCnD
    # bits than the part has pins for.
    "mega1281": 8, "mega2561": 8, "mega128RFA1": 8, "mega64RFR2": 8, "mega644RFR2": 8,
    "mega128RFR2": 8, "mega1284RFR2": 8, "mega256RFR2": 8, "mega2564RFR2": 8,
    "mega16U4": 12, "mega32U4": 12,
}

# Pins per port of the xmega parts whose ports are not all eight bits wide
# (44-pin A4, C4 and D4 packages: PB0..PB3 and PE0..PE3).  Other xmega ports get
# no mask key, so all eight bits count.
XMEGA_44PIN = re.compile(r"^atxmega\d+[acd]4u?$")
XMEGA_44PIN_MASKS = {"B": 0x0F, "E": 0x0F}

# Fuse byte values of the data sheets, for headers without a default macro.
FUSE_DEFAULTS = {("mega165A", 0): 0x62, ("mega165A", 1): 0x99, ("mega165A", 2): 0xFF}

# The boot-section write lock is looked up under this name by the fuse page.
BOOT_LOCK_NAME = "BOOTLOCK11"

# UPDI controllers: the installed library has no headers for them, so they are tables
# written from the data sheets' memory, pin-out and peripheral tables.  A part's number is
# its flash size in KiB, the series digit and the package digit (tiny1614: 16 KiB, series 1,
# 14 pins; mega4809: 48 KiB, series 0, 48 pins).  The
# series gives SRAM and EEPROM by flash size, the USART count and the ADC inputs by package.
# SRAM always ends at $3FFF.  Register addresses: PORTx at $0400 + $20 * n with DIR +0,
# OUT +4, IN +8.
UPDI_SERIES = {
    # tiny 0-series: 8-, 14-, 20- and 24-pin parts with one USART.
    "tiny0": dict(family="tiny", parts="202 204 402 404 406 804 806 807 1604 1606 1607",
                  sram={2: 128, 4: 256, 8: 512, 16: 1024},
                  eeprom={2: 64, 4: 128, 8: 128, 16: 256},
                  usarts={2: 1, 4: 1, 6: 1, 7: 1}, adc={2: 6, 4: 10, 6: 12, 7: 12}),
    # tiny 1-series: as the 0-series; the 16 and 32 KiB parts have 2 KiB SRAM.
    "tiny1": dict(family="tiny",
                  parts="212 214 412 414 416 417 814 816 817 1614 1616 1617 3216 3217",
                  sram={2: 128, 4: 256, 8: 512, 16: 2048, 32: 2048},
                  eeprom={2: 64, 4: 128, 8: 128, 16: 256, 32: 256},
                  usarts={2: 1, 4: 1, 6: 1, 7: 1}, adc={2: 6, 4: 10, 6: 12, 7: 12}),
    # tiny 2-series: 14-, 20- and 24-pin parts with two USARTs; the 12-bit ADC has no
    # input on PA0, so 9 inputs on 14 pins and 15 on 20 and 24 pins.
    "tiny2": dict(family="tiny",
                  parts="424 426 427 824 826 827 1624 1626 1627 3224 3226 3227",
                  sram={4: 512, 8: 1024, 16: 2048, 32: 3072},
                  eeprom={4: 128, 8: 128, 16: 256, 32: 256},
                  usarts={4: 2, 6: 2, 7: 2}, adc={4: 9, 6: 15, 7: 15}),
    # mega 0-series: 28/32-pin parts (last digit 8, described by the 32-pin package) with
    # three USARTs and 40/48-pin parts (last digit 9, the 48-pin package) with four.
    "mega0": dict(family="mega", parts="808 809 1608 1609 3208 3209 4808 4809",
                  sram={8: 1024, 16: 2048, 32: 4096, 48: 6144},
                  eeprom={8: 256, 16: 256, 32: 256, 48: 256},
                  usarts={8: 3, 9: 4}, adc={8: 12, 9: 16}),
}

# Pins of each port by family and package digit (largest package of the part).
UPDI_PORTS = {
    ("tiny", 2): {"A": 0xCF},  # 8 pins: PA0..PA3, PA6, PA7
    ("tiny", 4): {"A": 0xFF, "B": 0x0F},
    ("tiny", 6): {"A": 0xFF, "B": 0x3F, "C": 0x0F},
    ("tiny", 7): {"A": 0xFF, "B": 0xFF, "C": 0x3F},
    ("mega", 8): {"A": 0xFF, "C": 0x0F, "D": 0xFF, "F": 0x7F},
    ("mega", 9): {"A": 0xFF, "B": 0x3F, "C": 0xFF, "D": 0xFF, "E": 0x0F, "F": 0x7F},
}

# Pins of the packages, for the check that the port masks add up: the I/O pins plus the
# other pins of the data sheets' pin-outs (supply, ground and, on mega parts, UPDI).
UPDI_PACKAGE_PINS = {("tiny", 2): (8, 2), ("tiny", 4): (14, 2), ("tiny", 6): (20, 2),
                     ("tiny", 7): (24, 2), ("mega", 8): (32, 5), ("mega", 9): (48, 7)}


def updi_devices():
    """One entry per UPDI part, in series order."""
    devices = []
    for series, s in UPDI_SERIES.items():
        for number in s["parts"].split():
            kib, package = int(number[:-2]), int(number[-1])
            if number[-2] != series[-1]:
                raise ValueError("%s%s is not of the %s series" % (s["family"], number, series))
            ram_size = s["sram"][kib]
            devices.append(dict(
                file="U" + (s["family"] + number).upper(), device=s["family"] + number,
                series=series, flash=kib * 1024, eeprom=s["eeprom"][kib],
                ram=(0x4000 - ram_size, 0x3FFF), ports=UPDI_PORTS[(s["family"], package)],
                usarts=s["usarts"][package], adc=s["adc"][package],
                pins=UPDI_PACKAGE_PINS[(s["family"], package)]))
    return devices


def check_updi_tables(devices):
    """Faults of the UPDI tables themselves, before any file is written."""
    faults = []
    names = [d["device"] for d in devices]
    if len(names) != len(set(names)):
        faults.append("a UPDI part is listed twice")
    for d in devices:
        pins, power = d["pins"]
        io = sum(bin(mask).count("1") for mask in d["ports"].values())
        if io + power != pins:
            faults.append("%s: %d I/O pins and %d other pins in a %d-pin package"
                          % (d["device"], io, power, pins))
        ram = d["ram"][1] - d["ram"][0] + 1
        if ram & (ram - 1) and ram % 1024:
            faults.append("%s: SRAM of %d bytes" % (d["device"], ram))
        if not 0 < d["adc"] <= io or not 1 <= d["usarts"] <= 4:
            faults.append("%s: ADC inputs or USART count out of range" % d["device"])
    # The four parts the library started with keep their facts.
    first = {"tiny1614": (16384, 256, 0x3800, 1, 10), "tiny3217": (32768, 256, 0x3800, 1, 12),
             "mega3208": (32768, 256, 0x3000, 3, 12), "mega4809": (49152, 256, 0x2800, 4, 16)}
    for d in devices:
        if d["device"] in first and first[d["device"]] != (
                d["flash"], d["eeprom"], d["ram"][0], d["usarts"], d["adc"]):
            faults.append("%s differs from its earlier description" % d["device"])
    if len(devices) != 45 or not set(first) <= set(names):
        faults.append("expected the 45 parts of the four series, got %d" % len(devices))
    return faults


# Devices that <avr/io.h> describes but the compiler does not know by name: they
# are read through the header with the compiler's core family, which matters for
# nothing read here.
HEADER_ONLY = {
    "atmega48pb": ("avr4", "__AVR_ATmega48PB__"), "atmega88pb": ("avr4", "__AVR_ATmega88PB__"),
    "atmega168pb": ("avr5", "__AVR_ATmega168PB__"),
    "atmega64hve2": ("avr5", "__AVR_ATmega64HVE2__"),
    "attiny441": ("avr25", "__AVR_ATtiny441__"), "attiny841": ("avr25", "__AVR_ATtiny841__"),
    "atxmega32c3": ("avrxmega2", "__AVR_ATxmega32C3__"),
    "atxmega32d3": ("avrxmega2", "__AVR_ATxmega32D3__")}

# Comments that head the fuse bytes in the headers: "/* Low Fuse Byte */",
# "/* Fuse Byte 2 (FUSEBYTE2) */", "/* LFUSE Byte */", "/* Fuse Byte */" ...
FUSE_MARKER = re.compile(
    r"^\s*/\*\s*(?:(Low|High|Extended|L|H|E)\s*FUSE Byte|Fuse Byte(?:\s+(\d))?)\b(.*)\*/\s*$",
    re.IGNORECASE)
FUSE_MARKER_NAME = "<fuse byte>"


def fuse_marker_index(m):
    """Fuse byte index named by a marker comment; None for a reserved byte."""
    if "reserved" in m.group(3).lower():
        return None
    if m.group(1):
        return {"l": 0, "h": 1, "e": 2}[m.group(1)[0].lower()]
    return int(m.group(2) or 0)


def ends_in_comment(line, in_comment):
    """Whether a block comment is open at the end of LINE."""
    pos = 0
    while True:
        if in_comment:
            end = line.find("*/", pos)
            if end < 0:
                return True
            in_comment, pos = False, end + 2
        else:
            start, rest = line.find("/*", pos), line.find("//", pos)
            if start < 0 or 0 <= rest < start:
                return False
            in_comment, pos = True, start + 2


class Header:
    """The macros of one device, in definition order and as a lookup table."""

    def __init__(self, mcu):
        self.mcu = mcu
        if mcu in HEADER_ONLY:
            target = ["-mmcu=" + HEADER_ONLY[mcu][0], "-D" + HEADER_ONLY[mcu][1]]
        else:
            target = ["-mmcu=" + mcu]
        # -C keeps the comments that head each fuse byte of the header
        proc = subprocess.run(
            ["avr-gcc"] + target + ["-E", "-dD", "-C", "-x", "c", "-"],
            input="#include <avr/io.h>\n", capture_output=True, text=True,
            encoding="latin-1")  # some header comments are not UTF-8
        if proc.returncode != 0:
            raise RuntimeError(proc.stderr.strip())
        self.warnings = proc.stderr
        self.text = proc.stdout
        self.order = []  # (name, body) of object-like macros and fuse byte markers, in order
        self.defs = {}
        in_comment = False
        for line in self.text.splitlines():
            starts_in_comment = in_comment
            in_comment = ends_in_comment(line, in_comment)
            if starts_in_comment:
                continue  # documentation text, which may quote #define lines
            marker = FUSE_MARKER.match(line)
            if marker:
                self.order.append((FUSE_MARKER_NAME, fuse_marker_index(marker)))
                continue
            m = re.match(r"#define ([A-Za-z_]\w*)(\(?)\s*(.*)$", line)
            if m:
                if m.group(2):
                    continue  # function-like macro
                body = re.sub(r"/\*.*?(\*/|$)|//.*$", "", m.group(3)).strip()
                self.order.append((m.group(1), body))
                self.defs[m.group(1)] = body
                continue
            m = re.match(r"#undef ([A-Za-z_]\w*)", line)
            if m:
                self.defs.pop(m.group(1), None)
        self.sfr_offset = self.value("__SFR_OFFSET") if "__SFR_OFFSET" in self.defs else 0x20

    def has(self, name):
        return name in self.defs

    def value(self, name_or_expr, local=None, depth=0):
        """Evaluates a macro (or an expression of macros) to an integer."""
        if depth > 20:
            raise ValueError("macro nesting too deep: " + name_or_expr)
        expr = name_or_expr
        if re.fullmatch(r"[A-Za-z_]\w*", expr):
            if local and expr in local:
                expr = local[expr]
            elif expr in self.defs:
                expr = self.defs[expr]
            else:
                raise KeyError(expr)
        expr = re.sub(r"\((unsigned char|uint8_t|uint16_t|int)\)", "", expr)
        expr = re.sub(r"\b(0[xX][0-9a-fA-F]+|\d+)[uUlL]+\b", r"\1", expr)
        expr = re.sub(r"\b_SFR_IO(8|16)\b", "_io", expr)
        expr = re.sub(r"\b_SFR_MEM(8|16|32)\b", "_mem", expr)
        expr = re.sub(r"\b_BV\b", "_bv", expr)

        def subst(m):
            ident = m.group(0)
            if ident in ("_io", "_mem", "_bv") or re.fullmatch(r"0[xX][0-9a-fA-F]+", ident):
                return ident
            return "(%d)" % self.value(ident, local, depth + 1)

        expr = re.sub(r"\b[A-Za-z_]\w*\b", subst, expr)
        rest = re.sub(r"\b(_io|_mem|_bv|0[xX][0-9a-fA-F]+)\b", "", expr)
        if not re.fullmatch(r"[\s\d()+\-*<>&|~^]*", rest):
            raise ValueError("cannot evaluate: " + expr)
        return eval(expr, {"__builtins__": {}},
                    {"_io": lambda a: a + self.sfr_offset, "_mem": lambda a: a,
                     "_bv": lambda n: 1 << n})

    def register(self, name):
        """Data-space address of register NAME, or None when it is no register."""
        seen = set()
        body = self.defs.get(name)
        while body is not None and re.fullmatch(r"[A-Za-z_]\w*", body) and body not in seen:
            seen.add(body)
            body = self.defs.get(body)
        if body is None or not re.search(r"\b_SFR_(IO|MEM)(8|16|32)\b", body):
            return None
        return self.value(body)

    def bit(self, name):
        """Bit number of bit macro NAME (a small constant), or None."""
        body = self.defs.get(name)
        if body is None or not re.fullmatch(r"\(?\d\)?", body.strip()):
            return None
        return int(body.strip("() "))


def device_name(mcu):
    """atmega328p -> mega328P, at90s8515 -> 90S8515, atxmega128a1 -> xmega128A1."""
    base = mcu[2:]
    for family in ("xmega", "mega", "tiny", "90"):
        if base.startswith(family):
            return family + base[len(family):].upper()
    raise ValueError(mcu)


def file_name(mcu):
    base = mcu[2:].upper()
    return (base if base.startswith("XMEGA") else "P" + base) + ".dsc"


def hexa(value, digits=4):
    return "$%0*X" % (digits, value)


def fuse_bytes(h, dev):
    """The fuse bytes 0..2 as {index: (names[8], programmed default bits or None)}.
    The headers define the bit macros FUSE_* byte by byte, each byte headed by a
    comment and mostly closed by its default macro (LFUSE_DEFAULT, HFUSE_DEFAULT,
    EFUSE_DEFAULT, FUSEn_DEFAULT).  Byte 0 is the low, 1 the high, 2 the extended
    fuse byte; on xmega fuse bytes 0, 1 and 2."""
    groups = {}  # index -> {macro name: body}
    defaults = {}
    current = None
    for name, body in h.order:
        if name == FUSE_MARKER_NAME:
            current = body
            continue
        m = re.fullmatch(r"(L|H|E|)FUSE(\d?)_DEFAULT", name)
        if m:
            index = {"L": 0, "H": 1, "E": 2}.get(m.group(1), int(m.group(2) or 0))
            assert current in (None, index), (h.mcu, name, current)
            defaults[index] = body
            current = None
        elif re.fullmatch(r"FUSE_\w+", name) and "_BV" in body:
            assert current is not None, (h.mcu, "fuse bit outside a fuse byte", name)
            groups.setdefault(current, {})[name] = body
    result = {}
    for index, bits in groups.items():
        if index > 2:
            continue
        names = [""] * 8
        for bit_name, bit_body in bits.items():
            mask = ~h.value(bit_body) & 0xFF
            assert bin(mask).count("1") == 1, (h.mcu, bit_name)
            bit = mask.bit_length() - 1
            assert not names[bit], (h.mcu, bit_name, names[bit])
            names[bit] = bit_name[len("FUSE_"):]
        if index in defaults:
            programmed = ~h.value(defaults[index], local=bits) & 0xFF
        elif (dev, index) in FUSE_DEFAULTS:
            programmed = ~FUSE_DEFAULTS[(dev, index)] & 0xFF
        else:
            programmed = None
        result[index] = (names, programmed)
    return result


def lock_bits(h):
    names = [""] * 8
    if h.mcu.startswith("atxmega"):
        for name, _ in h.order:
            m = re.fullmatch(r"NVM_LOCKBITS_(\w+?\d)_bp", name)
            if m:
                names[h.value(name)] = m.group(1)
        if names[6] == "BLBB0":
            names[6] = BOOT_LOCK_NAME  # write lock of the boot section
        return names
    if h.has("__LOCK_BITS_EXIST"):
        names[0], names[1] = "LB1", "LB2"
    if h.has("__BOOT_LOCK_BITS_0_EXIST"):
        names[2], names[3] = "BLB01", "BLB02"
    if h.has("__BOOT_LOCK_BITS_1_EXIST"):
        names[4], names[5] = BOOT_LOCK_NAME, "BLB12"  # BLB11: write lock of the boot section
    return names


def vectors(h):
    """Vector names in vector-number order; RESET first, gaps as RESERVED."""
    by_number = {}
    for name, body in h.order:
        m = re.fullmatch(r"(\w+)_vect", name)
        n = isinstance(body, str) and re.fullmatch(r"_VECTOR\((\d+)\)", body)
        if m and n:
            number = int(n.group(1))
            canonical = h.has(name + "_num")
            old = by_number.get(number)
            if old is None or (canonical and not old[1]):
                by_number[number] = (m.group(1), canonical)
    if not by_number:
        return ["RESET"]
    return ["RESET"] + [by_number[i][0] if i in by_number else "RESERVED"
                        for i in range(1, max(by_number) + 1)]


def mask_bits(bits):
    return sum(1 << i for i, n in enumerate(bits) if n)


def default_text(names, programmed):
    named = [names[i] for i in range(8) if programmed & (1 << i) and names[i]]
    return "+".join(named) if named else "0"


def classic_sections(h, dev):
    sec = {s: [] for s in ("device", "memory", "peripheral", "timer3", "MSPI", "PCINT",
                           "interruptvectors", "controlregs", "LockBitsWR0", "FuseBitsWR0",
                           "FuseBitsWR1", "FuseBitsWR2", "fuses_default", "PortMasks",
                           "BootVectors")}
    reg = h.register
    xmega = h.mcu.startswith("atxmega")
    notes = []

    flash_end = h.value("FLASHEND")
    sec["memory"] += [("idatastart", hexa(h.value("RAMSTART"))),
                      ("idataend", hexa(h.value("RAMEND")))]
    if (xmega and reg("EBI_CTRL")) or (not xmega and (h.has("SRE") or reg("XMCRA"))):
        sec["memory"].append(("xdata", "true"))
    sec["memory"].append(("flashsize", str(flash_end + 1)))
    if h.has("E2END") and h.value("E2END") > 0:
        sec["memory"].append(("eepromsize", str(h.value("E2END") + 1)))

    # Serial ports, SPI, TWI, CAN
    if xmega:
        usarts = [u for u in ("C0", "C1", "D0", "D1", "E0", "E1", "F0", "F1")
                  if reg("USART%s_DATA" % u)]
        serial = [True] * min(4, len(usarts))
        spi = any(reg("SPI%s_DATA" % p) for p in "CDEF")
        twi = any(reg("TWI%s_MASTER_DATA" % p) for p in "CDEF")
    else:
        numbered = any(reg("UDR%d" % n) for n in range(4))
        serial = [bool(reg("UDR0") or reg("UDR")), bool(reg("UDR1")), bool(reg("UDR2")),
                  bool(reg("UDR3"))]
        if numbered:
            sec["device"].append(("UARTN", "true"))
        spi = reg("SPDR") is not None
        twi = reg("TWDR") is not None
    for key, present in zip(("async", "async2", "async3", "async4"), serial):
        if present:
            sec["peripheral"].append((key, "true"))
    if spi:
        sec["peripheral"].append(("spi", "true"))
    if twi:
        sec["peripheral"].append(("I2C", "true"))

    # A/D converter
    adc = None
    if xmega:
        if reg("ADCA_CTRLA"):
            pins = set(re.findall(r"\bADC_CH_MUXPOS_PIN(\d+)_gc\b", h.text))
            adc = len(pins) or None
    elif reg("ADCL") or reg("ADCW") or reg("ADC"):
        if dev in ADC_CHANNELS:
            adc = ADC_CHANNELS[dev]
        else:
            didr = [n for n, _ in h.order if re.fullmatch(r"ADC\d+D", n)]
            adc = len(set(didr)) or None
        if adc is None:
            notes.append("A/D converter without a known channel count")
    if adc:
        sec["peripheral"].append(("adc", str(adc)))
    if reg("CANGCON"):
        sec["peripheral"].append(("CAN", "true"))

    # Timers and compare outputs
    if not xmega:
        for key, r in (("pwm1", "OCR1A"), ("pwm2", "OCR1B"), ("pwm3", "OCR1C")):
            if reg(r):
                sec["peripheral"].append((key, "true"))
        for n in (2, 3, 4, 5):
            if reg("TCNT%d" % n) or reg("TCCR%dA" % n):
                sec["peripheral"].append(("Timer%d" % n, "true"))
        for key, r in (("oc3A", "OCR3A"), ("oc3B", "OCR3B"), ("oc3C", "OCR3C")):
            if reg(r):
                sec["timer3"].append((key, hexa(reg(r))))

        # USART in SPI master mode: UMSELn1 (numbered USARTs) or UMSEL1 beside
        # UMSEL0 (the one USART of a part with an unnumbered UDR)
        for n in range(4):
            if h.has("UMSEL%d1" % n) or (n == 0 and reg("UDR") and h.has("UMSEL1")
                                          and h.has("UMSEL0") and not reg("UDR1")):
                sec["MSPI"].append(("MSPI%d" % n, "true"))

        for n in range(4):
            r = "PCMSK%d" % n
            if reg(r):
                sec["PCINT"].append(("PCINT%d" % n, r))
            elif n == 0 and reg("PCMSK"):
                sec["PCINT"].append(("PCINT0", "PCMSK"))

        if reg("ASSR"):
            sec["controlregs"].append(("assr", hexa(reg("ASSR"))))

    sec["interruptvectors"] = vectors(h)

    # Ports
    masks = []
    for p in PORT_LETTERS:
        if xmega:
            out, inp, ddr = reg("PORT%s_OUT" % p), reg("PORT%s_IN" % p), reg("PORT%s_DIR" % p)
            bits = None
            if out and XMEGA_44PIN.match(h.mcu):
                bits = XMEGA_44PIN_MASKS.get(p)
        else:
            out, inp, ddr = reg("PORT" + p), reg("PIN" + p), reg("DDR" + p)
            bits = sum(1 << b for b in range(8)
                       if h.has("PORT%s%d" % (p, b)) or h.has("P%s%d" % (p, b)))
            if out and not bits:
                notes.append("port %s has no pin names" % p)
                bits = None
        for key, addr in (("port", out), ("pin", inp), ("ddr", ddr)):
            if addr:
                sec["controlregs"].append((key + p.lower(), hexa(addr)))
        if out and bits is not None:
            masks.append(("mask" + p.lower(), hexa(bits, 2)))
    sec["PortMasks"] = masks

    # Lock and fuse bits
    locks = lock_bits(h)
    if mask_bits(locks):
        sec["LockBitsWR0"] = [(str(i), n) for i, n in enumerate(locks) if n]
        sec["LockBitsWR0"].append(("mask", hexa(mask_bits(locks), 2)))
    fuses = fuse_bytes(h, dev)
    for index, (names, programmed) in sorted(fuses.items()):
        if not mask_bits(names):
            continue
        section = "FuseBitsWR%d" % index
        sec[section] = [(str(i), n) for i, n in enumerate(names) if n]
        sec[section].append(("mask", hexa(mask_bits(names), 2)))
        if programmed is None:
            notes.append("fuse byte %d has no default" % index)
            continue
        unnamed = programmed & ~mask_bits(names)
        if unnamed:
            notes.append("fuse byte %d default programs unnamed bits %s"
                         % (index, hexa(unnamed, 2)))
        sec["fuses_default"].append(("FuseBits%d" % index, default_text(names, programmed)))
    all_fuse_names = {n for names, _ in fuses.values() for n in names}
    if xmega:
        all_fuse_names |= {k[len("FUSE_"):] for k, _ in h.order if k.startswith("FUSE_")}
    if "JTAGEN" in all_fuse_names:
        sec["device"].append(("JTAG", "true"))

    # Boot areas, as flash word addresses
    last_word = (flash_end + 1) // 2 - 1
    if xmega and h.has("BOOT_SECTION_START"):
        sec["device"] += [("BOOTRST0", hexa(h.value("BOOT_SECTION_START") // 2, 5)),
                          ("BOOTRSTE", hexa(last_word, 5))]
    elif "BOOTSZ0" in all_fuse_names:
        if dev in BOOT_MIN_WORDS:
            smallest = BOOT_MIN_WORDS[dev]
            for n in range(4):
                sec["device"].append(("BOOTRST%d" % n,
                                      hexa(last_word + 1 - (smallest << (3 - n)), 5)))
            sec["device"].append(("BOOTRSTE", hexa(last_word, 5)))
        else:
            notes.append("boot area sizes unknown: no BOOTRST keys")

    if not xmega and h.bit("IVCE") is not None:
        sec["BootVectors"].append(("ivce", str(h.bit("IVCE") + 1)))
    return sec, notes


def updi_sections(d):
    sec = {s: [] for s in ("device", "memory", "peripheral", "interruptvectors",
                           "controlregs", "PortMasks")}
    sec["device"].append(("UARTN", "true"))
    sec["memory"] += [("idatastart", hexa(d["ram"][0])), ("idataend", hexa(d["ram"][1])),
                      ("flashsize", str(d["flash"])), ("eepromsize", str(d["eeprom"]))]
    for key in ("async", "async2", "async3", "async4")[:d["usarts"]]:
        sec["peripheral"].append((key, "true"))
    sec["peripheral"] += [("spi", "true"), ("I2C", "true"), ("adc", str(d["adc"]))]
    sec["interruptvectors"] = ["RESET"]
    for p in PORT_LETTERS:
        if p in d["ports"]:
            base = 0x0400 + 0x20 * "ABCDEF".index(p)
            sec["controlregs"] += [("port" + p.lower(), hexa(base + 4)),
                                   ("pin" + p.lower(), hexa(base + 8)),
                                   ("ddr" + p.lower(), hexa(base))]
            sec["PortMasks"].append(("mask" + p.lower(), hexa(d["ports"][p], 2)))
    return sec


def render(comment, dev, sections):
    lines = ["; " + c for c in comment]
    lines += ["", "[device]", "device=" + dev, "HLL=true"]
    for key, value in sections.pop("device"):
        lines.append("%s=%s" % (key, value))
    for name, entries in sections.items():
        if not entries:
            continue
        lines += ["", "[%s]" % name]
        for entry in entries:
            lines.append(entry if isinstance(entry, str) else "%s=%s" % entry)
    return "\n".join(lines) + "\n"


# Checks of the written files, read the way the wizard's loader reads them.

def read_ini(text):
    sections, current = {}, None
    for raw in text.splitlines():
        line = raw.strip()
        if not line or line.startswith(";"):
            continue
        if line.startswith("[") and line.endswith("]"):
            current = sections.setdefault(line[1:-1].strip().lower(), {"": []})
        elif current is not None:
            if "=" in line:
                key, value = line.split("=", 1)
                current.setdefault(key.strip().lower(), value.strip())
            else:
                current[""].append(line)
    return sections


def to_int(text, default):
    text = (text or "").strip()
    try:
        if text.startswith("$"):
            return int(text[1:], 16)
        if text[:2].lower() == "0x" and len(text) > 2:
            return int(text[2:], 16)
        return int(text, 10)
    except ValueError:
        return default


def check_file(path):
    """Returns a list of faults of one written file."""
    faults = []
    with open(path, encoding="ascii") as f:
        ini = read_ini(f.read())
    get = lambda s, k: ini.get(s.lower(), {}).get(k.lower())
    name = os.path.basename(path).upper()
    if not (name.startswith(("PTINY", "XMEGA", "UTINY", "UMEGA")) or "P90" in name[:4]
            or "MEGA" in name[:5]):
        faults.append("file name fits no family")
    if not get("device", "device"):
        faults.append("no device name")
    if get("device", "HLL") != "true":
        faults.append("HLL not true")
    size = to_int(get("memory", "idataend"), -1) - to_int(get("memory", "idatastart"), -1) + 1
    if size <= 1:
        faults.append("no internal RAM")
    for p in PORT_LETTERS.lower():
        if to_int(get("controlregs", "port" + p), 0) > 0 and \
                to_int(get("PortMasks", "mask" + p), 255) & 0xFF == 0:
            faults.append("port %s without pins" % p)
    for n in range(3):
        names = [(get("FuseBitsWR%d" % n, str(b)) or "").upper() for b in range(8)]
        mask = to_int(get("FuseBitsWR%d" % n, "mask"), 0)
        if mask != sum(1 << b for b in range(8) if names[b]):
            faults.append("fuse byte %d mask differs from its names" % n)
        named = [x for x in names if x]
        if len(named) != len(set(named)):
            faults.append("fuse byte %d names a bit twice" % n)
        default = get("fuses_default", "FuseBits%d" % n)
        if default and default != "0":
            for part in default.upper().split("+"):
                if part not in names:
                    faults.append("fuse default %d names %s, no bit of that byte" % (n, part))
    locks = [get("LockBitsWR0", str(b)) for b in range(8)]
    if to_int(get("LockBitsWR0", "mask"), 0) != sum(1 << b for b in range(8) if locks[b]):
        faults.append("lock mask differs from its names")
    boot = [to_int(get("device", "BOOTRST%d" % n), -1) for n in range(4)]
    end = to_int(get("device", "BOOTRSTE"), -1)
    flash_words = to_int(get("memory", "flashsize"), 0) // 2
    if boot[0] > 0:
        if not 0 < end < flash_words or end != flash_words - 1:
            faults.append("BOOTRSTE is not the last flash word")
        present = [b for b in boot if b > 0]
        if any(not 0 < b <= end for b in present) or present != sorted(present):
            faults.append("boot areas outside the flash or out of order")
    vectors_list = ini.get("interruptvectors", {"": []})[""]
    if not vectors_list or vectors_list[0] != "RESET":
        faults.append("vector list does not begin with RESET")
    for key in ("oc3A", "oc3B", "oc3C"):
        if get("timer3", key) is not None and to_int(get("timer3", key), -1) < 0:
            faults.append(key + " not an address")
    return faults


def write_updi(out, written):
    for d in updi_devices():
        comment = ["%s description for the wizard (UPDI, %s series), written by" % (
                       d["device"], d["series"][:-1] + " " + d["series"][-1]),
                   "tools/gen_devices.py from the data sheet's facts; regenerate instead of",
                   "editing."]
        path = os.path.join(out, d["file"] + ".dsc")
        with open(path, "w", encoding="ascii", newline="\n") as f:
            f.write(render(comment, d["device"], updi_sections(d)))
        written.append(path)


def check_bundled_updi(bundled):
    """Writes the UPDI files to a temporary folder and compares them with the bundled ones."""
    with tempfile.TemporaryDirectory() as tmp:
        written = []
        write_updi(tmp, written)
        faults = [f for path in written for f in check_file(path)]
        for path in written:
            name = os.path.basename(path)
            try:
                with open(os.path.join(bundled, name), "rb") as f:
                    same = f.read() == open(path, "rb").read()
            except OSError:
                same = False
            if not same:
                faults.append(name + " differs from what the tables write")
        stale = {n for n in os.listdir(bundled) if n.upper().startswith(("UTINY", "UMEGA"))}
        faults += ["%s is written by no table" % n
                   for n in sorted(stale - {os.path.basename(p) for p in written})]
    for fault in faults:
        print(fault, file=sys.stderr)
    print("%d UPDI files checked, %d faults" % (len(written), len(faults)))
    return 1 if faults else 0


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--out", default=os.path.join(os.path.dirname(here), "devices"))
    parser.add_argument("--keep", action="store_true")
    parser.add_argument("--updi-only", action="store_true")
    parser.add_argument("--check", action="store_true")
    args = parser.parse_args()
    if args.check:
        return check_bundled_updi(args.out)

    table_faults = check_updi_tables(updi_devices())
    for fault in table_faults:
        print("UPDI table: " + fault, file=sys.stderr)
    if table_faults:
        return 1

    os.makedirs(args.out, exist_ok=True)
    written, skipped, all_notes = [], [], []
    if args.updi_only:
        mcus = []
    else:
        help_text = subprocess.run(["avr-gcc", "--target-help"], capture_output=True,
                                   text=True).stdout
        known = help_text.split("Known MCU names:", 1)[1].split("\n\n", 1)[0].split()
        mcus = sorted({m for m in known + list(HEADER_ONLY)
                       if re.match(r"^at(90s|90c|90can|90pwm|90usb|90scr|tiny|mega|xmega)\d", m)})
        version = subprocess.run(["avr-gcc", "-E", "-dM", "-x", "c", "-mmcu=atmega8", "-"],
                                 input="#include <avr/version.h>\n", capture_output=True,
                                 text=True).stdout
        m = re.search(r"#define __AVR_LIBC_VERSION_STRING__ \"([^\"]+)\"", version)
        libc = "avr-libc " + (m.group(1) if m else "(unknown version)")

    for mcu in mcus:
        try:
            h = Header(mcu)
        except RuntimeError as e:
            skipped.append((mcu, "no compiler support: " + e.args[0].splitlines()[-1]))
            continue
        if "device type not defined" in h.warnings:
            skipped.append((mcu, "no device header"))
            continue
        if h.value("RAMEND") < h.value("RAMSTART"):
            skipped.append((mcu, "no SRAM"))
            continue
        dev = device_name(mcu)
        sections, notes = classic_sections(h, dev)
        comment = ["AT" + dev + " description for the wizard, written by tools/gen_devices.py",
                   "from the " + libc + " device header; regenerate instead of editing."]
        path = os.path.join(args.out, file_name(mcu))
        with open(path, "w", encoding="ascii", newline="\n") as f:
            f.write(render(comment, dev, sections))
        written.append(path)
        all_notes += ["%s: %s" % (dev, n) for n in notes]

    write_updi(args.out, written)

    if not args.keep and not args.updi_only:
        for old in os.listdir(args.out):
            full = os.path.join(args.out, old)
            if old.endswith(".dsc") and full not in written:
                os.remove(full)

    failed = False
    for path in written:
        for fault in check_file(path):
            print("%s: %s" % (os.path.basename(path), fault), file=sys.stderr)
            failed = True
    families = {}
    for path in written:
        base = os.path.basename(path)
        family = ("XMEGA" if base.startswith("XMEGA") else "UPDI" if base.startswith("U")
                  else "TINY" if base.startswith("PTINY") else "MEGA" if base.startswith("PMEGA")
                  else "AVR")
        families[family] = families.get(family, 0) + 1
    print("wrote %d files: %s" % (len(written), ", ".join(
        "%s %d" % kv for kv in sorted(families.items()))))
    for mcu, why in skipped:
        print("skipped %s: %s" % (mcu, why))
    for note in all_notes:
        print("note " + note)
    if len(written) < 200 and not args.updi_only:
        print("fewer than 200 controllers", file=sys.stderr)
        failed = True
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
