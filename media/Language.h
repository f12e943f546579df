#pragma once
// The language the game speaks: English, or one of those whose translations
// lie beside the program in translations/realpentaro_<code>.qm.

#include <QString>
#include <QStringList>
#include <QTranslator>
#include <array>
#include <memory>
#include <optional>
#include <string>

namespace rp::language {

// The languages besides English, by the codes of their files and of the
// setting Params/Language.
inline constexpr std::array<const char*, 12> Codes = {"de", "fr", "es",    "it", "pt_BR", "nl",
                                                      "pl", "cs", "sv", "ru", "uk",    "ja"};

// The first language of the desktop's (LANGUAGE, LC_ALL, LC_MESSAGES, LANG,
// as Qt reads them) that the game speaks; "en" when none is.
QString desktop();
QString desktop(const QStringList& uiLanguages);

// What Params/Language asks for: a code, or "" to follow the desktop;
// nothing when it names no language the game speaks.
std::optional<QString> parse(const std::string& stored);

// The language's name in its own words ("Deutsch", "English").
QString nativeName(const QString& code);

// The translations in use, installed in the application.
class Translations {
public:
    explicit Translations(QString folder);
    ~Translations();

    // Speaks this language from now on ("en" or a code of Codes): installs
    // its translations, and makes numbers the language's (no grouping).
    // A missing or damaged file leaves its texts English and says so in one
    // line on standard error.
    void apply(const QString& code);
    const QString& current() const { return current_; }

private:
    QString folder_;
    QString current_ = QStringLiteral("en");
    std::unique_ptr<QTranslator> words_;
};

}  // namespace rp::language
