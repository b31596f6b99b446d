#pragma once

#include "core/GeneratorModel.h"
#include "core/SettingsStore.h"

#include <QStringList>

#include <memory>

// The user's preferences in memory: what the last save left, and how often.
class MemoryStore final : public SettingsStore
{
public:
    Settings load() const override { return stored; }
    void save(const Settings &settings) override
    {
        stored = settings;
        ++saves;
        if (log)
            log->append(QStringLiteral("saved"));
    }

    Settings stored;
    int saves = 0;
    QStringList *log = nullptr;
};

// The real model over a store in memory that starts with the given
// settings; copies are noted instead of reaching the system clipboard, and
// its notices in one log with the saves. Randomness, the word list and the
// delays can be replaced.
struct ModelOptions
{
    Settings start = {};
    RandomSource *random = nullptr; // the system source
    PasswordGenerator::WordlistProvider words = {};
    CopyTimings timings = {};
};

struct ModelFixture
{
    explicit ModelFixture(const ModelOptions &options = {})
    {
        store.stored = options.start;
        store.log = &log;
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
        using Notice = void (GeneratorModel::*)();
        const std::pair<Notice, const char *> notices[] = {
            {&GeneratorModel::currentChanged, "current"},
            {&GeneratorModel::historyEntryAdded, "added"},
            {&GeneratorModel::oldestHistoryEntryDropped, "dropped"},
            {&GeneratorModel::historyCleared, "cleared"},
            {&GeneratorModel::historyChanged, "history"},
            {&GeneratorModel::errorMessageChanged, "errorMessage"},
            {&GeneratorModel::didCopyChanged, "didCopy"},
            {&GeneratorModel::settingsChanged, "settings"}};
        for (const auto &notice : notices) {
            const char *name = notice.second;
            QObject::connect(model.get(), notice.first, [this, name] { log.append(name); });
        }
    }

    MemoryStore store;
    // What was handed to the clipboard, and with which delay.
    QStringList copiedTexts;
    QList<std::optional<std::chrono::milliseconds>> copyDelays;
    QStringList log;
    std::unique_ptr<GeneratorModel> model;
};
