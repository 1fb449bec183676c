// Editing commands of the active button's script: move up, move down, delete
// and insert delay, handed to the edit controller. The window shows the rows
// it leaves selected and in sight.
#include "app/mainwindow.h"

#include "app/contentlistmodel.h"
#include "app/mainwindow_form.h"
#include "config/contentediting.h"

#include <QItemSelectionModel>
#include <QListView>

#include <algorithm>

void MainWindow::on_pushButtonUp_clicked()
{
    showListFocus(edits_->move(selectedRows(), MoveUp));
}

void MainWindow::on_pushButtonDown_clicked()
{
    showListFocus(edits_->move(selectedRows(), MoveDown));
}

void MainWindow::on_pushButtonDelete_clicked()
{
    showListFocus(edits_->deleteEntries(selectedRows()));
}

void MainWindow::on_pushButtonDelay_clicked()
{
    showListFocus(edits_->insertDelay(selectedRows()));
}

QList<int> MainWindow::selectedRows() const
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

void MainWindow::showListFocus(const ListFocus &focus)
{
    for (int row : focus.select) {
        const QModelIndex index = listModel_->index(row, 0);
        if (index.isValid())
            listSelection->select(index, QItemSelectionModel::Select);
    }
    if (focus.toEnd)
        ui->listView->scrollToBottom();
    else if (focus.inSight >= 0)
        ui->listView->scrollTo(listModel_->index(focus.inSight, 0),
                               QAbstractItemView::EnsureVisible);
    if (focus.takeFocus)
        ui->listView->setFocus(Qt::OtherFocusReason);
}
