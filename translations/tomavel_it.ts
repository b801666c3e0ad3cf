<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it" sourcelanguage="ja">
<context>
    <name>AboutBox</name>
    <message>
        <source>Copyright (C) 2001 トマベル工房  Have fun!</source>
        <translation>Copyright (C) 2001 Tomavel Works  Divertiti!</translation>
    </message>
    <message>
        <source>このアプリケーションについて</source>
        <translation>Informazioni su Tomavel</translation>
    </message>
    <message>
        <source>トマベルのアイコン</source>
        <translation>Icona di Tomavel</translation>
    </message>
    <message>
        <source>トマベル</source>
        <translation>Tomavel</translation>
    </message>
    <message>
        <source>ホームページ %1</source>
        <translation>Sito web %1</translation>
    </message>
    <message>
        <source>メール %1</source>
        <translation>Posta %1</translation>
    </message>
    <message>
        <source>関連づけられた実行ファイルがありません</source>
        <translation>Nessun programma è impostato per aprirlo.</translation>
    </message>
    <message>
        <source>Home Page</source>
        <translation>Sito web</translation>
    </message>
    <message>
        <source>Mail</source>
        <translation>Posta</translation>
    </message>
</context>
<context>
    <name>Characters</name>
    <message>
        <source>あなた</source>
        <translation>Tu</translation>
    </message>
    <message>
        <source>空席</source>
        <translation>Posto vuoto</translation>
    </message>
    <message>
        <source>ツバメ</source>
        <translation>Rondine</translation>
    </message>
    <message>
        <source>オオカミ</source>
        <translation>Lupo</translation>
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
        <translation>La partita finisce qui.</translation>
    </message>
</context>
<context>
    <name>Help</name>
    <message>
        <source>ヘルプファイルがありません。</source>
        <translation>Il file della guida non c&apos;è.</translation>
    </message>
    <message>
        <source>ヘルプを開けませんでした。
ヘルプファイルはここにあります:
%1</source>
        <translation>Impossibile aprire la guida.
Il file della guida è qui:
%1</translation>
    </message>
    <message>
        <source>ヘルプを表示するための写しを作れませんでした。
ヘルプファイル（シフトJIS）はここにあります:
%1</source>
        <translation>Impossibile creare una copia della guida per mostrarla.
Il file della guida (in Shift JIS) è qui:
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
        <translation>&amp;Partita</translation>
    </message>
    <message>
        <source>開始</source>
        <translation>&amp;Inizia</translation>
    </message>
    <message>
        <source>このゲームやめ</source>
        <translation>&amp;Abbandona la partita</translation>
    </message>
    <message>
        <source>このアプリケーションを終了する</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>常に手前に表示</source>
        <translation>Sempre in &amp;primo piano</translation>
    </message>
    <message>
        <source>音を出さない</source>
        <translation>Senza &amp;audio</translation>
    </message>
    <message>
        <source>ヘルプ</source>
        <translation>&amp;Aiuto</translation>
    </message>
    <message>
        <source>このアプリケーションについて</source>
        <translation>&amp;Informazioni su Tomavel…</translation>
    </message>
    <message>
        <source>やめる？？</source>
        <translation>Smettiamo??</translation>
    </message>
    <message>
        <source>成績</source>
        <translation>&amp;Classifica…</translation>
    </message>
    <message>
        <source>設定</source>
        <comment>the menu</comment>
        <translation>&amp;Impostazioni</translation>
    </message>
    <message>
        <source>設定</source>
        <comment>the menu item</comment>
        <translation>&amp;Impostazioni…</translation>
    </message>
    <message>
        <source>全画面表示</source>
        <translation>&amp;Schermo intero</translation>
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
        <translation>«%1» non si può usare in un nome.
Scrivi altri caratteri.</translation>
    </message>
    <message>
        <source>１人トマベル&#x3000;結果</source>
        <translation>Tomavel da solo – Classifica</translation>
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
        <translation>Turni</translation>
    </message>
    <message>
        <source>日付</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>新しい記録に付ける名前</source>
        <translation>Il nome per il nuovo punteggio</translation>
    </message>
    <message>
        <source>ターン回数が%1位です。</source>
        <translation>Turni: %1º posto.</translation>
    </message>
    <message>
        <source>ゲーム時間が%1位です。</source>
        <translation>Tempo: %1º posto.</translation>
    </message>
    <message>
        <source>ゲーム時間が%1位
ターン回数が%2位です。</source>
        <translation>Tempo: %1º posto,
turni: %2º posto.</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Tempo</translation>
    </message>
    <message>
        <source>Turn</source>
        <translation>Turni</translation>
    </message>
    <message>
        <source>名前の入力がありません</source>
        <translation>Non hai scritto nessun nome.</translation>
    </message>
    <message>
        <source>スコアを保存できませんでした。
%1

もう一度保存するか、保存しないで閉じるかを選んでください。</source>
        <translation>Impossibile salvare i punteggi.
%1

Riprovare o chiudere senza salvare?</translation>
    </message>
    <message>
        <source>保存しないで閉じる</source>
        <translation>Chiudi senza salvare</translation>
    </message>
    <message>
        <source>読み取れる記録がなかったので、新しいスコア表で始めます。</source>
        <translation>Nessun punteggio era leggibile: comincia una classifica nuova.</translation>
    </message>
    <message numerus="yes">
        <source>読み取れた %n 件の記録を新しいスコア表に移し、残りは初めの記録で埋めました。</source>
        <translation>
            <numerusform>%n punteggio leggibile è passato in una classifica nuova; gli altri posti hanno i punteggi iniziali.</numerusform>
            <numerusform>%n punteggi leggibili sono passati in una classifica nuova; gli altri posti hanno i punteggi iniziali.</numerusform>
        </translation>
    </message>
    <message>
        <source>スコアファイル %1 が壊れていたので %2 という名前で残しました。
%3</source>
        <translation>Il file dei punteggi %1 era danneggiato ed è stato conservato come %2.
%3</translation>
    </message>
    <message>
        <source>スコアファイル %1 が壊れていて、別の名前で残すこともできませんでした。
ファイルはそのままにして、今回の結果は保存しません。</source>
        <translation>Il file dei punteggi %1 è danneggiato e non è stato possibile nemmeno rinominarlo.
Il file resta com&apos;è e questo risultato non viene salvato.</translation>
    </message>
    <message>
        <source>スコアファイル %1 を作れませんでした。
%2

このままでは１人トマベルの結果を保存できません。</source>
        <translation>Impossibile creare il file dei punteggi %1.
%2

Finché manca, i risultati da solo non si possono salvare.</translation>
    </message>
    <message>
        <source>名前は%1文字までです。
それより後の文字は入りません。</source>
        <translation>Un nome può avere al massimo %1 caratteri.
Quello che seguiva è stato tolto.</translation>
    </message>
    <message>
        <source>記録を保存せずに閉じますか？</source>
        <translation>Chiudere senza salvare il tuo risultato?</translation>
    </message>
    <message>
        <source>この結果を保存する前に、ほかのゲームのもっと良い結果が保存されました。
今回の結果は１０位までに入らなくなりました。</source>
        <translation>Prima che questo risultato fosse salvato, sono stati salvati risultati migliori di un&apos;altra partita.
Questo risultato non è più tra i primi dieci.</translation>
    </message>
    <message>
        <source>順位 名前 時間 ターン 日付 %1</source>
        <translation>Posto, nome, tempo, turni, data, %1</translation>
    </message>
    <message>
        <source>時間の順</source>
        <translation>per tempo</translation>
    </message>
    <message>
        <source>ターンの順</source>
        <translation>per turni</translation>
    </message>
    <message>
        <source>新しい記録</source>
        <translation>il tuo nuovo punteggio</translation>
    </message>
    <message>
        <source>yyyy年M月d日</source>
        <comment>a date for a screen reader</comment>
        <translation>d MMMM yyyy</translation>
    </message>
    <message>
        <source>%1位 %2 %3分%4秒 %5手 %6</source>
        <translation>%1º posto, %2, %3 min %4 sec, %5 turni, %6</translation>
    </message>
</context>
<context>
    <name>SeatPanel</name>
    <message>
        <source>You</source>
        <translation>Tu</translation>
    </message>
    <message>
        <source>Swallow</source>
        <translation>Rondine</translation>
    </message>
    <message>
        <source>Wolf</source>
        <translation>Lupo</translation>
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
        <translation>Manca il file delle impostazioni.</translation>
    </message>
    <message>
        <source>初期化ファイルを作成できません。
最初の設定で始めます。</source>
        <translation>Impossibile creare il file delle impostazioni.
La partita comincia con le impostazioni iniziali.</translation>
    </message>
    <message>
        <source>%1 を読み取れません。</source>
        <translation>Impossibile leggere %1.</translation>
    </message>
    <message>
        <source>設定をファイルに保存できませんでした。
%1

今の設定はこのまま使えますが、次回の起動には残りません。</source>
        <translation>Impossibile salvare le impostazioni nel file delle impostazioni.
%1

Restano valide per ora, ma al prossimo avvio non ci saranno più.</translation>
    </message>
</context>
<context>
    <name>SettingsDialog</name>
    <message>
        <source>プレイヤーが設定されていません。</source>
        <translation>Non hai scelto nessun giocatore.</translation>
    </message>
    <message>
        <source>１人以上のプレーヤーを選択してください。</source>
        <translation>Scegli almeno un giocatore.</translation>
    </message>
    <message>
        <source>一人遊びでよろしいですか？</source>
        <translation>Giocare da solo?</translation>
    </message>
    <message>
        <source>設定</source>
        <translation>Impostazioni</translation>
    </message>
    <message>
        <source>プレーヤー選択</source>
        <translation>Giocatori</translation>
    </message>
    <message>
        <source>一人遊び</source>
        <translation>Da solo</translation>
    </message>
    <message>
        <source>複数で遊ぶ</source>
        <translation>In compagnia</translation>
    </message>
    <message>
        <source>席%1</source>
        <translation>Posto %1</translation>
    </message>
    <message>
        <source>次のﾌﾟﾚｰﾔ</source>
        <translation>Prossimo</translation>
    </message>
    <message>
        <source>カード</source>
        <translation>Dorso carte</translation>
    </message>
    <message>
        <source>カードの裏 %1</source>
        <translation>Dorso %1</translation>
    </message>
    <message>
        <source>その他</source>
        <translation>Altro</translation>
    </message>
    <message>
        <source>カードを見せる秒数</source>
        <translation>Mostra le carte</translation>
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
        <translation>Cursore</translation>
    </message>
    <message>
        <source>カーソル %1</source>
        <translation>Cursore %1</translation>
    </message>
    <message>
        <source>Ｏ．Ｋ</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>ｷｬﾝｾﾙ</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>トマベルのアイコン</source>
        <translation>Icona di Tomavel</translation>
    </message>
    <message>
        <source>席%1：%2</source>
        <translation>Posto %1: %2</translation>
    </message>
    <message>
        <source>次回もこの設定で始める</source>
        <translation>Usa queste impostazioni anche la prossima volta</translation>
    </message>
    <message>
        <source>席%1を%2にする</source>
        <translation>Scegli per il posto %1: %2</translation>
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
        <translation>Non è stato possibile creare in nessuna cartella il blocco che impedisce a due Tomavel di funzionare insieme.
Se se ne avviano due insieme, alcuni punteggi potrebbero andare persi.</translation>
    </message>
</context>
<context>
    <name>Speech</name>
    <message>
        <source>まってました。</source>
        <translation>Finalmente io!</translation>
    </message>
    <message>
        <source>わーい！！</source>
        <translation>Evviva!!</translation>
    </message>
    <message>
        <source>俺様の技を見よ</source>
        <translation>Ammirate la mia bravura!</translation>
    </message>
    <message>
        <source>！</source>
        <translation>!</translation>
    </message>
    <message>
        <source>ゲッ</source>
        <translation>Ti ho...</translation>
    </message>
    <message>
        <source>チュー</source>
        <translation>...preso!</translation>
    </message>
    <message>
        <source>ゲッチュー！！</source>
        <translation>Ti ho preso!!</translation>
    </message>
    <message>
        <source>どれにしようかな</source>
        <translation>Ambarabà ciccì...</translation>
    </message>
    <message>
        <source>これとね、</source>
        <translation>Questa, e...</translation>
    </message>
    <message>
        <source>これかな？、</source>
        <translation>Questa, forse?</translation>
    </message>
    <message>
        <source>やったね。</source>
        <translation>Evviva, fatto!</translation>
    </message>
    <message>
        <source>ちっ！</source>
        <translation>Uffa!</translation>
    </message>
    <message>
        <source>俺様の番か？？</source>
        <translation>Tocca al campione, eh??</translation>
    </message>
    <message>
        <source>世界が俺を呼んでるぜぇ。</source>
        <translation>Il mondo ha bisogno di me, baby!</translation>
    </message>
    <message>
        <source>まちにまったぜぇ。</source>
        <translation>Aspettavo questo momento!</translation>
    </message>
    <message>
        <source>！！！</source>
        <translation>!!!</translation>
    </message>
    <message>
        <source>俺様って</source>
        <translation>Sono un...</translation>
    </message>
    <message>
        <source>天才！！</source>
        <translation>GENIO o no!!</translation>
    </message>
    <message>
        <source>ラッキー</source>
        <translation>Che fortuna!</translation>
    </message>
    <message>
        <source>これでいいや。</source>
        <translation>Questa va bene.</translation>
    </message>
    <message>
        <source>オープン！！</source>
        <translation>Tadàn!!</translation>
    </message>
    <message>
        <source>へへっ</source>
        <translation>Eh eh.</translation>
    </message>
    <message>
        <source>まっこんなもんかな。</source>
        <translation>Mah, così va la vita.</translation>
    </message>
    <message>
        <source>もうワシの番か・・・</source>
        <translation>Già il mio turno...</translation>
    </message>
    <message>
        <source>・・・</source>
        <translation>...</translation>
    </message>
    <message>
        <source>おまえら早すぎるぞ！</source>
        <translation>Siete troppo veloci!</translation>
    </message>
    <message>
        <source>もう少し休ませてくれ</source>
        <translation>Lasciate riposare un vecchio gatto.</translation>
    </message>
    <message>
        <source>これと</source>
        <translation>Questa...</translation>
    </message>
    <message>
        <source>これじゃな</source>
        <translation>...e quella.</translation>
    </message>
    <message>
        <source>見えた！</source>
        <translation>La vedo!</translation>
    </message>
    <message>
        <source>開けるぞ</source>
        <translation>Diamo un&apos;occhiata.</translation>
    </message>
    <message>
        <source>まぁこんなもんか</source>
        <translation>Niente male, niente male.</translation>
    </message>
    <message>
        <source>やっと休めるわい</source>
        <translation>Finalmente un pisolino.</translation>
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
        <translation>Uso: tomavel [OPZIONE]
Avvia Tomavel, un gioco di memoria con le carte (trova le coppie).

  -h, --help     mostra questo aiuto ed esce
      --version  mostra la versione ed esce

Come si gioca è spiegato nella guida del gioco (F1).
</translation>
    </message>
</context>
<context>
    <name>TableSpeaker</name>
    <message>
        <source>テーブル</source>
        <translation>Tavolo</translation>
    </message>
    <message>
        <source>矢印キーで裏向きの札を選び、スペースキーでめくります</source>
        <translation>Scegli una carta coperta con le frecce e girala con Spazio</translation>
    </message>
    <message>
        <source>お知らせ</source>
        <translation>Avviso</translation>
    </message>
    <message>
        <source>ジョーカー</source>
        <translation>jolly</translation>
    </message>
    <message>
        <source>クラブ</source>
        <translation>fiori</translation>
    </message>
    <message>
        <source>スペード</source>
        <translation>picche</translation>
    </message>
    <message>
        <source>ダイヤ</source>
        <translation>quadri</translation>
    </message>
    <message>
        <source>ハート</source>
        <translation>cuori</translation>
    </message>
    <message>
        <source>エース</source>
        <translation>asso</translation>
    </message>
    <message>
        <source>ジャック</source>
        <translation>fante</translation>
    </message>
    <message>
        <source>クイーン</source>
        <translation>donna</translation>
    </message>
    <message>
        <source>キング</source>
        <translation>re</translation>
    </message>
    <message>
        <source>%1の%2</source>
        <translation>%2 di %1</translation>
    </message>
    <message>
        <source>%1行 %2列</source>
        <translation>riga %1, colonna %2</translation>
    </message>
    <message>
        <source>取られた札 %1</source>
        <translation>presa: %1</translation>
    </message>
    <message>
        <source>%1 裏向き</source>
        <translation>%1, coperta</translation>
    </message>
    <message>
        <source>空席</source>
        <translation>Posto vuoto</translation>
    </message>
    <message numerus="yes">
        <source>%1、取った札 %n枚</source>
        <translation>
            <numerusform>%1, carte prese: %n</numerusform>
            <numerusform>%1, carte prese: %n</numerusform>
        </translation>
    </message>
    <message>
        <source>、手番</source>
        <translation>, di turno</translation>
    </message>
    <message>
        <source>経過時間 %1、手数 %2</source>
        <translation>Tempo %1, turni %2</translation>
    </message>
    <message>
        <source>%1がめくりました：%2</source>
        <translation>%1 gira %2</translation>
    </message>
    <message>
        <source>%1の番です</source>
        <translation>Tocca a %1</translation>
    </message>
    <message>
        <source>%1「%2」</source>
        <translation>%1 dice, %2</translation>
    </message>
    <message>
        <source>ジョーカーのペア</source>
        <translation>una coppia di jolly</translation>
    </message>
    <message>
        <source>エースのペア</source>
        <translation>una coppia di assi</translation>
    </message>
    <message>
        <source>ジャックのペア</source>
        <translation>una coppia di fanti</translation>
    </message>
    <message>
        <source>クイーンのペア</source>
        <translation>una coppia di donne</translation>
    </message>
    <message>
        <source>キングのペア</source>
        <translation>una coppia di re</translation>
    </message>
    <message>
        <source>%1のペア</source>
        <translation>una coppia di %1</translation>
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
        <translation>Niente più carte da quella parte</translation>
    </message>
    <message>
        <source>はずれ</source>
        <translation>Nessuna coppia</translation>
    </message>
    <message>
        <source>あなたの番です</source>
        <translation>Tocca a te</translation>
    </message>
    <message numerus="yes">
        <source>%1が%2を取りました、%n枚</source>
        <translation>
            <numerusform>%1, %2, %n carta presa</numerusform>
            <numerusform>%1, %2, %n carte prese</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1がペアを取りました、%n枚</source>
        <translation>
            <numerusform>%1, una coppia, %n carta presa</numerusform>
            <numerusform>%1, una coppia, %n carte prese</numerusform>
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
        <translation>Turni:</translation>
    </message>
</context>
<context>
    <name>VersusResultWindow</name>
    <message>
        <source>Ｙｏｕ</source>
        <translation>Tu</translation>
    </message>
    <message>
        <source>Baby Swallow</source>
        <translation>Rondinella</translation>
    </message>
    <message>
        <source>Funny Wolf</source>
        <translation>Lupo Burlone</translation>
    </message>
    <message>
        <source>Fat Tiger</source>
        <translation>Tigre Ciccione</translation>
    </message>
    <message>
        <source>結果</source>
        <translation>Risultati</translation>
    </message>
    <message>
        <source>結果発表！！</source>
        <translation>Risultati!!</translation>
    </message>
    <message>
        <source>%1位</source>
        <translation>%1º posto</translation>
    </message>
    <message>
        <source>Player%1:</source>
        <translation>Giocatore %1:</translation>
    </message>
    <message>
        <source>Player%1： 空席</source>
        <translation>Giocatore %1, posto vuoto</translation>
    </message>
    <message numerus="yes">
        <source>Player%1：%2、 %n枚、 %3位</source>
        <translation>
            <numerusform>Giocatore %1, %2, %n carta, %3º posto</numerusform>
            <numerusform>Giocatore %1, %2, %n carte, %3º posto</numerusform>
        </translation>
    </message>
</context>
</TS>
