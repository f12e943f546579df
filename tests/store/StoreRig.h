#pragma once
// The rules wired to a real settings file, and small file helpers.

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <sstream>
#include <string>

#include "IniSettingsStore.h"
#include "Rig.h"

namespace rp::test {

inline QString iniPath(const QString& dir) { return dir + "/RealPentaro/RealPentaro.ini"; }

inline QByteArray fileBytes(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}
inline QString fileText(const QString& path) { return QString::fromUtf8(fileBytes(path)); }

inline bool writeFile(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).path());
    QFile f(path);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(bytes) == bytes.size();
}

// QSettings keeps files it has parsed by name for the whole process; a fresh
// name makes the next load read the disk.
inline QString freshCopy(const QString& path) {
    static int n = 0;
    const QString copy = QFileInfo(path).absolutePath() + "/copy" + QString::number(++n) + ".ini";
    QFile::copy(path, copy);
    return copy;
}

struct Session {
    explicit Session(const QString& path) : store(path, errors) {}
    std::ostringstream errors;
    IniSettingsStore store;
    GameState state;
    FakeTable table;
    FakeServices services{state};
    FakeBoard board;
    mdlLogic logic{state, table, services, board, store, [] { return 1; }};

    int errorLines() const {
        const std::string e = errors.str();
        return static_cast<int>(std::count(e.begin(), e.end(), '\n'));
    }
    // What LoadSettings put in memory, in one comparable line.
    std::string tables() const {
        std::string t = state.SoundOn ? "on" : "off";
        for (int i = 1; i <= Places; ++i)
            for (auto* part : {&state.AName(i), &state.BName(i)}) t += "|" + *part;
        for (int i = 1; i <= Places; ++i)
            t += "|" + std::to_string(state.AScore(i)) + "," + std::to_string(state.BScore(i));
        return t;
    }
};

}  // namespace rp::test
