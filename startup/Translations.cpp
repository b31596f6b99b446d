#include "startup/Translations.h"

#include "core/ResourceFiles.h"
#include "core/Wordlist.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>

namespace {

// "de-DE" as the system writes it, tried as "de_DE" and then "de"; "pt-BR"
// as "pt_BR", then "pt".
QStringList catalogueNames(QString language)
{
    language.replace(u'-', u'_');
    QStringList names{language};
    if (const QString base = language.section(u'_', 0, 0); base != language)
        names << base;
    return names;
}

// Qt lays the window out right to left when the catalogue says so: Arabic's
// says "RTL" here, every other "LTR".
[[maybe_unused]] constexpr const char *layoutDirection =
    QT_TRANSLATE_NOOP("QGuiApplication", "QT_LAYOUT_DIRECTION");

bool isEnglish(const QString &language)
{
    return language == u"en" || language.startsWith(u"en_") || language.startsWith(u"en-")
           || language == u"C" || language == u"POSIX";
}

} // namespace

Translations::Translations(const QStringList &languages)
{
    install(languages);
    Wordlist::followInterface();
}

void Translations::install(const QStringList &languages)
{
    for (const QString &language : languages) {
        if (isEnglish(language))
            return;
        for (const QString &name : catalogueNames(language)) {
            const QString file =
                ResourceFiles::locate(QStringLiteral("translations/tessellon_%1.qm").arg(name));
            if (!file.isEmpty() && m_own.load(file)) {
                m_language = name;
                QCoreApplication::installTranslator(&m_own);
                // Qt's own texts in the same language, where Qt ships them.
                if (m_qt.load(QStringLiteral("qtbase_") + name,
                              QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
                    QCoreApplication::installTranslator(&m_qt);
                return;
            }
        }
    }
}

Translations::~Translations()
{
    QCoreApplication::removeTranslator(&m_qt);
    QCoreApplication::removeTranslator(&m_own);
    Wordlist::followInterface();
}

QStringList Translations::systemLanguages()
{
    return QLocale::system().uiLanguages();
}
