// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "exit_code.h"

#include <QString>
#include <optional>

namespace korvex::cli {

struct ArgumentRefusal {
    ExitCode code;
    QString message;
};

// The first argument that is not valid text, refused for what it stands for
// on korvex-cli's command line: a --set value, a device, a file name, or a
// word of the command line itself. Each is answered in its own terms.
std::optional<ArgumentRefusal> refuseUndecodableArgument(int argc, char** argv);

} // namespace korvex::cli
