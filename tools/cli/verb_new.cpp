// klt-cli new: the configuration a model starts with, written as a file.

#include "cli_session.h"
#include "files/atomic_write.h"
#include "model/image_mapping.h"
#include "verbs.h"

#include <iostream>

namespace klt::cli {

namespace {

std::string ImageBytes(const RadioImage &image) {
    const auto bytes = image.bytes();
    return {reinterpret_cast<const char *>(bytes.data()), bytes.size()};
}

} // namespace

int RunNew(const std::vector<std::string> &argv) {
    const ParsedArgs args = ParseArgs(argv, ConfigurationOptions());
    const auto out = args.value("-o");
    if (!out || !args.positional.empty()) {
        throw UsageError{out ? "unexpected argument " + args.positional.front() : "-o OUT is required"};
    }
    if (Extension(*out) != ".hex") {
        throw UsageError{"OUT must end in .hex"};
    }
    auto session = OpenSession(args);
    if (!ResetForCli(*session, args)) {
        return kExitFailed;
    }
    auto &ctx = session->ctx;
    PrepareImageForSave(ctx.Image, ctx.Config);
    if (const auto fault = WriteFileAtomically(*out, ImageBytes(ctx.Image))) {
        ctx.ui.message(MessageIcon::Warning, "FileSave Error!!", ctx.TitleText);
        std::cerr << *out << ": " << fault->description << '\n';
        return kExitFailed;
    }
    return kExitOk;
}

} // namespace klt::cli
