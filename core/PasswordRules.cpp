#include "core/PasswordRules.h"

#include "core/Characters.h"

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

using Kind = PasswordRules::CharacterClass::Kind;

struct NamedClass
{
    QLatin1StringView name;
    Kind kind;
};

constexpr NamedClass namedClasses[] = {
    {"upper"_L1, Kind::upper},
    {"lower"_L1, Kind::lower},
    {"digit"_L1, Kind::digit},
    {"special"_L1, Kind::special},
    {"ascii-printable"_L1, Kind::asciiPrintable},
    {"unicode"_L1, Kind::unicode},
};

// The published special class, less the space: whitespace is never drawn.
constexpr QLatin1StringView specials = R"(-~!@#$%^&*_+=`|(){}[]:;"'<>,.?)"_L1;

// Reads one property's value at a time; `at` moves past what was read.
class Reader
{
public:
    explicit Reader(const QString &text)
        : m_text(text)
    {}

    bool atEnd() { return skipSpaces(), m_at >= m_text.size(); }
    bool take(QChar expected)
    {
        skipSpaces();
        if (m_at < m_text.size() && m_text.at(m_at) == expected)
            return ++m_at, true;
        return false;
    }
    QString word()
    {
        skipSpaces();
        const qsizetype start = m_at;
        while (m_at < m_text.size()
               && (m_text.at(m_at).isLetterOrNumber() || m_text.at(m_at) == u'-'))
            ++m_at;
        return m_text.mid(start, m_at - start).toLower();
    }
    // After the opening bracket. A "]" closes the class unless another
    // follows it: "[abc]]" holds a, b, c and "]".
    std::optional<CharacterSet> customClass()
    {
        const qsizetype start = m_at;
        while (m_at < m_text.size()) {
            if (m_text.at(m_at) == u']'
                && !(m_at + 1 < m_text.size() && m_text.at(m_at + 1) == u']'))
                break;
            ++m_at;
        }
        if (m_at >= m_text.size())
            return std::nullopt;
        CharacterSet set;
        for (const QString &character : Characters::graphemes(m_text.mid(start, m_at - start))) {
            if (!Characters::isWhitespace(character))
                set.insert(character);
        }
        ++m_at;
        return set;
    }
    // The text of the property being read, for an error message.
    QString property(qsizetype start) const
    {
        const qsizetype end = m_text.indexOf(u';', m_at);
        return m_text.mid(start, (end < 0 ? m_text.size() : end) - start).trimmed();
    }
    qsizetype position() const { return m_at; }
    void skipTo(QChar stop)
    {
        while (m_at < m_text.size() && m_text.at(m_at) != stop)
            ++m_at;
    }

private:
    void skipSpaces()
    {
        while (m_at < m_text.size() && m_text.at(m_at).isSpace())
            ++m_at;
    }

    const QString &m_text;
    qsizetype m_at = 0;
};

std::optional<PasswordRules::CharacterClass> readClass(Reader &reader)
{
    if (reader.take(u'[')) {
        std::optional<CharacterSet> characters = reader.customClass();
        if (!characters)
            return std::nullopt;
        return PasswordRules::CharacterClass{Kind::custom, std::move(*characters)};
    }
    const QString name = reader.word();
    for (const NamedClass &named : namedClasses) {
        if (name == named.name)
            return PasswordRules::CharacterClass{named.kind};
    }
    return std::nullopt;
}

std::optional<PasswordRules::Choice> readClasses(Reader &reader)
{
    PasswordRules::Choice classes;
    do {
        std::optional<PasswordRules::CharacterClass> characterClass = readClass(reader);
        if (!characterClass)
            return std::nullopt;
        classes.append(std::move(*characterClass));
    } while (reader.take(u','));
    return classes;
}

std::optional<qint64> readCount(Reader &reader)
{
    bool ok = false;
    const qint64 value = reader.word().toLongLong(&ok);
    return ok && value >= 0 ? std::optional(value) : std::nullopt;
}

// Repeated limits keep the strictest.
void tighten(std::optional<qint64> &limit, qint64 value, bool lower)
{
    limit = !limit ? value : lower ? std::max(*limit, value) : std::min(*limit, value);
}

bool readProperty(Reader &reader, PasswordRules &rules)
{
    const QString name = reader.word();
    if (!reader.take(u':'))
        return false;
    if (name == "required"_L1 || name == "allowed"_L1) {
        std::optional<PasswordRules::Choice> classes = readClasses(reader);
        if (!classes)
            return false;
        if (name == "allowed"_L1)
            rules.allowed += *classes;
        else if (!rules.required.contains(*classes))
            rules.required.append(std::move(*classes));
        return true;
    }
    const std::optional<qint64> count = readCount(reader);
    if (!count)
        return false;
    if (name == "minlength"_L1)
        tighten(rules.minLength, *count, true);
    else if (name == "maxlength"_L1)
        tighten(rules.maxLength, *count, false);
    else if (name == "max-consecutive"_L1 && *count >= 1) // no run is shorter than one
        tighten(rules.maxConsecutive, *count, false);
    else
        return false;
    return true;
}

} // namespace

bool PasswordRules::CharacterClass::contains(const QString &character) const
{
    const char32_t scalar = Characters::firstScalar(character);
    const bool ascii = character.size() == 1 && scalar < 0x80;
    switch (kind) {
    case Kind::upper:
        return ascii && scalar >= u'A' && scalar <= u'Z';
    case Kind::lower:
        return ascii && scalar >= u'a' && scalar <= u'z';
    case Kind::digit:
        return ascii && scalar >= u'0' && scalar <= u'9';
    case Kind::special:
        return ascii && specials.contains(QChar(scalar));
    case Kind::asciiPrintable:
        return ascii && scalar > u' ' && scalar < 0x7F;
    case Kind::unicode:
        return true;
    case Kind::custom:
        return characters.contains(character);
    }
    return false; // not reached: every kind returns above
}

QString PasswordRules::CharacterClass::toText() const
{
    for (const NamedClass &named : namedClasses) {
        if (named.kind == kind)
            return named.name;
    }
    // A "]" goes last, where it is read back as one of the class.
    QString text = characters.toText();
    if (text.contains(u']'))
        text = text.remove(u']') + u']';
    return u'[' + text + u']';
}

std::variant<PasswordRules, QString> PasswordRules::parse(const QString &text)
{
    // Published rules run to a few hundred characters; a longer text is
    // not rules, and reading it would only keep the interface waiting.
    constexpr qsizetype longest = 4096;
    if (text.size() > longest)
        return text.left(24) + u'\u2026';
    PasswordRules rules;
    Reader reader(text);
    while (!reader.atEnd()) {
        if (reader.take(u';'))
            continue; // an empty property
        const qsizetype start = reader.position();
        if (!readProperty(reader, rules) || !(reader.atEnd() || reader.take(u';'))) {
            reader.skipTo(u';');
            return reader.property(start);
        }
    }
    return rules;
}

bool PasswordRules::allows(const QString &character) const
{
    if (allowed.isEmpty() && required.isEmpty())
        return true;
    const auto holds = [&](const CharacterClass &c) { return c.contains(character); };
    return std::ranges::any_of(allowed, holds)
           || std::ranges::any_of(
               required, [&](const Choice &choice) { return std::ranges::any_of(choice, holds); });
}

QString PasswordRules::toText(const Choice &choice)
{
    QStringList parts;
    for (const CharacterClass &c : choice)
        parts << c.toText();
    return parts.join(", "_L1);
}

QString PasswordRules::toText() const
{
    QStringList parts;
    if (minLength)
        parts << "minlength: "_L1 + QString::number(*minLength);
    if (maxLength)
        parts << "maxlength: "_L1 + QString::number(*maxLength);
    if (maxConsecutive)
        parts << "max-consecutive: "_L1 + QString::number(*maxConsecutive);
    for (const Choice &choice : required)
        parts << "required: "_L1 + toText(choice);
    if (!allowed.isEmpty())
        parts << "allowed: "_L1 + toText(allowed);
    return parts.join("; "_L1);
}
