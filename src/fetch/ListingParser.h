#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

namespace tidewick {

// Texts of the news service's listing that the parser looks for. Every test
// for them disregards letter case.
namespace listing {

// The title row of the articles box; the leading blank is part of it, so a
// line holding the bare word "Articles" is no header.
inline constexpr QLatin1StringView kHeaderMarker{" Articles"};
// The row the service shows when a query matched nothing.
inline constexpr QLatin1StringView kNoArticlesMarker{"No articles found on this topic"};
// The service's answer once our requests have used up its patience.
inline constexpr QLatin1StringView kRefusalMarker{"You have made too many requests recently"};
// The first footer row: the credit line with the news API's web address in
// parentheses.
inline constexpr QLatin1StringView kFooterMarker{"Powered by the News API (https://newsapi.org)"};

// Dropped from the content of every line (U+00A6).
inline constexpr char16_t kBrokenBar = u'\u00A6';

} // namespace listing

// What one answer of the news service holds.
struct ParsedListing {
    // The article texts in listing order: the contents of an article's lines,
    // each followed by one blank (so every text ends in a blank).
    QStringList articles;
    // The service refused the query: the first row after the header begins
    // with the refusal text (an article quoting it does not count).
    bool refused = false;
};

// The content of one row of the listing: the row without its first and its
// last character (the box borders) and without blanks at either end. Every
// broken bar is removed first, but the length of the row is taken before that,
// so a row holding a broken bar keeps its right border in the content.
QString lineContent(const QString &line);

// An article's text as it is shown and saved: without control characters
// (C0, DEL, C1), which a terminal would act on and which reading a stray
// byte as Windows-1252 can bring in, and with every tab turned into a blank,
// so that the saved tab-separated row stays one cell.
QString cleanArticleText(QString text);

// Cuts the cleaned listing (one element per line, without line ends) into
// articles (each cleaned by cleanArticleText). Parsing starts after the first line holding the header marker, or
// at the second line when there is none; an article is the text between two
// lines without a blank; the footer line ends the parse and drops a pending
// article. Runs in time linear in the size of the listing.
ParsedListing parseListing(const QStringList &lines);

// How many of the lines are a listing of the service without its footer box,
// or -1 when the lines are no listing at all. A listing opens with a top
// border and the header row, and closes with a bottom border on its last
// line; its last box is the footer. Whatever the footer says, the articles
// come from the lines before it; noise, web pages and answers cut off on the
// way give -1.
qsizetype listingBodySize(const QStringList &lines);

} // namespace tidewick
