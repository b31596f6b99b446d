#pragma once

#include <QString>
#include <QStringList>
#include <QTranslator>

// The catalogues for the languages the user reads, in their order of
// preference: Tessellon's own, shipped beside the program, and Qt's for its
// standard texts (dialog buttons, the command-line parser's "Usage:").
// English, the language of the source, needs none: a first language that
// is English, or that has no catalogue before one that is, keeps English.
// Installed for as long as this object lives; the application object must
// exist first.
class Translations
{
public:
    explicit Translations(const QStringList &languages = systemLanguages());
    ~Translations();
    Translations(const Translations &) = delete;
    Translations &operator=(const Translations &) = delete;

    // The languages the user reads, most preferred first, as the system
    // tells them (LANGUAGE, then LC_ALL, LC_MESSAGES and LANG on Linux).
    static QStringList systemLanguages();

    // The catalogue in force, such as "de" or "pt_BR"; empty for English.
    QString language() const { return m_language; }

private:
    void install(const QStringList &languages);

    QTranslator m_own;
    QTranslator m_qt;
    QString m_language;
};
