#include "document/configdocument.h"

#include "config/buttontable.h"
#include "file/filefingerprint.h"
#include "file/regularfile.h"
#include "file/tkffile.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <algorithm>

namespace {

// The names of the steps appear in the window's Edit menu ("Undo Open"):
// translated in its context.
QString stepName(const char *text)
{
    return QCoreApplication::translate("ConfigDocument", text);
}

QString folderOf(const QString &path) { return QFileInfo(path).absolutePath(); }

// Reads `path` into `loaded`; the problems found, in the order they are told.
FileResult readInto(const QString &path, ButtonTable &loaded)
{
    FileResult result;
    result.path = path;
    if (isTextFormPath(path)) {
        const TextLoadResult text = loadConfigTextFile(path, loaded);
        if (!text.opened) {
            result.problems = {FileResult::NotOpened};
        } else if (!text.read) {
            result.problems = {FileResult::TextNotRead};
            result.line = text.error.line;
            result.detail = text.error.message;
        }
    } else {
        const TkfLoadResult file = loadConfigFile(path, loaded);
        const TkfReadResult &read = file.read;
        if (!file.opened)
            result.problems.append(FileResult::NotOpened);
        else if (!read.signatureOk)
            result.problems.append(FileResult::NotReadable);
        if (read.corruptEntry)
            result.problems.append(FileResult::CorruptEntry);
        if (read.signatureOk && !read.crcOk)
            result.problems.append(FileResult::CrcMismatch);
        if (!read.accepted() && result.problems.isEmpty())
            result.problems.append(FileResult::NotReadable);
    }
    if (result.problems.contains(FileResult::NotOpened))
        result.detail = openFailureReason(path);
    result.done = result.problems.isEmpty();
    return result;
}

// Makes the configuration read from a file or a keypad the one in hand.
void adoptConfiguration(ButtonTable &table, const ButtonTable &loaded)
{
    table.buttonCount = loaded.buttonCount;
    table.maxEntries = loaded.maxEntries;
    for (int i = 0; i < ButtonTable::ButtonCapacity; ++i)
        table.content(uint8_t(i)) = loaded.content(uint8_t(i));
}

} // namespace

QString ConfigDocument::defaultName()
{
    return QStringLiteral("QM47_File");
}

ConfigDocument::ConfigDocument(QObject *parent)
    : QObject(parent)
{
    table_.buildTable();
    history_.setUndoLimit(HistoryLimit);
    connect(&history_, &QUndoStack::indexChanged, this, &ConfigDocument::changed);
    connect(&history_, &QUndoStack::cleanChanged, this,
            [this](bool clean) { Q_EMIT modifiedChanged(!clean); });
}

ConfigDocument::~ConfigDocument()
{
    // The steps' restore function points here; none may run any more.
    history_.disconnect(this);
    history_.clear();
}

QString ConfigDocument::shownName() const
{
    return filePath_.isEmpty() ? defaultName() : filePath_;
}

FileResult ConfigDocument::open(const QString &path)
{
    if (path.isEmpty())
        return {false, {FileResult::NoPath}, 0, QString(), path};
    defaultDirectory_ = folderOf(path);

    // Read into a table of its own: a refused file must not touch the
    // configuration in hand, which Save would otherwise write over the last
    // good file.
    ButtonTable loaded;
    FileResult result = readInto(path, loaded);
    if (!result.done)
        return result;

    step(stepName(QT_TRANSLATE_NOOP("ConfigDocument", "Open")), Scope::WholeTable, NoButton, 0,
         [&](ButtonTable &table) {
             adoptConfiguration(table, loaded);
             setFilePath(path);
             onDisk_ = fingerprintFile(path);
         });
    history_.setClean();
    return result;
}

FileResult ConfigDocument::save()
{
    if (filePath_.isEmpty())
        return {false, {FileResult::NoPath}, 0, QString(), QString()};
    return write(filePath_);
}

FileResult ConfigDocument::saveAs(const QString &path)
{
    if (path.isEmpty())
        return {false, {FileResult::NoPath}, 0, QString(), path};
    return write(path);
}

FileResult ConfigDocument::write(const QString &path)
{
    defaultDirectory_ = folderOf(path);
    // The old file is replaced only once the new one is complete, so a
    // failure leaves it, the names and the modified state as they were.
    QString reason;
    const bool written = isTextFormPath(path) ? saveConfigTextFile(path, table_, &reason)
                                              : saveConfigFile(path, table_, &reason);
    if (!written)
        return {false, {FileResult::NotWritten}, 0, reason, path};
    onDisk_ = fingerprintFile(path);
    setFilePath(path);
    history_.setClean();
    return {true, {}, 0, QString(), path};
}

void ConfigDocument::newConfiguration()
{
    step(stepName(QT_TRANSLATE_NOOP("ConfigDocument", "New")), Scope::WholeTable, NoButton, 0,
         [&](ButtonTable &table) {
             table.buttonCount = ButtonTable::DefaultButtonCount;
             table.maxEntries = ButtonTable::DefaultMaxEntries;
             table.buildTable();
             setFilePath(QString());
             onDisk_ = FileFingerprint();
         });
    history_.setClean();
}

void ConfigDocument::takeOverReadout(const ButtonTable &readout, int buttonsStored)
{
    // The keypad may have reported its counts before failing; nothing of it
    // was stored, so the configuration stays the open file's.
    if (buttonsStored == 0)
        return;
    // Buttons read so far are kept (completed or not), and they are no
    // longer the open file: Save must ask for a name.
    step(stepName(QT_TRANSLATE_NOOP("ConfigDocument", "Get device configuration")),
         Scope::WholeTable, NoButton, 0, [&](ButtonTable &table) {
             adoptConfiguration(table, readout);
             setFilePath(QString());
             onDisk_ = FileFingerprint();
         });
}

bool ConfigDocument::insertEntries(uint8_t button, int row, const QList<ContentEntry> &entries,
                                   const QString &stepName, int joinKey)
{
    bool inserted = false;
    step(stepName, Scope::OneButton, button, joinKey, [&](ButtonTable &table) {
        inserted = ::insertEntries(table.content(button), row, entries, table.maxEntries);
    });
    return inserted;
}

void ConfigDocument::removeRows(uint8_t button, const QList<int> &rowsAscending,
                                const QString &stepName, int joinKey)
{
    step(stepName, Scope::OneButton, button, joinKey, [&](ButtonTable &table) {
        ButtonContent &content = table.content(button);
        // From the largest row down, so that the smaller rows stay valid.
        for (auto it = rowsAscending.crbegin(); it != rowsAscending.crend(); ++it) {
            const int row = *it;
            if (row < 0 || row >= content.length)
                continue;
            std::copy(content.entries.begin() + row + 1, content.entries.begin() + content.length,
                      content.entries.begin() + row);
            --content.length;
        }
    });
}

QList<int> ConfigDocument::moveRows(uint8_t button, const QList<int> &rowsAscending,
                                    MoveDirection direction, const QString &stepName)
{
    QList<int> moved;
    step(stepName, Scope::OneButton, button, 0, [&](ButtonTable &table) {
        moved = moveBlock(table.content(button), rowsAscending, direction);
    });
    return moved;
}

void ConfigDocument::undo()
{
    if (history_.canUndo())
        history_.undo();
}

void ConfigDocument::redo()
{
    if (history_.canRedo())
        history_.redo();
}

void ConfigDocument::step(const QString &text, Scope scope, uint8_t button, int joinKey,
                          const std::function<void(ButtonTable &)> &change)
{
    EditState before = currentState(scope, button);
    before.activeButton = scope == Scope::OneButton ? button : shownButton_;
    Q_EMIT aboutToChange();
    change(table_);
    Q_EMIT tableChanged();
    EditState after = currentState(scope, button);
    // A whole-table step ends with no button active (Open, New and a readout
    // all leave the selection).
    after.activeButton = scope == Scope::OneButton ? button : NoButton;
    if (after.table == before.table && after.file == before.file)
        return;
    history_.push(new TableChangeCommand(
        text, before, after, [this](const EditState &s) { restore(s); }, joinKey));
}

EditState ConfigDocument::currentState(Scope scope, uint8_t button) const
{
    EditState state;
    if (scope == Scope::WholeTable) {
        state.table = TableSnapshot::ofTable(table_);
        state.file = FileFacts{filePath_};
    } else {
        state.table = TableSnapshot::ofButtons(table_, {button});
    }
    return state;
}

void ConfigDocument::restore(const EditState &state)
{
    Q_EMIT aboutToChange();
    state.table.restore(table_);
    Q_EMIT tableChanged();
    if (state.file)
        setFilePath(state.file->filePath);
    Q_EMIT restored(state.table.buttons(), state.table.isWholeTable(), state.activeButton);
}

void ConfigDocument::setFilePath(const QString &path)
{
    if (path == filePath_)
        return;
    filePath_ = path;
    Q_EMIT fileChanged(shownName());
}
