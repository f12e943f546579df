// The language chosen in the new-game dialog: kept in the settings and
// spoken at once by every open window, the game in progress untouched.
#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <QTextBrowser>
#include <QtTest>

#include "TableRig.h"
#include "ClickableLabel.h"
#include "Words.h"
#include "Language.h"
#include "Texts.h"
#include "frmEndGame.h"
#include "frmHelp.h"
#include "frmNewGame.h"

using namespace rptest;

namespace {

// Every text of the window's labels and buttons that does not fit its
// control: wider or taller, at the control's font, wrapped where the control
// wraps. Pictures carry no text; rich text is left to its own layout.
QStringList unfitting(QWidget* window) {
    QStringList out;
    auto check = [&](QWidget* w, const QString& text, bool wrap, const QRect& room) {
        if (text.isEmpty() || !w->isVisibleTo(window)) return;
        const QFontMetrics fm(w->font());
        const QStringList lines = text.split(u'\n');
        QSize need;
        bool cut = false;
        if (wrap) {
            need = fm.boundingRect(QRect(0, 0, room.width(), 100000), Qt::TextWordWrap, text).size();
            cut = need.height() > room.height() + 1;
        } else {
            // Where the ink lands, the lines placed as the label places them:
            // only the widget's own edge cuts it, not its empty leading.
            int width = 0;
            for (const QString& line : lines) width = std::max(width, fm.horizontalAdvance(line));
            const int block = fm.height() + (lines.size() - 1) * fm.lineSpacing();
            const Qt::Alignment align = qobject_cast<QLabel*>(w) ? static_cast<QLabel*>(w)->alignment() : Qt::AlignVCenter;
            const int top = align & Qt::AlignTop      ? room.top()
                            : align & Qt::AlignBottom ? room.bottom() + 1 - block
                                                      : room.top() + (room.height() - block) / 2;
            const int inkTop = top + fm.ascent() + fm.tightBoundingRect(lines.first()).top();
            const int inkBottom = top + fm.ascent() + (lines.size() - 1) * fm.lineSpacing() +
                                  fm.tightBoundingRect(lines.last()).bottom();
            need = QSize(width, inkBottom - inkTop + 1);
            // A pixel of anti-aliasing either way is no cut.
            cut = inkTop < -1 || inkBottom > w->height();
        }
        if (need.width() > room.width() + 1 || cut)
            out << QStringLiteral("%1 \"%2\" needs %3x%4, has %5x%6")
                       .arg(w->objectName(), text)
                       .arg(need.width()).arg(need.height()).arg(room.width()).arg(room.height());
    };
    for (QLabel* l : window->findChildren<QLabel*>()) {
        if (!l->pixmap().isNull() || (l->textFormat() != Qt::PlainText && Qt::mightBeRichText(l->text()))) continue;
        // Out of sight on purpose: heard, never seen.
        if (l->geometry().top() >= window->height()) continue;
        // The margin keeps the text from the sides; only the label's own edge cuts it.
        const QRect room = l->contentsRect().adjusted(l->margin(), 0, -l->margin(), 0);
        check(l, l->text(), l->wordWrap(), room);
    }
    for (QAbstractButton* b : window->findChildren<QAbstractButton*>()) {
        if (b->geometry().top() >= window->height()) continue;
        check(b, b->text(), false, b->contentsRect());
    }
    return out;
}

}  // namespace

class TestLanguages : public QObject {
    Q_OBJECT
private slots:
    void theDialogsControlSwitchesEveryOpenWindow() {
        TableRig rig;
        rig.newGame(1, 2);
        rig.roll({6, 6, 6, 2, 3});
        rig.box(1, 10);  // 3 of a kind: 23
        const QString entered = rig.at(1, 10);
        rig.windows.show<rp::frmHelp>();
        rig.windows.show<rp::frmNewGame>();
        auto* dialog = rig.windows.find<rp::frmNewGame>();
        auto* control = dialog->lblLanguage;
        auto step = [&] {
            TableRig::click(control);
            QCoreApplication::sendPostedEvents();
        };
        const QString desktopWords = control->text();
        QVERIFY2(desktopWords.contains(QStringLiteral("English")), qPrintable(desktopWords));
        step();
        QCOMPARE(rig.stored("Params", "Language"), std::string("en"));
        QCOMPARE(control->text(), QStringLiteral("Language: English"));
        step();
        QCOMPARE(rig.stored("Params", "Language"), std::string("de"));
        QCOMPARE(TableRig::name(rig.table->imgRollButton), QStringLiteral("Würfeln"));
        QCOMPARE(rig.table->Label1[9]->text(), QStringLiteral("Dreierpasch"));
        QCOMPARE(rig.table->windowTitle(), rp::translate("Table", "Real Pentaro"));
        QCOMPARE(rig.program->pictures.nameOf(rig.table->imgRollButton->pixmap()), std::string("rollup.jpg"));
        QCOMPARE(rig.table->imgRollButton->pixmap().cacheKey(), rig.program->pictures.get("rollup.jpg").cacheKey());
        QVERIFY(rig.program->pictures.path("rollup.jpg").endsWith(QStringLiteral("/de/rollup.jpg")));
        QCOMPARE(dialog->txtPlayers[1]->text(), QStringLiteral("Spieler 1"));
        QVERIFY(control->text().contains(QStringLiteral("Deutsch")));
        auto* help = rig.windows.find<rp::frmHelp>()->txtHelp;
        QVERIFY(help->toPlainText() != QString());
        QCOMPARE(rig.at(1, 10), entered);
        QVERIFY(rig.state.GameInProgress);

        // Round the twelve languages back to the desktop's (English here).
        for (int i = 0; i < 11; ++i) step();
        QCOMPARE(rig.stored("Params", "Language"), std::string("ja"));
        QVERIFY(TableRig::name(rig.table->imgRollButton) != QStringLiteral("Roll"));
        step();
        QCOMPARE(rig.stored("Params", "Language"), std::string(""));
        QCOMPARE(control->text(), desktopWords);
        QCOMPARE(TableRig::name(rig.table->imgRollButton), QStringLiteral("Roll"));
        QCOMPARE(rig.table->Label1[9]->text(), QStringLiteral("3 of a kind"));
        QCOMPARE(dialog->txtPlayers[1]->text(), QStringLiteral("Player 1"));
        QVERIFY(rig.program->pictures.path("rollup.jpg").endsWith(QStringLiteral("/images/rollup.jpg")));
        QCOMPARE(rig.at(1, 10), entered);
    }

    // Every window, in English and each language, at 100 % and 200 %.
    void everyTextFitsItsControlInEveryLanguage() {
        TableRig rig;
        rig.program->seats.kind(2) = rp::SeatKind::Hard;
        rig.newGame(2, 1);
        rig.roll({6, 6, 6, 2, 3});
        QStringList failures;
        QStringList codes{QStringLiteral("en")};
        for (const char* code : rp::language::Codes) codes << QString::fromLatin1(code);
        const char* windows[] = {"frmNewGame", "frmHighScores", "frmConfirmBox", "frmConfirmBox2",
                                 "frmScoresCheck", "frmHelp",     "frmMessageBox", "frmResumeGame",
                                 "frmSplash",     "frmExit",      "frmEndGame",    "frmReview"};
        for (int zoom : {100, 200}) {
            rig.windows.setZoom(zoom);
            for (const QString& code : codes) {
                rig.program->chooseLanguage(code);
                auto look = [&](QWidget* w, const char* name) {
                    for (const QString& f : unfitting(w))
                        failures << QStringLiteral("%1 %2 %3 %: %4").arg(QLatin1String(name), code).arg(zoom).arg(f);
                };
                look(rig.table, "frmMain");
                for (const char* name : windows) {
                    rig.state.ConfirmText = rp::text::ConfirmNewGame;
                    rig.state.MessageText = rp::text::LowerRefusedOneColumn;
                    // The results of two players, the second a computer (the
                    // new-game dialog makes it a one-player game as it loads).
                    rig.state.NumPlayers = 2;
                    rig.state.GameType = 1;
                    rig.state.PlayerName(2) = "Bartholome";
                    rig.state.GrandTotal(2) = 1311;
                    rig.state.Winner = 2;
                    rig.program->seats.kind(2) = rp::SeatKind::Hard;
                    rig.windows.show(QString::fromLatin1(name));
                    if (rp::Window* w = rig.windows.find(QString::fromLatin1(name))) {
                        look(w, name);
                        rig.windows.hide(QString::fromLatin1(name));
                    }
                }
                // One player, one column: the results add the line on best play.
                rig.state.NumPlayers = 1;
                rig.state.GameType = 2;
                rig.state.Winner = 1;
                rig.windows.show(rp::frmEndGame::Name);
                look(rig.windows.find(rp::frmEndGame::Name), "frmEndGame (one player)");
                rig.windows.unload(rp::frmEndGame::Name);
            }
        }
        for (const QString& f : failures) qWarning("%s", qPrintable(QString(f).replace(u'\n', QStringLiteral("\\n"))));
        QVERIFY2(failures.isEmpty(), qPrintable(QStringLiteral("%1 texts do not fit (above)").arg(failures.size())));
    }
};

QTEST_MAIN(TestLanguages)
#include "test_languages.moc"
