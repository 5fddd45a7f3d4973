<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="id_ID" sourcelanguage="en">
<context>
    <name>AfterSunset</name>
    <message>
        <source>Born after sunset on %1: the Javanese day had already turned, so the weton is %2&apos;s.</source>
        <translation>Lahir setelah matahari terbenam pada %1: hari Jawa sudah berganti, jadi wetonnya weton hari %2.</translation>
    </message>
</context>
<context>
    <name>AppMenus</name>
    <message>
        <source>&amp;Help</source>
        <translation>Ba&amp;ntuan</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>Bantuan &amp;Daring</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>&amp;Kunjungi Situs Kami</translation>
    </message>
    <message>
        <source>Check for Software &amp;Update</source>
        <translation>Periksa &amp;Pembaruan Program</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>&amp;Tentang Program Ini</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation>&amp;Donasi</translation>
    </message>
    <message>
        <source>Make Money &amp;Online</source>
        <translation>Raih Penghasilan Secara &amp;Daring</translation>
    </message>
    <message>
        <source>&amp;Calendar</source>
        <translation>Ka&amp;lender</translation>
    </message>
    <message>
        <source>Javanese &amp;Calendar...</source>
        <translation>Kalender &amp;Jawa...</translation>
    </message>
    <message>
        <source>&amp;Match Two Wetons...</source>
        <translation>&amp;Kecocokan Dua Weton...</translation>
    </message>
</context>
<context>
    <name>AppStream</name>
    <message>
        <source>Wetonara</source>
        <translation>Wetonara</translation>
    </message>
    <message>
        <source>Find your Javanese birth-day sign, the weton</source>
        <translation>Cari tahu weton Anda, hari lahir menurut penanggalan Jawa</translation>
    </message>
    <message>
        <source>Wetonara tells you your Javanese birth-day sign, the weton, from your name and date of birth: the weekday in English and in Indonesian, the day of the five-day Javanese market week (Legi, Pahing, Pon, Wage or Kliwon), and a description of the personality that goes with the pair.</source>
        <translation>Dari nama dan tanggal lahir, Wetonara menunjukkan weton Anda, hari lahir menurut penanggalan Jawa: nama harinya dalam bahasa Inggris dan bahasa Indonesia, pasarannya dalam pekan Jawa yang lima hari (Legi, Pahing, Pon, Wage, atau Kliwon), serta gambaran watak yang menyertai paduan keduanya.</translation>
    </message>
    <message>
        <source>A reading can be printed, and saved to a small file of its own to be opened again later. Dates from 1901 to 2036 are covered. The weton command-line tool gives the same readings in a terminal.</source>
        <translation>Hasil weton dapat dicetak, juga disimpan dalam berkas kecil tersendiri untuk dibuka kembali kelak. Tanggal yang dapat dihitung mulai tahun 1901 hingga 2036. Alat baris perintah weton memberikan hasil yang sama di terminal.</translation>
    </message>
    <message>
        <source>The entry window: a name and a date of birth</source>
        <translation>Jendela isian: nama dan tanggal lahir</translation>
    </message>
    <message>
        <source>The reading: market day, weekdays and description</source>
        <translation>Hasil weton: pasaran, hari, dan watak</translation>
    </message>
    <message>
        <source>The report, ready to print or to save</source>
        <translation>Laporan, siap dicetak atau disimpan</translation>
    </message>
    <message>
        <source>The about box</source>
        <translation>Keterangan tentang program</translation>
    </message>
    <message>
        <source>This release brings the Javanese almanac into the windows and makes the program behave as a desktop program should:</source>
        <translation>Rilis ini menghadirkan penanggalan Jawa di jendela program dan membuat program bekerja sebagaimana mestinya program desktop:</translation>
    </message>
    <message>
        <source>Open and Save use the desktop&apos;s own file dialog.</source>
        <translation>Buka dan Simpan memakai dialog berkas bawaan desktop.</translation>
    </message>
    <message>
        <source>The report window and the about box are real dialogs: Esc closes them, and they stay with the window they were opened from.</source>
        <translation>Jendela laporan dan keterangan tentang program kini benar-benar berupa dialog: tombol Esc menutupnya, dan keduanya tetap menyertai jendela tempat keduanya dibuka.</translation>
    </message>
    <message>
        <source>A Javanese calendar window shows a month with each day&apos;s market day, wuku and Javanese date, and prints it.</source>
        <translation>Jendela kalender Jawa menampilkan satu bulan beserta pasaran, wuku, dan tanggal Jawa setiap harinya, dan dapat mencetaknya.</translation>
    </message>
    <message>
        <source>The single-instance lock and the hand-over of a file to the running copy are hardened: no left-over lock blocks a start, and no other user can block or capture them.</source>
        <translation>Kunci satu salinan dan penyerahan berkas ke salinan yang sedang berjalan diperkuat: kunci yang tertinggal tidak lagi menghalangi program dijalankan, dan pengguna lain tidak dapat memblokir atau merebut keduanya.</translation>
    </message>
    <message>
        <source>A match window gives the match of two wetons from what the sum of their neptu leaves when divided by nine, as primbon writers count it.</source>
        <translation>Jendela kecocokan menunjukkan kecocokan dua weton menurut hitungan sembilan yang lazim dalam primbon: sisa jumlah neptu keduanya bila dibagi 9.</translation>
    </message>
    <message>
        <source>The Indonesian interface has been reviewed by a native speaker, and the package describes the program in Indonesian too, manual pages included.</source>
        <translation>Tampilan berbahasa Indonesia telah ditinjau oleh penutur asli, dan paketnya kini juga memperkenalkan program dalam bahasa Indonesia, termasuk halaman manualnya.</translation>
    </message>
</context>
<context>
    <name>Branding</name>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <translation>Peluang usaha rumahan: buka bisnis Internet sendiri dan raih penghasilan secara daring. Pasang merek situs Anda pada program ini. Klik di sini untuk rinciannya.</translation>
    </message>
    <message>
        <source>Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your site&apos;s name &amp;&amp;  link here. See &quot;Help&quot; for details.    Click Here for more info on co-branding.</source>
        <translation>Pasang nama dan tautan situs Anda di sini, bersanding dengan merek program ini, agar pengunjung makin setia dan situs Anda makin ramai. Lihat &quot;Bantuan&quot;. Klik di sini untuk info lengkap.</translation>
    </message>
    <message>
        <source>The Most Popular Online Tarvex Discussion Forum. Click Here To Visit Nolvane Now.</source>
        <translation>Forum diskusi Tarvex terpopuler di Internet. Klik di sini untuk mengunjungi Nolvane sekarang.</translation>
    </message>
    <message>
        <source>The Most Popular Online Tarvex Discussion Forum</source>
        <translation>Forum diskusi Tarvex terpopuler di Internet</translation>
    </message>
    <message>
        <source>Click Here To Visit Nolvane Now</source>
        <translation>Klik di sini untuk mengunjungi Nolvane</translation>
    </message>
</context>
<context>
    <name>CalendarModel</name>
    <message>
        <source>, today</source>
        <translation>, hari ini</translation>
    </message>
    <message>
        <source>, date of birth</source>
        <translation>, tanggal lahir</translation>
    </message>
    <message>
        <source>, wetonan of the date of birth</source>
        <translation>, wetonan tanggal lahir</translation>
    </message>
    <message>
        <source>Wuku</source>
        <translation>Wuku</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Hari Ini</translation>
    </message>
    <message>
        <source>Wetonan: the same weton, every 35 days</source>
        <translation>Wetonan: weton yang sama, setiap 35 hari</translation>
    </message>
    <message>
        <source>Date of Birth</source>
        <translation>Tanggal Lahir</translation>
    </message>
    <message>
        <source>, mangsa %1 begins</source>
        <translation>, awal mangsa %1</translation>
    </message>
</context>
<context>
    <name>CalendarWindow</name>
    <message>
        <source>Previous year (Shift+Page Up)</source>
        <translation>Tahun sebelumnya (Shift+Page Up)</translation>
    </message>
    <message>
        <source>Previous month (Page Up)</source>
        <translation>Bulan sebelumnya (Page Up)</translation>
    </message>
    <message>
        <source>Next month (Page Down)</source>
        <translation>Bulan berikutnya (Page Down)</translation>
    </message>
    <message>
        <source>Next year (Shift+Page Down)</source>
        <translation>Tahun berikutnya (Shift+Page Down)</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Bulan</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Tahun</translation>
    </message>
    <message>
        <source>&amp;Today</source>
        <translation>&amp;Hari Ini</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Cetak</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Tutup</translation>
    </message>
    <message>
        <source>The calendar covers %1 to %2.</source>
        <translation>Kalender ini mencakup %1 sampai %2.</translation>
    </message>
    <message>
        <source>%1 – Javanese Calendar – %2</source>
        <translation>%1 – Kalender Jawa – %2</translation>
    </message>
    <message>
        <source>Market Day: %1</source>
        <translation>Pasaran: %1</translation>
    </message>
    <message>
        <source>%1, born %2: %3</source>
        <translation>%1, lahir %2: %3</translation>
    </message>
    <message>
        <source>The Hijri date is reckoned by the arithmetical (tabular) calendar. The dates that Indonesia&apos;s government and Muhammadiyah announce, fixed by sighting criteria, may differ from it by a day.</source>
        <translation>Tanggal Hijriah dihitung menurut kalender hisab urfi. Tanggal yang diumumkan pemerintah Indonesia dan Muhammadiyah, yang ditetapkan menurut kriteria masing-masing, dapat berbeda sehari darinya.</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>Rincian</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source> (wetonara --help tells how to use it)</source>
        <translation> (wetonara --help menjelaskan cara memakainya)</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>opsi %1 tidak dikenal</translation>
    </message>
    <message>
        <source>one saved reading at a time, not %1</source>
        <translation>hanya satu berkas weton yang dapat dibuka sekaligus, bukan %1</translation>
    </message>
    <message>
        <source>the file name is empty</source>
        <translation>nama berkasnya kosong</translation>
    </message>
    <message>
        <source>Usage: wetonara [FILE]
Tells the Javanese birth-day sign (weton) of a name and a date of birth.

  FILE           a saved reading (.jav) to open; a copy that is already running
                 shows it instead, unless a window of it waits for an answer
  -h, --help     show this help and exit
  -v, --version  show the version and exit

Only one copy runs per user session. For readings on the command line, see
weton --help.
</source>
        <translation>Penggunaan: wetonara [BERKAS]
Menampilkan weton (hari lahir menurut penanggalan Jawa) untuk sebuah nama dan
tanggal lahir.

  BERKAS         berkas weton (.jav) yang akan dibuka; bila program ini sudah
                 berjalan, hasil wetonnya ditampilkan oleh salinan itu, kecuali
                 salah satu jendelanya sedang menunggu jawaban
  -h, --help     tampilkan bantuan ini, lalu keluar
  -v, --version  tampilkan versi, lalu keluar

Dalam satu sesi pengguna hanya satu salinan program ini yang berjalan. Untuk
menghitung weton di baris perintah, lihat weton --help.
</translation>
    </message>
</context>
<context>
    <name>DateReading</name>
    <message>
        <source>Name: </source>
        <translation>Nama: </translation>
    </message>
    <message>
        <source>Date of Birth: %1 %2, %3

</source>
        <translation>Tanggal Lahir: %2 %1 %3

</translation>
    </message>
    <message>
        <source>Indonesian Day Sign: %1

</source>
        <translation>Pasaran: %1

</translation>
    </message>
    <message>
        <source>Indonesian Weekday: %1

</source>
        <translation>Hari: %1

</translation>
    </message>
    <message>
        <source>English Weekday: %1

</source>
        <translation>Hari (Inggris): %1

</translation>
    </message>
    <message>
        <source>Description:
</source>
        <translation>Watak:
</translation>
    </message>
</context>
<context>
    <name>DayFacts</name>
    <message>
        <source>%1 %2 %3 %4</source>
        <comment>weekday, day, month, year</comment>
        <translation>%1, %2 %3 %4</translation>
    </message>
    <message>
        <source>%1, %2, %3, wuku %4</source>
        <comment>date, market day, Javanese date, wuku</comment>
        <translation>%1, %2, %3, wuku %4</translation>
    </message>
    <message>
        <source>Neptu: %1 (%2 %3 + %4 %5)</source>
        <translation>Neptu: %1 (%2 %3 + %4 %5)</translation>
    </message>
    <message>
        <source>Wuku: %1 (%2 of 30)</source>
        <translation>Wuku: %1 (ke-%2 dari 30)</translation>
    </message>
    <message>
        <source>Javanese Date: %1 %2 %3 %4, windu %5</source>
        <translation>Tanggal Jawa: %1 %2 %3 %4, windu %5</translation>
    </message>
    <message>
        <source>%1 %2, neptu %3</source>
        <translation>%1 %2, neptu %3</translation>
    </message>
</context>
<context>
    <name>DaySignCatalogue</name>
    <message>
        <source>Minggu</source>
        <translation>Minggu</translation>
    </message>
    <message>
        <source>Senin</source>
        <translation>Senin</translation>
    </message>
    <message>
        <source>Selasa</source>
        <translation>Selasa</translation>
    </message>
    <message>
        <source>Rabu</source>
        <translation>Rabu</translation>
    </message>
    <message>
        <source>Kemis</source>
        <translation>Kamis</translation>
    </message>
    <message>
        <source>Jumat</source>
        <translation>Jumat</translation>
    </message>
    <message>
        <source>Sabtu</source>
        <translation>Sabtu</translation>
    </message>
</context>
<context>
    <name>DesktopEntry</name>
    <message>
        <source>Wetonara</source>
        <translation>Wetonara</translation>
    </message>
    <message>
        <source>Javanese Birth-Day Sign</source>
        <translation>Penghitung Weton</translation>
    </message>
    <message>
        <source>Find your Javanese birth-day sign (weton) from your date of birth</source>
        <translation>Dari tanggal lahir, temukan weton Anda, hari lahir menurut penanggalan Jawa</translation>
    </message>
    <message>
        <source>weton;Javanese;primbon;pasaran;calendar;birthday;astrology;</source>
        <translation>weton;Jawa;primbon;pasaran;kalender;hari lahir;ulang tahun;astrologi;</translation>
    </message>
</context>
<context>
    <name>FailureCause</name>
    <message>
        <source>no space is left on the device</source>
        <translation>ruang penyimpanan sudah penuh</translation>
    </message>
    <message>
        <source>the disk quota is used up</source>
        <translation>kuota disk sudah habis</translation>
    </message>
    <message>
        <source>the file would grow larger than allowed</source>
        <translation>berkas akan melebihi ukuran yang diizinkan</translation>
    </message>
    <message>
        <source>permission is denied</source>
        <translation>izin ditolak</translation>
    </message>
    <message>
        <source>the operation is not permitted</source>
        <translation>tindakan ini tidak diizinkan</translation>
    </message>
    <message>
        <source>the file system is read-only</source>
        <translation>sistem berkas hanya dapat dibaca</translation>
    </message>
    <message>
        <source>no such file or folder</source>
        <translation>berkas atau folder tidak ditemukan</translation>
    </message>
    <message>
        <source>a part of the path is not a folder</source>
        <translation>salah satu bagian jalurnya bukan folder</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>yang dituju adalah folder</translation>
    </message>
    <message>
        <source>the name is too long</source>
        <translation>namanya terlalu panjang</translation>
    </message>
    <message>
        <source>too many symbolic links in the path</source>
        <translation>terlalu banyak tautan simbolik di jalurnya</translation>
    </message>
    <message>
        <source>too many files are open</source>
        <translation>terlalu banyak berkas yang sedang terbuka</translation>
    </message>
    <message>
        <source>too many files are open in the system</source>
        <translation>terlalu banyak berkas yang sedang terbuka di sistem</translation>
    </message>
    <message>
        <source>the device reported an input/output error</source>
        <translation>perangkat melaporkan galat masukan/keluaran</translation>
    </message>
    <message>
        <source>the other end of the pipe is closed</source>
        <translation>ujung lain salurannya sudah ditutup</translation>
    </message>
    <message>
        <source>the cause is not known</source>
        <translation>penyebabnya tidak diketahui</translation>
    </message>
</context>
<context>
    <name>HijriCalendar</name>
    <message>
        <source>Muharram</source>
        <translation>Muharam</translation>
    </message>
    <message>
        <source>Safar</source>
        <translation>Safar</translation>
    </message>
    <message>
        <source>Rabi&apos; al-Awwal</source>
        <translation>Rabiulawal</translation>
    </message>
    <message>
        <source>Rabi&apos; al-Thani</source>
        <translation>Rabiulakhir</translation>
    </message>
    <message>
        <source>Jumada al-Ula</source>
        <translation>Jumadilawal</translation>
    </message>
    <message>
        <source>Jumada al-Akhirah</source>
        <translation>Jumadilakhir</translation>
    </message>
    <message>
        <source>Rajab</source>
        <translation>Rajab</translation>
    </message>
    <message>
        <source>Sha&apos;ban</source>
        <translation>Syakban</translation>
    </message>
    <message>
        <source>Ramadan</source>
        <translation>Ramadan</translation>
    </message>
    <message>
        <source>Shawwal</source>
        <translation>Syawal</translation>
    </message>
    <message>
        <source>Dhu al-Qa&apos;dah</source>
        <translation>Zulkaidah</translation>
    </message>
    <message>
        <source>Dhu al-Hijjah</source>
        <translation>Zulhijah</translation>
    </message>
    <message>
        <source>%1 AH</source>
        <comment>a Hijri year</comment>
        <translation>%1 H</translation>
    </message>
    <message>
        <source>Hijri Date: %1 (arithmetical calendar)</source>
        <translation>Tanggal Hijriah: %1 (kalender hisab urfi)</translation>
    </message>
</context>
<context>
    <name>InterfaceLanguage</name>
    <message>
        <source>en</source>
        <comment>Code of this translation&apos;s language; content/&lt;code&gt;/ holds its content files</comment>
        <translation>id</translation>
    </message>
</context>
<context>
    <name>IsoDate</name>
    <message>
        <source>empty, expected a date as YYYY-MM-DD</source>
        <translation>kosong, seharusnya tanggal berbentuk YYYY-MM-DD</translation>
    </message>
    <message>
        <source>%1 is not a date as YYYY-MM-DD</source>
        <translation>%1 bukan tanggal berbentuk YYYY-MM-DD</translation>
    </message>
    <message>
        <source>%1 is not a real date</source>
        <translation>%1 bukan tanggal yang sah</translation>
    </message>
    <message>
        <source>%1 is outside %2 to %3</source>
        <translation>%1 di luar rentang %2 sampai %3</translation>
    </message>
</context>
<context>
    <name>LocalChannel</name>
    <message>
        <source>the path %1 is too long for a local socket</source>
        <translation>jalur %1 terlalu panjang untuk soket lokal</translation>
    </message>
</context>
<context>
    <name>MatchWindow</name>
    <message>
        <source>Match: %1</source>
        <translation>Kecocokan: %1</translation>
    </message>
    <message>
        <source>Match Two Wetons – %1</source>
        <translation>Kecocokan Dua Weton – %1</translation>
    </message>
    <message>
        <source>&amp;First Date of Birth:</source>
        <translation>Tanggal Lahir &amp;Pertama:</translation>
    </message>
    <message>
        <source>&amp;Second Date of Birth:</source>
        <translation>Tanggal Lahir &amp;Kedua:</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Tutup</translation>
    </message>
    <message>
        <source>Meaning</source>
        <translation>Makna</translation>
    </message>
</context>
<context>
    <name>MimeType</name>
    <message>
        <source>Wetonara saved reading</source>
        <translation>Berkas weton Wetonara</translation>
    </message>
</context>
<context>
    <name>MonthSheet</name>
    <message>
        <source>%1 %2</source>
        <comment>month, year</comment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>windu %1</source>
        <translation>windu %1</translation>
    </message>
</context>
<context>
    <name>PranataMangsa</name>
    <message>
        <source>Pranata Mangsa: %1 (season %2 of 12), day %3 of %4</source>
        <translation>Pranata Mangsa: %1 (mangsa ke-%2 dari 12), hari ke-%3 dari %4</translation>
    </message>
</context>
<context>
    <name>Printing</name>
    <message>
        <source>The page could not be printed because no printer is set up. Please set up a printer, make it the default printer and try again.</source>
        <translation>Halaman tidak dapat dicetak karena belum ada printer yang dipasang. Silakan pasang printer, jadikan printer utama, lalu coba lagi.</translation>
    </message>
    <message>
        <source>The page could not be printed. Please check that the printer is switched on and ready, then try again.</source>
        <translation>Halaman tidak dapat dicetak. Silakan pastikan printer sudah menyala dan siap, lalu coba lagi.</translation>
    </message>
</context>
<context>
    <name>QtHandOver</name>
    <message>
        <source>there is no folder only you can use</source>
        <translation>tidak ada folder yang hanya dapat Anda gunakan</translation>
    </message>
    <message>
        <source>wetonara: later copies cannot hand files to this one: %1
</source>
        <translation>wetonara: salinan yang dijalankan kemudian tidak dapat menyerahkan berkas ke salinan ini: %1
</translation>
    </message>
</context>
<context>
    <name>ReportDocument</name>
    <message>
        <source>%1 %2, %3</source>
        <comment>date of birth: month name, day, year</comment>
        <translation>%2 %1 %3</translation>
    </message>
    <message>
        <source>Name: </source>
        <translation>Nama: </translation>
    </message>
    <message>
        <source>Date of Birth: </source>
        <translation>Tanggal Lahir: </translation>
    </message>
    <message>
        <source>Indonesian Day Sign: </source>
        <translation>Pasaran: </translation>
    </message>
    <message>
        <source>Indonesian Weekday: </source>
        <translation>Hari: </translation>
    </message>
    <message>
        <source>English Weekday: </source>
        <translation>Hari (Inggris): </translation>
    </message>
    <message>
        <source>Description: </source>
        <translation>Watak: </translation>
    </message>
    <message>
        <source>Report Generated By %1</source>
        <translation>Laporan dibuat oleh %1</translation>
    </message>
</context>
<context>
    <name>SaveTarget</name>
    <message>
        <source>a folder</source>
        <translation>sebuah folder</translation>
    </message>
    <message>
        <source>a named pipe (FIFO)</source>
        <translation>sebuah pipa bernama (FIFO)</translation>
    </message>
    <message>
        <source>a device</source>
        <translation>sebuah perangkat</translation>
    </message>
    <message>
        <source>a socket</source>
        <translation>sebuah soket</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>sesuatu yang bukan berkas biasa</translation>
    </message>
    <message>
        <source>The reading could not be saved as &quot;%1&quot;</source>
        <translation>Hasil weton tidak dapat disimpan sebagai &quot;%1&quot;</translation>
    </message>
    <message>
        <source> because that is %1, not a file. It was left as it was. Please choose another name.</source>
        <translation> karena yang ada di sana adalah %1, bukan berkas. Isinya dibiarkan seperti semula. Silakan pilih nama lain.</translation>
    </message>
    <message>
        <source> because that file is read-only. Please choose another name, or allow changes to the file, then try again.</source>
        <translation> karena berkas itu hanya dapat dibaca. Silakan pilih nama lain, atau izinkan perubahan pada berkas itu, lalu coba lagi.</translation>
    </message>
    <message>
        <source> because the folder &quot;%1&quot; cannot be written to. A file that is there stays as it was. Please choose another folder, then try again.</source>
        <translation> karena folder &quot;%1&quot; tidak dapat ditulisi. Berkas yang sudah ada di sana tetap seperti semula. Silakan pilih folder lain, lalu coba lagi.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; already exists.
Do you want to replace it?</source>
        <translation>&quot;%1&quot; sudah ada.
Apakah Anda ingin menggantinya?</translation>
    </message>
    <message>
        <source> because the folder &quot;%1&quot; does not exist. Please choose another folder, then try again.</source>
        <translation> karena folder &quot;%1&quot; tidak ada. Silakan pilih folder lain, lalu coba lagi.</translation>
    </message>
    <message>
        <source> (%1). Please check that the folder can be written to and that the disk is not full, then try again.</source>
        <translation> (%1). Silakan pastikan folder tersebut dapat ditulisi dan disk tidak penuh, lalu coba lagi.</translation>
    </message>
    <message>
        <source>The wetonan could not be saved for your calendar as &quot;%1&quot;</source>
        <translation>Wetonan untuk kalender Anda tidak dapat disimpan sebagai &quot;%1&quot;</translation>
    </message>
    <message>
        <source>a loop of symbolic links</source>
        <translation>tautan simbolik yang saling merujuk tanpa ujung</translation>
    </message>
    <message>
        <source> because the folder &quot;%1&quot; cannot be written to. Please choose another folder, then try again.</source>
        <translation> karena folder &quot;%1&quot; tidak dapat ditulisi. Silakan pilih folder lain, lalu coba lagi.</translation>
    </message>
    <message>
        <source> because the folder &quot;%1&quot; is on a read-only file system, where nothing can be changed. Please choose a folder on another drive, then try again.</source>
        <translation> karena folder &quot;%1&quot; berada pada sistem berkas yang hanya dapat dibaca, sehingga tidak ada yang dapat diubah di sana. Silakan pilih folder di drive lain, lalu coba lagi.</translation>
    </message>
</context>
<context>
    <name>StartApplication</name>
    <message>
        <source>Application is already running</source>
        <translation>Program ini sudah berjalan.</translation>
    </message>
</context>
<context>
    <name>UpdateReminder</name>
    <message>
        <source>There maybe an update to this software available<byte value="xd"/>Do you want to check for an update?</source>
        <translation>Mungkin sudah ada versi baru program ini.<byte value="xd"/>Apakah Anda ingin memeriksanya sekarang?</translation>
    </message>
</context>
<context>
    <name>WetonCli</name>
    <message>
        <source>no dates after %1 can be listed: %2 is the last date weton reckons</source>
        <translation>tidak ada tanggal setelah %1 yang dapat ditampilkan: %2 adalah tanggal terakhir yang dihitung weton</translation>
    </message>
    <message>
        <source>only %1 of the %2 dates asked for fall after %3 and up to %4, the last date weton reckons</source>
        <translation>hanya %1 dari %2 tanggal yang diminta jatuh antara %3 dan %4, tanggal terakhir yang dihitung weton</translation>
    </message>
    <message>
        <source>--name needs a name that is not blank</source>
        <translation>--name memerlukan nama yang tidak kosong</translation>
    </message>
    <message>
        <source>--name must not contain line breaks or other control characters</source>
        <translation>--name tidak boleh berisi pindah baris atau karakter kendali lain</translation>
    </message>
    <message>
        <source>--%1 is given more than once</source>
        <translation>--%1 diberikan lebih dari sekali</translation>
    </message>
    <message>
        <source>--tsv cannot be combined with --name, --next or --from</source>
        <translation>--tsv tidak dapat digabung dengan --name, --next, atau --from</translation>
    </message>
    <message>
        <source>--tsv takes no date; it reads dates from standard input</source>
        <translation>--tsv tidak menerima tanggal; tanggal dibaca dari masukan standar</translation>
    </message>
    <message>
        <source>--from is only used with --next</source>
        <translation>--from hanya dipakai bersama --next</translation>
    </message>
    <message>
        <source>--name is not used with --next</source>
        <translation>--name tidak dipakai bersama --next</translation>
    </message>
    <message>
        <source>missing date (YYYY-MM-DD); try &apos;weton --help&apos;</source>
        <translation>tanggal (YYYY-MM-DD) belum diberikan; coba &apos;weton --help&apos;</translation>
    </message>
    <message>
        <source>one date expected, but %1 arguments given: %2</source>
        <translation>seharusnya satu tanggal, tetapi ada %1 argumen: %2</translation>
    </message>
    <message>
        <source>weton: cannot write standard output: %1</source>
        <translation>weton: keluaran standar tidak dapat ditulis: %1</translation>
    </message>
    <message>
        <source>longer than %1 bytes, not a date</source>
        <translation>lebih panjang daripada %1 bita, bukan tanggal</translation>
    </message>
    <message>
        <source>weton: cannot read standard input: %1</source>
        <translation>weton: masukan standar tidak dapat dibaca: %1</translation>
    </message>
    <message>
        <source>First: %1</source>
        <translation>Pertama: %1</translation>
    </message>
    <message>
        <source>Second: %1</source>
        <translation>Kedua: %1</translation>
    </message>
    <message>
        <source>Match: %1</source>
        <translation>Kecocokan: %1</translation>
    </message>
    <message>
        <source>weton: line %1: %2
</source>
        <translation>weton: baris %1: %2
</translation>
    </message>
    <message>
        <source>weton: %1 lines were not dates; only the first %2 are listed above
</source>
        <translation>weton: %1 baris bukan tanggal; hanya %2 baris pertama yang ditampilkan di atas
</translation>
    </message>
    <message>
        <source>from 1 to %1</source>
        <translation>dari 1 sampai %1</translation>
    </message>
    <message>
        <source>--next needs a whole number %1, not %2</source>
        <translation>--next memerlukan bilangan bulat %1, bukan %2</translation>
    </message>
    <message>
        <source>--next %1 is out of range: the count must be %2</source>
        <translation>--next %1 di luar rentang: jumlahnya harus %2</translation>
    </message>
    <message>
        <source>%1 cannot be combined with --name or --from</source>
        <translation>%1 tidak dapat digabung dengan --name atau --from</translation>
    </message>
    <message>
        <source>--match needs two dates (YYYY-MM-DD), but %1 given</source>
        <translation>--match memerlukan dua tanggal (YYYY-MM-DD), tetapi yang diberikan %1 tanggal</translation>
    </message>
    <message>
        <source>unknown option %1; try &apos;weton --help&apos;</source>
        <translation>opsi %1 tidak dikenal; coba &apos;weton --help&apos;</translation>
    </message>
    <message>
        <source> Try &apos;weton --help&apos;.</source>
        <translation>; coba &apos;weton --help&apos;</translation>
    </message>
    <message>
        <source>--tsv, --json, --match, --next and --ics are separate modes; give one</source>
        <translation>--tsv, --json, --match, --next, dan --ics adalah mode yang terpisah; pilih salah satu saja</translation>
    </message>
    <message>
        <source>--ics needs a date of birth (YYYY-MM-DD); try &apos;weton --help&apos;</source>
        <translation>--ics memerlukan tanggal lahir (YYYY-MM-DD); coba &apos;weton --help&apos;</translation>
    </message>
    <message>
        <source>--reminder is only used with --ics</source>
        <translation>--reminder hanya dipakai bersama --ics</translation>
    </message>
    <message>
        <source>--after-sunset is not used with --tsv; use --json instead</source>
        <translation>--after-sunset tidak dipakai bersama --tsv; pakailah --json</translation>
    </message>
    <message>
        <source>%1 after sunset</source>
        <comment>a date</comment>
        <translation>%1 setelah matahari terbenam</translation>
    </message>
    <message>
        <source>--after-sunset stands before the date it is for, but no date follows the last one</source>
        <translation>--after-sunset ditulis sebelum tanggal yang dimaksud, tetapi tidak ada tanggal sesudah yang terakhir</translation>
    </message>
    <message>
        <source>Usage: weton [--name NAME] [--after-sunset] DATE
       weton --tsv
       weton --next N [--from START] [--after-sunset] DATE
       weton --match [--after-sunset] DATE [--after-sunset] DATE
       weton --json [--after-sunset] [DATE...]
       weton --ics [--name NAME] [--after-sunset] [--reminder] DATE

Tells the Javanese birth-day sign (weton) of a date from 1901-01-01 to
2036-12-31. Every date is written YYYY-MM-DD.

  DATE           print the reading of DATE: day sign, weekdays and
                 description, then its neptu, wuku, Javanese date, Hijri
                 date (arithmetical calendar) and pranata mangsa season
  --name NAME    head the reading, or the --ics event, with NAME
  --after-sunset born after sunset, when the Javanese day had already
                 turned: the weton and the facts are the next day&apos;s; with
                 --match and --json it is for the DATE that follows it,
                 with --json alone for every date read
  --tsv          read dates from standard input, one per line, and write for
                 each DATE, market day, Indonesian weekday, English weekday
                 and description, separated by tabs, as the same English
                 data in every language; lines that are not dates are
                 reported on standard error and skipped
  --next N       list the next N dates after today that share DATE&apos;s weton
                 (it returns every 35 days), up to 2036-12-31
  --from START   with --next, list the dates after START instead of today
  --match        print the wetons of two dates, the sum of their neptu and
                 the match that the remainder of the sum divided by 9 gives
  --json         write every fact of each DATE as one JSON object per line;
                 with no DATE, read dates from standard input as --tsv does
  --ics          write DATE&apos;s wetonan, the day its weton comes back every
                 35 days, to standard output as an iCalendar file for a
                 calendar program: weton --ics DATE &gt; wetonan.ics
  --reminder     with --ics, remind at 6 pm on the evening before each one
  -h, --help     show this help
  -v, --version  show the version

Exit status: 0 done; 1 some input lines were not dates, fewer dates than
asked for exist, or the output could not be written; 2 bad arguments.
</source>
        <translation>Penggunaan: weton [--name NAMA] [--after-sunset] TANGGAL
            weton --tsv
            weton --next N [--from AWAL] [--after-sunset] TANGGAL
            weton --match [--after-sunset] TANGGAL [--after-sunset] TANGGAL
            weton --json [--after-sunset] [TANGGAL...]
            weton --ics [--name NAMA] [--after-sunset] [--reminder] TANGGAL

Menampilkan weton (hari lahir menurut penanggalan Jawa) untuk tanggal antara
1901-01-01 dan 2036-12-31. Setiap tanggal ditulis sebagai YYYY-MM-DD.

  TANGGAL         tampilkan weton TANGGAL: pasaran, hari, dan watak, lalu
                  neptu, wuku, tanggal Jawa, tanggal Hijriah (kalender hisab
                  urfi), dan mangsanya dalam pranata mangsa
  --name NAMA     awali hasilnya, atau acara --ics, dengan NAMA
  --after-sunset  lahir setelah matahari terbenam, ketika hari Jawa sudah
                  berganti: weton dan keterangannya milik hari berikutnya;
                  pada --match dan --json berlaku untuk TANGGAL sesudahnya,
                  pada --json tanpa TANGGAL untuk setiap tanggal yang dibaca
  --tsv           baca tanggal dari masukan standar, satu per baris, lalu
                  tulis untuk setiap tanggal: TANGGAL, pasaran, hari dalam
                  bahasa Indonesia, hari dalam bahasa Inggris, dan watak,
                  dipisah tab; keluaran ini selalu data berbahasa Inggris
                  yang sama, apa pun bahasa antarmukanya; baris yang bukan
                  tanggal dilaporkan di galat standar dan dilewati
  --next N        tampilkan N tanggal berikutnya setelah hari ini yang
                  wetonnya sama dengan TANGGAL (berulang setiap 35 hari),
                  paling akhir 2036-12-31
  --from AWAL     dengan --next, tampilkan tanggal setelah AWAL, bukan
                  setelah hari ini
  --match         tampilkan weton dua tanggal, jumlah neptu keduanya, dan
                  kecocokannya menurut hitungan sembilan: sisa jumlah itu
                  bila dibagi 9
  --json          tulis semua keterangan setiap TANGGAL sebagai satu objek
                  JSON per baris; tanpa TANGGAL, tanggal dibaca dari masukan
                  standar seperti pada --tsv
  --ics           tulis wetonan TANGGAL, hari wetonnya kembali setiap 35 hari,
                  ke keluaran standar sebagai berkas iCalendar untuk program
                  kalender: weton --ics TANGGAL &gt; wetonan.ics
  --reminder      dengan --ics, beri pengingat pukul 18.00 pada petang
                  sebelum setiap wetonan
  -h, --help      tampilkan bantuan ini
  -v, --version   tampilkan versi

Status keluar: 0 berhasil; 1 ada baris masukan yang bukan tanggal, tanggal
yang ada lebih sedikit daripada yang diminta, atau keluaran tidak dapat
ditulis; 2 argumen salah.
</translation>
    </message>
</context>
<context>
    <name>WetonCli::StandardStream</name>
    <message>
        <source>it is closed</source>
        <translation>salurannya tertutup</translation>
    </message>
</context>
<context>
    <name>WetonMatch</name>
    <message>
        <source>Neptu %1 + %2 = %3; %3 divided by %4 leaves %5: %6</source>
        <translation>Neptu %1 + %2 = %3; %3 dibagi %4 bersisa %5: %6</translation>
    </message>
</context>
<context>
    <name>WetonanEvent</name>
    <message>
        <source>The weton %1 comes back on this day.</source>
        <translation>Weton %1 kembali pada hari ini.</translation>
    </message>
    <message>
        <source>The weton of %1&apos;s birth, %2, comes back on this day.</source>
        <comment>name, weton</comment>
        <translation>Weton kelahiran %1, %2, kembali pada hari ini.</translation>
    </message>
    <message>
        <source>Born %1, after sunset.</source>
        <comment>date</comment>
        <translation>Lahir %1, setelah matahari terbenam.</translation>
    </message>
    <message>
        <source>Born %1.</source>
        <comment>date</comment>
        <translation>Lahir %1.</translation>
    </message>
    <message>
        <source>It returns every 35 days, when the seven-day week and the five-day market week meet again, and many Javanese families keep the day, the wetonan, with prayers or a small meal (slametan).</source>
        <translation>Weton kembali setiap 35 hari, ketika pekan tujuh hari dan pekan pasaran lima hari bertemu lagi, dan banyak keluarga Jawa memperingati hari itu, wetonan, dengan doa atau selamatan kecil.</translation>
    </message>
    <message>
        <source>The Javanese day begins at sunset, so the wetonan begins on the evening before.</source>
        <translation>Hari Jawa dimulai saat matahari terbenam, jadi wetonan sudah dimulai pada petang sebelumnya.</translation>
    </message>
    <message>
        <source>Wetonan: %1</source>
        <comment>weton</comment>
        <translation>Wetonan: %1</translation>
    </message>
    <message>
        <source>Wetonan of %1: %2</source>
        <comment>name, weton</comment>
        <translation>Wetonan %1: %2</translation>
    </message>
    <message>
        <source>%1, from sunset this evening</source>
        <comment>the event&apos;s title</comment>
        <translation>%1, mulai matahari terbenam petang ini</translation>
    </message>
</context>
<context>
    <name>WetonanExport</name>
    <message>
        <source>Export &amp;Wetonan...</source>
        <translation>Ekspor &amp;Wetonan...</translation>
    </message>
    <message>
        <source>Export Wetonan</source>
        <translation>Ekspor Wetonan</translation>
    </message>
    <message>
        <source>Add a reminder on the evening before each wetonan?</source>
        <translation>Tambahkan pengingat pukul 18.00 pada petang sebelum setiap wetonan?</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>Click here to visit %1</source>
        <translation>Klik di sini untuk mengunjungi %1</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website.</source>
        <translation>Peluang usaha rumahan: buka bisnis Internet sendiri dan raih penghasilan secara daring. Pasang merek situs Anda pada program ini.</translation>
    </message>
    <message>
        <source>Click here for more details</source>
        <translation>Klik di sini untuk rinciannya</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>frmJavaneseAstrology</name>
    <message>
        <source>Indonesian Day Sign:</source>
        <translation>Pasaran:</translation>
    </message>
    <message>
        <source>Indonesian Weekday:</source>
        <translation>Hari:</translation>
    </message>
    <message>
        <source>English Weekday</source>
        <translation>Hari (Inggris):</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Simpan</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Kembali</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Berkas</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>Ke&amp;luar</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Watak</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Welcome to Wetonara. Wetonara is one of the best and most comprehensive online astrological resource for those interested in exploring the astrological culture and the zodiacs of the Indonesian civilization. </source>
        <translation>Selamat datang di Wetonara. Wetonara adalah salah satu sumber daring terbaik dan terlengkap bagi Anda yang ingin menjelajahi primbon dan perhitungan weton dalam budaya Indonesia.</translation>
    </message>
    <message>
        <source>Just input your name and date of birth and generate your Javanese / Indonesian astrological reading!</source>
        <translation>Cukup masukkan nama dan tanggal lahir, lalu temukan weton Anda beserta wataknya menurut primbon Jawa!</translation>
    </message>
    <message>
        <source>&amp;Open Previously Saved Reading</source>
        <translation>B&amp;uka Weton yang Pernah Disimpan</translation>
    </message>
    <message>
        <source>Personal Details</source>
        <translation>Data Diri</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nama</translation>
    </message>
    <message>
        <source>Date of Birth</source>
        <translation>Tanggal Lahir</translation>
    </message>
    <message>
        <source>Find My &amp;Indonesian Birthday (Weton)</source>
        <translation>Temukan &amp;Weton Saya</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Berkas</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>Ke&amp;luar</translation>
    </message>
    <message>
        <source>Please Enter Your Name</source>
        <translation>Silakan masukkan nama Anda.</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month!</source>
        <translation>Silakan masukkan tanggal atau bulan yang benar!</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month !</source>
        <translation>Silakan masukkan tanggal atau bulan yang benar!</translation>
    </message>
    <message>
        <source>Select the source file</source>
        <translation>Pilih berkas weton</translation>
    </message>
    <message>
        <source>Please Check The File.</source>
        <translation>Berkas yang dibuka bukan berkas weton (.jav) yang utuh, atau tidak dapat dibaca. Silakan periksa berkas itu.</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Bulan</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Tanggal</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Tahun</translation>
    </message>
    <message>
        <source>Born after &amp;sunset</source>
        <translation>Lahir Setelah &amp;Matahari Terbenam</translation>
    </message>
</context>
<context>
    <name>frmNagScreen2</name>
    <message>
        <source>Tarvex Softwares, such as this can be created and maintained only with your support. The best way to support Nolvane is to visit Nolvane regularly and take part in the discussions and other activities on the board.</source>
        <translation>Program Tarvex Softwares seperti ini hanya dapat dibuat dan dipelihara berkat dukungan Anda. Cara terbaik untuk mendukung Nolvane adalah rajin berkunjung ke Nolvane dan ikut serta dalam diskusi serta kegiatan lain di forum.</translation>
    </message>
    <message>
        <source>Visit Nolvane regularly. Support Nolvane by taking part in the discussions and other activities. These softwares cannot be supported and maintained, without you regularly visiting Nolvane</source>
        <translation>Kunjungi Nolvane secara rutin. Dukung Nolvane dengan ikut serta dalam diskusi dan kegiatan lainnya. Program Tarvex Softwares tidak dapat didukung dan dipelihara tanpa kunjungan rutin Anda ke Nolvane.</translation>
    </message>
    <message>
        <source>Nolvane is a FREE online discussion forum for all things tarvex. To help Nolvane develop and maintain this software visit Nolvane regularly.</source>
        <translation>Nolvane adalah forum diskusi daring GRATIS tentang segala hal seputar tarvex. Bantu Nolvane mengembangkan dan memelihara program ini dengan rutin mengunjungi Nolvane.</translation>
    </message>
    <message>
        <source>Nolvane needs your help. All you need to do is visit Nolvane regularly and take part in the various discussions and activites to help us maintain and develop more Tarvex Softwares.</source>
        <translation>Nolvane membutuhkan bantuan Anda. Cukup kunjungi Nolvane secara rutin dan ikut serta dalam berbagai diskusi dan kegiatan agar kami dapat memelihara dan mengembangkan lebih banyak program Tarvex Softwares.</translation>
    </message>
    <message>
        <source>Click Here To Visit Nolvane Now</source>
        <translation>Klik di sini untuk mengunjungi Nolvane</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>Ke&amp;luar</translation>
    </message>
    <message>
        <source>Refer A Friend</source>
        <translation>Rekomendasikan kepada Teman</translation>
    </message>
    <message>
        <source>Refer A Friend &amp;Now</source>
        <translation>Rekomendasikan &amp;Sekarang</translation>
    </message>
    <message>
        <source>Download Tarvex Softwares</source>
        <translation>Unduh Tarvex Softwares</translation>
    </message>
    <message>
        <source>Click Here To Visit Tarvex Softwares</source>
        <translation>Kunjungi Tarvex Softwares</translation>
    </message>
    <message>
        <source>Email Address Cannot Contain Space</source>
        <translation>Alamat email tidak boleh berisi spasi.</translation>
    </message>
</context>
<context>
    <name>frmSave</name>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Simpan</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Cetak</translation>
    </message>
    <message>
        <source>The reading cannot be saved: none of the characters of the name can be kept in a saved reading.</source>
        <translation>Hasil weton tidak dapat disimpan: tidak satu pun karakter nama ini dapat disimpan dalam berkas weton.</translation>
    </message>
    <message>
        <source>These characters of the name cannot be kept in a saved reading and will be left out of the file: %1

Save the reading without them?</source>
        <translation>Karakter nama berikut tidak dapat disimpan dalam berkas weton dan akan dihilangkan dari berkas: %1

Simpan hasil weton tanpa karakter tersebut?</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>wetonara: no display is available to show its windows; for readings on the command line use the weton tool (weton --help)
</source>
        <translation>wetonara: tidak ada layar untuk menampilkan jendelanya; untuk menghitung weton di baris perintah, gunakan alat weton (weton --help)
</translation>
    </message>
    <message>
        <source>wetonara: only %1 files may be open at once, and its windows need %2; raise the limit (ulimit -n)
</source>
        <translation>wetonara: hanya %1 berkas yang boleh terbuka sekaligus, padahal jendelanya memerlukan %2; naikkan batasnya (ulimit -n)
</translation>
    </message>
</context>
<context>
    <name>modTellAFriend</name>
    <message>
        <source>Your Name</source>
        <translation>Nama Anda</translation>
    </message>
    <message>
        <source>Your Email Address</source>
        <translation>Alamat Email Anda</translation>
    </message>
    <message>
        <source>Your Message</source>
        <translation>Pesan Anda</translation>
    </message>
    <message>
        <source>Friend&apos;s Name</source>
        <translation>Nama Teman</translation>
    </message>
    <message>
        <source>Friend&apos;s Email Address</source>
        <translation>Alamat Email Teman</translation>
    </message>
    <message>
        <source>Please Enter Distinct Email Addresses</source>
        <translation>Silakan masukkan dua alamat email yang berbeda.</translation>
    </message>
    <message>
        <source>Please Enter Proper Email Address</source>
        <translation>Silakan masukkan alamat email yang benar.</translation>
    </message>
    <message>
        <source>Please Enter Your Name</source>
        <translation>Silakan masukkan nama Anda.</translation>
    </message>
    <message>
        <source>Please Enter Your Message</source>
        <translation>Silakan masukkan pesan Anda.</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Name</source>
        <translation>Silakan masukkan nama teman Anda.</translation>
    </message>
    <message>
        <source>Please Enter A Shorter Message (At Most %1 Characters)</source>
        <translation>Silakan masukkan pesan yang lebih pendek (paling banyak %1 karakter).</translation>
    </message>
</context>
</TS>
