#include "controllers/filecontroller.h"

#include "config/buttontable.h"
#include "controllers/transfercheck.h"
#include "controllers/usersettings.h"
#include "document/configdocument.h"
#include "file/filecapacity.h"
#include "file/recentfiles.h"
#include "file/regularfile.h"
#include "file/tkfcodec.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

QString shownPath(const QString &path) { return QDir::toNativeSeparators(path); }

// Enables the window's commands again however the command ends.
class BusyScope
{
public:
    explicit BusyScope(FileController *controller)
        : controller_(controller)
    {
        Q_EMIT controller_->busyChanged(true);
    }
    ~BusyScope() { Q_EMIT controller_->busyChanged(false); }
    BusyScope(const BusyScope &) = delete;
    BusyScope &operator=(const BusyScope &) = delete;

private:
    FileController *controller_;
};

} // namespace

FileController::FileController(ConfigDocument &document, UserPrompts &prompts,
                               TransferCheck &check, QObject *parent)
    : QObject(parent)
    , document_(document)
    , prompts_(prompts)
    , check_(check)
{
}

QStringList FileController::fileFilters()
{
    return {tr("QM-47 file (*.tkf)"), tr("Configuration text (*.txt)")};
}

UserPrompts::Answer FileController::ask(const QString &title, const QString &text,
                                        UserPrompts::Answers buttons,
                                        UserPrompts::Answer defaultButton,
                                        const QList<QPair<UserPrompts::Answer, QString>> &captions)
{
    UserPrompts::Question question;
    question.title = title;
    question.text = text;
    question.buttons = buttons;
    question.defaultButton = defaultButton;
    question.captions = captions;
    return prompts_.ask(question);
}

bool FileController::tellResult(const FileResult &result)
{
    const QString error = tr("Error");
    for (FileResult::Problem problem : result.problems) {
        switch (problem) {
        case FileResult::NoPath:
            break; // a cancelled dialog: nothing to tell
        case FileResult::NotOpened:
            // The file and the system's reason on a line of their own.
            prompts_.tell(error, tr("Could not open file!") + QLatin1Char('\n')
                                     + shownPath(result.path)
                                     + (result.detail.isEmpty()
                                            ? QString()
                                            : QStringLiteral(": ") + result.detail));
            break;
        case FileResult::NotReadable:
            prompts_.tell(error, tr("File corrupt! Could not read the file!"));
            break;
        case FileResult::CorruptEntry:
            prompts_.tell(error, tr("File corrupt! Error reading the file."));
            break;
        case FileResult::CrcMismatch:
            prompts_.tell(error, tr("CRC error reading the file!"));
            break;
        case FileResult::TextNotRead: {
            const QString where = result.line > 0 ? tr("Line %1: ").arg(result.line) : QString();
            prompts_.tell(error, tr("The configuration text could not be read.")
                                     + QStringLiteral("\n") + where + result.detail);
            break;
        }
        case FileResult::NotWritten:
            // The system's reason (disk full, no permission) on a line of its own.
            prompts_.tell(error, tr("Could not create file!") + QLatin1Char('\n') + result.detail);
            break;
        }
    }
    if (result.done)
        rememberRecentFile(document_.filePath());
    return result.done;
}

QString FileController::chooseSavePath()
{
    const QStringList filters = fileFilters();
    const UserPrompts::ChosenFile chosen = prompts_.chooseFileToSave(
        {tr("Save button configuration"), document_.defaultDirectory(), filters});
    QString path = chosen.path;
    if (path.isEmpty() || !QFileInfo(path).suffix().isEmpty())
        return path;
    path += chosen.filter == filters.at(1) ? QStringLiteral(".txt") : QStringLiteral(".tkf");
    // The dialog asked about the name without the extension only.
    if (QFileInfo::exists(path)
        && ask(tr("Save configuration"),
               tr("%1 already exists.\nDo you want to replace it?").arg(shownPath(path)),
               UserPrompts::Yes | UserPrompts::No, UserPrompts::No)
               != UserPrompts::Yes)
        return QString();
    return path;
}

bool FileController::confirmFileCapacity()
{
    const ButtonTable &table = document_.table();
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
    return ask(tr("Attention"), lines.join(QLatin1Char('\n')),
               UserPrompts::Save | UserPrompts::Cancel, UserPrompts::Cancel)
           == UserPrompts::Save;
}

bool FileController::confirmOverwriteOfChangedFile(QString &target)
{
    const FileFingerprint &onDisk = document_.fingerprint();
    if (onDisk.path != target || !fileChangedSince(onDisk))
        return true;
    const UserPrompts::Answer answer = ask(
        tr("Attention"),
        tr("%1 was changed on disk since it was opened or saved here.\n"
           "Overwrite it with this configuration, or save this configuration under another name?")
            .arg(shownPath(target)),
        UserPrompts::Yes | UserPrompts::No | UserPrompts::Cancel, UserPrompts::Cancel,
        {{UserPrompts::Yes, tr("Overwrite")}, {UserPrompts::No, tr("Save as...")}});
    if (answer == UserPrompts::Yes)
        return true;
    if (answer != UserPrompts::No)
        return false;
    target = chooseSavePath();
    return !target.isEmpty();
}

bool FileController::write(const QString &path)
{
    if (path.isEmpty())
        return false; // no file yet, or a cancelled dialog
    QString target = path;
    if (!confirmFileCapacity() || !confirmOverwriteOfChangedFile(target))
        return false;
    return tellResult(document_.saveAs(target));
}

bool FileController::saveToFilePath()
{
    const QString path = document_.filePath();
    return write(path.isEmpty() ? chooseSavePath() : path);
}

bool FileController::askSaveChanges()
{
    if (!document_.isModified())
        return true;
    const UserPrompts::Answer answer =
        ask(tr("Save configuration"), tr("Do you want to save your changes?"),
            UserPrompts::Save | UserPrompts::Discard | UserPrompts::Cancel, UserPrompts::Save);
    if (answer == UserPrompts::Cancel)
        return false;
    if (answer != UserPrompts::Save)
        return true; // Discard: go on, the changes are dropped by the caller
    // A failed or cancelled write must not let the caller drop the unsaved
    // configuration.
    return saveToFilePath();
}

void FileController::newConfiguration()
{
    if (!askSaveChanges())
        return;
    document_.newConfiguration();
    Q_EMIT configurationReplaced();
}

void FileController::open()
{
    if (!askSaveChanges())
        return;
    const BusyScope busy(this);
    const UserPrompts::ChosenFile chosen = prompts_.chooseFileToOpen(
        {tr("Open button configuration"), document_.defaultDirectory(), fileFilters()});
    if (!chosen.path.isEmpty())
        openFile(chosen.path);
}

bool FileController::openFile(const QString &path)
{
    const FileResult result = document_.open(path);
    if (result.done)
        Q_EMIT configurationReplaced();
    return tellResult(result);
}

void FileController::save()
{
    if (!check_.confirm())
        return;
    const BusyScope busy(this);
    saveToFilePath();
}

void FileController::saveAs()
{
    if (!check_.confirm())
        return;
    const BusyScope busy(this);
    write(chooseSavePath());
}

void FileController::offerReload()
{
    const FileFingerprint &onDisk = document_.fingerprint();
    const QString path = document_.filePath();
    if (reloadOffered_ || document_.isModified() || path.isEmpty() || onDisk.path != path)
        return;
    // The change already declined: settled by size and time, without reading.
    if (reloadDeclined_.path == path && fileLooksUnchanged(reloadDeclined_))
        return;
    if (!fileChangedSince(onDisk))
        return;
    const FileFingerprint now = fingerprintFile(path);
    if (now == reloadDeclined_)
        return;
    reloadOffered_ = true;
    const UserPrompts::Answer answer =
        ask(tr("Information"),
            tr("%1 was changed on disk.\nDo you want to reload it?").arg(shownPath(path)),
            UserPrompts::Yes | UserPrompts::No, UserPrompts::Yes);
    // Declined, or the file no longer opens: not asked again for this change.
    if (answer != UserPrompts::Yes || !openFile(path))
        reloadDeclined_ = now;
    reloadOffered_ = false;
}

QStringList FileController::recentFiles() const
{
    return readRecentFiles();
}

void FileController::rememberRecentFile(const QString &path)
{
    if (path.isEmpty())
        return;
    writeRecentFiles(withRecentFile(readRecentFiles(), path));
    Q_EMIT recentFilesChanged();
}

void FileController::openRecent(const QString &path)
{
    if (askSaveChanges() && !openFile(path))
        offerRecentFileRemoval(path);
}

void FileController::offerRecentFileRemoval(const QString &path)
{
    // A file that opens but is refused (corrupt, a bad line) stays listed:
    // it may be mended.
    QFile probe;
    if (openRegularFile(probe, path))
        return;
    if (ask(tr("Information"),
            tr("%1 cannot be opened.\nRemove it from the recent files?").arg(shownPath(path)),
            UserPrompts::Yes | UserPrompts::No, UserPrompts::Yes)
        != UserPrompts::Yes)
        return;
    writeRecentFiles(withoutRecentFile(readRecentFiles(), path));
    Q_EMIT recentFilesChanged();
}
