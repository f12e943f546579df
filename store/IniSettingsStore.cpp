#include "IniSettingsStore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStringList>

namespace rp {

namespace {

QString settingsKey(std::string_view section, std::string_view key) {
    return QString::fromUtf8(section.data(), static_cast<qsizetype>(section.size())) + '/' +
           QString::fromUtf8(key.data(), static_cast<qsizetype>(key.size()));
}

const char* describe(QSettings::Status status) {
    switch (status) {
        case QSettings::AccessError: return "the file or its folder cannot be written";
        case QSettings::FormatError: return "the file is not a valid settings file";
        default: return "unknown error";
    }
}

}  // namespace

QString IniSettingsStore::defaultPath() {
    return QSettings(QSettings::IniFormat, QSettings::UserScope, "RealPentaro", "RealPentaro")
        .fileName();
}

IniSettingsStore::IniSettingsStore(const QString& path, std::ostream& errors)
    : path_(path), settings_(std::make_unique<QSettings>(path, QSettings::IniFormat)),
      errors_(errors) {
    if (settings_->status() == QSettings::FormatError) setAside(describe(QSettings::FormatError));
}

IniSettingsStore::~IniSettingsStore() = default;

std::string IniSettingsStore::read(std::string_view section, std::string_view key) {
    const QVariant value = settings_->value(settingsKey(section, key));
    // An unquoted comma in a hand-edited file makes QSettings split the value.
    if (value.typeId() == QMetaType::QStringList) return value.toStringList().join(',').toStdString();
    return value.toString().toStdString();
}

void IniSettingsStore::write(std::string_view section, std::string_view key,
                             std::string_view value) {
    settings_->setValue(settingsKey(section, key),
                        QString::fromUtf8(value.data(), static_cast<qsizetype>(value.size())));
}

bool IniSettingsStore::flush() {
    settings_->sync();
    const QSettings::Status status = settings_->status();
    if (status == QSettings::NoError && settings_->isWritable()) {
        failureReported_ = false;
        return true;
    }
    // Say it once, not at every save while the problem lasts.
    if (!failureReported_) {
        errors_ << "Real Pentaro: could not save the settings to " << path_.toStdString() << ": "
                << (status == QSettings::NoError ? "the file is read-only" : describe(status))
                << "; the game goes on with them in memory.\n";
        failureReported_ = true;
    }
    return false;
}

void IniSettingsStore::setAside(std::string_view reason) {
    const QString bad = path_ + ".bad";
    bool kept = false;
    if (QFileInfo::exists(path_)) {
        QFile::remove(bad);
        kept = QFile::copy(path_, bad);
    }
    errors_ << "Real Pentaro: the settings in " << path_.toStdString() << " cannot be loaded ("
            << reason << "); "
            << (kept ? "a copy is kept as " + bad.toStdString() + " and " : std::string())
            << "the game starts with new settings.\n";
    settings_->clear();
}

}  // namespace rp
