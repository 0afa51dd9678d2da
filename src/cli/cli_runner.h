// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "exit_code.h"
#include "transfer/frame_sender.h"
#include "transfer/port_events.h"
#include "transfer/port_numbering.h"
#include "transfer/serial_side.h"

#include <QStringList>
#include <QTextStream>
#include <functional>

namespace korvex::cli {

// What the commands need from the outside world; tests replace the serial side.
struct Environment {
    // Where the serial side is read (tests give a folder tree).
    SerialSideRoot serialSide = serialSideRootFromEnvironment();
    std::function<PortNumbering()> portNumbering = [root = serialSide] {
        return portNumberingFor(root);
    };
    FrameSender::LinkFactory linkFactory = [] { return makeSystemSerialLink(); };
    // What tells ports --wait of a port coming; the simulators' folder is
    // watched besides.
    std::function<std::unique_ptr<PortEvents>()> portEvents = makeSystemPortEvents;
};

// Runs one command line (arguments[0] is the program) and returns the exit code.
int runCli(const QStringList& arguments, QTextStream& out, QTextStream& err,
           const Environment& environment = {});

} // namespace korvex::cli
