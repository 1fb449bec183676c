// File commands: New, Open, Save, Save as and the save-changes prompt. The
// document reads and writes; the window chooses the paths and tells the user
// what came of it.
#include "app/mainwindow.h"

#include "file/filestate.h"
#include "keyboard/keyboardlayout.h"

#include <QFileDialog>

namespace {

// The configuration file first; its text form as a second choice.
QString fileFilter()
{
    return MainWindow::tr("QM-47 file (*.tkf)") + QStringLiteral(";;")
           + MainWindow::tr("Configuration text (*.txt)");
}

// The save dialog of Save, Save as and the save-changes prompt; empty when
// cancelled. The path is taken as chosen: no extension is added.
QString chooseSavePath(QWidget *parent, const QString &folder)
{
    return QFileDialog::getSaveFileName(parent, MainWindow::tr("Save button configuration"),
                                        folder, fileFilter());
}

} // namespace

bool MainWindow::showFileResult(const FileResult &result)
{
    for (FileResult::Problem problem : result.problems) {
        switch (problem) {
        case FileResult::NoPath:
            break; // a cancelled dialog: nothing to tell
        case FileResult::NotOpened:
            showMessage(tr("Error"), tr("Could not open file!"));
            break;
        case FileResult::NotReadable:
            showMessage(tr("Error"), tr("File corrupt! Could not read the file!"));
            break;
        case FileResult::CorruptEntry:
            showMessage(tr("Error"), tr("File corrupt! Error reading the file."));
            break;
        case FileResult::CrcMismatch:
            showMessage(tr("Error"), tr("CRC error reading the file!"));
            break;
        case FileResult::TextNotRead: {
            const QString where = result.line > 0 ? tr("Line %1: ").arg(result.line) : QString();
            showMessage(tr("Error"), tr("The configuration text could not be read.")
                                         + QStringLiteral("\n") + where + result.detail);
            break;
        }
        case FileResult::NotWritten:
            // The system's reason (disk full, no permission) on a line of its own.
            showMessage(tr("Error"), tr("Could not create file!") + QLatin1Char('\n') + result.detail);
            break;
        }
    }
    if (result.done)
        rememberRecentFile(document_->filePath());
    return result.done;
}

bool MainWindow::writeConfigFile()
{
    return showFileResult(document_->save());
}

bool MainWindow::writeConfigFileAs(const QString &path)
{
    return showFileResult(document_->saveAs(path));
}

bool MainWindow::askSaveChanges()
{
    if (!document_->isModified())
        return true;
    const QMessageBox::StandardButton answer =
        askQuestion(tr("Save configuration"), tr("Do you want to save your changes?"),
                    QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel,
                    QMessageBox::Save);
    if (answer == QMessageBox::Cancel)
        return false;
    if (answer != QMessageBox::Save)
        return true; // Discard: go on, the changes are dropped by the caller

    // A failed or cancelled write must not let the caller drop the unsaved
    // configuration.
    if (!document_->filePath().isEmpty())
        return writeConfigFile();
    return writeConfigFileAs(chooseSavePath(this, document_->files().defaultDirectory));
}

void MainWindow::on_actionNew_triggered()
{
    if (!askSaveChanges())
        return;
    document_->newConfiguration();
    refreshAllMarks();
}

void MainWindow::on_actionOpen_triggered()
{
    readKeyboardLayout();
    if (!askSaveChanges())
        return;

    setEnabled(false);
    const QString chosen = QFileDialog::getOpenFileName(this, tr("Open button configuration"),
                                                        document_->files().defaultDirectory,
                                                        fileFilter());
    if (!chosen.isEmpty())
        openConfigFile(chosen);
    setEnabled(true);
}

bool MainWindow::openConfigFile(const QString &path)
{
    const FileResult result = document_->open(path);
    if (result.done)
        refreshAllMarks();
    return showFileResult(result);
}

void MainWindow::on_actionSave_triggered()
{
    if (!preTransferCheck())
        return;
    setEnabled(false);
    if (!document_->filePath().isEmpty())
        writeConfigFile();
    else
        writeConfigFileAs(chooseSavePath(this, document_->files().defaultDirectory));
    setEnabled(true);
}

void MainWindow::on_actionSave_as_triggered()
{
    if (!preTransferCheck())
        return;
    setEnabled(false);
    writeConfigFileAs(chooseSavePath(this, document_->files().defaultDirectory));
    setEnabled(true);
}
