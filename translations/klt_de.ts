<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="en">
<context>
    <name>QObject</name>
    <message>
        <source>%1 of %2</source>
        <translation>%1 von %2</translation>
    </message>
</context>
<context>
    <name>klt::AtisPage</name>
    <message>
        <source>EXP CH Group</source>
        <translation>EXP-Kanalgruppe</translation>
    </message>
    <message>
        <source>Group%1</source>
        <translation>Gruppe %1</translation>
    </message>
    <message>
        <source>Usable ATIS CH Group</source>
        <translation>Verwendbare ATIS-Kanalgruppen</translation>
    </message>
    <message>
        <source>Usable ATIS Killer CH Group</source>
        <translation>Kanalgruppen mit ATIS-Sperre</translation>
    </message>
    <message>
        <source>Kept in settings files only: the radio&apos;s memory has no place for these settings.</source>
        <translation>Nur in Einstellungsdateien gespeichert: Im Speicher des Funkgeräts ist für diese Einstellungen kein Platz.</translation>
    </message>
    <message>
        <source>ATIS Code</source>
        <translation>ATIS-Code</translation>
    </message>
    <message>
        <source>Numeric Only. Indispensable 10 figures.</source>
        <translation>Nur Ziffern, genau 10 Stellen.</translation>
    </message>
    <message>
        <source>An ATIS code has 10 digits: 9, the country&apos;s three, and six more.</source>
        <translation>Ein ATIS-Code hat 10 Ziffern: die 9, die drei des Landes und sechs weitere.</translation>
    </message>
    <message>
        <source>ATISNo</source>
        <translation>ATIS-Nr.</translation>
    </message>
    <message>
        <source>ATIS Clear</source>
        <translation>ATIS löschen</translation>
    </message>
    <message>
        <source>ATIS code settings left</source>
        <translation>Verbleibende ATIS-Code-Eingaben</translation>
    </message>
</context>
<context>
    <name>klt::ChannelDisplay</name>
    <message>
        <source>[Enable]</source>
        <translation>[Aktiv]</translation>
    </message>
    <message>
        <source>CH</source>
        <translation>CH</translation>
    </message>
    <message>
        <source>RX[MHz]</source>
        <translation>RX[MHz]</translation>
    </message>
    <message>
        <source>TX[MHz]</source>
        <translation>TX[MHz]</translation>
    </message>
    <message>
        <source>TX</source>
        <translation>TX</translation>
    </message>
    <message>
        <source>LOW</source>
        <translation>LOW</translation>
    </message>
    <message>
        <source>UP</source>
        <translation>UP</translation>
    </message>
    <message>
        <source>DUP</source>
        <translation>DUP</translation>
    </message>
    <message>
        <source>MEM</source>
        <translation>MEM</translation>
    </message>
    <message>
        <source>VS</source>
        <translation>VS</translation>
    </message>
    <message>
        <source>CH Name</source>
        <translation>Kanalname</translation>
    </message>
    <message>
        <source>ENABLE</source>
        <translation>AKTIV</translation>
    </message>
    <message>
        <source>DISP</source>
        <translation>ANZ.</translation>
    </message>
</context>
<context>
    <name>klt::ChannelEditorPage</name>
    <message>
        <source>CH Enable</source>
        <translation>Kanal aktiv</translation>
    </message>
    <message>
        <source>CH Display</source>
        <translation>Kanalanzeige</translation>
    </message>
    <message>
        <source>Indispensable 2 figures.</source>
        <translation>Genau 2 Stellen.</translation>
    </message>
    <message>
        <source>Indispensable 1 figures.</source>
        <translation>Genau 1 Stelle.</translation>
    </message>
    <message>
        <source>Rx Frequency</source>
        <translation>Empfangsfrequenz</translation>
    </message>
    <message>
        <source>Rx frequency</source>
        <translation>Empfangsfrequenz</translation>
    </message>
    <message>
        <source>MHz</source>
        <translation>MHz</translation>
    </message>
    <message>
        <source>Tx Frequency</source>
        <translation>Sendefrequenz</translation>
    </message>
    <message>
        <source>Tx frequency</source>
        <translation>Sendefrequenz</translation>
    </message>
    <message>
        <source>Tx Enable</source>
        <translation>Senden erlaubt</translation>
    </message>
    <message>
        <source>Low Power Only</source>
        <translation>Nur geringe Leistung</translation>
    </message>
    <message>
        <source>Power Up</source>
        <translation>Leistung erhöhbar</translation>
    </message>
    <message>
        <source>Duplex</source>
        <translation>Duplex</translation>
    </message>
    <message>
        <source>Scan Memory</source>
        <translation>Suchlaufspeicher</translation>
    </message>
    <message>
        <source>Scrambler</source>
        <translation>Scrambler</translation>
    </message>
    <message>
        <source>CH Name</source>
        <translation>Kanalname</translation>
    </message>
    <message>
        <source>A maximum of 12 characters</source>
        <translation>Höchstens 12 Zeichen</translation>
    </message>
    <message>
        <source>[USA]</source>
        <translation>[USA]</translation>
    </message>
    <message>
        <source>[INT]</source>
        <translation>[INT]</translation>
    </message>
    <message>
        <source>[CAN]</source>
        <translation>[CAN]</translation>
    </message>
    <message>
        <source>Data Error!!<byte value="xd"/>
Please input correct data.<byte value="xd"/>
An enabled EXP channel needs both figures of its CH display and a receive frequency.</source>
        <translation>Data Error!!<byte value="xd"/>
Bitte geben Sie gültige Daten ein.<byte value="xd"/>
Ein eingeschalteter EXP-Kanal braucht beide Zeichen seiner Kanalanzeige und eine Empfangsfrequenz.</translation>
    </message>
    <message>
        <source>CH Display suffix</source>
        <translation>Kanalanzeige, Zusatzzeichen</translation>
    </message>
    <message>
        <source>A frequency between 137 and 174 MHz on the 25 kHz raster (for example 156.050).</source>
        <translation>Eine Frequenz zwischen 137 und 174 MHz im 25-kHz-Raster (zum Beispiel 156.050).</translation>
    </message>
</context>
<context>
    <name>klt::ChannelTablePage</name>
    <message>
        <source>Channel table</source>
        <translation>Kanaltabelle</translation>
    </message>
</context>
<context>
    <name>klt::CommonPage</name>
    <message>
        <source>Off</source>
        <translation>Aus</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Ein</translation>
    </message>
    <message>
        <source>TX Po Display</source>
        <translation>Anzeige der Sendeleistung</translation>
    </message>
    <message>
        <source>Lo Po Only</source>
        <translation>Nur geringe Leistung</translation>
    </message>
    <message>
        <source>Lo Po on Changing CH</source>
        <translation>Geringe Leistung bei Kanalwechsel</translation>
    </message>
    <message>
        <source>Last TX Po</source>
        <translation>Letzte Sendeleistung</translation>
    </message>
    <message>
        <source>Scanning Function</source>
        <translation>Suchlauf</translation>
    </message>
    <message>
        <source>Resume Time</source>
        <translation>Fortsetzen nach</translation>
    </message>
    <message>
        <source>1Sec</source>
        <translation>1 s</translation>
    </message>
    <message>
        <source>2Sec</source>
        <translation>2 s</translation>
    </message>
    <message>
        <source>3Sec</source>
        <translation>3 s</translation>
    </message>
    <message>
        <source>4Sec</source>
        <translation>4 s</translation>
    </message>
    <message>
        <source>5Sec</source>
        <translation>5 s</translation>
    </message>
    <message>
        <source>PTT SCAN Clear</source>
        <translation>Suchlauf-Stopp mit PTT</translation>
    </message>
    <message>
        <source>Dual Watch</source>
        <translation>Zweikanalüberwachung</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Anzeige</translation>
    </message>
    <message>
        <source>UTC</source>
        <translation>UTC</translation>
    </message>
    <message>
        <source>Local</source>
        <translation>Ortszeit</translation>
    </message>
    <message>
        <source>Offset</source>
        <translation>Zeitverschiebung</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Format</translation>
    </message>
    <message>
        <source>12H</source>
        <translation>12 h</translation>
    </message>
    <message>
        <source>24H</source>
        <translation>24 h</translation>
    </message>
    <message>
        <source>Weather Alert</source>
        <translation>Wetteralarm</translation>
    </message>
    <message>
        <source>SOG</source>
        <translation>SOG</translation>
    </message>
    <message>
        <source>KTS</source>
        <translation>kn</translation>
    </message>
    <message>
        <source>MPH</source>
        <translation>mph</translation>
    </message>
    <message>
        <source>KMH</source>
        <translation>km/h</translation>
    </message>
    <message>
        <source>Distance</source>
        <translation>Entfernung</translation>
    </message>
    <message>
        <source>Nm</source>
        <translation>sm</translation>
    </message>
    <message>
        <source>Sm</source>
        <translation>mi</translation>
    </message>
    <message>
        <source>Km</source>
        <translation>km</translation>
    </message>
    <message>
        <source>Altitude</source>
        <translation>Höhe</translation>
    </message>
    <message>
        <source>feet</source>
        <translation>Fuß</translation>
    </message>
    <message>
        <source>m</source>
        <translation>m</translation>
    </message>
    <message>
        <source>Starting TX Mode</source>
        <translation>Sendeleistung beim Einschalten</translation>
    </message>
    <message>
        <source>Time Setup</source>
        <translation>Zeiteinstellung</translation>
    </message>
    <message>
        <source>Weather CH Function</source>
        <translation>Wetterkanal-Funktion</translation>
    </message>
    <message>
        <source>Units of Measure</source>
        <translation>Maßeinheiten</translation>
    </message>
</context>
<context>
    <name>klt::ControlHints</name>
    <message>
        <source>[Space]:An effective and invalid change.</source>
        <translation>[Leertaste]: Zwischen aktiv und inaktiv wechseln.</translation>
    </message>
    <message>
        <source>[Up]/[Down]:Change of a Selection item.</source>
        <translation>[Auf]/[Ab]: Auswahl ändern.</translation>
    </message>
    <message>
        <source>[Up]/[Down]/[Left]/[Right]:Change of a Selection item.</source>
        <translation>[Auf]/[Ab]/[Links]/[Rechts]: Auswahl ändern.</translation>
    </message>
    <message>
        <source>[Double click],[Enter]:Jump the Setting screen.</source>
        <translation>[Doppelklick], [Eingabe]: Zur Einstellungsseite springen.</translation>
    </message>
    <message>
        <source>Select[x]Enable/[]Disable.</source>
        <translation>Auswählen: [x] aktiv / [ ] inaktiv.</translation>
    </message>
</context>
<context>
    <name>klt::DirectoryEntryPage</name>
    <message>
        <source>Group Directory</source>
        <translation>Gruppenverzeichnis</translation>
    </message>
    <message>
        <source>Individual Directory</source>
        <translation>Einzelverzeichnis</translation>
    </message>
    <message>
        <source>A maximum of 10 characters.</source>
        <translation>Höchstens 10 Zeichen.</translation>
    </message>
    <message>
        <source>MMSI</source>
        <translation>MMSI</translation>
    </message>
    <message>
        <source>Numeric Only. Indispensable 9 figures.</source>
        <translation>Nur Ziffern, genau 9 Stellen.</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Group Name</source>
        <translation>Gruppenname</translation>
    </message>
    <message>
        <source>Station Name</source>
        <translation>Stationsname</translation>
    </message>
    <message>
        <source>A group&apos;s MMSI has 8 digits (the radio adds the 0 before them).</source>
        <translation>Die MMSI einer Gruppe hat 8 Ziffern (das Funkgerät stellt ihnen die 0 voran).</translation>
    </message>
    <message>
        <source>A station&apos;s MMSI has 9 digits.</source>
        <translation>Die MMSI einer Station hat 9 Ziffern.</translation>
    </message>
    <message>
        <source>Data Error!!</source>
        <translation>Data Error!!</translation>
    </message>
    <message>
        <source>Are you sure ?</source>
        <translation>Sind Sie sicher?</translation>
    </message>
    <message>
        <source>Entry %1 can be added once entry %2 has its name and MMSI.</source>
        <translation>Eintrag %1 kann erst angelegt werden, wenn Eintrag %2 Name und MMSI hat.</translation>
    </message>
    <message>
        <source>Entry %1: %2, MMSI %3</source>
        <translation>Eintrag %1: %2, MMSI %3</translation>
    </message>
</context>
<context>
    <name>klt::DirectoryTablePage</name>
    <message>
        <source>No.</source>
        <translation>Nr.</translation>
    </message>
    <message>
        <source>GROUP NAME</source>
        <translation>GRUPPENNAME</translation>
    </message>
    <message>
        <source>STATION NAME</source>
        <translation>STATIONSNAME</translation>
    </message>
    <message>
        <source>MMSI</source>
        <translation>MMSI</translation>
    </message>
    <message>
        <source>Station directory</source>
        <translation>Stationsverzeichnis</translation>
    </message>
</context>
<context>
    <name>klt::DscPage</name>
    <message>
        <source>Kept in settings files only: the radio&apos;s memory has no place for this setting.</source>
        <translation>Nur in Einstellungsdateien gespeichert: Im Speicher des Funkgeräts ist für diese Einstellung kein Platz.</translation>
    </message>
    <message>
        <source>Basic Setup</source>
        <translation>Grundeinstellungen</translation>
    </message>
    <message>
        <source>Advanced Setup1</source>
        <translation>Erweitert 1</translation>
    </message>
    <message>
        <source>Advanced Setup2</source>
        <translation>Erweitert 2</translation>
    </message>
    <message>
        <source>Display Setup</source>
        <translation>Anzeige</translation>
    </message>
    <message>
        <source>Auto POS Setup</source>
        <translation>Automatische Position</translation>
    </message>
    <message>
        <source>Distress</source>
        <translation>Notfall</translation>
    </message>
    <message>
        <source>Urgency</source>
        <translation>Dringlichkeit</translation>
    </message>
    <message>
        <source>Safety</source>
        <translation>Sicherheit</translation>
    </message>
    <message>
        <source>Routine</source>
        <translation>Routine</translation>
    </message>
    <message>
        <source>Group1</source>
        <translation>Gruppe 1</translation>
    </message>
    <message>
        <source>Group2</source>
        <translation>Gruppe 2</translation>
    </message>
    <message>
        <source>Group3</source>
        <translation>Gruppe 3</translation>
    </message>
    <message>
        <source>EXP</source>
        <translation>EXP</translation>
    </message>
    <message>
        <source>Distress Cancel Call</source>
        <translation>Widerruf eines Notalarms</translation>
    </message>
    <message>
        <source>Standby Mode</source>
        <translation>Bereitschaft</translation>
    </message>
    <message>
        <source>POS Request</source>
        <translation>Positionsanfrage</translation>
    </message>
    <message>
        <source>POS Reporting</source>
        <translation>Positionsmeldung</translation>
    </message>
    <message>
        <source>Send Distress Alert</source>
        <translation>Notalarm senden</translation>
    </message>
    <message>
        <source>Received All Ships</source>
        <translation>Empfang: An alle Funkstellen</translation>
    </message>
    <message>
        <source>Received Individual</source>
        <translation>Empfang: Einzelruf</translation>
    </message>
    <message>
        <source>Received Group</source>
        <translation>Empfang: Gruppenruf</translation>
    </message>
    <message>
        <source>Received Geographic</source>
        <translation>Empfang: Gebietsruf</translation>
    </message>
    <message>
        <source>Received POS Request</source>
        <translation>Empfang: Positionsanfrage</translation>
    </message>
    <message>
        <source>Received POS Reporting</source>
        <translation>Empfang: Positionsmeldung</translation>
    </message>
    <message>
        <source>Individual ACK Menu</source>
        <translation>Menü Bestätigung Einzelruf</translation>
    </message>
    <message>
        <source>Individual ACK Message Menu</source>
        <translation>Menü Bestätigungstext Einzelruf</translation>
    </message>
    <message>
        <source>POS Request ACK Menu</source>
        <translation>Menü Bestätigung Positionsanfrage</translation>
    </message>
    <message>
        <source>Individual Directory</source>
        <translation>Einzelverzeichnis</translation>
    </message>
    <message>
        <source>Group Directory</source>
        <translation>Gruppenverzeichnis</translation>
    </message>
    <message>
        <source>Waypoint Directory</source>
        <translation>Wegpunktverzeichnis</translation>
    </message>
    <message>
        <source>Distress Log</source>
        <translation>Notalarmprotokoll</translation>
    </message>
    <message>
        <source>DSC TX Log</source>
        <translation>DSC-Sendeprotokoll</translation>
    </message>
    <message>
        <source>DSC Log</source>
        <translation>DSC-Protokoll</translation>
    </message>
    <message>
        <source>ALL Clear</source>
        <translation>Alles löschen</translation>
    </message>
    <message>
        <source>Low</source>
        <translation>Gering</translation>
    </message>
    <message>
        <source>Hi</source>
        <translation>Hoch</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Aus</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Ein</translation>
    </message>
    <message>
        <source>Usable DSC CH Group</source>
        <translation>Verwendbare DSC-Kanalgruppen</translation>
    </message>
    <message>
        <source>UserMMSI</source>
        <translation>Eigene MMSI</translation>
    </message>
    <message>
        <source>Numeric Only. Indispensable 9 figures.</source>
        <translation>Nur Ziffern, genau 9 Stellen.</translation>
    </message>
    <message>
        <source>User MMSI</source>
        <translation>Eigene MMSI</translation>
    </message>
    <message>
        <source>An MMSI has 9 digits.</source>
        <translation>Eine MMSI hat 9 Ziffern.</translation>
    </message>
    <message>
        <source>MMSI Clear</source>
        <translation>MMSI löschen</translation>
    </message>
    <message>
        <source>A Click Inicializes the number of User MMSI setting permission</source>
        <translation>Ein Klick setzt die Anzahl der erlaubten Eingaben der eigenen MMSI zurück</translation>
    </message>
    <message>
        <source>Position Request</source>
        <translation>Positionsanfrage</translation>
    </message>
    <message>
        <source>DSC Beep Output</source>
        <translation>DSC-Signaltöne</translation>
    </message>
    <message>
        <source>ALL Ships Call</source>
        <translation>Anruf an alle Funkstellen</translation>
    </message>
    <message>
        <source>Individual Call</source>
        <translation>Einzelruf</translation>
    </message>
    <message>
        <source>Group Call</source>
        <translation>Gruppenruf</translation>
    </message>
    <message>
        <source>Position Request Call</source>
        <translation>Positionsanfrageruf</translation>
    </message>
    <message>
        <source>Data Clear</source>
        <translation>Daten löschen</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>A Click Inicializes the log</source>
        <translation>Ein Klick löscht das Protokoll</translation>
    </message>
    <message>
        <source>Position Report Call</source>
        <translation>Positionsmeldungsruf</translation>
    </message>
    <message>
        <source>%1, transmit power</source>
        <translation>%1, Sendeleistung</translation>
    </message>
    <message>
        <source>User MMSI settings left</source>
        <translation>Verbleibende Eingaben der eigenen MMSI</translation>
    </message>
</context>
<context>
    <name>klt::EditorActions</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Neu</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>Ö&amp;ffnen</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Speichern &amp;unter...</translation>
    </message>
    <message>
        <source>Save As &amp;Default</source>
        <translation>Als S&amp;tandard speichern</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Drucken</translation>
    </message>
    <message>
        <source>P&amp;rint to File</source>
        <translation>In Datei d&amp;rucken</translation>
    </message>
    <message>
        <source>&amp;Export PDF...</source>
        <translation>Als &amp;PDF exportieren...</translation>
    </message>
    <message>
        <source>Expor&amp;t</source>
        <translation>&amp;Exportieren</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>&amp;Importieren</translation>
    </message>
    <message>
        <source>%1 (CSV)...</source>
        <translation>%1 (CSV)...</translation>
    </message>
    <message>
        <source>&amp;Compare with...</source>
        <translation>&amp;Vergleichen mit...</translation>
    </message>
    <message>
        <source>&amp;Backups...</source>
        <translation>Sicherun&amp;gen...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
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
        <source>&amp;Model</source>
        <translation>&amp;Modell</translation>
    </message>
    <message>
        <source>&amp;Transfer</source>
        <translation>&amp;Übertragung</translation>
    </message>
    <message>
        <source>&amp;Program to Radio</source>
        <translation>&amp;Programmieren des Funkgeräts</translation>
    </message>
    <message>
        <source>&amp;Read from Radio</source>
        <translation>&amp;Lesen aus dem Funkgerät</translation>
    </message>
    <message>
        <source>&amp;Destination</source>
        <translation>&amp;Zielregion</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Optionen</translation>
    </message>
    <message>
        <source>&amp;SerialPort</source>
        <translation>&amp;Serielle Schnittstelle</translation>
    </message>
    <message>
        <source>&amp;Verify after Programming</source>
        <translation>Nach dem Programmieren &amp;prüfen</translation>
    </message>
    <message>
        <source>Hexdump</source>
        <translation>Hex-Ansicht</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Inhalt</translation>
    </message>
    <message>
        <source>&amp;About KLT Version</source>
        <translation>&amp;Über KLT</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation>&amp;Rückgängig: %1</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>&amp;Wiederholen: %1</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Werkzeuge</translation>
    </message>
    <message>
        <source>Print Pre&amp;view...</source>
        <translation>Druckv&amp;orschau...</translation>
    </message>
    <message>
        <source>&amp;Port Diagnosis...</source>
        <translation>&amp;Port-Diagnose...</translation>
    </message>
    <message>
        <source>Program &amp;Several Radios...</source>
        <translation>&amp;Mehrere Funkgeräte programmieren...</translation>
    </message>
</context>
<context>
    <name>klt::FileController</name>
    <message>
        <source>dat files(*.dat)|*.dat|All files(*.*)|*.*</source>
        <translation>dat-Dateien (*.dat)|*.dat|Alle Dateien (*.*)|*.*</translation>
    </message>
    <message>
        <source>hex files(*.hex)|*.hex|All files(*.*)|*.*</source>
        <translation>hex-Dateien (*.hex)|*.hex|Alle Dateien (*.*)|*.*</translation>
    </message>
    <message>
        <source>CSV files(*.csv)|*.csv|All files(*.*)|*.*</source>
        <translation>CSV-Dateien (*.csv)|*.csv|Alle Dateien (*.*)|*.*</translation>
    </message>
    <message>
        <source>Settings and image files(*.dat *.hex)|*.dat|All files(*.*)|*.*</source>
        <translation>Einstellungs- und Abbilddateien (*.dat *.hex)|*.dat|Alle Dateien (*.*)|*.*</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Neu</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>FileSave Error!!</source>
        <translation>FileSave Error!!</translation>
    </message>
    <message>
        <source>FileRead Error!!</source>
        <translation>FileRead Error!!</translation>
    </message>
    <message>
        <source>Import %1</source>
        <translation>%1 importieren</translation>
    </message>
    <message>
        <source>Nothing was changed.</source>
        <translation>Es wurde nichts geändert.</translation>
    </message>
    <message>
        <source>Imported. Check these before programming:</source>
        <translation>Importiert. Prüfen Sie vor dem Programmieren:</translation>
    </message>
    <message>
        <source>Compare with %1</source>
        <translation>Vergleich mit %1</translation>
    </message>
    <message>
        <source>Open Backup</source>
        <translation>Sicherung öffnen</translation>
    </message>
    <message>
        <source>Saved %1</source>
        <translation>Gespeichert: %1</translation>
    </message>
    <message>
        <source>Exported %1 to %2</source>
        <translation>%1 exportiert nach %2</translation>
    </message>
    <message>
        <source>Imported %1 from %2</source>
        <translation>%1 importiert aus %2</translation>
    </message>
</context>
<context>
    <name>klt::FleetDialog</name>
    <message>
        <source>waiting</source>
        <translation>wartet</translation>
    </message>
    <message>
        <source>reading</source>
        <translation>liest</translation>
    </message>
    <message>
        <source>programming</source>
        <translation>programmiert</translation>
    </message>
    <message>
        <source>verifying</source>
        <translation>prüft</translation>
    </message>
    <message>
        <source>programmed and verified</source>
        <translation>programmiert und geprüft</translation>
    </message>
    <message>
        <source>failed</source>
        <translation>fehlgeschlagen</translation>
    </message>
    <message>
        <source>cancelled</source>
        <translation>abgebrochen</translation>
    </message>
    <message>
        <source>skipped</source>
        <translation>übersprungen</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Program Several Radios</source>
        <translation>Mehrere Funkgeräte programmieren</translation>
    </message>
    <message>
        <source>One row per radio. Each gets this window&apos;s configuration with its own user MMSI, is read and kept among the backups first, and is read back after programming. A radio that fails stops no other.</source>
        <translation>Eine Zeile je Funkgerät. Jedes erhält die Konfiguration dieses Fensters mit seiner eigenen MMSI, wird zuerst gelesen und unter den Sicherungen aufbewahrt und nach dem Programmieren zurückgelesen. Ein Funkgerät, bei dem etwas schiefgeht, hält keines der anderen auf.</translation>
    </message>
    <message>
        <source>&amp;Load Plan...</source>
        <translation>Plan &amp;laden...</translation>
    </message>
    <message>
        <source>&amp;Add Radio</source>
        <translation>Funkgerät &amp;hinzufügen</translation>
    </message>
    <message>
        <source>Re&amp;move Radio</source>
        <translation>Funkgerät &amp;entfernen</translation>
    </message>
    <message>
        <source>Radios</source>
        <translation>Funkgeräte</translation>
    </message>
    <message>
        <source>Also program radios that hold an&amp;other MMSI</source>
        <translation>Auch Funkgeräte mit einer &amp;anderen MMSI programmieren</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation>&amp;Starten</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>Abbre&amp;chen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Fortschritt</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Ergebnis</translation>
    </message>
    <message>
        <source>Progress of row %1</source>
        <translation>Fortschritt von Zeile %1</translation>
    </message>
    <message>
        <source>The plan is empty.</source>
        <translation>Der Plan ist leer.</translation>
    </message>
    <message>
        <source>Line %1 of the plan: a quoted field is not closed.</source>
        <translation>Zeile %1 des Plans: Ein Feld in Anführungszeichen ist nicht geschlossen.</translation>
    </message>
    <message>
        <source>Fleet plans(*.csv)|*.csv|All files(*.*)|*.*</source>
        <translation>Flottenpläne (*.csv)|*.csv|Alle Dateien (*.*)|*.*</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>%1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>No radio was touched: %1</source>
        <translation>Kein Funkgerät wurde angesprochen: %1</translation>
    </message>
    <message>
        <source>Every radio was programmed and verified.</source>
        <translation>Alle Funkgeräte wurden programmiert und geprüft.</translation>
    </message>
    <message>
        <source>%1 of %2 radios were programmed and verified; the table says what became of the others.</source>
        <translation>%1 von %2 Funkgeräten wurden programmiert und geprüft; die Tabelle sagt, was aus den anderen wurde.</translation>
    </message>
    <message>
        <source>Cancelling: each radio stops at its next step...</source>
        <translation>Abbruch: Jedes Funkgerät hält bei seinem nächsten Schritt an...</translation>
    </message>
    <message>
        <source>One radio in the plan.</source>
        <translation>Ein Funkgerät im Plan.</translation>
    </message>
    <message>
        <source>%1 radios in the plan.</source>
        <translation>%1 Funkgeräte im Plan.</translation>
    </message>
    <message>
        <source>Programming one radio...</source>
        <translation>Ein Funkgerät wird programmiert...</translation>
    </message>
    <message>
        <source>Programming %1 radios...</source>
        <translation>%1 Funkgeräte werden programmiert...</translation>
    </message>
    <message>
        <source>done</source>
        <translation>fertig</translation>
    </message>
    <message>
        <source>the header</source>
        <translation>die Kopfzeile</translation>
    </message>
    <message>
        <source>row %1</source>
        <translation>Zeile %1</translation>
    </message>
    <message>
        <source>Backup: %1</source>
        <translation>Sicherung: %1</translation>
    </message>
</context>
<context>
    <name>klt::GeneralPage</name>
    <message>
        <source>Model</source>
        <translation>Modell</translation>
    </message>
    <message>
        <source>, with ATIS</source>
        <translation>, mit ATIS</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>none (not saved yet)</source>
        <translation>keine (noch nicht gespeichert)</translation>
    </message>
    <message>
        <source>User MMSI</source>
        <translation>Eigene MMSI</translation>
    </message>
    <message>
        <source>none</source>
        <translation>keine</translation>
    </message>
    <message>
        <source>Channels of Group%1</source>
        <translation>Kanäle der Group%1</translation>
    </message>
    <message>
        <source>EXP channels</source>
        <translation>EXP-Kanäle</translation>
    </message>
    <message>
        <source>Weather channels</source>
        <translation>Wetterkanäle</translation>
    </message>
    <message>
        <source>Individual directory</source>
        <translation>Einzelverzeichnis</translation>
    </message>
    <message>
        <source>Group directory</source>
        <translation>Gruppenverzeichnis</translation>
    </message>
    <message>
        <source>Last backup</source>
        <translation>Letzte Sicherung</translation>
    </message>
    <message>
        <source>none yet</source>
        <translation>noch keine</translation>
    </message>
</context>
<context>
    <name>klt::IdentityNote</name>
    <message>
        <source>Check: %1</source>
        <translation>Prüfen: %1</translation>
    </message>
</context>
<context>
    <name>klt::ListDialogs</name>
    <message>
        <source>No setting differs.</source>
        <translation>Keine Einstellung weicht ab.</translation>
    </message>
    <message>
        <source>%1 settings differ: [Section] Key: value here -&gt; value in the file</source>
        <translation>%1 Einstellungen weichen ab: [Abschnitt] Schlüssel: Wert hier -&gt; Wert in der Datei</translation>
    </message>
    <message>
        <source>Backups</source>
        <translation>Sicherungen</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Modell</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Art</translation>
    </message>
    <message>
        <source>User MMSI</source>
        <translation>Eigene MMSI</translation>
    </message>
    <message>
        <source>Stations</source>
        <translation>Stationen</translation>
    </message>
    <message>
        <source>&amp;Restore to Radio...</source>
        <translation>Auf das Funkgerät &amp;zurückspielen...</translation>
    </message>
    <message>
        <source>No backup has been kept yet: every read and every clear keeps one.</source>
        <translation>Noch keine Sicherung vorhanden: Jedes Lesen und jedes Löschen legt eine an.</translation>
    </message>
    <message>
        <source>Every read keeps what it read, every clear what it erased; the newest 100 stay.</source>
        <translation>Jedes Lesen sichert das Gelesene, jedes Löschen das Gelöschte; die neuesten 100 bleiben erhalten.</translation>
    </message>
</context>
<context>
    <name>klt::MainWindow</name>
    <message>
        <source>KLT data has changed.<byte value="xd"/>
Do you want to save changes?</source>
        <translation>Die KLT-Daten wurden geändert.<byte value="xd"/>
Möchten Sie die Änderungen speichern?</translation>
    </message>
    <message>
        <source>Unknown model!!</source>
        <translation>Unknown model!!</translation>
    </message>
</context>
<context>
    <name>klt::ModelController</name>
    <message>
        <source>Do you want to program the %1 series?</source>
        <translation>Möchten Sie die Serie %1 programmieren?</translation>
    </message>
    <message>
        <source>Do you want to change to %1?</source>
        <translation>Möchten Sie zu %1 wechseln?</translation>
    </message>
    <message>
        <source>IniFileRead Error!!</source>
        <translation>IniFileRead Error!!</translation>
    </message>
</context>
<context>
    <name>klt::NavigationTree</name>
    <message>
        <source>[Enable]</source>
        <translation>[Aktiv]</translation>
    </message>
    <message>
        <source>Group1</source>
        <translation>Gruppe 1</translation>
    </message>
    <message>
        <source>Group2</source>
        <translation>Gruppe 2</translation>
    </message>
    <message>
        <source>Group3</source>
        <translation>Gruppe 3</translation>
    </message>
    <message>
        <source>CH</source>
        <translation>CH</translation>
    </message>
    <message>
        <source>EXP Channel</source>
        <translation>EXP-Kanal</translation>
    </message>
    <message>
        <source>EXP</source>
        <translation>EXP</translation>
    </message>
    <message>
        <source>Group ID</source>
        <translation>Gruppen-ID</translation>
    </message>
    <message>
        <source>Memory ID</source>
        <translation>Speicher-ID</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Allgemein</translation>
    </message>
    <message>
        <source>Usable CH Group Setup</source>
        <translation>Verwendbare Kanalgruppen</translation>
    </message>
    <message>
        <source>Common Setup</source>
        <translation>Allgemeine Einstellungen</translation>
    </message>
    <message>
        <source>DSC Setup</source>
        <translation>DSC-Einstellungen</translation>
    </message>
    <message>
        <source>ATIS Setup</source>
        <translation>ATIS-Einstellungen</translation>
    </message>
    <message>
        <source>Programable Channel</source>
        <translation>Programmierbare Kanäle</translation>
    </message>
    <message>
        <source>Weather</source>
        <translation>Wetter</translation>
    </message>
    <message>
        <source>DSC</source>
        <translation>DSC</translation>
    </message>
    <message>
        <source>Group Directory</source>
        <translation>Gruppenverzeichnis</translation>
    </message>
    <message>
        <source>Individual Directory</source>
        <translation>Einzelverzeichnis</translation>
    </message>
</context>
<context>
    <name>klt::RadioController</name>
    <message>
        <source>Put back on the radio what %1 erased, from the backup of %2?</source>
        <translation>Das von „%1“ Gelöschte aus der Sicherung vom %2 wieder auf das Funkgerät übertragen?</translation>
    </message>
    <message>
        <source>Program the radio with the backup of %1?</source>
        <translation>Das Funkgerät mit der Sicherung vom %1 programmieren?</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Wiederherstellen</translation>
    </message>
    <message>
        <source>FileRead Error!!</source>
        <translation>FileRead Error!!</translation>
    </message>
    <message>
        <source>The memory read could not be kept among the backups (%1).</source>
        <translation>Der gelesene Speicher konnte nicht als Sicherung abgelegt werden (%1).</translation>
    </message>
    <message>
        <source>Read from Radio</source>
        <translation>Vom Funkgerät lesen</translation>
    </message>
    <message>
        <source>The radio would not take all of this configuration:</source>
        <translation>Das Funkgerät würde diese Konfiguration nicht vollständig übernehmen:</translation>
    </message>
    <message>
        <source>... and %1 more</source>
        <translation>... und %1 weitere</translation>
    </message>
    <message>
        <source>Program the radio anyway?</source>
        <translation>Funkgerät trotzdem programmieren?</translation>
    </message>
    <message>
        <source>Program to Radio</source>
        <translation>Funkgerät programmieren</translation>
    </message>
    <message>
        <source>%1: done</source>
        <translation>%1: erledigt</translation>
    </message>
</context>
<context>
    <name>klt::ReportController</name>
    <message>
        <source>PDF files(*.pdf)|*.pdf|All files(*.*)|*.*</source>
        <translation>PDF-Dateien (*.pdf)|*.pdf|Alle Dateien (*.*)|*.*</translation>
    </message>
    <message>
        <source>The printer could not be started.</source>
        <translation>Der Drucker konnte nicht gestartet werden.</translation>
    </message>
    <message>
        <source>FileSave Error!!</source>
        <translation>FileSave Error!!</translation>
    </message>
    <message>
        <source>%1<byte value="xd"/>
Version %2<byte value="xd"/>
<byte value="xd"/>
Programming tool for the TQ series of marine VHF radios with DSC.</source>
        <translation>%1<byte value="xd"/>
Version %2<byte value="xd"/>
<byte value="xd"/>
Programmierwerkzeug für UKW-Seefunkgeräte der TQ-Serie mit DSC.</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>Über %1</translation>
    </message>
    <message>
        <source>Print Preview</source>
        <translation>Druckvorschau</translation>
    </message>
    <message>
        <source>Port Diagnosis</source>
        <translation>Port-Diagnose</translation>
    </message>
    <message>
        <source>The serial ports of this computer:</source>
        <translation>Die seriellen Schnittstellen dieses Computers:</translation>
    </message>
    <message>
        <source>COM%1 is %2. The serial ports of this computer:</source>
        <translation>COM%1 ist %2. Die seriellen Schnittstellen dieses Computers:</translation>
    </message>
</context>
<context>
    <name>klt::ReportWindow</name>
    <message>
        <source>Text files(*.txt)|*.txt|All files(*.*)|*.*</source>
        <translation>Textdateien (*.txt)|*.txt|Alle Dateien (*.*)|*.*</translation>
    </message>
    <message>
        <source>Print to File</source>
        <translation>In Datei drucken</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Save As...</source>
        <translation>Speichern &amp;unter...</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>Now, making text image. Please wait...</source>
        <translation>Der Text wird erstellt. Bitte warten...</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>klt::TextField</name>
    <message>
        <source>Data Error!!</source>
        <translation>Data Error!!</translation>
    </message>
</context>
<context>
    <name>klt::TransferDialog</name>
    <message>
        <source>1.Connect the KLT cable between the PC serial port and the radio.<byte value="xd"/>
2.On the radio, press and hold [DISTRESS] and [CALL] keys while<byte value="xd"/>
   turning the power on.<byte value="xd"/>
   The Radio display will show PC CONTROL.<byte value="xd"/>
3.Press the [OK] button to start.</source>
        <translation>1. Verbinden Sie die serielle Schnittstelle des PCs über das KLT-Kabel mit dem Funkgerät.<byte value="xd"/>
2. Halten Sie am Funkgerät die Tasten [DISTRESS] und [CALL] gedrückt,<byte value="xd"/>
   während Sie es einschalten.<byte value="xd"/>
   Das Display des Funkgeräts zeigt PC CONTROL.<byte value="xd"/>
3. Klicken Sie auf [OK], um zu beginnen.</translation>
    </message>
    <message>
        <source>Stopping... please wait.</source>
        <translation>Wird angehalten... bitte warten.</translation>
    </message>
    <message>
        <source>Unable to display Help Contents. There is no Help associated with this project.</source>
        <translation>Die Hilfe kann nicht angezeigt werden. Zu diesem Projekt gibt es keine Hilfe.</translation>
    </message>
    <message>
        <source>No program could show the help file %1. Open it in a web browser.</source>
        <translation>Kein Programm konnte die Hilfedatei %1 anzeigen. Öffnen Sie sie in einem Webbrowser.</translation>
    </message>
    <message>
        <source>%1%</source>
        <translation>%1 %</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>starting at debug mode..</source>
        <translation>Start im Debug-Modus ...</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Wiederherstellen</translation>
    </message>
</context>
<context>
    <name>klt::TransferWorker</name>
    <message>
        <source>The operation stopped: %1</source>
        <translation>Der Vorgang wurde beendet: %1</translation>
    </message>
</context>
<context>
    <name>klt::UsablePage</name>
    <message>
        <source>Group1</source>
        <translation>Gruppe 1</translation>
    </message>
    <message>
        <source>Group2</source>
        <translation>Gruppe 2</translation>
    </message>
    <message>
        <source>Group3</source>
        <translation>Gruppe 3</translation>
    </message>
    <message>
        <source>EXP CH Group</source>
        <translation>EXP-Kanalgruppe</translation>
    </message>
    <message>
        <source>Usable Channel Groups</source>
        <translation>Verwendbare Kanalgruppen</translation>
    </message>
    <message>
        <source>Expansion Channel Groups</source>
        <translation>Erweiterte Kanalgruppen</translation>
    </message>
    <message>
        <source>Priority CH</source>
        <translation>Prioritätskanal</translation>
    </message>
    <message>
        <source>Second CH</source>
        <translation>Zweitkanal</translation>
    </message>
    <message>
        <source>Status Name</source>
        <translation>Statusname</translation>
    </message>
    <message>
        <source>max 4 charactors.</source>
        <translation>Höchstens 4 Zeichen.</translation>
    </message>
    <message>
        <source>Group%1</source>
        <translation>Gruppe %1</translation>
    </message>
    <message>
        <source>%1, Priority CH</source>
        <translation>%1, Prioritätskanal</translation>
    </message>
    <message>
        <source>%1, Status Name</source>
        <translation>%1, Statusname</translation>
    </message>
    <message>
        <source>%1, Second CH</source>
        <translation>%1, Zweitkanal</translation>
    </message>
</context>
<context>
    <name>klt::WeatherPage</name>
    <message>
        <source>Weather CH</source>
        <translation>Wetterkanal</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>Aktiv</translation>
    </message>
    <message>
        <source>Scan Memory</source>
        <translation>Suchlaufspeicher</translation>
    </message>
    <message>
        <source>CH Name</source>
        <translation>Kanalname</translation>
    </message>
    <message>
        <source>A maximum of 12 characters</source>
        <translation>Höchstens 12 Zeichen</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
</context>
</TS>
