// The File menu's recent files, kept in the user's settings.
#include "app/mainwindow.h"

#include "app/mainwindow_form.h"
#include "app/usersettings.h"
#include "file/recentfiles.h"
#include "file/regularfile.h"
#include "keyboard/keyboardlayout.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMenu>

void MainWindow::rememberRecentFile(const QString &path)
{
    if (path.isEmpty())
        return;
    writeRecentFiles(withRecentFile(readRecentFiles(), path));
    rebuildRecentMenu();
}

void MainWindow::offerRecentFileRemoval(const QString &path)
{
    // A file that opens but is refused (corrupt, a bad line) stays listed:
    // it may be mended.
    QFile probe;
    if (openRegularFile(probe, path))
        return;
    if (askQuestion(tr("Information"),
                    tr("%1 cannot be opened.\nRemove it from the recent files?")
                        .arg(QDir::toNativeSeparators(path)),
                    QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes)
        != QMessageBox::Yes)
        return;
    writeRecentFiles(withoutRecentFile(readRecentFiles(), path));
    rebuildRecentMenu();
}

void MainWindow::rebuildRecentMenu()
{
    QMenu *menu = ui->menuRecent;
    // Deleted later: the entry being triggered may be the one that rebuilds the menu.
    for (QAction *old : menu->actions()) {
        menu->removeAction(old);
        old->deleteLater();
    }
    const QStringList files = readRecentFiles();
    for (int i = 0; i < files.size(); ++i) {
        const QString path = files.at(i);
        // "&1 office.tkf (/home/me/keypads)": number, name, then the folder.
        const QFileInfo info(path);
        QString shown = QStringLiteral("%1 (%2)").arg(
            info.fileName(), QDir::toNativeSeparators(info.absolutePath()));
        QAction *a = menu->addAction(
            QStringLiteral("&%1 %2").arg(i + 1).arg(shown.replace(QLatin1Char('&'), QStringLiteral("&&"))));
        a->setToolTip(QDir::toNativeSeparators(path));
        a->setStatusTip(QDir::toNativeSeparators(path));
        a->setData(path);
        connect(a, &QAction::triggered, this, [this, path] {
            readKeyboardLayout();
            if (askSaveChanges() && !openConfigFile(path))
                offerRecentFileRemoval(path);
        });
    }
    showControlStates();
}
