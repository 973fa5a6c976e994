<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>Tidewick</name>
    <message>
        <source>Text Files (*.txt)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The news service address &quot;%1&quot; set by %2 cannot be used: %3.

Tidewick queries nothing until this is fixed; it does not fall back to another address. Give a host name, an IPv4 address or an IPv6 address in brackets, with an optional port, for example news.example.org:8080 or [2001:db8::1]:8080.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the command-line option --news-host</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the environment variable TIDEWICK_NEWS_HOST</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the key NewsHost in the group [Service] of %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the build setting TIDEWICK_NEWS_HOST</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open Link</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy Link</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy Text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Opens the article&apos;s link in the web browser</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copies the article&apos;s link</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copies the texts of the selected rows, one a line</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Double-click a row or press Enter to open its link. The context menu (menu key or Shift+F10) opens or copies the link or copies the selected rows.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File not found: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Permission denied: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type mismatch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid procedure call or argument</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>at line </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please email screenshot of this message to </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Application Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a line break or another control character</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a text-direction control (U+%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a named pipe</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a symbolic link</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a device</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a socket</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>something other than a file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, not a lock file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a file of %1 bytes, too large for a lock file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not usable (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not a lock file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not lockable (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Path/File access error: %1 is not a regular file. Tidewick uses the default settings and does not save them.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Path/File access error: %1 is not a regular file, so the request count cannot be stored. Nothing is queried until it can be.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The log-on entry was not written: the program&apos;s own path is unknown.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The log-on entry was not written: the program&apos;s path holds control characters that a desktop entry cannot carry.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The log-on entry was not written: the folder %1 cannot be made.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The log-on entry %1 could not be written: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The log-on entry %1 could not be removed: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>another copy of Tidewick has held it for %1 seconds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Path/File access error: the request count in %1 cannot be locked: %2. This fetch stops here; the next one goes on from this query.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File not found: the helper program &quot;%1&quot; is not on PATH (install the package &quot;%2&quot;)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Path/File access error: %1 (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is empty</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it holds a control character</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it holds a blank</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it holds a scheme (such as http://); give the host alone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it holds a user part (before &quot;@&quot;)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it holds a path (from &quot;/&quot;, &quot;?&quot; or &quot;#&quot; on)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the port &quot;%1&quot; is not a number from 1 to 65535</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the host name is longer than 253 characters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the IPv6 address lacks its closing &quot;]&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>only &quot;:PORT&quot; may follow the &quot;]&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>an IPv6 address must be put in brackets, as in [2001:db8::1]:8080</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the host is missing before the port</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The keyword &quot;%1&quot; is longer than %2 characters and cannot be sent to the news service. It was skipped.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The news service is given by its address (%1), and a country cannot be put in front of an address: the ticked countries are not queried. Give the service by its host name, or untick the countries.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Division by zero</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The memory of announced articles %1 cannot be used (%2).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File not found</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 was not loaded: it is larger than a keyword list can be (%2 MB).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 line</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 lines</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 of %2 %3 left out: a keyword can be at most %4 characters long.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Path/File access error: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Device I/O error: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The watch list %1 cannot be read (%2).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The watch list cannot be saved to %1 (%2).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is larger than a watch list can be, %1 MB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not a watch list: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not a watch list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> It was kept as %1, and the lists start empty.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> It could not be moved aside (%1): Tidewick leaves it as it is and does not save the lists.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Tidewick leaves it as it is and does not save the lists.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is not a regular file; Tidewick leaves it alone and does not save the lists</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its folder cannot be created</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unknown character set: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot convert text to %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not a regular file: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Path not found: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Device I/O error: %1 (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fetch every 1 second</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fetch every 5 seconds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fetch every 10 seconds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fetch every 30 seconds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fetch every 1 minute</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fetch every 5 minutes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fetch every 10 minutes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fetch every 30 minutes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fetch every 1 hour</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fetch every 6 hours</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fetch every 12 hours</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fetch every 24 hours</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tidewick::MainWindow</name>
    <message>
        <source>Next news fetch will occur in</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time until the next news fetch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>News</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Startup Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Load this software at log-on</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Minimized to system tray</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Turn On Automatic News Fetch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>News Fetch Now (Test)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How often would you like to news fetch?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Results</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Local News Sites</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Categories</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keyword/s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Drag and drop files here. Double-click item to remove it. Move | line to right and out of window to reveal full names.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add One Keyword</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Load List From Text File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Load Sample/Example Data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Removes every keyword from the Keyword/s list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Removes every row from the News list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This keyword is %1 characters long. A keyword can be at most %2 characters long; it was not added.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This keyword holds %1, which a keyword cannot hold; it was not added.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter one keyword:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Load List(s) - Hold Ctrl to select multiple list files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Announce only new articles</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>An article announced before, by its link or its text, is neither announced nor added to the News list again</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Forget the Articles Announced So Far</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tidewick has forgotten the articles it announced: each one is announced again the next time the news service lists it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A news fetch is using the memory of announced articles. Try again when it has ended.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The link %1 could not be opened: the desktop found no program for web pages, or it did not start.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There are no results to save.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> is not a regular file (a device or a named pipe, say), so the results cannot be saved there. Please choose another name.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Are you sure you wish to overwrite </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> ?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Turn Off Automatic News Fetch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A news fetch is already running. The new one was not started.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Automatic news fetch is Off.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose how often to fetch the news.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next news fetch will occur in %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Done.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>has been minimized to the system tray.<byte value="xd"/>
Click on the blue &apos;K&apos; icon (K for Kestrow) to bring the software back.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 keyword(s) of the watch list %2 were left out: a keyword holds more than blanks, no line break or text-direction control, and is at most %3 characters long.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
