#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
# One transfer from korvex-cli.exe under Wine, through COM5, to the simulated
# tracker of the Linux build, against the same transfer from the Linux
# korvex-cli: the bytes on the line, the decoded settings and the verdict
# must be the same, and the writes must arrive on the same timeline.
#   wine_transfer.py LINUX_CLI WINDOWS_CLI   (WINEPREFIX set, made with wineboot)
import json, os, pathlib, subprocess, sys, tempfile

linux_cli, windows_cli = sys.argv[1], sys.argv[2]
prefix = pathlib.Path(os.environ["WINEPREFIX"])
# The pauses between the writes are hundreds of ms; a start-up or a slow
# machine may move an arrival by some tens.
TIMELINE_TOLERANCE_MS = 60.0


def simulated_transfer(send):
    """Starts a simulator, lets `send(device)` program it, returns its report."""
    sim = subprocess.Popen([linux_cli, "simulate", "--once", "--json"],
                           stdout=subprocess.PIPE, stderr=subprocess.PIPE, text=True)
    try:
        banner = sim.stderr.readline()
        device = banner.split("listening on ", 1)[1].split()[0]
        sent = send(device)
        out, err = sim.communicate(timeout=30)
    finally:
        if sim.poll() is None:
            sim.kill()
    if sent.returncode != 0:
        sys.exit(f"send failed ({sent.returncode}): {sent.stdout}{sent.stderr}")
    return json.loads(out.splitlines()[-1]), sent.stdout


def linux_send(cfg):
    return lambda device: subprocess.run([linux_cli, "send", cfg, "--port", device],
                                         capture_output=True, text=True, timeout=60)


def wine_send(cfg):
    def send(device):
        com5 = prefix / "dosdevices" / "com5"
        if com5.is_symlink() or com5.exists():
            com5.unlink()
        com5.symlink_to(device)
        # Wine reads the COM mappings when its server starts.
        subprocess.run(["wineserver", "-k"], check=False)
        return subprocess.run(["wine", windows_cli, "send", cfg, "--port", "5"],
                              capture_output=True, text=True, timeout=120)
    return send


with tempfile.TemporaryDirectory() as folder:
    cfg = str(pathlib.Path(folder) / "mobile.cfg")
    subprocess.run([linux_cli, "edit", "-", "--set", "mycall=N0CALL-7", "--set",
                    "path=WIDE2-1", "--set", "status=Korvex under Wine", "--set", "speed3=75",
                    "-o", cfg], input=subprocess.run([linux_cli, "defaults"], check=True,
                    capture_output=True).stdout, check=True)
    linux, _ = simulated_transfer(linux_send(cfg))
    windows, _ = simulated_transfer(wine_send(cfg))

failures = []
for key in ("verdict", "ok", "received", "block", "settings", "gpsless", "notes"):
    if linux[key] != windows[key]:
        failures.append(f"{key}: Linux {linux[key]!r}, Windows {windows[key]!r}")
writes = [[a["bytes"] for a in t["arrivals"]] for t in (linux, windows)]
for mark, at in linux["marks"].items():
    other = windows["marks"][mark]
    if at is None or other is None or abs(at - other) > TIMELINE_TOLERANCE_MS:
        failures.append(f"{mark} arrived at {other} ms under Wine, {at} ms on Linux")
print(f"verdict: {windows['verdict']}; {len(bytes.fromhex(windows['received']))} bytes on the "
      f"line, {'the same' if linux['received'] == windows['received'] else 'NOT the same'} "
      f"as the Linux build's")
print("marks (ms after the first byte), Linux:", linux["marks"])
print("marks (ms after the first byte), Wine: ", windows["marks"])
print("writes as they arrived, Linux:", writes[0], "Wine:", writes[1])
if failures:
    sys.exit("\n".join(failures))
