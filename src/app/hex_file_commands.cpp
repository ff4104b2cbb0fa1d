#include "app/hex_file_commands.h"

#include "app/file_messages.h"
#include "files/hex_file.h"
#include "model/image_mapping.h"
#include "model/model_catalogue.h"

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
    const auto fault = WriteImageFile(path, ctx.Image);
    ctx.ui.setBusyPointer(false);
    if (fault) {
        ErrorLogOf(ctx).append("frmMain.SaveHexFileAs", *fault);
        ctx.ui.message(MessageIcon::Exclamation, FileProblemText("FileSave Error!!", path, *fault),
                       ctx.TitleText);
        return false;
    }
    return true;
}

bool OpenHexFile(AppContext &ctx, const std::filesystem::path &path, const ResetHooks &hooks) {
    if (!FileHoldsImage(path, ctx.Image)) {
        ctx.ui.message(MessageIcon::Error,
                       FileProblemText("bad file!!", path, ImageLengthProblem(path, RadioImage::kSize)),
                       ctx.TitleText);
        return false;
    }
    ctx.ui.setBusyPointer(true);
    const ImageFileBytes file = ReadImageFile(path);
    ctx.ui.pause(kLoadPauseMs);
    const auto codes = ModelCodeAddresses(ctx.Image);
    const bool otherModel =
        !file.fault && !ImageModelCodeMatches(ctx.CurrentModel, Be16At(file.bytes, codes.head),
                                              Be16At(file.bytes, codes.tail));
    if (otherModel) {
        // A file, not the radio: titled as every other file message is.
        ctx.ui.message(MessageIcon::Error,
                       FileProblemText("ModelType Error !!", path,
                                       ImageModelProblem(Be16At(file.bytes, codes.head),
                                                         Be16At(file.bytes, codes.tail), ctx.CurrentModel)),
                       ctx.TitleText);
    } else if (!file.fault) {
        CopyByteArray(ctx.Image.bytes(), file.bytes);
    }
    ctx.ui.setBusyPointer(false);
    if (otherModel) {
        return false;
    }
    if (file.fault) {
        ErrorLogOf(ctx).append("frmMain.ReadHexFileAs", *file.fault);
        ctx.ui.message(MessageIcon::Exclamation, FileProblemText("FileRead Error!!", path, *file.fault),
                       ctx.TitleText);
        return false;
    }
    DecodeImage(ctx.Image, ctx.Config, ctx.CurrentModel);
    Run(hooks.rebuildGrids);
    Run(hooks.refreshPage);
    ctx.CurrentFilePath = path.string();
    return true;
}

} // namespace klt
