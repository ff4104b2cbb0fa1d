#include "files/hex_file.h"

#include "app/error_log.h"
#include "files/atomic_write.h"
#include "model/image_mapping.h"
#include "model/model_catalogue.h"

#include <cerrno>
#include <fstream>
#include <vector>

namespace klt {

namespace {

constexpr int kLoadPauseMs = 500;

void Run(const std::function<void()> &hook) {
    if (hook) {
        hook();
    }
}

} // namespace

bool SaveHexFile(AppContext &ctx, const std::filesystem::path &path) {
    ctx.ui.setBusyPointer(true);
    PrepareImageForSave(ctx.Image, ctx.Config);
    ctx.Link.Busy = true;
    const auto bytes = ctx.Image.bytes();
    const auto fault =
        WriteFileAtomically(path, {reinterpret_cast<const char *>(bytes.data()), bytes.size()});
    ctx.ui.setBusyPointer(false);
    ctx.Link.Busy = false;
    if (fault) {
        LogError(ctx, "frmMain.SaveHexFileAs", *fault);
        ctx.ui.message(MessageIcon::Exclamation, "FileSave Error!!", ctx.TitleText);
        ctx.Link.Cancel = true;
        return false;
    }
    return true;
}

bool OpenHexFile(AppContext &ctx, const std::filesystem::path &path, const ResetHooks &hooks) {
    if (!FileHoldsImage(path, ctx.Image)) {
        ctx.ui.message(MessageIcon::Error, "bad file!!", ctx.TitleText);
        return false;
    }
    ctx.Link.LinkError = false;
    ctx.ui.setBusyPointer(true);
    ctx.Link.Busy = true;
    std::vector<std::uint8_t> buffer(RadioImage::kSize);
    errno = 0;
    std::ifstream in(path, std::ios::binary);
    const bool read =
        in.read(reinterpret_cast<char *>(buffer.data()), static_cast<std::streamsize>(buffer.size())).good();
    const int readError = errno;
    ctx.ui.processEvents();
    ctx.ui.pause(kLoadPauseMs);
    const auto codes = ModelCodeAddresses(ctx.Image);
    if (read &&
        !ImageModelCodeMatches(ctx.CurrentModel, Be16At(buffer, codes.head), Be16At(buffer, codes.tail))) {
        ctx.Link.LinkError = true;
        ctx.ui.message(MessageIcon::Error, "ModelType Error !!", "Read from Radio");
    } else if (read) {
        CopyByteArray(ctx.Image.bytes(), buffer);
    }
    ctx.Link.Busy = false;
    ctx.ui.setBusyPointer(false);
    if (ctx.Link.LinkError) {
        return false;
    }
    if (!read) {
        ctx.Link.LinkError = true;
        LogError(ctx, "frmMain.ReadHexFileAs", FaultFromErrno(readError != 0 ? readError : EIO));
        ctx.ui.message(MessageIcon::Exclamation, "FileRead Error!!", ctx.TitleText);
        ctx.Link.Cancel = true;
        return false;
    }
    DecodeImage(ctx.Image, ctx.Config, ctx.CurrentModel);
    Run(hooks.rebuildGrids);
    Run(hooks.refreshPage);
    ctx.CurrentFilePath = path.string();
    return true;
}

} // namespace klt
