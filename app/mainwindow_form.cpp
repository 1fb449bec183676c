#include "app/mainwindow_form.h"

#include "app/formparts.h"
#include "app/formscale.h"
#include "app/formscheme.h"
#include "app/lazyicon.h"
#include "app/stylesheet.h"

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QIcon>
#include <QPixmap>
#include <QKeySequence>
#include <QLabel>
#include <QListView>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMetaObject>
#include <QPushButton>
#include <QStatusBar>

#include <utility>

namespace {

QAction *makeAction(QMainWindow *window, const char *objectName, const char *iconPath)
{
    auto *action = new QAction(window);
    action->setObjectName(QString::fromLatin1(objectName));
    if (iconPath)
        action->setIcon(lazyPngIcon(QString::fromLatin1(iconPath)));
    return action;
}

QPushButton *makeEditButton(QWidget *parent, const char *objectName, QRect geometry)
{
    auto *button = new QPushButton(parent);
    button->setObjectName(QString::fromLatin1(objectName));
    button->setGeometry(geometry);
    button->setMinimumSize(80, 23);
    return button;
}

} // namespace

void Ui_MainWindow::setupUi(QMainWindow *window)
{
    if (window->objectName().isEmpty())
        window->setObjectName(QStringLiteral("MainWindow"));
    window->resize(520, 414);
    window->setMinimumSize(520, 414);
    window->setMaximumSize(520, 414);
    window->setStyleSheet(applicationStyleSheet());

    actionNew = makeAction(window, "actionNew", ":/images/document-new.png");
    actionOpen = makeAction(window, "actionOpen", ":/images/document-open.png");
    actionSave = makeAction(window, "actionSave", ":/images/document-save.png");
    actionSave->setEnabled(true);
    actionSave_as = makeAction(window, "actionSave_as", ":/images/document-save-as-new2.png");
    actionClose = makeAction(window, "actionClose", nullptr);
    actionReadout = makeAction(window, "actionReadout", ":/images/format-indent-less.png");
    actionTransmit = makeAction(window, "actionTransmit", ":/images/format-indent-more.png");
    actionAbout = makeAction(window, "actionAbout", ":/images/emblem-important.png");
    actionDBG = makeAction(window, "actionDBG", nullptr);
    actionDBG->setEnabled(false);
    actionDBG->setVisible(false);
    actionUndo = makeAction(window, "actionUndo", nullptr);
    actionRedo = makeAction(window, "actionRedo", nullptr);
    actionCut = makeAction(window, "actionCut", nullptr);
    actionCopy = makeAction(window, "actionCopy", nullptr);
    actionPaste = makeAction(window, "actionPaste", nullptr);
    actionDelete = makeAction(window, "actionDelete", nullptr);
    actionSelect_all = makeAction(window, "actionSelect_all", nullptr);
    actionType_text = makeAction(window, "actionType_text", nullptr);

    centralWidget = new QWidget(window);
    centralWidget->setObjectName(QStringLiteral("centralWidget"));

    widget_2 = new QWidget(centralWidget);
    widget_2->setObjectName(QStringLiteral("widget_2"));
    widget_2->setGeometry(QRect(10, 0, 501, 31));
    labelState = new QLabel(widget_2);
    labelState->setObjectName(QStringLiteral("labelState"));
    labelState->setGeometry(QRect(0, 0, 501, 31));
    QFont stateFont;
    stateFont.setPointSize(12);
    stateFont.setBold(true);
    labelState->setFont(stateFont);
    labelState->setStyleSheet(QStringLiteral("color: rgb(9, 20, 82);"));
    labelState->setAlignment(Qt::AlignLeading | Qt::AlignLeft | Qt::AlignVCenter);

    line = makeHorizontalLine(centralWidget, "line", QRect(0, 20, 521, 20));

    groupBoxButton = new QGroupBox(centralWidget);
    groupBoxButton->setObjectName(QStringLiteral("groupBoxButton"));
    groupBoxButton->setGeometry(QRect(10, 40, 164, 289));
    gridLayout = new QGridLayout(groupBoxButton);
    gridLayout->setSpacing(6);
    gridLayout->setContentsMargins(11, 11, 11, 11);
    gridLayout->setObjectName(QStringLiteral("gridLayout"));
    for (int i = 0; i < ButtonCount; ++i) {
        auto *button = new QPushButton(groupBoxButton);
        button->setObjectName(QStringLiteral("pushButton%1").arg(i + 1));
        button->setMinimumSize(30, 30);
        button->setStyleSheet(initialButtonStyleSheet());
        gridLayout->addWidget(button, i / 4, i % 4, 1, 1);
        pushButtons[i] = button;
    }

    groupBoxContent = new QGroupBox(centralWidget);
    groupBoxContent->setObjectName(QStringLiteral("groupBoxContent"));
    groupBoxContent->setGeometry(QRect(296, 40, 214, 289));
    gridLayout_2 = new QGridLayout(groupBoxContent);
    gridLayout_2->setSpacing(6);
    gridLayout_2->setContentsMargins(11, 11, 11, 11);
    gridLayout_2->setObjectName(QStringLiteral("gridLayout_2"));
    listView = new QListView(groupBoxContent);
    listView->setObjectName(QStringLiteral("listView"));
    listView->setStyleSheet(QString());
    listView->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    listView->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    listView->setAutoScroll(true);
    listView->setAutoScrollMargin(16);
    listView->setEditTriggers(QAbstractItemView::NoEditTriggers);
    listView->setSelectionMode(QAbstractItemView::ExtendedSelection);
    listView->setSelectionBehavior(QAbstractItemView::SelectItems);
    listView->setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    gridLayout_2->addWidget(listView, 0, 0, 1, 1);

    groupBoxRecording = new QGroupBox(centralWidget);
    groupBoxRecording->setObjectName(QStringLiteral("groupBoxRecording"));
    groupBoxRecording->setGeometry(QRect(181, 40, 108, 90));
    pushButtonStart = makeEditButton(groupBoxRecording, "pushButtonStart", QRect(10, 26, 90, 23));
    pushButtonStop = makeEditButton(groupBoxRecording, "pushButtonStop", QRect(10, 55, 90, 23));

    groupBoxEdit_2 = new QGroupBox(centralWidget);
    groupBoxEdit_2->setObjectName(QStringLiteral("groupBoxEdit_2"));
    groupBoxEdit_2->setGeometry(QRect(181, 139, 108, 190));
    pushButtonDelay = makeEditButton(groupBoxEdit_2, "pushButtonDelay", QRect(10, 26, 90, 26));
    pushButtonUp = makeEditButton(groupBoxEdit_2, "pushButtonUp", QRect(10, 58, 90, 26));
    pushButtonDown = makeEditButton(groupBoxEdit_2, "pushButtonDown", QRect(10, 90, 90, 25));
    pushButtonKey = makeEditButton(groupBoxEdit_2, "pushButtonKey", QRect(10, 121, 90, 26));
    // Its caption is the longest of the group and would touch the frame of the
    // 90-pixel button in common desktop fonts: set its letters a little closer.
    // Closer letters keep the face of the other captions; a narrower face would
    // be one more font to load and render before the window first appears.
    QFont keyFont = pushButtonKey->font();
    keyFont.setLetterSpacing(QFont::PercentageSpacing, 92);
    pushButtonKey->setFont(keyFont);
    pushButtonDelete = makeEditButton(groupBoxEdit_2, "pushButtonDelete", QRect(10, 153, 90, 26));

    // One line under the boxes, as wide as the status line: room for the
    // one-line summary with its heading in every language.
    labelSummary = new QLabel(centralWidget);
    labelSummary->setObjectName(QStringLiteral("labelSummary"));
    labelSummary->setGeometry(QRect(10, 334, 501, 20));
    labelSummary->setAlignment(Qt::AlignLeading | Qt::AlignLeft | Qt::AlignVCenter);
    labelSummary->setTextFormat(Qt::PlainText);

    window->setCentralWidget(centralWidget);

    menuBar = new QMenuBar(window);
    menuBar->setObjectName(QStringLiteral("menuBar"));
    menuBar->setGeometry(QRect(0, 0, 520, 28));
    QSizePolicy menuPolicy(QSizePolicy::MinimumExpanding, QSizePolicy::Maximum);
    menuBar->setSizePolicy(menuPolicy);
    menuBar->setContextMenuPolicy(Qt::DefaultContextMenu);
    menuBar->setAutoFillBackground(false);
    menuBar->setDefaultUp(false);
    menuFile = new QMenu(menuBar);
    menuFile->setObjectName(QStringLiteral("menuFile"));
    menuRecent = new QMenu(menuFile);
    menuRecent->setObjectName(QStringLiteral("menuRecent"));
    menuEdit = new QMenu(menuBar);
    menuEdit->setObjectName(QStringLiteral("menuEdit"));
    menuAction = new QMenu(menuBar);
    menuAction->setObjectName(QStringLiteral("menuAction"));
    menuAbout = new QMenu(menuBar);
    menuAbout->setObjectName(QStringLiteral("menuAbout"));
    menuAbout->setLayoutDirection(Qt::LeftToRight);
    menuAbout->setTearOffEnabled(false);
    menuAbout->setSeparatorsCollapsible(false);
    window->setMenuBar(menuBar);

    statusBar = new QStatusBar(window);
    statusBar->setObjectName(QStringLiteral("statusBar"));
    statusBar->setSizeGripEnabled(false);
    window->setStatusBar(statusBar);

    menuBar->addAction(menuFile->menuAction());
    menuBar->addAction(menuEdit->menuAction());
    menuBar->addAction(menuAction->menuAction());
    menuBar->addAction(menuAbout->menuAction());
    menuFile->addAction(actionNew);
    menuFile->addSeparator();
    menuFile->addAction(actionOpen);
    menuFile->addAction(menuRecent->menuAction());
    menuFile->addAction(actionSave);
    menuFile->addAction(actionSave_as);
    menuFile->addSeparator();
    menuFile->addAction(actionClose);
    menuEdit->addAction(actionUndo);
    menuEdit->addAction(actionRedo);
    menuEdit->addSeparator();
    menuEdit->addAction(actionCut);
    menuEdit->addAction(actionCopy);
    menuEdit->addAction(actionPaste);
    menuEdit->addAction(actionDelete);
    menuEdit->addSeparator();
    menuEdit->addAction(actionSelect_all);
    menuEdit->addAction(actionType_text);
    menuAction->addAction(actionReadout);
    menuAction->addAction(actionTransmit);
    menuAbout->addAction(actionAbout);
    menuAbout->addAction(actionDBG);

    QWidget *focusChain[] = {pushButtonStart, pushButtonStop, pushButtonDelay, pushButtonUp,
                             pushButtonDown, pushButtonKey, pushButtonDelete, listView};
    QWidget *previous = pushButtons[0];
    for (int i = 1; i < ButtonCount; ++i) {
        QWidget::setTabOrder(previous, pushButtons[i]);
        previous = pushButtons[i];
    }
    for (QWidget *next : focusChain) {
        QWidget::setTabOrder(previous, next);
        previous = next;
    }

    retranslateUi(window);
    FormScheme::apply(window);
    scaleFormToApplicationFont(window);
    setShortcutsActive(true);

    QMetaObject::connectSlotsByName(window);
}

QString Ui_MainWindow::gridButtonDescription(int index, const QString &state)
{
    return QApplication::translate("MainWindow", "Button %1, %2").arg(index + 1).arg(state);
}

void Ui_MainWindow::setShortcutsActive(bool active)
{
    // Quit where the platform has a key for it, else the close of a window:
    // this program has one main window.
    const QKeySequence::StandardKey close =
        QKeySequence::keyBindings(QKeySequence::Quit).isEmpty() ? QKeySequence::Close
                                                                : QKeySequence::Quit;
    const std::pair<QAction *, QKeySequence::StandardKey> shortcuts[] = {
        {actionNew, QKeySequence::New},       {actionOpen, QKeySequence::Open},
        {actionSave, QKeySequence::Save},     {actionSave_as, QKeySequence::SaveAs},
        {actionClose, close},                 {actionUndo, QKeySequence::Undo},
        {actionRedo, QKeySequence::Redo},     {actionCut, QKeySequence::Cut},
        {actionCopy, QKeySequence::Copy},     {actionPaste, QKeySequence::Paste},
        {actionDelete, QKeySequence::Delete}, {actionSelect_all, QKeySequence::SelectAll},
        {actionAbout, QKeySequence::HelpContents},
    };
    for (const auto &[action, key] : shortcuts) {
        QList<QKeySequence> keys;
        if (active)
            keys = QKeySequence::keyBindings(key);
        // Desktops without a key of their own for Save as get the common one.
        if (active && keys.isEmpty() && key == QKeySequence::SaveAs)
            keys = {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S)};
        action->setShortcuts(keys);
    }
}

void Ui_MainWindow::retranslateUi(QMainWindow *window)
{
    window->setWindowTitle(tr("Talvar QM-47 Button Configurator"));
    actionNew->setText(tr("&New"));
    actionOpen->setText(tr("&Open"));
    actionSave->setText(tr("&Save"));
    actionSave_as->setText(tr("Save &as"));
    actionClose->setText(tr("&Close"));
    actionReadout->setText(tr("&Get device configuration"));
    actionTransmit->setText(tr("&Set device configuration"));
    actionAbout->setText(tr("&About"));
    actionDBG->setText(tr("DBG"));
    labelState->setText(tr("Please select a button"));
    groupBoxButton->setTitle(tr("Choose button"));
    for (int i = 0; i < ButtonCount; ++i) {
        pushButtons[i]->setToolTip(tr("Select button ") + QString::number(i + 1));
        pushButtons[i]->setText(QString::number(i + 1));
        pushButtons[i]->setAccessibleDescription(gridButtonDescription(i, tr("empty")));
    }
    groupBoxContent->setTitle(tr("Button content"));
    // Screen readers would announce the arrows by their glyphs and the list
    // and grid by nothing at all.
    listView->setAccessibleName(tr("Button content"));
    pushButtonUp->setAccessibleName(tr("Move up"));
    pushButtonDown->setAccessibleName(tr("Move down"));
    groupBoxRecording->setTitle(tr("Recording"));
    pushButtonStart->setToolTip(tr("Start recording"));
    pushButtonStart->setText(tr("&Start"));
    pushButtonStop->setToolTip(tr("Stop recording"));
    pushButtonStop->setText(tr("S&top"));
    groupBoxEdit_2->setTitle(tr("Edit"));
    pushButtonDelay->setToolTip(tr("Insert a delay"));
    pushButtonDelay->setText(tr("&Insert delay"));
    pushButtonUp->setToolTip(tr("Move the selection up"));
    pushButtonUp->setText(tr("&Up"));
    pushButtonDown->setToolTip(tr("Move the selection down"));
    pushButtonDown->setText(tr("Do&wn"));
    pushButtonKey->setToolTip(tr("Insert a key"));
    pushButtonKey->setText(tr("Insert one &key"));
    pushButtonDelete->setToolTip(tr("Delete the selection or the last element"));
    pushButtonDelete->setText(tr("&Delete"));
    actionUndo->setText(tr("&Undo"));
    actionRedo->setText(tr("&Redo"));
    actionCut->setText(tr("Cu&t"));
    actionCopy->setText(tr("&Copy"));
    actionPaste->setText(tr("&Paste"));
    actionDelete->setText(tr("&Delete"));
    actionSelect_all->setText(tr("Select &all"));
    actionType_text->setText(tr("T&ype text\u2026"));
    menuFile->setTitle(tr("&File"));
    menuRecent->setTitle(tr("&Recent files"));
    menuEdit->setTitle(tr("&Edit"));
    menuAction->setTitle(tr("&Action"));
    menuAbout->setTitle(tr("&Help"));
}
