// The progress window on a real X server, with and without a compositing
// manager (played by the test, which takes the manager's selection).
#include "app/compositing.h"
#include "app/progresswindow.h"
#include "support/testdisplay.h"

#include <QScreen>
#include <QtTest>

#include <xcb/xcb.h>

#include <cstdlib>
#include <memory>

namespace {

// Owns _NET_WM_CM_S0 on a connection of its own while it lives, as a
// compositing manager does.
class SelectionOwner
{
public:
    SelectionOwner()
        : connection_(xcb_connect(testDisplay().constData(), nullptr))
    {
        const xcb_screen_t *screen = xcb_setup_roots_iterator(xcb_get_setup(connection_)).data;
        const xcb_window_t window = xcb_generate_id(connection_);
        xcb_create_window(connection_, XCB_COPY_FROM_PARENT, window, screen->root, 0, 0, 1, 1, 0,
                          XCB_WINDOW_CLASS_INPUT_ONLY, XCB_COPY_FROM_PARENT, 0, nullptr);
        const char name[] = "_NET_WM_CM_S0";
        xcb_intern_atom_reply_t *atom = xcb_intern_atom_reply(
            connection_, xcb_intern_atom(connection_, 0, sizeof name - 1, name), nullptr);
        xcb_set_selection_owner(connection_, window, atom->atom, XCB_CURRENT_TIME);
        std::free(atom);
        // A round trip: the server has made us the owner when this returns.
        std::free(xcb_get_input_focus_reply(connection_, xcb_get_input_focus(connection_), nullptr));
    }
    ~SelectionOwner() { xcb_disconnect(connection_); }

private:
    xcb_connection_t *connection_;
};

} // namespace

class TestProgressWindowX11 : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        if (testDisplay().isEmpty())
            QSKIP("QM47_TEST_DISPLAY names no private X server");
    }

    void track_data()
    {
        QTest::addColumn<bool>("compositor");
        QTest::newRow("no compositing manager") << false;
        QTest::newRow("compositing manager runs") << true;
    }
    void track()
    {
        QFETCH(bool, compositor);
        std::unique_ptr<SelectionOwner> manager;
        if (compositor)
            manager = std::make_unique<SelectionOwner>();
        QCOMPARE(translucentWindowsBlend(), compositor);
        progressBar bar;
        QCOMPARE(bar.testAttribute(Qt::WA_TranslucentBackground), compositor);
        if (compositor)
            return; // what shows then is the compositing manager's picture

        bar.reset();
        bar.setMinimum(0);
        bar.setMaximum(10);
        bar.move(40, 40);
        bar.show();
        bar.advance();
        QVERIFY(QTest::qWaitForWindowExposed(&bar));
        // The empty track is light, inside a darker frame: not a black box.
        const auto trackShows = [&bar] {
            const QImage shot = bar.screen()->grabWindow(0, 40, 40, bar.width(), bar.height()).toImage();
            const QColor middle = shot.pixelColor(shot.width() / 2, shot.height() / 2);
            const QColor edge = shot.pixelColor(shot.width() / 2, 0);
            return middle.lightness() > 200 && edge.lightness() < middle.lightness();
        };
        QTRY_VERIFY_WITH_TIMEOUT(trackShows(), 5000);
    }
};

int main(int argc, char **argv)
{
    useTestDisplay();
    QApplication app(argc, argv);
    TestProgressWindowX11 test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_progresswindow_x11.moc"
