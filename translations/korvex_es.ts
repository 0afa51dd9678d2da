<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>AppWords</name>
    <message>
        <source>Usage: %1 [FILE]

Opens the Korvex Config window to edit the settings of a Korvex APRS tracker
and send them over the serial line. FILE, a .cfg file, is loaded at start as
the Load button loads it.

Options:
  -h, --help     show this help and exit
  -v, --version  show the version and exit
  --lang NAME    the language of the window (de, es, it, ...; C for English);
                 KORVEX_LANG does the same, else the system&apos;s locale decides

Qt&apos;s options (-platform NAME, -style NAME, ...) are accepted too.
See korvex-config(1); korvex-cli(1) does the same from a terminal.
</source>
        <translation>Uso: %1 [ARCHIVO]

Abre la ventana de Korvex Config para editar los ajustes de un tracker APRS
Korvex y enviarlos por la línea serie. ARCHIVO, un archivo .cfg, se carga al
inicio tal como lo carga el botón Cargar.

Opciones:
  -h, --help     muestra esta ayuda y sale
  -v, --version  muestra la versión y sale
  --lang NOMBRE  el idioma de la ventana (de, es, it, ...; C para inglés);
                 KORVEX_LANG hace lo mismo; si no, decide el idioma del sistema

También se aceptan las opciones de Qt (-platform NOMBRE, -style NOMBRE, ...).
Véase korvex-config(1); korvex-cli(1) hace lo mismo desde un terminal.
</translation>
    </message>
    <message>
        <source>Run &quot;%1 --help&quot; for usage.
</source>
        <translation>Ejecute &quot;%1 --help&quot; para ver el uso.
</translation>
    </message>
    <message>
        <source>one FILE at most</source>
        <translation>como mucho un ARCHIVO</translation>
    </message>
</context>
<context>
    <name>BlockBuilder</name>
    <message>
        <source>Parametri incompleti o non corretti</source>
        <translation>Parámetros incompletos o incorrectos</translation>
    </message>
    <message>
        <source>the field cannot hold &quot;%1&quot;: %2</source>
        <translation>el campo no admite &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>overflow: %1 does not fit a byte (0 to 255)</source>
        <translation>desbordamiento: %1 no cabe en un byte (de 0 a 255)</translation>
    </message>
    <message>
        <source>no Mic-E message is selected</source>
        <translation>no hay ningún mensaje Mic-E seleccionado</translation>
    </message>
    <message>
        <source>the symbol is empty</source>
        <translation>el símbolo está vacío</translation>
    </message>
    <message>
        <source>overflow: the symbol has no single-byte code</source>
        <translation>desbordamiento: el símbolo no tiene código de un byte</translation>
    </message>
    <message>
        <source>the own call sign is empty</source>
        <translation>el indicativo propio está vacío</translation>
    </message>
    <message>
        <source>the unproto call is empty</source>
        <translation>el indicativo unproto está vacío</translation>
    </message>
    <message>
        <source>step %1, field %2: %3</source>
        <translation>paso %1, campo %2: %3</translation>
    </message>
</context>
<context>
    <name>ConfigFile</name>
    <message>
        <source>The file ends after item %1 of %2: it is not a complete configuration file.</source>
        <translation>El archivo termina tras el elemento %1 de %2: no es un archivo de configuración completo.</translation>
    </message>
    <message>
        <source>Item %1, %2</source>
        <translation>Elemento %1, %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a number.</source>
        <translation>&quot;%1&quot; no es un número.</translation>
    </message>
    <message>
        <source>%1 is out of range (overflow).</source>
        <translation>%1 está fuera de rango (desbordamiento).</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is refused: %2.</source>
        <translation>&quot;%1&quot; se rechaza: %2.</translation>
    </message>
    <message>
        <source>Cannot read &quot;%1&quot;</source>
        <translation>No se puede leer &quot;%1&quot;</translation>
    </message>
    <message>
        <source>Cannot open &quot;%1&quot;</source>
        <translation>No se puede abrir &quot;%1&quot;</translation>
    </message>
    <message>
        <source>it is larger than %1 MiB (a settings file is about 200 bytes)</source>
        <translation>ocupa más de %1 MiB (un archivo de ajustes tiene unos 200 bytes)</translation>
    </message>
    <message>
        <source>Cannot save: %1 holds a double quote (&quot;), which a configuration file cannot store. Remove it and save again.</source>
        <translation>No se puede guardar: %1 contiene comillas dobles (&quot;), que un archivo de configuración no puede almacenar. Quítelas y vuelva a guardar.</translation>
    </message>
    <message>
        <source>Cannot save: %1 holds the control character %2, which a configuration file cannot store. Remove it and save again.</source>
        <translation>No se puede guardar: %1 contiene el carácter de control %2, que un archivo de configuración no puede almacenar. Quítelo y vuelva a guardar.</translation>
    </message>
    <message>
        <source>Cannot save: %1 holds a character that has no Windows-1252 code.</source>
        <translation>No se puede guardar: %1 contiene un carácter sin código Windows-1252.</translation>
    </message>
    <message>
        <source>Cannot write &quot;%1&quot;</source>
        <translation>No se puede escribir &quot;%1&quot;</translation>
    </message>
    <message>
        <source>The file begins as UTF-16 text (Notepad&apos;s &quot;Unicode&quot;) but is not valid UTF-16. Open it in Notepad and save it again with the encoding &quot;ANSI&quot; or &quot;UTF-8&quot;.</source>
        <translation>El archivo empieza como texto UTF-16 (el &quot;Unicode&quot; del Bloc de notas) pero no es UTF-16 válido. Ábralo en el Bloc de notas y guárdelo de nuevo con la codificación &quot;ANSI&quot; o &quot;UTF-8&quot;.</translation>
    </message>
</context>
<context>
    <name>Description</name>
    <message>
        <source>In milliseconds (%1)</source>
        <translation>En milisegundos (%1)</translation>
    </message>
    <message>
        <source>In seconds (%1)</source>
        <translation>En segundos (%1)</translation>
    </message>
    <message>
        <source>In transmissions (%1)</source>
        <translation>En transmisiones (%1)</translation>
    </message>
    <message>
        <source>In hundreds of milliseconds (%1)</source>
        <translation>En pasos de 100 milisegundos (%1)</translation>
    </message>
    <message>
        <source>One digit</source>
        <translation>Una cifra</translation>
    </message>
    <message numerus="yes">
        <source>Up to %n digits</source>
        <translation>
            <numerusform>Hasta %n cifra</numerusform>
            <numerusform>Hasta %n cifras</numerusform>
        </translation>
    </message>
    <message>
        <source>One character</source>
        <translation>Un carácter</translation>
    </message>
    <message numerus="yes">
        <source>One of %n messages</source>
        <translation>
            <numerusform>Uno de %n mensaje</numerusform>
            <numerusform>Uno de %n mensajes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Up to %n characters: letters, digits and hyphen, in upper case</source>
        <translation>
            <numerusform>Hasta %n carácter: letras, cifras y guion, en mayúsculas</numerusform>
            <numerusform>Hasta %n caracteres: letras, cifras y guion, en mayúsculas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Up to %n characters: letters, digits, hyphen and comma, in upper case</source>
        <translation>
            <numerusform>Hasta %n carácter: letras, cifras, guion y coma, en mayúsculas</numerusform>
            <numerusform>Hasta %n caracteres: letras, cifras, guion y coma, en mayúsculas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Up to %n characters, in upper case</source>
        <translation>
            <numerusform>Hasta %n carácter, en mayúsculas</numerusform>
            <numerusform>Hasta %n caracteres, en mayúsculas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Up to %n characters</source>
        <translation>
            <numerusform>Hasta %n carácter</numerusform>
            <numerusform>Hasta %n caracteres</numerusform>
        </translation>
    </message>
    <message>
        <source>The number of the serial port</source>
        <translation>El número del puerto serie</translation>
    </message>
    <message>
        <source>In GPSless mode, the GPSless beacon</source>
        <translation>En modo sin GPS, la baliza sin GPS</translation>
    </message>
    <message>
        <source>GPSless mode: on</source>
        <translation>Modo sin GPS: activado</translation>
    </message>
    <message>
        <source>GPSless mode: off</source>
        <translation>Modo sin GPS: desactivado</translation>
    </message>
    <message>
        <source>0 = GPSless mode. Entering leaves the digits unselected: to replace them, select them first with Shift+End, then type</source>
        <translation>0 = modo sin GPS. Al entrar, las cifras quedan sin seleccionar: para sustituirlas, selecciónelas primero con Mayús+Fin y luego escriba</translation>
    </message>
</context>
<context>
    <name>Field</name>
    <message>
        <source>Comm num:</source>
        <translation>Núm. COM:</translation>
    </message>
    <message>
        <source>TX DELAY</source>
        <translation>RETARDO TX</translation>
    </message>
    <message>
        <source>mS</source>
        <translation>ms</translation>
    </message>
    <message>
        <source>Msg Retries</source>
        <translation>Reintentos msj.</translation>
    </message>
    <message>
        <source>Mic-E msg</source>
        <translation>Mensaje Mic-E</translation>
    </message>
    <message>
        <source>ICON Symbol</source>
        <translation>Símbolo ICONO</translation>
    </message>
    <message>
        <source>Alternate Table</source>
        <translation>Tabla alternativa</translation>
    </message>
    <message>
        <source>Disable display position of received stations</source>
        <translation>No mostrar la posición de las estaciones recibidas</translation>
    </message>
    <message>
        <source>Speed 0-3 Km/h</source>
        <translation>Velocidad 0-3 km/h</translation>
    </message>
    <message>
        <source>sec.</source>
        <translation>seg.</translation>
    </message>
    <message>
        <source>Speed 4-9 Km/h</source>
        <translation>Velocidad 4-9 km/h</translation>
    </message>
    <message>
        <source>Speed 10-22 Km/h</source>
        <translation>Velocidad 10-22 km/h</translation>
    </message>
    <message>
        <source>Speed 23-40 Km/h</source>
        <translation>Velocidad 23-40 km/h</translation>
    </message>
    <message>
        <source>Speed 41-72 Km/h</source>
        <translation>Velocidad 41-72 km/h</translation>
    </message>
    <message>
        <source>Speed 73-125 Km/h</source>
        <translation>Velocidad 73-125 km/h</translation>
    </message>
    <message>
        <source>Speed &gt; 125 Km/h</source>
        <translation>Velocidad &gt; 125 km/h</translation>
    </message>
    <message>
        <source>Every</source>
        <translation>Cada</translation>
    </message>
    <message>
        <source>Manual Timing</source>
        <translation>Intervalo manual</translation>
    </message>
    <message>
        <source>Status txt every</source>
        <translation>Texto de estado cada</translation>
    </message>
    <message>
        <source>tx</source>
        <translation>tx</translation>
    </message>
    <message>
        <source>GPS acquisition interval</source>
        <translation>Intervalo de adquisición GPS</translation>
    </message>
    <message>
        <source>Acquisition timeout</source>
        <translation>Tiempo máximo de adquisición</translation>
    </message>
    <message>
        <source>x 100 mS</source>
        <translation>x 100 ms</translation>
    </message>
    <message>
        <source>Unprotocol call</source>
        <translation>Indicativo unproto</translation>
    </message>
    <message>
        <source>MY CALLSIGN</source>
        <translation>MI INDICATIVO</translation>
    </message>
    <message>
        <source>APRS PATH</source>
        <translation>RUTA APRS</translation>
    </message>
    <message>
        <source>Max 2 digipeater addresses</source>
        <translation>Máximo 2 direcciones de digipeater</translation>
    </message>
    <message>
        <source>STATUS text</source>
        <translation>Texto de ESTADO</translation>
    </message>
    <message>
        <source>Max 30 chars. Enter aprs Lat/Lon in GPSless Mode.</source>
        <translation>Máximo 30 caracteres. En modo sin GPS, introduzca la Lat/Lon APRS.</translation>
    </message>
    <message>
        <source>APRS message TO CALL</source>
        <translation>Mensaje APRS PARA</translation>
    </message>
    <message>
        <source>Message text</source>
        <translation>Texto del mensaje</translation>
    </message>
    <message>
        <source>Max 32 chars.</source>
        <translation>Máximo 32 caracteres.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>a field&apos;s name under the frame that tells it apart: Manual Timing: Every</comment>
        <translation>%1: %2</translation>
    </message>
</context>
<context>
    <name>FieldRules</name>
    <message>
        <source>the character %1 has no Windows-1252 code</source>
        <translation>el carácter %1 no tiene código Windows-1252</translation>
    </message>
    <message>
        <source>the character %1 is a control character</source>
        <translation>el carácter %1 es un carácter de control</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a number: only digits fit this field</source>
        <translation>&quot;%1&quot; no es un número: este campo solo admite cifras</translation>
    </message>
    <message>
        <source>&quot;%1&quot; has more than 1 digit</source>
        <translation>&quot;%1&quot; tiene más de 1 cifra</translation>
    </message>
    <message numerus="yes">
        <source>&quot;%1&quot; has more than %n digits</source>
        <translation>
            <numerusform>&quot;%1&quot; tiene más de %n cifra</numerusform>
            <numerusform>&quot;%1&quot; tiene más de %n cifras</numerusform>
        </translation>
    </message>
    <message>
        <source>&quot;%1&quot; is more than one character</source>
        <translation>&quot;%1&quot; es más de un carácter</translation>
    </message>
    <message>
        <source>the text is %1 characters long; at most %2 fit</source>
        <translation>el texto tiene %1 caracteres; caben como máximo %2</translation>
    </message>
    <message>
        <source>this setting holds a number, not a text</source>
        <translation>este ajuste contiene un número, no un texto</translation>
    </message>
    <message>
        <source>this setting holds a text, not a number</source>
        <translation>este ajuste contiene un texto, no un número</translation>
    </message>
    <message>
        <source>%1 is out of range: %2 to %3 expected</source>
        <translation>%1 está fuera de rango: se esperaba de %2 a %3</translation>
    </message>
</context>
<context>
    <name>FileKind</name>
    <message>
        <source>it is a folder, not a regular file</source>
        <translation>es una carpeta, no un archivo normal</translation>
    </message>
    <message>
        <source>it is a character device, not a regular file</source>
        <translation>es un dispositivo de caracteres, no un archivo normal</translation>
    </message>
    <message>
        <source>it is a block device, not a regular file</source>
        <translation>es un dispositivo de bloques, no un archivo normal</translation>
    </message>
    <message>
        <source>it is a named pipe (FIFO), not a regular file</source>
        <translation>es una tubería con nombre (FIFO), no un archivo normal</translation>
    </message>
    <message>
        <source>it is a socket, not a regular file</source>
        <translation>es un socket, no un archivo normal</translation>
    </message>
    <message>
        <source>it is a symbolic link, not a regular file</source>
        <translation>es un enlace simbólico, no un archivo normal</translation>
    </message>
    <message>
        <source>it is a special file, not a regular file</source>
        <translation>es un archivo especial, no un archivo normal</translation>
    </message>
    <message>
        <source>it is a named pipe, not a regular file</source>
        <translation>es una tubería con nombre, no un archivo normal</translation>
    </message>
</context>
<context>
    <name>FileNames</name>
    <message>
        <source>its name holds U+FFFD, which stands for bytes that could not be read as text; the name would reach the system changed and could name another file, so it was refused (rename the file)</source>
        <translation>su nombre contiene U+FFFD, que representa bytes que no se pudieron leer como texto; el nombre llegaría cambiado al sistema y podría designar otro archivo, así que se rechazó (cambie el nombre del archivo)</translation>
    </message>
    <message>
        <source>the argument &quot;%1&quot; is not valid UTF-8. Names are passed to the system exactly as given, and this one cannot be: rename the file (convmv does it) and try again</source>
        <translation>el argumento &quot;%1&quot; no es UTF-8 válido. Los nombres se pasan al sistema tal como se dan, y este no puede pasarse: cambie el nombre del archivo (convmv lo hace) y vuelva a intentarlo</translation>
    </message>
    <message>
        <source>the &quot;:&quot; makes it a stream inside the file before it, which Windows keeps hidden; a file name cannot hold &quot;:&quot;</source>
        <translation>los &quot;:&quot; lo convierten en un flujo dentro del archivo anterior, que Windows mantiene oculto; un nombre de archivo no puede contener &quot;:&quot;</translation>
    </message>
    <message>
        <source>%1 is the name of a Windows device, not of a file, whatever ending follows it; choose another name</source>
        <translation>%1 es el nombre de un dispositivo de Windows, no de un archivo, sea cual sea la extensión que siga; elija otro nombre</translation>
    </message>
    <message>
        <source>Windows drops the dot or space at the end of a name, so another file would be written; choose a name without it</source>
        <translation>Windows quita el punto o el espacio al final de un nombre, así que se escribiría otro archivo; elija un nombre sin ellos</translation>
    </message>
</context>
<context>
    <name>FileWriter</name>
    <message>
        <source>its extended attributes</source>
        <translation>sus atributos extendidos</translation>
    </message>
    <message>
        <source>its access list</source>
        <translation>su lista de acceso</translation>
    </message>
    <message>
        <source>its extended attribute %1</source>
        <translation>su atributo extendido %1</translation>
    </message>
    <message>
        <source>%1 could not be given to the new file (%2); the file was left as it is</source>
        <translation>no se pudo dar %1 al archivo nuevo (%2); el archivo quedó como estaba</translation>
    </message>
    <message>
        <source>its folder &quot;%1&quot; takes no new file (%2), and a safe save writes the new content to a new file beside the old one</source>
        <translation>su carpeta &quot;%1&quot; no admite archivos nuevos (%2), y un guardado seguro escribe el contenido nuevo en un archivo nuevo junto al antiguo</translation>
    </message>
    <message>
        <source>; the file itself is not writable either</source>
        <translation>; tampoco el propio archivo admite escritura</translation>
    </message>
    <message>
        <source>. Writing in place needs the space for it reserved first, which failed (%1); the file was left as it is</source>
        <translation>. Escribir en el sitio requiere reservar antes el espacio, y eso falló (%1); el archivo quedó como estaba</translation>
    </message>
    <message>
        <source>%1; its folder takes no new file, so it was being rewritten in place and may now be incomplete</source>
        <translation>%1; su carpeta no admite archivos nuevos, así que se estaba reescribiendo en el sitio y ahora puede estar incompleto</translation>
    </message>
    <message>
        <source>; it was left as it is</source>
        <translation>; quedó como estaba</translation>
    </message>
    <message>
        <source>it is write-protected (its owner may not write it); it was left as it is</source>
        <translation>está protegido contra escritura (su propietario no puede escribirlo); quedó como estaba</translation>
    </message>
    <message>
        <source>the new file is in place, but its folder could not be synced: %1</source>
        <translation>el archivo nuevo está en su sitio, pero no se pudo sincronizar su carpeta: %1</translation>
    </message>
    <message>
        <source>it leads through a symbolic link another user made in a shared folder; it was not followed</source>
        <translation>pasa por un enlace simbólico que otro usuario creó en una carpeta compartida; no se ha seguido</translation>
    </message>
    <message>
        <source>the file is read-only</source>
        <translation>el archivo es de solo lectura</translation>
    </message>
</context>
<context>
    <name>Ports</name>
    <message>
        <source>Port %1 does not exist: no serial port was found on this computer. Plug in the serial adapter, then try again (korvex-cli ports lists the ports it finds).</source>
        <translation>El puerto %1 no existe: no se ha encontrado ningún puerto serie en este ordenador. Conecte el adaptador serie y vuelva a intentarlo (korvex-cli ports enumera los puertos que encuentra).</translation>
    </message>
    <message>
        <source>there is only 1 serial port (number 1)</source>
        <translation>solo hay 1 puerto serie (el número 1)</translation>
    </message>
    <message>
        <source>there are %1 serial ports (numbers 1 to %1)</source>
        <translation>hay %1 puertos serie (números del 1 al %1)</translation>
    </message>
    <message>
        <source>Port %1 does not exist: %2. Run korvex-cli ports to see which number belongs to which device.</source>
        <translation>El puerto %1 no existe: %2. Ejecute korvex-cli ports para ver qué número corresponde a qué dispositivo.</translation>
    </message>
    <message>
        <source>No port selected: enter a port number in &quot;Comm num:&quot; (korvex-cli ports lists the serial ports of this computer).</source>
        <translation>Ningún puerto elegido: escriba un número de puerto en &quot;Núm. COM:&quot; (korvex-cli ports enumera los puertos serie de este ordenador).</translation>
    </message>
</context>
<context>
    <name>Prompts</name>
    <message>
        <source>The box also offers %1.</source>
        <translation>El cuadro ofrece también %1.</translation>
    </message>
    <message>
        <source>Save report…</source>
        <translation>Guardar informe…</translation>
    </message>
    <message>
        <source>Saves one file with what someone who helps needs: the system, the ports and the last transfer.</source>
        <translation>Guarda un archivo con lo que necesita quien ayuda: el sistema, los puertos y la última transferencia.</translation>
    </message>
    <message>
        <source> and </source>
        <translation> y </translation>
    </message>
</context>
<context>
    <name>QLineEdit</name>
    <message>
        <source>&amp;Undo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select All</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SerialLink</name>
    <message>
        <source>No serial line is available on this system.</source>
        <translation>No hay ninguna línea serie disponible en este sistema.</translation>
    </message>
    <message>
        <source> In Device Manager the adapter must be listed under &quot;Ports (COM &amp; LPT)&quot; with its COM number; under &quot;Other devices&quot; it has no driver: install the adapter&apos;s driver first.</source>
        <translation> En el Administrador de dispositivos el adaptador debe aparecer en &quot;Puertos (COM y LPT)&quot; con su número COM; en &quot;Otros dispositivos&quot; no tiene controlador: instale primero el controlador del adaptador.</translation>
    </message>
    <message>
        <source>Cannot write to %1: the port is not open.</source>
        <translation>No se puede escribir en %1: el puerto no está abierto.</translation>
    </message>
    <message>
        <source>Cannot write to %1: the port took no data for %2 ms (%3 bytes still waiting). Check the cable and the adapter, then try again.</source>
        <translation>No se puede escribir en %1: el puerto no aceptó datos durante %2 ms (quedan %3 bytes en espera). Compruebe el cable y el adaptador y vuelva a intentarlo.</translation>
    </message>
    <message>
        <source>Cannot write to %1: the device went away (%2). Check that the serial adapter is still plugged in, then try again.</source>
        <translation>No se puede escribir en %1: el dispositivo ha desaparecido (%2). Compruebe que el adaptador serie sigue conectado y vuelva a intentarlo.</translation>
    </message>
    <message>
        <source>Cannot write to %1: %2.</source>
        <translation>No se puede escribir en %1: %2.</translation>
    </message>
    <message>
        <source>Cannot open %1: there is no such device. Check that the serial adapter is plugged in and that &quot;Comm num:&quot; names the right port (korvex-cli ports lists them).</source>
        <translation>No se puede abrir %1: ese dispositivo no existe. Compruebe que el adaptador serie está conectado y que &quot;Núm. COM:&quot; indica el puerto correcto (korvex-cli ports los enumera).</translation>
    </message>
    <message>
        <source>Cannot open %1: the port is in use by another program. Close the program that holds it (a terminal, another configurator), then try again.</source>
        <translation>No se puede abrir %1: otro programa está usando el puerto. Cierre el programa que lo ocupa (un terminal, otro configurador) y vuelva a intentarlo.</translation>
    </message>
    <message>
        <source>Cannot open %1: permission denied, and no group of users may write to it. Ask the administrator for write access to the device (for example a udev rule that gives it to the &quot;dialout&quot; group).</source>
        <translation>No se puede abrir %1: permiso denegado, y ningún grupo de usuarios puede escribir en él. Pida al administrador acceso de escritura al dispositivo (por ejemplo, una regla udev que lo asigne al grupo &quot;dialout&quot;).</translation>
    </message>
    <message>
        <source>Cannot open %1: permission denied. You are in the group &quot;%2&quot; that owns it, but this login session started before you were added: log out and log in again.</source>
        <translation>No se puede abrir %1: permiso denegado. Usted está en el grupo &quot;%2&quot; al que pertenece, pero esta sesión empezó antes de que le añadieran: cierre la sesión y vuelva a entrar.</translation>
    </message>
    <message>
        <source>Cannot open %1: permission denied. The device belongs to the group &quot;%2&quot;. Add yourself to it with: sudo usermod -aG %2 $USER, then log out and log in again.</source>
        <translation>No se puede abrir %1: permiso denegado. El dispositivo pertenece al grupo &quot;%2&quot;. Añádase a él con: sudo usermod -aG %2 $USER, y luego cierre la sesión y vuelva a entrar.</translation>
    </message>
    <message>
        <source>Cannot use %1: it is not a serial port, so nothing was sent. Give the serial adapter&apos;s device (korvex-cli ports lists them).</source>
        <translation>No se puede usar %1: no es un puerto serie, así que no se envió nada. Indique el dispositivo del adaptador serie (korvex-cli ports los enumera).</translation>
    </message>
    <message>
        <source>Cannot open %1: %2.</source>
        <translation>No se puede abrir %1: %2.</translation>
    </message>
</context>
<context>
    <name>SerialSide</name>
    <message>
        <source>%1 (%2) on USB %3</source>
        <translation>%1 (%2) en USB %3</translation>
    </message>
    <message>
        <source>Adapter without a port: %1. A udev rule of the braille display service (brltty) matches this adapter, so the service takes it and no serial port is made: %2, line %3.</source>
        <translation>Adaptador sin puerto: %1. Una regla udev del servicio de líneas braille (brltty) coincide con este adaptador, así que el servicio se lo queda y no se crea ningún puerto serie: %2, línea %3.</translation>
    </message>
    <message>
        <source>Leave out that one rule with a local copy of the file (a file of the same name in /etc/udev/rules.d replaces it; the braille service keeps working for braille displays, so do not remove it):
%1Then unplug the adapter and plug it in again.</source>
        <translation>Deje fuera solo esa regla con una copia local del archivo (un archivo con el mismo nombre en /etc/udev/rules.d lo sustituye; el servicio braille sigue funcionando para las líneas braille, así que no lo quite):
%1Después desconecte el adaptador y vuelva a conectarlo.</translation>
    </message>
    <message>
        <source>Adapter without a port: %1. No driver has taken it, though its driver %2 is loaded.</source>
        <translation>Adaptador sin puerto: %1. Ningún controlador lo ha tomado, aunque su controlador %2 está cargado.</translation>
    </message>
    <message>
        <source>Adapter without a port: %1. No driver has taken it: its driver module %2 is not loaded.</source>
        <translation>Adaptador sin puerto: %1. Ningún controlador lo ha tomado: su módulo %2 no está cargado.</translation>
    </message>
    <message>
        <source>Unplug the adapter and plug it in again.</source>
        <translation>Desconecte el adaptador y vuelva a conectarlo.</translation>
    </message>
    <message>
        <source>Load the driver with: sudo modprobe %1
Then unplug the adapter and plug it in again.</source>
        <translation>Cargue el controlador con: sudo modprobe %1
Después desconecte el adaptador y vuelva a conectarlo.</translation>
    </message>
    <message>
        <source>ModemManager is running. It probes every new ttyACM port for a few seconds after the port appears, and %1 is such a port.</source>
        <translation>ModemManager está en marcha. Sondea cada puerto ttyACM nuevo durante unos segundos después de que aparece, y %1 es uno de esos puertos.</translation>
    </message>
    <message>
        <source>Wait a few seconds and try again. To keep ModemManager away from this device for good, mark it with a udev rule:
  echo &apos;%1, ENV{ID_MM_DEVICE_IGNORE}=&quot;1&quot;&apos; | sudo tee /etc/udev/rules.d/70-korvex-tracker.rules
  sudo udevadm control --reload-rules
Then unplug the cable and plug it in again.</source>
        <translation>Espere unos segundos y vuelva a intentarlo. Para mantener ModemManager lejos de este dispositivo para siempre, márquelo con una regla udev:
  echo &apos;%1, ENV{ID_MM_DEVICE_IGNORE}=&quot;1&quot;&apos; | sudo tee /etc/udev/rules.d/70-korvex-tracker.rules
  sudo udevadm control --reload-rules
Después desconecte el cable y vuelva a conectarlo.</translation>
    </message>
</context>
<context>
    <name>Setup</name>
    <message>
        <source>Default</source>
        <translation>De fábrica</translation>
    </message>
    <message>
        <source>Puts the factory settings into every field.</source>
        <translation>Pone los valores de fábrica en todos los campos.</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Saves the settings to a configuration file.</source>
        <translation>Guarda los ajustes en un archivo de configuración.</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Cargar</translation>
    </message>
    <message>
        <source>Loads the settings from a configuration file.</source>
        <translation>Carga los ajustes desde un archivo de configuración.</translation>
    </message>
    <message>
        <source>SEND</source>
        <translation>ENVIAR</translation>
    </message>
    <message>
        <source>Checks the settings and sends them to the tracker on the port in Comm num.</source>
        <translation>Comprueba los ajustes y los envía al tracker por el puerto indicado en Núm. COM.</translation>
    </message>
    <message>
        <source>Help (F1)</source>
        <translation>Ayuda (F1)</translation>
    </message>
    <message>
        <source>Opens the manual. F1 does the same from any field.</source>
        <translation>Abre el manual. F1 hace lo mismo desde cualquier campo.</translation>
    </message>
    <message>
        <source>Main APRS / Mic-E Settings</source>
        <translation>Ajustes principales APRS / Mic-E</translation>
    </message>
    <message>
        <source>/ GPSless bcn</source>
        <translation>/ baliza sin GPS</translation>
    </message>
    <message>
        <source>Manual Timing</source>
        <translation>Intervalo manual</translation>
    </message>
    <message>
        <source>GPS</source>
        <translation>GPS</translation>
    </message>
    <message>
        <source>Acquisition interval</source>
        <translation>Intervalo de adquisición</translation>
    </message>
    <message>
        <source>(0=GPSless Mode)</source>
        <translation>(0=modo sin GPS)</translation>
    </message>
    <message>
        <source>Automatic Timing</source>
        <translation>Intervalo automático</translation>
    </message>
    <message>
        <source>Timing  Settings</source>
        <translation>Ajustes de intervalos</translation>
    </message>
    <message>
        <source>Message Settings</source>
        <translation>Ajustes de mensajes</translation>
    </message>
    <message>
        <source>Configuration / Programming</source>
        <translation>Configuración / Programación</translation>
    </message>
</context>
<context>
    <name>Simulators</name>
    <message>
        <source>%1 is a symbolic link</source>
        <translation>%1 es un enlace simbólico</translation>
    </message>
    <message>
        <source>%1 is not a folder</source>
        <translation>%1 no es una carpeta</translation>
    </message>
    <message>
        <source>%1 belongs to another user</source>
        <translation>%1 pertenece a otro usuario</translation>
    </message>
    <message>
        <source>%1 is open to other users (mode %2, where 0700 is needed)</source>
        <translation>%1 está abierta a otros usuarios (modo %2, cuando hace falta 0700)</translation>
    </message>
    <message>
        <source>%1 changed while it was opened</source>
        <translation>%1 cambió mientras se abría</translation>
    </message>
    <message>
        <source>cannot create %1: %2</source>
        <translation>no se puede crear %1: %2</translation>
    </message>
    <message>
        <source>cannot create %1</source>
        <translation>no se puede crear %1</translation>
    </message>
    <message>
        <source>Korvex simulator (process %1)</source>
        <translation>Simulador Korvex (proceso %1)</translation>
    </message>
</context>
<context>
    <name>StateFolder</name>
    <message>
        <source>no state folder: neither XDG_STATE_HOME nor HOME names one</source>
        <translation>no hay carpeta de estado: ni XDG_STATE_HOME ni HOME indican una</translation>
    </message>
    <message>
        <source>cannot make the folder %1</source>
        <translation>no se puede crear la carpeta %1</translation>
    </message>
</context>
<context>
    <name>SystemError</name>
    <message>
        <source>the file size limit of this session (`ulimit -f`) was reached</source>
        <translation>se alcanzó el límite de tamaño de archivo de esta sesión (`ulimit -f`)</translation>
    </message>
    <message>
        <source>the limit of open files of this session (`ulimit -n`) was reached</source>
        <translation>se alcanzó el límite de archivos abiertos de esta sesión (`ulimit -n`)</translation>
    </message>
</context>
<context>
    <name>TransferTrace</name>
    <message>
        <source>line %1 says %2 bytes but holds %3</source>
        <translation>la línea %1 indica %2 bytes pero contiene %3</translation>
    </message>
</context>
<context>
    <name>Typing</name>
    <message>
        <source>the character %1 cannot be typed into %2</source>
        <translation>el carácter %1 no se puede escribir en %2</translation>
    </message>
    <message>
        <source>%1 holds %2, which typing turns into %3; it is kept as read</source>
        <translation>%1 contiene %2, que al escribir se convierte en %3; se conserva tal como se leyó</translation>
    </message>
    <message>
        <source>%1 holds %2, which typing never lets through; it is kept as read</source>
        <translation>%1 contiene %2, que al escribir nunca se admite; se conserva tal como se leyó</translation>
    </message>
</context>
<context>
    <name>korvex::InstructionsWindow</name>
    <message>
        <source>Istruzioni:</source>
        <translation>Instrucciones:</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>Manual</translation>
    </message>
    <message>
        <source>Il file di help %1 è troppo grande: oltre %2 MiB non viene letto.</source>
        <translation>El archivo de ayuda %1 es demasiado grande: por encima de %2 MiB no se lee.</translation>
    </message>
    <message>
        <source>Manca il file di help %1</source>
        <translation>Falta el archivo de ayuda %1</translation>
    </message>
</context>
<context>
    <name>korvex::PortHint</name>
    <message>
        <source>Korvex simulator</source>
        <translation>Simulador Korvex</translation>
    </message>
    <message>
        <source>New serial port %1: %2</source>
        <translation>Nuevo puerto serie %1: %2</translation>
    </message>
    <message>
        <source>New serial port: %1</source>
        <translation>Nuevo puerto serie: %1</translation>
    </message>
    <message>
        <source>Serial port %1 is gone: %2</source>
        <translation>El puerto serie %1 ha desaparecido: %2</translation>
    </message>
    <message>
        <source>Press F2 or click here to put %1 into Comm num.</source>
        <translation>Pulse F2 o haga clic aquí para poner %1 en Núm. COM.</translation>
    </message>
    <message>
        <source>Comm num cannot reach it: send to it with korvex-cli send --port and its device.</source>
        <translation>Núm. COM no lo alcanza: envíe con korvex-cli send --port y su dispositivo.</translation>
    </message>
    <message>
        <source>Comm num still names it; plug it in again or choose another port.</source>
        <translation>Núm. COM aún lo indica; vuelva a conectarlo o elija otro puerto.</translation>
    </message>
</context>
<context>
    <name>korvex::ProgressDialog</name>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Sending data on %1...</source>
        <translation>Enviando datos por %1...</translation>
    </message>
    <message>
        <source>Data sent !
 Be shure that the word &apos;Success!&apos; appears on LCD</source>
        <translation>¡Datos enviados!
 Compruebe que en la pantalla aparece la palabra &apos;Success!&apos;</translation>
    </message>
    <message>
        <source>Korvex</source>
        <translation>Korvex</translation>
    </message>
</context>
<context>
    <name>korvex::SetupWindow</name>
    <message>
        <source>%1 = %2</source>
        <translation>%1 = %2</translation>
    </message>
    <message>
        <source>Korvex simulator</source>
        <translation>Simulador Korvex</translation>
    </message>
    <message>
        <source>No serial port found on this computer.</source>
        <translation>No se ha encontrado ningún puerto serie en este ordenador.</translation>
    </message>
    <message>
        <source>Serial ports on this computer:</source>
        <translation>Puertos serie de este ordenador:</translation>
    </message>
    <message>
        <source>Adapter without a port: %1:%2 %3 on USB %4</source>
        <translation>Adaptador sin puerto: %1:%2 %3 en USB %4</translation>
    </message>
    <message>
        <source>(korvex-cli ports --diagnose tells why and what to do)</source>
        <translation>(korvex-cli ports --diagnose explica el motivo y qué hacer)</translation>
    </message>
    <message>
        <source>Korvex Config v2.1 by QZ9KRV</source>
        <translation>Korvex Config v2.1 de QZ9KRV</translation>
    </message>
    <message>
        <source>Invio non eseguito - Korvex</source>
        <translation>Envío no realizado - Korvex</translation>
    </message>
    <message>
        <source>Salva File</source>
        <translation>Guardar archivo</translation>
    </message>
    <message>
        <source>Apertura File</source>
        <translation>Abrir archivo</translation>
    </message>
    <message>
        <source>File di configurazione (*.cfg)</source>
        <translation>Archivos de configuración (*.cfg)</translation>
    </message>
    <message>
        <source>Tutti i files</source>
        <translation>Todos los archivos</translation>
    </message>
    <message>
        <source>Korvex Config - Istruzioni</source>
        <translation>Korvex Config - Instrucciones</translation>
    </message>
    <message>
        <source>Factory settings restored</source>
        <translation>Valores de fábrica restablecidos</translation>
    </message>
    <message>
        <source>field %1: %2</source>
        <translation>campo %1: %2</translation>
    </message>
    <message>
        <source>Save report</source>
        <translation>Guardar informe</translation>
    </message>
    <message>
        <source>Text (*.txt)</source>
        <translation>Texto (*.txt)</translation>
    </message>
    <message>
        <source>Saved to %1</source>
        <translation>Guardado en %1</translation>
    </message>
    <message>
        <source>Loaded from %1</source>
        <translation>Cargado de %1</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
</context>
<context>
    <name>korvex::cli</name>
    <message>
        <source>the factory settings as a .cfg file</source>
        <translation>los valores de fábrica como archivo .cfg</translation>
    </message>
    <message>
        <source>check settings and show the block SEND would write</source>
        <translation>comprueba los ajustes y muestra el bloque que escribiría ENVIAR</translation>
    </message>
    <message>
        <source>change settings and save them as a .cfg file</source>
        <translation>cambia ajustes y los guarda como archivo .cfg</translation>
    </message>
    <message>
        <source>check settings and program the tracker</source>
        <translation>comprueba los ajustes y programa el tracker</translation>
    </message>
    <message>
        <source>a simulated tracker on a pseudo-terminal, to send to</source>
        <translation>un tracker simulado en un pseudoterminal, al que enviar</translation>
    </message>
    <message>
        <source>Usage: korvex-cli COMMAND [options]

Programs a Korvex APRS tracker from the command line, with the same settings,
checks and timing as the Korvex Config window.

Commands:
</source>
        <translation>Uso: korvex-cli ORDEN [opciones]

Programa un tracker APRS Korvex desde la línea de órdenes, con los mismos
ajustes, comprobaciones y tiempos que la ventana de Korvex Config.

Órdenes:
</translation>
    </message>
    <message>
        <source>unknown command &quot;%1&quot;</source>
        <translation>orden desconocida &quot;%1&quot;</translation>
    </message>
    <message>
        <source>cannot write to standard output</source>
        <translation>no se puede escribir en la salida estándar</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(ninguno)</translation>
    </message>
    <message>
        <source>A .cfg file.</source>
        <translation>Un archivo .cfg.</translation>
    </message>
    <message>
        <source>Print one JSON object instead.</source>
        <translation>Imprime en su lugar un objeto JSON.</translation>
    </message>
    <message>
        <source>Settings as SEND writes them back:</source>
        <translation>Ajustes tal como ENVIAR los reescribe:</translation>
    </message>
    <message>
        <source>Changed by the check:</source>
        <translation>Cambiados por la comprobación:</translation>
    </message>
    <message>
        <source>GPSless mode: not reached</source>
        <translation>Modo sin GPS: no alcanzado</translation>
    </message>
    <message>
        <source>GPSless mode: on</source>
        <translation>Modo sin GPS: activado</translation>
    </message>
    <message>
        <source>GPSless mode: off</source>
        <translation>Modo sin GPS: desactivado</translation>
    </message>
    <message>
        <source>Configuration block (%1 bytes):</source>
        <translation>Bloque de configuración (%1 bytes):</translation>
    </message>
    <message>
        <source>Configuration block (%1 bytes, incomplete):</source>
        <translation>Bloque de configuración (%1 bytes, incompleto):</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a whole number</source>
        <translation>&quot;%1&quot; no es un número entero</translation>
    </message>
    <message>
        <source>--set &quot;%1&quot;: expected KEY=VALUE</source>
        <translation>--set &quot;%1&quot;: se esperaba CLAVE=VALOR</translation>
    </message>
    <message>
        <source>--set %1: unknown key; known keys: %2</source>
        <translation>--set %1: clave desconocida; claves conocidas: %2</translation>
    </message>
    <message>
        <source>--set %1: refused</source>
        <translation>--set %1: rechazado</translation>
    </message>
    <message>
        <source>Cannot read standard input</source>
        <translation>No se puede leer la entrada estándar</translation>
    </message>
    <message>
        <source>Set one setting, e.g. --set mycall=N0CALL-7 (repeatable).</source>
        <translation>Fija un ajuste, p. ej. --set mycall=N0CALL-7 (repetible).</translation>
    </message>
    <message>
        <source>Show this help.</source>
        <translation>Muestra esta ayuda.</translation>
    </message>
    <message>
        <source>Writes the factory settings as a .cfg file (to standard output unless -o is given).</source>
        <translation>Escribe los valores de fábrica como archivo .cfg (en la salida estándar si no se da -o).</translation>
    </message>
    <message>
        <source>Write to FILE (- for standard output).</source>
        <translation>Escribe en FILE (- para la salida estándar).</translation>
    </message>
    <message>
        <source>Loads FILE onto the factory settings (no FILE: the factory settings), applies each --set and saves the result as OUT.</source>
        <translation>Carga FILE sobre los valores de fábrica (sin FILE: los valores de fábrica), aplica cada --set y guarda el resultado como OUT.</translation>
    </message>
    <message>
        <source>A .cfg file to start from (- for standard input).</source>
        <translation>Un archivo .cfg del que partir (- para la entrada estándar).</translation>
    </message>
    <message>
        <source>The .cfg file to write (required; - for standard output).</source>
        <translation>El archivo .cfg que escribir (obligatorio; - para la salida estándar).</translation>
    </message>
    <message>
        <source>edit needs -o OUT, the file to write</source>
        <translation>edit necesita -o OUT, el archivo que escribir</translation>
    </message>
    <message>
        <source>Nothing stands in the way that the system shows.</source>
        <translation>El sistema no muestra ningún impedimento.</translation>
    </message>
    <message>
        <source>Lists the serial ports numbered the way &quot;Comm num:&quot; and --port count them: USB adapters first, then the other ports, then running simulators.</source>
        <translation>Enumera los puertos serie numerados como los cuentan &quot;Núm. COM:&quot; y --port: primero los adaptadores USB, luego los demás puertos y después los simuladores en marcha.</translation>
    </message>
    <message>
        <source>simulators are not listed: %1</source>
        <translation>los simuladores no se enumeran: %1</translation>
    </message>
    <message>
        <source>No serial ports found. Plug in the USB serial adapter of the tracker&apos;s cable and run this again.</source>
        <translation>No se han encontrado puertos serie. Conecte el adaptador serie USB del cable del tracker y vuelva a ejecutar esto.</translation>
    </message>
    <message>
        <source>Korvex simulator</source>
        <translation>Simulador Korvex</translation>
    </message>
    <message>
        <source>A port marked - has no number of its own: give it by its device with --port.</source>
        <translation>Un puerto marcado con - no tiene número propio: indíquelo por su dispositivo con --port.</translation>
    </message>
    <message>
        <source>Run korvex-cli ports --diagnose to see why an adapter has no port.</source>
        <translation>Ejecute korvex-cli ports --diagnose para ver por qué un adaptador no tiene puerto.</translation>
    </message>
    <message>
        <source>Sending data on %1 (port %2)...</source>
        <translation>Enviando datos por %1 (puerto %2)...</translation>
    </message>
    <message>
        <source>Sending data on %1...</source>
        <translation>Enviando datos por %1...</translation>
    </message>
    <message>
        <source>Data sent to %1</source>
        <translation>Datos enviados a %1</translation>
    </message>
    <message>
        <source>Nothing is read back: look for &apos;Success!&apos; on the tracker&apos;s display.</source>
        <translation>No se lee nada de vuelta: compruebe que aparece &apos;Success!&apos; en la pantalla del tracker.</translation>
    </message>
    <message>
        <source>the port closed itself right after opening; nothing was sent</source>
        <translation>el puerto se cerró justo después de abrirse; no se envió nada</translation>
    </message>
    <message>
        <source>interrupted; %1 is closed again with its line settings as they were. Part of the data had gone out, so the tracker may hold a partial transfer: send again before relying on it.</source>
        <translation>interrumpido; %1 vuelve a estar cerrado con los ajustes de línea que tenía. Parte de los datos ya había salido, así que el tracker puede tener una transferencia parcial: vuelva a enviar antes de fiarse de él.</translation>
    </message>
    <message>
        <source>interrupted before anything was sent</source>
        <translation>interrumpido antes de enviar nada</translation>
    </message>
    <message>
        <source>The .cfg file to send.</source>
        <translation>El archivo .cfg que enviar.</translation>
    </message>
    <message>
        <source>Transfer %1:</source>
        <translation>Transferencia %1:</translation>
    </message>
    <message>
        <source>Arrived (ms after the first byte):</source>
        <translation>Llegadas (ms tras el primer byte):</translation>
    </message>
    <message>
        <source>Writes:</source>
        <translation>Escrituras:</translation>
    </message>
    <message>
        <source>1 byte at %1</source>
        <translation>1 byte a los %1</translation>
    </message>
    <message numerus="yes">
        <source>%n bytes at %1</source>
        <translation>
            <numerusform>%n byte a los %1</numerusform>
            <numerusform>%n bytes a los %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Received %n bytes:</source>
        <translation>
            <numerusform>Recibido %n byte:</numerusform>
            <numerusform>Recibidos %n bytes:</numerusform>
        </translation>
    </message>
    <message>
        <source>Settings:</source>
        <translation>Ajustes:</translation>
    </message>
    <message>
        <source>(not sent)</source>
        <translation>(no enviado)</translation>
    </message>
    <message>
        <source>Plays a Korvex tracker on a pseudo-terminal, for trials without the hardware. Prints the device to send to (on standard error with --json), then for each transfer what the tracker&apos;s display shows (&apos;Success!&apos; or why it refused the data), when each write arrived, and the settings it received. While it runs, &quot;korvex-cli ports&quot; and the window&apos;s &quot;Comm num:&quot; list it after the real ports. Ends on Ctrl+C.</source>
        <translation>Hace de tracker Korvex en un pseudoterminal, para pruebas sin el equipo. Imprime el dispositivo al que enviar (en la salida de error con --json) y, para cada transferencia, lo que muestra la pantalla del tracker (&apos;Success!&apos; o por qué rechazó los datos), cuándo llegó cada escritura y los ajustes recibidos. Mientras funciona, &quot;korvex-cli ports&quot; y &quot;Núm. COM:&quot; de la ventana lo enumeran tras los puertos reales. Termina con Ctrl+C.</translation>
    </message>
    <message>
        <source>Exit after one transfer (status 0 when it succeeded, 1 if not).</source>
        <translation>Sale tras una transferencia (estado 0 si tuvo éxito, 1 si no).</translation>
    </message>
    <message>
        <source>Print one JSON object per transfer.</source>
        <translation>Imprime un objeto JSON por transferencia.</translation>
    </message>
    <message>
        <source>not listed among the ports (%1); send to the device by name</source>
        <translation>no figura entre los puertos (%1); envíe al dispositivo por su nombre</translation>
    </message>
    <message>
        <source> (port %1 in &quot;Comm num:&quot; and --port)</source>
        <translation> (puerto %1 en &quot;Núm. COM:&quot; y --port)</translation>
    </message>
    <message>
        <source>Korvex simulator listening on %1</source>
        <translation>Simulador Korvex escuchando en %1</translation>
    </message>
    <message>
        <source>standard output has no reader any more (its pipe or terminal closed); the simulator stops</source>
        <translation>la salida estándar ya no tiene lector (su tubería o terminal se cerró); el simulador se detiene</translation>
    </message>
    <message>
        <source>End after one transfer.</source>
        <translation>Termina tras una transferencia.</translation>
    </message>
    <message>
        <source>Report as JSON.</source>
        <translation>Informa en JSON.</translation>
    </message>
    <message>
        <source>simulate runs on Linux only: the simulated tracker needs a pseudo-terminal, which Windows does not have. Run &quot;korvex-cli simulate&quot; on a Linux computer, or send to a real tracker.</source>
        <translation>simulate solo funciona en Linux: el tracker simulado necesita un pseudoterminal, que Windows no tiene. Ejecute &quot;korvex-cli simulate&quot; en un ordenador con Linux o envíe a un tracker real.</translation>
    </message>
    <message>
        <source>Loads FILE onto the factory settings (no FILE: the factory settings), applies each --set, and checks them exactly as SEND does: shows the settings as SEND would write them back, every value it changed, GPSless mode and the configuration block.</source>
        <translation>Carga FILE sobre los valores de fábrica (sin FILE: los valores de fábrica), aplica cada --set y los comprueba exactamente como ENVIAR: muestra los ajustes tal como ENVIAR los reescribiría, cada valor que cambió, el modo sin GPS y el bloque de configuración.</translation>
    </message>
    <message>
        <source>Loads FILE onto the factory settings, applies each --set, checks the settings exactly as SEND does and programs the tracker: 122 bytes in four writes at 4800 baud. Nothing is read back: look for &apos;Success!&apos; on the tracker&apos;s display.</source>
        <translation>Carga FILE sobre los valores de fábrica, aplica cada --set, comprueba los ajustes exactamente como ENVIAR y programa el tracker: 122 bytes en cuatro escrituras a 4800 baudios. No se lee nada de vuelta: compruebe que aparece &apos;Success!&apos; en la pantalla del tracker.</translation>
    </message>
    <message>
        <source>send needs exactly one .cfg file (make one with &quot;korvex-cli defaults -o FILE&quot; or with Save in the window)</source>
        <translation>send necesita exactamente un archivo .cfg (cree uno con &quot;korvex-cli defaults -o FILE&quot; o con Guardar en la ventana)</translation>
    </message>
    <message>
        <source>the serial ports, numbered as &quot;Comm num:&quot; counts them, and what keeps them from use; with --wait, the port that is plugged in next</source>
        <translation>los puertos serie, numerados como los cuenta &quot;Núm. COM:&quot;, y lo que impide usarlos; con --wait, el próximo que se conecte</translation>
    </message>
    <message>
        <source>what the tracker makes of a transfer trace or of raw bytes</source>
        <translation>lo que el tracker entiende de una traza de transferencia o de bytes sin procesar</translation>
    </message>
    <message>
        <source>one file with what someone who helps needs</source>
        <translation>un archivo con lo que necesita quien ayuda</translation>
    </message>
    <message>
        <source>
A FILE of - is standard input; -o - is standard output.
Run &quot;korvex-cli COMMAND --help&quot; for the options of one command,
&quot;korvex-cli --version&quot; for the version.
Exit status: 0 success, 1 settings rejected, 2 usage error, 3 file error,
4 settings not loaded, 5 port error, 6 no usable port (ports --diagnose),
7 transfer refused (simulate --once), 8 output lost, 9 send interrupted,
10 no port appeared (ports --wait).
--lang NAME (or KORVEX_LANG) chooses the language of the messages: de, es, it,
C for English; --json output and .cfg files are the same in every language.
</source>
        <translation>
Un ARCHIVO - es la entrada estándar; -o - es la salida estándar.
&quot;korvex-cli ORDEN --help&quot; muestra las opciones de una orden,
&quot;korvex-cli --version&quot; la versión.
Estado de salida: 0 éxito, 1 ajustes rechazados, 2 error de uso,
3 error de archivo, 4 ajustes no cargados, 5 error de puerto,
6 ningún puerto utilizable (ports --diagnose), 7 transferencia rechazada
(simulate --once), 8 salida perdida, 9 envío interrumpido,
10 no apareció ningún puerto (ports --wait).
--lang NOMBRE (o KORVEX_LANG) elige el idioma de los mensajes: de, es, it,
C para inglés; la salida --json y los archivos .cfg son iguales en todo idioma.
</translation>
    </message>
    <message>
        <source>%1%2 is given twice with different values (&quot;%3&quot; and &quot;%4&quot;); give it once</source>
        <translation>%1%2 se da dos veces con valores distintos (&quot;%3&quot; y &quot;%4&quot;); délo una sola vez</translation>
    </message>
    <message>
        <source>Usage: %1 %2</source>
        <translation>Uso: %1 %2</translation>
    </message>
    <message>
        <source>Run &quot;%1 --help&quot; for more.</source>
        <translation>Ejecute &quot;%1 --help&quot; para saber más.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not taken here: %2 takes no arguments</source>
        <translation>&quot;%1&quot; no se admite aquí: %2 no admite argumentos</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is one argument too many</source>
        <translation>&quot;%1&quot; es un argumento de más</translation>
    </message>
    <message>
        <source>warning: %1</source>
        <translation>aviso: %1</translation>
    </message>
    <message>
        <source>Reads a transfer trace (as send --trace writes it, or the last one kept in the user&apos;s state folder) or the raw bytes of a transfer, and prints what the tracker would have made of it, as simulate does: the display&apos;s verdict, when each write came and the settings it carried. Exit status 0 when every transfer would have shown &apos;Success!&apos;, 7 when one would not.</source>
        <translation>Lee una traza de transferencia (como la escribe send --trace, o la última guardada en la carpeta de estado del usuario) o los bytes sin procesar de una transferencia, e imprime lo que el tracker habría entendido, como hace simulate: el veredicto de la pantalla, cuándo llegó cada escritura y los ajustes que llevaba. Estado de salida 0 si cada transferencia habría mostrado &apos;Success!&apos;, 7 si alguna no.</translation>
    </message>
    <message>
        <source>The trace or the bytes; - for standard input.</source>
        <translation>La traza o los bytes; - para la entrada estándar.</translation>
    </message>
    <message>
        <source>decode needs exactly one file: a trace or raw bytes</source>
        <translation>decode necesita exactamente un archivo: una traza o bytes sin procesar</translation>
    </message>
    <message>
        <source>Cannot read &quot;%1&quot;</source>
        <translation>No se puede leer &quot;%1&quot;</translation>
    </message>
    <message>
        <source>%1 is not a trace to trust: %2</source>
        <translation>%1 no es una traza fiable: %2</translation>
    </message>
    <message>
        <source>%1 holds no transfer: nothing was written to the line</source>
        <translation>%1 no contiene ninguna transferencia: no se escribió nada en la línea</translation>
    </message>
    <message>
        <source>Also tell what keeps a port from use, and how to fix it: an adapter without a port, a group to join, ModemManager. Exit status 0 when at least one port can be used, 6 when none can.</source>
        <translation>Dice también qué impide usar un puerto y cómo arreglarlo: un adaptador sin puerto, un grupo al que unirse, ModemManager. Estado de salida 0 si al menos un puerto se puede usar, 6 si ninguno.</translation>
    </message>
    <message>
        <source>Then wait up to SECONDS (default %1) for a port to appear, and print it with its stable name: unplug the cable, run this, plug it in. Exit status 0 when a port appeared, %2 when none did in time.</source>
        <translation>Luego espera hasta SECONDS segundos (por omisión %1) a que aparezca un puerto y lo imprime con su nombre estable: desconecte el cable, ejecute esto, conéctelo. Estado de salida 0 si apareció un puerto, %2 si ninguno a tiempo.</translation>
    </message>
    <message>
        <source>With --wait: how long to wait, 1 to %1.</source>
        <translation>Con --wait: cuánto esperar, de 1 a %1.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not taken here: ports takes a number of seconds only with --wait</source>
        <translation>&quot;%1&quot; no se admite aquí: ports admite un número de segundos solo con --wait</translation>
    </message>
    <message>
        <source>--wait %1: give a whole number of seconds from 1 to %2</source>
        <translation>--wait %1: indique un número entero de segundos de 1 a %2</translation>
    </message>
    <message>
        <source>Waiting up to 1 second for a port to appear: plug in the cable now.</source>
        <translation>Esperando hasta 1 segundo a que aparezca un puerto: conecte ahora el cable.</translation>
    </message>
    <message numerus="yes">
        <source>Waiting up to %n seconds for a port to appear: plug in the cable now.</source>
        <translation>
            <numerusform>Esperando hasta %n segundo a que aparezca un puerto: conecte ahora el cable.</numerusform>
            <numerusform>Esperando hasta %n segundos a que aparezca un puerto: conecte ahora el cable.</numerusform>
        </translation>
    </message>
    <message>
        <source>no port appeared within 1 second. Check the cable and the adapter; ports --diagnose tells what the system shows.</source>
        <translation>no apareció ningún puerto en 1 segundo. Revise el cable y el adaptador; ports --diagnose dice lo que muestra el sistema.</translation>
    </message>
    <message numerus="yes">
        <source>no port appeared within %n seconds. Check the cable and the adapter; ports --diagnose tells what the system shows.</source>
        <translation>
            <numerusform>no apareció ningún puerto en %n segundo. Revise el cable y el adaptador; ports --diagnose dice lo que muestra el sistema.</numerusform>
            <numerusform>no apareció ningún puerto en %n segundos. Revise el cable y el adaptador; ports --diagnose dice lo que muestra el sistema.</numerusform>
        </translation>
    </message>
    <message>
        <source>New port:</source>
        <translation>Nuevo puerto:</translation>
    </message>
    <message>
        <source>Writes one file to attach to a request for help: the program and Qt versions, the system and desktop session, the locale, the serial ports with their drivers and stable names, what keeps them from use (as ports --diagnose), the user&apos;s groups, the last transfer&apos;s trace and the settings it carried. It holds nothing secret. The file is replaced in one step.</source>
        <translation>Escribe un archivo para adjuntar a una petición de ayuda: las versiones del programa y de Qt, el sistema y la sesión de escritorio, la configuración regional, los puertos serie con sus controladores y nombres estables, lo que impide usarlos (como ports --diagnose), los grupos del usuario, la traza de la última transferencia y los ajustes que llevaba. No contiene nada secreto. El archivo se sustituye en un solo paso.</translation>
    </message>
    <message>
        <source>Write the report to FILE (- for standard output, the default).</source>
        <translation>Escribe el informe en FILE (- para la salida estándar, por omisión).</translation>
    </message>
    <message>
        <source>Write one JSON object instead of text.</source>
        <translation>Escribe un objeto JSON en lugar de texto.</translation>
    </message>
    <message>
        <source>Cannot write &quot;%1&quot;</source>
        <translation>No se puede escribir &quot;%1&quot;</translation>
    </message>
    <message>
        <source>Report written to %1</source>
        <translation>Informe escrito en %1</translation>
    </message>
    <message>
        <source>The COM port&apos;s number (12 is COM12), or its name such as COM12. Default: the file&apos;s port number.</source>
        <translation>El número del puerto COM (12 es COM12), o su nombre, como COM12. Por omisión: el número de puerto del archivo.</translation>
    </message>
    <message>
        <source>Port number as &quot;korvex-cli ports&quot; lists them, or a device such as /dev/ttyUSB0 (a name holding a / is a path, opened as given). A /dev/serial/by-id/ path names the same adapter after a re-plug, when ttyUSB0 may have become ttyUSB1. Default: the file&apos;s port number.</source>
        <translation>Número de puerto como lo enumera &quot;korvex-cli ports&quot;, o un dispositivo como /dev/ttyUSB0 (un nombre con / es una ruta, que se abre tal como se da). Una ruta /dev/serial/by-id/ indica el mismo adaptador tras volver a conectarlo, cuando ttyUSB0 puede haberse convertido en ttyUSB1. Por omisión: el número de puerto del archivo.</translation>
    </message>
    <message>
        <source>warning: the trace was not kept as the last transfer: %1</source>
        <translation>aviso: la traza no se guardó como última transferencia: %1</translation>
    </message>
    <message>
        <source>warning: --trace: %1</source>
        <translation>aviso: --trace: %1</translation>
    </message>
    <message>
        <source>Also write the transfer&apos;s trace to OUT: the port and its line settings as opened, each write with its time, bytes and text, DTR/RTS, errors and the close (&quot;korvex-cli decode OUT&quot; reads it back). The last trace is kept in the user&apos;s state folder in any case.</source>
        <translation>Escribe también la traza de la transferencia en OUT: el puerto y sus ajustes de línea al abrirlo, cada escritura con su hora, bytes y texto, DTR/RTS, errores y el cierre (&quot;korvex-cli decode OUT&quot; la vuelve a leer). La última traza se guarda en todo caso en la carpeta de estado del usuario.</translation>
    </message>
    <message>
        <source>--port needs a port number or a device, e.g. --port %1</source>
        <translation>--port necesita un número de puerto o un dispositivo, p. ej. --port %1</translation>
    </message>
    <message>
        <source>--port %1: port numbers run from 1 to %2; for another port give its device, e.g. --port %3</source>
        <translation>--port %1: los números de puerto van de 1 a %2; para otro puerto indique su dispositivo, p. ej. --port %3</translation>
    </message>
    <message>
        <source>--trace needs a file name, e.g. --trace send.trace</source>
        <translation>--trace necesita un nombre de archivo, p. ej. --trace send.trace</translation>
    </message>
</context>
</TS>
