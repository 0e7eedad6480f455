<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="cs_CZ" sourcelanguage="en">
<context>
    <name></name>
    <message id="101">
        <source>&amp;About Kolekt...</source>
        <translation>&amp;O programu Kolekt...</translation>
    </message>
    <message id="102">
        <source>January</source>
        <translation>leden</translation>
    </message>
    <message id="103">
        <source>February</source>
        <translation>únor</translation>
    </message>
    <message id="104">
        <source>March</source>
        <translation>březen</translation>
    </message>
    <message id="105">
        <source>April</source>
        <translation>duben</translation>
    </message>
    <message id="106">
        <source>May</source>
        <translation>květen</translation>
    </message>
    <message id="107">
        <source>June</source>
        <translation>červen</translation>
    </message>
    <message id="108">
        <source>July</source>
        <translation>červenec</translation>
    </message>
    <message id="109">
        <source>August</source>
        <translation>srpen</translation>
    </message>
    <message id="110">
        <source>September</source>
        <translation>září</translation>
    </message>
    <message id="111">
        <source>October</source>
        <translation>říjen</translation>
    </message>
    <message id="112">
        <source>November</source>
        <translation>listopad</translation>
    </message>
    <message id="113">
        <source>December</source>
        <translation>prosinec</translation>
    </message>
    <message id="114">
        <source>Change &amp;Month ( late report )</source>
        <translation>Jiný &amp;měsíc (opožděná zpráva)</translation>
    </message>
    <message id="1000">
        <source>Post - %1</source>
        <translation>&amp;Zapsat - %1</translation>
    </message>
    <message id="1001">
        <source>Missing %1 Reports</source>
        <translation>Chybějící zprávy za %1</translation>
    </message>
    <message id="1002">
        <source>Select Collection File from Secretary</source>
        <translation>Vyberte soubor pro sběr zpráv od tajemníka</translation>
    </message>
    <message id="1003">
        <source>Collection Files from Secretary (.k09)</source>
        <translation>Soubory pro sběr zpráv od tajemníka (.k09)</translation>
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
        <translation>Služební pomocník</translation>
    </message>
    <message id="1024">
        <source>Elder</source>
        <translation>Starší</translation>
    </message>
    <message id="1025">
        <source>Baptized Brother</source>
        <translation>Pokřtěný bratr</translation>
    </message>
    <message id="1026">
        <source>Auxiliary Pioneer</source>
        <translation>Pomocný průkopník</translation>
    </message>
    <message id="1027">
        <source>Regular Pioneer</source>
        <translation>Pravidelný průkopník</translation>
    </message>
    <message id="1029">
        <source>Special Pioneer</source>
        <translation>Zvláštní průkopník</translation>
    </message>
    <message id="1030">
        <source>- WARNING -   You have already posted the %1 report for %2.</source>
        <translation>- UPOZORNĚNÍ -   %2: zpráva za %1 už byla zapsána.</translation>
    </message>
    <message id="1031">
        <source>Changes WILL NOT BE INCLUDED in the %1 report to the branch office.</source>
        <translation>Změny NEBUDOU ZAHRNUTY do zprávy za %1 pro odbočku.</translation>
    </message>
    <message id="1032">
        <source>Any changes WILL BE INCLUDED in the %1 report to the branch office.</source>
        <translation>Případné změny BUDOU ZAHRNUTY do zprávy za %1 pro odbočku.</translation>
    </message>
    <message id="1033">
        <source>Out of Space for Remarks</source>
        <translation>Pro poznámky už není místo</translation>
    </message>
    <message id="1038">
        <source>Your updates have been saved in a file at
%1</source>
        <translation>Vaše změny byly uloženy do souboru
%1</translation>
    </message>
    <message id="1039">
        <source>

Click Yes to E-mail the .k19 file to </source>
        <translation>

Klikněte na Ano, chcete-li soubor .k19 poslat e-mailem na adresu </translation>
    </message>
    <message id="1040">
        <source>Click No to send the file to the secretary later.</source>
        <translation>Klikněte na Ne, chcete-li soubor poslat tajemníkovi později.</translation>
    </message>
    <message id="1041">
        <source>,
       or
</source>
        <translation>,
       nebo
</translation>
    </message>
    <message id="1042">
        <source>Collection File</source>
        <translation>Soubor se zprávami</translation>
    </message>
    <message id="1043">
        <source>.k19 file for</source>
        <translation>- soubor .k19 -</translation>
    </message>
    <message id="1058">
        <source>Group</source>
        <translation>Skupina</translation>
    </message>
    <message id="1059">
        <source>Tips for using Kolekt   Important!  Your secretary must be running Scriba version 10 or later.

From your secretary, obtain a Group.k09 file for the month you are collecting.  </source>
        <translation>Tipy pro práci s programem Kolekt   Důležité!  Váš tajemník musí používat program Scriba verze 10 nebo novější.

Od tajemníka si vyžádejte soubor Group.k09 za měsíc, za který zprávy sbíráte.  </translation>
    </message>
    <message id="1060">
        <source>Drop the file on your Kolekt icon or launch Kolekt and use the &apos;Load New List from Secretary&apos; button to open the file.

</source>
        <translation>Přetáhněte soubor na ikonu programu Kolekt, nebo spusťte Kolekt a soubor otevřete tlačítkem „Načíst nový seznam od tajemníka“.

</translation>
    </message>
    <message id="1061">
        <source>You&apos;ll find it easy to enter reports using only the keyboard.  Type the first two or three characters of the last name.  Use the up/down arrows to select the name and press Enter.

</source>
        <translation>Zprávy snadno zapíšete jen pomocí klávesnice.  Napište první dvě nebo tři písmena příjmení.  Šipkami nahoru a dolů vyberte jméno a stiskněte Enter.

</translation>
    </message>
    <message id="1062">
        <source>Enter the report terminating each entry with the Enter key.  Press Enter after the last field to return to the selection list.

</source>
        <translation>Každý údaj zprávy ukončete klávesou Enter.  Po posledním poli se klávesou Enter vrátíte do seznamu.

</translation>
    </message>
    <message id="1063">
        <source>To enter remarks, type Alt-R or click the Remarks button.  Terminate with the Enter key.

To enter a late report, type Alt-M or click the Change Month button.

</source>
        <translation>Poznámku zapíšete po stisknutí Alt-P nebo kliknutím na tlačítko Poznámky.  Ukončete ji klávesou Enter.

Opožděnou zprávu zapíšete po stisknutí Alt-M nebo kliknutím na tlačítko Jiný měsíc.

</translation>
    </message>
    <message id="1064">
        <source>If you have a mail program, you can send report reminders to publishers.

</source>
        <translation>Máte-li e-mailový program, můžete zvěstovatelům posílat upomínky na zprávy.

</translation>
    </message>
    <message id="1065">
        <source>If you have a mail program, you can also e-mail the results to the secretary directly from the program.

</source>
        <translation>Máte-li e-mailový program, můžete výsledky poslat tajemníkovi e-mailem přímo z programu.

</translation>
    </message>
    <message id="1066">
        <source>Otherwise, you will need to manually attach the .k19 file to an email or deliver it to the secretary on portable media.</source>
        <translation>Jinak musíte soubor .k19 ručně přiložit k e-mailu, nebo ho tajemníkovi předat na přenosném médiu.</translation>
    </message>
    <message id="1116">
        <source>Total Publishers</source>
        <translation>Zvěstovatelů celkem</translation>
    </message>
    <message id="1167">
        <source>Name</source>
        <translation>Jméno</translation>
    </message>
    <message id="1168">
        <source>Telephone</source>
        <translation>Telefon</translation>
    </message>
    <message id="1188">
        <source>%1 Report Collection</source>
        <translation>Sběr zpráv za %1</translation>
    </message>
    <message id="1194">
        <source>Special Pioneers are NOT INCLUDED in Report to Branch</source>
        <translation>Zvláštní průkopníci NEJSOU ZAHRNUTI ve zprávě pro odbočku</translation>
    </message>
    <message id="1198">
        <source>eng</source>
        <translation>cz</translation>
    </message>
    <message id="1231">
        <source>Unable to create new file: %1.
Remove the read-only attribute from the directory / file or obtain permission to create files in this directory.</source>
        <translation>Nový soubor nelze vytvořit: %1.
Odstraňte u složky / souboru atribut „jen pro čtení“, nebo si zajistěte oprávnění vytvářet v této složce soubory.</translation>
    </message>
    <message id="1232">
        <source>Group has less than 3 publishers</source>
        <translation>Skupina má méně než 3 zvěstovatele</translation>
    </message>
    <message id="1233">
        <source>%1 is not a collection file from the secretary.
It was not opened, and Kolekt will not write to it.</source>
        <translation>%1 není soubor pro sběr zpráv od tajemníka.
Nebyl otevřen a Kolekt do něj nebude zapisovat.</translation>
    </message>
    <message id="1247">
        <source>Report Collection Form</source>
        <translation>Formulář pro sběr zpráv</translation>
    </message>
    <message id="1415">
        <source>Plcmts</source>
        <translation>Publ.</translation>
    </message>
    <message id="1416">
        <source>Videos</source>
        <translation>Videa</translation>
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
        <translation>Studia</translation>
    </message>
    <message id="1495">
        <source>Shared in any form of the ministry during the month</source>
        <translation>Během měsíce se zapojil(a) do některé formy služby</translation>
    </message>
    <message id="1500">
        <source>Shared</source>
        <translation>Služba</translation>
    </message>
    <message id="2000">
        <source>Field Service Reports</source>
        <translation>Zprávy o službě</translation>
    </message>
    <message id="2001">
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message id="2002">
        <source>Exit Program</source>
        <translation>&amp;Ukončit program</translation>
    </message>
    <message id="2003">
        <source>Limit List to Missing Reports</source>
        <translation>Zobrazit jen &amp;chybějící zprávy</translation>
    </message>
    <message id="2004">
        <source> Last Person Posted </source>
        <translation> Poslední zápis </translation>
    </message>
    <message id="2005">
        <source>Load New List from Secretary</source>
        <translation>&amp;Načíst nový seznam od tajemníka</translation>
    </message>
    <message id="2006">
        <source>Create File for Secretary</source>
        <translation>&amp;Vytvořit soubor pro tajemníka</translation>
    </message>
    <message id="2007">
        <source>Dial</source>
        <translation>Vo&amp;lat</translation>
    </message>
    <message id="2008">
        <source>Help</source>
        <translation>Nápově&amp;da</translation>
    </message>
    <message id="2009">
        <source>View or Print Report Collection List</source>
        <translation>Zo&amp;brazit nebo vytisknout seznam zpráv</translation>
    </message>
    <message id="2010">
        <source>Preview E-mail</source>
        <translation>Ná&amp;hled e-mailu</translation>
    </message>
    <message id="2020">
        <source>Shared in Ministry</source>
        <translation>Byl(a) ve službě</translation>
    </message>
    <message id="2021">
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message id="2022">
        <source>&amp;Cancel</source>
        <translation>&amp;Zrušit</translation>
    </message>
    <message id="2023">
        <source>&amp;Remarks</source>
        <translation>&amp;Poznámky</translation>
    </message>
    <message id="2024">
        <source>Auxiliary Pioneer</source>
        <translation>Pomocný průkopník</translation>
    </message>
    <message id="2025">
        <source>&lt;1h</source>
        <translation>&lt;1h</translation>
    </message>
    <message id="2040">
        <source>&amp;Close</source>
        <translation>&amp;Zavřít</translation>
    </message>
    <message id="2041">
        <source>&amp;Print</source>
        <translation>&amp;Tisk</translation>
    </message>
    <message id="2042">
        <source>Print &amp;Setup</source>
        <translation>&amp;Nastavení tisku</translation>
    </message>
    <message id="2060">
        <source>About Kolekt</source>
        <translation>O programu Kolekt</translation>
    </message>
    <message id="2061">
        <source>Kolekt Version 5a</source>
        <translation>Kolekt verze 5a</translation>
    </message>
    <message id="2062">
        <source>GNU GPL 3 or later</source>
        <translation>GNU GPL 3 či novější</translation>
    </message>
    <message id="2063">
        <source>Questions and fixes: kolekt@example.org</source>
        <translation>Dotazy a opravy: kolekt@example.org</translation>
    </message>
    <message id="2064">
        <source>Requires Groupx.k09 files from Scriba Version 10a or later</source>
        <translation>Vyžaduje soubory Groupx.k09 z programu Scriba verze 10a nebo novější</translation>
    </message>
    <message id="2100">
        <source>Kolekt cannot open %1:
the file does not exist. It may have been moved, renamed or deleted.</source>
        <translation>Kolekt nemůže otevřít %1:
tento soubor neexistuje. Možná byl přesunut, přejmenován nebo smazán.</translation>
    </message>
    <message id="2101">
        <source>Kolekt cannot open %1:
the file cannot be read. Ask the owner of the file or of its folder for permission to read it.</source>
        <translation>Kolekt nemůže otevřít %1:
soubor nelze přečíst. Požádejte vlastníka souboru nebo jeho složky o oprávnění ke čtení.</translation>
    </message>
    <message id="2102">
        <source>Kolekt cannot open %1:
it is not a regular file but a folder or a special file. Choose the collection file from the secretary.</source>
        <translation>Kolekt nemůže otevřít %1:
nejde o běžný soubor, ale o složku nebo speciální soubor. Vyberte soubor pro sběr zpráv od tajemníka.</translation>
    </message>
    <message id="2103">
        <source>%1 is incomplete: it ends early, and %3 of its %4 publisher records are missing, as after a copy or download that was cut off.
You can view and print it, but Kolekt will not save anything to it. Ask the secretary for the file again.</source>
        <translation>Soubor %1 je neúplný: končí předčasně a chybí v něm %3 z %4 záznamů zvěstovatelů, jako by se kopírování nebo stahování přerušilo.
Můžete ho prohlížet a tisknout, ale Kolekt do něj nic neuloží. Požádejte tajemníka, aby vám soubor poslal znovu.</translation>
    </message>
    <message id="2104">
        <source>%1 is incomplete: it ends early, and %3 of its %4 remarks are missing, as after a copy or download that was cut off.
You can view and print it, but Kolekt will not save anything to it. Ask the secretary for the file again.</source>
        <translation>Soubor %1 je neúplný: končí předčasně a chybí v něm %3 z %4 poznámek, jako by se kopírování nebo stahování přerušilo.
Můžete ho prohlížet a tisknout, ale Kolekt do něj nic neuloží. Požádejte tajemníka, aby vám soubor poslal znovu.</translation>
    </message>
    <message id="2105">
        <source>%1 is incomplete, so Kolekt saves nothing to it and makes no file for the secretary from it.
Ask the secretary for the file again.</source>
        <translation>Soubor %1 je neúplný, proto do něj Kolekt nic neuloží a nevytvoří z něj soubor pro tajemníka.
Požádejte tajemníka, aby vám soubor poslal znovu.</translation>
    </message>
    <message id="2106">
        <source>Reports cannot be posted to %1, because the file is incomplete and Kolekt will not save to it.
Ask the secretary for the file again.</source>
        <translation>Do souboru %1 nelze zapisovat zprávy, protože je neúplný a Kolekt do něj nebude ukládat.
Požádejte tajemníka, aby vám soubor poslal znovu.</translation>
    </message>
    <message id="2107">
        <source>%1 is already open in another Kolekt.
A collection file can be open in only one Kolekt at a time, so that no report posted in one is lost by the other. Close it there, then open it here.</source>
        <translation>Soubor %1 je už otevřený v jiném okně programu Kolekt.
Soubor se zprávami smí být otevřený vždy jen v jednom okně programu Kolekt, aby se zpráva zapsaná v jednom okně neztratila kvůli druhému. Zavřete ho tam a potom ho otevřete zde.</translation>
    </message>
    <message id="2108">
        <source>%1 was changed or replaced by another program since Kolekt opened it.
So that neither version is lost, Kolekt did not overwrite it and saved your collection as
%2
Kolekt goes on with that file.</source>
        <translation>Soubor %1 byl od chvíle, kdy ho Kolekt otevřel, změněn nebo nahrazen jiným programem.
Aby se neztratila ani jedna z verzí, Kolekt ho nepřepsal a sebrané zprávy uložil jako
%2
Kolekt dále pracuje s tímto souborem.</translation>
    </message>
    <message id="2109">
        <source>Kolekt could not save the collection to %1.
So that no report is lost, it was saved as
%2
Open that file with &quot;Load New List from Secretary&quot; to go on with it.</source>
        <translation>Kolekt nemohl uložit sebrané zprávy do souboru %1.
Aby se žádná zpráva neztratila, byly uloženy jako
%2
Chcete-li s nimi pokračovat, otevřete tento soubor tlačítkem „Načíst nový seznam od tajemníka“.</translation>
    </message>
    <message id="2110">
        <source>Kolekt could not save the collection to %1, nor to the folder %2.
The reports posted since it was last saved could not be kept.</source>
        <translation>Kolekt nemohl uložit sebrané zprávy do souboru %1 ani do složky %2.
Zprávy zapsané od posledního uložení se nepodařilo zachovat.</translation>
    </message>
    <message id="2111">
        <source>Collections that could not be saved to their own files when Kolekt ended are kept in
%1
Open one with &quot;Load New List from Secretary&quot; to go on with it.</source>
        <translation>Soubory se sebranými zprávami, které se při ukončení programu Kolekt nepodařilo uložit na jejich místo, jsou ve složce
%1
Chcete-li s některým pokračovat, otevřete ho tlačítkem „Načíst nový seznam od tajemníka“.</translation>
    </message>
    <message id="2120">
        <source>%1 cannot be opened: its lock file %2 is not a file Kolekt made (it is a link, a folder or a special file).
Remove it, then open the collection file again.</source>
        <translation>Soubor %1 nelze otevřít: jeho zamykací soubor %2 není soubor vytvořený programem Kolekt (je to odkaz, složka nebo zvláštní soubor).
Odstraňte ho a potom soubor se zprávami otevřete znovu.</translation>
    </message>
    <message id="2200">
        <source>Post</source>
        <translation>&amp;Zapsat</translation>
    </message>
    <message id="2201">
        <source>Print Setup</source>
        <translation>Nastavení tisku</translation>
    </message>
    <message id="2202">
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message id="2203">
        <source>The PDF file could not be written:
%1

%2</source>
        <translation>Soubor PDF se nepodařilo zapsat:
%1

%2</translation>
    </message>
    <message id="2204">
        <source>The printer %1 did not take the job:
%2</source>
        <translation>Tiskárna %1 úlohu nepřijala:
%2</translation>
    </message>
    <message id="2205">
        <source>Next Telephone Number</source>
        <translation>Další telefonní číslo</translation>
    </message>
    <message id="2206">
        <source>Next Page</source>
        <translation>Další stránka</translation>
    </message>
    <message id="2207">
        <source>Previous Page</source>
        <translation>Předchozí stránka</translation>
    </message>
    <message id="2250">
        <source>

The secretary&apos;s e-mail address in the file cannot be used, so the file cannot be e-mailed from here. Please hand it to the secretary yourself.</source>
        <translation>

E-mailovou adresu tajemníka uvedenou v souboru nelze použít, a proto soubor odtud nelze poslat e-mailem. Předejte ho prosím tajemníkovi sami.</translation>
    </message>
    <message id="2251">
        <source>Mail password for %1 on %2:</source>
        <translation>Heslo k e-mailu pro %1 na serveru %2:</translation>
    </message>
    <message id="2252">
        <source>Sending the mail through %1...</source>
        <translation>Odesílání e-mailu přes server %1...</translation>
    </message>
    <message id="2253">
        <source>Cancel</source>
        <translation>Zrušit</translation>
    </message>
    <message id="2254">
        <source>Sending was cancelled. The mail was not sent.</source>
        <translation>Odesílání bylo zrušeno. E-mail nebyl odeslán.</translation>
    </message>
    <message id="2255">
        <source>Kolekt could not connect to the mail server %1. The mail was not sent.</source>
        <translation>Kolekt se nemohl spojit s poštovním serverem %1. E-mail nebyl odeslán.</translation>
    </message>
    <message id="2256">
        <source>The mail server %1 did not answer in time. The mail was not sent.</source>
        <translation>Poštovní server %1 neodpověděl včas. E-mail nebyl odeslán.</translation>
    </message>
    <message id="2257">
        <source>The mail server %1 refused the log-on. Check the user name and the password. The mail was not sent.</source>
        <translation>Poštovní server %1 odmítl přihlášení. Zkontrolujte uživatelské jméno a heslo. E-mail nebyl odeslán.</translation>
    </message>
    <message id="2258">
        <source>The mail server %1 does not offer an encrypted connection (STARTTLS), so Kolekt did not send the password. The mail was not sent.</source>
        <translation>Poštovní server %1 nenabízí šifrované spojení (STARTTLS), proto Kolekt heslo neodeslal. E-mail nebyl odeslán.</translation>
    </message>
    <message id="2259">
        <source>No secure connection to the mail server %1 could be made: its certificate was not accepted. The mail was not sent.</source>
        <translation>S poštovním serverem %1 nebylo možné navázat zabezpečené spojení: jeho certifikát nebyl přijat. E-mail nebyl odeslán.</translation>
    </message>
    <message id="2260">
        <source>The mail server %1 refused the mail. The mail was not sent.</source>
        <translation>Poštovní server %1 e-mail odmítl, a proto nebyl odeslán.</translation>
    </message>
    <message id="2300">
        <source>&amp;Language</source>
        <translation>&amp;Jazyk</translation>
    </message>
    <message id="2301">
        <source>The language &quot;%1&quot; is not known. Kolekt knows these languages: %2.</source>
        <translation>Jazyk „%1“ není známý. Kolekt zná tyto jazyky: %2.</translation>
    </message>
    <message id="2302">
        <source>The code page &quot;%1&quot; is not known. Kolekt reads collection files in these code pages: %2.</source>
        <translation>Kódová stránka „%1“ není známá. Kolekt čte soubory se zprávami v těchto kódových stránkách: %2.</translation>
    </message>
    <message id="2303">
        <source>&amp;Yes</source>
        <translation>&amp;Ano</translation>
    </message>
    <message id="2304">
        <source>&amp;No</source>
        <translation>&amp;Ne</translation>
    </message>
    <message id="2390">
        <source>Field Service Reports</source>
        <translation>Zprávy o službě</translation>
    </message>
    <message id="2391">
        <source>Post the monthly field service reports of a group and return them to the secretary</source>
        <translation>Zapisujte měsíční zprávy o službě skupiny a předávejte je tajemníkovi</translation>
    </message>
    <message id="2392">
        <source>Collect the monthly field service reports of a group</source>
        <translation>Sběr měsíčních zpráv o službě skupiny</translation>
    </message>
    <message id="2393">
        <source>Field service report collection</source>
        <translation>Soubor pro sběr zpráv o službě</translation>
    </message>
    <message id="2400">
        <source>Low Memory</source>
        <translation>Nedostatek paměti</translation>
    </message>
    <message id="2401">
        <source>No Printer</source>
        <translation>Není k dispozici žádná tiskárna</translation>
    </message>
    <message id="2402">
        <source>Printing on %1 could not be started.</source>
        <translation>Tisk na tiskárně %1 se nepodařilo spustit.</translation>
    </message>
    <message id="2403">
        <source>Telephone service not available</source>
        <translation>Telefonní služba není k dispozici</translation>
    </message>
    <message id="2404">
        <source>E-mail - </source>
        <translation>&amp;E-mail - </translation>
    </message>
    <message id="2700">
        <source>Mail system DLL is invalid.</source>
        <translation>Knihovna DLL poštovního systému je neplatná.</translation>
    </message>
    <message id="2701">
        <source>bad procaddress</source>
        <translation>chybná adresa procedury</translation>
    </message>
    <message id="2800">
        <source>Kolekt could not store its settings in
%1
The file or its lock file beside it may be write-protected, held by another program, a link, a folder or a special file, or the disk may be full. Your collection files are not affected; only what Kolekt remembers for the next start (the file open last, the language, the mail settings) is not stored.</source>
        <translation>Kolekt nemohl uložit svá nastavení do
%1
Tento soubor nebo jeho zamykací soubor vedle něj může být chráněný proti zápisu, držený jiným programem, být odkazem, složkou nebo zvláštním souborem, nebo může být plný disk. Vaše soubory se zprávami to nijak neovlivní; neuloží se jen to, co si Kolekt pamatuje pro příští spuštění (naposledy otevřený soubor, jazyk, nastavení pošty).</translation>
    </message>
    <message id="61712">
        <source>Please enter an integer.</source>
        <translation>Zadejte celé číslo.</translation>
    </message>
    <message id="61714">
        <source>Please enter an integer between %1 and %2.</source>
        <translation>Zadejte celé číslo od %1 do %2.</translation>
    </message>
    <message id="61840">
        <source>No mail program was found.</source>
        <translation>Nebyl nalezen žádný e-mailový program.</translation>
    </message>
    <message id="61841">
        <source>The mail settings are not usable.</source>
        <translation>Nastavení pošty nelze použít.</translation>
    </message>
    <message id="61842">
        <source>Send Mail failed to send message.</source>
        <translation>E-mail se nepodařilo odeslat.</translation>
    </message>
    <message id="2350">
        <source>The collection file's code page (%2) cannot hold these characters of the remark: %1
Each of them would be stored as "?".

Store the remark like this? Otherwise it stays open for you to change it.</source>
        <translation>Kódová stránka souboru pro sběr zpráv (%2) neobsahuje tyto znaky poznámky: %1
Každý z nich by se uložil jako „?“.

Uložit poznámku takto? Jinak zůstane otevřená, abyste ji mohli upravit.</translation>
    </message>
    <message id="2500">
        <source>%1 left</source>
        <translation>zbývá %1</translation>
    </message>
    <message id="2600">
        <source>Group #%1</source>
        <translation>Skupina č. %1</translation>
    </message>
    <message id="2601">
        <source>Call the telephone number shown</source>
        <translation>Zavolat na zobrazené telefonní číslo</translation>
    </message>
    <message id="2602">
        <source>Field service report for %MONTH% %YEAR%</source>
        <translation>Zpráva o službě za %MONTH% %YEAR%</translation>
    </message>
    <message id="2603">
        <source>Dear %NAME%,

Please submit your report for %MONTH% %YEAR%.
Thank you.</source>
        <translation>Dobrý den, %NAME%,

prosím o odevzdání zprávy o službě za %MONTH% %YEAR%.
Děkuji.</translation>
    </message>
    <message id="2604">
        <source>Copy Message</source>
        <translation>Kopírovat zprávu</translation>
    </message>
    <message id="2605">
        <source>Show File in Folder</source>
        <translation>Zobrazit soubor ve složce</translation>
    </message>
    <message id="2606">
        <source>

The file to attach to the mail is:
%1</source>
        <translation>

K e-mailu je třeba přiložit tento soubor:
%1</translation>
    </message>
    <message id="2607">
        <source>No file manager was found to show the file.</source>
        <translation>Nebyl nalezen žádný správce souborů, který by soubor zobrazil.</translation>
    </message>
    <message id="2608">
        <source>Remind All Missing</source>
        <translation>&amp;Připomenout všem chybějícím</translation>
    </message>
    <message id="2609">
        <source>Send a reminder to each of these %1 publishers whose report is missing, one message each?%2</source>
        <translation>Poslat každému z těchto %1 zvěstovatelů, jejichž zpráva chybí, vlastní připomínku?%2</translation>
    </message>
    <message id="2610">
        <source>

These publishers have no usable e-mail address and get no reminder:%1</source>
        <translation>

Tito zvěstovatelé nemají použitelnou e-mailovou adresu a připomínku nedostanou:%1</translation>
    </message>
    <message id="2611">
        <source>No publisher whose report is missing has a usable e-mail address.</source>
        <translation>Žádný zvěstovatel, jehož zpráva chybí, nemá použitelnou e-mailovou adresu.</translation>
    </message>
    <message id="2612">
        <source>The mail program will now open %1 messages, one for each publisher. Check and send each of them there.</source>
        <translation>E-mailový program teď otevře pro každého zvěstovatele jednu zprávu (celkem %1). Zkontrolujte je a odešlete je z něj.</translation>
    </message>
    <message id="2613">
        <source>%1 of %2 reminders were sent.</source>
        <translation>Odesláno %1 z %2 připomínek.</translation>
    </message>
    <message id="2614">
        <source>%1 of %2 reminders were opened in the mail program.</source>
        <translation>V e-mailovém programu otevřeno %1 z %2 připomínek.</translation>
    </message>
    <message id="2615">
        <source>Sending reminder %1 of %2 through %3...</source>
        <translation>Odesílá se připomínka %1 z %2 přes %3...</translation>
    </message>
    <message id="2616">
        <source>Mail Settings...</source>
        <translation>Nastavení &amp;e-mailu...</translation>
    </message>
    <message id="2617">
        <source>Mail Settings</source>
        <translation>Nastavení e-mailu</translation>
    </message>
    <message id="2618">
        <source>Mail &amp;server:</source>
        <translation>Poštovní &amp;server:</translation>
    </message>
    <message id="2619">
        <source>Leave it empty to use the desktop's mail program; for example smtps://mail.example.org</source>
        <translation>Ponechte prázdné, chcete-li použít e-mailový program pracovní plochy; například smtps://mail.example.org</translation>
    </message>
    <message id="2620">
        <source>Sender &amp;address:</source>
        <translation>&amp;Adresa odesílatele:</translation>
    </message>
    <message id="2621">
        <source>&amp;User name:</source>
        <translation>&amp;Uživatelské jméno:</translation>
    </message>
    <message id="2622">
        <source>&amp;Password:</source>
        <translation>&amp;Heslo:</translation>
    </message>
    <message id="2623">
        <source>&amp;Remember the password in the desktop's keyring</source>
        <translation>&amp;Zapamatovat heslo v klíčence pracovní plochy</translation>
    </message>
    <message id="2624">
        <source>Your &amp;name (signs the reminders):</source>
        <translation>Vaše &amp;jméno (podepisuje připomínky):</translation>
    </message>
    <message id="2625">
        <source>Reminder sub&amp;ject:</source>
        <translation>&amp;Předmět připomínky:</translation>
    </message>
    <message id="2626">
        <source>Reminder te&amp;xt:</source>
        <translation>&amp;Text připomínky:</translation>
    </message>
    <message id="2627">
        <source>%NAME% stands for the publisher's first name, %MONTH% and %YEAR% for the month and its year, %GROUP% for the group's number.</source>
        <translation>%NAME% znamená křestní jméno zvěstovatele, %MONTH% a %YEAR% měsíc a jeho rok, %GROUP% číslo skupiny.</translation>
    </message>
    <message id="2628">
        <source>Send &amp;Test Message</source>
        <translation>&amp;Odeslat zkušební zprávu</translation>
    </message>
    <message id="2629">
        <source>Kolekt test message</source>
        <translation>Zkušební zpráva z Kolektu</translation>
    </message>
    <message id="2630">
        <source>This message shows that Kolekt can send mail with these settings.</source>
        <translation>Tato zpráva ukazuje, že Kolekt může s tímto nastavením posílat e-maily.</translation>
    </message>
    <message id="2631">
        <source>The mail server %1 accepted the test message to %2.</source>
        <translation>Poštovní server %1 přijal zkušební zprávu pro %2.</translation>
    </message>
    <message id="2632">
        <source>The test message to %1 was handed to the desktop's mail program.</source>
        <translation>Zkušební zpráva pro %1 byla předána e-mailovému programu pracovní plochy.</translation>
    </message>
    <message id="2633">
        <source>Enter your own e-mail address as the sender: the test message goes to it.</source>
        <translation>Jako odesílatele zadejte svou vlastní e-mailovou adresu: zkušební zpráva se pošle na ni.</translation>
    </message>
    <message id="2634">
        <source>The password could not be kept in the desktop's keyring:
%1</source>
        <translation>Heslo se nepodařilo uložit do klíčenky pracovní plochy:
%1</translation>
    </message>
    <message id="2635">
        <source>Guide</source>
        <translation>Průvodce</translation>
    </message>
    <message id="2636">
        <source>Kolekt Guide</source>
        <translation>Průvodce programem Kolekt</translation>
    </message>
    <message id="2637">
        <source>&amp;Search:</source>
        <translation>&amp;Hledat:</translation>
    </message>
    <message id="2638">
        <source>Sections of the guide</source>
        <translation>Oddíly průvodce</translation>
    </message>
    <message id="2501">
        <source>Undo posting %1 (%2)</source>
        <translation>&amp;Vrátit zápis %1 (%2)</translation>
    </message>
    <message id="2502">
        <source>There is nothing to undo. Only reports posted to this file since Kolekt was started can be undone.</source>
        <translation>Není co vrátit. Vrátit lze jen zprávy zapsané do tohoto souboru od spuštění programu Kolekt.</translation>
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
        <translation>studia: %1</translation>
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
        <translation>&amp;Zpět</translation>
    </message>
    <message id="2510">
        <source>reported</source>
        <translation>odevzdal</translation>
    </message>
    <message id="2511">
        <source>missing</source>
        <translation>chybí</translation>
    </message>
    <message id="2512">
        <source>remark only</source>
        <translation>jen poznámka</translation>
    </message>
    <message id="2513">
        <source>late report for %1 posted</source>
        <translation>opožděná zpráva za %1 zapsána</translation>
    </message>
    <message id="2514">
        <source>%1: %2 of %3 reported</source>
        <translation>%1: odevzdáno %2 z %3</translation>
    </message>
    <message id="2515">
        <source>Pioneer hours: %1 · Bible studies: %2</source>
        <translation>Hodiny průkopníků: %1 · Studia: %2</translation>
    </message>
    <message id="2516">
        <source>All reports are in: now "%1".</source>
        <translation>Všechny zprávy jsou odevzdány: nyní „%1“.</translation>
    </message>
    <message id="2517">
        <source>These reports are still missing: %1

Create the file for the secretary all the same?</source>
        <translation>Tyto zprávy ještě chybí: %1

Přesto vytvořit soubor pro tajemníka?</translation>
    </message>
    <message id="2518">
        <source>Open the file the secretary sent you: "%1", or drop the .k09 file on this window.</source>
        <translation>Otevřete soubor, který vám poslal tajemník: „%1“, nebo přetáhněte soubor .k09 do tohoto okna.</translation>
    </message>
    <message id="2519">
        <source>Last twelve months</source>
        <translation>Posledních dvanáct měsíců</translation>
    </message>
    <message id="2520">
        <source>late</source>
        <translation>opožděně</translation>
    </message>
    <message id="2521">
        <source>Service year so far: hours: %1</source>
        <translation>Služební rok dosud: hodiny: %1</translation>
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
        <translation>led úno bře dub kvě čvn čvc srp zář říj lis pro</translation>
    </message>
    <message id="2903">
        <source>%1 h</source>
        <translation>%1 h</translation>
    </message>
    <message id="2904">
        <source>%1 BS</source>
        <translation>%1 BS</translation>
    </message>
    <message id="2905">
        <source>Reported</source>
        <translation>Odevzdáno</translation>
    </message>
    <message id="2906">
        <source>%1 of %2 reported</source>
        <translation>odevzdalo %1 z %2</translation>
    </message>
    <message id="2907">
        <source>%1, %2: %3</source>
        <translation>%1, %2: %3</translation>
    </message>
    <message id="2908">
        <source>Reports each month</source>
        <translation>Zprávy v jednotlivých měsících</translation>
    </message>
    <message id="2909">
        <source>Save as P&amp;DF...</source>
        <translation>Uložit jako &amp;PDF...</translation>
    </message>
    <message id="2910">
        <source>Save the Group Year as PDF</source>
        <translation>Uložit rok skupiny jako PDF</translation>
    </message>
    <message id="2911">
        <source>PDF documents</source>
        <translation>Dokumenty PDF</translation>
    </message>
    <message id="2912">
        <source>✓ shared · ○ not shared · h hours · BS Bible studies · * remark</source>
        <translation>✓ kázal · ○ nekázal · h hodiny · BS biblická studia · * poznámka</translation>
    </message>
    <message id="2913">
        <source>Its folder may be missing, read-only or full.</source>
        <translation>Jeho složka možná chybí, je jen pro čtení nebo je plná.</translation>
    </message>
    <message id="2850">
        <source>Kolekt could not save %1.</source>
        <translation>Kolekt nemohl uložit %1.</translation>
    </message>
    <message id="2851">
        <source>The file, its folder or the disk is read-only: remove the read-only attribute or obtain permission to create files in its folder.</source>
        <translation>Soubor, jeho složka nebo disk je jen pro čtení: odstraňte atribut jen pro čtení nebo si opatřete oprávnění vytvářet soubory v jeho složce.</translation>
    </message>
    <message id="2852">
        <source>The disk is full (%1): make room on it or use another disk.</source>
        <translation>Disk je plný (%1): uvolněte na něm místo nebo použijte jiný disk.</translation>
    </message>
    <message id="2853">
        <source>Its name or path is too long for this file system (%1): give it a shorter name or move it to a folder with a shorter path.</source>
        <translation>Jeho název nebo cesta je pro tento souborový systém příliš dlouhá (%1): dejte mu kratší název nebo ho přesuňte do složky s kratší cestou.</translation>
    </message>
    <message id="2854">
        <source>You may not create or replace files in its folder (%1): the folder is not writable for you, or it is a shared folder where only a file's owner may replace it. Ask the folder's owner, or copy the file to a folder of your own.</source>
        <translation>Ve složce nesmíte vytvářet ani nahrazovat soubory (%1): do složky nemůžete zapisovat, nebo je to sdílená složka, kde soubor smí nahradit jen jeho vlastník. Požádejte vlastníka složky nebo soubor zkopírujte do vlastní složky.</translation>
    </message>
    <message id="2855">
        <source>The file system there cannot do what saving needs (%1): copy the file to another disk or folder.</source>
        <translation>Souborový systém tam neumí to, co ukládání potřebuje (%1): zkopírujte soubor na jiný disk nebo do jiné složky.</translation>
    </message>
    <message id="2856">
        <source>The system reports: %1.</source>
        <translation>Systém hlásí: %1.</translation>
    </message>
    <message id="2857">
        <source>%1 holds %3 bytes after its last remark, which are not part of a collection file.
Kolekt ignores them, and the next save writes the file without them.</source>
        <translation>%1 obsahuje za poslední poznámkou %3 bajtů, které nejsou součástí souboru se zprávami.
Kolekt je přeskočí a při příštím uložení soubor zapíše bez nich.</translation>
    </message>
    <message id="2858">
        <source>%1 was saved, but it now belongs to you and your group: Kolekt could keep neither its owner nor its group, so some who could read it before may no longer be able to.
Ask the file's owner or an administrator to give it back its owner or group.</source>
        <translation>%1 byl uložen, ale nyní patří vám a vaší skupině: Kolekt nemohl zachovat ani jeho vlastníka, ani jeho skupinu, takže někteří, kdo ho dříve mohli číst, už možná nemohou.
Požádejte vlastníka souboru nebo správce, aby mu vrátil vlastníka nebo skupinu.</translation>
    </message>
    <message id="2859">
        <source>The folder it was opened from is no longer there: perhaps a stick or a network drive was removed. Put it back, and the next post saves every report posted since.</source>
        <translation>Složka, ze které byl otevřen, už není k dispozici: možná byl vytažen flash disk nebo odpojen síťový disk. Připojte ho znovu a další zápis uloží všechna hlášení zapsaná od té doby.</translation>
    </message>
</context>
</TS>
