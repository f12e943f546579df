#pragma once
// Where the pictures and sounds live, and the decoded pictures themselves.
// Everything is found beside the program, never from the working folder, so
// the game starts the same from anywhere and through a symbolic link.

#include <QHash>
#include <QList>
#include <QSet>
#include <QPixmap>
#include <QString>
#include <QStringList>
#include <string_view>

namespace rp {

// The folder of the running program (symbolic links resolved).
QString programFolder();
QString imagesFolder(const QString& root);
QString soundsFolder(const QString& root);

// Each picture of the game that is missing or cannot be decoded in the
// given images folder, one readable line per file; empty when all is well.
QStringList checkPictures(const QString& imagesFolder);

// Pictures by path. Each file is read from disk once and its bytes kept
// (a JPEG or GIF is a tenth of its decoded size), so neither an animation
// nor a window opened again reads a file. A picture is decoded when first
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
    QImage read(const QString& path, QString* why);
    QPixmap atZoom(QImage image, bool twice, QSize shown) const;
    QPixmap& remember(const QString& key, std::string_view name, QPixmap pixmap);

    QString folder_;
    QString languageFolder_;        // images/<code>, empty for English
    QSet<QString> languageFiles_;   // what it holds, looked up without the disk
    qreal ratio_;
    int zoom_ = 100;
    QHash<QString, QByteArray> files_;  // by path; an empty one: no such file
    QHash<QString, QPixmap> cache_;     // by path, at the zoom
    QList<QPixmap> stale_;              // of an earlier zoom, until trimmed
    QHash<qint64, std::string> names_;
};

}  // namespace rp
