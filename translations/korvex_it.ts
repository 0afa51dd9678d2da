<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
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
        <translation>Uso: %1 [FILE]

Apre la finestra di Korvex Config per modificare le impostazioni di un tracker
APRS Korvex e inviarle sulla linea seriale. FILE, un file .cfg, viene caricato
all&apos;avvio come lo carica il pulsante Carica.

Opzioni:
  -h, --help     mostra questo aiuto ed esce
  -v, --version  mostra la versione ed esce
  --lang NOME    la lingua della finestra (de, es, it, ...; C per l&apos;inglese);
                 KORVEX_LANG fa lo stesso, altrimenti decide la lingua del sistema

Sono accettate anche le opzioni di Qt (-platform NOME, -style NOME, ...).
Vedere korvex-config(1); korvex-cli(1) fa lo stesso da un terminale.
</translation>
    </message>
    <message>
        <source>Run &quot;%1 --help&quot; for usage.
</source>
        <translation>Eseguire &quot;%1 --help&quot; per l&apos;uso.
</translation>
    </message>
    <message>
        <source>one FILE at most</source>
        <translation>al massimo un FILE</translation>
    </message>
</context>
<context>
    <name>BlockBuilder</name>
    <message>
        <source>Parametri incompleti o non corretti</source>
        <translation>Parametri incompleti o non corretti</translation>
    </message>
    <message>
        <source>the field cannot hold &quot;%1&quot;: %2</source>
        <translation>il campo non può contenere &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>overflow: %1 does not fit a byte (0 to 255)</source>
        <translation>overflow: %1 non sta in un byte (da 0 a 255)</translation>
    </message>
    <message>
        <source>no Mic-E message is selected</source>
        <translation>nessun messaggio Mic-E selezionato</translation>
    </message>
    <message>
        <source>the symbol is empty</source>
        <translation>il simbolo è vuoto</translation>
    </message>
    <message>
        <source>overflow: the symbol has no single-byte code</source>
        <translation>overflow: il simbolo non ha un codice a un byte</translation>
    </message>
    <message>
        <source>the own call sign is empty</source>
        <translation>il proprio nominativo è vuoto</translation>
    </message>
    <message>
        <source>the unproto call is empty</source>
        <translation>il nominativo unproto è vuoto</translation>
    </message>
    <message>
        <source>step %1, field %2: %3</source>
        <translation>passo %1, campo %2: %3</translation>
    </message>
</context>
<context>
    <name>ConfigFile</name>
    <message>
        <source>The file ends after item %1 of %2: it is not a complete configuration file.</source>
        <translation>Il file finisce dopo la voce %1 di %2: non è un file di configurazione completo.</translation>
    </message>
    <message>
        <source>Item %1, %2</source>
        <translation>Voce %1, %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a number.</source>
        <translation>&quot;%1&quot; non è un numero.</translation>
    </message>
    <message>
        <source>%1 is out of range (overflow).</source>
        <translation>%1 è fuori intervallo (overflow).</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is refused: %2.</source>
        <translation>&quot;%1&quot; è rifiutato: %2.</translation>
    </message>
    <message>
        <source>Cannot read &quot;%1&quot;</source>
        <translation>Impossibile leggere &quot;%1&quot;</translation>
    </message>
    <message>
        <source>Cannot open &quot;%1&quot;</source>
        <translation>Impossibile aprire &quot;%1&quot;</translation>
    </message>
    <message>
        <source>it is larger than %1 MiB (a settings file is about 200 bytes)</source>
        <translation>è più grande di %1 MiB (un file di impostazioni è di circa 200 byte)</translation>
    </message>
    <message>
        <source>Cannot save: %1 holds a double quote (&quot;), which a configuration file cannot store. Remove it and save again.</source>
        <translation>Impossibile salvare: %1 contiene delle virgolette (&quot;), che un file di configurazione non può memorizzare. Toglierle e salvare di nuovo.</translation>
    </message>
    <message>
        <source>Cannot save: %1 holds the control character %2, which a configuration file cannot store. Remove it and save again.</source>
        <translation>Impossibile salvare: %1 contiene il carattere di controllo %2, che un file di configurazione non può memorizzare. Toglierlo e salvare di nuovo.</translation>
    </message>
    <message>
        <source>Cannot save: %1 holds a character that has no Windows-1252 code.</source>
        <translation>Impossibile salvare: %1 contiene un carattere senza codice Windows-1252.</translation>
    </message>
    <message>
        <source>Cannot write &quot;%1&quot;</source>
        <translation>Impossibile scrivere &quot;%1&quot;</translation>
    </message>
    <message>
        <source>The file begins as UTF-16 text (Notepad&apos;s &quot;Unicode&quot;) but is not valid UTF-16. Open it in Notepad and save it again with the encoding &quot;ANSI&quot; or &quot;UTF-8&quot;.</source>
        <translation>Il file inizia come testo UTF-16 (il &quot;Unicode&quot; del Blocco note) ma non è UTF-16 valido. Aprirlo nel Blocco note e salvarlo di nuovo con la codifica &quot;ANSI&quot; o &quot;UTF-8&quot;.</translation>
    </message>
</context>
<context>
    <name>Description</name>
    <message>
        <source>In milliseconds (%1)</source>
        <translation>In millisecondi (%1)</translation>
    </message>
    <message>
        <source>In seconds (%1)</source>
        <translation>In secondi (%1)</translation>
    </message>
    <message>
        <source>In transmissions (%1)</source>
        <translation>In trasmissioni (%1)</translation>
    </message>
    <message>
        <source>In hundreds of milliseconds (%1)</source>
        <translation>In centinaia di millisecondi (%1)</translation>
    </message>
    <message>
        <source>One digit</source>
        <translation>Una cifra</translation>
    </message>
    <message numerus="yes">
        <source>Up to %n digits</source>
        <translation>
            <numerusform>Fino a %n cifra</numerusform>
            <numerusform>Fino a %n cifre</numerusform>
        </translation>
    </message>
    <message>
        <source>One character</source>
        <translation>Un carattere</translation>
    </message>
    <message numerus="yes">
        <source>One of %n messages</source>
        <translation>
            <numerusform>Uno di %n messaggio</numerusform>
            <numerusform>Uno di %n messaggi</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Up to %n characters: letters, digits and hyphen, in upper case</source>
        <translation>
            <numerusform>Fino a %n carattere: lettere, cifre e trattino, in maiuscolo</numerusform>
            <numerusform>Fino a %n caratteri: lettere, cifre e trattino, in maiuscolo</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Up to %n characters: letters, digits, hyphen and comma, in upper case</source>
        <translation>
            <numerusform>Fino a %n carattere: lettere, cifre, trattino e virgola, in maiuscolo</numerusform>
            <numerusform>Fino a %n caratteri: lettere, cifre, trattino e virgola, in maiuscolo</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Up to %n characters, in upper case</source>
        <translation>
            <numerusform>Fino a %n carattere, in maiuscolo</numerusform>
            <numerusform>Fino a %n caratteri, in maiuscolo</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Up to %n characters</source>
        <translation>
            <numerusform>Fino a %n carattere</numerusform>
            <numerusform>Fino a %n caratteri</numerusform>
        </translation>
    </message>
    <message>
        <source>The number of the serial port</source>
        <translation>Il numero della porta seriale</translation>
    </message>
    <message>
        <source>In GPSless mode, the GPSless beacon</source>
        <translation>In modalità senza GPS, il beacon senza GPS</translation>
    </message>
    <message>
        <source>GPSless mode: on</source>
        <translation>Modalità senza GPS: attiva</translation>
    </message>
    <message>
        <source>GPSless mode: off</source>
        <translation>Modalità senza GPS: non attiva</translation>
    </message>
    <message>
        <source>0 = GPSless mode. Entering leaves the digits unselected: to replace them, select them first with Shift+End, then type</source>
        <translation>0 = modalità senza GPS. Entrando, le cifre non vengono selezionate: per sostituirle, selezionarle prima con Maiusc+Fine, poi digitare</translation>
    </message>
</context>
<context>
    <name>Field</name>
    <message>
        <source>Comm num:</source>
        <translation>Num. COM:</translation>
    </message>
    <message>
        <source>TX DELAY</source>
        <translation>RITARDO TX</translation>
    </message>
    <message>
        <source>mS</source>
        <translation>ms</translation>
    </message>
    <message>
        <source>Msg Retries</source>
        <translation>Ripetizioni msg</translation>
    </message>
    <message>
        <source>Mic-E msg</source>
        <translation>Msg Mic-E</translation>
    </message>
    <message>
        <source>ICON Symbol</source>
        <translation>Simbolo ICONA</translation>
    </message>
    <message>
        <source>Alternate Table</source>
        <translation>Tabella alternativa</translation>
    </message>
    <message>
        <source>Disable display position of received stations</source>
        <translation>Non mostrare la posizione delle stazioni ricevute</translation>
    </message>
    <message>
        <source>Speed 0-3 Km/h</source>
        <translation>Velocità 0-3 km/h</translation>
    </message>
    <message>
        <source>sec.</source>
        <translation>sec.</translation>
    </message>
    <message>
        <source>Speed 4-9 Km/h</source>
        <translation>Velocità 4-9 km/h</translation>
    </message>
    <message>
        <source>Speed 10-22 Km/h</source>
        <translation>Velocità 10-22 km/h</translation>
    </message>
    <message>
        <source>Speed 23-40 Km/h</source>
        <translation>Velocità 23-40 km/h</translation>
    </message>
    <message>
        <source>Speed 41-72 Km/h</source>
        <translation>Velocità 41-72 km/h</translation>
    </message>
    <message>
        <source>Speed 73-125 Km/h</source>
        <translation>Velocità 73-125 km/h</translation>
    </message>
    <message>
        <source>Speed &gt; 125 Km/h</source>
        <translation>Velocità &gt; 125 km/h</translation>
    </message>
    <message>
        <source>Every</source>
        <translation>Ogni</translation>
    </message>
    <message>
        <source>Manual Timing</source>
        <translation>Temporizzazione manuale</translation>
    </message>
    <message>
        <source>Status txt every</source>
        <translation>Testo di stato ogni</translation>
    </message>
    <message>
        <source>tx</source>
        <translation>tx</translation>
    </message>
    <message>
        <source>GPS acquisition interval</source>
        <translation>Intervallo di acquisizione GPS</translation>
    </message>
    <message>
        <source>Acquisition timeout</source>
        <translation>Timeout di acquisizione</translation>
    </message>
    <message>
        <source>x 100 mS</source>
        <translation>x 100 ms</translation>
    </message>
    <message>
        <source>Unprotocol call</source>
        <translation>Nominativo unproto</translation>
    </message>
    <message>
        <source>MY CALLSIGN</source>
        <translation>MIO NOMINATIVO</translation>
    </message>
    <message>
        <source>APRS PATH</source>
        <translation>PERCORSO APRS</translation>
    </message>
    <message>
        <source>Max 2 digipeater addresses</source>
        <translation>Al massimo 2 indirizzi di digipeater</translation>
    </message>
    <message>
        <source>STATUS text</source>
        <translation>Testo di STATO</translation>
    </message>
    <message>
        <source>Max 30 chars. Enter aprs Lat/Lon in GPSless Mode.</source>
        <translation>Max 30 caratteri. In modalità senza GPS inserire Lat/Lon APRS.</translation>
    </message>
    <message>
        <source>APRS message TO CALL</source>
        <translation>Messaggio APRS A</translation>
    </message>
    <message>
        <source>Message text</source>
        <translation>Testo del messaggio</translation>
    </message>
    <message>
        <source>Max 32 chars.</source>
        <translation>Max 32 caratteri.</translation>
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
        <translation>il carattere %1 non ha un codice Windows-1252</translation>
    </message>
    <message>
        <source>the character %1 is a control character</source>
        <translation>il carattere %1 è un carattere di controllo</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a number: only digits fit this field</source>
        <translation>&quot;%1&quot; non è un numero: questo campo accetta solo cifre</translation>
    </message>
    <message>
        <source>&quot;%1&quot; has more than 1 digit</source>
        <translation>&quot;%1&quot; ha più di 1 cifra</translation>
    </message>
    <message numerus="yes">
        <source>&quot;%1&quot; has more than %n digits</source>
        <translation>
            <numerusform>&quot;%1&quot; ha più di %n cifra</numerusform>
            <numerusform>&quot;%1&quot; ha più di %n cifre</numerusform>
        </translation>
    </message>
    <message>
        <source>&quot;%1&quot; is more than one character</source>
        <translation>&quot;%1&quot; è più di un carattere</translation>
    </message>
    <message>
        <source>the text is %1 characters long; at most %2 fit</source>
        <translation>il testo è lungo %1 caratteri; ne entrano al massimo %2</translation>
    </message>
    <message>
        <source>this setting holds a number, not a text</source>
        <translation>questa impostazione contiene un numero, non un testo</translation>
    </message>
    <message>
        <source>this setting holds a text, not a number</source>
        <translation>questa impostazione contiene un testo, non un numero</translation>
    </message>
    <message>
        <source>%1 is out of range: %2 to %3 expected</source>
        <translation>%1 è fuori intervallo: atteso da %2 a %3</translation>
    </message>
</context>
<context>
    <name>FileKind</name>
    <message>
        <source>it is a folder, not a regular file</source>
        <translation>è una cartella, non un file regolare</translation>
    </message>
    <message>
        <source>it is a character device, not a regular file</source>
        <translation>è un dispositivo a caratteri, non un file regolare</translation>
    </message>
    <message>
        <source>it is a block device, not a regular file</source>
        <translation>è un dispositivo a blocchi, non un file regolare</translation>
    </message>
    <message>
        <source>it is a named pipe (FIFO), not a regular file</source>
        <translation>è una named pipe (FIFO), non un file regolare</translation>
    </message>
    <message>
        <source>it is a socket, not a regular file</source>
        <translation>è un socket, non un file regolare</translation>
    </message>
    <message>
        <source>it is a symbolic link, not a regular file</source>
        <translation>è un collegamento simbolico, non un file regolare</translation>
    </message>
    <message>
        <source>it is a special file, not a regular file</source>
        <translation>è un file speciale, non un file regolare</translation>
    </message>
    <message>
        <source>it is a named pipe, not a regular file</source>
        <translation>è una named pipe, non un file regolare</translation>
    </message>
</context>
<context>
    <name>FileNames</name>
    <message>
        <source>its name holds U+FFFD, which stands for bytes that could not be read as text; the name would reach the system changed and could name another file, so it was refused (rename the file)</source>
        <translation>il suo nome contiene U+FFFD, che sta per byte non leggibili come testo; il nome arriverebbe al sistema modificato e potrebbe indicare un altro file, quindi è stato rifiutato (rinominare il file)</translation>
    </message>
    <message>
        <source>the argument &quot;%1&quot; is not valid UTF-8. Names are passed to the system exactly as given, and this one cannot be: rename the file (convmv does it) and try again</source>
        <translation>l&apos;argomento &quot;%1&quot; non è UTF-8 valido. I nomi vengono passati al sistema esattamente come dati, e questo non può esserlo: rinominare il file (lo fa convmv) e riprovare</translation>
    </message>
    <message>
        <source>the &quot;:&quot; makes it a stream inside the file before it, which Windows keeps hidden; a file name cannot hold &quot;:&quot;</source>
        <translation>i &quot;:&quot; ne fanno un flusso dentro il file che lo precede, che Windows tiene nascosto; un nome di file non può contenere &quot;:&quot;</translation>
    </message>
    <message>
        <source>%1 is the name of a Windows device, not of a file, whatever ending follows it; choose another name</source>
        <translation>%1 è il nome di un dispositivo di Windows, non di un file, qualunque estensione segua; scegliere un altro nome</translation>
    </message>
    <message>
        <source>Windows drops the dot or space at the end of a name, so another file would be written; choose a name without it</source>
        <translation>Windows toglie il punto o lo spazio alla fine di un nome, quindi verrebbe scritto un altro file; scegliere un nome senza</translation>
    </message>
</context>
<context>
    <name>FileWriter</name>
    <message>
        <source>its extended attributes</source>
        <translation>i suoi attributi estesi</translation>
    </message>
    <message>
        <source>its access list</source>
        <translation>la sua lista di accesso</translation>
    </message>
    <message>
        <source>its extended attribute %1</source>
        <translation>il suo attributo esteso %1</translation>
    </message>
    <message>
        <source>%1 could not be given to the new file (%2); the file was left as it is</source>
        <translation>non è stato possibile dare %1 al nuovo file (%2); il file è rimasto com&apos;era</translation>
    </message>
    <message>
        <source>its folder &quot;%1&quot; takes no new file (%2), and a safe save writes the new content to a new file beside the old one</source>
        <translation>la sua cartella &quot;%1&quot; non accetta nuovi file (%2), e un salvataggio sicuro scrive il nuovo contenuto in un nuovo file accanto al vecchio</translation>
    </message>
    <message>
        <source>; the file itself is not writable either</source>
        <translation>; e nemmeno il file stesso è scrivibile</translation>
    </message>
    <message>
        <source>. Writing in place needs the space for it reserved first, which failed (%1); the file was left as it is</source>
        <translation>. Scrivere sul posto richiede prima di riservare lo spazio, cosa non riuscita (%1); il file è rimasto com&apos;era</translation>
    </message>
    <message>
        <source>%1; its folder takes no new file, so it was being rewritten in place and may now be incomplete</source>
        <translation>%1; la sua cartella non accetta nuovi file, quindi veniva riscritto sul posto e ora potrebbe essere incompleto</translation>
    </message>
    <message>
        <source>; it was left as it is</source>
        <translation>; è rimasto com&apos;era</translation>
    </message>
    <message>
        <source>it is write-protected (its owner may not write it); it was left as it is</source>
        <translation>è protetto da scrittura (il suo proprietario non può scriverlo); è rimasto com&apos;era</translation>
    </message>
    <message>
        <source>the new file is in place, but its folder could not be synced: %1</source>
        <translation>il nuovo file è al suo posto, ma non è stato possibile sincronizzare la sua cartella: %1</translation>
    </message>
    <message>
        <source>it leads through a symbolic link another user made in a shared folder; it was not followed</source>
        <translation>passa per un collegamento simbolico creato da un altro utente in una cartella condivisa; non è stato seguito</translation>
    </message>
    <message>
        <source>the file is read-only</source>
        <translation>il file è di sola lettura</translation>
    </message>
</context>
<context>
    <name>Ports</name>
    <message>
        <source>Port %1 does not exist: no serial port was found on this computer. Plug in the serial adapter, then try again (korvex-cli ports lists the ports it finds).</source>
        <translation>La porta %1 non esiste: su questo computer non è stata trovata nessuna porta seriale. Collegare l&apos;adattatore seriale, poi riprovare (korvex-cli ports elenca le porte che trova).</translation>
    </message>
    <message>
        <source>there is only 1 serial port (number 1)</source>
        <translation>c&apos;è una sola porta seriale (numero 1)</translation>
    </message>
    <message>
        <source>there are %1 serial ports (numbers 1 to %1)</source>
        <translation>ci sono %1 porte seriali (numeri da 1 a %1)</translation>
    </message>
    <message>
        <source>Port %1 does not exist: %2. Run korvex-cli ports to see which number belongs to which device.</source>
        <translation>La porta %1 non esiste: %2. Eseguire korvex-cli ports per vedere quale numero corrisponde a quale dispositivo.</translation>
    </message>
    <message>
        <source>No port selected: enter a port number in &quot;Comm num:&quot; (korvex-cli ports lists the serial ports of this computer).</source>
        <translation>Nessuna porta scelta: inserire un numero di porta in &quot;Num. COM:&quot; (korvex-cli ports elenca le porte seriali di questo computer).</translation>
    </message>
</context>
<context>
    <name>Prompts</name>
    <message>
        <source>The box also offers %1.</source>
        <translation>La finestra offre anche %1.</translation>
    </message>
    <message>
        <source>Save report…</source>
        <translation>Salva rapporto…</translation>
    </message>
    <message>
        <source>Saves one file with what someone who helps needs: the system, the ports and the last transfer.</source>
        <translation>Salva un file con ciò che serve a chi aiuta: il sistema, le porte e l&apos;ultimo trasferimento.</translation>
    </message>
    <message>
        <source> and </source>
        <translation> e </translation>
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
        <translation>Su questo sistema non c&apos;è nessuna linea seriale disponibile.</translation>
    </message>
    <message>
        <source> In Device Manager the adapter must be listed under &quot;Ports (COM &amp; LPT)&quot; with its COM number; under &quot;Other devices&quot; it has no driver: install the adapter&apos;s driver first.</source>
        <translation> In Gestione dispositivi l&apos;adattatore deve comparire sotto &quot;Porte (COM e LPT)&quot; con il suo numero COM; sotto &quot;Altri dispositivi&quot; non ha un driver: installare prima il driver dell&apos;adattatore.</translation>
    </message>
    <message>
        <source>Cannot write to %1: the port is not open.</source>
        <translation>Impossibile scrivere su %1: la porta non è aperta.</translation>
    </message>
    <message>
        <source>Cannot write to %1: the port took no data for %2 ms (%3 bytes still waiting). Check the cable and the adapter, then try again.</source>
        <translation>Impossibile scrivere su %1: la porta non ha accettato dati per %2 ms (%3 byte ancora in attesa). Controllare il cavo e l&apos;adattatore, poi riprovare.</translation>
    </message>
    <message>
        <source>Cannot write to %1: the device went away (%2). Check that the serial adapter is still plugged in, then try again.</source>
        <translation>Impossibile scrivere su %1: il dispositivo è sparito (%2). Controllare che l&apos;adattatore seriale sia ancora collegato, poi riprovare.</translation>
    </message>
    <message>
        <source>Cannot write to %1: %2.</source>
        <translation>Impossibile scrivere su %1: %2.</translation>
    </message>
    <message>
        <source>Cannot open %1: there is no such device. Check that the serial adapter is plugged in and that &quot;Comm num:&quot; names the right port (korvex-cli ports lists them).</source>
        <translation>Impossibile aprire %1: il dispositivo non esiste. Controllare che l&apos;adattatore seriale sia collegato e che &quot;Num. COM:&quot; indichi la porta giusta (korvex-cli ports le elenca).</translation>
    </message>
    <message>
        <source>Cannot open %1: the port is in use by another program. Close the program that holds it (a terminal, another configurator), then try again.</source>
        <translation>Impossibile aprire %1: la porta è usata da un altro programma. Chiudere il programma che la tiene (un terminale, un altro configuratore), poi riprovare.</translation>
    </message>
    <message>
        <source>Cannot open %1: permission denied, and no group of users may write to it. Ask the administrator for write access to the device (for example a udev rule that gives it to the &quot;dialout&quot; group).</source>
        <translation>Impossibile aprire %1: permesso negato, e nessun gruppo di utenti può scriverci. Chiedere all&apos;amministratore l&apos;accesso in scrittura al dispositivo (per esempio una regola udev che lo assegni al gruppo &quot;dialout&quot;).</translation>
    </message>
    <message>
        <source>Cannot open %1: permission denied. You are in the group &quot;%2&quot; that owns it, but this login session started before you were added: log out and log in again.</source>
        <translation>Impossibile aprire %1: permesso negato. Fate parte del gruppo &quot;%2&quot; a cui appartiene, ma questa sessione è iniziata prima che vi foste aggiunti: uscire e rientrare.</translation>
    </message>
    <message>
        <source>Cannot open %1: permission denied. The device belongs to the group &quot;%2&quot;. Add yourself to it with: sudo usermod -aG %2 $USER, then log out and log in again.</source>
        <translation>Impossibile aprire %1: permesso negato. Il dispositivo appartiene al gruppo &quot;%2&quot;. Aggiungersi al gruppo con: sudo usermod -aG %2 $USER, poi uscire e rientrare.</translation>
    </message>
    <message>
        <source>Cannot use %1: it is not a serial port, so nothing was sent. Give the serial adapter&apos;s device (korvex-cli ports lists them).</source>
        <translation>Impossibile usare %1: non è una porta seriale, quindi non è stato inviato nulla. Indicare il dispositivo dell&apos;adattatore seriale (korvex-cli ports li elenca).</translation>
    </message>
    <message>
        <source>Cannot open %1: %2.</source>
        <translation>Impossibile aprire %1: %2.</translation>
    </message>
</context>
<context>
    <name>SerialSide</name>
    <message>
        <source>%1 (%2) on USB %3</source>
        <translation>%1 (%2) su USB %3</translation>
    </message>
    <message>
        <source>Adapter without a port: %1. A udev rule of the braille display service (brltty) matches this adapter, so the service takes it and no serial port is made: %2, line %3.</source>
        <translation>Adattatore senza porta: %1. Una regola udev del servizio per display braille (brltty) corrisponde a questo adattatore, quindi il servizio lo prende e non viene creata nessuna porta seriale: %2, riga %3.</translation>
    </message>
    <message>
        <source>Leave out that one rule with a local copy of the file (a file of the same name in /etc/udev/rules.d replaces it; the braille service keeps working for braille displays, so do not remove it):
%1Then unplug the adapter and plug it in again.</source>
        <translation>Escludere solo quella regola con una copia locale del file (un file con lo stesso nome in /etc/udev/rules.d lo sostituisce; il servizio braille continua a funzionare per i display braille, quindi non rimuoverlo):
%1Poi scollegare l&apos;adattatore e ricollegarlo.</translation>
    </message>
    <message>
        <source>Adapter without a port: %1. No driver has taken it, though its driver %2 is loaded.</source>
        <translation>Adattatore senza porta: %1. Nessun driver lo ha preso, benché il suo driver %2 sia caricato.</translation>
    </message>
    <message>
        <source>Adapter without a port: %1. No driver has taken it: its driver module %2 is not loaded.</source>
        <translation>Adattatore senza porta: %1. Nessun driver lo ha preso: il suo modulo driver %2 non è caricato.</translation>
    </message>
    <message>
        <source>Unplug the adapter and plug it in again.</source>
        <translation>Scollegare l&apos;adattatore e ricollegarlo.</translation>
    </message>
    <message>
        <source>Load the driver with: sudo modprobe %1
Then unplug the adapter and plug it in again.</source>
        <translation>Caricare il driver con: sudo modprobe %1
Poi scollegare l&apos;adattatore e ricollegarlo.</translation>
    </message>
    <message>
        <source>ModemManager is running. It probes every new ttyACM port for a few seconds after the port appears, and %1 is such a port.</source>
        <translation>ModemManager è in esecuzione. Interroga ogni nuova porta ttyACM per alcuni secondi dopo che compare, e %1 è una di queste porte.</translation>
    </message>
    <message>
        <source>Wait a few seconds and try again. To keep ModemManager away from this device for good, mark it with a udev rule:
  echo &apos;%1, ENV{ID_MM_DEVICE_IGNORE}=&quot;1&quot;&apos; | sudo tee /etc/udev/rules.d/70-korvex-tracker.rules
  sudo udevadm control --reload-rules
Then unplug the cable and plug it in again.</source>
        <translation>Attendere qualche secondo e riprovare. Per tenere ModemManager lontano da questo dispositivo per sempre, marcarlo con una regola udev:
  echo &apos;%1, ENV{ID_MM_DEVICE_IGNORE}=&quot;1&quot;&apos; | sudo tee /etc/udev/rules.d/70-korvex-tracker.rules
  sudo udevadm control --reload-rules
Poi scollegare il cavo e ricollegarlo.</translation>
    </message>
</context>
<context>
    <name>Setup</name>
    <message>
        <source>Default</source>
        <translation>Predefiniti</translation>
    </message>
    <message>
        <source>Puts the factory settings into every field.</source>
        <translation>Riporta in ogni campo le impostazioni di fabbrica.</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salva</translation>
    </message>
    <message>
        <source>Saves the settings to a configuration file.</source>
        <translation>Salva le impostazioni in un file di configurazione.</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Carica</translation>
    </message>
    <message>
        <source>Loads the settings from a configuration file.</source>
        <translation>Carica le impostazioni da un file di configurazione.</translation>
    </message>
    <message>
        <source>SEND</source>
        <translation>INVIA</translation>
    </message>
    <message>
        <source>Checks the settings and sends them to the tracker on the port in Comm num.</source>
        <translation>Controlla le impostazioni e le invia al tracker sulla porta indicata in Num. COM.</translation>
    </message>
    <message>
        <source>Help (F1)</source>
        <translation>Aiuto (F1)</translation>
    </message>
    <message>
        <source>Opens the manual. F1 does the same from any field.</source>
        <translation>Apre il manuale. F1 fa lo stesso da qualsiasi campo.</translation>
    </message>
    <message>
        <source>Main APRS / Mic-E Settings</source>
        <translation>Impostazioni principali APRS / Mic-E</translation>
    </message>
    <message>
        <source>/ GPSless bcn</source>
        <translation>/ beacon senza GPS</translation>
    </message>
    <message>
        <source>Manual Timing</source>
        <translation>Temporizzazione manuale</translation>
    </message>
    <message>
        <source>GPS</source>
        <translation>GPS</translation>
    </message>
    <message>
        <source>Acquisition interval</source>
        <translation>Intervallo di acquisizione</translation>
    </message>
    <message>
        <source>(0=GPSless Mode)</source>
        <translation>(0=modalità senza GPS)</translation>
    </message>
    <message>
        <source>Automatic Timing</source>
        <translation>Temporizzazione automatica</translation>
    </message>
    <message>
        <source>Timing  Settings</source>
        <translation>Impostazioni di temporizzazione</translation>
    </message>
    <message>
        <source>Message Settings</source>
        <translation>Impostazioni messaggi</translation>
    </message>
    <message>
        <source>Configuration / Programming</source>
        <translation>Configurazione / Programmazione</translation>
    </message>
</context>
<context>
    <name>Simulators</name>
    <message>
        <source>%1 is a symbolic link</source>
        <translation>%1 è un collegamento simbolico</translation>
    </message>
    <message>
        <source>%1 is not a folder</source>
        <translation>%1 non è una cartella</translation>
    </message>
    <message>
        <source>%1 belongs to another user</source>
        <translation>%1 appartiene a un altro utente</translation>
    </message>
    <message>
        <source>%1 is open to other users (mode %2, where 0700 is needed)</source>
        <translation>%1 è aperta ad altri utenti (modo %2, mentre serve 0700)</translation>
    </message>
    <message>
        <source>%1 changed while it was opened</source>
        <translation>%1 è cambiato mentre veniva aperto</translation>
    </message>
    <message>
        <source>cannot create %1: %2</source>
        <translation>impossibile creare %1: %2</translation>
    </message>
    <message>
        <source>cannot create %1</source>
        <translation>impossibile creare %1</translation>
    </message>
    <message>
        <source>Korvex simulator (process %1)</source>
        <translation>Simulatore Korvex (processo %1)</translation>
    </message>
</context>
<context>
    <name>StateFolder</name>
    <message>
        <source>no state folder: neither XDG_STATE_HOME nor HOME names one</source>
        <translation>nessuna cartella di stato: né XDG_STATE_HOME né HOME ne indicano una</translation>
    </message>
    <message>
        <source>cannot make the folder %1</source>
        <translation>impossibile creare la cartella %1</translation>
    </message>
</context>
<context>
    <name>SystemError</name>
    <message>
        <source>the file size limit of this session (`ulimit -f`) was reached</source>
        <translation>è stato raggiunto il limite di dimensione dei file di questa sessione (`ulimit -f`)</translation>
    </message>
    <message>
        <source>the limit of open files of this session (`ulimit -n`) was reached</source>
        <translation>è stato raggiunto il limite di file aperti di questa sessione (`ulimit -n`)</translation>
    </message>
</context>
<context>
    <name>TransferTrace</name>
    <message>
        <source>line %1 says %2 bytes but holds %3</source>
        <translation>la riga %1 dichiara %2 byte ma ne contiene %3</translation>
    </message>
</context>
<context>
    <name>Typing</name>
    <message>
        <source>the character %1 cannot be typed into %2</source>
        <translation>il carattere %1 non si può digitare in %2</translation>
    </message>
    <message>
        <source>%1 holds %2, which typing turns into %3; it is kept as read</source>
        <translation>%1 contiene %2, che digitando diventa %3; viene mantenuto come letto</translation>
    </message>
    <message>
        <source>%1 holds %2, which typing never lets through; it is kept as read</source>
        <translation>%1 contiene %2, che digitando non passa mai; viene mantenuto come letto</translation>
    </message>
</context>
<context>
    <name>korvex::InstructionsWindow</name>
    <message>
        <source>Istruzioni:</source>
        <translation>Istruzioni:</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>Manuale</translation>
    </message>
    <message>
        <source>Il file di help %1 è troppo grande: oltre %2 MiB non viene letto.</source>
        <translation>Il file di help %1 è troppo grande: oltre %2 MiB non viene letto.</translation>
    </message>
    <message>
        <source>Manca il file di help %1</source>
        <translation>Manca il file di help %1</translation>
    </message>
</context>
<context>
    <name>korvex::PortHint</name>
    <message>
        <source>Korvex simulator</source>
        <translation>Simulatore Korvex</translation>
    </message>
    <message>
        <source>New serial port %1: %2</source>
        <translation>Nuova porta seriale %1: %2</translation>
    </message>
    <message>
        <source>New serial port: %1</source>
        <translation>Nuova porta seriale: %1</translation>
    </message>
    <message>
        <source>Serial port %1 is gone: %2</source>
        <translation>La porta seriale %1 non c&apos;è più: %2</translation>
    </message>
    <message>
        <source>Press F2 or click here to put %1 into Comm num.</source>
        <translation>Premere F2 o fare clic qui per mettere %1 in Num. COM.</translation>
    </message>
    <message>
        <source>Comm num cannot reach it: send to it with korvex-cli send --port and its device.</source>
        <translation>Num. COM non la raggiunge: inviare con korvex-cli send --port e il suo dispositivo.</translation>
    </message>
    <message>
        <source>Comm num still names it; plug it in again or choose another port.</source>
        <translation>Num. COM la indica ancora; ricollegarla o scegliere un&apos;altra porta.</translation>
    </message>
</context>
<context>
    <name>korvex::ProgressDialog</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Sending data on %1...</source>
        <translation>Invio dei dati su %1...</translation>
    </message>
    <message>
        <source>Data sent !
 Be shure that the word &apos;Success!&apos; appears on LCD</source>
        <translation>Dati inviati!
 Verificare che sul display compaia la scritta &apos;Success!&apos;</translation>
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
        <translation>Simulatore Korvex</translation>
    </message>
    <message>
        <source>No serial port found on this computer.</source>
        <translation>Nessuna porta seriale trovata su questo computer.</translation>
    </message>
    <message>
        <source>Serial ports on this computer:</source>
        <translation>Porte seriali su questo computer:</translation>
    </message>
    <message>
        <source>Adapter without a port: %1:%2 %3 on USB %4</source>
        <translation>Adattatore senza porta: %1:%2 %3 su USB %4</translation>
    </message>
    <message>
        <source>(korvex-cli ports --diagnose tells why and what to do)</source>
        <translation>(korvex-cli ports --diagnose spiega il perché e cosa fare)</translation>
    </message>
    <message>
        <source>Korvex Config v2.1 by QZ9KRV</source>
        <translation>Korvex Config v2.1 di QZ9KRV</translation>
    </message>
    <message>
        <source>Invio non eseguito - Korvex</source>
        <translation>Invio non eseguito - Korvex</translation>
    </message>
    <message>
        <source>Salva File</source>
        <translation>Salva File</translation>
    </message>
    <message>
        <source>Apertura File</source>
        <translation>Apertura File</translation>
    </message>
    <message>
        <source>File di configurazione (*.cfg)</source>
        <translation>File di configurazione (*.cfg)</translation>
    </message>
    <message>
        <source>Tutti i files</source>
        <translation>Tutti i file</translation>
    </message>
    <message>
        <source>Korvex Config - Istruzioni</source>
        <translation>Korvex Config - Istruzioni</translation>
    </message>
    <message>
        <source>Factory settings restored</source>
        <translation>Impostazioni di fabbrica ripristinate</translation>
    </message>
    <message>
        <source>field %1: %2</source>
        <translation>campo %1: %2</translation>
    </message>
    <message>
        <source>Save report</source>
        <translation>Salva rapporto</translation>
    </message>
    <message>
        <source>Text (*.txt)</source>
        <translation>Testo (*.txt)</translation>
    </message>
    <message>
        <source>Saved to %1</source>
        <translation>Salvato in %1</translation>
    </message>
    <message>
        <source>Loaded from %1</source>
        <translation>Caricato da %1</translation>
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
        <translation>le impostazioni di fabbrica come file .cfg</translation>
    </message>
    <message>
        <source>check settings and show the block SEND would write</source>
        <translation>controlla le impostazioni e mostra il blocco che INVIA scriverebbe</translation>
    </message>
    <message>
        <source>change settings and save them as a .cfg file</source>
        <translation>modifica le impostazioni e le salva come file .cfg</translation>
    </message>
    <message>
        <source>check settings and program the tracker</source>
        <translation>controlla le impostazioni e programma il tracker</translation>
    </message>
    <message>
        <source>a simulated tracker on a pseudo-terminal, to send to</source>
        <translation>un tracker simulato su uno pseudo-terminale, a cui inviare</translation>
    </message>
    <message>
        <source>Usage: korvex-cli COMMAND [options]

Programs a Korvex APRS tracker from the command line, with the same settings,
checks and timing as the Korvex Config window.

Commands:
</source>
        <translation>Uso: korvex-cli COMANDO [opzioni]

Programma un tracker APRS Korvex dalla riga di comando, con le stesse impostazioni,
gli stessi controlli e gli stessi tempi della finestra di Korvex Config.

Comandi:
</translation>
    </message>
    <message>
        <source>unknown command &quot;%1&quot;</source>
        <translation>comando sconosciuto &quot;%1&quot;</translation>
    </message>
    <message>
        <source>cannot write to standard output</source>
        <translation>impossibile scrivere sullo standard output</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(nessuna)</translation>
    </message>
    <message>
        <source>A .cfg file.</source>
        <translation>Un file .cfg.</translation>
    </message>
    <message>
        <source>Print one JSON object instead.</source>
        <translation>Stampa invece un oggetto JSON.</translation>
    </message>
    <message>
        <source>Settings as SEND writes them back:</source>
        <translation>Impostazioni come INVIA le riscrive:</translation>
    </message>
    <message>
        <source>Changed by the check:</source>
        <translation>Modificate dal controllo:</translation>
    </message>
    <message>
        <source>GPSless mode: not reached</source>
        <translation>Modalità senza GPS: non raggiunta</translation>
    </message>
    <message>
        <source>GPSless mode: on</source>
        <translation>Modalità senza GPS: attiva</translation>
    </message>
    <message>
        <source>GPSless mode: off</source>
        <translation>Modalità senza GPS: non attiva</translation>
    </message>
    <message>
        <source>Configuration block (%1 bytes):</source>
        <translation>Blocco di configurazione (%1 byte):</translation>
    </message>
    <message>
        <source>Configuration block (%1 bytes, incomplete):</source>
        <translation>Blocco di configurazione (%1 byte, incompleto):</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a whole number</source>
        <translation>&quot;%1&quot; non è un numero intero</translation>
    </message>
    <message>
        <source>--set &quot;%1&quot;: expected KEY=VALUE</source>
        <translation>--set &quot;%1&quot;: atteso CHIAVE=VALORE</translation>
    </message>
    <message>
        <source>--set %1: unknown key; known keys: %2</source>
        <translation>--set %1: chiave sconosciuta; chiavi note: %2</translation>
    </message>
    <message>
        <source>--set %1: refused</source>
        <translation>--set %1: rifiutato</translation>
    </message>
    <message>
        <source>Cannot read standard input</source>
        <translation>Impossibile leggere lo standard input</translation>
    </message>
    <message>
        <source>Set one setting, e.g. --set mycall=N0CALL-7 (repeatable).</source>
        <translation>Imposta un valore, p. es. --set mycall=N0CALL-7 (ripetibile).</translation>
    </message>
    <message>
        <source>Show this help.</source>
        <translation>Mostra questo aiuto.</translation>
    </message>
    <message>
        <source>Writes the factory settings as a .cfg file (to standard output unless -o is given).</source>
        <translation>Scrive le impostazioni di fabbrica come file .cfg (sullo standard output se manca -o).</translation>
    </message>
    <message>
        <source>Write to FILE (- for standard output).</source>
        <translation>Scrive in FILE (- per lo standard output).</translation>
    </message>
    <message>
        <source>Loads FILE onto the factory settings (no FILE: the factory settings), applies each --set and saves the result as OUT.</source>
        <translation>Carica FILE sulle impostazioni di fabbrica (senza FILE: le impostazioni di fabbrica), applica ogni --set e salva il risultato come OUT.</translation>
    </message>
    <message>
        <source>A .cfg file to start from (- for standard input).</source>
        <translation>Un file .cfg da cui partire (- per lo standard input).</translation>
    </message>
    <message>
        <source>The .cfg file to write (required; - for standard output).</source>
        <translation>Il file .cfg da scrivere (obbligatorio; - per lo standard output).</translation>
    </message>
    <message>
        <source>edit needs -o OUT, the file to write</source>
        <translation>edit richiede -o OUT, il file da scrivere</translation>
    </message>
    <message>
        <source>Nothing stands in the way that the system shows.</source>
        <translation>Il sistema non mostra alcun ostacolo.</translation>
    </message>
    <message>
        <source>Lists the serial ports numbered the way &quot;Comm num:&quot; and --port count them: USB adapters first, then the other ports, then running simulators.</source>
        <translation>Elenca le porte seriali numerate come le contano &quot;Num. COM:&quot; e --port: prima gli adattatori USB, poi le altre porte, poi i simulatori in esecuzione.</translation>
    </message>
    <message>
        <source>simulators are not listed: %1</source>
        <translation>i simulatori non sono elencati: %1</translation>
    </message>
    <message>
        <source>No serial ports found. Plug in the USB serial adapter of the tracker&apos;s cable and run this again.</source>
        <translation>Nessuna porta seriale trovata. Collegare l&apos;adattatore seriale USB del cavo del tracker e riprovare.</translation>
    </message>
    <message>
        <source>Korvex simulator</source>
        <translation>Simulatore Korvex</translation>
    </message>
    <message>
        <source>A port marked - has no number of its own: give it by its device with --port.</source>
        <translation>Una porta segnata con - non ha un numero proprio: indicarla con il suo dispositivo con --port.</translation>
    </message>
    <message>
        <source>Run korvex-cli ports --diagnose to see why an adapter has no port.</source>
        <translation>Eseguire korvex-cli ports --diagnose per vedere perché un adattatore non ha una porta.</translation>
    </message>
    <message>
        <source>Sending data on %1 (port %2)...</source>
        <translation>Invio dei dati su %1 (porta %2)...</translation>
    </message>
    <message>
        <source>Sending data on %1...</source>
        <translation>Invio dei dati su %1...</translation>
    </message>
    <message>
        <source>Data sent to %1</source>
        <translation>Dati inviati a %1</translation>
    </message>
    <message>
        <source>Nothing is read back: look for &apos;Success!&apos; on the tracker&apos;s display.</source>
        <translation>Non viene riletto nulla: controllare che sul display del tracker compaia &apos;Success!&apos;.</translation>
    </message>
    <message>
        <source>the port closed itself right after opening; nothing was sent</source>
        <translation>la porta si è chiusa subito dopo l&apos;apertura; non è stato inviato nulla</translation>
    </message>
    <message>
        <source>interrupted; %1 is closed again with its line settings as they were. Part of the data had gone out, so the tracker may hold a partial transfer: send again before relying on it.</source>
        <translation>interrotto; %1 è di nuovo chiusa con le impostazioni di linea di prima. Parte dei dati era già partita, quindi il tracker potrebbe avere un trasferimento parziale: inviare di nuovo prima di farci affidamento.</translation>
    </message>
    <message>
        <source>interrupted before anything was sent</source>
        <translation>interrotto prima che venisse inviato qualcosa</translation>
    </message>
    <message>
        <source>The .cfg file to send.</source>
        <translation>Il file .cfg da inviare.</translation>
    </message>
    <message>
        <source>Transfer %1:</source>
        <translation>Trasferimento %1:</translation>
    </message>
    <message>
        <source>Arrived (ms after the first byte):</source>
        <translation>Arrivati (ms dopo il primo byte):</translation>
    </message>
    <message>
        <source>Writes:</source>
        <translation>Scritture:</translation>
    </message>
    <message>
        <source>1 byte at %1</source>
        <translation>1 byte a %1</translation>
    </message>
    <message numerus="yes">
        <source>%n bytes at %1</source>
        <translation>
            <numerusform>%n byte a %1</numerusform>
            <numerusform>%n byte a %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Received %n bytes:</source>
        <translation>
            <numerusform>Ricevuto %n byte:</numerusform>
            <numerusform>Ricevuti %n byte:</numerusform>
        </translation>
    </message>
    <message>
        <source>Settings:</source>
        <translation>Impostazioni:</translation>
    </message>
    <message>
        <source>(not sent)</source>
        <translation>(non inviato)</translation>
    </message>
    <message>
        <source>Plays a Korvex tracker on a pseudo-terminal, for trials without the hardware. Prints the device to send to (on standard error with --json), then for each transfer what the tracker&apos;s display shows (&apos;Success!&apos; or why it refused the data), when each write arrived, and the settings it received. While it runs, &quot;korvex-cli ports&quot; and the window&apos;s &quot;Comm num:&quot; list it after the real ports. Ends on Ctrl+C.</source>
        <translation>Simula un tracker Korvex su uno pseudo-terminale, per prove senza l&apos;apparato. Stampa il dispositivo a cui inviare (sullo standard error con --json), poi per ogni trasferimento cosa mostra il display del tracker (&apos;Success!&apos; o perché ha rifiutato i dati), quando è arrivata ogni scrittura e le impostazioni ricevute. Mentre è in esecuzione, &quot;korvex-cli ports&quot; e &quot;Num. COM:&quot; della finestra lo elencano dopo le porte reali. Termina con Ctrl+C.</translation>
    </message>
    <message>
        <source>Exit after one transfer (status 0 when it succeeded, 1 if not).</source>
        <translation>Esce dopo un trasferimento (stato 0 se è riuscito, 1 altrimenti).</translation>
    </message>
    <message>
        <source>Print one JSON object per transfer.</source>
        <translation>Stampa un oggetto JSON per trasferimento.</translation>
    </message>
    <message>
        <source>not listed among the ports (%1); send to the device by name</source>
        <translation>non elencato tra le porte (%1); inviare al dispositivo per nome</translation>
    </message>
    <message>
        <source> (port %1 in &quot;Comm num:&quot; and --port)</source>
        <translation> (porta %1 in &quot;Num. COM:&quot; e --port)</translation>
    </message>
    <message>
        <source>Korvex simulator listening on %1</source>
        <translation>Simulatore Korvex in ascolto su %1</translation>
    </message>
    <message>
        <source>standard output has no reader any more (its pipe or terminal closed); the simulator stops</source>
        <translation>lo standard output non ha più un lettore (la sua pipe o il terminale si è chiuso); il simulatore si ferma</translation>
    </message>
    <message>
        <source>End after one transfer.</source>
        <translation>Termina dopo un trasferimento.</translation>
    </message>
    <message>
        <source>Report as JSON.</source>
        <translation>Riporta in JSON.</translation>
    </message>
    <message>
        <source>simulate runs on Linux only: the simulated tracker needs a pseudo-terminal, which Windows does not have. Run &quot;korvex-cli simulate&quot; on a Linux computer, or send to a real tracker.</source>
        <translation>simulate funziona solo su Linux: il tracker simulato ha bisogno di uno pseudo-terminale, che Windows non ha. Eseguire &quot;korvex-cli simulate&quot; su un computer Linux, o inviare a un tracker reale.</translation>
    </message>
    <message>
        <source>Loads FILE onto the factory settings (no FILE: the factory settings), applies each --set, and checks them exactly as SEND does: shows the settings as SEND would write them back, every value it changed, GPSless mode and the configuration block.</source>
        <translation>Carica FILE sulle impostazioni di fabbrica (senza FILE: le impostazioni di fabbrica), applica ogni --set e le controlla esattamente come INVIA: mostra le impostazioni come INVIA le riscriverebbe, ogni valore modificato, la modalità senza GPS e il blocco di configurazione.</translation>
    </message>
    <message>
        <source>Loads FILE onto the factory settings, applies each --set, checks the settings exactly as SEND does and programs the tracker: 122 bytes in four writes at 4800 baud. Nothing is read back: look for &apos;Success!&apos; on the tracker&apos;s display.</source>
        <translation>Carica FILE sulle impostazioni di fabbrica, applica ogni --set, controlla le impostazioni esattamente come INVIA e programma il tracker: 122 byte in quattro scritture a 4800 baud. Non viene riletto nulla: controllare che sul display del tracker compaia &apos;Success!&apos;.</translation>
    </message>
    <message>
        <source>send needs exactly one .cfg file (make one with &quot;korvex-cli defaults -o FILE&quot; or with Save in the window)</source>
        <translation>send richiede esattamente un file .cfg (crearne uno con &quot;korvex-cli defaults -o FILE&quot; o con Salva nella finestra)</translation>
    </message>
    <message>
        <source>the serial ports, numbered as &quot;Comm num:&quot; counts them, and what keeps them from use; with --wait, the port that is plugged in next</source>
        <translation>le porte seriali, numerate come le conta &quot;Num. COM:&quot;, e cosa ne impedisce l&apos;uso; con --wait, la porta collegata per prima</translation>
    </message>
    <message>
        <source>what the tracker makes of a transfer trace or of raw bytes</source>
        <translation>cosa ricava il tracker da una traccia di trasferimento o da byte grezzi</translation>
    </message>
    <message>
        <source>one file with what someone who helps needs</source>
        <translation>un file con ciò che serve a chi aiuta</translation>
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
Un FILE - è lo standard input; -o - è lo standard output.
&quot;korvex-cli COMANDO --help&quot; mostra le opzioni di un comando,
&quot;korvex-cli --version&quot; la versione.
Stato di uscita: 0 successo, 1 impostazioni rifiutate, 2 errore d&apos;uso,
3 errore di file, 4 impostazioni non caricate, 5 errore di porta,
6 nessuna porta utilizzabile (ports --diagnose), 7 trasferimento rifiutato
(simulate --once), 8 output perso, 9 invio interrotto,
10 nessuna porta comparsa (ports --wait).
--lang NOME (o KORVEX_LANG) sceglie la lingua dei messaggi: de, es, it,
C per l&apos;inglese; l&apos;output --json e i file .cfg sono uguali in ogni lingua.
</translation>
    </message>
    <message>
        <source>%1%2 is given twice with different values (&quot;%3&quot; and &quot;%4&quot;); give it once</source>
        <translation>%1%2 è dato due volte con valori diversi (&quot;%3&quot; e &quot;%4&quot;); darlo una volta sola</translation>
    </message>
    <message>
        <source>Usage: %1 %2</source>
        <translation>Uso: %1 %2</translation>
    </message>
    <message>
        <source>Run &quot;%1 --help&quot; for more.</source>
        <translation>&quot;%1 --help&quot; dice di più.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not taken here: %2 takes no arguments</source>
        <translation>&quot;%1&quot; non è accettato qui: %2 non accetta argomenti</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is one argument too many</source>
        <translation>&quot;%1&quot; è un argomento di troppo</translation>
    </message>
    <message>
        <source>warning: %1</source>
        <translation>avviso: %1</translation>
    </message>
    <message>
        <source>Reads a transfer trace (as send --trace writes it, or the last one kept in the user&apos;s state folder) or the raw bytes of a transfer, and prints what the tracker would have made of it, as simulate does: the display&apos;s verdict, when each write came and the settings it carried. Exit status 0 when every transfer would have shown &apos;Success!&apos;, 7 when one would not.</source>
        <translation>Legge una traccia di trasferimento (come la scrive send --trace, o l&apos;ultima conservata nella cartella di stato dell&apos;utente) o i byte grezzi di un trasferimento, e stampa cosa ne avrebbe ricavato il tracker, come fa simulate: il verdetto del display, quando è arrivata ogni scrittura e le impostazioni che portava. Stato di uscita 0 quando ogni trasferimento avrebbe mostrato &apos;Success!&apos;, 7 quando uno no.</translation>
    </message>
    <message>
        <source>The trace or the bytes; - for standard input.</source>
        <translation>La traccia o i byte; - per lo standard input.</translation>
    </message>
    <message>
        <source>decode needs exactly one file: a trace or raw bytes</source>
        <translation>decode vuole esattamente un file: una traccia o byte grezzi</translation>
    </message>
    <message>
        <source>Cannot read &quot;%1&quot;</source>
        <translation>Impossibile leggere &quot;%1&quot;</translation>
    </message>
    <message>
        <source>%1 is not a trace to trust: %2</source>
        <translation>%1 non è una traccia affidabile: %2</translation>
    </message>
    <message>
        <source>%1 holds no transfer: nothing was written to the line</source>
        <translation>%1 non contiene alcun trasferimento: sulla linea non è stato scritto nulla</translation>
    </message>
    <message>
        <source>Also tell what keeps a port from use, and how to fix it: an adapter without a port, a group to join, ModemManager. Exit status 0 when at least one port can be used, 6 when none can.</source>
        <translation>Dice anche cosa impedisce l&apos;uso di una porta e come rimediare: un adattatore senza porta, un gruppo a cui unirsi, ModemManager. Stato di uscita 0 quando almeno una porta è utilizzabile, 6 quando nessuna lo è.</translation>
    </message>
    <message>
        <source>Then wait up to SECONDS (default %1) for a port to appear, and print it with its stable name: unplug the cable, run this, plug it in. Exit status 0 when a port appeared, %2 when none did in time.</source>
        <translation>Poi attende fino a SECONDS secondi (predefinito %1) che compaia una porta e la stampa col suo nome stabile: scollegare il cavo, eseguire questo, ricollegarlo. Stato di uscita 0 quando una porta è comparsa, %2 quando nessuna è comparsa in tempo.</translation>
    </message>
    <message>
        <source>With --wait: how long to wait, 1 to %1.</source>
        <translation>Con --wait: quanto attendere, da 1 a %1.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not taken here: ports takes a number of seconds only with --wait</source>
        <translation>&quot;%1&quot; non è accettato qui: ports accetta un numero di secondi solo con --wait</translation>
    </message>
    <message>
        <source>--wait %1: give a whole number of seconds from 1 to %2</source>
        <translation>--wait %1: indicare un numero intero di secondi da 1 a %2</translation>
    </message>
    <message>
        <source>Waiting up to 1 second for a port to appear: plug in the cable now.</source>
        <translation>Attendo fino a 1 secondo che compaia una porta: collegare ora il cavo.</translation>
    </message>
    <message numerus="yes">
        <source>Waiting up to %n seconds for a port to appear: plug in the cable now.</source>
        <translation>
            <numerusform>Attendo fino a %n secondo che compaia una porta: collegare ora il cavo.</numerusform>
            <numerusform>Attendo fino a %n secondi che compaia una porta: collegare ora il cavo.</numerusform>
        </translation>
    </message>
    <message>
        <source>no port appeared within 1 second. Check the cable and the adapter; ports --diagnose tells what the system shows.</source>
        <translation>nessuna porta è comparsa entro 1 secondo. Controllare il cavo e l&apos;adattatore; ports --diagnose dice cosa mostra il sistema.</translation>
    </message>
    <message numerus="yes">
        <source>no port appeared within %n seconds. Check the cable and the adapter; ports --diagnose tells what the system shows.</source>
        <translation>
            <numerusform>nessuna porta è comparsa entro %n secondo. Controllare il cavo e l&apos;adattatore; ports --diagnose dice cosa mostra il sistema.</numerusform>
            <numerusform>nessuna porta è comparsa entro %n secondi. Controllare il cavo e l&apos;adattatore; ports --diagnose dice cosa mostra il sistema.</numerusform>
        </translation>
    </message>
    <message>
        <source>New port:</source>
        <translation>Nuova porta:</translation>
    </message>
    <message>
        <source>Writes one file to attach to a request for help: the program and Qt versions, the system and desktop session, the locale, the serial ports with their drivers and stable names, what keeps them from use (as ports --diagnose), the user&apos;s groups, the last transfer&apos;s trace and the settings it carried. It holds nothing secret. The file is replaced in one step.</source>
        <translation>Scrive un file da allegare a una richiesta di aiuto: le versioni del programma e di Qt, il sistema e la sessione desktop, la lingua e le impostazioni locali, le porte seriali con i loro driver e nomi stabili, cosa ne impedisce l&apos;uso (come ports --diagnose), i gruppi dell&apos;utente, la traccia dell&apos;ultimo trasferimento e le impostazioni che portava. Non contiene nulla di segreto. Il file viene sostituito in un solo passo.</translation>
    </message>
    <message>
        <source>Write the report to FILE (- for standard output, the default).</source>
        <translation>Scrive il rapporto in FILE (- per lo standard output, il predefinito).</translation>
    </message>
    <message>
        <source>Write one JSON object instead of text.</source>
        <translation>Scrive un oggetto JSON invece del testo.</translation>
    </message>
    <message>
        <source>Cannot write &quot;%1&quot;</source>
        <translation>Impossibile scrivere &quot;%1&quot;</translation>
    </message>
    <message>
        <source>Report written to %1</source>
        <translation>Rapporto scritto in %1</translation>
    </message>
    <message>
        <source>The COM port&apos;s number (12 is COM12), or its name such as COM12. Default: the file&apos;s port number.</source>
        <translation>Il numero della porta COM (12 è COM12), o il suo nome, come COM12. Predefinito: il numero di porta del file.</translation>
    </message>
    <message>
        <source>Port number as &quot;korvex-cli ports&quot; lists them, or a device such as /dev/ttyUSB0 (a name holding a / is a path, opened as given). A /dev/serial/by-id/ path names the same adapter after a re-plug, when ttyUSB0 may have become ttyUSB1. Default: the file&apos;s port number.</source>
        <translation>Numero di porta come lo elenca &quot;korvex-cli ports&quot;, o un dispositivo come /dev/ttyUSB0 (un nome che contiene / è un percorso, aperto così com&apos;è). Un percorso /dev/serial/by-id/ indica lo stesso adattatore anche dopo averlo ricollegato, quando ttyUSB0 può essere diventato ttyUSB1. Predefinito: il numero di porta del file.</translation>
    </message>
    <message>
        <source>warning: the trace was not kept as the last transfer: %1</source>
        <translation>avviso: la traccia non è stata conservata come ultimo trasferimento: %1</translation>
    </message>
    <message>
        <source>warning: --trace: %1</source>
        <translation>avviso: --trace: %1</translation>
    </message>
    <message>
        <source>Also write the transfer&apos;s trace to OUT: the port and its line settings as opened, each write with its time, bytes and text, DTR/RTS, errors and the close (&quot;korvex-cli decode OUT&quot; reads it back). The last trace is kept in the user&apos;s state folder in any case.</source>
        <translation>Scrive anche la traccia del trasferimento in OUT: la porta e i parametri di linea come aperta, ogni scrittura con ora, byte e testo, DTR/RTS, errori e la chiusura (&quot;korvex-cli decode OUT&quot; la rilegge). L&apos;ultima traccia viene comunque conservata nella cartella di stato dell&apos;utente.</translation>
    </message>
    <message>
        <source>--port needs a port number or a device, e.g. --port %1</source>
        <translation>--port vuole un numero di porta o un dispositivo, ad es. --port %1</translation>
    </message>
    <message>
        <source>--port %1: port numbers run from 1 to %2; for another port give its device, e.g. --port %3</source>
        <translation>--port %1: i numeri di porta vanno da 1 a %2; per un&apos;altra porta indicarne il dispositivo, ad es. --port %3</translation>
    </message>
    <message>
        <source>--trace needs a file name, e.g. --trace send.trace</source>
        <translation>--trace vuole un nome di file, ad es. --trace send.trace</translation>
    </message>
</context>
</TS>
