#include "link/transfer_flows.h"

#include "link/block_transfer.h"
#include "link/clear_operations.h"
#include "link/handshake.h"
#include "link/identity_checks.h"
#include "model/image_mapping.h"

#include <vector>

namespace klt {

namespace {

// Status and identity of the radio, before every read, write and clear.
Outcome CommonSteps(RadioLink &link, const TransferData &data) {
    link.ui().setBusyPointer(true);
    if (const Outcome status = CheckRadioStatus(link); status != Outcome::Done) {
        if (IsFailure(status)) {
            link.ui().message(MessageIcon::Error, "Radio not ready!!", link.caption());
        }
        return status;
    }
    if (const Outcome model = ReadDataChkModel(link, data.image, data.model); model != Outcome::Done) {
        return model;
    }
    return ReadDataChkProduct(link);
}

Outcome ReadFlow(RadioLink &link, const TransferData &data) {
    if (const Outcome ready = CommonSteps(link, data); ready != Outcome::Done) {
        return ready;
    }
    link.ShowMonitor("radio reading...");
    const auto image = data.image.bytes();
    std::vector<std::uint8_t> buffer(image.begin(), image.end());
    const Outcome read = GuardPortFaults(link, "frmRadio.ReadData", [&] { return ReadData(link, buffer); });
    FinishTransfer(link, read, "Read from Radio");
    if (read == Outcome::Done) {
        MergeReadImage(data.image, buffer);
        DecodeImage(data.image, data.config, data.model);
    }
    return read;
}

Outcome WriteFlow(RadioLink &link, const TransferData &data) {
    PrepareImageForWrite(data.image, data.config);
    if (const Outcome ready = CommonSteps(link, data); ready != Outcome::Done) {
        return ready;
    }
    link.ShowMonitor("radio writing...");
    const std::size_t before = link.Sends();
    const Outcome written =
        GuardPortFaults(link, "frmRadio.WriteData", [&] { return WriteData(link, data.image); });
    FinishTransfer(link, written, "Program to Radio",
                   link.Sends() > before ? RadioChange::Programmed : RadioChange::None);
    return written;
}

Outcome ClearFlow(RadioLink &link, Operation operation, const TransferData &data) {
    if (const Outcome ready = CommonSteps(link, data); ready != Outcome::Done) {
        return ready;
    }
    const Outcome cleared = RunClear(link, operation, data.image);
    if (cleared != Outcome::Done) {
        return cleared;
    }
    // The records follow what the radio now holds, so that the editor shows the cleared data and a
    // later write does not bring it back.
    if (operation == Operation::ClearMmsi) {
        data.config.DscBasic.UserMmsi.clear();
    } else if (operation == Operation::ClearAtis) {
        data.config.Atis.AtisCode.clear();
    }
    if (operation == Operation::ClearIndividual || operation == Operation::ClearAll) {
        ClearDirectory(data.config.Individual);
    }
    if (operation == Operation::ClearGroup || operation == Operation::ClearAll) {
        ClearDirectory(data.config.GroupDirectory);
    }
    return cleared;
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

Outcome RunTransfer(RadioLink &link, Operation operation, const TransferData &data) {
    link.setCaption(OperationCaption(operation));
    link.ShowMonitor("startsync...");
    const Outcome outcome = GuardPortFaults(link, "frmRadio.PortInit", [&] {
        if (const Outcome connected = StartConnection(link); connected != Outcome::Done) {
            link.ShowMonitor("can not syncing!!");
            return connected;
        }
        link.ShowMonitor("sync ok");
        switch (operation) {
        case Operation::Read:
            return ReadFlow(link, data);
        case Operation::Program:
            return WriteFlow(link, data);
        default:
            return ClearFlow(link, operation, data);
        }
    });
    link.ClosePort();
    if (outcome == Outcome::Done) {
        link.ShowMonitor("");
        link.ui().message(MessageIcon::Information, "Complete!!", link.caption());
    }
    link.ui().progress(0);
    link.ui().setBusyPointer(false);
    return outcome;
}

} // namespace klt
