#pragma once

#include "config_block.h"

#include <QString>
#include <cstdint>
#include <optional>

namespace korvex {

enum class EncodeErrorKind { SubscriptOutOfRange, Overflow };

struct EncodeError {
    EncodeErrorKind kind;
    QString detail;
};

QString describe(const EncodeError& error);

// Writes text, one byte a character, then a 0. On return `position` is the
// index of that 0 (also when the 0 itself did not fit). Bytes written before a
// failure stay written.
std::optional<EncodeError> AppendText(ConfigBlock& block, std::int16_t& position,
                                      const QString& text);

struct CallsignResult {
    QString text; // the normalised call sign, to be written back into its field
    std::optional<EncodeError> error;
};

// Writes a 7-byte call-sign field (6 characters padded or cut, SSID byte),
// optionally followed by a 0. On return `position` is the index of the SSID byte.
CallsignResult AppendCallsign(ConfigBlock& block, std::int16_t& position, const QString& text,
                              bool terminate);

} // namespace korvex
