#pragma once
// The image hex file keys of debug mode (Ctrl+F3 save, Ctrl+F2 open), as the window and the command
// line run them.

#include "app/app_context.h"
#include "app/reset.h"

#include <filesystem>

namespace klt {

// Brings the memory up to date as before programming the radio, then writes it whole or not at all.
// On failure: the error log and "FileSave Error!!".
bool SaveHexFile(AppContext &ctx, const std::filesystem::path &path);

// Opens a hex file of the current model into the memory and decodes it; on success CurrentFilePath
// names it. "bad file!!" for a wrong length, "ModelType Error !!" for another model's memory.
bool OpenHexFile(AppContext &ctx, const std::filesystem::path &path, const ResetHooks &hooks = {});

} // namespace klt
