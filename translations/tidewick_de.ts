<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>MainWindow</name>
    <message>
        <source>Keyword/s</source>
        <translation>Stichwörter</translation>
    </message>
    <message>
        <source>Local News Sites</source>
        <translation>Lokale Nachrichtenseiten</translation>
    </message>
    <message>
        <source>Categories</source>
        <translation>Kategorien</translation>
    </message>
    <message>
        <source>News</source>
        <translation>Nachrichten</translation>
    </message>
    <message>
        <source>Tidewick has forgotten the articles it announced: each one is announced again the next time the news service lists it.</source>
        <translation>Tidewick hat die bisher gemeldeten Artikel vergessen: Jeder Artikel wird erneut gemeldet, sobald der Nachrichtendienst ihn das nächste Mal aufführt.</translation>
    </message>
    <message>
        <source>A news fetch is using the memory of announced articles. Try again when it has ended.</source>
        <translation>Ein Abruf verwendet gerade die Liste der bereits gemeldeten Artikel. Versuchen Sie es erneut, wenn er beendet ist.</translation>
    </message>
    <message>
        <source>A news fetch is already running. The new one was not started.</source>
        <translation>Es läuft bereits ein Abruf. Der neue wurde nicht gestartet.</translation>
    </message>
    <message>
        <source>Done.</source>
        <translation>Fertig.</translation>
    </message>
    <message>
        <source>No news was fetched: the news service has refused further requests. Tidewick asks again after %1.</source>
        <translation>Es wurden keine Nachrichten abgerufen: Der Nachrichtendienst lehnt weitere Abfragen ab. Tidewick versucht es ab %1 erneut.</translation>
    </message>
    <message>
        <source>No news was fetched: the news service allows about 50 requests in 12 hours, and they have been made. Tidewick asks again after %1.</source>
        <translation>Es wurden keine Nachrichten abgerufen: Der Nachrichtendienst erlaubt etwa 50 Abfragen in 12 Stunden, und diese sind aufgebraucht. Tidewick versucht es ab %1 erneut.</translation>
    </message>
    <message numerus="yes">
        <source>%Ln keyword(s) of the watch list %1 were left out: a keyword holds more than blanks, no line break or text-direction control, and is at most %2 characters long.</source>
        <translation>
            <numerusform>%Ln Stichwort aus der Beobachtungsliste %1 wurde ausgelassen: Ein Stichwort besteht nicht nur aus Leerzeichen, enthält weder einen Zeilenumbruch noch ein Steuerzeichen für die Textrichtung und ist höchstens %2 Zeichen lang.</numerusform>
            <numerusform>%Ln Stichwörter aus der Beobachtungsliste %1 wurden ausgelassen: Ein Stichwort besteht nicht nur aus Leerzeichen, enthält weder einen Zeilenumbruch noch ein Steuerzeichen für die Textrichtung und ist höchstens %2 Zeichen lang.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Tidewick</name>
    <message>
        <source>Text Files (*.txt)</source>
        <translation>Textdateien (*.txt)</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Alle Dateien (*)</translation>
    </message>
    <message>
        <source>The news service address &quot;%1&quot; set by %2 cannot be used: %3.

Tidewick queries nothing until this is fixed; it does not fall back to another address. Give a host name, an IPv4 address or an IPv6 address in brackets, with an optional port, for example news.example.org:8080 or [2001:db8::1]:8080.</source>
        <translation>Die über %2 festgelegte Adresse des Nachrichtendienstes „%1“ kann nicht verwendet werden: %3.

Tidewick fragt nichts ab, bis dies behoben ist, und weicht nicht auf eine andere Adresse aus. Geben Sie einen Hostnamen, eine IPv4-Adresse oder eine IPv6-Adresse in eckigen Klammern an, optional mit Port, zum Beispiel news.example.org:8080 oder [2001:db8::1]:8080.</translation>
    </message>
    <message>
        <source>the command-line option --news-host</source>
        <translation>die Befehlszeilenoption --news-host</translation>
    </message>
    <message>
        <source>the environment variable TIDEWICK_NEWS_HOST</source>
        <translation>die Umgebungsvariable TIDEWICK_NEWS_HOST</translation>
    </message>
    <message>
        <source>the key NewsHost in the group [Service] of %1</source>
        <translation>den Schlüssel NewsHost in der Gruppe [Service] von %1</translation>
    </message>
    <message>
        <source>the build setting TIDEWICK_NEWS_HOST</source>
        <translation>die Build-Einstellung TIDEWICK_NEWS_HOST</translation>
    </message>
    <message>
        <source>Open Link</source>
        <translation>Link öffnen</translation>
    </message>
    <message>
        <source>Copy Link</source>
        <translation>Link kopieren</translation>
    </message>
    <message>
        <source>Copy Text</source>
        <translation>Text kopieren</translation>
    </message>
    <message>
        <source>Opens the article&apos;s link in the web browser</source>
        <translation>Öffnet den Link des Artikels im Webbrowser</translation>
    </message>
    <message>
        <source>Copies the article&apos;s link</source>
        <translation>Kopiert den Link des Artikels</translation>
    </message>
    <message>
        <source>Copies the texts of the selected rows, one a line</source>
        <translation>Kopiert die Texte der ausgewählten Zeilen, jeden in eine eigene Zeile</translation>
    </message>
    <message>
        <source>Double-click a row or press Enter to open its link. The context menu (menu key or Shift+F10) opens or copies the link or copies the selected rows.</source>
        <translation>Doppelklicken Sie auf eine Zeile oder drücken Sie die Eingabetaste, um ihren Link zu öffnen. Über das Kontextmenü (Menütaste oder Umschalt+F10) können Sie den Link öffnen oder kopieren oder die ausgewählten Zeilen kopieren.</translation>
    </message>
    <message>
        <source>Invalid picture</source>
        <translation>Ungültiges Bild</translation>
    </message>
    <message>
        <source>File not found: %1</source>
        <translation>Datei nicht gefunden: %1</translation>
    </message>
    <message>
        <source>Permission denied: %1</source>
        <translation>Zugriff verweigert: %1</translation>
    </message>
    <message>
        <source>Type mismatch</source>
        <translation>Typen unverträglich</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>Überlauf</translation>
    </message>
    <message>
        <source>Invalid procedure call or argument</source>
        <translation>Ungültiger Prozeduraufruf oder ungültiges Argument</translation>
    </message>
    <message>
        <source>at line </source>
        <translation>in Zeile </translation>
    </message>
    <message>
        <source>Please email screenshot of this message to </source>
        <translation>Bitte senden Sie ein Bildschirmfoto dieser Meldung per E-Mail an </translation>
    </message>
    <message>
        <source>Application Error</source>
        <translation>Anwendungsfehler</translation>
    </message>
    <message>
        <source>a line break or another control character</source>
        <translation>einen Zeilenumbruch oder ein anderes Steuerzeichen</translation>
    </message>
    <message>
        <source>a text-direction control (U+%1)</source>
        <translation>ein Steuerzeichen für die Textrichtung (U+%1)</translation>
    </message>
    <message>
        <source>Path/File access error: %1 is not a regular file. Tidewick uses the default settings and does not save them.</source>
        <translation>Fehler beim Zugriff auf Pfad/Datei: %1 ist keine reguläre Datei. Tidewick verwendet die Standardeinstellungen und speichert sie nicht.</translation>
    </message>
    <message>
        <source>Path/File access error: %1 is not a regular file, so the request count cannot be stored. Nothing is queried until it can be.</source>
        <translation>Fehler beim Zugriff auf Pfad/Datei: %1 ist keine reguläre Datei, daher kann der Abfragezähler nicht gespeichert werden. Bis das wieder möglich ist, wird nichts abgefragt.</translation>
    </message>
    <message>
        <source>The log-on entry was not written: the program&apos;s own path is unknown.</source>
        <translation>Der Starteintrag für die Anmeldung wurde nicht geschrieben: Der Pfad des Programms selbst ist nicht bekannt.</translation>
    </message>
    <message>
        <source>The log-on entry was not written: the program&apos;s path holds control characters that a desktop entry cannot carry.</source>
        <translation>Der Starteintrag für die Anmeldung wurde nicht geschrieben: Der Pfad des Programms enthält Steuerzeichen, die in einem Desktop-Eintrag nicht stehen können.</translation>
    </message>
    <message>
        <source>The log-on entry was not written: the folder %1 cannot be made.</source>
        <translation>Der Starteintrag für die Anmeldung wurde nicht geschrieben: Der Ordner %1 kann nicht angelegt werden.</translation>
    </message>
    <message>
        <source>The log-on entry %1 could not be written: %2.</source>
        <translation>Der Starteintrag für die Anmeldung (%1) konnte nicht geschrieben werden: %2.</translation>
    </message>
    <message>
        <source>The log-on entry %1 could not be removed: %2.</source>
        <translation>Der Starteintrag für die Anmeldung (%1) konnte nicht entfernt werden: %2.</translation>
    </message>
    <message>
        <source>Path/File access error: the request count in %1 cannot be locked: %2. This fetch stops here; the next one goes on from this query.</source>
        <translation>Fehler beim Zugriff auf Pfad/Datei: Der Abfragezähler in %1 kann nicht gesperrt werden: %2. Dieser Abruf endet hier; der nächste setzt bei dieser Abfrage fort.</translation>
    </message>
    <message>
        <source>File not found: the helper program &quot;%1&quot; is not on PATH (install the package &quot;%2&quot;)</source>
        <translation>Datei nicht gefunden: Das Hilfsprogramm „%1“ ist nicht im PATH zu finden (installieren Sie das Paket „%2“)</translation>
    </message>
    <message>
        <source>Path/File access error: %1 (%2)</source>
        <translation>Fehler beim Zugriff auf Pfad/Datei: %1 (%2)</translation>
    </message>
    <message>
        <source>it is empty</source>
        <translation>sie ist leer</translation>
    </message>
    <message>
        <source>it holds a control character</source>
        <translation>sie enthält ein Steuerzeichen</translation>
    </message>
    <message>
        <source>it holds a blank</source>
        <translation>sie enthält ein Leerzeichen</translation>
    </message>
    <message>
        <source>it holds a scheme (such as http://); give the host alone</source>
        <translation>sie enthält ein Schema (etwa http://); geben Sie nur den Host an</translation>
    </message>
    <message>
        <source>it holds a user part (before &quot;@&quot;)</source>
        <translation>sie enthält einen Benutzerteil (vor „@“)</translation>
    </message>
    <message>
        <source>it holds a path (from &quot;/&quot;, &quot;?&quot; or &quot;#&quot; on)</source>
        <translation>sie enthält einen Pfad (ab „/“, „?“ oder „#“)</translation>
    </message>
    <message>
        <source>the port &quot;%1&quot; is not a number from 1 to 65535</source>
        <translation>der Port „%1“ ist keine Zahl von 1 bis 65535</translation>
    </message>
    <message>
        <source>the host name is longer than 253 characters</source>
        <translation>der Hostname ist länger als 253 Zeichen</translation>
    </message>
    <message>
        <source>the IPv6 address lacks its closing &quot;]&quot;</source>
        <translation>der IPv6-Adresse fehlt die schließende Klammer „]“</translation>
    </message>
    <message>
        <source>only &quot;:PORT&quot; may follow the &quot;]&quot;</source>
        <translation>auf „]“ darf nur „:PORT“ folgen</translation>
    </message>
    <message>
        <source>an IPv6 address must be put in brackets, as in [2001:db8::1]:8080</source>
        <translation>eine IPv6-Adresse muss in eckigen Klammern stehen, wie in [2001:db8::1]:8080</translation>
    </message>
    <message>
        <source>the host is missing before the port</source>
        <translation>vor dem Port fehlt der Host</translation>
    </message>
    <message>
        <source>The keyword &quot;%1&quot; is longer than %2 characters and cannot be sent to the news service. It was skipped.</source>
        <translation>Das Stichwort „%1“ ist länger als %2 Zeichen und kann nicht an den Nachrichtendienst gesendet werden. Es wurde übersprungen.</translation>
    </message>
    <message>
        <source>The news service is given by its address (%1), and a country cannot be put in front of an address: the ticked countries are not queried. Give the service by its host name, or untick the countries.</source>
        <translation>Der Nachrichtendienst ist über seine Adresse (%1) angegeben, und einer Adresse kann kein Land vorangestellt werden: Die angekreuzten Länder werden nicht abgefragt. Geben Sie den Dienst über seinen Hostnamen an oder entfernen Sie die Häkchen bei den Ländern.</translation>
    </message>
    <message>
        <source>Division by zero</source>
        <translation>Division durch Null</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>keine reguläre Datei</translation>
    </message>
    <message>
        <source>File not found</source>
        <translation>Datei nicht gefunden</translation>
    </message>
    <message>
        <source>%1 was not loaded: it is larger than a keyword list can be (%2 MB).</source>
        <translation>%1 wurde nicht geladen: Die Datei ist größer, als eine Stichwortliste sein darf (%2 MB).</translation>
    </message>
    <message>
        <source>Path/File access error: %1</source>
        <translation>Fehler beim Zugriff auf Pfad/Datei: %1</translation>
    </message>
    <message>
        <source>Device I/O error: %1</source>
        <translation>Geräte-E/A-Fehler: %1</translation>
    </message>
    <message>
        <source>The watch list %1 cannot be read (%2).</source>
        <translation>Die Beobachtungsliste %1 kann nicht gelesen werden (%2).</translation>
    </message>
    <message>
        <source>The watch list cannot be saved to %1 (%2).</source>
        <translation>Die Beobachtungsliste kann nicht in %1 gespeichert werden (%2).</translation>
    </message>
    <message>
        <source>it is larger than a watch list can be, %1 MB</source>
        <translation>größer als für eine Beobachtungsliste zulässig, %1 MB</translation>
    </message>
    <message>
        <source>not a watch list: %1</source>
        <translation>keine Beobachtungsliste: %1</translation>
    </message>
    <message>
        <source>not a watch list</source>
        <translation>keine Beobachtungsliste</translation>
    </message>
    <message>
        <source> It was kept as %1, and the lists start empty.</source>
        <translation> Sie wurde als %1 aufbewahrt, und die Listen beginnen leer.</translation>
    </message>
    <message>
        <source> It could not be moved aside (%1): Tidewick leaves it as it is and does not save the lists.</source>
        <translation> Sie konnte nicht beiseitegelegt werden (%1): Tidewick lässt sie unverändert und speichert die Listen nicht.</translation>
    </message>
    <message>
        <source> Tidewick leaves it as it is and does not save the lists.</source>
        <translation> Tidewick lässt sie unverändert und speichert die Listen nicht.</translation>
    </message>
    <message>
        <source>it is not a regular file; Tidewick leaves it alone and does not save the lists</source>
        <translation>keine reguläre Datei; Tidewick lässt sie unangetastet und speichert die Listen nicht</translation>
    </message>
    <message>
        <source>its folder cannot be created</source>
        <translation>der zugehörige Ordner kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>Unknown character set: %1</source>
        <translation>Unbekannter Zeichensatz: %1</translation>
    </message>
    <message>
        <source>Cannot convert text to %1</source>
        <translation>Text kann nicht in %1 umgewandelt werden</translation>
    </message>
    <message>
        <source>Not a regular file: %1</source>
        <translation>Keine reguläre Datei: %1</translation>
    </message>
    <message>
        <source>Path not found: %1</source>
        <translation>Pfad nicht gefunden: %1</translation>
    </message>
    <message>
        <source>Device I/O error: %1 (%2)</source>
        <translation>Geräte-E/A-Fehler: %1 (%2)</translation>
    </message>
    <message>
        <source>Fetch every 30 minutes</source>
        <translation>Alle 30 Minuten abrufen</translation>
    </message>
    <message>
        <source>Fetch every 1 hour</source>
        <translation>Jede Stunde abrufen</translation>
    </message>
    <message>
        <source>Fetch every 6 hours</source>
        <translation>Alle 6 Stunden abrufen</translation>
    </message>
    <message>
        <source>Fetch every 12 hours</source>
        <translation>Alle 12 Stunden abrufen</translation>
    </message>
    <message>
        <source>Fetch every 24 hours</source>
        <translation>Alle 24 Stunden abrufen</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Anzeigen</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Show Tidewick</source>
        <translation>Tidewick anzeigen</translation>
    </message>
    <message>
        <source>News Fetch Now (Test)</source>
        <translation>Jetzt abrufen (Test)</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>%1 is a folder, not a lock file</source>
        <translation>%1 ist ein Ordner, keine Sperrdatei</translation>
    </message>
    <message>
        <source>%1 is a named pipe, not a lock file</source>
        <translation>%1 ist eine benannte Pipe, keine Sperrdatei</translation>
    </message>
    <message>
        <source>%1 is a symbolic link, not a lock file</source>
        <translation>%1 ist ein symbolischer Link, keine Sperrdatei</translation>
    </message>
    <message>
        <source>%1 is a device, not a lock file</source>
        <translation>%1 ist ein Gerät, keine Sperrdatei</translation>
    </message>
    <message>
        <source>%1 is a socket, not a lock file</source>
        <translation>%1 ist ein Socket, keine Sperrdatei</translation>
    </message>
    <message>
        <source>%1 is something other than a file, not a lock file</source>
        <translation>%1 ist etwas anderes als eine Datei, keine Sperrdatei</translation>
    </message>
    <message>
        <source>%1 is not usable (%2)</source>
        <translation>%1 ist nicht verwendbar (%2)</translation>
    </message>
    <message numerus="yes">
        <source>%1 is a file of %Ln byte(s), too large for a lock file</source>
        <translation>
            <numerusform>%1 ist eine Datei mit %Ln Byte, zu groß für eine Sperrdatei</numerusform>
            <numerusform>%1 ist eine Datei mit %Ln Bytes, zu groß für eine Sperrdatei</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 is not a lock file</source>
        <translation>%1 ist keine Sperrdatei</translation>
    </message>
    <message>
        <source>%1 is not lockable (%2)</source>
        <translation>%1 ist nicht sperrbar (%2)</translation>
    </message>
    <message numerus="yes">
        <source>another copy of Tidewick has held it for %Ln second(s)</source>
        <translation>
            <numerusform>eine andere Tidewick-Instanz hält die Sperre seit %Ln Sekunde</numerusform>
            <numerusform>eine andere Tidewick-Instanz hält die Sperre seit %Ln Sekunden</numerusform>
        </translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not an IPv4 address</source>
        <translation>„%1“ ist keine IPv4-Adresse</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a host name: each dot-separated part must be 1 to 63 letters (a-z), digits or inner hyphens</source>
        <translation>„%1“ ist kein Hostname: Jeder durch Punkte getrennte Teil muss aus 1 bis 63 Buchstaben (a-z), Ziffern oder Bindestrichen bestehen, wobei ein Bindestrich weder am Anfang noch am Ende stehen darf</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not an IPv6 address</source>
        <translation>„%1“ ist keine IPv6-Adresse</translation>
    </message>
    <message>
        <source>The news service&apos;s requests are counted from %1, another copy of Tidewick&apos;s time, but this computer&apos;s clock says %2. No news is fetched until the clock is right.</source>
        <translation>Die Abfragen beim Nachrichtendienst werden ab %1 gezählt (nach der Uhrzeit einer anderen Tidewick-Instanz), die Uhr dieses Computers zeigt aber %2. Bis die Uhr richtig geht, werden keine Nachrichten abgerufen.</translation>
    </message>
    <message numerus="yes">
        <source>%Ln line(s) of %1 were left out: a keyword can be at most %2 characters long.</source>
        <translation>
            <numerusform>%Ln Zeile aus %1 wurde ausgelassen: Ein Stichwort darf höchstens %2 Zeichen lang sein.</numerusform>
            <numerusform>%Ln Zeilen aus %1 wurden ausgelassen: Ein Stichwort darf höchstens %2 Zeichen lang sein.</numerusform>
        </translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a list</source>
        <translation>„%1“ ist keine Liste</translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds something other than text</source>
        <translation>„%1“ enthält etwas anderes als Text</translation>
    </message>
    <message>
        <source>Tidewick is already running but does not answer. If it has stopped responding, end it (for example in the system monitor) and start Tidewick again.</source>
        <translation>Tidewick läuft bereits, antwortet aber nicht. Falls das Programm nicht mehr reagiert, beenden Sie es (zum Beispiel in der Systemüberwachung) und starten Sie Tidewick erneut.</translation>
    </message>
    <message>
        <source>What was found cannot be kept in %1 (%2).</source>
        <translation>Die gefundenen Artikel können nicht in %1 gespeichert werden (%2).</translation>
    </message>
    <message>
        <source>%1 is not a regular file, so what was found is not kept.</source>
        <translation>%1 ist keine reguläre Datei, daher werden die gefundenen Artikel nicht gespeichert.</translation>
    </message>
    <message>
        <source>What was found cannot be kept: %1 cannot be read and cannot be moved aside.</source>
        <translation>Die gefundenen Artikel können nicht gespeichert werden: %1 kann weder gelesen noch beiseitegelegt werden.</translation>
    </message>
    <message>
        <source>What was found cannot be kept in %1.</source>
        <translation>Die gefundenen Artikel können nicht in %1 gespeichert werden.</translation>
    </message>
    <message>
        <source>The history of what was found, %1, could not be read; it was kept as %2 and a new one was started.</source>
        <translation>Der Verlauf der gefundenen Artikel (%1) konnte nicht gelesen werden; er wurde als %2 aufbewahrt und ein neuer angelegt.</translation>
    </message>
</context>
<context>
    <name>tidewick::MainWindow</name>
    <message>
        <source>Next news fetch will occur in</source>
        <translation>Nächster Abruf in</translation>
    </message>
    <message>
        <source>Time until the next news fetch</source>
        <translation>Zeit bis zum nächsten Abruf</translation>
    </message>
    <message>
        <source>Startup Options</source>
        <translation>Startoptionen</translation>
    </message>
    <message>
        <source>How often would you like to news fetch?</source>
        <translation>Wie oft sollen Nachrichten abgerufen werden?</translation>
    </message>
    <message>
        <source>Drag and drop files here. Double-click item to remove it. Move | line to right and out of window to reveal full names.</source>
        <translation>Ziehen Sie Dateien hierher. Ein Doppelklick auf einen Eintrag entfernt ihn. Ziehen Sie die Linie | nach rechts aus dem Fenster, um die vollständigen Namen zu sehen.</translation>
    </message>
    <message>
        <source>Removes every keyword from the Keyword/s list</source>
        <translation>Entfernt alle Stichwörter aus der Liste „Stichwörter“</translation>
    </message>
    <message>
        <source>Removes every row from the News list</source>
        <translation>Entfernt alle Zeilen aus der Liste „Nachrichten“</translation>
    </message>
    <message>
        <source>This keyword is %1 characters long. A keyword can be at most %2 characters long; it was not added.</source>
        <translation>Dieses Stichwort ist %1 Zeichen lang. Ein Stichwort darf höchstens %2 Zeichen lang sein; es wurde nicht hinzugefügt.</translation>
    </message>
    <message>
        <source>This keyword holds %1, which a keyword cannot hold; it was not added.</source>
        <translation>Dieses Stichwort enthält %1, was in einem Stichwort nicht zulässig ist; es wurde nicht hinzugefügt.</translation>
    </message>
    <message>
        <source>Enter one keyword:</source>
        <translation>Geben Sie ein Stichwort ein:</translation>
    </message>
    <message>
        <source>Load List(s) - Hold Ctrl to select multiple list files</source>
        <translation>Listen laden – zum Auswählen mehrerer Listendateien Strg gedrückt halten</translation>
    </message>
    <message>
        <source>An article announced before, by its link or its text, is neither announced nor added to the News list again</source>
        <translation>Ein bereits gemeldeter Artikel (erkannt an seinem Link oder Text) wird weder erneut gemeldet noch erneut zur Liste „Nachrichten“ hinzugefügt</translation>
    </message>
    <message>
        <source>Forget the Articles Announced So Far</source>
        <translation>Bisher gemeldete Artikel vergessen</translation>
    </message>
    <message>
        <source>The link %1 could not be opened: the desktop found no program for web pages, or it did not start.</source>
        <translation>Der Link %1 konnte nicht geöffnet werden: Die Arbeitsumgebung hat kein Programm für Webseiten gefunden, oder das Programm ist nicht gestartet.</translation>
    </message>
    <message>
        <source>There are no results to save.</source>
        <translation>Es gibt keine Nachrichten, die gespeichert werden können.</translation>
    </message>
    <message>
        <source>Save List</source>
        <translation>Liste speichern</translation>
    </message>
    <message>
        <source>Automatic news fetch is Off.</source>
        <translation>Der automatische Abruf ist ausgeschaltet.</translation>
    </message>
    <message>
        <source>Choose how often to fetch the news.</source>
        <translation>Wählen Sie, wie oft Nachrichten abgerufen werden sollen.</translation>
    </message>
    <message>
        <source>Next news fetch will occur in %1</source>
        <translation>Nächster Abruf in %1</translation>
    </message>
    <message>
        <source>has been minimized to the system tray.<byte value="xd"/>
Click on the blue &apos;K&apos; icon (K for Kestrow) to bring the software back.</source>
        <translation>wurde in den Infobereich minimiert.<byte value="xd"/>
Klicken Sie auf das blaue „K“-Symbol (K für Kestrow), um das Programm wieder anzuzeigen.</translation>
    </message>
    <message>
        <source>Find an article</source>
        <translation>Artikel suchen</translation>
    </message>
    <message>
        <source>Shows only the rows of the News list that hold every word typed</source>
        <translation>Zeigt nur die Zeilen der Liste „Nachrichten“, die alle eingegebenen Wörter enthalten</translation>
    </message>
    <message>
        <source>Load this software at l&amp;og-on</source>
        <translation>Beim A&amp;nmelden starten</translation>
    </message>
    <message>
        <source>M&amp;inimized to system tray</source>
        <translation>Minimiert im &amp;Infobereich</translation>
    </message>
    <message>
        <source>&amp;Turn On Automatic News Fetch</source>
        <translation>&amp;Automatischen Abruf einschalten</translation>
    </message>
    <message>
        <source>News Fetch &amp;Now (Test)</source>
        <translation>&amp;Jetzt abrufen (Test)</translation>
    </message>
    <message>
        <source>&amp;Save Results</source>
        <translation>Liste &amp;speichern</translation>
    </message>
    <message>
        <source>Clear &amp;List</source>
        <comment>empties the News list</comment>
        <translation>&amp;Liste leeren</translation>
    </message>
    <message>
        <source>&amp;Add One Keyword</source>
        <translation>Stichwort &amp;hinzufügen</translation>
    </message>
    <message>
        <source>Load List From Te&amp;xt File</source>
        <translation>Liste aus &amp;Textdatei laden</translation>
    </message>
    <message>
        <source>&amp;Clear List</source>
        <comment>empties the Keyword/s list</comment>
        <translation>Liste l&amp;eeren</translation>
    </message>
    <message>
        <source>Load Sa&amp;mple/Example Data</source>
        <translation>&amp;Beispieldaten laden</translation>
    </message>
    <message>
        <source>Announce only ne&amp;w articles</source>
        <translation>Nur neue Artikel &amp;melden</translation>
    </message>
    <message>
        <source>%1 is not a regular file (a device or a named pipe, say), so the results cannot be saved there. Please choose another name.</source>
        <translation>%1 ist keine reguläre Datei (sondern zum Beispiel ein Gerät oder eine benannte Pipe), daher können die Nachrichten dort nicht gespeichert werden. Bitte wählen Sie einen anderen Namen.</translation>
    </message>
    <message>
        <source>Are you sure you wish to overwrite %1 ?</source>
        <translation>Möchten Sie %1 wirklich überschreiben?</translation>
    </message>
    <message>
        <source>&amp;Turn Off Automatic News Fetch</source>
        <translation>&amp;Automatischen Abruf ausschalten</translation>
    </message>
    <message>
        <source>Tidewick is already running. Click here to show its window.</source>
        <translation>Tidewick läuft bereits. Klicken Sie hier, um das Fenster anzuzeigen.</translation>
    </message>
    <message numerus="yes">
        <source>%Ln article(s) listed</source>
        <translation>
            <numerusform>%Ln Artikel in der Liste</numerusform>
            <numerusform>%Ln Artikel in der Liste</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Automatic news fetch done: %Ln article(s) listed.</source>
        <translation>
            <numerusform>Automatischer Abruf beendet: %Ln Artikel aufgelistet.</numerusform>
            <numerusform>Automatischer Abruf beendet: %Ln Artikel aufgelistet.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tidewick::TitleBar</name>
    <message>
        <source>Minimize</source>
        <translation>Minimieren</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
</TS>
