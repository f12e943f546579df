#include "Windows.h"

#include <QApplication>
#include <QCloseEvent>
#include <QEventLoop>
#include <QPaintEvent>
#include <QPainter>
#include <QLabel>
#include <QScreen>
#include <QShortcut>
#include <QTimer>
#include <stdexcept>
#ifdef __GLIBC__
#include <malloc.h>
#endif

#include "Zoom.h"

namespace rp {

Window::Window(Windows& windows, QString name, size::Box client, Placement placement, Frame frame)
    : QWidget(nullptr,
              frame == Frame::None ? Qt::Window | Qt::FramelessWindowHint
                                   // a title bar and nothing to click on it
                                   : Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      windows_(windows),
      client_(client),
      media_(windows.media()),
      name_(std::move(name)),
      placement_(placement) {
    setObjectName(name_);
    setFixedSize(zoom::px(client.width), zoom::px(client.height));
    // The zoom keys work on every window.
    auto key = [this](QKeySequence keys, auto next) {
        auto* shortcut = new QShortcut(keys, this);
        connect(shortcut, &QShortcut::activated, this, [this, next] { windows_.chooseZoom(next(zoom::percent())); });
    };
    key(QKeySequence::ZoomIn, [](int p) { return zoom::stepUp(p); });
    key(QKeySequence(Qt::CTRL | Qt::Key_Equal), [](int p) { return zoom::stepUp(p); });
    key(QKeySequence::ZoomOut, [](int p) { return zoom::stepDown(p); });
    key(QKeySequence(Qt::CTRL | Qt::Key_0), [](int) { return 100; });
}

void Window::adoptFonts() {
    QList<QWidget*> all = findChildren<QWidget*>();
    all.prepend(this);
    for (QWidget* w : all) {
        if (w->property("rp_points").isValid()) continue;
        if (w != this && !w->testAttribute(Qt::WA_SetFont)) continue;
        if (w->font().pointSizeF() > 0) zoom::setFont(*w, w->font());
    }
}

void Window::applyZoom() {
    setFixedSize(zoom::px(client_.width), zoom::px(client_.height));
    QList<QWidget*> all = findChildren<QWidget*>();
    all.prepend(this);
    for (QWidget* w : all) {
        if (const QVariant t = w->property("rp_twips"); t.isValid()) {
            const QRect r = t.toRect();
            w->setGeometry(zoom::px(r.x()), zoom::px(r.y()), zoom::px(r.width()), zoom::px(r.height()));
        }
        if (const QVariant points = w->property("rp_points"); points.isValid()) {
            QFont f = w->font();
            f.setPointSizeF(points.toDouble() * zoom::factor());
            w->setFont(f);
        }
    }
    reloadPictures();
    update();
    // Centred again, as the window was placed.
    if (isVisible()) placeOnScreen();
    else placed_ = false;
}

void Window::reloadPictures() {
    for (QLabel* label : findChildren<QLabel*>()) {
        if (label->pixmap().isNull()) continue;
        const std::string name = pictures().nameOf(label->pixmap());
        if (name.empty()) continue;
        if (label->property("rp_fit").toBool()) showFitted(*label, name);
        else label->setPixmap(pictures().get(name));
    }
}

void Window::say(std::function<void()> set) {
    set();
    sayings_.push_back(std::move(set));
}

void Window::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() != QEvent::LanguageChange) return;
    // A window that does not say its words again, and that nobody sees, is
    // let go: loaded next time, it speaks the new language throughout.
    if (sayings_.empty() && !isVisible() && name_ != QLatin1String(Windows::MainWindow) && !unloading_) {
        windows_.unload(name_);
        return;
    }
    for (const auto& set : sayings_) set();
    retranslate();
    reloadPictures();
    update();
}

Window::~Window() = default;

void Window::closeRequested() { unloadMe(); }

void Window::showFitted(QLabel& label, std::string_view picture) {
    // Drawn once at the label's size: a label that scales its picture keeps
    // two more copies of it.
    label.setScaledContents(false);
    label.setProperty("rp_fit", true);
    label.setPixmap(pictures().get(picture, label.contentsRect().size()));
}

void Window::setBackground(std::string_view picture) {
    background_ = picture;
    update();
}

void Window::clearBackground() {
    background_.clear();
    update();
}

QTimer* Window::addTimer(int intervalMs, std::function<void()> tick) {
    auto* t = new QTimer(this);
    t->setInterval(intervalMs);
    connect(t, &QTimer::timeout, this, std::move(tick));
    return t;
}

void Window::unloadMe() { windows_.unload(name_); }

void Window::paintEvent(QPaintEvent* event) {
    if (background_.empty()) return;
    QPainter painter(this);
    const QPixmap background = pictures().get(background_);
    const qreal dpr = background.devicePixelRatio();
    // Only the pieces asked for (the dice beside each other, a few boxes):
    // one blit over their bounding box would be split over worker threads
    // on every frame of a roll.
    for (const QRect& piece : event->region())
        painter.drawPixmap(QPointF(piece.topLeft()), background,
                           QRectF(QPointF(piece.topLeft()) * dpr, QSizeF(piece.size()) * dpr));
}

void Window::closeEvent(QCloseEvent* event) {
    event->ignore();
    if (!unloading_) closeRequested();
}

void Window::hideEvent(QHideEvent* event) {
    QWidget::hideEvent(event);
    // A minimise by the window manager is not the game hiding the window.
    if (event->spontaneous()) return;
    // What it painted need not stay decoded while nobody sees it.
    QTimer::singleShot(0, &windows_, &Windows::trimPictures);
    if (!unloading_) emit released();
}

void Window::placeOnScreen() {
    QRect target;
    if (placement_ == Placement::OnMainWindow) {
        Window* main = windows_.find(Windows::MainWindow);
        if (main && main->isVisible()) target = main->geometry();
    }
    if (placement_ != Placement::AsIs) {
        if (target.isNull()) {
            if (QScreen* s = QGuiApplication::primaryScreen()) target = s->availableGeometry();
        }
        if (!target.isNull()) {
            // Client areas are centred: frame sizes are not known before
            // the first show, and they differ by a pixel or two at most.
            QRect r(QPoint(), size());
            r.moveCenter(target.center());
            setGeometry(r);
        }
    }
    placed_ = true;
}

Windows::Windows(Media media) : media_(media), onLastUnloaded_([] { QCoreApplication::exit(0); }) {
    // The program ends with its last window unloaded, not with the last one
    // hidden: between the splash and the table no window may be showing.
    QApplication::setQuitOnLastWindowClosed(false);
}

Windows::~Windows() { destroyAll(); }

void Windows::destroyAll() {
    const auto loaded = loaded_;
    loaded_.clear();
    for (Window* w : loaded) {
        w->unloading_ = true;
        delete w;
    }
    for (const QPointer<Window>& w : std::as_const(dying_)) delete w.data();
    dying_.clear();
}

void Windows::define(const QString& name, std::function<Window*(Windows&)> make) {
    makers_.insert(name, std::move(make));
}

Window* Windows::load(const QString& name) {
    if (Window* w = loaded_.value(name)) return w;
    auto maker = makers_.find(name);
    if (maker == makers_.end()) throw std::logic_error("window not defined: " + name.toStdString());
    Window* w = (*maker)(*this);
    loaded_.insert(name, w);
    w->Form_Load();
    w->adoptFonts();
    return w;
}

void Windows::setZoom(int percent) {
    if (percent == zoom::percent()) return;
    zoom::setPercent(percent);
    media_.pictures.setZoom(percent);
    for (Window* w : std::as_const(loaded_)) w->applyZoom();
    trimPictures();
    emit zoomChanged(percent);
}

void Windows::retranslate() {
    // Once and now, rather than as many times as translators came and went
    // whenever the event loop gets to it.
    QCoreApplication::removePostedEvents(nullptr, QEvent::LanguageChange);
    const auto loaded = loaded_;
    for (Window* w : loaded) {
        QEvent change(QEvent::LanguageChange);
        QCoreApplication::sendEvent(w, &change);
    }
    trimPictures();
}

void Windows::trimPictures() {
    QSet<QString> painted;
    for (Window* w : std::as_const(loaded_))
        if (w->isVisible() && !w->background().empty()) painted.insert(media_.pictures.path(w->background()));
    media_.pictures.trim(painted);
#ifdef __GLIBC__
    // What a window and its pictures freed lies in the heap's middle, where
    // glibc keeps it resident unless asked.
    malloc_trim(0);
#endif
}

void Windows::chooseZoom(int percent) {
    setZoom(percent);
    if (onZoomChosen_) onZoomChosen_(percent);
}

void Windows::present(Window* w) {
    if (!w->placed_) w->placeOnScreen();
    w->show();
    w->activateWindow();
}

void Windows::show(const QString& name) {
    Window* w = load(name);
    if (!isLoaded(name) || w->isVisible()) return;
    w->setWindowModality(Qt::NonModal);
    present(w);
}

void Windows::showModal(const QString& name) {
    Window* w = load(name);
    if (!isLoaded(name)) return;  // it unloaded itself while loading
    if (w->isVisible() && w->windowModality() != Qt::ApplicationModal) {
        // Modality can only change while hidden; nobody is waiting yet.
        w->unloading_ = true;
        w->hide();
        w->unloading_ = false;
    }
    w->setWindowModality(Qt::ApplicationModal);
    present(w);

    QPointer<Window> guard(w);
    QEventLoop wait;
    connect(w, &Window::released, &wait, &QEventLoop::quit);
    if (w->isVisible()) wait.exec();
    if (guard && isLoaded(name) && !w->isVisible()) w->setWindowModality(Qt::NonModal);
}

void Windows::hide(const QString& name) {
    if (Window* w = find(name)) w->hide();
}

void Windows::unload(const QString& name) {
    Window* w = loaded_.take(name);
    if (!w) return;
    w->unloading_ = true;
    for (QTimer* t : w->findChildren<QTimer*>()) t->stop();
    w->hide();
    emit w->released();
    // Deleted once control is back in the event loop: the window may be
    // unloading itself from one of its own handlers.
    w->deleteLater();
    // Its pictures are let go once its controls are gone.
    connect(w, &QObject::destroyed, this, &Windows::trimPictures);
    dying_.removeAll(QPointer<Window>());
    dying_.append(w);
    if (loaded_.isEmpty() && onLastUnloaded_) onLastUnloaded_();
}

}  // namespace rp
