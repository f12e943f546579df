// Pictures: read once, decoded while shown, the @2x artwork on a dense screen, and
// the start-up check that refuses to start the game with a picture missing
// or broken.

#include <QFile>
#include <QLabel>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <future>
#include <random>

#include "Assets.h"
#include "JpegReader.h"
#include "TestMedia.h"

namespace {
// Cuts the file in half, or drops only its last bytes.
void truncate(const QString& path, qint64 drop = -1) {
    QFile f(path);
    QVERIFY(f.open(QIODevice::ReadWrite));
    QVERIFY(f.resize(drop < 0 ? f.size() / 2 : f.size() - drop));
}
}  // namespace

class PicturesTest : public QObject {
    Q_OBJECT

private slots:
    void aPictureIsReadOnceAndKept() {
        QTemporaryDir dir;
        QVERIFY(rptest::writeAllPictures(dir.path()));
        rp::Pictures pictures(dir.path());
        const QPixmap& first = pictures.get("die3.gif");
        QVERIFY(!first.isNull());
        QCOMPARE(first.size(), QSize(2, 2));
        const qint64 key = first.cacheKey();
        // Gone from disk, still shown: the animation reads no file.
        QVERIFY(QFile::remove(dir.filePath("die3.gif")));
        QCOMPARE(pictures.get("die3.gif").cacheKey(), key);
        QVERIFY(pictures.get("nosuch.jpg").isNull());
        QCOMPARE(pictures.path("bgnd.jpg"), dir.path() + "/bgnd.jpg");
    }

    // Only what is shown stays decoded: trimming lets go of what no control
    // holds (but the painted backgrounds it is told of), a picture comes
    // back from the bytes read at the start without touching the disk, and
    // a zoom change leaves nothing behind once the controls have the new size.
    void whatNobodyShowsIsLetGo() {
        QTemporaryDir dir;
        QVERIFY(rptest::writeAllPictures(dir.path()));
        rp::Pictures pictures(dir.path(), 1.0);
        QCOMPARE(pictures.loadAll(), QStringList{});
        QCOMPARE(pictures.decodedCount(), 0);
        QLabel shown;
        shown.setPixmap(pictures.get("die3.gif"));
        pictures.get("die4.gif");
        pictures.get("bgnd.jpg");
        pictures.trim({pictures.path("bgnd.jpg")});
        QCOMPARE(pictures.decodedCount(), 2);
        QCOMPARE(pictures.nameOf(shown.pixmap()), std::string("die3.gif"));
        for (const char* name : {"die3.gif", "die4.gif", "bgnd.jpg"}) QVERIFY(QFile::remove(dir.filePath(name)));
        QVERIFY(!pictures.get("die4.gif").isNull());

        pictures.setZoom(150);
        QCOMPARE(pictures.nameOf(shown.pixmap()), std::string("die3.gif"));
        shown.setPixmap(pictures.get("die3.gif"));
        QCOMPARE(shown.pixmap().deviceIndependentSize(), QSizeF(3, 3));
        pictures.trim();
        QCOMPARE(pictures.decodedCount(), 1);
        for (int i = 0; i < 10; ++i) {
            pictures.setZoom(i % 2 ? 150 : 100);
            shown.setPixmap(pictures.get(pictures.nameOf(shown.pixmap())));
            pictures.trim();
        }
        QCOMPARE(pictures.decodedCount(), 1);
        QVERIFY(pictures.decodedBytes() > 0);
    }

    // Twice the pixels at the same logical size, so no layout moves; the
    // plain picture when the @2x one is missing or broken; and only the
    // variant in use is read: a dense screen does without the plain files.
    void aDenseScreenGetsTheDoubleSizeArtwork() {
        QTemporaryDir dir;
        QVERIFY(rptest::writeAllPictures(dir.path()));
        QImage big(80, 40, QImage::Format_RGB32);
        big.fill(Qt::darkCyan);
        QVERIFY(big.save(dir.filePath("bgnd@2x.jpg"), "JPG"));
        QVERIFY(QFile::copy(dir.filePath("bgnd@2x.jpg"), dir.filePath("splash@2x.jpg")));
        truncate(dir.filePath("splash@2x.jpg"));
        QVERIFY(rptest::writeFile(dir.filePath("paper@2x.jpg"), "not a picture"));

        rp::Pictures dense(dir.path(), 2.0);
        // A broken @2x file is named, and the game goes on.
        const QPixmap& bgnd = dense.get("bgnd.jpg");
        QCOMPARE(bgnd.devicePixelRatio(), 2.0);
        QCOMPARE(bgnd.size(), QSize(80, 40));
        QCOMPARE(bgnd.deviceIndependentSize(), QSizeF(40, 20));
        for (const char* fallsBack : {"die3.gif", "splash.jpg", "paper.jpg"}) {
            QCOMPARE(dense.get(fallsBack).devicePixelRatio(), 1.0);
            QVERIFY2(!dense.get(fallsBack).isNull(), fallsBack);
        }
        QCOMPARE(dense.loadAll(), QStringList{});

        rp::Pictures plain(dir.path(), 1.0);
        QCOMPARE(plain.get("bgnd.jpg").size(), QSize(40, 20));
        QCOMPARE(plain.get("bgnd.jpg").devicePixelRatio(), 1.0);

        QVERIFY(QFile::remove(dir.filePath("bgnd.jpg")));
        QCOMPARE(rp::Pictures(dir.path(), 2.0).loadAll(), QStringList{});
        QCOMPARE(rp::Pictures(dir.path(), 1.0).loadAll().filter(dir.filePath("bgnd.jpg")).size(), 1);
    }

    // JPEGs go through libjpeg directly: the same pixels as Qt's reader, a
    // half-size reduction only where it lands exactly, a reason (never a
    // crash or a hang) for damaged bytes, and the splash decoded early on a
    // thread of its own equal to the one decoded when asked for.
    void jpegsReadByLibjpegItself() {
        QTemporaryDir dir;
        QImage art(160, 96, QImage::Format_RGB32);
        for (int y = 0; y < art.height(); ++y)
            for (int x = 0; x < art.width(); ++x) art.setPixel(x, y, qRgb(x * 3 % 256, y * 5 % 256, (x * y) % 256));
        const QString file = dir.filePath("art.jpg");
        QVERIFY(art.save(file, "JPG", 90));
        QFile f(file);
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QByteArray bytes = f.readAll();
        QVERIFY(rp::jpeg::looksLikeJpeg(bytes));
        QString why;
        const QImage whole = rp::jpeg::read(bytes, {}, &why);
        QCOMPARE(whole.convertToFormat(QImage::Format_RGB32), QImage(file).convertToFormat(QImage::Format_RGB32));
        QCOMPARE(rp::jpeg::read(bytes, [](QSize s) { return s / 2; }, &why).size(), QSize(80, 48));
        QCOMPARE(rp::jpeg::read(bytes, [](QSize s) { return s * 5 / 8; }, &why).size(), QSize(160, 96));

        std::mt19937 random(7);
        for (int i = 0; i < 400; ++i) {
            QByteArray damaged = bytes;
            if (i % 4 == 0) damaged.truncate(qsizetype(random() % bytes.size()));
            for (int n = 0; n < 1 + i % 5; ++n)
                if (!damaged.isEmpty()) damaged[qsizetype(random() % damaged.size())] = char(random());
            why.clear();
            const QImage image = rp::jpeg::read(damaged, [](QSize s) { return s / 2; }, &why);
            QVERIFY2(!image.isNull() || !why.isEmpty() || !rp::jpeg::looksLikeJpeg(damaged), qPrintable(QString::number(i)));
        }

        // Decoded from the program's first moment: the same picture, at the
        // zoom, as one decoded when asked for. One the cache does not read
        // (another language's, say) is let go unused; one not ready when
        // asked for is not waited for; a damaged one gives way to the plain
        // artwork as it would when asked for.
        QVERIFY(QFile::copy(file, dir.filePath("splash.jpg")));
        QVERIFY(QFile::copy(file, dir.filePath("splash@2x.jpg")));
        auto early = [&dir](const char* name) {
            rp::EarlyPicture e = rp::EarlyPicture::start([path = dir.filePath(name)] { return path; });
            e.finished.wait();
            return e;
        };
        rp::Pictures ahead(dir.path(), 1.0), asked(dir.path(), 1.0);
        for (rp::Pictures* p : {&ahead, &asked}) p->setZoom(125);
        ahead.adopt(early("splash@2x.jpg"));
        QCOMPARE(ahead.get("splash.jpg").toImage(), asked.get("splash.jpg").toImage());
        QCOMPARE(ahead.get("splash.jpg").size(), QSize(100, 60));
        rp::Pictures unclaimed(dir.path(), 1.0);
        unclaimed.adopt(early("splash@2x.jpg"));
        QCOMPARE(unclaimed.get("splash.jpg").toImage(), QImage(file).convertToFormat(QImage::Format_RGB32));
        auto gate = std::make_shared<std::promise<void>>();
        rp::Pictures late(dir.path(), 1.0);
        late.setZoom(125);
        rp::EarlyPicture slow = rp::EarlyPicture::start([gate, path = dir.filePath("splash@2x.jpg")] {
            gate->get_future().wait();
            return path;
        });
        const std::shared_future<void> slowDone = slow.finished;
        late.adopt(std::move(slow));
        QCOMPARE(late.get("splash.jpg").toImage(), asked.get("splash.jpg").toImage());
        gate->set_value();
        slowDone.wait();
        truncate(dir.filePath("splash@2x.jpg"), 300);
        rp::Pictures damaged(dir.path(), 1.0), damagedAsked(dir.path(), 1.0);
        for (rp::Pictures* p : {&damaged, &damagedAsked}) p->setZoom(125);
        damaged.adopt(early("splash@2x.jpg"));
        QCOMPARE(damaged.get("splash.jpg").toImage(), damagedAsked.get("splash.jpg").toImage());
        QCOMPARE(damaged.get("splash.jpg").size(), QSize(200, 120));  // the plain artwork instead
    }

    void theCheckNamesEachMissingOrBrokenPicture() {
        QTemporaryDir dir;
        QVERIFY(rptest::writeAllPictures(dir.path()));
        QCOMPARE(rp::checkPictures(dir.path()), QStringList{});

        QVERIFY(QFile::remove(dir.filePath("paper.jpg")));
        truncate(dir.filePath("pentaro2.jpg"));
        truncate(dir.filePath("300chip.gif"));
        truncate(dir.filePath("bgnd.jpg"), 2);  // decodes, but lacks its end marker
        QVERIFY(rptest::writeFile(dir.filePath("check.gif"), "GIF89a and then nothing"));
        const QStringList bad = rp::checkPictures(dir.path());
        QCOMPARE(bad.size(), 5);
        QVERIFY(bad.filter("missing").filter(dir.filePath("paper.jpg")).size() == 1);
        for (const char* name : {"pentaro2.jpg", "300chip.gif", "check.gif", "bgnd.jpg"})
            QVERIFY2(bad.filter(dir.filePath(name)).size() == 1, name);
    }

    // The game itself, copied with a damaged images folder and started
    // through a symbolic link from another folder that holds a complete one:
    // it must look beside the real program, name both bad files and the
    // folder, and end with status 1 before any window. The sound has been
    // opened by then with no audio server: Qt's own complaints about that
    // (and about the missing runtime folder) stay off standard error.
    void theGameRefusesToStartWithoutItsPictures() {
        QTemporaryDir dir;
        const QString home = dir.filePath("game");
        const QString images = home + "/images";
        QVERIFY(QDir().mkpath(home));
        QVERIFY(QFile::copy(RP_GAME_BINARY, home + "/realpentaro"));
        QVERIFY(QFile::setPermissions(home + "/realpentaro", QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
        QVERIFY(QFile::copy(RP_SOUND_MODULE, home + "/librealpentaro_sound.so"));
        QVERIFY(rptest::writeAllPictures(images));
        QVERIFY(QFile::remove(images + "/rolldn.jpg"));
        truncate(images + "/die5.gif");

        const QString elsewhere = dir.filePath("elsewhere");
        QVERIFY(rptest::writeAllPictures(elsewhere + "/images"));
        QVERIFY(QFile::link(home + "/realpentaro", elsewhere + "/realpentaro"));

        QProcess game;
        game.setWorkingDirectory(elsewhere);
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("QT_QPA_PLATFORM", "offscreen");
        env.insert("XDG_CONFIG_HOME", dir.filePath("config"));
        env.insert("PULSE_SERVER", "unix:/nonexistent/rp-no-audio");
        env.remove("XDG_RUNTIME_DIR");
        env.remove("QT_LOGGING_RULES");
        game.setProcessEnvironment(env);
        game.start(elsewhere + "/realpentaro", {});
        QVERIFY(game.waitForFinished(60000));
        const QString err = QString::fromLocal8Bit(game.readAllStandardError());
        QCOMPARE(game.exitStatus(), QProcess::NormalExit);
        QCOMPARE(game.exitCode(), 1);
        QVERIFY2(err.contains(images + "/rolldn.jpg"), qPrintable(err));
        QVERIFY2(err.contains(images + "/die5.gif"), qPrintable(err));
        QVERIFY2(err.contains("looked for in " + images), qPrintable(err));
        QCOMPARE(err.count("picture:"), 2);
        QVERIFY2(err.contains("Real Pentaro: no audio device, the game stays silent\n"), qPrintable(err));
        for (const QString& line : err.split(u'\n', Qt::SkipEmptyParts))
            QVERIFY2(line.startsWith("Real Pentaro: "), qPrintable(err));
    }
};

QTEST_MAIN(PicturesTest)
#include "test_pictures.moc"
