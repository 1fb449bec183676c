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

#include <memory>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <sys/mount.h>
#include <sys/stat.h>

namespace {

using Entries = QList<ContentEntry>;

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

// What a run does not meet of the expected status, the patterns its standard
// output must match and the one its standard error must match (a null
// pattern: not looked at), with the run; empty when it meets all.
QString unmet(const Result &r, int status, const QStringList &out, const QString &err)
{
    QStringList missed;
    if (r.status != status)
        missed << QStringLiteral("expected status %1").arg(status);
    for (const QString &pattern : out)
        if (!r.out.contains(QRegularExpression(pattern)))
            missed << "stdout does not match: " + pattern;
    if (!err.isNull() && !r.err.contains(QRegularExpression(err)))
        missed << "stderr does not match: " + err;
    return missed.isEmpty() ? QString() : missed.join('\n') + '\n' + describe(r);
}

// A pattern for exactly `text`.
QString lit(const QString &text) { return QRegularExpression::escape(text); }
QStringList lits(const QStringList &texts)
{
    QStringList patterns;
    for (const QString &text : texts)
        patterns << lit(text);
    return patterns;
}
const QString Nothing = QStringLiteral("\\A\\z");

QProcessEnvironment withExtraPorts(const QString &ports)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QM47_EXTRA_PORTS", ports);
    return env;
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

// 23 buttons of 250 entries each; `seed` varies them.
ButtonTable full(int seed)
{
    ButtonTable t = makeTable();
    for (int i = 0; i < 23; ++i)
        setButton(t, i, strokes(125, i + seed));
    return t;
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

// A configuration file of 23 buttons from its text form.
QByteArray fromText(const QString &text)
{
    ButtonTable t = makeTable();
    TkfTextError error;
    if (!configFromText(text, t, error))
        qFatal("%s", qPrintable(error.message));
    return encodeConfig(t);
}

// The files the tests read, by name in the test's folder.
QMap<QString, QByteArray> fixtures()
{
    QMap<QString, QByteArray> files{
        {"office.tkf", encodeConfig(office())},
        // office() with A pressed, never released, in button 2.
        {"json.tkf", fromText("button 1\nLSHIFT down\nA down\nA up\nLSHIFT up\nbutton 2\nA down\n"
                              "button 3\ndelay\nB down\nB up")},
        {"balanced.tkf", fromText("button 1\nLSHIFT down\nA down\nA up\nLSHIFT up\n"
                                  "button 2\ndelay\nA down\nA up\ndelay")},
        // Odd and never released; successive delays; released first; both.
        {"unbalanced.tkf", fromText("button 1\nA down\nA up\nbutton 2\nA down\nbutton 5\ndelay\ndelay\n"
                                    "button 7\nB up\nB down\n"
                                    "button 10\nA down\nA down\nA up\nA up\ndelay\ndelay")},
        {"show.tkf", fromText("button 1\n0x1A down\n0x1A up\ndelay\nbutton 2\n0x4E down")},
        {"tail.tkf", encodeConfig(makeTable()) + "tail"},
        {"some.tkf", fromText("button 1\nA down\nA up\nbutton 23\ndelay\nENTER down")},
        {"other.tkf", encodeConfig(full(5))},
        {"sent.tkf", fromText("button 1\nB down\nB up\nbutton 3\nA down\nA up\nENTER down\nENTER up")},
        // 8 entries in button 2, where the keypad keeps 6; button 8 beyond its 5.
        {"large.tkf", fromText("button 2\nA down\nA up\nB down\nB up\nA down\nA up\nB down\nB up\n"
                               "button 8\nA down\nA up")},
        {"kept.tkf", "not even a configuration"},
        {"qm.tkf", "QM"}};
    ButtonTable t = makeTable();
    for (int i = 0; i < 23; ++i)
        setButton(t, i, strokes(i + 1, i));
    files["good.tkf"] = encodeConfig(t);
    Entries longNames;
    for (int k = 0; k < 125; ++k)
        longNames << ContentEntry{2, 0x7E} << ContentEntry{3, 0x7E}; // NUM_MULTIPLY
    for (int i = 0; i < 23; ++i)
        setButton(t, i, longNames); // some 110 kB shown, more than a pipe holds
    files["big.tkf"] = encodeConfig(t);
    return files;
}

// Kinds of input that are not bytes.
const QByteArray Missing = "(no file)", Fifo = "(a FIFO)", Folder = "(a folder)";

} // namespace

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

    // The words of a row as run: "PORT" is `port`; a word with a dot that is
    // neither an option nor a path names a file in the test's folder.
    QStringList resolved(QStringList words, const QString &port = {}) const
    {
        for (QString &w : words)
            w = w == "PORT" ? port
                : w.contains('.') && !w.startsWith('-') && !w.startsWith('/') ? path(w)
                                                                             : w;
        return words;
    }

    // A keypad memory for the simulator, holding the fixture `name` (none: a
    // new keypad).
    QString memory(const QString &name = {}) const
    {
        QFile::remove(path("keypad.tkf"));
        if (!name.isEmpty())
            writeBytes(path("keypad.tkf"), fixtures().value(name));
        return path("keypad.tkf");
    }

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(dir.isValid());
        QVERIFY(QFile::exists(QStringLiteral(QM47_CLI)));
        const auto files = fixtures();
        for (auto f = files.begin(); f != files.end(); ++f)
            QVERIFY(writeBytes(path(f.key()), f.value()));
    }

    // Commands on files only: the status, what standard output and standard
    // error say, and a JSON field or the size of a picture written.
    void commands_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("status");
        QTest::addColumn<QStringList>("out"); // patterns
        QTest::addColumn<QString>("err");     // a pattern; null: not looked at
        QTest::addColumn<QString>("then"); // "PATH=VALUE" in the first JSON document, or "FILE=WxH"
        const auto row = [](const char *name, const QStringList &arguments, int status, const QStringList &out,
                            const QString &err = {}, const QString &then = {}) {
            QTest::newRow(name) << arguments << status << out << err << then;
        };
        // The command line itself: a mistake says what is wrong, on standard error only.
        const auto mistake = [&](const char *name, const QStringList &arguments, const QString &says) {
            row(name, arguments, 2, {Nothing}, lit(says));
        };
        mistake("nothing", {}, "Usage: qm47 COMMAND");
        mistake("unknown command", {"frobnicate"}, "unknown command");
        mistake("help of an unknown command", {"help", "x"}, "unknown command");
        mistake("too few arguments", {"read", "/dev/null"}, "PORT FILE.tkf");
        mistake("too many arguments", {"check", "a.tkf", "b.tkf"}, "FILE.tkf");
        mistake("arguments to ports", {"ports", "extra"}, "no arguments");
        mistake("one port twice", {"write", "/dev/null", "/dev/../dev/null", "f.tkf"}, "name the same port");
        mistake("unknown option", {"write", "--bogus", "p", "f.tkf"}, "unknown option --bogus");
        mistake("option of another command", {"read", "--verify", "p", "f.tkf"}, "unknown option");
        mistake("value to a flag", {"write", "--verify=yes", "p", "f.tkf"}, "takes no value");
        mistake("option without its value", {"show", "f.tkf", "--layout"}, "needs a value");
        mistake("unknown layout", {"show", "--layout", "xx", "f.tkf"}, "de, fr, es, pt or en");
        mistake("convert between two files", {"convert", "a.tkf", "b.TKF"}, "exactly one");
        mistake("convert between two texts", {"convert", "a.txt", "b.txt"}, "exactly one");
        mistake("convert between two streams", {"convert", "-", "-"}, "--to");
        mistake("convert to an unknown kind", {"convert", "-", "-", "--to", "tfk"}, "tkf or text");

        row("help, program", {"--help"}, 0,
            lits({"ports [--json]", "read [--json] PORT FILE.tkf",
                 "write [--verify] [--if-changed] [--json] PORT... FILE.tkf", "diff [--json] PORT... FILE.tkf",
                 "show [--layout de|fr|es|pt|en] [--json] FILE.tkf",
                 "check [--layout de|fr|es|pt|en] [--json] FILE.tkf", "convert [--to tkf|text] IN OUT",
                 "overview [--layout de|fr|es|pt|en] [--paper a4|letter] FILE.tkf OUT", "--version",
                 "Exit status"}));
        row("help command", {"help"}, 0, lits({"convert [--to tkf|text] IN OUT"}));
        row("help, ports", {"ports", "--help"}, 0, lits({"QM47_EXTRA_PORTS"}));
        row("help, read", {"read", "-h"}, 0, lits({"Usage: qm47 read [--json] PORT FILE.tkf", "only when"}));
        row("help, write", {"write", "p", "--help"}, 0,
            lits({"Usage: qm47 write [--verify] [--if-changed] [--json] PORT... FILE.tkf", "--verify",
                 "/dev/serial/by-id"}));
        row("help, show", {"help", "show"}, 0, lits({"--layout de|fr|es|pt|en] [--json]"}));
        row("help, check", {"check", "--help"}, 0, lits({"successive"}));
        // The text form is documented where it is used.
        row("help, convert", {"convert", "--help"}, 0,
            lits({"buttons N", "max-entries N", "button N", "KEY down", "KEY up", "delay", "KEY delay",
                 "0x13 and 0x53", "0x1C", "#", "line number"}));

        // The extra ports (QM47_EXTRA_PORTS is set for every row), in their
        // order, and nothing but a name and a description a line.
        row("ports", {"ports"}, 0,
            {"\\A([^\t\n]*\t[^\t\n]*\n)*\\z",
             "(^|\n)/tmp/qm47-a\tAdditional port\n([^\n]*\n)*/tmp/qm47-b\tAdditional port\n"});

        // show names keys as the layout does.
        const auto show = [&](const char *name, const QStringList &options, const QString &button1,
                              const QString &button2) {
            row(name, QStringList{"show"} + options + QStringList{"show.tkf"}, 0,
                {"\\A" + lit("23 buttons, at most 250 entries each\nButton 1: 4 entries\n" + button1
                             + "  Delay\n  0.5s\nButton 2: 1 entry\n" + button2 + "Button 3: empty\n"),
                 lit("Button 23: empty\n") + "\\z"});
        };
        show("show", {}, "  Summary: z, 0.5 s\n  Z down\n  Z up\n", "  Summary: -, - stays down\n  - down\n");
        show("show, en", {"--layout", "en"}, "  Summary: z, 0.5 s\n  Z down\n  Z up\n",
             "  Summary: -, - stays down\n  - down\n");
        show("show, de", {"--layout=de"}, "  Summary: y, 0.5 s\n  Y down\n  Y up\n",
             QString::fromUtf8("  Summary: ß, SS stays down\n  ß down\n"));
        show("show, fr, upper case", {"--layout", "FR"}, "  Summary: w, 0.5 s\n  W down\n  W up\n",
             "  Summary: ), ) stays down\n  ) down\n");
        // The summaries of --json are in English whatever the interface language.
        row("show --json, summary", {"--lang", "de", "show", "--json", "--layout", "fr", "json.tkf"}, 0, {}, {},
            "content/1/summary=q, Q stays down");
        row("check --json, summary", {"--lang", "de", "check", "--json", "--layout", "fr", "json.tkf"}, 1, {}, {},
            "summaries/1=q, Q stays down");

        // The overview writes a picture in the format its name says, on the
        // paper asked for, and refuses other formats and papers.
        row("overview, png", {"--lang", "de", "overview", "--paper", "letter", "json.tkf", "overview.png"}, 0, {},
            {}, "overview.png=1275x1650");
        row("overview, svg", {"--lang", "de", "overview", "json.tkf", "overview.svg"}, 0, {}, {},
            "overview.svg=595x842");
        row("overview, unknown format", {"overview", "json.tkf", "overview.jpg"}, 2, {});
        row("overview, unknown paper", {"overview", "--paper", "a5", "json.tkf", "overview.png"}, 2, {});

        // check names each failing button and why, a line each.
        row("check, balanced", {"check", "balanced.tkf"}, 0, lits({"All 23 buttons"}));
        row("check, unbalanced", {"check", "unbalanced.tkf"}, 1,
            {"\\AButton 2: unbalanced[^\n]*odd number of entries \\(1\\)[^\n]*\n",
             "\\A[^\n]*entry 1 \\(A down\\) has no release after it[^\n]*\n"
             "Button 5: successive delays[^\n]*\n"
             "Button 7: unbalanced[^\n]*entry 1 \\(B up\\) has no press before it[^\n]*\n"
             "Button 10: unbalanced[^\n]*\n"
             "Button 10: successive delays[^\n]*\n\\z"});

        // --json gives a document also for a file it refuses.
        row("check --json, a missing file", {"check", "--json", "none.tkf"}, 1,
            {"^\\{.*\"message\":\"Could not open file! No such file or directory.\",\"outcome\":\"refused\".*\\}\n$"},
            lit("none.tkf: Could not open file!"));
        row("check --json, a corrupt file", {"check", "--json", "qm.tkf"}, 1,
            {"^\\{.*\"message\":\"File corrupt! Could not read the file!\",\"outcome\":\"refused\".*\\}\n$"},
            "corrupt");

        // Bytes after the checksum are converted with a warning.
        row("convert, bytes after the checksum", {"convert", "tail.tkf", "-"}, 0,
            {"\\A" + lit("# QM-47 keypad configuration")}, "warning");
    }
    void commands()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, status);
        QFETCH(QStringList, out);
        QFETCH(QString, err);
        QFETCH(QString, then);
        const Result r = qm47(resolved(arguments), withExtraPorts("/tmp/qm47-a::/tmp/qm47-b"));
        const QString missed = unmet(r, status, out, err);
        QVERIFY2(missed.isEmpty(), qPrintable(missed));
        const QString key = then.section('=', 0, 0), value = then.section('=', 1);
        if (key.endsWith(".svg") || key.endsWith(".png")) {
            QFile picture(path(key));
            QVERIFY(picture.open(QIODevice::ReadOnly));
            const QRegularExpressionMatch box = QRegularExpression("viewBox=\"0 0 (\\d+) (\\d+)\"").match(picture.readAll());
            const QSize size = key.endsWith(".svg") ? QSize(box.captured(1).toInt(), box.captured(2).toInt())
                                                    : QImageReader(path(key)).size();
            QCOMPARE(QString("%1x%2").arg(size.width()).arg(size.height()), value);
        } else if (!then.isEmpty()) {
            QCOMPARE(jsonValue(r.out, key), value);
        }
    }

    // A file that cannot be read is refused with its name and the reason;
    // nothing is written, and an output that was there stays as it was. Only
    // regular files are read: a FIFO (which would block for ever) or a folder
    // is refused at once.
    void refusedInput_data()
    {
        QTest::addColumn<QStringList>("arguments"); // in.* the input ("-": standard input), out.* the output
        QTest::addColumn<QByteArray>("input");      // or Missing, Fifo, Folder
        QTest::addColumn<QString>("says");          // after the input's name
        ButtonTable t = makeTable();
        setButton(t, 0, strokes(2, 1));
        const QByteArray good = encodeConfig(t);
        QByteArray signature = good;
        signature[1] = 0x3D;
        QByteArray action = good;
        action[6] = 7;
        QByteArray key = good;
        key[7] = char(key.at(7) + 1);
        const QString open = ": Could not open file!";
        const QString missing = open + " No such file or directory.";
        QTest::newRow("check, missing") << QStringList{"check", "in.tkf"} << Missing << missing;
        QTest::newRow("convert, missing") << QStringList{"convert", "in.tkf", "out.txt"} << Missing << missing;
        QTest::newRow("show, checksum") << QStringList{"show", "in.tkf"} << key << ": CRC error reading the file!";
        QTest::newRow("write, signature") << QStringList{"write", "/dev/qm47-none", "in.tkf"} << signature
                                          << ": File corrupt! Could not read the file!";
        QTest::newRow("convert, action") << QStringList{"convert", "in.tkf", "out.txt"} << action
                                         << ": File corrupt! Error reading the file.";
        QTest::newRow("show, text form")
            << QStringList{"show", "in.tkf"} << configToText(t).toUtf8()
            << ": this is the text form of a configuration; make a configuration file of it with "
               "\"qm47 convert " + path("in.tkf") + " FILE.tkf\"";
        QTest::newRow("show, FIFO") << QStringList{"show", "in.tkf"} << Fifo << open;
        QTest::newRow("check, FIFO") << QStringList{"check", "in.tkf"} << Fifo << open;
        QTest::newRow("write, FIFO") << QStringList{"write", "/dev/qm47-none", "in.tkf"} << Fifo << open;
        QTest::newRow("convert, FIFO file") << QStringList{"convert", "in.tkf", "out.txt"} << Fifo << open;
        QTest::newRow("convert, FIFO text") << QStringList{"convert", "in.txt", "out.tkf"} << Fifo << open;
        QTest::newRow("show, folder") << QStringList{"show", "in.tkf"} << Folder << open;
        QTest::newRow("convert, a line that cannot be understood")
            << QStringList{"convert", "in.txt", "out.tkf"}
            << QByteArray("buttons 23\n# comment\nbutton 1\n  A down\n  A sideways\n") << ", line 5: ";
        // A pipe whose source failed must not empty the output file.
        QTest::newRow("convert, empty standard input") << QStringList{"convert", "-", "out.tkf"} << QByteArray()
                                                       << ": holds no configuration";
        QTest::newRow("convert, only comments and blanks") << QStringList{"convert", "in.txt", "out.tkf"}
                                                           << QByteArray("# nothing yet\n\n   \r\n")
                                                           << ": holds no configuration";
    }
    void refusedInput()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QByteArray, input);
        QFETCH(QString, says);
        arguments = resolved(arguments);
        const bool fromStdin = arguments.at(1) == "-";
        const QString in = fromStdin ? QString() : arguments.filter(QRegularExpression("/in\\.")).first();
        const QString out = arguments.filter(QRegularExpression("/out\\.")).value(0);
        const auto removeInput = [&] {
            QDir(path("in.tkf")).removeRecursively();
            QFile::remove(path("in.tkf"));
            QFile::remove(path("in.txt"));
        };
        removeInput();
        if (input == Fifo)
            QVERIFY(mkfifo(QFile::encodeName(in).constData(), 0600) == 0);
        else if (input == Folder)
            QVERIFY(QDir().mkdir(in));
        else if (input != Missing && !fromStdin)
            QVERIFY(writeBytes(in, input));
        const QByteArray old = "# the output of an earlier run\n";
        for (const bool outputThere : {false, true}) {
            if (out.isEmpty() && outputThere)
                break;
            if (!out.isEmpty())
                QFile::remove(out);
            if (outputThere)
                QVERIFY(writeBytes(out, old));
            // Blocked on a FIFO it would never end.
            const Result r = qm47(arguments, {}, fromStdin ? input : QByteArray(), 10000);
            QVERIFY2(r.status == 1, qPrintable(describe(r)));
            QVERIFY2(r.err.contains((fromStdin ? "standard input" : in) + says), qPrintable(describe(r)));
            if (outputThere) {
                QCOMPARE(readAll(out), old);
                const QString name = QFileInfo(out).fileName(); // and no file beside it
                QCOMPARE(QDir(dir.path()).entryList({name + "*"}, QDir::Files | QDir::Hidden), QStringList{name});
            } else {
                QVERIFY(out.isEmpty() || !QFile::exists(out));
            }
        }
        removeInput();
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
        SimulatorProcess sim;
        if (arguments.contains("PORT"))
            QVERIFY(sim.start({memory()}));
        arguments = resolved(arguments, sim.port);

        QProcess process;
        process.setProcessEnvironment(withExtraPorts("/dev/null"));
        if (closedPipe) {
            process.setProgram("bash");
            process.setArguments(QStringList{"-c", "\"$@\" | head -c 10 >/dev/null; exit ${PIPESTATUS[0]}", "qm47",
                                             QStringLiteral(QM47_CLI)}
                                 + arguments);
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

    // "-" for standard input or output; the kind of that side follows from the
    // other side or from --to. OUT names a file, or is empty for standard output.
    void convert_data()
    {
        QTest::addColumn<QStringList>("arguments"); // source.tkf a configuration, source.txt its text
        QTest::addColumn<bool>("inputIsText");
        QTest::addColumn<QString>("out");
        QTest::newRow("file to text file") << QStringList{"source.tkf", "out.txt"} << false << "out.txt";
        QTest::newRow("text file to file") << QStringList{"source.txt", "out.tkf"} << true << "out.tkf";
        QTest::newRow("file to text on stdout") << QStringList{"source.tkf", "-"} << false << QString();
        QTest::newRow("text file to tkf on stdout") << QStringList{"source.txt", "-"} << true << QString();
        QTest::newRow("stdin tkf to text file") << QStringList{"-", "out.txt"} << false << "out.txt";
        QTest::newRow("stdin text to tkf file") << QStringList{"-", "out.tkf"} << true << "out.tkf";
        QTest::newRow("stdin to stdout, --to tkf") << QStringList{"-", "-", "--to", "tkf"} << true << QString();
        QTest::newRow("stdin to stdout, --to=text") << QStringList{"-", "-", "--to=text"} << false << QString();
        QTest::newRow("--to beats the extension") << QStringList{"-", "out.bin", "--to", "tkf"} << true
                                                  << "out.bin";
    }
    void convert()
    {
        QFETCH(QStringList, arguments);
        QFETCH(bool, inputIsText);
        QFETCH(QString, out);
        ButtonTable table = makeTable(4, 250);
        setButton(table, 0, strokes(3, 1));
        setButton(table, 3, {{2, 0x0A}, {250, 2}, {250, 3}, {3, 0x0A}}); // 0x0A: a newline byte
        const QByteArray image = encodeConfig(table);
        const QByteArray text = imageToText(image).text.toUtf8();
        QVERIFY(writeBytes(path("source.tkf"), image));
        QVERIFY(writeBytes(path("source.txt"), text));
        if (!out.isEmpty())
            QFile::remove(path(out));
        const bool fromStdin = arguments.first() == "-";
        const Result r = qm47(QStringList{"convert"} + resolved(arguments), {},
                              fromStdin ? (inputIsText ? text : image) : QByteArray());
        QVERIFY2(r.status == 0 && r.err.isEmpty(), qPrintable(describe(r)));
        const QByteArray expected = inputIsText ? image : text;
        QCOMPARE(out.isEmpty() ? r.outBytes : readAll(path(out)), expected);
    }

    // One command against one simulated keypad: the status, what it says,
    // and what a file or the keypad's memory (keypad.tkf) holds afterwards.
    // diff: 0 same, 1 different (button by button in the text form), 2 trouble.
    void transfers_data()
    {
        QTest::addColumn<QStringList>("simulator"); // options before the memory file
        QTest::addColumn<QString>("keypad");        // the fixture it holds; empty: a new keypad
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("status");
        QTest::addColumn<QStringList>("out"); // patterns
        QTest::addColumn<QString>("err");     // a pattern; null: not looked at
        QTest::addColumn<QString>("file");    // looked at afterwards; empty: none
        QTest::addColumn<QByteArray>("holds"); // null: there is no such file
        const auto row = [](const char *name, const QStringList &simulator, const QString &keypad,
                            const QStringList &arguments, int status, const QStringList &out, const QString &err,
                            const QString &file = {}, const QByteArray &holds = {}) {
            QTest::newRow(name) << simulator << keypad << arguments << status << out << err << file << holds;
        };
        const auto files = fixtures();
        row("read", {}, "some.tkf", {"read", "PORT", "transfer-readout.tkf"}, 0, {}, {}, "transfer-readout.tkf",
            files["some.tkf"]);
        row("write", {}, "some.tkf", {"write", "PORT", "other.tkf"}, 0, {}, {}, "keypad.tkf", files["other.tkf"]);
        row("write --verify", {}, {}, {"write", "--verify", "PORT", "good.tkf"}, 0,
            {lit("Wrote 23 buttons from " + path("good.tkf") + ", verified: the keypad holds what was sent\n")},
            {});
        row("write --verify, a bad memory cell", {"--corrupt-store", "3:2"}, {},
            {"write", "--verify", "PORT", "sent.tkf"}, 1, {},
            lit("verification failed: button 3, entry 2: sent A up, read back W up"));
        // Without --verify the transmit itself looks fine.
        row("write, a bad memory cell", {"--corrupt-store", "3:2"}, {}, {"write", "PORT", "sent.tkf"}, 0, {}, {});
        row("write, the keypad cannot hold the file", {"--buttons", "5", "--max-entries", "6"}, {},
            {"write", "PORT", "large.tkf"}, 1, {},
            lit("Buttons the keypad does not have: 8.\nButtons cut to the keypad's 6 entries: 2.\n"));
        row("read, a deaf keypad keeps the old file", {"--ignore-wakeup"}, {}, {"read", "PORT", "kept.tkf"}, 1, {},
            lit("Cannot connect to the target! Please check the connection / serial port."), "kept.tkf",
            files["kept.tkf"]);
        row("read --json PORT -", {}, {}, {"read", "--json", "PORT", "-"}, 2, {Nothing},
            lit("share standard output"));
        row("read, more buttons than a file holds", {"--buttons", "30"}, {}, {"read", "PORT", "big-readout.tkf"},
            1, {}, lit("nothing was written"), "big-readout.tkf");
        row("diff, same", {}, "office.tkf", {"diff", "PORT", "office.tkf"}, 0,
            lits({"The keypad holds what the file holds"}), {});
        row("diff, one key differs", {"--corrupt-store", "1:2"}, "office.tkf", {"diff", "PORT", "office.tkf"}, 1,
            lits({"The keypad differs from the file\nbutton 1\n  - W down\n  + A down\n"}), {});
        row("diff, keypad too small", {"--buttons", "2"}, "office.tkf", {"diff", "PORT", "office.tkf"}, 1,
            lits({"Buttons the keypad does not have: 3."}), {});
        row("diff, deaf keypad", {"--ignore-wakeup"}, "office.tkf", {"diff", "PORT", "office.tkf"}, 2, {},
            lit("Cannot connect to the target!"));
    }
    void transfers()
    {
        QFETCH(QStringList, simulator);
        QFETCH(QString, keypad);
        QFETCH(QStringList, arguments);
        QFETCH(int, status);
        QFETCH(QStringList, out);
        QFETCH(QString, err);
        QFETCH(QString, file);
        QFETCH(QByteArray, holds);
        SimulatorProcess sim;
        QVERIFY(sim.start(simulator << memory(keypad)));
        // The bad memory cell spoils what the next transmit stores.
        if (arguments.first() == "diff" && simulator.contains("--corrupt-store"))
            QCOMPARE(qm47({"write", sim.port, path("keypad.tkf")}).status, 0);
        const Result r = qm47(resolved(arguments, sim.port));
        const QString missed = unmet(r, status, out, err);
        QVERIFY2(missed.isEmpty(), qPrintable(missed));
        if (!file.isEmpty() && holds.isNull())
            QVERIFY(!QFile::exists(path(file)));
        else if (!file.isEmpty())
            QVERIFY(fileBecomes(path(file), holds));
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
        const ButtonTable before = full(0), after = full(1);
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
    // stays ignored, "-" is standard output, and a name that is not valid in the locale's encoding is refused, never
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
        SimulatorProcess sim;
        QFile::remove(path("shell.log"));
        QVERIFY(sim.start({"--paced", "--log", path("shell.log"), saved("shell-big.tkf", full(0))}));
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
            QVERIFY(sim.start({memory()}));
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
        const QString file = command == "write" ? path("office.tkf") : path("none.tkf");
        QFile::remove(path("none.tkf"));
        const Result r = qm47({command, port, file}, {}, {}, 30000, denied);
        QVERIFY2(r.status == 1, qPrintable(describe(r)));
        QVERIFY2(r.err.contains(says), qPrintable(describe(r)));
        QCOMPARE(r.err.contains("then log out and in again:\nsudo usermod -aG "), denied);
        QVERIFY(!QFile::exists(path("none.tkf")));

        // The port list marks the port for this user only.
        const Result ports = qm47({"ports"}, withExtraPorts(port), {}, 30000, denied);
        QVERIFY2(ports.out.contains(port + "\tAdditional port" + (denied ? " [no permission]\n" : "\n")),
                 qPrintable(describe(ports)));
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
            const Result r = qm47({"write", "--if-changed", sim.port, saved("if-changed.tkf", office(run.key))});
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
                              + QStringList{path("office.tkf")});
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
        Result r[2];
        for (int pass = 0; pass < 2; ++pass) {
            SimulatorProcess sim; // each pass meets the keypad as it was
            QVERIFY(sim.start({memory("office.tkf")}));
            QStringList words = resolved(arguments, sim.port);
            if (pass == 1)
                words.insert(1, "--json");
            r[pass] = qm47(words, withExtraPorts(sim.port));
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
