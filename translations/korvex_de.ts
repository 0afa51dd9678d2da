<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
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
        <translation>Aufruf: %1 [DATEI]

Öffnet das Fenster von Korvex Config, um die Einstellungen eines Korvex-APRS-
Trackers zu bearbeiten und über die serielle Leitung zu senden. DATEI, eine
.cfg-Datei, wird beim Start geladen, wie die Schaltfläche Laden sie lädt.

Optionen:
  -h, --help     diese Hilfe zeigen und beenden
  -v, --version  die Version zeigen und beenden
  --lang NAME    die Sprache des Fensters (de, es, it, ...; C für Englisch);
                 KORVEX_LANG wirkt ebenso, sonst entscheidet die Systemsprache

Auch die Optionen von Qt (-platform NAME, -style NAME, ...) werden angenommen.
Siehe korvex-config(1); korvex-cli(1) leistet dasselbe im Terminal.
</translation>
    </message>
    <message>
        <source>Run &quot;%1 --help&quot; for usage.
</source>
        <translation>&quot;%1 --help&quot; zeigt, wie das Programm aufgerufen wird.
</translation>
    </message>
    <message>
        <source>one FILE at most</source>
        <translation>höchstens eine DATEI</translation>
    </message>
</context>
<context>
    <name>BlockBuilder</name>
    <message>
        <source>Parametri incompleti o non corretti</source>
        <translation>Unvollständige oder fehlerhafte Parameter</translation>
    </message>
    <message>
        <source>the field cannot hold &quot;%1&quot;: %2</source>
        <translation>das Feld kann &quot;%1&quot; nicht aufnehmen: %2</translation>
    </message>
    <message>
        <source>overflow: %1 does not fit a byte (0 to 255)</source>
        <translation>Überlauf: %1 passt nicht in ein Byte (0 bis 255)</translation>
    </message>
    <message>
        <source>no Mic-E message is selected</source>
        <translation>keine Mic-E-Meldung gewählt</translation>
    </message>
    <message>
        <source>the symbol is empty</source>
        <translation>das Symbol ist leer</translation>
    </message>
    <message>
        <source>overflow: the symbol has no single-byte code</source>
        <translation>Überlauf: das Symbol hat keinen Ein-Byte-Code</translation>
    </message>
    <message>
        <source>the own call sign is empty</source>
        <translation>das eigene Rufzeichen ist leer</translation>
    </message>
    <message>
        <source>the unproto call is empty</source>
        <translation>das Unproto-Rufzeichen ist leer</translation>
    </message>
    <message>
        <source>step %1, field %2: %3</source>
        <translation>Schritt %1, Feld %2: %3</translation>
    </message>
</context>
<context>
    <name>ConfigFile</name>
    <message>
        <source>The file ends after item %1 of %2: it is not a complete configuration file.</source>
        <translation>Die Datei endet nach Eintrag %1 von %2: Sie ist keine vollständige Konfigurationsdatei.</translation>
    </message>
    <message>
        <source>Item %1, %2</source>
        <translation>Eintrag %1, %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a number.</source>
        <translation>&quot;%1&quot; ist keine Zahl.</translation>
    </message>
    <message>
        <source>%1 is out of range (overflow).</source>
        <translation>%1 liegt außerhalb des Bereichs (Überlauf).</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is refused: %2.</source>
        <translation>&quot;%1&quot; wird abgelehnt: %2.</translation>
    </message>
    <message>
        <source>Cannot read &quot;%1&quot;</source>
        <translation>&quot;%1&quot; kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>Cannot open &quot;%1&quot;</source>
        <translation>&quot;%1&quot; kann nicht geöffnet werden</translation>
    </message>
    <message>
        <source>it is larger than %1 MiB (a settings file is about 200 bytes)</source>
        <translation>sie ist größer als %1 MiB (eine Einstellungsdatei hat etwa 200 Bytes)</translation>
    </message>
    <message>
        <source>Cannot save: %1 holds a double quote (&quot;), which a configuration file cannot store. Remove it and save again.</source>
        <translation>Speichern nicht möglich: %1 enthält ein doppeltes Anführungszeichen (&quot;), das eine Konfigurationsdatei nicht speichern kann. Entfernen Sie es und speichern Sie erneut.</translation>
    </message>
    <message>
        <source>Cannot save: %1 holds the control character %2, which a configuration file cannot store. Remove it and save again.</source>
        <translation>Speichern nicht möglich: %1 enthält das Steuerzeichen %2, das eine Konfigurationsdatei nicht speichern kann. Entfernen Sie es und speichern Sie erneut.</translation>
    </message>
    <message>
        <source>Cannot save: %1 holds a character that has no Windows-1252 code.</source>
        <translation>Speichern nicht möglich: %1 enthält ein Zeichen ohne Windows-1252-Code.</translation>
    </message>
    <message>
        <source>Cannot write &quot;%1&quot;</source>
        <translation>&quot;%1&quot; kann nicht geschrieben werden</translation>
    </message>
    <message>
        <source>The file begins as UTF-16 text (Notepad&apos;s &quot;Unicode&quot;) but is not valid UTF-16. Open it in Notepad and save it again with the encoding &quot;ANSI&quot; or &quot;UTF-8&quot;.</source>
        <translation>Die Datei beginnt als UTF-16-Text (&quot;Unicode&quot; im Editor), ist aber kein gültiges UTF-16. Öffnen Sie sie im Editor und speichern Sie sie erneut mit der Codierung &quot;ANSI&quot; oder &quot;UTF-8&quot;.</translation>
    </message>
</context>
<context>
    <name>Description</name>
    <message>
        <source>In milliseconds (%1)</source>
        <translation>In Millisekunden (%1)</translation>
    </message>
    <message>
        <source>In seconds (%1)</source>
        <translation>In Sekunden (%1)</translation>
    </message>
    <message>
        <source>In transmissions (%1)</source>
        <translation>In Aussendungen (%1)</translation>
    </message>
    <message>
        <source>In hundreds of milliseconds (%1)</source>
        <translation>In Schritten von 100 Millisekunden (%1)</translation>
    </message>
    <message>
        <source>One digit</source>
        <translation>Eine Ziffer</translation>
    </message>
    <message numerus="yes">
        <source>Up to %n digits</source>
        <translation>
            <numerusform>Bis zu %n Ziffer</numerusform>
            <numerusform>Bis zu %n Ziffern</numerusform>
        </translation>
    </message>
    <message>
        <source>One character</source>
        <translation>Ein Zeichen</translation>
    </message>
    <message numerus="yes">
        <source>One of %n messages</source>
        <translation>
            <numerusform>Eine von %n Meldung</numerusform>
            <numerusform>Eine von %n Meldungen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Up to %n characters: letters, digits and hyphen, in upper case</source>
        <translation>
            <numerusform>Bis zu %n Zeichen: Buchstaben, Ziffern und Bindestrich, in Großbuchstaben</numerusform>
            <numerusform>Bis zu %n Zeichen: Buchstaben, Ziffern und Bindestrich, in Großbuchstaben</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Up to %n characters: letters, digits, hyphen and comma, in upper case</source>
        <translation>
            <numerusform>Bis zu %n Zeichen: Buchstaben, Ziffern, Bindestrich und Komma, in Großbuchstaben</numerusform>
            <numerusform>Bis zu %n Zeichen: Buchstaben, Ziffern, Bindestrich und Komma, in Großbuchstaben</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Up to %n characters, in upper case</source>
        <translation>
            <numerusform>Bis zu %n Zeichen, in Großbuchstaben</numerusform>
            <numerusform>Bis zu %n Zeichen, in Großbuchstaben</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Up to %n characters</source>
        <translation>
            <numerusform>Bis zu %n Zeichen</numerusform>
            <numerusform>Bis zu %n Zeichen</numerusform>
        </translation>
    </message>
    <message>
        <source>The number of the serial port</source>
        <translation>Die Nummer der seriellen Schnittstelle</translation>
    </message>
    <message>
        <source>In GPSless mode, the GPSless beacon</source>
        <translation>Im Betrieb ohne GPS die Bake ohne GPS</translation>
    </message>
    <message>
        <source>GPSless mode: on</source>
        <translation>Betrieb ohne GPS: ein</translation>
    </message>
    <message>
        <source>GPSless mode: off</source>
        <translation>Betrieb ohne GPS: aus</translation>
    </message>
    <message>
        <source>0 = GPSless mode. Entering leaves the digits unselected: to replace them, select them first with Shift+End, then type</source>
        <translation>0 = Betrieb ohne GPS. Beim Betreten bleiben die Ziffern unmarkiert: um sie zu ersetzen, markieren Sie sie zuerst mit Umschalt+Ende und tippen dann</translation>
    </message>
</context>
<context>
    <name>Field</name>
    <message>
        <source>Comm num:</source>
        <translation>COM-Nr.:</translation>
    </message>
    <message>
        <source>TX DELAY</source>
        <translation>TX-VERZÖGERUNG</translation>
    </message>
    <message>
        <source>mS</source>
        <translation>ms</translation>
    </message>
    <message>
        <source>Msg Retries</source>
        <translation>Wiederholungen</translation>
    </message>
    <message>
        <source>Mic-E msg</source>
        <translation>Mic-E-Meldung</translation>
    </message>
    <message>
        <source>ICON Symbol</source>
        <translation>ICON-Symbol</translation>
    </message>
    <message>
        <source>Alternate Table</source>
        <translation>Alternative Tabelle</translation>
    </message>
    <message>
        <source>Disable display position of received stations</source>
        <translation>Position empfangener Stationen nicht anzeigen</translation>
    </message>
    <message>
        <source>Speed 0-3 Km/h</source>
        <translation>Tempo 0-3 km/h</translation>
    </message>
    <message>
        <source>sec.</source>
        <translation>Sek.</translation>
    </message>
    <message>
        <source>Speed 4-9 Km/h</source>
        <translation>Tempo 4-9 km/h</translation>
    </message>
    <message>
        <source>Speed 10-22 Km/h</source>
        <translation>Tempo 10-22 km/h</translation>
    </message>
    <message>
        <source>Speed 23-40 Km/h</source>
        <translation>Tempo 23-40 km/h</translation>
    </message>
    <message>
        <source>Speed 41-72 Km/h</source>
        <translation>Tempo 41-72 km/h</translation>
    </message>
    <message>
        <source>Speed 73-125 Km/h</source>
        <translation>Tempo 73-125 km/h</translation>
    </message>
    <message>
        <source>Speed &gt; 125 Km/h</source>
        <translation>Tempo &gt; 125 km/h</translation>
    </message>
    <message>
        <source>Every</source>
        <translation>Alle</translation>
    </message>
    <message>
        <source>Manual Timing</source>
        <translation>Festes Intervall</translation>
    </message>
    <message>
        <source>Status txt every</source>
        <translation>Statustext alle</translation>
    </message>
    <message>
        <source>tx</source>
        <translation>Auss.</translation>
    </message>
    <message>
        <source>GPS acquisition interval</source>
        <translation>GPS-Abfrageintervall</translation>
    </message>
    <message>
        <source>Acquisition timeout</source>
        <translation>Abfrage-Zeitlimit</translation>
    </message>
    <message>
        <source>x 100 mS</source>
        <translation>x 100 ms</translation>
    </message>
    <message>
        <source>Unprotocol call</source>
        <translation>Unproto-Rufzeichen</translation>
    </message>
    <message>
        <source>MY CALLSIGN</source>
        <translation>MEIN RUFZEICHEN</translation>
    </message>
    <message>
        <source>APRS PATH</source>
        <translation>APRS-PFAD</translation>
    </message>
    <message>
        <source>Max 2 digipeater addresses</source>
        <translation>Höchstens 2 Digipeater-Adressen</translation>
    </message>
    <message>
        <source>STATUS text</source>
        <translation>STATUS-Text</translation>
    </message>
    <message>
        <source>Max 30 chars. Enter aprs Lat/Lon in GPSless Mode.</source>
        <translation>Höchstens 30 Zeichen. Im Betrieb ohne GPS die APRS-Position (Lat/Lon) eintragen.</translation>
    </message>
    <message>
        <source>APRS message TO CALL</source>
        <translation>APRS-Nachricht AN</translation>
    </message>
    <message>
        <source>Message text</source>
        <translation>Nachrichtentext</translation>
    </message>
    <message>
        <source>Max 32 chars.</source>
        <translation>Höchstens 32 Zeichen.</translation>
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
        <translation>das Zeichen %1 hat keinen Windows-1252-Code</translation>
    </message>
    <message>
        <source>the character %1 is a control character</source>
        <translation>das Zeichen %1 ist ein Steuerzeichen</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a number: only digits fit this field</source>
        <translation>&quot;%1&quot; ist keine Zahl: In dieses Feld passen nur Ziffern</translation>
    </message>
    <message>
        <source>&quot;%1&quot; has more than 1 digit</source>
        <translation>&quot;%1&quot; hat mehr als 1 Ziffer</translation>
    </message>
    <message numerus="yes">
        <source>&quot;%1&quot; has more than %n digits</source>
        <translation>
            <numerusform>&quot;%1&quot; hat mehr als %n Ziffer</numerusform>
            <numerusform>&quot;%1&quot; hat mehr als %n Ziffern</numerusform>
        </translation>
    </message>
    <message>
        <source>&quot;%1&quot; is more than one character</source>
        <translation>&quot;%1&quot; ist mehr als ein Zeichen</translation>
    </message>
    <message>
        <source>the text is %1 characters long; at most %2 fit</source>
        <translation>der Text ist %1 Zeichen lang; höchstens %2 passen hinein</translation>
    </message>
    <message>
        <source>this setting holds a number, not a text</source>
        <translation>diese Einstellung enthält eine Zahl, keinen Text</translation>
    </message>
    <message>
        <source>this setting holds a text, not a number</source>
        <translation>diese Einstellung enthält einen Text, keine Zahl</translation>
    </message>
    <message>
        <source>%1 is out of range: %2 to %3 expected</source>
        <translation>%1 liegt außerhalb des Bereichs: erwartet %2 bis %3</translation>
    </message>
</context>
<context>
    <name>FileKind</name>
    <message>
        <source>it is a folder, not a regular file</source>
        <translation>es ist ein Ordner, keine reguläre Datei</translation>
    </message>
    <message>
        <source>it is a character device, not a regular file</source>
        <translation>es ist ein zeichenorientiertes Gerät, keine reguläre Datei</translation>
    </message>
    <message>
        <source>it is a block device, not a regular file</source>
        <translation>es ist ein blockorientiertes Gerät, keine reguläre Datei</translation>
    </message>
    <message>
        <source>it is a named pipe (FIFO), not a regular file</source>
        <translation>es ist eine benannte Pipe (FIFO), keine reguläre Datei</translation>
    </message>
    <message>
        <source>it is a socket, not a regular file</source>
        <translation>es ist ein Socket, keine reguläre Datei</translation>
    </message>
    <message>
        <source>it is a symbolic link, not a regular file</source>
        <translation>es ist ein symbolischer Link, keine reguläre Datei</translation>
    </message>
    <message>
        <source>it is a special file, not a regular file</source>
        <translation>es ist eine Spezialdatei, keine reguläre Datei</translation>
    </message>
    <message>
        <source>it is a named pipe, not a regular file</source>
        <translation>es ist eine benannte Pipe, keine reguläre Datei</translation>
    </message>
</context>
<context>
    <name>FileNames</name>
    <message>
        <source>its name holds U+FFFD, which stands for bytes that could not be read as text; the name would reach the system changed and could name another file, so it was refused (rename the file)</source>
        <translation>ihr Name enthält U+FFFD, das für Bytes steht, die nicht als Text lesbar waren; der Name käme verändert beim System an und könnte eine andere Datei bezeichnen, darum wurde er abgelehnt (benennen Sie die Datei um)</translation>
    </message>
    <message>
        <source>the argument &quot;%1&quot; is not valid UTF-8. Names are passed to the system exactly as given, and this one cannot be: rename the file (convmv does it) and try again</source>
        <translation>das Argument &quot;%1&quot; ist kein gültiges UTF-8. Namen werden genau so an das System weitergegeben, wie sie angegeben sind, und dieser kann es nicht: Benennen Sie die Datei um (convmv erledigt das) und versuchen Sie es erneut</translation>
    </message>
    <message>
        <source>the &quot;:&quot; makes it a stream inside the file before it, which Windows keeps hidden; a file name cannot hold &quot;:&quot;</source>
        <translation>der &quot;:&quot; macht daraus einen Datenstrom in der Datei davor, den Windows verborgen hält; ein Dateiname darf keinen &quot;:&quot; enthalten</translation>
    </message>
    <message>
        <source>%1 is the name of a Windows device, not of a file, whatever ending follows it; choose another name</source>
        <translation>%1 ist der Name eines Windows-Geräts, nicht einer Datei, gleich welche Endung folgt; wählen Sie einen anderen Namen</translation>
    </message>
    <message>
        <source>Windows drops the dot or space at the end of a name, so another file would be written; choose a name without it</source>
        <translation>Windows lässt den Punkt oder das Leerzeichen am Ende eines Namens weg, so würde eine andere Datei geschrieben; wählen Sie einen Namen ohne</translation>
    </message>
</context>
<context>
    <name>FileWriter</name>
    <message>
        <source>its extended attributes</source>
        <translation>ihre erweiterten Attribute</translation>
    </message>
    <message>
        <source>its access list</source>
        <translation>ihre Zugriffsliste</translation>
    </message>
    <message>
        <source>its extended attribute %1</source>
        <translation>ihr erweitertes Attribut %1</translation>
    </message>
    <message>
        <source>%1 could not be given to the new file (%2); the file was left as it is</source>
        <translation>%1 konnte(n) nicht auf die neue Datei übertragen werden (%2); die Datei blieb unverändert</translation>
    </message>
    <message>
        <source>its folder &quot;%1&quot; takes no new file (%2), and a safe save writes the new content to a new file beside the old one</source>
        <translation>ihr Ordner &quot;%1&quot; nimmt keine neue Datei auf (%2), und sicheres Speichern schreibt den neuen Inhalt in eine neue Datei neben der alten</translation>
    </message>
    <message>
        <source>; the file itself is not writable either</source>
        <translation>; auch die Datei selbst ist nicht beschreibbar</translation>
    </message>
    <message>
        <source>. Writing in place needs the space for it reserved first, which failed (%1); the file was left as it is</source>
        <translation>. Überschreiben an Ort und Stelle verlangt zuerst reservierten Platz, was misslang (%1); die Datei blieb unverändert</translation>
    </message>
    <message>
        <source>%1; its folder takes no new file, so it was being rewritten in place and may now be incomplete</source>
        <translation>%1; ihr Ordner nimmt keine neue Datei auf, darum wurde sie an Ort und Stelle überschrieben und ist jetzt womöglich unvollständig</translation>
    </message>
    <message>
        <source>; it was left as it is</source>
        <translation>; sie blieb unverändert</translation>
    </message>
    <message>
        <source>it is write-protected (its owner may not write it); it was left as it is</source>
        <translation>sie ist schreibgeschützt (ihr Eigentümer darf sie nicht schreiben); sie blieb unverändert</translation>
    </message>
    <message>
        <source>the new file is in place, but its folder could not be synced: %1</source>
        <translation>die neue Datei ist an ihrem Platz, aber ihr Ordner konnte nicht synchronisiert werden: %1</translation>
    </message>
    <message>
        <source>it leads through a symbolic link another user made in a shared folder; it was not followed</source>
        <translation>er führt über einen symbolischen Link, den ein anderer Benutzer in einem gemeinsamen Ordner angelegt hat; ihm wurde nicht gefolgt</translation>
    </message>
    <message>
        <source>the file is read-only</source>
        <translation>die Datei ist schreibgeschützt</translation>
    </message>
</context>
<context>
    <name>Ports</name>
    <message>
        <source>Port %1 does not exist: no serial port was found on this computer. Plug in the serial adapter, then try again (korvex-cli ports lists the ports it finds).</source>
        <translation>Schnittstelle %1 gibt es nicht: Auf diesem Computer wurde keine serielle Schnittstelle gefunden. Stecken Sie den seriellen Adapter ein und versuchen Sie es erneut (korvex-cli ports listet die gefundenen Schnittstellen).</translation>
    </message>
    <message>
        <source>there is only 1 serial port (number 1)</source>
        <translation>es gibt nur 1 serielle Schnittstelle (Nummer 1)</translation>
    </message>
    <message>
        <source>there are %1 serial ports (numbers 1 to %1)</source>
        <translation>es gibt %1 serielle Schnittstellen (Nummern 1 bis %1)</translation>
    </message>
    <message>
        <source>Port %1 does not exist: %2. Run korvex-cli ports to see which number belongs to which device.</source>
        <translation>Schnittstelle %1 gibt es nicht: %2. korvex-cli ports zeigt, welche Nummer zu welchem Gerät gehört.</translation>
    </message>
    <message>
        <source>No port selected: enter a port number in &quot;Comm num:&quot; (korvex-cli ports lists the serial ports of this computer).</source>
        <translation>Keine Schnittstelle gewählt: Geben Sie bei &quot;COM-Nr.:&quot; eine Schnittstellennummer ein (korvex-cli ports listet die seriellen Schnittstellen dieses Computers).</translation>
    </message>
</context>
<context>
    <name>Prompts</name>
    <message>
        <source>The box also offers %1.</source>
        <translation>Das Fenster bietet auch %1.</translation>
    </message>
    <message>
        <source>Save report…</source>
        <translation>Bericht speichern…</translation>
    </message>
    <message>
        <source>Saves one file with what someone who helps needs: the system, the ports and the last transfer.</source>
        <translation>Speichert eine Datei mit dem, was ein Helfer braucht: das System, die Schnittstellen und die letzte Übertragung.</translation>
    </message>
    <message>
        <source> and </source>
        <translation> und </translation>
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
        <translation>Auf diesem System ist keine serielle Leitung verfügbar.</translation>
    </message>
    <message>
        <source> In Device Manager the adapter must be listed under &quot;Ports (COM &amp; LPT)&quot; with its COM number; under &quot;Other devices&quot; it has no driver: install the adapter&apos;s driver first.</source>
        <translation> Im Geräte-Manager muss der Adapter unter &quot;Anschlüsse (COM &amp; LPT)&quot; mit seiner COM-Nummer stehen; unter &quot;Andere Geräte&quot; hat er keinen Treiber: Installieren Sie zuerst den Treiber des Adapters.</translation>
    </message>
    <message>
        <source>Cannot write to %1: the port is not open.</source>
        <translation>Schreiben auf %1 nicht möglich: Die Schnittstelle ist nicht geöffnet.</translation>
    </message>
    <message>
        <source>Cannot write to %1: the port took no data for %2 ms (%3 bytes still waiting). Check the cable and the adapter, then try again.</source>
        <translation>Schreiben auf %1 nicht möglich: Die Schnittstelle hat %2 ms lang keine Daten angenommen (%3 Bytes warten noch). Prüfen Sie Kabel und Adapter und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>Cannot write to %1: the device went away (%2). Check that the serial adapter is still plugged in, then try again.</source>
        <translation>Schreiben auf %1 nicht möglich: Das Gerät ist verschwunden (%2). Prüfen Sie, ob der serielle Adapter noch eingesteckt ist, und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>Cannot write to %1: %2.</source>
        <translation>Schreiben auf %1 nicht möglich: %2.</translation>
    </message>
    <message>
        <source>Cannot open %1: there is no such device. Check that the serial adapter is plugged in and that &quot;Comm num:&quot; names the right port (korvex-cli ports lists them).</source>
        <translation>%1 kann nicht geöffnet werden: Dieses Gerät gibt es nicht. Prüfen Sie, ob der serielle Adapter eingesteckt ist und &quot;COM-Nr.:&quot; die richtige Schnittstelle nennt (korvex-cli ports listet sie auf).</translation>
    </message>
    <message>
        <source>Cannot open %1: the port is in use by another program. Close the program that holds it (a terminal, another configurator), then try again.</source>
        <translation>%1 kann nicht geöffnet werden: Die Schnittstelle wird von einem anderen Programm benutzt. Schließen Sie dieses Programm (ein Terminal, ein anderes Konfigurationsprogramm) und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>Cannot open %1: permission denied, and no group of users may write to it. Ask the administrator for write access to the device (for example a udev rule that gives it to the &quot;dialout&quot; group).</source>
        <translation>%1 kann nicht geöffnet werden: Zugriff verweigert, und keine Benutzergruppe darf darauf schreiben. Bitten Sie den Administrator um Schreibzugriff auf das Gerät (zum Beispiel eine udev-Regel, die es der Gruppe &quot;dialout&quot; gibt).</translation>
    </message>
    <message>
        <source>Cannot open %1: permission denied. You are in the group &quot;%2&quot; that owns it, but this login session started before you were added: log out and log in again.</source>
        <translation>%1 kann nicht geöffnet werden: Zugriff verweigert. Sie sind in der Gruppe &quot;%2&quot;, der es gehört, aber diese Sitzung begann, bevor Sie hinzugefügt wurden: Melden Sie sich ab und wieder an.</translation>
    </message>
    <message>
        <source>Cannot open %1: permission denied. The device belongs to the group &quot;%2&quot;. Add yourself to it with: sudo usermod -aG %2 $USER, then log out and log in again.</source>
        <translation>%1 kann nicht geöffnet werden: Zugriff verweigert. Das Gerät gehört der Gruppe &quot;%2&quot;. Treten Sie ihr bei mit: sudo usermod -aG %2 $USER, dann melden Sie sich ab und wieder an.</translation>
    </message>
    <message>
        <source>Cannot use %1: it is not a serial port, so nothing was sent. Give the serial adapter&apos;s device (korvex-cli ports lists them).</source>
        <translation>%1 ist nicht nutzbar: Es ist keine serielle Schnittstelle, darum wurde nichts gesendet. Geben Sie das Gerät des seriellen Adapters an (korvex-cli ports listet sie auf).</translation>
    </message>
    <message>
        <source>Cannot open %1: %2.</source>
        <translation>%1 kann nicht geöffnet werden: %2.</translation>
    </message>
</context>
<context>
    <name>SerialSide</name>
    <message>
        <source>%1 (%2) on USB %3</source>
        <translation>%1 (%2) an USB %3</translation>
    </message>
    <message>
        <source>Adapter without a port: %1. A udev rule of the braille display service (brltty) matches this adapter, so the service takes it and no serial port is made: %2, line %3.</source>
        <translation>Adapter ohne Schnittstelle: %1. Eine udev-Regel des Braillezeilen-Dienstes (brltty) passt auf diesen Adapter, darum übernimmt ihn der Dienst, und es entsteht keine serielle Schnittstelle: %2, Zeile %3.</translation>
    </message>
    <message>
        <source>Leave out that one rule with a local copy of the file (a file of the same name in /etc/udev/rules.d replaces it; the braille service keeps working for braille displays, so do not remove it):
%1Then unplug the adapter and plug it in again.</source>
        <translation>Lassen Sie nur diese eine Regel in einer lokalen Kopie der Datei weg (eine gleichnamige Datei in /etc/udev/rules.d ersetzt sie; der Braille-Dienst arbeitet für Braillezeilen weiter, entfernen Sie ihn also nicht):
%1Dann ziehen Sie den Adapter ab und stecken ihn wieder ein.</translation>
    </message>
    <message>
        <source>Adapter without a port: %1. No driver has taken it, though its driver %2 is loaded.</source>
        <translation>Adapter ohne Schnittstelle: %1. Kein Treiber hat ihn übernommen, obwohl sein Treiber %2 geladen ist.</translation>
    </message>
    <message>
        <source>Adapter without a port: %1. No driver has taken it: its driver module %2 is not loaded.</source>
        <translation>Adapter ohne Schnittstelle: %1. Kein Treiber hat ihn übernommen: Sein Treibermodul %2 ist nicht geladen.</translation>
    </message>
    <message>
        <source>Unplug the adapter and plug it in again.</source>
        <translation>Ziehen Sie den Adapter ab und stecken Sie ihn wieder ein.</translation>
    </message>
    <message>
        <source>Load the driver with: sudo modprobe %1
Then unplug the adapter and plug it in again.</source>
        <translation>Laden Sie den Treiber mit: sudo modprobe %1
Dann ziehen Sie den Adapter ab und stecken ihn wieder ein.</translation>
    </message>
    <message>
        <source>ModemManager is running. It probes every new ttyACM port for a few seconds after the port appears, and %1 is such a port.</source>
        <translation>ModemManager läuft. Er prüft jede neue ttyACM-Schnittstelle einige Sekunden lang, nachdem sie erscheint, und %1 ist eine solche Schnittstelle.</translation>
    </message>
    <message>
        <source>Wait a few seconds and try again. To keep ModemManager away from this device for good, mark it with a udev rule:
  echo &apos;%1, ENV{ID_MM_DEVICE_IGNORE}=&quot;1&quot;&apos; | sudo tee /etc/udev/rules.d/70-korvex-tracker.rules
  sudo udevadm control --reload-rules
Then unplug the cable and plug it in again.</source>
        <translation>Warten Sie einige Sekunden und versuchen Sie es erneut. Um ModemManager dauerhaft von diesem Gerät fernzuhalten, markieren Sie es mit einer udev-Regel:
  echo &apos;%1, ENV{ID_MM_DEVICE_IGNORE}=&quot;1&quot;&apos; | sudo tee /etc/udev/rules.d/70-korvex-tracker.rules
  sudo udevadm control --reload-rules
Dann ziehen Sie das Kabel ab und stecken es wieder ein.</translation>
    </message>
</context>
<context>
    <name>Setup</name>
    <message>
        <source>Default</source>
        <translation>Werkseinst.</translation>
    </message>
    <message>
        <source>Puts the factory settings into every field.</source>
        <translation>Setzt in jedes Feld die Werkseinstellung.</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Saves the settings to a configuration file.</source>
        <translation>Speichert die Einstellungen in einer Konfigurationsdatei.</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Laden</translation>
    </message>
    <message>
        <source>Loads the settings from a configuration file.</source>
        <translation>Lädt die Einstellungen aus einer Konfigurationsdatei.</translation>
    </message>
    <message>
        <source>SEND</source>
        <translation>SENDEN</translation>
    </message>
    <message>
        <source>Checks the settings and sends them to the tracker on the port in Comm num.</source>
        <translation>Prüft die Einstellungen und sendet sie an den Tracker an der Schnittstelle aus COM-Nr.</translation>
    </message>
    <message>
        <source>Help (F1)</source>
        <translation>Hilfe (F1)</translation>
    </message>
    <message>
        <source>Opens the manual. F1 does the same from any field.</source>
        <translation>Öffnet das Handbuch. F1 tut dasselbe aus jedem Feld.</translation>
    </message>
    <message>
        <source>Main APRS / Mic-E Settings</source>
        <translation>APRS- / Mic-E-Grundeinstellungen</translation>
    </message>
    <message>
        <source>/ GPSless bcn</source>
        <translation>/ Bake ohne GPS</translation>
    </message>
    <message>
        <source>Manual Timing</source>
        <translation>Festes Intervall</translation>
    </message>
    <message>
        <source>GPS</source>
        <translation>GPS</translation>
    </message>
    <message>
        <source>Acquisition interval</source>
        <translation>Abfrageintervall</translation>
    </message>
    <message>
        <source>(0=GPSless Mode)</source>
        <translation>(0=Betrieb ohne GPS)</translation>
    </message>
    <message>
        <source>Automatic Timing</source>
        <translation>Intervall nach Tempo</translation>
    </message>
    <message>
        <source>Timing  Settings</source>
        <translation>Intervalle</translation>
    </message>
    <message>
        <source>Message Settings</source>
        <translation>Nachrichten</translation>
    </message>
    <message>
        <source>Configuration / Programming</source>
        <translation>Konfiguration / Programmierung</translation>
    </message>
</context>
<context>
    <name>Simulators</name>
    <message>
        <source>%1 is a symbolic link</source>
        <translation>%1 ist ein symbolischer Link</translation>
    </message>
    <message>
        <source>%1 is not a folder</source>
        <translation>%1 ist kein Ordner</translation>
    </message>
    <message>
        <source>%1 belongs to another user</source>
        <translation>%1 gehört einem anderen Benutzer</translation>
    </message>
    <message>
        <source>%1 is open to other users (mode %2, where 0700 is needed)</source>
        <translation>%1 ist für andere Benutzer offen (Modus %2, nötig ist 0700)</translation>
    </message>
    <message>
        <source>%1 changed while it was opened</source>
        <translation>%1 hat sich beim Öffnen verändert</translation>
    </message>
    <message>
        <source>cannot create %1: %2</source>
        <translation>%1 kann nicht angelegt werden: %2</translation>
    </message>
    <message>
        <source>cannot create %1</source>
        <translation>%1 kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>Korvex simulator (process %1)</source>
        <translation>Korvex-Simulator (Prozess %1)</translation>
    </message>
</context>
<context>
    <name>StateFolder</name>
    <message>
        <source>no state folder: neither XDG_STATE_HOME nor HOME names one</source>
        <translation>kein Zustandsordner: weder XDG_STATE_HOME noch HOME nennt einen</translation>
    </message>
    <message>
        <source>cannot make the folder %1</source>
        <translation>der Ordner %1 kann nicht angelegt werden</translation>
    </message>
</context>
<context>
    <name>SystemError</name>
    <message>
        <source>the file size limit of this session (`ulimit -f`) was reached</source>
        <translation>die Dateigrößengrenze dieser Sitzung (`ulimit -f`) wurde erreicht</translation>
    </message>
    <message>
        <source>the limit of open files of this session (`ulimit -n`) was reached</source>
        <translation>die Grenze für offene Dateien dieser Sitzung (`ulimit -n`) wurde erreicht</translation>
    </message>
</context>
<context>
    <name>TransferTrace</name>
    <message>
        <source>line %1 says %2 bytes but holds %3</source>
        <translation>Zeile %1 nennt %2 Bytes, enthält aber %3</translation>
    </message>
</context>
<context>
    <name>Typing</name>
    <message>
        <source>the character %1 cannot be typed into %2</source>
        <translation>das Zeichen %1 lässt sich nicht in %2 eintippen</translation>
    </message>
    <message>
        <source>%1 holds %2, which typing turns into %3; it is kept as read</source>
        <translation>%1 enthält %2, das beim Tippen zu %3 wird; es bleibt, wie es gelesen wurde</translation>
    </message>
    <message>
        <source>%1 holds %2, which typing never lets through; it is kept as read</source>
        <translation>%1 enthält %2, das beim Tippen nie durchgelassen wird; es bleibt, wie es gelesen wurde</translation>
    </message>
</context>
<context>
    <name>korvex::InstructionsWindow</name>
    <message>
        <source>Istruzioni:</source>
        <translation>Anleitung:</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>Handbuch</translation>
    </message>
    <message>
        <source>Il file di help %1 è troppo grande: oltre %2 MiB non viene letto.</source>
        <translation>Die Hilfedatei %1 ist zu groß: Über %2 MiB wird sie nicht gelesen.</translation>
    </message>
    <message>
        <source>Manca il file di help %1</source>
        <translation>Die Hilfedatei %1 fehlt</translation>
    </message>
</context>
<context>
    <name>korvex::PortHint</name>
    <message>
        <source>Korvex simulator</source>
        <translation>Korvex-Simulator</translation>
    </message>
    <message>
        <source>New serial port %1: %2</source>
        <translation>Neue serielle Schnittstelle %1: %2</translation>
    </message>
    <message>
        <source>New serial port: %1</source>
        <translation>Neue serielle Schnittstelle: %1</translation>
    </message>
    <message>
        <source>Serial port %1 is gone: %2</source>
        <translation>Serielle Schnittstelle %1 ist weg: %2</translation>
    </message>
    <message>
        <source>Press F2 or click here to put %1 into Comm num.</source>
        <translation>Drücken Sie F2 oder klicken Sie hier, um %1 in COM-Nr. einzutragen.</translation>
    </message>
    <message>
        <source>Comm num cannot reach it: send to it with korvex-cli send --port and its device.</source>
        <translation>COM-Nr. erreicht sie nicht: Senden Sie mit korvex-cli send --port und ihrem Gerät.</translation>
    </message>
    <message>
        <source>Comm num still names it; plug it in again or choose another port.</source>
        <translation>COM-Nr. nennt sie noch; stecken Sie sie wieder ein oder wählen Sie eine andere Schnittstelle.</translation>
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
        <translation>Sende Daten über %1...</translation>
    </message>
    <message>
        <source>Data sent !
 Be shure that the word &apos;Success!&apos; appears on LCD</source>
        <translation>Daten gesendet!
 Achten Sie darauf, dass im Display das Wort &apos;Success!&apos; erscheint</translation>
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
        <translation>Korvex-Simulator</translation>
    </message>
    <message>
        <source>No serial port found on this computer.</source>
        <translation>Keine serielle Schnittstelle auf diesem Computer gefunden.</translation>
    </message>
    <message>
        <source>Serial ports on this computer:</source>
        <translation>Serielle Schnittstellen auf diesem Computer:</translation>
    </message>
    <message>
        <source>Adapter without a port: %1:%2 %3 on USB %4</source>
        <translation>Adapter ohne Schnittstelle: %1:%2 %3 an USB %4</translation>
    </message>
    <message>
        <source>(korvex-cli ports --diagnose tells why and what to do)</source>
        <translation>(korvex-cli ports --diagnose sagt, warum, und was zu tun ist)</translation>
    </message>
    <message>
        <source>Korvex Config v2.1 by QZ9KRV</source>
        <translation>Korvex Config v2.1 von QZ9KRV</translation>
    </message>
    <message>
        <source>Invio non eseguito - Korvex</source>
        <translation>Nicht gesendet - Korvex</translation>
    </message>
    <message>
        <source>Salva File</source>
        <translation>Datei speichern</translation>
    </message>
    <message>
        <source>Apertura File</source>
        <translation>Datei öffnen</translation>
    </message>
    <message>
        <source>File di configurazione (*.cfg)</source>
        <translation>Konfigurationsdateien (*.cfg)</translation>
    </message>
    <message>
        <source>Tutti i files</source>
        <translation>Alle Dateien</translation>
    </message>
    <message>
        <source>Korvex Config - Istruzioni</source>
        <translation>Korvex Config - Anleitung</translation>
    </message>
    <message>
        <source>Factory settings restored</source>
        <translation>Werkseinstellungen wiederhergestellt</translation>
    </message>
    <message>
        <source>field %1: %2</source>
        <translation>Feld %1: %2</translation>
    </message>
    <message>
        <source>Save report</source>
        <translation>Bericht speichern</translation>
    </message>
    <message>
        <source>Text (*.txt)</source>
        <translation>Text (*.txt)</translation>
    </message>
    <message>
        <source>Saved to %1</source>
        <translation>Gespeichert in %1</translation>
    </message>
    <message>
        <source>Loaded from %1</source>
        <translation>Geladen aus %1</translation>
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
        <translation>die Werkseinstellungen als .cfg-Datei</translation>
    </message>
    <message>
        <source>check settings and show the block SEND would write</source>
        <translation>Einstellungen prüfen und den Block zeigen, den SENDEN schriebe</translation>
    </message>
    <message>
        <source>change settings and save them as a .cfg file</source>
        <translation>Einstellungen ändern und als .cfg-Datei speichern</translation>
    </message>
    <message>
        <source>check settings and program the tracker</source>
        <translation>Einstellungen prüfen und den Tracker programmieren</translation>
    </message>
    <message>
        <source>a simulated tracker on a pseudo-terminal, to send to</source>
        <translation>ein simulierter Tracker an einem Pseudo-Terminal, zum Hinsenden</translation>
    </message>
    <message>
        <source>Usage: korvex-cli COMMAND [options]

Programs a Korvex APRS tracker from the command line, with the same settings,
checks and timing as the Korvex Config window.

Commands:
</source>
        <translation>Aufruf: korvex-cli BEFEHL [Optionen]

Programmiert einen Korvex-APRS-Tracker von der Kommandozeile, mit denselben
Einstellungen, Prüfungen und Zeiten wie das Fenster von Korvex Config.

Befehle:
</translation>
    </message>
    <message>
        <source>unknown command &quot;%1&quot;</source>
        <translation>unbekannter Befehl &quot;%1&quot;</translation>
    </message>
    <message>
        <source>cannot write to standard output</source>
        <translation>kann nicht auf die Standardausgabe schreiben</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(keine)</translation>
    </message>
    <message>
        <source>A .cfg file.</source>
        <translation>Eine .cfg-Datei.</translation>
    </message>
    <message>
        <source>Print one JSON object instead.</source>
        <translation>Stattdessen ein JSON-Objekt ausgeben.</translation>
    </message>
    <message>
        <source>Settings as SEND writes them back:</source>
        <translation>Einstellungen, wie SENDEN sie zurückschreibt:</translation>
    </message>
    <message>
        <source>Changed by the check:</source>
        <translation>Von der Prüfung geändert:</translation>
    </message>
    <message>
        <source>GPSless mode: not reached</source>
        <translation>Betrieb ohne GPS: nicht erreicht</translation>
    </message>
    <message>
        <source>GPSless mode: on</source>
        <translation>Betrieb ohne GPS: ein</translation>
    </message>
    <message>
        <source>GPSless mode: off</source>
        <translation>Betrieb ohne GPS: aus</translation>
    </message>
    <message>
        <source>Configuration block (%1 bytes):</source>
        <translation>Konfigurationsblock (%1 Bytes):</translation>
    </message>
    <message>
        <source>Configuration block (%1 bytes, incomplete):</source>
        <translation>Konfigurationsblock (%1 Bytes, unvollständig):</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a whole number</source>
        <translation>&quot;%1&quot; ist keine ganze Zahl</translation>
    </message>
    <message>
        <source>--set &quot;%1&quot;: expected KEY=VALUE</source>
        <translation>--set &quot;%1&quot;: erwartet SCHLÜSSEL=WERT</translation>
    </message>
    <message>
        <source>--set %1: unknown key; known keys: %2</source>
        <translation>--set %1: unbekannter Schlüssel; bekannte Schlüssel: %2</translation>
    </message>
    <message>
        <source>--set %1: refused</source>
        <translation>--set %1: abgelehnt</translation>
    </message>
    <message>
        <source>Cannot read standard input</source>
        <translation>Die Standardeingabe kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>Set one setting, e.g. --set mycall=N0CALL-7 (repeatable).</source>
        <translation>Eine Einstellung setzen, z. B. --set mycall=N0CALL-7 (wiederholbar).</translation>
    </message>
    <message>
        <source>Show this help.</source>
        <translation>Diese Hilfe zeigen.</translation>
    </message>
    <message>
        <source>Writes the factory settings as a .cfg file (to standard output unless -o is given).</source>
        <translation>Schreibt die Werkseinstellungen als .cfg-Datei (auf die Standardausgabe, wenn -o fehlt).</translation>
    </message>
    <message>
        <source>Write to FILE (- for standard output).</source>
        <translation>In DATEI schreiben (- für die Standardausgabe).</translation>
    </message>
    <message>
        <source>Loads FILE onto the factory settings (no FILE: the factory settings), applies each --set and saves the result as OUT.</source>
        <translation>Lädt FILE über die Werkseinstellungen (ohne FILE: die Werkseinstellungen), wendet jedes --set an und speichert das Ergebnis als OUT.</translation>
    </message>
    <message>
        <source>A .cfg file to start from (- for standard input).</source>
        <translation>Eine .cfg-Datei als Ausgangspunkt (- für die Standardeingabe).</translation>
    </message>
    <message>
        <source>The .cfg file to write (required; - for standard output).</source>
        <translation>Die zu schreibende .cfg-Datei (Pflicht; - für die Standardausgabe).</translation>
    </message>
    <message>
        <source>edit needs -o OUT, the file to write</source>
        <translation>edit braucht -o OUT, die zu schreibende Datei</translation>
    </message>
    <message>
        <source>Nothing stands in the way that the system shows.</source>
        <translation>Das System zeigt kein Hindernis.</translation>
    </message>
    <message>
        <source>Lists the serial ports numbered the way &quot;Comm num:&quot; and --port count them: USB adapters first, then the other ports, then running simulators.</source>
        <translation>Listet die seriellen Schnittstellen, nummeriert wie &quot;COM-Nr.:&quot; und --port sie zählen: zuerst USB-Adapter, dann die übrigen Schnittstellen, dann laufende Simulatoren.</translation>
    </message>
    <message>
        <source>simulators are not listed: %1</source>
        <translation>Simulatoren werden nicht gelistet: %1</translation>
    </message>
    <message>
        <source>No serial ports found. Plug in the USB serial adapter of the tracker&apos;s cable and run this again.</source>
        <translation>Keine seriellen Schnittstellen gefunden. Stecken Sie den USB-Seriell-Adapter des Tracker-Kabels ein und starten Sie dies erneut.</translation>
    </message>
    <message>
        <source>Korvex simulator</source>
        <translation>Korvex-Simulator</translation>
    </message>
    <message>
        <source>A port marked - has no number of its own: give it by its device with --port.</source>
        <translation>Eine mit - markierte Schnittstelle hat keine eigene Nummer: Geben Sie sie mit ihrem Gerät über --port an.</translation>
    </message>
    <message>
        <source>Run korvex-cli ports --diagnose to see why an adapter has no port.</source>
        <translation>korvex-cli ports --diagnose zeigt, warum ein Adapter keine Schnittstelle hat.</translation>
    </message>
    <message>
        <source>Sending data on %1 (port %2)...</source>
        <translation>Sende Daten über %1 (Schnittstelle %2)...</translation>
    </message>
    <message>
        <source>Sending data on %1...</source>
        <translation>Sende Daten über %1...</translation>
    </message>
    <message>
        <source>Data sent to %1</source>
        <translation>Daten an %1 gesendet</translation>
    </message>
    <message>
        <source>Nothing is read back: look for &apos;Success!&apos; on the tracker&apos;s display.</source>
        <translation>Es wird nichts zurückgelesen: Achten Sie auf &apos;Success!&apos; im Display des Trackers.</translation>
    </message>
    <message>
        <source>the port closed itself right after opening; nothing was sent</source>
        <translation>die Schnittstelle hat sich gleich nach dem Öffnen geschlossen; nichts wurde gesendet</translation>
    </message>
    <message>
        <source>interrupted; %1 is closed again with its line settings as they were. Part of the data had gone out, so the tracker may hold a partial transfer: send again before relying on it.</source>
        <translation>abgebrochen; %1 ist wieder geschlossen, mit den Leitungseinstellungen wie zuvor. Ein Teil der Daten war schon hinaus, der Tracker hält also womöglich eine unvollständige Übertragung: Senden Sie erneut, bevor Sie sich darauf verlassen.</translation>
    </message>
    <message>
        <source>interrupted before anything was sent</source>
        <translation>abgebrochen, bevor etwas gesendet wurde</translation>
    </message>
    <message>
        <source>The .cfg file to send.</source>
        <translation>Die zu sendende .cfg-Datei.</translation>
    </message>
    <message>
        <source>Transfer %1:</source>
        <translation>Übertragung %1:</translation>
    </message>
    <message>
        <source>Arrived (ms after the first byte):</source>
        <translation>Angekommen (ms nach dem ersten Byte):</translation>
    </message>
    <message>
        <source>Writes:</source>
        <translation>Schreibvorgänge:</translation>
    </message>
    <message>
        <source>1 byte at %1</source>
        <translation>1 Byte bei %1</translation>
    </message>
    <message numerus="yes">
        <source>%n bytes at %1</source>
        <translation>
            <numerusform>%n Byte bei %1</numerusform>
            <numerusform>%n Bytes bei %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Received %n bytes:</source>
        <translation>
            <numerusform>%n Byte empfangen:</numerusform>
            <numerusform>%n Bytes empfangen:</numerusform>
        </translation>
    </message>
    <message>
        <source>Settings:</source>
        <translation>Einstellungen:</translation>
    </message>
    <message>
        <source>(not sent)</source>
        <translation>(nicht gesendet)</translation>
    </message>
    <message>
        <source>Plays a Korvex tracker on a pseudo-terminal, for trials without the hardware. Prints the device to send to (on standard error with --json), then for each transfer what the tracker&apos;s display shows (&apos;Success!&apos; or why it refused the data), when each write arrived, and the settings it received. While it runs, &quot;korvex-cli ports&quot; and the window&apos;s &quot;Comm num:&quot; list it after the real ports. Ends on Ctrl+C.</source>
        <translation>Spielt einen Korvex-Tracker an einem Pseudo-Terminal, für Versuche ohne Gerät. Gibt das Gerät aus, an das gesendet wird (mit --json auf die Standardfehlerausgabe), dann für jede Übertragung, was das Display des Trackers zeigt (&apos;Success!&apos; oder warum er die Daten ablehnte), wann jeder Schreibvorgang ankam und welche Einstellungen er empfing. Solange er läuft, listen &quot;korvex-cli ports&quot; und &quot;COM-Nr.:&quot; im Fenster ihn nach den echten Schnittstellen. Endet mit Strg+C.</translation>
    </message>
    <message>
        <source>Exit after one transfer (status 0 when it succeeded, 1 if not).</source>
        <translation>Nach einer Übertragung beenden (Status 0 bei Erfolg, sonst 1).</translation>
    </message>
    <message>
        <source>Print one JSON object per transfer.</source>
        <translation>Ein JSON-Objekt je Übertragung ausgeben.</translation>
    </message>
    <message>
        <source>not listed among the ports (%1); send to the device by name</source>
        <translation>nicht unter den Schnittstellen gelistet (%1); senden Sie an das Gerät mit seinem Namen</translation>
    </message>
    <message>
        <source> (port %1 in &quot;Comm num:&quot; and --port)</source>
        <translation> (Schnittstelle %1 in &quot;COM-Nr.:&quot; und --port)</translation>
    </message>
    <message>
        <source>Korvex simulator listening on %1</source>
        <translation>Korvex-Simulator lauscht an %1</translation>
    </message>
    <message>
        <source>standard output has no reader any more (its pipe or terminal closed); the simulator stops</source>
        <translation>die Standardausgabe hat keinen Leser mehr (ihre Pipe oder ihr Terminal wurde geschlossen); der Simulator hält an</translation>
    </message>
    <message>
        <source>End after one transfer.</source>
        <translation>Nach einer Übertragung enden.</translation>
    </message>
    <message>
        <source>Report as JSON.</source>
        <translation>Als JSON berichten.</translation>
    </message>
    <message>
        <source>simulate runs on Linux only: the simulated tracker needs a pseudo-terminal, which Windows does not have. Run &quot;korvex-cli simulate&quot; on a Linux computer, or send to a real tracker.</source>
        <translation>simulate läuft nur unter Linux: Der simulierte Tracker braucht ein Pseudo-Terminal, das Windows nicht hat. Starten Sie &quot;korvex-cli simulate&quot; auf einem Linux-Computer oder senden Sie an einen echten Tracker.</translation>
    </message>
    <message>
        <source>Loads FILE onto the factory settings (no FILE: the factory settings), applies each --set, and checks them exactly as SEND does: shows the settings as SEND would write them back, every value it changed, GPSless mode and the configuration block.</source>
        <translation>Lädt FILE über die Werkseinstellungen (ohne FILE: die Werkseinstellungen), wendet jedes --set an und prüft sie genau wie SENDEN: zeigt die Einstellungen, wie SENDEN sie zurückschriebe, jeden geänderten Wert, den Betrieb ohne GPS und den Konfigurationsblock.</translation>
    </message>
    <message>
        <source>Loads FILE onto the factory settings, applies each --set, checks the settings exactly as SEND does and programs the tracker: 122 bytes in four writes at 4800 baud. Nothing is read back: look for &apos;Success!&apos; on the tracker&apos;s display.</source>
        <translation>Lädt FILE über die Werkseinstellungen, wendet jedes --set an, prüft die Einstellungen genau wie SENDEN und programmiert den Tracker: 122 Bytes in vier Schreibvorgängen mit 4800 Baud. Es wird nichts zurückgelesen: Achten Sie auf &apos;Success!&apos; im Display des Trackers.</translation>
    </message>
    <message>
        <source>send needs exactly one .cfg file (make one with &quot;korvex-cli defaults -o FILE&quot; or with Save in the window)</source>
        <translation>send braucht genau eine .cfg-Datei (erstellen Sie eine mit &quot;korvex-cli defaults -o FILE&quot; oder mit Speichern im Fenster)</translation>
    </message>
    <message>
        <source>the serial ports, numbered as &quot;Comm num:&quot; counts them, and what keeps them from use; with --wait, the port that is plugged in next</source>
        <translation>die seriellen Schnittstellen, nummeriert wie &quot;COM-Nr.:&quot; sie zählt, und was ihre Nutzung verhindert; mit --wait die als Nächstes eingesteckte</translation>
    </message>
    <message>
        <source>what the tracker makes of a transfer trace or of raw bytes</source>
        <translation>was der Tracker aus einer Übertragungsspur oder rohen Bytes macht</translation>
    </message>
    <message>
        <source>one file with what someone who helps needs</source>
        <translation>eine Datei mit dem, was ein Helfer braucht</translation>
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
DATEI - ist die Standardeingabe; -o - die Standardausgabe.
&quot;korvex-cli BEFEHL --help&quot; zeigt die Optionen eines Befehls,
&quot;korvex-cli --version&quot; die Version.
Exit-Status: 0 Erfolg, 1 Einstellungen abgelehnt, 2 Aufruffehler,
3 Dateifehler, 4 Einstellungen nicht geladen, 5 Schnittstellenfehler,
6 keine nutzbare Schnittstelle (ports --diagnose), 7 Übertragung abgelehnt
(simulate --once), 8 Ausgabe verloren, 9 Senden unterbrochen,
10 keine Schnittstelle erschienen (ports --wait).
--lang NAME (oder KORVEX_LANG) wählt die Sprache der Meldungen: de, es, it,
C für Englisch; --json-Ausgabe und .cfg-Dateien sind in jeder Sprache gleich.
</translation>
    </message>
    <message>
        <source>%1%2 is given twice with different values (&quot;%3&quot; and &quot;%4&quot;); give it once</source>
        <translation>%1%2 ist zweimal mit verschiedenen Werten angegeben (&quot;%3&quot; und &quot;%4&quot;); geben Sie es nur einmal an</translation>
    </message>
    <message>
        <source>Usage: %1 %2</source>
        <translation>Aufruf: %1 %2</translation>
    </message>
    <message>
        <source>Run &quot;%1 --help&quot; for more.</source>
        <translation>&quot;%1 --help&quot; zeigt mehr.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not taken here: %2 takes no arguments</source>
        <translation>&quot;%1&quot; wird hier nicht angenommen: %2 nimmt keine Argumente</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is one argument too many</source>
        <translation>&quot;%1&quot; ist ein Argument zu viel</translation>
    </message>
    <message>
        <source>warning: %1</source>
        <translation>Warnung: %1</translation>
    </message>
    <message>
        <source>Reads a transfer trace (as send --trace writes it, or the last one kept in the user&apos;s state folder) or the raw bytes of a transfer, and prints what the tracker would have made of it, as simulate does: the display&apos;s verdict, when each write came and the settings it carried. Exit status 0 when every transfer would have shown &apos;Success!&apos;, 7 when one would not.</source>
        <translation>Liest eine Übertragungsspur (wie send --trace sie schreibt, oder die letzte im Zustandsordner des Benutzers aufbewahrte) oder die rohen Bytes einer Übertragung und gibt aus, was der Tracker daraus gemacht hätte, wie simulate: das Urteil des Displays, wann jeder Schreibvorgang kam und welche Einstellungen er trug. Exit-Status 0, wenn jede Übertragung &apos;Success!&apos; gezeigt hätte, 7, wenn eine es nicht hätte.</translation>
    </message>
    <message>
        <source>The trace or the bytes; - for standard input.</source>
        <translation>Die Spur oder die Bytes; - für die Standardeingabe.</translation>
    </message>
    <message>
        <source>decode needs exactly one file: a trace or raw bytes</source>
        <translation>decode braucht genau eine Datei: eine Spur oder rohe Bytes</translation>
    </message>
    <message>
        <source>Cannot read &quot;%1&quot;</source>
        <translation>&quot;%1&quot; kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>%1 is not a trace to trust: %2</source>
        <translation>%1 ist keine verlässliche Spur: %2</translation>
    </message>
    <message>
        <source>%1 holds no transfer: nothing was written to the line</source>
        <translation>%1 enthält keine Übertragung: auf die Leitung wurde nichts geschrieben</translation>
    </message>
    <message>
        <source>Also tell what keeps a port from use, and how to fix it: an adapter without a port, a group to join, ModemManager. Exit status 0 when at least one port can be used, 6 when none can.</source>
        <translation>Auch sagen, was die Nutzung einer Schnittstelle verhindert und wie es zu beheben ist: ein Adapter ohne Schnittstelle, eine Gruppe zum Beitreten, ModemManager. Exit-Status 0, wenn mindestens eine Schnittstelle nutzbar ist, 6, wenn keine es ist.</translation>
    </message>
    <message>
        <source>Then wait up to SECONDS (default %1) for a port to appear, and print it with its stable name: unplug the cable, run this, plug it in. Exit status 0 when a port appeared, %2 when none did in time.</source>
        <translation>Dann bis zu SECONDS Sekunden (Vorgabe %1) warten, bis eine Schnittstelle erscheint, und sie mit ihrem festen Namen ausgeben: Kabel abziehen, dies starten, Kabel einstecken. Exit-Status 0, wenn eine Schnittstelle erschien, %2, wenn keine rechtzeitig erschien.</translation>
    </message>
    <message>
        <source>With --wait: how long to wait, 1 to %1.</source>
        <translation>Mit --wait: wie lange gewartet wird, 1 bis %1.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not taken here: ports takes a number of seconds only with --wait</source>
        <translation>&quot;%1&quot; wird hier nicht angenommen: ports nimmt eine Anzahl Sekunden nur mit --wait</translation>
    </message>
    <message>
        <source>--wait %1: give a whole number of seconds from 1 to %2</source>
        <translation>--wait %1: geben Sie eine ganze Zahl von Sekunden von 1 bis %2 an</translation>
    </message>
    <message>
        <source>Waiting up to 1 second for a port to appear: plug in the cable now.</source>
        <translation>Warte bis zu 1 Sekunde, bis eine Schnittstelle erscheint: Stecken Sie jetzt das Kabel ein.</translation>
    </message>
    <message numerus="yes">
        <source>Waiting up to %n seconds for a port to appear: plug in the cable now.</source>
        <translation>
            <numerusform>Warte bis zu %n Sekunde, bis eine Schnittstelle erscheint: Stecken Sie jetzt das Kabel ein.</numerusform>
            <numerusform>Warte bis zu %n Sekunden, bis eine Schnittstelle erscheint: Stecken Sie jetzt das Kabel ein.</numerusform>
        </translation>
    </message>
    <message>
        <source>no port appeared within 1 second. Check the cable and the adapter; ports --diagnose tells what the system shows.</source>
        <translation>innerhalb 1 Sekunde ist keine Schnittstelle erschienen. Prüfen Sie Kabel und Adapter; ports --diagnose sagt, was das System zeigt.</translation>
    </message>
    <message numerus="yes">
        <source>no port appeared within %n seconds. Check the cable and the adapter; ports --diagnose tells what the system shows.</source>
        <translation>
            <numerusform>innerhalb %n Sekunde ist keine Schnittstelle erschienen. Prüfen Sie Kabel und Adapter; ports --diagnose sagt, was das System zeigt.</numerusform>
            <numerusform>innerhalb von %n Sekunden ist keine Schnittstelle erschienen. Prüfen Sie Kabel und Adapter; ports --diagnose sagt, was das System zeigt.</numerusform>
        </translation>
    </message>
    <message>
        <source>New port:</source>
        <translation>Neue Schnittstelle:</translation>
    </message>
    <message>
        <source>Writes one file to attach to a request for help: the program and Qt versions, the system and desktop session, the locale, the serial ports with their drivers and stable names, what keeps them from use (as ports --diagnose), the user&apos;s groups, the last transfer&apos;s trace and the settings it carried. It holds nothing secret. The file is replaced in one step.</source>
        <translation>Schreibt eine Datei, die einer Bitte um Hilfe beigelegt wird: die Versionen des Programms und von Qt, das System und die Desktop-Sitzung, die Locale, die seriellen Schnittstellen mit ihren Treibern und festen Namen, was ihre Nutzung verhindert (wie ports --diagnose), die Gruppen des Benutzers, die Spur der letzten Übertragung und die Einstellungen, die sie trug. Sie enthält nichts Geheimes. Die Datei wird in einem Schritt ersetzt.</translation>
    </message>
    <message>
        <source>Write the report to FILE (- for standard output, the default).</source>
        <translation>Den Bericht in DATEI schreiben (- für die Standardausgabe, die Vorgabe).</translation>
    </message>
    <message>
        <source>Write one JSON object instead of text.</source>
        <translation>Ein JSON-Objekt statt Text schreiben.</translation>
    </message>
    <message>
        <source>Cannot write &quot;%1&quot;</source>
        <translation>&quot;%1&quot; kann nicht geschrieben werden</translation>
    </message>
    <message>
        <source>Report written to %1</source>
        <translation>Bericht geschrieben nach %1</translation>
    </message>
    <message>
        <source>The COM port&apos;s number (12 is COM12), or its name such as COM12. Default: the file&apos;s port number.</source>
        <translation>Die Nummer der COM-Schnittstelle (12 ist COM12) oder ihr Name, etwa COM12. Vorgabe: die Schnittstellennummer der Datei.</translation>
    </message>
    <message>
        <source>Port number as &quot;korvex-cli ports&quot; lists them, or a device such as /dev/ttyUSB0 (a name holding a / is a path, opened as given). A /dev/serial/by-id/ path names the same adapter after a re-plug, when ttyUSB0 may have become ttyUSB1. Default: the file&apos;s port number.</source>
        <translation>Schnittstellennummer, wie &quot;korvex-cli ports&quot; sie listet, oder ein Gerät wie /dev/ttyUSB0 (ein Name mit / ist ein Pfad und wird so geöffnet, wie er angegeben ist). Ein Pfad unter /dev/serial/by-id/ nennt denselben Adapter auch nach dem erneuten Einstecken, wenn aus ttyUSB0 vielleicht ttyUSB1 geworden ist. Vorgabe: die Schnittstellennummer der Datei.</translation>
    </message>
    <message>
        <source>warning: the trace was not kept as the last transfer: %1</source>
        <translation>Warnung: die Spur wurde nicht als letzte Übertragung aufbewahrt: %1</translation>
    </message>
    <message>
        <source>warning: --trace: %1</source>
        <translation>Warnung: --trace: %1</translation>
    </message>
    <message>
        <source>Also write the transfer&apos;s trace to OUT: the port and its line settings as opened, each write with its time, bytes and text, DTR/RTS, errors and the close (&quot;korvex-cli decode OUT&quot; reads it back). The last trace is kept in the user&apos;s state folder in any case.</source>
        <translation>Die Spur der Übertragung auch nach OUT schreiben: die Schnittstelle und ihre Leitungseinstellungen beim Öffnen, jeden Schreibvorgang mit Zeit, Bytes und Text, DTR/RTS, Fehler und das Schließen (&quot;korvex-cli decode OUT&quot; liest sie wieder). Die letzte Spur wird in jedem Fall im Zustandsordner des Benutzers aufbewahrt.</translation>
    </message>
    <message>
        <source>--port needs a port number or a device, e.g. --port %1</source>
        <translation>--port braucht eine Schnittstellennummer oder ein Gerät, z. B. --port %1</translation>
    </message>
    <message>
        <source>--port %1: port numbers run from 1 to %2; for another port give its device, e.g. --port %3</source>
        <translation>--port %1: Schnittstellennummern reichen von 1 bis %2; für eine andere Schnittstelle geben Sie ihr Gerät an, z. B. --port %3</translation>
    </message>
    <message>
        <source>--trace needs a file name, e.g. --trace send.trace</source>
        <translation>--trace braucht einen Dateinamen, z. B. --trace send.trace</translation>
    </message>
</context>
</TS>
