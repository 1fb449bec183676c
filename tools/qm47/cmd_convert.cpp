// qm47 convert: a configuration file to its text form and back.
#include "command.h"
#include "configfiles.h"
#include "console.h"

#include "config/buttontable.h"
#include "file/tkftext.h"

#include <QCoreApplication>
#include <QFile>
#include <QSaveFile>

namespace {

// A text form of a full configuration takes some 100 kB; anything far larger
// is not one and is not read into memory.
constexpr qint64 MaxTextSize = 4 * 1024 * 1024;

QString tr(const char *text)
{
    return QCoreApplication::translate("MainWindow", text);
}

int fileToText(const QString &inPath, const QString &outPath)
{
    QFile in(inPath);
    if (!in.open(QIODevice::ReadOnly)) {
        complain(inPath, tr("Could not open file!"));
        return ExitFailure;
    }
    // One byte more than a configuration can occupy shows whether more follows.
    const QByteArray image = in.read(TkfMaxReadSize + 1);
    in.close();

    const TkfImageText converted = imageToText(image);
    TkfLoadResult load;
    load.opened = true;
    load.read = converted.read;
    const QString refusal = refusalMessage(load);
    if (!refusal.isEmpty()) {
        complain(inPath, refusal);
        return ExitFailure;
    }
    if (!converted.exact)
        complain(inPath, QStringLiteral("warning: the file holds more than a configuration (bytes "
                                        "after the checksum, or counts above the limits); the text "
                                        "holds the configuration as the configurator reads it"));

    QSaveFile outFile(outPath);
    const QByteArray bytes = converted.text.toUtf8();
    if (!outFile.open(QIODevice::WriteOnly) || outFile.write(bytes) != bytes.size()
        || !outFile.commit()) {
        complain(outPath, tr("Could not create file!"));
        return ExitFailure;
    }
    return ExitSuccess;
}

int textToFile(const QString &inPath, const QString &outPath)
{
    QFile in(inPath);
    if (!in.open(QIODevice::ReadOnly)) {
        complain(inPath, tr("Could not open file!"));
        return ExitFailure;
    }
    if (in.size() > MaxTextSize) {
        complain(inPath, QStringLiteral("too large to be the text form of a configuration"));
        return ExitFailure;
    }
    const QString text = QString::fromUtf8(in.readAll());
    in.close();

    ButtonTable table;
    TkfTextError error;
    if (!configFromText(text, table, error)) {
        complain(QStringLiteral("%1, line %2: %3").arg(inPath).arg(error.line).arg(error.message));
        return ExitFailure;
    }
    return saveConfigOrComplain(outPath, table) ? ExitSuccess : ExitFailure;
}

int runConvert(const Invocation &invocation)
{
    const QString &inPath = invocation.arguments.at(0);
    const QString &outPath = invocation.arguments.at(1);
    const bool fromFile = isConfigFilePath(inPath);
    if (fromFile == isConfigFilePath(outPath)) {
        err() << "qm47: convert: exactly one of IN and OUT must be a .tkf file" << Qt::endl
              << "Run \"qm47 convert --help\" for help." << Qt::endl;
        return ExitUsage;
    }
    return fromFile ? fileToText(inPath, outPath) : textToFile(inPath, outPath);
}

} // namespace

Command convertCommand()
{
    Command c;
    c.name = QStringLiteral("convert");
    c.synopsis = QStringLiteral("IN OUT");
    c.summary = QStringLiteral("Convert a configuration file to its text form, or back.");
    c.description = QStringLiteral(
        "The direction follows the extensions: exactly one of IN and OUT ends in .tkf,\n"
        "the other is the text form (for example .txt). A file converted to text and\n"
        "back gives the same bytes. A text line that cannot be understood is reported\n"
        "with its line number, and nothing is written.\n"
        "\n"
        "The text form has one statement a line:\n"
        "  buttons N       number of buttons, 0 to 23 (default 23)\n"
        "  max-entries N   entries per button, 0 to 65535 as stored (default 250)\n"
        "  button N        the entries below belong to button N (1 to buttons);\n"
        "                  each button at most once, buttons not listed are empty\n"
        "  KEY down        a press of KEY\n"
        "  KEY up          a release of KEY\n"
        "  delay           a half-second delay (its two halves)\n"
        "  KEY delay       one delay half with KEY as its key byte, for a half on its\n"
        "                  own: 0x02 delay is a first half, 0x03 delay a second half\n"
        "\"buttons\" and \"max-entries\" come before the first \"button\". A button holds\n"
        "at most max-entries entries and never more than 250. KEY is the key's name as\n"
        "the configurator shows it for an English keyboard (A, LSHIFT, F5, NUM_1, \",\",\n"
        "\"'\", without the quotes) or its code as 0x and two hexadecimal digits (0x1C).\n"
        "Codes without a name, the backslash (a name of both 0x13 and 0x53) and DELAY\n"
        "(0xFA) are written in hexadecimal. Everything after # is a comment; case,\n"
        "blank lines and indentation do not matter.\n"
        "\n"
        "Example:\n"
        "  buttons 23\n"
        "  max-entries 250\n"
        "  button 1        # copy\n"
        "    LCTRL down\n"
        "    C down\n"
        "    C up\n"
        "    LCTRL up\n"
        "  button 2\n"
        "    A down\n"
        "    A up\n"
        "    delay\n");
    c.minArguments = c.maxArguments = 2;
    c.run = runConvert;
    return c;
}
