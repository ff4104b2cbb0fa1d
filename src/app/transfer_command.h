#pragma once
// Transfer > Read from Radio, Program to Radio and the clear operations, as the transfer dialog and
// the command line run them on the program's configuration.

#include "app/app_context.h"
#include "link/link_clock.h"
#include "link/operation.h"
#include "link/outcome.h"
#include "link/radio_link.h"
#include "link/serial_port.h"
#include "link/transfer_flows.h"

#include <filesystem>
#include <functional>
#include <optional>

namespace klt {

// The link as the preferences and the program's mode set it up: the stored port, the line speed,
// the monitor of debug mode.
LinkSettings LinkSettingsOf(const AppContext &ctx);

// How a write of this context proves itself: read back when verify is on, the differences named by
// the settings file's own sections and keys.
// identity: the radio's user MMSI is read first, and a write that would change it asks.
WriteCheck WriteCheckOf(const AppContext &ctx, bool verify, bool identity = true);
// The same for a configuration of a model by name, outside any context (a fleet's radio).
WriteCheck MakeWriteCheck(const Configuration &config, Model model, const std::string &modelName, bool atis,
                          bool verify, bool identity);

struct TransferOptions {
    bool verify = true;             // a write reads back what it wrote
    bool identity = true;           // a write that would change the radio's MMSI asks first
    RadioImage *received = nullptr; // a read leaves here the memory as the radio sent it
    // A clear hands here what it is about to erase, to be kept (false when it could not be).
    std::function<bool(const RadioImage &backup)> keepBeforeClear = {};
    // The clear puts back instead what it erased, from the context's image (a backup made before it).
    bool restoreCleared = false;
};

// The backup before a clear, among the per-user backups; its path, or nothing when it could not be
// written.
std::optional<std::filesystem::path> KeepBackupBeforeClear(const AppContext &ctx, Operation operation,
                                                           const RadioImage &backup);

// Done when the operation completed ("Complete!!" was shown).
Outcome RunTransferCommand(AppContext &ctx, SerialPort &port, LinkClock &clock, Operation operation,
                           const TransferOptions &options = {});

} // namespace klt
