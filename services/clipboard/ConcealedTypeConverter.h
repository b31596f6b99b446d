#pragma once

// macOS only. Qt puts a MIME type it has no converter for on the pasteboard
// under a made-up "com.trolltech.anymime." name, where no clipboard tool
// would look for the concealed marker; this converter keeps its own name.
// Qt 6.5 made the converter base public as QUtiMimeConverter; before that
// it is Qt's private QMacInternalPasteboardMime. Instances register
// themselves on construction, and Qt deletes them when it shuts down.

#include <QByteArray>
#include <QList>
#include <QMimeData>
#include <QString>
#include <QVariant>

#if QT_VERSION >= QT_VERSION_CHECK(6, 5, 0)
#include <QUtiMimeConverter>

class ConcealedTypeConverter final : public QUtiMimeConverter
{
public:
    QString mimeForUti(const QString &uti) const override;
    QString utiForMime(const QString &mime) const override;
    QVariant convertToMime(const QString &mime, const QList<QByteArray> &data,
                           const QString &uti) const override;
    QList<QByteArray> convertFromMime(const QString &mime, const QVariant &data,
                                      const QString &uti) const override;
};

#else
#include <QtGui/private/qmacmime_p.h>

class ConcealedTypeConverter final : public QMacInternalPasteboardMime
{
public:
    ConcealedTypeConverter();

    QString convertorName() override;
    bool canConvert(const QString &mime, QString uti) override;
    QString mimeFor(QString uti) override;
    QString flavorFor(const QString &mime) override;
    QVariant convertToMime(const QString &mime, QList<QByteArray> data, QString uti) override;
    QList<QByteArray> convertFromMime(const QString &mime, QVariant data, QString uti) override;
};
#endif
