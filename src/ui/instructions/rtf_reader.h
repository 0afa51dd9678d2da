#pragma once

#include <QByteArrayView>

class QTextDocument;

namespace korvex {

// What reading made of the input, for callers that care (tests, fuzzers).
struct RtfReadResult {
    bool wasRtf = false;    // false: no "{\rtf" header, the bytes were shown as plain text
    bool truncated = false; // the input ended inside an open group
    int images = 0;         // pictures that decoded and were placed in the document
};

// Replaces the contents of `document` with the RTF in `rtf`. Handles the
// subset that word processors and converters write for ordinary documents:
// fonts, colours, character and paragraph formatting, code pages, Unicode
// escapes, simple tables and PNG/JPEG pictures. Anything else is skipped.
// Never throws; any input, however malformed, gives some document, in time
// proportional to the input's size.
RtfReadResult readRtf(QByteArrayView rtf, QTextDocument& document);

} // namespace korvex
