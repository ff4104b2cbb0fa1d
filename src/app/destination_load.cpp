#include "app/destination_load.h"

#include "files/hex_file.h"
#include "model/destinations.h"
#include "model/image_mapping.h"
#include "model/model_catalogue.h"
#include "model/text_format.h"

#include <cerrno>

namespace klt {

namespace {

constexpr int kLoadPauseMs = 500;

DestinationLoad Failed(AppContext &ctx, Fault fault) {
    ErrorLogOf(ctx).append("frmMain.FileReadIni", fault);
    return {false, std::move(fault)};
}

} // namespace

DestinationLoad LoadDestinationFile(AppContext &ctx, const std::filesystem::path &path) {
    std::error_code error;
    if (!std::filesystem::exists(path, error)) {
        return Failed(ctx, FaultFromErrno(ENOENT));
    }
    if (!FileHoldsImage(path, ctx.Image)) {
        return {};
    }
    const ImageFileBytes file = ReadImageFile(path);
    if (file.fault) {
        return Failed(ctx, *file.fault);
    }
    ctx.ui.pause(kLoadPauseMs);

    const auto codes = ModelCodeAddresses(ctx.Image);
    if (!ImageModelCodeMatches(ctx.CurrentModel, Be16At(file.bytes, codes.head),
                               Be16At(file.bytes, codes.tail))) {
        return {};
    }
    CopyByteArray(ctx.Image.bytes(), file.bytes);
    DecodeImage(ctx.Image, ctx.Config, ctx.CurrentModel);
    return {true, std::nullopt};
}

std::string StoredDestinationKey(Model model) {
    return std::to_string(ModelNumber(model)) + "IniFileName_";
}

std::string StoredDestination(const AppContext &ctx) {
    const std::string stored = ctx.store.get("IniFilePath", StoredDestinationKey(ctx.CurrentModel), "usa");
    return stored.empty() ? "usa" : stored;
}

DestinationLoad BuildDestinationMenuAndLoad(AppContext &ctx) {
    auto &menu = ctx.Destinations;
    menu = DestinationMenu{};
    menu.Captions = ListDestinations(ctx.ProgramFolder, ctx.CurrentModel);
    if (menu.Captions.empty()) {
        return {};
    }
    menu.Enabled = true;
    const std::string stored = StoredDestination(ctx);
    for (std::size_t slot = 0; slot < menu.Captions.size(); ++slot) {
        if (EqualsIgnoreCase(menu.Captions[slot], stored)) {
            auto load =
                LoadDestinationFile(ctx, DestinationFilePath(ctx.ProgramFolder, stored, ctx.CurrentModel));
            if (load.loaded) {
                menu.Checked = static_cast<int>(slot);
            }
            return load;
        }
    }
    return {};
}

} // namespace klt
