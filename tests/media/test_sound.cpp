// The sound player: the switch, the newest sound cutting off the last, and
// silence without fuss when a file or the audio device is missing.

#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTemporaryFile>
#include <QtTest>
#include <cstdio>
#include <unistd.h>

#include "SoundPlayer.h"
#include "TestMedia.h"

namespace {

// Collects what the code under test writes on standard error.
class StderrCapture {
public:
    StderrCapture() : saved_((file_.open(), std::fflush(stderr), dup(2))) { dup2(file_.handle(), 2); }
    ~StderrCapture() { restore(); }
    QStringList lines() {
        restore();
        file_.seek(0);
        return QString::fromUtf8(file_.readAll()).split(u'\n', Qt::SkipEmptyParts);
    }

private:
    void restore() {
        if (saved_ < 0) return;
        std::fflush(stderr);
        dup2(saved_, 2);
        close(saved_);
        saved_ = -1;
    }
    QTemporaryFile file_;
    int saved_;
};

}  // namespace

class SoundTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir;
    QString sounds() { return dir.filePath("sounds"); }

private slots:
    void initTestCase() {
        QDir().mkpath(sounds());
        QVERIFY(rptest::writeFile(sounds() + "/pop.wav", rptest::toneWav(880, 200)));
        QVERIFY(rptest::writeFile(sounds() + "/clap.wav", rptest::toneWav(440, 1500)));
        QVERIFY(rptest::writeFile(sounds() + "/error.wav", "RIFF this is no wave at all"));
    }

    // Nothing while the switch is off (not even cutting the playing sound
    // short), the newest sound cuts off the one before, the same one again
    // starts over, and a file that cannot be played is silent, still ends
    // the one before and is reported on one line however often asked for.
    void theSwitchTheNewestSoundAndUnplayableFiles() {
        bool soundOn = false;
        auto rec = std::make_unique<rptest::RecordingBackend>();
        rec->unplayable = {"missing.wav"};
        const QStringList& log = rec->log;
        rp::SoundPlayer player(soundOn, sounds(), std::move(rec));
        StderrCapture err;
        player.play("pop.wav");
        soundOn = true;
        player.play("pop.wav");
        soundOn = false;
        player.play("clap.wav");
        soundOn = true;
        for (const char* name : {"clap.wav", "pop.wav", "pop.wav", "missing.wav", "missing.wav"}) player.play(name);
        const QStringList lines = err.lines();
        QCOMPARE(log, (QStringList{"start pop.wav", "stop pop.wav", "start clap.wav", "stop clap.wav",
                                   "start pop.wav", "stop pop.wav", "start pop.wav", "stop pop.wav"}));
        QCOMPARE(lines.size(), 1);
        QVERIFY(lines[0].contains(sounds() + "/missing.wav"));
    }

    // The real backend with no audio server at all (the test environment
    // points PulseAudio nowhere): every play comes straight back, nothing is
    // heard, nothing breaks, and the terminal gets one line for the missing
    // device and one for the missing file.
    void realBackendWithoutAudioDeviceReturnsAndStaysQuiet() {
        bool soundOn = true;
        StderrCapture err;
        {
            rp::SoundPlayer player(soundOn, sounds(), RP_OUTPUT_DIR);  // preloads the game's sounds found there
            QTest::qWait(200);                          // let the decoding finish
            for (int i = 0; i < 20; ++i) {
                player.play("clap.wav");
                player.play("pop.wav");
                player.play("nothere.wav");
                player.play("error.wav");
            }
            // The event loop still runs after all of it.
            bool ticked = false;
            QTimer::singleShot(10, [&] { ticked = true; });
            QTRY_VERIFY_WITH_TIMEOUT(ticked, 10000);
        }
        QStringList lines = err.lines().filter("Real Pentaro");
        QCOMPARE(lines.size(), 2);
        QVERIFY(lines.filter("no audio device").size() == 1);
        QVERIFY(lines.filter("nothere.wav").size() == 1);

        // Without the sound module: silent, and said once.
        StderrCapture again;
        {
            rp::SoundPlayer player(soundOn, sounds(), QStringLiteral("/nonexistent"));
            for (int i = 0; i < 3; ++i) player.play("clap.wav");
        }
        lines = again.lines().filter("Real Pentaro");
        QCOMPARE(lines.size(), 1);
        QVERIFY(lines[0].contains("sound module cannot be loaded"));
    }
};

QTEST_MAIN(SoundTest)
#include "test_sound.moc"
