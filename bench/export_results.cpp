// Saves a results list of ROWS article-like rows (100000 unless given) to
// FILE the way "Save Results" does, while a 1 ms timer measures the longest
// time the event loop went unanswered.
//
//     bench_export_results FILE [ROWS]

#include "core/AppError.h"
#include "results/ListFileSave.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QTimer>

#include <algorithm>
#include <cstdio>

namespace {

// An article as a fetch adds it: title, source, time and address in one text.
QString article(int i)
{
    static const QString title =
        QStringLiteral(". Rover finds traces of ancient water on Mars, mission team says | Space & Science Daily | "
                       "2026-03-02 10:00 | https://news.example.com/space/2026/03/02/rover-finds-traces-of-ancient-"
                       "water-");
    static const QString summary = QStringLiteral(" | Scientists say the samples");
    const QString number = QString::number(i);
    return number + title + number + summary;
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc < 2 || argc > 3) {
        std::fprintf(stderr, "usage: %s FILE [ROWS]\n", argv[0]);
        return 2;
    }
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QString path = QString::fromLocal8Bit(argv[1]);
    const int rowCount = argc == 3 ? std::atoi(argv[2]) : 100000;

    QStringList rows;
    rows.reserve(rowCount);
    for (int i = 0; i < rowCount; ++i)
        rows.append(article(i));

    // The longest stretch between two ticks (or from the last tick to the
    // end) is the longest the window could not answer.
    QElapsedTimer clock;
    clock.start();
    qint64 lastTick = 0;
    qint64 longestGap = 0;
    int ticks = 0;
    QTimer timer;
    timer.setTimerType(Qt::PreciseTimer);
    timer.setInterval(1);
    QObject::connect(&timer, &QTimer::timeout, [&] {
        const qint64 now = clock.nsecsElapsed();
        longestGap = std::max(longestGap, now - lastTick);
        lastTick = now;
        ++ticks;
    });
    timer.start();

    const qint64 start = clock.nsecsElapsed();
    lastTick = start;
    QString failure;
    try {
        tidewick::ListFileSave save(QStringLiteral("News"), rows, path);
        QObject::connect(&save, &tidewick::ListFileSave::finished, [&failure](const QString &why) {
            failure = why;
            QCoreApplication::quit();
        });
        QCoreApplication::exec();
    } catch (const tidewick::AppError &error) {
        failure = error.description();
    }
    if (!failure.isEmpty()) {
        std::fprintf(stderr, "%s\n", qPrintable(failure));
        return 1;
    }
    const qint64 end = clock.nsecsElapsed();
    longestGap = std::max(longestGap, end - lastTick);

    std::printf("%d rows, %lld bytes in %.1f ms; longest without answering %.1f ms (%d ticks of 1 ms)\n", rowCount,
                static_cast<long long>(QFileInfo(path).size()), double(end - start) / 1e6, double(longestGap) / 1e6,
                ticks);
    return 0;
}
