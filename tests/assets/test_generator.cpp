// The generator itself: the same bytes on every run, and the help text a
// player can read in any text viewer.

#include "AssetFiles.h"
#include "AssetNames.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <string>

using namespace rptest;

namespace {

QStringList everyFile(const QString& root)
{
    QStringList files;
    for (const char* sub : {"images", "sounds"})
        for (const QString& f : QDir(root + "/" + sub).entryList(QDir::Files, QDir::Name))
            files << QString(sub) + "/" + f;
    return files;
}

}  // namespace

// A second run, beside the build's own, writes the same files byte for byte.
TEST(Generator, ASecondRunWritesIdenticalBytes)
{
    QTemporaryDir dir;
    QProcess gen;
    gen.setProcessEnvironment([] {
        auto env = QProcessEnvironment::systemEnvironment();
        env.insert("QT_QPA_PLATFORM", "offscreen");
        return env;
    }());
    gen.start(QStringLiteral(RP_ASSETGEN), {dir.path()});
    ASSERT_TRUE(gen.waitForFinished(60000) && gen.exitStatus() == QProcess::NormalExit && gen.exitCode() == 0);

    const QStringList files = everyFile(outputDir());
    EXPECT_EQ(files, everyFile(dir.path()));
    EXPECT_EQ(files.size(), qsizetype(2 * rp::assets::Pictures.size() + rp::assets::Sounds.size() + 1))
        << "the build's folders hold other files than pictures (1x and @2x), sounds and the icon";
    for (const QString& f : files) {
        const QByteArray built = readAll(outputDir() + "/" + f);
        EXPECT_TRUE(!built.isEmpty() && built == readAll(dir.path() + "/" + f)) << f.toStdString();
    }
}

TEST(Help, IsPlainShortLinesCoveringThePlay)
{
    const QByteArray built = readAll(outputDir() + "/" + QString::fromUtf8(rp::assets::HelpFile.data()));
    EXPECT_EQ(built, readAll(QStringLiteral(RP_SOURCE_DIR "/help/readme.txt"))) << "the help is copied as it is";
    const QString text = QString::fromUtf8(built);
    ASSERT_FALSE(text.isEmpty());
    const QStringList lines = text.split('\n');
    for (int i = 0; i < lines.size(); ++i) {
        EXPECT_LT(lines[i].size(), 80) << "line " << i + 1;
        EXPECT_FALSE(lines[i].contains('\r') || lines[i].contains('\t')) << "line " << i + 1;
    }
    // Every box of the card, the five-of-a-kind rules, the chips, both
    // games, the high scores, the sound switch and the settings file.
    for (const char* topic :
         {"Ones", "Sixes", "Bonus", "63", "35", "3 of a kind", "4 of a kind", "Full House", "25",
          "Small Straight", "30", "Large Straight", "40", "Chance", "Pentaro", "(50,100,100)", "joker",
          "chip", "x 3", "Three columns", "One column", "high score", "Sound", "Roll",
          "$XDG_CONFIG_HOME/RealPentaro/RealPentaro.ini", "~/.config/RealPentaro/RealPentaro.ini"})
        EXPECT_TRUE(text.contains(QString::fromUtf8(topic))) << "no word of " << topic;
}
