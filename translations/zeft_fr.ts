<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>CalculatorFormParts</name>
    <message>
        <source>Level A 20% = </source>
        <translation>Niveau A 20 % = </translation>
    </message>
    <message>
        <source>Level B 40% = </source>
        <translation>Niveau B 40 % = </translation>
    </message>
    <message>
        <source>Level C 60% =  </source>
        <translation>Niveau C 60 % = </translation>
    </message>
    <message>
        <source>Level D 80% = </source>
        <translation>Niveau D 80 % = </translation>
    </message>
    <message>
        <source>Bottom Limit  = </source>
        <translation>Limite basse = </translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Calculer</translation>
    </message>
    <message>
        <source>Save &amp;&amp; Close</source>
        <translation>Enregistrer &amp;&amp; fermer</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>The bottom limit &quot;%1&quot; is not a number.</source>
        <translation>La limite basse « %1 » n&apos;est pas un nombre.</translation>
    </message>
    <message>
        <source>A number, with &quot;%1&quot; as decimal separator</source>
        <translation>Un nombre, avec « %1 » comme séparateur décimal</translation>
    </message>
</context>
<context>
    <name>ContentCurve</name>
    <message>
        <source>Height (in)</source>
        <translation>Hauteur (in)</translation>
    </message>
    <message>
        <source>Height (mm)</source>
        <translation>Hauteur (mm)</translation>
    </message>
    <message>
        <source>Content (% of volume)</source>
        <translation>Contenu (% du volume)</translation>
    </message>
    <message>
        <source>Content</source>
        <translation>Contenu</translation>
    </message>
    <message>
        <source>Gauge reading</source>
        <translation>Indication de la jauge</translation>
    </message>
    <message>
        <source>Reserve</source>
        <translation>Réserve</translation>
    </message>
    <message>
        <source>Content curve</source>
        <translation>Courbe de contenu</translation>
    </message>
</context>
<context>
    <name>Core</name>
    <message>
        <source>Invalid input for step value! The step must be a number greater than 0.</source>
        <translation>Valeur de pas invalide ! Le pas doit être un nombre supérieur à 0.</translation>
    </message>
    <message>
        <source>Invalid input for H value!</source>
        <translation>Valeur H invalide !</translation>
    </message>
    <message>
        <source>Invalid input for H value! H must be at least 3.94 inch and no more than 78.74 inch!</source>
        <translation>Valeur H invalide ! H doit être d&apos;au moins 3.94 pouces et d&apos;au plus 78.74 pouces !</translation>
    </message>
    <message>
        <source>Invalid input for H value! H must be at least 100 mm and no more than 2000 mm!</source>
        <translation>Valeur H invalide ! H doit être d&apos;au moins 100 mm et d&apos;au plus 2000 mm !</translation>
    </message>
    <message>
        <source>The volume at H must be greater than 0.</source>
        <translation>Le volume à H doit être supérieur à 0.</translation>
    </message>
    <message>
        <source>Import CSV</source>
        <translation>Importer un CSV</translation>
    </message>
    <message>
        <source>CSV Files (*.csv *.txt)</source>
        <translation>Fichiers CSV (*.csv *.txt)</translation>
    </message>
    <message>
        <source>Are you sure you want to update the parameters with those in the Non-Linear Calculated Values group box?</source>
        <translation>Voulez-vous vraiment remplacer les paramètres par ceux du cadre « Valeurs de linéarisation calculées » ?</translation>
    </message>
    <message>
        <source>This method is just an estimation and is not accurate comparing to the Volume and Shape method! Are you sure you want to update the parameters with those in the Non-Linear Calculated Values group box?</source>
        <translation>Cette méthode n&apos;est qu&apos;une estimation, moins précise que les méthodes par volume et par forme ! Voulez-vous vraiment remplacer les paramètres par ceux du cadre « Valeurs de linéarisation calculées » ?</translation>
    </message>
    <message>
        <source>Invalid input for X value!</source>
        <translation>Valeur X invalide !</translation>
    </message>
    <message>
        <source>Invalid input for W value!</source>
        <translation>Valeur W invalide !</translation>
    </message>
    <message>
        <source>Y value cannot be equal or greater than H value!</source>
        <translation>La valeur Y ne peut pas être égale ou supérieure à la valeur H !</translation>
    </message>
    <message>
        <source>Invalid input for H!</source>
        <translation>Valeur H invalide !</translation>
    </message>
    <message>
        <source>Save CSV</source>
        <translation>Enregistrer le CSV</translation>
    </message>
    <message>
        <source>CSV Files (*.csv)</source>
        <translation>Fichiers CSV (*.csv)</translation>
    </message>
    <message>
        <source>Save PDF</source>
        <translation>Enregistrer le PDF</translation>
    </message>
    <message>
        <source>PDF Files (*.pdf)</source>
        <translation>Fichiers PDF (*.pdf)</translation>
    </message>
    <message>
        <source>litres</source>
        <translation>litres</translation>
    </message>
    <message>
        <source>cubic metres</source>
        <translation>mètres cubes</translation>
    </message>
    <message>
        <source>US gallons</source>
        <translation>gallons US</translation>
    </message>
    <message>
        <source>imperial gallons</source>
        <translation>gallons impériaux</translation>
    </message>
    <message>
        <source>Cannot Open COM port!</source>
        <translation>Impossible d&apos;ouvrir le port COM !</translation>
    </message>
    <message>
        <source>Fail to connect with the device! Check connection or battery!</source>
        <translation>Connexion à la sonde impossible ! Vérifiez le branchement ou la pile !</translation>
    </message>
    <message>
        <source>Fail to connect with the device!</source>
        <translation>Connexion à la sonde impossible !</translation>
    </message>
    <message>
        <source>Fail to communicate with the device! Check connection or battery!</source>
        <translation>Échec de la communication avec la sonde ! Vérifiez le branchement ou la pile !</translation>
    </message>
    <message>
        <source>Fail to communicate with the device!</source>
        <translation>Échec de la communication avec la sonde !</translation>
    </message>
    <message>
        <source>Fail to program the device! Check connection or battery!</source>
        <translation>Échec de la programmation de la sonde ! Vérifiez le branchement ou la pile !</translation>
    </message>
    <message>
        <source>Fail to program the device!</source>
        <translation>Échec de la programmation de la sonde !</translation>
    </message>
    <message>
        <source>Fail to program the device due to incompatible firmware! Please contact KOV to upgrade!</source>
        <translation>Échec de la programmation : micrologiciel de la sonde incompatible ! Contactez KOV pour une mise à jour !</translation>
    </message>
    <message>
        <source>Invalid data in Output Type! Please select an output type!</source>
        <translation>Type de sortie invalide ! Choisissez un type de sortie !</translation>
    </message>
    <message>
        <source>Invalid data in Fluid Type! Please select a fluid type!</source>
        <translation>Type de fluide invalide ! Choisissez un type de fluide !</translation>
    </message>
    <message>
        <source>Device read successfully!</source>
        <translation>Sonde lue avec succès !</translation>
    </message>
    <message>
        <source>Device restored successfully!</source>
        <translation>Réglages d&apos;usine rétablis avec succès !</translation>
    </message>
    <message>
        <source>Restoring default settings...</source>
        <translation>Rétablissement des réglages d&apos;usine...</translation>
    </message>
    <message>
        <source>Programming the device now...<byte value="xd"/></source>
        <translation>Programmation de la sonde...<byte value="xd"/></translation>
    </message>
    <message>
        <source>Device programmed successfully!</source>
        <translation>Sonde programmée avec succès !</translation>
    </message>
    <message>
        <source>%1 (sent %2, read %3)</source>
        <translation>%1 (envoyé %2, lu %3)</translation>
    </message>
    <message>
        <source>The device did not keep these settings: </source>
        <translation>La sonde n&apos;a pas conservé ces réglages : </translation>
    </message>
    <message>
        <source>program</source>
        <translation>programmation</translation>
    </message>
    <message>
        <source>restore</source>
        <translation>réglages d&apos;usine</translation>
    </message>
    <message>
        <source>read</source>
        <translation>lecture</translation>
    </message>
    <message>
        <source>success</source>
        <translation>réussi</translation>
    </message>
    <message>
        <source>No serial port was selected.</source>
        <translation>Aucun port série n&apos;a été choisi.</translation>
    </message>
    <message>
        <source>No serial port is open: the Communication Settings were cancelled.</source>
        <translation>Aucun port série ouvert : les paramètres de communication ont été annulés.</translation>
    </message>
    <message>
        <source>The serial port was closed for a firmware update.</source>
        <translation>Le port série a été fermé pour une mise à jour du micrologiciel.</translation>
    </message>
    <message>
        <source>Please select COM port!</source>
        <translation>Choisissez le port COM !</translation>
    </message>
    <message>
        <source>Stopped before its end: the sender was switched off.</source>
        <translation>Arrêté avant la fin : la sonde a été mise hors tension.</translation>
    </message>
    <message>
        <source>Voltage 0 - 5V</source>
        <translation>Tension 0 - 5V</translation>
    </message>
    <message>
        <source>Resistive 240 - 33R</source>
        <translation>Résistif 240 - 33R</translation>
    </message>
    <message>
        <source>Resistive 10 - 180R</source>
        <translation>Résistif 10 - 180R</translation>
    </message>
    <message>
        <source>Resistive 300 - 10R</source>
        <translation>Résistif 300 - 10R</translation>
    </message>
    <message>
        <source>Water</source>
        <translation>Eau</translation>
    </message>
    <message>
        <source>Petrol</source>
        <translation>Essence</translation>
    </message>
    <message>
        <source>Diesel</source>
        <translation>Gazole</translation>
    </message>
    <message>
        <source>Waste</source>
        <translation>Eaux usées</translation>
    </message>
    <message>
        <source>Top Limit</source>
        <translation>Limite haute</translation>
    </message>
    <message>
        <source>Bottom Limit</source>
        <translation>Limite basse</translation>
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
        <translation>Type de sortie</translation>
    </message>
    <message>
        <source>Fluid Type</source>
        <translation>Type de fluide</translation>
    </message>
    <message>
        <source>Save Setup Sheet</source>
        <translation>Enregistrer la fiche de réglage</translation>
    </message>
    <message>
        <source>error</source>
        <translation>erreur</translation>
    </message>
    <message>
        <source>warning</source>
        <translation>avertissement</translation>
    </message>
    <message>
        <source>info</source>
        <translation>info</translation>
    </message>
    <message>
        <source>under 0.01 points</source>
        <translation>moins de 0.01 point</translation>
    </message>
    <message>
        <source>%1 points at %2 in (%3 % of H)</source>
        <translation>%1 points à %2 in (%3 % de H)</translation>
    </message>
    <message>
        <source>%1 points at %2 mm (%3 % of H)</source>
        <translation>%1 points à %2 mm (%3 % de H)</translation>
    </message>
    <message>
        <source>Height (in)</source>
        <translation>Hauteur (in)</translation>
    </message>
    <message>
        <source>Height (mm)</source>
        <translation>Hauteur (mm)</translation>
    </message>
    <message>
        <source>Percent</source>
        <translation>Pourcentage</translation>
    </message>
    <message>
        <source>Gauge %</source>
        <translation>Jauge %</translation>
    </message>
    <message>
        <source>Volume (%1)</source>
        <translation>Volume (%1)</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 existe déjà.
Voulez-vous le remplacer ?</translation>
    </message>
    <message>
        <source>Invalid data in Set Level A! Level A must be an integer, &gt;= 0 and &lt;= 100!</source>
        <translation>Saisie invalide pour le niveau A ! Le niveau A doit être un entier de 0 à 100 !</translation>
    </message>
    <message>
        <source>Invalid data in Set Level B! Level B must be an integer, &gt;= 0 and &lt;= 100!</source>
        <translation>Saisie invalide pour le niveau B ! Le niveau B doit être un entier de 0 à 100 !</translation>
    </message>
    <message>
        <source>Level A cannot be equal or greater than Level B!</source>
        <translation>Le niveau A ne peut pas être égal ou supérieur au niveau B !</translation>
    </message>
    <message>
        <source>Invalid data in Set Level C! Level C must be an integer, &gt;= 0 and &lt;= 100!</source>
        <translation>Saisie invalide pour le niveau C ! Le niveau C doit être un entier de 0 à 100 !</translation>
    </message>
    <message>
        <source>Level B cannot be equal or greater than Level C!</source>
        <translation>Le niveau B ne peut pas être égal ou supérieur au niveau C !</translation>
    </message>
    <message>
        <source>Invalid data in Set Level D! Level D must be an integer, &gt;= 0 and &lt;= 100!</source>
        <translation>Saisie invalide pour le niveau D ! Le niveau D doit être un entier de 0 à 100 !</translation>
    </message>
    <message>
        <source>Level C cannot be equal or greater than Level D!</source>
        <translation>Le niveau C ne peut pas être égal ou supérieur au niveau D !</translation>
    </message>
    <message>
        <source>Invalid data in Set Top Limit! Top Limit must be an integer, &gt;= 10 and &lt;= 1000!</source>
        <translation>Limite haute invalide ! La limite haute doit être un entier de 10 à 1000 !</translation>
    </message>
    <message>
        <source>The top limit should be 10mm except where tank sender spacer is used. Are you sure to set it to %1mm?</source>
        <translation>La limite haute doit être de 10mm sauf si une entretoise de sonde est utilisée. Voulez-vous vraiment la régler à %1mm ?</translation>
    </message>
    <message>
        <source>Invalid data in Set Bottom Limit! Bottom Limit must be an integer, &gt;= 100 and &lt;= 2000!</source>
        <translation>Limite basse invalide ! La limite basse doit être un entier de 100 à 2000 !</translation>
    </message>
    <message>
        <source>Top Limit cannot be equal or greater than Bottom Limit!</source>
        <translation>La limite haute ne peut pas être égale ou supérieure à la limite basse !</translation>
    </message>
    <message>
        <source>Invalid input for step value! The table would have more than %1 rows.</source>
        <translation>Valeur de pas invalide ! Le tableau aurait plus de %1 lignes.</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exporter</translation>
    </message>
    <message>
        <source>Connect the next sender</source>
        <translation>Branchez la sonde suivante</translation>
    </message>
    <message>
        <source>Programming sender %1</source>
        <translation>Programmation de la sonde %1</translation>
    </message>
    <message>
        <source>Sender %1 programmed and verified: disconnect it</source>
        <translation>Sonde %1 programmée et vérifiée : débranchez-la</translation>
    </message>
    <message>
        <source>Sender %1 FAILED: %2</source>
        <translation>Sonde %1 EN ÉCHEC : %2</translation>
    </message>
    <message>
        <source>Programmed %1, failed %2</source>
        <translation>Programmées %1, en échec %2</translation>
    </message>
    <message>
        <source>, %1 s per sender</source>
        <translation>, %1 s par sonde</translation>
    </message>
    <message>
        <source>Row %1: the first line must name a height column (height, level, depth or dip) and a volume column (volume, content, contents or capacity), a unit in brackets after the word if need be.</source>
        <translation>Ligne %1 : la première ligne doit nommer une colonne de hauteur (height, level, depth ou dip) et une colonne de volume (volume, content, contents ou capacity), avec si besoin une unité entre parenthèses après le mot.</translation>
    </message>
    <message>
        <source>Row %1: more cells than the first line has (a decimal comma needs semicolons between the cells).</source>
        <translation>Ligne %1 : plus de cellules que la première ligne (une virgule décimale exige des points-virgules entre les cellules).</translation>
    </message>
    <message>
        <source>Row %1: there is no height.</source>
        <translation>Ligne %1 : il manque la hauteur.</translation>
    </message>
    <message>
        <source>Row %1: there is no volume.</source>
        <translation>Ligne %1 : il manque le volume.</translation>
    </message>
    <message>
        <source>Row %1: the height %2 is not a number.</source>
        <translation>Ligne %1 : la hauteur %2 n&apos;est pas un nombre.</translation>
    </message>
    <message>
        <source>Row %1: the volume %2 is not a number.</source>
        <translation>Ligne %1 : le volume %2 n&apos;est pas un nombre.</translation>
    </message>
    <message>
        <source>Row %1: the height %2 is negative.</source>
        <translation>Ligne %1 : la hauteur %2 est négative.</translation>
    </message>
    <message>
        <source>Row %1: the volume %2 is negative.</source>
        <translation>Ligne %1 : le volume %2 est négatif.</translation>
    </message>
    <message>
        <source>Row %1: the height %2 is too large.</source>
        <translation>Ligne %1 : la hauteur %2 est trop grande.</translation>
    </message>
    <message>
        <source>Row %1: the volume %2 is too large.</source>
        <translation>Ligne %1 : le volume %2 est trop grand.</translation>
    </message>
    <message>
        <source>The table needs at least three rows; it has %1.</source>
        <translation>Le tableau doit avoir au moins trois lignes ; il en a %1.</translation>
    </message>
    <message>
        <source>Row %1: the height %2 is already in row %3.</source>
        <translation>Ligne %1 : la hauteur %2 figure déjà à la ligne %3.</translation>
    </message>
    <message>
        <source>Row %1: the volume %2 is less than the %3 of row %4, which is lower down.</source>
        <translation>Ligne %1 : le volume %2 est inférieur aux %3 de la ligne %4, qui est plus bas.</translation>
    </message>
    <message>
        <source>The file %1 does not exist.</source>
        <translation>Le fichier %1 n&apos;existe pas.</translation>
    </message>
    <message>
        <source>The file %1 is not a regular file.</source>
        <translation>Le fichier %1 n&apos;est pas un fichier ordinaire.</translation>
    </message>
    <message>
        <source>The file %1 is too large for a measured table.</source>
        <translation>Le fichier %1 est trop grand pour une table mesurée.</translation>
    </message>
    <message>
        <source>The file %1 cannot be read: %2.</source>
        <translation>Le fichier %1 ne peut pas être lu : %2.</translation>
    </message>
    <message>
        <source>Sender simulated by this program, no hardware</source>
        <translation>Sonde simulée par ce programme, sans matériel</translation>
    </message>
    <message>
        <source>Senders simulated by this program one after another, no hardware</source>
        <translation>Sondes simulées l&apos;une après l&apos;autre par ce programme, sans matériel</translation>
    </message>
    <message>
        <source>open the Device Manager (devmgmt.msc), right-click the adapter, choose Uninstall device, then plug the adapter in again</source>
        <translation>ouvrir le Gestionnaire de périphériques (devmgmt.msc), faire un clic droit sur l&apos;adaptateur, choisir « Désinstaller l&apos;appareil », puis rebrancher l&apos;adaptateur</translation>
    </message>
    <message>
        <source>install the adapter&apos;s driver from its maker (or let Windows Update find it), then plug the adapter in again</source>
        <translation>installer le pilote de l&apos;adaptateur fourni par son fabricant (ou le faire trouver par Windows Update), puis rebrancher l&apos;adaptateur</translation>
    </message>
    <message>
        <source>it is not configured</source>
        <translation>l&apos;appareil n&apos;est pas configuré</translation>
    </message>
    <message>
        <source>it could not start</source>
        <translation>l&apos;appareil n&apos;a pas pu démarrer</translation>
    </message>
    <message>
        <source>it finds no free resources</source>
        <translation>l&apos;appareil ne trouve pas de ressources libres</translation>
    </message>
    <message>
        <source>it works only after a restart</source>
        <translation>l&apos;appareil ne fonctionnera qu&apos;après un redémarrage</translation>
    </message>
    <message>
        <source>restart the computer</source>
        <translation>redémarrer l&apos;ordinateur</translation>
    </message>
    <message>
        <source>its driver must be installed again</source>
        <translation>son pilote doit être réinstallé</translation>
    </message>
    <message>
        <source>it is disabled</source>
        <translation>l&apos;appareil est désactivé</translation>
    </message>
    <message>
        <source>open the Device Manager (devmgmt.msc), right-click the adapter, choose Enable device</source>
        <translation>ouvrir le Gestionnaire de périphériques (devmgmt.msc), faire un clic droit sur l&apos;adaptateur, choisir « Activer l&apos;appareil »</translation>
    </message>
    <message>
        <source>it is not connected</source>
        <translation>l&apos;appareil n&apos;est pas connecté</translation>
    </message>
    <message>
        <source>plug the adapter in again, or into another USB socket</source>
        <translation>rebrancher l&apos;adaptateur, ou le brancher sur une autre prise USB</translation>
    </message>
    <message>
        <source>its driver is not installed</source>
        <translation>son pilote n&apos;est pas installé</translation>
    </message>
    <message>
        <source>its driver does not load</source>
        <translation>son pilote ne se charge pas</translation>
    </message>
    <message>
        <source>its driver&apos;s service is disabled</source>
        <translation>le service de son pilote est désactivé</translation>
    </message>
    <message>
        <source>Windows stopped it because it reported problems</source>
        <translation>Windows l&apos;a arrêté parce qu&apos;il a signalé des problèmes</translation>
    </message>
    <message>
        <source>plug the adapter into another USB socket; if that does not help, the adapter is faulty or a copy its maker&apos;s driver refuses</source>
        <translation>brancher l&apos;adaptateur sur une autre prise USB ; si cela ne suffit pas, l&apos;adaptateur est défectueux ou c&apos;est une copie que le pilote de son fabricant refuse</translation>
    </message>
    <message>
        <source>its driver is blocked or not signed</source>
        <translation>son pilote est bloqué ou non signé</translation>
    </message>
    <message>
        <source>the Device Manager shows a problem (code %1)</source>
        <translation>le Gestionnaire de périphériques signale un problème (code %1)</translation>
    </message>
    <message>
        <source>then log out and log in again</source>
        <translation>puis fermer la session et l&apos;ouvrir à nouveau</translation>
    </message>
    <message>
        <source>give the port to the serial group with a udev rule that sets %1</source>
        <translation>attribuer le port au groupe série par une règle udev qui définit %1</translation>
    </message>
    <message>
        <source>plug in the adapter</source>
        <translation>brancher l&apos;adaptateur</translation>
    </message>
    <message>
        <source>plug in the adapter, or choose a port that is there: %1</source>
        <translation>brancher l&apos;adaptateur, ou choisir un port présent : %1</translation>
    </message>
    <message>
        <source>%1 may be used by the group &quot;%2&quot;, and the user %3 is not in it.</source>
        <translation>%1 peut être utilisé par le groupe « %2 », et l&apos;utilisateur %3 n&apos;en fait pas partie.</translation>
    </message>
    <message>
        <source>%1 may be used by its owner %2 only (mode %3).</source>
        <translation>%1 ne peut être utilisé que par son propriétaire %2 (mode %3).</translation>
    </message>
    <message>
        <source>The user %1 is in the group &quot;%2&quot; that may use %3, but this session started before that and does not have the group yet.</source>
        <translation>L&apos;utilisateur %1 fait partie du groupe « %2 » qui peut utiliser %3, mais cette session a commencé avant et n&apos;a pas encore ce groupe.</translation>
    </message>
    <message>
        <source>log out and log in again (or restart the computer)</source>
        <translation>fermer la session et l&apos;ouvrir à nouveau (ou redémarrer l&apos;ordinateur)</translation>
    </message>
    <message>
        <source>%1 is open in another program: %2.</source>
        <translation>%1 est ouvert dans un autre programme : %2.</translation>
    </message>
    <message>
        <source>or close %1</source>
        <translation>ou fermer %1</translation>
    </message>
    <message>
        <source>%1 is held in exclusive mode by a program this user cannot see (a service or another user&apos;s program).</source>
        <translation>%1 est tenu en mode exclusif par un programme que cet utilisateur ne voit pas (un service ou le programme d&apos;un autre utilisateur).</translation>
    </message>
    <message>
        <source>fuser names the program; close it or stop its service</source>
        <translation>fuser nomme le programme ; le fermer ou arrêter son service</translation>
    </message>
    <message>
        <source>%1 does not open: %2.</source>
        <translation>%1 ne s&apos;ouvre pas : %2.</translation>
    </message>
    <message>
        <source>unplug the adapter and plug it in again</source>
        <translation>débrancher l&apos;adaptateur et le rebrancher</translation>
    </message>
    <message>
        <source>The braille display daemon (brltty) claims USB id %1 in its rule %2, so this adapter&apos;s serial port goes away as soon as it is plugged in.</source>
        <translation>Le service des afficheurs braille (brltty) réclame l&apos;identifiant USB %1 dans sa règle %2, si bien que le port série de cet adaptateur disparaît dès qu&apos;il est branché.</translation>
    </message>
    <message>
        <source>then plug the adapter in again; where no braille display is used, removing brltty does too</source>
        <translation>puis rebrancher l&apos;adaptateur ; là où aucun afficheur braille n&apos;est utilisé, désinstaller brltty suffit aussi</translation>
    </message>
    <message>
        <source>ModemManager is running and takes %1 for a modem: it sends the adapter AT commands and holds the port after it is plugged in.</source>
        <translation>ModemManager est en marche et prend %1 pour un modem : il envoie des commandes AT à l&apos;adaptateur et occupe le port une fois celui-ci branché.</translation>
    </message>
    <message>
        <source>or stop ModemManager: %1</source>
        <translation>ou arrêter ModemManager : %1</translation>
    </message>
    <message>
        <source>then plug the adapter in again; %1</source>
        <translation>puis rebrancher l&apos;adaptateur ; %1</translation>
    </message>
    <message>
        <source>The USB serial adapter %1 has no driver, so it has no serial port.</source>
        <translation>L&apos;adaptateur série USB %1 n&apos;a pas de pilote, il n&apos;a donc pas de port série.</translation>
    </message>
    <message>
        <source>No serial port was found.</source>
        <translation>Aucun port série n&apos;a été trouvé.</translation>
    </message>
    <message>
        <source>plug in the adapter (check its cable, try another USB socket), then run this again</source>
        <translation>brancher l&apos;adaptateur (vérifier son câble, essayer une autre prise USB), puis relancer le diagnostic</translation>
    </message>
    <message>
        <source>%1 is not there.</source>
        <translation>%1 est absent.</translation>
    </message>
    <message>
        <source>%1 is not a serial port: it is %2.</source>
        <translation>%1 n&apos;est pas un port série : c&apos;est %2.</translation>
    </message>
    <message>
        <source>%1 is the terminal this program runs in, not a serial port.</source>
        <translation>%1 est le terminal dans lequel ce programme tourne, pas un port série.</translation>
    </message>
    <message>
        <source>%1 does not work: %2.</source>
        <translation>%1 ne fonctionne pas : %2.</translation>
    </message>
    <message>
        <source>%1 is in use by another program.</source>
        <translation>%1 est utilisé par un autre programme.</translation>
    </message>
    <message>
        <source>close the program that uses %1 (a terminal program, an IDE&apos;s serial monitor)</source>
        <translation>fermer le programme qui utilise %1 (un programme de terminal, le moniteur série d&apos;un IDE)</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 et %2</translation>
    </message>
    <message>
        <source>a folder</source>
        <translation>un dossier</translation>
    </message>
    <message>
        <source>a regular file</source>
        <translation>un fichier ordinaire</translation>
    </message>
    <message>
        <source>a named pipe (FIFO)</source>
        <translation>un tube nommé (FIFO)</translation>
    </message>
    <message>
        <source>a socket</source>
        <translation>un socket</translation>
    </message>
    <message>
        <source>a block device (a disk)</source>
        <translation>un périphérique bloc (un disque)</translation>
    </message>
    <message>
        <source>a device that is not a terminal</source>
        <translation>un périphérique qui n&apos;est pas un terminal</translation>
    </message>
    <message>
        <source>Top Limit (Millimetre)</source>
        <translation>Limite haute (millimètres)</translation>
    </message>
    <message>
        <source>Bottom Limit (Millimetre)</source>
        <translation>Limite basse (millimètres)</translation>
    </message>
    <message>
        <source>Level A = 20% of Tank Level</source>
        <translation>Niveau A = 20 % du réservoir</translation>
    </message>
    <message>
        <source>Level B = 40% of Tank Level</source>
        <translation>Niveau B = 40 % du réservoir</translation>
    </message>
    <message>
        <source>Level C = 60% of Tank Level</source>
        <translation>Niveau C = 60 % du réservoir</translation>
    </message>
    <message>
        <source>Level D = 80% of Tank Level</source>
        <translation>Niveau D = 80 % du réservoir</translation>
    </message>
</context>
<context>
    <name>JpegPicture</name>
    <message>
        <source>the file is empty</source>
        <translation>le fichier est vide</translation>
    </message>
    <message>
        <source>the file is not a readable JPEG picture (%1)</source>
        <translation>le fichier n&apos;est pas une image JPEG lisible (%1)</translation>
    </message>
    <message>
        <source>there is not enough memory for the picture</source>
        <translation>mémoire insuffisante pour l&apos;image</translation>
    </message>
    <message>
        <source>the file does not exist</source>
        <translation>le fichier n&apos;existe pas</translation>
    </message>
    <message>
        <source>the file cannot be opened (%1)</source>
        <translation>le fichier ne peut pas être ouvert (%1)</translation>
    </message>
    <message>
        <source>the file is too large for a picture</source>
        <translation>le fichier est trop grand pour une image</translation>
    </message>
    <message>
        <source>the file cannot be read (%1)</source>
        <translation>le fichier ne peut pas être lu (%1)</translation>
    </message>
    <message>
        <source>Cannot load the picture &quot;%1&quot;: %2.</source>
        <translation>Impossible de charger l&apos;image « %1 » : %2.</translation>
    </message>
</context>
<context>
    <name>QtFileDialogs</name>
    <message>
        <source>All Files (*.*)</source>
        <translation>Tous les fichiers (*.*)</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>ZEFT Config Files (*.zcf)</source>
        <translation>Fichiers de configuration ZEFT (*.zcf)</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Enregistrer sous</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
</context>
<context>
    <name>QtPrompts</name>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Avertissement</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Confirmer</translation>
    </message>
</context>
<context>
    <name>SetupSheet</name>
    <message>
        <source>(none selected)</source>
        <translation>(aucune sélection)</translation>
    </message>
    <message>
        <source>no parity</source>
        <translation>sans parité</translation>
    </message>
    <message>
        <source>odd parity</source>
        <translation>parité impaire</translation>
    </message>
    <message>
        <source>even parity</source>
        <translation>parité paire</translation>
    </message>
    <message>
        <source>mark parity</source>
        <translation>parité marque</translation>
    </message>
    <message>
        <source>space parity</source>
        <translation>parité espace</translation>
    </message>
    <message>
        <source>1.5 stop bits</source>
        <translation>1.5 bits de stop</translation>
    </message>
    <message>
        <source>2 stop bits</source>
        <translation>2 bits de stop</translation>
    </message>
    <message>
        <source>1 stop bit</source>
        <translation>1 bit de stop</translation>
    </message>
    <message>
        <source>Serial Port</source>
        <translation>Port série</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>%1 (not open)</source>
        <translation>%1 (non ouvert)</translation>
    </message>
    <message>
        <source>Line settings</source>
        <translation>Paramètres de ligne</translation>
    </message>
    <message>
        <source>%1 baud, %2 data bits, %3, %4</source>
        <translation>%1 bauds, %2 bits de données, %3, %4</translation>
    </message>
    <message>
        <source>Sender Settings</source>
        <translation>Réglages de la sonde</translation>
    </message>
    <message>
        <source>As Found</source>
        <translation>Trouvé</translation>
    </message>
    <message>
        <source>As Left</source>
        <translation>Laissé</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Volume</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Hauteur</translation>
    </message>
    <message>
        <source>Measured Table</source>
        <translation>Table mesurée</translation>
    </message>
    <message>
        <source>Shape</source>
        <translation>Forme</translation>
    </message>
    <message>
        <source>Levels from the Volume Calculator</source>
        <translation>Niveaux du calcul par volume</translation>
    </message>
    <message>
        <source>Levels from the Height Calculator</source>
        <translation>Niveaux du calcul par hauteur</translation>
    </message>
    <message>
        <source>Levels from the Measured Table Calculator</source>
        <translation>Niveaux du calcul par table mesurée</translation>
    </message>
    <message>
        <source>Levels from the Shape Calculator</source>
        <translation>Niveaux du calcul par forme</translation>
    </message>
    <message>
        <source>Inch</source>
        <translation>Pouce</translation>
    </message>
    <message>
        <source>Millimetre</source>
        <translation>Millimètre</translation>
    </message>
    <message>
        <source>Calculator</source>
        <translation>Calcul</translation>
    </message>
    <message>
        <source>Non-Linearization &gt; %1...</source>
        <translation>Linéarisation &gt; %1...</translation>
    </message>
    <message>
        <source>Calculation</source>
        <translation>Calcul</translation>
    </message>
    <message>
        <source>none: the window&apos;s starting values were handed over</source>
        <translation>aucun : les valeurs initiales de la fenêtre ont été reprises</translation>
    </message>
    <message>
        <source>, half tank</source>
        <translation>, demi-réservoir</translation>
    </message>
    <message>
        <source>, 10% reserve</source>
        <translation>, 10 % de réserve</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>Unité</translation>
    </message>
    <message>
        <source>... %1 more lines not printed</source>
        <translation>... %1 lignes de plus non imprimées</translation>
    </message>
    <message>
        <source>ZEFT Programmer - Setup Sheet</source>
        <translation>ZEFT Programmer - Fiche de réglage</translation>
    </message>
    <message>
        <source>Sender&apos;s Reply as Last Read</source>
        <translation>Réponse de la sonde à la dernière lecture</translation>
    </message>
    <message>
        <source>changed</source>
        <translation>modifié</translation>
    </message>
    <message>
        <source>Adapter</source>
        <translation>Adaptateur</translation>
    </message>
    <message>
        <source> at %1</source>
        <translation> le %1</translation>
    </message>
    <message>
        <source>As Found: read from the sender%1, before it was programmed. Rows marked &quot;%2&quot; differ between what the sender held then and what it reported after.</source>
        <translation>Trouvé : lu dans la sonde%1, avant sa programmation. Les lignes marquées « %2 » diffèrent entre ce que la sonde contenait alors et ce qu&apos;elle a indiqué ensuite.</translation>
    </message>
    <message>
        <source>The sender was not read before programming (with no program, restore or change of port between), so what it held before is not known.</source>
        <translation>La sonde n&apos;a pas été lue avant la programmation (sans programmation, réglages d&apos;usine ni changement de port entre les deux) : son contenu antérieur n&apos;est donc pas connu.</translation>
    </message>
    <message>
        <source>Largest gauge error (percentage points of the full content)</source>
        <translation>Plus grande erreur de jauge (points de pourcentage du contenu plein)</translation>
    </message>
    <message>
        <source>(none given)</source>
        <translation>(non indiqué)</translation>
    </message>
    <message>
        <source>Job</source>
        <translation>Intervention</translation>
    </message>
    <message>
        <source>Label</source>
        <translation>Libellé</translation>
    </message>
    <message>
        <source>Installer</source>
        <translation>Installateur</translation>
    </message>
    <message>
        <source>Owner</source>
        <translation>Propriétaire</translation>
    </message>
    <message>
        <source>Operation</source>
        <translation>Opération</translation>
    </message>
    <message>
        <source>Sender Settings (as sent; the sender reported none)</source>
        <translation>Réglages de la sonde (tels qu&apos;envoyés ; la sonde n&apos;en a indiqué aucun)</translation>
    </message>
    <message>
        <source>Tank with two sloping sections</source>
        <translation>Réservoir à deux parties inclinées</translation>
    </message>
    <message>
        <source>Straight-sided tank on a narrowing bottom</source>
        <translation>Réservoir droit sur un fond qui se rétrécit</translation>
    </message>
    <message>
        <source>Tank narrowing to a point, with a sloping top part</source>
        <translation>Réservoir en pointe, à partie haute inclinée</translation>
    </message>
    <message>
        <source>Straight-sided tank on a bottom narrowing to a point</source>
        <translation>Réservoir droit sur un fond en pointe</translation>
    </message>
    <message>
        <source>Tank with one sloping section</source>
        <translation>Réservoir à une partie inclinée</translation>
    </message>
    <message>
        <source>V-shaped tank</source>
        <translation>Réservoir en V</translation>
    </message>
    <message>
        <source>Rectangular box</source>
        <translation>Caisson rectangulaire</translation>
    </message>
    <message>
        <source>Box under a widening top part</source>
        <translation>Caisson sous une partie haute qui s&apos;élargit</translation>
    </message>
    <message>
        <source>Stepped tank: two boxes</source>
        <translation>Réservoir à gradin : deux caissons</translation>
    </message>
    <message>
        <source>Stepped tank on a widening bottom</source>
        <translation>Réservoir à gradin sur un fond qui s&apos;élargit</translation>
    </message>
    <message>
        <source>Stepped tank with a widening top and bottom</source>
        <translation>Réservoir à gradin, haut et bas qui s&apos;élargissent</translation>
    </message>
    <message>
        <source>Horizontal cylinder</source>
        <translation>Cylindre horizontal</translation>
    </message>
    <message>
        <source>Horizontal oval</source>
        <translation>Ovale horizontal</translation>
    </message>
    <message>
        <source>Horizontal cylinder with hemispherical heads</source>
        <translation>Cylindre horizontal à fonds hémisphériques</translation>
    </message>
    <message>
        <source>Horizontal cylinder with 2:1 semi-ellipsoidal heads</source>
        <translation>Cylindre horizontal à fonds semi-elliptiques 2:1</translation>
    </message>
    <message>
        <source>Horizontal cylinder with DIN 28011 heads</source>
        <translation>Cylindre horizontal à fonds DIN 28011</translation>
    </message>
    <message>
        <source>Sphere</source>
        <translation>Sphère</translation>
    </message>
    <message>
        <source>Vertical cylinder on a cone bottom</source>
        <translation>Cylindre vertical sur fond conique</translation>
    </message>
    <message>
        <source>Shape %1</source>
        <translation>Forme %1</translation>
    </message>
    <message>
        <source>not read before programming</source>
        <translation>non lu avant la programmation</translation>
    </message>
</context>
<context>
    <name>SetupSheetPdf</name>
    <message>
        <source>(nothing has been read from the sender in this run)</source>
        <translation>(rien n&apos;a été lu de la sonde dans cette session)</translation>
    </message>
    <message>
        <source>Date: </source>
        <translation>Date : </translation>
    </message>
    <message>
        <source>(The shape&apos;s picture %1 could not be loaded: %2)</source>
        <translation>(L&apos;image de la forme %1 n&apos;a pas pu être chargée : %2)</translation>
    </message>
</context>
<context>
    <name>TankChartPdf</name>
    <message>
        <source>Tank Chart</source>
        <translation>Barème du réservoir</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Page %1 sur %2</translation>
    </message>
</context>
<context>
    <name>zeft::TBatteryTestForm</name>
    <message>
        <source>Step 1: Press the TEST button to power on</source>
        <translation>Étape 1 : appuyez sur TEST pour alimenter</translation>
    </message>
    <message>
        <source>the programming interface.</source>
        <translation>l&apos;interface de programmation.</translation>
    </message>
    <message>
        <source>Step 2: Measure the voltage between the</source>
        <translation>Étape 2 : mesurez la tension entre les</translation>
    </message>
    <message>
        <source>red and black terminals.</source>
        <translation>bornes rouge et noire.</translation>
    </message>
    <message>
        <source>Step 3: Replace battery if below 8 Volts.</source>
        <translation>Étape 3 : sous 8 volts, changez la pile.</translation>
    </message>
    <message>
        <source>Power is</source>
        <translation>Courant</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>ARRÊT</translation>
    </message>
    <message>
        <source>TEST</source>
        <translation>TEST</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Battery Test</source>
        <translation>Test de la pile</translation>
    </message>
    <message>
        <source>ON</source>
        <translation>MARCHE</translation>
    </message>
</context>
<context>
    <name>zeft::TJobForm</name>
    <message>
        <source>Job</source>
        <translation>Intervention</translation>
    </message>
    <message>
        <source>Sea Breeze 42 / fresh water</source>
        <translation>Sea Breeze 42 / eau douce</translation>
    </message>
    <message>
        <source>Job &amp;label (vessel or site, tank, text):</source>
        <translation>&amp;Libellé de l&apos;intervention (bateau ou site, réservoir, texte) :</translation>
    </message>
    <message>
        <source>&amp;Installer:</source>
        <translation>&amp;Installateur :</translation>
    </message>
    <message>
        <source>&amp;Read the sender before programming</source>
        <translation>Lire la sonde avant de p&amp;rogrammer</translation>
    </message>
    <message>
        <source>Program Device then reads the sender first and keeps what it held as the setup sheet&apos;s As Found; it programs nothing when that read fails.</source>
        <translation>« Programmer » lit alors d&apos;abord la sonde et garde son contenu comme « Trouvé » de la fiche de réglage ; rien n&apos;est programmé si cette lecture échoue.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>zeft::TJobHistoryForm</name>
    <message>
        <source>(none selected)</source>
        <translation>(aucune sélection)</translation>
    </message>
    <message>
        <source>Job History</source>
        <translation>Historique des interventions</translation>
    </message>
    <message>
        <source>%1 records in %2</source>
        <translation>%1 enregistrements dans %2</translation>
    </message>
    <message>
        <source>The job history %1 cannot be read: %2</source>
        <translation>L&apos;historique %1 ne peut pas être lu : %2</translation>
    </message>
    <message>
        <source>; %1 lines that are not whole records were skipped</source>
        <translation> ; %1 lignes incomplètes ont été ignorées</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Heure</translation>
    </message>
    <message>
        <source>Operation</source>
        <translation>Opération</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>Outcome</source>
        <translation>Résultat</translation>
    </message>
    <message>
        <source>&amp;Settings of the selected record:</source>
        <translation>&amp;Réglages de l&apos;enregistrement choisi :</translation>
    </message>
    <message>
        <source>Sent</source>
        <translation>Envoyé</translation>
    </message>
    <message>
        <source>Reported</source>
        <translation>Indiqué</translation>
    </message>
    <message>
        <source>&amp;Load into Window</source>
        <translation>&amp;Charger dans la fenêtre</translation>
    </message>
    <message>
        <source>&amp;Compare with Window</source>
        <translation>C&amp;omparer avec la fenêtre</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>as the sender reported them</source>
        <translation>telles que la sonde les a indiquées</translation>
    </message>
    <message>
        <source>as the program sent them</source>
        <translation>telles que le programme les a envoyées</translation>
    </message>
    <message>
        <source>the %1 of %2 on %3, %4</source>
        <translation>l&apos;opération « %1 » du %2 sur %3, %4</translation>
    </message>
    <message>
        <source>Compare with Window</source>
        <translation>Comparer avec la fenêtre</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Enregistrement</translation>
    </message>
    <message>
        <source>Window</source>
        <translation>Fenêtre</translation>
    </message>
    <message>
        <source>the settings in the main window</source>
        <translation>les réglages de la fenêtre principale</translation>
    </message>
    <message>
        <source>&amp;Records, newest first:</source>
        <translation>&amp;Enregistrements, du plus récent au plus ancien :</translation>
    </message>
    <message>
        <source>Label</source>
        <translation>Libellé</translation>
    </message>
    <message>
        <source>Installer</source>
        <translation>Installateur</translation>
    </message>
    <message>
        <source>As Found</source>
        <translation>Trouvé</translation>
    </message>
    <message>
        <source>&amp;Export...</source>
        <translation>E&amp;xporter...</translation>
    </message>
    <message>
        <source>Setup S&amp;heet...</source>
        <translation>&amp;Fiche de réglage...</translation>
    </message>
    <message>
        <source>any part of the label</source>
        <translation>une partie quelconque du libellé</translation>
    </message>
    <message>
        <source>La&amp;bel:</source>
        <translation>&amp;Libellé :</translation>
    </message>
    <message>
        <source>&amp;Port:</source>
        <translation>&amp;Port :</translation>
    </message>
    <message>
        <source>&amp;Operation:</source>
        <translation>Opéra&amp;tion :</translation>
    </message>
    <message>
        <source>O&amp;utcome:</source>
        <translation>Rés&amp;ultat :</translation>
    </message>
    <message>
        <source>&amp;From:</source>
        <translation>&amp;Du :</translation>
    </message>
    <message>
        <source>&amp;To:</source>
        <translation>&amp;Jusqu&apos;au :</translation>
    </message>
    <message>
        <source>YYYY-MM-DD</source>
        <translation>AAAA-MM-JJ</translation>
    </message>
    <message>
        <source>All ports</source>
        <translation>Tous les ports</translation>
    </message>
    <message>
        <source>All operations</source>
        <translation>Toutes les opérations</translation>
    </message>
    <message>
        <source>read</source>
        <translation>lecture</translation>
    </message>
    <message>
        <source>program</source>
        <translation>programmation</translation>
    </message>
    <message>
        <source>restore</source>
        <translation>réglages d&apos;usine</translation>
    </message>
    <message>
        <source>All outcomes</source>
        <translation>Tous les résultats</translation>
    </message>
    <message>
        <source>success</source>
        <translation>réussi</translation>
    </message>
    <message>
        <source>failure</source>
        <translation>échec</translation>
    </message>
    <message>
        <source>&amp;Records, newest first: %1 of %2</source>
        <translation>&amp;Enregistrements, du plus récent au plus ancien : %1 sur %2</translation>
    </message>
</context>
<context>
    <name>zeft::TMain_Form</name>
    <message>
        <source>See Com Port &gt; Diagnose...</source>
        <translation>Voir Port COM &gt; Diagnostic...</translation>
    </message>
    <message>
        <source>Sensor Parameters</source>
        <translation>Paramètres de la sonde</translation>
    </message>
    <message>
        <source>Output Type</source>
        <translation>Type de sortie</translation>
    </message>
    <message>
        <source>Fluid Type</source>
        <translation>Type de fluide</translation>
    </message>
    <message>
        <source>Set Top Limit (Millimetre)</source>
        <translation>Limite haute (millimètres)</translation>
    </message>
    <message>
        <source>Set Top Limit: 10 to 1000</source>
        <translation>Limite haute : 10 à 1000</translation>
    </message>
    <message>
        <source>Set Bottom Limit (Millimetre)</source>
        <translation>Limite basse (millimètres)</translation>
    </message>
    <message>
        <source>Set Bottom Limit: 100 to 2000</source>
        <translation>Limite basse : 100 à 2000</translation>
    </message>
    <message>
        <source>1 inch = 25.4 millimetre</source>
        <translation>1 pouce = 25.4 millimètres</translation>
    </message>
    <message>
        <source>Tank Linearization Parameters</source>
        <translation>Linéarisation du réservoir</translation>
    </message>
    <message>
        <source>Set Level A = 20% of Tank Level</source>
        <translation>Niveau A = 20 % du réservoir</translation>
    </message>
    <message>
        <source>Set Level B = 40% of Tank Level</source>
        <translation>Niveau B = 40 % du réservoir</translation>
    </message>
    <message>
        <source>Set Level C = 60% of Tank Level</source>
        <translation>Niveau C = 60 % du réservoir</translation>
    </message>
    <message>
        <source>Set Level D = 80% of Tank Level</source>
        <translation>Niveau D = 80 % du réservoir</translation>
    </message>
    <message>
        <source>Set Level A: 0 to 100</source>
        <translation>Niveau A : 0 à 100</translation>
    </message>
    <message>
        <source>Set Level B: 0 to 100</source>
        <translation>Niveau B : 0 à 100</translation>
    </message>
    <message>
        <source>Set Level C: 0 to 100</source>
        <translation>Niveau C : 0 à 100</translation>
    </message>
    <message>
        <source>Set Level D: 0 to 100</source>
        <translation>Niveau D : 0 à 100</translation>
    </message>
    <message>
        <source>Current Settings:</source>
        <translation>Réglages actuels :</translation>
    </message>
    <message>
        <source>Read Device</source>
        <translation>Lire la sonde</translation>
    </message>
    <message>
        <source>Program Device</source>
        <translation>Programmer</translation>
    </message>
    <message>
        <source>Restore Default</source>
        <translation>Réglages d&apos;usine</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Load...</source>
        <translation>&amp;Charger...</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Enregistrer &amp;sous...</translation>
    </message>
    <message>
        <source>Compare with File...</source>
        <translation>Comparer avec un fichier...</translation>
    </message>
    <message>
        <source>Compare with Device</source>
        <translation>Comparer avec la sonde</translation>
    </message>
    <message>
        <source>Save Setup Sheet...</source>
        <translation>Enregistrer la fiche de réglage...</translation>
    </message>
    <message>
        <source>History...</source>
        <translation>Historique...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>Com &amp;Port</source>
        <translation>&amp;Port COM</translation>
    </message>
    <message>
        <source>&amp;Settings...</source>
        <translation>&amp;Paramètres...</translation>
    </message>
    <message>
        <source>&amp;Diagnose...</source>
        <translation>&amp;Diagnostic...</translation>
    </message>
    <message>
        <source>Non-&amp;Linearization</source>
        <translation>&amp;Linéarisation</translation>
    </message>
    <message>
        <source>Shape...</source>
        <translation>Forme...</translation>
    </message>
    <message>
        <source>Volume...</source>
        <translation>Volume...</translation>
    </message>
    <message>
        <source>Height...</source>
        <translation>Hauteur...</translation>
    </message>
    <message>
        <source>Measured Table...</source>
        <translation>Table mesurée...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>About...</source>
        <translation>À propos...</translation>
    </message>
    <message>
        <source>Firmware Update...</source>
        <translation>Mise à jour du micrologiciel...</translation>
    </message>
    <message>
        <source>Battery Test...</source>
        <translation>Test de la pile...</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Langue</translation>
    </message>
    <message>
        <source>System default</source>
        <translation>Langue du système</translation>
    </message>
    <message>
        <source>Compare with File</source>
        <translation>Comparer avec un fichier</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Fichier</translation>
    </message>
    <message>
        <source>the file %1, as Load would read it</source>
        <translation>le fichier %1, tel que Charger le lirait</translation>
    </message>
    <message>
        <source>Window</source>
        <translation>Fenêtre</translation>
    </message>
    <message>
        <source>the settings in the main window</source>
        <translation>les réglages de la fenêtre principale</translation>
    </message>
    <message>
        <source>Sender</source>
        <translation>Sonde</translation>
    </message>
    <message>
        <source>the sender on %1, as read now</source>
        <translation>la sonde sur %1, lue à l&apos;instant</translation>
    </message>
    <message>
        <source>Please select COM port first!</source>
        <translation>Choisissez d&apos;abord le port COM !</translation>
    </message>
    <message>
        <source>Failed update could result the device un-usable. Continue?</source>
        <translation>Une mise à jour ratée peut rendre la sonde inutilisable. Continuer ?</translation>
    </message>
    <message>
        <source>The language could not be saved.</source>
        <translation>La langue n&apos;a pas pu être enregistrée.</translation>
    </message>
    <message>
        <source>The language changes when ZEFT Programmer is started again.</source>
        <translation>La langue changera au prochain démarrage de ZEFT Programmer.</translation>
    </message>
    <message>
        <source>&amp;Job...</source>
        <translation>&amp;Intervention...</translation>
    </message>
    <message>
        <source>&amp;Production...</source>
        <translation>&amp;Production...</translation>
    </message>
</context>
<context>
    <name>zeft::TPortDoctorDlg</name>
    <message>
        <source>Diagnose Ports</source>
        <translation>Diagnostic des ports</translation>
    </message>
    <message>
        <source>&amp;Findings and their fixes:</source>
        <translation>&amp;Constats et solutions :</translation>
    </message>
    <message>
        <source>&amp;Copy Fixes</source>
        <translation>&amp;Copier les solutions</translation>
    </message>
    <message>
        <source>Copy the fixes to the clipboard, to paste into a terminal or a note</source>
        <translation>Copier les solutions dans le presse-papiers, pour les coller dans un terminal ou une note</translation>
    </message>
    <message>
        <source>&amp;Run Again</source>
        <translation>&amp;Relancer</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Looking at the serial ports and USB adapters...</source>
        <translation>Examen des ports série et des adaptateurs USB...</translation>
    </message>
    <message>
        <source>The fixes are on the clipboard.</source>
        <translation>Les solutions sont dans le presse-papiers.</translation>
    </message>
    <message>
        <source>
Fix: </source>
        <translation>
Solution : </translation>
    </message>
    <message>
        <source>No problem found.</source>
        <translation>Aucun problème trouvé.</translation>
    </message>
    <message>
        <source>One finding.</source>
        <translation>Un constat.</translation>
    </message>
    <message>
        <source>%1 findings.</source>
        <translation>%1 constats.</translation>
    </message>
</context>
<context>
    <name>zeft::TProductionForm</name>
    <message>
        <source>Production</source>
        <translation>Production</translation>
    </message>
    <message>
        <source>Settings: the main window&apos;s</source>
        <translation>Réglages : ceux de la fenêtre principale</translation>
    </message>
    <message>
        <source>Load &amp;File...</source>
        <translation>Charger un &amp;fichier...</translation>
    </message>
    <message>
        <source>Job &amp;label:</source>
        <translation>&amp;Libellé de l&apos;intervention :</translation>
    </message>
    <message>
        <source>Stop &amp;after this many senders (0: no end):</source>
        <translation>&amp;Arrêter après ce nombre de sondes (0 : sans fin) :</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation>&amp;Démarrer</translation>
    </message>
    <message>
        <source>S&amp;top</source>
        <translation>Arrê&amp;ter</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Settings: %1</source>
        <translation>Réglages : %1</translation>
    </message>
    <message>
        <source>Press Start to begin</source>
        <translation>Appuyez sur « Démarrer » pour commencer</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>Arrêté</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Terminé</translation>
    </message>
    <message>
        <source>Passed: %1</source>
        <translation>Réussies : %1</translation>
    </message>
    <message>
        <source>Failed: %1</source>
        <translation>En échec : %1</translation>
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
        <translation>Parité</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>Flowcontrol</source>
        <translation>Contrôle de flux</translation>
    </message>
    <message>
        <source>Baudrate</source>
        <translation>Débit (bauds)</translation>
    </message>
    <message>
        <source>Databits</source>
        <translation>Bits de données</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Communication Settings</source>
        <translation>Paramètres de communication</translation>
    </message>
    <message>
        <source>%1 is not present.</source>
        <translation>%1 est absent.</translation>
    </message>
    <message>
        <source>Invalid Input</source>
        <translation>Saisie invalide</translation>
    </message>
    <message>
        <source>Invalid Input. Leave empty to hold previous Value.</source>
        <translation>Saisie invalide. Laissez vide pour garder la valeur précédente.</translation>
    </message>
    <message>
        <source>Input allowed single Char or 0..255. Leave empty to hold previous Value.</source>
        <translation>Saisissez un seul caractère ou 0..255. Laissez vide pour garder la valeur précédente.</translation>
    </message>
</context>
<context>
    <name>zeft::TSettingsComparisonForm</name>
    <message>
        <source>Left: %1
Right: %2</source>
        <translation>Gauche : %1
Droite : %2</translation>
    </message>
    <message>
        <source>The settings are the same.</source>
        <translation>Les réglages sont identiques.</translation>
    </message>
    <message>
        <source>%1 of %2 settings %3: the rows marked &quot;%4&quot;.</source>
        <translation>%1 réglages sur %2 %3 : les lignes marquées « %4 ».</translation>
    </message>
    <message>
        <source>differs</source>
        <translation>diffère</translation>
    </message>
    <message>
        <source>differ</source>
        <translation>diffèrent</translation>
    </message>
    <message>
        <source>&amp;Settings:</source>
        <translation>&amp;Réglages :</translation>
    </message>
    <message>
        <source>Setting</source>
        <translation>Réglage</translation>
    </message>
    <message>
        <source>Difference</source>
        <translation>Différence</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
</context>
<context>
    <name>zeft::app::TAboutForm</name>
    <message>
        <source>About ZEFT Programmer</source>
        <translation>À propos de ZEFT Programmer</translation>
    </message>
    <message>
        <source>Version:</source>
        <translation>Version :</translation>
    </message>
    <message>
        <source>Copyright © 2008-2026 KOV. All rights reserved.</source>
        <translation>Copyright © 2008-2026 KOV. Tous droits réservés.</translation>
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
        <translation>Plus grande erreur de jauge : -</translation>
    </message>
    <message>
        <source>Non-linear Tank Parameter Calculation by Measured Table</source>
        <translation>Linéarisation du réservoir par table mesurée</translation>
    </message>
    <message>
        <source>Measured Table</source>
        <translation>Table mesurée</translation>
    </message>
    <message>
        <source>&amp;Import CSV...</source>
        <translation>&amp;Importer un CSV...</translation>
    </message>
    <message>
        <source>H (mm)</source>
        <translation>H (mm)</translation>
    </message>
    <message>
        <source>greatest height in the table</source>
        <translation>plus grande hauteur de la table</translation>
    </message>
    <message>
        <source>Inch Unit</source>
        <translation>Unité pouce</translation>
    </message>
    <message>
        <source>10% Reserve</source>
        <translation>10 % de réserve</translation>
    </message>
    <message>
        <source>&amp;Volumes in:</source>
        <translation>&amp;Volumes en :</translation>
    </message>
    <message>
        <source>Non-Linear Calculated Values</source>
        <translation>Valeurs de linéarisation calculées</translation>
    </message>
    <message>
        <source>Volume at H = 0</source>
        <translation>Volume à H = 0</translation>
    </message>
    <message>
        <source>H (inch)</source>
        <translation>H (pouces)</translation>
    </message>
    <message>
        <source>Volume at H = </source>
        <translation>Volume à H = </translation>
    </message>
    <message>
        <source>Largest gauge error: </source>
        <translation>Plus grande erreur de jauge : </translation>
    </message>
    <message>
        <source>&amp;Rows of height and volume (a first line naming the columns &quot;height&quot; and &quot;volume&quot; may come first):</source>
        <translation>&amp;Lignes de hauteur et de volume (une première ligne peut nommer les colonnes « height » et « volume ») :</translation>
    </message>
</context>
<context>
    <name>zeft::calc_ui::TNonLinearHeightForm</name>
    <message>
        <source>Non-linear Tank Parameter Calculation by Tank Height</source>
        <translation>Linéarisation du réservoir par hauteur</translation>
    </message>
    <message>
        <source>Enter Tank Height Information (Millimetre)</source>
        <translation>Hauteurs du réservoir (millimètres)</translation>
    </message>
    <message>
        <source>Height @ Full Tank</source>
        <translation>Hauteur réservoir plein</translation>
    </message>
    <message>
        <source>Height @ 80% Volume</source>
        <translation>Hauteur à 80 % du volume</translation>
    </message>
    <message>
        <source>Height @ 60% Volume</source>
        <translation>Hauteur à 60 % du volume</translation>
    </message>
    <message>
        <source>Height @ 40% Volume</source>
        <translation>Hauteur à 40 % du volume</translation>
    </message>
    <message>
        <source>Height @ 20% Volume</source>
        <translation>Hauteur à 20 % du volume</translation>
    </message>
    <message>
        <source>Enter Tank Height Information (Inch)</source>
        <translation>Hauteurs du réservoir (pouces)</translation>
    </message>
</context>
<context>
    <name>zeft::calc_ui::TNonLinearVolumeForm</name>
    <message>
        <source>Non-linear Tank Parameter Calculation by Tank Volume</source>
        <translation>Linéarisation du réservoir par volume</translation>
    </message>
    <message>
        <source>Enter Tank Volume Information (Litre or Gallon)</source>
        <translation>Volumes du réservoir (litres ou gallons)</translation>
    </message>
    <message>
        <source>Volume @ Full Tank</source>
        <translation>Volume réservoir plein</translation>
    </message>
    <message>
        <source>Volume @ 80% H</source>
        <translation>Volume à 80 % de H</translation>
    </message>
    <message>
        <source>Volume @ 60% H</source>
        <translation>Volume à 60 % de H</translation>
    </message>
    <message>
        <source>Volume @ 40% of H</source>
        <translation>Volume à 40 % de H</translation>
    </message>
    <message>
        <source>Volume @ 20% of H</source>
        <translation>Volume à 20 % de H</translation>
    </message>
    <message>
        <source>H (Millimetre)</source>
        <translation>H (millimètres)</translation>
    </message>
    <message>
        <source>H (inch)</source>
        <translation>H (pouces)</translation>
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
        <translation>* symétrique par rapport à l&apos;axe vertical</translation>
    </message>
    <message>
        <source>Non-linear Tank Parameter Calculation by Tank Shape</source>
        <translation>Linéarisation du réservoir par forme</translation>
    </message>
    <message>
        <source>Prev &lt;</source>
        <translation>Préc. &lt;</translation>
    </message>
    <message>
        <source>Next &gt;</source>
        <translation>Suiv. &gt;</translation>
    </message>
    <message>
        <source>Shape No.</source>
        <translation>Forme N°</translation>
    </message>
    <message>
        <source>Shape No. 18/18</source>
        <translation>Forme N° 18/18</translation>
    </message>
    <message>
        <source>Enter Tank Dimension (Millimetre)</source>
        <translation>Dimensions du réservoir (millimètres)</translation>
    </message>
    <message>
        <source>X Value</source>
        <translation>Valeur X</translation>
    </message>
    <message>
        <source>H Value</source>
        <translation>Valeur H</translation>
    </message>
    <message>
        <source>Y Value</source>
        <translation>Valeur Y</translation>
    </message>
    <message>
        <source>W Value</source>
        <translation>Valeur W</translation>
    </message>
    <message>
        <source>X1 Value</source>
        <translation>Valeur X1</translation>
    </message>
    <message>
        <source>Z Value</source>
        <translation>Valeur Z</translation>
    </message>
    <message>
        <source>X2 Value</source>
        <translation>Valeur X2</translation>
    </message>
    <message>
        <source>Inch Unit</source>
        <translation>Unité pouce</translation>
    </message>
    <message>
        <source>Half Tank</source>
        <translation>Demi-réservoir</translation>
    </message>
    <message>
        <source>10% Reserve</source>
        <translation>10 % de réserve</translation>
    </message>
    <message>
        <source>Non-Linear Calculated Values</source>
        <translation>Valeurs de linéarisation calculées</translation>
    </message>
    <message>
        <source>Volume in Litres</source>
        <translation>Volume en litres</translation>
    </message>
    <message>
        <source>Volume in US Gallons</source>
        <translation>Volume en gallons US</translation>
    </message>
    <message>
        <source>Chart...</source>
        <translation>Barème...</translation>
    </message>
    <message>
        <source>Shape No. 1/%1</source>
        <translation>Forme N° 1/%1</translation>
    </message>
    <message>
        <source>Shape No. %1/%2</source>
        <translation>Forme N° %1/%2</translation>
    </message>
    <message>
        <source>Enter Tank Dimension (Inch)</source>
        <translation>Dimensions du réservoir (pouces)</translation>
    </message>
</context>
<context>
    <name>zeft::calc_ui::TTableCalculatorForm</name>
    <message>
        <source>Inch Unit</source>
        <translation>Unité pouce</translation>
    </message>
    <message>
        <source>Non-Linear Calculated Values</source>
        <translation>Valeurs de linéarisation calculées</translation>
    </message>
</context>
<context>
    <name>zeft::calc_ui::TTankChartForm</name>
    <message>
        <source>Tank Chart</source>
        <translation>Barème du réservoir</translation>
    </message>
    <message>
        <source>Largest gauge error: </source>
        <translation>Plus grande erreur de jauge : </translation>
    </message>
    <message>
        <source>&amp;Volume unit:</source>
        <translation>Unité de &amp;volume :</translation>
    </message>
    <message>
        <source>&amp;Step (%1):</source>
        <translation>&amp;Pas (%1) :</translation>
    </message>
    <message>
        <source>Dip &amp;table:</source>
        <translation>&amp;Barème :</translation>
    </message>
    <message>
        <source>Save &amp;CSV...</source>
        <translation>Enregistrer en &amp;CSV...</translation>
    </message>
    <message>
        <source>Save &amp;PDF...</source>
        <translation>Enregistrer en &amp;PDF...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Shape %1</source>
        <translation>Forme %1</translation>
    </message>
    <message>
        <source>, half tank</source>
        <translation>, demi-réservoir</translation>
    </message>
    <message>
        <source>, full tank</source>
        <translation>, réservoir complet</translation>
    </message>
    <message>
        <source>. Volume %1 %2.</source>
        <translation>. Volume %1 %2.</translation>
    </message>
    <message>
        <source> 10% reserve: the sender reads empty at %1%2, levels A to D above it.</source>
        <translation> 10 % de réserve : la sonde indique vide à %1%2, les niveaux A à D au-dessus.</translation>
    </message>
    <message>
        <source> Largest gauge error: </source>
        <translation> Plus grande erreur de jauge : </translation>
    </message>
</context>
</TS>
