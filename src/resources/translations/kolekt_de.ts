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
        <translation>&amp;Eintragen - %1</translation>
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
        <translation>Tipps zur Verwendung von Kolekt   Wichtig!  Der Sekretär Ihrer Versammlung muss Scriba ab Version 10 verwenden.

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
Die Datei wurde nicht geöffnet, und Kolekt speichert nichts darin.</translation>
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
        <translation>&amp;Beenden</translation>
    </message>
    <message id="2003">
        <source>Limit List to Missing Reports</source>
        <translation>Nur &amp;fehlende Berichte anzeigen</translation>
    </message>
    <message id="2004">
        <source> Last Person Posted </source>
        <translation> Zuletzt eingetragen </translation>
    </message>
    <message id="2005">
        <source>Load New List from Secretary</source>
        <translation>Neue &amp;Liste vom Sekretär laden</translation>
    </message>
    <message id="2006">
        <source>Create File for Secretary</source>
        <translation>&amp;Datei für den Sekretär erstellen</translation>
    </message>
    <message id="2007">
        <source>Dial</source>
        <translation>Anr&amp;ufen</translation>
    </message>
    <message id="2008">
        <source>Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message id="2009">
        <source>View or Print Report Collection List</source>
        <translation>Sammelliste &amp;anzeigen oder drucken</translation>
    </message>
    <message id="2010">
        <source>Preview E-mail</source>
        <translation>E-Mail-&amp;Vorschau</translation>
    </message>
    <message id="2020">
        <source>Shared in Ministry</source>
        <translation>Im Dienst tätig</translation>
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
    <message id="2062">
        <source>GNU GPL 3 or later</source>
        <translation>GPL ab Version 3</translation>
    </message>
    <message id="2063">
        <source>Questions and fixes: kolekt@example.org</source>
        <translation>Fragen und Korrekturen: kolekt@example.org</translation>
    </message>
    <message id="2064">
        <source>Requires Groupx.k09 files from Scriba Version 10a or later</source>
        <translation>Erfordert Groupx.k09-Dateien aus Scriba ab Version 10a</translation>
    </message>
    <message id="2100">
        <source>Kolekt cannot open %1:
the file does not exist. It may have been moved, renamed or deleted.</source>
        <translation>Kolekt kann %1 nicht öffnen:
Die Datei existiert nicht. Vielleicht wurde sie verschoben, umbenannt oder gelöscht.</translation>
    </message>
    <message id="2101">
        <source>Kolekt cannot open %1:
the file cannot be read. Ask the owner of the file or of its folder for permission to read it.</source>
        <translation>Kolekt kann %1 nicht öffnen:
Die Datei kann nicht gelesen werden. Bitten Sie den Eigentümer der Datei oder ihres Ordners um die Berechtigung, sie zu lesen.</translation>
    </message>
    <message id="2102">
        <source>Kolekt cannot open %1:
it is not a regular file but a folder or a special file. Choose the collection file from the secretary.</source>
        <translation>Kolekt kann %1 nicht öffnen:
Das ist keine normale Datei, sondern ein Ordner oder eine Spezialdatei. Wählen Sie die Sammeldatei vom Sekretär.</translation>
    </message>
    <message id="2103">
        <source>%1 is incomplete: it ends early, and %3 of its %4 publisher records are missing, as after a copy or download that was cut off.
You can view and print it, but Kolekt will not save anything to it. Ask the secretary for the file again.</source>
        <translation>%1 ist unvollständig: Die Datei endet zu früh, und von ihren %4 Verkündigern fehlen %3, wie nach einem abgebrochenen Kopieren oder Herunterladen.
Sie können die Datei ansehen und drucken, aber Kolekt speichert nichts darin. Bitten Sie den Sekretär noch einmal um die Datei.</translation>
    </message>
    <message id="2104">
        <source>%1 is incomplete: it ends early, and %3 of its %4 remarks are missing, as after a copy or download that was cut off.
You can view and print it, but Kolekt will not save anything to it. Ask the secretary for the file again.</source>
        <translation>%1 ist unvollständig: Die Datei endet zu früh, und von ihren %4 Bemerkungen fehlen %3, wie nach einem abgebrochenen Kopieren oder Herunterladen.
Sie können die Datei ansehen und drucken, aber Kolekt speichert nichts darin. Bitten Sie den Sekretär noch einmal um die Datei.</translation>
    </message>
    <message id="2105">
        <source>%1 is incomplete, so Kolekt saves nothing to it and makes no file for the secretary from it.
Ask the secretary for the file again.</source>
        <translation>%1 ist unvollständig. Deshalb speichert Kolekt nichts darin und erstellt daraus keine Datei für den Sekretär.
Bitten Sie den Sekretär noch einmal um die Datei.</translation>
    </message>
    <message id="2106">
        <source>Reports cannot be posted to %1, because the file is incomplete and Kolekt will not save to it.
Ask the secretary for the file again.</source>
        <translation>In %1 können keine Berichte eingetragen werden, weil die Datei unvollständig ist und Kolekt nichts darin speichert.
Bitten Sie den Sekretär noch einmal um die Datei.</translation>
    </message>
    <message id="2107">
        <source>%1 is already open in another Kolekt.
A collection file can be open in only one Kolekt at a time, so that no report posted in one is lost by the other. Close it there, then open it here.</source>
        <translation>%1 ist bereits in einem anderen Kolekt geöffnet.
Eine Sammeldatei kann immer nur in einem Kolekt geöffnet sein, damit kein Bericht, der in dem einen eingetragen wurde, durch das andere verloren geht. Schließen Sie die Datei dort und öffnen Sie sie dann hier.</translation>
    </message>
    <message id="2108">
        <source>%1 was changed or replaced by another program since Kolekt opened it.
So that neither version is lost, Kolekt did not overwrite it and saved your collection as
%2
Kolekt goes on with that file.</source>
        <translation>%1 wurde von einem anderen Programm geändert oder ersetzt, seit Kolekt die Datei geöffnet hat.
Damit keine der beiden Fassungen verloren geht, hat Kolekt sie nicht überschrieben und Ihre eingetragenen Berichte gespeichert unter
%2
Kolekt arbeitet mit dieser Datei weiter.</translation>
    </message>
    <message id="2109">
        <source>Kolekt could not save the collection to %1.
So that no report is lost, it was saved as
%2
Open that file with "Load New List from Secretary" to go on with it.</source>
        <translation>Kolekt konnte die Berichte nicht in %1 speichern.
Damit kein Bericht verloren geht, wurden sie gespeichert unter
%2
Öffnen Sie diese Datei mit „Neue Liste vom Sekretär laden“, um damit weiterzuarbeiten.</translation>
    </message>
    <message id="2110">
        <source>Kolekt could not save the collection to %1, nor to the folder %2.
The reports posted since it was last saved could not be kept.</source>
        <translation>Kolekt konnte die Berichte weder in %1 noch im Ordner %2 speichern.
Die seit dem letzten Speichern eingetragenen Berichte konnten nicht erhalten werden.</translation>
    </message>
    <message id="2111">
        <source>Collections that could not be saved to their own files when Kolekt ended are kept in
%1
Open one with "Load New List from Secretary" to go on with it.</source>
        <translation>Berichte, die beim Beenden von Kolekt nicht in ihrer eigenen Datei gespeichert werden konnten, liegen in
%1
Öffnen Sie eine dieser Dateien mit „Neue Liste vom Sekretär laden“, um damit weiterzuarbeiten.</translation>
    </message>
    <message id="2120">
        <source>%1 cannot be opened: its lock file %2 is not a file Kolekt made (it is a link, a folder or a special file).
Remove it, then open the collection file again.</source>
        <translation>%1 kann nicht geöffnet werden: Seine Sperrdatei %2 ist keine von Kolekt angelegte Datei (sondern ein Link, ein Ordner oder eine Spezialdatei).
Entfernen Sie sie und öffnen Sie die Sammeldatei dann erneut.</translation>
    </message>
    <message id="2200">
        <source>Post</source>
        <translation>&amp;Eintragen</translation>
    </message>
    <message id="2201">
        <source>Print Setup</source>
        <translation>Druckeinrichtung</translation>
    </message>
    <message id="2202">
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message id="2203">
        <source>The PDF file could not be written:
%1

%2</source>
        <translation>Die PDF-Datei konnte nicht geschrieben werden:
%1

%2</translation>
    </message>
    <message id="2204">
        <source>The printer %1 did not take the job:
%2</source>
        <translation>Der Drucker %1 hat den Auftrag nicht angenommen:
%2</translation>
    </message>
    <message id="2205">
        <source>Next Telephone Number</source>
        <translation>Nächste Telefonnummer</translation>
    </message>
    <message id="2206">
        <source>Next Page</source>
        <translation>Nächste Seite</translation>
    </message>
    <message id="2207">
        <source>Previous Page</source>
        <translation>Vorherige Seite</translation>
    </message>
    <message id="2250">
        <source>

The secretary's e-mail address in the file cannot be used, so the file cannot be e-mailed from here. Please hand it to the secretary yourself.</source>
        <translation>

Die E-Mail-Adresse des Sekretärs in der Datei ist nicht verwendbar, deshalb kann die Datei nicht von hier aus per E-Mail gesendet werden. Bitte geben Sie sie dem Sekretär selbst.</translation>
    </message>
    <message id="2251">
        <source>Mail password for %1 on %2:</source>
        <translation>E-Mail-Passwort für %1 auf %2:</translation>
    </message>
    <message id="2252">
        <source>Sending the mail through %1...</source>
        <translation>Die E-Mail wird über %1 gesendet...</translation>
    </message>
    <message id="2253">
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message id="2254">
        <source>Sending was cancelled. The mail was not sent.</source>
        <translation>Das Senden wurde abgebrochen. Die E-Mail wurde nicht gesendet.</translation>
    </message>
    <message id="2255">
        <source>Kolekt could not connect to the mail server %1. The mail was not sent.</source>
        <translation>Kolekt konnte keine Verbindung zum Mailserver %1 herstellen. Die E-Mail wurde nicht gesendet.</translation>
    </message>
    <message id="2256">
        <source>The mail server %1 did not answer in time. The mail was not sent.</source>
        <translation>Der Mailserver %1 hat nicht rechtzeitig geantwortet. Die E-Mail wurde nicht gesendet.</translation>
    </message>
    <message id="2257">
        <source>The mail server %1 refused the log-on. Check the user name and the password. The mail was not sent.</source>
        <translation>Der Mailserver %1 hat die Anmeldung abgelehnt. Prüfen Sie den Benutzernamen und das Passwort. Die E-Mail wurde nicht gesendet.</translation>
    </message>
    <message id="2258">
        <source>The mail server %1 does not offer an encrypted connection (STARTTLS), so Kolekt did not send the password. The mail was not sent.</source>
        <translation>Der Mailserver %1 bietet keine verschlüsselte Verbindung (STARTTLS) an, deshalb hat Kolekt das Passwort nicht gesendet. Die E-Mail wurde nicht gesendet.</translation>
    </message>
    <message id="2259">
        <source>No secure connection to the mail server %1 could be made: its certificate was not accepted. The mail was not sent.</source>
        <translation>Es konnte keine sichere Verbindung zum Mailserver %1 hergestellt werden: Sein Zertifikat wurde nicht akzeptiert. Die E-Mail wurde nicht gesendet.</translation>
    </message>
    <message id="2260">
        <source>The mail server %1 refused the mail. The mail was not sent.</source>
        <translation>Der Mailserver %1 hat die E-Mail abgelehnt. Die E-Mail wurde nicht gesendet.</translation>
    </message>
    <message id="2300">
        <source>&amp;Language</source>
        <translation>&amp;Sprache</translation>
    </message>
    <message id="2301">
        <source>The language "%1" is not known. Kolekt knows these languages: %2.</source>
        <translation>Die Sprache „%1“ ist unbekannt. Kolekt kennt diese Sprachen: %2.</translation>
    </message>
    <message id="2302">
        <source>The code page "%1" is not known. Kolekt reads collection files in these code pages: %2.</source>
        <translation>Die Codepage „%1“ ist unbekannt. Kolekt liest Sammeldateien in diesen Codepages: %2.</translation>
    </message>
    <message id="2303">
        <source>&amp;Yes</source>
        <translation>&amp;Ja</translation>
    </message>
    <message id="2304">
        <source>&amp;No</source>
        <translation>&amp;Nein</translation>
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
    <message id="2400">
        <source>Low Memory</source>
        <translation>Zu wenig Arbeitsspeicher</translation>
    </message>
    <message id="2401">
        <source>No Printer</source>
        <translation>Kein Drucker</translation>
    </message>
    <message id="2402">
        <source>Printing on %1 could not be started.</source>
        <translation>Das Drucken auf %1 konnte nicht gestartet werden.</translation>
    </message>
    <message id="2403">
        <source>Telephone service not available</source>
        <translation>Telefondienst nicht verfügbar</translation>
    </message>
    <message id="2404">
        <source>E-mail - </source>
        <translation>E-&amp;Mail - </translation>
    </message>
    <message id="2700">
        <source>Mail system DLL is invalid.</source>
        <translation>Die DLL des Mailsystems ist ungültig.</translation>
    </message>
    <message id="2701">
        <source>bad procaddress</source>
        <translation>ungültige Prozeduradresse</translation>
    </message>
    <message id="2800">
        <source>Kolekt could not store its settings in
%1
The file or its lock file beside it may be write-protected, held by another program, a link, a folder or a special file, or the disk may be full. Your collection files are not affected; only what Kolekt remembers for the next start (the file open last, the language, the mail settings) is not stored.</source>
        <translation>Kolekt konnte seine Einstellungen nicht speichern in
%1
Die Datei oder ihre Sperrdatei daneben ist vielleicht schreibgeschützt, von einem anderen Programm belegt, ein Link, ein Ordner oder eine Spezialdatei, oder der Datenträger ist voll. Ihre Sammeldateien sind davon nicht betroffen; nur was sich Kolekt für den nächsten Start merkt (die zuletzt geöffnete Datei, die Sprache, die Mail-Einstellungen), wird nicht gespeichert.</translation>
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
    <message id="2350">
        <source>The collection file's code page (%2) cannot hold these characters of the remark: %1
Each of them would be stored as "?".

Store the remark like this? Otherwise it stays open for you to change it.</source>
        <translation>Die Codepage der Sammeldatei (%2) enthält diese Zeichen der Bemerkung nicht: %1
Jedes davon würde als „?“ gespeichert.

Bemerkung so speichern? Andernfalls bleibt sie zum Ändern geöffnet.</translation>
    </message>
    <message id="2500">
        <source>%1 left</source>
        <translation>noch %1</translation>
    </message>
    <message id="2600">
        <source>Group #%1</source>
        <translation>Gruppe Nr. %1</translation>
    </message>
    <message id="2601">
        <source>Call the telephone number shown</source>
        <translation>Die angezeigte Telefonnummer anrufen</translation>
    </message>
    <message id="2602">
        <source>Field service report for %MONTH% %YEAR%</source>
        <translation>Predigtdienstbericht für %MONTH% %YEAR%</translation>
    </message>
    <message id="2603">
        <source>Dear %NAME%,

Please submit your report for %MONTH% %YEAR%.
Thank you.</source>
        <translation>Hallo %NAME%,

bitte gib deinen Bericht für %MONTH% %YEAR% ab.
Vielen Dank!</translation>
    </message>
    <message id="2604">
        <source>Copy Message</source>
        <translation>Nachricht kopieren</translation>
    </message>
    <message id="2605">
        <source>Show File in Folder</source>
        <translation>Datei im Ordner zeigen</translation>
    </message>
    <message id="2606">
        <source>

The file to attach to the mail is:
%1</source>
        <translation>

Diese Datei ist an die E-Mail anzuhängen:
%1</translation>
    </message>
    <message id="2607">
        <source>No file manager was found to show the file.</source>
        <translation>Es wurde kein Dateimanager gefunden, der die Datei zeigen kann.</translation>
    </message>
    <message id="2608">
        <source>Remind All Missing</source>
        <translation>Alle &amp;Fehlenden erinnern</translation>
    </message>
    <message id="2609">
        <source>Send a reminder to each of these %1 publishers whose report is missing, one message each?%2</source>
        <translation>Jedem dieser %1 Verkündiger, deren Bericht fehlt, eine eigene Erinnerung senden?%2</translation>
    </message>
    <message id="2610">
        <source>

These publishers have no usable e-mail address and get no reminder:%1</source>
        <translation>

Diese Verkündiger haben keine verwendbare E-Mail-Adresse und bekommen keine Erinnerung:%1</translation>
    </message>
    <message id="2611">
        <source>No publisher whose report is missing has a usable e-mail address.</source>
        <translation>Kein Verkündiger, dessen Bericht fehlt, hat eine verwendbare E-Mail-Adresse.</translation>
    </message>
    <message id="2612">
        <source>The mail program will now open %1 messages, one for each publisher. Check and send each of them there.</source>
        <translation>Das E-Mail-Programm öffnet jetzt %1 Nachrichten, eine für jeden Verkündiger. Prüfen und senden Sie jede dort.</translation>
    </message>
    <message id="2613">
        <source>%1 of %2 reminders were sent.</source>
        <translation>%1 von %2 Erinnerungen wurden gesendet.</translation>
    </message>
    <message id="2614">
        <source>%1 of %2 reminders were opened in the mail program.</source>
        <translation>%1 von %2 Erinnerungen wurden im E-Mail-Programm geöffnet.</translation>
    </message>
    <message id="2615">
        <source>Sending reminder %1 of %2 through %3...</source>
        <translation>Erinnerung %1 von %2 wird über %3 gesendet...</translation>
    </message>
    <message id="2616">
        <source>Mail Settings...</source>
        <translation>E-&amp;Mail-Einstellungen...</translation>
    </message>
    <message id="2617">
        <source>Mail Settings</source>
        <translation>E-Mail-Einstellungen</translation>
    </message>
    <message id="2618">
        <source>Mail &amp;server:</source>
        <translation>E-Mail-&amp;Server:</translation>
    </message>
    <message id="2619">
        <source>Leave it empty to use the desktop's mail program; for example smtps://mail.example.org</source>
        <translation>Leer lassen, um das E-Mail-Programm des Desktops zu verwenden; zum Beispiel smtps://mail.example.org</translation>
    </message>
    <message id="2620">
        <source>Sender &amp;address:</source>
        <translation>&amp;Absenderadresse:</translation>
    </message>
    <message id="2621">
        <source>&amp;User name:</source>
        <translation>&amp;Benutzername:</translation>
    </message>
    <message id="2622">
        <source>&amp;Password:</source>
        <translation>&amp;Passwort:</translation>
    </message>
    <message id="2623">
        <source>&amp;Remember the password in the desktop's keyring</source>
        <translation>Passwort im Schlüsselbund des Desktops &amp;merken</translation>
    </message>
    <message id="2624">
        <source>Your &amp;name (signs the reminders):</source>
        <translation>Ihr &amp;Name (unterschreibt die Erinnerungen):</translation>
    </message>
    <message id="2625">
        <source>Reminder sub&amp;ject:</source>
        <translation>Bet&amp;reff der Erinnerung:</translation>
    </message>
    <message id="2626">
        <source>Reminder te&amp;xt:</source>
        <translation>Te&amp;xt der Erinnerung:</translation>
    </message>
    <message id="2627">
        <source>%NAME% stands for the publisher's first name, %MONTH% and %YEAR% for the month and its year, %GROUP% for the group's number.</source>
        <translation>%NAME% steht für den Vornamen des Verkündigers, %MONTH% und %YEAR% für den Monat und sein Jahr, %GROUP% für die Nummer der Gruppe.</translation>
    </message>
    <message id="2628">
        <source>Send &amp;Test Message</source>
        <translation>Testnachricht s&amp;enden</translation>
    </message>
    <message id="2629">
        <source>Kolekt test message</source>
        <translation>Testnachricht von Kolekt</translation>
    </message>
    <message id="2630">
        <source>This message shows that Kolekt can send mail with these settings.</source>
        <translation>Diese Nachricht zeigt, dass Kolekt mit diesen Einstellungen E-Mails senden kann.</translation>
    </message>
    <message id="2631">
        <source>The mail server %1 accepted the test message to %2.</source>
        <translation>Der E-Mail-Server %1 hat die Testnachricht an %2 angenommen.</translation>
    </message>
    <message id="2632">
        <source>The test message to %1 was handed to the desktop's mail program.</source>
        <translation>Die Testnachricht an %1 wurde an das E-Mail-Programm des Desktops übergeben.</translation>
    </message>
    <message id="2633">
        <source>Enter your own e-mail address as the sender: the test message goes to it.</source>
        <translation>Geben Sie Ihre eigene E-Mail-Adresse als Absender ein: Die Testnachricht geht an sie.</translation>
    </message>
    <message id="2634">
        <source>The password could not be kept in the desktop's keyring:
%1</source>
        <translation>Das Passwort konnte nicht im Schlüsselbund des Desktops gespeichert werden:
%1</translation>
    </message>
    <message id="2635">
        <source>Guide</source>
        <translation>Anleitung</translation>
    </message>
    <message id="2636">
        <source>Kolekt Guide</source>
        <translation>Anleitung zu Kolekt</translation>
    </message>
    <message id="2637">
        <source>&amp;Search:</source>
        <translation>&amp;Suchen:</translation>
    </message>
    <message id="2638">
        <source>Sections of the guide</source>
        <translation>Abschnitte der Anleitung</translation>
    </message>
    <message id="2501">
        <source>Undo posting %1 (%2)</source>
        <translation>Buchung von %1 &amp;rückgängig machen (%2)</translation>
    </message>
    <message id="2502">
        <source>There is nothing to undo. Only reports posted to this file since Kolekt was started can be undone.</source>
        <translation>Es gibt nichts rückgängig zu machen. Rückgängig machen lassen sich nur Berichte, die seit dem Start von Kolekt in diese Datei gebucht wurden.</translation>
    </message>
    <message id="2503">
        <source>shared</source>
        <translation>im Dienst</translation>
    </message>
    <message id="2504">
        <source>not shared</source>
        <translation>nicht im Dienst</translation>
    </message>
    <message id="2505">
        <source>hours: %1</source>
        <translation>Stunden: %1</translation>
    </message>
    <message id="2506">
        <source>studies: %1</source>
        <translation>Studien: %1</translation>
    </message>
    <message id="2507">
        <source>remark</source>
        <translation>Bemerkung</translation>
    </message>
    <message id="2508">
        <source>%1 – %2: %3</source>
        <translation>%1 – %2: %3</translation>
    </message>
    <message id="2509">
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message id="2510">
        <source>reported</source>
        <translation>berichtet</translation>
    </message>
    <message id="2511">
        <source>missing</source>
        <translation>fehlt</translation>
    </message>
    <message id="2512">
        <source>remark only</source>
        <translation>nur Bemerkung</translation>
    </message>
    <message id="2513">
        <source>late report for %1 posted</source>
        <translation>nachgereichter Bericht für %1 gebucht</translation>
    </message>
    <message id="2514">
        <source>%1: %2 of %3 reported</source>
        <translation>%1: %2 von %3 berichtet</translation>
    </message>
    <message id="2515">
        <source>Pioneer hours: %1 · Bible studies: %2</source>
        <translation>Pionierstunden: %1 · Bibelstudien: %2</translation>
    </message>
    <message id="2516">
        <source>All reports are in: now "%1".</source>
        <translation>Alle Berichte sind da: jetzt „%1“.</translation>
    </message>
    <message id="2517">
        <source>These reports are still missing: %1

Create the file for the secretary all the same?</source>
        <translation>Diese Berichte fehlen noch: %1

Die Datei für den Sekretär trotzdem erstellen?</translation>
    </message>
    <message id="2518">
        <source>Open the file the secretary sent you: "%1", or drop the .k09 file on this window.</source>
        <translation>Öffnen Sie die Datei, die Ihnen der Sekretär geschickt hat: „%1“, oder ziehen Sie die .k09-Datei auf dieses Fenster.</translation>
    </message>
    <message id="2519">
        <source>Last twelve months</source>
        <translation>Die letzten zwölf Monate</translation>
    </message>
    <message id="2520">
        <source>late</source>
        <translation>nachgereicht</translation>
    </message>
    <message id="2521">
        <source>Service year so far: hours: %1</source>
        <translation>Dienstjahr bisher: Stunden: %1</translation>
    </message>
    <message id="2900">
        <source>Group &amp;Year</source>
        <translation>&amp;Gruppenjahr</translation>
    </message>
    <message id="2901">
        <source>Group Year</source>
        <translation>Gruppenjahr</translation>
    </message>
    <message id="2902">
        <source>Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec</source>
        <translation>Jan Feb Mär Apr Mai Jun Jul Aug Sep Okt Nov Dez</translation>
    </message>
    <message id="2903">
        <source>%1 h</source>
        <translation>%1 Std.</translation>
    </message>
    <message id="2904">
        <source>%1 BS</source>
        <translation>%1 BS</translation>
    </message>
    <message id="2905">
        <source>Reported</source>
        <translation>Berichtet</translation>
    </message>
    <message id="2906">
        <source>%1 of %2 reported</source>
        <translation>%1 von %2 berichtet</translation>
    </message>
    <message id="2907">
        <source>%1, %2: %3</source>
        <translation>%1, %2: %3</translation>
    </message>
    <message id="2908">
        <source>Reports each month</source>
        <translation>Berichte je Monat</translation>
    </message>
    <message id="2909">
        <source>Save as P&amp;DF...</source>
        <translation>Als &amp;PDF speichern...</translation>
    </message>
    <message id="2910">
        <source>Save the Group Year as PDF</source>
        <translation>Gruppenjahr als PDF speichern</translation>
    </message>
    <message id="2911">
        <source>PDF documents</source>
        <translation>PDF-Dokumente</translation>
    </message>
    <message id="2912">
        <source>✓ shared · ○ not shared · h hours · BS Bible studies · * remark</source>
        <translation>✓ im Dienst · ○ nicht im Dienst · Std. Stunden · BS Bibelstudien · * Bemerkung</translation>
    </message>
    <message id="2913">
        <source>Its folder may be missing, read-only or full.</source>
        <translation>Sein Ordner fehlt vielleicht, ist schreibgeschützt oder voll.</translation>
    </message>
    <message id="2850">
        <source>Kolekt could not save %1.</source>
        <translation>Kolekt konnte %1 nicht speichern.</translation>
    </message>
    <message id="2851">
        <source>The file, its folder or the disk is read-only: remove the read-only attribute or obtain permission to create files in its folder.</source>
        <translation>Die Datei, ihr Ordner oder der Datenträger ist schreibgeschützt: Heben Sie den Schreibschutz auf, oder lassen Sie sich das Recht geben, in ihrem Ordner Dateien zu erstellen.</translation>
    </message>
    <message id="2852">
        <source>The disk is full (%1): make room on it or use another disk.</source>
        <translation>Der Datenträger ist voll (%1): Schaffen Sie dort Platz, oder verwenden Sie einen anderen Datenträger.</translation>
    </message>
    <message id="2853">
        <source>Its name or path is too long for this file system (%1): give it a shorter name or move it to a folder with a shorter path.</source>
        <translation>Ihr Name oder Pfad ist für dieses Dateisystem zu lang (%1): Geben Sie ihr einen kürzeren Namen, oder verschieben Sie sie in einen Ordner mit kürzerem Pfad.</translation>
    </message>
    <message id="2854">
        <source>You may not create or replace files in its folder (%1): the folder is not writable for you, or it is a shared folder where only a file's owner may replace it. Ask the folder's owner, or copy the file to a folder of your own.</source>
        <translation>Sie dürfen in ihrem Ordner keine Dateien erstellen oder ersetzen (%1): Der Ordner ist für Sie nicht beschreibbar, oder es ist ein gemeinsamer Ordner, in dem nur der Besitzer einer Datei sie ersetzen darf. Fragen Sie den Besitzer des Ordners, oder kopieren Sie die Datei in einen eigenen Ordner.</translation>
    </message>
    <message id="2855">
        <source>The file system there cannot do what saving needs (%1): copy the file to another disk or folder.</source>
        <translation>Das Dateisystem dort kann nicht, was das Speichern braucht (%1): Kopieren Sie die Datei auf einen anderen Datenträger oder in einen anderen Ordner.</translation>
    </message>
    <message id="2856">
        <source>The system reports: %1.</source>
        <translation>Das System meldet: %1.</translation>
    </message>
    <message id="2857">
        <source>%1 holds %3 bytes after its last remark, which are not part of a collection file.
Kolekt ignores them, and the next save writes the file without them.</source>
        <translation>%1 enthält nach der letzten Bemerkung %3 Bytes, die nicht zu einer Sammeldatei gehören.
Kolekt übergeht sie, und beim nächsten Speichern wird die Datei ohne sie geschrieben.</translation>
    </message>
    <message id="2858">
        <source>%1 was saved, but it now belongs to you and your group: Kolekt could keep neither its owner nor its group, so some who could read it before may no longer be able to.
Ask the file's owner or an administrator to give it back its owner or group.</source>
        <translation>%1 wurde gespeichert, gehört aber jetzt Ihnen und Ihrer Gruppe: Kolekt konnte weder den Besitzer noch die Gruppe der Datei erhalten, daher können manche, die sie vorher lesen konnten, das vielleicht nicht mehr.
Bitten Sie den Besitzer der Datei oder einen Administrator, ihr den Besitzer oder die Gruppe zurückzugeben.</translation>
    </message>
    <message id="2859">
        <source>The folder it was opened from is no longer there: perhaps a stick or a network drive was removed. Put it back, and the next post saves every report posted since.</source>
        <translation>Der Ordner, aus dem die Datei geöffnet wurde, ist nicht mehr da: Vielleicht wurde ein USB-Stick oder ein Netzlaufwerk entfernt. Schließen Sie ihn wieder an; beim nächsten Eintragen werden alle seither eingetragenen Berichte gespeichert.</translation>
    </message>
</context>
</TS>
