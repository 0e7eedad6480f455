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
        <translation>Andere &amp;maand (te laat)</translation>
    </message>
    <message id="1000">
        <source>Post - %1</source>
        <translation>&amp;Invoeren - %1</translation>
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

Om een te laat bericht in te voeren, typt u Alt+M of klikt u op de knop ‘Andere maand’.

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
    <message id="1495">
        <source>Shared in any form of the ministry during the month</source>
        <translation>Heeft deze maand op een of andere manier aan de bediening deelgenomen</translation>
    </message>
    <message id="1500">
        <source>Shared</source>
        <translation>Deeln.</translation>
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
        <translation>Af&amp;sluiten</translation>
    </message>
    <message id="2003">
        <source>Limit List to Missing Reports</source>
        <translation>Alleen &amp;ontbrekende berichten tonen</translation>
    </message>
    <message id="2004">
        <source> Last Person Posted </source>
        <translation> Laatst ingevoerd </translation>
    </message>
    <message id="2005">
        <source>Load New List from Secretary</source>
        <translation>Nieuwe lijst van secretaris &amp;laden</translation>
    </message>
    <message id="2006">
        <source>Create File for Secretary</source>
        <translation>Bestand voor secretaris ma&amp;ken</translation>
    </message>
    <message id="2007">
        <source>Dial</source>
        <translation>B&amp;ellen</translation>
    </message>
    <message id="2008">
        <source>Help</source>
        <translation>&amp;Help</translation>
    </message>
    <message id="2009">
        <source>View or Print Report Collection List</source>
        <translation>Verzamellijst &amp;bekijken of afdrukken</translation>
    </message>
    <message id="2010">
        <source>Preview E-mail</source>
        <translation>&amp;Voorbeeld e-mail</translation>
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
    <message id="2062">
        <source>GNU GPL 3 or later</source>
        <translation>GNU GPL 3 of hoger</translation>
    </message>
    <message id="2063">
        <source>Questions and fixes: kolekt@example.org</source>
        <translation>Vragen en verbeteringen: kolekt@example.org</translation>
    </message>
    <message id="2064">
        <source>Requires Groupx.k09 files from Scriba Version 10a or later</source>
        <translation>Vereist Groupx.k09-bestanden van Scriba versie 10a of hoger</translation>
    </message>
    <message id="2100">
        <source>Kolekt cannot open %1:
the file does not exist. It may have been moved, renamed or deleted.</source>
        <translation>Kolekt kan %1 niet openen:
het bestand bestaat niet. Misschien is het verplaatst, hernoemd of verwijderd.</translation>
    </message>
    <message id="2101">
        <source>Kolekt cannot open %1:
the file cannot be read. Ask the owner of the file or of its folder for permission to read it.</source>
        <translation>Kolekt kan %1 niet openen:
het bestand kan niet worden gelezen. Vraag de eigenaar van het bestand of van de map om toestemming om het te lezen.</translation>
    </message>
    <message id="2102">
        <source>Kolekt cannot open %1:
it is not a regular file but a folder or a special file. Choose the collection file from the secretary.</source>
        <translation>Kolekt kan %1 niet openen:
het is geen gewoon bestand, maar een map of een speciaal bestand. Kies het verzamelbestand van de secretaris.</translation>
    </message>
    <message id="2103">
        <source>%1 is incomplete: it ends early, and %3 of its %4 publisher records are missing, as after a copy or download that was cut off.
You can view and print it, but Kolekt will not save anything to it. Ask the secretary for the file again.</source>
        <translation>%1 is onvolledig: het houdt te vroeg op en van de %4 verkondigers ontbreken er %3, zoals na een afgebroken kopie of download.
U kunt het bekijken en afdrukken, maar Kolekt slaat er niets in op. Vraag de secretaris opnieuw om het bestand.</translation>
    </message>
    <message id="2104">
        <source>%1 is incomplete: it ends early, and %3 of its %4 remarks are missing, as after a copy or download that was cut off.
You can view and print it, but Kolekt will not save anything to it. Ask the secretary for the file again.</source>
        <translation>%1 is onvolledig: het houdt te vroeg op en van de %4 opmerkingen ontbreken er %3, zoals na een afgebroken kopie of download.
U kunt het bekijken en afdrukken, maar Kolekt slaat er niets in op. Vraag de secretaris opnieuw om het bestand.</translation>
    </message>
    <message id="2105">
        <source>%1 is incomplete, so Kolekt saves nothing to it and makes no file for the secretary from it.
Ask the secretary for the file again.</source>
        <translation>%1 is onvolledig, dus Kolekt slaat er niets in op en maakt er geen bestand voor de secretaris van.
Vraag de secretaris opnieuw om het bestand.</translation>
    </message>
    <message id="2106">
        <source>Reports cannot be posted to %1, because the file is incomplete and Kolekt will not save to it.
Ask the secretary for the file again.</source>
        <translation>In %1 kunnen geen berichten worden ingevoerd, omdat het bestand onvolledig is en Kolekt er niets in opslaat.
Vraag de secretaris opnieuw om het bestand.</translation>
    </message>
    <message id="2107">
        <source>%1 is already open in another Kolekt.
A collection file can be open in only one Kolekt at a time, so that no report posted in one is lost by the other. Close it there, then open it here.</source>
        <translation>%1 is al geopend in een ander exemplaar van Kolekt.
Een verzamelbestand kan maar in één exemplaar van Kolekt tegelijk geopend zijn, zodat geen bericht dat in het ene is ingevoerd, door het andere verloren gaat. Sluit het daar en open het dan hier.</translation>
    </message>
    <message id="2108">
        <source>%1 was changed or replaced by another program since Kolekt opened it.
So that neither version is lost, Kolekt did not overwrite it and saved your collection as
%2
Kolekt goes on with that file.</source>
        <translation>%1 is door een ander programma gewijzigd of vervangen sinds Kolekt het heeft geopend.
Om te voorkomen dat een van beide versies verloren gaat, heeft Kolekt het niet overschreven en uw berichten opgeslagen als
%2
Kolekt gaat verder met dat bestand.</translation>
    </message>
    <message id="2109">
        <source>Kolekt could not save the collection to %1.
So that no report is lost, it was saved as
%2
Open that file with "Load New List from Secretary" to go on with it.</source>
        <translation>Kolekt kon de berichten niet opslaan in %1.
Om te voorkomen dat er berichten verloren gaan, zijn ze opgeslagen als
%2
Open dat bestand met ‘Nieuwe lijst van secretaris laden’ om ermee verder te gaan.</translation>
    </message>
    <message id="2110">
        <source>Kolekt could not save the collection to %1, nor to the folder %2.
The reports posted since it was last saved could not be kept.</source>
        <translation>Kolekt kon de berichten niet opslaan in %1, en ook niet in de map %2.
De berichten die sinds de laatste keer opslaan zijn ingevoerd, konden niet worden bewaard.</translation>
    </message>
    <message id="2111">
        <source>Collections that could not be saved to their own files when Kolekt ended are kept in
%1
Open one with "Load New List from Secretary" to go on with it.</source>
        <translation>Berichten die bij het afsluiten van Kolekt niet in hun eigen bestand konden worden opgeslagen, worden bewaard in
%1
Open een van die bestanden met ‘Nieuwe lijst van secretaris laden’ om ermee verder te gaan.</translation>
    </message>
    <message id="2120">
        <source>%1 cannot be opened: its lock file %2 is not a file Kolekt made (it is a link, a folder or a special file).
Remove it, then open the collection file again.</source>
        <translation>%1 kan niet worden geopend: het vergrendelingsbestand %2 is geen bestand dat Kolekt heeft gemaakt (het is een koppeling, een map of een speciaal bestand).
Verwijder het en open het bestand daarna opnieuw.</translation>
    </message>
    <message id="2200">
        <source>Post</source>
        <translation>&amp;Invoeren</translation>
    </message>
    <message id="2201">
        <source>Print Setup</source>
        <translation>Afdrukinstellingen</translation>
    </message>
    <message id="2202">
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message id="2203">
        <source>The PDF file could not be written:
%1

%2</source>
        <translation>Het pdf-bestand kon niet worden geschreven:
%1

%2</translation>
    </message>
    <message id="2204">
        <source>The printer %1 did not take the job:
%2</source>
        <translation>De printer %1 heeft de afdruktaak niet aangenomen:
%2</translation>
    </message>
    <message id="2205">
        <source>Next Telephone Number</source>
        <translation>Volgend telefoonnummer</translation>
    </message>
    <message id="2206">
        <source>Next Page</source>
        <translation>Volgende pagina</translation>
    </message>
    <message id="2207">
        <source>Previous Page</source>
        <translation>Vorige pagina</translation>
    </message>
    <message id="2250">
        <source>

The secretary's e-mail address in the file cannot be used, so the file cannot be e-mailed from here. Please hand it to the secretary yourself.</source>
        <translation>

Het e-mailadres van de secretaris in het bestand is onbruikbaar, dus het bestand kan niet van hieruit per e-mail worden verstuurd. Geef het zelf aan de secretaris.</translation>
    </message>
    <message id="2251">
        <source>Mail password for %1 on %2:</source>
        <translation>E-mailwachtwoord voor %1 op %2:</translation>
    </message>
    <message id="2252">
        <source>Sending the mail through %1...</source>
        <translation>De e-mail wordt verzonden via %1...</translation>
    </message>
    <message id="2253">
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
    <message id="2254">
        <source>Sending was cancelled. The mail was not sent.</source>
        <translation>Het verzenden is geannuleerd. De e-mail is niet verzonden.</translation>
    </message>
    <message id="2255">
        <source>Kolekt could not connect to the mail server %1. The mail was not sent.</source>
        <translation>Kolekt kon geen verbinding maken met de mailserver %1. De e-mail is niet verzonden.</translation>
    </message>
    <message id="2256">
        <source>The mail server %1 did not answer in time. The mail was not sent.</source>
        <translation>De mailserver %1 heeft niet op tijd geantwoord. De e-mail is niet verzonden.</translation>
    </message>
    <message id="2257">
        <source>The mail server %1 refused the log-on. Check the user name and the password. The mail was not sent.</source>
        <translation>De mailserver %1 heeft de aanmelding geweigerd. Controleer de gebruikersnaam en het wachtwoord. De e-mail is niet verzonden.</translation>
    </message>
    <message id="2258">
        <source>The mail server %1 does not offer an encrypted connection (STARTTLS), so Kolekt did not send the password. The mail was not sent.</source>
        <translation>De mailserver %1 biedt geen versleutelde verbinding (STARTTLS) aan, dus Kolekt heeft het wachtwoord niet verstuurd. De e-mail is niet verzonden.</translation>
    </message>
    <message id="2259">
        <source>No secure connection to the mail server %1 could be made: its certificate was not accepted. The mail was not sent.</source>
        <translation>Er kon geen beveiligde verbinding met de mailserver %1 worden gemaakt: het certificaat ervan is niet geaccepteerd. De e-mail is niet verzonden.</translation>
    </message>
    <message id="2260">
        <source>The mail server %1 refused the mail. The mail was not sent.</source>
        <translation>De mailserver %1 heeft de e-mail geweigerd. De e-mail is niet verzonden.</translation>
    </message>
    <message id="2300">
        <source>&amp;Language</source>
        <translation>&amp;Taal</translation>
    </message>
    <message id="2301">
        <source>The language "%1" is not known. Kolekt knows these languages: %2.</source>
        <translation>De taal ‘%1’ is onbekend. Kolekt kent deze talen: %2.</translation>
    </message>
    <message id="2302">
        <source>The code page "%1" is not known. Kolekt reads collection files in these code pages: %2.</source>
        <translation>De codetabel ‘%1’ is onbekend. Kolekt leest verzamelbestanden in deze codetabellen: %2.</translation>
    </message>
    <message id="2303">
        <source>&amp;Yes</source>
        <translation>&amp;Ja</translation>
    </message>
    <message id="2304">
        <source>&amp;No</source>
        <translation>&amp;Nee</translation>
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
    <message id="2400">
        <source>Low Memory</source>
        <translation>Onvoldoende geheugen</translation>
    </message>
    <message id="2401">
        <source>No Printer</source>
        <translation>Geen printer</translation>
    </message>
    <message id="2402">
        <source>Printing on %1 could not be started.</source>
        <translation>Afdrukken op %1 kon niet worden gestart.</translation>
    </message>
    <message id="2403">
        <source>Telephone service not available</source>
        <translation>Telefoondienst niet beschikbaar</translation>
    </message>
    <message id="2404">
        <source>E-mail - </source>
        <translation>E-&amp;mail - </translation>
    </message>
    <message id="2700">
        <source>Mail system DLL is invalid.</source>
        <translation>De DLL van het e-mailsysteem is ongeldig.</translation>
    </message>
    <message id="2701">
        <source>bad procaddress</source>
        <translation>ongeldig procedureadres</translation>
    </message>
    <message id="2800">
        <source>Kolekt could not store its settings in
%1
The file or its lock file beside it may be write-protected, held by another program, a link, a folder or a special file, or the disk may be full. Your collection files are not affected; only what Kolekt remembers for the next start (the file open last, the language, the mail settings) is not stored.</source>
        <translation>Kolekt kon zijn instellingen niet opslaan in
%1
Het bestand of het vergrendelingsbestand ernaast is misschien beveiligd tegen schrijven, in gebruik door een ander programma, een koppeling, een map of een speciaal bestand, of de schijf is vol. Uw verzamelbestanden blijven onaangetast; alleen wat Kolekt voor de volgende start onthoudt (het laatst geopende bestand, de taal, de e-mailinstellingen) wordt niet opgeslagen.</translation>
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
    <message id="2350">
        <source>The collection file's code page (%2) cannot hold these characters of the remark: %1
Each of them would be stored as "?".

Store the remark like this? Otherwise it stays open for you to change it.</source>
        <translation>De codetabel van het verzamelbestand (%2) kent deze tekens van de opmerking niet: %1
Elk ervan zou als ‘?’ worden opgeslagen.

De opmerking zo opslaan? Anders blijft ze open zodat u ze kunt wijzigen.</translation>
    </message>
    <message id="2500">
        <source>%1 left</source>
        <translation>nog %1</translation>
    </message>
    <message id="2600">
        <source>Group #%1</source>
        <translation>Groep nr. %1</translation>
    </message>
    <message id="2601">
        <source>Call the telephone number shown</source>
        <translation>Het getoonde telefoonnummer bellen</translation>
    </message>
    <message id="2602">
        <source>Field service report for %MONTH% %YEAR%</source>
        <translation>Velddienstbericht over %MONTH% %YEAR%</translation>
    </message>
    <message id="2603">
        <source>Dear %NAME%,

Please submit your report for %MONTH% %YEAR%.
Thank you.</source>
        <translation>Hoi %NAME%,

Wil je je bericht over %MONTH% %YEAR% inleveren?
Bedankt!</translation>
    </message>
    <message id="2604">
        <source>Copy Message</source>
        <translation>Bericht kopiëren</translation>
    </message>
    <message id="2605">
        <source>Show File in Folder</source>
        <translation>Bestand in map tonen</translation>
    </message>
    <message id="2606">
        <source>

The file to attach to the mail is:
%1</source>
        <translation>

Het bestand dat bij de e-mail moet worden gevoegd:
%1</translation>
    </message>
    <message id="2607">
        <source>No file manager was found to show the file.</source>
        <translation>Er is geen bestandsbeheerder gevonden om het bestand te tonen.</translation>
    </message>
    <message id="2608">
        <source>Remind All Missing</source>
        <translation>Iedereen zonder bericht &amp;herinneren</translation>
    </message>
    <message id="2609">
        <source>Send a reminder to each of these %1 publishers whose report is missing, one message each?%2</source>
        <translation>Elk van deze %1 verkondigers van wie het bericht ontbreekt een eigen herinnering sturen?%2</translation>
    </message>
    <message id="2610">
        <source>

These publishers have no usable e-mail address and get no reminder:%1</source>
        <translation>

Deze verkondigers hebben geen bruikbaar e-mailadres en krijgen geen herinnering:%1</translation>
    </message>
    <message id="2611">
        <source>No publisher whose report is missing has a usable e-mail address.</source>
        <translation>Geen enkele verkondiger van wie het bericht ontbreekt, heeft een bruikbaar e-mailadres.</translation>
    </message>
    <message id="2612">
        <source>The mail program will now open %1 messages, one for each publisher. Check and send each of them there.</source>
        <translation>Het e-mailprogramma opent nu %1 berichten, één voor elke verkondiger. Controleer en verstuur ze daar.</translation>
    </message>
    <message id="2613">
        <source>%1 of %2 reminders were sent.</source>
        <translation>%1 van de %2 herinneringen zijn verstuurd.</translation>
    </message>
    <message id="2614">
        <source>%1 of %2 reminders were opened in the mail program.</source>
        <translation>%1 van de %2 herinneringen zijn in het e-mailprogramma geopend.</translation>
    </message>
    <message id="2615">
        <source>Sending reminder %1 of %2 through %3...</source>
        <translation>Herinnering %1 van %2 wordt via %3 verstuurd...</translation>
    </message>
    <message id="2616">
        <source>Mail Settings...</source>
        <translation>E-mail&amp;instellingen...</translation>
    </message>
    <message id="2617">
        <source>Mail Settings</source>
        <translation>E-mailinstellingen</translation>
    </message>
    <message id="2618">
        <source>Mail &amp;server:</source>
        <translation>&amp;Mailserver:</translation>
    </message>
    <message id="2619">
        <source>Leave it empty to use the desktop's mail program; for example smtps://mail.example.org</source>
        <translation>Laat leeg om het e-mailprogramma van het bureaublad te gebruiken; bijvoorbeeld smtps://mail.example.org</translation>
    </message>
    <message id="2620">
        <source>Sender &amp;address:</source>
        <translation>&amp;Adres van de afzender:</translation>
    </message>
    <message id="2621">
        <source>&amp;User name:</source>
        <translation>&amp;Gebruikersnaam:</translation>
    </message>
    <message id="2622">
        <source>&amp;Password:</source>
        <translation>&amp;Wachtwoord:</translation>
    </message>
    <message id="2623">
        <source>&amp;Remember the password in the desktop's keyring</source>
        <translation>Wachtwoord &amp;onthouden in de sleutelbos van het bureaublad</translation>
    </message>
    <message id="2624">
        <source>Your &amp;name (signs the reminders):</source>
        <translation>Uw &amp;naam (ondertekent de herinneringen):</translation>
    </message>
    <message id="2625">
        <source>Reminder sub&amp;ject:</source>
        <translation>Onderw&amp;erp van de herinnering:</translation>
    </message>
    <message id="2626">
        <source>Reminder te&amp;xt:</source>
        <translation>Te&amp;kst van de herinnering:</translation>
    </message>
    <message id="2627">
        <source>%NAME% stands for the publisher's first name, %MONTH% and %YEAR% for the month and its year, %GROUP% for the group's number.</source>
        <translation>%NAME% staat voor de voornaam van de verkondiger, %MONTH% en %YEAR% voor de maand en het jaar, %GROUP% voor het nummer van de groep.</translation>
    </message>
    <message id="2628">
        <source>Send &amp;Test Message</source>
        <translation>&amp;Testbericht versturen</translation>
    </message>
    <message id="2629">
        <source>Kolekt test message</source>
        <translation>Testbericht van Kolekt</translation>
    </message>
    <message id="2630">
        <source>This message shows that Kolekt can send mail with these settings.</source>
        <translation>Dit bericht laat zien dat Kolekt met deze instellingen e-mail kan versturen.</translation>
    </message>
    <message id="2631">
        <source>The mail server %1 accepted the test message to %2.</source>
        <translation>De mailserver %1 heeft het testbericht aan %2 aangenomen.</translation>
    </message>
    <message id="2632">
        <source>The test message to %1 was handed to the desktop's mail program.</source>
        <translation>Het testbericht aan %1 is aan het e-mailprogramma van het bureaublad overgedragen.</translation>
    </message>
    <message id="2633">
        <source>Enter your own e-mail address as the sender: the test message goes to it.</source>
        <translation>Vul uw eigen e-mailadres in als afzender: het testbericht gaat daarheen.</translation>
    </message>
    <message id="2634">
        <source>The password could not be kept in the desktop's keyring:
%1</source>
        <translation>Het wachtwoord kon niet in de sleutelbos van het bureaublad worden bewaard:
%1</translation>
    </message>
    <message id="2635">
        <source>Guide</source>
        <translation>Handleiding</translation>
    </message>
    <message id="2636">
        <source>Kolekt Guide</source>
        <translation>Handleiding van Kolekt</translation>
    </message>
    <message id="2637">
        <source>&amp;Search:</source>
        <translation>&amp;Zoeken:</translation>
    </message>
    <message id="2638">
        <source>Sections of the guide</source>
        <translation>Hoofdstukken van de handleiding</translation>
    </message>
    <message id="2501">
        <source>Undo posting %1 (%2)</source>
        <translation>Boeking van %1 ongedaan &amp;maken (%2)</translation>
    </message>
    <message id="2502">
        <source>There is nothing to undo. Only reports posted to this file since Kolekt was started can be undone.</source>
        <translation>Er is niets ongedaan te maken. Alleen rapporten die sinds het starten van Kolekt in dit bestand zijn geboekt, kunnen ongedaan worden gemaakt.</translation>
    </message>
    <message id="2503">
        <source>shared</source>
        <translation>gepredikt</translation>
    </message>
    <message id="2504">
        <source>not shared</source>
        <translation>niet gepredikt</translation>
    </message>
    <message id="2505">
        <source>hours: %1</source>
        <translation>uren: %1</translation>
    </message>
    <message id="2506">
        <source>studies: %1</source>
        <translation>studies: %1</translation>
    </message>
    <message id="2507">
        <source>remark</source>
        <translation>opmerking</translation>
    </message>
    <message id="2508">
        <source>%1 – %2: %3</source>
        <translation>%1 – %2: %3</translation>
    </message>
    <message id="2509">
        <source>&amp;Undo</source>
        <translation>Ongedaan &amp;maken</translation>
    </message>
    <message id="2510">
        <source>reported</source>
        <translation>gerapporteerd</translation>
    </message>
    <message id="2511">
        <source>missing</source>
        <translation>ontbreekt</translation>
    </message>
    <message id="2512">
        <source>remark only</source>
        <translation>alleen opmerking</translation>
    </message>
    <message id="2513">
        <source>late report for %1 posted</source>
        <translation>laat rapport voor %1 geboekt</translation>
    </message>
    <message id="2514">
        <source>%1: %2 of %3 reported</source>
        <translation>%1: %2 van %3 gerapporteerd</translation>
    </message>
    <message id="2515">
        <source>Pioneer hours: %1 · Bible studies: %2</source>
        <translation>Pioniersuren: %1 · Bijbelstudies: %2</translation>
    </message>
    <message id="2516">
        <source>All reports are in: now "%1".</source>
        <translation>Alle rapporten zijn binnen: nu ‘%1’.</translation>
    </message>
    <message id="2517">
        <source>These reports are still missing: %1

Create the file for the secretary all the same?</source>
        <translation>Deze rapporten ontbreken nog: %1

Toch het bestand voor de secretaris maken?</translation>
    </message>
    <message id="2518">
        <source>Open the file the secretary sent you: "%1", or drop the .k09 file on this window.</source>
        <translation>Open het bestand dat de secretaris u stuurde: ‘%1’, of sleep het .k09-bestand naar dit venster.</translation>
    </message>
    <message id="2519">
        <source>Last twelve months</source>
        <translation>Laatste twaalf maanden</translation>
    </message>
    <message id="2520">
        <source>late</source>
        <translation>laat</translation>
    </message>
    <message id="2521">
        <source>Service year so far: hours: %1</source>
        <translation>Dienstjaar tot nu toe: uren: %1</translation>
    </message>
    <message id="2900">
        <source>Group &amp;Year</source>
        <translation>&amp;Groepsjaar</translation>
    </message>
    <message id="2901">
        <source>Group Year</source>
        <translation>Groepsjaar</translation>
    </message>
    <message id="2902">
        <source>Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec</source>
        <translation>jan feb mrt apr mei jun jul aug sep okt nov dec</translation>
    </message>
    <message id="2903">
        <source>%1 h</source>
        <translation>%1 u</translation>
    </message>
    <message id="2904">
        <source>%1 BS</source>
        <translation>%1 BS</translation>
    </message>
    <message id="2905">
        <source>Reported</source>
        <translation>Ingeleverd</translation>
    </message>
    <message id="2906">
        <source>%1 of %2 reported</source>
        <translation>%1 van %2 ingeleverd</translation>
    </message>
    <message id="2907">
        <source>%1, %2: %3</source>
        <translation>%1, %2: %3</translation>
    </message>
    <message id="2908">
        <source>Reports each month</source>
        <translation>Berichten per maand</translation>
    </message>
    <message id="2909">
        <source>Save as P&amp;DF...</source>
        <translation>Opslaan als &amp;PDF...</translation>
    </message>
    <message id="2910">
        <source>Save the Group Year as PDF</source>
        <translation>Groepsjaar opslaan als PDF</translation>
    </message>
    <message id="2911">
        <source>PDF documents</source>
        <translation>PDF-documenten</translation>
    </message>
    <message id="2912">
        <source>✓ shared · ○ not shared · h hours · BS Bible studies · * remark</source>
        <translation>✓ gepredikt · ○ niet gepredikt · u uren · BS bijbelstudies · * opmerking</translation>
    </message>
    <message id="2913">
        <source>Its folder may be missing, read-only or full.</source>
        <translation>De map ontbreekt misschien, is alleen-lezen of vol.</translation>
    </message>
    <message id="2850">
        <source>Kolekt could not save %1.</source>
        <translation>Kolekt kon %1 niet opslaan.</translation>
    </message>
    <message id="2851">
        <source>The file, its folder or the disk is read-only: remove the read-only attribute or obtain permission to create files in its folder.</source>
        <translation>Het bestand, de map of de schijf is alleen-lezen: verwijder het kenmerk alleen-lezen of vraag toestemming om bestanden in de map te maken.</translation>
    </message>
    <message id="2852">
        <source>The disk is full (%1): make room on it or use another disk.</source>
        <translation>De schijf is vol (%1): maak er ruimte vrij of gebruik een andere schijf.</translation>
    </message>
    <message id="2853">
        <source>Its name or path is too long for this file system (%1): give it a shorter name or move it to a folder with a shorter path.</source>
        <translation>De naam of het pad is te lang voor dit bestandssysteem (%1): geef het een kortere naam of verplaats het naar een map met een korter pad.</translation>
    </message>
    <message id="2854">
        <source>You may not create or replace files in its folder (%1): the folder is not writable for you, or it is a shared folder where only a file's owner may replace it. Ask the folder's owner, or copy the file to a folder of your own.</source>
        <translation>U mag in de map geen bestanden maken of vervangen (%1): de map is voor u niet beschrijfbaar, of het is een gedeelde map waarin alleen de eigenaar van een bestand het mag vervangen. Vraag het de eigenaar van de map, of kopieer het bestand naar een eigen map.</translation>
    </message>
    <message id="2855">
        <source>The file system there cannot do what saving needs (%1): copy the file to another disk or folder.</source>
        <translation>Het bestandssysteem daar kan niet wat opslaan nodig heeft (%1): kopieer het bestand naar een andere schijf of map.</translation>
    </message>
    <message id="2856">
        <source>The system reports: %1.</source>
        <translation>Het systeem meldt: %1.</translation>
    </message>
    <message id="2857">
        <source>%1 holds %3 bytes after its last remark, which are not part of a collection file.
Kolekt ignores them, and the next save writes the file without them.</source>
        <translation>%1 bevat na de laatste opmerking %3 bytes die niet bij een verzamelbestand horen.
Kolekt negeert ze, en bij de volgende keer opslaan wordt het bestand zonder die bytes geschreven.</translation>
    </message>
    <message id="2858">
        <source>%1 was saved, but it now belongs to you and your group: Kolekt could keep neither its owner nor its group, so some who could read it before may no longer be able to.
Ask the file's owner or an administrator to give it back its owner or group.</source>
        <translation>%1 is opgeslagen, maar is nu van u en uw groep: Kolekt kon de eigenaar noch de groep behouden, dus wie het eerst kon lezen, kan dat misschien niet meer.
Vraag de eigenaar van het bestand of een beheerder om het zijn eigenaar of groep terug te geven.</translation>
    </message>
    <message id="2859">
        <source>The folder it was opened from is no longer there: perhaps a stick or a network drive was removed. Put it back, and the next post saves every report posted since.</source>
        <translation>De map waaruit het bestand is geopend, is er niet meer: misschien is een USB-stick of netwerkstation verwijderd. Sluit het weer aan; de volgende invoer slaat alle sindsdien ingevoerde verslagen op.</translation>
    </message>
</context>
</TS>
