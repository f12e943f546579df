#pragma once
// Where the build put the game's files, and small readers for them.

#include <QByteArray>
#include <QFile>
#include <QString>

namespace rptest {

inline QString outputDir() { return QStringLiteral(RP_OUTPUT_DIR); }
inline QString imagePath(std::string_view name)
{
    return outputDir() + "/images/" + QString::fromUtf8(name.data(), qsizetype(name.size()));
}
inline QString soundPath(std::string_view name)
{
    return outputDir() + "/sounds/" + QString::fromUtf8(name.data(), qsizetype(name.size()));
}

inline QByteArray readAll(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

}  // namespace rptest
