#include "fuzz_support.h"

#include "app/model_state.h"
#include "app/reset.h"

#include <fstream>
#include <map>
#include <memory>

namespace klt::fuzz {

Program::Program(Model model) : ctx(ui, store, "/nonexistent-program-folder") {
    SetCurrentModel(ctx, model);
    ResetConfiguration(ctx, false);
}

const Program &ResetProgram(Model model) {
    static std::map<Model, std::unique_ptr<Program>> programs;
    auto &program = programs[model];
    if (!program) {
        program = std::make_unique<Program>(model);
    }
    return *program;
}

const std::filesystem::path &ScratchFolder() {
    static const test::TempFolder folder;
    return folder.path();
}

std::filesystem::path ScratchFile(const std::string &name, std::string_view bytes) {
    const auto path = ScratchFolder() / name;
    std::ofstream(path, std::ios::binary | std::ios::trunc)
        .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return path;
}

} // namespace klt::fuzz
