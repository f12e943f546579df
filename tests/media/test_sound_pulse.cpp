// The real sound path, end to end: a PulseAudio server of its own with a
// null sink, its monitor recorded with parec. What the player plays must
// really come out, and a second sound must cut the first one off.

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>
#include <cmath>

#include "SoundPlayer.h"
#include "TestMedia.h"

namespace {

constexpr int Rate = 44100;
constexpr int Window = 1024;  // samples per analysed slice, about 23 ms
const QString Sink = QStringLiteral("rp_test_sink");

enum class Slice { Quiet, Low, High, Other };

// Loudness and a zero-crossing estimate of the pitch of one slice. The
// pitch is measured between the first and the last crossing, so a slice in
// which a tone ends half-way still shows that tone's pitch.
Slice classify(const qint16* s) {
    double energy = 0;
    int crossings = 0, first = -1, last = -1;
    for (int i = 0; i < Window; ++i) {
        energy += double(s[i]) * s[i];
        if (i > 0 && ((s[i - 1] < 0) != (s[i] < 0))) {
            ++crossings;
            if (first < 0) first = i;
            last = i;
        }
    }
    if (std::sqrt(energy / Window) < 1000 || crossings < 4) return Slice::Quiet;
    const double hz = (crossings - 1) * double(Rate) / (2.0 * (last - first));
    if (hz > 300 && hz < 600) return Slice::Low;    // the 440 Hz tone
    if (hz > 800 && hz < 1300) return Slice::High;  // the 1000 Hz tone
    return Slice::Other;
}

}  // namespace

class PulseSoundTest : public QObject {
    Q_OBJECT

    QTemporaryDir runtime;
    QProcess server, recorder;
    QByteArray recording;

    QList<Slice> slices(qsizetype fromByte) const {
        QList<Slice> out;
        const auto* samples = reinterpret_cast<const qint16*>(recording.constData());
        const qsizetype count = recording.size() / 2;
        for (qsizetype i = fromByte / 2; i + Window <= count; i += Window) out << classify(samples + i);
        return out;
    }

private slots:
    void initTestCase() {
        const QString pulseaudio = QStandardPaths::findExecutable("pulseaudio");
        const QString parec = QStandardPaths::findExecutable("parec");
        QVERIFY2(!pulseaudio.isEmpty() && !parec.isEmpty(), "pulseaudio and parec are needed (setup.sh installs them)");
        QVERIFY(runtime.isValid());
        QFile::setPermissions(runtime.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

        // Everything of this server lives in the temporary folder, so it
        // meets no other server and leaves nothing behind.
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("XDG_RUNTIME_DIR", runtime.path());
        env.insert("HOME", runtime.path());
        env.remove("PULSE_SERVER");
        server.setProcessEnvironment(env);
        server.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        server.start(pulseaudio, {"-n", "--daemonize=no", "--exit-idle-time=-1", "-L",
                                  "module-null-sink sink_name=" + Sink, "-L", "module-native-protocol-unix"});
        QVERIFY(server.waitForStarted(10000));
        const QString socket = runtime.path() + "/pulse/native";
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(socket), 20000);

        // The player of this process talks to that server only.
        qputenv("XDG_RUNTIME_DIR", runtime.path().toLocal8Bit());
        qputenv("HOME", runtime.path().toLocal8Bit());
        qputenv("PULSE_SERVER", ("unix:" + socket).toLocal8Bit());

        env.insert("PULSE_SERVER", "unix:" + socket);
        recorder.setProcessEnvironment(env);
        connect(&recorder, &QProcess::readyReadStandardOutput, this,
                [this] { recording += recorder.readAllStandardOutput(); });
        recorder.start(parec, {"-d", Sink + ".monitor", "--raw", "--format=s16le", "--rate=44100",
                               "--channels=1", "--latency-msec=5"});
        QVERIFY(recorder.waitForStarted(10000));
        QTRY_VERIFY_WITH_TIMEOUT(recording.size() > Rate, 20000);  // half a second of silence
    }

    void cleanupTestCase() {
        for (QProcess* p : {&recorder, &server}) {
            p->terminate();
            if (!p->waitForFinished(5000)) p->kill(), p->waitForFinished(5000);
        }
    }

    void aPlayedSoundComesOutAndTheNextCutsItOff() {
        const QString folder = runtime.path() + "/sounds";
        QDir().mkpath(folder);
        QVERIFY(rptest::writeFile(folder + "/clap.wav", rptest::toneWav(440, 4000)));
        QVERIFY(rptest::writeFile(folder + "/pop.wav", rptest::toneWav(1000, 400)));
        bool soundOn = true;
        rp::SoundPlayer player(soundOn, folder, RP_OUTPUT_DIR);

        const qsizetype start = recording.size();
        player.play("clap.wav");
        // The first sound really comes out: a good tenth of a second of it.
        QTRY_VERIFY_WITH_TIMEOUT(slices(start).count(Slice::Low) >= 6, 20000);

        player.play("pop.wav");
        QTRY_VERIFY_WITH_TIMEOUT(slices(start).contains(Slice::High), 20000);
        // The long tone had more than three seconds to go: if it were still
        // playing, it would be heard again once the short one is over.
        QTest::qWait(2500);

        const QList<Slice> heard = slices(start);
        QString trace;  // one character per slice, for the failure message
        for (Slice s : heard) trace += ".LHO"[int(s)];
        const qsizetype firstHigh = heard.indexOf(Slice::High), lastHigh = heard.lastIndexOf(Slice::High);
        QVERIFY2(heard.count(Slice::High) >= 3 && heard.count(Slice::Low) >= 6, qPrintable(trace));
        QVERIFY2(heard.mid(firstHigh).count(Slice::Low) == 0, qPrintable(trace));
        // After the short tone: silence, give or take a slice of fading.
        const QList<Slice> after = heard.mid(lastHigh + 3);
        QVERIFY2(after.size() > 50, "not enough recorded after the second sound");
        QVERIFY2(after.count(Slice::Quiet) == after.size(), qPrintable(trace));
    }
};

QTEST_MAIN(PulseSoundTest)
#include "test_sound_pulse.moc"
