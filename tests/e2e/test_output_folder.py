"""The program's folder is self-contained and the engine pair exports the calls the program binds."""

import os
import re
import subprocess
import unittest
from pathlib import Path

OUTPUT = Path(os.environ["VELMORA_OUTPUT_DIR"])
TRIPLE = os.environ["VELMORA_CROSS_TRIPLE"]
# objdump's name of each build's executable format.
FILE_FORMAT = {"i686-w64-mingw32": "pei-i386", "x86_64-w64-mingw32": "pei-x86-64"}[TRIPLE]
SYSTEM_DLLS = {"kernel32.dll", "user32.dll", "gdi32.dll", "msvcrt.dll", "winmm.dll",
               "shell32.dll", "comctl32.dll", "advapi32.dll", "ole32.dll", "msimg32.dll",
               "uxtheme.dll", "dwmapi.dll", "gdiplus.dll", "shlwapi.dll", "ws2_32.dll"}
ENGINE_CALLS = {
    "bass.dll": {"BASS_GetVersion", "BASS_Init", "BASS_StreamCreateFile",
                 "BASS_ChannelSetAttribute", "BASS_ChannelPlay", "BASS_ChannelStop",
                 "BASS_StreamFree", "BASS_ChannelIsActive", "BASS_Stop", "BASS_Free"},
    "bass_fx.dll": {"BASS_FX_TempoCreate"},
}
# LGPL libraries stay replaceable: their own DLLs beside the program, bound by the engine pair.
LGPL_DLLS = {"bass.dll": "libmpg123.dll", "bass_fx.dll": "libsoundtouch.dll"}


def pe_info(path):
    return subprocess.run([f"{TRIPLE}-objdump", "-p", str(path)], capture_output=True,
                          text=True, check=True).stdout


def imported_dlls(path):
    return {name.lower() for name in re.findall(r"DLL Name: (\S+)", pe_info(path))}


def exported_names(path):
    table = pe_info(path).split("[Ordinal/Name Pointer] Table", 1)[1]
    return set(re.findall(r"^\s+\[\s*\d+\]\s+(\S+)$", table, re.MULTILINE))


class OutputFolderTest(unittest.TestCase):
    def test_every_binary_is_built_for_this_build_s_windows(self):
        for binary in [OUTPUT / "Velmora.exe", *OUTPUT.glob("*.dll")]:
            with self.subTest(binary=binary.name):
                self.assertIn(f"file format {FILE_FORMAT}", pe_info(binary))

    def test_every_binary_needs_only_system_dlls_or_its_neighbours(self):
        neighbours = {p.name.lower() for p in OUTPUT.glob("*.dll")}
        for binary in [OUTPUT / "Velmora.exe", *OUTPUT.glob("*.dll")]:
            with self.subTest(binary=binary.name):
                self.assertLessEqual(imported_dlls(binary), SYSTEM_DLLS | neighbours)

    def test_engine_exports_exactly_the_undecorated_calls(self):
        for dll, calls in ENGINE_CALLS.items():
            with self.subTest(dll=dll):
                self.assertEqual(exported_names(OUTPUT / dll), calls)

    def test_lgpl_libraries_are_dlls_of_their_own(self):
        for dll, library in LGPL_DLLS.items():
            with self.subTest(dll=dll):
                self.assertIn(library, imported_dlls(OUTPUT / dll))
                self.assertIn(library, {p.name.lower() for p in OUTPUT.glob("*.dll")})


if __name__ == "__main__":
    unittest.main()
