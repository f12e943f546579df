#pragma once
// The zoom with the mouse, on the table: smaller, the percentage (back to
// 100 %) and larger, in the tray's cream between the roll button and the
// command buttons. The keys work on every window.

#include <QObject>

namespace rp {

class frmMain;
class TableLabel;
class Windows;

class TableZoom : public QObject {
    Q_OBJECT
public:
    TableZoom(frmMain& table, Windows& windows);

    TableLabel *lblZoomOut, *lblZoom, *lblZoomIn;

private:
    void show(int percent);
};

}  // namespace rp
