#pragma once
// A program's context in a temporary program folder, with a scripted user interface and an
// in-memory settings store; with a model, its configuration reset as at start (no destination).

#include "app/app_context.h"
#include "app/model_state.h"
#include "app/reset.h"
#include "model/image_mapping.h"
#include "support/test_support.h"

namespace klt::test {

struct TestProgram {
    TempFolder folder;
    FakeUi ui;
    MemorySettingsStore store;
    AppContext ctx{ui, store, folder.path()};

    TestProgram() = default;
    explicit TestProgram(int model, bool atis = false) {
        SetCurrentModel(ctx, ModelNo(model));
        ctx.AtisAvailable = atis;
        ResetConfiguration(ctx, false);
    }
};

// A radio's memory as it leaves the factory, with its product code.
template <typename Memory> Memory FactoryMemory(int model) {
    RadioImage image;
    Configuration config;
    ImageNewDefaults(image, config, ModelNo(model));
    Memory memory{};
    std::copy(image.bytes().begin(), image.bytes().end(), memory.begin());
    const std::string product = "QZ071R";
    std::copy(product.begin(), product.end(), memory.begin() + layout::kProductCode);
    memory[layout::kProductCodeEnd] = 0xFF;
    return memory;
}

} // namespace klt::test
