// The two self-closing windows the rules open: the timed notice and the
// five-of-a-kind celebration.

#include <QApplication>
#include <QLabel>
#include <QTimer>
#include <QtTest>

#include "TestMedia.h"
#include "WindowedServices.h"
#include "frmMessageBox.h"
#include "frmPentaro.h"

namespace {
// The table window the notices centre on.
class frmMain : public rp::Window {
public:
    static constexpr const char* Name = "frmMain";
    explicit frmMain(rp::Windows& w) : Window(w, Name, rp::size::MainClient, Placement::AsIs) {}
};
}  // namespace

class NoticesTest : public QObject {
    Q_OBJECT

    rptest::WindowRig rig;
    rp::GameState& state = rig.state;
    std::unique_ptr<rp::Windows>& windows = rig.windows;
    std::unique_ptr<rp::WindowedServices> services;

private slots:
    void initTestCase() { QVERIFY(rig.writePictures()); }

    void init() {
        state = {};
        state.SoundOn = true;
        rig.renew();
        windows->setOnLastUnloaded([] {});
        services = std::make_unique<rp::WindowedServices>(*windows, *rig.sound);
        windows->define<frmMain>();
        frmMain* main = windows->load<frmMain>();
        main->move(30, 20);
        windows->show<frmMain>();
    }

    void cleanup() {
        services.reset();
        windows.reset();
    }

    // Each notice is a fresh window showing its text over the main window,
    // modal, for its two seconds; the rules go on only once it is gone.
    void aNoticeShowsItsTextAndReturnsWhenItHasClosed() {
        for (const char* text : {"Wildcard denied:\r\nUpper section\r\nnumber not used", "second\r\nnotice"}) {
            state.MessageText = text;
            QString seen;  // what was showing 50 ms in, and how
            QTimer::singleShot(50, [&] {
                if (auto* w = windows->find<rp::frmMessageBox>())
                    seen = QString("%1 %2 %3 %4|%5")
                               .arg(w->isVisible())
                               .arg(QApplication::activeModalWidget() == w)
                               .arg(w->Timer1->isActive() ? w->Timer1->interval() : 0)
                               .arg((w->geometry().center() - windows->find<frmMain>()->geometry().center())
                                        .manhattanLength() <= 2)
                               .arg(w->lblMessage->text());
            });
            services->showMessage();
            QVERIFY(!windows->isLoaded<rp::frmMessageBox>());
            QCOMPARE(seen, "1 1 2000 1|" + QString(text).replace("\r\n", "\n"));
        }
    }

    void theCelebrationFlashesClosesItselfAndStartsAfreshNextTime() {
        services->openCelebration();
        auto* w = windows->find<rp::frmPentaro>();
        QVERIFY(w && w->isVisible() && !w->isModal());
        QCOMPARE(w->size(), QSize(201, 68));
        QCOMPARE(w->background(), "pentaro1.jpg");
        QCOMPARE(rig.backend->log, QStringList{"start clap.wav"});
        QVERIFY(w->Timer(1)->isActive());

        const char* expected[] = {"", "pentaro2.jpg", "pentaro1.jpg", "pentaro2.jpg",
                                  "pentaro1.jpg", "pentaro2.jpg", "pentaro1.jpg"};
        for (int i = 1; i <= 6; ++i) {
            w->Timer_Timer(i);
            QCOMPARE(w->background(), expected[i]);
            QVERIFY(!w->Timer(i)->isActive());
            QVERIFY(w->Timer(i + 1)->isActive());
            QCOMPARE(w->Timer(i + 1)->interval(), 300);
            if (i == 3) {
                // Another five of a kind mid-way: nothing restarts, no second clap.
                services->openCelebration();
                QCOMPARE(windows->find<rp::frmPentaro>(), w);
                QCOMPARE(w->background(), "pentaro2.jpg");
                QVERIFY(w->Timer(4)->isActive() && !w->Timer(1)->isActive());
                QCOMPARE(rig.backend->log.size(), 1);
            }
        }
        w->Timer_Timer(7);
        QVERIFY(!windows->isLoaded<rp::frmPentaro>());

        // The next one starts from the first step again, silent with the
        // switch off, and left to its own timers it runs through and unloads.
        state.SoundOn = false;
        services->openCelebration();
        w = windows->find<rp::frmPentaro>();
        QCOMPARE(w->background(), "pentaro1.jpg");
        QVERIFY(w->Timer(1)->isActive());
        QTRY_VERIFY_WITH_TIMEOUT(!windows->isLoaded<rp::frmPentaro>(), 20000);
        QCOMPARE(rig.backend->log.size(), 1);
    }
};

QTEST_MAIN(NoticesTest)
#include "test_notices.moc"
