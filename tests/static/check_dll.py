#!/usr/bin/python3
"""Static checks of a built QuorlinkU.dll: what the host and Windows see
without running it. Usage: check_dll.py DLL MACHINE VERSION
(MACHINE: i386 or amd64; VERSION: the project's, such as 2.0.0.9)."""

import sys

import pefile

EXPORTS = {
    "AboutProc",
    "InitText2LTProc",
    "Quor_GetMenuItemInfo",
    "Quor_GetPluginInfo",
    "Quor_IsSupportsPluginUnicode",
    "StartLTProc",
    "Text2LTProc",
}
SYSTEM_DLLS = {"kernel32.dll", "user32.dll", "advapi32.dll", "shell32.dll", "msvcrt.dll"}
# What the DLL may take from the C runtime: memory moves, no allocation, no
# exit or abort, no I/O. Anything else means runtime code that can fail or end
# the host's process came into the link.
RUNTIME_FUNCTIONS = {"memcpy", "memmove", "memset", "memcmp"}
MACHINES = {"i386": pefile.MACHINE_TYPE["IMAGE_FILE_MACHINE_I386"],
            "amd64": pefile.MACHINE_TYPE["IMAGE_FILE_MACHINE_AMD64"]}
VFT_DLL = 2


def check(pe, machine, version):
    failures = []
    major, minor, patch, tweak = (int(part) for part in version.split("."))
    version_ms, version_ls = (major << 16) | minor, (patch << 16) | tweak
    version_text = f"{major}, {minor}, {patch}, {tweak}"

    def expect(condition, what):
        if not condition:
            failures.append(what)

    expect(pe.FILE_HEADER.Machine == MACHINES[machine], f"machine is {machine}")
    expect(pe.FILE_HEADER.Characteristics & pefile.IMAGE_CHARACTERISTICS["IMAGE_FILE_DLL"], "a DLL")
    expect((machine == "i386") == (pe.OPTIONAL_HEADER.Magic == pefile.OPTIONAL_HEADER_MAGIC_PE),
           "PE32 for i386, PE32+ for amd64")
    expect(pe.FILE_HEADER.TimeDateStamp == 0, "no link timestamp")

    export_table = getattr(pe, "DIRECTORY_ENTRY_EXPORT", None)
    exports = {s.name.decode(): s.address for s in export_table.symbols} if export_table else {}
    expect(set(exports) == EXPORTS, f"exports exactly {sorted(EXPORTS)}, got {sorted(exports)}")
    expect(exports.get("AboutProc") == exports.get("Quor_IsSupportsPluginUnicode"),
           "AboutProc and Quor_IsSupportsPluginUnicode at one address")

    imports = {entry.dll.decode().lower() for entry in getattr(pe, "DIRECTORY_ENTRY_IMPORT", [])}
    expect(imports <= SYSTEM_DLLS, f"imports from system DLLs only, got {sorted(imports)}")
    runtime = {imported.name.decode() for entry in getattr(pe, "DIRECTORY_ENTRY_IMPORT", [])
               if entry.dll.decode().lower() == "msvcrt.dll" for imported in entry.imports if imported.name}
    expect(runtime <= RUNTIME_FUNCTIONS,
           f"from the C runtime only {sorted(RUNTIME_FUNCTIONS)}, got {sorted(runtime - RUNTIME_FUNCTIONS)} too")

    if not hasattr(pe, "VS_FIXEDFILEINFO"):
        return failures + ["a version resource"]
    fixed = pe.VS_FIXEDFILEINFO[0]
    expect((fixed.FileVersionMS, fixed.FileVersionLS) == (version_ms, version_ls), f"file version {version}")
    expect((fixed.ProductVersionMS, fixed.ProductVersionLS) == (version_ms, version_ls),
           f"product version {version}")
    expect(fixed.FileType == VFT_DLL, "file type DLL")

    tables = {table.LangID.decode().lower(): table.entries
              for info in pe.FileInfo[0] if info.Key == b"StringFileInfo"
              for table in info.StringTable}
    strings = {k.decode(): v.decode() for k, v in tables.get("041904b0", {}).items()}
    expect("041904b0" in tables, f"string block 041904b0, got {sorted(tables)}")
    expect(strings.get("FileVersion") == version_text, f"FileVersion string '{version_text}'")
    expect(strings.get("ProductVersion") == version_text, f"ProductVersion string '{version_text}'")
    expect(strings.get("ProductName") == "Quorlink", "ProductName 'Quorlink'")
    return failures


def main():
    path, machine, version = sys.argv[1], sys.argv[2], sys.argv[3]
    pe = pefile.PE(path)
    failures = check(pe, machine, version)
    for failure in failures:
        print(f"FAILED: {path}: expected {failure}")
    print(f"{path}: {len(failures)} failed checks")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
