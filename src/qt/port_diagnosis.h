#pragma once
// The port doctor's report for the window's Help > Port Diagnosis: every serial port of this system,
// the one the user chose first among them.

#include <string>

namespace klt {

std::string PortDiagnosisText(const std::string &chosen);

} // namespace klt
