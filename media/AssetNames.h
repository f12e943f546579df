#pragma once
// Every picture and sound the game loads, by file name within the images and
// sounds folders beside the program. The start-up check, the asset generator
// and the tests all read this one list.

#include <array>
#include <string>
#include <string_view>

namespace rp::assets {

inline constexpr std::array<std::string_view, 63> Pictures = {
    "bgnd.jpg",        "paper.jpg",        "nextplayer.jpg",   "rollup.jpg",
    "rolldn.jpg",      "newgameup.jpg",    "newgamedn.jpg",    "scoresup.jpg",
    "scoresdn.jpg",    "helpup.jpg",       "helpdn.jpg",       "soundup.jpg",
    "soundoffup.jpg",  "sounddn.jpg",      "die1.gif",         "die2.gif",
    "die3.gif",        "die4.gif",         "die5.gif",         "die6.gif",
    "seldie1.gif",     "seldie2.gif",      "seldie3.gif",      "seldie4.gif",
    "seldie5.gif",     "seldie6.gif",      "100chip.gif",      "200chip.gif",
    "300chip.gif",     "pentaro1.jpg",     "pentaro2.jpg",     "splash.jpg",
    "messagebox.jpg",  "messageboxlarge.jpg", "confirmup.jpg", "confirmdn.jpg",
    "cancelup.jpg",    "canceldn.jpg",     "doneup.jpg",       "donedn.jpg",
    "resetup.jpg",     "resetdn.jpg",      "newgamebgnd.jpg",  "check.gif",
    "scoresbgnd.jpg",  "endgamebgnd.jpg",  "endgamewin.jpg",   "leftflash.jpg",
    "rightflash.jpg",  "scorescheckbgnd.jpg", "hintup.jpg",      "hintdn.jpg",
    "seatperson.jpg",  "seateasy.jpg",     "seatmedium.jpg",   "seathard.jpg",
    "paceslow.jpg",    "pacenormal.jpg",   "pacefast.jpg",     "reviewup.jpg",
    "reviewdn.jpg",   "rolloff.jpg",      "paceinstant.jpg"};

inline constexpr std::array<std::string_view, 11> Sounds = {
    "button.wav", "dice4.wav",  "whoosh.wav", "pop.wav",     "nolabel.wav", "error.wav",
    "clap.wav",   "splash.wav", "quit.wav",   "endgame.wav", "newhigh.wav"};

inline constexpr std::string_view HelpFile = "readme.txt";

// Each picture also comes drawn at twice the pixels, for screens with two
// device pixels to a logical one: "die1.gif" -> "die1@2x.gif".
inline std::string hiDpiName(std::string_view picture) {
    const auto dot = picture.rfind('.');
    if (dot == std::string_view::npos) return std::string(picture) + "@2x";
    return std::string(picture.substr(0, dot)) + "@2x" + std::string(picture.substr(dot));
}

}  // namespace rp::assets
