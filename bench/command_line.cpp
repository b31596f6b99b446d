// tessellon-cli as a whole process. Prints:
// - one default password, against `openssl rand -base64 12` (16 characters
//   from the same system source, by a small general-purpose tool), run
//   alternately;
// - --count 100000 of the default password, per password, against the raw
//   system draws those passwords need (16 four-byte requests each).
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <algorithm>
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

double median(std::vector<qint64> values)
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

    std::vector<qint64> ours, openssl;
    for (int i = 0; i < 200; ++i) {
        ours.push_back(runOnce({cli.constData()}));
        openssl.push_back(runOnce({"openssl", "rand", "-base64", "12"}));
    }
    std::printf("%-34s %10.0f us  openssl %6.0f us  ratio %5.2f\n", "one password, whole process",
                median(ours) / 1e3, median(openssl) / 1e3, median(ours) / median(openssl));

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
