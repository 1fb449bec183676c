// Recording commands and the keyboard capture slots: Start records every key
// press and release into the active button until Stop; Insert one key takes
// the next key press as one complete key stroke.
#include "app/mainwindow.h"

#include "app/mainwindow_form.h"
#include "config/buttontable.h"
#include "capture/keyboardhook.h"
#include "capture/keyboardlayout.h"
#include "keyboard/keytranslate.h"
#include "keyboard/recordingstate.h"

#include <QItemSelectionModel>
#include <QLabel>
#include <QListView>

#include <algorithm>

namespace {

// Entries the active button may hold: the limit in force, and never more than
// its buffer has room for, whatever a device announced.
int entryLimit(const ButtonTable &table)
{
    return std::min<int>(table.maxEntries, ButtonContent::Capacity);
}

// Keeps every key event for the window: the widget grab keeps the keys from
// the program's other widgets, the hook takes those of the whole desktop.
void startCapture(QWidget *window)
{
    window->grabKeyboard();
    keyboardHook *hook = keyboardHook::instance();
    hook->setCaptureWindow(window->windowHandle());
    hook->setHook(true); // without a system-wide capture, keys for this window still arrive
}

} // namespace

void MainWindow::on_pushButtonStart_clicked()
{
    readKeyboardLayout();
    ButtonTable &table = document_->table();
    RecordingState &recording = RecordingState::instance();
    const ButtonContent *content = table.activeContent();
    if (!content) {
        showMessage(tr("Information"), tr("Please activate a button first!"));
        return;
    }
    if (recording.capturing())
        return; // a capture already runs: its hook and grab stay as they are
    if (content->length >= entryLimit(table)) {
        showMessage(tr("Information"), tr("Max. number of keys for this button recorded!"));
        return;
    }

    // Everything recorded until Stop is one undo step.
    document_->beginEdit(tr("Recording"), StepScope::ActiveButton);
    startCapture(this);
    recording.heldKeys.clear();
    recording.recordingFlag = 1;
    ui->listView->setSelectionMode(QAbstractItemView::SingleSelection);
    setControlMode(RecordingMode, true);
    showCaptureStatus();
}

void MainWindow::on_pushButtonKey_clicked()
{
    ButtonTable &table = document_->table();
    RecordingState &recording = RecordingState::instance();
    const ButtonContent *content = table.activeContent();
    if (!content || recording.capturing())
        return;
    if (content->length >= entryLimit(table) - 1) { // no room for a press and its release
        showMessage(tr("Information"), tr("Max. number of Keys recorded!"));
        on_pushButtonStop_clicked();
        return;
    }

    document_->beginEdit(tr("Insert one key"), StepScope::ActiveButton);
    recording.keyInsertFlag = 1;
    startCapture(this);
    setControlMode(KeyInsertMode, true);
    showCaptureStatus();
}

void MainWindow::on_pushButtonStop_clicked()
{
    keyboardHook::instance()->setHook(false);
    RecordingState &recording = RecordingState::instance();
    const bool captureEnds = recording.capturing();
    if (recording.recordingFlag) {
        setControlMode(RecordingMode, false);
        recording.recordingFlag = 0;
    }
    if (recording.keyInsertFlag) {
        setControlMode(KeyInsertMode, false);
        recording.keyInsertFlag = 0;
    }

    // The list re-reads every row, now with the colours it leaves out during a
    // capture. A complete change notification: the view may only be told of
    // the end of a reset whose beginning it was told of.
    ButtonTable &table = document_->table();
    table.beginChange();
    table.endChange();

    releaseKeyboard();
    ui->listView->setSelectionMode(QAbstractItemView::ExtendedSelection);
    if (table.selectedButton != NoButton)
        showActiveButtonStatus();
    updateEditActions();
    if (captureEnds)
        document_->endEdit();
}

void MainWindow::MyKeyPressed(uint32_t key, uint32_t scancode, uint32_t flags)
{
    RecordingState &recording = RecordingState::instance();
    if (recording.recordingFlag) {
        const KeyCode code = translateKey(key, scancode, flags);
        // A key already held is an auto-repeat: nothing new to record. With
        // the list of held keys full, a further key is recorded but not
        // remembered.
        if (!recording.heldKeys.contains(code)) {
            recording.heldKeys.add(code);
            addRecordedEntry(code, ActionPress);
        }
    }
    if (recording.keyInsertFlag) {
        // The key's release comes after the capture has ended and is never seen.
        recording.keyInsertFlag = 0;
        releaseKeyboard();
        keyboardHook::instance()->setHook(false);
        addRecordedEntry(translateKey(key, scancode, flags), ActionPressRelease);
        setControlMode(KeyInsertMode, false);
        showActiveButtonStatus();
        document_->endEdit();
    }
}

void MainWindow::MyKeyReleased(uint32_t key, uint32_t scancode, uint32_t flags)
{
    RecordingState &recording = RecordingState::instance();
    if (!recording.recordingFlag)
        return;
    // Recorded also without a recorded press: a key that was down before Start.
    const KeyCode code = translateKey(key, scancode, flags);
    recording.heldKeys.remove(code);
    addRecordedEntry(code, ActionRelease);
}

void MainWindow::showCaptureStatus()
{
    const RecordingState &recording = RecordingState::instance();
    const QString button = QString::number(document_->table().selectedButton + 1);
    QString text;
    if (recording.recordingFlag)
        text = tr("Recording to button ") + button;
    else if (recording.keyInsertFlag)
        text = tr("Insert key to button ") + button;
    else
        return;
    QLabel *label = ui->labelState;
    const bool notice = keyboardHook::instance()->desktopTakesShortcuts();
    label->setWordWrap(notice);
    if (!notice) {
        setStatusText(text);
        return;
    }
    // The notice beside the status in a small plain font, wrapped to the
    // width that is left: two lines of it fit the status line's height.
    const int gap = label->fontMetrics().averageCharWidth();
    const int noticeWidth = label->width() - label->fontMetrics().horizontalAdvance(text) - 2 * gap;
    setStatusText(QStringLiteral("<table cellspacing=\"0\" cellpadding=\"0\"><tr>"
                                 "<td valign=\"middle\">%1</td><td width=\"%2\"></td>"
                                 "<td valign=\"middle\" width=\"%3\" style=\"font-size: 8pt; "
                                 "font-weight: normal;\">%4</td></tr></table>")
                      .arg(text.toHtmlEscaped())
                      .arg(gap)
                      .arg(noticeWidth)
                      .arg(tr("The desktop may still take shortcuts such as Alt+Tab.").toHtmlEscaped()));
}

void MainWindow::addRecordedEntry(uint8_t key, uint8_t request)
{
    ButtonTable &table = document_->table();
    const ButtonContent *content = table.activeContent();
    if (!content)
        return;
    const int length = content->length;
    const bool strokeRequest = request == ActionPressRelease;

    // New entries go behind the last selected row, or at the end.
    int lastSelected = -1;
    QItemSelectionModel *selection = ui->listView->selectionModel();
    if (selection) {
        const QModelIndexList selected = selection->selectedIndexes();
        for (const QModelIndex &index : selected)
            lastSelected = std::max(lastSelected, index.row());
        lastSelected = std::min(lastSelected, length - 1);
    }
    const int position = lastSelected >= 0 ? lastSelected : length;

    int inserted = 0;
    if (strokeRequest) {
        if (length + 2 <= entryLimit(table)) {
            table.insertEntryAfter(position, ActionPress, key);
            table.insertEntryAfter(position + 1, ActionRelease, key);
            inserted = 2;
        } else {
            table.maxReached = 1;
            QMetaObject::invokeMethod(this, &MainWindow::reportRecordingLimit,
                                      Qt::QueuedConnection);
        }
    } else if (length < entryLimit(table)) {
        table.insertEntryAfter(position, request, key);
        inserted = 1;
    } else {
        // The button is full: the recording ends here, and the user is told
        // once the key hook has returned.
        table.maxReached = 1;
        QMetaObject::invokeMethod(this, &MainWindow::reportRecordingLimit, Qt::QueuedConnection);
        on_pushButtonStop_clicked();
    }

    if (lastSelected >= 0 && selection && ui->listView->model()) {
        // Every insertion resets the list and with it the selection: the
        // newest entry becomes the only selected row, and the next entry goes
        // directly behind it.
        const QModelIndex row = ui->listView->model()->index(lastSelected + inserted, 0);
        selection->select(row, QItemSelectionModel::Select);
        ui->listView->scrollTo(row, QAbstractItemView::EnsureVisible);
    } else {
        ui->listView->scrollToBottom();
    }
    ui->listView->setFocus(Qt::OtherFocusReason);
}

void MainWindow::reportRecordingLimit()
{
    // Recording raises the flag inside the key hook, where no box may run.
    ButtonTable &table = document_->table();
    if (table.maxReached) {
        table.maxReached = 0;
        showMessage(tr("Information"), tr("Max. number of Keys recorded!"));
    }
}
