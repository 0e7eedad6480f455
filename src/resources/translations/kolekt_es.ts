<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
<context>
    <name></name>
    <message id="101">
        <source>&amp;About Kolekt...</source>
        <translation>&amp;Acerca de Kolekt...</translation>
    </message>
    <message id="102">
        <source>January</source>
        <translation>enero</translation>
    </message>
    <message id="103">
        <source>February</source>
        <translation>febrero</translation>
    </message>
    <message id="104">
        <source>March</source>
        <translation>marzo</translation>
    </message>
    <message id="105">
        <source>April</source>
        <translation>abril</translation>
    </message>
    <message id="106">
        <source>May</source>
        <translation>mayo</translation>
    </message>
    <message id="107">
        <source>June</source>
        <translation>junio</translation>
    </message>
    <message id="108">
        <source>July</source>
        <translation>julio</translation>
    </message>
    <message id="109">
        <source>August</source>
        <translation>agosto</translation>
    </message>
    <message id="110">
        <source>September</source>
        <translation>septiembre</translation>
    </message>
    <message id="111">
        <source>October</source>
        <translation>octubre</translation>
    </message>
    <message id="112">
        <source>November</source>
        <translation>noviembre</translation>
    </message>
    <message id="113">
        <source>December</source>
        <translation>diciembre</translation>
    </message>
    <message id="114">
        <source>Change &amp;Month ( late report )</source>
        <translation>Cambiar &amp;mes (atrasado)</translation>
    </message>
    <message id="1000">
        <source>Post - %1</source>
        <translation>&amp;Anotar - %1</translation>
    </message>
    <message id="1001">
        <source>Missing %1 Reports</source>
        <translation>Informes pendientes (%1)</translation>
    </message>
    <message id="1002">
        <source>Select Collection File from Secretary</source>
        <translation>Seleccione el archivo de informes del secretario</translation>
    </message>
    <message id="1003">
        <source>Collection Files from Secretary (.k09)</source>
        <translation>Archivos de informes del secretario (.k09)</translation>
    </message>
    <message id="1014">
        <source>Hours</source>
        <translation>horas</translation>
    </message>
    <message id="1019">
        <source>Remarks</source>
        <translation>Notas</translation>
    </message>
    <message id="1020">
        <source>AuxP</source>
        <translation>P. aux.</translation>
    </message>
    <message id="1023">
        <source>Ministerial Servant</source>
        <translation>Siervo ministerial</translation>
    </message>
    <message id="1024">
        <source>Elder</source>
        <translation>Anciano</translation>
    </message>
    <message id="1025">
        <source>Baptized Brother</source>
        <translation>Hermano bautizado</translation>
    </message>
    <message id="1026">
        <source>Auxiliary Pioneer</source>
        <translation>Precursor auxiliar</translation>
    </message>
    <message id="1027">
        <source>Regular Pioneer</source>
        <translation>Precursor regular</translation>
    </message>
    <message id="1029">
        <source>Special Pioneer</source>
        <translation>Precursor especial</translation>
    </message>
    <message id="1030">
        <source>- WARNING -   You have already posted the %1 report for %2.</source>
        <translation>- ATENCIÓN -   Ya anotó el informe de %1 de %2.</translation>
    </message>
    <message id="1031">
        <source>Changes WILL NOT BE INCLUDED in the %1 report to the branch office.</source>
        <translation>Los cambios NO SE INCLUIRÁN en el informe de %1 a la sucursal.</translation>
    </message>
    <message id="1032">
        <source>Any changes WILL BE INCLUDED in the %1 report to the branch office.</source>
        <translation>Cualquier cambio SE INCLUIRÁ en el informe de %1 a la sucursal.</translation>
    </message>
    <message id="1033">
        <source>Out of Space for Remarks</source>
        <translation>No queda espacio para notas</translation>
    </message>
    <message id="1038">
        <source>Your updates have been saved in a file at
%1</source>
        <translation>Sus cambios se guardaron en el archivo
%1</translation>
    </message>
    <message id="1039">
        <source>

Click Yes to E-mail the .k19 file to </source>
        <translation>

Haga clic en Sí para enviar el archivo .k19 por correo electrónico a </translation>
    </message>
    <message id="1040">
        <source>Click No to send the file to the secretary later.</source>
        <translation>Haga clic en No para enviar el archivo al secretario más tarde.</translation>
    </message>
    <message id="1041">
        <source>,
       or
</source>
        <translation>,
       o
</translation>
    </message>
    <message id="1042">
        <source>Collection File</source>
        <translation>Archivo de informes</translation>
    </message>
    <message id="1043">
        <source>.k19 file for</source>
        <translation>– archivo .k19 del</translation>
    </message>
    <message id="1058">
        <source>Group</source>
        <translation>Grupo</translation>
    </message>
    <message id="1059">
        <source>Tips for using Kolekt   Important!  Your secretary must be running Scriba version 10 or later.

From your secretary, obtain a Group.k09 file for the month you are collecting.  </source>
        <translation>Consejos para usar Kolekt   ¡Importante!  El secretario de su congregación debe usar Scriba versión 10 o posterior.

Pídale al secretario un archivo Group.k09 del mes cuyos informes va a recoger.  </translation>
    </message>
    <message id="1060">
        <source>Drop the file on your Kolekt icon or launch Kolekt and use the 'Load New List from Secretary' button to open the file.

</source>
        <translation>Arrastre el archivo hasta el icono de Kolekt, o abra Kolekt y use el botón “Cargar lista nueva del secretario” para abrir el archivo.

</translation>
    </message>
    <message id="1061">
        <source>You'll find it easy to enter reports using only the keyboard.  Type the first two or three characters of the last name.  Use the up/down arrows to select the name and press Enter.

</source>
        <translation>Verá que es fácil anotar los informes usando solo el teclado.  Escriba las primeras dos o tres letras del apellido.  Use las flechas arriba y abajo para seleccionar el nombre y presione Enter.

</translation>
    </message>
    <message id="1062">
        <source>Enter the report terminating each entry with the Enter key.  Press Enter after the last field to return to the selection list.

</source>
        <translation>Anote el informe terminando cada dato con la tecla Enter.  Presione Enter después del último campo para volver a la lista.

</translation>
    </message>
    <message id="1063">
        <source>To enter remarks, type Alt-R or click the Remarks button.  Terminate with the Enter key.

To enter a late report, type Alt-M or click the Change Month button.

</source>
        <translation>Para escribir una nota, presione Alt+N o haga clic en el botón “Notas”.  Termine con la tecla Enter.

Para anotar un informe atrasado, presione Alt+M o haga clic en el botón “Cambiar mes”.

</translation>
    </message>
    <message id="1064">
        <source>If you have a mail program, you can send report reminders to publishers.

</source>
        <translation>Si tiene un programa de correo electrónico, puede enviar a los publicadores un recordatorio para que entreguen su informe.

</translation>
    </message>
    <message id="1065">
        <source>If you have a mail program, you can also e-mail the results to the secretary directly from the program.

</source>
        <translation>Si tiene un programa de correo electrónico, también puede enviar los resultados al secretario directamente desde el programa.

</translation>
    </message>
    <message id="1066">
        <source>Otherwise, you will need to manually attach the .k19 file to an email or deliver it to the secretary on portable media.</source>
        <translation>De lo contrario, tendrá que adjuntar usted mismo el archivo .k19 a un correo electrónico o entregárselo al secretario en una memoria USB u otro medio portátil.</translation>
    </message>
    <message id="1116">
        <source>Total Publishers</source>
        <translation>Total de publicadores</translation>
    </message>
    <message id="1167">
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message id="1168">
        <source>Telephone</source>
        <translation>Teléfono</translation>
    </message>
    <message id="1188">
        <source>%1 Report Collection</source>
        <translation>Informes de %1</translation>
    </message>
    <message id="1194">
        <source>Special Pioneers are NOT INCLUDED in Report to Branch</source>
        <translation>Los precursores especiales NO SE INCLUYEN en el informe a la sucursal</translation>
    </message>
    <message id="1198">
        <source>eng</source>
        <translation>spanish</translation>
    </message>
    <message id="1231">
        <source>Unable to create new file: %1.
Remove the read-only attribute from the directory / file or obtain permission to create files in this directory.</source>
        <translation>No se puede crear el archivo nuevo: %1.
Quite el atributo de solo lectura de la carpeta o del archivo, u obtenga permiso para crear archivos en esta carpeta.</translation>
    </message>
    <message id="1232">
        <source>Group has less than 3 publishers</source>
        <translation>El grupo tiene menos de 3 publicadores</translation>
    </message>
    <message id="1233">
        <source>%1 is not a collection file from the secretary.
It was not opened, and Kolekt will not write to it.</source>
        <translation>%1 no es un archivo de informes del secretario.
No se abrió, y Kolekt no escribirá en él.</translation>
    </message>
    <message id="1247">
        <source>Report Collection Form</source>
        <translation>Lista de informes de predicación</translation>
    </message>
    <message id="1415">
        <source>Plcmts</source>
        <translation>Publ.</translation>
    </message>
    <message id="1416">
        <source>Videos</source>
        <translation>Videos</translation>
    </message>
    <message id="1417">
        <source>Hours</source>
        <translation>Horas</translation>
    </message>
    <message id="1418">
        <source>R.Visits</source>
        <translation>Revis.</translation>
    </message>
    <message id="1419">
        <source>Studies</source>
        <translation>Cursos</translation>
    </message>
    <message id="1495">
        <source>Shared in any form of the ministry during the month</source>
        <translation>Participó en alguna faceta del ministerio durante el mes</translation>
    </message>
    <message id="1500">
        <source>Shared</source>
        <translation>Participó</translation>
    </message>
    <message id="2000">
        <source>Field Service Reports</source>
        <translation>Informes de predicación</translation>
    </message>
    <message id="2001">
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message id="2002">
        <source>Exit Program</source>
        <translation>&amp;Salir</translation>
    </message>
    <message id="2003">
        <source>Limit List to Missing Reports</source>
        <translation>&amp;Mostrar solo informes pendientes</translation>
    </message>
    <message id="2004">
        <source> Last Person Posted </source>
        <translation> Último informe anotado </translation>
    </message>
    <message id="2005">
        <source>Load New List from Secretary</source>
        <translation>&amp;Cargar lista nueva del secretario</translation>
    </message>
    <message id="2006">
        <source>Create File for Secretary</source>
        <translation>C&amp;rear archivo para el secretario</translation>
    </message>
    <message id="2007">
        <source>Dial</source>
        <translation>&amp;Llamar</translation>
    </message>
    <message id="2008">
        <source>Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message id="2009">
        <source>View or Print Report Collection List</source>
        <translation>&amp;Ver o imprimir la lista de informes</translation>
    </message>
    <message id="2010">
        <source>Preview E-mail</source>
        <translation>Vista &amp;previa del correo</translation>
    </message>
    <message id="2020">
        <source>Shared in Ministry</source>
        <translation>Participó</translation>
    </message>
    <message id="2021">
        <source>&amp;OK</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message id="2022">
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message id="2023">
        <source>&amp;Remarks</source>
        <translation>&amp;Notas</translation>
    </message>
    <message id="2024">
        <source>Auxiliary Pioneer</source>
        <translation>Precursor auxiliar</translation>
    </message>
    <message id="2025">
        <source>&lt;1h</source>
        <translation>&lt;1h</translation>
    </message>
    <message id="2040">
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message id="2041">
        <source>&amp;Print</source>
        <translation>&amp;Imprimir</translation>
    </message>
    <message id="2042">
        <source>Print &amp;Setup</source>
        <translation>Im&amp;presora</translation>
    </message>
    <message id="2060">
        <source>About Kolekt</source>
        <translation>Acerca de Kolekt</translation>
    </message>
    <message id="2061">
        <source>Kolekt Version 5a</source>
        <translation>Kolekt versión 5a</translation>
    </message>
    <message id="2062">
        <source>GNU GPL 3 or later</source>
        <translation>GPL 3 o posterior</translation>
    </message>
    <message id="2063">
        <source>Questions and fixes: kolekt@example.org</source>
        <translation>Preguntas y correcciones: kolekt@example.org</translation>
    </message>
    <message id="2064">
        <source>Requires Groupx.k09 files from Scriba Version 10a or later</source>
        <translation>Requiere archivos Groupx.k09 de Scriba versión 10a o posterior</translation>
    </message>
    <message id="2100">
        <source>Kolekt cannot open %1:
the file does not exist. It may have been moved, renamed or deleted.</source>
        <translation>Kolekt no puede abrir %1:
el archivo no existe. Puede que se haya movido, cambiado de nombre o eliminado.</translation>
    </message>
    <message id="2101">
        <source>Kolekt cannot open %1:
the file cannot be read. Ask the owner of the file or of its folder for permission to read it.</source>
        <translation>Kolekt no puede abrir %1:
el archivo no se puede leer. Pida al propietario del archivo o de su carpeta permiso para leerlo.</translation>
    </message>
    <message id="2102">
        <source>Kolekt cannot open %1:
it is not a regular file but a folder or a special file. Choose the collection file from the secretary.</source>
        <translation>Kolekt no puede abrir %1:
no es un archivo normal, sino una carpeta o un archivo especial. Elija el archivo de informes del secretario.</translation>
    </message>
    <message id="2103">
        <source>%1 is incomplete: it ends early, and %3 of its %4 publisher records are missing, as after a copy or download that was cut off.
You can view and print it, but Kolekt will not save anything to it. Ask the secretary for the file again.</source>
        <translation>%1 está incompleto: termina antes de tiempo y le faltan %3 de sus %4 publicadores, como ocurre cuando se interrumpe una copia o una descarga.
Puede verlo e imprimirlo, pero Kolekt no guardará nada en él. Pida otra vez el archivo al secretario.</translation>
    </message>
    <message id="2104">
        <source>%1 is incomplete: it ends early, and %3 of its %4 remarks are missing, as after a copy or download that was cut off.
You can view and print it, but Kolekt will not save anything to it. Ask the secretary for the file again.</source>
        <translation>%1 está incompleto: termina antes de tiempo y le faltan %3 de sus %4 notas, como ocurre cuando se interrumpe una copia o una descarga.
Puede verlo e imprimirlo, pero Kolekt no guardará nada en él. Pida otra vez el archivo al secretario.</translation>
    </message>
    <message id="2105">
        <source>%1 is incomplete, so Kolekt saves nothing to it and makes no file for the secretary from it.
Ask the secretary for the file again.</source>
        <translation>%1 está incompleto, así que Kolekt no guarda nada en él ni crea a partir de él ningún archivo para el secretario.
Pida otra vez el archivo al secretario.</translation>
    </message>
    <message id="2106">
        <source>Reports cannot be posted to %1, because the file is incomplete and Kolekt will not save to it.
Ask the secretary for the file again.</source>
        <translation>No se pueden anotar informes en %1, porque el archivo está incompleto y Kolekt no guardará nada en él.
Pida otra vez el archivo al secretario.</translation>
    </message>
    <message id="2107">
        <source>%1 is already open in another Kolekt.
A collection file can be open in only one Kolekt at a time, so that no report posted in one is lost by the other. Close it there, then open it here.</source>
        <translation>%1 ya está abierto en otro Kolekt.
Un archivo de informes solo puede estar abierto en un Kolekt a la vez, para que ningún informe anotado en uno se pierda por culpa del otro. Ciérrelo allí y luego ábralo aquí.</translation>
    </message>
    <message id="2108">
        <source>%1 was changed or replaced by another program since Kolekt opened it.
So that neither version is lost, Kolekt did not overwrite it and saved your collection as
%2
Kolekt goes on with that file.</source>
        <translation>Otro programa modificó o reemplazó %1 después de que Kolekt lo abriera.
Para que no se pierda ninguna de las dos versiones, Kolekt no lo sobrescribió y guardó sus informes como
%2
Kolekt sigue trabajando con ese archivo.</translation>
    </message>
    <message id="2109">
        <source>Kolekt could not save the collection to %1.
So that no report is lost, it was saved as
%2
Open that file with "Load New List from Secretary" to go on with it.</source>
        <translation>Kolekt no pudo guardar los informes en %1.
Para que no se pierda ningún informe, se guardaron como
%2
Abra ese archivo con “Cargar lista nueva del secretario” para seguir trabajando con él.</translation>
    </message>
    <message id="2110">
        <source>Kolekt could not save the collection to %1, nor to the folder %2.
The reports posted since it was last saved could not be kept.</source>
        <translation>Kolekt no pudo guardar los informes ni en %1 ni en la carpeta %2.
No se pudieron conservar los informes anotados desde la última vez que se guardaron.</translation>
    </message>
    <message id="2111">
        <source>Collections that could not be saved to their own files when Kolekt ended are kept in
%1
Open one with "Load New List from Secretary" to go on with it.</source>
        <translation>Los informes que no se pudieron guardar en su propio archivo al cerrarse Kolekt se conservan en
%1
Abra uno de esos archivos con “Cargar lista nueva del secretario” para seguir trabajando con él.</translation>
    </message>
    <message id="2120">
        <source>%1 cannot be opened: its lock file %2 is not a file Kolekt made (it is a link, a folder or a special file).
Remove it, then open the collection file again.</source>
        <translation>No se puede abrir %1: su archivo de bloqueo %2 no es un archivo creado por Kolekt (es un enlace, una carpeta o un archivo especial).
Elimínelo y vuelva a abrir el archivo.</translation>
    </message>
    <message id="2200">
        <source>Post</source>
        <translation>&amp;Anotar</translation>
    </message>
    <message id="2201">
        <source>Print Setup</source>
        <translation>Configurar impresora</translation>
    </message>
    <message id="2202">
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message id="2203">
        <source>The PDF file could not be written:
%1

%2</source>
        <translation>No se pudo escribir el archivo PDF:
%1

%2</translation>
    </message>
    <message id="2204">
        <source>The printer %1 did not take the job:
%2</source>
        <translation>La impresora %1 no aceptó el trabajo:
%2</translation>
    </message>
    <message id="2205">
        <source>Next Telephone Number</source>
        <translation>Siguiente número de teléfono</translation>
    </message>
    <message id="2206">
        <source>Next Page</source>
        <translation>Página siguiente</translation>
    </message>
    <message id="2207">
        <source>Previous Page</source>
        <translation>Página anterior</translation>
    </message>
    <message id="2250">
        <source>

The secretary's e-mail address in the file cannot be used, so the file cannot be e-mailed from here. Please hand it to the secretary yourself.</source>
        <translation>

La dirección de correo electrónico del secretario que figura en el archivo no se puede usar, así que el archivo no se puede enviar por correo desde aquí. Por favor, entrégueselo usted mismo al secretario.</translation>
    </message>
    <message id="2251">
        <source>Mail password for %1 on %2:</source>
        <translation>Contraseña de correo de %1 en %2:</translation>
    </message>
    <message id="2252">
        <source>Sending the mail through %1...</source>
        <translation>Enviando el correo a través de %1...</translation>
    </message>
    <message id="2253">
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message id="2254">
        <source>Sending was cancelled. The mail was not sent.</source>
        <translation>Se canceló el envío. El correo no se envió.</translation>
    </message>
    <message id="2255">
        <source>Kolekt could not connect to the mail server %1. The mail was not sent.</source>
        <translation>Kolekt no pudo conectarse al servidor de correo %1. El correo no se envió.</translation>
    </message>
    <message id="2256">
        <source>The mail server %1 did not answer in time. The mail was not sent.</source>
        <translation>El servidor de correo %1 no respondió a tiempo. El correo no se envió.</translation>
    </message>
    <message id="2257">
        <source>The mail server %1 refused the log-on. Check the user name and the password. The mail was not sent.</source>
        <translation>El servidor de correo %1 rechazó el inicio de sesión. Compruebe el nombre de usuario y la contraseña. El correo no se envió.</translation>
    </message>
    <message id="2258">
        <source>The mail server %1 does not offer an encrypted connection (STARTTLS), so Kolekt did not send the password. The mail was not sent.</source>
        <translation>El servidor de correo %1 no ofrece una conexión cifrada (STARTTLS), así que Kolekt no envió la contraseña. El correo no se envió.</translation>
    </message>
    <message id="2259">
        <source>No secure connection to the mail server %1 could be made: its certificate was not accepted. The mail was not sent.</source>
        <translation>No se pudo establecer una conexión segura con el servidor de correo %1: no se aceptó su certificado. El correo no se envió.</translation>
    </message>
    <message id="2260">
        <source>The mail server %1 refused the mail. The mail was not sent.</source>
        <translation>El servidor de correo %1 rechazó el correo. El correo no se envió.</translation>
    </message>
    <message id="2300">
        <source>&amp;Language</source>
        <translation>&amp;Idioma</translation>
    </message>
    <message id="2301">
        <source>The language "%1" is not known. Kolekt knows these languages: %2.</source>
        <translation>No se reconoce el idioma “%1”. Idiomas disponibles en Kolekt: %2.</translation>
    </message>
    <message id="2302">
        <source>The code page "%1" is not known. Kolekt reads collection files in these code pages: %2.</source>
        <translation>No se reconoce la página de códigos “%1”. Kolekt puede leer archivos de informes en estas páginas de códigos: %2.</translation>
    </message>
    <message id="2303">
        <source>&amp;Yes</source>
        <translation>&amp;Sí</translation>
    </message>
    <message id="2304">
        <source>&amp;No</source>
        <translation>&amp;No</translation>
    </message>
    <message id="2390">
        <source>Field Service Reports</source>
        <translation>Informes de predicación</translation>
    </message>
    <message id="2391">
        <source>Post the monthly field service reports of a group and return them to the secretary</source>
        <translation>Anotar los informes de predicación mensuales de un grupo y devolverlos al secretario</translation>
    </message>
    <message id="2392">
        <source>Collect the monthly field service reports of a group</source>
        <translation>Recoger los informes de predicación mensuales de un grupo</translation>
    </message>
    <message id="2393">
        <source>Field service report collection</source>
        <translation>Archivo de informes de predicación</translation>
    </message>
    <message id="2400">
        <source>Low Memory</source>
        <translation>Memoria insuficiente</translation>
    </message>
    <message id="2401">
        <source>No Printer</source>
        <translation>No hay impresora</translation>
    </message>
    <message id="2402">
        <source>Printing on %1 could not be started.</source>
        <translation>No se pudo iniciar la impresión en %1.</translation>
    </message>
    <message id="2403">
        <source>Telephone service not available</source>
        <translation>Servicio telefónico no disponible</translation>
    </message>
    <message id="2404">
        <source>E-mail - </source>
        <translation>C&amp;orreo - </translation>
    </message>
    <message id="2700">
        <source>Mail system DLL is invalid.</source>
        <translation>La DLL del sistema de correo no es válida.</translation>
    </message>
    <message id="2701">
        <source>bad procaddress</source>
        <translation>dirección de procedimiento no válida</translation>
    </message>
    <message id="2800">
        <source>Kolekt could not store its settings in
%1
The file or its lock file beside it may be write-protected, held by another program, a link, a folder or a special file, or the disk may be full. Your collection files are not affected; only what Kolekt remembers for the next start (the file open last, the language, the mail settings) is not stored.</source>
        <translation>Kolekt no pudo guardar su configuración en
%1
El archivo o su archivo de bloqueo contiguo puede estar protegido contra escritura, retenido por otro programa, ser un enlace, una carpeta o un archivo especial, o el disco puede estar lleno. Sus archivos de informes no se ven afectados; solo no se guarda lo que Kolekt recuerda para el próximo inicio (el último archivo abierto, el idioma, la configuración del correo).</translation>
    </message>
    <message id="61712">
        <source>Please enter an integer.</source>
        <translation>Escriba un número entero.</translation>
    </message>
    <message id="61714">
        <source>Please enter an integer between %1 and %2.</source>
        <translation>Escriba un número entero entre %1 y %2.</translation>
    </message>
    <message id="61840">
        <source>No mail program was found.</source>
        <translation>No se encontró ningún programa de correo electrónico.</translation>
    </message>
    <message id="61841">
        <source>The mail settings are not usable.</source>
        <translation>La configuración del correo no se puede usar.</translation>
    </message>
    <message id="61842">
        <source>Send Mail failed to send message.</source>
        <translation>No se pudo enviar el mensaje.</translation>
    </message>
    <message id="2350">
        <source>The collection file's code page (%2) cannot hold these characters of the remark: %1
Each of them would be stored as "?".

Store the remark like this? Otherwise it stays open for you to change it.</source>
        <translation>La página de códigos del archivo de informes (%2) no admite estos caracteres de la nota: %1
Cada uno se guardaría como “?”.

¿Guardar la nota así? Si no, queda abierta para que pueda cambiarla.</translation>
    </message>
    <message id="2500">
        <source>%1 left</source>
        <translation>quedan %1</translation>
    </message>
    <message id="2600">
        <source>Group #%1</source>
        <translation>Grupo n.º %1</translation>
    </message>
    <message id="2601">
        <source>Call the telephone number shown</source>
        <translation>Llamar al número de teléfono que se muestra</translation>
    </message>
    <message id="2602">
        <source>Field service report for %MONTH% %YEAR%</source>
        <translation>Informe de predicación de %MONTH% de %YEAR%</translation>
    </message>
    <message id="2603">
        <source>Dear %NAME%,

Please submit your report for %MONTH% %YEAR%.
Thank you.</source>
        <translation>Hola, %NAME%:

Por favor, entregue su informe de %MONTH% de %YEAR%.
¡Muchas gracias!</translation>
    </message>
    <message id="2604">
        <source>Copy Message</source>
        <translation>Copiar mensaje</translation>
    </message>
    <message id="2605">
        <source>Show File in Folder</source>
        <translation>Mostrar archivo en la carpeta</translation>
    </message>
    <message id="2606">
        <source>

The file to attach to the mail is:
%1</source>
        <translation>

El archivo que hay que adjuntar al correo es:
%1</translation>
    </message>
    <message id="2607">
        <source>No file manager was found to show the file.</source>
        <translation>No se encontró ningún administrador de archivos para mostrar el archivo.</translation>
    </message>
    <message id="2608">
        <source>Remind All Missing</source>
        <translation>&amp;Recordar a todos los que faltan</translation>
    </message>
    <message id="2609">
        <source>Send a reminder to each of these %1 publishers whose report is missing, one message each?%2</source>
        <translation>¿Enviar un recordatorio a cada uno de estos %1 publicadores cuyo informe falta, un mensaje para cada uno?%2</translation>
    </message>
    <message id="2610">
        <source>

These publishers have no usable e-mail address and get no reminder:%1</source>
        <translation>

Estos publicadores no tienen una dirección de correo utilizable y no recibirán recordatorio:%1</translation>
    </message>
    <message id="2611">
        <source>No publisher whose report is missing has a usable e-mail address.</source>
        <translation>Ningún publicador cuyo informe falta tiene una dirección de correo utilizable.</translation>
    </message>
    <message id="2612">
        <source>The mail program will now open %1 messages, one for each publisher. Check and send each of them there.</source>
        <translation>El programa de correo abrirá ahora %1 mensajes, uno para cada publicador. Revíselos y envíelos desde allí.</translation>
    </message>
    <message id="2613">
        <source>%1 of %2 reminders were sent.</source>
        <translation>Se enviaron %1 de %2 recordatorios.</translation>
    </message>
    <message id="2614">
        <source>%1 of %2 reminders were opened in the mail program.</source>
        <translation>Se abrieron %1 de %2 recordatorios en el programa de correo.</translation>
    </message>
    <message id="2615">
        <source>Sending reminder %1 of %2 through %3...</source>
        <translation>Enviando el recordatorio %1 de %2 por %3...</translation>
    </message>
    <message id="2616">
        <source>Mail Settings...</source>
        <translation>Configuración del &amp;correo...</translation>
    </message>
    <message id="2617">
        <source>Mail Settings</source>
        <translation>Configuración del correo</translation>
    </message>
    <message id="2618">
        <source>Mail &amp;server:</source>
        <translation>&amp;Servidor de correo:</translation>
    </message>
    <message id="2619">
        <source>Leave it empty to use the desktop's mail program; for example smtps://mail.example.org</source>
        <translation>Déjelo vacío para usar el programa de correo del escritorio; por ejemplo smtps://mail.example.org</translation>
    </message>
    <message id="2620">
        <source>Sender &amp;address:</source>
        <translation>&amp;Dirección del remitente:</translation>
    </message>
    <message id="2621">
        <source>&amp;User name:</source>
        <translation>Nombre de &amp;usuario:</translation>
    </message>
    <message id="2622">
        <source>&amp;Password:</source>
        <translation>&amp;Contraseña:</translation>
    </message>
    <message id="2623">
        <source>&amp;Remember the password in the desktop's keyring</source>
        <translation>&amp;Recordar la contraseña en el llavero del escritorio</translation>
    </message>
    <message id="2624">
        <source>Your &amp;name (signs the reminders):</source>
        <translation>Su &amp;nombre (firma los recordatorios):</translation>
    </message>
    <message id="2625">
        <source>Reminder sub&amp;ject:</source>
        <translation>&amp;Asunto del recordatorio:</translation>
    </message>
    <message id="2626">
        <source>Reminder te&amp;xt:</source>
        <translation>Te&amp;xto del recordatorio:</translation>
    </message>
    <message id="2627">
        <source>%NAME% stands for the publisher's first name, %MONTH% and %YEAR% for the month and its year, %GROUP% for the group's number.</source>
        <translation>%NAME% representa el nombre del publicador, %MONTH% y %YEAR% el mes y su año, %GROUP% el número del grupo.</translation>
    </message>
    <message id="2628">
        <source>Send &amp;Test Message</source>
        <translation>Enviar mensaje de &amp;prueba</translation>
    </message>
    <message id="2629">
        <source>Kolekt test message</source>
        <translation>Mensaje de prueba de Kolekt</translation>
    </message>
    <message id="2630">
        <source>This message shows that Kolekt can send mail with these settings.</source>
        <translation>Este mensaje muestra que Kolekt puede enviar correo con esta configuración.</translation>
    </message>
    <message id="2631">
        <source>The mail server %1 accepted the test message to %2.</source>
        <translation>El servidor de correo %1 aceptó el mensaje de prueba para %2.</translation>
    </message>
    <message id="2632">
        <source>The test message to %1 was handed to the desktop's mail program.</source>
        <translation>El mensaje de prueba para %1 se entregó al programa de correo del escritorio.</translation>
    </message>
    <message id="2633">
        <source>Enter your own e-mail address as the sender: the test message goes to it.</source>
        <translation>Escriba su propia dirección de correo como remitente: el mensaje de prueba se envía a ella.</translation>
    </message>
    <message id="2634">
        <source>The password could not be kept in the desktop's keyring:
%1</source>
        <translation>No se pudo guardar la contraseña en el llavero del escritorio:
%1</translation>
    </message>
    <message id="2635">
        <source>Guide</source>
        <translation>Guía</translation>
    </message>
    <message id="2636">
        <source>Kolekt Guide</source>
        <translation>Guía de Kolekt</translation>
    </message>
    <message id="2637">
        <source>&amp;Search:</source>
        <translation>&amp;Buscar:</translation>
    </message>
    <message id="2638">
        <source>Sections of the guide</source>
        <translation>Secciones de la guía</translation>
    </message>
    <message id="2501">
        <source>Undo posting %1 (%2)</source>
        <translation>&amp;Deshacer el registro de %1 (%2)</translation>
    </message>
    <message id="2502">
        <source>There is nothing to undo. Only reports posted to this file since Kolekt was started can be undone.</source>
        <translation>No hay nada que deshacer. Solo se pueden deshacer los informes registrados en este archivo desde que se inició Kolekt.</translation>
    </message>
    <message id="2503">
        <source>shared</source>
        <translation>predicó</translation>
    </message>
    <message id="2504">
        <source>not shared</source>
        <translation>no predicó</translation>
    </message>
    <message id="2505">
        <source>hours: %1</source>
        <translation>horas: %1</translation>
    </message>
    <message id="2506">
        <source>studies: %1</source>
        <translation>cursos: %1</translation>
    </message>
    <message id="2507">
        <source>remark</source>
        <translation>observación</translation>
    </message>
    <message id="2508">
        <source>%1 – %2: %3</source>
        <translation>%1 – %2: %3</translation>
    </message>
    <message id="2509">
        <source>&amp;Undo</source>
        <translation>&amp;Deshacer</translation>
    </message>
    <message id="2510">
        <source>reported</source>
        <translation>informó</translation>
    </message>
    <message id="2511">
        <source>missing</source>
        <translation>falta</translation>
    </message>
    <message id="2512">
        <source>remark only</source>
        <translation>solo observación</translation>
    </message>
    <message id="2513">
        <source>late report for %1 posted</source>
        <translation>informe atrasado de %1 registrado</translation>
    </message>
    <message id="2514">
        <source>%1: %2 of %3 reported</source>
        <translation>%1: %2 de %3 informaron</translation>
    </message>
    <message id="2515">
        <source>Pioneer hours: %1 · Bible studies: %2</source>
        <translation>Horas precursores: %1 · Cursos: %2</translation>
    </message>
    <message id="2516">
        <source>All reports are in: now "%1".</source>
        <translation>Ya están todos los informes: ahora «%1».</translation>
    </message>
    <message id="2517">
        <source>These reports are still missing: %1

Create the file for the secretary all the same?</source>
        <translation>Todavía faltan estos informes: %1

¿Crear de todos modos el archivo para el secretario?</translation>
    </message>
    <message id="2518">
        <source>Open the file the secretary sent you: "%1", or drop the .k09 file on this window.</source>
        <translation>Abra el archivo que le envió el secretario: «%1», o suelte el archivo .k09 en esta ventana.</translation>
    </message>
    <message id="2519">
        <source>Last twelve months</source>
        <translation>Últimos doce meses</translation>
    </message>
    <message id="2520">
        <source>late</source>
        <translation>atrasado</translation>
    </message>
    <message id="2521">
        <source>Service year so far: hours: %1</source>
        <translation>Año de servicio hasta ahora: horas: %1</translation>
    </message>
    <message id="2900">
        <source>Group &amp;Year</source>
        <translation>Año del &amp;grupo</translation>
    </message>
    <message id="2901">
        <source>Group Year</source>
        <translation>Año del grupo</translation>
    </message>
    <message id="2902">
        <source>Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec</source>
        <translation>ene feb mar abr may jun jul ago sep oct nov dic</translation>
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
        <translation>Informaron</translation>
    </message>
    <message id="2906">
        <source>%1 of %2 reported</source>
        <translation>%1 de %2 informaron</translation>
    </message>
    <message id="2907">
        <source>%1, %2: %3</source>
        <translation>%1, %2: %3</translation>
    </message>
    <message id="2908">
        <source>Reports each month</source>
        <translation>Informes por mes</translation>
    </message>
    <message id="2909">
        <source>Save as P&amp;DF...</source>
        <translation>&amp;Guardar como PDF...</translation>
    </message>
    <message id="2910">
        <source>Save the Group Year as PDF</source>
        <translation>Guardar el año del grupo como PDF</translation>
    </message>
    <message id="2911">
        <source>PDF documents</source>
        <translation>Documentos PDF</translation>
    </message>
    <message id="2912">
        <source>✓ shared · ○ not shared · h hours · BS Bible studies · * remark</source>
        <translation>✓ predicó · ○ no predicó · h horas · CB cursos bíblicos · * observación</translation>
    </message>
    <message id="2913">
        <source>Its folder may be missing, read-only or full.</source>
        <translation>Puede que su carpeta no exista, sea de solo lectura o esté llena.</translation>
    </message>
    <message id="2850">
        <source>Kolekt could not save %1.</source>
        <translation>Kolekt no pudo guardar %1.</translation>
    </message>
    <message id="2851">
        <source>The file, its folder or the disk is read-only: remove the read-only attribute or obtain permission to create files in its folder.</source>
        <translation>El archivo, su carpeta o el disco es de solo lectura: quite el atributo de solo lectura u obtenga permiso para crear archivos en su carpeta.</translation>
    </message>
    <message id="2852">
        <source>The disk is full (%1): make room on it or use another disk.</source>
        <translation>El disco está lleno (%1): libere espacio en él o use otro disco.</translation>
    </message>
    <message id="2853">
        <source>Its name or path is too long for this file system (%1): give it a shorter name or move it to a folder with a shorter path.</source>
        <translation>Su nombre o ruta es demasiado largo para este sistema de archivos (%1): dele un nombre más corto o muévalo a una carpeta con una ruta más corta.</translation>
    </message>
    <message id="2854">
        <source>You may not create or replace files in its folder (%1): the folder is not writable for you, or it is a shared folder where only a file's owner may replace it. Ask the folder's owner, or copy the file to a folder of your own.</source>
        <translation>No puede crear ni reemplazar archivos en su carpeta (%1): usted no puede escribir en la carpeta, o es una carpeta compartida donde solo el propietario de un archivo puede reemplazarlo. Pregunte al propietario de la carpeta o copie el archivo a una carpeta propia.</translation>
    </message>
    <message id="2855">
        <source>The file system there cannot do what saving needs (%1): copy the file to another disk or folder.</source>
        <translation>El sistema de archivos de ese lugar no permite lo que necesita el guardado (%1): copie el archivo a otro disco o carpeta.</translation>
    </message>
    <message id="2856">
        <source>The system reports: %1.</source>
        <translation>El sistema informa: %1.</translation>
    </message>
    <message id="2857">
        <source>%1 holds %3 bytes after its last remark, which are not part of a collection file.
Kolekt ignores them, and the next save writes the file without them.</source>
        <translation>%1 contiene %3 bytes después de su último comentario, que no forman parte de un archivo de recogida.
Kolekt los pasa por alto, y la próxima vez que se guarde el archivo se escribirá sin ellos.</translation>
    </message>
    <message id="2858">
        <source>%1 was saved, but it now belongs to you and your group: Kolekt could keep neither its owner nor its group, so some who could read it before may no longer be able to.
Ask the file's owner or an administrator to give it back its owner or group.</source>
        <translation>%1 se guardó, pero ahora le pertenece a usted y a su grupo: Kolekt no pudo conservar ni su propietario ni su grupo, así que algunos que antes podían leerlo quizá ya no puedan.
Pida al propietario del archivo o a un administrador que le devuelva su propietario o su grupo.</translation>
    </message>
    <message id="2859">
        <source>The folder it was opened from is no longer there: perhaps a stick or a network drive was removed. Put it back, and the next post saves every report posted since.</source>
        <translation>La carpeta desde la que se abrió ya no está: quizá se quitó una memoria USB o una unidad de red. Vuelva a conectarla; el próximo registro guardará todos los informes registrados desde entonces.</translation>
    </message>
</context>
</TS>
