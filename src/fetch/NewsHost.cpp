#include "fetch/NewsHost.h"

#include <QRegularExpression>
#include <QUrl>
#include <QCoreApplication>

namespace tidewick {

namespace {

// The problems a glance can name, looked for before the address is taken apart.
QString foreignPart(const QString &address)
{
    if (address.isEmpty())
        return QCoreApplication::translate("Tidewick", "it is empty");
    for (const QChar c : address) {
        if (c.category() == QChar::Other_Control || c.category() == QChar::Other_Format)
            return QCoreApplication::translate("Tidewick", "it holds a control character");
        if (c.isSpace())
            return QCoreApplication::translate("Tidewick", "it holds a blank");
    }
    if (address.contains(QLatin1String("://")))
        return QCoreApplication::translate("Tidewick", "it holds a scheme (such as http://); give the host alone");
    if (address.contains(QLatin1Char('@')))
        return QCoreApplication::translate("Tidewick", "it holds a user part (before \"@\")");
    if (address.contains(QLatin1Char('/')) || address.contains(QLatin1Char('?')) || address.contains(QLatin1Char('#')))
        return QCoreApplication::translate("Tidewick", "it holds a path (from \"/\", \"?\" or \"#\" on)");
    return {};
}

QString portProblem(const QString &port)
{
    static const QRegularExpression digits(QStringLiteral("^[0-9]{1,5}$"));
    if (!digits.match(port).hasMatch() || port.toInt() < 1 || port.toInt() > 65535)
        return QCoreApplication::translate("Tidewick", "the port \"%1\" is not a number from 1 to 65535").arg(port);
    return {};
}

QString ipv4Problem(const QString &host)
{
    // Four numbers 0-255 without leading zeros, which some tools read as octal.
    static const QRegularExpression quad(
        QStringLiteral("^((25[0-5]|2[0-4][0-9]|1[0-9][0-9]|[1-9]?[0-9])\\.){3}(25[0-5]|2[0-4][0-9]|1[0-9][0-9]|[1-9]?[0-9])$"));
    return quad.match(host).hasMatch()
        ? QString()
        : QCoreApplication::translate("Tidewick", "\"%1\" is not an IPv4 address").arg(host);
}

// Labels that are all numbers, in decimal, octal or hexadecimal ("0x7f"):
// curl takes such a name for an IPv4 address in one of its older forms
// ("0x7f.1", "2130706433"), so it must be the plain dotted quad.
bool looksNumeric(const QString &host)
{
    static const QRegularExpression numeric(QStringLiteral("^(0[xX][0-9A-Fa-f]*|[0-9]+)(\\.(0[xX][0-9A-Fa-f]*|[0-9]+))*\\.?$"));
    return numeric.match(host).hasMatch();
}

QString dnsNameProblem(const QString &host)
{
    static const QRegularExpression label(QStringLiteral("^[A-Za-z0-9]([A-Za-z0-9-]{0,61}[A-Za-z0-9])?$"));
    if (looksNumeric(host))
        return ipv4Problem(host);
    const QString name = host.endsWith(QLatin1Char('.')) ? host.chopped(1) : host;
    if (name.size() > 253)
        return QCoreApplication::translate("Tidewick", "the host name is longer than 253 characters");
    for (const QString &part : name.split(QLatin1Char('.'))) {
        if (!label.match(part).hasMatch())
            return QCoreApplication::translate("Tidewick", "\"%1\" is not a host name: each dot-separated part must "
                                                           "be 1 to 63 letters (a-z), digits or inner hyphens")
                .arg(host);
    }
    return {};
}

QString bracketedProblem(const QString &address)
{
    const qsizetype close = address.indexOf(QLatin1Char(']'));
    if (close < 0)
        return QCoreApplication::translate("Tidewick", "the IPv6 address lacks its closing \"]\"");
    const QString inside = address.mid(1, close - 1);
    // QUrl checks an IPv6 literal fully; a zone ("%eth0") would need escaping.
    QUrl url;
    url.setHost(inside, QUrl::StrictMode);
    if (!inside.contains(QLatin1Char(':')) || inside.contains(QLatin1Char('%')) || !url.isValid())
        return QCoreApplication::translate("Tidewick", "\"%1\" is not an IPv6 address").arg(inside);
    const QString rest = address.mid(close + 1);
    if (rest.isEmpty())
        return {};
    if (!rest.startsWith(QLatin1Char(':')))
        return QCoreApplication::translate("Tidewick", "only \":PORT\" may follow the \"]\"");
    return portProblem(rest.mid(1));
}

} // namespace

bool newsHostIsAddress(const QString &address)
{
    return address.startsWith(QLatin1Char('[')) || looksNumeric(address.section(QLatin1Char(':'), 0, 0));
}

QString newsHostProblem(const QString &address)
{
    if (const QString problem = foreignPart(address); !problem.isEmpty())
        return problem;
    if (address.startsWith(QLatin1Char('[')))
        return bracketedProblem(address);
    const qsizetype colons = address.count(QLatin1Char(':'));
    if (colons > 1)
        return QCoreApplication::translate("Tidewick", "an IPv6 address must be put in brackets, as in [2001:db8::1]:8080");
    const QString host = address.section(QLatin1Char(':'), 0, 0);
    if (colons == 1) {
        if (const QString problem = portProblem(address.section(QLatin1Char(':'), 1)); !problem.isEmpty())
            return problem;
    }
    if (host.isEmpty())
        return QCoreApplication::translate("Tidewick", "the host is missing before the port");
    return dnsNameProblem(host);
}

} // namespace tidewick
