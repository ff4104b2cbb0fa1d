#include "app/backups.h"

#include "base/user_data_folder.h"
#include "files/hex_file.h"
#include "model/image_mapping.h"
#include "model/text_format.h"

#include <algorithm>
#include <cctype>
#include <ctime>
#include <system_error>

namespace klt {

namespace {

namespace fs = std::filesystem;

// "-YYYYMMDD-HHMMSS.hex"
constexpr std::size_t kStampLength = 20;
constexpr std::size_t kNamesShown = 3;

bool IsBackupName(const std::string &name) {
    if (name.size() <= kStampLength || !name.ends_with(".hex")) {
        return false;
    }
    const std::string stamp = name.substr(name.size() - kStampLength, 16);
    return stamp[0] == '-' && stamp[9] == '-' &&
           std::all_of(stamp.begin() + 1, stamp.begin() + 9, [](char c) { return std::isdigit(c) != 0; }) &&
           std::all_of(stamp.begin() + 10, stamp.end(), [](char c) { return std::isdigit(c) != 0; });
}

// Oldest first: the time stamp, then the name.
std::vector<fs::path> BackupFiles(const fs::path &folder) {
    std::vector<fs::path> files;
    std::error_code error;
    for (const auto &entry : fs::directory_iterator(folder, error)) {
        if (entry.is_regular_file(error) && IsBackupName(entry.path().filename().string())) {
            files.push_back(entry.path());
        }
    }
    const auto stamp = [](const fs::path &path) {
        const std::string name = path.filename().string();
        return name.substr(name.size() - kStampLength) + name;
    };
    std::sort(files.begin(), files.end(),
              [&](const fs::path &a, const fs::path &b) { return stamp(a) < stamp(b); });
    return files;
}

std::optional<Model> ModelNamed(const std::string &name) {
    for (const Model model : CatalogueModels()) {
        if (ModelName(model) == name) {
            return model;
        }
    }
    return std::nullopt;
}

} // namespace

fs::path BackupFolder(const std::string &programTitle) {
    return UserDataFolder(programTitle) / "backups";
}

std::optional<fs::path> KeepBackup(const fs::path &folder, const RadioImage &image, Model model,
                                   std::chrono::system_clock::time_point when) {
    std::error_code error;
    fs::create_directories(folder, error);
    const std::time_t seconds = std::chrono::system_clock::to_time_t(when);
    std::tm local{};
    ::localtime_r(&seconds, &local);
    char stamp[32];
    std::strftime(stamp, sizeof stamp, "%Y%m%d-%H%M%S", &local);
    const fs::path path = folder / (ModelName(model) + "-" + stamp + ".hex");
    if (WriteImageFile(path, image)) {
        return std::nullopt;
    }
    auto files = BackupFiles(folder);
    for (std::size_t i = 0; i + kBackupsKept < files.size(); ++i) {
        fs::remove(files[i], error);
    }
    return path;
}

std::vector<BackupInfo> ListBackups(const fs::path &folder) {
    std::vector<BackupInfo> backups;
    auto files = BackupFiles(folder);
    std::reverse(files.begin(), files.end());
    for (const fs::path &path : files) {
        const std::string name = path.filename().string();
        const std::string stamp = name.substr(name.size() - kStampLength + 1, 15);
        BackupInfo info{path,
                        stamp.substr(0, 4) + "-" + stamp.substr(4, 2) + "-" + stamp.substr(6, 2) + " " +
                            stamp.substr(9, 2) + ":" + stamp.substr(11, 2) + ":" + stamp.substr(13, 2),
                        name.substr(0, name.size() - kStampLength),
                        {},
                        {}};
        const auto model = ModelNamed(info.model);
        const ImageFileBytes file = ReadImageFile(path);
        if (model && !file.fault && file.bytes.size() == RadioImage::kSize) {
            RadioImage image;
            std::copy(file.bytes.begin(), file.bytes.end(), image.bytes().begin());
            Configuration config;
            DecodeImage(image, config, *model);
            info.userMmsi = config.DscBasic.UserMmsi.substr(0, 9);
            for (std::size_t i = 0; i < kNamesShown && config.Individual[i].Enable; ++i) {
                info.names += (i > 0 ? ", " : "") + Utf8FromLatin1(config.Individual[i].TagName);
            }
        }
        backups.push_back(std::move(info));
    }
    return backups;
}

} // namespace klt
