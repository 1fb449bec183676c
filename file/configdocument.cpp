#include "file/configdocument.h"

#include "config/buttontable.h"
#include "file/filefingerprint.h"
#include "file/filestate.h"
#include "file/regularfile.h"
#include "file/tkffile.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace {

// The names of the steps appear in the window's Edit menu ("Undo Open").
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

// Makes the configuration read from a file the one in hand; the selection
// and the observer of `table` stay.
void adoptConfiguration(ButtonTable &table, const ButtonTable &loaded)
{
    table.buttonCount = loaded.buttonCount;
    table.maxEntries = loaded.maxEntries;
    for (int i = 0; i < ButtonTable::ButtonCapacity; ++i)
        table.content(uint8_t(i)) = loaded.content(uint8_t(i));
}

} // namespace

ConfigDocument::ConfigDocument(ButtonTable &table, FileState &files, QObject *parent)
    : QObject(parent)
    , table_(table)
    , files_(files)
{
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

QString ConfigDocument::filePath() const
{
    return files_.filePath;
}

QString ConfigDocument::shownName() const
{
    return files_.filePath.isEmpty() ? QStringLiteral("QM47_File") : files_.filePath;
}

FileResult ConfigDocument::open(const QString &path)
{
    if (path.isEmpty())
        return {false, {FileResult::NoPath}, 0, QString(), path};
    files_.defaultDirectory = folderOf(path);

    // Read into a table of its own: a refused file must not touch the
    // configuration in hand, which Save would otherwise write over the last
    // good file.
    ButtonTable loaded;
    FileResult result = readInto(path, loaded);
    if (!result.done)
        return result;

    beginEdit(stepName(QT_TRANSLATE_NOOP("ConfigDocument", "Open")), Scope::WholeTable);
    table_.beginChange();
    adoptConfiguration(table_, loaded);
    table_.selectedButton = NoButton;
    table_.endChange();
    setFileFacts(path, path);
    files_.onDisk = fingerprintFile(path);
    endEdit();
    history_.setClean();
    return result;
}

FileResult ConfigDocument::save()
{
    if (files_.filePath.isEmpty())
        return {false, {FileResult::NoPath}, 0, QString(), QString()};
    return write(files_.filePath);
}

FileResult ConfigDocument::saveAs(const QString &path)
{
    if (path.isEmpty())
        return {false, {FileResult::NoPath}, 0, QString(), path};
    return write(path);
}

FileResult ConfigDocument::write(const QString &path)
{
    files_.defaultDirectory = folderOf(path);
    // The old file is replaced only once the new one is complete, so a
    // failure leaves it, the names and the modified state as they were.
    QString reason;
    const bool written = isTextFormPath(path) ? saveConfigTextFile(path, table_, &reason)
                                              : saveConfigFile(path, table_, &reason);
    if (!written)
        return {false, {FileResult::NotWritten}, 0, reason, path};
    files_.onDisk = fingerprintFile(path);
    if (files_.filePath != path) {
        files_.filePath = path;
        Q_EMIT fileChanged(shownName());
    }
    history_.setClean();
    return {true, {}, 0, QString(), path};
}

void ConfigDocument::newConfiguration()
{
    beginEdit(stepName(QT_TRANSLATE_NOOP("ConfigDocument", "New")), Scope::WholeTable);
    table_.beginChange();
    table_.buttonCount = ButtonTable::DefaultButtonCount;
    table_.maxEntries = ButtonTable::DefaultMaxEntries;
    table_.selectedButton = NoButton;
    table_.buildTable();
    table_.endChange();
    setFileFacts(QString(), QString());
    files_.onDisk = FileFingerprint();
    endEdit();
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
    beginEdit(stepName(QT_TRANSLATE_NOOP("ConfigDocument", "Get device configuration")),
              Scope::WholeTable);
    table_.beginChange();
    adoptConfiguration(table_, readout);
    table_.selectedButton = NoButton;
    table_.endChange();
    setFileFacts(QString(), QString());
    files_.onDisk = FileFingerprint();
    endEdit();
}

void ConfigDocument::beginEdit(const QString &text, Scope scope)
{
    if (editDepth_++ > 0)
        return;
    editStep_ = startStep(text, scope);
}

void ConfigDocument::endEdit()
{
    if (editDepth_ == 0 || --editDepth_ > 0 || !editStep_)
        return;
    const PendingStep step = *editStep_;
    editStep_.reset();
    closeStep(step);
}

void ConfigDocument::applyEdit(const QString &text, Scope scope,
                               const std::function<void()> &change)
{
    beginEdit(text, scope);
    change();
    endEdit();
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

ConfigDocument::PendingStep ConfigDocument::startStep(const QString &text, Scope scope) const
{
    PendingStep step;
    step.text = text;
    step.scope = scope;
    if (scope == Scope::ActiveButton && table_.selectedButton != NoButton)
        step.buttons = {table_.selectedButton};
    step.before = currentState(scope, step.buttons);
    return step;
}

void ConfigDocument::closeStep(const PendingStep &step)
{
    EditState after = currentState(step.scope, step.buttons);
    // A whole-table step ends with no button active (Open, New and a readout
    // all leave the selection).
    if (step.scope == Scope::WholeTable)
        after.activeButton = NoButton;
    if (after.table == step.before.table && after.file == step.before.file)
        return;
    history_.push(new TableChangeCommand(step.text, step.before, after,
                                         [this](const EditState &s) { restore(s); }));
}

EditState ConfigDocument::currentState(Scope scope, const QList<int> &buttons) const
{
    EditState state;
    state.activeButton = table_.selectedButton;
    if (scope == Scope::WholeTable) {
        state.table = TableSnapshot::ofTable(table_);
        state.file = FileFacts{files_.filePath, files_.fileName};
    } else {
        state.table = TableSnapshot::ofButtons(table_, buttons);
    }
    return state;
}

void ConfigDocument::restore(const EditState &state)
{
    table_.beginChange();
    state.table.restore(table_);
    table_.endChange();
    if (state.file)
        setFileFacts(state.file->filePath, state.file->fileName);
    Q_EMIT restored(state.table.buttons(), state.table.isWholeTable(), state.activeButton);
}

void ConfigDocument::setFileFacts(const QString &path, const QString &name)
{
    const bool shownChanges = path != files_.filePath;
    files_.filePath = path;
    files_.fileName = name;
    if (shownChanges)
        Q_EMIT fileChanged(shownName());
}
