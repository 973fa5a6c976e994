// Cuts arbitrary text into articles the way a fetch does after ansifilter:
// the text is split into lines, then parsed.
#include "FuzzCheck.h"
#include "fetch/ListingParser.h"
#include "keywords/TextFileReader.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>

using namespace tidewick;
using fuzz::hasBrokenSurrogates;

namespace {

constexpr QChar kBlank = u' ';

// A row's content is what lies between its borders, trimmed: never longer than
// the row, never with a blank or a broken bar at either end, and never half a
// surrogate pair (the row has none: it comes from UTF-8).
void checkLineContent(const QString &line, const QString &content)
{
    FUZZ_CHECK(content.size() <= line.size());
    FUZZ_CHECK(!content.startsWith(kBlank) && !content.endsWith(kBlank));
    FUZZ_CHECK(!content.contains(QChar(listing::kBrokenBar)));
    FUZZ_CHECK(!hasBrokenSurrogates(content));
    QString withoutBars = line;
    withoutBars.remove(QChar(listing::kBrokenBar));
    FUZZ_CHECK(withoutBars.contains(content));
}

bool anyLineHolds(const QStringList &lines, QLatin1StringView marker)
{
    for (const QString &line : lines) {
        if (line.contains(marker, Qt::CaseInsensitive))
            return true;
    }
    return false;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QStringList lines =
        TextFileReader::SplitIntoLines(QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size)));
    const ParsedListing listing = parseListing(lines);

    // Every article is closed by a line without a blank (a border) and holds at
    // least one line with a blank, and holds nothing but those lines' contents.
    qsizetype borders = 0;
    qsizetype rows = 0;
    qsizetype rowText = 0;
    for (const QString &line : lines) {
        if (!line.contains(kBlank)) {
            ++borders;
            continue;
        }
        ++rows;
        const QString content = lineContent(line);
        checkLineContent(line, content);
        rowText += content.size() + 1;
    }
    FUZZ_CHECK(listing.articles.size() <= borders);
    FUZZ_CHECK(listing.articles.size() <= rows);

    qsizetype articleText = 0;
    for (const QString &article : listing.articles) {
        FUZZ_CHECK(article.endsWith(kBlank));
        FUZZ_CHECK(!article.contains(QChar(listing::kBrokenBar)));
        FUZZ_CHECK(std::none_of(article.cbegin(), article.cend(),
                                [](QChar c) { return c.category() == QChar::Other_Control; }));
        FUZZ_CHECK(!hasBrokenSurrogates(article));
        articleText += article.size();
    }
    FUZZ_CHECK(articleText <= rowText);

    if (listing.refused)
        FUZZ_CHECK(anyLineHolds(lines, listing::kRefusalMarker));
    return 0;
}
