#include "core/SiteRules.h"

#include "core/ResourceFiles.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QUrl>

using namespace Qt::StringLiterals;

namespace SiteRules {

namespace {

const QJsonObject &table()
{
    static const QJsonObject sites = [] {
        QFile file(ResourceFiles::locate(u"site-rules.json"_s));
        if (!file.open(QIODevice::ReadOnly))
            return QJsonObject();
        return QJsonDocument::fromJson(file.readAll()).object();
    }();
    return sites;
}

// "https://Login.Example.com:443/x" and "example.com." both give the host.
QString hostOf(const QString &site)
{
    const QString trimmed = site.trimmed();
    const QUrl url = QUrl::fromUserInput(trimmed);
    QString host = url.isValid() && !url.host().isEmpty() ? url.host() : trimmed;
    while (host.endsWith(u'.'))
        host.chop(1);
    return host.toLower();
}

} // namespace

std::optional<QString> rulesFor(const QString &site)
{
    const QString host = hostOf(site);
    for (QString domain = host; !domain.isEmpty();) {
        const QJsonObject entry = table().value(domain).toObject();
        if (!entry.isEmpty()
            && (domain == host || !entry.value("exact-domain-match-only"_L1).toBool()))
            return entry.value("password-rules"_L1).toString();
        const qsizetype dot = domain.indexOf(u'.');
        domain = dot < 0 ? QString() : domain.mid(dot + 1);
    }
    return std::nullopt;
}

QStringList domains()
{
    return table().keys();
}

} // namespace SiteRules
