#include "FolderLocks.h"
#include "TestPaths.h"
#include "TestWindow.h"
#include "app/ResultsListActions.h"
#include "core/AppError.h"
#include "core/ArticleLink.h"
#include "ui/ReportList.h"
#include "results/ArticleRow.h"
#include "results/ListFileSave.h"
#include "results/ExportFormat.h"
#include "results/ResultsFile.h"

#include <QAction>
#include <QClipboard>
#include <QDir>
#include <QPushButton>
#include <QTimer>
#include <QLineEdit>
#include <QtTest>

#include <clocale>
#include <sys/stat.h>
#include <sys/sysmacros.h>

using namespace tidewick;
using test::readFile;
using test::TestWindow;
using test::writeFile;

namespace {

const QString kReportPlace = QStringLiteral("in Pellmoor2021/08/31.Form1.PushButton1_Click at line 130\r\r");

QStringList rowsOf(const ReportList *list)
{
    return list->rows().texts();
}

// Sets LC_CTYPE for one scope and puts the old one back.
class CTypeLocale {
public:
    explicit CTypeLocale(const char *name) : m_previous(std::setlocale(LC_CTYPE, nullptr))
    {
        m_valid = std::setlocale(LC_CTYPE, name) != nullptr;
    }
    ~CTypeLocale() { std::setlocale(LC_CTYPE, m_previous.constData()); }
    bool isValid() const { return m_valid; }

private:
    QByteArray m_previous;
    bool m_valid = false;
};

} // namespace

class ExportTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_folder;
    int m_fileNumber = 0;

    // A fresh path in the test folder, without extension.
    QString newPath() { return m_folder.filePath(QStringLiteral("results %1").arg(++m_fileNumber)); }

    static void fillResults(MainWindow &form, const QStringList &rows) { test::ui(form).resultsList->rows().append(rows); }

    // Saves the results to `path`, answering the overwrite question with
    // `overwrite` if it comes.
    static void save(TestWindow &window, const QString &path, bool overwrite = true)
    {
        window.dialogs.saveAnswers.enqueue(path);
        window.dialogs.yesNoAnswers.enqueue(overwrite);
        test::ui(window.form()).saveResultsButton->click();
        QTRY_VERIFY(window.form().findChildren<ListFileSave *>().isEmpty());
    }

    // A save without the window: the failure it ends with, if any.
    static QString saveList(const QStringList &rows, const QString &path)
    {
        try {
            ListFileSave save(QStringLiteral("News"), rows, path);
            QSignalSpy finished(&save, &ListFileSave::finished);
            return finished.wait(10000) ? finished.first().first().toString() : QStringLiteral("no end");
        } catch (const AppError &error) {
            return error.description();
        }
    }

    static void exportFormatRows()
    {
        QTest::addColumn<QStringList>("rows");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("two rows") << QStringList{"A", "B"}
                                  << QByteArray::fromHex("4E 65 77 73 09 0D 0A 41 09 0D 0A 42 09 0D 0A 0D 0A");
        QTest::newRow("single row ends with an empty line") << QStringList{"A"} << QByteArray("News\t\r\nA\t\r\n\r\n");
        QTest::newRow("empty first row, empty header line")
            << QStringList{"", "B"} << QByteArray("\r\n\r\nB\t\r\n\r\n");
        QTest::newRow("empty row in the middle")
            << QStringList{"A", "", "C"} << QByteArray("News\t\r\nA\t\r\n\r\nC\t\r\n\r\n");
        QTest::newRow("text kept as it is")
            << QStringList{" spaced \tout ", "Київ 東京 😀"}
            << QByteArray("News\t\r\n spaced \tout \t\r\n") + QStringLiteral("Київ 東京 😀").toUtf8()
                   + QByteArray("\t\r\n\r\n");
    }

private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        QVERIFY(m_folder.isValid());
    }

    void exportText_isTheFileFormat_data() { exportFormatRows(); }
    void exportText_isTheFileFormat()
    {
        QFETCH(QStringList, rows);
        QFETCH(QByteArray, bytes);
        QCOMPARE(exportText(QStringLiteral("News"), rows).toUtf8(), bytes);
    }

    // Only an http or https address is ever handed to the browser, and of
    // several the last, as the article's own link comes last in a row.
    void articleLink_isTheRowsLastWebAddress_data()
    {
        QTest::addColumn<QString>("row");
        QTest::addColumn<QString>("link");
        QTest::newRow("article") << "Reuters - Rates steady Published on Mar 5th http://news.localhost/s/AbC123x "
                                 << "http://news.localhost/s/AbC123x";
        QTest::newRow("none") << "BBC News - Storm on the coast " << "";
        QTest::newRow("several") << "see https://a.example/x and http://b.example/y." << "http://b.example/y";
        QTest::newRow("in brackets") << "(https://newsapi.org)." << "https://newsapi.org";
        QTest::newRow("own brackets") << "https://en.example/Tide_(sea) " << "https://en.example/Tide_(sea)";
        QTest::newRow("javascript") << "click javascript:alert(1) " << "";
        QTest::newRow("javascript after a link") << "http://a.example/ javascript:alert(1)" << "http://a.example/";
        QTest::newRow("file") << "file:///etc/passwd" << "";
        QTest::newRow("scheme inside a word") << "xhttp://a.example/ svn+https://b.example/" << "";
        QTest::newRow("no host") << "http:///etc/passwd" << "";
        QTest::newRow("upper case") << "HTTPS://A.EXAMPLE/P" << "https://a.example/P";
        QTest::newRow("stray percent") << "http://a.example/50%off%20now" << "http://a.example/50%25off now";
    }
    void articleLink_isTheRowsLastWebAddress()
    {
        QFETCH(QString, row);
        QFETCH(QString, link);
        QCOMPARE(articleLink(row).toString(), link);
    }

    void resultRows_openAndCopyFromMouseKeyboardAndMenu()
    {
        TestWindow window;
        MainWindow &form = window.create();
        fillResults(form, {"A <b>bold</b> claim http://a.example/1 ", "No link here ", "C https://c.example/3 "});
        ReportList &list = *test::ui(form).resultsList;
        ResultsListActions &actions = *test::ui(form).resultsActions;
        QCOMPARE(list.rows().data(list.rows().index(0), Qt::ToolTipRole).toString(),
                 QStringLiteral("<p style='white-space:pre'>A &lt;b&gt;bold&lt;/b&gt; claim http://a.example/1</p>"));

        emit list.doubleClicked(list.rows().index(2));
        list.selectRow(1);
        QVERIFY(!actions.openLinkAction->isEnabled());
        QTest::keyClick(&list, Qt::Key_Return); // no link: nothing
        list.selectRow(0);
        QTest::keyClick(&list, Qt::Key_Enter);
        QCOMPARE(window.openedLinks, QList<QUrl>({QUrl("https://c.example/3"), QUrl("http://a.example/1")}));

        actions.copyLinkAction->trigger();
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("http://a.example/1"));
        list.selectionModel()->select(list.rows().index(2), QItemSelectionModel::Select | QItemSelectionModel::Rows);
        QTest::keySequence(&list, QKeySequence::Copy);
        QCOMPARE(QGuiApplication::clipboard()->text(),
                 QStringLiteral("A <b>bold</b> claim http://a.example/1 \nC https://c.example/3 "));
        QCOMPARE(list.actions(), QList<QAction *>({actions.openLinkAction, actions.copyLinkAction,
                                                   actions.copyTextAction}));
        QCOMPARE(list.contextMenuPolicy(), Qt::ActionsContextMenu);

        window.linksOpen = false; // the desktop cannot launch it
        QTest::keyClick(&list, Qt::Key_Return);
        QCOMPARE(window.dialogs.messageTexts().size(), 1);
        QVERIFY(window.dialogs.messageTexts()[0].contains(QStringLiteral("http://a.example/1 could not be opened")));
    }

    void exportText_ofSeveralColumns_leavesOutEmptyCells()
    {
        const QStringList headers = {"News", "Source", "Date"};
        const QStringList first = {"a", "", "c"};
        const QStringList second = {"", "s", ""};
        QString text;
        appendExportHeader(text, headers, first);
        appendExportRow(text, first);
        appendExportRow(text, second);
        appendExportEnd(text);
        QCOMPARE(text, QStringLiteral("News\tDate\t\r\na\tc\t\r\ns\t\r\n\r\n"));
        // The first row decides whether a header shows, not the header's own
        // text: an empty header still gets its TAB.
        QString emptyHeader;
        appendExportHeader(emptyHeader, QStringList{"", "Source"}, QStringList{"a", "s"});
        QCOMPARE(emptyHeader, QStringLiteral("\tSource\t\r\n"));
        QCOMPARE(exportText(QString(), {"a"}), QStringLiteral("\t\r\na\t\r\n\r\n"));
        // Without rows no column has a first cell.
        QCOMPARE(exportText(QStringLiteral("News"), {}), QStringLiteral("\r\n\r\n"));
    }

    void saveResults_writesTheFormatByteForByte_data() { exportFormatRows(); }
    void saveResults_writesTheFormatByteForByte()
    {
        QFETCH(QStringList, rows);
        QFETCH(QByteArray, bytes);

        TestWindow window;
        MainWindow &form = window.create();
        fillResults(form, rows);
        const QString path = newPath(); // no extension: kept as typed

        save(window, path);

        QCOMPARE(readFile(path), bytes);
        QCOMPARE(window.dialogs.shown.size(), 1); // no question for a new name
        const auto &dialog = window.dialogs.shown.constFirst();
        QCOMPARE(dialog.kind, QStringLiteral("save"));
        QCOMPARE(dialog.title, QStringLiteral("Save List"));
        QCOMPARE(dialog.filters, QStringList({"Text Files (*.txt)", "All Files (*)"}));
        QCOMPARE(form.mousePointer(), MainWindow::Pointer::Default);
        QCOMPARE(rowsOf(test::ui(form).resultsList), rows);
    }

    void existingName_isOverwrittenOnlyAfterYes_data()
    {
        QTest::addColumn<bool>("yes");
        QTest::newRow("yes") << true;
        QTest::newRow("no") << false;
    }
    void existingName_isOverwrittenOnlyAfterYes()
    {
        QFETCH(bool, yes);

        TestWindow window;
        MainWindow &form = window.create();
        fillResults(form, {"A", "B"});
        const QString path = newPath() + QStringLiteral(".txt");
        const QByteArray earlier(100000, 'x');
        writeFile(path, earlier);

        save(window, path, yes);

        QCOMPARE(readFile(path), yes ? QByteArray("News\t\r\nA\t\r\nB\t\r\n\r\n") : earlier);
        QCOMPARE(window.dialogs.shown.size(), 2);
        const auto &question = window.dialogs.shown.at(1);
        QCOMPARE(question.kind, QStringLiteral("yesno"));
        QCOMPARE(question.title, form.appTitle());
        QCOMPARE(question.text, QStringLiteral("Are you sure you wish to overwrite ") + path + QStringLiteral(" ?"));
        QCOMPARE(form.mousePointer(), MainWindow::Pointer::Default);
        QVERIFY(window.dialogs.messages().isEmpty());
    }

    void cancelledDialog_asksAndWritesNothing()
    {
        TestWindow window;
        MainWindow &form = window.create();
        fillResults(form, {"A"});
        form.setMousePointer(MainWindow::Pointer::Custom);
        const QStringList before = QDir(m_folder.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);

        test::ui(form).saveResultsButton->click();

        QCOMPARE(window.dialogs.shown.size(), 1);
        QCOMPARE(QDir(m_folder.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), before);
        QCOMPARE(form.mousePointer(), MainWindow::Pointer::Custom);
    }

    // Typing in the filter narrows the rows to those that hold every word,
    // in any case; "Save Results" saves what is listed, and with nothing
    // listed says so. Escape shows every row again.
    void emptyList_saysSoInsteadOfAskingForAName()
    {
        TestWindow window;
        MainWindow &form = window.create();
        fillResults(form, {"Mars rover lands", "Rover recall", "Solar eclipse over Mars"});
        auto *filter = form.findChild<QLineEdit *>(QStringLiteral("resultsFilter"));
        QVERIFY(filter && !filter->accessibleName().isEmpty());
        QTest::keyClicks(filter, QStringLiteral("mars ROV"));
        QCOMPARE(test::ui(form).resultsList->shownTexts(), QStringList{"Mars rover lands"});
        const QString path = newPath();
        save(window, path);
        QCOMPARE(readFile(path), QByteArray("News\t\r\nMars rover lands\t\r\n\r\n"));
        QTest::keyClick(filter, Qt::Key_Escape);
        QCOMPARE(test::ui(form).resultsList->shownTexts().size(), 3);
        QTest::keyClicks(filter, QStringLiteral("nothing like it"));
        window.dialogs.shown.clear();

        test::ui(form).saveResultsButton->click();

        QCOMPARE(window.dialogs.shown.size(), 1);
        const auto &message = window.dialogs.shown.constFirst();
        QCOMPARE(message.kind, QStringLiteral("message"));
        QCOMPARE(message.text, QStringLiteral("There are no results to save."));
        QCOMPARE(message.title, form.appTitle());
        QCOMPARE(message.icon, MessageIcon::None);
        QVERIFY(window.dialogs.errorReports().isEmpty());
    }

    void failedSave_isReportedAtLine130AndKeepsTheEarlierFile_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("earlierFile"); // empty: none to keep
        QTest::addColumn<bool>("asked");

        const QString aFile = m_folder.filePath(QStringLiteral("a file"));
        writeFile(aFile, "earlier");
        const QString aFolder = m_folder.filePath(QStringLiteral("a folder.txt"));
        QDir().mkpath(aFolder);
        writeFile(aFolder + QStringLiteral("/inside"), "earlier");

        QTest::newRow("folder does not exist")
            << m_folder.filePath(QStringLiteral("no such folder/results.txt")) << QString() << false;
        QTest::newRow("parent is a file") << aFile + QStringLiteral("/results.txt") << aFile << false;
        QTest::newRow("target is a folder") << aFolder << aFolder + QStringLiteral("/inside") << true;
    }
    void failedSave_isReportedAtLine130AndKeepsTheEarlierFile()
    {
        QFETCH(QString, path);
        QFETCH(QString, earlierFile);
        QFETCH(bool, asked);

        TestWindow window;
        MainWindow &form = window.create();
        fillResults(form, {"A", "B"});

        save(window, path);

        const QStringList reports = window.dialogs.errorReports();
        QCOMPARE(reports.size(), 1);
        QVERIFY2(reports.constFirst().contains(kReportPlace), qPrintable(reports.constFirst()));
        QCOMPARE(window.dialogs.shown.size(), asked ? 3 : 2);
        QCOMPARE(form.mousePointer(), MainWindow::Pointer::Default);
        if (!earlierFile.isEmpty())
            QCOMPARE(readFile(earlierFile), QByteArray("earlier"));
        QCOMPARE(rowsOf(test::ui(form).resultsList), QStringList({"A", "B"}));
    }

    // Where the folder takes no new file the atomic save has nowhere to put
    // its temporary file: an existing file is then written in place, while a
    // new name still fails.
    void folderTakingNoNewFile_stillSavesOverAnExistingFile()
    {
        QTemporaryDir folder;
        const QString existing = folder.filePath(QStringLiteral("results.txt"));
        writeFile(existing, QByteArray(100000, 'x'));
        const test::LockedFolder locked(folder.path());
        if (!locked.isLocked())
            QSKIP("no way to make a folder refuse new files here");
        QCOMPARE(saveList({"A", "B"}, existing), QString());
        QCOMPARE(readFile(existing), QByteArray("News\t\r\nA\t\r\nB\t\r\n\r\n"));
        QVERIFY(!saveList({"A", "B"}, folder.filePath(QStringLiteral("new.txt"))).isEmpty());
        QCOMPARE(QDir(folder.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
                 QStringList{"results.txt"});
    }

    void specialFile_isNeitherAskedAboutNorReplaced_data()
    {
        QTest::addColumn<bool>("device");
        QTest::newRow("named pipe") << false;
        QTest::newRow("device node") << true;
    }
    // A named pipe or a device is no file to save to: it is said at once, and
    // it stays what it was.
    void specialFile_isNeitherAskedAboutNorReplaced()
    {
        QFETCH(bool, device);
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("special"));
        const QByteArray name = QFile::encodeName(path);
        if (device && ::mknod(name.constData(), S_IFCHR | 0666, makedev(1, 3)) != 0)
            QSKIP("device nodes cannot be made here");
        if (!device)
            QCOMPARE(::mkfifo(name.constData(), 0600), 0);
        TestWindow window;
        MainWindow &form = window.create();
        fillResults(form, {"A"});

        save(window, path);

        QCOMPARE(window.dialogs.shown.size(), 2); // the save dialog and the message, no question
        const auto &message = window.dialogs.shown.at(1);
        QCOMPARE(message.kind, QStringLiteral("message"));
        QVERIFY2(message.text.startsWith(path + QStringLiteral(" is not a regular file")), qPrintable(message.text));
        QVERIFY(window.dialogs.errorReports().isEmpty());
        struct stat status {};
        QCOMPARE(::stat(name.constData(), &status), 0);
        QVERIFY(device ? S_ISCHR(status.st_mode) : S_ISFIFO(status.st_mode));
        // The writer refuses it too, should it turn up after the question.
        QVERIFY_THROWS_EXCEPTION(AppError, writeTextFile(QStringLiteral("x"), path));
        QCOMPARE(::stat(name.constData(), &status), 0);
        QVERIFY(device ? S_ISCHR(status.st_mode) : S_ISFIFO(status.st_mode));
    }

    void writerDestroyedBeforeCommit_leavesTheEarlierFileWhole()
    {
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("results.txt"));
        const QByteArray earlier(1 << 20, 'e');
        writeFile(path, earlier);
        {
            AnsiTextFile file(path);
            file.write(QString(2 << 20, u'n'));
            // a failure here: the file is never committed
        }
        QCOMPARE(readFile(path), earlier);
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files), QStringList{"results.txt"});

        writeTextFile(QStringLiteral("new"), path);
        QCOMPARE(readFile(path), QByteArray("new\r\n"));
    }

    void clearListDuringASave_savesTheRowsAsTheSaveBegan()
    {
        constexpr int kRows = 20000;
        TestWindow window;
        MainWindow &form = window.create();
        QStringList rows;
        for (int i = 0; i < kRows; ++i)
            rows.append(QStringLiteral("Article %1").arg(i));
        fillResults(form, rows);
        test::ui(form).sampleKeywordsButton->click();

        // While the save yields to the window: empty the results, try to
        // empty the keywords (refused while busy) and add to them (allowed).
        bool ranDuringSave = false;
        QTimer::singleShot(0, &form, [&] {
            ranDuringSave = form.isBusy();
            test::ui(form).clearResultsButton->click();
            test::ui(form).clearKeywordsButton->click();
            test::ui(form).sampleKeywordsButton->click();
        });
        const QString path = newPath();
        save(window, path);

        QVERIFY(ranDuringSave);
        QCOMPARE(test::ui(form).resultsList->count(), 0);
        QCOMPARE(test::ui(form).keywordList->count(), 6);
        QCOMPARE(readFile(path), exportText(QStringLiteral("News"), rows).toUtf8());
        QVERIFY(window.dialogs.errorReports().isEmpty());
        QCOMPARE(form.mousePointer(), MainWindow::Pointer::Default);
    }

    void ansiText_inTheLocalesEncoding_data()
    {
        QTest::addColumn<QByteArray>("charset");
        QTest::addColumn<QByteArray>("bytes");
        const QString sample = QStringLiteral("Café € Київ 😀\r\n");
        QTest::newRow("UTF-8 loses nothing") << QByteArray("UTF-8") << sample.toUtf8();
        QTest::newRow("Latin-1") << QByteArray("ISO-8859-1") << QByteArray("Caf\xE9 ? ???? ?\r\n");
        QTest::newRow("Windows-1252") << QByteArray("CP1252") << QByteArray("Caf\xE9 \x80 ???? ?\r\n");
        QTest::newRow("ASCII") << QByteArray("ANSI_X3.4-1968") << QByteArray("Caf? ? ???? ?\r\n");
        QTest::newRow("shift states closed around a question mark")
            << QByteArray("ISO-2022-JP")
            << QByteArray::fromHex("1b2442 456c 1b2842 3f 1b2442 357e 1b2842 0d0a");
    }
    void ansiText_inTheLocalesEncoding()
    {
        QFETCH(QByteArray, charset);
        QFETCH(QByteArray, bytes);
        const QString text = QTest::currentDataTag() == QByteArrayLiteral("shift states closed around a question mark")
            ? QStringLiteral("東é京\r\n")
            : QStringLiteral("Café € Київ 😀\r\n");

        AnsiEncoder encoder(charset);
        QByteArray whole = encoder.encode(text) + encoder.finish();
        QCOMPARE(whole, bytes);

        // Written in pieces that split a surrogate pair, the same bytes.
        const QString path = newPath();
        {
            AnsiTextFile file(path, charset);
            for (qsizetype i = 0; i < text.size(); i += 3)
                file.write(QStringView(text).mid(i, 3));
            file.commit();
        }
        QCOMPARE(readFile(path), bytes);
    }

    void ansiCodePage_isTheLocalesAndUtf8WhenNoneIsChosen()
    {
        QVERIFY(AnsiEncoder().isUtf8()); // tests run in C.UTF-8
        {
            CTypeLocale plain("C");
            QVERIFY(plain.isValid());
            QVERIFY(AnsiEncoder().isUtf8());
        }
        QVERIFY_THROWS_EXCEPTION(AppError, AnsiEncoder(QByteArrayLiteral("NO-SUCH-CHARSET")));
    }
};

QTEST_MAIN(ExportTest)
#include "Export_test.moc"
