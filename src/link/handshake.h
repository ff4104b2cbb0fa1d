#pragma once
// Starting a connection (wake-up, speed command, synchronisation), the radio's readiness, and the
// acknowledged, retried request that every exchange uses.

#include "link/outcome.h"
#include "link/radio_link.h"

#include <functional>
#include <vector>

namespace klt {

// "#CMDOK" then CR and LF: Ok. Six other characters, or a missing CR or LF, give BadLineEnd;
// Cancelled, TimedOut and RadioError are passed on.
LinkResult AwaitAck(RadioLink &link);

// Wake-up, speed command, the transfer speed and the synchronisation. NoAnswer when the radio never
// acknowledged the synchronisation; Failed when the speed command was refused, a port would not open
// (both told here) or the acknowledgements came garbled.
Outcome StartConnection(RadioLink &link);
// Two acknowledged synchronisation requests; a pass that fails all its attempts ends it, since both
// must succeed.
Outcome SyncLink(RadioLink &link);
// Done when the radio reports ready; Failed when it does not, NoAnswer when it does not answer.
Outcome CheckRadioStatus(RadioLink &link);
void AbortTransfer(RadioLink &link);

// Sends the frame until the radio acknowledges it: three attempts for silence and "ERROR" answers,
// then, after "ERROR", the question whether to synchronise again (one more attempt when it works).
// beforeAttempt runs before every attempt. NoAnswer when the last attempt met silence; a pending
// Cancel sends nothing more.
Outcome SendAcknowledged(RadioLink &link, const std::vector<std::uint8_t> &frame,
                         const std::function<void()> &beforeAttempt = {});

} // namespace klt
