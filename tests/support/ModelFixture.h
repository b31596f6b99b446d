#pragma once

#include "core/GeneratorModel.h"
#include "core/SettingsStore.h"

#include <QStringList>

#include <memory>

class MemoryStore final : public SettingsStore
{
public:
    Settings load() const override { return stored; }
    void save(const Settings &settings) override
    {
        stored = settings;
        ++saves;
        log.append(QStringLiteral("saved"));
    }

    Settings stored;
    int saves = 0;
    QStringList log; // its saves, and the model's notices among them
};

// What the model starts from; null and empty members are the real thing.
struct ModelOptions
{
    Settings start = {};
    RandomSource *random = nullptr;
    PasswordGenerator::WordlistProvider words = {};
    CopyTimings timings = {};
};

// The real model on a memory store; copies noted, not put on the clipboard; notices in its log.
struct ModelFixture
{
    explicit ModelFixture(const ModelOptions &options = {})
    {
        store.stored = options.start;
        model = std::make_unique<GeneratorModel>(ModelServices{
            .store = store,
            .copyToClipboard =
                [this](const QString &text, std::optional<std::chrono::milliseconds> delay) {
                    copiedTexts.append(text);
                    copyDelays.append(delay);
                },
            .random = options.random ? *options.random : RandomSource::system(),
            .words = options.words,
            .timings = options.timings});
        const std::pair<void (GeneratorModel::*)(), const char *> notices[] = {
            {&GeneratorModel::currentChanged, "current"},
            {&GeneratorModel::historyEntryAdded, "added"},
            {&GeneratorModel::oldestHistoryEntryDropped, "dropped"},
            {&GeneratorModel::historyCleared, "cleared"},
            {&GeneratorModel::historyChanged, "history"},
            {&GeneratorModel::errorMessageChanged, "errorMessage"},
            {&GeneratorModel::didCopyChanged, "didCopy"},
            {&GeneratorModel::settingsChanged, "settings"}};
        for (const auto &[notice, name] : notices)
            QObject::connect(model.get(), notice, [this, name] { log.append(name); });
    }

    MemoryStore store;
    QStringList &log = store.log;
    QStringList copiedTexts;
    QList<std::optional<std::chrono::milliseconds>> copyDelays;
    std::unique_ptr<GeneratorModel> model;
};

#ifdef QT_WIDGETS_LIB
#include <QTest>
#include <QWidget>

// Our window on the model, shown and active at its own size (a bare content view at its ideal one).
template <typename View> struct ShownFixture : ModelFixture
{
    explicit ShownFixture(const ModelOptions &options = {})
        : ModelFixture(options)
        , view(*model)
    {
        if (!view.testAttribute(Qt::WA_Resized))
            view.resize(view.sizeHint());
        view.show();
        QVERIFY(QTest::qWaitForWindowActive(&view));
    }
    template <typename T = QWidget> T *find(const char *name = nullptr) const
    {
        return view.template findChild<T *>(QString::fromLatin1(name));
    }
    QPoint at(const QWidget *part) const { return part->mapTo(&view, QPoint()); }

    View view;
};
#endif
