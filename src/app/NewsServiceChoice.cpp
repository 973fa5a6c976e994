#include "app/NewsServiceChoice.h"

#include "core/SettingsStore.h"
#include "fetch/NewsHost.h"

#include <QDir>
#include <QCoreApplication>

namespace tidewick {

namespace {

// Control characters would garble the message that shows the address.
QString printable(const QString &text)
{
    QString result;
    for (const QChar c : text) {
        if (c.category() == QChar::Other_Control || c.category() == QChar::Other_Format)
            result += QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QLatin1Char('0'));
        else
            result += c;
    }
    return result;
}

NewsServiceChoice checked(const QString &host, const QString &source)
{
    const QString problem = newsHostProblem(host);
    if (problem.isEmpty())
        return {host, {}};
    return {host, QCoreApplication::translate("Tidewick", "The news service address \"%1\" set by %2 cannot be used: %3.\n\n"
                                 "Tidewick queries nothing until this is fixed; it does not fall back to another "
                                 "address. Give a host name, an IPv4 address or an IPv6 address in brackets, with an "
                                 "optional port, for example news.example.org:8080 or [2001:db8::1]:8080.")
                      .arg(printable(host), source, problem)};
}

} // namespace

NewsServiceChoice chooseNewsService(const std::optional<QString> &commandLineHost, const SettingsStore &settings,
                                    const QString &buildHost)
{
    if (commandLineHost)
        return checked(*commandLineHost, QCoreApplication::translate("Tidewick", "the command-line option --news-host"));
    if (qEnvironmentVariableIsSet("TIDEWICK_NEWS_HOST"))
        return checked(qEnvironmentVariable("TIDEWICK_NEWS_HOST"),
                       QCoreApplication::translate("Tidewick", "the environment variable TIDEWICK_NEWS_HOST"));
    if (const auto stored = settings.readFromGroup(QStringLiteral("Service"), QStringLiteral("NewsHost")))
        return checked(*stored, QCoreApplication::translate("Tidewick", "the key NewsHost in the group [Service] of %1")
                                    .arg(QDir::toNativeSeparators(settings.filePath())));
    return checked(buildHost, QCoreApplication::translate("Tidewick", "the build setting TIDEWICK_NEWS_HOST"));
}

} // namespace tidewick
