// Picture buttons: pressed picture and click on the press, released picture
// and action on the release, whatever the mouse button and wherever the
// pointer is when it comes up.

#include <QWidget>
#include <QtTest>

#include "ImageButton.h"
#include "Layout.h"
#include "TestMedia.h"

class ImageButtonTest : public QObject {
    Q_OBJECT

    rptest::WindowRig rig;
    bool& soundOn = rig.state.SoundOn;
    std::unique_ptr<QWidget> window;
    rp::ImageButton* button = nullptr;
    QWidget* elsewhere = nullptr;
    int actions = 0;

    // Mouse events go in through the window, as the platform delivers them,
    // so Qt's routing decides which widget gets the release.
    QWindow* handle() { return window->windowHandle(); }
    QPoint centreOf(QWidget* w) { return w->geometry().center(); }
    void click(Qt::MouseButton b = Qt::LeftButton) {
        QTest::mousePress(handle(), b, {}, centreOf(button));
        QTest::mouseRelease(handle(), b, {}, centreOf(button));
    }

private slots:
    void initTestCase() { QVERIFY(rig.writePictures()); }

    void init() {
        soundOn = true;
        actions = 0;
        rig.renew();
        window = std::make_unique<QWidget>();
        window->resize(300, 200);
        button = new rp::ImageButton(*rig.pictures, *rig.sound, "roll", window.get());
        button->move(rp::px(300), rp::px(300));
        button->setPictures("rollup.jpg", "rolldn.jpg");
        button->setAction([this] { ++actions; });
        elsewhere = new QWidget(window.get());
        elsewhere->setGeometry(200, 150, 50, 30);
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    }

    void cleanup() { window.reset(); }

    // Any mouse button: pressed picture and click on the press, nothing
    // else until the release, which acts wherever the pointer is by then.
    void pressShowsReleaseActsEvenOffTheButton_data() {
        QTest::addColumn<Qt::MouseButton>("mouseButton");
        QTest::newRow("left") << Qt::LeftButton;
        QTest::newRow("right") << Qt::RightButton;
        QTest::newRow("middle") << Qt::MiddleButton;
    }
    void pressShowsReleaseActsEvenOffTheButton() {
        QFETCH(Qt::MouseButton, mouseButton);
        QCOMPARE(button->picture(), "rollup.jpg");
        QTest::mousePress(handle(), mouseButton, {}, centreOf(button));
        QCOMPARE(button->picture(), "rolldn.jpg");
        QCOMPARE(rig.backend->log, QStringList{"start button.wav"});
        QCOMPARE(actions, 0);
        QTest::mouseMove(handle(), centreOf(elsewhere));
        QTest::mouseRelease(handle(), mouseButton, {}, centreOf(elsewhere));
        QCOMPARE(actions, 1);
        QCOMPARE(button->picture(), "rollup.jpg");
        QVERIFY(!button->isDown());
    }

    // A second button pressed and let go while the first is held is no
    // second click; the first button's release is the one that acts.
    void secondButtonWhileHeldIsIgnored() {
        QTest::mousePress(handle(), Qt::LeftButton, {}, centreOf(button));
        click(Qt::RightButton);
        QCOMPARE(actions, 0);
        QCOMPARE(button->picture(), "rolldn.jpg");
        QTest::mouseRelease(handle(), Qt::LeftButton, {}, centreOf(button));
        QCOMPARE(actions, 1);
        QCOMPARE(rig.backend->log.size(), 1);
    }

    // The sound button changes its released picture while held down.
    void releasedPictureCanChangeWhilePressed() {
        button->setPictures("soundup.jpg", "sounddn.jpg");
        QTest::mousePress(handle(), Qt::LeftButton, {}, centreOf(button));
        button->setReleasedPicture("soundoffup.jpg");
        QCOMPARE(button->picture(), "sounddn.jpg");
        QTest::mouseRelease(handle(), Qt::LeftButton, {}, centreOf(button));
        QCOMPARE(button->picture(), "soundoffup.jpg");
    }
};

QTEST_MAIN(ImageButtonTest)
#include "test_image_button.moc"
