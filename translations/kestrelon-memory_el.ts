<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="el">
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Unknown option &apos;%1&apos;.</source>
        <translation>Άγνωστη επιλογή «%1».</translation>
    </message>
    <message>
        <source>Unknown options: %1.</source>
        <translation>Άγνωστες επιλογές: %1.</translation>
    </message>
    <message>
        <source>Missing value after &apos;%1&apos;.</source>
        <translation>Λείπει τιμή μετά από «%1».</translation>
    </message>
    <message>
        <source>Unexpected value after &apos;%1&apos;.</source>
        <translation>Απρόσμενη τιμή μετά από «%1».</translation>
    </message>
    <message>
        <source>Usage: %1</source>
        <translation>Χρήση: %1</translation>
    </message>
    <message>
        <source>[options]</source>
        <translation>[επιλογές]</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Επιλογές:</translation>
    </message>
</context>
<context>
    <name>QLineEdit</name>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Αναίρεση</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Επανάληψη</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>Αποκο&amp;πή</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>Α&amp;ντιγραφή</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>Επι&amp;κόλληση</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Διαγραφή</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Επιλογή όλων</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>TForm1</name>
    <message>
        <source>Pairs found</source>
        <translation>Ζευγάρια που βρέθηκαν</translation>
    </message>
    <message>
        <source>Designer picture</source>
        <translation>Εικόνα του σχεδιαστή</translation>
    </message>
    <message>
        <source>Sixteen pairs found</source>
        <translation>Βρέθηκαν δεκαέξι ζευγάρια</translation>
    </message>
    <message>
        <source>All pairs found</source>
        <translation>Βρέθηκαν όλα τα ζευγάρια</translation>
    </message>
    <message>
        <source>Game over</source>
        <translation>Τέλος παιχνιδιού</translation>
    </message>
    <message>
        <source>Start time and ranked list</source>
        <translation>Ώρα έναρξης και ταξινομημένος πίνακας ρεκόρ</translation>
    </message>
    <message>
        <source>Free memory</source>
        <translation>Ελεύθερη μνήμη</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Έκδοση</translation>
    </message>
    <message>
        <source>Processors</source>
        <translation>Επεξεργαστές</translation>
    </message>
    <message>
        <source>Ranking by (T time, C clicks)</source>
        <translation>Ταξινόμηση (Χ: χρόνος, Κ: κλικ)</translation>
    </message>
    <message>
        <source>Game number</source>
        <translation>Αριθμός παιχνιδιού</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Αποτέλεσμα</translation>
    </message>
    <message>
        <source>Prompt</source>
        <translation>Υπόδειξη</translation>
    </message>
    <message>
        <source>your name</source>
        <translation>Το όνομά σου</translation>
    </message>
    <message>
        <source>Player name</source>
        <translation>Όνομα παίκτη</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>High scores</source>
        <translation>Πίνακας ρεκόρ</translation>
    </message>
    <message>
        <source>&amp;start</source>
        <translation>Έ&amp;ναρξη</translation>
    </message>
    <message>
        <source>&amp;end</source>
        <translation>&amp;Τέλος</translation>
    </message>
    <message>
        <source>&amp;Instructions</source>
        <translation>&amp;Οδηγίες</translation>
    </message>
    <message>
        <source>&amp;Version</source>
        <translation>Έ&amp;κδοση</translation>
    </message>
    <message>
        <source>&amp;Designer</source>
        <translation>&amp;Σχεδιαστής</translation>
    </message>
    <message>
        <source>&amp;New list</source>
        <translation>&amp;Νέος πίνακας ρεκόρ</translation>
    </message>
    <message>
        <source>Sound o&amp;n</source>
        <translation>&amp;Ενεργοποίηση ήχου</translation>
    </message>
    <message>
        <source>Sound o&amp;ff</source>
        <translation>&amp;Απενεργοποίηση ήχου</translation>
    </message>
    <message>
        <source>&amp;Publisher&apos;s web site</source>
        <translation>&amp;Ιστότοπος του εκδότη</translation>
    </message>
    <message>
        <source>&amp;Mail to the publisher</source>
        <translation>&amp;Μήνυμα στον εκδότη</translation>
    </message>
    <message>
        <source>&amp;Show high scores</source>
        <translation>&amp;Εμφάνιση πίνακα ρεκόρ</translation>
    </message>
    <message>
        <source>&amp;Hide high scores</source>
        <translation>&amp;Απόκρυψη πίνακα ρεκόρ</translation>
    </message>
    <message>
        <source>&amp;Free memory and processors</source>
        <translation>&amp;Ελεύθερη μνήμη και επεξεργαστές</translation>
    </message>
    <message>
        <source>Sort on &amp;time</source>
        <translation>Ταξινόμηση κατά &amp;χρόνο</translation>
    </message>
    <message>
        <source>Sort on &amp;clicks</source>
        <translation>Ταξινόμηση κατά &amp;κλικ</translation>
    </message>
    <message>
        <source>D&amp;onation</source>
        <translation>&amp;Δωρεά</translation>
    </message>
    <message>
        <source>&amp;Highscores</source>
        <translation>&amp;Πίνακας ρεκόρ</translation>
    </message>
    <message>
        <source>He&amp;lp</source>
        <translation>&amp;Βοήθεια</translation>
    </message>
    <message>
        <source>Waiting for another game in this folder to finish with %1 ...</source>
        <translation>Αναμονή μέχρι να τελειώσει με το %1 ένα άλλο παιχνίδι σε αυτόν τον φάκελο…</translation>
    </message>
    <message>
        <source>The game cannot write into its folder %1 (%2), so it counts no game in nog.txt and keeps no result in highscore.txt there; it shows the list as it is.</source>
        <translation>Το παιχνίδι δεν μπορεί να γράψει στον φάκελό του %1 (%2), οπότε δεν μετράει κανένα παιχνίδι στο nog.txt και δεν κρατά κανένα αποτέλεσμα στο highscore.txt εκεί· δείχνει τον πίνακα ρεκόρ όπως είναι.</translation>
    </message>
    <message>
        <source>The game cannot use its folder: %1. It shows its built-in pictures and writes nothing, so no result of this run is kept.</source>
        <translation>Το παιχνίδι δεν μπορεί να χρησιμοποιήσει τον φάκελό του: %1. Δείχνει τις ενσωματωμένες εικόνες του και δεν αποθηκεύει τίποτα, οπότε αυτή τη φορά δεν θα κρατηθεί κανένα αποτέλεσμα.</translation>
    </message>
    <message>
        <source>The pictures could not be written into %1, so the game shows its built-in copies.
%2</source>
        <translation>Δεν ήταν δυνατή η εγγραφή των εικόνων στο %1, γι’ αυτό το παιχνίδι δείχνει τις ενσωματωμένες εικόνες του.
%2</translation>
    </message>
    <message>
        <source>Card row %1 column %2: face down</source>
        <translation>Κάρτα στη σειρά %1, στήλη %2: κλειστή</translation>
    </message>
    <message>
        <source>face down</source>
        <translation>κλειστή</translation>
    </message>
    <message>
        <source>Card row %1 column %2: %3, turned</source>
        <translation>Κάρτα στη σειρά %1, στήλη %2, ανοιχτή: %3</translation>
    </message>
    <message>
        <source>%1, turned</source>
        <translation>ανοιχτή: %1</translation>
    </message>
    <message>
        <source>Card row %1 column %2: %3, found</source>
        <translation>Κάρτα στη σειρά %1, στήλη %2, το ζευγάρι βρέθηκε: %3</translation>
    </message>
    <message>
        <source>%1, found</source>
        <translation>το ζευγάρι βρέθηκε: %1</translation>
    </message>
    <message>
        <source>%1. The result was not saved.</source>
        <translation>%1. Το αποτέλεσμα δεν αποθηκεύτηκε.</translation>
    </message>
</context>
<context>
    <name>assets</name>
    <message>
        <source>The picture %1 is missing from the program.</source>
        <translation>Η εικόνα %1 λείπει από το πρόγραμμα.</translation>
    </message>
    <message>
        <source>The sound %1 is missing from the program.</source>
        <translation>Ο ήχος %1 λείπει από το πρόγραμμα.</translation>
    </message>
    <message>
        <source>Could not write %1: %2</source>
        <translation>Δεν ήταν δυνατή η εγγραφή του %1: %2</translation>
    </message>
    <message>
        <source>it is not a readable BMP picture</source>
        <translation>δεν είναι αναγνώσιμη εικόνα BMP</translation>
    </message>
    <message>
        <source>the file does not exist</source>
        <translation>το αρχείο δεν υπάρχει</translation>
    </message>
    <message>
        <source>Could not load the picture %1: %2.</source>
        <translation>Δεν ήταν δυνατή η φόρτωση της εικόνας %1: %2.</translation>
    </message>
    <message>
        <source>red circle</source>
        <translation>κόκκινος κύκλος</translation>
    </message>
    <message>
        <source>blue square</source>
        <translation>μπλε τετράγωνο</translation>
    </message>
    <message>
        <source>green triangle</source>
        <translation>πράσινο τρίγωνο</translation>
    </message>
    <message>
        <source>yellow star</source>
        <translation>κίτρινο αστέρι</translation>
    </message>
    <message>
        <source>pink heart</source>
        <translation>ροζ καρδιά</translation>
    </message>
    <message>
        <source>teal diamond</source>
        <translation>γαλαζοπράσινος ρόμβος</translation>
    </message>
    <message>
        <source>navy moon</source>
        <translation>σκούρο μπλε φεγγάρι</translation>
    </message>
    <message>
        <source>orange sun</source>
        <translation>πορτοκαλί ήλιος</translation>
    </message>
    <message>
        <source>purple cross</source>
        <translation>μοβ σταυρός</translation>
    </message>
    <message>
        <source>black arrow</source>
        <translation>μαύρο βέλος</translation>
    </message>
    <message>
        <source>olive hexagon</source>
        <translation>λαδί εξάγωνο</translation>
    </message>
    <message>
        <source>sky blue drop</source>
        <translation>γαλάζια σταγόνα</translation>
    </message>
    <message>
        <source>lime leaf</source>
        <translation>ανοιχτοπράσινο φύλλο</translation>
    </message>
    <message>
        <source>maroon bell</source>
        <translation>βυσσινί καμπάνα</translation>
    </message>
    <message>
        <source>grey anchor</source>
        <translation>γκρι άγκυρα</translation>
    </message>
    <message>
        <source>brown key</source>
        <translation>καφέ κλειδί</translation>
    </message>
    <message>
        <source>magenta lightning bolt</source>
        <translation>φούξια κεραυνός</translation>
    </message>
    <message>
        <source>violet flower</source>
        <translation>λιλά λουλούδι</translation>
    </message>
    <message>
        <source>The picture %1 is damaged in the program.</source>
        <translation>Η εικόνα %1 μέσα στο πρόγραμμα είναι κατεστραμμένη.</translation>
    </message>
    <message>
        <source>The sound %1 is damaged.</source>
        <translation>Ο ήχος %1 είναι κατεστραμμένος.</translation>
    </message>
</context>
<context>
    <name>cli</name>
    <message>
        <source>A memory card game: find the eighteen pairs among thirty-six cards.
The game keeps its pictures, high-score list and game counter
in the folder it is started in.</source>
        <translation>Παιχνίδι μνήμης με κάρτες: βρες τα δεκαοκτώ ζευγάρια ανάμεσα σε τριάντα έξι κάρτες.
Το παιχνίδι κρατά τις εικόνες του, τον πίνακα ρεκόρ και τον μετρητή παιχνιδιών
στον φάκελο από τον οποίο ξεκινά.</translation>
    </message>
    <message>
        <source>Print these options and exit.</source>
        <translation>Εμφανίζει αυτές τις επιλογές και τερματίζει.</translation>
    </message>
    <message>
        <source>Print the name and version and exit.</source>
        <translation>Εμφανίζει το όνομα και την έκδοση και τερματίζει.</translation>
    </message>
    <message>
        <source>Speak the language CODE, one of: %1. Without this option the game speaks the desktop&apos;s language, or English.</source>
        <translation>Ορίζει τη γλώσσα CODE, που μπορεί να είναι: %1. Χωρίς αυτή την επιλογή το παιχνίδι μιλά τη γλώσσα του συστήματος ή αλλιώς αγγλικά.</translation>
    </message>
    <message>
        <source>%1: %2
Try &apos;%1 --help&apos; for the options.
</source>
        <translation>%1: %2
Δοκίμασε «%1 --help» για να δεις τις επιλογές.
</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;; the game takes none but its options.</source>
        <translation>απρόσμενο όρισμα «%1»· το παιχνίδι δέχεται μόνο τις δικές του επιλογές.</translation>
    </message>
</context>
<context>
    <name>game</name>
    <message>
        <source>C</source>
        <comment>ranking mark: by clicks</comment>
        <translation>Κ</translation>
    </message>
    <message>
        <source>T</source>
        <comment>ranking mark: by time</comment>
        <translation>Χ</translation>
    </message>
</context>
<context>
    <name>info</name>
    <message>
        <source>Please carry on as follows:
1. At first enter your name on the bottom line,
   then click OK!
2. Click on the icons and try to find pairs.
3. Switch the sound on or off, as you please.
4. When you have found all the pairs,
   the highscores will be displayed.
5. If you want to resume, click &quot;start&quot;,
   otherwise terminate and click &quot;end&quot;.
6. Highscores can be sorted on time or clicks.
   Near the top right corner you see T(time) or C(clicks).
   Have much fun.</source>
        <translation>Κάνε τα εξής:
1. Πρώτα γράψε το όνομά σου στην κάτω γραμμή
   και μετά κάνε κλικ στο OK!
2. Κάνε κλικ στις κάρτες και βρες τα ζευγάρια.
3. Διάλεξε «Ενεργοποίηση ήχου» ή «Απενεργοποίηση ήχου», όπως θέλεις.
4. Όταν βρεις όλα τα ζευγάρια,
   θα εμφανιστεί ο πίνακας ρεκόρ.
5. Για νέο παιχνίδι κάνε κλικ στην «Έναρξη»,
   αλλιώς, για να σταματήσεις, κάνε κλικ στο «Τέλος».
6. Μπορείς να ταξινομήσεις τον πίνακα ρεκόρ κατά χρόνο ή κατά κλικ.
   Πάνω δεξιά βλέπεις Χ (χρόνος) ή Κ (κλικ).
   Καλή διασκέδαση!</translation>
    </message>
    <message>
        <source>Version 1.0 2019</source>
        <translation>Έκδοση 1.0 2019</translation>
    </message>
    <message>
        <source>Kontakt: </source>
        <translation>Επικοινωνία: </translation>
    </message>
    <message>
        <source>D o n a t i o n</source>
        <translation>Δ ω ρ ε ά</translation>
    </message>
    <message>
        <source>Dear appreciated customer,
         if you like this game, 
         you may wish to support
         %1
         in order to enable the development of more free
         computer- and mobile games.
         Please contribute to 
         %2.
         Have much pleasure.</source>
        <translation>Αγαπητή παίκτρια, αγαπητέ παίκτη,
         αν σου αρέσει αυτό το παιχνίδι,
         μπορείς να στηρίξεις
         %1
         ώστε να φτιαχτούν κι άλλα δωρεάν
         παιχνίδια για υπολογιστή και κινητό.
         Μπορείς να κάνεις δωρεά στον λογαριασμό
         %2.
         Καλή διασκέδαση!</translation>
    </message>
    <message>
        <source>number of processors: %1</source>
        <translation>Αριθμός επεξεργαστών: %1</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <translation>%1 MB</translation>
    </message>
    <message>
        <source>free memory:</source>
        <translation>Ελεύθερη μνήμη:</translation>
    </message>
    <message>
        <source>First enter your name below, then click OK!</source>
        <translation>Πρώτα γράψε το όνομά σου εδώ κάτω και μετά κάνε κλικ στο OK!</translation>
    </message>
    <message>
        <source>Please enter your name below, thn click OK!</source>
        <translation>Γράψε το όνομά σου εδώ κάτω και μετά κάνε κλικ στο OK!</translation>
    </message>
    <message>
        <source>Now please click on the icons and find pairs!</source>
        <translation>Τώρα κάνε κλικ στις κάρτες και βρες τα ζευγάρια!</translation>
    </message>
    <message>
        <source>en</source>
        <comment>the code of this translation&apos;s language: de, fr, ...</comment>
        <translation>el</translation>
    </message>
    <message>
        <source>start : %1</source>
        <translation>Έναρξη: %1</translation>
    </message>
</context>
<context>
    <name>safefile</name>
    <message>
        <source>another game is using it, please try again</source>
        <translation>το χρησιμοποιεί ένα άλλο παιχνίδι, δοκίμασε ξανά</translation>
    </message>
    <message>
        <source>no permission to open its lock file %1</source>
        <translation>δεν υπάρχει άδεια για το άνοιγμα του αρχείου κλειδώματος %1</translation>
    </message>
    <message>
        <source>its lock file %1 was removed or replaced while the game held it, so another game may be writing it</source>
        <translation>το αρχείο κλειδώματος %1 αφαιρέθηκε ή αντικαταστάθηκε όσο το κρατούσε το παιχνίδι, οπότε ίσως γράφει στο αρχείο ένα άλλο παιχνίδι</translation>
    </message>
    <message>
        <source>its lock file %1 is not used: %2</source>
        <translation>το αρχείο κλειδώματος %1 δεν μπορεί να χρησιμοποιηθεί: %2</translation>
    </message>
    <message>
        <source>the lock file %1 cannot be created (%2)</source>
        <translation>το αρχείο κλειδώματος %1 δεν μπορεί να δημιουργηθεί (%2)</translation>
    </message>
    <message>
        <source>a folder is in its place</source>
        <translation>στη θέση του υπάρχει ένας φάκελος</translation>
    </message>
    <message>
        <source>a FIFO (named pipe) is in its place</source>
        <translation>στη θέση του υπάρχει ένα FIFO (επώνυμη διοχέτευση)</translation>
    </message>
    <message>
        <source>a socket is in its place</source>
        <translation>στη θέση του υπάρχει μια υποδοχή (socket)</translation>
    </message>
    <message>
        <source>a device is in its place</source>
        <translation>στη θέση του υπάρχει ένα αρχείο συσκευής</translation>
    </message>
    <message>
        <source>something other than a file is in its place</source>
        <translation>στη θέση του υπάρχει κάτι που δεν είναι αρχείο</translation>
    </message>
    <message>
        <source>it is a link to %1, and the game follows no links</source>
        <translation>είναι σύνδεσμος προς το %1 και το παιχνίδι δεν ακολουθεί συνδέσμους</translation>
    </message>
    <message>
        <source>Could not read %1: %2</source>
        <translation>Δεν ήταν δυνατή η ανάγνωση του %1: %2</translation>
    </message>
    <message>
        <source>Could not write %1: %2</source>
        <translation>Δεν ήταν δυνατή η εγγραφή του %1: %2</translation>
    </message>
    <message>
        <source>Could not lock %1: %2</source>
        <translation>Δεν ήταν δυνατό το κλείδωμα του %1: %2</translation>
    </message>
    <message>
        <source>Could not use %1: %2</source>
        <translation>Δεν ήταν δυνατή η χρήση του %1: %2</translation>
    </message>
    <message>
        <source>Could not keep %1: %2</source>
        <extracomment>The file (%1) could not be kept as a copy: a new list keeps the old list as highscore2.txt, and here it could not be copied. %2 says why.</extracomment>
        <translation>Δεν ήταν δυνατό να κρατηθεί αντίγραφο του %1: %2</translation>
    </message>
    <message>
        <source>the folder it was started in no longer exists</source>
        <translation>ο φάκελος από τον οποίο ξεκίνησε το παιχνίδι δεν υπάρχει πια</translation>
    </message>
    <message>
        <source>the folder it was started in cannot be opened (%1)</source>
        <translation>ο φάκελος από τον οποίο ξεκίνησε το παιχνίδι δεν ανοίγει (%1)</translation>
    </message>
    <message>
        <source>the game&apos;s folder is unknown</source>
        <translation>ο φάκελος του παιχνιδιού είναι άγνωστος</translation>
    </message>
    <message>
        <source>the file does not exist</source>
        <translation>το αρχείο δεν υπάρχει</translation>
    </message>
    <message>
        <source>something else took its place as soon as it was written</source>
        <translation>μόλις γράφτηκε, κάτι άλλο πήρε τη θέση του</translation>
    </message>
    <message>
        <source>the folder&apos;s sticky bit lets only the file&apos;s owner replace it, and the player may not write it</source>
        <translation>το sticky bit του φακέλου επιτρέπει μόνο στον κάτοχο του αρχείου να το αντικαταστήσει, κι εσύ δεν έχεις δικαίωμα να γράψεις σε αυτό</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>ο δίσκος είναι γεμάτος</translation>
    </message>
    <message numerus="yes">
        <source>it is larger than the file size limit of %n bytes</source>
        <translation>
            <numerusform>είναι μεγαλύτερο από το όριο μεγέθους αρχείου των %n byte</numerusform>
            <numerusform>είναι μεγαλύτερο από το όριο μεγέθους αρχείου των %n byte</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>scores</name>
    <message>
        <source>The game counter %1 holds &quot;%2&quot;, which is not a number; counting starts again at 1.</source>
        <translation>Ο μετρητής παιχνιδιών %1 περιέχει «%2», που δεν είναι αριθμός· η μέτρηση ξαναρχίζει από το 1.</translation>
    </message>
    <message>
        <source>game no: %1</source>
        <translation>Παιχνίδι αρ. %1</translation>
    </message>
    <message>
        <source>finish: %1 | total time: %2 | clicks: %3</source>
        <translation>Τέλος: %1 | Συνολικός χρόνος: %2 | Κλικ: %3</translation>
    </message>
    <message>
        <source>name</source>
        <translation>Όνομα</translation>
    </message>
    <message>
        <source>time needed</source>
        <translation>Χρόνος</translation>
    </message>
    <message>
        <source>date</source>
        <translation>Ημ/νία</translation>
    </message>
    <message>
        <source>clicks</source>
        <comment>the heading&apos;s last word: one word</comment>
        <translation>Κλικ</translation>
    </message>
    <message numerus="yes">
        <source>it holds more than the game can read (more than %n lines or more than %1 MB), so it is left as it is</source>
        <translation>
            <numerusform>περιέχει περισσότερα απ’ όσα μπορεί να διαβάσει το παιχνίδι (πάνω από %n γραμμή ή πάνω από %1 MB), γι’ αυτό μένει όπως είναι</numerusform>
            <numerusform>περιέχει περισσότερα απ’ όσα μπορεί να διαβάσει το παιχνίδι (πάνω από %n γραμμές ή πάνω από %1 MB), γι’ αυτό μένει όπως είναι</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>it holds more than %n bytes, far more than a list; move it away to start a new list</source>
        <translation>
            <numerusform>περιέχει πάνω από %n byte, πολύ περισσότερα από έναν πίνακα ρεκόρ· μετακίνησέ το αλλού για να ξεκινήσεις νέο πίνακα ρεκόρ</numerusform>
            <numerusform>περιέχει πάνω από %n byte, πολύ περισσότερα από έναν πίνακα ρεκόρ· μετακίνησέ το αλλού για να ξεκινήσεις νέο πίνακα ρεκόρ</numerusform>
        </translation>
    </message>
</context>
</TS>
