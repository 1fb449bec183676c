<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_PT">
<context>
    <name>About</name>
    <message>
        <source>About Talvar QM-47 Button Configurator</source>
        <translation>Acerca de Talvar QM-47 Configurador de botões</translation>
    </message>
    <message>
        <source>Talvar QM-47 Button Configurator</source>
        <translation>Talvar QM-47 Configurador</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Version x.x.xxx (0000X)</source>
        <translation>Versão x.x.xxx (0000X)</translation>
    </message>
    <message>
        <source>© 2026 Talvar Devices. All rights reserved.</source>
        <translation>© 2026 Talvar Devices. Todos os direitos reservados.</translation>
    </message>
    <message>
        <source>Talvar Devices
Keypad programming tools – talvar.example</source>
        <translation>Talvar Devices
Ferramentas de programação de teclados – talvar.example</translation>
    </message>
    <message>
        <source>Version </source>
        <translation>Versão </translation>
    </message>
</context>
<context>
    <name>ButtonSummaries</name>
    <message>
        <source>Button %1: %2</source>
        <translation>Botão %1: %2</translation>
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
        <translation>Novo</translation>
    </message>
    <message>
        <source>Get device configuration</source>
        <translation>Ler a configuração do dispositivo</translation>
    </message>
</context>
<context>
    <name>EditController</name>
    <message>
        <source>Move up</source>
        <translation>Mover para cima</translation>
    </message>
    <message>
        <source>Move down</source>
        <translation>Mover para baixo</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Informação</translation>
    </message>
    <message>
        <source>Max. number of Keys recorded!</source>
        <translation>Número máximo de teclas gravado!</translation>
    </message>
    <message>
        <source>Insert delay</source>
        <translation>Inserir pausa</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Cortar</translation>
    </message>
    <message>
        <source>Line %1: </source>
        <translation>Linha %1: </translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erro</translation>
    </message>
    <message>
        <source>The clipboard does not hold a button script.</source>
        <translation>A área de transferência não contém um script de botão.</translation>
    </message>
    <message>
        <source>The clipboard holds no entries to paste.</source>
        <translation>A área de transferência não contém entradas para colar.</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Colar</translation>
    </message>
    <message>
        <source>These characters cannot be typed with the %1 keyboard layout: %2</source>
        <translation>Estes caracteres não podem ser escritos com a disposição de teclado %1: %2</translation>
    </message>
    <message>
        <source>Type text</source>
        <translation>Escrever texto</translation>
    </message>
    <message>
        <source>%1 entries are needed; the button has room for %2.</source>
        <translation>São necessárias %1 entradas; o botão tem espaço para %2.</translation>
    </message>
</context>
<context>
    <name>FileController</name>
    <message>
        <source>QM-47 file (*.tkf)</source>
        <translation>Ficheiro QM-47 (*.tkf)</translation>
    </message>
    <message>
        <source>Configuration text (*.txt)</source>
        <translation>Texto de configuração (*.txt)</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erro</translation>
    </message>
    <message>
        <source>Could not open file!</source>
        <translation>Não foi possível abrir o ficheiro!</translation>
    </message>
    <message>
        <source>File corrupt! Could not read the file!</source>
        <translation>Ficheiro danificado! Não foi possível ler o ficheiro!</translation>
    </message>
    <message>
        <source>File corrupt! Error reading the file.</source>
        <translation>Ficheiro danificado! Erro ao ler o ficheiro.</translation>
    </message>
    <message>
        <source>CRC error reading the file!</source>
        <translation>Erro de CRC ao ler o ficheiro!</translation>
    </message>
    <message>
        <source>Line %1: </source>
        <translation>Linha %1: </translation>
    </message>
    <message>
        <source>The configuration text could not be read.</source>
        <translation>Não foi possível ler o texto de configuração.</translation>
    </message>
    <message>
        <source>Could not create file!</source>
        <translation>Não foi possível criar o ficheiro!</translation>
    </message>
    <message>
        <source>Save button configuration</source>
        <translation>Guardar a configuração dos botões</translation>
    </message>
    <message>
        <source>Save configuration</source>
        <translation>Guardar configuração</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 já existe.
Pretende substituí-lo?</translation>
    </message>
    <message>
        <source>The keypad had %1 buttons; a file holds the first %2 only.</source>
        <translation>O teclado tinha %1 botões; um ficheiro só guarda os primeiros %2.</translation>
    </message>
    <message>
        <source>Button %1 holds %2 entries; a file holds the first %3 only.</source>
        <translation>O botão %1 contém %2 entradas; um ficheiro só guarda as primeiras %3.</translation>
    </message>
    <message>
        <source>Save only what a file holds?</source>
        <translation>Guardar apenas o que cabe num ficheiro?</translation>
    </message>
    <message>
        <source>Attention</source>
        <translation>Atenção</translation>
    </message>
    <message>
        <source>%1 was changed on disk since it was opened or saved here.
Overwrite it with this configuration, or save this configuration under another name?</source>
        <translation>%1 foi alterado no disco desde que foi aberto ou guardado aqui.
Substituí-lo por esta configuração ou guardar esta configuração com outro nome?</translation>
    </message>
    <message>
        <source>Overwrite</source>
        <translation>Substituir</translation>
    </message>
    <message>
        <source>Save as...</source>
        <translation>Guardar como...</translation>
    </message>
    <message>
        <source>Do you want to save your changes?</source>
        <translation>Pretende guardar as alterações?</translation>
    </message>
    <message>
        <source>Open button configuration</source>
        <translation>Abrir uma configuração de botões</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Informação</translation>
    </message>
    <message>
        <source>%1 was changed on disk.
Do you want to reload it?</source>
        <translation>%1 foi alterado no disco.
Pretende recarregá-lo?</translation>
    </message>
    <message>
        <source>%1 cannot be opened.
Remove it from the recent files?</source>
        <translation>%1 não pode ser aberto.
Removê-lo dos ficheiros recentes?</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Please select a button</source>
        <translation>Selecione um botão</translation>
    </message>
    <message>
        <source>Button </source>
        <translation>Botão </translation>
    </message>
    <message>
        <source> active</source>
        <translation> ativo</translation>
    </message>
    <message>
        <source>active</source>
        <translation>ativo</translation>
    </message>
    <message>
        <source>unbalanced</source>
        <translation>desequilibrado</translation>
    </message>
    <message>
        <source>has a script</source>
        <translation>tem um script</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>vazio</translation>
    </message>
    <message>
        <source>Move up</source>
        <translation>Mover para cima</translation>
    </message>
    <message>
        <source>Move down</source>
        <translation>Mover para baixo</translation>
    </message>
    <message>
        <source>Could not create file!</source>
        <translation>Não foi possível criar o ficheiro!</translation>
    </message>
    <message>
        <source>Could not open file!</source>
        <translation>Não foi possível abrir o ficheiro!</translation>
    </message>
    <message>
        <source>File corrupt! Could not read the file!</source>
        <translation>Ficheiro danificado! Não foi possível ler o ficheiro!</translation>
    </message>
    <message>
        <source>File corrupt! Error reading the file.</source>
        <translation>Ficheiro danificado! Erro ao ler o ficheiro.</translation>
    </message>
    <message>
        <source>CRC error reading the file!</source>
        <translation>Erro de CRC ao ler o ficheiro!</translation>
    </message>
    <message>
        <source>Button %1, %2</source>
        <translation>Botão %1, %2</translation>
    </message>
    <message>
        <source>Talvar QM-47 Button Configurator</source>
        <translation>Talvar QM-47 Configurador de botões</translation>
    </message>
    <message>
        <source>DBG</source>
        <translation>DBG</translation>
    </message>
    <message>
        <source>Choose button</source>
        <translation>Escolher botão</translation>
    </message>
    <message>
        <source>Select button </source>
        <translation>Escolher o botão </translation>
    </message>
    <message>
        <source>Button content</source>
        <translation>Conteúdo do botão</translation>
    </message>
    <message>
        <source>Recording</source>
        <translation>Gravação</translation>
    </message>
    <message>
        <source>Start recording</source>
        <translation>Iniciar a gravação</translation>
    </message>
    <message>
        <source>Stop recording</source>
        <translation>Parar a gravação</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Edição</translation>
    </message>
    <message>
        <source>Insert a delay</source>
        <translation>Inserir uma pausa</translation>
    </message>
    <message>
        <source>Move the selection up</source>
        <translation>Mover a seleção para cima</translation>
    </message>
    <message>
        <source>Move the selection down</source>
        <translation>Mover a seleção para baixo</translation>
    </message>
    <message>
        <source>Insert a key</source>
        <translation>Inserir uma tecla</translation>
    </message>
    <message>
        <source>Delete the selection or the last element</source>
        <translation>Eliminar a seleção ou o último elemento</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Ficheiro</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Editar</translation>
    </message>
    <message>
        <source>&amp;Action</source>
        <translation>&amp;Ação</translation>
    </message>
    <message>
        <source>Recording to button </source>
        <translation>A gravar no botão </translation>
    </message>
    <message>
        <source>Insert key to button </source>
        <translation>Inserir tecla no botão </translation>
    </message>
    <message>
        <source>The desktop may still take shortcuts such as Alt+Tab.</source>
        <translation>O ambiente de trabalho ainda pode intercetar atalhos como Alt+Tab.</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Novo</translation>
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
        <translation>&amp;Sair</translation>
    </message>
    <message>
        <source>&amp;Get device configuration</source>
        <translation>&amp;Ler a configuração do dispositivo</translation>
    </message>
    <message>
        <source>&amp;Set device configuration</source>
        <translation>&amp;Enviar a configuração para o dispositivo</translation>
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
        <translation>&amp;Parar</translation>
    </message>
    <message>
        <source>&amp;Insert delay</source>
        <translation>Inserir pa&amp;usa</translation>
    </message>
    <message>
        <source>&amp;Up</source>
        <translation>&amp;Cima</translation>
    </message>
    <message>
        <source>Do&amp;wn</source>
        <translation>&amp;Baixo</translation>
    </message>
    <message>
        <source>Insert one &amp;key</source>
        <translation>Inserir &amp;tecla</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>E&amp;liminar</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Anular</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Refazer</translation>
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
        <translation>C&amp;olar</translation>
    </message>
    <message>
        <source>Select &amp;all</source>
        <translation>&amp;Selecionar tudo</translation>
    </message>
    <message>
        <source>T&amp;ype text…</source>
        <translation>&amp;Escrever texto…</translation>
    </message>
    <message>
        <source>&amp;Recent files</source>
        <translation>Ficheiros &amp;recentes</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;juda</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation>&amp;Anular: %1</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>&amp;Refazer: %1</translation>
    </message>
</context>
<context>
    <name>MyTableModel</name>
    <message>
        <source>Port</source>
        <translation>Porta</translation>
    </message>
    <message>
        <source>Device name</source>
        <translation>Nome do dispositivo</translation>
    </message>
    <message>
        <source>%1 (not usable: the name is not valid in the system&apos;s character encoding)</source>
        <translation>%1 (não utilizável: o nome não é válido na codificação de caracteres do sistema)</translation>
    </message>
</context>
<context>
    <name>NameTable</name>
    <message>
        <source>German</source>
        <translation>alemã</translation>
    </message>
    <message>
        <source>French</source>
        <translation>francesa</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>espanhola</translation>
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
        <translation>E&amp;xportar visão geral…</translation>
    </message>
    <message>
        <source>&amp;Print…</source>
        <translation>Im&amp;primir…</translation>
    </message>
    <message>
        <source>PDF document (*.pdf)</source>
        <translation>Documento PDF (*.pdf)</translation>
    </message>
    <message>
        <source>PNG image (*.png)</source>
        <translation>Imagem PNG (*.png)</translation>
    </message>
    <message>
        <source>SVG image (*.svg)</source>
        <translation>Imagem SVG (*.svg)</translation>
    </message>
    <message>
        <source>Export overview</source>
        <translation>Exportar visão geral</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erro</translation>
    </message>
    <message>
        <source>The printer could not be started.</source>
        <translation>Não foi possível iniciar a impressora.</translation>
    </message>
</context>
<context>
    <name>OverviewExport</name>
    <message>
        <source>The overview is written as PDF, PNG or SVG: the file name must end in .pdf, .png or .svg.</source>
        <translation>A visão geral é escrita em PDF, PNG ou SVG: o nome do ficheiro tem de terminar em .pdf, .png ou .svg.</translation>
    </message>
    <message>
        <source>The file could not be written.</source>
        <translation>Não foi possível escrever o ficheiro.</translation>
    </message>
    <message>
        <source>The file could not be written: %1</source>
        <translation>Não foi possível escrever o ficheiro: %1</translation>
    </message>
</context>
<context>
    <name>OverviewSheet</name>
    <message>
        <source>What each button does, with the keyboard layout &quot;%1&quot;</source>
        <translation>O que cada botão faz, com a disposição de teclado «%1»</translation>
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
        <translation>Informação</translation>
    </message>
    <message>
        <source>Please activate a button first!</source>
        <translation>Selecione primeiro um botão!</translation>
    </message>
    <message>
        <source>Max. number of keys for this button recorded!</source>
        <translation>Número máximo de teclas gravado para este botão!</translation>
    </message>
    <message>
        <source>Recording</source>
        <translation>Gravação</translation>
    </message>
    <message>
        <source>Max. number of Keys recorded!</source>
        <translation>Número máximo de teclas gravado!</translation>
    </message>
    <message>
        <source>Recording aktiv, press OK to stop recording und close the application!</source>
        <translation>A gravação está em curso. Prima OK para a parar e fechar a aplicação.</translation>
    </message>
    <message>
        <source>Press cancel to continue recording!</source>
        <translation>Prima Cancelar para continuar a gravar.</translation>
    </message>
    <message>
        <source>Insert one key</source>
        <translation>Inserir tecla</translation>
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
        <translation>manter %1</translation>
    </message>
    <message>
        <source>%1 stays down</source>
        <translation>%1 fica premida</translation>
    </message>
    <message>
        <source>en</source>
        <comment>The code of this catalogue&apos;s language, for numbers and dates</comment>
        <translation>pt</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>vazio</translation>
    </message>
</context>
<context>
    <name>TkfFile</name>
    <message>
        <source>no file name</source>
        <translation>sem nome de ficheiro</translation>
    </message>
    <message>
        <source>the file was not written completely</source>
        <translation>o ficheiro não foi escrito por completo</translation>
    </message>
    <message>
        <source>the file is too large for a configuration</source>
        <translation>o ficheiro é demasiado grande para uma configuração</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>não é um ficheiro normal</translation>
    </message>
    <message>
        <source> (the file system cannot reserve room in advance; the file may have been cut short)</source>
        <translation> (o sistema de ficheiros não consegue reservar espaço antecipadamente; o ficheiro pode ter ficado cortado)</translation>
    </message>
    <message>
        <source> (the file was left as it was)</source>
        <translation> (o ficheiro ficou como estava)</translation>
    </message>
    <message>
        <source>not supported on this system</source>
        <translation>não suportado neste sistema</translation>
    </message>
    <message>
        <source>the name is not valid in the system&apos;s character encoding</source>
        <translation>o nome não é válido na codificação de caracteres do sistema</translation>
    </message>
</context>
<context>
    <name>TkfText</name>
    <message>
        <source>%1 is not used as a key name here; write the key code (%2)</source>
        <translation>%1 não é usado aqui como nome de tecla; escreva o código da tecla (%2)</translation>
    </message>
    <message>
        <source> or </source>
        <translation> ou </translation>
    </message>
    <message>
        <source>%1 is not a key name; write a name such as A or LSHIFT, or a code such as 0x1C</source>
        <translation>%1 não é um nome de tecla; escreva um nome como A ou LSHIFT, ou um código como 0x1C</translation>
    </message>
    <message>
        <source>%1 must come before the first &quot;button&quot;</source>
        <translation>%1 tem de vir antes do primeiro «button»</translation>
    </message>
    <message>
        <source>%1 was already given on line %2</source>
        <translation>%1 já foi indicado na linha %2</translation>
    </message>
    <message>
        <source>%1 needs one number from 0 to %2</source>
        <translation>%1 precisa de um número de 0 a %2</translation>
    </message>
    <message>
        <source>there are no buttons (&quot;buttons 0&quot;)</source>
        <translation>não há botões («buttons 0»)</translation>
    </message>
    <message>
        <source>&quot;button&quot; needs one number from 1 to %1</source>
        <translation>«button» precisa de um número de 1 a %1</translation>
    </message>
    <message>
        <source>button %1 was already given on line %2</source>
        <translation>o botão %1 já foi indicado na linha %2</translation>
    </message>
    <message>
        <source>cannot understand %1; an entry is KEY down, KEY up, delay or KEY delay</source>
        <translation>não se percebe %1; uma entrada é KEY down, KEY up, delay ou KEY delay</translation>
    </message>
    <message>
        <source>an entry must follow a &quot;button&quot; line</source>
        <translation>uma entrada tem de vir depois de uma linha «button»</translation>
    </message>
    <message>
        <source>&quot;delay&quot; stands alone; one half of a delay is written KEY delay (0x02 delay, 0x03 delay)</source>
        <translation>«delay» fica sozinho; meia pausa escreve-se KEY delay (0x02 delay, 0x03 delay)</translation>
    </message>
    <message>
        <source>%1 is not an action; write down, up or delay</source>
        <translation>%1 não é uma ação; escreva down, up ou delay</translation>
    </message>
    <message>
        <source>%1 (the most a file can hold)</source>
        <translation>%1 (o máximo de um ficheiro)</translation>
    </message>
    <message>
        <source>%1 (max-entries)</source>
        <translation>%1 (max-entries)</translation>
    </message>
    <message>
        <source>button %1 would hold more than %2 entries</source>
        <translation>o botão %1 teria mais de %2 entradas</translation>
    </message>
    <message>
        <source>the text holds the scripts of several buttons (%1 and %2); take one button at a time</source>
        <translation>o texto contém os scripts de vários botões (%1 e %2); use um botão de cada vez</translation>
    </message>
</context>
<context>
    <name>TransferCheck</name>
    <message>
        <source>Attention</source>
        <translation>Atenção</translation>
    </message>
    <message>
        <source>The Button content contains successive delays.<byte value="xd"/>
If the Autorepeat function is active in the computer&apos;s keyboard settings,<byte value="xd"/>
it is possible that the previous key action is repeated several times.<byte value="xd"/>
Do you want to continue?</source>
        <translation>O conteúdo do botão contém pausas seguidas.<byte value="xd"/>
Se a repetição automática estiver ativa nas definições do teclado do computador,<byte value="xd"/>
a ação de tecla anterior pode ser repetida várias vezes.<byte value="xd"/>
Pretende continuar?</translation>
    </message>
    <message>
        <source>Possible Error</source>
        <translation>Possível erro</translation>
    </message>
    <message>
        <source>The current configuration of the red marked buttons could lead to errors.<byte value="xd"/>
Do you want to continue?</source>
        <translation>A configuração atual dos botões assinalados a vermelho pode provocar erros.<byte value="xd"/>
Pretende continuar?</translation>
    </message>
</context>
<context>
    <name>TransferController</name>
    <message>
        <source>Reading configuration</source>
        <translation>A ler a configuração</translation>
    </message>
    <message>
        <source>Transmitting configuration</source>
        <translation>A enviar a configuração</translation>
    </message>
    <message>
        <source>Get device configuration</source>
        <translation>Ler a configuração do dispositivo</translation>
    </message>
    <message>
        <source>Set device configuration</source>
        <translation>Enviar a configuração para o dispositivo</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erro</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Informação</translation>
    </message>
    <message>
        <source>The keypad has %1 buttons; only the first %2 are shown and kept.</source>
        <translation>O teclado tem %1 botões; só os primeiros %2 são mostrados e mantidos.</translation>
    </message>
    <message>
        <source>A transfer with the keypad is running. Stop it?</source>
        <translation>Está a decorrer uma transferência com o teclado. Pará-la?</translation>
    </message>
</context>
<context>
    <name>TransferMessages</name>
    <message>
        <source>Error connecting to Serial Port! Port in use.</source>
        <translation>Erro ao ligar à porta série! Porta em uso.</translation>
    </message>
    <message>
        <source>Error connecting to Serial Port! %1: %2</source>
        <translation>Erro ao ligar à porta série! %1: %2</translation>
    </message>
    <message>
        <source>To get access, join the group &quot;%1&quot; that may use the port, then log out and in again:</source>
        <translation>Para ter acesso, junte-se ao grupo «%1» que pode usar a porta e depois termine a sessão e volte a entrar:</translation>
    </message>
    <message>
        <source>Error connecting to seriel port!</source>
        <translation>Erro ao ligar à porta série!</translation>
    </message>
    <message>
        <source>Cannot connect to the target! Please check the connection / serial port.</source>
        <translation>Não é possível ligar ao dispositivo! Verifique a ligação e a porta série.</translation>
    </message>
    <message>
        <source>An error occured during cummunication, connection refused! Please try again.</source>
        <translation>Ocorreu um erro durante a comunicação, ligação recusada! Tente novamente.</translation>
    </message>
    <message>
        <source>The transfer was stopped.</source>
        <translation>A transferência foi parada.</translation>
    </message>
    <message>
        <source>The keypad may now hold part of the new configuration (buttons 1 to %1 were written); write it again.</source>
        <translation>O teclado pode agora conter parte da nova configuração (os botões 1 a %1 foram escritos); escreva-a novamente.</translation>
    </message>
    <message>
        <source>Buttons 1 to %1 were read; the others still show the configuration from before. Undo brings back the configuration as it was.</source>
        <translation>Os botões 1 a %1 foram lidos; os restantes mostram ainda a configuração anterior. Anular repõe a configuração tal como estava.</translation>
    </message>
</context>
<context>
    <name>TransmitShortfall</name>
    <message>
        <source>Buttons the keypad does not have: %1.</source>
        <translation>Botões que o teclado não tem: %1.</translation>
    </message>
    <message>
        <source>Buttons cut to the keypad&apos;s %1 entries: %2.</source>
        <translation>Botões cortados às %1 entradas do teclado: %2.</translation>
    </message>
    <message>
        <source>The keypad holds %1 buttons with at most %2 entries each, so not all of the configuration was written.</source>
        <translation>O teclado tem %1 botões com no máximo %2 entradas cada um, pelo que nem toda a configuração foi escrita.</translation>
    </message>
    <message>
        <source>The configuration itself is unchanged.</source>
        <translation>A configuração em si não foi alterada.</translation>
    </message>
</context>
<context>
    <name>TypeTextDialog</name>
    <message>
        <source>Type text</source>
        <translation>Escrever texto</translation>
    </message>
    <message>
        <source>Text to type with the %1 keyboard layout
(a key press and release per character, Shift for capitals;
room for %2 entries):</source>
        <translation>Texto a escrever com a disposição de teclado %1
(uma pressão e uma libertação por carácter, Shift para as maiúsculas;
espaço para %2 entradas):</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
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
        <translation>[sem permissão]</translation>
    </message>
    <message>
        <source>Serial interface selection</source>
        <translation>Seleção da interface série</translation>
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
        <translation>Iniciar leitura / envio</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Refresh the serial port list</source>
        <translation>Atualizar a lista de portas série</translation>
    </message>
    <message>
        <source>&amp;Refresh</source>
        <translation>A&amp;tualizar</translation>
    </message>
    <message>
        <source>Please choose the interface where the service cable is connected.</source>
        <translation>Escolha a interface onde o cabo de serviço está ligado.</translation>
    </message>
    <message>
        <source>Choose serial port</source>
        <translation>Escolher a porta série</translation>
    </message>
    <message>
        <source>Serial ports</source>
        <translation>Portas série</translation>
    </message>
    <message>
        <source>Talvar QM-47 button configurator</source>
        <translation>Talvar QM-47 Configurador</translation>
    </message>
    <message>
        <source>Selection of the computer interface</source>
        <translation>Seleção da interface do computador</translation>
    </message>
    <message>
        <source>Additional port</source>
        <translation>Porta adicional</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Records, edits and transfers the key scripts of the QM-47 keypad.</source>
        <translation>Grava, edita e transfere os scripts de teclas do teclado QM-47.</translation>
    </message>
    <message>
        <source>Configuration to open: a .tkf file, or its text form (.txt).</source>
        <translation>Configuração a abrir: um ficheiro .tkf ou a sua forma de texto (.txt).</translation>
    </message>
    <message>
        <source>Show the texts in this language: de, fr, es, pt or en (default: the system&apos;s language).</source>
        <translation>Mostrar os textos neste idioma: de, fr, es, pt ou en (por omissão: o idioma do sistema).</translation>
    </message>
</context>
<context>
    <name>progressBar</name>
    <message>
        <source>Form</source>
        <translation>Formulário</translation>
    </message>
</context>
<context>
    <name>qm47</name>
    <message>
        <source>odd number of entries (%1)</source>
        <translation>número ímpar de entradas (%1)</translation>
    </message>
    <message>
        <source>entry %1 (%2) has no release after it</source>
        <translation>a entrada %1 (%2) não é seguida de uma libertação</translation>
    </message>
    <message>
        <source>entry %1 (%2) has no press before it</source>
        <translation>a entrada %1 (%2) não é precedida de uma pressão</translation>
    </message>
    <message>
        <source>%1 more</source>
        <translation>mais %1</translation>
    </message>
    <message>
        <source>unbalanced (a key pressed and never released, or released without being pressed)</source>
        <translation>desequilibrado (uma tecla premida e nunca libertada, ou libertada sem ter sido premida)</translation>
    </message>
    <message>
        <source>Button %1: %2</source>
        <translation>Botão %1: %2</translation>
    </message>
    <message>
        <source>successive delays (with keyboard autorepeat the key action before them may repeat)</source>
        <translation>pausas seguidas (com a repetição automática do teclado, a ação de tecla anterior pode repetir-se)</translation>
    </message>
    <message>
        <source>All %1 buttons are balanced and have no successive delays</source>
        <translation>Os %1 botões estão todos equilibrados e não têm pausas seguidas</translation>
    </message>
    <message>
        <source>Check every button for balance and successive delays.</source>
        <translation>Verificar o equilíbrio e as pausas seguidas de cada botão.</translation>
    </message>
    <message>
        <source>standard input</source>
        <translation>entrada padrão</translation>
    </message>
    <message>
        <source>standard output</source>
        <translation>saída padrão</translation>
    </message>
    <message>
        <source>--to takes tkf or text, not &quot;%1&quot;</source>
        <translation>--to aceita tkf ou text, não «%1»</translation>
    </message>
    <message>
        <source>with - on both sides, say the kind of OUT with --to</source>
        <translation>com - dos dois lados, indique o tipo de OUT com --to</translation>
    </message>
    <message>
        <source>exactly one of IN and OUT must be a .tkf file</source>
        <translation>exatamente um de IN e OUT tem de ser um ficheiro .tkf</translation>
    </message>
    <message>
        <source>warning: the file holds more than a configuration (bytes after the checksum, or counts above the limits); the text holds the configuration as the configurator reads it</source>
        <translation>aviso: o ficheiro contém mais do que uma configuração (bytes depois da soma de verificação ou quantidades acima dos limites); o texto contém a configuração tal como o configurador a lê</translation>
    </message>
    <message>
        <source>too large to be the text form of a configuration</source>
        <translation>demasiado grande para ser a forma de texto de uma configuração</translation>
    </message>
    <message>
        <source>holds no configuration (no statement at all); nothing written</source>
        <translation>não contém nenhuma configuração (nenhuma instrução); nada foi escrito</translation>
    </message>
    <message>
        <source>%1, line %2: %3</source>
        <translation>%1, linha %2: %3</translation>
    </message>
    <message>
        <source>Run &quot;%1&quot; for help.</source>
        <translation>Execute «%1» para obter ajuda.</translation>
    </message>
    <message>
        <source>The kind of OUT; IN is the other kind.</source>
        <translation>O tipo de OUT; IN é do outro tipo.</translation>
    </message>
    <message>
        <source>Convert a configuration file to its text form, or back.</source>
        <translation>Converter um ficheiro de configuração na sua forma de texto, ou o inverso.</translation>
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
        <translation>O sentido segue as extensões: exatamente um de IN e OUT termina em .tkf, o
outro é a forma de texto (por exemplo .txt). «-» como IN lê a entrada
padrão e como OUT escreve na saída padrão; esse lado é do outro tipo que o
ficheiro indicado. --to indica diretamente o tipo de OUT (necessário com - dos
dois lados). Um ficheiro convertido em texto e de volta dá os mesmos bytes. Uma
linha de texto que não se percebe é indicada com o seu número, e nada é
escrito.

A forma de texto tem uma instrução por linha:
  buttons N       número de botões, de 0 a 23 (23 por omissão)
  max-entries N   entradas por botão, de 0 a 65535 tal como guardado (250
                  por omissão)
  button N        as entradas seguintes pertencem ao botão N (de 1 a
                  buttons); cada botão no máximo uma vez, os botões que não
                  aparecem estão vazios
  KEY down        uma pressão de KEY
  KEY up          uma libertação de KEY
  delay           uma pausa de meio segundo (as suas duas metades)
  KEY delay       meia pausa com KEY como byte de tecla, para uma metade
                  sozinha: 0x02 delay é uma primeira metade, 0x03 delay uma
                  segunda
«buttons» e «max-entries» vêm antes do primeiro «button». Um botão tem
no máximo max-entries entradas e nunca mais de 250. KEY é o nome da tecla tal
como o configurador o mostra para um teclado inglês (A, LSHIFT, F5, NUM_1, &quot;,&quot;,
&quot;&apos;&quot;, sem as aspas) ou o seu código, 0x e dois algarismos hexadecimais (0x1C).
Os códigos sem nome, a barra invertida (nome de 0x13 e de 0x53) e DELAY (0xFA)
escrevem-se em hexadecimal. Tudo o que vem depois de # é um comentário; não
importam as maiúsculas, as linhas em branco nem a indentação.

Exemplo:
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
        <translation>nenhuma porta série encontrada</translation>
    </message>
    <message>
        <source>List the serial ports that PORT can name.</source>
        <translation>Listar as portas série que PORT pode indicar.</translation>
    </message>
    <message>
        <source>Reading</source>
        <translation>A ler</translation>
    </message>
    <message>
        <source>the keypad reports %1 buttons of at most %2 entries, or entries a configuration file cannot hold; nothing was written</source>
        <translation>o teclado indica %1 botões de no máximo %2 entradas, ou entradas que um ficheiro de configuração não pode conter; nada foi escrito</translation>
    </message>
    <message>
        <source>Read %1 buttons into %2</source>
        <translation>%1 botões lidos para %2</translation>
    </message>
    <message>
        <source>Read the keypad&apos;s configuration into a configuration file.</source>
        <translation>Ler a configuração do teclado para um ficheiro de configuração.</translation>
    </message>
    <message>
        <source>--layout takes de, fr, es, pt or en</source>
        <translation>--layout aceita de, fr, es, pt ou en</translation>
    </message>
    <message>
        <source>%1 buttons, at most %2 entries each</source>
        <translation>%1 botões, no máximo %2 entradas cada um</translation>
    </message>
    <message>
        <source>Button %1: empty</source>
        <translation>Botão %1: vazio</translation>
    </message>
    <message>
        <source>Button %1: 1 entry</source>
        <translation>Botão %1: 1 entrada</translation>
    </message>
    <message>
        <source>Button %1: %2 entries</source>
        <translation>Botão %1: %2 entradas</translation>
    </message>
    <message>
        <source>Show a configuration file as text, one button a block.</source>
        <translation>Mostrar um ficheiro de configuração como texto, um bloco por botão.</translation>
    </message>
    <message>
        <source>Name keys as on this keyboard layout (default en).</source>
        <translation>Nomear as teclas segundo esta disposição de teclado (en por omissão).</translation>
    </message>
    <message>
        <source>no entry</source>
        <translation>nenhuma entrada</translation>
    </message>
    <message>
        <source>the keypad reports %1 buttons, %2 during the transmit</source>
        <translation>o teclado indica %1 botões, %2 durante o envio</translation>
    </message>
    <message>
        <source>button %1, entry %2: sent %3, read back %4</source>
        <translation>botão %1, entrada %2: enviado %3, relido %4</translation>
    </message>
    <message>
        <source>warning: %1</source>
        <translation>aviso: %1</translation>
    </message>
    <message>
        <source>Writing</source>
        <translation>A escrever</translation>
    </message>
    <message>
        <source>Wrote %1 buttons from %2</source>
        <translation>%1 botões escritos a partir de %2</translation>
    </message>
    <message>
        <source>verification readout failed: %1</source>
        <translation>falhou a leitura de verificação: %1</translation>
    </message>
    <message>
        <source>verification failed: %1</source>
        <translation>falhou a verificação: %1</translation>
    </message>
    <message>
        <source>Read the keypad back and compare.</source>
        <translation>Ler o teclado de volta e comparar.</translation>
    </message>
    <message>
        <source>Usage: qm47 COMMAND [OPTIONS] [ARGUMENTS]

Command-line companion of the QM-47 Button Configurator: reads and writes the
keypad&apos;s configuration over its serial cable, and shows, checks and converts
configuration files (.tkf).

Commands:
</source>
        <translation>Utilização: qm47 COMANDO [OPÇÕES] [ARGUMENTOS]

Companheiro de linha de comandos do configurador de botões QM-47: lê e escreve
a configuração do teclado pelo seu cabo série, e mostra, verifica e converte
ficheiros de configuração (.tkf).

Comandos:
</translation>
    </message>
    <message>
        <source>Usage: %1

%2
</source>
        <translation>Utilização: %1

%2
</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Opções:</translation>
    </message>
    <message>
        <source>Show this help.</source>
        <translation>Mostrar esta ajuda.</translation>
    </message>
    <message>
        <source>%1: unknown option %2</source>
        <translation>%1: opção desconhecida %2</translation>
    </message>
    <message>
        <source>%1: --%2 takes no value</source>
        <translation>%1: --%2 não aceita nenhum valor</translation>
    </message>
    <message>
        <source>%1: --%2 needs a value (%3)</source>
        <translation>%1: --%2 precisa de um valor (%3)</translation>
    </message>
    <message>
        <source>%1 takes %2; usage: %3</source>
        <translation>%1 aceita %2; utilização: %3</translation>
    </message>
    <message>
        <source>no arguments</source>
        <translation>nenhum argumento</translation>
    </message>
    <message>
        <source>unknown command &quot;%1&quot;</source>
        <translation>comando desconhecido «%1»</translation>
    </message>
    <message>
        <source>this is the text form of a configuration; make a configuration file of it with &quot;qm47 convert %1 FILE.tkf&quot;</source>
        <translation>é a forma de texto de uma configuração; converta-a num ficheiro de configuração com «qm47 convert %1 FILE.tkf»</translation>
    </message>
    <message>
        <source>Print the result as a JSON document.</source>
        <translation>Mostrar o resultado como documento JSON.</translation>
    </message>
    <message>
        <source>The keypad holds what the file holds</source>
        <translation>O teclado contém o que o ficheiro contém</translation>
    </message>
    <message>
        <source>The keypad differs from the file</source>
        <translation>O teclado difere do ficheiro</translation>
    </message>
    <message>
        <source>Show how the keypad differs from a configuration file.</source>
        <translation>Mostrar em que o teclado difere de um ficheiro de configuração.</translation>
    </message>
    <message>
        <source>Print one JSON document per port.</source>
        <translation>Mostrar um documento JSON por porta.</translation>
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
        <translation>Lista as portas que a caixa de diálogo de portas do configurador oferece, uma
por linha: o nome da porta, uma tabulação e a sua descrição. São as portas
série encontradas neste computador e depois os caminhos de dispositivo
indicados na variável de ambiente QM47_EXTRA_PORTS (separados por &apos;:&apos;), como
o pseudoterminal do simulador de teclado. Qualquer destes nomes pode ser dado
como PORT a «qm47 read» e «qm47 write», tal como um caminho de dispositivo.
Uma porta que este utilizador não pode abrir é marcada «[sem permissão]»
(ver «Serial port access on Linux» no README).
Uma porta com nomes que sobrevivem à renumeração (as ligações para ela em
/dev/serial/by-id e /dev/serial/by-path) recebe mais uma tabulação e esses
nomes, separados por espaços; indique um deles como PORT onde se ligam e
desligam adaptadores.
Uma ligação cujo nome não é válido na codificação de caracteres do sistema
não pode ser indicada como PORT; é nomeada na saída de erros, com os seus
outros bytes escritos como \xHH («unlisted_links» em JSON).
</translation>
    </message>
    <message>
        <source>Print the list as a JSON document.</source>
        <translation>Mostrar a lista como documento JSON.</translation>
    </message>
    <message>
        <source>Print the configuration as a JSON document.</source>
        <translation>Mostrar a configuração como documento JSON.</translation>
    </message>
    <message>
        <source>Wrote %1 buttons from %2, verified: the keypad holds what was sent</source>
        <translation>%1 botões escritos a partir de %2, verificado: o teclado contém o que foi enviado</translation>
    </message>
    <message>
        <source>Unchanged: the keypad already holds the %1 buttons of %2</source>
        <translation>Sem alterações: o teclado já contém os %1 botões de %2</translation>
    </message>
    <message>
        <source>Writing %1 keypads</source>
        <translation>A escrever %1 teclados</translation>
    </message>
    <message>
        <source>Write a configuration file to one keypad or several.</source>
        <translation>Escrever um ficheiro de configuração num ou em vários teclados.</translation>
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
        <translation>Envia FILE.tkf por PORT (ver «qm47 ports») como o configurador faz. Os
botões desequilibrados e as pausas seguidas são indicados como avisos (ver
«qm47 check») e enviados na mesma. O teclado aceita tantos botões quantos
tem e no máximo o seu número máximo de entradas por botão; se assim ficar de
fora parte do ficheiro, o comando indica-o e falha.
Com --verify, a configuração é depois lida de volta e tem de ser igual ao que
foi enviado; caso contrário, são indicados o primeiro botão e a primeira
entrada que diferem.
Com --if-changed, o teclado é lido primeiro; se já contém o que o ficheiro
lhe daria, nada é escrito e o resultado diz «Sem alterações»; caso
contrário, o ficheiro é escrito e verificado. Ambos terminam com estado 0.
Várias PORT são escritas ao mesmo tempo, cada uma por si; as linhas de
resultado seguem a ordem das PORT, e o estado é 1 se alguma falhou.
Uma PORT pode ser uma ligação para o dispositivo, como o seu nome estável em
/dev/serial/by-id.
</translation>
    </message>
    <message>
        <source>Write only where the keypad holds something else.</source>
        <translation>Escrever só onde o teclado contém outra coisa.</translation>
    </message>
    <message>
        <source>failed: %1</source>
        <translation>falhou: %1</translation>
    </message>
    <message>
        <source>%1 and %2 name the same port</source>
        <translation>%1 e %2 indicam a mesma porta</translation>
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
        <translation>Lê o teclado por PORT e compara-o, botão a botão, com o que a escrita de
FILE.tkf deixaria nele. Cada botão que difere é indicado, com as linhas da
forma de texto (ver «qm47 convert») que só o teclado tem («- ») e as que só
o ficheiro tem («+ »). Botões ou entradas do ficheiro que o teclado não pode
guardar também são diferenças.
Várias PORT são lidas ao mesmo tempo; os resultados seguem a sua ordem.
Estado de saída como diff(1): 0 se cada teclado contém o que o ficheiro
contém, 1 se algum difere, 2 se não foi possível ler um teclado ou o
ficheiro foi recusado; 129, 130 ou 143 se SIGHUP, SIGINT ou SIGTERM parou a
leitura.
</translation>
    </message>
    <message>
        <source>read: --json and the configuration cannot share standard output</source>
        <translation>read: --json e a configuração não podem partilhar a saída padrão</translation>
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
        <translation>Lê o teclado por PORT (ver «qm47 ports») como o configurador faz e escreve a
configuração em FILE.tkf. O ficheiro só é escrito se a leitura terminou; após
uma falha, um FILE.tkf existente fica como estava.
FILE.tkf «-» é a saída padrão, que então leva a configuração e nada mais.
Se a saída de erros for um terminal, mostra uma barra de progresso.
PORT pode ser uma ligação para o dispositivo, como o seu nome estável em
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
Opções:
  -h, --help   Mostrar esta ajuda.
  --version    Mostrar a versão de qm47.
  --lang CODE  Mostrar os textos neste idioma: de, fr, es, pt ou en
               (por omissão: o idioma do sistema).

Execute «qm47 COMANDO --help» para ver os detalhes de um comando.
Estado de saída: 0 em caso de sucesso; 1 quando um ficheiro é recusado ou
falha uma verificação ou uma transferência; 2 quando a linha de comandos está
errada (diff: 1 quando o teclado difere, 2 em caso de problema); 129, 130 ou
143 quando SIGHUP, SIGINT ou SIGTERM parou uma transferência de read, write ou
diff.
</translation>
    </message>
    <message>
        <source>%1: the name is not valid in the system&apos;s character encoding, so qm47 cannot use it; rename it</source>
        <translation>%1: o nome não é válido na codificação de caracteres do sistema, por isso o qm47 não o pode usar; mude-lhe o nome</translation>
    </message>
    <message>
        <source>Runs the checks the configurator runs before a transmit or save on every
button of FILE.tkf: the balance check (every key pressed is released, every
key released was pressed, an even number of entries) and the test for two
delays in a row. Names each button that fails and why, one line each, and
exits with status 1 if any does. With --json the document also carries each
button&apos;s summary in words, for the layout chosen with --layout.
</source>
        <translation>Executa em cada botão de FILE.tkf as verificações que o configurador faz antes
de enviar ou guardar: a de equilíbrio (cada tecla premida é libertada, cada
tecla libertada foi premida, um número par de entradas) e a de duas pausas
seguidas. Indica cada botão que falha e porquê, uma linha cada, e termina com
o estado 1 se algum falhar.
Com --json o documento também traz o resumo em palavras de cada botão,
para a disposição escolhida com --layout.
</translation>
    </message>
    <message>
        <source>--paper takes a4 or letter</source>
        <translation>--paper aceita a4 ou letter</translation>
    </message>
    <message>
        <source>OUT must end in .pdf, .png or .svg</source>
        <translation>OUT tem de terminar em .pdf, .png ou .svg</translation>
    </message>
    <message>
        <source>Write a sheet of what every button does, to print.</source>
        <translation>Escrever uma folha para imprimir com o que cada botão faz.</translation>
    </message>
    <message>
        <source>Writes the overview sheet of FILE.tkf to OUT: the configuration&apos;s name, the
date and every button in the window&apos;s arrangement with its number and what
it does in words, on one page. The format follows the name of OUT: .pdf,
.png or .svg. The summaries follow the keyboard layout chosen with --layout.
</source>
        <translation>Escreve a folha de visão geral de FILE.tkf em OUT: o nome da configuração,
a data e cada botão na disposição da janela, com o seu número e o que faz
em palavras, numa página. O formato segue o nome de OUT: .pdf, .png ou
.svg. Os resumos seguem a disposição de teclado escolhida com --layout.
</translation>
    </message>
    <message>
        <source>The paper size of the page (default a4).</source>
        <translation>O tamanho de papel da página (a4 por omissão).</translation>
    </message>
    <message>
        <source>Summary: %1</source>
        <translation>Resumo: %1</translation>
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
        <translation>Lista cada botão de FILE.tkf com as suas entradas tal como a lista de
conteúdo do configurador as mostra: o nome da tecla seguido de «down» ou
«up», e uma pausa como as duas linhas «Delay» e «0.5s». Os nomes das teclas
seguem a disposição de teclado escolhida com --layout (inglesa se não for
indicada). Para uma forma que se pode editar e voltar a converter em
ficheiro, ver «qm47 convert».
Sob o título de cada botão, uma linha diz em palavras o que faz: o texto
que escreve com essa disposição, as suas combinações («Ctrl+Alt+T»), as
pausas e as teclas mantidas.
</translation>
    </message>
    <message>
        <source>%1 leads to %2 but is left out: the name is not valid in the system&apos;s character encoding</source>
        <translation>%1 leva a %2 mas é omitida: o nome não é válido na codificação de caracteres do sistema</translation>
    </message>
</context>
</TS>
