#include "IniSettingsStore.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QList>
#include <QSettings>
#include <QStringList>
#include <QThread>
#include <utility>

namespace rp {

namespace {

QString settingsKey(std::string_view section, std::string_view key) {
    return QString::fromUtf8(section.data(), static_cast<qsizetype>(section.size())) + '/' +
           QString::fromUtf8(key.data(), static_cast<qsizetype>(key.size()));
}

bool hasContent(const QString& path) {
    QFile file(path);
    return QFileInfo(path).isFile() && file.open(QIODevice::ReadOnly) &&
           !file.readAll().trimmed().isEmpty();
}

// Why nothing could be saved at `path`, as plainly as the place tells.
std::string whyUnsaved(const QString& path) {
    const QString file = QFileInfo(path).absoluteFilePath();
    for (QFileInfo at(file);; at = QFileInfo(at.absolutePath())) {
        const std::string name = QDir::toNativeSeparators(at.absoluteFilePath()).toStdString();
        if (at.isSymLink() && !at.exists()) return name + " is a link that leads nowhere";
        if (at.exists()) {
            if (at.absoluteFilePath() == file) {
                if (at.isDir()) return "it is a folder";
                if (!at.isWritable()) return "the file is read-only";
            } else if (!at.isDir()) {
                return name + " is not a folder";
            }
            break;
        }
        if (at.isRoot()) break;
    }
    return "the file or its folder cannot be written";
}

// A save killed between making a lock file and writing its owner into it
// leaves an empty lock, which QSettings waits out for 30 s: the lock itself,
// or the ".rmlock" beside it taken while a stale lock is removed. An owner
// writes itself in at once, so a lock still empty a moment later is dead.
void clearDeadLocks(const QString& path) {
    QStringList empty;
    for (QString lock = path + ".lock"; QFileInfo::exists(lock); lock += ".rmlock")
        if (QFileInfo(lock).size() == 0) empty << lock;
    if (empty.isEmpty()) return;
    QThread::msleep(100);
    for (const QString& lock : empty)
        if (QFileInfo(lock).isFile() && QFileInfo(lock).size() == 0) QFile::remove(lock);
}

}  // namespace

QString IniSettingsStore::defaultPath() {
    return QSettings(QSettings::IniFormat, QSettings::UserScope, "RealPentaro", "RealPentaro")
        .fileName();
}

IniSettingsStore::IniSettingsStore(const QString& path, std::ostream& errors)
    : path_(path), errors_(errors), unclaimed_(hasContent(path)) {
    open();
    // Sections are parsed when first used: parse them all now so damage
    // anywhere shows here. What could be read is used; the rest is dropped
    // by the next save, so the file as it was is kept first.
    settings_->allKeys();
    if (settings_->status() == QSettings::FormatError) {
        partlyDamaged_ = true;
    } else if (settings_->status() == QSettings::AccessError && QFileInfo(path_).isFile()) {
        keepInMemoryOnly("cannot be read; the game starts with new settings and leaves the file "
                         "as it is");
    }
}

IniSettingsStore::~IniSettingsStore() = default;

void IniSettingsStore::open() {
    settings_ = std::make_unique<QSettings>(path_, QSettings::IniFormat);
    settings_->setAtomicSyncRequired(true);  // never write the file in place
}

std::string IniSettingsStore::read(std::string_view section, std::string_view key) {
    if (memoryOnly_) {
        const auto it = memory_.find(settingsKey(section, key));
        return it == memory_.end() ? std::string() : it->second.toStdString();
    }
    const QVariant value = settings_->value(settingsKey(section, key));
    // An unquoted comma in a hand-edited file makes QSettings split the value.
    const std::string text = value.typeId() == QMetaType::QStringList
                                 ? value.toStringList().join(',').toStdString()
                                 : value.toString().toStdString();
    if (!text.empty()) unclaimed_ = false;  // an empty value is a missing one
    return text;
}

void IniSettingsStore::write(std::string_view section, std::string_view key,
                             std::string_view value) {
    if (unclaimed_) startAfresh("hold nothing this game can read");
    if (partlyDamaged_) keepDamagedCopy();
    const QString text = QString::fromUtf8(value.data(), static_cast<qsizetype>(value.size()));
    if (memoryOnly_) {
        memory_[settingsKey(section, key)] = text;
        return;
    }
    settings_->setValue(settingsKey(section, key), text);
    dirty_ = true;
}

bool IniSettingsStore::flush() {
    if (memoryOnly_) return false;  // the reason has been given
    if (settings_->status() != QSettings::NoError) reopen();
    clearDeadLocks(path_);
    settings_->sync();
    // QSettings reports success when the file is gone from under it, so look
    // at what is there.
    const QFileInfo saved(path_);
    if (settings_->status() == QSettings::NoError && settings_->isWritable() &&
        (!dirty_ || (saved.isFile() && saved.isReadable()))) {
        failureReported_ = false;
        dirty_ = false;
        return true;
    }
    // Say it once, not at every save while the problem lasts.
    if (!failureReported_) {
        say("could not save the settings to " + path_.toStdString() + ": " + whyUnsaved(path_) +
            "; the game goes on with them in memory.");
        tellPlayer(Unsaved);
        failureReported_ = true;
    }
    return false;
}

void IniSettingsStore::reopen() {
    QList<std::pair<QString, QVariant>> held;
    for (const QString& key : settings_->allKeys()) held.append({key, settings_->value(key)});
    open();
    for (const auto& [key, value] : held) settings_->setValue(key, value);
}

void IniSettingsStore::setAside(std::string_view reason) {
    // The reason may quote a value of any length, over several lines.
    std::string shown(reason.substr(0, 200));
    while (!shown.empty() && shown.size() < reason.size() && (shown.back() & 0xC0) == 0x80)
        shown.pop_back();  // not in the middle of a character
    if (shown.size() < reason.size()) shown += "...";
    unclaimed_ = false;
    partlyDamaged_ = false;  // the copy below keeps that damage too
    if (memoryOnly_ || !QFileInfo(path_).isFile()) return;
    const QString bad = path_ + ".bad";
    QFile::remove(bad);
    if (!QFile::copy(path_, bad)) {
        keepInMemoryOnly("cannot all be read (" + shown + ") and cannot be kept as " + bad.toStdString() +
                         "; the game leaves the file as it is");
        return;
    }
    say("some settings in " + path_.toStdString() + " cannot be read (" + shown +
        "); the file as it was is kept as " + bad.toStdString() + " and those settings start from their defaults.");
    tellPlayer(Unreadable);
}

void IniSettingsStore::startAfresh(const std::string& what) {
    unclaimed_ = false;
    partlyDamaged_ = false;
    if (memoryOnly_) {
        memory_.clear();
        return;
    }
    const QString bad = path_ + ".bad";
    const std::string said = "the settings in " + path_.toStdString() + " " + what;
    if (!QFileInfo(path_).isFile()) {
        say(said + "; the game starts with new settings.");
        settings_->clear();
        return;
    }
    // Moved rather than copied: a fresh QSettings must not find the damage
    // again, and one that met it keeps reporting it.
    settings_.reset();
    QFile::remove(bad);
    if (!QFile::rename(path_, bad)) {
        keepInMemoryOnly(what + " and cannot be kept as " + bad.toStdString() +
                         "; the game starts with new settings and leaves the file as it is");
        return;
    }
    open();
    say(said + "; it is kept as " + bad.toStdString() + " and the game starts with new settings.");
    tellPlayer(Unreadable);
}

void IniSettingsStore::keepDamagedCopy() {
    partlyDamaged_ = false;
    const QString bad = path_ + ".bad";
    QFile::remove(bad);
    if (!QFile::copy(path_, bad)) {
        keepInMemoryOnly("cannot all be read and cannot be kept as " + bad.toStdString() +
                         "; the game leaves the file as it is");
        return;
    }
    say("part of the settings in " + path_.toStdString() +
        " cannot be read; the file as it was is kept as " + bad.toStdString() + ".");
    tellPlayer(Unreadable);
}

void IniSettingsStore::say(const std::string& text) {
    std::string line = "Real Pentaro: ";
    for (const char c : text) {
        if (c == '\n') line += "\\n";
        else if (c == '\r') line += "\\r";
        else line += static_cast<unsigned char>(c) < 0x20 ? ' ' : c;
    }
    errors_ << line << '\n' << std::flush;
}

void IniSettingsStore::keepInMemoryOnly(const std::string& message) {
    say("the settings in " + path_.toStdString() + " " + message + ".");
    memoryOnly_ = true;
    memory_.clear();
    failureReported_ = true;
    tellPlayer(MemoryOnly);
}

void IniSettingsStore::tellPlayer(std::string_view text) {
    for (std::string_view t : told_)
        if (t == text) return;
    told_.push_back(text);
    if (listener_) listener_(text);
    else untold_.push_back(text);
}

void IniSettingsStore::setTroubleListener(std::function<void(std::string_view)> listener) {
    listener_ = std::move(listener);
    for (std::string_view t : std::exchange(untold_, {})) listener_(t);
}

}  // namespace rp
