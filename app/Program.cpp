#include "Words.h"
#include "Program.h"

#include <QCoreApplication>
#include <QEvent>
#include <QFont>
#include <QGuiApplication>
#include <QMessageBox>
#include <QScreen>
#include <QTimer>
#include <cstdio>
#ifdef __GLIBC__
#include <malloc.h>
#endif
#include <random>

#include "GameKeeper.h"
#include "GameWindows.h"
#include "RandomDice.h"
#include "TableComputer.h"
#include "TableHelpers.h"
#include "TableHint.h"
#include "TableLabel.h"
#include "TableUndo.h"
#include "TableZoom.h"
#include "Zoom.h"
#include "frmMain.h"
#include "frmResumeGame.h"
#include "frmReview.h"
#include "frmSplash.h"

namespace rp {

Program::Program(ProgramParts parts)
    : pictures(imagesFolder(parts.root)),
      sound(state.SoundOn, soundsFolder(parts.root), std::move(parts.soundBackend)),
      windows({state, pictures, sound}),
      services(windows, sound),
      table(windows),
      board(windows),
      store(parts.settingsPath),
      gameFile(parts.gamePath.isEmpty() ? GameFile::pathBeside(parts.settingsPath) : parts.gamePath),
      logic(state, table, services, board, store, parts.dice ? std::move(parts.dice) : randomDice()),
      advisor((parts.root + QStringLiteral("/advisor.bin")).toStdString()),
      translations(parts.root + QStringLiteral("/translations")),
      opponentSeed_(parts.opponentSeed ? parts.opponentSeed : std::random_device{}()) {
    chooseStartLanguage();
    pictures.adopt(std::move(parts.splash));
    installAccessibleControls();
    defineGameWindows(windows, logic, {seats, store, [this](const QString& code) { chooseLanguage(code); }},
                      [this] { return advisor.startValue(); });
    windows.define<frmResumeGame>();
    // Computers have no review: their cost is known.
    defineReviewWindow(windows, {&moves, [this](std::string& error) { return advisor.get(error); },
                                 [this](int p) { return !seats.isComputer(p); }});
    windows.define(frmMain::Name, [this](Windows& ws) {
        auto* main = new frmMain(ws, logic);
        new TableHint(*main, [this](std::string& error) { return advisor.get(error); }, seats);
        main->setMoveLog(&moves);
        new TableZoom(*main, ws);
        auto* undo = new TableUndo(*main, logic, seats);
        new GameKeeper(ws, *main, logic, seats, *undo, gameFile, moves);
        new TableComputer(*main, seats, [this](int p, std::string& error) { return opponent(p, error); });
        installTableHelpers(*main, store);
        main->installEventFilter(this);  // settings trouble is told once it shows
        return main;
    });
    windows.setOnZoomChosen([this](int percent) {
        store.write("Params", "Zoom", std::to_string(percent));
        store.flush();
    });
    // The high-score tables record people playing unaided.
    logic.setHighScoreGate([this](int p) { return !seats.isComputer(p) && !seats.hintUsed(p); });
    services.onNotice = [this](std::string_view text) {
        if (auto* main = windows.find<frmMain>())
            main->announce(translate("Messages", text)
                               .replace(QStringLiteral("\r\n"), QStringLiteral(" ")));
    };
    // Told where the player looks, once the table is there to look at.
    store.setTroubleListener([this](std::string_view text) {
        untold_.emplace_back(text);
        QTimer::singleShot(0, &windows, [this] { tellTrouble(); });
    });
}

// The windows go first, while everything they hold on to is still there:
// whatever a window does as it closes finds the rules, the files and the
// record of moves alive.
Program::~Program() { windows.destroyAll(); }

void Program::tellTrouble() {
    auto* main = windows.find<frmMain>();
    if (!main || !main->isVisible()) return;
    while (!untold_.empty()) {
        state.MessageText = untold_.front();
        untold_.erase(untold_.begin());
        services.showMessage();
    }
}

namespace {

// Japanese (and Chinese or Korean) glyphs the table's fonts lack come from
// Noto CJK (fonts-noto-cjk) when it is installed; without it, from whatever
// the desktop falls back to.
void nameFontFallbacks() {
    for (const char* family : {"Times New Roman", "Liberation Serif"})
        QFont::insertSubstitution(QString::fromLatin1(family), QStringLiteral("Noto Serif CJK JP"));
    for (const char* family : {"Arial", "Liberation Sans", "DejaVu Sans"})
        QFont::insertSubstitution(QString::fromLatin1(family), QStringLiteral("Noto Sans CJK JP"));
}

}  // namespace

void Program::chooseStartLanguage() {
    nameFontFallbacks();
    const std::string stored = store.read("Params", "Language");
    const auto chosen = language::parse(stored);
    if (!chosen) {
        std::fprintf(stderr, "Real Pentaro: the language \"%s\" in the settings is unknown; the desktop's is used\n",
                     stored.c_str());
        untold_.emplace_back(text::UnknownLanguage);
    }
    const QString code = chosen && !chosen->isEmpty() ? *chosen : language::desktop();
    translations.apply(code);
    pictures.setLanguage(translations.current());
    // No window is there yet to be told.
    QCoreApplication::removePostedEvents(nullptr, QEvent::LanguageChange);
}

void Program::chooseLanguage(const QString& code) {
    store.write("Params", "Language", code.toStdString());
    store.flush();
    translations.apply(code.isEmpty() ? language::desktop() : code);
    pictures.setLanguage(translations.current());
    windows.retranslate();
}

void Program::chooseStartZoom() {
    // The player's choice, else the largest step that fits the screen well.
    if (const auto chosen = zoom::parse(store.read("Params", "Zoom"))) {
        windows.setZoom(*chosen);
        return;
    }
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (screen) windows.setZoom(zoom::automatic(size::MainClient.heightPx(), screen->availableGeometry().height()));
}

bool Program::start() {
    chooseStartZoom();
    // Shown first, its picture scaled to the zoom after, still before its
    // first paint: scaling it beside the window's making held the window up
    // longer than it saved. The picture itself has been decoded since the
    // program's first moment (EarlySplash). Without the file at all, no
    // window shows.
    if (pictures.has("splash.jpg")) windows.show<frmSplash>();
    if (pictures.get("splash.jpg").isNull()) {
        windows.setOnLastUnloaded({});
        windows.unload(QStringLiteral("frmSplash"));
        reportBadPictures({QStringLiteral("cannot decode picture: %1").arg(pictures.path("splash.jpg"))});
        return false;
    }
    // Once the splash is painted, so on screen: its three seconds are time
    // enough for the rest. A turn of the event loop is not: the window may
    // not have reached the display yet. Should no paint come, soon anyway.
    windows.find<frmSplash>()->installEventFilter(this);
    QTimer::singleShot(500, &windows, [this] { finishStart(); });
    return true;
}

bool Program::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Show && watched == windows.find<frmMain>()) {
        if (!untold_.empty()) QTimer::singleShot(0, &windows, [this] { tellTrouble(); });
        return false;
    }
    if (event->type() == QEvent::Paint && watched == windows.find<frmSplash>()) {
        watched->removeEventFilter(this);
        QTimer::singleShot(0, &windows, [this] { finishStart(); });
    }
    return false;
}

void Program::finishStart() {
    if (started_) return;
    started_ = true;
    windows.load(QStringLiteral("frmHighScores"));
    sound.start();
    const QStringList bad = pictures.loadAll();
    returnFreedMemory();
    if (bad.isEmpty()) return;
    // No window may go on to a game drawn with holes in it.
    windows.setOnLastUnloaded({});
    for (const char* name : {"frmSplash", "frmHighScores"}) windows.unload(QString::fromLatin1(name));
    reportBadPictures(bad);
    QCoreApplication::exit(1);
}

// Decoding every picture leaves the heap with megabytes of freed scratch
// space; give it back to the system rather than carry it for the game.
void Program::returnFreedMemory() {
#ifdef __GLIBC__
    malloc_trim(0);
#endif
}

void Program::terminate() {
    logic.SaveSettings();
    QCoreApplication::exit(0);
}

advisor::Opponent* Program::opponent(int player, std::string& error) {
    if (player < 1 || player > MaxPlayers || !seats.isComputer(player)) return nullptr;
    const advisor::SolvedTable* solved = advisor.get(error);
    if (!solved) return nullptr;
    auto& made = opponents_.at(player);
    if (!made || opponentKinds_.at(player) != seats.kind(player)) {
        const SeatKind kind = seats.kind(player);
        const auto level = kind == SeatKind::Easy     ? advisor::Level::Easy
                           : kind == SeatKind::Medium ? advisor::Level::Medium
                                                      : advisor::Level::Hard;
        made = std::make_unique<advisor::Opponent>(*solved, level, opponentSeed_ + static_cast<unsigned>(player));
        opponentKinds_.at(player) = kind;
    }
    return made.get();
}

void Program::reportBadPictures(const QStringList& bad) {
    for (const QString& line : bad) std::fprintf(stderr, "Real Pentaro: %s\n", qPrintable(line));
    std::fprintf(stderr, "Real Pentaro: pictures are looked for in %s\n", qPrintable(pictures.folder()));
    // Nobody could dismiss a window on the offscreen platform.
    if (QGuiApplication::platformName() != QLatin1String("offscreen"))
        QMessageBox::critical(nullptr, translate("Start", "Real Pentaro"),
                              translate("Start", "Real Pentaro cannot start: pictures are missing or "
                                                  "broken.\n\n%1\n\nLooked in: %2")
                                  .arg(bad.join(u'\n'), pictures.folder()));
}

}  // namespace rp
