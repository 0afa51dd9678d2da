#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
# The Windows installer as a user meets it, under Wine: a silent install for
# every user and one for the current user, an upgrade over an older version
# (its files go, the user's stay), the uninstall entry, a running copy that
# stops the setup, a silent uninstall, and the version resource of the
# programs and the setup.
#   check-windows-package.py SETUP.EXE STAGE VERSION   (WINEPREFIX set, made with wineboot)
# STAGE is the folder the setup was made from; an "older version" is made
# from it with one more file, by the same installer script.
import os, pathlib, shutil, subprocess, sys, tempfile, time

setup, stage, version = pathlib.Path(sys.argv[1]), pathlib.Path(sys.argv[2]), sys.argv[3]
prefix = pathlib.Path(os.environ["WINEPREFIX"])
repo = pathlib.Path(__file__).resolve().parents[1]
KEY = r"Software\Microsoft\Windows\CurrentVersion\Uninstall\KorvexConfig"
failures = []


def check(condition, what):
    print(("ok   " if condition else "FAIL ") + what)
    if not condition:
        failures.append(what)


def wine(*arguments, timeout=300):
    return subprocess.run(["wine", *map(str, arguments)], capture_output=True, text=True,
                          errors="replace", timeout=timeout)


def unix_path(windows_path):
    out = subprocess.run(["winepath", "-u", windows_path], capture_output=True, text=True)
    return pathlib.Path(out.stdout.strip())


def registry(root):
    """The uninstall entry's values under HKLM or HKCU, as reg shows them."""
    out = wine("reg", "query", rf"{root}\{KEY}").stdout
    values = {}
    for line in out.splitlines():
        parts = line.split(None, 2)
        if len(parts) == 3 and parts[1].startswith("REG_"):
            values[parts[0]] = parts[2].strip()
    return values


def version_strings(program):
    """The StringFileInfo of a PE file's version resource, read with wrestool."""
    raw = subprocess.run(["wrestool", "-x", "--raw", "--type=16", str(program)],
                         capture_output=True).stdout
    # Each String entry is its lengths and type, its key, then its value,
    # all UTF-16 with NULs between.
    parts = [p for p in raw.decode("utf-16-le", errors="replace").split("\0") if p]
    strings = {}
    for at, part in enumerate(parts[:-1]):
        for key in ("CompanyName", "FileDescription", "FileVersion", "LegalCopyright",
                    "OriginalFilename", "ProductName", "ProductVersion"):
            if part.endswith(key):
                strings[key] = parts[at + 1]
    return strings


def older_setup(folder):
    """Version 1.0.0 of the setup: the same files and one that 2.x no longer has."""
    old_stage = folder / "old-stage"
    shutil.copytree(stage, old_stage)
    (old_stage / "old-only.dll").write_bytes(b"from version 1.0.0")
    listed = sorted(p.relative_to(old_stage).as_posix() for p in old_stage.rglob("*") if p.is_file())
    with open(f"{old_stage}.files.nsh", "w") as files, open(f"{old_stage}.unfiles.nsh", "w") as unfiles:
        for rel in listed:
            native = rel.replace("/", "\\")
            sub = os.path.dirname(rel).replace("/", "\\")
            folder_of = "$INSTDIR" + ("\\" + sub if sub else "")
            files.write(f'SetOutPath "{folder_of}"\nFile "{old_stage}/{rel}"\n')
            unfiles.write(f'Delete "$INSTDIR\\{native}"\n')
        files.write('SetOutPath "$INSTDIR"\n')
        for sub in sorted({os.path.dirname(r.replace("/", "\\")) for r in listed if "/" in r},
                          reverse=True):
            unfiles.write(f'RMDir "$INSTDIR\\{sub}"\n')
    out = folder / "old-setup.exe"
    subprocess.run(["makensis", "-V1", "-DVERSION=1.0.0", f"-DSTAGE={old_stage}",
                    f"-DOUTFILE={out}", str(repo / "resources/windows/installer.nsi")], check=True)
    return out


for program in (stage / "korvex-config.exe", stage / "korvex-cli.exe", setup):
    strings = version_strings(program)
    print(f"{program.name}: {strings}")
    check(strings.get("ProductName") == "Korvex Config" and
          strings.get("ProductVersion") == version and
          strings.get("FileVersion", "").startswith(version) and
          all(strings.get(k) for k in ("CompanyName", "FileDescription", "LegalCopyright",
                                       "OriginalFilename")),
          f"{program.name} carries its version resource ({version})")
icons = subprocess.run(["icotool", "-l", str(repo / "resources/windows/korvex-config.ico")],
                       capture_output=True, text=True).stdout
check(all(f"--width={size} " in icons for size in (16, 24, 32, 48, 256)),
      "the icon carries 16, 24, 32, 48 and 256 px")

machine = unix_path(r"C:\Program Files\Korvex Config")
user = unix_path(r"C:\users\%USERNAME%\AppData\Local\Programs\Korvex Config".replace(
    "%USERNAME%", os.environ.get("USER", "root")))
with tempfile.TemporaryDirectory() as scratch:
    scratch = pathlib.Path(scratch)
    check(wine(older_setup(scratch), "/S").returncode == 0, "version 1.0.0 installs silently")
    check((machine / "old-only.dll").exists(), "version 1.0.0 put its own file in place")
    (machine / "mine.cfg").write_bytes(b"a user's settings")

    check(wine(setup, "/S").returncode == 0, f"version {version} installs over it silently")
    check(not (machine / "old-only.dll").exists(), "the older version's file is gone")
    check((machine / "mine.cfg").exists(), "the user's file stays")
    for name in ("korvex-config.exe", "korvex-cli.exe", "imageformats/qjpeg.dll", "Uninstall.exe"):
        check((machine / name).exists(), f"{name} is installed")
    check(not (machine / "korvex-portable.txt").exists(), "an installed copy is not portable")
    entry = registry("HKLM")
    for value in ("DisplayName", "DisplayVersion", "Publisher", "DisplayIcon", "EstimatedSize",
                  "URLInfoAbout", "NoModify", "NoRepair", "UninstallString"):
        check(value in entry, f"the uninstall entry has {value}")
    check(entry.get("DisplayVersion") == version, f"DisplayVersion is {version}")
    size_kib = int(entry.get("EstimatedSize", "0"), 16)
    on_disk = sum(p.stat().st_size for p in machine.rglob("*") if p.is_file()) // 1024
    check(abs(size_kib - on_disk) <= on_disk // 10 + 64,
          f"EstimatedSize {size_kib} KiB is the folder's size ({on_disk} KiB)")

    # The window holds its mutex while it runs: the setup asks, and a silent
    # one gives up without touching a file.
    running = subprocess.Popen(["wine", str(machine / "korvex-config.exe")],
                               env=dict(os.environ, QT_QPA_PLATFORM="offscreen"),
                               stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    time.sleep(8)
    stamp = (machine / "korvex-config.exe").stat().st_mtime_ns
    blocked = wine(setup, "/S")
    check(blocked.returncode != 0, f"a running copy stops the setup (exit {blocked.returncode})")
    check((machine / "korvex-config.exe").stat().st_mtime_ns == stamp, "and nothing was replaced")
    running.kill()
    subprocess.run(["wineserver", "-k"], check=False)

    check(wine(machine / "Uninstall.exe", "/S", rf"_?=C:\Program Files\Korvex Config").returncode == 0,
          "the silent uninstall runs")
    left = sorted(p.name for p in machine.rglob("*"))
    check(left == ["mine.cfg", "Uninstall.exe"] or left == ["mine.cfg"],
          f"only the user's file is left ({left})")
    check(registry("HKLM") == {}, "the uninstall entry is gone")
    shutil.rmtree(machine, ignore_errors=True)

    check(wine(setup, "/S", "/CurrentUser").returncode == 0, "a per-user install runs silently")
    check((user / "korvex-config.exe").exists(), f"it goes to the user's Programs folder")
    check("EstimatedSize" in registry("HKCU") and registry("HKLM") == {},
          "its uninstall entry is the user's")
    user_windows = subprocess.run(["winepath", "-w", str(user)], capture_output=True,
                                  text=True).stdout.strip()
    wine(user / "Uninstall.exe", "/S", "/CurrentUser", f"_?={user_windows}")
    check(not (user / "korvex-config.exe").exists() and registry("HKCU") == {},
          "and it uninstalls silently")
    shutil.rmtree(user, ignore_errors=True)

if failures:
    sys.exit(f"{len(failures)} installer checks failed")
