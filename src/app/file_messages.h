#pragma once
// The second line of a file operation's message: which file, and why it failed, in words a user can
// act on ("Permission denied", "the file is for the TQ-300").

#include "base/fault.h"
#include "model/model_catalogue.h"

#include <cstdint>
#include <filesystem>
#include <string>

namespace klt {

// "<message>\r\n<path>: <reason>".
std::string FileProblemText(const std::string &message, const std::filesystem::path &path,
                            const std::string &reason);
std::string FileProblemText(const std::string &message, const std::filesystem::path &path,
                            const Fault &fault);

// Why a settings file of model number `found` (0: none named) does not open in the editor of `expected`.
std::string SettingsModelProblem(double found, Model expected);

// Why an image with these model codes at its two ends does not open in the editor of `expected`.
std::string ImageModelProblem(std::uint16_t first, std::uint16_t last, Model expected);

// Why a file is not a whole image: it cannot be looked at, or its length is wrong.
std::string ImageLengthProblem(const std::filesystem::path &path, std::uintmax_t imageSize);

} // namespace klt
