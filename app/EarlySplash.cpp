#include "EarlySplash.h"

#include <QFileInfo>
#include <QSettings>
#include <QThread>

#include "AssetNames.h"
#include "IniSettingsStore.h"
#include "Language.h"

namespace rp {

namespace {

// The file Pictures will read for the splash at a zoom above 100 %.
QString splashFile(const QString& images, const QString& settingsPath) {
    const QString settings = settingsPath.isEmpty() ? IniSettingsStore::defaultPath() : settingsPath;
    const QVariant stored = QSettings(settings, QSettings::IniFormat).value(QStringLiteral("Params/Language"));
    const auto chosen = language::parse(stored.toString().toStdString());
    const QString code = chosen && !chosen->isEmpty() ? *chosen : language::desktop();
    QString folder = images;
    if (code != QLatin1String("en") && QFileInfo::exists(images + u'/' + code + QStringLiteral("/splash.jpg")))
        folder += u'/' + code;
    const QString hi = folder + u'/' + QString::fromStdString(assets::hiDpiName("splash.jpg"));
    return QFileInfo::exists(hi) ? hi : folder + QStringLiteral("/splash.jpg");
}

}  // namespace

EarlyPicture decodeSplashEarly(const QString& settingsPath) {
#ifdef Q_OS_LINUX
    // Where Qt itself will say the program is, once it can be asked.
    const QString program = QFileInfo(QStringLiteral("/proc/self/exe")).canonicalFilePath();
    if (program.isEmpty()) return {};
    const QString images = imagesFolder(QFileInfo(program).absolutePath());
    // Qt takes the first thread to make one of its objects for its main
    // thread: this one, before the other reads the settings through one.
    QThread::currentThread();
    return EarlyPicture::start([images, settingsPath] { return splashFile(images, settingsPath); });
#else
    Q_UNUSED(settingsPath);
    return {};
#endif
}

}  // namespace rp
