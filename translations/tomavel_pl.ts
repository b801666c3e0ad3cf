<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl" sourcelanguage="ja">
<context>
    <name>AboutBox</name>
    <message>
        <source>Copyright (C) 2001 トマベル工房  Have fun!</source>
        <translation>Copyright (C) 2001 Tomavel Works  Miłej gry!</translation>
    </message>
    <message>
        <source>このアプリケーションについて</source>
        <translation>O programie Tomavel</translation>
    </message>
    <message>
        <source>トマベルのアイコン</source>
        <translation>Ikona Tomavel</translation>
    </message>
    <message>
        <source>トマベル</source>
        <translation>Tomavel</translation>
    </message>
    <message>
        <source>ホームページ %1</source>
        <translation>Strona domowa %1</translation>
    </message>
    <message>
        <source>メール %1</source>
        <translation>Poczta %1</translation>
    </message>
    <message>
        <source>関連づけられた実行ファイルがありません</source>
        <translation>Brak programu, który mógłby to otworzyć.</translation>
    </message>
    <message>
        <source>Home Page</source>
        <translation>Strona domowa</translation>
    </message>
    <message>
        <source>Mail</source>
        <translation>Poczta</translation>
    </message>
</context>
<context>
    <name>Characters</name>
    <message>
        <source>あなた</source>
        <translation>Ty</translation>
    </message>
    <message>
        <source>空席</source>
        <translation>Wolne miejsce</translation>
    </message>
    <message>
        <source>ツバメ</source>
        <translation>Jaskółka</translation>
    </message>
    <message>
        <source>オオカミ</source>
        <translation>Wilk</translation>
    </message>
    <message>
        <source>トラ</source>
        <translation>Tygrys</translation>
    </message>
</context>
<context>
    <name>Engine</name>
    <message>
        <source>このゲームを終了します</source>
        <translation>Ta gra zostaje zakończona.</translation>
    </message>
</context>
<context>
    <name>Help</name>
    <message>
        <source>ヘルプファイルがありません。</source>
        <translation>Brak pliku pomocy.</translation>
    </message>
    <message>
        <source>ヘルプを開けませんでした。
ヘルプファイルはここにあります:
%1</source>
        <translation>Nie udało się otworzyć pomocy.
Plik pomocy jest tutaj:
%1</translation>
    </message>
    <message>
        <source>ヘルプを表示するための写しを作れませんでした。
ヘルプファイル（シフトJIS）はここにあります:
%1</source>
        <translation>Nie udało się utworzyć kopii pomocy, aby ją wyświetlić.
Plik pomocy (w kodowaniu Shift JIS) jest tutaj:
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
        <translation>&amp;Gra</translation>
    </message>
    <message>
        <source>開始</source>
        <translation>&amp;Rozpocznij</translation>
    </message>
    <message>
        <source>このゲームやめ</source>
        <translation>&amp;Przerwij tę grę</translation>
    </message>
    <message>
        <source>このアプリケーションを終了する</source>
        <translation>&amp;Zakończ</translation>
    </message>
    <message>
        <source>常に手前に表示</source>
        <translation>&amp;Zawsze na wierzchu</translation>
    </message>
    <message>
        <source>音を出さない</source>
        <translation>&amp;Bez dźwięku</translation>
    </message>
    <message>
        <source>ヘルプ</source>
        <translation>&amp;Pomoc</translation>
    </message>
    <message>
        <source>このアプリケーションについて</source>
        <translation>&amp;O programie Tomavel…</translation>
    </message>
    <message>
        <source>やめる？？</source>
        <translation>Kończymy??</translation>
    </message>
    <message>
        <source>成績</source>
        <translation>&amp;Najlepsze wyniki…</translation>
    </message>
    <message>
        <source>設定</source>
        <comment>the menu</comment>
        <translation>&amp;Ustawienia</translation>
    </message>
    <message>
        <source>設定</source>
        <comment>the menu item</comment>
        <translation>&amp;Ustawienia…</translation>
    </message>
    <message>
        <source>全画面表示</source>
        <translation>&amp;Pełny ekran</translation>
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
        <translation>„%1” nie może wystąpić w imieniu.
Wpisz inne znaki.</translation>
    </message>
    <message>
        <source>１人トマベル&#x3000;結果</source>
        <translation>Tomavel w pojedynkę – najlepsze wyniki</translation>
    </message>
    <message>
        <source>名前</source>
        <translation>Imię</translation>
    </message>
    <message>
        <source>時間</source>
        <translation>Czas</translation>
    </message>
    <message>
        <source>ターン</source>
        <translation>Tury</translation>
    </message>
    <message>
        <source>日付</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>新しい記録に付ける名前</source>
        <translation>Imię dla nowego wyniku</translation>
    </message>
    <message>
        <source>ターン回数が%1位です。</source>
        <translation>Tury: miejsce %1.</translation>
    </message>
    <message>
        <source>ゲーム時間が%1位です。</source>
        <translation>Czas: miejsce %1.</translation>
    </message>
    <message>
        <source>ゲーム時間が%1位
ターン回数が%2位です。</source>
        <translation>Czas: miejsce %1,
tury: miejsce %2.</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Czas</translation>
    </message>
    <message>
        <source>Turn</source>
        <translation>Tury</translation>
    </message>
    <message>
        <source>名前の入力がありません</source>
        <translation>Nie wpisano imienia.</translation>
    </message>
    <message>
        <source>スコアを保存できませんでした。
%1

もう一度保存するか、保存しないで閉じるかを選んでください。</source>
        <translation>Nie udało się zapisać wyników.
%1

Spróbować ponownie czy zamknąć bez zapisywania?</translation>
    </message>
    <message>
        <source>保存しないで閉じる</source>
        <translation>Zamknij bez zapisywania</translation>
    </message>
    <message>
        <source>読み取れる記録がなかったので、新しいスコア表で始めます。</source>
        <translation>Nie udało się odczytać żadnego wyniku, więc zaczyna się nowa tabela.</translation>
    </message>
    <message numerus="yes">
        <source>読み取れた %n 件の記録を新しいスコア表に移し、残りは初めの記録で埋めました。</source>
        <translation>
            <numerusform>%n odczytany wynik trafił do nowej tabeli; pozostałe miejsca zajmują wyniki początkowe.</numerusform>
            <numerusform>%n odczytane wyniki trafiły do nowej tabeli; pozostałe miejsca zajmują wyniki początkowe.</numerusform>
            <numerusform>%n odczytanych wyników trafiło do nowej tabeli; pozostałe miejsca zajmują wyniki początkowe.</numerusform>
        </translation>
    </message>
    <message>
        <source>スコアファイル %1 が壊れていたので %2 という名前で残しました。
%3</source>
        <translation>Plik wyników %1 był uszkodzony, więc zachowano go pod nazwą %2.
%3</translation>
    </message>
    <message>
        <source>スコアファイル %1 が壊れていて、別の名前で残すこともできませんでした。
ファイルはそのままにして、今回の結果は保存しません。</source>
        <translation>Plik wyników %1 jest uszkodzony i nie udało się też zmienić jego nazwy.
Plik zostaje bez zmian, a ten wynik nie zostanie zapisany.</translation>
    </message>
    <message>
        <source>スコアファイル %1 を作れませんでした。
%2

このままでは１人トマベルの結果を保存できません。</source>
        <translation>Nie udało się utworzyć pliku wyników %1.
%2

Dopóki go nie ma, wyników gry w pojedynkę nie da się zapisać.</translation>
    </message>
    <message>
        <source>名前は%1文字までです。
それより後の文字は入りません。</source>
        <translation>Imię może mieć najwyżej %1 znaków.
To, co było dalej, zostało pominięte.</translation>
    </message>
    <message>
        <source>記録を保存せずに閉じますか？</source>
        <translation>Zamknąć bez zapisywania wyniku?</translation>
    </message>
    <message>
        <source>この結果を保存する前に、ほかのゲームのもっと良い結果が保存されました。
今回の結果は１０位までに入らなくなりました。</source>
        <translation>Zanim ten wynik został zapisany, zapisano lepsze wyniki z innej gry.
Ten wynik nie mieści się już w pierwszej dziesiątce.</translation>
    </message>
    <message>
        <source>順位 名前 時間 ターン 日付 %1</source>
        <translation>Miejsce, imię, czas, tury, data, %1</translation>
    </message>
    <message>
        <source>時間の順</source>
        <translation>według czasu</translation>
    </message>
    <message>
        <source>ターンの順</source>
        <translation>według tur</translation>
    </message>
    <message>
        <source>新しい記録</source>
        <translation>twój nowy wynik</translation>
    </message>
    <message>
        <source>yyyy年M月d日</source>
        <comment>a date for a screen reader</comment>
        <translation>d MMMM yyyy</translation>
    </message>
    <message>
        <source>%1位 %2 %3分%4秒 %5手 %6</source>
        <translation>Miejsce %1, %2, %3 min %4 sek, tury %5, %6</translation>
    </message>
</context>
<context>
    <name>SeatPanel</name>
    <message>
        <source>You</source>
        <translation>Ty</translation>
    </message>
    <message>
        <source>Swallow</source>
        <translation>Jaskółka</translation>
    </message>
    <message>
        <source>Wolf</source>
        <translation>Wilk</translation>
    </message>
    <message>
        <source>Tiger</source>
        <translation>Tygrys</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>初期化ファイルがありません。</source>
        <translation>Brak pliku ustawień.</translation>
    </message>
    <message>
        <source>初期化ファイルを作成できません。
最初の設定で始めます。</source>
        <translation>Nie można utworzyć pliku ustawień.
Gra zaczyna się z ustawieniami początkowymi.</translation>
    </message>
    <message>
        <source>%1 を読み取れません。</source>
        <translation>Nie można odczytać pliku %1.</translation>
    </message>
    <message>
        <source>設定をファイルに保存できませんでした。
%1

今の設定はこのまま使えますが、次回の起動には残りません。</source>
        <translation>Nie udało się zapisać ustawień w pliku ustawień.
%1

Obowiązują teraz, ale przy następnym uruchomieniu ich nie będzie.</translation>
    </message>
</context>
<context>
    <name>SettingsDialog</name>
    <message>
        <source>プレイヤーが設定されていません。</source>
        <translation>Nie wybrano żadnego gracza.</translation>
    </message>
    <message>
        <source>１人以上のプレーヤーを選択してください。</source>
        <translation>Wybierz co najmniej jednego gracza.</translation>
    </message>
    <message>
        <source>一人遊びでよろしいですか？</source>
        <translation>Grać w pojedynkę?</translation>
    </message>
    <message>
        <source>設定</source>
        <translation>Ustawienia</translation>
    </message>
    <message>
        <source>プレーヤー選択</source>
        <translation>Gracze</translation>
    </message>
    <message>
        <source>一人遊び</source>
        <translation>W pojedynkę</translation>
    </message>
    <message>
        <source>複数で遊ぶ</source>
        <translation>Z innymi</translation>
    </message>
    <message>
        <source>席%1</source>
        <translation>Miejsce %1</translation>
    </message>
    <message>
        <source>次のﾌﾟﾚｰﾔ</source>
        <translation>Następny</translation>
    </message>
    <message>
        <source>カード</source>
        <translation>Rewers</translation>
    </message>
    <message>
        <source>カードの裏 %1</source>
        <translation>Rewers %1</translation>
    </message>
    <message>
        <source>その他</source>
        <translation>Inne</translation>
    </message>
    <message>
        <source>カードを見せる秒数</source>
        <translation>Pokazuj karty</translation>
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
        <translation>Kursor</translation>
    </message>
    <message>
        <source>カーソル %1</source>
        <translation>Kursor %1</translation>
    </message>
    <message>
        <source>Ｏ．Ｋ</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>ｷｬﾝｾﾙ</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>トマベルのアイコン</source>
        <translation>Ikona Tomavel</translation>
    </message>
    <message>
        <source>席%1：%2</source>
        <translation>Miejsce %1: %2</translation>
    </message>
    <message>
        <source>次回もこの設定で始める</source>
        <translation>Zachowaj te ustawienia na następny raz</translation>
    </message>
    <message>
        <source>席%1を%2にする</source>
        <translation>Wybierz na miejsce %1: %2</translation>
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
        <translation>W żadnym folderze nie udało się utworzyć blokady, która nie pozwala uruchomić dwóch kopii Tomavel naraz.
Dwie kopie uruchomione naraz mogą utracić wyniki.</translation>
    </message>
</context>
<context>
    <name>Speech</name>
    <message>
        <source>まってました。</source>
        <translation>Nareszcie ja!</translation>
    </message>
    <message>
        <source>わーい！！</source>
        <translation>Hura!!</translation>
    </message>
    <message>
        <source>俺様の技を見よ</source>
        <translation>Patrzcie, jak umiem!</translation>
    </message>
    <message>
        <source>！</source>
        <translation>!</translation>
    </message>
    <message>
        <source>ゲッ</source>
        <translation>Mam...</translation>
    </message>
    <message>
        <source>チュー</source>
        <translation>...cię!</translation>
    </message>
    <message>
        <source>ゲッチュー！！</source>
        <translation>Mam cię!!</translation>
    </message>
    <message>
        <source>どれにしようかな</source>
        <translation>Ene, due, rike...</translation>
    </message>
    <message>
        <source>これとね、</source>
        <translation>Ta, i...</translation>
    </message>
    <message>
        <source>これかな？、</source>
        <translation>Może ta?</translation>
    </message>
    <message>
        <source>やったね。</source>
        <translation>Hura, udało się!</translation>
    </message>
    <message>
        <source>ちっ！</source>
        <translation>Kurczę!</translation>
    </message>
    <message>
        <source>俺様の番か？？</source>
        <translation>Czas na mistrza, co??</translation>
    </message>
    <message>
        <source>世界が俺を呼んでるぜぇ。</source>
        <translation>Świat mnie potrzebuje, skarbie!</translation>
    </message>
    <message>
        <source>まちにまったぜぇ。</source>
        <translation>Czekałem na to!</translation>
    </message>
    <message>
        <source>！！！</source>
        <translation>!!!</translation>
    </message>
    <message>
        <source>俺様って</source>
        <translation>Czy ja jestem...</translation>
    </message>
    <message>
        <source>天才！！</source>
        <translation>GENIUSZEM czy co!!</translation>
    </message>
    <message>
        <source>ラッキー</source>
        <translation>Fart!</translation>
    </message>
    <message>
        <source>これでいいや。</source>
        <translation>Ta wystarczy.</translation>
    </message>
    <message>
        <source>オープン！！</source>
        <translation>Ta-dam!!</translation>
    </message>
    <message>
        <source>へへっ</source>
        <translation>He, he.</translation>
    </message>
    <message>
        <source>まっこんなもんかな。</source>
        <translation>Eh, tak to bywa.</translation>
    </message>
    <message>
        <source>もうワシの番か・・・</source>
        <translation>Już moja kolej...</translation>
    </message>
    <message>
        <source>・・・</source>
        <translation>...</translation>
    </message>
    <message>
        <source>おまえら早すぎるぞ！</source>
        <translation>Za szybcy jesteście!</translation>
    </message>
    <message>
        <source>もう少し休ませてくれ</source>
        <translation>Dajcie staremu kocurowi odpocząć.</translation>
    </message>
    <message>
        <source>これと</source>
        <translation>Ta...</translation>
    </message>
    <message>
        <source>これじゃな</source>
        <translation>...i tamta.</translation>
    </message>
    <message>
        <source>見えた！</source>
        <translation>Widzę ją!</translation>
    </message>
    <message>
        <source>開けるぞ</source>
        <translation>Zobaczmy.</translation>
    </message>
    <message>
        <source>まぁこんなもんか</source>
        <translation>Nieźle, nieźle.</translation>
    </message>
    <message>
        <source>やっと休めるわい</source>
        <translation>Nareszcie drzemka.</translation>
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
        <translation>Użycie: tomavel [OPCJA]
Uruchamia Tomavel, karcianą grę pamięciową (szukanie par).

  -h, --help     wyświetla tę pomoc i kończy działanie
      --version  wyświetla wersję i kończy działanie

Zasady gry są opisane w pomocy gry (F1).
</translation>
    </message>
</context>
<context>
    <name>TableSpeaker</name>
    <message>
        <source>テーブル</source>
        <translation>Stół</translation>
    </message>
    <message>
        <source>矢印キーで裏向きの札を選び、スペースキーでめくります</source>
        <translation>Wybierz zakrytą kartę strzałkami i odkryj ją spacją</translation>
    </message>
    <message>
        <source>お知らせ</source>
        <translation>Komunikat</translation>
    </message>
    <message>
        <source>ジョーカー</source>
        <translation>dżoker</translation>
    </message>
    <message>
        <source>クラブ</source>
        <translation>trefl</translation>
    </message>
    <message>
        <source>スペード</source>
        <translation>pik</translation>
    </message>
    <message>
        <source>ダイヤ</source>
        <translation>karo</translation>
    </message>
    <message>
        <source>ハート</source>
        <translation>kier</translation>
    </message>
    <message>
        <source>エース</source>
        <translation>as</translation>
    </message>
    <message>
        <source>ジャック</source>
        <translation>walet</translation>
    </message>
    <message>
        <source>クイーン</source>
        <translation>dama</translation>
    </message>
    <message>
        <source>キング</source>
        <translation>król</translation>
    </message>
    <message>
        <source>%1の%2</source>
        <translation>%2 %1</translation>
    </message>
    <message>
        <source>%1行 %2列</source>
        <translation>rząd %1, kolumna %2</translation>
    </message>
    <message>
        <source>取られた札 %1</source>
        <translation>zebrana: %1</translation>
    </message>
    <message>
        <source>%1 裏向き</source>
        <translation>%1, zakryta</translation>
    </message>
    <message>
        <source>空席</source>
        <translation>Wolne miejsce</translation>
    </message>
    <message numerus="yes">
        <source>%1、取った札 %n枚</source>
        <translation>
            <numerusform>%1, zebrane karty: %n</numerusform>
            <numerusform>%1, zebrane karty: %n</numerusform>
            <numerusform>%1, zebrane karty: %n</numerusform>
        </translation>
    </message>
    <message>
        <source>、手番</source>
        <translation>, na ruchu</translation>
    </message>
    <message>
        <source>経過時間 %1、手数 %2</source>
        <translation>Czas %1, tury %2</translation>
    </message>
    <message>
        <source>%1がめくりました：%2</source>
        <translation>%1 odkrywa, %2</translation>
    </message>
    <message>
        <source>%1の番です</source>
        <translation>Ruch ma %1</translation>
    </message>
    <message>
        <source>%1「%2」</source>
        <translation>%1 mówi, %2</translation>
    </message>
    <message>
        <source>ジョーカーのペア</source>
        <translation>para dżokerów</translation>
    </message>
    <message>
        <source>エースのペア</source>
        <translation>para asów</translation>
    </message>
    <message>
        <source>ジャックのペア</source>
        <translation>para waletów</translation>
    </message>
    <message>
        <source>クイーンのペア</source>
        <translation>para dam</translation>
    </message>
    <message>
        <source>キングのペア</source>
        <translation>para królów</translation>
    </message>
    <message>
        <source>%1のペア</source>
        <translation>para %1</translation>
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
        <translation>W tę stronę nie ma już kart</translation>
    </message>
    <message>
        <source>はずれ</source>
        <translation>Nie ma pary</translation>
    </message>
    <message>
        <source>あなたの番です</source>
        <translation>Twój ruch</translation>
    </message>
    <message numerus="yes">
        <source>%1が%2を取りました、%n枚</source>
        <translation>
            <numerusform>%1, %2, razem %n karta</numerusform>
            <numerusform>%1, %2, razem %n karty</numerusform>
            <numerusform>%1, %2, razem %n kart</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1がペアを取りました、%n枚</source>
        <translation>
            <numerusform>%1, jest para, razem %n karta</numerusform>
            <numerusform>%1, jest para, razem %n karty</numerusform>
            <numerusform>%1, jest para, razem %n kart</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TableWidget</name>
    <message>
        <source>経過時間：</source>
        <translation>Czas:</translation>
    </message>
    <message>
        <source>手数：</source>
        <translation>Tury:</translation>
    </message>
</context>
<context>
    <name>VersusResultWindow</name>
    <message>
        <source>Ｙｏｕ</source>
        <translation>Ty</translation>
    </message>
    <message>
        <source>Baby Swallow</source>
        <translation>Mała Jaskółka</translation>
    </message>
    <message>
        <source>Funny Wolf</source>
        <translation>Wesoły Wilk</translation>
    </message>
    <message>
        <source>Fat Tiger</source>
        <translation>Gruby Tygrys</translation>
    </message>
    <message>
        <source>結果</source>
        <translation>Wyniki</translation>
    </message>
    <message>
        <source>結果発表！！</source>
        <translation>Wyniki!!</translation>
    </message>
    <message>
        <source>%1位</source>
        <translation>miejsce %1</translation>
    </message>
    <message>
        <source>Player%1:</source>
        <translation>Gracz %1:</translation>
    </message>
    <message>
        <source>Player%1： 空席</source>
        <translation>Gracz %1, wolne miejsce</translation>
    </message>
    <message numerus="yes">
        <source>Player%1：%2、 %n枚、 %3位</source>
        <translation>
            <numerusform>Gracz %1, %2, %n karta, miejsce %3</numerusform>
            <numerusform>Gracz %1, %2, %n karty, miejsce %3</numerusform>
            <numerusform>Gracz %1, %2, %n kart, miejsce %3</numerusform>
        </translation>
    </message>
</context>
</TS>
