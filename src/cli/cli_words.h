// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCoreApplication>

namespace korvex::cli {

// What korvex-cli says to people, in their language: CliWords::tr("...").
// Never its --json keys and values, nor what goes into a .cfg file.
struct CliWords {
    Q_DECLARE_TR_FUNCTIONS(korvex::cli)
};

} // namespace korvex::cli
