<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl">
<context>
    <name>CalculatorFormParts</name>
    <message>
        <source>Level A 20% = </source>
        <translation>Niveau A 20% = </translation>
    </message>
    <message>
        <source>Level B 40% = </source>
        <translation>Niveau B 40% = </translation>
    </message>
    <message>
        <source>Level C 60% =  </source>
        <translation>Niveau C 60% = </translation>
    </message>
    <message>
        <source>Level D 80% = </source>
        <translation>Niveau D 80% = </translation>
    </message>
    <message>
        <source>Bottom Limit  = </source>
        <translation>Ondergrens = </translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Berekenen</translation>
    </message>
    <message>
        <source>Save &amp;&amp; Close</source>
        <translation>Opslaan &amp;&amp; sluiten</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Sluiten</translation>
    </message>
    <message>
        <source>The bottom limit &quot;%1&quot; is not a number.</source>
        <translation>De ondergrens &quot;%1&quot; is geen getal.</translation>
    </message>
    <message>
        <source>A number, with &quot;%1&quot; as decimal separator</source>
        <translation>Een getal, met &quot;%1&quot; als decimaalteken</translation>
    </message>
</context>
<context>
    <name>ContentCurve</name>
    <message>
        <source>Height (in)</source>
        <translation>Hoogte (in)</translation>
    </message>
    <message>
        <source>Height (mm)</source>
        <translation>Hoogte (mm)</translation>
    </message>
    <message>
        <source>Content (% of volume)</source>
        <translation>Inhoud (% van volume)</translation>
    </message>
    <message>
        <source>Content</source>
        <translation>Inhoud</translation>
    </message>
    <message>
        <source>Gauge reading</source>
        <translation>Meterstand</translation>
    </message>
    <message>
        <source>Reserve</source>
        <translation>Reserve</translation>
    </message>
    <message>
        <source>Content curve</source>
        <translation>Inhoudscurve</translation>
    </message>
</context>
<context>
    <name>Core</name>
    <message>
        <source>Invalid input for step value! The step must be a number greater than 0.</source>
        <translation>Ongeldige invoer voor de stapgrootte! De stap moet een getal groter dan 0 zijn.</translation>
    </message>
    <message>
        <source>Invalid input for H value!</source>
        <translation>Ongeldige invoer voor de H-waarde!</translation>
    </message>
    <message>
        <source>Invalid input for H value! H must be at least 3.94 inch and no more than 78.74 inch!</source>
        <translation>Ongeldige invoer voor de H-waarde! H moet minstens 3.94 inch en hoogstens 78.74 inch zijn!</translation>
    </message>
    <message>
        <source>Invalid input for H value! H must be at least 100 mm and no more than 2000 mm!</source>
        <translation>Ongeldige invoer voor de H-waarde! H moet minstens 100 mm en hoogstens 2000 mm zijn!</translation>
    </message>
    <message>
        <source>The volume at H must be greater than 0.</source>
        <translation>Het volume bij H moet groter dan 0 zijn.</translation>
    </message>
    <message>
        <source>Import CSV</source>
        <translation>CSV importeren</translation>
    </message>
    <message>
        <source>CSV Files (*.csv *.txt)</source>
        <translation>CSV-bestanden (*.csv *.txt)</translation>
    </message>
    <message>
        <source>Are you sure you want to update the parameters with those in the Non-Linear Calculated Values group box?</source>
        <translation>Weet u zeker dat u de parameters wilt vervangen door die in het kader &quot;Berekende linearisatiewaarden&quot;?</translation>
    </message>
    <message>
        <source>This method is just an estimation and is not accurate comparing to the Volume and Shape method! Are you sure you want to update the parameters with those in the Non-Linear Calculated Values group box?</source>
        <translation>Deze methode is slechts een schatting en minder nauwkeurig dan de methoden via volume en vorm! Weet u zeker dat u de parameters wilt vervangen door die in het kader &quot;Berekende linearisatiewaarden&quot;?</translation>
    </message>
    <message>
        <source>Invalid input for X value!</source>
        <translation>Ongeldige invoer voor de X-waarde!</translation>
    </message>
    <message>
        <source>Invalid input for W value!</source>
        <translation>Ongeldige invoer voor de W-waarde!</translation>
    </message>
    <message>
        <source>Y value cannot be equal or greater than H value!</source>
        <translation>De Y-waarde mag niet gelijk aan of groter dan de H-waarde zijn!</translation>
    </message>
    <message>
        <source>Invalid input for H!</source>
        <translation>Ongeldige invoer voor H!</translation>
    </message>
    <message>
        <source>Save CSV</source>
        <translation>CSV opslaan</translation>
    </message>
    <message>
        <source>CSV Files (*.csv)</source>
        <translation>CSV-bestanden (*.csv)</translation>
    </message>
    <message>
        <source>Save PDF</source>
        <translation>PDF opslaan</translation>
    </message>
    <message>
        <source>PDF Files (*.pdf)</source>
        <translation>PDF-bestanden (*.pdf)</translation>
    </message>
    <message>
        <source>litres</source>
        <translation>liter</translation>
    </message>
    <message>
        <source>cubic metres</source>
        <translation>kubieke meter</translation>
    </message>
    <message>
        <source>US gallons</source>
        <translation>US-gallon</translation>
    </message>
    <message>
        <source>imperial gallons</source>
        <translation>imperial gallon</translation>
    </message>
    <message>
        <source>Cannot Open COM port!</source>
        <translation>Kan de COM-poort niet openen!</translation>
    </message>
    <message>
        <source>Fail to connect with the device! Check connection or battery!</source>
        <translation>Geen verbinding met de zender! Controleer de aansluiting of de batterij!</translation>
    </message>
    <message>
        <source>Fail to connect with the device!</source>
        <translation>Geen verbinding met de zender!</translation>
    </message>
    <message>
        <source>Fail to communicate with the device! Check connection or battery!</source>
        <translation>Communicatie met de zender mislukt! Controleer de aansluiting of de batterij!</translation>
    </message>
    <message>
        <source>Fail to communicate with the device!</source>
        <translation>Communicatie met de zender mislukt!</translation>
    </message>
    <message>
        <source>Fail to program the device! Check connection or battery!</source>
        <translation>Programmeren van de zender mislukt! Controleer de aansluiting of de batterij!</translation>
    </message>
    <message>
        <source>Fail to program the device!</source>
        <translation>Programmeren van de zender mislukt!</translation>
    </message>
    <message>
        <source>Fail to program the device due to incompatible firmware! Please contact KOV to upgrade!</source>
        <translation>Programmeren mislukt: de firmware van de zender is niet compatibel! Neem contact op met KOV voor een update!</translation>
    </message>
    <message>
        <source>Invalid data in Output Type! Please select an output type!</source>
        <translation>Ongeldig uitgangstype! Kies een uitgangstype!</translation>
    </message>
    <message>
        <source>Invalid data in Fluid Type! Please select a fluid type!</source>
        <translation>Ongeldig vloeistoftype! Kies een vloeistoftype!</translation>
    </message>
    <message>
        <source>Device read successfully!</source>
        <translation>Zender met succes uitgelezen!</translation>
    </message>
    <message>
        <source>Device restored successfully!</source>
        <translation>Fabrieksinstelling met succes hersteld!</translation>
    </message>
    <message>
        <source>Restoring default settings...</source>
        <translation>Fabrieksinstelling wordt hersteld...</translation>
    </message>
    <message>
        <source>Programming the device now...<byte value="xd"/></source>
        <translation>Zender wordt geprogrammeerd...<byte value="xd"/></translation>
    </message>
    <message>
        <source>Device programmed successfully!</source>
        <translation>Zender met succes geprogrammeerd!</translation>
    </message>
    <message>
        <source>%1 (sent %2, read %3)</source>
        <translation>%1 (verzonden %2, gelezen %3)</translation>
    </message>
    <message>
        <source>The device did not keep these settings: </source>
        <translation>De zender heeft deze instellingen niet bewaard: </translation>
    </message>
    <message>
        <source>program</source>
        <translation>programmeren</translation>
    </message>
    <message>
        <source>restore</source>
        <translation>fabrieksinstelling</translation>
    </message>
    <message>
        <source>read</source>
        <translation>uitlezen</translation>
    </message>
    <message>
        <source>success</source>
        <translation>gelukt</translation>
    </message>
    <message>
        <source>No serial port was selected.</source>
        <translation>Er is geen seriële poort gekozen.</translation>
    </message>
    <message>
        <source>No serial port is open: the Communication Settings were cancelled.</source>
        <translation>Geen seriële poort open: de communicatie-instellingen zijn geannuleerd.</translation>
    </message>
    <message>
        <source>The serial port was closed for a firmware update.</source>
        <translation>De seriële poort is gesloten voor een firmware-update.</translation>
    </message>
    <message>
        <source>Please select COM port!</source>
        <translation>Kies een COM-poort!</translation>
    </message>
    <message>
        <source>Stopped before its end: the sender was switched off.</source>
        <translation>Voortijdig gestopt: de zender werd uitgeschakeld.</translation>
    </message>
    <message>
        <source>Voltage 0 - 5V</source>
        <translation>Spanning 0 - 5V</translation>
    </message>
    <message>
        <source>Resistive 240 - 33R</source>
        <translation>Weerstand 240 - 33R</translation>
    </message>
    <message>
        <source>Resistive 10 - 180R</source>
        <translation>Weerstand 10 - 180R</translation>
    </message>
    <message>
        <source>Resistive 300 - 10R</source>
        <translation>Weerstand 300 - 10R</translation>
    </message>
    <message>
        <source>Water</source>
        <translation>Water</translation>
    </message>
    <message>
        <source>Petrol</source>
        <translation>Benzine</translation>
    </message>
    <message>
        <source>Diesel</source>
        <translation>Diesel</translation>
    </message>
    <message>
        <source>Waste</source>
        <translation>Afvalwater</translation>
    </message>
    <message>
        <source>Top Limit</source>
        <translation>Bovengrens</translation>
    </message>
    <message>
        <source>Bottom Limit</source>
        <translation>Ondergrens</translation>
    </message>
    <message>
        <source>Level A</source>
        <translation>Niveau A</translation>
    </message>
    <message>
        <source>Level B</source>
        <translation>Niveau B</translation>
    </message>
    <message>
        <source>Level C</source>
        <translation>Niveau C</translation>
    </message>
    <message>
        <source>Level D</source>
        <translation>Niveau D</translation>
    </message>
    <message>
        <source>Output Type</source>
        <translation>Uitgangstype</translation>
    </message>
    <message>
        <source>Fluid Type</source>
        <translation>Vloeistoftype</translation>
    </message>
    <message>
        <source>Save Setup Sheet</source>
        <translation>Instelblad opslaan</translation>
    </message>
    <message>
        <source>error</source>
        <translation>fout</translation>
    </message>
    <message>
        <source>warning</source>
        <translation>waarschuwing</translation>
    </message>
    <message>
        <source>info</source>
        <translation>info</translation>
    </message>
    <message>
        <source>under 0.01 points</source>
        <translation>minder dan 0.01 punt</translation>
    </message>
    <message>
        <source>%1 points at %2 in (%3 % of H)</source>
        <translation>%1 punten bij %2 in (%3 % van H)</translation>
    </message>
    <message>
        <source>%1 points at %2 mm (%3 % of H)</source>
        <translation>%1 punten bij %2 mm (%3 % van H)</translation>
    </message>
    <message>
        <source>Height (in)</source>
        <translation>Hoogte (in)</translation>
    </message>
    <message>
        <source>Height (mm)</source>
        <translation>Hoogte (mm)</translation>
    </message>
    <message>
        <source>Percent</source>
        <translation>Procent</translation>
    </message>
    <message>
        <source>Gauge %</source>
        <translation>Meter %</translation>
    </message>
    <message>
        <source>Volume (%1)</source>
        <translation>Volume (%1)</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 bestaat al.
Wilt u het vervangen?</translation>
    </message>
    <message>
        <source>Invalid data in Set Level A! Level A must be an integer, &gt;= 0 and &lt;= 100!</source>
        <translation>Ongeldige invoer bij niveau A! Niveau A moet een geheel getal van 0 tot 100 zijn!</translation>
    </message>
    <message>
        <source>Invalid data in Set Level B! Level B must be an integer, &gt;= 0 and &lt;= 100!</source>
        <translation>Ongeldige invoer bij niveau B! Niveau B moet een geheel getal van 0 tot 100 zijn!</translation>
    </message>
    <message>
        <source>Level A cannot be equal or greater than Level B!</source>
        <translation>Niveau A mag niet gelijk aan of groter dan niveau B zijn!</translation>
    </message>
    <message>
        <source>Invalid data in Set Level C! Level C must be an integer, &gt;= 0 and &lt;= 100!</source>
        <translation>Ongeldige invoer bij niveau C! Niveau C moet een geheel getal van 0 tot 100 zijn!</translation>
    </message>
    <message>
        <source>Level B cannot be equal or greater than Level C!</source>
        <translation>Niveau B mag niet gelijk aan of groter dan niveau C zijn!</translation>
    </message>
    <message>
        <source>Invalid data in Set Level D! Level D must be an integer, &gt;= 0 and &lt;= 100!</source>
        <translation>Ongeldige invoer bij niveau D! Niveau D moet een geheel getal van 0 tot 100 zijn!</translation>
    </message>
    <message>
        <source>Level C cannot be equal or greater than Level D!</source>
        <translation>Niveau C mag niet gelijk aan of groter dan niveau D zijn!</translation>
    </message>
    <message>
        <source>Invalid data in Set Top Limit! Top Limit must be an integer, &gt;= 10 and &lt;= 1000!</source>
        <translation>Ongeldige bovengrens! De bovengrens moet een geheel getal van 10 tot 1000 zijn!</translation>
    </message>
    <message>
        <source>The top limit should be 10mm except where tank sender spacer is used. Are you sure to set it to %1mm?</source>
        <translation>De bovengrens hoort 10mm te zijn, behalve als er een afstandsstuk voor de zender wordt gebruikt. Weet u zeker dat u hem op %1mm wilt zetten?</translation>
    </message>
    <message>
        <source>Invalid data in Set Bottom Limit! Bottom Limit must be an integer, &gt;= 100 and &lt;= 2000!</source>
        <translation>Ongeldige ondergrens! De ondergrens moet een geheel getal van 100 tot 2000 zijn!</translation>
    </message>
    <message>
        <source>Top Limit cannot be equal or greater than Bottom Limit!</source>
        <translation>De bovengrens mag niet gelijk aan of groter dan de ondergrens zijn!</translation>
    </message>
    <message>
        <source>Invalid input for step value! The table would have more than %1 rows.</source>
        <translation>Ongeldige invoer voor de stapgrootte! De tabel zou meer dan %1 rijen hebben.</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exporteren</translation>
    </message>
    <message>
        <source>Connect the next sender</source>
        <translation>Sluit de volgende zender aan</translation>
    </message>
    <message>
        <source>Programming sender %1</source>
        <translation>Zender %1 wordt geprogrammeerd</translation>
    </message>
    <message>
        <source>Sender %1 programmed and verified: disconnect it</source>
        <translation>Zender %1 geprogrammeerd en gecontroleerd: loskoppelen</translation>
    </message>
    <message>
        <source>Sender %1 FAILED: %2</source>
        <translation>Zender %1 MISLUKT: %2</translation>
    </message>
    <message>
        <source>Programmed %1, failed %2</source>
        <translation>Geprogrammeerd %1, mislukt %2</translation>
    </message>
    <message>
        <source>, %1 s per sender</source>
        <translation>, %1 s per zender</translation>
    </message>
    <message>
        <source>Row %1: the first line must name a height column (height, level, depth or dip) and a volume column (volume, content, contents or capacity), a unit in brackets after the word if need be.</source>
        <translation>Rij %1: de eerste regel moet een hoogtekolom (height, level, depth of dip) en een volumekolom (volume, content, contents of capacity) noemen, zo nodig met een eenheid tussen haakjes na het woord.</translation>
    </message>
    <message>
        <source>Row %1: more cells than the first line has (a decimal comma needs semicolons between the cells).</source>
        <translation>Rij %1: meer cellen dan de eerste regel (een decimale komma vraagt om puntkomma&apos;s tussen de cellen).</translation>
    </message>
    <message>
        <source>Row %1: there is no height.</source>
        <translation>Rij %1: de hoogte ontbreekt.</translation>
    </message>
    <message>
        <source>Row %1: there is no volume.</source>
        <translation>Rij %1: het volume ontbreekt.</translation>
    </message>
    <message>
        <source>Row %1: the height %2 is not a number.</source>
        <translation>Rij %1: de hoogte %2 is geen getal.</translation>
    </message>
    <message>
        <source>Row %1: the volume %2 is not a number.</source>
        <translation>Rij %1: het volume %2 is geen getal.</translation>
    </message>
    <message>
        <source>Row %1: the height %2 is negative.</source>
        <translation>Rij %1: de hoogte %2 is negatief.</translation>
    </message>
    <message>
        <source>Row %1: the volume %2 is negative.</source>
        <translation>Rij %1: het volume %2 is negatief.</translation>
    </message>
    <message>
        <source>Row %1: the height %2 is too large.</source>
        <translation>Rij %1: de hoogte %2 is te groot.</translation>
    </message>
    <message>
        <source>Row %1: the volume %2 is too large.</source>
        <translation>Rij %1: het volume %2 is te groot.</translation>
    </message>
    <message>
        <source>The table needs at least three rows; it has %1.</source>
        <translation>De tabel heeft minstens drie rijen nodig; hij heeft er %1.</translation>
    </message>
    <message>
        <source>Row %1: the height %2 is already in row %3.</source>
        <translation>Rij %1: de hoogte %2 staat al in rij %3.</translation>
    </message>
    <message>
        <source>Row %1: the volume %2 is less than the %3 of row %4, which is lower down.</source>
        <translation>Rij %1: het volume %2 is kleiner dan de %3 van rij %4, die lager ligt.</translation>
    </message>
    <message>
        <source>The file %1 does not exist.</source>
        <translation>Het bestand %1 bestaat niet.</translation>
    </message>
    <message>
        <source>The file %1 is not a regular file.</source>
        <translation>Het bestand %1 is geen gewoon bestand.</translation>
    </message>
    <message>
        <source>The file %1 is too large for a measured table.</source>
        <translation>Het bestand %1 is te groot voor een meettabel.</translation>
    </message>
    <message>
        <source>The file %1 cannot be read: %2.</source>
        <translation>Het bestand %1 kan niet worden gelezen: %2.</translation>
    </message>
    <message>
        <source>Sender simulated by this program, no hardware</source>
        <translation>Door dit programma gesimuleerde zender, geen hardware</translation>
    </message>
    <message>
        <source>Senders simulated by this program one after another, no hardware</source>
        <translation>Door dit programma na elkaar gesimuleerde zenders, geen hardware</translation>
    </message>
    <message>
        <source>open the Device Manager (devmgmt.msc), right-click the adapter, choose Uninstall device, then plug the adapter in again</source>
        <translation>open Apparaatbeheer (devmgmt.msc), klik met de rechtermuisknop op de adapter, kies Apparaat verwijderen en sluit de adapter daarna opnieuw aan</translation>
    </message>
    <message>
        <source>install the adapter&apos;s driver from its maker (or let Windows Update find it), then plug the adapter in again</source>
        <translation>installeer het stuurprogramma van de fabrikant van de adapter (of laat Windows Update het zoeken) en sluit de adapter daarna opnieuw aan</translation>
    </message>
    <message>
        <source>it is not configured</source>
        <translation>het apparaat is niet geconfigureerd</translation>
    </message>
    <message>
        <source>it could not start</source>
        <translation>het apparaat kon niet starten</translation>
    </message>
    <message>
        <source>it finds no free resources</source>
        <translation>het apparaat vindt geen vrije bronnen</translation>
    </message>
    <message>
        <source>it works only after a restart</source>
        <translation>het apparaat werkt pas na een herstart</translation>
    </message>
    <message>
        <source>restart the computer</source>
        <translation>start de computer opnieuw op</translation>
    </message>
    <message>
        <source>its driver must be installed again</source>
        <translation>het stuurprogramma moet opnieuw worden geïnstalleerd</translation>
    </message>
    <message>
        <source>it is disabled</source>
        <translation>het apparaat is uitgeschakeld</translation>
    </message>
    <message>
        <source>open the Device Manager (devmgmt.msc), right-click the adapter, choose Enable device</source>
        <translation>open Apparaatbeheer (devmgmt.msc), klik met de rechtermuisknop op de adapter en kies Apparaat inschakelen</translation>
    </message>
    <message>
        <source>it is not connected</source>
        <translation>het apparaat is niet aangesloten</translation>
    </message>
    <message>
        <source>plug the adapter in again, or into another USB socket</source>
        <translation>sluit de adapter opnieuw aan, of op een andere USB-aansluiting</translation>
    </message>
    <message>
        <source>its driver is not installed</source>
        <translation>het stuurprogramma is niet geïnstalleerd</translation>
    </message>
    <message>
        <source>its driver does not load</source>
        <translation>het stuurprogramma laadt niet</translation>
    </message>
    <message>
        <source>its driver&apos;s service is disabled</source>
        <translation>de service van het stuurprogramma is uitgeschakeld</translation>
    </message>
    <message>
        <source>Windows stopped it because it reported problems</source>
        <translation>Windows heeft het apparaat gestopt omdat het problemen meldde</translation>
    </message>
    <message>
        <source>plug the adapter into another USB socket; if that does not help, the adapter is faulty or a copy its maker&apos;s driver refuses</source>
        <translation>sluit de adapter aan op een andere USB-aansluiting; helpt dat niet, dan is de adapter defect of een kopie die het stuurprogramma van de fabrikant weigert</translation>
    </message>
    <message>
        <source>its driver is blocked or not signed</source>
        <translation>het stuurprogramma is geblokkeerd of niet ondertekend</translation>
    </message>
    <message>
        <source>the Device Manager shows a problem (code %1)</source>
        <translation>Apparaatbeheer meldt een probleem (code %1)</translation>
    </message>
    <message>
        <source>then log out and log in again</source>
        <translation>meld u daarna af en weer aan</translation>
    </message>
    <message>
        <source>give the port to the serial group with a udev rule that sets %1</source>
        <translation>geef de poort met een udev-regel die %1 instelt aan de seriële groep</translation>
    </message>
    <message>
        <source>plug in the adapter</source>
        <translation>sluit de adapter aan</translation>
    </message>
    <message>
        <source>plug in the adapter, or choose a port that is there: %1</source>
        <translation>sluit de adapter aan, of kies een poort die er is: %1</translation>
    </message>
    <message>
        <source>%1 may be used by the group &quot;%2&quot;, and the user %3 is not in it.</source>
        <translation>%1 mag worden gebruikt door de groep &quot;%2&quot;, en gebruiker %3 is daar geen lid van.</translation>
    </message>
    <message>
        <source>%1 may be used by its owner %2 only (mode %3).</source>
        <translation>%1 mag alleen door de eigenaar %2 worden gebruikt (modus %3).</translation>
    </message>
    <message>
        <source>The user %1 is in the group &quot;%2&quot; that may use %3, but this session started before that and does not have the group yet.</source>
        <translation>Gebruiker %1 is lid van de groep &quot;%2&quot; die %3 mag gebruiken, maar deze sessie is daarvoor begonnen en heeft de groep nog niet.</translation>
    </message>
    <message>
        <source>log out and log in again (or restart the computer)</source>
        <translation>meld u af en weer aan (of start de computer opnieuw op)</translation>
    </message>
    <message>
        <source>%1 is open in another program: %2.</source>
        <translation>%1 is geopend in een ander programma: %2.</translation>
    </message>
    <message>
        <source>or close %1</source>
        <translation>of sluit %1</translation>
    </message>
    <message>
        <source>%1 is held in exclusive mode by a program this user cannot see (a service or another user&apos;s program).</source>
        <translation>%1 wordt exclusief bezet door een programma dat deze gebruiker niet kan zien (een service of het programma van een andere gebruiker).</translation>
    </message>
    <message>
        <source>fuser names the program; close it or stop its service</source>
        <translation>fuser noemt het programma; sluit het of stop de service ervan</translation>
    </message>
    <message>
        <source>%1 does not open: %2.</source>
        <translation>%1 gaat niet open: %2.</translation>
    </message>
    <message>
        <source>unplug the adapter and plug it in again</source>
        <translation>koppel de adapter los en sluit hem opnieuw aan</translation>
    </message>
    <message>
        <source>The braille display daemon (brltty) claims USB id %1 in its rule %2, so this adapter&apos;s serial port goes away as soon as it is plugged in.</source>
        <translation>De brailleleesregeldienst (brltty) claimt USB-id %1 in zijn regel %2, waardoor de seriële poort van deze adapter verdwijnt zodra hij wordt aangesloten.</translation>
    </message>
    <message>
        <source>then plug the adapter in again; where no braille display is used, removing brltty does too</source>
        <translation>sluit de adapter daarna opnieuw aan; waar geen brailleleesregel wordt gebruikt, helpt ook het verwijderen van brltty</translation>
    </message>
    <message>
        <source>ModemManager is running and takes %1 for a modem: it sends the adapter AT commands and holds the port after it is plugged in.</source>
        <translation>ModemManager draait en houdt %1 voor een modem: het stuurt de adapter AT-commando&apos;s en houdt de poort bezet nadat die is aangesloten.</translation>
    </message>
    <message>
        <source>or stop ModemManager: %1</source>
        <translation>of stop ModemManager: %1</translation>
    </message>
    <message>
        <source>then plug the adapter in again; %1</source>
        <translation>sluit de adapter daarna opnieuw aan; %1</translation>
    </message>
    <message>
        <source>The USB serial adapter %1 has no driver, so it has no serial port.</source>
        <translation>De USB-seriële adapter %1 heeft geen stuurprogramma en dus geen seriële poort.</translation>
    </message>
    <message>
        <source>No serial port was found.</source>
        <translation>Er is geen seriële poort gevonden.</translation>
    </message>
    <message>
        <source>plug in the adapter (check its cable, try another USB socket), then run this again</source>
        <translation>sluit de adapter aan (controleer de kabel, probeer een andere USB-aansluiting) en voer dit daarna opnieuw uit</translation>
    </message>
    <message>
        <source>%1 is not there.</source>
        <translation>%1 is er niet.</translation>
    </message>
    <message>
        <source>%1 is not a serial port: it is %2.</source>
        <translation>%1 is geen seriële poort: het is %2.</translation>
    </message>
    <message>
        <source>%1 is the terminal this program runs in, not a serial port.</source>
        <translation>%1 is de terminal waarin dit programma draait, geen seriële poort.</translation>
    </message>
    <message>
        <source>%1 does not work: %2.</source>
        <translation>%1 werkt niet: %2.</translation>
    </message>
    <message>
        <source>%1 is in use by another program.</source>
        <translation>%1 wordt door een ander programma gebruikt.</translation>
    </message>
    <message>
        <source>close the program that uses %1 (a terminal program, an IDE&apos;s serial monitor)</source>
        <translation>sluit het programma dat %1 gebruikt (een terminalprogramma, de seriële monitor van een IDE)</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 en %2</translation>
    </message>
    <message>
        <source>a folder</source>
        <translation>een map</translation>
    </message>
    <message>
        <source>a regular file</source>
        <translation>een gewoon bestand</translation>
    </message>
    <message>
        <source>a named pipe (FIFO)</source>
        <translation>een named pipe (FIFO)</translation>
    </message>
    <message>
        <source>a socket</source>
        <translation>een socket</translation>
    </message>
    <message>
        <source>a block device (a disk)</source>
        <translation>een blokapparaat (een schijf)</translation>
    </message>
    <message>
        <source>a device that is not a terminal</source>
        <translation>een apparaat dat geen terminal is</translation>
    </message>
    <message>
        <source>Top Limit (Millimetre)</source>
        <translation>Bovengrens (millimeter)</translation>
    </message>
    <message>
        <source>Bottom Limit (Millimetre)</source>
        <translation>Ondergrens (millimeter)</translation>
    </message>
    <message>
        <source>Level A = 20% of Tank Level</source>
        <translation>Niveau A = 20% van de tank</translation>
    </message>
    <message>
        <source>Level B = 40% of Tank Level</source>
        <translation>Niveau B = 40% van de tank</translation>
    </message>
    <message>
        <source>Level C = 60% of Tank Level</source>
        <translation>Niveau C = 60% van de tank</translation>
    </message>
    <message>
        <source>Level D = 80% of Tank Level</source>
        <translation>Niveau D = 80% van de tank</translation>
    </message>
</context>
<context>
    <name>JpegPicture</name>
    <message>
        <source>the file is empty</source>
        <translation>het bestand is leeg</translation>
    </message>
    <message>
        <source>the file is not a readable JPEG picture (%1)</source>
        <translation>het bestand is geen leesbare JPEG-afbeelding (%1)</translation>
    </message>
    <message>
        <source>there is not enough memory for the picture</source>
        <translation>er is niet genoeg geheugen voor de afbeelding</translation>
    </message>
    <message>
        <source>the file does not exist</source>
        <translation>het bestand bestaat niet</translation>
    </message>
    <message>
        <source>the file cannot be opened (%1)</source>
        <translation>het bestand kan niet worden geopend (%1)</translation>
    </message>
    <message>
        <source>the file is too large for a picture</source>
        <translation>het bestand is te groot voor een afbeelding</translation>
    </message>
    <message>
        <source>the file cannot be read (%1)</source>
        <translation>het bestand kan niet worden gelezen (%1)</translation>
    </message>
    <message>
        <source>Cannot load the picture &quot;%1&quot;: %2.</source>
        <translation>Kan de afbeelding &quot;%1&quot; niet laden: %2.</translation>
    </message>
</context>
<context>
    <name>QtFileDialogs</name>
    <message>
        <source>All Files (*.*)</source>
        <translation>Alle bestanden (*.*)</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Alle bestanden (*)</translation>
    </message>
    <message>
        <source>ZEFT Config Files (*.zcf)</source>
        <translation>ZEFT-configuratiebestanden (*.zcf)</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Opslaan als</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Openen</translation>
    </message>
</context>
<context>
    <name>QtPrompts</name>
    <message>
        <source>Error</source>
        <translation>Fout</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Waarschuwing</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Bevestigen</translation>
    </message>
</context>
<context>
    <name>SetupSheet</name>
    <message>
        <source>(none selected)</source>
        <translation>(niets gekozen)</translation>
    </message>
    <message>
        <source>no parity</source>
        <translation>geen pariteit</translation>
    </message>
    <message>
        <source>odd parity</source>
        <translation>oneven pariteit</translation>
    </message>
    <message>
        <source>even parity</source>
        <translation>even pariteit</translation>
    </message>
    <message>
        <source>mark parity</source>
        <translation>mark-pariteit</translation>
    </message>
    <message>
        <source>space parity</source>
        <translation>space-pariteit</translation>
    </message>
    <message>
        <source>1.5 stop bits</source>
        <translation>1.5 stopbits</translation>
    </message>
    <message>
        <source>2 stop bits</source>
        <translation>2 stopbits</translation>
    </message>
    <message>
        <source>1 stop bit</source>
        <translation>1 stopbit</translation>
    </message>
    <message>
        <source>Serial Port</source>
        <translation>Seriële poort</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Poort</translation>
    </message>
    <message>
        <source>%1 (not open)</source>
        <translation>%1 (niet open)</translation>
    </message>
    <message>
        <source>Line settings</source>
        <translation>Lijninstellingen</translation>
    </message>
    <message>
        <source>%1 baud, %2 data bits, %3, %4</source>
        <translation>%1 baud, %2 databits, %3, %4</translation>
    </message>
    <message>
        <source>Sender Settings</source>
        <translation>Zenderinstellingen</translation>
    </message>
    <message>
        <source>As Found</source>
        <translation>Aangetroffen</translation>
    </message>
    <message>
        <source>As Left</source>
        <translation>Achtergelaten</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Volume</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Hoogte</translation>
    </message>
    <message>
        <source>Measured Table</source>
        <translation>Meettabel</translation>
    </message>
    <message>
        <source>Shape</source>
        <translation>Vorm</translation>
    </message>
    <message>
        <source>Levels from the Volume Calculator</source>
        <translation>Niveaus uit de berekening via volume</translation>
    </message>
    <message>
        <source>Levels from the Height Calculator</source>
        <translation>Niveaus uit de berekening via hoogte</translation>
    </message>
    <message>
        <source>Levels from the Measured Table Calculator</source>
        <translation>Niveaus uit de berekening via meettabel</translation>
    </message>
    <message>
        <source>Levels from the Shape Calculator</source>
        <translation>Niveaus uit de berekening via tankvorm</translation>
    </message>
    <message>
        <source>Inch</source>
        <translation>Inch</translation>
    </message>
    <message>
        <source>Millimetre</source>
        <translation>Millimeter</translation>
    </message>
    <message>
        <source>Calculator</source>
        <translation>Berekening</translation>
    </message>
    <message>
        <source>Non-Linearization &gt; %1...</source>
        <translation>Linearisatie &gt; %1...</translation>
    </message>
    <message>
        <source>Calculation</source>
        <translation>Berekening</translation>
    </message>
    <message>
        <source>none: the window&apos;s starting values were handed over</source>
        <translation>geen: de beginwaarden van het venster zijn overgenomen</translation>
    </message>
    <message>
        <source>, half tank</source>
        <translation>, halve tank</translation>
    </message>
    <message>
        <source>, 10% reserve</source>
        <translation>, 10% reserve</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>Eenheid</translation>
    </message>
    <message>
        <source>... %1 more lines not printed</source>
        <translation>... nog %1 regels niet afgedrukt</translation>
    </message>
    <message>
        <source>ZEFT Programmer - Setup Sheet</source>
        <translation>ZEFT Programmer - Instelblad</translation>
    </message>
    <message>
        <source>Sender&apos;s Reply as Last Read</source>
        <translation>Antwoord van de zender bij de laatste uitlezing</translation>
    </message>
    <message>
        <source>changed</source>
        <translation>gewijzigd</translation>
    </message>
    <message>
        <source>Adapter</source>
        <translation>Adapter</translation>
    </message>
    <message>
        <source> at %1</source>
        <translation> op %1</translation>
    </message>
    <message>
        <source>As Found: read from the sender%1, before it was programmed. Rows marked &quot;%2&quot; differ between what the sender held then and what it reported after.</source>
        <translation>Aangetroffen: uit de zender gelezen%1, vóór het programmeren. Rijen gemarkeerd met &quot;%2&quot; verschillen tussen wat de zender toen bevatte en wat hij daarna meldde.</translation>
    </message>
    <message>
        <source>The sender was not read before programming (with no program, restore or change of port between), so what it held before is not known.</source>
        <translation>De zender is vóór het programmeren niet uitgelezen (zonder programmeren, fabrieksinstelling of poortwissel daartussen), dus wat hij eerder bevatte is niet bekend.</translation>
    </message>
    <message>
        <source>Largest gauge error (percentage points of the full content)</source>
        <translation>Grootste meterafwijking (procentpunten van de volle inhoud)</translation>
    </message>
    <message>
        <source>(none given)</source>
        <translation>(niet opgegeven)</translation>
    </message>
    <message>
        <source>Job</source>
        <translation>Opdracht</translation>
    </message>
    <message>
        <source>Label</source>
        <translation>Kenmerk</translation>
    </message>
    <message>
        <source>Installer</source>
        <translation>Installateur</translation>
    </message>
    <message>
        <source>Owner</source>
        <translation>Eigenaar</translation>
    </message>
    <message>
        <source>Operation</source>
        <translation>Handeling</translation>
    </message>
    <message>
        <source>Sender Settings (as sent; the sender reported none)</source>
        <translation>Zenderinstellingen (zoals verzonden; de zender meldde er geen)</translation>
    </message>
    <message>
        <source>Tank with two sloping sections</source>
        <translation>Tank met twee schuine delen</translation>
    </message>
    <message>
        <source>Straight-sided tank on a narrowing bottom</source>
        <translation>Rechte tank op een versmallende bodem</translation>
    </message>
    <message>
        <source>Tank narrowing to a point, with a sloping top part</source>
        <translation>Puntig toelopende tank met een schuin bovendeel</translation>
    </message>
    <message>
        <source>Straight-sided tank on a bottom narrowing to a point</source>
        <translation>Rechte tank op een puntig toelopende bodem</translation>
    </message>
    <message>
        <source>Tank with one sloping section</source>
        <translation>Tank met één schuin deel</translation>
    </message>
    <message>
        <source>V-shaped tank</source>
        <translation>V-vormige tank</translation>
    </message>
    <message>
        <source>Rectangular box</source>
        <translation>Rechthoekige bak</translation>
    </message>
    <message>
        <source>Box under a widening top part</source>
        <translation>Bak onder een breder wordend bovendeel</translation>
    </message>
    <message>
        <source>Stepped tank: two boxes</source>
        <translation>Trapvormige tank: twee bakken</translation>
    </message>
    <message>
        <source>Stepped tank on a widening bottom</source>
        <translation>Trapvormige tank op een breder wordende bodem</translation>
    </message>
    <message>
        <source>Stepped tank with a widening top and bottom</source>
        <translation>Trapvormige tank met breder wordende boven- en onderkant</translation>
    </message>
    <message>
        <source>Horizontal cylinder</source>
        <translation>Liggende cilinder</translation>
    </message>
    <message>
        <source>Horizontal oval</source>
        <translation>Liggend ovaal</translation>
    </message>
    <message>
        <source>Horizontal cylinder with hemispherical heads</source>
        <translation>Liggende cilinder met halfbolvormige bodems</translation>
    </message>
    <message>
        <source>Horizontal cylinder with 2:1 semi-ellipsoidal heads</source>
        <translation>Liggende cilinder met half-elliptische 2:1-bodems</translation>
    </message>
    <message>
        <source>Horizontal cylinder with DIN 28011 heads</source>
        <translation>Liggende cilinder met DIN 28011-bodems</translation>
    </message>
    <message>
        <source>Sphere</source>
        <translation>Bol</translation>
    </message>
    <message>
        <source>Vertical cylinder on a cone bottom</source>
        <translation>Staande cilinder op een kegelbodem</translation>
    </message>
    <message>
        <source>Shape %1</source>
        <translation>Vorm %1</translation>
    </message>
    <message>
        <source>not read before programming</source>
        <translation>niet gelezen vóór het programmeren</translation>
    </message>
</context>
<context>
    <name>SetupSheetPdf</name>
    <message>
        <source>(nothing has been read from the sender in this run)</source>
        <translation>(in deze sessie is niets van de zender gelezen)</translation>
    </message>
    <message>
        <source>Date: </source>
        <translation>Datum: </translation>
    </message>
    <message>
        <source>(The shape&apos;s picture %1 could not be loaded: %2)</source>
        <translation>(De afbeelding van de vorm %1 kon niet worden geladen: %2)</translation>
    </message>
</context>
<context>
    <name>TankChartPdf</name>
    <message>
        <source>Tank Chart</source>
        <translation>Peiltabel</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Pagina %1 van %2</translation>
    </message>
</context>
<context>
    <name>zeft::TBatteryTestForm</name>
    <message>
        <source>Step 1: Press the TEST button to power on</source>
        <translation>Stap 1: druk op TEST om de</translation>
    </message>
    <message>
        <source>the programming interface.</source>
        <translation>programmeerinterface aan te zetten.</translation>
    </message>
    <message>
        <source>Step 2: Measure the voltage between the</source>
        <translation>Stap 2: meet de spanning tussen de</translation>
    </message>
    <message>
        <source>red and black terminals.</source>
        <translation>rode en de zwarte klem.</translation>
    </message>
    <message>
        <source>Step 3: Replace battery if below 8 Volts.</source>
        <translation>Stap 3: vervang de batterij onder 8 volt.</translation>
    </message>
    <message>
        <source>Power is</source>
        <translation>Voeding</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>UIT</translation>
    </message>
    <message>
        <source>TEST</source>
        <translation>TEST</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Sluiten</translation>
    </message>
    <message>
        <source>Battery Test</source>
        <translation>Batterijtest</translation>
    </message>
    <message>
        <source>ON</source>
        <translation>AAN</translation>
    </message>
</context>
<context>
    <name>zeft::TJobForm</name>
    <message>
        <source>Job</source>
        <translation>Opdracht</translation>
    </message>
    <message>
        <source>Sea Breeze 42 / fresh water</source>
        <translation>Sea Breeze 42 / drinkwater</translation>
    </message>
    <message>
        <source>Job &amp;label (vessel or site, tank, text):</source>
        <translation>Opdracht&amp;kenmerk (schip of locatie, tank, tekst):</translation>
    </message>
    <message>
        <source>&amp;Installer:</source>
        <translation>&amp;Installateur:</translation>
    </message>
    <message>
        <source>&amp;Read the sender before programming</source>
        <translation>Zender &amp;uitlezen vóór het programmeren</translation>
    </message>
    <message>
        <source>Program Device then reads the sender first and keeps what it held as the setup sheet&apos;s As Found; it programs nothing when that read fails.</source>
        <translation>&quot;Programmeren&quot; leest dan eerst de zender uit en bewaart wat hij bevatte als &quot;Aangetroffen&quot; op het instelblad; er wordt niets geprogrammeerd als dat uitlezen mislukt.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
</context>
<context>
    <name>zeft::TJobHistoryForm</name>
    <message>
        <source>(none selected)</source>
        <translation>(niets gekozen)</translation>
    </message>
    <message>
        <source>Job History</source>
        <translation>Opdrachtgeschiedenis</translation>
    </message>
    <message>
        <source>%1 records in %2</source>
        <translation>%1 records in %2</translation>
    </message>
    <message>
        <source>The job history %1 cannot be read: %2</source>
        <translation>De opdrachtgeschiedenis %1 kan niet worden gelezen: %2</translation>
    </message>
    <message>
        <source>; %1 lines that are not whole records were skipped</source>
        <translation>; %1 onvolledige regels zijn overgeslagen</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Tijd</translation>
    </message>
    <message>
        <source>Operation</source>
        <translation>Handeling</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Poort</translation>
    </message>
    <message>
        <source>Outcome</source>
        <translation>Resultaat</translation>
    </message>
    <message>
        <source>&amp;Settings of the selected record:</source>
        <translation>&amp;Instellingen van het gekozen record:</translation>
    </message>
    <message>
        <source>Sent</source>
        <translation>Verzonden</translation>
    </message>
    <message>
        <source>Reported</source>
        <translation>Gemeld</translation>
    </message>
    <message>
        <source>&amp;Load into Window</source>
        <translation>In venster &amp;laden</translation>
    </message>
    <message>
        <source>&amp;Compare with Window</source>
        <translation>Met venster &amp;vergelijken</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Sluiten</translation>
    </message>
    <message>
        <source>as the sender reported them</source>
        <translation>zoals de zender ze meldde</translation>
    </message>
    <message>
        <source>as the program sent them</source>
        <translation>zoals het programma ze verzond</translation>
    </message>
    <message>
        <source>the %1 of %2 on %3, %4</source>
        <translation>de handeling &quot;%1&quot; van %2 op %3, %4</translation>
    </message>
    <message>
        <source>Compare with Window</source>
        <translation>Met venster vergelijken</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Record</translation>
    </message>
    <message>
        <source>Window</source>
        <translation>Venster</translation>
    </message>
    <message>
        <source>the settings in the main window</source>
        <translation>de instellingen in het hoofdvenster</translation>
    </message>
    <message>
        <source>&amp;Records, newest first:</source>
        <translation>&amp;Records, nieuwste eerst:</translation>
    </message>
    <message>
        <source>Label</source>
        <translation>Kenmerk</translation>
    </message>
    <message>
        <source>Installer</source>
        <translation>Installateur</translation>
    </message>
    <message>
        <source>As Found</source>
        <translation>Aangetroffen</translation>
    </message>
    <message>
        <source>&amp;Export...</source>
        <translation>E&amp;xporteren...</translation>
    </message>
    <message>
        <source>Setup S&amp;heet...</source>
        <translation>Instel&amp;blad...</translation>
    </message>
    <message>
        <source>any part of the label</source>
        <translation>willekeurig deel van het kenmerk</translation>
    </message>
    <message>
        <source>La&amp;bel:</source>
        <translation>Ken&amp;merk:</translation>
    </message>
    <message>
        <source>&amp;Port:</source>
        <translation>&amp;Poort:</translation>
    </message>
    <message>
        <source>&amp;Operation:</source>
        <translation>&amp;Handeling:</translation>
    </message>
    <message>
        <source>O&amp;utcome:</source>
        <translation>&amp;Uitkomst:</translation>
    </message>
    <message>
        <source>&amp;From:</source>
        <translation>Va&amp;naf:</translation>
    </message>
    <message>
        <source>&amp;To:</source>
        <translation>&amp;Tot:</translation>
    </message>
    <message>
        <source>YYYY-MM-DD</source>
        <translation>JJJJ-MM-DD</translation>
    </message>
    <message>
        <source>All ports</source>
        <translation>Alle poorten</translation>
    </message>
    <message>
        <source>All operations</source>
        <translation>Alle handelingen</translation>
    </message>
    <message>
        <source>read</source>
        <translation>uitlezen</translation>
    </message>
    <message>
        <source>program</source>
        <translation>programmeren</translation>
    </message>
    <message>
        <source>restore</source>
        <translation>fabrieksinstelling</translation>
    </message>
    <message>
        <source>All outcomes</source>
        <translation>Alle uitkomsten</translation>
    </message>
    <message>
        <source>success</source>
        <translation>gelukt</translation>
    </message>
    <message>
        <source>failure</source>
        <translation>mislukt</translation>
    </message>
    <message>
        <source>&amp;Records, newest first: %1 of %2</source>
        <translation>&amp;Records, nieuwste eerst: %1 van %2</translation>
    </message>
</context>
<context>
    <name>zeft::TMain_Form</name>
    <message>
        <source>See Com Port &gt; Diagnose...</source>
        <translation>Zie COM-poort &gt; Diagnose...</translation>
    </message>
    <message>
        <source>Sensor Parameters</source>
        <translation>Zenderparameters</translation>
    </message>
    <message>
        <source>Output Type</source>
        <translation>Uitgangstype</translation>
    </message>
    <message>
        <source>Fluid Type</source>
        <translation>Vloeistoftype</translation>
    </message>
    <message>
        <source>Set Top Limit (Millimetre)</source>
        <translation>Bovengrens (millimeter)</translation>
    </message>
    <message>
        <source>Set Top Limit: 10 to 1000</source>
        <translation>Bovengrens: 10 tot 1000</translation>
    </message>
    <message>
        <source>Set Bottom Limit (Millimetre)</source>
        <translation>Ondergrens (millimeter)</translation>
    </message>
    <message>
        <source>Set Bottom Limit: 100 to 2000</source>
        <translation>Ondergrens: 100 tot 2000</translation>
    </message>
    <message>
        <source>1 inch = 25.4 millimetre</source>
        <translation>1 inch = 25.4 millimeter</translation>
    </message>
    <message>
        <source>Tank Linearization Parameters</source>
        <translation>Tanklinearisatie</translation>
    </message>
    <message>
        <source>Set Level A = 20% of Tank Level</source>
        <translation>Niveau A = 20% van de tank</translation>
    </message>
    <message>
        <source>Set Level B = 40% of Tank Level</source>
        <translation>Niveau B = 40% van de tank</translation>
    </message>
    <message>
        <source>Set Level C = 60% of Tank Level</source>
        <translation>Niveau C = 60% van de tank</translation>
    </message>
    <message>
        <source>Set Level D = 80% of Tank Level</source>
        <translation>Niveau D = 80% van de tank</translation>
    </message>
    <message>
        <source>Set Level A: 0 to 100</source>
        <translation>Niveau A: 0 tot 100</translation>
    </message>
    <message>
        <source>Set Level B: 0 to 100</source>
        <translation>Niveau B: 0 tot 100</translation>
    </message>
    <message>
        <source>Set Level C: 0 to 100</source>
        <translation>Niveau C: 0 tot 100</translation>
    </message>
    <message>
        <source>Set Level D: 0 to 100</source>
        <translation>Niveau D: 0 tot 100</translation>
    </message>
    <message>
        <source>Current Settings:</source>
        <translation>Huidige instellingen:</translation>
    </message>
    <message>
        <source>Read Device</source>
        <translation>Zender uitlezen</translation>
    </message>
    <message>
        <source>Program Device</source>
        <translation>Programmeren</translation>
    </message>
    <message>
        <source>Restore Default</source>
        <translation>Fabrieksinstelling</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Afsluiten</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Bestand</translation>
    </message>
    <message>
        <source>&amp;Load...</source>
        <translation>&amp;Laden...</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Opslaan &amp;als...</translation>
    </message>
    <message>
        <source>Compare with File...</source>
        <translation>Met bestand vergelijken...</translation>
    </message>
    <message>
        <source>Compare with Device</source>
        <translation>Met zender vergelijken</translation>
    </message>
    <message>
        <source>Save Setup Sheet...</source>
        <translation>Instelblad opslaan...</translation>
    </message>
    <message>
        <source>History...</source>
        <translation>Geschiedenis...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>Af&amp;sluiten</translation>
    </message>
    <message>
        <source>Com &amp;Port</source>
        <translation>COM-&amp;poort</translation>
    </message>
    <message>
        <source>&amp;Settings...</source>
        <translation>&amp;Instellingen...</translation>
    </message>
    <message>
        <source>&amp;Diagnose...</source>
        <translation>&amp;Diagnose...</translation>
    </message>
    <message>
        <source>Non-&amp;Linearization</source>
        <translation>&amp;Linearisatie</translation>
    </message>
    <message>
        <source>Shape...</source>
        <translation>Tankvorm...</translation>
    </message>
    <message>
        <source>Volume...</source>
        <translation>Volume...</translation>
    </message>
    <message>
        <source>Height...</source>
        <translation>Hoogte...</translation>
    </message>
    <message>
        <source>Measured Table...</source>
        <translation>Meettabel...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>About...</source>
        <translation>Over...</translation>
    </message>
    <message>
        <source>Firmware Update...</source>
        <translation>Firmware-update...</translation>
    </message>
    <message>
        <source>Battery Test...</source>
        <translation>Batterijtest...</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Taal</translation>
    </message>
    <message>
        <source>System default</source>
        <translation>Systeemtaal</translation>
    </message>
    <message>
        <source>Compare with File</source>
        <translation>Met bestand vergelijken</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Bestand</translation>
    </message>
    <message>
        <source>the file %1, as Load would read it</source>
        <translation>het bestand %1, zoals Laden het zou lezen</translation>
    </message>
    <message>
        <source>Window</source>
        <translation>Venster</translation>
    </message>
    <message>
        <source>the settings in the main window</source>
        <translation>de instellingen in het hoofdvenster</translation>
    </message>
    <message>
        <source>Sender</source>
        <translation>Zender</translation>
    </message>
    <message>
        <source>the sender on %1, as read now</source>
        <translation>de zender op %1, zojuist uitgelezen</translation>
    </message>
    <message>
        <source>Please select COM port first!</source>
        <translation>Kies eerst een COM-poort!</translation>
    </message>
    <message>
        <source>Failed update could result the device un-usable. Continue?</source>
        <translation>Een mislukte update kan de zender onbruikbaar maken. Doorgaan?</translation>
    </message>
    <message>
        <source>The language could not be saved.</source>
        <translation>De taal kon niet worden opgeslagen.</translation>
    </message>
    <message>
        <source>The language changes when ZEFT Programmer is started again.</source>
        <translation>De taal verandert bij de volgende start van ZEFT Programmer.</translation>
    </message>
    <message>
        <source>&amp;Job...</source>
        <translation>&amp;Opdracht...</translation>
    </message>
    <message>
        <source>&amp;Production...</source>
        <translation>&amp;Productie...</translation>
    </message>
</context>
<context>
    <name>zeft::TPortDoctorDlg</name>
    <message>
        <source>Diagnose Ports</source>
        <translation>Poorten diagnosticeren</translation>
    </message>
    <message>
        <source>&amp;Findings and their fixes:</source>
        <translation>&amp;Bevindingen en oplossingen:</translation>
    </message>
    <message>
        <source>&amp;Copy Fixes</source>
        <translation>Oplossingen &amp;kopiëren</translation>
    </message>
    <message>
        <source>Copy the fixes to the clipboard, to paste into a terminal or a note</source>
        <translation>De oplossingen naar het klembord kopiëren, om in een terminal of notitie te plakken</translation>
    </message>
    <message>
        <source>&amp;Run Again</source>
        <translation>&amp;Opnieuw</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Sluiten</translation>
    </message>
    <message>
        <source>Looking at the serial ports and USB adapters...</source>
        <translation>Seriële poorten en USB-adapters worden bekeken...</translation>
    </message>
    <message>
        <source>The fixes are on the clipboard.</source>
        <translation>De oplossingen staan op het klembord.</translation>
    </message>
    <message>
        <source>
Fix: </source>
        <translation>
Oplossing: </translation>
    </message>
    <message>
        <source>No problem found.</source>
        <translation>Geen probleem gevonden.</translation>
    </message>
    <message>
        <source>One finding.</source>
        <translation>Eén bevinding.</translation>
    </message>
    <message>
        <source>%1 findings.</source>
        <translation>%1 bevindingen.</translation>
    </message>
</context>
<context>
    <name>zeft::TProductionForm</name>
    <message>
        <source>Production</source>
        <translation>Productie</translation>
    </message>
    <message>
        <source>Settings: the main window&apos;s</source>
        <translation>Instellingen: die van het hoofdvenster</translation>
    </message>
    <message>
        <source>Load &amp;File...</source>
        <translation>&amp;Bestand laden...</translation>
    </message>
    <message>
        <source>Job &amp;label:</source>
        <translation>Opdracht&amp;kenmerk:</translation>
    </message>
    <message>
        <source>Stop &amp;after this many senders (0: no end):</source>
        <translation>Stoppen n&amp;a zoveel zenders (0: geen einde):</translation>
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
        <translation>Sluiten</translation>
    </message>
    <message>
        <source>Settings: %1</source>
        <translation>Instellingen: %1</translation>
    </message>
    <message>
        <source>Press Start to begin</source>
        <translation>Druk op &quot;Starten&quot; om te beginnen</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>Gestopt</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Klaar</translation>
    </message>
    <message>
        <source>Passed: %1</source>
        <translation>Geslaagd: %1</translation>
    </message>
    <message>
        <source>Failed: %1</source>
        <translation>Mislukt: %1</translation>
    </message>
</context>
<context>
    <name>zeft::TSerialLinkDLG</name>
    <message>
        <source>Port</source>
        <translation>Poort</translation>
    </message>
    <message>
        <source>Parity</source>
        <translation>Pariteit</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>Flowcontrol</source>
        <translation>Flow control</translation>
    </message>
    <message>
        <source>Baudrate</source>
        <translation>Baudrate</translation>
    </message>
    <message>
        <source>Databits</source>
        <translation>Databits</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>Communication Settings</source>
        <translation>Communicatie-instellingen</translation>
    </message>
    <message>
        <source>%1 is not present.</source>
        <translation>%1 is niet aanwezig.</translation>
    </message>
    <message>
        <source>Invalid Input</source>
        <translation>Ongeldige invoer</translation>
    </message>
    <message>
        <source>Invalid Input. Leave empty to hold previous Value.</source>
        <translation>Ongeldige invoer. Laat leeg om de vorige waarde te houden.</translation>
    </message>
    <message>
        <source>Input allowed single Char or 0..255. Leave empty to hold previous Value.</source>
        <translation>Toegestaan is één teken of 0..255. Laat leeg om de vorige waarde te houden.</translation>
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
        <translation>De instellingen zijn gelijk.</translation>
    </message>
    <message>
        <source>%1 of %2 settings %3: the rows marked &quot;%4&quot;.</source>
        <translation>%1 van %2 instellingen %3: de regels gemarkeerd met &quot;%4&quot;.</translation>
    </message>
    <message>
        <source>differs</source>
        <translation>wijkt af</translation>
    </message>
    <message>
        <source>differ</source>
        <translation>wijken af</translation>
    </message>
    <message>
        <source>&amp;Settings:</source>
        <translation>&amp;Instellingen:</translation>
    </message>
    <message>
        <source>Setting</source>
        <translation>Instelling</translation>
    </message>
    <message>
        <source>Difference</source>
        <translation>Verschil</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Sluiten</translation>
    </message>
</context>
<context>
    <name>zeft::app::TAboutForm</name>
    <message>
        <source>About ZEFT Programmer</source>
        <translation>Over ZEFT Programmer</translation>
    </message>
    <message>
        <source>Version:</source>
        <translation>Versie:</translation>
    </message>
    <message>
        <source>Copyright © 2008-2026 KOV. All rights reserved.</source>
        <translation>Copyright © 2008-2026 KOV. Alle rechten voorbehouden.</translation>
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
        <translation>Grootste meterafwijking: -</translation>
    </message>
    <message>
        <source>Non-linear Tank Parameter Calculation by Measured Table</source>
        <translation>Tanklinearisatie via een meettabel</translation>
    </message>
    <message>
        <source>Measured Table</source>
        <translation>Meettabel</translation>
    </message>
    <message>
        <source>&amp;Import CSV...</source>
        <translation>CSV &amp;importeren...</translation>
    </message>
    <message>
        <source>H (mm)</source>
        <translation>H (mm)</translation>
    </message>
    <message>
        <source>greatest height in the table</source>
        <translation>grootste hoogte in de tabel</translation>
    </message>
    <message>
        <source>Inch Unit</source>
        <translation>Eenheid inch</translation>
    </message>
    <message>
        <source>10% Reserve</source>
        <translation>10% reserve</translation>
    </message>
    <message>
        <source>&amp;Volumes in:</source>
        <translation>&amp;Volumes in:</translation>
    </message>
    <message>
        <source>Non-Linear Calculated Values</source>
        <translation>Berekende linearisatiewaarden</translation>
    </message>
    <message>
        <source>Volume at H = 0</source>
        <translation>Volume bij H = 0</translation>
    </message>
    <message>
        <source>H (inch)</source>
        <translation>H (inch)</translation>
    </message>
    <message>
        <source>Volume at H = </source>
        <translation>Volume bij H = </translation>
    </message>
    <message>
        <source>Largest gauge error: </source>
        <translation>Grootste meterafwijking: </translation>
    </message>
    <message>
        <source>&amp;Rows of height and volume (a first line naming the columns &quot;height&quot; and &quot;volume&quot; may come first):</source>
        <translation>&amp;Regels met hoogte en volume (een eerste regel mag de kolommen &quot;height&quot; en &quot;volume&quot; noemen):</translation>
    </message>
</context>
<context>
    <name>zeft::calc_ui::TNonLinearHeightForm</name>
    <message>
        <source>Non-linear Tank Parameter Calculation by Tank Height</source>
        <translation>Tanklinearisatie via de hoogte</translation>
    </message>
    <message>
        <source>Enter Tank Height Information (Millimetre)</source>
        <translation>Tankhoogten invoeren (millimeter)</translation>
    </message>
    <message>
        <source>Height @ Full Tank</source>
        <translation>Hoogte bij volle tank</translation>
    </message>
    <message>
        <source>Height @ 80% Volume</source>
        <translation>Hoogte bij 80% volume</translation>
    </message>
    <message>
        <source>Height @ 60% Volume</source>
        <translation>Hoogte bij 60% volume</translation>
    </message>
    <message>
        <source>Height @ 40% Volume</source>
        <translation>Hoogte bij 40% volume</translation>
    </message>
    <message>
        <source>Height @ 20% Volume</source>
        <translation>Hoogte bij 20% volume</translation>
    </message>
    <message>
        <source>Enter Tank Height Information (Inch)</source>
        <translation>Tankhoogten invoeren (inch)</translation>
    </message>
</context>
<context>
    <name>zeft::calc_ui::TNonLinearVolumeForm</name>
    <message>
        <source>Non-linear Tank Parameter Calculation by Tank Volume</source>
        <translation>Tanklinearisatie via het volume</translation>
    </message>
    <message>
        <source>Enter Tank Volume Information (Litre or Gallon)</source>
        <translation>Tankvolumes invoeren (liter of gallon)</translation>
    </message>
    <message>
        <source>Volume @ Full Tank</source>
        <translation>Volume bij volle tank</translation>
    </message>
    <message>
        <source>Volume @ 80% H</source>
        <translation>Volume bij 80% H</translation>
    </message>
    <message>
        <source>Volume @ 60% H</source>
        <translation>Volume bij 60% H</translation>
    </message>
    <message>
        <source>Volume @ 40% of H</source>
        <translation>Volume bij 40% van H</translation>
    </message>
    <message>
        <source>Volume @ 20% of H</source>
        <translation>Volume bij 20% van H</translation>
    </message>
    <message>
        <source>H (Millimetre)</source>
        <translation>H (millimeter)</translation>
    </message>
    <message>
        <source>H (inch)</source>
        <translation>H (inch)</translation>
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
        <translation>* symmetrisch rond de verticale as</translation>
    </message>
    <message>
        <source>Non-linear Tank Parameter Calculation by Tank Shape</source>
        <translation>Tanklinearisatie via de tankvorm</translation>
    </message>
    <message>
        <source>Prev &lt;</source>
        <translation>Vorige &lt;</translation>
    </message>
    <message>
        <source>Next &gt;</source>
        <translation>Volgende &gt;</translation>
    </message>
    <message>
        <source>Shape No.</source>
        <translation>Vorm nr.</translation>
    </message>
    <message>
        <source>Shape No. 18/18</source>
        <translation>Vorm nr. 18/18</translation>
    </message>
    <message>
        <source>Enter Tank Dimension (Millimetre)</source>
        <translation>Tankmaten invoeren (millimeter)</translation>
    </message>
    <message>
        <source>X Value</source>
        <translation>X-waarde</translation>
    </message>
    <message>
        <source>H Value</source>
        <translation>H-waarde</translation>
    </message>
    <message>
        <source>Y Value</source>
        <translation>Y-waarde</translation>
    </message>
    <message>
        <source>W Value</source>
        <translation>W-waarde</translation>
    </message>
    <message>
        <source>X1 Value</source>
        <translation>X1-waarde</translation>
    </message>
    <message>
        <source>Z Value</source>
        <translation>Z-waarde</translation>
    </message>
    <message>
        <source>X2 Value</source>
        <translation>X2-waarde</translation>
    </message>
    <message>
        <source>Inch Unit</source>
        <translation>Eenheid inch</translation>
    </message>
    <message>
        <source>Half Tank</source>
        <translation>Halve tank</translation>
    </message>
    <message>
        <source>10% Reserve</source>
        <translation>10% reserve</translation>
    </message>
    <message>
        <source>Non-Linear Calculated Values</source>
        <translation>Berekende linearisatiewaarden</translation>
    </message>
    <message>
        <source>Volume in Litres</source>
        <translation>Volume in liters</translation>
    </message>
    <message>
        <source>Volume in US Gallons</source>
        <translation>Volume in US-gallons</translation>
    </message>
    <message>
        <source>Chart...</source>
        <translation>Peiltabel...</translation>
    </message>
    <message>
        <source>Shape No. 1/%1</source>
        <translation>Vorm nr. 1/%1</translation>
    </message>
    <message>
        <source>Shape No. %1/%2</source>
        <translation>Vorm nr. %1/%2</translation>
    </message>
    <message>
        <source>Enter Tank Dimension (Inch)</source>
        <translation>Tankmaten invoeren (inch)</translation>
    </message>
</context>
<context>
    <name>zeft::calc_ui::TTableCalculatorForm</name>
    <message>
        <source>Inch Unit</source>
        <translation>Eenheid inch</translation>
    </message>
    <message>
        <source>Non-Linear Calculated Values</source>
        <translation>Berekende linearisatiewaarden</translation>
    </message>
</context>
<context>
    <name>zeft::calc_ui::TTankChartForm</name>
    <message>
        <source>Tank Chart</source>
        <translation>Peiltabel</translation>
    </message>
    <message>
        <source>Largest gauge error: </source>
        <translation>Grootste meterafwijking: </translation>
    </message>
    <message>
        <source>&amp;Volume unit:</source>
        <translation>&amp;Volume-eenheid:</translation>
    </message>
    <message>
        <source>&amp;Step (%1):</source>
        <translation>&amp;Stap (%1):</translation>
    </message>
    <message>
        <source>Dip &amp;table:</source>
        <translation>Peil&amp;tabel:</translation>
    </message>
    <message>
        <source>Save &amp;CSV...</source>
        <translation>&amp;CSV opslaan...</translation>
    </message>
    <message>
        <source>Save &amp;PDF...</source>
        <translation>&amp;PDF opslaan...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Sluiten</translation>
    </message>
    <message>
        <source>Shape %1</source>
        <translation>Vorm %1</translation>
    </message>
    <message>
        <source>, half tank</source>
        <translation>, halve tank</translation>
    </message>
    <message>
        <source>, full tank</source>
        <translation>, volle tank</translation>
    </message>
    <message>
        <source>. Volume %1 %2.</source>
        <translation>. Volume %1 %2.</translation>
    </message>
    <message>
        <source> 10% reserve: the sender reads empty at %1%2, levels A to D above it.</source>
        <translation> 10% reserve: de zender meldt leeg bij %1%2, de niveaus A tot D daarboven.</translation>
    </message>
    <message>
        <source> Largest gauge error: </source>
        <translation> Grootste meterafwijking: </translation>
    </message>
</context>
</TS>
