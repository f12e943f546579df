// The GIF writer on pictures whose colours are known: what Qt reads back
// must be what was drawn, with the transparent pixels where they were.

#include "GifWriter.h"

#include <QColor>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <cstdlib>

namespace {

QImage roundTrip(const QImage& img, const ag::GifOptions& opt)
{
    QTemporaryDir dir;
    const QString path = dir.path() + "/t.gif";
    ag::writeGif(img, path, opt);
    EXPECT_TRUE(QFile::permissions(path) & QFileDevice::ReadOther) << "not readable by others";
    return QImage(path).convertToFormat(QImage::Format_ARGB32);
}

}  // namespace

// 200 distinct colours on an odd width (rows not a multiple of 4 bytes) come
// back exactly; a smooth gradient of thousands stays close.
TEST(GifWriter, ColoursComeBackExactOrClose)
{
    for (bool gradient : {false, true}) {
        QImage img = gradient ? QImage(120, 90, QImage::Format_ARGB32) : QImage(37, 11, QImage::Format_ARGB32);
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x) {
                const int i = (y * img.width() + x) % 200;
                img.setPixel(x, y, gradient ? qRgb(x * 2, y * 2, 128) : qRgb(i, 255 - i, (i * 7) % 256));
            }
        const QImage back = roundTrip(img, {256, Qt::white});
        ASSERT_EQ(back.size(), img.size());
        int worst = 0;
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x) {
                const QRgb a = img.pixel(x, y), b = back.pixel(x, y);
                worst = std::max(worst, std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) +
                                            std::abs(qBlue(a) - qBlue(b)) + std::abs(qAlpha(a) - qAlpha(b)));
            }
        EXPECT_LE(worst, gradient ? 24 : 0) << gradient;
    }
}

TEST(GifWriter, FaintPixelsTurnTransparentAndEdgesBlendIntoTheMatte)
{
    QImage img(4, 1, QImage::Format_ARGB32);
    img.setPixel(0, 0, qRgba(0, 0, 0, 0));       // empty
    img.setPixel(1, 0, qRgba(255, 0, 0, 30));    // faint: dropped
    img.setPixel(2, 0, qRgba(255, 0, 0, 128));   // half: blended onto the matte
    img.setPixel(3, 0, qRgba(10, 20, 30, 255));  // solid: unchanged
    const QImage back = roundTrip(img, {100, QColor(0, 0, 255)});
    EXPECT_EQ(qAlpha(back.pixel(0, 0)), 0);
    EXPECT_EQ(qAlpha(back.pixel(1, 0)), 0);
    const QRgb half = back.pixel(2, 0);
    EXPECT_EQ(qAlpha(half), 255);
    EXPECT_NEAR(qRed(half), 128, 2);
    EXPECT_NEAR(qBlue(half), 127, 2);
    EXPECT_EQ(back.pixel(3, 0), qRgb(10, 20, 30));
}
