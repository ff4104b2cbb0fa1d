#include "app/destination_load.h"

#include "app/error_log.h"
#include "model/destinations.h"
#include "model/image_mapping.h"
#include "model/model_catalogue.h"
#include "model/text_format.h"

#include <cerrno>
#include <fstream>
#include <vector>

namespace klt {

namespace {

constexpr int kLoadPauseMs = 500;

DestinationLoad Failed(AppContext &ctx, Fault fault) {
    LogError(ctx, "frmMain.FileReadIni", fault);
    ctx.Link.LinkError = true;
    ctx.Link.Cancel = true;
    ctx.Link.Busy = false;
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
    ctx.Link.LinkError = false;
    ctx.Link.Busy = true;
    std::vector<std::uint8_t> bytes(RadioImage::kSize);
    std::ifstream in(path, std::ios::binary);
    if (!in.read(reinterpret_cast<char *>(bytes.data()), static_cast<std::streamsize>(bytes.size()))) {
        return Failed(ctx, FaultFromErrno(errno != 0 ? errno : EIO));
    }
    ctx.ui.processEvents();
    ctx.ui.pause(kLoadPauseMs);

    const auto codes = ModelCodeAddresses(ctx.Image);
    if (ImageModelCodeMatches(ctx.CurrentModel, Be16At(bytes, codes.head), Be16At(bytes, codes.tail))) {
        CopyByteArray(ctx.Image.bytes(), bytes);
    } else {
        ctx.Link.LinkError = true;
    }
    ctx.Link.Busy = false;
    if (ctx.Link.LinkError) {
        return {};
    }
    DecodeImage(ctx.Image, ctx.Config, ctx.CurrentModel);
    return {true, std::nullopt};
}

std::string StoredDestinationKey(int model) {
    return std::to_string(model) + "IniFileName_";
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
            const auto load =
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
