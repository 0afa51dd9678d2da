// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "rtf_read_result.h"

#include <QByteArray>
#include <QByteArrayView>

#include <chrono>
#include <memory>

class QTextDocument;

namespace korvex {

// Reads RTF into a document a slice at a time, so that a window can show the
// beginning of a long document and stay responsive while the rest comes in.
// Handles the subset that word processors and converters write for ordinary
// documents: fonts, colours, character and paragraph formatting, code pages,
// Unicode escapes, simple tables and PNG/JPEG pictures. Anything else is
// skipped. Never throws; any input, however malformed, gives some document,
// in time proportional to the input's size. Pictures are decoded on a worker
// thread, up to 64 MiB of pixels in all; the others are shown as boxes of
// their size, and past what a layout takes they are left out. Paragraphs are
// cut, and very long words given places to break, at lengths no writer uses.
// Pictures become pixmaps, so use it on the GUI thread.
class RtfLoader {
public:
    // Empties `document`, which must outlive the loader and be changed by no
    // one else until the loader is done or destroyed.
    RtfLoader(QByteArray rtf, QTextDocument& document);
    ~RtfLoader();
    RtfLoader(const RtfLoader&) = delete;
    RtfLoader& operator=(const RtfLoader&) = delete;

    // Reads on for about `budget`, the document's own updates (its layout in
    // a view) included; true once the whole input is in the document, its
    // pictures decoded.
    bool readFor(std::chrono::milliseconds budget);

    bool done() const;
    RtfReadResult result() const;

private:
    struct State;
    std::unique_ptr<State> state_;
};

// Replaces the contents of `document` with the RTF in `rtf`, in one go.
RtfReadResult readRtf(QByteArrayView rtf, QTextDocument& document);

} // namespace korvex
