#include "TestWindow.h"
#include "core/KeywordLimits.h"
#include "ui/ReportList.h"

#include <QPushButton>
#include <QtTest>

using namespace tidewick;
using test::TestWindow;

namespace {

const QStringList kSample = {"Tesla", "Perseverance", "COVID-19"};

QStringList rowsOf(const ReportList *list)
{
    return list->rows().texts();
}

// The ways a user removes keywords, each through the real input.
enum class Removal { ClearButton, DoubleClick, DeleteKey };

void remove(MainWindow &form, Removal removal, int row)
{
    ReportList *list = test::ui(form).keywordList;
    switch (removal) {
    case Removal::ClearButton:
        test::ui(form).clearKeywordsButton->click();
        break;
    case Removal::DoubleClick: {
        // The first click selects the row under the pointer (or, below the
        // last row, nothing), the second makes it a double-click.
        const QPoint where = row >= 0 ? list->visualRect(list->rows().index(row)).center()
                                      : QPoint(5, list->viewport()->height() - 2);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, where);
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, where);
        break;
    }
    case Removal::DeleteKey:
        QTest::keyClick(list, Qt::Key_Delete);
        break;
    }
}

} // namespace

class KeywordEditingTest : public QObject {
    Q_OBJECT

private:
    // A shown window: double-clicks need the rows laid out.
    static MainWindow &shownWindow(TestWindow &window)
    {
        MainWindow &form = window.create();
        form.show();
        if (!QTest::qWaitForWindowExposed(&form))
            qFatal("the window was never shown");
        return form;
    }

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void addOneKeyword_storesTheTextExactlyAsTyped_data()
    {
        QTest::addColumn<int>("clicks");
        QTest::addColumn<QStringList>("answers"); // unanswered boxes are cancelled
        QTest::addColumn<QStringList>("rows");
        QTest::newRow("plain") << 1 << QStringList{"Tesla"} << QStringList{"Tesla"};
        QTest::newRow("surrounding spaces kept") << 1 << QStringList{"  Mars rover "} << QStringList{"  Mars rover "};
        QTest::newRow("spaces only kept") << 1 << QStringList{"   "} << QStringList{"   "};
        QTest::newRow("tab and non-Latin kept") << 1 << QStringList{"\tКиїв 東京"} << QStringList{"\tКиїв 東京"};
        QTest::newRow("twice is added twice") << 2 << QStringList{"Tesla", "Tesla"} << QStringList{"Tesla", "Tesla"};
        QTest::newRow("cancelled") << 1 << QStringList{} << QStringList{};
        QTest::newRow("confirmed empty") << 1 << QStringList{""} << QStringList{};
        QTest::newRow("empty between two") << 3 << QStringList{"a", "", "b"} << QStringList{"a", "b"};
    }
    void addOneKeyword_storesTheTextExactlyAsTyped()
    {
        QFETCH(int, clicks);
        QFETCH(QStringList, answers);
        QFETCH(QStringList, rows);

        TestWindow window;
        MainWindow &form = window.create();
        window.dialogs.textAnswers.append(answers);
        for (int i = 0; i < clicks; ++i)
            test::ui(form).addKeywordButton->click();

        QCOMPARE(rowsOf(test::ui(form).keywordList), rows);
        QCOMPARE(window.dialogs.shown.size(), clicks);
        for (const auto &shown : std::as_const(window.dialogs.shown)) {
            QCOMPARE(shown.kind, QStringLiteral("text"));
            QCOMPARE(shown.title, form.appTitle());
            QCOMPARE(shown.text, QStringLiteral("Enter one keyword:"));
        }
        QCOMPARE(test::ui(form).resultsList->count(), 0);
    }

    // A keyword longer than a query can carry, or holding a line break or a
    // text-direction control, is refused with a message; one of the longest
    // length that fits is added, and so is one with a TAB.
    void addOneKeyword_thatCannotBeQueriedAsShown_isRefusedSaying()
    {
        TestWindow window;
        MainWindow &form = window.create();
        const QString longest(kLongestKeyword, u'k');
        window.dialogs.textAnswers.append({longest + QLatin1Char('k'), longest, QStringLiteral("two\nlines"),
                                           QStringLiteral("\u202Eevil"), QStringLiteral("a\tb")});
        for (int i = 0; i < 5; ++i)
            test::ui(form).addKeywordButton->click();
        QCOMPARE(rowsOf(test::ui(form).keywordList), QStringList({longest, QStringLiteral("a\tb")}));
        const QStringList messages = window.dialogs.messageTexts();
        QCOMPARE(messages.size(), 3);
        QVERIFY(messages[0].contains(QLocale().toString(kLongestKeyword)));
        QVERIFY(messages[1].contains(QStringLiteral("line break")));
        QVERIFY(messages[2].contains(QStringLiteral("U+202E")));
        for (const QString &message : messages)
            QVERIFY(message.contains(QStringLiteral("not added")));
    }

    void sampleData_eachPressAppendsTheThreeAfterWhatIsThere()
    {
        TestWindow window;
        MainWindow &form = window.create();
        window.dialogs.textAnswers.enqueue(QStringLiteral("mine"));
        test::ui(form).addKeywordButton->click();

        test::ui(form).sampleKeywordsButton->click();
        test::ui(form).sampleKeywordsButton->click();

        QCOMPARE(rowsOf(test::ui(form).keywordList), QStringList{"mine"} + kSample + kSample);
        QVERIFY(window.dialogs.shown.size() == 1); // the input box only
        QCOMPARE(test::ui(form).resultsList->count(), 0);
    }

    void removal_isRefusedWhileBusy_data()
    {
        QTest::addColumn<Removal>("removal");
        QTest::addColumn<bool>("busy");
        QTest::addColumn<QStringList>("rows");
        QTest::newRow("clear") << Removal::ClearButton << false << QStringList{};
        QTest::newRow("clear, busy") << Removal::ClearButton << true << kSample;
        QTest::newRow("double-click") << Removal::DoubleClick << false << QStringList{"Tesla", "COVID-19"};
        QTest::newRow("double-click, busy") << Removal::DoubleClick << true << kSample;
        QTest::newRow("Delete key") << Removal::DeleteKey << false << QStringList{"Tesla", "COVID-19"};
        QTest::newRow("Delete key, busy") << Removal::DeleteKey << true << kSample;
    }
    void removal_isRefusedWhileBusy()
    {
        QFETCH(Removal, removal);
        QFETCH(bool, busy);
        QFETCH(QStringList, rows);

        TestWindow window;
        MainWindow &form = shownWindow(window);
        test::ui(form).sampleKeywordsButton->click();
        if (removal == Removal::DeleteKey)
            test::ui(form).keywordList->selectRow(1); // a double-click selects by its first click
        if (busy)
            form.setBusy(true);

        remove(form, removal, 1);

        QCOMPARE(rowsOf(test::ui(form).keywordList), rows);
        QCOMPARE(form.isBusy(), busy);
        QVERIFY(window.dialogs.shown.isEmpty());
    }

    void addingWorksWhileBusy()
    {
        TestWindow window;
        MainWindow &form = window.create();
        form.setBusy(true);
        window.dialogs.textAnswers.enqueue(QStringLiteral("Mars"));

        test::ui(form).addKeywordButton->click();
        test::ui(form).sampleKeywordsButton->click();

        QCOMPARE(rowsOf(test::ui(form).keywordList), QStringList{"Mars"} + kSample);
        QVERIFY(form.isBusy());
    }

    void removalWithNothingToRemove_doesNothing_data()
    {
        QTest::addColumn<Removal>("removal");
        QTest::addColumn<int>("rowCount");
        QTest::newRow("double-click, empty list") << Removal::DoubleClick << 0;
        QTest::newRow("Delete key, empty list") << Removal::DeleteKey << 0;
        QTest::newRow("double-click, nothing selected") << Removal::DoubleClick << 3;
        QTest::newRow("Delete key, nothing selected") << Removal::DeleteKey << 3;
    }
    void removalWithNothingToRemove_doesNothing()
    {
        QFETCH(Removal, removal);
        QFETCH(int, rowCount);

        TestWindow window;
        MainWindow &form = shownWindow(window);
        if (rowCount > 0)
            test::ui(form).sampleKeywordsButton->click();
        test::ui(form).keywordList->clearSelection();

        form.onKeywordDoubleClicked();
        remove(form, removal, -1);

        QCOMPARE(test::ui(form).keywordList->count(), rowCount);
        QVERIFY(window.dialogs.shown.isEmpty());
    }

    void deleteKey_pressedAgain_goesOnWithTheNextRow()
    {
        TestWindow window;
        MainWindow &form = shownWindow(window);
        test::ui(form).keywordList->rows().append(QStringList{"a", "b", "c", "d"});
        test::ui(form).keywordList->selectRow(1);

        QTest::keyClick(test::ui(form).keywordList, Qt::Key_Delete);
        QTest::keyClick(test::ui(form).keywordList, Qt::Key_Delete);
        QCOMPARE(rowsOf(test::ui(form).keywordList), QStringList({"a", "d"}));
        QCOMPARE(test::ui(form).keywordList->selectedRow(), 1);

        // At the end the selection moves up.
        QTest::keyClick(test::ui(form).keywordList, Qt::Key_Delete);
        QCOMPARE(rowsOf(test::ui(form).keywordList), QStringList{"a"});
        QCOMPARE(test::ui(form).keywordList->selectedRow(), 0);
        QTest::keyClick(test::ui(form).keywordList, Qt::Key_Delete);
        QCOMPARE(test::ui(form).keywordList->count(), 0);
    }

    void clearButtons_emptyOnlyTheirOwnList_data()
    {
        QTest::addColumn<bool>("busy");
        QTest::newRow("idle") << false;
        QTest::newRow("busy") << true;
    }
    void clearButtons_emptyOnlyTheirOwnList()
    {
        QFETCH(bool, busy);

        TestWindow window;
        MainWindow &form = window.create();
        const QStringList results = {"Article one", "Article two"};
        test::ui(form).sampleKeywordsButton->click();
        test::ui(form).resultsList->rows().append(results);
        if (busy)
            form.setBusy(true);

        test::ui(form).clearKeywordsButton->click();
        QCOMPARE(rowsOf(test::ui(form).keywordList), busy ? kSample : QStringList());
        QCOMPARE(rowsOf(test::ui(form).resultsList), results);

        test::ui(form).sampleKeywordsButton->click();
        test::ui(form).clearResultsButton->click();
        QCOMPARE(test::ui(form).resultsList->count(), 0); // busy or not
        QCOMPARE(rowsOf(test::ui(form).keywordList), busy ? kSample + kSample : kSample);
        QVERIFY(window.dialogs.shown.isEmpty());
    }
};

QTEST_MAIN(KeywordEditingTest)
#include "KeywordEditing_test.moc"
