<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="el_GR" sourcelanguage="en">
<context>
    <name></name>
    <message id="101">
        <source>&amp;About Kolekt...</source>
        <translation>&amp;Πληροφορίες για το Kolekt...</translation>
    </message>
    <message id="102">
        <source>January</source>
        <translation>Ιανουάριος</translation>
    </message>
    <message id="103">
        <source>February</source>
        <translation>Φεβρουάριος</translation>
    </message>
    <message id="104">
        <source>March</source>
        <translation>Μάρτιος</translation>
    </message>
    <message id="105">
        <source>April</source>
        <translation>Απρίλιος</translation>
    </message>
    <message id="106">
        <source>May</source>
        <translation>Μάιος</translation>
    </message>
    <message id="107">
        <source>June</source>
        <translation>Ιούνιος</translation>
    </message>
    <message id="108">
        <source>July</source>
        <translation>Ιούλιος</translation>
    </message>
    <message id="109">
        <source>August</source>
        <translation>Αύγουστος</translation>
    </message>
    <message id="110">
        <source>September</source>
        <translation>Σεπτέμβριος</translation>
    </message>
    <message id="111">
        <source>October</source>
        <translation>Οκτώβριος</translation>
    </message>
    <message id="112">
        <source>November</source>
        <translation>Νοέμβριος</translation>
    </message>
    <message id="113">
        <source>December</source>
        <translation>Δεκέμβριος</translation>
    </message>
    <message id="114">
        <source>Change &amp;Month ( late report )</source>
        <translation>Αλλαγή &amp;μήνα (εκπρόθεσμη)</translation>
    </message>
    <message id="1000">
        <source>Post - %1</source>
        <translation>&amp;Καταχώριση - %1</translation>
    </message>
    <message id="1001">
        <source>Missing %1 Reports</source>
        <translation>Εκθέσεις που λείπουν (%1)</translation>
    </message>
    <message id="1002">
        <source>Select Collection File from Secretary</source>
        <translation>Επιλέξτε το αρχείο συλλογής από τον γραμματέα</translation>
    </message>
    <message id="1003">
        <source>Collection Files from Secretary (.k09)</source>
        <translation>Αρχεία συλλογής από τον γραμματέα (.k09)</translation>
    </message>
    <message id="1014">
        <source>Hours</source>
        <translation>ώρες</translation>
    </message>
    <message id="1019">
        <source>Remarks</source>
        <translation>Παρατηρήσεις</translation>
    </message>
    <message id="1020">
        <source>AuxP</source>
        <translation>Β.Σκαπ.</translation>
    </message>
    <message id="1023">
        <source>Ministerial Servant</source>
        <translation>Διακονικός υπάλληλος</translation>
    </message>
    <message id="1024">
        <source>Elder</source>
        <translation>Πρεσβύτερος</translation>
    </message>
    <message id="1025">
        <source>Baptized Brother</source>
        <translation>Βαφτισμένος αδελφός</translation>
    </message>
    <message id="1026">
        <source>Auxiliary Pioneer</source>
        <translation>Βοηθός σκαπανέας</translation>
    </message>
    <message id="1027">
        <source>Regular Pioneer</source>
        <translation>Τακτικός σκαπανέας</translation>
    </message>
    <message id="1029">
        <source>Special Pioneer</source>
        <translation>Ειδικός σκαπανέας</translation>
    </message>
    <message id="1030">
        <source>- WARNING -   You have already posted the %1 report for %2.</source>
        <translation>- ΠΡΟΣΟΧΗ -   Έχετε ήδη καταχωρίσει την έκθεση για: %2 (%1).</translation>
    </message>
    <message id="1031">
        <source>Changes WILL NOT BE INCLUDED in the %1 report to the branch office.</source>
        <translation>Οι αλλαγές ΔΕΝ ΘΑ ΣΥΜΠΕΡΙΛΗΦΘΟΥΝ στην έκθεση προς το γραφείο τμήματος (%1).</translation>
    </message>
    <message id="1032">
        <source>Any changes WILL BE INCLUDED in the %1 report to the branch office.</source>
        <translation>Τυχόν αλλαγές ΘΑ ΣΥΜΠΕΡΙΛΗΦΘΟΥΝ στην έκθεση προς το γραφείο τμήματος (%1).</translation>
    </message>
    <message id="1033">
        <source>Out of Space for Remarks</source>
        <translation>Δεν υπάρχει άλλος χώρος για παρατηρήσεις</translation>
    </message>
    <message id="1038">
        <source>Your updates have been saved in a file at
%1</source>
        <translation>Οι αλλαγές σας αποθηκεύτηκαν στο αρχείο
%1</translation>
    </message>
    <message id="1039">
        <source>

Click Yes to E-mail the .k19 file to </source>
        <translation>

Κάντε κλικ στο Ναι για να στείλετε το αρχείο .k19 με email στη διεύθυνση </translation>
    </message>
    <message id="1040">
        <source>Click No to send the file to the secretary later.</source>
        <translation>Κάντε κλικ στο Όχι για να στείλετε το αρχείο στον γραμματέα αργότερα.</translation>
    </message>
    <message id="1041">
        <source>,
       or
</source>
        <translation>,
       ή
</translation>
    </message>
    <message id="1042">
        <source>Collection File</source>
        <translation>Αρχείο συλλογής</translation>
    </message>
    <message id="1043">
        <source>.k19 file for</source>
        <translation>- αρχείο .k19 -</translation>
    </message>
    <message id="1058">
        <source>Group</source>
        <translation>Όμιλος</translation>
    </message>
    <message id="1059">
        <source>Tips for using Kolekt   Important!  Your secretary must be running Scriba version 10 or later.

From your secretary, obtain a Group.k09 file for the month you are collecting.  </source>
        <translation>Συμβουλές για τη χρήση του Kolekt   Σημαντικό!  Ο γραμματέας σας πρέπει να χρησιμοποιεί το Scriba, έκδοση 10 ή νεότερη.

Ζητήστε από τον γραμματέα το αρχείο Group.k09 του μήνα για τον οποίο συλλέγετε εκθέσεις.  </translation>
    </message>
    <message id="1060">
        <source>Drop the file on your Kolekt icon or launch Kolekt and use the &apos;Load New List from Secretary&apos; button to open the file.

</source>
        <translation>Σύρετε το αρχείο πάνω στο εικονίδιο του Kolekt ή ανοίξτε το Kolekt και πατήστε το κουμπί «Φόρτωση νέας λίστας από τον γραμματέα» για να ανοίξετε το αρχείο.

</translation>
    </message>
    <message id="1061">
        <source>You&apos;ll find it easy to enter reports using only the keyboard.  Type the first two or three characters of the last name.  Use the up/down arrows to select the name and press Enter.

</source>
        <translation>Θα δείτε ότι οι εκθέσεις καταχωρίζονται εύκολα μόνο με το πληκτρολόγιο.  Πληκτρολογήστε τους δύο ή τρεις πρώτους χαρακτήρες του επωνύμου.  Επιλέξτε το όνομα με τα βέλη πάνω/κάτω και πατήστε Enter.

</translation>
    </message>
    <message id="1062">
        <source>Enter the report terminating each entry with the Enter key.  Press Enter after the last field to return to the selection list.

</source>
        <translation>Ολοκληρώνετε κάθε τιμή της έκθεσης με το πλήκτρο Enter.  Με το Enter μετά το τελευταίο πεδίο επιστρέφετε στη λίστα επιλογής.

</translation>
    </message>
    <message id="1063">
        <source>To enter remarks, type Alt-R or click the Remarks button.  Terminate with the Enter key.

To enter a late report, type Alt-M or click the Change Month button.

</source>
        <translation>Για να καταχωρίσετε παρατηρήσεις, πατήστε Alt-Π ή κάντε κλικ στο κουμπί Παρατηρήσεις.  Ολοκληρώστε με το πλήκτρο Enter.

Για να καταχωρίσετε εκπρόθεσμη έκθεση, πατήστε Alt-Μ ή κάντε κλικ στο κουμπί Αλλαγή μήνα.

</translation>
    </message>
    <message id="1064">
        <source>If you have a mail program, you can send report reminders to publishers.

</source>
        <translation>Αν έχετε πρόγραμμα ηλεκτρονικού ταχυδρομείου, μπορείτε να στέλνετε στους ευαγγελιζομένους υπενθυμίσεις για τις εκθέσεις.

</translation>
    </message>
    <message id="1065">
        <source>If you have a mail program, you can also e-mail the results to the secretary directly from the program.

</source>
        <translation>Αν έχετε πρόγραμμα ηλεκτρονικού ταχυδρομείου, μπορείτε επίσης να στείλετε τα αποτελέσματα στον γραμματέα με email απευθείας από το πρόγραμμα.

</translation>
    </message>
    <message id="1066">
        <source>Otherwise, you will need to manually attach the .k19 file to an email or deliver it to the secretary on portable media.</source>
        <translation>Διαφορετικά, θα πρέπει να επισυνάψετε μόνοι σας το αρχείο .k19 σε ένα email ή να το παραδώσετε στον γραμματέα σε φορητό μέσο αποθήκευσης.</translation>
    </message>
    <message id="1116">
        <source>Total Publishers</source>
        <translation>Σύνολο ευαγγελιζομένων</translation>
    </message>
    <message id="1167">
        <source>Name</source>
        <translation>Όνομα</translation>
    </message>
    <message id="1168">
        <source>Telephone</source>
        <translation>Τηλέφωνο</translation>
    </message>
    <message id="1188">
        <source>%1 Report Collection</source>
        <translation>Συλλογή εκθέσεων (%1)</translation>
    </message>
    <message id="1194">
        <source>Special Pioneers are NOT INCLUDED in Report to Branch</source>
        <translation>Οι ειδικοί σκαπανείς ΔΕΝ ΣΥΜΠΕΡΙΛΑΜΒΑΝΟΝΤΑΙ στην έκθεση προς το γραφείο τμήματος</translation>
    </message>
    <message id="1198">
        <source>eng</source>
        <translation>greek</translation>
    </message>
    <message id="1231">
        <source>Unable to create new file: %1.
Remove the read-only attribute from the directory / file or obtain permission to create files in this directory.</source>
        <translation>Δεν είναι δυνατή η δημιουργία νέου αρχείου: %1.
Αφαιρέστε την ιδιότητα «μόνο για ανάγνωση» από τον φάκελο / το αρχείο ή αποκτήστε δικαίωμα δημιουργίας αρχείων σε αυτόν τον φάκελο.</translation>
    </message>
    <message id="1232">
        <source>Group has less than 3 publishers</source>
        <translation>Ο όμιλος έχει λιγότερους από 3 ευαγγελιζομένους</translation>
    </message>
    <message id="1233">
        <source>%1 is not a collection file from the secretary.
It was not opened, and Kolekt will not write to it.</source>
        <translation>Το %1 δεν είναι αρχείο συλλογής από τον γραμματέα.
Δεν άνοιξε και το Kolekt δεν θα γράψει σε αυτό.</translation>
    </message>
    <message id="1247">
        <source>Report Collection Form</source>
        <translation>Έντυπο συλλογής εκθέσεων</translation>
    </message>
    <message id="1415">
        <source>Plcmts</source>
        <translation>Διαθ.</translation>
    </message>
    <message id="1416">
        <source>Videos</source>
        <translation>Βίντεο</translation>
    </message>
    <message id="1417">
        <source>Hours</source>
        <translation>Ώρες</translation>
    </message>
    <message id="1418">
        <source>R.Visits</source>
        <translation>Επαν.</translation>
    </message>
    <message id="1419">
        <source>Studies</source>
        <translation>Μελέτ.</translation>
    </message>
    <message id="1495">
        <source>Shared in any form of the ministry during the month</source>
        <translation>Συμμετείχε σε κάποια μορφή διακονίας κατά τη διάρκεια του μήνα</translation>
    </message>
    <message id="1500">
        <source>Shared</source>
        <translation>Συμμετ.</translation>
    </message>
    <message id="2000">
        <source>Field Service Reports</source>
        <translation>Εκθέσεις υπηρεσίας αγρού</translation>
    </message>
    <message id="2001">
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message id="2002">
        <source>Exit Program</source>
        <translation>Έ&amp;ξοδος</translation>
    </message>
    <message id="2003">
        <source>Limit List to Missing Reports</source>
        <translation>Μόνο οι εκθέσεις που &amp;λείπουν</translation>
    </message>
    <message id="2004">
        <source> Last Person Posted </source>
        <translation> Τελευταία καταχώριση </translation>
    </message>
    <message id="2005">
        <source>Load New List from Secretary</source>
        <translation>&amp;Φόρτωση νέας λίστας από τον γραμματέα</translation>
    </message>
    <message id="2006">
        <source>Create File for Secretary</source>
        <translation>&amp;Δημιουργία αρχείου για τον γραμματέα</translation>
    </message>
    <message id="2007">
        <source>Dial</source>
        <translation>Κλή&amp;ση</translation>
    </message>
    <message id="2008">
        <source>Help</source>
        <translation>&amp;Βοήθεια</translation>
    </message>
    <message id="2009">
        <source>View or Print Report Collection List</source>
        <translation>&amp;Προβολή ή εκτύπωση λίστας εκθέσεων</translation>
    </message>
    <message id="2010">
        <source>Preview E-mail</source>
        <translation>Προεπισκόπηση &amp;email</translation>
    </message>
    <message id="2020">
        <source>Shared in Ministry</source>
        <translation>Στη διακονία</translation>
    </message>
    <message id="2021">
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message id="2022">
        <source>&amp;Cancel</source>
        <translation>Ά&amp;κυρο</translation>
    </message>
    <message id="2023">
        <source>&amp;Remarks</source>
        <translation>&amp;Παρατηρήσεις</translation>
    </message>
    <message id="2024">
        <source>Auxiliary Pioneer</source>
        <translation>Βοηθός σκαπανέας</translation>
    </message>
    <message id="2025">
        <source>&lt;1h</source>
        <translation>&lt;1 ώ.</translation>
    </message>
    <message id="2040">
        <source>&amp;Close</source>
        <translation>&amp;Κλείσιμο</translation>
    </message>
    <message id="2041">
        <source>&amp;Print</source>
        <translation>&amp;Εκτύπωση</translation>
    </message>
    <message id="2042">
        <source>Print &amp;Setup</source>
        <translation>&amp;Ρύθμιση εκτυπωτή</translation>
    </message>
    <message id="2060">
        <source>About Kolekt</source>
        <translation>Πληροφορίες για το Kolekt</translation>
    </message>
    <message id="2061">
        <source>Kolekt Version 5a</source>
        <translation>Kolekt έκδοση 5a</translation>
    </message>
    <message id="2062">
        <source>GNU GPL 3 or later</source>
        <translation>GNU GPL 3 ή νεότερη</translation>
    </message>
    <message id="2063">
        <source>Questions and fixes: kolekt@example.org</source>
        <translation>Απορίες, διορθώσεις: kolekt@example.org</translation>
    </message>
    <message id="2064">
        <source>Requires Groupx.k09 files from Scriba Version 10a or later</source>
        <translation>Απαιτεί αρχεία Groupx.k09 από το Scriba έκδοση 10a ή νεότερη</translation>
    </message>
    <message id="2100">
        <source>Kolekt cannot open %1:
the file does not exist. It may have been moved, renamed or deleted.</source>
        <translation>Το Kolekt δεν μπορεί να ανοίξει το %1:
το αρχείο δεν υπάρχει. Ίσως μετακινήθηκε, μετονομάστηκε ή διαγράφηκε.</translation>
    </message>
    <message id="2101">
        <source>Kolekt cannot open %1:
the file cannot be read. Ask the owner of the file or of its folder for permission to read it.</source>
        <translation>Το Kolekt δεν μπορεί να ανοίξει το %1:
το αρχείο δεν μπορεί να διαβαστεί. Ζητήστε άδεια ανάγνωσης από τον κάτοχο του αρχείου ή του φακέλου του.</translation>
    </message>
    <message id="2102">
        <source>Kolekt cannot open %1:
it is not a regular file but a folder or a special file. Choose the collection file from the secretary.</source>
        <translation>Το Kolekt δεν μπορεί να ανοίξει το %1:
δεν είναι κανονικό αρχείο αλλά φάκελος ή ειδικό αρχείο. Επιλέξτε το αρχείο συλλογής από τον γραμματέα.</translation>
    </message>
    <message id="2103">
        <source>%1 is incomplete: it ends early, and %3 of its %4 publisher records are missing, as after a copy or download that was cut off.
You can view and print it, but Kolekt will not save anything to it. Ask the secretary for the file again.</source>
        <translation>Το αρχείο %1 είναι ελλιπές: τελειώνει πρόωρα και λείπουν εγγραφές ευαγγελιζομένων (%3 από %4), σαν να διακόπηκε κάποια αντιγραφή ή λήψη.
Μπορείτε να το δείτε και να το εκτυπώσετε, αλλά το Kolekt δεν θα αποθηκεύσει τίποτα σε αυτό. Ζητήστε ξανά το αρχείο από τον γραμματέα.</translation>
    </message>
    <message id="2104">
        <source>%1 is incomplete: it ends early, and %3 of its %4 remarks are missing, as after a copy or download that was cut off.
You can view and print it, but Kolekt will not save anything to it. Ask the secretary for the file again.</source>
        <translation>Το αρχείο %1 είναι ελλιπές: τελειώνει πρόωρα και λείπουν παρατηρήσεις (%3 από %4), σαν να διακόπηκε κάποια αντιγραφή ή λήψη.
Μπορείτε να το δείτε και να το εκτυπώσετε, αλλά το Kolekt δεν θα αποθηκεύσει τίποτα σε αυτό. Ζητήστε ξανά το αρχείο από τον γραμματέα.</translation>
    </message>
    <message id="2105">
        <source>%1 is incomplete, so Kolekt saves nothing to it and makes no file for the secretary from it.
Ask the secretary for the file again.</source>
        <translation>Το αρχείο %1 είναι ελλιπές, γι&apos; αυτό το Kolekt δεν αποθηκεύει τίποτα σε αυτό ούτε δημιουργεί από αυτό αρχείο για τον γραμματέα.
Ζητήστε ξανά το αρχείο από τον γραμματέα.</translation>
    </message>
    <message id="2106">
        <source>Reports cannot be posted to %1, because the file is incomplete and Kolekt will not save to it.
Ask the secretary for the file again.</source>
        <translation>Δεν μπορούν να καταχωριστούν εκθέσεις στο %1, επειδή το αρχείο είναι ελλιπές και το Kolekt δεν θα αποθηκεύσει σε αυτό.
Ζητήστε ξανά το αρχείο από τον γραμματέα.</translation>
    </message>
    <message id="2107">
        <source>%1 is already open in another Kolekt.
A collection file can be open in only one Kolekt at a time, so that no report posted in one is lost by the other. Close it there, then open it here.</source>
        <translation>Το αρχείο %1 είναι ήδη ανοιχτό σε άλλο παράθυρο του Kolekt.
Ένα αρχείο συλλογής μπορεί να είναι ανοιχτό μόνο σε ένα παράθυρο του Kolekt κάθε φορά, ώστε να μη χαθεί εξαιτίας του ενός καμία έκθεση που καταχωρίστηκε στο άλλο. Κλείστε το εκεί και μετά ανοίξτε το εδώ.</translation>
    </message>
    <message id="2108">
        <source>%1 was changed or replaced by another program since Kolekt opened it.
So that neither version is lost, Kolekt did not overwrite it and saved your collection as
%2
Kolekt goes on with that file.</source>
        <translation>Το αρχείο %1 άλλαξε ή αντικαταστάθηκε από άλλο πρόγραμμα αφότου το άνοιξε το Kolekt.
Για να μη χαθεί καμία από τις δύο εκδόσεις, το Kolekt δεν έγραψε επάνω του αλλά αποθήκευσε τη συλλογή σας ως
%2
Το Kolekt συνεχίζει με αυτό το αρχείο.</translation>
    </message>
    <message id="2109">
        <source>Kolekt could not save the collection to %1.
So that no report is lost, it was saved as
%2
Open that file with &quot;Load New List from Secretary&quot; to go on with it.</source>
        <translation>Το Kolekt δεν μπόρεσε να αποθηκεύσει τη συλλογή στο %1.
Για να μη χαθεί καμία έκθεση, αποθηκεύτηκε ως
%2
Για να συνεχίσετε, ανοίξτε αυτό το αρχείο με το κουμπί «Φόρτωση νέας λίστας από τον γραμματέα».</translation>
    </message>
    <message id="2110">
        <source>Kolekt could not save the collection to %1, nor to the folder %2.
The reports posted since it was last saved could not be kept.</source>
        <translation>Το Kolekt δεν μπόρεσε να αποθηκεύσει τη συλλογή ούτε στο %1 ούτε στον φάκελο %2.
Οι εκθέσεις που καταχωρίστηκαν μετά την τελευταία αποθήκευση δεν μπόρεσαν να διατηρηθούν.</translation>
    </message>
    <message id="2111">
        <source>Collections that could not be saved to their own files when Kolekt ended are kept in
%1
Open one with &quot;Load New List from Secretary&quot; to go on with it.</source>
        <translation>Οι συλλογές που δεν μπόρεσαν να αποθηκευτούν στα δικά τους αρχεία όταν έκλεισε το Kolekt φυλάσσονται στον φάκελο
%1
Για να συνεχίσετε με κάποια από αυτές, ανοίξτε την με το κουμπί «Φόρτωση νέας λίστας από τον γραμματέα».</translation>
    </message>
    <message id="2120">
        <source>%1 cannot be opened: its lock file %2 is not a file Kolekt made (it is a link, a folder or a special file).
Remove it, then open the collection file again.</source>
        <translation>Το αρχείο %1 δεν μπορεί να ανοίξει: το αρχείο κλειδώματός του %2 δεν είναι αρχείο που δημιούργησε το Kolekt (είναι σύνδεσμος, φάκελος ή ειδικό αρχείο).
Αφαιρέστε το και ανοίξτε ξανά το αρχείο.</translation>
    </message>
    <message id="2200">
        <source>Post</source>
        <translation>&amp;Καταχώριση</translation>
    </message>
    <message id="2201">
        <source>Print Setup</source>
        <translation>Ρύθμιση εκτυπωτή</translation>
    </message>
    <message id="2202">
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message id="2203">
        <source>The PDF file could not be written:
%1

%2</source>
        <translation>Δεν ήταν δυνατή η εγγραφή του αρχείου PDF:
%1

%2</translation>
    </message>
    <message id="2204">
        <source>The printer %1 did not take the job:
%2</source>
        <translation>Ο εκτυπωτής %1 δεν δέχτηκε την εργασία:
%2</translation>
    </message>
    <message id="2205">
        <source>Next Telephone Number</source>
        <translation>Επόμενος αριθμός τηλεφώνου</translation>
    </message>
    <message id="2206">
        <source>Next Page</source>
        <translation>Επόμενη σελίδα</translation>
    </message>
    <message id="2207">
        <source>Previous Page</source>
        <translation>Προηγούμενη σελίδα</translation>
    </message>
    <message id="2250">
        <source>

The secretary&apos;s e-mail address in the file cannot be used, so the file cannot be e-mailed from here. Please hand it to the secretary yourself.</source>
        <translation>

Η διεύθυνση email του γραμματέα στο αρχείο δεν μπορεί να χρησιμοποιηθεί, οπότε το αρχείο δεν μπορεί να σταλεί με email από εδώ. Παραδώστε το στον γραμματέα μόνοι σας.</translation>
    </message>
    <message id="2251">
        <source>Mail password for %1 on %2:</source>
        <translation>Κωδικός email για τον χρήστη %1 στον διακομιστή %2:</translation>
    </message>
    <message id="2252">
        <source>Sending the mail through %1...</source>
        <translation>Αποστολή του μηνύματος μέσω %1...</translation>
    </message>
    <message id="2253">
        <source>Cancel</source>
        <translation>Άκυρο</translation>
    </message>
    <message id="2254">
        <source>Sending was cancelled. The mail was not sent.</source>
        <translation>Η αποστολή ακυρώθηκε. Το μήνυμα δεν στάλθηκε.</translation>
    </message>
    <message id="2255">
        <source>Kolekt could not connect to the mail server %1. The mail was not sent.</source>
        <translation>Το Kolekt δεν μπόρεσε να συνδεθεί με τον διακομιστή email %1. Το μήνυμα δεν στάλθηκε.</translation>
    </message>
    <message id="2256">
        <source>The mail server %1 did not answer in time. The mail was not sent.</source>
        <translation>Ο διακομιστής email %1 δεν απάντησε εγκαίρως. Το μήνυμα δεν στάλθηκε.</translation>
    </message>
    <message id="2257">
        <source>The mail server %1 refused the log-on. Check the user name and the password. The mail was not sent.</source>
        <translation>Ο διακομιστής email %1 απέρριψε τη σύνδεση. Ελέγξτε το όνομα χρήστη και τον κωδικό πρόσβασης. Το μήνυμα δεν στάλθηκε.</translation>
    </message>
    <message id="2258">
        <source>The mail server %1 does not offer an encrypted connection (STARTTLS), so Kolekt did not send the password. The mail was not sent.</source>
        <translation>Ο διακομιστής email %1 δεν προσφέρει κρυπτογραφημένη σύνδεση (STARTTLS), γι&apos; αυτό το Kolekt δεν έστειλε τον κωδικό πρόσβασης. Το μήνυμα δεν στάλθηκε.</translation>
    </message>
    <message id="2259">
        <source>No secure connection to the mail server %1 could be made: its certificate was not accepted. The mail was not sent.</source>
        <translation>Δεν ήταν δυνατή η ασφαλής σύνδεση με τον διακομιστή email %1: το πιστοποιητικό του δεν έγινε αποδεκτό. Το μήνυμα δεν στάλθηκε.</translation>
    </message>
    <message id="2260">
        <source>The mail server %1 refused the mail. The mail was not sent.</source>
        <translation>Ο διακομιστής email %1 απέρριψε το μήνυμα, οπότε δεν στάλθηκε.</translation>
    </message>
    <message id="2300">
        <source>&amp;Language</source>
        <translation>&amp;Γλώσσα</translation>
    </message>
    <message id="2301">
        <source>The language &quot;%1&quot; is not known. Kolekt knows these languages: %2.</source>
        <translation>Η γλώσσα «%1» δεν είναι γνωστή. Το Kolekt γνωρίζει αυτές τις γλώσσες: %2.</translation>
    </message>
    <message id="2302">
        <source>The code page &quot;%1&quot; is not known. Kolekt reads collection files in these code pages: %2.</source>
        <translation>Η κωδικοσελίδα «%1» δεν είναι γνωστή. Το Kolekt διαβάζει αρχεία συλλογής σε αυτές τις κωδικοσελίδες: %2.</translation>
    </message>
    <message id="2303">
        <source>&amp;Yes</source>
        <translation>&amp;Ναι</translation>
    </message>
    <message id="2304">
        <source>&amp;No</source>
        <translation>Ό&amp;χι</translation>
    </message>
    <message id="2390">
        <source>Field Service Reports</source>
        <translation>Εκθέσεις υπηρεσίας αγρού</translation>
    </message>
    <message id="2391">
        <source>Post the monthly field service reports of a group and return them to the secretary</source>
        <translation>Καταχωρίστε τις μηνιαίες εκθέσεις υπηρεσίας αγρού ενός ομίλου και παραδώστε τις στον γραμματέα</translation>
    </message>
    <message id="2392">
        <source>Collect the monthly field service reports of a group</source>
        <translation>Συλλογή των μηνιαίων εκθέσεων υπηρεσίας αγρού ενός ομίλου</translation>
    </message>
    <message id="2393">
        <source>Field service report collection</source>
        <translation>Αρχείο συλλογής εκθέσεων υπηρεσίας αγρού</translation>
    </message>
    <message id="2400">
        <source>Low Memory</source>
        <translation>Ανεπαρκής μνήμη</translation>
    </message>
    <message id="2401">
        <source>No Printer</source>
        <translation>Δεν υπάρχει εκτυπωτής</translation>
    </message>
    <message id="2402">
        <source>Printing on %1 could not be started.</source>
        <translation>Δεν ήταν δυνατή η έναρξη της εκτύπωσης στον εκτυπωτή %1.</translation>
    </message>
    <message id="2403">
        <source>Telephone service not available</source>
        <translation>Η τηλεφωνική υπηρεσία δεν είναι διαθέσιμη</translation>
    </message>
    <message id="2404">
        <source>E-mail - </source>
        <translation>E&amp;mail - </translation>
    </message>
    <message id="2700">
        <source>Mail system DLL is invalid.</source>
        <translation>Το DLL του συστήματος αλληλογραφίας δεν είναι έγκυρο.</translation>
    </message>
    <message id="2701">
        <source>bad procaddress</source>
        <translation>μη έγκυρη διεύθυνση διαδικασίας</translation>
    </message>
    <message id="2800">
        <source>Kolekt could not store its settings in
%1
The file or its lock file beside it may be write-protected, held by another program, a link, a folder or a special file, or the disk may be full. Your collection files are not affected; only what Kolekt remembers for the next start (the file open last, the language, the mail settings) is not stored.</source>
        <translation>Το Kolekt δεν μπόρεσε να αποθηκεύσει τις ρυθμίσεις του στο
%1
Το αρχείο ή το αρχείο κλειδώματός του δίπλα του μπορεί να προστατεύεται από εγγραφή, να το κρατά άλλο πρόγραμμα, να είναι σύνδεσμος, φάκελος ή ειδικό αρχείο, ή ο δίσκος μπορεί να είναι γεμάτος. Τα αρχεία συλλογής σας δεν επηρεάζονται· δεν αποθηκεύεται μόνο ό,τι θυμάται το Kolekt για την επόμενη εκκίνηση (το αρχείο που ήταν ανοιχτό τελευταίο, η γλώσσα, οι ρυθμίσεις αλληλογραφίας).</translation>
    </message>
    <message id="61712">
        <source>Please enter an integer.</source>
        <translation>Πληκτρολογήστε έναν ακέραιο αριθμό.</translation>
    </message>
    <message id="61714">
        <source>Please enter an integer between %1 and %2.</source>
        <translation>Πληκτρολογήστε έναν ακέραιο αριθμό από %1 έως %2.</translation>
    </message>
    <message id="61840">
        <source>No mail program was found.</source>
        <translation>Δεν βρέθηκε πρόγραμμα ηλεκτρονικού ταχυδρομείου.</translation>
    </message>
    <message id="61841">
        <source>The mail settings are not usable.</source>
        <translation>Οι ρυθμίσεις ηλεκτρονικού ταχυδρομείου δεν μπορούν να χρησιμοποιηθούν.</translation>
    </message>
    <message id="61842">
        <source>Send Mail failed to send message.</source>
        <translation>Η αποστολή του μηνύματος απέτυχε.</translation>
    </message>
    <message id="2350">
        <source>The collection file's code page (%2) cannot hold these characters of the remark: %1
Each of them would be stored as "?".

Store the remark like this? Otherwise it stays open for you to change it.</source>
        <translation>Η κωδικοσελίδα του αρχείου συλλογής (%2) δεν περιέχει αυτούς τους χαρακτήρες της παρατήρησης: %1
Καθένας τους θα αποθηκευόταν ως «?».

Να αποθηκευτεί η παρατήρηση έτσι; Διαφορετικά μένει ανοιχτή για να την αλλάξετε.</translation>
    </message>
    <message id="2500">
        <source>%1 left</source>
        <translation>απομένουν %1</translation>
    </message>
    <message id="2600">
        <source>Group #%1</source>
        <translation>Όμιλος αρ. %1</translation>
    </message>
    <message id="2601">
        <source>Call the telephone number shown</source>
        <translation>Κλήση του αριθμού τηλεφώνου που εμφανίζεται</translation>
    </message>
    <message id="2602">
        <source>Field service report for %MONTH% %YEAR%</source>
        <translation>Έκθεση υπηρεσίας (%MONTH% %YEAR%)</translation>
    </message>
    <message id="2603">
        <source>Dear %NAME%,

Please submit your report for %MONTH% %YEAR%.
Thank you.</source>
        <translation>Γεια σας, %NAME%,

παρακαλώ στείλτε την έκθεση υπηρεσίας σας (%MONTH% %YEAR%).
Ευχαριστώ.</translation>
    </message>
    <message id="2604">
        <source>Copy Message</source>
        <translation>Αντιγραφή μηνύματος</translation>
    </message>
    <message id="2605">
        <source>Show File in Folder</source>
        <translation>Εμφάνιση αρχείου στον φάκελο</translation>
    </message>
    <message id="2606">
        <source>

The file to attach to the mail is:
%1</source>
        <translation>

Το αρχείο που πρέπει να επισυνάψετε στο μήνυμα είναι:
%1</translation>
    </message>
    <message id="2607">
        <source>No file manager was found to show the file.</source>
        <translation>Δεν βρέθηκε πρόγραμμα διαχείρισης αρχείων για να εμφανίσει το αρχείο.</translation>
    </message>
    <message id="2608">
        <source>Remind All Missing</source>
        <translation>&amp;Υπενθύμιση σε όλους όσοι λείπουν</translation>
    </message>
    <message id="2609">
        <source>Send a reminder to each of these %1 publishers whose report is missing, one message each?%2</source>
        <translation>Να σταλεί χωριστή υπενθύμιση σε καθέναν από αυτούς τους %1 ευαγγελιζομένους των οποίων λείπει η έκθεση;%2</translation>
    </message>
    <message id="2610">
        <source>

These publishers have no usable e-mail address and get no reminder:%1</source>
        <translation>

Αυτοί οι ευαγγελιζόμενοι δεν έχουν διεύθυνση email που μπορεί να χρησιμοποιηθεί και δεν θα λάβουν υπενθύμιση:%1</translation>
    </message>
    <message id="2611">
        <source>No publisher whose report is missing has a usable e-mail address.</source>
        <translation>Κανένας ευαγγελιζόμενος του οποίου λείπει η έκθεση δεν έχει διεύθυνση email που μπορεί να χρησιμοποιηθεί.</translation>
    </message>
    <message id="2612">
        <source>The mail program will now open %1 messages, one for each publisher. Check and send each of them there.</source>
        <translation>Το πρόγραμμα ηλεκτρονικού ταχυδρομείου θα ανοίξει τώρα %1 μηνύματα, ένα για κάθε ευαγγελιζόμενο. Ελέγξτε και στείλτε το καθένα από εκεί.</translation>
    </message>
    <message id="2613">
        <source>%1 of %2 reminders were sent.</source>
        <translation>Στάλθηκαν %1 από %2 υπενθυμίσεις.</translation>
    </message>
    <message id="2614">
        <source>%1 of %2 reminders were opened in the mail program.</source>
        <translation>Άνοιξαν %1 από %2 υπενθυμίσεις στο πρόγραμμα ηλεκτρονικού ταχυδρομείου.</translation>
    </message>
    <message id="2615">
        <source>Sending reminder %1 of %2 through %3...</source>
        <translation>Αποστολή υπενθύμισης %1 από %2 μέσω %3...</translation>
    </message>
    <message id="2616">
        <source>Mail Settings...</source>
        <translation>&amp;Ρυθμίσεις email...</translation>
    </message>
    <message id="2617">
        <source>Mail Settings</source>
        <translation>Ρυθμίσεις email</translation>
    </message>
    <message id="2618">
        <source>Mail &amp;server:</source>
        <translation>&amp;Διακομιστής email:</translation>
    </message>
    <message id="2619">
        <source>Leave it empty to use the desktop's mail program; for example smtps://mail.example.org</source>
        <translation>Αφήστε το κενό για να χρησιμοποιηθεί το πρόγραμμα ηλεκτρονικού ταχυδρομείου της επιφάνειας εργασίας· για παράδειγμα smtps://mail.example.org</translation>
    </message>
    <message id="2620">
        <source>Sender &amp;address:</source>
        <translation>Διεύθυνση &amp;αποστολέα:</translation>
    </message>
    <message id="2621">
        <source>&amp;User name:</source>
        <translation>Όνομα &amp;χρήστη:</translation>
    </message>
    <message id="2622">
        <source>&amp;Password:</source>
        <translation>&amp;Κωδικός πρόσβασης:</translation>
    </message>
    <message id="2623">
        <source>&amp;Remember the password in the desktop's keyring</source>
        <translation>Α&amp;πομνημόνευση του κωδικού στην κλειδοθήκη της επιφάνειας εργασίας</translation>
    </message>
    <message id="2624">
        <source>Your &amp;name (signs the reminders):</source>
        <translation>Το &amp;όνομά σας (υπογράφει τις υπενθυμίσεις):</translation>
    </message>
    <message id="2625">
        <source>Reminder sub&amp;ject:</source>
        <translation>&amp;Θέμα υπενθύμισης:</translation>
    </message>
    <message id="2626">
        <source>Reminder te&amp;xt:</source>
        <translation>Κεί&amp;μενο υπενθύμισης:</translation>
    </message>
    <message id="2627">
        <source>%NAME% stands for the publisher's first name, %MONTH% and %YEAR% for the month and its year, %GROUP% for the group's number.</source>
        <translation>Το %NAME% σημαίνει το μικρό όνομα του ευαγγελιζομένου, τα %MONTH% και %YEAR% τον μήνα και το έτος του, το %GROUP% τον αριθμό του ομίλου.</translation>
    </message>
    <message id="2628">
        <source>Send &amp;Test Message</source>
        <translation>Αποστολή δοκιμαστικού μην&amp;ύματος</translation>
    </message>
    <message id="2629">
        <source>Kolekt test message</source>
        <translation>Δοκιμαστικό μήνυμα του Kolekt</translation>
    </message>
    <message id="2630">
        <source>This message shows that Kolekt can send mail with these settings.</source>
        <translation>Αυτό το μήνυμα δείχνει ότι το Kolekt μπορεί να στέλνει email με αυτές τις ρυθμίσεις.</translation>
    </message>
    <message id="2631">
        <source>The mail server %1 accepted the test message to %2.</source>
        <translation>Ο διακομιστής email %1 δέχτηκε το δοκιμαστικό μήνυμα προς %2.</translation>
    </message>
    <message id="2632">
        <source>The test message to %1 was handed to the desktop's mail program.</source>
        <translation>Το δοκιμαστικό μήνυμα προς %1 παραδόθηκε στο πρόγραμμα ηλεκτρονικού ταχυδρομείου της επιφάνειας εργασίας.</translation>
    </message>
    <message id="2633">
        <source>Enter your own e-mail address as the sender: the test message goes to it.</source>
        <translation>Εισαγάγετε τη δική σας διεύθυνση email ως αποστολέα: το δοκιμαστικό μήνυμα στέλνεται σε αυτήν.</translation>
    </message>
    <message id="2634">
        <source>The password could not be kept in the desktop's keyring:
%1</source>
        <translation>Ο κωδικός πρόσβασης δεν μπόρεσε να φυλαχτεί στην κλειδοθήκη της επιφάνειας εργασίας:
%1</translation>
    </message>
    <message id="2635">
        <source>Guide</source>
        <translation>Οδηγός</translation>
    </message>
    <message id="2636">
        <source>Kolekt Guide</source>
        <translation>Οδηγός του Kolekt</translation>
    </message>
    <message id="2637">
        <source>&amp;Search:</source>
        <translation>&amp;Αναζήτηση:</translation>
    </message>
    <message id="2638">
        <source>Sections of the guide</source>
        <translation>Ενότητες του οδηγού</translation>
    </message>
    <message id="2501">
        <source>Undo posting %1 (%2)</source>
        <translation>&amp;Αναίρεση καταχώρισης %1 (%2)</translation>
    </message>
    <message id="2502">
        <source>There is nothing to undo. Only reports posted to this file since Kolekt was started can be undone.</source>
        <translation>Δεν υπάρχει τίποτα για αναίρεση. Αναιρούνται μόνο οι αναφορές που καταχωρίστηκαν σε αυτό το αρχείο από την εκκίνηση του Kolekt.</translation>
    </message>
    <message id="2503">
        <source>shared</source>
        <translation>συμμετείχε</translation>
    </message>
    <message id="2504">
        <source>not shared</source>
        <translation>δεν συμμετείχε</translation>
    </message>
    <message id="2505">
        <source>hours: %1</source>
        <translation>ώρες: %1</translation>
    </message>
    <message id="2506">
        <source>studies: %1</source>
        <translation>μελέτες: %1</translation>
    </message>
    <message id="2507">
        <source>remark</source>
        <translation>παρατήρηση</translation>
    </message>
    <message id="2508">
        <source>%1 – %2: %3</source>
        <translation>%1 – %2: %3</translation>
    </message>
    <message id="2509">
        <source>&amp;Undo</source>
        <translation>&amp;Αναίρεση</translation>
    </message>
    <message id="2510">
        <source>reported</source>
        <translation>ανέφερε</translation>
    </message>
    <message id="2511">
        <source>missing</source>
        <translation>λείπει</translation>
    </message>
    <message id="2512">
        <source>remark only</source>
        <translation>μόνο παρατήρηση</translation>
    </message>
    <message id="2513">
        <source>late report for %1 posted</source>
        <translation>εκπρόθεσμη αναφορά για %1 καταχωρίστηκε</translation>
    </message>
    <message id="2514">
        <source>%1: %2 of %3 reported</source>
        <translation>%1: ανέφεραν %2 από %3</translation>
    </message>
    <message id="2515">
        <source>Pioneer hours: %1 · Bible studies: %2</source>
        <translation>Ώρες σκαπανέων: %1 · Μελέτες: %2</translation>
    </message>
    <message id="2516">
        <source>All reports are in: now "%1".</source>
        <translation>Όλες οι αναφορές ήρθαν: τώρα «%1».</translation>
    </message>
    <message id="2517">
        <source>These reports are still missing: %1

Create the file for the secretary all the same?</source>
        <translation>Αυτές οι αναφορές λείπουν ακόμη: %1

Να δημιουργηθεί παρ' όλα αυτά το αρχείο για τον γραμματέα;</translation>
    </message>
    <message id="2518">
        <source>Open the file the secretary sent you: "%1", or drop the .k09 file on this window.</source>
        <translation>Ανοίξτε το αρχείο που σας έστειλε ο γραμματέας: «%1» ή αφήστε το αρχείο .k09 σε αυτό το παράθυρο.</translation>
    </message>
    <message id="2519">
        <source>Last twelve months</source>
        <translation>Οι τελευταίοι δώδεκα μήνες</translation>
    </message>
    <message id="2520">
        <source>late</source>
        <translation>εκπρόθεσμα</translation>
    </message>
    <message id="2521">
        <source>Service year so far: hours: %1</source>
        <translation>Υπηρεσιακό έτος ως τώρα: ώρες: %1</translation>
    </message>
    <message id="2900">
        <source>Group &amp;Year</source>
        <translation>&amp;Έτος ομίλου</translation>
    </message>
    <message id="2901">
        <source>Group Year</source>
        <translation>Έτος ομίλου</translation>
    </message>
    <message id="2902">
        <source>Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec</source>
        <translation>Ιαν Φεβ Μαρ Απρ Μαΐ Ιουν Ιουλ Αυγ Σεπ Οκτ Νοε Δεκ</translation>
    </message>
    <message id="2903">
        <source>%1 h</source>
        <translation>%1 ώ.</translation>
    </message>
    <message id="2904">
        <source>%1 BS</source>
        <translation>%1 ΒΜ</translation>
    </message>
    <message id="2905">
        <source>Reported</source>
        <translation>Υπέβαλαν</translation>
    </message>
    <message id="2906">
        <source>%1 of %2 reported</source>
        <translation>υπέβαλαν %1 από %2</translation>
    </message>
    <message id="2907">
        <source>%1, %2: %3</source>
        <translation>%1, %2: %3</translation>
    </message>
    <message id="2908">
        <source>Reports each month</source>
        <translation>Εκθέσεις ανά μήνα</translation>
    </message>
    <message id="2909">
        <source>Save as P&amp;DF...</source>
        <translation>Αποθήκευση ως &amp;PDF...</translation>
    </message>
    <message id="2910">
        <source>Save the Group Year as PDF</source>
        <translation>Αποθήκευση του έτους ομίλου ως PDF</translation>
    </message>
    <message id="2911">
        <source>PDF documents</source>
        <translation>Έγγραφα PDF</translation>
    </message>
    <message id="2912">
        <source>✓ shared · ○ not shared · h hours · BS Bible studies · * remark</source>
        <translation>✓ συμμετείχε · ○ δεν συμμετείχε · ώ. ώρες · ΒΜ Βιβλικές μελέτες · * παρατήρηση</translation>
    </message>
    <message id="2913">
        <source>Its folder may be missing, read-only or full.</source>
        <translation>Ο φάκελός του ίσως λείπει, είναι μόνο για ανάγνωση ή είναι γεμάτος.</translation>
    </message>
    <message id="2850">
        <source>Kolekt could not save %1.</source>
        <translation>Το Kolekt δεν μπόρεσε να αποθηκεύσει το %1.</translation>
    </message>
    <message id="2851">
        <source>The file, its folder or the disk is read-only: remove the read-only attribute or obtain permission to create files in its folder.</source>
        <translation>Το αρχείο, ο φάκελός του ή ο δίσκος είναι μόνο για ανάγνωση: αφαιρέστε την ιδιότητα μόνο για ανάγνωση ή ζητήστε άδεια να δημιουργείτε αρχεία στον φάκελό του.</translation>
    </message>
    <message id="2852">
        <source>The disk is full (%1): make room on it or use another disk.</source>
        <translation>Ο δίσκος είναι γεμάτος (%1): ελευθερώστε χώρο ή χρησιμοποιήστε άλλον δίσκο.</translation>
    </message>
    <message id="2853">
        <source>Its name or path is too long for this file system (%1): give it a shorter name or move it to a folder with a shorter path.</source>
        <translation>Το όνομα ή η διαδρομή του είναι πολύ μεγάλα για αυτό το σύστημα αρχείων (%1): δώστε του μικρότερο όνομα ή μετακινήστε το σε φάκελο με μικρότερη διαδρομή.</translation>
    </message>
    <message id="2854">
        <source>You may not create or replace files in its folder (%1): the folder is not writable for you, or it is a shared folder where only a file's owner may replace it. Ask the folder's owner, or copy the file to a folder of your own.</source>
        <translation>Δεν επιτρέπεται να δημιουργείτε ή να αντικαθιστάτε αρχεία στον φάκελό του (%1): ο φάκελος δεν είναι εγγράψιμος για εσάς, ή είναι κοινόχρηστος φάκελος όπου μόνο ο κάτοχος ενός αρχείου μπορεί να το αντικαταστήσει. Ρωτήστε τον κάτοχο του φακέλου ή αντιγράψτε το αρχείο σε δικό σας φάκελο.</translation>
    </message>
    <message id="2855">
        <source>The file system there cannot do what saving needs (%1): copy the file to another disk or folder.</source>
        <translation>Το σύστημα αρχείων εκεί δεν μπορεί να κάνει ό,τι χρειάζεται η αποθήκευση (%1): αντιγράψτε το αρχείο σε άλλον δίσκο ή φάκελο.</translation>
    </message>
    <message id="2856">
        <source>The system reports: %1.</source>
        <translation>Το σύστημα αναφέρει: %1.</translation>
    </message>
    <message id="2857">
        <source>%1 holds %3 bytes after its last remark, which are not part of a collection file.
Kolekt ignores them, and the next save writes the file without them.</source>
        <translation>Το %1 περιέχει %3 byte μετά την τελευταία παρατήρηση, που δεν ανήκουν σε αρχείο συλλογής.
Το Kolekt τα αγνοεί, και η επόμενη αποθήκευση θα γράψει το αρχείο χωρίς αυτά.</translation>
    </message>
    <message id="2858">
        <source>%1 was saved, but it now belongs to you and your group: Kolekt could keep neither its owner nor its group, so some who could read it before may no longer be able to.
Ask the file's owner or an administrator to give it back its owner or group.</source>
        <translation>Το %1 αποθηκεύτηκε, αλλά τώρα ανήκει σε εσάς και στην ομάδα σας: το Kolekt δεν μπόρεσε να κρατήσει ούτε τον κάτοχο ούτε την ομάδα του, οπότε κάποιοι που μπορούσαν να το διαβάσουν ίσως δεν μπορούν πια.
Ζητήστε από τον κάτοχο του αρχείου ή από έναν διαχειριστή να του επιστρέψει τον κάτοχο ή την ομάδα του.</translation>
    </message>
    <message id="2859">
        <source>The folder it was opened from is no longer there: perhaps a stick or a network drive was removed. Put it back, and the next post saves every report posted since.</source>
        <translation>Ο φάκελος από τον οποίο ανοίχτηκε δεν υπάρχει πια: ίσως αφαιρέθηκε ένα USB stick ή μια μονάδα δικτύου. Συνδέστε το ξανά· η επόμενη καταχώριση θα αποθηκεύσει όλες τις αναφορές που καταχωρίστηκαν από τότε.</translation>
    </message>
</context>
</TS>
