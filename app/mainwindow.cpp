#include "app/mainwindow.h"

#include "app/aboutdialog.h"
#include "app/contentlistmodel.h"
#include "app/formparts.h"
#include "app/mainwindow_form.h"
#include "controllers/usersettings.h"
#include "app/windowplacement.h"
#include "config/buttontable.h"
#include "controllers/controlstates.h"
#include "controllers/filecontroller.h"
#include "controllers/recordingcontroller.h"
#include "controllers/transfercheck.h"
#include "controllers/transfercontroller.h"
#include "capture/keyboardhook.h"
#include "capture/keyboardlayout.h"

#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QListView>
#include <QPushButton>
#include <QStandardPaths>
#include <QStatusBar>
#include <QTimer>

#ifdef Q_OS_WIN
#include <QSettings>
#endif

namespace {

QString documentsFolder()
{
#ifdef Q_OS_WIN
    QSettings settings(QSettings::NativeFormat, QSettings::UserScope,
                       QStringLiteral("Microsoft"), QStringLiteral("Windows"));
    settings.beginGroup(QStringLiteral("CurrentVersion/Explorer/Shell Folders"));
    return settings.value(QStringLiteral("Personal"), QVariant()).toString();
#else
    return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
#endif
}

// Where the file dialogs start. A documents folder that does not exist would
// turn into the proposed file name, and Save would write a file of that name.
QString startFolder()
{
    const QString documents = documentsFolder();
    return !documents.isEmpty() && QFileInfo(documents).isDir() ? documents : QDir::homePath();
}

} // namespace

MainWindow::MainWindow(QWidget *parent)
    : QMainWindow(parent)
    , ui(new Ui::MainWindow)
{
    setUpDocument();

    ui->setupUi(this);

    // Keys captured while recording; the hook is not set yet.
    connect(keyboardHook::instance(), &keyboardHook::keyPressed, this, &MainWindow::MyKeyPressed);
    connect(keyboardHook::instance(), &keyboardHook::keyReleased, this, &MainWindow::MyKeyReleased);
    connect(keyboardHook::instance(), &keyboardHook::desktopShortcutsChanged, this,
            &MainWindow::showCaptureStatus);

    ui->pushButtonUp->setText(QStringLiteral("\u25B2"));
    ui->pushButtonDown->setText(QStringLiteral("\u25BC"));
    readKeyboardLayout();

    // The list shows the active button's script and re-reads it on every
    // change the document announces.
    ui->listView->setModel(listModel_);
    listSelection = ui->listView->selectionModel();

    check_ = new TransferCheck(*document_, prompts_, this);
    files_ = new FileController(*document_, prompts_, *check_, this);
    transfers_ = new TransferController(*document_, prompts_, prompts_, *files_, *check_, this);
    setUpFileCommands();
    setUpTransfers();

    statusBar()->addWidget(&fileLabel, 0);
    showFileName(document_->shownName());
    document_->setDefaultDirectory(startFolder());
    rebuildRecentMenu();
    showControlStates();
}

MainWindow::~MainWindow()
{
    // Gone before the window's parts, which their signals would reach; the
    // controllers before the document they work on.
    delete transfers_;
    delete files_;
    delete check_;
    delete document_;
    document_ = nullptr;
    // The status bar must not delete the label it was given: it is a member.
    statusBar()->removeWidget(&fileLabel);
    fileLabel.setParent(nullptr);
}

void MainWindow::showFileName(const QString &path)
{
    fileLabel.setText(displayedFileName(path));
}

void MainWindow::centreOver(QWidget *window, const QWidget *reference)
{
    window->move(centredPosition(QPoint(reference->x(), reference->y()), reference->size(),
                                 window->size()));
}

void MainWindow::showProgress()
{
    progressWindow.reset();
    progressWindow.setMinimum(0);
    progressWindow.setMaximum(document_->table().buttonCount);
    centreOver(&progressWindow, this);
    progressWindow.show();
    progressWindow.advance();
}

void MainWindow::advanceProgress(int buttons)
{
    // The keypad reports its number of buttons only after the bar was shown:
    // the bar's range follows it, so that it fills exactly at the last button.
    if (progressWindow.maximum() != buttons)
        progressWindow.setMaximum(buttons);
    progressWindow.advance();
}

void MainWindow::showMessage(const QString &title, const QString &text)
{
    prompts_.tell(title, text);
}

QMessageBox::StandardButton MainWindow::askQuestion(
    const QString &title, const QString &text, QMessageBox::StandardButtons buttons,
    QMessageBox::StandardButton defaultButton,
    const QList<QPair<QMessageBox::StandardButton, QString>> &captions)
{
    return prompts_.askShared(title, text, buttons, defaultButton, captions);
}

void MainWindow::setStatusText(const QString &text)
{
    ui->labelState->setText(text);
}

void MainWindow::showActiveButtonStatus()
{
    const uint8_t selected = edits_->state().activeButton;
    if (selected == NoButton)
        setStatusText(tr("Please select a button"));
    else
        setStatusText(tr("Button ") + QString::number(selected + 1) + tr(" active"));
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    if (!transfers_->stopForClose()) {
        event->ignore();
        return;
    }
    if (edits_->state().capturing()) {
        const auto answer = askQuestion(
            tr("Information"),
            tr("Recording aktiv, press OK to stop recording und close the application!")
                + QStringLiteral("\r\n") + tr("Press cancel to continue recording!"),
            QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Cancel);
        if (answer != QMessageBox::Ok) {
            event->ignore();
            return;
        }
    }
    on_pushButtonStop_clicked();
    if (files_->askSaveChanges())
        event->accept();
    else
        event->ignore();
}

void MainWindow::changeEvent(QEvent *event)
{
    QMainWindow::changeEvent(event);
    // Asked once the activation has settled, outside the event's delivery,
    // and only while the window takes commands.
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        QTimer::singleShot(0, this, [this] {
            if (isActiveWindow() && isEnabled() && !edits_->state().capturing())
                files_->offerReload();
        });
}

void MainWindow::on_actionClose_triggered()
{
    close();
}

void MainWindow::on_actionAbout_triggered()
{
    About dialog;
    centreOver(&dialog, this);
    dialog.setVersion(About::versionText());
    dialog.exec();
}

void MainWindow::on_pushButton1_clicked() { selectButton(0); }
void MainWindow::on_pushButton2_clicked() { selectButton(1); }
void MainWindow::on_pushButton3_clicked() { selectButton(2); }
void MainWindow::on_pushButton4_clicked() { selectButton(3); }
void MainWindow::on_pushButton5_clicked() { selectButton(4); }
void MainWindow::on_pushButton6_clicked() { selectButton(5); }
void MainWindow::on_pushButton7_clicked() { selectButton(6); }
void MainWindow::on_pushButton8_clicked() { selectButton(7); }
void MainWindow::on_pushButton9_clicked() { selectButton(8); }
void MainWindow::on_pushButton10_clicked() { selectButton(9); }
void MainWindow::on_pushButton11_clicked() { selectButton(10); }
void MainWindow::on_pushButton12_clicked() { selectButton(11); }
void MainWindow::on_pushButton13_clicked() { selectButton(12); }
void MainWindow::on_pushButton14_clicked() { selectButton(13); }
void MainWindow::on_pushButton15_clicked() { selectButton(14); }
void MainWindow::on_pushButton16_clicked() { selectButton(15); }
void MainWindow::on_pushButton17_clicked() { selectButton(16); }
void MainWindow::on_pushButton18_clicked() { selectButton(17); }
void MainWindow::on_pushButton19_clicked() { selectButton(18); }
void MainWindow::on_pushButton20_clicked() { selectButton(19); }
void MainWindow::on_pushButton21_clicked() { selectButton(20); }
void MainWindow::on_pushButton22_clicked() { selectButton(21); }
void MainWindow::on_pushButton23_clicked() { selectButton(22); }
