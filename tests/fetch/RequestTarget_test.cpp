#include "fetch/NewsHost.h"
#include "fetch/RequestTarget.h"

#include <QtTest>

using namespace tidewick;

class RequestTargetTest : public QObject {
    Q_OBJECT

private slots:
    void target_data()
    {
        QTest::addColumn<QString>("country");
        QTest::addColumn<QString>("keyword");
        QTest::addColumn<QString>("category");
        QTest::addColumn<QString>("target");

        QTest::newRow("top news") << "" << "" << "" << "news.example";
        QTest::newRow("keyword") << "" << "mars+rover" << "" << "news.example/mars+rover";
        QTest::newRow("category") << "" << "" << "science" << "news.example/category=science";
        QTest::newRow("keyword and category")
            << "" << "mars+rover" << "science" << "news.example/mars+rover,category=science";
        QTest::newRow("country, top news") << "us." << "" << "" << "us.news.example";
        QTest::newRow("country, keyword") << "us." << "mars+rover" << "" << "us.news.example/mars+rover";
        QTest::newRow("country, category") << "gb." << "" << "sports" << "gb.news.example/category=sports";
        QTest::newRow("country, keyword and category")
            << "de." << "tesla" << "business" << "de.news.example/tesla,category=business";

        // Whatever the texts hold goes into the target unchanged.
        QTest::newRow("nothing escaped")
            << "" << "a&b%20c/d?e#f [x]" << "" << "news.example/a&b%20c/d?e#f [x]";
        QTest::newRow("nothing encoded") << "jp." << "東京+café" << "" << "jp.news.example/東京+café";
        QTest::newRow("category taken as it is")
            << "" << "" << "Science,n=20" << "news.example/category=Science,n=20";
    }

    void target()
    {
        QFETCH(QString, country);
        QFETCH(QString, keyword);
        QFETCH(QString, category);
        QFETCH(QString, target);

        QCOMPARE(requestTarget(country, keyword, category, QStringLiteral("news.example")), target);
    }

    void hostWithPort_isKept()
    {
        QCOMPARE(requestTarget(QStringLiteral("us."), QStringLiteral("mars+rover"), QStringLiteral("science"),
                               QStringLiteral("localhost:8642")),
                 QStringLiteral("us.localhost:8642/mars+rover,category=science"));
        QCOMPARE(requestTarget(QString(), QString(), QString(), QStringLiteral("127.0.0.1:8642")),
                 QStringLiteral("127.0.0.1:8642"));
    }

    // The address becomes part of every curl argument: only a bare host and
    // port may pass. `problem` is a part of the reason given, empty for good.
    void newsHost_isABareHostWithAnOptionalPort_data()
    {
        QTest::addColumn<QString>("address");
        QTest::addColumn<QString>("problem");
        QTest::newRow("name") << "news.example.org" << "";
        QTest::newRow("name and port") << "localhost:8642" << "";
        QTest::newRow("IPv4") << "192.0.2.10:65535" << "";
        QTest::newRow("IPv6 and port") << "[::1]:1" << "";
        QTest::newRow("empty") << "" << "empty";
        QTest::newRow("scheme") << "http://news.example" << "scheme";
        QTest::newRow("path") << "news.example/top" << "path";
        QTest::newRow("user") << "me@news.example" << "user part";
        QTest::newRow("blank") << "news .example" << "blank";
        QTest::newRow("line feed") << "news.example\n--output=/tmp/x" << "control";
        QTest::newRow("port 0") << "news.example:0" << "port";
        QTest::newRow("port too big") << "news.example:65536" << "port";
        QTest::newRow("port empty") << "news.example:" << "port";
        QTest::newRow("no host") << ":8080" << "missing";
        QTest::newRow("bare IPv6") << "2001:db8::1" << "brackets";
        QTest::newRow("bad IPv6") << "[2001:db8::g]" << "IPv6";
        QTest::newRow("IPv6 zone") << "[fe80::1%eth0]" << "IPv6";
        QTest::newRow("unclosed IPv6") << "[::1" << "closing";
        QTest::newRow("IPv4 out of range") << "192.0.2.256" << "IPv4";
        QTest::newRow("IPv4 leading zero") << "010.0.0.1" << "IPv4";
        QTest::newRow("IPv4 in hexadecimal parts") << "0x7f.0.0.1" << "IPv4";
        QTest::newRow("IPv4 as one hexadecimal number") << "0X7F000001:80" << "IPv4";
        QTest::newRow("underscore") << "news_site.example" << "host name";
        QTest::newRow("hyphen at start") << "-news.example" << "host name";
        QTest::newRow("empty label") << "news..example" << "host name";
        QTest::newRow("not ASCII") << "café.example" << "host name";
        QTest::newRow("option-like") << "-o" << "host name";
    }

    void newsHost_isABareHostWithAnOptionalPort()
    {
        QFETCH(QString, address);
        QFETCH(QString, problem);
        const QString found = newsHostProblem(address);
        if (problem.isEmpty())
            QCOMPARE(found, QString());
        else
            QVERIFY2(found.contains(problem), qPrintable(found));
    }
};

QTEST_GUILESS_MAIN(RequestTargetTest)
#include "RequestTarget_test.moc"
