// tessellon-cli as a whole process. Prints:
// - one default password, against `pwgen -s 16 1` (16 characters from the
//   system source by a small C program) and against the least Qt Core
//   program (least_qt_program, the floor of any program built on Qt), run
//   in turn: the medians of the ratios of runs side by side, so that the
//   machine's busier spells weigh on both;
// - --count 100000 of the default password, per password, against the raw
//   system draws those passwords need (16 four-byte requests each).
// Usage: bench_command_line [PAIRS] (default 200)
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdlib>
#include <cstdio>
#include <vector>

#include <fcntl.h>
#include <spawn.h>
#include <sys/random.h>
#include <sys/wait.h>
#include <unistd.h>

extern char **environ;

namespace {

// Wall time of one run of the command, its output thrown away.
qint64 runOnce(const std::vector<const char *> &command)
{
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    std::vector<char *> arguments;
    for (const char *each : command)
        arguments.push_back(const_cast<char *>(each));
    arguments.push_back(nullptr);
    QElapsedTimer timer;
    timer.start();
    pid_t pid = 0;
    int status = 0;
    if (posix_spawnp(&pid, arguments[0], &actions, nullptr, arguments.data(), environ) != 0
        || waitpid(pid, &status, 0) != pid || !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        std::fprintf(stderr, "%s failed\n", command[0]);
        std::exit(1);
    }
    posix_spawn_file_actions_destroy(&actions);
    return timer.nsecsElapsed();
}

template <typename Number> double median(std::vector<Number> values)
{
    std::sort(values.begin(), values.end());
    return double(values[values.size() / 2]);
}

qint64 rawDraws(int count)
{
    unsigned char buffer[4];
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < count; ++i) {
        if (getrandom(buffer, sizeof buffer, 0) != sizeof buffer)
            std::exit(1);
    }
    return timer.nsecsElapsed();
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication application(argc, argv);
    // Settings from an empty folder: the defaults, read as a user's run reads them.
    QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
    const QByteArray cli =
        (QCoreApplication::applicationDirPath() + "/tessellon-cli").toLocal8Bit();

    const QByteArray least =
        (QCoreApplication::applicationDirPath() + "/least_qt_program").toLocal8Bit();
    const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 200;
    std::vector<qint64> ours, pwgen, floor;
    std::vector<double> oursToPwgen, floorToPwgen, oursToFloor;
    for (int i = 0; i < rounds; ++i) {
        ours.push_back(runOnce({cli.constData()}));
        pwgen.push_back(runOnce({"pwgen", "-s", "16", "1"}));
        floor.push_back(runOnce({least.constData()}));
        oursToPwgen.push_back(double(ours.back()) / double(pwgen.back()));
        floorToPwgen.push_back(double(floor.back()) / double(pwgen.back()));
        oursToFloor.push_back(double(ours.back()) / double(floor.back()));
    }
    std::printf("%-34s %10.0f us  pwgen %8.0f us  ratio %5.2f\n", "one password, whole process",
                median(ours) / 1e3, median(pwgen) / 1e3, median(oursToPwgen));
    std::printf("%-34s %10.0f us  pwgen %8.0f us  ratio %5.2f\n", "the least Qt Core program",
                median(floor) / 1e3, median(pwgen) / 1e3, median(floorToPwgen));
    std::printf("%-34s %10.0f us  least %8.0f us  ratio %5.2f\n", "one password over that floor",
                median(ours) / 1e3, median(floor) / 1e3, median(oursToFloor));

    constexpr int count = 100'000;
    std::vector<qint64> many, draws;
    for (int i = 0; i < 5; ++i) {
        many.push_back(runOnce({cli.constData(), "--count", "100000"}));
        draws.push_back(rawDraws(16 * count));
    }
    std::printf("%-34s %10.0f ns  draws %8.0f ns  ratio %5.3f\n", "--count 100000, per password",
                median(many) / count, median(draws) / count, median(many) / median(draws));
    return 0;
}
