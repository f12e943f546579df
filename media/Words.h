#pragma once
// Every word a player reads or hears comes through here, in the language
// chosen: the English of the code is the source text, the contexts are the
// windows and the few things many windows share ("Card", "Rules").

#include <QCoreApplication>
#include <QLocale>
#include <QString>
#include <string>
#include <string_view>

#include "Texts.h"

namespace rp {

// A call lupdate finds by its name: translate("Context", "source"). With a
// count n, "%n" is the count and the source writes English plurals as
// "player(s)": untranslated, that reads "1 player" and "2 players".
inline QString translate(const char* context, const char* source, const char* comment = nullptr, int n = -1) {
    QString text = QCoreApplication::translate(context, source, comment, n);
    if (n >= 0 && text == QString::fromUtf8(source).replace(QLatin1String("%n"), QString::number(n)))
        text.replace(QLatin1String("(s)"), n == 1 ? QString() : QStringLiteral("s"));
    return text;
}

// A text the rules or the advisor hand up, marked where it is written.
inline QString translate(const char* context, std::string_view source) {
    return QCoreApplication::translate(context, std::string(source).c_str());
}

// A number with decimals as the player's language writes it ("263,7" in
// German); the default locale is the language chosen, without grouping.
inline QString decimal(double value, int places) { return QLocale().toString(value, 'f', places); }

// A row's caption of the score card, 1-based.
inline QString rowCaption(int row) { return translate("Card", text::RowCaptions[static_cast<std::size_t>(row - 1)]); }

}  // namespace rp
