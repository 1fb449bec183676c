// qm47 for many keypads: idempotent writes, diff, several ports at once,
// links as port names, JSON output and the example playbook, against
// simulator processes.
#include "config/buttontable.h"
#include "file/tkfcodec.h"
#include "support/filebytes.h"
#include "support/simulatorprocess.h"
#include "support/tablecontent.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

namespace {

struct Run {
    int status = -1;
    QString out;
    QString err;
};

Run run(const QString &program, const QStringList &arguments, const QProcessEnvironment &env = {},
        const QString &folder = {})
{
    QProcess p;
    if (!env.isEmpty())
        p.setProcessEnvironment(env);
    if (!folder.isEmpty())
        p.setWorkingDirectory(folder);
    p.start(program, arguments);
    Run r;
    if (!p.waitForFinished(120000)) {
        p.kill();
        p.waitForFinished(3000);
        r.err = QStringLiteral("(did not finish)");
        return r;
    }
    r.status = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -2;
    r.out = QString::fromUtf8(p.readAllStandardOutput());
    r.err = QString::fromUtf8(p.readAllStandardError());
    return r;
}

Run qm47(const QStringList &arguments)
{
    return run(QStringLiteral(QM47_CLI), arguments);
}

QString describe(const Run &r)
{
    return QStringLiteral("status %1\nstdout:\n%2\nstderr:\n%3").arg(r.status).arg(r.out, r.err);
}

// The JSON documents of an output, one a line.
QList<QJsonObject> documents(const QString &out)
{
    QList<QJsonObject> list;
    for (const QString &line : out.split('\n', Qt::SkipEmptyParts))
        list.append(QJsonDocument::fromJson(line.toUtf8()).object());
    return list;
}

// A value inside a document by its path, "differences/0/button".
QString valueAt(const QJsonObject &document, const QString &path)
{
    QJsonValue v = document;
    for (const QString &step : path.split('/')) {
        bool isIndex = false;
        const int index = step.toInt(&isIndex);
        v = isIndex ? v.toArray().at(index) : v.toObject().value(step);
    }
    return v.isDouble() ? QString::number(v.toInteger()) : v.toVariant().toString();
}

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

ButtonTable office(uint8_t key = 0x1C)
{
    ButtonTable t = makeTable();
    setButton(t, 0, {{2, 0x12}, {2, key}, {3, key}, {3, 0x12}});
    setButton(t, 2, {{250, 2}, {250, 3}, {2, 0x32}, {3, 0x32}});
    return t;
}

} // namespace

class TestQm47Keypads : public QObject
{
    Q_OBJECT

    QTemporaryDir dir;

    QString path(const QString &name) const { return dir.filePath(name); }
    QString saved(const QString &name, const ButtonTable &t) const
    {
        writeBytes(path(name), encodeConfig(t));
        return path(name);
    }
    // SetButton frames the simulator logged as received.
    static int setButtonsLogged(const QString &log)
    {
        return int(QString::fromUtf8(readAll(log)).count(QRegularExpression("PC -> keypad: .*SetButton")));
    }

private Q_SLOTS:
    void initTestCase() { QVERIFY(dir.isValid()); }

    // First run writes, the second finds the keypad as the file would leave
    // it and sends no button, a changed file is written again.
    void writeIfChanged()
    {
        SimulatorProcess sim;
        const QString log = path("frames.log");
        QVERIFY(sim.start({"--log", log, path("if-changed-keypad.tkf")}));
        const struct {
            ButtonTable file;
            QString outcome;
            bool sends;
        } steps[] = {{office(), "written", true}, {office(), "unchanged", false}, {office(0x1B), "written", true}};
        for (const auto &step : steps) {
            // The simulator appends to the log it holds open.
            QVERIFY(QFile(log).resize(0));
            const Run r = qm47({"write", "--if-changed", sim.port, saved("office.tkf", step.file)});
            QVERIFY2(r.status == 0, qPrintable(describe(r)));
            QVERIFY2(r.out.startsWith(step.outcome == "written" ? "Wrote 23 buttons" : "Unchanged"),
                     qPrintable(describe(r)));
            QCOMPARE(setButtonsLogged(log) > 0, step.sends);
            QVERIFY(fileBecomes(path("if-changed-keypad.tkf"), encodeConfig(step.file)));
        }
    }

    // Three keypads at once: each holds the file unless its simulator fails;
    // one result line per port in the order given.
    void severalKeypads_data()
    {
        QTest::addColumn<int>("deaf"); // the keypad that never answers, -1: none
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
        QStringList arguments{"write"};
        if (json)
            arguments << "--json";
        for (int i = 0; i < 3; ++i) {
            sims[i] = std::make_unique<SimulatorProcess>();
            QFile::remove(path(QString("many-%1.tkf").arg(i)));
            QStringList options{path(QString("many-%1.tkf").arg(i))};
            if (i == deaf)
                options.prepend("--ignore-wakeup");
            QVERIFY(sims[i]->start(options));
            arguments << sims[i]->port;
        }
        const Run r = qm47(arguments << saved("many.tkf", office()));
        QVERIFY2(r.status == (deaf < 0 ? 0 : 1), qPrintable(describe(r)));
        const QStringList lines = r.out.split('\n', Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 3);
        for (int i = 0; i < 3; ++i) {
            const QString said = json ? valueAt(documents(lines[i]).value(0), "port") + ": "
                                            + valueAt(documents(lines[i]).value(0), "outcome")
                                      : lines[i];
            QVERIFY2(said.startsWith(sims[i]->port + (i == deaf ? ": failed" : json ? ": written" : ": Wrote")),
                     qPrintable(describe(r)));
            if (i != deaf)
                QVERIFY(fileBecomes(path(QString("many-%1.tkf").arg(i)), encodeConfig(office())));
        }
    }

    // A link to the port (as under /dev/serial/by-id) is opened as the
    // device; the same device twice is refused.
    void linksToThePort_data()
    {
        QTest::addColumn<bool>("alsoDirect");
        QTest::addColumn<int>("status");
        QTest::newRow("the link") << false << 0;
        QTest::newRow("the port and a link to it") << true << 2;
    }
    void linksToThePort()
    {
        QFETCH(bool, alsoDirect);
        QFETCH(int, status);
        SimulatorProcess sim;
        QFile::remove(path("linked-keypad.tkf"));
        QVERIFY(sim.start({path("linked-keypad.tkf")}));
        QDir(path("by-id")).removeRecursively();
        QVERIFY(QDir().mkpath(path("by-id")));
        const QString link = path("by-id/usb-QM47_keypad_0001-if00-port0");
        QVERIFY(QFile::link(sim.port, link));
        QStringList arguments{"write", "--json", link};
        if (alsoDirect)
            arguments << sim.port;
        const Run r = qm47(arguments << saved("linked.tkf", office()));
        QVERIFY2(r.status == status, qPrintable(describe(r)));
        if (alsoDirect) {
            QVERIFY2(r.err.contains("name the same port"), qPrintable(describe(r)));
            return;
        }
        const QJsonObject result = documents(r.out).value(0);
        QCOMPARE(valueAt(result, "port"), link);
        QCOMPARE(valueAt(result, "location"), sim.port);
        QVERIFY(fileBecomes(path("linked-keypad.tkf"), encodeConfig(office())));
    }

    // diff: 0 same, 1 different (button by button in the text form), 2 trouble.
    void diff_data()
    {
        QTest::addColumn<QStringList>("simulator"); // options before the memory file
        QTest::addColumn<int>("status");
        QTest::addColumn<QStringList>("says");
        QTest::newRow("same") << QStringList{} << 0 << QStringList{"The keypad holds what the file holds"};
        QTest::newRow("one key differs") << QStringList{"--corrupt-store", "1:2"} << 1
                                         << QStringList{"The keypad differs from the file\nbutton 1\n  - W down\n  + A down\n"};
        QTest::newRow("keypad too small") << QStringList{"--buttons", "2"} << 1
                                          << QStringList{"button 3 of the file: the keypad has 2 buttons"};
        QTest::newRow("deaf keypad") << QStringList{"--ignore-wakeup"} << 2
                                     << QStringList{"Cannot connect to the target!"};
    }
    void diff()
    {
        QFETCH(QStringList, simulator);
        QFETCH(int, status);
        QFETCH(QStringList, says);
        const QString memory = saved("diff-keypad.tkf", office());
        SimulatorProcess sim;
        QVERIFY(sim.start(simulator << memory));
        // The corrupting simulator stores its fault with the next transmit.
        if (simulator.contains("--corrupt-store"))
            QCOMPARE(qm47({"write", sim.port, path("diff-keypad.tkf")}).status, 0);
        const Run r = qm47({"diff", sim.port, saved("diff.tkf", office())});
        QVERIFY2(r.status == status, qPrintable(describe(r)));
        for (const QString &text : says)
            QVERIFY2((r.out + r.err).contains(text), qPrintable(text + "\n" + describe(r)));
    }

    // --json of every command parses and says what the plain output says.
    void jsonMatchesThePlainOutput_data()
    {
        QTest::addColumn<QStringList>("arguments"); // PORT: a simulator holding office()
        QTest::addColumn<QString>("field");         // in the (first) document
        QTest::addColumn<QString>("plain");         // its value in the plain output, captured
        QTest::addColumn<QString>("value");
        QTest::newRow("ports") << QStringList{"ports"} << "ports/0/port" << "^(\\S+)\t" << QString();
        QTest::newRow("read") << QStringList{"read", "PORT", "json-read.tkf"} << "buttons"
                              << "^Read (\\d+) buttons" << "23";
        QTest::newRow("write") << QStringList{"write", "PORT", "json-other.tkf"} << "buttons"
                               << "^Wrote (\\d+) buttons" << "23";
        QTest::newRow("diff") << QStringList{"diff", "PORT", "json-other.tkf"} << "differences/0/button"
                              << "^button (\\d+)$" << "2";
        QTest::newRow("check") << QStringList{"check", "json-other.tkf"} << "problems/0"
                               << "^(Button 2: .*)$" << QString();
        QTest::newRow("show") << QStringList{"show", "json-other.tkf"} << "content/1/rows/0"
                              << "^Button 2: 1 entry\n  (.*)$" << "A down";
    }
    void jsonMatchesThePlainOutput()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, field);
        QFETCH(QString, plain);
        QFETCH(QString, value);
        ButtonTable other = office();
        setButton(other, 1, {{2, 0x1C}});
        saved("json-other.tkf", other);
        const QString memory = saved("json-keypad.tkf", office());
        QString text[2];
        int status[2] = {-1, -1};
        for (int pass = 0; pass < 2; ++pass) {
            // Each pass meets the keypad as it was.
            writeBytes(memory, encodeConfig(office()));
            SimulatorProcess sim;
            QVERIFY(sim.start({memory}));
            QStringList words = arguments;
            for (QString &w : words)
                w = w == "PORT" ? sim.port : w.endsWith(".tkf") ? path(w) : w;
            if (pass == 1)
                words.insert(1, "--json");
            const QProcessEnvironment env = [&] {
                QProcessEnvironment e = QProcessEnvironment::systemEnvironment();
                e.insert("QM47_EXTRA_PORTS", sim.port);
                return e;
            }();
            const Run r = run(QStringLiteral(QM47_CLI), words, env);
            status[pass] = r.status;
            text[pass] = r.out;
            QVERIFY2(r.status <= 1, qPrintable(describe(r)));
        }
        QCOMPARE(status[1], status[0]);
        QJsonParseError error;
        const QJsonDocument document = QJsonDocument::fromJson(text[1].trimmed().toUtf8(), &error);
        QVERIFY2(error.error == QJsonParseError::NoError, qPrintable(error.errorString() + "\n" + text[1]));
        const QString fromJson = valueAt(document.object(), field);
        const QRegularExpressionMatch m =
            QRegularExpression(plain, QRegularExpression::MultilineOption).match(text[0]);
        QVERIFY2(m.hasMatch(), qPrintable(text[0]));
        QCOMPARE(fromJson, m.captured(1));
        if (!value.isEmpty())
            QCOMPARE(fromJson, value);
    }

    // The example playbook for real: the first run writes, the second
    // changes nothing.
    void playbookIsIdempotent()
    {
        const QString ansible = QStandardPaths::findExecutable("ansible-playbook");
        if (ansible.isEmpty())
            QSKIP("ansible-playbook is not installed (Debian package ansible-core); the playbook is not tried");
        SimulatorProcess sim;
        QVERIFY(sim.start({path("play-keypad.tkf")}));
        const QString home = path("ansible");
        QVERIFY(QDir().mkpath(home + "/tmp"));
        // Ansible's own state stays in the test's folder.
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("HOME", home);
        env.insert("ANSIBLE_HOME", home);
        env.insert("ANSIBLE_LOCAL_TEMP", home + "/tmp");
        env.insert("ANSIBLE_REMOTE_TEMP", home + "/tmp");
        env.insert("ANSIBLE_NOCOLOR", "1");
        env.insert("ANSIBLE_RETRY_FILES_ENABLED", "0");
        env.insert("ANSIBLE_PYTHON_INTERPRETER", "auto_silent");
        const QStringList arguments{
            "-i", "localhost,", "-c", "local", QStringLiteral(QM47_PLAYBOOK),
            "-e", "qm47_hosts=localhost", "-e", "qm47_config=" + saved("play.tkf", office()),
            "-e", "qm47_config_dir=" + path("host") + "/", "-e", "qm47_port=" + sim.port,
            "-e", "qm47_program=" + QStringLiteral(QM47_CLI)};
        // The copy and the write change the host the first time.
        for (const char *changed : {"changed=2", "changed=0"}) {
            const Run r = run(ansible, arguments, env, home);
            QVERIFY2(r.status == 0, qPrintable(describe(r)));
            QVERIFY2(r.out.contains(QRegularExpression(QStringLiteral("localhost\\s*: ok=2\\s+") + changed + "\\s+unreachable=0\\s+failed=0")),
                     qPrintable(describe(r)));
        }
        QVERIFY(fileBecomes(path("play-keypad.tkf"), encodeConfig(office())));
    }
};

QTEST_GUILESS_MAIN(TestQm47Keypads)
#include "test_qm47_keypads.moc"
