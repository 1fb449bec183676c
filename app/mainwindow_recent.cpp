// The File menu's recent files: the file controller keeps the list, the
// window shows it.
#include "app/mainwindow.h"

#include "app/mainwindow_form.h"
#include "controllers/filecontroller.h"
#include "capture/keyboardlayout.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QMenu>

void MainWindow::rebuildRecentMenu()
{
    QMenu *menu = ui->menuRecent;
    // Deleted later: the entry being triggered may be the one that rebuilds the menu.
    for (QAction *old : menu->actions()) {
        menu->removeAction(old);
        old->deleteLater();
    }
    const QStringList files = files_->recentFiles();
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
            files_->openRecent(path);
        });
    }
    showControlStates();
}
