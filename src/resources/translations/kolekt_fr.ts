<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
<context>
    <name></name>
    <message id="101">
        <source>&amp;About Kolekt...</source>
        <translation>À &amp;propos de Kolekt...</translation>
    </message>
    <message id="102">
        <source>January</source>
        <translation>janvier</translation>
    </message>
    <message id="103">
        <source>February</source>
        <translation>février</translation>
    </message>
    <message id="104">
        <source>March</source>
        <translation>mars</translation>
    </message>
    <message id="105">
        <source>April</source>
        <translation>avril</translation>
    </message>
    <message id="106">
        <source>May</source>
        <translation>mai</translation>
    </message>
    <message id="107">
        <source>June</source>
        <translation>juin</translation>
    </message>
    <message id="108">
        <source>July</source>
        <translation>juillet</translation>
    </message>
    <message id="109">
        <source>August</source>
        <translation>août</translation>
    </message>
    <message id="110">
        <source>September</source>
        <translation>septembre</translation>
    </message>
    <message id="111">
        <source>October</source>
        <translation>octobre</translation>
    </message>
    <message id="112">
        <source>November</source>
        <translation>novembre</translation>
    </message>
    <message id="113">
        <source>December</source>
        <translation>décembre</translation>
    </message>
    <message id="114">
        <source>Change &amp;Month ( late report )</source>
        <translation>Changer de &amp;mois (retard)</translation>
    </message>
    <message id="1000">
        <source>Post - %1</source>
        <translation>&amp;Saisir - %1</translation>
    </message>
    <message id="1001">
        <source>Missing %1 Reports</source>
        <translation>Rapports manquants (%1)</translation>
    </message>
    <message id="1002">
        <source>Select Collection File from Secretary</source>
        <translation>Choisir le fichier de collecte du secrétaire</translation>
    </message>
    <message id="1003">
        <source>Collection Files from Secretary (.k09)</source>
        <translation>Fichiers de collecte du secrétaire (.k09)</translation>
    </message>
    <message id="1014">
        <source>Hours</source>
        <translation>heures</translation>
    </message>
    <message id="1019">
        <source>Remarks</source>
        <translation>Remarques</translation>
    </message>
    <message id="1020">
        <source>AuxP</source>
        <translation>P. aux.</translation>
    </message>
    <message id="1023">
        <source>Ministerial Servant</source>
        <translation>Assistant ministériel</translation>
    </message>
    <message id="1024">
        <source>Elder</source>
        <translation>Ancien</translation>
    </message>
    <message id="1025">
        <source>Baptized Brother</source>
        <translation>Frère baptisé</translation>
    </message>
    <message id="1026">
        <source>Auxiliary Pioneer</source>
        <translation>Pionnier auxiliaire</translation>
    </message>
    <message id="1027">
        <source>Regular Pioneer</source>
        <translation>Pionnier permanent</translation>
    </message>
    <message id="1029">
        <source>Special Pioneer</source>
        <translation>Pionnier spécial</translation>
    </message>
    <message id="1030">
        <source>- WARNING -   You have already posted the %1 report for %2.</source>
        <translation>- ATTENTION -   Vous avez déjà saisi le rapport %1 pour %2.</translation>
    </message>
    <message id="1031">
        <source>Changes WILL NOT BE INCLUDED in the %1 report to the branch office.</source>
        <translation>Les modifications NE FIGURERONT PAS dans le rapport %1 à la filiale.</translation>
    </message>
    <message id="1032">
        <source>Any changes WILL BE INCLUDED in the %1 report to the branch office.</source>
        <translation>Toute modification FIGURERA dans le rapport %1 à la filiale.</translation>
    </message>
    <message id="1033">
        <source>Out of Space for Remarks</source>
        <translation>Plus de place pour les remarques</translation>
    </message>
    <message id="1038">
        <source>Your updates have been saved in a file at
%1</source>
        <translation>Vos modifications ont été enregistrées dans le fichier
%1</translation>
    </message>
    <message id="1039">
        <source>

Click Yes to E-mail the .k19 file to </source>
        <translation>

Cliquez sur Oui pour envoyer le fichier .k19 par e-mail à </translation>
    </message>
    <message id="1040">
        <source>Click No to send the file to the secretary later.</source>
        <translation>Cliquez sur Non pour envoyer le fichier au secrétaire plus tard.</translation>
    </message>
    <message id="1041">
        <source>,
       or
</source>
        <translation>,
       ou
</translation>
    </message>
    <message id="1042">
        <source>Collection File</source>
        <translation>Fichier de collecte</translation>
    </message>
    <message id="1043">
        <source>.k19 file for</source>
        <translation>: fichier .k19 du</translation>
    </message>
    <message id="1058">
        <source>Group</source>
        <translation>Groupe</translation>
    </message>
    <message id="1059">
        <source>Tips for using Kolekt   Important!  Your secretary must be running Scriba version 10 or later.

From your secretary, obtain a Group.k09 file for the month you are collecting.  </source>
        <translation>Conseils d'utilisation de Kolekt   Important !  Le secrétaire de votre congrégation doit utiliser Scriba version 10 ou ultérieure.

Demandez au secrétaire un fichier Group.k09 pour le mois dont vous recueillez les rapports.  </translation>
    </message>
    <message id="1060">
        <source>Drop the file on your Kolekt icon or launch Kolekt and use the 'Load New List from Secretary' button to open the file.

</source>
        <translation>Déposez le fichier sur l'icône de Kolekt, ou lancez Kolekt et ouvrez le fichier avec le bouton « Charger une nouvelle liste du secrétaire ».

</translation>
    </message>
    <message id="1061">
        <source>You'll find it easy to enter reports using only the keyboard.  Type the first two or three characters of the last name.  Use the up/down arrows to select the name and press Enter.

</source>
        <translation>La saisie des rapports se fait facilement au clavier seul.  Tapez les deux ou trois premières lettres du nom de famille.  Sélectionnez le nom avec les flèches haut/bas et appuyez sur Entrée.

</translation>
    </message>
    <message id="1062">
        <source>Enter the report terminating each entry with the Enter key.  Press Enter after the last field to return to the selection list.

</source>
        <translation>Saisissez le rapport en validant chaque donnée avec la touche Entrée.  Après le dernier champ, Entrée vous ramène à la liste de sélection.

</translation>
    </message>
    <message id="1063">
        <source>To enter remarks, type Alt-R or click the Remarks button.  Terminate with the Enter key.

To enter a late report, type Alt-M or click the Change Month button.

</source>
        <translation>Pour saisir une remarque, tapez Alt+R ou cliquez sur le bouton « Remarques ».  Terminez avec la touche Entrée.

Pour saisir un rapport en retard, tapez Alt+M ou cliquez sur le bouton « Changer de mois ».

</translation>
    </message>
    <message id="1064">
        <source>If you have a mail program, you can send report reminders to publishers.

</source>
        <translation>Si vous disposez d'un programme de messagerie, vous pouvez envoyer aux proclamateurs un rappel pour leur rapport.

</translation>
    </message>
    <message id="1065">
        <source>If you have a mail program, you can also e-mail the results to the secretary directly from the program.

</source>
        <translation>Si vous disposez d'un programme de messagerie, vous pouvez aussi envoyer les résultats au secrétaire par e-mail directement depuis le programme.

</translation>
    </message>
    <message id="1066">
        <source>Otherwise, you will need to manually attach the .k19 file to an email or deliver it to the secretary on portable media.</source>
        <translation>Sinon, vous devrez joindre vous-même le fichier .k19 à un e-mail ou le remettre au secrétaire sur un support amovible, par exemple une clé USB.</translation>
    </message>
    <message id="1116">
        <source>Total Publishers</source>
        <translation>Total des proclamateurs</translation>
    </message>
    <message id="1167">
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message id="1168">
        <source>Telephone</source>
        <translation>Téléphone</translation>
    </message>
    <message id="1188">
        <source>%1 Report Collection</source>
        <translation>Collecte des rapports : %1</translation>
    </message>
    <message id="1194">
        <source>Special Pioneers are NOT INCLUDED in Report to Branch</source>
        <translation>Les pionniers spéciaux NE SONT PAS INCLUS dans le rapport à la filiale</translation>
    </message>
    <message id="1198">
        <source>eng</source>
        <translation>french</translation>
    </message>
    <message id="1231">
        <source>Unable to create new file: %1.
Remove the read-only attribute from the directory / file or obtain permission to create files in this directory.</source>
        <translation>Impossible de créer le nouveau fichier : %1.
Retirez l'attribut lecture seule du dossier ou du fichier, ou obtenez l'autorisation de créer des fichiers dans ce dossier.</translation>
    </message>
    <message id="1232">
        <source>Group has less than 3 publishers</source>
        <translation>Le groupe compte moins de 3 proclamateurs</translation>
    </message>
    <message id="1233">
        <source>%1 is not a collection file from the secretary.
It was not opened, and Kolekt will not write to it.</source>
        <translation>%1 n'est pas un fichier de collecte du secrétaire.
Il n'a pas été ouvert, et Kolekt n'y écrira pas.</translation>
    </message>
    <message id="1247">
        <source>Report Collection Form</source>
        <translation>Relevé des rapports de prédication</translation>
    </message>
    <message id="1415">
        <source>Plcmts</source>
        <translation>Publ.</translation>
    </message>
    <message id="1416">
        <source>Videos</source>
        <translation>Vidéos</translation>
    </message>
    <message id="1417">
        <source>Hours</source>
        <translation>Heures</translation>
    </message>
    <message id="1418">
        <source>R.Visits</source>
        <translation>N.V.</translation>
    </message>
    <message id="1419">
        <source>Studies</source>
        <translation>Cours</translation>
    </message>
    <message id="1495">
        <source>Shared in any form of the ministry during the month</source>
        <translation>A participé au ministère, sous une forme ou une autre, pendant le mois</translation>
    </message>
    <message id="1500">
        <source>Shared</source>
        <translation>Participé</translation>
    </message>
    <message id="2000">
        <source>Field Service Reports</source>
        <translation>Rapports de prédication</translation>
    </message>
    <message id="2001">
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message id="2002">
        <source>Exit Program</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message id="2003">
        <source>Limit List to Missing Reports</source>
        <translation>&amp;Limiter aux rapports manquants</translation>
    </message>
    <message id="2004">
        <source> Last Person Posted </source>
        <translation> Dernière saisie </translation>
    </message>
    <message id="2005">
        <source>Load New List from Secretary</source>
        <translation>&amp;Charger une nouvelle liste du secrétaire</translation>
    </message>
    <message id="2006">
        <source>Create File for Secretary</source>
        <translation>C&amp;réer le fichier pour le secrétaire</translation>
    </message>
    <message id="2007">
        <source>Dial</source>
        <translation>A&amp;ppeler</translation>
    </message>
    <message id="2008">
        <source>Help</source>
        <translation>Ai&amp;de</translation>
    </message>
    <message id="2009">
        <source>View or Print Report Collection List</source>
        <translation>&amp;Afficher ou imprimer le relevé des rapports</translation>
    </message>
    <message id="2010">
        <source>Preview E-mail</source>
        <translation>Aperç&amp;u de l'e-mail</translation>
    </message>
    <message id="2020">
        <source>Shared in Ministry</source>
        <translation>A participé</translation>
    </message>
    <message id="2021">
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message id="2022">
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message id="2023">
        <source>&amp;Remarks</source>
        <translation>&amp;Remarques</translation>
    </message>
    <message id="2024">
        <source>Auxiliary Pioneer</source>
        <translation>Pionnier auxiliaire</translation>
    </message>
    <message id="2025">
        <source>&lt;1h</source>
        <translation>&lt;1h</translation>
    </message>
    <message id="2040">
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message id="2041">
        <source>&amp;Print</source>
        <translation>&amp;Imprimer</translation>
    </message>
    <message id="2042">
        <source>Print &amp;Setup</source>
        <translation>Im&amp;primante</translation>
    </message>
    <message id="2060">
        <source>About Kolekt</source>
        <translation>À propos de Kolekt</translation>
    </message>
    <message id="2061">
        <source>Kolekt Version 5a</source>
        <translation>Kolekt version 5a</translation>
    </message>
    <message id="2062">
        <source>GNU GPL 3 or later</source>
        <translation>GPL 3 ou ultérieure</translation>
    </message>
    <message id="2063">
        <source>Questions and fixes: kolekt@example.org</source>
        <translation>Questions et corrections : kolekt@example.org</translation>
    </message>
    <message id="2064">
        <source>Requires Groupx.k09 files from Scriba Version 10a or later</source>
        <translation>Nécessite des fichiers Groupx.k09 de Scriba version 10a ou ultérieure</translation>
    </message>
    <message id="2100">
        <source>Kolekt cannot open %1:
the file does not exist. It may have been moved, renamed or deleted.</source>
        <translation>Kolekt ne peut pas ouvrir %1 :
le fichier n'existe pas. Il a peut-être été déplacé, renommé ou supprimé.</translation>
    </message>
    <message id="2101">
        <source>Kolekt cannot open %1:
the file cannot be read. Ask the owner of the file or of its folder for permission to read it.</source>
        <translation>Kolekt ne peut pas ouvrir %1 :
le fichier ne peut pas être lu. Demandez au propriétaire du fichier ou de son dossier l'autorisation de le lire.</translation>
    </message>
    <message id="2102">
        <source>Kolekt cannot open %1:
it is not a regular file but a folder or a special file. Choose the collection file from the secretary.</source>
        <translation>Kolekt ne peut pas ouvrir %1 :
ce n'est pas un fichier ordinaire, mais un dossier ou un fichier spécial. Choisissez le fichier de collecte du secrétaire.</translation>
    </message>
    <message id="2103">
        <source>%1 is incomplete: it ends early, and %3 of its %4 publisher records are missing, as after a copy or download that was cut off.
You can view and print it, but Kolekt will not save anything to it. Ask the secretary for the file again.</source>
        <translation>%1 est incomplet : il s'arrête trop tôt, et il y manque %3 des %4 proclamateurs qu'il devrait contenir, comme après une copie ou un téléchargement interrompu.
Vous pouvez l'afficher et l'imprimer, mais Kolekt n'y enregistrera rien. Redemandez le fichier au secrétaire.</translation>
    </message>
    <message id="2104">
        <source>%1 is incomplete: it ends early, and %3 of its %4 remarks are missing, as after a copy or download that was cut off.
You can view and print it, but Kolekt will not save anything to it. Ask the secretary for the file again.</source>
        <translation>%1 est incomplet : il s'arrête trop tôt, et il y manque %3 des %4 remarques qu'il devrait contenir, comme après une copie ou un téléchargement interrompu.
Vous pouvez l'afficher et l'imprimer, mais Kolekt n'y enregistrera rien. Redemandez le fichier au secrétaire.</translation>
    </message>
    <message id="2105">
        <source>%1 is incomplete, so Kolekt saves nothing to it and makes no file for the secretary from it.
Ask the secretary for the file again.</source>
        <translation>%1 est incomplet : Kolekt n'y enregistre donc rien et n'en tire aucun fichier pour le secrétaire.
Redemandez le fichier au secrétaire.</translation>
    </message>
    <message id="2106">
        <source>Reports cannot be posted to %1, because the file is incomplete and Kolekt will not save to it.
Ask the secretary for the file again.</source>
        <translation>Impossible de saisir des rapports dans %1 : le fichier est incomplet et Kolekt n'y enregistrera rien.
Redemandez le fichier au secrétaire.</translation>
    </message>
    <message id="2107">
        <source>%1 is already open in another Kolekt.
A collection file can be open in only one Kolekt at a time, so that no report posted in one is lost by the other. Close it there, then open it here.</source>
        <translation>%1 est déjà ouvert dans un autre Kolekt.
Un fichier de collecte ne peut être ouvert que dans un seul Kolekt à la fois, pour qu'aucun rapport saisi dans l'un ne soit perdu par l'autre. Fermez-le là-bas, puis ouvrez-le ici.</translation>
    </message>
    <message id="2108">
        <source>%1 was changed or replaced by another program since Kolekt opened it.
So that neither version is lost, Kolekt did not overwrite it and saved your collection as
%2
Kolekt goes on with that file.</source>
        <translation>%1 a été modifié ou remplacé par un autre programme depuis que Kolekt l'a ouvert.
Pour qu'aucune des deux versions ne soit perdue, Kolekt ne l'a pas écrasé et a enregistré votre collecte sous
%2
Kolekt continue avec ce fichier.</translation>
    </message>
    <message id="2109">
        <source>Kolekt could not save the collection to %1.
So that no report is lost, it was saved as
%2
Open that file with "Load New List from Secretary" to go on with it.</source>
        <translation>Kolekt n'a pas pu enregistrer la collecte dans %1.
Pour qu'aucun rapport ne soit perdu, elle a été enregistrée sous
%2
Ouvrez ce fichier avec « Charger une nouvelle liste du secrétaire » pour continuer.</translation>
    </message>
    <message id="2110">
        <source>Kolekt could not save the collection to %1, nor to the folder %2.
The reports posted since it was last saved could not be kept.</source>
        <translation>Kolekt n'a pu enregistrer la collecte ni dans %1, ni dans le dossier %2.
Les rapports saisis depuis le dernier enregistrement n'ont pas pu être conservés.</translation>
    </message>
    <message id="2111">
        <source>Collections that could not be saved to their own files when Kolekt ended are kept in
%1
Open one with "Load New List from Secretary" to go on with it.</source>
        <translation>Les collectes qui n'ont pas pu être enregistrées dans leur propre fichier à la fermeture de Kolekt sont conservées dans
%1
Ouvrez-en une avec « Charger une nouvelle liste du secrétaire » pour continuer.</translation>
    </message>
    <message id="2120">
        <source>%1 cannot be opened: its lock file %2 is not a file Kolekt made (it is a link, a folder or a special file).
Remove it, then open the collection file again.</source>
        <translation>Impossible d&apos;ouvrir %1 : son fichier de verrou %2 n&apos;est pas un fichier créé par Kolekt (c&apos;est un lien, un dossier ou un fichier spécial).
Supprimez-le, puis rouvrez le fichier.</translation>
    </message>
    <message id="2200">
        <source>Post</source>
        <translation>&amp;Saisir</translation>
    </message>
    <message id="2201">
        <source>Print Setup</source>
        <translation>Configuration de l'imprimante</translation>
    </message>
    <message id="2202">
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message id="2203">
        <source>The PDF file could not be written:
%1

%2</source>
        <translation>Le fichier PDF n'a pas pu être écrit :
%1

%2</translation>
    </message>
    <message id="2204">
        <source>The printer %1 did not take the job:
%2</source>
        <translation>L'imprimante %1 n'a pas accepté la tâche d'impression :
%2</translation>
    </message>
    <message id="2205">
        <source>Next Telephone Number</source>
        <translation>Numéro de téléphone suivant</translation>
    </message>
    <message id="2206">
        <source>Next Page</source>
        <translation>Page suivante</translation>
    </message>
    <message id="2207">
        <source>Previous Page</source>
        <translation>Page précédente</translation>
    </message>
    <message id="2250">
        <source>

The secretary's e-mail address in the file cannot be used, so the file cannot be e-mailed from here. Please hand it to the secretary yourself.</source>
        <translation>

L'adresse e-mail du secrétaire indiquée dans le fichier est inutilisable : le fichier ne peut donc pas être envoyé par e-mail d'ici. Veuillez le remettre vous-même au secrétaire.</translation>
    </message>
    <message id="2251">
        <source>Mail password for %1 on %2:</source>
        <translation>Mot de passe de messagerie de %1 sur %2 :</translation>
    </message>
    <message id="2252">
        <source>Sending the mail through %1...</source>
        <translation>Envoi du message via %1...</translation>
    </message>
    <message id="2253">
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message id="2254">
        <source>Sending was cancelled. The mail was not sent.</source>
        <translation>L'envoi a été annulé. Le message n'a pas été envoyé.</translation>
    </message>
    <message id="2255">
        <source>Kolekt could not connect to the mail server %1. The mail was not sent.</source>
        <translation>Kolekt n'a pas pu se connecter au serveur de messagerie %1. Le message n'a pas été envoyé.</translation>
    </message>
    <message id="2256">
        <source>The mail server %1 did not answer in time. The mail was not sent.</source>
        <translation>Le serveur de messagerie %1 n'a pas répondu à temps. Le message n'a pas été envoyé.</translation>
    </message>
    <message id="2257">
        <source>The mail server %1 refused the log-on. Check the user name and the password. The mail was not sent.</source>
        <translation>Le serveur de messagerie %1 a refusé la connexion. Vérifiez le nom d'utilisateur et le mot de passe. Le message n'a pas été envoyé.</translation>
    </message>
    <message id="2258">
        <source>The mail server %1 does not offer an encrypted connection (STARTTLS), so Kolekt did not send the password. The mail was not sent.</source>
        <translation>Le serveur de messagerie %1 ne propose pas de connexion chiffrée (STARTTLS) : Kolekt n'a donc pas envoyé le mot de passe. Le message n'a pas été envoyé.</translation>
    </message>
    <message id="2259">
        <source>No secure connection to the mail server %1 could be made: its certificate was not accepted. The mail was not sent.</source>
        <translation>Impossible d'établir une connexion sécurisée avec le serveur de messagerie %1 : son certificat n'a pas été accepté. Le message n'a pas été envoyé.</translation>
    </message>
    <message id="2260">
        <source>The mail server %1 refused the mail. The mail was not sent.</source>
        <translation>Le serveur de messagerie %1 a refusé le message. Le message n'a pas été envoyé.</translation>
    </message>
    <message id="2300">
        <source>&amp;Language</source>
        <translation>&amp;Langue</translation>
    </message>
    <message id="2301">
        <source>The language "%1" is not known. Kolekt knows these languages: %2.</source>
        <translation>La langue « %1 » est inconnue. Kolekt connaît ces langues : %2.</translation>
    </message>
    <message id="2302">
        <source>The code page "%1" is not known. Kolekt reads collection files in these code pages: %2.</source>
        <translation>La page de codes « %1 » est inconnue. Kolekt lit les fichiers de collecte dans ces pages de codes : %2.</translation>
    </message>
    <message id="2303">
        <source>&amp;Yes</source>
        <translation>&amp;Oui</translation>
    </message>
    <message id="2304">
        <source>&amp;No</source>
        <translation>&amp;Non</translation>
    </message>
    <message id="2390">
        <source>Field Service Reports</source>
        <translation>Rapports de prédication</translation>
    </message>
    <message id="2391">
        <source>Post the monthly field service reports of a group and return them to the secretary</source>
        <translation>Saisir les rapports de prédication mensuels d'un groupe et les renvoyer au secrétaire</translation>
    </message>
    <message id="2392">
        <source>Collect the monthly field service reports of a group</source>
        <translation>Recueillir les rapports de prédication mensuels d'un groupe</translation>
    </message>
    <message id="2393">
        <source>Field service report collection</source>
        <translation>Fichier de collecte des rapports de prédication</translation>
    </message>
    <message id="2400">
        <source>Low Memory</source>
        <translation>Mémoire insuffisante</translation>
    </message>
    <message id="2401">
        <source>No Printer</source>
        <translation>Aucune imprimante</translation>
    </message>
    <message id="2402">
        <source>Printing on %1 could not be started.</source>
        <translation>L'impression sur %1 n'a pas pu démarrer.</translation>
    </message>
    <message id="2403">
        <source>Telephone service not available</source>
        <translation>Service téléphonique non disponible</translation>
    </message>
    <message id="2404">
        <source>E-mail - </source>
        <translation>&amp;E-mail - </translation>
    </message>
    <message id="2700">
        <source>Mail system DLL is invalid.</source>
        <translation>La DLL du système de messagerie n'est pas valide.</translation>
    </message>
    <message id="2701">
        <source>bad procaddress</source>
        <translation>adresse de procédure incorrecte</translation>
    </message>
    <message id="2800">
        <source>Kolekt could not store its settings in
%1
The file or its lock file beside it may be write-protected, held by another program, a link, a folder or a special file, or the disk may be full. Your collection files are not affected; only what Kolekt remembers for the next start (the file open last, the language, the mail settings) is not stored.</source>
        <translation>Kolekt n&apos;a pas pu enregistrer ses paramètres dans
%1
Le fichier ou son fichier de verrou voisin est peut-être protégé en écriture, tenu par un autre programme, un lien, un dossier ou un fichier spécial, ou le disque est plein. Vos fichiers de rapports ne sont pas touchés ; seul ce que Kolekt retient pour le prochain démarrage (le dernier fichier ouvert, la langue, les paramètres de messagerie) n&apos;est pas enregistré.</translation>
    </message>
    <message id="61712">
        <source>Please enter an integer.</source>
        <translation>Veuillez entrer un nombre entier.</translation>
    </message>
    <message id="61714">
        <source>Please enter an integer between %1 and %2.</source>
        <translation>Veuillez entrer un nombre entier entre %1 et %2.</translation>
    </message>
    <message id="61840">
        <source>No mail program was found.</source>
        <translation>Aucun programme de messagerie n'a été trouvé.</translation>
    </message>
    <message id="61841">
        <source>The mail settings are not usable.</source>
        <translation>Les paramètres de messagerie ne sont pas utilisables.</translation>
    </message>
    <message id="61842">
        <source>Send Mail failed to send message.</source>
        <translation>L'envoi du message a échoué.</translation>
    </message>
    <message id="2350">
        <source>The collection file's code page (%2) cannot hold these characters of the remark: %1
Each of them would be stored as "?".

Store the remark like this? Otherwise it stays open for you to change it.</source>
        <translation>La page de codes du fichier de collecte (%2) ne contient pas ces caractères de la remarque : %1
Chacun d'eux serait enregistré sous la forme « ? ».

Enregistrer la remarque ainsi ? Sinon, elle reste ouverte pour que vous puissiez la modifier.</translation>
    </message>
    <message id="2600">
        <source>Group #%1</source>
        <translation>Groupe n° %1</translation>
    </message>
    <message id="2601">
        <source>Call the telephone number shown</source>
        <translation>Appeler le numéro de téléphone affiché</translation>
    </message>
    <message id="2602">
        <source>Field service report for %MONTH% %YEAR%</source>
        <translation>Rapport de prédication (%MONTH% %YEAR%)</translation>
    </message>
    <message id="2603">
        <source>Dear %NAME%,

Please submit your report for %MONTH% %YEAR%.
Thank you.</source>
        <translation>Bonjour %NAME%,

Pourriez-vous remettre votre rapport de prédication (%MONTH% %YEAR%) ?
Merci.</translation>
    </message>
    <message id="2604">
        <source>Copy Message</source>
        <translation>Copier le message</translation>
    </message>
    <message id="2605">
        <source>Show File in Folder</source>
        <translation>Afficher le fichier dans le dossier</translation>
    </message>
    <message id="2606">
        <source>

The file to attach to the mail is:
%1</source>
        <translation>

Le fichier à joindre au message est :
%1</translation>
    </message>
    <message id="2607">
        <source>No file manager was found to show the file.</source>
        <translation>Aucun gestionnaire de fichiers n'a été trouvé pour afficher le fichier.</translation>
    </message>
    <message id="2608">
        <source>Remind All Missing</source>
        <translation>&amp;Rappeler tous les retardataires</translation>
    </message>
    <message id="2609">
        <source>Send a reminder to each of these %1 publishers whose report is missing, one message each?%2</source>
        <translation>Envoyer un rappel à chacun de ces %1 proclamateurs dont le rapport manque, un message par personne ?%2</translation>
    </message>
    <message id="2610">
        <source>

These publishers have no usable e-mail address and get no reminder:%1</source>
        <translation>

Ces proclamateurs n'ont pas d'adresse e-mail utilisable et ne recevront pas de rappel :%1</translation>
    </message>
    <message id="2611">
        <source>No publisher whose report is missing has a usable e-mail address.</source>
        <translation>Aucun proclamateur dont le rapport manque n'a d'adresse e-mail utilisable.</translation>
    </message>
    <message id="2612">
        <source>The mail program will now open %1 messages, one for each publisher. Check and send each of them there.</source>
        <translation>Le programme de messagerie va ouvrir %1 messages, un pour chaque proclamateur. Vérifiez-les et envoyez-les depuis ce programme.</translation>
    </message>
    <message id="2613">
        <source>%1 of %2 reminders were sent.</source>
        <translation>%1 rappels sur %2 ont été envoyés.</translation>
    </message>
    <message id="2614">
        <source>%1 of %2 reminders were opened in the mail program.</source>
        <translation>%1 rappels sur %2 ont été ouverts dans le programme de messagerie.</translation>
    </message>
    <message id="2615">
        <source>Sending reminder %1 of %2 through %3...</source>
        <translation>Envoi du rappel %1 sur %2 par %3...</translation>
    </message>
    <message id="2616">
        <source>Mail Settings...</source>
        <translation>Paramètres de &amp;messagerie...</translation>
    </message>
    <message id="2617">
        <source>Mail Settings</source>
        <translation>Paramètres de messagerie</translation>
    </message>
    <message id="2618">
        <source>Mail &amp;server:</source>
        <translation>&amp;Serveur de messagerie :</translation>
    </message>
    <message id="2619">
        <source>Leave it empty to use the desktop's mail program; for example smtps://mail.example.org</source>
        <translation>Laissez vide pour utiliser le programme de messagerie du bureau ; par exemple smtps://mail.example.org</translation>
    </message>
    <message id="2620">
        <source>Sender &amp;address:</source>
        <translation>&amp;Adresse de l'expéditeur :</translation>
    </message>
    <message id="2621">
        <source>&amp;User name:</source>
        <translation>Nom d'&amp;utilisateur :</translation>
    </message>
    <message id="2622">
        <source>&amp;Password:</source>
        <translation>Mot de &amp;passe :</translation>
    </message>
    <message id="2623">
        <source>&amp;Remember the password in the desktop's keyring</source>
        <translation>&amp;Retenir le mot de passe dans le trousseau du bureau</translation>
    </message>
    <message id="2624">
        <source>Your &amp;name (signs the reminders):</source>
        <translation>Votre &amp;nom (signe les rappels) :</translation>
    </message>
    <message id="2625">
        <source>Reminder sub&amp;ject:</source>
        <translation>O&amp;bjet du rappel :</translation>
    </message>
    <message id="2626">
        <source>Reminder te&amp;xt:</source>
        <translation>Te&amp;xte du rappel :</translation>
    </message>
    <message id="2627">
        <source>%NAME% stands for the publisher's first name, %MONTH% and %YEAR% for the month and its year, %GROUP% for the group's number.</source>
        <translation>%NAME% représente le prénom du proclamateur, %MONTH% et %YEAR% le mois et son année, %GROUP% le numéro du groupe.</translation>
    </message>
    <message id="2628">
        <source>Send &amp;Test Message</source>
        <translation>Envoyer un message de &amp;test</translation>
    </message>
    <message id="2629">
        <source>Kolekt test message</source>
        <translation>Message de test de Kolekt</translation>
    </message>
    <message id="2630">
        <source>This message shows that Kolekt can send mail with these settings.</source>
        <translation>Ce message montre que Kolekt peut envoyer des e-mails avec ces paramètres.</translation>
    </message>
    <message id="2631">
        <source>The mail server %1 accepted the test message to %2.</source>
        <translation>Le serveur de messagerie %1 a accepté le message de test pour %2.</translation>
    </message>
    <message id="2632">
        <source>The test message to %1 was handed to the desktop's mail program.</source>
        <translation>Le message de test pour %1 a été transmis au programme de messagerie du bureau.</translation>
    </message>
    <message id="2633">
        <source>Enter your own e-mail address as the sender: the test message goes to it.</source>
        <translation>Saisissez votre propre adresse e-mail comme expéditeur : le message de test lui est envoyé.</translation>
    </message>
    <message id="2634">
        <source>The password could not be kept in the desktop's keyring:
%1</source>
        <translation>Le mot de passe n'a pas pu être conservé dans le trousseau du bureau :
%1</translation>
    </message>
    <message id="2500">
        <source>%1 left</source>
        <translation>reste %1</translation>
    </message>
    <message id="2635">
        <source>Guide</source>
        <translation>Guide</translation>
    </message>
    <message id="2636">
        <source>Kolekt Guide</source>
        <translation>Guide de Kolekt</translation>
    </message>
    <message id="2637">
        <source>&amp;Search:</source>
        <translation>&amp;Rechercher :</translation>
    </message>
    <message id="2638">
        <source>Sections of the guide</source>
        <translation>Sections du guide</translation>
    </message>
    <message id="2501">
        <source>Undo posting %1 (%2)</source>
        <translation>&amp;Annuler la saisie de %1 (%2)</translation>
    </message>
    <message id="2502">
        <source>There is nothing to undo. Only reports posted to this file since Kolekt was started can be undone.</source>
        <translation>Il n'y a rien à annuler. Seuls les rapports saisis dans ce fichier depuis le démarrage de Kolekt peuvent être annulés.</translation>
    </message>
    <message id="2503">
        <source>shared</source>
        <translation>a prêché</translation>
    </message>
    <message id="2504">
        <source>not shared</source>
        <translation>n'a pas prêché</translation>
    </message>
    <message id="2505">
        <source>hours: %1</source>
        <translation>heures : %1</translation>
    </message>
    <message id="2506">
        <source>studies: %1</source>
        <translation>cours : %1</translation>
    </message>
    <message id="2507">
        <source>remark</source>
        <translation>remarque</translation>
    </message>
    <message id="2508">
        <source>%1 – %2: %3</source>
        <translation>%1 – %2 : %3</translation>
    </message>
    <message id="2509">
        <source>&amp;Undo</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message id="2510">
        <source>reported</source>
        <translation>rapport remis</translation>
    </message>
    <message id="2511">
        <source>missing</source>
        <translation>manquant</translation>
    </message>
    <message id="2512">
        <source>remark only</source>
        <translation>remarque seule</translation>
    </message>
    <message id="2513">
        <source>late report for %1 posted</source>
        <translation>rapport en retard de %1 saisi</translation>
    </message>
    <message id="2514">
        <source>%1: %2 of %3 reported</source>
        <translation>%1 : %2 sur %3 remis</translation>
    </message>
    <message id="2515">
        <source>Pioneer hours: %1 · Bible studies: %2</source>
        <translation>Heures pionniers : %1 · Cours : %2</translation>
    </message>
    <message id="2516">
        <source>All reports are in: now "%1".</source>
        <translation>Tous les rapports sont là : maintenant « %1 ».</translation>
    </message>
    <message id="2517">
        <source>These reports are still missing: %1

Create the file for the secretary all the same?</source>
        <translation>Ces rapports manquent encore : %1

Créer quand même le fichier pour le secrétaire ?</translation>
    </message>
    <message id="2518">
        <source>Open the file the secretary sent you: "%1", or drop the .k09 file on this window.</source>
        <translation>Ouvrez le fichier que le secrétaire vous a envoyé : « %1 », ou déposez le fichier .k09 sur cette fenêtre.</translation>
    </message>
    <message id="2519">
        <source>Last twelve months</source>
        <translation>Les douze derniers mois</translation>
    </message>
    <message id="2520">
        <source>late</source>
        <translation>en retard</translation>
    </message>
    <message id="2521">
        <source>Service year so far: hours: %1</source>
        <translation>Année de service jusqu'ici : heures : %1</translation>
    </message>
    <message id="2900">
        <source>Group &amp;Year</source>
        <translation>Année du &amp;groupe</translation>
    </message>
    <message id="2901">
        <source>Group Year</source>
        <translation>Année du groupe</translation>
    </message>
    <message id="2902">
        <source>Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec</source>
        <translation>janv. févr. mars avr. mai juin juil. août sept. oct. nov. déc.</translation>
    </message>
    <message id="2903">
        <source>%1 h</source>
        <translation>%1 h</translation>
    </message>
    <message id="2904">
        <source>%1 BS</source>
        <translation>%1 CB</translation>
    </message>
    <message id="2905">
        <source>Reported</source>
        <translation>Rapports remis</translation>
    </message>
    <message id="2906">
        <source>%1 of %2 reported</source>
        <translation>%1 sur %2 ont remis leur rapport</translation>
    </message>
    <message id="2907">
        <source>%1, %2: %3</source>
        <translation>%1, %2 : %3</translation>
    </message>
    <message id="2908">
        <source>Reports each month</source>
        <translation>Rapports par mois</translation>
    </message>
    <message id="2909">
        <source>Save as P&amp;DF...</source>
        <translation>&amp;Enregistrer en PDF...</translation>
    </message>
    <message id="2910">
        <source>Save the Group Year as PDF</source>
        <translation>Enregistrer l'année du groupe en PDF</translation>
    </message>
    <message id="2911">
        <source>PDF documents</source>
        <translation>Documents PDF</translation>
    </message>
    <message id="2912">
        <source>✓ shared · ○ not shared · h hours · BS Bible studies · * remark</source>
        <translation>✓ a prêché · ○ n'a pas prêché · h heures · CB cours bibliques · * remarque</translation>
    </message>
    <message id="2913">
        <source>Its folder may be missing, read-only or full.</source>
        <translation>Son dossier est peut-être absent, en lecture seule ou plein.</translation>
    </message>
    <message id="2850">
        <source>Kolekt could not save %1.</source>
        <translation>Kolekt n’a pas pu enregistrer %1.</translation>
    </message>
    <message id="2851">
        <source>The file, its folder or the disk is read-only: remove the read-only attribute or obtain permission to create files in its folder.</source>
        <translation>Le fichier, son dossier ou le disque est en lecture seule : retirez l’attribut lecture seule ou obtenez l’autorisation de créer des fichiers dans son dossier.</translation>
    </message>
    <message id="2852">
        <source>The disk is full (%1): make room on it or use another disk.</source>
        <translation>Le disque est plein (%1) : libérez de la place ou utilisez un autre disque.</translation>
    </message>
    <message id="2853">
        <source>Its name or path is too long for this file system (%1): give it a shorter name or move it to a folder with a shorter path.</source>
        <translation>Son nom ou son chemin est trop long pour ce système de fichiers (%1) : donnez-lui un nom plus court ou déplacez-le dans un dossier au chemin plus court.</translation>
    </message>
    <message id="2854">
        <source>You may not create or replace files in its folder (%1): the folder is not writable for you, or it is a shared folder where only a file's owner may replace it. Ask the folder's owner, or copy the file to a folder of your own.</source>
        <translation>Vous ne pouvez pas créer ni remplacer de fichiers dans son dossier (%1) : le dossier ne vous est pas accessible en écriture, ou c’est un dossier partagé où seul le propriétaire d’un fichier peut le remplacer. Demandez au propriétaire du dossier, ou copiez le fichier dans un dossier à vous.</translation>
    </message>
    <message id="2855">
        <source>The file system there cannot do what saving needs (%1): copy the file to another disk or folder.</source>
        <translation>Le système de fichiers à cet endroit ne permet pas ce que l’enregistrement demande (%1) : copiez le fichier sur un autre disque ou dans un autre dossier.</translation>
    </message>
    <message id="2856">
        <source>The system reports: %1.</source>
        <translation>Le système indique : %1.</translation>
    </message>
    <message id="2857">
        <source>%1 holds %3 bytes after its last remark, which are not part of a collection file.
Kolekt ignores them, and the next save writes the file without them.</source>
        <translation>%1 contient %3 octets après sa dernière remarque, qui ne font pas partie d’un fichier de collecte.
Kolekt les ignore, et le prochain enregistrement écrira le fichier sans eux.</translation>
    </message>
    <message id="2858">
        <source>%1 was saved, but it now belongs to you and your group: Kolekt could keep neither its owner nor its group, so some who could read it before may no longer be able to.
Ask the file's owner or an administrator to give it back its owner or group.</source>
        <translation>%1 a été enregistré, mais il vous appartient maintenant, à vous et à votre groupe : Kolekt n’a pu conserver ni son propriétaire ni son groupe, si bien que certains qui pouvaient le lire ne le peuvent peut-être plus.
Demandez au propriétaire du fichier ou à un administrateur de lui rendre son propriétaire ou son groupe.</translation>
    </message>
    <message id="2859">
        <source>The folder it was opened from is no longer there: perhaps a stick or a network drive was removed. Put it back, and the next post saves every report posted since.</source>
        <translation>Le dossier d’où il a été ouvert n’est plus là : une clé USB ou un lecteur réseau a peut-être été retiré. Rebranchez-le ; la prochaine saisie enregistrera tous les rapports saisis depuis.</translation>
    </message>
</context>
</TS>
