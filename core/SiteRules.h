#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// The published password rules of known sites (site-rules.json, shipped
// beside the program), read on first use.
namespace SiteRules {

// The rules for a domain or address ("https://www.example.com/login"): its
// own entry, else its nearest parent domain's, unless that entry applies
// to its exact domain only.
std::optional<QString> rulesFor(const QString &site);

// The domains with rules, in order.
QStringList domains();

} // namespace SiteRules
