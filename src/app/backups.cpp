#include "app/backups.h"

#include "base/local_time.h"
#include "base/user_data_folder.h"
#include "files/hex_file.h"
#include "model/image_mapping.h"
#include "model/number_rules.h"
#include "model/text_format.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <ctime>
#include <regex>
#include <system_error>

namespace klt {

namespace {

namespace fs = std::filesystem;

constexpr std::size_t kNamesShown = 3;
constexpr std::string_view kBefore = "-before-";

// A backup's file name: MODEL-YYYYMMDD-HHMMSS.hex, or MODEL-YYYYMMDD-HHMMSS-before-AREA.hex for the
// memory a clear erased.
struct BackupName {
    std::string model;
    std::string stamp; // "YYYYMMDD-HHMMSS"
    std::optional<Operation> beforeClear;
    int sequence = 1; // the how-manieth backup of that second
};

std::optional<BackupName> ParseBackupName(const std::string &name) {
    // A second backup in the same second gets "-2", "-3"... after its time stamp.
    static const std::regex pattern("^(.+)-([0-9]{8}-[0-9]{6})(-([0-9]{1,3}))?(-before-([a-z-]+))?\\.hex$");
    std::smatch match;
    if (!std::regex_match(name, match, pattern)) {
        return std::nullopt;
    }
    BackupName parsed{match[1].str(), match[2].str(), std::nullopt};
    parsed.sequence = match[4].matched ? std::stoi(match[4].str()) : 1;
    if (match[6].matched) {
        parsed.beforeClear = ClearNamed(match[6].str());
        if (!parsed.beforeClear) {
            return std::nullopt;
        }
    }
    return parsed;
}

bool IsBackupName(const std::string &name) {
    return ParseBackupName(name).has_value();
}

// The program's own backups, oldest first: its exact names and a whole memory each; anything else in
// the folder is the user's and left alone.
std::vector<fs::path> BackupFiles(const fs::path &folder) {
    std::vector<fs::path> files;
    std::error_code error;
    for (const auto &entry : fs::directory_iterator(folder, error)) {
        if (entry.is_regular_file(error) && IsBackupName(entry.path().filename().string()) &&
            entry.file_size(error) == RadioImage::kSize) {
            files.push_back(entry.path());
        }
    }
    const auto stamp = [](const fs::path &path) {
        const auto parsed = *ParseBackupName(path.filename().string());
        char sequence[8];
        std::snprintf(sequence, sizeof sequence, "%03d", parsed.sequence);
        return parsed.stamp + sequence + path.filename().string();
    };
    std::sort(files.begin(), files.end(),
              [&](const fs::path &a, const fs::path &b) { return stamp(a) < stamp(b); });
    return files;
}

// A model's name as a file name may hold it: "TQ-400E/TQ-450" would be a folder and a file.
std::string FileSafeName(Model model) {
    std::string name = ModelName(model);
    std::replace(name.begin(), name.end(), '/', '_');
    return name;
}

std::optional<Model> ModelNamed(const std::string &fileSafeName) {
    for (const Model model : CatalogueModels()) {
        if (FileSafeName(model) == fileSafeName) {
            return model;
        }
    }
    return std::nullopt;
}

} // namespace

fs::path BackupFolder(const std::string &programTitle) {
    const fs::path data = UserDataFolder(programTitle);
    return data.empty() ? fs::path() : data / "backups";
}

std::string BackupPlaceText(const fs::path &folder) {
#ifdef _WIN32
    constexpr const char *kNowhere = "nowhere: LOCALAPPDATA is not set";
#else
    constexpr const char *kNowhere = "nowhere: neither XDG_DATA_HOME nor HOME is set";
#endif
    return folder.empty() ? kNowhere : folder.string();
}

std::optional<std::string> BackupFolderProblem(const fs::path &folder) {
    if (folder.empty()) {
        return "there is no per-user data folder: neither XDG_DATA_HOME nor HOME is set";
    }
    std::error_code error;
    fs::directory_iterator(folder, error); // NOLINT(bugprone-unused-raii): opening it is the test
    if (error && error != std::errc::no_such_file_or_directory) {
        return folder.string() + ": " + error.message();
    }
    return std::nullopt;
}

std::optional<fs::path> KeepBackup(const fs::path &folder, const RadioImage &image, Model model,
                                   std::chrono::system_clock::time_point when,
                                   std::optional<Operation> beforeClear) {
    if (folder.empty()) {
        return std::nullopt; // nowhere to keep it: never the current folder
    }
    std::error_code error;
    fs::create_directories(folder, error);
    const std::tm local = LocalTime(when);
    char stamp[32];
    std::strftime(stamp, sizeof stamp, "%Y%m%d-%H%M%S", &local);
    const std::string kind = beforeClear ? std::string(kBefore) + ClearAreaName(*beforeClear) : std::string();
    // Two backups in one second never replace each other.
    fs::path path;
    for (int sequence = 1; sequence < 1000; ++sequence) {
        const std::string counted = sequence == 1 ? std::string() : "-" + std::to_string(sequence);
        path = folder / (FileSafeName(model) + "-" + stamp + counted + kind + ".hex");
        if (!fs::exists(path, error)) {
            break;
        }
    }
    if (fs::exists(path, error) || WriteImageFile(path, image)) {
        return std::nullopt;
    }
    // The oldest beyond the newest 100 go; the one just kept never does, whatever dates other files
    // carry (a file stamped in the future would otherwise hold its place for ever).
    auto files = BackupFiles(folder);
    const std::string now = stamp;
    std::stable_partition(files.begin(), files.end(), [&now](const fs::path &file) {
        return ParseBackupName(file.filename().string())->stamp > now; // the future ones count as oldest
    });
    for (std::size_t i = 0; i + kBackupsKept < files.size(); ++i) {
        if (files[i] != path) {
            fs::remove(files[i], error);
        }
    }
    return path;
}

std::optional<BackupInfo> DescribeBackup(const fs::path &path) {
    const auto parsed = ParseBackupName(path.filename().string());
    if (!parsed) {
        return std::nullopt;
    }
    const std::string &stamp = parsed->stamp;
    BackupInfo info;
    info.path = path;
    info.date = stamp.substr(0, 4) + "-" + stamp.substr(4, 2) + "-" + stamp.substr(6, 2) + " " +
                stamp.substr(9, 2) + ":" + stamp.substr(11, 2) + ":" + stamp.substr(13, 2);
    const auto model = ModelNamed(parsed->model);
    info.model = model ? ModelName(*model) : parsed->model;
    info.beforeClear = parsed->beforeClear;
    info.kind = parsed->beforeClear ? "before " + OperationCaption(*parsed->beforeClear) : "read";
    const ImageFileBytes file = ReadImageFile(path);
    if (model && !file.fault && file.bytes.size() == RadioImage::kSize) {
        RadioImage image;
        std::copy(file.bytes.begin(), file.bytes.end(), image.bytes().begin());
        Configuration config;
        DecodeImage(image, config, *model);
        info.userMmsi = MmsiForPeople(config.DscBasic.UserMmsi);
        for (std::size_t i = 0; i < kNamesShown && config.Individual[i].Enable; ++i) {
            info.names += (i > 0 ? ", " : "") + Utf8FromLatin1(config.Individual[i].TagName);
        }
    }
    return info;
}

std::vector<BackupInfo> ListBackups(const fs::path &folder) {
    std::vector<BackupInfo> backups;
    auto files = BackupFiles(folder);
    std::reverse(files.begin(), files.end());
    backups.reserve(files.size());
    for (const fs::path &path : files) {
        backups.push_back(*DescribeBackup(path));
    }
    return backups;
}

} // namespace klt
