// Cut, copy and paste of button scripts through the clipboard (in the text
// form, so a script can be edited in any text editor), select all, the Delete
// action and typing a piece of text, handed to the edit controller.
#include "app/mainwindow.h"

#include "app/mainwindow_form.h"
#include "app/typetextdialog.h"
#include "keyboard/keynames.h"
#include "keyboard/typetext.h"

#include <QListView>

void MainWindow::on_actionCopy_triggered()
{
    edits_->copy(selectedRows());
}

void MainWindow::on_actionCut_triggered()
{
    showListFocus(edits_->cut(selectedRows()));
}

void MainWindow::on_actionPaste_triggered()
{
    showListFocus(edits_->paste(selectedRows()));
}

void MainWindow::on_actionDelete_triggered()
{
    on_pushButtonDelete_clicked();
}

void MainWindow::on_actionSelect_all_triggered()
{
    if (edits_->state().hasActiveButton())
        ui->listView->selectAll();
}

// Typed with the table the list names keys by (the layout read when the button
// was selected), so the new rows read as the text that was typed.
void MainWindow::on_actionType_text_triggered()
{
    const int room = edits_->roomForText();
    if (room == 0)
        return;
    const NameTable names = nameTableFor(keyboardLayoutId());
    TypeTextDialog dialog(nameTableName(names), room, this);
    centreOver(&dialog, this);
    // A refused text comes back in the dialog, so that it can be corrected
    // rather than typed again from the start.
    while (dialog.exec() == QDialog::Accepted && !dialog.text().isEmpty()) {
        bool accepted = false;
        showListFocus(edits_->typeText(selectedRows(), dialog.text(), names, &accepted));
        if (accepted)
            return;
    }
}
