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
        <translation>Anotar - %1</translation>
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
        <translation>Consejos para usar Kolekt   ¡Importante!  Su secretario debe usar Scriba versión 10 o posterior.

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
        <translation>Registro de informes de predicación</translation>
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
    <message id="1422">
        <source>Please submit your report for %1. 
Thank you.</source>
        <translation>Por favor, envíe su informe de %1. 
¡Muchas gracias!</translation>
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
        <translation>Salir</translation>
    </message>
    <message id="2003">
        <source>Limit List to Missing Reports</source>
        <translation>Mostrar solo informes pendientes</translation>
    </message>
    <message id="2004">
        <source> Last Person Posted </source>
        <translation> Último informe anotado </translation>
    </message>
    <message id="2005">
        <source>Load New List from Secretary</source>
        <translation>Cargar lista nueva del secretario</translation>
    </message>
    <message id="2006">
        <source>Create File for Secretary</source>
        <translation>Crear archivo para el secretario</translation>
    </message>
    <message id="2007">
        <source>Dial</source>
        <translation>Llamar</translation>
    </message>
    <message id="2008">
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message id="2009">
        <source>View or Print Report Collection List</source>
        <translation>Ver o imprimir la lista de informes</translation>
    </message>
    <message id="2010">
        <source>Preview E-mail</source>
        <translation>Vista previa del correo</translation>
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
    <message id="2064">
        <source>Requires Groupx.k09 files from Scriba Version 10a or later</source>
        <translation>Requiere archivos Groupx.k09 de Scriba versión 10a o posterior</translation>
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
</context>
</TS>
