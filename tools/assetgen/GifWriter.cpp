#include "GifWriter.h"

#include "Quantise.h"

#include <gif_lib.h>
#include <sys/stat.h>

#include <map>
#include <stdexcept>
#include <vector>

namespace ag {
namespace {

QRgb overMatte(QRgb px, QColor matte)
{
    int a = qAlpha(px);
    auto mix = [a](int c, int m) { return (c * a + m * (255 - a) + 127) / 255; };
    // Input is straight (not premultiplied) ARGB.
    return qRgb(mix(qRed(px), matte.red()), mix(qGreen(px), matte.green()),
                mix(qBlue(px), matte.blue()));
}

int paletteSizeFor(int n)
{
    int size = 2;
    while (size < n) size *= 2;
    return size;
}

}  // namespace

void writeGif(const QImage& src, const QString& path, const GifOptions& opt)
{
    const QImage img = src.convertToFormat(QImage::Format_ARGB32);
    const int w = img.width(), h = img.height();
    const bool transparency = opt.keepAlpha <= 255;

    // Flatten to opaque colours (or "transparent" = no value).
    std::vector<QRgb> flat(std::size_t(w) * h);
    std::vector<bool> clear(flat.size(), false);
    Histogram hist;
    for (int y = 0; y < h; ++y) {
        const QRgb* line = reinterpret_cast<const QRgb*>(img.constScanLine(y));
        for (int x = 0; x < w; ++x) {
            std::size_t i = std::size_t(y) * w + x;
            if (transparency && qAlpha(line[x]) < opt.keepAlpha) {
                clear[i] = true;
                continue;
            }
            flat[i] = overMatte(line[x], opt.matte);
            ++hist[flat[i]];
        }
    }

    // Index 0 is the transparent colour when there is one.
    const int offset = transparency ? 1 : 0;
    std::vector<QRgb> palette = medianCut(hist, 256 - offset);
    std::map<QRgb, int> lookup;
    std::vector<GifByteType> indices(flat.size(), 0);
    for (std::size_t i = 0; i < flat.size(); ++i) {
        if (clear[i]) continue;
        auto it = lookup.find(flat[i]);
        if (it == lookup.end())
            it = lookup.emplace(flat[i], nearestIndex(palette, flat[i]) + offset).first;
        indices[i] = GifByteType(it->second);
    }

    const int entries = paletteSizeFor(int(palette.size()) + offset);
    std::vector<GifColorType> colours(entries, GifColorType{0, 0, 0});
    if (transparency)
        colours[0] = {GifByteType(opt.matte.red()), GifByteType(opt.matte.green()),
                      GifByteType(opt.matte.blue())};
    for (std::size_t i = 0; i < palette.size(); ++i)
        colours[i + offset] = {GifByteType(qRed(palette[i])), GifByteType(qGreen(palette[i])),
                               GifByteType(qBlue(palette[i]))};

    const QByteArray file = path.toLocal8Bit();
    int err = 0;
    GifFileType* gif = EGifOpenFileName(file.constData(), false, &err);
    if (!gif) throw std::runtime_error("cannot create " + file.toStdString());
    ColorMapObject* map = GifMakeMapObject(entries, colours.data());
    bool ok = map != nullptr;
    if (ok && transparency) EGifSetGifVersion(gif, true);
    ok = ok && EGifPutScreenDesc(gif, w, h, 8, 0, map) == GIF_OK;
    if (ok && transparency) {
        GraphicsControlBlock gcb{};
        gcb.DisposalMode = DISPOSAL_UNSPECIFIED;
        gcb.UserInputFlag = false;
        gcb.DelayTime = 0;
        gcb.TransparentColor = 0;
        GifByteType ext[4];
        EGifGCBToExtension(&gcb, ext);
        ok = EGifPutExtension(gif, GRAPHICS_EXT_FUNC_CODE, 4, ext) == GIF_OK;
    }
    ok = ok && EGifPutImageDesc(gif, 0, 0, w, h, false, nullptr) == GIF_OK;
    for (int y = 0; ok && y < h; ++y)
        ok = EGifPutLine(gif, indices.data() + std::size_t(y) * w, w) == GIF_OK;
    if (EGifCloseFile(gif, &err) != GIF_OK) ok = false;
    if (map) GifFreeMapObject(map);
    if (!ok) throw std::runtime_error("cannot write " + file.toStdString());
    // giflib creates its files readable by the owner only.
    ::chmod(file.constData(), 0644);
}

}  // namespace ag
