#include "file/tkftext.h"

#include "keyboard/hexdigits.h"

#include <QCoreApplication>
#include <QHash>
#include <QList>
#include <QStringList>

#include <algorithm>
#include <array>

namespace {

// This file's texts, in the catalogues' context "TkfText".
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(TkfText)
};

constexpr int DefaultButtons = ButtonTable::DefaultButtonCount;
constexpr int DefaultMaxEntries = ButtonTable::DefaultMaxEntries;

// The key names of the text form, built once from the English table: a name
// is used only where it belongs to one code alone, and never when it could be
// taken for a word of the format ("DELAY") or for a missing name ("ERROR").
struct TextKeyNames {
    std::array<QString, 256> byCode;       // empty: the code is written in hex
    QHash<QString, KeyCode> byUpperName;   // the names of the form, upper case
    QHash<QString, QList<KeyCode>> tableNames; // every English name, upper case
};

const TextKeyNames &textKeyNames()
{
    static const TextKeyNames names = [] {
        TextKeyNames built;
        const QString missing = keyNameIn(NameTable::English, 0);
        for (int code = 0; code < 256; ++code) {
            const QString name = keyNameIn(NameTable::English, KeyCode(code));
            if (name != missing)
                built.tableNames[name.toUpper()].append(KeyCode(code));
        }
        for (auto it = built.tableNames.cbegin(); it != built.tableNames.cend(); ++it) {
            if (it.value().size() != 1 || it.key() == QLatin1String("DELAY"))
                continue;
            const KeyCode code = it.value().first();
            built.byCode[code] = keyNameIn(NameTable::English, code);
            built.byUpperName.insert(it.key(), code);
        }
        return built;
    }();
    return names;
}

QString hexCode(KeyCode code)
{
    return QString::asprintf("0x%02X", unsigned(code));
}

// "0x" (or "0X") and one or two hexadecimal digits.
bool parseHexCode(QStringView word, KeyCode &code)
{
    if (word.size() < 3 || word.size() > 4 || word.at(0) != QLatin1Char('0')
        || (word.at(1) != QLatin1Char('x') && word.at(1) != QLatin1Char('X')))
        return false;
    int64_t value = 0;
    if (!parseHexDigits(word.mid(2), 0xFF, value))
        return false;
    code = KeyCode(value);
    return true;
}

// A whole number of decimal digits within [0, high].
bool parseNumber(QStringView word, int high, int &value)
{
    if (word.isEmpty() || word.size() > 6)
        return false;
    int n = 0;
    for (QChar c : word) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
        n = n * 10 + (c.unicode() - u'0');
    }
    if (n > high)
        return false;
    value = n;
    return true;
}

QList<QStringView> wordsOf(QStringView line)
{
    QList<QStringView> words;
    qsizetype start = -1;
    for (qsizetype i = 0; i <= line.size(); ++i) {
        const bool blank = i == line.size() || line.at(i).isSpace();
        if (blank && start >= 0) {
            words.append(line.mid(start, i - start));
            start = -1;
        } else if (!blank && start < 0) {
            start = i;
        }
    }
    return words;
}

bool sameWord(QStringView word, const char *keyword)
{
    return word.compare(QLatin1String(keyword), Qt::CaseInsensitive) == 0;
}

// A word in quotes as a message shows it: control characters, which a
// terminal would swallow or act on, are written as escapes (\0, \x1B),
// and so is the backslash that starts them.
QString quoted(QStringView word)
{
    QString text = QStringLiteral("\"");
    for (QChar c : word) {
        if (c == QLatin1Char('\\'))
            text += QStringLiteral("\\\\");
        else if (c.unicode() == 0)
            text += QStringLiteral("\\0");
        else if (c.category() == QChar::Other_Control)
            text += QStringLiteral("\\x")
                    + QString::number(c.unicode(), 16).rightJustified(2, QLatin1Char('0')).toUpper();
        else
            text += c;
    }
    return text + QLatin1Char('"');
}

// Why a word is not a key name, with a hint for the words that the English
// table uses for several codes or that the text form leaves out.
QString notAKeyMessage(QStringView word)
{
    const auto it = textKeyNames().tableNames.constFind(word.toString().toUpper());
    if (it != textKeyNames().tableNames.cend()) {
        QStringList codes;
        for (KeyCode code : it.value())
            codes.append(hexCode(code));
        return Texts::tr("%1 is not used as a key name here; write the key code (%2)")
            .arg(quoted(word), codes.join(Texts::tr(" or ")));
    }
    return Texts::tr("%1 is not a key name; write a name such as A or LSHIFT, "
                          "or a code such as 0x1C").arg(quoted(word));
}

// The text reader's state between lines.
class TextReader
{
public:
    bool readLine(QStringView line, int lineNumber, TkfTextError &error);
    void moveInto(ButtonTable &table) const;
    // Entries before any "button" line belong to button 1.
    void takeBareEntries() { bareEntries_ = true; }

private:
    bool fail(TkfTextError &error, const QString &message)
    {
        error.line = lineNumber_;
        error.message = message;
        return false;
    }
    bool readHeader(const QList<QStringView> &words, TkfTextError &error);
    bool readButton(const QList<QStringView> &words, TkfTextError &error);
    bool readEntry(const QList<QStringView> &words, TkfTextError &error);
    bool append(std::initializer_list<ContentEntry> entries, TkfTextError &error);
    int entryLimit() const { return std::min<int>(maxEntries_, TkfMaxEntries); }

    ButtonTable parsed_;
    int lineNumber_ = 0;
    int buttons_ = DefaultButtons;
    int maxEntries_ = DefaultMaxEntries;
    int buttonsLine_ = 0;
    int maxEntriesLine_ = 0;
    int current_ = -1;
    std::array<int, 256> buttonLine_{};
    bool bareEntries_ = false;
};

bool TextReader::readLine(QStringView line, int lineNumber, TkfTextError &error)
{
    lineNumber_ = lineNumber;
    const qsizetype comment = line.indexOf(QLatin1Char('#'));
    const QList<QStringView> words = wordsOf(comment >= 0 ? line.left(comment) : line);
    if (words.isEmpty())
        return true;
    const QStringView first = words.first();
    if (sameWord(first, "buttons") || sameWord(first, "max-entries"))
        return readHeader(words, error);
    if (sameWord(first, "button"))
        return readButton(words, error);
    return readEntry(words, error);
}

bool TextReader::readHeader(const QList<QStringView> &words, TkfTextError &error)
{
    const bool isButtons = sameWord(words.first(), "buttons");
    const QString keyword = isButtons ? QStringLiteral("\"buttons\"")
                                      : QStringLiteral("\"max-entries\"");
    if (current_ >= 0)
        return fail(error, Texts::tr("%1 must come before the first \"button\"").arg(keyword));
    int &seenOn = isButtons ? buttonsLine_ : maxEntriesLine_;
    if (seenOn != 0)
        return fail(error, Texts::tr("%1 was already given on line %2").arg(keyword).arg(seenOn));
    const int high = isButtons ? TkfMaxButtons : 0xFFFF;
    int value = 0;
    if (words.size() != 2 || !parseNumber(words.at(1), high, value))
        return fail(error, Texts::tr("%1 needs one number from 0 to %2").arg(keyword).arg(high));
    (isButtons ? buttons_ : maxEntries_) = value;
    seenOn = lineNumber_;
    return true;
}

bool TextReader::readButton(const QList<QStringView> &words, TkfTextError &error)
{
    if (buttons_ == 0)
        return fail(error, Texts::tr("there are no buttons (\"buttons 0\")"));
    int number = 0;
    if (words.size() != 2 || !parseNumber(words.at(1), buttons_, number) || number < 1)
        return fail(error, Texts::tr("\"button\" needs one number from 1 to %1").arg(buttons_));
    int &seenOn = buttonLine_[size_t(number - 1)];
    if (seenOn != 0)
        return fail(error, Texts::tr("button %1 was already given on line %2").arg(number).arg(seenOn));
    seenOn = lineNumber_;
    current_ = number - 1;
    return true;
}

bool TextReader::readEntry(const QList<QStringView> &words, TkfTextError &error)
{
    const bool isDelay = words.size() == 1 && sameWord(words.first(), "delay");
    const bool isKeyAction = words.size() == 2;
    if (!isDelay && !isKeyAction) {
        QStringList all;
        for (QStringView w : words)
            all.append(w.toString());
        return fail(error, Texts::tr("cannot understand %1; an entry is KEY down, KEY up, "
                                          "delay or KEY delay").arg(quoted(all.join(' '))));
    }
    if (current_ < 0 && bareEntries_ && buttons_ > 0) {
        current_ = 0;
        buttonLine_[0] = lineNumber_;
    }
    if (current_ < 0)
        return fail(error, Texts::tr("an entry must follow a \"button\" line"));
    const auto isAction = [](QStringView w) {
        return sameWord(w, "down") || sameWord(w, "up") || sameWord(w, "delay");
    };
    if (isKeyAction && sameWord(words.first(), "delay") && !isAction(words.at(1)))
        return fail(error, Texts::tr("\"delay\" stands alone; one half of a delay is "
                                          "written KEY delay (0x02 delay, 0x03 delay)"));
    if (isDelay)
        return append({{ActionDelay, DelayFirstHalf}, {ActionDelay, DelaySecondHalf}}, error);

    KeyCode key = 0;
    if (!parseTextKeyName(words.at(0), key))
        return fail(error, notAKeyMessage(words.at(0)));
    const QStringView action = words.at(1);
    if (sameWord(action, "down"))
        return append({{ActionPress, key}}, error);
    if (sameWord(action, "up"))
        return append({{ActionRelease, key}}, error);
    if (sameWord(action, "delay"))
        return append({{ActionDelay, key}}, error);
    return fail(error, Texts::tr("%1 is not an action; write down, up or delay").arg(quoted(action)));
}

bool TextReader::append(std::initializer_list<ContentEntry> entries, TkfTextError &error)
{
    ButtonContent &c = parsed_.content(uint8_t(current_));
    if (c.length + int(entries.size()) > entryLimit()) {
        const QString limit = maxEntries_ > TkfMaxEntries
                                  ? Texts::tr("%1 (the most a file can hold)").arg(TkfMaxEntries)
                                  : Texts::tr("%1 (max-entries)").arg(maxEntries_);
        return fail(error, Texts::tr("button %1 would hold more than %2 entries")
                               .arg(current_ + 1).arg(limit));
    }
    for (const ContentEntry &e : entries)
        c.entries[size_t(c.length++)] = e;
    return true;
}

void TextReader::moveInto(ButtonTable &table) const
{
    table.buttonCount = uint8_t(buttons_);
    table.maxEntries = uint16_t(maxEntries_);
    table.buildTable();
    for (int i = 0; i < buttons_; ++i)
        table.content(uint8_t(i)) = parsed_.content(uint8_t(i));
}

} // namespace

QString textKeyName(KeyCode code)
{
    const QString &name = textKeyNames().byCode[code];
    return name.isEmpty() ? hexCode(code) : name;
}

bool parseTextKeyName(QStringView word, KeyCode &code)
{
    if (parseHexCode(word, code))
        return true;
    const auto it = textKeyNames().byUpperName.constFind(word.toString().toUpper());
    if (it == textKeyNames().byUpperName.cend())
        return false;
    code = it.value();
    return true;
}

QString textEntry(const ContentEntry &entry)
{
    const QString key = textKeyName(entry.key);
    switch (entry.action) {
    case ActionPress:
        return key + QStringLiteral(" down");
    case ActionRelease:
        return key + QStringLiteral(" up");
    case ActionDelay:
        return key + QStringLiteral(" delay");
    default:
        // Not a stored action: a file holding it is refused, so no text needs it.
        return key + QStringLiteral(" action-") + QString::number(entry.action);
    }
}

namespace {

// The lines of one button: "button N" and its entries, indented.
void appendButton(QString &text, int number, const ButtonContent &c)
{
    text += QStringLiteral("button %1\n").arg(number);
    for (int k = 0; k < c.length; ++k) {
        const ContentEntry &e = c.entries[size_t(k)];
        if (e == ContentEntry{ActionDelay, DelayFirstHalf} && k + 1 < c.length
            && c.entries[size_t(k + 1)] == ContentEntry{ActionDelay, DelaySecondHalf}) {
            text += QStringLiteral("  delay\n");
            ++k;
            continue;
        }
        QString line = QStringLiteral("  ") + textEntry(e);
        // Say what a bare code stands for where the reader may wonder.
        QString note;
        if (e == ContentEntry{ActionDelay, DelayFirstHalf})
            note = QStringLiteral("first half of a delay");
        else if (e == ContentEntry{ActionDelay, DelaySecondHalf})
            note = QStringLiteral("second half of a delay");
        else if (textKeyNames().byCode[e.key].isEmpty()
                 && keyNameIn(NameTable::English, e.key) != keyNameIn(NameTable::English, 0))
            note = keyNameIn(NameTable::English, e.key);
        if (!note.isEmpty())
            line += QStringLiteral("  # ") + note;
        text += line + QLatin1Char('\n');
    }
}

bool readText(TextReader &reader, const QString &text, TkfTextError &error)
{
    const QStringView all(text);
    int lineNumber = 0;
    qsizetype start = 0;
    while (start <= all.size()) {
        qsizetype end = all.indexOf(QLatin1Char('\n'), start);
        if (end < 0)
            end = all.size();
        QStringView line = all.mid(start, end - start);
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
        if (!reader.readLine(line, ++lineNumber, error))
            return false;
        start = end + 1;
    }
    return true;
}

} // namespace

QString configToText(const ButtonTable &table)
{
    QString text;
    text += QStringLiteral("# QM-47 keypad configuration (text form, see \"qm47 convert --help\")\n");
    text += QStringLiteral("buttons %1\n").arg(table.buttonCount);
    text += QStringLiteral("max-entries %1\n").arg(table.maxEntries);
    for (int i = 0; i < table.buttonCount; ++i) {
        text += QLatin1Char('\n');
        appendButton(text, i + 1, table.content(uint8_t(i)));
    }
    return text;
}

QString scriptToText(const QList<ContentEntry> &entries, int buttonNumber)
{
    ButtonContent c;
    const int count = std::min<int>(int(entries.size()), ButtonContent::Capacity);
    std::copy(entries.cbegin(), entries.cbegin() + count, c.entries.begin());
    c.length = uint8_t(count);
    QString text = QStringLiteral("# QM-47 button script (text form)\n");
    appendButton(text, buttonNumber, c);
    return text;
}

bool scriptFromText(const QString &text, QList<ContentEntry> &entries, TkfTextError &error)
{
    TextReader reader;
    reader.takeBareEntries();
    if (!readText(reader, text, error))
        return false;
    ButtonTable table;
    reader.moveInto(table);
    int filled = -1;
    for (int i = 0; i < table.buttonCount; ++i) {
        if (table.content(uint8_t(i)).length == 0)
            continue;
        if (filled >= 0) {
            error.line = 0;
            error.message = Texts::tr("the text holds the scripts of several buttons "
                                           "(%1 and %2); take one button at a time")
                                .arg(filled + 1).arg(i + 1);
            return false;
        }
        filled = i;
    }
    entries.clear();
    if (filled >= 0) {
        const ButtonContent &c = table.content(uint8_t(filled));
        entries = QList<ContentEntry>(c.entries.cbegin(), c.entries.cbegin() + c.length);
    }
    return true;
}

bool configFromText(const QString &text, ButtonTable &table, TkfTextError &error)
{
    TextReader reader;
    if (!readText(reader, text, error))
        return false;
    reader.moveInto(table);
    return true;
}

TkfImageText imageToText(const QByteArray &image)
{
    TkfImageText result;
    ButtonTable table;
    result.read = decodeConfig(image, table);
    if (!result.read.accepted())
        return result;
    // Accepted, so the header is complete; the reader limited the maximum.
    table.maxEntries = uint16_t(uint8_t(image.at(3)) | uint8_t(image.at(4)) << 8);
    result.text = configToText(table);
    result.exact = encodeConfig(table) == image;
    return result;
}
