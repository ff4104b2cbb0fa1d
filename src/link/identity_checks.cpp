#include "link/identity_checks.h"

#include "link/block_transfer.h"
#include "model/model_catalogue.h"

#include <cstdio>
#include <vector>

namespace klt {

namespace {

void CheckMessage(RadioLink &link, const std::string &text, const std::string &title) {
    link.ui().message(MessageIcon::Error, text, title);
}

// After the reads: a failure is told here, a cancel is not.
Outcome ReadsFailed(RadioLink &link, Outcome reads) {
    if (IsFailure(reads)) {
        CheckMessage(link, CommunicationErrorText(link.PortText(), reads, RadioChange::None), "Model Check");
    }
    return reads;
}

std::string HexNoPadding(unsigned value) {
    char text[16];
    std::snprintf(text, sizeof text, "%X", value);
    return text;
}

// What the radio is, and what the user does about it.
std::string RadioModelProblem(std::uint16_t first, std::uint16_t last, Model expected) {
    for (const Model model : CatalogueModels()) {
        if (ImageModelCodeMatches(model, first, last)) {
            return "The radio is a " + ModelName(model) + "; the editor is set to the " +
                   ModelName(expected) + ": choose Edit > Model > " + ModelCaption(model) + ".";
        }
    }
    return "The radio's model codes (0x" + HexNoPadding(first) + ", 0x" + HexNoPadding(last) +
           ") are of no model this program knows.";
}

} // namespace

Outcome ReadDataChkModel(RadioLink &link, const RadioImage &image, Model model) {
    return GuardPortFaults(link, "frmRadio.ReadDataChkModel", [&] {
        if (!link.PortOpen()) {
            return Outcome::Failed;
        }
        link.ShowMonitor("model check...");
        std::vector<std::uint8_t> buffer(RadioImage::kSize);
        const auto codes = ModelCodeAddresses(image);
        Outcome reads = ReadBlock(link, buffer, codes.head, 2);
        if (reads == Outcome::Done) {
            reads = ReadBlock(link, buffer, codes.tail, 2);
        }
        if (reads != Outcome::Done) {
            return ReadsFailed(link, reads);
        }
        if (!ImageModelCodeMatches(model, Be16At(buffer, codes.head), Be16At(buffer, codes.tail))) {
            CheckMessage(link,
                         "ModelType Error !!\r\n" +
                             RadioModelProblem(Be16At(buffer, codes.head), Be16At(buffer, codes.tail), model),
                         "Read from Radio");
            return Outcome::Failed;
        }
        return Outcome::Done;
    });
}

Outcome ReadDataChkProduct(RadioLink &link) {
    return GuardPortFaults(link, "frmRadio.ReadDataChkProduct", [&] {
        using namespace layout;
        if (!link.PortOpen()) {
            return Outcome::Failed;
        }
        link.ShowMonitor("product-code check...");
        std::vector<std::uint8_t> buffer(RadioImage::kSize);
        if (const Outcome reads = ReadBlock(link, buffer, kProductCode, kProductCodeReadLength);
            reads != Outcome::Done) {
            return ReadsFailed(link, reads);
        }
        const std::string_view expected = kExpectedProductCode;
        for (std::size_t i = 0; i < expected.size(); ++i) {
            const Address address = kProductCode + static_cast<Address>(i);
            if (buffer[address] == static_cast<std::uint8_t>(expected[i])) {
                continue;
            }
            if (link.settings().debugMode) {
                CheckMessage(link,
                             "address: 0x" + HexNoPadding(address) + " -> 0x" + HexNoPadding(buffer[address]),
                             "Product Code Error!");
            }
            CheckMessage(link, "Product Code Error !!", "Read from Radio");
            return Outcome::Failed;
        }
        return Outcome::Done;
    });
}

} // namespace klt
