// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace korvex {

// What reading made of the input, for callers that care (tests, fuzzers).
// Apart from the reader's front door, so that the parser and its pictures,
// which fill it in, need not include that door.
struct RtfReadResult {
    bool wasRtf = false;    // false: no "{\rtf" header, the bytes were shown as plain text
    bool truncated = false; // the input ended inside an open group
    int images = 0;         // pictures that decoded and were placed in the document
    int placeholders = 0;   // pictures beyond the budget of decoded pixels, or that did not
                            // decode, shown as boxes
    int leftOut = 0;        // pictures beyond what the layout takes, not shown
};

} // namespace korvex
