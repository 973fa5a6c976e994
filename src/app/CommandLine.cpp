#include "app/CommandLine.h"

#include "BuildConfig.h"

#include <QCommandLineParser>
#include <QFileInfo>
#include <QStringList>
#include <cstdio>

namespace tidewick {

namespace {

constexpr int kUsageError = 2;

const QString kDescription = QStringLiteral(
    "Watches the news for your keywords, in the countries and categories you tick.\n"
    "\n"
    "The news service is the first of: --news-host, the environment variable\n"
    "TIDEWICK_NEWS_HOST, the key NewsHost in the group [Service] of\n"
    "~/.config/Kestrow/Tidewick.ini, and the program's default (%1).\n"
    "See tidewick(1).");

void print(std::FILE *stream, const QString &text)
{
    std::fputs(text.toLocal8Bit().constData(), stream);
    std::fflush(stream);
}

// Qt's own options, which the application object takes later: let them
// through, unlisted.
void acceptQtOptions(QCommandLineParser &parser)
{
    const char *const withValue[] = {"platform", "platformpluginpath", "platformtheme", "plugin", "qwindowgeometry",
                                     "qwindowicon", "qwindowtitle", "session", "style", "stylesheet", "display",
                                     "geometry"};
    const char *const flags[] = {"reverse", "widgetcount"};
    for (const char *name : withValue) {
        QCommandLineOption option(QLatin1String(name), QString(), QStringLiteral("value"));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
    for (const char *name : flags) {
        QCommandLineOption option{QString::fromLatin1(name)};
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
}

CommandLine usageError(const QString &program, const QString &what)
{
    print(stderr, QStringLiteral("%1: %2 Try '%1 --help'.\n").arg(program, what));
    return {std::nullopt, kUsageError};
}

} // namespace

CommandLine parseCommandLine(int argc, char *argv[])
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    const QString program = QFileInfo(arguments.value(0, QStringLiteral("tidewick"))).fileName();

    QCommandLineParser parser;
    // "-platform xcb" as Qt spells its options, not "-p -l -a ...".
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(kDescription.arg(QLatin1String(build::kNewsHost)));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    const QCommandLineOption newsHost(QStringLiteral("news-host"),
                                      QStringLiteral("Query the news service at <HOST[:PORT]>."),
                                      QStringLiteral("HOST[:PORT]"));
    parser.addOption(newsHost);
    acceptQtOptions(parser);

    if (!parser.parse(arguments))
        return usageError(program, parser.errorText());
    if (!parser.positionalArguments().isEmpty())
        return usageError(program, QStringLiteral("Unexpected argument '%1'.").arg(parser.positionalArguments().first()));
    if (parser.isSet(help) || parser.isSet(QStringLiteral("help-all"))) {
        // Without an application object Qt cannot know the program's name.
        print(stdout, parser.helpText().replace(QLatin1String("<executable_name>"), program));
        return {std::nullopt, 0};
    }
    if (parser.isSet(version)) {
        print(stdout, QStringLiteral("%1 %2\n").arg(program, QLatin1String(build::kVersion)));
        return {std::nullopt, 0};
    }
    CommandLine result;
    if (parser.isSet(newsHost))
        result.newsHost = parser.value(newsHost);
    return result;
}

} // namespace tidewick
