#include "app/transfer_command.h"

#include "app/startup.h"
#include "link/transfer_flows.h"

namespace klt {

LinkSettings LinkSettingsOf(const AppContext &ctx) {
    LinkSettings settings;
    settings.portNumber = StoredPortNumber(ctx.store);
    settings.slowLink = ctx.SlowLinkMode;
    settings.debugMode = ctx.DebugMode;
    return settings;
}

Outcome RunTransferCommand(AppContext &ctx, SerialPort &port, LinkClock &clock, Operation operation) {
    // A run starts without a Cancel; one pressed from here on, even during the first monitor pause,
    // is honoured.
    ctx.Cancel.requested = false;
    RadioLink link(port, ctx.ui, clock, ctx.Cancel, ErrorLogOf(ctx), LinkSettingsOf(ctx));
    return RunTransfer(link, operation, {ctx.Image, ctx.Config, ctx.CurrentModel});
}

} // namespace klt
