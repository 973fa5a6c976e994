#include "core/AppError.h"
#include "core/SettingsLock.h"
#include "core/SettingsStore.h"
#include "core/ValueConversion.h"

#include <QFile>
#include <QLocale>
#include <QTemporaryDir>
#include <QtTest>

#include <cstdio>

using namespace tidewick;

class SettingsStoreTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void absentKey_givesDefault_existingEmptyKey_givesEmptyText()
    {
        QTemporaryDir folder;
        SettingsStore store(folder.path());
        QCOMPARE(store.read(SettingKeys::OftenIndex, QStringLiteral("2")), QStringLiteral("2"));
        store.write(SettingKeys::OftenIndex, QString());
        QCOMPARE(store.read(SettingKeys::OftenIndex, QStringLiteral("2")), QString());
    }

    void write_isOnDiskAtOnce_andSeenByAnotherStore()
    {
        QTemporaryDir folder;
        SettingsStore first(folder.path());
        SettingsStore second(folder.path());
        first.write(SettingKeys::WindowsStartup, kOn);
        QCOMPARE(second.read(SettingKeys::WindowsStartup, kOff), kOn);
        second.write(SettingKeys::WindowsStartup, kOff);
        QCOMPARE(first.read(SettingKeys::WindowsStartup, kOn), kOff);

        QCOMPARE(first.filePath(), folder.filePath(QStringLiteral("Kestrow/Tidewick.ini")));
        QFile file(first.filePath());
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray ini = file.readAll();
        QVERIFY(ini.contains("[Tidewick]"));
        // The key keeps its blank (the INI format escapes it on disk).
        QVERIFY(ini.contains("Windows%20Startup=Off"));
    }

    void valuesWithSeparatorsAndNonAscii_roundTrip_data()
    {
        QTest::addColumn<QString>("value");
        QTest::newRow("decimal comma") << QStringLiteral("46083,5416666667");
        QTest::newRow("decimal point") << QStringLiteral("46083.5416666667");
        QTest::newRow("semicolon and quote") << QStringLiteral("a;b\"c");
        QTest::newRow("non-latin") << QStringLiteral("Ünïcødé 新闻");
        QTest::newRow("leading blank") << QStringLiteral(" 2");
    }
    void valuesWithSeparatorsAndNonAscii_roundTrip()
    {
        QFETCH(QString, value);
        QTemporaryDir folder;
        SettingsStore store(folder.path());
        store.write(SettingKeys::StartDate, value);
        QCOMPARE(SettingsStore(folder.path()).read(SettingKeys::StartDate, QStringLiteral("0")), value);
    }

    void handEditedListValue_readsAsItsText()
    {
        QTemporaryDir folder;
        SettingsStore store(folder.path());
        QDir().mkpath(folder.filePath(QStringLiteral("Kestrow")));
        QFile file(store.filePath());
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("[Tidewick]\nStartDate=46083,5\n");
        file.close();
        QCOMPARE(store.read(SettingKeys::StartDate, QStringLiteral("0")), QStringLiteral("46083,5"));
    }

    void writeToUnwritableFolder_fails()
    {
        if (geteuid() == 0)
            QSKIP("root can write anywhere");
        QTemporaryDir folder;
        QFile::setPermissions(folder.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
        SettingsStore store(folder.path());
        QVERIFY_THROWS_EXCEPTION(AppError, store.write(SettingKeys::DailyRecs, QStringLiteral("1")));
        QFile::setPermissions(folder.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    }

    void writeWhereAFileBlocksTheFolder_fails()
    {
        QTemporaryDir folder;
        QFile blocker(folder.filePath(QStringLiteral("Kestrow")));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        SettingsStore store(folder.path());
        QVERIFY_THROWS_EXCEPTION(AppError, store.write(SettingKeys::DailyRecs, QStringLiteral("1")));
    }

    void toInt16_convertsLikeTheRuntime_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("expected");
        QTest::addColumn<QString>("failure");
        QTest::newRow("plain") << "2" << 2 << "";
        QTest::newRow("blanks") << " 5 " << 5 << "";
        QTest::newRow("negative") << "-3" << -3 << "";
        QTest::newRow("half to even down") << "2.5" << 2 << "";
        QTest::newRow("half to even up") << "3.5" << 4 << "";
        QTest::newRow("largest") << "32767" << 32767 << "";
        QTest::newRow("too large") << "32768" << 0 << "Overflow";
        QTest::newRow("letters") << "x" << 0 << "Type mismatch";
        QTest::newRow("empty") << "" << 0 << "Type mismatch";
        QTest::newRow("trailing text") << "9a" << 0 << "Type mismatch";
    }
    void toInt16_convertsLikeTheRuntime()
    {
        QFETCH(QString, text);
        QFETCH(int, expected);
        QFETCH(QString, failure);
        try {
            const int value = toInt16(text);
            QVERIFY2(failure.isEmpty(), "conversion should have failed");
            QCOMPARE(value, expected);
        } catch (const AppError &error) {
            QCOMPARE(error.description(), failure);
        }
    }

    void dayNumbers_countFromTheLastDaysOf1899()
    {
        QCOMPARE(toDayNumber(QDateTime(QDate(1899, 12, 30), QTime(0, 0))), 0.0);
        QCOMPARE(toDayNumber(QDateTime(QDate(1900, 1, 1), QTime(18, 0))), 2.75);
        const QDateTime moment(QDate(2026, 3, 2), QTime(10, 59, 30));
        QCOMPARE(fromDayNumber(toDayNumber(moment)), moment);
        QCOMPARE(fromDayNumber(0), QDateTime(QDate(1899, 12, 30), QTime(0, 0)));
    }

    void dayNumberText_followsTheLocaleSeparator_andIsReadUnderAnother()
    {
        const QLocale previous;
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        const QString german = dayNumberText(46083.5);
        QCOMPARE(german, QStringLiteral("46083,5"));
        QCOMPARE(parseDayNumber(german), 46083.5);
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        QCOMPARE(parseDayNumber(german), 46083.5);
        QCOMPARE(dayNumberText(46083.541666666664), QStringLiteral("46083.5416666667"));
        QLocale::setDefault(QLocale::c());
        QCOMPARE(parseDayNumber(german), 46083.5);
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        QCOMPARE(parseDayNumber(QStringLiteral("46083.5416666667")), 46083.5416666667);
        // Locales with digits of their own store plain ones all the same, and
        // what an earlier version wrote in theirs reads as the number it says.
        for (const QLocale &own : {QLocale(QLocale::Persian, QLocale::Iran), QLocale(QLocale::Arabic, QLocale::Egypt)}) {
            QLocale::setDefault(own);
            const QString written = dayNumberText(46364.25);
            QCOMPARE(written, QStringLiteral("46364.25"));
            const QString inItsDigits = own.toString(46364.25, 'g', 15);
            QVERIFY(inItsDigits != written);
            QLocale::setDefault(QLocale::c());
            QCOMPARE(parseDayNumber(inItsDigits), 46364.25);
            QCOMPARE(toInt16(own.toString(51)), 51);
        }
        QLocale::setDefault(previous);
    }

    // A backup or file-sync tool may put a new file in the lock file's place
    // while a copy holds the lock: the lock still holds.
    void budgetLock_holdsWhenItsFileIsReplaced()
    {
        QTemporaryDir dir;
        SettingsStore settings(dir.path());
        SettingsLock holder(settings);
        QCOMPARE(holder.tryLock(), SettingsLock::Outcome::Held);
        const QString lockFile = SettingsLock::lockPath(settings.filePath());
        const QString replacement = dir.filePath(QStringLiteral("replacement"));
        QVERIFY(QFile(replacement).open(QIODevice::WriteOnly));
        QVERIFY(::rename(QFile::encodeName(replacement).constData(), QFile::encodeName(lockFile).constData()) == 0);
        SettingsLock other(settings);
        QCOMPARE(other.tryLock(), SettingsLock::Outcome::Busy);
    }
};

QTEST_GUILESS_MAIN(SettingsStoreTest)
#include "SettingsStore_test.moc"
