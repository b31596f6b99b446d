#include "cli/PasswordLine.h"

#include "core/Strength.h"
#include "core/Wordlist.h"

#include <QJsonDocument>
#include <QJsonObject>

QByteArray passwordLine(const GeneratedPassword &password, CommandLineRequest::Output output,
                        const Settings &settings)
{
    if (output == CommandLineRequest::Output::passwords)
        return password.text.toUtf8().append('\n');
    // Scripts read these: English whatever the user's language.
    const QString rating = Strength(password.entropyBits).label(Wording::english);
    const QString crackTime = password.crackTime(Wording::english);
    if (output == CommandLineRequest::Output::strength)
        return QStringList{password.text, QString::number(password.entropyBits, 'f', 1), rating,
                           crackTime}
            .join(u'\t')
            .toUtf8()
            .append('\n');
    QJsonObject object{
        {QStringLiteral("text"), password.text},
        {QStringLiteral("entropyBits"), password.entropyBits},
        {QStringLiteral("poolSize"), password.poolSize},
        {QStringLiteral("unitCount"), password.unitCount},
        {QStringLiteral("mode"), rawValue(password.mode)},
        {QStringLiteral("rating"), rating},
        {QStringLiteral("crackTime"), crackTime},
    };
    if (password.mode == GeneratorMode::words)
        object.insert(QStringLiteral("wordList"), Wordlist::chosen(settings));
    if (password.mode == GeneratorMode::words && settings.passphraseLimit > 0)
        object.insert(QStringLiteral("maxLength"), settings.passphraseLimit);
    if (password.mode != GeneratorMode::words
        && (settings.requireEachGroup || !settings.passwordRules.isEmpty())) {
        object.insert(QStringLiteral("requireEachGroup"), settings.requireEachGroup);
        object.insert(QStringLiteral("rules"), settings.passwordRules);
    }
    return QJsonDocument(object).toJson(QJsonDocument::Compact) + '\n';
}
