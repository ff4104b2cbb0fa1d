#pragma once
// The facts of the model being edited: which it is, its name, the window's title text, and whether
// this installation gives it ATIS.

#include "model/model_catalogue.h"

#include <filesystem>
#include <string>

namespace klt {

struct ModelInfo {
    Model CurrentModel = Model::None;
    std::string ModelName;
    std::string TitleText;
    bool AtisAvailable = false;
};

// The one place the facts are made: ATIS as "global.ini" in the program folder grants it.
ModelInfo MakeModelInfo(Model model, const std::filesystem::path &programFolder);

} // namespace klt
