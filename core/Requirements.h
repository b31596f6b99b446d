#pragma once

#include "core/BigCount.h"
#include "core/GeneratorError.h"
#include "core/Settings.h"

#include <QList>
#include <QStringList>

#include <variant>

// What a password of the settings must meet: its pool and length, groups
// of which it holds at least one character each, and a limit on identical
// characters in a row. It also counts, exactly, the passwords that meet
// them, so that the strength figures are those of the passwords drawn.
class Requirements
{
public:
    static std::variant<Requirements, GeneratorError> from(const Settings &settings);

    const QStringList &pool() const { return m_pool; }
    qint64 length() const { return m_length; }
    // Every draw meets them.
    bool isOpen() const { return m_allGroups == 0 && m_maxRun == 0; }
    // A draw of length() pool indices.
    bool isMetBy(const quint32 *indices) const;

    // How many passwords meet them, and the share of draws that do.
    const BigCount &count() const { return m_count; }
    double entropyBits() const { return m_count.log2(); }
    double acceptance() const;

    // Strings of the length over an alphabet of `size` with no more than
    // `maxRun` identical characters in a row (0: no limit).
    static BigCount withRunsOfAtMost(quint32 size, qint64 length, qint64 maxRun);

private:
    Requirements() = default;
    void countPasswords();

    QStringList m_pool;
    qint64 m_length = 0;
    qint64 m_maxRun = 0;
    QList<quint32> m_masks; // per pool character: the groups it is in
    quint32 m_allGroups = 0;
    BigCount m_count;
};
