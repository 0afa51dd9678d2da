#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""How long a new port takes to reach `ports --wait` and the window's hint.

Usage: port_latency.py cli KORVEX_CLI [ROUNDS]
       port_latency.py window KORVEX_CLI KORVEX_CONFIG [ROUNDS]

Each round starts `korvex-cli simulate` (a port appearing) and times, from
just before that start, until `ports --wait` has printed the port and ended,
or until the window's hint shows on the accessibility bus (an alert whose
name begins "New serial port"). The process start of the simulator is
counted in. "window" needs the desktop accessibility bus, as
scripts/atspi-tree.py does: run it inside dbus-run-session and xvfb-run, with
/usr/libexec/at-spi-bus-launcher --launch-immediately running.
Prints each round in ms, then the median and the maximum.
"""
import os
import signal
import statistics
import subprocess
import sys
import tempfile
import time


def simulator(cli, env):
    return subprocess.Popen([cli, "simulate"], env=env, stdout=subprocess.DEVNULL,
                            stderr=subprocess.DEVNULL)


def stop(process):
    process.send_signal(signal.SIGTERM)
    process.wait(5)


def cli_rounds(cli, rounds, env):
    times = []
    for _ in range(rounds):
        waiter = subprocess.Popen([cli, "ports", "--wait", "10"], env=env,
                                  stdout=subprocess.PIPE, stderr=subprocess.PIPE, text=True)
        while "Waiting up to" not in waiter.stderr.readline():
            pass
        start = time.monotonic()
        sim = simulator(cli, env)
        out, _ = waiter.communicate(timeout=15)
        times.append((time.monotonic() - start) * 1000)
        assert waiter.returncode == 0 and "Korvex simulator" in out, out
        stop(sim)
        time.sleep(0.3)
    return times


def window_rounds(cli, config, rounds, env):
    import pyatspi
    from gi.repository import GLib

    app_env = dict(env, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
    window = subprocess.Popen([config], env=app_env)
    times, state = [], {"start": None, "sim": None, "left": rounds}

    def heard(event):
        name = event.source.name or ""
        if (event.detail1 == 1 and name.startswith("New serial port") and
                state["start"] is not None):
            times.append((time.monotonic() - state["start"]) * 1000)
            state["start"] = None
            GLib.timeout_add(300, next_round)

    def next_round():
        if state["sim"]:
            stop(state["sim"])
            state["sim"] = None
            GLib.timeout_add(500, next_round)
            return False
        if state["left"] == 0:
            pyatspi.Registry.stop()
            return False
        state["left"] -= 1
        state["start"] = time.monotonic()
        state["sim"] = simulator(cli, env)
        return False

    pyatspi.Registry.registerEventListener(heard, "object:state-changed:showing")
    GLib.timeout_add(3000, next_round)
    GLib.timeout_add(rounds * 5000 + 10000, lambda: pyatspi.Registry.stop())
    pyatspi.Registry.start()
    window.terminate()
    window.wait(5)
    return times


def main():
    mode, cli = sys.argv[1], sys.argv[2]
    with tempfile.TemporaryDirectory() as folder:
        os.chmod(folder, 0o700)
        env = dict(os.environ, KORVEX_SIMULATOR_DIR=folder)
        if mode == "cli":
            times = cli_rounds(cli, int(sys.argv[3]) if len(sys.argv) > 3 else 20, env)
        else:
            times = window_rounds(cli, sys.argv[3],
                                  int(sys.argv[4]) if len(sys.argv) > 4 else 20, env)
    print(" ".join(f"{t:.0f}" for t in times))
    print(f"{mode}: {len(times)} rounds, median {statistics.median(times):.0f} ms, "
          f"max {max(times):.0f} ms")


if __name__ == "__main__":
    main()
