#pragma once
// Serial port numbers 1 to 16 to device paths: KLT_COM<n> in the environment, then the settings
// store's "ComPath"/"Device<n>", then the n-th serial device the system lists (USB adapters first).

#include "base/settings_store.h"

#include <string>
#include <vector>

namespace klt {

// The system's serial devices in a stable order, USB adapters first.
std::vector<std::string> SystemSerialDevices();

std::string ResolvePortDevice(int portNumber, const SettingsStore &store);
// The devices of port numbers 1 to count, with one look at the system's devices.
std::vector<std::string> ResolvePortDevices(int count, const SettingsStore &store);

} // namespace klt
