#include "Words.h"
#include "frmHighScores.h"

#include <QKeyEvent>
#include <QLabel>
#include <string>

#include "ImageButton.h"
#include "Layout.h"
#include "Texts.h"
#include "WindowFonts.h"
#include "frmConfirmBox2.h"

namespace rp {

namespace {

const QColor Normal(255, 224, 192);
const QColor Highlight(255, 255, 50);

void setLook(QLabel* label, bool highlighted) {
    QPalette p = label->palette();
    p.setColor(QPalette::WindowText, highlighted ? Highlight : Normal);
    label->setPalette(p);
    zoom::setFont(*label, serifFont(highlighted ? 12 : 10, true));
}

}  // namespace

frmHighScores::frmHighScores(Windows& windows, mdlLogic& logic)
    : Window(windows, Name, size::ScoresWindow, Placement::OnMainWindow), logic_(logic) {
    setWindowTitle(translate("HighScores", "High Scores"));

    auto label = [this](const QString& name, const size::Rect& first, int place, Qt::Alignment align,
                        const QString& caption) {
        auto* l = new QLabel(caption, this);
        l->setObjectName(name);
        placeTwips(*l, first.left, first.top + size::ScoresRowStep * (place - 1), first.box());
        l->setAlignment(align | Qt::AlignVCenter);
        l->setAttribute(Qt::WA_TranslucentBackground);
        setLook(l, false);
        return l;
    };
    for (int i = 1; i <= Places; ++i) {
        // The design captions: the table of a first start.
        const QString name = qstr(text::FirstStartNames[i - 1]);
        const QString score = QString::number(text::DefaultScore);
        lblNameA[i] = label(QStringLiteral("lblNameA(%1)").arg(i), size::ScoresNameA1, i, Qt::AlignLeft, name);
        lblScoreA[i] = label(QStringLiteral("lblScoreA(%1)").arg(i), size::ScoresScoreA1, i, Qt::AlignHCenter, score);
        lblNameB[i] = label(QStringLiteral("lblNameB(%1)").arg(i), size::ScoresNameB1, i, Qt::AlignLeft, name);
        lblScoreB[i] = label(QStringLiteral("lblScoreB(%1)").arg(i), size::ScoresScoreB1, i, Qt::AlignHCenter, score);
    }

    imgReset = new ImageButton(pictures(), sound(), translate("HighScores", "Reset"), this);
    imgReset->setObjectName(QStringLiteral("imgReset"));
    placeTwips(*imgReset, size::ScoresReset.left, size::ScoresReset.top, size::ScoresReset.box());
    imgReset->setScaledContents(true);
    imgReset->setKeyboardFocusable(true);
    imgReset->setToolTip(translate("HighScores", "Reset the high scores (Space)"));
    imgReset->setAction([this] { imgReset_MouseUp(); });

    imgOKButton = new ImageButton(pictures(), sound(), translate("HighScores", "Done"), this);
    imgOKButton->setObjectName(QStringLiteral("imgOKButton"));
    placeTwips(*imgOKButton, size::ScoresDone.left, size::ScoresDone.top, size::ScoresDone.box());
    imgOKButton->setKeyboardFocusable(true);
    imgOKButton->setToolTip(translate("HighScores", "Back to the table (Enter or Escape)"));
    imgOKButton->setAction([this] { imgOKButton_MouseUp(); });
    setTabOrder(imgReset, imgOKButton);
}

void frmHighScores::Form_Load() {
    setBackground("scoresbgnd.jpg");
    imgOKButton->setPictures("doneup.jpg", "donedn.jpg");
    imgReset->setPictures("resetup.jpg", "resetdn.jpg");
    // Loaded after the settings (not the usual order): show what they hold.
    const GameState& s = state();
    if (!s.AName(1).empty() || s.AScore(1) != 0) {
        for (int i = 1; i <= Places; ++i) {
            showEntry('A', i, s.AName(i), std::to_string(s.AScore(i)), s.AHighlight(i));
            showEntry('B', i, s.BName(i), std::to_string(s.BScore(i)), s.BHighlight(i));
        }
    }
}

void frmHighScores::showEntry(char table, int place, std::string_view name, std::string_view score,
                              bool highlighted) {
    if (place < 1 || place > Places) return;
    QLabel* nameLabel = table == 'B' ? lblNameB[place] : lblNameA[place];
    QLabel* scoreLabel = table == 'B' ? lblScoreB[place] : lblScoreA[place];
    nameLabel->setText(qstr(name));
    scoreLabel->setText(qstr(score));
    setLook(nameLabel, highlighted);
    setLook(scoreLabel, highlighted);
}

void frmHighScores::imgOKButton_MouseUp() {
    logic_.ClearHighScoreHighlights();
    windows().hide(Name);
    windows().show(Windows::MainWindow);
}

void frmHighScores::imgReset_MouseUp() {
    Window* confirm = windows().load(frmConfirmBox2::Name);
    if (auto* message = confirm->findChild<QLabel*>(QStringLiteral("lblMessage")))
        message->setText(labelText(translate("Messages", text::ConfirmReset)));
    windows().showModal(frmConfirmBox2::Name);
}

void frmHighScores::closeRequested() {
    if (isVisible()) imgOKButton->click();
}

void frmHighScores::keyPressEvent(QKeyEvent* event) {
    if (event->key() != Qt::Key_Escape) {
        Window::keyPressEvent(event);
        return;
    }
    event->accept();
    if (!event->isAutoRepeat()) closeRequested();
}

void frmHighScores::showEvent(QShowEvent* event) {
    Window::showEvent(event);
    imgOKButton->setFocus(Qt::OtherFocusReason);
}

}  // namespace rp
