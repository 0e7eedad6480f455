<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it" sourcelanguage="en">
<context>
    <name></name>
    <message id="101">
        <source>&amp;About Kolekt...</source>
        <translation>&amp;Informazioni su Kolekt...</translation>
    </message>
    <message id="102">
        <source>January</source>
        <translation>gennaio</translation>
    </message>
    <message id="103">
        <source>February</source>
        <translation>febbraio</translation>
    </message>
    <message id="104">
        <source>March</source>
        <translation>marzo</translation>
    </message>
    <message id="105">
        <source>April</source>
        <translation>aprile</translation>
    </message>
    <message id="106">
        <source>May</source>
        <translation>maggio</translation>
    </message>
    <message id="107">
        <source>June</source>
        <translation>giugno</translation>
    </message>
    <message id="108">
        <source>July</source>
        <translation>luglio</translation>
    </message>
    <message id="109">
        <source>August</source>
        <translation>agosto</translation>
    </message>
    <message id="110">
        <source>September</source>
        <translation>settembre</translation>
    </message>
    <message id="111">
        <source>October</source>
        <translation>ottobre</translation>
    </message>
    <message id="112">
        <source>November</source>
        <translation>novembre</translation>
    </message>
    <message id="113">
        <source>December</source>
        <translation>dicembre</translation>
    </message>
    <message id="114">
        <source>Change &amp;Month ( late report )</source>
        <translation>Cambia &amp;mese (in ritardo)</translation>
    </message>
    <message id="1000">
        <source>Post - %1</source>
        <translation>&amp;Registra - %1</translation>
    </message>
    <message id="1001">
        <source>Missing %1 Reports</source>
        <translation>Rapporti mancanti (%1)</translation>
    </message>
    <message id="1002">
        <source>Select Collection File from Secretary</source>
        <translation>Seleziona il file dei rapporti del segretario</translation>
    </message>
    <message id="1003">
        <source>Collection Files from Secretary (.k09)</source>
        <translation>File dei rapporti del segretario (.k09)</translation>
    </message>
    <message id="1014">
        <source>Hours</source>
        <translation>ore</translation>
    </message>
    <message id="1019">
        <source>Remarks</source>
        <translation>Note</translation>
    </message>
    <message id="1020">
        <source>AuxP</source>
        <translation>P. aus.</translation>
    </message>
    <message id="1023">
        <source>Ministerial Servant</source>
        <translation>Servitore di ministero</translation>
    </message>
    <message id="1024">
        <source>Elder</source>
        <translation>Anziano</translation>
    </message>
    <message id="1025">
        <source>Baptized Brother</source>
        <translation>Fratello battezzato</translation>
    </message>
    <message id="1026">
        <source>Auxiliary Pioneer</source>
        <translation>Pioniere ausiliario</translation>
    </message>
    <message id="1027">
        <source>Regular Pioneer</source>
        <translation>Pioniere regolare</translation>
    </message>
    <message id="1029">
        <source>Special Pioneer</source>
        <translation>Pioniere speciale</translation>
    </message>
    <message id="1030">
        <source>- WARNING -   You have already posted the %1 report for %2.</source>
        <translation>- ATTENZIONE -   Hai già registrato il rapporto di %1 di %2.</translation>
    </message>
    <message id="1031">
        <source>Changes WILL NOT BE INCLUDED in the %1 report to the branch office.</source>
        <translation>Le modifiche NON SARANNO INCLUSE nel rapporto di %1 alla filiale.</translation>
    </message>
    <message id="1032">
        <source>Any changes WILL BE INCLUDED in the %1 report to the branch office.</source>
        <translation>Eventuali modifiche SARANNO INCLUSE nel rapporto di %1 alla filiale.</translation>
    </message>
    <message id="1033">
        <source>Out of Space for Remarks</source>
        <translation>Spazio per le note esaurito</translation>
    </message>
    <message id="1038">
        <source>Your updates have been saved in a file at
%1</source>
        <translation>Le modifiche sono state salvate nel file
%1</translation>
    </message>
    <message id="1039">
        <source>

Click Yes to E-mail the .k19 file to </source>
        <translation>

Fai clic su Sì per inviare il file .k19 via e-mail a </translation>
    </message>
    <message id="1040">
        <source>Click No to send the file to the secretary later.</source>
        <translation>Fai clic su No per inviare il file al segretario più tardi.</translation>
    </message>
    <message id="1041">
        <source>,
       or
</source>
        <translation>,
       oppure
</translation>
    </message>
    <message id="1042">
        <source>Collection File</source>
        <translation>File dei rapporti</translation>
    </message>
    <message id="1043">
        <source>.k19 file for</source>
        <translation>– file .k19 del</translation>
    </message>
    <message id="1058">
        <source>Group</source>
        <translation>Gruppo</translation>
    </message>
    <message id="1059">
        <source>Tips for using Kolekt   Important!  Your secretary must be running Scriba version 10 or later.

From your secretary, obtain a Group.k09 file for the month you are collecting.  </source>
        <translation>Suggerimenti per usare Kolekt   Importante!  Il segretario deve usare Scriba versione 10 o successiva.

Chiedi al segretario un file Group.k09 per il mese di cui stai raccogliendo i rapporti.  </translation>
    </message>
    <message id="1060">
        <source>Drop the file on your Kolekt icon or launch Kolekt and use the 'Load New List from Secretary' button to open the file.

</source>
        <translation>Trascina il file sull'icona di Kolekt, oppure avvia Kolekt e apri il file con il pulsante “Carica nuovo elenco dal segretario”.

</translation>
    </message>
    <message id="1061">
        <source>You'll find it easy to enter reports using only the keyboard.  Type the first two or three characters of the last name.  Use the up/down arrows to select the name and press Enter.

</source>
        <translation>Vedrai che è facile inserire i rapporti usando solo la tastiera.  Digita le prime due o tre lettere del cognome.  Seleziona il nome con le frecce su e giù e premi Invio.

</translation>
    </message>
    <message id="1062">
        <source>Enter the report terminating each entry with the Enter key.  Press Enter after the last field to return to the selection list.

</source>
        <translation>Inserisci il rapporto confermando ogni dato con il tasto Invio.  Premi Invio dopo l'ultimo campo per tornare all'elenco.

</translation>
    </message>
    <message id="1063">
        <source>To enter remarks, type Alt-R or click the Remarks button.  Terminate with the Enter key.

To enter a late report, type Alt-M or click the Change Month button.

</source>
        <translation>Per inserire una nota, premi Alt+N o fai clic sul pulsante “Note”.  Concludi con il tasto Invio.

Per inserire un rapporto in ritardo, premi Alt+M o fai clic sul pulsante “Cambia mese”.

</translation>
    </message>
    <message id="1064">
        <source>If you have a mail program, you can send report reminders to publishers.

</source>
        <translation>Se hai un programma di posta elettronica, puoi inviare ai proclamatori un promemoria per il rapporto.

</translation>
    </message>
    <message id="1065">
        <source>If you have a mail program, you can also e-mail the results to the secretary directly from the program.

</source>
        <translation>Se hai un programma di posta elettronica, puoi anche inviare i risultati al segretario direttamente dal programma.

</translation>
    </message>
    <message id="1066">
        <source>Otherwise, you will need to manually attach the .k19 file to an email or deliver it to the secretary on portable media.</source>
        <translation>Altrimenti dovrai allegare tu stesso il file .k19 a un'e-mail oppure consegnarlo al segretario su una chiavetta USB o su un altro supporto.</translation>
    </message>
    <message id="1116">
        <source>Total Publishers</source>
        <translation>Totale proclamatori</translation>
    </message>
    <message id="1167">
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message id="1168">
        <source>Telephone</source>
        <translation>Telefono</translation>
    </message>
    <message id="1188">
        <source>%1 Report Collection</source>
        <translation>Rapporti di %1</translation>
    </message>
    <message id="1194">
        <source>Special Pioneers are NOT INCLUDED in Report to Branch</source>
        <translation>I pionieri speciali NON SONO INCLUSI nel rapporto alla filiale</translation>
    </message>
    <message id="1198">
        <source>eng</source>
        <translation>italian</translation>
    </message>
    <message id="1231">
        <source>Unable to create new file: %1.
Remove the read-only attribute from the directory / file or obtain permission to create files in this directory.</source>
        <translation>Impossibile creare il nuovo file: %1.
Togli l'attributo di sola lettura dalla cartella o dal file, oppure ottieni il permesso di creare file in questa cartella.</translation>
    </message>
    <message id="1232">
        <source>Group has less than 3 publishers</source>
        <translation>Il gruppo ha meno di 3 proclamatori</translation>
    </message>
    <message id="1233">
        <source>%1 is not a collection file from the secretary.
It was not opened, and Kolekt will not write to it.</source>
        <translation>%1 non è un file dei rapporti del segretario.
Non è stato aperto e Kolekt non vi scriverà.</translation>
    </message>
    <message id="1247">
        <source>Report Collection Form</source>
        <translation>Modulo di raccolta dei rapporti</translation>
    </message>
    <message id="1415">
        <source>Plcmts</source>
        <translation>Pubbl.</translation>
    </message>
    <message id="1416">
        <source>Videos</source>
        <translation>Video</translation>
    </message>
    <message id="1417">
        <source>Hours</source>
        <translation>Ore</translation>
    </message>
    <message id="1418">
        <source>R.Visits</source>
        <translation>V.U.</translation>
    </message>
    <message id="1419">
        <source>Studies</source>
        <translation>Studi</translation>
    </message>
    <message id="1495">
        <source>Shared in any form of the ministry during the month</source>
        <translation>Ha partecipato a qualche forma di ministero durante il mese</translation>
    </message>
    <message id="1500">
        <source>Shared</source>
        <translation>Partec.</translation>
    </message>
    <message id="2000">
        <source>Field Service Reports</source>
        <translation>Rapporti di servizio</translation>
    </message>
    <message id="2001">
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message id="2002">
        <source>Exit Program</source>
        <translation>&amp;Esci</translation>
    </message>
    <message id="2003">
        <source>Limit List to Missing Reports</source>
        <translation>Mostra solo i rapporti ma&amp;ncanti</translation>
    </message>
    <message id="2004">
        <source> Last Person Posted </source>
        <translation> Ultimo rapporto registrato </translation>
    </message>
    <message id="2005">
        <source>Load New List from Secretary</source>
        <translation>&amp;Carica nuovo elenco dal segretario</translation>
    </message>
    <message id="2006">
        <source>Create File for Secretary</source>
        <translation>Crea &amp;file per il segretario</translation>
    </message>
    <message id="2007">
        <source>Dial</source>
        <translation>C&amp;hiama</translation>
    </message>
    <message id="2008">
        <source>Help</source>
        <translation>&amp;Aiuto</translation>
    </message>
    <message id="2009">
        <source>View or Print Report Collection List</source>
        <translation>&amp;Mostra o stampa l'elenco dei rapporti</translation>
    </message>
    <message id="2010">
        <source>Preview E-mail</source>
        <translation>Ante&amp;prima e-mail</translation>
    </message>
    <message id="2020">
        <source>Shared in Ministry</source>
        <translation>Ha preso parte</translation>
    </message>
    <message id="2021">
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message id="2022">
        <source>&amp;Cancel</source>
        <translation>&amp;Annulla</translation>
    </message>
    <message id="2023">
        <source>&amp;Remarks</source>
        <translation>&amp;Note</translation>
    </message>
    <message id="2024">
        <source>Auxiliary Pioneer</source>
        <translation>Pioniere ausiliario</translation>
    </message>
    <message id="2025">
        <source>&lt;1h</source>
        <translation>&lt;1h</translation>
    </message>
    <message id="2040">
        <source>&amp;Close</source>
        <translation>&amp;Chiudi</translation>
    </message>
    <message id="2041">
        <source>&amp;Print</source>
        <translation>&amp;Stampa</translation>
    </message>
    <message id="2042">
        <source>Print &amp;Setup</source>
        <translation>&amp;Imposta stampa</translation>
    </message>
    <message id="2060">
        <source>About Kolekt</source>
        <translation>Informazioni su Kolekt</translation>
    </message>
    <message id="2061">
        <source>Kolekt Version 5a</source>
        <translation>Kolekt versione 5a</translation>
    </message>
    <message id="2062">
        <source>GNU GPL 3 or later</source>
        <translation>GPL 3 o successiva</translation>
    </message>
    <message id="2063">
        <source>Questions and fixes: kolekt@example.org</source>
        <translation>Domande e correzioni: kolekt@example.org</translation>
    </message>
    <message id="2064">
        <source>Requires Groupx.k09 files from Scriba Version 10a or later</source>
        <translation>Richiede file Groupx.k09 di Scriba versione 10a o successiva</translation>
    </message>
    <message id="2100">
        <source>Kolekt cannot open %1:
the file does not exist. It may have been moved, renamed or deleted.</source>
        <translation>Kolekt non può aprire %1:
il file non esiste. Potrebbe essere stato spostato, rinominato o eliminato.</translation>
    </message>
    <message id="2101">
        <source>Kolekt cannot open %1:
the file cannot be read. Ask the owner of the file or of its folder for permission to read it.</source>
        <translation>Kolekt non può aprire %1:
il file non può essere letto. Chiedi al proprietario del file o della sua cartella il permesso di leggerlo.</translation>
    </message>
    <message id="2102">
        <source>Kolekt cannot open %1:
it is not a regular file but a folder or a special file. Choose the collection file from the secretary.</source>
        <translation>Kolekt non può aprire %1:
non è un file normale, ma una cartella o un file speciale. Scegli il file dei rapporti del segretario.</translation>
    </message>
    <message id="2103">
        <source>%1 is incomplete: it ends early, and %3 of its %4 publisher records are missing, as after a copy or download that was cut off.
You can view and print it, but Kolekt will not save anything to it. Ask the secretary for the file again.</source>
        <translation>%1 è incompleto: finisce prima del previsto e mancano %3 dei suoi %4 proclamatori, come dopo una copia o un download interrotto.
Puoi visualizzarlo e stamparlo, ma Kolekt non vi salverà nulla. Chiedi di nuovo il file al segretario.</translation>
    </message>
    <message id="2104">
        <source>%1 is incomplete: it ends early, and %3 of its %4 remarks are missing, as after a copy or download that was cut off.
You can view and print it, but Kolekt will not save anything to it. Ask the secretary for the file again.</source>
        <translation>%1 è incompleto: finisce prima del previsto e mancano %3 delle sue %4 note, come dopo una copia o un download interrotto.
Puoi visualizzarlo e stamparlo, ma Kolekt non vi salverà nulla. Chiedi di nuovo il file al segretario.</translation>
    </message>
    <message id="2105">
        <source>%1 is incomplete, so Kolekt saves nothing to it and makes no file for the secretary from it.
Ask the secretary for the file again.</source>
        <translation>%1 è incompleto, quindi Kolekt non vi salva nulla e non ne ricava alcun file per il segretario.
Chiedi di nuovo il file al segretario.</translation>
    </message>
    <message id="2106">
        <source>Reports cannot be posted to %1, because the file is incomplete and Kolekt will not save to it.
Ask the secretary for the file again.</source>
        <translation>Non è possibile registrare rapporti in %1, perché il file è incompleto e Kolekt non vi salverà nulla.
Chiedi di nuovo il file al segretario.</translation>
    </message>
    <message id="2107">
        <source>%1 is already open in another Kolekt.
A collection file can be open in only one Kolekt at a time, so that no report posted in one is lost by the other. Close it there, then open it here.</source>
        <translation>%1 è già aperto in un altro Kolekt.
Un file dei rapporti può essere aperto in un solo Kolekt alla volta, perché nessun rapporto registrato nell'uno vada perso a causa dell'altro. Chiudilo lì, poi aprilo qui.</translation>
    </message>
    <message id="2108">
        <source>%1 was changed or replaced by another program since Kolekt opened it.
So that neither version is lost, Kolekt did not overwrite it and saved your collection as
%2
Kolekt goes on with that file.</source>
        <translation>%1 è stato modificato o sostituito da un altro programma dopo che Kolekt l'ha aperto.
Perché nessuna delle due versioni vada persa, Kolekt non l'ha sovrascritto e ha salvato i tuoi rapporti come
%2
Kolekt continua con quel file.</translation>
    </message>
    <message id="2109">
        <source>Kolekt could not save the collection to %1.
So that no report is lost, it was saved as
%2
Open that file with "Load New List from Secretary" to go on with it.</source>
        <translation>Kolekt non è riuscito a salvare i rapporti in %1.
Perché nessun rapporto vada perso, sono stati salvati come
%2
Apri quel file con “Carica nuovo elenco dal segretario” per continuare a lavorarci.</translation>
    </message>
    <message id="2110">
        <source>Kolekt could not save the collection to %1, nor to the folder %2.
The reports posted since it was last saved could not be kept.</source>
        <translation>Kolekt non è riuscito a salvare i rapporti né in %1 né nella cartella %2.
Non è stato possibile conservare i rapporti registrati dall'ultimo salvataggio.</translation>
    </message>
    <message id="2111">
        <source>Collections that could not be saved to their own files when Kolekt ended are kept in
%1
Open one with "Load New List from Secretary" to go on with it.</source>
        <translation>I rapporti che alla chiusura di Kolekt non è stato possibile salvare nel loro file sono conservati in
%1
Apri uno di quei file con “Carica nuovo elenco dal segretario” per continuare a lavorarci.</translation>
    </message>
    <message id="2120">
        <source>%1 cannot be opened: its lock file %2 is not a file Kolekt made (it is a link, a folder or a special file).
Remove it, then open the collection file again.</source>
        <translation>Impossibile aprire %1: il suo file di blocco %2 non è un file creato da Kolekt (è un collegamento, una cartella o un file speciale).
Rimuovetelo, poi riaprite il file.</translation>
    </message>
    <message id="2200">
        <source>Post</source>
        <translation>&amp;Registra</translation>
    </message>
    <message id="2201">
        <source>Print Setup</source>
        <translation>Impostazioni di stampa</translation>
    </message>
    <message id="2202">
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message id="2203">
        <source>The PDF file could not be written:
%1

%2</source>
        <translation>Non è stato possibile scrivere il file PDF:
%1

%2</translation>
    </message>
    <message id="2204">
        <source>The printer %1 did not take the job:
%2</source>
        <translation>La stampante %1 non ha accettato il lavoro di stampa:
%2</translation>
    </message>
    <message id="2205">
        <source>Next Telephone Number</source>
        <translation>Numero di telefono successivo</translation>
    </message>
    <message id="2206">
        <source>Next Page</source>
        <translation>Pagina successiva</translation>
    </message>
    <message id="2207">
        <source>Previous Page</source>
        <translation>Pagina precedente</translation>
    </message>
    <message id="2250">
        <source>

The secretary's e-mail address in the file cannot be used, so the file cannot be e-mailed from here. Please hand it to the secretary yourself.</source>
        <translation>

L'indirizzo e-mail del segretario indicato nel file non è utilizzabile, quindi il file non può essere inviato via e-mail da qui. Consegnalo tu stesso al segretario.</translation>
    </message>
    <message id="2251">
        <source>Mail password for %1 on %2:</source>
        <translation>Password di posta per %1 su %2:</translation>
    </message>
    <message id="2252">
        <source>Sending the mail through %1...</source>
        <translation>Invio dell'e-mail tramite %1...</translation>
    </message>
    <message id="2253">
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message id="2254">
        <source>Sending was cancelled. The mail was not sent.</source>
        <translation>L'invio è stato annullato. L'e-mail non è stata inviata.</translation>
    </message>
    <message id="2255">
        <source>Kolekt could not connect to the mail server %1. The mail was not sent.</source>
        <translation>Kolekt non è riuscito a connettersi al server di posta %1. L'e-mail non è stata inviata.</translation>
    </message>
    <message id="2256">
        <source>The mail server %1 did not answer in time. The mail was not sent.</source>
        <translation>Il server di posta %1 non ha risposto in tempo. L'e-mail non è stata inviata.</translation>
    </message>
    <message id="2257">
        <source>The mail server %1 refused the log-on. Check the user name and the password. The mail was not sent.</source>
        <translation>Il server di posta %1 ha rifiutato l'accesso. Controlla il nome utente e la password. L'e-mail non è stata inviata.</translation>
    </message>
    <message id="2258">
        <source>The mail server %1 does not offer an encrypted connection (STARTTLS), so Kolekt did not send the password. The mail was not sent.</source>
        <translation>Il server di posta %1 non offre una connessione cifrata (STARTTLS), quindi Kolekt non ha inviato la password. L'e-mail non è stata inviata.</translation>
    </message>
    <message id="2259">
        <source>No secure connection to the mail server %1 could be made: its certificate was not accepted. The mail was not sent.</source>
        <translation>Non è stato possibile stabilire una connessione sicura con il server di posta %1: il suo certificato non è stato accettato. L'e-mail non è stata inviata.</translation>
    </message>
    <message id="2260">
        <source>The mail server %1 refused the mail. The mail was not sent.</source>
        <translation>Il server di posta %1 ha rifiutato l'e-mail. L'e-mail non è stata inviata.</translation>
    </message>
    <message id="2300">
        <source>&amp;Language</source>
        <translation>&amp;Lingua</translation>
    </message>
    <message id="2301">
        <source>The language "%1" is not known. Kolekt knows these languages: %2.</source>
        <translation>La lingua “%1” non è riconosciuta. Lingue disponibili in Kolekt: %2.</translation>
    </message>
    <message id="2302">
        <source>The code page "%1" is not known. Kolekt reads collection files in these code pages: %2.</source>
        <translation>La tabella codici “%1” non è riconosciuta. Kolekt può leggere i file dei rapporti in queste tabelle codici: %2.</translation>
    </message>
    <message id="2303">
        <source>&amp;Yes</source>
        <translation>&amp;Sì</translation>
    </message>
    <message id="2304">
        <source>&amp;No</source>
        <translation>&amp;No</translation>
    </message>
    <message id="2390">
        <source>Field Service Reports</source>
        <translation>Rapporti di servizio</translation>
    </message>
    <message id="2391">
        <source>Post the monthly field service reports of a group and return them to the secretary</source>
        <translation>Registra i rapporti di servizio mensili di un gruppo e restituiscili al segretario</translation>
    </message>
    <message id="2392">
        <source>Collect the monthly field service reports of a group</source>
        <translation>Raccogli i rapporti di servizio mensili di un gruppo</translation>
    </message>
    <message id="2393">
        <source>Field service report collection</source>
        <translation>File dei rapporti di servizio</translation>
    </message>
    <message id="2400">
        <source>Low Memory</source>
        <translation>Memoria insufficiente</translation>
    </message>
    <message id="2401">
        <source>No Printer</source>
        <translation>Nessuna stampante</translation>
    </message>
    <message id="2402">
        <source>Printing on %1 could not be started.</source>
        <translation>Impossibile avviare la stampa su %1.</translation>
    </message>
    <message id="2403">
        <source>Telephone service not available</source>
        <translation>Servizio telefonico non disponibile</translation>
    </message>
    <message id="2404">
        <source>E-mail - </source>
        <translation>E-ma&amp;il - </translation>
    </message>
    <message id="2700">
        <source>Mail system DLL is invalid.</source>
        <translation>La DLL del sistema di posta non è valida.</translation>
    </message>
    <message id="2701">
        <source>bad procaddress</source>
        <translation>indirizzo di procedura non valido</translation>
    </message>
    <message id="2800">
        <source>Kolekt could not store its settings in
%1
The file or its lock file beside it may be write-protected, held by another program, a link, a folder or a special file, or the disk may be full. Your collection files are not affected; only what Kolekt remembers for the next start (the file open last, the language, the mail settings) is not stored.</source>
        <translation>Kolekt non ha potuto salvare le sue impostazioni in
%1
Il file o il suo file di blocco accanto può essere protetto da scrittura, tenuto da un altro programma, un collegamento, una cartella o un file speciale, oppure il disco può essere pieno. I vostri file dei rapporti non ne risentono; non viene salvato solo ciò che Kolekt ricorda per il prossimo avvio (l&apos;ultimo file aperto, la lingua, le impostazioni della posta).</translation>
    </message>
    <message id="61712">
        <source>Please enter an integer.</source>
        <translation>Inserisci un numero intero.</translation>
    </message>
    <message id="61714">
        <source>Please enter an integer between %1 and %2.</source>
        <translation>Inserisci un numero intero tra %1 e %2.</translation>
    </message>
    <message id="61840">
        <source>No mail program was found.</source>
        <translation>Nessun programma di posta elettronica trovato.</translation>
    </message>
    <message id="61841">
        <source>The mail settings are not usable.</source>
        <translation>Le impostazioni di posta non sono utilizzabili.</translation>
    </message>
    <message id="61842">
        <source>Send Mail failed to send message.</source>
        <translation>Impossibile inviare il messaggio.</translation>
    </message>
    <message id="2350">
        <source>The collection file's code page (%2) cannot hold these characters of the remark: %1
Each of them would be stored as "?".

Store the remark like this? Otherwise it stays open for you to change it.</source>
        <translation>La tabella codici del file dei rapporti (%2) non contiene questi caratteri della nota: %1
Ognuno verrebbe salvato come “?”.

Salvare la nota così? Altrimenti resta aperta per poterla modificare.</translation>
    </message>
    <message id="2500">
        <source>%1 left</source>
        <translation>restano %1</translation>
    </message>
    <message id="2600">
        <source>Group #%1</source>
        <translation>Gruppo n. %1</translation>
    </message>
    <message id="2601">
        <source>Call the telephone number shown</source>
        <translation>Chiama il numero di telefono visualizzato</translation>
    </message>
    <message id="2602">
        <source>Field service report for %MONTH% %YEAR%</source>
        <translation>Rapporto di servizio di %MONTH% %YEAR%</translation>
    </message>
    <message id="2603">
        <source>Dear %NAME%,

Please submit your report for %MONTH% %YEAR%.
Thank you.</source>
        <translation>Ciao %NAME%,

per favore, consegna il tuo rapporto di %MONTH% %YEAR%.
Grazie!</translation>
    </message>
    <message id="2604">
        <source>Copy Message</source>
        <translation>Copia messaggio</translation>
    </message>
    <message id="2605">
        <source>Show File in Folder</source>
        <translation>Mostra file nella cartella</translation>
    </message>
    <message id="2606">
        <source>

The file to attach to the mail is:
%1</source>
        <translation>

Il file da allegare all'e-mail è:
%1</translation>
    </message>
    <message id="2607">
        <source>No file manager was found to show the file.</source>
        <translation>Non è stato trovato nessun gestore di file per mostrare il file.</translation>
    </message>
    <message id="2608">
        <source>Remind All Missing</source>
        <translation>&amp;Promemoria a tutti i mancanti</translation>
    </message>
    <message id="2609">
        <source>Send a reminder to each of these %1 publishers whose report is missing, one message each?%2</source>
        <translation>Inviare un promemoria a ciascuno di questi %1 proclamatori il cui rapporto manca, un messaggio per ognuno?%2</translation>
    </message>
    <message id="2610">
        <source>

These publishers have no usable e-mail address and get no reminder:%1</source>
        <translation>

Questi proclamatori non hanno un indirizzo e-mail utilizzabile e non riceveranno il promemoria:%1</translation>
    </message>
    <message id="2611">
        <source>No publisher whose report is missing has a usable e-mail address.</source>
        <translation>Nessun proclamatore il cui rapporto manca ha un indirizzo e-mail utilizzabile.</translation>
    </message>
    <message id="2612">
        <source>The mail program will now open %1 messages, one for each publisher. Check and send each of them there.</source>
        <translation>Il programma di posta aprirà ora %1 messaggi, uno per ogni proclamatore. Controllali e inviali da lì.</translation>
    </message>
    <message id="2613">
        <source>%1 of %2 reminders were sent.</source>
        <translation>Inviati %1 promemoria su %2.</translation>
    </message>
    <message id="2614">
        <source>%1 of %2 reminders were opened in the mail program.</source>
        <translation>Aperti %1 promemoria su %2 nel programma di posta.</translation>
    </message>
    <message id="2615">
        <source>Sending reminder %1 of %2 through %3...</source>
        <translation>Invio del promemoria %1 di %2 tramite %3...</translation>
    </message>
    <message id="2616">
        <source>Mail Settings...</source>
        <translation>Impostazioni &amp;e-mail...</translation>
    </message>
    <message id="2617">
        <source>Mail Settings</source>
        <translation>Impostazioni e-mail</translation>
    </message>
    <message id="2618">
        <source>Mail &amp;server:</source>
        <translation>&amp;Server di posta:</translation>
    </message>
    <message id="2619">
        <source>Leave it empty to use the desktop's mail program; for example smtps://mail.example.org</source>
        <translation>Lascialo vuoto per usare il programma di posta del desktop; per esempio smtps://mail.example.org</translation>
    </message>
    <message id="2620">
        <source>Sender &amp;address:</source>
        <translation>&amp;Indirizzo del mittente:</translation>
    </message>
    <message id="2621">
        <source>&amp;User name:</source>
        <translation>Nome &amp;utente:</translation>
    </message>
    <message id="2622">
        <source>&amp;Password:</source>
        <translation>Pass&amp;word:</translation>
    </message>
    <message id="2623">
        <source>&amp;Remember the password in the desktop's keyring</source>
        <translation>&amp;Ricorda la password nel portachiavi del desktop</translation>
    </message>
    <message id="2624">
        <source>Your &amp;name (signs the reminders):</source>
        <translation>Il tuo &amp;nome (firma i promemoria):</translation>
    </message>
    <message id="2625">
        <source>Reminder sub&amp;ject:</source>
        <translation>O&amp;ggetto del promemoria:</translation>
    </message>
    <message id="2626">
        <source>Reminder te&amp;xt:</source>
        <translation>&amp;Testo del promemoria:</translation>
    </message>
    <message id="2627">
        <source>%NAME% stands for the publisher's first name, %MONTH% and %YEAR% for the month and its year, %GROUP% for the group's number.</source>
        <translation>%NAME% sta per il nome del proclamatore, %MONTH% e %YEAR% per il mese e il suo anno, %GROUP% per il numero del gruppo.</translation>
    </message>
    <message id="2628">
        <source>Send &amp;Test Message</source>
        <translation>Invia messaggio di &amp;prova</translation>
    </message>
    <message id="2629">
        <source>Kolekt test message</source>
        <translation>Messaggio di prova di Kolekt</translation>
    </message>
    <message id="2630">
        <source>This message shows that Kolekt can send mail with these settings.</source>
        <translation>Questo messaggio mostra che Kolekt può inviare e-mail con queste impostazioni.</translation>
    </message>
    <message id="2631">
        <source>The mail server %1 accepted the test message to %2.</source>
        <translation>Il server di posta %1 ha accettato il messaggio di prova per %2.</translation>
    </message>
    <message id="2632">
        <source>The test message to %1 was handed to the desktop's mail program.</source>
        <translation>Il messaggio di prova per %1 è stato consegnato al programma di posta del desktop.</translation>
    </message>
    <message id="2633">
        <source>Enter your own e-mail address as the sender: the test message goes to it.</source>
        <translation>Inserisci il tuo indirizzo e-mail come mittente: il messaggio di prova viene inviato lì.</translation>
    </message>
    <message id="2634">
        <source>The password could not be kept in the desktop's keyring:
%1</source>
        <translation>Non è stato possibile conservare la password nel portachiavi del desktop:
%1</translation>
    </message>
    <message id="2635">
        <source>Guide</source>
        <translation>Guida</translation>
    </message>
    <message id="2636">
        <source>Kolekt Guide</source>
        <translation>Guida di Kolekt</translation>
    </message>
    <message id="2637">
        <source>&amp;Search:</source>
        <translation>&amp;Cerca:</translation>
    </message>
    <message id="2638">
        <source>Sections of the guide</source>
        <translation>Sezioni della guida</translation>
    </message>
    <message id="2501">
        <source>Undo posting %1 (%2)</source>
        <translation>&amp;Annulla la registrazione di %1 (%2)</translation>
    </message>
    <message id="2502">
        <source>There is nothing to undo. Only reports posted to this file since Kolekt was started can be undone.</source>
        <translation>Non c'è niente da annullare. Si possono annullare solo i rapporti registrati in questo file dall'avvio di Kolekt.</translation>
    </message>
    <message id="2503">
        <source>shared</source>
        <translation>ha predicato</translation>
    </message>
    <message id="2504">
        <source>not shared</source>
        <translation>non ha predicato</translation>
    </message>
    <message id="2505">
        <source>hours: %1</source>
        <translation>ore: %1</translation>
    </message>
    <message id="2506">
        <source>studies: %1</source>
        <translation>studi: %1</translation>
    </message>
    <message id="2507">
        <source>remark</source>
        <translation>nota</translation>
    </message>
    <message id="2508">
        <source>%1 – %2: %3</source>
        <translation>%1 – %2: %3</translation>
    </message>
    <message id="2509">
        <source>&amp;Undo</source>
        <translation>&amp;Annulla</translation>
    </message>
    <message id="2510">
        <source>reported</source>
        <translation>ha riferito</translation>
    </message>
    <message id="2511">
        <source>missing</source>
        <translation>mancante</translation>
    </message>
    <message id="2512">
        <source>remark only</source>
        <translation>solo nota</translation>
    </message>
    <message id="2513">
        <source>late report for %1 posted</source>
        <translation>rapporto in ritardo di %1 registrato</translation>
    </message>
    <message id="2514">
        <source>%1: %2 of %3 reported</source>
        <translation>%1: %2 su %3 hanno riferito</translation>
    </message>
    <message id="2515">
        <source>Pioneer hours: %1 · Bible studies: %2</source>
        <translation>Ore pionieri: %1 · Studi biblici: %2</translation>
    </message>
    <message id="2516">
        <source>All reports are in: now "%1".</source>
        <translation>Tutti i rapporti ci sono: ora «%1».</translation>
    </message>
    <message id="2517">
        <source>These reports are still missing: %1

Create the file for the secretary all the same?</source>
        <translation>Mancano ancora questi rapporti: %1

Creare comunque il file per il segretario?</translation>
    </message>
    <message id="2518">
        <source>Open the file the secretary sent you: "%1", or drop the .k09 file on this window.</source>
        <translation>Apri il file che ti ha mandato il segretario: «%1», oppure trascina il file .k09 su questa finestra.</translation>
    </message>
    <message id="2519">
        <source>Last twelve months</source>
        <translation>Ultimi dodici mesi</translation>
    </message>
    <message id="2520">
        <source>late</source>
        <translation>in ritardo</translation>
    </message>
    <message id="2521">
        <source>Service year so far: hours: %1</source>
        <translation>Anno di servizio finora: ore: %1</translation>
    </message>
    <message id="2900">
        <source>Group &amp;Year</source>
        <translation>Anno del &amp;gruppo</translation>
    </message>
    <message id="2901">
        <source>Group Year</source>
        <translation>Anno del gruppo</translation>
    </message>
    <message id="2902">
        <source>Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec</source>
        <translation>gen feb mar apr mag giu lug ago set ott nov dic</translation>
    </message>
    <message id="2903">
        <source>%1 h</source>
        <translation>%1 h</translation>
    </message>
    <message id="2904">
        <source>%1 BS</source>
        <translation>%1 SB</translation>
    </message>
    <message id="2905">
        <source>Reported</source>
        <translation>Rapporti consegnati</translation>
    </message>
    <message id="2906">
        <source>%1 of %2 reported</source>
        <translation>%1 su %2 hanno consegnato</translation>
    </message>
    <message id="2907">
        <source>%1, %2: %3</source>
        <translation>%1, %2: %3</translation>
    </message>
    <message id="2908">
        <source>Reports each month</source>
        <translation>Rapporti per mese</translation>
    </message>
    <message id="2909">
        <source>Save as P&amp;DF...</source>
        <translation>Salva come &amp;PDF...</translation>
    </message>
    <message id="2910">
        <source>Save the Group Year as PDF</source>
        <translation>Salva l'anno del gruppo come PDF</translation>
    </message>
    <message id="2911">
        <source>PDF documents</source>
        <translation>Documenti PDF</translation>
    </message>
    <message id="2912">
        <source>✓ shared · ○ not shared · h hours · BS Bible studies · * remark</source>
        <translation>✓ ha predicato · ○ non ha predicato · h ore · SB studi biblici · * osservazione</translation>
    </message>
    <message id="2913">
        <source>Its folder may be missing, read-only or full.</source>
        <translation>La sua cartella forse manca, è di sola lettura o è piena.</translation>
    </message>
    <message id="2850">
        <source>Kolekt could not save %1.</source>
        <translation>Kolekt non è riuscito a salvare %1.</translation>
    </message>
    <message id="2851">
        <source>The file, its folder or the disk is read-only: remove the read-only attribute or obtain permission to create files in its folder.</source>
        <translation>Il file, la sua cartella o il disco è di sola lettura: togliete l’attributo di sola lettura o fatevi dare il permesso di creare file nella sua cartella.</translation>
    </message>
    <message id="2852">
        <source>The disk is full (%1): make room on it or use another disk.</source>
        <translation>Il disco è pieno (%1): liberate spazio o usate un altro disco.</translation>
    </message>
    <message id="2853">
        <source>Its name or path is too long for this file system (%1): give it a shorter name or move it to a folder with a shorter path.</source>
        <translation>Il suo nome o percorso è troppo lungo per questo file system (%1): dategli un nome più corto o spostatelo in una cartella con un percorso più corto.</translation>
    </message>
    <message id="2854">
        <source>You may not create or replace files in its folder (%1): the folder is not writable for you, or it is a shared folder where only a file's owner may replace it. Ask the folder's owner, or copy the file to a folder of your own.</source>
        <translation>Non potete creare né sostituire file nella sua cartella (%1): la cartella non è scrivibile per voi, oppure è una cartella condivisa in cui solo il proprietario di un file può sostituirlo. Chiedete al proprietario della cartella, o copiate il file in una vostra cartella.</translation>
    </message>
    <message id="2855">
        <source>The file system there cannot do what saving needs (%1): copy the file to another disk or folder.</source>
        <translation>Il file system in quel punto non consente ciò che serve al salvataggio (%1): copiate il file su un altro disco o in un’altra cartella.</translation>
    </message>
    <message id="2856">
        <source>The system reports: %1.</source>
        <translation>Il sistema segnala: %1.</translation>
    </message>
    <message id="2857">
        <source>%1 holds %3 bytes after its last remark, which are not part of a collection file.
Kolekt ignores them, and the next save writes the file without them.</source>
        <translation>%1 contiene %3 byte dopo l’ultima osservazione, che non fanno parte di un file di raccolta.
Kolekt li ignora, e il prossimo salvataggio scriverà il file senza di essi.</translation>
    </message>
    <message id="2858">
        <source>%1 was saved, but it now belongs to you and your group: Kolekt could keep neither its owner nor its group, so some who could read it before may no longer be able to.
Ask the file's owner or an administrator to give it back its owner or group.</source>
        <translation>%1 è stato salvato, ma ora appartiene a voi e al vostro gruppo: Kolekt non ha potuto mantenere né il proprietario né il gruppo, quindi alcuni che prima potevano leggerlo forse non possono più.
Chiedete al proprietario del file o a un amministratore di restituirgli il proprietario o il gruppo.</translation>
    </message>
    <message id="2859">
        <source>The folder it was opened from is no longer there: perhaps a stick or a network drive was removed. Put it back, and the next post saves every report posted since.</source>
        <translation>La cartella da cui è stato aperto non c’è più: forse è stata rimossa una chiavetta USB o un’unità di rete. Ricollegatela; la prossima registrazione salverà tutti i rapporti registrati da allora.</translation>
    </message>
</context>
</TS>
