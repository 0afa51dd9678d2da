#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Runs the measurements of bench/run.sh and prints them. See run.sh."""
import argparse
import json
import os
import re
import statistics
import subprocess
import sys
import tempfile
import time

PROBE_LINE = re.compile(r"KORVEX_BENCH (\w+) ([0-9.]+)")


def run_probed(program, probe, env_extra=None, timeout=30):
    """Starts program with the probe loaded; returns (probe figures, start ms, peak RSS KiB)."""
    env = dict(os.environ, LD_PRELOAD=os.path.abspath(probe))
    env.update(env_extra or {})
    start = time.monotonic_ns() / 1e6
    proc = subprocess.Popen([program], env=env, stdout=subprocess.DEVNULL,
                            stderr=subprocess.PIPE, text=True)
    deadline = time.monotonic() + timeout
    while True:
        pid, status, usage = os.wait4(proc.pid, os.WNOHANG)
        if pid:
            break
        if time.monotonic() > deadline:
            proc.kill()
            pid, status, usage = os.wait4(proc.pid, 0)
            break
        time.sleep(0.002)
    err = proc.stderr.read()
    proc.returncode = os.waitstatus_to_exitcode(status)
    figures = {m.group(1): float(m.group(2)) for m in PROBE_LINE.finditer(err)}
    failure = re.search(r"KORVEX_BENCH error: (.*)", err)
    if failure:
        sys.exit(f"{program}: {failure.group(1)}")
    if "first_window_shown_ms" not in figures:
        sys.exit(f"{program}: no window shown (exit {proc.returncode}):\n{err}")
    return figures, start, usage.ru_maxrss


def median_ms(values):
    return statistics.median(values)


def drop_caches():
    """Empties the page cache, so the next start reads the program and Qt from disk."""
    os.sync()
    try:
        with open("/proc/sys/vm/drop_caches", "w") as caches:
            caches.write("3\n")
    except OSError as error:
        sys.exit(f"--cold needs root: {error}")


def start_up(args, platform):
    """Paired start-ups of korvex-config and the bare window on one platform; returns the ratio."""
    times = {"korvex-config": [], "bare Qt window": []}
    rss = {"korvex-config": [], "bare Qt window": []}
    programs = {"korvex-config": args.config, "bare Qt window": args.bare}
    env = {"QT_QPA_PLATFORM": platform}
    for name, program in programs.items():  # one warm-up each: page cache and font cache
        run_probed(program, args.probe, env)
    for _ in range(args.runs):  # interleaved, so a busy moment hits both alike
        for name, program in programs.items():
            if args.cold:
                drop_caches()
            figures, start, peak = run_probed(program, args.probe, env)
            times[name].append(figures["first_window_shown_ms"] - start)
            rss[name].append(peak)
    cache = "page cache emptied before each start" if args.cold else "page cache warm"
    print(f"Start to first shown window (median of {args.runs}, {cache}, QT_QPA_PLATFORM={platform}):")
    for name in programs:
        print(f"  {name:16} {median_ms(times[name]):8.1f} ms   "
              f"(min {min(times[name]):.1f}, max {max(times[name]):.1f})")
    ratio = median_ms(times["korvex-config"]) / median_ms(times["bare Qt window"])
    print(f"  ratio            {ratio:8.2f}")
    print(f"Peak resident memory (median, QT_QPA_PLATFORM={platform}):")
    for name in programs:
        print(f"  {name:16} {median_ms(rss[name]) / 1024:8.1f} MiB")
    memory = median_ms(rss['korvex-config']) / median_ms(rss['bare Qt window'])
    print(f"  ratio            {memory:8.2f}")
    return ratio, memory


def load_average():
    return " ".join(f"{value:.2f}" for value in os.getloadavg())


def cli_check(args):
    samples = []
    for _ in range(args.runs + 1):
        start = time.monotonic()
        subprocess.run([args.cli, "check"], check=True, stdout=subprocess.DEVNULL)
        samples.append((time.monotonic() - start) * 1000)
    samples = samples[1:]
    print(f"korvex-cli check: median {median_ms(samples):.1f} ms "
          f"(min {min(samples):.1f}, max {max(samples):.1f}, {args.runs} runs)")


def transfers(args):
    due_from_dialog = [400, 410, 810, 820]
    names = ["preamble1", "frame1", "preamble2", "frame2"]
    stalls = []
    deviations = [[] for _ in names]
    from_first = [[] for _ in names[1:]]
    with tempfile.TemporaryDirectory() as registry:
        # Offscreen whatever the start-up ran on: without a window manager an
        # X server may keep the keyboard focus from the window, and the probe
        # must type the simulator's number into "Comm num:".
        env = dict(os.environ, KORVEX_SIMULATOR_DIR=registry, QT_QPA_PLATFORM="offscreen")
        for _ in range(args.transfers):
            sim = subprocess.Popen([args.cli, "simulate", "--once", "--json"], env=env,
                                   stdout=subprocess.PIPE, stderr=subprocess.PIPE, text=True)
            banner = sim.stderr.readline()
            number = re.search(r"port (\d)", banner)
            if not number:
                sim.kill()
                sys.exit(f"simulator not listed among the ports: {banner}")
            figures, _, _ = run_probed(args.config, args.probe,
                                       dict(env, KORVEX_BENCH_SEND=number.group(1)))
            out, _ = sim.communicate(timeout=10)
            result = json.loads(out.strip().splitlines()[-1])
            if result["verdict"] != "Success!":
                sys.exit(f"the tracker said {result['verdict']}")
            stalls.append(figures["longest_stall_ms"])
            first = result["first_byte_monotonic_ms"]
            for i, name in enumerate(names):
                at = first + result["marks"][name] - figures["dialog_shown_ms"]
                deviations[i].append(at - due_from_dialog[i])
            for i, name in enumerate(names[1:]):
                from_first[i].append(result["marks"][name] - (due_from_dialog[i + 1] - 400))
    print(f"SEND from korvex-config to the simulator ({args.transfers} transfers, offscreen):")
    print(f"  longest event-loop pause: median {median_ms(stalls):.1f} ms, worst {max(stalls):.1f} ms")
    print("  arrival against the timeline after the dialog showed (ms late; median, worst):")
    for i, name in enumerate(names):
        worst = max(deviations[i], key=abs)
        print(f"    {name:10} due {due_from_dialog[i]:4} ms   {median_ms(deviations[i]):+6.1f}   {worst:+6.1f}")
    print("  as the simulator measured it, from the first byte (ms off; median, worst):")
    for i, name in enumerate(names[1:]):
        worst = max(from_first[i], key=abs)
        print(f"    {name:10} due {due_from_dialog[i + 1] - 400:4} ms   "
              f"{median_ms(from_first[i]):+6.1f}   {worst:+6.1f}")


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--config", required=True)
    parser.add_argument("--cli", required=True)
    parser.add_argument("--bare", required=True)
    parser.add_argument("--probe", required=True)
    parser.add_argument("--runs", type=int, default=11)
    parser.add_argument("--transfers", type=int, default=5)
    parser.add_argument("--cold", action="store_true",
                        help="empty the page cache before each start (needs root)")
    parser.add_argument("--platforms", nargs="+", default=["offscreen"],
                        help="Qt platforms to start on, each paired with the bare window")
    args = parser.parse_args()
    # Timings mean little on a busy machine: say how busy it was.
    print(f"Load average before: {load_average()}")
    ratios = {platform: start_up(args, platform) for platform in args.platforms}
    cli_check(args)
    transfers(args)
    print("Start-up against the bare window (time ratio, memory ratio): " +
          ", ".join(f"{platform} {time:.2f} / {memory:.2f}"
                    for platform, (time, memory) in ratios.items()))
    print(f"Load average after: {load_average()}")


if __name__ == "__main__":
    main()
