#pragma once
// JPEG pictures decoded by libjpeg itself rather than through Qt's image
// plugins: the first window needs no plugin looked up and loaded, and a
// picture shown at half its artwork's size (the paper) is reduced while it
// is decoded, which is quicker than decoding it whole and scaling it after
// and never holds it at full size.

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <functional>

namespace rp::jpeg {

// Whether the bytes begin as a JPEG does.
bool looksLikeJpeg(const QByteArray& bytes);

// The picture reduced to what `wanted` asks for its own size where a half,
// quarter or eighth gives exactly that, else at its full size; a null image
// with the reason in *why when the bytes are not a JPEG it can read. CMYK
// pictures, which the game does not ship, are left to Qt (null, *why empty).
QImage read(const QByteArray& bytes, const std::function<QSize(QSize)>& wanted, QString* why);

}  // namespace rp::jpeg
