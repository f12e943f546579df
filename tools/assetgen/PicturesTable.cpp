#include "Pictures.h"

#include "Paint.h"
#include "Words.h"
#include "Sizes.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>

#include <cmath>

namespace ag {
namespace {

namespace sz = rp::size;

// Paper is shown scaled to their controls; drawing them larger
// keeps them crisp when the control scales them smoothly.
constexpr int PaperScale = 2;

// Places of the main window's controls, in pixels, that the background
// decorates (the window's layout table gives them in twips).
constexpr QRectF PaperArea(13, 63, 345, 425);
constexpr QRectF DiceTray(381, 92, 116, 236);
constexpr double KeptColumnX = 389, RollingColumnX = 453;

QImage background()
{
    QImage img = canvas(sz::MainClient.widthPx(), sz::MainClient.heightPx(), Qt::black);
    paintFelt(img, 101);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);

    goldTitle(p, QRectF(13, 6, 345, 54), "Real Pentaro", 40);

    // The score card lies on the table with a soft shadow.
    p.setPen(Qt::NoPen);
    for (int i = 6; i >= 1; --i) {
        p.setBrush(QColor(0, 0, 0, 14));
        p.drawRoundedRect(PaperArea.adjusted(-i + 3, -i + 4, i + 3, i + 4), i, i);
    }

    insetPanel(p, DiceTray, colour::Tray, 10);
    QFont f = sansBold(10);
    shadowText(p, QRectF(KeptColumnX - 10, 97, 55, 14), word(QT_TRANSLATE_NOOP("Pictures", "KEPT")), f, colour::Gold);
    shadowText(p, QRectF(RollingColumnX - 10, 97, 55, 14), word(QT_TRANSLATE_NOOP("Pictures", "ROLL")), f, colour::Gold);
    p.end();
    return img;
}

QImage paper()
{
    QImage img = canvas(sz::Paper.widthPx() * PaperScale, sz::Paper.heightPx() * PaperScale);
    paintPaper(img, 202);
    return img;
}

QImage nextPlayer()
{
    const int w = sz::NextPlayer.widthPx(), h = sz::NextPlayer.heightPx();
    QImage img = canvas(w, h, colour::Tray);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    QRectF r(0.5, 0.5, w - 1, h - 1);
    QLinearGradient g(0, 0, 0, h);
    g.setColorAt(0.0, QColor(255, 232, 160));
    g.setColorAt(0.45, QColor(222, 172, 78));
    g.setColorAt(1.0, QColor(168, 112, 36));
    p.setBrush(g);
    p.setPen(QPen(QColor(70, 40, 10), 1));
    p.drawRoundedRect(r, 5, 5);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(255, 246, 210, 150), 1));
    p.drawRoundedRect(r.adjusted(3, 3, -3, -3), 3, 3);
    p.setPen(QPen(QColor(110, 70, 20, 160), 1));
    p.drawRoundedRect(r.adjusted(4, 4, -4, -4), 3, 3);
    // Two screws hold the plaque.
    for (double x : {9.0, w - 9.0}) {
        QRadialGradient s(QPointF(x - 1, h / 2.0 - 1), 3.5);
        s.setColorAt(0, QColor(255, 245, 210));
        s.setColorAt(1, QColor(120, 80, 30));
        p.setBrush(s);
        p.setPen(Qt::NoPen);
        p.drawEllipse(QPointF(x, h / 2.0), 3, 3);
        p.setPen(QPen(QColor(80, 50, 15), 0.8));
        p.drawLine(QPointF(x - 2, h / 2.0 + 1), QPointF(x + 2, h / 2.0 - 1));
    }
    // Engraved lettering: light edge below, dark letters above.
    QFont f = serifBold(23);
    p.setFont(f);
    p.setPen(QColor(255, 240, 200, 200));
    p.drawText(QRectF(0, 1, w, h), Qt::AlignCenter, word(QT_TRANSLATE_NOOP("Pictures", "Next Player")));
    p.setPen(QColor(70, 36, 8));
    p.drawText(QRectF(0, 0, w, h), Qt::AlignCenter, word(QT_TRANSLATE_NOOP("Pictures", "Next Player")));
    p.end();
    return img;
}

enum class Speaker { None, On, Off, Neutral };

void drawSpeaker(QPainter& p, QPointF at, Speaker kind, QColor c)
{
    if (kind == Speaker::None) return;
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(c);
    QPainterPath body;
    body.moveTo(at + QPointF(0, -2.5));
    body.lineTo(at + QPointF(3, -2.5));
    body.lineTo(at + QPointF(7, -6));
    body.lineTo(at + QPointF(7, 6));
    body.lineTo(at + QPointF(3, 2.5));
    body.lineTo(at + QPointF(0, 2.5));
    body.closeSubpath();
    p.drawPath(body);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(c, 1.4, Qt::SolidLine, Qt::RoundCap));
    if (kind == Speaker::On) {
        p.drawArc(QRectF(at.x() + 4, at.y() - 4, 8, 8), -50 * 16, 100 * 16);
        p.drawArc(QRectF(at.x() + 3, at.y() - 7, 14, 14), -50 * 16, 100 * 16);
    } else if (kind == Speaker::Off) {
        p.drawLine(at + QPointF(10, -3.5), at + QPointF(16, 3.5));
        p.drawLine(at + QPointF(10, 3.5), at + QPointF(16, -3.5));
    }
    p.restore();
}

// A raised burgundy plate with its command's word; pressed, it sinks.
QImage plate(int w, int h, const QString& text, bool pressed, Speaker icon = Speaker::None,
             const QColor& body = QColor())
{
    QImage img = canvas(w, h, colour::FeltDark);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    QRectF r(0.5, 0.5, w - 1, h - 1);
    QLinearGradient g(0, 0, 0, h);
    if (pressed) {
        g.setColorAt(0.0, QColor(62, 10, 20));
        g.setColorAt(0.6, QColor(104, 24, 36));
        g.setColorAt(1.0, QColor(122, 34, 46));
    } else if (body.isValid()) {
        g.setColorAt(0.0, body.lighter(170));
        g.setColorAt(0.45, body);
        g.setColorAt(1.0, body.darker(220));
    } else {
        g.setColorAt(0.0, QColor(206, 88, 98));
        g.setColorAt(0.45, colour::Burgundy);
        g.setColorAt(1.0, QColor(84, 16, 28));
    }
    p.setPen(QPen(QColor(34, 8, 12), 1));
    p.setBrush(g);
    p.drawRoundedRect(r, 3, 3);

    p.setBrush(Qt::NoBrush);
    if (pressed) {
        // Inner shadow along the top and left edges.
        p.setPen(QPen(QColor(0, 0, 0, 130), 2));
        p.drawLine(QPointF(2, 2), QPointF(w - 2, 2));
        p.drawLine(QPointF(2, 2), QPointF(2, h - 2));
        p.setPen(QPen(QColor(200, 150, 90, 70), 1));
        p.drawRoundedRect(r.adjusted(2.5, 2.5, -2, -2), 2, 2);
    } else {
        p.setPen(QPen(QColor(255, 255, 255, 90), 1));
        p.drawLine(QPointF(3, 1.5), QPointF(w - 3, 1.5));
        p.setPen(QPen(QColor(0, 0, 0, 110), 1));
        p.drawLine(QPointF(3, h - 1.5), QPointF(w - 3, h - 1.5));
        p.setPen(QPen(QColor(240, 200, 110, 120), 1));
        p.drawRoundedRect(r.adjusted(2, 2, -2, -2), 2, 2);
    }

    // The word, shrunk only if it would not fit.
    double px = h >= 24 ? 12.5 : 10;
    const double iconW = icon == Speaker::None ? 0 : 22;
    QFont f = sansBold(px);
    while (QFontMetricsF(f).horizontalAdvance(text) + iconW > w - 12 && px > 7) f = sansBold(px -= 0.5);
    const double textW = QFontMetricsF(f).horizontalAdvance(text);
    const double shift = pressed ? 1 : 0;
    const double left = (w - textW - iconW) / 2 + shift;
    const QColor fg = pressed ? QColor(232, 196, 140) : QColor(255, 230, 168);
    drawSpeaker(p, QPointF(left, h / 2.0 + shift), icon, fg);
    shadowText(p, QRectF(left + iconW, shift, textW + 2, h), text, f, fg,
               Qt::AlignLeft | Qt::AlignVCenter);
    p.end();
    return img;
}

QImage button(const QString& text, bool pressed, Speaker icon = Speaker::None)
{
    return plate(sz::ImageButton.widthPx(), sz::ImageButton.heightPx(), text, pressed, icon);
}

// A button that cannot be pressed now: its colours drained and its light
// lowered, the shape kept so the table does not change.
QImage unavailable(QImage img)
{
    img = img.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < img.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(img.scanLine(y));
        for (int x = 0; x < img.width(); ++x) {
            const QRgb c = line[x];
            const int grey = qGray(c);
            auto mix = [grey](int v) { return (v * 3 + grey * 7) / 10 * 62 / 100 + 30; };
            line[x] = qRgba(mix(qRed(c)), mix(qGreen(c)), mix(qBlue(c)), qAlpha(c));
        }
    }
    return img;
}

QImage die(int face, bool kept)
{
    QImage img = canvas(sz::Die.widthPx(), sz::Die.heightPx());
    QPainter p(&img);
    drawDie(p, QRectF(1, 0.5, 31.5, 31.5), face, kept);
    p.end();
    return img;
}

}  // namespace

void drawDie(QPainter& p, const QRectF& body, int face, bool kept, bool shadow)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const double radius = body.width() * 0.19;
    if (shadow) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0, 0, 0, 70));
        p.drawRoundedRect(body.translated(1.5, 2.2), radius, radius);
        p.setBrush(QColor(0, 0, 0, 60));
        p.drawRoundedRect(body.translated(0.8, 1.2), radius, radius);
    }
    QLinearGradient g(body.topLeft(), body.bottomRight());
    if (kept) {
        g.setColorAt(0, QColor(255, 222, 140));
        g.setColorAt(1, QColor(218, 138, 46));
    } else {
        g.setColorAt(0, QColor(255, 254, 247));
        g.setColorAt(1, QColor(222, 212, 186));
    }
    p.setPen(QPen(kept ? QColor(128, 70, 18) : QColor(120, 112, 96), 1));
    p.setBrush(g);
    p.drawRoundedRect(body, radius, radius);
    // A glint along the upper left edge.
    p.setPen(QPen(QColor(255, 255, 255, 150), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(body.adjusted(1.2, 1.2, -1.2, -1.2), radius * 0.8, radius * 0.8);

    static const int layout[7][6][2] = {
        {},
        {{1, 1}},
        {{0, 0}, {2, 2}},
        {{0, 0}, {1, 1}, {2, 2}},
        {{0, 0}, {2, 0}, {0, 2}, {2, 2}},
        {{0, 0}, {2, 0}, {1, 1}, {0, 2}, {2, 2}},
        {{0, 0}, {2, 0}, {0, 1}, {2, 1}, {0, 2}, {2, 2}}};
    const double pip = body.width() * (face == 1 ? 0.115 : 0.092);
    const QColor ink = kept ? QColor(92, 28, 8) : QColor(24, 22, 20);
    for (int i = 0; i < face; ++i) {
        QPointF c(body.left() + body.width() * (0.25 + 0.25 * layout[face][i][0]),
                  body.top() + body.height() * (0.25 + 0.25 * layout[face][i][1]));
        // Drilled pips: darker towards the upper left, where the rim shades them.
        QRadialGradient pg(c + QPointF(pip * 0.3, pip * 0.3), pip * 1.2);
        pg.setColorAt(0, ink.lighter(170));
        pg.setColorAt(1, ink);
        p.setPen(Qt::NoPen);
        p.setBrush(pg);
        p.drawEllipse(c, pip, pip);
    }
    p.restore();
}

QImage appIcon()
{
    QImage img = canvas(128, 128);
    QImage felt = canvas(128, 128, Qt::black);
    paintFelt(felt, 909, 0.4);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath round;
    round.addRoundedRect(QRectF(2, 2, 124, 124), 22, 22);
    p.setClipPath(round);
    p.drawImage(0, 0, felt);
    p.setClipping(false);
    drawDie(p, QRectF(22, 20, 84, 84), 5, false);
    p.end();
    return img;
}

// Who plays a seat of the new-game dialog: a person's plate, or a computer's
// in slate blue with a small screen before its strength.
QImage seatPlate(const QString& word, bool computer)
{
    const int w = sz::NewGameSeat1.widthPx(), h = sz::NewGameSeat1.heightPx();
    QImage img = plate(w, h, computer ? "   " + word : word, false, Speaker::None,
                       computer ? QColor(42, 72, 128) : QColor());
    if (!computer) return img;
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const double textW = QFontMetricsF(sansBold(12.5)).horizontalAdvance("   " + word);
    const QPointF at((w - textW) / 2 + 1, h / 2.0 - 5);
    p.setPen(QPen(QColor(255, 230, 168), 1.3));
    p.setBrush(QColor(30, 50, 90));
    p.drawRoundedRect(QRectF(at.x(), at.y(), 13, 9), 1.5, 1.5);
    p.drawLine(at + QPointF(6.5, 9), at + QPointF(6.5, 11.5));
    p.drawLine(at + QPointF(3.5, 11.5), at + QPointF(9.5, 11.5));
    p.end();
    return img;
}

void addTablePictures(PictureSet& set)
{
    set["seatperson.jpg"] = {seatPlate(word(QT_TRANSLATE_NOOP("Pictures", "Person")), false), {}};
    set["seateasy.jpg"] = {seatPlate(word(QT_TRANSLATE_NOOP("Pictures", "Easy")), true), {}};
    set["seatmedium.jpg"] = {seatPlate(word(QT_TRANSLATE_NOOP("Pictures", "Medium")), true), {}};
    set["seathard.jpg"] = {seatPlate(word(QT_TRANSLATE_NOOP("Pictures", "Hard")), true), {}};
    set["paceslow.jpg"] = {seatPlate(word(QT_TRANSLATE_NOOP("Pictures", "Slow")), false), {}};
    set["pacenormal.jpg"] = {seatPlate(word(QT_TRANSLATE_NOOP("Pictures", "Normal")), false), {}};
    set["pacefast.jpg"] = {seatPlate(word(QT_TRANSLATE_NOOP("Pictures", "Fast")), false), {}};
    set["paceinstant.jpg"] = {seatPlate(word(QT_TRANSLATE_NOOP("Pictures", "Instant")), false), {}};
    set["bgnd.jpg"] = {background(), {}};
    set["paper.jpg"] = {paper(), {}};
    set["nextplayer.jpg"] = {nextPlayer(), {}};

    struct Command { const char* file; const char* word; };
    for (Command c : {Command{"roll", QT_TRANSLATE_NOOP("Pictures", "Roll")}, Command{"newgame", QT_TRANSLATE_NOOP("Pictures", "New Game")},
                      Command{"scores", QT_TRANSLATE_NOOP("Pictures", "High Scores")}, Command{"help", QT_TRANSLATE_NOOP("Pictures", "Help")},
                      Command{"confirm", QT_TRANSLATE_NOOP("Pictures", "Confirm")}, Command{"cancel", QT_TRANSLATE_NOOP("Pictures", "Cancel")},
                      Command{"done", QT_TRANSLATE_NOOP("Pictures", "Done")}, Command{"hint", QT_TRANSLATE_NOOP("Pictures", "Hint")},
                      Command{"review", QT_TRANSLATE_NOOP("Pictures", "Review")}}) {
        set[std::string(c.file) + "up.jpg"] = {button(word(c.word), false), {}};
        set[std::string(c.file) + "dn.jpg"] = {button(word(c.word), true), {}};
    }
    set["rolloff.jpg"] = {unavailable(button(word(QT_TRANSLATE_NOOP("Pictures", "Roll")), false)), {}};
    set["soundup.jpg"] = {button(word(QT_TRANSLATE_NOOP("Pictures", "Sound On")), false, Speaker::On), {}};
    set["soundoffup.jpg"] = {button(word(QT_TRANSLATE_NOOP("Pictures", "Sound Off")), false, Speaker::Off), {}};
    set["sounddn.jpg"] = {button(word(QT_TRANSLATE_NOOP("Pictures", "Sound")), true, Speaker::Neutral), {}};
    const int rw = sz::ResetButton.widthPx(), rh = sz::ResetButton.heightPx();
    set["resetup.jpg"] = {plate(rw, rh, word(QT_TRANSLATE_NOOP("Pictures", "Reset")), false), {}};
    set["resetdn.jpg"] = {plate(rw, rh, word(QT_TRANSLATE_NOOP("Pictures", "Reset")), true), {}};

    // Dice sit on the tray; their soft edges and shadow are blended into it.
    for (int face = 1; face <= 6; ++face) {
        set["die" + std::to_string(face) + ".gif"] = {die(face, false), {40, colour::Tray}};
        set["seldie" + std::to_string(face) + ".gif"] = {die(face, true), {40, colour::Tray}};
    }
    addMarkPictures(set);
}

}  // namespace ag
