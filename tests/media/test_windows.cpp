// Window services: load, show, modal waits, hide, unload and the end of the
// program with its last window.

#include <QApplication>
#include <QPointer>
#include <QTimer>
#include <QtTest>

#include "TestMedia.h"
#include "Windows.h"

namespace {

struct Counters {
    int loads = 0;
    int closeRequests = 0;
};
Counters counters;

// A plain window that counts its load steps.
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
    void Form_Load() override { ++counters.loads; }
};

// A window with its own way out, as the table window has.
class frmOwnExit : public rp::Window {
public:
    static constexpr const char* Name = "frmOwnExit";
    explicit frmOwnExit(rp::Windows& w) : Window(w, Name, rp::size::Celebration, Placement::Screen) {}

protected:
    void closeRequested() override { ++counters.closeRequests; }
};

// Shown modally; hides or unloads itself once frmProbe's timer has ticked
// three more times, so its wait can only end if other windows' timers run.
class frmModal : public rp::Window {
public:
    static constexpr const char* Name = "frmModal";
    explicit frmModal(rp::Windows& w) : Window(w, Name, rp::size::MessageWindow, Placement::OnMainWindow) {
        watch = addTimer(1, [this] { step(); });
    }
    bool unloadAtEnd = false;
    bool wasModalWhileWaiting = false;
    QTimer* watch;

protected:
    void Form_Load() override {
        probe = windows().find<frmProbe>();
        startTicks = probe->ticks;
        watch->start();
    }

private:
    void step() {
        wasModalWhileWaiting = QApplication::activeModalWidget() == this;
        if (probe->ticks < startTicks + 3) return;
        watch->stop();
        if (unloadAtEnd)
            unloadMe();
        else
            hide();
    }
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
        counters = {};
        lastUnloaded = false;
        rig.renew();
        windows->setOnLastUnloaded([this] { lastUnloaded = true; });
        windows->define<frmProbe>();
        windows->define<frmOwnExit>();
        windows->define<frmModal>();
    }

    void cleanup() { windows.reset(); }

    void loadingTwiceRunsTheLoadStepOnce() {
        frmProbe* w = windows->load<frmProbe>();
        QVERIFY(w);
        QVERIFY(!w->isVisible());  // loaded means created hidden
        QCOMPARE(windows->load<frmProbe>(), w);
        windows->show<frmProbe>();
        windows->show<frmProbe>();
        QCOMPARE(counters.loads, 1);
        QVERIFY(w->isVisible());
        // Fixed size from the twips of the layout: 3000 x 1005.
        QCOMPARE(w->size(), QSize(200, 67));
    }

    void unloadThenLoadRunsTheLoadStepAgain() {
        QPointer<frmProbe> first = windows->load<frmProbe>();
        first->ticker->start();
        windows->show<frmProbe>();
        windows->unload<frmProbe>();
        QVERIFY(!windows->isLoaded<frmProbe>());
        QVERIFY(!first->isVisible());
        QVERIFY(!first->ticker->isActive());  // its timers die with it
        QVERIFY(lastUnloaded);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(first.isNull());

        frmProbe* second = windows->load<frmProbe>();
        QCOMPARE(counters.loads, 2);
        QCOMPARE(second->ticks, 0);
        windows->unload<frmProbe>();
        windows->unload<frmProbe>();  // unloading an unloaded window is harmless
    }

    // The caller of a modal show waits, other windows' timers tick meanwhile,
    // and the show returns once the window hides itself.
    void modalShowReturnsWhenTheWindowHidesItself() {
        frmProbe* probe = windows->load<frmProbe>();
        probe->ticker->start();
        windows->show<frmProbe>();

        windows->showModal<frmModal>();
        frmModal* modal = windows->find<frmModal>();
        QVERIFY(modal);  // hidden, not unloaded
        QVERIFY(!modal->isVisible());
        QVERIFY(modal->wasModalWhileWaiting);
        QVERIFY(probe->ticks >= 3);
        QCOMPARE(QApplication::activeModalWidget(), nullptr);

        // Shown again without waiting, it is no longer modal.
        windows->show<frmModal>();
        QCOMPARE(modal->windowModality(), Qt::NonModal);
        QCOMPARE(counters.loads, 1);
    }

    void modalShowReturnsWhenTheWindowUnloadsItself() {
        frmProbe* probe = windows->load<frmProbe>();
        probe->ticker->start();
        frmModal* modal = windows->load<frmModal>();
        modal->unloadAtEnd = true;
        windows->showModal<frmModal>();
        QVERIFY(!windows->isLoaded<frmModal>());
        QVERIFY(modal->wasModalWhileWaiting);
        QVERIFY(!lastUnloaded);  // frmProbe is still loaded
    }

    // A close request from the window manager never leaves a window
    // half-closed: it takes the window's own way out, or unloads it.
    void closeRequestTakesTheWindowsOwnWayOut() {
        frmOwnExit* own = windows->load<frmOwnExit>();
        windows->show<frmOwnExit>();
        QVERIFY(!own->close());
        QCOMPARE(counters.closeRequests, 1);
        QVERIFY(windows->isLoaded<frmOwnExit>());
        QVERIFY(own->isVisible());

        windows->load<frmProbe>();
        windows->show<frmProbe>();
        windows->find<frmProbe>()->close();
        QVERIFY(!windows->isLoaded<frmProbe>());
        QVERIFY(!(own->windowFlags() & (Qt::WindowCloseButtonHint | Qt::WindowMinimizeButtonHint |
                                         Qt::WindowMaximizeButtonHint)));
    }

    // Last: the default end of the program leaves the application loop.
    void lastUnloadEndsTheProgramWithStatusZero() {
        rig.renew();
        windows->define<frmProbe>();
        windows->define<frmOwnExit>();
        frmProbe* probe = windows->load<frmProbe>();
        windows->load<frmOwnExit>();
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
