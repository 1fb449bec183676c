// The command-line companion as a user runs it: every command as a process,
// transfers against the keypad simulator program on a pseudo-terminal.
#include "config/buttontable.h"
#include "file/tkfcodec.h"
#include "file/tkftext.h"
#include "support/asnobody.h"
#include "support/filebytes.h"
#include "support/simulatorprocess.h"
#include "support/tablecontent.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMap>
#include <QProcess>
#include <QRegularExpression>
#include <QSerialPort>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QImageReader>
#include <QtTest>

#include <functional>
#include <memory>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <sys/mount.h>
#include <sys/stat.h>

namespace {

using Entries = QList<ContentEntry>;

const QString CommError =
    "An error occured during cummunication, connection refused! Please try again.";

struct Result {
    int status = -1;
    QString out;
    QString err;
    QByteArray outBytes;
};

Result qm47(const QStringList &arguments, const QProcessEnvironment &environment = {},
            const QByteArray &input = {}, int timeoutMs = 30000, bool asNobody = false)
{
    QProcess process;
    if (asNobody)
        AsNobody::apply(process);
    process.setProgram(QStringLiteral(QM47_CLI));
    process.setArguments(arguments);
    if (!environment.isEmpty())
        process.setProcessEnvironment(environment);
    process.start();
    process.write(input);
    process.closeWriteChannel();
    Result result;
    if (!process.waitForFinished(timeoutMs)) {
        process.kill();
        process.waitForFinished(3000);
        result.err = QStringLiteral("(did not finish)");
        return result;
    }
    result.status = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -2;
    result.outBytes = process.readAllStandardOutput();
    result.out = QString::fromUtf8(result.outBytes);
    result.err = QString::fromUtf8(process.readAllStandardError());
    return result;
}

QString describe(const Result &r)
{
    return QStringLiteral("status %1\nstdout:\n%2\nstderr:\n%3").arg(r.status).arg(r.out, r.err);
}

Entries strokes(int count, int seed)
{
    Entries e;
    for (int k = 0; k < count; ++k) {
        const uint8_t key = uint8_t(0x10 + (seed * 7 + k) % 0x70);
        e << ContentEntry{2, key} << ContentEntry{3, key};
    }
    return e;
}

// Waits until the file at `path` holds `bytes` (the simulator saves its
// memory when the end of a transmit reaches it).
bool fileBecomes(const QString &path, const QByteArray &bytes)
{
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < 10000) {
        if (readAll(path) == bytes)
            return true;
        QTest::qWait(20);
    }
    return false;
}

using TableMaker = std::function<ButtonTable()>;

// A value in the first JSON document (one a line) of an output, by its path:
// "differences/0/button".
QString jsonValue(const QString &out, const QString &path)
{
    QJsonValue v = QJsonDocument::fromJson(out.section('\n', 0, 0).toUtf8()).object();
    for (const QString &step : path.split('/')) {
        bool isIndex = false;
        const int index = step.toInt(&isIndex);
        v = isIndex ? v.toArray().at(index) : v.toObject().value(step);
    }
    return v.isDouble() ? QString::number(v.toInteger()) : v.toVariant().toString();
}

// Two buttons of a typical configuration; `key` varies the first.
ButtonTable office(uint8_t key = 0x1C)
{
    ButtonTable t = makeTable();
    setButton(t, 0, {{2, 0x12}, {2, key}, {3, key}, {3, 0x12}});
    setButton(t, 2, {{250, 2}, {250, 3}, {2, 0x32}, {3, 0x32}});
    return t;
}

} // namespace

Q_DECLARE_METATYPE(TableMaker)

class TestQm47 : public QObject
{
    Q_OBJECT

    QTemporaryDir dir;

    QString path(const QString &name) const { return dir.filePath(name); }

    QString saved(const QString &name, const ButtonTable &t) const
    {
        writeBytes(path(name), encodeConfig(t));
        return path(name);
    }

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(dir.isValid());
        QVERIFY(QFile::exists(QStringLiteral(QM47_CLI)));
    }

    // --- command line ------------------------------------------------------

    void usage_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("says");
        QTest::newRow("nothing") << QStringList{} << 2 << "Usage: qm47 COMMAND";
        QTest::newRow("unknown command") << QStringList{"frobnicate"} << 2 << "unknown command";
        QTest::newRow("help of an unknown command") << QStringList{"help", "x"} << 2 << "unknown command";
        QTest::newRow("too few arguments") << QStringList{"read", "/dev/null"} << 2 << "PORT FILE.tkf";
        QTest::newRow("too many arguments") << QStringList{"check", "a.tkf", "b.tkf"} << 2 << "FILE.tkf";
        QTest::newRow("arguments to ports") << QStringList{"ports", "extra"} << 2 << "no arguments";
        QTest::newRow("one port twice") << QStringList{"write", "/dev/null", "/dev/../dev/null", "f.tkf"}
                                        << 2 << "name the same port";
        QTest::newRow("unknown option") << QStringList{"write", "--bogus", "p", "f.tkf"} << 2
                                        << "unknown option --bogus";
        QTest::newRow("option of another command") << QStringList{"read", "--verify", "p", "f.tkf"}
                                                   << 2 << "unknown option";
        QTest::newRow("value to a flag") << QStringList{"write", "--verify=yes", "p", "f.tkf"} << 2
                                         << "takes no value";
        QTest::newRow("option without its value") << QStringList{"show", "f.tkf", "--layout"} << 2
                                                  << "needs a value";
        QTest::newRow("unknown layout") << QStringList{"show", "--layout", "xx", "f.tkf"} << 2
                                        << "de, fr, es, pt or en";
        QTest::newRow("convert between two files") << QStringList{"convert", "a.tkf", "b.TKF"} << 2
                                                   << "exactly one";
        QTest::newRow("convert between two texts") << QStringList{"convert", "a.txt", "b.txt"} << 2
                                                   << "exactly one";
        QTest::newRow("convert between two streams") << QStringList{"convert", "-", "-"} << 2
                                                     << "--to";
        QTest::newRow("convert to an unknown kind") << QStringList{"convert", "-", "-", "--to", "tfk"}
                                                    << 2 << "tkf or text";
    }
    void usage()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, status);
        QFETCH(QString, says);
        const Result r = qm47(arguments);
        QVERIFY2(r.status == status, qPrintable(describe(r)));
        QVERIFY2(r.err.contains(says), qPrintable(describe(r)));
        QVERIFY(r.out.isEmpty());
    }

    void help_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QStringList>("says");
        QTest::newRow("program") << QStringList{"--help"}
                                 << QStringList{"ports [--json]", "read [--json] PORT FILE.tkf",
                                                "write [--verify] [--if-changed] [--json] PORT... FILE.tkf",
                                                "diff [--json] PORT... FILE.tkf",
                                                "show [--layout de|fr|es|pt|en] [--json] FILE.tkf",
                                                "check [--layout de|fr|es|pt|en] [--json] FILE.tkf", "convert [--to tkf|text] IN OUT",
                                                "overview [--layout de|fr|es|pt|en] [--paper a4|letter] FILE.tkf OUT",
                                                "--version", "Exit status"};
        QTest::newRow("help command") << QStringList{"help"}
                                      << QStringList{"convert [--to tkf|text] IN OUT"};
        QTest::newRow("ports") << QStringList{"ports", "--help"} << QStringList{"QM47_EXTRA_PORTS"};
        QTest::newRow("read") << QStringList{"read", "-h"}
                              << QStringList{"Usage: qm47 read [--json] PORT FILE.tkf", "only when"};
        QTest::newRow("write") << QStringList{"write", "p", "--help"}
                               << QStringList{"Usage: qm47 write [--verify] [--if-changed] [--json] PORT... FILE.tkf",
                                              "--verify", "/dev/serial/by-id"};
        QTest::newRow("show") << QStringList{"help", "show"} << QStringList{"--layout de|fr|es|pt|en] [--json]"};
        QTest::newRow("check") << QStringList{"check", "--help"} << QStringList{"successive"};
        // The text form is documented where it is used.
        QTest::newRow("convert") << QStringList{"convert", "--help"}
                                 << QStringList{"buttons N", "max-entries N", "button N", "KEY down",
                                                "KEY up", "delay", "KEY delay", "0x13 and 0x53",
                                                "0x1C", "#", "line number"};
    }
    void help()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QStringList, says);
        const Result r = qm47(arguments);
        QVERIFY2(r.status == 0, qPrintable(describe(r)));
        for (const QString &text : says)
            QVERIFY2(r.out.contains(text), qPrintable(text + "\n" + describe(r)));
    }

    // --- ports ---------------------------------------------------------------

    void portsListsTheExtraPorts()
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("QM47_EXTRA_PORTS", "/tmp/qm47-a::/tmp/qm47-b");
        const Result r = qm47({"ports"}, env);
        QVERIFY2(r.status == 0, qPrintable(describe(r)));
        const QStringList lines = r.out.split('\n', Qt::SkipEmptyParts);
        QVERIFY(lines.contains("/tmp/qm47-a\tAdditional port"));
        QVERIFY(lines.contains("/tmp/qm47-b\tAdditional port"));
        QVERIFY(lines.indexOf("/tmp/qm47-a\tAdditional port")
                < lines.indexOf("/tmp/qm47-b\tAdditional port"));
        for (const QString &line : lines)
            QCOMPARE(line.count('\t'), 1);
    }

    // --- refused files ---------------------------------------------------------

    void refusedFiles_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QByteArray>("bytes"); // empty: no file at all
        QTest::addColumn<QString>("says");
        ButtonTable t = makeTable();
        setButton(t, 0, strokes(2, 1));
        const QByteArray good = encodeConfig(t);
        QByteArray signature = good;
        signature[1] = 0x3D;
        QByteArray action = good;
        action[6] = 7;
        QByteArray key = good;
        key[7] = char(key.at(7) + 1);
        const QString open = "Could not open file! No such file or directory.";
        const QString corrupt = "File corrupt! Could not read the file!";
        const QString entry = "File corrupt! Error reading the file.";
        const QString crc = "CRC error reading the file!";
        QTest::newRow("check, missing") << QStringList{"check"} << QByteArray() << open;
        QTest::newRow("check, signature") << QStringList{"check"} << signature << corrupt;
        QTest::newRow("check, action") << QStringList{"check"} << action << entry;
        QTest::newRow("check, checksum") << QStringList{"check"} << key << crc;
        QTest::newRow("show, checksum") << QStringList{"show"} << key << crc;
        QTest::newRow("write, signature") << QStringList{"write", "/dev/qm47-none"} << signature << corrupt;
        QTest::newRow("convert, action") << QStringList{"convert"} << action << entry;
        QTest::newRow("convert, missing") << QStringList{"convert"} << QByteArray() << open;
        QTest::newRow("show, text form")
            << QStringList{"show"} << configToText(t).toUtf8()
            << "this is the text form of a configuration; make a configuration file of it with "
               "\"qm47 convert " + path("refused.tkf") + " FILE.tkf\"";
    }
    void refusedFiles()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, says);
        const QString file = path("refused.tkf");
        QFile::remove(file);
        if (!bytes.isEmpty())
            QVERIFY(writeBytes(file, bytes));
        arguments << file;
        if (arguments.first() == "convert")
            arguments << path("refused.txt");
        const Result r = qm47(arguments);
        QVERIFY2(r.status == 1, qPrintable(describe(r)));
        QVERIFY2(r.err.contains(file + ": " + says), qPrintable(describe(r)));
        QVERIFY(!QFile::exists(path("refused.txt")));
    }

    // Only regular files are read: a FIFO (which would block for ever) or a
    // folder is refused at once.
    void oddFilesAreRefusedAtOnce_data()
    {
        QTest::addColumn<QStringList>("arguments"); // odd.* is the odd file
        QTest::addColumn<bool>("fifo");             // else a folder
        QTest::newRow("show, FIFO") << QStringList{"show", "odd.tkf"} << true;
        QTest::newRow("check, FIFO") << QStringList{"check", "odd.tkf"} << true;
        QTest::newRow("write, FIFO") << QStringList{"write", "/dev/qm47-none", "odd.tkf"} << true;
        QTest::newRow("convert, FIFO file") << QStringList{"convert", "odd.tkf", "out.txt"} << true;
        QTest::newRow("convert, FIFO text") << QStringList{"convert", "odd.txt", "out.tkf"} << true;
        QTest::newRow("show, folder") << QStringList{"show", "odd.tkf"} << false;
    }
    void oddFilesAreRefusedAtOnce()
    {
        QFETCH(QStringList, arguments);
        QFETCH(bool, fifo);
        for (QString &a : arguments)
            a = a.contains('.') ? path(a) : a;
        const QString odd = arguments.filter("/odd.").first();
        QVERIFY(fifo ? mkfifo(QFile::encodeName(odd).constData(), 0600) == 0 : QDir().mkdir(odd));
        const Result r = qm47(arguments, {}, {}, 10000); // blocked on the FIFO it would never end
        QDir(odd).removeRecursively();
        QFile::remove(odd);
        QVERIFY2(r.status == 1, qPrintable(describe(r)));
        QVERIFY2(r.err.contains(odd + ": Could not open file!"), qPrintable(describe(r)));
        QVERIFY(arguments.filter("/out.").isEmpty() || !QFile::exists(arguments.last()));
    }

    // On a full disk the text form cannot be written: the command fails and
    // the old output stays as it was.
    void convertOntoAFullDiskKeepsTheOldOutput()
    {
        const QString disk = path("small-disk");
        QVERIFY(QDir().mkpath(disk));
        if (mount("tmpfs", QFile::encodeName(disk).constData(), "tmpfs", 0, "size=64k") != 0)
            QSKIP(qPrintable(QString("mounting a small tmpfs is not allowed here (%1); "
                                     "the full-disk case is not tested")
                                 .arg(QString::fromLocal8Bit(strerror(errno)))));
        struct Unmount {
            QByteArray at;
            ~Unmount() { umount2(at.constData(), MNT_DETACH); }
        } unmount{QFile::encodeName(disk)};

        const QByteArray old = "# the text of an earlier conversion\n";
        QVERIFY(writeBytes(disk + "/out.txt", old));
        QFile filler(disk + "/filler");
        QVERIFY(filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
        while (filler.write(QByteArray(4096, 'x')) > 0) {
        }
        filler.close();

        ButtonTable t = makeTable();
        setButton(t, 0, strokes(20, 3));
        const Result r = qm47({"convert", saved("source.tkf", t), disk + "/out.txt"});
        QVERIFY2(r.status == 1, qPrintable(describe(r)));
        QVERIFY2(r.err.contains(disk + "/out.txt: Could not create file! No space left on device."), qPrintable(describe(r)));
        QCOMPARE(readAll(disk + "/out.txt"), old);
        QCOMPARE(QDir(disk).entryList(QDir::Files | QDir::Hidden),
                 (QStringList{"filler", "out.txt"}));
    }

    // Every command checks its standard output: a full disk fails the command
    // with the reason; a reader that stops early (| head) ends it quietly.
    void standardOutputThatFails_data()
    {
        QTest::addColumn<QStringList>("arguments"); // PORT: a keypad simulator's port
        QTest::addColumn<bool>("closedPipe");       // else /dev/full
        QTest::newRow("show") << QStringList{"show", "big.tkf"} << false;
        QTest::newRow("check") << QStringList{"check", "big.tkf"} << false;
        QTest::newRow("convert to -") << QStringList{"convert", "big.tkf", "-"} << false;
        QTest::newRow("ports") << QStringList{"ports"} << false;
        QTest::newRow("read") << QStringList{"read", "PORT", "readout.tkf"} << false;
        QTest::newRow("write") << QStringList{"write", "PORT", "big.tkf"} << false;
        QTest::newRow("--version") << QStringList{"--version"} << false;
        QTest::newRow("help") << QStringList{"help", "convert"} << false;
        QTest::newRow("show | head") << QStringList{"show", "big.tkf"} << true;
        QTest::newRow("convert - | head") << QStringList{"convert", "big.tkf", "-"} << true;
    }
    void standardOutputThatFails()
    {
        QFETCH(QStringList, arguments);
        QFETCH(bool, closedPipe);
        ButtonTable t = makeTable();
        Entries longNames;
        for (int k = 0; k < 125; ++k)
            longNames << ContentEntry{2, 0x7E} << ContentEntry{3, 0x7E}; // NUM_MULTIPLY
        for (int i = 0; i < 23; ++i)
            setButton(t, i, longNames); // some 110 kB shown, more than a pipe holds
        saved("big.tkf", t);
        SimulatorProcess sim;
        if (arguments.contains("PORT"))
            QVERIFY(sim.start({path("keypad.tkf")}));
        for (QString &a : arguments)
            a = a == "PORT" ? sim.port : a.contains('.') ? path(a) : a;

        QProcess process;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("QM47_EXTRA_PORTS", "/dev/null");
        process.setProcessEnvironment(environment);
        if (closedPipe) {
            process.setProgram("bash");
            process.setArguments({"-c", "\"$@\" | head -c 10 >/dev/null; exit ${PIPESTATUS[0]}", "qm47",
                                  QStringLiteral(QM47_CLI)});
            process.setArguments(process.arguments() + arguments);
        } else {
            process.setProgram(QStringLiteral(QM47_CLI));
            process.setArguments(arguments);
            process.setStandardOutputFile("/dev/full");
        }
        process.start();
        QVERIFY(process.waitForFinished(30000));
        const QString errors = QString::fromUtf8(process.readAllStandardError());
        QVERIFY2(process.exitStatus() == QProcess::NormalExit && process.exitCode() == 1,
                 qPrintable(QString("status %1: %2").arg(process.exitCode()).arg(errors)));
        QCOMPARE(errors, closedPipe ? QString() : "qm47: standard output: No space left on device\n");
    }

    // --- show --------------------------------------------------------------------

    void showNamesKeysAsTheListDoes_data()
    {
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<QString>("button1");
        QTest::addColumn<QString>("button2");
        QTest::newRow("default") << QStringList{} << "  Summary: z, 0.5 s\n  Z down\n  Z up\n"
                                 << "  Summary: -, - stays down\n  - down\n";
        QTest::newRow("en") << QStringList{"--layout", "en"} << "  Summary: z, 0.5 s\n  Z down\n  Z up\n"
                            << "  Summary: -, - stays down\n  - down\n";
        QTest::newRow("de") << QStringList{"--layout=de"} << "  Summary: y, 0.5 s\n  Y down\n  Y up\n"
                            << QString::fromUtf8("  Summary: ß, SS stays down\n  ß down\n");
        QTest::newRow("fr, upper case") << QStringList{"--layout", "FR"}
                                        << "  Summary: w, 0.5 s\n  W down\n  W up\n"
                                        << "  Summary: ), ) stays down\n  ) down\n";
    }
    void showNamesKeysAsTheListDoes()
    {
        QFETCH(QStringList, options);
        QFETCH(QString, button1);
        QFETCH(QString, button2);
        ButtonTable t = makeTable();
        setButton(t, 0, {{2, 0x1A}, {3, 0x1A}, {250, 2}, {250, 3}});
        setButton(t, 1, {{2, 0x4E}});
        const Result r = qm47(QStringList{"show"} + options + QStringList{saved("show.tkf", t)});
        QVERIFY2(r.status == 0, qPrintable(describe(r)));
        QVERIFY2(r.out.startsWith("23 buttons, at most 250 entries each\n"
                                  "Button 1: 4 entries\n" + button1 + "  Delay\n  0.5s\n"
                                  "Button 2: 1 entry\n" + button2 + "Button 3: empty\n"),
                 qPrintable(describe(r)));
        QVERIFY(r.out.endsWith("Button 23: empty\n"));
    }

    // The summaries of --json are in English whatever the interface language;
    // the overview writes each format and refuses others.
    void summariesAndOverview_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("field"); // JSON field, or "size" of the written picture
        QTest::addColumn<QString>("value");
        QTest::newRow("show") << QStringList{"show", "--json", "--layout", "fr"} << 0 << "content/1/summary"
                              << "q, Q stays down";
        QTest::newRow("check") << QStringList{"check", "--json", "--layout", "fr"} << 1 << "summaries/1"
                               << "q, Q stays down";
        QTest::newRow("overview png") << QStringList{"overview", "--paper", "letter", "OUT.png"} << 0
                                      << "size" << "1275x1650";
        QTest::newRow("overview svg") << QStringList{"overview", "OUT.svg"} << 0 << "size" << "595x842";
        QTest::newRow("overview jpg") << QStringList{"overview", "OUT.jpg"} << 2 << "" << "";
        QTest::newRow("overview paper") << QStringList{"overview", "--paper", "a5", "OUT.png"} << 2 << "" << "";
    }
    void summariesAndOverview()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, status);
        QFETCH(QString, field);
        QFETCH(QString, value);
        ButtonTable t = makeTable();
        setButton(t, 1, {{2, 0x1C}});
        QStringList words = QStringList{"--lang", "de"} + arguments;
        for (QString &w : words)
            w = w.startsWith("OUT.") ? path(w) : w;
        words.insert(words.size() - (arguments.first() == "overview" ? 1 : 0), saved("sum.tkf", t));
        const Result r = qm47(words);
        QVERIFY2(r.status == status, qPrintable(describe(r)));
        if (field == "size") {
            const QString picture = words.last();
            QFile file(picture);
            QVERIFY(file.open(QIODevice::ReadOnly));
            const QRegularExpressionMatch box = QRegularExpression("viewBox=\"0 0 (\\d+) (\\d+)\"").match(file.readAll());
            const QSize size = picture.endsWith(".svg") ? QSize(box.captured(1).toInt(), box.captured(2).toInt())
                                                        : QImageReader(picture).size();
            QCOMPARE(QString("%1x%2").arg(size.width()).arg(size.height()), value);
        } else if (!field.isEmpty()) {
            QCOMPARE(jsonValue(r.out, field), value);
        }
    }

    // --- check -------------------------------------------------------------------

    void checkPassesABalancedFile()
    {
        ButtonTable t = makeTable();
        setButton(t, 0, {{2, 0x12}, {2, 0x1C}, {3, 0x1C}, {3, 0x12}});
        setButton(t, 1, {{250, 2}, {250, 3}, {2, 0x1C}, {3, 0x1C}, {250, 2}, {250, 3}});
        const Result r = qm47({"check", saved("balanced.tkf", t)});
        QVERIFY2(r.status == 0, qPrintable(describe(r)));
        QVERIFY(r.out.contains("All 23 buttons"));
    }

    void checkNamesEachFailingButtonAndWhy()
    {
        ButtonTable t = makeTable();
        setButton(t, 0, strokes(3, 0));
        setButton(t, 1, {{2, 0x1C}});                                     // odd, never released
        setButton(t, 4, {{250, 2}, {250, 3}, {250, 2}, {250, 3}});          // successive delays
        setButton(t, 6, {{3, 0x32}, {2, 0x32}});                            // released first
        setButton(t, 9, {{2, 0x1C}, {2, 0x1C}, {3, 0x1C}, {3, 0x1C}, {250, 2}, {250, 3},
                         {250, 2}, {250, 3}});                              // both
        const Result r = qm47({"check", saved("unbalanced.tkf", t)});
        QVERIFY2(r.status == 1, qPrintable(describe(r)));
        const QStringList lines = r.out.split('\n', Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 5);
        QVERIFY(lines[0].startsWith("Button 2: unbalanced"));
        QVERIFY(lines[0].contains("odd number of entries (1)"));
        QVERIFY(lines[0].contains("entry 1 (A down) has no release after it"));
        QVERIFY(lines[1].startsWith("Button 5: successive delays"));
        QVERIFY(lines[2].startsWith("Button 7: unbalanced"));
        QVERIFY(lines[2].contains("entry 1 (B up) has no press before it"));
        QVERIFY(lines[3].startsWith("Button 10: unbalanced"));
        QVERIFY(lines[4].startsWith("Button 10: successive delays"));
    }

    // --- convert -----------------------------------------------------------------

    void convertRoundTrips_data()
    {
        QTest::addColumn<TableMaker>("make");
        QTest::newRow("empty") << TableMaker([] { return makeTable(); });
        QTest::newRow("full 23 x 250") << TableMaker([] {
            ButtonTable t = makeTable();
            for (int i = 0; i < 23; ++i)
                setButton(t, i, strokes(125, i));
            return t;
        });
        QTest::newRow("every key code pressed and released") << TableMaker([] {
            ButtonTable t = makeTable();
            for (int k = 0; k < 256; ++k) {
                ButtonContent &c = t.content(uint8_t(k / 100));
                c.entries[size_t(c.length++)] = {2, uint8_t(k)};
                c.entries[size_t(c.length++)] = {3, uint8_t(255 - k)};
            }
            return t;
        });
        QTest::newRow("odd lengths and lone halves") << TableMaker([] {
            ButtonTable t = makeTable();
            setButton(t, 0, {{2, 0x1C}});
            setButton(t, 1, {{250, 3}, {2, 0x53}, {3, 0x13}});
            setButton(t, 2, {{250, 2}, {250, 0xFA}, {2, 0xFA}});
            return t;
        });
        QTest::newRow("unbalanced scripts") << TableMaker([] {
            ButtonTable t = makeTable();
            setButton(t, 0, {{3, 0x1C}, {2, 0x1C}});
            setButton(t, 1, {{2, 0x41}, {2, 0x41}, {3, 0x52}, {3, 0x0E}});
            return t;
        });
        QTest::newRow("five buttons, maximum stored above 250") << TableMaker([] {
            ButtonTable t = makeTable(5, 1000);
            setButton(t, 4, strokes(3, 4));
            return t;
        });
    }
    void convertRoundTrips()
    {
        QFETCH(TableMaker, make);
        const QByteArray original = encodeConfig(make());
        QVERIFY(writeBytes(path("original.tkf"), original));
        QFile::remove(path("back.tkf"));
        Result r = qm47({"convert", path("original.tkf"), path("text.txt")});
        QVERIFY2(r.status == 0 && r.err.isEmpty(), qPrintable(describe(r)));
        r = qm47({"convert", path("text.txt"), path("back.tkf")});
        QVERIFY2(r.status == 0, qPrintable(describe(r)));
        QCOMPARE(readAll(path("back.tkf")).toHex(' '), original.toHex(' '));
    }

    void convertReportsTheLineAndWritesNothing_data()
    {
        QTest::addColumn<bool>("fromStdin");
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QString>("says"); // after the input's name
        QTest::newRow("a line that cannot be understood")
            << false << QByteArray("buttons 23\n# comment\nbutton 1\n  A down\n  A sideways\n")
            << ", line 5: ";
        // A pipe whose source failed must not empty the output file.
        QTest::newRow("empty standard input") << true << QByteArray() << ": holds no configuration";
        QTest::newRow("only comments and blanks")
            << false << QByteArray("# nothing yet\n\n   \r\n") << ": holds no configuration";
    }
    void convertReportsTheLineAndWritesNothing()
    {
        QFETCH(bool, fromStdin);
        QFETCH(QByteArray, text);
        QFETCH(QString, says);
        QVERIFY(writeBytes(path("bad.txt"), text));
        const QString in = fromStdin ? "-" : path("bad.txt");
        const QString name = fromStdin ? "standard input" : path("bad.txt");
        QFile::remove(path("new.tkf"));
        Result r = qm47({"convert", in, path("new.tkf")}, {}, text);
        QVERIFY2(r.status == 1, qPrintable(describe(r)));
        QVERIFY2(r.err.contains(name + says), qPrintable(describe(r)));
        QVERIFY(!QFile::exists(path("new.tkf")));

        // An existing file stays as it was.
        const QByteArray old = encodeConfig(makeTable(3, 10));
        QVERIFY(writeBytes(path("old.tkf"), old));
        r = qm47({"convert", in, path("old.tkf")}, {}, text);
        QCOMPARE(r.status, 1);
        QCOMPARE(readAll(path("old.tkf")), old);
        QCOMPARE(QDir(dir.path()).entryList({"old.tkf*"}, QDir::Files | QDir::Hidden).size(), 1);
    }

    void convertWritesEditedText()
    {
        QVERIFY(writeBytes(path("edited.txt"),
                           "buttons 2\nbutton 2\n  lshift down\n  a down\n  a up\n  lshift up\n"));
        const Result r = qm47({"convert", path("edited.txt"), path("edited.tkf")});
        QVERIFY2(r.status == 0, qPrintable(describe(r)));
        ButtonTable expected = makeTable(2, 250);
        setButton(expected, 1, {{2, 0x12}, {2, 0x1C}, {3, 0x1C}, {3, 0x12}});
        QCOMPARE(readAll(path("edited.tkf")), encodeConfig(expected));
    }

    void convertWarnsAboutBytesAfterTheChecksum()
    {
        QVERIFY(writeBytes(path("tail.tkf"), encodeConfig(makeTable()) + "tail"));
        const Result r = qm47({"convert", path("tail.tkf"), path("tail.txt")});
        QVERIFY2(r.status == 0, qPrintable(describe(r)));
        QVERIFY2(r.err.contains("warning"), qPrintable(describe(r)));
        QVERIFY(QFile::exists(path("tail.txt")));
    }

    // "-" for standard input or output; the kind of that side follows from the
    // other side or from --to. OUT names a file, or is empty for standard output.
    void convertThroughStandardStreams_data()
    {
        QTest::addColumn<QStringList>("arguments"); // in.tkf a configuration, in.txt its text
        QTest::addColumn<bool>("inputIsText");
        QTest::addColumn<QString>("out");
        QTest::newRow("file to text on stdout") << QStringList{"in.tkf", "-"} << false << QString();
        QTest::newRow("text file to tkf on stdout") << QStringList{"in.txt", "-"} << true << QString();
        QTest::newRow("stdin tkf to text file") << QStringList{"-", "out.txt"} << false << "out.txt";
        QTest::newRow("stdin text to tkf file") << QStringList{"-", "out.tkf"} << true << "out.tkf";
        QTest::newRow("stdin to stdout, --to tkf") << QStringList{"-", "-", "--to", "tkf"} << true << QString();
        QTest::newRow("stdin to stdout, --to=text") << QStringList{"-", "-", "--to=text"} << false << QString();
        QTest::newRow("--to beats the extension") << QStringList{"-", "out.bin", "--to", "tkf"} << true
                                                  << "out.bin";
    }
    void convertThroughStandardStreams()
    {
        QFETCH(QStringList, arguments);
        QFETCH(bool, inputIsText);
        QFETCH(QString, out);
        ButtonTable table = makeTable(4, 250);
        setButton(table, 0, strokes(3, 1));
        setButton(table, 3, {{2, 0x0A}, {250, 2}, {250, 3}, {3, 0x0A}}); // 0x0A: a newline byte
        const QByteArray image = encodeConfig(table);
        const QByteArray text = imageToText(image).text.toUtf8();
        QVERIFY(writeBytes(path("in.tkf"), image));
        QVERIFY(writeBytes(path("in.txt"), text));
        if (!out.isEmpty())
            QFile::remove(path(out));
        for (QString &word : arguments)
            word = word.contains('.') ? path(word) : word;
        const bool fromStdin = arguments.first() == "-";
        const Result r = qm47(QStringList{"convert"} + arguments, {},
                              fromStdin ? (inputIsText ? text : image) : QByteArray());
        QVERIFY2(r.status == 0 && r.err.isEmpty(), qPrintable(describe(r)));
        const QByteArray expected = inputIsText ? image : text;
        QCOMPARE(out.isEmpty() ? r.outBytes : readAll(path(out)), expected);
    }

    // --- transfers ---------------------------------------------------------------

    void readAndWriteThroughTheSimulator()
    {
        ButtonTable inKeypad = makeTable();
        setButton(inKeypad, 0, strokes(4, 0));
        setButton(inKeypad, 22, {{250, 2}, {250, 3}, {2, 0x5A}});
        const QString memory = saved("keypad.tkf", inKeypad);
        SimulatorProcess sim;
        QVERIFY(sim.start({memory}));

        Result r = qm47({"read", sim.port, path("readout.tkf")});
        QVERIFY2(r.status == 0, qPrintable(describe(r)));
        QCOMPARE(readAll(path("readout.tkf")).toHex(' '), encodeConfig(inKeypad).toHex(' '));

        ButtonTable other = makeTable();
        setButton(other, 5, strokes(125, 5));
        r = qm47({"write", sim.port, saved("other.tkf", other)});
        QVERIFY2(r.status == 0, qPrintable(describe(r)));
        QVERIFY(fileBecomes(memory, encodeConfig(other)));
    }

    void writeVerifyPassesOnAGoodKeypad()
    {
        SimulatorProcess sim;
        QVERIFY(sim.start({path("verify-good.tkf")}));
        ButtonTable t = makeTable();
        for (int i = 0; i < 23; ++i)
            setButton(t, i, strokes(i + 1, i));
        const Result r = qm47({"write", "--verify", sim.port, saved("good.tkf", t)});
        QVERIFY2(r.status == 0, qPrintable(describe(r)));
        QVERIFY2(r.out.contains("Wrote 23 buttons from " + path("good.tkf")
                                + ", verified: the keypad holds what was sent\n"),
                 qPrintable(describe(r)));
    }

    void writeVerifyNamesWhatTheKeypadStoredOtherwise()
    {
        SimulatorProcess sim;
        QVERIFY(sim.start({"--corrupt-store", "3:2", path("verify-bad.tkf")}));
        ButtonTable t = makeTable();
        setButton(t, 0, strokes(3, 0));
        setButton(t, 2, {{2, 0x1C}, {3, 0x1C}, {2, 0x5A}, {3, 0x5A}});
        const Result r = qm47({"write", "--verify", sim.port, saved("sent.tkf", t)});
        QVERIFY2(r.status == 1, qPrintable(describe(r)));
        QVERIFY2(r.err.contains("verification failed: button 3, entry 2: sent A up, read back W up"),
                 qPrintable(describe(r)));

        // Without --verify the transmit itself looks fine.
        const Result plain = qm47({"write", sim.port, path("sent.tkf")});
        QVERIFY2(plain.status == 0, qPrintable(describe(plain)));
    }

    void failedReadoutKeepsTheOldFile()
    {
        SimulatorProcess sim;
        QVERIFY(sim.start({"--ignore-wakeup", path("deaf.tkf")}));
        const QByteArray old = "not even a configuration";
        QVERIFY(writeBytes(path("kept.tkf"), old));
        const Result r = qm47({"read", sim.port, path("kept.tkf")});
        QVERIFY2(r.status == 1, qPrintable(describe(r)));
        QVERIFY(r.err.contains("Cannot connect to the target! Please check the connection / serial port."));
        QCOMPARE(readAll(path("kept.tkf")), old);
    }

    // Every way a transfer ends early, for every command that talks to a
    // keypad, on one port and on three (each keypad with the same fault): the
    // status; the end told to the keypad unless its line is gone; the JSON
    // counts, also after the failure; after a write, the N of "buttons 1 to
    // N" is the buttons that reached the keypad and, where it saves, what
    // its memory holds.
    void endings_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<int>("ports");
        QTest::addColumn<QString>("cause"); // a signal, "silent" or "pulled"
        for (const QString row : {"write 1 SIGINT", "write 1 SIGTERM", "write 1 SIGHUP", "write 1 silent",
                                  "write 1 pulled", "write 3 SIGHUP", "write--verify 1 SIGTERM",
                                  "write--verify 3 SIGINT", "read 1 SIGTERM", "read 1 silent",
                                  "read 1 pulled", "diff 1 SIGINT", "diff 1 silent", "diff 3 SIGHUP",
                                  "diff 3 pulled"})
            QTest::newRow(qPrintable(row)) << row.section(' ', 0, 0).replace("--", " --")
                                           << row.section(' ', 1, 1).toInt() << row.section(' ', 2);
    }
    void endings()
    {
        QFETCH(QString, command);
        QFETCH(int, ports);
        QFETCH(QString, cause);
        const int signal = QMap<QString, int>{{"SIGHUP", SIGHUP}, {"SIGINT", SIGINT}, {"SIGTERM", SIGTERM}}
                               .value(cause);
        const bool writes = command.startsWith("write");
        ButtonTable before = makeTable(), after = makeTable();
        for (int i = 0; i < 23; ++i)
            setButton(before, i, strokes(125, i)), setButton(after, i, strokes(125, i + 1));
        // Frame 9 is the fifth button of a write, the third of a readout.
        const QStringList fault{signal ? "--paced" : cause == "silent" ? "--mute-after=9" : "--unplug-after=9"};
        std::unique_ptr<SimulatorProcess> sims[3];
        QStringList words = command.split(' ') << "--json";
        for (int i = 0; i < ports; ++i) {
            QFile::remove(path(QString("ending-%1.log").arg(i)));
            sims[i] = std::make_unique<SimulatorProcess>();
            QVERIFY(sims[i]->start(fault + QStringList{"--log", path(QString("ending-%1.log").arg(i)),
                                                       saved(QString("ending-%1.tkf").arg(i), before)}));
            words << sims[i]->port;
        }
        const auto frames = [this](int i, const QString &command) {
            return QString::fromUtf8(readAll(path(QString("ending-%1.log").arg(i))))
                .count(QRegularExpression("^PC -> keypad: .*  " + command + "$",
                                          QRegularExpression::MultilineOption));
        };
        const QString request = writes ? "SetButton" : "GetButton";
        QProcess process;
        process.start(QStringLiteral(QM47_CLI), words << saved("ending.tkf", after));
        for (int i = 0; signal && i < ports; ++i)
            QTRY_VERIFY_WITH_TIMEOUT(frames(i, request) >= 3, 15000);
        if (signal)
            ::kill(pid_t(process.processId()), signal);
        QVERIFY(process.waitForFinished(20000));
        QCOMPARE(process.exitCode(), signal ? 128 + signal : command == "diff" ? 2 : 1);
        const QStringList documents = QString::fromUtf8(process.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
        QCOMPARE(documents.size(), ports);
        for (int i = 0; i < ports; ++i) {
            const QString &json = documents[i];
            QTRY_COMPARE(frames(i, "EndTransfer"), cause == "pulled" ? 0 : 1);
            const int sent = frames(i, request), buttons = jsonValue(json, "buttons").toInt();
            const QRegularExpressionMatch note =
                QRegularExpression("\nThe keypad may now hold part of the new configuration \\(buttons 1 "
                                   "to (\\d+) were written\\); write it again.$").match(jsonValue(json, "message"));
            // A readout adds nothing to its message; it counts the buttons that arrived.
            QVERIFY2(jsonValue(json, "outcome") == "failed" && note.hasMatch() == writes, qPrintable(json));
            const int n = writes ? note.captured(1).toInt() : sent;
            QVERIFY2(buttons <= n && buttons >= n - 1, qPrintable(json));
            if (!writes)
                continue;
            QCOMPARE(n, sent);
            QCOMPARE(jsonValue(json, "maybe_stored").toInt(), n);
            QCOMPARE(jsonValue(json, "changed"), QString("true"));
            const auto held = [&] { // a pulled keypad leaves without saving
                ButtonTable keypad;
                int same = 0;
                if (decodeConfig(readAll(path(QString("ending-%1.tkf").arg(i))), keypad).accepted())
                    while (same < 23 && entriesOf(keypad, same) == entriesOf(after, same))
                        ++same;
                return same;
            };
            QTRY_COMPARE(held(), cause == "pulled" ? 0 : n);
        }
    }

    // Command lines as a shell runs them (Q the program, PORT a paced keypad
    // logging to LOG, DIR the test's folder): a signal ignored at the start
    // stays ignored, "-" is standard output, --json always gives a document,
    // and a name that is not valid in the locale's encoding is refused, never
    // written under another name.
    void shellLines_data()
    {
        QTest::addColumn<QString>("script");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("out"); // patterns; for "err" one on standard error
        QTest::addColumn<QString>("err");
        const QString bad = "\"$(printf 'x\\377.tkf')\"", refused = "^qm47: x\\\\xFF\\.tkf: the name is not valid";
        QTest::newRow("SIGINT ignored at the start: the write completes")
            << "trap '' INT; exec \"$Q\" write \"$PORT\" \"$DIR/shell-big.tkf\"" << 0 << "^Wrote 23 buttons" << "^$";
        QTest::newRow("read PORT -: the configuration alone on standard output")
            << "\"$Q\" read \"$PORT\" - > \"$DIR/o.tkf\" && cmp \"$DIR/o.tkf\" \"$DIR/shell-big.tkf\" && echo same"
            << 0 << "^same\n$" << "^$";
        QTest::newRow("read --json PORT -") << "\"$Q\" read --json \"$PORT\" -" << 2 << "^$" << "share standard output";
        QTest::newRow("check --json, a missing file")
            << "\"$Q\" check --json \"$DIR/none.tkf\"" << 1
            << "^\\{.*\"message\":\"Could not open file! No such file or directory.\",\"outcome\":\"refused\".*\\}\n$"
            << "none.tkf: Could not open file!";
        QTest::newRow("check --json, a corrupt file")
            << "printf QM > \"$DIR/bad.tkf\"; \"$Q\" check --json \"$DIR/bad.tkf\"" << 1
            << "^\\{.*\"message\":\"File corrupt! Could not read the file!\",\"outcome\":\"refused\".*\\}\n$" << "corrupt";
        // The file is removed here: the test's folder could not name it.
        QTest::newRow("a name that is not UTF-8 is refused")
            << "cd \"$DIR\" && printf x > " + bad + " && \"$Q\" check " + bad + "; s=$?; rm " + bad + "; exit $s"
            << 2 << "^$" << refused;
        QTest::newRow("nor is anything written under another name")
            << "cd \"$(mktemp -d -p \"$DIR\")\" && \"$Q\" read \"$PORT\" " + bad + "; echo \"status $?\"; ls"
            << 0 << "^status 2\n$" << refused;
    }
    void shellLines()
    {
        QFETCH(QString, script);
        QFETCH(int, status);
        QFETCH(QString, out);
        QFETCH(QString, err);
        ButtonTable big = makeTable();
        for (int i = 0; i < 23; ++i)
            setButton(big, i, strokes(125, i));
        SimulatorProcess sim;
        QFile::remove(path("shell.log"));
        QVERIFY(sim.start({"--paced", "--log", path("shell.log"), saved("shell-big.tkf", big)}));
        QProcess shell;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("Q", QM47_CLI);
        env.insert("PORT", sim.port);
        env.insert("DIR", dir.path());
        shell.setProcessEnvironment(env);
        shell.start("/bin/sh", {"-c", script});
        if (script.startsWith("trap")) { // SIGINT once the keypad has three buttons
            QTRY_VERIFY_WITH_TIMEOUT(QString::fromUtf8(readAll(path("shell.log"))).count("  SetButton\n") >= 3, 15000);
            ::kill(pid_t(shell.processId()), SIGINT);
        }
        QVERIFY(shell.waitForFinished(30000));
        const Result r{shell.exitCode(), shell.readAllStandardOutput(), shell.readAllStandardError(), {}};
        QVERIFY2(r.status == status && r.out.contains(QRegularExpression(out))
                     && r.err.contains(QRegularExpression(err)), qPrintable(describe(r)));
    }

    // A missing device, a port another program holds, and (for root, in a
    // child as nobody) a device this user may not open.
    void portThatCannotBeOpened_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("cause");
        QTest::newRow("read, missing") << "read" << "missing";
        QTest::newRow("write, missing") << "write" << "missing";
        QTest::newRow("read, busy") << "read" << "busy";
        QTest::newRow("read, no permission") << "read" << "permission";
    }
    void portThatCannotBeOpened()
    {
        QFETCH(QString, command);
        QFETCH(QString, cause);
        const bool denied = cause == "permission";
        const QString unavailable = AsNobody::unavailable(QStringLiteral(QM47_CLI));
        if (denied && !unavailable.isEmpty())
            QSKIP(qPrintable(unavailable));
        SimulatorProcess sim;
        QSerialPort holder;
        QString port = "/dev/qm47-no-such-port";
        QString says = "Error connecting to Serial Port! " + port + ": No such file or directory.";
        if (cause != "missing") {
            QVERIFY(sim.start({path("keypad.tkf")}));
            port = sim.port;
            says = "Error connecting to Serial Port! Port in use.";
        }
        if (cause == "busy") {
            holder.setPortName(port);
            QVERIFY(holder.open(QIODevice::ReadWrite));
        }
        if (denied) {
            QVERIFY(QFile::setPermissions(port, QFile::ReadOwner | QFile::WriteOwner));
            says = "Error connecting to Serial Port! " + port + ": Permission denied.\n"
                   "To get access, join the group";
        }
        const QString file = command == "write" ? saved("any.tkf", makeTable()) : path("none.tkf");
        QFile::remove(path("none.tkf"));
        const Result r = qm47({command, port, file}, {}, {}, 30000, denied);
        QVERIFY2(r.status == 1, qPrintable(describe(r)));
        QVERIFY2(r.err.contains(says), qPrintable(describe(r)));
        QCOMPARE(r.err.contains("then log out and in again:\nsudo usermod -aG "), denied);
        QVERIFY(!QFile::exists(path("none.tkf")));

        // The port list marks the port for this user only.
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("QM47_EXTRA_PORTS", port);
        const Result ports = qm47({"ports"}, env, {}, 30000, denied);
        QVERIFY2(ports.out.contains(port + "\tAdditional port" + (denied ? " [no permission]\n" : "\n")),
                 qPrintable(describe(ports)));
    }

    void writeFailsWhenTheKeypadCannotHoldTheFile()
    {
        SimulatorProcess sim;
        QVERIFY(sim.start({"--buttons", "5", "--max-entries", "6", path("small.tkf")}));
        ButtonTable t = makeTable();
        setButton(t, 1, strokes(4, 1)); // 8 entries, the keypad keeps 6
        setButton(t, 7, strokes(1, 7)); // beyond its 5 buttons
        const Result r = qm47({"write", sim.port, saved("large.tkf", t)});
        QVERIFY2(r.status == 1, qPrintable(describe(r)));
        QVERIFY2(r.err.contains("Buttons the keypad does not have: 8.\nButtons cut to the keypad's 6 "
                                "entries: 2.\n"),
                 qPrintable(describe(r)));
    }

    void readRefusesAConfigurationNoFileCanHold()
    {
        SimulatorProcess sim;
        QVERIFY(sim.start({"--buttons", "30", path("big.tkf")}));
        const Result r = qm47({"read", sim.port, path("big-readout.tkf")});
        QVERIFY2(r.status == 1, qPrintable(describe(r)));
        QVERIFY(r.err.contains("nothing was written"));
        QVERIFY(!QFile::exists(path("big-readout.tkf")));
    }

    // --- many keypads ----------------------------------------------------------

    // The first run writes; the second finds the keypad as the file would
    // leave it and sends no button; a changed file is written again.
    void writeIfChanged()
    {
        SimulatorProcess sim;
        const QString log = path("frames.log");
        QVERIFY(sim.start({"--log", log, path("if-changed-keypad.tkf")}));
        const struct {
            uint8_t key;
            const char *says;
            bool sends;
        } runs[] = {{0x1C, "Wrote 23 buttons", true}, {0x1C, "Unchanged", false}, {0x1B, "Wrote", true}};
        for (const auto &run : runs) {
            QVERIFY(QFile(log).resize(0)); // the simulator appends to it
            const Result r = qm47({"write", "--if-changed", sim.port, saved("office.tkf", office(run.key))});
            QVERIFY2(r.status == 0 && r.out.startsWith(run.says), qPrintable(describe(r)));
            QCOMPARE(QString::fromUtf8(readAll(log)).contains(QRegularExpression("PC -> keypad: .*SetButton")),
                     run.sends);
            QVERIFY(fileBecomes(path("if-changed-keypad.tkf"), encodeConfig(office(run.key))));
        }
    }

    // Three keypads at once, the third named by a link as under
    // /dev/serial/by-id: each holds the file unless it is deaf; one result
    // per port, in the order given.
    void severalKeypads_data()
    {
        QTest::addColumn<int>("deaf"); // -1: none
        QTest::addColumn<bool>("json");
        QTest::newRow("all answer") << -1 << false;
        QTest::newRow("the second is deaf") << 1 << false;
        QTest::newRow("the first is deaf, JSON") << 0 << true;
    }
    void severalKeypads()
    {
        QFETCH(int, deaf);
        QFETCH(bool, json);
        std::unique_ptr<SimulatorProcess> sims[3];
        QStringList ports;
        for (int i = 0; i < 3; ++i) {
            const QString memory = path(QString("many-%1.tkf").arg(i));
            QFile::remove(memory);
            sims[i] = std::make_unique<SimulatorProcess>();
            QVERIFY(sims[i]->start(i == deaf ? QStringList{"--ignore-wakeup", memory} : QStringList{memory}));
            ports << sims[i]->port;
        }
        ports[2] = path("usb-QM47_keypad_0001-if00-port0");
        QFile::remove(ports[2]);
        QVERIFY(QFile::link(sims[2]->port, ports[2]));
        const Result r = qm47(QStringList{"write"} + (json ? QStringList{"--json"} : QStringList{}) + ports
                              + QStringList{saved("many.tkf", office())});
        QVERIFY2(r.status == (deaf < 0 ? 0 : 1), qPrintable(describe(r)));
        const QStringList lines = r.out.split('\n', Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 3);
        for (int i = 0; i < 3; ++i) {
            const QString said = json ? jsonValue(lines[i], "port") + ": " + jsonValue(lines[i], "outcome")
                                      : lines[i];
            QVERIFY2(said.startsWith(ports[i] + (i == deaf ? ": failed" : json ? ": written" : ": Wrote")),
                     qPrintable(describe(r)));
            if (i != deaf)
                QVERIFY(fileBecomes(path(QString("many-%1.tkf").arg(i)), encodeConfig(office())));
        }
        if (json)
            QCOMPARE(jsonValue(lines[2], "location"), sims[2]->port);
    }

    // diff: 0 same, 1 different (button by button in the text form), 2 trouble.
    void diff_data()
    {
        QTest::addColumn<QStringList>("simulator"); // options before the memory file
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("says");
        QTest::newRow("same") << QStringList{} << 0 << "The keypad holds what the file holds";
        QTest::newRow("one key differs") << QStringList{"--corrupt-store", "1:2"} << 1
                                         << "The keypad differs from the file\nbutton 1\n  - W down\n  + A down\n";
        QTest::newRow("keypad too small") << QStringList{"--buttons", "2"} << 1
                                          << "Buttons the keypad does not have: 3.";
        QTest::newRow("deaf keypad") << QStringList{"--ignore-wakeup"} << 2 << "Cannot connect to the target!";
    }
    void diff()
    {
        QFETCH(QStringList, simulator);
        QFETCH(int, status);
        QFETCH(QString, says);
        SimulatorProcess sim;
        QVERIFY(sim.start(simulator << saved("diff-keypad.tkf", office())));
        // The bad memory cell spoils what the next transmit stores.
        if (simulator.contains("--corrupt-store"))
            QCOMPARE(qm47({"write", sim.port, path("diff-keypad.tkf")}).status, 0);
        const Result r = qm47({"diff", sim.port, saved("diff.tkf", office())});
        QVERIFY2(r.status == status && (r.out + r.err).contains(says), qPrintable(describe(r)));
    }

    // --json of every command parses and says what the plain output says.
    void jsonMatchesThePlainOutput_data()
    {
        QTest::addColumn<QStringList>("arguments"); // PORT: a simulator holding office()
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("plain"); // captures the same fact in the plain output
        QTest::addColumn<QString>("value"); // empty: whatever both say
        QTest::newRow("ports") << QStringList{"ports"} << "ports/0/port" << "^(\\S+)\t" << QString();
        QTest::newRow("read") << QStringList{"read", "PORT", "json-read.tkf"} << "buttons"
                              << "^Read (\\d+) buttons" << "23";
        QTest::newRow("write") << QStringList{"write", "PORT", "json.tkf"} << "buttons"
                               << "^Wrote (\\d+) buttons" << "23";
        QTest::newRow("diff") << QStringList{"diff", "PORT", "json.tkf"} << "differences/0/button"
                              << "^button (\\d+)$" << "2";
        QTest::newRow("check") << QStringList{"check", "json.tkf"} << "problems/0" << "^(Button 2: .*)$"
                               << QString();
        QTest::newRow("show") << QStringList{"show", "json.tkf"} << "content/1/rows/0"
                              << "^Button 2: 1 entry\n.*\n  (.*)$" << "A down";
        QTest::newRow("show, summary") << QStringList{"show", "--layout", "fr", "json.tkf"}
                                       << "content/1/summary" << "^Button 2: 1 entry\n  Summary: (.*)$"
                                       << "q, Q stays down";
    }
    void jsonMatchesThePlainOutput()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, field);
        QFETCH(QString, plain);
        QFETCH(QString, value);
        ButtonTable file = office();
        setButton(file, 1, {{2, 0x1C}});
        saved("json.tkf", file);
        Result r[2];
        for (int pass = 0; pass < 2; ++pass) {
            SimulatorProcess sim; // each pass meets the keypad as it was
            QVERIFY(sim.start({saved("json-keypad.tkf", office())}));
            QStringList words = arguments;
            for (QString &w : words)
                w = w == "PORT" ? sim.port : w.endsWith(".tkf") ? path(w) : w;
            if (pass == 1)
                words.insert(1, "--json");
            QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
            env.insert("QM47_EXTRA_PORTS", sim.port);
            r[pass] = qm47(words, env);
        }
        QVERIFY2(r[0].status <= 1 && r[1].status == r[0].status, qPrintable(describe(r[1])));
        QJsonParseError error;
        QJsonDocument::fromJson(r[1].out.toUtf8(), &error);
        QVERIFY2(error.error == QJsonParseError::NoError, qPrintable(error.errorString() + "\n" + r[1].out));
        const QRegularExpressionMatch m = QRegularExpression(plain, QRegularExpression::MultilineOption).match(r[0].out);
        QVERIFY2(m.hasMatch(), qPrintable(describe(r[0])));
        QCOMPARE(jsonValue(r[1].out, field), m.captured(1));
        QVERIFY(value.isEmpty() || m.captured(1) == value);
    }

    // The example playbook for real: the first run copies the file and
    // writes the keypad, the second changes nothing.
    void playbookIsIdempotent()
    {
        const QString ansible = QStandardPaths::findExecutable("ansible-playbook");
        if (ansible.isEmpty())
            QSKIP("ansible-playbook is missing (Debian package ansible-core); the playbook is not run");
        SimulatorProcess sim;
        QVERIFY(sim.start({path("play-keypad.tkf")}));
        // Ansible's own state stays in the test's folder.
        const QString home = path("ansible");
        QVERIFY(QDir().mkpath(home + "/tmp"));
        QProcess play;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const char *name : {"HOME", "ANSIBLE_HOME"})
            env.insert(name, home);
        for (const char *name : {"ANSIBLE_LOCAL_TEMP", "ANSIBLE_REMOTE_TEMP"})
            env.insert(name, home + "/tmp");
        env.insert("ANSIBLE_NOCOLOR", "1");
        env.insert("ANSIBLE_RETRY_FILES_ENABLED", "0");
        env.insert("ANSIBLE_PYTHON_INTERPRETER", "auto_silent");
        play.setProcessEnvironment(env);
        play.setWorkingDirectory(home);
        play.setProcessChannelMode(QProcess::MergedChannels);
        for (const char *changed : {"changed=2", "changed=0"}) {
            play.start(ansible, {"-i", "localhost,", "-c", "local", QStringLiteral(QM47_PLAYBOOK),
                                 "-e", "qm47_hosts=localhost", "-e", "qm47_config=" + saved("play.tkf", office()),
                                 "-e", "qm47_config_dir=" + path("host/"), "-e", "qm47_port=" + sim.port,
                                 "-e", "qm47_program=" QM47_CLI});
            QVERIFY(play.waitForFinished(120000));
            const QString out = QString::fromUtf8(play.readAll());
            QVERIFY2(play.exitCode() == 0 && out.contains(QRegularExpression(
                         QStringLiteral("localhost\\s*: ok=2\\s+") + changed + "\\s+unreachable=0\\s+failed=0")),
                     qPrintable(out));
        }
        QVERIFY(fileBecomes(path("play-keypad.tkf"), encodeConfig(office())));
    }
};

QTEST_GUILESS_MAIN(TestQm47)
#include "test_qm47.moc"
