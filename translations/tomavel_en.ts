<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ja">
<context>
    <name>AboutBox</name>
    <message>
        <source>Copyright (C) 2001 トマベル工房  Have fun!</source>
        <translation>Copyright (C) 2001 Tomavel Works  Have fun!</translation>
    </message>
    <message>
        <source>関連づけられた実行ファイルがありません</source>
        <translation>No program is set up to open this.</translation>
    </message>
    <message>
        <source>このアプリケーションについて</source>
        <translation>About Tomavel</translation>
    </message>
    <message>
        <source>トマベルのアイコン</source>
        <translation>Tomavel icon</translation>
    </message>
    <message>
        <source>トマベル</source>
        <translation>Tomavel</translation>
    </message>
    <message>
        <source>ホームページ %1</source>
        <translation>Home page %1</translation>
    </message>
    <message>
        <source>メール %1</source>
        <translation>Mail %1</translation>
    </message>
    <message>
        <source>Home Page</source>
        <translation>Home Page</translation>
    </message>
    <message>
        <source>Mail</source>
        <translation>Mail</translation>
    </message>
</context>
<context>
    <name>Characters</name>
    <message>
        <source>あなた</source>
        <translation>You</translation>
    </message>
    <message>
        <source>空席</source>
        <translation>Empty seat</translation>
    </message>
    <message>
        <source>ツバメ</source>
        <translation>Swallow</translation>
    </message>
    <message>
        <source>オオカミ</source>
        <translation>Wolf</translation>
    </message>
    <message>
        <source>トラ</source>
        <translation>Tiger</translation>
    </message>
</context>
<context>
    <name>Engine</name>
    <message>
        <source>このゲームを終了します</source>
        <translation>This game ends here.</translation>
    </message>
</context>
<context>
    <name>Help</name>
    <message>
        <source>ヘルプファイルがありません。</source>
        <translation>There is no help file.</translation>
    </message>
    <message>
        <source>ヘルプを開けませんでした。
ヘルプファイルはここにあります:
%1</source>
        <translation>The help could not be opened.
The help file is here:
%1</translation>
    </message>
    <message>
        <source>ヘルプを表示するための写しを作れませんでした。
ヘルプファイル（シフトJIS）はここにあります:
%1</source>
        <translation>No copy of the help could be made to show it.
The help file (in Shift JIS) is here:
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
        <translation>&amp;Game</translation>
    </message>
    <message>
        <source>開始</source>
        <translation>&amp;Start</translation>
    </message>
    <message>
        <source>このゲームやめ</source>
        <translation>S&amp;top This Game</translation>
    </message>
    <message>
        <source>このアプリケーションを終了する</source>
        <translation>E&amp;xit</translation>
    </message>
    <message>
        <source>常に手前に表示</source>
        <translation>Always on &amp;Top</translation>
    </message>
    <message>
        <source>音を出さない</source>
        <translation>&amp;No Sound</translation>
    </message>
    <message>
        <source>ヘルプ</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>このアプリケーションについて</source>
        <translation>&amp;About Tomavel…</translation>
    </message>
    <message>
        <source>やめる？？</source>
        <translation>Quit Tomavel?</translation>
    </message>
    <message>
        <source>成績</source>
        <translation>S&amp;cores…</translation>
    </message>
    <message>
        <source>設定</source>
        <comment>the menu</comment>
        <translation>&amp;Settings</translation>
    </message>
    <message>
        <source>設定</source>
        <comment>the menu item</comment>
        <translation>&amp;Settings…</translation>
    </message>
    <message>
        <source>全画面表示</source>
        <translation>&amp;Full Screen</translation>
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
        <source>１人トマベル&#x3000;結果</source>
        <translation>Tomavel Solitaire Results</translation>
    </message>
    <message>
        <source>名前</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>時間</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>ターン</source>
        <translation>Turns</translation>
    </message>
    <message>
        <source>日付</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>ターン回数が%1位です。</source>
        <translation>Your turn count ranks No. %1.</translation>
    </message>
    <message>
        <source>ゲーム時間が%1位です。</source>
        <translation>Your time ranks No. %1.</translation>
    </message>
    <message>
        <source>ゲーム時間が%1位
ターン回数が%2位です。</source>
        <translation>Your time ranks No. %1,
your turn count ranks No. %2.</translation>
    </message>
    <message>
        <source>名前の入力がありません</source>
        <translation>No name has been entered.</translation>
    </message>
    <message>
        <source>「%1」は名前に使えない文字です。
ほかの文字で入力してください。</source>
        <translation>“%1” cannot be used in a name.
Please type other characters.</translation>
    </message>
    <message>
        <source>スコアを保存できませんでした。
%1

もう一度保存するか、保存しないで閉じるかを選んでください。</source>
        <translation>The scores could not be saved.
%1

Try again, or close without saving.</translation>
    </message>
    <message>
        <source>保存しないで閉じる</source>
        <translation>Close Without Saving</translation>
    </message>
    <message>
        <source>読み取れる記録がなかったので、新しいスコア表で始めます。</source>
        <translation>No record could be read, so a new score table begins.</translation>
    </message>
    <message>
        <source>スコアファイル %1 が壊れていたので %2 という名前で残しました。
%3</source>
        <translation>The score file %1 was damaged, so it has been kept as %2.
%3</translation>
    </message>
    <message>
        <source>スコアファイル %1 が壊れていて、別の名前で残すこともできませんでした。
ファイルはそのままにして、今回の結果は保存しません。</source>
        <translation>The score file %1 is damaged and could not be kept under another name either.
The file is left as it is, and this result is not saved.</translation>
    </message>
    <message>
        <source>スコアファイル %1 を作れませんでした。
%2

このままでは１人トマベルの結果を保存できません。</source>
        <translation>The score file %1 could not be created.
%2

Solitaire results cannot be saved until it can.</translation>
    </message>
    <message>
        <source>新しい記録に付ける名前</source>
        <translation>The name for the new record</translation>
    </message>
    <message>
        <source>この結果を保存する前に、ほかのゲームのもっと良い結果が保存されました。
今回の結果は１０位までに入らなくなりました。</source>
        <translation>Before this result was saved, better results of another game were saved.
This result is no longer in the top ten.</translation>
    </message>
    <message>
        <source>名前は%1文字までです。
それより後の文字は入りません。</source>
        <translation>A name holds at most %1 characters.
What came after them was left out.</translation>
    </message>
    <message>
        <source>記録を保存せずに閉じますか？</source>
        <translation>Discard your result?</translation>
    </message>
    <message>
        <source>yyyy/MM/dd HH:mm:ss</source>
        <comment>the score table&apos;s dates, as a QDateTime pattern (dd.MM.yyyy, ddd for the weekday)</comment>
        <translation>d MMM yyyy HH:mm</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>Turn</source>
        <translation>Turn</translation>
    </message>
    <message numerus="yes">
        <source>読み取れた %n 件の記録を新しいスコア表に移し、残りは初めの記録で埋めました。</source>
        <translation>
            <numerusform>The %n record that could be read went into a new score table; the other places hold the starting records.</numerusform>
            <numerusform>The %n records that could be read went into a new score table; the other places hold the starting records.</numerusform>
        </translation>
    </message>
    <message>
        <source>順位 名前 時間 ターン 日付 %1</source>
        <translation>Place, name, time, turns, date, %1</translation>
    </message>
    <message>
        <source>時間の順</source>
        <translation>by time</translation>
    </message>
    <message>
        <source>ターンの順</source>
        <translation>by turns</translation>
    </message>
    <message>
        <source>新しい記録</source>
        <translation>your new record</translation>
    </message>
    <message>
        <source>yyyy年M月d日</source>
        <comment>a date for a screen reader</comment>
        <translation>d MMMM yyyy</translation>
    </message>
    <message>
        <source>%1位 %2 %3分%4秒 %5手 %6</source>
        <translation>Place %1, %2, %3 min %4 s, %5 turns, %6</translation>
    </message>
</context>
<context>
    <name>SeatPanel</name>
    <message>
        <source>You</source>
        <translation>You</translation>
    </message>
    <message>
        <source>Swallow</source>
        <translation>Swallow</translation>
    </message>
    <message>
        <source>Wolf</source>
        <translation>Wolf</translation>
    </message>
    <message>
        <source>Tiger</source>
        <translation>Tiger</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>初期化ファイルがありません。</source>
        <translation>The settings file is missing.</translation>
    </message>
    <message>
        <source>初期化ファイルを作成できません。
最初の設定で始めます。</source>
        <translation>The settings file cannot be created.
The game starts with the first settings.</translation>
    </message>
    <message>
        <source>%1 を読み取れません。</source>
        <translation>%1 cannot be read.</translation>
    </message>
    <message>
        <source>設定をファイルに保存できませんでした。
%1

今の設定はこのまま使えますが、次回の起動には残りません。</source>
        <translation>The settings could not be saved in the settings file.
%1

They stay in force now, but the next start will not have them.</translation>
    </message>
</context>
<context>
    <name>SettingsDialog</name>
    <message>
        <source>プレイヤーが設定されていません。</source>
        <translation>No player has been chosen.</translation>
    </message>
    <message>
        <source>１人以上のプレーヤーを選択してください。</source>
        <translation>Please choose one player or more.</translation>
    </message>
    <message>
        <source>一人遊びでよろしいですか？</source>
        <translation>Play solitaire?</translation>
    </message>
    <message>
        <source>設定</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>プレーヤー選択</source>
        <translation>Players</translation>
    </message>
    <message>
        <source>一人遊び</source>
        <translation>Solitaire</translation>
    </message>
    <message>
        <source>複数で遊ぶ</source>
        <translation>Multiplayer</translation>
    </message>
    <message>
        <source>次のﾌﾟﾚｰﾔ</source>
        <translation>Next</translation>
    </message>
    <message>
        <source>カード</source>
        <translation>Card Back</translation>
    </message>
    <message>
        <source>その他</source>
        <translation>Other</translation>
    </message>
    <message>
        <source>カードを見せる秒数</source>
        <translation>Show turned cards for</translation>
    </message>
    <message>
        <source>１秒</source>
        <translation>1 s</translation>
    </message>
    <message>
        <source>２秒</source>
        <translation>2 s</translation>
    </message>
    <message>
        <source>４秒</source>
        <translation>4 s</translation>
    </message>
    <message>
        <source>カーソル</source>
        <translation>Cursor</translation>
    </message>
    <message>
        <source>Ｏ．Ｋ</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>ｷｬﾝｾﾙ</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>席%1</source>
        <translation>Seat %1</translation>
    </message>
    <message>
        <source>カードの裏 %1</source>
        <translation>Card back %1</translation>
    </message>
    <message>
        <source>カーソル %1</source>
        <translation>Cursor %1</translation>
    </message>
    <message>
        <source>トマベルのアイコン</source>
        <translation>Tomavel icon</translation>
    </message>
    <message>
        <source>席%1：%2</source>
        <translation>Seat %1: %2</translation>
    </message>
    <message>
        <source>次回もこの設定で始める</source>
        <translation>Start with these settings next time</translation>
    </message>
    <message>
        <source>席%1を%2にする</source>
        <translation>Choose %2 for seat %1</translation>
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
        <translation>The lock that keeps two copies of Tomavel from running at once could not be made in any folder.
Two copies started at once may lose scores.</translation>
    </message>
</context>
<context>
    <name>Speech</name>
    <message>
        <source>まってました。</source>
        <translation>Finally, me!</translation>
    </message>
    <message>
        <source>俺様の番か？？</source>
        <translation>My turn, huh??</translation>
    </message>
    <message>
        <source>もうワシの番か・・・</source>
        <translation>My turn already...</translation>
    </message>
    <message>
        <source>わーい！！</source>
        <translation>Wheee!!</translation>
    </message>
    <message>
        <source>世界が俺を呼んでるぜぇ。</source>
        <translation>The world needs me, baby!</translation>
    </message>
    <message>
        <source>・・・</source>
        <translation>...</translation>
    </message>
    <message>
        <source>俺様の技を見よ</source>
        <translation>Behold my moves!</translation>
    </message>
    <message>
        <source>まちにまったぜぇ。</source>
        <translation>Been waitin&apos; for this!</translation>
    </message>
    <message>
        <source>おまえら早すぎるぞ！</source>
        <translation>You lot are too quick!</translation>
    </message>
    <message>
        <source>！</source>
        <translation>!</translation>
    </message>
    <message>
        <source>！！！</source>
        <translation>!!!</translation>
    </message>
    <message>
        <source>もう少し休ませてくれ</source>
        <translation>Let an old cat rest a bit.</translation>
    </message>
    <message>
        <source>ゲッ</source>
        <translation>Got...</translation>
    </message>
    <message>
        <source>俺様って</source>
        <translation>Am I a...</translation>
    </message>
    <message>
        <source>これと</source>
        <translation>This one...</translation>
    </message>
    <message>
        <source>チュー</source>
        <translation>...cha!</translation>
    </message>
    <message>
        <source>天才！！</source>
        <translation>GENIUS or what!!</translation>
    </message>
    <message>
        <source>これじゃな</source>
        <translation>...and that one.</translation>
    </message>
    <message>
        <source>ゲッチュー！！</source>
        <translation>Gotcha!!</translation>
    </message>
    <message>
        <source>ラッキー</source>
        <translation>Lucky!</translation>
    </message>
    <message>
        <source>見えた！</source>
        <translation>I see it!</translation>
    </message>
    <message>
        <source>どれにしようかな</source>
        <translation>Eeny, meeny...</translation>
    </message>
    <message>
        <source>これでいいや。</source>
        <translation>This&apos;ll do.</translation>
    </message>
    <message>
        <source>これとね、</source>
        <translation>This one, and...</translation>
    </message>
    <message>
        <source>これかな？、</source>
        <translation>This one, maybe?</translation>
    </message>
    <message>
        <source>オープン！！</source>
        <translation>Open up!!</translation>
    </message>
    <message>
        <source>開けるぞ</source>
        <translation>Let&apos;s have a look.</translation>
    </message>
    <message>
        <source>やったね。</source>
        <translation>Yay, did it!</translation>
    </message>
    <message>
        <source>へへっ</source>
        <translation>Heh heh.</translation>
    </message>
    <message>
        <source>まぁこんなもんか</source>
        <translation>Not bad, not bad.</translation>
    </message>
    <message>
        <source>ちっ！</source>
        <translation>Tch!</translation>
    </message>
    <message>
        <source>まっこんなもんかな。</source>
        <translation>Meh, that&apos;s how it goes.</translation>
    </message>
    <message>
        <source>やっと休めるわい</source>
        <translation>Nap time at last.</translation>
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
        <translation>Usage: tomavel [OPTION]
Starts Tomavel, a Concentration (pairs, memory) card game.

  -h, --help     show this help and exit
      --version  show the version and exit

How to play is told in the game&apos;s help (F1).
</translation>
    </message>
</context>
<context>
    <name>TableSpeaker</name>
    <message>
        <source>テーブル</source>
        <translation>Table</translation>
    </message>
    <message>
        <source>矢印キーで裏向きの札を選び、スペースキーでめくります</source>
        <translation>Choose a face-down card with the arrow keys and turn it with Space</translation>
    </message>
    <message>
        <source>お知らせ</source>
        <translation>Notice</translation>
    </message>
    <message>
        <source>ジョーカー</source>
        <translation>joker</translation>
    </message>
    <message>
        <source>クラブ</source>
        <translation>clubs</translation>
    </message>
    <message>
        <source>スペード</source>
        <translation>spades</translation>
    </message>
    <message>
        <source>ダイヤ</source>
        <translation>diamonds</translation>
    </message>
    <message>
        <source>ハート</source>
        <translation>hearts</translation>
    </message>
    <message>
        <source>エース</source>
        <translation>ace</translation>
    </message>
    <message>
        <source>ジャック</source>
        <translation>jack</translation>
    </message>
    <message>
        <source>クイーン</source>
        <translation>queen</translation>
    </message>
    <message>
        <source>キング</source>
        <translation>king</translation>
    </message>
    <message>
        <source>%1の%2</source>
        <translation>%2 of %1</translation>
    </message>
    <message>
        <source>%1行 %2列</source>
        <translation>row %1, column %2</translation>
    </message>
    <message>
        <source>取られた札 %1</source>
        <translation>taken: %1</translation>
    </message>
    <message>
        <source>%1 裏向き</source>
        <translation>%1, face down</translation>
    </message>
    <message>
        <source>空席</source>
        <translation>Empty seat</translation>
    </message>
    <message>
        <source>、手番</source>
        <translation>, on turn</translation>
    </message>
    <message>
        <source>経過時間 %1、手数 %2</source>
        <translation>Time %1, turns %2</translation>
    </message>
    <message>
        <source>%1がめくりました：%2</source>
        <translation>%1 turned %2</translation>
    </message>
    <message>
        <source>%1の番です</source>
        <translation>%1&apos;s turn</translation>
    </message>
    <message>
        <source>%1「%2」</source>
        <translation>%1 says, %2</translation>
    </message>
    <message numerus="yes">
        <source>%1、取った札 %n枚</source>
        <translation>
            <numerusform>%1, %n card taken</numerusform>
            <numerusform>%1, %n cards taken</numerusform>
        </translation>
    </message>
    <message>
        <source>ジョーカーのペア</source>
        <translation>a pair of jokers</translation>
    </message>
    <message>
        <source>エースのペア</source>
        <translation>a pair of aces</translation>
    </message>
    <message>
        <source>ジャックのペア</source>
        <translation>a pair of jacks</translation>
    </message>
    <message>
        <source>クイーンのペア</source>
        <translation>a pair of queens</translation>
    </message>
    <message>
        <source>キングのペア</source>
        <translation>a pair of kings</translation>
    </message>
    <message>
        <source>%1のペア</source>
        <translation>a pair of %1s</translation>
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
        <translation>No more cards that way</translation>
    </message>
    <message>
        <source>はずれ</source>
        <translation>No pair</translation>
    </message>
    <message>
        <source>あなたの番です</source>
        <translation>Your turn</translation>
    </message>
    <message numerus="yes">
        <source>%1が%2を取りました、%n枚</source>
        <translation>
            <numerusform>%1 took %2, %n card</numerusform>
            <numerusform>%1 took %2, %n cards</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1がペアを取りました、%n枚</source>
        <translation>
            <numerusform>%1 took a pair, %n card</numerusform>
            <numerusform>%1 took a pair, %n cards</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TableWidget</name>
    <message>
        <source>経過時間：</source>
        <translation>Time:</translation>
    </message>
    <message>
        <source>手数：</source>
        <translation>Turns:</translation>
    </message>
</context>
<context>
    <name>VersusResultWindow</name>
    <message>
        <source>Ｙｏｕ</source>
        <translation>You</translation>
    </message>
    <message>
        <source>結果</source>
        <translation>Results</translation>
    </message>
    <message>
        <source>結果発表！！</source>
        <translation>Results!!</translation>
    </message>
    <message>
        <source>%1位</source>
        <translation>place %1</translation>
    </message>
    <message>
        <source>Baby Swallow</source>
        <translation>Baby Swallow</translation>
    </message>
    <message>
        <source>Funny Wolf</source>
        <translation>Funny Wolf</translation>
    </message>
    <message>
        <source>Fat Tiger</source>
        <translation>Fat Tiger</translation>
    </message>
    <message>
        <source>Player%1:</source>
        <translation>Player%1:</translation>
    </message>
    <message>
        <source>Player%1： 空席</source>
        <translation>Player %1, empty seat</translation>
    </message>
    <message numerus="yes">
        <source>Player%1：%2、 %n枚、 %3位</source>
        <translation>
            <numerusform>Player %1, %2, %n card, place %3</numerusform>
            <numerusform>Player %1, %2, %n cards, place %3</numerusform>
        </translation>
    </message>
</context>
</TS>
