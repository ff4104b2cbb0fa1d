#include "support/test_support.h"

#include <clocale>
#include <cstdio>
#include <cstdlib>
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

void SetEnvironment(const std::string &name, const std::optional<std::string> &value) {
#ifdef _WIN32
    ::_putenv_s(name.c_str(), value ? value->c_str() : ""); // an empty value removes it
#else
    if (value) {
        ::setenv(name.c_str(), value->c_str(), 1);
    } else {
        ::unsetenv(name.c_str());
    }
#endif
}

std::string ReadFile(const std::filesystem::path &path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream content;
    content << in.rdbuf();
    return content.str();
}

DecimalCommaLocale::DecimalCommaLocale() : previous_(std::setlocale(LC_ALL, nullptr)) {
    // The same locale by the names the C libraries of Linux and Windows give it.
    for (const char *name : {"de_DE.UTF-8", "de-DE", "German_Germany.1252"}) {
        if (std::setlocale(LC_ALL, name) != nullptr) {
            ok_ = true;
            return;
        }
    }
}

DecimalCommaLocale::~DecimalCommaLocale() {
    std::setlocale(LC_ALL, previous_.c_str());
}

} // namespace klt::test
