// qm47-transfer-bench: times readouts and transmits of the real transfer code
// against the keypad simulator paced at the line rate of 115200 baud, and
// compares each with the time the bytes alone need on such a line. The whole
// "qm47 read" and "qm47 write" commands are timed as well, from the start of
// the process to its exit, as a person or a script waits for them.
#include "keypadengine.h"
#include "keypadline.h"

#include "config/buttontable.h"
#include "serial/transferdriver.h"
#include "serial/transfersession.h"
#include "file/tkffile.h"

#include "qm47version.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextStream>

#include <algorithm>
#include <vector>

namespace {

// 10 bits per byte at 115200 baud.
constexpr double LineBytesPerSecond = 11520.0;
// Each figure is the median of this many runs (the machine may be busy).
constexpr int Runs = 3;

void fill(ButtonTable &table, int entriesPerButton)
{
    table.buildTable();
    table.buttonCount = 23;
    table.maxEntries = 250;
    for (int b = 0; b < 23; ++b) {
        ButtonContent &c = table.content(uint8_t(b));
        for (int e = 0; e + 1 < entriesPerButton; e += 2) {
            const uint8_t key = uint8_t(0x10 + (b + e) % 0x60);
            c.entries[c.length++] = {ActionPress, key};
            c.entries[c.length++] = {ActionRelease, key};
        }
    }
}

struct Result {
    bool ok = false;
    qint64 ms = 0;
    qint64 bytes = 0;
    QString failure; // a failed transfer's message, as the window shows it
};

// The simulated keypad on a paced pseudo-terminal, holding a full memory for
// a readout and an empty one for a transmit.
ButtonTable filled(int entriesPerButton)
{
    ButtonTable table;
    fill(table, entriesPerButton);
    return table;
}

struct Keypad {
    Keypad(int entriesPerButton, TransferDirection direction, int latencyMs = 0)
        : engine(filled(direction == TransferDirection::Readout ? entriesPerButton : 0))
    {
        line.setPaced(true);
        line.setLatencyTimer(latencyMs);
        QString error;
        if (!line.open(&error))
            QTextStream(stderr) << "qm47-transfer-bench: " << error << Qt::endl;
    }
    KeypadEngine engine;
    KeypadLine line{engine};
};

// One transfer of the transfer code in this process, timed from the wake-up
// byte to the last acknowledgement or answer. A latency timer above 0 puts a
// USB serial adapter's model between the keypad and this process.
Result runTransfer(int entriesPerButton, TransferDirection direction, int latencyMs = 0)
{
    Keypad keypad(entriesPerButton, direction, latencyMs);
    if (!keypad.line.isOpen())
        return {};

    ButtonTable table = filled(direction == TransferDirection::Transmit ? entriesPerButton : 0);
    TransferSession session(table);
    TransferDriver driver(session, ClosePolicy::DrainThenClose);
    PortRecord port;
    port.portName = port.systemLocation = keypad.line.slavePath();

    Result result;
    QEventLoop loop;
    QObject::connect(&driver, &TransferDriver::concluded, &loop, [&](const TransferResult &end) {
        result.ok = end.succeeded();
        result.failure = end.fullMessage();
        result.ms = end.transferMs;
        result.bytes = session.bytesSent() + session.bytesReceived();
    });
    QObject::connect(&driver, &TransferDriver::closed, &loop, &QEventLoop::quit);
    driver.start(port, direction);
    if (driver.isRunning())
        loop.exec();
    return result;
}

// One whole "qm47 read" or "qm47 write" process, timed from its start to its
// exit. This process serves the simulated keypad meanwhile.
Result runCommand(int entriesPerButton, TransferDirection direction)
{
    Keypad keypad(entriesPerButton, direction);
    QTemporaryDir folder;
    if (!keypad.line.isOpen() || !folder.isValid())
        return {};
    const QString file = folder.filePath(QStringLiteral("bench.tkf"));
    if (direction == TransferDirection::Transmit) {
        if (!saveConfigFile(file, filled(entriesPerButton)))
            return {};
    }

    QProcess process;
    process.setProgram(QCoreApplication::applicationDirPath() + QStringLiteral("/qm47"));
    process.setArguments({direction == TransferDirection::Readout ? QStringLiteral("read")
                                                                   : QStringLiteral("write"),
                          keypad.line.slavePath(), file});
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process.setStandardOutputFile(QProcess::nullDevice());
    QEventLoop loop;
    QObject::connect(&process, &QProcess::finished, &loop, &QEventLoop::quit);
    QObject::connect(&process, &QProcess::errorOccurred, &loop, &QEventLoop::quit);
    QElapsedTimer clock;
    clock.start();
    process.start();
    loop.exec();
    Result result;
    result.ms = clock.elapsed();
    result.ok = process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
    return result;
}

// The median of several runs by time; failed if any run failed.
template<typename Run>
Result median(Run run)
{
    std::vector<Result> results;
    for (int i = 0; i < Runs; ++i)
        results.push_back(run());
    const bool ok = std::all_of(results.begin(), results.end(), [](const Result &r) { return r.ok; });
    std::sort(results.begin(), results.end(),
              [](const Result &a, const Result &b) { return a.ms < b.ms; });
    Result result = results[results.size() / 2];
    result.ok = ok;
    return result;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName("qm47-transfer-bench");
    QCoreApplication::setApplicationVersion(QM47_VERSION);
    QCommandLineParser parser;
    parser.setApplicationDescription(
        "Times readouts and transmits of a full and a typical configuration against the keypad "
        "simulator paced at 115200 baud, and compares them with the line rate; then the full "
        "readout through a USB serial adapter's model with a 16 ms and a 1 ms latency timer.");
    parser.addHelpOption();
    parser.addVersionOption();
    parser.process(app);

    QTextStream out(stdout);
    out << "configuration           run           wall ms   bytes   line-rate ms   ratio\n";
    const auto print = [&out](const char *configuration, const char *run, const Result &r) {
        const double limitMs = 1000.0 * double(r.bytes) / LineBytesPerSecond;
        out << QString("%1 %2 %3 %4 %5 %6\n")
                   .arg(QString::fromLatin1(configuration), -23)
                   .arg(QString::fromLatin1(run), -12)
                   .arg(r.ok ? QString::number(r.ms) : QString("failed"), 8)
                   .arg(r.bytes, 7)
                   .arg(limitMs, 14, 'f', 1)
                   .arg(r.ok && limitMs > 0 ? double(r.ms) / limitMs : 0.0, 7, 'f', 2);
        out.flush();
        if (!r.failure.isEmpty())
            QTextStream(stderr) << r.failure << Qt::endl;
    };
    const struct {
        const char *name;
        int entries;
        bool commands;
    } configurations[] = {{"full (23 x 250)", 250, true}, {"typical (23 x 8)", 8, false}};
    bool allOk = true;
    for (const auto &configuration : configurations) {
        for (TransferDirection direction : {TransferDirection::Readout, TransferDirection::Transmit}) {
            const bool readout = direction == TransferDirection::Readout;
            const Result transfer = median([&] { return runTransfer(configuration.entries, direction); });
            allOk = allOk && transfer.ok;
            print(configuration.name, readout ? "readout" : "transmit", transfer);
            if (!configuration.commands)
                continue;
            // The command moves the same bytes as the transfer above.
            Result command = median([&] { return runCommand(configuration.entries, direction); });
            command.bytes = transfer.bytes;
            allOk = allOk && command.ok;
            print(configuration.name, readout ? "qm47 read" : "qm47 write", command);
        }
    }
    // What a USB serial adapter adds: its latency timer holds each answer
    // until it runs out, unless a packet's worth gathered first.
    const struct {
        const char *name;
        int latencyMs;
    } adapters[] = {{"no adapter", 0}, {"adapter 16 ms", 16}, {"adapter 1 ms (low lat.)", 1}};
    for (const auto &adapter : adapters) {
        const Result transfer = median(
            [&] { return runTransfer(250, TransferDirection::Readout, adapter.latencyMs); });
        allOk = allOk && transfer.ok;
        print(adapter.name, "readout", transfer);
    }
    return allOk ? 0 : 1;
}
