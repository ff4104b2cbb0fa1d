#pragma once
// How a step with the radio ended. A step shows the messages the protocol prescribes where they
// happen; what the user is told at the end (failure or completion) the flow decides from this value.

namespace klt {

enum class Outcome {
    Done,
    Failed,    // the radio did not do what was asked
    Cancelled, // the user cancelled, or a fault of the port was reported and ended the run
};

} // namespace klt
