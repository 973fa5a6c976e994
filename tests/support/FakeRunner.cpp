#include "FakeRunner.h"

#include "TestPaths.h"

namespace tidewick::test {

void FakeRunner::runAndWait(const QString &program, const QStringList &arguments, const OutputLimit &)
{
    runs.append({program, arguments});
    ++m_depth;
    if (whileRunning)
        whileRunning();
    --m_depth;
    if (listing.isEmpty())
        return;
    const QString outputOption = QLatin1String(program.endsWith(QLatin1String("curl")) ? "--output" : "-o");
    const qsizetype output = arguments.indexOf(outputOption);
    if (output >= 0 && output + 1 < arguments.size())
        writeFile(arguments.at(output + 1), listing);
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
