#include "FakeRunner.h"

#include "TestPaths.h"

#include <QTimer>

namespace tidewick::test {

void FakeRunner::start(const QString &program, const QStringList &arguments, const OutputLimit &)
{
    runs.append({program, arguments});
    m_running = true;
    if (!listing.isEmpty()) {
        const QString outputOption = QLatin1String(program.endsWith(QLatin1String("curl")) ? "--output" : "-o");
        const qsizetype output = arguments.indexOf(outputOption);
        if (output >= 0 && output + 1 < arguments.size())
            writeFile(arguments.at(output + 1), listing);
    }
    if (!holdRuns)
        QTimer::singleShot(0, this, &FakeRunner::finishRun);
}

void FakeRunner::finishRun()
{
    if (!std::exchange(m_running, false))
        return;
    emit finished();
}

void FakeRunner::stopAll()
{
    ++stopped;
    if (m_running)
        QTimer::singleShot(0, this, &FakeRunner::finishRun);
}

QStringList FakeRunner::targets() const
{
    QStringList result;
    for (const Run &run : runs)
        if (run.program.endsWith(QLatin1String("curl")))
            result.append(run.arguments.at(run.arguments.indexOf(QStringLiteral("--output")) - 1));
    return result;
}

} // namespace tidewick::test
