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

    // The celebration flashes by its own timers and unloads itself; another
    // five of a kind while it runs neither restarts it nor claps again.
    void theCelebrationRunsItsCourseOnce() {
        services->openCelebration();
        auto* w = windows->find<rp::frmPentaro>();
        QVERIFY(w && w->isVisible() && !w->isModal());
        QCOMPARE(w->background(), "pentaro1.jpg");
        for (int i = 1; i <= 3; ++i) w->Timer_Timer(i);
        QCOMPARE(w->background(), "pentaro2.jpg");
        services->openCelebration();
        QCOMPARE(windows->find<rp::frmPentaro>(), w);
        QVERIFY(w->Timer(4)->isActive() && !w->Timer(1)->isActive());
        QTRY_VERIFY_WITH_TIMEOUT(!windows->isLoaded<rp::frmPentaro>(), 20000);
        QCOMPARE(rig.backend->log, QStringList{"start clap.wav"});

        // The next one starts from the first picture again.
        services->openCelebration();
        QCOMPARE(windows->find<rp::frmPentaro>()->background(), "pentaro1.jpg");
    }
};

QTEST_MAIN(NoticesTest)
#include "test_notices.moc"
