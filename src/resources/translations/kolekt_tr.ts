<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="tr_TR" sourcelanguage="en">
<context>
    <name></name>
    <message id="101">
        <source>&amp;About Kolekt...</source>
        <translation>Kolekt &amp;Hakkında...</translation>
    </message>
    <message id="102">
        <source>January</source>
        <translation>Ocak</translation>
    </message>
    <message id="103">
        <source>February</source>
        <translation>Şubat</translation>
    </message>
    <message id="104">
        <source>March</source>
        <translation>Mart</translation>
    </message>
    <message id="105">
        <source>April</source>
        <translation>Nisan</translation>
    </message>
    <message id="106">
        <source>May</source>
        <translation>Mayıs</translation>
    </message>
    <message id="107">
        <source>June</source>
        <translation>Haziran</translation>
    </message>
    <message id="108">
        <source>July</source>
        <translation>Temmuz</translation>
    </message>
    <message id="109">
        <source>August</source>
        <translation>Ağustos</translation>
    </message>
    <message id="110">
        <source>September</source>
        <translation>Eylül</translation>
    </message>
    <message id="111">
        <source>October</source>
        <translation>Ekim</translation>
    </message>
    <message id="112">
        <source>November</source>
        <translation>Kasım</translation>
    </message>
    <message id="113">
        <source>December</source>
        <translation>Aralık</translation>
    </message>
    <message id="114">
        <source>Change &amp;Month ( late report )</source>
        <translation>&amp;Ay değiştir (geç rapor)</translation>
    </message>
    <message id="1000">
        <source>Post - %1</source>
        <translation>&amp;Rapor gir - %1</translation>
    </message>
    <message id="1001">
        <source>Missing %1 Reports</source>
        <translation>Eksik %1 raporları</translation>
    </message>
    <message id="1002">
        <source>Select Collection File from Secretary</source>
        <translation>Sekreterden gelen rapor toplama dosyasını seçin</translation>
    </message>
    <message id="1003">
        <source>Collection Files from Secretary (.k09)</source>
        <translation>Sekreterden gelen rapor toplama dosyaları (.k09)</translation>
    </message>
    <message id="1014">
        <source>Hours</source>
        <translation>saat</translation>
    </message>
    <message id="1019">
        <source>Remarks</source>
        <translation>Notlar</translation>
    </message>
    <message id="1020">
        <source>AuxP</source>
        <translation>Yrd.Ön.</translation>
    </message>
    <message id="1023">
        <source>Ministerial Servant</source>
        <translation>Hizmet görevlisi</translation>
    </message>
    <message id="1024">
        <source>Elder</source>
        <translation>İhtiyar</translation>
    </message>
    <message id="1025">
        <source>Baptized Brother</source>
        <translation>Vaftiz edilmiş birader</translation>
    </message>
    <message id="1026">
        <source>Auxiliary Pioneer</source>
        <translation>Yardımcı öncü</translation>
    </message>
    <message id="1027">
        <source>Regular Pioneer</source>
        <translation>Daimi öncü</translation>
    </message>
    <message id="1029">
        <source>Special Pioneer</source>
        <translation>Özel öncü</translation>
    </message>
    <message id="1030">
        <source>- WARNING -   You have already posted the %1 report for %2.</source>
        <translation>- UYARI -   %2 için %1 raporunu zaten girdiniz.</translation>
    </message>
    <message id="1031">
        <source>Changes WILL NOT BE INCLUDED in the %1 report to the branch office.</source>
        <translation>Değişiklikler büroya gönderilecek %1 raporuna DAHİL EDİLMEYECEK.</translation>
    </message>
    <message id="1032">
        <source>Any changes WILL BE INCLUDED in the %1 report to the branch office.</source>
        <translation>Yapılacak değişiklikler büroya gönderilecek %1 raporuna DAHİL EDİLECEK.</translation>
    </message>
    <message id="1033">
        <source>Out of Space for Remarks</source>
        <translation>Notlar için yer kalmadı</translation>
    </message>
    <message id="1038">
        <source>Your updates have been saved in a file at
%1</source>
        <translation>Değişiklikleriniz şu dosyaya kaydedildi:
%1</translation>
    </message>
    <message id="1039">
        <source>

Click Yes to E-mail the .k19 file to </source>
        <translation>

Evet: .k19 dosyası e-postayla şu adrese gönderilir: </translation>
    </message>
    <message id="1040">
        <source>Click No to send the file to the secretary later.</source>
        <translation>Hayır: dosyayı sekretere daha sonra gönderirsiniz.</translation>
    </message>
    <message id="1041">
        <source>,
       or
</source>
        <translation>,
       veya
</translation>
    </message>
    <message id="1042">
        <source>Collection File</source>
        <translation>Rapor toplama dosyası</translation>
    </message>
    <message id="1043">
        <source>.k19 file for</source>
        <translation>ayı .k19 dosyası -</translation>
    </message>
    <message id="1058">
        <source>Group</source>
        <translation>Grup</translation>
    </message>
    <message id="1059">
        <source>Tips for using Kolekt   Important!  Your secretary must be running Scriba version 10 or later.

From your secretary, obtain a Group.k09 file for the month you are collecting.  </source>
        <translation>Kolekt kullanım ipuçları   Önemli!  Sekreteriniz Scriba&apos;nın 10 veya daha yeni bir sürümünü kullanmalıdır.

Sekreterinizden, raporlarını topladığınız ayın Group.k09 dosyasını alın.  </translation>
    </message>
    <message id="1060">
        <source>Drop the file on your Kolekt icon or launch Kolekt and use the &apos;Load New List from Secretary&apos; button to open the file.

</source>
        <translation>Dosyayı Kolekt simgesinin üzerine bırakın ya da Kolekt&apos;i başlatıp dosyayı “Sekreterden yeni liste yükle” düğmesiyle açın.

</translation>
    </message>
    <message id="1061">
        <source>You&apos;ll find it easy to enter reports using only the keyboard.  Type the first two or three characters of the last name.  Use the up/down arrows to select the name and press Enter.

</source>
        <translation>Raporları yalnızca klavyeyle kolayca girebilirsiniz.  Soyadının ilk iki veya üç harfini yazın.  Yukarı/aşağı ok tuşlarıyla ismi seçip Enter&apos;a basın.

</translation>
    </message>
    <message id="1062">
        <source>Enter the report terminating each entry with the Enter key.  Press Enter after the last field to return to the selection list.

</source>
        <translation>Rapordaki her değeri Enter tuşuyla bitirin.  Son alandan sonra Enter&apos;a basınca seçim listesine dönersiniz.

</translation>
    </message>
    <message id="1063">
        <source>To enter remarks, type Alt-R or click the Remarks button.  Terminate with the Enter key.

To enter a late report, type Alt-M or click the Change Month button.

</source>
        <translation>Not girmek için Alt-N&apos;ye basın veya Notlar düğmesini tıklatın.  Enter tuşuyla bitirin.

Geç bir rapor girmek için Alt-A&apos;ya basın veya Ay değiştir düğmesini tıklatın.

</translation>
    </message>
    <message id="1064">
        <source>If you have a mail program, you can send report reminders to publishers.

</source>
        <translation>Bir e-posta programınız varsa müjdecilere rapor hatırlatmaları gönderebilirsiniz.

</translation>
    </message>
    <message id="1065">
        <source>If you have a mail program, you can also e-mail the results to the secretary directly from the program.

</source>
        <translation>Bir e-posta programınız varsa sonuçları doğrudan programdan sekretere e-postayla da gönderebilirsiniz.

</translation>
    </message>
    <message id="1066">
        <source>Otherwise, you will need to manually attach the .k19 file to an email or deliver it to the secretary on portable media.</source>
        <translation>Aksi halde .k19 dosyasını bir e-postaya kendiniz eklemeli ya da sekretere taşınabilir bir bellekle teslim etmelisiniz.</translation>
    </message>
    <message id="1116">
        <source>Total Publishers</source>
        <translation>Toplam müjdeci</translation>
    </message>
    <message id="1167">
        <source>Name</source>
        <translation>Ad Soyad</translation>
    </message>
    <message id="1168">
        <source>Telephone</source>
        <translation>Telefon</translation>
    </message>
    <message id="1188">
        <source>%1 Report Collection</source>
        <translation>%1 ayı rapor toplama</translation>
    </message>
    <message id="1194">
        <source>Special Pioneers are NOT INCLUDED in Report to Branch</source>
        <translation>Özel öncüler büroya gönderilen rapora DAHİL EDİLMEZ</translation>
    </message>
    <message id="1198">
        <source>eng</source>
        <translation>Turkish</translation>
    </message>
    <message id="1231">
        <source>Unable to create new file: %1.
Remove the read-only attribute from the directory / file or obtain permission to create files in this directory.</source>
        <translation>Yeni dosya oluşturulamadı: %1.
Klasörün / dosyanın salt okunur özniteliğini kaldırın veya bu klasörde dosya oluşturma izni alın.</translation>
    </message>
    <message id="1232">
        <source>Group has less than 3 publishers</source>
        <translation>Grupta 3&apos;ten az müjdeci var</translation>
    </message>
    <message id="1233">
        <source>%1 is not a collection file from the secretary.
It was not opened, and Kolekt will not write to it.</source>
        <translation>%1 sekreterden gelen bir rapor toplama dosyası değil.
Dosya açılmadı ve Kolekt bu dosyaya yazmayacak.</translation>
    </message>
    <message id="1247">
        <source>Report Collection Form</source>
        <translation>Rapor Toplama Formu</translation>
    </message>
    <message id="1415">
        <source>Plcmts</source>
        <translation>Yayın</translation>
    </message>
    <message id="1416">
        <source>Videos</source>
        <translation>Video</translation>
    </message>
    <message id="1417">
        <source>Hours</source>
        <translation>Saat</translation>
    </message>
    <message id="1418">
        <source>R.Visits</source>
        <translation>T.Ziy.</translation>
    </message>
    <message id="1419">
        <source>Studies</source>
        <translation>Tetkik</translation>
    </message>
    <message id="1495">
        <source>Shared in any form of the ministry during the month</source>
        <translation>Ay içinde hizmetin herhangi bir şekline katıldı</translation>
    </message>
    <message id="1500">
        <source>Shared</source>
        <translation>Katıldı</translation>
    </message>
    <message id="2000">
        <source>Field Service Reports</source>
        <translation>Tarla Hizmeti Raporları</translation>
    </message>
    <message id="2001">
        <source>OK</source>
        <translation>Tamam</translation>
    </message>
    <message id="2002">
        <source>Exit Program</source>
        <translation>Programdan çı&amp;k</translation>
    </message>
    <message id="2003">
        <source>Limit List to Missing Reports</source>
        <translation>Yalnızca &amp;eksik raporları listele</translation>
    </message>
    <message id="2004">
        <source> Last Person Posted </source>
        <translation> Son kaydedilen kişi </translation>
    </message>
    <message id="2005">
        <source>Load New List from Secretary</source>
        <translation>Sekreterden &amp;yeni liste yükle</translation>
    </message>
    <message id="2006">
        <source>Create File for Secretary</source>
        <translation>Sekreter için &amp;dosya oluştur</translation>
    </message>
    <message id="2007">
        <source>Dial</source>
        <translation>&amp;Ara</translation>
    </message>
    <message id="2008">
        <source>Help</source>
        <translation>Yardı&amp;m</translation>
    </message>
    <message id="2009">
        <source>View or Print Report Collection List</source>
        <translation>Rapor listesini &amp;göster veya yazdır</translation>
    </message>
    <message id="2010">
        <source>Preview E-mail</source>
        <translation>E-posta ö&amp;nizleme</translation>
    </message>
    <message id="2020">
        <source>Shared in Ministry</source>
        <translation>Hizmete katıldı</translation>
    </message>
    <message id="2021">
        <source>&amp;OK</source>
        <translation>&amp;Tamam</translation>
    </message>
    <message id="2022">
        <source>&amp;Cancel</source>
        <translation>&amp;Vazgeç</translation>
    </message>
    <message id="2023">
        <source>&amp;Remarks</source>
        <translation>&amp;Notlar</translation>
    </message>
    <message id="2024">
        <source>Auxiliary Pioneer</source>
        <translation>Yardımcı öncü</translation>
    </message>
    <message id="2025">
        <source>&lt;1h</source>
        <translation>&lt;1 sa</translation>
    </message>
    <message id="2040">
        <source>&amp;Close</source>
        <translation>&amp;Kapat</translation>
    </message>
    <message id="2041">
        <source>&amp;Print</source>
        <translation>&amp;Yazdır</translation>
    </message>
    <message id="2042">
        <source>Print &amp;Setup</source>
        <translation>Yazıcı &amp;ayarları</translation>
    </message>
    <message id="2060">
        <source>About Kolekt</source>
        <translation>Kolekt Hakkında</translation>
    </message>
    <message id="2061">
        <source>Kolekt Version 5a</source>
        <translation>Kolekt Sürüm 5a</translation>
    </message>
    <message id="2062">
        <source>GNU GPL 3 or later</source>
        <translation>GNU GPL 3 veya üstü</translation>
    </message>
    <message id="2063">
        <source>Questions and fixes: kolekt@example.org</source>
        <translation>Soru ve düzeltmeler: kolekt@example.org</translation>
    </message>
    <message id="2064">
        <source>Requires Groupx.k09 files from Scriba Version 10a or later</source>
        <translation>Scriba 10a veya daha yeni bir sürümden Groupx.k09 dosyaları gerektirir</translation>
    </message>
    <message id="2100">
        <source>Kolekt cannot open %1:
the file does not exist. It may have been moved, renamed or deleted.</source>
        <translation>Kolekt şu dosyayı açamıyor: %1
Dosya mevcut değil. Taşınmış, yeniden adlandırılmış veya silinmiş olabilir.</translation>
    </message>
    <message id="2101">
        <source>Kolekt cannot open %1:
the file cannot be read. Ask the owner of the file or of its folder for permission to read it.</source>
        <translation>Kolekt şu dosyayı açamıyor: %1
Dosya okunamıyor. Dosyanın veya bulunduğu klasörün sahibinden okuma izni isteyin.</translation>
    </message>
    <message id="2102">
        <source>Kolekt cannot open %1:
it is not a regular file but a folder or a special file. Choose the collection file from the secretary.</source>
        <translation>Kolekt şunu açamıyor: %1
Bu normal bir dosya değil; bir klasör ya da özel bir dosya. Sekreterden gelen rapor toplama dosyasını seçin.</translation>
    </message>
    <message id="2103">
        <source>%1 is incomplete: it ends early, and %3 of its %4 publisher records are missing, as after a copy or download that was cut off.
You can view and print it, but Kolekt will not save anything to it. Ask the secretary for the file again.</source>
        <translation>%1 dosyası tam değil: erken bitiyor ve %4 müjdeci kaydından %3 tanesi eksik; kopyalama ya da indirme yarıda kesilmiş gibi.
Dosyayı görüntüleyip yazdırabilirsiniz, ancak Kolekt bu dosyaya hiçbir şey kaydetmeyecek. Dosyayı sekreterden yeniden isteyin.</translation>
    </message>
    <message id="2104">
        <source>%1 is incomplete: it ends early, and %3 of its %4 remarks are missing, as after a copy or download that was cut off.
You can view and print it, but Kolekt will not save anything to it. Ask the secretary for the file again.</source>
        <translation>%1 dosyası tam değil: erken bitiyor ve %4 nottan %3 tanesi eksik; kopyalama ya da indirme yarıda kesilmiş gibi.
Dosyayı görüntüleyip yazdırabilirsiniz, ancak Kolekt bu dosyaya hiçbir şey kaydetmeyecek. Dosyayı sekreterden yeniden isteyin.</translation>
    </message>
    <message id="2105">
        <source>%1 is incomplete, so Kolekt saves nothing to it and makes no file for the secretary from it.
Ask the secretary for the file again.</source>
        <translation>%1 dosyası tam değil; bu yüzden Kolekt bu dosyaya hiçbir şey kaydetmiyor ve ondan sekreter için dosya oluşturmuyor.
Dosyayı sekreterden yeniden isteyin.</translation>
    </message>
    <message id="2106">
        <source>Reports cannot be posted to %1, because the file is incomplete and Kolekt will not save to it.
Ask the secretary for the file again.</source>
        <translation>%1 dosyasına rapor kaydedilemez, çünkü dosya tam değil ve Kolekt bu dosyaya kayıt yapmayacak.
Dosyayı sekreterden yeniden isteyin.</translation>
    </message>
    <message id="2107">
        <source>%1 is already open in another Kolekt.
A collection file can be open in only one Kolekt at a time, so that no report posted in one is lost by the other. Close it there, then open it here.</source>
        <translation>%1 dosyası zaten başka bir Kolekt penceresinde açık.
Bir rapor toplama dosyası aynı anda yalnızca tek bir Kolekt penceresinde açık olabilir; böylece birinde kaydedilen rapor diğeri yüzünden kaybolmaz. Dosyayı orada kapatın, sonra burada açın.</translation>
    </message>
    <message id="2108">
        <source>%1 was changed or replaced by another program since Kolekt opened it.
So that neither version is lost, Kolekt did not overwrite it and saved your collection as
%2
Kolekt goes on with that file.</source>
        <translation>%1 dosyası, Kolekt onu açtıktan sonra başka bir program tarafından değiştirilmiş ya da yerine başka bir dosya konmuş.
Hiçbir sürüm kaybolmasın diye Kolekt dosyanın üzerine yazmadı ve toplanan raporları şu adla kaydetti:
%2
Kolekt bu dosyayla devam ediyor.</translation>
    </message>
    <message id="2109">
        <source>Kolekt could not save the collection to %1.
So that no report is lost, it was saved as
%2
Open that file with &quot;Load New List from Secretary&quot; to go on with it.</source>
        <translation>Kolekt toplanan raporları %1 dosyasına kaydedemedi.
Hiçbir rapor kaybolmasın diye raporlar şu adla kaydedildi:
%2
Devam etmek için bu dosyayı “Sekreterden yeni liste yükle” düğmesiyle açın.</translation>
    </message>
    <message id="2110">
        <source>Kolekt could not save the collection to %1, nor to the folder %2.
The reports posted since it was last saved could not be kept.</source>
        <translation>Kolekt toplanan raporları ne %1 dosyasına ne de %2 klasörüne kaydedebildi.
Son kayıttan bu yana girilen raporlar korunamadı.</translation>
    </message>
    <message id="2111">
        <source>Collections that could not be saved to their own files when Kolekt ended are kept in
%1
Open one with &quot;Load New List from Secretary&quot; to go on with it.</source>
        <translation>Kolekt kapanırken kendi dosyalarına kaydedilemeyen rapor listeleri şu klasörde saklanıyor:
%1
Birine devam etmek için onu “Sekreterden yeni liste yükle” düğmesiyle açın.</translation>
    </message>
    <message id="2120">
        <source>%1 cannot be opened: its lock file %2 is not a file Kolekt made (it is a link, a folder or a special file).
Remove it, then open the collection file again.</source>
        <translation>%1 dosyası açılamıyor: kilit dosyası %2, Kolekt&apos;in oluşturduğu bir dosya değil (bir bağlantı, klasör veya özel dosya).
Onu kaldırın, ardından dosyayı yeniden açın.</translation>
    </message>
    <message id="2200">
        <source>Post</source>
        <translation>&amp;Rapor gir</translation>
    </message>
    <message id="2201">
        <source>Print Setup</source>
        <translation>Yazıcı ayarları</translation>
    </message>
    <message id="2202">
        <source>OK</source>
        <translation>Tamam</translation>
    </message>
    <message id="2203">
        <source>The PDF file could not be written:
%1

%2</source>
        <translation>PDF dosyası yazılamadı:
%1

%2</translation>
    </message>
    <message id="2204">
        <source>The printer %1 did not take the job:
%2</source>
        <translation>%1 yazıcısı işi kabul etmedi:
%2</translation>
    </message>
    <message id="2205">
        <source>Next Telephone Number</source>
        <translation>Sonraki telefon numarası</translation>
    </message>
    <message id="2206">
        <source>Next Page</source>
        <translation>Sonraki sayfa</translation>
    </message>
    <message id="2207">
        <source>Previous Page</source>
        <translation>Önceki sayfa</translation>
    </message>
    <message id="2250">
        <source>

The secretary&apos;s e-mail address in the file cannot be used, so the file cannot be e-mailed from here. Please hand it to the secretary yourself.</source>
        <translation>

Dosyadaki sekreter e-posta adresi kullanılamıyor, bu yüzden dosya buradan e-postayla gönderilemez. Lütfen dosyayı sekretere kendiniz teslim edin.</translation>
    </message>
    <message id="2251">
        <source>Mail password for %1 on %2:</source>
        <translation>%2 sunucusundaki %1 için e-posta parolası:</translation>
    </message>
    <message id="2252">
        <source>Sending the mail through %1...</source>
        <translation>E-posta %1 üzerinden gönderiliyor...</translation>
    </message>
    <message id="2253">
        <source>Cancel</source>
        <translation>Vazgeç</translation>
    </message>
    <message id="2254">
        <source>Sending was cancelled. The mail was not sent.</source>
        <translation>Gönderme iptal edildi. E-posta gönderilmedi.</translation>
    </message>
    <message id="2255">
        <source>Kolekt could not connect to the mail server %1. The mail was not sent.</source>
        <translation>Kolekt %1 e-posta sunucusuna bağlanamadı. E-posta gönderilmedi.</translation>
    </message>
    <message id="2256">
        <source>The mail server %1 did not answer in time. The mail was not sent.</source>
        <translation>%1 e-posta sunucusu zamanında yanıt vermedi. E-posta gönderilmedi.</translation>
    </message>
    <message id="2257">
        <source>The mail server %1 refused the log-on. Check the user name and the password. The mail was not sent.</source>
        <translation>%1 e-posta sunucusu oturum açmayı reddetti. Kullanıcı adını ve parolayı kontrol edin. E-posta gönderilmedi.</translation>
    </message>
    <message id="2258">
        <source>The mail server %1 does not offer an encrypted connection (STARTTLS), so Kolekt did not send the password. The mail was not sent.</source>
        <translation>%1 e-posta sunucusu şifreli bağlantı (STARTTLS) sunmuyor, bu yüzden Kolekt parolayı göndermedi. E-posta gönderilmedi.</translation>
    </message>
    <message id="2259">
        <source>No secure connection to the mail server %1 could be made: its certificate was not accepted. The mail was not sent.</source>
        <translation>%1 e-posta sunucusuyla güvenli bağlantı kurulamadı: sunucunun sertifikası kabul edilmedi. E-posta gönderilmedi.</translation>
    </message>
    <message id="2260">
        <source>The mail server %1 refused the mail. The mail was not sent.</source>
        <translation>%1 e-posta sunucusu iletiyi reddetti, bu yüzden e-posta gönderilmedi.</translation>
    </message>
    <message id="2300">
        <source>&amp;Language</source>
        <translation>&amp;Dil</translation>
    </message>
    <message id="2301">
        <source>The language &quot;%1&quot; is not known. Kolekt knows these languages: %2.</source>
        <translation>“%1” dili bilinmiyor. Kolekt şu dilleri biliyor: %2.</translation>
    </message>
    <message id="2302">
        <source>The code page &quot;%1&quot; is not known. Kolekt reads collection files in these code pages: %2.</source>
        <translation>“%1” kod sayfası bilinmiyor. Kolekt rapor toplama dosyalarını şu kod sayfalarında okuyabilir: %2.</translation>
    </message>
    <message id="2303">
        <source>&amp;Yes</source>
        <translation>&amp;Evet</translation>
    </message>
    <message id="2304">
        <source>&amp;No</source>
        <translation>&amp;Hayır</translation>
    </message>
    <message id="2390">
        <source>Field Service Reports</source>
        <translation>Tarla Hizmeti Raporları</translation>
    </message>
    <message id="2391">
        <source>Post the monthly field service reports of a group and return them to the secretary</source>
        <translation>Bir grubun aylık tarla hizmeti raporlarını girin ve sekretere iletin</translation>
    </message>
    <message id="2392">
        <source>Collect the monthly field service reports of a group</source>
        <translation>Bir grubun aylık tarla hizmeti raporlarını toplayın</translation>
    </message>
    <message id="2393">
        <source>Field service report collection</source>
        <translation>Tarla hizmeti raporu toplama dosyası</translation>
    </message>
    <message id="2400">
        <source>Low Memory</source>
        <translation>Bellek yetersiz</translation>
    </message>
    <message id="2401">
        <source>No Printer</source>
        <translation>Yazıcı bulunamadı</translation>
    </message>
    <message id="2402">
        <source>Printing on %1 could not be started.</source>
        <translation>%1 yazıcısında yazdırma başlatılamadı.</translation>
    </message>
    <message id="2403">
        <source>Telephone service not available</source>
        <translation>Telefon hizmeti kullanılamıyor</translation>
    </message>
    <message id="2404">
        <source>E-mail - </source>
        <translation>E-&amp;posta - </translation>
    </message>
    <message id="2700">
        <source>Mail system DLL is invalid.</source>
        <translation>Posta sistemi DLL&apos;si geçersiz.</translation>
    </message>
    <message id="2701">
        <source>bad procaddress</source>
        <translation>geçersiz yordam adresi</translation>
    </message>
    <message id="2800">
        <source>Kolekt could not store its settings in
%1
The file or its lock file beside it may be write-protected, held by another program, a link, a folder or a special file, or the disk may be full. Your collection files are not affected; only what Kolekt remembers for the next start (the file open last, the language, the mail settings) is not stored.</source>
        <translation>Kolekt ayarlarını şuraya kaydedemedi:
%1
Dosya ya da yanındaki kilit dosyası yazmaya karşı korumalı, başka bir program tarafından tutuluyor, bir bağlantı, klasör veya özel dosya olabilir ya da disk dolu olabilir. Rapor dosyalarınız bundan etkilenmez; yalnızca Kolekt&apos;in bir sonraki açılış için hatırladıkları (son açılan dosya, dil, posta ayarları) kaydedilmez.</translation>
    </message>
    <message id="61712">
        <source>Please enter an integer.</source>
        <translation>Lütfen bir tam sayı girin.</translation>
    </message>
    <message id="61714">
        <source>Please enter an integer between %1 and %2.</source>
        <translation>Lütfen %1 ile %2 arasında bir tam sayı girin.</translation>
    </message>
    <message id="61840">
        <source>No mail program was found.</source>
        <translation>E-posta programı bulunamadı.</translation>
    </message>
    <message id="61841">
        <source>The mail settings are not usable.</source>
        <translation>E-posta ayarları kullanılamıyor.</translation>
    </message>
    <message id="61842">
        <source>Send Mail failed to send message.</source>
        <translation>E-posta gönderilemedi.</translation>
    </message>
    <message id="2350">
        <source>The collection file's code page (%2) cannot hold these characters of the remark: %1
Each of them would be stored as "?".

Store the remark like this? Otherwise it stays open for you to change it.</source>
        <translation>Rapor toplama dosyasının kod sayfası (%2) notun şu karakterlerini içermiyor: %1
Her biri “?” olarak kaydedilir.

Not bu haliyle kaydedilsin mi? Aksi halde düzeltebilmeniz için açık kalır.</translation>
    </message>
    <message id="2500">
        <source>%1 left</source>
        <translation>%1 kaldı</translation>
    </message>
    <message id="2600">
        <source>Group #%1</source>
        <translation>%1. Grup</translation>
    </message>
    <message id="2601">
        <source>Call the telephone number shown</source>
        <translation>Gösterilen telefon numarasını ara</translation>
    </message>
    <message id="2602">
        <source>Field service report for %MONTH% %YEAR%</source>
        <translation>%MONTH% %YEAR% hizmet raporu</translation>
    </message>
    <message id="2603">
        <source>Dear %NAME%,

Please submit your report for %MONTH% %YEAR%.
Thank you.</source>
        <translation>Merhaba %NAME%,

Lütfen %MONTH% %YEAR% hizmet raporunuzu gönderin.
Teşekkürler.</translation>
    </message>
    <message id="2604">
        <source>Copy Message</source>
        <translation>İletiyi kopyala</translation>
    </message>
    <message id="2605">
        <source>Show File in Folder</source>
        <translation>Dosyayı klasörde göster</translation>
    </message>
    <message id="2606">
        <source>

The file to attach to the mail is:
%1</source>
        <translation>

E-postaya eklenecek dosya:
%1</translation>
    </message>
    <message id="2607">
        <source>No file manager was found to show the file.</source>
        <translation>Dosyayı gösterecek bir dosya yöneticisi bulunamadı.</translation>
    </message>
    <message id="2608">
        <source>Remind All Missing</source>
        <translation>Eksik olanların hepsine ha&amp;tırlat</translation>
    </message>
    <message id="2609">
        <source>Send a reminder to each of these %1 publishers whose report is missing, one message each?%2</source>
        <translation>Raporu eksik olan bu %1 müjdecinin her birine ayrı bir hatırlatma gönderilsin mi?%2</translation>
    </message>
    <message id="2610">
        <source>

These publishers have no usable e-mail address and get no reminder:%1</source>
        <translation>

Bu müjdecilerin kullanılabilir bir e-posta adresi yok, hatırlatma almayacaklar:%1</translation>
    </message>
    <message id="2611">
        <source>No publisher whose report is missing has a usable e-mail address.</source>
        <translation>Raporu eksik olan müjdecilerin hiçbirinin kullanılabilir bir e-posta adresi yok.</translation>
    </message>
    <message id="2612">
        <source>The mail program will now open %1 messages, one for each publisher. Check and send each of them there.</source>
        <translation>E-posta programı şimdi her müjdeci için bir tane olmak üzere %1 ileti açacak. Her birini orada kontrol edip gönderin.</translation>
    </message>
    <message id="2613">
        <source>%1 of %2 reminders were sent.</source>
        <translation>%2 hatırlatmadan %1 tanesi gönderildi.</translation>
    </message>
    <message id="2614">
        <source>%1 of %2 reminders were opened in the mail program.</source>
        <translation>%2 hatırlatmadan %1 tanesi e-posta programında açıldı.</translation>
    </message>
    <message id="2615">
        <source>Sending reminder %1 of %2 through %3...</source>
        <translation>Hatırlatma %1/%2, %3 üzerinden gönderiliyor...</translation>
    </message>
    <message id="2616">
        <source>Mail Settings...</source>
        <translation>E-posta &amp;ayarları...</translation>
    </message>
    <message id="2617">
        <source>Mail Settings</source>
        <translation>E-posta ayarları</translation>
    </message>
    <message id="2618">
        <source>Mail &amp;server:</source>
        <translation>E-posta &amp;sunucusu:</translation>
    </message>
    <message id="2619">
        <source>Leave it empty to use the desktop's mail program; for example smtps://mail.example.org</source>
        <translation>Masaüstünün e-posta programını kullanmak için boş bırakın; örneğin smtps://mail.example.org</translation>
    </message>
    <message id="2620">
        <source>Sender &amp;address:</source>
        <translation>Gönderen &amp;adresi:</translation>
    </message>
    <message id="2621">
        <source>&amp;User name:</source>
        <translation>&amp;Kullanıcı adı:</translation>
    </message>
    <message id="2622">
        <source>&amp;Password:</source>
        <translation>&amp;Parola:</translation>
    </message>
    <message id="2623">
        <source>&amp;Remember the password in the desktop's keyring</source>
        <translation>Parolayı masaüstünün anahtarlığında &amp;hatırla</translation>
    </message>
    <message id="2624">
        <source>Your &amp;name (signs the reminders):</source>
        <translation>Adınız (hatırlatmaları &amp;imzalar):</translation>
    </message>
    <message id="2625">
        <source>Reminder sub&amp;ject:</source>
        <translation>Hatırlatmanın k&amp;onusu:</translation>
    </message>
    <message id="2626">
        <source>Reminder te&amp;xt:</source>
        <translation>Hatırlatmanın &amp;metni:</translation>
    </message>
    <message id="2627">
        <source>%NAME% stands for the publisher's first name, %MONTH% and %YEAR% for the month and its year, %GROUP% for the group's number.</source>
        <translation>%NAME% müjdecinin adını, %MONTH% ve %YEAR% ayı ve yılını, %GROUP% grubun numarasını gösterir.</translation>
    </message>
    <message id="2628">
        <source>Send &amp;Test Message</source>
        <translation>&amp;Deneme iletisi gönder</translation>
    </message>
    <message id="2629">
        <source>Kolekt test message</source>
        <translation>Kolekt deneme iletisi</translation>
    </message>
    <message id="2630">
        <source>This message shows that Kolekt can send mail with these settings.</source>
        <translation>Bu ileti, Kolekt'in bu ayarlarla e-posta gönderebildiğini gösterir.</translation>
    </message>
    <message id="2631">
        <source>The mail server %1 accepted the test message to %2.</source>
        <translation>%1 e-posta sunucusu %2 adresine giden deneme iletisini kabul etti.</translation>
    </message>
    <message id="2632">
        <source>The test message to %1 was handed to the desktop's mail program.</source>
        <translation>%1 adresine giden deneme iletisi masaüstünün e-posta programına verildi.</translation>
    </message>
    <message id="2633">
        <source>Enter your own e-mail address as the sender: the test message goes to it.</source>
        <translation>Gönderen olarak kendi e-posta adresinizi girin: deneme iletisi bu adrese gider.</translation>
    </message>
    <message id="2634">
        <source>The password could not be kept in the desktop's keyring:
%1</source>
        <translation>Parola masaüstünün anahtarlığına kaydedilemedi:
%1</translation>
    </message>
    <message id="2635">
        <source>Guide</source>
        <translation>Kılavuz</translation>
    </message>
    <message id="2636">
        <source>Kolekt Guide</source>
        <translation>Kolekt kılavuzu</translation>
    </message>
    <message id="2637">
        <source>&amp;Search:</source>
        <translation>&amp;Ara:</translation>
    </message>
    <message id="2638">
        <source>Sections of the guide</source>
        <translation>Kılavuzun bölümleri</translation>
    </message>
    <message id="2501">
        <source>Undo posting %1 (%2)</source>
        <translation>%1 kaydını &amp;geri al (%2)</translation>
    </message>
    <message id="2502">
        <source>There is nothing to undo. Only reports posted to this file since Kolekt was started can be undone.</source>
        <translation>Geri alınacak bir şey yok. Yalnızca Kolekt başlatıldığından beri bu dosyaya kaydedilen raporlar geri alınabilir.</translation>
    </message>
    <message id="2503">
        <source>shared</source>
        <translation>hizmet etti</translation>
    </message>
    <message id="2504">
        <source>not shared</source>
        <translation>hizmet etmedi</translation>
    </message>
    <message id="2505">
        <source>hours: %1</source>
        <translation>saat: %1</translation>
    </message>
    <message id="2506">
        <source>studies: %1</source>
        <translation>tetkik: %1</translation>
    </message>
    <message id="2507">
        <source>remark</source>
        <translation>not</translation>
    </message>
    <message id="2508">
        <source>%1 – %2: %3</source>
        <translation>%1 – %2: %3</translation>
    </message>
    <message id="2509">
        <source>&amp;Undo</source>
        <translation>&amp;Geri al</translation>
    </message>
    <message id="2510">
        <source>reported</source>
        <translation>rapor verdi</translation>
    </message>
    <message id="2511">
        <source>missing</source>
        <translation>eksik</translation>
    </message>
    <message id="2512">
        <source>remark only</source>
        <translation>yalnızca not</translation>
    </message>
    <message id="2513">
        <source>late report for %1 posted</source>
        <translation>%1 için geç rapor kaydedildi</translation>
    </message>
    <message id="2514">
        <source>%1: %2 of %3 reported</source>
        <translation>%1: %3 kişiden %2 rapor verdi</translation>
    </message>
    <message id="2515">
        <source>Pioneer hours: %1 · Bible studies: %2</source>
        <translation>Öncü saatleri: %1 · Tetkikler: %2</translation>
    </message>
    <message id="2516">
        <source>All reports are in: now "%1".</source>
        <translation>Tüm raporlar geldi: şimdi “%1”.</translation>
    </message>
    <message id="2517">
        <source>These reports are still missing: %1

Create the file for the secretary all the same?</source>
        <translation>Şu raporlar hâlâ eksik: %1

Sekreter için dosya yine de oluşturulsun mu?</translation>
    </message>
    <message id="2518">
        <source>Open the file the secretary sent you: "%1", or drop the .k09 file on this window.</source>
        <translation>Sekreterin gönderdiği dosyayı açın: “%1” veya .k09 dosyasını bu pencereye bırakın.</translation>
    </message>
    <message id="2519">
        <source>Last twelve months</source>
        <translation>Son on iki ay</translation>
    </message>
    <message id="2520">
        <source>late</source>
        <translation>geç</translation>
    </message>
    <message id="2521">
        <source>Service year so far: hours: %1</source>
        <translation>Hizmet yılı şimdiye dek: saat: %1</translation>
    </message>
    <message id="2900">
        <source>Group &amp;Year</source>
        <translation>Grup &amp;yılı</translation>
    </message>
    <message id="2901">
        <source>Group Year</source>
        <translation>Grup yılı</translation>
    </message>
    <message id="2902">
        <source>Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec</source>
        <translation>Oca Şub Mar Nis May Haz Tem Ağu Eyl Eki Kas Ara</translation>
    </message>
    <message id="2903">
        <source>%1 h</source>
        <translation>%1 sa</translation>
    </message>
    <message id="2904">
        <source>%1 BS</source>
        <translation>%1 KT</translation>
    </message>
    <message id="2905">
        <source>Reported</source>
        <translation>Rapor verenler</translation>
    </message>
    <message id="2906">
        <source>%1 of %2 reported</source>
        <translation>%2 kişiden %1 rapor verdi</translation>
    </message>
    <message id="2907">
        <source>%1, %2: %3</source>
        <translation>%1, %2: %3</translation>
    </message>
    <message id="2908">
        <source>Reports each month</source>
        <translation>Aylara göre raporlar</translation>
    </message>
    <message id="2909">
        <source>Save as P&amp;DF...</source>
        <translation>&amp;PDF olarak kaydet...</translation>
    </message>
    <message id="2910">
        <source>Save the Group Year as PDF</source>
        <translation>Grup yılını PDF olarak kaydet</translation>
    </message>
    <message id="2911">
        <source>PDF documents</source>
        <translation>PDF belgeleri</translation>
    </message>
    <message id="2912">
        <source>✓ shared · ○ not shared · h hours · BS Bible studies · * remark</source>
        <translation>✓ hizmet etti · ○ hizmet etmedi · sa saat · KT Kutsal Kitap tetkiki · * not</translation>
    </message>
    <message id="2913">
        <source>Its folder may be missing, read-only or full.</source>
        <translation>Klasörü eksik, salt okunur ya da dolu olabilir.</translation>
    </message>
    <message id="2850">
        <source>Kolekt could not save %1.</source>
        <translation>Kolekt %1 dosyasını kaydedemedi.</translation>
    </message>
    <message id="2851">
        <source>The file, its folder or the disk is read-only: remove the read-only attribute or obtain permission to create files in its folder.</source>
        <translation>Dosya, klasörü veya disk salt okunur: salt okunur özniteliğini kaldırın veya klasöründe dosya oluşturma izni alın.</translation>
    </message>
    <message id="2852">
        <source>The disk is full (%1): make room on it or use another disk.</source>
        <translation>Disk dolu (%1): üzerinde yer açın veya başka bir disk kullanın.</translation>
    </message>
    <message id="2853">
        <source>Its name or path is too long for this file system (%1): give it a shorter name or move it to a folder with a shorter path.</source>
        <translation>Adı veya yolu bu dosya sistemi için çok uzun (%1): ona daha kısa bir ad verin veya daha kısa yollu bir klasöre taşıyın.</translation>
    </message>
    <message id="2854">
        <source>You may not create or replace files in its folder (%1): the folder is not writable for you, or it is a shared folder where only a file's owner may replace it. Ask the folder's owner, or copy the file to a folder of your own.</source>
        <translation>Klasöründe dosya oluşturamaz veya değiştiremezsiniz (%1): klasöre yazma izniniz yok ya da bu, bir dosyayı yalnızca sahibinin değiştirebildiği paylaşılan bir klasör. Klasörün sahibine sorun veya dosyayı kendi klasörünüze kopyalayın.</translation>
    </message>
    <message id="2855">
        <source>The file system there cannot do what saving needs (%1): copy the file to another disk or folder.</source>
        <translation>Oradaki dosya sistemi kaydetmenin gerektirdiğini yapamıyor (%1): dosyayı başka bir diske veya klasöre kopyalayın.</translation>
    </message>
    <message id="2856">
        <source>The system reports: %1.</source>
        <translation>Sistemin bildirdiği: %1.</translation>
    </message>
    <message id="2857">
        <source>%1 holds %3 bytes after its last remark, which are not part of a collection file.
Kolekt ignores them, and the next save writes the file without them.</source>
        <translation>%1 son açıklamasından sonra, bir toplama dosyasına ait olmayan %3 bayt içeriyor.
Kolekt bunları yok sayar ve bir sonraki kayıt dosyayı onlarsız yazar.</translation>
    </message>
    <message id="2858">
        <source>%1 was saved, but it now belongs to you and your group: Kolekt could keep neither its owner nor its group, so some who could read it before may no longer be able to.
Ask the file's owner or an administrator to give it back its owner or group.</source>
        <translation>%1 kaydedildi, ancak artık size ve grubunuza ait: Kolekt dosyanın ne sahibini ne de grubunu koruyabildi, bu yüzden daha önce okuyabilen bazı kişiler artık okuyamayabilir.
Dosyanın sahibinden veya bir yöneticiden dosyaya sahibini veya grubunu geri vermesini isteyin.</translation>
    </message>
    <message id="2859">
        <source>The folder it was opened from is no longer there: perhaps a stick or a network drive was removed. Put it back, and the next post saves every report posted since.</source>
        <translation>Dosyanın açıldığı klasör artık yok: bir USB bellek veya ağ sürücüsü çıkarılmış olabilir. Yeniden takın; bir sonraki kayıt, o zamandan beri girilen tüm raporları kaydeder.</translation>
    </message>
</context>
</TS>
