#pragma once
// GIF output through giflib (Qt reads GIF but cannot write it).

#include <QColor>
#include <QImage>
#include <QString>

namespace ag {

struct GifOptions {
    // Pixels at least this opaque are kept (blended onto the matte colour,
    // the colour the picture will mostly be shown on); the rest become the
    // transparent colour. 256 means: no transparency, everything kept.
    int keepAlpha = 128;
    QColor matte = Qt::white;
};

// Writes img as a single-frame GIF; throws std::runtime_error on failure.
void writeGif(const QImage& img, const QString& path, const GifOptions& opt);

}  // namespace ag
