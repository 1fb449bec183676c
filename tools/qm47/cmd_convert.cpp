// qm47 convert: a configuration file to its text form and back.
#include "command.h"
#include "configfiles.h"
#include "console.h"
#include "texts.h"

#include "config/buttontable.h"
#include "file/atomicwrite.h"
#include "file/regularfile.h"
#include "file/tkfcodec.h"
#include "file/tkftext.h"

#include <QFile>

namespace {

// A text form of a full configuration takes some 100 kB; anything far larger
// is not one and is not read into memory.
constexpr qint64 MaxTextSize = 4 * 1024 * 1024;

const QString StreamName = QStringLiteral("-");

enum class Kind { Tkf, Text };

QString inputLabel(const QString &path)
{
    return path == StreamName ? Texts::tr("standard input") : path;
}

QString outputLabel(const QString &path)
{
    return path == StreamName ? Texts::tr("standard output") : path;
}

// Anything besides blanks and comments.
bool holdsStatement(const QString &text)
{
    for (const QStringView line : QStringView(text).split(QLatin1Char('\n'))) {
        const qsizetype comment = line.indexOf(QLatin1Char('#'));
        if (!(comment < 0 ? line : line.left(comment)).trimmed().isEmpty())
            return true;
    }
    return false;
}

Kind kindOfPath(const QString &path)
{
    return isConfigFilePath(path) ? Kind::Tkf : Kind::Text;
}

Kind otherKind(Kind kind)
{
    return kind == Kind::Tkf ? Kind::Text : Kind::Tkf;
}

// The kind of OUT: --to when given, else what the named side(s) say. IN is
// always the other kind. Empty `error` on success.
Kind outputKind(const Invocation &invocation, QString &error)
{
    const QString &inPath = invocation.arguments.at(0);
    const QString &outPath = invocation.arguments.at(1);
    if (invocation.isSet(QStringLiteral("to"))) {
        const QString to = invocation.value(QStringLiteral("to"));
        if (to == QLatin1String("tkf"))
            return Kind::Tkf;
        if (to == QLatin1String("text"))
            return Kind::Text;
        error = Texts::tr("--to takes tkf or text, not \"%1\"").arg(to);
        return Kind::Text;
    }
    const bool inStream = inPath == StreamName;
    const bool outStream = outPath == StreamName;
    if (inStream && outStream)
        error = Texts::tr("with - on both sides, say the kind of OUT with --to");
    else if (outStream)
        return otherKind(kindOfPath(inPath));
    else if (inStream)
        return kindOfPath(outPath);
    else if (kindOfPath(inPath) == kindOfPath(outPath))
        error = Texts::tr("exactly one of IN and OUT must be a .tkf file");
    return kindOfPath(outPath);
}

// Reads at most `limit` bytes of standard input or of a regular file.
bool readInput(const QString &path, qint64 limit, QByteArray &data)
{
    QFile in;
    const bool opened = path == StreamName ? in.open(stdin, QIODevice::ReadOnly)
                                           : openRegularFile(in, path);
    if (!opened) {
        complain(inputLabel(path),
                 path == StreamName ? WindowTexts::tr("Could not open file!")
                                    : couldNotOpenMessage(path));
        return false;
    }
    data = in.read(limit);
    return true;
}

// Writes a converted result to standard output, or to OUT through
// writeWholeFile (a file whole or not at all; a FIFO or a device as a stream).
bool writeOutput(const QString &path, const QByteArray &bytes)
{
    QString reason;
    // Standard output is checked once for every command when it is closed.
    if (path == StreamName) {
        standardOutput().write(bytes);
        return true;
    }
    if (writeWholeFile(path, bytes, &reason))
        return true;
    complain(outputLabel(path), couldNotCreateMessage(reason));
    return false;
}

int fileToText(const QString &inPath, const QString &outPath)
{
    // One byte more than a configuration can occupy shows whether more follows.
    QByteArray image;
    if (!readInput(inPath, TkfMaxReadSize + 1, image))
        return ExitFailure;

    const TkfImageText converted = imageToText(image);
    TkfLoadResult load;
    load.opened = true;
    load.read = converted.read;
    const QString refusal = refusalMessage(load);
    if (!refusal.isEmpty()) {
        complain(inputLabel(inPath), refusal);
        return ExitFailure;
    }
    if (!converted.exact)
        complain(inputLabel(inPath),
                 Texts::tr("warning: the file holds more than a configuration (bytes "
                                "after the checksum, or counts above the limits); the text "
                                "holds the configuration as the configurator reads it"));
    return writeOutput(outPath, converted.text.toUtf8()) ? ExitSuccess : ExitFailure;
}

int textToFile(const QString &inPath, const QString &outPath)
{
    QByteArray bytes;
    if (!readInput(inPath, MaxTextSize + 1, bytes))
        return ExitFailure;
    if (bytes.size() > MaxTextSize) {
        complain(inputLabel(inPath), Texts::tr("too large to be the text form of a configuration"));
        return ExitFailure;
    }

    const QString text = QString::fromUtf8(bytes);
    if (!holdsStatement(text)) {
        // Most often a pipe whose source failed; an empty configuration
        // written over OUT would lose it.
        complain(inputLabel(inPath),
                 Texts::tr("holds no configuration (no statement at all); nothing written"));
        return ExitFailure;
    }
    ButtonTable table;
    TkfTextError error;
    if (!configFromText(text, table, error)) {
        complain(Texts::tr("%1, line %2: %3")
                     .arg(inputLabel(inPath)).arg(error.line).arg(error.message));
        return ExitFailure;
    }
    if (outPath == StreamName)
        return writeOutput(outPath, encodeConfig(table)) ? ExitSuccess : ExitFailure;
    return saveConfigOrComplain(outPath, table) ? ExitSuccess : ExitFailure;
}

int runConvert(const Invocation &invocation)
{
    QString error;
    const Kind out = outputKind(invocation, error);
    if (!error.isEmpty()) {
        err() << "qm47: convert: " << error << Qt::endl
              << Texts::tr("Run \"%1\" for help.").arg(QStringLiteral("qm47 convert --help"))
              << Qt::endl;
        return ExitUsage;
    }
    useBinaryStandardStreams();
    const QString &inPath = invocation.arguments.at(0);
    const QString &outPath = invocation.arguments.at(1);
    return out == Kind::Text ? fileToText(inPath, outPath) : textToFile(inPath, outPath);
}

} // namespace

Command convertCommand()
{
    Command c;
    c.name = QStringLiteral("convert");
    c.synopsis = QStringLiteral("IN OUT");
    c.options = {{QStringLiteral("to"), QStringLiteral("tkf|text"),
                  Texts::tr("The kind of OUT; IN is the other kind.")}};
    c.summary = Texts::tr("Convert a configuration file to its text form, or back.");
    c.description = Texts::tr(
        "The direction follows the extensions: exactly one of IN and OUT ends in .tkf,\n"
        "the other is the text form (for example .txt). \"-\" as IN reads standard\n"
        "input, as OUT writes standard output; that side is of the other kind than the\n"
        "named file. --to gives the kind of OUT outright (needed with - on both sides).\n"
        "A file converted to text and back gives the same bytes. A text line that\n"
        "cannot be understood is reported with its line number, and nothing is written.\n"
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
