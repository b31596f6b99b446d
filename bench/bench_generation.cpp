// Each generation case runs beside a baseline that makes only the raw 4-byte
// system draws that case must make; bench/run prints their ratio.
#include "core/PasswordGenerator.h"
#include "core/Wordlist.h"

#include <QCoreApplication>

#include <benchmark/benchmark.h>

#include <sys/random.h>

namespace {

Settings defaultPassword()
{
    return Settings();
}

Settings everyGroup()
{
    Settings settings;
    settings.requireEachGroup = true;
    return settings;
}

Settings ninetyFourCharacters()
{
    Settings settings;
    QString all;
    for (char c = 0x21; c < 0x7F; ++c)
        all += QLatin1Char(c);
    settings.enabledCharacters = CharacterSet::fromText(all);
    settings.length = 128;
    return settings;
}

Settings fiveWords()
{
    Settings settings;
    settings.mode = GeneratorMode::words;
    return settings;
}

Settings twelveWordsAllSeparators()
{
    Settings settings = fiveWords();
    settings.wordCount = 12;
    settings.separators = CharacterSet(Settings::separatorChoices());
    return settings;
}

void generation(benchmark::State &state, Settings (*make)())
{
    const Settings settings = make();
    for (auto _ : state) {
        GenerationResult result = PasswordGenerator::generate(settings);
        benchmark::DoNotOptimize(result);
    }
}

void draws(benchmark::State &state, int count)
{
    unsigned char buffer[4];
    for (auto _ : state) {
        for (int i = 0; i < count; ++i) {
            if (getrandom(buffer, sizeof buffer, 0) != sizeof buffer)
                state.SkipWithError("getrandom failed");
            benchmark::DoNotOptimize(buffer);
        }
    }
}

} // namespace

BENCHMARK_CAPTURE(generation, default_password, defaultPassword);
BENCHMARK_CAPTURE(draws, default_password, 16);
// Its baseline is the draws of one password without the rule: redrawing
// the passwords that miss a group is part of its cost.
BENCHMARK_CAPTURE(generation, default_every_group, everyGroup);
BENCHMARK_CAPTURE(draws, default_every_group, 16);
BENCHMARK_CAPTURE(generation, chars128_of_94, ninetyFourCharacters);
BENCHMARK_CAPTURE(draws, chars128_of_94, 128);
BENCHMARK_CAPTURE(generation, words5_one_separator, fiveWords);
BENCHMARK_CAPTURE(draws, words5_one_separator, 5);
BENCHMARK_CAPTURE(generation, words12_twenty_separators, twelveWordsAllSeparators);
BENCHMARK_CAPTURE(draws, words12_twenty_separators, 12 + 11);

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv); // the word list is found beside the program
    if (Wordlist::words().size() != 7776) {
        fputs("the shipped word list was not found beside the benchmark\n", stderr);
        return 1;
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
