// File commands: New, Open, Save, Save as, the save-changes prompt and the
// offer to reload a file changed on disk. The document reads and writes; the
// window chooses the paths, asks before a save that would lose something and
// tells the user what came of it.
#include "app/mainwindow.h"

#include "file/filecapacity.h"
#include "file/tkfcodec.h"
#include "keyboard/keyboardlayout.h"

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

QString shownPath(const QString &path) { return QDir::toNativeSeparators(path); }

} // namespace

bool MainWindow::showFileResult(const FileResult &result)
{
    for (FileResult::Problem problem : result.problems) {
        switch (problem) {
        case FileResult::NoPath:
            break; // a cancelled dialog: nothing to tell
        case FileResult::NotOpened:
            // The file and the system's reason on a line of their own.
            showMessage(tr("Error"), tr("Could not open file!") + QLatin1Char('\n')
                                         + shownPath(result.path)
                                         + (result.detail.isEmpty()
                                                ? QString()
                                                : QStringLiteral(": ") + result.detail));
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

QString MainWindow::chooseSavePath()
{
    QString filter;
    QString path = QFileDialog::getSaveFileName(this, tr("Save button configuration"),
                                                document_->defaultDirectory(),
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
    const ButtonTable &table = document_->table();
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

bool MainWindow::confirmOverwriteOfChangedFile(QString &target)
{
    const FileFingerprint &onDisk = document_->fingerprint();
    if (onDisk.path != target || !fileChangedSince(onDisk))
        return true;
    const QMessageBox::StandardButton answer = askQuestion(
        tr("Attention"),
        tr("%1 was changed on disk since it was opened or saved here.\n"
           "Overwrite it with this configuration, or save this configuration under another name?")
            .arg(shownPath(target)),
        QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Cancel,
        {{QMessageBox::Yes, tr("Overwrite")}, {QMessageBox::No, tr("Save as...")}});
    if (answer == QMessageBox::Yes)
        return true;
    if (answer != QMessageBox::No)
        return false;
    target = chooseSavePath();
    return !target.isEmpty();
}

void MainWindow::offerReloadOfChangedFile()
{
    const FileFingerprint &onDisk = document_->fingerprint();
    if (reloadOffered || !isActiveWindow() || !isEnabled() || document_->isModified()
        || edits_->state().capturing() || document_->filePath().isEmpty()
        || onDisk.path != document_->filePath() || !fileChangedSince(onDisk))
        return;
    const QString path = document_->filePath();
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
    return writeConfigFileAs(document_->filePath());
}

bool MainWindow::writeConfigFileAs(const QString &path)
{
    if (path.isEmpty())
        return false; // no file yet, or a cancelled dialog
    QString target = path;
    if (!confirmFileCapacity() || !confirmOverwriteOfChangedFile(target))
        return false;
    return showFileResult(document_->saveAs(target));
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
    return writeConfigFileAs(chooseSavePath());
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
                                                        document_->defaultDirectory(),
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
        writeConfigFileAs(chooseSavePath());
    setEnabled(true);
}

void MainWindow::on_actionSave_as_triggered()
{
    if (!preTransferCheck())
        return;
    setEnabled(false);
    writeConfigFileAs(chooseSavePath());
    setEnabled(true);
}
