<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja" sourcelanguage="en">
<context>
    <name>CommandLine</name>
    <message>
        <source>%1: %2; try --help</source>
        <translation>%1：%2（--help で使い方を確認してください）</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>このヘルプを表示して終了します。</translation>
    </message>
    <message>
        <source>Show the program&apos;s name and version and exit.</source>
        <translation>プログラムの名前とバージョンを表示して終了します。</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>不明なオプション「%1」</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>予期しない引数「%1」</translation>
    </message>
    <message>
        <source>Usage: %1 [options]</source>
        <translation>使い方：%1 [オプション]</translation>
    </message>
    <message>
        <source>code</source>
        <translation>コード</translation>
    </message>
    <message>
        <source>Write the picture the window would show to a PNG or SVG file, and exit without opening the window.</source>
        <translation>ウィンドウに表示されるはずの図を PNG または SVG ファイルに書き出し、ウィンドウを開かずに終了します。</translation>
    </message>
    <message>
        <source>file</source>
        <translation>ファイル</translation>
    </message>
    <message>
        <source>The body: earth (the default) or sun.</source>
        <translation>天体：earth（既定）または sun。</translation>
    </message>
    <message>
        <source>name</source>
        <translation>名前</translation>
    </message>
    <message>
        <source>Positions 0 to 100 of the coarse and the fine radius bar (default 50,50).</source>
        <translation>半径の粗調整バーと微調整バーの位置（0～100）をコンマで区切って指定します（既定は50,50）。</translation>
    </message>
    <message>
        <source>coarse,fine</source>
        <translation>粗調整,微調整</translation>
    </message>
    <message>
        <source>Positions 0 to 100 of the coarse and the fine mass bar (default 50,50).</source>
        <translation>質量の粗調整バーと微調整バーの位置（0～100）をコンマで区切って指定します（既定は50,50）。</translation>
    </message>
    <message>
        <source>With --values: tsv (the default), csv or json.</source>
        <translation>--values と一緒に使います：tsv（既定）、csv、json のいずれか。</translation>
    </message>
    <message>
        <source>format</source>
        <translation>形式</translation>
    </message>
    <message>
        <source>height</source>
        <translation>高さ</translation>
    </message>
    <message>
        <source>--values and --picture cannot go together</source>
        <translation>--values と --picture は同時に指定できません</translation>
    </message>
    <message>
        <source>--%1 goes with --picture</source>
        <translation>--%1 は --picture と一緒に指定してください</translation>
    </message>
    <message>
        <source>unknown body &apos;%1&apos; (earth or sun)</source>
        <translation>不明な天体「%1」（earth または sun を指定してください）</translation>
    </message>
    <message>
        <source>--%1 &apos;%2&apos; is not two positions 0 to 100 such as 50,50</source>
        <translation>--%1「%2」は、50,50のようにコンマで区切った0～100の2つの位置ではありません</translation>
    </message>
    <message>
        <source>unknown format &apos;%1&apos; (tsv, csv or json)</source>
        <translation>不明な形式「%1」（tsv、csv、json のいずれかを指定してください）</translation>
    </message>
    <message>
        <source>beam start &apos;%1&apos; cannot be reached with the move buttons (50 to 6150 in steps of 50)</source>
        <translation>光線の出発点「%1」には移動ボタンで到達できません（50から6150まで50刻み）</translation>
    </message>
    <message>
        <source>picture file &apos;%1&apos; must end in .png or .svg</source>
        <translation>図のファイル名「%1」は .png または .svg で終わる必要があります</translation>
    </message>
    <message>
        <source>Speak this language (en, de, fr, es or ja) instead of the desktop&apos;s: the window, the messages and, with --localized, the values.</source>
        <translation>デスクトップの言語ではなく、指定した言語（en、de、fr、es、ja のいずれか）を使います。ウィンドウ、メッセージ、そして --localized を付けたときは値にも使います。</translation>
    </message>
    <message>
        <source>Print the values the window would show, with stable keys and C numbers, and exit without opening it.</source>
        <translation>ウィンドウに表示されるはずの値を、固定のキーと C 形式の数値で出力し、ウィンドウを開かずに終了します。</translation>
    </message>
    <message>
        <source>The height of the beam start, 50 to 6150 in steps of 50 (default 1500).</source>
        <translation>光線の出発点の高さ。50から6150まで50刻み（既定は1500）。</translation>
    </message>
    <message>
        <source>Trace the light ray (Beam).</source>
        <translation>光線をたどって描きます（光線ボタン）。</translation>
    </message>
    <message>
        <source>With --values: the quantities in the chosen language and the numbers with its decimal separator, as the window shows them, instead of stable keys and C numbers.</source>
        <translation>--values と一緒に使います：固定のキーと C 形式の数値の代わりに、ウィンドウと同じく、選んだ言語の量の名前とその言語の小数点で出力します。</translation>
    </message>
    <message>
        <source>With --picture: 1 to 8 times the size the window shows (default 1).</source>
        <translation>--picture と一緒に使います：ウィンドウに表示される大きさの1倍から8倍（既定は1）。</translation>
    </message>
    <message>
        <source>factor</source>
        <translation>倍率</translation>
    </message>
    <message>
        <source>--%1 is given more than once</source>
        <translation>--%1 が2回以上指定されています</translation>
    </message>
    <message>
        <source>unknown language &apos;%1&apos; (en, de, fr, es or ja)</source>
        <translation>不明な言語「%1」です（en、de、fr、es、ja のいずれか）</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is an option for the window; it cannot go with --values or --picture</source>
        <translation>「%1」はウィンドウ用のオプションなので、--values や --picture と一緒には使えません</translation>
    </message>
    <message>
        <source>--%1 goes with --values</source>
        <translation>--%1 は --values と一緒に指定してください</translation>
    </message>
    <message>
        <source>--scale goes with --picture</source>
        <translation>--scale は --picture と一緒に指定してください</translation>
    </message>
    <message>
        <source>--scale &apos;%1&apos; is not a whole number 1 to 8</source>
        <translation>--scale「%1」は1から8までの整数ではありません</translation>
    </message>
    <message>
        <source>%1: cannot write to standard output: %2</source>
        <translation>%1：標準出力に書き込めません：%2</translation>
    </message>
    <message>
        <source>--rays &apos;%1&apos; is not one to six beam starts of 50 to 6150 in steps of 50 such as 1500,800,300</source>
        <translation>--rays「%1」は、1500,800,300のような50～6150で50刻みの1～6個の光線の出発点ではありません</translation>
    </message>
    <message>
        <source>Trace a ray from each of these beam starts (up to six) and keep them all, each in its own colour.</source>
        <translation>これらの出発点（最大6個）からそれぞれ光線をたどり、すべてをそれぞれの色で残します。</translation>
    </message>
    <message>
        <source>starts</source>
        <translation>出発点</translation>
    </message>
    <message>
        <source>Write a one-page worksheet (the setup, the picture, every value and lines for notes) to a PDF file, and exit without opening the window.</source>
        <translation>1ページのワークシート（設定、図、すべての値、メモ用の罫線）を PDF ファイルに書き出し、ウィンドウを開かずに終了します。</translation>
    </message>
    <message>
        <source>--worksheet cannot go with --values or --picture</source>
        <translation>--worksheet は --values や --picture と同時に指定できません</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is an option for the window; it cannot go with --worksheet</source>
        <translation>「%1」はウィンドウ用のオプションなので、--worksheet と一緒には使えません</translation>
    </message>
    <message>
        <source>worksheet file &apos;%1&apos; must end in .pdf</source>
        <translation>ワークシートのファイル名「%1」は .pdf で終わる必要があります</translation>
    </message>
    <message>
        <source>Shows a body (the Earth or the Sun) with its radius and mass scaled at will:
its density, its Schwarzschild radius, the curvature of space around it,
and a light ray bending towards it. Without options it opens its window;
--body, --radius-bars, --mass-bars, --rays, --beam and --trace open it in
that state.</source>
        <translation>天体（地球または太陽）の半径と質量を自由に変えて、その密度、シュワルツシルト
半径、周りの空間の曲率、そして天体のほうへ曲がる光線を示します。
オプションを付けずに起動すると、ウィンドウを開きます。--body、--radius-bars、
--mass-bars、--rays、--beam、--trace を付けると、その状態でウィンドウを開き
ます。</translation>
    </message>
</context>
<context>
    <name>Desktop</name>
    <message>
        <source>Gravity and light demonstration</source>
        <translation>重力と光のデモンストレーション</translation>
    </message>
    <message>
        <source>Pick a body, scale its radius and mass, and see its Schwarzschild radius and a light ray bending towards it</source>
        <translation>天体を選び、半径と質量を変えて、シュワルツシルト半径と天体に向かって曲がる光線を見る</translation>
    </message>
    <message>
        <source>gravity;mass;radius;Schwarzschild;black hole;light;relativity;physics;simulation;</source>
        <translation>重力;質量;半径;シュワルツシルト;ブラックホール;光;相対性理論;物理;シミュレーション;</translation>
    </message>
    <message>
        <source>See how mass bends space and light</source>
        <translation>質量が空間と光を曲げる様子を見る</translation>
    </message>
    <message>
        <source>A physics demonstration for the classroom. The student picks a spherical body, the Earth or the Sun, scales its radius and its mass by powers of two and by percents, and reads its density, its Schwarzschild radius and the curvature of space at 1, 1.5, 2 and 2.5 body radii.</source>
        <translation>教室向けの物理のデモンストレーションです。生徒は球形の天体（地球または太陽）を選び、その半径と質量を2のべき乗とパーセントで変え、密度、シュワルツシルト半径、天体半径の1倍、1.5倍、2倍、2.5倍の位置での空間の曲率を読み取ります。</translation>
    </message>
    <message>
        <source>A light ray sent past the body is traced step by step: with the real Earth or Sun it goes straight; make the body a few hundred million times heavier and it bends, swings round or falls in.</source>
        <translation>天体のそばを通る光線を一歩ずつ追跡します。実際の地球や太陽では光線はまっすぐ進みますが、天体を数億倍重くすると、曲がったり、天体の周りを回り込んだり、天体に落ち込んだりします。</translation>
    </message>
    <message>
        <source>Everything works from the keyboard and with a screen reader.</source>
        <translation>すべての操作はキーボードとスクリーンリーダーで行えます。</translation>
    </message>
    <message>
        <source>gravity</source>
        <translation>重力</translation>
    </message>
    <message>
        <source>Schwarzschild radius</source>
        <translation>シュワルツシルト半径</translation>
    </message>
    <message>
        <source>black hole</source>
        <translation>ブラックホール</translation>
    </message>
    <message>
        <source>light</source>
        <translation>光</translation>
    </message>
    <message>
        <source>relativity</source>
        <translation>相対性理論</translation>
    </message>
    <message>
        <source>Korvath simulation</source>
        <translation>Korvath シミュレーション</translation>
    </message>
</context>
<context>
    <name>FaultText</name>
    <message>
        <source>overflow</source>
        <translation>オーバーフロー</translation>
    </message>
    <message>
        <source>division by zero</source>
        <translation>ゼロによる除算</translation>
    </message>
    <message>
        <source>invalid operation</source>
        <translation>無効な演算</translation>
    </message>
    <message>
        <source>arithmetic fault</source>
        <translation>演算エラー</translation>
    </message>
    <message>
        <source>its radius is not a number</source>
        <translation>半径が数値ではありません</translation>
    </message>
    <message>
        <source>its radius is infinite</source>
        <translation>半径が無限大です</translation>
    </message>
    <message>
        <source>its radius is %1 m</source>
        <translation>半径が %1 m です</translation>
    </message>
    <message>
        <source>its mass is not a number</source>
        <translation>質量が数値ではありません</translation>
    </message>
    <message>
        <source>its mass is infinite</source>
        <translation>質量が無限大です</translation>
    </message>
    <message>
        <source>its mass is %1 kg</source>
        <translation>質量が %1 kg です</translation>
    </message>
    <message>
        <source>its radius of %1 m is too large to give a volume (%2)</source>
        <translation>半径 %1 m が大きすぎて体積を求められません（%2）</translation>
    </message>
    <message>
        <source>its density cannot be computed (%1)</source>
        <translation>密度を求められません（%1）</translation>
    </message>
    <message>
        <source>its radius of %1 m lies more than 32767 search steps above its Schwarzschild radius</source>
        <translation>半径 %1 m がシュワルツシルト半径より探索32767ステップ分以上も外側にあります</translation>
    </message>
    <message>
        <source>the search for its Schwarzschild radius failed (%1)</source>
        <translation>シュワルツシルト半径の探索に失敗しました（%1）</translation>
    </message>
    <message>
        <source>The change cannot be made: its arithmetic fails (%1).</source>
        <translation>この変更はできません。計算に失敗します（%1）。</translation>
    </message>
    <message numerus="yes">
        <source>The light ray stops after %n segments: its arithmetic fails at pass %1 (%2).</source>
        <translation>
            <numerusform>光線は%n区間で止まりました。%1回目の計算に失敗しました（%2）。</numerusform>
        </translation>
    </message>
    <message>
        <source>The body cannot be computed: %1.</source>
        <translation>天体を計算できません。理由：%1。</translation>
    </message>
    <message>
        <source>the curvature at %1 times the body&apos;s radius cannot be computed (%2)</source>
        <translation>半径の%1倍の位置での曲率を求められません（%2）</translation>
    </message>
</context>
<context>
    <name>FileWriter</name>
    <message>
        <source>it is a folder</source>
        <translation>フォルダーです</translation>
    </message>
    <message>
        <source>it is a named pipe</source>
        <translation>名前付きパイプです</translation>
    </message>
    <message>
        <source>it is a device, not a file</source>
        <translation>ファイルではなくデバイスです</translation>
    </message>
</context>
<context>
    <name>Language</name>
    <message>
        <source>unknown language &apos;%1&apos;; the window speaks English (available: %2)</source>
        <translation>不明な言語「%1」。ウィンドウは英語で表示されます（使用できる言語：%2）</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>E&amp;xit</source>
        <translation>終了(&amp;X)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>ヘルプ(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>表示(&amp;V)</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>拡大(&amp;I)</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>縮小(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Actual Size</source>
        <translation>実際のサイズ(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Full Screen</source>
        <translation>全画面表示(&amp;F)</translation>
    </message>
    <message>
        <source>Earth</source>
        <translation>地球</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>太陽</translation>
    </message>
    <message>
        <source>Radius(m)</source>
        <translation>半径(m)</translation>
    </message>
    <message>
        <source>&lt;&lt;</source>
        <translation>&lt;&lt;</translation>
    </message>
    <message>
        <source>Radius, coarse: powers of two</source>
        <translation>半径・粗調整：2のべき乗</translation>
    </message>
    <message>
        <source>Multiplies the preset radius by 2 to the power (value - 50)</source>
        <translation>初期半径に2の（値 - 50）乗を掛けます</translation>
    </message>
    <message>
        <source>Value of the coarse radius bar</source>
        <translation>半径の粗調整バーの値</translation>
    </message>
    <message>
        <source>&lt;</source>
        <translation>&lt;</translation>
    </message>
    <message>
        <source>Radius, fine: whole percents</source>
        <translation>半径・微調整：1パーセント単位</translation>
    </message>
    <message>
        <source>Adds (value - 50) percent of the coarse radius</source>
        <translation>粗調整で決まる半径の（値 - 50）パーセントを加えます</translation>
    </message>
    <message>
        <source>Value of the fine radius bar</source>
        <translation>半径の微調整バーの値</translation>
    </message>
    <message>
        <source>Radius in metres</source>
        <translation>半径、単位はメートル</translation>
    </message>
    <message>
        <source>Mass(kg)</source>
        <translation>質量(kg)</translation>
    </message>
    <message>
        <source>Mass, coarse: powers of two</source>
        <translation>質量・粗調整：2のべき乗</translation>
    </message>
    <message>
        <source>Multiplies the preset mass by 2 to the power (value - 50)</source>
        <translation>初期質量に2の（値 - 50）乗を掛けます</translation>
    </message>
    <message>
        <source>Value of the coarse mass bar</source>
        <translation>質量の粗調整バーの値</translation>
    </message>
    <message>
        <source>Mass, fine: whole percents</source>
        <translation>質量・微調整：1パーセント単位</translation>
    </message>
    <message>
        <source>Adds (value - 50) percent of the coarse mass</source>
        <translation>粗調整で決まる質量の（値 - 50）パーセントを加えます</translation>
    </message>
    <message>
        <source>Value of the fine mass bar</source>
        <translation>質量の微調整バーの値</translation>
    </message>
    <message>
        <source>Mass in kilograms</source>
        <translation>質量、単位はキログラム</translation>
    </message>
    <message>
        <source>UP</source>
        <translation>上(大)</translation>
    </message>
    <message>
        <source>up</source>
        <translation>上(小)</translation>
    </message>
    <message>
        <source>down</source>
        <translation>下(小)</translation>
    </message>
    <message>
        <source>DOWN</source>
        <translation>下(大)</translation>
    </message>
    <message>
        <source>Beam</source>
        <translation>光線</translation>
    </message>
    <message>
        <source>Height of the beam start in scene units</source>
        <translation>光線の出発点の高さ、単位は描画単位</translation>
    </message>
    <message>
        <source>density(gram/cubic centimeters)</source>
        <translation>密度(g/cm³)</translation>
    </message>
    <message>
        <source>Density in grams per cubic centimetre</source>
        <translation>密度、単位はグラム毎立方センチメートル</translation>
    </message>
    <message>
        <source>Schwarzschild radius(m)</source>
        <translation>シュワルツシルト半径</translation>
    </message>
    <message>
        <source>Schwarzschild radius in metres</source>
        <translation>シュワルツシルト半径、単位はメートル</translation>
    </message>
    <message>
        <source>The curvature of stellar radius</source>
        <translation>表面での曲率</translation>
    </message>
    <message>
        <source>Curvature at 1 body radius, per square metre</source>
        <translation>半径の1倍の位置（表面）での曲率、単位は毎平方メートル</translation>
    </message>
    <message>
        <source>The radius of curvature of stellar radius(m)</source>
        <translation>表面での曲率半径(m)</translation>
    </message>
    <message>
        <source>Radius of curvature at 1 body radius in metres</source>
        <translation>半径の1倍の位置（表面）での曲率半径、単位はメートル</translation>
    </message>
    <message>
        <source>The curvature of 1.5 times location of stellar radius</source>
        <translation>半径の1.5倍の位置での曲率</translation>
    </message>
    <message>
        <source>Curvature at 1.5 body radii, per square metre</source>
        <translation>半径の1.5倍の位置での曲率、単位は毎平方メートル</translation>
    </message>
    <message>
        <source>The radius of curvature of 1.5 times location of stellar radius(m)</source>
        <translation>半径の1.5倍の位置での曲率半径(m)</translation>
    </message>
    <message>
        <source>Radius of curvature at 1.5 body radii in metres</source>
        <translation>半径の1.5倍の位置での曲率半径、単位はメートル</translation>
    </message>
    <message>
        <source>The curvature of 2 times location of stellar radius</source>
        <translation>半径の2倍の位置での曲率</translation>
    </message>
    <message>
        <source>Curvature at 2 body radii, per square metre</source>
        <translation>半径の2倍の位置での曲率、単位は毎平方メートル</translation>
    </message>
    <message>
        <source>The radius of curvature of 2 times location of stellar radius(m)</source>
        <translation>半径の2倍の位置での曲率半径(m)</translation>
    </message>
    <message>
        <source>Radius of curvature at 2 body radii in metres</source>
        <translation>半径の2倍の位置での曲率半径、単位はメートル</translation>
    </message>
    <message>
        <source>The curvature of 2.5 times location of stellar radius</source>
        <translation>半径の2.5倍の位置での曲率</translation>
    </message>
    <message>
        <source>Curvature at 2.5 body radii, per square metre</source>
        <translation>半径の2.5倍の位置での曲率、単位は毎平方メートル</translation>
    </message>
    <message>
        <source>The radius of curvature of 2.5 times location of stellar radius(m)</source>
        <translation>半径の2.5倍の位置での曲率半径(m)</translation>
    </message>
    <message>
        <source>Radius of curvature at 2.5 body radii in metres</source>
        <translation>半径の2.5倍の位置での曲率半径、単位はメートル</translation>
    </message>
    <message>
        <source>Scene</source>
        <translation>図</translation>
    </message>
    <message>
        <source>The body as a blue disc, red rings at 1.5, 2 and 2.5 body radii, the Schwarzschild radius as a yellow circle, the beam start as a yellow box and the traced light ray in white</source>
        <translation>天体を表す青い円板、天体の半径の1.5倍・2倍・2.5倍の位置にある赤い輪、シュワルツシルト半径を表す黄色い円、光線の出発点を示す黄色い四角、たどった光線を表す白い線</translation>
    </message>
    <message>
        <source>Korvath simulation</source>
        <translation>Korvath シミュレーション</translation>
    </message>
    <message>
        <source>Moves the beam start up by 300 units</source>
        <translation>光線の出発点を300単位上へ動かします</translation>
    </message>
    <message>
        <source>Moves the beam start up by 50 units</source>
        <translation>光線の出発点を50単位上へ動かします</translation>
    </message>
    <message>
        <source>Moves the beam start down by 50 units</source>
        <translation>光線の出発点を50単位下へ動かします</translation>
    </message>
    <message>
        <source>Moves the beam start down by 300 units</source>
        <translation>光線の出発点を300単位下へ動かします</translation>
    </message>
</context>
<context>
    <name>ManualPage</name>
    <message>
        <source>NAME</source>
        <translation>名前</translation>
    </message>
    <message>
        <source>SYNOPSIS</source>
        <translation>書式</translation>
    </message>
    <message>
        <source>options</source>
        <translation>オプション</translation>
    </message>
    <message>
        <source>DESCRIPTION</source>
        <translation>説明</translation>
    </message>
    <message>
        <source>OPTIONS</source>
        <translation>オプション</translation>
    </message>
</context>
<context>
    <name>PictureExport</name>
    <message>
        <source>The picture cannot be saved as %1: %2.</source>
        <translation>図を %1 として保存できません：%2。</translation>
    </message>
    <message>
        <source>it leads to %1, whose name does not end in .png or .svg</source>
        <translation>%1 を指しており、その名前が .png または .svg で終わっていません</translation>
    </message>
    <message>
        <source>the picture could not be made</source>
        <translation>画像を作成できませんでした</translation>
    </message>
</context>
<context>
    <name>PictureText</name>
    <message>
        <source>the smallest yellow circle</source>
        <translation>最小の大きさの黄色い円</translation>
    </message>
    <message>
        <source>the yellow circle inside the disc</source>
        <translation>円板の内側の黄色い円</translation>
    </message>
    <message>
        <source>the yellow circle outside the red rings</source>
        <translation>赤い輪の外側にある黄色い円</translation>
    </message>
    <message>
        <source>a yellow circle that lies beyond the picture</source>
        <translation>図の外にある黄色い円</translation>
    </message>
    <message numerus="yes">
        <source>The light ray falls into the body after %n steps.</source>
        <translation>
            <numerusform>光線は%nステップ進んだところで天体に落ち込みます。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The light ray stops after %n steps.</source>
        <translation>
            <numerusform>光線は%nステップ進んだところで止まります。</numerusform>
        </translation>
    </message>
    <message>
        <source>The light ray passes the body in a straight line and leaves at the left edge.</source>
        <translation>光線はまっすぐ天体のそばを通り過ぎ、左端から出ていきます。</translation>
    </message>
    <message>
        <source>The light ray passes the body in a straight line and leaves at the right edge.</source>
        <translation>光線はまっすぐ天体のそばを通り過ぎ、右端から出ていきます。</translation>
    </message>
    <message>
        <source>The light ray passes the body in a straight line and leaves at the top edge.</source>
        <translation>光線はまっすぐ天体のそばを通り過ぎ、上端から出ていきます。</translation>
    </message>
    <message>
        <source>The light ray passes the body in a straight line and leaves at the bottom edge.</source>
        <translation>光線はまっすぐ天体のそばを通り過ぎ、下端から出ていきます。</translation>
    </message>
    <message numerus="yes">
        <source>The light ray passes the body and leaves at the left edge, bent by %n degrees.</source>
        <translation>
            <numerusform>光線は天体のそばを通り過ぎ、%n度曲がって左端から出ていきます。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The light ray passes the body and leaves at the right edge, bent by %n degrees.</source>
        <translation>
            <numerusform>光線は天体のそばを通り過ぎ、%n度曲がって右端から出ていきます。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The light ray passes the body and leaves at the top edge, bent by %n degrees.</source>
        <translation>
            <numerusform>光線は天体のそばを通り過ぎ、%n度曲がって上端から出ていきます。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The light ray passes the body and leaves at the bottom edge, bent by %n degrees.</source>
        <translation>
            <numerusform>光線は天体のそばを通り過ぎ、%n度曲がって下端から出ていきます。</numerusform>
        </translation>
    </message>
    <message>
        <source>The light ray swings round the body and leaves at the left edge.</source>
        <translation>光線は天体のまわりを回り込み、左端から出ていきます。</translation>
    </message>
    <message>
        <source>The light ray swings round the body and leaves at the right edge.</source>
        <translation>光線は天体のまわりを回り込み、右端から出ていきます。</translation>
    </message>
    <message>
        <source>The light ray swings round the body and leaves at the top edge.</source>
        <translation>光線は天体のまわりを回り込み、上端から出ていきます。</translation>
    </message>
    <message>
        <source>The light ray swings round the body and leaves at the bottom edge.</source>
        <translation>光線は天体のまわりを回り込み、下端から出ていきます。</translation>
    </message>
    <message>
        <source>The picture is empty until the first values are shown.</source>
        <translation>最初の値が表示されるまで、図には何も描かれません。</translation>
    </message>
    <message>
        <source>The body fills the blue disc; its Schwarzschild radius is %1 of its radius, drawn as %2.</source>
        <translation>天体は青い円板で表されています。シュワルツシルト半径は天体の半径の%1倍で、%2として描かれています。</translation>
    </message>
    <message>
        <source>The body fills the blue disc; its Schwarzschild radius is %1 times its radius, drawn as %2.</source>
        <translation>天体は青い円板で表されています。シュワルツシルト半径は天体の半径の%1倍で、%2として描かれています。</translation>
    </message>
    <message>
        <source>Beam start at %1.</source>
        <translation>光線の出発点は%1です。</translation>
    </message>
    <message>
        <source>the yellow circle on the edge of the disc</source>
        <translation>円板の縁に重なる黄色い円</translation>
    </message>
    <message>
        <source>the yellow circle between the disc and the innermost red ring</source>
        <translation>円板と最も内側の赤い輪の間にある黄色い円</translation>
    </message>
    <message>
        <source>the yellow circle on the innermost red ring</source>
        <translation>最も内側の赤い輪に重なる黄色い円</translation>
    </message>
    <message>
        <source>the yellow circle between the innermost and the middle red ring</source>
        <translation>最も内側と真ん中の赤い輪の間にある黄色い円</translation>
    </message>
    <message>
        <source>the yellow circle on the middle red ring</source>
        <translation>真ん中の赤い輪に重なる黄色い円</translation>
    </message>
    <message>
        <source>the yellow circle between the middle and the outermost red ring</source>
        <translation>真ん中と最も外側の赤い輪の間にある黄色い円</translation>
    </message>
    <message>
        <source>the yellow circle on the outermost red ring</source>
        <translation>最も外側の赤い輪に重なる黄色い円</translation>
    </message>
    <message>
        <source>Ray %1, from %2:</source>
        <translation>光線%1（出発点%2）：</translation>
    </message>
</context>
<context>
    <name>ValuesTable</name>
    <message>
        <source>m</source>
        <translation>m</translation>
    </message>
    <message>
        <source>m⁻²</source>
        <translation>m⁻²</translation>
    </message>
    <message>
        <source>position 0 to 100</source>
        <translation>位置（0～100）</translation>
    </message>
    <message>
        <source>Radius</source>
        <translation>半径</translation>
    </message>
    <message>
        <source>Mass</source>
        <translation>質量</translation>
    </message>
    <message>
        <source>kg</source>
        <translation>kg</translation>
    </message>
    <message>
        <source>Density</source>
        <translation>密度</translation>
    </message>
    <message>
        <source>g/cm³</source>
        <translation>g/cm³</translation>
    </message>
    <message>
        <source>Schwarzschild radius</source>
        <translation>シュワルツシルト半径</translation>
    </message>
    <message>
        <source>Curvature at 1 body radius</source>
        <translation>半径の1倍の位置での曲率</translation>
    </message>
    <message>
        <source>Radius of curvature at 1 body radius</source>
        <translation>半径の1倍の位置での曲率半径</translation>
    </message>
    <message>
        <source>Curvature at 1.5 body radii</source>
        <translation>半径の1.5倍の位置での曲率</translation>
    </message>
    <message>
        <source>Radius of curvature at 1.5 body radii</source>
        <translation>半径の1.5倍の位置での曲率半径</translation>
    </message>
    <message>
        <source>Curvature at 2 body radii</source>
        <translation>半径の2倍の位置での曲率</translation>
    </message>
    <message>
        <source>Radius of curvature at 2 body radii</source>
        <translation>半径の2倍の位置での曲率半径</translation>
    </message>
    <message>
        <source>Curvature at 2.5 body radii</source>
        <translation>半径の2.5倍の位置での曲率</translation>
    </message>
    <message>
        <source>Radius of curvature at 2.5 body radii</source>
        <translation>半径の2.5倍の位置での曲率半径</translation>
    </message>
    <message>
        <source>Radius, coarse bar</source>
        <translation>半径・粗調整バー</translation>
    </message>
    <message>
        <source>Radius, fine bar</source>
        <translation>半径・微調整バー</translation>
    </message>
    <message>
        <source>Mass, coarse bar</source>
        <translation>質量・粗調整バー</translation>
    </message>
    <message>
        <source>Mass, fine bar</source>
        <translation>質量・微調整バー</translation>
    </message>
    <message>
        <source>Beam start</source>
        <translation>光線の出発点</translation>
    </message>
    <message>
        <source>scene units</source>
        <translation>描画単位</translation>
    </message>
</context>
<context>
    <name>WebPage</name>
    <message>
        <source>The simulation has ended.</source>
        <translation>シミュレーションを終了しました。</translation>
    </message>
    <message>
        <source>Start again</source>
        <translation>もう一度始める</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Copy link to this setup</source>
        <translation>この設定へのリンクをコピー</translation>
    </message>
    <message>
        <source>The link to this setup is on the clipboard.</source>
        <translation>この設定へのリンクをクリップボードにコピーしました。</translation>
    </message>
    <message>
        <source>The clipboard refused the link; copy it from here: %1</source>
        <translation>クリップボードにコピーできませんでした。ここからコピーしてください：%1</translation>
    </message>
    <message>
        <source>Download for offline use</source>
        <translation>オフライン用にダウンロード</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>キー操作</translation>
    </message>
    <message>
        <source>Tab, Shift+Tab: the next or the previous control</source>
        <translation>Tab、Shift+Tab：次または前のコントロール</translation>
    </message>
    <message>
        <source>Space, Enter: press the focused button</source>
        <translation>Space、Enter：フォーカスのあるボタンを押す</translation>
    </message>
    <message>
        <source>Left, Right (or Up, Down): move the focused bar by one</source>
        <translation>←、→（または ↑、↓）：フォーカスのあるバーを1動かす</translation>
    </message>
    <message>
        <source>Page Up, Page Down: move the focused bar by ten</source>
        <translation>Page Up、Page Down：フォーカスのあるバーを10動かす</translation>
    </message>
    <message>
        <source>Home, End: the focused bar to its left or right end</source>
        <translation>Home、End：フォーカスのあるバーを左端または右端へ</translation>
    </message>
    <message>
        <source>Alt with an underlined letter: that menu command</source>
        <translation>Alt と下線の付いた文字：そのメニューコマンド</translation>
    </message>
    <message>
        <source>F1: the help, once the Help command has run</source>
        <translation>F1：ヘルプ（ヘルプコマンドを一度実行した後）</translation>
    </message>
    <message>
        <source>Escape: close a dialog</source>
        <translation>Esc：ダイアログを閉じる</translation>
    </message>
    <message>
        <source>%1: times 2 to the power %2, %3</source>
        <translation>%1：2の%2乗倍、%3</translation>
    </message>
    <message>
        <source>%1: plus %2 percent of the coarse value, %3</source>
        <translation>%1：粗い値の%2パーセントを加算、%3</translation>
    </message>
    <message>
        <source>The body is now inside its Schwarzschild radius.</source>
        <translation>天体はシュワルツシルト半径の内側に入りました。</translation>
    </message>
    <message>
        <source>The body is now outside its Schwarzschild radius.</source>
        <translation>天体はシュワルツシルト半径の外側に出ました。</translation>
    </message>
    <message>
        <source>This browser cannot run the simulation: it has no WebAssembly, or it is switched off. Open the page in a current Firefox, Chromium, Chrome, Edge or Safari.</source>
        <translation>このブラウザではシミュレーションを実行できません。WebAssembly がないか、無効になっています。最新の Firefox、Chromium、Chrome、Edge、Safari でページを開いてください。</translation>
    </message>
    <message>
        <source>The simulation could not be loaded (%1). Reload the page; if that does not help, use the single-file version or another browser.</source>
        <translation>シミュレーションを読み込めませんでした（%1）。ページを再読み込みしてください。解決しない場合は、1ファイル版か別のブラウザを使ってください。</translation>
    </message>
    <message>
        <source>This page needs its web server and cannot run from a file on disk. Open the single-file version (korvath-offline.html) instead: it works by double-click, without a network.</source>
        <translation>このページは Web サーバーが必要で、ディスク上のファイルからは動きません。代わりに1ファイル版（korvath-offline.html）を開いてください。ネットワークなしでダブルクリックで動きます。</translation>
    </message>
    <message>
        <source>The link&apos;s setting &quot;%1&quot; is not valid; the simulation starts in its default state.</source>
        <translation>リンクの設定「%1」は無効です。シミュレーションは初期状態で始まります。</translation>
    </message>
    <message>
        <source>Reload</source>
        <translation>再読み込み</translation>
    </message>
    <message>
        <source>%1: JavaScript and WebAssembly are needed.</source>
        <translation>%1：JavaScript と WebAssembly が必要です。</translation>
    </message>
    <message>
        <source>A body&apos;s density, Schwarzschild radius and curvature, and a light ray traced past it</source>
        <translation>天体の密度、シュワルツシルト半径、曲率と、そのそばを通る光線</translation>
    </message>
    <message>
        <source>Delete: clear the rays</source>
        <translation>Delete：光線を消去</translation>
    </message>
    <message>
        <source>%1: minus %2 percent of the coarse value, %3</source>
        <translation>%1：粗い値の%2パーセントを減算、%3</translation>
    </message>
</context>
<context>
    <name>Worksheet</name>
    <message>
        <source>%1: worksheet</source>
        <translation>%1：ワークシート</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>名前：</translation>
    </message>
    <message>
        <source>Body</source>
        <translation>天体</translation>
    </message>
    <message>
        <source>Radius bars (coarse, fine)</source>
        <translation>半径バー（粗調整、微調整）</translation>
    </message>
    <message>
        <source>Mass bars (coarse, fine)</source>
        <translation>質量バー（粗調整、微調整）</translation>
    </message>
    <message>
        <source>Beam start</source>
        <translation>光線の出発点</translation>
    </message>
    <message>
        <source>To set it up again:</source>
        <translation>この設定に戻すには：</translation>
    </message>
    <message>
        <source>Notes:</source>
        <translation>メモ：</translation>
    </message>
</context>
<context>
    <name>Zoom</name>
    <message>
        <source>%1: the settings file %2 is not a regular file of at most 64 KiB; it is not used.</source>
        <translation>%1：設定ファイル %2 は64 KiB 以下の通常のファイルではないため、使用しません。</translation>
    </message>
</context>
<context>
    <name>korvath::help::HelpSplash</name>
    <message>
        <source>HELP</source>
        <translation>ヘルプ</translation>
    </message>
</context>
<context>
    <name>korvath::help::HelpViewer</name>
    <message>
        <source>Korvath simulation Help</source>
        <translation>Korvath シミュレーション ヘルプ</translation>
    </message>
    <message>
        <source>a named pipe</source>
        <translation>名前付きパイプ</translation>
    </message>
    <message>
        <source>a device</source>
        <translation>デバイス</translation>
    </message>
    <message>
        <source>a folder</source>
        <translation>フォルダー</translation>
    </message>
    <message>
        <source>a socket</source>
        <translation>ソケット</translation>
    </message>
    <message>
        <source>a special file</source>
        <translation>特殊ファイル</translation>
    </message>
    <message>
        <source>The help could not be opened</source>
        <translation>ヘルプを開けませんでした</translation>
    </message>
    <message>
        <source>The help file &lt;b&gt;%1&lt;/b&gt; could not be read: %2.</source>
        <translation>ヘルプファイル &lt;b&gt;%1&lt;/b&gt; を読み込めませんでした：%2。</translation>
    </message>
    <message>
        <source>The help file &lt;b&gt;%1&lt;/b&gt; is %2, not a regular file, so it is not read.</source>
        <translation>ヘルプファイル &lt;b&gt;%1&lt;/b&gt; は通常のファイルではなく%2のため、読み込みません。</translation>
    </message>
    <message>
        <source>The help file &lt;b&gt;%1&lt;/b&gt; is empty.</source>
        <translation>ヘルプファイル &lt;b&gt;%1&lt;/b&gt; は空です。</translation>
    </message>
    <message>
        <source>The help file &lt;b&gt;%1&lt;/b&gt; is %2 long; a help file may be at most %3.</source>
        <translation>ヘルプファイル &lt;b&gt;%1&lt;/b&gt; の大きさは%2です。ヘルプファイルは最大%3までです。</translation>
    </message>
    <message>
        <source>The program could not tell which folder it was started from (the folder&apos;s name may not be valid text in the system&apos;s language settings).</source>
        <translation>プログラムを起動したフォルダーを特定できませんでした（フォルダー名がシステムの言語設定で有効な文字列ではない可能性があります）。</translation>
    </message>
    <message>
        <source>These folders do not exist: %1.</source>
        <translation>次のフォルダーは存在しません：%1。</translation>
    </message>
    <message>
        <source>So the help file &lt;b&gt;%1&lt;/b&gt; could not be looked for.</source>
        <translation>そのため、ヘルプファイル &lt;b&gt;%1&lt;/b&gt; を探せませんでした。</translation>
    </message>
    <message>
        <source>The help could not be found</source>
        <translation>ヘルプが見つかりませんでした</translation>
    </message>
    <message>
        <source>The simulation goes on normally; you can close this window.</source>
        <translation>シミュレーションは通常どおり続きます。このウィンドウは閉じてかまいません。</translation>
    </message>
    <message>
        <source>The help file &lt;b&gt;%1&lt;/b&gt; holds too many tables, or tables nested too deep, to be shown in good time.</source>
        <translation>ヘルプファイル &lt;b&gt;%1&lt;/b&gt; には表が多すぎるか、表の入れ子が深すぎるため、すぐには表示できません。</translation>
    </message>
</context>
<context>
    <name>korvath::ui::RayCommands</name>
    <message>
        <source>Animate the &amp;ray</source>
        <translation>光線をアニメーション表示(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Keep earlier rays</source>
        <translation>前の光線を残す(&amp;K)</translation>
    </message>
    <message>
        <source>C&amp;lear rays</source>
        <translation>光線を消去(&amp;L)</translation>
    </message>
</context>
<context>
    <name>korvath::ui::TakeAway</name>
    <message>
        <source>Copy all values</source>
        <translation>すべての値をコピー</translation>
    </message>
    <message>
        <source>Copy picture</source>
        <translation>図をコピー</translation>
    </message>
    <message>
        <source>Save picture…</source>
        <translation>図を保存…</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>コピー</translation>
    </message>
    <message>
        <source>PNG image (*.png)</source>
        <translation>PNG 画像 (*.png)</translation>
    </message>
    <message>
        <source>SVG drawing (*.svg)</source>
        <translation>SVG 図形 (*.svg)</translation>
    </message>
    <message>
        <source>Save picture</source>
        <translation>図を保存</translation>
    </message>
    <message>
        <source>&amp;Picture</source>
        <translation>図(&amp;P)</translation>
    </message>
    <message>
        <source>%1× (%2 × %3 pixels)</source>
        <translation>%1倍（%2 × %3 ピクセル）</translation>
    </message>
    <message>
        <source>Si&amp;ze:</source>
        <translation>サイズ(&amp;Z):</translation>
    </message>
</context>
<context>
    <name>korvath::ui::WorksheetCommands</name>
    <message>
        <source>&amp;Export worksheet as PDF…</source>
        <translation>ワークシートを PDF として書き出す(&amp;E)…</translation>
    </message>
    <message>
        <source>Worksheet</source>
        <translation>ワークシート</translation>
    </message>
    <message>
        <source>Export worksheet as PDF</source>
        <translation>ワークシートを PDF として書き出す</translation>
    </message>
    <message>
        <source>PDF document (*.pdf)</source>
        <translation>PDF 文書 (*.pdf)</translation>
    </message>
    <message>
        <source>&amp;Print…</source>
        <translation>印刷(&amp;P)…</translation>
    </message>
</context>
</TS>
