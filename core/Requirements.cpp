#include "core/Requirements.h"

#include "core/Alphabet.h"
#include "core/Characters.h"
#include "core/PasswordRules.h"

#include <QHash>
#include <QMap>

#include <algorithm>
#include <bit>
#include <cmath>
#include <limits>

using namespace Qt::StringLiterals;

namespace {

// Inclusion–exclusion runs over every subset of the groups.
constexpr qsizetype maximumGroups = 16;

using Members = QList<bool>; // per pool character

bool isSubset(const Members &a, const Members &b)
{
    for (qsizetype i = 0; i < a.size(); ++i) {
        if (a[i] && !b[i])
            return false;
    }
    return true;
}

// A group that holds another is met whenever that one is: only the
// smallest groups are kept, each once.
QList<Members> essentialGroups(const QList<Members> &groups)
{
    QList<Members> kept;
    for (qsizetype i = 0; i < groups.size(); ++i) {
        const bool implied =
            std::ranges::any_of(
                groups.first(i),
                [&](const Members &earlier) { return isSubset(earlier, groups[i]); })
            || std::ranges::any_of(groups.sliced(i + 1), [&](const Members &later) {
                   return isSubset(later, groups[i]) && later != groups[i];
               });
        if (!implied)
            kept.append(groups[i]);
    }
    return kept;
}

std::optional<PasswordRules> readRules(const QString &text, GeneratorError &error)
{
    if (text.trimmed().isEmpty())
        return PasswordRules();
    auto parsed = PasswordRules::parse(text);
    if (const auto *unreadable = std::get_if<QString>(&parsed)) {
        error = {GeneratorError::rulesUnreadable, *unreadable};
        return std::nullopt;
    }
    return std::get<PasswordRules>(std::move(parsed));
}

} // namespace

std::variant<Requirements, GeneratorError> Requirements::from(const Settings &settings)
{
    GeneratorError error(GeneratorError::emptyAlphabet);
    const std::optional<PasswordRules> rules = readRules(settings.passwordRules, error);
    if (!rules)
        return error;

    Requirements requirements;
    const QStringList pool = settings.effectivePool();
    // A form's maxlength counts UTF-16 units: under one, a character of two
    // or more units (an emoji, a flag) could make the password too long.
    const bool unitsCounted = rules->maxLength.has_value();
    for (const QString &character : pool) {
        if (rules->allows(character) && !(unitsCounted && character.size() > 1))
            requirements.m_pool.append(character);
    }
    if (requirements.m_pool.size() < 2) {
        if (pool.size() < 2)
            return GeneratorError::emptyAlphabet;
        return GeneratorError(GeneratorError::ruleUnmet,
                              rules->allowed.isEmpty()
                                  ? u"required: "_s + PasswordRules::toText(rules->required.first())
                                  : u"allowed: "_s + PasswordRules::toText(rules->allowed));
    }

    const qint64 shortest = rules->minLength.value_or(0);
    const qint64 longest = rules->maxLength.value_or(std::numeric_limits<qint64>::max());
    if (shortest > longest)
        return GeneratorError(GeneratorError::lengthUnmet,
                              u"minlength: %1; maxlength: %2"_s.arg(shortest).arg(longest));
    // No longer than the longest password the window offers, whatever a
    // rule asks: a typed "minlength: 99999999" must not fill the memory.
    if (shortest > Settings::maximumLength)
        return GeneratorError(GeneratorError::lengthUnmet, u"minlength: %1"_s.arg(shortest));
    if (longest < 1)
        return GeneratorError(GeneratorError::lengthUnmet, u"maxlength: %1"_s.arg(longest));
    requirements.m_length = std::clamp(std::max<qint64>(settings.length, 0), shortest, longest);
    requirements.m_maxRun = rules->maxConsecutive.value_or(0);

    const QStringList &chosen = requirements.m_pool;
    const auto membersOf = [&](auto holds) {
        Members members(chosen.size());
        for (qsizetype i = 0; i < chosen.size(); ++i)
            members[i] = holds(chosen[i]);
        return members;
    };
    QList<Members> groups;
    if (settings.requireEachGroup) {
        for (const CharacterGroup &group : Alphabet::all())
            groups.append(
                membersOf([&](const QString &c) { return group.characters.contains(c); }));
        if (settings.mode == GeneratorMode::advanced) {
            const CharacterSet extras = CharacterSet::fromText(settings.additionalCharacters);
            groups.append(membersOf([&](const QString &c) { return extras.contains(c); }));
        }
        groups.removeIf([](const Members &members) { return !members.contains(true); });
    }
    for (const PasswordRules::Choice &choice : rules->required) {
        groups.append(membersOf([&](const QString &c) {
            return std::ranges::any_of(choice, [&](const auto &cls) { return cls.contains(c); });
        }));
        if (!groups.last().contains(true))
            return GeneratorError(GeneratorError::ruleUnmet,
                                  u"required: "_s + PasswordRules::toText(choice));
    }

    groups = essentialGroups(groups);
    if (groups.size() > maximumGroups)
        return GeneratorError::tooManyGroups;
    requirements.m_masks.fill(0, chosen.size());
    for (qsizetype g = 0; g < groups.size(); ++g) {
        for (qsizetype i = 0; i < chosen.size(); ++i)
            requirements.m_masks[i] |= quint32(groups[g][i]) << g;
    }
    requirements.m_allGroups = quint32((1u << groups.size()) - 1);
    requirements.countPasswords();
    return requirements;
}

bool Requirements::isMetBy(const quint32 *indices) const
{
    quint32 seen = 0;
    qint64 run = 0;
    for (qint64 i = 0; i < m_length; ++i) {
        seen |= m_masks[indices[i]];
        run = i > 0 && indices[i] == indices[i - 1] ? run + 1 : 1;
        if (m_maxRun > 0 && run > m_maxRun)
            return false;
    }
    return (seen & m_allGroups) == m_allGroups;
}

double Requirements::acceptance() const
{
    return std::exp2(entropyBits() - double(m_length) * std::log2(double(m_pool.size())));
}

BigCount Requirements::withRunsOfAtMost(quint32 size, qint64 length, qint64 maxRun)
{
    if (maxRun <= 0 || maxRun >= length)
        return BigCount::power(size, length);
    if (size == 0)
        return BigCount();
    // After the first run, each run is one of the other size - 1 characters:
    // tails[r] counts the ways to fill r places with such runs, and sums[r]
    // adds up tails[0..r].
    std::vector<BigCount> sums;
    sums.reserve(size_t(length));
    const auto sumOf = [&](qint64 from, qint64 to) { // tails[from..to], from >= 0
        BigCount total = sums[size_t(to)];
        if (from > 0)
            total -= sums[size_t(from - 1)];
        return total;
    };
    sums.push_back(BigCount(1));
    for (qint64 r = 1; r < length; ++r) {
        BigCount tail = sumOf(std::max<qint64>(r - maxRun, 0), r - 1);
        tail *= size - 1;
        tail += sums.back();
        sums.push_back(std::move(tail));
    }
    BigCount total = sumOf(length - maxRun, length - 1);
    total *= size;
    return total;
}

void Requirements::countPasswords()
{
    const quint32 size = quint32(m_pool.size());
    // Characters alike in the groups they belong to, counted once each.
    QHash<quint32, quint32> alike;
    for (quint32 mask : m_masks)
        ++alike[mask];
    // Passwords that miss every group of a subset S have an alphabet of
    // the characters in none of S; by inclusion–exclusion, the subsets with
    // equal alphabets add up to one signed coefficient.
    QMap<quint32, qint64> coefficients;
    for (quint32 subset = 0; subset <= m_allGroups; ++subset) {
        quint32 left = size;
        for (auto [mask, count] : alike.asKeyValueRange()) {
            if (mask & subset)
                left -= count;
        }
        coefficients[left] += std::popcount(subset) % 2 ? -1 : 1;
    }
    BigCount added, taken;
    for (auto [left, coefficient] : coefficients.asKeyValueRange()) {
        if (coefficient == 0)
            continue;
        BigCount term = withRunsOfAtMost(left, m_length, m_maxRun);
        term *= quint32(std::abs(coefficient));
        (coefficient > 0 ? added : taken) += term;
    }
    added -= taken;
    m_count = std::move(added);
}
