#pragma once
// What the fuzz targets share: a silent user interface, reset configurations made once per model,
// a scratch folder, and a failure that every fuzzing engine sees.

#include "app/app_context.h"
#include "model/model_catalogue.h"
#include "support/test_support.h"

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <span>
#include <string_view>

namespace klt::fuzz {

// A property the code must keep was broken: stop here, so the input is kept as a finding.
[[noreturn]] inline void Broken(const char *what) {
    std::fputs(what, stderr);
    std::fputc('\n', stderr);
    std::abort();
}

// The three models of the menu, chosen by a byte.
inline Model ModelOf(std::uint8_t byte) {
    static constexpr Model kModels[] = {Model::Tq300, Model::Tq450, Model::Tq500};
    return kModels[byte % 3];
}

// A program's context for the model, its configuration reset as at start (no destination).
class Program {
public:
    explicit Program(Model model);
    test::FakeUi ui;
    MemorySettingsStore store;
    AppContext ctx;
};

// A reset program of each model, made once; each run works on a copy of its configuration and image.
const Program &ResetProgram(Model model);

// A folder of this process for the files the targets write.
const std::filesystem::path &ScratchFolder();

// Writes the bytes to a file of the scratch folder and gives its path.
std::filesystem::path ScratchFile(const std::string &name, std::string_view bytes);

inline std::string_view AsText(std::span<const std::uint8_t> bytes) {
    return {reinterpret_cast<const char *>(bytes.data()), bytes.size()};
}

} // namespace klt::fuzz
