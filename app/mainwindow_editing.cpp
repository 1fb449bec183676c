// Editing commands of the active button's script: move up, move down, delete
// and insert delay. A delay (two entries) is always handled as one unit.
#include "app/mainwindow.h"

#include "app/contentlistmodel.h"
#include "app/mainwindow_form.h"
#include "config/buttontable.h"
#include "config/contentediting.h"
#include "keyboard/recordingstate.h"

#include <QItemSelectionModel>
#include <QListView>

#include <algorithm>

void MainWindow::on_pushButtonUp_clicked()
{
    moveSelection(MoveUp);
}

void MainWindow::on_pushButtonDown_clicked()
{
    moveSelection(MoveDown);
}

void MainWindow::moveSelection(int direction)
{
    ButtonTable &table = document_->table();
    ButtonContent *content = table.activeContent();
    if (!content)
        return;
    completeDelaySelection();
    const QList<int> rows = selectedRowsAscending();
    if (rows.isEmpty()
        || (direction == MoveUp ? rows.first() == 0 : rows.last() >= content->length - 1))
        return; // nothing selected, or the block already at the top or bottom

    document_->beginEdit(direction == MoveUp ? tr("Move up") : tr("Move down"), StepScope::ActiveButton);
    table.beginChange();
    const QList<int> moved = moveBlock(*content, rows, MoveDirection(direction));
    table.endChange();
    document_->endEdit();

    for (int row : moved)
        selectRow(row);
    // The end of the block that leads the move stays in sight.
    const QModelIndexList selected = listSelection->selectedIndexes();
    if (!selected.isEmpty())
        ui->listView->scrollTo(direction == MoveUp ? selected.first() : selected.last(),
                               QAbstractItemView::EnsureVisible);
    ui->listView->setFocus();
}

void MainWindow::on_pushButtonDelete_clicked()
{
    ButtonTable &table = document_->table();
    const ButtonContent *content = table.activeContent();
    if (!content || content->length == 0)
        return;
    completeDelaySelection();
    const QList<int> rows = selectedRowsAscending();

    // While recording, or with nothing selected, the last element goes: the
    // last entry, or the whole delay pair that ends the script.
    // During a recording this joins the recording's undo step.
    document_->beginEdit(tr("Delete"), StepScope::ActiveButton);
    if (RecordingState::instance().recordingFlag || rows.isEmpty()) {
        const int count = trailingUnitLength(*content);
        for (int i = 0; i < count; ++i)
            table.removeEntry(content->length - 1);
        document_->endEdit();
        ui->listView->scrollToBottom();
        return;
    }

    // From the largest row down, so that the smaller rows stay valid.
    for (auto it = rows.crbegin(); it != rows.crend(); ++it)
        table.removeEntry(*it);
    document_->endEdit();

    const int row = rowAfterDelete(rows);
    selectRow(row);
    if (row >= 0)
        ui->listView->scrollTo(mylistviewmodel::instance().index(row, 0),
                               QAbstractItemView::EnsureVisible);
    ui->listView->setFocus();
}

void MainWindow::on_pushButtonDelay_clicked()
{
    ButtonTable &table = document_->table();
    const ButtonContent *content = table.activeContent();
    if (!content)
        return;
    if (!roomForDelay(*content, table.maxEntries)) {
        showMessage(tr("Information"), tr("Max. number of Keys recorded!"));
        return;
    }

    // The partners of selected delay halves are not added here: a new delay
    // may go between the two halves of an old one.
    const QList<int> rows = selectedRowsAscending();
    document_->beginEdit(tr("Insert delay"), StepScope::ActiveButton);
    if (!rows.isEmpty()) {
        const int r = rows.last();
        table.insertEntryAfter(r, ActionDelay, DelayFirstHalf);
        table.insertEntryAfter(r + 1, ActionDelay, DelaySecondHalf);
        document_->endEdit();
        selectRow(r + 2);
        ui->listView->scrollTo(mylistviewmodel::instance().index(r + 2, 0),
                               QAbstractItemView::EnsureVisible);
    } else {
        table.insertEntryAfter(content->length, ActionDelay, DelayFirstHalf);
        table.insertEntryAfter(content->length, ActionDelay, DelaySecondHalf);
        document_->endEdit();
        ui->listView->scrollToBottom();
    }
    ui->listView->setFocus();
}

void MainWindow::completeDelaySelection()
{
    const ButtonContent *content = document_->table().activeContent();
    if (!content)
        return;
    for (int row : selectedRowsAscending()) {
        const int partner = delayPartnerRow(*content, row);
        if (partner >= 0)
            selectRow(partner);
    }
}

QList<int> MainWindow::selectedRowsAscending() const
{
    QList<int> rows;
    if (!listSelection)
        return rows;
    for (const QModelIndex &index : listSelection->selectedIndexes())
        rows.append(index.row());
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    return rows;
}

void MainWindow::selectRow(int row)
{
    const QModelIndex index = mylistviewmodel::instance().index(row, 0);
    if (listSelection && index.isValid())
        listSelection->select(index, QItemSelectionModel::Select);
}
