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
        <translation>Καταχώριση - %1</translation>
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
        <translation>Διακονικός υπηρέτης</translation>
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
        <translation>Βοηθ. σκαπανέας</translation>
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
        <translation>Αφήστε το αρχείο πάνω στο εικονίδιο του Kolekt ή ανοίξτε το Kolekt και πατήστε το κουμπί «Φόρτωση νέας λίστας από τον γραμματέα» για να ανοίξετε το αρχείο.

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
    <message id="1422">
        <source>Please submit your report for %1. 
Thank you.</source>
        <translation>Παρακαλώ στείλτε την έκθεση υπηρεσίας σας (%1). 
Ευχαριστώ.</translation>
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
        <translation>Έξοδος</translation>
    </message>
    <message id="2003">
        <source>Limit List to Missing Reports</source>
        <translation>Μόνο οι εκθέσεις που λείπουν</translation>
    </message>
    <message id="2004">
        <source> Last Person Posted </source>
        <translation> Τελευταία καταχώριση </translation>
    </message>
    <message id="2005">
        <source>Load New List from Secretary</source>
        <translation>Φόρτωση νέας λίστας από τον γραμματέα</translation>
    </message>
    <message id="2006">
        <source>Create File for Secretary</source>
        <translation>Δημιουργία αρχείου για τον γραμματέα</translation>
    </message>
    <message id="2007">
        <source>Dial</source>
        <translation>Κλήση</translation>
    </message>
    <message id="2008">
        <source>Help</source>
        <translation>Βοήθεια</translation>
    </message>
    <message id="2009">
        <source>View or Print Report Collection List</source>
        <translation>Προβολή ή εκτύπωση λίστας εκθέσεων</translation>
    </message>
    <message id="2010">
        <source>Preview E-mail</source>
        <translation>Προεπισκόπηση email</translation>
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
        <translation>Βοηθ. σκαπανέας</translation>
    </message>
    <message id="2025">
        <source>&lt;1h</source>
        <translation>&lt;1 ώρα</translation>
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
    <message id="2064">
        <source>Requires Groupx.k09 files from Scriba Version 10a or later</source>
        <translation>Απαιτεί αρχεία Groupx.k09 από το Scriba έκδοση 10a ή νεότερη</translation>
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
</context>
</TS>
