#include "Words.h"
#include "TableZoom.h"

#include "Layout.h"
#include "TableLabel.h"
#include "Windows.h"
#include "frmMain.h"

namespace rp {

TableZoom::TableZoom(frmMain& table, Windows& windows) : QObject(&table) {
    QFont f;
    f.setFamilies({QStringLiteral("Times New Roman"), QStringLiteral("Liberation Serif")});
    f.setPointSizeF(9);
    f.setBold(true);
    auto control = [&](const char* name, int left, int width, const QString& caption, const QString& tip,
                       auto percent) {
        auto* l = new TableLabel(&table, QString::fromLatin1(name), QAccessible::Button);
        placeTwips(*l, left, 5415, width, 285);
        l->setFont(f);
        l->setAlignment(Qt::AlignCenter);
        l->setTextColour(QColor(255, 236, 190));
        l->setCaption(caption);
        l->setToolTip(tip);
        connect(l, &TableLabel::clicked, this, [&windows, percent] { windows.chooseZoom(percent(zoom::percent())); });
        return l;
    };
    lblZoomOut = control("lblZoomOut", 6540, 195, QStringLiteral("\u2212"), translate("Table", "Smaller (Ctrl+Minus)"),
                         [](int p) { return zoom::stepDown(p); });
    lblZoom = control("lblZoom", 6735, 495, QString(), translate("Table", "Zoom; back to 100 % (Ctrl+0)"),
                      [](int) { return 100; });
    lblZoomIn = control("lblZoomIn", 7230, 180, QStringLiteral("+"), translate("Table", "Larger (Ctrl+Plus)"),
                        [](int p) { return zoom::stepUp(p); });
    table.say([this] {
        lblZoomOut->setToolTip(translate("Table", "Smaller (Ctrl+Minus)"));
        lblZoom->setToolTip(translate("Table", "Zoom; back to 100 % (Ctrl+0)"));
        lblZoomIn->setToolTip(translate("Table", "Larger (Ctrl+Plus)"));
        lblZoomOut->setAccessibleName(translate("Table", "Smaller"));
        lblZoomIn->setAccessibleName(translate("Table", "Larger"));
        show(zoom::percent());
    });
    connect(&windows, &Windows::zoomChanged, this, [this](int p) { show(p); });
}

void TableZoom::show(int percent) {
    lblZoom->setCaption(QStringLiteral("%1%").arg(percent));
    lblZoom->setAccessibleName(translate("Table", "Zoom %1 %").arg(percent));
}

}  // namespace rp
