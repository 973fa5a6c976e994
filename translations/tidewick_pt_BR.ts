<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
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
        <source>a folder</source>
        <translation>uma pasta</translation>
    </message>
    <message>
        <source>a named pipe</source>
        <translation>um pipe nomeado</translation>
    </message>
    <message>
        <source>a symbolic link</source>
        <translation>um link simbólico</translation>
    </message>
    <message>
        <source>a device</source>
        <translation>um dispositivo</translation>
    </message>
    <message>
        <source>a socket</source>
        <translation>um socket</translation>
    </message>
    <message>
        <source>something other than a file</source>
        <translation>algo diferente de um arquivo</translation>
    </message>
    <message>
        <source>%1 is %2</source>
        <translation>%1 é %2</translation>
    </message>
    <message>
        <source>, not a lock file</source>
        <translation>, não um arquivo de bloqueio</translation>
    </message>
    <message>
        <source>a file of %1 bytes, too large for a lock file</source>
        <translation>um arquivo de %1 bytes, grande demais para ser um arquivo de bloqueio</translation>
    </message>
    <message>
        <source>not usable (%1)</source>
        <translation>inutilizável (%1)</translation>
    </message>
    <message>
        <source>not a lock file</source>
        <translation>não é um arquivo de bloqueio</translation>
    </message>
    <message>
        <source>not lockable (%1)</source>
        <translation>não é possível bloquear (%1)</translation>
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
        <source>another copy of Tidewick has held it for %1 seconds</source>
        <translation>outra instância do Tidewick o mantém bloqueado há %1 segundos</translation>
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
        <source>The memory of announced articles %1 cannot be used (%2).</source>
        <translation>Não é possível usar o histórico de artigos notificados %1 (%2).</translation>
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
        <source>Fetch every 1 second</source>
        <translation>Buscar a cada 1 segundo</translation>
    </message>
    <message>
        <source>Fetch every 5 seconds</source>
        <translation>Buscar a cada 5 segundos</translation>
    </message>
    <message>
        <source>Fetch every 10 seconds</source>
        <translation>Buscar a cada 10 segundos</translation>
    </message>
    <message>
        <source>Fetch every 30 seconds</source>
        <translation>Buscar a cada 30 segundos</translation>
    </message>
    <message>
        <source>Fetch every 1 minute</source>
        <translation>Buscar a cada 1 minuto</translation>
    </message>
    <message>
        <source>Fetch every 5 minutes</source>
        <translation>Buscar a cada 5 minutos</translation>
    </message>
    <message>
        <source>Fetch every 10 minutes</source>
        <translation>Buscar a cada 10 minutos</translation>
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
        <source>1 line of %1 was left out: a keyword can be at most %2 characters long.</source>
        <translation>1 linha de %1 não foi carregada: uma palavra-chave pode ter no máximo %2 caracteres.</translation>
    </message>
    <message>
        <source>%1 lines of %2 were left out: a keyword can be at most %3 characters long.</source>
        <translation>%1 linhas de %2 não foram carregadas: uma palavra-chave pode ter no máximo %3 caracteres.</translation>
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
        <source>News</source>
        <translation>Notícias</translation>
    </message>
    <message>
        <source>Startup Options</source>
        <translation>Opções de inicialização</translation>
    </message>
    <message>
        <source>Load this software at log-on</source>
        <translation>Abrir ao iniciar a sessão</translation>
    </message>
    <message>
        <source>Minimized to system tray</source>
        <translation>Minimizado na área de notificação</translation>
    </message>
    <message>
        <source>Turn On Automatic News Fetch</source>
        <translation>Ativar busca automática</translation>
    </message>
    <message>
        <source>News Fetch Now (Test)</source>
        <translation>Buscar agora (teste)</translation>
    </message>
    <message>
        <source>How often would you like to news fetch?</source>
        <translation>Com que frequência deseja buscar notícias?</translation>
    </message>
    <message>
        <source>Save Results</source>
        <translation>Salvar resultados</translation>
    </message>
    <message>
        <source>Clear List</source>
        <translation>Limpar lista</translation>
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
        <source>Keyword/s</source>
        <translation>Palavras-chave</translation>
    </message>
    <message>
        <source>Drag and drop files here. Double-click item to remove it. Move | line to right and out of window to reveal full names.</source>
        <translation>Arraste e solte arquivos aqui. Clique duas vezes em um item para removê-lo. Mova a linha | para a direita, para fora da janela, para ver os nomes completos.</translation>
    </message>
    <message>
        <source>Add One Keyword</source>
        <translation>Adicionar palavra-chave</translation>
    </message>
    <message>
        <source>Load List From Text File</source>
        <translation>Carregar lista de arquivo</translation>
    </message>
    <message>
        <source>Load Sample/Example Data</source>
        <translation>Carregar dados de exemplo</translation>
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
        <source>Announce only new articles</source>
        <translation>Notificar apenas artigos novos</translation>
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
        <source>Tidewick has forgotten the articles it announced: each one is announced again the next time the news service lists it.</source>
        <translation>O Tidewick esqueceu os artigos que notificou: cada um será notificado novamente na próxima vez que o serviço de notícias o listar.</translation>
    </message>
    <message>
        <source>A news fetch is using the memory of announced articles. Try again when it has ended.</source>
        <translation>Uma busca de notícias está usando o histórico de artigos notificados. Tente novamente quando ela terminar.</translation>
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
        <source> is not a regular file (a device or a named pipe, say), so the results cannot be saved there. Please choose another name.</source>
        <translation> não é um arquivo comum (é, por exemplo, um dispositivo ou um pipe nomeado), portanto os resultados não podem ser salvos nele. Escolha outro nome.</translation>
    </message>
    <message>
        <source>Are you sure you wish to overwrite </source>
        <translation>Tem certeza de que deseja sobrescrever </translation>
    </message>
    <message>
        <source> ?</source>
        <translation> ?</translation>
    </message>
    <message>
        <source>Turn Off Automatic News Fetch</source>
        <translation>Desativar busca automática</translation>
    </message>
    <message>
        <source>A news fetch is already running. The new one was not started.</source>
        <translation>Já há uma busca de notícias em andamento. A nova não foi iniciada.</translation>
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
        <source>Done.</source>
        <translation>Concluído.</translation>
    </message>
    <message>
        <source>has been minimized to the system tray.<byte value="xd"/>
Click on the blue &apos;K&apos; icon (K for Kestrow) to bring the software back.</source>
        <translation>foi minimizado para a área de notificação.<byte value="xd"/>
Clique no ícone azul &apos;K&apos; (K de Kestrow) para restaurar o programa.</translation>
    </message>
    <message>
        <source>%1 keyword(s) of the watch list %2 were left out: a keyword holds more than blanks, no line break or text-direction control, and is at most %3 characters long.</source>
        <translation>Foram omitidas %1 palavra(s)-chave da lista de monitoramento %2: uma palavra-chave deve conter algo além de espaços em branco, não pode conter quebras de linha nem caracteres de controle de direção do texto e pode ter no máximo %3 caracteres.</translation>
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
