#include "app/aboutdialog.h"

#include "app/formparts.h"
#include "app/formscale.h"
#include "app/formscheme.h"
#include "app/stylesheet.h"

#include <QFrame>
#include <QIcon>
#include <QLabel>
#include <QMetaObject>
#include <QPixmap>
#include <QPushButton>

About::About(QWidget *parent)
    : QDialog(parent)
{
    if (objectName().isEmpty())
        setObjectName(QStringLiteral("About"));
    resize(501, 222);
    setMinimumSize(501, 222);
    setMaximumSize(501, 222);
    setWindowIcon(squareLogoIcon());
    setStyleSheet(applicationStyleSheet());

    auto *widget_2 = new QWidget(this);
    widget_2->setObjectName(QStringLiteral("widget_2"));
    widget_2->setGeometry(QRect(10, 10, 481, 61));
    auto *label_3 = new QLabel(widget_2);
    label_3->setObjectName(QStringLiteral("label_3"));
    label_3->setGeometry(QRect(350, 0, 131, 61));
    label_3->setPixmap(QPixmap(QStringLiteral(":/images/logo-small.jpg")));
    label_3->setScaledContents(false);
    auto *label_4 = new QLabel(widget_2);
    label_4->setObjectName(QStringLiteral("label_4"));
    label_4->setGeometry(QRect(10, 15, 351, 31));
    QFont headingFont;
    headingFont.setPointSize(12);
    label_4->setFont(headingFont);
    label_4->setStyleSheet(QStringLiteral("color: rgb(9, 20, 82);"));

    auto *widget = new QWidget(this);
    widget->setObjectName(QStringLiteral("widget"));
    widget->setGeometry(QRect(10, 180, 481, 41));
    auto *pushButtonOk = new QPushButton(widget);
    pushButtonOk->setObjectName(QStringLiteral("pushButtonOk"));
    pushButtonOk->setGeometry(QRect(400, 10, 75, 23));

    makeHorizontalLine(this, "line", QRect(-10, 70, 521, 20));
    makeHorizontalLine(this, "line_2", QRect(0, 170, 521, 20));

    label_version = new QLabel(this);
    label_version->setObjectName(QStringLiteral("label_version"));
    label_version->setGeometry(QRect(10, 90, 481, 16));
    QFont boldFont;
    boldFont.setBold(true);
    label_version->setFont(boldFont);
    label_version->setStyleSheet(QStringLiteral("color: rgb(60, 60, 60);"));

    auto *label = new QLabel(this);
    label->setObjectName(QStringLiteral("label"));
    label->setGeometry(QRect(10, 124, 481, 16));
    auto *label_2 = new QLabel(this);
    label_2->setObjectName(QStringLiteral("label_2"));
    label_2->setGeometry(QRect(10, 150, 481, 31));
    label_2->setLineWidth(1);

    setWindowTitle(tr("About Talvar QM-47 Button Configurator"));
    label_4->setText(tr("Talvar QM-47 Button Configurator"));
    pushButtonOk->setText(tr("&OK"));
    label_version->setText(tr("Version x.x.xxx (0000X)"));
    label->setText(tr("\u00A9 2026 Talvar Devices. All rights reserved."));
    label_2->setText(tr("Talvar Devices\nKeypad programming tools \u2013 talvar.example"));

    FormScheme::apply(this);
    scaleFormToApplicationFont(this);

    QMetaObject::connectSlotsByName(this);
}

About::~About() = default;

void About::setVersion(const QString &version)
{
    label_version->setText(tr("Version ") + version);
}

void About::on_pushButtonOk_clicked()
{
    close();
}
