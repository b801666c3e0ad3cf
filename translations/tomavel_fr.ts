<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="ja">
<context>
    <name>AboutBox</name>
    <message>
        <source>Copyright (C) 2001 トマベル工房  Have fun!</source>
        <translation>Copyright (C) 2001 Tomavel Works  Bon jeu&#xa0;!</translation>
    </message>
    <message>
        <source>このアプリケーションについて</source>
        <translation>À propos de Tomavel</translation>
    </message>
    <message>
        <source>トマベルのアイコン</source>
        <translation>Icône de Tomavel</translation>
    </message>
    <message>
        <source>トマベル</source>
        <translation>Tomavel</translation>
    </message>
    <message>
        <source>ホームページ %1</source>
        <translation>Site web %1</translation>
    </message>
    <message>
        <source>メール %1</source>
        <translation>Courriel %1</translation>
    </message>
    <message>
        <source>関連づけられた実行ファイルがありません</source>
        <translation>Aucun programme n’est configuré pour ouvrir ceci.</translation>
    </message>
    <message>
        <source>Home Page</source>
        <translation>Site web</translation>
    </message>
    <message>
        <source>Mail</source>
        <translation>Courriel</translation>
    </message>
</context>
<context>
    <name>Characters</name>
    <message>
        <source>あなた</source>
        <translation>Toi</translation>
    </message>
    <message>
        <source>空席</source>
        <translation>Place libre</translation>
    </message>
    <message>
        <source>ツバメ</source>
        <translation>Hirondelle</translation>
    </message>
    <message>
        <source>オオカミ</source>
        <translation>Loup</translation>
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
        <translation>Cette partie s’arrête ici.</translation>
    </message>
</context>
<context>
    <name>Help</name>
    <message>
        <source>ヘルプファイルがありません。</source>
        <translation>Il n’y a pas de fichier d’aide.</translation>
    </message>
    <message>
        <source>ヘルプを開けませんでした。
ヘルプファイルはここにあります:
%1</source>
        <translation>Impossible d’ouvrir l’aide.
Le fichier d’aide se trouve ici&#xa0;:
%1</translation>
    </message>
    <message>
        <source>ヘルプを表示するための写しを作れませんでした。
ヘルプファイル（シフトJIS）はここにあります:
%1</source>
        <translation>Impossible de créer une copie de l’aide pour l’afficher.
Le fichier d’aide (en Shift JIS) se trouve ici&#xa0;:
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
        <translation>&amp;Partie</translation>
    </message>
    <message>
        <source>開始</source>
        <translation>&amp;Commencer</translation>
    </message>
    <message>
        <source>このゲームやめ</source>
        <translation>&amp;Abandonner cette partie</translation>
    </message>
    <message>
        <source>このアプリケーションを終了する</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>常に手前に表示</source>
        <translation>&amp;Toujours au premier plan</translation>
    </message>
    <message>
        <source>音を出さない</source>
        <translation>&amp;Sans le son</translation>
    </message>
    <message>
        <source>ヘルプ</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>このアプリケーションについて</source>
        <translation>À &amp;propos de Tomavel…</translation>
    </message>
    <message>
        <source>やめる？？</source>
        <translation>On arrête&#xa0;??</translation>
    </message>
    <message>
        <source>成績</source>
        <translation>Meilleurs &amp;scores…</translation>
    </message>
    <message>
        <source>設定</source>
        <comment>the menu</comment>
        <translation>Pa&amp;ramètres</translation>
    </message>
    <message>
        <source>設定</source>
        <comment>the menu item</comment>
        <translation>&amp;Paramètres…</translation>
    </message>
    <message>
        <source>全画面表示</source>
        <translation>Plein é&amp;cran</translation>
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
        <translation>«&#xa0;%1&#xa0;» ne peut pas figurer dans un nom.
Tape d’autres caractères.</translation>
    </message>
    <message>
        <source>１人トマベル&#x3000;結果</source>
        <translation>Tomavel en solo – Meilleurs scores</translation>
    </message>
    <message>
        <source>名前</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>時間</source>
        <translation>Temps</translation>
    </message>
    <message>
        <source>ターン</source>
        <translation>Tours</translation>
    </message>
    <message>
        <source>日付</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>新しい記録に付ける名前</source>
        <translation>Le nom du nouveau score</translation>
    </message>
    <message>
        <source>ターン回数が%1位です。</source>
        <translation>Tours&#xa0;: place %1.</translation>
    </message>
    <message>
        <source>ゲーム時間が%1位です。</source>
        <translation>Temps&#xa0;: place %1.</translation>
    </message>
    <message>
        <source>ゲーム時間が%1位
ターン回数が%2位です。</source>
        <translation>Temps&#xa0;: place %1,
tours&#xa0;: place %2.</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Temps</translation>
    </message>
    <message>
        <source>Turn</source>
        <translation>Tours</translation>
    </message>
    <message>
        <source>名前の入力がありません</source>
        <translation>Aucun nom n’a été saisi.</translation>
    </message>
    <message>
        <source>スコアを保存できませんでした。
%1

もう一度保存するか、保存しないで閉じるかを選んでください。</source>
        <translation>Impossible d’enregistrer les scores.
%1

Réessayer, ou fermer sans enregistrer&#xa0;?</translation>
    </message>
    <message>
        <source>保存しないで閉じる</source>
        <translation>Fermer sans enregistrer</translation>
    </message>
    <message>
        <source>読み取れる記録がなかったので、新しいスコア表で始めます。</source>
        <translation>Aucun score n’a pu être lu&#xa0;: un nouveau tableau commence.</translation>
    </message>
    <message numerus="yes">
        <source>読み取れた %n 件の記録を新しいスコア表に移し、残りは初めの記録で埋めました。</source>
        <translation>
            <numerusform>%n score lisible est passé dans un nouveau tableau, les autres places reprennent les scores de départ.</numerusform>
            <numerusform>%n scores lisibles sont passés dans un nouveau tableau, les autres places reprennent les scores de départ.</numerusform>
        </translation>
    </message>
    <message>
        <source>スコアファイル %1 が壊れていたので %2 という名前で残しました。
%3</source>
        <translation>Le fichier des scores %1 était abîmé&#xa0;: il a été conservé sous le nom %2.
%3</translation>
    </message>
    <message>
        <source>スコアファイル %1 が壊れていて、別の名前で残すこともできませんでした。
ファイルはそのままにして、今回の結果は保存しません。</source>
        <translation>Le fichier des scores %1 est abîmé et n’a pas pu être renommé non plus.
Il reste tel quel, et ce résultat n’est pas enregistré.</translation>
    </message>
    <message>
        <source>スコアファイル %1 を作れませんでした。
%2

このままでは１人トマベルの結果を保存できません。</source>
        <translation>Impossible de créer le fichier des scores %1.
%2

Les résultats en solo ne pourront pas être enregistrés tant qu’il manquera.</translation>
    </message>
    <message>
        <source>名前は%1文字までです。
それより後の文字は入りません。</source>
        <translation>Un nom compte au plus %1 caractères.
La suite a été laissée de côté.</translation>
    </message>
    <message>
        <source>記録を保存せずに閉じますか？</source>
        <translation>Fermer sans enregistrer ton résultat&#xa0;?</translation>
    </message>
    <message>
        <source>この結果を保存する前に、ほかのゲームのもっと良い結果が保存されました。
今回の結果は１０位までに入らなくなりました。</source>
        <translation>Avant l’enregistrement de ce résultat, de meilleurs résultats d’une autre partie ont été enregistrés.
Ce résultat n’est plus parmi les dix premiers.</translation>
    </message>
    <message>
        <source>順位 名前 時間 ターン 日付 %1</source>
        <translation>Place, nom, temps, tours, date, %1</translation>
    </message>
    <message>
        <source>時間の順</source>
        <translation>par temps</translation>
    </message>
    <message>
        <source>ターンの順</source>
        <translation>par tours</translation>
    </message>
    <message>
        <source>新しい記録</source>
        <translation>ton nouveau score</translation>
    </message>
    <message>
        <source>yyyy年M月d日</source>
        <comment>a date for a screen reader</comment>
        <translation>d MMMM yyyy</translation>
    </message>
    <message>
        <source>%1位 %2 %3分%4秒 %5手 %6</source>
        <translation>Place %1, %2, %3 min %4 sec, %5 tours, %6</translation>
    </message>
</context>
<context>
    <name>SeatPanel</name>
    <message>
        <source>You</source>
        <translation>Toi</translation>
    </message>
    <message>
        <source>Swallow</source>
        <translation>Hirondelle</translation>
    </message>
    <message>
        <source>Wolf</source>
        <translation>Loup</translation>
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
        <translation>Le fichier des paramètres est absent.</translation>
    </message>
    <message>
        <source>初期化ファイルを作成できません。
最初の設定で始めます。</source>
        <translation>Impossible de créer le fichier des paramètres.
La partie démarre avec les réglages d’origine.</translation>
    </message>
    <message>
        <source>%1 を読み取れません。</source>
        <translation>Impossible de lire %1.</translation>
    </message>
    <message>
        <source>設定をファイルに保存できませんでした。
%1

今の設定はこのまま使えますが、次回の起動には残りません。</source>
        <translation>Impossible d’enregistrer les paramètres dans le fichier des paramètres.
%1

Ils s’appliquent maintenant, mais ne seront pas repris au prochain lancement.</translation>
    </message>
</context>
<context>
    <name>SettingsDialog</name>
    <message>
        <source>プレイヤーが設定されていません。</source>
        <translation>Aucun joueur n’est choisi.</translation>
    </message>
    <message>
        <source>１人以上のプレーヤーを選択してください。</source>
        <translation>Choisis au moins un joueur.</translation>
    </message>
    <message>
        <source>一人遊びでよろしいですか？</source>
        <translation>Jouer en solo&#xa0;?</translation>
    </message>
    <message>
        <source>設定</source>
        <translation>Paramètres</translation>
    </message>
    <message>
        <source>プレーヤー選択</source>
        <translation>Joueurs</translation>
    </message>
    <message>
        <source>一人遊び</source>
        <translation>En solo</translation>
    </message>
    <message>
        <source>複数で遊ぶ</source>
        <translation>À plusieurs</translation>
    </message>
    <message>
        <source>席%1</source>
        <translation>Place %1</translation>
    </message>
    <message>
        <source>次のﾌﾟﾚｰﾔ</source>
        <translation>Suivant</translation>
    </message>
    <message>
        <source>カード</source>
        <translation>Dos des cartes</translation>
    </message>
    <message>
        <source>カードの裏 %1</source>
        <translation>Dos de carte %1</translation>
    </message>
    <message>
        <source>その他</source>
        <translation>Autres</translation>
    </message>
    <message>
        <source>カードを見せる秒数</source>
        <translation>Cartes visibles</translation>
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
        <translation>Curseur</translation>
    </message>
    <message>
        <source>カーソル %1</source>
        <translation>Curseur %1</translation>
    </message>
    <message>
        <source>Ｏ．Ｋ</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>ｷｬﾝｾﾙ</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>トマベルのアイコン</source>
        <translation>Icône de Tomavel</translation>
    </message>
    <message>
        <source>席%1：%2</source>
        <translation>Place %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>次回もこの設定で始める</source>
        <translation>Garder ces paramètres pour la prochaine fois</translation>
    </message>
    <message>
        <source>席%1を%2にする</source>
        <translation>Choisir pour la place %1&#xa0;: %2</translation>
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
        <translation>Le verrou qui empêche deux Tomavel de tourner en même temps n’a pu être créé dans aucun dossier.
Si deux Tomavel démarrent en même temps, des scores peuvent être perdus.</translation>
    </message>
</context>
<context>
    <name>Speech</name>
    <message>
        <source>まってました。</source>
        <translation>Enfin moi&#xa0;!</translation>
    </message>
    <message>
        <source>わーい！！</source>
        <translation>Youpi&#xa0;!!</translation>
    </message>
    <message>
        <source>俺様の技を見よ</source>
        <translation>Admirez mon talent&#xa0;!</translation>
    </message>
    <message>
        <source>！</source>
        <translation>!</translation>
    </message>
    <message>
        <source>ゲッ</source>
        <translation>Je te...</translation>
    </message>
    <message>
        <source>チュー</source>
        <translation>...tiens&#xa0;!</translation>
    </message>
    <message>
        <source>ゲッチュー！！</source>
        <translation>Je te tiens&#xa0;!!</translation>
    </message>
    <message>
        <source>どれにしようかな</source>
        <translation>Am, stram, gram...</translation>
    </message>
    <message>
        <source>これとね、</source>
        <translation>Celle-ci, et...</translation>
    </message>
    <message>
        <source>これかな？、</source>
        <translation>Celle-là, peut-être&#xa0;?</translation>
    </message>
    <message>
        <source>やったね。</source>
        <translation>Youpi, gagné&#xa0;!</translation>
    </message>
    <message>
        <source>ちっ！</source>
        <translation>Zut&#xa0;!</translation>
    </message>
    <message>
        <source>俺様の番か？？</source>
        <translation>À moi de briller, hein&#xa0;??</translation>
    </message>
    <message>
        <source>世界が俺を呼んでるぜぇ。</source>
        <translation>Le monde a besoin de moi, bébé&#xa0;!</translation>
    </message>
    <message>
        <source>まちにまったぜぇ。</source>
        <translation>J&apos;attendais ça&#xa0;!</translation>
    </message>
    <message>
        <source>！！！</source>
        <translation>!!!</translation>
    </message>
    <message>
        <source>俺様って</source>
        <translation>Suis-je un...</translation>
    </message>
    <message>
        <source>天才！！</source>
        <translation>GÉNIE ou quoi&#xa0;!!</translation>
    </message>
    <message>
        <source>ラッキー</source>
        <translation>Coup de bol&#xa0;!</translation>
    </message>
    <message>
        <source>これでいいや。</source>
        <translation>Ça ira.</translation>
    </message>
    <message>
        <source>オープン！！</source>
        <translation>Et voilà&#xa0;!!</translation>
    </message>
    <message>
        <source>へへっ</source>
        <translation>Hé hé.</translation>
    </message>
    <message>
        <source>まっこんなもんかな。</source>
        <translation>Bof, c&apos;est la vie.</translation>
    </message>
    <message>
        <source>もうワシの番か・・・</source>
        <translation>Déjà mon tour...</translation>
    </message>
    <message>
        <source>・・・</source>
        <translation>...</translation>
    </message>
    <message>
        <source>おまえら早すぎるぞ！</source>
        <translation>Vous allez trop vite&#xa0;!</translation>
    </message>
    <message>
        <source>もう少し休ませてくれ</source>
        <translation>Laissez un vieux matou se reposer.</translation>
    </message>
    <message>
        <source>これと</source>
        <translation>Celle-ci...</translation>
    </message>
    <message>
        <source>これじゃな</source>
        <translation>...et celle-là.</translation>
    </message>
    <message>
        <source>見えた！</source>
        <translation>Je la vois&#xa0;!</translation>
    </message>
    <message>
        <source>開けるぞ</source>
        <translation>Voyons voir.</translation>
    </message>
    <message>
        <source>まぁこんなもんか</source>
        <translation>Pas mal, pas mal.</translation>
    </message>
    <message>
        <source>やっと休めるわい</source>
        <translation>Enfin la sieste.</translation>
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
        <translation>Utilisation&#xa0;: tomavel [OPTION]
Lance Tomavel, un jeu de mémoire avec des cartes (trouver les paires).

  -h, --help     afficher cette aide et quitter
      --version  afficher la version et quitter

La règle du jeu se trouve dans l’aide du jeu (F1).
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
        <translation>Choisis une carte face cachée avec les flèches et retourne-la avec Espace</translation>
    </message>
    <message>
        <source>お知らせ</source>
        <translation>Annonce</translation>
    </message>
    <message>
        <source>ジョーカー</source>
        <translation>joker</translation>
    </message>
    <message>
        <source>クラブ</source>
        <translation>trèfle</translation>
    </message>
    <message>
        <source>スペード</source>
        <translation>pique</translation>
    </message>
    <message>
        <source>ダイヤ</source>
        <translation>carreau</translation>
    </message>
    <message>
        <source>ハート</source>
        <translation>cœur</translation>
    </message>
    <message>
        <source>エース</source>
        <translation>as</translation>
    </message>
    <message>
        <source>ジャック</source>
        <translation>valet</translation>
    </message>
    <message>
        <source>クイーン</source>
        <translation>dame</translation>
    </message>
    <message>
        <source>キング</source>
        <translation>roi</translation>
    </message>
    <message>
        <source>%1の%2</source>
        <translation>%2 de %1</translation>
    </message>
    <message>
        <source>%1行 %2列</source>
        <translation>ligne %1, colonne %2</translation>
    </message>
    <message>
        <source>取られた札 %1</source>
        <translation>prise&#xa0;: %1</translation>
    </message>
    <message>
        <source>%1 裏向き</source>
        <translation>%1, face cachée</translation>
    </message>
    <message>
        <source>空席</source>
        <translation>Place libre</translation>
    </message>
    <message numerus="yes">
        <source>%1、取った札 %n枚</source>
        <translation>
            <numerusform>%1, cartes prises&#xa0;: %n</numerusform>
            <numerusform>%1, cartes prises&#xa0;: %n</numerusform>
        </translation>
    </message>
    <message>
        <source>、手番</source>
        <translation>, à jouer</translation>
    </message>
    <message>
        <source>経過時間 %1、手数 %2</source>
        <translation>Temps %1, tours %2</translation>
    </message>
    <message>
        <source>%1がめくりました：%2</source>
        <translation>%1 retourne %2</translation>
    </message>
    <message>
        <source>%1の番です</source>
        <translation>À %1 de jouer</translation>
    </message>
    <message>
        <source>%1「%2」</source>
        <translation>%1 dit, %2</translation>
    </message>
    <message>
        <source>ジョーカーのペア</source>
        <translation>une paire de jokers</translation>
    </message>
    <message>
        <source>エースのペア</source>
        <translation>une paire d’as</translation>
    </message>
    <message>
        <source>ジャックのペア</source>
        <translation>une paire de valets</translation>
    </message>
    <message>
        <source>クイーンのペア</source>
        <translation>une paire de dames</translation>
    </message>
    <message>
        <source>キングのペア</source>
        <translation>une paire de rois</translation>
    </message>
    <message>
        <source>%1のペア</source>
        <translation>une paire de %1</translation>
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
        <translation>Plus de cartes de ce côté</translation>
    </message>
    <message>
        <source>はずれ</source>
        <translation>Pas de paire</translation>
    </message>
    <message>
        <source>あなたの番です</source>
        <translation>À toi de jouer</translation>
    </message>
    <message numerus="yes">
        <source>%1が%2を取りました、%n枚</source>
        <translation>
            <numerusform>%2 pour %1, %n carte</numerusform>
            <numerusform>%2 pour %1, %n cartes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1がペアを取りました、%n枚</source>
        <translation>
            <numerusform>Une paire pour %1, %n carte</numerusform>
            <numerusform>Une paire pour %1, %n cartes</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TableWidget</name>
    <message>
        <source>経過時間：</source>
        <translation>Temps&#xa0;:</translation>
    </message>
    <message>
        <source>手数：</source>
        <translation>Tour&#xa0;:</translation>
    </message>
</context>
<context>
    <name>VersusResultWindow</name>
    <message>
        <source>Ｙｏｕ</source>
        <translation>Toi</translation>
    </message>
    <message>
        <source>Baby Swallow</source>
        <translation>Bébé Hirondelle</translation>
    </message>
    <message>
        <source>Funny Wolf</source>
        <translation>Loup Farceur</translation>
    </message>
    <message>
        <source>Fat Tiger</source>
        <translation>Gros Tigre</translation>
    </message>
    <message>
        <source>結果</source>
        <translation>Résultats</translation>
    </message>
    <message>
        <source>結果発表！！</source>
        <translation>Résultats&#xa0;!!</translation>
    </message>
    <message>
        <source>%1位</source>
        <translation>place %1</translation>
    </message>
    <message>
        <source>Player%1:</source>
        <translation>Joueur %1&#xa0;:</translation>
    </message>
    <message>
        <source>Player%1： 空席</source>
        <translation>Joueur %1, place libre</translation>
    </message>
    <message numerus="yes">
        <source>Player%1：%2、 %n枚、 %3位</source>
        <translation>
            <numerusform>Joueur %1, %2, %n carte, place %3</numerusform>
            <numerusform>Joueur %1, %2, %n cartes, place %3</numerusform>
        </translation>
    </message>
</context>
</TS>
