#include "TestPaths.h"
#include "TestWindow.h"
#include "core/ErrorReport.h"
#include "core/KeywordLimits.h"
#include "ui/ReportList.h"
#include "keywords/KeywordImport.h"

#include <QDir>
#include <QMimeData>
#include <QPushButton>
#include <QStringEncoder>
#include <QUrl>
#include <QtTest>

using namespace tidewick;
using test::TestWindow;

namespace {

QByteArray encoded(const QString &text, QStringEncoder::Encoding encoding)
{
    QStringEncoder encoder(encoding);
    return encoder.encode(text);
}

const QByteArray kUtf8Mark("\xEF\xBB\xBF");
const QByteArray kUtf16LEMark("\xFF\xFE", 2);
const QByteArray kUtf16BEMark("\xFE\xFF", 2);

const QString kReportPlace = QStringLiteral("in Pellmoor2021/08/31.FileToListview1.FileToListview at line 102");

QStringList rowsOf(const ReportList *list)
{
    return list->rows().texts();
}

// The import itself, without a window: files read into a keyword list, what
// they say going to the dialogs.
struct Import {
    void files(const QStringList &paths)
    {
        for (const QString &path : paths)
            importKeywordFile(keywords, path, seams.dialogs, reporter, QStringLiteral("Tidewick"));
    }

    test::TestSeams seams;
    ErrorReporter reporter{seams.dialogs};
    ReportListModel keywords{QStringLiteral("Keyword/s"), false};
};

} // namespace

class FileToListviewTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_folder;

    QString file(const QString &name, const QByteArray &bytes)
    {
        const QString path = m_folder.filePath(name);
        test::writeFile(path, bytes);
        return path;
    }

    // Drops the files on the keyword list as a file manager would, offering
    // to copy or move them, and lets the queued import run.
    static bool drop(MainWindow &form, const QList<QUrl> &urls, Qt::DropAction *action = nullptr)
    {
        QWidget *viewport = test::ui(form).keywordList->viewport();
        QMimeData data;
        data.setUrls(urls);
        const Qt::DropActions offered = Qt::CopyAction | Qt::MoveAction;
        QDragEnterEvent enter(QPoint(10, 10), offered, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(viewport, &enter);
        if (!enter.isAccepted())
            return false;
        QDropEvent dropEvent(QPointF(10, 10), offered, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(viewport, &dropEvent);
        if (action)
            *action = dropEvent.dropAction();
        QCoreApplication::processEvents();
        return dropEvent.isAccepted();
    }

private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        QVERIFY(m_folder.isValid());
    }

    void oneFile_addsItsNonBlankLinesInEveryEncoding_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("keywords");

        const QString text = QStringLiteral("Tesla\r\nКиїв 東京\r\n");
        const QStringList lines = {"Tesla", "Київ 東京"};
        QTest::newRow("ANSI, CR LF") << QByteArray("alpha\r\nbeta\r\n") << QStringList{"alpha", "beta"};
        QTest::newRow("ANSI, LF, no final line end") << QByteArray("alpha\nbeta") << QStringList{"alpha", "beta"};
        QTest::newRow("UTF-8 with mark, CR LF") << kUtf8Mark + encoded(text, QStringEncoder::Utf8) << lines;
        QTest::newRow("UTF-8 with mark, LF")
            << kUtf8Mark + encoded(QStringLiteral("Tesla\nКиїв 東京\n"), QStringEncoder::Utf8) << lines;
        QTest::newRow("UTF-16 LE") << kUtf16LEMark + encoded(text, QStringEncoder::Utf16LE) << lines;
        QTest::newRow("UTF-16 BE") << kUtf16BEMark + encoded(text, QStringEncoder::Utf16BE) << lines;
        QTest::newRow("UTF-16 LE, no final line end")
            << kUtf16LEMark + encoded(QStringLiteral("Tesla\r\nКиїв 東京"), QStringEncoder::Utf16LE) << lines;
        QTest::newRow("UTF-32 LE") << QByteArray("\xFF\xFE\x00\x00", 4) + encoded(text, QStringEncoder::Utf32LE)
                                   << lines;
        QTest::newRow("empty") << QByteArray() << QStringList{};
        QTest::newRow("UTF-8 mark only") << kUtf8Mark << QStringList{};
        QTest::newRow("UTF-16 mark only") << kUtf16LEMark << QStringList{};
        QTest::newRow("blank and space-only lines skipped, other blanks kept")
            << QByteArray("  a \r\n\r\n   \r\n\t\r\n\t \r\n\xC2\xA0\r\n \r\nb\r\n\r\n")
            << QStringList{"  a ", "\t", "\t ", QString(QChar(0xA0)), "b"};
        QTest::newRow("repeated lines all kept") << QByteArray("x\r\nx\r\nx") << QStringList{"x", "x", "x"};
    }
    void oneFile_addsItsNonBlankLinesInEveryEncoding()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, keywords);

        Import import;
        import.keywords.append(QStringLiteral("already there"));
        import.files({file(QStringLiteral("list.txt"), bytes)});
        QCOMPARE(import.keywords.texts(), QStringList{"already there"} + keywords);
        QVERIFY(import.seams.dialogs.shown.isEmpty());
    }

    void severalFiles_loadInTheDialogsOrderAfterTheList()
    {
        TestWindow window;
        MainWindow &form = window.create();
        test::ui(form).sampleKeywordsButton->click();
        test::ui(form).resultsList->rows().append(QStringLiteral("an article"));
        const QString b = file(QStringLiteral("b.txt"), "Tesla\r\nb2\r\n");
        const QString a = file(QStringLiteral("a.txt"), kUtf8Mark + "a1\r\nTesla\r\n");
        const QString c = file(QStringLiteral("c"), "c1");
        window.dialogs.openAnswers.enqueue({b, a, c});

        test::ui(form).importKeywordsButton->click();

        QCOMPARE(rowsOf(test::ui(form).keywordList), QStringList({"Tesla", "Perseverance", "COVID-19", "Tesla", "b2", "a1",
                                                      "Tesla", "c1"}));
        QCOMPARE(rowsOf(test::ui(form).resultsList), QStringList{"an article"});
        QCOMPARE(window.dialogs.shown.size(), 1);
        const auto &dialog = window.dialogs.shown.constFirst();
        QCOMPARE(dialog.kind, QStringLiteral("open"));
        QCOMPARE(dialog.title, QStringLiteral("Load List(s) - Hold Ctrl to select multiple list files"));
        QCOMPARE(dialog.filters, QStringList({"Text Files (*.txt)", "All Files (*)"}));
    }

    void cancelledDialog_changesNothing()
    {
        TestWindow window;
        MainWindow &form = window.create();
        test::ui(form).sampleKeywordsButton->click();
        form.setMousePointer(MainWindow::Pointer::Custom);

        test::ui(form).importKeywordsButton->click();

        QCOMPARE(test::ui(form).keywordList->count(), 3);
        QCOMPARE(form.mousePointer(), MainWindow::Pointer::Custom);
        QCOMPARE(window.dialogs.shown.size(), 1);
    }

    void missingNameAmongRealOnes_saysFileNotFoundAndLoadsTheOthers()
    {
        TestWindow window;
        MainWindow &form = window.create();
        const QString missing = m_folder.filePath(QStringLiteral("typed but missing.txt"));
        window.dialogs.openAnswers.enqueue(
            {file(QStringLiteral("one.txt"), "one"), missing, file(QStringLiteral("two.txt"), "two")});
        QList<bool> busyWhileShown;
        window.dialogs.onShow = [&](const auto &) { busyWhileShown.append(form.isBusy()); };

        test::ui(form).importKeywordsButton->click();

        QCOMPARE(rowsOf(test::ui(form).keywordList), QStringList({"one", "two"}));
        const auto messages = window.dialogs.messages();
        QCOMPARE(messages.size(), 1);
        QCOMPARE(messages.constFirst().text, QStringLiteral("File not found"));
        QCOMPARE(messages.constFirst().title, form.appTitle());
        QCOMPARE(messages.constFirst().icon, MessageIcon::None);
        // The open dialog came before the busy pointer, the message under it.
        QCOMPARE(busyWhileShown, QList<bool>({false, true}));
        QCOMPARE(form.mousePointer(), MainWindow::Pointer::Default);
    }

    void fileThatCannotBeRead_isReportedAndAddsNothing_data()
    {
        QTest::addColumn<QString>("path");
        const QString folder = m_folder.filePath(QStringLiteral("folder.txt"));
        QDir().mkpath(folder);
        QTest::newRow("folder") << folder;
        QTest::newRow("device") << QStringLiteral("/dev/zero");
        QTest::newRow("no read permission") << file(QStringLiteral("secret.txt"), "secret");
    }
    void fileThatCannotBeRead_isReportedAndAddsNothing()
    {
        QFETCH(QString, path);
        if (QFileInfo(path).isFile()) {
            QVERIFY(QFile::setPermissions(path, QFileDevice::WriteOwner));
            QFile probe(path);
            if (probe.open(QIODevice::ReadOnly))
                QSKIP("running with rights that ignore file permissions");
        }

        Import import;
        import.files({file(QStringLiteral("before.txt"), "before"), path, file(QStringLiteral("after.txt"), "after")});
        QCOMPARE(import.keywords.texts(), QStringList({"before", "after"}));
        const QStringList reports = import.seams.dialogs.errorReports();
        QCOMPARE(reports.size(), 1);
        QVERIFY2(reports.constFirst().contains(kReportPlace + QStringLiteral("\r\r")), qPrintable(reports.first()));
        QVERIFY2(reports.constFirst().section(QStringLiteral("\r\n"), 0, 0).contains(path),
                 qPrintable(reports.first()));
    }

    // What an import may cost is bounded: a file larger than any keyword list
    // is refused unread (a sparse file of zero bytes here), a line too long to
    // ever be queried is left out, and each file says so once.
    void oversizedInput_isLeftOutAndSaidOncePerFile()
    {
        const QString huge = m_folder.filePath(QStringLiteral("huge.txt"));
        {
            QFile sparse(huge);
            QVERIFY(sparse.open(QIODevice::WriteOnly) && sparse.resize(kLargestKeywordFile + 1));
        }
        const QByteArray tooLong(kLongestKeyword + 1, 'k');
        const QByteArray longest(kLongestKeyword, 'k');
        const QString mixed = file(QStringLiteral("long lines.txt"),
                                   "a\r\n" + tooLong + "\r\n" + longest + "\r\n" + tooLong + "k\r\nb");
        Import import;
        import.files({huge, mixed});
        QCOMPARE(import.keywords.texts(), QStringList({"a", QString::fromLatin1(longest), "b"}));
        QCOMPARE(import.seams.dialogs.messageTexts(),
                 QStringList({huge + QStringLiteral(" was not loaded: it is larger than a keyword list can be (64 MB)."),
                              QStringLiteral("2 lines of ") + mixed
                                  + QStringLiteral(" were left out: a keyword can be at most %1 characters long.")
                                        .arg(QLocale().toString(kLongestKeyword))}));
    }

    void importDuringABusyWindow_leavesItBusy()
    {
        // A save yielding to the window shows the busy pointer; an import
        // started meanwhile must not take that protection away.
        TestWindow window;
        MainWindow &form = window.create();
        form.setBusy(true);
        window.dialogs.openAnswers.enqueue({file(QStringLiteral("k.txt"), "k")});

        test::ui(form).importKeywordsButton->click();

        QCOMPARE(rowsOf(test::ui(form).keywordList), QStringList{"k"});
        QVERIFY(form.isBusy());
    }

    void droppedFiles_areImportedLikeChosenOnes()
    {
        TestWindow window;
        MainWindow &form = window.create();
        test::ui(form).sampleKeywordsButton->click();
        const QString first = file(QStringLiteral("dropped 1.txt"), kUtf8Mark + "Mars\r\n\r\nVenus\r\n");
        const QString second = file(QStringLiteral("dropped 2.txt"), "Jupiter");
        QList<bool> busyWhileShown;
        window.dialogs.onShow = [&](const auto &) { busyWhileShown.append(form.isBusy()); };

        Qt::DropAction action = Qt::IgnoreAction;
        QVERIFY(drop(form, {QUrl::fromLocalFile(first), QUrl::fromLocalFile(second)}, &action));

        QCOMPARE(action, Qt::CopyAction); // never a move: the files stay where they were
        QCOMPARE(rowsOf(test::ui(form).keywordList),
                 QStringList({"Tesla", "Perseverance", "COVID-19", "Mars", "Venus", "Jupiter"}));
        QVERIFY(window.dialogs.shown.isEmpty());
        QCOMPARE(form.mousePointer(), MainWindow::Pointer::Default);

        // Like the button, a name that is gone by now says so under the busy
        // pointer; remote addresses among the files are passed over.
        QVERIFY(drop(form, {QUrl(QStringLiteral("https://example.com/list.txt")),
                            QUrl::fromLocalFile(m_folder.filePath(QStringLiteral("gone.txt"))),
                            QUrl::fromLocalFile(second)}));
        QCOMPARE(rowsOf(test::ui(form).keywordList).mid(6), QStringList{"Jupiter"});
        QCOMPARE(window.dialogs.messageTexts(), QStringList{"File not found"});
        QCOMPARE(busyWhileShown, QList<bool>{true});
    }

    void dragWithoutLocalFiles_isRefused()
    {
        TestWindow window;
        MainWindow &form = window.create();

        QVERIFY(!drop(form, {QUrl(QStringLiteral("https://example.com/list.txt"))}));
        QVERIFY(!drop(form, {}));

        QCOMPARE(test::ui(form).keywordList->count(), 0);
        QVERIFY(window.dialogs.shown.isEmpty());
    }

    void largeFile_reachesTheListInOneBatch()
    {
        constexpr int kLines = 200000;
        QByteArray bytes;
        for (int i = 0; i < kLines; ++i)
            bytes += "keyword " + QByteArray::number(i) + (i % 1000 == 0 ? "\r\n  \r\n" : "\r\n");
        const QString path = file(QStringLiteral("large.txt"), bytes);

        Import import;
        int insertions = 0;
        connect(&import.keywords, &QAbstractItemModel::rowsInserted, this, [&insertions] { ++insertions; });
        import.files({path});
        QCOMPARE(import.keywords.count(), kLines);
        QCOMPARE(import.keywords.text(kLines - 1), QStringLiteral("keyword %1").arg(kLines - 1));
        QCOMPARE(insertions, 1);
        QVERIFY(import.seams.dialogs.shown.isEmpty());
    }
};

QTEST_MAIN(FileToListviewTest)
#include "KeywordImport_test.moc"
