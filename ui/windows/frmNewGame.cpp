#include "Words.h"
#include "frmNewGame.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QTimer>
#include <cstdio>

#include "ClickableLabel.h"
#include "ImageButton.h"
#include "Language.h"
#include "Layout.h"
#include "Texts.h"
#include "SeatSettings.h"
#include "WindowAccessibility.h"
#include "WindowFonts.h"

namespace rp {

namespace {
constexpr int NameLimit = 10;  // what a name box of the layout holds

// A seat turned over to the computer gets a name of its own while its box
// still holds the design text.
constexpr const char* ComputerNames[] = {"", "Ada", "Bo", "Eva", "Kai"};
constexpr const char* SeatPictures[] = {"seatperson.jpg", "seateasy.jpg", "seatmedium.jpg", "seathard.jpg"};
constexpr const char* SeatWords[] = {QT_TRANSLATE_NOOP("NewGame", "Person"), QT_TRANSLATE_NOOP("NewGame", "Computer, Easy"),
                                     QT_TRANSLATE_NOOP("NewGame", "Computer, Medium"), QT_TRANSLATE_NOOP("NewGame", "Computer, Hard")};
constexpr const char* PaceWords[] = {QT_TRANSLATE_NOOP("NewGame", "Slow"), QT_TRANSLATE_NOOP("NewGame", "Normal"),
                                     QT_TRANSLATE_NOOP("NewGame", "Fast"),
                                     QT_TRANSLATE_NOOP("NewGame", "Instant")};
constexpr const char* PacePictures[] = {"paceslow.jpg", "pacenormal.jpg", "pacefast.jpg", "paceinstant.jpg"};

// As the name box holds it.
QString designName(int i) { return translate("NewGame", "Player %1").arg(i).left(NameLimit); }

// The language control's caption: the language in its own words, or the
// desktop's, followed.
QString languageCaption(const QString& chosen) {
    return chosen.isEmpty()
               ? translate("NewGame", "Language: as the desktop (%1)").arg(language::nativeName(language::desktop()))
               : translate("NewGame", "Language: %1").arg(language::nativeName(chosen));
}
QString languageTip() { return translate("NewGame", "The game's language: press to change (Space)"); }

// What Params/Language holds, "" when it follows the desktop or is unknown.
QString storedLanguage(SettingsStore& store) { return language::parse(store.read("Params", "Language")).value_or(QString()); }
}

frmNewGame::frmNewGame(Windows& windows, mdlLogic& logic, Seats& seats, SettingsStore& store)
    : Window(windows, Name, size::NewGameWindow, Placement::OnMainWindow), logic_(logic), seats_(seats), store_(store) {
    say([this] { setWindowTitle(translate("NewGame", "New Game")); });

    const auto& c1 = size::NewGamePlayerCheck1;
    const auto& n1 = size::NewGameNameBox1;
    QWidget* previous = nullptr;
    auto chain = [&previous](QWidget* w) {
        if (previous) setTabOrder(previous, w);
        previous = w;
    };
    for (int i = 1; i <= MaxPlayers; ++i) {
        const int down = size::NewGameRowStep * (i - 1);
        auto* check = new ClickableLabel(this, QStringLiteral("imgPlayerCheck(%1)").arg(i));
        check->setCheckable(true);
        placeTwips(*check, c1.left, c1.top + down, c1.box());
        say([check, i] {
            check->setAccessibleName(translate("NewGame", "%n player(s)", nullptr, i));
            check->setToolTip(translate("NewGame", "%1 (Space)").arg(check->accessibleName()));
        });
        check->setChecked(false);
        connect(check, &ClickableLabel::clicked, this, [this, i] { imgPlayerCheck_Click(i); });
        imgPlayerCheck[i] = check;

        design_[i] = designName(i);
        auto* box = new QLineEdit(design_[i], this);
        box->setObjectName(QStringLiteral("txtPlayers(%1)").arg(i));
        say([box, i] { box->setAccessibleName(translate("NewGame", "Name of player %1").arg(i)); });
        box->setMaxLength(NameLimit);
        box->setFont(serifFont(12, true));
        placeTwips(*box, n1.left, n1.top + down, n1.box());
        box->installEventFilter(this);
        txtPlayers[i] = box;

        auto* seat = new ClickableLabel(this, QStringLiteral("imgSeat(%1)").arg(i));
        seat->setProperty(PushButtonRole, true);
        placeTwips(*seat, size::NewGameSeat1.left, size::NewGameSeat1.top + down, size::NewGameSeat1.box());
        say([seat] { seat->setToolTip(translate("NewGame", "Who plays this seat: press to change (Space)")); });
        connect(seat, &ClickableLabel::clicked, this, [this, i] { imgSeat_Click(i); });
        imgSeat[i] = seat;
        chain(check);
        chain(box);
        chain(seat);
    }
    const char* typeNames[] = {"", QT_TRANSLATE_NOOP("NewGame", "Three columns"), QT_TRANSLATE_NOOP("NewGame", "One column")};
    const size::Rect* typeRects[] = {nullptr, &size::NewGameTypeCheck1, &size::NewGameTypeCheck2};
    for (int i = 1; i <= 2; ++i) {
        auto* check = new ClickableLabel(this, QStringLiteral("imgGameTypeCheck(%1)").arg(i));
        check->setCheckable(true);
        placeTwips(*check, typeRects[i]->left, typeRects[i]->top, typeRects[i]->box());
        say([check, name = typeNames[i]] {
            check->setAccessibleName(translate("NewGame", name));
            check->setToolTip(translate("NewGame", "%1 (Space)").arg(check->accessibleName()));
        });
        check->setChecked(false);
        connect(check, &ClickableLabel::clicked, this, [this, i] { imgGameTypeCheck_Click(i); });
        imgGameTypeCheck[i] = check;
        chain(check);
    }
    imgPace = new ClickableLabel(this, QStringLiteral("imgPace"));
    imgPace->setProperty(PushButtonRole, true);
    placeTwips(*imgPace, size::NewGamePace.left, size::NewGamePace.top, size::NewGamePace.box());
    say([this] { imgPace->setToolTip(translate("NewGame", "How fast the computer plays: press to change (Space)")); });
    connect(imgPace, &ClickableLabel::clicked, this, [this] { imgPace_Click(); });
    chain(imgPace);
    // Left of Done, where nothing else stands.
    lblLanguage = new ClickableLabel(this, QStringLiteral("lblLanguage"));
    lblLanguage->setProperty(PushButtonRole, true);
    placeTwips(*lblLanguage, 240, 3840, 2100, 480);
    QFont small;
    small.setFamilies({QStringLiteral("Arial"), QStringLiteral("Liberation Sans")});
    small.setPointSizeF(8);
    small.setBold(true);
    lblLanguage->setFont(small);
    lblLanguage->setTextColour(QColor(255, 236, 190));
    lblLanguage->setWordWrap(true);
    lblLanguage->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    say([this] { lblLanguage->setToolTip(languageTip()); });
    connect(lblLanguage, &ClickableLabel::clicked, this, [this] { lblLanguage_Click(); });
    chain(lblLanguage);
    imgOKButton = new ImageButton(pictures(), sound(), translate("NewGame", "Done"), this);
    say([this] { imgOKButton->setCommandWord(translate("NewGame", "Done")); });
    imgOKButton->setObjectName(QStringLiteral("imgOKButton"));
    placeTwips(*imgOKButton, size::NewGameDone.left, size::NewGameDone.top, size::NewGameDone.box());
    imgOKButton->setKeyboardFocusable(true);
    say([this] { imgOKButton->setToolTip(translate("NewGame", "Start the game (Enter)")); });
    imgOKButton->setAction([this] { imgOKButton_MouseUp(); });
    chain(imgOKButton);
}

void frmNewGame::setCheck(ClickableLabel* check, bool on) {
    if (on)
        check->setPixmap(pictures().get("check.gif"));
    else
        check->clear();
    check->setChecked(on);
}

void frmNewGame::Form_Load() {
    setBackground("newgamebgnd.jpg");
    setCheck(imgPlayerCheck[1], true);
    setCheck(imgGameTypeCheck[2], true);
    imgOKButton->setPictures("doneup.jpg", "donedn.jpg");
    for (int i = 1; i <= MaxPlayers; ++i) state().PlayerName(i) = txtPlayers[i]->text().toStdString();
    for (int i = 1; i <= MaxPlayers; ++i) {
        txtPlayers[i]->setVisible(i == 1);
        imgSeat[i]->setVisible(i == 1);
        txtPlayers[i]->setEnabled(i == 1);
    }
    txtPlayers[1]->selectAll();
    state().NumPlayers = 1;
    state().GameType = 2;

    std::string problem;
    loadSeats(store_, seats_, problem);
    if (!problem.empty())
        std::fprintf(stderr, "Real Pentaro: the players' seats could not be read (%s); those seats are "
                             "played by a person\n", problem.c_str());
    // The last game's names, players and type: a rematch is one press of Done.
    const LastGame last = loadLastGame(store_);
    for (int i = 1; i <= MaxPlayers; ++i)
        if (!last.names[i].empty())
            txtPlayers[i]->setText(QString::fromStdString(last.names[i]).left(NameLimit));
    if (last.gameType != 0) {
        setCheck(imgGameTypeCheck[1], last.gameType == 1);
        setCheck(imgGameTypeCheck[2], last.gameType != 1);
        state().GameType = static_cast<Int16>(last.gameType);
    }
    if (last.players != 0) SelectPlayerCount(last.players);
    for (int i = 1; i <= MaxPlayers; ++i) {
        if (seats_.isComputer(i) && txtPlayers[i]->text() == designName(i))
            txtPlayers[i]->setText(QString::fromLatin1(ComputerNames[i]));
        showSeat(i);
    }
    showPace();
    showLanguage();
}

void frmNewGame::showLanguage() {
    lblLanguage->setText(languageCaption(storedLanguage(store_)));
    lblLanguage->setAccessibleName(lblLanguage->text());
}

// Seats, pace and the language control say what they show in the new words.
void frmNewGame::retranslate() {
    for (int i = 1; i <= MaxPlayers; ++i) {
        // A name still as the dialog wrote it is written in the new words.
        if (txtPlayers[i]->text() == design_[i]) txtPlayers[i]->setText(designName(i));
        design_[i] = designName(i);
        showSeat(i);
    }
    showPace();
    showLanguage();
}

void frmNewGame::lblLanguage_Click() {
    sound().play(file::PopSound);
    QStringList order{QString(), QStringLiteral("en")};
    for (const char* code : language::Codes) order << QString::fromLatin1(code);
    const QString next = order.value((order.indexOf(storedLanguage(store_)) + 1) % order.size());
    if (chooseLanguage) chooseLanguage(next);
    else store_.write("Params", "Language", next.toStdString());
    showLanguage();
}

void frmNewGame::showSeat(int i) {
    const int k = static_cast<int>(seats_.kind(i));
    imgSeat[i]->setPixmap(pictures().get(SeatPictures[k]));
    imgSeat[i]->setAccessibleName(translate("NewGame", "Player %1: %2").arg(i).arg(translate("NewGame", SeatWords[k])));
}

void frmNewGame::showPace() {
    const int k = static_cast<int>(seats_.pace);
    imgPace->setPixmap(pictures().get(PacePictures[k]));
    imgPace->setAccessibleName(translate("NewGame", "Computer pace: %1").arg(translate("NewGame", PaceWords[k])));
}

void frmNewGame::imgSeat_Click(int index) {
    sound().play(file::PopSound);
    const auto next = static_cast<SeatKind>((static_cast<int>(seats_.kind(index)) + 1) % 4);
    seats_.kind(index) = next;
    QLineEdit* box = txtPlayers[index];
    if (next != SeatKind::Person && box->text() == designName(index))
        box->setText(QString::fromLatin1(ComputerNames[index]));
    else if (next == SeatKind::Person && box->text() == QString::fromLatin1(ComputerNames[index]))
        box->setText(designName(index));
    showSeat(index);
}

void frmNewGame::imgPace_Click() {
    sound().play(file::PopSound);
    seats_.pace = static_cast<Pace>((static_cast<int>(seats_.pace) + 1) % 4);
    showPace();
}

void frmNewGame::SelectPlayerCount(int n) {
    if (n < 1 || n > MaxPlayers) return;
    for (int i = 1; i <= MaxPlayers; ++i) setCheck(imgPlayerCheck[i], i <= n);
    // Players who do not take part count as finished in every column.
    for (int p = 1; p <= MaxPlayers; ++p)
        for (int c = 1; c <= Columns; ++c) state().ColumnDone(p, c) = p > n;
    for (int i = 1; i <= MaxPlayers; ++i) txtPlayers[i]->setEnabled(i <= n);
    for (int i = 1; i <= MaxPlayers; ++i) txtPlayers[i]->setVisible(i <= n);
    for (int i = 1; i <= MaxPlayers; ++i) imgSeat[i]->setVisible(i <= n);
    txtPlayers[n]->setFocus(Qt::OtherFocusReason);
    txtPlayers_GotFocus(n);
    state().NumPlayers = static_cast<Int16>(n);
}

void frmNewGame::imgPlayerCheck_Click(int index) {
    sound().play(file::PopSound);
    SelectPlayerCount(index);
}

void frmNewGame::imgGameTypeCheck_Click(int index) {
    sound().play(file::PopSound);
    setCheck(imgGameTypeCheck[1], index == 1);
    setCheck(imgGameTypeCheck[2], index != 1);
    state().GameType = index == 1 ? 1 : 2;
}

void frmNewGame::txtPlayers_GotFocus(int index) { txtPlayers[index]->selectAll(); }

bool frmNewGame::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusIn) {
        for (int i = 1; i <= MaxPlayers; ++i) {
            if (watched != txtPlayers[i]) continue;
            // After the click that brought the focus has placed the cursor,
            // so that typing still replaces the whole name.
            QTimer::singleShot(0, txtPlayers[i], [this, i] { txtPlayers_GotFocus(i); });
        }
    }
    return Window::eventFilter(watched, event);
}

void frmNewGame::imgOKButton_MouseUp() {
    GameState& s = state();
    for (int i = 1; i <= MaxPlayers; ++i) {
        if (!txtPlayers[i]->isEnabled()) {
            s.NumPlayers = static_cast<Int16>(i - 1);
            SelectPlayerCount(i - 1);
            break;
        }
    }
    for (int p = 1; p <= s.NumPlayers; ++p) s.PlayerName(p) = txtPlayers[p]->text().toStdString();
    s.CurrentPlayer = 1;
    seats_.newGame();
    saveSeats(store_, seats_);
    LastGame last;
    last.players = s.NumPlayers;
    last.gameType = s.GameType;
    for (int i = 1; i <= MaxPlayers; ++i) last.names[i] = txtPlayers[i]->text().toStdString();
    saveLastGame(store_, last);
    store_.flush();
    // StartNewGame puts the first name on the table, which then shows the
    // game in progress.
    s.GameInProgress = true;
    logic_.StartNewGame();
    windows().hide(Name);
    windows().show(Windows::MainWindow);
}

// The keyboard's done: the same click and the same start as the mouse's.
void frmNewGame::done() {
    if (isVisible()) imgOKButton->click();
}

// The dialog has no way back: every way out starts the game.
void frmNewGame::closeRequested() { done(); }

void frmNewGame::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Escape:
            event->accept();
            if (!event->isAutoRepeat()) done();
            return;
        default: Window::keyPressEvent(event);
    }
}

void frmNewGame::showEvent(QShowEvent* event) {
    Window::showEvent(event);
    // A game resumed from its file brings its own seats.
    for (int i = 1; i <= MaxPlayers; ++i) showSeat(i);
    showPace();
    txtPlayers[1]->setFocus(Qt::OtherFocusReason);
    txtPlayers_GotFocus(1);
}

}  // namespace rp
