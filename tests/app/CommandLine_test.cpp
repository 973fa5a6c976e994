#include "ScopedEnvironment.h"
#include "app/NewsServiceChoice.h"
#include "core/SettingsStore.h"

#include <QDir>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

using namespace tidewick;

class CommandLineTest : public QObject {
    Q_OBJECT

private slots:
    // The real program, with no display and an empty home: it must answer
    // and end without a window and without creating any settings.
    void options_printAndEndWithoutTouchingAnything_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("out");
        QTest::addColumn<QString>("err");
        QTest::newRow("help") << QStringList{"--help"} << 0 << "--news-host <HOST[:PORT]>" << "";
        QTest::newRow("version") << QStringList{"--version"} << 0 << "tidewick " TIDEWICK_VERSION "\n" << "";
        QTest::newRow("unknown option") << QStringList{"--frobnicate"} << 2 << ""
                                        << "tidewick: Unknown option 'frobnicate'. Try 'tidewick --help'.\n";
        QTest::newRow("missing value") << QStringList{"--news-host"} << 2 << "" << "Missing value after";
        QTest::newRow("stray argument") << QStringList{"news.example"} << 2 << "" << "Unexpected argument";
    }

    void options_printAndEndWithoutTouchingAnything()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, status);
        QFETCH(QString, out);
        QFETCH(QString, err);
        QTemporaryDir home;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
            environment.remove(QLatin1String(name));
        environment.insert(QStringLiteral("HOME"), home.path());
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"), home.filePath(QStringLiteral("config")));
        QProcess program;
        program.setProcessEnvironment(environment);
        program.start(qEnvironmentVariable("TIDEWICK_TEST_BINARY_DIR") + QStringLiteral("/src/tidewick"), arguments);
        QVERIFY(program.waitForFinished(20000));
        const QString stdOut = QString::fromUtf8(program.readAllStandardOutput());
        const QString stdErr = QString::fromUtf8(program.readAllStandardError());
        QCOMPARE(program.exitCode(), status);
        QVERIFY2(out.isEmpty() ? stdOut.isEmpty() : stdOut.contains(out), qPrintable(stdOut));
        QVERIFY2(err.isEmpty() ? stdErr.isEmpty() : stdErr.contains(err), qPrintable(stdErr));
        QCOMPARE(stdErr.count(QLatin1Char('\n')), err.isEmpty() ? 0 : 1);
        QCOMPARE(QDir(home.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden), QStringList());
    }

    // The first source that is set wins, also when its value is unusable:
    // the message then names that source and nothing falls back.
    void newsService_firstSourceSetWins_data()
    {
        QTest::addColumn<QString>("commandLine"); // "-": not given
        QTest::addColumn<QString>("environment");
        QTest::addColumn<QString>("settings");
        QTest::addColumn<QString>("host");
        QTest::addColumn<QString>("problemNames");

        QTest::newRow("build") << "-" << "-" << "-" << "build.example" << "";
        QTest::newRow("settings") << "-" << "-" << "set.example" << "set.example" << "";
        QTest::newRow("environment") << "-" << "env.example:81" << "set.example" << "env.example:81" << "";
        QTest::newRow("command line") << "[::1]:82" << "env.example" << "set.example" << "[::1]:82" << "";
        QTest::newRow("bad command line") << "http://x" << "env.example" << "-" << "http://x"
                                          << "--news-host";
        QTest::newRow("empty environment") << "-" << "" << "set.example" << "" << "environment variable";
        QTest::newRow("bad settings") << "-" << "-" << "a b" << "a b" << "group [Service] of";
    }

    void newsService_firstSourceSetWins()
    {
        QFETCH(QString, commandLine);
        QFETCH(QString, environment);
        QFETCH(QString, settings);
        QFETCH(QString, host);
        QFETCH(QString, problemNames);
        QTemporaryDir config;
        const SettingsStore store(config.path());
        if (settings != QLatin1String("-"))
            QSettings(store.filePath(), QSettings::IniFormat).setValue(QStringLiteral("Service/NewsHost"), settings);
        test::ScopedEnvironment scoped;
        if (environment == QLatin1String("-"))
            scoped.unset("TIDEWICK_NEWS_HOST");
        else
            scoped.set("TIDEWICK_NEWS_HOST", environment.toUtf8());
        const std::optional<QString> given =
            commandLine == QLatin1String("-") ? std::nullopt : std::optional<QString>(commandLine);

        const NewsServiceChoice choice = chooseNewsService(given, store, QStringLiteral("build.example"));
        QCOMPARE(choice.host, host);
        if (problemNames.isEmpty()) {
            QCOMPARE(choice.problem, QString());
        } else {
            QVERIFY2(choice.problem.contains(problemNames), qPrintable(choice.problem));
            QVERIFY(choice.problem.contains(QStringLiteral("does not fall back")));
        }
    }
};

QTEST_GUILESS_MAIN(CommandLineTest)
#include "CommandLine_test.moc"
