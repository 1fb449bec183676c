// File commands: New, Open, Save, Save as and the save-changes prompt.
#include "app/mainwindow.h"

#include "config/buttontable.h"
#include "file/filecapacity.h"
#include "file/filestate.h"
#include "file/regularfile.h"
#include "file/tkfcodec.h"
#include "file/tkffile.h"
#include "keyboard/keyboardlayout.h"
#include "keyboard/recordingstate.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>

namespace {

QString textFilter() { return MainWindow::tr("Configuration text (*.txt)"); }

// The configuration file first; its text form as a second choice.
QString fileFilter()
{
    return MainWindow::tr("QM-47 file (*.tkf)") + QStringLiteral(";;") + textFilter();
}

QString folderOf(const QString &path) { return QFileInfo(path).absolutePath(); }

QString shownPath(const QString &path) { return QDir::toNativeSeparators(path); }

// "Could not open file!" and, on a line of its own, the file and the system's reason.
QString couldNotOpenText(const QString &path)
{
    const QString reason = openFailureReason(path);
    return MainWindow::tr("Could not open file!") + QLatin1Char('\n') + shownPath(path)
           + (reason.isEmpty() ? QString() : QStringLiteral(": ") + reason);
}

// Makes the configuration read from a file the one in hand; the selection,
// the flags and the observer of `table` stay.
void adoptConfiguration(ButtonTable &table, const ButtonTable &loaded)
{
    table.buttonCount = loaded.buttonCount;
    table.maxEntries = loaded.maxEntries;
    for (int i = 0; i < ButtonTable::ButtonCapacity; ++i)
        table.content(uint8_t(i)) = loaded.content(uint8_t(i));
}

} // namespace

QString MainWindow::chooseSavePath()
{
    QString filter;
    QString path = QFileDialog::getSaveFileName(this, tr("Save button configuration"),
                                                FileState::instance().defaultDirectory,
                                                fileFilter(), &filter);
    if (path.isEmpty() || !QFileInfo(path).suffix().isEmpty())
        return path;
    path += filter == textFilter() ? QStringLiteral(".txt") : QStringLiteral(".tkf");
    // The dialog asked about the name without the extension only.
    if (QFileInfo::exists(path)
        && askQuestion(tr("Save configuration"),
                       tr("%1 already exists.\nDo you want to replace it?").arg(shownPath(path)),
                       QMessageBox::Yes | QMessageBox::No, QMessageBox::No)
               != QMessageBox::Yes)
        return QString();
    return path;
}

bool MainWindow::confirmFileCapacity()
{
    const ButtonTable &table = ButtonTable::instance();
    const FileCapacityExcess excess = fileCapacityExcess(table);
    if (excess.isEmpty())
        return true;
    QStringList lines;
    if (excess.buttonCount > 0)
        lines << tr("The keypad had %1 buttons; a file holds the first %2 only.")
                     .arg(excess.buttonCount).arg(TkfMaxButtons);
    for (int i : excess.longButtons)
        lines << tr("Button %1 holds %2 entries; a file holds the first %3 only.")
                     .arg(i + 1).arg(table.content(uint8_t(i)).length).arg(TkfMaxEntries);
    lines << QString() << tr("Save only what a file holds?");
    return askQuestion(tr("Attention"), lines.join(QLatin1Char('\n')),
                       QMessageBox::Save | QMessageBox::Cancel, QMessageBox::Cancel)
           == QMessageBox::Save;
}

bool MainWindow::confirmOverwriteOfChangedFile()
{
    FileState &files = FileState::instance();
    if (files.onDisk.path != files.filePath || !fileChangedSince(files.onDisk))
        return true;
    const QMessageBox::StandardButton answer = askQuestion(
        tr("Attention"),
        tr("%1 was changed on disk since it was opened or saved here.\n"
           "Overwrite it with this configuration, or save this configuration under another name?")
            .arg(shownPath(files.filePath)),
        QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Cancel,
        {{QMessageBox::Yes, tr("Overwrite")}, {QMessageBox::No, tr("Save as...")}});
    if (answer == QMessageBox::Yes)
        return true;
    if (answer != QMessageBox::No)
        return false;
    const QString other = chooseSavePath();
    if (other.isEmpty())
        return false;
    files.filePath = other;
    return true;
}

void MainWindow::offerReloadOfChangedFile()
{
    FileState &files = FileState::instance();
    const RecordingState &recording = RecordingState::instance();
    if (reloadOffered || !isActiveWindow() || !isEnabled() || ButtonTable::instance().modified
        || recording.capturing() || files.filePath.isEmpty()
        || files.onDisk.path != files.filePath || !fileChangedSince(files.onDisk))
        return;
    const QString path = files.filePath;
    const FileFingerprint now = fingerprintFile(path);
    if (now == reloadDeclined)
        return;
    reloadOffered = true;
    const QMessageBox::StandardButton answer = askQuestion(
        tr("Information"),
        tr("%1 was changed on disk.\nDo you want to reload it?").arg(shownPath(path)),
        QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes);
    // Declined, or the file no longer opens: not asked again for this change.
    if (answer != QMessageBox::Yes || !openConfigFile(path))
        reloadDeclined = now;
    reloadOffered = false;
}

bool MainWindow::writeConfigFile()
{
    FileState &files = FileState::instance();
    if (files.filePath.isEmpty())
        return false;
    if (!confirmFileCapacity() || !confirmOverwriteOfChangedFile())
        return false;
    files.defaultDirectory = folderOf(files.filePath);
    // The old file is replaced only once the new one is complete, so a failure
    // leaves it, the modified flag and the label as they were.
    QString reason;
    const bool saved = isTextFormPath(files.filePath)
                           ? saveConfigTextFile(files.filePath, ButtonTable::instance(), &reason)
                           : saveConfigFile(files.filePath, ButtonTable::instance(), &reason);
    if (!saved) {
        // The system's reason (disk full, no permission) on a line of its own.
        showMessage(tr("Error"), tr("Could not create file!") + QLatin1Char('\n') + reason);
        return false;
    }
    files.onDisk = fingerprintFile(files.filePath);
    markHistoryClean();
    ButtonTable::instance().modified = 0;
    showFileName(files.filePath);
    rememberRecentFile(files.filePath);
    return true;
}

bool MainWindow::askSaveChanges()
{
    if (!ButtonTable::instance().modified)
        return true;
    const QMessageBox::StandardButton answer =
        askQuestion(tr("Save configuration"), tr("Do you want to save your changes?"),
                    QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel,
                    QMessageBox::Save);
    if (answer == QMessageBox::Cancel)
        return false;
    if (answer != QMessageBox::Save)
        return true; // Discard: go on, the changes are dropped by the caller

    FileState &files = FileState::instance();
    if (files.filePath.isEmpty())
        files.filePath = chooseSavePath();
    if (files.filePath.isEmpty())
        return false;
    // A failed write must not let the caller drop the unsaved configuration.
    return writeConfigFile();
}

void MainWindow::on_actionNew_triggered()
{
    if (!askSaveChanges())
        return;
    ButtonTable &table = ButtonTable::instance();
    FileState &files = FileState::instance();
    beginStep(tr("New"), StepScope::WholeTable);
    table.modified = 0;
    files.filePath.clear();
    files.fileName.clear();
    files.onDisk = FileFingerprint();
    showFileName(QStringLiteral("QM47_File"));

    table.beginChange();
    table.buttonCount = ButtonTable::DefaultButtonCount;
    table.maxEntries = ButtonTable::DefaultMaxEntries;
    table.buildTable();
    table.endChange();
    refreshAllMarks();
    endStep();
}

void MainWindow::on_actionOpen_triggered()
{
    readKeyboardLayout();
    if (!askSaveChanges())
        return;

    setEnabled(false);
    const QString chosen = QFileDialog::getOpenFileName(this, tr("Open button configuration"),
                                                        FileState::instance().defaultDirectory,
                                                        fileFilter());
    if (!chosen.isEmpty())
        openConfigFile(chosen);
    setEnabled(true);
}

bool MainWindow::openConfigFile(const QString &path)
{
    FileState &files = FileState::instance();
    if (path.isEmpty())
        return false;
    files.defaultDirectory = folderOf(path);

    // Read into a table of its own: a refused file must not touch the
    // configuration in hand, which Save would otherwise write over the last
    // good file.
    ButtonTable loaded;
    if (isTextFormPath(path)) {
        const TextLoadResult result = loadConfigTextFile(path, loaded);
        if (!result.opened) {
            showMessage(tr("Error"), couldNotOpenText(path));
            return false;
        }
        if (!result.read) {
            const QString where =
                result.error.line > 0 ? tr("Line %1: ").arg(result.error.line) : QString();
            showMessage(tr("Error"), tr("The configuration text could not be read.")
                                         + QStringLiteral("\n") + where + result.error.message);
            return false;
        }
    } else {
        const TkfLoadResult result = loadConfigFile(path, loaded);
        const TkfReadResult &read = result.read;
        if (!result.opened)
            showMessage(tr("Error"), couldNotOpenText(path));
        else if (!read.signatureOk)
            showMessage(tr("Error"), tr("File corrupt! Could not read the file!"));
        if (read.corruptEntry)
            showMessage(tr("Error"), tr("File corrupt! Error reading the file."));
        if (read.signatureOk && !read.crcOk)
            showMessage(tr("Error"), tr("CRC error reading the file!"));
        if (!read.accepted())
            return false;
    }

    ButtonTable &table = ButtonTable::instance();
    beginStep(tr("Open"), StepScope::WholeTable);
    table.beginChange();
    adoptConfiguration(table, loaded);
    table.endChange();
    files.fileName = path;
    files.filePath = path;
    files.onDisk = fingerprintFile(path);
    showFileName(files.filePath);
    table.modified = 0;
    refreshAllMarks();
    endStep();
    markHistoryClean();
    table.modified = 0;
    rememberRecentFile(path);
    return true;
}

void MainWindow::on_actionSave_triggered()
{
    if (!preTransferCheck())
        return;
    FileState &files = FileState::instance();
    setEnabled(false);
    if (files.filePath.isEmpty())
        files.filePath = chooseSavePath();
    writeConfigFile();
    setEnabled(true);
}

void MainWindow::on_actionSave_as_triggered()
{
    if (!preTransferCheck())
        return;
    setEnabled(false);
    // A cancelled dialog leaves the configuration without a file path.
    FileState::instance().filePath = chooseSavePath();
    writeConfigFile();
    setEnabled(true);
}
