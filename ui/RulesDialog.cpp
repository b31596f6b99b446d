#include "ui/RulesDialog.h"

#include "core/PasswordRules.h"
#include "core/SiteRules.h"
#include "ui/style/Theme.h"
#include "ui/text/StyledLabel.h"

#include <QCompleter>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

RulesDialog::RulesDialog(const QString &rules, QWidget *parent)
    : QDialog(parent)
    , m_field(new QLineEdit(rules, this))
    , m_reading(
          new StyledLabel(QString(), Theme::TextStyle::caption, Theme::Foreground::secondary, this))
    , m_buttons(new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this))
{
    setWindowTitle(tr("Password Rules"));
    auto *prompt = new QLabel(tr("A site's domain, or the rules it publishes:"), this);
    prompt->setBuddy(m_field);
    m_field->setObjectName(QStringLiteral("rulesField"));
    m_field->setPlaceholderText(tr("example.com or minlength: 8; required: digit"));
    m_field->setClearButtonEnabled(true);
    m_field->setMinimumWidth(360);
    auto *completer = new QCompleter(SiteRules::domains(), m_field);
    completer->setCaseSensitivity(Qt::CaseInsensitive);
    m_field->setCompleter(completer);
    m_reading->setObjectName(QStringLiteral("rulesReading"));
    m_reading->setWordWrap(true);
    m_reading->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto *column = new QVBoxLayout(this);
    column->addWidget(prompt);
    column->addWidget(m_field);
    column->addWidget(m_reading);
    column->addWidget(m_buttons);
    connect(m_buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(m_buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_field, &QLineEdit::textChanged, this, &RulesDialog::read);
    read(rules);
}

// Rules are told by their colon; anything else is looked up as a site,
// and an address with a scheme is a site too.
void RulesDialog::read(const QString &typed)
{
    m_rules.reset();
    const QString text = typed.trimmed();
    QString reading;
    if (text.isEmpty()) {
        m_rules = QString();
        reading = tr("No rules: passwords follow the options alone.");
    } else if (const std::optional<QString> site = SiteRules::rulesFor(text)) {
        reading = readRules(*site, [&](const QString &rules) {
            return tr("The rules of %1: %2").arg(text, rules);
        });
    } else if (text.contains(u':') && !text.contains(QStringLiteral("://"))) {
        reading =
            readRules(text, [](const QString &rules) { return tr("Read as: %1").arg(rules); });
    } else {
        reading = tr("No rules are known for \u201C%1\u201D.").arg(text);
    }
    m_reading->setText(reading);
    m_buttons->button(QDialogButtonBox::Ok)->setEnabled(m_rules.has_value());
}

// The rules in one spelling, as `saying` tells them, or what cannot be read
// of them: a known site's file may have been edited too.
QString RulesDialog::readRules(const QString &text,
                               const std::function<QString(const QString &)> &saying)
{
    const auto parsed = PasswordRules::parse(text);
    if (const auto *rules = std::get_if<PasswordRules>(&parsed)) {
        m_rules = rules->toText();
        return saying(*m_rules);
    }
    return tr("These rules can't be read at \u201C%1\u201D.").arg(std::get<QString>(parsed));
}
