// The language the game speaks: chosen from the desktop or the setting, its
// words, plurals, numbers and pictures, and English whenever a translation
// cannot be had.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include "Assets.h"
#include "Language.h"
#include "Words.h"

using namespace rp;

class TestLanguage : public QObject {
    Q_OBJECT
private slots:
    void followsTheDesktopElseEnglish() {
        QCOMPARE(language::desktop({"de-DE", "de", "en"}), QStringLiteral("de"));
        QCOMPARE(language::desktop({"pt-BR"}), QStringLiteral("pt_BR"));
        QCOMPARE(language::desktop({"pt-PT", "pt"}), QStringLiteral("pt_BR"));
        QCOMPARE(language::desktop({"en-GB", "de"}), QStringLiteral("en"));
        QCOMPARE(language::desktop({"tlh", "ja-JP"}), QStringLiteral("ja"));
        QCOMPARE(language::desktop({"tlh"}), QStringLiteral("en"));
        QCOMPARE(language::desktop({}), QStringLiteral("en"));
        QCOMPARE(*language::parse(""), QString());
        QCOMPARE(*language::parse(" pt_BR "), QStringLiteral("pt_BR"));
        QVERIFY(!language::parse("klingon"));
        QVERIFY(!language::parse("de\n[HighScores]"));
    }

    void germanWordsPluralsNumbersAndPictures() {
        language::Translations t(QStringLiteral(RP_OUTPUT_DIR "/translations"));
        t.apply(QStringLiteral("de"));
        QCOMPARE(t.current(), QStringLiteral("de"));
        QCOMPARE(translate("Table", "Roll"), QStringLiteral("Würfeln"));
        QCOMPARE(rowCaption(10), QStringLiteral("Dreierpasch"));
        QCOMPARE(translate("NewGame", "%n player(s)", nullptr, 1), QStringLiteral("1 Spieler"));
        QCOMPARE(translate("Messages", text::ConfirmNewGame), QStringLiteral("Das laufende Spiel\ngeht verloren"));
        QCOMPARE(decimal(263.7, 1), QStringLiteral("263,7"));
        QCOMPARE(decimal(1234.5, 1), QStringLiteral("1234,5"));

        Pictures pictures(QStringLiteral(RP_OUTPUT_DIR "/images"), 1);
        pictures.setLanguage(t.current());
        QCOMPARE(pictures.path("rollup.jpg"), QStringLiteral(RP_OUTPUT_DIR "/images/de/rollup.jpg"));
        QCOMPARE(pictures.path("die1.gif"), QStringLiteral(RP_OUTPUT_DIR "/images/die1.gif"));
        QVERIFY(!pictures.get("rollup.jpg").isNull());

        t.apply(QStringLiteral("en"));
        QCOMPARE(translate("Table", "Roll"), QStringLiteral("Roll"));
        QCOMPARE(translate("NewGame", "%n player(s)", nullptr, 1), QStringLiteral("1 player"));
        QCOMPARE(translate("NewGame", "%n player(s)", nullptr, 3), QStringLiteral("3 players"));
        QCOMPARE(decimal(263.7, 1), QStringLiteral("263.7"));
        QCOMPARE(decimal(1234.5, 1), QStringLiteral("1234.5"));
        pictures.setLanguage(t.current());
        QCOMPARE(pictures.path("rollup.jpg"), QStringLiteral(RP_OUTPUT_DIR "/images/rollup.jpg"));
    }

    void missingOrDamagedTranslationLeavesEnglish() {
        QTemporaryDir dir;
        QFile damaged(dir.filePath(QStringLiteral("realpentaro_fr.qm")));
        QVERIFY(damaged.open(QIODevice::WriteOnly));
        damaged.write("not a translation");
        damaged.close();
        language::Translations t(dir.path());
        for (const char* code : {"de", "fr"}) {
            t.apply(QString::fromLatin1(code));
            QCOMPARE(t.current(), QStringLiteral("en"));
            QCOMPARE(translate("Table", "Roll"), QStringLiteral("Roll"));
            QCOMPARE(decimal(263.7, 1), QStringLiteral("263.7"));
        }
        // A language without pictures of its own shows the English ones.
        Pictures pictures(QStringLiteral(RP_OUTPUT_DIR "/images"), 1);
        pictures.setLanguage(QStringLiteral("eo"));
        QCOMPARE(pictures.path("rollup.jpg"), QStringLiteral(RP_OUTPUT_DIR "/images/rollup.jpg"));
    }
};

QTEST_MAIN(TestLanguage)
#include "test_language.moc"
