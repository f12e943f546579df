#include "Assets.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImageReader>
#include <cstdio>
#include <system_error>
#include <thread>
#ifdef Q_OS_LINUX
#include <sys/resource.h>
#include <sys/syscall.h>
#include <unistd.h>
#endif

#include "AssetNames.h"
#include "JpegReader.h"
#include "MappedFile.h"
#include "Twips.h"
#include "Zoom.h"

namespace rp {

namespace {
QString qs(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

// A cut-off JPEG or GIF still decodes (the missing part comes out grey), so
// a file must also end the way its format ends.
bool endsWell(const QString& path, const QByteArray& bytes) {
    if (bytes.size() < 2) return false;
    const QByteArray tail = bytes.right(2);
    if (path.endsWith(QLatin1String(".jpg"), Qt::CaseInsensitive)) return tail == QByteArray("\xFF\xD9", 2);
    if (path.endsWith(QLatin1String(".gif"), Qt::CaseInsensitive)) return tail.at(1) == ';';
    return true;
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
    // What controls still show is known by name until they have been given
    // the new size; trim() lets go of it after that.
    for (const QPixmap& p : std::as_const(cache_))
        if (!p.isNull()) stale_ << p;
    cache_.clear();
}

// Scaled to the zoomed size of the picture's control (or to `shown`), in
// device pixels.
QSize Pictures::deviceSize(QSize artwork, bool twice, QSize shown) const {
    if (shown.isValid()) return {qRound(shown.width() * ratio_), qRound(shown.height() * ratio_)};
    if (zoom_ == 100) return artwork;
    const QSize natural = twice ? artwork / 2 : artwork;
    const int w = zoom::px(natural.width() * TwipsPerPixel, zoom_), h = zoom::px(natural.height() * TwipsPerPixel, zoom_);
    return {qRound(w * ratio_), qRound(h * ratio_)};
}

QPixmap Pictures::atZoom(QImage image, QSize device, bool twice) const {
    if (zoom_ == 100 && image.size() == device) {
        QPixmap pixmap = QPixmap::fromImage(std::move(image));
        if (twice) pixmap.setDevicePixelRatio(2);
        return pixmap;
    }
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
}

const QByteArray& Pictures::bytesOf(const QString& path) {
    static const QByteArray none;
    auto it = files_.find(path);
    if (it == files_.end()) it = files_.insert(path, MappedFile::open(path, 64 * 1024 * 1024));
    return *it ? (*it)->bytes() : none;
}

QString Pictures::hiPath(const QString& plain, std::string_view name) {
    // A language's own picture has its @2x beside it.
    return plain.left(plain.size() - static_cast<qsizetype>(name.size())) +
           QString::fromStdString(assets::hiDpiName(name));
}

bool Pictures::has(std::string_view name) const {
    const QString plain = path(name);
    return QFileInfo(plain).isFile() || QFileInfo(hiPath(plain, name)).isFile();
}

EarlyPicture EarlyPicture::start(std::function<QString()> where) {
    auto result = std::make_shared<Result>();
    auto finished = std::make_shared<std::promise<void>>();
    EarlyPicture early{result, finished->get_future().share()};
    try {
        // Not joined: the cache never waits for it; whoever started it may
        // wait for `finished` before the program ends.
        std::thread([where = std::move(where), result, finished] {
#ifdef Q_OS_LINUX
            setpriority(PRIO_PROCESS, static_cast<id_t>(syscall(SYS_gettid)), 19);
#endif
            const QString path = where();
            const auto file = MappedFile::open(path, 64 * 1024 * 1024);
            if (file && jpeg::looksLikeJpeg(file->bytes())) {
                result->picture.image = jpeg::read(file->bytes(), {}, &result->picture.why);
                result->picture.artwork = result->picture.image.size();
                result->path = path;
            }
            finished->set_value();
        }).detach();
    } catch (const std::system_error&) {
        return {};  // no thread to be had
    }
    return early;
}

bool EarlyPicture::done() const {
    return finished.valid() && finished.wait_for(std::chrono::seconds(0)) == std::future_status::ready;
}

// Decoded fully (a truncated file often has a readable header), or null
// with the reason in *why. The file is opened the first time only.
QImage Pictures::read(const QString& path, QString* why, const std::function<QSize(QSize)>& wanted) {
    const QByteArray& bytes = bytesOf(path);
    if (bytes.isEmpty()) {
        *why = QStringLiteral("missing picture: %1").arg(path);
        return {};
    }
    QImage image;
    QString trouble;
    // The picture decoded early, when it is this one and ready; one not
    // ready by the first read is not waited for.
    bool early = false;
    if (!early_.done()) {
        early_ = {};
    } else if (early_.result->path == path) {
        DecodedPicture& a = early_.result->picture;
        image = std::move(a.image);
        trouble = a.why;
        if (a.artwork.isValid() && wanted) wanted(a.artwork);
        early_ = {};
        early = true;
    }
    if (!early && jpeg::looksLikeJpeg(bytes)) {
        image = jpeg::read(bytes, wanted, &trouble);
    }
    if (image.isNull() && trouble.isEmpty()) {
        QByteArray data = bytes;
        QBuffer buffer(&data);
        buffer.open(QIODevice::ReadOnly);
        QImageReader reader(&buffer);
        image = reader.read();
        if (image.isNull()) trouble = reader.errorString();
    }
    if (image.isNull()) {
        *why = QStringLiteral("cannot decode picture: %1 (%2)").arg(path, trouble);
        return {};
    }
    const bool whole = endsWell(path, bytes);
    // Decoded: the file's bytes go back to the file cache until next needed.
    if (const auto& file = files_.value(path)) file->rest();
    if (!whole) {
        *why = QStringLiteral("cannot decode picture: %1 (the file is cut short)").arg(path);
        return {};
    }
    return image;
}

QPixmap Pictures::decode(std::string_view name, QString* error, QSize shown) {
    const QString plain = path(name);
    const QString hi = hiPath(plain, name);
    // Only the bytes of the artwork in use are kept.
    auto letGo = [this](const QString& unused) {
        if (auto it = files_.find(unused); it != files_.end() && !bytesOf(unused).isEmpty()) files_.erase(it);
    };
    // Reduced while decoded where the format allows, towards the size it is
    // shown at, which follows from the artwork's own size.
    QSize device;
    auto wanted = [this, shown, &device](bool twice) {
        return [this, shown, twice, &device](QSize artwork) { return device = deviceSize(artwork, twice, shown); };
    };
    auto finish = [this, shown, &device](QImage image, bool twice) {
        if (!device.isValid()) device = deviceSize(image.size(), twice, shown);
        return atZoom(std::move(image), device, twice);
    };
    if (hiDpi()) {
        if (files_.contains(hi) ? !bytesOf(hi).isEmpty() : QFileInfo(hi).isFile()) {
            QString why;
            QImage image = read(hi, &why, wanted(true));
            if (!image.isNull()) {
                letGo(plain);
                return finish(std::move(image), true);
            }
            // The plain picture still shows the game whole, only softer.
            std::fprintf(stderr, "Real Pentaro: %s; showing the plain picture instead\n", qPrintable(why));
        } else {
            files_.insert(hi, {});  // looked for once
        }
    } else {
        letGo(hi);
    }
    device = {};
    QString why;
    QImage image = read(plain, &why, wanted(false));
    if (error) *error = why;
    return image.isNull() ? QPixmap() : finish(std::move(image), false);
}

QPixmap& Pictures::remember(const QString& key, std::string_view name, QPixmap pixmap) {
    if (!pixmap.isNull()) names_.insert(pixmap.cacheKey(), std::string(name));
    return *cache_.insert(key, std::move(pixmap));
}

QStringList Pictures::loadAll() {
    QStringList bad;
    for (std::string_view name : assets::Pictures) {
        const QString key = path(name);
        if (auto it = cache_.constFind(key); it != cache_.constEnd() && !it->isNull()) continue;
        QString why;
        // Decoded to be sure it can be, then let go: only what is shown is kept.
        if (decode(name, &why).isNull()) bad << why;
    }
    // Decoded early for a language or zoom the game did not take, or not
    // decoded yet.
    early_ = {};
    return bad;
}

const QPixmap& Pictures::get(std::string_view name) {
    const QString key = path(name);
    auto it = cache_.find(key);
    if (it != cache_.end()) return *it;
    return remember(key, name, decode(name, nullptr));
}

const QPixmap& Pictures::get(std::string_view name, QSize shown) {
    const QString key = path(name) + QStringLiteral("|%1x%2").arg(shown.width()).arg(shown.height());
    auto it = cache_.find(key);
    if (it != cache_.end()) return *it;
    return remember(key, name, decode(name, nullptr, shown));
}

void Pictures::trim(const QSet<QString>& keep) {
    auto unused = [](const QPixmap& p) { return p.isNull() || p.isDetached(); };
    for (auto it = cache_.begin(); it != cache_.end();) {
        if (!keep.contains(it.key()) && unused(*it)) {
            names_.remove(it->cacheKey());
            it = cache_.erase(it);
        } else {
            ++it;
        }
    }
    for (auto it = stale_.begin(); it != stale_.end();) {
        if (unused(*it)) {
            names_.remove(it->cacheKey());
            it = stale_.erase(it);
        } else {
            ++it;
        }
    }
}

qint64 Pictures::decodedBytes() const {
    qint64 sum = 0;
    auto add = [&sum](const QPixmap& p) { sum += qint64(p.width()) * p.height() * p.depth() / 8; };
    for (const QPixmap& p : cache_) add(p);
    for (const QPixmap& p : stale_) add(p);
    return sum;
}

qint64 Pictures::fileBytes() const {
    qint64 sum = 0;
    for (const auto& file : files_)
        if (file) sum += file->bytes().size();
    return sum;
}

}  // namespace rp
