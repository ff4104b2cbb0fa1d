#include "app/file_messages.h"

#include "files/whole_file.h"

#include <cmath>

namespace klt {

std::string FileProblemText(const std::string &message, const std::filesystem::path &path,
                            const std::string &reason) {
    return message + "\r\n" + path.string() + ": " + reason;
}

std::string FileProblemText(const std::string &message, const std::filesystem::path &path,
                            const Fault &fault) {
    return FileProblemText(message, path, ReasonText(fault));
}

std::string SettingsModelProblem(double found, Model expected) {
    const auto model = std::isfinite(found) && found == std::floor(found)
                           ? CatalogueModel(static_cast<long>(found))
                           : std::nullopt;
    if (!model) {
        return "not a settings file (its [MAIN] section names no radio model this program knows)";
    }
    return "the file is for the " + ModelName(*model) + ", not the " + ModelName(expected);
}

std::string ImageModelProblem(std::uint16_t first, std::uint16_t last, Model expected) {
    for (const Model model : CatalogueModels()) {
        if (ImageModelCodeMatches(model, first, last)) {
            return "the image is of the " + ModelName(model) + ", not the " + ModelName(expected);
        }
    }
    return "not an image of the " + ModelName(expected) + " (its model codes are not the radio's)";
}

std::string ImageLengthProblem(const std::filesystem::path &path, std::uintmax_t imageSize) {
    if (const auto fault = NotARegularFile(path)) {
        return ReasonText(*fault);
    }
    std::error_code error;
    const auto size = std::filesystem::file_size(path, error);
    if (error) {
        return error.message();
    }
    return "the file has " + std::to_string(size) + " bytes, an image has " + std::to_string(imageSize);
}

} // namespace klt
