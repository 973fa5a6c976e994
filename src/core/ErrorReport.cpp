#include "core/ErrorReport.h"

#include "core/Dialogs.h"

#include <QTimer>

#include <utility>
#include <QCoreApplication>

namespace tidewick {

QString errorReportText(const QString &description, const QString &module, const QString &procedure, int line)
{
    return description + QStringLiteral("\r\n") + QStringLiteral("in Pellmoor2021/08/31.") + module + QLatin1Char('.')
         + procedure + QLatin1Char(' ') + QCoreApplication::translate("Tidewick", "at line ") + QString::number(line)
         + QStringLiteral("\r\r") + QCoreApplication::translate("Tidewick", "Please email screenshot of this message to ")
         + QLatin1String(kSupportAddress);
}

void ErrorReporter::report(const QString &description, const QString &module, const QString &procedure, int line)
{
    const QString text = errorReportText(description, module, procedure, line);
    if (m_deferring > 0)
        m_deferred.append(text);
    else
        show(text);
}

ErrorReporter::Deferral::~Deferral()
{
    if (--m_reporter.m_deferring > 0)
        return;
    const QStringList texts = std::exchange(m_reporter.m_deferred, {});
    for (const QString &text : texts)
        m_reporter.show(text);
}

void ErrorReporter::show(const QString &text)
{
    if (m_open.contains(text))
        return;
    m_open.insert(text);
    const QPointer<ErrorReporter> alive(this);
    m_dialogs.showMessage(QCoreApplication::translate("Tidewick", "Application Error"), text, MessageIcon::Exclamation, [alive, text] {
        if (alive)
            alive->answered(text);
    });
}

void ErrorReporter::answered(const QString &text)
{
    m_open.remove(text);
    if (!m_open.isEmpty())
        return;
    for (Waiting &waiting : std::exchange(m_waiting, {})) {
        if (waiting.context)
            QTimer::singleShot(0, waiting.context, std::move(waiting.next));
    }
}

void ErrorReporter::whenAnswered(QObject *context, std::function<void()> next)
{
    if (m_open.isEmpty())
        QTimer::singleShot(0, context, std::move(next));
    else
        m_waiting.append({context, std::move(next)});
}

} // namespace tidewick
