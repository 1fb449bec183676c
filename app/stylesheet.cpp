#include "app/stylesheet.h"

QString applicationStyleSheet(const QString &groupTitleColour)
{
    QString sheet = QStringLiteral(
        ".QWidget { background-color: white; }\n"
        "QDialog { background-color: white; }\n"
        "QLabel#labelName { background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #FFFFFF, stop:1 #d6dbe6);"
        " border-top: 3px solid #ff9618; min-height: 3ex; }\n"
        "QLabel#labelHostName { color: #0065ce; }\n"
        "QTabWidget::pane { border-top: 1px solid #DEDBDE; border-bottom: 1px solid #DEDBDE;"
        " border-left: 1px solid #DEDBDE; border-right: 2px solid #DEDBDE; position: absolute; top: -0.1em; }\n"
        "QTabBar::tab { background: #F7F3F7; border: 1px solid #DEDBDE; border-top-left-radius: 3px;"
        " border-top-right-radius: 3px; min-width: 8ex; padding: 2px; }\n"
        "QTabBar::tab:hover { background: #F7F3F7; border: 1px solid #DEDBDE; border-top: 2px solid #FF9618;"
        " border-top-left-radius: 3px; border-top-right-radius: 3px; min-width: 8ex; padding: 2px; }\n"
        "QTabBar::tab:selected { background: white; border: 1px solid #DEDBDE; border-bottom-color: #FFFFFF;"
        " border-top: 3px solid #FF9618; border-top-left-radius: 3px; border-top-right-radius: 3px;"
        " min-width: 8ex; padding: 2px; }\n"
        "QLineEdit { background: white; border: 1px solid #DEDBDE; }\n"
        "QLineEdit { border: 1px solid #DEDBDE; }\n"
        "QLineEdit:disabled { background: #efebef; }\n"
        "QTextEdit { border: 1px solid #DEDBDE; }\n"
        "QComboBox, QSpinBox { border: 1px solid #DEDBDE; border-radius: 3px; }\n"
        "QComboBox::down-arrow { image: url(:/icons/media/downarrow.png); }\n"
        "QComboBox::drop-down { border: 1px solid #C6CBD6;"
        " background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #FFFFFF, stop:1 #C6CBD6); }\n"
        "QComboBox::drop-down:hover {"
        " background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #FFFFFF, stop:1 #D6DBE6); }\n"
        "QComboBox::drop-down:pressed {"
        " background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #FFFFFF, stop:1 #A6ABB6); }\n"
        "QToolBar { background: #EFEFEF; }\n"
        "QToolButton { background: #EFEFEF; }\n"
        "QStatusBar { background: white; border-top: 1px solid #C6CBD6; }\n"
        "QMenuBar { background: #EFEFEF; min-height: 22px; }\n"
        "QMenu { background: #EFEFEF; }\n"
        "QMenu::item:selected { color: #000000; background: #E7E3EF; }\n"
        "QTreeView { border: 1px solid #C6CBD6; }\n"
        "QTreeView::item { border: 1px solid #C6CBD6; border-left-color: transparent;"
        " border-right-color: transparent; }\n"
        "QTreeView::item:selected { color: #000000; border: 1px solid #C6CBD6;"
        " border-left-color: transparent; border-right-color: transparent; }\n"
        "QTreeView::item:selected:active { background: #E7E3EF; }\n"
        "QTreeView::item:selected:!active { background: #E7E3EF; }\n"
        "QGroupBox::title { color: %1; }\n");
    return sheet.arg(groupTitleColour);
}

QString buttonStyleSheet(const QString &borderColour)
{
    return QStringLiteral("QPushButton{background-color: rgb(185, 185, 185); border-width: 1px; "
                          "border-style: solid; border-color: ")
        + borderColour + QStringLiteral(";}");
}

QString initialButtonStyleSheet()
{
    return QStringLiteral("QPushButton{\nbackground-color: rgb(185, 185, 185);\nborder-width: 1px;\n"
                          "border-style: solid;\nborder-color: rgb(0, 0, 0);\n}\n");
}
