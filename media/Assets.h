#pragma once
// Where the pictures and sounds live, and the decoded pictures themselves.
// Everything is found beside the program, never from the working folder, so
// the game starts the same from anywhere and through a symbolic link.

#include <QHash>
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

// Decoded pictures by path: each file is read once, so an animation that
// flips through the same faces touches the disk only the first time.
// On a dense screen (device pixel ratio above 1) a picture comes from its
// name@2x.ext artwork, marked as two device pixels to a logical one so every
// layout keeps its logical size; without that file, from the plain one.
// Only the variant in use is decoded. At a zoom other than 100 % each picture
// is scaled once, from the @2x artwork whenever zoom x device pixel ratio is
// above 1, to its zoomed size in device pixels.
class Pictures {
public:
    // devicePixelRatio 0: the application's (its densest screen).
    explicit Pictures(QString imagesFolder, qreal devicePixelRatio = 0);

    QString path(std::string_view name) const;
    // Decodes every picture of the game into the cache; returns a line for
    // each one that is missing or broken, empty when all is well.
    QStringList loadAll();
    // A null pixmap when the file cannot be decoded; the start-up check has
    // made sure that does not happen to the game's own pictures.
    const QPixmap& get(std::string_view name);
    const QString& folder() const { return folder_; }

    // Decodes again at this zoom (percent); what was loaded at once stays so.
    void setZoom(int percent);
    int zoom() const { return zoom_; }
    // The file name of a picture this cache handed out, at any zoom; empty
    // for any other pixmap.
    std::string nameOf(const QPixmap& pixmap) const { return names_.value(pixmap.cacheKey()); }
    // Whether pictures come from the @2x artwork.
    bool hiDpi() const;
    // Pictures with words come from images/<code>/ where that language has
    // its own; every other picture, and "en", from images/.
    void setLanguage(const QString& code);

private:
    QPixmap decode(std::string_view name, QString* error) const;
    QPixmap atZoom(QImage image, bool twice) const;

    QString folder_;
    QString languageFolder_;        // images/<code>, empty for English
    QSet<QString> languageFiles_;   // what it holds, looked up without the disk
    qreal ratio_;
    int zoom_ = 100;
    bool loadedAll_ = false;
    QHash<QString, QPixmap> cache_;
    QHash<qint64, std::string> names_;
};

}  // namespace rp
