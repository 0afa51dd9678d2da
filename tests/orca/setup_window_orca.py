#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""The whole task at the Setup window, by keys alone, as Orca speaks it.

    dbus-run-session -- python3 setup_window_orca.py --config PATH --cli PATH
        --work DIR [--transcript FILE] [--listen] [--german]

A step presses keys and names what Orca must say after them (every text of
`expect`, in any order) and what it must not (`absent`). --listen runs the
steps without judging them and, with --transcript, writes what was said at
each one: a build without a fix can be compared with one that has it.
--german runs a short task in German instead: what Orca says of the first
fields comes from the catalogue, not from the English sources.

Other checks reuse this: add steps to task(), or build a list of Step and
hand it to run_task() with the environment the window should start in.
"""
import argparse
import os
import re
import shutil
import subprocess
import sys
from dataclasses import dataclass, field

# The session (Orca, its display and bus) is a tool of its own, in scripts/orca.
sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..",
                                "scripts", "orca"))
from orca_session import OrcaSession, StepFailed  # noqa: E402


@dataclass
class Step:
    name: str
    keys: object  # xdotool keys ("shift+Tab space"), or ("type", "some text")
    expect: list
    absent: list = field(default_factory=list)


WINDOW_TITLE = "Korvex Config v2.1 by QZ9KRV"
SEND_RESULT = "Data sent ! Be shure that the word 'Success!' appears on LCD"
REFUSAL = "Parametri incompleti o non corretti"
REPORT_OFFER = "Save report\u2026"


def tabs(count, key="Tab"):
    return " ".join([key] * count)


def field_step(name, value, unit=None, keys="Tab", extra=()):
    """Tabbing onto a field: its name, its unit in words and its whole value,
    each once the focus is there."""
    expect = [re.compile(r"\b%s\b" % re.escape(name))]
    # The value whole: no character more or less before a blank or the end.
    expect.append(re.compile(r"(?<!\S)%s(?=\s|\.|$)" % re.escape(value), re.M))
    if unit:
        expect.append(unit)
    return Step("field " + name, keys, expect + list(extra))


# The window's Tab order from the first field, with the factory values.
FIELDS = [
    field_step("Mic-E msg", "Off Duty"),
    Step("Mic-E list, next message", "Down", ["En Route"]),
    Step("Mic-E list, back", "Up", ["Off Duty"]),
    field_step("ICON Symbol", ">"),
    field_step("Alternate Table", "not checked"),
    field_step("MY CALLSIGN", "NOCALL-9"),
    field_step("Status txt every", "003", "transmissions"),
    field_step("APRS PATH", "WIDE1-1,WIDE2-2"),
    field_step("STATUS text", "Korvex v2.1 - by QZ9KRV Qel"),
    field_step("Manual Timing: Every", "0120", "seconds"),
    field_step("Speed 0-3 Km/h", "0480", "seconds"),
    field_step("Speed 4-9 Km/h", "0240", "seconds"),
    field_step("Speed 10-22 Km/h", "180", "seconds"),
    field_step("Speed 23-40 Km/h", "120", "seconds"),
    field_step("Speed 41-72 Km/h", "090", "seconds"),
    field_step("Speed 73-125 Km/h", "060", "seconds"),
    field_step("Speed > 125 Km/h", "040", "seconds"),
    field_step("GPS acquisition interval: Every", "100", "seconds"),
    field_step("Acquisition timeout", "025", "hundreds of milliseconds", extra=["Shift+End"]),
    field_step("Unprotocol call", "KVXTRK"),
    field_step("Msg Retries", "006"),
    field_step("APRS message TO CALL", "NOCALL"),
    field_step("Message text", "MESSAGE SENT USING KORVEX V2.1 !"),
]


def task(port, saved, cli):
    """Every field and the Mic-E list, SEND to a simulated tracker (and once
    more in GPSless mode), a port that appears, a transfer that fails, a
    refusal, Default, Save, Load, F1 and Escape."""
    steps = list(FIELDS)
    steps += [
        field_step("Comm num", "1"),
        Step("the simulator's port typed", str(port), []),
        Step("to SEND", "Tab", ["SEND", "push button"]),
        # "Sending data on COM2..." is heard only when Orca is quicker than
        # the transfer: on a busy machine it reads the result straight away.
        Step("SEND", "space", [SEND_RESULT], absent=["Load push button"]),
        Step("result closed", "Return", ["SEND"]),
        # A second simulator is a port plugged in while the window is open.
        Step("a port appears", ("spawn", [cli, "simulate"]),
             [re.compile(r"New serial port \d+: \S+, Korvex simulator")]),
        # A port number nothing answers to: the failure box offers a report.
        Step("to Comm num", "shift+Tab", ["Comm num"]),
        Step("a port that is not there", "9 Tab", ["SEND"]),
        Step("SEND fails", "space", [REPORT_OFFER]),
        Step("failure closed", "Return", ["SEND"]),
        Step("back to Comm num", "shift+Tab", ["Comm num"]),
        Step("the simulator's port again", "%d Tab" % port, ["SEND"]),
        # GPSless mode: the timeout's digits selected, then 0.
        Step("to Acquisition timeout", tabs(6, "shift+Tab"), ["Acquisition timeout"]),
        Step("timeout 0", "shift+End 0", []),
        Step("back to SEND", tabs(6), ["SEND"]),
        Step("SEND in GPSless mode", "space", [SEND_RESULT, "GPSless mode: on"],
             absent=["Load push button"]),
        Step("result closed again", "Return", ["SEND"]),
        # A refusal: 256 retries do not fit a byte.
        Step("to Msg Retries", tabs(4, "shift+Tab"), ["Msg Retries"]),
        Step("256 retries", ("type", "256"), []),
        Step("to SEND again", tabs(4), ["SEND"]),
        Step("SEND refused", "space", [REFUSAL, "Show Details"]),
        Step("refusal closed", "Return", ["Msg Retries", "256"]),
        Step("to Default", tabs(7), ["Default", "push button"]),
        Step("Default", "space", ["Default: Factory settings restored"]),
        Step("to Save", "shift+Tab", ["Save", "push button"]),
        Step("Save dialog", "space", ["Salva File"]),
        Step("file name typed", ("type", os.path.basename(saved)), []),
        # Back at the window, the focus is heard where it was: a key pressed
        # before that may reach the window ahead of its own activation, and
        # the window it opens is then never announced.
        Step("saved", "Return", ["Save: Saved to " + os.path.basename(saved),
                                 "Save push button"]),
        Step("to Load", "shift+Tab", ["Load", "push button"]),
        Step("Load dialog", "space", ["Apertura File"]),
        Step("file name typed again", ("type", os.path.basename(saved)), []),
        Step("loaded", "Return", ["Load: Loaded from " + os.path.basename(saved),
                                  "Load push button"]),
        Step("F1", "F1", ["Korvex Config - Istruzioni"]),
        Step("Escape", "Escape", [WINDOW_TITLE]),
    ]
    return steps


# The same first fields in German (KORVEX_LANG=de): caption, unit and the
# list's description as the catalogue words them; the Mic-E names stay the
# protocol's own.
GERMAN_START = ["Korvex Config v2.1 von QZ9KRV", "TX-VERZÖGERUNG", "Millisekunden"]


def german_fields(port, saved):
    """Two fields by Tab, heard in German."""
    del port, saved
    return [
        field_step("Mic-E-Meldung", "Off Duty", extra=["Meldungen"]),
        field_step("ICON-Symbol", ">"),
    ]


def run_steps(session, steps, listen=False, transcript=None, heard=None):
    """Runs the steps in order; returns the failures (none when listening).
    What is said late, before the next key, belongs to the step before;
    heard may hold what was said before the first step."""
    failures = []
    heard = list(heard or [])
    for step in steps:
        if heard:
            heard[-1][1].extend(session.late())
        try:
            said = session.press(step.keys, step.expect, timeout=20 if listen else None)
        except StepFailed as failure:
            said = session.spoken()
            if not listen:
                failures.append("%s: %s" % (step.name, failure))
                heard.append((step, said))
                break
        heard.append((step, said))
    heard[-1][1].extend(session.late())
    for step, said in heard:
        if transcript:
            transcript.write("## %s  [%s]\n" % (step.name, step.keys))
            transcript.writelines("    %s\n" % line for line in said)
        text = "\n".join(said)
        failures += ["%s: said %r, which it must not" % (step.name, bad)
                     for bad in step.absent if bad in text and not listen]
    return failures


def start_simulator(session, cli):
    """korvex-cli simulate on the session's runtime folder; its port number."""
    simulator = session.spawn([cli, "simulate"], stdout=subprocess.PIPE, text=True)
    banner = simulator.stdout.readline()
    found = re.search(r"port (\d) in", banner)
    if not found:
        raise RuntimeError("the simulator has no port number: %r" % banner)
    return int(found.group(1))


def run_task(args, steps_for, env=None, start_expect=(WINDOW_TITLE, "TX DELAY")):
    """Starts the session and the window, runs the steps; exit status."""
    os.makedirs(args.work, exist_ok=True)
    # The file dialogs start in the folder remembered from the last run, else
    # in the user's documents or home: a home of its own each run, so Save
    # never meets a file an earlier run saved.
    shutil.rmtree(os.path.join(args.work, "home"), ignore_errors=True)
    transcript = open(args.transcript, "w", encoding="utf-8") if args.transcript else None
    try:
        with OrcaSession(args.work) as session:
            port = start_simulator(session, args.cli)
            # A copy of the program in the session's folder; in the file
            # dialogs a short name is typed (a long one floods Orca's queue,
            # and Orca then drops what follows).
            program = os.path.join(session.work_dir, "bin")
            os.makedirs(program, exist_ok=True)
            for name in (os.path.basename(args.config), "Korvex_Config.rtf"):
                source = os.path.join(os.path.dirname(os.path.abspath(args.config)), name)
                if os.path.exists(source):
                    shutil.copy(source, program)
            # The catalogues are looked for beside the program.
            catalogues = os.path.join(os.path.dirname(os.path.abspath(args.config)),
                                      "translations")
            if os.path.isdir(catalogues):
                shutil.copytree(catalogues, os.path.join(program, "translations"),
                                dirs_exist_ok=True)
            saved = "orca-task.cfg"
            start = Step("start", "", list(start_expect))
            opening = session.launch([os.path.join(program, os.path.basename(args.config))],
                                     start.expect, env=env)
            failures = run_steps(session, steps_for(port, saved), args.listen, transcript,
                                 [(start, opening)])
    finally:
        if transcript:
            transcript.close()
    for failure in failures:
        print("FAILED " + failure, file=sys.stderr)
    return 1 if failures else 0


def arguments(argv=None):
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    parser.add_argument("--config", required=True, help="korvex-config")
    parser.add_argument("--cli", required=True, help="korvex-cli")
    parser.add_argument("--work", required=True, help="a folder for the session")
    parser.add_argument("--transcript", help="write what Orca said at each step")
    parser.add_argument("--listen", action="store_true", help="record only, judge nothing")
    parser.add_argument("--german", action="store_true", help="the short task in German")
    return parser.parse_args(argv)


if __name__ == "__main__":
    ARGS = arguments()
    if ARGS.german:
        sys.exit(run_task(ARGS, german_fields, {"KORVEX_LANG": "de"}, GERMAN_START))
    sys.exit(run_task(ARGS, lambda port, saved: task(port, saved, ARGS.cli)))
