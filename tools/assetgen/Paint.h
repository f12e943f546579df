#pragma once
// The shared look: colours, fonts, felt, paper, panels and lettering used
// by every picture, so the windows read as one game.

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QString>
#include <cstdint>

namespace ag {

namespace colour {
inline const QColor Felt{34, 112, 62};
inline const QColor FeltDark{12, 52, 28};
inline const QColor Tray{24, 86, 46};  // the dice tray: dice GIFs blend into it
inline const QColor Paper{247, 240, 219};
inline const QColor PaperEdge{222, 206, 170};
inline const QColor Gold{240, 204, 110};
inline const QColor GoldDark{130, 92, 28};
inline const QColor Burgundy{128, 30, 44};
inline const QColor BurgundyLight{176, 58, 70};
inline const QColor Ink{40, 26, 16};
inline const QColor Cream{255, 236, 205};
}  // namespace colour

// Loads the fonts from their files, so the output does not depend on which
// fonts fontconfig would choose; throws when a file is missing.
void loadFonts();
QFont serifBold(double pixels);  // titles (Liberation Serif Bold)
QFont sansBold(double pixels);   // buttons and small print (DejaVu Sans Bold)
QFont sans(double pixels);       // DejaVu Sans

// Every picture is drawn in logical pixels, the pixels of the control that
// shows it. The draw scale gives each logical pixel scale x scale pixels of
// the file, so one drawing makes both the 1x and the @2x artwork; the
// painter carries the scale, the drawing code never sees it.
void setDrawScale(int scale);
int drawScale();

// A transparent or filled ARGB picture to paint on, w x h logical pixels
// (times the draw scale in the file).
QImage canvas(int w, int h, QColor fill = Qt::transparent);
// A canvas's size in logical pixels, whatever its scale.
QSize logicalSize(const QImage& img);
inline QRect logicalRect(const QImage& img) { return QRect(QPoint(), logicalSize(img)); }
// The rectangle r (logical pixels) cut from a canvas, at the canvas's scale.
QImage logicalCopy(const QImage& img, const QRect& r);

// Fills the whole image with green felt: grain, mottling and a vignette.
void paintFelt(QImage& img, std::uint64_t seed, double vignette = 0.55);
// Fine random grain of +-amount on every channel (opaque images).
void addGrain(QImage& img, std::uint64_t seed, int amount);
// Cream card with fibre grain and a slightly darker edge.
void paintPaper(QImage& img, std::uint64_t seed);

// Text drawn with an outline and a drop shadow, centred in r by default.
void outlinedText(QPainter& p, const QRectF& r, const QString& text, const QFont& font,
                  const QBrush& fill, QColor outline, double outlineWidth,
                  int align = Qt::AlignCenter, QPointF shadowOffset = {1.5, 1.5},
                  QColor shadow = QColor(0, 0, 0, 130));
// Gold title lettering with a dark outline, as on the table's sign.
void goldTitle(QPainter& p, const QRectF& r, const QString& text, double pixels,
               int align = Qt::AlignCenter);
// Plain text with a soft shadow.
void shadowText(QPainter& p, const QRectF& r, const QString& text, const QFont& font,
                QColor fg, int align = Qt::AlignCenter);
// A recessed rounded panel darker than the felt around it.
void insetPanel(QPainter& p, const QRectF& r, QColor fill, double radius);
// A cream card with a burgundy double frame.
void cardPanel(QPainter& p, const QRectF& r, std::uint64_t seed);

// JPEG at a fixed quality; throws on failure.
void saveJpeg(const QImage& img, const QString& path);

}  // namespace ag
