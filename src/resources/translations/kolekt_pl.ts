<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL" sourcelanguage="en">
<context>
    <name></name>
    <message id="101">
        <source>&amp;About Kolekt...</source>
        <translation>&amp;O programie Kolekt...</translation>
    </message>
    <message id="102">
        <source>January</source>
        <translation>styczeń</translation>
    </message>
    <message id="103">
        <source>February</source>
        <translation>luty</translation>
    </message>
    <message id="104">
        <source>March</source>
        <translation>marzec</translation>
    </message>
    <message id="105">
        <source>April</source>
        <translation>kwiecień</translation>
    </message>
    <message id="106">
        <source>May</source>
        <translation>maj</translation>
    </message>
    <message id="107">
        <source>June</source>
        <translation>czerwiec</translation>
    </message>
    <message id="108">
        <source>July</source>
        <translation>lipiec</translation>
    </message>
    <message id="109">
        <source>August</source>
        <translation>sierpień</translation>
    </message>
    <message id="110">
        <source>September</source>
        <translation>wrzesień</translation>
    </message>
    <message id="111">
        <source>October</source>
        <translation>październik</translation>
    </message>
    <message id="112">
        <source>November</source>
        <translation>listopad</translation>
    </message>
    <message id="113">
        <source>December</source>
        <translation>grudzień</translation>
    </message>
    <message id="114">
        <source>Change &amp;Month ( late report )</source>
        <translation>Zmień &amp;miesiąc (spóźnione)</translation>
    </message>
    <message id="1000">
        <source>Post - %1</source>
        <translation>&amp;Wpisz - %1</translation>
    </message>
    <message id="1001">
        <source>Missing %1 Reports</source>
        <translation>Brakujące sprawozdania za %1</translation>
    </message>
    <message id="1002">
        <source>Select Collection File from Secretary</source>
        <translation>Wybierz plik do zbierania sprawozdań od sekretarza</translation>
    </message>
    <message id="1003">
        <source>Collection Files from Secretary (.k09)</source>
        <translation>Pliki do zbierania sprawozdań od sekretarza (.k09)</translation>
    </message>
    <message id="1014">
        <source>Hours</source>
        <translation>godz.</translation>
    </message>
    <message id="1019">
        <source>Remarks</source>
        <translation>Uwagi</translation>
    </message>
    <message id="1020">
        <source>AuxP</source>
        <translation>Pion.p.</translation>
    </message>
    <message id="1023">
        <source>Ministerial Servant</source>
        <translation>Sługa pomocniczy</translation>
    </message>
    <message id="1024">
        <source>Elder</source>
        <translation>Starszy</translation>
    </message>
    <message id="1025">
        <source>Baptized Brother</source>
        <translation>Ochrzczony brat</translation>
    </message>
    <message id="1026">
        <source>Auxiliary Pioneer</source>
        <translation>Pionier pomocniczy</translation>
    </message>
    <message id="1027">
        <source>Regular Pioneer</source>
        <translation>Pionier stały</translation>
    </message>
    <message id="1029">
        <source>Special Pioneer</source>
        <translation>Pionier specjalny</translation>
    </message>
    <message id="1030">
        <source>- WARNING -   You have already posted the %1 report for %2.</source>
        <translation>- UWAGA -   %2: sprawozdanie za %1 zostało już wpisane.</translation>
    </message>
    <message id="1031">
        <source>Changes WILL NOT BE INCLUDED in the %1 report to the branch office.</source>
        <translation>Zmiany NIE ZOSTANĄ UWZGLĘDNIONE w sprawozdaniu za %1 dla Biura Oddziału.</translation>
    </message>
    <message id="1032">
        <source>Any changes WILL BE INCLUDED in the %1 report to the branch office.</source>
        <translation>Ewentualne zmiany ZOSTANĄ UWZGLĘDNIONE w sprawozdaniu za %1 dla Biura Oddziału.</translation>
    </message>
    <message id="1033">
        <source>Out of Space for Remarks</source>
        <translation>Brak miejsca na uwagi</translation>
    </message>
    <message id="1038">
        <source>Your updates have been saved in a file at
%1</source>
        <translation>Zmiany zostały zapisane w pliku
%1</translation>
    </message>
    <message id="1039">
        <source>

Click Yes to E-mail the .k19 file to </source>
        <translation>

Kliknij Tak, aby wysłać plik .k19 e-mailem na adres </translation>
    </message>
    <message id="1040">
        <source>Click No to send the file to the secretary later.</source>
        <translation>Kliknij Nie, aby wysłać plik sekretarzowi później.</translation>
    </message>
    <message id="1041">
        <source>,
       or
</source>
        <translation>,
       lub
</translation>
    </message>
    <message id="1042">
        <source>Collection File</source>
        <translation>Plik ze sprawozdaniami</translation>
    </message>
    <message id="1043">
        <source>.k19 file for</source>
        <translation>- plik .k19 -</translation>
    </message>
    <message id="1058">
        <source>Group</source>
        <translation>Grupa</translation>
    </message>
    <message id="1059">
        <source>Tips for using Kolekt   Important!  Your secretary must be running Scriba version 10 or later.

From your secretary, obtain a Group.k09 file for the month you are collecting.  </source>
        <translation>Wskazówki do programu Kolekt   Ważne!  Sekretarz musi używać programu Scriba w wersji 10 lub nowszej.

Poproś sekretarza o plik Group.k09 za miesiąc, za który zbierasz sprawozdania.  </translation>
    </message>
    <message id="1060">
        <source>Drop the file on your Kolekt icon or launch Kolekt and use the &apos;Load New List from Secretary&apos; button to open the file.

</source>
        <translation>Przeciągnij plik na ikonę programu Kolekt albo uruchom Kolekt i otwórz plik przyciskiem „Wczytaj nową listę od sekretarza”.

</translation>
    </message>
    <message id="1061">
        <source>You&apos;ll find it easy to enter reports using only the keyboard.  Type the first two or three characters of the last name.  Use the up/down arrows to select the name and press Enter.

</source>
        <translation>Sprawozdania łatwo wpiszesz samą klawiaturą.  Wpisz pierwsze dwie lub trzy litery nazwiska.  Strzałkami w górę i w dół wybierz osobę i naciśnij Enter.

</translation>
    </message>
    <message id="1062">
        <source>Enter the report terminating each entry with the Enter key.  Press Enter after the last field to return to the selection list.

</source>
        <translation>Każdą pozycję sprawozdania zatwierdzaj klawiszem Enter.  Enter w ostatnim polu przenosi z powrotem do listy.

</translation>
    </message>
    <message id="1063">
        <source>To enter remarks, type Alt-R or click the Remarks button.  Terminate with the Enter key.

To enter a late report, type Alt-M or click the Change Month button.

</source>
        <translation>Aby wpisać uwagi, naciśnij Alt-U lub kliknij przycisk Uwagi.  Zakończ klawiszem Enter.

Aby wpisać spóźnione sprawozdanie, naciśnij Alt-M lub kliknij przycisk Zmień miesiąc.

</translation>
    </message>
    <message id="1064">
        <source>If you have a mail program, you can send report reminders to publishers.

</source>
        <translation>Jeśli masz program pocztowy, możesz wysyłać głosicielom przypomnienia o sprawozdaniu.

</translation>
    </message>
    <message id="1065">
        <source>If you have a mail program, you can also e-mail the results to the secretary directly from the program.

</source>
        <translation>Jeśli masz program pocztowy, możesz też wysłać wyniki sekretarzowi e-mailem bezpośrednio z programu.

</translation>
    </message>
    <message id="1066">
        <source>Otherwise, you will need to manually attach the .k19 file to an email or deliver it to the secretary on portable media.</source>
        <translation>W przeciwnym razie musisz ręcznie dołączyć plik .k19 do e-maila albo przekazać go sekretarzowi na nośniku przenośnym.</translation>
    </message>
    <message id="1116">
        <source>Total Publishers</source>
        <translation>Głosicieli ogółem</translation>
    </message>
    <message id="1167">
        <source>Name</source>
        <translation>Imię i nazwisko</translation>
    </message>
    <message id="1168">
        <source>Telephone</source>
        <translation>Telefon</translation>
    </message>
    <message id="1188">
        <source>%1 Report Collection</source>
        <translation>Zbieranie sprawozdań za %1</translation>
    </message>
    <message id="1194">
        <source>Special Pioneers are NOT INCLUDED in Report to Branch</source>
        <translation>Pionierzy specjalni NIE SĄ UWZGLĘDNIANI w sprawozdaniu dla Biura Oddziału</translation>
    </message>
    <message id="1198">
        <source>eng</source>
        <translation>Polish</translation>
    </message>
    <message id="1231">
        <source>Unable to create new file: %1.
Remove the read-only attribute from the directory / file or obtain permission to create files in this directory.</source>
        <translation>Nie można utworzyć nowego pliku: %1.
Usuń atrybut „tylko do odczytu” z katalogu / pliku albo uzyskaj uprawnienia do tworzenia plików w tym katalogu.</translation>
    </message>
    <message id="1232">
        <source>Group has less than 3 publishers</source>
        <translation>Grupa ma mniej niż 3 głosicieli</translation>
    </message>
    <message id="1233">
        <source>%1 is not a collection file from the secretary.
It was not opened, and Kolekt will not write to it.</source>
        <translation>%1 nie jest plikiem do zbierania sprawozdań od sekretarza.
Nie został otwarty i Kolekt nie będzie w nim niczego zapisywać.</translation>
    </message>
    <message id="1247">
        <source>Report Collection Form</source>
        <translation>Formularz zbierania sprawozdań</translation>
    </message>
    <message id="1415">
        <source>Plcmts</source>
        <translation>Publ.</translation>
    </message>
    <message id="1416">
        <source>Videos</source>
        <translation>Filmy</translation>
    </message>
    <message id="1417">
        <source>Hours</source>
        <translation>Godz.</translation>
    </message>
    <message id="1418">
        <source>R.Visits</source>
        <translation>Odw.p.</translation>
    </message>
    <message id="1419">
        <source>Studies</source>
        <translation>Studia</translation>
    </message>
    <message id="1495">
        <source>Shared in any form of the ministry during the month</source>
        <translation>W ciągu miesiąca uczestniczył(a) w jakiejś formie służby</translation>
    </message>
    <message id="1500">
        <source>Shared</source>
        <translation>Głosił(a)</translation>
    </message>
    <message id="2000">
        <source>Field Service Reports</source>
        <translation>Sprawozdania ze służby</translation>
    </message>
    <message id="2001">
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message id="2002">
        <source>Exit Program</source>
        <translation>Za&amp;kończ program</translation>
    </message>
    <message id="2003">
        <source>Limit List to Missing Reports</source>
        <translation>Pokaż tylko &amp;brakujące sprawozdania</translation>
    </message>
    <message id="2004">
        <source> Last Person Posted </source>
        <translation> Ostatni wpis </translation>
    </message>
    <message id="2005">
        <source>Load New List from Secretary</source>
        <translation>Wczytaj &amp;nową listę od sekretarza</translation>
    </message>
    <message id="2006">
        <source>Create File for Secretary</source>
        <translation>&amp;Utwórz plik dla sekretarza</translation>
    </message>
    <message id="2007">
        <source>Dial</source>
        <translation>&amp;Zadzwoń</translation>
    </message>
    <message id="2008">
        <source>Help</source>
        <translation>Po&amp;moc</translation>
    </message>
    <message id="2009">
        <source>View or Print Report Collection List</source>
        <translation>&amp;Podgląd lub wydruk listy sprawozdań</translation>
    </message>
    <message id="2010">
        <source>Preview E-mail</source>
        <translation>Podgląd &amp;e-maila</translation>
    </message>
    <message id="2020">
        <source>Shared in Ministry</source>
        <translation>Głosił(a)</translation>
    </message>
    <message id="2021">
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message id="2022">
        <source>&amp;Cancel</source>
        <translation>&amp;Anuluj</translation>
    </message>
    <message id="2023">
        <source>&amp;Remarks</source>
        <translation>&amp;Uwagi</translation>
    </message>
    <message id="2024">
        <source>Auxiliary Pioneer</source>
        <translation>Pionier pomocniczy</translation>
    </message>
    <message id="2025">
        <source>&lt;1h</source>
        <translation>&lt;1h</translation>
    </message>
    <message id="2040">
        <source>&amp;Close</source>
        <translation>&amp;Zamknij</translation>
    </message>
    <message id="2041">
        <source>&amp;Print</source>
        <translation>&amp;Drukuj</translation>
    </message>
    <message id="2042">
        <source>Print &amp;Setup</source>
        <translation>&amp;Ustawienia druku</translation>
    </message>
    <message id="2060">
        <source>About Kolekt</source>
        <translation>O programie Kolekt</translation>
    </message>
    <message id="2061">
        <source>Kolekt Version 5a</source>
        <translation>Kolekt wersja 5a</translation>
    </message>
    <message id="2062">
        <source>GNU GPL 3 or later</source>
        <translation>GNU GPL 3 lub nowsza</translation>
    </message>
    <message id="2063">
        <source>Questions and fixes: kolekt@example.org</source>
        <translation>Pytania i poprawki: kolekt@example.org</translation>
    </message>
    <message id="2064">
        <source>Requires Groupx.k09 files from Scriba Version 10a or later</source>
        <translation>Wymaga plików Groupx.k09 z programu Scriba w wersji 10a lub nowszej</translation>
    </message>
    <message id="2100">
        <source>Kolekt cannot open %1:
the file does not exist. It may have been moved, renamed or deleted.</source>
        <translation>Kolekt nie może otworzyć %1:
ten plik nie istnieje. Mógł zostać przeniesiony lub usunięty albo mieć zmienioną nazwę.</translation>
    </message>
    <message id="2101">
        <source>Kolekt cannot open %1:
the file cannot be read. Ask the owner of the file or of its folder for permission to read it.</source>
        <translation>Kolekt nie może otworzyć %1:
nie da się odczytać tego pliku. Poproś właściciela pliku lub jego katalogu o uprawnienia do odczytu.</translation>
    </message>
    <message id="2102">
        <source>Kolekt cannot open %1:
it is not a regular file but a folder or a special file. Choose the collection file from the secretary.</source>
        <translation>Kolekt nie może otworzyć %1:
to nie jest zwykły plik, tylko katalog lub plik specjalny. Wybierz plik do zbierania sprawozdań od sekretarza.</translation>
    </message>
    <message id="2103">
        <source>%1 is incomplete: it ends early, and %3 of its %4 publisher records are missing, as after a copy or download that was cut off.
You can view and print it, but Kolekt will not save anything to it. Ask the secretary for the file again.</source>
        <translation>Plik %1 jest niekompletny: kończy się przedwcześnie i brakuje w nim %3 z %4 zapisów głosicieli, jak po przerwanym kopiowaniu lub pobieraniu.
Możesz go przeglądać i drukować, ale Kolekt niczego w nim nie zapisze. Poproś sekretarza o ponowne przesłanie pliku.</translation>
    </message>
    <message id="2104">
        <source>%1 is incomplete: it ends early, and %3 of its %4 remarks are missing, as after a copy or download that was cut off.
You can view and print it, but Kolekt will not save anything to it. Ask the secretary for the file again.</source>
        <translation>Plik %1 jest niekompletny: kończy się przedwcześnie i brakuje w nim %3 z %4 uwag, jak po przerwanym kopiowaniu lub pobieraniu.
Możesz go przeglądać i drukować, ale Kolekt niczego w nim nie zapisze. Poproś sekretarza o ponowne przesłanie pliku.</translation>
    </message>
    <message id="2105">
        <source>%1 is incomplete, so Kolekt saves nothing to it and makes no file for the secretary from it.
Ask the secretary for the file again.</source>
        <translation>Plik %1 jest niekompletny, dlatego Kolekt niczego w nim nie zapisze ani nie utworzy z niego pliku dla sekretarza.
Poproś sekretarza o ponowne przesłanie pliku.</translation>
    </message>
    <message id="2106">
        <source>Reports cannot be posted to %1, because the file is incomplete and Kolekt will not save to it.
Ask the secretary for the file again.</source>
        <translation>Nie można wpisywać sprawozdań do pliku %1, ponieważ jest niekompletny i Kolekt nie będzie w nim niczego zapisywać.
Poproś sekretarza o ponowne przesłanie pliku.</translation>
    </message>
    <message id="2107">
        <source>%1 is already open in another Kolekt.
A collection file can be open in only one Kolekt at a time, so that no report posted in one is lost by the other. Close it there, then open it here.</source>
        <translation>Plik %1 jest już otwarty w innym oknie programu Kolekt.
Plik do zbierania sprawozdań może być otwarty naraz tylko w jednym oknie programu Kolekt, aby sprawozdanie wpisane w jednym oknie nie przepadło przez drugie. Zamknij go tam, a potem otwórz tutaj.</translation>
    </message>
    <message id="2108">
        <source>%1 was changed or replaced by another program since Kolekt opened it.
So that neither version is lost, Kolekt did not overwrite it and saved your collection as
%2
Kolekt goes on with that file.</source>
        <translation>Od chwili otwarcia w programie Kolekt plik %1 został zmieniony lub zastąpiony przez inny program.
Aby żadna z wersji nie przepadła, Kolekt go nie nadpisał, tylko zapisał zebrane sprawozdania jako
%2
Kolekt pracuje dalej z tym plikiem.</translation>
    </message>
    <message id="2109">
        <source>Kolekt could not save the collection to %1.
So that no report is lost, it was saved as
%2
Open that file with &quot;Load New List from Secretary&quot; to go on with it.</source>
        <translation>Kolekt nie mógł zapisać zebranych sprawozdań w pliku %1.
Aby żadne sprawozdanie nie przepadło, zapisano je jako
%2
Aby dalej z nimi pracować, otwórz ten plik przyciskiem „Wczytaj nową listę od sekretarza”.</translation>
    </message>
    <message id="2110">
        <source>Kolekt could not save the collection to %1, nor to the folder %2.
The reports posted since it was last saved could not be kept.</source>
        <translation>Kolekt nie mógł zapisać zebranych sprawozdań ani w pliku %1, ani w katalogu %2.
Sprawozdań wpisanych od ostatniego zapisu nie udało się zachować.</translation>
    </message>
    <message id="2111">
        <source>Collections that could not be saved to their own files when Kolekt ended are kept in
%1
Open one with &quot;Load New List from Secretary&quot; to go on with it.</source>
        <translation>Pliki ze sprawozdaniami, których przy zamykaniu programu Kolekt nie udało się zapisać na ich miejscu, znajdują się w katalogu
%1
Aby dalej pracować z którymś z nich, otwórz go przyciskiem „Wczytaj nową listę od sekretarza”.</translation>
    </message>
    <message id="2120">
        <source>%1 cannot be opened: its lock file %2 is not a file Kolekt made (it is a link, a folder or a special file).
Remove it, then open the collection file again.</source>
        <translation>Nie można otworzyć pliku %1: jego plik blokady %2 nie jest plikiem utworzonym przez program Kolekt (jest to dowiązanie, folder lub plik specjalny).
Usuń go, a następnie otwórz plik ponownie.</translation>
    </message>
    <message id="2200">
        <source>Post</source>
        <translation>&amp;Wpisz</translation>
    </message>
    <message id="2201">
        <source>Print Setup</source>
        <translation>Ustawienia druku</translation>
    </message>
    <message id="2202">
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message id="2203">
        <source>The PDF file could not be written:
%1

%2</source>
        <translation>Nie udało się zapisać pliku PDF:
%1

%2</translation>
    </message>
    <message id="2204">
        <source>The printer %1 did not take the job:
%2</source>
        <translation>Drukarka %1 nie przyjęła zadania:
%2</translation>
    </message>
    <message id="2205">
        <source>Next Telephone Number</source>
        <translation>Następny numer telefonu</translation>
    </message>
    <message id="2206">
        <source>Next Page</source>
        <translation>Następna strona</translation>
    </message>
    <message id="2207">
        <source>Previous Page</source>
        <translation>Poprzednia strona</translation>
    </message>
    <message id="2250">
        <source>

The secretary&apos;s e-mail address in the file cannot be used, so the file cannot be e-mailed from here. Please hand it to the secretary yourself.</source>
        <translation>

Adresu e-mail sekretarza zapisanego w pliku nie da się użyć, więc nie można stąd wysłać pliku e-mailem. Przekaż go sekretarzowi osobiście.</translation>
    </message>
    <message id="2251">
        <source>Mail password for %1 on %2:</source>
        <translation>Hasło do poczty dla %1 na serwerze %2:</translation>
    </message>
    <message id="2252">
        <source>Sending the mail through %1...</source>
        <translation>Wysyłanie wiadomości przez serwer %1...</translation>
    </message>
    <message id="2253">
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message id="2254">
        <source>Sending was cancelled. The mail was not sent.</source>
        <translation>Wysyłanie zostało anulowane. Wiadomość nie została wysłana.</translation>
    </message>
    <message id="2255">
        <source>Kolekt could not connect to the mail server %1. The mail was not sent.</source>
        <translation>Kolekt nie mógł połączyć się z serwerem poczty %1. Wiadomość nie została wysłana.</translation>
    </message>
    <message id="2256">
        <source>The mail server %1 did not answer in time. The mail was not sent.</source>
        <translation>Serwer poczty %1 nie odpowiedział na czas. Wiadomość nie została wysłana.</translation>
    </message>
    <message id="2257">
        <source>The mail server %1 refused the log-on. Check the user name and the password. The mail was not sent.</source>
        <translation>Serwer poczty %1 odrzucił logowanie. Sprawdź nazwę użytkownika i hasło. Wiadomość nie została wysłana.</translation>
    </message>
    <message id="2258">
        <source>The mail server %1 does not offer an encrypted connection (STARTTLS), so Kolekt did not send the password. The mail was not sent.</source>
        <translation>Serwer poczty %1 nie oferuje szyfrowanego połączenia (STARTTLS), dlatego Kolekt nie wysłał hasła. Wiadomość nie została wysłana.</translation>
    </message>
    <message id="2259">
        <source>No secure connection to the mail server %1 could be made: its certificate was not accepted. The mail was not sent.</source>
        <translation>Nie udało się nawiązać bezpiecznego połączenia z serwerem poczty %1: jego certyfikat nie został zaakceptowany. Wiadomość nie została wysłana.</translation>
    </message>
    <message id="2260">
        <source>The mail server %1 refused the mail. The mail was not sent.</source>
        <translation>Serwer poczty %1 odrzucił wiadomość, więc nie została wysłana.</translation>
    </message>
    <message id="2300">
        <source>&amp;Language</source>
        <translation>&amp;Język</translation>
    </message>
    <message id="2301">
        <source>The language &quot;%1&quot; is not known. Kolekt knows these languages: %2.</source>
        <translation>Język „%1” jest nieznany. Kolekt zna te języki: %2.</translation>
    </message>
    <message id="2302">
        <source>The code page &quot;%1&quot; is not known. Kolekt reads collection files in these code pages: %2.</source>
        <translation>Strona kodowa „%1” jest nieznana. Kolekt odczytuje pliki do zbierania sprawozdań w tych stronach kodowych: %2.</translation>
    </message>
    <message id="2303">
        <source>&amp;Yes</source>
        <translation>&amp;Tak</translation>
    </message>
    <message id="2304">
        <source>&amp;No</source>
        <translation>&amp;Nie</translation>
    </message>
    <message id="2390">
        <source>Field Service Reports</source>
        <translation>Sprawozdania ze służby</translation>
    </message>
    <message id="2391">
        <source>Post the monthly field service reports of a group and return them to the secretary</source>
        <translation>Wpisuj miesięczne sprawozdania ze służby grupy i przekazuj je sekretarzowi</translation>
    </message>
    <message id="2392">
        <source>Collect the monthly field service reports of a group</source>
        <translation>Zbieranie miesięcznych sprawozdań ze służby grupy</translation>
    </message>
    <message id="2393">
        <source>Field service report collection</source>
        <translation>Plik do zbierania sprawozdań ze służby</translation>
    </message>
    <message id="2400">
        <source>Low Memory</source>
        <translation>Za mało pamięci</translation>
    </message>
    <message id="2401">
        <source>No Printer</source>
        <translation>Brak drukarki</translation>
    </message>
    <message id="2402">
        <source>Printing on %1 could not be started.</source>
        <translation>Nie udało się rozpocząć drukowania na drukarce %1.</translation>
    </message>
    <message id="2403">
        <source>Telephone service not available</source>
        <translation>Usługa telefoniczna jest niedostępna</translation>
    </message>
    <message id="2404">
        <source>E-mail - </source>
        <translation>E-ma&amp;il - </translation>
    </message>
    <message id="2700">
        <source>Mail system DLL is invalid.</source>
        <translation>Biblioteka DLL systemu poczty jest nieprawidłowa.</translation>
    </message>
    <message id="2701">
        <source>bad procaddress</source>
        <translation>nieprawidłowy adres procedury</translation>
    </message>
    <message id="2800">
        <source>Kolekt could not store its settings in
%1
The file or its lock file beside it may be write-protected, held by another program, a link, a folder or a special file, or the disk may be full. Your collection files are not affected; only what Kolekt remembers for the next start (the file open last, the language, the mail settings) is not stored.</source>
        <translation>Program Kolekt nie mógł zapisać swoich ustawień w pliku
%1
Ten plik lub plik blokady obok niego może być chroniony przed zapisem, zajęty przez inny program, być dowiązaniem, folderem lub plikiem specjalnym albo dysk może być pełny. Nie dotyczy to Twoich plików ze sprawozdaniami; nie zostanie zapisane tylko to, co Kolekt pamięta do następnego uruchomienia (ostatnio otwarty plik, język, ustawienia poczty).</translation>
    </message>
    <message id="61712">
        <source>Please enter an integer.</source>
        <translation>Wpisz liczbę całkowitą.</translation>
    </message>
    <message id="61714">
        <source>Please enter an integer between %1 and %2.</source>
        <translation>Wpisz liczbę całkowitą od %1 do %2.</translation>
    </message>
    <message id="61840">
        <source>No mail program was found.</source>
        <translation>Nie znaleziono programu pocztowego.</translation>
    </message>
    <message id="61841">
        <source>The mail settings are not usable.</source>
        <translation>Ustawień poczty nie da się użyć.</translation>
    </message>
    <message id="61842">
        <source>Send Mail failed to send message.</source>
        <translation>Nie udało się wysłać wiadomości.</translation>
    </message>
    <message id="2350">
        <source>The collection file's code page (%2) cannot hold these characters of the remark: %1
Each of them would be stored as "?".

Store the remark like this? Otherwise it stays open for you to change it.</source>
        <translation>Strona kodowa pliku do zbierania sprawozdań (%2) nie obejmuje tych znaków uwagi: %1
Każdy z nich zostałby zapisany jako „?”.

Zapisać uwagę w tej postaci? W przeciwnym razie pozostanie otwarta do poprawienia.</translation>
    </message>
    <message id="2500">
        <source>%1 left</source>
        <translation>zostało %1</translation>
    </message>
    <message id="2600">
        <source>Group #%1</source>
        <translation>Grupa nr %1</translation>
    </message>
    <message id="2601">
        <source>Call the telephone number shown</source>
        <translation>Zadzwoń pod wyświetlony numer telefonu</translation>
    </message>
    <message id="2602">
        <source>Field service report for %MONTH% %YEAR%</source>
        <translation>Sprawozdanie ze służby za %MONTH% %YEAR%</translation>
    </message>
    <message id="2603">
        <source>Dear %NAME%,

Please submit your report for %MONTH% %YEAR%.
Thank you.</source>
        <translation>Dzień dobry, %NAME%!

Proszę o przekazanie sprawozdania ze służby za %MONTH% %YEAR%.
Dziękuję.</translation>
    </message>
    <message id="2604">
        <source>Copy Message</source>
        <translation>Kopiuj wiadomość</translation>
    </message>
    <message id="2605">
        <source>Show File in Folder</source>
        <translation>Pokaż plik w folderze</translation>
    </message>
    <message id="2606">
        <source>

The file to attach to the mail is:
%1</source>
        <translation>

Do wiadomości trzeba dołączyć ten plik:
%1</translation>
    </message>
    <message id="2607">
        <source>No file manager was found to show the file.</source>
        <translation>Nie znaleziono menedżera plików, który mógłby pokazać plik.</translation>
    </message>
    <message id="2608">
        <source>Remind All Missing</source>
        <translation>Przypomnij &amp;wszystkim brakującym</translation>
    </message>
    <message id="2609">
        <source>Send a reminder to each of these %1 publishers whose report is missing, one message each?%2</source>
        <translation>Wysłać każdemu z tych %1 głosicieli, których sprawozdania brakuje, osobne przypomnienie?%2</translation>
    </message>
    <message id="2610">
        <source>

These publishers have no usable e-mail address and get no reminder:%1</source>
        <translation>

Ci głosiciele nie mają użytecznego adresu e-mail i nie dostaną przypomnienia:%1</translation>
    </message>
    <message id="2611">
        <source>No publisher whose report is missing has a usable e-mail address.</source>
        <translation>Żaden głosiciel, którego sprawozdania brakuje, nie ma użytecznego adresu e-mail.</translation>
    </message>
    <message id="2612">
        <source>The mail program will now open %1 messages, one for each publisher. Check and send each of them there.</source>
        <translation>Program pocztowy otworzy teraz po jednej wiadomości dla każdego głosiciela (razem %1). Sprawdź je i wyślij z tego programu.</translation>
    </message>
    <message id="2613">
        <source>%1 of %2 reminders were sent.</source>
        <translation>Wysłano %1 z %2 przypomnień.</translation>
    </message>
    <message id="2614">
        <source>%1 of %2 reminders were opened in the mail program.</source>
        <translation>Otwarto %1 z %2 przypomnień w programie pocztowym.</translation>
    </message>
    <message id="2615">
        <source>Sending reminder %1 of %2 through %3...</source>
        <translation>Wysyłanie przypomnienia %1 z %2 przez %3...</translation>
    </message>
    <message id="2616">
        <source>Mail Settings...</source>
        <translation>Ustawienia &amp;poczty...</translation>
    </message>
    <message id="2617">
        <source>Mail Settings</source>
        <translation>Ustawienia poczty</translation>
    </message>
    <message id="2618">
        <source>Mail &amp;server:</source>
        <translation>&amp;Serwer poczty:</translation>
    </message>
    <message id="2619">
        <source>Leave it empty to use the desktop's mail program; for example smtps://mail.example.org</source>
        <translation>Pozostaw puste, aby użyć programu pocztowego pulpitu; na przykład smtps://mail.example.org</translation>
    </message>
    <message id="2620">
        <source>Sender &amp;address:</source>
        <translation>&amp;Adres nadawcy:</translation>
    </message>
    <message id="2621">
        <source>&amp;User name:</source>
        <translation>Nazwa &amp;użytkownika:</translation>
    </message>
    <message id="2622">
        <source>&amp;Password:</source>
        <translation>&amp;Hasło:</translation>
    </message>
    <message id="2623">
        <source>&amp;Remember the password in the desktop's keyring</source>
        <translation>&amp;Zapamiętaj hasło w pęku kluczy pulpitu</translation>
    </message>
    <message id="2624">
        <source>Your &amp;name (signs the reminders):</source>
        <translation>Twoje &amp;imię i nazwisko (podpis przypomnień):</translation>
    </message>
    <message id="2625">
        <source>Reminder sub&amp;ject:</source>
        <translation>&amp;Temat przypomnienia:</translation>
    </message>
    <message id="2626">
        <source>Reminder te&amp;xt:</source>
        <translation>T&amp;reść przypomnienia:</translation>
    </message>
    <message id="2627">
        <source>%NAME% stands for the publisher's first name, %MONTH% and %YEAR% for the month and its year, %GROUP% for the group's number.</source>
        <translation>%NAME% oznacza imię głosiciela, %MONTH% i %YEAR% miesiąc i jego rok, %GROUP% numer grupy.</translation>
    </message>
    <message id="2628">
        <source>Send &amp;Test Message</source>
        <translation>Wyślij wiadomość &amp;próbną</translation>
    </message>
    <message id="2629">
        <source>Kolekt test message</source>
        <translation>Wiadomość próbna z programu Kolekt</translation>
    </message>
    <message id="2630">
        <source>This message shows that Kolekt can send mail with these settings.</source>
        <translation>Ta wiadomość pokazuje, że Kolekt może wysyłać pocztę z tymi ustawieniami.</translation>
    </message>
    <message id="2631">
        <source>The mail server %1 accepted the test message to %2.</source>
        <translation>Serwer poczty %1 przyjął wiadomość próbną do %2.</translation>
    </message>
    <message id="2632">
        <source>The test message to %1 was handed to the desktop's mail program.</source>
        <translation>Wiadomość próbna do %1 została przekazana programowi pocztowemu pulpitu.</translation>
    </message>
    <message id="2633">
        <source>Enter your own e-mail address as the sender: the test message goes to it.</source>
        <translation>Wpisz jako nadawcę swój własny adres e-mail: wiadomość próbna zostanie wysłana na ten adres.</translation>
    </message>
    <message id="2634">
        <source>The password could not be kept in the desktop's keyring:
%1</source>
        <translation>Nie udało się zachować hasła w pęku kluczy pulpitu:
%1</translation>
    </message>
    <message id="2635">
        <source>Guide</source>
        <translation>Przewodnik</translation>
    </message>
    <message id="2636">
        <source>Kolekt Guide</source>
        <translation>Przewodnik po programie Kolekt</translation>
    </message>
    <message id="2637">
        <source>&amp;Search:</source>
        <translation>&amp;Szukaj:</translation>
    </message>
    <message id="2638">
        <source>Sections of the guide</source>
        <translation>Części przewodnika</translation>
    </message>
    <message id="2501">
        <source>Undo posting %1 (%2)</source>
        <translation>&amp;Cofnij wpis %1 (%2)</translation>
    </message>
    <message id="2502">
        <source>There is nothing to undo. Only reports posted to this file since Kolekt was started can be undone.</source>
        <translation>Nie ma nic do cofnięcia. Cofnąć można tylko sprawozdania wpisane do tego pliku od uruchomienia programu Kolekt.</translation>
    </message>
    <message id="2503">
        <source>shared</source>
        <translation>głosił</translation>
    </message>
    <message id="2504">
        <source>not shared</source>
        <translation>nie głosił</translation>
    </message>
    <message id="2505">
        <source>hours: %1</source>
        <translation>godziny: %1</translation>
    </message>
    <message id="2506">
        <source>studies: %1</source>
        <translation>studia: %1</translation>
    </message>
    <message id="2507">
        <source>remark</source>
        <translation>uwaga</translation>
    </message>
    <message id="2508">
        <source>%1 – %2: %3</source>
        <translation>%1 – %2: %3</translation>
    </message>
    <message id="2509">
        <source>&amp;Undo</source>
        <translation>&amp;Cofnij</translation>
    </message>
    <message id="2510">
        <source>reported</source>
        <translation>złożył</translation>
    </message>
    <message id="2511">
        <source>missing</source>
        <translation>brak</translation>
    </message>
    <message id="2512">
        <source>remark only</source>
        <translation>tylko uwaga</translation>
    </message>
    <message id="2513">
        <source>late report for %1 posted</source>
        <translation>spóźnione sprawozdanie za %1 wpisane</translation>
    </message>
    <message id="2514">
        <source>%1: %2 of %3 reported</source>
        <translation>%1: złożyło %2 z %3</translation>
    </message>
    <message id="2515">
        <source>Pioneer hours: %1 · Bible studies: %2</source>
        <translation>Godziny pionierów: %1 · Studia: %2</translation>
    </message>
    <message id="2516">
        <source>All reports are in: now "%1".</source>
        <translation>Wszystkie sprawozdania są: teraz „%1”.</translation>
    </message>
    <message id="2517">
        <source>These reports are still missing: %1

Create the file for the secretary all the same?</source>
        <translation>Tych sprawozdań wciąż brakuje: %1

Mimo to utworzyć plik dla sekretarza?</translation>
    </message>
    <message id="2518">
        <source>Open the file the secretary sent you: "%1", or drop the .k09 file on this window.</source>
        <translation>Otwórz plik przysłany przez sekretarza: „%1” albo upuść plik .k09 na to okno.</translation>
    </message>
    <message id="2519">
        <source>Last twelve months</source>
        <translation>Ostatnie dwanaście miesięcy</translation>
    </message>
    <message id="2520">
        <source>late</source>
        <translation>spóźnione</translation>
    </message>
    <message id="2521">
        <source>Service year so far: hours: %1</source>
        <translation>Rok służbowy do tej pory: godziny: %1</translation>
    </message>
    <message id="2900">
        <source>Group &amp;Year</source>
        <translation>&amp;Rok grupy</translation>
    </message>
    <message id="2901">
        <source>Group Year</source>
        <translation>Rok grupy</translation>
    </message>
    <message id="2902">
        <source>Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec</source>
        <translation>sty lut mar kwi maj cze lip sie wrz paź lis gru</translation>
    </message>
    <message id="2903">
        <source>%1 h</source>
        <translation>%1 godz.</translation>
    </message>
    <message id="2904">
        <source>%1 BS</source>
        <translation>%1 SB</translation>
    </message>
    <message id="2905">
        <source>Reported</source>
        <translation>Oddane</translation>
    </message>
    <message id="2906">
        <source>%1 of %2 reported</source>
        <translation>oddało %1 z %2</translation>
    </message>
    <message id="2907">
        <source>%1, %2: %3</source>
        <translation>%1, %2: %3</translation>
    </message>
    <message id="2908">
        <source>Reports each month</source>
        <translation>Sprawozdania w poszczególnych miesiącach</translation>
    </message>
    <message id="2909">
        <source>Save as P&amp;DF...</source>
        <translation>Zapisz jako &amp;PDF...</translation>
    </message>
    <message id="2910">
        <source>Save the Group Year as PDF</source>
        <translation>Zapisz rok grupy jako PDF</translation>
    </message>
    <message id="2911">
        <source>PDF documents</source>
        <translation>Dokumenty PDF</translation>
    </message>
    <message id="2912">
        <source>✓ shared · ○ not shared · h hours · BS Bible studies · * remark</source>
        <translation>✓ głosił · ○ nie głosił · godz. godziny · SB studia biblijne · * uwaga</translation>
    </message>
    <message id="2913">
        <source>Its folder may be missing, read-only or full.</source>
        <translation>Jego folder może nie istnieć, być tylko do odczytu albo pełny.</translation>
    </message>
    <message id="2850">
        <source>Kolekt could not save %1.</source>
        <translation>Kolekt nie mógł zapisać %1.</translation>
    </message>
    <message id="2851">
        <source>The file, its folder or the disk is read-only: remove the read-only attribute or obtain permission to create files in its folder.</source>
        <translation>Plik, jego folder lub dysk jest tylko do odczytu: usuń atrybut tylko do odczytu lub uzyskaj uprawnienie do tworzenia plików w jego folderze.</translation>
    </message>
    <message id="2852">
        <source>The disk is full (%1): make room on it or use another disk.</source>
        <translation>Dysk jest pełny (%1): zwolnij na nim miejsce lub użyj innego dysku.</translation>
    </message>
    <message id="2853">
        <source>Its name or path is too long for this file system (%1): give it a shorter name or move it to a folder with a shorter path.</source>
        <translation>Jego nazwa lub ścieżka jest za długa dla tego systemu plików (%1): nadaj mu krótszą nazwę lub przenieś go do folderu o krótszej ścieżce.</translation>
    </message>
    <message id="2854">
        <source>You may not create or replace files in its folder (%1): the folder is not writable for you, or it is a shared folder where only a file's owner may replace it. Ask the folder's owner, or copy the file to a folder of your own.</source>
        <translation>Nie możesz tworzyć ani zastępować plików w jego folderze (%1): nie masz prawa zapisu w folderze albo jest to folder współdzielony, w którym plik może zastąpić tylko jego właściciel. Zapytaj właściciela folderu albo skopiuj plik do własnego folderu.</translation>
    </message>
    <message id="2855">
        <source>The file system there cannot do what saving needs (%1): copy the file to another disk or folder.</source>
        <translation>System plików w tym miejscu nie pozwala na to, czego wymaga zapis (%1): skopiuj plik na inny dysk lub do innego folderu.</translation>
    </message>
    <message id="2856">
        <source>The system reports: %1.</source>
        <translation>System zgłasza: %1.</translation>
    </message>
    <message id="2857">
        <source>%1 holds %3 bytes after its last remark, which are not part of a collection file.
Kolekt ignores them, and the next save writes the file without them.</source>
        <translation>%1 zawiera po ostatniej uwadze %3 bajtów, które nie należą do pliku zbiorczego.
Kolekt je pomija, a przy następnym zapisie plik zostanie zapisany bez nich.</translation>
    </message>
    <message id="2858">
        <source>%1 was saved, but it now belongs to you and your group: Kolekt could keep neither its owner nor its group, so some who could read it before may no longer be able to.
Ask the file's owner or an administrator to give it back its owner or group.</source>
        <translation>%1 został zapisany, ale teraz należy do ciebie i twojej grupy: Kolekt nie mógł zachować ani jego właściciela, ani grupy, więc niektórzy, którzy mogli go wcześniej czytać, być może już nie mogą.
Poproś właściciela pliku lub administratora o przywrócenie mu właściciela lub grupy.</translation>
    </message>
    <message id="2859">
        <source>The folder it was opened from is no longer there: perhaps a stick or a network drive was removed. Put it back, and the next post saves every report posted since.</source>
        <translation>Folderu, z którego go otwarto, już nie ma: może wyjęto pendrive’a albo odłączono dysk sieciowy. Podłącz go ponownie, a następny wpis zapisze wszystkie sprawozdania wpisane od tej pory.</translation>
    </message>
</context>
</TS>
