#include "app/mainwindow.h"

#include "app/aboutdialog.h"
#include "app/afterfirstpaint.h"
#include "app/buttonsummaries.h"
#include "app/contentlistmodel.h"
#include "app/formparts.h"
#include "app/gridkeynavigation.h"
#include "app/mainwindow_form.h"
#include "controllers/usersettings.h"
#include "app/windowplacement.h"
#include "config/buttontable.h"
#include "controllers/controlstates.h"
#include "controllers/filecontroller.h"
#include "controllers/recordingcontroller.h"
#include "controllers/transfercheck.h"
#include "controllers/transfercontroller.h"
#include "app/overviewactions.h"
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
    for (int i = 0; i < Ui_MainWindow::ButtonCount; ++i)
        connect(ui->buttonAt(i), &QPushButton::clicked, this, [this, i] { selectButton(i); });
    // The grid is one Tab stop, walked with the arrows. It may still ask for
    // the active button while the window's parts go, after the document.
    new GridKeyNavigation(
        ui->gridLayout, [this] { return document_ ? int(edits_->state().activeButton) : -1; }, this);

    // Keys captured while recording; the hook is not set yet.
    connect(keyboardHook::instance(), &keyboardHook::keyPressed, this, &MainWindow::MyKeyPressed);
    connect(keyboardHook::instance(), &keyboardHook::keyReleased, this, &MainWindow::MyKeyReleased);
    connect(keyboardHook::instance(), &keyboardHook::desktopShortcutsChanged, this,
            &MainWindow::showCaptureStatus);

    // The arrows replace the words, and keep the words' access keys.
    const std::pair<QPushButton *, QString> arrows[] = {{ui->pushButtonUp, QStringLiteral("\u25B2")},
                                                        {ui->pushButtonDown, QStringLiteral("\u25BC")}};
    for (const auto &[button, arrow] : arrows) {
        const QKeySequence accessKey = button->shortcut();
        button->setText(arrow);
        button->setShortcut(accessKey);
    }
    readKeyboardLayout();

    // The list shows the active button's script and re-reads it on every
    // change the document announces.
    ui->listView->setModel(listModel_);
    listSelection = ui->listView->selectionModel();
    summaries_ = new ButtonSummaries(
        *ui, document_->table(), [this] { return int(edits_->state().activeButton); }, listModel_, this);
    overviewActions_ = new OverviewActions(this, ui->menuFile, ui->actionClose, *document_, *summaries_);

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

    // Decoding the logo (and loading the image plug-in it needs) can wait
    // until the window is on the screen.
    runAfterFirstPaint(this, [this] { setWindowIcon(squareLogoIcon()); });
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
    progressBar &bar = progress();
    bar.reset();
    bar.setMinimum(0);
    bar.setMaximum(document_->table().buttonCount);
    centreOver(&bar, this);
    bar.show();
    bar.advance();
}

void MainWindow::advanceProgress(int buttons)
{
    // The keypad reports its number of buttons only after the bar was shown:
    // the bar's range follows it, so that it fills exactly at the last button.
    progressBar &bar = progress();
    if (bar.maximum() != buttons)
        bar.setMaximum(buttons);
    bar.advance();
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
    if (recording_->stopForClose() && files_->askSaveChanges())
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
