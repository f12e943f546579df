#pragma once
// The game's own words and file names, in one place.

#include <array>
#include <string_view>

#include "Translatable.h"

namespace rp::text {

inline constexpr std::string_view CrLf = "\r\n";

// Each row's caption; the windows show it in the player's language.
inline constexpr std::array<std::string_view, 20> RowCaptions = {
    QT_TRANSLATE_NOOP("Card", "Ones"),
    QT_TRANSLATE_NOOP("Card", "Twos"),
    QT_TRANSLATE_NOOP("Card", "Threes"),
    QT_TRANSLATE_NOOP("Card", "Fours"),
    QT_TRANSLATE_NOOP("Card", "Fives"),
    QT_TRANSLATE_NOOP("Card", "Sixes"),
    QT_TRANSLATE_NOOP("Card", "Sub Total"),
    QT_TRANSLATE_NOOP("Card", "Bonus (if 63)  35pts"),
    QT_TRANSLATE_NOOP("Card", "Upper Total"),
    QT_TRANSLATE_NOOP("Card", "3 of a kind"),
    QT_TRANSLATE_NOOP("Card", "4 of a kind"),
    QT_TRANSLATE_NOOP("Card", "Full House"),
    QT_TRANSLATE_NOOP("Card", "Small Straight"),
    QT_TRANSLATE_NOOP("Card", "Large Straight"),
    QT_TRANSLATE_NOOP("Card", "Pentaro"),
    QT_TRANSLATE_NOOP("Card", "Chance"),
    QT_TRANSLATE_NOOP("Card", "Lower Total"),
    QT_TRANSLATE_NOOP("Card", "Upper Total"),
    QT_TRANSLATE_NOOP("Card", "Lower Total"),
    QT_TRANSLATE_NOOP("Card", "Score")};

// Refusals of the five-of-a-kind rule.
inline constexpr std::string_view UpperRefusedOneColumn = QT_TRANSLATE_NOOP("Messages", "You must use a\r\na Pentaro box\r\nfirst");
inline constexpr std::string_view UpperRefused = QT_TRANSLATE_NOOP("Messages", "One Pentaro in each\r\ncolumn must be\r\nused first.");
inline constexpr std::string_view LowerRefusedOneColumn =
    QT_TRANSLATE_NOOP("Messages", "Wildcard denied:\r\nUpper section\r\nnumber not used");
inline constexpr std::string_view LowerRefused =
    QT_TRANSLATE_NOOP("Messages", "Wildcard denied:\r\nAll like numbers not\r\nused in upper section");

// The settings name a language the game does not speak.
inline constexpr std::string_view UnknownLanguage =
    QT_TRANSLATE_NOOP("Messages", "The language setting\r\nis unknown: the\r\ndesktop's is used.");

inline constexpr std::string_view ConfirmNewGame = QT_TRANSLATE_NOOP("Messages", "The Current Game\r\nWill Be Lost");
inline constexpr std::string_view ConfirmReset = QT_TRANSLATE_NOOP("Messages", "You Are About To\r\nReset The High Scores");

// The high-score tables of a new store, and those of the reset button.
inline constexpr std::array<std::string_view, 6> FirstStartNames = {"Vessa", "Jebbo", "Sorla",
                                                                     "Nuvia", "Kuko",  "Wiffo"};
inline constexpr std::array<std::string_view, 6> ResetNamesA = {"Pewlin", "Jebbo", "Sorla",
                                                                 "Nuvia",  "Kuko",  "Wiffo"};
inline constexpr std::array<std::string_view, 6> ResetNamesB = {"Dallox", "Elsra", "Quorinth",
                                                                 "Dallox", "Tazzo", "Dud Ove"};
inline constexpr int DefaultScore = 7;

}  // namespace rp::text

namespace rp::file {

inline constexpr std::array<std::string_view, 7> DieFace = {
    "", "die1.gif", "die2.gif", "die3.gif", "die4.gif", "die5.gif", "die6.gif"};
inline constexpr std::array<std::string_view, 7> KeptDieFace = {
    "", "seldie1.gif", "seldie2.gif", "seldie3.gif", "seldie4.gif", "seldie5.gif", "seldie6.gif"};
inline constexpr std::array<std::string_view, 4> Chip = {"", "100chip.gif", "200chip.gif",
                                                         "300chip.gif"};

inline constexpr std::string_view ButtonSound = "button.wav";
inline constexpr std::string_view DiceSound = "dice4.wav";
inline constexpr std::string_view WhooshSound = "whoosh.wav";
inline constexpr std::string_view PopSound = "pop.wav";
inline constexpr std::string_view NoLabelSound = "nolabel.wav";
inline constexpr std::string_view ErrorSound = "error.wav";
inline constexpr std::string_view ClapSound = "clap.wav";
inline constexpr std::string_view SplashSound = "splash.wav";
inline constexpr std::string_view QuitSound = "quit.wav";
inline constexpr std::string_view EndGameSound = "endgame.wav";
inline constexpr std::string_view NewHighSound = "newhigh.wav";

}  // namespace rp::file
