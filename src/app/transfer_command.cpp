#include "app/transfer_command.h"

#include "app/backups.h"
#include "app/startup.h"
#include "files/settings_diff.h"
#include "link/transfer_flows.h"
#include "model/image_mapping.h"

namespace klt {

LinkSettings LinkSettingsOf(const AppContext &ctx) {
    LinkSettings settings;
    settings.portNumber = StoredPortNumber(ctx.store);
    settings.slowLink = ctx.SlowLinkMode;
    settings.debugMode = ctx.DebugMode;
    return settings;
}

WriteCheck MakeWriteCheck(const Configuration &config, Model model, const std::string &modelName, bool atis,
                          bool verify, bool identity) {
    WriteCheck check;
    check.verify = verify;
    check.identity = identity;
    check.describe = [config, model, modelName, atis](const RadioImage &sent, const RadioImage &held) {
        Configuration written = config;
        Configuration holds = config;
        DecodeImage(sent, written, model);
        DecodeImage(held, holds, model);
        return SettingsDifferences(written, holds, model, modelName, atis);
    };
    return check;
}

WriteCheck WriteCheckOf(const AppContext &ctx, bool verify, bool identity) {
    return MakeWriteCheck(ctx.Config, ctx.CurrentModel, ctx.ModelName, ctx.AtisAvailable, verify, identity);
}

std::optional<std::filesystem::path> KeepBackupBeforeClear(const AppContext &ctx, Operation operation,
                                                           const RadioImage &backup) {
    return KeepBackup(BackupFolder(ctx.ProgramTitle), backup, ctx.CurrentModel,
                      std::chrono::system_clock::now(), operation);
}

Outcome RunTransferCommand(AppContext &ctx, SerialPort &port, LinkClock &clock, Operation operation,
                           const TransferOptions &options) {
    // A run starts without a Cancel; one pressed from here on, even during the first monitor pause,
    // is honoured.
    ctx.Cancel.requested = false;
    RadioLink link(port, ctx.ui, clock, ctx.Cancel, ErrorLogOf(ctx), LinkSettingsOf(ctx));
    TransferData data{ctx.Image, ctx.Config, ctx.CurrentModel,
                      WriteCheckOf(ctx, options.verify, options.identity), options.received};
    data.restoreCleared = options.restoreCleared;
    if (IsClear(operation) && !options.restoreCleared) {
        data.keepBeforeClear = options.keepBeforeClear;
    }
    return RunTransfer(link, operation, data);
}

} // namespace klt
