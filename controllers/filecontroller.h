#pragma once

#include "controllers/userprompts.h"
#include "file/filefingerprint.h"

#include <QObject>
#include <QStringList>

class ConfigDocument;
class TransferCheck;
struct FileResult;

// The file commands: New, Open, Save, Save as, the save-changes prompt, the
// questions before a save (a table larger than a file holds, a file changed
// on disk), the offer to reload a file someone else changed, and the list of
// recent files. The document reads and writes; this decides what to ask and
// what to tell, and asks only through UserPrompts.
class FileController : public QObject
{
    Q_OBJECT

public:
    FileController(ConfigDocument &document, UserPrompts &prompts, TransferCheck &check,
                   QObject *parent = nullptr);

    void newConfiguration();
    // Asks to save changes, then for a file, and opens it.
    void open();
    // Opens a file of the recent list after the save-changes prompt; offers
    // to take it off the list when it cannot be opened at all.
    void openRecent(const QString &path);
    void save();
    void saveAs();

    // Opens `path` without the save-changes prompt and tells what went wrong;
    // false when nothing was taken.
    bool openFile(const QString &path);

    // True when the caller may drop the configuration: it was not modified,
    // the user discarded it, or it was written.
    bool askSaveChanges();

    // Asks whether to reload the open file when someone else changed it and
    // nothing here is unsaved. Once declined (or when the changed file no
    // longer opens), the same change is not asked about again, and looking at
    // it again reads no byte of the file.
    void offerReload();

    // Newest first, as kept in the user's settings.
    QStringList recentFiles() const;

    // The filters of the file dialogs: the configuration file, then its text form.
    static QStringList fileFilters();

Q_SIGNALS:
    // The whole table was replaced (New, Open, reload): no button is active.
    void configurationReplaced();
    // A file dialog or a write is under way: the window takes no commands.
    void busyChanged(bool busy);
    void recentFilesChanged();

private:
    bool tellResult(const FileResult &result);
    // The save dialog; empty when cancelled. A name without extension gets
    // the chosen filter's, after asking about an existing file of that name.
    QString chooseSavePath();
    bool confirmFileCapacity();
    // `target` is the path about to be written; "Save as..." replaces it.
    bool confirmOverwriteOfChangedFile(QString &target);
    bool write(const QString &path);
    bool saveToFilePath();
    void rememberRecentFile(const QString &path);
    void offerRecentFileRemoval(const QString &path);
    UserPrompts::Answer ask(const QString &title, const QString &text,
                            UserPrompts::Answers buttons, UserPrompts::Answer defaultButton,
                            const QList<QPair<UserPrompts::Answer, QString>> &captions = {});

    ConfigDocument &document_;
    UserPrompts &prompts_;
    TransferCheck &check_;
    // The change on disk whose reload was declined.
    FileFingerprint reloadDeclined_;
    bool reloadOffered_ = false;
};
