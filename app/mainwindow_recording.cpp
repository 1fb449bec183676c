// Recording commands and the keyboard capture slots, handed to the recording
// controller: Start records every key press and release into the active
// button until Stop; Insert one key takes the next key press as one complete
// key stroke. The window takes the keyboard while keys are captured.
#include "app/mainwindow.h"

#include "app/contentlistmodel.h"
#include "app/mainwindow_form.h"
#include "controllers/recordingcontroller.h"
#include "capture/keyboardhook.h"
#include "capture/keyboardlayout.h"
#include "keyboard/keytranslate.h"

#include <QLabel>
#include <QListView>

namespace {

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
    recording_->start();
}

void MainWindow::on_pushButtonKey_clicked()
{
    recording_->insertKey();
}

void MainWindow::on_pushButtonStop_clicked()
{
    recording_->stop();
}

void MainWindow::showCapture(Capture capture)
{
    if (capture != Capture::None) {
        startCapture(this);
        if (capture == Capture::Recording)
            ui->listView->setSelectionMode(QAbstractItemView::SingleSelection);
        showCaptureStatus();
        return;
    }
    keyboardHook::instance()->setHook(false);
    releaseKeyboard();
    // The list re-reads every row, now with the colours it leaves out during
    // a capture.
    listModel_->reread();
    ui->listView->setSelectionMode(QAbstractItemView::ExtendedSelection);
    if (edits_->state().hasActiveButton())
        showActiveButtonStatus();
}

// New entries go behind the last selected row.
void MainWindow::MyKeyPressed(uint32_t key, uint32_t scancode, uint32_t flags)
{
    if (edits_->state().capturing())
        showListFocus(recording_->keyPressed(translateKey(key, scancode, flags),
                                             selectedRows().value(selectedRows().size() - 1, -1)));
}

void MainWindow::MyKeyReleased(uint32_t key, uint32_t scancode, uint32_t flags)
{
    if (edits_->state().capturing())
        showListFocus(recording_->keyReleased(translateKey(key, scancode, flags),
                                              selectedRows().value(selectedRows().size() - 1, -1)));
}

void MainWindow::showCaptureStatus()
{
    const EditorState &state = edits_->state();
    const QString button = QString::number(state.activeButton + 1);
    QString text;
    if (state.capture == Capture::Recording)
        text = tr("Recording to button ") + button;
    else if (state.capture == Capture::KeyInsert)
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
