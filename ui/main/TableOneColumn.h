#pragma once
// In the one-column game columns 2 and 3 take no entry: a veil of paper
// dims them, with their five-of-a-kind boxes and chips, and assistive tools
// hear ", not played" after each of their boxes.

#include <QWidget>

namespace rp {

class frmMain;

class TableOneColumn : public QWidget {
    Q_OBJECT
public:
    explicit TableOneColumn(frmMain& table);
    void refresh();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    frmMain& table_;
    bool dimmed_ = false;
};

}  // namespace rp
