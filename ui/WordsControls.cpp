#include "ui/WordsControls.h"

#include "core/GeneratorModel.h"
#include "core/Wordlist.h"
#include "ui/EditSettings.h"
#include "ui/SettingsChipRows.h"
#include "ui/chips/ChipRow.h"
#include "ui/controls/LabeledRow.h"
#include "ui/style/Theme.h"
#include "ui/text/StyledLabel.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QVBoxLayout>

WordsControls::WordsControls(GeneratorModel &model, QWidget *parent)
    : QWidget(parent)
    , m_model(model)
{
    auto *column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(Theme::spacing);
    column->addWidget(makeListRow());
    column->addWidget(SettingsChipRows::forSeparators(model, this));
    column->addWidget(makeHintRow());
    column->addWidget(makeLimitRow());
    connect(&model, &GeneratorModel::settingsChanged, this, &WordsControls::refresh);
    refresh();
}

QString WordsControls::separatorHint(qsizetype separatorCount)
{
    if (separatorCount == 0)
        return tr("No separator \u2014 the words run together.");
    if (separatorCount == 1)
        return tr("Words are joined by this character.");
    return tr("Each join picks one at random, which makes it stronger.");
}

QWidget *WordsControls::makeHintRow()
{
    auto *rowWidget = new QWidget(this);
    QHBoxLayout *hintRow = LabeledRow::untitledRow(rowWidget, Theme::titleColumnSpacing);
    m_hint = new StyledLabel(separatorHint(m_model.settings().separators.size()),
                             Theme::TextStyle::caption, Theme::Foreground::secondary, rowWidget);
    m_hint->setObjectName(QStringLiteral("separatorHint"));
    m_hint->setWordWrap(true); // as many lines as it needs, never cut
    hintRow->addWidget(m_hint, 1);
    return rowWidget;
}

// Sites often cap a password at 20 characters or so: the passphrases that
// fit are drawn, and the strength is theirs.
QWidget *WordsControls::makeLimitRow()
{
    m_limit = new QSpinBox(this);
    m_limit->setObjectName(QStringLiteral("passphraseLimit"));
    m_limit->setRange(0, int(Settings::maximumPassphraseLimit));
    m_limit->setSpecialValueText(tr("No limit"));
    m_limit->setSuffix(tr(" characters"));
    m_limit->setAccessibleName(tr("Longest passphrase"));
    m_limit->setKeyboardTracking(false); // a typed number counts once it is whole
    connect(m_limit, &QSpinBox::valueChanged, this, [this](int limit) {
        editSettings(m_model, [&](Settings &settings) { settings.passphraseLimit = limit; });
    });
    auto *rest = new QWidget(this);
    rest->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    return new LabeledRow(tr("At most"), m_limit, rest, this);
}

// The lists by their own names; until one is picked, the one of the
// interface's language shows as chosen.
QWidget *WordsControls::makeListRow()
{
    m_list = new QComboBox(this);
    m_list->setObjectName(QStringLiteral("wordList"));
    m_list->setAccessibleName(tr("Word list"));
    for (const QString &name : Wordlist::names())
        m_list->addItem(Wordlist::autonym(name), name);
    m_list->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    connect(m_list, &QComboBox::activated, this, [this](int index) {
        const QString name = m_list->itemData(index).toString();
        editSettings(m_model, [&](Settings &settings) { settings.wordList = name; });
    });
    auto *rest = new QWidget(this);
    rest->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    return new LabeledRow(tr("List"), m_list, rest, this);
}

void WordsControls::refresh()
{
    const Settings &settings = m_model.settings();
    m_list->setCurrentIndex(m_list->findData(Wordlist::chosen(settings)));
    m_hint->setText(separatorHint(settings.separators.size()));
    const QSignalBlocker quiet(m_limit);
    m_limit->setValue(int(settings.passphraseLimit));
}
