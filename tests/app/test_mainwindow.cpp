#include "app/aboutdialog.h"
#include "app/formparts.h"
#include "app/formscale.h"
#include "app/mainwindow.h"
#include "app/portdialog.h"
#include "app/progresswindow.h"
#include "translations/uilanguage.h"
#include "config/buttontable.h"
#include "config/scripttext.h"
#include "capture/keyboardlayout.h"
#include "keyboard/keynames.h"
#include "serial/portlist.h"
#include "support/mainwindowfixture.h"
#include "support/modalanswerer.h"

#include <QAccessible>
#include <QClipboard>
#include <QAction>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QListView>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QStyleOptionButton>
#include <QTableView>
#include <QScopeGuard>
#include <QtTest>

#include <cmath>

namespace {

const char *const FileActions[] = {"actionNew", "actionOpen", "actionSave",
                                   "actionSave_as", "actionReadout", "actionTransmit"};

// Names of the buttons and labels under `root` whose text does not fit them
// in the font they use.
QStringList clippedTexts(QWidget *root)
{
    QStringList clipped;
    for (QPushButton *b : root->findChildren<QPushButton *>()) {
        QStyleOptionButton option;
        option.initFrom(b);
        option.text = b->text();
        const QRect room = b->style()->subElementRect(QStyle::SE_PushButtonContents, &option, b);
        const int width = b->fontMetrics().horizontalAdvance(QString(b->text()).remove('&'));
        if (width > room.width() - 4) // keep clear of the frame
            clipped << b->objectName();
    }
    for (QLabel *l : root->findChildren<QLabel *>()) {
        const QStringList lines = l->text().split('\n');
        int widest = 0;
        for (const QString &line : lines)
            widest = std::max(widest, l->fontMetrics().horizontalAdvance(line));
        const int height = int(lines.size()) * l->fontMetrics().height();
        if (!l->text().isEmpty()
            && (widest > l->contentsRect().width() || height > l->contentsRect().height()))
            clipped << l->objectName();
    }
    return clipped;
}

// WCAG contrast of two colours: 1 (same) to 21 (black on white).
double contrast(QColor a, QColor b)
{
    const auto luminance = [](QColor c) {
        const auto channel = [](double v) {
            return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF())
            + 0.0722 * channel(c.blueF());
    };
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// The contrast of the caption painted in `area`: its most frequent colour is
// the background, the pixel that stands out most from it the text.
double captionContrast(const QImage &image, QRect area)
{
    area &= image.rect();
    QHash<QRgb, int> counts;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            ++counts[image.pixel(x, y)];
    QRgb background = 0;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it)
        if (it.value() > counts.value(background))
            background = it.key();
    double best = 1;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it)
        best = std::max(best, contrast(QColor(background), QColor(it.key())));
    return best;
}

// Captions under `root` that fall short of 4.5 : 1 (3 : 1 when disabled):
// labels, group titles, buttons, the menu bar and its open menus, list rows.
QStringList poorContrast(QWidget *root)
{
    QStringList poor;
    const QImage shot = root->grab().toImage();
    const auto check = [&](const QString &what, const QImage &image, QRect area, bool enabled) {
        const double c = captionContrast(image, area);
        if (c < (enabled ? 4.5 : 3.0))
            poor << QString("%1 %2").arg(what).arg(c, 0, 'f', 2);
    };
    const auto inRoot = [root](QWidget *w, QRect r) { return r.translated(w->mapTo(root, QPoint())); };
    for (QLabel *l : root->findChildren<QLabel *>())
        if (l->isVisibleTo(root) && !l->text().isEmpty())
            check(l->text(), shot, inRoot(l, l->rect()), l->isEnabled());
    for (QGroupBox *g : root->findChildren<QGroupBox *>())
        check(g->title(), shot, inRoot(g, QRect(0, 0, g->width(), g->fontMetrics().height())),
              g->isEnabled());
    for (QPushButton *b : root->findChildren<QPushButton *>()) {
        QStyleOptionButton option;
        option.initFrom(b);
        const QRect room = b->style()->subElementRect(QStyle::SE_PushButtonContents, &option, b);
        check(b->text(), shot, inRoot(b, room.adjusted(2, 2, -2, -2)), b->isEnabled());
    }
    for (QListView *v : root->findChildren<QListView *>())
        for (int row = 0; row < v->model()->rowCount(); ++row) {
            const QModelIndex index = v->model()->index(row, 0);
            check(index.data().toString(), shot, inRoot(v->viewport(), v->visualRect(index)),
                  v->isEnabled());
        }
    for (QMenuBar *bar : root->findChildren<QMenuBar *>())
        for (QAction *a : bar->actions()) {
            check(a->text(), shot, inRoot(bar, bar->actionGeometry(a)), a->isEnabled() && bar->isEnabled());
            QMenu *menu = a->menu();
            menu->popup(root->mapToGlobal(QPoint()));
            if (!QTest::qWaitForWindowExposed(menu))
                poor << menu->title() + " not shown";
            const QImage image = menu->grab().toImage();
            const int iconColumn = menu->style()->pixelMetric(QStyle::PM_SmallIconSize) + 12;
            for (QAction *entry : menu->actions())
                if (entry->isVisible() && !entry->isSeparator())
                    check(entry->text(), image, menu->actionGeometry(entry).adjusted(iconColumn, 0, 0, 0),
                          entry->isEnabled() && menu->isEnabled());
            menu->hide();
        }
    return poor;
}

QPalette darkPalette()
{
    QPalette dark(QColor(0x35, 0x35, 0x35));
    for (auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText, QPalette::BrightText})
        dark.setColor(role, Qt::white);
    dark.setColor(QPalette::Base, QColor(0x2A, 0x2A, 0x2A));
    dark.setColor(QPalette::Highlight, QColor(0x2A, 0x82, 0xDA));
    return dark;
}

} // namespace

class TestMainWindow : public MainWindowFixture
{
    Q_OBJECT

    QString actionState() const
    {
        QString s;
        for (const char *name : FileActions)
            s += action(name)->isEnabled() ? '1' : '0';
        return s;
    }

private Q_SLOTS:
    void init() { QVERIFY(openWindow([this] { window->move(700, 345); })); }
    void cleanup() { window.reset(); }

    // What the forms (test_windowforms) leave out: the file name, the table
    // left as it was, the marks of the grid and the focus order.
    void startUpState()
    {
        QCOMPARE(fileLabel(), QString("QM47_File"));
        QCOMPARE(window->edits().state().activeButton, NoButton);
        QCOMPARE(table().buttonCount, uint8_t(23));
        QCOMPARE(table().maxEntries, uint16_t(250));
        QCOMPARE(editState(), QString("0000000"));
        QCOMPARE(actionState(), QString("111111"));
        for (int n = 1; n <= 23; ++n)
            QVERIFY(button(n)->styleSheet().contains("border-color: rgb(0, 0, 0)"));
        // Focus order: 4 -> 5 and 23 -> Start.
        QCOMPARE(button("pushButton4")->nextInFocusChain(), button("pushButton5"));
        QCOMPARE(button("pushButton23")->nextInFocusChain(), button("pushButtonStart"));
    }

    void selectingAButton()
    {
        button("pushButton5")->click();
        QCOMPARE(status(), QString("Button 5 active"));
        QCOMPARE(window->edits().state().activeButton, uint8_t(4));
        QCOMPARE(editState(), QString("1011111"));
        QVERIFY(button("pushButton5")->styleSheet().contains("rgb(255, 255, 0)"));

        // Another button: the left one gets its resting mark, the new one yellow.
        button("pushButton2")->click();
        QCOMPARE(status(), QString("Button 2 active"));
        QVERIFY(button("pushButton5")->styleSheet().contains("border-color: black"));
        QVERIFY(button("pushButton2")->styleSheet().contains("rgb(255, 255, 0)"));

    }

    void closeWithoutQuestions()
    {
        ModalAnswerer answerer;
        QVERIFY(window->close());
        QVERIFY(answerer.seen().isEmpty());
    }

    // A question's buttons do not stay on the next message, which has a
    // single OK again.
    void messagesAfterAQuestion()
    {
        ModalAnswerer answerer;
        answerer.enqueue(QMessageBox::Cancel);
        window->edits().setCapture(Capture::Recording);
        QVERIFY(!window->close());
        window->edits().setCapture(Capture::None);
        button(1)->click();
        QGuiApplication::clipboard()->setText("no script");
        action("actionPaste")->trigger();
        QCOMPARE(answerer.seen().size(), 2);
        QCOMPARE(answerer.last().buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
        QCOMPARE(answerer.last().title, QString("Error"));
    }

    void aboutDialog()
    {
        About about;
        MainWindow::centreOver(&about, window.get());
        about.setVersion(About::versionText());
        QCOMPARE(about.pos(), QPoint(window->x() + 10, window->y() + 96));
        QCOMPARE(about.windowTitle(), QString("About Talvar QM-47 Button Configurator"));
        QCOMPARE(about.findChild<QLabel *>("label_version")->text(),
                 QString("Version 1.0.000 (00201)"));
        QCOMPARE(about.minimumSize(), QSize(501, 222));
        QCOMPARE(about.maximumSize(), QSize(501, 222));
        about.show();
        QVERIFY(QTest::qWaitForWindowExposed(&about));
        about.findChild<QPushButton *>("pushButtonOk")->click();
        QVERIFY(!about.isVisible());
    }

    // In every language, under the stock palette and a dark one, at the
    // design font and larger ones, no text of the windows is cut off (also
    // the longest texts of the status line) and every caption stands out from
    // its background.
    void noTextIsClippedOrFaint_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<bool>("dark");
        QTest::addColumn<int>("points");
        for (const char *language : {"en", "de", "fr", "es", "pt"}) {
            const auto row = [&](const char *look) -> QTestData & {
                return QTest::addRow("%s, %s", language, look) << QString(language);
            };
            row("stock palette, 9 pt") << false << 9;
            row("dark palette, 9 pt") << true << 9;
            row("10 pt") << false << 10;
            row("11 pt") << false << 11;
            row("dark palette, 12 pt") << true << 12;
        }
    }
    void noTextIsClippedOrFaint()
    {
        QFETCH(QString, language);
        QFETCH(bool, dark);
        QFETCH(int, points);
        const QPalette stockPalette = QApplication::palette();
        const QFont stockFont = QApplication::font();
        const auto restore = qScopeGuard([&] {
            QApplication::setPalette(stockPalette);
            QApplication::setFont(stockFont);
            installTranslations(QStringLiteral("en"));
        });
        QCOMPARE(installTranslations(language), language == "en" ? QString() : language);
        if (dark)
            QApplication::setPalette(darkPalette());
        QFont font = referenceFormFont();
        font.setPointSize(points);
        QApplication::setFont(font);
        QVERIFY(openWindow());

        // Rows of both colours, one of them selected.
        edit(0, entriesOf(scripttext::script("a+ b+ a- [ ]")));
        button(1)->click();
        listView()->setCurrentIndex(listView()->model()->index(1, 0));
        QCOMPARE(clippedTexts(window.get()).join(", "), QString());
        QCOMPARE(poorContrast(window.get()).join("; "), QString());
        auto *state = window->findChild<QLabel *>("labelState");
        const auto text = [](const char *english) {
            return QCoreApplication::translate("MainWindow", english);
        };
        for (const QString &shown :
             {text("Transmitting configuration"), text("Reading configuration"),
              text("Recording to button ") + "23", text("Insert key to button ") + "23",
              text("Please select a button")}) {
            state->setText(shown);
            QCOMPARE(clippedTexts(window.get()).join(", "), QString());
        }
        window->setEnabled(false); // busy: a dialog or a transfer runs
        QCOMPARE(poorContrast(window.get()).join("; "), QString());

        About about;
        about.setVersion(About::versionText());
        QCOMPARE(clippedTexts(&about).join(", "), QString());
        QCOMPARE(poorContrast(&about).join("; "), QString());
        comPort ports;
        applyDialogLook(&ports, "blue");
        ports.setTransferTitle(text("Set device configuration"));
        QCOMPARE(clippedTexts(&ports).join(", "), QString());
        QCOMPARE(poorContrast(&ports).join("; "), QString());
        // The table's header grows with the rows under it.
        QHeaderView *header = ports.findChild<QTableView *>("tableView")->horizontalHeader();
        header->ensurePolished();
        QCOMPARE(QFontInfo(header->font()).pixelSize(), qRound(12 * formScaleFactor(font)));
    }

    // The keyboard focus frame of a grid button stands out from its face and
    // leaves the mark (the border) as it is.
    void focusFrameIsVisible()
    {
        button(3)->click(); // yellow mark
        listView()->setFocus();
        const QImage plain = button(3)->grab().toImage();
        button(3)->setFocus(Qt::TabFocusReason);
        QTRY_VERIFY(button(3)->hasFocus());
        const QImage focused = button(3)->grab().toImage();
        const QColor face(185, 185, 185);
        int framePixels = 0;
        for (int y = 0; y < plain.height(); ++y)
            for (int x = 0; x < plain.width(); ++x) {
                const bool border = x == 0 || y == 0 || x == plain.width() - 1 || y == plain.height() - 1;
                if (border)
                    QCOMPARE(focused.pixel(x, y), plain.pixel(x, y));
                else if (focused.pixel(x, y) != plain.pixel(x, y) && plain.pixel(x, y) == face.rgb()) {
                    QVERIFY(contrast(face, QColor(focused.pixel(x, y))) >= 3.0);
                    ++framePixels;
                }
            }
        QVERIFY2(framePixels >= 4 * (plain.width() - 4), qPrintable(QString::number(framePixels)));
    }

    // Screen readers get names for the list, the arrows and the port table,
    // and the marks of the grid in words.
    void accessibleTexts()
    {
        edit(0, entriesOf(scripttext::script("2:28 3:28")));
        edit(1, entriesOf(scripttext::script("a- a+")));
        window->refreshAllMarks();
        button(3)->click();
        comPort ports;
        const struct { QObject *object; QAccessible::Text role; const char *expected; } rows[] = {
            {listView(), QAccessible::Name, "Button content"},
            {button("pushButtonUp"), QAccessible::Name, "Move up"},
            {button("pushButtonDown"), QAccessible::Name, "Move down"},
            {ports.findChild<QTableView *>("tableView"), QAccessible::Name, "Serial ports"},
            {button(1), QAccessible::Description, "Button 1, has a script: a"},
            {button(2), QAccessible::Description, "Button 2, unbalanced: 0x40, 0x40 stays down"},
            {button(3), QAccessible::Description, "Button 3, active"},
            {button(4), QAccessible::Description, "Button 4, empty"},
        };
        for (const auto &row : rows) {
            QAccessibleInterface *face = QAccessible::queryAccessibleInterface(row.object);
            QVERIFY(face);
            QTRY_COMPARE(face->text(row.role), QString(row.expected));
        }
    }

    // The active button's summary follows its script; the grid's tips tell
    // every button's.
    void summaryFollowsTheScript()
    {
        auto *line = window->findChild<QLabel *>("labelSummary");
        button(2)->click();
        QTRY_COMPARE(line->text(), QString("Button 2: empty"));
        bool typed = false;
        window->edits().typeText({}, "Hi\n", nameTableFor(keyboardLayoutId()), &typed);
        QVERIFY(typed);
        QTRY_COMPARE(line->text(), QString("Button 2: Hi\u23CE"));
        QTRY_VERIFY(button(2)->toolTip().contains("Hi\u23CE"));
        QCOMPARE(button(3)->toolTip(), QString("Select button 3"));
    }

    void progressWindow()
    {
        progressBar bar;
        QVERIFY(bar.windowFlags().testFlag(Qt::FramelessWindowHint));
        QCOMPARE(bar.windowType(), Qt::SplashScreen);
        QCOMPARE(bar.size(), QSize(250, 23));
        bar.reset();
        bar.setMinimum(0);
        bar.setMaximum(23);
        QCOMPARE(bar.value(), -1);
        bar.advance();
        QCOMPARE(bar.value(), 0);
        for (int i = 0; i < 23; ++i)
            bar.advance();
        QCOMPARE(bar.value(), 23);
        bar.advance(); // beyond the maximum: stays full
        QCOMPARE(bar.value(), 23);
        MainWindow::centreOver(&bar, window.get());
        QCOMPARE(bar.pos(), QPoint(window->x() + 135, window->y() + 196));
    }
};

QTEST_MAIN(TestMainWindow)
#include "test_mainwindow.moc"
