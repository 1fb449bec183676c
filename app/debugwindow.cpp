#include "app/debugwindow.h"

#include <QPlainTextEdit>

DBG::DBG(QWidget *parent)
    : QWidget(parent)
{
    if (objectName().isEmpty())
        setObjectName(QStringLiteral("DBG"));
    resize(400, 300);
    setWindowTitle(tr("Form"));
    plainTextEdit = new QPlainTextEdit(this);
    plainTextEdit->setObjectName(QStringLiteral("plainTextEdit"));
    plainTextEdit->setGeometry(QRect(13, 10, 381, 281));
}

DBG::~DBG() = default;

void DBG::appendLine(const QString &text)
{
    plainTextEdit->appendPlainText(text);
}
