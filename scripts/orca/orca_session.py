# SPDX-License-Identifier: GPL-3.0-or-later
"""Orca, for real, on a private X display, its speech read back as text.

The project's Orca test (tests/orca) runs on it; so can any other check of
what Orca says. One OrcaSession is a whole desktop of its own: Xvfb, the
accessibility bus, a window manager and Orca with the log-only speech server
of this folder (Orca's logic is unchanged, only the audio is missing). Programs started
with launch() are driven by real key events (xdotool), and each step returns
what Orca said after it. Run it inside its own `dbus-run-session`.

Waits are on Orca's log and on the processes, never fixed sleeps: a step
ends when every text it expects has been spoken, or fails after a timeout
that only a broken or very slow machine reaches.

    with OrcaSession(work_dir) as orca:
        orca.launch([program], expect=["Korvex Config"])
        heard = orca.press("Tab", expect=["Mic-E msg"])
"""
import os
import re
import shlex
import shutil
import signal
import subprocess
import sys
import time

HERE = os.path.dirname(os.path.abspath(__file__))
PREFS = ("nullspeech.py", "orca-customizations.py", "user-settings.conf")

# "12:34:56.789012 - SPEECH OUTPUT: 'text'" and an optional voice and ACSS
# after the closing quote; a text with line breaks goes on over lines
# indented by 18 spaces.
_TIMESTAMP = re.compile(r"^\d\d:\d\d:\d\d\.\d+ - ")
_SPEECH = re.compile(r"SPEECH OUTPUT: '(.*)'(?: voice=\S+)?(?:\[?\{.*\}\]?)?\s*$", re.DOTALL)


def parse_speech(log_text):
    """The utterances of an Orca debug log, in order."""
    records = []
    for line in log_text.split("\n"):
        if _TIMESTAMP.match(line) or not records:
            records.append(line)
        elif line.startswith(" " * 18):
            records[-1] += "\n" + line[18:]
        else:
            records.append(line)
    spoken = []
    for record in records:
        start = record.find("SPEECH OUTPUT: '")
        if start < 0:
            continue
        match = _SPEECH.match(record[start:])
        if match:
            spoken.append(match.group(1))
    return spoken


class StepFailed(AssertionError):
    pass


class OrcaSession:
    """A private desktop with Orca running; see the module's header."""

    def __init__(self, work_dir, timeout=60.0, width=1280, height=1024):
        self.work_dir = os.path.abspath(work_dir)
        self.timeout = timeout
        self.size = "%dx%dx24" % (width, height)
        self.log_path = os.path.join(self.work_dir, "orca.log")
        self._processes = []  # started here, stopped in reverse order
        self._programs = []
        self._heard = 0  # utterances already handed out
        self.env = dict(os.environ)

    # ---- set-up and tear-down -------------------------------------------
    def __enter__(self):
        try:
            self._start_desktop()
            self._start_orca()
        except BaseException:
            self.close()
            raise
        return self

    def __exit__(self, *exc):
        self.close()
        return False

    def _start_desktop(self):
        home = os.path.join(self.work_dir, "home")
        runtime = os.path.join(self.work_dir, "runtime")
        for folder in (home, runtime):
            os.makedirs(folder, exist_ok=True)
        os.chmod(runtime, 0o700)
        self.env.update(HOME=home, XDG_RUNTIME_DIR=runtime,
                        XDG_CONFIG_HOME=os.path.join(home, ".config"),
                        XDG_DATA_HOME=os.path.join(home, ".local", "share"),
                        NO_AT_BRIDGE="0", GTK_MODULES="")
        self.env.pop("QT_QPA_PLATFORM", None)
        # Xvfb names the display it found free on a pipe.
        read_end, write_end = os.pipe()
        xvfb = subprocess.Popen(["Xvfb", "-displayfd", str(write_end), "-screen", "0", self.size,
                                 "-nolisten", "tcp"], pass_fds=(write_end,), env=self.env,
                                stderr=subprocess.DEVNULL)
        os.close(write_end)
        self._processes.append(xvfb)
        with os.fdopen(read_end) as pipe:
            display = pipe.readline().strip()
        if not display:
            raise RuntimeError("Xvfb did not start")
        self.env["DISPLAY"] = ":" + display
        # What the helpers say is kept: one that ends early says why there.
        with open(os.path.join(self.work_dir, "at-spi-bus-launcher.stderr"), "w") as errors:
            self._spawn(["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"],
                        stderr=errors)
        self._start_window_manager()

    def _start_window_manager(self, attempts=3):
        """openbox, once it manages the display: its --startup command runs
        then. It has been seen to quit at start, rarely and without a word in
        its log; started again, it stays."""
        ready = os.path.join(self.work_dir, "openbox.ready")
        errors_path = os.path.join(self.work_dir, "openbox.stderr")
        open(errors_path, "w").close()
        for _ in range(attempts):
            if os.path.exists(ready):
                os.remove(ready)
            with open(errors_path, "a") as errors:
                manager = self._spawn(["openbox", "--sm-disable", "--startup",
                                       "touch " + shlex.quote(ready)], stderr=errors)
            deadline = time.monotonic() + self.timeout
            while (manager.poll() is None and not os.path.exists(ready)
                   and time.monotonic() < deadline):
                time.sleep(0.05)  # polling for the file, not waiting for an event
            if manager.poll() is None and os.path.exists(ready):
                return
            if manager.poll() is None:
                break  # up but never ready: a second one would only compete
            self._processes.remove(manager)
        with open(errors_path) as errors:
            raise RuntimeError("openbox did not start (%d tries): %s"
                               % (attempts, errors.read().strip() or "it said nothing"))

    def _start_orca(self):
        prefs = os.path.join(self.work_dir, "orca-prefs")
        os.makedirs(prefs, exist_ok=True)
        # A log left by an earlier session would be read as this one's.
        if os.path.exists(self.log_path):
            os.remove(self.log_path)
        for name in PREFS:
            shutil.copy(os.path.join(HERE, name), prefs)
        # Debian's Python, the one Orca's modules are installed for.
        python = "/usr/bin/python3" if os.path.exists("/usr/bin/python3") else sys.executable
        with open(os.path.join(self.work_dir, "orca.stderr"), "w") as errors:
            self._spawn([python, os.path.join(HERE, "orca_launch.py"),
                         "--debug-file=" + self.log_path, "-u", prefs], stderr=errors)
        self._wait_log(lambda text: "Starting ATSPI registry" in text, "Orca's start")

    def _spawn(self, argv, **kwargs):
        process = subprocess.Popen(argv, env=kwargs.pop("env", self.env),
                                   stdout=kwargs.pop("stdout", subprocess.DEVNULL),
                                   stderr=kwargs.pop("stderr", subprocess.DEVNULL),
                                   start_new_session=True, **kwargs)
        self._processes.append(process)
        return process

    def close(self):
        for process in reversed(self._processes):
            # SIGINT lets Orca finish its log; the others end on SIGTERM.
            sig = signal.SIGINT if process not in self._programs else signal.SIGTERM
            if process.poll() is None:
                self._signal(process, sig)
                try:
                    process.wait(10)
                except subprocess.TimeoutExpired:
                    self._signal(process, signal.SIGKILL)
                    process.wait()
            # The bus launcher leaves its dbus-daemon behind when it ends: what
            # a process started in its own session is ended with it.
            self._signal(process, signal.SIGTERM, group_only=True)
        self._processes.clear()

    @staticmethod
    def _signal(process, sig, group_only=False):
        try:
            os.killpg(process.pid, sig)
        except ProcessLookupError:
            if not group_only and process.poll() is None:
                process.send_signal(sig)

    # ---- Orca's log ------------------------------------------------------
    def _log_text(self):
        try:
            with open(self.log_path, encoding="utf-8", errors="replace") as log:
                return log.read()
        except FileNotFoundError:
            return ""

    def _wait_log(self, ready, what, timeout=None):
        deadline = time.monotonic() + (timeout or self.timeout)
        while time.monotonic() < deadline:
            text = self._log_text()
            if ready(text):
                return text
            for process in self._processes:
                if process.poll() is not None and process not in self._programs:
                    kept = os.path.join(self.work_dir,
                                        os.path.basename(process.args[0]) + ".stderr")
                    said = "nothing kept"
                    if os.path.exists(kept):
                        with open(kept, errors="replace") as errors:
                            said = errors.read().strip() or "nothing"
                    raise RuntimeError("%s ended early (%s) while waiting for %s; it said: %s"
                                       % (process.args[0], process.returncode, what, said))
            time.sleep(0.05)  # polling the log file, not waiting for an event
        raise StepFailed("timed out waiting for %s; Orca said: %r"
                         % (what, parse_speech(self._log_text())[self._heard:]))

    def spoken(self):
        """Everything said since the last step, taken from the log."""
        utterances = parse_speech(self._log_text())
        new = utterances[self._heard:]
        self._heard = len(utterances)
        return new

    def wait_for(self, expect, what="speech", timeout=None):
        """Waits until each text of expect (a string or a compiled pattern)
        has been said since the last step; returns what was said."""
        def heard_all(text):
            said = "\n".join(parse_speech(text)[self._heard:])
            return all(_found(e, said) for e in expect)
        self._wait_log(heard_all, "%s %r" % (what, expect), timeout)
        return self.spoken()

    def late(self):
        """What was said after a step's last expected text, before the next."""
        return self.spoken()

    # ---- programs and keys -----------------------------------------------
    def launch(self, argv, expect, env=None, **kwargs):
        """Starts a program with its accessibility on; returns what Orca
        said once it has said everything of expect."""
        environment = dict(self.env)
        environment.update(QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_QPA_PLATFORM="xcb")
        environment.update(env or {})
        process = self._spawn(argv, env=environment, **kwargs)
        self._programs.append(process)
        return self.wait_for(expect, "the start of %s" % os.path.basename(argv[0]))

    def spawn(self, argv, **kwargs):
        """A helper process (a simulator, say), stopped with the session."""
        env = dict(self.env)
        env.update(kwargs.pop("env", {}))
        process = self._spawn(argv, env=env, **kwargs)
        self._programs.append(process)
        return process

    def keys(self, *keys):
        subprocess.run(["xdotool", "key", "--clearmodifiers", *keys], env=self.env, check=True)

    def type(self, text):
        # At a typist's pace: typed quickly, a long text floods Orca's queue
        # and Orca drops what comes right after it.
        subprocess.run(["xdotool", "type", "--delay", "120", text], env=self.env, check=True)

    def press(self, keys, expect, timeout=None):
        """Presses keys (an xdotool key list, or a text to type when given as
        ("type", text)), or starts a helper given as ("spawn", argv); returns
        what Orca said up to the last of expect."""
        if isinstance(keys, tuple) and keys and keys[0] == "type":
            self.type(keys[1])
        elif isinstance(keys, tuple) and keys and keys[0] == "spawn":
            self.spawn(keys[1], stdout=subprocess.DEVNULL)
        else:
            self.keys(*keys.split())
        return self.wait_for(expect, "after %r" % (keys,), timeout)


def _found(expected, said):
    if hasattr(expected, "search"):
        return expected.search(said) is not None
    return expected in said
