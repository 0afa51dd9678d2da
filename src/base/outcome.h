// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "field_id.h"

#include <QString>
#include <optional>
#include <utility>
#include <variant>

namespace korvex {

// Two facts a fault may carry belong to one floor each, and are defined
// there: the step of a build (settings/build_step.h) and the kind of failure
// a file met (file_io/fault_kind.h). Here they are names only, so that the
// result type shared by every floor knows none of their words.
enum class BuildStep : int;
enum class FaultKind : int;

// Why something could not be done, and where when that is known: the setting
// it concerns and, in a build, the step.
struct Fault {
    QString reason;
    std::optional<FieldId> field{};
    std::optional<BuildStep> step{};
    std::optional<FaultKind> kind{};

    // The same fault told from further out: "context: reason", the way every
    // message names what failed before it says why.
    [[nodiscard]] Fault within(const QString& context) const& {
        return Fault(*this).within(context);
    }
    [[nodiscard]] Fault within(const QString& context) && {
        reason = context + QStringLiteral(": ") + reason;
        return std::move(*this);
    }
};

// Done, or a fault. Success is a state of its own, never "no reason given".
class [[nodiscard]] Outcome {
public:
    static Outcome success() { return Outcome(); }
    // A fault returned where an Outcome is expected reads as the failure it is.
    Outcome(Fault fault)
        : fault_(std::move(fault)) {}

    bool ok() const { return !fault_.has_value(); }
    explicit operator bool() const { return ok(); }
    // Only for an outcome that is not ok.
    const Fault& fault() const { return fault_.value(); }

private:
    Outcome() = default;
    std::optional<Fault> fault_;
};

// A value, or the fault that kept it from being made.
template <typename T> class [[nodiscard]] Result {
public:
    Result(T value)
        : state_(std::in_place_index<0>, std::move(value)) {}
    Result(Fault fault)
        : state_(std::in_place_index<1>, std::move(fault)) {}

    bool ok() const { return state_.index() == 0; }
    explicit operator bool() const { return ok(); }
    // Only for a result that is ok.
    const T& value() const& { return std::get<0>(state_); }
    T value() && { return std::get<0>(std::move(state_)); }
    // Only for a result that is not ok.
    const Fault& fault() const { return std::get<1>(state_); }

    Outcome outcome() const { return ok() ? Outcome::success() : Outcome(fault()); }

private:
    std::variant<T, Fault> state_;
};

} // namespace korvex
