#include "link/write_verification.h"

#include "link/block_transfer.h"
#include "link/handshake.h"
#include "model/digits_codec.h"
#include "model/maritime_identity.h"
#include "model/number_rules.h"

#include <algorithm>
#include <cmath>

namespace klt {

std::vector<layout::Range> WrittenRanges() {
    using namespace layout;
    std::vector<Range> ranges;
    for (Address step = 0; step <= kWriteEnd; step += kBlockLength) {
        const auto run = std::ranges::find(kWriteByteRuns, step, &ByteRunStep::step);
        if (run != kWriteByteRuns.end()) {
            ranges.push_back(run->bytes);
        } else if (!Contains(kWritePausedSteps, step)) {
            ranges.push_back({step, step + kBlockLength - 1});
        }
    }
    return ranges;
}

std::optional<std::string> ReadRadioMmsi(RadioLink &link, Outcome &outcome) {
    RadioImage held;
    const Address block = layout::kUserMmsi - layout::kUserMmsi % kBlockLength;
    outcome = ReadBlock(link, held.bytes(), block, kBlockLength);
    if (outcome != Outcome::Done) {
        return std::nullopt;
    }
    return MmsiForPeople(Bcd5ToDigits(held, layout::kUserMmsi));
}

std::optional<std::string> IdentityQuestion(const std::string &radioMmsi, const std::string &configuredMmsi) {
    const std::string configured = MmsiForPeople(configuredMmsi);
    if (radioMmsi.size() != kMmsiDigits || radioMmsi == configured) {
        return std::nullopt;
    }
    const auto withCountry = [](const std::string &mmsi) {
        const auto country = CountryOfMmsi(mmsi);
        return country ? mmsi + " (" + std::string(*country) + ")" : mmsi;
    };
    const std::string becomes =
        configured.empty() ? "would leave it without one" : "would make it " + withCountry(configured);
    return "This radio's MMSI is " + withCountry(radioMmsi) + "; the configuration " + becomes +
           ".\r\nProgram anyway?";
}

Outcome ReadRanges(RadioLink &link, const std::vector<layout::Range> &ranges, RadioImage &held) {
    if (!link.PortOpen()) {
        return Outcome::Failed;
    }
    auto buffer = held.bytes();
    link.ui().progress(0);
    Address last = layout::kImageSize; // no block read yet
    for (std::size_t i = 0; i < ranges.size(); ++i) {
        link.ui().progress(static_cast<int>(
            std::lround(100.0 * static_cast<double>(i) / static_cast<double>(ranges.size()))));
        // The whole blocks that hold the range, as a read asks for them, each once.
        for (Address block = ranges[i].first - ranges[i].first % kBlockLength; block <= ranges[i].last;
             block += kBlockLength) {
            if (block == last) {
                continue;
            }
            last = block;
            const Outcome read = ReadBlock(link, buffer, block, kBlockLength);
            if (read == Outcome::Cancelled) {
                AbortTransfer(link);
            }
            if (read != Outcome::Done) {
                return read;
            }
        }
    }
    link.ui().progress(100);
    return Outcome::Done;
}

Outcome VerifyRanges(RadioLink &link, const std::vector<layout::Range> &ranges, const RadioImage &sent,
                     RadioImage &held, std::vector<Address> &differing) {
    const Outcome read = ReadRanges(link, ranges, held);
    if (read != Outcome::Done) {
        return read;
    }
    for (const layout::Range &range : ranges) {
        for (Address a = range.first; a <= range.last; ++a) {
            if (held.at(a) != sent.at(a)) {
                differing.push_back(a);
            }
        }
    }
    return Outcome::Done;
}

Outcome VerifyWrite(RadioLink &link, const RadioImage &sent, RadioImage &held,
                    std::vector<Address> &differing) {
    return VerifyRanges(link, WrittenRanges(), sent, held, differing);
}

} // namespace klt
