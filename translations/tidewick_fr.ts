<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>MainWindow</name>
    <message>
        <source>Keyword/s</source>
        <translation>Mots-clés</translation>
    </message>
    <message>
        <source>Local News Sites</source>
        <translation>Sites d&apos;actualités locaux</translation>
    </message>
    <message>
        <source>Categories</source>
        <translation>Catégories</translation>
    </message>
    <message>
        <source>News</source>
        <translation>Actualités</translation>
    </message>
    <message>
        <source>Tidewick has forgotten the articles it announced: each one is announced again the next time the news service lists it.</source>
        <translation>Tidewick a oublié les articles déjà annoncés&#xa0;: chacun sera de nouveau annoncé la prochaine fois que le service d&apos;actualités le proposera.</translation>
    </message>
    <message>
        <source>A news fetch is using the memory of announced articles. Try again when it has ended.</source>
        <translation>Une récupération des actualités utilise en ce moment la mémoire des articles annoncés. Réessayez lorsqu&apos;elle sera terminée.</translation>
    </message>
    <message>
        <source>A news fetch is already running. The new one was not started.</source>
        <translation>Une récupération des actualités est déjà en cours. La nouvelle récupération n&apos;a pas été lancée.</translation>
    </message>
    <message>
        <source>Done.</source>
        <translation>Terminé.</translation>
    </message>
    <message>
        <source>No news was fetched: the news service has refused further requests. Tidewick asks again after %1.</source>
        <translation>Aucune actualité n&apos;a été récupérée&#xa0;: le service d&apos;actualités refuse toute nouvelle requête. Tidewick réessaiera après le %1.</translation>
    </message>
    <message>
        <source>No news was fetched: the news service allows about 50 requests in 12 hours, and they have been made. Tidewick asks again after %1.</source>
        <translation>Aucune actualité n&apos;a été récupérée&#xa0;: le service d&apos;actualités autorise environ 50 requêtes sur 12 heures, et elles ont toutes été effectuées. Tidewick réessaiera après le %1.</translation>
    </message>
    <message numerus="yes">
        <source>%Ln keyword(s) of the watch list %1 were left out: a keyword holds more than blanks, no line break or text-direction control, and is at most %2 characters long.</source>
        <translation>
            <numerusform>%Ln mot-clé de la liste de surveillance %1 a été écarté&#xa0;: un mot-clé doit contenir autre chose que des espaces, ne contenir ni saut de ligne ni caractère de contrôle de la direction du texte, et compter au plus %2 caractères.</numerusform>
            <numerusform>%Ln mots-clés de la liste de surveillance %1 ont été écartés&#xa0;: un mot-clé doit contenir autre chose que des espaces, ne contenir ni saut de ligne ni caractère de contrôle de la direction du texte, et compter au plus %2 caractères.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Tidewick</name>
    <message>
        <source>Text Files (*.txt)</source>
        <translation>Fichiers texte (*.txt)</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>The news service address &quot;%1&quot; set by %2 cannot be used: %3.

Tidewick queries nothing until this is fixed; it does not fall back to another address. Give a host name, an IPv4 address or an IPv6 address in brackets, with an optional port, for example news.example.org:8080 or [2001:db8::1]:8080.</source>
        <translation>L&apos;adresse du service d&apos;actualités «&#xa0;%1&#xa0;» définie par %2 est inutilisable&#xa0;: %3.

Tidewick n&apos;envoie aucune requête tant que ce problème n&apos;est pas corrigé&#x202f;; il ne se rabat pas sur une autre adresse. Indiquez un nom d&apos;hôte, une adresse IPv4 ou une adresse IPv6 entre crochets, avec un port facultatif, par exemple news.example.org:8080 ou [2001:db8::1]:8080.</translation>
    </message>
    <message>
        <source>the command-line option --news-host</source>
        <translation>l&apos;option de ligne de commande --news-host</translation>
    </message>
    <message>
        <source>the environment variable TIDEWICK_NEWS_HOST</source>
        <translation>la variable d&apos;environnement TIDEWICK_NEWS_HOST</translation>
    </message>
    <message>
        <source>the key NewsHost in the group [Service] of %1</source>
        <translation>la clé NewsHost du groupe [Service] de %1</translation>
    </message>
    <message>
        <source>the build setting TIDEWICK_NEWS_HOST</source>
        <translation>le paramètre de compilation TIDEWICK_NEWS_HOST</translation>
    </message>
    <message>
        <source>Open Link</source>
        <translation>Ouvrir le lien</translation>
    </message>
    <message>
        <source>Copy Link</source>
        <translation>Copier le lien</translation>
    </message>
    <message>
        <source>Copy Text</source>
        <translation>Copier le texte</translation>
    </message>
    <message>
        <source>Opens the article&apos;s link in the web browser</source>
        <translation>Ouvre le lien de l&apos;article dans le navigateur web</translation>
    </message>
    <message>
        <source>Copies the article&apos;s link</source>
        <translation>Copie le lien de l&apos;article</translation>
    </message>
    <message>
        <source>Copies the texts of the selected rows, one a line</source>
        <translation>Copie le texte des lignes sélectionnées, une par ligne</translation>
    </message>
    <message>
        <source>Double-click a row or press Enter to open its link. The context menu (menu key or Shift+F10) opens or copies the link or copies the selected rows.</source>
        <translation>Double-cliquez sur une ligne ou appuyez sur Entrée pour ouvrir son lien. Le menu contextuel (touche Menu ou Maj+F10) permet d&apos;ouvrir ou de copier le lien, ou de copier les lignes sélectionnées.</translation>
    </message>
    <message>
        <source>Invalid picture</source>
        <translation>Image incorrecte</translation>
    </message>
    <message>
        <source>File not found: %1</source>
        <translation>Fichier introuvable&#xa0;: %1</translation>
    </message>
    <message>
        <source>Permission denied: %1</source>
        <translation>Permission refusée&#xa0;: %1</translation>
    </message>
    <message>
        <source>Type mismatch</source>
        <translation>Incompatibilité de type</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>Dépassement de capacité</translation>
    </message>
    <message>
        <source>Invalid procedure call or argument</source>
        <translation>Argument ou appel de procédure incorrect</translation>
    </message>
    <message>
        <source>at line </source>
        <translation>à la ligne </translation>
    </message>
    <message>
        <source>Please email screenshot of this message to </source>
        <translation>Veuillez envoyer une capture d&apos;écran de ce message par courriel à </translation>
    </message>
    <message>
        <source>Application Error</source>
        <translation>Erreur d&apos;application</translation>
    </message>
    <message>
        <source>a line break or another control character</source>
        <translation>un saut de ligne ou un autre caractère de contrôle</translation>
    </message>
    <message>
        <source>a text-direction control (U+%1)</source>
        <translation>un caractère de contrôle de la direction du texte (U+%1)</translation>
    </message>
    <message>
        <source>Path/File access error: %1 is not a regular file. Tidewick uses the default settings and does not save them.</source>
        <translation>Erreur d&apos;accès au chemin/fichier&#xa0;: %1 n&apos;est pas un fichier ordinaire. Tidewick utilise les paramètres par défaut et ne les enregistre pas.</translation>
    </message>
    <message>
        <source>Path/File access error: %1 is not a regular file, so the request count cannot be stored. Nothing is queried until it can be.</source>
        <translation>Erreur d&apos;accès au chemin/fichier&#xa0;: %1 n&apos;est pas un fichier ordinaire&#x202f;; le compteur de requêtes ne peut donc pas être enregistré. Aucune requête n&apos;est envoyée tant que ce n&apos;est pas possible.</translation>
    </message>
    <message>
        <source>The log-on entry was not written: the program&apos;s own path is unknown.</source>
        <translation>L&apos;entrée de lancement à l&apos;ouverture de session n&apos;a pas été écrite&#xa0;: le chemin du programme lui-même est inconnu.</translation>
    </message>
    <message>
        <source>The log-on entry was not written: the program&apos;s path holds control characters that a desktop entry cannot carry.</source>
        <translation>L&apos;entrée de lancement à l&apos;ouverture de session n&apos;a pas été écrite&#xa0;: le chemin du programme contient des caractères de contrôle qu&apos;une entrée de bureau ne peut pas contenir.</translation>
    </message>
    <message>
        <source>The log-on entry was not written: the folder %1 cannot be made.</source>
        <translation>L&apos;entrée de lancement à l&apos;ouverture de session n&apos;a pas été écrite&#xa0;: impossible de créer le dossier %1.</translation>
    </message>
    <message>
        <source>The log-on entry %1 could not be written: %2.</source>
        <translation>Impossible d&apos;écrire l&apos;entrée de lancement à l&apos;ouverture de session %1&#xa0;: %2.</translation>
    </message>
    <message>
        <source>The log-on entry %1 could not be removed: %2.</source>
        <translation>Impossible de supprimer l&apos;entrée de lancement à l&apos;ouverture de session %1&#xa0;: %2.</translation>
    </message>
    <message>
        <source>Path/File access error: the request count in %1 cannot be locked: %2. This fetch stops here; the next one goes on from this query.</source>
        <translation>Erreur d&apos;accès au chemin/fichier&#xa0;: impossible de verrouiller le compteur de requêtes de %1&#xa0;: %2. Cette récupération s&apos;arrête ici&#x202f;; la suivante reprendra à partir de cette requête.</translation>
    </message>
    <message>
        <source>File not found: the helper program &quot;%1&quot; is not on PATH (install the package &quot;%2&quot;)</source>
        <translation>Fichier introuvable&#xa0;: le programme auxiliaire «&#xa0;%1&#xa0;» est absent du PATH (installez le paquet «&#xa0;%2&#xa0;»)</translation>
    </message>
    <message>
        <source>Path/File access error: %1 (%2)</source>
        <translation>Erreur d&apos;accès au chemin/fichier&#xa0;: %1 (%2)</translation>
    </message>
    <message>
        <source>it is empty</source>
        <translation>elle est vide</translation>
    </message>
    <message>
        <source>it holds a control character</source>
        <translation>elle contient un caractère de contrôle</translation>
    </message>
    <message>
        <source>it holds a blank</source>
        <translation>elle contient un espace</translation>
    </message>
    <message>
        <source>it holds a scheme (such as http://); give the host alone</source>
        <translation>elle contient un schéma (comme http://)&#x202f;; indiquez l&apos;hôte seul</translation>
    </message>
    <message>
        <source>it holds a user part (before &quot;@&quot;)</source>
        <translation>elle contient une partie utilisateur (avant «&#xa0;@&#xa0;»)</translation>
    </message>
    <message>
        <source>it holds a path (from &quot;/&quot;, &quot;?&quot; or &quot;#&quot; on)</source>
        <translation>elle contient un chemin (à partir de «&#xa0;/&#xa0;», «&#xa0;?&#xa0;» ou «&#xa0;#&#xa0;»)</translation>
    </message>
    <message>
        <source>the port &quot;%1&quot; is not a number from 1 to 65535</source>
        <translation>le port «&#xa0;%1&#xa0;» n&apos;est pas un nombre compris entre 1 et 65535</translation>
    </message>
    <message>
        <source>the host name is longer than 253 characters</source>
        <translation>le nom d&apos;hôte dépasse 253 caractères</translation>
    </message>
    <message>
        <source>the IPv6 address lacks its closing &quot;]&quot;</source>
        <translation>il manque le «&#xa0;]&#xa0;» fermant de l&apos;adresse IPv6</translation>
    </message>
    <message>
        <source>only &quot;:PORT&quot; may follow the &quot;]&quot;</source>
        <translation>seul «&#xa0;:PORT&#xa0;» peut suivre le «&#xa0;]&#xa0;»</translation>
    </message>
    <message>
        <source>an IPv6 address must be put in brackets, as in [2001:db8::1]:8080</source>
        <translation>une adresse IPv6 doit être placée entre crochets, comme dans [2001:db8::1]:8080</translation>
    </message>
    <message>
        <source>the host is missing before the port</source>
        <translation>il manque l&apos;hôte avant le port</translation>
    </message>
    <message>
        <source>The keyword &quot;%1&quot; is longer than %2 characters and cannot be sent to the news service. It was skipped.</source>
        <translation>Le mot-clé «&#xa0;%1&#xa0;» dépasse %2 caractères et ne peut pas être envoyé au service d&apos;actualités. Il a été ignoré.</translation>
    </message>
    <message>
        <source>The news service is given by its address (%1), and a country cannot be put in front of an address: the ticked countries are not queried. Give the service by its host name, or untick the countries.</source>
        <translation>Le service d&apos;actualités est indiqué par son adresse (%1) et un pays ne peut pas être placé devant une adresse&#xa0;: les pays cochés ne sont pas interrogés. Indiquez le service par son nom d&apos;hôte ou décochez les pays.</translation>
    </message>
    <message>
        <source>Division by zero</source>
        <translation>Division par zéro</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>ce n&apos;est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>File not found</source>
        <translation>Fichier introuvable</translation>
    </message>
    <message>
        <source>%1 was not loaded: it is larger than a keyword list can be (%2 MB).</source>
        <translation>%1 n&apos;a pas été chargé&#xa0;: sa taille dépasse le maximum autorisé pour une liste de mots-clés (%2 Mo).</translation>
    </message>
    <message>
        <source>Path/File access error: %1</source>
        <translation>Erreur d&apos;accès au chemin/fichier&#xa0;: %1</translation>
    </message>
    <message>
        <source>Device I/O error: %1</source>
        <translation>Erreur d&apos;E/S de périphérique&#xa0;: %1</translation>
    </message>
    <message>
        <source>The watch list %1 cannot be read (%2).</source>
        <translation>Impossible de lire la liste de surveillance %1 (%2).</translation>
    </message>
    <message>
        <source>The watch list cannot be saved to %1 (%2).</source>
        <translation>Impossible d&apos;enregistrer la liste de surveillance dans %1 (%2).</translation>
    </message>
    <message>
        <source>it is larger than a watch list can be, %1 MB</source>
        <translation>sa taille dépasse le maximum autorisé pour une liste de surveillance, %1 Mo</translation>
    </message>
    <message>
        <source>not a watch list: %1</source>
        <translation>ce n&apos;est pas une liste de surveillance&#xa0;: %1</translation>
    </message>
    <message>
        <source>not a watch list</source>
        <translation>ce n&apos;est pas une liste de surveillance</translation>
    </message>
    <message>
        <source> It was kept as %1, and the lists start empty.</source>
        <translation> Elle a été conservée sous le nom %1 et les listes repartent de zéro.</translation>
    </message>
    <message>
        <source> It could not be moved aside (%1): Tidewick leaves it as it is and does not save the lists.</source>
        <translation> Elle n&apos;a pas pu être mise de côté (%1)&#xa0;: Tidewick la laisse telle quelle et n&apos;enregistre pas les listes.</translation>
    </message>
    <message>
        <source> Tidewick leaves it as it is and does not save the lists.</source>
        <translation> Tidewick la laisse telle quelle et n&apos;enregistre pas les listes.</translation>
    </message>
    <message>
        <source>it is not a regular file; Tidewick leaves it alone and does not save the lists</source>
        <translation>ce n&apos;est pas un fichier ordinaire&#x202f;; Tidewick n&apos;y touche pas et n&apos;enregistre pas les listes</translation>
    </message>
    <message>
        <source>its folder cannot be created</source>
        <translation>son dossier ne peut pas être créé</translation>
    </message>
    <message>
        <source>Unknown character set: %1</source>
        <translation>Jeu de caractères inconnu&#xa0;: %1</translation>
    </message>
    <message>
        <source>Cannot convert text to %1</source>
        <translation>Impossible de convertir le texte en %1</translation>
    </message>
    <message>
        <source>Not a regular file: %1</source>
        <translation>Fichier non ordinaire&#xa0;: %1</translation>
    </message>
    <message>
        <source>Path not found: %1</source>
        <translation>Chemin d&apos;accès introuvable&#xa0;: %1</translation>
    </message>
    <message>
        <source>Device I/O error: %1 (%2)</source>
        <translation>Erreur d&apos;E/S de périphérique&#xa0;: %1 (%2)</translation>
    </message>
    <message>
        <source>Fetch every 30 minutes</source>
        <translation>Récupérer toutes les 30 minutes</translation>
    </message>
    <message>
        <source>Fetch every 1 hour</source>
        <translation>Récupérer toutes les heures</translation>
    </message>
    <message>
        <source>Fetch every 6 hours</source>
        <translation>Récupérer toutes les 6 heures</translation>
    </message>
    <message>
        <source>Fetch every 12 hours</source>
        <translation>Récupérer toutes les 12 heures</translation>
    </message>
    <message>
        <source>Fetch every 24 hours</source>
        <translation>Récupérer toutes les 24 heures</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Afficher</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>Show Tidewick</source>
        <translation>Afficher Tidewick</translation>
    </message>
    <message>
        <source>News Fetch Now (Test)</source>
        <translation>Récupérer maintenant (test)</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>%1 is a folder, not a lock file</source>
        <translation>%1 est un dossier, et non un fichier de verrouillage</translation>
    </message>
    <message>
        <source>%1 is a named pipe, not a lock file</source>
        <translation>%1 est un tube nommé, et non un fichier de verrouillage</translation>
    </message>
    <message>
        <source>%1 is a symbolic link, not a lock file</source>
        <translation>%1 est un lien symbolique, et non un fichier de verrouillage</translation>
    </message>
    <message>
        <source>%1 is a device, not a lock file</source>
        <translation>%1 est un périphérique, et non un fichier de verrouillage</translation>
    </message>
    <message>
        <source>%1 is a socket, not a lock file</source>
        <translation>%1 est un socket, et non un fichier de verrouillage</translation>
    </message>
    <message>
        <source>%1 is something other than a file, not a lock file</source>
        <translation>%1 n&apos;est pas un fichier, et donc pas un fichier de verrouillage</translation>
    </message>
    <message>
        <source>%1 is not usable (%2)</source>
        <translation>%1 est inutilisable (%2)</translation>
    </message>
    <message numerus="yes">
        <source>%1 is a file of %Ln byte(s), too large for a lock file</source>
        <translation>
            <numerusform>%1 est un fichier de %Ln octet, trop volumineux pour un fichier de verrouillage</numerusform>
            <numerusform>%1 est un fichier de %Ln octets, trop volumineux pour un fichier de verrouillage</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 is not a lock file</source>
        <translation>%1 n&apos;est pas un fichier de verrouillage</translation>
    </message>
    <message>
        <source>%1 is not lockable (%2)</source>
        <translation>%1 ne peut pas être verrouillé (%2)</translation>
    </message>
    <message numerus="yes">
        <source>another copy of Tidewick has held it for %Ln second(s)</source>
        <translation>
            <numerusform>une autre instance de Tidewick le détient depuis %Ln seconde</numerusform>
            <numerusform>une autre instance de Tidewick le détient depuis %Ln secondes</numerusform>
        </translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not an IPv4 address</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;est pas une adresse IPv4</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a host name: each dot-separated part must be 1 to 63 letters (a-z), digits or inner hyphens</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;est pas un nom d&apos;hôte&#xa0;: chaque partie entre les points doit compter de 1 à 63 lettres (a-z), chiffres ou traits d&apos;union, sans trait d&apos;union au début ni à la fin</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not an IPv6 address</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;est pas une adresse IPv6</translation>
    </message>
    <message>
        <source>The news service&apos;s requests are counted from %1, another copy of Tidewick&apos;s time, but this computer&apos;s clock says %2. No news is fetched until the clock is right.</source>
        <translation>Les requêtes au service d&apos;actualités sont comptées depuis le %1, selon l&apos;heure d&apos;une autre instance de Tidewick, mais l&apos;horloge de cet ordinateur indique %2. Aucune actualité n&apos;est récupérée tant que l&apos;horloge n&apos;est pas à l&apos;heure.</translation>
    </message>
    <message numerus="yes">
        <source>%Ln line(s) of %1 were left out: a keyword can be at most %2 characters long.</source>
        <translation>
            <numerusform>%Ln ligne de %1 a été écartée&#xa0;: un mot-clé peut compter au plus %2 caractères.</numerusform>
            <numerusform>%Ln lignes de %1 ont été écartées&#xa0;: un mot-clé peut compter au plus %2 caractères.</numerusform>
        </translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a list</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;est pas une liste</translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds something other than text</source>
        <translation>«&#xa0;%1&#xa0;» contient autre chose que du texte</translation>
    </message>
    <message>
        <source>Tidewick is already running but does not answer. If it has stopped responding, end it (for example in the system monitor) and start Tidewick again.</source>
        <translation>Tidewick est déjà en cours d&apos;exécution mais ne répond pas. S&apos;il est bloqué, arrêtez-le (par exemple dans le moniteur système) puis relancez Tidewick.</translation>
    </message>
    <message>
        <source>What was found cannot be kept in %1 (%2).</source>
        <translation>Les articles trouvés ne peuvent pas être conservés dans %1 (%2).</translation>
    </message>
    <message>
        <source>%1 is not a regular file, so what was found is not kept.</source>
        <translation>%1 n&apos;est pas un fichier ordinaire&#xa0;: les articles trouvés ne sont donc pas conservés.</translation>
    </message>
    <message>
        <source>What was found cannot be kept: %1 cannot be read and cannot be moved aside.</source>
        <translation>Les articles trouvés ne peuvent pas être conservés&#xa0;: %1 est illisible et ne peut pas être mis de côté.</translation>
    </message>
    <message>
        <source>What was found cannot be kept in %1.</source>
        <translation>Les articles trouvés ne peuvent pas être conservés dans %1.</translation>
    </message>
    <message>
        <source>The history of what was found, %1, could not be read; it was kept as %2 and a new one was started.</source>
        <translation>L&apos;historique des articles trouvés, %1, n&apos;a pas pu être lu&#x202f;; il a été conservé sous le nom %2 et un nouvel historique a été créé.</translation>
    </message>
</context>
<context>
    <name>tidewick::MainWindow</name>
    <message>
        <source>Next news fetch will occur in</source>
        <translation>Prochaine récupération dans</translation>
    </message>
    <message>
        <source>Time until the next news fetch</source>
        <translation>Temps restant avant la prochaine récupération des actualités</translation>
    </message>
    <message>
        <source>Startup Options</source>
        <translation>Options de démarrage</translation>
    </message>
    <message>
        <source>How often would you like to news fetch?</source>
        <translation>Fréquence de récupération</translation>
    </message>
    <message>
        <source>Drag and drop files here. Double-click item to remove it. Move | line to right and out of window to reveal full names.</source>
        <translation>Glissez-déposez des fichiers ici. Double-cliquez sur un élément pour le retirer. Faites glisser la ligne | vers la droite, hors de la fenêtre, pour afficher les noms complets.</translation>
    </message>
    <message>
        <source>Removes every keyword from the Keyword/s list</source>
        <translation>Retire tous les mots-clés de la liste Mots-clés</translation>
    </message>
    <message>
        <source>Removes every row from the News list</source>
        <translation>Retire toutes les lignes de la liste Actualités</translation>
    </message>
    <message>
        <source>This keyword is %1 characters long. A keyword can be at most %2 characters long; it was not added.</source>
        <translation>Ce mot-clé compte %1 caractères. Un mot-clé ne peut pas dépasser %2 caractères&#x202f;; il n&apos;a pas été ajouté.</translation>
    </message>
    <message>
        <source>This keyword holds %1, which a keyword cannot hold; it was not added.</source>
        <translation>Ce mot-clé contient %1, ce qui est interdit dans un mot-clé&#x202f;; il n&apos;a pas été ajouté.</translation>
    </message>
    <message>
        <source>Enter one keyword:</source>
        <translation>Saisissez un mot-clé&#xa0;:</translation>
    </message>
    <message>
        <source>Load List(s) - Hold Ctrl to select multiple list files</source>
        <translation>Charger des listes - Maintenez Ctrl pour sélectionner plusieurs fichiers</translation>
    </message>
    <message>
        <source>An article announced before, by its link or its text, is neither announced nor added to the News list again</source>
        <translation>Un article déjà annoncé, reconnu à son lien ou à son texte, n&apos;est plus annoncé ni ajouté à la liste Actualités</translation>
    </message>
    <message>
        <source>Forget the Articles Announced So Far</source>
        <translation>Oublier les articles déjà annoncés</translation>
    </message>
    <message>
        <source>The link %1 could not be opened: the desktop found no program for web pages, or it did not start.</source>
        <translation>Impossible d&apos;ouvrir le lien %1&#xa0;: le bureau n&apos;a trouvé aucun programme pour les pages web, ou celui-ci n&apos;a pas démarré.</translation>
    </message>
    <message>
        <source>There are no results to save.</source>
        <translation>Aucun résultat à enregistrer.</translation>
    </message>
    <message>
        <source>Save List</source>
        <translation>Enregistrer la liste</translation>
    </message>
    <message>
        <source>Automatic news fetch is Off.</source>
        <translation>La récupération automatique des actualités est désactivée.</translation>
    </message>
    <message>
        <source>Choose how often to fetch the news.</source>
        <translation>Choisissez la fréquence de récupération.</translation>
    </message>
    <message>
        <source>Next news fetch will occur in %1</source>
        <translation>Prochaine récupération dans %1</translation>
    </message>
    <message>
        <source>has been minimized to the system tray.<byte value="xd"/>
Click on the blue &apos;K&apos; icon (K for Kestrow) to bring the software back.</source>
        <translation>a été réduit dans la zone de notification.<byte value="xd"/>
Cliquez sur l&apos;icône bleue «&#xa0;K&#xa0;» (K pour Kestrow) pour rouvrir le logiciel.</translation>
    </message>
    <message>
        <source>Find an article</source>
        <translation>Rechercher un article</translation>
    </message>
    <message>
        <source>Shows only the rows of the News list that hold every word typed</source>
        <translation>N&apos;affiche que les lignes de la liste Actualités contenant tous les mots saisis</translation>
    </message>
    <message>
        <source>Load this software at l&amp;og-on</source>
        <translation>Lancer à l&apos;&amp;ouverture de session</translation>
    </message>
    <message>
        <source>M&amp;inimized to system tray</source>
        <translation>Réduit en &amp;zone de notification</translation>
    </message>
    <message>
        <source>&amp;Turn On Automatic News Fetch</source>
        <translation>Activer la &amp;récupération auto</translation>
    </message>
    <message>
        <source>News Fetch &amp;Now (Test)</source>
        <translation>Récupérer &amp;maintenant (test)</translation>
    </message>
    <message>
        <source>&amp;Save Results</source>
        <translation>&amp;Enregistrer les résultats</translation>
    </message>
    <message>
        <source>Clear &amp;List</source>
        <comment>empties the News list</comment>
        <translation>Vider la &amp;liste</translation>
    </message>
    <message>
        <source>&amp;Add One Keyword</source>
        <translation>&amp;Ajouter un mot-clé</translation>
    </message>
    <message>
        <source>Load List From Te&amp;xt File</source>
        <translation>Charger depuis un fichier &amp;texte</translation>
    </message>
    <message>
        <source>&amp;Clear List</source>
        <comment>empties the Keyword/s list</comment>
        <translation>&amp;Vider la liste</translation>
    </message>
    <message>
        <source>Load Sa&amp;mple/Example Data</source>
        <translation>Charger des &amp;données d&apos;exemple</translation>
    </message>
    <message>
        <source>Announce only ne&amp;w articles</source>
        <translation>N&apos;annoncer que les &amp;nouveaux articles</translation>
    </message>
    <message>
        <source>%1 is not a regular file (a device or a named pipe, say), so the results cannot be saved there. Please choose another name.</source>
        <translation>%1 n&apos;est pas un fichier ordinaire (c&apos;est par exemple un périphérique ou un tube nommé)&#xa0;: les résultats ne peuvent pas y être enregistrés. Veuillez choisir un autre nom.</translation>
    </message>
    <message>
        <source>Are you sure you wish to overwrite %1 ?</source>
        <translation>Voulez-vous vraiment remplacer %1&#x202f;?</translation>
    </message>
    <message>
        <source>&amp;Turn Off Automatic News Fetch</source>
        <translation>Désactiver la &amp;récupération auto</translation>
    </message>
    <message>
        <source>Tidewick is already running. Click here to show its window.</source>
        <translation>Tidewick est déjà en cours d&apos;exécution. Cliquez ici pour afficher sa fenêtre.</translation>
    </message>
    <message numerus="yes">
        <source>%Ln article(s) listed</source>
        <translation>
            <numerusform>%Ln article dans la liste</numerusform>
            <numerusform>%Ln articles dans la liste</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Automatic news fetch done: %Ln article(s) listed.</source>
        <translation>
            <numerusform>Récupération automatique terminée : %Ln article listé.</numerusform>
            <numerusform>Récupération automatique terminée : %Ln articles listés.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tidewick::TitleBar</name>
    <message>
        <source>Minimize</source>
        <translation>Réduire</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
</context>
</TS>
