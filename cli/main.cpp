// tessellon-cli: the generator for terminals and scripts.
#include "cli/ClipboardHandOff.h"
#include "cli/CommandLineRequest.h"
#include "cli/PasswordLine.h"
#include "core/GeneratorModel.h"
#include "core/PasswordGenerator.h"
#include "services/PreferencesStore.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <cstdio>

namespace {

void print(FILE *stream, const QByteArray &bytes)
{
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stream);
}

// Nothing reaches standard output before the first password is known to
// come: a failure can only happen there, since the settings stay the same.
int run(const CommandLineRequest &request)
{
    const Settings settings =
        request.applied(request.fromDefaults ? Settings() : PreferencesStore().load());
    QByteArray pending; // written in large pieces: many short writes cost more than the draws
    for (qint64 i = 0; i < request.count; ++i) {
        const GenerationResult result = PasswordGenerator::generate(settings);
        if (const auto *error = std::get_if<GeneratorError>(&result)) {
            print(stderr, GeneratorModel::message(*error).toUtf8() + '\n');
            return 1;
        }
        const GeneratedPassword &password = std::get<GeneratedPassword>(result);
        if (i == 0 && request.copy) {
            if (const std::optional<QString> error =
                    handOffToClipboard(password.text, request.clearCopy)) {
                print(stderr, error->toUtf8() + '\n');
                return 1;
            }
            continue;
        }
        pending += passwordLine(password, request.output);
        if (pending.size() >= 1 << 16) {
            print(stdout, pending);
            pending.clear();
        }
    }
    print(stdout, pending);
    return std::fflush(stdout) == 0 ? 0 : 1;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication::setApplicationName(QStringLiteral("tessellon-cli"));
    QCoreApplication::setApplicationVersion(QStringLiteral(TESSELLON_VERSION));
    const QCoreApplication application(argc, argv);
    const auto parsed = parseCommandLine(QCoreApplication::arguments());
    if (const auto *answer = std::get_if<CommandLineAnswer>(&parsed)) {
        print(stdout, answer->text.toUtf8());
        return 0;
    }
    if (const auto *error = std::get_if<UsageError>(&parsed)) {
        print(stderr,
              QStringLiteral("tessellon-cli: %1\n").arg(error->message).toUtf8()
                  + QCoreApplication::translate(
                        "CommandLineRequest", "Try 'tessellon-cli --help' for more information.\n")
                        .toUtf8());
        return 2;
    }
    return run(std::get<CommandLineRequest>(parsed));
}
