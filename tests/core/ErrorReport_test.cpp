#include "ScriptedDialogs.h"
#include "core/ErrorReport.h"

#include <QtTest>

using namespace tidewick;

class ErrorReportTest : public QObject {
    Q_OBJECT

private slots:
    void reportText_matchesTheStandardLayout()
    {
        const QString text = errorReportText(QStringLiteral("Overflow"), QStringLiteral("IntervalSave"),
                                             QStringLiteral("AddNews"), 116);
        QCOMPARE(text, QStringLiteral("Overflow\r\nin Pellmoor2021/08/31.IntervalSave.AddNews at line 116\r\r"
                                      "Please email screenshot of this message to support@kestrow.com"));
    }

    void failingStatement_isReportedAndTheNextOneRuns()
    {
        test::ScriptedDialogs dialogs;
        ErrorReporter reporter(dialogs);
        Trap trap(reporter, QStringLiteral("Form1"), QStringLiteral("Form_Load"));
        QStringList ran;

        QVERIFY(trap(100, [&] { ran << "100"; }));
        QVERIFY(!trap(102, [&] { throw AppError::typeMismatch(); }));
        QVERIFY(!trap(104, [&] { throw std::runtime_error("plain failure"); }));
        QVERIFY(trap(106, [&] { ran << "106"; }));

        QCOMPARE(ran, QStringList({"100", "106"}));
        const auto messages = dialogs.messages();
        QCOMPARE(messages.size(), 2);
        QCOMPARE(messages[0].title, QStringLiteral("Application Error"));
        QCOMPARE(messages[0].icon, MessageIcon::Exclamation);
        QVERIFY(messages[0].text.startsWith(QStringLiteral("Type mismatch\r\nin Pellmoor2021/08/31.Form1.Form_Load at line 102\r\r")));
        QVERIFY(messages[1].text.startsWith(QStringLiteral("plain failure\r\n")));
        QVERIFY(messages[1].text.contains(QStringLiteral("at line 104\r\r")));
    }
};

QTEST_GUILESS_MAIN(ErrorReportTest)
#include "ErrorReport_test.moc"
