// Button selection and the coloured marks of the button grid.
#include "app/mainwindow.h"

#include "app/contentlistmodel.h"
#include "app/buttonsummaries.h"
#include "app/mainwindow_form.h"
#include "app/stylesheet.h"
#include "config/buttontable.h"
#include "config/scriptbalance.h"
#include "capture/keyboardlayout.h"

#include <QListView>
#include <QPushButton>

namespace {
const QString ActiveMark = QStringLiteral("rgb(255, 255, 0)");
const QString RedMark = QStringLiteral("red");
const QString GreenMark = QStringLiteral("rgb(75, 255, 0)");
const QString BlackMark = QStringLiteral("black");
} // namespace

void MainWindow::selectButton(int index)
{
    readKeyboardLayout();
    edits_->selectButton(index);
}

void MainWindow::showActiveButton(int previous, int current)
{
    if (previous != NoButton)
        applyRestingMark(previous);
    listModel_->reread();
    showActiveButtonStatus();
    if (current == NoButton)
        return;
    paintButton(current, ActiveMark);
    ui->listView->scrollToTop();
}

void MainWindow::paintButton(int index, const QString &colour)
{
    QPushButton *button = ui->buttonAt(index);
    if (!button)
        return;
    button->setStyleSheet(buttonStyleSheet(colour));
    const QString state = colour == ActiveMark ? tr("active")
        : colour == RedMark                    ? tr("unbalanced")
        : colour == GreenMark                  ? tr("has a script")
                                               : tr("empty");
    button->setAccessibleDescription(Ui_MainWindow::gridButtonDescription(index, state));
    if (summaries_)
        summaries_->setMark(index, state);
}

bool MainWindow::buttonCheck(int index)
{
    if (index < 0 || index >= ButtonTable::ButtonCapacity)
        return true;
    if (contentBalanced(document_->table().content(uint8_t(index))))
        return true;
    paintButton(index, RedMark);
    return false;
}

void MainWindow::applyRestingMark(int index)
{
    if (!buttonCheck(index))
        return; // painted red by the check
    const bool hasEntries = document_->table().content(uint8_t(index)).length > 0;
    paintButton(index, hasEntries ? GreenMark : BlackMark);
}

void MainWindow::refreshAllMarks()
{
    edits_->clearActiveButton();
    for (int i = 0; i < document_->table().buttonCount; ++i)
        applyRestingMark(i);
    setStatusText(tr("Please select a button"));
}
