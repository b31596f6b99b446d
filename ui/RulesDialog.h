#pragma once

#include <QDialog>

#include <functional>
#include <optional>

class QDialogButtonBox;
class QLabel;
class QLineEdit;

// Asks for a site's password rules: a known site's domain or address, or
// rules pasted in the language sites publish. What they read as is shown
// while typing, and only rules that can be read are accepted.
class RulesDialog : public QDialog
{
    Q_OBJECT

public:
    explicit RulesDialog(const QString &rules, QWidget *parent = nullptr);

    // The rules accepted, in one spelling; empty for none.
    QString rules() const { return m_rules.value_or(QString()); }

private:
    void read(const QString &typed);
    QString readRules(const QString &text, const std::function<QString(const QString &)> &saying);

    QLineEdit *m_field;
    QLabel *m_reading;
    QDialogButtonBox *m_buttons;
    std::optional<QString> m_rules;
};
