<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>MainWindow</name>
    <message>
        <source>Keyword/s</source>
        <translation>Palabras clave</translation>
    </message>
    <message>
        <source>Local News Sites</source>
        <translation>Sitios de noticias locales</translation>
    </message>
    <message>
        <source>Categories</source>
        <translation>Categorías</translation>
    </message>
    <message>
        <source>News</source>
        <translation>Noticias</translation>
    </message>
    <message>
        <source>Tidewick has forgotten the articles it announced: each one is announced again the next time the news service lists it.</source>
        <translation>Tidewick ha olvidado los artículos que notificó: cada uno se volverá a notificar la próxima vez que el servicio de noticias lo incluya.</translation>
    </message>
    <message>
        <source>A news fetch is using the memory of announced articles. Try again when it has ended.</source>
        <translation>Hay una búsqueda de noticias en curso que usa el historial de artículos notificados. Vuelva a intentarlo cuando termine.</translation>
    </message>
    <message>
        <source>A news fetch is already running. The new one was not started.</source>
        <translation>Ya hay una búsqueda de noticias en curso. No se inició la nueva.</translation>
    </message>
    <message>
        <source>Done.</source>
        <translation>Listo.</translation>
    </message>
    <message>
        <source>No news was fetched: the news service has refused further requests. Tidewick asks again after %1.</source>
        <translation>No se buscaron noticias: el servicio de noticias ha rechazado más solicitudes. Tidewick volverá a consultar después de %1.</translation>
    </message>
    <message>
        <source>No news was fetched: the news service allows about 50 requests in 12 hours, and they have been made. Tidewick asks again after %1.</source>
        <translation>No se buscaron noticias: el servicio de noticias permite unas 50 solicitudes cada 12 horas y ya se han hecho todas. Tidewick volverá a consultar después de %1.</translation>
    </message>
    <message numerus="yes">
        <source>%Ln keyword(s) of the watch list %1 were left out: a keyword holds more than blanks, no line break or text-direction control, and is at most %2 characters long.</source>
        <translation>
            <numerusform>Se omitió %Ln palabra clave de la lista de seguimiento %1: una palabra clave debe contener algo más que espacios en blanco, no puede contener saltos de línea ni caracteres de control de dirección del texto y puede tener como máximo %2 caracteres.</numerusform>
            <numerusform>Se omitieron %Ln palabras clave de la lista de seguimiento %1: una palabra clave debe contener algo más que espacios en blanco, no puede contener saltos de línea ni caracteres de control de dirección del texto y puede tener como máximo %2 caracteres.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Tidewick</name>
    <message>
        <source>Text Files (*.txt)</source>
        <translation>Archivos de texto (*.txt)</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Todos los archivos (*)</translation>
    </message>
    <message>
        <source>The news service address &quot;%1&quot; set by %2 cannot be used: %3.

Tidewick queries nothing until this is fixed; it does not fall back to another address. Give a host name, an IPv4 address or an IPv6 address in brackets, with an optional port, for example news.example.org:8080 or [2001:db8::1]:8080.</source>
        <translation>No se puede usar la dirección del servicio de noticias &quot;%1&quot; establecida mediante %2: %3.

Tidewick no hará ninguna consulta hasta que esto se corrija; no recurre a otra dirección. Indique un nombre de host, una dirección IPv4 o una dirección IPv6 entre corchetes, con un puerto opcional; por ejemplo, news.example.org:8080 o [2001:db8::1]:8080.</translation>
    </message>
    <message>
        <source>the command-line option --news-host</source>
        <translation>la opción de línea de comandos --news-host</translation>
    </message>
    <message>
        <source>the environment variable TIDEWICK_NEWS_HOST</source>
        <translation>la variable de entorno TIDEWICK_NEWS_HOST</translation>
    </message>
    <message>
        <source>the key NewsHost in the group [Service] of %1</source>
        <translation>la clave NewsHost del grupo [Service] de %1</translation>
    </message>
    <message>
        <source>the build setting TIDEWICK_NEWS_HOST</source>
        <translation>la opción de compilación TIDEWICK_NEWS_HOST</translation>
    </message>
    <message>
        <source>Open Link</source>
        <translation>Abrir enlace</translation>
    </message>
    <message>
        <source>Copy Link</source>
        <translation>Copiar enlace</translation>
    </message>
    <message>
        <source>Copy Text</source>
        <translation>Copiar texto</translation>
    </message>
    <message>
        <source>Opens the article&apos;s link in the web browser</source>
        <translation>Abre el enlace del artículo en el navegador web</translation>
    </message>
    <message>
        <source>Copies the article&apos;s link</source>
        <translation>Copia el enlace del artículo</translation>
    </message>
    <message>
        <source>Copies the texts of the selected rows, one a line</source>
        <translation>Copia el texto de las filas seleccionadas, una por línea</translation>
    </message>
    <message>
        <source>Double-click a row or press Enter to open its link. The context menu (menu key or Shift+F10) opens or copies the link or copies the selected rows.</source>
        <translation>Haga doble clic en una fila o presione Intro para abrir su enlace. El menú contextual (tecla de menú o Mayús+F10) abre o copia el enlace, o copia las filas seleccionadas.</translation>
    </message>
    <message>
        <source>Invalid picture</source>
        <translation>Imagen no válida</translation>
    </message>
    <message>
        <source>File not found: %1</source>
        <translation>Archivo no encontrado: %1</translation>
    </message>
    <message>
        <source>Permission denied: %1</source>
        <translation>Permiso denegado: %1</translation>
    </message>
    <message>
        <source>Type mismatch</source>
        <translation>No coinciden los tipos</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>Desbordamiento</translation>
    </message>
    <message>
        <source>Invalid procedure call or argument</source>
        <translation>Llamada a procedimiento o argumento no válidos</translation>
    </message>
    <message>
        <source>at line </source>
        <translation>en la línea </translation>
    </message>
    <message>
        <source>Please email screenshot of this message to </source>
        <translation>Envíe por correo electrónico una captura de pantalla de este mensaje a </translation>
    </message>
    <message>
        <source>Application Error</source>
        <translation>Error de la aplicación</translation>
    </message>
    <message>
        <source>a line break or another control character</source>
        <translation>un salto de línea u otro carácter de control</translation>
    </message>
    <message>
        <source>a text-direction control (U+%1)</source>
        <translation>un carácter de control de dirección del texto (U+%1)</translation>
    </message>
    <message>
        <source>Path/File access error: %1 is not a regular file. Tidewick uses the default settings and does not save them.</source>
        <translation>Error de acceso a ruta o archivo: %1 no es un archivo normal. Tidewick usa la configuración predeterminada y no la guarda.</translation>
    </message>
    <message>
        <source>Path/File access error: %1 is not a regular file, so the request count cannot be stored. Nothing is queried until it can be.</source>
        <translation>Error de acceso a ruta o archivo: %1 no es un archivo normal, por lo que no se puede guardar el recuento de solicitudes. No se hará ninguna consulta hasta que se pueda guardar.</translation>
    </message>
    <message>
        <source>The log-on entry was not written: the program&apos;s own path is unknown.</source>
        <translation>No se escribió la entrada de inicio de sesión: se desconoce la ruta del propio programa.</translation>
    </message>
    <message>
        <source>The log-on entry was not written: the program&apos;s path holds control characters that a desktop entry cannot carry.</source>
        <translation>No se escribió la entrada de inicio de sesión: la ruta del programa contiene caracteres de control que un archivo .desktop no admite.</translation>
    </message>
    <message>
        <source>The log-on entry was not written: the folder %1 cannot be made.</source>
        <translation>No se escribió la entrada de inicio de sesión: no se puede crear la carpeta %1.</translation>
    </message>
    <message>
        <source>The log-on entry %1 could not be written: %2.</source>
        <translation>No se pudo escribir la entrada de inicio de sesión %1: %2.</translation>
    </message>
    <message>
        <source>The log-on entry %1 could not be removed: %2.</source>
        <translation>No se pudo eliminar la entrada de inicio de sesión %1: %2.</translation>
    </message>
    <message>
        <source>Path/File access error: the request count in %1 cannot be locked: %2. This fetch stops here; the next one goes on from this query.</source>
        <translation>Error de acceso a ruta o archivo: no se puede bloquear el recuento de solicitudes de %1: %2. Esta búsqueda se detiene aquí; la siguiente continuará a partir de esta consulta.</translation>
    </message>
    <message>
        <source>File not found: the helper program &quot;%1&quot; is not on PATH (install the package &quot;%2&quot;)</source>
        <translation>Archivo no encontrado: el programa auxiliar &quot;%1&quot; no está en el PATH (instale el paquete &quot;%2&quot;)</translation>
    </message>
    <message>
        <source>Path/File access error: %1 (%2)</source>
        <translation>Error de acceso a ruta o archivo: %1 (%2)</translation>
    </message>
    <message>
        <source>it is empty</source>
        <translation>está vacía</translation>
    </message>
    <message>
        <source>it holds a control character</source>
        <translation>contiene un carácter de control</translation>
    </message>
    <message>
        <source>it holds a blank</source>
        <translation>contiene un espacio en blanco</translation>
    </message>
    <message>
        <source>it holds a scheme (such as http://); give the host alone</source>
        <translation>contiene un esquema (como http://); indique solo el host</translation>
    </message>
    <message>
        <source>it holds a user part (before &quot;@&quot;)</source>
        <translation>contiene una parte de usuario (antes de &quot;@&quot;)</translation>
    </message>
    <message>
        <source>it holds a path (from &quot;/&quot;, &quot;?&quot; or &quot;#&quot; on)</source>
        <translation>contiene una ruta (a partir de &quot;/&quot;, &quot;?&quot; o &quot;#&quot;)</translation>
    </message>
    <message>
        <source>the port &quot;%1&quot; is not a number from 1 to 65535</source>
        <translation>el puerto &quot;%1&quot; no es un número entre 1 y 65535</translation>
    </message>
    <message>
        <source>the host name is longer than 253 characters</source>
        <translation>el nombre de host tiene más de 253 caracteres</translation>
    </message>
    <message>
        <source>the IPv6 address lacks its closing &quot;]&quot;</source>
        <translation>a la dirección IPv6 le falta el &quot;]&quot; de cierre</translation>
    </message>
    <message>
        <source>only &quot;:PORT&quot; may follow the &quot;]&quot;</source>
        <translation>después de &quot;]&quot; solo puede ir &quot;:PUERTO&quot;</translation>
    </message>
    <message>
        <source>an IPv6 address must be put in brackets, as in [2001:db8::1]:8080</source>
        <translation>una dirección IPv6 debe ir entre corchetes, como en [2001:db8::1]:8080</translation>
    </message>
    <message>
        <source>the host is missing before the port</source>
        <translation>falta el host antes del puerto</translation>
    </message>
    <message>
        <source>The keyword &quot;%1&quot; is longer than %2 characters and cannot be sent to the news service. It was skipped.</source>
        <translation>La palabra clave &quot;%1&quot; tiene más de %2 caracteres y no se puede enviar al servicio de noticias. Se omitió.</translation>
    </message>
    <message>
        <source>The news service is given by its address (%1), and a country cannot be put in front of an address: the ticked countries are not queried. Give the service by its host name, or untick the countries.</source>
        <translation>El servicio de noticias está indicado por su dirección (%1), y no se puede anteponer un país a una dirección: los países marcados no se consultan. Indique el servicio por su nombre de host o desmarque los países.</translation>
    </message>
    <message>
        <source>Division by zero</source>
        <translation>División por cero</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>no es un archivo normal</translation>
    </message>
    <message>
        <source>File not found</source>
        <translation>Archivo no encontrado</translation>
    </message>
    <message>
        <source>%1 was not loaded: it is larger than a keyword list can be (%2 MB).</source>
        <translation>%1 no se cargó: supera el tamaño máximo de una lista de palabras clave (%2 MB).</translation>
    </message>
    <message>
        <source>Path/File access error: %1</source>
        <translation>Error de acceso a ruta o archivo: %1</translation>
    </message>
    <message>
        <source>Device I/O error: %1</source>
        <translation>Error de E/S de dispositivo: %1</translation>
    </message>
    <message>
        <source>The watch list %1 cannot be read (%2).</source>
        <translation>No se puede leer la lista de seguimiento %1 (%2).</translation>
    </message>
    <message>
        <source>The watch list cannot be saved to %1 (%2).</source>
        <translation>No se puede guardar la lista de seguimiento en %1 (%2).</translation>
    </message>
    <message>
        <source>it is larger than a watch list can be, %1 MB</source>
        <translation>supera el tamaño máximo de una lista de seguimiento, %1 MB</translation>
    </message>
    <message>
        <source>not a watch list: %1</source>
        <translation>no es una lista de seguimiento: %1</translation>
    </message>
    <message>
        <source>not a watch list</source>
        <translation>no es una lista de seguimiento</translation>
    </message>
    <message>
        <source> It was kept as %1, and the lists start empty.</source>
        <translation> El archivo se conservó como %1 y las listas empiezan vacías.</translation>
    </message>
    <message>
        <source> It could not be moved aside (%1): Tidewick leaves it as it is and does not save the lists.</source>
        <translation> No se pudo apartar el archivo (%1): Tidewick no lo modifica y no guarda las listas.</translation>
    </message>
    <message>
        <source> Tidewick leaves it as it is and does not save the lists.</source>
        <translation> Tidewick no modifica el archivo y no guarda las listas.</translation>
    </message>
    <message>
        <source>it is not a regular file; Tidewick leaves it alone and does not save the lists</source>
        <translation>no es un archivo normal; Tidewick no lo modifica y no guarda las listas</translation>
    </message>
    <message>
        <source>its folder cannot be created</source>
        <translation>no se puede crear su carpeta</translation>
    </message>
    <message>
        <source>Unknown character set: %1</source>
        <translation>Juego de caracteres desconocido: %1</translation>
    </message>
    <message>
        <source>Cannot convert text to %1</source>
        <translation>No se puede convertir el texto a %1</translation>
    </message>
    <message>
        <source>Not a regular file: %1</source>
        <translation>No es un archivo normal: %1</translation>
    </message>
    <message>
        <source>Path not found: %1</source>
        <translation>Ruta de acceso no encontrada: %1</translation>
    </message>
    <message>
        <source>Device I/O error: %1 (%2)</source>
        <translation>Error de E/S de dispositivo: %1 (%2)</translation>
    </message>
    <message>
        <source>Fetch every 30 minutes</source>
        <translation>Buscar cada 30 minutos</translation>
    </message>
    <message>
        <source>Fetch every 1 hour</source>
        <translation>Buscar cada hora</translation>
    </message>
    <message>
        <source>Fetch every 6 hours</source>
        <translation>Buscar cada 6 horas</translation>
    </message>
    <message>
        <source>Fetch every 12 hours</source>
        <translation>Buscar cada 12 horas</translation>
    </message>
    <message>
        <source>Fetch every 24 hours</source>
        <translation>Buscar cada 24 horas</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Mostrar</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>Show Tidewick</source>
        <translation>Mostrar Tidewick</translation>
    </message>
    <message>
        <source>News Fetch Now (Test)</source>
        <translation>Buscar ahora (prueba)</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>%1 is a folder, not a lock file</source>
        <translation>%1 es una carpeta, no un archivo de bloqueo</translation>
    </message>
    <message>
        <source>%1 is a named pipe, not a lock file</source>
        <translation>%1 es una canalización con nombre, no un archivo de bloqueo</translation>
    </message>
    <message>
        <source>%1 is a symbolic link, not a lock file</source>
        <translation>%1 es un enlace simbólico, no un archivo de bloqueo</translation>
    </message>
    <message>
        <source>%1 is a device, not a lock file</source>
        <translation>%1 es un dispositivo, no un archivo de bloqueo</translation>
    </message>
    <message>
        <source>%1 is a socket, not a lock file</source>
        <translation>%1 es un socket, no un archivo de bloqueo</translation>
    </message>
    <message>
        <source>%1 is something other than a file, not a lock file</source>
        <translation>%1 es algo distinto de un archivo, no un archivo de bloqueo</translation>
    </message>
    <message>
        <source>%1 is not usable (%2)</source>
        <translation>%1 no se puede usar (%2)</translation>
    </message>
    <message numerus="yes">
        <source>%1 is a file of %Ln byte(s), too large for a lock file</source>
        <translation>
            <numerusform>%1 es un archivo de %Ln byte, demasiado grande para ser un archivo de bloqueo</numerusform>
            <numerusform>%1 es un archivo de %Ln bytes, demasiado grande para ser un archivo de bloqueo</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 is not a lock file</source>
        <translation>%1 no es un archivo de bloqueo</translation>
    </message>
    <message>
        <source>%1 is not lockable (%2)</source>
        <translation>%1 no se puede bloquear (%2)</translation>
    </message>
    <message numerus="yes">
        <source>another copy of Tidewick has held it for %Ln second(s)</source>
        <translation>
            <numerusform>otra instancia de Tidewick lo tiene bloqueado desde hace %Ln segundo</numerusform>
            <numerusform>otra instancia de Tidewick lo tiene bloqueado desde hace %Ln segundos</numerusform>
        </translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not an IPv4 address</source>
        <translation>&quot;%1&quot; no es una dirección IPv4</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a host name: each dot-separated part must be 1 to 63 letters (a-z), digits or inner hyphens</source>
        <translation>&quot;%1&quot; no es un nombre de host: cada parte separada por puntos debe tener de 1 a 63 letras (a-z), dígitos o guiones intermedios</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not an IPv6 address</source>
        <translation>&quot;%1&quot; no es una dirección IPv6</translation>
    </message>
    <message>
        <source>The news service&apos;s requests are counted from %1, another copy of Tidewick&apos;s time, but this computer&apos;s clock says %2. No news is fetched until the clock is right.</source>
        <translation>Las solicitudes al servicio de noticias se cuentan desde %1, según la hora de otra instancia de Tidewick, pero el reloj de este equipo indica %2. No se buscarán noticias hasta que el reloj esté en hora.</translation>
    </message>
    <message numerus="yes">
        <source>%Ln line(s) of %1 were left out: a keyword can be at most %2 characters long.</source>
        <translation>
            <numerusform>No se cargó %Ln línea de %1: una palabra clave puede tener como máximo %2 caracteres.</numerusform>
            <numerusform>No se cargaron %Ln líneas de %1: una palabra clave puede tener como máximo %2 caracteres.</numerusform>
        </translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a list</source>
        <translation>&quot;%1&quot; no es una lista</translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds something other than text</source>
        <translation>&quot;%1&quot; contiene algo distinto de texto</translation>
    </message>
    <message>
        <source>Tidewick is already running but does not answer. If it has stopped responding, end it (for example in the system monitor) and start Tidewick again.</source>
        <translation>Tidewick ya se está ejecutando, pero no contesta. Si ha dejado de responder, finalícelo (por ejemplo, desde el monitor del sistema) y vuelva a iniciar Tidewick.</translation>
    </message>
    <message>
        <source>What was found cannot be kept in %1 (%2).</source>
        <translation>No se pueden conservar los artículos encontrados en %1 (%2).</translation>
    </message>
    <message>
        <source>%1 is not a regular file, so what was found is not kept.</source>
        <translation>%1 no es un archivo normal, por lo que no se conservan los artículos encontrados.</translation>
    </message>
    <message>
        <source>What was found cannot be kept: %1 cannot be read and cannot be moved aside.</source>
        <translation>No se pueden conservar los artículos encontrados: no se puede leer %1 ni apartarlo.</translation>
    </message>
    <message>
        <source>What was found cannot be kept in %1.</source>
        <translation>No se pueden conservar los artículos encontrados en %1.</translation>
    </message>
    <message>
        <source>The history of what was found, %1, could not be read; it was kept as %2 and a new one was started.</source>
        <translation>No se pudo leer el historial de artículos encontrados, %1; se conservó como %2 y se empezó uno nuevo.</translation>
    </message>
</context>
<context>
    <name>tidewick::MainWindow</name>
    <message>
        <source>Next news fetch will occur in</source>
        <translation>Próxima búsqueda de noticias en</translation>
    </message>
    <message>
        <source>Time until the next news fetch</source>
        <translation>Tiempo hasta la próxima búsqueda de noticias</translation>
    </message>
    <message>
        <source>Startup Options</source>
        <translation>Opciones de inicio</translation>
    </message>
    <message>
        <source>How often would you like to news fetch?</source>
        <translation>¿Con qué frecuencia desea buscar noticias?</translation>
    </message>
    <message>
        <source>Drag and drop files here. Double-click item to remove it. Move | line to right and out of window to reveal full names.</source>
        <translation>Arrastre y suelte archivos aquí. Haga doble clic en un elemento para quitarlo. Mueva la línea | hacia la derecha, fuera de la ventana, para ver los nombres completos.</translation>
    </message>
    <message>
        <source>Removes every keyword from the Keyword/s list</source>
        <translation>Quita todas las palabras clave de la lista Palabras clave</translation>
    </message>
    <message>
        <source>Removes every row from the News list</source>
        <translation>Quita todas las filas de la lista Noticias</translation>
    </message>
    <message>
        <source>This keyword is %1 characters long. A keyword can be at most %2 characters long; it was not added.</source>
        <translation>Esta palabra clave tiene %1 caracteres. Una palabra clave puede tener como máximo %2 caracteres; no se agregó.</translation>
    </message>
    <message>
        <source>This keyword holds %1, which a keyword cannot hold; it was not added.</source>
        <translation>Esta palabra clave contiene %1, algo que una palabra clave no puede contener; no se agregó.</translation>
    </message>
    <message>
        <source>Enter one keyword:</source>
        <translation>Escriba una palabra clave:</translation>
    </message>
    <message>
        <source>Load List(s) - Hold Ctrl to select multiple list files</source>
        <translation>Cargar listas - Mantenga presionada la tecla Ctrl para seleccionar varios archivos de lista</translation>
    </message>
    <message>
        <source>An article announced before, by its link or its text, is neither announced nor added to the News list again</source>
        <translation>Un artículo ya notificado, reconocido por su enlace o por su texto, no se vuelve a notificar ni a agregar a la lista Noticias</translation>
    </message>
    <message>
        <source>Forget the Articles Announced So Far</source>
        <translation>Olvidar artículos ya notificados</translation>
    </message>
    <message>
        <source>The link %1 could not be opened: the desktop found no program for web pages, or it did not start.</source>
        <translation>No se pudo abrir el enlace %1: el entorno de escritorio no encontró ningún programa para páginas web, o el programa no se inició.</translation>
    </message>
    <message>
        <source>There are no results to save.</source>
        <translation>No hay resultados para guardar.</translation>
    </message>
    <message>
        <source>Save List</source>
        <translation>Guardar lista</translation>
    </message>
    <message>
        <source>Automatic news fetch is Off.</source>
        <translation>La búsqueda automática de noticias está desactivada.</translation>
    </message>
    <message>
        <source>Choose how often to fetch the news.</source>
        <translation>Elija con qué frecuencia buscar noticias.</translation>
    </message>
    <message>
        <source>Next news fetch will occur in %1</source>
        <translation>Próxima búsqueda de noticias en %1</translation>
    </message>
    <message>
        <source>has been minimized to the system tray.<byte value="xd"/>
Click on the blue &apos;K&apos; icon (K for Kestrow) to bring the software back.</source>
        <translation>se ha minimizado en la bandeja del sistema.<byte value="xd"/>
Haga clic en el icono azul &apos;K&apos; (K de Kestrow) para volver a mostrar el programa.</translation>
    </message>
    <message>
        <source>Find an article</source>
        <translation>Filtrar artículos</translation>
    </message>
    <message>
        <source>Shows only the rows of the News list that hold every word typed</source>
        <translation>Muestra solo las filas de la lista Noticias que contienen todas las palabras escritas</translation>
    </message>
    <message>
        <source>Load this software at l&amp;og-on</source>
        <translation>Abrir al &amp;iniciar sesión</translation>
    </message>
    <message>
        <source>M&amp;inimized to system tray</source>
        <translation>&amp;Minimizado en la bandeja</translation>
    </message>
    <message>
        <source>&amp;Turn On Automatic News Fetch</source>
        <translation>Activar búsqueda &amp;automática</translation>
    </message>
    <message>
        <source>News Fetch &amp;Now (Test)</source>
        <translation>Buscar a&amp;hora (prueba)</translation>
    </message>
    <message>
        <source>&amp;Save Results</source>
        <translation>&amp;Guardar resultados</translation>
    </message>
    <message>
        <source>Clear &amp;List</source>
        <comment>empties the News list</comment>
        <translation>Borrar &amp;lista</translation>
    </message>
    <message>
        <source>&amp;Add One Keyword</source>
        <translation>Agregar &amp;palabra clave</translation>
    </message>
    <message>
        <source>Load List From Te&amp;xt File</source>
        <translation>&amp;Cargar lista desde archivo</translation>
    </message>
    <message>
        <source>&amp;Clear List</source>
        <comment>empties the Keyword/s list</comment>
        <translation>&amp;Borrar lista</translation>
    </message>
    <message>
        <source>Load Sa&amp;mple/Example Data</source>
        <translation>Cargar datos de &amp;ejemplo</translation>
    </message>
    <message>
        <source>Announce only ne&amp;w articles</source>
        <translation>&amp;Notificar solo artículos nuevos</translation>
    </message>
    <message>
        <source>%1 is not a regular file (a device or a named pipe, say), so the results cannot be saved there. Please choose another name.</source>
        <translation>%1 no es un archivo normal (es, por ejemplo, un dispositivo o una canalización con nombre), así que no se pueden guardar allí los resultados. Elija otro nombre.</translation>
    </message>
    <message>
        <source>Are you sure you wish to overwrite %1 ?</source>
        <translation>¿Está seguro de que desea sobrescribir %1?</translation>
    </message>
    <message>
        <source>&amp;Turn Off Automatic News Fetch</source>
        <translation>Desactivar búsqueda &amp;automática</translation>
    </message>
    <message>
        <source>Tidewick is already running. Click here to show its window.</source>
        <translation>Tidewick ya se está ejecutando. Haga clic aquí para mostrar su ventana.</translation>
    </message>
    <message numerus="yes">
        <source>%Ln article(s) listed</source>
        <translation>
            <numerusform>%Ln artículo en la lista</numerusform>
            <numerusform>%Ln artículos en la lista</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Automatic news fetch done: %Ln article(s) listed.</source>
        <translation>
            <numerusform>Búsqueda automática terminada: %Ln artículo en la lista.</numerusform>
            <numerusform>Búsqueda automática terminada: %Ln artículos en la lista.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tidewick::TitleBar</name>
    <message>
        <source>Minimize</source>
        <translation>Minimizar</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
</context>
</TS>
