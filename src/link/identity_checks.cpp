#include "link/identity_checks.h"

#include "link/block_transfer.h"
#include "model/model_catalogue.h"

#include <cstdio>
#include <vector>

namespace klt {

namespace {

void CheckMessage(RadioLink &link, const std::string &text, const std::string &title) {
    link.ctx().ui.message(MessageIcon::Error, text, title);
}

// After the reads: false (message shown unless cancelled) when they did not succeed.
bool ReadsSucceeded(RadioLink &link) {
    const auto &flags = link.ctx().Link;
    if (flags.Cancel) {
        return false;
    }
    if (flags.LinkError) {
        CheckMessage(link, "Communication Error!!", "Model Check");
        return false;
    }
    return true;
}

std::string HexNoPadding(unsigned value) {
    char text[16];
    std::snprintf(text, sizeof text, "%X", value);
    return text;
}

} // namespace

void ReadDataChkModel(RadioLink &link) {
    GuardPortFaults(link, "frmRadio.ReadDataChkModel", [&link] {
        auto &ctx = link.ctx();
        if (!link.PortOpen()) {
            return;
        }
        link.ShowMonitor("model check...");
        std::vector<std::uint8_t> buffer(RadioImage::kSize);
        const auto codes = ModelCodeAddresses(ctx.Image);
        ReadBlock(link, buffer, codes.head, 2);
        if (!ctx.Link.LinkError) {
            ReadBlock(link, buffer, codes.tail, 2);
        }
        if (!ReadsSucceeded(link)) {
            return;
        }
        if (!ImageModelCodeMatches(ctx.CurrentModel, Be16At(buffer, codes.head),
                                   Be16At(buffer, codes.tail))) {
            ctx.Link.LinkError = true;
            CheckMessage(link, "ModelType Error !!", "Read from Radio");
        }
    });
}

void ReadDataChkProduct(RadioLink &link) {
    GuardPortFaults(link, "frmRadio.ReadDataChkProduct", [&link] {
        using namespace layout;
        auto &ctx = link.ctx();
        if (!link.PortOpen()) {
            return;
        }
        link.ShowMonitor("product-code check...");
        std::vector<std::uint8_t> buffer(RadioImage::kSize);
        ReadBlock(link, buffer, kProductCode, kProductCodeReadLength);
        if (!ReadsSucceeded(link)) {
            return;
        }
        const std::string_view expected = kExpectedProductCode;
        for (std::size_t i = 0; i < expected.size(); ++i) {
            const Address address = kProductCode + static_cast<Address>(i);
            if (buffer[address] == static_cast<std::uint8_t>(expected[i])) {
                continue;
            }
            if (ctx.DebugMode) {
                CheckMessage(link,
                             "address: 0x" + HexNoPadding(address) + " -> 0x" + HexNoPadding(buffer[address]),
                             "Product Code Error!");
            }
            ctx.Link.LinkError = true;
            CheckMessage(link, "Product Code Error !!", "Read from Radio");
            return;
        }
    });
}

} // namespace klt
