#pragma once
// The score card's layout, shared by the table and the read-only score card
// window: row and column places in twips, the names assistive tools read,
// and the grid drawn over the paper.

#include <QString>
#include <QWidget>
#include <array>

namespace rp::card {

// Box tops of rows 1..20; row 15 has no box of its own and lies below the window.
inline constexpr std::array<int, 21> RowTop = {0,    1500, 1740, 1980, 2220, 2460, 2700, 2940,
                                               3180, 3405, 3900, 4140, 4380, 4620, 4860, 8400,
                                               5340, 5580, 6060, 6300, 6540};
inline constexpr std::array<int, 4> ColumnLeft = {0, 2055, 3135, 4215};
inline constexpr std::array<std::array<int, 4>, 4> BonusLeft = {
    {{}, {0, 2055, 2415, 2775}, {0, 3135, 3495, 3840}, {0, 4215, 4560, 4875}}};
inline constexpr std::array<int, 4> ChipLeft = {0, 2220, 3300, 4380};
inline constexpr std::array<int, 4> ChipTotalLeft = {0, 2760, 3840, 4920};
inline constexpr int BonusTop = 5100;

// Width of the caption of a row.
int captionWidth(int row);
// A caption stands a little taller than its row's boxes, about the same
// middle: room for accents and descenders at every zoom.
inline constexpr int CaptionRaise = 15, CaptionHeight = 225;
// "Game 2, Full House"; rows 18 and 19 add "(row 18)" as they repeat 9 and 17.
QString boxDescription(int column, int row);

// The frame and rules of the card; lets the mouse through. It covers the
// card alone (Left, Top, Width, Height in twips), so that a die redrawn
// beside the card does not redraw the rules as well.
class CardGrid : public QWidget {
public:
    static constexpr int Left = 300, Top = 1470, Width = 4965, Height = 5325;
    explicit CardGrid(QWidget* parent);

protected:
    void paintEvent(QPaintEvent*) override;
};

}  // namespace rp::card
