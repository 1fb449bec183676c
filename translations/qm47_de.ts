<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>About</name>
    <message>
        <source>About Talvar QM-47 Button Configurator</source>
        <translation>Über Talvar QM-47 Tastenkonfigurator</translation>
    </message>
    <message>
        <source>Talvar QM-47 Button Configurator</source>
        <translation>Talvar QM-47 Tastenkonfigurator</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Version x.x.xxx (0000X)</source>
        <translation>Version x.x.xxx (0000X)</translation>
    </message>
    <message>
        <source>© 2026 Talvar Devices. All rights reserved.</source>
        <translation>© 2026 Talvar Devices. Alle Rechte vorbehalten.</translation>
    </message>
    <message>
        <source>Talvar Devices
Keypad programming tools – talvar.example</source>
        <translation>Talvar Devices
Werkzeuge zum Programmieren von Tastenfeldern – talvar.example</translation>
    </message>
    <message>
        <source>Version </source>
        <translation>Version </translation>
    </message>
</context>
<context>
    <name>ButtonSummaries</name>
    <message>
        <source>Button %1: %2</source>
        <translation>Taste %1: %2</translation>
    </message>
</context>
<context>
    <name>ConfigDocument</name>
    <message>
        <source>Open</source>
        <translation>Öffnen…</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Neu</translation>
    </message>
    <message>
        <source>Get device configuration</source>
        <translation>Konfiguration vom Gerät lesen</translation>
    </message>
</context>
<context>
    <name>EditController</name>
    <message>
        <source>Move up</source>
        <translation>Nach oben</translation>
    </message>
    <message>
        <source>Move down</source>
        <translation>Nach unten</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>Max. number of Keys recorded!</source>
        <translation>Höchstzahl an Tasten aufgenommen!</translation>
    </message>
    <message>
        <source>Insert delay</source>
        <translation>Pause setzen</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Ausschneiden</translation>
    </message>
    <message>
        <source>Line %1: </source>
        <translation>Zeile %1: </translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>The clipboard does not hold a button script.</source>
        <translation>Die Zwischenablage enthält kein Tastenskript.</translation>
    </message>
    <message>
        <source>The clipboard holds no entries to paste.</source>
        <translation>Die Zwischenablage enthält keine Einträge zum Einfügen.</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Einfügen</translation>
    </message>
    <message>
        <source>These characters cannot be typed with the %1 keyboard layout: %2</source>
        <translation>Diese Zeichen lassen sich mit der %1 Tastaturbelegung nicht tippen: %2</translation>
    </message>
    <message>
        <source>Type text</source>
        <translation>Text tippen</translation>
    </message>
    <message>
        <source>%1 entries are needed; the button has room for %2.</source>
        <translation>%1 Einträge werden gebraucht; die Taste hat Platz für %2.</translation>
    </message>
</context>
<context>
    <name>FileController</name>
    <message>
        <source>QM-47 file (*.tkf)</source>
        <translation>QM-47-Datei (*.tkf)</translation>
    </message>
    <message>
        <source>Configuration text (*.txt)</source>
        <translation>Konfigurationstext (*.txt)</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Could not open file!</source>
        <translation>Datei konnte nicht geöffnet werden!</translation>
    </message>
    <message>
        <source>File corrupt! Could not read the file!</source>
        <translation>Datei beschädigt! Die Datei konnte nicht gelesen werden!</translation>
    </message>
    <message>
        <source>File corrupt! Error reading the file.</source>
        <translation>Datei beschädigt! Fehler beim Lesen der Datei.</translation>
    </message>
    <message>
        <source>CRC error reading the file!</source>
        <translation>CRC-Fehler beim Lesen der Datei!</translation>
    </message>
    <message>
        <source>Line %1: </source>
        <translation>Zeile %1: </translation>
    </message>
    <message>
        <source>The configuration text could not be read.</source>
        <translation>Der Konfigurationstext konnte nicht gelesen werden.</translation>
    </message>
    <message>
        <source>Could not create file!</source>
        <translation>Datei konnte nicht angelegt werden!</translation>
    </message>
    <message>
        <source>Save button configuration</source>
        <translation>Tastenkonfiguration speichern</translation>
    </message>
    <message>
        <source>Save configuration</source>
        <translation>Konfiguration speichern</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 ist bereits vorhanden.
Möchten Sie die Datei ersetzen?</translation>
    </message>
    <message>
        <source>The keypad had %1 buttons; a file holds the first %2 only.</source>
        <translation>Das Tastenfeld hatte %1 Tasten; eine Datei fasst nur die ersten %2.</translation>
    </message>
    <message>
        <source>Button %1 holds %2 entries; a file holds the first %3 only.</source>
        <translation>Taste %1 enthält %2 Einträge; eine Datei fasst nur die ersten %3.</translation>
    </message>
    <message>
        <source>Save only what a file holds?</source>
        <translation>Nur speichern, was eine Datei fasst?</translation>
    </message>
    <message>
        <source>Attention</source>
        <translation>Achtung</translation>
    </message>
    <message>
        <source>%1 was changed on disk since it was opened or saved here.
Overwrite it with this configuration, or save this configuration under another name?</source>
        <translation>%1 wurde auf dem Datenträger geändert, seit die Datei hier geöffnet oder gespeichert wurde.
Mit dieser Konfiguration überschreiben oder diese Konfiguration unter einem anderen Namen speichern?</translation>
    </message>
    <message>
        <source>Overwrite</source>
        <translation>Überschreiben</translation>
    </message>
    <message>
        <source>Save as...</source>
        <translation>Speichern unter...</translation>
    </message>
    <message>
        <source>Do you want to save your changes?</source>
        <translation>Möchten Sie die Änderungen speichern?</translation>
    </message>
    <message>
        <source>Open button configuration</source>
        <translation>Tastenkonfiguration öffnen</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>%1 was changed on disk.
Do you want to reload it?</source>
        <translation>%1 wurde auf dem Datenträger geändert.
Möchten Sie die Datei neu laden?</translation>
    </message>
    <message>
        <source>%1 cannot be opened.
Remove it from the recent files?</source>
        <translation>%1 kann nicht geöffnet werden.
Aus der Liste der zuletzt verwendeten Dateien entfernen?</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Please select a button</source>
        <translation>Bitte eine Taste auswählen</translation>
    </message>
    <message>
        <source>Button </source>
        <translation>Taste </translation>
    </message>
    <message>
        <source> active</source>
        <translation> aktiv</translation>
    </message>
    <message>
        <source>active</source>
        <translation>aktiv</translation>
    </message>
    <message>
        <source>unbalanced</source>
        <translation>unausgeglichen</translation>
    </message>
    <message>
        <source>has a script</source>
        <translation>hat ein Skript</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>leer</translation>
    </message>
    <message>
        <source>Move up</source>
        <translation>Nach oben</translation>
    </message>
    <message>
        <source>Move down</source>
        <translation>Nach unten</translation>
    </message>
    <message>
        <source>Could not create file!</source>
        <translation>Datei konnte nicht angelegt werden!</translation>
    </message>
    <message>
        <source>Could not open file!</source>
        <translation>Datei konnte nicht geöffnet werden!</translation>
    </message>
    <message>
        <source>File corrupt! Could not read the file!</source>
        <translation>Datei beschädigt! Die Datei konnte nicht gelesen werden!</translation>
    </message>
    <message>
        <source>File corrupt! Error reading the file.</source>
        <translation>Datei beschädigt! Fehler beim Lesen der Datei.</translation>
    </message>
    <message>
        <source>CRC error reading the file!</source>
        <translation>CRC-Fehler beim Lesen der Datei!</translation>
    </message>
    <message>
        <source>Button %1, %2</source>
        <translation>Taste %1, %2</translation>
    </message>
    <message>
        <source>Talvar QM-47 Button Configurator</source>
        <translation>Talvar QM-47 Tastenkonfigurator</translation>
    </message>
    <message>
        <source>DBG</source>
        <translation>DBG</translation>
    </message>
    <message>
        <source>Choose button</source>
        <translation>Taste wählen</translation>
    </message>
    <message>
        <source>Select button </source>
        <translation>Taste wählen: </translation>
    </message>
    <message>
        <source>Button content</source>
        <translation>Inhalt der Taste</translation>
    </message>
    <message>
        <source>Recording</source>
        <translation>Aufnahme</translation>
    </message>
    <message>
        <source>Start recording</source>
        <translation>Aufnahme starten</translation>
    </message>
    <message>
        <source>Stop recording</source>
        <translation>Aufnahme beenden</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Bearbeiten</translation>
    </message>
    <message>
        <source>Insert a delay</source>
        <translation>Eine Pause einfügen</translation>
    </message>
    <message>
        <source>Move the selection up</source>
        <translation>Auswahl nach oben verschieben</translation>
    </message>
    <message>
        <source>Move the selection down</source>
        <translation>Auswahl nach unten verschieben</translation>
    </message>
    <message>
        <source>Insert a key</source>
        <translation>Eine Taste einfügen</translation>
    </message>
    <message>
        <source>Delete the selection or the last element</source>
        <translation>Auswahl oder letzten Eintrag löschen</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Action</source>
        <translation>&amp;Aktion</translation>
    </message>
    <message>
        <source>Recording to button </source>
        <translation>Aufnahme auf Taste </translation>
    </message>
    <message>
        <source>Insert key to button </source>
        <translation>Taste einfügen in Taste </translation>
    </message>
    <message>
        <source>The desktop may still take shortcuts such as Alt+Tab.</source>
        <translation>Der Desktop kann Tastenkürzel wie Alt+Tab noch selbst ausführen.</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Neu</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>Ö&amp;ffnen…</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>Save &amp;as</source>
        <translation>Speichern &amp;unter…</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Get device configuration</source>
        <translation>Konfiguration vom Gerät &amp;lesen</translation>
    </message>
    <message>
        <source>&amp;Set device configuration</source>
        <translation>Konfiguration an das Gerät &amp;senden</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>Ü&amp;ber</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation>&amp;Start</translation>
    </message>
    <message>
        <source>S&amp;top</source>
        <translation>S&amp;topp</translation>
    </message>
    <message>
        <source>&amp;Insert delay</source>
        <translation>&amp;Pause setzen</translation>
    </message>
    <message>
        <source>&amp;Up</source>
        <translation>Nach &amp;oben</translation>
    </message>
    <message>
        <source>Do&amp;wn</source>
        <translation>Nach &amp;unten</translation>
    </message>
    <message>
        <source>Insert one &amp;key</source>
        <translation>Taste ein&amp;fügen</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Wiederholen</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>&amp;Ausschneiden</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Einfügen</translation>
    </message>
    <message>
        <source>Select &amp;all</source>
        <translation>Alles a&amp;uswählen</translation>
    </message>
    <message>
        <source>T&amp;ype text…</source>
        <translation>&amp;Text tippen…</translation>
    </message>
    <message>
        <source>&amp;Recent files</source>
        <translation>&amp;Zuletzt geöffnet</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation>%1 &amp;rückgängig machen</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>%1 &amp;wiederholen</translation>
    </message>
</context>
<context>
    <name>MyTableModel</name>
    <message>
        <source>Port</source>
        <translation>Schnittstelle</translation>
    </message>
    <message>
        <source>Device name</source>
        <translation>Gerätename</translation>
    </message>
    <message>
        <source>%1 (not usable: the name is not valid in the system&apos;s character encoding)</source>
        <translation>%1 (nicht verwendbar: Der Name ist in der Zeichenkodierung des Systems nicht gültig)</translation>
    </message>
</context>
<context>
    <name>NameTable</name>
    <message>
        <source>German</source>
        <translation>deutschen</translation>
    </message>
    <message>
        <source>French</source>
        <translation>französischen</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>spanischen</translation>
    </message>
    <message>
        <source>Portuguese</source>
        <translation>portugiesischen</translation>
    </message>
    <message>
        <source>English</source>
        <translation>englischen</translation>
    </message>
</context>
<context>
    <name>OverviewActions</name>
    <message>
        <source>E&amp;xport overview…</source>
        <translation>Übersicht e&amp;xportieren…</translation>
    </message>
    <message>
        <source>&amp;Print…</source>
        <translation>&amp;Drucken…</translation>
    </message>
    <message>
        <source>PDF document (*.pdf)</source>
        <translation>PDF-Dokument (*.pdf)</translation>
    </message>
    <message>
        <source>PNG image (*.png)</source>
        <translation>PNG-Bild (*.png)</translation>
    </message>
    <message>
        <source>SVG image (*.svg)</source>
        <translation>SVG-Bild (*.svg)</translation>
    </message>
    <message>
        <source>Export overview</source>
        <translation>Übersicht exportieren</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>The printer could not be started.</source>
        <translation>Der Drucker konnte nicht gestartet werden.</translation>
    </message>
</context>
<context>
    <name>OverviewExport</name>
    <message>
        <source>The overview is written as PDF, PNG or SVG: the file name must end in .pdf, .png or .svg.</source>
        <translation>Die Übersicht wird als PDF, PNG oder SVG geschrieben: Der Dateiname muss auf .pdf, .png oder .svg enden.</translation>
    </message>
    <message>
        <source>The file could not be written.</source>
        <translation>Die Datei konnte nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>The file could not be written: %1</source>
        <translation>Die Datei konnte nicht geschrieben werden: %1</translation>
    </message>
</context>
<context>
    <name>OverviewSheet</name>
    <message>
        <source>What each button does, with the keyboard layout &quot;%1&quot;</source>
        <translation>Was jede Taste tut, mit der Tastaturbelegung „%1“</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Verwerfen</translation>
    </message>
</context>
<context>
    <name>RecordingController</name>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>Please activate a button first!</source>
        <translation>Bitte zuerst eine Taste auswählen!</translation>
    </message>
    <message>
        <source>Max. number of keys for this button recorded!</source>
        <translation>Höchstzahl an Tasten für diese Taste aufgenommen!</translation>
    </message>
    <message>
        <source>Recording</source>
        <translation>Aufnahme</translation>
    </message>
    <message>
        <source>Max. number of Keys recorded!</source>
        <translation>Höchstzahl an Tasten aufgenommen!</translation>
    </message>
    <message>
        <source>Recording aktiv, press OK to stop recording und close the application!</source>
        <translation>Die Aufnahme läuft. Mit OK wird sie beendet und das Programm geschlossen.</translation>
    </message>
    <message>
        <source>Press cancel to continue recording!</source>
        <translation>Mit Abbrechen geht die Aufnahme weiter.</translation>
    </message>
    <message>
        <source>Insert one key</source>
        <translation>Taste einfügen</translation>
    </message>
</context>
<context>
    <name>ScriptSummary</name>
    <message>
        <source>%1 s</source>
        <translation>%1 s</translation>
    </message>
    <message>
        <source>hold %1</source>
        <translation>%1 halten</translation>
    </message>
    <message>
        <source>%1 stays down</source>
        <translation>%1 bleibt gedrückt</translation>
    </message>
    <message>
        <source>en</source>
        <comment>The code of this catalogue&apos;s language, for numbers and dates</comment>
        <translation>de</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>leer</translation>
    </message>
</context>
<context>
    <name>TkfFile</name>
    <message>
        <source>no file name</source>
        <translation>kein Dateiname</translation>
    </message>
    <message>
        <source>the file was not written completely</source>
        <translation>die Datei wurde nicht vollständig geschrieben</translation>
    </message>
    <message>
        <source>the file is too large for a configuration</source>
        <translation>die Datei ist zu groß für eine Konfiguration</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>keine reguläre Datei</translation>
    </message>
    <message>
        <source> (the file system cannot reserve room in advance; the file may have been cut short)</source>
        <translation> (das Dateisystem kann keinen Platz im Voraus reservieren; die Datei ist vielleicht gekürzt)</translation>
    </message>
    <message>
        <source> (the file was left as it was)</source>
        <translation> (die Datei blieb unverändert)</translation>
    </message>
    <message>
        <source>not supported on this system</source>
        <translation>auf diesem System nicht möglich</translation>
    </message>
    <message>
        <source>the name is not valid in the system&apos;s character encoding</source>
        <translation>Der Name ist in der Zeichenkodierung des Systems nicht gültig</translation>
    </message>
</context>
<context>
    <name>TkfText</name>
    <message>
        <source>%1 is not used as a key name here; write the key code (%2)</source>
        <translation>%1 wird hier nicht als Tastenname verwendet; schreiben Sie den Tastencode (%2)</translation>
    </message>
    <message>
        <source> or </source>
        <translation> oder </translation>
    </message>
    <message>
        <source>%1 is not a key name; write a name such as A or LSHIFT, or a code such as 0x1C</source>
        <translation>%1 ist kein Tastenname; schreiben Sie einen Namen wie A oder LSHIFT oder einen Code wie 0x1C</translation>
    </message>
    <message>
        <source>%1 must come before the first &quot;button&quot;</source>
        <translation>%1 muss vor dem ersten „button“ stehen</translation>
    </message>
    <message>
        <source>%1 was already given on line %2</source>
        <translation>%1 steht schon in Zeile %2</translation>
    </message>
    <message>
        <source>%1 needs one number from 0 to %2</source>
        <translation>%1 braucht eine Zahl von 0 bis %2</translation>
    </message>
    <message>
        <source>there are no buttons (&quot;buttons 0&quot;)</source>
        <translation>es gibt keine Tasten („buttons 0“)</translation>
    </message>
    <message>
        <source>&quot;button&quot; needs one number from 1 to %1</source>
        <translation>„button“ braucht eine Zahl von 1 bis %1</translation>
    </message>
    <message>
        <source>button %1 was already given on line %2</source>
        <translation>Taste %1 steht schon in Zeile %2</translation>
    </message>
    <message>
        <source>cannot understand %1; an entry is KEY down, KEY up, delay or KEY delay</source>
        <translation>%1 ist unverständlich; ein Eintrag lautet KEY down, KEY up, delay oder KEY delay</translation>
    </message>
    <message>
        <source>an entry must follow a &quot;button&quot; line</source>
        <translation>ein Eintrag muss auf eine „button“-Zeile folgen</translation>
    </message>
    <message>
        <source>&quot;delay&quot; stands alone; one half of a delay is written KEY delay (0x02 delay, 0x03 delay)</source>
        <translation>„delay“ steht allein; eine halbe Pause schreibt man KEY delay (0x02 delay, 0x03 delay)</translation>
    </message>
    <message>
        <source>%1 is not an action; write down, up or delay</source>
        <translation>%1 ist keine Aktion; schreiben Sie down, up oder delay</translation>
    </message>
    <message>
        <source>%1 (the most a file can hold)</source>
        <translation>%1 (das Maximum einer Datei)</translation>
    </message>
    <message>
        <source>%1 (max-entries)</source>
        <translation>%1 (max-entries)</translation>
    </message>
    <message>
        <source>button %1 would hold more than %2 entries</source>
        <translation>Taste %1 hätte mehr als %2 Einträge</translation>
    </message>
    <message>
        <source>the text holds the scripts of several buttons (%1 and %2); take one button at a time</source>
        <translation>der Text enthält die Skripte mehrerer Tasten (%1 und %2); bitte immer nur eine Taste</translation>
    </message>
</context>
<context>
    <name>TransferCheck</name>
    <message>
        <source>Attention</source>
        <translation>Achtung</translation>
    </message>
    <message>
        <source>The Button content contains successive delays.<byte value="xd"/>
If the Autorepeat function is active in the computer&apos;s keyboard settings,<byte value="xd"/>
it is possible that the previous key action is repeated several times.<byte value="xd"/>
Do you want to continue?</source>
        <translation>Der Tasteninhalt enthält aufeinanderfolgende Pausen.<byte value="xd"/>
Ist in den Tastatureinstellungen des Computers die automatische Tastenwiederholung aktiv,<byte value="xd"/>
kann sich die vorherige Tastenaktion mehrmals wiederholen.<byte value="xd"/>
Möchten Sie fortfahren?</translation>
    </message>
    <message>
        <source>Possible Error</source>
        <translation>Möglicher Fehler</translation>
    </message>
    <message>
        <source>The current configuration of the red marked buttons could lead to errors.<byte value="xd"/>
Do you want to continue?</source>
        <translation>Die aktuelle Konfiguration der rot markierten Tasten kann zu Fehlern führen.<byte value="xd"/>
Möchten Sie fortfahren?</translation>
    </message>
</context>
<context>
    <name>TransferController</name>
    <message>
        <source>Reading configuration</source>
        <translation>Konfiguration wird gelesen</translation>
    </message>
    <message>
        <source>Transmitting configuration</source>
        <translation>Konfiguration wird gesendet</translation>
    </message>
    <message>
        <source>Get device configuration</source>
        <translation>Konfiguration vom Gerät lesen</translation>
    </message>
    <message>
        <source>Set device configuration</source>
        <translation>Konfiguration an das Gerät senden</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>The keypad has %1 buttons; only the first %2 are shown and kept.</source>
        <translation>Das Tastenfeld hat %1 Tasten; nur die ersten %2 werden angezeigt und behalten.</translation>
    </message>
    <message>
        <source>A transfer with the keypad is running. Stop it?</source>
        <translation>Eine Übertragung mit dem Tastenfeld läuft. Abbrechen?</translation>
    </message>
</context>
<context>
    <name>TransferMessages</name>
    <message>
        <source>Error connecting to Serial Port! Port in use.</source>
        <translation>Fehler beim Verbinden mit der seriellen Schnittstelle! Schnittstelle belegt.</translation>
    </message>
    <message>
        <source>Error connecting to Serial Port! %1: %2</source>
        <translation>Fehler beim Verbinden mit der seriellen Schnittstelle! %1: %2</translation>
    </message>
    <message>
        <source>To get access, join the group &quot;%1&quot; that may use the port, then log out and in again:</source>
        <translation>Für den Zugriff treten Sie der Gruppe „%1“ bei, die die Schnittstelle nutzen darf, und melden sich dann ab und wieder an:</translation>
    </message>
    <message>
        <source>Error connecting to seriel port!</source>
        <translation>Fehler beim Verbinden mit der seriellen Schnittstelle!</translation>
    </message>
    <message>
        <source>Cannot connect to the target! Please check the connection / serial port.</source>
        <translation>Keine Verbindung zum Gerät! Bitte Verbindung und serielle Schnittstelle prüfen.</translation>
    </message>
    <message>
        <source>An error occured during cummunication, connection refused! Please try again.</source>
        <translation>Bei der Kommunikation ist ein Fehler aufgetreten, Verbindung abgewiesen! Bitte erneut versuchen.</translation>
    </message>
    <message>
        <source>The transfer was stopped.</source>
        <translation>Die Übertragung wurde abgebrochen.</translation>
    </message>
    <message>
        <source>The keypad may now hold part of the new configuration (buttons 1 to %1 were written); write it again.</source>
        <translation>Das Tastenfeld enthält jetzt möglicherweise einen Teil der neuen Konfiguration (die Tasten 1 bis %1 wurden geschrieben); schreiben Sie sie erneut.</translation>
    </message>
    <message>
        <source>Buttons 1 to %1 were read; the others still show the configuration from before. Undo brings back the configuration as it was.</source>
        <translation>Die Tasten 1 bis %1 wurden gelesen; die übrigen zeigen noch die Konfiguration von vorher. Rückgängig stellt die Konfiguration wieder her, wie sie war.</translation>
    </message>
</context>
<context>
    <name>TransmitShortfall</name>
    <message>
        <source>Buttons the keypad does not have: %1.</source>
        <translation>Tasten, die das Tastenfeld nicht hat: %1.</translation>
    </message>
    <message>
        <source>Buttons cut to the keypad&apos;s %1 entries: %2.</source>
        <translation>Auf die %1 Einträge des Tastenfelds gekürzte Tasten: %2.</translation>
    </message>
    <message>
        <source>The keypad holds %1 buttons with at most %2 entries each, so not all of the configuration was written.</source>
        <translation>Das Tastenfeld hat %1 Tasten mit je höchstens %2 Einträgen, daher wurde nicht die ganze Konfiguration geschrieben.</translation>
    </message>
    <message>
        <source>The configuration itself is unchanged.</source>
        <translation>Die Konfiguration selbst bleibt unverändert.</translation>
    </message>
</context>
<context>
    <name>TypeTextDialog</name>
    <message>
        <source>Type text</source>
        <translation>Text tippen</translation>
    </message>
    <message>
        <source>Text to type with the %1 keyboard layout
(a key press and release per character, Shift for capitals;
room for %2 entries):</source>
        <translation>Text, der mit der %1 Tastaturbelegung getippt wird
(je Zeichen ein Drücken und Loslassen, Umschalt für Großbuchstaben;
Platz für %2 Einträge):</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
</context>
<context>
    <name>comPort</name>
    <message>
        <source>[no permission]</source>
        <translation>[keine Berechtigung]</translation>
    </message>
    <message>
        <source>Serial interface selection</source>
        <translation>Auswahl der seriellen Schnittstelle</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>Start readout / transmit</source>
        <translation>Lesen / Senden starten</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Refresh the serial port list</source>
        <translation>Liste der seriellen Schnittstellen aktualisieren</translation>
    </message>
    <message>
        <source>&amp;Refresh</source>
        <translation>&amp;Neu laden</translation>
    </message>
    <message>
        <source>Please choose the interface where the service cable is connected.</source>
        <translation>Schnittstelle wählen, an der das Servicekabel angeschlossen ist.</translation>
    </message>
    <message>
        <source>Choose serial port</source>
        <translation>Serielle Schnittstelle wählen</translation>
    </message>
    <message>
        <source>Serial ports</source>
        <translation>Serielle Schnittstellen</translation>
    </message>
    <message>
        <source>Talvar QM-47 button configurator</source>
        <translation>Talvar QM-47 Tastenkonfigurator</translation>
    </message>
    <message>
        <source>Selection of the computer interface</source>
        <translation>Auswahl der Computerschnittstelle</translation>
    </message>
    <message>
        <source>Additional port</source>
        <translation>Zusätzliche Schnittstelle</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Records, edits and transfers the key scripts of the QM-47 keypad.</source>
        <translation>Nimmt die Tastenskripte des Tastenfelds QM-47 auf, bearbeitet und überträgt sie.</translation>
    </message>
    <message>
        <source>Configuration to open: a .tkf file, or its text form (.txt).</source>
        <translation>Zu öffnende Konfiguration: eine .tkf-Datei oder ihre Textform (.txt).</translation>
    </message>
    <message>
        <source>Show the texts in this language: de, fr, es, pt or en (default: the system&apos;s language).</source>
        <translation>Texte in dieser Sprache zeigen: de, fr, es, pt oder en (Vorgabe: die Sprache des Systems).</translation>
    </message>
</context>
<context>
    <name>progressBar</name>
    <message>
        <source>Form</source>
        <translation>Formular</translation>
    </message>
</context>
<context>
    <name>qm47</name>
    <message>
        <source>odd number of entries (%1)</source>
        <translation>ungerade Zahl von Einträgen (%1)</translation>
    </message>
    <message>
        <source>entry %1 (%2) has no release after it</source>
        <translation>auf Eintrag %1 (%2) folgt kein Loslassen</translation>
    </message>
    <message>
        <source>entry %1 (%2) has no press before it</source>
        <translation>vor Eintrag %1 (%2) steht kein Drücken</translation>
    </message>
    <message>
        <source>%1 more</source>
        <translation>%1 weitere</translation>
    </message>
    <message>
        <source>unbalanced (a key pressed and never released, or released without being pressed)</source>
        <translation>unausgeglichen (eine Taste wird gedrückt und nie losgelassen oder losgelassen, ohne gedrückt worden zu sein)</translation>
    </message>
    <message>
        <source>Button %1: %2</source>
        <translation>Taste %1: %2</translation>
    </message>
    <message>
        <source>successive delays (with keyboard autorepeat the key action before them may repeat)</source>
        <translation>aufeinanderfolgende Pausen (mit der Tastenwiederholung der Tastatur kann sich die Tastenaktion davor wiederholen)</translation>
    </message>
    <message>
        <source>All %1 buttons are balanced and have no successive delays</source>
        <translation>Alle %1 Tasten sind ausgeglichen und haben keine aufeinanderfolgenden Pausen</translation>
    </message>
    <message>
        <source>Check every button for balance and successive delays.</source>
        <translation>Jede Taste auf Ausgeglichenheit und aufeinanderfolgende Pausen prüfen.</translation>
    </message>
    <message>
        <source>standard input</source>
        <translation>Standardeingabe</translation>
    </message>
    <message>
        <source>standard output</source>
        <translation>Standardausgabe</translation>
    </message>
    <message>
        <source>--to takes tkf or text, not &quot;%1&quot;</source>
        <translation>--to nimmt tkf oder text, nicht „%1“</translation>
    </message>
    <message>
        <source>with - on both sides, say the kind of OUT with --to</source>
        <translation>mit - auf beiden Seiten die Art von OUT mit --to angeben</translation>
    </message>
    <message>
        <source>exactly one of IN and OUT must be a .tkf file</source>
        <translation>genau eines von IN und OUT muss eine .tkf-Datei sein</translation>
    </message>
    <message>
        <source>warning: the file holds more than a configuration (bytes after the checksum, or counts above the limits); the text holds the configuration as the configurator reads it</source>
        <translation>Warnung: die Datei enthält mehr als eine Konfiguration (Bytes nach der Prüfsumme oder Anzahlen über den Grenzen); der Text enthält die Konfiguration so, wie der Konfigurator sie liest</translation>
    </message>
    <message>
        <source>too large to be the text form of a configuration</source>
        <translation>zu groß für die Textform einer Konfiguration</translation>
    </message>
    <message>
        <source>holds no configuration (no statement at all); nothing written</source>
        <translation>enthält keine Konfiguration (gar keine Anweisung); nichts geschrieben</translation>
    </message>
    <message>
        <source>%1, line %2: %3</source>
        <translation>%1, Zeile %2: %3</translation>
    </message>
    <message>
        <source>Run &quot;%1&quot; for help.</source>
        <translation>Hilfe gibt „%1“.</translation>
    </message>
    <message>
        <source>The kind of OUT; IN is the other kind.</source>
        <translation>Die Art von OUT; IN ist die andere.</translation>
    </message>
    <message>
        <source>Convert a configuration file to its text form, or back.</source>
        <translation>Eine Konfigurationsdatei in ihre Textform umwandeln, oder zurück.</translation>
    </message>
    <message>
        <source>The direction follows the extensions: exactly one of IN and OUT ends in .tkf,
the other is the text form (for example .txt). &quot;-&quot; as IN reads standard
input, as OUT writes standard output; that side is of the other kind than the
named file. --to gives the kind of OUT outright (needed with - on both sides).
A file converted to text and back gives the same bytes. A text line that
cannot be understood is reported with its line number, and nothing is written.

The text form has one statement a line:
  buttons N       number of buttons, 0 to 23 (default 23)
  max-entries N   entries per button, 0 to 65535 as stored (default 250)
  button N        the entries below belong to button N (1 to buttons);
                  each button at most once, buttons not listed are empty
  KEY down        a press of KEY
  KEY up          a release of KEY
  delay           a half-second delay (its two halves)
  KEY delay       one delay half with KEY as its key byte, for a half on its
                  own: 0x02 delay is a first half, 0x03 delay a second half
&quot;buttons&quot; and &quot;max-entries&quot; come before the first &quot;button&quot;. A button holds
at most max-entries entries and never more than 250. KEY is the key&apos;s name as
the configurator shows it for an English keyboard (A, LSHIFT, F5, NUM_1, &quot;,&quot;,
&quot;&apos;&quot;, without the quotes) or its code as 0x and two hexadecimal digits (0x1C).
Codes without a name, the backslash (a name of both 0x13 and 0x53) and DELAY
(0xFA) are written in hexadecimal. Everything after # is a comment; case,
blank lines and indentation do not matter.

Example:
  buttons 23
  max-entries 250
  button 1        # copy
    LCTRL down
    C down
    C up
    LCTRL up
  button 2
    A down
    A up
    delay
</source>
        <translation>Die Richtung folgt den Endungen: genau eines von IN und OUT endet auf .tkf,
das andere ist die Textform (zum Beispiel .txt). „-“ als IN liest die
Standardeingabe, als OUT schreibt es auf die Standardausgabe; diese Seite ist
von der anderen Art als die benannte Datei. --to gibt die Art von OUT direkt an
(nötig bei - auf beiden Seiten). Eine Datei, in Text und zurück umgewandelt,
ergibt dieselben Bytes. Eine unverständliche Textzeile wird mit ihrer
Zeilennummer gemeldet, und nichts wird geschrieben.

Die Textform hat eine Anweisung je Zeile:
  buttons N       Zahl der Tasten, 0 bis 23 (Vorgabe 23)
  max-entries N   Einträge je Taste, 0 bis 65535 wie gespeichert (Vorgabe 250)
  button N        die Einträge darunter gehören zu Taste N (1 bis buttons);
                  jede Taste höchstens einmal, nicht genannte Tasten sind leer
  KEY down        ein Drücken von KEY
  KEY up          ein Loslassen von KEY
  delay           eine halbe Sekunde Pause (ihre beiden Hälften)
  KEY delay       eine Pausenhälfte mit KEY als Tastenbyte, für eine Hälfte
                  allein: 0x02 delay ist eine erste, 0x03 delay eine zweite
„buttons“ und „max-entries“ stehen vor dem ersten „button“. Eine Taste
hat höchstens max-entries Einträge und nie mehr als 250. KEY ist der Name der
Taste, wie der Konfigurator ihn für eine englische Tastatur zeigt (A, LSHIFT,
F5, NUM_1, &quot;,&quot;, &quot;&apos;&quot;, ohne die Anführungszeichen), oder ihr Code als 0x und zwei
Hexadezimalziffern (0x1C). Codes ohne Namen, der Backslash (Name von 0x13 und
0x53) und DELAY (0xFA) werden hexadezimal geschrieben. Alles nach # ist ein
Kommentar; Groß- und Kleinschreibung, Leerzeilen und Einrückung spielen keine
Rolle.

Beispiel:
  buttons 23
  max-entries 250
  button 1        # Kopieren
    LCTRL down
    C down
    C up
    LCTRL up
  button 2
    A down
    A up
    delay
</translation>
    </message>
    <message>
        <source>no serial ports found</source>
        <translation>keine seriellen Schnittstellen gefunden</translation>
    </message>
    <message>
        <source>List the serial ports that PORT can name.</source>
        <translation>Die seriellen Schnittstellen auflisten, die PORT nennen kann.</translation>
    </message>
    <message>
        <source>Reading</source>
        <translation>Lesen</translation>
    </message>
    <message>
        <source>the keypad reports %1 buttons of at most %2 entries, or entries a configuration file cannot hold; nothing was written</source>
        <translation>das Tastenfeld meldet %1 Tasten mit höchstens %2 Einträgen oder Einträge, die eine Konfigurationsdatei nicht aufnehmen kann; nichts wurde geschrieben</translation>
    </message>
    <message>
        <source>Read %1 buttons into %2</source>
        <translation>%1 Tasten in %2 gelesen</translation>
    </message>
    <message>
        <source>Read the keypad&apos;s configuration into a configuration file.</source>
        <translation>Die Konfiguration des Tastenfelds in eine Konfigurationsdatei lesen.</translation>
    </message>
    <message>
        <source>--layout takes de, fr, es, pt or en</source>
        <translation>--layout nimmt de, fr, es, pt oder en</translation>
    </message>
    <message>
        <source>%1 buttons, at most %2 entries each</source>
        <translation>%1 Tasten, je höchstens %2 Einträge</translation>
    </message>
    <message>
        <source>Button %1: empty</source>
        <translation>Taste %1: leer</translation>
    </message>
    <message>
        <source>Button %1: 1 entry</source>
        <translation>Taste %1: 1 Eintrag</translation>
    </message>
    <message>
        <source>Button %1: %2 entries</source>
        <translation>Taste %1: %2 Einträge</translation>
    </message>
    <message>
        <source>Show a configuration file as text, one button a block.</source>
        <translation>Eine Konfigurationsdatei als Text zeigen, je Taste ein Block.</translation>
    </message>
    <message>
        <source>Name keys as on this keyboard layout (default en).</source>
        <translation>Tasten wie auf dieser Tastaturbelegung benennen (Vorgabe en).</translation>
    </message>
    <message>
        <source>no entry</source>
        <translation>kein Eintrag</translation>
    </message>
    <message>
        <source>the keypad reports %1 buttons, %2 during the transmit</source>
        <translation>das Tastenfeld meldet %1 Tasten, beim Senden waren es %2</translation>
    </message>
    <message>
        <source>button %1, entry %2: sent %3, read back %4</source>
        <translation>Taste %1, Eintrag %2: gesendet %3, zurückgelesen %4</translation>
    </message>
    <message>
        <source>warning: %1</source>
        <translation>Warnung: %1</translation>
    </message>
    <message>
        <source>Writing</source>
        <translation>Schreiben</translation>
    </message>
    <message>
        <source>Wrote %1 buttons from %2</source>
        <translation>%1 Tasten aus %2 geschrieben</translation>
    </message>
    <message>
        <source>verification readout failed: %1</source>
        <translation>Auslesen zur Prüfung fehlgeschlagen: %1</translation>
    </message>
    <message>
        <source>verification failed: %1</source>
        <translation>Prüfung fehlgeschlagen: %1</translation>
    </message>
    <message>
        <source>Read the keypad back and compare.</source>
        <translation>Das Tastenfeld zurücklesen und vergleichen.</translation>
    </message>
    <message>
        <source>Usage: qm47 COMMAND [OPTIONS] [ARGUMENTS]

Command-line companion of the QM-47 Button Configurator: reads and writes the
keypad&apos;s configuration over its serial cable, and shows, checks and converts
configuration files (.tkf).

Commands:
</source>
        <translation>Aufruf: qm47 BEFEHL [OPTIONEN] [ARGUMENTE]

Kommandozeilen-Begleiter des QM-47 Tastenkonfigurators: liest und schreibt die
Konfiguration des Tastenfelds über sein serielles Kabel und zeigt, prüft und
wandelt Konfigurationsdateien (.tkf) um.

Befehle:
</translation>
    </message>
    <message>
        <source>Usage: %1

%2
</source>
        <translation>Aufruf: %1

%2
</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Optionen:</translation>
    </message>
    <message>
        <source>Show this help.</source>
        <translation>Diese Hilfe zeigen.</translation>
    </message>
    <message>
        <source>%1: unknown option %2</source>
        <translation>%1: unbekannte Option %2</translation>
    </message>
    <message>
        <source>%1: --%2 takes no value</source>
        <translation>%1: --%2 nimmt keinen Wert</translation>
    </message>
    <message>
        <source>%1: --%2 needs a value (%3)</source>
        <translation>%1: --%2 braucht einen Wert (%3)</translation>
    </message>
    <message>
        <source>%1 takes %2; usage: %3</source>
        <translation>%1 nimmt %2; Aufruf: %3</translation>
    </message>
    <message>
        <source>no arguments</source>
        <translation>keine Argumente</translation>
    </message>
    <message>
        <source>unknown command &quot;%1&quot;</source>
        <translation>unbekannter Befehl „%1“</translation>
    </message>
    <message>
        <source>this is the text form of a configuration; make a configuration file of it with &quot;qm47 convert %1 FILE.tkf&quot;</source>
        <translation>das ist die Textform einer Konfiguration; eine Konfigurationsdatei daraus macht „qm47 convert %1 FILE.tkf“</translation>
    </message>
    <message>
        <source>Print the result as a JSON document.</source>
        <translation>Das Ergebnis als JSON-Dokument ausgeben.</translation>
    </message>
    <message>
        <source>The keypad holds what the file holds</source>
        <translation>Das Tastenfeld enthält, was die Datei enthält</translation>
    </message>
    <message>
        <source>The keypad differs from the file</source>
        <translation>Das Tastenfeld weicht von der Datei ab</translation>
    </message>
    <message>
        <source>Show how the keypad differs from a configuration file.</source>
        <translation>Zeigen, worin das Tastenfeld von einer Konfigurationsdatei abweicht.</translation>
    </message>
    <message>
        <source>Print one JSON document per port.</source>
        <translation>Je Schnittstelle ein JSON-Dokument ausgeben.</translation>
    </message>
    <message>
        <source>Lists the ports that the configurator&apos;s port dialog offers, one a line: the
port&apos;s name, a tab and its description. These are the serial ports found on
this computer, then the device paths named in the environment variable
QM47_EXTRA_PORTS (several separated by &apos;:&apos;), such as the pseudo-terminal of
the keypad simulator. Any of the names can be given as PORT to &quot;qm47 read&quot;
and &quot;qm47 write&quot;; so can a device path. A port this user may not open is
marked &quot;[no permission]&quot; (see &quot;Serial port access on Linux&quot; in the README).
A port with names that survive renumbering (the links to it under
/dev/serial/by-id and /dev/serial/by-path) gets a further tab and these
names, separated by spaces; give one of them as PORT where adapters are
plugged in and out. A link whose name is not valid in the system&apos;s character
encoding cannot be given as PORT; it is named on standard error instead, with
its other bytes written as \xHH (&quot;unlisted_links&quot; in JSON).
</source>
        <translation>Listet die Schnittstellen, die der Schnittstellendialog des Konfigurators
anbietet, je Zeile eine: ihr Name, ein Tabulator und ihre Beschreibung. Das
sind die seriellen Schnittstellen dieses Computers, dann die Gerätepfade in
der Umgebungsvariable QM47_EXTRA_PORTS (mehrere durch &apos;:&apos; getrennt), etwa das
Pseudoterminal des Tastenfeld-Simulators. Jeder dieser Namen kann als PORT an
„qm47 read“ und „qm47 write“ gehen, ebenso ein Gerätepfad. Eine
Schnittstelle, die dieser Benutzer nicht öffnen darf, ist mit
„[keine Berechtigung]“ markiert (siehe „Serial port access on Linux“ in
der README).
Eine Schnittstelle mit Namen, die eine Umnummerierung überdauern (die Links
auf sie unter /dev/serial/by-id und /dev/serial/by-path), erhält einen
weiteren Tabulator und diese Namen, durch Leerzeichen getrennt; geben Sie
einen davon als PORT an, wo Adapter ein- und ausgesteckt werden.
Ein Link, dessen Name in der Zeichenkodierung des Systems nicht gültig ist,
kann nicht als PORT angegeben werden; er wird stattdessen auf der
Standardfehlerausgabe genannt, seine übrigen Bytes als \xHH geschrieben
(„unlisted_links“ in JSON).
</translation>
    </message>
    <message>
        <source>Print the list as a JSON document.</source>
        <translation>Die Liste als JSON-Dokument ausgeben.</translation>
    </message>
    <message>
        <source>Print the configuration as a JSON document.</source>
        <translation>Die Konfiguration als JSON-Dokument ausgeben.</translation>
    </message>
    <message>
        <source>Wrote %1 buttons from %2, verified: the keypad holds what was sent</source>
        <translation>%1 Tasten aus %2 geschrieben, geprüft: das Tastenfeld enthält, was gesendet wurde</translation>
    </message>
    <message>
        <source>Unchanged: the keypad already holds the %1 buttons of %2</source>
        <translation>Unverändert: das Tastenfeld enthält schon die %1 Tasten aus %2</translation>
    </message>
    <message>
        <source>Writing %1 keypads</source>
        <translation>%1 Tastenfelder schreiben</translation>
    </message>
    <message>
        <source>Write a configuration file to one keypad or several.</source>
        <translation>Eine Konfigurationsdatei auf ein Tastenfeld oder mehrere schreiben.</translation>
    </message>
    <message>
        <source>Runs a transmit of FILE.tkf over PORT (see &quot;qm47 ports&quot;) as the configurator
does. Unbalanced buttons and successive delays are reported as warnings (see
&quot;qm47 check&quot;) and sent all the same. The keypad takes as many buttons as it
has and at most its maximum of entries per button; when that leaves part of
the file behind, the command says so and fails.
With --verify the configuration is read back afterwards and must equal what
was sent; otherwise the first button and entry that differ are named.
With --if-changed the keypad is read first; when it already holds what the
file would give it, nothing is written and the result says &quot;Unchanged&quot;;
otherwise the file is written and verified. Both end with status 0.
Several PORTs are written at the same time, each on its own; the result
lines follow the order of the PORTs, and the status is 1 if any failed.
A PORT may be a link to the device, such as its stable name under
/dev/serial/by-id.
</source>
        <translation>Sendet FILE.tkf über PORT (siehe „qm47 ports“) wie der Konfigurator.
Unausgeglichene Tasten und aufeinanderfolgende Pausen werden als Warnungen
gemeldet (siehe „qm47 check“) und trotzdem gesendet. Das Tastenfeld nimmt so
viele Tasten, wie es hat, und je Taste höchstens seine Höchstzahl an
Einträgen; bleibt dabei ein Teil der Datei zurück, sagt der Befehl das und
schlägt fehl.
Mit --verify wird die Konfiguration danach zurückgelesen und muss dem
Gesendeten gleichen; sonst werden die erste abweichende Taste und der erste
abweichende Eintrag genannt.
Mit --if-changed wird das Tastenfeld zuerst gelesen; enthält es schon, was
die Datei ihm gäbe, wird nichts geschrieben und das Ergebnis lautet
„Unverändert“; sonst wird die Datei geschrieben und geprüft. Beides endet mit
Status 0.
Mehrere PORTs werden gleichzeitig beschrieben, jeder für sich; die
Ergebniszeilen folgen der Reihenfolge der PORTs, und der Status ist 1, wenn
einer fehlschlug.
Ein PORT darf ein Link auf das Gerät sein, etwa sein beständiger Name unter
/dev/serial/by-id.
</translation>
    </message>
    <message>
        <source>Write only where the keypad holds something else.</source>
        <translation>Nur schreiben, wo das Tastenfeld etwas anderes enthält.</translation>
    </message>
    <message>
        <source>failed: %1</source>
        <translation>fehlgeschlagen: %1</translation>
    </message>
    <message>
        <source>%1 and %2 name the same port</source>
        <translation>%1 und %2 bezeichnen dieselbe Schnittstelle</translation>
    </message>
    <message>
        <source>Reads the keypad over PORT and compares it, button by button, with what
writing FILE.tkf would leave on it. Each button that differs is named, with
the lines of the text form (see &quot;qm47 convert&quot;) that only the keypad holds
(&quot;- &quot;) and those that only the file holds (&quot;+ &quot;). Buttons or entries of the
file that the keypad cannot hold are differences too.
Several PORTs are read at the same time; the results follow their order.
Exit status as diff(1): 0 when every keypad holds what the file holds, 1
when any differs, 2 when a keypad could not be read or the file was refused;
129, 130 or 143 when SIGHUP, SIGINT or SIGTERM stopped the readout.
</source>
        <translation>Liest das Tastenfeld über PORT aus und vergleicht es Taste für Taste mit dem,
was das Schreiben von FILE.tkf darauf hinterließe. Jede abweichende Taste
wird genannt, mit den Zeilen der Textform (siehe „qm47 convert“), die nur das
Tastenfeld enthält („- “), und denen, die nur die Datei enthält („+ “).
Tasten oder Einträge der Datei, die das Tastenfeld nicht aufnehmen kann, sind
ebenfalls Abweichungen.
Mehrere PORTs werden gleichzeitig gelesen; die Ergebnisse folgen ihrer
Reihenfolge.
Exit-Status wie bei diff(1): 0, wenn jedes Tastenfeld enthält, was die Datei
enthält, 1, wenn eines abweicht, 2, wenn ein Tastenfeld nicht gelesen werden
konnte oder die Datei abgelehnt wurde; 129, 130 oder 143, wenn SIGHUP, SIGINT
oder SIGTERM das Auslesen abgebrochen hat.
</translation>
    </message>
    <message>
        <source>read: --json and the configuration cannot share standard output</source>
        <translation>read: --json und die Konfiguration können sich die Standardausgabe nicht teilen</translation>
    </message>
    <message>
        <source>Runs a readout over PORT (see &quot;qm47 ports&quot;) as the configurator does and
writes the configuration to FILE.tkf. The file is written only when the
readout completed; after a failure an existing FILE.tkf stays as it was.
FILE.tkf &quot;-&quot; is standard output, which then carries the configuration
and nothing else.
A progress bar is shown on standard error when it is a terminal.
PORT may be a link to the device, such as its stable name under
/dev/serial/by-id.
</source>
        <translation>Liest das Tastenfeld über PORT (siehe „qm47 ports“) aus wie der Konfigurator
und schreibt die Konfiguration nach FILE.tkf. Die Datei wird nur geschrieben,
wenn das Auslesen vollständig war; nach einem Fehler bleibt eine vorhandene
FILE.tkf unverändert.
FILE.tkf „-“ ist die Standardausgabe, die dann die Konfiguration und sonst
nichts enthält.
Ist die Standardfehlerausgabe ein Terminal, zeigt sie einen
Fortschrittsbalken.
PORT darf ein Link auf das Gerät sein, etwa sein beständiger Name unter
/dev/serial/by-id.
</translation>
    </message>
    <message>
        <source>
Options:
  -h, --help   Show this help.
  --version    Show the version of qm47.
  --lang CODE  Show the texts in this language: de, fr, es, pt or en
               (default: the system&apos;s language).

Run &quot;qm47 COMMAND --help&quot; for the details of a command.
Exit status: 0 on success; 1 when a file is refused, a check fails or a
transfer fails; 2 when the command line is wrong (diff: 1 when the keypad
differs, 2 on trouble); 129, 130 or 143 when SIGHUP, SIGINT or SIGTERM
stopped a transfer of read, write or diff.
</source>
        <translation>
Optionen:
  -h, --help   Diese Hilfe zeigen.
  --version    Die Version von qm47 zeigen.
  --lang CODE  Texte in dieser Sprache zeigen: de, fr, es, pt oder en
               (Vorgabe: die Sprache des Systems).

„qm47 BEFEHL --help“ zeigt die Einzelheiten eines Befehls.
Exit-Status: 0 bei Erfolg; 1, wenn eine Datei abgewiesen wird, eine Prüfung
oder eine Übertragung fehlschlägt; 2, wenn die Befehlszeile falsch ist (diff:
1, wenn das Tastenfeld abweicht, 2 bei Problemen); 129, 130 oder 143, wenn
SIGHUP, SIGINT oder SIGTERM eine Übertragung von read, write oder diff
abgebrochen hat.
</translation>
    </message>
    <message>
        <source>%1: the name is not valid in the system&apos;s character encoding, so qm47 cannot use it; rename it</source>
        <translation>%1: Der Name ist in der Zeichenkodierung des Systems nicht gültig, daher kann qm47 ihn nicht verwenden; benennen Sie ihn um</translation>
    </message>
    <message>
        <source>Runs the checks the configurator runs before a transmit or save on every
button of FILE.tkf: the balance check (every key pressed is released, every
key released was pressed, an even number of entries) and the test for two
delays in a row. Names each button that fails and why, one line each, and
exits with status 1 if any does. With --json the document also carries each
button&apos;s summary in words, for the layout chosen with --layout.
</source>
        <translation>Führt für jede Taste von FILE.tkf die Prüfungen aus, die der Konfigurator vor
dem Senden oder Speichern ausführt: die Prüfung auf Ausgeglichenheit (jede
gedrückte Taste wird losgelassen, jede losgelassene wurde gedrückt, eine gerade
Zahl von Einträgen) und den Test auf zwei Pausen hintereinander. Nennt jede
Taste, die durchfällt, mit dem Grund, je eine Zeile, und endet mit Status 1,
wenn eine durchfällt.
Mit --json enthält das Dokument auch die Zusammenfassung jeder Taste in
Worten, für die mit --layout gewählte Belegung.
</translation>
    </message>
    <message>
        <source>--paper takes a4 or letter</source>
        <translation>--paper nimmt a4 oder letter</translation>
    </message>
    <message>
        <source>OUT must end in .pdf, .png or .svg</source>
        <translation>OUT muss auf .pdf, .png oder .svg enden</translation>
    </message>
    <message>
        <source>Write a sheet of what every button does, to print.</source>
        <translation>Ein Blatt zum Ausdrucken schreiben, das sagt, was jede Taste tut.</translation>
    </message>
    <message>
        <source>Writes the overview sheet of FILE.tkf to OUT: the configuration&apos;s name, the
date and every button in the window&apos;s arrangement with its number and what
it does in words, on one page. The format follows the name of OUT: .pdf,
.png or .svg. The summaries follow the keyboard layout chosen with --layout.
</source>
        <translation>Schreibt das Übersichtsblatt von FILE.tkf nach OUT: den Namen der
Konfiguration, das Datum und jede Taste in der Anordnung des Fensters mit
ihrer Nummer und dem, was sie tut, in Worten, auf einer Seite. Das Format
folgt dem Namen von OUT: .pdf, .png oder .svg. Die Zusammenfassungen folgen
der mit --layout gewählten Tastaturbelegung.
</translation>
    </message>
    <message>
        <source>The paper size of the page (default a4).</source>
        <translation>Das Papierformat der Seite (Vorgabe a4).</translation>
    </message>
    <message>
        <source>Summary: %1</source>
        <translation>Zusammenfassung: %1</translation>
    </message>
    <message>
        <source>Lists every button of FILE.tkf with its entries as the configurator&apos;s content
list shows them: the key&apos;s name followed by &quot;down&quot; or &quot;up&quot;, and a delay as
the two rows &quot;Delay&quot; and &quot;0.5s&quot;. Key names follow the keyboard layout
chosen with --layout (English when not given). Under each button&apos;s heading a
line says what it does in words: the text it types on that layout, its
chords (&quot;Ctrl+Alt+T&quot;), delays and keys held. For a form that can be edited
and turned back into a file, see &quot;qm47 convert&quot;.
</source>
        <translation>Listet jede Taste von FILE.tkf mit ihren Einträgen, wie die Inhaltsliste des
Konfigurators sie zeigt: der Name der Taste, gefolgt von „down“ oder „up“,
und eine Pause als die beiden Zeilen „Delay“ und „0.5s“. Die Tastennamen
folgen der mit --layout gewählten Tastaturbelegung (ohne Angabe Englisch).
Eine Form, die sich bearbeiten und wieder in eine Datei umwandeln lässt,
liefert „qm47 convert“.
Unter der Überschrift jeder Taste sagt eine Zeile in Worten, was sie tut:
den Text, den sie mit dieser Belegung tippt, ihre Tastenkombinationen
(„Ctrl+Alt+T“), Pausen und gehaltene Tasten.
</translation>
    </message>
    <message>
        <source>%1 leads to %2 but is left out: the name is not valid in the system&apos;s character encoding</source>
        <translation>%1 führt zu %2, wird aber ausgelassen: Der Name ist in der Zeichenkodierung des Systems nicht gültig</translation>
    </message>
</context>
</TS>
