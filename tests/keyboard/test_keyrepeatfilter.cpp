// Releases of held keys told from real ones, in each way of judging them.
#include "keyboard/keyrepeatfilter.h"

#include <QtTest>

using Mode = KeyRepeatFilter::Mode;
Q_DECLARE_METATYPE(Mode)

namespace {

QString text(const KeyRepeatFilter::Event &e)
{
    return QString("%1%2").arg(e.pressed ? 'P' : 'R').arg(e.keycode);
}

} // namespace

class TestKeyRepeatFilter : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void decides_data()
    {
        QTest::addColumn<Mode>("mode");
        // "P38@5" a press of keycode 38 at time 5, "R" a release, "*" marked
        // as a repeat by the toolkit.
        QTest::addColumn<QString>("events");
        // What is handed on; after "|" what only the end of waiting gives.
        QTest::addColumn<QString>("decided");
        const Mode hold = Mode::HoldReleases;
        QTest::newRow("held: pairs with one time") << hold << "P38@1 R38@5 P38@5 R38@9 P38@9 R38@20"
                                                   << "P38 P38 P38 | R38";
        QTest::newRow("held: marked pairs") << hold << "P38@1 R38@5* P38@5* R38@9" << "P38 P38 | R38";
        QTest::newRow("three fast strokes") << hold << "P38@1 R38@2 P38@3 R38@4 P38@5 R38@6"
                                            << "P38 R38 P38 R38 P38 | R38";
        QTest::newRow("other key, same time") << hold << "P38@1 R38@2 P39@2" << "P38 R38 P39";
        QTest::newRow("two releases, same time") << hold << "P38@1 P39@2 R38@3 R39@3"
                                                 << "P38 P39 R38 | R39";
        QTest::newRow("toolkit: marks decide") << Mode::ToolkitMark << "P38@1 R38@5* P38@5* R38@5 P38@5"
                                               << "P38 P38 R38 P38";
        QTest::newRow("no repeat releases: marks ignored")
            << Mode::NoRepeatReleases << "P38@1 R38@2* P38@2* R38@3" << "P38 R38 P38 R38";
    }
    void decides()
    {
        QFETCH(Mode, mode);
        QFETCH(QString, events);
        QFETCH(QString, decided);
        KeyRepeatFilter filter(Mode::HoldReleases);
        filter.feed({false, 38, 0, false, {}}); // held, and forgotten by reset
        filter.reset(mode);
        QStringList out;
        for (QString token : events.split(' ')) {
            KeyRepeatFilter::Event e;
            e.pressed = token.startsWith('P');
            e.markedRepeat = token.endsWith('*');
            token.remove('*');
            const QStringList parts = token.mid(1).split('@');
            e.keycode = parts[0].toUInt();
            e.time = parts[1].toULongLong();
            for (const KeyRepeatFilter::Event &d : filter.feed(e))
                out << text(d);
        }
        out << "|";
        if (const auto last = filter.flush())
            out << text(*last);
        QVERIFY(!filter.holdsRelease());
        QCOMPARE(out.join(' ').remove(QRegularExpression(" \\|$")), decided);
    }
};

QTEST_APPLESS_MAIN(TestKeyRepeatFilter)
#include "test_keyrepeatfilter.moc"
