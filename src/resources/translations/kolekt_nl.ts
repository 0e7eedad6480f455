<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl" sourcelanguage="en">
<context>
    <name></name>
    <message id="101">
        <source>&amp;About Kolekt...</source>
        <translation>&amp;Over Kolekt...</translation>
    </message>
    <message id="102">
        <source>January</source>
        <translation>januari</translation>
    </message>
    <message id="103">
        <source>February</source>
        <translation>februari</translation>
    </message>
    <message id="104">
        <source>March</source>
        <translation>maart</translation>
    </message>
    <message id="105">
        <source>April</source>
        <translation>april</translation>
    </message>
    <message id="106">
        <source>May</source>
        <translation>mei</translation>
    </message>
    <message id="107">
        <source>June</source>
        <translation>juni</translation>
    </message>
    <message id="108">
        <source>July</source>
        <translation>juli</translation>
    </message>
    <message id="109">
        <source>August</source>
        <translation>augustus</translation>
    </message>
    <message id="110">
        <source>September</source>
        <translation>september</translation>
    </message>
    <message id="111">
        <source>October</source>
        <translation>oktober</translation>
    </message>
    <message id="112">
        <source>November</source>
        <translation>november</translation>
    </message>
    <message id="113">
        <source>December</source>
        <translation>december</translation>
    </message>
    <message id="114">
        <source>Change &amp;Month ( late report )</source>
        <translation>Andere &amp;maand (laat bericht)</translation>
    </message>
    <message id="1000">
        <source>Post - %1</source>
        <translation>Invoeren - %1</translation>
    </message>
    <message id="1001">
        <source>Missing %1 Reports</source>
        <translation>Ontbrekende berichten (%1)</translation>
    </message>
    <message id="1002">
        <source>Select Collection File from Secretary</source>
        <translation>Verzamelbestand van de secretaris kiezen</translation>
    </message>
    <message id="1003">
        <source>Collection Files from Secretary (.k09)</source>
        <translation>Verzamelbestanden van de secretaris (.k09)</translation>
    </message>
    <message id="1014">
        <source>Hours</source>
        <translation>uur</translation>
    </message>
    <message id="1019">
        <source>Remarks</source>
        <translation>Opmerkingen</translation>
    </message>
    <message id="1020">
        <source>AuxP</source>
        <translation>Hulppi.</translation>
    </message>
    <message id="1023">
        <source>Ministerial Servant</source>
        <translation>Dienaar in de bediening</translation>
    </message>
    <message id="1024">
        <source>Elder</source>
        <translation>Ouderling</translation>
    </message>
    <message id="1025">
        <source>Baptized Brother</source>
        <translation>Gedoopte broeder</translation>
    </message>
    <message id="1026">
        <source>Auxiliary Pioneer</source>
        <translation>Hulppionier</translation>
    </message>
    <message id="1027">
        <source>Regular Pioneer</source>
        <translation>Gewone pionier</translation>
    </message>
    <message id="1029">
        <source>Special Pioneer</source>
        <translation>Speciale pionier</translation>
    </message>
    <message id="1030">
        <source>- WARNING -   You have already posted the %1 report for %2.</source>
        <translation>- LET OP -   U hebt het bericht van %2 over %1 al ingevoerd.</translation>
    </message>
    <message id="1031">
        <source>Changes WILL NOT BE INCLUDED in the %1 report to the branch office.</source>
        <translation>Wijzigingen komen NIET in het bericht over %1 aan het bijkantoor.</translation>
    </message>
    <message id="1032">
        <source>Any changes WILL BE INCLUDED in the %1 report to the branch office.</source>
        <translation>Wijzigingen komen WEL in het bericht over %1 aan het bijkantoor.</translation>
    </message>
    <message id="1033">
        <source>Out of Space for Remarks</source>
        <translation>Geen ruimte meer voor opmerkingen</translation>
    </message>
    <message id="1038">
        <source>Your updates have been saved in a file at
%1</source>
        <translation>Uw wijzigingen zijn opgeslagen in het bestand
%1</translation>
    </message>
    <message id="1039">
        <source>

Click Yes to E-mail the .k19 file to </source>
        <translation>

Klik op Ja om het .k19-bestand te e-mailen naar </translation>
    </message>
    <message id="1040">
        <source>Click No to send the file to the secretary later.</source>
        <translation>Klik op Nee om het bestand later naar de secretaris te sturen.</translation>
    </message>
    <message id="1041">
        <source>,
       or
</source>
        <translation>,
       of
</translation>
    </message>
    <message id="1042">
        <source>Collection File</source>
        <translation>Verzamelbestand</translation>
    </message>
    <message id="1043">
        <source>.k19 file for</source>
        <translation>– .k19-bestand van</translation>
    </message>
    <message id="1058">
        <source>Group</source>
        <translation>Groep</translation>
    </message>
    <message id="1059">
        <source>Tips for using Kolekt   Important!  Your secretary must be running Scriba version 10 or later.

From your secretary, obtain a Group.k09 file for the month you are collecting.  </source>
        <translation>Tips voor het gebruik van Kolekt   Belangrijk!  Uw secretaris moet Scriba versie 10 of hoger gebruiken.

Vraag de secretaris om een Group.k09-bestand voor de maand waarvan u de berichten verzamelt.  </translation>
    </message>
    <message id="1060">
        <source>Drop the file on your Kolekt icon or launch Kolekt and use the 'Load New List from Secretary' button to open the file.

</source>
        <translation>Sleep het bestand naar het pictogram van Kolekt, of start Kolekt en open het bestand met de knop ‘Nieuwe lijst van secretaris laden’.

</translation>
    </message>
    <message id="1061">
        <source>You'll find it easy to enter reports using only the keyboard.  Type the first two or three characters of the last name.  Use the up/down arrows to select the name and press Enter.

</source>
        <translation>Berichten invoeren gaat gemakkelijk met alleen het toetsenbord.  Typ de eerste twee of drie letters van de achternaam.  Kies de naam met de pijltoetsen omhoog en omlaag en druk op Enter.

</translation>
    </message>
    <message id="1062">
        <source>Enter the report terminating each entry with the Enter key.  Press Enter after the last field to return to the selection list.

</source>
        <translation>Voer het bericht in en sluit elk gegeven af met Enter.  Druk na het laatste veld op Enter om terug te gaan naar de keuzelijst.

</translation>
    </message>
    <message id="1063">
        <source>To enter remarks, type Alt-R or click the Remarks button.  Terminate with the Enter key.

To enter a late report, type Alt-M or click the Change Month button.

</source>
        <translation>Om een opmerking in te voeren, typt u Alt+R of klikt u op de knop ‘Opmerkingen’.  Sluit af met Enter.

Om een laat bericht in te voeren, typt u Alt+M of klikt u op de knop ‘Andere maand’.

</translation>
    </message>
    <message id="1064">
        <source>If you have a mail program, you can send report reminders to publishers.

</source>
        <translation>Als u een e-mailprogramma hebt, kunt u verkondigers een herinnering voor hun bericht sturen.

</translation>
    </message>
    <message id="1065">
        <source>If you have a mail program, you can also e-mail the results to the secretary directly from the program.

</source>
        <translation>Als u een e-mailprogramma hebt, kunt u de resultaten ook rechtstreeks vanuit het programma naar de secretaris e-mailen.

</translation>
    </message>
    <message id="1066">
        <source>Otherwise, you will need to manually attach the .k19 file to an email or deliver it to the secretary on portable media.</source>
        <translation>Anders moet u het .k19-bestand zelf bij een e-mail voegen of het op een usb-stick of een ander draagbaar medium aan de secretaris geven.</translation>
    </message>
    <message id="1116">
        <source>Total Publishers</source>
        <translation>Totaal aantal verkondigers</translation>
    </message>
    <message id="1167">
        <source>Name</source>
        <translation>Naam</translation>
    </message>
    <message id="1168">
        <source>Telephone</source>
        <translation>Telefoon</translation>
    </message>
    <message id="1188">
        <source>%1 Report Collection</source>
        <translation>Berichten over %1</translation>
    </message>
    <message id="1194">
        <source>Special Pioneers are NOT INCLUDED in Report to Branch</source>
        <translation>Speciale pioniers worden NIET OPGENOMEN in het bericht aan het bijkantoor</translation>
    </message>
    <message id="1198">
        <source>eng</source>
        <translation>dutch</translation>
    </message>
    <message id="1231">
        <source>Unable to create new file: %1.
Remove the read-only attribute from the directory / file or obtain permission to create files in this directory.</source>
        <translation>Kan het nieuwe bestand niet maken: %1.
Verwijder het kenmerk alleen-lezen van de map of het bestand, of vraag toestemming om bestanden in deze map te maken.</translation>
    </message>
    <message id="1232">
        <source>Group has less than 3 publishers</source>
        <translation>De groep heeft minder dan 3 verkondigers</translation>
    </message>
    <message id="1233">
        <source>%1 is not a collection file from the secretary.
It was not opened, and Kolekt will not write to it.</source>
        <translation>%1 is geen verzamelbestand van de secretaris.
Het is niet geopend en Kolekt schrijft er niet in.</translation>
    </message>
    <message id="1247">
        <source>Report Collection Form</source>
        <translation>Verzamellijst velddienstberichten</translation>
    </message>
    <message id="1415">
        <source>Plcmts</source>
        <translation>Verspr.</translation>
    </message>
    <message id="1416">
        <source>Videos</source>
        <translation>Video's</translation>
    </message>
    <message id="1417">
        <source>Hours</source>
        <translation>Uren</translation>
    </message>
    <message id="1418">
        <source>R.Visits</source>
        <translation>Nabez.</translation>
    </message>
    <message id="1419">
        <source>Studies</source>
        <translation>Studies</translation>
    </message>
    <message id="1422">
        <source>Please submit your report for %1. 
Thank you.</source>
        <translation>Wil je je bericht over %1 inleveren? 
Bedankt!</translation>
    </message>
    <message id="1495">
        <source>Shared in any form of the ministry during the month</source>
        <translation>Heeft deze maand op een of andere manier aan de bediening deelgenomen</translation>
    </message>
    <message id="1500">
        <source>Shared</source>
        <translation>Actief</translation>
    </message>
    <message id="2000">
        <source>Field Service Reports</source>
        <translation>Velddienstberichten</translation>
    </message>
    <message id="2001">
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message id="2002">
        <source>Exit Program</source>
        <translation>Afsluiten</translation>
    </message>
    <message id="2003">
        <source>Limit List to Missing Reports</source>
        <translation>Alleen ontbrekende berichten tonen</translation>
    </message>
    <message id="2004">
        <source> Last Person Posted </source>
        <translation> Laatst ingevoerd </translation>
    </message>
    <message id="2005">
        <source>Load New List from Secretary</source>
        <translation>Nieuwe lijst van secretaris laden</translation>
    </message>
    <message id="2006">
        <source>Create File for Secretary</source>
        <translation>Bestand voor secretaris maken</translation>
    </message>
    <message id="2007">
        <source>Dial</source>
        <translation>Bellen</translation>
    </message>
    <message id="2008">
        <source>Help</source>
        <translation>Help</translation>
    </message>
    <message id="2009">
        <source>View or Print Report Collection List</source>
        <translation>Verzamellijst bekijken of afdrukken</translation>
    </message>
    <message id="2010">
        <source>Preview E-mail</source>
        <translation>Voorbeeld e-mail</translation>
    </message>
    <message id="2020">
        <source>Shared in Ministry</source>
        <translation>Nam deel</translation>
    </message>
    <message id="2021">
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message id="2022">
        <source>&amp;Cancel</source>
        <translation>&amp;Annuleren</translation>
    </message>
    <message id="2023">
        <source>&amp;Remarks</source>
        <translation>Opme&amp;rkingen</translation>
    </message>
    <message id="2024">
        <source>Auxiliary Pioneer</source>
        <translation>Hulppionier</translation>
    </message>
    <message id="2025">
        <source>&lt;1h</source>
        <translation>&lt;1u</translation>
    </message>
    <message id="2040">
        <source>&amp;Close</source>
        <translation>&amp;Sluiten</translation>
    </message>
    <message id="2041">
        <source>&amp;Print</source>
        <translation>&amp;Afdrukken</translation>
    </message>
    <message id="2042">
        <source>Print &amp;Setup</source>
        <translation>Afdruk&amp;instellingen</translation>
    </message>
    <message id="2060">
        <source>About Kolekt</source>
        <translation>Over Kolekt</translation>
    </message>
    <message id="2061">
        <source>Kolekt Version 5a</source>
        <translation>Kolekt versie 5a</translation>
    </message>
    <message id="2064">
        <source>Requires Groupx.k09 files from Scriba Version 10a or later</source>
        <translation>Vereist Groupx.k09-bestanden van Scriba versie 10a of hoger</translation>
    </message>
    <message id="2390">
        <source>Field Service Reports</source>
        <translation>Velddienstberichten</translation>
    </message>
    <message id="2391">
        <source>Post the monthly field service reports of a group and return them to the secretary</source>
        <translation>De maandelijkse velddienstberichten van een groep invoeren en aan de secretaris teruggeven</translation>
    </message>
    <message id="2392">
        <source>Collect the monthly field service reports of a group</source>
        <translation>De maandelijkse velddienstberichten van een groep verzamelen</translation>
    </message>
    <message id="2393">
        <source>Field service report collection</source>
        <translation>Verzamelbestand met velddienstberichten</translation>
    </message>
    <message id="61712">
        <source>Please enter an integer.</source>
        <translation>Voer een geheel getal in.</translation>
    </message>
    <message id="61714">
        <source>Please enter an integer between %1 and %2.</source>
        <translation>Voer een geheel getal tussen %1 en %2 in.</translation>
    </message>
    <message id="61840">
        <source>No mail program was found.</source>
        <translation>Er is geen e-mailprogramma gevonden.</translation>
    </message>
    <message id="61841">
        <source>The mail settings are not usable.</source>
        <translation>De e-mailinstellingen zijn niet bruikbaar.</translation>
    </message>
    <message id="61842">
        <source>Send Mail failed to send message.</source>
        <translation>De e-mail kon niet worden verzonden.</translation>
    </message>
</context>
</TS>
