<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name></name>
    <message id="101">
        <source>&amp;About Kolekt...</source>
        <translation>&amp;Info über Kolekt...</translation>
    </message>
    <message id="102">
        <source>January</source>
        <translation>Januar</translation>
    </message>
    <message id="103">
        <source>February</source>
        <translation>Februar</translation>
    </message>
    <message id="104">
        <source>March</source>
        <translation>März</translation>
    </message>
    <message id="105">
        <source>April</source>
        <translation>April</translation>
    </message>
    <message id="106">
        <source>May</source>
        <translation>Mai</translation>
    </message>
    <message id="107">
        <source>June</source>
        <translation>Juni</translation>
    </message>
    <message id="108">
        <source>July</source>
        <translation>Juli</translation>
    </message>
    <message id="109">
        <source>August</source>
        <translation>August</translation>
    </message>
    <message id="110">
        <source>September</source>
        <translation>September</translation>
    </message>
    <message id="111">
        <source>October</source>
        <translation>Oktober</translation>
    </message>
    <message id="112">
        <source>November</source>
        <translation>November</translation>
    </message>
    <message id="113">
        <source>December</source>
        <translation>Dezember</translation>
    </message>
    <message id="114">
        <source>Change &amp;Month ( late report )</source>
        <translation>&amp;Monat ändern (verspätet)</translation>
    </message>
    <message id="1000">
        <source>Post - %1</source>
        <translation>Eintragen - %1</translation>
    </message>
    <message id="1001">
        <source>Missing %1 Reports</source>
        <translation>Fehlende Berichte (%1)</translation>
    </message>
    <message id="1002">
        <source>Select Collection File from Secretary</source>
        <translation>Sammeldatei vom Sekretär auswählen</translation>
    </message>
    <message id="1003">
        <source>Collection Files from Secretary (.k09)</source>
        <translation>Sammeldateien vom Sekretär (.k09)</translation>
    </message>
    <message id="1014">
        <source>Hours</source>
        <translation>Std.</translation>
    </message>
    <message id="1019">
        <source>Remarks</source>
        <translation>Bemerkungen</translation>
    </message>
    <message id="1020">
        <source>AuxP</source>
        <translation>Hilfsp.</translation>
    </message>
    <message id="1023">
        <source>Ministerial Servant</source>
        <translation>Dienstamtgehilfe</translation>
    </message>
    <message id="1024">
        <source>Elder</source>
        <translation>Ältester</translation>
    </message>
    <message id="1025">
        <source>Baptized Brother</source>
        <translation>Getaufter Bruder</translation>
    </message>
    <message id="1026">
        <source>Auxiliary Pioneer</source>
        <translation>Hilfspionier</translation>
    </message>
    <message id="1027">
        <source>Regular Pioneer</source>
        <translation>Allgemeiner Pionier</translation>
    </message>
    <message id="1029">
        <source>Special Pioneer</source>
        <translation>Sonderpionier</translation>
    </message>
    <message id="1030">
        <source>- WARNING -   You have already posted the %1 report for %2.</source>
        <translation>- ACHTUNG -   Sie haben den Bericht für %1 von %2 bereits eingetragen.</translation>
    </message>
    <message id="1031">
        <source>Changes WILL NOT BE INCLUDED in the %1 report to the branch office.</source>
        <translation>Änderungen gehen NICHT in den Bericht für %1 ans Zweigbüro ein.</translation>
    </message>
    <message id="1032">
        <source>Any changes WILL BE INCLUDED in the %1 report to the branch office.</source>
        <translation>Änderungen gehen NOCH in den Bericht für %1 ans Zweigbüro ein.</translation>
    </message>
    <message id="1033">
        <source>Out of Space for Remarks</source>
        <translation>Kein Platz mehr für Bemerkungen</translation>
    </message>
    <message id="1038">
        <source>Your updates have been saved in a file at
%1</source>
        <translation>Ihre Änderungen wurden in dieser Datei gespeichert:
%1</translation>
    </message>
    <message id="1039">
        <source>

Click Yes to E-mail the .k19 file to </source>
        <translation>

Klicken Sie auf „Ja“, um die .k19-Datei per E-Mail an diese Adresse zu senden: </translation>
    </message>
    <message id="1040">
        <source>Click No to send the file to the secretary later.</source>
        <translation>Klicken Sie auf „Nein“, um die Datei später an den Sekretär zu senden.</translation>
    </message>
    <message id="1041">
        <source>,
       or
</source>
        <translation>,
       oder
</translation>
    </message>
    <message id="1042">
        <source>Collection File</source>
        <translation>Sammeldatei</translation>
    </message>
    <message id="1043">
        <source>.k19 file for</source>
        <translation>– .k19-Datei für</translation>
    </message>
    <message id="1058">
        <source>Group</source>
        <translation>Gruppe</translation>
    </message>
    <message id="1059">
        <source>Tips for using Kolekt   Important!  Your secretary must be running Scriba version 10 or later.

From your secretary, obtain a Group.k09 file for the month you are collecting.  </source>
        <translation>Tipps zur Verwendung von Kolekt   Wichtig!  Ihr Sekretär muss Scriba ab Version 10 verwenden.

Besorgen Sie sich beim Sekretär eine Datei Group.k09 für den Monat, dessen Berichte Sie sammeln.  </translation>
    </message>
    <message id="1060">
        <source>Drop the file on your Kolekt icon or launch Kolekt and use the 'Load New List from Secretary' button to open the file.

</source>
        <translation>Ziehen Sie die Datei auf das Kolekt-Symbol, oder starten Sie Kolekt und öffnen Sie die Datei mit der Schaltfläche „Neue Liste vom Sekretär laden“.

</translation>
    </message>
    <message id="1061">
        <source>You'll find it easy to enter reports using only the keyboard.  Type the first two or three characters of the last name.  Use the up/down arrows to select the name and press Enter.

</source>
        <translation>Berichte lassen sich bequem allein mit der Tastatur eintragen.  Geben Sie die ersten zwei oder drei Buchstaben des Nachnamens ein.  Wählen Sie den Namen mit den Pfeiltasten (auf/ab) aus und drücken Sie die Eingabetaste.

</translation>
    </message>
    <message id="1062">
        <source>Enter the report terminating each entry with the Enter key.  Press Enter after the last field to return to the selection list.

</source>
        <translation>Schließen Sie beim Eintragen jede Angabe mit der Eingabetaste ab.  Nach dem letzten Feld kehren Sie mit der Eingabetaste zur Auswahlliste zurück.

</translation>
    </message>
    <message id="1063">
        <source>To enter remarks, type Alt-R or click the Remarks button.  Terminate with the Enter key.

To enter a late report, type Alt-M or click the Change Month button.

</source>
        <translation>Um eine Bemerkung einzugeben, drücken Sie Alt+B oder klicken Sie auf die Schaltfläche „Bemerkungen“.  Schließen Sie mit der Eingabetaste ab.

Um einen verspäteten Bericht einzutragen, drücken Sie Alt+M oder klicken Sie auf die Schaltfläche „Monat ändern“.

</translation>
    </message>
    <message id="1064">
        <source>If you have a mail program, you can send report reminders to publishers.

</source>
        <translation>Wenn Sie ein E-Mail-Programm haben, können Sie Verkündiger per E-Mail an ihren Bericht erinnern.

</translation>
    </message>
    <message id="1065">
        <source>If you have a mail program, you can also e-mail the results to the secretary directly from the program.

</source>
        <translation>Wenn Sie ein E-Mail-Programm haben, können Sie die Ergebnisse auch direkt aus dem Programm per E-Mail an den Sekretär senden.

</translation>
    </message>
    <message id="1066">
        <source>Otherwise, you will need to manually attach the .k19 file to an email or deliver it to the secretary on portable media.</source>
        <translation>Andernfalls müssen Sie die .k19-Datei selbst an eine E-Mail anhängen oder sie dem Sekretär auf einem USB-Stick oder einem anderen Datenträger geben.</translation>
    </message>
    <message id="1116">
        <source>Total Publishers</source>
        <translation>Verkündiger insgesamt</translation>
    </message>
    <message id="1167">
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message id="1168">
        <source>Telephone</source>
        <translation>Telefon</translation>
    </message>
    <message id="1188">
        <source>%1 Report Collection</source>
        <translation>Berichte für %1</translation>
    </message>
    <message id="1194">
        <source>Special Pioneers are NOT INCLUDED in Report to Branch</source>
        <translation>Sonderpioniere werden im Bericht an das Zweigbüro NICHT BERÜCKSICHTIGT</translation>
    </message>
    <message id="1198">
        <source>eng</source>
        <translation>german</translation>
    </message>
    <message id="1231">
        <source>Unable to create new file: %1.
Remove the read-only attribute from the directory / file or obtain permission to create files in this directory.</source>
        <translation>Die neue Datei kann nicht erstellt werden: %1.
Heben Sie den Schreibschutz des Ordners bzw. der Datei auf, oder lassen Sie sich das Recht geben, in diesem Ordner Dateien zu erstellen.</translation>
    </message>
    <message id="1232">
        <source>Group has less than 3 publishers</source>
        <translation>Die Gruppe hat weniger als 3 Verkündiger</translation>
    </message>
    <message id="1233">
        <source>%1 is not a collection file from the secretary.
It was not opened, and Kolekt will not write to it.</source>
        <translation>%1 ist keine Sammeldatei vom Sekretär.
Die Datei wurde nicht geöffnet, und Kolekt schreibt nicht hinein.</translation>
    </message>
    <message id="1247">
        <source>Report Collection Form</source>
        <translation>Sammelliste der Predigtdienstberichte</translation>
    </message>
    <message id="1415">
        <source>Plcmts</source>
        <translation>Abg.</translation>
    </message>
    <message id="1416">
        <source>Videos</source>
        <translation>Videos</translation>
    </message>
    <message id="1417">
        <source>Hours</source>
        <translation>Std.</translation>
    </message>
    <message id="1418">
        <source>R.Visits</source>
        <translation>Rückb.</translation>
    </message>
    <message id="1419">
        <source>Studies</source>
        <translation>Studien</translation>
    </message>
    <message id="1422">
        <source>Please submit your report for %1. 
Thank you.</source>
        <translation>Bitte gib deinen Bericht für %1 ab. 
Vielen Dank!</translation>
    </message>
    <message id="1495">
        <source>Shared in any form of the ministry during the month</source>
        <translation>Hat sich im Lauf des Monats in irgendeiner Form am Predigtdienst beteiligt</translation>
    </message>
    <message id="1500">
        <source>Shared</source>
        <translation>Beteiligt</translation>
    </message>
    <message id="2000">
        <source>Field Service Reports</source>
        <translation>Predigtdienstberichte</translation>
    </message>
    <message id="2001">
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message id="2002">
        <source>Exit Program</source>
        <translation>Beenden</translation>
    </message>
    <message id="2003">
        <source>Limit List to Missing Reports</source>
        <translation>Nur fehlende Berichte anzeigen</translation>
    </message>
    <message id="2004">
        <source> Last Person Posted </source>
        <translation> Zuletzt eingetragen </translation>
    </message>
    <message id="2005">
        <source>Load New List from Secretary</source>
        <translation>Neue Liste vom Sekretär laden</translation>
    </message>
    <message id="2006">
        <source>Create File for Secretary</source>
        <translation>Datei für den Sekretär erstellen</translation>
    </message>
    <message id="2007">
        <source>Dial</source>
        <translation>Anrufen</translation>
    </message>
    <message id="2008">
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message id="2009">
        <source>View or Print Report Collection List</source>
        <translation>Sammelliste anzeigen oder drucken</translation>
    </message>
    <message id="2010">
        <source>Preview E-mail</source>
        <translation>E-Mail-Vorschau</translation>
    </message>
    <message id="2020">
        <source>Shared in Ministry</source>
        <translation>Im Dienst beteiligt</translation>
    </message>
    <message id="2021">
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message id="2022">
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message id="2023">
        <source>&amp;Remarks</source>
        <translation>&amp;Bemerkungen</translation>
    </message>
    <message id="2024">
        <source>Auxiliary Pioneer</source>
        <translation>Hilfspionier</translation>
    </message>
    <message id="2025">
        <source>&lt;1h</source>
        <translation>&lt;1h</translation>
    </message>
    <message id="2040">
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message id="2041">
        <source>&amp;Print</source>
        <translation>&amp;Drucken</translation>
    </message>
    <message id="2042">
        <source>Print &amp;Setup</source>
        <translation>Druck&amp;einrichtung</translation>
    </message>
    <message id="2060">
        <source>About Kolekt</source>
        <translation>Über Kolekt</translation>
    </message>
    <message id="2061">
        <source>Kolekt Version 5a</source>
        <translation>Kolekt Version 5a</translation>
    </message>
    <message id="2064">
        <source>Requires Groupx.k09 files from Scriba Version 10a or later</source>
        <translation>Erfordert Groupx.k09-Dateien aus Scriba ab Version 10a</translation>
    </message>
    <message id="2390">
        <source>Field Service Reports</source>
        <translation>Predigtdienstberichte</translation>
    </message>
    <message id="2391">
        <source>Post the monthly field service reports of a group and return them to the secretary</source>
        <translation>Die monatlichen Predigtdienstberichte einer Gruppe eintragen und an den Sekretär zurückgeben</translation>
    </message>
    <message id="2392">
        <source>Collect the monthly field service reports of a group</source>
        <translation>Die monatlichen Predigtdienstberichte einer Gruppe sammeln</translation>
    </message>
    <message id="2393">
        <source>Field service report collection</source>
        <translation>Sammeldatei für Predigtdienstberichte</translation>
    </message>
    <message id="61712">
        <source>Please enter an integer.</source>
        <translation>Bitte geben Sie eine ganze Zahl ein.</translation>
    </message>
    <message id="61714">
        <source>Please enter an integer between %1 and %2.</source>
        <translation>Bitte geben Sie eine ganze Zahl zwischen %1 und %2 ein.</translation>
    </message>
    <message id="61840">
        <source>No mail program was found.</source>
        <translation>Es wurde kein E-Mail-Programm gefunden.</translation>
    </message>
    <message id="61841">
        <source>The mail settings are not usable.</source>
        <translation>Die E-Mail-Einstellungen sind nicht verwendbar.</translation>
    </message>
    <message id="61842">
        <source>Send Mail failed to send message.</source>
        <translation>Die E-Mail konnte nicht gesendet werden.</translation>
    </message>
</context>
</TS>
