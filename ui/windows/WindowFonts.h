#pragma once
// The typefaces of the game's windows. Times New Roman is asked for by name;
// where it is not installed, Liberation Serif keeps its metrics.

#include <QColor>
#include <QFont>
#include <QString>
#include <string_view>

namespace rp {

inline QFont serifFont(qreal points, bool bold = false) {
    QFont f;
    f.setFamilies({QStringLiteral("Times New Roman"), QStringLiteral("Liberation Serif")});
    f.setPointSizeF(points);
    f.setBold(bold);
    return f;
}

inline QString qstr(std::string_view s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

// The game's texts break lines with CR LF; a label wants a bare LF.
inline QString labelText(QString s) { return s.replace(QStringLiteral("\r\n"), QStringLiteral("\n")); }
inline QString labelText(std::string_view s) {
    return qstr(s).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

}  // namespace rp
