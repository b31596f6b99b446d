#include "services/JsonMembers.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QRegularExpression>

namespace JsonMembers {

namespace {

// A forward scan over text that QJsonDocument already accepted, so it may
// take the grammar for granted and only needs to find where values end.
class Scanner
{
public:
    explicit Scanner(const QByteArray &text)
        : m_text(text)
    {}

    bool atEnd() { return skipSpace() >= m_text.size(); }
    bool take(char c)
    {
        if (skipSpace() < m_text.size() && m_text.at(m_at) == c) {
            ++m_at;
            return true;
        }
        return false;
    }

    // A string token, quotes included.
    QByteArray string()
    {
        const qsizetype start = skipSpace();
        for (++m_at; m_at < m_text.size() && m_text.at(m_at) != '"'; ++m_at) {
            if (m_text.at(m_at) == '\\')
                ++m_at;
        }
        ++m_at;
        return m_text.mid(start, m_at - start);
    }

    // Any value, nested ones whole.
    QByteArray value()
    {
        const qsizetype start = skipSpace();
        int depth = 0;
        while (m_at < m_text.size()) {
            const char c = m_text.at(m_at);
            if (c == '"') {
                string();
                if (depth == 0)
                    break;
                continue;
            }
            if (depth == 0 && (c == ',' || c == '}' || c == ']' || isSpace(c)))
                break;
            if (c == '{' || c == '[')
                ++depth;
            if ((c == '}' || c == ']') && --depth == 0) {
                ++m_at;
                break;
            }
            ++m_at;
        }
        return m_text.mid(start, m_at - start);
    }

private:
    static bool isSpace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }

    qsizetype skipSpace()
    {
        while (m_at < m_text.size() && isSpace(m_text.at(m_at)))
            ++m_at;
        return m_at;
    }

    const QByteArray &m_text;
    qsizetype m_at = 0;
};

QString decodedKey(const QByteArray &token)
{
    return QJsonDocument::fromJson('[' + token + ']').array().at(0).toString();
}

} // namespace

QHash<QString, QByteArray> rawValues(const QByteArray &json)
{
    if (!QJsonDocument::fromJson(json).isObject())
        return {};
    QHash<QString, QByteArray> members;
    Scanner scanner(json);
    scanner.take('{');
    while (!scanner.take('}') && !scanner.atEnd()) {
        const QString key = decodedKey(scanner.string());
        scanner.take(':');
        members.insert(key, scanner.value());
        scanner.take(',');
    }
    return members;
}

std::optional<qint64> integerLiteral(const QByteArray &raw)
{
    static const QRegularExpression integer(QStringLiteral("\\A-?(0|[1-9][0-9]*)\\z"));
    if (!integer.match(QString::fromLatin1(raw)).hasMatch())
        return std::nullopt;
    bool fits = false;
    const qint64 value = raw.toLongLong(&fits);
    if (!fits)
        return std::nullopt;
    return value;
}

} // namespace JsonMembers
