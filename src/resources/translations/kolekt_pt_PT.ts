<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_PT" sourcelanguage="en">
<context>
    <name></name>
    <message id="101">
        <source>&amp;About Kolekt...</source>
        <translation>&amp;Sobre o Kolekt...</translation>
    </message>
    <message id="102">
        <source>January</source>
        <translation>janeiro</translation>
    </message>
    <message id="103">
        <source>February</source>
        <translation>fevereiro</translation>
    </message>
    <message id="104">
        <source>March</source>
        <translation>março</translation>
    </message>
    <message id="105">
        <source>April</source>
        <translation>abril</translation>
    </message>
    <message id="106">
        <source>May</source>
        <translation>maio</translation>
    </message>
    <message id="107">
        <source>June</source>
        <translation>junho</translation>
    </message>
    <message id="108">
        <source>July</source>
        <translation>julho</translation>
    </message>
    <message id="109">
        <source>August</source>
        <translation>agosto</translation>
    </message>
    <message id="110">
        <source>September</source>
        <translation>setembro</translation>
    </message>
    <message id="111">
        <source>October</source>
        <translation>outubro</translation>
    </message>
    <message id="112">
        <source>November</source>
        <translation>novembro</translation>
    </message>
    <message id="113">
        <source>December</source>
        <translation>dezembro</translation>
    </message>
    <message id="114">
        <source>Change &amp;Month ( late report )</source>
        <translation>Mudar &amp;mês (atrasado)</translation>
    </message>
    <message id="1000">
        <source>Post - %1</source>
        <translation>&amp;Registar - %1</translation>
    </message>
    <message id="1001">
        <source>Missing %1 Reports</source>
        <translation>Relatórios pendentes (%1)</translation>
    </message>
    <message id="1002">
        <source>Select Collection File from Secretary</source>
        <translation>Selecione o ficheiro de relatórios do secretário</translation>
    </message>
    <message id="1003">
        <source>Collection Files from Secretary (.k09)</source>
        <translation>Ficheiros de relatórios do secretário (.k09)</translation>
    </message>
    <message id="1014">
        <source>Hours</source>
        <translation>horas</translation>
    </message>
    <message id="1019">
        <source>Remarks</source>
        <translation>Observações</translation>
    </message>
    <message id="1020">
        <source>AuxP</source>
        <translation>P. aux.</translation>
    </message>
    <message id="1023">
        <source>Ministerial Servant</source>
        <translation>Servo ministerial</translation>
    </message>
    <message id="1024">
        <source>Elder</source>
        <translation>Ancião</translation>
    </message>
    <message id="1025">
        <source>Baptized Brother</source>
        <translation>Irmão batizado</translation>
    </message>
    <message id="1026">
        <source>Auxiliary Pioneer</source>
        <translation>Pioneiro auxiliar</translation>
    </message>
    <message id="1027">
        <source>Regular Pioneer</source>
        <translation>Pioneiro regular</translation>
    </message>
    <message id="1029">
        <source>Special Pioneer</source>
        <translation>Pioneiro especial</translation>
    </message>
    <message id="1030">
        <source>- WARNING -   You have already posted the %1 report for %2.</source>
        <translation>- ATENÇÃO -   Já registou o relatório de %1 de %2.</translation>
    </message>
    <message id="1031">
        <source>Changes WILL NOT BE INCLUDED in the %1 report to the branch office.</source>
        <translation>As alterações NÃO SERÃO INCLUÍDAS no relatório de %1 enviado à filial.</translation>
    </message>
    <message id="1032">
        <source>Any changes WILL BE INCLUDED in the %1 report to the branch office.</source>
        <translation>Qualquer alteração SERÁ INCLUÍDA no relatório de %1 enviado à filial.</translation>
    </message>
    <message id="1033">
        <source>Out of Space for Remarks</source>
        <translation>Sem espaço para observações</translation>
    </message>
    <message id="1038">
        <source>Your updates have been saved in a file at
%1</source>
        <translation>As suas alterações foram guardadas no ficheiro
%1</translation>
    </message>
    <message id="1039">
        <source>

Click Yes to E-mail the .k19 file to </source>
        <translation>

Clique em Sim para enviar o ficheiro .k19 por e-mail para </translation>
    </message>
    <message id="1040">
        <source>Click No to send the file to the secretary later.</source>
        <translation>Clique em Não para enviar o ficheiro ao secretário mais tarde.</translation>
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
        <translation>Ficheiro de relatórios</translation>
    </message>
    <message id="1043">
        <source>.k19 file for</source>
        <translation>– ficheiro .k19 do</translation>
    </message>
    <message id="1058">
        <source>Group</source>
        <translation>Grupo</translation>
    </message>
    <message id="1059">
        <source>Tips for using Kolekt   Important!  Your secretary must be running Scriba version 10 or later.

From your secretary, obtain a Group.k09 file for the month you are collecting.  </source>
        <translation>Sugestões para utilizar o Kolekt   Importante!  O secretário tem de utilizar o Scriba versão 10 ou posterior.

Peça ao secretário um ficheiro Group.k09 do mês cujos relatórios está a recolher.  </translation>
    </message>
    <message id="1060">
        <source>Drop the file on your Kolekt icon or launch Kolekt and use the 'Load New List from Secretary' button to open the file.

</source>
        <translation>Arraste o ficheiro para o ícone do Kolekt, ou abra o Kolekt e utilize o botão “Carregar nova lista do secretário” para abrir o ficheiro.

</translation>
    </message>
    <message id="1061">
        <source>You'll find it easy to enter reports using only the keyboard.  Type the first two or three characters of the last name.  Use the up/down arrows to select the name and press Enter.

</source>
        <translation>Verá que é fácil registar os relatórios só com o teclado.  Escreva as duas ou três primeiras letras do apelido.  Utilize as setas para cima e para baixo para selecionar o nome e prima Enter.

</translation>
    </message>
    <message id="1062">
        <source>Enter the report terminating each entry with the Enter key.  Press Enter after the last field to return to the selection list.

</source>
        <translation>Registe o relatório premindo Enter depois de cada campo.  Prima Enter depois do último campo para voltar à lista.

</translation>
    </message>
    <message id="1063">
        <source>To enter remarks, type Alt-R or click the Remarks button.  Terminate with the Enter key.

To enter a late report, type Alt-M or click the Change Month button.

</source>
        <translation>Para escrever observações, prima Alt+R ou clique no botão “Observações”.  Termine com a tecla Enter.

Para registar um relatório atrasado, prima Alt+M ou clique no botão “Mudar mês”.

</translation>
    </message>
    <message id="1064">
        <source>If you have a mail program, you can send report reminders to publishers.

</source>
        <translation>Se tiver um programa de e-mail, pode enviar aos publicadores um lembrete para entregarem o relatório.

</translation>
    </message>
    <message id="1065">
        <source>If you have a mail program, you can also e-mail the results to the secretary directly from the program.

</source>
        <translation>Se tiver um programa de e-mail, também pode enviar os resultados ao secretário diretamente a partir do programa.

</translation>
    </message>
    <message id="1066">
        <source>Otherwise, you will need to manually attach the .k19 file to an email or deliver it to the secretary on portable media.</source>
        <translation>Caso contrário, terá de anexar o ficheiro .k19 a um e-mail ou entregá-lo ao secretário numa pen USB ou noutro suporte portátil.</translation>
    </message>
    <message id="1116">
        <source>Total Publishers</source>
        <translation>Total de publicadores</translation>
    </message>
    <message id="1167">
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message id="1168">
        <source>Telephone</source>
        <translation>Telefone</translation>
    </message>
    <message id="1188">
        <source>%1 Report Collection</source>
        <translation>Relatórios de %1</translation>
    </message>
    <message id="1194">
        <source>Special Pioneers are NOT INCLUDED in Report to Branch</source>
        <translation>Pioneiros especiais NÃO SÃO INCLUÍDOS no relatório enviado à filial</translation>
    </message>
    <message id="1198">
        <source>eng</source>
        <translation>portuguese-pt</translation>
    </message>
    <message id="1231">
        <source>Unable to create new file: %1.
Remove the read-only attribute from the directory / file or obtain permission to create files in this directory.</source>
        <translation>Não é possível criar o novo ficheiro: %1.
Retire o atributo só de leitura da pasta ou do ficheiro, ou obtenha permissão para criar ficheiros nesta pasta.</translation>
    </message>
    <message id="1232">
        <source>Group has less than 3 publishers</source>
        <translation>O grupo tem menos de 3 publicadores</translation>
    </message>
    <message id="1233">
        <source>%1 is not a collection file from the secretary.
It was not opened, and Kolekt will not write to it.</source>
        <translation>%1 não é um ficheiro de relatórios do secretário.
Não foi aberto, e o Kolekt não vai gravar nada nele.</translation>
    </message>
    <message id="1247">
        <source>Report Collection Form</source>
        <translation>Formulário de recolha de relatórios</translation>
    </message>
    <message id="1415">
        <source>Plcmts</source>
        <translation>Publ.</translation>
    </message>
    <message id="1416">
        <source>Videos</source>
        <translation>Vídeos</translation>
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
        <translation>Estudos</translation>
    </message>
    <message id="1495">
        <source>Shared in any form of the ministry during the month</source>
        <translation>Participou de alguma forma do ministério durante o mês</translation>
    </message>
    <message id="1500">
        <source>Shared</source>
        <translation>Particip.</translation>
    </message>
    <message id="2000">
        <source>Field Service Reports</source>
        <translation>Relatórios de serviço de campo</translation>
    </message>
    <message id="2001">
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message id="2002">
        <source>Exit Program</source>
        <translation>&amp;Sair</translation>
    </message>
    <message id="2003">
        <source>Limit List to Missing Reports</source>
        <translation>&amp;Mostrar apenas relatórios pendentes</translation>
    </message>
    <message id="2004">
        <source> Last Person Posted </source>
        <translation> Último relatório registado </translation>
    </message>
    <message id="2005">
        <source>Load New List from Secretary</source>
        <translation>&amp;Carregar nova lista do secretário</translation>
    </message>
    <message id="2006">
        <source>Create File for Secretary</source>
        <translation>Cr&amp;iar ficheiro para o secretário</translation>
    </message>
    <message id="2007">
        <source>Dial</source>
        <translation>&amp;Ligar</translation>
    </message>
    <message id="2008">
        <source>Help</source>
        <translation>A&amp;juda</translation>
    </message>
    <message id="2009">
        <source>View or Print Report Collection List</source>
        <translation>&amp;Ver ou imprimir a lista de relatórios</translation>
    </message>
    <message id="2010">
        <source>Preview E-mail</source>
        <translation>Pré-visuali&amp;zar e-mail</translation>
    </message>
    <message id="2020">
        <source>Shared in Ministry</source>
        <translation>Participou</translation>
    </message>
    <message id="2021">
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message id="2022">
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message id="2023">
        <source>&amp;Remarks</source>
        <translation>Obse&amp;rvações</translation>
    </message>
    <message id="2024">
        <source>Auxiliary Pioneer</source>
        <translation>Pioneiro auxiliar</translation>
    </message>
    <message id="2025">
        <source>&lt;1h</source>
        <translation>&lt;1h</translation>
    </message>
    <message id="2040">
        <source>&amp;Close</source>
        <translation>&amp;Fechar</translation>
    </message>
    <message id="2041">
        <source>&amp;Print</source>
        <translation>&amp;Imprimir</translation>
    </message>
    <message id="2042">
        <source>Print &amp;Setup</source>
        <translation>Im&amp;pressora</translation>
    </message>
    <message id="2060">
        <source>About Kolekt</source>
        <translation>Sobre o Kolekt</translation>
    </message>
    <message id="2061">
        <source>Kolekt Version 5a</source>
        <translation>Kolekt versão 5a</translation>
    </message>
    <message id="2062">
        <source>GNU GPL 3 or later</source>
        <translation>GNU GPL 3 ou posterior</translation>
    </message>
    <message id="2063">
        <source>Questions and fixes: kolekt@example.org</source>
        <translation>Dúvidas e correções: kolekt@example.org</translation>
    </message>
    <message id="2064">
        <source>Requires Groupx.k09 files from Scriba Version 10a or later</source>
        <translation>Requer ficheiros Groupx.k09 do Scriba versão 10a ou posterior</translation>
    </message>
    <message id="2100">
        <source>Kolekt cannot open %1:
the file does not exist. It may have been moved, renamed or deleted.</source>
        <translation>O Kolekt não consegue abrir %1:
o ficheiro não existe. Talvez tenha sido movido, mudado de nome ou eliminado.</translation>
    </message>
    <message id="2101">
        <source>Kolekt cannot open %1:
the file cannot be read. Ask the owner of the file or of its folder for permission to read it.</source>
        <translation>O Kolekt não consegue abrir %1:
não é possível ler o ficheiro. Peça ao proprietário do ficheiro ou da pasta permissão para o ler.</translation>
    </message>
    <message id="2102">
        <source>Kolekt cannot open %1:
it is not a regular file but a folder or a special file. Choose the collection file from the secretary.</source>
        <translation>O Kolekt não consegue abrir %1:
não é um ficheiro normal, mas uma pasta ou um ficheiro especial. Escolha o ficheiro de relatórios do secretário.</translation>
    </message>
    <message id="2103">
        <source>%1 is incomplete: it ends early, and %3 of its %4 publisher records are missing, as after a copy or download that was cut off.
You can view and print it, but Kolekt will not save anything to it. Ask the secretary for the file again.</source>
        <translation>%1 está incompleto: termina antes do esperado e faltam %3 dos %4 registos de publicadores do ficheiro, como acontece quando uma cópia ou uma transferência é interrompida.
Pode ver e imprimir o ficheiro, mas o Kolekt não vai guardar nada nele. Volte a pedir o ficheiro ao secretário.</translation>
    </message>
    <message id="2104">
        <source>%1 is incomplete: it ends early, and %3 of its %4 remarks are missing, as after a copy or download that was cut off.
You can view and print it, but Kolekt will not save anything to it. Ask the secretary for the file again.</source>
        <translation>%1 está incompleto: termina antes do esperado e faltam %3 das %4 observações do ficheiro, como acontece quando uma cópia ou uma transferência é interrompida.
Pode ver e imprimir o ficheiro, mas o Kolekt não vai guardar nada nele. Volte a pedir o ficheiro ao secretário.</translation>
    </message>
    <message id="2105">
        <source>%1 is incomplete, so Kolekt saves nothing to it and makes no file for the secretary from it.
Ask the secretary for the file again.</source>
        <translation>%1 está incompleto, por isso o Kolekt não guarda nada nele nem cria a partir dele um ficheiro para o secretário.
Volte a pedir o ficheiro ao secretário.</translation>
    </message>
    <message id="2106">
        <source>Reports cannot be posted to %1, because the file is incomplete and Kolekt will not save to it.
Ask the secretary for the file again.</source>
        <translation>Não é possível registar relatórios em %1, porque o ficheiro está incompleto e o Kolekt não vai guardar nada nele.
Volte a pedir o ficheiro ao secretário.</translation>
    </message>
    <message id="2107">
        <source>%1 is already open in another Kolekt.
A collection file can be open in only one Kolekt at a time, so that no report posted in one is lost by the other. Close it there, then open it here.</source>
        <translation>%1 já está aberto noutra janela do Kolekt.
Um ficheiro de relatórios só pode estar aberto numa janela do Kolekt de cada vez, para que nenhum relatório registado numa se perca por causa da outra. Feche-o lá e depois abra-o aqui.</translation>
    </message>
    <message id="2108">
        <source>%1 was changed or replaced by another program since Kolekt opened it.
So that neither version is lost, Kolekt did not overwrite it and saved your collection as
%2
Kolekt goes on with that file.</source>
        <translation>%1 foi alterado ou substituído por outro programa depois de o Kolekt o ter aberto.
Para que nenhuma das versões se perca, o Kolekt não o substituiu e guardou os seus relatórios como
%2
O Kolekt continua com esse ficheiro.</translation>
    </message>
    <message id="2109">
        <source>Kolekt could not save the collection to %1.
So that no report is lost, it was saved as
%2
Open that file with "Load New List from Secretary" to go on with it.</source>
        <translation>O Kolekt não conseguiu guardar os relatórios em %1.
Para que nenhum relatório se perca, foram guardados como
%2
Abra esse ficheiro com “Carregar nova lista do secretário” para continuar a trabalhar nele.</translation>
    </message>
    <message id="2110">
        <source>Kolekt could not save the collection to %1, nor to the folder %2.
The reports posted since it was last saved could not be kept.</source>
        <translation>O Kolekt não conseguiu guardar os relatórios nem em %1 nem na pasta %2.
Os relatórios registados desde a última vez que foram guardados não puderam ser mantidos.</translation>
    </message>
    <message id="2111">
        <source>Collections that could not be saved to their own files when Kolekt ended are kept in
%1
Open one with "Load New List from Secretary" to go on with it.</source>
        <translation>Os relatórios que não puderam ser guardados no próprio ficheiro quando o Kolekt foi fechado estão em
%1
Abra um desses ficheiros com “Carregar nova lista do secretário” para continuar a trabalhar nele.</translation>
    </message>
    <message id="2120">
        <source>%1 cannot be opened: its lock file %2 is not a file Kolekt made (it is a link, a folder or a special file).
Remove it, then open the collection file again.</source>
        <translation>Não é possível abrir %1: o ficheiro de bloqueio %2 não é um ficheiro criado pelo Kolekt (é uma ligação, uma pasta ou um ficheiro especial).
Remova-o e volte a abrir o ficheiro.</translation>
    </message>
    <message id="2200">
        <source>Post</source>
        <translation>&amp;Registar</translation>
    </message>
    <message id="2201">
        <source>Print Setup</source>
        <translation>Configurar impressora</translation>
    </message>
    <message id="2202">
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message id="2203">
        <source>The PDF file could not be written:
%1

%2</source>
        <translation>Não foi possível gravar o ficheiro PDF:
%1

%2</translation>
    </message>
    <message id="2204">
        <source>The printer %1 did not take the job:
%2</source>
        <translation>A impressora %1 não aceitou o trabalho:
%2</translation>
    </message>
    <message id="2205">
        <source>Next Telephone Number</source>
        <translation>Próximo número de telefone</translation>
    </message>
    <message id="2206">
        <source>Next Page</source>
        <translation>Próxima página</translation>
    </message>
    <message id="2207">
        <source>Previous Page</source>
        <translation>Página anterior</translation>
    </message>
    <message id="2250">
        <source>

The secretary's e-mail address in the file cannot be used, so the file cannot be e-mailed from here. Please hand it to the secretary yourself.</source>
        <translation>

O endereço de e-mail do secretário que está no ficheiro não pode ser utilizado, por isso o ficheiro não pode ser enviado por e-mail a partir daqui. Entregue-o pessoalmente ao secretário.</translation>
    </message>
    <message id="2251">
        <source>Mail password for %1 on %2:</source>
        <translation>Palavra-passe de e-mail de %1 em %2:</translation>
    </message>
    <message id="2252">
        <source>Sending the mail through %1...</source>
        <translation>A enviar o e-mail através de %1...</translation>
    </message>
    <message id="2253">
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message id="2254">
        <source>Sending was cancelled. The mail was not sent.</source>
        <translation>O envio foi cancelado. O e-mail não foi enviado.</translation>
    </message>
    <message id="2255">
        <source>Kolekt could not connect to the mail server %1. The mail was not sent.</source>
        <translation>O Kolekt não conseguiu ligar-se ao servidor de e-mail %1. O e-mail não foi enviado.</translation>
    </message>
    <message id="2256">
        <source>The mail server %1 did not answer in time. The mail was not sent.</source>
        <translation>O servidor de e-mail %1 não respondeu a tempo. O e-mail não foi enviado.</translation>
    </message>
    <message id="2257">
        <source>The mail server %1 refused the log-on. Check the user name and the password. The mail was not sent.</source>
        <translation>O servidor de e-mail %1 recusou o início de sessão. Verifique o nome de utilizador e a palavra-passe. O e-mail não foi enviado.</translation>
    </message>
    <message id="2258">
        <source>The mail server %1 does not offer an encrypted connection (STARTTLS), so Kolekt did not send the password. The mail was not sent.</source>
        <translation>O servidor de e-mail %1 não oferece ligação encriptada (STARTTLS), por isso o Kolekt não enviou a palavra-passe. O e-mail não foi enviado.</translation>
    </message>
    <message id="2259">
        <source>No secure connection to the mail server %1 could be made: its certificate was not accepted. The mail was not sent.</source>
        <translation>Não foi possível estabelecer uma ligação segura com o servidor de e-mail %1: o certificado não foi aceite. O e-mail não foi enviado.</translation>
    </message>
    <message id="2260">
        <source>The mail server %1 refused the mail. The mail was not sent.</source>
        <translation>O servidor de e-mail %1 recusou o e-mail. O e-mail não foi enviado.</translation>
    </message>
    <message id="2300">
        <source>&amp;Language</source>
        <translation>&amp;Idioma</translation>
    </message>
    <message id="2301">
        <source>The language "%1" is not known. Kolekt knows these languages: %2.</source>
        <translation>O idioma “%1” não é reconhecido. Idiomas disponíveis no Kolekt: %2.</translation>
    </message>
    <message id="2302">
        <source>The code page "%1" is not known. Kolekt reads collection files in these code pages: %2.</source>
        <translation>A página de códigos “%1” não é reconhecida. O Kolekt lê ficheiros de relatórios nestas páginas de códigos: %2.</translation>
    </message>
    <message id="2303">
        <source>&amp;Yes</source>
        <translation>&amp;Sim</translation>
    </message>
    <message id="2304">
        <source>&amp;No</source>
        <translation>&amp;Não</translation>
    </message>
    <message id="2390">
        <source>Field Service Reports</source>
        <translation>Relatórios de serviço de campo</translation>
    </message>
    <message id="2391">
        <source>Post the monthly field service reports of a group and return them to the secretary</source>
        <translation>Registar os relatórios mensais de serviço de campo de um grupo e devolvê-los ao secretário</translation>
    </message>
    <message id="2392">
        <source>Collect the monthly field service reports of a group</source>
        <translation>Recolher os relatórios mensais de serviço de campo de um grupo</translation>
    </message>
    <message id="2393">
        <source>Field service report collection</source>
        <translation>Ficheiro de relatórios de serviço de campo</translation>
    </message>
    <message id="2400">
        <source>Low Memory</source>
        <translation>Memória insuficiente</translation>
    </message>
    <message id="2401">
        <source>No Printer</source>
        <translation>Nenhuma impressora</translation>
    </message>
    <message id="2402">
        <source>Printing on %1 could not be started.</source>
        <translation>Não foi possível iniciar a impressão em %1.</translation>
    </message>
    <message id="2403">
        <source>Telephone service not available</source>
        <translation>Serviço de telefone não disponível</translation>
    </message>
    <message id="2404">
        <source>E-mail - </source>
        <translation>&amp;E-mail - </translation>
    </message>
    <message id="2800">
        <source>Kolekt could not store its settings in
%1
The file or its lock file beside it may be write-protected, held by another program, a link, a folder or a special file, or the disk may be full. Your collection files are not affected; only what Kolekt remembers for the next start (the file open last, the language, the mail settings) is not stored.</source>
        <translation>O Kolekt não conseguiu guardar as suas definições em
%1
O ficheiro ou o ficheiro de bloqueio ao lado dele pode estar protegido contra escrita, em uso por outro programa, ser uma ligação, uma pasta ou um ficheiro especial, ou o disco pode estar cheio. Os seus ficheiros de relatórios não são afetados; só não é guardado o que o Kolekt lembra para o próximo arranque (o último ficheiro aberto, o idioma, as definições de correio).</translation>
    </message>
    <message id="61712">
        <source>Please enter an integer.</source>
        <translation>Introduza um número inteiro.</translation>
    </message>
    <message id="61714">
        <source>Please enter an integer between %1 and %2.</source>
        <translation>Introduza um número inteiro entre %1 e %2.</translation>
    </message>
    <message id="61840">
        <source>No mail program was found.</source>
        <translation>Nenhum programa de e-mail foi encontrado.</translation>
    </message>
    <message id="61841">
        <source>The mail settings are not usable.</source>
        <translation>As definições de e-mail não podem ser utilizadas.</translation>
    </message>
    <message id="61842">
        <source>Send Mail failed to send message.</source>
        <translation>Não foi possível enviar a mensagem.</translation>
    </message>
    <message id="2350">
        <source>The collection file's code page (%2) cannot hold these characters of the remark: %1
Each of them would be stored as "?".

Store the remark like this? Otherwise it stays open for you to change it.</source>
        <translation>A página de códigos do ficheiro de relatórios (%2) não contém estes caracteres da observação: %1
Cada um seria gravado como “?”.

Gravar a observação assim? Caso contrário, fica aberta para a poder alterar.</translation>
    </message>
    <message id="2600">
        <source>Group #%1</source>
        <translation>Grupo n.º %1</translation>
    </message>
    <message id="2601">
        <source>Call the telephone number shown</source>
        <translation>Ligar para o número de telefone apresentado</translation>
    </message>
    <message id="2602">
        <source>Field service report for %MONTH% %YEAR%</source>
        <translation>Relatório de serviço de campo de %MONTH% de %YEAR%</translation>
    </message>
    <message id="2603">
        <source>Dear %NAME%,

Please submit your report for %MONTH% %YEAR%.
Thank you.</source>
        <translation>Olá, %NAME%!

Por favor, entregue o seu relatório de %MONTH% de %YEAR%.
Obrigado!</translation>
    </message>
    <message id="2604">
        <source>Copy Message</source>
        <translation>Copiar mensagem</translation>
    </message>
    <message id="2605">
        <source>Show File in Folder</source>
        <translation>Mostrar ficheiro na pasta</translation>
    </message>
    <message id="2606">
        <source>

The file to attach to the mail is:
%1</source>
        <translation>

O ficheiro a anexar ao e-mail é:
%1</translation>
    </message>
    <message id="2607">
        <source>No file manager was found to show the file.</source>
        <translation>Não foi encontrado nenhum gestor de ficheiros para mostrar o ficheiro.</translation>
    </message>
    <message id="2608">
        <source>Remind All Missing</source>
        <translation>&amp;Lembrar todos os pendentes</translation>
    </message>
    <message id="2609">
        <source>Send a reminder to each of these %1 publishers whose report is missing, one message each?%2</source>
        <translation>Enviar um lembrete a cada um destes %1 publicadores com relatório pendente, uma mensagem para cada um?%2</translation>
    </message>
    <message id="2610">
        <source>

These publishers have no usable e-mail address and get no reminder:%1</source>
        <translation>

Estes publicadores não têm um endereço de e-mail utilizável e não vão receber lembrete:%1</translation>
    </message>
    <message id="2611">
        <source>No publisher whose report is missing has a usable e-mail address.</source>
        <translation>Nenhum publicador com relatório pendente tem um endereço de e-mail utilizável.</translation>
    </message>
    <message id="2612">
        <source>The mail program will now open %1 messages, one for each publisher. Check and send each of them there.</source>
        <translation>O programa de e-mail vai abrir agora %1 mensagens, uma para cada publicador. Verifique e envie cada uma a partir desse programa.</translation>
    </message>
    <message id="2613">
        <source>%1 of %2 reminders were sent.</source>
        <translation>Foram enviados %1 de %2 lembretes.</translation>
    </message>
    <message id="2614">
        <source>%1 of %2 reminders were opened in the mail program.</source>
        <translation>Foram abertos %1 de %2 lembretes no programa de e-mail.</translation>
    </message>
    <message id="2615">
        <source>Sending reminder %1 of %2 through %3...</source>
        <translation>A enviar o lembrete %1 de %2 através de %3...</translation>
    </message>
    <message id="2616">
        <source>Mail Settings...</source>
        <translation>Definições de &amp;e-mail...</translation>
    </message>
    <message id="2617">
        <source>Mail Settings</source>
        <translation>Definições de e-mail</translation>
    </message>
    <message id="2618">
        <source>Mail &amp;server:</source>
        <translation>&amp;Servidor de e-mail:</translation>
    </message>
    <message id="2619">
        <source>Leave it empty to use the desktop's mail program; for example smtps://mail.example.org</source>
        <translation>Deixe vazio para utilizar o programa de e-mail do ambiente de trabalho; por exemplo smtps://mail.example.org</translation>
    </message>
    <message id="2620">
        <source>Sender &amp;address:</source>
        <translation>&amp;Endereço do remetente:</translation>
    </message>
    <message id="2621">
        <source>&amp;User name:</source>
        <translation>Nome de &amp;utilizador:</translation>
    </message>
    <message id="2622">
        <source>&amp;Password:</source>
        <translation>P&amp;alavra-passe:</translation>
    </message>
    <message id="2623">
        <source>&amp;Remember the password in the desktop's keyring</source>
        <translation>&amp;Lembrar a palavra-passe no porta-chaves do ambiente de trabalho</translation>
    </message>
    <message id="2624">
        <source>Your &amp;name (signs the reminders):</source>
        <translation>O seu &amp;nome (assina os lembretes):</translation>
    </message>
    <message id="2625">
        <source>Reminder sub&amp;ject:</source>
        <translation>Assun&amp;to do lembrete:</translation>
    </message>
    <message id="2626">
        <source>Reminder te&amp;xt:</source>
        <translation>Te&amp;xto do lembrete:</translation>
    </message>
    <message id="2627">
        <source>%NAME% stands for the publisher's first name, %MONTH% and %YEAR% for the month and its year, %GROUP% for the group's number.</source>
        <translation>%NAME% representa o nome próprio do publicador, %MONTH% e %YEAR% o mês e o ano, %GROUP% o número do grupo.</translation>
    </message>
    <message id="2628">
        <source>Send &amp;Test Message</source>
        <translation>Enviar &amp;mensagem de teste</translation>
    </message>
    <message id="2629">
        <source>Kolekt test message</source>
        <translation>Mensagem de teste do Kolekt</translation>
    </message>
    <message id="2630">
        <source>This message shows that Kolekt can send mail with these settings.</source>
        <translation>Esta mensagem mostra que o Kolekt consegue enviar e-mails com estas definições.</translation>
    </message>
    <message id="2631">
        <source>The mail server %1 accepted the test message to %2.</source>
        <translation>O servidor de e-mail %1 aceitou a mensagem de teste para %2.</translation>
    </message>
    <message id="2632">
        <source>The test message to %1 was handed to the desktop's mail program.</source>
        <translation>A mensagem de teste para %1 foi entregue ao programa de e-mail do ambiente de trabalho.</translation>
    </message>
    <message id="2633">
        <source>Enter your own e-mail address as the sender: the test message goes to it.</source>
        <translation>Introduza o seu próprio endereço de e-mail como remetente: a mensagem de teste é enviada para ele.</translation>
    </message>
    <message id="2634">
        <source>The password could not be kept in the desktop's keyring:
%1</source>
        <translation>Não foi possível guardar a palavra-passe no porta-chaves do ambiente de trabalho:
%1</translation>
    </message>
    <message id="2500">
        <source>%1 left</source>
        <translation>restam %1</translation>
    </message>
    <message id="2700">
        <source>Mail system DLL is invalid.</source>
        <translation>A DLL do sistema de e-mail é inválida.</translation>
    </message>
    <message id="2701">
        <source>bad procaddress</source>
        <translation>endereço de procedimento inválido</translation>
    </message>
    <message id="2635">
        <source>Guide</source>
        <translation>Guia</translation>
    </message>
    <message id="2636">
        <source>Kolekt Guide</source>
        <translation>Guia do Kolekt</translation>
    </message>
    <message id="2637">
        <source>&amp;Search:</source>
        <translation>&amp;Pesquisar:</translation>
    </message>
    <message id="2638">
        <source>Sections of the guide</source>
        <translation>Secções do guia</translation>
    </message>
    <message id="2501">
        <source>Undo posting %1 (%2)</source>
        <translation>&amp;Desfazer o registo de %1 (%2)</translation>
    </message>
    <message id="2502">
        <source>There is nothing to undo. Only reports posted to this file since Kolekt was started can be undone.</source>
        <translation>Não há nada a desfazer. Só podem ser desfeitos os relatórios registados neste ficheiro desde que o Kolekt foi iniciado.</translation>
    </message>
    <message id="2503">
        <source>shared</source>
        <translation>pregou</translation>
    </message>
    <message id="2504">
        <source>not shared</source>
        <translation>não pregou</translation>
    </message>
    <message id="2505">
        <source>hours: %1</source>
        <translation>horas: %1</translation>
    </message>
    <message id="2506">
        <source>studies: %1</source>
        <translation>estudos: %1</translation>
    </message>
    <message id="2507">
        <source>remark</source>
        <translation>observação</translation>
    </message>
    <message id="2508">
        <source>%1 – %2: %3</source>
        <translation>%1 – %2: %3</translation>
    </message>
    <message id="2509">
        <source>&amp;Undo</source>
        <translation>&amp;Desfazer</translation>
    </message>
    <message id="2510">
        <source>reported</source>
        <translation>relatou</translation>
    </message>
    <message id="2511">
        <source>missing</source>
        <translation>em falta</translation>
    </message>
    <message id="2512">
        <source>remark only</source>
        <translation>só observação</translation>
    </message>
    <message id="2513">
        <source>late report for %1 posted</source>
        <translation>relatório atrasado de %1 registado</translation>
    </message>
    <message id="2514">
        <source>%1: %2 of %3 reported</source>
        <translation>%1: %2 de %3 relataram</translation>
    </message>
    <message id="2515">
        <source>Pioneer hours: %1 · Bible studies: %2</source>
        <translation>Horas pioneiros: %1 · Estudos: %2</translation>
    </message>
    <message id="2516">
        <source>All reports are in: now "%1".</source>
        <translation>Todos os relatórios chegaram: agora «%1».</translation>
    </message>
    <message id="2517">
        <source>These reports are still missing: %1

Create the file for the secretary all the same?</source>
        <translation>Ainda faltam estes relatórios: %1

Criar mesmo assim o ficheiro para o secretário?</translation>
    </message>
    <message id="2518">
        <source>Open the file the secretary sent you: "%1", or drop the .k09 file on this window.</source>
        <translation>Abra o ficheiro que o secretário lhe enviou: «%1», ou largue o ficheiro .k09 nesta janela.</translation>
    </message>
    <message id="2519">
        <source>Last twelve months</source>
        <translation>Últimos doze meses</translation>
    </message>
    <message id="2520">
        <source>late</source>
        <translation>atrasado</translation>
    </message>
    <message id="2521">
        <source>Service year so far: hours: %1</source>
        <translation>Ano de serviço até agora: horas: %1</translation>
    </message>
    <message id="2900">
        <source>Group &amp;Year</source>
        <translation>Ano do &amp;grupo</translation>
    </message>
    <message id="2901">
        <source>Group Year</source>
        <translation>Ano do grupo</translation>
    </message>
    <message id="2902">
        <source>Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec</source>
        <translation>jan fev mar abr mai jun jul ago set out nov dez</translation>
    </message>
    <message id="2903">
        <source>%1 h</source>
        <translation>%1 h</translation>
    </message>
    <message id="2904">
        <source>%1 BS</source>
        <translation>%1 EB</translation>
    </message>
    <message id="2905">
        <source>Reported</source>
        <translation>Entregaram</translation>
    </message>
    <message id="2906">
        <source>%1 of %2 reported</source>
        <translation>%1 de %2 entregaram</translation>
    </message>
    <message id="2907">
        <source>%1, %2: %3</source>
        <translation>%1, %2: %3</translation>
    </message>
    <message id="2908">
        <source>Reports each month</source>
        <translation>Relatórios por mês</translation>
    </message>
    <message id="2909">
        <source>Save as P&amp;DF...</source>
        <translation>&amp;Guardar como PDF...</translation>
    </message>
    <message id="2910">
        <source>Save the Group Year as PDF</source>
        <translation>Guardar o ano do grupo como PDF</translation>
    </message>
    <message id="2911">
        <source>PDF documents</source>
        <translation>Documentos PDF</translation>
    </message>
    <message id="2912">
        <source>✓ shared · ○ not shared · h hours · BS Bible studies · * remark</source>
        <translation>✓ pregou · ○ não pregou · h horas · EB estudos bíblicos · * observação</translation>
    </message>
    <message id="2913">
        <source>Its folder may be missing, read-only or full.</source>
        <translation>A pasta pode não existir, ser só de leitura ou estar cheia.</translation>
    </message>
    <message id="2850">
        <source>Kolekt could not save %1.</source>
        <translation>O Kolekt não conseguiu guardar %1.</translation>
    </message>
    <message id="2851">
        <source>The file, its folder or the disk is read-only: remove the read-only attribute or obtain permission to create files in its folder.</source>
        <translation>O ficheiro, a sua pasta ou o disco é só de leitura: retire o atributo só de leitura ou obtenha permissão para criar ficheiros na pasta.</translation>
    </message>
    <message id="2852">
        <source>The disk is full (%1): make room on it or use another disk.</source>
        <translation>O disco está cheio (%1): liberte espaço nele ou utilize outro disco.</translation>
    </message>
    <message id="2853">
        <source>Its name or path is too long for this file system (%1): give it a shorter name or move it to a folder with a shorter path.</source>
        <translation>O nome ou o caminho é demasiado longo para este sistema de ficheiros (%1): dê-lhe um nome mais curto ou mova-o para uma pasta com um caminho mais curto.</translation>
    </message>
    <message id="2854">
        <source>You may not create or replace files in its folder (%1): the folder is not writable for you, or it is a shared folder where only a file's owner may replace it. Ask the folder's owner, or copy the file to a folder of your own.</source>
        <translation>Não pode criar nem substituir ficheiros na pasta (%1): não tem permissão de escrita na pasta, ou é uma pasta partilhada em que só o dono de um ficheiro o pode substituir. Pergunte ao dono da pasta ou copie o ficheiro para uma pasta sua.</translation>
    </message>
    <message id="2855">
        <source>The file system there cannot do what saving needs (%1): copy the file to another disk or folder.</source>
        <translation>O sistema de ficheiros nesse local não permite o que a gravação precisa (%1): copie o ficheiro para outro disco ou pasta.</translation>
    </message>
    <message id="2856">
        <source>The system reports: %1.</source>
        <translation>O sistema indica: %1.</translation>
    </message>
    <message id="2857">
        <source>%1 holds %3 bytes after its last remark, which are not part of a collection file.
Kolekt ignores them, and the next save writes the file without them.</source>
        <translation>%1 contém %3 bytes depois da última observação, que não fazem parte de um ficheiro de recolha.
O Kolekt ignora-os, e a próxima gravação escreverá o ficheiro sem eles.</translation>
    </message>
    <message id="2858">
        <source>%1 was saved, but it now belongs to you and your group: Kolekt could keep neither its owner nor its group, so some who could read it before may no longer be able to.
Ask the file's owner or an administrator to give it back its owner or group.</source>
        <translation>%1 foi guardado, mas agora pertence-lhe a si e ao seu grupo: o Kolekt não conseguiu manter nem o dono nem o grupo do ficheiro, pelo que alguns que antes o podiam ler talvez já não possam.
Peça ao dono do ficheiro ou a um administrador que lhe devolva o dono ou o grupo.</translation>
    </message>
    <message id="2859">
        <source>The folder it was opened from is no longer there: perhaps a stick or a network drive was removed. Put it back, and the next post saves every report posted since.</source>
        <translation>A pasta de onde foi aberto já não está lá: talvez uma pen USB ou uma unidade de rede tenha sido removida. Volte a ligá-la; o próximo registo guardará todos os relatórios registados desde então.</translation>
    </message>
</context>
</TS>
