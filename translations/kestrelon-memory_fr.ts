<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Unknown option &apos;%1&apos;.</source>
        <translation>Option «&#x202f;%1&#x202f;» inconnue.</translation>
    </message>
    <message>
        <source>Unknown options: %1.</source>
        <translation>Options inconnues&#x202f;: %1.</translation>
    </message>
    <message>
        <source>Missing value after &apos;%1&apos;.</source>
        <translation>Valeur manquante après «&#x202f;%1&#x202f;».</translation>
    </message>
    <message>
        <source>Unexpected value after &apos;%1&apos;.</source>
        <translation>Valeur inattendue après «&#x202f;%1&#x202f;».</translation>
    </message>
    <message>
        <source>Usage: %1</source>
        <translation>Utilisation&#x202f;: %1</translation>
    </message>
    <message>
        <source>[options]</source>
        <translation>[options]</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Options&#x202f;:</translation>
    </message>
</context>
<context>
    <name>QLineEdit</name>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rétablir</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>Co&amp;uper</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>Cop&amp;ier</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>Co&amp;ller</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Tout sélectionner</translation>
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
        <translation>Paires trouvées</translation>
    </message>
    <message>
        <source>Designer picture</source>
        <translation>Portrait du créateur</translation>
    </message>
    <message>
        <source>Sixteen pairs found</source>
        <translation>Seize paires trouvées</translation>
    </message>
    <message>
        <source>All pairs found</source>
        <translation>Toutes les paires sont trouvées</translation>
    </message>
    <message>
        <source>Game over</source>
        <translation>Partie terminée</translation>
    </message>
    <message>
        <source>Start time and ranked list</source>
        <translation>Heure de début et classement des meilleurs scores</translation>
    </message>
    <message>
        <source>Free memory</source>
        <translation>Mémoire libre</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Version</translation>
    </message>
    <message>
        <source>Processors</source>
        <translation>Processeurs</translation>
    </message>
    <message>
        <source>Ranking by (T time, C clicks)</source>
        <translation>Classement (T temps, C clics)</translation>
    </message>
    <message>
        <source>Game number</source>
        <translation>Numéro de partie</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Résultat</translation>
    </message>
    <message>
        <source>Prompt</source>
        <translation>Consigne</translation>
    </message>
    <message>
        <source>your name</source>
        <translation>Ton nom</translation>
    </message>
    <message>
        <source>Player name</source>
        <translation>Ton nom</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>High scores</source>
        <translation>Meilleurs scores</translation>
    </message>
    <message>
        <source>&amp;start</source>
        <translation>&amp;Jouer</translation>
    </message>
    <message>
        <source>&amp;end</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Instructions</source>
        <translation>&amp;Mode d’emploi</translation>
    </message>
    <message>
        <source>&amp;Version</source>
        <translation>&amp;Version</translation>
    </message>
    <message>
        <source>&amp;Designer</source>
        <translation>&amp;Créateur</translation>
    </message>
    <message>
        <source>&amp;New list</source>
        <translation>&amp;Nouvelle liste</translation>
    </message>
    <message>
        <source>Sound o&amp;n</source>
        <translation>Activer le &amp;son</translation>
    </message>
    <message>
        <source>Sound o&amp;ff</source>
        <translation>&amp;Couper le son</translation>
    </message>
    <message>
        <source>&amp;Publisher&apos;s web site</source>
        <translation>Site &amp;web de l’éditeur</translation>
    </message>
    <message>
        <source>&amp;Mail to the publisher</source>
        <translation>&amp;Écrire à l’éditeur</translation>
    </message>
    <message>
        <source>&amp;Show high scores</source>
        <translation>&amp;Afficher les meilleurs scores</translation>
    </message>
    <message>
        <source>&amp;Hide high scores</source>
        <translation>&amp;Masquer les meilleurs scores</translation>
    </message>
    <message>
        <source>&amp;Free memory and processors</source>
        <translation>Mémoire &amp;libre et processeurs</translation>
    </message>
    <message>
        <source>Sort on &amp;time</source>
        <translation>Classer par &amp;temps</translation>
    </message>
    <message>
        <source>Sort on &amp;clicks</source>
        <translation>Classer par &amp;clics</translation>
    </message>
    <message>
        <source>D&amp;onation</source>
        <translation>&amp;Faire un don</translation>
    </message>
    <message>
        <source>&amp;Highscores</source>
        <translation>&amp;Meilleurs scores</translation>
    </message>
    <message>
        <source>He&amp;lp</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>The game cannot use its folder: %1. It shows its built-in pictures and writes nothing, so no result of this run is kept.</source>
        <translation>Le jeu ne peut pas utiliser son dossier&#x202f;: %1. Il affiche donc ses images intégrées et n’enregistre rien, si bien qu’aucun résultat de cette session ne sera gardé.</translation>
    </message>
    <message>
        <source>The pictures could not be written into %1, so the game shows its built-in copies.
%2</source>
        <translation>Impossible d’écrire les images dans %1&#x202f;: le jeu affiche donc ses images intégrées.
%2</translation>
    </message>
    <message>
        <source>face down</source>
        <translation>face cachée</translation>
    </message>
    <message>
        <source>%1. The result was not saved.</source>
        <translation>%1. Le résultat n’a pas été enregistré.</translation>
    </message>
    <message>
        <source>Waiting for another game in this folder to finish with %1 ...</source>
        <translation>En attente&#x202f;: une autre partie dans ce dossier utilise encore %1…</translation>
    </message>
    <message>
        <source>The game cannot write into its folder %1 (%2), so it counts no game in nog.txt and keeps no result in highscore.txt there; it shows the list as it is.</source>
        <translation>Le jeu ne peut pas écrire dans son dossier %1 (%2)&#x202f;: il ne compte donc aucune partie dans nog.txt et ne garde aucun résultat dans highscore.txt&#x202f;; il affiche la liste telle qu’elle est.</translation>
    </message>
    <message>
        <source>Card row %1 column %2: face down</source>
        <translation>Carte, ligne %1, colonne %2&#x202f;: face cachée</translation>
    </message>
    <message>
        <source>Card row %1 column %2: %3, turned</source>
        <translation>Carte, ligne %1, colonne %2, retournée&#x202f;: %3</translation>
    </message>
    <message>
        <source>%1, turned</source>
        <translation>retournée&#x202f;: %1</translation>
    </message>
    <message>
        <source>Card row %1 column %2: %3, found</source>
        <translation>Carte, ligne %1, colonne %2, trouvée&#x202f;: %3</translation>
    </message>
    <message>
        <source>%1, found</source>
        <translation>trouvée&#x202f;: %1</translation>
    </message>
</context>
<context>
    <name>assets</name>
    <message>
        <source>Could not write %1: %2</source>
        <translation>Impossible d’écrire %1&#x202f;: %2</translation>
    </message>
    <message>
        <source>it is not a readable BMP picture</source>
        <translation>ce n’est pas une image BMP lisible</translation>
    </message>
    <message>
        <source>the file does not exist</source>
        <translation>le fichier n’existe pas</translation>
    </message>
    <message>
        <source>Could not load the picture %1: %2.</source>
        <translation>Impossible de charger l’image %1&#x202f;: %2.</translation>
    </message>
    <message>
        <source>red circle</source>
        <translation>cercle rouge</translation>
    </message>
    <message>
        <source>blue square</source>
        <translation>carré bleu</translation>
    </message>
    <message>
        <source>green triangle</source>
        <translation>triangle vert</translation>
    </message>
    <message>
        <source>yellow star</source>
        <translation>étoile jaune</translation>
    </message>
    <message>
        <source>pink heart</source>
        <translation>cœur rose</translation>
    </message>
    <message>
        <source>teal diamond</source>
        <translation>losange bleu canard</translation>
    </message>
    <message>
        <source>navy moon</source>
        <translation>lune bleu marine</translation>
    </message>
    <message>
        <source>orange sun</source>
        <translation>soleil orange</translation>
    </message>
    <message>
        <source>purple cross</source>
        <translation>croix violette</translation>
    </message>
    <message>
        <source>black arrow</source>
        <translation>flèche noire</translation>
    </message>
    <message>
        <source>olive hexagon</source>
        <translation>hexagone vert olive</translation>
    </message>
    <message>
        <source>sky blue drop</source>
        <translation>goutte bleu ciel</translation>
    </message>
    <message>
        <source>lime leaf</source>
        <translation>feuille vert citron</translation>
    </message>
    <message>
        <source>maroon bell</source>
        <translation>cloche bordeaux</translation>
    </message>
    <message>
        <source>grey anchor</source>
        <translation>ancre grise</translation>
    </message>
    <message>
        <source>brown key</source>
        <translation>clé marron</translation>
    </message>
    <message>
        <source>magenta lightning bolt</source>
        <translation>éclair fuchsia</translation>
    </message>
    <message>
        <source>violet flower</source>
        <translation>fleur mauve</translation>
    </message>
    <message>
        <source>The picture %1 is damaged in the program.</source>
        <translation>L’image %1 est endommagée dans le programme.</translation>
    </message>
    <message>
        <source>The sound %1 is missing from the program.</source>
        <translation>Le son %1 est absent du programme.</translation>
    </message>
    <message>
        <source>The sound %1 is damaged.</source>
        <translation>Le son %1 est endommagé.</translation>
    </message>
    <message>
        <source>The picture %1 is missing from the program.</source>
        <translation>L’image %1 est absente du programme.</translation>
    </message>
</context>
<context>
    <name>cli</name>
    <message>
        <source>A memory card game: find the eighteen pairs among thirty-six cards.
The game keeps its pictures, high-score list and game counter
in the folder it is started in.</source>
        <translation>Un jeu de mémoire&#x202f;: trouve les dix-huit paires parmi trente-six cartes.
Le jeu garde ses images, sa liste des meilleurs scores et son compteur
de parties dans le dossier depuis lequel il est lancé.</translation>
    </message>
    <message>
        <source>Print these options and exit.</source>
        <translation>Affiche ces options, puis quitte le programme.</translation>
    </message>
    <message>
        <source>Print the name and version and exit.</source>
        <translation>Affiche le nom et la version, puis quitte le programme.</translation>
    </message>
    <message>
        <source>Speak the language CODE, one of: %1. Without this option the game speaks the desktop&apos;s language, or English.</source>
        <translation>Choisit la langue du jeu d’après son CODE, parmi&#x202f;: %1. Sans cette option, le jeu parle la langue du bureau, ou à défaut l’anglais.</translation>
    </message>
    <message>
        <source>%1: %2
Try &apos;%1 --help&apos; for the options.
</source>
        <translation>%1&#x202f;: %2
Essaie «&#x202f;%1 --help&#x202f;» pour voir les options.
</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;; the game takes none but its options.</source>
        <translation>argument inattendu «&#x202f;%1&#x202f;»&#x202f;: le jeu n’accepte que ses propres options.</translation>
    </message>
</context>
<context>
    <name>game</name>
    <message>
        <source>C</source>
        <comment>ranking mark: by clicks</comment>
        <translation>C</translation>
    </message>
    <message>
        <source>T</source>
        <comment>ranking mark: by time</comment>
        <translation>T</translation>
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
        <translation>Voici comment jouer&#x202f;:
1. Écris d’abord ton nom sur la ligne du bas,
   puis clique sur OK&#x202f;!
2. Clique sur les cartes et essaie de trouver les paires.
3. Choisis «&#x202f;Activer le son&#x202f;» ou «&#x202f;Couper le son&#x202f;», comme tu veux.
4. Quand tu as trouvé toutes les paires,
   les meilleurs scores s’affichent.
5. Pour rejouer, clique sur «&#x202f;Jouer&#x202f;»&#x202f;;
   pour arrêter, clique sur «&#x202f;Quitter&#x202f;».
6. Les meilleurs scores se classent par temps ou par clics.
   En haut à droite, tu vois T (temps) ou C (clics).
   Amuse-toi bien&#x202f;!</translation>
    </message>
    <message>
        <source>Version 1.0 2019</source>
        <translation>Version 1.0 2019</translation>
    </message>
    <message>
        <source>Kontakt: </source>
        <translation>Contact&#x202f;: </translation>
    </message>
    <message>
        <source>D o n a t i o n</source>
        <translation>F a i r e   u n   d o n</translation>
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
        <translation>Chère joueuse, cher joueur,
         si ce jeu te plaît,
         tu peux soutenir
         %1
         pour l’aider à créer encore d’autres jeux gratuits
         pour ordinateur et téléphone mobile.
         Tu peux verser ton don sur le compte
         %2.
         Bon jeu&#x202f;!</translation>
    </message>
    <message>
        <source>number of processors: %1</source>
        <translation>Nombre de processeurs&#x202f;: %1</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <translation>%1 Mo</translation>
    </message>
    <message>
        <source>free memory:</source>
        <translation>Mémoire libre&#x202f;:</translation>
    </message>
    <message>
        <source>First enter your name below, then click OK!</source>
        <translation>Écris d’abord ton nom ci-dessous, puis clique sur OK&#x202f;!</translation>
    </message>
    <message>
        <source>Please enter your name below, thn click OK!</source>
        <translation>Écris ton nom ci-dessous, puis clique sur OK&#x202f;!</translation>
    </message>
    <message>
        <source>Now please click on the icons and find pairs!</source>
        <translation>Maintenant, clique sur les cartes et trouve les paires&#x202f;!</translation>
    </message>
    <message>
        <source>start : %1</source>
        <translation>début&#x202f;: %1</translation>
    </message>
    <message>
        <source>en</source>
        <comment>the code of this translation&apos;s language: de, fr, ...</comment>
        <translation>fr</translation>
    </message>
</context>
<context>
    <name>safefile</name>
    <message>
        <source>the game&apos;s folder is unknown</source>
        <translation>le dossier du jeu est inconnu</translation>
    </message>
    <message>
        <source>the file does not exist</source>
        <translation>le fichier n’existe pas</translation>
    </message>
    <message>
        <source>the folder it was started in no longer exists</source>
        <translation>le dossier depuis lequel le jeu a été lancé n’existe plus</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>le disque est plein</translation>
    </message>
    <message>
        <source>another game is using it, please try again</source>
        <translation>une autre partie l’utilise en ce moment, réessaie un peu plus tard</translation>
    </message>
    <message>
        <source>no permission to open its lock file %1</source>
        <translation>tu n’as pas l’autorisation d’ouvrir son fichier de verrouillage %1</translation>
    </message>
    <message>
        <source>its lock file %1 is not used: %2</source>
        <translation>son fichier de verrouillage %1 est inutilisable&#x202f;: %2</translation>
    </message>
    <message>
        <source>the lock file %1 cannot be created (%2)</source>
        <translation>le fichier de verrouillage %1 ne peut pas être créé (%2)</translation>
    </message>
    <message>
        <source>a folder is in its place</source>
        <translation>un dossier se trouve à sa place</translation>
    </message>
    <message>
        <source>a FIFO (named pipe) is in its place</source>
        <translation>un tube nommé (FIFO) se trouve à sa place</translation>
    </message>
    <message>
        <source>a socket is in its place</source>
        <translation>une interface de connexion (socket) se trouve à sa place</translation>
    </message>
    <message>
        <source>a device is in its place</source>
        <translation>un fichier de périphérique se trouve à sa place</translation>
    </message>
    <message>
        <source>something other than a file is in its place</source>
        <translation>autre chose qu’un fichier se trouve à sa place</translation>
    </message>
    <message>
        <source>it is a link to %1, and the game follows no links</source>
        <translation>c’est un lien vers %1, et le jeu ne suit aucun lien</translation>
    </message>
    <message>
        <source>Could not read %1: %2</source>
        <translation>Impossible de lire %1&#x202f;: %2</translation>
    </message>
    <message>
        <source>Could not write %1: %2</source>
        <translation>Impossible d’écrire %1&#x202f;: %2</translation>
    </message>
    <message>
        <source>Could not lock %1: %2</source>
        <translation>Impossible de verrouiller %1&#x202f;: %2</translation>
    </message>
    <message>
        <source>Could not use %1: %2</source>
        <translation>Impossible d’utiliser %1&#x202f;: %2</translation>
    </message>
    <message>
        <source>Could not keep %1: %2</source>
        <extracomment>The file (%1) could not be kept as a copy: a new list keeps the old list as highscore2.txt, and here it could not be copied. %2 says why.</extracomment>
        <translation>Impossible de conserver une copie de %1&#x202f;: %2</translation>
    </message>
    <message>
        <source>the folder it was started in cannot be opened (%1)</source>
        <translation>le dossier depuis lequel le jeu a été lancé ne peut pas être ouvert (%1)</translation>
    </message>
    <message>
        <source>its lock file %1 was removed or replaced while the game held it, so another game may be writing it</source>
        <translation>son fichier de verrouillage %1 a été supprimé ou remplacé pendant que le jeu le tenait&#x202f;: une autre partie est peut-être en train de l’écrire</translation>
    </message>
    <message>
        <source>something else took its place as soon as it was written</source>
        <translation>autre chose a pris sa place juste après l’écriture</translation>
    </message>
    <message>
        <source>the folder&apos;s sticky bit lets only the file&apos;s owner replace it, and the player may not write it</source>
        <translation>le sticky bit du dossier ne permet qu’au propriétaire du fichier de le remplacer, et tu n’as pas le droit d’y écrire</translation>
    </message>
    <message numerus="yes">
        <source>it is larger than the file size limit of %n bytes</source>
        <translation>
            <numerusform>il dépasse la taille maximale autorisée pour un fichier, soit %n octet</numerusform>
            <numerusform>il dépasse la taille maximale autorisée pour un fichier, soit %n octets</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>scores</name>
    <message>
        <source>finish: %1 | total time: %2 | clicks: %3</source>
        <translation>fin&#x202f;: %1 | temps total&#x202f;: %2 | clics&#x202f;: %3</translation>
    </message>
    <message>
        <source>name</source>
        <translation>nom</translation>
    </message>
    <message>
        <source>time needed</source>
        <translation>temps de jeu</translation>
    </message>
    <message>
        <source>date</source>
        <translation>date</translation>
    </message>
    <message>
        <source>clicks</source>
        <comment>the heading&apos;s last word: one word</comment>
        <translation>clics</translation>
    </message>
    <message>
        <source>The game counter %1 holds &quot;%2&quot;, which is not a number; counting starts again at 1.</source>
        <translation>Le compteur de parties %1 contient «&#x202f;%2&#x202f;», qui n’est pas un nombre&#x202f;; le compte reprend à 1.</translation>
    </message>
    <message>
        <source>game no: %1</source>
        <translation>partie n°&#xa0;%1</translation>
    </message>
    <message numerus="yes">
        <source>it holds more than the game can read (more than %n lines or more than %1 MB), so it is left as it is</source>
        <translation>
            <numerusform>il contient plus que ce que le jeu peut lire (plus de %n ligne ou plus de %1 Mo)&#x202f;: il est donc laissé tel quel</numerusform>
            <numerusform>il contient plus que ce que le jeu peut lire (plus de %n lignes ou plus de %1 Mo)&#x202f;: il est donc laissé tel quel</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>it holds more than %n bytes, far more than a list; move it away to start a new list</source>
        <translation>
            <numerusform>il contient plus de %n octet, bien plus qu’une liste de meilleurs scores&#x202f;; déplace-le ailleurs pour commencer une nouvelle liste</numerusform>
            <numerusform>il contient plus de %n octets, bien plus qu’une liste de meilleurs scores&#x202f;; déplace-le ailleurs pour commencer une nouvelle liste</numerusform>
        </translation>
    </message>
</context>
</TS>
