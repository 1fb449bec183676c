// Spot checks of the interface language through the real programs: the
// session's locale or --lang picks the catalogue, English where none matches,
// and Qt's own texts follow.
#include "app/aboutdialog.h"
#include "app/mainwindow.h"
#include "app/portdialog.h"
#include "app/typetextdialog.h"
#include "translations/uilanguage.h"

#include <QAccessible>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QtTest>

namespace {

// What is wrong with the access keys of one menu or window: an item without
// one, or two with the same.
QStringList accessKeyFaults(const QList<QPair<QString, QKeySequence>> &items)
{
    QStringList faults;
    QMap<QKeySequence, QString> taken;
    for (const auto &[text, key] : items) {
        if (key.isEmpty())
            faults << text + ": none";
        else if (taken.contains(key))
            faults << text + " and " + taken[key] + ": " + key.toString();
        taken.insert(key, text);
    }
    return faults;
}

} // namespace

class TestLanguages : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void programs_data()
    {
        QTest::addColumn<QString>("program");
        QTest::addColumn<QString>("session"); // LANG, then LANGUAGE after a '/'
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("expected"); // a pattern the output holds
        const QString cli = QM47_CLI, gui = QM47_CONFIGURATOR;
        const QString missing = QDir::temp().filePath("qm47-no-such-dir/none.tkf");
        QTest::newRow("qm47 --help") << cli << "de_DE.UTF-8" << QStringList{"--help"} << "^Aufruf: qm47 BEFEHL .*\nBefehle:\n";
        QTest::newRow("refused file: message, then the system's reason")
            << cli << "de_DE.UTF-8" << QStringList{"show", missing} << "none.tkf: Datei konnte nicht geöffnet werden! \\S[^\n]*\\.\n";
        QTest::newRow("--lang overrides") << cli << "de_DE.UTF-8" << QStringList{"--help", "--lang", "es"} << "^Uso: qm47 ORDEN";
        QTest::newRow("--lang=CODE anywhere") << cli << "C.UTF-8" << QStringList{"check", "--lang=pt", missing} << "Não foi possível abrir";
        QTest::newRow("LANGUAGE first") << cli << "de_DE.UTF-8/it:fr" << QStringList{"--help"} << "^Utilisation : qm47";
        QTest::newRow("no catalogue") << cli << "it_IT.UTF-8" << QStringList{"--help"} << "^Usage: qm47 COMMAND";
        // English needs no catalogue; listed first, it is not passed over.
        QTest::newRow("LANGUAGE, English first") << cli << "de_DE.UTF-8/en_GB:fr" << QStringList{"--help"} << "^Usage: qm47 COMMAND";
        QTest::newRow("LANGUAGE, English then German") << cli << "fr_FR.UTF-8/en_US:en:de" << QStringList{"--help"} << "^Usage: qm47 COMMAND";
        QTest::newRow("--lang English") << cli << "de_DE.UTF-8/de" << QStringList{"--help", "--lang=en_GB"} << "^Usage: qm47 COMMAND";
        QTest::newRow("configurator, Qt's own texts too")
            << gui << "es_ES.UTF-8" << QStringList{"--help"} << "Graba, edita.*Muestra la información de versión";
    }
    void programs()
    {
        QFETCH(QString, program);
        QFETCH(QString, session);
        QFETCH(QStringList, arguments);
        QFETCH(QString, expected);
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.remove("LC_ALL");
        env.insert("LANG", session.section('/', 0, 0));
        env.insert("LANGUAGE", session.section('/', 1));
        QProcess process;
        process.setProcessEnvironment(env);
        process.start(program, arguments);
        QVERIFY(process.waitForFinished(30000));
        const QString output = QString::fromUtf8(process.readAllStandardOutput() + process.readAllStandardError());
        QVERIFY2(output.contains(QRegularExpression(expected, QRegularExpression::DotMatchesEverythingOption)),
                 qPrintable(output));
    }

    // The window: our menus and Qt's standard buttons ("Guardar" in Portugal too).
    void window_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QStringList>("texts"); // File and Edit menus, Save, Cancel
        QTest::newRow("de") << "de" << QStringList{"&Datei", "&Bearbeiten", "Speichern", "Abbrechen"};
        QTest::newRow("fr") << "fr" << QStringList{"&Fichier", "É&dition", "Enregistrer", "Annuler"};
        QTest::newRow("es") << "es" << QStringList{"&Archivo", "&Editar", "Guardar", "Cancelar"};
        QTest::newRow("pt") << "pt_PT" << QStringList{"&Ficheiro", "&Editar", "Guardar", "Cancelar"};
        QTest::newRow("no catalogue") << "it" << QStringList{"&File", "&Edit", "Save", "Cancel"};
    }
    void window()
    {
        QFETCH(QString, code);
        QFETCH(QStringList, texts);
        const auto restore = qScopeGuard([] { installTranslations(QStringLiteral("en")); });
        installTranslations(code);
        MainWindow window;
        QMessageBox box;
        box.setStandardButtons(QMessageBox::Save | QMessageBox::Cancel);
        const QList<QAction *> menus = window.menuBar()->actions();
        QCOMPARE(QStringList({menus.at(0)->text(), menus.at(1)->text(), box.button(QMessageBox::Save)->text(),
                              box.button(QMessageBox::Cancel)->text()}),
                 texts);
    }

    // Every menu entry, menu title and button has an access key, no two alike
    // within a menu or a window; screen readers hear the texts without the
    // marker. The grid is walked with the arrows instead.
    void accessKeys_data()
    {
        QTest::addColumn<QString>("code");
        for (const char *code : {"en", "de", "fr", "es", "pt_PT"})
            QTest::newRow(code) << code;
    }
    void accessKeys()
    {
        QFETCH(QString, code);
        const auto restore = qScopeGuard([] { installTranslations(QStringLiteral("en")); });
        installTranslations(code);
        MainWindow window;
        About about;
        comPort ports;
        TypeTextDialog typing("us", 10);
        QStringList faults;
        for (QWidget *w : std::initializer_list<QWidget *>{&window, &about, &ports, &typing}) {
            QList<QPair<QString, QKeySequence>> windowKeys;
            for (QMenuBar *bar : w->findChildren<QMenuBar *>())
                for (QAction *title : bar->actions())
                    windowKeys.append({title->text(), QKeySequence::mnemonic(title->text())});
            for (QAbstractButton *b : w->findChildren<QAbstractButton *>()) {
                if (b->parentWidget()->objectName() == "groupBoxButton" || b->focusPolicy() == Qt::NoFocus)
                    continue;
                windowKeys.append({b->text(), b->shortcut()});
                if (QAccessible::queryAccessibleInterface(b)->text(QAccessible::Name).contains('&'))
                    faults << b->objectName() + ": the screen reader hears the marker";
            }
            faults << accessKeyFaults(windowKeys);
            for (QMenu *menu : w->findChildren<QMenu *>()) {
                QList<QPair<QString, QKeySequence>> entries;
                for (QAction *a : menu->actions())
                    if (!a->isSeparator() && a->isVisible())
                        entries.append({a->text(), QKeySequence::mnemonic(a->text())});
                faults << accessKeyFaults(entries);
            }
        }
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join('\n')));
    }
};

QTEST_MAIN(TestLanguages)
#include "test_languages.moc"
