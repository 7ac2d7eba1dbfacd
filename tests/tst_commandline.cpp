#include "app/commandline.h"

#include <QProcess>
#include <QTest>

using namespace getalveld;
using Action = CommandLineAnswer::Action;

class CommandLine : public QObject
{
    Q_OBJECT

private slots:
    // What a teacher or a menu may type: the program's two options, Qt's own options (which
    // must still reach Qt) and mistakes, which must not silently start the program.
    void answers_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("locale");
        QTest::addColumn<int>("action");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("firstLine");
        const auto error = int(Action::Error);
        QTest::newRow("no arguments") << QStringList{} << "C" << int(Action::Start) << 0 << "";
        QTest::newRow("help") << QStringList{"--help"} << "en_GB.UTF-8" << int(Action::Help) << 0
                              << "Usage: getalveld [OPTION]...";
        QTest::newRow("short help, Dutch") << QStringList{"-h"} << "nl_BE.UTF-8" << int(Action::Help) << 0
                                           << "Gebruik: getalveld [OPTIE]...";
        QTest::newRow("version") << QStringList{"--version"} << "nl_NL" << int(Action::Version) << 0
                                 << "getalveld " GETALVELD_PROJECT_VERSION;
        QTest::newRow("Qt option with its value") << QStringList{"-platform", "offscreen"} << "C"
                                                  << int(Action::Start) << 0 << "";
        QTest::newRow("Qt option, two dashes and =") << QStringList{"--style=fusion", "-reverse"} << "C"
                                                     << int(Action::Start) << 0 << "";
        QTest::newRow("help after a Qt option") << QStringList{"-platform", "xcb", "--help"} << "C"
                                                << int(Action::Help) << 0 << "Usage: getalveld [OPTION]...";
        QTest::newRow("Qt option without its value") << QStringList{"-platform"} << "C" << error << 2
                                                     << "getalveld: option '-platform' requires an argument";
        QTest::newRow("unknown option") << QStringList{"--bogus", "--help"} << "C" << error << 2
                                        << "getalveld: unrecognized option '--bogus'";
        QTest::newRow("unknown option, Dutch") << QStringList{"-x"} << "nl_NL.UTF-8" << error << 2
                                               << "getalveld: onbekende optie '-x'";
        QTest::newRow("a file") << QStringList{"sommen.txt"} << "C" << error << 2
                                << "getalveld: takes no files or other arguments: 'sommen.txt'";
        QTest::newRow("after --, options are operands") << QStringList{"--", "--help"} << "C" << error << 2
                                                        << "getalveld: takes no files or other arguments: '--help'";
        QTest::newRow("a lone --") << QStringList{"--"} << "C" << int(Action::Start) << 0 << "";
    }
    void answers()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, locale);
        QFETCH(int, action);
        QFETCH(int, status);
        QFETCH(QString, firstLine);
        const CommandLineAnswer answer = readCommandLine(arguments, locale);
        QCOMPARE(int(answer.action), action);
        QCOMPARE(answer.exitStatus, status);
        QCOMPARE(answer.text.section(QLatin1Char('\n'), 0, 0), firstLine);
        if (answer.action == Action::Error)
            QVERIFY(answer.text.endsWith(locale.startsWith(QLatin1String("nl"))
                                             ? QLatin1String("Probeer 'getalveld --help' voor meer informatie.\n")
                                             : QLatin1String("Try 'getalveld --help' for more information.\n")));
        // Help and version end with a line break and keep within a terminal's 80 columns.
        for (const QString &line : answer.text.split(QLatin1Char('\n')))
            QVERIFY2(line.size() <= 80, qPrintable(line));
        QVERIFY(answer.text.isEmpty() || answer.text.endsWith(QLatin1Char('\n')));
    }

    // The language of the help follows the C library's order: LC_ALL, LC_MESSAGES, LANG.
    void messageLocaleOrder()
    {
        const QByteArray names[] = {"LC_ALL", "LC_MESSAGES", "LANG"};
        for (const QByteArray &name : names)
            qunsetenv(name.constData());
        QCOMPARE(messageLocale(), QStringLiteral("C"));
        qputenv("LANG", "nl_NL.UTF-8");
        QCOMPARE(messageLocale(), QStringLiteral("nl_NL.UTF-8"));
        qputenv("LC_MESSAGES", "en_US.UTF-8");
        QCOMPARE(messageLocale(), QStringLiteral("en_US.UTF-8"));
        qputenv("LC_ALL", "nl_BE.UTF-8");
        QCOMPARE(messageLocale(), QStringLiteral("nl_BE.UTF-8"));
        for (const QByteArray &name : names)
            qunsetenv(name.constData());
    }

    // The built program answers before any window exists: no display is needed, help goes to
    // standard output, mistakes to standard error, and a failed write is no success.
    void programAnswersWithoutDisplay_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<bool>("fullDisk");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("out");
        QTest::addColumn<QString>("err");
        const QString usage = readCommandLine({"--help"}, "C").text;
        QTest::newRow("help") << QStringList{"--help"} << false << 0 << usage << "";
        QTest::newRow("version") << QStringList{"--version"} << false << 0
                                 << readCommandLine({"--version"}, "C").text << "";
        QTest::newRow("wrong option") << QStringList{"--bogus"} << false << 2 << ""
                                      << readCommandLine({"--bogus"}, "C").text;
        QTest::newRow("help to a full disk") << QStringList{"--help"} << true << 1 << "" << "";
    }
    void programAnswersWithoutDisplay()
    {
        QFETCH(QStringList, arguments);
        QFETCH(bool, fullDisk);
        QFETCH(int, status);
        QFETCH(QString, out);
        QFETCH(QString, err);
        if (fullDisk && !QFile::exists(QStringLiteral("/dev/full")))
            QSKIP("this system has no /dev/full");
        QProcess program;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "LANGUAGE", "LC_MESSAGES", "LANG"})
            env.remove(QString::fromLatin1(name));
        env.insert(QStringLiteral("LC_ALL"), QStringLiteral("C"));
        program.setProcessEnvironment(env);
        if (fullDisk)
            program.setStandardOutputFile(QStringLiteral("/dev/full"));
        program.start(QStringLiteral(GETALVELD_PROGRAM), arguments);
        QVERIFY(program.waitForFinished(60000));
        QCOMPARE(program.exitStatus(), QProcess::NormalExit);
        QCOMPARE(program.exitCode(), status);
        if (!fullDisk) {
            QCOMPARE(QString::fromLocal8Bit(program.readAllStandardOutput()), out);
            QCOMPARE(QString::fromLocal8Bit(program.readAllStandardError()), err);
        }
    }
};

QTEST_GUILESS_MAIN(CommandLine)
#include "tst_commandline.moc"
