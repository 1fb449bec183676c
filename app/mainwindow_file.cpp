// File commands: New, Open, Save, Save as and the save-changes prompt.
#include "app/mainwindow.h"

#include "config/buttontable.h"
#include "file/filestate.h"
#include "file/tkffile.h"
#include "keyboard/keyboardlayout.h"

#include <QFileDialog>
#include <QFileInfo>

namespace {

QString fileFilter() { return MainWindow::tr("QM-47 file (*.tkf)"); }

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
    if (!saveConfigFile(files.filePath, ButtonTable::instance())) {
        showMessage(tr("Error"), tr("Could not create file!"));
        return false;
    }
    ButtonTable::instance().modified = 0;
    showFileName(files.filePath);
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
}

void MainWindow::on_actionOpen_triggered()
{
    readKeyboardLayout();
    if (!askSaveChanges())
        return;

    FileState &files = FileState::instance();
    setEnabled(false);
    const QString chosen = QFileDialog::getOpenFileName(this, tr("Open button configuration"),
                                                        files.defaultDirectory, fileFilter());
    if (chosen.isEmpty()) {
        setEnabled(true);
        return;
    }
    files.defaultDirectory = folderOf(chosen);

    // Read into a table of its own: a refused file must not touch the
    // configuration in hand, which Save would otherwise write over the last
    // good file.
    ButtonTable loaded;
    const TkfLoadResult result = loadConfigFile(chosen, loaded);
    const TkfReadResult &read = result.read;
    if (!result.opened)
        showMessage(tr("Error"), tr("Could not open file!"));
    else if (!read.signatureOk)
        showMessage(tr("Error"), tr("File corrupt! Could not read the file!"));
    if (read.corruptEntry)
        showMessage(tr("Error"), tr("File corrupt! Error reading the file."));
    if (read.signatureOk && !read.crcOk)
        showMessage(tr("Error"), tr("CRC error reading the file!"));
    if (!read.accepted()) {
        setEnabled(true);
        return;
    }

    ButtonTable &table = ButtonTable::instance();
    table.beginChange();
    adoptConfiguration(table, loaded);
    table.endChange();
    files.fileName = chosen;
    files.filePath = chosen;
    showFileName(files.filePath);
    table.modified = 0;
    refreshAllMarks();
    setEnabled(true);
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
