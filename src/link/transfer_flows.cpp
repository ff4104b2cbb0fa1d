#include "link/transfer_flows.h"

#include "link/block_transfer.h"
#include "link/clear_operations.h"
#include "link/handshake.h"
#include "link/identity_checks.h"
#include "link/line_messages.h"
#include "link/write_verification.h"
#include "model/image_mapping.h"

#include <algorithm>
#include <vector>

namespace klt {

namespace {

std::string Hex(unsigned value, int digits) {
    std::string text(static_cast<std::size_t>(digits), '0');
    for (int i = digits - 1; i >= 0 && value != 0; --i, value >>= 4) {
        text[static_cast<std::size_t>(i)] = "0123456789ABCDEF"[value & 0xF];
    }
    return text;
}

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
        if (data.received != nullptr) {
            std::ranges::copy(buffer, data.received->bytes().begin());
        }
        MergeReadImage(data.image, buffer);
        DecodeImage(data.image, data.config, data.model);
    }
    return read;
}

// The settings (or, without a describer, the addresses) whose bytes the radio holds otherwise.
std::vector<std::string> Differences(const TransferData &data, const RadioImage &held,
                                     const std::vector<Address> &differing) {
    std::vector<std::string> named =
        data.check.describe ? data.check.describe(data.image, held) : std::vector<std::string>{};
    if (named.empty()) {
        for (const Address a : differing) {
            named.push_back("byte " + Hex(a, 4) + ": " + Hex(data.image.at(a), 2) + " -> " +
                            Hex(held.at(a), 2));
        }
    }
    return named;
}

Outcome VerifyFlow(RadioLink &link, const TransferData &data) {
    link.ShowMonitor("radio verifying...");
    RadioImage held = data.image;
    std::vector<Address> differing;
    const Outcome read = GuardPortFaults(link, "frmRadio.VerifyData",
                                         [&] { return VerifyWrite(link, data.image, held, differing); });
    if (read != Outcome::Done || differing.empty()) {
        FinishTransfer(link, read, "Program to Radio", RadioChange::Programmed);
        if (read == Outcome::Done) {
            link.setCompletionNote(kVerifiedNote);
        }
        return read;
    }
    link.ClosePort();
    link.ui().message(MessageIcon::Error, VerifyErrorText(Differences(data, held, differing)),
                      link.caption());
    return Outcome::Failed;
}

// The radio's identity before it is changed: when the write would change it the user is asked, and
// No (the default) writes nothing.
Outcome IdentityFlow(RadioLink &link, const TransferData &data) {
    link.ShowMonitor("identity check...");
    std::optional<std::string> held;
    const Outcome read = GuardPortFaults(link, "frmRadio.ReadIdentity", [&] {
        Outcome outcome = Outcome::Done;
        held = ReadRadioMmsi(link, outcome);
        if (outcome == Outcome::Cancelled) {
            AbortTransfer(link); // the read owes the radio its abort
        }
        return outcome;
    });
    if (read != Outcome::Done) {
        FinishTransfer(link, read, "Program to Radio");
        return read;
    }
    const auto question = IdentityQuestion(*held, data.config.DscBasic.UserMmsi);
    if (question && link.ui().question(MessageIcon::Exclamation, *question, link.caption(),
                                       Buttons::YesNoDefaultNo) != Answer::Yes) {
        FinishTransfer(link, Outcome::Cancelled, "Program to Radio");
        return Outcome::Cancelled;
    }
    return Outcome::Done;
}

Outcome WriteFlow(RadioLink &link, const TransferData &data) {
    PrepareImageForWrite(data.image, data.config);
    if (const Outcome ready = CommonSteps(link, data); ready != Outcome::Done) {
        return ready;
    }
    if (data.check.identity) {
        if (const Outcome same = IdentityFlow(link, data); same != Outcome::Done) {
            return same;
        }
    }
    link.ShowMonitor("radio writing...");
    const std::size_t before = link.Sends();
    const Outcome written =
        GuardPortFaults(link, "frmRadio.WriteData", [&] { return WriteData(link, data.image); });
    if (written != Outcome::Done || !data.check.verify) {
        FinishTransfer(link, written, "Program to Radio",
                       link.Sends() > before ? RadioChange::Programmed : RadioChange::None);
        return written;
    }
    return VerifyFlow(link, data);
}

// What the clear is about to erase, kept first: nothing a clear erases is lost.
Outcome BackupBeforeClear(RadioLink &link, Operation operation, const TransferData &data) {
    link.ShowMonitor("radio backup...");
    RadioImage backup = data.image;
    std::vector<layout::Range> ranges = ClearedRanges(operation);
    ranges.push_back(layout::kMmsiClearBytes); // whose radio it was
    const Outcome read =
        GuardPortFaults(link, "frmRadio.BackupBeforeClear", [&] { return ReadRanges(link, ranges, backup); });
    if (read != Outcome::Done) {
        FinishTransfer(link, read, link.caption());
        return read;
    }
    if (!data.keepBeforeClear(backup) &&
        link.ui().question(MessageIcon::Exclamation,
                           "The memory this clear erases could not be kept as a backup.\r\nClear anyway?",
                           link.caption(), Buttons::YesNoDefaultNo) != Answer::Yes) {
        FinishTransfer(link, Outcome::Cancelled, link.caption());
        return Outcome::Cancelled;
    }
    return Outcome::Done;
}

// A clear undone: its own writes with the backup's bytes, then read back.
Outcome RestoreFlow(RadioLink &link, Operation operation, const TransferData &data) {
    const Outcome sent = RestoreCleared(link, operation, data.image);
    if (sent != Outcome::Done) {
        return sent;
    }
    link.ShowMonitor("radio verifying...");
    RadioImage held = data.image;
    std::vector<Address> differing;
    const Outcome read = GuardPortFaults(link, "frmRadio.VerifyData", [&] {
        return VerifyRanges(link, ClearedRanges(operation), data.image, held, differing);
    });
    link.ClosePort();
    if (read != Outcome::Done) {
        FinishTransfer(link, read, link.caption(), RadioChange::Cleared);
        return read;
    }
    if (!differing.empty()) {
        link.ui().message(MessageIcon::Error, VerifyErrorText(Differences(data, held, differing)),
                          link.caption());
        return Outcome::Failed;
    }
    link.setCompletionNote(kVerifiedNote);
    return Outcome::Done;
}

Outcome ClearFlow(RadioLink &link, Operation operation, const TransferData &data) {
    if (const Outcome ready = CommonSteps(link, data); ready != Outcome::Done) {
        return ready;
    }
    if (data.restoreCleared) {
        return RestoreFlow(link, operation, data);
    }
    if (data.keepBeforeClear) {
        if (const Outcome kept = BackupBeforeClear(link, operation, data); kept != Outcome::Done) {
            return kept;
        }
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
    link.setCaption(data.restoreCleared ? "Restore" : OperationCaption(operation));
    link.setCompletionNote({});
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
        const std::string note = link.completionNote();
        link.ui().message(MessageIcon::Information, note.empty() ? "Complete!!" : "Complete!!\r\n" + note,
                          link.caption());
    }
    link.ui().progress(0);
    link.ui().setBusyPointer(false);
    return outcome;
}

} // namespace klt
