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
        <translation>Změnit &amp;měsíc (pozdní zpráva)</translation>
    </message>
    <message id="1000">
        <source>Post - %1</source>
        <translation>Zapsat - %1</translation>
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
        <translation>Služebník pomocník</translation>
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

Pozdní zprávu zapíšete po stisknutí Alt-M nebo kliknutím na tlačítko Změnit měsíc.

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
        <translation>Kurzy</translation>
    </message>
    <message id="1422">
        <source>Please submit your report for %1. 
Thank you.</source>
        <translation>Prosím o odevzdání zprávy o službě za %1. 
Děkuji.</translation>
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
        <translation>Ukončit program</translation>
    </message>
    <message id="2003">
        <source>Limit List to Missing Reports</source>
        <translation>Zobrazit jen chybějící zprávy</translation>
    </message>
    <message id="2004">
        <source> Last Person Posted </source>
        <translation> Poslední zápis </translation>
    </message>
    <message id="2005">
        <source>Load New List from Secretary</source>
        <translation>Načíst nový seznam od tajemníka</translation>
    </message>
    <message id="2006">
        <source>Create File for Secretary</source>
        <translation>Vytvořit soubor pro tajemníka</translation>
    </message>
    <message id="2007">
        <source>Dial</source>
        <translation>Volat</translation>
    </message>
    <message id="2008">
        <source>Help</source>
        <translation>Nápověda</translation>
    </message>
    <message id="2009">
        <source>View or Print Report Collection List</source>
        <translation>Zobrazit nebo vytisknout seznam zpráv</translation>
    </message>
    <message id="2010">
        <source>Preview E-mail</source>
        <translation>Náhled e-mailu</translation>
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
    <message id="2064">
        <source>Requires Groupx.k09 files from Scriba Version 10a or later</source>
        <translation>Vyžaduje soubory Groupx.k09 z programu Scriba verze 10a nebo novější</translation>
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
</context>
</TS>
