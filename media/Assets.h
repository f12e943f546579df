#pragma once
// Where the pictures and sounds live, and the decoded pictures themselves.
// Everything is found beside the program, never from the working folder, so
// the game starts the same from anywhere and through a symbolic link.

#include <QHash>
#include <QImage>
#include <QList>
#include <QSet>
#include <QPixmap>
#include <functional>
#include <future>
#include <memory>
#include <QString>
#include <QStringList>
#include <string_view>

namespace rp {

class MappedFile;

// The folder of the running program (symbolic links resolved).
QString programFolder();
QString imagesFolder(const QString& root);
QString soundsFolder(const QString& root);

// Each picture of the game that is missing or cannot be decoded in the
// given images folder, one readable line per file; empty when all is well.
QStringList checkPictures(const QString& imagesFolder);

// A picture decoded on another thread: whole, or null with the reason.
struct DecodedPicture {
    QImage image;
    QString why;
    QSize artwork;  // its size as drawn
};

// The first window's picture, decoded whole on a thread started before the
// toolkit (which spends its first 15 ms loading itself and connecting to the
// display, mostly on one core) and handed to the cache that shows it. The
// thread runs at the lowest priority, on a core nothing else wants: where
// none is free, the picture is decoded when asked for, as any other.
struct EarlyPicture {
    struct Result {
        QString path;  // empty: nothing decoded (no such file, not a JPEG)
        DecodedPicture picture;
    };
    std::shared_ptr<Result> result;  // written before `finished`
    std::shared_future<void> finished;
    // Decodes the JPEG at the path that `where` finds, all on the other
    // thread: `where` must not be the first to make a QObject, for Qt takes
    // that thread for its main one. Nothing when no thread is to be had.
    // The thread uses Qt's shared state: wait for `finished` before the
    // program ends.
    static EarlyPicture start(std::function<QString()> where);
    bool done() const;
};

// Pictures by path. Each file is mapped once and kept (a JPEG or GIF is a
// tenth of its decoded size, and between decodes it rests in the system's
// file cache), so neither an animation nor a window opened again opens a file. A picture is decoded when first
// asked for, once per zoom, and shared by every control that shows it;
// trim() lets go of the decoded pictures nobody shows any more.
// On a dense screen (device pixel ratio above 1) a picture comes from its
// name@2x.ext artwork, marked as two device pixels to a logical one so every
// layout keeps its logical size; without that file, from the plain one.
// Only the variant in use is read. At a zoom other than 100 % each picture
// is scaled once, from the @2x artwork whenever zoom x device pixel ratio is
// above 1, to its zoomed size in device pixels.
class Pictures {
public:
    // devicePixelRatio 0: the application's (its densest screen).
    explicit Pictures(QString imagesFolder, qreal devicePixelRatio = 0);

    QString path(std::string_view name) const;
    // Reads and checks every picture of the game, keeping the files' bytes;
    // returns a line for each one that is missing or broken, empty when all
    // is well.
    QStringList loadAll();
    // A null pixmap when the file cannot be decoded; the start-up check has
    // made sure that does not happen to the game's own pictures.
    const QPixmap& get(std::string_view name);
    // The picture scaled to fill `shown` (logical pixels at the zoom): for
    // artwork drawn larger than the control that shows it, kept at the size
    // shown rather than at its own.
    const QPixmap& get(std::string_view name, QSize shown);
    // Whether the picture has a file, at either resolution.
    bool has(std::string_view name) const;
    // Takes a picture decoded early for the first get() of its file, which
    // scales it to the zoom; never waits for it.
    void adopt(EarlyPicture early) { early_ = std::move(early); }
    const QString& folder() const { return folder_; }

    // Pictures are decoded again at this zoom (percent) as they are asked for.
    void setZoom(int percent);
    int zoom() const { return zoom_; }
    // Lets go of every decoded picture that no control holds, but those
    // named in keep (painted by a window that shows now).
    void trim(const QSet<QString>& keep = {});
    // Decoded pictures held, and their bytes; files' bytes held.
    qsizetype decodedCount() const { return cache_.size() + stale_.size(); }
    qint64 decodedBytes() const;
    qint64 fileBytes() const;
    // The file name of a picture this cache handed out, at any zoom, while
    // it is shown; empty for any other pixmap.
    std::string nameOf(const QPixmap& pixmap) const { return names_.value(pixmap.cacheKey()); }
    // Whether pictures come from the @2x artwork.
    bool hiDpi() const;
    // Pictures with words come from images/<code>/ where that language has
    // its own; every other picture, and "en", from images/.
    void setLanguage(const QString& code);

private:
    QPixmap decode(std::string_view name, QString* error, QSize shown = {});
    // `wanted` maps the artwork's size to the size it will be shown at.
    QImage read(const QString& path, QString* why, const std::function<QSize(QSize)>& wanted);
    // The file's bytes, read the first time only; empty when there is none.
    const QByteArray& bytesOf(const QString& path);
    static QString hiPath(const QString& plain, std::string_view name);
    QSize deviceSize(QSize artwork, bool twice, QSize shown) const;
    QPixmap atZoom(QImage image, QSize device, bool twice) const;
    QPixmap& remember(const QString& key, std::string_view name, QPixmap pixmap);

    QString folder_;
    QString languageFolder_;        // images/<code>, empty for English
    QSet<QString> languageFiles_;   // what it holds, looked up without the disk
    qreal ratio_;
    int zoom_ = 100;
    QHash<QString, std::shared_ptr<MappedFile>> files_;  // by path; empty: no such file
    QHash<QString, QPixmap> cache_;     // by path, at the zoom
    QList<QPixmap> stale_;              // of an earlier zoom, until trimmed
    QHash<qint64, std::string> names_;
    EarlyPicture early_;  // until its file is first read
};

}  // namespace rp
