#!/usr/bin/env python3
"""Checks a release as a Windows user would receive it, entry by entry, and the setup.

    check_archive.py DIST_DIR SOURCE_DIR COMMIT_EPOCH

DIST_DIR holds Vaporquill-<version>-win64.zip, Vaporquill-<version>-setup-win64.exe and
SHA256SUMS; the version is read from SOURCE_DIR/VERSION. Prints one line per check and exits 1
when any fails.
"""
import hashlib
import io
import re
import struct
import subprocess
import sys
import tempfile
import time
import zipfile
from pathlib import Path

ENTRIES = ["Vaporquill.scr", "Vaporquill.dll", "README.txt", "LICENSE.txt"]
PROGRAMS = ENTRIES[:2]
BOM = b"\xef\xbb\xbf"

# DLLs every Windows installation has in its system folder; anything else (the MinGW
# runtime above all) would have to sit beside the pair, which the archive does not ship.
SYSTEM_DLLS = {
    "kernel32.dll", "user32.dll", "gdi32.dll", "msvcrt.dll", "advapi32.dll",
    "winmm.dll", "opengl32.dll", "glu32.dll", "comdlg32.dll", "shell32.dll", "msimg32.dll",
    "ole32.dll", "oleaut32.dll",  # the system's picture loader, for the preview's JPEG
    "oleacc.dll",  # Active Accessibility, through which the dialog answers screen readers
}

AMD64 = 0x8664
PE32_PLUS = 0x20B
GUI = 2

# What README.txt must tell, in both languages: (topic, phrases that must all appear).
README_TOPICS = [
    ("the two files", ["Vaporquill.scr", "Vaporquill.dll"]),
    ("side by side", ["同じフォルダーに並べて", "side by side in one folder"]),
    ("install", ["右クリック", "「インストール」", "Right-click Vaporquill.scr", 'choose "Install"']),
    ("music", ["「設定」", "無し", "音楽CD", "曲目をﾘﾋﾟｰﾄ", "MP3", "WAV", '"Settings"']),
    ("settings file", ["Vaporquill.ini"]),
    ("a folder the user can write to", ["書き込みのできるフォルダー", "folder you can write to",
                                        "C:\\Program Files"]),
    ("exchange folder", ["C:\\q_vosk"]),
    ("uninstall", ["アンインストール", "Uninstall", "別のスクリーン セーバー", "another screen saver"]),
    ("the setup, the other way", ["Vaporquill-@VERSION@-setup-win64.exe", "セットアップ", "管理者の権限はいりません",
                                  "no administrator rights", "%LOCALAPPDATA%\\Programs\\Vaporquill",
                                  "/quiet", "/uninstall /quiet", "インストールされているアプリ", "Installed apps"]),
]

# Resource types and the setup's numbers for the pair it carries (setup/payload_win32.h).
RT_ICON_GROUP = 14
RT_MANIFEST = 24
RT_RCDATA = 10
CARRIED = {101: "Vaporquill.scr", 102: "Vaporquill.dll"}


class Release:
    def __init__(self, dist, source, epoch):
        self.version = (source / "VERSION").read_text().split()[0]
        self.name = f"Vaporquill-{self.version}-win64.zip"
        self.zip_bytes = (dist / self.name).read_bytes()
        self.setup_name = f"Vaporquill-{self.version}-setup-win64.exe"
        self.setup_bytes = (dist / self.setup_name).read_bytes()
        self.sums = (dist / "SHA256SUMS").read_text()
        self.archive = zipfile.ZipFile(io.BytesIO(self.zip_bytes))
        self.source = source
        self.epoch = epoch

    def read(self, name):
        return self.archive.read(name)


def check_entries(r):
    names = r.archive.namelist()
    if names != ENTRIES:
        return [f"entries {names}, expected {ENTRIES} in this order"]
    return []


def check_entry_attributes(r):
    t = time.gmtime(r.epoch)
    commit_time = (t.tm_year, t.tm_mon, t.tm_mday, t.tm_hour, t.tm_min, t.tm_sec - t.tm_sec % 2)
    problems = []
    for info in r.archive.infolist():
        if info.date_time != commit_time:
            problems.append(f"{info.filename}: time {info.date_time}, not the commit's {commit_time}")
        if info.external_attr >> 16 != 0o100644:
            problems.append(f"{info.filename}: mode {oct(info.external_attr >> 16)}, not 0o100644")
    return problems


def pe_facts(data):
    """Machine, optional-header magic, subsystem and link time stamp of a PE file."""
    if data[:2] != b"MZ":
        return None
    pe = struct.unpack_from("<I", data, 0x3C)[0]
    if data[pe:pe + 4] != b"PE\0\0":
        return None
    machine, _, stamp = struct.unpack_from("<HHI", data, pe + 4)
    magic = struct.unpack_from("<H", data, pe + 24)[0]
    subsystem = struct.unpack_from("<H", data, pe + 24 + 68)[0]
    return machine, magic, subsystem, stamp


def binutil(tool, *args):
    """Output of a mingw binutils tool, or None when it cannot read the file."""
    run = subprocess.run([f"x86_64-w64-mingw32-{tool}", *args], capture_output=True, text=True)
    return run.stdout if run.returncode == 0 else None


def with_program_files(r, check):
    """Runs check(name, path) on each program, unpacked into a folder of its own."""
    problems = []
    with tempfile.TemporaryDirectory() as folder:
        for name in PROGRAMS:
            path = Path(folder) / name
            path.write_bytes(r.read(name))
            problems += check(name, path)
    return problems


def check_programs(r):
    def check(name, path):
        problems = []
        facts = pe_facts(path.read_bytes())
        if facts != (AMD64, PE32_PLUS, GUI, 0):
            problems.append(f"{name}: (machine, magic, subsystem, time stamp) = {facts}, "
                            f"expected a 64-bit x86-64 (PE32+) GUI program without a link time")
        dlls = re.findall(r"DLL Name: (\S+)", binutil("objdump", "-p", str(path)) or "")
        if not dlls:
            problems.append(f"{name}: no import table found")
        problems += [f"{name}: needs {d}, which is not part of Windows"
                     for d in sorted(dlls) if d.lower() not in SYSTEM_DLLS]
        return problems
    return with_program_files(r, check)


def check_version_resources(r):
    major, minor, patch = r.version.split(".")
    numbers = f"{major}, {minor}, {patch}, 0"

    def check(name, path):
        rc = binutil("windres", "-i", str(path), "-O", "rc")
        if rc is None:
            return [f"{name}: no resources that windres can read"]
        expected = {
            "FILEVERSION": re.search(r"^\s*FILEVERSION (.+)$", rc, re.M),
            "PRODUCTVERSION": re.search(r"^\s*PRODUCTVERSION (.+)$", rc, re.M),
        }
        found = {key: m.group(1).strip() if m else None for key, m in expected.items()}
        strings = dict(re.findall(r'VALUE "(\w+)", "([^"]*)"', rc))
        problems = [f"{name}: {key} is {value}, not {numbers}"
                    for key, value in found.items() if value != numbers]
        for key, want in [("FileVersion", r.version), ("ProductVersion", r.version),
                          ("OriginalFilename", name)]:
            if strings.get(key) != want:
                problems.append(f"{name}: {key} is {strings.get(key)!r}, not {want!r}")
        return problems
    return with_program_files(r, check)


def windows_text_problems(name, data):
    if not data.startswith(BOM):
        return [f"{name}: no UTF-8 byte-order mark, so Notepad may guess the wrong encoding"]
    body = data[len(BOM):]
    if body.count(b"\n") != body.count(b"\r\n") or body.count(b"\r") != body.count(b"\r\n"):
        return [f"{name}: line ends other than CRLF"]
    try:
        body.decode("utf-8")
    except UnicodeDecodeError as e:
        return [f"{name}: not UTF-8 ({e})"]
    return []


def check_readme(r):
    data = r.read("README.txt")
    problems = windows_text_problems("README.txt", data)
    if problems:
        return problems
    text = data[len(BOM):].decode("utf-8")
    if f"Vaporquill {r.version}" not in text or "@VERSION@" in text:
        problems.append(f"README.txt: does not state version {r.version}")
    for topic, phrases in README_TOPICS:
        missing = [p for p in phrases if p.replace("@VERSION@", r.version) not in text]
        if missing:
            problems.append(f"README.txt: {topic}: missing {missing}")
    return problems


def check_licence(r):
    data = r.read("LICENSE.txt")
    problems = windows_text_problems("LICENSE.txt", data)
    text = data[len(BOM):].decode("utf-8", "replace").replace("\r\n", "\n")
    if text != (r.source / "LICENSE").read_text(encoding="utf-8"):
        problems.append("LICENSE.txt: differs from the project's LICENSE")
    return problems


def check_checksum(r):
    expected = (f"{hashlib.sha256(r.zip_bytes).hexdigest()}  {r.name}\n"
                f"{hashlib.sha256(r.setup_bytes).hexdigest()}  {r.setup_name}\n")
    return [] if r.sums == expected else [f"SHA256SUMS is {r.sums!r}, expected {expected!r}"]


def pe_resources(data):
    """{(type, name): bytes} of a PE file's resources (numbered types and names, first language)."""
    pe = struct.unpack_from("<I", data, 0x3C)[0]
    sections = struct.unpack_from("<H", data, pe + 6)[0]
    optional_size = struct.unpack_from("<H", data, pe + 20)[0]
    optional = pe + 24
    magic = struct.unpack_from("<H", data, optional)[0]
    directories = optional + (112 if magic == PE32_PLUS else 96)
    rsrc_rva = struct.unpack_from("<I", data, directories + 2 * 8)[0]
    table = optional + optional_size
    spans = []
    for i in range(sections):
        virtual_size, rva, raw_size, raw_at = struct.unpack_from("<IIII", data, table + 40 * i + 8)
        spans.append((rva, max(virtual_size, raw_size), raw_at))

    def at(rva):
        for start, size, raw in spans:
            if start <= rva < start + size:
                return raw + rva - start
        raise ValueError(f"RVA {rva:#x} lies in no section")

    base = at(rsrc_rva)

    def entries(offset):
        named, numbered = struct.unpack_from("<HH", data, base + offset + 12)
        for i in range(named + numbered):
            ident, target = struct.unpack_from("<II", data, base + offset + 16 + 8 * i)
            yield ident, target

    found = {}
    for kind, kind_target in entries(0):
        for name, name_target in entries(kind_target & 0x7FFFFFFF):
            _, language_target = next(entries(name_target & 0x7FFFFFFF))
            data_rva, size = struct.unpack_from("<II", data, base + language_target)
            found[(kind, name)] = data[at(data_rva):at(data_rva) + size]
    return found


def check_setup(r):
    problems = []
    facts = pe_facts(r.setup_bytes)
    if facts != (AMD64, PE32_PLUS, GUI, 0):
        problems.append(f"{r.setup_name}: (machine, magic, subsystem, time stamp) = {facts}, "
                        f"expected a 64-bit x86-64 (PE32+) GUI program without a link time")
        return problems
    with tempfile.TemporaryDirectory() as folder:
        path = Path(folder) / r.setup_name
        path.write_bytes(r.setup_bytes)
        dlls = re.findall(r"DLL Name: (\S+)", binutil("objdump", "-p", str(path)) or "")
        rc = binutil("windres", "-i", str(path), "-O", "rc") or ""
    problems += [f"{r.setup_name}: needs {d}, which is not part of Windows"
                 for d in sorted(dlls) if d.lower() not in SYSTEM_DLLS]
    strings = dict(re.findall(r'VALUE "(\w+)", "([^"]*)"', rc))
    for key, want in [("FileVersion", r.version), ("ProductVersion", r.version),
                      ("OriginalFilename", "Vaporquill-Setup.exe")]:
        if strings.get(key) != want:
            problems.append(f"{r.setup_name}: {key} is {strings.get(key)!r}, not {want!r}")
    resources = pe_resources(r.setup_bytes)
    manifest = resources.get((RT_MANIFEST, 1), b"").decode("utf-8", "replace")
    if 'requestedExecutionLevel level="asInvoker"' not in manifest:
        problems.append(f"{r.setup_name}: its manifest does not ask for no elevation (asInvoker)")
    if not any(kind == RT_ICON_GROUP for kind, _ in resources):
        problems.append(f"{r.setup_name}: no icon")
    for number, name in CARRIED.items():
        if resources.get((RT_RCDATA, number)) != r.read(name):
            problems.append(f"{r.setup_name}: resource {number} is not the archive's {name}")
    carried = sorted(n for kind, n in resources if kind == RT_RCDATA)
    if carried != sorted(CARRIED):
        problems.append(f"{r.setup_name}: carries resources {carried}, expected exactly {sorted(CARRIED)}")
    return problems


def check_project_readme(r):
    text = (r.source / "README.md").read_text(encoding="utf-8")
    wanted = [f"dist/{r.name}", f"dist/{r.setup_name}", "dist/SHA256SUMS", "tools/release.sh", "MIT"]
    problems = [f"README.md: does not mention {w}" for w in wanted if w not in text]
    stale = set(re.findall(r"Vaporquill-(\d+\.\d+\.\d+)-(?:win64\.zip|setup-win64\.exe)", text)) - {r.version}
    problems += [f"README.md: names the archive of version {v}, not {r.version}" for v in sorted(stale)]
    return problems


CHECKS = [
    ("entries, by name and in order", check_entries),
    ("one time (the commit's) and one mode for every entry", check_entry_attributes),
    ("both programs are PE32+ x86-64 and import only Windows' own DLLs", check_programs),
    ("both version resources read the one version", check_version_resources),
    ("README.txt: Notepad-readable, both languages, the install steps", check_readme),
    ("LICENSE.txt is the project's licence", check_licence),
    ("SHA256SUMS holds the archive's and the setup's digests", check_checksum),
    ("the setup: PE32+ GUI, no link time, no elevation, icon, version, exactly the archive's pair", check_setup),
    ("README.md points at the archive, its checksum and the licence", check_project_readme),
]


def main(argv):
    if len(argv) != 4:
        sys.exit(__doc__)
    release = Release(Path(argv[1]), Path(argv[2]), int(argv[3]))
    failed = 0
    for title, check in CHECKS:
        problems = check(release)
        print(f"{'ok  ' if not problems else 'FAIL'} {title}")
        for p in problems:
            print(f"       {p}")
        failed += bool(problems)
    print(f"check_archive: {release.name}: {len(CHECKS) - failed} of {len(CHECKS)} checks passed")
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
