<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>MainWindow</name>
    <message>
        <source>Keyword/s</source>
        <translation>Parole chiave</translation>
    </message>
    <message>
        <source>Local News Sites</source>
        <translation>Siti di notizie locali</translation>
    </message>
    <message>
        <source>Categories</source>
        <translation>Categorie</translation>
    </message>
    <message>
        <source>News</source>
        <translation>Notizie</translation>
    </message>
    <message>
        <source>Tidewick has forgotten the articles it announced: each one is announced again the next time the news service lists it.</source>
        <translation>Tidewick ha dimenticato gli articoli notificati: ciascuno verrà notificato di nuovo la prossima volta che il servizio di notizie lo elencherà.</translation>
    </message>
    <message>
        <source>A news fetch is using the memory of announced articles. Try again when it has ended.</source>
        <translation>Un recupero delle notizie sta usando la cronologia degli articoli notificati. Riprovare al termine del recupero.</translation>
    </message>
    <message>
        <source>A news fetch is already running. The new one was not started.</source>
        <translation>È già in corso un recupero delle notizie. Il nuovo recupero non è stato avviato.</translation>
    </message>
    <message>
        <source>Done.</source>
        <translation>Operazione completata.</translation>
    </message>
    <message>
        <source>No news was fetched: the news service has refused further requests. Tidewick asks again after %1.</source>
        <translation>Nessuna notizia recuperata: il servizio di notizie ha rifiutato ulteriori richieste. Tidewick riproverà dopo %1.</translation>
    </message>
    <message>
        <source>No news was fetched: the news service allows about 50 requests in 12 hours, and they have been made. Tidewick asks again after %1.</source>
        <translation>Nessuna notizia recuperata: il servizio di notizie consente circa 50 richieste ogni 12 ore e sono già state usate tutte. Tidewick riproverà dopo %1.</translation>
    </message>
    <message numerus="yes">
        <source>%Ln keyword(s) of the watch list %1 were left out: a keyword holds more than blanks, no line break or text-direction control, and is at most %2 characters long.</source>
        <translation>
            <numerusform>%Ln parola chiave dell&apos;elenco di monitoraggio %1 è stata esclusa: una parola chiave non può essere formata solo da spazi, non può contenere interruzioni di riga né caratteri di controllo della direzione del testo e può essere lunga al massimo %2 caratteri.</numerusform>
            <numerusform>%Ln parole chiave dell&apos;elenco di monitoraggio %1 sono state escluse: una parola chiave non può essere formata solo da spazi, non può contenere interruzioni di riga né caratteri di controllo della direzione del testo e può essere lunga al massimo %2 caratteri.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Tidewick</name>
    <message>
        <source>Text Files (*.txt)</source>
        <translation>File di testo (*.txt)</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Tutti i file (*)</translation>
    </message>
    <message>
        <source>The news service address &quot;%1&quot; set by %2 cannot be used: %3.

Tidewick queries nothing until this is fixed; it does not fall back to another address. Give a host name, an IPv4 address or an IPv6 address in brackets, with an optional port, for example news.example.org:8080 or [2001:db8::1]:8080.</source>
        <translation>Impossibile usare l&apos;indirizzo del servizio di notizie &quot;%1&quot; impostato tramite %2: %3.

Finché il problema non viene risolto, Tidewick non esegue alcuna interrogazione e non ripiega su un altro indirizzo. Indicare un nome host, un indirizzo IPv4 o un indirizzo IPv6 tra parentesi quadre, con una porta facoltativa, ad esempio news.example.org:8080 o [2001:db8::1]:8080.</translation>
    </message>
    <message>
        <source>the command-line option --news-host</source>
        <translation>l&apos;opzione della riga di comando --news-host</translation>
    </message>
    <message>
        <source>the environment variable TIDEWICK_NEWS_HOST</source>
        <translation>la variabile d&apos;ambiente TIDEWICK_NEWS_HOST</translation>
    </message>
    <message>
        <source>the key NewsHost in the group [Service] of %1</source>
        <translation>la chiave NewsHost nel gruppo [Service] di %1</translation>
    </message>
    <message>
        <source>the build setting TIDEWICK_NEWS_HOST</source>
        <translation>il parametro di compilazione TIDEWICK_NEWS_HOST</translation>
    </message>
    <message>
        <source>Open Link</source>
        <translation>Apri collegamento</translation>
    </message>
    <message>
        <source>Copy Link</source>
        <translation>Copia collegamento</translation>
    </message>
    <message>
        <source>Copy Text</source>
        <translation>Copia testo</translation>
    </message>
    <message>
        <source>Opens the article&apos;s link in the web browser</source>
        <translation>Apre il collegamento dell&apos;articolo nel browser web</translation>
    </message>
    <message>
        <source>Copies the article&apos;s link</source>
        <translation>Copia il collegamento dell&apos;articolo</translation>
    </message>
    <message>
        <source>Copies the texts of the selected rows, one a line</source>
        <translation>Copia i testi delle righe selezionate, uno per riga</translation>
    </message>
    <message>
        <source>Double-click a row or press Enter to open its link. The context menu (menu key or Shift+F10) opens or copies the link or copies the selected rows.</source>
        <translation>Fare doppio clic su una riga o premere Invio per aprirne il collegamento. Il menu di scelta rapida (tasto Menu o Maiusc+F10) apre o copia il collegamento oppure copia le righe selezionate.</translation>
    </message>
    <message>
        <source>Invalid picture</source>
        <translation>Immagine non valida</translation>
    </message>
    <message>
        <source>File not found: %1</source>
        <translation>Impossibile trovare il file: %1</translation>
    </message>
    <message>
        <source>Permission denied: %1</source>
        <translation>Autorizzazione negata: %1</translation>
    </message>
    <message>
        <source>Type mismatch</source>
        <translation>Tipo non corrispondente</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>Overflow</translation>
    </message>
    <message>
        <source>Invalid procedure call or argument</source>
        <translation>Chiamata di routine o argomento non validi</translation>
    </message>
    <message>
        <source>at line </source>
        <translation>alla riga </translation>
    </message>
    <message>
        <source>Please email screenshot of this message to </source>
        <translation>Inviare per e-mail una schermata di questo messaggio a </translation>
    </message>
    <message>
        <source>Application Error</source>
        <translation>Errore dell&apos;applicazione</translation>
    </message>
    <message>
        <source>a line break or another control character</source>
        <translation>un&apos;interruzione di riga o un altro carattere di controllo</translation>
    </message>
    <message>
        <source>a text-direction control (U+%1)</source>
        <translation>un carattere di controllo della direzione del testo (U+%1)</translation>
    </message>
    <message>
        <source>Path/File access error: %1 is not a regular file. Tidewick uses the default settings and does not save them.</source>
        <translation>Errore di accesso al percorso/file: %1 non è un file regolare. Tidewick usa le impostazioni predefinite e non le salva.</translation>
    </message>
    <message>
        <source>Path/File access error: %1 is not a regular file, so the request count cannot be stored. Nothing is queried until it can be.</source>
        <translation>Errore di accesso al percorso/file: %1 non è un file regolare, quindi non è possibile memorizzare il contatore delle richieste. Finché non sarà possibile, non verrà eseguita alcuna interrogazione.</translation>
    </message>
    <message>
        <source>The log-on entry was not written: the program&apos;s own path is unknown.</source>
        <translation>La voce di avvio all&apos;accesso non è stata scritta: il percorso del programma è sconosciuto.</translation>
    </message>
    <message>
        <source>The log-on entry was not written: the program&apos;s path holds control characters that a desktop entry cannot carry.</source>
        <translation>La voce di avvio all&apos;accesso non è stata scritta: il percorso del programma contiene caratteri di controllo non ammessi in un file .desktop.</translation>
    </message>
    <message>
        <source>The log-on entry was not written: the folder %1 cannot be made.</source>
        <translation>La voce di avvio all&apos;accesso non è stata scritta: impossibile creare la cartella %1.</translation>
    </message>
    <message>
        <source>The log-on entry %1 could not be written: %2.</source>
        <translation>Impossibile scrivere la voce di avvio all&apos;accesso %1: %2.</translation>
    </message>
    <message>
        <source>The log-on entry %1 could not be removed: %2.</source>
        <translation>Impossibile rimuovere la voce di avvio all&apos;accesso %1: %2.</translation>
    </message>
    <message>
        <source>Path/File access error: the request count in %1 cannot be locked: %2. This fetch stops here; the next one goes on from this query.</source>
        <translation>Errore di accesso al percorso/file: impossibile bloccare il contatore delle richieste in %1: %2. Questo recupero si interrompe qui; il successivo riprenderà da questa interrogazione.</translation>
    </message>
    <message>
        <source>File not found: the helper program &quot;%1&quot; is not on PATH (install the package &quot;%2&quot;)</source>
        <translation>Impossibile trovare il file: il programma ausiliario &quot;%1&quot; non si trova in PATH (installare il pacchetto &quot;%2&quot;)</translation>
    </message>
    <message>
        <source>Path/File access error: %1 (%2)</source>
        <translation>Errore di accesso al percorso/file: %1 (%2)</translation>
    </message>
    <message>
        <source>it is empty</source>
        <translation>è vuoto</translation>
    </message>
    <message>
        <source>it holds a control character</source>
        <translation>contiene un carattere di controllo</translation>
    </message>
    <message>
        <source>it holds a blank</source>
        <translation>contiene uno spazio</translation>
    </message>
    <message>
        <source>it holds a scheme (such as http://); give the host alone</source>
        <translation>contiene uno schema (come http://); indicare solo l&apos;host</translation>
    </message>
    <message>
        <source>it holds a user part (before &quot;@&quot;)</source>
        <translation>contiene una parte utente (prima di &quot;@&quot;)</translation>
    </message>
    <message>
        <source>it holds a path (from &quot;/&quot;, &quot;?&quot; or &quot;#&quot; on)</source>
        <translation>contiene un percorso (a partire da &quot;/&quot;, &quot;?&quot; o &quot;#&quot;)</translation>
    </message>
    <message>
        <source>the port &quot;%1&quot; is not a number from 1 to 65535</source>
        <translation>la porta &quot;%1&quot; non è un numero compreso tra 1 e 65535</translation>
    </message>
    <message>
        <source>the host name is longer than 253 characters</source>
        <translation>il nome host supera i 253 caratteri</translation>
    </message>
    <message>
        <source>the IPv6 address lacks its closing &quot;]&quot;</source>
        <translation>all&apos;indirizzo IPv6 manca la &quot;]&quot; di chiusura</translation>
    </message>
    <message>
        <source>only &quot;:PORT&quot; may follow the &quot;]&quot;</source>
        <translation>dopo la &quot;]&quot; può seguire solo &quot;:PORTA&quot;</translation>
    </message>
    <message>
        <source>an IPv6 address must be put in brackets, as in [2001:db8::1]:8080</source>
        <translation>un indirizzo IPv6 va racchiuso tra parentesi quadre, come in [2001:db8::1]:8080</translation>
    </message>
    <message>
        <source>the host is missing before the port</source>
        <translation>manca l&apos;host prima della porta</translation>
    </message>
    <message>
        <source>The keyword &quot;%1&quot; is longer than %2 characters and cannot be sent to the news service. It was skipped.</source>
        <translation>La parola chiave &quot;%1&quot; supera i %2 caratteri e non può essere inviata al servizio di notizie. È stata saltata.</translation>
    </message>
    <message>
        <source>The news service is given by its address (%1), and a country cannot be put in front of an address: the ticked countries are not queried. Give the service by its host name, or untick the countries.</source>
        <translation>Il servizio di notizie è indicato tramite il suo indirizzo (%1) e non è possibile anteporre un paese a un indirizzo: i paesi selezionati non vengono interrogati. Indicare il servizio con il suo nome host oppure deselezionare i paesi.</translation>
    </message>
    <message>
        <source>Division by zero</source>
        <translation>Divisione per zero</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>non è un file regolare</translation>
    </message>
    <message>
        <source>File not found</source>
        <translation>Impossibile trovare il file</translation>
    </message>
    <message>
        <source>%1 was not loaded: it is larger than a keyword list can be (%2 MB).</source>
        <translation>%1 non è stato caricato: supera la dimensione massima di un elenco di parole chiave (%2 MB).</translation>
    </message>
    <message>
        <source>Path/File access error: %1</source>
        <translation>Errore di accesso al percorso/file: %1</translation>
    </message>
    <message>
        <source>Device I/O error: %1</source>
        <translation>Errore di I/O del dispositivo: %1</translation>
    </message>
    <message>
        <source>The watch list %1 cannot be read (%2).</source>
        <translation>Impossibile leggere l&apos;elenco di monitoraggio %1 (%2).</translation>
    </message>
    <message>
        <source>The watch list cannot be saved to %1 (%2).</source>
        <translation>Impossibile salvare l&apos;elenco di monitoraggio in %1 (%2).</translation>
    </message>
    <message>
        <source>it is larger than a watch list can be, %1 MB</source>
        <translation>supera la dimensione massima consentita di %1 MB</translation>
    </message>
    <message>
        <source>not a watch list: %1</source>
        <translation>non è un elenco di monitoraggio: %1</translation>
    </message>
    <message>
        <source>not a watch list</source>
        <translation>non è un elenco di monitoraggio</translation>
    </message>
    <message>
        <source> It was kept as %1, and the lists start empty.</source>
        <translation> È stato conservato come %1 e gli elenchi ripartono vuoti.</translation>
    </message>
    <message>
        <source> It could not be moved aside (%1): Tidewick leaves it as it is and does not save the lists.</source>
        <translation> Non è stato possibile spostarlo altrove (%1): Tidewick lo lascia com&apos;è e non salva gli elenchi.</translation>
    </message>
    <message>
        <source> Tidewick leaves it as it is and does not save the lists.</source>
        <translation> Tidewick lo lascia com&apos;è e non salva gli elenchi.</translation>
    </message>
    <message>
        <source>it is not a regular file; Tidewick leaves it alone and does not save the lists</source>
        <translation>non è un file regolare; Tidewick non lo modifica e non salva gli elenchi</translation>
    </message>
    <message>
        <source>its folder cannot be created</source>
        <translation>impossibile creare la cartella di destinazione</translation>
    </message>
    <message>
        <source>Unknown character set: %1</source>
        <translation>Set di caratteri sconosciuto: %1</translation>
    </message>
    <message>
        <source>Cannot convert text to %1</source>
        <translation>Impossibile convertire il testo in %1</translation>
    </message>
    <message>
        <source>Not a regular file: %1</source>
        <translation>Non è un file regolare: %1</translation>
    </message>
    <message>
        <source>Path not found: %1</source>
        <translation>Impossibile trovare il percorso: %1</translation>
    </message>
    <message>
        <source>Device I/O error: %1 (%2)</source>
        <translation>Errore di I/O del dispositivo: %1 (%2)</translation>
    </message>
    <message>
        <source>Fetch every 30 minutes</source>
        <translation>Recupera ogni 30 minuti</translation>
    </message>
    <message>
        <source>Fetch every 1 hour</source>
        <translation>Recupera ogni ora</translation>
    </message>
    <message>
        <source>Fetch every 6 hours</source>
        <translation>Recupera ogni 6 ore</translation>
    </message>
    <message>
        <source>Fetch every 12 hours</source>
        <translation>Recupera ogni 12 ore</translation>
    </message>
    <message>
        <source>Fetch every 24 hours</source>
        <translation>Recupera ogni 24 ore</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Mostra</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Apri</translation>
    </message>
    <message>
        <source>Show Tidewick</source>
        <translation>Mostra Tidewick</translation>
    </message>
    <message>
        <source>News Fetch Now (Test)</source>
        <translation>Recupera ora (test)</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Esci</translation>
    </message>
    <message>
        <source>%1 is a folder, not a lock file</source>
        <translation>%1 è una cartella, non un file di blocco</translation>
    </message>
    <message>
        <source>%1 is a named pipe, not a lock file</source>
        <translation>%1 è una pipe con nome, non un file di blocco</translation>
    </message>
    <message>
        <source>%1 is a symbolic link, not a lock file</source>
        <translation>%1 è un collegamento simbolico, non un file di blocco</translation>
    </message>
    <message>
        <source>%1 is a device, not a lock file</source>
        <translation>%1 è un dispositivo, non un file di blocco</translation>
    </message>
    <message>
        <source>%1 is a socket, not a lock file</source>
        <translation>%1 è un socket, non un file di blocco</translation>
    </message>
    <message>
        <source>%1 is something other than a file, not a lock file</source>
        <translation>%1 è qualcosa di diverso da un file, non un file di blocco</translation>
    </message>
    <message>
        <source>%1 is not usable (%2)</source>
        <translation>%1 non è utilizzabile (%2)</translation>
    </message>
    <message numerus="yes">
        <source>%1 is a file of %Ln byte(s), too large for a lock file</source>
        <translation>
            <numerusform>%1 è un file di %Ln byte, troppo grande per un file di blocco</numerusform>
            <numerusform>%1 è un file di %Ln byte, troppo grande per un file di blocco</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 is not a lock file</source>
        <translation>%1 non è un file di blocco</translation>
    </message>
    <message>
        <source>%1 is not lockable (%2)</source>
        <translation>%1 non può essere bloccato (%2)</translation>
    </message>
    <message numerus="yes">
        <source>another copy of Tidewick has held it for %Ln second(s)</source>
        <translation>
            <numerusform>un&apos;altra copia di Tidewick lo tiene bloccato da %Ln secondo</numerusform>
            <numerusform>un&apos;altra copia di Tidewick lo tiene bloccato da %Ln secondi</numerusform>
        </translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not an IPv4 address</source>
        <translation>&quot;%1&quot; non è un indirizzo IPv4</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a host name: each dot-separated part must be 1 to 63 letters (a-z), digits or inner hyphens</source>
        <translation>&quot;%1&quot; non è un nome host: ogni parte separata da punti deve avere da 1 a 63 caratteri tra lettere (a-z), cifre e trattini (non all&apos;inizio né alla fine)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not an IPv6 address</source>
        <translation>&quot;%1&quot; non è un indirizzo IPv6</translation>
    </message>
    <message>
        <source>The news service&apos;s requests are counted from %1, another copy of Tidewick&apos;s time, but this computer&apos;s clock says %2. No news is fetched until the clock is right.</source>
        <translation>Le richieste al servizio di notizie vengono conteggiate a partire da %1, secondo l&apos;orario di un&apos;altra copia di Tidewick, ma l&apos;orologio di questo computer indica %2. Nessuna notizia verrà recuperata finché l&apos;orologio non sarà corretto.</translation>
    </message>
    <message numerus="yes">
        <source>%Ln line(s) of %1 were left out: a keyword can be at most %2 characters long.</source>
        <translation>
            <numerusform>%Ln riga di %1 è stata esclusa: una parola chiave può essere lunga al massimo %2 caratteri.</numerusform>
            <numerusform>%Ln righe di %1 sono state escluse: una parola chiave può essere lunga al massimo %2 caratteri.</numerusform>
        </translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a list</source>
        <translation>&quot;%1&quot; non è un elenco</translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds something other than text</source>
        <translation>&quot;%1&quot; contiene dati che non sono testo</translation>
    </message>
    <message>
        <source>Tidewick is already running but does not answer. If it has stopped responding, end it (for example in the system monitor) and start Tidewick again.</source>
        <translation>Tidewick è già in esecuzione ma non risponde. Se si è bloccato, terminarlo (ad esempio dal monitor di sistema) e avviarlo di nuovo.</translation>
    </message>
    <message>
        <source>What was found cannot be kept in %1 (%2).</source>
        <translation>Impossibile conservare gli articoli trovati in %1 (%2).</translation>
    </message>
    <message>
        <source>%1 is not a regular file, so what was found is not kept.</source>
        <translation>%1 non è un file regolare, quindi gli articoli trovati non vengono conservati.</translation>
    </message>
    <message>
        <source>What was found cannot be kept: %1 cannot be read and cannot be moved aside.</source>
        <translation>Impossibile conservare gli articoli trovati: %1 non è leggibile e non può essere spostato altrove.</translation>
    </message>
    <message>
        <source>What was found cannot be kept in %1.</source>
        <translation>Impossibile conservare gli articoli trovati in %1.</translation>
    </message>
    <message>
        <source>The history of what was found, %1, could not be read; it was kept as %2 and a new one was started.</source>
        <translation>Impossibile leggere la cronologia degli articoli trovati, %1: è stata conservata come %2 ed è stata avviata una nuova cronologia.</translation>
    </message>
</context>
<context>
    <name>tidewick::MainWindow</name>
    <message>
        <source>Next news fetch will occur in</source>
        <translation>Prossimo recupero delle notizie tra</translation>
    </message>
    <message>
        <source>Time until the next news fetch</source>
        <translation>Tempo rimanente al prossimo recupero delle notizie</translation>
    </message>
    <message>
        <source>Startup Options</source>
        <translation>Opzioni di avvio</translation>
    </message>
    <message>
        <source>How often would you like to news fetch?</source>
        <translation>Ogni quanto recuperare le notizie?</translation>
    </message>
    <message>
        <source>Drag and drop files here. Double-click item to remove it. Move | line to right and out of window to reveal full names.</source>
        <translation>Trascinare qui i file. Fare doppio clic su una voce per rimuoverla. Spostare la linea | verso destra, fuori dalla finestra, per vedere i nomi completi.</translation>
    </message>
    <message>
        <source>Removes every keyword from the Keyword/s list</source>
        <translation>Rimuove tutte le parole chiave dall&apos;elenco Parole chiave</translation>
    </message>
    <message>
        <source>Removes every row from the News list</source>
        <translation>Rimuove tutte le righe dall&apos;elenco Notizie</translation>
    </message>
    <message>
        <source>This keyword is %1 characters long. A keyword can be at most %2 characters long; it was not added.</source>
        <translation>Questa parola chiave è lunga %1 caratteri. Una parola chiave può essere lunga al massimo %2 caratteri; non è stata aggiunta.</translation>
    </message>
    <message>
        <source>This keyword holds %1, which a keyword cannot hold; it was not added.</source>
        <translation>Questa parola chiave contiene un carattere non consentito: %1. Non è stata aggiunta.</translation>
    </message>
    <message>
        <source>Enter one keyword:</source>
        <translation>Inserire una parola chiave:</translation>
    </message>
    <message>
        <source>Load List(s) - Hold Ctrl to select multiple list files</source>
        <translation>Carica elenchi - Tenere premuto Ctrl per selezionare più file di elenco</translation>
    </message>
    <message>
        <source>An article announced before, by its link or its text, is neither announced nor added to the News list again</source>
        <translation>Un articolo già notificato, riconosciuto dal collegamento o dal testo, non viene più notificato né aggiunto di nuovo all&apos;elenco Notizie</translation>
    </message>
    <message>
        <source>Forget the Articles Announced So Far</source>
        <translation>Dimentica gli articoli già notificati</translation>
    </message>
    <message>
        <source>The link %1 could not be opened: the desktop found no program for web pages, or it did not start.</source>
        <translation>Impossibile aprire il collegamento %1: il desktop non ha trovato alcun programma per le pagine web, oppure il programma non si è avviato.</translation>
    </message>
    <message>
        <source>There are no results to save.</source>
        <translation>Non ci sono risultati da salvare.</translation>
    </message>
    <message>
        <source>Save List</source>
        <translation>Salva elenco</translation>
    </message>
    <message>
        <source>Automatic news fetch is Off.</source>
        <translation>Il recupero automatico delle notizie è disattivato.</translation>
    </message>
    <message>
        <source>Choose how often to fetch the news.</source>
        <translation>Scegliere ogni quanto recuperare le notizie.</translation>
    </message>
    <message>
        <source>Next news fetch will occur in %1</source>
        <translation>Prossimo recupero delle notizie tra %1</translation>
    </message>
    <message>
        <source>has been minimized to the system tray.<byte value="xd"/>
Click on the blue &apos;K&apos; icon (K for Kestrow) to bring the software back.</source>
        <translation>è stato ridotto a icona nell&apos;area di notifica.<byte value="xd"/>
Fare clic sull&apos;icona blu con la «K» (K di Kestrow) per ripristinare il programma.</translation>
    </message>
    <message>
        <source>Find an article</source>
        <translation>Cerca un articolo</translation>
    </message>
    <message>
        <source>Shows only the rows of the News list that hold every word typed</source>
        <translation>Mostra solo le righe dell&apos;elenco Notizie che contengono tutte le parole digitate</translation>
    </message>
    <message>
        <source>Load this software at l&amp;og-on</source>
        <translation>Avvia il &amp;programma all&apos;accesso</translation>
    </message>
    <message>
        <source>M&amp;inimized to system tray</source>
        <translation>R&amp;idotto nell&apos;area di notifica</translation>
    </message>
    <message>
        <source>&amp;Turn On Automatic News Fetch</source>
        <translation>Attiva &amp;recupero automatico</translation>
    </message>
    <message>
        <source>News Fetch &amp;Now (Test)</source>
        <translation>Recupera &amp;ora (test)</translation>
    </message>
    <message>
        <source>&amp;Save Results</source>
        <translation>&amp;Salva risultati</translation>
    </message>
    <message>
        <source>Clear &amp;List</source>
        <comment>empties the News list</comment>
        <translation>Svuota e&amp;lenco</translation>
    </message>
    <message>
        <source>&amp;Add One Keyword</source>
        <translation>&amp;Aggiungi parola chiave</translation>
    </message>
    <message>
        <source>Load List From Te&amp;xt File</source>
        <translation>Carica da file di &amp;testo</translation>
    </message>
    <message>
        <source>&amp;Clear List</source>
        <comment>empties the Keyword/s list</comment>
        <translation>Svuota &amp;elenco</translation>
    </message>
    <message>
        <source>Load Sa&amp;mple/Example Data</source>
        <translation>Carica &amp;dati di esempio</translation>
    </message>
    <message>
        <source>Announce only ne&amp;w articles</source>
        <translation>Notifica solo gli articoli &amp;nuovi</translation>
    </message>
    <message>
        <source>%1 is not a regular file (a device or a named pipe, say), so the results cannot be saved there. Please choose another name.</source>
        <translation>%1 non è un file regolare (è ad esempio un dispositivo o una pipe con nome), quindi non è possibile salvarvi i risultati. Scegliere un altro nome.</translation>
    </message>
    <message>
        <source>Are you sure you wish to overwrite %1 ?</source>
        <translation>Sovrascrivere davvero %1?</translation>
    </message>
    <message>
        <source>&amp;Turn Off Automatic News Fetch</source>
        <translation>Disattiva &amp;recupero automatico</translation>
    </message>
    <message>
        <source>Tidewick is already running. Click here to show its window.</source>
        <translation>Tidewick è già in esecuzione. Fare clic qui per mostrarne la finestra.</translation>
    </message>
    <message numerus="yes">
        <source>%Ln article(s) listed</source>
        <translation>
            <numerusform>%Ln articolo nell&apos;elenco</numerusform>
            <numerusform>%Ln articoli nell&apos;elenco</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Automatic news fetch done: %Ln article(s) listed.</source>
        <translation>
            <numerusform>Recupero automatico terminato: %Ln articolo in elenco.</numerusform>
            <numerusform>Recupero automatico terminato: %Ln articoli in elenco.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tidewick::TitleBar</name>
    <message>
        <source>Minimize</source>
        <translation>Riduci a icona</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
</context>
</TS>
