// Every picture the game loads: present, of its real format, at the size of
// the control that shows it, with its @2x artwork beside it, and looking the
// way the play relies on.

#include "AssetFiles.h"
#include "AssetNames.h"
#include "Sizes.h"

#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QImageReader>
#include <QRegularExpression>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <map>
#include <string>
#include <vector>

using namespace rptest;
namespace sz = rp::size;

namespace {

QSize sizeOf(const sz::Box& b) { return {b.widthPx(), b.heightPx()}; }

// Pictures shown at exactly their own size.
std::map<std::string, QSize> exactSizes()
{
    std::map<std::string, QSize> m = {
        {"resetup.jpg", sizeOf(sz::ResetButton)},      {"resetdn.jpg", sizeOf(sz::ResetButton)},
        {"bgnd.jpg", sizeOf(sz::MainClient)},          {"nextplayer.jpg", sizeOf(sz::NextPlayer)},
        {"pentaro1.jpg", sizeOf(sz::Celebration)},     {"pentaro2.jpg", sizeOf(sz::Celebration)},
        {"messagebox.jpg", sizeOf(sz::MessageWindow)}, {"messageboxlarge.jpg", sizeOf(sz::ConfirmWindow)},
        {"newgamebgnd.jpg", sizeOf(sz::NewGameWindow)}, {"check.gif", sizeOf(sz::Check)},
        {"scoresbgnd.jpg", sizeOf(sz::ScoresWindow)},  {"scorescheckbgnd.jpg", sizeOf(sz::ScoresCheckWindow)},
        {"endgamebgnd.jpg", sizeOf(sz::EndGameWindow)}, {"endgamewin.jpg", sizeOf(sz::EndGameWindow)},
        {"leftflash.jpg", sizeOf(sz::EndGameFlashLeft.box())},
        {"rightflash.jpg", sizeOf(sz::EndGameFlashRight.box())},
        // One picture for both windows: the wider closing window's size.
        {"splash.jpg", sizeOf(sz::ExitWindow)}, {"soundoffup.jpg", sizeOf(sz::ImageButton)},
        {"rolloff.jpg", sizeOf(sz::ImageButton)}};
    for (const char* cmd : {"roll", "newgame", "scores", "help", "sound", "confirm", "cancel", "done", "hint",
                            "review"})
        m[std::string(cmd) + "up.jpg"] = m[std::string(cmd) + "dn.jpg"] = sizeOf(sz::ImageButton);
    for (const char* seat : {"seatperson", "seateasy", "seatmedium", "seathard", "paceslow", "pacenormal", "pacefast",
                             "paceinstant"})
        m[std::string(seat) + ".jpg"] = sizeOf(sz::NewGameSeat1.box());
    for (int f = 1; f <= 6; ++f)
        m["die" + std::to_string(f) + ".gif"] = m["seldie" + std::to_string(f) + ".gif"] = sizeOf(sz::Die);
    return m;
}

// Pictures scaled to their control: drawn at a whole multiple of it.
const std::map<std::string, sz::Box> scaledPictures = {
    {"paper.jpg", sz::Paper}, {"100chip.gif", sz::Chip}, {"200chip.gif", sz::Chip}, {"300chip.gif", sz::Chip}};

QImage load(std::string_view name)
{
    return QImage(imagePath(name)).convertToFormat(QImage::Format_ARGB32);
}

// How far two pictures of the same size differ, seen from arm's length:
// both shrunk to blocks of about 8 x 8 pixels, the largest channel
// difference of any block. Grain and sharper edges average out; anything
// drawn in another place or size does not.
int coarseDifference(const QImage& a, const QImage& b)
{
    const QSize blocks(std::max(1, a.width() / 8), std::max(1, a.height() / 8));
    // Premultiplied, so the colour hidden under a transparent pixel counts for nothing.
    auto shrink = [&](const QImage& img) {
        return img.convertToFormat(QImage::Format_ARGB32_Premultiplied)
            .scaled(blocks, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    };
    const QImage sa = shrink(a), sb = shrink(b);
    int worst = 0;
    for (int y = 0; y < blocks.height(); ++y)
        for (int x = 0; x < blocks.width(); ++x) {
            const QRgb p = sa.pixel(x, y), q = sb.pixel(x, y);
            for (int d : {qRed(p) - qRed(q), qGreen(p) - qGreen(q), qBlue(p) - qBlue(q), qAlpha(p) - qAlpha(q)})
                worst = std::max(worst, std::abs(d));
        }
    return worst;
}

double meanLuma(const QImage& img)
{
    double sum = 0;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) sum += qGray(img.pixel(x, y));
    return sum / (img.width() * img.height());
}

}  // namespace

TEST(Pictures, EveryListedPictureIsARealFileAtItsControlSize)
{
    const auto exact = exactSizes();
    for (std::string_view name : rp::assets::Pictures) {
        SCOPED_TRACE(std::string(name));
        const QString path = imagePath(name);
        const bool gif = name.ends_with(".gif");
        QImageReader reader(path);
        EXPECT_EQ(reader.format(), gif ? QByteArray("gif") : QByteArray("jpeg"));
        const QImage img = reader.read();
        ASSERT_FALSE(img.isNull()) << reader.errorString().toStdString();
        // The game reads its files as any user; giflib makes them private.
        EXPECT_TRUE(QFileInfo(path).permissions() & QFileDevice::ReadOther);

        const std::string key(name);
        if (auto it = exact.find(key); it != exact.end()) {
            EXPECT_EQ(img.size(), it->second);
        } else {
            auto sc = scaledPictures.find(key);
            ASSERT_NE(sc, scaledPictures.end()) << "no size known for this picture";
            const int k = img.width() / sc->second.widthPx();
            EXPECT_GE(k, 1);
            EXPECT_EQ(img.size(), QSize(sc->second.widthPx() * k, sc->second.heightPx() * k));
        }

        // The @2x artwork: same format, twice the pixels, the same picture
        // with everything in its place.
        const std::string hiName = rp::assets::hiDpiName(name);
        QImageReader hiReader(imagePath(hiName));
        EXPECT_EQ(hiReader.format(), gif ? QByteArray("gif") : QByteArray("jpeg"));
        const QImage hi = hiReader.read().convertToFormat(QImage::Format_ARGB32);
        ASSERT_EQ(hi.size(), img.size() * 2) << hiName;
        EXPECT_TRUE(QFileInfo(imagePath(hiName)).permissions() & QFileDevice::ReadOther);
        const QImage shrunk = hi.scaled(img.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        EXPECT_LE(coarseDifference(shrunk, img.convertToFormat(QImage::Format_ARGB32)), 40) << hiName;
    }
}

// Cut-out dice, chips and check; kept dice warm and rolling ones told apart
// by their pips; pressed buttons sunk; the paired pictures really differ.
TEST(Pictures, LookTheWayThePlayReliesOn)
{
    for (std::string_view name : rp::assets::Pictures) {
        const QImage img = load(name);
        EXPECT_TRUE(!name.ends_with(".gif") || qAlpha(img.pixel(0, 0)) + qAlpha(img.pixel(img.width() - 1, 0)) == 0)
            << name;
    }
    for (const char* name : {"die3.gif", "seldie3.gif", "200chip.gif"}) {
        const QImage img = load(name);
        EXPECT_EQ(qAlpha(img.pixel(img.width() / 2, img.height() / 2)), 255) << name;
    }
    for (int f = 1; f <= 6; ++f) {
        const QImage rolling = load("die" + std::to_string(f) + ".gif");
        const QImage kept = load("seldie" + std::to_string(f) + ".gif");
        const QRgb r = rolling.pixel(17, 5), k = kept.pixel(17, 5);  // bare face between the top pips
        EXPECT_GT(qRed(k) - qBlue(k), qRed(r) - qBlue(r) + 60) << "face " << f;
        // More pips, more dark pixels.
        EXPECT_TRUE(f == 1 || meanLuma(rolling) < meanLuma(load("die" + std::to_string(f - 1) + ".gif"))) << f;
    }
    for (const char* cmd : {"roll", "newgame", "scores", "help", "sound", "confirm", "cancel", "done", "reset"}) {
        const QImage u = load(std::string(cmd) + "up.jpg"), d = load(std::string(cmd) + "dn.jpg");
        // The sunk plate is darker at its top, where the raised one is lit.
        EXPECT_LT(meanLuma(d.copy(0, 0, d.width(), d.height() / 3)),
                  meanLuma(u.copy(0, 0, u.width(), u.height() / 3)) - 10) << cmd;
    }
    for (auto [a, b] : {std::pair{"soundup.jpg", "soundoffup.jpg"}, {"pentaro1.jpg", "pentaro2.jpg"},
                        {"endgamebgnd.jpg", "endgamewin.jpg"}})
        EXPECT_NE(readAll(imagePath(a)), readAll(imagePath(b))) << a;
}

TEST(Pictures, DialogControlsFitTheirWindowsWithoutOverlapping)
{
    auto inside = [](const sz::Rect& r, const sz::Box& w) {
        return r.left >= 0 && r.top >= 0 && r.left + r.width <= w.width && r.top + r.height <= w.height;
    };
    auto apart = [](const sz::Rect& a, const sz::Rect& b) {
        return a.left + a.width <= b.left || b.left + b.width <= a.left || a.top + a.height <= b.top ||
               b.top + b.height <= a.top;
    };
    auto row = [](sz::Rect r, int i, int step) { return r.top += i * step, r; };

    // Four player rows, then the game types, then the done button.
    std::vector<sz::Rect> newGame = {sz::NewGameTypeCheck1, sz::NewGameTypeCheck2, sz::NewGameDone,
                                     sz::NewGamePace};
    for (int i = 0; i < 4; ++i) {
        newGame.push_back(row(sz::NewGamePlayerCheck1, i, sz::NewGameRowStep));
        newGame.push_back(row(sz::NewGameNameBox1, i, sz::NewGameRowStep));
        newGame.push_back(row(sz::NewGameSeat1, i, sz::NewGameRowStep));
    }
    std::vector<sz::Rect> scores = {sz::ScoresReset, sz::ScoresDone};
    for (int i = 0; i < 6; ++i)
        for (const sz::Rect& r : {sz::ScoresNameA1, sz::ScoresScoreA1, sz::ScoresNameB1, sz::ScoresScoreB1})
            scores.push_back(row(r, i, sz::ScoresRowStep));
    const std::vector<sz::Rect> confirm = {sz::ConfirmMessage, sz::ConfirmButton, sz::CancelButton};
    const std::vector<sz::Rect> endGame = {sz::EndGameFlashLeft, sz::EndGameFlashRight, sz::EndGameDone,
                                           sz::EndGameReview};
    const std::vector<sz::Rect> check = {sz::ScoresCheckPaper, sz::ScoresCheckDone, sz::ScoresCheckReview};

    const std::pair<const std::vector<sz::Rect>*, sz::Box> windows[] = {
        {&newGame, sz::NewGameWindow}, {&scores, sz::ScoresWindow}, {&confirm, sz::ConfirmWindow},
        {&endGame, sz::EndGameWindow}, {&check, sz::ScoresCheckWindow}};
    for (auto [rects, box] : windows)
        for (std::size_t i = 0; i < rects->size(); ++i) {
            const sz::Rect& r = (*rects)[i];
            EXPECT_TRUE(inside(r, box)) << "control " << i << " at " << r.left << "," << r.top;
            // Whole pixels, so the picture's texts and the control line up.
            for (int v : {r.left, r.top, r.width, r.height}) EXPECT_EQ(v % rp::TwipsPerPixel, 0);
            for (std::size_t j = i + 1; j < rects->size(); ++j)
                EXPECT_TRUE(apart(r, (*rects)[j])) << "controls " << i << " and " << j << " overlap";
        }
    // Buttons keep the size their pictures are drawn at.
    for (const sz::Rect& b : {sz::NewGameDone, sz::ScoresDone, sz::ConfirmButton, sz::CancelButton,
                              sz::EndGameDone, sz::ScoresCheckDone, sz::EndGameReview, sz::ScoresCheckReview})
        EXPECT_TRUE(b.width == sz::ImageButton.width && b.height == sz::ImageButton.height) << b.left;
    EXPECT_EQ(sz::ScoresReset.box().width, sz::ResetButton.width);
    EXPECT_GE(sz::EndGameBodyTop, sz::EndGameFlashLeft.top + sz::EndGameFlashLeft.height);
}
