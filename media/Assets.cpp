#include "Assets.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>

#include "AssetNames.h"

namespace rp {

namespace {
QString qs(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

// A cut-off JPEG or GIF still decodes (the missing part comes out grey), so
// a file must also end the way its format ends.
bool endsWell(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly) || f.size() < 2) return false;
    f.seek(f.size() - 2);
    const QByteArray tail = f.read(2);
    if (path.endsWith(QLatin1String(".jpg"), Qt::CaseInsensitive)) return tail == QByteArray("\xFF\xD9", 2);
    if (path.endsWith(QLatin1String(".gif"), Qt::CaseInsensitive)) return tail.at(1) == ';';
    return true;
}
}  // namespace

QString programFolder() { return QCoreApplication::applicationDirPath(); }
QString imagesFolder(const QString& root) { return root + QStringLiteral("/images"); }
QString soundsFolder(const QString& root) { return root + QStringLiteral("/sounds"); }

QStringList checkPictures(const QString& folder) { return Pictures(folder).loadAll(); }

Pictures::Pictures(QString imagesFolder) : folder_(std::move(imagesFolder)) {}

QString Pictures::path(std::string_view name) const { return folder_ + u'/' + qs(name); }

QStringList Pictures::loadAll() {
    QStringList bad;
    for (std::string_view name : assets::Pictures) {
        const QString p = path(name);
        if (!QFileInfo(p).isFile()) {
            bad << QStringLiteral("missing picture: %1").arg(p);
            continue;
        }
        // Decode it fully: a truncated file often has a readable header.
        QImageReader reader(p);
        const QImage image = reader.read();
        if (image.isNull())
            bad << QStringLiteral("cannot decode picture: %1 (%2)").arg(p, reader.errorString());
        else if (!endsWell(p))
            bad << QStringLiteral("cannot decode picture: %1 (the file is cut short)").arg(p);
        else
            cache_.insert(p, QPixmap::fromImage(image));
    }
    return bad;
}

const QPixmap& Pictures::get(std::string_view name) {
    const QString p = path(name);
    auto it = cache_.find(p);
    if (it == cache_.end()) it = cache_.insert(p, QPixmap(p));
    return *it;
}

}  // namespace rp
