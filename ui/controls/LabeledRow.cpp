#include "ui/controls/LabeledRow.h"

#include "ui/style/Theme.h"
#include "ui/text/StyledLabel.h"

#include <QHBoxLayout>

LabeledRow::LabeledRow(const QString &title, QWidget *content, QWidget *accessory, QWidget *parent)
    : QWidget(parent)
    , m_titleLabel(
          new StyledLabel(title, Theme::TextStyle::callout, Theme::Foreground::secondary, this))
    , m_content(content)
{
    m_titleLabel->setFixedWidth(Theme::titleColumnWidth);
    m_titleLabel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    // Screen readers hear the title as the content's label.
    m_titleLabel->setBuddy(content);

    auto *row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(Theme::titleColumnSpacing);
    row->addWidget(m_titleLabel, 0, Qt::AlignVCenter);
    row->addWidget(content, 0, Qt::AlignVCenter);
    row->addWidget(accessory, 0, Qt::AlignVCenter);
}

QHBoxLayout *LabeledRow::untitledRow(QWidget *row, int spacing)
{
    auto *layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(spacing);
    // A box layout puts no spacing after a spacer, so it is counted in: the
    // first control starts on the same edge as those of the titled rows.
    layout->addSpacing(Theme::titleColumnWidth + Theme::titleColumnSpacing);
    return layout;
}
