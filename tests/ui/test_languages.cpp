// The language chosen in the new-game dialog: kept in the settings and
// spoken at once by every open window, the game in progress untouched.
#include <QLineEdit>
#include <QTextBrowser>
#include <QtTest>

#include "TableRig.h"
#include "ClickableLabel.h"
#include "Words.h"
#include "frmHelp.h"
#include "frmNewGame.h"

using namespace rptest;

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
};

QTEST_MAIN(TestLanguages)
#include "test_languages.moc"
