// Window services: load, show, modal waits, hide, unload and the end of the
// program with its last window.

#include <QApplication>
#include <QPointer>
#include <QTimer>
#include <QtTest>

#include "TestMedia.h"
#include "Windows.h"

namespace {

int loads = 0;

// A plain window that counts its load steps, with a timer of its own.
class frmProbe : public rp::Window {
public:
    static constexpr const char* Name = "frmProbe";
    explicit frmProbe(rp::Windows& w) : Window(w, Name, rp::size::MessageWindow, Placement::Screen) {
        ticker = addTimer(5, [this] { ++ticks; });
    }
    QTimer* ticker;
    int ticks = 0;
    using Window::unloadMe;

protected:
    void Form_Load() override { ++loads; }
};

// A window with its own way out, as the table window has.
class frmOwnExit : public rp::Window {
public:
    static constexpr const char* Name = "frmOwnExit";
    explicit frmOwnExit(rp::Windows& w) : Window(w, Name, rp::size::Celebration, Placement::Screen) {}

protected:
    void closeRequested() override {}
};

// Shown modally; hides or unloads itself once frmProbe's timer has ticked
// three more times, so its wait can only end if other windows' timers run.
class frmModal : public rp::Window {
public:
    static constexpr const char* Name = "frmModal";
    explicit frmModal(rp::Windows& w) : Window(w, Name, rp::size::MessageWindow, Placement::OnMainWindow) {
        watch = addTimer(1, [this] {
            wasModalWhileWaiting = QApplication::activeModalWidget() == this;
            if (probe->ticks < startTicks + 3) return;
            watch->stop();
            if (unloadAtEnd) unloadMe(); else hide();
        });
    }
    bool unloadAtEnd = false, wasModalWhileWaiting = false;
    QTimer* watch;

protected:
    void Form_Load() override {
        probe = windows().find<frmProbe>();
        startTicks = probe->ticks;
        watch->start();
    }

private:
    frmProbe* probe = nullptr;
    int startTicks = 0;
};

}  // namespace

class WindowServicesTest : public QObject {
    Q_OBJECT

    rptest::WindowRig rig;
    std::unique_ptr<rp::Windows>& windows = rig.windows;
    bool lastUnloaded = false;

private slots:
    void initTestCase() { QVERIFY(rig.writePictures()); }

    void init() {
        loads = 0;
        lastUnloaded = false;
        rig.renew();
        windows->setOnLastUnloaded([this] { lastUnloaded = true; });
        windows->define<frmProbe>();
        windows->define<frmOwnExit>();
        windows->define<frmModal>();
    }

    void cleanup() { windows.reset(); }

    // Loaded means created hidden, its load step run once however often it
    // is loaded or shown; unloaded, it dies with its timers and loads anew.
    void theLoadStepRunsOncePerLoad() {
        QPointer<frmProbe> first = windows->load<frmProbe>();
        QVERIFY(!first->isVisible());
        QCOMPARE(windows->load<frmProbe>(), first.data());
        windows->show<frmProbe>();
        windows->show<frmProbe>();
        QCOMPARE(loads, 1);
        QCOMPARE(first->size(), QSize(200, 67));  // 3000 x 1005 twips
        first->ticker->start();
        windows->unload<frmProbe>();
        QVERIFY(!windows->isLoaded<frmProbe>() && !first->isVisible() && !first->ticker->isActive());
        QVERIFY(lastUnloaded);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(first.isNull());
        QCOMPARE(windows->load<frmProbe>()->ticks, 0);
        QCOMPARE(loads, 2);
        windows->unload<frmProbe>();
        windows->unload<frmProbe>();  // unloading an unloaded window is harmless
    }

    // The caller of a modal show waits while other windows' timers tick, and
    // goes on once the window hides or unloads itself.
    void aModalShowWaitsUntilTheWindowHidesOrUnloads_data() {
        QTest::addColumn<bool>("unloadAtEnd");
        QTest::newRow("hides") << false;
        QTest::newRow("unloads") << true;
    }
    void aModalShowWaitsUntilTheWindowHidesOrUnloads() {
        QFETCH(bool, unloadAtEnd);
        frmProbe* probe = windows->load<frmProbe>();
        probe->ticker->start();
        windows->show<frmProbe>();
        QPointer<frmModal> modal = windows->load<frmModal>();
        modal->unloadAtEnd = unloadAtEnd;
        windows->showModal<frmModal>();
        QVERIFY(modal->wasModalWhileWaiting);
        QVERIFY(probe->ticks >= 3);
        QCOMPARE(QApplication::activeModalWidget(), nullptr);
        QCOMPARE(windows->isLoaded<frmModal>(), !unloadAtEnd);
        QVERIFY(!lastUnloaded);
        if (unloadAtEnd) return;
        QVERIFY(!modal->isVisible());
        windows->show<frmModal>();  // shown again without waiting: no longer modal
        QCOMPARE(modal->windowModality(), Qt::NonModal);
        QCOMPARE(loads, 1);
    }

    // Last: the default end of the program leaves the application loop.
    void lastUnloadEndsTheProgramWithStatusZero() {
        rig.renew();
        windows->define<frmProbe>();
        windows->define<frmOwnExit>();
        frmProbe* probe = windows->load<frmProbe>();
        windows->show<frmOwnExit>();
        QTimer::singleShot(0, probe, [&] {
            windows->unload<frmOwnExit>();
            windows->find<frmProbe>()->unloadMe();
        });
        QTimer::singleShot(20000, qApp, [] { QCoreApplication::exit(7); });  // a hang, reported
        QCOMPARE(QCoreApplication::exec(), 0);
    }
};

QTEST_MAIN(WindowServicesTest)
#include "test_windows.moc"
