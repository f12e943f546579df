#include "Language.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLocale>
#include <cstdio>

namespace rp::language {

namespace {

bool speaks(const QString& code) {
    for (const char* c : Codes)
        if (code == QLatin1String(c)) return true;
    return false;
}

void setNumbers(const QString& code) {
    QLocale locale(code == QLatin1String("en") ? QStringLiteral("en_US") : code);
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    QLocale::setDefault(locale);
}

}  // namespace

QString desktop(const QStringList& uiLanguages) {
    for (QString ui : uiLanguages) {
        ui.replace(u'-', u'_');
        if (ui == QLatin1String("C") || ui.startsWith(QLatin1String("en"))) return QStringLiteral("en");
        if (speaks(ui)) return ui;
        const QString base = ui.section(u'_', 0, 0);
        if (speaks(base)) return base;
        // Portuguese from anywhere reads the Brazilian translation best.
        for (const char* c : Codes)
            if (QString::fromLatin1(c).section(u'_', 0, 0) == base) return QString::fromLatin1(c);
    }
    return QStringLiteral("en");
}

QString desktop() { return desktop(QLocale::system().uiLanguages()); }

std::optional<QString> parse(const std::string& stored) {
    const QString code = QString::fromStdString(stored).trimmed();
    if (code.isEmpty() || code == QLatin1String("en") || speaks(code)) return code;
    return std::nullopt;
}

QString nativeName(const QString& code) {
    if (code == QLatin1String("en")) return QStringLiteral("English");
    QString name = QLocale(code).nativeLanguageName();
    if (!name.isEmpty()) name[0] = name[0].toUpper();
    return name;
}

Translations::Translations(QString folder) : folder_(std::move(folder)) {}

Translations::~Translations() {
    if (words_) QCoreApplication::removeTranslator(words_.get());
}

void Translations::apply(const QString& code) {
    if (words_) QCoreApplication::removeTranslator(words_.get());
    words_.reset();
    current_ = QStringLiteral("en");
    if (code != QLatin1String("en") && speaks(code)) {
        const QString file = folder_ + QStringLiteral("/realpentaro_") + code + QStringLiteral(".qm");
        auto words = std::make_unique<QTranslator>();
        if (words->load(file)) {
            QCoreApplication::installTranslator(words.get());
            words_ = std::move(words);
            current_ = code;
        } else {
            std::fprintf(stderr, "Real Pentaro: the translation %s is %s; the game speaks English\n", qPrintable(file),
                         QFileInfo(file).isFile() ? "damaged" : "missing");
        }
    }
    setNumbers(current_);
}

}  // namespace rp::language
