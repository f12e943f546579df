#pragma once
// Words drawn into pictures, marked for the translators' tools: the
// generator draws the English set, then a set per language with the
// game's translations loaded.

#include <QCoreApplication>
#include <QString>

namespace ag {

inline QString word(const char* source) { return QCoreApplication::translate("Pictures", source); }

}  // namespace ag
