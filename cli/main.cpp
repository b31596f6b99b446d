// tessellon-cli: the generator for terminals and scripts.
#include "cli/CommandLineArguments.h"
#include "cli/CommandLineRequest.h"
#include "cli/PasswordLine.h"
#include "core/CopyTimings.h"
#include "core/GeneratorError.h"
#include "core/PasswordGenerator.h"
#include "core/PasswordRules.h"
#include "services/clipboard/ClipboardHandOff.h"
#include "services/settings/PreferencesStore.h"
#include "startup/CommandLineUsage.h"
#include "startup/ProcessHardening.h"
#include "startup/Translations.h"

#include <QCoreApplication>

#include <cerrno>
#include <cstdio>
#include <cstring>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <unistd.h>
#endif

namespace {

void print(FILE *stream, const QByteArray &bytes)
{
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stream);
}

// A standard stream the caller closed is held on /dev/null, so that no file
// this process opens later takes its number and receives passwords; output
// to a closed standard output still fails as it would have.
bool outputWasClosed = false;

void holdClosedStandardStreams()
{
#ifdef Q_OS_UNIX
    for (const int fd : {STDIN_FILENO, STDOUT_FILENO, STDERR_FILENO}) {
        if (::fcntl(fd, F_GETFD) >= 0)
            continue;
        outputWasClosed |= fd == STDOUT_FILENO;
        const int null = ::open("/dev/null", fd == STDIN_FILENO ? O_RDONLY : O_WRONLY);
        if (null >= 0 && null != fd) {
            ::dup2(null, fd);
            ::close(null);
        }
    }
#endif
}

// Standard output as scripts rely on it: each piece written and flushed at
// once, so that the first failure (a full disk, a pipe closed while SIGPIPE
// is ignored) stops the run before another password is made.
bool written(const QByteArray &bytes)
{
    if (bytes.isEmpty())
        return true; // as after a --copy, which prints nothing
    if (outputWasClosed) {
        errno = EBADF;
        return false;
    }
    return std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout) == size_t(bytes.size())
           && std::fflush(stdout) == 0;
}

int writeError()
{
    const int error = errno;
    print(stderr, QStringLiteral("tessellon-cli: %1: %2\n")
                      .arg(QCoreApplication::translate("CommandLineRequest", "write error"),
                           QString::fromLocal8Bit(std::strerror(error)))
                      .toUtf8());
    return 1;
}

// The rules written as --json reports them, read once rather than per line;
// rules that cannot be read are left for the generator to tell.
Settings inOneSpelling(Settings settings)
{
    const auto rules = PasswordRules::parse(settings.passwordRules);
    if (const auto *read = std::get_if<PasswordRules>(&rules))
        settings.passwordRules = read->toText();
    return settings;
}

// Rules that no password meets are a mistake in the options.
int failed(const GeneratorError &error)
{
    if (error.kind == GeneratorError::emptyAlphabet
        || error.kind == GeneratorError::wordlistUnavailable) {
        print(stderr, errorText(error).toUtf8() + '\n');
        return 1;
    }
    print(stderr,
          CommandLineUsage::error(QCoreApplication::applicationName(), errorText(error)).toUtf8());
    return 2;
}

// Nothing reaches standard output before the first password is known to
// come: a failure can only happen there, since the settings stay the same.
int run(const CommandLineRequest &request)
{
    const Settings settings = inOneSpelling(
        request.applied(request.fromDefaults ? Settings() : PreferencesStore().load()));
    QByteArray pending; // written in large pieces: many short writes cost more than the draws
    for (qint64 i = 0; i < request.count; ++i) {
        const GenerationResult result = PasswordGenerator::generate(settings);
        if (const auto *error = std::get_if<GeneratorError>(&result))
            return failed(*error);
        const GeneratedPassword &password = std::get<GeneratedPassword>(result);
        if (i == 0 && request.copy) {
            if (const std::optional<QString> error = handOffToClipboard(
                    password.text,
                    request.clearCopy ? std::optional(autoClearDelay()) : std::nullopt)) {
                print(stderr, error->toUtf8() + '\n');
                return 1;
            }
            continue;
        }
        pending += passwordLine(password, request.output, settings);
        if (pending.size() >= 1 << 16) {
            if (!written(pending))
                return writeError();
            pending.clear();
        }
    }
    return written(pending) ? 0 : writeError();
}

} // namespace

int main(int argc, char *argv[])
{
    holdClosedStandardStreams();
    hardenProcess("tessellon-cli");
    QCoreApplication::setApplicationName(QStringLiteral("tessellon-cli"));
    QCoreApplication::setApplicationVersion(QStringLiteral(TESSELLON_VERSION));
    const QCoreApplication application(argc, argv);
    // Messages and --help in the user's language; what goes to standard
    // output for scripts stays English.
    const Translations translations;
    const auto parsed = parseCommandLine(commandLineArguments(argc, argv));
    if (const auto *answer = std::get_if<CommandLineAnswer>(&parsed))
        return written(answer->text.toUtf8()) ? answer->status : writeError();
    if (const auto *error = std::get_if<UsageError>(&parsed)) {
        print(
            stderr,
            CommandLineUsage::error(QCoreApplication::applicationName(), error->message).toUtf8());
        return 2;
    }
    return run(std::get<CommandLineRequest>(parsed));
}
