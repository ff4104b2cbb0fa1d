#include "link/transfer_flows.h"

#include "link/block_transfer.h"
#include "link/clear_operations.h"
#include "link/handshake.h"
#include "link/identity_checks.h"
#include "model/image_mapping.h"

#include <vector>

namespace klt {

namespace {

// Status and identity of the radio, before every read, write and clear; true when the flow may go on.
bool CommonSteps(RadioLink &link) {
    auto &ctx = link.ctx();
    ctx.Link.Busy = true;
    ctx.ui.setBusyPointer(true);
    if (!CheckRadioStatus(link)) {
        ctx.ui.message(MessageIcon::Error, "Radio not ready!!", link.caption());
        return false;
    }
    ReadDataChkModel(link);
    if (!ctx.Link.LinkError) {
        ReadDataChkProduct(link);
    }
    return !ctx.Link.LinkError;
}

void Complete(RadioLink &link) {
    auto &ctx = link.ctx();
    ctx.Link.TransferDone = true;
    link.ShowMonitor("");
    ctx.ui.message(MessageIcon::Information, "Complete!!", link.caption());
}

void ReadFlow(RadioLink &link) {
    auto &ctx = link.ctx();
    if (!CommonSteps(link)) {
        return;
    }
    link.ShowMonitor("radio reading...");
    const auto image = ctx.Image.bytes();
    std::vector<std::uint8_t> buffer(image.begin(), image.end());
    GuardPortFaults(link, "frmRadio.ReadData", [&] { ReadData(link, buffer); });
    if (!ctx.Link.LinkError && !ctx.Link.Cancel) {
        MergeReadImage(ctx.Image, buffer);
        DecodeImage(ctx.Image, ctx.Config, ctx.CurrentModel);
        Complete(link);
    }
}

void WriteFlow(RadioLink &link) {
    auto &ctx = link.ctx();
    PrepareImageForWrite(ctx.Image, ctx.Config);
    if (!CommonSteps(link)) {
        return;
    }
    link.ShowMonitor("radio writing...");
    GuardPortFaults(link, "frmRadio.WriteData", [&] { WriteData(link); });
    if (!ctx.Link.LinkError && !ctx.Link.Cancel) {
        Complete(link);
    }
}

} // namespace

void PrepareImageForWrite(RadioImage &image, const Configuration &config) {
    PrepareImageForSave(image, config);
    for (Address a = layout::kAtisCode; a < layout::kAtisCode + layout::kBcd5Length; ++a) {
        if (image.at(a) != 0xFF) {
            image.set(layout::kAtisCodePresent, 1);
            break;
        }
    }
}

void RunTransfer(RadioLink &link, int operation) {
    auto &ctx = link.ctx();
    link.setCaption(OperationCaption(operation));
    link.ShowMonitor("startsync...");
    GuardPortFaults(link, "frmRadio.PortInit", [&] {
        if (!StartConnection(link)) {
            link.ShowMonitor("can not syncing!!");
            return;
        }
        link.ShowMonitor("sync ok");
        if (operation == kOperationRead) {
            ReadFlow(link);
        } else if (operation == kOperationProgram) {
            WriteFlow(link);
        } else if (CommonSteps(link)) {
            RunClear(link, operation);
        }
    });
    link.ClosePort();
    ctx.ui.progress(0);
    ctx.ui.setBusyPointer(false);
    ctx.Link.Busy = false;
}

} // namespace klt
