#pragma once

#include <QByteArray>
#include <QLatin1StringView>
#include <QList>
#include <QMimeData>
#include <QString>

#include <utility>

// The type that marks a clipboard item as concealed. Every item the
// generator copies carries it, on every platform.
inline constexpr QLatin1StringView concealedType("org.nspasteboard.ConcealedType");
// A private type holding an id of the copy's own, drawn anew for each copy:
// a clipboard manager that takes an item over serves it whole, id included,
// so the clear knows its copy from anyone else's, whoever serves it.
inline constexpr QLatin1StringView copyIdType("application/x-tessellon-copy-id");

// 128 random bits as hex: one copy's id, never that of another.
QByteArray newCopyId();

// The types that keep a copy out of clipboard histories on this platform,
// each with its value, in the order they are offered, and, unless empty,
// the copy's id after them.
QList<std::pair<QString, QByteArray>> markers(const QByteArray &copyId);

// One clipboard item: the text, with the markers that keep it out of
// clipboard histories ahead of it and, unless empty, the copy's id. The
// platform owns it once it is on the clipboard and deletes it when it
// likes (Qt 6.4's Wayland clipboard never does), so the text is wiped when
// the clipboard lets go of it, not only when it is deleted.
class MarkedItem : public QMimeData
{
    Q_OBJECT

public:
    MarkedItem(const QString &text, const QByteArray &copyId);
    ~MarkedItem() override;

    // Zeroes every text the item holds, where it stands (the platform may
    // have added a converted copy), and empties the item.
    void wipe();

    // Deletes the items that the platform never deleted. Call once the
    // application object is gone: Qt has deleted then all it ever will.
    static void deleteUnclaimed();

protected:
    // The text as bytes comes from the item's own UTF-8 buffer, which the
    // wipe zeroes, rather than from a conversion made afresh for every
    // paste and freed as it was.
    QVariant retrieveData(const QString &format, QMetaType type) const override;

private:
    QByteArray m_utf8;
};
