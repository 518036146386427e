#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""The resources and imports of the built Windows programs, read back from the files: for
morvane.exe the version record, icon group 1 with its one 48 x 48 24-bit opaque image, the
manifest and the menu texts in four languages; for both programs, imports of system DLLs only.

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


def resource(kind, name=None, language=None):
    args = [wrestool, "-x", "--raw", "-t", str(kind)]
    args += ["-n", str(name)] if name is not None else []
    args += ["-L", str(language)] if language is not None else []
    return subprocess.run(args + [window_exe], capture_output=True, check=True).stdout


def utf16(text):
    return text.encode("utf-16-le")


# The version record: the fixed part gives 1.0.0.0, the texts "1.00" and the names, in the
# Italian Unicode block, and the translation 0x0410 / 1200.
version = resource(16, 1)
fixed = version.find(struct.pack("<I", 0xFEEF04BD))
check(fixed > 0, "version record has no fixed file information")
file_ms, file_ls, product_ms, product_ls = struct.unpack("<4I", version[fixed + 8:fixed + 24])
check((file_ms, file_ls, product_ms, product_ls) == (0x10000, 0, 0x10000, 0),
      "file and product versions are not 1.0.0.0")
check(utf16("041004B0") in version or utf16("041004b0") in version,
      "no Italian Unicode (041004B0) string block")
for key, value in (("FileVersion", version_text), ("ProductVersion", version_text),
                   ("ProductName", "Morvane"), ("InternalName", "Morvane")):
    check(re.search(re.escape(utf16(key)) + b"(\x00\x00)+" + re.escape(utf16(value)) + b"\x00\x00",
                    version) is not None, "version record: %s is not %r" % (key, value))
check(re.search(re.escape(utf16("Translation")) + b"(\x00\x00)+" +
                re.escape(struct.pack("<HH", 0x0410, 1200)), version) is not None,
      "version record: translation is not 0x0410 / 1200")

# Icon group 1: one entry, 48 x 48, 24 bits; its image opaque.
group = resource(14, 1)
_, _, count = struct.unpack("<3H", group[:6])
check(count == 1, "icon group 1 holds %d images, not 1" % count)
width, height, _, _, _, bits, _, image_id = struct.unpack("<4B2HIH", group[6:20])
check((width, height, bits) == (48, 48, 24), "icon is %dx%d, %d bits" % (width, height, bits))
image = resource(3, image_id)
header_size, _, _, _, image_bits = struct.unpack("<IiiHH", image[:16])
mask = image[header_size + 48 * 48 * 3:]
# The mask's rows of 48 bits are padded to 64.
check(image_bits == 24 and len(mask) == 48 * 8 and not any(mask),
      "icon image is not 24-bit with an empty mask")

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
for exe in (window_exe, cli_exe):
    dump = subprocess.run([objdump, "-p", exe], capture_output=True, text=True, check=True).stdout
    imports = {name.lower() for name in re.findall(r"DLL Name: (\S+)", dump)}
    check(imports and imports <= SYSTEM, "%s imports %s" % (exe, sorted(imports - SYSTEM)))

for failure in failures:
    print(failure)
sys.exit(1 if failures else 0)
