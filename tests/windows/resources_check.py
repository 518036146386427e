#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""The resources and imports of the built Windows programs, read back from the files: for
both programs the version record and icon group 1 with its one 48 x 48 24-bit opaque image;
for morvane.exe the manifest and the menu texts in four languages; for both, imports of system
DLLs only, of functions of Windows 10 version 1607 at the latest, which their headers state.

Usage: resources_check.py WRESTOOL OBJDUMP MORVANE_EXE MORVANE_CLI_EXE VERSION_TEXT"""
import re
import struct
import subprocess
import sys

wrestool, objdump, window_exe, cli_exe, version_text = sys.argv[1:6]
failures = []


def check(condition, what):
    if not condition:
        failures.append(what)


def resource(kind, name=None, language=None, exe=window_exe):
    args = [wrestool, "-x", "--raw", "-t", str(kind)]
    args += ["-n", str(name)] if name is not None else []
    args += ["-L", str(language)] if language is not None else []
    return subprocess.run(args + [exe], capture_output=True, check=True).stdout


def utf16(text):
    return text.encode("utf-16-le")


# The version records: the fixed part gives 1.0.0.0, the texts "1.00" and the names, in one
# Unicode block of the program's language, and that translation. The window's is Italian.
for exe, language, internal_name in ((window_exe, 0x0410, "Morvane"),
                                     (cli_exe, 0x0409, "morvane-cli")):
    version = resource(16, 1, exe=exe)
    group = resource(14, 1, exe=exe)
    fixed = version.find(struct.pack("<I", 0xFEEF04BD))
    if fixed <= 0 or not group:
        check(False, "%s: no version record or no icon group 1" % exe)
        continue
    file_ms, file_ls, product_ms, product_ls = struct.unpack("<4I", version[fixed + 8:fixed + 24])
    check((file_ms, file_ls, product_ms, product_ls) == (0x10000, 0, 0x10000, 0),
          "%s: file and product versions are not 1.0.0.0" % exe)
    block = "%04X04B0" % language
    check(utf16(block) in version or utf16(block.lower()) in version,
          "%s: no %s string block" % (exe, block))
    for key, value in (("FileVersion", version_text), ("ProductVersion", version_text),
                       ("ProductName", "Morvane"), ("InternalName", internal_name)):
        check(re.search(re.escape(utf16(key)) + b"(\x00\x00)+" + re.escape(utf16(value)) +
                        b"\x00\x00", version) is not None,
              "%s: version record: %s is not %r" % (exe, key, value))
    check(re.search(re.escape(utf16("Translation")) + b"(\x00\x00)+" +
                    re.escape(struct.pack("<HH", language, 1200)), version) is not None,
          "%s: version record: translation is not 0x%04x / 1200" % (exe, language))

    # Icon group 1: one entry, 48 x 48, 24 bits; its image opaque.
    _, _, count = struct.unpack("<3H", group[:6])
    check(count == 1, "%s: icon group 1 holds %d images, not 1" % (exe, count))
    width, height, _, _, _, bits, _, image_id = struct.unpack("<4B2HIH", group[6:20])
    check((width, height, bits) == (48, 48, 24),
          "%s: icon is %dx%d, %d bits" % (exe, width, height, bits))
    image = resource(3, image_id, exe=exe)
    header_size, _, _, _, image_bits = struct.unpack("<IiiHH", image[:16])
    mask = image[header_size + 48 * 48 * 3:]
    # The mask's rows of 48 bits are padded to 64.
    check(image_bits == 24 and len(mask) == 48 * 8 and not any(mask),
          "%s: icon image is not 24-bit with an empty mask" % exe)

manifest = resource(24, 1).decode()
check("Microsoft.Windows.Common-Controls" in manifest and 'version="6.0.0.0"' in manifest,
      "manifest does not ask for common controls 6")
check("PerMonitorV2" in manifest, "manifest does not ask for per-monitor DPI awareness")

# String table 13 holds strings 192-207: "Copy Plain Number" is 207, in each language.
for language, text in ((0x409, "Copy Plain &Number"), (0x410, "Copia &numero semplice"),
                       (0x407, "Reine &Zahl kopieren"), (0x40C, "Copier le &nombre brut")):
    check(utf16(text) in resource(6, 13, language), "no %r in language 0x%x" % (text, language))

SYSTEM = {"kernel32.dll", "user32.dll", "gdi32.dll", "comctl32.dll", "msvcrt.dll",
          "advapi32.dll", "shell32.dll", "ole32.dll", "ntdll.dll"}
# The programs may call functions up to Windows 10 1607 (build 14393; the window's per-monitor
# DPI ones), the minimum their headers and the installer state, and none of these, which came
# later (with the build that brought them).
LATER_FUNCTIONS = {
    "SetProcessDpiAwarenessContext": 15063, "GetDpiFromDpiAwarenessContext": 17134,
    "GetSystemDpiForProcess": 17134, "SetThreadDpiHostingBehavior": 17134,
    "GetDpiAwarenessContextForProcess": 17134, "GetDialogDpiChangeBehavior": 15063,
    "SetDialogDpiChangeBehavior": 15063, "SetDialogControlDpiChangeBehavior": 15063,
    "GetDialogControlDpiChangeBehavior": 15063,
}
for exe in (window_exe, cli_exe):
    dump = subprocess.run([objdump, "-p", exe], capture_output=True, text=True, check=True).stdout
    imports = {name.lower() for name in re.findall(r"DLL Name: (\S+)", dump)}
    check(imports and imports <= SYSTEM, "%s imports %s" % (exe, sorted(imports - SYSTEM)))
    functions = set(re.findall(r"^\s+[0-9a-f]+\s+\d+\s+(\w+)$", dump, re.MULTILINE))
    later = sorted(functions & LATER_FUNCTIONS.keys())
    check(not later, "%s calls functions later than Windows 10 1607: %s" % (exe, later))
    stated = [int(re.search(r"^%s\s+(\d+)" % field, dump, re.MULTILINE).group(1)) for field in
              ("MajorOSystemVersion", "MinorOSystemVersion", "MajorSubsystemVersion",
               "MinorSubsystemVersion")]
    check(stated == [10, 0, 10, 0], "%s states Windows %d.%d (subsystem %d.%d), not 10.0"
          % ((exe,) + tuple(stated)))

for failure in failures:
    print(failure)
sys.exit(1 if failures else 0)
