#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
# Transfers under Wine to the simulated tracker of the Linux build, each
# against the same transfer from the Linux korvex-cli: the bytes on the line,
# the decoded settings and the verdict must be the same, and the writes must
# arrive on the same timeline. One comes from korvex-cli.exe through COM5, one
# from the window through COM12, typed into "Comm num:" as a user types it
# (keys on an X server of its own, which Wine hands to the window).
#   wine_transfer.py LINUX_CLI WINDOWS_CLI WINDOWS_WINDOW
#   (WINEPREFIX set, made with wineboot)
import json, os, pathlib, subprocess, sys, tempfile, time

linux_cli, windows_cli, windows_window = sys.argv[1], sys.argv[2], sys.argv[3]
prefix = pathlib.Path(os.environ["WINEPREFIX"])
# The pauses between the writes are hundreds of ms; a start-up or a slow
# machine may move an arrival by some tens.
TIMELINE_TOLERANCE_MS = 60.0


def simulated_transfer(send):
    """Starts a simulator, lets `send(device, simulator)` program it, returns its report."""
    sim = subprocess.Popen([linux_cli, "simulate", "--once", "--json"],
                           stdout=subprocess.PIPE, stderr=subprocess.PIPE, text=True)
    try:
        banner = sim.stderr.readline()
        device = banner.split("listening on ", 1)[1].split()[0]
        sent = send(device, sim)
        if sent.returncode != 0:
            sys.exit(f"send failed ({sent.returncode}): {sent.stdout}{sent.stderr}")
        out, err = sim.communicate(timeout=30)
    finally:
        if sim.poll() is None:
            sim.kill()
    return json.loads(out.splitlines()[-1]), sent.stdout


def linux_send(cfg):
    return lambda device, _: subprocess.run([linux_cli, "send", cfg, "--port", device],
                                         capture_output=True, text=True, timeout=60)


def com_port(number, device):
    """Makes COMn of the Wine prefix the simulator's pseudo-terminal."""
    link = prefix / "dosdevices" / f"com{number}"
    if link.is_symlink() or link.exists():
        link.unlink()
    link.symlink_to(device)
    # Wine reads the COM mappings when its server starts.
    subprocess.run(["wineserver", "-k"], check=False)


def wine_cli_send(cfg):
    def send(device, _):
        com_port(5, device)
        return subprocess.run(["wine", windows_cli, "send", cfg, "--port", "5"],
                              capture_output=True, text=True, timeout=120)
    return send


# From the first field, the Tab order reaches "Comm num:" after the other 22
# fields, and SEND right after it.
TABS_TO_COMM_NUM = 22


def wine_window_send(cfg):
    def send(device, sim):
        com_port(12, device)
        server = subprocess.Popen(["Xvfb", "-displayfd", "1", "-screen", "0", "1280x1024x24",
                                   "-nolisten", "tcp"], stdout=subprocess.PIPE,
                                  stderr=subprocess.DEVNULL, text=True)
        env = dict(os.environ, DISPLAY=":" + server.stdout.readline().strip())
        env.pop("QT_QPA_PLATFORM", None)
        # What the window says goes to a file: an unread pipe would stop it.
        said = tempfile.TemporaryFile("w+")
        window = subprocess.Popen(["wine", windows_window, "Z:" + cfg.replace("/", "\\")],
                                  env=env, stdout=said, stderr=subprocess.STDOUT, text=True)
        try:
            found = subprocess.run(["xdotool", "search", "--sync", "--onlyvisible", "--name",
                                    "^Korvex Config v"], env=env, capture_output=True,
                                   text=True, timeout=60)
            keys = [["windowfocus", found.stdout.split()[0]],
                    ["key", "--delay", "20"] + ["Tab"] * TABS_TO_COMM_NUM,
                    ["type", "--delay", "50", "12"], ["key", "--delay", "50", "Tab", "space"]]
            for step in keys:
                subprocess.run(["xdotool"] + step, env=env, check=True, timeout=60)
            # The simulator ends when the transfer does; the window then shows
            # its verdict, which the simulator's report already holds.
            deadline = time.monotonic() + 60
            while sim.poll() is None and window.poll() is None and time.monotonic() < deadline:
                time.sleep(0.2)
            ended = window.poll()
        finally:
            subprocess.run(["wineserver", "-k"], check=False)
            window.wait(timeout=30)
            server.terminate()
            server.wait(timeout=30)
            said.seek(0)
            out = said.read()[-4000:]
            said.close()
        if sim.poll() is None:
            return subprocess.CompletedProcess(window.args, 1, out, "no transfer reached COM12" +
                                               (f" (the window ended: {ended})" if ended
                                                is not None else ""))
        return subprocess.CompletedProcess(window.args, 0, out, "")
    return send


with tempfile.TemporaryDirectory() as folder:
    cfg = str(pathlib.Path(folder) / "mobile.cfg")
    subprocess.run([linux_cli, "edit", "-", "--set", "mycall=N0CALL-7", "--set",
                    "path=WIDE2-1", "--set", "status=Korvex under Wine", "--set", "speed3=75",
                    "-o", cfg], input=subprocess.run([linux_cli, "defaults"], check=True,
                    capture_output=True).stdout, check=True)
    linux, _ = simulated_transfer(linux_send(cfg))
    senders = [("korvex-cli.exe --port 5", wine_cli_send),
               ("the window, Comm num 12", wine_window_send)]
    windows = [(name, simulated_transfer(sender(cfg))[0]) for name, sender in senders]

failures = []
print("marks (ms after the first byte), Linux:", linux["marks"])
for name, wine in windows:
    for key in ("verdict", "ok", "received", "block", "settings", "gpsless", "notes"):
        if linux[key] != wine[key]:
            failures.append(f"{name}: {key}: Linux {linux[key]!r}, Windows {wine[key]!r}")
    for mark, at in linux["marks"].items():
        other = wine["marks"][mark]
        if at is None or other is None or abs(at - other) > TIMELINE_TOLERANCE_MS:
            failures.append(f"{name}: {mark} arrived at {other} ms under Wine, {at} ms on Linux")
    print(f"{name}: verdict: {wine['verdict']}; {len(bytes.fromhex(wine['received']))} bytes on "
          f"the line, {'the same' if linux['received'] == wine['received'] else 'NOT the same'} "
          f"as the Linux build's")
    print(f"marks (ms after the first byte), {name}:", wine["marks"])
    print(f"writes as they arrived, {name}:", [a["bytes"] for a in wine["arrivals"]])
print("writes as they arrived, Linux:", [a["bytes"] for a in linux["arrivals"]])
if failures:
    sys.exit("\n".join(failures))
