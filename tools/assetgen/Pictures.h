#pragma once
// Every picture of the game, drawn in memory and keyed by file name.

#include "GifWriter.h"

#include <QImage>
#include <QRectF>
#include <QString>
#include <map>
#include <string>

class QPainter;

namespace ag {

struct Picture {
    QImage image;
    GifOptions gif;  // used for .gif names only
};
using PictureSet = std::map<std::string, Picture>;

// The main table: background, paper, dice, chips, buttons, next-player sign.
void addTablePictures(PictureSet& set);
// Chips and the check mark (part of the table's set).
void addMarkPictures(PictureSet& set);
// The other windows: dialogs, celebration, splash, end of game.
void addWindowPictures(PictureSet& set);
// The program's icon (PNG, not in the game's list).
QImage appIcon();

// Shared with the splash and the icon: one die, its body filling body.
void drawDie(QPainter& p, const QRectF& body, int face, bool kept, bool shadow = true);

}  // namespace ag
