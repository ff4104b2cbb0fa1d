#include "support/test_support.h"

#include <clocale>
#include <cstdio>
#include <fstream>
#include <random>
#include <sstream>
#include <stdexcept>

namespace klt::test {

TempFolder::TempFolder() {
    // A name no other folder has: made, not found, so that two tests never share one.
    std::random_device entropy;
    for (int attempt = 0; attempt < 100; ++attempt) {
        char name[32];
        std::snprintf(name, sizeof name, "klt-test-%08x", static_cast<unsigned>(entropy()));
        const auto candidate = std::filesystem::temp_directory_path() / name;
        std::error_code error;
        if (std::filesystem::create_directory(candidate, error)) {
            path_ = candidate;
            return;
        }
    }
    throw std::runtime_error("cannot make a temporary folder");
}

TempFolder::~TempFolder() {
    std::error_code error;
    std::filesystem::remove_all(path_, error);
}

std::filesystem::path TempFolder::write(const std::string &name, const std::string &bytes) const {
    const auto file = path_ / name;
    std::ofstream(file, std::ios::binary) << bytes;
    return file;
}

std::string ReadFile(const std::filesystem::path &path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream content;
    content << in.rdbuf();
    return content.str();
}

DecimalCommaLocale::DecimalCommaLocale() : previous_(std::setlocale(LC_ALL, nullptr)) {
    ok_ = std::setlocale(LC_ALL, "de_DE.UTF-8") != nullptr;
}

DecimalCommaLocale::~DecimalCommaLocale() {
    std::setlocale(LC_ALL, previous_.c_str());
}

} // namespace klt::test
