<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="ja">
<context>
    <name>AboutBox</name>
    <message>
        <source>Copyright (C) 2001 トマベル工房  Have fun!</source>
        <translation>Copyright (C) 2001 Tomavel Works  ¡A jugar!</translation>
    </message>
    <message>
        <source>このアプリケーションについて</source>
        <translation>Acerca de Tomavel</translation>
    </message>
    <message>
        <source>トマベルのアイコン</source>
        <translation>Icono de Tomavel</translation>
    </message>
    <message>
        <source>トマベル</source>
        <translation>Tomavel</translation>
    </message>
    <message>
        <source>ホームページ %1</source>
        <translation>Página web %1</translation>
    </message>
    <message>
        <source>メール %1</source>
        <translation>Correo %1</translation>
    </message>
    <message>
        <source>関連づけられた実行ファイルがありません</source>
        <translation>No hay ningún programa configurado para abrir esto.</translation>
    </message>
    <message>
        <source>Home Page</source>
        <translation>Página web</translation>
    </message>
    <message>
        <source>Mail</source>
        <translation>Correo</translation>
    </message>
</context>
<context>
    <name>Characters</name>
    <message>
        <source>あなた</source>
        <translation>Tú</translation>
    </message>
    <message>
        <source>空席</source>
        <translation>Asiento libre</translation>
    </message>
    <message>
        <source>ツバメ</source>
        <translation>Golondrina</translation>
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
        <translation>Esta partida termina aquí.</translation>
    </message>
</context>
<context>
    <name>Help</name>
    <message>
        <source>ヘルプファイルがありません。</source>
        <translation>No hay archivo de ayuda.</translation>
    </message>
    <message>
        <source>ヘルプを開けませんでした。
ヘルプファイルはここにあります:
%1</source>
        <translation>No se pudo abrir la ayuda.
El archivo de ayuda está aquí:
%1</translation>
    </message>
    <message>
        <source>ヘルプを表示するための写しを作れませんでした。
ヘルプファイル（シフトJIS）はここにあります:
%1</source>
        <translation>No se pudo crear una copia de la ayuda para mostrarla.
El archivo de ayuda (en Shift JIS) está aquí:
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
        <translation>&amp;Partida</translation>
    </message>
    <message>
        <source>開始</source>
        <translation>&amp;Empezar</translation>
    </message>
    <message>
        <source>このゲームやめ</source>
        <translation>&amp;Abandonar esta partida</translation>
    </message>
    <message>
        <source>このアプリケーションを終了する</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>常に手前に表示</source>
        <translation>&amp;Siempre encima</translation>
    </message>
    <message>
        <source>音を出さない</source>
        <translation>Si&amp;n sonido</translation>
    </message>
    <message>
        <source>ヘルプ</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>このアプリケーションについて</source>
        <translation>&amp;Acerca de Tomavel…</translation>
    </message>
    <message>
        <source>やめる？？</source>
        <translation>¿¿Lo dejamos??</translation>
    </message>
    <message>
        <source>成績</source>
        <translation>&amp;Mejores marcas…</translation>
    </message>
    <message>
        <source>設定</source>
        <comment>the menu</comment>
        <translation>&amp;Ajustes</translation>
    </message>
    <message>
        <source>設定</source>
        <comment>the menu item</comment>
        <translation>&amp;Ajustes…</translation>
    </message>
    <message>
        <source>全画面表示</source>
        <translation>Pantalla &amp;completa</translation>
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
        <translation>Aceptar</translation>
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
        <translation>«%1» no se puede usar en un nombre.
Escribe otros caracteres.</translation>
    </message>
    <message>
        <source>１人トマベル&#x3000;結果</source>
        <translation>Tomavel en solitario: mejores marcas</translation>
    </message>
    <message>
        <source>名前</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>時間</source>
        <translation>Tiempo</translation>
    </message>
    <message>
        <source>ターン</source>
        <translation>Turnos</translation>
    </message>
    <message>
        <source>日付</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>新しい記録に付ける名前</source>
        <translation>El nombre para la nueva marca</translation>
    </message>
    <message>
        <source>ターン回数が%1位です。</source>
        <translation>Turnos: puesto %1.</translation>
    </message>
    <message>
        <source>ゲーム時間が%1位です。</source>
        <translation>Tiempo: puesto %1.</translation>
    </message>
    <message>
        <source>ゲーム時間が%1位
ターン回数が%2位です。</source>
        <translation>Tiempo: puesto %1,
turnos: puesto %2.</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Tiempo</translation>
    </message>
    <message>
        <source>Turn</source>
        <translation>Turnos</translation>
    </message>
    <message>
        <source>名前の入力がありません</source>
        <translation>No has escrito ningún nombre.</translation>
    </message>
    <message>
        <source>スコアを保存できませんでした。
%1

もう一度保存するか、保存しないで閉じるかを選んでください。</source>
        <translation>No se pudieron guardar las puntuaciones.
%1

¿Intentarlo de nuevo o cerrar sin guardar?</translation>
    </message>
    <message>
        <source>保存しないで閉じる</source>
        <translation>Cerrar sin guardar</translation>
    </message>
    <message>
        <source>読み取れる記録がなかったので、新しいスコア表で始めます。</source>
        <translation>No se pudo leer ninguna marca, así que empieza una tabla nueva.</translation>
    </message>
    <message numerus="yes">
        <source>読み取れた %n 件の記録を新しいスコア表に移し、残りは初めの記録で埋めました。</source>
        <translation>
            <numerusform>La %n marca que se pudo leer pasó a una tabla nueva; los demás puestos tienen las marcas iniciales.</numerusform>
            <numerusform>Las %n marcas que se pudieron leer pasaron a una tabla nueva; los demás puestos tienen las marcas iniciales.</numerusform>
        </translation>
    </message>
    <message>
        <source>スコアファイル %1 が壊れていたので %2 という名前で残しました。
%3</source>
        <translation>El archivo de puntuaciones %1 estaba dañado; se ha guardado como %2.
%3</translation>
    </message>
    <message>
        <source>スコアファイル %1 が壊れていて、別の名前で残すこともできませんでした。
ファイルはそのままにして、今回の結果は保存しません。</source>
        <translation>El archivo de puntuaciones %1 está dañado y tampoco se pudo renombrar.
Se deja tal cual y este resultado no se guarda.</translation>
    </message>
    <message>
        <source>スコアファイル %1 を作れませんでした。
%2

このままでは１人トマベルの結果を保存できません。</source>
        <translation>No se pudo crear el archivo de puntuaciones %1.
%2

Mientras tanto no se podrán guardar los resultados en solitario.</translation>
    </message>
    <message>
        <source>名前は%1文字までです。
それより後の文字は入りません。</source>
        <translation>Un nombre admite como máximo %1 caracteres.
Lo que seguía se ha dejado fuera.</translation>
    </message>
    <message>
        <source>記録を保存せずに閉じますか？</source>
        <translation>¿Cerrar sin guardar tu resultado?</translation>
    </message>
    <message>
        <source>この結果を保存する前に、ほかのゲームのもっと良い結果が保存されました。
今回の結果は１０位までに入らなくなりました。</source>
        <translation>Antes de guardar este resultado se guardaron mejores resultados de otra partida.
Este resultado ya no está entre los diez primeros.</translation>
    </message>
    <message>
        <source>順位 名前 時間 ターン 日付 %1</source>
        <translation>Puesto, nombre, tiempo, turnos, fecha, %1</translation>
    </message>
    <message>
        <source>時間の順</source>
        <translation>por tiempo</translation>
    </message>
    <message>
        <source>ターンの順</source>
        <translation>por turnos</translation>
    </message>
    <message>
        <source>新しい記録</source>
        <translation>tu nueva marca</translation>
    </message>
    <message>
        <source>yyyy年M月d日</source>
        <comment>a date for a screen reader</comment>
        <translation>d &apos;de&apos; MMMM &apos;de&apos; yyyy</translation>
    </message>
    <message>
        <source>%1位 %2 %3分%4秒 %5手 %6</source>
        <translation>Puesto %1, %2, %3 min %4 seg, %5 turnos, %6</translation>
    </message>
</context>
<context>
    <name>SeatPanel</name>
    <message>
        <source>You</source>
        <translation>Tú</translation>
    </message>
    <message>
        <source>Swallow</source>
        <translation>Golondrina</translation>
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
        <translation>Falta el archivo de ajustes.</translation>
    </message>
    <message>
        <source>初期化ファイルを作成できません。
最初の設定で始めます。</source>
        <translation>No se puede crear el archivo de ajustes.
La partida empieza con los ajustes iniciales.</translation>
    </message>
    <message>
        <source>%1 を読み取れません。</source>
        <translation>No se puede leer %1.</translation>
    </message>
    <message>
        <source>設定をファイルに保存できませんでした。
%1

今の設定はこのまま使えますが、次回の起動には残りません。</source>
        <translation>No se pudieron guardar los ajustes en el archivo de ajustes.
%1

Se aplican ahora, pero no se conservarán en el próximo inicio.</translation>
    </message>
</context>
<context>
    <name>SettingsDialog</name>
    <message>
        <source>プレイヤーが設定されていません。</source>
        <translation>No has elegido ningún jugador.</translation>
    </message>
    <message>
        <source>１人以上のプレーヤーを選択してください。</source>
        <translation>Elige al menos un jugador.</translation>
    </message>
    <message>
        <source>一人遊びでよろしいですか？</source>
        <translation>¿Jugar en solitario?</translation>
    </message>
    <message>
        <source>設定</source>
        <translation>Ajustes</translation>
    </message>
    <message>
        <source>プレーヤー選択</source>
        <translation>Jugadores</translation>
    </message>
    <message>
        <source>一人遊び</source>
        <translation>En solitario</translation>
    </message>
    <message>
        <source>複数で遊ぶ</source>
        <translation>Multijugador</translation>
    </message>
    <message>
        <source>席%1</source>
        <translation>Asiento %1</translation>
    </message>
    <message>
        <source>次のﾌﾟﾚｰﾔ</source>
        <translation>Siguiente</translation>
    </message>
    <message>
        <source>カード</source>
        <translation>Reverso</translation>
    </message>
    <message>
        <source>カードの裏 %1</source>
        <translation>Reverso %1</translation>
    </message>
    <message>
        <source>その他</source>
        <translation>Otros</translation>
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
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>ｷｬﾝｾﾙ</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>トマベルのアイコン</source>
        <translation>Icono de Tomavel</translation>
    </message>
    <message>
        <source>席%1：%2</source>
        <translation>Asiento %1: %2</translation>
    </message>
    <message>
        <source>次回もこの設定で始める</source>
        <translation>Usar estos ajustes también la próxima vez</translation>
    </message>
    <message>
        <source>席%1を%2にする</source>
        <translation>Elegir para el asiento %1: %2</translation>
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
        <translation>No se pudo crear en ninguna carpeta el bloqueo que impide que dos Tomavel funcionen a la vez.
Si se abren dos a la vez, pueden perderse puntuaciones.</translation>
    </message>
</context>
<context>
    <name>Speech</name>
    <message>
        <source>まってました。</source>
        <translation>¡Por fin me toca!</translation>
    </message>
    <message>
        <source>わーい！！</source>
        <translation>¡¡Yupiii!!</translation>
    </message>
    <message>
        <source>俺様の技を見よ</source>
        <translation>¡Mirad qué arte!</translation>
    </message>
    <message>
        <source>！</source>
        <translation>!</translation>
    </message>
    <message>
        <source>ゲッ</source>
        <translation>¡Te...</translation>
    </message>
    <message>
        <source>チュー</source>
        <translation>...pillé!</translation>
    </message>
    <message>
        <source>ゲッチュー！！</source>
        <translation>¡¡Te pillé!!</translation>
    </message>
    <message>
        <source>どれにしようかな</source>
        <translation>Pito, pito...</translation>
    </message>
    <message>
        <source>これとね、</source>
        <translation>Esta, y...</translation>
    </message>
    <message>
        <source>これかな？、</source>
        <translation>¿Esta, quizá?</translation>
    </message>
    <message>
        <source>やったね。</source>
        <translation>¡Bien, lo logré!</translation>
    </message>
    <message>
        <source>ちっ！</source>
        <translation>¡Jo!</translation>
    </message>
    <message>
        <source>俺様の番か？？</source>
        <translation>¿¿Me toca brillar, eh??</translation>
    </message>
    <message>
        <source>世界が俺を呼んでるぜぇ。</source>
        <translation>¡El mundo me necesita, nena!</translation>
    </message>
    <message>
        <source>まちにまったぜぇ。</source>
        <translation>¡Llevaba tiempo esperando esto!</translation>
    </message>
    <message>
        <source>！！！</source>
        <translation>!!!</translation>
    </message>
    <message>
        <source>俺様って</source>
        <translation>Soy un...</translation>
    </message>
    <message>
        <source>天才！！</source>
        <translation>¡¡GENIO o qué!!</translation>
    </message>
    <message>
        <source>ラッキー</source>
        <translation>¡Qué suerte!</translation>
    </message>
    <message>
        <source>これでいいや。</source>
        <translation>Esta valdrá.</translation>
    </message>
    <message>
        <source>オープン！！</source>
        <translation>¡¡Tachán!!</translation>
    </message>
    <message>
        <source>へへっ</source>
        <translation>Je, je.</translation>
    </message>
    <message>
        <source>まっこんなもんかな。</source>
        <translation>Bah, así es la vida.</translation>
    </message>
    <message>
        <source>もうワシの番か・・・</source>
        <translation>¿Ya me toca...?</translation>
    </message>
    <message>
        <source>・・・</source>
        <translation>...</translation>
    </message>
    <message>
        <source>おまえら早すぎるぞ！</source>
        <translation>¡Vais demasiado rápido!</translation>
    </message>
    <message>
        <source>もう少し休ませてくれ</source>
        <translation>Dejad descansar a un gato viejo.</translation>
    </message>
    <message>
        <source>これと</source>
        <translation>Esta...</translation>
    </message>
    <message>
        <source>これじゃな</source>
        <translation>...y esa.</translation>
    </message>
    <message>
        <source>見えた！</source>
        <translation>¡La veo!</translation>
    </message>
    <message>
        <source>開けるぞ</source>
        <translation>A ver qué hay.</translation>
    </message>
    <message>
        <source>まぁこんなもんか</source>
        <translation>No está mal, no está mal.</translation>
    </message>
    <message>
        <source>やっと休めるわい</source>
        <translation>Por fin, la siesta.</translation>
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
        <translation>Uso: tomavel [OPCIÓN]
Inicia Tomavel, un juego de memoria con cartas (buscar parejas).

  -h, --help     muestra esta ayuda y finaliza
      --version  muestra la versión y finaliza

Cómo jugar se explica en la ayuda del juego (F1).
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
        <translation>Elige una carta boca abajo con las flechas y dale la vuelta con Espacio</translation>
    </message>
    <message>
        <source>お知らせ</source>
        <translation>Aviso</translation>
    </message>
    <message>
        <source>ジョーカー</source>
        <translation>comodín</translation>
    </message>
    <message>
        <source>クラブ</source>
        <translation>tréboles</translation>
    </message>
    <message>
        <source>スペード</source>
        <translation>picas</translation>
    </message>
    <message>
        <source>ダイヤ</source>
        <translation>diamantes</translation>
    </message>
    <message>
        <source>ハート</source>
        <translation>corazones</translation>
    </message>
    <message>
        <source>エース</source>
        <translation>as</translation>
    </message>
    <message>
        <source>ジャック</source>
        <translation>jota</translation>
    </message>
    <message>
        <source>クイーン</source>
        <translation>reina</translation>
    </message>
    <message>
        <source>キング</source>
        <translation>rey</translation>
    </message>
    <message>
        <source>%1の%2</source>
        <translation>%2 de %1</translation>
    </message>
    <message>
        <source>%1行 %2列</source>
        <translation>fila %1, columna %2</translation>
    </message>
    <message>
        <source>取られた札 %1</source>
        <translation>ganada: %1</translation>
    </message>
    <message>
        <source>%1 裏向き</source>
        <translation>%1, boca abajo</translation>
    </message>
    <message>
        <source>空席</source>
        <translation>Asiento libre</translation>
    </message>
    <message numerus="yes">
        <source>%1、取った札 %n枚</source>
        <translation>
            <numerusform>%1, cartas ganadas: %n</numerusform>
            <numerusform>%1, cartas ganadas: %n</numerusform>
        </translation>
    </message>
    <message>
        <source>、手番</source>
        <translation>, le toca</translation>
    </message>
    <message>
        <source>経過時間 %1、手数 %2</source>
        <translation>Tiempo %1, turnos %2</translation>
    </message>
    <message>
        <source>%1がめくりました：%2</source>
        <translation>%1 levanta %2</translation>
    </message>
    <message>
        <source>%1の番です</source>
        <translation>Le toca a %1</translation>
    </message>
    <message>
        <source>%1「%2」</source>
        <translation>%1 dice, %2</translation>
    </message>
    <message>
        <source>ジョーカーのペア</source>
        <translation>una pareja de comodines</translation>
    </message>
    <message>
        <source>エースのペア</source>
        <translation>una pareja de ases</translation>
    </message>
    <message>
        <source>ジャックのペア</source>
        <translation>una pareja de jotas</translation>
    </message>
    <message>
        <source>クイーンのペア</source>
        <translation>una pareja de reinas</translation>
    </message>
    <message>
        <source>キングのペア</source>
        <translation>una pareja de reyes</translation>
    </message>
    <message>
        <source>%1のペア</source>
        <translation>una pareja de %1</translation>
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
        <translation>No hay más cartas por ese lado</translation>
    </message>
    <message>
        <source>はずれ</source>
        <translation>No hay pareja</translation>
    </message>
    <message>
        <source>あなたの番です</source>
        <translation>Te toca</translation>
    </message>
    <message numerus="yes">
        <source>%1が%2を取りました、%n枚</source>
        <translation>
            <numerusform>%1, %2, %n carta ganada</numerusform>
            <numerusform>%1, %2, %n cartas ganadas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1がペアを取りました、%n枚</source>
        <translation>
            <numerusform>%1, una pareja, %n carta ganada</numerusform>
            <numerusform>%1, una pareja, %n cartas ganadas</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TableWidget</name>
    <message>
        <source>経過時間：</source>
        <translation>Tiempo:</translation>
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
        <translation>Tú</translation>
    </message>
    <message>
        <source>Baby Swallow</source>
        <translation>Golondrinita</translation>
    </message>
    <message>
        <source>Funny Wolf</source>
        <translation>Lobo Bromista</translation>
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
        <translation>¡Resultados!</translation>
    </message>
    <message>
        <source>%1位</source>
        <translation>puesto %1</translation>
    </message>
    <message>
        <source>Player%1:</source>
        <translation>Jugador %1:</translation>
    </message>
    <message>
        <source>Player%1： 空席</source>
        <translation>Jugador %1, asiento libre</translation>
    </message>
    <message numerus="yes">
        <source>Player%1：%2、 %n枚、 %3位</source>
        <translation>
            <numerusform>Jugador %1, %2, %n carta, puesto %3</numerusform>
            <numerusform>Jugador %1, %2, %n cartas, puesto %3</numerusform>
        </translation>
    </message>
</context>
</TS>
