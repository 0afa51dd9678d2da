// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "settings/block_decoder.h"
#include "settings/config_block.h"
#include "tracker_line.h"

#include <QByteArray>
#include <QString>
#include <array>
#include <cstdint>
#include <optional>
#include <vector>

namespace korvex {

// How a transfer ended, as the tracker's display reports it.
enum class TrackerVerdict {
    Success,
    BadChecksum,     // a frame's last byte does not match its data
    ShortFrame,      // the bytes of a preamble or frame stopped coming
    MissingPreamble, // a frame did not start with 255 255
    FrameTimeout,    // frame 2 did not follow frame 1 in time
    EarlyFrame,      // bytes came between the frames before preamble 2 was due
};

// A burst of bytes as it came off the line; `atMs` counts from the first byte
// of the transfer.
struct Arrival {
    double atMs;
    int bytes;
};

struct TrackerTransfer {
    TrackerVerdict verdict = TrackerVerdict::Success;
    int frame = 0; // the frame (1 or 2) the verdict is about; 0 on success
    QString lcd;   // what the display shows: "Success!" or the reason
    // On the receiver's clock: when the first byte came.
    double startedAtMs = 0;
    // When the first byte of preamble 1, frame 1, preamble 2, frame 2 came,
    // from the first byte on; empty for the parts that never came.
    std::array<std::optional<double>, 4> marks;
    std::vector<Arrival> arrivals;
    QByteArray received; // every byte of the transfer, in order
    // Both frames arrived whole with good checksums.
    std::optional<ConfigBlock> block;
    std::optional<DecodedBlock> decoded;
};

QString lcdText(TrackerVerdict verdict, int frame);

// The tracker's side of the line, without the line: bytes and the time they
// came go in, finished transfers come out. The clock is the caller's, in ms.
class TrackerReceiver {
public:
    struct Timing {
        // Inside a preamble or frame, a pause this long means the rest is lost.
        // At 4800 baud bytes come every 2 ms; the sender's own pause between a
        // preamble and its frame is 10 ms.
        double byteGapMs = 250;
        // Preamble 2 is due this long after preamble 1, give or take the
        // tolerance; the next transfer comes 1.6 s after the last, so a
        // frame later than the window is not taken as frame 2, and frame 1
        // of the next transfer never completes this one.
        double preambleGapMs = tracker::kPreambleGapMs;
        double preambleGapToleranceMs = tracker::kPreambleGapToleranceMs;
        // After a broken frame the rest is ignored until the line is quiet
        // this long, so that one bad transfer gives one verdict.
        double quietMs = 1000;
        // Chunks closer than this belong to one write of the sender.
        double burstGapMs = 3;
    };

    TrackerReceiver();
    explicit TrackerReceiver(Timing timing);

    // Returns the transfers that these bytes completed or cut short.
    std::vector<TrackerTransfer> receive(const QByteArray& bytes, double atMs);
    // Ends a transfer whose bytes stopped coming before nowMs.
    std::optional<TrackerTransfer> poll(double nowMs);
    // Ends whatever is under way, as when the line goes away.
    std::optional<TrackerTransfer> abort();
    // The time at which poll() would end the transfer under way; empty when idle.
    std::optional<double> deadline() const;
    bool idle() const { return state_ == State::Idle; }

private:
    enum class State { Idle, Preamble, Data, BetweenFrames, Discard };

    std::optional<TrackerTransfer> take(std::uint8_t byte, double atMs);
    TrackerTransfer finish(TrackerVerdict verdict, int frame);
    void begin(double atMs);

    Timing timing_;
    State state_ = State::Idle;
    int frame_ = 1;
    int count_ = 0;
    qsizetype frameStart_ = 0; // where the frame's preamble began in the bytes received
    double lastByteAt_ = 0;
    double lastChunkAt_ = 0;
    ConfigBlock block_{};
    TrackerTransfer current_;
};

} // namespace korvex
