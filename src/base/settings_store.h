#pragma once
// The per-user settings store: text values by section and key, under the program's title.

#include <map>
#include <string>
#include <utility>

namespace klt {

class SettingsStore {
public:
    virtual ~SettingsStore() = default;
    virtual std::string get(const std::string &section, const std::string &key,
                            const std::string &fallback) const = 0;
    virtual void put(const std::string &section, const std::string &key, const std::string &value) = 0;
};

// A store that lives as long as the process: for the command line and for tests.
class MemorySettingsStore final : public SettingsStore {
public:
    std::string get(const std::string &section, const std::string &key,
                    const std::string &fallback) const override {
        const auto found = values_.find({section, key});
        return found == values_.end() ? fallback : found->second;
    }
    void put(const std::string &section, const std::string &key, const std::string &value) override {
        values_[{section, key}] = value;
    }

private:
    std::map<std::pair<std::string, std::string>, std::string> values_;
};

} // namespace klt
