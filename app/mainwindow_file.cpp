// File commands: New, Open, Save, Save as and the save-changes prompt.
#include "app/mainwindow.h"

#include "config/buttontable.h"
#include "file/filestate.h"
#include "file/tkffile.h"
#include "keyboard/keyboardlayout.h"

#include <QFileDialog>
#include <QFileInfo>

namespace {

// The configuration file first; its text form as a second choice.
QString fileFilter()
{
    return MainWindow::tr("QM-47 file (*.tkf)") + QStringLiteral(";;")
           + MainWindow::tr("Configuration text (*.txt)");
}

QString folderOf(const QString &path) { return QFileInfo(path).absolutePath(); }

// The save dialog of Save, Save as and the save-changes prompt; empty when
// cancelled. The path is taken as chosen: no extension is added.
QString chooseSavePath(QWidget *parent)
{
    return QFileDialog::getSaveFileName(parent, MainWindow::tr("Save button configuration"),
                                        FileState::instance().defaultDirectory, fileFilter());
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

bool MainWindow::writeConfigFile()
{
    FileState &files = FileState::instance();
    if (files.filePath.isEmpty())
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
        files.filePath = chooseSavePath(this);
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
            showMessage(tr("Error"), tr("Could not open file!"));
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
            showMessage(tr("Error"), tr("Could not open file!"));
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
        files.filePath = chooseSavePath(this);
    writeConfigFile();
    setEnabled(true);
}

void MainWindow::on_actionSave_as_triggered()
{
    if (!preTransferCheck())
        return;
    setEnabled(false);
    // A cancelled dialog leaves the configuration without a file path.
    FileState::instance().filePath = chooseSavePath(this);
    writeConfigFile();
    setEnabled(true);
}
