// The history of what was found, at the size it may reach:
//   bench_history fill FILE ROWS   makes a history of ROWS articles at FILE
//   bench_history lookups FILE     times a fetch run's look-ups in it: the
//                                  claim of an article it knows and of a new
//                                  one, and the record of a listed one
#include "results/ArticleHistory.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <algorithm>
#include <cstdio>
#include <vector>

using tidewick::ArticleHistory;

namespace {

QString article(int number)
{
    return QStringLiteral("Source %1 - A headline of some length about a subject, number %1 Published on Mar 4th "
                          "http://news.localhost/s/%1")
        .arg(number);
}

int fill(ArticleHistory &history, int rows)
{
    const QDateTime now = QDateTime::currentDateTime();
    for (int row = 0; row < rows; ++row) {
        if (!history.record(article(row), {QStringLiteral("us"), QStringLiteral("mars"), QString()},
                            now.addSecs(-qint64(rows - row) * 60)))
            return 1;
    }
    std::printf("  %d articles in %s\n", rows, qPrintable(history.path()));
    return 0;
}

// Median microseconds of `times` runs of `step`.
template <typename Step>
double medianMicroseconds(int times, Step &&step)
{
    std::vector<qint64> took;
    QElapsedTimer timer;
    for (int i = 0; i < times; ++i) {
        timer.start();
        step(i);
        took.push_back(timer.nsecsElapsed());
    }
    std::nth_element(took.begin(), took.begin() + times / 2, took.end());
    return double(took[size_t(times / 2)]) / 1000.0;
}

int lookups(ArticleHistory &history)
{
    const QDateTime now = QDateTime::currentDateTime();
    const double known =
        medianMicroseconds(1000, [&](int i) { history.claim(article(i * 7), {}, now); });
    const double fresh =
        medianMicroseconds(1000, [&](int i) { history.claim(article(10000000 + i), {}, now); });
    const double record =
        medianMicroseconds(1000, [&](int i) { history.record(article(20000000 + i), {}, now); });
    std::printf("  claim of a known article  %.0f us (median of 1000)\n", known);
    std::printf("  claim of a new article    %.0f us\n", fresh);
    std::printf("  record of a listed one    %.0f us  (aim: each under 1000 us)\n", record);
    return 0;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s fill FILE ROWS | lookups FILE\n", argv[0]);
        return 2;
    }
    ArticleHistory history(QString::fromLocal8Bit(argv[2]));
    if (const QString said = history.open(QDateTime::currentDateTime()); !said.isEmpty()) {
        std::fprintf(stderr, "%s\n", qPrintable(said));
        return 1;
    }
    const QString command = QString::fromLocal8Bit(argv[1]);
    if (command == QLatin1String("fill") && argc == 4)
        return fill(history, QString::fromLocal8Bit(argv[3]).toInt());
    return command == QLatin1String("lookups") ? lookups(history) : 2;
}
