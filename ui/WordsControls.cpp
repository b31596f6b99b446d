#include "ui/WordsControls.h"

#include "core/GeneratorModel.h"
#include "core/Wordlist.h"
#include "core/WordlistVerdict.h"
#include "ui/EditSettings.h"
#include "ui/SettingsChipRows.h"
#include "ui/chips/ChipRow.h"
#include "ui/controls/LabeledRow.h"
#include "ui/style/Theme.h"
#include "ui/text/StyledLabel.h"

#include <QComboBox>
#include <QFileDialog>
#include <QFileInfo>
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
    m_verdict =
        new StyledLabel(QString(), Theme::TextStyle::caption, Theme::Foreground::secondary, this);
    m_verdict->setObjectName(QStringLiteral("wordListVerdict"));
    m_verdict->setWordWrap(true);
    column->addWidget(m_verdict);
    column->addWidget(SettingsChipRows::forSeparators(model, this));
    column->addWidget(makeHintRow());
    column->addWidget(makeLimitRow());
    connect(&model, &GeneratorModel::settingsChanged, this, &WordsControls::refresh);
    fallBackFromAnOwnListGone();
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
    // Last, and without data: the user's own file, chosen in a dialog.
    m_list->addItem(tr("From a File\u2026"));
    m_list->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    connect(m_list, &QComboBox::activated, this, [this](int index) {
        const QString name = m_list->itemData(index).toString();
        if (name.isEmpty())
            return chooseOwnList();
        m_notice.clear();
        editSettings(m_model, [&](Settings &settings) {
            settings.wordList = name;
            settings.wordListSha256.clear();
        });
    });
    auto *rest = new QWidget(this);
    rest->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    return new LabeledRow(tr("List"), m_list, rest, this);
}

// The desktop's own file dialog (the portal's where the program runs
// sandboxed); the file is read anew, since the user may have mended it.
void WordsControls::chooseOwnList()
{
    const QString path = QFileDialog::getOpenFileName(this, tr("Choose a Word List"), QString(),
                                                      tr("Word lists (*.txt);;All files (*)"));
    if (path.isEmpty())
        return refresh(); // cancelled: the choice shows as it was
    const WordlistVerdict &verdict = Wordlist::readOwn(path);
    if (!verdict.usable()) {
        m_notice = tr("\u201C%1\u201D can't be used: %2")
                       .arg(QFileInfo(path).fileName(), verdict.summary());
        return refresh();
    }
    m_notice.clear();
    editSettings(m_model, [&](Settings &settings) {
        settings.wordList = path;
        settings.wordListSha256 = QString::fromLatin1(verdict.sha256);
    });
}

// An own list that has gone or changed since it was chosen is let go at
// start, and the reason stays in view until another list is chosen.
void WordsControls::fallBackFromAnOwnListGone()
{
    const Settings &settings = m_model.settings();
    if (!Wordlist::isOwnFile(settings.wordList) || Wordlist::ownChosen(settings))
        return;
    const WordlistVerdict &verdict = Wordlist::own(settings.wordList);
    const QString name = QFileInfo(settings.wordList).fileName();
    m_notice =
        verdict.usable()
            ? tr("\u201C%1\u201D has changed since it was chosen: choose it again to use it.")
                  .arg(name)
            : tr("\u201C%1\u201D can't be used any more: %2").arg(name, verdict.summary());
    editSettings(m_model, [](Settings &settings) {
        settings.wordList.clear();
        settings.wordListSha256.clear();
    });
}

void WordsControls::refresh()
{
    const Settings &settings = m_model.settings();
    const WordlistVerdict *own = Wordlist::ownChosen(settings);
    // One item for the own list in use, before "From a File…".
    const int ownItem = int(Wordlist::names().size());
    if (m_list->count() > ownItem + 1)
        m_list->removeItem(ownItem);
    if (own)
        m_list->insertItem(ownItem, QFileInfo(settings.wordList).fileName(), settings.wordList);
    m_list->setCurrentIndex(m_list->findData(Wordlist::chosen(settings)));
    const QString verdict = own ? own->summary() : m_notice;
    m_verdict->setText(verdict);
    m_verdict->setVisible(!verdict.isEmpty());
    // Run together, a list whose words begin others splits more ways than one.
    const bool ambiguous =
        settings.separators.isEmpty() && Wordlist::prefixChain(Wordlist::chosenWords(settings)) > 1;
    m_hint->setText(ambiguous ? tr("No separator \u2014 and as some words begin others, the "
                                   "strength counts only what can be told apart.")
                              : separatorHint(settings.separators.size()));
    const QSignalBlocker quiet(m_limit);
    m_limit->setValue(int(settings.passphraseLimit));
}
