<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sk_SK" sourcelanguage="en">
<context>
    <name></name>
    <message id="101">
        <source>&amp;About Kolekt...</source>
        <translation>&amp;O programe Kolekt...</translation>
    </message>
    <message id="102">
        <source>January</source>
        <translation>január</translation>
    </message>
    <message id="103">
        <source>February</source>
        <translation>február</translation>
    </message>
    <message id="104">
        <source>March</source>
        <translation>marec</translation>
    </message>
    <message id="105">
        <source>April</source>
        <translation>apríl</translation>
    </message>
    <message id="106">
        <source>May</source>
        <translation>máj</translation>
    </message>
    <message id="107">
        <source>June</source>
        <translation>jún</translation>
    </message>
    <message id="108">
        <source>July</source>
        <translation>júl</translation>
    </message>
    <message id="109">
        <source>August</source>
        <translation>august</translation>
    </message>
    <message id="110">
        <source>September</source>
        <translation>september</translation>
    </message>
    <message id="111">
        <source>October</source>
        <translation>október</translation>
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
        <translation>Zmeniť &amp;mesiac (oneskorená)</translation>
    </message>
    <message id="1000">
        <source>Post - %1</source>
        <translation>&amp;Zapísať - %1</translation>
    </message>
    <message id="1001">
        <source>Missing %1 Reports</source>
        <translation>Chýbajúce správy za %1</translation>
    </message>
    <message id="1002">
        <source>Select Collection File from Secretary</source>
        <translation>Vyberte súbor na zber správ od tajomníka</translation>
    </message>
    <message id="1003">
        <source>Collection Files from Secretary (.k09)</source>
        <translation>Súbory na zber správ od tajomníka (.k09)</translation>
    </message>
    <message id="1014">
        <source>Hours</source>
        <translation>hod.</translation>
    </message>
    <message id="1019">
        <source>Remarks</source>
        <translation>Poznámky</translation>
    </message>
    <message id="1020">
        <source>AuxP</source>
        <translation>Pom.pr.</translation>
    </message>
    <message id="1023">
        <source>Ministerial Servant</source>
        <translation>Služobný pomocník</translation>
    </message>
    <message id="1024">
        <source>Elder</source>
        <translation>Starší</translation>
    </message>
    <message id="1025">
        <source>Baptized Brother</source>
        <translation>Pokrstený brat</translation>
    </message>
    <message id="1026">
        <source>Auxiliary Pioneer</source>
        <translation>Pomocný priekopník</translation>
    </message>
    <message id="1027">
        <source>Regular Pioneer</source>
        <translation>Pravidelný priekopník</translation>
    </message>
    <message id="1029">
        <source>Special Pioneer</source>
        <translation>Špeciálny priekopník</translation>
    </message>
    <message id="1030">
        <source>- WARNING -   You have already posted the %1 report for %2.</source>
        <translation>- UPOZORNENIE -   %2: správa za %1 už bola zapísaná.</translation>
    </message>
    <message id="1031">
        <source>Changes WILL NOT BE INCLUDED in the %1 report to the branch office.</source>
        <translation>Zmeny NEBUDÚ ZAHRNUTÉ do správy za %1 pre odbočku.</translation>
    </message>
    <message id="1032">
        <source>Any changes WILL BE INCLUDED in the %1 report to the branch office.</source>
        <translation>Prípadné zmeny BUDÚ ZAHRNUTÉ do správy za %1 pre odbočku.</translation>
    </message>
    <message id="1033">
        <source>Out of Space for Remarks</source>
        <translation>Na poznámky už nie je miesto</translation>
    </message>
    <message id="1038">
        <source>Your updates have been saved in a file at
%1</source>
        <translation>Vaše zmeny boli uložené do súboru
%1</translation>
    </message>
    <message id="1039">
        <source>

Click Yes to E-mail the .k19 file to </source>
        <translation>

Kliknite na Áno, ak chcete súbor .k19 poslať e-mailom na adresu </translation>
    </message>
    <message id="1040">
        <source>Click No to send the file to the secretary later.</source>
        <translation>Kliknite na Nie, ak chcete súbor poslať tajomníkovi neskôr.</translation>
    </message>
    <message id="1041">
        <source>,
       or
</source>
        <translation>,
       alebo
</translation>
    </message>
    <message id="1042">
        <source>Collection File</source>
        <translation>Súbor so správami</translation>
    </message>
    <message id="1043">
        <source>.k19 file for</source>
        <translation>- súbor .k19 -</translation>
    </message>
    <message id="1058">
        <source>Group</source>
        <translation>Skupina</translation>
    </message>
    <message id="1059">
        <source>Tips for using Kolekt   Important!  Your secretary must be running Scriba version 10 or later.

From your secretary, obtain a Group.k09 file for the month you are collecting.  </source>
        <translation>Tipy na prácu s programom Kolekt   Dôležité!  Váš tajomník musí používať program Scriba verzie 10 alebo novšej.

Od tajomníka si vyžiadajte súbor Group.k09 za mesiac, za ktorý zbierate správy.  </translation>
    </message>
    <message id="1060">
        <source>Drop the file on your Kolekt icon or launch Kolekt and use the &apos;Load New List from Secretary&apos; button to open the file.

</source>
        <translation>Presuňte súbor na ikonu programu Kolekt alebo spustite Kolekt a súbor otvorte tlačidlom „Načítať nový zoznam od tajomníka“.

</translation>
    </message>
    <message id="1061">
        <source>You&apos;ll find it easy to enter reports using only the keyboard.  Type the first two or three characters of the last name.  Use the up/down arrows to select the name and press Enter.

</source>
        <translation>Správy ľahko zapíšete iba pomocou klávesnice.  Napíšte prvé dve alebo tri písmená priezviska.  Šípkami nahor a nadol vyberte meno a stlačte Enter.

</translation>
    </message>
    <message id="1062">
        <source>Enter the report terminating each entry with the Enter key.  Press Enter after the last field to return to the selection list.

</source>
        <translation>Každý údaj správy ukončite klávesom Enter.  Po poslednom poli sa klávesom Enter vrátite do zoznamu.

</translation>
    </message>
    <message id="1063">
        <source>To enter remarks, type Alt-R or click the Remarks button.  Terminate with the Enter key.

To enter a late report, type Alt-M or click the Change Month button.

</source>
        <translation>Poznámku zapíšete po stlačení Alt-P alebo kliknutím na tlačidlo Poznámky.  Ukončite ju klávesom Enter.

Oneskorenú správu zapíšete po stlačení Alt-M alebo kliknutím na tlačidlo Zmeniť mesiac.

</translation>
    </message>
    <message id="1064">
        <source>If you have a mail program, you can send report reminders to publishers.

</source>
        <translation>Ak máte e-mailový program, môžete zvestovateľom e-mailom pripomínať odovzdanie správy.

</translation>
    </message>
    <message id="1065">
        <source>If you have a mail program, you can also e-mail the results to the secretary directly from the program.

</source>
        <translation>Ak máte e-mailový program, môžete výsledky poslať tajomníkovi e-mailom priamo z programu.

</translation>
    </message>
    <message id="1066">
        <source>Otherwise, you will need to manually attach the .k19 file to an email or deliver it to the secretary on portable media.</source>
        <translation>Inak musíte súbor .k19 ručne priložiť k e-mailu alebo ho tajomníkovi odovzdať na prenosnom médiu.</translation>
    </message>
    <message id="1116">
        <source>Total Publishers</source>
        <translation>Zvestovateľov spolu</translation>
    </message>
    <message id="1167">
        <source>Name</source>
        <translation>Meno</translation>
    </message>
    <message id="1168">
        <source>Telephone</source>
        <translation>Telefón</translation>
    </message>
    <message id="1188">
        <source>%1 Report Collection</source>
        <translation>Zber správ za %1</translation>
    </message>
    <message id="1194">
        <source>Special Pioneers are NOT INCLUDED in Report to Branch</source>
        <translation>Špeciálni priekopníci NIE SÚ ZAHRNUTÍ v správe pre odbočku</translation>
    </message>
    <message id="1198">
        <source>eng</source>
        <translation>sk</translation>
    </message>
    <message id="1231">
        <source>Unable to create new file: %1.
Remove the read-only attribute from the directory / file or obtain permission to create files in this directory.</source>
        <translation>Nový súbor sa nedá vytvoriť: %1.
Odstráňte z priečinka / súboru atribút „iba na čítanie“ alebo si zabezpečte povolenie vytvárať v tomto priečinku súbory.</translation>
    </message>
    <message id="1232">
        <source>Group has less than 3 publishers</source>
        <translation>Skupina má menej ako 3 zvestovateľov</translation>
    </message>
    <message id="1233">
        <source>%1 is not a collection file from the secretary.
It was not opened, and Kolekt will not write to it.</source>
        <translation>%1 nie je súbor na zber správ od tajomníka.
Nebol otvorený a Kolekt doň nebude zapisovať.</translation>
    </message>
    <message id="1247">
        <source>Report Collection Form</source>
        <translation>Formulár na zber správ</translation>
    </message>
    <message id="1415">
        <source>Plcmts</source>
        <translation>Publ.</translation>
    </message>
    <message id="1416">
        <source>Videos</source>
        <translation>Videá</translation>
    </message>
    <message id="1417">
        <source>Hours</source>
        <translation>Hodiny</translation>
    </message>
    <message id="1418">
        <source>R.Visits</source>
        <translation>Op.náv.</translation>
    </message>
    <message id="1419">
        <source>Studies</source>
        <translation>Štúdiá</translation>
    </message>
    <message id="1495">
        <source>Shared in any form of the ministry during the month</source>
        <translation>Počas mesiaca sa zapojil(a) do niektorej formy služby</translation>
    </message>
    <message id="1500">
        <source>Shared</source>
        <translation>Služba</translation>
    </message>
    <message id="2000">
        <source>Field Service Reports</source>
        <translation>Správy o službe</translation>
    </message>
    <message id="2001">
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message id="2002">
        <source>Exit Program</source>
        <translation>&amp;Ukončiť program</translation>
    </message>
    <message id="2003">
        <source>Limit List to Missing Reports</source>
        <translation>Zobraziť iba &amp;chýbajúce správy</translation>
    </message>
    <message id="2004">
        <source> Last Person Posted </source>
        <translation> Posledný zápis </translation>
    </message>
    <message id="2005">
        <source>Load New List from Secretary</source>
        <translation>&amp;Načítať nový zoznam od tajomníka</translation>
    </message>
    <message id="2006">
        <source>Create File for Secretary</source>
        <translation>&amp;Vytvoriť súbor pre tajomníka</translation>
    </message>
    <message id="2007">
        <source>Dial</source>
        <translation>Vo&amp;lať</translation>
    </message>
    <message id="2008">
        <source>Help</source>
        <translation>&amp;Pomocník</translation>
    </message>
    <message id="2009">
        <source>View or Print Report Collection List</source>
        <translation>Zo&amp;braziť alebo vytlačiť zoznam správ</translation>
    </message>
    <message id="2010">
        <source>Preview E-mail</source>
        <translation>Ukážka &amp;e-mailu</translation>
    </message>
    <message id="2020">
        <source>Shared in Ministry</source>
        <translation>Bol(a) v službe</translation>
    </message>
    <message id="2021">
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message id="2022">
        <source>&amp;Cancel</source>
        <translation>&amp;Zrušiť</translation>
    </message>
    <message id="2023">
        <source>&amp;Remarks</source>
        <translation>&amp;Poznámky</translation>
    </message>
    <message id="2024">
        <source>Auxiliary Pioneer</source>
        <translation>Pomocný priekopník</translation>
    </message>
    <message id="2025">
        <source>&lt;1h</source>
        <translation>&lt;1h</translation>
    </message>
    <message id="2040">
        <source>&amp;Close</source>
        <translation>&amp;Zavrieť</translation>
    </message>
    <message id="2041">
        <source>&amp;Print</source>
        <translation>&amp;Tlačiť</translation>
    </message>
    <message id="2042">
        <source>Print &amp;Setup</source>
        <translation>&amp;Nastavenie tlače</translation>
    </message>
    <message id="2060">
        <source>About Kolekt</source>
        <translation>O programe Kolekt</translation>
    </message>
    <message id="2061">
        <source>Kolekt Version 5a</source>
        <translation>Kolekt verzia 5a</translation>
    </message>
    <message id="2062">
        <source>GNU GPL 3 or later</source>
        <translation>GNU GPL 3 či novšia</translation>
    </message>
    <message id="2063">
        <source>Questions and fixes: kolekt@example.org</source>
        <translation>Otázky a opravy: kolekt@example.org</translation>
    </message>
    <message id="2064">
        <source>Requires Groupx.k09 files from Scriba Version 10a or later</source>
        <translation>Vyžaduje súbory Groupx.k09 z programu Scriba verzie 10a alebo novšej</translation>
    </message>
    <message id="2100">
        <source>Kolekt cannot open %1:
the file does not exist. It may have been moved, renamed or deleted.</source>
        <translation>Kolekt nemôže otvoriť %1:
tento súbor neexistuje. Možno bol presunutý, premenovaný alebo odstránený.</translation>
    </message>
    <message id="2101">
        <source>Kolekt cannot open %1:
the file cannot be read. Ask the owner of the file or of its folder for permission to read it.</source>
        <translation>Kolekt nemôže otvoriť %1:
súbor sa nedá prečítať. Požiadajte vlastníka súboru alebo jeho priečinka o povolenie na čítanie.</translation>
    </message>
    <message id="2102">
        <source>Kolekt cannot open %1:
it is not a regular file but a folder or a special file. Choose the collection file from the secretary.</source>
        <translation>Kolekt nemôže otvoriť %1:
nie je to bežný súbor, ale priečinok alebo špeciálny súbor. Vyberte súbor na zber správ od tajomníka.</translation>
    </message>
    <message id="2103">
        <source>%1 is incomplete: it ends early, and %3 of its %4 publisher records are missing, as after a copy or download that was cut off.
You can view and print it, but Kolekt will not save anything to it. Ask the secretary for the file again.</source>
        <translation>Súbor %1 je neúplný: končí predčasne a chýba v ňom %3 z %4 záznamov zvestovateľov, ako keby sa kopírovanie alebo sťahovanie prerušilo.
Môžete si ho pozrieť a vytlačiť, ale Kolekt doň nič neuloží. Požiadajte tajomníka, aby vám súbor poslal znova.</translation>
    </message>
    <message id="2104">
        <source>%1 is incomplete: it ends early, and %3 of its %4 remarks are missing, as after a copy or download that was cut off.
You can view and print it, but Kolekt will not save anything to it. Ask the secretary for the file again.</source>
        <translation>Súbor %1 je neúplný: končí predčasne a chýba v ňom %3 z %4 poznámok, ako keby sa kopírovanie alebo sťahovanie prerušilo.
Môžete si ho pozrieť a vytlačiť, ale Kolekt doň nič neuloží. Požiadajte tajomníka, aby vám súbor poslal znova.</translation>
    </message>
    <message id="2105">
        <source>%1 is incomplete, so Kolekt saves nothing to it and makes no file for the secretary from it.
Ask the secretary for the file again.</source>
        <translation>Súbor %1 je neúplný, preto doň Kolekt nič neuloží a nevytvorí z neho súbor pre tajomníka.
Požiadajte tajomníka, aby vám súbor poslal znova.</translation>
    </message>
    <message id="2106">
        <source>Reports cannot be posted to %1, because the file is incomplete and Kolekt will not save to it.
Ask the secretary for the file again.</source>
        <translation>Do súboru %1 sa nedajú zapisovať správy, pretože je neúplný a Kolekt doň nebude ukladať.
Požiadajte tajomníka, aby vám súbor poslal znova.</translation>
    </message>
    <message id="2107">
        <source>%1 is already open in another Kolekt.
A collection file can be open in only one Kolekt at a time, so that no report posted in one is lost by the other. Close it there, then open it here.</source>
        <translation>Súbor %1 je už otvorený v inom okne programu Kolekt.
Súbor so správami môže byť otvorený vždy len v jednom okne programu Kolekt, aby sa správa zapísaná v jednom okne nestratila kvôli druhému. Zatvorte ho tam a potom ho otvorte tu.</translation>
    </message>
    <message id="2108">
        <source>%1 was changed or replaced by another program since Kolekt opened it.
So that neither version is lost, Kolekt did not overwrite it and saved your collection as
%2
Kolekt goes on with that file.</source>
        <translation>Súbor %1 bol odvtedy, ako ho Kolekt otvoril, zmenený alebo nahradený iným programom.
Aby sa nestratila ani jedna z verzií, Kolekt ho neprepísal a zozbierané správy uložil ako
%2
Kolekt ďalej pracuje s týmto súborom.</translation>
    </message>
    <message id="2109">
        <source>Kolekt could not save the collection to %1.
So that no report is lost, it was saved as
%2
Open that file with &quot;Load New List from Secretary&quot; to go on with it.</source>
        <translation>Kolekt nemohol uložiť zozbierané správy do súboru %1.
Aby sa žiadna správa nestratila, boli uložené ako
%2
Ak chcete s nimi pokračovať, otvorte tento súbor tlačidlom „Načítať nový zoznam od tajomníka“.</translation>
    </message>
    <message id="2110">
        <source>Kolekt could not save the collection to %1, nor to the folder %2.
The reports posted since it was last saved could not be kept.</source>
        <translation>Kolekt nemohol uložiť zozbierané správy do súboru %1 ani do priečinka %2.
Správy zapísané od posledného uloženia sa nepodarilo zachovať.</translation>
    </message>
    <message id="2111">
        <source>Collections that could not be saved to their own files when Kolekt ended are kept in
%1
Open one with &quot;Load New List from Secretary&quot; to go on with it.</source>
        <translation>Súbory so zozbieranými správami, ktoré sa pri ukončení programu Kolekt nepodarilo uložiť na ich miesto, sú v priečinku
%1
Ak chcete s niektorým pokračovať, otvorte ho tlačidlom „Načítať nový zoznam od tajomníka“.</translation>
    </message>
    <message id="2120">
        <source>%1 cannot be opened: its lock file %2 is not a file Kolekt made (it is a link, a folder or a special file).
Remove it, then open the collection file again.</source>
        <translation>Súbor %1 nemožno otvoriť: jeho zamykací súbor %2 nie je súbor vytvorený programom Kolekt (je to odkaz, priečinok alebo špeciálny súbor).
Odstráňte ho a potom súbor otvorte znova.</translation>
    </message>
    <message id="2200">
        <source>Post</source>
        <translation>&amp;Zapísať</translation>
    </message>
    <message id="2201">
        <source>Print Setup</source>
        <translation>Nastavenie tlače</translation>
    </message>
    <message id="2202">
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message id="2203">
        <source>The PDF file could not be written:
%1

%2</source>
        <translation>Súbor PDF sa nepodarilo zapísať:
%1

%2</translation>
    </message>
    <message id="2204">
        <source>The printer %1 did not take the job:
%2</source>
        <translation>Tlačiareň %1 úlohu neprijala:
%2</translation>
    </message>
    <message id="2205">
        <source>Next Telephone Number</source>
        <translation>Ďalšie telefónne číslo</translation>
    </message>
    <message id="2206">
        <source>Next Page</source>
        <translation>Ďalšia strana</translation>
    </message>
    <message id="2207">
        <source>Previous Page</source>
        <translation>Predchádzajúca strana</translation>
    </message>
    <message id="2250">
        <source>

The secretary&apos;s e-mail address in the file cannot be used, so the file cannot be e-mailed from here. Please hand it to the secretary yourself.</source>
        <translation>

E-mailovú adresu tajomníka uvedenú v súbore nemožno použiť, preto sa súbor odtiaľto nedá poslať e-mailom. Odovzdajte ho, prosím, tajomníkovi sami.</translation>
    </message>
    <message id="2251">
        <source>Mail password for %1 on %2:</source>
        <translation>Heslo k e-mailu pre %1 na serveri %2:</translation>
    </message>
    <message id="2252">
        <source>Sending the mail through %1...</source>
        <translation>Odosiela sa e-mail cez server %1...</translation>
    </message>
    <message id="2253">
        <source>Cancel</source>
        <translation>Zrušiť</translation>
    </message>
    <message id="2254">
        <source>Sending was cancelled. The mail was not sent.</source>
        <translation>Odosielanie bolo zrušené. E-mail nebol odoslaný.</translation>
    </message>
    <message id="2255">
        <source>Kolekt could not connect to the mail server %1. The mail was not sent.</source>
        <translation>Kolekt sa nemohol spojiť s poštovým serverom %1. E-mail nebol odoslaný.</translation>
    </message>
    <message id="2256">
        <source>The mail server %1 did not answer in time. The mail was not sent.</source>
        <translation>Poštový server %1 neodpovedal včas. E-mail nebol odoslaný.</translation>
    </message>
    <message id="2257">
        <source>The mail server %1 refused the log-on. Check the user name and the password. The mail was not sent.</source>
        <translation>Poštový server %1 odmietol prihlásenie. Skontrolujte používateľské meno a heslo. E-mail nebol odoslaný.</translation>
    </message>
    <message id="2258">
        <source>The mail server %1 does not offer an encrypted connection (STARTTLS), so Kolekt did not send the password. The mail was not sent.</source>
        <translation>Poštový server %1 neponúka šifrované spojenie (STARTTLS), preto Kolekt heslo neodoslal. E-mail nebol odoslaný.</translation>
    </message>
    <message id="2259">
        <source>No secure connection to the mail server %1 could be made: its certificate was not accepted. The mail was not sent.</source>
        <translation>S poštovým serverom %1 sa nepodarilo nadviazať zabezpečené spojenie: jeho certifikát nebol prijatý. E-mail nebol odoslaný.</translation>
    </message>
    <message id="2260">
        <source>The mail server %1 refused the mail. The mail was not sent.</source>
        <translation>Poštový server %1 e-mail odmietol, preto nebol odoslaný.</translation>
    </message>
    <message id="2300">
        <source>&amp;Language</source>
        <translation>&amp;Jazyk</translation>
    </message>
    <message id="2301">
        <source>The language &quot;%1&quot; is not known. Kolekt knows these languages: %2.</source>
        <translation>Jazyk „%1“ nie je známy. Kolekt pozná tieto jazyky: %2.</translation>
    </message>
    <message id="2302">
        <source>The code page &quot;%1&quot; is not known. Kolekt reads collection files in these code pages: %2.</source>
        <translation>Kódová stránka „%1“ nie je známa. Kolekt číta súbory so správami v týchto kódových stránkach: %2.</translation>
    </message>
    <message id="2303">
        <source>&amp;Yes</source>
        <translation>&amp;Áno</translation>
    </message>
    <message id="2304">
        <source>&amp;No</source>
        <translation>&amp;Nie</translation>
    </message>
    <message id="2390">
        <source>Field Service Reports</source>
        <translation>Správy o službe</translation>
    </message>
    <message id="2391">
        <source>Post the monthly field service reports of a group and return them to the secretary</source>
        <translation>Zapisujte mesačné správy o službe skupiny a odovzdávajte ich tajomníkovi</translation>
    </message>
    <message id="2392">
        <source>Collect the monthly field service reports of a group</source>
        <translation>Zber mesačných správ o službe skupiny</translation>
    </message>
    <message id="2393">
        <source>Field service report collection</source>
        <translation>Súbor na zber správ o službe</translation>
    </message>
    <message id="2400">
        <source>Low Memory</source>
        <translation>Nedostatok pamäte</translation>
    </message>
    <message id="2401">
        <source>No Printer</source>
        <translation>Nie je k dispozícii žiadna tlačiareň</translation>
    </message>
    <message id="2402">
        <source>Printing on %1 could not be started.</source>
        <translation>Tlač na tlačiarni %1 sa nepodarilo spustiť.</translation>
    </message>
    <message id="2403">
        <source>Telephone service not available</source>
        <translation>Telefónna služba nie je k dispozícii</translation>
    </message>
    <message id="2404">
        <source>E-mail - </source>
        <translation>E-&amp;mail - </translation>
    </message>
    <message id="2700">
        <source>Mail system DLL is invalid.</source>
        <translation>Knižnica DLL poštového systému je neplatná.</translation>
    </message>
    <message id="2701">
        <source>bad procaddress</source>
        <translation>chybná adresa procedúry</translation>
    </message>
    <message id="2800">
        <source>Kolekt could not store its settings in
%1
The file or its lock file beside it may be write-protected, held by another program, a link, a folder or a special file, or the disk may be full. Your collection files are not affected; only what Kolekt remembers for the next start (the file open last, the language, the mail settings) is not stored.</source>
        <translation>Kolekt nemohol uložiť svoje nastavenia do
%1
Tento súbor alebo jeho zamykací súbor vedľa neho môže byť chránený proti zápisu, držaný iným programom, byť odkazom, priečinkom alebo špeciálnym súborom, alebo môže byť plný disk. Vaše súbory so správami to nijako neovplyvní; neuloží sa len to, čo si Kolekt pamätá pre ďalšie spustenie (naposledy otvorený súbor, jazyk, nastavenia pošty).</translation>
    </message>
    <message id="61712">
        <source>Please enter an integer.</source>
        <translation>Zadajte celé číslo.</translation>
    </message>
    <message id="61714">
        <source>Please enter an integer between %1 and %2.</source>
        <translation>Zadajte celé číslo od %1 do %2.</translation>
    </message>
    <message id="61840">
        <source>No mail program was found.</source>
        <translation>Nenašiel sa žiadny e-mailový program.</translation>
    </message>
    <message id="61841">
        <source>The mail settings are not usable.</source>
        <translation>Nastavenia pošty sa nedajú použiť.</translation>
    </message>
    <message id="61842">
        <source>Send Mail failed to send message.</source>
        <translation>E-mail sa nepodarilo odoslať.</translation>
    </message>
    <message id="2350">
        <source>The collection file's code page (%2) cannot hold these characters of the remark: %1
Each of them would be stored as "?".

Store the remark like this? Otherwise it stays open for you to change it.</source>
        <translation>Kódová stránka súboru na zber správ (%2) neobsahuje tieto znaky poznámky: %1
Každý z nich by sa uložil ako „?“.

Uložiť poznámku takto? Inak zostane otvorená, aby ste ju mohli upraviť.</translation>
    </message>
    <message id="2500">
        <source>%1 left</source>
        <translation>zostáva %1</translation>
    </message>
    <message id="2600">
        <source>Group #%1</source>
        <translation>Skupina č. %1</translation>
    </message>
    <message id="2601">
        <source>Call the telephone number shown</source>
        <translation>Zavolať na zobrazené telefónne číslo</translation>
    </message>
    <message id="2602">
        <source>Field service report for %MONTH% %YEAR%</source>
        <translation>Správa o službe za %MONTH% %YEAR%</translation>
    </message>
    <message id="2603">
        <source>Dear %NAME%,

Please submit your report for %MONTH% %YEAR%.
Thank you.</source>
        <translation>Dobrý deň, %NAME%,

prosím o odovzdanie správy o službe za %MONTH% %YEAR%.
Ďakujem.</translation>
    </message>
    <message id="2604">
        <source>Copy Message</source>
        <translation>Kopírovať správu</translation>
    </message>
    <message id="2605">
        <source>Show File in Folder</source>
        <translation>Zobraziť súbor v priečinku</translation>
    </message>
    <message id="2606">
        <source>

The file to attach to the mail is:
%1</source>
        <translation>

K e-mailu treba priložiť tento súbor:
%1</translation>
    </message>
    <message id="2607">
        <source>No file manager was found to show the file.</source>
        <translation>Nenašiel sa žiadny správca súborov, ktorý by súbor zobrazil.</translation>
    </message>
    <message id="2608">
        <source>Remind All Missing</source>
        <translation>&amp;Pripomenúť všetkým chýbajúcim</translation>
    </message>
    <message id="2609">
        <source>Send a reminder to each of these %1 publishers whose report is missing, one message each?%2</source>
        <translation>Poslať každému z týchto %1 zvestovateľov, ktorých správa chýba, vlastnú pripomienku?%2</translation>
    </message>
    <message id="2610">
        <source>

These publishers have no usable e-mail address and get no reminder:%1</source>
        <translation>

Títo zvestovatelia nemajú použiteľnú e-mailovú adresu a pripomienku nedostanú:%1</translation>
    </message>
    <message id="2611">
        <source>No publisher whose report is missing has a usable e-mail address.</source>
        <translation>Žiadny zvestovateľ, ktorého správa chýba, nemá použiteľnú e-mailovú adresu.</translation>
    </message>
    <message id="2612">
        <source>The mail program will now open %1 messages, one for each publisher. Check and send each of them there.</source>
        <translation>E-mailový program teraz otvorí pre každého zvestovateľa jednu správu (spolu %1). Skontrolujte ich a odošlite ich z neho.</translation>
    </message>
    <message id="2613">
        <source>%1 of %2 reminders were sent.</source>
        <translation>Odoslané %1 z %2 pripomienok.</translation>
    </message>
    <message id="2614">
        <source>%1 of %2 reminders were opened in the mail program.</source>
        <translation>V e-mailovom programe otvorené %1 z %2 pripomienok.</translation>
    </message>
    <message id="2615">
        <source>Sending reminder %1 of %2 through %3...</source>
        <translation>Odosiela sa pripomienka %1 z %2 cez %3...</translation>
    </message>
    <message id="2616">
        <source>Mail Settings...</source>
        <translation>Nastavenia &amp;e-mailu...</translation>
    </message>
    <message id="2617">
        <source>Mail Settings</source>
        <translation>Nastavenia e-mailu</translation>
    </message>
    <message id="2618">
        <source>Mail &amp;server:</source>
        <translation>Poštový &amp;server:</translation>
    </message>
    <message id="2619">
        <source>Leave it empty to use the desktop's mail program; for example smtps://mail.example.org</source>
        <translation>Nechajte prázdne, ak chcete použiť e-mailový program pracovnej plochy; napríklad smtps://mail.example.org</translation>
    </message>
    <message id="2620">
        <source>Sender &amp;address:</source>
        <translation>&amp;Adresa odosielateľa:</translation>
    </message>
    <message id="2621">
        <source>&amp;User name:</source>
        <translation>&amp;Používateľské meno:</translation>
    </message>
    <message id="2622">
        <source>&amp;Password:</source>
        <translation>&amp;Heslo:</translation>
    </message>
    <message id="2623">
        <source>&amp;Remember the password in the desktop's keyring</source>
        <translation>&amp;Zapamätať si heslo v kľúčenke pracovnej plochy</translation>
    </message>
    <message id="2624">
        <source>Your &amp;name (signs the reminders):</source>
        <translation>Vaše &amp;meno (podpisuje pripomienky):</translation>
    </message>
    <message id="2625">
        <source>Reminder sub&amp;ject:</source>
        <translation>Pre&amp;dmet pripomienky:</translation>
    </message>
    <message id="2626">
        <source>Reminder te&amp;xt:</source>
        <translation>&amp;Text pripomienky:</translation>
    </message>
    <message id="2627">
        <source>%NAME% stands for the publisher's first name, %MONTH% and %YEAR% for the month and its year, %GROUP% for the group's number.</source>
        <translation>%NAME% znamená krstné meno zvestovateľa, %MONTH% a %YEAR% mesiac a jeho rok, %GROUP% číslo skupiny.</translation>
    </message>
    <message id="2628">
        <source>Send &amp;Test Message</source>
        <translation>&amp;Odoslať skúšobnú správu</translation>
    </message>
    <message id="2629">
        <source>Kolekt test message</source>
        <translation>Skúšobná správa z Kolektu</translation>
    </message>
    <message id="2630">
        <source>This message shows that Kolekt can send mail with these settings.</source>
        <translation>Táto správa ukazuje, že Kolekt môže s týmito nastaveniami posielať e-maily.</translation>
    </message>
    <message id="2631">
        <source>The mail server %1 accepted the test message to %2.</source>
        <translation>Poštový server %1 prijal skúšobnú správu pre %2.</translation>
    </message>
    <message id="2632">
        <source>The test message to %1 was handed to the desktop's mail program.</source>
        <translation>Skúšobná správa pre %1 bola odovzdaná e-mailovému programu pracovnej plochy.</translation>
    </message>
    <message id="2633">
        <source>Enter your own e-mail address as the sender: the test message goes to it.</source>
        <translation>Ako odosielateľa zadajte svoju vlastnú e-mailovú adresu: skúšobná správa sa pošle na ňu.</translation>
    </message>
    <message id="2634">
        <source>The password could not be kept in the desktop's keyring:
%1</source>
        <translation>Heslo sa nepodarilo uložiť do kľúčenky pracovnej plochy:
%1</translation>
    </message>
    <message id="2635">
        <source>Guide</source>
        <translation>Sprievodca</translation>
    </message>
    <message id="2636">
        <source>Kolekt Guide</source>
        <translation>Sprievodca programom Kolekt</translation>
    </message>
    <message id="2637">
        <source>&amp;Search:</source>
        <translation>&amp;Hľadať:</translation>
    </message>
    <message id="2638">
        <source>Sections of the guide</source>
        <translation>Časti sprievodcu</translation>
    </message>
    <message id="2501">
        <source>Undo posting %1 (%2)</source>
        <translation>&amp;Vrátiť zápis %1 (%2)</translation>
    </message>
    <message id="2502">
        <source>There is nothing to undo. Only reports posted to this file since Kolekt was started can be undone.</source>
        <translation>Nie je čo vrátiť. Vrátiť možno len správy zapísané do tohto súboru od spustenia programu Kolekt.</translation>
    </message>
    <message id="2503">
        <source>shared</source>
        <translation>kázal</translation>
    </message>
    <message id="2504">
        <source>not shared</source>
        <translation>nekázal</translation>
    </message>
    <message id="2505">
        <source>hours: %1</source>
        <translation>hodiny: %1</translation>
    </message>
    <message id="2506">
        <source>studies: %1</source>
        <translation>štúdiá: %1</translation>
    </message>
    <message id="2507">
        <source>remark</source>
        <translation>poznámka</translation>
    </message>
    <message id="2508">
        <source>%1 – %2: %3</source>
        <translation>%1 – %2: %3</translation>
    </message>
    <message id="2509">
        <source>&amp;Undo</source>
        <translation>&amp;Späť</translation>
    </message>
    <message id="2510">
        <source>reported</source>
        <translation>odovzdal</translation>
    </message>
    <message id="2511">
        <source>missing</source>
        <translation>chýba</translation>
    </message>
    <message id="2512">
        <source>remark only</source>
        <translation>len poznámka</translation>
    </message>
    <message id="2513">
        <source>late report for %1 posted</source>
        <translation>oneskorená správa za %1 zapísaná</translation>
    </message>
    <message id="2514">
        <source>%1: %2 of %3 reported</source>
        <translation>%1: odovzdaných %2 z %3</translation>
    </message>
    <message id="2515">
        <source>Pioneer hours: %1 · Bible studies: %2</source>
        <translation>Hodiny priekopníkov: %1 · Štúdiá: %2</translation>
    </message>
    <message id="2516">
        <source>All reports are in: now "%1".</source>
        <translation>Všetky správy sú odovzdané: teraz „%1“.</translation>
    </message>
    <message id="2517">
        <source>These reports are still missing: %1

Create the file for the secretary all the same?</source>
        <translation>Tieto správy ešte chýbajú: %1

Napriek tomu vytvoriť súbor pre tajomníka?</translation>
    </message>
    <message id="2518">
        <source>Open the file the secretary sent you: "%1", or drop the .k09 file on this window.</source>
        <translation>Otvorte súbor, ktorý vám poslal tajomník: „%1“, alebo presuňte súbor .k09 do tohto okna.</translation>
    </message>
    <message id="2519">
        <source>Last twelve months</source>
        <translation>Posledných dvanásť mesiacov</translation>
    </message>
    <message id="2520">
        <source>late</source>
        <translation>oneskorene</translation>
    </message>
    <message id="2521">
        <source>Service year so far: hours: %1</source>
        <translation>Služobný rok doteraz: hodiny: %1</translation>
    </message>
    <message id="2900">
        <source>Group &amp;Year</source>
        <translation>&amp;Rok skupiny</translation>
    </message>
    <message id="2901">
        <source>Group Year</source>
        <translation>Rok skupiny</translation>
    </message>
    <message id="2902">
        <source>Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec</source>
        <translation>jan feb mar apr máj jún júl aug sep okt nov dec</translation>
    </message>
    <message id="2903">
        <source>%1 h</source>
        <translation>%1 h</translation>
    </message>
    <message id="2904">
        <source>%1 BS</source>
        <translation>%1 BŠ</translation>
    </message>
    <message id="2905">
        <source>Reported</source>
        <translation>Odovzdané</translation>
    </message>
    <message id="2906">
        <source>%1 of %2 reported</source>
        <translation>odovzdalo %1 z %2</translation>
    </message>
    <message id="2907">
        <source>%1, %2: %3</source>
        <translation>%1, %2: %3</translation>
    </message>
    <message id="2908">
        <source>Reports each month</source>
        <translation>Správy po mesiacoch</translation>
    </message>
    <message id="2909">
        <source>Save as P&amp;DF...</source>
        <translation>Uložiť ako &amp;PDF...</translation>
    </message>
    <message id="2910">
        <source>Save the Group Year as PDF</source>
        <translation>Uložiť rok skupiny ako PDF</translation>
    </message>
    <message id="2911">
        <source>PDF documents</source>
        <translation>Dokumenty PDF</translation>
    </message>
    <message id="2912">
        <source>✓ shared · ○ not shared · h hours · BS Bible studies · * remark</source>
        <translation>✓ kázal · ○ nekázal · h hodiny · BŠ biblické štúdiá · * poznámka</translation>
    </message>
    <message id="2913">
        <source>Its folder may be missing, read-only or full.</source>
        <translation>Jeho priečinok možno chýba, je len na čítanie alebo je plný.</translation>
    </message>
    <message id="2850">
        <source>Kolekt could not save %1.</source>
        <translation>Kolekt nemohol uložiť %1.</translation>
    </message>
    <message id="2851">
        <source>The file, its folder or the disk is read-only: remove the read-only attribute or obtain permission to create files in its folder.</source>
        <translation>Súbor, jeho priečinok alebo disk je len na čítanie: odstráňte atribút len na čítanie alebo si zaobstarajte povolenie vytvárať súbory v jeho priečinku.</translation>
    </message>
    <message id="2852">
        <source>The disk is full (%1): make room on it or use another disk.</source>
        <translation>Disk je plný (%1): uvoľnite na ňom miesto alebo použite iný disk.</translation>
    </message>
    <message id="2853">
        <source>Its name or path is too long for this file system (%1): give it a shorter name or move it to a folder with a shorter path.</source>
        <translation>Jeho názov alebo cesta je pre tento súborový systém príliš dlhá (%1): dajte mu kratší názov alebo ho presuňte do priečinka s kratšou cestou.</translation>
    </message>
    <message id="2854">
        <source>You may not create or replace files in its folder (%1): the folder is not writable for you, or it is a shared folder where only a file's owner may replace it. Ask the folder's owner, or copy the file to a folder of your own.</source>
        <translation>V priečinku nesmiete vytvárať ani nahrádzať súbory (%1): do priečinka nemôžete zapisovať, alebo je to zdieľaný priečinok, kde súbor smie nahradiť len jeho vlastník. Požiadajte vlastníka priečinka alebo súbor skopírujte do vlastného priečinka.</translation>
    </message>
    <message id="2855">
        <source>The file system there cannot do what saving needs (%1): copy the file to another disk or folder.</source>
        <translation>Súborový systém tam nedokáže to, čo ukladanie potrebuje (%1): skopírujte súbor na iný disk alebo do iného priečinka.</translation>
    </message>
    <message id="2856">
        <source>The system reports: %1.</source>
        <translation>Systém hlási: %1.</translation>
    </message>
    <message id="2857">
        <source>%1 holds %3 bytes after its last remark, which are not part of a collection file.
Kolekt ignores them, and the next save writes the file without them.</source>
        <translation>%1 obsahuje za poslednou poznámkou %3 bajtov, ktoré nie sú súčasťou súboru so správami.
Kolekt ich preskočí a pri ďalšom uložení súbor zapíše bez nich.</translation>
    </message>
    <message id="2858">
        <source>%1 was saved, but it now belongs to you and your group: Kolekt could keep neither its owner nor its group, so some who could read it before may no longer be able to.
Ask the file's owner or an administrator to give it back its owner or group.</source>
        <translation>%1 bol uložený, ale teraz patrí vám a vašej skupine: Kolekt nemohol zachovať ani jeho vlastníka, ani jeho skupinu, takže niektorí, ktorí ho predtým mohli čítať, už možno nemôžu.
Požiadajte vlastníka súboru alebo správcu, aby mu vrátil vlastníka alebo skupinu.</translation>
    </message>
    <message id="2859">
        <source>The folder it was opened from is no longer there: perhaps a stick or a network drive was removed. Put it back, and the next post saves every report posted since.</source>
        <translation>Priečinok, z ktorého bol otvorený, už nie je k dispozícii: možno bol vytiahnutý USB kľúč alebo odpojený sieťový disk. Pripojte ho znova a ďalší zápis uloží všetky hlásenia zapísané odvtedy.</translation>
    </message>
</context>
</TS>
