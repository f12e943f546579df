// The table window played as a player plays it: clicks on its pictures and
// boxes, Enter for the roll, its timers run by hand, the dice scripted.

#include <QTest>

#include <QTextBrowser>
#include <random>

#include "TableRig.h"
#include "Texts.h"
#include "Zoom.h"
#include "frmHelp.h"
#include "frmScoresCheck.h"

using rptest::TableRig;

class TableTest : public QObject {
    Q_OBJECT

    static QString qs(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

private slots:
    // Also run at QT_SCALE_FACTOR=2 (test_table_hidpi): the pictures then
    // come from their @2x artwork and the table keeps its logical size.
    void picturesFitTheirPlacesAtAnyScale() {
        TableRig rig;
        QCOMPARE(rig.table->size(), QSize(531, 503));
        const qreal ratio = rig.table->devicePixelRatio() > 1 ? 2 : 1;
        for (QLabel* picture : {rig.table->imgNext, static_cast<QLabel*>(rig.table->imgRollButton)}) {
            QCOMPARE(picture->pixmap().devicePixelRatio(), ratio);
            QCOMPARE(picture->pixmap().size(), picture->size() * ratio);
        }
        QCOMPARE(rig.program->pictures.get("bgnd.jpg").deviceIndependentSize(), QSizeF(rig.table->size()));
    }

    // Every control of every loaded window at its layout place times the
    // zoom, fonts with it, pictures from the @2x artwork; back at 100 % all
    // is as it was. The keys choose the zoom on any window and it is stored.
    void zoomRelaysEveryWindowFromItsLayout() {
        TableRig rig;
        rig.windows.load<rp::frmHighScores>();
        QList<QWidget*> windows{rig.table, rig.windows.find<rp::frmHighScores>()};
        auto geometries = [&] {
            QList<QRect> all;
            for (QWidget* w : windows)
                for (QWidget* c : w->findChildren<QWidget*>()) all << c->geometry();
            return all;
        };
        const QList<QRect> at100 = geometries();
        const qreal ratio = rig.table->devicePixelRatio();
        for (int percent : {150, 200}) {
            rig.windows.setZoom(percent);
            const double z = percent / 100.0;
            QCOMPARE(rig.table->size(), QSize(qRound(531 * z), qRound(503 * z)));
            int placed = 0;
            for (QWidget* w : windows) {
                for (QWidget* c : w->findChildren<QWidget*>()) {
                    const QVariant t = c->property("rp_twips");
                    if (!t.isValid()) continue;
                    ++placed;
                    const QRectF want(t.toRect().x() * z / 15, t.toRect().y() * z / 15, t.toRect().width() * z / 15,
                                      t.toRect().height() * z / 15);
                    const QRect got = c->geometry();
                    QVERIFY2(std::abs(got.x() - want.x()) <= 1 && std::abs(got.y() - want.y()) <= 1 &&
                                 std::abs(got.width() - want.width()) <= 1 && std::abs(got.height() - want.height()) <= 1,
                             qPrintable(c->objectName()));
                }
            }
            QVERIFY(placed > 100);
            QCOMPARE(rig.table->lblGame(1, 20)->font().pointSizeF(), 9.75 * z);
            // The pictures: the @2x files, scaled to the control in device pixels.
            // The idle table's roll button shows its unavailable look.
            for (auto [label, file] : {std::pair<QLabel*, const char*>{rig.table->imgRollButton, "rolloff"},
                                       {rig.table->imgKeepDice[1], "die6"}}) {
                const QString ext = QString::fromLatin1(file) == "rolloff" ? ".jpg" : ".gif";
                QImage hi(rig.program->pictures.folder() + "/" + file + "@2x" + ext);
                QVERIFY(!hi.isNull());
                const QSize device = label->size() * ratio;
                QCOMPARE(label->pixmap().size(), device);
                if (hi.size() != device) hi = hi.scaled(device, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
                hi.setDevicePixelRatio(ratio);
                QCOMPARE(label->pixmap().toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied),
                         hi.convertToFormat(QImage::Format_ARGB32_Premultiplied));
            }
        }
        rig.windows.setZoom(100);
        QCOMPARE(geometries(), at100);
        QCOMPARE(rig.table->lblGame(1, 20)->font().pointSizeF(), 9.75);

        // Shortcuts go to the active window.
        QApplication::setActiveWindow(rig.table);
        QTest::keyClick(rig.table, Qt::Key_Plus, Qt::ControlModifier);
        QCOMPARE(rp::zoom::percent(), 125);
        QCOMPARE(rig.table->findChild<QLabel*>("lblZoom")->text(), QString("125%"));
        QCOMPARE(rig.stored("Params", "Zoom"), std::string("125"));
        auto* scores = rig.windows.find<rp::frmHighScores>();
        scores->show();
        QApplication::setActiveWindow(scores);
        QTest::keyClick(scores, Qt::Key_0, Qt::ControlModifier);
        QCOMPARE(rp::zoom::percent(), 100);
        TableRig::click(rig.table->findChild<QLabel*>("lblZoomIn"));
        TableRig::click(rig.table->findChild<QLabel*>("lblZoomIn"));
        QCOMPARE(rp::zoom::percent(), 150);
        TableRig::click(rig.table->findChild<QLabel*>("lblZoomOut"));
        QCOMPARE(rig.stored("Params", "Zoom"), std::string("125"));
        rig.windows.setZoom(100);
    }

    void aOneColumnGameWithEveryKindOfFiveOfAKind() {
        TableRig rig;
        // Before any game: the roll button rolls nothing and only clicks.
        rig.state.SoundOn = true;
        TableRig::click(rig.table->imgRollButton);
        QCOMPARE(rig.sounds, QStringList{"button.wav"});
        QVERIFY(!rig.table->tmrDieAnimator(1, 1)->isActive());

        rig.newGame(1, 2);
        rig.roll({5, 5, 5, 5, 5});
        QVERIFY(rig.windows.isLoaded<rp::frmPentaro>());
        QVERIFY(rig.state.PentaroShowing);
        rig.box(1, 4);  // must go to a Pentaro box first
        QCOMPARE(rig.messages, QStringList{qs(rp::text::UpperRefusedOneColumn)});
        QCOMPARE(rig.sounds.last(), QString("error.wav"));
        QCOMPARE(rig.at(1, 4), QString());
        rig.bonus(1, 1);
        QCOMPARE(rig.table->lblGameY(1, 1)->text(), QString("50"));

        rig.roll({4, 4, 4, 4, 4});
        rig.box(1, 16);  // no joker before the like upper box
        QCOMPARE(rig.messages.last(), qs(rp::text::LowerRefusedOneColumn));
        rig.box(1, 4);   // admitted, with a chip
        QCOMPARE(rig.at(1, 4), QString("20"));
        QCOMPARE(rig.table->lblChipTotal[1]->text(), QString("1"));
        QVERIFY(!rig.table->imgPentaroChip[1]->pixmap().isNull());

        rig.roll({3, 3, 3, 3, 3});
        rig.sounds.clear();
        rig.bonus(1, 3);  // out of order: a pop, nothing else
        QCOMPARE(rig.sounds, QStringList{"pop.wav"});
        QCOMPARE(rig.table->lblGameY(1, 3)->text(), QString());
        rig.bonus(1, 2);
        QCOMPARE(rig.table->lblGameY(1, 2)->text(), QString("100"));
        QCOMPARE(rig.table->lblChipTotal[1]->text(), QString("2"));

        // Broken up by a later roll, the five of a kind still serves as a joker
        // of die 1's number: die 1 is kept at 4, whose upper box is filled.
        rig.roll({4, 4, 4, 4, 4});
        TableRig::click(rig.table->imgRollingDice[1]);
        rig.roll({2, 3, 5, 6});
        rig.box(1, 14);
        QCOMPARE(rig.at(1, 14), QString("40"));
        QCOMPARE(rig.table->lblChipTotal[1]->text(), QString("3"));

        // The rest of the card, then the chance ends the game.
        const std::pair<int, std::vector<int>> turns[] = {
            {1, {1, 1, 1, 2, 3}}, {2, {2, 2, 2, 1, 1}}, {3, {3, 3, 3, 1, 1}},
            {5, {5, 5, 5, 1, 1}}, {6, {6, 6, 6, 1, 1}}, {11, {2, 2, 2, 2, 5}},
            {12, {3, 3, 3, 5, 5}}, {13, {1, 2, 3, 4, 6}}, {10, {6, 6, 6, 1, 5}}};
        for (const auto& [row, faces] : turns) {
            rig.roll(faces);
            rig.box(1, row);
        }
        QCOMPARE(rig.at(1, 8), QString("35"));
        rig.roll({6, 6, 5, 5, 4});
        rig.box(1, 16);
        // 24+13+25+30+40+26 and boxes 50+100; box 3 closes with the column.
        QCOMPARE(rig.at(1, 17), QString("308"));
        QCOMPARE(rig.state.GrandTotal(1), 714);
        QVERIFY(rig.table->tmrEndGame->isActive());
        rig.roll({6, 6, 6, 6, 6});  // the end-of-game pause rolls nothing
        QVERIFY(!rig.state.PentaroShowing);
        QCOMPARE(rig.table->lblRollCount->text(), QString("1"));
        rig.table->tmrEndGame_Timer();
        QVERIFY(!rig.table->isVisible());
        QVERIFY(rig.windows.find(QStringLiteral("frmEndGame"))->isVisible());
    }

    // What a screen reader hears, and a box pressed through it.
    void theTableReadsAloud() {
        TableRig rig;
        auto* t = rig.table;
        QCOMPARE(TableRig::description(t->lblGame(1, 18)), QString("Game 1, Upper Total (row 18)"));
        QVERIFY(QAccessible::queryAccessibleInterface(t->lblGame(1, 1))->state().disabled);
        QVERIFY(QAccessible::queryAccessibleInterface(t->imgNext)->state().invisible);

        rig.newGame(1, 2);
        rig.roll({3, 1, 4, 1, 5});
        QCOMPARE(TableRig::name(t->imgRollingDice[3]), QString("Die 3: 4"));
        QCOMPARE(TableRig::name(t->imgKeepDice[3]), QString("Die 3, kept"));
        QCOMPARE(TableRig::name(t->lblRollCount), QString("Rolls: 1"));
        // Operated through the accessibility interface, as a screen reader does.
        auto* box = QAccessible::queryAccessibleInterface(t->lblGame(1, 16));
        QVERIFY(!box->state().disabled);
        box->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(TableRig::name(t->lblGame(1, 16)), QString("14"));
        QVERIFY(box->state().disabled);
    }

    void aWholeGameByKeyboardAlone() {
        TableRig rig;
        rig.newGame(1, 2);
        auto* t = rig.table;
        auto key = [&](int k, Qt::KeyboardModifiers m = {}) { QTest::keyClick(t->cmdGhostEnter, Qt::Key(k), m); };
        auto focused = [] {
            for (QWidget* w : QApplication::allWidgets())
                if (auto* a = QAccessible::queryAccessibleInterface(w); a && a->state().focused &&
                                                                       qobject_cast<rp::TableLabel*>(w))
                    return TableRig::description(w);
            return QString();
        };
        key(Qt::Key_Down);  // selects the first open box
        QCOMPARE(focused(), QString("Game 1, Ones"));
        key(Qt::Key_Return);  // nothing rolled yet: the box is closed, nothing happens
        QVERIFY(rig.sounds.isEmpty());
        key(Qt::Key_Escape);
        QCOMPARE(focused(), QString());

        // Each turn: Space rolls, die 2 is kept and put back, Tab selects the
        // first open box, Enter enters it. The last turn gives up box 1.
        int turns = 0;
        while (!t->tmrEndGame->isActive() && turns++ < 20) {
            rig.script = {2, 2, 3, 4, 5};
            key(Qt::Key_Space);
            rig.landDice();
            key(Qt::Key_2);
            QCOMPARE(TableRig::name(t->imgKeepDice[2]), QString("Die 2: 2, kept"));
            key(Qt::Key_2);
            QVERIFY(!rig.state.DieKept(2));
            rig.script = {2, 2, 3, 4, 5};
            key(Qt::Key_Return);  // no selection yet: Enter rolls (the dice are in the air)
            QCOMPARE(rig.state.RollCount, 2);
            rig.landDice();
            t->tmrRollPause_Timer();
            key(Qt::Key_Tab);
            key(Qt::Key_Return);
            QVERIFY(rig.state.RollCount == 0 || t->tmrEndGame->isActive());
        }
        QCOMPARE(turns, 13);
        QCOMPARE(rig.at(1, 2), QString("4"));
        QCOMPARE(rig.at(1, 13), QString("30"));
        QCOMPARE(rig.at(1, 19), QString("46"));  // a small straight and the chance
        QCOMPARE(rig.at(1, 20), QString("62"));
        QVERIFY(TableRig::name(t->lblAnnounce).startsWith("Game 1, Pentaro box 1"));
    }

    void commandKeysTakeTheButtonsWay() {
        TableRig rig;
        auto* t = rig.table;
        const bool before = rig.state.SoundOn;
        QTest::keyClick(t->cmdGhostEnter, Qt::Key_M);
        QCOMPARE(rig.state.SoundOn, !before);
        QCOMPARE(TableRig::name(t->imgSoundButton), rig.state.SoundOn ? QString("Sound On") : QString("Sound Off"));
        QVERIFY(t->imgRollButton->toolTip().contains("(Enter)"));
        QTest::keyClick(t->cmdGhostEnter, Qt::Key_Q, Qt::ControlModifier);
        QVERIFY(!rig.windows.isLoaded<rp::frmMain>());  // the close label's way out
        QCOMPARE(rig.stored("Params", "Sound"), rig.state.SoundOn ? std::string("True") : std::string("False"));
    }

};

QTEST_MAIN(TableTest)
#include "test_table.moc"
