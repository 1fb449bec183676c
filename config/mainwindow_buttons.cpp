// Button selection and the coloured marks of the button grid.
#include "app/mainwindow.h"

#include "app/mainwindow_form.h"
#include "app/stylesheet.h"
#include "config/buttontable.h"
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
    ButtonTable &table = ButtonTable::instance();
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
    if (QPushButton *button = ui->buttonAt(index))
        button->setStyleSheet(buttonStyleSheet(colour));
}

bool MainWindow::buttonCheck(int index)
{
    Q_UNUSED(index);
    return true;
}

void MainWindow::applyRestingMark(int index)
{
    if (!buttonCheck(index)) {
        paintButton(index, RedMark);
        return;
    }
    const bool hasEntries = ButtonTable::instance().content(uint8_t(index)).length > 0;
    paintButton(index, hasEntries ? GreenMark : BlackMark);
}

void MainWindow::refreshAllMarks()
{
    ButtonTable &table = ButtonTable::instance();
    table.beginChange();
    table.selectedButton = NoButton;
    for (int i = 0; i < table.buttonCount; ++i)
        applyRestingMark(i);
    table.endChange();
    setControlMode(NoSelectionMode, true);
    setStatusText(tr("Please select a button"));
}

bool MainWindow::preTransferCheck()
{
    return true;
}
