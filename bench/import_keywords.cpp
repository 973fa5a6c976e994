// Imports a keyword file into a keyword list the way "Load List From Text
// File" does, and prints how many rows it made, how long that took and how
// much resident memory the filled list holds.
//
//     bench_import_keywords FILE

#include "core/Dialogs.h"
#include "core/ErrorReport.h"
#include "ui/ReportList.h"
#include "keywords/KeywordImport.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>

#include <cstdio>
#include <malloc.h>

namespace {

// Messages go to the terminal; the benchmark never asks anything.
class ConsoleDialogs final : public tidewick::Dialogs {
public:
    void showMessage(const QString &title, const QString &text, tidewick::MessageIcon,
                     std::function<void()>) override
    {
        std::fprintf(stderr, "%s: %s\n", qPrintable(title), qPrintable(text));
    }
    bool askYesNo(const QString &, const QString &) override { return false; }
    QString askText(const QString &, const QString &) override { return {}; }
    QStringList chooseFilesToOpen(const QString &, const QStringList &) override { return {}; }
    QString chooseFileToSave(const QString &, const QStringList &) override { return {}; }
};

// VmRSS from /proc/self/status, in KiB.
long long residentKiB()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (QByteArray line = status.readLine(); !line.isEmpty(); line = status.readLine()) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').constFirst().toLongLong();
    }
    return -1;
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s FILE\n", argv[0]);
        return 2;
    }
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);

    ConsoleDialogs dialogs;
    tidewick::ErrorReporter reporter(dialogs);
    tidewick::ReportListModel keywords(QStringLiteral("Keyword/s"), false);
    tidewick::ReportList list(keywords);
    const QString path = QString::fromLocal8Bit(argv[1]);

    malloc_trim(0);
    const long long before = residentKiB();
    QElapsedTimer elapsed;
    elapsed.start();
    tidewick::importKeywordFile(list.rows(), path, dialogs, reporter, QStringLiteral("Tidewick"));
    const qint64 ms = elapsed.elapsed();
    // What the reader freed again is not the list's.
    malloc_trim(0);
    const long long after = residentKiB();

    const int rows = list.count();
    std::printf("%d keywords in %lld ms; resident %lld KiB before, %lld KiB after: the list holds %lld KiB "
                "(%.0f bytes a keyword)\n",
                rows, static_cast<long long>(ms), before, after, after - before,
                rows > 0 ? 1024.0 * double(after - before) / rows : 0.0);
    return rows > 0 ? 0 : 1;
}
