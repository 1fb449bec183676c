// qm47-keypad-sim: plays the keypad's side of the serial protocol on a
// pseudo-terminal, so that the configurator can be tried and tested without
// the hardware. The first line on stdout is the port to open.
#include "keypadengine.h"
#include "keypadline.h"
#include "keypadmemoryfile.h"

#include "config/buttontable.h"

#include "qm47version.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>
#include <QTextStream>

#include <cstdio>

namespace {

QTextStream &err()
{
    static QTextStream stream(stderr);
    return stream;
}

// Reads a whole-number option within [low, high]; `ok` turns false on a bad value.
int intOption(const QCommandLineParser &parser, const QString &name, int low, int high,
              int fallback, bool &ok)
{
    if (!parser.isSet(name))
        return fallback;
    bool valid = false;
    const int value = parser.value(name).toInt(&valid);
    if (!valid || value < low || value > high) {
        err() << "qm47-keypad-sim: --" << name << " needs a number from " << low << " to "
              << high << Qt::endl;
        ok = false;
    }
    return value;
}

// Reads "BUTTON" or "BUTTON:ENTRY" (both counted from 1) into indexes.
bool corruptStoreOption(const QString &text, int &button, int &entry)
{
    const QStringList parts = text.split(QLatin1Char(':'));
    if (parts.size() > 2)
        return false;
    bool buttonOk = false;
    bool entryOk = parts.size() == 1;
    button = parts.at(0).toInt(&buttonOk) - 1;
    entry = parts.size() == 2 ? parts.at(1).toInt(&entryOk) - 1 : 0;
    return buttonOk && entryOk && button >= 0 && button < 255 && entry >= 0 && entry < 255;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName("qm47-keypad-sim");
    QCoreApplication::setApplicationVersion(QM47_VERSION);

    QCommandLineParser parser;
    parser.setApplicationDescription(
        "Simulates a QM-47 keypad on a pseudo-terminal. Prints the port to open as the first "
        "line, then serves readouts and transmits until it is stopped. The buttons are read "
        "from FILE at start and written back after every transmit (at most 23 buttons of 250 "
        "entries are kept in the file).");
    parser.addHelpOption();
    // -v is --verbose here, so the version has its long name only.
    const QCommandLineOption versionOption("version", "Displays version information.");
    parser.addOption(versionOption);
    parser.addPositionalArgument("FILE", "Configuration file (.tkf) holding the keypad's buttons.");
    parser.addOptions({
        {"buttons", "Number of buttons the keypad reports (0-255; default: the file's, else 23).", "n"},
        {"max-entries", "Maximum entries per button it reports (0-255; default: the file's, else 250).", "n"},
        {{"v", "verbose"}, "Log every frame in both directions on stderr."},
        {"log", "Append the log of every frame in both directions to FILE (as --verbose "
                "shows it), flushed line by line.", "FILE"},
        {"paced", "Send at the pace of a 115200-baud line instead of at once."},
        {"latency-timer", "Play a USB serial adapter with a latency timer of ms milliseconds: "
                          "bytes to the host are held until ms passed or 62 bytes gathered "
                          "(1-255; 16 is a common default, 1 what low-latency mode gives).", "ms"},
        {"ignore-wakeup", "Fault: never acknowledge the wake-up byte."},
        {"silent-after-ack", "Fault: after n answered requests, acknowledge the next request and "
                             "answer nothing any more.", "n"},
        {"corrupt-crc", "Fault: damage the CRC of the next n frames sent.", "n"},
        {"nak", "Fault: reject the next n intact frames with Nak.", "n"},
        {"drop-bytes", "Fault: lose the last byte of each of the next n frames sent.", "n"},
        {"unplug-after", "Fault: close the line when frame number n arrives, before "
                         "acknowledging it, and exit.", "n"},
        {"mute-after", "Fault: from frame number n on, store and end transfers as usual but send "
                       "nothing any more.", "n"},
        {"corrupt-store", "Fault: keep the key byte of entry E (default 1) of button B changed "
                          "whenever that button is stored, although the frame is acknowledged.",
         "B[:E]"},
        // Counted from 1 after each wake-up byte: 1 the button count, 2 the
        // maximum, 3 the first button.
        {"wrong-ack", "Fault: acknowledge request n of each transfer (1 the button count, 2 the "
                      "maximum, 3 the first button) as command 0x05, then handle it as usual.", "n"},
        {"foreign-answer", "Fault: answer request n three times with the answer of another "
                           "command instead of its own.", "n"},
        {"cross-ack", "Fault: acknowledge button request n as the other direction's command "
                      "(GetButton as SetButton, SetButton as GetButton; the latter is then "
                      "followed by its button's GetButton answer).", "n"},
        {"wrong-index", "Fault: answer button request n for the next button (after a SetButton, "
                        "send that button's GetButton answer unasked).", "n"},
        {"stray-wakeup-ack", "Fault: send a wake-up acknowledgement after handling request n.",
         "n"},
        {"chatter", "Fault: follow every frame sent with n wake-up acknowledgements.", "n"},
    });
    parser.process(app);
    if (parser.isSet(versionOption))
        parser.showVersion();

    const QStringList files = parser.positionalArguments();
    if (files.size() != 1) {
        err() << "qm47-keypad-sim: give exactly one configuration file (see --help)" << Qt::endl;
        return 2;
    }
    const QString path = files.first();

    ButtonTable memory;
    memory.buildTable();
    if (loadKeypadMemory(path, memory) == MemoryFileStatus::Invalid) {
        err() << "qm47-keypad-sim: " << path << " is not a valid configuration file" << Qt::endl;
        return 1;
    }

    bool ok = true;
    memory.buttonCount = uint8_t(intOption(parser, "buttons", 0, 255, memory.buttonCount, ok));
    memory.maxEntries = uint16_t(intOption(parser, "max-entries", 0, 255,
                                           std::min<int>(memory.maxEntries, 255), ok));
    KeypadFaults faults;
    faults.ignoreWakeUp = parser.isSet("ignore-wakeup");
    faults.silentAfterAnswers = intOption(parser, "silent-after-ack", 0, 1 << 20, -1, ok);
    faults.corruptCrcFrames = intOption(parser, "corrupt-crc", 0, 1 << 20, 0, ok);
    faults.nakFrames = intOption(parser, "nak", 0, 1 << 20, 0, ok);
    faults.dropByteFrames = intOption(parser, "drop-bytes", 0, 1 << 20, 0, ok);
    faults.unplugAtFrame = intOption(parser, "unplug-after", 1, 1 << 20, -1, ok);
    faults.muteAtFrame = intOption(parser, "mute-after", 1, 1 << 20, -1, ok);
    faults.wrongAckAt = intOption(parser, "wrong-ack", 1, 1 << 20, -1, ok);
    faults.foreignAnswerAt = intOption(parser, "foreign-answer", 1, 1 << 20, -1, ok);
    faults.crossAckAt = intOption(parser, "cross-ack", 1, 1 << 20, -1, ok);
    faults.wrongIndexAt = intOption(parser, "wrong-index", 1, 1 << 20, -1, ok);
    faults.strayWakeUpAckAt = intOption(parser, "stray-wakeup-ack", 1, 1 << 20, -1, ok);
    faults.chatterFrames = intOption(parser, "chatter", 0, 100, 0, ok);
    if (parser.isSet("corrupt-store")
        && !corruptStoreOption(parser.value("corrupt-store"), faults.corruptStoreButton,
                               faults.corruptStoreEntry)) {
        err() << "qm47-keypad-sim: --corrupt-store needs a button and an entry from 1 to 255, "
                 "as B or B:E" << Qt::endl;
        ok = false;
    }
    const int latencyMs = intOption(parser, "latency-timer", 1, 255, 0, ok);
    if (!ok)
        return 2;

    KeypadEngine engine(memory);
    engine.setFaults(faults);
    // A file rather than stderr lets a test read the log while the simulator
    // runs, without draining its pipe.
    QFile logFile;
    if (parser.isSet("log")) {
        logFile.setFileName(parser.value("log"));
        if (!logFile.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Text)) {
            err() << "qm47-keypad-sim: cannot write " << logFile.fileName() << ": "
                  << logFile.errorString() << Qt::endl;
            return 1;
        }
    }
    const bool verbose = parser.isSet("verbose");
    if (verbose || logFile.isOpen())
        engine.setLogger([&logFile, verbose](const QString &line) {
            if (verbose)
                err() << line << Qt::endl;
            if (logFile.isOpen()) {
                logFile.write(line.toUtf8() + '\n');
                logFile.flush();
            }
        });

    KeypadLine line(engine);
    line.setPaced(parser.isSet("paced"));
    line.setLatencyTimer(latencyMs);
    QString error;
    if (!line.open(&error)) {
        err() << "qm47-keypad-sim: " << error << Qt::endl;
        return 1;
    }

    QObject::connect(&line, &KeypadLine::memoryChanged, &app, [&] {
        if (!saveKeypadMemory(path, engine.memory()))
            err() << "qm47-keypad-sim: cannot write " << path << Qt::endl;
    });
    QObject::connect(&line, &KeypadLine::unplugged, &app, [] {
        err() << "qm47-keypad-sim: line closed (unplugged)" << Qt::endl;
        QCoreApplication::exit(0);
    });

    std::fputs(qPrintable(line.slavePath() + '\n'), stdout);
    std::fflush(stdout);

    return app.exec();
}
