#pragma once
// The clear operations: erase one area of the radio's memory (or several), in the program's image
// first, then on the radio; on failure the image is put back.

#include "link/radio_link.h"

#include <string>

namespace klt {

constexpr int kOperationRead = 0;
constexpr int kOperationProgram = 1;
constexpr int kOperationClearMmsi = 2;
constexpr int kOperationClearDscLog = 3;
constexpr int kOperationClearDistressLog = 4;
constexpr int kOperationClearIndividual = 5;
constexpr int kOperationClearGroup = 6;
constexpr int kOperationClearWaypoint = 7;
constexpr int kOperationClearDscTxLog = 8;
constexpr int kOperationClearAll = 9;
constexpr int kOperationClearAtis = 10;

// The caption of the transfer dialog for an operation code; empty for an unknown code.
std::string OperationCaption(int operation);

// The clear flow of operations 2 to 10, after the connection, status and identity steps.
void RunClear(RadioLink &link, int operation);

// The image changes of a clear, alone (what RunClear sends afterwards).
void ApplyClearToImage(RadioImage &image, int operation);

} // namespace klt
