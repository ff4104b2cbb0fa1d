#pragma once
// Starting a connection (wake-up, speed command, synchronisation), the radio's readiness, and the
// acknowledged, retried request that every exchange uses.

#include "link/radio_link.h"

#include <functional>
#include <vector>

namespace klt {

// "#CMDOK" then CR and LF: Ok. Six other characters, or a missing CR or LF, give BadLineEnd;
// Cancelled, TimedOut and RadioError are passed on.
LinkResult AwaitAck(RadioLink &link);

bool StartConnection(RadioLink &link);
bool SyncLink(RadioLink &link);
bool CheckRadioStatus(RadioLink &link);
void AbortTransfer(RadioLink &link);

// Sends the frame until the radio acknowledges it: three attempts for silence and "ERROR" answers,
// then, after "ERROR", the question whether to synchronise again (one more attempt when it works).
// beforeAttempt runs before every attempt. True when the frame was acknowledged.
bool SendAcknowledged(RadioLink &link, const std::vector<std::uint8_t> &frame,
                      const std::function<void()> &beforeAttempt = {});

} // namespace klt
