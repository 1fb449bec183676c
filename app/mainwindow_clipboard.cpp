// Cut, copy and paste of button scripts through the clipboard (in the text
// form, so a script can be edited in any text editor), select all, the Delete
// action and typing a piece of text.
#include "app/mainwindow.h"

#include "app/contentlistmodel.h"
#include "app/mainwindow_form.h"
#include "app/typetextdialog.h"
#include "config/buttontable.h"
#include "config/contentediting.h"
#include "file/tkftext.h"
#include "keyboard/typetext.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QItemSelectionModel>
#include <QListView>

namespace {

QString noRoomText(int needed, int room)
{
    return MainWindow::tr("Max. number of Keys recorded!") + QStringLiteral("\n")
           + MainWindow::tr("%1 entries are needed; the button has room for %2.")
                 .arg(needed)
                 .arg(room);
}

} // namespace

QList<ContentEntry> MainWindow::copySelection()
{
    const ButtonTable &table = document_->table();
    const ButtonContent *content = table.activeContent();
    if (!content)
        return {};
    // A delay is copied whole, whichever half was selected.
    completeDelaySelection();
    QList<int> rows = selectedRowsAscending();
    if (rows.isEmpty())
        for (int row = 0; row < content->length; ++row)
            rows.append(row);
    const QList<ContentEntry> entries = entriesAt(*content, rows);
    QGuiApplication::clipboard()->setText(scriptToText(entries, table.selectedButton + 1));
    return entries;
}

void MainWindow::on_actionCopy_triggered()
{
    copySelection();
}

void MainWindow::on_actionCut_triggered()
{
    ButtonTable &table = document_->table();
    const ButtonContent *content = table.activeContent();
    if (!content || content->length == 0)
        return;
    copySelection();
    const QList<int> rows = selectedRowsAscending();
    document_->beginEdit(tr("Cut"), StepScope::ActiveButton);
    if (rows.isEmpty()) {
        // Nothing selected: the whole script went to the clipboard.
        while (content->length > 0)
            table.removeEntry(content->length - 1);
    } else {
        for (auto it = rows.crbegin(); it != rows.crend(); ++it)
            table.removeEntry(*it);
        selectRow(rowAfterDelete(rows));
    }
    document_->endEdit();
    ui->listView->setFocus();
}

void MainWindow::on_actionPaste_triggered()
{
    if (!document_->table().activeContent())
        return;
    QList<ContentEntry> entries;
    TkfTextError error;
    if (!scriptFromText(QGuiApplication::clipboard()->text(), entries, error)) {
        const QString where = error.line > 0 ? tr("Line %1: ").arg(error.line) : QString();
        showMessage(tr("Error"), tr("The clipboard does not hold a button script.")
                                     + QStringLiteral("\n") + where + error.message);
        return;
    }
    if (entries.isEmpty()) {
        showMessage(tr("Information"), tr("The clipboard holds no entries to paste."));
        return;
    }
    insertBehindSelection(entries, tr("Paste"));
}

bool MainWindow::insertBehindSelection(const QList<ContentEntry> &entries,
                                       const QString &stepText)
{
    ButtonTable &table = document_->table();
    ButtonContent *content = table.activeContent();
    if (!content)
        return false;
    const int room = freeEntries(*content, table.maxEntries);
    if (int(entries.size()) > room) {
        showMessage(tr("Information"), noRoomText(int(entries.size()), room));
        return false;
    }
    const int row = insertionRow(*content, selectedRowsAscending());
    const int first = row < content->length ? row + 1 : content->length;

    document_->beginEdit(stepText, StepScope::ActiveButton);
    table.beginChange();
    insertEntries(*content, row, entries, table.maxEntries);
    table.endChange();
    document_->endEdit();

    // The inserted entries end up selected, the last one in sight.
    const int last = first + int(entries.size()) - 1;
    const QModelIndex top = mylistviewmodel::instance().index(first, 0);
    const QModelIndex bottom = mylistviewmodel::instance().index(last, 0);
    if (listSelection && top.isValid() && bottom.isValid())
        listSelection->select(QItemSelection(top, bottom), QItemSelectionModel::Select);
    ui->listView->scrollTo(bottom, QAbstractItemView::EnsureVisible);
    ui->listView->setFocus();
    return true;
}

void MainWindow::on_actionDelete_triggered()
{
    on_pushButtonDelete_clicked();
}

void MainWindow::on_actionSelect_all_triggered()
{
    if (document_->table().activeContent())
        ui->listView->selectAll();
}

// Typed with the table the list names keys by (the layout read when the button
// was selected), so the new rows read as the text that was typed.
void MainWindow::on_actionType_text_triggered()
{
    const ButtonTable &table = document_->table();
    const ButtonContent *content = table.activeContent();
    if (!content)
        return;
    // One character takes two entries at least.
    const int room = freeEntries(*content, table.maxEntries);
    if (room < 2) {
        showMessage(tr("Information"), tr("Max. number of Keys recorded!"));
        return;
    }
    TypeTextDialog dialog(nameTableName(nameTableFor(keyboardLayoutId())), room, this);
    centreOver(&dialog, this);
    // A refused text comes back in the dialog, so that it can be corrected
    // rather than typed again from the start.
    while (dialog.exec() == QDialog::Accepted && !dialog.text().isEmpty()) {
        if (typeIntoActiveButton(dialog.text()))
            return;
    }
}

bool MainWindow::typeIntoActiveButton(const QString &text)
{
    const NameTable names = nameTableFor(keyboardLayoutId());
    const TypedText typed = typeText(names, text);
    if (!typed.untypable.isEmpty()) {
        QStringList shown;
        for (const uint c : typed.untypable.toUcs4()) {
            const char32_t character = char32_t(c);
            // Control characters by their number, as they show nothing.
            shown.append(QChar::isPrint(character)
                             ? QString::fromUcs4(&character, 1)
                             : QStringLiteral("U+%1").arg(uint(character), 4, 16, QLatin1Char('0')).toUpper());
        }
        showMessage(tr("Information"),
                    tr("These characters cannot be typed with the %1 keyboard layout: %2")
                        .arg(nameTableName(names), shown.join(QStringLiteral(" "))));
        return false;
    }
    return insertBehindSelection(typed.entries, tr("Type text"));
}
