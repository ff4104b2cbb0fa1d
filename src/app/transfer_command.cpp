#include "app/transfer_command.h"

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

WriteCheck WriteCheckOf(const AppContext &ctx, bool verify, bool identity) {
    WriteCheck check;
    check.verify = verify;
    check.identity = identity;
    check.describe = [config = ctx.Config, model = ctx.CurrentModel, name = ctx.ModelName,
                      atis = ctx.AtisAvailable](const RadioImage &sent, const RadioImage &held) {
        Configuration written = config;
        Configuration holds = config;
        DecodeImage(sent, written, model);
        DecodeImage(held, holds, model);
        return SettingsDifferences(written, holds, model, name, atis);
    };
    return check;
}

Outcome RunTransferCommand(AppContext &ctx, SerialPort &port, LinkClock &clock, Operation operation,
                           TransferOptions options) {
    // A run starts without a Cancel; one pressed from here on, even during the first monitor pause,
    // is honoured.
    ctx.Cancel.requested = false;
    RadioLink link(port, ctx.ui, clock, ctx.Cancel, ErrorLogOf(ctx), LinkSettingsOf(ctx));
    return RunTransfer(link, operation,
                       {ctx.Image, ctx.Config, ctx.CurrentModel,
                        WriteCheckOf(ctx, options.verify, options.identity), options.received});
}

} // namespace klt
