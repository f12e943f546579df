#include "Words.h"
#include "TableStatus.h"

#include <QEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QTimer>

#include "Layout.h"
#include "Preview.h"
#include "frmMain.h"

namespace rp {

namespace {
constexpr int ReasonMilliseconds = 2000;
}  // namespace

TableStatus::TableStatus(frmMain& table) : QObject(&table), tmrStatus(new QTimer(this)), table_(table) {
    lblStatus = new QLabel(&table);
    lblStatus->setObjectName(QStringLiteral("lblStatus"));
    // The hint's place: the hint and a reason are never needed at once.
    placeTwips(*lblStatus, 4680, 315, 2910, 600);
    lblStatus->setFont(table.lblHint->font());
    lblStatus->setWordWrap(true);
    lblStatus->setAlignment(Qt::AlignRight | Qt::AlignBottom);
    lblStatus->setPalette(table.lblHint->palette());
    lblStatus->setAttribute(Qt::WA_TransparentForMouseEvents);
    tmrStatus->setSingleShot(true);
    tmrStatus->setInterval(ReasonMilliseconds);
    connect(tmrStatus, &QTimer::timeout, this, [this] { tmrStatus_Timer(); });

    connect(&table_, &frmMain::rollClicked, this, [this] {
        if (const auto why = rollRefusalReason(table_.gameState()); !why.empty()) tell(translate("Rules", why));
    });
    // An open box's click is judged by the rules; the reason is the one the
    // rules would give for refusing it with a sound alone.
    connect(&table_, &frmMain::boxClicked, this, [this](int column, int index, bool bonus) {
        if (const auto why = refusalReason(table_.gameState(), column, index, bonus); !why.empty()) tell(translate("Rules", why));
    });
    connect(&table_, &frmMain::reasonTold, this, [this](const QString& text) { tell(text); });
    // A computer's step stays in words until its next step or a person's roll.
    connect(&table_, &frmMain::stepTold, this, [this](const QString& text) {
        tmrStatus->stop();
        stepShown_ = true;
        lblStatus->setText(text);
        lblStatus->setAccessibleName(text);
        table_.lblHint->hide();
    });
    connect(&table_, &frmMain::rollStarted, this, [this] {
        if (!stepShown_ || table_.computerOnTurn()) return;
        stepShown_ = false;
        if (!tmrStatus->isActive()) showResting();
    });
    connect(&table_, &frmMain::turnChanged, this, [this] {
        updateRollLook();
        if (!tmrStatus->isActive()) showResting();
    });
    // A disabled box takes no click at all: its reason is given here.
    for (int c = 1; c <= Columns; ++c) {
        for (int r = 1; r <= Rows; ++r) table_.lblGame(c, r)->installEventFilter(this);
        for (int b = 1; b <= BonusBoxes; ++b) table_.lblGameY(c, b)->installEventFilter(this);
    }
}

bool TableStatus::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::MouseButtonRelease) return false;
    auto* box = static_cast<QWidget*>(watched);
    const auto* release = static_cast<QMouseEvent*>(event);
    if (box->isEnabled() || release->button() != Qt::LeftButton ||
        !box->rect().contains(release->position().toPoint()))
        return false;
    for (int c = 1; c <= Columns; ++c) {
        for (int r = 1; r <= Rows; ++r)
            if (table_.lblGame(c, r) == box) emit table_.boxClicked(c, r, false);
        for (int b = 1; b <= BonusBoxes; ++b)
            if (table_.lblGameY(c, b) == box) emit table_.boxClicked(c, b, true);
    }
    return false;
}

void TableStatus::tell(const QString& reason) {
    stepShown_ = false;
    lblStatus->setText(reason);
    lblStatus->setAccessibleName(reason);
    table_.lblHint->hide();
    table_.announce(reason);
    tmrStatus->start();
}

void TableStatus::tmrStatus_Timer() {
    tmrStatus->stop();
    showResting();
}

void TableStatus::showResting() {
    if (stepShown_ && table_.gameState().GameInProgress) return;
    stepShown_ = false;
    const QString rest = table_.gameState().GameInProgress ? QString() : translate("Rules", text::IdleTable);
    lblStatus->setText(rest);
    lblStatus->setAccessibleName(rest.isEmpty() ? translate("Table", "Status") : rest);
    table_.lblHint->setVisible(rest.isEmpty());
}

void TableStatus::updateRollLook() {
    const bool available = canRoll(table_.gameState());
    if (available == rollAvailable_) return;
    rollAvailable_ = available;
    table_.imgRollButton->setReleasedPicture(available ? "rollup.jpg" : "rolloff.jpg");
}

}  // namespace rp
