// An image file as it may come from anywhere: 32768 bytes of anything, or (for shorter inputs) the
// factory memory with bytes changed, so that inputs of the right model are reached. It opens, decodes,
// goes back to the radio's form and into the report without harm; the same file loads as a model
// description file.

#include "app/destination_load.h"
#include "app/hex_file_commands.h"
#include "app/report_file.h"
#include "files/settings_writer.h"
#include "fuzz_support.h"
#include "model/image_mapping.h"

#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    using namespace klt;
    if (size == 0) {
        return 0;
    }
    const Model model = fuzz::ModelOf(data[0]);
    const auto &program = fuzz::ResetProgram(model);
    std::string bytes;
    if (size - 1 == RadioImage::kSize) {
        bytes.assign(reinterpret_cast<const char *>(data) + 1, size - 1);
    } else {
        // Changes to the factory memory, three bytes each: address (high, low) and value.
        const auto image = program.ctx.Image.bytes();
        bytes.assign(reinterpret_cast<const char *>(image.data()), image.size());
        for (std::size_t i = 1; i + 2 < size; i += 3) {
            const std::size_t address =
                (static_cast<std::size_t>(data[i]) << 8 | data[i + 1]) % RadioImage::kSize;
            bytes[address] = static_cast<char>(data[i + 2]);
        }
    }
    const auto path = fuzz::ScratchFile("radio.hex", bytes);

    test::FakeUi ui;
    MemorySettingsStore store;
    AppContext ctx(ui, store, fuzz::ScratchFolder());
    ctx.CurrentModel = program.ctx.CurrentModel;
    ctx.ModelName = program.ctx.ModelName;
    ctx.Config = program.ctx.Config;
    ctx.Image = program.ctx.Image;
    ctx.AtisAvailable = (data[0] & 0x80) != 0;
    if (OpenHexFile(ctx, path)) {
        (void)CurrentReportText(ctx);
        (void)ComposeSettingsText(ctx.Config, model, ctx.ModelName, ctx.AtisAvailable);
        PrepareImageForSave(ctx.Image, ctx.Config);
    }
    (void)LoadDestinationFile(ctx, path);
    return 0;
}
