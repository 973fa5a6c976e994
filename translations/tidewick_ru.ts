<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>MainWindow</name>
    <message>
        <source>Keyword/s</source>
        <translation>Ключевые слова</translation>
    </message>
    <message>
        <source>Local News Sites</source>
        <translation>Местные новостные сайты</translation>
    </message>
    <message>
        <source>Categories</source>
        <translation>Категории</translation>
    </message>
    <message>
        <source>News</source>
        <translation>Новости</translation>
    </message>
    <message>
        <source>Tidewick has forgotten the articles it announced: each one is announced again the next time the news service lists it.</source>
        <translation>Tidewick забыл статьи, о которых уже сообщал: о каждой из них он сообщит снова, когда служба новостей выдаст её в следующий раз.</translation>
    </message>
    <message>
        <source>A news fetch is using the memory of announced articles. Try again when it has ended.</source>
        <translation>Список статей, о которых уже сообщалось, сейчас занят проверкой новостей. Повторите попытку, когда она завершится.</translation>
    </message>
    <message>
        <source>A news fetch is already running. The new one was not started.</source>
        <translation>Проверка новостей уже выполняется. Новая проверка не запущена.</translation>
    </message>
    <message>
        <source>Done.</source>
        <translation>Готово.</translation>
    </message>
    <message>
        <source>No news was fetched: the news service has refused further requests. Tidewick asks again after %1.</source>
        <translation>Проверка новостей не выполнена: служба новостей отклоняет дальнейшие запросы. Tidewick повторит попытку после %1.</translation>
    </message>
    <message>
        <source>No news was fetched: the news service allows about 50 requests in 12 hours, and they have been made. Tidewick asks again after %1.</source>
        <translation>Проверка новостей не выполнена: служба новостей допускает около 50 запросов за 12 часов, и все они уже сделаны. Tidewick повторит попытку после %1.</translation>
    </message>
    <message numerus="yes">
        <source>%Ln keyword(s) of the watch list %1 were left out: a keyword holds more than blanks, no line break or text-direction control, and is at most %2 characters long.</source>
        <translation>
            <numerusform>Из списка отслеживания %1 пропущено %Ln ключевое слово: ключевое слово не может состоять только из пробелов или содержать разрывы строк и управляющие символы направления текста, а его длина не может превышать %2 символов.</numerusform>
            <numerusform>Из списка отслеживания %1 пропущено %Ln ключевых слова: ключевое слово не может состоять только из пробелов или содержать разрывы строк и управляющие символы направления текста, а его длина не может превышать %2 символов.</numerusform>
            <numerusform>Из списка отслеживания %1 пропущено %Ln ключевых слов: ключевое слово не может состоять только из пробелов или содержать разрывы строк и управляющие символы направления текста, а его длина не может превышать %2 символов.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Tidewick</name>
    <message>
        <source>Text Files (*.txt)</source>
        <translation>Текстовые файлы (*.txt)</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Все файлы (*)</translation>
    </message>
    <message>
        <source>The news service address &quot;%1&quot; set by %2 cannot be used: %3.

Tidewick queries nothing until this is fixed; it does not fall back to another address. Give a host name, an IPv4 address or an IPv6 address in brackets, with an optional port, for example news.example.org:8080 or [2001:db8::1]:8080.</source>
        <translation>Адрес службы новостей «%1», заданный %2, использовать нельзя: %3.

Пока это не исправлено, Tidewick не выполняет запросы и не переключается на другой адрес. Укажите имя хоста, адрес IPv4 или адрес IPv6 в квадратных скобках, при необходимости с портом, например news.example.org:8080 или [2001:db8::1]:8080.</translation>
    </message>
    <message>
        <source>the command-line option --news-host</source>
        <translation>параметром командной строки --news-host</translation>
    </message>
    <message>
        <source>the environment variable TIDEWICK_NEWS_HOST</source>
        <translation>переменной окружения TIDEWICK_NEWS_HOST</translation>
    </message>
    <message>
        <source>the key NewsHost in the group [Service] of %1</source>
        <translation>ключом NewsHost в группе [Service] файла %1</translation>
    </message>
    <message>
        <source>the build setting TIDEWICK_NEWS_HOST</source>
        <translation>параметром сборки TIDEWICK_NEWS_HOST</translation>
    </message>
    <message>
        <source>Open Link</source>
        <translation>Открыть ссылку</translation>
    </message>
    <message>
        <source>Copy Link</source>
        <translation>Копировать ссылку</translation>
    </message>
    <message>
        <source>Copy Text</source>
        <translation>Копировать текст</translation>
    </message>
    <message>
        <source>Opens the article&apos;s link in the web browser</source>
        <translation>Открывает ссылку на статью в веб-браузере</translation>
    </message>
    <message>
        <source>Copies the article&apos;s link</source>
        <translation>Копирует ссылку на статью</translation>
    </message>
    <message>
        <source>Copies the texts of the selected rows, one a line</source>
        <translation>Копирует текст выделенных строк, каждую с новой строки</translation>
    </message>
    <message>
        <source>Double-click a row or press Enter to open its link. The context menu (menu key or Shift+F10) opens or copies the link or copies the selected rows.</source>
        <translation>Чтобы открыть ссылку, дважды щёлкните строку или нажмите Enter. Контекстное меню (клавиша меню или Shift+F10) позволяет открыть или скопировать ссылку либо скопировать выделенные строки.</translation>
    </message>
    <message>
        <source>Invalid picture</source>
        <translation>Недопустимое изображение</translation>
    </message>
    <message>
        <source>File not found: %1</source>
        <translation>Файл не найден: %1</translation>
    </message>
    <message>
        <source>Permission denied: %1</source>
        <translation>Отказано в разрешении: %1</translation>
    </message>
    <message>
        <source>Type mismatch</source>
        <translation>Несоответствие типа</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>Переполнение</translation>
    </message>
    <message>
        <source>Invalid procedure call or argument</source>
        <translation>Недопустимый вызов процедуры или аргумент</translation>
    </message>
    <message>
        <source>at line </source>
        <translation>в строке </translation>
    </message>
    <message>
        <source>Please email screenshot of this message to </source>
        <translation>Отправьте, пожалуйста, снимок экрана с этим сообщением по адресу </translation>
    </message>
    <message>
        <source>Application Error</source>
        <translation>Ошибка приложения</translation>
    </message>
    <message>
        <source>a line break or another control character</source>
        <translation>разрыв строки или другой управляющий символ</translation>
    </message>
    <message>
        <source>a text-direction control (U+%1)</source>
        <translation>управляющий символ направления текста (U+%1)</translation>
    </message>
    <message>
        <source>Path/File access error: %1 is not a regular file. Tidewick uses the default settings and does not save them.</source>
        <translation>Ошибка доступа к пути/файлу: %1 не является обычным файлом. Tidewick использует настройки по умолчанию и не сохраняет их.</translation>
    </message>
    <message>
        <source>Path/File access error: %1 is not a regular file, so the request count cannot be stored. Nothing is queried until it can be.</source>
        <translation>Ошибка доступа к пути/файлу: %1 не является обычным файлом, поэтому счётчик запросов сохранить нельзя. Пока его не удастся сохранить, запросы не выполняются.</translation>
    </message>
    <message>
        <source>The log-on entry was not written: the program&apos;s own path is unknown.</source>
        <translation>Элемент автозапуска при входе в систему не создан: путь к самой программе неизвестен.</translation>
    </message>
    <message>
        <source>The log-on entry was not written: the program&apos;s path holds control characters that a desktop entry cannot carry.</source>
        <translation>Элемент автозапуска при входе в систему не создан: путь к программе содержит управляющие символы, недопустимые в файле .desktop.</translation>
    </message>
    <message>
        <source>The log-on entry was not written: the folder %1 cannot be made.</source>
        <translation>Элемент автозапуска при входе в систему не создан: не удаётся создать папку %1.</translation>
    </message>
    <message>
        <source>The log-on entry %1 could not be written: %2.</source>
        <translation>Не удалось записать элемент автозапуска при входе в систему %1: %2.</translation>
    </message>
    <message>
        <source>The log-on entry %1 could not be removed: %2.</source>
        <translation>Не удалось удалить элемент автозапуска при входе в систему %1: %2.</translation>
    </message>
    <message>
        <source>Path/File access error: the request count in %1 cannot be locked: %2. This fetch stops here; the next one goes on from this query.</source>
        <translation>Ошибка доступа к пути/файлу: не удаётся заблокировать счётчик запросов в файле %1: %2. Текущая проверка на этом прерывается; следующая продолжится с этого запроса.</translation>
    </message>
    <message>
        <source>File not found: the helper program &quot;%1&quot; is not on PATH (install the package &quot;%2&quot;)</source>
        <translation>Файл не найден: вспомогательной программы «%1» нет в PATH (установите пакет «%2»)</translation>
    </message>
    <message>
        <source>Path/File access error: %1 (%2)</source>
        <translation>Ошибка доступа к пути/файлу: %1 (%2)</translation>
    </message>
    <message>
        <source>it is empty</source>
        <translation>он пуст</translation>
    </message>
    <message>
        <source>it holds a control character</source>
        <translation>он содержит управляющий символ</translation>
    </message>
    <message>
        <source>it holds a blank</source>
        <translation>он содержит пробел</translation>
    </message>
    <message>
        <source>it holds a scheme (such as http://); give the host alone</source>
        <translation>он содержит схему (например, http://); укажите только хост</translation>
    </message>
    <message>
        <source>it holds a user part (before &quot;@&quot;)</source>
        <translation>он содержит имя пользователя (перед «@»)</translation>
    </message>
    <message>
        <source>it holds a path (from &quot;/&quot;, &quot;?&quot; or &quot;#&quot; on)</source>
        <translation>он содержит путь (начиная с «/», «?» или «#»)</translation>
    </message>
    <message>
        <source>the port &quot;%1&quot; is not a number from 1 to 65535</source>
        <translation>порт «%1» не является числом от 1 до 65535</translation>
    </message>
    <message>
        <source>the host name is longer than 253 characters</source>
        <translation>имя хоста длиннее 253 символов</translation>
    </message>
    <message>
        <source>the IPv6 address lacks its closing &quot;]&quot;</source>
        <translation>в адресе IPv6 нет закрывающей скобки «]»</translation>
    </message>
    <message>
        <source>only &quot;:PORT&quot; may follow the &quot;]&quot;</source>
        <translation>после «]» допускается только «:ПОРТ»</translation>
    </message>
    <message>
        <source>an IPv6 address must be put in brackets, as in [2001:db8::1]:8080</source>
        <translation>адрес IPv6 нужно заключать в квадратные скобки, например [2001:db8::1]:8080</translation>
    </message>
    <message>
        <source>the host is missing before the port</source>
        <translation>перед портом не указан хост</translation>
    </message>
    <message>
        <source>The keyword &quot;%1&quot; is longer than %2 characters and cannot be sent to the news service. It was skipped.</source>
        <translation>Ключевое слово «%1» длиннее %2 симв., и его нельзя отправить службе новостей. Оно пропущено.</translation>
    </message>
    <message>
        <source>The news service is given by its address (%1), and a country cannot be put in front of an address: the ticked countries are not queried. Give the service by its host name, or untick the countries.</source>
        <translation>Служба новостей задана адресом (%1), а перед адресом нельзя указать страну, поэтому отмеченные страны не запрашиваются. Укажите службу по имени хоста или снимите отметки со стран.</translation>
    </message>
    <message>
        <source>Division by zero</source>
        <translation>Деление на ноль</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>это не обычный файл</translation>
    </message>
    <message>
        <source>File not found</source>
        <translation>Файл не найден</translation>
    </message>
    <message>
        <source>%1 was not loaded: it is larger than a keyword list can be (%2 MB).</source>
        <translation>Файл %1 не загружен: он больше допустимого размера списка ключевых слов (%2 МБ).</translation>
    </message>
    <message>
        <source>Path/File access error: %1</source>
        <translation>Ошибка доступа к пути/файлу: %1</translation>
    </message>
    <message>
        <source>Device I/O error: %1</source>
        <translation>Ошибка ввода-вывода устройства: %1</translation>
    </message>
    <message>
        <source>The watch list %1 cannot be read (%2).</source>
        <translation>Не удаётся прочитать список отслеживания %1 (%2).</translation>
    </message>
    <message>
        <source>The watch list cannot be saved to %1 (%2).</source>
        <translation>Не удаётся сохранить список отслеживания в %1 (%2).</translation>
    </message>
    <message>
        <source>it is larger than a watch list can be, %1 MB</source>
        <translation>он больше допустимого размера списка отслеживания — %1 МБ</translation>
    </message>
    <message>
        <source>not a watch list: %1</source>
        <translation>это не список отслеживания: %1</translation>
    </message>
    <message>
        <source>not a watch list</source>
        <translation>это не список отслеживания</translation>
    </message>
    <message>
        <source> It was kept as %1, and the lists start empty.</source>
        <translation> Он сохранён под именем %1, а списки очищены.</translation>
    </message>
    <message>
        <source> It could not be moved aside (%1): Tidewick leaves it as it is and does not save the lists.</source>
        <translation> Переименовать его не удалось (%1): Tidewick оставляет файл как есть и не сохраняет списки.</translation>
    </message>
    <message>
        <source> Tidewick leaves it as it is and does not save the lists.</source>
        <translation> Tidewick оставляет файл как есть и не сохраняет списки.</translation>
    </message>
    <message>
        <source>it is not a regular file; Tidewick leaves it alone and does not save the lists</source>
        <translation>это не обычный файл; Tidewick не трогает его и не сохраняет списки</translation>
    </message>
    <message>
        <source>its folder cannot be created</source>
        <translation>не удаётся создать папку для него</translation>
    </message>
    <message>
        <source>Unknown character set: %1</source>
        <translation>Неизвестная кодировка: %1</translation>
    </message>
    <message>
        <source>Cannot convert text to %1</source>
        <translation>Не удаётся преобразовать текст в кодировку %1</translation>
    </message>
    <message>
        <source>Not a regular file: %1</source>
        <translation>Не является обычным файлом: %1</translation>
    </message>
    <message>
        <source>Path not found: %1</source>
        <translation>Путь не найден: %1</translation>
    </message>
    <message>
        <source>Device I/O error: %1 (%2)</source>
        <translation>Ошибка ввода-вывода устройства: %1 (%2)</translation>
    </message>
    <message>
        <source>Fetch every 30 minutes</source>
        <translation>Проверять каждые 30 минут</translation>
    </message>
    <message>
        <source>Fetch every 1 hour</source>
        <translation>Проверять каждый час</translation>
    </message>
    <message>
        <source>Fetch every 6 hours</source>
        <translation>Проверять каждые 6 часов</translation>
    </message>
    <message>
        <source>Fetch every 12 hours</source>
        <translation>Проверять каждые 12 часов</translation>
    </message>
    <message>
        <source>Fetch every 24 hours</source>
        <translation>Проверять каждые 24 часа</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Показать</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Открыть</translation>
    </message>
    <message>
        <source>Show Tidewick</source>
        <translation>Показать Tidewick</translation>
    </message>
    <message>
        <source>News Fetch Now (Test)</source>
        <translation>Проверить сейчас (тест)</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Выход</translation>
    </message>
    <message>
        <source>%1 is a folder, not a lock file</source>
        <translation>%1 — папка, а не файл блокировки</translation>
    </message>
    <message>
        <source>%1 is a named pipe, not a lock file</source>
        <translation>%1 — именованный канал, а не файл блокировки</translation>
    </message>
    <message>
        <source>%1 is a symbolic link, not a lock file</source>
        <translation>%1 — символическая ссылка, а не файл блокировки</translation>
    </message>
    <message>
        <source>%1 is a device, not a lock file</source>
        <translation>%1 — устройство, а не файл блокировки</translation>
    </message>
    <message>
        <source>%1 is a socket, not a lock file</source>
        <translation>%1 — сокет, а не файл блокировки</translation>
    </message>
    <message>
        <source>%1 is something other than a file, not a lock file</source>
        <translation>%1 — объект другого типа, а не файл блокировки</translation>
    </message>
    <message>
        <source>%1 is not usable (%2)</source>
        <translation>не удаётся открыть %1 (%2)</translation>
    </message>
    <message numerus="yes">
        <source>%1 is a file of %Ln byte(s), too large for a lock file</source>
        <translation>
            <numerusform>%1 — файл размером %Ln байт, слишком большой для файла блокировки</numerusform>
            <numerusform>%1 — файл размером %Ln байта, слишком большой для файла блокировки</numerusform>
            <numerusform>%1 — файл размером %Ln байт, слишком большой для файла блокировки</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 is not a lock file</source>
        <translation>%1 не является файлом блокировки</translation>
    </message>
    <message>
        <source>%1 is not lockable (%2)</source>
        <translation>не удаётся заблокировать %1 (%2)</translation>
    </message>
    <message numerus="yes">
        <source>another copy of Tidewick has held it for %Ln second(s)</source>
        <translation>
            <numerusform>другая копия Tidewick удерживает его уже %Ln секунду</numerusform>
            <numerusform>другая копия Tidewick удерживает его уже %Ln секунды</numerusform>
            <numerusform>другая копия Tidewick удерживает его уже %Ln секунд</numerusform>
        </translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not an IPv4 address</source>
        <translation>«%1» не является адресом IPv4</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a host name: each dot-separated part must be 1 to 63 letters (a-z), digits or inner hyphens</source>
        <translation>«%1» не является именем хоста: каждая часть между точками должна содержать от 1 до 63 символов — латинских букв (a-z), цифр или дефисов (но не в начале и не в конце)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not an IPv6 address</source>
        <translation>«%1» не является адресом IPv6</translation>
    </message>
    <message>
        <source>The news service&apos;s requests are counted from %1, another copy of Tidewick&apos;s time, but this computer&apos;s clock says %2. No news is fetched until the clock is right.</source>
        <translation>Запросы к службе новостей отсчитываются с %1 (по часам другой копии Tidewick), но часы этого компьютера показывают %2. Пока часы не будут выставлены правильно, проверка новостей не выполняется.</translation>
    </message>
    <message numerus="yes">
        <source>%Ln line(s) of %1 were left out: a keyword can be at most %2 characters long.</source>
        <translation>
            <numerusform>Из файла %1 пропущена %Ln строка: ключевое слово может содержать не более %2 символов.</numerusform>
            <numerusform>Из файла %1 пропущены %Ln строки: ключевое слово может содержать не более %2 символов.</numerusform>
            <numerusform>Из файла %1 пропущено %Ln строк: ключевое слово может содержать не более %2 символов.</numerusform>
        </translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a list</source>
        <translation>«%1» не является списком</translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds something other than text</source>
        <translation>«%1» содержит не только текст</translation>
    </message>
    <message>
        <source>Tidewick is already running but does not answer. If it has stopped responding, end it (for example in the system monitor) and start Tidewick again.</source>
        <translation>Tidewick уже запущен, но не отвечает. Если программа зависла, завершите её (например, в системном мониторе) и запустите Tidewick снова.</translation>
    </message>
    <message>
        <source>What was found cannot be kept in %1 (%2).</source>
        <translation>Не удаётся сохранить найденные статьи в %1 (%2).</translation>
    </message>
    <message>
        <source>%1 is not a regular file, so what was found is not kept.</source>
        <translation>%1 не является обычным файлом, поэтому найденные статьи не сохраняются.</translation>
    </message>
    <message>
        <source>What was found cannot be kept: %1 cannot be read and cannot be moved aside.</source>
        <translation>Найденные статьи сохранить нельзя: файл %1 не удаётся ни прочитать, ни переименовать.</translation>
    </message>
    <message>
        <source>What was found cannot be kept in %1.</source>
        <translation>Не удаётся сохранить найденные статьи в %1.</translation>
    </message>
    <message>
        <source>The history of what was found, %1, could not be read; it was kept as %2 and a new one was started.</source>
        <translation>Не удалось прочитать историю найденных статей %1; она сохранена под именем %2, и начата новая.</translation>
    </message>
</context>
<context>
    <name>tidewick::MainWindow</name>
    <message>
        <source>Next news fetch will occur in</source>
        <translation>Следующая проверка новостей через</translation>
    </message>
    <message>
        <source>Time until the next news fetch</source>
        <translation>Время до следующей проверки новостей</translation>
    </message>
    <message>
        <source>Startup Options</source>
        <translation>Параметры запуска</translation>
    </message>
    <message>
        <source>How often would you like to news fetch?</source>
        <translation>Как часто проверять новости?</translation>
    </message>
    <message>
        <source>Drag and drop files here. Double-click item to remove it. Move | line to right and out of window to reveal full names.</source>
        <translation>Перетащите сюда файлы. Чтобы удалить элемент, дважды щёлкните его. Чтобы увидеть имена полностью, сдвиньте линию | вправо, за край окна.</translation>
    </message>
    <message>
        <source>Removes every keyword from the Keyword/s list</source>
        <translation>Удаляет все ключевые слова из списка «Ключевые слова»</translation>
    </message>
    <message>
        <source>Removes every row from the News list</source>
        <translation>Удаляет все строки из списка «Новости»</translation>
    </message>
    <message>
        <source>This keyword is %1 characters long. A keyword can be at most %2 characters long; it was not added.</source>
        <translation>Длина этого ключевого слова — %1 симв., а допускается не более %2 симв. Слово не добавлено.</translation>
    </message>
    <message>
        <source>This keyword holds %1, which a keyword cannot hold; it was not added.</source>
        <translation>Это ключевое слово содержит %1, а это недопустимо; слово не добавлено.</translation>
    </message>
    <message>
        <source>Enter one keyword:</source>
        <translation>Введите одно ключевое слово:</translation>
    </message>
    <message>
        <source>Load List(s) - Hold Ctrl to select multiple list files</source>
        <translation>Загрузка списков — удерживайте Ctrl, чтобы выбрать несколько файлов</translation>
    </message>
    <message>
        <source>An article announced before, by its link or its text, is neither announced nor added to the News list again</source>
        <translation>Статья, о которой уже сообщалось (узнаётся по ссылке или тексту), повторно не показывается в уведомлении и не добавляется в список «Новости»</translation>
    </message>
    <message>
        <source>Forget the Articles Announced So Far</source>
        <translation>Забыть статьи, о которых уже сообщалось</translation>
    </message>
    <message>
        <source>The link %1 could not be opened: the desktop found no program for web pages, or it did not start.</source>
        <translation>Не удалось открыть ссылку %1: в системе не найдена программа для просмотра веб-страниц, или она не запустилась.</translation>
    </message>
    <message>
        <source>There are no results to save.</source>
        <translation>Нет результатов для сохранения.</translation>
    </message>
    <message>
        <source>Save List</source>
        <translation>Сохранить список</translation>
    </message>
    <message>
        <source>Automatic news fetch is Off.</source>
        <translation>Автоматическая проверка новостей выключена.</translation>
    </message>
    <message>
        <source>Choose how often to fetch the news.</source>
        <translation>Выберите, как часто проверять новости.</translation>
    </message>
    <message>
        <source>Next news fetch will occur in %1</source>
        <translation>Следующая проверка новостей через %1</translation>
    </message>
    <message>
        <source>has been minimized to the system tray.<byte value="xd"/>
Click on the blue &apos;K&apos; icon (K for Kestrow) to bring the software back.</source>
        <translation>свёрнут в системный лоток.<byte value="xd"/>
Чтобы вернуть программу, щёлкните синий значок «K» (K — от Kestrow).</translation>
    </message>
    <message>
        <source>Find an article</source>
        <translation>Найти статью</translation>
    </message>
    <message>
        <source>Shows only the rows of the News list that hold every word typed</source>
        <translation>Показывает только те строки списка «Новости», в которых есть все введённые слова</translation>
    </message>
    <message>
        <source>Load this software at l&amp;og-on</source>
        <translation>&amp;Запускать при входе в систему</translation>
    </message>
    <message>
        <source>M&amp;inimized to system tray</source>
        <translation>Запускать в системном &amp;лотке</translation>
    </message>
    <message>
        <source>&amp;Turn On Automatic News Fetch</source>
        <translation>&amp;Включить автопроверку</translation>
    </message>
    <message>
        <source>News Fetch &amp;Now (Test)</source>
        <translation>Проверить сейчас (&amp;тест)</translation>
    </message>
    <message>
        <source>&amp;Save Results</source>
        <translation>Сохранить &amp;результаты</translation>
    </message>
    <message>
        <source>Clear &amp;List</source>
        <comment>empties the News list</comment>
        <translation>Очистить &amp;список</translation>
    </message>
    <message>
        <source>&amp;Add One Keyword</source>
        <translation>&amp;Добавить ключевое слово</translation>
    </message>
    <message>
        <source>Load List From Te&amp;xt File</source>
        <translation>Загрузить из текстового &amp;файла</translation>
    </message>
    <message>
        <source>&amp;Clear List</source>
        <comment>empties the Keyword/s list</comment>
        <translation>&amp;Очистить список</translation>
    </message>
    <message>
        <source>Load Sa&amp;mple/Example Data</source>
        <translation>Загрузить &amp;примеры</translation>
    </message>
    <message>
        <source>Announce only ne&amp;w articles</source>
        <translation>Сообщать только о &amp;новых статьях</translation>
    </message>
    <message>
        <source>%1 is not a regular file (a device or a named pipe, say), so the results cannot be saved there. Please choose another name.</source>
        <translation>%1 не является обычным файлом (это, например, устройство или именованный канал), поэтому сохранить туда результаты нельзя. Выберите другое имя.</translation>
    </message>
    <message>
        <source>Are you sure you wish to overwrite %1 ?</source>
        <translation>Вы действительно хотите перезаписать %1?</translation>
    </message>
    <message>
        <source>&amp;Turn Off Automatic News Fetch</source>
        <translation>&amp;Выключить автопроверку</translation>
    </message>
    <message>
        <source>Tidewick is already running. Click here to show its window.</source>
        <translation>Tidewick уже запущен. Щёлкните здесь, чтобы показать его окно.</translation>
    </message>
    <message numerus="yes">
        <source>%Ln article(s) listed</source>
        <translation>
            <numerusform>%Ln статья в списке</numerusform>
            <numerusform>%Ln статьи в списке</numerusform>
            <numerusform>%Ln статей в списке</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Automatic news fetch done: %Ln article(s) listed.</source>
        <translation>
            <numerusform>Автопроверка завершена: в списке %Ln статья.</numerusform>
            <numerusform>Автопроверка завершена: в списке %Ln статьи.</numerusform>
            <numerusform>Автопроверка завершена: в списке %Ln статей.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tidewick::TitleBar</name>
    <message>
        <source>Minimize</source>
        <translation>Свернуть</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
</context>
</TS>
