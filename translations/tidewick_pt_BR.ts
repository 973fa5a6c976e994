<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>MainWindow</name>
    <message>
        <source>Keyword/s</source>
        <translation>Palavras-chave</translation>
    </message>
    <message>
        <source>Local News Sites</source>
        <translation>Sites de notícias locais</translation>
    </message>
    <message>
        <source>Categories</source>
        <translation>Categorias</translation>
    </message>
    <message>
        <source>News</source>
        <translation>Notícias</translation>
    </message>
    <message>
        <source>Tidewick has forgotten the articles it announced: each one is announced again the next time the news service lists it.</source>
        <translation>O Tidewick esqueceu os artigos que notificou: cada um será notificado novamente na próxima vez que o serviço de notícias o listar.</translation>
    </message>
    <message>
        <source>A news fetch is using the memory of announced articles. Try again when it has ended.</source>
        <translation>Uma busca de notícias está usando o histórico de artigos notificados. Tente novamente quando ela terminar.</translation>
    </message>
    <message>
        <source>A news fetch is already running. The new one was not started.</source>
        <translation>Já há uma busca de notícias em andamento. A nova não foi iniciada.</translation>
    </message>
    <message>
        <source>Done.</source>
        <translation>Concluído.</translation>
    </message>
    <message>
        <source>No news was fetched: the news service has refused further requests. Tidewick asks again after %1.</source>
        <translation>Nenhuma notícia foi buscada: o serviço de notícias recusou novas solicitações. O Tidewick tentará novamente após %1.</translation>
    </message>
    <message>
        <source>No news was fetched: the news service allows about 50 requests in 12 hours, and they have been made. Tidewick asks again after %1.</source>
        <translation>Nenhuma notícia foi buscada: o serviço de notícias permite cerca de 50 solicitações a cada 12 horas, e todas já foram feitas. O Tidewick tentará novamente após %1.</translation>
    </message>
    <message numerus="yes">
        <source>%Ln keyword(s) of the watch list %1 were left out: a keyword holds more than blanks, no line break or text-direction control, and is at most %2 characters long.</source>
        <translation>
            <numerusform>%Ln palavra-chave da lista de monitoramento %1 não foi carregada: uma palavra-chave deve conter algo além de espaços em branco, não pode conter quebras de linha nem caracteres de controle de direção do texto e pode ter no máximo %2 caracteres.</numerusform>
            <numerusform>%Ln palavras-chave da lista de monitoramento %1 não foram carregadas: uma palavra-chave deve conter algo além de espaços em branco, não pode conter quebras de linha nem caracteres de controle de direção do texto e pode ter no máximo %2 caracteres.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Tidewick</name>
    <message>
        <source>Text Files (*.txt)</source>
        <translation>Arquivos de texto (*.txt)</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Todos os arquivos (*)</translation>
    </message>
    <message>
        <source>The news service address &quot;%1&quot; set by %2 cannot be used: %3.

Tidewick queries nothing until this is fixed; it does not fall back to another address. Give a host name, an IPv4 address or an IPv6 address in brackets, with an optional port, for example news.example.org:8080 or [2001:db8::1]:8080.</source>
        <translation>O endereço do serviço de notícias &quot;%1&quot;, definido com %2, não pode ser usado: %3.

O Tidewick não fará nenhuma consulta até que isso seja corrigido; ele não recorre a outro endereço. Informe um nome de host, um endereço IPv4 ou um endereço IPv6 entre colchetes, com uma porta opcional; por exemplo, news.example.org:8080 ou [2001:db8::1]:8080.</translation>
    </message>
    <message>
        <source>the command-line option --news-host</source>
        <translation>a opção de linha de comando --news-host</translation>
    </message>
    <message>
        <source>the environment variable TIDEWICK_NEWS_HOST</source>
        <translation>a variável de ambiente TIDEWICK_NEWS_HOST</translation>
    </message>
    <message>
        <source>the key NewsHost in the group [Service] of %1</source>
        <translation>a chave NewsHost do grupo [Service] de %1</translation>
    </message>
    <message>
        <source>the build setting TIDEWICK_NEWS_HOST</source>
        <translation>a configuração de compilação TIDEWICK_NEWS_HOST</translation>
    </message>
    <message>
        <source>Open Link</source>
        <translation>Abrir link</translation>
    </message>
    <message>
        <source>Copy Link</source>
        <translation>Copiar link</translation>
    </message>
    <message>
        <source>Copy Text</source>
        <translation>Copiar texto</translation>
    </message>
    <message>
        <source>Opens the article&apos;s link in the web browser</source>
        <translation>Abre o link do artigo no navegador</translation>
    </message>
    <message>
        <source>Copies the article&apos;s link</source>
        <translation>Copia o link do artigo</translation>
    </message>
    <message>
        <source>Copies the texts of the selected rows, one a line</source>
        <translation>Copia o texto das linhas selecionadas, uma por linha</translation>
    </message>
    <message>
        <source>Double-click a row or press Enter to open its link. The context menu (menu key or Shift+F10) opens or copies the link or copies the selected rows.</source>
        <translation>Clique duas vezes em uma linha ou pressione Enter para abrir o link dela. O menu de contexto (tecla de menu ou Shift+F10) abre ou copia o link, ou copia as linhas selecionadas.</translation>
    </message>
    <message>
        <source>Invalid picture</source>
        <translation>Imagem inválida</translation>
    </message>
    <message>
        <source>File not found: %1</source>
        <translation>Arquivo não encontrado: %1</translation>
    </message>
    <message>
        <source>Permission denied: %1</source>
        <translation>Permissão negada: %1</translation>
    </message>
    <message>
        <source>Type mismatch</source>
        <translation>Tipos incompatíveis</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>Estouro</translation>
    </message>
    <message>
        <source>Invalid procedure call or argument</source>
        <translation>Chamada de procedimento ou argumento inválido</translation>
    </message>
    <message>
        <source>at line </source>
        <translation>na linha </translation>
    </message>
    <message>
        <source>Please email screenshot of this message to </source>
        <translation>Envie uma captura de tela desta mensagem por e-mail para </translation>
    </message>
    <message>
        <source>Application Error</source>
        <translation>Erro do aplicativo</translation>
    </message>
    <message>
        <source>a line break or another control character</source>
        <translation>uma quebra de linha ou outro caractere de controle</translation>
    </message>
    <message>
        <source>a text-direction control (U+%1)</source>
        <translation>um caractere de controle de direção do texto (U+%1)</translation>
    </message>
    <message>
        <source>Path/File access error: %1 is not a regular file. Tidewick uses the default settings and does not save them.</source>
        <translation>Erro de acesso ao caminho/arquivo: %1 não é um arquivo comum. O Tidewick usa as configurações padrão e não as salva.</translation>
    </message>
    <message>
        <source>Path/File access error: %1 is not a regular file, so the request count cannot be stored. Nothing is queried until it can be.</source>
        <translation>Erro de acesso ao caminho/arquivo: %1 não é um arquivo comum, portanto a contagem de solicitações não pode ser armazenada. Nenhuma consulta será feita até que isso seja possível.</translation>
    </message>
    <message>
        <source>The log-on entry was not written: the program&apos;s own path is unknown.</source>
        <translation>A entrada de início de sessão não foi gravada: o caminho do próprio programa é desconhecido.</translation>
    </message>
    <message>
        <source>The log-on entry was not written: the program&apos;s path holds control characters that a desktop entry cannot carry.</source>
        <translation>A entrada de início de sessão não foi gravada: o caminho do programa contém caracteres de controle que um arquivo .desktop não aceita.</translation>
    </message>
    <message>
        <source>The log-on entry was not written: the folder %1 cannot be made.</source>
        <translation>A entrada de início de sessão não foi gravada: não é possível criar a pasta %1.</translation>
    </message>
    <message>
        <source>The log-on entry %1 could not be written: %2.</source>
        <translation>Não foi possível gravar a entrada de início de sessão %1: %2.</translation>
    </message>
    <message>
        <source>The log-on entry %1 could not be removed: %2.</source>
        <translation>Não foi possível remover a entrada de início de sessão %1: %2.</translation>
    </message>
    <message>
        <source>Path/File access error: the request count in %1 cannot be locked: %2. This fetch stops here; the next one goes on from this query.</source>
        <translation>Erro de acesso ao caminho/arquivo: não é possível bloquear a contagem de solicitações em %1: %2. Esta busca para aqui; a próxima continuará a partir desta consulta.</translation>
    </message>
    <message>
        <source>File not found: the helper program &quot;%1&quot; is not on PATH (install the package &quot;%2&quot;)</source>
        <translation>Arquivo não encontrado: o programa auxiliar &quot;%1&quot; não está no PATH (instale o pacote &quot;%2&quot;)</translation>
    </message>
    <message>
        <source>Path/File access error: %1 (%2)</source>
        <translation>Erro de acesso ao caminho/arquivo: %1 (%2)</translation>
    </message>
    <message>
        <source>it is empty</source>
        <translation>está vazio</translation>
    </message>
    <message>
        <source>it holds a control character</source>
        <translation>contém um caractere de controle</translation>
    </message>
    <message>
        <source>it holds a blank</source>
        <translation>contém um espaço em branco</translation>
    </message>
    <message>
        <source>it holds a scheme (such as http://); give the host alone</source>
        <translation>contém um esquema (como http://); informe apenas o host</translation>
    </message>
    <message>
        <source>it holds a user part (before &quot;@&quot;)</source>
        <translation>contém uma parte de usuário (antes de &quot;@&quot;)</translation>
    </message>
    <message>
        <source>it holds a path (from &quot;/&quot;, &quot;?&quot; or &quot;#&quot; on)</source>
        <translation>contém um caminho (a partir de &quot;/&quot;, &quot;?&quot; ou &quot;#&quot;)</translation>
    </message>
    <message>
        <source>the port &quot;%1&quot; is not a number from 1 to 65535</source>
        <translation>a porta &quot;%1&quot; não é um número de 1 a 65535</translation>
    </message>
    <message>
        <source>the host name is longer than 253 characters</source>
        <translation>o nome do host tem mais de 253 caracteres</translation>
    </message>
    <message>
        <source>the IPv6 address lacks its closing &quot;]&quot;</source>
        <translation>falta o &quot;]&quot; de fechamento no endereço IPv6</translation>
    </message>
    <message>
        <source>only &quot;:PORT&quot; may follow the &quot;]&quot;</source>
        <translation>depois de &quot;]&quot; só pode vir &quot;:PORTA&quot;</translation>
    </message>
    <message>
        <source>an IPv6 address must be put in brackets, as in [2001:db8::1]:8080</source>
        <translation>um endereço IPv6 deve estar entre colchetes, como em [2001:db8::1]:8080</translation>
    </message>
    <message>
        <source>the host is missing before the port</source>
        <translation>falta o host antes da porta</translation>
    </message>
    <message>
        <source>The keyword &quot;%1&quot; is longer than %2 characters and cannot be sent to the news service. It was skipped.</source>
        <translation>A palavra-chave &quot;%1&quot; tem mais de %2 caracteres e não pode ser enviada ao serviço de notícias. Ela foi ignorada.</translation>
    </message>
    <message>
        <source>The news service is given by its address (%1), and a country cannot be put in front of an address: the ticked countries are not queried. Give the service by its host name, or untick the countries.</source>
        <translation>O serviço de notícias está informado pelo endereço (%1), e não é possível colocar um país antes de um endereço: os países marcados não são consultados. Informe o serviço pelo nome do host ou desmarque os países.</translation>
    </message>
    <message>
        <source>Division by zero</source>
        <translation>Divisão por zero</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>não é um arquivo comum</translation>
    </message>
    <message>
        <source>File not found</source>
        <translation>Arquivo não encontrado</translation>
    </message>
    <message>
        <source>%1 was not loaded: it is larger than a keyword list can be (%2 MB).</source>
        <translation>%1 não foi carregado: excede o tamanho máximo de uma lista de palavras-chave (%2 MB).</translation>
    </message>
    <message>
        <source>Path/File access error: %1</source>
        <translation>Erro de acesso ao caminho/arquivo: %1</translation>
    </message>
    <message>
        <source>Device I/O error: %1</source>
        <translation>Erro de E/S do dispositivo: %1</translation>
    </message>
    <message>
        <source>The watch list %1 cannot be read (%2).</source>
        <translation>Não é possível ler a lista de monitoramento %1 (%2).</translation>
    </message>
    <message>
        <source>The watch list cannot be saved to %1 (%2).</source>
        <translation>Não é possível salvar a lista de monitoramento em %1 (%2).</translation>
    </message>
    <message>
        <source>it is larger than a watch list can be, %1 MB</source>
        <translation>excede o tamanho máximo de uma lista de monitoramento, %1 MB</translation>
    </message>
    <message>
        <source>not a watch list: %1</source>
        <translation>não é uma lista de monitoramento: %1</translation>
    </message>
    <message>
        <source>not a watch list</source>
        <translation>não é uma lista de monitoramento</translation>
    </message>
    <message>
        <source> It was kept as %1, and the lists start empty.</source>
        <translation> O arquivo foi mantido como %1, e as listas começam vazias.</translation>
    </message>
    <message>
        <source> It could not be moved aside (%1): Tidewick leaves it as it is and does not save the lists.</source>
        <translation> Não foi possível pôr o arquivo de lado (%1): o Tidewick não o altera e não salva as listas.</translation>
    </message>
    <message>
        <source> Tidewick leaves it as it is and does not save the lists.</source>
        <translation> O Tidewick não altera o arquivo e não salva as listas.</translation>
    </message>
    <message>
        <source>it is not a regular file; Tidewick leaves it alone and does not save the lists</source>
        <translation>não é um arquivo comum; o Tidewick não o altera e não salva as listas</translation>
    </message>
    <message>
        <source>its folder cannot be created</source>
        <translation>não é possível criar a pasta</translation>
    </message>
    <message>
        <source>Unknown character set: %1</source>
        <translation>Conjunto de caracteres desconhecido: %1</translation>
    </message>
    <message>
        <source>Cannot convert text to %1</source>
        <translation>Não é possível converter o texto para %1</translation>
    </message>
    <message>
        <source>Not a regular file: %1</source>
        <translation>Não é um arquivo comum: %1</translation>
    </message>
    <message>
        <source>Path not found: %1</source>
        <translation>Caminho não encontrado: %1</translation>
    </message>
    <message>
        <source>Device I/O error: %1 (%2)</source>
        <translation>Erro de E/S do dispositivo: %1 (%2)</translation>
    </message>
    <message>
        <source>Fetch every 30 minutes</source>
        <translation>Buscar a cada 30 minutos</translation>
    </message>
    <message>
        <source>Fetch every 1 hour</source>
        <translation>Buscar a cada 1 hora</translation>
    </message>
    <message>
        <source>Fetch every 6 hours</source>
        <translation>Buscar a cada 6 horas</translation>
    </message>
    <message>
        <source>Fetch every 12 hours</source>
        <translation>Buscar a cada 12 horas</translation>
    </message>
    <message>
        <source>Fetch every 24 hours</source>
        <translation>Buscar a cada 24 horas</translation>
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
        <translation>Mostrar o Tidewick</translation>
    </message>
    <message>
        <source>News Fetch Now (Test)</source>
        <translation>Buscar agora (teste)</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Sair</translation>
    </message>
    <message>
        <source>%1 is a folder, not a lock file</source>
        <translation>%1 é uma pasta, não um arquivo de bloqueio</translation>
    </message>
    <message>
        <source>%1 is a named pipe, not a lock file</source>
        <translation>%1 é um pipe nomeado, não um arquivo de bloqueio</translation>
    </message>
    <message>
        <source>%1 is a symbolic link, not a lock file</source>
        <translation>%1 é um link simbólico, não um arquivo de bloqueio</translation>
    </message>
    <message>
        <source>%1 is a device, not a lock file</source>
        <translation>%1 é um dispositivo, não um arquivo de bloqueio</translation>
    </message>
    <message>
        <source>%1 is a socket, not a lock file</source>
        <translation>%1 é um socket, não um arquivo de bloqueio</translation>
    </message>
    <message>
        <source>%1 is something other than a file, not a lock file</source>
        <translation>%1 é algo diferente de um arquivo, não um arquivo de bloqueio</translation>
    </message>
    <message>
        <source>%1 is not usable (%2)</source>
        <translation>%1 não pode ser usado (%2)</translation>
    </message>
    <message numerus="yes">
        <source>%1 is a file of %Ln byte(s), too large for a lock file</source>
        <translation>
            <numerusform>%1 é um arquivo de %Ln byte, grande demais para ser um arquivo de bloqueio</numerusform>
            <numerusform>%1 é um arquivo de %Ln bytes, grande demais para ser um arquivo de bloqueio</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 is not a lock file</source>
        <translation>%1 não é um arquivo de bloqueio</translation>
    </message>
    <message>
        <source>%1 is not lockable (%2)</source>
        <translation>%1 não pode ser bloqueado (%2)</translation>
    </message>
    <message numerus="yes">
        <source>another copy of Tidewick has held it for %Ln second(s)</source>
        <translation>
            <numerusform>outra instância do Tidewick mantém o bloqueio há %Ln segundo</numerusform>
            <numerusform>outra instância do Tidewick mantém o bloqueio há %Ln segundos</numerusform>
        </translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not an IPv4 address</source>
        <translation>&quot;%1&quot; não é um endereço IPv4</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a host name: each dot-separated part must be 1 to 63 letters (a-z), digits or inner hyphens</source>
        <translation>&quot;%1&quot; não é um nome de host: cada parte separada por pontos deve ter de 1 a 63 letras (a-z), dígitos ou hifens, sem hífen no início nem no fim</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not an IPv6 address</source>
        <translation>&quot;%1&quot; não é um endereço IPv6</translation>
    </message>
    <message>
        <source>The news service&apos;s requests are counted from %1, another copy of Tidewick&apos;s time, but this computer&apos;s clock says %2. No news is fetched until the clock is right.</source>
        <translation>As solicitações ao serviço de notícias são contadas a partir de %1, horário definido por outra instância do Tidewick, mas o relógio deste computador indica %2. Nenhuma notícia será buscada até que o relógio esteja certo.</translation>
    </message>
    <message numerus="yes">
        <source>%Ln line(s) of %1 were left out: a keyword can be at most %2 characters long.</source>
        <translation>
            <numerusform>%Ln linha de %1 não foi carregada: uma palavra-chave pode ter no máximo %2 caracteres.</numerusform>
            <numerusform>%Ln linhas de %1 não foram carregadas: uma palavra-chave pode ter no máximo %2 caracteres.</numerusform>
        </translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a list</source>
        <translation>&quot;%1&quot; não é uma lista</translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds something other than text</source>
        <translation>&quot;%1&quot; contém algo que não é texto</translation>
    </message>
    <message>
        <source>Tidewick is already running but does not answer. If it has stopped responding, end it (for example in the system monitor) and start Tidewick again.</source>
        <translation>O Tidewick já está em execução, mas não responde. Se ele parou de responder, encerre-o (por exemplo, no monitor do sistema) e inicie o Tidewick novamente.</translation>
    </message>
    <message>
        <source>What was found cannot be kept in %1 (%2).</source>
        <translation>Não é possível guardar os artigos encontrados em %1 (%2).</translation>
    </message>
    <message>
        <source>%1 is not a regular file, so what was found is not kept.</source>
        <translation>%1 não é um arquivo comum, portanto os artigos encontrados não são guardados.</translation>
    </message>
    <message>
        <source>What was found cannot be kept: %1 cannot be read and cannot be moved aside.</source>
        <translation>Não é possível guardar os artigos encontrados: %1 não pode ser lido nem posto de lado.</translation>
    </message>
    <message>
        <source>What was found cannot be kept in %1.</source>
        <translation>Não é possível guardar os artigos encontrados em %1.</translation>
    </message>
    <message>
        <source>The history of what was found, %1, could not be read; it was kept as %2 and a new one was started.</source>
        <translation>Não foi possível ler o histórico de artigos encontrados, %1; ele foi mantido como %2, e um novo foi iniciado.</translation>
    </message>
</context>
<context>
    <name>tidewick::MainWindow</name>
    <message>
        <source>Next news fetch will occur in</source>
        <translation>Próxima busca de notícias em</translation>
    </message>
    <message>
        <source>Time until the next news fetch</source>
        <translation>Tempo até a próxima busca de notícias</translation>
    </message>
    <message>
        <source>Startup Options</source>
        <translation>Opções de inicialização</translation>
    </message>
    <message>
        <source>How often would you like to news fetch?</source>
        <translation>Com que frequência deseja buscar notícias?</translation>
    </message>
    <message>
        <source>Drag and drop files here. Double-click item to remove it. Move | line to right and out of window to reveal full names.</source>
        <translation>Arraste e solte arquivos aqui. Clique duas vezes em um item para removê-lo. Mova a linha | para a direita, para fora da janela, para ver os nomes completos.</translation>
    </message>
    <message>
        <source>Removes every keyword from the Keyword/s list</source>
        <translation>Remove todas as palavras-chave da lista Palavras-chave</translation>
    </message>
    <message>
        <source>Removes every row from the News list</source>
        <translation>Remove todas as linhas da lista Notícias</translation>
    </message>
    <message>
        <source>This keyword is %1 characters long. A keyword can be at most %2 characters long; it was not added.</source>
        <translation>Esta palavra-chave tem %1 caracteres. Uma palavra-chave pode ter no máximo %2 caracteres; ela não foi adicionada.</translation>
    </message>
    <message>
        <source>This keyword holds %1, which a keyword cannot hold; it was not added.</source>
        <translation>Esta palavra-chave contém %1, algo que uma palavra-chave não pode conter; ela não foi adicionada.</translation>
    </message>
    <message>
        <source>Enter one keyword:</source>
        <translation>Digite uma palavra-chave:</translation>
    </message>
    <message>
        <source>Load List(s) - Hold Ctrl to select multiple list files</source>
        <translation>Carregar listas - Mantenha a tecla Ctrl pressionada para selecionar vários arquivos de lista</translation>
    </message>
    <message>
        <source>An article announced before, by its link or its text, is neither announced nor added to the News list again</source>
        <translation>Um artigo já notificado, reconhecido pelo link ou pelo texto, não é notificado nem adicionado à lista Notícias novamente</translation>
    </message>
    <message>
        <source>Forget the Articles Announced So Far</source>
        <translation>Esquecer artigos já notificados</translation>
    </message>
    <message>
        <source>The link %1 could not be opened: the desktop found no program for web pages, or it did not start.</source>
        <translation>Não foi possível abrir o link %1: o ambiente de área de trabalho não encontrou nenhum programa para páginas da web, ou o programa não foi iniciado.</translation>
    </message>
    <message>
        <source>There are no results to save.</source>
        <translation>Não há resultados para salvar.</translation>
    </message>
    <message>
        <source>Save List</source>
        <translation>Salvar lista</translation>
    </message>
    <message>
        <source>Automatic news fetch is Off.</source>
        <translation>A busca automática de notícias está desativada.</translation>
    </message>
    <message>
        <source>Choose how often to fetch the news.</source>
        <translation>Escolha com que frequência buscar notícias.</translation>
    </message>
    <message>
        <source>Next news fetch will occur in %1</source>
        <translation>Próxima busca de notícias em %1</translation>
    </message>
    <message>
        <source>has been minimized to the system tray.<byte value="xd"/>
Click on the blue &apos;K&apos; icon (K for Kestrow) to bring the software back.</source>
        <translation>foi minimizado para a área de notificação.<byte value="xd"/>
Clique no ícone azul &apos;K&apos; (K de Kestrow) para restaurar o programa.</translation>
    </message>
    <message>
        <source>Find an article</source>
        <translation>Localizar artigo</translation>
    </message>
    <message>
        <source>Shows only the rows of the News list that hold every word typed</source>
        <translation>Mostra apenas as linhas da lista Notícias que contêm todas as palavras digitadas</translation>
    </message>
    <message>
        <source>Load this software at l&amp;og-on</source>
        <translation>Abrir ao &amp;iniciar a sessão</translation>
    </message>
    <message>
        <source>M&amp;inimized to system tray</source>
        <translation>&amp;Minimizado na área de notificação</translation>
    </message>
    <message>
        <source>&amp;Turn On Automatic News Fetch</source>
        <translation>Ativar &amp;busca automática</translation>
    </message>
    <message>
        <source>News Fetch &amp;Now (Test)</source>
        <translation>Buscar agora (&amp;teste)</translation>
    </message>
    <message>
        <source>&amp;Save Results</source>
        <translation>&amp;Salvar resultados</translation>
    </message>
    <message>
        <source>Clear &amp;List</source>
        <comment>empties the News list</comment>
        <translation>Limpar &amp;lista</translation>
    </message>
    <message>
        <source>&amp;Add One Keyword</source>
        <translation>&amp;Adicionar palavra-chave</translation>
    </message>
    <message>
        <source>Load List From Te&amp;xt File</source>
        <translation>&amp;Carregar de arquivo de texto</translation>
    </message>
    <message>
        <source>&amp;Clear List</source>
        <comment>empties the Keyword/s list</comment>
        <translation>Lim&amp;par lista</translation>
    </message>
    <message>
        <source>Load Sa&amp;mple/Example Data</source>
        <translation>Carregar &amp;dados de exemplo</translation>
    </message>
    <message>
        <source>Announce only ne&amp;w articles</source>
        <translation>Notificar apenas artigos &amp;novos</translation>
    </message>
    <message>
        <source>%1 is not a regular file (a device or a named pipe, say), so the results cannot be saved there. Please choose another name.</source>
        <translation>%1 não é um arquivo comum (é, por exemplo, um dispositivo ou um pipe nomeado), portanto os resultados não podem ser salvos nele. Escolha outro nome.</translation>
    </message>
    <message>
        <source>Are you sure you wish to overwrite %1 ?</source>
        <translation>Tem certeza de que deseja sobrescrever %1?</translation>
    </message>
    <message>
        <source>&amp;Turn Off Automatic News Fetch</source>
        <translation>Desativar &amp;busca automática</translation>
    </message>
    <message>
        <source>Tidewick is already running. Click here to show its window.</source>
        <translation>O Tidewick já está em execução. Clique aqui para mostrar a janela.</translation>
    </message>
    <message numerus="yes">
        <source>%Ln article(s) listed</source>
        <translation>
            <numerusform>%Ln artigo na lista</numerusform>
            <numerusform>%Ln artigos na lista</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Automatic news fetch done: %Ln article(s) listed.</source>
        <translation>
            <numerusform>Busca automática concluída: %Ln artigo listado.</numerusform>
            <numerusform>Busca automática concluída: %Ln artigos listados.</numerusform>
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
        <translation>Fechar</translation>
    </message>
</context>
</TS>
