#include "Words.h"
#include "ReviewCard.h"

#include <QPainter>

#include "Assets.h"
#include "ReviewText.h"
#include "Texts.h"
#include "WindowFonts.h"
#include "Zoom.h"

namespace rp {

namespace {
const QColor Navy(0, 0, 128), Made(200, 20, 20), Best(20, 130, 40), Ink(60, 40, 20);
constexpr std::array<int, 13> CardRows = {1, 2, 3, 4, 5, 6, 8, 10, 11, 12, 13, 14, 16};
using Kind = advisor::Choice::Kind;
}  // namespace

ReviewCard::ReviewCard(Pictures& pictures, QWidget* parent) : QWidget(parent), pictures_(pictures) {
    setObjectName(QStringLiteral("cardPosition"));
    setAccessibleName(translate("Review", "The position"));
}

void ReviewCard::showDecision(const advisor::ReviewedDecision& d) {
    decision_ = d;
    setAccessibleDescription(review::sentence(d) + translate("Review", ". Dice: ") + review::dice(d.position));
    update();
}

void ReviewCard::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QRect rect = zoom::paintAt100(p, *this);
    const int width = rect.width(), height = rect.height();
    p.setPen(QPen(Ink, 1));
    p.drawRect(QRectF(rect).adjusted(0.5, 0.5, -0.5, -0.5));
    if (!decision_) {
        p.setFont(serifFont(10));
        p.drawText(rect, Qt::AlignCenter | Qt::TextWordWrap, translate("Review", "Select a decision\nto see its position"));
        return;
    }
    const advisor::ReviewedDecision& d = *decision_;
    const advisor::Position& pos = d.position;
    p.setFont(serifFont(10, true));
    p.setPen(Navy);
    p.drawText(QRectF(8, 4, width - 16, 18), Qt::AlignLeft | Qt::AlignVCenter,
               translate("Review", "Turn %1, roll %2").arg(d.turn).arg(d.roll));

    // The dice; a keep is framed under the dice it keeps.
    const qreal die = 24, gap = 6, left = 8, top = 24;
    auto frame = [&](unsigned mask, const QColor& colour, qreal y) {
        p.setPen(QPen(colour, 2));
        for (int i = 0; i < DiceCount; ++i)
            if (mask >> i & 1) p.drawLine(QPointF(left + i * (die + gap), y), QPointF(left + i * (die + gap) + die, y));
    };
    for (int i = 0; i < DiceCount; ++i) {
        const int face = pos.dice[static_cast<std::size_t>(i + 1)];
        if (face >= 1 && face <= 6)
            p.drawPixmap(QRectF(left + i * (die + gap), top, die, die), pictures_.get(file::DieFace[static_cast<std::size_t>(face)]),
                         QRectF());
    }
    if (d.made.kind == Kind::Keep) frame(d.made.keepMask, Made, top + die + 3);
    if (d.best.kind == Kind::Keep) frame(d.best.keepMask, Best, top + die + 7);

    // The card: rows by columns, values filled then.
    const int columns = pos.gameType == 2 ? 1 : Columns;
    const qreal rowTop = top + die + 14, rowH = (height - rowTop - 22) / (CardRows.size() + 1);
    const qreal captionW = 92, colW = (width - 16 - captionW) / columns;
    p.setFont(serifFont(8));
    auto cell = [&](int c, int i) { return QRectF(8 + captionW + (c - 1) * colW, rowTop + i * rowH, colW, rowH); };
    auto mark = [&](const advisor::Choice& ch, const QColor& colour, int i, int c, bool bonus) {
        if (!ch.isEntry() || ch.column != c) return;
        const bool isBonus = ch.kind == Kind::BonusBox;
        if (isBonus != bonus || (!bonus && CardRows[static_cast<std::size_t>(i)] != ch.row)) return;
        p.setPen(QPen(colour, 2));
        p.setBrush(Qt::NoBrush);
        p.drawRect(cell(c, i).adjusted(2, 1, -2, -1));
    };
    for (std::size_t i = 0; i <= CardRows.size(); ++i) {
        const bool bonusRow = i == CardRows.size();
        const int r = bonusRow ? row::Pentaro : CardRows[i];
        p.setPen(Ink);
        p.drawText(QRectF(8, rowTop + static_cast<qreal>(i) * rowH, captionW, rowH), Qt::AlignLeft | Qt::AlignVCenter,
                   r == row::UpperBonus ? translate("Review", "Bonus (63)") : rowCaption(r));
        for (int c = 1; c <= columns; ++c) {
            const auto ci = static_cast<std::size_t>(c);
            QString value;
            if (bonusRow) {
                QStringList boxes;
                for (int b = 1; b <= BonusBoxes; ++b)
                    boxes << (pos.bonusUsed[ci][static_cast<std::size_t>(b)] ? QString::number(pos.bonusScore[ci][static_cast<std::size_t>(b)])
                                                                            : QStringLiteral("\u00B7"));
                value = boxes.join(u' ');
            } else if (pos.used[ci][static_cast<std::size_t>(r)]) {
                value = QString::number(pos.score[ci][static_cast<std::size_t>(r)]);
            }
            p.setPen(Navy);
            p.drawText(cell(c, static_cast<int>(i)), Qt::AlignCenter, value);
            mark(d.best, Best, static_cast<int>(i), c, bonusRow);
            mark(d.made, Made, static_cast<int>(i), c, bonusRow);
        }
    }
    p.setFont(serifFont(8));
    p.setPen(Made);
    p.drawText(QRectF(8, height - 18, width / 2.0 - 8, 14), Qt::AlignLeft | Qt::AlignVCenter, translate("Review", "red: your choice"));
    p.setPen(Best);
    p.drawText(QRectF(width / 2.0, height - 18, width / 2.0 - 8, 14), Qt::AlignRight | Qt::AlignVCenter,
               translate("Review", "green: best play"));
}

}  // namespace rp
