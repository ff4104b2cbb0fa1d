#pragma once
// How a step with the radio ended. A step shows the messages the protocol prescribes where they
// happen; what the user is told at the end (failure or completion) the flow decides from this value.

namespace klt {

enum class Outcome {
    Done,
    Failed,     // the radio refused or garbled what was asked
    NoAnswer,   // the radio stopped answering: an exchange met silence on every attempt
    Cancelled,  // the user cancelled
    PortFailed, // the port itself failed; that was told where it happened
};

// A step that failed, whatever the cause: the flow stops there.
inline bool IsFailure(Outcome outcome) {
    return outcome == Outcome::Failed || outcome == Outcome::NoAnswer;
}

} // namespace klt
