#include "model/destinations.h"

#include "model/model_catalogue.h"
#include "model/text_format.h"

#include <algorithm>
#include <system_error>

namespace klt {

namespace {

constexpr std::size_t kMaxDestinations = 10;

std::string FileExtension() {
    return ".ini";
}

bool LessIgnoringCase(const std::string &a, const std::string &b) {
    return ToUpper(a) < ToUpper(b);
}

// The menu's own ordering: a shell sort with gaps n/2, n/4, ... 1.
void ShellSort(std::vector<std::string> &names) {
    for (std::size_t gap = names.size() / 2; gap > 0; gap /= 2) {
        for (std::size_t i = gap; i < names.size(); ++i) {
            for (std::size_t j = i; j >= gap && LessIgnoringCase(names[j], names[j - gap]); j -= gap) {
                std::swap(names[j], names[j - gap]);
            }
        }
    }
}

} // namespace

std::vector<std::string> ListDestinations(const std::filesystem::path &folder, Model model) {
    const std::string suffix = ModelFileSuffix(model);
    std::vector<std::string> names;
    if (suffix.empty()) {
        return names;
    }
    const std::string ending = suffix + FileExtension();
    std::error_code error;
    for (std::filesystem::directory_iterator it(folder, error), end;
         !error && it != end && names.size() < kMaxDestinations; it.increment(error)) {
        const std::string file = it->path().filename().string();
        if (file.size() > ending.size() && EndsWithIgnoreCase(file, ending)) {
            names.push_back(ToUpper(file.substr(0, file.find('_'))));
        }
    }
    ShellSort(names);
    return names;
}

std::filesystem::path DestinationFilePath(const std::filesystem::path &folder, const std::string &caption,
                                          Model model) {
    std::string name = ToUpper(caption);
    if (name.size() > 2 && EndsWithIgnoreCase(name, "-M")) {
        name.resize(name.size() - 2);
    }
    const std::string fileName = name + ModelFileSuffix(model) + FileExtension();
    std::error_code error;
    if (std::filesystem::exists(folder / fileName, error)) {
        return folder / fileName;
    }
    for (std::filesystem::directory_iterator it(folder, error), end; !error && it != end;
         it.increment(error)) {
        if (EqualsIgnoreCase(it->path().filename().string(), fileName)) {
            return it->path();
        }
    }
    return folder / fileName;
}

} // namespace klt
