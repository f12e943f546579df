#include "Words.h"
#include "frmMain.h"

#include <QMouseEvent>
#include <QTimer>

#include "AssetNames.h"
#include "Zoom.h"
#include "MoveLog.h"
#include "Texts.h"

namespace rp {

namespace {
QString qs(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

// The face a die picture shows: "die5.gif" and "seldie5.gif" show 5.
int faceOf(std::string_view picture) {
    const auto dot = picture.find('.');
    if (dot == std::string_view::npos || dot == 0) return 0;
    const char digit = picture[dot - 1];
    return digit >= '1' && digit <= '6' ? digit - '0' : 0;
}
}  // namespace

frmMain::frmMain(Windows& windows, mdlLogic& logic)
    : Window(windows, Name, size::MainClient, Placement::Screen), logic_(logic) {
    say([this] { setWindowTitle(translate("Table", "Real Pentaro")); });
    setMouseTracking(true);
    buildCard();
    buildDiceAndButtons();
    buildTimers();
    imgNext->raise();

    imgRollButton->setPressSound([this] {
        if (!heldBack()) imgRollButton_MouseDown();
    });
    imgRollButton->setAction([this] {
        if (!heldBack()) imgRollButton_MouseUp();
    });
    imgNewGameButton->setAction([this] { imgNewGameButton_MouseUp(); });
    imgHighScoresButton->setAction([this] { imgHighScoresButton_MouseUp(); });
    imgSoundButton->setAction([this] { imgSoundButton_MouseUp(); });
    imgHelpButton->setAction([this] { imgHelpButton_MouseUp(); });
    imgHintButton->setAction([this] {
        if (hint_) hint_();
    });
    connect(cmdGhostEnter, &QPushButton::clicked, this, [this] {
        if (!heldBack()) cmdGhostEnter_Click();
    });
    cmdGhostEnter->installEventFilter(this);
    connect(lblExit, &TableLabel::clicked, this, [this] { lblExit_Click(); });
}

void frmMain::Form_Load() {
    imgRollButton->setPictures("rollup.jpg", "rolldn.jpg");
    showFitted(*imgPaper, "paper.jpg");
    setBackground("bgnd.jpg");
    imgHighScoresButton->setPictures("scoresup.jpg", "scoresdn.jpg");
    imgHelpButton->setPictures("helpup.jpg", "helpdn.jpg");
    imgNewGameButton->setPictures("newgameup.jpg", "newgamedn.jpg");
    imgHintButton->setPictures("hintup.jpg", "hintdn.jpg");
    imgNext->setPixmap(pictures().get("nextplayer.jpg"));
    setWindowIcon(QIcon(pictures().get("die5.gif")));

    imgSoundButton->setPictures(state().SoundOn ? "soundup.jpg" : "soundoffup.jpg", "sounddn.jpg");
    nameSoundButton();

    // The idle table shows sixes in both rows, nothing clickable.
    for (int i = 1; i <= DiceCount; ++i) {
        setKeptDiePicture(i, "die6.gif");
        setRollingDiePicture(i, "seldie6.gif");
        state().DieKept(i) = false;
        setKeptDieEnabled(i, false);
        setRollingDieEnabled(i, false);
    }
    setCardEnabled(false);
    for (int c = 1; c <= Columns; ++c) {
        setChipTotal(c, "0");
        setChipPicture(c, file::Chip[c]);
    }
    state().MessageText = text::LowerRefusedOneColumn;
    state().RollCount = 3;
    state().GameInProgress = false;
    lblRollCount->setCaption(QStringLiteral("\u2020"));
    setExitLook(11.25, QColor(225, 150, 100));
    retranslate();
}

void frmMain::nameSoundButton() {
    imgSoundButton->setCommandWord(state().SoundOn ? translate("Table", "Sound On") : translate("Table", "Sound Off"));
}

// What the table's state decides, in the language now spoken.
void frmMain::retranslate() {
    nameSoundButton();
    if (!sound().deviceFound()) {
        imgSoundButton->setTip(translate("Table", "No sound device found"));
        imgSoundButton->setAccessibleDescription(translate("Table", "No sound device found"));
    }
    const QString rolls = lblRollCount->text();
    lblRollCount->setAccessibleName(rolls.isEmpty() || rolls == QStringLiteral("\u2020")
                                        ? translate("Table", "Rolls")
                                        : translate("Table", "Rolls: %1").arg(rolls));
    emit turnChanged();
}

// ---- TableView -------------------------------------------------------------

void frmMain::setHintAction(std::function<void()> hint) {
    hint_ = std::move(hint);
    imgHintButton->setVisible(bool(hint_));
}

void frmMain::setBoxCaption(int column, int row, std::string_view text) {
    lblGame(column, row)->setCaption(qs(text));
    emit turnChanged();
}

void frmMain::setBonusCaption(int column, int box, std::string_view text) {
    lblGameY(column, box)->setCaption(qs(text));
    emit turnChanged();
}

void frmMain::setCardEnabled(bool enabled) {
    for (int c = 1; c <= Columns; ++c) {
        for (int r = 1; r <= Rows; ++r) lblGame(c, r)->setEnabled(enabled);
        for (int b = 1; b <= BonusBoxes; ++b) lblGameY(c, b)->setEnabled(enabled);
    }
}

void frmMain::setChipTotal(int column, std::string_view text) { lblChipTotal.at(column)->setCaption(qs(text)); }

void frmMain::setChipPicture(int column, std::string_view picture) {
    TableLabel* chip = imgPentaroChip.at(column);
    if (picture.empty()) chip->clear();
    else chip->setPixmap(pictures().get(picture));
    chip->setAccessibleDescription(picture.empty() ? QString() : translate("Table", "shown"));
}

void frmMain::setDie(TableLabel* label, int die, std::string_view picture, bool kept) {
    const int face = faceOf(picture);
    (kept ? keptFace_ : rollingFace_).at(die) = face;
    if (picture.empty()) label->clear();
    else label->setPixmap(pictures().get(picture));
    QString name = translate("Table", "Die %1").arg(die);
    if (face > 0) name += QStringLiteral(": %1").arg(face);
    if (kept) name += translate("Table", ", kept");
    label->setAccessibleName(name);
    emit diceMoved();
}

void frmMain::setRollingDiePicture(int die, std::string_view picture) {
    setDie(imgRollingDice.at(die), die, picture, false);
}
void frmMain::setRollingDieEnabled(int die, bool enabled) { imgRollingDice.at(die)->setEnabled(enabled); }
void frmMain::setKeptDiePicture(int die, std::string_view picture) {
    setDie(imgKeepDice.at(die), die, picture, true);
}
void frmMain::setKeptDieEnabled(int die, bool enabled) { imgKeepDice.at(die)->setEnabled(enabled); }

void frmMain::setPlayerName(std::string_view text) {
    lblPlayer->setCaption(qs(text));
    emit turnChanged();
}

void frmMain::setRollCount(std::string_view text) {
    lblRollCount->setText(qs(text));
    lblRollCount->setAccessibleName(translate("Table", "Rolls: %1").arg(qs(text)));
    emit turnChanged();
}

void frmMain::setNextPlayerVisible(bool visible) {
    imgNext->setVisible(visible);
    emit turnChanged();
}

void frmMain::setTimer(TableTimer timer, bool on) {
    QTimer* t = timer == TableTimer::RollPause ? tmrRollPause
                : timer == TableTimer::Next    ? tmrNext
                                               : tmrEndGame;
    if (on) t->start();
    else t->stop();
}

void frmMain::setDieAnimator(int die, int element, bool on) {
    QTimer* t = tmrDieAnimator(die, element);
    if (on) t->start();
    else t->stop();
}

// ---- Rolling and the card --------------------------------------------------

void frmMain::imgRollButton_MouseDown() { logic_.RollButtonMouseDown(); }
void frmMain::imgRollButton_MouseUp() {
    emit rollClicked();
    const int rolls = state().RollCount;
    if (moveLog_) moveLog_->aboutToRoll(state());
    logic_.RollButtonMouseUp();
    if (moveLog_) moveLog_->passed(state());
    if (state().RollCount != rolls) emit rollStarted();
}
// The keyboard's roll: the release alone, without the pressed picture or click.
void frmMain::cmdGhostEnter_Click() { imgRollButton_MouseUp(); }
void frmMain::imgRollingDice_Click(int index) { logic_.RollingDiceClick(index); }
void frmMain::imgKeepDice_Click(int index) { logic_.KeepDiceClick(index); }
void frmMain::lblGame_Click(int column, int index) {
    emit boxClicked(column, index, false);
    const QString who = playerOnTurn();
    emit aboutToEnter();
    if (moveLog_) moveLog_->aboutToEnter(state(), column, index, false);
    const bool taken = logic_.ScoreBoxClick(column, index);
    if (moveLog_) moveLog_->passed(state());
    if (taken) {
        if (computerOnTurn_ && !who.isEmpty())
            tellStep(translate("Table", "%1 enters %2 in %3, Game %4")
                         .arg(who, lblGame(column, index)->text(), rowCaption(index))
                         .arg(column));
        else
            announce(boxName({column, index, false}) + QStringLiteral(": ") + lblGame(column, index)->text());
        emit entered();
    }
    validateSelection();
}

void frmMain::lblGameY_Click(int column, int index) {
    emit boxClicked(column, index, true);
    const QString who = playerOnTurn();
    emit aboutToEnter();
    if (moveLog_) moveLog_->aboutToEnter(state(), column, index, true);
    const bool taken = logic_.BonusBoxClick(column, index);
    if (moveLog_) moveLog_->passed(state());
    if (taken) {
        if (computerOnTurn_ && !who.isEmpty())
            tellStep(translate("Table", "%1 enters %2 in Pentaro box %3, Game %4")
                         .arg(who, lblGameY(column, index)->text())
                         .arg(index)
                         .arg(column));
        else
            announce(boxName({column, index, true}) + QStringLiteral(": ") + lblGameY(column, index)->text());
        emit entered();
    }
    validateSelection();
}

// The name of the computer whose turn it is, empty for a person.
QString frmMain::playerOnTurn() {
    const GameState& s = state();
    if (!computerOnTurn() && !computerActing_) return {};
    if (s.CurrentPlayer < 1 || s.CurrentPlayer > MaxPlayers) return {};
    return qs(s.PlayerName(s.CurrentPlayer));
}

bool frmMain::heldBack() {
    if (computerActing_) return false;
    if (!computerOnTurn()) return pressSpent_;
    emit personInterrupted();
    return true;
}

bool frmMain::computerAtSign() const { return tmrNext->isActive() && computerAtSign_ && computerAtSign_(); }

void frmMain::notePress(bool autoRepeat) {
    if (!autoRepeat && !computerActing_) pressSpent_ = computerOnTurn() || computerAtSign();
}

void frmMain::tmrRollPause_Timer() { logic_.RollPauseTimer(); }

void frmMain::tmrDieAnimator_Timer(int die, int index) {
    const bool wasTumbling = logic_.DiceTumbling();
    const bool hadPentaro = state().PentaroShowing;
    logic_.DieAnimatorTimer(die, index);
    if (!wasTumbling || logic_.DiceTumbling()) return;
    QStringList faces;
    for (int i = 1; i <= DiceCount; ++i) faces << QString::number(state().Dice(i));
    const QString who = playerOnTurn();
    QString said = who.isEmpty() ? translate("Table", "Roll %1: %2").arg(state().RollCount).arg(faces.join(u' '))
                                 : translate("Table", "%1 rolls %2").arg(who, faces.join(u' '));
    if (state().PentaroShowing && !hadPentaro) said += translate("Table", ". Pentaro!");
    if (who.isEmpty()) announce(said);
    else tellStep(said);
    emit rollLanded();
}

void frmMain::tmrNext_Timer() {
    logic_.NextPlayerTimer();
    select(std::nullopt);
    announce(translate("Table", "%1 to play").arg(lblPlayer->text()));
}

void frmMain::tmrEndGame_Timer() {
    tmrEndGame->stop();
    if (!windows().isDefined(QStringLiteral("frmEndGame"))) return;  // the card stays on the table
    windows().load(QStringLiteral("frmEndGame"));
    windows().hide(Name);
    windows().show(QStringLiteral("frmEndGame"));
}

// ---- Command buttons ------------------------------------------------------

void frmMain::imgNewGameButton_MouseUp() {
    if (!state().GameInProgress) {
        if (windows().isDefined(QStringLiteral("frmNewGame"))) windows().showModal(QStringLiteral("frmNewGame"));
        return;
    }
    state().ConfirmText = text::ConfirmNewGame;
    if (!windows().isDefined(QStringLiteral("frmConfirmBox"))) return;
    Window* confirm = windows().load(QStringLiteral("frmConfirmBox"));
    if (auto* message = confirm->findChild<QLabel*>(QStringLiteral("lblMessage")))
        message->setText(translate("Messages", state().ConfirmText).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    windows().showModal(QStringLiteral("frmConfirmBox"));
}

void frmMain::imgHighScoresButton_MouseUp() {
    if (windows().isDefined(QStringLiteral("frmHighScores"))) windows().showModal(QStringLiteral("frmHighScores"));
}

void frmMain::imgSoundButton_MouseUp() {
    state().SoundOn = !state().SoundOn;
    imgSoundButton->setReleasedPicture(state().SoundOn ? "soundup.jpg" : "soundoffup.jpg");
    nameSoundButton();
}

// The game's own help window; it does not hold the game up.
void frmMain::imgHelpButton_MouseUp() {
    if (windows().isDefined(QStringLiteral("frmHelp"))) windows().show(QStringLiteral("frmHelp"));
}

void frmMain::lblExit_Click() {
    logic_.SaveSettings();
    if (windows().isDefined(QStringLiteral("frmExit"))) windows().show(QStringLiteral("frmExit"));
    for (const char* w : {"frmHighScores", "frmNewGame", "frmConfirmBox", "frmConfirmBox2", "frmScoresCheck", "frmReview", "frmHelp"})
        windows().unload(QString::fromLatin1(w));
    windows().unload(Name);
}

// The window manager's close button takes the close label's way out.
void frmMain::closeRequested() { lblExit_Click(); }

// ---- The close label's hover ----------------------------------------------

void frmMain::setExitLook(qreal pointSize, const QColor& colour) {
    QFont f = lblExit->font();
    f.setPointSizeF(pointSize);
    zoom::setFont(*lblExit, f);
    lblExit->setTextColour(colour);
}

void frmMain::lblExit_MouseMove() { setExitLook(14, QColor(255, 125, 100)); }
void frmMain::Form_MouseMove() { setExitLook(11, QColor(225, 150, 100)); }

void frmMain::mouseMoveEvent(QMouseEvent* event) {
    // Moves over the close label reach here too, as it passes them on.
    QWidget* under = childAt(event->position().toPoint());
    if (under == lblExit) lblExit_MouseMove();
    else if (!under) Form_MouseMove();
}

// A click anywhere on the table during a computer's turn hurries it.
void frmMain::mousePressEvent(QMouseEvent* event) {
    heldBack();
    Window::mousePressEvent(event);
}

void frmMain::showEvent(QShowEvent* event) {
    Window::showEvent(event);
    cmdGhostEnter->setFocus();
    emit turnChanged();  // the game may have begun or ended while the table was away
}

}  // namespace rp
