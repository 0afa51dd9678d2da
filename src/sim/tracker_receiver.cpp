// SPDX-License-Identifier: GPL-3.0-or-later
#include "tracker_receiver.h"

#include "tracker_line.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace korvex {

QString lcdText(TrackerVerdict verdict, int frame) {
    switch (verdict) {
    case TrackerVerdict::Success:
        return QStringLiteral("Success!");
    case TrackerVerdict::BadChecksum:
        return QStringLiteral("Bad checksum %1").arg(frame);
    case TrackerVerdict::ShortFrame:
        return QStringLiteral("Short frame %1").arg(frame);
    case TrackerVerdict::MissingPreamble:
        return QStringLiteral("No preamble %1").arg(frame);
    case TrackerVerdict::FrameTimeout:
        return QStringLiteral("Timeout frame %1").arg(frame);
    case TrackerVerdict::EarlyFrame:
        return QStringLiteral("Early frame %1").arg(frame);
    }
    return {};
}

TrackerReceiver::TrackerReceiver()
    : TrackerReceiver(Timing{}) {}

TrackerReceiver::TrackerReceiver(Timing timing)
    : timing_(timing) {}

void TrackerReceiver::begin(double atMs) {
    current_ = TrackerTransfer{};
    current_.startedAtMs = atMs;
    block_.fill(0);
    frame_ = 1;
    count_ = 0;
    state_ = State::Preamble;
}

TrackerTransfer TrackerReceiver::finish(TrackerVerdict verdict, int frame) {
    TrackerTransfer done = std::move(current_);
    current_ = TrackerTransfer{};
    done.verdict = verdict;
    done.frame = verdict == TrackerVerdict::Success ? 0 : frame;
    done.lcd = lcdText(verdict, done.frame);
    if (verdict == TrackerVerdict::Success) {
        done.block = block_;
        done.decoded = decodeConfigBlock(block_);
        state_ = State::Idle;
    } else {
        // The rest of a broken transfer is noise until the line goes quiet.
        state_ = State::Discard;
    }
    return done;
}

std::optional<TrackerTransfer> TrackerReceiver::take(std::uint8_t byte, double atMs) {
    const double since = atMs - current_.startedAtMs;
    switch (state_) {
    case State::Idle:
    case State::Discard:
        return std::nullopt; // handled by receive()
    case State::BetweenFrames:
        // Bytes right behind frame 1 (a frame too long) or a preamble well
        // before its time: the sender's timeline is off.
        if (since < timing_.preambleGapMs - timing_.preambleGapToleranceMs)
            return finish(TrackerVerdict::EarlyFrame, frame_);
        state_ = State::Preamble;
        count_ = 0;
        [[fallthrough]];
    case State::Preamble:
        if (count_ == 0) {
            current_.marks[2 * static_cast<std::size_t>(frame_ - 1)] = since;
            frameStart_ = current_.received.size() - 1;
        }
        if (byte != tracker::kPreamble[static_cast<std::size_t>(count_)])
            return finish(TrackerVerdict::MissingPreamble, frame_);
        if (++count_ == static_cast<int>(tracker::kPreamble.size())) {
            state_ = State::Data;
            count_ = 0;
        }
        return std::nullopt;
    case State::Data: {
        if (count_ == 0)
            current_.marks[2 * static_cast<std::size_t>(frame_ - 1) + 1] = since;
        if (++count_ < tracker::kFrameBytes) {
            block_[static_cast<std::size_t>((frame_ - 1) * tracker::kFrameDataBytes + count_ - 1)] =
                byte;
            return std::nullopt;
        }
        // The checksum byte: the sum of what came before it on the line.
        const auto frame = std::span<const std::uint8_t>(
            reinterpret_cast<const std::uint8_t*>(current_.received.constData()) + frameStart_,
            static_cast<std::size_t>(current_.received.size() - 1 - frameStart_));
        if (byte != tracker::lineSum(frame))
            return finish(TrackerVerdict::BadChecksum, frame_);
        if (frame_ == 2)
            return finish(TrackerVerdict::Success, 0);
        frame_ = 2;
        count_ = 0;
        state_ = State::BetweenFrames;
        return std::nullopt;
    }
    }
    return std::nullopt;
}

std::vector<TrackerTransfer> TrackerReceiver::receive(const QByteArray& bytes, double atMs) {
    std::vector<TrackerTransfer> done;
    if (bytes.isEmpty())
        return done;
    if (auto late = poll(atMs))
        done.push_back(std::move(*late));

    bool chunkCounted = false;
    for (const char c : bytes) {
        if (state_ == State::Discard) {
            lastByteAt_ = atMs;
            continue;
        }
        if (state_ == State::Idle) {
            begin(atMs);
            chunkCounted = false;
        }
        if (!chunkCounted) {
            // One write of the sender may come in several reads; they are one
            // arrival as long as they follow each other closely.
            const double since = atMs - current_.startedAtMs;
            if (current_.arrivals.empty() || atMs - lastChunkAt_ >= timing_.burstGapMs)
                current_.arrivals.push_back({since, 0});
            lastChunkAt_ = atMs;
            chunkCounted = true;
        }
        current_.arrivals.back().bytes += 1;
        current_.received.append(c);
        lastByteAt_ = atMs;
        if (auto finished = take(static_cast<std::uint8_t>(c), atMs))
            done.push_back(std::move(*finished));
    }
    return done;
}

std::optional<double> TrackerReceiver::deadline() const {
    switch (state_) {
    case State::Idle:
        return std::nullopt;
    case State::BetweenFrames:
        // Counted from preamble 1, which came first.
        return current_.startedAtMs + timing_.preambleGapMs + timing_.preambleGapToleranceMs;
    case State::Discard:
        return lastByteAt_ + timing_.quietMs;
    case State::Preamble:
    case State::Data:
        return lastByteAt_ + timing_.byteGapMs;
    }
    return std::nullopt;
}

std::optional<TrackerTransfer> TrackerReceiver::poll(double nowMs) {
    const std::optional<double> due = deadline();
    if (!due || nowMs < *due)
        return std::nullopt;
    switch (state_) {
    case State::Idle:
        break;
    case State::Discard:
    case State::BetweenFrames:
        return abort();
    case State::Preamble:
    case State::Data:
        // The rest of the transfer may still come: it gets no verdict of its own.
        auto cut = abort();
        state_ = State::Discard;
        return cut;
    }
    return std::nullopt;
}

std::optional<TrackerTransfer> TrackerReceiver::abort() {
    std::optional<TrackerTransfer> result;
    switch (state_) {
    case State::Idle:
    case State::Discard:
        break;
    case State::BetweenFrames:
        result = finish(TrackerVerdict::FrameTimeout, 2);
        break;
    case State::Preamble:
    case State::Data:
        result = finish(TrackerVerdict::ShortFrame, frame_);
        break;
    }
    state_ = State::Idle;
    return result;
}

} // namespace korvex
