#pragma once
// The window services every window of the game stands on.
//
// Each window is one instance held by the registry under its name. Load
// creates it hidden and runs its load step once; show and show-modal load it
// when needed; a modal show makes the caller wait until the window hides or
// unloads while the timers of every window keep ticking; unload destroys the
// window with its timers, and once the last window is gone the program ends.
//
// A window plugs in by deriving from Window, giving itself a static Name and
// a constructor taking the registry, and being defined once:
//     windows.define<frmPentaro>();
//     windows.show<frmPentaro>();

#include <QHash>
#include <QList>
#include <QPointer>
#include <QString>
#include <QWidget>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "Assets.h"
#include "GameState.h"
#include "Services.h"
#include "Sizes.h"

class QLabel;
class QTimer;

namespace rp {

class Windows;

// What every window reaches: the game, its pictures and its sounds.
struct Media {
    GameState& state;
    Pictures& pictures;
    SoundSink& sound;
};

class Window : public QWidget {
    Q_OBJECT
public:
    enum class Placement { Screen, OnMainWindow, AsIs };
    enum class Frame { TitleOnly, None };

    Window(Windows& windows, QString name, size::Box client, Placement placement,
           Frame frame = Frame::TitleOnly);
    ~Window() override;

    const QString& name() const { return name_; }
    // The background picture, by file name; empty when cleared.
    const std::string& background() const { return background_; }
    // Sets a text now and again whenever the language changes: the window's
    // words (and those of its helpers) are set where they always were,
    // inside one of these.
    void say(std::function<void()> set);

signals:
    // Hidden or unloaded: whoever waits on a modal show goes on.
    void released();

protected:
    friend class Windows;

    // The load step: runs once per load, after the window has been created.
    virtual void Form_Load() {}
    // The window manager asked to close the window. Windows take their own
    // way out here; without one the window unloads, so a close can never
    // leave the process running with no window.
    virtual void closeRequested();

    Windows& windows() { return windows_; }
    GameState& state() { return media_.state; }
    Pictures& pictures() { return media_.pictures; }
    SoundSink& sound() { return media_.sound; }
    void setBackground(std::string_view picture);
    // The label shows the picture scaled to fill it, kept at that size only.
    void showFitted(QLabel& label, std::string_view picture);
    void clearBackground();
    // A timer of this window, off until started; it dies with the window.
    QTimer* addTimer(int intervalMs, std::function<void()> tick);
    void unloadMe();
    // The language changed: texts set otherwise than through say() are set
    // again here, from what the window shows. A hidden window that says
    // nothing through say() is unloaded instead.
    virtual void retranslate() {}

    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void placeOnScreen();
    // Sizes, places, fonts and pictures again from the layout, at the zoom.
    void applyZoom();
    // Fonts set at their 100 % sizes by the window's own code follow the zoom.
    void adoptFonts();
    // Pictures shown again from the files of the language now spoken.
    void reloadPictures();

    Windows& windows_;
    size::Box client_;
    Media& media_;
    QString name_;
    Placement placement_;
    bool placed_ = false;
    bool unloading_ = false;
    std::string background_;
    std::vector<std::function<void()>> sayings_;
};

class Windows : public QObject {
    Q_OBJECT
public:
    static constexpr const char* MainWindow = "frmMain";

    explicit Windows(Media media);
    ~Windows() override;

    Media& media() { return media_; }

    void define(const QString& name, std::function<Window*(Windows&)> make);
    template <class W>
    void define() {
        define(W::Name, [](Windows& ws) -> Window* { return new W(ws); });
    }

    bool isDefined(const QString& name) const { return makers_.contains(name); }
    Window* load(const QString& name);
    Window* find(const QString& name) const { return loaded_.value(name); }
    bool isLoaded(const QString& name) const { return loaded_.contains(name); }
    void show(const QString& name);
    void showModal(const QString& name);
    void hide(const QString& name);
    void unload(const QString& name);
    int loadedCount() const { return static_cast<int>(loaded_.size()); }
    // Every window deleted now, the last-window action left out: the end
    // of the program, before anything the windows use goes.
    void destroyAll();

    template <class W> W* load() { return static_cast<W*>(load(W::Name)); }
    template <class W> W* find() const { return static_cast<W*>(find(W::Name)); }
    template <class W> bool isLoaded() const { return isLoaded(W::Name); }
    template <class W> void show() { show(W::Name); }
    template <class W> void showModal() { showModal(W::Name); }
    template <class W> void hide() { hide(W::Name); }
    template <class W> void unload() { unload(W::Name); }

    // Every window, loaded now or later, at this zoom (one of zoom::Steps).
    void setZoom(int percent);
    // The player chose a zoom with a key or the table's control.
    void chooseZoom(int percent);
    void setOnZoomChosen(std::function<void(int)> action) { onZoomChosen_ = std::move(action); }

    // Runs when the last loaded window has been unloaded. By default the
    // program ends with status 0.
    void setOnLastUnloaded(std::function<void()> action) { onLastUnloaded_ = std::move(action); }

    // Every loaded window speaks the language now installed, at once.
    void retranslate();

    // Lets go of the decoded pictures no window shows any more.
    void trimPictures();

signals:
    void zoomChanged(int percent);

private:
    void present(Window* w);

    Media media_;
    QHash<QString, std::function<Window*(Windows&)>> makers_;
    QHash<QString, Window*> loaded_;
    QList<QPointer<Window>> dying_;
    std::function<void()> onLastUnloaded_;
    std::function<void(int)> onZoomChosen_;
};

}  // namespace rp
