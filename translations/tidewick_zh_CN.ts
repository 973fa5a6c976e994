<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>MainWindow</name>
    <message>
        <source>Keyword/s</source>
        <translation>关键词</translation>
    </message>
    <message>
        <source>Local News Sites</source>
        <translation>本地新闻网站</translation>
    </message>
    <message>
        <source>Categories</source>
        <translation>类别</translation>
    </message>
    <message>
        <source>News</source>
        <translation>新闻</translation>
    </message>
    <message>
        <source>Tidewick has forgotten the articles it announced: each one is announced again the next time the news service lists it.</source>
        <translation>Tidewick 已清除已通知文章的记录：下次新闻服务列出这些文章时，将再次通知。</translation>
    </message>
    <message>
        <source>A news fetch is using the memory of announced articles. Try again when it has ended.</source>
        <translation>新闻获取正在使用已通知文章的记录。请在获取结束后重试。</translation>
    </message>
    <message>
        <source>A news fetch is already running. The new one was not started.</source>
        <translation>新闻获取已在进行中，未启动新的获取。</translation>
    </message>
    <message>
        <source>Done.</source>
        <translation>完成。</translation>
    </message>
    <message>
        <source>No news was fetched: the news service has refused further requests. Tidewick asks again after %1.</source>
        <translation>未获取到新闻：新闻服务已拒绝更多请求。Tidewick 将在 %1 之后再次查询。</translation>
    </message>
    <message>
        <source>No news was fetched: the news service allows about 50 requests in 12 hours, and they have been made. Tidewick asks again after %1.</source>
        <translation>未获取到新闻：新闻服务每 12 小时约允许 50 个请求，这些请求已经用完。Tidewick 将在 %1 之后再次查询。</translation>
    </message>
    <message numerus="yes">
        <source>%Ln keyword(s) of the watch list %1 were left out: a keyword holds more than blanks, no line break or text-direction control, and is at most %2 characters long.</source>
        <translation>
            <numerusform>已忽略关注列表 %1 中的 %Ln 个关键词：关键词不能只含空白，不能含有换行符或文本方向控制字符，且最长为 %2 个字符。</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Tidewick</name>
    <message>
        <source>Text Files (*.txt)</source>
        <translation>文本文件 (*.txt)</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>所有文件 (*)</translation>
    </message>
    <message>
        <source>The news service address &quot;%1&quot; set by %2 cannot be used: %3.

Tidewick queries nothing until this is fixed; it does not fall back to another address. Give a host name, an IPv4 address or an IPv6 address in brackets, with an optional port, for example news.example.org:8080 or [2001:db8::1]:8080.</source>
        <translation>通过%2 设置的新闻服务地址“%1”无法使用：%3。

在此问题解决之前，Tidewick 不会进行任何查询，也不会改用其他地址。请提供主机名、IPv4 地址或置于方括号中的 IPv6 地址，可附带端口，例如 news.example.org:8080 或 [2001:db8::1]:8080。</translation>
    </message>
    <message>
        <source>the command-line option --news-host</source>
        <translation>命令行选项 --news-host</translation>
    </message>
    <message>
        <source>the environment variable TIDEWICK_NEWS_HOST</source>
        <translation>环境变量 TIDEWICK_NEWS_HOST</translation>
    </message>
    <message>
        <source>the key NewsHost in the group [Service] of %1</source>
        <translation>设置文件 %1 中 [Service] 组的键 NewsHost</translation>
    </message>
    <message>
        <source>the build setting TIDEWICK_NEWS_HOST</source>
        <translation>构建设置 TIDEWICK_NEWS_HOST</translation>
    </message>
    <message>
        <source>Open Link</source>
        <translation>打开链接</translation>
    </message>
    <message>
        <source>Copy Link</source>
        <translation>复制链接</translation>
    </message>
    <message>
        <source>Copy Text</source>
        <translation>复制文本</translation>
    </message>
    <message>
        <source>Opens the article&apos;s link in the web browser</source>
        <translation>在网页浏览器中打开文章的链接</translation>
    </message>
    <message>
        <source>Copies the article&apos;s link</source>
        <translation>复制文章的链接</translation>
    </message>
    <message>
        <source>Copies the texts of the selected rows, one a line</source>
        <translation>复制所选行的文本，每行一条</translation>
    </message>
    <message>
        <source>Double-click a row or press Enter to open its link. The context menu (menu key or Shift+F10) opens or copies the link or copies the selected rows.</source>
        <translation>双击某一行或按 Enter 键可打开其链接。通过上下文菜单（菜单键或 Shift+F10）可以打开或复制链接，或者复制所选行。</translation>
    </message>
    <message>
        <source>Invalid picture</source>
        <translation>图片无效</translation>
    </message>
    <message>
        <source>File not found: %1</source>
        <translation>文件未找到：%1</translation>
    </message>
    <message>
        <source>Permission denied: %1</source>
        <translation>权限被拒绝：%1</translation>
    </message>
    <message>
        <source>Type mismatch</source>
        <translation>类型不匹配</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>溢出</translation>
    </message>
    <message>
        <source>Invalid procedure call or argument</source>
        <translation>无效的过程调用或参数</translation>
    </message>
    <message>
        <source>at line </source>
        <translation>行号 </translation>
    </message>
    <message>
        <source>Please email screenshot of this message to </source>
        <translation>请将此消息的截图通过电子邮件发送至 </translation>
    </message>
    <message>
        <source>Application Error</source>
        <translation>应用程序错误</translation>
    </message>
    <message>
        <source>a line break or another control character</source>
        <translation>换行符或其他控制字符</translation>
    </message>
    <message>
        <source>a text-direction control (U+%1)</source>
        <translation>文本方向控制字符（U+%1）</translation>
    </message>
    <message>
        <source>Path/File access error: %1 is not a regular file. Tidewick uses the default settings and does not save them.</source>
        <translation>路径/文件访问错误：%1 不是常规文件。Tidewick 将使用默认设置，且不会保存设置。</translation>
    </message>
    <message>
        <source>Path/File access error: %1 is not a regular file, so the request count cannot be stored. Nothing is queried until it can be.</source>
        <translation>路径/文件访问错误：%1 不是常规文件，因此无法保存请求计数。在能够保存之前，不会进行任何查询。</translation>
    </message>
    <message>
        <source>The log-on entry was not written: the program&apos;s own path is unknown.</source>
        <translation>未写入登录启动项：程序自身的路径未知。</translation>
    </message>
    <message>
        <source>The log-on entry was not written: the program&apos;s path holds control characters that a desktop entry cannot carry.</source>
        <translation>未写入登录启动项：程序路径中含有桌面项文件无法容纳的控制字符。</translation>
    </message>
    <message>
        <source>The log-on entry was not written: the folder %1 cannot be made.</source>
        <translation>未写入登录启动项：无法创建文件夹 %1。</translation>
    </message>
    <message>
        <source>The log-on entry %1 could not be written: %2.</source>
        <translation>无法写入登录启动项 %1：%2。</translation>
    </message>
    <message>
        <source>The log-on entry %1 could not be removed: %2.</source>
        <translation>无法删除登录启动项 %1：%2。</translation>
    </message>
    <message>
        <source>Path/File access error: the request count in %1 cannot be locked: %2. This fetch stops here; the next one goes on from this query.</source>
        <translation>路径/文件访问错误：无法锁定 %1 中的请求计数：%2。本次获取到此停止，下次获取将从此查询继续。</translation>
    </message>
    <message>
        <source>File not found: the helper program &quot;%1&quot; is not on PATH (install the package &quot;%2&quot;)</source>
        <translation>文件未找到：辅助程序“%1”不在 PATH 中（请安装软件包“%2”）</translation>
    </message>
    <message>
        <source>Path/File access error: %1 (%2)</source>
        <translation>路径/文件访问错误：%1（%2）</translation>
    </message>
    <message>
        <source>it is empty</source>
        <translation>地址为空</translation>
    </message>
    <message>
        <source>it holds a control character</source>
        <translation>其中含有控制字符</translation>
    </message>
    <message>
        <source>it holds a blank</source>
        <translation>其中含有空白字符</translation>
    </message>
    <message>
        <source>it holds a scheme (such as http://); give the host alone</source>
        <translation>其中含有协议（如 http://），请只提供主机</translation>
    </message>
    <message>
        <source>it holds a user part (before &quot;@&quot;)</source>
        <translation>其中含有用户部分（“@”之前的部分）</translation>
    </message>
    <message>
        <source>it holds a path (from &quot;/&quot;, &quot;?&quot; or &quot;#&quot; on)</source>
        <translation>其中含有路径（从“/”、“?”或“#”开始的部分）</translation>
    </message>
    <message>
        <source>the port &quot;%1&quot; is not a number from 1 to 65535</source>
        <translation>端口“%1”不是 1 到 65535 之间的数字</translation>
    </message>
    <message>
        <source>the host name is longer than 253 characters</source>
        <translation>主机名超过 253 个字符</translation>
    </message>
    <message>
        <source>the IPv6 address lacks its closing &quot;]&quot;</source>
        <translation>IPv6 地址缺少右方括号“]”</translation>
    </message>
    <message>
        <source>only &quot;:PORT&quot; may follow the &quot;]&quot;</source>
        <translation>“]”之后只能跟“:端口”</translation>
    </message>
    <message>
        <source>an IPv6 address must be put in brackets, as in [2001:db8::1]:8080</source>
        <translation>IPv6 地址必须置于方括号中，例如 [2001:db8::1]:8080</translation>
    </message>
    <message>
        <source>the host is missing before the port</source>
        <translation>端口前缺少主机</translation>
    </message>
    <message>
        <source>The keyword &quot;%1&quot; is longer than %2 characters and cannot be sent to the news service. It was skipped.</source>
        <translation>关键词“%1”超过 %2 个字符，无法发送到新闻服务，已跳过。</translation>
    </message>
    <message>
        <source>The news service is given by its address (%1), and a country cannot be put in front of an address: the ticked countries are not queried. Give the service by its host name, or untick the countries.</source>
        <translation>新闻服务是以地址（%1）指定的，而地址前面无法加上国家/地区，因此不会查询已勾选的国家/地区。请改用主机名指定该服务，或取消勾选这些国家/地区。</translation>
    </message>
    <message>
        <source>Division by zero</source>
        <translation>除数为零</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>不是常规文件</translation>
    </message>
    <message>
        <source>File not found</source>
        <translation>文件未找到</translation>
    </message>
    <message>
        <source>%1 was not loaded: it is larger than a keyword list can be (%2 MB).</source>
        <translation>未加载 %1：文件超过了关键词列表的大小上限（%2 MB）。</translation>
    </message>
    <message>
        <source>Path/File access error: %1</source>
        <translation>路径/文件访问错误：%1</translation>
    </message>
    <message>
        <source>Device I/O error: %1</source>
        <translation>设备 I/O 错误：%1</translation>
    </message>
    <message>
        <source>The watch list %1 cannot be read (%2).</source>
        <translation>无法读取关注列表 %1（%2）。</translation>
    </message>
    <message>
        <source>The watch list cannot be saved to %1 (%2).</source>
        <translation>无法将关注列表保存到 %1（%2）。</translation>
    </message>
    <message>
        <source>it is larger than a watch list can be, %1 MB</source>
        <translation>文件超过了关注列表的大小上限 %1 MB</translation>
    </message>
    <message>
        <source>not a watch list: %1</source>
        <translation>不是关注列表：%1</translation>
    </message>
    <message>
        <source>not a watch list</source>
        <translation>不是关注列表</translation>
    </message>
    <message>
        <source> It was kept as %1, and the lists start empty.</source>
        <translation>原文件已保留为 %1，各列表将从空白开始。</translation>
    </message>
    <message>
        <source> It could not be moved aside (%1): Tidewick leaves it as it is and does not save the lists.</source>
        <translation>无法将其移到一旁（%1）：Tidewick 将保持其原样，并且不会保存列表。</translation>
    </message>
    <message>
        <source> Tidewick leaves it as it is and does not save the lists.</source>
        <translation>Tidewick 将保持其原样，并且不会保存列表。</translation>
    </message>
    <message>
        <source>it is not a regular file; Tidewick leaves it alone and does not save the lists</source>
        <translation>它不是常规文件；Tidewick 不会改动它，也不会保存列表</translation>
    </message>
    <message>
        <source>its folder cannot be created</source>
        <translation>无法创建其所在文件夹</translation>
    </message>
    <message>
        <source>Unknown character set: %1</source>
        <translation>未知的字符集：%1</translation>
    </message>
    <message>
        <source>Cannot convert text to %1</source>
        <translation>无法将文本转换为 %1</translation>
    </message>
    <message>
        <source>Not a regular file: %1</source>
        <translation>不是常规文件：%1</translation>
    </message>
    <message>
        <source>Path not found: %1</source>
        <translation>路径未找到：%1</translation>
    </message>
    <message>
        <source>Device I/O error: %1 (%2)</source>
        <translation>设备 I/O 错误：%1（%2）</translation>
    </message>
    <message>
        <source>Fetch every 30 minutes</source>
        <translation>每 30 分钟获取一次</translation>
    </message>
    <message>
        <source>Fetch every 1 hour</source>
        <translation>每 1 小时获取一次</translation>
    </message>
    <message>
        <source>Fetch every 6 hours</source>
        <translation>每 6 小时获取一次</translation>
    </message>
    <message>
        <source>Fetch every 12 hours</source>
        <translation>每 12 小时获取一次</translation>
    </message>
    <message>
        <source>Fetch every 24 hours</source>
        <translation>每 24 小时获取一次</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>显示</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>打开</translation>
    </message>
    <message>
        <source>Show Tidewick</source>
        <translation>显示 Tidewick</translation>
    </message>
    <message>
        <source>News Fetch Now (Test)</source>
        <translation>立即获取（测试）</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>退出</translation>
    </message>
    <message>
        <source>%1 is a folder, not a lock file</source>
        <translation>%1 是文件夹，而不是锁文件</translation>
    </message>
    <message>
        <source>%1 is a named pipe, not a lock file</source>
        <translation>%1 是命名管道，而不是锁文件</translation>
    </message>
    <message>
        <source>%1 is a symbolic link, not a lock file</source>
        <translation>%1 是符号链接，而不是锁文件</translation>
    </message>
    <message>
        <source>%1 is a device, not a lock file</source>
        <translation>%1 是设备，而不是锁文件</translation>
    </message>
    <message>
        <source>%1 is a socket, not a lock file</source>
        <translation>%1 是套接字，而不是锁文件</translation>
    </message>
    <message>
        <source>%1 is something other than a file, not a lock file</source>
        <translation>%1 是文件以外的对象，而不是锁文件</translation>
    </message>
    <message>
        <source>%1 is not usable (%2)</source>
        <translation>%1 无法使用（%2）</translation>
    </message>
    <message numerus="yes">
        <source>%1 is a file of %Ln byte(s), too large for a lock file</source>
        <translation>
            <numerusform>%1 是大小为 %Ln 字节的文件，作为锁文件过大</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 is not a lock file</source>
        <translation>%1 不是锁文件</translation>
    </message>
    <message>
        <source>%1 is not lockable (%2)</source>
        <translation>%1 无法锁定（%2）</translation>
    </message>
    <message numerus="yes">
        <source>another copy of Tidewick has held it for %Ln second(s)</source>
        <translation>
            <numerusform>另一个 Tidewick 实例已将其锁定 %Ln 秒</numerusform>
        </translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not an IPv4 address</source>
        <translation>“%1”不是 IPv4 地址</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a host name: each dot-separated part must be 1 to 63 letters (a-z), digits or inner hyphens</source>
        <translation>“%1”不是主机名：以点分隔的每个部分必须由 1 到 63 个字母（a-z）、数字或不在首尾的连字符组成</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not an IPv6 address</source>
        <translation>“%1”不是 IPv6 地址</translation>
    </message>
    <message>
        <source>The news service&apos;s requests are counted from %1, another copy of Tidewick&apos;s time, but this computer&apos;s clock says %2. No news is fetched until the clock is right.</source>
        <translation>新闻服务的请求从 %1（另一个 Tidewick 实例记录的时间）开始计数，但这台计算机的时钟显示为 %2。在时钟校正之前，不会获取新闻。</translation>
    </message>
    <message numerus="yes">
        <source>%Ln line(s) of %1 were left out: a keyword can be at most %2 characters long.</source>
        <translation>
            <numerusform>已忽略 %1 中的 %Ln 行：关键词最长为 %2 个字符。</numerusform>
        </translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a list</source>
        <translation>“%1”不是列表</translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds something other than text</source>
        <translation>“%1”含有文本以外的内容</translation>
    </message>
    <message>
        <source>Tidewick is already running but does not answer. If it has stopped responding, end it (for example in the system monitor) and start Tidewick again.</source>
        <translation>Tidewick 已在运行，但没有响应。如果它已停止响应，请将其结束（例如在系统监视器中），然后重新启动 Tidewick。</translation>
    </message>
    <message>
        <source>What was found cannot be kept in %1 (%2).</source>
        <translation>无法将已找到的文章保存到 %1（%2）。</translation>
    </message>
    <message>
        <source>%1 is not a regular file, so what was found is not kept.</source>
        <translation>%1 不是常规文件，因此不会保存已找到的文章。</translation>
    </message>
    <message>
        <source>What was found cannot be kept: %1 cannot be read and cannot be moved aside.</source>
        <translation>无法保存已找到的文章：%1 无法读取，也无法移到一旁。</translation>
    </message>
    <message>
        <source>What was found cannot be kept in %1.</source>
        <translation>无法将已找到的文章保存到 %1。</translation>
    </message>
    <message>
        <source>The history of what was found, %1, could not be read; it was kept as %2 and a new one was started.</source>
        <translation>无法读取已找到文章的历史记录 %1；原文件已保留为 %2，并已新建历史记录。</translation>
    </message>
</context>
<context>
    <name>tidewick::MainWindow</name>
    <message>
        <source>Next news fetch will occur in</source>
        <translation>距下次获取新闻还有</translation>
    </message>
    <message>
        <source>Time until the next news fetch</source>
        <translation>距下次获取新闻的剩余时间</translation>
    </message>
    <message>
        <source>Startup Options</source>
        <translation>启动选项</translation>
    </message>
    <message>
        <source>How often would you like to news fetch?</source>
        <translation>新闻获取频率</translation>
    </message>
    <message>
        <source>Drag and drop files here. Double-click item to remove it. Move | line to right and out of window to reveal full names.</source>
        <translation>将文件拖放到此处。双击某项即可将其删除。将 | 分隔线向右拖出窗口可显示完整名称。</translation>
    </message>
    <message>
        <source>Removes every keyword from the Keyword/s list</source>
        <translation>从“关键词”列表中删除所有关键词</translation>
    </message>
    <message>
        <source>Removes every row from the News list</source>
        <translation>从“新闻”列表中删除所有行</translation>
    </message>
    <message>
        <source>This keyword is %1 characters long. A keyword can be at most %2 characters long; it was not added.</source>
        <translation>此关键词长 %1 个字符。关键词最长为 %2 个字符，因此未添加此关键词。</translation>
    </message>
    <message>
        <source>This keyword holds %1, which a keyword cannot hold; it was not added.</source>
        <translation>此关键词含有%1，而关键词中不能含有此类字符，因此未添加此关键词。</translation>
    </message>
    <message>
        <source>Enter one keyword:</source>
        <translation>输入一个关键词：</translation>
    </message>
    <message>
        <source>Load List(s) - Hold Ctrl to select multiple list files</source>
        <translation>加载列表 - 按住 Ctrl 可选择多个列表文件</translation>
    </message>
    <message>
        <source>An article announced before, by its link or its text, is neither announced nor added to the News list again</source>
        <translation>之前已通知过的文章（按链接或文本判断）不会再次通知，也不会再次添加到“新闻”列表</translation>
    </message>
    <message>
        <source>Forget the Articles Announced So Far</source>
        <translation>清除已通知文章的记录</translation>
    </message>
    <message>
        <source>The link %1 could not be opened: the desktop found no program for web pages, or it did not start.</source>
        <translation>无法打开链接 %1：桌面环境未找到用于打开网页的程序，或该程序未能启动。</translation>
    </message>
    <message>
        <source>There are no results to save.</source>
        <translation>没有可保存的结果。</translation>
    </message>
    <message>
        <source>Save List</source>
        <translation>保存列表</translation>
    </message>
    <message>
        <source>Automatic news fetch is Off.</source>
        <translation>自动获取新闻已关闭。</translation>
    </message>
    <message>
        <source>Choose how often to fetch the news.</source>
        <translation>请选择获取新闻的频率。</translation>
    </message>
    <message>
        <source>Next news fetch will occur in %1</source>
        <translation>距下次获取新闻还有 %1</translation>
    </message>
    <message>
        <source>has been minimized to the system tray.<byte value="xd"/>
Click on the blue &apos;K&apos; icon (K for Kestrow) to bring the software back.</source>
        <translation>已最小化到系统托盘。<byte value="xd"/>
单击蓝色的“K”图标（K 代表 Kestrow）即可恢复本软件。</translation>
    </message>
    <message>
        <source>Find an article</source>
        <translation>查找文章</translation>
    </message>
    <message>
        <source>Shows only the rows of the News list that hold every word typed</source>
        <translation>仅显示“新闻”列表中包含所输入全部词语的行</translation>
    </message>
    <message>
        <source>Load this software at l&amp;og-on</source>
        <translation>登录时启动(&amp;O)</translation>
    </message>
    <message>
        <source>M&amp;inimized to system tray</source>
        <translation>最小化到系统托盘(&amp;I)</translation>
    </message>
    <message>
        <source>&amp;Turn On Automatic News Fetch</source>
        <translation>开启自动获取(&amp;T)</translation>
    </message>
    <message>
        <source>News Fetch &amp;Now (Test)</source>
        <translation>立即获取（测试）(&amp;N)</translation>
    </message>
    <message>
        <source>&amp;Save Results</source>
        <translation>保存结果(&amp;S)</translation>
    </message>
    <message>
        <source>Clear &amp;List</source>
        <comment>empties the News list</comment>
        <translation>清空列表(&amp;L)</translation>
    </message>
    <message>
        <source>&amp;Add One Keyword</source>
        <translation>添加关键词(&amp;A)</translation>
    </message>
    <message>
        <source>Load List From Te&amp;xt File</source>
        <translation>从文本文件加载(&amp;X)</translation>
    </message>
    <message>
        <source>&amp;Clear List</source>
        <comment>empties the Keyword/s list</comment>
        <translation>清空列表(&amp;C)</translation>
    </message>
    <message>
        <source>Load Sa&amp;mple/Example Data</source>
        <translation>加载示例数据(&amp;M)</translation>
    </message>
    <message>
        <source>Announce only ne&amp;w articles</source>
        <translation>仅通知新文章(&amp;W)</translation>
    </message>
    <message>
        <source>%1 is not a regular file (a device or a named pipe, say), so the results cannot be saved there. Please choose another name.</source>
        <translation>%1 不是常规文件（例如设备或命名管道），因此无法将结果保存到此处。请选择其他名称。</translation>
    </message>
    <message>
        <source>Are you sure you wish to overwrite %1 ?</source>
        <translation>确定要覆盖 %1 吗？</translation>
    </message>
    <message>
        <source>&amp;Turn Off Automatic News Fetch</source>
        <translation>关闭自动获取(&amp;T)</translation>
    </message>
    <message>
        <source>Tidewick is already running. Click here to show its window.</source>
        <translation>Tidewick 已在运行。单击此处可显示其窗口。</translation>
    </message>
    <message numerus="yes">
        <source>%Ln article(s) listed</source>
        <translation>
            <numerusform>列表中有 %Ln 篇文章</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Automatic news fetch done: %Ln article(s) listed.</source>
        <translation>
            <numerusform>自动获取已完成：列出了 %Ln 篇文章。</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tidewick::TitleBar</name>
    <message>
        <source>Minimize</source>
        <translation>最小化</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
</context>
</TS>
