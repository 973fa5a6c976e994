#include "fetch/ListingParser.h"

#include <QStringMatcher>

#include <algorithm>

namespace tidewick {

namespace {

constexpr QChar kBlank = u' ';

// A character here is a Unicode code point: an emoji outside the Basic
// Multilingual Plane is one character, as the service counts it when it lays
// out a row, not the two UTF-16 units QString stores for it. Since the length
// and the cut are counted the same way, the only place this shows is the first
// and the last character of a row: taking away one unit there would leave half
// a surrogate pair in the article text. Counting the length in one unit and
// cutting in the other breaks rows with emoji (the unicode fixtures). A lone
// surrogate, which no UTF-8 decoder produces, counts as one character.
qsizetype firstCharUnits(QStringView text)
{
    if (text.isEmpty())
        return 0;
    return text.size() >= 2 && text[0].isHighSurrogate() && text[1].isLowSurrogate() ? 2 : 1;
}

qsizetype lastCharUnits(QStringView text)
{
    const qsizetype n = text.size();
    if (n == 0)
        return 0;
    return n >= 2 && text[n - 1].isLowSurrogate() && text[n - 2].isHighSurrogate() ? 2 : 1;
}

// Only the blank itself is trimmed: a tab or a no-break space at either end
// stays in the content.
QStringView trimBlanks(QStringView text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && text[begin] == kBlank)
        ++begin;
    while (end > begin && text[end - 1] == kBlank)
        --end;
    return text.sliced(begin, end - begin);
}

// Appends the content of a line (see lineContent) to out.
//
// The rule: remove the broken bars, then take at most n - 2 characters from
// the second one on, n being the length before the removal. Without a broken
// bar that is the line less its first and its last character. With k >= 1
// broken bars the text after the first character is n - k - 1 <= n - 2
// characters long, so the limit never bites and everything after the first
// character stays, the right border included. A line of fewer than three
// characters (a single blank: n - 2 = -1) gives an empty piece, which the
// caller still follows with its blank.
void appendContent(QString &out, QStringView line)
{
    if (!line.contains(QChar(listing::kBrokenBar))) {
        const QStringView afterFirst = line.sliced(firstCharUnits(line));
        out += trimBlanks(afterFirst.first(afterFirst.size() - lastCharUnits(afterFirst)));
        return;
    }
    QString withoutBars = line.toString();
    withoutBars.remove(QChar(listing::kBrokenBar));
    const QStringView rest(withoutBars);
    out += trimBlanks(rest.sliced(firstCharUnits(rest)));
}

// Searching with a prepared matcher skips ahead by the length of the marker
// where it can, which keeps the per-line tests cheap on big listings.
class Marker {
public:
    explicit Marker(QLatin1StringView text) : m_matcher(QString(text), Qt::CaseInsensitive) {}
    bool isIn(QStringView line) const { return m_matcher.indexIn(line) >= 0; }

private:
    QStringMatcher m_matcher;
};

// The service refuses in a box of its own, the first after the header. An
// article quoting the refusal begins with its source and is no refusal.
bool opensWithRefusal(const QStringList &lines, qsizetype start)
{
    static const Marker refusal(listing::kRefusalMarker);
    for (qsizetype i = start; i < lines.size(); ++i) {
        const QString &line = lines.at(i);
        if (line.contains(kBlank))
            return refusal.isIn(line) && lineContent(line).startsWith(listing::kRefusalMarker, Qt::CaseInsensitive);
    }
    return false;
}

bool isBorder(const QString &line, QChar left, QChar right)
{
    return line.size() >= 2 && line.front() == left && line.back() == right && !line.contains(kBlank);
}

bool isEmptyLine(const QString &line)
{
    return std::all_of(line.cbegin(), line.cend(), [](QChar c) { return c.isSpace(); });
}

} // namespace

qsizetype listingBodySize(const QStringList &lines)
{
    static const Marker header(listing::kHeaderMarker);
    qsizetype first = 0;
    qsizetype last = lines.size() - 1;
    while (first <= last && isEmptyLine(lines.at(first)))
        ++first;
    while (last >= first && isEmptyLine(lines.at(last)))
        --last;
    if (last - first < 3 || !isBorder(lines.at(first), u'┌', u'┐') || !header.isIn(lines.at(first + 1))
        || !isBorder(lines.at(first + 2), u'├', u'┤') || !isBorder(lines.at(last), u'└', u'┘'))
        return -1;
    // The footer box begins after the last separator.
    for (qsizetype i = last - 1; i > first + 2; --i) {
        if (isBorder(lines.at(i), u'├', u'┤'))
            return i + 1;
    }
    return first + 3;
}

QString lineContent(const QString &line)
{
    QString content;
    appendContent(content, line);
    return content;
}

QString cleanArticleText(QString text)
{
    // The C0 controls, DEL and the C1 controls; compared directly, as this
    // runs over every character of every article.
    const auto isControl = [](QChar c) {
        const char16_t unit = c.unicode();
        return unit < 0x20 || (unit >= 0x7F && unit <= 0x9F);
    };
    if (std::none_of(text.cbegin(), text.cend(), isControl))
        return text;
    QChar *const chars = text.data();
    qsizetype kept = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (chars[i] == u'\t')
            chars[kept++] = kBlank;
        else if (!isControl(chars[i]))
            chars[kept++] = chars[i];
    }
    text.truncate(kept);
    return text;
}

ParsedListing parseListing(const QStringList &lines)
{
    static const Marker header(listing::kHeaderMarker);
    static const Marker noArticles(listing::kNoArticlesMarker);
    static const Marker footer(listing::kFooterMarker);

    ParsedListing result;

    // Line 0 is never parsed: without a header the parse starts at line 1.
    qsizetype start = 1;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (header.isIn(lines.at(i))) {
            start = i + 1;
            break;
        }
    }

    result.refused = opensWithRefusal(lines, start);
    QString article;
    for (qsizetype i = start; i < lines.size(); ++i) {
        const QString &line = lines.at(i);
        // The rules are tried in this order; the first that matches decides.
        if (!line.contains(kBlank)) {
            // A border (or an empty line) ends the article.
            if (!article.isEmpty())
                result.articles.append(cleanArticleText(std::move(article)));
            article.clear();
            continue;
        }
        if (noArticles.isIn(line))
            continue;
        if (footer.isIn(line))
            return result; // the text gathered since the last border is dropped
        appendContent(article, line);
        article += kBlank;
    }
    // A block without a closing border is dropped too.
    return result;
}

} // namespace tidewick
