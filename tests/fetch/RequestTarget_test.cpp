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
};

QTEST_GUILESS_MAIN(RequestTargetTest)
#include "RequestTarget_test.moc"
