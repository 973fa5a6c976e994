// Builds a listing of about 10 MB from the article boxes of the recorded
// service answers and times how long the listing parser takes to cut it into
// articles. Prints the times in milliseconds.
//
//   bench_parse_listing [FIXTURE_FOLDER] [MEGABYTES]

#include "fetch/ListingParser.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QRegularExpression>
#include <QStringList>

#include <algorithm>
#include <cstdio>
#include <vector>

using namespace tidewick;

namespace {

struct Boxes {
    QString header;  // everything up to the first article box
    QString body;    // the article boxes of every answer, one after the other
    QString footer;  // the footer box
    qsizetype articles = 0;
};

// The article boxes of one answer: the lines between the separator under the
// header and the footer's first line (its separator included).
bool takeBoxes(const QString &text, Boxes &boxes)
{
    const QStringList lines = text.split(u'\n');
    qsizetype header = -1;
    qsizetype footer = -1;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (header < 0 && lines[i].contains(listing::kHeaderMarker, Qt::CaseInsensitive))
            header = i;
        if (header >= 0 && lines[i].contains(listing::kFooterMarker, Qt::CaseInsensitive)) {
            footer = i;
            break;
        }
    }
    if (header < 0 || footer < 0 || header + 2 > footer)
        return false;
    if (boxes.header.isEmpty())
        boxes.header = lines.mid(0, header + 2).join(u'\n') + u'\n';
    if (boxes.footer.isEmpty())
        boxes.footer = lines.mid(footer).join(u'\n');
    boxes.body += lines.mid(header + 2, footer - header - 2).join(u'\n') + u'\n';
    return true;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

int main(int argc, char *argv[])
{
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(TIDEWICK_LISTING_FIXTURES);
    const qsizetype megabytes = argc > 2 ? QByteArray(argv[2]).toLongLong() : 10;

    Boxes boxes;
    const QDir dir(folder);
    const QRegularExpression articleCount(QStringLiteral(R"(articles=(\d+))"));
    for (const QString &name : dir.entryList({QStringLiteral("*.clean.txt")}, QDir::Files, QDir::Name)) {
        QFile clean(dir.filePath(name));
        QFile meta(dir.filePath(name.chopped(int(qstrlen(".clean.txt"))) + QStringLiteral(".meta.txt")));
        if (!clean.open(QIODevice::ReadOnly) || !meta.open(QIODevice::ReadOnly))
            continue;
        if (takeBoxes(QString::fromUtf8(clean.readAll()), boxes))
            boxes.articles += articleCount.match(QString::fromUtf8(meta.readAll())).captured(1).toLongLong();
    }
    if (boxes.body.isEmpty()) {
        std::fprintf(stderr, "no listings with article boxes in %s\n", qPrintable(folder));
        return 2;
    }

    // The listing as curl and ansifilter leave it: UTF-8 bytes, LF line ends.
    const QByteArray bodyBytes = boxes.body.toUtf8();
    const qsizetype target = megabytes * 1000 * 1000;
    QByteArray bytes = boxes.header.toUtf8();
    qsizetype repeats = 0;
    while (bytes.size() < target) {
        bytes += bodyBytes;
        ++repeats;
    }
    bytes += boxes.footer.toUtf8();

    QElapsedTimer timer;
    std::vector<double> splitMs;
    std::vector<double> parseMs;
    QStringList lines;
    ParsedListing parsed;
    for (int run = 0; run < 7; ++run) {
        timer.start();
        lines = QString::fromUtf8(bytes).split(u'\n');
        splitMs.push_back(double(timer.nsecsElapsed()) / 1e6);

        timer.start();
        parsed = parseListing(lines);
        parseMs.push_back(double(timer.nsecsElapsed()) / 1e6);
    }

    const qsizetype expected = repeats * boxes.articles;
    std::printf("listing: %.1f MB, %lld lines, %lld articles\n", double(bytes.size()) / 1e6,
                static_cast<long long>(lines.size()), static_cast<long long>(parsed.articles.size()));
    std::printf("decode and split: %.1f ms (median of %zu)\n", median(splitMs), splitMs.size());
    std::printf("parse: %.1f ms (median of %zu, best %.1f ms)\n", median(parseMs), parseMs.size(),
                *std::min_element(parseMs.begin(), parseMs.end()));
    if (parsed.articles.size() != expected) {
        std::fprintf(stderr, "expected %lld articles\n", static_cast<long long>(expected));
        return 1;
    }
    return 0;
}
