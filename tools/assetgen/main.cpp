// assetgen OUTDIR
// Draws every picture into OUTDIR/images, once at its own size and once at
// twice the pixels as name@2x.ext for dense screens, and synthesises every
// sound into OUTDIR/sounds. The same input always gives
// the same bytes, so a rebuild never changes the game's files.

#include "AssetNames.h"
#include "GifWriter.h"
#include "Paint.h"
#include "Pictures.h"
#include "Sounds.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QTranslator>

#include <cstdio>
#include <exception>
#include <set>
#include <stdexcept>
#include <string>

namespace {

ag::PictureSet drawSet()
{
    ag::PictureSet set;
    ag::addTablePictures(set);
    ag::addWindowPictures(set);
    return set;
}

void writePicture(const std::string& file, const ag::Picture& picture, const QString& dir)
{
    const std::string out = ag::drawScale() == 2 ? rp::assets::hiDpiName(file) : file;
    const QString path = dir + "/" + QString::fromStdString(out);
    if (file.ends_with(".gif"))
        ag::writeGif(picture.image, path, picture.gif);
    else
        ag::saveJpeg(picture.image, path);
}

// Every picture of the game's list, drawn at the current draw scale and
// written under the name that scale goes by.
void writePictureSet(const QString& dir)
{
    const ag::PictureSet set = drawSet();

    std::set<std::string> wanted;
    for (std::string_view name : rp::assets::Pictures) {
        const std::string file(name);
        wanted.insert(file);
        auto it = set.find(file);
        if (it == set.end()) throw std::runtime_error("no drawing for picture " + file);
        writePicture(file, it->second, dir);
    }
    for (const auto& [file, picture] : set)
        if (!wanted.count(file)) throw std::runtime_error("picture not in the game's list: " + file);
}

void writePictures(const QString& dir)
{
    // The icon has sizes of its own on the desktop: 1x only.
    ag::setDrawScale(1);
    writePictureSet(dir);
    if (!ag::appIcon().save(dir + "/icon.png", "PNG"))
        throw std::runtime_error("cannot write icon.png");
    // The same drawings again at twice the pixels, for dense screens.
    ag::setDrawScale(2);
    writePictureSet(dir);
    ag::setDrawScale(1);
}

// Each language with translations beside the game gets, in images/<code>/,
// the pictures its words change; the others stay the English ones.
int writeLanguagePictures(const QString& out)
{
    const QFileInfoList files = QDir(out + "/translations").entryInfoList({"realpentaro_*.qm"}, QDir::Files, QDir::Name);
    int written = 0;
    for (int scale : {1, 2}) {
        ag::setDrawScale(scale);
        const ag::PictureSet english = drawSet();
        for (const QFileInfo& qm : files) {
            QTranslator words;
            if (!words.load(qm.absoluteFilePath()) || words.isEmpty()) continue;
            const QString code = qm.completeBaseName().section('_', 1);
            QCoreApplication::installTranslator(&words);
            const ag::PictureSet set = drawSet();
            QCoreApplication::removeTranslator(&words);
            const QString dir = out + "/images/" + code;
            if (scale == 1) QDir(dir).removeRecursively();
            for (const auto& [file, picture] : set) {
                if (picture.image == english.at(file).image) continue;
                if (!QDir().mkpath(dir)) throw std::runtime_error("cannot create " + dir.toStdString());
                writePicture(file, picture, dir);
                ++written;
            }
        }
    }
    ag::setDrawScale(1);
    return written;
}


}  // namespace

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);  // fonts and painting need the GUI module
    if (argc != 2) {
        std::fprintf(stderr, "usage: assetgen OUTDIR\n");
        return 2;
    }
    try {
        QElapsedTimer clock;
        clock.start();
        const QString out = QString::fromLocal8Bit(argv[1]);
        for (const char* sub : {"images", "sounds"})
            if (!QDir().mkpath(out + "/" + sub))
                throw std::runtime_error("cannot create " + (out + "/" + sub).toStdString());
        ag::loadFonts();
        writePictures(out + "/images");
        const int translated = writeLanguagePictures(out);
        ag::writeSounds(out + "/sounds");
        std::printf("assetgen: %zu pictures (1x and @2x), %d in other languages, %zu sounds written "
                    "to %s in %lld ms\n",
                    rp::assets::Pictures.size(), translated, rp::assets::Sounds.size(), argv[1],
                    static_cast<long long>(clock.elapsed()));
    } catch (const std::exception& e) {
        std::fprintf(stderr, "assetgen: %s\n", e.what());
        return 1;
    }
    return 0;
}
