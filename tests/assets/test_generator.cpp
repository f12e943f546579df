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

bool runGenerator(const QString& dir)
{
    QProcess gen;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen");
    gen.setProcessEnvironment(env);
    gen.start(QStringLiteral(RP_ASSETGEN), {dir});
    return gen.waitForFinished(60000) && gen.exitStatus() == QProcess::NormalExit && gen.exitCode() == 0;
}

QStringList everyFile(const QString& root)
{
    QStringList files;
    for (const char* sub : {"images", "sounds"})
        for (const QString& f : QDir(root + "/" + sub).entryList(QDir::Files, QDir::Name))
            files << QString(sub) + "/" + f;
    files << QString::fromUtf8(rp::assets::HelpFile.data());
    return files;
}

}  // namespace

TEST(Generator, TwoRunsWriteIdenticalBytesAndMatchTheBuild)
{
    QTemporaryDir a, b;
    ASSERT_TRUE(a.isValid() && b.isValid());
    ASSERT_TRUE(runGenerator(a.path()));
    ASSERT_TRUE(runGenerator(b.path()));

    const QStringList files = everyFile(a.path());
    EXPECT_EQ(files, everyFile(b.path()));
    EXPECT_EQ(files, everyFile(outputDir())) << "the build's folders hold other files";
    EXPECT_EQ(files.size(), qsizetype(rp::assets::Pictures.size() + rp::assets::Sounds.size() + 2))
        << "pictures, sounds, the icon and the help";
    for (const QString& f : files) {
        SCOPED_TRACE(f.toStdString());
        const QByteArray first = readAll(a.path() + "/" + f);
        ASSERT_FALSE(first.isEmpty());
        EXPECT_TRUE(first == readAll(b.path() + "/" + f)) << "differs between runs";
        EXPECT_TRUE(first == readAll(outputDir() + "/" + f)) << "differs from the build's copy";
    }
}

TEST(Help, IsPlainShortLinesCoveringThePlay)
{
    const QString text =
        QString::fromUtf8(readAll(outputDir() + "/" + QString::fromUtf8(rp::assets::HelpFile.data())));
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
