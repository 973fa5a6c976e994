#pragma once

#include "core/AppError.h"

#include <QObject>
#include <QPointer>
#include <QSet>
#include <QStringList>
#include <QString>
#include <exception>
#include <functional>

namespace tidewick {

class Dialogs;

// The address users are asked to send a screenshot of an error report to.
inline constexpr char kSupportAddress[] = "support@kestrow.com";

// The text of the standard error report for a failed numbered statement.
QString errorReportText(const QString &description, const QString &module, const QString &procedure, int line);

// Shows the standard error report ("Application Error", exclamation icon, OK).
// The report does not wait for its box: work that must go on only once the
// user has answered asks whenAnswered. A report that is still open on screen
// is not shown a second time: a timer failing every second while the box
// waits would pile up boxes without end.
class ErrorReporter : public QObject {
    Q_OBJECT

public:
    explicit ErrorReporter(Dialogs &dialogs) : m_dialogs(dialogs) {}
    void report(const QString &description, const QString &module, const QString &procedure, int line);
    // Runs `next` from the event loop once no report is open, unless
    // `context` is gone by then.
    void whenAnswered(QObject *context, std::function<void()> next);

    // Reports made while one lives are shown when it ends: a lock held in
    // the meantime (declared after it) is let go before a box that may stay
    // open for long.
    class Deferral {
    public:
        explicit Deferral(ErrorReporter &reporter) : m_reporter(reporter) { ++m_reporter.m_deferring; }
        ~Deferral();
        Deferral(const Deferral &) = delete;
        Deferral &operator=(const Deferral &) = delete;

    private:
        ErrorReporter &m_reporter;
    };

private:
    void show(const QString &text);
    void answered(const QString &text);

    struct Waiting {
        QPointer<QObject> context;
        std::function<void()> next;
    };

    Dialogs &m_dialogs;
    QSet<QString> m_open;
    int m_deferring = 0;
    QStringList m_deferred;
    QList<Waiting> m_waiting;
};

// A procedure that traps its errors: it runs numbered statements, and when one
// fails the report names it and the procedure goes on with the next statement.
//
//     Trap trap(reporter, "Form1", "Form_Load");
//     trap(statements::load::kSkin, [&] { applySkin(); });
class Trap {
public:
    Trap(ErrorReporter &reporter, QString module, QString procedure)
        : m_reporter(reporter), m_module(std::move(module)), m_procedure(std::move(procedure))
    {
    }

    // Returns true when the statement ran without failing.
    template <typename Statement>
    bool operator()(int line, Statement &&statement)
    {
        try {
            statement();
            return true;
        } catch (const AppError &error) {
            m_reporter.report(error.description(), m_module, m_procedure, line);
        } catch (const std::exception &error) {
            m_reporter.report(QString::fromLocal8Bit(error.what()), m_module, m_procedure, line);
        }
        return false;
    }

private:
    ErrorReporter &m_reporter;
    QString m_module;
    QString m_procedure;
};

} // namespace tidewick
