<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl" sourcelanguage="ja">
<context>
    <name>AboutBox</name>
    <message>
        <source>Copyright (C) 2001 トマベル工房  Have fun!</source>
        <translation>Copyright (C) 2001 Tomavel Works  Veel pret!</translation>
    </message>
    <message>
        <source>このアプリケーションについて</source>
        <translation>Over Tomavel</translation>
    </message>
    <message>
        <source>トマベルのアイコン</source>
        <translation>Tomavel-pictogram</translation>
    </message>
    <message>
        <source>トマベル</source>
        <translation>Tomavel</translation>
    </message>
    <message>
        <source>ホームページ %1</source>
        <translation>Website %1</translation>
    </message>
    <message>
        <source>メール %1</source>
        <translation>E-mail %1</translation>
    </message>
    <message>
        <source>関連づけられた実行ファイルがありません</source>
        <translation>Er is geen programma ingesteld om dit te openen.</translation>
    </message>
    <message>
        <source>Home Page</source>
        <translation>Website</translation>
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
        <translation>Jij</translation>
    </message>
    <message>
        <source>空席</source>
        <translation>Lege plaats</translation>
    </message>
    <message>
        <source>ツバメ</source>
        <translation>Zwaluw</translation>
    </message>
    <message>
        <source>オオカミ</source>
        <translation>Wolf</translation>
    </message>
    <message>
        <source>トラ</source>
        <translation>Tijger</translation>
    </message>
</context>
<context>
    <name>Engine</name>
    <message>
        <source>このゲームを終了します</source>
        <translation>Dit spel eindigt hier.</translation>
    </message>
</context>
<context>
    <name>Help</name>
    <message>
        <source>ヘルプファイルがありません。</source>
        <translation>Er is geen hulpbestand.</translation>
    </message>
    <message>
        <source>ヘルプを開けませんでした。
ヘルプファイルはここにあります:
%1</source>
        <translation>De hulp kon niet worden geopend.
Het hulpbestand staat hier:
%1</translation>
    </message>
    <message>
        <source>ヘルプを表示するための写しを作れませんでした。
ヘルプファイル（シフトJIS）はここにあります:
%1</source>
        <translation>Er kon geen kopie van de hulp worden gemaakt om die te tonen.
Het hulpbestand (in Shift JIS) staat hier:
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
        <translation>&amp;Spel</translation>
    </message>
    <message>
        <source>開始</source>
        <translation>&amp;Starten</translation>
    </message>
    <message>
        <source>このゲームやめ</source>
        <translation>&amp;Dit spel stoppen</translation>
    </message>
    <message>
        <source>このアプリケーションを終了する</source>
        <translation>&amp;Afsluiten</translation>
    </message>
    <message>
        <source>常に手前に表示</source>
        <translation>&amp;Altijd bovenop</translation>
    </message>
    <message>
        <source>音を出さない</source>
        <translation>&amp;Geen geluid</translation>
    </message>
    <message>
        <source>ヘルプ</source>
        <translation>&amp;Hulp</translation>
    </message>
    <message>
        <source>このアプリケーションについて</source>
        <translation>&amp;Over Tomavel…</translation>
    </message>
    <message>
        <source>やめる？？</source>
        <translation>Stoppen??</translation>
    </message>
    <message>
        <source>成績</source>
        <translation>S&amp;corelijst…</translation>
    </message>
    <message>
        <source>設定</source>
        <comment>the menu</comment>
        <translation>&amp;Instellingen</translation>
    </message>
    <message>
        <source>設定</source>
        <comment>the menu item</comment>
        <translation>&amp;Instellingen…</translation>
    </message>
    <message>
        <source>全画面表示</source>
        <translation>&amp;Volledig scherm</translation>
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
        <translation>dd-MM-yyyy HH:mm:ss</translation>
    </message>
    <message>
        <source>「%1」は名前に使えない文字です。
ほかの文字で入力してください。</source>
        <translation>‘%1’ kan niet in een naam staan.
Typ andere tekens.</translation>
    </message>
    <message>
        <source>１人トマベル&#x3000;結果</source>
        <translation>Tomavel alleen – Scorelijst</translation>
    </message>
    <message>
        <source>名前</source>
        <translation>Naam</translation>
    </message>
    <message>
        <source>時間</source>
        <translation>Tijd</translation>
    </message>
    <message>
        <source>ターン</source>
        <translation>Beurten</translation>
    </message>
    <message>
        <source>日付</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>新しい記録に付ける名前</source>
        <translation>De naam bij de nieuwe score</translation>
    </message>
    <message>
        <source>ターン回数が%1位です。</source>
        <translation>Beurten: plaats %1.</translation>
    </message>
    <message>
        <source>ゲーム時間が%1位です。</source>
        <translation>Tijd: plaats %1.</translation>
    </message>
    <message>
        <source>ゲーム時間が%1位
ターン回数が%2位です。</source>
        <translation>Tijd: plaats %1,
beurten: plaats %2.</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Tijd</translation>
    </message>
    <message>
        <source>Turn</source>
        <translation>Beurten</translation>
    </message>
    <message>
        <source>名前の入力がありません</source>
        <translation>Er is geen naam ingevuld.</translation>
    </message>
    <message>
        <source>スコアを保存できませんでした。
%1

もう一度保存するか、保存しないで閉じるかを選んでください。</source>
        <translation>De scores konden niet worden bewaard.
%1

Opnieuw proberen, of sluiten zonder bewaren?</translation>
    </message>
    <message>
        <source>保存しないで閉じる</source>
        <translation>Sluiten zonder bewaren</translation>
    </message>
    <message>
        <source>読み取れる記録がなかったので、新しいスコア表で始めます。</source>
        <translation>Er was geen score leesbaar, dus begint een nieuwe scorelijst.</translation>
    </message>
    <message numerus="yes">
        <source>読み取れた %n 件の記録を新しいスコア表に移し、残りは初めの記録で埋めました。</source>
        <translation>
            <numerusform>%n leesbare score staat nu in een nieuwe scorelijst; de andere plaatsen krijgen de beginscores.</numerusform>
            <numerusform>%n leesbare scores staan nu in een nieuwe scorelijst; de andere plaatsen krijgen de beginscores.</numerusform>
        </translation>
    </message>
    <message>
        <source>スコアファイル %1 が壊れていたので %2 という名前で残しました。
%3</source>
        <translation>Het scorebestand %1 was beschadigd en is bewaard als %2.
%3</translation>
    </message>
    <message>
        <source>スコアファイル %1 が壊れていて、別の名前で残すこともできませんでした。
ファイルはそのままにして、今回の結果は保存しません。</source>
        <translation>Het scorebestand %1 is beschadigd en kon ook niet worden hernoemd.
Het bestand blijft zoals het is en deze uitslag wordt niet bewaard.</translation>
    </message>
    <message>
        <source>スコアファイル %1 を作れませんでした。
%2

このままでは１人トマベルの結果を保存できません。</source>
        <translation>Het scorebestand %1 kon niet worden aangemaakt.
%2

Zolang dat niet lukt, kunnen uitslagen van alleen spelen niet worden bewaard.</translation>
    </message>
    <message>
        <source>名前は%1文字までです。
それより後の文字は入りません。</source>
        <translation>Een naam telt hoogstens %1 tekens.
Wat daarna kwam, is weggelaten.</translation>
    </message>
    <message>
        <source>記録を保存せずに閉じますか？</source>
        <translation>Sluiten zonder je uitslag te bewaren?</translation>
    </message>
    <message>
        <source>この結果を保存する前に、ほかのゲームのもっと良い結果が保存されました。
今回の結果は１０位までに入らなくなりました。</source>
        <translation>Voordat deze uitslag werd bewaard, zijn betere uitslagen van een ander spel bewaard.
Deze uitslag staat niet meer in de top tien.</translation>
    </message>
    <message>
        <source>順位 名前 時間 ターン 日付 %1</source>
        <translation>Plaats, naam, tijd, beurten, datum, %1</translation>
    </message>
    <message>
        <source>時間の順</source>
        <translation>op tijd</translation>
    </message>
    <message>
        <source>ターンの順</source>
        <translation>op beurten</translation>
    </message>
    <message>
        <source>新しい記録</source>
        <translation>je nieuwe score</translation>
    </message>
    <message>
        <source>yyyy年M月d日</source>
        <comment>a date for a screen reader</comment>
        <translation>d MMMM yyyy</translation>
    </message>
    <message>
        <source>%1位 %2 %3分%4秒 %5手 %6</source>
        <translation>Plaats %1, %2, %3 min %4 sec, %5 beurten, %6</translation>
    </message>
</context>
<context>
    <name>SeatPanel</name>
    <message>
        <source>You</source>
        <translation>Jij</translation>
    </message>
    <message>
        <source>Swallow</source>
        <translation>Zwaluw</translation>
    </message>
    <message>
        <source>Wolf</source>
        <translation>Wolf</translation>
    </message>
    <message>
        <source>Tiger</source>
        <translation>Tijger</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>初期化ファイルがありません。</source>
        <translation>Het instellingenbestand ontbreekt.</translation>
    </message>
    <message>
        <source>初期化ファイルを作成できません。
最初の設定で始めます。</source>
        <translation>Het instellingenbestand kan niet worden aangemaakt.
Het spel begint met de standaardinstellingen.</translation>
    </message>
    <message>
        <source>%1 を読み取れません。</source>
        <translation>%1 kan niet worden gelezen.</translation>
    </message>
    <message>
        <source>設定をファイルに保存できませんでした。
%1

今の設定はこのまま使えますが、次回の起動には残りません。</source>
        <translation>De instellingen konden niet in het instellingenbestand worden bewaard.
%1

Ze gelden nu wel, maar bij de volgende start niet meer.</translation>
    </message>
</context>
<context>
    <name>SettingsDialog</name>
    <message>
        <source>プレイヤーが設定されていません。</source>
        <translation>Er is geen speler gekozen.</translation>
    </message>
    <message>
        <source>１人以上のプレーヤーを選択してください。</source>
        <translation>Kies minstens één speler.</translation>
    </message>
    <message>
        <source>一人遊びでよろしいですか？</source>
        <translation>Alleen spelen?</translation>
    </message>
    <message>
        <source>設定</source>
        <translation>Instellingen</translation>
    </message>
    <message>
        <source>プレーヤー選択</source>
        <translation>Spelers</translation>
    </message>
    <message>
        <source>一人遊び</source>
        <translation>Alleen</translation>
    </message>
    <message>
        <source>複数で遊ぶ</source>
        <translation>Met anderen</translation>
    </message>
    <message>
        <source>席%1</source>
        <translation>Plaats %1</translation>
    </message>
    <message>
        <source>次のﾌﾟﾚｰﾔ</source>
        <translation>Volgende</translation>
    </message>
    <message>
        <source>カード</source>
        <translation>Achterkant</translation>
    </message>
    <message>
        <source>カードの裏 %1</source>
        <translation>Achterkant %1</translation>
    </message>
    <message>
        <source>その他</source>
        <translation>Overig</translation>
    </message>
    <message>
        <source>カードを見せる秒数</source>
        <translation>Kaarten tonen</translation>
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
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>トマベルのアイコン</source>
        <translation>Tomavel-pictogram</translation>
    </message>
    <message>
        <source>席%1：%2</source>
        <translation>Plaats %1: %2</translation>
    </message>
    <message>
        <source>次回もこの設定で始める</source>
        <translation>Deze instellingen de volgende keer weer gebruiken</translation>
    </message>
    <message>
        <source>席%1を%2にする</source>
        <translation>Kies voor plaats %1: %2</translation>
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
        <translation>De vergrendeling die voorkomt dat Tomavel twee keer tegelijk draait, kon in geen enkele map worden gemaakt.
Als Tomavel twee keer tegelijk wordt gestart, kunnen scores verloren gaan.</translation>
    </message>
</context>
<context>
    <name>Speech</name>
    <message>
        <source>まってました。</source>
        <translation>Eindelijk ik!</translation>
    </message>
    <message>
        <source>わーい！！</source>
        <translation>Joepie!!</translation>
    </message>
    <message>
        <source>俺様の技を見よ</source>
        <translation>Bewonder mijn kunsten!</translation>
    </message>
    <message>
        <source>！</source>
        <translation>!</translation>
    </message>
    <message>
        <source>ゲッ</source>
        <translation>Heb...</translation>
    </message>
    <message>
        <source>チュー</source>
        <translation>...bes!</translation>
    </message>
    <message>
        <source>ゲッチュー！！</source>
        <translation>Hebbes!!</translation>
    </message>
    <message>
        <source>どれにしようかな</source>
        <translation>Iene, miene...</translation>
    </message>
    <message>
        <source>これとね、</source>
        <translation>Deze, en...</translation>
    </message>
    <message>
        <source>これかな？、</source>
        <translation>Deze misschien?</translation>
    </message>
    <message>
        <source>やったね。</source>
        <translation>Jippie, gelukt!</translation>
    </message>
    <message>
        <source>ちっ！</source>
        <translation>Balen!</translation>
    </message>
    <message>
        <source>俺様の番か？？</source>
        <translation>Mijn moment, hè??</translation>
    </message>
    <message>
        <source>世界が俺を呼んでるぜぇ。</source>
        <translation>De wereld heeft me nodig, schatje!</translation>
    </message>
    <message>
        <source>まちにまったぜぇ。</source>
        <translation>Hier heb ik op gewacht!</translation>
    </message>
    <message>
        <source>！！！</source>
        <translation>!!!</translation>
    </message>
    <message>
        <source>俺様って</source>
        <translation>Ben ik een...</translation>
    </message>
    <message>
        <source>天才！！</source>
        <translation>GENIE of niet!!</translation>
    </message>
    <message>
        <source>ラッキー</source>
        <translation>Mazzel!</translation>
    </message>
    <message>
        <source>これでいいや。</source>
        <translation>Deze is goed.</translation>
    </message>
    <message>
        <source>オープン！！</source>
        <translation>Tadaa!!</translation>
    </message>
    <message>
        <source>へへっ</source>
        <translation>Hehe.</translation>
    </message>
    <message>
        <source>まっこんなもんかな。</source>
        <translation>Tja, zo gaat dat.</translation>
    </message>
    <message>
        <source>もうワシの番か・・・</source>
        <translation>Alweer mijn beurt...</translation>
    </message>
    <message>
        <source>・・・</source>
        <translation>...</translation>
    </message>
    <message>
        <source>おまえら早すぎるぞ！</source>
        <translation>Jullie zijn te snel!</translation>
    </message>
    <message>
        <source>もう少し休ませてくれ</source>
        <translation>Laat een oude kater even rusten.</translation>
    </message>
    <message>
        <source>これと</source>
        <translation>Deze...</translation>
    </message>
    <message>
        <source>これじゃな</source>
        <translation>...en die.</translation>
    </message>
    <message>
        <source>見えた！</source>
        <translation>Ik zie &apos;m!</translation>
    </message>
    <message>
        <source>開けるぞ</source>
        <translation>Eens kijken.</translation>
    </message>
    <message>
        <source>まぁこんなもんか</source>
        <translation>Niet slecht, niet slecht.</translation>
    </message>
    <message>
        <source>やっと休めるわい</source>
        <translation>Eindelijk een dutje.</translation>
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
        <translation>Gebruik: tomavel [OPTIE]
Start Tomavel, een memoryspel met kaarten (paren zoeken).

  -h, --help     deze hulp tonen en afsluiten
      --version  de versie tonen en afsluiten

Hoe je speelt, staat in de hulp van het spel (F1).
</translation>
    </message>
</context>
<context>
    <name>TableSpeaker</name>
    <message>
        <source>テーブル</source>
        <translation>Tafel</translation>
    </message>
    <message>
        <source>矢印キーで裏向きの札を選び、スペースキーでめくります</source>
        <translation>Kies met de pijltjestoetsen een gesloten kaart en draai hem om met Spatie</translation>
    </message>
    <message>
        <source>お知らせ</source>
        <translation>Melding</translation>
    </message>
    <message>
        <source>ジョーカー</source>
        <translation>joker</translation>
    </message>
    <message>
        <source>クラブ</source>
        <translation>klaveren</translation>
    </message>
    <message>
        <source>スペード</source>
        <translation>schoppen</translation>
    </message>
    <message>
        <source>ダイヤ</source>
        <translation>ruiten</translation>
    </message>
    <message>
        <source>ハート</source>
        <translation>harten</translation>
    </message>
    <message>
        <source>エース</source>
        <translation>aas</translation>
    </message>
    <message>
        <source>ジャック</source>
        <translation>boer</translation>
    </message>
    <message>
        <source>クイーン</source>
        <translation>vrouw</translation>
    </message>
    <message>
        <source>キング</source>
        <translation>heer</translation>
    </message>
    <message>
        <source>%1の%2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>%1行 %2列</source>
        <translation>rij %1, kolom %2</translation>
    </message>
    <message>
        <source>取られた札 %1</source>
        <translation>genomen: %1</translation>
    </message>
    <message>
        <source>%1 裏向き</source>
        <translation>%1, gesloten</translation>
    </message>
    <message>
        <source>空席</source>
        <translation>Lege plaats</translation>
    </message>
    <message numerus="yes">
        <source>%1、取った札 %n枚</source>
        <translation>
            <numerusform>%1, genomen kaarten: %n</numerusform>
            <numerusform>%1, genomen kaarten: %n</numerusform>
        </translation>
    </message>
    <message>
        <source>、手番</source>
        <translation>, aan de beurt</translation>
    </message>
    <message>
        <source>経過時間 %1、手数 %2</source>
        <translation>Tijd %1, beurten %2</translation>
    </message>
    <message>
        <source>%1がめくりました：%2</source>
        <translation>%1 draait om, %2</translation>
    </message>
    <message>
        <source>%1の番です</source>
        <translation>%1 is aan de beurt</translation>
    </message>
    <message>
        <source>%1「%2」</source>
        <translation>%1 zegt, %2</translation>
    </message>
    <message>
        <source>ジョーカーのペア</source>
        <translation>een paar jokers</translation>
    </message>
    <message>
        <source>エースのペア</source>
        <translation>een paar azen</translation>
    </message>
    <message>
        <source>ジャックのペア</source>
        <translation>een paar boeren</translation>
    </message>
    <message>
        <source>クイーンのペア</source>
        <translation>een paar vrouwen</translation>
    </message>
    <message>
        <source>キングのペア</source>
        <translation>een paar heren</translation>
    </message>
    <message>
        <source>%1のペア</source>
        <translation>een paar %1</translation>
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
        <translation>Geen kaarten meer die kant op</translation>
    </message>
    <message>
        <source>はずれ</source>
        <translation>Geen paar</translation>
    </message>
    <message>
        <source>あなたの番です</source>
        <translation>Jij bent aan de beurt</translation>
    </message>
    <message numerus="yes">
        <source>%1が%2を取りました、%n枚</source>
        <translation>
            <numerusform>%1 neemt %2, %n kaart</numerusform>
            <numerusform>%1 neemt %2, %n kaarten</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1がペアを取りました、%n枚</source>
        <translation>
            <numerusform>%1 neemt een paar, %n kaart</numerusform>
            <numerusform>%1 neemt een paar, %n kaarten</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TableWidget</name>
    <message>
        <source>経過時間：</source>
        <translation>Tijd:</translation>
    </message>
    <message>
        <source>手数：</source>
        <translation>Beurt:</translation>
    </message>
</context>
<context>
    <name>VersusResultWindow</name>
    <message>
        <source>Ｙｏｕ</source>
        <translation>Jij</translation>
    </message>
    <message>
        <source>Baby Swallow</source>
        <translation>Zwaluwtje</translation>
    </message>
    <message>
        <source>Funny Wolf</source>
        <translation>Grappige Wolf</translation>
    </message>
    <message>
        <source>Fat Tiger</source>
        <translation>Dikke Tijger</translation>
    </message>
    <message>
        <source>結果</source>
        <translation>Uitslag</translation>
    </message>
    <message>
        <source>結果発表！！</source>
        <translation>Uitslag!!</translation>
    </message>
    <message>
        <source>%1位</source>
        <translation>plaats %1</translation>
    </message>
    <message>
        <source>Player%1:</source>
        <translation>Speler %1:</translation>
    </message>
    <message>
        <source>Player%1： 空席</source>
        <translation>Speler %1, lege plaats</translation>
    </message>
    <message numerus="yes">
        <source>Player%1：%2、 %n枚、 %3位</source>
        <translation>
            <numerusform>Speler %1, %2, %n kaart, plaats %3</numerusform>
            <numerusform>Speler %1, %2, %n kaarten, plaats %3</numerusform>
        </translation>
    </message>
</context>
</TS>
