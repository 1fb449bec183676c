<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>About</name>
    <message>
        <source>About Talvar QM-47 Button Configurator</source>
        <translation>À propos de Talvar QM-47 Configurateur de boutons</translation>
    </message>
    <message>
        <source>Talvar QM-47 Button Configurator</source>
        <translation>Talvar QM-47 Configurateur</translation>
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
        <translation>© 2026 Talvar Devices. Tous droits réservés.</translation>
    </message>
    <message>
        <source>Talvar Devices
Keypad programming tools – talvar.example</source>
        <translation>Talvar Devices
Outils de programmation de claviers – talvar.example</translation>
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
        <translation>Bouton %1 : %2</translation>
    </message>
</context>
<context>
    <name>ConfigDocument</name>
    <message>
        <source>Open</source>
        <translation>Ouvrir…</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nouveau</translation>
    </message>
    <message>
        <source>Get device configuration</source>
        <translation>Lire la configuration de l’appareil</translation>
    </message>
</context>
<context>
    <name>EditController</name>
    <message>
        <source>Move up</source>
        <translation>Monter</translation>
    </message>
    <message>
        <source>Move down</source>
        <translation>Descendre</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>Max. number of Keys recorded!</source>
        <translation>Nombre maximal de touches enregistré !</translation>
    </message>
    <message>
        <source>Insert delay</source>
        <translation>Insérer pause</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Couper</translation>
    </message>
    <message>
        <source>Line %1: </source>
        <translation>Ligne %1 : </translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>The clipboard does not hold a button script.</source>
        <translation>Le presse-papiers ne contient pas de script de bouton.</translation>
    </message>
    <message>
        <source>The clipboard holds no entries to paste.</source>
        <translation>Le presse-papiers ne contient aucune entrée à coller.</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Coller</translation>
    </message>
    <message>
        <source>These characters cannot be typed with the %1 keyboard layout: %2</source>
        <translation>Ces caractères ne peuvent pas être saisis avec la disposition de clavier %1 : %2</translation>
    </message>
    <message>
        <source>Type text</source>
        <translation>Saisir du texte</translation>
    </message>
    <message>
        <source>%1 entries are needed; the button has room for %2.</source>
        <translation>%1 entrées sont nécessaires ; le bouton a de la place pour %2.</translation>
    </message>
</context>
<context>
    <name>FileController</name>
    <message>
        <source>QM-47 file (*.tkf)</source>
        <translation>Fichier QM-47 (*.tkf)</translation>
    </message>
    <message>
        <source>Configuration text (*.txt)</source>
        <translation>Texte de configuration (*.txt)</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>Could not open file!</source>
        <translation>Impossible d’ouvrir le fichier !</translation>
    </message>
    <message>
        <source>File corrupt! Could not read the file!</source>
        <translation>Fichier endommagé ! Impossible de lire le fichier !</translation>
    </message>
    <message>
        <source>File corrupt! Error reading the file.</source>
        <translation>Fichier endommagé ! Erreur de lecture du fichier.</translation>
    </message>
    <message>
        <source>CRC error reading the file!</source>
        <translation>Erreur CRC à la lecture du fichier !</translation>
    </message>
    <message>
        <source>Line %1: </source>
        <translation>Ligne %1 : </translation>
    </message>
    <message>
        <source>The configuration text could not be read.</source>
        <translation>Le texte de configuration n’a pas pu être lu.</translation>
    </message>
    <message>
        <source>Could not create file!</source>
        <translation>Impossible de créer le fichier !</translation>
    </message>
    <message>
        <source>Save button configuration</source>
        <translation>Enregistrer la configuration des boutons</translation>
    </message>
    <message>
        <source>Save configuration</source>
        <translation>Enregistrer la configuration</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 existe déjà.
Voulez-vous le remplacer ?</translation>
    </message>
    <message>
        <source>The keypad had %1 buttons; a file holds the first %2 only.</source>
        <translation>Le clavier avait %1 touches ; un fichier ne contient que les %2 premières.</translation>
    </message>
    <message>
        <source>Button %1 holds %2 entries; a file holds the first %3 only.</source>
        <translation>La touche %1 contient %2 entrées ; un fichier ne contient que les %3 premières.</translation>
    </message>
    <message>
        <source>Save only what a file holds?</source>
        <translation>N&apos;enregistrer que ce qu&apos;un fichier peut contenir ?</translation>
    </message>
    <message>
        <source>Attention</source>
        <translation>Attention</translation>
    </message>
    <message>
        <source>%1 was changed on disk since it was opened or saved here.
Overwrite it with this configuration, or save this configuration under another name?</source>
        <translation>%1 a été modifié sur le disque depuis qu&apos;il a été ouvert ou enregistré ici.
L&apos;écraser avec cette configuration, ou enregistrer cette configuration sous un autre nom ?</translation>
    </message>
    <message>
        <source>Overwrite</source>
        <translation>Écraser</translation>
    </message>
    <message>
        <source>Save as...</source>
        <translation>Enregistrer sous...</translation>
    </message>
    <message>
        <source>Do you want to save your changes?</source>
        <translation>Voulez-vous enregistrer les modifications ?</translation>
    </message>
    <message>
        <source>Open button configuration</source>
        <translation>Ouvrir une configuration de boutons</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>%1 was changed on disk.
Do you want to reload it?</source>
        <translation>%1 a été modifié sur le disque.
Voulez-vous le recharger ?</translation>
    </message>
    <message>
        <source>%1 cannot be opened.
Remove it from the recent files?</source>
        <translation>%1 ne peut pas être ouvert.
Le retirer des fichiers récents ?</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Please select a button</source>
        <translation>Veuillez choisir un bouton</translation>
    </message>
    <message>
        <source>Button </source>
        <translation>Bouton </translation>
    </message>
    <message>
        <source> active</source>
        <translation> actif</translation>
    </message>
    <message>
        <source>active</source>
        <translation>actif</translation>
    </message>
    <message>
        <source>unbalanced</source>
        <translation>déséquilibré</translation>
    </message>
    <message>
        <source>has a script</source>
        <translation>contient un script</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>vide</translation>
    </message>
    <message>
        <source>Move up</source>
        <translation>Monter</translation>
    </message>
    <message>
        <source>Move down</source>
        <translation>Descendre</translation>
    </message>
    <message>
        <source>Could not create file!</source>
        <translation>Impossible de créer le fichier !</translation>
    </message>
    <message>
        <source>Could not open file!</source>
        <translation>Impossible d’ouvrir le fichier !</translation>
    </message>
    <message>
        <source>File corrupt! Could not read the file!</source>
        <translation>Fichier endommagé ! Impossible de lire le fichier !</translation>
    </message>
    <message>
        <source>File corrupt! Error reading the file.</source>
        <translation>Fichier endommagé ! Erreur de lecture du fichier.</translation>
    </message>
    <message>
        <source>CRC error reading the file!</source>
        <translation>Erreur CRC à la lecture du fichier !</translation>
    </message>
    <message>
        <source>Button %1, %2</source>
        <translation>Bouton %1, %2</translation>
    </message>
    <message>
        <source>Talvar QM-47 Button Configurator</source>
        <translation>Talvar QM-47 Configurateur de boutons</translation>
    </message>
    <message>
        <source>DBG</source>
        <translation>DBG</translation>
    </message>
    <message>
        <source>Choose button</source>
        <translation>Choisir un bouton</translation>
    </message>
    <message>
        <source>Select button </source>
        <translation>Choisir le bouton </translation>
    </message>
    <message>
        <source>Button content</source>
        <translation>Contenu du bouton</translation>
    </message>
    <message>
        <source>Recording</source>
        <translation>Enregistrement</translation>
    </message>
    <message>
        <source>Start recording</source>
        <translation>Démarrer l’enregistrement</translation>
    </message>
    <message>
        <source>Stop recording</source>
        <translation>Arrêter l’enregistrement</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Édition</translation>
    </message>
    <message>
        <source>Insert a delay</source>
        <translation>Insérer une pause</translation>
    </message>
    <message>
        <source>Move the selection up</source>
        <translation>Monter la sélection</translation>
    </message>
    <message>
        <source>Move the selection down</source>
        <translation>Descendre la sélection</translation>
    </message>
    <message>
        <source>Insert a key</source>
        <translation>Insérer une touche</translation>
    </message>
    <message>
        <source>Delete the selection or the last element</source>
        <translation>Supprimer la sélection ou le dernier élément</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>É&amp;dition</translation>
    </message>
    <message>
        <source>&amp;Action</source>
        <translation>A&amp;ction</translation>
    </message>
    <message>
        <source>Recording to button </source>
        <translation>Enregistrement sur le bouton </translation>
    </message>
    <message>
        <source>Insert key to button </source>
        <translation>Insérer une touche dans le bouton </translation>
    </message>
    <message>
        <source>The desktop may still take shortcuts such as Alt+Tab.</source>
        <translation>Le bureau peut encore intercepter des raccourcis comme Alt+Tab.</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nouveau</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Ouvrir…</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>Save &amp;as</source>
        <translation>Enregistrer &amp;sous…</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Get device configuration</source>
        <translation>&amp;Lire la configuration de l’appareil</translation>
    </message>
    <message>
        <source>&amp;Set device configuration</source>
        <translation>&amp;Envoyer la configuration à l’appareil</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>À &amp;propos</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation>Dé&amp;marrer</translation>
    </message>
    <message>
        <source>S&amp;top</source>
        <translation>A&amp;rrêter</translation>
    </message>
    <message>
        <source>&amp;Insert delay</source>
        <translation>&amp;Insérer pause</translation>
    </message>
    <message>
        <source>&amp;Up</source>
        <translation>&amp;Haut</translation>
    </message>
    <message>
        <source>Do&amp;wn</source>
        <translation>&amp;Bas</translation>
    </message>
    <message>
        <source>Insert one &amp;key</source>
        <translation>Insérer &amp;touche</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Supprimer</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rétablir</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>Co&amp;uper</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copier</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>C&amp;oller</translation>
    </message>
    <message>
        <source>Select &amp;all</source>
        <translation>&amp;Tout sélectionner</translation>
    </message>
    <message>
        <source>T&amp;ype text…</source>
        <translation>Sa&amp;isir du texte…</translation>
    </message>
    <message>
        <source>&amp;Recent files</source>
        <translation>Fichiers &amp;récents</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation>&amp;Annuler : %1</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>&amp;Rétablir : %1</translation>
    </message>
</context>
<context>
    <name>MyTableModel</name>
    <message>
        <source>Port</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>Device name</source>
        <translation>Nom de l’appareil</translation>
    </message>
    <message>
        <source>%1 (not usable: the name is not valid in the system&apos;s character encoding)</source>
        <translation>%1 (inutilisable : le nom n’est pas valide dans le codage de caractères du système)</translation>
    </message>
</context>
<context>
    <name>NameTable</name>
    <message>
        <source>German</source>
        <translation>allemande</translation>
    </message>
    <message>
        <source>French</source>
        <translation>française</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>espagnole</translation>
    </message>
    <message>
        <source>Portuguese</source>
        <translation>portugaise</translation>
    </message>
    <message>
        <source>English</source>
        <translation>anglaise</translation>
    </message>
</context>
<context>
    <name>OverviewActions</name>
    <message>
        <source>E&amp;xport overview…</source>
        <translation>E&amp;xporter la vue d’ensemble…</translation>
    </message>
    <message>
        <source>&amp;Print…</source>
        <translation>Im&amp;primer…</translation>
    </message>
    <message>
        <source>PDF document (*.pdf)</source>
        <translation>Document PDF (*.pdf)</translation>
    </message>
    <message>
        <source>PNG image (*.png)</source>
        <translation>Image PNG (*.png)</translation>
    </message>
    <message>
        <source>SVG image (*.svg)</source>
        <translation>Image SVG (*.svg)</translation>
    </message>
    <message>
        <source>Export overview</source>
        <translation>Exporter la vue d’ensemble</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>The printer could not be started.</source>
        <translation>L’imprimante n’a pas pu être démarrée.</translation>
    </message>
</context>
<context>
    <name>OverviewExport</name>
    <message>
        <source>The overview is written as PDF, PNG or SVG: the file name must end in .pdf, .png or .svg.</source>
        <translation>La vue d’ensemble s’écrit en PDF, PNG ou SVG : le nom du fichier doit se terminer par .pdf, .png ou .svg.</translation>
    </message>
    <message>
        <source>The file could not be written.</source>
        <translation>Le fichier n’a pas pu être écrit.</translation>
    </message>
    <message>
        <source>The file could not be written: %1</source>
        <translation>Le fichier n’a pas pu être écrit : %1</translation>
    </message>
</context>
<context>
    <name>OverviewSheet</name>
    <message>
        <source>What each button does, with the keyboard layout &quot;%1&quot;</source>
        <translation>Ce que fait chaque bouton, avec la disposition de clavier « %1 »</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Ne pas enregistrer</translation>
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
        <translation>Veuillez d’abord choisir un bouton !</translation>
    </message>
    <message>
        <source>Max. number of keys for this button recorded!</source>
        <translation>Nombre maximal de touches enregistré pour ce bouton !</translation>
    </message>
    <message>
        <source>Recording</source>
        <translation>Enregistrement</translation>
    </message>
    <message>
        <source>Max. number of Keys recorded!</source>
        <translation>Nombre maximal de touches enregistré !</translation>
    </message>
    <message>
        <source>Recording aktiv, press OK to stop recording und close the application!</source>
        <translation>L’enregistrement est en cours. Cliquez sur OK pour l’arrêter et fermer l’application.</translation>
    </message>
    <message>
        <source>Press cancel to continue recording!</source>
        <translation>Cliquez sur Annuler pour poursuivre l’enregistrement.</translation>
    </message>
    <message>
        <source>Insert one key</source>
        <translation>Insérer touche</translation>
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
        <translation>maintenir %1</translation>
    </message>
    <message>
        <source>%1 stays down</source>
        <translation>%1 reste enfoncée</translation>
    </message>
    <message>
        <source>en</source>
        <comment>The code of this catalogue&apos;s language, for numbers and dates</comment>
        <translation>fr</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>vide</translation>
    </message>
</context>
<context>
    <name>TkfFile</name>
    <message>
        <source>no file name</source>
        <translation>aucun nom de fichier</translation>
    </message>
    <message>
        <source>the file was not written completely</source>
        <translation>le fichier n’a pas été écrit entièrement</translation>
    </message>
    <message>
        <source>the file is too large for a configuration</source>
        <translation>le fichier est trop grand pour une configuration</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>pas un fichier ordinaire</translation>
    </message>
    <message>
        <source> (the file system cannot reserve room in advance; the file may have been cut short)</source>
        <translation> (le système de fichiers ne peut pas réserver la place à l’avance ; le fichier a peut-être été tronqué)</translation>
    </message>
    <message>
        <source> (the file was left as it was)</source>
        <translation> (le fichier est resté tel quel)</translation>
    </message>
    <message>
        <source>not supported on this system</source>
        <translation>non pris en charge sur ce système</translation>
    </message>
    <message>
        <source>the name is not valid in the system&apos;s character encoding</source>
        <translation>le nom n’est pas valide dans le codage de caractères du système</translation>
    </message>
</context>
<context>
    <name>TkfText</name>
    <message>
        <source>%1 is not used as a key name here; write the key code (%2)</source>
        <translation>%1 n’est pas utilisé ici comme nom de touche ; écrivez le code de la touche (%2)</translation>
    </message>
    <message>
        <source> or </source>
        <translation> ou </translation>
    </message>
    <message>
        <source>%1 is not a key name; write a name such as A or LSHIFT, or a code such as 0x1C</source>
        <translation>%1 n’est pas un nom de touche ; écrivez un nom comme A ou LSHIFT, ou un code comme 0x1C</translation>
    </message>
    <message>
        <source>%1 must come before the first &quot;button&quot;</source>
        <translation>%1 doit précéder le premier «&#xa0;button&#xa0;»</translation>
    </message>
    <message>
        <source>%1 was already given on line %2</source>
        <translation>%1 figure déjà à la ligne %2</translation>
    </message>
    <message>
        <source>%1 needs one number from 0 to %2</source>
        <translation>%1 attend un nombre de 0 à %2</translation>
    </message>
    <message>
        <source>there are no buttons (&quot;buttons 0&quot;)</source>
        <translation>il n’y a aucun bouton («&#xa0;buttons 0&#xa0;»)</translation>
    </message>
    <message>
        <source>&quot;button&quot; needs one number from 1 to %1</source>
        <translation>«&#xa0;button&#xa0;» attend un nombre de 1 à %1</translation>
    </message>
    <message>
        <source>button %1 was already given on line %2</source>
        <translation>le bouton %1 figure déjà à la ligne %2</translation>
    </message>
    <message>
        <source>cannot understand %1; an entry is KEY down, KEY up, delay or KEY delay</source>
        <translation>%1 est incompréhensible ; une entrée s’écrit KEY down, KEY up, delay ou KEY delay</translation>
    </message>
    <message>
        <source>an entry must follow a &quot;button&quot; line</source>
        <translation>une entrée doit suivre une ligne «&#xa0;button&#xa0;»</translation>
    </message>
    <message>
        <source>&quot;delay&quot; stands alone; one half of a delay is written KEY delay (0x02 delay, 0x03 delay)</source>
        <translation>«&#xa0;delay&#xa0;» s’écrit seul ; une moitié de pause s’écrit KEY delay (0x02 delay, 0x03 delay)</translation>
    </message>
    <message>
        <source>%1 is not an action; write down, up or delay</source>
        <translation>%1 n’est pas une action ; écrivez down, up ou delay</translation>
    </message>
    <message>
        <source>%1 (the most a file can hold)</source>
        <translation>%1 (le maximum d’un fichier)</translation>
    </message>
    <message>
        <source>%1 (max-entries)</source>
        <translation>%1 (max-entries)</translation>
    </message>
    <message>
        <source>button %1 would hold more than %2 entries</source>
        <translation>le bouton %1 aurait plus de %2 entrées</translation>
    </message>
    <message>
        <source>the text holds the scripts of several buttons (%1 and %2); take one button at a time</source>
        <translation>le texte contient les scripts de plusieurs boutons (%1 et %2) ; prenez un bouton à la fois</translation>
    </message>
</context>
<context>
    <name>TransferCheck</name>
    <message>
        <source>Attention</source>
        <translation>Attention</translation>
    </message>
    <message>
        <source>The Button content contains successive delays.<byte value="xd"/>
If the Autorepeat function is active in the computer&apos;s keyboard settings,<byte value="xd"/>
it is possible that the previous key action is repeated several times.<byte value="xd"/>
Do you want to continue?</source>
        <translation>Le contenu du bouton contient des pauses successives.<byte value="xd"/>
Si la répétition automatique est active dans les réglages du clavier de l’ordinateur,<byte value="xd"/>
l’action de touche précédente peut être répétée plusieurs fois.<byte value="xd"/>
Voulez-vous continuer ?</translation>
    </message>
    <message>
        <source>Possible Error</source>
        <translation>Erreur possible</translation>
    </message>
    <message>
        <source>The current configuration of the red marked buttons could lead to errors.<byte value="xd"/>
Do you want to continue?</source>
        <translation>La configuration actuelle des boutons marqués en rouge peut provoquer des erreurs.<byte value="xd"/>
Voulez-vous continuer ?</translation>
    </message>
</context>
<context>
    <name>TransferController</name>
    <message>
        <source>Reading configuration</source>
        <translation>Lecture de la configuration</translation>
    </message>
    <message>
        <source>Transmitting configuration</source>
        <translation>Envoi de la configuration</translation>
    </message>
    <message>
        <source>Get device configuration</source>
        <translation>Lire la configuration de l’appareil</translation>
    </message>
    <message>
        <source>Set device configuration</source>
        <translation>Envoyer la configuration à l’appareil</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>The keypad has %1 buttons; only the first %2 are shown and kept.</source>
        <translation>Le clavier a %1 touches ; seules les %2 premières sont affichées et conservées.</translation>
    </message>
    <message>
        <source>A transfer with the keypad is running. Stop it?</source>
        <translation>Un transfert avec le clavier est en cours. L’arrêter ?</translation>
    </message>
</context>
<context>
    <name>TransferMessages</name>
    <message>
        <source>Error connecting to Serial Port! Port in use.</source>
        <translation>Erreur de connexion au port série ! Port occupé.</translation>
    </message>
    <message>
        <source>Error connecting to Serial Port! %1: %2</source>
        <translation>Erreur de connexion au port série ! %1 : %2</translation>
    </message>
    <message>
        <source>To get access, join the group &quot;%1&quot; that may use the port, then log out and in again:</source>
        <translation>Pour y accéder, rejoignez le groupe «&#xa0;%1&#xa0;» autorisé à utiliser le port, puis fermez la session et rouvrez-la :</translation>
    </message>
    <message>
        <source>Error connecting to seriel port!</source>
        <translation>Erreur de connexion au port série !</translation>
    </message>
    <message>
        <source>Cannot connect to the target! Please check the connection / serial port.</source>
        <translation>Connexion à l’appareil impossible ! Vérifiez la connexion et le port série.</translation>
    </message>
    <message>
        <source>An error occured during cummunication, connection refused! Please try again.</source>
        <translation>Une erreur est survenue pendant la communication, connexion refusée ! Veuillez réessayer.</translation>
    </message>
    <message>
        <source>The transfer was stopped.</source>
        <translation>Le transfert a été arrêté.</translation>
    </message>
    <message>
        <source>The keypad may now hold part of the new configuration (buttons 1 to %1 were written); write it again.</source>
        <translation>Le clavier contient peut-être maintenant une partie de la nouvelle configuration (les boutons 1 à %1 ont été écrits) ; écrivez-la de nouveau.</translation>
    </message>
    <message>
        <source>Buttons 1 to %1 were read; the others still show the configuration from before. Undo brings back the configuration as it was.</source>
        <translation>Les boutons 1 à %1 ont été lus ; les autres montrent encore la configuration d’avant. Annuler rétablit la configuration telle qu’elle était.</translation>
    </message>
</context>
<context>
    <name>TransmitShortfall</name>
    <message>
        <source>Buttons the keypad does not have: %1.</source>
        <translation>Boutons que le clavier n’a pas : %1.</translation>
    </message>
    <message>
        <source>Buttons cut to the keypad&apos;s %1 entries: %2.</source>
        <translation>Boutons réduits aux %1 entrées du clavier : %2.</translation>
    </message>
    <message>
        <source>The keypad holds %1 buttons with at most %2 entries each, so not all of the configuration was written.</source>
        <translation>Le clavier compte %1 boutons d’au plus %2 entrées chacun ; la configuration n’a donc pas été écrite entièrement.</translation>
    </message>
    <message>
        <source>The configuration itself is unchanged.</source>
        <translation>La configuration elle-même n’a pas changé.</translation>
    </message>
</context>
<context>
    <name>TypeTextDialog</name>
    <message>
        <source>Type text</source>
        <translation>Saisir du texte</translation>
    </message>
    <message>
        <source>Text to type with the %1 keyboard layout
(a key press and release per character, Shift for capitals;
room for %2 entries):</source>
        <translation>Texte à saisir avec la disposition de clavier %1
(un appui et un relâchement par caractère, Maj pour les majuscules ;
place pour %2 entrées) :</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
</context>
<context>
    <name>comPort</name>
    <message>
        <source>[no permission]</source>
        <translation>[pas d’autorisation]</translation>
    </message>
    <message>
        <source>Serial interface selection</source>
        <translation>Choix de l’interface série</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>Start readout / transmit</source>
        <translation>Démarrer la lecture / l’envoi</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Refresh the serial port list</source>
        <translation>Actualiser la liste des ports série</translation>
    </message>
    <message>
        <source>&amp;Refresh</source>
        <translation>A&amp;ctualiser</translation>
    </message>
    <message>
        <source>Please choose the interface where the service cable is connected.</source>
        <translation>Choisissez l’interface à laquelle le câble de service est branché.</translation>
    </message>
    <message>
        <source>Choose serial port</source>
        <translation>Choisir le port série</translation>
    </message>
    <message>
        <source>Serial ports</source>
        <translation>Ports série</translation>
    </message>
    <message>
        <source>Talvar QM-47 button configurator</source>
        <translation>Talvar QM-47 Configurateur</translation>
    </message>
    <message>
        <source>Selection of the computer interface</source>
        <translation>Choix de l’interface de l’ordinateur</translation>
    </message>
    <message>
        <source>Additional port</source>
        <translation>Port supplémentaire</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Records, edits and transfers the key scripts of the QM-47 keypad.</source>
        <translation>Enregistre, modifie et transfère les scripts de touches du clavier QM-47.</translation>
    </message>
    <message>
        <source>Configuration to open: a .tkf file, or its text form (.txt).</source>
        <translation>Configuration à ouvrir : un fichier .tkf ou sa forme texte (.txt).</translation>
    </message>
    <message>
        <source>Show the texts in this language: de, fr, es, pt or en (default: the system&apos;s language).</source>
        <translation>Afficher les textes dans cette langue : de, fr, es, pt ou en (par défaut : la langue du système).</translation>
    </message>
</context>
<context>
    <name>progressBar</name>
    <message>
        <source>Form</source>
        <translation>Formulaire</translation>
    </message>
</context>
<context>
    <name>qm47</name>
    <message>
        <source>odd number of entries (%1)</source>
        <translation>nombre impair d’entrées (%1)</translation>
    </message>
    <message>
        <source>entry %1 (%2) has no release after it</source>
        <translation>l’entrée %1 (%2) n’est suivie d’aucun relâchement</translation>
    </message>
    <message>
        <source>entry %1 (%2) has no press before it</source>
        <translation>l’entrée %1 (%2) n’est précédée d’aucun appui</translation>
    </message>
    <message>
        <source>%1 more</source>
        <translation>%1 de plus</translation>
    </message>
    <message>
        <source>unbalanced (a key pressed and never released, or released without being pressed)</source>
        <translation>déséquilibré (une touche appuyée et jamais relâchée, ou relâchée sans avoir été appuyée)</translation>
    </message>
    <message>
        <source>Button %1: %2</source>
        <translation>Bouton %1 : %2</translation>
    </message>
    <message>
        <source>successive delays (with keyboard autorepeat the key action before them may repeat)</source>
        <translation>pauses successives (avec la répétition automatique du clavier, l’action de touche qui les précède peut se répéter)</translation>
    </message>
    <message>
        <source>All %1 buttons are balanced and have no successive delays</source>
        <translation>Les %1 boutons sont tous équilibrés et sans pauses successives</translation>
    </message>
    <message>
        <source>Check every button for balance and successive delays.</source>
        <translation>Vérifier l’équilibre et les pauses successives de chaque bouton.</translation>
    </message>
    <message>
        <source>standard input</source>
        <translation>entrée standard</translation>
    </message>
    <message>
        <source>standard output</source>
        <translation>sortie standard</translation>
    </message>
    <message>
        <source>--to takes tkf or text, not &quot;%1&quot;</source>
        <translation>--to accepte tkf ou text, pas «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>with - on both sides, say the kind of OUT with --to</source>
        <translation>avec - des deux côtés, indiquez le type de OUT avec --to</translation>
    </message>
    <message>
        <source>exactly one of IN and OUT must be a .tkf file</source>
        <translation>exactement l’un de IN et OUT doit être un fichier .tkf</translation>
    </message>
    <message>
        <source>warning: the file holds more than a configuration (bytes after the checksum, or counts above the limits); the text holds the configuration as the configurator reads it</source>
        <translation>avertissement : le fichier contient plus qu’une configuration (des octets après la somme de contrôle, ou des nombres au-delà des limites) ; le texte contient la configuration telle que le configurateur la lit</translation>
    </message>
    <message>
        <source>too large to be the text form of a configuration</source>
        <translation>trop grand pour être la forme texte d’une configuration</translation>
    </message>
    <message>
        <source>holds no configuration (no statement at all); nothing written</source>
        <translation>ne contient aucune configuration (aucune instruction) ; rien n’a été écrit</translation>
    </message>
    <message>
        <source>%1, line %2: %3</source>
        <translation>%1, ligne %2 : %3</translation>
    </message>
    <message>
        <source>Run &quot;%1&quot; for help.</source>
        <translation>Lancez «&#xa0;%1&#xa0;» pour obtenir de l’aide.</translation>
    </message>
    <message>
        <source>The kind of OUT; IN is the other kind.</source>
        <translation>Le type de OUT ; IN est de l’autre type.</translation>
    </message>
    <message>
        <source>Convert a configuration file to its text form, or back.</source>
        <translation>Convertir un fichier de configuration en sa forme texte, ou l’inverse.</translation>
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
        <translation>Le sens suit les extensions : exactement l’un de IN et OUT finit par .tkf,
l’autre est la forme texte (par exemple .txt). «&#xa0;-&#xa0;» comme IN lit l’entrée
standard, comme OUT écrit sur la sortie standard ; ce côté est de l’autre type
que le fichier nommé. --to donne directement le type de OUT (nécessaire avec -
des deux côtés). Un fichier converti en texte puis reconverti redonne les mêmes
octets. Une ligne de texte incompréhensible est signalée avec son numéro, et
rien n’est écrit.

La forme texte a une instruction par ligne :
  buttons N       nombre de boutons, de 0 à 23 (23 par défaut)
  max-entries N   entrées par bouton, de 0 à 65535 tel que stocké (250 par
                  défaut)
  button N        les entrées qui suivent appartiennent au bouton N (de 1 à
                  buttons) ; chaque bouton au plus une fois, les boutons
                  absents sont vides
  KEY down        un appui sur KEY
  KEY up          un relâchement de KEY
  delay           une pause d’une demi-seconde (ses deux moitiés)
  KEY delay       une moitié de pause avec KEY comme octet de touche, pour une
                  moitié seule : 0x02 delay est une première moitié, 0x03 delay
                  une seconde
«&#xa0;buttons&#xa0;» et «&#xa0;max-entries&#xa0;» précèdent le premier «&#xa0;button&#xa0;». Un bouton
contient au plus max-entries entrées et jamais plus de 250. KEY est le nom de
la touche tel que le configurateur l’affiche pour un clavier anglais (A,
LSHIFT, F5, NUM_1, &quot;,&quot;, &quot;&apos;&quot;, sans les guillemets) ou son code, 0x suivi de deux
chiffres hexadécimaux (0x1C). Les codes sans nom, la barre oblique inverse (nom
de 0x13 et de 0x53) et DELAY (0xFA) s’écrivent en hexadécimal. Tout ce qui
suit # est un commentaire ; la casse, les lignes vides et l’indentation
n’ont pas d’importance.

Exemple:
  buttons 23
  max-entries 250
  button 1        # copier
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
        <translation>aucun port série trouvé</translation>
    </message>
    <message>
        <source>List the serial ports that PORT can name.</source>
        <translation>Lister les ports série que PORT peut désigner.</translation>
    </message>
    <message>
        <source>Reading</source>
        <translation>Lecture</translation>
    </message>
    <message>
        <source>the keypad reports %1 buttons of at most %2 entries, or entries a configuration file cannot hold; nothing was written</source>
        <translation>le clavier annonce %1 boutons d’au plus %2 entrées, ou des entrées qu’un fichier de configuration ne peut pas contenir ; rien n’a été écrit</translation>
    </message>
    <message>
        <source>Read %1 buttons into %2</source>
        <translation>%1 boutons lus dans %2</translation>
    </message>
    <message>
        <source>Read the keypad&apos;s configuration into a configuration file.</source>
        <translation>Lire la configuration du clavier dans un fichier de configuration.</translation>
    </message>
    <message>
        <source>--layout takes de, fr, es, pt or en</source>
        <translation>--layout accepte de, fr, es, pt ou en</translation>
    </message>
    <message>
        <source>%1 buttons, at most %2 entries each</source>
        <translation>%1 boutons, au plus %2 entrées chacun</translation>
    </message>
    <message>
        <source>Button %1: empty</source>
        <translation>Bouton %1 : vide</translation>
    </message>
    <message>
        <source>Button %1: 1 entry</source>
        <translation>Bouton %1 : 1 entrée</translation>
    </message>
    <message>
        <source>Button %1: %2 entries</source>
        <translation>Bouton %1 : %2 entrées</translation>
    </message>
    <message>
        <source>Show a configuration file as text, one button a block.</source>
        <translation>Afficher un fichier de configuration en texte, un bloc par bouton.</translation>
    </message>
    <message>
        <source>Name keys as on this keyboard layout (default en).</source>
        <translation>Nommer les touches selon cette disposition de clavier (en par défaut).</translation>
    </message>
    <message>
        <source>no entry</source>
        <translation>aucune entrée</translation>
    </message>
    <message>
        <source>the keypad reports %1 buttons, %2 during the transmit</source>
        <translation>le clavier annonce %1 boutons, %2 pendant l’envoi</translation>
    </message>
    <message>
        <source>button %1, entry %2: sent %3, read back %4</source>
        <translation>bouton %1, entrée %2 : envoyé %3, relu %4</translation>
    </message>
    <message>
        <source>warning: %1</source>
        <translation>avertissement : %1</translation>
    </message>
    <message>
        <source>Writing</source>
        <translation>Écriture</translation>
    </message>
    <message>
        <source>Wrote %1 buttons from %2</source>
        <translation>%1 boutons écrits depuis %2</translation>
    </message>
    <message>
        <source>verification readout failed: %1</source>
        <translation>échec de la relecture de vérification : %1</translation>
    </message>
    <message>
        <source>verification failed: %1</source>
        <translation>échec de la vérification : %1</translation>
    </message>
    <message>
        <source>Read the keypad back and compare.</source>
        <translation>Relire le clavier et comparer.</translation>
    </message>
    <message>
        <source>Usage: qm47 COMMAND [OPTIONS] [ARGUMENTS]

Command-line companion of the QM-47 Button Configurator: reads and writes the
keypad&apos;s configuration over its serial cable, and shows, checks and converts
configuration files (.tkf).

Commands:
</source>
        <translation>Utilisation : qm47 COMMANDE [OPTIONS] [ARGUMENTS]

Compagnon en ligne de commande du configurateur de boutons QM-47 : lit et
écrit la configuration du clavier par son câble série, et affiche, vérifie et
convertit les fichiers de configuration (.tkf).

Commandes :
</translation>
    </message>
    <message>
        <source>Usage: %1

%2
</source>
        <translation>Utilisation : %1

%2
</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Options :</translation>
    </message>
    <message>
        <source>Show this help.</source>
        <translation>Afficher cette aide.</translation>
    </message>
    <message>
        <source>%1: unknown option %2</source>
        <translation>%1 : option inconnue %2</translation>
    </message>
    <message>
        <source>%1: --%2 takes no value</source>
        <translation>%1 : --%2 ne prend pas de valeur</translation>
    </message>
    <message>
        <source>%1: --%2 needs a value (%3)</source>
        <translation>%1 : --%2 attend une valeur (%3)</translation>
    </message>
    <message>
        <source>%1 takes %2; usage: %3</source>
        <translation>%1 attend %2 ; utilisation : %3</translation>
    </message>
    <message>
        <source>no arguments</source>
        <translation>aucun argument</translation>
    </message>
    <message>
        <source>unknown command &quot;%1&quot;</source>
        <translation>commande inconnue «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>this is the text form of a configuration; make a configuration file of it with &quot;qm47 convert %1 FILE.tkf&quot;</source>
        <translation>c’est la forme texte d’une configuration ; faites-en un fichier de configuration avec «&#xa0;qm47 convert %1 FILE.tkf&#xa0;»</translation>
    </message>
    <message>
        <source>Print the result as a JSON document.</source>
        <translation>Afficher le résultat comme document JSON.</translation>
    </message>
    <message>
        <source>The keypad holds what the file holds</source>
        <translation>Le clavier contient ce que contient le fichier</translation>
    </message>
    <message>
        <source>The keypad differs from the file</source>
        <translation>Le clavier diffère du fichier</translation>
    </message>
    <message>
        <source>Show how the keypad differs from a configuration file.</source>
        <translation>Montrer en quoi le clavier diffère d’un fichier de configuration.</translation>
    </message>
    <message>
        <source>Print one JSON document per port.</source>
        <translation>Afficher un document JSON par port.</translation>
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
        <translation>Liste les ports que propose la boîte de dialogue des ports du configurateur,
un par ligne : le nom du port, une tabulation et sa description. Ce sont les
ports série trouvés sur cet ordinateur, puis les chemins de périphérique
nommés dans la variable d’environnement QM47_EXTRA_PORTS (séparés par &apos;:&apos;),
comme le pseudo-terminal du simulateur de clavier. Chacun de ces noms peut
être donné comme PORT à « qm47 read » et « qm47 write », de même qu’un
chemin de périphérique. Un port que cet utilisateur ne peut pas ouvrir est
marqué « [pas d’autorisation] » (voir « Serial port access on Linux »
dans le README).
Un port dont des noms survivent à la renumérotation (les liens vers lui sous
/dev/serial/by-id et /dev/serial/by-path) reçoit une tabulation de plus et
ces noms, séparés par des espaces ; donnez l’un d’eux comme PORT là où des
adaptateurs sont branchés et débranchés.
Un lien dont le nom n’est pas valide dans le codage de caractères du système
ne peut pas être donné comme PORT ; il est nommé sur la sortie d’erreur à la
place, ses autres octets écrits \xHH (« unlisted_links » en JSON).
</translation>
    </message>
    <message>
        <source>Print the list as a JSON document.</source>
        <translation>Afficher la liste comme document JSON.</translation>
    </message>
    <message>
        <source>Print the configuration as a JSON document.</source>
        <translation>Afficher la configuration comme document JSON.</translation>
    </message>
    <message>
        <source>Wrote %1 buttons from %2, verified: the keypad holds what was sent</source>
        <translation>%1 boutons écrits depuis %2, vérifié : le clavier contient ce qui a été envoyé</translation>
    </message>
    <message>
        <source>Unchanged: the keypad already holds the %1 buttons of %2</source>
        <translation>Inchangé : le clavier contient déjà les %1 boutons de %2</translation>
    </message>
    <message>
        <source>Writing %1 keypads</source>
        <translation>Écriture de %1 claviers</translation>
    </message>
    <message>
        <source>Write a configuration file to one keypad or several.</source>
        <translation>Écrire un fichier de configuration sur un clavier ou plusieurs.</translation>
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
        <translation>Envoie FILE.tkf par PORT (voir « qm47 ports ») comme le fait le
configurateur. Les boutons déséquilibrés et les pauses successives sont
signalés par des avertissements (voir « qm47 check ») et envoyés malgré tout.
Le clavier prend autant de boutons qu’il en a et au plus son maximum
d’entrées par bouton ; si une partie du fichier reste de côté, la commande
le dit et échoue.
Avec --verify, la configuration est ensuite relue et doit être identique à
ce qui a été envoyé ; sinon, le premier bouton et la première entrée qui
diffèrent sont nommés.
Avec --if-changed, le clavier est d’abord lu ; s’il contient déjà ce que le
fichier lui donnerait, rien n’est écrit et le résultat indique « Inchangé » ;
sinon, le fichier est écrit et vérifié. Les deux finissent avec le code 0.
Plusieurs PORT sont écrits en même temps, chacun pour soi ; les lignes de
résultat suivent l’ordre des PORT, et le code est 1 si l’un a échoué.
Un PORT peut être un lien vers le périphérique, comme son nom stable sous
/dev/serial/by-id.
</translation>
    </message>
    <message>
        <source>Write only where the keypad holds something else.</source>
        <translation>N’écrire que là où le clavier contient autre chose.</translation>
    </message>
    <message>
        <source>failed: %1</source>
        <translation>échec : %1</translation>
    </message>
    <message>
        <source>%1 and %2 name the same port</source>
        <translation>%1 et %2 désignent le même port</translation>
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
        <translation>Lit le clavier par PORT et le compare, bouton par bouton, à ce qu’y
laisserait l’écriture de FILE.tkf. Chaque bouton qui diffère est nommé, avec
les lignes de la forme texte (voir « qm47 convert ») que seul le clavier
contient (« - ») et celles que seul le fichier contient (« + »). Les boutons
ou entrées du fichier que le clavier ne peut pas contenir sont aussi des
différences.
Plusieurs PORT sont lus en même temps ; les résultats suivent leur ordre.
Code de sortie comme diff(1) : 0 quand chaque clavier contient ce que
contient le fichier, 1 quand l’un diffère, 2 quand un clavier n’a pas pu
être lu ou que le fichier a été refusé ; 129, 130 ou 143 quand SIGHUP,
SIGINT ou SIGTERM a arrêté la lecture.
</translation>
    </message>
    <message>
        <source>read: --json and the configuration cannot share standard output</source>
        <translation>read : --json et la configuration ne peuvent pas partager la sortie standard</translation>
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
        <translation>Lit le clavier par PORT (voir « qm47 ports ») comme le fait le configurateur
et écrit la configuration dans FILE.tkf. Le fichier n’est écrit que si la
lecture est allée jusqu’au bout ; après un échec, un FILE.tkf existant reste
tel quel.
FILE.tkf « - » est la sortie standard, qui ne porte alors que la
configuration.
Une barre de progression s’affiche sur la sortie d’erreur quand c’est un
terminal.
PORT peut être un lien vers le périphérique, comme son nom stable sous
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
Options :
  -h, --help   Afficher cette aide.
  --version    Afficher la version de qm47.
  --lang CODE  Afficher les textes dans cette langue : de, fr, es, pt ou en
               (par défaut : la langue du système).

Lancez «&#xa0;qm47 COMMANDE --help&#xa0;» pour le détail d’une commande.
Code de sortie : 0 en cas de succès ; 1 quand un fichier est refusé, qu’une
vérification ou un transfert échoue ; 2 quand la ligne de commande est fausse
(diff : 1 quand le clavier diffère, 2 en cas de problème) ; 129, 130 ou 143
quand SIGHUP, SIGINT ou SIGTERM a arrêté un transfert de read, write ou diff.
</translation>
    </message>
    <message>
        <source>%1: the name is not valid in the system&apos;s character encoding, so qm47 cannot use it; rename it</source>
        <translation>%1 : le nom n’est pas valide dans le codage de caractères du système, qm47 ne peut donc pas l’utiliser ; renommez-le</translation>
    </message>
    <message>
        <source>Runs the checks the configurator runs before a transmit or save on every
button of FILE.tkf: the balance check (every key pressed is released, every
key released was pressed, an even number of entries) and the test for two
delays in a row. Names each button that fails and why, one line each, and
exits with status 1 if any does. With --json the document also carries each
button&apos;s summary in words, for the layout chosen with --layout.
</source>
        <translation>Exécute sur chaque bouton de FILE.tkf les vérifications que le configurateur
fait avant un envoi ou un enregistrement : le contrôle d’équilibre (toute
touche appuyée est relâchée, toute touche relâchée a été appuyée, un nombre
pair d’entrées) et la recherche de deux pauses de suite. Nomme chaque bouton
en défaut et la raison, une ligne chacun, et se termine avec le code 1 si un
bouton est en défaut.
Avec --json, le document donne aussi le résumé en mots de chaque bouton,
pour la disposition choisie avec --layout.
</translation>
    </message>
    <message>
        <source>--paper takes a4 or letter</source>
        <translation>--paper accepte a4 ou letter</translation>
    </message>
    <message>
        <source>OUT must end in .pdf, .png or .svg</source>
        <translation>OUT doit se terminer par .pdf, .png ou .svg</translation>
    </message>
    <message>
        <source>Write a sheet of what every button does, to print.</source>
        <translation>Écrire une feuille à imprimer de ce que fait chaque bouton.</translation>
    </message>
    <message>
        <source>Writes the overview sheet of FILE.tkf to OUT: the configuration&apos;s name, the
date and every button in the window&apos;s arrangement with its number and what
it does in words, on one page. The format follows the name of OUT: .pdf,
.png or .svg. The summaries follow the keyboard layout chosen with --layout.
</source>
        <translation>Écrit la feuille de vue d’ensemble de FILE.tkf dans OUT : le nom de la
configuration, la date et chaque bouton dans la disposition de la fenêtre,
avec son numéro et ce qu’il fait en mots, sur une page. Le format suit le nom
de OUT : .pdf, .png ou .svg. Les résumés suivent la disposition de clavier
choisie avec --layout.
</translation>
    </message>
    <message>
        <source>The paper size of the page (default a4).</source>
        <translation>Le format de papier de la page (a4 par défaut).</translation>
    </message>
    <message>
        <source>Summary: %1</source>
        <translation>Résumé : %1</translation>
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
        <translation>Liste chaque bouton de FILE.tkf avec ses entrées comme la liste de contenu du
configurateur les affiche : le nom de la touche suivi de «&#xa0;down&#xa0;» ou «&#xa0;up&#xa0;»,
et une pause sous la forme des deux lignes «&#xa0;Delay&#xa0;» et «&#xa0;0.5s&#xa0;». Les noms
de touches suivent la disposition de clavier choisie avec --layout (anglaise
si elle n’est pas donnée). Pour une forme modifiable et reconvertible en
fichier, voir «&#xa0;qm47 convert&#xa0;».
Sous l’en-tête de chaque bouton, une ligne dit en mots ce qu’il fait : le
texte qu’il tape avec cette disposition, ses combinaisons (« Ctrl+Alt+T »),
ses délais et les touches maintenues.
</translation>
    </message>
    <message>
        <source>%1 leads to %2 but is left out: the name is not valid in the system&apos;s character encoding</source>
        <translation>%1 mène à %2 mais est laissé de côté : le nom n’est pas valide dans le codage de caractères du système</translation>
    </message>
</context>
</TS>
