#pragma once
// The per-user settings store on QSettings (the platform's native format), under the program title.

#include "base/settings_store.h"

#include <QSettings>

namespace klt {

class QtSettingsStore final : public SettingsStore {
public:
    explicit QtSettingsStore(const std::string &programTitle)
        : settings_(QSettings::NativeFormat, QSettings::UserScope, QString::fromStdString(programTitle),
                    QString::fromStdString(programTitle)) {}

    std::string get(const std::string &section, const std::string &key,
                    const std::string &fallback) const override {
        return settings_.value(Path(section, key), QString::fromStdString(fallback)).toString().toStdString();
    }
    void put(const std::string &section, const std::string &key, const std::string &value) override {
        settings_.setValue(Path(section, key), QString::fromStdString(value));
        settings_.sync();
    }

private:
    static QString Path(const std::string &section, const std::string &key) {
        return QString::fromStdString(section + "/" + key);
    }

    mutable QSettings settings_;
};

} // namespace klt
