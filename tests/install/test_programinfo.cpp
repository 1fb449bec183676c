// What every program tells about itself: its version from the one project
// version, and a manual page that describes every command and option its help
// lists and that groff renders without a warning. Run with no display at all:
// help and version must not need one.
#include "qm47version.h"

#include <QProcess>
#include <QRegularExpression>
#include <QtTest>

namespace {

QString run(const QString &program, const QStringList &arguments, int &status, QString &errors)
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const QString &name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        environment.remove(name);
    process.setProcessEnvironment(environment);
    process.start(program, arguments);
    const bool finished = process.waitForFinished(60000);
    status = finished && process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    errors = QString::fromLocal8Bit(process.readAllStandardError());
    return QString::fromLocal8Bit(process.readAllStandardOutput());
}

// Options as a help shows them ("-h, --help", "[--verify]"), and the commands
// listed under "Commands:", two spaces in.
QStringList commandsAndOptions(const QString &help)
{
    QStringList words;
    static const QRegularExpression option(QStringLiteral("(?:^|[\\s\\[,])(--?[A-Za-z][\\w-]*)"));
    for (const QRegularExpressionMatch &m : option.globalMatch(help))
        words.append(m.captured(1));
    static const QRegularExpression commands(QStringLiteral("\nCommands:\n(.*?)\n\n"),
                                             QRegularExpression::DotMatchesEverythingOption);
    static const QRegularExpression command(QStringLiteral("^  ([a-z]+)"), QRegularExpression::MultilineOption);
    for (const QRegularExpressionMatch &m : command.globalMatch(commands.match(help).captured(1)))
        words.append(m.captured(1));
    return words;
}

} // namespace

class TestProgramInfo : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void version_data()
    {
        QTest::addColumn<QString>("program");
        for (const char *program : {QM47_CONFIGURATOR, QM47_CLI, QM47_KEYPAD_SIM, QM47_TRANSFER_BENCH})
            QTest::addRow("%s", program + QByteArray(program).lastIndexOf('/') + 1) << QString::fromLatin1(program);
    }
    void version()
    {
        QFETCH(QString, program);
        int status = 0;
        QString errors;
        const QString out = run(program, {QStringLiteral("--version")}, status, errors);
        QVERIFY2(status == 0, qPrintable(errors));
        QVERIFY(QRegularExpression(QStringLiteral("^\\d+\\.\\d+\\.\\d+$")).match(QM47_VERSION).hasMatch());
        QCOMPARE(out, QFileInfo(program).fileName() + QLatin1Char(' ') + QM47_VERSION + QLatin1Char('\n'));
    }

    void manualDescribesHelp_data()
    {
        QTest::addColumn<QString>("program");
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("page");
        QTest::newRow("configurator") << QM47_CONFIGURATOR << QStringList{"--help"} << "qm47-configurator";
        QTest::newRow("keypad simulator") << QM47_KEYPAD_SIM << QStringList{"--help"} << "qm47-keypad-sim";
        QTest::newRow("qm47") << QM47_CLI << QStringList{"--help"} << "qm47";
        for (const char *command : {"ports", "read", "write", "diff", "show", "check", "convert"})
            QTest::newRow(command) << QM47_CLI << QStringList{command, "--help"} << "qm47";
    }
    void manualDescribesHelp()
    {
        QFETCH(QString, program);
        QFETCH(QStringList, arguments);
        QFETCH(QString, page);
        const QString path = QStringLiteral(QM47_MANUAL_DIR "/%1.1").arg(page);
        QFile file(path);
        QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(path));
        // The page's text without font changes and with its hyphens as typed.
        const QString manual = QString::fromUtf8(file.readAll())
                                   .remove(QRegularExpression(QStringLiteral("\\\\f[BIRP]")))
                                   .replace(QLatin1String("\\-"), QLatin1String("-"));

        int status = 0;
        QString errors;
        const QStringList words = commandsAndOptions(run(program, arguments, status, errors));
        QVERIFY2(status == 0 && words.contains(QLatin1String("--help")), qPrintable(errors));
        for (const QString &word : words) {
            const QRegularExpression asWord("(?<![\\w-])" + QRegularExpression::escape(word) + "(?![\\w-])");
            QVERIFY2(manual.contains(asWord), qPrintable(page + " lacks " + word));
        }

        run(QStringLiteral("groff"), {"-man", "-ww", "-z", path}, status, errors);
        QVERIFY2(status == 0 && errors.isEmpty(), qPrintable(errors));
    }
};

QTEST_GUILESS_MAIN(TestProgramInfo)
#include "test_programinfo.moc"
