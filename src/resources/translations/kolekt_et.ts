<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="et_EE" sourcelanguage="en">
<context>
    <name></name>
    <message id="101">
        <source>&amp;About Kolekt...</source>
        <translation>&amp;Teave programmi Kolekt kohta...</translation>
    </message>
    <message id="102">
        <source>January</source>
        <translation>jaanuar</translation>
    </message>
    <message id="103">
        <source>February</source>
        <translation>veebruar</translation>
    </message>
    <message id="104">
        <source>March</source>
        <translation>märts</translation>
    </message>
    <message id="105">
        <source>April</source>
        <translation>aprill</translation>
    </message>
    <message id="106">
        <source>May</source>
        <translation>mai</translation>
    </message>
    <message id="107">
        <source>June</source>
        <translation>juuni</translation>
    </message>
    <message id="108">
        <source>July</source>
        <translation>juuli</translation>
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
        <translation>oktoober</translation>
    </message>
    <message id="112">
        <source>November</source>
        <translation>november</translation>
    </message>
    <message id="113">
        <source>December</source>
        <translation>detsember</translation>
    </message>
    <message id="114">
        <source>Change &amp;Month ( late report )</source>
        <translation>Muuda &amp;kuud (hiline aruanne)</translation>
    </message>
    <message id="1000">
        <source>Post - %1</source>
        <translation>&amp;Sisesta - %1</translation>
    </message>
    <message id="1001">
        <source>Missing %1 Reports</source>
        <translation>Puuduvad aruanded (%1)</translation>
    </message>
    <message id="1002">
        <source>Select Collection File from Secretary</source>
        <translation>Vali sekretärilt saadud kogumisfail</translation>
    </message>
    <message id="1003">
        <source>Collection Files from Secretary (.k09)</source>
        <translation>Sekretärilt saadud kogumisfailid (.k09)</translation>
    </message>
    <message id="1014">
        <source>Hours</source>
        <translation>tundi</translation>
    </message>
    <message id="1019">
        <source>Remarks</source>
        <translation>Märkused</translation>
    </message>
    <message id="1020">
        <source>AuxP</source>
        <translation>Abipion.</translation>
    </message>
    <message id="1023">
        <source>Ministerial Servant</source>
        <translation>Teenistusabiline</translation>
    </message>
    <message id="1024">
        <source>Elder</source>
        <translation>Kogudusevanem</translation>
    </message>
    <message id="1025">
        <source>Baptized Brother</source>
        <translation>Ristitud vend</translation>
    </message>
    <message id="1026">
        <source>Auxiliary Pioneer</source>
        <translation>Abipioneer</translation>
    </message>
    <message id="1027">
        <source>Regular Pioneer</source>
        <translation>Üldpioneer</translation>
    </message>
    <message id="1029">
        <source>Special Pioneer</source>
        <translation>Eripioneer</translation>
    </message>
    <message id="1030">
        <source>- WARNING -   You have already posted the %1 report for %2.</source>
        <translation>- HOIATUS -   Aruanne on juba sisestatud: %2, %1.</translation>
    </message>
    <message id="1031">
        <source>Changes WILL NOT BE INCLUDED in the %1 report to the branch office.</source>
        <translation>Muudatusi EI LISATA harubüroole saadetavasse aruandesse (%1).</translation>
    </message>
    <message id="1032">
        <source>Any changes WILL BE INCLUDED in the %1 report to the branch office.</source>
        <translation>Muudatused LISATAKSE harubüroole saadetavasse aruandesse (%1).</translation>
    </message>
    <message id="1033">
        <source>Out of Space for Remarks</source>
        <translation>Märkuste jaoks pole enam ruumi</translation>
    </message>
    <message id="1038">
        <source>Your updates have been saved in a file at
%1</source>
        <translation>Muudatused on salvestatud faili
%1</translation>
    </message>
    <message id="1039">
        <source>

Click Yes to E-mail the .k19 file to </source>
        <translation>

Klõpsake Jah, et saata .k19-fail e-postiga aadressile </translation>
    </message>
    <message id="1040">
        <source>Click No to send the file to the secretary later.</source>
        <translation>Klõpsake Ei, et saata fail sekretärile hiljem.</translation>
    </message>
    <message id="1041">
        <source>,
       or
</source>
        <translation>,
       või
</translation>
    </message>
    <message id="1042">
        <source>Collection File</source>
        <translation>Kogumisfail</translation>
    </message>
    <message id="1043">
        <source>.k19 file for</source>
        <translation>- .k19-fail -</translation>
    </message>
    <message id="1058">
        <source>Group</source>
        <translation>Rühm</translation>
    </message>
    <message id="1059">
        <source>Tips for using Kolekt   Important!  Your secretary must be running Scriba version 10 or later.

From your secretary, obtain a Group.k09 file for the month you are collecting.  </source>
        <translation>Näpunäited programmi Kolekt kasutamiseks   Tähtis!  Teie sekretär peab kasutama programmi Scriba versiooni 10 või uuemat.

Hankige sekretärilt Group.k09-fail selle kuu kohta, mille aruandeid kogute.  </translation>
    </message>
    <message id="1060">
        <source>Drop the file on your Kolekt icon or launch Kolekt and use the &apos;Load New List from Secretary&apos; button to open the file.

</source>
        <translation>Lohistage fail programmi Kolekt ikoonile või käivitage Kolekt ja avage fail nupuga „Laadi sekretärilt uus nimekiri“.

</translation>
    </message>
    <message id="1061">
        <source>You&apos;ll find it easy to enter reports using only the keyboard.  Type the first two or three characters of the last name.  Use the up/down arrows to select the name and press Enter.

</source>
        <translation>Aruandeid on lihtne sisestada ainult klaviatuuriga.  Tippige perekonnanime esimesed kaks või kolm tähte.  Valige nimi üles- ja allanoolega ning vajutage Enter.

</translation>
    </message>
    <message id="1062">
        <source>Enter the report terminating each entry with the Enter key.  Press Enter after the last field to return to the selection list.

</source>
        <translation>Lõpetage aruande iga väärtus Enter-klahviga.  Kui vajutate viimasel väljal Enter, jõuate tagasi valikuloendisse.

</translation>
    </message>
    <message id="1063">
        <source>To enter remarks, type Alt-R or click the Remarks button.  Terminate with the Enter key.

To enter a late report, type Alt-M or click the Change Month button.

</source>
        <translation>Märkuse sisestamiseks vajutage Alt-M või klõpsake nuppu Märkused.  Lõpetage Enter-klahviga.

Hilinenud aruande sisestamiseks vajutage Alt-K või klõpsake nuppu Muuda kuud.

</translation>
    </message>
    <message id="1064">
        <source>If you have a mail program, you can send report reminders to publishers.

</source>
        <translation>Kui teil on e-postiprogramm, saate kuulutajatele aruande meeldetuletusi saata.

</translation>
    </message>
    <message id="1065">
        <source>If you have a mail program, you can also e-mail the results to the secretary directly from the program.

</source>
        <translation>Kui teil on e-postiprogramm, saate tulemused ka otse programmist sekretärile e-postiga saata.

</translation>
    </message>
    <message id="1066">
        <source>Otherwise, you will need to manually attach the .k19 file to an email or deliver it to the secretary on portable media.</source>
        <translation>Vastasel juhul tuleb .k19-fail käsitsi e-kirjale lisada või viia see sekretärile mälupulgal või muul andmekandjal.</translation>
    </message>
    <message id="1116">
        <source>Total Publishers</source>
        <translation>Kuulutajaid kokku</translation>
    </message>
    <message id="1167">
        <source>Name</source>
        <translation>Nimi</translation>
    </message>
    <message id="1168">
        <source>Telephone</source>
        <translation>Telefon</translation>
    </message>
    <message id="1188">
        <source>%1 Report Collection</source>
        <translation>Aruannete kogumine: %1</translation>
    </message>
    <message id="1194">
        <source>Special Pioneers are NOT INCLUDED in Report to Branch</source>
        <translation>Eripioneere EI ARVESTATA harubüroole saadetavas aruandes</translation>
    </message>
    <message id="1198">
        <source>eng</source>
        <translation>estonian</translation>
    </message>
    <message id="1231">
        <source>Unable to create new file: %1.
Remove the read-only attribute from the directory / file or obtain permission to create files in this directory.</source>
        <translation>Uut faili ei saa luua: %1.
Eemaldage kaustalt / failist kirjutuskaitse või hankige õigus selles kaustas faile luua.</translation>
    </message>
    <message id="1232">
        <source>Group has less than 3 publishers</source>
        <translation>Rühmas on vähem kui 3 kuulutajat</translation>
    </message>
    <message id="1233">
        <source>%1 is not a collection file from the secretary.
It was not opened, and Kolekt will not write to it.</source>
        <translation>%1 ei ole sekretärilt saadud kogumisfail.
Seda ei avatud ja Kolekt ei kirjuta sellesse.</translation>
    </message>
    <message id="1247">
        <source>Report Collection Form</source>
        <translation>Aruannete kogumise vorm</translation>
    </message>
    <message id="1415">
        <source>Plcmts</source>
        <translation>Trük.</translation>
    </message>
    <message id="1416">
        <source>Videos</source>
        <translation>Video</translation>
    </message>
    <message id="1417">
        <source>Hours</source>
        <translation>Tunnid</translation>
    </message>
    <message id="1418">
        <source>R.Visits</source>
        <translation>Kordus</translation>
    </message>
    <message id="1419">
        <source>Studies</source>
        <translation>Uurim.</translation>
    </message>
    <message id="1495">
        <source>Shared in any form of the ministry during the month</source>
        <translation>Osales kuu jooksul mingil kujul teenistuses</translation>
    </message>
    <message id="1500">
        <source>Shared</source>
        <translation>Osales</translation>
    </message>
    <message id="2000">
        <source>Field Service Reports</source>
        <translation>Teenistusaruanded</translation>
    </message>
    <message id="2001">
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message id="2002">
        <source>Exit Program</source>
        <translation>S&amp;ulge programm</translation>
    </message>
    <message id="2003">
        <source>Limit List to Missing Reports</source>
        <translation>Näita ainult &amp;puuduvaid aruandeid</translation>
    </message>
    <message id="2004">
        <source> Last Person Posted </source>
        <translation> Viimati sisestatud </translation>
    </message>
    <message id="2005">
        <source>Load New List from Secretary</source>
        <translation>&amp;Laadi sekretärilt uus nimekiri</translation>
    </message>
    <message id="2006">
        <source>Create File for Secretary</source>
        <translation>Loo &amp;fail sekretärile</translation>
    </message>
    <message id="2007">
        <source>Dial</source>
        <translation>&amp;Helista</translation>
    </message>
    <message id="2008">
        <source>Help</source>
        <translation>&amp;Abi</translation>
    </message>
    <message id="2009">
        <source>View or Print Report Collection List</source>
        <translation>&amp;Vaata või prindi aruannete nimekirja</translation>
    </message>
    <message id="2010">
        <source>Preview E-mail</source>
        <translation>E-kirja &amp;eelvaade</translation>
    </message>
    <message id="2020">
        <source>Shared in Ministry</source>
        <translation>Osales</translation>
    </message>
    <message id="2021">
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message id="2022">
        <source>&amp;Cancel</source>
        <translation>&amp;Loobu</translation>
    </message>
    <message id="2023">
        <source>&amp;Remarks</source>
        <translation>&amp;Märkused</translation>
    </message>
    <message id="2024">
        <source>Auxiliary Pioneer</source>
        <translation>Abipioneer</translation>
    </message>
    <message id="2025">
        <source>&lt;1h</source>
        <translation>&lt;1h</translation>
    </message>
    <message id="2040">
        <source>&amp;Close</source>
        <translation>&amp;Sulge</translation>
    </message>
    <message id="2041">
        <source>&amp;Print</source>
        <translation>&amp;Prindi</translation>
    </message>
    <message id="2042">
        <source>Print &amp;Setup</source>
        <translation>Printeri &amp;häälestus</translation>
    </message>
    <message id="2060">
        <source>About Kolekt</source>
        <translation>Teave programmi Kolekt kohta</translation>
    </message>
    <message id="2061">
        <source>Kolekt Version 5a</source>
        <translation>Kolekt, versioon 5a</translation>
    </message>
    <message id="2062">
        <source>GNU GPL 3 or later</source>
        <translation>GNU GPL 3 või uuem</translation>
    </message>
    <message id="2063">
        <source>Questions and fixes: kolekt@example.org</source>
        <translation>Küsimused ja vead: kolekt@example.org</translation>
    </message>
    <message id="2064">
        <source>Requires Groupx.k09 files from Scriba Version 10a or later</source>
        <translation>Vajab programmi Scriba versiooni 10a või uuema Groupx.k09-faile</translation>
    </message>
    <message id="2100">
        <source>Kolekt cannot open %1:
the file does not exist. It may have been moved, renamed or deleted.</source>
        <translation>Kolekt ei saa avada faili %1:
seda faili ei ole olemas. Võib-olla on see teisaldatud, ümber nimetatud või kustutatud.</translation>
    </message>
    <message id="2101">
        <source>Kolekt cannot open %1:
the file cannot be read. Ask the owner of the file or of its folder for permission to read it.</source>
        <translation>Kolekt ei saa avada faili %1:
faili ei saa lugeda. Paluge faili või selle kausta omanikult lugemisõigust.</translation>
    </message>
    <message id="2102">
        <source>Kolekt cannot open %1:
it is not a regular file but a folder or a special file. Choose the collection file from the secretary.</source>
        <translation>Kolekt ei saa seda avada: %1
See ei ole tavaline fail, vaid kaust või erifail. Valige sekretärilt saadud kogumisfail.</translation>
    </message>
    <message id="2103">
        <source>%1 is incomplete: it ends early, and %3 of its %4 publisher records are missing, as after a copy or download that was cut off.
You can view and print it, but Kolekt will not save anything to it. Ask the secretary for the file again.</source>
        <translation>Fail %1 on poolik: see lõpeb liiga vara ja selle %4 kuulutajakirjest puudub %3, nagu katkenud kopeerimise või allalaadimise järel.
Saate seda vaadata ja printida, kuid Kolekt ei salvesta sellesse midagi. Paluge fail sekretärilt uuesti.</translation>
    </message>
    <message id="2104">
        <source>%1 is incomplete: it ends early, and %3 of its %4 remarks are missing, as after a copy or download that was cut off.
You can view and print it, but Kolekt will not save anything to it. Ask the secretary for the file again.</source>
        <translation>Fail %1 on poolik: see lõpeb liiga vara ja selle %4 märkusest puudub %3, nagu katkenud kopeerimise või allalaadimise järel.
Saate seda vaadata ja printida, kuid Kolekt ei salvesta sellesse midagi. Paluge fail sekretärilt uuesti.</translation>
    </message>
    <message id="2105">
        <source>%1 is incomplete, so Kolekt saves nothing to it and makes no file for the secretary from it.
Ask the secretary for the file again.</source>
        <translation>Fail %1 on poolik, seetõttu ei salvesta Kolekt sellesse midagi ega loo sellest faili sekretärile.
Paluge fail sekretärilt uuesti.</translation>
    </message>
    <message id="2106">
        <source>Reports cannot be posted to %1, because the file is incomplete and Kolekt will not save to it.
Ask the secretary for the file again.</source>
        <translation>Faili %1 ei saa aruandeid sisestada, sest see on poolik ja Kolekt ei salvesta sellesse.
Paluge fail sekretärilt uuesti.</translation>
    </message>
    <message id="2107">
        <source>%1 is already open in another Kolekt.
A collection file can be open in only one Kolekt at a time, so that no report posted in one is lost by the other. Close it there, then open it here.</source>
        <translation>Fail %1 on juba avatud teises Kolekti aknas.
Kogumisfail saab korraga olla avatud ainult ühes Kolekti aknas, et ühes aknas sisestatud aruanne teise tõttu kaotsi ei läheks. Sulgege see seal ja avage siis siin.</translation>
    </message>
    <message id="2108">
        <source>%1 was changed or replaced by another program since Kolekt opened it.
So that neither version is lost, Kolekt did not overwrite it and saved your collection as
%2
Kolekt goes on with that file.</source>
        <translation>Teine programm on faili %1 muutnud või asendanud pärast seda, kui Kolekt selle avas.
Et kumbki versioon kaotsi ei läheks, ei kirjutanud Kolekt seda üle, vaid salvestas kogutud aruanded nimega
%2
Kolekt jätkab selle failiga.</translation>
    </message>
    <message id="2109">
        <source>Kolekt could not save the collection to %1.
So that no report is lost, it was saved as
%2
Open that file with &quot;Load New List from Secretary&quot; to go on with it.</source>
        <translation>Kolekt ei saanud kogutud aruandeid faili %1 salvestada.
Et ükski aruanne kaotsi ei läheks, salvestati need nimega
%2
Jätkamiseks avage see fail nupuga „Laadi sekretärilt uus nimekiri“.</translation>
    </message>
    <message id="2110">
        <source>Kolekt could not save the collection to %1, nor to the folder %2.
The reports posted since it was last saved could not be kept.</source>
        <translation>Kolekt ei saanud kogutud aruandeid salvestada faili %1 ega kausta %2.
Pärast viimast salvestamist sisestatud aruandeid ei õnnestunud säilitada.</translation>
    </message>
    <message id="2111">
        <source>Collections that could not be saved to their own files when Kolekt ended are kept in
%1
Open one with &quot;Load New List from Secretary&quot; to go on with it.</source>
        <translation>Kogumisfailid, mida Kolekti sulgemisel ei õnnestunud nende õigesse kohta salvestada, on hoiul kaustas
%1
Jätkamiseks avage üks neist nupuga „Laadi sekretärilt uus nimekiri“.</translation>
    </message>
    <message id="2120">
        <source>%1 cannot be opened: its lock file %2 is not a file Kolekt made (it is a link, a folder or a special file).
Remove it, then open the collection file again.</source>
        <translation>Faili %1 ei saa avada: selle lukufail %2 ei ole Kolekti loodud fail (see on link, kaust või erifail).
Eemaldage see ja avage fail uuesti.</translation>
    </message>
    <message id="2200">
        <source>Post</source>
        <translation>&amp;Sisesta</translation>
    </message>
    <message id="2201">
        <source>Print Setup</source>
        <translation>Printeri häälestus</translation>
    </message>
    <message id="2202">
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message id="2203">
        <source>The PDF file could not be written:
%1

%2</source>
        <translation>PDF-faili ei õnnestunud kirjutada:
%1

%2</translation>
    </message>
    <message id="2204">
        <source>The printer %1 did not take the job:
%2</source>
        <translation>Printer %1 ei võtnud tööd vastu:
%2</translation>
    </message>
    <message id="2205">
        <source>Next Telephone Number</source>
        <translation>Järgmine telefoninumber</translation>
    </message>
    <message id="2206">
        <source>Next Page</source>
        <translation>Järgmine lehekülg</translation>
    </message>
    <message id="2207">
        <source>Previous Page</source>
        <translation>Eelmine lehekülg</translation>
    </message>
    <message id="2250">
        <source>

The secretary&apos;s e-mail address in the file cannot be used, so the file cannot be e-mailed from here. Please hand it to the secretary yourself.</source>
        <translation>

Failis olevat sekretäri e-posti aadressi ei saa kasutada, seega ei saa faili siit e-postiga saata. Palun andke fail sekretärile ise üle.</translation>
    </message>
    <message id="2251">
        <source>Mail password for %1 on %2:</source>
        <translation>E-posti parool kasutajale %1 serveris %2:</translation>
    </message>
    <message id="2252">
        <source>Sending the mail through %1...</source>
        <translation>E-kirja saatmine serveri %1 kaudu...</translation>
    </message>
    <message id="2253">
        <source>Cancel</source>
        <translation>Loobu</translation>
    </message>
    <message id="2254">
        <source>Sending was cancelled. The mail was not sent.</source>
        <translation>Saatmine katkestati. E-kirja ei saadetud.</translation>
    </message>
    <message id="2255">
        <source>Kolekt could not connect to the mail server %1. The mail was not sent.</source>
        <translation>Kolekt ei saanud ühendust e-posti serveriga %1. E-kirja ei saadetud.</translation>
    </message>
    <message id="2256">
        <source>The mail server %1 did not answer in time. The mail was not sent.</source>
        <translation>E-posti server %1 ei vastanud õigeks ajaks. E-kirja ei saadetud.</translation>
    </message>
    <message id="2257">
        <source>The mail server %1 refused the log-on. Check the user name and the password. The mail was not sent.</source>
        <translation>E-posti server %1 keeldus sisselogimisest. Kontrollige kasutajanime ja parooli. E-kirja ei saadetud.</translation>
    </message>
    <message id="2258">
        <source>The mail server %1 does not offer an encrypted connection (STARTTLS), so Kolekt did not send the password. The mail was not sent.</source>
        <translation>E-posti server %1 ei paku krüpteeritud ühendust (STARTTLS), seega ei saatnud Kolekt parooli. E-kirja ei saadetud.</translation>
    </message>
    <message id="2259">
        <source>No secure connection to the mail server %1 could be made: its certificate was not accepted. The mail was not sent.</source>
        <translation>E-posti serveriga %1 ei õnnestunud turvalist ühendust luua: selle sertifikaati ei aktsepteeritud. E-kirja ei saadetud.</translation>
    </message>
    <message id="2260">
        <source>The mail server %1 refused the mail. The mail was not sent.</source>
        <translation>E-posti server %1 keeldus kirja vastu võtmast, seega e-kirja ei saadetud.</translation>
    </message>
    <message id="2300">
        <source>&amp;Language</source>
        <translation>&amp;Keel</translation>
    </message>
    <message id="2301">
        <source>The language &quot;%1&quot; is not known. Kolekt knows these languages: %2.</source>
        <translation>Keel „%1“ on tundmatu. Kolekt tunneb neid keeli: %2.</translation>
    </message>
    <message id="2302">
        <source>The code page &quot;%1&quot; is not known. Kolekt reads collection files in these code pages: %2.</source>
        <translation>Koodileht „%1“ on tundmatu. Kolekt loeb kogumisfaile neis koodilehtedes: %2.</translation>
    </message>
    <message id="2303">
        <source>&amp;Yes</source>
        <translation>&amp;Jah</translation>
    </message>
    <message id="2304">
        <source>&amp;No</source>
        <translation>&amp;Ei</translation>
    </message>
    <message id="2390">
        <source>Field Service Reports</source>
        <translation>Teenistusaruanded</translation>
    </message>
    <message id="2391">
        <source>Post the monthly field service reports of a group and return them to the secretary</source>
        <translation>Sisestage rühma igakuised teenistusaruanded ja saatke need sekretärile</translation>
    </message>
    <message id="2392">
        <source>Collect the monthly field service reports of a group</source>
        <translation>Rühma igakuiste teenistusaruannete kogumine</translation>
    </message>
    <message id="2393">
        <source>Field service report collection</source>
        <translation>Teenistusaruannete kogumisfail</translation>
    </message>
    <message id="2400">
        <source>Low Memory</source>
        <translation>Mälu on vähe</translation>
    </message>
    <message id="2401">
        <source>No Printer</source>
        <translation>Printerit pole</translation>
    </message>
    <message id="2402">
        <source>Printing on %1 could not be started.</source>
        <translation>Printimist printeris %1 ei õnnestunud alustada.</translation>
    </message>
    <message id="2403">
        <source>Telephone service not available</source>
        <translation>Telefoniteenus pole saadaval</translation>
    </message>
    <message id="2404">
        <source>E-mail - </source>
        <translation>E-&amp;kiri - </translation>
    </message>
    <message id="2700">
        <source>Mail system DLL is invalid.</source>
        <translation>Meilisüsteemi DLL on vigane.</translation>
    </message>
    <message id="2701">
        <source>bad procaddress</source>
        <translation>vigane protseduuri aadress</translation>
    </message>
    <message id="2800">
        <source>Kolekt could not store its settings in
%1
The file or its lock file beside it may be write-protected, held by another program, a link, a folder or a special file, or the disk may be full. Your collection files are not affected; only what Kolekt remembers for the next start (the file open last, the language, the mail settings) is not stored.</source>
        <translation>Kolekt ei saanud oma seadeid salvestada faili
%1
See fail või selle kõrval olev lukufail võib olla kirjutuskaitstud, teise programmi käes, link, kaust või erifail, või võib ketas olla täis. Teie aruandefaile see ei puuduta; salvestamata jääb ainult see, mida Kolekt järgmiseks käivitamiseks meeles peab (viimati avatud fail, keel, e-posti seaded).</translation>
    </message>
    <message id="61712">
        <source>Please enter an integer.</source>
        <translation>Sisestage täisarv.</translation>
    </message>
    <message id="61714">
        <source>Please enter an integer between %1 and %2.</source>
        <translation>Sisestage täisarv vahemikus %1 kuni %2.</translation>
    </message>
    <message id="61840">
        <source>No mail program was found.</source>
        <translation>E-postiprogrammi ei leitud.</translation>
    </message>
    <message id="61841">
        <source>The mail settings are not usable.</source>
        <translation>E-posti seaded ei ole kasutatavad.</translation>
    </message>
    <message id="61842">
        <source>Send Mail failed to send message.</source>
        <translation>E-kirja saatmine ebaõnnestus.</translation>
    </message>
    <message id="2350">
        <source>The collection file's code page (%2) cannot hold these characters of the remark: %1
Each of them would be stored as "?".

Store the remark like this? Otherwise it stays open for you to change it.</source>
        <translation>Kogumisfaili koodileht (%2) ei sisalda märkuse neid märke: %1
Igaüks neist salvestataks kujul „?“.

Kas salvestada märkus sellisena? Muidu jääb see avatuks, et saaksite seda muuta.</translation>
    </message>
    <message id="2500">
        <source>%1 left</source>
        <translation>jäänud %1</translation>
    </message>
    <message id="2600">
        <source>Group #%1</source>
        <translation>Rühm nr %1</translation>
    </message>
    <message id="2601">
        <source>Call the telephone number shown</source>
        <translation>Helista näidatud telefoninumbrile</translation>
    </message>
    <message id="2602">
        <source>Field service report for %MONTH% %YEAR%</source>
        <translation>Teenistusaruanne (%MONTH% %YEAR%)</translation>
    </message>
    <message id="2603">
        <source>Dear %NAME%,

Please submit your report for %MONTH% %YEAR%.
Thank you.</source>
        <translation>Tere, %NAME%!

Palun esitage oma teenistusaruanne (%MONTH% %YEAR%).
Aitäh!</translation>
    </message>
    <message id="2604">
        <source>Copy Message</source>
        <translation>Kopeeri sõnum</translation>
    </message>
    <message id="2605">
        <source>Show File in Folder</source>
        <translation>Näita faili kaustas</translation>
    </message>
    <message id="2606">
        <source>

The file to attach to the mail is:
%1</source>
        <translation>

E-kirjale tuleb lisada see fail:
%1</translation>
    </message>
    <message id="2607">
        <source>No file manager was found to show the file.</source>
        <translation>Ei leitud failihaldurit, mis faili näitaks.</translation>
    </message>
    <message id="2608">
        <source>Remind All Missing</source>
        <translation>T&amp;uleta meelde kõigile puudujatele</translation>
    </message>
    <message id="2609">
        <source>Send a reminder to each of these %1 publishers whose report is missing, one message each?%2</source>
        <translation>Kas saata igale neist %1 kuulutajast, kelle aruanne puudub, eraldi meeldetuletus?%2</translation>
    </message>
    <message id="2610">
        <source>

These publishers have no usable e-mail address and get no reminder:%1</source>
        <translation>

Neil kuulutajatel pole kasutatavat e-posti aadressi ja nad ei saa meeldetuletust:%1</translation>
    </message>
    <message id="2611">
        <source>No publisher whose report is missing has a usable e-mail address.</source>
        <translation>Ühelgi kuulutajal, kelle aruanne puudub, pole kasutatavat e-posti aadressi.</translation>
    </message>
    <message id="2612">
        <source>The mail program will now open %1 messages, one for each publisher. Check and send each of them there.</source>
        <translation>E-posti programm avab nüüd %1 kirja, ühe iga kuulutaja jaoks. Kontrollige ja saatke igaüks neist sealt.</translation>
    </message>
    <message id="2613">
        <source>%1 of %2 reminders were sent.</source>
        <translation>Saadeti %1 meeldetuletust %2-st.</translation>
    </message>
    <message id="2614">
        <source>%1 of %2 reminders were opened in the mail program.</source>
        <translation>E-posti programmis avati %1 meeldetuletust %2-st.</translation>
    </message>
    <message id="2615">
        <source>Sending reminder %1 of %2 through %3...</source>
        <translation>Saadetakse meeldetuletust %1/%2 serveri %3 kaudu...</translation>
    </message>
    <message id="2616">
        <source>Mail Settings...</source>
        <translation>E-&amp;posti seaded...</translation>
    </message>
    <message id="2617">
        <source>Mail Settings</source>
        <translation>E-posti seaded</translation>
    </message>
    <message id="2618">
        <source>Mail &amp;server:</source>
        <translation>E-posti &amp;server:</translation>
    </message>
    <message id="2619">
        <source>Leave it empty to use the desktop's mail program; for example smtps://mail.example.org</source>
        <translation>Töölaua e-posti programmi kasutamiseks jätke tühjaks; näiteks smtps://mail.example.org</translation>
    </message>
    <message id="2620">
        <source>Sender &amp;address:</source>
        <translation>Saatja &amp;aadress:</translation>
    </message>
    <message id="2621">
        <source>&amp;User name:</source>
        <translation>&amp;Kasutajanimi:</translation>
    </message>
    <message id="2622">
        <source>&amp;Password:</source>
        <translation>&amp;Parool:</translation>
    </message>
    <message id="2623">
        <source>&amp;Remember the password in the desktop's keyring</source>
        <translation>&amp;Jäta parool töölaua võtmehoidjasse meelde</translation>
    </message>
    <message id="2624">
        <source>Your &amp;name (signs the reminders):</source>
        <translation>Teie &amp;nimi (meeldetuletuste allkiri):</translation>
    </message>
    <message id="2625">
        <source>Reminder sub&amp;ject:</source>
        <translation>Meeldetuletuse &amp;teema:</translation>
    </message>
    <message id="2626">
        <source>Reminder te&amp;xt:</source>
        <translation>Meeldetuletuse t&amp;ekst:</translation>
    </message>
    <message id="2627">
        <source>%NAME% stands for the publisher's first name, %MONTH% and %YEAR% for the month and its year, %GROUP% for the group's number.</source>
        <translation>%NAME% tähistab kuulutaja eesnime, %MONTH% ja %YEAR% kuud ja selle aastat, %GROUP% rühma numbrit.</translation>
    </message>
    <message id="2628">
        <source>Send &amp;Test Message</source>
        <translation>Saada p&amp;roovikiri</translation>
    </message>
    <message id="2629">
        <source>Kolekt test message</source>
        <translation>Kolekti proovikiri</translation>
    </message>
    <message id="2630">
        <source>This message shows that Kolekt can send mail with these settings.</source>
        <translation>See kiri näitab, et Kolekt saab nende seadetega e-kirju saata.</translation>
    </message>
    <message id="2631">
        <source>The mail server %1 accepted the test message to %2.</source>
        <translation>E-posti server %1 võttis proovikirja aadressile %2 vastu.</translation>
    </message>
    <message id="2632">
        <source>The test message to %1 was handed to the desktop's mail program.</source>
        <translation>Proovikiri aadressile %1 anti üle töölaua e-posti programmile.</translation>
    </message>
    <message id="2633">
        <source>Enter your own e-mail address as the sender: the test message goes to it.</source>
        <translation>Sisestage saatjaks oma e-posti aadress: proovikiri saadetakse sinna.</translation>
    </message>
    <message id="2634">
        <source>The password could not be kept in the desktop's keyring:
%1</source>
        <translation>Parooli ei õnnestunud töölaua võtmehoidjasse salvestada:
%1</translation>
    </message>
    <message id="2635">
        <source>Guide</source>
        <translation>Juhend</translation>
    </message>
    <message id="2636">
        <source>Kolekt Guide</source>
        <translation>Kolekti juhend</translation>
    </message>
    <message id="2637">
        <source>&amp;Search:</source>
        <translation>&amp;Otsi:</translation>
    </message>
    <message id="2638">
        <source>Sections of the guide</source>
        <translation>Juhendi osad</translation>
    </message>
    <message id="2501">
        <source>Undo posting %1 (%2)</source>
        <translation>&amp;Võta tagasi %1 sisestus (%2)</translation>
    </message>
    <message id="2502">
        <source>There is nothing to undo. Only reports posted to this file since Kolekt was started can be undone.</source>
        <translation>Pole midagi tagasi võtta. Tagasi saab võtta ainult aruandeid, mis on sellesse faili sisestatud pärast Kolekti käivitamist.</translation>
    </message>
    <message id="2503">
        <source>shared</source>
        <translation>osales</translation>
    </message>
    <message id="2504">
        <source>not shared</source>
        <translation>ei osalenud</translation>
    </message>
    <message id="2505">
        <source>hours: %1</source>
        <translation>tunnid: %1</translation>
    </message>
    <message id="2506">
        <source>studies: %1</source>
        <translation>piiliuurimised: %1</translation>
    </message>
    <message id="2507">
        <source>remark</source>
        <translation>märkus</translation>
    </message>
    <message id="2508">
        <source>%1 – %2: %3</source>
        <translation>%1 – %2: %3</translation>
    </message>
    <message id="2509">
        <source>&amp;Undo</source>
        <translation>&amp;Võta tagasi</translation>
    </message>
    <message id="2510">
        <source>reported</source>
        <translation>aruanne olemas</translation>
    </message>
    <message id="2511">
        <source>missing</source>
        <translation>puudub</translation>
    </message>
    <message id="2512">
        <source>remark only</source>
        <translation>ainult märkus</translation>
    </message>
    <message id="2513">
        <source>late report for %1 posted</source>
        <translation>hilinenud aruanne (%1) sisestatud</translation>
    </message>
    <message id="2514">
        <source>%1: %2 of %3 reported</source>
        <translation>%1: %2/%3 aruannet olemas</translation>
    </message>
    <message id="2515">
        <source>Pioneer hours: %1 · Bible studies: %2</source>
        <translation>Pioneeritunnid: %1 · Uurimised: %2</translation>
    </message>
    <message id="2516">
        <source>All reports are in: now "%1".</source>
        <translation>Kõik aruanded on olemas: nüüd „%1“.</translation>
    </message>
    <message id="2517">
        <source>These reports are still missing: %1

Create the file for the secretary all the same?</source>
        <translation>Need aruanded on veel puudu: %1

Kas luua sekretäri fail siiski?</translation>
    </message>
    <message id="2518">
        <source>Open the file the secretary sent you: "%1", or drop the .k09 file on this window.</source>
        <translation>Avage fail, mille sekretär teile saatis: „%1“, või lohistage .k09-fail sellesse aknasse.</translation>
    </message>
    <message id="2519">
        <source>Last twelve months</source>
        <translation>Viimased kaksteist kuud</translation>
    </message>
    <message id="2520">
        <source>late</source>
        <translation>hilinenud</translation>
    </message>
    <message id="2521">
        <source>Service year so far: hours: %1</source>
        <translation>Teenistusaasta seni: tunnid: %1</translation>
    </message>
    <message id="2900">
        <source>Group &amp;Year</source>
        <translation>&amp;Rühma aasta</translation>
    </message>
    <message id="2901">
        <source>Group Year</source>
        <translation>Rühma aasta</translation>
    </message>
    <message id="2902">
        <source>Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec</source>
        <translation>jaan veebr märts apr mai juuni juuli aug sept okt nov dets</translation>
    </message>
    <message id="2903">
        <source>%1 h</source>
        <translation>%1 t</translation>
    </message>
    <message id="2904">
        <source>%1 BS</source>
        <translation>%1 PU</translation>
    </message>
    <message id="2905">
        <source>Reported</source>
        <translation>Aruandnud</translation>
    </message>
    <message id="2906">
        <source>%1 of %2 reported</source>
        <translation>aruande andis %1 / %2</translation>
    </message>
    <message id="2907">
        <source>%1, %2: %3</source>
        <translation>%1, %2: %3</translation>
    </message>
    <message id="2908">
        <source>Reports each month</source>
        <translation>Aruanded kuude kaupa</translation>
    </message>
    <message id="2909">
        <source>Save as P&amp;DF...</source>
        <translation>Salvesta P&amp;DF-failina...</translation>
    </message>
    <message id="2910">
        <source>Save the Group Year as PDF</source>
        <translation>Salvesta rühma aasta PDF-failina</translation>
    </message>
    <message id="2911">
        <source>PDF documents</source>
        <translation>PDF-dokumendid</translation>
    </message>
    <message id="2912">
        <source>✓ shared · ○ not shared · h hours · BS Bible studies · * remark</source>
        <translation>✓ osales · ○ ei osalenud · t tunnid · PU piibliuurimised · * märkus</translation>
    </message>
    <message id="2913">
        <source>Its folder may be missing, read-only or full.</source>
        <translation>Selle kaust võib puududa, olla kirjutuskaitstud või täis.</translation>
    </message>
    <message id="2850">
        <source>Kolekt could not save %1.</source>
        <translation>Kolekt ei saanud faili %1 salvestada.</translation>
    </message>
    <message id="2851">
        <source>The file, its folder or the disk is read-only: remove the read-only attribute or obtain permission to create files in its folder.</source>
        <translation>Fail, selle kaust või ketas on kirjutuskaitstud: eemaldage kirjutuskaitse või hankige luba selle kausta failide loomiseks.</translation>
    </message>
    <message id="2852">
        <source>The disk is full (%1): make room on it or use another disk.</source>
        <translation>Ketas on täis (%1): vabastage sellel ruumi või kasutage teist ketast.</translation>
    </message>
    <message id="2853">
        <source>Its name or path is too long for this file system (%1): give it a shorter name or move it to a folder with a shorter path.</source>
        <translation>Selle nimi või tee on selle failisüsteemi jaoks liiga pikk (%1): andke sellele lühem nimi või teisaldage see lühema teega kausta.</translation>
    </message>
    <message id="2854">
        <source>You may not create or replace files in its folder (%1): the folder is not writable for you, or it is a shared folder where only a file's owner may replace it. Ask the folder's owner, or copy the file to a folder of your own.</source>
        <translation>Teil ei ole lubatud selle kaustas faile luua ega asendada (%1): kaust ei ole teile kirjutatav või on see jagatud kaust, kus faili võib asendada ainult selle omanik. Küsige kausta omanikult või kopeerige fail oma kausta.</translation>
    </message>
    <message id="2855">
        <source>The file system there cannot do what saving needs (%1): copy the file to another disk or folder.</source>
        <translation>Sealne failisüsteem ei võimalda seda, mida salvestamine vajab (%1): kopeerige fail teisele kettale või teise kausta.</translation>
    </message>
    <message id="2856">
        <source>The system reports: %1.</source>
        <translation>Süsteem teatab: %1.</translation>
    </message>
    <message id="2857">
        <source>%1 holds %3 bytes after its last remark, which are not part of a collection file.
Kolekt ignores them, and the next save writes the file without them.</source>
        <translation>Failis %1 on pärast viimast märkust %3 baiti, mis ei kuulu kogumisfaili juurde.
Kolekt jätab need vahele ja järgmine salvestamine kirjutab faili ilma nendeta.</translation>
    </message>
    <message id="2858">
        <source>%1 was saved, but it now belongs to you and your group: Kolekt could keep neither its owner nor its group, so some who could read it before may no longer be able to.
Ask the file's owner or an administrator to give it back its owner or group.</source>
        <translation>%1 salvestati, kuid kuulub nüüd teile ja teie grupile: Kolekt ei suutnud säilitada selle omanikku ega gruppi, nii et mõned, kes said seda varem lugeda, ei pruugi seda enam saada.
Paluge faili omanikul või administraatoril taastada selle omanik või grupp.</translation>
    </message>
    <message id="2859">
        <source>The folder it was opened from is no longer there: perhaps a stick or a network drive was removed. Put it back, and the next post saves every report posted since.</source>
        <translation>Kausta, kust fail avati, enam ei ole: võib-olla eemaldati mälupulk või võrguketas. Ühendage see uuesti; järgmine sisestus salvestab kõik vahepeal sisestatud aruanded.</translation>
    </message>
</context>
</TS>
