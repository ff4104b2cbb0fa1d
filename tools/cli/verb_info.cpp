// klt-cli info: what an image file holds, as the program's acceptance test sees it.

#include "cli_args.h"
#include "files/whole_file.h"
#include "model/byte_bits.h"
#include "model/image_layout.h"
#include "model/model_catalogue.h"
#include "model/radio_image.h"
#include "terminal_text.h"
#include "verbs.h"

#include <algorithm>
#include <fstream>
#include <iostream>
#include <iterator>
#include <vector>

namespace klt::cli {

namespace {

std::string CodeAt(const std::vector<std::uint8_t> &bytes, std::size_t address) {
    if (address + 1 >= bytes.size()) {
        return "none";
    }
    return std::to_string(Be16At(bytes, address));
}

} // namespace

int RunInfo(const std::vector<std::string> &argv) {
    const ParsedArgs args = ParseArgs(argv, {});
    if (args.positional.size() != 1) {
        throw UsageError{"one FILE is required"};
    }
    const std::string &path = args.positional.front();
    if (const auto fault = NotARegularFile(path)) {
        std::cerr << "info: FileRead Error!! (" << Printable(path) << ": " << Printable(ReasonText(*fault))
                  << ")\n";
        return kExitFailed;
    }
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        std::cerr << "info: FileRead Error!! (" << Printable(path) << " cannot be opened)\n";
        return kExitFailed;
    }
    // An image is 32 KiB; reading one byte more is enough to tell a longer file.
    std::vector<std::uint8_t> bytes(RadioImage::kSize + 1);
    in.read(reinterpret_cast<char *>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    bytes.resize(static_cast<std::size_t>(in.gcount()));
    std::error_code error;
    const auto length = std::filesystem::file_size(path, error);

    std::cout << "file: " << Printable(path) << '\n'
              << "length: " << (error ? bytes.size() : length) << " bytes\n";
    std::cout << "model code at 0x" << HexDigits(layout::kModelCodeHead, 4) << ": "
              << CodeAt(bytes, layout::kModelCodeHead) << '\n';
    std::cout << "model code at 0x" << HexDigits(layout::kModelCodeTail, 4) << ": "
              << CodeAt(bytes, layout::kModelCodeTail) << '\n';
    const bool wholeImage = bytes.size() == RadioImage::kSize;
    for (const Model model : CatalogueModels()) {
        const bool accepted =
            wholeImage && ImageModelCodeMatches(model, Be16At(bytes, layout::kModelCodeHead),
                                                Be16At(bytes, layout::kModelCodeTail));
        std::cout << "model " << ModelNumber(model) << " (" << ModelName(model)
                  << "): " << (accepted ? "accepted" : "refused") << '\n';
    }
    std::cout << "checksum at 0x" << HexDigits(layout::kChecksum, 4) << ": ";
    if (bytes.size() > layout::kChecksum) {
        RadioImage image;
        std::copy_n(bytes.begin(), std::min(bytes.size(), RadioImage::kSize), image.bytes().begin());
        std::cout << "stored 0x" << HexDigits(image.at(layout::kChecksum), 2) << ", computed 0x"
                  << HexDigits(ImageChecksum(image, layout::kChecksumStart, layout::kChecksumCount), 2)
                  << '\n';
    } else {
        std::cout << "none\n";
    }
    return StandardOutputWritten("info") ? kExitOk : kExitFailed;
}

} // namespace klt::cli
