#pragma once
// The secondary windows over real rules: test pictures, recorded sounds, a
// settings store in memory and a stand-in for the table window.

#include <QAccessible>
#include <QApplication>
#include <QTimer>
#include <functional>
#include <map>
#include <memory>

#include "GameWindows.h"
#include "Logic.h"
#include "NullTable.h"
#include "TestMedia.h"
#include "WindowBoard.h"
#include "WindowedServices.h"

namespace rptest {

struct MemoryStore : rp::SettingsStore {
    std::map<std::string, std::string> values;  // "Section/Key"
    static std::string at(std::string_view section, std::string_view key) {
        return std::string(section) + '/' + std::string(key);
    }
    std::string read(std::string_view section, std::string_view key) override {
        auto it = values.find(at(section, key));
        return it == values.end() ? std::string() : it->second;
    }
    void write(std::string_view section, std::string_view key, std::string_view value) override {
        values[at(section, key)] = std::string(value);
    }
    bool flush() override { return true; }
    void setAside(std::string_view) override { values.clear(); }
};

// Stands where the table will be: a window named "frmMain" and nothing more.
class StubTable : public rp::Window {
public:
    static constexpr const char* Name = "frmMain";
    explicit StubTable(rp::Windows& w) : Window(w, Name, rp::size::MainClient, Placement::AsIs) {
        setWindowTitle(QStringLiteral("Real Pentaro"));
    }
};

struct GameRig {
    WindowRig media;
    rp::NullTable table;
    MemoryStore store;
    std::unique_ptr<rp::WindowedServices> services;
    std::unique_ptr<rp::WindowBoard> board;
    std::unique_ptr<rp::mdlLogic> logic;
    bool programEnded = false;
    // A check that fails inside a modal wait leaves the window open; this
    // closes it so the test reports the failure instead of hanging.
    QTimer watchdog;
    bool stuck = false;

    rp::GameState& state() { return media.state; }
    rp::Windows& windows() { return *media.windows; }

    bool start() {
        if (!media.pictures && !media.writePictures()) return false;
        logic.reset();
        board.reset();
        services.reset();
        media.state = {};
        media.renew();
        programEnded = false;
        store.values.clear();
        windows().setOnLastUnloaded([this] { programEnded = true; });
        services = std::make_unique<rp::WindowedServices>(windows(), *media.sound);
        board = std::make_unique<rp::WindowBoard>(windows());
        logic = std::make_unique<rp::mdlLogic>(state(), table, *services, *board, store, [] { return 1; });
        rp::defineGameWindows(windows(), *logic);
        windows().define<StubTable>();
        watchdog.setInterval(15000);
        stuck = false;
        QObject::connect(&watchdog, &QTimer::timeout, [this] {
            while (QWidget* w = QApplication::activeModalWidget()) {
                stuck = true;
                qWarning("still waiting on %s", qPrintable(w->objectName()));
                w->hide();
            }
        });
        watchdog.start();
        return true;
    }

    // The start as a player sees it: splash, then its timer hands over.
    template <class Splash>
    void startThroughSplash() {
        windows().show(Splash::Name);
        windows().template find<Splash>()->Timer1_Timer();
    }

    void stop() {
        watchdog.stop();
        QObject::disconnect(&watchdog, nullptr, nullptr, nullptr);
        media.windows.reset();
        logic.reset();
        board.reset();
        services.reset();
    }

    QStringList sounds() const { return media.backend->log; }
};

// Runs f once the event loop turns again: inside the modal wait that the
// next call opens.
inline void inModal(std::function<void()> f) { QTimer::singleShot(0, std::move(f)); }

// The control of a window that assistive tools know by this name (or, with
// byDescription, by this description).
inline QAccessibleInterface* accessible(QWidget* window, const QString& text, bool byDescription = false) {
    QAccessibleInterface* root = QAccessible::queryAccessibleInterface(window);
    for (int i = 0; root && i < root->childCount(); ++i) {
        QAccessibleInterface* child = root->child(i);
        if (child && child->text(byDescription ? QAccessible::Description : QAccessible::Name) == text)
            return child;
    }
    return nullptr;
}

inline bool checked(QWidget* window, const QString& name) {
    QAccessibleInterface* a = accessible(window, name);
    return a && a->role() == QAccessible::CheckBox && a->state().checked &&
           a->text(QAccessible::Description) == QLatin1String("checked");
}

inline bool unchecked(QWidget* window, const QString& name) {
    QAccessibleInterface* a = accessible(window, name);
    return a && a->role() == QAccessible::CheckBox && !a->state().checked &&
           a->text(QAccessible::Description) == QLatin1String("unchecked");
}

}  // namespace rptest
