#pragma once

#include <QString>

namespace ag {

// Synthesises every sound of the game into dir (the sounds folder).
void writeSounds(const QString& dir);

}  // namespace ag
