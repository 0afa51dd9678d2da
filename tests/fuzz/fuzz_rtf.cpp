// SPDX-License-Identifier: GPL-3.0-or-later
// Any bytes as the instructions document: the reader must give some document
// without crashing, hanging or running out of memory.
#include "instructions/rtf_reader.h"

#include <QGuiApplication>
#include <QTextDocument>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
    // Fonts and images need an application object; it lives for the whole run.
    static QGuiApplication* app = new QGuiApplication(*argc, *argv);
    (void)app;
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    QTextDocument document;
    (void)korvex::readRtf(
        QByteArrayView(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)),
        document);
    return 0;
}
