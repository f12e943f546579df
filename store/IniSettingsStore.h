#pragma once
// The settings store on disk: an INI file read and written through QSettings,
// $XDG_CONFIG_HOME/RealPentaro/RealPentaro.ini by default.

#include <QString>
#include <iostream>
#include <memory>

#include "Services.h"

class QSettings;

namespace rp {

class IniSettingsStore : public SettingsStore {
public:
    // The per-user file of organisation and application "RealPentaro".
    static QString defaultPath();

    explicit IniSettingsStore(const QString& path = defaultPath(), std::ostream& errors = std::cerr);
    ~IniSettingsStore() override;

    std::string read(std::string_view section, std::string_view key) override;
    void write(std::string_view section, std::string_view key, std::string_view value) override;
    bool flush() override;
    void setAside(std::string_view reason) override;

    const QString& path() const { return path_; }

private:
    QString path_;
    std::unique_ptr<QSettings> settings_;
    std::ostream& errors_;
    bool failureReported_ = false;
};

}  // namespace rp
