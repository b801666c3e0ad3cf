<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="ja">
<context>
    <name>AboutBox</name>
    <message>
        <source>Copyright (C) 2001 トマベル工房  Have fun!</source>
        <translation>Copyright (C) 2001 Tomavel Works  Viel Spaß!</translation>
    </message>
    <message>
        <source>このアプリケーションについて</source>
        <translation>Über Tomavel</translation>
    </message>
    <message>
        <source>トマベルのアイコン</source>
        <translation>Tomavel-Symbol</translation>
    </message>
    <message>
        <source>トマベル</source>
        <translation>Tomavel</translation>
    </message>
    <message>
        <source>ホームページ %1</source>
        <translation>Homepage %1</translation>
    </message>
    <message>
        <source>メール %1</source>
        <translation>E-Mail %1</translation>
    </message>
    <message>
        <source>関連づけられた実行ファイルがありません</source>
        <translation>Es ist kein Programm zum Öffnen eingerichtet.</translation>
    </message>
    <message>
        <source>Home Page</source>
        <translation>Homepage</translation>
    </message>
    <message>
        <source>Mail</source>
        <translation>E-Mail</translation>
    </message>
</context>
<context>
    <name>Characters</name>
    <message>
        <source>あなた</source>
        <translation>Du</translation>
    </message>
    <message>
        <source>空席</source>
        <translation>Leerer Platz</translation>
    </message>
    <message>
        <source>ツバメ</source>
        <translation>Schwalbe</translation>
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
        <translation>Das Spiel wird beendet.</translation>
    </message>
</context>
<context>
    <name>Help</name>
    <message>
        <source>ヘルプファイルがありません。</source>
        <translation>Es gibt keine Hilfedatei.</translation>
    </message>
    <message>
        <source>ヘルプを開けませんでした。
ヘルプファイルはここにあります:
%1</source>
        <translation>Die Hilfe konnte nicht geöffnet werden.
Die Hilfedatei liegt hier:
%1</translation>
    </message>
    <message>
        <source>ヘルプを表示するための写しを作れませんでした。
ヘルプファイル（シフトJIS）はここにあります:
%1</source>
        <translation>Für die Anzeige ließ sich keine Kopie der Hilfe anlegen.
Die Hilfedatei (in Shift JIS) liegt hier:
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
        <translation>&amp;Spiel</translation>
    </message>
    <message>
        <source>開始</source>
        <translation>&amp;Starten</translation>
    </message>
    <message>
        <source>このゲームやめ</source>
        <translation>Dieses Spiel &amp;abbrechen</translation>
    </message>
    <message>
        <source>このアプリケーションを終了する</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>常に手前に表示</source>
        <translation>&amp;Immer im Vordergrund</translation>
    </message>
    <message>
        <source>音を出さない</source>
        <translation>&amp;Kein Ton</translation>
    </message>
    <message>
        <source>ヘルプ</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>このアプリケーションについて</source>
        <translation>Ü&amp;ber Tomavel…</translation>
    </message>
    <message>
        <source>やめる？？</source>
        <translation>Aufhören??</translation>
    </message>
    <message>
        <source>成績</source>
        <translation>B&amp;estenliste…</translation>
    </message>
    <message>
        <source>設定</source>
        <comment>the menu</comment>
        <translation>&amp;Einstellungen</translation>
    </message>
    <message>
        <source>設定</source>
        <comment>the menu item</comment>
        <translation>&amp;Einstellungen…</translation>
    </message>
    <message>
        <source>全画面表示</source>
        <translation>&amp;Vollbild</translation>
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
        <translation>dd.MM.yyyy HH:mm:ss</translation>
    </message>
    <message>
        <source>「%1」は名前に使えない文字です。
ほかの文字で入力してください。</source>
        <translation>„%1“ ist in Namen nicht erlaubt.
Bitte andere Zeichen eingeben.</translation>
    </message>
    <message>
        <source>１人トマベル&#x3000;結果</source>
        <translation>Tomavel allein – Bestenliste</translation>
    </message>
    <message>
        <source>名前</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>時間</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>ターン</source>
        <translation>Züge</translation>
    </message>
    <message>
        <source>日付</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>新しい記録に付ける名前</source>
        <translation>Der Name für den neuen Eintrag</translation>
    </message>
    <message>
        <source>ターン回数が%1位です。</source>
        <translation>Züge: Platz %1.</translation>
    </message>
    <message>
        <source>ゲーム時間が%1位です。</source>
        <translation>Zeit: Platz %1.</translation>
    </message>
    <message>
        <source>ゲーム時間が%1位
ターン回数が%2位です。</source>
        <translation>Zeit: Platz %1,
Züge: Platz %2.</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>Turn</source>
        <translation>Züge</translation>
    </message>
    <message>
        <source>名前の入力がありません</source>
        <translation>Es wurde kein Name eingegeben.</translation>
    </message>
    <message>
        <source>スコアを保存できませんでした。
%1

もう一度保存するか、保存しないで閉じるかを選んでください。</source>
        <translation>Die Ergebnisse konnten nicht gespeichert werden.
%1

Noch einmal versuchen oder ohne Speichern schließen?</translation>
    </message>
    <message>
        <source>保存しないで閉じる</source>
        <translation>Ohne Speichern schließen</translation>
    </message>
    <message>
        <source>読み取れる記録がなかったので、新しいスコア表で始めます。</source>
        <translation>Kein Eintrag war lesbar, daher beginnt eine neue Bestenliste.</translation>
    </message>
    <message numerus="yes">
        <source>読み取れた %n 件の記録を新しいスコア表に移し、残りは初めの記録で埋めました。</source>
        <translation>
            <numerusform>%n lesbarer Eintrag steht jetzt in einer neuen Bestenliste, die übrigen Plätze belegen die Starteinträge.</numerusform>
            <numerusform>%n lesbare Einträge stehen jetzt in einer neuen Bestenliste, die übrigen Plätze belegen die Starteinträge.</numerusform>
        </translation>
    </message>
    <message>
        <source>スコアファイル %1 が壊れていたので %2 という名前で残しました。
%3</source>
        <translation>Die Ergebnisdatei %1 war beschädigt und wurde als %2 aufbewahrt.
%3</translation>
    </message>
    <message>
        <source>スコアファイル %1 が壊れていて、別の名前で残すこともできませんでした。
ファイルはそのままにして、今回の結果は保存しません。</source>
        <translation>Die Ergebnisdatei %1 ist beschädigt und konnte auch nicht umbenannt werden.
Die Datei bleibt, wie sie ist, und dieses Ergebnis wird nicht gespeichert.</translation>
    </message>
    <message>
        <source>スコアファイル %1 を作れませんでした。
%2

このままでは１人トマベルの結果を保存できません。</source>
        <translation>Die Ergebnisdatei %1 konnte nicht angelegt werden.
%2

Bis dahin lassen sich keine Ergebnisse im Alleinspiel speichern.</translation>
    </message>
    <message>
        <source>名前は%1文字までです。
それより後の文字は入りません。</source>
        <translation>Ein Name hat höchstens %1 Zeichen.
Was danach kam, wurde weggelassen.</translation>
    </message>
    <message>
        <source>記録を保存せずに閉じますか？</source>
        <translation>Schließen, ohne das Ergebnis zu speichern?</translation>
    </message>
    <message>
        <source>この結果を保存する前に、ほかのゲームのもっと良い結果が保存されました。
今回の結果は１０位までに入らなくなりました。</source>
        <translation>Bevor dieses Ergebnis gespeichert wurde, kamen bessere Ergebnisse aus einem anderen Spiel hinzu.
Dieses Ergebnis ist nicht mehr unter den ersten zehn.</translation>
    </message>
    <message>
        <source>順位 名前 時間 ターン 日付 %1</source>
        <translation>Platz, Name, Zeit, Züge, Datum, %1</translation>
    </message>
    <message>
        <source>時間の順</source>
        <translation>nach Zeit</translation>
    </message>
    <message>
        <source>ターンの順</source>
        <translation>nach Zügen</translation>
    </message>
    <message>
        <source>新しい記録</source>
        <translation>dein neuer Eintrag</translation>
    </message>
    <message>
        <source>yyyy年M月d日</source>
        <comment>a date for a screen reader</comment>
        <translation>d. MMMM yyyy</translation>
    </message>
    <message>
        <source>%1位 %2 %3分%4秒 %5手 %6</source>
        <translation>Platz %1, %2, %3 Min %4 Sek, %5 Züge, %6</translation>
    </message>
</context>
<context>
    <name>SeatPanel</name>
    <message>
        <source>You</source>
        <translation>Du</translation>
    </message>
    <message>
        <source>Swallow</source>
        <translation>Schwalbe</translation>
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
        <translation>Die Einstellungsdatei fehlt.</translation>
    </message>
    <message>
        <source>初期化ファイルを作成できません。
最初の設定で始めます。</source>
        <translation>Die Einstellungsdatei kann nicht angelegt werden.
Das Spiel beginnt mit den Grundeinstellungen.</translation>
    </message>
    <message>
        <source>%1 を読み取れません。</source>
        <translation>%1 kann nicht gelesen werden.</translation>
    </message>
    <message>
        <source>設定をファイルに保存できませんでした。
%1

今の設定はこのまま使えますが、次回の起動には残りません。</source>
        <translation>Die Einstellungen konnten nicht in der Einstellungsdatei gespeichert werden.
%1

Sie gelten jetzt weiter, beim nächsten Start aber nicht mehr.</translation>
    </message>
</context>
<context>
    <name>SettingsDialog</name>
    <message>
        <source>プレイヤーが設定されていません。</source>
        <translation>Es ist kein Spieler ausgewählt.</translation>
    </message>
    <message>
        <source>１人以上のプレーヤーを選択してください。</source>
        <translation>Bitte mindestens einen Spieler wählen.</translation>
    </message>
    <message>
        <source>一人遊びでよろしいですか？</source>
        <translation>Allein spielen?</translation>
    </message>
    <message>
        <source>設定</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>プレーヤー選択</source>
        <translation>Spieler</translation>
    </message>
    <message>
        <source>一人遊び</source>
        <translation>Allein</translation>
    </message>
    <message>
        <source>複数で遊ぶ</source>
        <translation>Mit anderen</translation>
    </message>
    <message>
        <source>席%1</source>
        <translation>Platz %1</translation>
    </message>
    <message>
        <source>次のﾌﾟﾚｰﾔ</source>
        <translation>Nächster</translation>
    </message>
    <message>
        <source>カード</source>
        <translation>Kartenrücken</translation>
    </message>
    <message>
        <source>カードの裏 %1</source>
        <translation>Kartenrücken %1</translation>
    </message>
    <message>
        <source>その他</source>
        <translation>Sonstiges</translation>
    </message>
    <message>
        <source>カードを見せる秒数</source>
        <translation>Karten zeigen für</translation>
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
        <translation>Mauszeiger</translation>
    </message>
    <message>
        <source>カーソル %1</source>
        <translation>Mauszeiger %1</translation>
    </message>
    <message>
        <source>Ｏ．Ｋ</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>ｷｬﾝｾﾙ</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>トマベルのアイコン</source>
        <translation>Tomavel-Symbol</translation>
    </message>
    <message>
        <source>席%1：%2</source>
        <translation>Platz %1: %2</translation>
    </message>
    <message>
        <source>次回もこの設定で始める</source>
        <translation>Diese Einstellungen für den nächsten Start behalten</translation>
    </message>
    <message>
        <source>席%1を%2にする</source>
        <translation>Für Platz %1 wählen: %2</translation>
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
        <translation>Die Sperre, die verhindert, dass Tomavel zweimal gleichzeitig läuft, ließ sich in keinem Ordner anlegen.
Wird Tomavel zweimal gleichzeitig gestartet, können Ergebnisse verloren gehen.</translation>
    </message>
</context>
<context>
    <name>Speech</name>
    <message>
        <source>まってました。</source>
        <translation>Endlich ich!</translation>
    </message>
    <message>
        <source>わーい！！</source>
        <translation>Juhuu!!</translation>
    </message>
    <message>
        <source>俺様の技を見よ</source>
        <translation>Jetzt zeig ich&apos;s euch!</translation>
    </message>
    <message>
        <source>！</source>
        <translation>!</translation>
    </message>
    <message>
        <source>ゲッ</source>
        <translation>Hab...</translation>
    </message>
    <message>
        <source>チュー</source>
        <translation>...dich!</translation>
    </message>
    <message>
        <source>ゲッチュー！！</source>
        <translation>Hab dich!!</translation>
    </message>
    <message>
        <source>どれにしようかな</source>
        <translation>Ene, mene...</translation>
    </message>
    <message>
        <source>これとね、</source>
        <translation>Die hier, und...</translation>
    </message>
    <message>
        <source>これかな？、</source>
        <translation>Die hier vielleicht?</translation>
    </message>
    <message>
        <source>やったね。</source>
        <translation>Juhu, geschafft!</translation>
    </message>
    <message>
        <source>ちっ！</source>
        <translation>Menno!</translation>
    </message>
    <message>
        <source>俺様の番か？？</source>
        <translation>Mein Auftritt, was??</translation>
    </message>
    <message>
        <source>世界が俺を呼んでるぜぇ。</source>
        <translation>Die Welt braucht mich, Baby!</translation>
    </message>
    <message>
        <source>まちにまったぜぇ。</source>
        <translation>Darauf hab ich gewartet!</translation>
    </message>
    <message>
        <source>！！！</source>
        <translation>!!!</translation>
    </message>
    <message>
        <source>俺様って</source>
        <translation>Bin ich ein...</translation>
    </message>
    <message>
        <source>天才！！</source>
        <translation>GENIE oder was!!</translation>
    </message>
    <message>
        <source>ラッキー</source>
        <translation>Glück gehabt!</translation>
    </message>
    <message>
        <source>これでいいや。</source>
        <translation>Die tut&apos;s.</translation>
    </message>
    <message>
        <source>オープン！！</source>
        <translation>Vorhang auf!!</translation>
    </message>
    <message>
        <source>へへっ</source>
        <translation>Hehe.</translation>
    </message>
    <message>
        <source>まっこんなもんかな。</source>
        <translation>Tja, so läuft&apos;s eben.</translation>
    </message>
    <message>
        <source>もうワシの番か・・・</source>
        <translation>Schon wieder ich...</translation>
    </message>
    <message>
        <source>・・・</source>
        <translation>...</translation>
    </message>
    <message>
        <source>おまえら早すぎるぞ！</source>
        <translation>Ihr seid zu schnell!</translation>
    </message>
    <message>
        <source>もう少し休ませてくれ</source>
        <translation>Lasst den alten Kater doch ruhen.</translation>
    </message>
    <message>
        <source>これと</source>
        <translation>Die hier...</translation>
    </message>
    <message>
        <source>これじゃな</source>
        <translation>...und die da.</translation>
    </message>
    <message>
        <source>見えた！</source>
        <translation>Ich seh sie!</translation>
    </message>
    <message>
        <source>開けるぞ</source>
        <translation>Mal sehen.</translation>
    </message>
    <message>
        <source>まぁこんなもんか</source>
        <translation>Nicht übel, nicht übel.</translation>
    </message>
    <message>
        <source>やっと休めるわい</source>
        <translation>Endlich ein Nickerchen.</translation>
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
        <translation>Aufruf: tomavel [OPTION]
Startet Tomavel, ein Memory-Kartenspiel (Paare aufdecken).

  -h, --help     diese Hilfe anzeigen und beenden
      --version  die Version anzeigen und beenden

Wie man spielt, steht in der Hilfe des Spiels (F1).
</translation>
    </message>
</context>
<context>
    <name>TableSpeaker</name>
    <message>
        <source>テーブル</source>
        <translation>Tisch</translation>
    </message>
    <message>
        <source>矢印キーで裏向きの札を選び、スペースキーでめくります</source>
        <translation>Mit den Pfeiltasten eine verdeckte Karte wählen, mit der Leertaste aufdecken</translation>
    </message>
    <message>
        <source>お知らせ</source>
        <translation>Hinweis</translation>
    </message>
    <message>
        <source>ジョーカー</source>
        <translation>Joker</translation>
    </message>
    <message>
        <source>クラブ</source>
        <translation>Kreuz</translation>
    </message>
    <message>
        <source>スペード</source>
        <translation>Pik</translation>
    </message>
    <message>
        <source>ダイヤ</source>
        <translation>Karo</translation>
    </message>
    <message>
        <source>ハート</source>
        <translation>Herz</translation>
    </message>
    <message>
        <source>エース</source>
        <translation>Ass</translation>
    </message>
    <message>
        <source>ジャック</source>
        <translation>Bube</translation>
    </message>
    <message>
        <source>クイーン</source>
        <translation>Dame</translation>
    </message>
    <message>
        <source>キング</source>
        <translation>König</translation>
    </message>
    <message>
        <source>%1の%2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>%1行 %2列</source>
        <translation>Reihe %1, Spalte %2</translation>
    </message>
    <message>
        <source>取られた札 %1</source>
        <translation>genommen: %1</translation>
    </message>
    <message>
        <source>%1 裏向き</source>
        <translation>%1, verdeckt</translation>
    </message>
    <message>
        <source>空席</source>
        <translation>Leerer Platz</translation>
    </message>
    <message numerus="yes">
        <source>%1、取った札 %n枚</source>
        <translation>
            <numerusform>%1, genommene Karten: %n</numerusform>
            <numerusform>%1, genommene Karten: %n</numerusform>
        </translation>
    </message>
    <message>
        <source>、手番</source>
        <translation>, am Zug</translation>
    </message>
    <message>
        <source>経過時間 %1、手数 %2</source>
        <translation>Zeit %1, Züge %2</translation>
    </message>
    <message>
        <source>%1がめくりました：%2</source>
        <translation>%1 deckt auf, %2</translation>
    </message>
    <message>
        <source>%1の番です</source>
        <translation>%1 ist am Zug</translation>
    </message>
    <message>
        <source>%1「%2」</source>
        <translation>%1 sagt, %2</translation>
    </message>
    <message>
        <source>ジョーカーのペア</source>
        <translation>ein Paar Joker</translation>
    </message>
    <message>
        <source>エースのペア</source>
        <translation>ein Paar Asse</translation>
    </message>
    <message>
        <source>ジャックのペア</source>
        <translation>ein Paar Buben</translation>
    </message>
    <message>
        <source>クイーンのペア</source>
        <translation>ein Paar Damen</translation>
    </message>
    <message>
        <source>キングのペア</source>
        <translation>ein Paar Könige</translation>
    </message>
    <message>
        <source>%1のペア</source>
        <translation>ein Paar %1</translation>
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
        <translation>In dieser Richtung keine Karten mehr</translation>
    </message>
    <message>
        <source>はずれ</source>
        <translation>Kein Paar</translation>
    </message>
    <message>
        <source>あなたの番です</source>
        <translation>Du bist dran</translation>
    </message>
    <message numerus="yes">
        <source>%1が%2を取りました、%n枚</source>
        <translation>
            <numerusform>%1, %2, jetzt %n Karte</numerusform>
            <numerusform>%1, %2, jetzt %n Karten</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1がペアを取りました、%n枚</source>
        <translation>
            <numerusform>%1, ein Paar, jetzt %n Karte</numerusform>
            <numerusform>%1, ein Paar, jetzt %n Karten</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TableWidget</name>
    <message>
        <source>経過時間：</source>
        <translation>Zeit:</translation>
    </message>
    <message>
        <source>手数：</source>
        <translation>Züge:</translation>
    </message>
</context>
<context>
    <name>VersusResultWindow</name>
    <message>
        <source>Ｙｏｕ</source>
        <translation>Du</translation>
    </message>
    <message>
        <source>Baby Swallow</source>
        <translation>Schwälbchen</translation>
    </message>
    <message>
        <source>Funny Wolf</source>
        <translation>Witziger Wolf</translation>
    </message>
    <message>
        <source>Fat Tiger</source>
        <translation>Dicker Tiger</translation>
    </message>
    <message>
        <source>結果</source>
        <translation>Ergebnis</translation>
    </message>
    <message>
        <source>結果発表！！</source>
        <translation>Ergebnisse!!</translation>
    </message>
    <message>
        <source>%1位</source>
        <translation>Platz %1</translation>
    </message>
    <message>
        <source>Player%1:</source>
        <translation>Spieler %1:</translation>
    </message>
    <message>
        <source>Player%1： 空席</source>
        <translation>Spieler %1, leerer Platz</translation>
    </message>
    <message numerus="yes">
        <source>Player%1：%2、 %n枚、 %3位</source>
        <translation>
            <numerusform>Spieler %1, %2, %n Karte, Platz %3</numerusform>
            <numerusform>Spieler %1, %2, %n Karten, Platz %3</numerusform>
        </translation>
    </message>
</context>
</TS>
