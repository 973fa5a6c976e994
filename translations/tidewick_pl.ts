<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL">
<context>
    <name>MainWindow</name>
    <message>
        <source>Keyword/s</source>
        <translation>Słowa kluczowe</translation>
    </message>
    <message>
        <source>Local News Sites</source>
        <translation>Lokalne serwisy informacyjne</translation>
    </message>
    <message>
        <source>Categories</source>
        <translation>Kategorie</translation>
    </message>
    <message>
        <source>News</source>
        <translation>Wiadomości</translation>
    </message>
    <message>
        <source>Tidewick has forgotten the articles it announced: each one is announced again the next time the news service lists it.</source>
        <translation>Tidewick zapomniał o artykułach, o których już powiadomił: o każdym z nich powiadomi ponownie, gdy serwis informacyjny znów go poda.</translation>
    </message>
    <message>
        <source>A news fetch is using the memory of announced articles. Try again when it has ended.</source>
        <translation>Trwające pobieranie wiadomości korzysta z historii powiadomień. Spróbuj ponownie po jego zakończeniu.</translation>
    </message>
    <message>
        <source>A news fetch is already running. The new one was not started.</source>
        <translation>Pobieranie wiadomości już trwa. Nowe pobieranie nie zostało rozpoczęte.</translation>
    </message>
    <message>
        <source>Done.</source>
        <translation>Gotowe.</translation>
    </message>
    <message>
        <source>No news was fetched: the news service has refused further requests. Tidewick asks again after %1.</source>
        <translation>Nie pobrano wiadomości: serwis informacyjny odmówił przyjmowania kolejnych zapytań. Tidewick zapyta ponownie po %1.</translation>
    </message>
    <message>
        <source>No news was fetched: the news service allows about 50 requests in 12 hours, and they have been made. Tidewick asks again after %1.</source>
        <translation>Nie pobrano wiadomości: serwis informacyjny przyjmuje około 50 zapytań w ciągu 12 godzin, a ten limit został już wykorzystany. Tidewick zapyta ponownie po %1.</translation>
    </message>
    <message numerus="yes">
        <source>%Ln keyword(s) of the watch list %1 were left out: a keyword holds more than blanks, no line break or text-direction control, and is at most %2 characters long.</source>
        <translation>
            <numerusform>Pominięto %Ln słowo kluczowe z listy obserwowanych %1: słowo kluczowe musi zawierać coś więcej niż białe znaki, nie może zawierać znaków końca wiersza ani znaków sterujących kierunkiem tekstu i może mieć najwyżej %2 znaków.</numerusform>
            <numerusform>Pominięto %Ln słowa kluczowe z listy obserwowanych %1: słowo kluczowe musi zawierać coś więcej niż białe znaki, nie może zawierać znaków końca wiersza ani znaków sterujących kierunkiem tekstu i może mieć najwyżej %2 znaków.</numerusform>
            <numerusform>Pominięto %Ln słów kluczowych z listy obserwowanych %1: słowo kluczowe musi zawierać coś więcej niż białe znaki, nie może zawierać znaków końca wiersza ani znaków sterujących kierunkiem tekstu i może mieć najwyżej %2 znaków.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Tidewick</name>
    <message>
        <source>Text Files (*.txt)</source>
        <translation>Pliki tekstowe (*.txt)</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Wszystkie pliki (*)</translation>
    </message>
    <message>
        <source>The news service address &quot;%1&quot; set by %2 cannot be used: %3.

Tidewick queries nothing until this is fixed; it does not fall back to another address. Give a host name, an IPv4 address or an IPv6 address in brackets, with an optional port, for example news.example.org:8080 or [2001:db8::1]:8080.</source>
        <translation>Nie można użyć adresu serwisu informacyjnego „%1” (źródło: %2): %3.

Dopóki problem nie zostanie usunięty, Tidewick nie wysyła żadnych zapytań i nie przełącza się na inny adres. Podaj nazwę hosta, adres IPv4 lub adres IPv6 w nawiasach kwadratowych, opcjonalnie z portem, np. news.example.org:8080 lub [2001:db8::1]:8080.</translation>
    </message>
    <message>
        <source>the command-line option --news-host</source>
        <translation>opcja wiersza poleceń --news-host</translation>
    </message>
    <message>
        <source>the environment variable TIDEWICK_NEWS_HOST</source>
        <translation>zmienna środowiskowa TIDEWICK_NEWS_HOST</translation>
    </message>
    <message>
        <source>the key NewsHost in the group [Service] of %1</source>
        <translation>klucz NewsHost w grupie [Service] pliku %1</translation>
    </message>
    <message>
        <source>the build setting TIDEWICK_NEWS_HOST</source>
        <translation>ustawienie kompilacji TIDEWICK_NEWS_HOST</translation>
    </message>
    <message>
        <source>Open Link</source>
        <translation>Otwórz link</translation>
    </message>
    <message>
        <source>Copy Link</source>
        <translation>Kopiuj link</translation>
    </message>
    <message>
        <source>Copy Text</source>
        <translation>Kopiuj tekst</translation>
    </message>
    <message>
        <source>Opens the article&apos;s link in the web browser</source>
        <translation>Otwiera link artykułu w przeglądarce internetowej</translation>
    </message>
    <message>
        <source>Copies the article&apos;s link</source>
        <translation>Kopiuje link artykułu</translation>
    </message>
    <message>
        <source>Copies the texts of the selected rows, one a line</source>
        <translation>Kopiuje teksty zaznaczonych wierszy, po jednym w wierszu</translation>
    </message>
    <message>
        <source>Double-click a row or press Enter to open its link. The context menu (menu key or Shift+F10) opens or copies the link or copies the selected rows.</source>
        <translation>Kliknij dwukrotnie wiersz lub naciśnij Enter, aby otworzyć jego link. Menu kontekstowe (klawisz menu lub Shift+F10) pozwala otworzyć lub skopiować link albo skopiować zaznaczone wiersze.</translation>
    </message>
    <message>
        <source>Invalid picture</source>
        <translation>Nieprawidłowy obraz</translation>
    </message>
    <message>
        <source>File not found: %1</source>
        <translation>Nie znaleziono pliku: %1</translation>
    </message>
    <message>
        <source>Permission denied: %1</source>
        <translation>Odmowa uprawnień: %1</translation>
    </message>
    <message>
        <source>Type mismatch</source>
        <translation>Niezgodność typów</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>Przepełnienie</translation>
    </message>
    <message>
        <source>Invalid procedure call or argument</source>
        <translation>Nieprawidłowe wywołanie procedury lub argument</translation>
    </message>
    <message>
        <source>at line </source>
        <translation>w wierszu </translation>
    </message>
    <message>
        <source>Please email screenshot of this message to </source>
        <translation>Prześlij zrzut ekranu tego komunikatu na adres </translation>
    </message>
    <message>
        <source>Application Error</source>
        <translation>Błąd aplikacji</translation>
    </message>
    <message>
        <source>a line break or another control character</source>
        <translation>znak końca wiersza lub inny znak sterujący</translation>
    </message>
    <message>
        <source>a text-direction control (U+%1)</source>
        <translation>znak sterujący kierunkiem tekstu (U+%1)</translation>
    </message>
    <message>
        <source>Path/File access error: %1 is not a regular file. Tidewick uses the default settings and does not save them.</source>
        <translation>Błąd dostępu do ścieżki/pliku: %1 nie jest zwykłym plikiem. Tidewick używa ustawień domyślnych i ich nie zapisuje.</translation>
    </message>
    <message>
        <source>Path/File access error: %1 is not a regular file, so the request count cannot be stored. Nothing is queried until it can be.</source>
        <translation>Błąd dostępu do ścieżki/pliku: %1 nie jest zwykłym plikiem, więc nie można zapisać licznika zapytań. Dopóki nie będzie to możliwe, nie są wysyłane żadne zapytania.</translation>
    </message>
    <message>
        <source>The log-on entry was not written: the program&apos;s own path is unknown.</source>
        <translation>Nie zapisano wpisu uruchamiania przy logowaniu: ścieżka programu jest nieznana.</translation>
    </message>
    <message>
        <source>The log-on entry was not written: the program&apos;s path holds control characters that a desktop entry cannot carry.</source>
        <translation>Nie zapisano wpisu uruchamiania przy logowaniu: ścieżka programu zawiera znaki sterujące, których nie może zawierać plik .desktop.</translation>
    </message>
    <message>
        <source>The log-on entry was not written: the folder %1 cannot be made.</source>
        <translation>Nie zapisano wpisu uruchamiania przy logowaniu: nie można utworzyć folderu %1.</translation>
    </message>
    <message>
        <source>The log-on entry %1 could not be written: %2.</source>
        <translation>Nie można zapisać wpisu uruchamiania przy logowaniu %1: %2.</translation>
    </message>
    <message>
        <source>The log-on entry %1 could not be removed: %2.</source>
        <translation>Nie można usunąć wpisu uruchamiania przy logowaniu %1: %2.</translation>
    </message>
    <message>
        <source>Path/File access error: the request count in %1 cannot be locked: %2. This fetch stops here; the next one goes on from this query.</source>
        <translation>Błąd dostępu do ścieżki/pliku: nie można zablokować licznika zapytań w %1: %2. To pobieranie zostaje tu przerwane; następne będzie kontynuowane od tego zapytania.</translation>
    </message>
    <message>
        <source>File not found: the helper program &quot;%1&quot; is not on PATH (install the package &quot;%2&quot;)</source>
        <translation>Nie znaleziono pliku: programu pomocniczego „%1” nie ma w PATH (zainstaluj pakiet „%2”)</translation>
    </message>
    <message>
        <source>Path/File access error: %1 (%2)</source>
        <translation>Błąd dostępu do ścieżki/pliku: %1 (%2)</translation>
    </message>
    <message>
        <source>it is empty</source>
        <translation>adres jest pusty</translation>
    </message>
    <message>
        <source>it holds a control character</source>
        <translation>zawiera znak sterujący</translation>
    </message>
    <message>
        <source>it holds a blank</source>
        <translation>zawiera biały znak</translation>
    </message>
    <message>
        <source>it holds a scheme (such as http://); give the host alone</source>
        <translation>zawiera schemat (np. http://); podaj sam host</translation>
    </message>
    <message>
        <source>it holds a user part (before &quot;@&quot;)</source>
        <translation>zawiera część z nazwą użytkownika (przed „@”)</translation>
    </message>
    <message>
        <source>it holds a path (from &quot;/&quot;, &quot;?&quot; or &quot;#&quot; on)</source>
        <translation>zawiera ścieżkę (od „/”, „?” lub „#”)</translation>
    </message>
    <message>
        <source>the port &quot;%1&quot; is not a number from 1 to 65535</source>
        <translation>port „%1” nie jest liczbą z zakresu od 1 do 65535</translation>
    </message>
    <message>
        <source>the host name is longer than 253 characters</source>
        <translation>nazwa hosta jest dłuższa niż 253 znaki</translation>
    </message>
    <message>
        <source>the IPv6 address lacks its closing &quot;]&quot;</source>
        <translation>w adresie IPv6 brakuje zamykającego „]”</translation>
    </message>
    <message>
        <source>only &quot;:PORT&quot; may follow the &quot;]&quot;</source>
        <translation>po „]” może występować tylko „:PORT”</translation>
    </message>
    <message>
        <source>an IPv6 address must be put in brackets, as in [2001:db8::1]:8080</source>
        <translation>adres IPv6 musi być ujęty w nawiasy kwadratowe, np. [2001:db8::1]:8080</translation>
    </message>
    <message>
        <source>the host is missing before the port</source>
        <translation>przed portem brakuje hosta</translation>
    </message>
    <message>
        <source>The keyword &quot;%1&quot; is longer than %2 characters and cannot be sent to the news service. It was skipped.</source>
        <translation>Słowo kluczowe „%1” ma ponad %2 znaków i nie może zostać wysłane do serwisu informacyjnego. Zostało pominięte.</translation>
    </message>
    <message>
        <source>The news service is given by its address (%1), and a country cannot be put in front of an address: the ticked countries are not queried. Give the service by its host name, or untick the countries.</source>
        <translation>Serwis informacyjny jest podany jako adres (%1), a przed adresem nie można umieścić kraju: zaznaczone kraje nie są odpytywane. Podaj serwis za pomocą nazwy hosta albo odznacz kraje.</translation>
    </message>
    <message>
        <source>Division by zero</source>
        <translation>Dzielenie przez zero</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>nie jest to zwykły plik</translation>
    </message>
    <message>
        <source>File not found</source>
        <translation>Nie znaleziono pliku</translation>
    </message>
    <message>
        <source>%1 was not loaded: it is larger than a keyword list can be (%2 MB).</source>
        <translation>Nie wczytano pliku %1: przekracza on maksymalny rozmiar listy słów kluczowych (%2 MB).</translation>
    </message>
    <message>
        <source>Path/File access error: %1</source>
        <translation>Błąd dostępu do ścieżki/pliku: %1</translation>
    </message>
    <message>
        <source>Device I/O error: %1</source>
        <translation>Błąd wejścia/wyjścia urządzenia: %1</translation>
    </message>
    <message>
        <source>The watch list %1 cannot be read (%2).</source>
        <translation>Nie można odczytać listy obserwowanych %1 (%2).</translation>
    </message>
    <message>
        <source>The watch list cannot be saved to %1 (%2).</source>
        <translation>Nie można zapisać listy obserwowanych w %1 (%2).</translation>
    </message>
    <message>
        <source>it is larger than a watch list can be, %1 MB</source>
        <translation>jest większa niż dopuszczalne %1 MB</translation>
    </message>
    <message>
        <source>not a watch list: %1</source>
        <translation>to nie jest lista obserwowanych: %1</translation>
    </message>
    <message>
        <source>not a watch list</source>
        <translation>to nie jest lista obserwowanych</translation>
    </message>
    <message>
        <source> It was kept as %1, and the lists start empty.</source>
        <translation> Zachowano ją jako %1, a listy są na razie puste.</translation>
    </message>
    <message>
        <source> It could not be moved aside (%1): Tidewick leaves it as it is and does not save the lists.</source>
        <translation> Nie udało się jej przenieść w inne miejsce (%1): Tidewick pozostawia ją bez zmian i nie zapisuje list.</translation>
    </message>
    <message>
        <source> Tidewick leaves it as it is and does not save the lists.</source>
        <translation> Tidewick pozostawia ją bez zmian i nie zapisuje list.</translation>
    </message>
    <message>
        <source>it is not a regular file; Tidewick leaves it alone and does not save the lists</source>
        <translation>nie jest to zwykły plik; Tidewick nie zmienia go i nie zapisuje list</translation>
    </message>
    <message>
        <source>its folder cannot be created</source>
        <translation>nie można utworzyć folderu docelowego</translation>
    </message>
    <message>
        <source>Unknown character set: %1</source>
        <translation>Nieznany zestaw znaków: %1</translation>
    </message>
    <message>
        <source>Cannot convert text to %1</source>
        <translation>Nie można przekonwertować tekstu na %1</translation>
    </message>
    <message>
        <source>Not a regular file: %1</source>
        <translation>To nie jest zwykły plik: %1</translation>
    </message>
    <message>
        <source>Path not found: %1</source>
        <translation>Nie znaleziono ścieżki: %1</translation>
    </message>
    <message>
        <source>Device I/O error: %1 (%2)</source>
        <translation>Błąd wejścia/wyjścia urządzenia: %1 (%2)</translation>
    </message>
    <message>
        <source>Fetch every 30 minutes</source>
        <translation>Pobieraj co 30 minut</translation>
    </message>
    <message>
        <source>Fetch every 1 hour</source>
        <translation>Pobieraj co godzinę</translation>
    </message>
    <message>
        <source>Fetch every 6 hours</source>
        <translation>Pobieraj co 6 godzin</translation>
    </message>
    <message>
        <source>Fetch every 12 hours</source>
        <translation>Pobieraj co 12 godzin</translation>
    </message>
    <message>
        <source>Fetch every 24 hours</source>
        <translation>Pobieraj co 24 godziny</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Pokaż</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Otwórz</translation>
    </message>
    <message>
        <source>Show Tidewick</source>
        <translation>Pokaż Tidewick</translation>
    </message>
    <message>
        <source>News Fetch Now (Test)</source>
        <translation>Pobierz teraz (test)</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Zakończ</translation>
    </message>
    <message>
        <source>%1 is a folder, not a lock file</source>
        <translation>%1 to folder, a nie plik blokady</translation>
    </message>
    <message>
        <source>%1 is a named pipe, not a lock file</source>
        <translation>%1 to potok nazwany, a nie plik blokady</translation>
    </message>
    <message>
        <source>%1 is a symbolic link, not a lock file</source>
        <translation>%1 to dowiązanie symboliczne, a nie plik blokady</translation>
    </message>
    <message>
        <source>%1 is a device, not a lock file</source>
        <translation>%1 to urządzenie, a nie plik blokady</translation>
    </message>
    <message>
        <source>%1 is a socket, not a lock file</source>
        <translation>%1 to gniazdo, a nie plik blokady</translation>
    </message>
    <message>
        <source>%1 is something other than a file, not a lock file</source>
        <translation>%1 nie jest plikiem, więc nie może być plikiem blokady</translation>
    </message>
    <message>
        <source>%1 is not usable (%2)</source>
        <translation>nie można użyć %1 (%2)</translation>
    </message>
    <message numerus="yes">
        <source>%1 is a file of %Ln byte(s), too large for a lock file</source>
        <translation>
            <numerusform>%1 to plik zajmujący %Ln bajt, za duży jak na plik blokady</numerusform>
            <numerusform>%1 to plik zajmujący %Ln bajty, za duży jak na plik blokady</numerusform>
            <numerusform>%1 to plik zajmujący %Ln bajtów, za duży jak na plik blokady</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 is not a lock file</source>
        <translation>%1 nie jest plikiem blokady</translation>
    </message>
    <message>
        <source>%1 is not lockable (%2)</source>
        <translation>nie można zablokować %1 (%2)</translation>
    </message>
    <message numerus="yes">
        <source>another copy of Tidewick has held it for %Ln second(s)</source>
        <translation>
            <numerusform>inna kopia programu Tidewick blokuje go od %Ln sekundy</numerusform>
            <numerusform>inna kopia programu Tidewick blokuje go od %Ln sekund</numerusform>
            <numerusform>inna kopia programu Tidewick blokuje go od %Ln sekund</numerusform>
        </translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not an IPv4 address</source>
        <translation>„%1” nie jest adresem IPv4</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a host name: each dot-separated part must be 1 to 63 letters (a-z), digits or inner hyphens</source>
        <translation>„%1” nie jest nazwą hosta: każda część między kropkami musi mieć od 1 do 63 znaków i składać się z liter (a-z), cyfr lub łączników, które nie mogą stać na jej początku ani końcu</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not an IPv6 address</source>
        <translation>„%1” nie jest adresem IPv6</translation>
    </message>
    <message>
        <source>The news service&apos;s requests are counted from %1, another copy of Tidewick&apos;s time, but this computer&apos;s clock says %2. No news is fetched until the clock is right.</source>
        <translation>Zapytania do serwisu informacyjnego są liczone od %1 (według czasu innej kopii programu Tidewick), ale zegar tego komputera wskazuje %2. Dopóki zegar nie zostanie poprawiony, wiadomości nie będą pobierane.</translation>
    </message>
    <message numerus="yes">
        <source>%Ln line(s) of %1 were left out: a keyword can be at most %2 characters long.</source>
        <translation>
            <numerusform>Pominięto %Ln wiersz z pliku %1: słowo kluczowe może mieć najwyżej %2 znaków.</numerusform>
            <numerusform>Pominięto %Ln wiersze z pliku %1: słowo kluczowe może mieć najwyżej %2 znaków.</numerusform>
            <numerusform>Pominięto %Ln wierszy z pliku %1: słowo kluczowe może mieć najwyżej %2 znaków.</numerusform>
        </translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a list</source>
        <translation>„%1” nie jest listą</translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds something other than text</source>
        <translation>„%1” zawiera coś innego niż tekst</translation>
    </message>
    <message>
        <source>Tidewick is already running but does not answer. If it has stopped responding, end it (for example in the system monitor) and start Tidewick again.</source>
        <translation>Tidewick już działa, ale nie odpowiada. Jeśli program przestał reagować, zakończ go (np. w monitorze systemu) i uruchom Tidewick ponownie.</translation>
    </message>
    <message>
        <source>What was found cannot be kept in %1 (%2).</source>
        <translation>Nie można przechowywać znalezionych artykułów w %1 (%2).</translation>
    </message>
    <message>
        <source>%1 is not a regular file, so what was found is not kept.</source>
        <translation>%1 nie jest zwykłym plikiem, więc znalezione artykuły nie są przechowywane.</translation>
    </message>
    <message>
        <source>What was found cannot be kept: %1 cannot be read and cannot be moved aside.</source>
        <translation>Nie można przechowywać znalezionych artykułów: nie można odczytać pliku %1 ani przenieść go w inne miejsce.</translation>
    </message>
    <message>
        <source>What was found cannot be kept in %1.</source>
        <translation>Nie można przechowywać znalezionych artykułów w %1.</translation>
    </message>
    <message>
        <source>The history of what was found, %1, could not be read; it was kept as %2 and a new one was started.</source>
        <translation>Nie można odczytać historii znalezionych artykułów (%1); zachowano ją jako %2 i rozpoczęto nową.</translation>
    </message>
</context>
<context>
    <name>tidewick::MainWindow</name>
    <message>
        <source>Next news fetch will occur in</source>
        <translation>Następne pobieranie wiadomości za</translation>
    </message>
    <message>
        <source>Time until the next news fetch</source>
        <translation>Czas do następnego pobierania wiadomości</translation>
    </message>
    <message>
        <source>Startup Options</source>
        <translation>Opcje uruchamiania</translation>
    </message>
    <message>
        <source>How often would you like to news fetch?</source>
        <translation>Jak często pobierać wiadomości?</translation>
    </message>
    <message>
        <source>Drag and drop files here. Double-click item to remove it. Move | line to right and out of window to reveal full names.</source>
        <translation>Przeciągnij i upuść tutaj pliki. Kliknij dwukrotnie element, aby go usunąć. Przesuń linię | w prawo, poza okno, aby zobaczyć pełne nazwy.</translation>
    </message>
    <message>
        <source>Removes every keyword from the Keyword/s list</source>
        <translation>Usuwa wszystkie słowa kluczowe z listy Słowa kluczowe</translation>
    </message>
    <message>
        <source>Removes every row from the News list</source>
        <translation>Usuwa wszystkie wiersze z listy Wiadomości</translation>
    </message>
    <message>
        <source>This keyword is %1 characters long. A keyword can be at most %2 characters long; it was not added.</source>
        <translation>To słowo kluczowe składa się z %1 znaków, a może mieć najwyżej %2, więc nie zostało dodane.</translation>
    </message>
    <message>
        <source>This keyword holds %1, which a keyword cannot hold; it was not added.</source>
        <translation>To słowo kluczowe zawiera niedozwolony znak: %1. Nie zostało dodane.</translation>
    </message>
    <message>
        <source>Enter one keyword:</source>
        <translation>Wpisz słowo kluczowe:</translation>
    </message>
    <message>
        <source>Load List(s) - Hold Ctrl to select multiple list files</source>
        <translation>Wczytaj listy – przytrzymaj Ctrl, aby zaznaczyć kilka plików list</translation>
    </message>
    <message>
        <source>An article announced before, by its link or its text, is neither announced nor added to the News list again</source>
        <translation>Artykuł, o którym już powiadomiono (rozpoznawany po linku lub tekście), nie wywołuje ponownie powiadomienia ani nie jest ponownie dodawany do listy Wiadomości</translation>
    </message>
    <message>
        <source>Forget the Articles Announced So Far</source>
        <translation>Zapomnij o dotychczasowych powiadomieniach</translation>
    </message>
    <message>
        <source>The link %1 could not be opened: the desktop found no program for web pages, or it did not start.</source>
        <translation>Nie można otworzyć linku %1: środowisko pulpitu nie znalazło programu do stron internetowych albo nie udało się go uruchomić.</translation>
    </message>
    <message>
        <source>There are no results to save.</source>
        <translation>Brak wyników do zapisania.</translation>
    </message>
    <message>
        <source>Save List</source>
        <translation>Zapisz listę</translation>
    </message>
    <message>
        <source>Automatic news fetch is Off.</source>
        <translation>Automatyczne pobieranie wiadomości jest wyłączone.</translation>
    </message>
    <message>
        <source>Choose how often to fetch the news.</source>
        <translation>Wybierz, jak często pobierać wiadomości.</translation>
    </message>
    <message>
        <source>Next news fetch will occur in %1</source>
        <translation>Następne pobieranie wiadomości za %1</translation>
    </message>
    <message>
        <source>has been minimized to the system tray.<byte value="xd"/>
Click on the blue &apos;K&apos; icon (K for Kestrow) to bring the software back.</source>
        <translation>został zminimalizowany do zasobnika systemowego.<byte value="xd"/>
Kliknij niebieską ikonę „K” (K jak Kestrow), aby przywrócić program.</translation>
    </message>
    <message>
        <source>Find an article</source>
        <translation>Znajdź artykuł</translation>
    </message>
    <message>
        <source>Shows only the rows of the News list that hold every word typed</source>
        <translation>Pokazuje tylko te wiersze listy Wiadomości, które zawierają wszystkie wpisane słowa</translation>
    </message>
    <message>
        <source>Load this software at l&amp;og-on</source>
        <translation>&amp;Uruchamiaj przy logowaniu</translation>
    </message>
    <message>
        <source>M&amp;inimized to system tray</source>
        <translation>W zasobniku &amp;systemowym</translation>
    </message>
    <message>
        <source>&amp;Turn On Automatic News Fetch</source>
        <translation>Włącz &amp;automatyczne pobieranie</translation>
    </message>
    <message>
        <source>News Fetch &amp;Now (Test)</source>
        <translation>Pobierz &amp;teraz (test)</translation>
    </message>
    <message>
        <source>&amp;Save Results</source>
        <translation>&amp;Zapisz wyniki</translation>
    </message>
    <message>
        <source>Clear &amp;List</source>
        <comment>empties the News list</comment>
        <translation>Wyczyść &amp;listę</translation>
    </message>
    <message>
        <source>&amp;Add One Keyword</source>
        <translation>Dodaj słowo &amp;kluczowe</translation>
    </message>
    <message>
        <source>Load List From Te&amp;xt File</source>
        <translation>Wczytaj z &amp;pliku tekstowego</translation>
    </message>
    <message>
        <source>&amp;Clear List</source>
        <comment>empties the Keyword/s list</comment>
        <translation>&amp;Wyczyść listę</translation>
    </message>
    <message>
        <source>Load Sa&amp;mple/Example Data</source>
        <translation>Wczytaj przykładowe &amp;dane</translation>
    </message>
    <message>
        <source>Announce only ne&amp;w articles</source>
        <translation>Powiadamiaj tylko o &amp;nowych artykułach</translation>
    </message>
    <message>
        <source>%1 is not a regular file (a device or a named pipe, say), so the results cannot be saved there. Please choose another name.</source>
        <translation>%1 nie jest zwykłym plikiem (to np. urządzenie lub potok nazwany), więc nie można w nim zapisać wyników. Wybierz inną nazwę.</translation>
    </message>
    <message>
        <source>Are you sure you wish to overwrite %1 ?</source>
        <translation>Czy na pewno chcesz zastąpić plik %1?</translation>
    </message>
    <message>
        <source>&amp;Turn Off Automatic News Fetch</source>
        <translation>Wyłącz &amp;automatyczne pobieranie</translation>
    </message>
    <message>
        <source>Tidewick is already running. Click here to show its window.</source>
        <translation>Tidewick już działa. Kliknij tutaj, aby pokazać jego okno.</translation>
    </message>
    <message numerus="yes">
        <source>%Ln article(s) listed</source>
        <translation>
            <numerusform>%Ln artykuł na liście</numerusform>
            <numerusform>%Ln artykuły na liście</numerusform>
            <numerusform>%Ln artykułów na liście</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Automatic news fetch done: %Ln article(s) listed.</source>
        <translation>
            <numerusform>Automatyczne pobieranie zakończone: %Ln artykuł na liście.</numerusform>
            <numerusform>Automatyczne pobieranie zakończone: %Ln artykuły na liście.</numerusform>
            <numerusform>Automatyczne pobieranie zakończone: %Ln artykułów na liście.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tidewick::TitleBar</name>
    <message>
        <source>Minimize</source>
        <translation>Minimalizuj</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
</context>
</TS>
