// Button selection and the coloured marks of the button grid.
#include "app/mainwindow.h"

#include "app/mainwindow_form.h"
#include "app/stylesheet.h"
#include "config/buttontable.h"
#include "config/scriptbalance.h"
#include "keyboard/keyboardlayout.h"
#include "keyboard/recordingstate.h"

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
    ButtonTable &table = document_->table();
    if (index == table.selectedButton || RecordingState::instance().capturing())
        return;

    if (table.selectedButton != NoButton)
        applyRestingMark(table.selectedButton);
    table.beginChange();
    table.selectedButton = uint8_t(index);
    paintButton(index, ActiveMark);
    setControlMode(NoSelectionMode, false);
    showActiveButtonStatus();
    table.endChange();
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
}

bool MainWindow::buttonCheck(int index)
{
    if (index < 0 || index >= ButtonTable::ButtonCapacity)
        return true;
    if (checkContent(document_->table().content(uint8_t(index))))
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
    ButtonTable &table = document_->table();
    table.beginChange();
    table.selectedButton = NoButton;
    for (int i = 0; i < table.buttonCount; ++i)
        applyRestingMark(i);
    table.endChange();
    setControlMode(NoSelectionMode, true);
    setStatusText(tr("Please select a button"));
}
