<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>About</name>
    <message>
        <source>About Talvar QM-47 Button Configurator</source>
        <translation>Acerca de Talvar QM-47 Configurador de botones</translation>
    </message>
    <message>
        <source>Talvar QM-47 Button Configurator</source>
        <translation>Talvar QM-47 Configurador</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>Version x.x.xxx (0000X)</source>
        <translation>Versión x.x.xxx (0000X)</translation>
    </message>
    <message>
        <source>© 2026 Talvar Devices. All rights reserved.</source>
        <translation>© 2026 Talvar Devices. Todos los derechos reservados.</translation>
    </message>
    <message>
        <source>Talvar Devices
Keypad programming tools – talvar.example</source>
        <translation>Talvar Devices
Herramientas para programar teclados – talvar.example</translation>
    </message>
    <message>
        <source>Version </source>
        <translation>Versión </translation>
    </message>
</context>
<context>
    <name>ButtonSummaries</name>
    <message>
        <source>Button %1: %2</source>
        <translation>Botón %1: %2</translation>
    </message>
</context>
<context>
    <name>ConfigDocument</name>
    <message>
        <source>Open</source>
        <translation>Abrir…</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nuevo</translation>
    </message>
    <message>
        <source>Get device configuration</source>
        <translation>Leer la configuración del dispositivo</translation>
    </message>
</context>
<context>
    <name>EditController</name>
    <message>
        <source>Move up</source>
        <translation>Subir</translation>
    </message>
    <message>
        <source>Move down</source>
        <translation>Bajar</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Información</translation>
    </message>
    <message>
        <source>Max. number of Keys recorded!</source>
        <translation>¡Se ha grabado el número máximo de teclas!</translation>
    </message>
    <message>
        <source>Insert delay</source>
        <translation>Añadir pausa</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Cortar</translation>
    </message>
    <message>
        <source>Line %1: </source>
        <translation>Línea %1: </translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>The clipboard does not hold a button script.</source>
        <translation>El portapapeles no contiene un script de botón.</translation>
    </message>
    <message>
        <source>The clipboard holds no entries to paste.</source>
        <translation>El portapapeles no contiene entradas para pegar.</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Pegar</translation>
    </message>
    <message>
        <source>These characters cannot be typed with the %1 keyboard layout: %2</source>
        <translation>Estos caracteres no se pueden escribir con la distribución de teclado %1: %2</translation>
    </message>
    <message>
        <source>Type text</source>
        <translation>Escribir texto</translation>
    </message>
    <message>
        <source>%1 entries are needed; the button has room for %2.</source>
        <translation>Se necesitan %1 entradas; el botón tiene espacio para %2.</translation>
    </message>
</context>
<context>
    <name>FileController</name>
    <message>
        <source>QM-47 file (*.tkf)</source>
        <translation>Archivo QM-47 (*.tkf)</translation>
    </message>
    <message>
        <source>Configuration text (*.txt)</source>
        <translation>Texto de configuración (*.txt)</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Could not open file!</source>
        <translation>¡No se pudo abrir el archivo!</translation>
    </message>
    <message>
        <source>File corrupt! Could not read the file!</source>
        <translation>¡Archivo dañado! ¡No se pudo leer el archivo!</translation>
    </message>
    <message>
        <source>File corrupt! Error reading the file.</source>
        <translation>¡Archivo dañado! Error al leer el archivo.</translation>
    </message>
    <message>
        <source>CRC error reading the file!</source>
        <translation>¡Error de CRC al leer el archivo!</translation>
    </message>
    <message>
        <source>Line %1: </source>
        <translation>Línea %1: </translation>
    </message>
    <message>
        <source>The configuration text could not be read.</source>
        <translation>No se pudo leer el texto de configuración.</translation>
    </message>
    <message>
        <source>Could not create file!</source>
        <translation>¡No se pudo crear el archivo!</translation>
    </message>
    <message>
        <source>Save button configuration</source>
        <translation>Guardar la configuración de botones</translation>
    </message>
    <message>
        <source>Save configuration</source>
        <translation>Guardar configuración</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 ya existe.
¿Desea reemplazarlo?</translation>
    </message>
    <message>
        <source>The keypad had %1 buttons; a file holds the first %2 only.</source>
        <translation>El teclado tenía %1 botones; un archivo solo guarda los %2 primeros.</translation>
    </message>
    <message>
        <source>Button %1 holds %2 entries; a file holds the first %3 only.</source>
        <translation>El botón %1 contiene %2 entradas; un archivo solo guarda las %3 primeras.</translation>
    </message>
    <message>
        <source>Save only what a file holds?</source>
        <translation>¿Guardar solo lo que cabe en un archivo?</translation>
    </message>
    <message>
        <source>Attention</source>
        <translation>Atención</translation>
    </message>
    <message>
        <source>%1 was changed on disk since it was opened or saved here.
Overwrite it with this configuration, or save this configuration under another name?</source>
        <translation>%1 se ha modificado en el disco desde que se abrió o guardó aquí.
¿Sobrescribirlo con esta configuración o guardar esta configuración con otro nombre?</translation>
    </message>
    <message>
        <source>Overwrite</source>
        <translation>Sobrescribir</translation>
    </message>
    <message>
        <source>Save as...</source>
        <translation>Guardar como...</translation>
    </message>
    <message>
        <source>Do you want to save your changes?</source>
        <translation>¿Desea guardar los cambios?</translation>
    </message>
    <message>
        <source>Open button configuration</source>
        <translation>Abrir una configuración de botones</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Información</translation>
    </message>
    <message>
        <source>%1 was changed on disk.
Do you want to reload it?</source>
        <translation>%1 se ha modificado en el disco.
¿Desea volver a cargarlo?</translation>
    </message>
    <message>
        <source>%1 cannot be opened.
Remove it from the recent files?</source>
        <translation>%1 no se puede abrir.
¿Quitarlo de los archivos recientes?</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Please select a button</source>
        <translation>Seleccione un botón</translation>
    </message>
    <message>
        <source>Button </source>
        <translation>Botón </translation>
    </message>
    <message>
        <source> active</source>
        <translation> activo</translation>
    </message>
    <message>
        <source>active</source>
        <translation>activo</translation>
    </message>
    <message>
        <source>unbalanced</source>
        <translation>desequilibrado</translation>
    </message>
    <message>
        <source>has a script</source>
        <translation>tiene un script</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>vacío</translation>
    </message>
    <message>
        <source>Move up</source>
        <translation>Subir</translation>
    </message>
    <message>
        <source>Move down</source>
        <translation>Bajar</translation>
    </message>
    <message>
        <source>Could not create file!</source>
        <translation>¡No se pudo crear el archivo!</translation>
    </message>
    <message>
        <source>Could not open file!</source>
        <translation>¡No se pudo abrir el archivo!</translation>
    </message>
    <message>
        <source>File corrupt! Could not read the file!</source>
        <translation>¡Archivo dañado! ¡No se pudo leer el archivo!</translation>
    </message>
    <message>
        <source>File corrupt! Error reading the file.</source>
        <translation>¡Archivo dañado! Error al leer el archivo.</translation>
    </message>
    <message>
        <source>CRC error reading the file!</source>
        <translation>¡Error de CRC al leer el archivo!</translation>
    </message>
    <message>
        <source>Button %1, %2</source>
        <translation>Botón %1, %2</translation>
    </message>
    <message>
        <source>Talvar QM-47 Button Configurator</source>
        <translation>Talvar QM-47 Configurador de botones</translation>
    </message>
    <message>
        <source>DBG</source>
        <translation>DBG</translation>
    </message>
    <message>
        <source>Choose button</source>
        <translation>Elegir botón</translation>
    </message>
    <message>
        <source>Select button </source>
        <translation>Elegir el botón </translation>
    </message>
    <message>
        <source>Button content</source>
        <translation>Contenido del botón</translation>
    </message>
    <message>
        <source>Recording</source>
        <translation>Grabación</translation>
    </message>
    <message>
        <source>Start recording</source>
        <translation>Iniciar la grabación</translation>
    </message>
    <message>
        <source>Stop recording</source>
        <translation>Detener la grabación</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Edición</translation>
    </message>
    <message>
        <source>Insert a delay</source>
        <translation>Insertar una pausa</translation>
    </message>
    <message>
        <source>Move the selection up</source>
        <translation>Subir la selección</translation>
    </message>
    <message>
        <source>Move the selection down</source>
        <translation>Bajar la selección</translation>
    </message>
    <message>
        <source>Insert a key</source>
        <translation>Insertar una tecla</translation>
    </message>
    <message>
        <source>Delete the selection or the last element</source>
        <translation>Eliminar la selección o el último elemento</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Editar</translation>
    </message>
    <message>
        <source>&amp;Action</source>
        <translation>A&amp;cción</translation>
    </message>
    <message>
        <source>Recording to button </source>
        <translation>Grabando en el botón </translation>
    </message>
    <message>
        <source>Insert key to button </source>
        <translation>Insertar tecla en el botón </translation>
    </message>
    <message>
        <source>The desktop may still take shortcuts such as Alt+Tab.</source>
        <translation>El escritorio aún puede interceptar atajos como Alt+Tab.</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nuevo</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Abrir…</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Guardar</translation>
    </message>
    <message>
        <source>Save &amp;as</source>
        <translation>Guardar &amp;como…</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Get device configuration</source>
        <translation>&amp;Leer la configuración del dispositivo</translation>
    </message>
    <message>
        <source>&amp;Set device configuration</source>
        <translation>&amp;Enviar la configuración al dispositivo</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Acerca de</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation>&amp;Iniciar</translation>
    </message>
    <message>
        <source>S&amp;top</source>
        <translation>&amp;Detener</translation>
    </message>
    <message>
        <source>&amp;Insert delay</source>
        <translation>Añadir &amp;pausa</translation>
    </message>
    <message>
        <source>&amp;Up</source>
        <translation>A&amp;rriba</translation>
    </message>
    <message>
        <source>Do&amp;wn</source>
        <translation>A&amp;bajo</translation>
    </message>
    <message>
        <source>Insert one &amp;key</source>
        <translation>Añadir &amp;tecla</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>E&amp;liminar</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Deshacer</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rehacer</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>Cor&amp;tar</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copiar</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Pegar</translation>
    </message>
    <message>
        <source>Select &amp;all</source>
        <translation>Seleccionar t&amp;odo</translation>
    </message>
    <message>
        <source>T&amp;ype text…</source>
        <translation>&amp;Escribir texto…</translation>
    </message>
    <message>
        <source>&amp;Recent files</source>
        <translation>Archivos &amp;recientes</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation>&amp;Deshacer: %1</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>&amp;Rehacer: %1</translation>
    </message>
</context>
<context>
    <name>MyTableModel</name>
    <message>
        <source>Port</source>
        <translation>Puerto</translation>
    </message>
    <message>
        <source>Device name</source>
        <translation>Nombre del dispositivo</translation>
    </message>
    <message>
        <source>%1 (not usable: the name is not valid in the system&apos;s character encoding)</source>
        <translation>%1 (no utilizable: el nombre no es válido en la codificación de caracteres del sistema)</translation>
    </message>
</context>
<context>
    <name>NameTable</name>
    <message>
        <source>German</source>
        <translation>alemana</translation>
    </message>
    <message>
        <source>French</source>
        <translation>francesa</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>española</translation>
    </message>
    <message>
        <source>Portuguese</source>
        <translation>portuguesa</translation>
    </message>
    <message>
        <source>English</source>
        <translation>inglesa</translation>
    </message>
</context>
<context>
    <name>OverviewActions</name>
    <message>
        <source>E&amp;xport overview…</source>
        <translation>E&amp;xportar resumen…</translation>
    </message>
    <message>
        <source>&amp;Print…</source>
        <translation>&amp;Imprimir…</translation>
    </message>
    <message>
        <source>PDF document (*.pdf)</source>
        <translation>Documento PDF (*.pdf)</translation>
    </message>
    <message>
        <source>PNG image (*.png)</source>
        <translation>Imagen PNG (*.png)</translation>
    </message>
    <message>
        <source>SVG image (*.svg)</source>
        <translation>Imagen SVG (*.svg)</translation>
    </message>
    <message>
        <source>Export overview</source>
        <translation>Exportar resumen</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>The printer could not be started.</source>
        <translation>No se pudo iniciar la impresora.</translation>
    </message>
</context>
<context>
    <name>OverviewExport</name>
    <message>
        <source>The overview is written as PDF, PNG or SVG: the file name must end in .pdf, .png or .svg.</source>
        <translation>El resumen se escribe como PDF, PNG o SVG: el nombre del archivo debe terminar en .pdf, .png o .svg.</translation>
    </message>
    <message>
        <source>The file could not be written.</source>
        <translation>No se pudo escribir el archivo.</translation>
    </message>
    <message>
        <source>The file could not be written: %1</source>
        <translation>No se pudo escribir el archivo: %1</translation>
    </message>
</context>
<context>
    <name>OverviewSheet</name>
    <message>
        <source>What each button does, with the keyboard layout &quot;%1&quot;</source>
        <translation>Lo que hace cada botón, con la distribución de teclado «%1»</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Descartar</translation>
    </message>
</context>
<context>
    <name>RecordingController</name>
    <message>
        <source>Information</source>
        <translation>Información</translation>
    </message>
    <message>
        <source>Please activate a button first!</source>
        <translation>¡Seleccione primero un botón!</translation>
    </message>
    <message>
        <source>Max. number of keys for this button recorded!</source>
        <translation>¡Se ha grabado el número máximo de teclas para este botón!</translation>
    </message>
    <message>
        <source>Recording</source>
        <translation>Grabación</translation>
    </message>
    <message>
        <source>Max. number of Keys recorded!</source>
        <translation>¡Se ha grabado el número máximo de teclas!</translation>
    </message>
    <message>
        <source>Recording aktiv, press OK to stop recording und close the application!</source>
        <translation>La grabación está en curso. Pulse Aceptar para detenerla y cerrar la aplicación.</translation>
    </message>
    <message>
        <source>Press cancel to continue recording!</source>
        <translation>Pulse Cancelar para seguir grabando.</translation>
    </message>
    <message>
        <source>Insert one key</source>
        <translation>Añadir tecla</translation>
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
        <translation>mantener %1</translation>
    </message>
    <message>
        <source>%1 stays down</source>
        <translation>%1 queda pulsada</translation>
    </message>
    <message>
        <source>en</source>
        <comment>The code of this catalogue&apos;s language, for numbers and dates</comment>
        <translation>es</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>vacío</translation>
    </message>
</context>
<context>
    <name>TkfFile</name>
    <message>
        <source>no file name</source>
        <translation>falta el nombre del archivo</translation>
    </message>
    <message>
        <source>the file was not written completely</source>
        <translation>el archivo no se escribió por completo</translation>
    </message>
    <message>
        <source>the file is too large for a configuration</source>
        <translation>el archivo es demasiado grande para una configuración</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>no es un archivo normal</translation>
    </message>
    <message>
        <source> (the file system cannot reserve room in advance; the file may have been cut short)</source>
        <translation> (el sistema de archivos no puede reservar espacio por adelantado; el archivo puede haber quedado cortado)</translation>
    </message>
    <message>
        <source> (the file was left as it was)</source>
        <translation> (el archivo quedó como estaba)</translation>
    </message>
    <message>
        <source>not supported on this system</source>
        <translation>no admitido en este sistema</translation>
    </message>
    <message>
        <source>the name is not valid in the system&apos;s character encoding</source>
        <translation>el nombre no es válido en la codificación de caracteres del sistema</translation>
    </message>
</context>
<context>
    <name>TkfText</name>
    <message>
        <source>%1 is not used as a key name here; write the key code (%2)</source>
        <translation>%1 no se usa aquí como nombre de tecla; escriba el código de la tecla (%2)</translation>
    </message>
    <message>
        <source> or </source>
        <translation> o </translation>
    </message>
    <message>
        <source>%1 is not a key name; write a name such as A or LSHIFT, or a code such as 0x1C</source>
        <translation>%1 no es un nombre de tecla; escriba un nombre como A o LSHIFT, o un código como 0x1C</translation>
    </message>
    <message>
        <source>%1 must come before the first &quot;button&quot;</source>
        <translation>%1 debe ir antes del primer «button»</translation>
    </message>
    <message>
        <source>%1 was already given on line %2</source>
        <translation>%1 ya figura en la línea %2</translation>
    </message>
    <message>
        <source>%1 needs one number from 0 to %2</source>
        <translation>%1 necesita un número de 0 a %2</translation>
    </message>
    <message>
        <source>there are no buttons (&quot;buttons 0&quot;)</source>
        <translation>no hay botones («buttons 0»)</translation>
    </message>
    <message>
        <source>&quot;button&quot; needs one number from 1 to %1</source>
        <translation>«button» necesita un número de 1 a %1</translation>
    </message>
    <message>
        <source>button %1 was already given on line %2</source>
        <translation>el botón %1 ya figura en la línea %2</translation>
    </message>
    <message>
        <source>cannot understand %1; an entry is KEY down, KEY up, delay or KEY delay</source>
        <translation>no se entiende %1; una entrada es KEY down, KEY up, delay o KEY delay</translation>
    </message>
    <message>
        <source>an entry must follow a &quot;button&quot; line</source>
        <translation>una entrada debe ir tras una línea «button»</translation>
    </message>
    <message>
        <source>&quot;delay&quot; stands alone; one half of a delay is written KEY delay (0x02 delay, 0x03 delay)</source>
        <translation>«delay» va solo; media pausa se escribe KEY delay (0x02 delay, 0x03 delay)</translation>
    </message>
    <message>
        <source>%1 is not an action; write down, up or delay</source>
        <translation>%1 no es una acción; escriba down, up o delay</translation>
    </message>
    <message>
        <source>%1 (the most a file can hold)</source>
        <translation>%1 (el máximo de un archivo)</translation>
    </message>
    <message>
        <source>%1 (max-entries)</source>
        <translation>%1 (max-entries)</translation>
    </message>
    <message>
        <source>button %1 would hold more than %2 entries</source>
        <translation>el botón %1 tendría más de %2 entradas</translation>
    </message>
    <message>
        <source>the text holds the scripts of several buttons (%1 and %2); take one button at a time</source>
        <translation>el texto contiene los scripts de varios botones (%1 y %2); tome un botón cada vez</translation>
    </message>
</context>
<context>
    <name>TransferCheck</name>
    <message>
        <source>Attention</source>
        <translation>Atención</translation>
    </message>
    <message>
        <source>The Button content contains successive delays.<byte value="xd"/>
If the Autorepeat function is active in the computer&apos;s keyboard settings,<byte value="xd"/>
it is possible that the previous key action is repeated several times.<byte value="xd"/>
Do you want to continue?</source>
        <translation>El contenido del botón contiene pausas seguidas.<byte value="xd"/>
Si la repetición automática está activa en la configuración del teclado del ordenador,<byte value="xd"/>
la acción de tecla anterior puede repetirse varias veces.<byte value="xd"/>
¿Desea continuar?</translation>
    </message>
    <message>
        <source>Possible Error</source>
        <translation>Posible error</translation>
    </message>
    <message>
        <source>The current configuration of the red marked buttons could lead to errors.<byte value="xd"/>
Do you want to continue?</source>
        <translation>La configuración actual de los botones marcados en rojo puede provocar errores.<byte value="xd"/>
¿Desea continuar?</translation>
    </message>
</context>
<context>
    <name>TransferController</name>
    <message>
        <source>Reading configuration</source>
        <translation>Leyendo la configuración</translation>
    </message>
    <message>
        <source>Transmitting configuration</source>
        <translation>Enviando la configuración</translation>
    </message>
    <message>
        <source>Get device configuration</source>
        <translation>Leer la configuración del dispositivo</translation>
    </message>
    <message>
        <source>Set device configuration</source>
        <translation>Enviar la configuración al dispositivo</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Información</translation>
    </message>
    <message>
        <source>The keypad has %1 buttons; only the first %2 are shown and kept.</source>
        <translation>El teclado tiene %1 botones; solo se muestran y conservan los %2 primeros.</translation>
    </message>
    <message>
        <source>A transfer with the keypad is running. Stop it?</source>
        <translation>Hay una transferencia con el teclado en curso. ¿Detenerla?</translation>
    </message>
</context>
<context>
    <name>TransferMessages</name>
    <message>
        <source>Error connecting to Serial Port! Port in use.</source>
        <translation>¡Error al conectar con el puerto serie! Puerto en uso.</translation>
    </message>
    <message>
        <source>Error connecting to Serial Port! %1: %2</source>
        <translation>¡Error al conectar con el puerto serie! %1: %2</translation>
    </message>
    <message>
        <source>To get access, join the group &quot;%1&quot; that may use the port, then log out and in again:</source>
        <translation>Para tener acceso, únase al grupo «%1» que puede usar el puerto y después cierre la sesión y vuelva a entrar:</translation>
    </message>
    <message>
        <source>Error connecting to seriel port!</source>
        <translation>¡Error al conectar con el puerto serie!</translation>
    </message>
    <message>
        <source>Cannot connect to the target! Please check the connection / serial port.</source>
        <translation>¡No se puede conectar con el dispositivo! Compruebe la conexión y el puerto serie.</translation>
    </message>
    <message>
        <source>An error occured during cummunication, connection refused! Please try again.</source>
        <translation>Se produjo un error durante la comunicación, ¡conexión rechazada! Vuelva a intentarlo.</translation>
    </message>
    <message>
        <source>The transfer was stopped.</source>
        <translation>La transferencia se ha detenido.</translation>
    </message>
    <message>
        <source>The keypad may now hold part of the new configuration (buttons 1 to %1 were written); write it again.</source>
        <translation>Puede que el teclado contenga ahora parte de la nueva configuración (se escribieron los botones 1 a %1); vuelva a escribirla.</translation>
    </message>
    <message>
        <source>Buttons 1 to %1 were read; the others still show the configuration from before. Undo brings back the configuration as it was.</source>
        <translation>Se leyeron los botones 1 a %1; los demás siguen mostrando la configuración anterior. Deshacer devuelve la configuración tal como estaba.</translation>
    </message>
</context>
<context>
    <name>TransmitShortfall</name>
    <message>
        <source>Buttons the keypad does not have: %1.</source>
        <translation>Botones que el teclado no tiene: %1.</translation>
    </message>
    <message>
        <source>Buttons cut to the keypad&apos;s %1 entries: %2.</source>
        <translation>Botones recortados a las %1 entradas del teclado: %2.</translation>
    </message>
    <message>
        <source>The keypad holds %1 buttons with at most %2 entries each, so not all of the configuration was written.</source>
        <translation>El teclado tiene %1 botones con %2 entradas como máximo cada uno, así que no se escribió toda la configuración.</translation>
    </message>
    <message>
        <source>The configuration itself is unchanged.</source>
        <translation>La configuración en sí no ha cambiado.</translation>
    </message>
</context>
<context>
    <name>TypeTextDialog</name>
    <message>
        <source>Type text</source>
        <translation>Escribir texto</translation>
    </message>
    <message>
        <source>Text to type with the %1 keyboard layout
(a key press and release per character, Shift for capitals;
room for %2 entries):</source>
        <translation>Texto que se escribirá con la distribución de teclado %1
(una pulsación y una liberación por carácter, Mayús para las mayúsculas;
espacio para %2 entradas):</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
</context>
<context>
    <name>comPort</name>
    <message>
        <source>[no permission]</source>
        <translation>[sin permiso]</translation>
    </message>
    <message>
        <source>Serial interface selection</source>
        <translation>Selección de la interfaz serie</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>Start readout / transmit</source>
        <translation>Iniciar lectura / envío</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>Refresh the serial port list</source>
        <translation>Actualizar la lista de puertos serie</translation>
    </message>
    <message>
        <source>&amp;Refresh</source>
        <translation>Ac&amp;tualizar</translation>
    </message>
    <message>
        <source>Please choose the interface where the service cable is connected.</source>
        <translation>Elija la interfaz a la que está conectado el cable de servicio.</translation>
    </message>
    <message>
        <source>Choose serial port</source>
        <translation>Elegir el puerto serie</translation>
    </message>
    <message>
        <source>Serial ports</source>
        <translation>Puertos serie</translation>
    </message>
    <message>
        <source>Talvar QM-47 button configurator</source>
        <translation>Talvar QM-47 Configurador</translation>
    </message>
    <message>
        <source>Selection of the computer interface</source>
        <translation>Selección de la interfaz del ordenador</translation>
    </message>
    <message>
        <source>Additional port</source>
        <translation>Puerto adicional</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Records, edits and transfers the key scripts of the QM-47 keypad.</source>
        <translation>Graba, edita y transfiere los scripts de teclas del teclado QM-47.</translation>
    </message>
    <message>
        <source>Configuration to open: a .tkf file, or its text form (.txt).</source>
        <translation>Configuración que se abrirá: un archivo .tkf o su forma de texto (.txt).</translation>
    </message>
    <message>
        <source>Show the texts in this language: de, fr, es, pt or en (default: the system&apos;s language).</source>
        <translation>Mostrar los textos en este idioma: de, fr, es, pt o en (por omisión: el idioma del sistema).</translation>
    </message>
</context>
<context>
    <name>progressBar</name>
    <message>
        <source>Form</source>
        <translation>Formulario</translation>
    </message>
</context>
<context>
    <name>qm47</name>
    <message>
        <source>odd number of entries (%1)</source>
        <translation>número impar de entradas (%1)</translation>
    </message>
    <message>
        <source>entry %1 (%2) has no release after it</source>
        <translation>la entrada %1 (%2) no va seguida de una liberación</translation>
    </message>
    <message>
        <source>entry %1 (%2) has no press before it</source>
        <translation>la entrada %1 (%2) no va precedida de una pulsación</translation>
    </message>
    <message>
        <source>%1 more</source>
        <translation>%1 más</translation>
    </message>
    <message>
        <source>unbalanced (a key pressed and never released, or released without being pressed)</source>
        <translation>desequilibrado (una tecla pulsada y nunca liberada, o liberada sin haber sido pulsada)</translation>
    </message>
    <message>
        <source>Button %1: %2</source>
        <translation>Botón %1: %2</translation>
    </message>
    <message>
        <source>successive delays (with keyboard autorepeat the key action before them may repeat)</source>
        <translation>pausas seguidas (con la repetición automática del teclado, la acción de tecla anterior puede repetirse)</translation>
    </message>
    <message>
        <source>All %1 buttons are balanced and have no successive delays</source>
        <translation>Los %1 botones están equilibrados y no tienen pausas seguidas</translation>
    </message>
    <message>
        <source>Check every button for balance and successive delays.</source>
        <translation>Comprobar el equilibrio y las pausas seguidas de cada botón.</translation>
    </message>
    <message>
        <source>standard input</source>
        <translation>entrada estándar</translation>
    </message>
    <message>
        <source>standard output</source>
        <translation>salida estándar</translation>
    </message>
    <message>
        <source>--to takes tkf or text, not &quot;%1&quot;</source>
        <translation>--to admite tkf o text, no «%1»</translation>
    </message>
    <message>
        <source>with - on both sides, say the kind of OUT with --to</source>
        <translation>con - en ambos lados, indique el tipo de OUT con --to</translation>
    </message>
    <message>
        <source>exactly one of IN and OUT must be a .tkf file</source>
        <translation>exactamente uno de IN y OUT debe ser un archivo .tkf</translation>
    </message>
    <message>
        <source>warning: the file holds more than a configuration (bytes after the checksum, or counts above the limits); the text holds the configuration as the configurator reads it</source>
        <translation>aviso: el archivo contiene más que una configuración (bytes tras la suma de comprobación o cantidades por encima de los límites); el texto contiene la configuración tal como la lee el configurador</translation>
    </message>
    <message>
        <source>too large to be the text form of a configuration</source>
        <translation>demasiado grande para ser la forma de texto de una configuración</translation>
    </message>
    <message>
        <source>holds no configuration (no statement at all); nothing written</source>
        <translation>no contiene ninguna configuración (ninguna instrucción); no se ha escrito nada</translation>
    </message>
    <message>
        <source>%1, line %2: %3</source>
        <translation>%1, línea %2: %3</translation>
    </message>
    <message>
        <source>Run &quot;%1&quot; for help.</source>
        <translation>Ejecute «%1» para obtener ayuda.</translation>
    </message>
    <message>
        <source>The kind of OUT; IN is the other kind.</source>
        <translation>El tipo de OUT; IN es del otro tipo.</translation>
    </message>
    <message>
        <source>Convert a configuration file to its text form, or back.</source>
        <translation>Convertir un archivo de configuración a su forma de texto, o al revés.</translation>
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
        <translation>El sentido sigue las extensiones: exactamente uno de IN y OUT termina en .tkf,
el otro es la forma de texto (por ejemplo .txt). «-» como IN lee la entrada
estándar y como OUT escribe en la salida estándar; ese lado es del otro tipo
que el archivo nombrado. --to indica directamente el tipo de OUT (necesario
con - en ambos lados). Un archivo convertido a texto y de vuelta da los mismos
bytes. Una línea de texto que no se entiende se indica con su número, y no se
escribe nada.

La forma de texto tiene una instrucción por línea:
  buttons N       número de botones, de 0 a 23 (23 por omisión)
  max-entries N   entradas por botón, de 0 a 65535 tal como se guarda (250
                  por omisión)
  button N        las entradas siguientes pertenecen al botón N (de 1 a
                  buttons); cada botón una vez como mucho, los botones que no
                  figuran están vacíos
  KEY down        una pulsación de KEY
  KEY up          una liberación de KEY
  delay           una pausa de medio segundo (sus dos mitades)
  KEY delay       media pausa con KEY como byte de tecla, para una mitad
                  suelta: 0x02 delay es una primera mitad, 0x03 delay una
                  segunda
«buttons» y «max-entries» van antes del primer «button». Un botón tiene
como mucho max-entries entradas y nunca más de 250. KEY es el nombre de la
tecla tal como lo muestra el configurador para un teclado inglés (A, LSHIFT,
F5, NUM_1, &quot;,&quot;, &quot;&apos;&quot;, sin las comillas) o su código, 0x y dos cifras
hexadecimales (0x1C). Los códigos sin nombre, la barra invertida (nombre de
0x13 y de 0x53) y DELAY (0xFA) se escriben en hexadecimal. Todo lo que sigue a
# es un comentario; no importan las mayúsculas, las líneas en blanco ni la
sangría.

Ejemplo:
  buttons 23
  max-entries 250
  button 1        # copiar
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
        <translation>no se encontró ningún puerto serie</translation>
    </message>
    <message>
        <source>List the serial ports that PORT can name.</source>
        <translation>Listar los puertos serie que PORT puede nombrar.</translation>
    </message>
    <message>
        <source>Reading</source>
        <translation>Leyendo</translation>
    </message>
    <message>
        <source>the keypad reports %1 buttons of at most %2 entries, or entries a configuration file cannot hold; nothing was written</source>
        <translation>el teclado indica %1 botones de %2 entradas como máximo, o entradas que un archivo de configuración no puede contener; no se ha escrito nada</translation>
    </message>
    <message>
        <source>Read %1 buttons into %2</source>
        <translation>%1 botones leídos en %2</translation>
    </message>
    <message>
        <source>Read the keypad&apos;s configuration into a configuration file.</source>
        <translation>Leer la configuración del teclado en un archivo de configuración.</translation>
    </message>
    <message>
        <source>--layout takes de, fr, es, pt or en</source>
        <translation>--layout admite de, fr, es, pt o en</translation>
    </message>
    <message>
        <source>%1 buttons, at most %2 entries each</source>
        <translation>%1 botones, %2 entradas como máximo cada uno</translation>
    </message>
    <message>
        <source>Button %1: empty</source>
        <translation>Botón %1: vacío</translation>
    </message>
    <message>
        <source>Button %1: 1 entry</source>
        <translation>Botón %1: 1 entrada</translation>
    </message>
    <message>
        <source>Button %1: %2 entries</source>
        <translation>Botón %1: %2 entradas</translation>
    </message>
    <message>
        <source>Show a configuration file as text, one button a block.</source>
        <translation>Mostrar un archivo de configuración como texto, un bloque por botón.</translation>
    </message>
    <message>
        <source>Name keys as on this keyboard layout (default en).</source>
        <translation>Nombrar las teclas según esta distribución de teclado (en por omisión).</translation>
    </message>
    <message>
        <source>no entry</source>
        <translation>ninguna entrada</translation>
    </message>
    <message>
        <source>the keypad reports %1 buttons, %2 during the transmit</source>
        <translation>el teclado indica %1 botones, %2 durante el envío</translation>
    </message>
    <message>
        <source>button %1, entry %2: sent %3, read back %4</source>
        <translation>botón %1, entrada %2: enviado %3, releído %4</translation>
    </message>
    <message>
        <source>warning: %1</source>
        <translation>aviso: %1</translation>
    </message>
    <message>
        <source>Writing</source>
        <translation>Escribiendo</translation>
    </message>
    <message>
        <source>Wrote %1 buttons from %2</source>
        <translation>%1 botones escritos desde %2</translation>
    </message>
    <message>
        <source>verification readout failed: %1</source>
        <translation>falló la lectura de verificación: %1</translation>
    </message>
    <message>
        <source>verification failed: %1</source>
        <translation>falló la verificación: %1</translation>
    </message>
    <message>
        <source>Read the keypad back and compare.</source>
        <translation>Volver a leer el teclado y comparar.</translation>
    </message>
    <message>
        <source>Usage: qm47 COMMAND [OPTIONS] [ARGUMENTS]

Command-line companion of the QM-47 Button Configurator: reads and writes the
keypad&apos;s configuration over its serial cable, and shows, checks and converts
configuration files (.tkf).

Commands:
</source>
        <translation>Uso: qm47 ORDEN [OPCIONES] [ARGUMENTOS]

Compañero de línea de órdenes del configurador de botones QM-47: lee y escribe
la configuración del teclado por su cable serie, y muestra, comprueba y
convierte archivos de configuración (.tkf).

Órdenes:
</translation>
    </message>
    <message>
        <source>Usage: %1

%2
</source>
        <translation>Uso: %1

%2
</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Opciones:</translation>
    </message>
    <message>
        <source>Show this help.</source>
        <translation>Mostrar esta ayuda.</translation>
    </message>
    <message>
        <source>%1: unknown option %2</source>
        <translation>%1: opción desconocida %2</translation>
    </message>
    <message>
        <source>%1: --%2 takes no value</source>
        <translation>%1: --%2 no admite ningún valor</translation>
    </message>
    <message>
        <source>%1: --%2 needs a value (%3)</source>
        <translation>%1: --%2 necesita un valor (%3)</translation>
    </message>
    <message>
        <source>%1 takes %2; usage: %3</source>
        <translation>%1 admite %2; uso: %3</translation>
    </message>
    <message>
        <source>no arguments</source>
        <translation>ningún argumento</translation>
    </message>
    <message>
        <source>unknown command &quot;%1&quot;</source>
        <translation>orden desconocida «%1»</translation>
    </message>
    <message>
        <source>this is the text form of a configuration; make a configuration file of it with &quot;qm47 convert %1 FILE.tkf&quot;</source>
        <translation>es la forma de texto de una configuración; conviértala en archivo de configuración con «qm47 convert %1 FILE.tkf»</translation>
    </message>
    <message>
        <source>Print the result as a JSON document.</source>
        <translation>Mostrar el resultado como documento JSON.</translation>
    </message>
    <message>
        <source>The keypad holds what the file holds</source>
        <translation>El teclado contiene lo que contiene el archivo</translation>
    </message>
    <message>
        <source>The keypad differs from the file</source>
        <translation>El teclado difiere del archivo</translation>
    </message>
    <message>
        <source>Show how the keypad differs from a configuration file.</source>
        <translation>Mostrar en qué difiere el teclado de un archivo de configuración.</translation>
    </message>
    <message>
        <source>Print one JSON document per port.</source>
        <translation>Mostrar un documento JSON por puerto.</translation>
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
        <translation>Lista los puertos que ofrece el diálogo de puertos del configurador, uno por
línea: el nombre del puerto, un tabulador y su descripción. Son los puertos
serie encontrados en este ordenador y después las rutas de dispositivo
nombradas en la variable de entorno QM47_EXTRA_PORTS (separadas por &apos;:&apos;),
como el pseudoterminal del simulador de teclado. Cualquiera de esos nombres
puede darse como PORT a «qm47 read» y «qm47 write», igual que una ruta de
dispositivo. Un puerto que este usuario no puede abrir se marca «[sin
permiso]» (véase «Serial port access on Linux» en el README).
Un puerto con nombres que sobreviven a la renumeración (los enlaces a él en
/dev/serial/by-id y /dev/serial/by-path) recibe otro tabulador y esos
nombres, separados por espacios; indique uno de ellos como PORT donde se
conectan y desconectan adaptadores.
Un enlace cuyo nombre no es válido en la codificación de caracteres del
sistema no puede indicarse como PORT; se nombra en la salida de errores, con
sus demás bytes escritos como \xHH («unlisted_links» en JSON).
</translation>
    </message>
    <message>
        <source>Print the list as a JSON document.</source>
        <translation>Mostrar la lista como documento JSON.</translation>
    </message>
    <message>
        <source>Print the configuration as a JSON document.</source>
        <translation>Mostrar la configuración como documento JSON.</translation>
    </message>
    <message>
        <source>Wrote %1 buttons from %2, verified: the keypad holds what was sent</source>
        <translation>%1 botones escritos desde %2, verificado: el teclado contiene lo que se envió</translation>
    </message>
    <message>
        <source>Unchanged: the keypad already holds the %1 buttons of %2</source>
        <translation>Sin cambios: el teclado ya contiene los %1 botones de %2</translation>
    </message>
    <message>
        <source>Writing %1 keypads</source>
        <translation>Escribiendo %1 teclados</translation>
    </message>
    <message>
        <source>Write a configuration file to one keypad or several.</source>
        <translation>Escribir un archivo de configuración en uno o varios teclados.</translation>
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
        <translation>Envía FILE.tkf por PORT (véase «qm47 ports») como lo hace el configurador.
Los botones desequilibrados y las pausas seguidas se indican como avisos
(véase «qm47 check») y se envían igualmente. El teclado toma tantos botones
como tiene y como máximo su número máximo de entradas por botón; si así queda
fuera parte del archivo, el comando lo indica y falla.
Con --verify, la configuración se vuelve a leer después y debe ser igual a lo
enviado; si no, se nombran el primer botón y la primera entrada que difieren.
Con --if-changed, primero se lee el teclado; si ya contiene lo que le daría el
archivo, no se escribe nada y el resultado dice «Sin cambios»; si no, el
archivo se escribe y se verifica. Ambos terminan con estado 0.
Varios PORT se escriben a la vez, cada uno por su cuenta; las líneas de
resultado siguen el orden de los PORT, y el estado es 1 si alguno falló.
Un PORT puede ser un enlace al dispositivo, como su nombre estable en
/dev/serial/by-id.
</translation>
    </message>
    <message>
        <source>Write only where the keypad holds something else.</source>
        <translation>Escribir solo donde el teclado contiene otra cosa.</translation>
    </message>
    <message>
        <source>failed: %1</source>
        <translation>falló: %1</translation>
    </message>
    <message>
        <source>%1 and %2 name the same port</source>
        <translation>%1 y %2 nombran el mismo puerto</translation>
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
        <translation>Lee el teclado por PORT y lo compara, botón por botón, con lo que dejaría
en él escribir FILE.tkf. Se nombra cada botón que difiere, con las líneas de
la forma de texto (véase «qm47 convert») que solo tiene el teclado («- ») y
las que solo tiene el archivo («+ »). Los botones o entradas del archivo que
el teclado no puede guardar también son diferencias.
Varios PORT se leen a la vez; los resultados siguen su orden.
Estado de salida como diff(1): 0 si cada teclado contiene lo que contiene el
archivo, 1 si alguno difiere, 2 si no se pudo leer un teclado o se rechazó
el archivo; 129, 130 o 143 si SIGHUP, SIGINT o SIGTERM detuvo la lectura.
</translation>
    </message>
    <message>
        <source>read: --json and the configuration cannot share standard output</source>
        <translation>read: --json y la configuración no pueden compartir la salida estándar</translation>
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
        <translation>Lee el teclado por PORT (véase «qm47 ports») como lo hace el configurador y
escribe la configuración en FILE.tkf. El archivo solo se escribe si la
lectura terminó; tras un fallo, un FILE.tkf existente queda como estaba.
FILE.tkf «-» es la salida estándar, que entonces lleva la configuración y
nada más.
Si la salida de errores es un terminal, muestra una barra de progreso.
PORT puede ser un enlace al dispositivo, como su nombre estable en
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
Opciones:
  -h, --help   Mostrar esta ayuda.
  --version    Mostrar la versión de qm47.
  --lang CODE  Mostrar los textos en este idioma: de, fr, es, pt o en
               (por omisión: el idioma del sistema).

Ejecute «qm47 ORDEN --help» para ver los detalles de una orden.
Estado de salida: 0 si todo va bien; 1 si se rechaza un archivo o falla una
comprobación o una transferencia; 2 si la línea de órdenes es incorrecta
(diff: 1 si el teclado difiere, 2 si hay problemas); 129, 130 o 143 si
SIGHUP, SIGINT o SIGTERM detuvo una transferencia de read, write o diff.
</translation>
    </message>
    <message>
        <source>%1: the name is not valid in the system&apos;s character encoding, so qm47 cannot use it; rename it</source>
        <translation>%1: el nombre no es válido en la codificación de caracteres del sistema, así que qm47 no puede usarlo; cámbiele el nombre</translation>
    </message>
    <message>
        <source>Runs the checks the configurator runs before a transmit or save on every
button of FILE.tkf: the balance check (every key pressed is released, every
key released was pressed, an even number of entries) and the test for two
delays in a row. Names each button that fails and why, one line each, and
exits with status 1 if any does. With --json the document also carries each
button&apos;s summary in words, for the layout chosen with --layout.
</source>
        <translation>Ejecuta en cada botón de FILE.tkf las comprobaciones que hace el configurador
antes de enviar o guardar: la de equilibrio (toda tecla pulsada se libera,
toda tecla liberada se pulsó antes, un número par de entradas) y la de dos
pausas seguidas. Nombra cada botón que falla y el motivo, una línea cada uno,
y termina con el estado 1 si alguno falla.
Con --json el documento también lleva el resumen en palabras de cada botón,
para la distribución elegida con --layout.
</translation>
    </message>
    <message>
        <source>--paper takes a4 or letter</source>
        <translation>--paper admite a4 o letter</translation>
    </message>
    <message>
        <source>OUT must end in .pdf, .png or .svg</source>
        <translation>OUT debe terminar en .pdf, .png o .svg</translation>
    </message>
    <message>
        <source>Write a sheet of what every button does, to print.</source>
        <translation>Escribir una hoja para imprimir con lo que hace cada botón.</translation>
    </message>
    <message>
        <source>Writes the overview sheet of FILE.tkf to OUT: the configuration&apos;s name, the
date and every button in the window&apos;s arrangement with its number and what
it does in words, on one page. The format follows the name of OUT: .pdf,
.png or .svg. The summaries follow the keyboard layout chosen with --layout.
</source>
        <translation>Escribe la hoja de resumen de FILE.tkf en OUT: el nombre de la
configuración, la fecha y cada botón en la disposición de la ventana, con su
número y lo que hace en palabras, en una página. El formato sigue el nombre
de OUT: .pdf, .png o .svg. Los resúmenes siguen la distribución de teclado
elegida con --layout.
</translation>
    </message>
    <message>
        <source>The paper size of the page (default a4).</source>
        <translation>El tamaño de papel de la página (a4 por omisión).</translation>
    </message>
    <message>
        <source>Summary: %1</source>
        <translation>Resumen: %1</translation>
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
        <translation>Lista cada botón de FILE.tkf con sus entradas como las muestra la lista de
contenido del configurador: el nombre de la tecla seguido de «down» o «up»,
y una pausa como las dos filas «Delay» y «0.5s». Los nombres de tecla
siguen la distribución de teclado elegida con --layout (inglesa si no se
indica). Para una forma que se puede editar y volver a convertir en archivo,
véase «qm47 convert».
Bajo el encabezado de cada botón, una línea dice en palabras lo que hace: el
texto que escribe con esa distribución, sus combinaciones («Ctrl+Alt+T»),
sus retardos y las teclas mantenidas.
</translation>
    </message>
    <message>
        <source>%1 leads to %2 but is left out: the name is not valid in the system&apos;s character encoding</source>
        <translation>%1 lleva a %2 pero se omite: el nombre no es válido en la codificación de caracteres del sistema</translation>
    </message>
</context>
</TS>
