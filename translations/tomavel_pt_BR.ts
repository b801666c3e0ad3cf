<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR" sourcelanguage="ja">
<context>
    <name>AboutBox</name>
    <message>
        <source>Copyright (C) 2001 トマベル工房  Have fun!</source>
        <translation>Copyright (C) 2001 Tomavel Works  Divirta-se!</translation>
    </message>
    <message>
        <source>このアプリケーションについて</source>
        <translation>Sobre o Tomavel</translation>
    </message>
    <message>
        <source>トマベルのアイコン</source>
        <translation>Ícone do Tomavel</translation>
    </message>
    <message>
        <source>トマベル</source>
        <translation>Tomavel</translation>
    </message>
    <message>
        <source>ホームページ %1</source>
        <translation>Página %1</translation>
    </message>
    <message>
        <source>メール %1</source>
        <translation>E-mail %1</translation>
    </message>
    <message>
        <source>関連づけられた実行ファイルがありません</source>
        <translation>Nenhum programa está configurado para abrir isto.</translation>
    </message>
    <message>
        <source>Home Page</source>
        <translation>Página</translation>
    </message>
    <message>
        <source>Mail</source>
        <translation>E-mail</translation>
    </message>
</context>
<context>
    <name>Characters</name>
    <message>
        <source>あなた</source>
        <translation>Você</translation>
    </message>
    <message>
        <source>空席</source>
        <translation>Lugar vazio</translation>
    </message>
    <message>
        <source>ツバメ</source>
        <translation>Andorinha</translation>
    </message>
    <message>
        <source>オオカミ</source>
        <translation>Lobo</translation>
    </message>
    <message>
        <source>トラ</source>
        <translation>Tigre</translation>
    </message>
</context>
<context>
    <name>Engine</name>
    <message>
        <source>このゲームを終了します</source>
        <translation>Este jogo termina aqui.</translation>
    </message>
</context>
<context>
    <name>Help</name>
    <message>
        <source>ヘルプファイルがありません。</source>
        <translation>Não há arquivo de ajuda.</translation>
    </message>
    <message>
        <source>ヘルプを開けませんでした。
ヘルプファイルはここにあります:
%1</source>
        <translation>Não foi possível abrir a ajuda.
O arquivo de ajuda está aqui:
%1</translation>
    </message>
    <message>
        <source>ヘルプを表示するための写しを作れませんでした。
ヘルプファイル（シフトJIS）はここにあります:
%1</source>
        <translation>Não foi possível criar uma cópia da ajuda para mostrá-la.
O arquivo de ajuda (em Shift JIS) está aqui:
%1</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>トマベル</source>
        <translation>Tomavel</translation>
    </message>
    <message>
        <source>ゲーム</source>
        <translation>&amp;Jogo</translation>
    </message>
    <message>
        <source>開始</source>
        <translation>&amp;Começar</translation>
    </message>
    <message>
        <source>このゲームやめ</source>
        <translation>&amp;Abandonar este jogo</translation>
    </message>
    <message>
        <source>このアプリケーションを終了する</source>
        <translation>&amp;Sair</translation>
    </message>
    <message>
        <source>常に手前に表示</source>
        <translation>Sempre &amp;visível</translation>
    </message>
    <message>
        <source>音を出さない</source>
        <translation>&amp;Sem som</translation>
    </message>
    <message>
        <source>ヘルプ</source>
        <translation>Aj&amp;uda</translation>
    </message>
    <message>
        <source>このアプリケーションについて</source>
        <translation>&amp;Sobre o Tomavel…</translation>
    </message>
    <message>
        <source>やめる？？</source>
        <translation>Vamos parar??</translation>
    </message>
    <message>
        <source>成績</source>
        <translation>&amp;Recordes…</translation>
    </message>
    <message>
        <source>設定</source>
        <comment>the menu</comment>
        <translation>&amp;Configurações</translation>
    </message>
    <message>
        <source>設定</source>
        <comment>the menu item</comment>
        <translation>&amp;Configurações…</translation>
    </message>
    <message>
        <source>全画面表示</source>
        <translation>&amp;Tela cheia</translation>
    </message>
</context>
<context>
    <name>MessageBoxes</name>
    <message>
        <source>トマベル</source>
        <translation>Tomavel</translation>
    </message>
</context>
<context>
    <name>ResultParts</name>
    <message>
        <source>O.K</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>ScoreWindow</name>
    <message>
        <source>yyyy/MM/dd HH:mm:ss</source>
        <comment>the score table&apos;s dates, as a QDateTime pattern (dd.MM.yyyy, ddd for the weekday)</comment>
        <translation>dd/MM/yyyy HH:mm:ss</translation>
    </message>
    <message>
        <source>「%1」は名前に使えない文字です。
ほかの文字で入力してください。</source>
        <translation>“%1” não pode ser usado em um nome.
Digite outros caracteres.</translation>
    </message>
    <message>
        <source>１人トマベル&#x3000;結果</source>
        <translation>Tomavel sozinho – Recordes</translation>
    </message>
    <message>
        <source>名前</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>時間</source>
        <translation>Tempo</translation>
    </message>
    <message>
        <source>ターン</source>
        <translation>Turnos</translation>
    </message>
    <message>
        <source>日付</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>新しい記録に付ける名前</source>
        <translation>O nome para o novo recorde</translation>
    </message>
    <message>
        <source>ターン回数が%1位です。</source>
        <translation>Turnos: %1º lugar.</translation>
    </message>
    <message>
        <source>ゲーム時間が%1位です。</source>
        <translation>Tempo: %1º lugar.</translation>
    </message>
    <message>
        <source>ゲーム時間が%1位
ターン回数が%2位です。</source>
        <translation>Tempo: %1º lugar,
turnos: %2º lugar.</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Tempo</translation>
    </message>
    <message>
        <source>Turn</source>
        <translation>Turnos</translation>
    </message>
    <message>
        <source>名前の入力がありません</source>
        <translation>Nenhum nome foi digitado.</translation>
    </message>
    <message>
        <source>スコアを保存できませんでした。
%1

もう一度保存するか、保存しないで閉じるかを選んでください。</source>
        <translation>Não foi possível salvar as pontuações.
%1

Tentar de novo ou fechar sem salvar?</translation>
    </message>
    <message>
        <source>保存しないで閉じる</source>
        <translation>Fechar sem salvar</translation>
    </message>
    <message>
        <source>読み取れる記録がなかったので、新しいスコア表で始めます。</source>
        <translation>Nenhum recorde pôde ser lido, então começa uma tabela nova.</translation>
    </message>
    <message numerus="yes">
        <source>読み取れた %n 件の記録を新しいスコア表に移し、残りは初めの記録で埋めました。</source>
        <translation>
            <numerusform>%n recorde que pôde ser lido foi para uma tabela nova; os outros lugares ficam com os recordes iniciais.</numerusform>
            <numerusform>%n recordes que puderam ser lidos foram para uma tabela nova; os outros lugares ficam com os recordes iniciais.</numerusform>
        </translation>
    </message>
    <message>
        <source>スコアファイル %1 が壊れていたので %2 という名前で残しました。
%3</source>
        <translation>O arquivo de pontuações %1 estava danificado e foi guardado como %2.
%3</translation>
    </message>
    <message>
        <source>スコアファイル %1 が壊れていて、別の名前で残すこともできませんでした。
ファイルはそのままにして、今回の結果は保存しません。</source>
        <translation>O arquivo de pontuações %1 está danificado e também não pôde ser renomeado.
O arquivo fica como está, e este resultado não será salvo.</translation>
    </message>
    <message>
        <source>スコアファイル %1 を作れませんでした。
%2

このままでは１人トマベルの結果を保存できません。</source>
        <translation>Não foi possível criar o arquivo de pontuações %1.
%2

Enquanto isso, os resultados do jogo sozinho não podem ser salvos.</translation>
    </message>
    <message>
        <source>名前は%1文字までです。
それより後の文字は入りません。</source>
        <translation>Um nome tem no máximo %1 caracteres.
O que vinha depois foi deixado de fora.</translation>
    </message>
    <message>
        <source>記録を保存せずに閉じますか？</source>
        <translation>Fechar sem salvar o seu resultado?</translation>
    </message>
    <message>
        <source>この結果を保存する前に、ほかのゲームのもっと良い結果が保存されました。
今回の結果は１０位までに入らなくなりました。</source>
        <translation>Antes de este resultado ser salvo, resultados melhores de outro jogo foram salvos.
Este resultado não está mais entre os dez primeiros.</translation>
    </message>
    <message>
        <source>順位 名前 時間 ターン 日付 %1</source>
        <translation>Lugar, nome, tempo, turnos, data, %1</translation>
    </message>
    <message>
        <source>時間の順</source>
        <translation>por tempo</translation>
    </message>
    <message>
        <source>ターンの順</source>
        <translation>por turnos</translation>
    </message>
    <message>
        <source>新しい記録</source>
        <translation>seu novo recorde</translation>
    </message>
    <message>
        <source>yyyy年M月d日</source>
        <comment>a date for a screen reader</comment>
        <translation>d &apos;de&apos; MMMM &apos;de&apos; yyyy</translation>
    </message>
    <message>
        <source>%1位 %2 %3分%4秒 %5手 %6</source>
        <translation>%1º lugar, %2, %3 min %4 seg, %5 turnos, %6</translation>
    </message>
</context>
<context>
    <name>SeatPanel</name>
    <message>
        <source>You</source>
        <translation>Você</translation>
    </message>
    <message>
        <source>Swallow</source>
        <translation>Andorinha</translation>
    </message>
    <message>
        <source>Wolf</source>
        <translation>Lobo</translation>
    </message>
    <message>
        <source>Tiger</source>
        <translation>Tigre</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>初期化ファイルがありません。</source>
        <translation>O arquivo de configurações não existe.</translation>
    </message>
    <message>
        <source>初期化ファイルを作成できません。
最初の設定で始めます。</source>
        <translation>Não é possível criar o arquivo de configurações.
O jogo começa com as configurações iniciais.</translation>
    </message>
    <message>
        <source>%1 を読み取れません。</source>
        <translation>Não é possível ler %1.</translation>
    </message>
    <message>
        <source>設定をファイルに保存できませんでした。
%1

今の設定はこのまま使えますが、次回の起動には残りません。</source>
        <translation>Não foi possível salvar as configurações no arquivo de configurações.
%1

Elas valem agora, mas não na próxima vez que o jogo for aberto.</translation>
    </message>
</context>
<context>
    <name>SettingsDialog</name>
    <message>
        <source>プレイヤーが設定されていません。</source>
        <translation>Nenhum jogador foi escolhido.</translation>
    </message>
    <message>
        <source>１人以上のプレーヤーを選択してください。</source>
        <translation>Escolha pelo menos um jogador.</translation>
    </message>
    <message>
        <source>一人遊びでよろしいですか？</source>
        <translation>Jogar sozinho?</translation>
    </message>
    <message>
        <source>設定</source>
        <translation>Configurações</translation>
    </message>
    <message>
        <source>プレーヤー選択</source>
        <translation>Jogadores</translation>
    </message>
    <message>
        <source>一人遊び</source>
        <translation>Sozinho</translation>
    </message>
    <message>
        <source>複数で遊ぶ</source>
        <translation>Com outros</translation>
    </message>
    <message>
        <source>席%1</source>
        <translation>Lugar %1</translation>
    </message>
    <message>
        <source>次のﾌﾟﾚｰﾔ</source>
        <translation>Próximo</translation>
    </message>
    <message>
        <source>カード</source>
        <translation>Verso</translation>
    </message>
    <message>
        <source>カードの裏 %1</source>
        <translation>Verso %1</translation>
    </message>
    <message>
        <source>その他</source>
        <translation>Outros</translation>
    </message>
    <message>
        <source>カードを見せる秒数</source>
        <translation>Mostrar cartas</translation>
    </message>
    <message>
        <source>１秒</source>
        <translation>1&#xa0;s</translation>
    </message>
    <message>
        <source>２秒</source>
        <translation>2&#xa0;s</translation>
    </message>
    <message>
        <source>４秒</source>
        <translation>4&#xa0;s</translation>
    </message>
    <message>
        <source>カーソル</source>
        <translation>Cursor</translation>
    </message>
    <message>
        <source>カーソル %1</source>
        <translation>Cursor %1</translation>
    </message>
    <message>
        <source>Ｏ．Ｋ</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>ｷｬﾝｾﾙ</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>トマベルのアイコン</source>
        <translation>Ícone do Tomavel</translation>
    </message>
    <message>
        <source>席%1：%2</source>
        <translation>Lugar %1: %2</translation>
    </message>
    <message>
        <source>次回もこの設定で始める</source>
        <translation>Usar estas configurações na próxima vez</translation>
    </message>
    <message>
        <source>席%1を%2にする</source>
        <translation>Escolher para o lugar %1: %2</translation>
    </message>
    <message>
        <source>次：%1</source>
        <translation>→ %1</translation>
    </message>
</context>
<context>
    <name>SingleInstance</name>
    <message>
        <source>トマベルが二つ同時に動かないようにするためのロックを、どのフォルダーにも作れませんでした。
同時に二つ起動すると、スコアが失われることがあります。</source>
        <translation>Não foi possível criar em nenhuma pasta a trava que impede que dois Tomavel rodem ao mesmo tempo.
Se dois forem abertos ao mesmo tempo, pontuações podem se perder.</translation>
    </message>
</context>
<context>
    <name>Speech</name>
    <message>
        <source>まってました。</source>
        <translation>Até que enfim, eu!</translation>
    </message>
    <message>
        <source>わーい！！</source>
        <translation>Oba!!</translation>
    </message>
    <message>
        <source>俺様の技を見よ</source>
        <translation>Vejam só que talento!</translation>
    </message>
    <message>
        <source>！</source>
        <translation>!</translation>
    </message>
    <message>
        <source>ゲッ</source>
        <translation>Pe...</translation>
    </message>
    <message>
        <source>チュー</source>
        <translation>...guei!</translation>
    </message>
    <message>
        <source>ゲッチュー！！</source>
        <translation>Peguei!!</translation>
    </message>
    <message>
        <source>どれにしようかな</source>
        <translation>Uni, duni, tê...</translation>
    </message>
    <message>
        <source>これとね、</source>
        <translation>Esta, e...</translation>
    </message>
    <message>
        <source>これかな？、</source>
        <translation>Esta, talvez?</translation>
    </message>
    <message>
        <source>やったね。</source>
        <translation>Oba, consegui!</translation>
    </message>
    <message>
        <source>ちっ！</source>
        <translation>Droga!</translation>
    </message>
    <message>
        <source>俺様の番か？？</source>
        <translation>Hora do show, é??</translation>
    </message>
    <message>
        <source>世界が俺を呼んでるぜぇ。</source>
        <translation>O mundo precisa de mim, baby!</translation>
    </message>
    <message>
        <source>まちにまったぜぇ。</source>
        <translation>Tava esperando por isso!</translation>
    </message>
    <message>
        <source>！！！</source>
        <translation>!!!</translation>
    </message>
    <message>
        <source>俺様って</source>
        <translation>Eu sou um...</translation>
    </message>
    <message>
        <source>天才！！</source>
        <translation>GÊNIO ou não sou!!</translation>
    </message>
    <message>
        <source>ラッキー</source>
        <translation>Que sorte!</translation>
    </message>
    <message>
        <source>これでいいや。</source>
        <translation>Essa serve.</translation>
    </message>
    <message>
        <source>オープン！！</source>
        <translation>Tcharã!!</translation>
    </message>
    <message>
        <source>へへっ</source>
        <translation>He he.</translation>
    </message>
    <message>
        <source>まっこんなもんかな。</source>
        <translation>Ah, é a vida.</translation>
    </message>
    <message>
        <source>もうワシの番か・・・</source>
        <translation>Já é minha vez...</translation>
    </message>
    <message>
        <source>・・・</source>
        <translation>...</translation>
    </message>
    <message>
        <source>おまえら早すぎるぞ！</source>
        <translation>Vocês são rápidos demais!</translation>
    </message>
    <message>
        <source>もう少し休ませてくれ</source>
        <translation>Deixem um gato velho descansar.</translation>
    </message>
    <message>
        <source>これと</source>
        <translation>Esta...</translation>
    </message>
    <message>
        <source>これじゃな</source>
        <translation>...e aquela.</translation>
    </message>
    <message>
        <source>見えた！</source>
        <translation>Tô vendo!</translation>
    </message>
    <message>
        <source>開けるぞ</source>
        <translation>Vamos ver.</translation>
    </message>
    <message>
        <source>まぁこんなもんか</source>
        <translation>Nada mal, nada mal.</translation>
    </message>
    <message>
        <source>やっと休めるわい</source>
        <translation>Enfim, uma soneca.</translation>
    </message>
</context>
<context>
    <name>Startup</name>
    <message>
        <source>使い方: tomavel [オプション]
トランプの神経衰弱（メモリー）ゲーム「トマベル」を始めます。

  -h, --help     この説明を表示して終わります
      --version  バージョンを表示して終わります

遊び方はゲームのヘルプ（F1）にあります。
</source>
        <translation>Uso: tomavel [OPÇÃO]
Inicia o Tomavel, um jogo da memória com cartas (encontre os pares).

  -h, --help     mostra esta ajuda e sai
      --version  mostra a versão e sai

Como jogar está explicado na ajuda do jogo (F1).
</translation>
    </message>
</context>
<context>
    <name>TableSpeaker</name>
    <message>
        <source>テーブル</source>
        <translation>Mesa</translation>
    </message>
    <message>
        <source>矢印キーで裏向きの札を選び、スペースキーでめくります</source>
        <translation>Escolha uma carta virada para baixo com as setas e vire-a com Espaço</translation>
    </message>
    <message>
        <source>お知らせ</source>
        <translation>Aviso</translation>
    </message>
    <message>
        <source>ジョーカー</source>
        <translation>coringa</translation>
    </message>
    <message>
        <source>クラブ</source>
        <translation>paus</translation>
    </message>
    <message>
        <source>スペード</source>
        <translation>espadas</translation>
    </message>
    <message>
        <source>ダイヤ</source>
        <translation>ouros</translation>
    </message>
    <message>
        <source>ハート</source>
        <translation>copas</translation>
    </message>
    <message>
        <source>エース</source>
        <translation>ás</translation>
    </message>
    <message>
        <source>ジャック</source>
        <translation>valete</translation>
    </message>
    <message>
        <source>クイーン</source>
        <translation>dama</translation>
    </message>
    <message>
        <source>キング</source>
        <translation>rei</translation>
    </message>
    <message>
        <source>%1の%2</source>
        <translation>%2 de %1</translation>
    </message>
    <message>
        <source>%1行 %2列</source>
        <translation>linha %1, coluna %2</translation>
    </message>
    <message>
        <source>取られた札 %1</source>
        <translation>ganha: %1</translation>
    </message>
    <message>
        <source>%1 裏向き</source>
        <translation>%1, virada para baixo</translation>
    </message>
    <message>
        <source>空席</source>
        <translation>Lugar vazio</translation>
    </message>
    <message numerus="yes">
        <source>%1、取った札 %n枚</source>
        <translation>
            <numerusform>%1, cartas ganhas: %n</numerusform>
            <numerusform>%1, cartas ganhas: %n</numerusform>
        </translation>
    </message>
    <message>
        <source>、手番</source>
        <translation>, na vez</translation>
    </message>
    <message>
        <source>経過時間 %1、手数 %2</source>
        <translation>Tempo %1, turnos %2</translation>
    </message>
    <message>
        <source>%1がめくりました：%2</source>
        <translation>%1 virou %2</translation>
    </message>
    <message>
        <source>%1の番です</source>
        <translation>Vez de %1</translation>
    </message>
    <message>
        <source>%1「%2」</source>
        <translation>%1 diz, %2</translation>
    </message>
    <message>
        <source>ジョーカーのペア</source>
        <translation>um par de coringas</translation>
    </message>
    <message>
        <source>エースのペア</source>
        <translation>um par de ases</translation>
    </message>
    <message>
        <source>ジャックのペア</source>
        <translation>um par de valetes</translation>
    </message>
    <message>
        <source>クイーンのペア</source>
        <translation>um par de damas</translation>
    </message>
    <message>
        <source>キングのペア</source>
        <translation>um par de reis</translation>
    </message>
    <message>
        <source>%1のペア</source>
        <translation>um par de %1</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>a card&apos;s place, then its face</comment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>。</source>
        <comment>between notices said together as one</comment>
        <translation>. </translation>
    </message>
    <message>
        <source>この先に札はありません</source>
        <translation>Não há mais cartas desse lado</translation>
    </message>
    <message>
        <source>はずれ</source>
        <translation>Não é par</translation>
    </message>
    <message>
        <source>あなたの番です</source>
        <translation>Sua vez</translation>
    </message>
    <message numerus="yes">
        <source>%1が%2を取りました、%n枚</source>
        <translation>
            <numerusform>%1 ganhou %2, %n carta</numerusform>
            <numerusform>%1 ganhou %2, %n cartas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1がペアを取りました、%n枚</source>
        <translation>
            <numerusform>%1 ganhou um par, %n carta</numerusform>
            <numerusform>%1 ganhou um par, %n cartas</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TableWidget</name>
    <message>
        <source>経過時間：</source>
        <translation>Tempo:</translation>
    </message>
    <message>
        <source>手数：</source>
        <translation>Turno:</translation>
    </message>
</context>
<context>
    <name>VersusResultWindow</name>
    <message>
        <source>Ｙｏｕ</source>
        <translation>Você</translation>
    </message>
    <message>
        <source>Baby Swallow</source>
        <translation>Andorinha Bebê</translation>
    </message>
    <message>
        <source>Funny Wolf</source>
        <translation>Lobo Brincalhão</translation>
    </message>
    <message>
        <source>Fat Tiger</source>
        <translation>Tigre Gordo</translation>
    </message>
    <message>
        <source>結果</source>
        <translation>Resultados</translation>
    </message>
    <message>
        <source>結果発表！！</source>
        <translation>Resultados!!</translation>
    </message>
    <message>
        <source>%1位</source>
        <translation>%1º lugar</translation>
    </message>
    <message>
        <source>Player%1:</source>
        <translation>Jogador %1:</translation>
    </message>
    <message>
        <source>Player%1： 空席</source>
        <translation>Jogador %1, lugar vazio</translation>
    </message>
    <message numerus="yes">
        <source>Player%1：%2、 %n枚、 %3位</source>
        <translation>
            <numerusform>Jogador %1, %2, %n carta, %3º lugar</numerusform>
            <numerusform>Jogador %1, %2, %n cartas, %3º lugar</numerusform>
        </translation>
    </message>
</context>
</TS>
