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

    // A timer failing while its report is still open must not pile up boxes:
    // the same report waits for the open one to close, another one shows.
    void sameReportWhileItIsOpen_isNotShownAgain()
    {
        test::ScriptedDialogs dialogs;
        ErrorReporter reporter(dialogs);
        Trap trap(reporter, QStringLiteral("Form1"), QStringLiteral("Timer1_Timer"));
        const auto fail = [] { throw AppError::invalidArgument(); };
        dialogs.holdMessages = true;
        trap(102, fail);
        for (int tick = 0; tick < 29; ++tick)
            trap(102, fail);
        trap(104, fail);
        dialogs.answerMessages();
        trap(102, fail); // the first box was closed

        const QStringList reports = dialogs.errorReports();
        QCOMPARE(reports.size(), 3);
        QVERIFY(reports[0].contains(QStringLiteral("at line 102\r")));
        QVERIFY(reports[1].contains(QStringLiteral("at line 104\r")));
        QCOMPARE(reports[2], reports[0]);
    }
};

QTEST_GUILESS_MAIN(ErrorReportTest)
#include "ErrorReport_test.moc"
