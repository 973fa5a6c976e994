#include "LocalNewsService.h"
#include "TestPaths.h"
#include "TextChecks.h"
#include "fetch/ListingParser.h"
#include "fetch/RequestTarget.h"
#include "keywords/TextFileReader.h"

#include <QDir>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

using namespace tidewick;

namespace {

const QString kTop = "┌" + QString(78, u'─') + "┐";
const QString kSeparator = "├" + QString(78, u'─') + "┤";
const QString kBottom = "└" + QString(78, u'─') + "┘";

// A text row as the service lays it out: border, blank, the text padded to
// 76 columns, blank, border.
QString row(const QString &text)
{
    return "│ " + text.leftJustified(76) + " │";
}

QString centred(const QString &text)
{
    const qsizetype left = (78 - text.size()) / 2;
    return "│" + QString(left, u' ') + text + QString(78 - left - text.size(), u' ') + "│";
}

const QString kFooterFirstRow = centred("Powered by the News API (https://newsapi.org).");

// The header box, the given lines, and the footer box.
QStringList framed(const QStringList &body)
{
    QStringList lines{kTop, row("Articles"), kSeparator};
    lines += body;
    lines += QStringList{kFooterFirstRow, centred("Follow @newsdeskhq on Twitter and GitHub."), kBottom, QString()};
    return lines;
}

// The lines of a text file: split at LF, so a final LF gives an empty last line.
QStringList fileLines(const QString &path)
{
    return QString::fromUtf8(test::readFile(path)).split(u'\n');
}


bool runTool(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    return process.waitForFinished(15000) && process.exitStatus() == QProcess::NormalExit;
}

} // namespace

class ListingParserTest : public QObject {
    Q_OBJECT

private slots:
    // --- the recorded answers of the service ---

    void fixtureSet_isComplete()
    {
        const QDir dir(test::listingFixturesDir());
        const QStringList cleaned = dir.entryList({"*.clean.txt"}, QDir::Files);
        QVERIFY2(cleaned.size() >= 10, qPrintable("fixtures missing in " + dir.path()));
        for (const QString &name : cleaned) {
            const QString base = name.chopped(int(qstrlen(".clean.txt")));
            QVERIFY2(dir.exists(base + ".expected.txt"), qPrintable(base));
            QVERIFY2(dir.exists(base + ".meta.txt"), qPrintable(base));
        }
    }

    void fixture_givesTheRecordedArticles_data()
    {
        QTest::addColumn<QString>("base");
        const QDir dir(test::listingFixturesDir());
        for (const QString &name : dir.entryList({"*.clean.txt"}, QDir::Files, QDir::Name)) {
            const QString base = name.chopped(int(qstrlen(".clean.txt")));
            QTest::newRow(qPrintable(base)) << dir.filePath(base);
        }
    }

    void fixture_givesTheRecordedArticles()
    {
        QFETCH(QString, base);

        QStringList expected = fileLines(base + ".expected.txt");
        QCOMPARE(expected.takeLast(), QString()); // one article per line, each line ended
        const QString meta = QString::fromUtf8(test::readFile(base + ".meta.txt"));
        const auto match = QRegularExpression(R"(refused=(true|false)\s+articles=(\d+))").match(meta);
        QVERIFY2(match.hasMatch(), qPrintable(meta));
        QCOMPARE(expected.size(), match.captured(2).toInt());

        const ParsedListing parsed = parseListing(fileLines(base + ".clean.txt"));

        QCOMPARE(parsed.articles, expected);
        QCOMPARE(parsed.refused, match.captured(1) == "true");
        for (const QString &article : parsed.articles)
            QVERIFY(article.endsWith(u' '));

        // Listings give the same articles from their body alone; the error
        // and help pages are no listings.
        const QStringList lines = fileLines(base + ".clean.txt");
        const qsizetype bodySize = listingBodySize(lines);
        const bool page = base.endsWith("07-error") || base.endsWith("08-help");
        QCOMPARE(bodySize < 0, page);
        if (!page)
            QCOMPARE(parseListing(lines.first(bodySize)).articles, expected);
    }

    // --- what is a listing at all ---

    void listing_isKnownByItsBoxes_data()
    {
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<int>("bodySize"); // -1: no listing
        const QStringList listing = framed({row("a"), kSeparator});
        QTest::newRow("listing") << listing << 5;
        QTest::newRow("footer reworded")
            << QStringList(listing).replaceInStrings("Powered by the News API", "Brought by the news API") << 5;
        QTest::newRow("header box and footer only") << QStringList{kTop, row("Articles"), kSeparator,
                                                                   kFooterFirstRow, kBottom}
                                                    << 3;
        QTest::newRow("empty lines around") << QStringList{"", " "} + listing + QStringList{"\t", ""} << 7;
        QTest::newRow("cut off") << listing.first(listing.size() - 2) << -1;
        QTest::newRow("cut off at a border") << listing.first(5) << -1;
        QTest::newRow("another box first")
            << QStringList{kTop, row("Help"), kSeparator, row("Articles"), kSeparator, kFooterFirstRow, kBottom} << -1;
        QTest::newRow("no top border") << listing.sliced(1) << -1;
        QTest::newRow("web page") << QStringList{"<html>", "<h1> Articles</h1>", "</html>"} << -1;
        QTest::newRow("no lines") << QStringList{} << -1;
        QTest::newRow("one empty line") << QStringList{QString()} << -1;
    }
    void listing_isKnownByItsBoxes()
    {
        QFETCH(QStringList, lines);
        QFETCH(int, bodySize);
        QCOMPARE(listingBodySize(lines), qsizetype(bodySize));
    }

    // --- content of one line ---

    void lineContent_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("content");

        QTest::newRow("row") << row("Published on Mar 4th, 2024") << "Published on Mar 4th, 2024";
        QTest::newRow("inner blanks kept") << "│ a   b │" << "a   b";
        QTest::newRow("first and last go whatever they are") << "xabcx" << "abc";
        QTest::newRow("only blanks are trimmed") << QString("│\t a\u00A0 │") << QString("\t a\u00A0");
        QTest::newRow("empty row") << row(QString()) << "";
        QTest::newRow("empty line") << "" << "";
        QTest::newRow("single blank") << " " << "";
        QTest::newRow("one character") << "x" << "";
        QTest::newRow("two characters") << "ab" << "";
        QTest::newRow("three characters") << "│x│" << "x";

        // The length is taken before the broken bars go, so the right border
        // stays (as in the unicode fixtures).
        QTest::newRow("broken bar keeps the right border")
            << "│ the camera ¦ fans queued   │" << "the camera  fans queued   │";
        QTest::newRow("two broken bars") << "│¦a¦│" << "a│";
        QTest::newRow("broken bar first") << "¦│ a │" << "a │";
        QTest::newRow("broken bar last") << "│ a ¦" << "a";
        QTest::newRow("broken bar alone") << "¦" << "";
        QTest::newRow("broken bars only") << "¦¦¦" << "";

        // Characters are code points: an emoji at either end goes whole.
        QTest::newRow("emoji at both ends") << "😀 x 😀" << "x";
        QTest::newRow("emoji inside") << "│ 🚀 launch 📱 │" << "🚀 launch 📱";
        QTest::newRow("emoji, broken bar, no border") << "│ a ¦ 😀" << "a  😀";
        QTest::newRow("wide characters") << "│ 東京で大雪 │" << "東京で大雪";
        QTest::newRow("NUL characters kept") << QString::fromUtf16(u"│ a\0b │", 7) << QString::fromUtf16(u"a\0b", 3);
    }

    void lineContent()
    {
        QFETCH(QString, line);
        QFETCH(QString, content);

        const QString actual = tidewick::lineContent(line);
        QCOMPARE(actual, content);
        QVERIFY(!test::hasBrokenSurrogates(actual));
    }

    // --- the four line rules, the header and the article end ---

    void parse_data()
    {
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<QStringList>("articles");
        QTest::addColumn<bool>("refused");

        QTest::newRow("two articles, contents joined each with a blank")
            << QStringList{"┌─┐", "│ Articles │", "├─┤", "│ first line │", "│ second │", "├─┤", "│ third │",
                           "├─┤", kFooterFirstRow}
            << QStringList{"first line second ", "third "} << false;
        QTest::newRow("last block not closed before the footer is dropped")
            << framed({row("kept"), kSeparator, row("dropped"), row("also dropped")}) << QStringList{"kept "}
            << false;
        QTest::newRow("no final border and no footer")
            << QStringList{kTop, row("Articles"), kSeparator, row("kept"), kSeparator, row("dropped")}
            << QStringList{"kept "} << false;
        QTest::newRow("borders in a row give no empty articles")
            << framed({kSeparator, kSeparator, row("a"), kSeparator, "", kSeparator}) << QStringList{"a "}
            << false;
        QTest::newRow("an empty line ends an article")
            << QStringList{row("Articles"), row("a"), "", row("b"), ""} << QStringList{"a ", "b "} << false;
        QTest::newRow("a line of other white space ends an article")
            << QStringList{row("Articles"), row("a"), "\t\u00A0\t", row("b"), ""} << QStringList{"a ", "b "}
            << false;

        // Rows without text still count: their empty piece is followed by its blank.
        QTest::newRow("empty rows give blanks")
            << framed({row(QString()), row("text"), row(QString()), kSeparator})
            << QStringList{" text  "} << false;
        QTest::newRow("single blank line")
            << QStringList{row("Articles"), " ", ""} << QStringList{" "} << false;

        // Header.
        QTest::newRow("header in other letter case")
            << QStringList{"x", "x", "│ ARTICLES │", row("a"), ""} << QStringList{"a "} << false;
        QTest::newRow("lines before the header are not parsed")
            << QStringList{kTop, row("before"), kSeparator, row("Articles"), kSeparator, row("after"), kBottom}
            << QStringList{"after "} << false;
        QTest::newRow("only the first header counts")
            << QStringList{row("Articles"), row("Articles"), kSeparator} << QStringList{"Articles "} << false;
        QTest::newRow("header needs its leading blank")
            << QStringList{kTop, "│Articles: │", row("text"), kBottom} << QStringList{"Articles: text "} << false;
        QTest::newRow("without a header line 0 is skipped")
            << QStringList{row("line zero"), row("line one"), kBottom} << QStringList{"line one "} << false;
        QTest::newRow("header on the last line") << QStringList{row("a"), kSeparator, row("Articles")}
                                                 << QStringList{} << false;

        // No-articles text.
        QTest::newRow("no-articles row")
            << framed({row("No articles found on this topic."), kSeparator}) << QStringList{} << false;
        QTest::newRow("no-articles row in other letter case")
            << framed({row("NO ARTICLES found ON THIS TOPIC."), kSeparator}) << QStringList{} << false;
        QTest::newRow("no-articles row leaves the article open")
            << framed({row("a"), row("no articles found on this topic"), row("b"), kSeparator})
            << QStringList{"a b "} << false;
        QTest::newRow("no-articles text comes before the footer")
            << framed({row("No articles found on this topic. Powered by the News API (https://newsapi.org)"),
                       row("a"), kSeparator})
            << QStringList{"a "} << false;

        // Footer.
        QTest::newRow("footer ends the parse")
            << QStringList{row("Articles"), kSeparator, row("a"), kSeparator, kFooterFirstRow, row("b"), kSeparator}
            << QStringList{"a "} << false;
        QTest::newRow("footer in other letter case")
            << QStringList{row("Articles"), row("a"), "│ POWERED BY THE NEWS API (HTTPS://NEWSAPI.ORG) │", kSeparator}
            << QStringList{} << false;
        QTest::newRow("credit without the address is content")
            << QStringList{row("Articles"), row("Powered by the News API"), kSeparator}
            << QStringList{"Powered by the News API "} << false;
        QTest::newRow("credit with another address is content")
            << QStringList{row("Articles"), row("Powered by the News API (https://news.example)"), kSeparator}
            << QStringList{"Powered by the News API (https://news.example) "} << false;

        // Refusal.
        QTest::newRow("refusal is collected like any text")
            << framed({row("You have made too many requests recently. Please try again later."), kSeparator})
            << QStringList{"You have made too many requests recently. Please try again later. "} << true;
        QTest::newRow("refusal in other letter case")
            << framed({row("you have MADE too many requests RECENTLY"), kSeparator})
            << QStringList{"you have MADE too many requests RECENTLY "} << true;
        QTest::newRow("refusal in an unclosed block still refuses")
            << QStringList{row("Articles"), row("You have made too many requests recently")} << QStringList{}
            << true;
        QTest::newRow("refusal before the header is not seen")
            << QStringList{kTop, row("You have made too many requests recently"), kSeparator, row("Articles"),
                           kSeparator}
            << QStringList{} << false;
        QTest::newRow("an article quoting the refusal is none")
            << framed({row("Daily Wire - You have made too many requests recently, a server said"), kSeparator})
            << QStringList{"Daily Wire - You have made too many requests recently, a server said "} << false;
        QTest::newRow("refusal after the first box is an article's")
            << framed({row("a"), kSeparator, row("You have made too many requests recently"), kSeparator})
            << QStringList{"a ", "You have made too many requests recently "} << false;
        QTest::newRow("footer comes before the refusal")
            << QStringList{row("Articles"),
                           row("Powered by the News API (https://newsapi.org) You have made too many requests recently"),
                           kSeparator}
            << QStringList{} << false;

        // Degenerate listings.
        QTest::newRow("no lines") << QStringList{} << QStringList{} << false;
        QTest::newRow("one empty line (empty file)") << QStringList{QString()} << QStringList{} << false;
        QTest::newRow("only a header") << QStringList{row("Articles")} << QStringList{} << false;
    }

    void parse()
    {
        QFETCH(QStringList, lines);
        QFETCH(QStringList, articles);
        QFETCH(bool, refused);

        const ParsedListing parsed = parseListing(lines);
        QCOMPARE(parsed.articles, articles);
        QCOMPARE(parsed.refused, refused);
    }

    // --- hostile input ---

    void megabyteLine_isOneRowOfContent()
    {
        QString words;
        while (words.size() < 1024 * 1024)
            words += "lorem ipsum ";
        words = words.trimmed();
        const ParsedListing parsed = parseListing({row("Articles"), "│ " + words + " │", kSeparator});
        QCOMPARE(parsed.articles, QStringList{words + ' '});
    }

    void megabyteLineWithoutBlanks_endsTheArticle()
    {
        const QString border(1024 * 1024, u'─');
        const ParsedListing parsed = parseListing({row("Articles"), row("a"), border, row("b"), border});
        QCOMPARE(parsed.articles, QStringList({"a ", "b "}));
    }

    void invalidUtf8_isParsedWithReplacementCharacters()
    {
        // Stray continuation byte, impossible byte, cut sequence, overlong
        // form, encoded surrogate, and a sequence cut at the end of the file.
        const QByteArray bytes = "┌──┐\n│ Articles │\n├──┤\n"
                                 "│ bad \x80 and \xff here │\n"
                                 "│ cut \xe2\x94 x │\n"
                                 "│ overlong \xc0\xaf surrogate \xed\xa0\x80 │\n"
                                 "├──┤\n"
                                 "│ second \xc3\x28 │\n"
                                 "└──┘\n"
                                 "│ tail \xf0\x9f";
        const ParsedListing parsed = parseListing(QString::fromUtf8(bytes).split(u'\n'));

        QCOMPARE(parsed.articles.size(), 2);
        QVERIFY(parsed.articles[0].startsWith("bad "));
        QVERIFY(parsed.articles[0].contains(QChar::ReplacementCharacter));
        QVERIFY(parsed.articles[0].contains(" cut "));
        QVERIFY(!parsed.articles[0].contains(u'│')); // the borders were cut off
        QVERIFY(parsed.articles[1].startsWith("second "));
        for (const QString &article : parsed.articles)
            QVERIFY(!test::hasBrokenSurrogates(article));
    }

    void controlCharacters_leaveTheArticlesAndTabsBecomeBlanks_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("article");
        QTest::newRow("NUL") << QString("a" + QString(3, QChar(0)) + "b") << "ab ";
        QTest::newRow("escape sequence") << "a\x1b[2Jb" << "a[2Jb ";
        QTest::newRow("bell, backspace, DEL") << "a\ab\bc\x7f" << "abc ";
        QTest::newRow("carriage return") << "a\rb" << "ab ";
        QTest::newRow("C1 controls") << "a\u0085b\u009b2J\u0081" << "ab2J ";
        QTest::newRow("tab") << "a\tb" << "a b ";
        QTest::newRow("printable kept") << "Київ\u00A0😀" << "Київ\u00A0😀 ";
    }
    // Nothing a terminal would act on reaches a row, and no tab splits the
    // row of the saved file into two cells. A line of control characters
    // only still ends the article, as any line without a blank does.
    void controlCharacters_leaveTheArticlesAndTabsBecomeBlanks()
    {
        QFETCH(QString, text);
        QFETCH(QString, article);
        const QString nuls(3, QChar(0));
        const ParsedListing parsed = parseListing({row("Articles"), row(text), nuls, row("c"), nuls});
        QCOMPARE(parsed.articles, QStringList({article, "c "}));
        QCOMPARE(cleanArticleText(text + " "), article);
    }

    // Bytes that are no UTF-8 are read as Windows-1252, where five of them
    // stand for C1 controls: those leave the article too.
    void strayBytesReadAsC1Controls_leaveTheArticle()
    {
        QTemporaryDir folder;
        const QString path = folder.filePath("clean.txt");
        test::writeFile(path, "\xe2\x94\x8c\n\xe2\x94\x82 Articles \xe2\x94\x82\n"
                              "\xe2\x94\x82 a\x81\x8d\x8f\x90\x9d\tb \xe2\x94\x82\n\xe2\x94\x94\n");
        QCOMPARE(parseListing(TextFileReader::ReadUtf8TextFile(path)).articles, QStringList{"a b "});
    }

    void listingWithoutHeaderFooterOrBorders_givesNothing()
    {
        QStringList lines;
        for (int i = 0; i < 1000; ++i)
            lines << QString("free text %1").arg(i);
        const ParsedListing parsed = parseListing(lines);
        QVERIFY(parsed.articles.isEmpty());
        QVERIFY(!parsed.refused);
    }

    void manyArticlesAndLongArticles_areAllCollected()
    {
        // Big enough that gathering text or scanning for markers in more than
        // linear time would blow the test's time limit.
        QStringList lines{row("Articles")};
        for (int i = 0; i < 100000; ++i)
            lines << row(QString::number(i)) << kSeparator;
        for (int i = 0; i < 200000; ++i)
            lines << row("long");
        lines << kSeparator << kFooterFirstRow;

        const ParsedListing parsed = parseListing(lines);
        QCOMPARE(parsed.articles.size(), 100001);
        QCOMPARE(parsed.articles[99999], QStringLiteral("99999 "));
        QCOMPARE(parsed.articles.last().size(), qsizetype(200000) * 5);
    }

    // --- answers of the local news service, fetched with curl and cleaned
    // --- by ansifilter, as the program does

    void localService_data()
    {
        QTest::addColumn<QString>("mode");
        QTest::addColumn<QString>("country");
        QTest::addColumn<QString>("keyword");
        QTest::addColumn<QString>("category");
        QTest::addColumn<QStringList>("articles");
        QTest::addColumn<bool>("refused");

        const QStringList marsRover{
            "Orbital Post - Mars rover drills its deepest sample yet in an ancient river delta "
            "Published on May 14th, 2024 at 9:30am EDT Engineers said the rover's drill reached nearly seven "
            "centimetres into layered rock that may hold traces of organic molecules, and the sample will be "
            "sealed for a later return mission. http://news.localhost/s/Mr5Rv01 ",
            "Desert Ledger - Students steer a model Mars rover across a replica crater "
            "Published on May 12th, 2024 at 4:05pm EDT A high-school team won the regional robotics fair with a "
            "six-wheeled rover that mapped its course with a home-made laser scanner. "
            "http://news.localhost/s/Mr5Rv02 "};

        QTest::newRow("keyword, category and country")
            << "normal" << "us." << "mars+rover" << "science" << marsRover << false;
        QTest::newRow("nothing found") << "normal" << "" << "no+such+story" << "" << QStringList{} << false;
        QTest::newRow("empty listing") << "empty-listing" << "" << "" << "" << QStringList{} << false;
        QTest::newRow("refused")
            << "refuse" << "us." << "mars+rover" << "science"
            << QStringList{"You have made too many requests recently. Please try again later. "} + marsRover
            << true;
        QTest::newRow("error page")
            << "error-page" << "" << "" << ""
            << QStringList{" An error occurred on our end. Please try again later.  curl localhost/:help  "}
            << false;
    }

    void localService()
    {
        QFETCH(QString, mode);
        QFETCH(QString, country);
        QFETCH(QString, keyword);
        QFETCH(QString, category);
        QFETCH(QStringList, articles);
        QFETCH(bool, refused);

        const QStringList answer = fetchFromLocalService({"--mode", mode}, country, keyword, category);
        if (QTest::currentTestFailed() || answer.isEmpty())
            return;
        const ParsedListing parsed = parseListing(answer);
        QCOMPARE(parsed.articles, articles);
        QCOMPARE(parsed.refused, refused);
    }

    void localService_wideCharactersAndBadBytes()
    {
        // Japanese, Korean, right-to-left text, emoji: every row comes out
        // whole, without its borders. A row holding a broken bar keeps its
        // right border (the German answer has one).
        const QList<std::pair<QString, int>> countries{{"jp.", 0}, {"kr.", 0}, {"il.", 0}, {"de.", 1}};
        for (const auto &[country, keptBorders] : countries) {
            const QStringList answer = fetchFromLocalService({}, country, QString(), QString());
            if (QTest::currentTestFailed() || answer.isEmpty())
                return;
            const ParsedListing parsed = parseListing(answer);
            QVERIFY2(!parsed.articles.isEmpty(), qPrintable(country));
            int borders = 0;
            for (const QString &article : parsed.articles) {
                QVERIFY2(article.contains(QRegularExpression(R"(^\S.* - .* http://news\.localhost/s/\w+ $)")),
                         qPrintable(article));
                QVERIFY(!test::hasBrokenSurrogates(article));
                borders += int(article.count(u'│'));
            }
            QCOMPARE(borders, keptBorders);
        }

        const QStringList answer = fetchFromLocalService({"--mode", "invalid-utf8"}, "us.", "mars+rover", "science");
        if (QTest::currentTestFailed() || answer.isEmpty())
            return;
        const ParsedListing parsed = parseListing(answer);
        QCOMPARE(parsed.articles.size(), 2);
        for (const QString &article : parsed.articles) {
            QVERIFY2(article.contains(QChar::ReplacementCharacter), qPrintable(article));
            QVERIFY2(article.endsWith(" http://news.localhost/s/Mr5Rv01 ")
                         || article.endsWith(" http://news.localhost/s/Mr5Rv02 "),
                     qPrintable(article));
        }
    }

private:
    // The cleaned answer for one query, split at LF; empty after a failure
    // (or when the tools are missing and the test is skipped).
    QStringList fetchFromLocalService(const QStringList &serviceArguments, const QString &country,
                                      const QString &keyword, const QString &category)
    {
        const QString curl = QStandardPaths::findExecutable(QStringLiteral("curl"));
        const QString ansifilter = QStandardPaths::findExecutable(QStringLiteral("ansifilter"));
        if (!QFileInfo::exists(QStringLiteral("/usr/bin/python3")) || curl.isEmpty() || ansifilter.isEmpty()) {
            QTest::qSkip("needs python3, curl and ansifilter", __FILE__, __LINE__);
            return {};
        }
        QTemporaryDir folder;
        [&] { QVERIFY(folder.isValid()); }();
        const test::NewsService service(serviceArguments);
        if (QTest::currentTestFailed())
            return {};

        const QString host = QStringLiteral("localhost:%1").arg(service.port);
        const QString message = folder.filePath("message.txt");
        const QString clean = folder.filePath("clean.txt");
        [&] {
            QVERIFY(runTool(curl, {"-s", requestTarget(country, keyword, category, host), "--output", message}));
            QVERIFY(QFileInfo::exists(message));
            QVERIFY(runTool(ansifilter, {"-c", "-i", message, "-o", clean}));
            QVERIFY(QFileInfo::exists(clean));
        }();
        if (QTest::currentTestFailed())
            return {};
        return fileLines(clean);
    }
};

QTEST_GUILESS_MAIN(ListingParserTest)
#include "ListingParser_test.moc"
