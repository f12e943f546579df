#include "Assets.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImageReader>
#include <cstdio>

#include "AssetNames.h"
#include "Twips.h"
#include "Zoom.h"

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

// Decoded fully (a truncated file often has a readable header), or null
// with the reason in *why.
QImage readPicture(const QString& path, QString* why) {
    if (!QFileInfo(path).isFile()) {
        *why = QStringLiteral("missing picture: %1").arg(path);
        return {};
    }
    QImageReader reader(path);
    QImage image = reader.read();
    if (image.isNull()) {
        *why = QStringLiteral("cannot decode picture: %1 (%2)").arg(path, reader.errorString());
        return {};
    }
    if (!endsWell(path)) {
        *why = QStringLiteral("cannot decode picture: %1 (the file is cut short)").arg(path);
        return {};
    }
    return image;
}
}  // namespace

QString programFolder() { return QCoreApplication::applicationDirPath(); }
QString imagesFolder(const QString& root) { return root + QStringLiteral("/images"); }
QString soundsFolder(const QString& root) { return root + QStringLiteral("/sounds"); }

QStringList checkPictures(const QString& folder) { return Pictures(folder).loadAll(); }

Pictures::Pictures(QString imagesFolder, qreal devicePixelRatio)
    : folder_(std::move(imagesFolder)),
      ratio_(devicePixelRatio > 0 ? devicePixelRatio : qGuiApp ? qGuiApp->devicePixelRatio() : 1.0) {}

bool Pictures::hiDpi() const { return ratio_ * zoom_ / 100.0 > 1.0; }

void Pictures::setZoom(int percent) {
    if (percent == zoom_) return;
    zoom_ = percent;
    cache_.clear();
    if (loadedAll_) loadAll();
}

// Scaled to the zoomed size of the picture's control, in device pixels.
QPixmap Pictures::atZoom(QImage image, bool twice) const {
    const QSize natural = twice ? image.size() / 2 : image.size();
    if (zoom_ == 100) {
        QPixmap pixmap = QPixmap::fromImage(std::move(image));
        if (twice) pixmap.setDevicePixelRatio(2);
        return pixmap;
    }
    const int w = zoom::px(natural.width() * TwipsPerPixel), h = zoom::px(natural.height() * TwipsPerPixel);
    const QSize device(qRound(w * ratio_), qRound(h * ratio_));
    if (image.size() != device) image = image.scaled(device, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    QPixmap pixmap = QPixmap::fromImage(std::move(image));
    pixmap.setDevicePixelRatio(ratio_);
    return pixmap;
}

QString Pictures::path(std::string_view name) const {
    const QString file = qs(name);
    if (!languageFiles_.isEmpty() && languageFiles_.contains(file)) return languageFolder_ + u'/' + file;
    return folder_ + u'/' + file;
}

void Pictures::setLanguage(const QString& code) {
    languageFiles_.clear();
    languageFolder_.clear();
    if (code.isEmpty() || code == QLatin1String("en")) return;
    languageFolder_ = folder_ + u'/' + code;
    const QStringList files = QDir(languageFolder_).entryList(QDir::Files);
    languageFiles_ = QSet<QString>(files.begin(), files.end());
    if (loadedAll_) loadAll();
}

QPixmap Pictures::decode(std::string_view name, QString* error) const {
    if (hiDpi()) {
        const QString plain = path(name);
        const QString hi = plain.left(plain.size() - static_cast<qsizetype>(name.size())) +
                           QString::fromStdString(assets::hiDpiName(name));
        if (QFileInfo(hi).isFile()) {
            QString why;
            QImage image = readPicture(hi, &why);
            if (!image.isNull()) return atZoom(std::move(image), true);
            // The plain picture still shows the game whole, only softer.
            std::fprintf(stderr, "Real Pentaro: %s; showing the plain picture instead\n", qPrintable(why));
        }
    }
    QString why;
    QImage image = readPicture(path(name), &why);
    if (error) *error = why;
    return image.isNull() ? QPixmap() : atZoom(std::move(image), false);
}

QStringList Pictures::loadAll() {
    loadedAll_ = true;
    QStringList bad;
    for (std::string_view name : assets::Pictures) {
        const QString key = path(name);
        // The splash's own picture, decoded before the splash showed.
        if (auto it = cache_.constFind(key); it != cache_.constEnd() && !it->isNull()) continue;
        QString why;
        QPixmap pixmap = decode(name, &why);
        if (pixmap.isNull()) {
            bad << why;
        } else {
            names_.insert(pixmap.cacheKey(), std::string(name));
            cache_.insert(key, std::move(pixmap));
        }
    }
    return bad;
}

const QPixmap& Pictures::get(std::string_view name) {
    const QString key = path(name);
    auto it = cache_.find(key);
    if (it == cache_.end()) {
        it = cache_.insert(key, decode(name, nullptr));
        if (!it->isNull()) names_.insert(it->cacheKey(), std::string(name));
    }
    return *it;
}

}  // namespace rp
