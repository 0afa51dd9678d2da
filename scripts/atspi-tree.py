#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Print a running program's accessible tree as a screen reader reads it.

Usage: atspi-tree.py [--editable] [--app NAME] [--wait SECONDS]

Reads the desktop accessibility bus (AT-SPI), so it needs one: run the program
and this script inside the same `dbus-run-session`, with the bus launched
(/usr/libexec/at-spi-bus-launcher --launch-immediately) and the program
started with QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1. One line per object: depth,
role, name in quotes, description after " -- " and the notable states.
--editable lists only the controls that take typed text.
"""
import argparse
import sys
import time

import pyatspi

NOTABLE = ("editable", "focusable", "focused", "checked", "enabled", "showing")


def states(accessible):
    state_set = accessible.getState()
    names = []
    for name in NOTABLE:
        if state_set.contains(getattr(pyatspi, "STATE_" + name.upper())):
            names.append(name)
    return names


def walk(accessible, depth=0):
    yield depth, accessible
    for index in range(accessible.childCount):
        child = accessible.getChildAtIndex(index)
        if child is not None:
            yield from walk(child, depth + 1)


def find_application(name, wait):
    deadline = time.monotonic() + wait
    while True:
        desktop = pyatspi.Registry.getDesktop(0)
        for index in range(desktop.childCount):
            application = desktop.getChildAtIndex(index)
            if application is not None and application.name == name:
                return application
        if time.monotonic() > deadline:
            return None
        time.sleep(0.2)


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--app", default="korvex-config")
    parser.add_argument("--editable", action="store_true")
    parser.add_argument("--wait", type=float, default=10.0)
    options = parser.parse_args()

    application = find_application(options.app, options.wait)
    if application is None:
        print("no application named %r on the accessibility bus" % options.app, file=sys.stderr)
        return 1
    count = 0
    for depth, accessible in walk(application):
        state_names = states(accessible)
        if options.editable and "editable" not in state_names:
            continue
        count += 1
        line = "%s%s %r" % ("  " * (0 if options.editable else depth),
                            accessible.getRoleName(), accessible.name)
        if accessible.description:
            line += " -- %r" % accessible.description
        print(line + "  [" + ",".join(state_names) + "]")
    if options.editable:
        print("%d editable controls" % count)
    return 0


if __name__ == "__main__":
    sys.exit(main())
