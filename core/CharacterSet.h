#pragma once

#include <QString>
#include <QStringList>

#include <initializer_list>

// A set of characters (NFC grapheme clusters), kept sorted by scalar value
// and free of repeats. The sorted list is implicitly shared, so copies and
// reads of a set cost next to nothing, which matters on the generation path.
class CharacterSet
{
public:
    CharacterSet() = default;
    CharacterSet(std::initializer_list<QString> characters);
    explicit CharacterSet(const QStringList &characters);

    // The set of the text's characters; repeats collapse.
    static CharacterSet fromText(const QString &text);

    bool contains(const QString &character) const;
    qsizetype size() const { return m_members.size(); }
    bool isEmpty() const { return m_members.isEmpty(); }

    void insert(const QString &character);
    void remove(const QString &character);
    CharacterSet subtracting(const CharacterSet &other) const;

    // Members in ascending scalar order.
    const QStringList &sorted() const { return m_members; }
    // The members joined in ascending scalar order.
    QString toText() const { return m_members.join(QString()); }

    friend bool operator==(const CharacterSet &, const CharacterSet &) = default;

private:
    void insertNormalized(const QString &character);

    QStringList m_members;
};
