#include "services/clipboard/ConcealedTypeConverter.h"

#include "services/clipboard/MarkedItem.h"

namespace {

// The marker's MIME type and its pasteboard type are the same string.
QString sameNameFor(const QString &type)
{
    return type == concealedType ? type : QString();
}

QVariant marker(const QList<QByteArray> &data)
{
    return data.value(0);
}

QList<QByteArray> markerData(const QVariant &data)
{
    return {data.toByteArray()};
}

} // namespace

#if QT_VERSION >= QT_VERSION_CHECK(6, 5, 0)

QString ConcealedTypeConverter::mimeForUti(const QString &uti) const
{
    return sameNameFor(uti);
}

QString ConcealedTypeConverter::utiForMime(const QString &mime) const
{
    return sameNameFor(mime);
}

QVariant ConcealedTypeConverter::convertToMime(const QString &, const QList<QByteArray> &data,
                                               const QString &) const
{
    return marker(data);
}

QList<QByteArray> ConcealedTypeConverter::convertFromMime(const QString &, const QVariant &data,
                                                          const QString &) const
{
    return markerData(data);
}

#else

ConcealedTypeConverter::ConcealedTypeConverter()
    : QMacInternalPasteboardMime(MIME_CLIP)
{}

QString ConcealedTypeConverter::convertorName()
{
    return QStringLiteral("ConcealedType");
}

bool ConcealedTypeConverter::canConvert(const QString &mime, QString uti)
{
    return !sameNameFor(mime).isEmpty() && mime == uti;
}

QString ConcealedTypeConverter::mimeFor(QString uti)
{
    return sameNameFor(uti);
}

QString ConcealedTypeConverter::flavorFor(const QString &mime)
{
    return sameNameFor(mime);
}

QVariant ConcealedTypeConverter::convertToMime(const QString &, QList<QByteArray> data, QString)
{
    return marker(data);
}

QList<QByteArray> ConcealedTypeConverter::convertFromMime(const QString &, QVariant data, QString)
{
    return markerData(data);
}

#endif
