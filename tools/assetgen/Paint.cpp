#include "Paint.h"

#include "Rng.h"

#include <QFile>
#include <QFontDatabase>
#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace ag {
namespace {

QString serifFamily, sansBoldFamily, sansFamily;
int scaleNow = 1;

QString addFont(const char* path)
{
    if (!QFile::exists(path))
        throw std::runtime_error(std::string("font file missing: ") + path +
                                 " (install fonts-dejavu-core and fonts-liberation)");
    int id = QFontDatabase::addApplicationFont(path);
    QStringList families = QFontDatabase::applicationFontFamilies(id);
    if (id < 0 || families.isEmpty()) throw std::runtime_error(std::string("cannot load font ") + path);
    return families.first();
}

QFont make(const QString& family, double pixels, int weight)
{
    QFont f(family);
    f.setPixelSize(std::max(1, int(std::lround(pixels))));
    f.setWeight(QFont::Weight(weight));
    f.setStyleStrategy(QFont::PreferAntialias);
    f.setHintingPreference(QFont::PreferNoHinting);
    return f;
}

int clamp255(int v) { return std::clamp(v, 0, 255); }

}  // namespace

void loadFonts()
{
    serifFamily = addFont("/usr/share/fonts/truetype/liberation/LiberationSerif-Bold.ttf");
    sansBoldFamily = addFont("/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf");
    sansFamily = addFont("/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf");
}

QFont serifBold(double pixels) { return make(serifFamily, pixels, QFont::Bold); }
QFont sansBold(double pixels) { return make(sansBoldFamily, pixels, QFont::Bold); }
QFont sans(double pixels) { return make(sansFamily, pixels, QFont::Normal); }

void setDrawScale(int scale) { scaleNow = std::max(1, scale); }
int drawScale() { return scaleNow; }

QImage canvas(int w, int h, QColor fill)
{
    QImage img(w * scaleNow, h * scaleNow, QImage::Format_ARGB32_Premultiplied);
    img.setDevicePixelRatio(scaleNow);
    img.fill(fill);
    return img;
}

QSize logicalSize(const QImage& img) { return img.deviceIndependentSize().toSize(); }

QImage logicalCopy(const QImage& img, const QRect& r)
{
    const qreal k = img.devicePixelRatio();
    return img.copy(QRectF(r.topLeft() * k, r.size() * k).toRect());
}

void addGrain(QImage& img, std::uint64_t seed, int amount)
{
    Rng rng(seed);
    for (int y = 0; y < img.height(); ++y) {
        QRgb* line = reinterpret_cast<QRgb*>(img.scanLine(y));
        for (int x = 0; x < img.width(); ++x) {
            int d = int(std::lround(rng.bipolar() * amount));
            QRgb c = line[x];
            line[x] = qRgba(clamp255(qRed(c) + d), clamp255(qGreen(c) + d), clamp255(qBlue(c) + d),
                            qAlpha(c));
        }
    }
}

void paintFelt(QImage& img, std::uint64_t seed, double vignette)
{
    // Logical size for the pattern and the light, file pixels for the grain.
    const int w = logicalSize(img).width(), h = logicalSize(img).height();
    const int pw = img.width(), ph = img.height();
    img.fill(colour::Felt);

    // Mottling: a coarse random field, smoothly enlarged.
    Rng rng(seed);
    QImage coarse(std::max(2, w / 12), std::max(2, h / 12), QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < coarse.height(); ++y)
        for (int x = 0; x < coarse.width(); ++x) {
            int v = int(rng.range(0, 255));
            coarse.setPixel(x, y, qRgba(v, v, v, 255));
        }
    QImage mottle = coarse.scaled(pw, ph, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    for (int y = 0; y < ph; ++y) {
        QRgb* line = reinterpret_cast<QRgb*>(img.scanLine(y));
        const QRgb* m = reinterpret_cast<const QRgb*>(mottle.constScanLine(y));
        for (int x = 0; x < pw; ++x) {
            int d = (qRed(m[x]) - 128) / 22;
            line[x] = qRgb(clamp255(qRed(line[x]) + d / 2), clamp255(qGreen(line[x]) + d),
                           clamp255(qBlue(line[x]) + d / 2));
        }
    }
    addGrain(img, seed + 1, 5);

    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    QRadialGradient g(QPointF(w / 2.0, h * 0.45), std::hypot(w, h) * 0.62);
    g.setColorAt(0.0, QColor(255, 255, 220, 18));
    g.setColorAt(0.45, QColor(0, 0, 0, 0));
    g.setColorAt(1.0, QColor(0, 0, 0, int(255 * vignette)));
    p.fillRect(logicalRect(img), g);
}

void paintPaper(QImage& img, std::uint64_t seed)
{
    const int w = logicalSize(img).width(), h = logicalSize(img).height();
    img.fill(colour::Paper);
    Rng rng(seed);
    // Short fibres running mostly across the sheet.
    {
        QPainter p(&img);
        p.setRenderHint(QPainter::Antialiasing);
        const int fibres = w * h / 60;
        for (int i = 0; i < fibres; ++i) {
            double x = rng.range(0, w), y = rng.range(0, h), len = rng.range(2, 7);
            double a = rng.range(-0.35, 0.35);
            int shade = int(rng.range(-1, 1) > 0 ? 255 : 150);
            p.setPen(QPen(QColor(shade, shade * 0.93, shade * 0.8, 22), 0.8));
            p.drawLine(QPointF(x, y), QPointF(x + len * std::cos(a), y + len * std::sin(a)));
        }
        QRadialGradient g(QPointF(w / 2.0, h / 2.0), std::hypot(w, h) * 0.58);
        g.setColorAt(0.6, QColor(0, 0, 0, 0));
        g.setColorAt(1.0, QColor(colour::PaperEdge.red(), colour::PaperEdge.green(),
                                 colour::PaperEdge.blue(), 150));
        p.fillRect(logicalRect(img), g);
    }
    addGrain(img, seed + 1, 3);
}

void outlinedText(QPainter& p, const QRectF& r, const QString& text, const QFont& font,
                  const QBrush& fill, QColor outline, double outlineWidth, int align,
                  QPointF shadowOffset, QColor shadow)
{
    QPainterPath path;
    QFontMetricsF fm(font);
    double x = r.left(), y = r.top() + (r.height() - fm.height()) / 2 + fm.ascent();
    const double adv = fm.horizontalAdvance(text);
    if (align & Qt::AlignHCenter) x = r.left() + (r.width() - adv) / 2;
    if (align & Qt::AlignRight) x = r.right() - adv;
    if (align & Qt::AlignTop) y = r.top() + fm.ascent();
    if (align & Qt::AlignBottom) y = r.bottom() - fm.descent();
    path.addText(QPointF(x, y), font, text);

    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    if (shadow.alpha() > 0) {
        p.translate(shadowOffset);
        p.setPen(QPen(shadow, outlineWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(shadow);
        p.drawPath(path);
        p.translate(-shadowOffset);
    }
    if (outlineWidth > 0) {
        p.setPen(QPen(outline, outlineWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(Qt::NoBrush);
        p.drawPath(path);
    }
    p.setPen(Qt::NoPen);
    p.setBrush(fill);
    p.drawPath(path);
    p.restore();
}

void goldTitle(QPainter& p, const QRectF& r, const QString& text, double pixels, int align)
{
    QFont f = serifBold(pixels);
    // A longer word of another language is set smaller, never cut.
    while (QFontMetricsF(f).horizontalAdvance(text) > r.width() - 4 && pixels > 9) f = serifBold(pixels -= 1);
    QFontMetricsF fm(f);
    double top = r.top() + (r.height() - fm.height()) / 2;
    QLinearGradient g(0, top, 0, top + fm.height());
    g.setColorAt(0.0, QColor(255, 240, 170));
    g.setColorAt(0.5, colour::Gold);
    g.setColorAt(1.0, QColor(196, 140, 50));
    outlinedText(p, r, text, f, g, QColor(60, 34, 8), std::max(1.5, pixels / 11), align,
                 QPointF(pixels / 16, pixels / 14), QColor(0, 0, 0, 110));
}

void shadowText(QPainter& p, const QRectF& r, const QString& text, const QFont& font, QColor fg,
                int align)
{
    p.save();
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setFont(font);
    p.setPen(QColor(0, 0, 0, 150));
    p.drawText(r.translated(1, 1), align, text);
    p.setPen(fg);
    p.drawText(r, align, text);
    p.restore();
}

void insetPanel(QPainter& p, const QRectF& r, QColor fill, double radius)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    // Lit lower edge, shaded upper edge: the panel sits below the surface.
    p.setBrush(QColor(255, 255, 255, 40));
    p.drawRoundedRect(r.adjusted(0, 1, 0, 1), radius, radius);
    p.setBrush(QColor(0, 0, 0, 90));
    p.drawRoundedRect(r.adjusted(0, -1, 0, -1), radius, radius);
    p.setBrush(fill);
    p.drawRoundedRect(r, radius, radius);
    QLinearGradient g(r.topLeft(), QPointF(r.left(), r.top() + 8));
    g.setColorAt(0, QColor(0, 0, 0, 70));
    g.setColorAt(1, QColor(0, 0, 0, 0));
    p.setBrush(g);
    p.drawRoundedRect(r, radius, radius);
    p.restore();
}

void cardPanel(QPainter& p, const QRectF& r, std::uint64_t seed)
{
    QImage sheet = canvas(int(r.width()), int(r.height()));
    paintPaper(sheet, seed);
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.drawImage(r.topLeft(), sheet);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(colour::Burgundy, 2));
    p.drawRect(r.adjusted(3, 3, -3, -3));
    p.setPen(QPen(colour::GoldDark, 1));
    p.drawRect(r.adjusted(6.5, 6.5, -6.5, -6.5));
    p.restore();
}

void saveJpeg(const QImage& img, const QString& path)
{
    QImage out = img.convertToFormat(QImage::Format_RGB32);
    if (!out.save(path, "JPG", 92)) throw std::runtime_error("cannot write " + path.toStdString());
}

}  // namespace ag
