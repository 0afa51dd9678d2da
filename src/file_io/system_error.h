// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCoreApplication>
#include <QString>

#include <cerrno>

namespace korvex {

// An errno as a message says it. The system's words name a limit as if the
// file were at fault ("File too large"); the person can only act on the limit
// their session set, so that is what is named.
inline QString systemErrorText(int error) {
    switch (error) {
    case EFBIG:
        return QCoreApplication::translate(
            "SystemError", "the file size limit of this session (`ulimit -f`) was reached");
    case EMFILE:
        return QCoreApplication::translate(
            "SystemError", "the limit of open files of this session (`ulimit -n`) was reached");
    default:
        return qt_error_string(error);
    }
}

} // namespace korvex
