#include "app/stylesheet.h"

#include "app/formscheme.h"

QString applicationStyleSheet(const QString &groupTitleColour)
{
    QString sheet = QStringLiteral(
        ".QWidget { background-color: white; color: black; }\n"
        "QDialog { background-color: white; color: black; }\n"
        "QLabel#labelName { background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #FFFFFF, stop:1 #d6dbe6);"
        " color: black; border-top: 3px solid #ff9618; min-height: 3ex; }\n"
        "QLabel#labelHostName { color: #0065ce; background: transparent; }\n"
        "QTabWidget::pane { border-top: 1px solid #DEDBDE; border-bottom: 1px solid #DEDBDE;"
        " border-left: 1px solid #DEDBDE; border-right: 2px solid #DEDBDE; position: absolute; top: -0.1em; }\n"
        "QTabBar::tab { background: #F7F3F7; color: black; border: 1px solid #DEDBDE; border-top-left-radius: 3px;"
        " border-top-right-radius: 3px; min-width: 8ex; padding: 2px; }\n"
        "QTabBar::tab:hover { background: #F7F3F7; color: black; border: 1px solid #DEDBDE; border-top: 2px solid #FF9618;"
        " border-top-left-radius: 3px; border-top-right-radius: 3px; min-width: 8ex; padding: 2px; }\n"
        "QTabBar::tab:selected { background: white; color: black; border: 1px solid #DEDBDE; border-bottom-color: #FFFFFF;"
        " border-top: 3px solid #FF9618; border-top-left-radius: 3px; border-top-right-radius: 3px;"
        " min-width: 8ex; padding: 2px; }\n"
        "QLineEdit { background: white; color: black; border: 1px solid #DEDBDE; }\n"
        "QLineEdit { border: 1px solid #DEDBDE; }\n"
        "QLineEdit:disabled { background: #efebef; color: #767676; }\n"
        "QTextEdit { border: 1px solid #DEDBDE; }\n"
        "QComboBox, QSpinBox { border: 1px solid #DEDBDE; border-radius: 3px; }\n"
        "QComboBox::down-arrow { image: url(:/icons/media/downarrow.png); }\n"
        "QComboBox::drop-down { border: 1px solid #C6CBD6; color: black;"
        " background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #FFFFFF, stop:1 #C6CBD6); }\n"
        "QComboBox::drop-down:hover { color: black;"
        " background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #FFFFFF, stop:1 #D6DBE6); }\n"
        "QComboBox::drop-down:pressed { color: black;"
        " background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #FFFFFF, stop:1 #A6ABB6); }\n"
        "QToolBar { background: #EFEFEF; color: black; }\n"
        "QToolButton { background: #EFEFEF; color: black; }\n"
        "QStatusBar { background: white; color: black; border-top: 1px solid #C6CBD6; }\n"
        "QMenuBar { background: #EFEFEF; color: black; min-height: 22px; }\n"
        "QMenuBar:disabled { background: #EFEFEF; color: #767676; }\n"
        "QMenu { background: #EFEFEF; color: black; }\n"
        "QMenu::item:disabled { background: transparent; color: #767676; }\n"
        "QMenu::item:selected { color: #000000; background: #E7E3EF; }\n"
        "QTreeView { border: 1px solid #C6CBD6; }\n"
        "QTreeView::item { border: 1px solid #C6CBD6; border-left-color: transparent;"
        " border-right-color: transparent; }\n"
        "QTreeView::item:selected { color: #000000; background: #E7E3EF; border: 1px solid #C6CBD6;"
        " border-left-color: transparent; border-right-color: transparent; }\n"
        "QTreeView::item:selected:active { background: #E7E3EF; color: #000000; }\n"
        "QTreeView::item:selected:!active { background: #E7E3EF; color: #000000; }\n"
        "QGroupBox::title { color: %1; background: transparent; }\n"
        // Captions on the white window whatever the desktop's text colour,
        // also those added after the form was built (the file name).
        "QLabel { color: black; background: transparent; }\n"
        "QLabel:disabled { color: #767676; background: transparent; }\n"
        // Selected rows of the lists in the menus' light selection colour, in
        // which the content list's red rows stay readable.
        "QListView { selection-background-color: #E7E3EF; selection-color: black; }\n"
        // The port table carries a style sheet of its own, which hands its
        // rows the desktop's colours again: the light scheme's, set here.
        "QTableView { background: white; color: black; border: 1px solid #B8B8B8; gridline-color: #C7C7C7;"
        " selection-background-color: #308CC6; selection-color: white; }\n");
    return sheet.arg(groupTitleColour);
}

namespace {

// What every grid button carries besides its face and mark: a dark caption, a
// disabled caption that stays readable on the grey face, and a keyboard focus
// frame inside the border, so that the mark stays whole.
QString gridButtonStates()
{
    return QStringLiteral("QPushButton{color: black;}"
                          "QPushButton:disabled{color: %1;}"
                          "QPushButton:focus{outline: 2px solid %2;}")
        .arg(FormScheme::disabledGridText().name(), FormScheme::focusFrame().name());
}

} // namespace

QString buttonStyleSheet(const QString &borderColour)
{
    return QStringLiteral("QPushButton{background-color: rgb(185, 185, 185); border-width: 1px; "
                          "border-style: solid; border-color: ")
        + borderColour + QStringLiteral(";}") + gridButtonStates();
}

QString initialButtonStyleSheet()
{
    return QStringLiteral("QPushButton{\nbackground-color: rgb(185, 185, 185);\nborder-width: 1px;\n"
                          "border-style: solid;\nborder-color: rgb(0, 0, 0);\n}\n")
        + gridButtonStates();
}
