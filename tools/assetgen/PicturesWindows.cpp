#include "Pictures.h"

#include "Paint.h"
#include "Words.h"
#include "Rng.h"
#include "Sizes.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>

#include <algorithm>
#include <cmath>

namespace ag {
namespace {

namespace sz = rp::size;

constexpr double Pi = 3.14159265358979323846;

QRectF pxRect(const sz::Rect& r) { return QRectF(r.leftPx(), r.topPx(), r.widthPx(), r.heightPx()); }

QImage feltWindow(const sz::Box& box, std::uint64_t seed, double vignette = 0.5)
{
    QImage img = canvas(box.widthPx(), box.heightPx(), Qt::black);
    paintFelt(img, seed, vignette);
    return img;
}

void sunburst(QPainter& p, QPointF centre, double radius, int rays, QColor c)
{
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(c);
    for (int i = 0; i < rays; ++i) {
        double a = 2 * Pi * i / rays, b = a + Pi / rays;
        QPolygonF ray;
        ray << centre << centre + QPointF(std::cos(a), std::sin(a)) * radius
            << centre + QPointF(std::cos(b), std::sin(b)) * radius;
        p.drawPolygon(ray);
    }
    p.restore();
}

QPolygonF star(QPointF c, double outer, double inner, int points, double turn = 0)
{
    QPolygonF s;
    for (int i = 0; i < points * 2; ++i) {
        double r = i % 2 ? inner : outer, a = turn - Pi / 2 + Pi * i / points;
        s << c + QPointF(std::cos(a), std::sin(a)) * r;
    }
    return s;
}

// Five of a kind! Scheme 1 is gold on red, scheme 2 red on gold.
QImage celebration(bool second)
{
    const int w = sz::Celebration.widthPx(), h = sz::Celebration.heightPx();
    const QColor ground = second ? QColor(250, 206, 74) : QColor(170, 18, 32);
    const QColor rays = second ? QColor(255, 236, 150) : QColor(214, 52, 52);
    QImage img = canvas(w, h, ground);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    sunburst(p, QPointF(w / 2.0, h / 2.0), w, 18, rays);
    QRadialGradient glow(QPointF(w / 2.0, h / 2.0), w / 2.0);
    glow.setColorAt(0, QColor(255, 255, 255, second ? 60 : 40));
    glow.setColorAt(1, QColor(0, 0, 0, 70));
    p.fillRect(logicalRect(img), glow);
    const QColor starColour = second ? QColor(196, 24, 36) : QColor(255, 220, 90);
    p.setPen(Qt::NoPen);
    p.setBrush(starColour);
    p.drawPolygon(star(QPointF(14, 14), 8, 3.4, 5));
    p.drawPolygon(star(QPointF(w - 14, h - 14), 8, 3.4, 5, 0.3));
    p.drawPolygon(star(QPointF(w - 16, 13), 5, 2.2, 5, 0.5));
    p.drawPolygon(star(QPointF(16, h - 13), 5, 2.2, 5, 0.2));

    QFont f = serifBold(31);
    if (second)
        outlinedText(p, QRectF(0, 0, w, h), "PENTARO!", f, QColor(190, 16, 30), QColor(255, 250, 230), 4,
                     Qt::AlignCenter, {2, 2}, QColor(90, 40, 0, 140));
    else {
        QLinearGradient g(0, 14, 0, 54);
        g.setColorAt(0, QColor(255, 246, 180));
        g.setColorAt(1, QColor(244, 180, 40));
        outlinedText(p, QRectF(0, 0, w, h), "PENTARO!", f, g, QColor(60, 0, 6), 4, Qt::AlignCenter,
                     {2, 2}, QColor(0, 0, 0, 150));
    }
    p.setPen(QPen(second ? QColor(150, 20, 30) : QColor(250, 210, 100), 2));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(1, 1, w - 2, h - 2));
    p.end();
    return img;
}

// Shown by the splash (349 wide) and the closing window (350 wide): drawn
// at the wider size with nothing at the right edge that a pixel less loses.
QImage splash()
{
    const sz::Box box{std::max(sz::Splash.width, sz::ExitWindow.width),
                      std::max(sz::Splash.height, sz::ExitWindow.height)};
    QImage img = feltWindow(box, 303, 0.6);
    const int w = box.widthPx();
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    goldTitle(p, QRectF(0, 6, w, 56), "Real Pentaro", 44);
    // Five fives, tumbled a little: the game's namesake.
    Rng rng(31);
    for (int i = 0; i < 5; ++i) {
        p.save();
        p.translate(73 + i * 51, 96);
        p.rotate(rng.range(-14, 14));
        drawDie(p, QRectF(-15, -15, 30, 30), 5, i == 2);
        p.restore();
    }
    insetPanel(p, QRectF(52, 138, 246, 62), QColor(16, 58, 32), 10);
    QFont small = sans(10);
    shadowText(p, QRectF(0, 204, w, 16), word(QT_TRANSLATE_NOOP("Pictures", "five dice  \u2022  one card  \u2022  up to four players")), small,
               QColor(220, 200, 150));
    p.end();
    return img;
}

QImage messageBox()
{
    QImage img = canvas(sz::MessageWindow.widthPx(), sz::MessageWindow.heightPx(), colour::Paper);
    QPainter p(&img);
    cardPanel(p, logicalRect(img), 404);
    p.end();
    return img;
}

QImage confirmBox()
{
    QImage img = canvas(sz::ConfirmWindow.widthPx(), sz::ConfirmWindow.heightPx(), colour::Paper);
    QPainter p(&img);
    cardPanel(p, logicalRect(img), 405);
    const QRectF msg = pxRect(sz::ConfirmMessage);
    const double y = (msg.bottom() + sz::ConfirmButton.topPx()) / 2.0 + 3;
    p.setPen(QPen(colour::GoldDark, 1));
    const int w = logicalSize(img).width();
    p.drawLine(QPointF(28, y), QPointF(w - 28, y));
    p.setPen(Qt::NoPen);
    p.setBrush(colour::Burgundy);
    p.setRenderHint(QPainter::Antialiasing);
    p.drawEllipse(QPointF(w / 2.0, y), 2.5, 2.5);
    p.end();
    return img;
}

void checkBox(QPainter& p, const QRectF& r)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 90));
    p.drawRoundedRect(r.translated(1, 1.5), 3, 3);
    p.setBrush(colour::Paper);
    p.setPen(QPen(QColor(70, 44, 20), 1));
    p.drawRoundedRect(r.adjusted(0.5, 0.5, -0.5, -0.5), 3, 3);
    p.restore();
}

QImage newGame()
{
    QImage img = feltWindow(sz::NewGameWindow, 505, 0.45);
    const int w = logicalSize(img).width();
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF check1 = pxRect(sz::NewGamePlayerCheck1), name1 = pxRect(sz::NewGameNameBox1);
    const double step = rp::px(sz::NewGameRowStep);

    const double split = rp::px(sz::NewGameSeatColumn) - 30;  // the seat column's left edge
    goldTitle(p, QRectF(0, 4, split, check1.top() - 10), word(QT_TRANSLATE_NOOP("Pictures", "Who is playing?")), 22);
    const QRectF seat1 = pxRect(sz::NewGameSeat1), pace = pxRect(sz::NewGamePace);
    goldTitle(p, QRectF(seat1.left() - 6, 4, w - seat1.left() + 6, check1.top() - 10), word(QT_TRANSLATE_NOOP("Pictures", "Played by")), 18);
    for (int i = 0; i < 4; ++i) insetPanel(p, seat1.translated(0, step * i).adjusted(-2, -2, 2, 2), QColor(20, 70, 38), 4);
    QFont digit = sansBold(15);
    for (int i = 0; i < 4; ++i) {
        QRectF c = check1.translated(0, step * i), n = name1.translated(0, step * i);
        shadowText(p, QRectF(c.left() - 26, c.top(), 20, c.height()), QString::number(i + 1), digit,
                   colour::Cream, Qt::AlignRight | Qt::AlignVCenter);
        checkBox(p, c);
        // An empty slot where a name box appears for a player who takes part.
        insetPanel(p, n.adjusted(-2, -2, 2, 2), QColor(20, 70, 38), 4);
    }
    const QRectF type1 = pxRect(sz::NewGameTypeCheck1), type2 = pxRect(sz::NewGameTypeCheck2);
    const double lastRow = check1.top() + step * 3 + check1.height();
    goldTitle(p, QRectF(0, lastRow + 4, split, type1.top() - lastRow - 6), word(QT_TRANSLATE_NOOP("Pictures", "Which game?")), 22);
    goldTitle(p, QRectF(pace.left() - 6, pace.top() - 21, w - pace.left() + 6, 18), word(QT_TRANSLATE_NOOP("Pictures", "Computer pace")), 14);
    insetPanel(p, pace.adjusted(-2, -2, 2, 2), QColor(20, 70, 38), 4);

    QFont big = sansBold(12.5), small = sans(11);
    auto typeText = [&](const QRectF& c, double right, const QString& name, const QString& note) {
        checkBox(p, c);
        QRectF t(c.right() + 6, c.top() - 4, right - c.right() - 6, 17);
        shadowText(p, t, name, big, colour::Cream, Qt::AlignLeft | Qt::AlignVCenter);
        shadowText(p, t.translated(0, 16), note, small, QColor(232, 206, 140),
                   Qt::AlignLeft | Qt::AlignVCenter);
    };
    typeText(type1, type2.left() - 4, word(QT_TRANSLATE_NOOP("Pictures", "Three columns")), word(QT_TRANSLATE_NOOP("Pictures", "scored x1, x2, x3")));
    typeText(type2, w - 4, word(QT_TRANSLATE_NOOP("Pictures", "One column")), word(QT_TRANSLATE_NOOP("Pictures", "a single card")));
    p.end();
    return img;
}

QImage highScores()
{
    QImage img = feltWindow(sz::ScoresWindow, 606, 0.5);
    const int w = logicalSize(img).width();
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    goldTitle(p, QRectF(0, 2, w, 40), word(QT_TRANSLATE_NOOP("Pictures", "High Scores")), 30);

    auto table = [&](const sz::Rect& nameRect, const sz::Rect& scoreRect, const QString& title) {
        const QRectF name = pxRect(nameRect), score = pxRect(scoreRect);
        const double step = rp::px(sz::ScoresRowStep);
        const QRectF panel(name.left() - 12, name.top() - 44, score.right() - name.left() + 24,
                           44 + step * 5 + name.height() + 6);
        insetPanel(p, panel, QColor(18, 64, 36), 8);
        goldTitle(p, QRectF(panel.left(), panel.top() + 2, panel.width(), 20), title, 16);
        QFont head = sansBold(10);
        const QColor headColour(226, 196, 128);
        const QRectF heads(0, name.top() - 20, 0, 16);
        shadowText(p, QRectF(name.left(), heads.top(), name.width(), heads.height()), word(QT_TRANSLATE_NOOP("Pictures", "Name")), head,
                   headColour, Qt::AlignLeft | Qt::AlignVCenter);
        shadowText(p, QRectF(score.left(), heads.top(), score.width(), heads.height()), word(QT_TRANSLATE_NOOP("Pictures", "Score")), head,
                   headColour, Qt::AlignCenter);
        p.setPen(QPen(QColor(226, 196, 128, 120), 1));
        p.drawLine(QPointF(name.left(), name.top() - 2.5), QPointF(score.right(), name.top() - 2.5));
        // Every second place on a faint band, to lead the eye along a row.
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 255, 255, 14));
        for (int i = 1; i < 6; i += 2)
            p.drawRect(QRectF(name.left() - 4, name.top() + step * i - 0.5, score.right() - name.left() + 8,
                              name.height() + 1));
    };
    table(sz::ScoresNameA1, sz::ScoresScoreA1, word(QT_TRANSLATE_NOOP("Pictures", "Three-Column Game")));
    table(sz::ScoresNameB1, sz::ScoresScoreB1, word(QT_TRANSLATE_NOOP("Pictures", "One-Column Game")));
    p.end();
    return img;
}

QImage endGame(bool newHigh)
{
    QImage img = feltWindow(sz::EndGameWindow, newHigh ? 708 : 707, 0.45);
    const int w = logicalSize(img).width(), h = logicalSize(img).height();
    const double body = rp::px(sz::EndGameBodyTop);
    const QRectF left = pxRect(sz::EndGameFlashLeft), right = pxRect(sz::EndGameFlashRight);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF band(left.right() + 4, 0, right.left() - left.right() - 8, body);
    if (newHigh) {
        Rng rng(77);
        const QColor sparks[] = {QColor(255, 220, 90), QColor(255, 140, 120), QColor(160, 220, 255)};
        p.setPen(Qt::NoPen);
        for (int i = 0; i < 30; ++i) {
            p.setBrush(sparks[i % 3]);
            // Sparks either side of the lettering, never across it.
            const double side = band.width() / 2 - 100;
            double x = rng.range(0, side);
            x = i % 2 ? band.left() + x : band.right() - x;
            QPointF c(x, rng.range(4, body - 6));
            p.drawPolygon(star(c, rng.range(3.5, 6.5), 1.6, 4, rng.range(0, 1)));
        }
        goldTitle(p, QRectF(band.left(), 0, band.width(), body * 0.56), word(QT_TRANSLATE_NOOP("Pictures", "Game over")), 32);
        QFont f = serifBold(21);
        outlinedText(p, QRectF(band.left(), body * 0.52, band.width(), body * 0.44), word(QT_TRANSLATE_NOOP("Pictures", "A new high score!")),
                     f, QColor(255, 250, 150), QColor(120, 20, 20), 3);
    } else {
        goldTitle(p, band, word(QT_TRANSLATE_NOOP("Pictures", "Game over")), 40);
    }
    cardPanel(p, QRectF(10, body, w - 20, h - body - 8), 709);
    p.end();
    return img;
}

// The two flash pictures take turns: "HIGH" ... "SCORE!".
QImage flash(bool rightSide)
{
    const sz::Rect& r = rightSide ? sz::EndGameFlashRight : sz::EndGameFlashLeft;
    QImage felt = feltWindow(sz::EndGameWindow, 708, 0.45);  // as under endgamewin.jpg
    QImage img = logicalCopy(felt, pxRect(r).toRect());  // the felt it covers
    const int w = logicalSize(img).width(), h = logicalSize(img).height();
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const QPointF c(w / 2.0, h / 2.0);
    QPolygonF burst;
    for (int i = 0; i < 28; ++i) {
        double a = 2 * Pi * i / 28 + (rightSide ? 0.1 : 0);
        double rx = (i % 2 ? 0.36 : 0.5) * w - 1, ry = (i % 2 ? 0.36 : 0.5) * h - 1;
        burst << c + QPointF(std::cos(a) * rx, std::sin(a) * ry);
    }
    QRadialGradient g(c, w / 2.0);
    g.setColorAt(0, QColor(255, 250, 180));
    g.setColorAt(1, QColor(255, 170, 30));
    p.setPen(QPen(QColor(160, 30, 20), 1.5));
    p.setBrush(g);
    p.drawPolygon(burst);
    outlinedText(p, QRectF(0, 0, w, h), rightSide ? word(QT_TRANSLATE_NOOP("Pictures", "SCORE!")) : word(QT_TRANSLATE_NOOP("Pictures", "HIGH")), serifBold(rightSide ? 19 : 22),
                 QColor(200, 20, 30), QColor(255, 255, 230), 2.5, Qt::AlignCenter, {1, 1},
                 QColor(0, 0, 0, 60));
    p.end();
    return img;
}

QImage scoresCheck()
{
    QImage img = feltWindow(sz::ScoresCheckWindow, 808, 0.5);
    const QRectF paper = pxRect(sz::ScoresCheckPaper);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    goldTitle(p, QRectF(0, 4, logicalSize(img).width(), paper.top() - 8), word(QT_TRANSLATE_NOOP("Pictures", "Score Card")), 34);
    p.setPen(Qt::NoPen);
    for (int i = 6; i >= 1; --i) {
        p.setBrush(QColor(0, 0, 0, 14));
        p.drawRoundedRect(paper.adjusted(-i + 3, -i + 4, i + 3, i + 4), i, i);
    }
    p.end();
    return img;
}

}  // namespace

void addWindowPictures(PictureSet& set)
{
    set["pentaro1.jpg"] = {celebration(false), {}};
    set["pentaro2.jpg"] = {celebration(true), {}};
    set["splash.jpg"] = {splash(), {}};
    set["messagebox.jpg"] = {messageBox(), {}};
    set["messageboxlarge.jpg"] = {confirmBox(), {}};
    set["newgamebgnd.jpg"] = {newGame(), {}};
    set["scoresbgnd.jpg"] = {highScores(), {}};
    set["endgamebgnd.jpg"] = {endGame(false), {}};
    set["endgamewin.jpg"] = {endGame(true), {}};
    set["leftflash.jpg"] = {flash(false), {}};
    set["rightflash.jpg"] = {flash(true), {}};
    set["scorescheckbgnd.jpg"] = {scoresCheck(), {}};
}

}  // namespace ag
