<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name>MainWindow</name>
    <message>
        <source>Keyword/s</source>
        <translation>キーワード</translation>
    </message>
    <message>
        <source>Local News Sites</source>
        <translation>地域のニュースサイト</translation>
    </message>
    <message>
        <source>Categories</source>
        <translation>カテゴリ</translation>
    </message>
    <message>
        <source>News</source>
        <translation>ニュース</translation>
    </message>
    <message>
        <source>Tidewick has forgotten the articles it announced: each one is announced again the next time the news service lists it.</source>
        <translation>Tidewick は通知済み記事の記録を消去しました。各記事は、次にニュースサービスに掲載されたときに再び通知されます。</translation>
    </message>
    <message>
        <source>A news fetch is using the memory of announced articles. Try again when it has ended.</source>
        <translation>ニュースの取得で通知済み記事の記録を使用中です。取得が終わってからもう一度お試しください。</translation>
    </message>
    <message>
        <source>A news fetch is already running. The new one was not started.</source>
        <translation>ニュースの取得はすでに実行中です。新しい取得は開始しませんでした。</translation>
    </message>
    <message>
        <source>Done.</source>
        <translation>完了しました。</translation>
    </message>
    <message>
        <source>No news was fetched: the news service has refused further requests. Tidewick asks again after %1.</source>
        <translation>ニュースは取得されませんでした: ニュースサービスがこれ以上のリクエストを拒否しています。Tidewick は %1 以降に再度問い合わせます。</translation>
    </message>
    <message>
        <source>No news was fetched: the news service allows about 50 requests in 12 hours, and they have been made. Tidewick asks again after %1.</source>
        <translation>ニュースは取得されませんでした: ニュースサービスで許可されているリクエストは 12 時間に約 50 回で、その回数に達しています。Tidewick は %1 以降に再度問い合わせます。</translation>
    </message>
    <message numerus="yes">
        <source>%Ln keyword(s) of the watch list %1 were left out: a keyword holds more than blanks, no line break or text-direction control, and is at most %2 characters long.</source>
        <translation>
            <numerusform>ウォッチリスト %1 のキーワード %Ln 個を除外しました。キーワードは空白以外の文字を含み、改行やテキスト方向の制御文字を含まず、%2 文字以内である必要があります。</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Tidewick</name>
    <message>
        <source>Text Files (*.txt)</source>
        <translation>テキストファイル (*.txt)</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>すべてのファイル (*)</translation>
    </message>
    <message>
        <source>The news service address &quot;%1&quot; set by %2 cannot be used: %3.

Tidewick queries nothing until this is fixed; it does not fall back to another address. Give a host name, an IPv4 address or an IPv6 address in brackets, with an optional port, for example news.example.org:8080 or [2001:db8::1]:8080.</source>
        <translation>%2 で設定されたニュースサービスのアドレス「%1」は使用できません: %3。

この問題が解決されるまで、Tidewick は何も問い合わせず、別のアドレスに切り替えることもありません。ホスト名、IPv4 アドレス、または角かっこで囲んだ IPv6 アドレスを指定してください。ポートは省略できます（例: news.example.org:8080 または [2001:db8::1]:8080）。</translation>
    </message>
    <message>
        <source>the command-line option --news-host</source>
        <translation>コマンドラインオプション --news-host</translation>
    </message>
    <message>
        <source>the environment variable TIDEWICK_NEWS_HOST</source>
        <translation>環境変数 TIDEWICK_NEWS_HOST</translation>
    </message>
    <message>
        <source>the key NewsHost in the group [Service] of %1</source>
        <translation>%1 の [Service] グループのキー NewsHost</translation>
    </message>
    <message>
        <source>the build setting TIDEWICK_NEWS_HOST</source>
        <translation>ビルド設定 TIDEWICK_NEWS_HOST</translation>
    </message>
    <message>
        <source>Open Link</source>
        <translation>リンクを開く</translation>
    </message>
    <message>
        <source>Copy Link</source>
        <translation>リンクをコピー</translation>
    </message>
    <message>
        <source>Copy Text</source>
        <translation>テキストをコピー</translation>
    </message>
    <message>
        <source>Opens the article&apos;s link in the web browser</source>
        <translation>記事のリンクを Web ブラウザーで開きます</translation>
    </message>
    <message>
        <source>Copies the article&apos;s link</source>
        <translation>記事のリンクをコピーします</translation>
    </message>
    <message>
        <source>Copies the texts of the selected rows, one a line</source>
        <translation>選択した行のテキストを 1 行に 1 件ずつコピーします</translation>
    </message>
    <message>
        <source>Double-click a row or press Enter to open its link. The context menu (menu key or Shift+F10) opens or copies the link or copies the selected rows.</source>
        <translation>行をダブルクリックするか Enter キーを押すと、その行のリンクが開きます。コンテキストメニュー（メニューキーまたは Shift+F10）では、リンクを開く、リンクをコピーする、選択した行をコピーする、の操作ができます。</translation>
    </message>
    <message>
        <source>Invalid picture</source>
        <translation>ピクチャが不正です</translation>
    </message>
    <message>
        <source>File not found: %1</source>
        <translation>ファイルが見つかりません: %1</translation>
    </message>
    <message>
        <source>Permission denied: %1</source>
        <translation>アクセスが拒否されました: %1</translation>
    </message>
    <message>
        <source>Type mismatch</source>
        <translation>型が一致しません</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>オーバーフローしました</translation>
    </message>
    <message>
        <source>Invalid procedure call or argument</source>
        <translation>プロシージャの呼び出し、または引数が不正です</translation>
    </message>
    <message>
        <source>at line </source>
        <translation>行番号 </translation>
    </message>
    <message>
        <source>Please email screenshot of this message to </source>
        <translation>このメッセージのスクリーンショットを次のアドレスへ電子メールでお送りください: </translation>
    </message>
    <message>
        <source>Application Error</source>
        <translation>アプリケーションエラー</translation>
    </message>
    <message>
        <source>a line break or another control character</source>
        <translation>改行またはその他の制御文字</translation>
    </message>
    <message>
        <source>a text-direction control (U+%1)</source>
        <translation>テキスト方向の制御文字（U+%1）</translation>
    </message>
    <message>
        <source>Path/File access error: %1 is not a regular file. Tidewick uses the default settings and does not save them.</source>
        <translation>パス/ファイル アクセス エラー: %1 は通常のファイルではありません。Tidewick は既定の設定を使用し、設定を保存しません。</translation>
    </message>
    <message>
        <source>Path/File access error: %1 is not a regular file, so the request count cannot be stored. Nothing is queried until it can be.</source>
        <translation>パス/ファイル アクセス エラー: %1 は通常のファイルではないため、リクエスト数を保存できません。保存できるようになるまで、問い合わせは行いません。</translation>
    </message>
    <message>
        <source>The log-on entry was not written: the program&apos;s own path is unknown.</source>
        <translation>ログオン時の起動エントリを書き込みませんでした: プログラム自身のパスが不明です。</translation>
    </message>
    <message>
        <source>The log-on entry was not written: the program&apos;s path holds control characters that a desktop entry cannot carry.</source>
        <translation>ログオン時の起動エントリを書き込みませんでした: プログラムのパスに、デスクトップエントリに記述できない制御文字が含まれています。</translation>
    </message>
    <message>
        <source>The log-on entry was not written: the folder %1 cannot be made.</source>
        <translation>ログオン時の起動エントリを書き込みませんでした: フォルダー %1 を作成できません。</translation>
    </message>
    <message>
        <source>The log-on entry %1 could not be written: %2.</source>
        <translation>ログオン時の起動エントリ %1 を書き込めませんでした: %2。</translation>
    </message>
    <message>
        <source>The log-on entry %1 could not be removed: %2.</source>
        <translation>ログオン時の起動エントリ %1 を削除できませんでした: %2。</translation>
    </message>
    <message>
        <source>Path/File access error: the request count in %1 cannot be locked: %2. This fetch stops here; the next one goes on from this query.</source>
        <translation>パス/ファイル アクセス エラー: %1 のリクエスト数をロックできません: %2。今回の取得はここで停止し、次回はこの問い合わせから再開します。</translation>
    </message>
    <message>
        <source>File not found: the helper program &quot;%1&quot; is not on PATH (install the package &quot;%2&quot;)</source>
        <translation>ファイルが見つかりません: ヘルパープログラム「%1」が PATH 上にありません（パッケージ「%2」をインストールしてください）</translation>
    </message>
    <message>
        <source>Path/File access error: %1 (%2)</source>
        <translation>パス/ファイル アクセス エラー: %1（%2）</translation>
    </message>
    <message>
        <source>it is empty</source>
        <translation>アドレスが空です</translation>
    </message>
    <message>
        <source>it holds a control character</source>
        <translation>制御文字が含まれています</translation>
    </message>
    <message>
        <source>it holds a blank</source>
        <translation>空白が含まれています</translation>
    </message>
    <message>
        <source>it holds a scheme (such as http://); give the host alone</source>
        <translation>スキーム（http:// など）が含まれています。ホストのみを指定してください</translation>
    </message>
    <message>
        <source>it holds a user part (before &quot;@&quot;)</source>
        <translation>ユーザー部分（「@」より前）が含まれています</translation>
    </message>
    <message>
        <source>it holds a path (from &quot;/&quot;, &quot;?&quot; or &quot;#&quot; on)</source>
        <translation>パス（「/」、「?」、「#」以降）が含まれています</translation>
    </message>
    <message>
        <source>the port &quot;%1&quot; is not a number from 1 to 65535</source>
        <translation>ポート「%1」が 1 ～ 65535 の数値ではありません</translation>
    </message>
    <message>
        <source>the host name is longer than 253 characters</source>
        <translation>ホスト名が 253 文字を超えています</translation>
    </message>
    <message>
        <source>the IPv6 address lacks its closing &quot;]&quot;</source>
        <translation>IPv6 アドレスに閉じ角かっこ「]」がありません</translation>
    </message>
    <message>
        <source>only &quot;:PORT&quot; may follow the &quot;]&quot;</source>
        <translation>「]」の後に続けられるのは「:ポート」のみです</translation>
    </message>
    <message>
        <source>an IPv6 address must be put in brackets, as in [2001:db8::1]:8080</source>
        <translation>IPv6 アドレスは [2001:db8::1]:8080 のように角かっこで囲む必要があります</translation>
    </message>
    <message>
        <source>the host is missing before the port</source>
        <translation>ポートの前にホストがありません</translation>
    </message>
    <message>
        <source>The keyword &quot;%1&quot; is longer than %2 characters and cannot be sent to the news service. It was skipped.</source>
        <translation>キーワード「%1」は %2 文字を超えているため、ニュースサービスに送信できません。このキーワードはスキップしました。</translation>
    </message>
    <message>
        <source>The news service is given by its address (%1), and a country cannot be put in front of an address: the ticked countries are not queried. Give the service by its host name, or untick the countries.</source>
        <translation>ニュースサービスがアドレス（%1）で指定されており、アドレスの前に国を付けることはできないため、チェックした国は問い合わせません。サービスをホスト名で指定するか、国のチェックを外してください。</translation>
    </message>
    <message>
        <source>Division by zero</source>
        <translation>0 で除算しました</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>通常のファイルではありません</translation>
    </message>
    <message>
        <source>File not found</source>
        <translation>ファイルが見つかりません</translation>
    </message>
    <message>
        <source>%1 was not loaded: it is larger than a keyword list can be (%2 MB).</source>
        <translation>%1 は読み込まれませんでした: キーワードリストの上限（%2 MB）を超えています。</translation>
    </message>
    <message>
        <source>Path/File access error: %1</source>
        <translation>パス/ファイル アクセス エラー: %1</translation>
    </message>
    <message>
        <source>Device I/O error: %1</source>
        <translation>デバイス I/O エラー: %1</translation>
    </message>
    <message>
        <source>The watch list %1 cannot be read (%2).</source>
        <translation>ウォッチリスト %1 を読み込めません（%2）。</translation>
    </message>
    <message>
        <source>The watch list cannot be saved to %1 (%2).</source>
        <translation>ウォッチリストを %1 に保存できません（%2）。</translation>
    </message>
    <message>
        <source>it is larger than a watch list can be, %1 MB</source>
        <translation>ウォッチリストの上限 %1 MB を超えています</translation>
    </message>
    <message>
        <source>not a watch list: %1</source>
        <translation>ウォッチリストではありません: %1</translation>
    </message>
    <message>
        <source>not a watch list</source>
        <translation>ウォッチリストではありません</translation>
    </message>
    <message>
        <source> It was kept as %1, and the lists start empty.</source>
        <translation>元のファイルは %1 として残し、リストは空の状態で開始します。</translation>
    </message>
    <message>
        <source> It could not be moved aside (%1): Tidewick leaves it as it is and does not save the lists.</source>
        <translation>ファイルを移動できませんでした（%1）。Tidewick はファイルをそのまま残し、リストを保存しません。</translation>
    </message>
    <message>
        <source> Tidewick leaves it as it is and does not save the lists.</source>
        <translation>Tidewick はファイルをそのまま残し、リストを保存しません。</translation>
    </message>
    <message>
        <source>it is not a regular file; Tidewick leaves it alone and does not save the lists</source>
        <translation>通常のファイルではないため、Tidewick はそのままにし、リストを保存しません</translation>
    </message>
    <message>
        <source>its folder cannot be created</source>
        <translation>保存先のフォルダーを作成できません</translation>
    </message>
    <message>
        <source>Unknown character set: %1</source>
        <translation>不明な文字セット: %1</translation>
    </message>
    <message>
        <source>Cannot convert text to %1</source>
        <translation>テキストを %1 に変換できません</translation>
    </message>
    <message>
        <source>Not a regular file: %1</source>
        <translation>通常のファイルではありません: %1</translation>
    </message>
    <message>
        <source>Path not found: %1</source>
        <translation>パスが見つかりません: %1</translation>
    </message>
    <message>
        <source>Device I/O error: %1 (%2)</source>
        <translation>デバイス I/O エラー: %1（%2）</translation>
    </message>
    <message>
        <source>Fetch every 30 minutes</source>
        <translation>30 分ごとに取得</translation>
    </message>
    <message>
        <source>Fetch every 1 hour</source>
        <translation>1 時間ごとに取得</translation>
    </message>
    <message>
        <source>Fetch every 6 hours</source>
        <translation>6 時間ごとに取得</translation>
    </message>
    <message>
        <source>Fetch every 12 hours</source>
        <translation>12 時間ごとに取得</translation>
    </message>
    <message>
        <source>Fetch every 24 hours</source>
        <translation>24 時間ごとに取得</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>表示</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>開く</translation>
    </message>
    <message>
        <source>Show Tidewick</source>
        <translation>Tidewick を表示</translation>
    </message>
    <message>
        <source>News Fetch Now (Test)</source>
        <translation>今すぐ取得（テスト）</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>終了</translation>
    </message>
    <message>
        <source>%1 is a folder, not a lock file</source>
        <translation>%1 はフォルダーであり、ロックファイルではありません</translation>
    </message>
    <message>
        <source>%1 is a named pipe, not a lock file</source>
        <translation>%1 は名前付きパイプであり、ロックファイルではありません</translation>
    </message>
    <message>
        <source>%1 is a symbolic link, not a lock file</source>
        <translation>%1 はシンボリックリンクであり、ロックファイルではありません</translation>
    </message>
    <message>
        <source>%1 is a device, not a lock file</source>
        <translation>%1 はデバイスであり、ロックファイルではありません</translation>
    </message>
    <message>
        <source>%1 is a socket, not a lock file</source>
        <translation>%1 はソケットであり、ロックファイルではありません</translation>
    </message>
    <message>
        <source>%1 is something other than a file, not a lock file</source>
        <translation>%1 はファイル以外のものであり、ロックファイルではありません</translation>
    </message>
    <message>
        <source>%1 is not usable (%2)</source>
        <translation>%1 は使用できません（%2）</translation>
    </message>
    <message numerus="yes">
        <source>%1 is a file of %Ln byte(s), too large for a lock file</source>
        <translation>
            <numerusform>%1 は %Ln バイトのファイルで、ロックファイルとしては大きすぎます</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 is not a lock file</source>
        <translation>%1 はロックファイルではありません</translation>
    </message>
    <message>
        <source>%1 is not lockable (%2)</source>
        <translation>%1 はロックできません（%2）</translation>
    </message>
    <message numerus="yes">
        <source>another copy of Tidewick has held it for %Ln second(s)</source>
        <translation>
            <numerusform>Tidewick の別のインスタンスが %Ln 秒間ロックしたままです</numerusform>
        </translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not an IPv4 address</source>
        <translation>「%1」は IPv4 アドレスではありません</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a host name: each dot-separated part must be 1 to 63 letters (a-z), digits or inner hyphens</source>
        <translation>「%1」はホスト名ではありません: ドットで区切った各部分は、英字（a-z）、数字、ハイフン（先頭と末尾を除く）からなる 1 ～ 63 文字である必要があります</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not an IPv6 address</source>
        <translation>「%1」は IPv6 アドレスではありません</translation>
    </message>
    <message>
        <source>The news service&apos;s requests are counted from %1, another copy of Tidewick&apos;s time, but this computer&apos;s clock says %2. No news is fetched until the clock is right.</source>
        <translation>ニュースサービスへのリクエストは、Tidewick の別のインスタンスが記録した時刻 %1 から数えられていますが、このコンピューターの時計は %2 を示しています。時計が正しく合わせられるまで、ニュースは取得しません。</translation>
    </message>
    <message numerus="yes">
        <source>%Ln line(s) of %1 were left out: a keyword can be at most %2 characters long.</source>
        <translation>
            <numerusform>%1 の %Ln 行を除外しました。キーワードは %2 文字以内である必要があります。</numerusform>
        </translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a list</source>
        <translation>「%1」はリストではありません</translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds something other than text</source>
        <translation>「%1」にテキスト以外のデータが含まれています</translation>
    </message>
    <message>
        <source>Tidewick is already running but does not answer. If it has stopped responding, end it (for example in the system monitor) and start Tidewick again.</source>
        <translation>Tidewick はすでに起動していますが、応答がありません。応答しなくなっている場合は、システムモニターなどで終了してから、Tidewick をもう一度起動してください。</translation>
    </message>
    <message>
        <source>What was found cannot be kept in %1 (%2).</source>
        <translation>見つかった記事を %1 に保存できません（%2）。</translation>
    </message>
    <message>
        <source>%1 is not a regular file, so what was found is not kept.</source>
        <translation>%1 は通常のファイルではないため、見つかった記事は保存されません。</translation>
    </message>
    <message>
        <source>What was found cannot be kept: %1 cannot be read and cannot be moved aside.</source>
        <translation>見つかった記事を保存できません: %1 を読み込めず、移動することもできません。</translation>
    </message>
    <message>
        <source>What was found cannot be kept in %1.</source>
        <translation>見つかった記事を %1 に保存できません。</translation>
    </message>
    <message>
        <source>The history of what was found, %1, could not be read; it was kept as %2 and a new one was started.</source>
        <translation>見つかった記事の履歴 %1 を読み込めませんでした。元のファイルは %2 として残し、新しい履歴を開始しました。</translation>
    </message>
</context>
<context>
    <name>tidewick::MainWindow</name>
    <message>
        <source>Next news fetch will occur in</source>
        <translation>次回のニュース取得まで</translation>
    </message>
    <message>
        <source>Time until the next news fetch</source>
        <translation>次回のニュース取得までの時間</translation>
    </message>
    <message>
        <source>Startup Options</source>
        <translation>起動オプション</translation>
    </message>
    <message>
        <source>How often would you like to news fetch?</source>
        <translation>ニュースの取得間隔</translation>
    </message>
    <message>
        <source>Drag and drop files here. Double-click item to remove it. Move | line to right and out of window to reveal full names.</source>
        <translation>ここにファイルをドラッグ＆ドロップしてください。項目をダブルクリックすると削除されます。| の区切り線を右へウィンドウの外までドラッグすると、名前全体が表示されます。</translation>
    </message>
    <message>
        <source>Removes every keyword from the Keyword/s list</source>
        <translation>「キーワード」リストからすべてのキーワードを削除します</translation>
    </message>
    <message>
        <source>Removes every row from the News list</source>
        <translation>「ニュース」リストからすべての行を削除します</translation>
    </message>
    <message>
        <source>This keyword is %1 characters long. A keyword can be at most %2 characters long; it was not added.</source>
        <translation>このキーワードは %1 文字あります。キーワードは最大 %2 文字までのため、追加しませんでした。</translation>
    </message>
    <message>
        <source>This keyword holds %1, which a keyword cannot hold; it was not added.</source>
        <translation>このキーワードには、キーワードに使用できない%1が含まれているため、追加しませんでした。</translation>
    </message>
    <message>
        <source>Enter one keyword:</source>
        <translation>キーワードを 1 つ入力してください:</translation>
    </message>
    <message>
        <source>Load List(s) - Hold Ctrl to select multiple list files</source>
        <translation>リストの読み込み - Ctrl キーを押しながらクリックすると、複数のリストファイルを選択できます</translation>
    </message>
    <message>
        <source>An article announced before, by its link or its text, is neither announced nor added to the News list again</source>
        <translation>以前に通知した記事（リンクまたはテキストで判定）は、再び通知されず、「ニュース」リストにも再び追加されません</translation>
    </message>
    <message>
        <source>Forget the Articles Announced So Far</source>
        <translation>通知済み記事の記録を消去</translation>
    </message>
    <message>
        <source>The link %1 could not be opened: the desktop found no program for web pages, or it did not start.</source>
        <translation>リンク %1 を開けませんでした。デスクトップで Web ページ用のプログラムが見つからないか、そのプログラムが起動しませんでした。</translation>
    </message>
    <message>
        <source>There are no results to save.</source>
        <translation>保存する結果がありません。</translation>
    </message>
    <message>
        <source>Save List</source>
        <translation>リストを保存</translation>
    </message>
    <message>
        <source>Automatic news fetch is Off.</source>
        <translation>ニュースの自動取得はオフです。</translation>
    </message>
    <message>
        <source>Choose how often to fetch the news.</source>
        <translation>ニュースを取得する間隔を選んでください。</translation>
    </message>
    <message>
        <source>Next news fetch will occur in %1</source>
        <translation>次回のニュース取得まで %1</translation>
    </message>
    <message>
        <source>has been minimized to the system tray.<byte value="xd"/>
Click on the blue &apos;K&apos; icon (K for Kestrow) to bring the software back.</source>
        <translation>システムトレイに最小化されました。<byte value="xd"/>
青い「K」アイコン（Kestrow の K）をクリックすると、元に戻ります。</translation>
    </message>
    <message>
        <source>Find an article</source>
        <translation>記事を検索</translation>
    </message>
    <message>
        <source>Shows only the rows of the News list that hold every word typed</source>
        <translation>「ニュース」リストのうち、入力したすべての語を含む行だけを表示します</translation>
    </message>
    <message>
        <source>Load this software at l&amp;og-on</source>
        <translation>ログオン時に起動(&amp;O)</translation>
    </message>
    <message>
        <source>M&amp;inimized to system tray</source>
        <translation>システムトレイに最小化(&amp;I)</translation>
    </message>
    <message>
        <source>&amp;Turn On Automatic News Fetch</source>
        <translation>自動取得を開始(&amp;T)</translation>
    </message>
    <message>
        <source>News Fetch &amp;Now (Test)</source>
        <translation>今すぐ取得（テスト）(&amp;N)</translation>
    </message>
    <message>
        <source>&amp;Save Results</source>
        <translation>結果を保存(&amp;S)</translation>
    </message>
    <message>
        <source>Clear &amp;List</source>
        <comment>empties the News list</comment>
        <translation>リストをクリア(&amp;L)</translation>
    </message>
    <message>
        <source>&amp;Add One Keyword</source>
        <translation>キーワードを追加(&amp;A)</translation>
    </message>
    <message>
        <source>Load List From Te&amp;xt File</source>
        <translation>テキストファイルから読み込み(&amp;X)</translation>
    </message>
    <message>
        <source>&amp;Clear List</source>
        <comment>empties the Keyword/s list</comment>
        <translation>リストをクリア(&amp;C)</translation>
    </message>
    <message>
        <source>Load Sa&amp;mple/Example Data</source>
        <translation>サンプルデータを読み込み(&amp;M)</translation>
    </message>
    <message>
        <source>Announce only ne&amp;w articles</source>
        <translation>新しい記事のみ通知(&amp;W)</translation>
    </message>
    <message>
        <source>%1 is not a regular file (a device or a named pipe, say), so the results cannot be saved there. Please choose another name.</source>
        <translation>%1 は通常のファイルではない（デバイスや名前付きパイプなど）ため、結果をそこに保存できません。別の名前を選んでください。</translation>
    </message>
    <message>
        <source>Are you sure you wish to overwrite %1 ?</source>
        <translation>ファイル「%1」を上書きしてもよろしいですか？</translation>
    </message>
    <message>
        <source>&amp;Turn Off Automatic News Fetch</source>
        <translation>自動取得を停止(&amp;T)</translation>
    </message>
    <message>
        <source>Tidewick is already running. Click here to show its window.</source>
        <translation>Tidewick はすでに起動しています。ここをクリックするとウィンドウを表示します。</translation>
    </message>
    <message numerus="yes">
        <source>%Ln article(s) listed</source>
        <translation>
            <numerusform>一覧に %Ln 件の記事</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Automatic news fetch done: %Ln article(s) listed.</source>
        <translation>
            <numerusform>自動取得が完了しました: %Ln 件の記事を一覧に追加しました。</numerusform>
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
        <translation>閉じる</translation>
    </message>
</context>
</TS>
