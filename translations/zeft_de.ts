<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>CalculatorFormParts</name>
    <message>
        <source>Level A 20% = </source>
        <translation>Stufe A 20 % = </translation>
    </message>
    <message>
        <source>Level B 40% = </source>
        <translation>Stufe B 40 % = </translation>
    </message>
    <message>
        <source>Level C 60% =  </source>
        <translation>Stufe C 60 % = </translation>
    </message>
    <message>
        <source>Level D 80% = </source>
        <translation>Stufe D 80 % = </translation>
    </message>
    <message>
        <source>Bottom Limit  = </source>
        <translation>Untere Grenze = </translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Berechnen</translation>
    </message>
    <message>
        <source>Save &amp;&amp; Close</source>
        <translation>Übernehmen &amp;&amp; schließen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>The bottom limit &quot;%1&quot; is not a number.</source>
        <translation>Die untere Grenze „%1“ ist keine Zahl.</translation>
    </message>
    <message>
        <source>A number, with &quot;%1&quot; as decimal separator</source>
        <translation>Eine Zahl, mit „%1“ als Dezimaltrennzeichen</translation>
    </message>
</context>
<context>
    <name>ContentCurve</name>
    <message>
        <source>Height (in)</source>
        <translation>Höhe (in)</translation>
    </message>
    <message>
        <source>Height (mm)</source>
        <translation>Höhe (mm)</translation>
    </message>
    <message>
        <source>Content (% of volume)</source>
        <translation>Inhalt (% des Volumens)</translation>
    </message>
    <message>
        <source>Content</source>
        <translation>Inhalt</translation>
    </message>
    <message>
        <source>Gauge reading</source>
        <translation>Anzeigewert</translation>
    </message>
    <message>
        <source>Reserve</source>
        <translation>Reserve</translation>
    </message>
    <message>
        <source>Content curve</source>
        <translation>Inhaltskurve</translation>
    </message>
</context>
<context>
    <name>Core</name>
    <message>
        <source>Invalid input for step value! The step must be a number greater than 0.</source>
        <translation>Ungültige Eingabe für die Schrittweite! Die Schrittweite muss eine Zahl größer als 0 sein.</translation>
    </message>
    <message>
        <source>Invalid input for H value!</source>
        <translation>Ungültige Eingabe für den H-Wert!</translation>
    </message>
    <message>
        <source>Invalid input for H value! H must be at least 3.94 inch and no more than 78.74 inch!</source>
        <translation>Ungültige Eingabe für den H-Wert! H muss mindestens 3.94 Zoll und höchstens 78.74 Zoll betragen!</translation>
    </message>
    <message>
        <source>Invalid input for H value! H must be at least 100 mm and no more than 2000 mm!</source>
        <translation>Ungültige Eingabe für den H-Wert! H muss mindestens 100 mm und höchstens 2000 mm betragen!</translation>
    </message>
    <message>
        <source>The volume at H must be greater than 0.</source>
        <translation>Das Volumen bei H muss größer als 0 sein.</translation>
    </message>
    <message>
        <source>Import CSV</source>
        <translation>CSV importieren</translation>
    </message>
    <message>
        <source>CSV Files (*.csv *.txt)</source>
        <translation>CSV-Dateien (*.csv *.txt)</translation>
    </message>
    <message>
        <source>Are you sure you want to update the parameters with those in the Non-Linear Calculated Values group box?</source>
        <translation>Sollen die Parameter wirklich durch die Werte im Feld „Berechnete Linearisierungswerte“ ersetzt werden?</translation>
    </message>
    <message>
        <source>This method is just an estimation and is not accurate comparing to the Volume and Shape method! Are you sure you want to update the parameters with those in the Non-Linear Calculated Values group box?</source>
        <translation>Diese Methode ist nur eine Schätzung und ungenauer als die Methoden über Volumen und Tankform! Sollen die Parameter wirklich durch die Werte im Feld „Berechnete Linearisierungswerte“ ersetzt werden?</translation>
    </message>
    <message>
        <source>Invalid input for X value!</source>
        <translation>Ungültige Eingabe für den X-Wert!</translation>
    </message>
    <message>
        <source>Invalid input for W value!</source>
        <translation>Ungültige Eingabe für den W-Wert!</translation>
    </message>
    <message>
        <source>Y value cannot be equal or greater than H value!</source>
        <translation>Der Y-Wert darf nicht gleich oder größer als der H-Wert sein!</translation>
    </message>
    <message>
        <source>Invalid input for H!</source>
        <translation>Ungültige Eingabe für H!</translation>
    </message>
    <message>
        <source>Save CSV</source>
        <translation>CSV speichern</translation>
    </message>
    <message>
        <source>CSV Files (*.csv)</source>
        <translation>CSV-Dateien (*.csv)</translation>
    </message>
    <message>
        <source>Save PDF</source>
        <translation>PDF speichern</translation>
    </message>
    <message>
        <source>PDF Files (*.pdf)</source>
        <translation>PDF-Dateien (*.pdf)</translation>
    </message>
    <message>
        <source>litres</source>
        <translation>Liter</translation>
    </message>
    <message>
        <source>cubic metres</source>
        <translation>Kubikmeter</translation>
    </message>
    <message>
        <source>US gallons</source>
        <translation>US-Gallonen</translation>
    </message>
    <message>
        <source>imperial gallons</source>
        <translation>britische Gallonen</translation>
    </message>
    <message>
        <source>Cannot Open COM port!</source>
        <translation>COM-Port kann nicht geöffnet werden!</translation>
    </message>
    <message>
        <source>Fail to connect with the device! Check connection or battery!</source>
        <translation>Keine Verbindung zum Geber! Anschluss oder Batterie prüfen!</translation>
    </message>
    <message>
        <source>Fail to connect with the device!</source>
        <translation>Keine Verbindung zum Geber!</translation>
    </message>
    <message>
        <source>Fail to communicate with the device! Check connection or battery!</source>
        <translation>Kommunikation mit dem Geber fehlgeschlagen! Anschluss oder Batterie prüfen!</translation>
    </message>
    <message>
        <source>Fail to communicate with the device!</source>
        <translation>Kommunikation mit dem Geber fehlgeschlagen!</translation>
    </message>
    <message>
        <source>Fail to program the device! Check connection or battery!</source>
        <translation>Programmieren des Gebers fehlgeschlagen! Anschluss oder Batterie prüfen!</translation>
    </message>
    <message>
        <source>Fail to program the device!</source>
        <translation>Programmieren des Gebers fehlgeschlagen!</translation>
    </message>
    <message>
        <source>Fail to program the device due to incompatible firmware! Please contact KOV to upgrade!</source>
        <translation>Programmieren fehlgeschlagen: Die Firmware des Gebers ist nicht kompatibel! Bitte für ein Update KOV kontaktieren!</translation>
    </message>
    <message>
        <source>Invalid data in Output Type! Please select an output type!</source>
        <translation>Ungültige Ausgangsart! Bitte eine Ausgangsart wählen!</translation>
    </message>
    <message>
        <source>Invalid data in Fluid Type! Please select a fluid type!</source>
        <translation>Ungültiges Medium! Bitte ein Medium wählen!</translation>
    </message>
    <message>
        <source>Device read successfully!</source>
        <translation>Geber erfolgreich ausgelesen!</translation>
    </message>
    <message>
        <source>Device restored successfully!</source>
        <translation>Werkseinstellung erfolgreich wiederhergestellt!</translation>
    </message>
    <message>
        <source>Restoring default settings...</source>
        <translation>Werkseinstellung wird wiederhergestellt...</translation>
    </message>
    <message>
        <source>Programming the device now...<byte value="xd"/></source>
        <translation>Geber wird programmiert...<byte value="xd"/></translation>
    </message>
    <message>
        <source>Device programmed successfully!</source>
        <translation>Geber erfolgreich programmiert!</translation>
    </message>
    <message>
        <source>%1 (sent %2, read %3)</source>
        <translation>%1 (gesendet %2, gelesen %3)</translation>
    </message>
    <message>
        <source>The device did not keep these settings: </source>
        <translation>Der Geber hat diese Einstellungen nicht übernommen: </translation>
    </message>
    <message>
        <source>program</source>
        <translation>Programmieren</translation>
    </message>
    <message>
        <source>restore</source>
        <translation>Werkseinstellung</translation>
    </message>
    <message>
        <source>read</source>
        <translation>Auslesen</translation>
    </message>
    <message>
        <source>success</source>
        <translation>erfolgreich</translation>
    </message>
    <message>
        <source>No serial port was selected.</source>
        <translation>Es wurde kein serieller Port gewählt.</translation>
    </message>
    <message>
        <source>No serial port is open: the Communication Settings were cancelled.</source>
        <translation>Kein serieller Port offen: Die Schnittstelleneinstellungen wurden abgebrochen.</translation>
    </message>
    <message>
        <source>The serial port was closed for a firmware update.</source>
        <translation>Der serielle Port wurde für ein Firmware-Update geschlossen.</translation>
    </message>
    <message>
        <source>Please select COM port!</source>
        <translation>Bitte COM-Port wählen!</translation>
    </message>
    <message>
        <source>Stopped before its end: the sender was switched off.</source>
        <translation>Vorzeitig beendet: Der Geber wurde ausgeschaltet.</translation>
    </message>
    <message>
        <source>Voltage 0 - 5V</source>
        <translation>Spannung 0 - 5V</translation>
    </message>
    <message>
        <source>Resistive 240 - 33R</source>
        <translation>Widerstand 240 - 33R</translation>
    </message>
    <message>
        <source>Resistive 10 - 180R</source>
        <translation>Widerstand 10 - 180R</translation>
    </message>
    <message>
        <source>Resistive 300 - 10R</source>
        <translation>Widerstand 300 - 10R</translation>
    </message>
    <message>
        <source>Water</source>
        <translation>Wasser</translation>
    </message>
    <message>
        <source>Petrol</source>
        <translation>Benzin</translation>
    </message>
    <message>
        <source>Diesel</source>
        <translation>Diesel</translation>
    </message>
    <message>
        <source>Waste</source>
        <translation>Abwasser</translation>
    </message>
    <message>
        <source>Top Limit</source>
        <translation>Obere Grenze</translation>
    </message>
    <message>
        <source>Bottom Limit</source>
        <translation>Untere Grenze</translation>
    </message>
    <message>
        <source>Level A</source>
        <translation>Stufe A</translation>
    </message>
    <message>
        <source>Level B</source>
        <translation>Stufe B</translation>
    </message>
    <message>
        <source>Level C</source>
        <translation>Stufe C</translation>
    </message>
    <message>
        <source>Level D</source>
        <translation>Stufe D</translation>
    </message>
    <message>
        <source>Output Type</source>
        <translation>Ausgangsart</translation>
    </message>
    <message>
        <source>Fluid Type</source>
        <translation>Medium</translation>
    </message>
    <message>
        <source>Save Setup Sheet</source>
        <translation>Einrichtungsblatt speichern</translation>
    </message>
    <message>
        <source>error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>info</source>
        <translation>Hinweis</translation>
    </message>
    <message>
        <source>under 0.01 points</source>
        <translation>unter 0.01 Punkte</translation>
    </message>
    <message>
        <source>%1 points at %2 in (%3 % of H)</source>
        <translation>%1 Punkte bei %2 in (%3 % von H)</translation>
    </message>
    <message>
        <source>%1 points at %2 mm (%3 % of H)</source>
        <translation>%1 Punkte bei %2 mm (%3 % von H)</translation>
    </message>
    <message>
        <source>Height (in)</source>
        <translation>Höhe (in)</translation>
    </message>
    <message>
        <source>Height (mm)</source>
        <translation>Höhe (mm)</translation>
    </message>
    <message>
        <source>Percent</source>
        <translation>Prozent</translation>
    </message>
    <message>
        <source>Gauge %</source>
        <translation>Anzeige %</translation>
    </message>
    <message>
        <source>Volume (%1)</source>
        <translation>Volumen (%1)</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 existiert bereits.
Soll die Datei ersetzt werden?</translation>
    </message>
    <message>
        <source>Invalid data in Set Level A! Level A must be an integer, &gt;= 0 and &lt;= 100!</source>
        <translation>Ungültige Eingabe bei Stufe A! Stufe A muss eine ganze Zahl von 0 bis 100 sein!</translation>
    </message>
    <message>
        <source>Invalid data in Set Level B! Level B must be an integer, &gt;= 0 and &lt;= 100!</source>
        <translation>Ungültige Eingabe bei Stufe B! Stufe B muss eine ganze Zahl von 0 bis 100 sein!</translation>
    </message>
    <message>
        <source>Level A cannot be equal or greater than Level B!</source>
        <translation>Stufe A darf nicht gleich oder größer als Stufe B sein!</translation>
    </message>
    <message>
        <source>Invalid data in Set Level C! Level C must be an integer, &gt;= 0 and &lt;= 100!</source>
        <translation>Ungültige Eingabe bei Stufe C! Stufe C muss eine ganze Zahl von 0 bis 100 sein!</translation>
    </message>
    <message>
        <source>Level B cannot be equal or greater than Level C!</source>
        <translation>Stufe B darf nicht gleich oder größer als Stufe C sein!</translation>
    </message>
    <message>
        <source>Invalid data in Set Level D! Level D must be an integer, &gt;= 0 and &lt;= 100!</source>
        <translation>Ungültige Eingabe bei Stufe D! Stufe D muss eine ganze Zahl von 0 bis 100 sein!</translation>
    </message>
    <message>
        <source>Level C cannot be equal or greater than Level D!</source>
        <translation>Stufe C darf nicht gleich oder größer als Stufe D sein!</translation>
    </message>
    <message>
        <source>Invalid data in Set Top Limit! Top Limit must be an integer, &gt;= 10 and &lt;= 1000!</source>
        <translation>Ungültige obere Grenze! Die obere Grenze muss eine ganze Zahl von 10 bis 1000 sein!</translation>
    </message>
    <message>
        <source>The top limit should be 10mm except where tank sender spacer is used. Are you sure to set it to %1mm?</source>
        <translation>Die obere Grenze sollte 10mm betragen, außer wenn ein Distanzstück für den Geber verwendet wird. Soll sie wirklich auf %1mm gesetzt werden?</translation>
    </message>
    <message>
        <source>Invalid data in Set Bottom Limit! Bottom Limit must be an integer, &gt;= 100 and &lt;= 2000!</source>
        <translation>Ungültige untere Grenze! Die untere Grenze muss eine ganze Zahl von 100 bis 2000 sein!</translation>
    </message>
    <message>
        <source>Top Limit cannot be equal or greater than Bottom Limit!</source>
        <translation>Die obere Grenze darf nicht gleich oder größer als die untere Grenze sein!</translation>
    </message>
    <message>
        <source>Invalid input for step value! The table would have more than %1 rows.</source>
        <translation>Ungültige Eingabe für die Schrittweite! Die Tabelle hätte mehr als %1 Zeilen.</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportieren</translation>
    </message>
    <message>
        <source>Connect the next sender</source>
        <translation>Nächsten Geber anschließen</translation>
    </message>
    <message>
        <source>Programming sender %1</source>
        <translation>Geber %1 wird programmiert</translation>
    </message>
    <message>
        <source>Sender %1 programmed and verified: disconnect it</source>
        <translation>Geber %1 programmiert und geprüft: abklemmen</translation>
    </message>
    <message>
        <source>Sender %1 FAILED: %2</source>
        <translation>Geber %1 FEHLGESCHLAGEN: %2</translation>
    </message>
    <message>
        <source>Programmed %1, failed %2</source>
        <translation>Programmiert %1, fehlgeschlagen %2</translation>
    </message>
    <message>
        <source>, %1 s per sender</source>
        <translation>, %1 s pro Geber</translation>
    </message>
    <message>
        <source>Row %1: the first line must name a height column (height, level, depth or dip) and a volume column (volume, content, contents or capacity), a unit in brackets after the word if need be.</source>
        <translation>Zeile %1: Die erste Zeile muss eine Höhenspalte (height, level, depth oder dip) und eine Volumenspalte (volume, content, contents oder capacity) benennen, bei Bedarf mit einer Einheit in Klammern nach dem Wort.</translation>
    </message>
    <message>
        <source>Row %1: more cells than the first line has (a decimal comma needs semicolons between the cells).</source>
        <translation>Zeile %1: mehr Zellen als die erste Zeile (ein Dezimalkomma verlangt Semikolons zwischen den Zellen).</translation>
    </message>
    <message>
        <source>Row %1: there is no height.</source>
        <translation>Zeile %1: Es fehlt die Höhe.</translation>
    </message>
    <message>
        <source>Row %1: there is no volume.</source>
        <translation>Zeile %1: Es fehlt das Volumen.</translation>
    </message>
    <message>
        <source>Row %1: the height %2 is not a number.</source>
        <translation>Zeile %1: Die Höhe %2 ist keine Zahl.</translation>
    </message>
    <message>
        <source>Row %1: the volume %2 is not a number.</source>
        <translation>Zeile %1: Das Volumen %2 ist keine Zahl.</translation>
    </message>
    <message>
        <source>Row %1: the height %2 is negative.</source>
        <translation>Zeile %1: Die Höhe %2 ist negativ.</translation>
    </message>
    <message>
        <source>Row %1: the volume %2 is negative.</source>
        <translation>Zeile %1: Das Volumen %2 ist negativ.</translation>
    </message>
    <message>
        <source>Row %1: the height %2 is too large.</source>
        <translation>Zeile %1: Die Höhe %2 ist zu groß.</translation>
    </message>
    <message>
        <source>Row %1: the volume %2 is too large.</source>
        <translation>Zeile %1: Das Volumen %2 ist zu groß.</translation>
    </message>
    <message>
        <source>The table needs at least three rows; it has %1.</source>
        <translation>Die Tabelle braucht mindestens drei Zeilen; sie hat %1.</translation>
    </message>
    <message>
        <source>Row %1: the height %2 is already in row %3.</source>
        <translation>Zeile %1: Die Höhe %2 steht schon in Zeile %3.</translation>
    </message>
    <message>
        <source>Row %1: the volume %2 is less than the %3 of row %4, which is lower down.</source>
        <translation>Zeile %1: Das Volumen %2 ist kleiner als die %3 der tiefer liegenden Zeile %4.</translation>
    </message>
    <message>
        <source>The file %1 does not exist.</source>
        <translation>Die Datei %1 existiert nicht.</translation>
    </message>
    <message>
        <source>The file %1 is not a regular file.</source>
        <translation>Die Datei %1 ist keine gewöhnliche Datei.</translation>
    </message>
    <message>
        <source>The file %1 is too large for a measured table.</source>
        <translation>Die Datei %1 ist zu groß für eine Messtabelle.</translation>
    </message>
    <message>
        <source>The file %1 cannot be read: %2.</source>
        <translation>Die Datei %1 kann nicht gelesen werden: %2.</translation>
    </message>
    <message>
        <source>Sender simulated by this program, no hardware</source>
        <translation>Von diesem Programm simulierter Geber, keine Hardware</translation>
    </message>
    <message>
        <source>Senders simulated by this program one after another, no hardware</source>
        <translation>Von diesem Programm nacheinander simulierte Geber, keine Hardware</translation>
    </message>
    <message>
        <source>open the Device Manager (devmgmt.msc), right-click the adapter, choose Uninstall device, then plug the adapter in again</source>
        <translation>den Geräte-Manager (devmgmt.msc) öffnen, mit der rechten Maustaste auf den Adapter klicken, „Gerät deinstallieren“ wählen, dann den Adapter wieder einstecken</translation>
    </message>
    <message>
        <source>install the adapter&apos;s driver from its maker (or let Windows Update find it), then plug the adapter in again</source>
        <translation>den Treiber des Adapters vom Hersteller installieren (oder von Windows Update suchen lassen), dann den Adapter wieder einstecken</translation>
    </message>
    <message>
        <source>it is not configured</source>
        <translation>das Gerät ist nicht konfiguriert</translation>
    </message>
    <message>
        <source>it could not start</source>
        <translation>das Gerät konnte nicht starten</translation>
    </message>
    <message>
        <source>it finds no free resources</source>
        <translation>das Gerät findet keine freien Ressourcen</translation>
    </message>
    <message>
        <source>it works only after a restart</source>
        <translation>das Gerät funktioniert erst nach einem Neustart</translation>
    </message>
    <message>
        <source>restart the computer</source>
        <translation>den Computer neu starten</translation>
    </message>
    <message>
        <source>its driver must be installed again</source>
        <translation>sein Treiber muss neu installiert werden</translation>
    </message>
    <message>
        <source>it is disabled</source>
        <translation>das Gerät ist deaktiviert</translation>
    </message>
    <message>
        <source>open the Device Manager (devmgmt.msc), right-click the adapter, choose Enable device</source>
        <translation>den Geräte-Manager (devmgmt.msc) öffnen, mit der rechten Maustaste auf den Adapter klicken, „Gerät aktivieren“ wählen</translation>
    </message>
    <message>
        <source>it is not connected</source>
        <translation>das Gerät ist nicht verbunden</translation>
    </message>
    <message>
        <source>plug the adapter in again, or into another USB socket</source>
        <translation>den Adapter wieder einstecken, oder in eine andere USB-Buchse</translation>
    </message>
    <message>
        <source>its driver is not installed</source>
        <translation>sein Treiber ist nicht installiert</translation>
    </message>
    <message>
        <source>its driver does not load</source>
        <translation>sein Treiber lädt nicht</translation>
    </message>
    <message>
        <source>its driver&apos;s service is disabled</source>
        <translation>der Dienst seines Treibers ist deaktiviert</translation>
    </message>
    <message>
        <source>Windows stopped it because it reported problems</source>
        <translation>Windows hat das Gerät angehalten, weil es Probleme gemeldet hat</translation>
    </message>
    <message>
        <source>plug the adapter into another USB socket; if that does not help, the adapter is faulty or a copy its maker&apos;s driver refuses</source>
        <translation>den Adapter in eine andere USB-Buchse stecken; hilft das nicht, ist der Adapter defekt oder eine Kopie, die der Treiber des Herstellers ablehnt</translation>
    </message>
    <message>
        <source>its driver is blocked or not signed</source>
        <translation>sein Treiber ist blockiert oder nicht signiert</translation>
    </message>
    <message>
        <source>the Device Manager shows a problem (code %1)</source>
        <translation>der Geräte-Manager zeigt ein Problem (Code %1)</translation>
    </message>
    <message>
        <source>then log out and log in again</source>
        <translation>dann ab- und wieder anmelden</translation>
    </message>
    <message>
        <source>give the port to the serial group with a udev rule that sets %1</source>
        <translation>den Port mit einer udev-Regel, die %1 setzt, der seriellen Gruppe geben</translation>
    </message>
    <message>
        <source>plug in the adapter</source>
        <translation>den Adapter einstecken</translation>
    </message>
    <message>
        <source>plug in the adapter, or choose a port that is there: %1</source>
        <translation>den Adapter einstecken oder einen vorhandenen Port wählen: %1</translation>
    </message>
    <message>
        <source>%1 may be used by the group &quot;%2&quot;, and the user %3 is not in it.</source>
        <translation>%1 darf nur die Gruppe „%2“ benutzen, und der Benutzer %3 gehört ihr nicht an.</translation>
    </message>
    <message>
        <source>%1 may be used by its owner %2 only (mode %3).</source>
        <translation>%1 darf nur sein Eigentümer %2 benutzen (Modus %3).</translation>
    </message>
    <message>
        <source>The user %1 is in the group &quot;%2&quot; that may use %3, but this session started before that and does not have the group yet.</source>
        <translation>Der Benutzer %1 gehört der Gruppe „%2“ an, die %3 benutzen darf, aber diese Sitzung begann davor und hat die Gruppe noch nicht.</translation>
    </message>
    <message>
        <source>log out and log in again (or restart the computer)</source>
        <translation>ab- und wieder anmelden (oder den Computer neu starten)</translation>
    </message>
    <message>
        <source>%1 is open in another program: %2.</source>
        <translation>%1 ist in einem anderen Programm geöffnet: %2.</translation>
    </message>
    <message>
        <source>or close %1</source>
        <translation>oder %1 schließen</translation>
    </message>
    <message>
        <source>%1 is held in exclusive mode by a program this user cannot see (a service or another user&apos;s program).</source>
        <translation>%1 wird exklusiv von einem Programm belegt, das dieser Benutzer nicht sieht (ein Dienst oder das Programm eines anderen Benutzers).</translation>
    </message>
    <message>
        <source>fuser names the program; close it or stop its service</source>
        <translation>fuser nennt das Programm; es schließen oder seinen Dienst beenden</translation>
    </message>
    <message>
        <source>%1 does not open: %2.</source>
        <translation>%1 lässt sich nicht öffnen: %2.</translation>
    </message>
    <message>
        <source>unplug the adapter and plug it in again</source>
        <translation>den Adapter abziehen und wieder einstecken</translation>
    </message>
    <message>
        <source>The braille display daemon (brltty) claims USB id %1 in its rule %2, so this adapter&apos;s serial port goes away as soon as it is plugged in.</source>
        <translation>Der Braillezeilen-Dienst (brltty) beansprucht die USB-ID %1 in seiner Regel %2, deshalb verschwindet der serielle Port dieses Adapters, sobald er eingesteckt wird.</translation>
    </message>
    <message>
        <source>then plug the adapter in again; where no braille display is used, removing brltty does too</source>
        <translation>dann den Adapter wieder einstecken; wo keine Braillezeile benutzt wird, hilft auch das Entfernen von brltty</translation>
    </message>
    <message>
        <source>ModemManager is running and takes %1 for a modem: it sends the adapter AT commands and holds the port after it is plugged in.</source>
        <translation>ModemManager läuft und hält %1 für ein Modem: Er sendet dem Adapter AT-Befehle und belegt den Port nach dem Einstecken.</translation>
    </message>
    <message>
        <source>or stop ModemManager: %1</source>
        <translation>oder ModemManager beenden: %1</translation>
    </message>
    <message>
        <source>then plug the adapter in again; %1</source>
        <translation>dann den Adapter wieder einstecken; %1</translation>
    </message>
    <message>
        <source>The USB serial adapter %1 has no driver, so it has no serial port.</source>
        <translation>Der USB-Seriell-Adapter %1 hat keinen Treiber und deshalb keinen seriellen Port.</translation>
    </message>
    <message>
        <source>No serial port was found.</source>
        <translation>Es wurde kein serieller Port gefunden.</translation>
    </message>
    <message>
        <source>plug in the adapter (check its cable, try another USB socket), then run this again</source>
        <translation>den Adapter einstecken (Kabel prüfen, eine andere USB-Buchse versuchen), dann die Prüfung wiederholen</translation>
    </message>
    <message>
        <source>%1 is not there.</source>
        <translation>%1 ist nicht vorhanden.</translation>
    </message>
    <message>
        <source>%1 is not a serial port: it is %2.</source>
        <translation>%1 ist kein serieller Port, sondern %2.</translation>
    </message>
    <message>
        <source>%1 is the terminal this program runs in, not a serial port.</source>
        <translation>%1 ist das Terminal, in dem dieses Programm läuft, kein serieller Port.</translation>
    </message>
    <message>
        <source>%1 does not work: %2.</source>
        <translation>%1 funktioniert nicht: %2.</translation>
    </message>
    <message>
        <source>%1 is in use by another program.</source>
        <translation>%1 wird von einem anderen Programm benutzt.</translation>
    </message>
    <message>
        <source>close the program that uses %1 (a terminal program, an IDE&apos;s serial monitor)</source>
        <translation>das Programm schließen, das %1 benutzt (ein Terminalprogramm, den seriellen Monitor einer IDE)</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 und %2</translation>
    </message>
    <message>
        <source>a folder</source>
        <translation>ein Ordner</translation>
    </message>
    <message>
        <source>a regular file</source>
        <translation>eine gewöhnliche Datei</translation>
    </message>
    <message>
        <source>a named pipe (FIFO)</source>
        <translation>eine benannte Pipe (FIFO)</translation>
    </message>
    <message>
        <source>a socket</source>
        <translation>ein Socket</translation>
    </message>
    <message>
        <source>a block device (a disk)</source>
        <translation>ein Blockgerät (ein Datenträger)</translation>
    </message>
    <message>
        <source>a device that is not a terminal</source>
        <translation>ein Gerät, das kein Terminal ist</translation>
    </message>
    <message>
        <source>Top Limit (Millimetre)</source>
        <translation>Obere Grenze (Millimeter)</translation>
    </message>
    <message>
        <source>Bottom Limit (Millimetre)</source>
        <translation>Untere Grenze (Millimeter)</translation>
    </message>
    <message>
        <source>Level A = 20% of Tank Level</source>
        <translation>Stufe A = 20 % der Tankhöhe</translation>
    </message>
    <message>
        <source>Level B = 40% of Tank Level</source>
        <translation>Stufe B = 40 % der Tankhöhe</translation>
    </message>
    <message>
        <source>Level C = 60% of Tank Level</source>
        <translation>Stufe C = 60 % der Tankhöhe</translation>
    </message>
    <message>
        <source>Level D = 80% of Tank Level</source>
        <translation>Stufe D = 80 % der Tankhöhe</translation>
    </message>
</context>
<context>
    <name>JpegPicture</name>
    <message>
        <source>the file is empty</source>
        <translation>die Datei ist leer</translation>
    </message>
    <message>
        <source>the file is not a readable JPEG picture (%1)</source>
        <translation>die Datei ist kein lesbares JPEG-Bild (%1)</translation>
    </message>
    <message>
        <source>there is not enough memory for the picture</source>
        <translation>für das Bild ist nicht genug Speicher frei</translation>
    </message>
    <message>
        <source>the file does not exist</source>
        <translation>die Datei existiert nicht</translation>
    </message>
    <message>
        <source>the file cannot be opened (%1)</source>
        <translation>die Datei lässt sich nicht öffnen (%1)</translation>
    </message>
    <message>
        <source>the file is too large for a picture</source>
        <translation>die Datei ist für ein Bild zu groß</translation>
    </message>
    <message>
        <source>the file cannot be read (%1)</source>
        <translation>die Datei lässt sich nicht lesen (%1)</translation>
    </message>
    <message>
        <source>Cannot load the picture &quot;%1&quot;: %2.</source>
        <translation>Das Bild „%1“ kann nicht geladen werden: %2.</translation>
    </message>
</context>
<context>
    <name>QtFileDialogs</name>
    <message>
        <source>All Files (*.*)</source>
        <translation>Alle Dateien (*.*)</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Alle Dateien (*)</translation>
    </message>
    <message>
        <source>ZEFT Config Files (*.zcf)</source>
        <translation>ZEFT-Konfigurationsdateien (*.zcf)</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Speichern unter</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
</context>
<context>
    <name>QtPrompts</name>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Bestätigen</translation>
    </message>
</context>
<context>
    <name>SetupSheet</name>
    <message>
        <source>(none selected)</source>
        <translation>(nichts gewählt)</translation>
    </message>
    <message>
        <source>no parity</source>
        <translation>keine Parität</translation>
    </message>
    <message>
        <source>odd parity</source>
        <translation>ungerade Parität</translation>
    </message>
    <message>
        <source>even parity</source>
        <translation>gerade Parität</translation>
    </message>
    <message>
        <source>mark parity</source>
        <translation>Mark-Parität</translation>
    </message>
    <message>
        <source>space parity</source>
        <translation>Space-Parität</translation>
    </message>
    <message>
        <source>1.5 stop bits</source>
        <translation>1.5 Stoppbits</translation>
    </message>
    <message>
        <source>2 stop bits</source>
        <translation>2 Stoppbits</translation>
    </message>
    <message>
        <source>1 stop bit</source>
        <translation>1 Stoppbit</translation>
    </message>
    <message>
        <source>Serial Port</source>
        <translation>Serieller Port</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>%1 (not open)</source>
        <translation>%1 (nicht offen)</translation>
    </message>
    <message>
        <source>Line settings</source>
        <translation>Leitungseinstellungen</translation>
    </message>
    <message>
        <source>%1 baud, %2 data bits, %3, %4</source>
        <translation>%1 Baud, %2 Datenbits, %3, %4</translation>
    </message>
    <message>
        <source>Sender Settings</source>
        <translation>Gebereinstellungen</translation>
    </message>
    <message>
        <source>As Found</source>
        <translation>Vorgefunden</translation>
    </message>
    <message>
        <source>As Left</source>
        <translation>Hinterlassen</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Volumen</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Höhe</translation>
    </message>
    <message>
        <source>Measured Table</source>
        <translation>Messtabelle</translation>
    </message>
    <message>
        <source>Shape</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Levels from the Volume Calculator</source>
        <translation>Stufen aus der Berechnung über das Volumen</translation>
    </message>
    <message>
        <source>Levels from the Height Calculator</source>
        <translation>Stufen aus der Berechnung über die Höhe</translation>
    </message>
    <message>
        <source>Levels from the Measured Table Calculator</source>
        <translation>Stufen aus der Berechnung über die Messtabelle</translation>
    </message>
    <message>
        <source>Levels from the Shape Calculator</source>
        <translation>Stufen aus der Berechnung über die Tankform</translation>
    </message>
    <message>
        <source>Inch</source>
        <translation>Zoll</translation>
    </message>
    <message>
        <source>Millimetre</source>
        <translation>Millimeter</translation>
    </message>
    <message>
        <source>Calculator</source>
        <translation>Berechnung</translation>
    </message>
    <message>
        <source>Non-Linearization &gt; %1...</source>
        <translation>Linearisierung &gt; %1...</translation>
    </message>
    <message>
        <source>Calculation</source>
        <translation>Berechnung</translation>
    </message>
    <message>
        <source>none: the window&apos;s starting values were handed over</source>
        <translation>keine: die Startwerte des Fensters wurden übernommen</translation>
    </message>
    <message>
        <source>, half tank</source>
        <translation>, halber Tank</translation>
    </message>
    <message>
        <source>, 10% reserve</source>
        <translation>, 10 % Reserve</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>Einheit</translation>
    </message>
    <message>
        <source>... %1 more lines not printed</source>
        <translation>... %1 weitere Zeilen nicht gedruckt</translation>
    </message>
    <message>
        <source>ZEFT Programmer - Setup Sheet</source>
        <translation>ZEFT Programmer - Einrichtungsblatt</translation>
    </message>
    <message>
        <source>Sender&apos;s Reply as Last Read</source>
        <translation>Antwort des Gebers beim letzten Auslesen</translation>
    </message>
    <message>
        <source>changed</source>
        <translation>geändert</translation>
    </message>
    <message>
        <source>Adapter</source>
        <translation>Adapter</translation>
    </message>
    <message>
        <source> at %1</source>
        <translation> am %1</translation>
    </message>
    <message>
        <source>As Found: read from the sender%1, before it was programmed. Rows marked &quot;%2&quot; differ between what the sender held then and what it reported after.</source>
        <translation>Vorgefunden: aus dem Geber gelesen%1, vor dem Programmieren. Mit „%2“ markierte Zeilen unterscheiden sich zwischen dem damaligen Stand des Gebers und seiner Meldung danach.</translation>
    </message>
    <message>
        <source>The sender was not read before programming (with no program, restore or change of port between), so what it held before is not known.</source>
        <translation>Der Geber wurde vor dem Programmieren nicht ausgelesen (ohne Programmieren, Werkseinstellung oder Portwechsel dazwischen); sein vorheriger Stand ist daher nicht bekannt.</translation>
    </message>
    <message>
        <source>Largest gauge error (percentage points of the full content)</source>
        <translation>Größter Anzeigefehler (Prozentpunkte des vollen Inhalts)</translation>
    </message>
    <message>
        <source>(none given)</source>
        <translation>(keine Angabe)</translation>
    </message>
    <message>
        <source>Job</source>
        <translation>Auftrag</translation>
    </message>
    <message>
        <source>Label</source>
        <translation>Bezeichnung</translation>
    </message>
    <message>
        <source>Installer</source>
        <translation>Monteur</translation>
    </message>
    <message>
        <source>Owner</source>
        <translation>Eigner</translation>
    </message>
    <message>
        <source>Operation</source>
        <translation>Vorgang</translation>
    </message>
    <message>
        <source>Sender Settings (as sent; the sender reported none)</source>
        <translation>Gebereinstellungen (wie gesendet; der Geber meldete keine)</translation>
    </message>
    <message>
        <source>Tank with two sloping sections</source>
        <translation>Tank mit zwei schrägen Abschnitten</translation>
    </message>
    <message>
        <source>Straight-sided tank on a narrowing bottom</source>
        <translation>Gerader Tank auf sich verjüngendem Boden</translation>
    </message>
    <message>
        <source>Tank narrowing to a point, with a sloping top part</source>
        <translation>Spitz zulaufender Tank mit schrägem Oberteil</translation>
    </message>
    <message>
        <source>Straight-sided tank on a bottom narrowing to a point</source>
        <translation>Gerader Tank auf spitz zulaufendem Boden</translation>
    </message>
    <message>
        <source>Tank with one sloping section</source>
        <translation>Tank mit einem schrägen Abschnitt</translation>
    </message>
    <message>
        <source>V-shaped tank</source>
        <translation>V-förmiger Tank</translation>
    </message>
    <message>
        <source>Rectangular box</source>
        <translation>Rechteckiger Kasten</translation>
    </message>
    <message>
        <source>Box under a widening top part</source>
        <translation>Kasten unter breiter werdendem Oberteil</translation>
    </message>
    <message>
        <source>Stepped tank: two boxes</source>
        <translation>Stufentank: zwei Kästen</translation>
    </message>
    <message>
        <source>Stepped tank on a widening bottom</source>
        <translation>Stufentank auf breiter werdendem Boden</translation>
    </message>
    <message>
        <source>Stepped tank with a widening top and bottom</source>
        <translation>Stufentank mit breiter werdendem Ober- und Unterteil</translation>
    </message>
    <message>
        <source>Horizontal cylinder</source>
        <translation>Liegender Zylinder</translation>
    </message>
    <message>
        <source>Horizontal oval</source>
        <translation>Liegendes Oval</translation>
    </message>
    <message>
        <source>Horizontal cylinder with hemispherical heads</source>
        <translation>Liegender Zylinder mit Halbkugelböden</translation>
    </message>
    <message>
        <source>Horizontal cylinder with 2:1 semi-ellipsoidal heads</source>
        <translation>Liegender Zylinder mit elliptischen 2:1-Böden</translation>
    </message>
    <message>
        <source>Horizontal cylinder with DIN 28011 heads</source>
        <translation>Liegender Zylinder mit Klöpperböden nach DIN 28011</translation>
    </message>
    <message>
        <source>Sphere</source>
        <translation>Kugel</translation>
    </message>
    <message>
        <source>Vertical cylinder on a cone bottom</source>
        <translation>Stehender Zylinder auf Kegelboden</translation>
    </message>
    <message>
        <source>Shape %1</source>
        <translation>Form %1</translation>
    </message>
    <message>
        <source>not read before programming</source>
        <translation>vor dem Programmieren nicht gelesen</translation>
    </message>
</context>
<context>
    <name>SetupSheetPdf</name>
    <message>
        <source>(nothing has been read from the sender in this run)</source>
        <translation>(in dieser Sitzung wurde nichts vom Geber gelesen)</translation>
    </message>
    <message>
        <source>Date: </source>
        <translation>Datum: </translation>
    </message>
    <message>
        <source>(The shape&apos;s picture %1 could not be loaded: %2)</source>
        <translation>(Das Bild der Form %1 konnte nicht geladen werden: %2)</translation>
    </message>
</context>
<context>
    <name>TankChartPdf</name>
    <message>
        <source>Tank Chart</source>
        <translation>Peiltabelle</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Seite %1 von %2</translation>
    </message>
</context>
<context>
    <name>zeft::TBatteryTestForm</name>
    <message>
        <source>Step 1: Press the TEST button to power on</source>
        <translation>Schritt 1: TEST drücken, um die</translation>
    </message>
    <message>
        <source>the programming interface.</source>
        <translation>Programmierschnittstelle einzuschalten.</translation>
    </message>
    <message>
        <source>Step 2: Measure the voltage between the</source>
        <translation>Schritt 2: Spannung zwischen der roten</translation>
    </message>
    <message>
        <source>red and black terminals.</source>
        <translation>und der schwarzen Klemme messen.</translation>
    </message>
    <message>
        <source>Step 3: Replace battery if below 8 Volts.</source>
        <translation>Schritt 3: Batterie unter 8 Volt ersetzen.</translation>
    </message>
    <message>
        <source>Power is</source>
        <translation>Versorgung</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>AUS</translation>
    </message>
    <message>
        <source>TEST</source>
        <translation>TEST</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Battery Test</source>
        <translation>Batterietest</translation>
    </message>
    <message>
        <source>ON</source>
        <translation>EIN</translation>
    </message>
</context>
<context>
    <name>zeft::TJobForm</name>
    <message>
        <source>Job</source>
        <translation>Auftrag</translation>
    </message>
    <message>
        <source>Sea Breeze 42 / fresh water</source>
        <translation>Sea Breeze 42 / Frischwasser</translation>
    </message>
    <message>
        <source>Job &amp;label (vessel or site, tank, text):</source>
        <translation>Auftrags&amp;bezeichnung (Schiff oder Ort, Tank, Text):</translation>
    </message>
    <message>
        <source>&amp;Installer:</source>
        <translation>&amp;Monteur:</translation>
    </message>
    <message>
        <source>&amp;Read the sender before programming</source>
        <translation>Geber vor dem Programmieren &amp;auslesen</translation>
    </message>
    <message>
        <source>Program Device then reads the sender first and keeps what it held as the setup sheet&apos;s As Found; it programs nothing when that read fails.</source>
        <translation>„Geber programmieren“ liest den Geber dann zuerst aus und übernimmt seinen Stand als „Vorgefunden“ des Einrichtungsblatts; schlägt dieses Auslesen fehl, wird nichts programmiert.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>zeft::TJobHistoryForm</name>
    <message>
        <source>(none selected)</source>
        <translation>(nichts gewählt)</translation>
    </message>
    <message>
        <source>Job History</source>
        <translation>Auftragsverlauf</translation>
    </message>
    <message>
        <source>%1 records in %2</source>
        <translation>%1 Einträge in %2</translation>
    </message>
    <message>
        <source>The job history %1 cannot be read: %2</source>
        <translation>Der Auftragsverlauf %1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>; %1 lines that are not whole records were skipped</source>
        <translation>; %1 unvollständige Zeilen wurden übersprungen</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>Operation</source>
        <translation>Vorgang</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>Outcome</source>
        <translation>Ergebnis</translation>
    </message>
    <message>
        <source>&amp;Settings of the selected record:</source>
        <translation>Ein&amp;stellungen des gewählten Eintrags:</translation>
    </message>
    <message>
        <source>Sent</source>
        <translation>Gesendet</translation>
    </message>
    <message>
        <source>Reported</source>
        <translation>Gemeldet</translation>
    </message>
    <message>
        <source>&amp;Load into Window</source>
        <translation>In Fenster &amp;laden</translation>
    </message>
    <message>
        <source>&amp;Compare with Window</source>
        <translation>Mit Fenster &amp;vergleichen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>as the sender reported them</source>
        <translation>wie der Geber sie meldete</translation>
    </message>
    <message>
        <source>as the program sent them</source>
        <translation>wie das Programm sie sendete</translation>
    </message>
    <message>
        <source>the %1 of %2 on %3, %4</source>
        <translation>Vorgang „%1“ vom %2 an %3, %4</translation>
    </message>
    <message>
        <source>Compare with Window</source>
        <translation>Mit Fenster vergleichen</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Eintrag</translation>
    </message>
    <message>
        <source>Window</source>
        <translation>Fenster</translation>
    </message>
    <message>
        <source>the settings in the main window</source>
        <translation>die Einstellungen im Hauptfenster</translation>
    </message>
    <message>
        <source>&amp;Records, newest first:</source>
        <translation>&amp;Einträge, neueste zuerst:</translation>
    </message>
    <message>
        <source>Label</source>
        <translation>Bezeichnung</translation>
    </message>
    <message>
        <source>Installer</source>
        <translation>Monteur</translation>
    </message>
    <message>
        <source>As Found</source>
        <translation>Vorgefunden</translation>
    </message>
    <message>
        <source>&amp;Export...</source>
        <translation>E&amp;xportieren...</translation>
    </message>
    <message>
        <source>Setup S&amp;heet...</source>
        <translation>Einrich&amp;tungsblatt...</translation>
    </message>
    <message>
        <source>any part of the label</source>
        <translation>beliebiger Teil der Bezeichnung</translation>
    </message>
    <message>
        <source>La&amp;bel:</source>
        <translation>Beze&amp;ichnung:</translation>
    </message>
    <message>
        <source>&amp;Port:</source>
        <translation>&amp;Port:</translation>
    </message>
    <message>
        <source>&amp;Operation:</source>
        <translation>V&amp;organg:</translation>
    </message>
    <message>
        <source>O&amp;utcome:</source>
        <translation>Er&amp;gebnis:</translation>
    </message>
    <message>
        <source>&amp;From:</source>
        <translation>Vo&amp;n:</translation>
    </message>
    <message>
        <source>&amp;To:</source>
        <translation>&amp;Bis:</translation>
    </message>
    <message>
        <source>YYYY-MM-DD</source>
        <translation>JJJJ-MM-TT</translation>
    </message>
    <message>
        <source>All ports</source>
        <translation>Alle Ports</translation>
    </message>
    <message>
        <source>All operations</source>
        <translation>Alle Vorgänge</translation>
    </message>
    <message>
        <source>read</source>
        <translation>Auslesen</translation>
    </message>
    <message>
        <source>program</source>
        <translation>Programmieren</translation>
    </message>
    <message>
        <source>restore</source>
        <translation>Werkseinstellung</translation>
    </message>
    <message>
        <source>All outcomes</source>
        <translation>Alle Ergebnisse</translation>
    </message>
    <message>
        <source>success</source>
        <translation>erfolgreich</translation>
    </message>
    <message>
        <source>failure</source>
        <translation>fehlgeschlagen</translation>
    </message>
    <message>
        <source>&amp;Records, newest first: %1 of %2</source>
        <translation>&amp;Einträge, neueste zuerst: %1 von %2</translation>
    </message>
</context>
<context>
    <name>zeft::TMain_Form</name>
    <message>
        <source>See Com Port &gt; Diagnose...</source>
        <translation>Siehe COM-Port &gt; Diagnose...</translation>
    </message>
    <message>
        <source>Sensor Parameters</source>
        <translation>Geberparameter</translation>
    </message>
    <message>
        <source>Output Type</source>
        <translation>Ausgangsart</translation>
    </message>
    <message>
        <source>Fluid Type</source>
        <translation>Medium</translation>
    </message>
    <message>
        <source>Set Top Limit (Millimetre)</source>
        <translation>Obere Grenze (Millimeter)</translation>
    </message>
    <message>
        <source>Set Top Limit: 10 to 1000</source>
        <translation>Obere Grenze: 10 bis 1000</translation>
    </message>
    <message>
        <source>Set Bottom Limit (Millimetre)</source>
        <translation>Untere Grenze (Millimeter)</translation>
    </message>
    <message>
        <source>Set Bottom Limit: 100 to 2000</source>
        <translation>Untere Grenze: 100 bis 2000</translation>
    </message>
    <message>
        <source>1 inch = 25.4 millimetre</source>
        <translation>1 Zoll = 25.4 Millimeter</translation>
    </message>
    <message>
        <source>Tank Linearization Parameters</source>
        <translation>Tank-Linearisierung</translation>
    </message>
    <message>
        <source>Set Level A = 20% of Tank Level</source>
        <translation>Stufe A = 20 % der Tankhöhe</translation>
    </message>
    <message>
        <source>Set Level B = 40% of Tank Level</source>
        <translation>Stufe B = 40 % der Tankhöhe</translation>
    </message>
    <message>
        <source>Set Level C = 60% of Tank Level</source>
        <translation>Stufe C = 60 % der Tankhöhe</translation>
    </message>
    <message>
        <source>Set Level D = 80% of Tank Level</source>
        <translation>Stufe D = 80 % der Tankhöhe</translation>
    </message>
    <message>
        <source>Set Level A: 0 to 100</source>
        <translation>Stufe A: 0 bis 100</translation>
    </message>
    <message>
        <source>Set Level B: 0 to 100</source>
        <translation>Stufe B: 0 bis 100</translation>
    </message>
    <message>
        <source>Set Level C: 0 to 100</source>
        <translation>Stufe C: 0 bis 100</translation>
    </message>
    <message>
        <source>Set Level D: 0 to 100</source>
        <translation>Stufe D: 0 bis 100</translation>
    </message>
    <message>
        <source>Current Settings:</source>
        <translation>Aktuelle Einstellungen:</translation>
    </message>
    <message>
        <source>Read Device</source>
        <translation>Geber auslesen</translation>
    </message>
    <message>
        <source>Program Device</source>
        <translation>Geber programmieren</translation>
    </message>
    <message>
        <source>Restore Default</source>
        <translation>Werkseinstellung</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Load...</source>
        <translation>&amp;Laden...</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Speichern &amp;unter...</translation>
    </message>
    <message>
        <source>Compare with File...</source>
        <translation>Mit Datei vergleichen...</translation>
    </message>
    <message>
        <source>Compare with Device</source>
        <translation>Mit Geber vergleichen</translation>
    </message>
    <message>
        <source>Save Setup Sheet...</source>
        <translation>Einrichtungsblatt speichern...</translation>
    </message>
    <message>
        <source>History...</source>
        <translation>Verlauf...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>Com &amp;Port</source>
        <translation>COM-&amp;Port</translation>
    </message>
    <message>
        <source>&amp;Settings...</source>
        <translation>&amp;Einstellungen...</translation>
    </message>
    <message>
        <source>&amp;Diagnose...</source>
        <translation>&amp;Diagnose...</translation>
    </message>
    <message>
        <source>Non-&amp;Linearization</source>
        <translation>&amp;Linearisierung</translation>
    </message>
    <message>
        <source>Shape...</source>
        <translation>Tankform...</translation>
    </message>
    <message>
        <source>Volume...</source>
        <translation>Volumen...</translation>
    </message>
    <message>
        <source>Height...</source>
        <translation>Höhe...</translation>
    </message>
    <message>
        <source>Measured Table...</source>
        <translation>Messtabelle...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>About...</source>
        <translation>Über...</translation>
    </message>
    <message>
        <source>Firmware Update...</source>
        <translation>Firmware-Update...</translation>
    </message>
    <message>
        <source>Battery Test...</source>
        <translation>Batterietest...</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Sprache</translation>
    </message>
    <message>
        <source>System default</source>
        <translation>Systemsprache</translation>
    </message>
    <message>
        <source>Compare with File</source>
        <translation>Mit Datei vergleichen</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>the file %1, as Load would read it</source>
        <translation>die Datei %1, wie Laden sie lesen würde</translation>
    </message>
    <message>
        <source>Window</source>
        <translation>Fenster</translation>
    </message>
    <message>
        <source>the settings in the main window</source>
        <translation>die Einstellungen im Hauptfenster</translation>
    </message>
    <message>
        <source>Sender</source>
        <translation>Geber</translation>
    </message>
    <message>
        <source>the sender on %1, as read now</source>
        <translation>der Geber an %1, soeben ausgelesen</translation>
    </message>
    <message>
        <source>Please select COM port first!</source>
        <translation>Bitte zuerst einen COM-Port wählen!</translation>
    </message>
    <message>
        <source>Failed update could result the device un-usable. Continue?</source>
        <translation>Ein fehlgeschlagenes Update kann den Geber unbrauchbar machen. Fortfahren?</translation>
    </message>
    <message>
        <source>The language could not be saved.</source>
        <translation>Die Sprache konnte nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>The language changes when ZEFT Programmer is started again.</source>
        <translation>Die Sprache wechselt beim nächsten Start von ZEFT Programmer.</translation>
    </message>
    <message>
        <source>&amp;Job...</source>
        <translation>&amp;Auftrag...</translation>
    </message>
    <message>
        <source>&amp;Production...</source>
        <translation>&amp;Produktion...</translation>
    </message>
</context>
<context>
    <name>zeft::TPortDoctorDlg</name>
    <message>
        <source>Diagnose Ports</source>
        <translation>Ports diagnostizieren</translation>
    </message>
    <message>
        <source>&amp;Findings and their fixes:</source>
        <translation>&amp;Befunde und ihre Abhilfe:</translation>
    </message>
    <message>
        <source>&amp;Copy Fixes</source>
        <translation>Abhilfe &amp;kopieren</translation>
    </message>
    <message>
        <source>Copy the fixes to the clipboard, to paste into a terminal or a note</source>
        <translation>Die Abhilfe in die Zwischenablage kopieren, zum Einfügen in ein Terminal oder eine Notiz</translation>
    </message>
    <message>
        <source>&amp;Run Again</source>
        <translation>&amp;Erneut prüfen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Looking at the serial ports and USB adapters...</source>
        <translation>Serielle Ports und USB-Adapter werden geprüft...</translation>
    </message>
    <message>
        <source>The fixes are on the clipboard.</source>
        <translation>Die Abhilfe ist in der Zwischenablage.</translation>
    </message>
    <message>
        <source>
Fix: </source>
        <translation>
Abhilfe: </translation>
    </message>
    <message>
        <source>No problem found.</source>
        <translation>Kein Problem gefunden.</translation>
    </message>
    <message>
        <source>One finding.</source>
        <translation>Ein Befund.</translation>
    </message>
    <message>
        <source>%1 findings.</source>
        <translation>%1 Befunde.</translation>
    </message>
</context>
<context>
    <name>zeft::TProductionForm</name>
    <message>
        <source>Production</source>
        <translation>Produktion</translation>
    </message>
    <message>
        <source>Settings: the main window&apos;s</source>
        <translation>Einstellungen: die des Hauptfensters</translation>
    </message>
    <message>
        <source>Load &amp;File...</source>
        <translation>&amp;Datei laden...</translation>
    </message>
    <message>
        <source>Job &amp;label:</source>
        <translation>Auftrags&amp;bezeichnung:</translation>
    </message>
    <message>
        <source>Stop &amp;after this many senders (0: no end):</source>
        <translation>&amp;Anhalten nach so vielen Gebern (0: kein Ende):</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation>&amp;Starten</translation>
    </message>
    <message>
        <source>S&amp;top</source>
        <translation>S&amp;toppen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Settings: %1</source>
        <translation>Einstellungen: %1</translation>
    </message>
    <message>
        <source>Press Start to begin</source>
        <translation>Zum Beginnen „Starten“ drücken</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>Gestoppt</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fertig</translation>
    </message>
    <message>
        <source>Passed: %1</source>
        <translation>Bestanden: %1</translation>
    </message>
    <message>
        <source>Failed: %1</source>
        <translation>Fehlgeschlagen: %1</translation>
    </message>
</context>
<context>
    <name>zeft::TSerialLinkDLG</name>
    <message>
        <source>Port</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>Parity</source>
        <translation>Parität</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stoppbits</translation>
    </message>
    <message>
        <source>Flowcontrol</source>
        <translation>Flusssteuerung</translation>
    </message>
    <message>
        <source>Baudrate</source>
        <translation>Baudrate</translation>
    </message>
    <message>
        <source>Databits</source>
        <translation>Datenbits</translation>
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
        <source>Communication Settings</source>
        <translation>Schnittstelleneinstellungen</translation>
    </message>
    <message>
        <source>%1 is not present.</source>
        <translation>%1 ist nicht vorhanden.</translation>
    </message>
    <message>
        <source>Invalid Input</source>
        <translation>Ungültige Eingabe</translation>
    </message>
    <message>
        <source>Invalid Input. Leave empty to hold previous Value.</source>
        <translation>Ungültige Eingabe. Leer lassen, um den bisherigen Wert zu behalten.</translation>
    </message>
    <message>
        <source>Input allowed single Char or 0..255. Leave empty to hold previous Value.</source>
        <translation>Erlaubt ist ein einzelnes Zeichen oder 0..255. Leer lassen, um den bisherigen Wert zu behalten.</translation>
    </message>
</context>
<context>
    <name>zeft::TSettingsComparisonForm</name>
    <message>
        <source>Left: %1
Right: %2</source>
        <translation>Links: %1
Rechts: %2</translation>
    </message>
    <message>
        <source>The settings are the same.</source>
        <translation>Die Einstellungen sind gleich.</translation>
    </message>
    <message>
        <source>%1 of %2 settings %3: the rows marked &quot;%4&quot;.</source>
        <translation>%1 von %2 Einstellungen %3: die mit „%4“ markierten Zeilen.</translation>
    </message>
    <message>
        <source>differs</source>
        <translation>weicht ab</translation>
    </message>
    <message>
        <source>differ</source>
        <translation>weichen ab</translation>
    </message>
    <message>
        <source>&amp;Settings:</source>
        <translation>Ein&amp;stellungen:</translation>
    </message>
    <message>
        <source>Setting</source>
        <translation>Einstellung</translation>
    </message>
    <message>
        <source>Difference</source>
        <translation>Unterschied</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>zeft::app::TAboutForm</name>
    <message>
        <source>About ZEFT Programmer</source>
        <translation>Über ZEFT Programmer</translation>
    </message>
    <message>
        <source>Version:</source>
        <translation>Version:</translation>
    </message>
    <message>
        <source>Copyright © 2008-2026 KOV. All rights reserved.</source>
        <translation>Copyright © 2008-2026 KOV. Alle Rechte vorbehalten.</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
</context>
<context>
    <name>zeft::calc_ui::TMeasuredTableForm</name>
    <message>
        <source>Largest gauge error: -</source>
        <translation>Größter Anzeigefehler: -</translation>
    </message>
    <message>
        <source>Non-linear Tank Parameter Calculation by Measured Table</source>
        <translation>Linearisierung des Tanks über eine Messtabelle</translation>
    </message>
    <message>
        <source>Measured Table</source>
        <translation>Messtabelle</translation>
    </message>
    <message>
        <source>&amp;Import CSV...</source>
        <translation>CSV &amp;importieren...</translation>
    </message>
    <message>
        <source>H (mm)</source>
        <translation>H (mm)</translation>
    </message>
    <message>
        <source>greatest height in the table</source>
        <translation>größte Höhe der Tabelle</translation>
    </message>
    <message>
        <source>Inch Unit</source>
        <translation>Einheit Zoll</translation>
    </message>
    <message>
        <source>10% Reserve</source>
        <translation>10 % Reserve</translation>
    </message>
    <message>
        <source>&amp;Volumes in:</source>
        <translation>&amp;Volumen in:</translation>
    </message>
    <message>
        <source>Non-Linear Calculated Values</source>
        <translation>Berechnete Linearisierungswerte</translation>
    </message>
    <message>
        <source>Volume at H = 0</source>
        <translation>Volumen bei H = 0</translation>
    </message>
    <message>
        <source>H (inch)</source>
        <translation>H (Zoll)</translation>
    </message>
    <message>
        <source>Volume at H = </source>
        <translation>Volumen bei H = </translation>
    </message>
    <message>
        <source>Largest gauge error: </source>
        <translation>Größter Anzeigefehler: </translation>
    </message>
    <message>
        <source>&amp;Rows of height and volume (a first line naming the columns &quot;height&quot; and &quot;volume&quot; may come first):</source>
        <translation>&amp;Zeilen mit Höhe und Volumen (eine erste Zeile darf die Spalten „height“ und „volume“ benennen):</translation>
    </message>
</context>
<context>
    <name>zeft::calc_ui::TNonLinearHeightForm</name>
    <message>
        <source>Non-linear Tank Parameter Calculation by Tank Height</source>
        <translation>Linearisierung des Tanks über die Höhe</translation>
    </message>
    <message>
        <source>Enter Tank Height Information (Millimetre)</source>
        <translation>Tankhöhen eingeben (Millimeter)</translation>
    </message>
    <message>
        <source>Height @ Full Tank</source>
        <translation>Höhe bei vollem Tank</translation>
    </message>
    <message>
        <source>Height @ 80% Volume</source>
        <translation>Höhe bei 80 % Volumen</translation>
    </message>
    <message>
        <source>Height @ 60% Volume</source>
        <translation>Höhe bei 60 % Volumen</translation>
    </message>
    <message>
        <source>Height @ 40% Volume</source>
        <translation>Höhe bei 40 % Volumen</translation>
    </message>
    <message>
        <source>Height @ 20% Volume</source>
        <translation>Höhe bei 20 % Volumen</translation>
    </message>
    <message>
        <source>Enter Tank Height Information (Inch)</source>
        <translation>Tankhöhen eingeben (Zoll)</translation>
    </message>
</context>
<context>
    <name>zeft::calc_ui::TNonLinearVolumeForm</name>
    <message>
        <source>Non-linear Tank Parameter Calculation by Tank Volume</source>
        <translation>Linearisierung des Tanks über das Volumen</translation>
    </message>
    <message>
        <source>Enter Tank Volume Information (Litre or Gallon)</source>
        <translation>Tankvolumen eingeben (Liter oder Gallonen)</translation>
    </message>
    <message>
        <source>Volume @ Full Tank</source>
        <translation>Volumen bei vollem Tank</translation>
    </message>
    <message>
        <source>Volume @ 80% H</source>
        <translation>Volumen bei 80 % H</translation>
    </message>
    <message>
        <source>Volume @ 60% H</source>
        <translation>Volumen bei 60 % H</translation>
    </message>
    <message>
        <source>Volume @ 40% of H</source>
        <translation>Volumen bei 40 % H</translation>
    </message>
    <message>
        <source>Volume @ 20% of H</source>
        <translation>Volumen bei 20 % H</translation>
    </message>
    <message>
        <source>H (Millimetre)</source>
        <translation>H (Millimeter)</translation>
    </message>
    <message>
        <source>H (inch)</source>
        <translation>H (Zoll)</translation>
    </message>
    <message>
        <source>H (mm)</source>
        <translation>H (mm)</translation>
    </message>
</context>
<context>
    <name>zeft::calc_ui::TNonLinearizationForm</name>
    <message>
        <source>* symmetrical about the vertical axis</source>
        <translation>* symmetrisch zur senkrechten Achse</translation>
    </message>
    <message>
        <source>Non-linear Tank Parameter Calculation by Tank Shape</source>
        <translation>Linearisierung des Tanks über die Tankform</translation>
    </message>
    <message>
        <source>Prev &lt;</source>
        <translation>Zurück &lt;</translation>
    </message>
    <message>
        <source>Next &gt;</source>
        <translation>Weiter &gt;</translation>
    </message>
    <message>
        <source>Shape No.</source>
        <translation>Form Nr.</translation>
    </message>
    <message>
        <source>Shape No. 18/18</source>
        <translation>Form Nr. 18/18</translation>
    </message>
    <message>
        <source>Enter Tank Dimension (Millimetre)</source>
        <translation>Tankmaße eingeben (Millimeter)</translation>
    </message>
    <message>
        <source>X Value</source>
        <translation>X-Wert</translation>
    </message>
    <message>
        <source>H Value</source>
        <translation>H-Wert</translation>
    </message>
    <message>
        <source>Y Value</source>
        <translation>Y-Wert</translation>
    </message>
    <message>
        <source>W Value</source>
        <translation>W-Wert</translation>
    </message>
    <message>
        <source>X1 Value</source>
        <translation>X1-Wert</translation>
    </message>
    <message>
        <source>Z Value</source>
        <translation>Z-Wert</translation>
    </message>
    <message>
        <source>X2 Value</source>
        <translation>X2-Wert</translation>
    </message>
    <message>
        <source>Inch Unit</source>
        <translation>Einheit Zoll</translation>
    </message>
    <message>
        <source>Half Tank</source>
        <translation>Halber Tank</translation>
    </message>
    <message>
        <source>10% Reserve</source>
        <translation>10 % Reserve</translation>
    </message>
    <message>
        <source>Non-Linear Calculated Values</source>
        <translation>Berechnete Linearisierungswerte</translation>
    </message>
    <message>
        <source>Volume in Litres</source>
        <translation>Volumen in Litern</translation>
    </message>
    <message>
        <source>Volume in US Gallons</source>
        <translation>Volumen in US-Gallonen</translation>
    </message>
    <message>
        <source>Chart...</source>
        <translation>Peiltabelle...</translation>
    </message>
    <message>
        <source>Shape No. 1/%1</source>
        <translation>Form Nr. 1/%1</translation>
    </message>
    <message>
        <source>Shape No. %1/%2</source>
        <translation>Form Nr. %1/%2</translation>
    </message>
    <message>
        <source>Enter Tank Dimension (Inch)</source>
        <translation>Tankmaße eingeben (Zoll)</translation>
    </message>
</context>
<context>
    <name>zeft::calc_ui::TTableCalculatorForm</name>
    <message>
        <source>Inch Unit</source>
        <translation>Einheit Zoll</translation>
    </message>
    <message>
        <source>Non-Linear Calculated Values</source>
        <translation>Berechnete Linearisierungswerte</translation>
    </message>
</context>
<context>
    <name>zeft::calc_ui::TTankChartForm</name>
    <message>
        <source>Tank Chart</source>
        <translation>Peiltabelle</translation>
    </message>
    <message>
        <source>Largest gauge error: </source>
        <translation>Größter Anzeigefehler: </translation>
    </message>
    <message>
        <source>&amp;Volume unit:</source>
        <translation>&amp;Volumeneinheit:</translation>
    </message>
    <message>
        <source>&amp;Step (%1):</source>
        <translation>&amp;Schrittweite (%1):</translation>
    </message>
    <message>
        <source>Dip &amp;table:</source>
        <translation>Peil&amp;tabelle:</translation>
    </message>
    <message>
        <source>Save &amp;CSV...</source>
        <translation>&amp;CSV speichern...</translation>
    </message>
    <message>
        <source>Save &amp;PDF...</source>
        <translation>&amp;PDF speichern...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Shape %1</source>
        <translation>Form %1</translation>
    </message>
    <message>
        <source>, half tank</source>
        <translation>, halber Tank</translation>
    </message>
    <message>
        <source>, full tank</source>
        <translation>, voller Tank</translation>
    </message>
    <message>
        <source>. Volume %1 %2.</source>
        <translation>. Volumen %1 %2.</translation>
    </message>
    <message>
        <source> 10% reserve: the sender reads empty at %1%2, levels A to D above it.</source>
        <translation> 10 % Reserve: Der Geber meldet leer bei %1%2, die Stufen A bis D liegen darüber.</translation>
    </message>
    <message>
        <source> Largest gauge error: </source>
        <translation> Größter Anzeigefehler: </translation>
    </message>
</context>
</TS>
