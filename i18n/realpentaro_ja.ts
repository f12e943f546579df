<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja">
<context>
    <name>Advisor</name>
    <message>
        <source>No turn to advise on.</source>
        <translation>助言する手番がありません。</translation>
    </message>
    <message>
        <source>the solved game is not at hand.</source>
        <translation>解析済みのゲームが手元にありません。</translation>
    </message>
    <message>
        <source>The dice are still rolling.</source>
        <translation>サイコロはまだ転がっています。</translation>
    </message>
    <message>
        <source>This card is complete.</source>
        <translation>このカードは埋まっています。</translation>
    </message>
    <message>
        <source>Not every move of this game was seen.</source>
        <translation>このゲームの手がすべて記録されていません。</translation>
    </message>
    <message>
        <source>A move of this game is one the advisor does not know.</source>
        <translation>このゲームにはアドバイザーの知らない手があります。</translation>
    </message>
</context>
<context>
    <name>Card</name>
    <message>
        <source>Ones</source>
        <translation>1の目</translation>
    </message>
    <message>
        <source>Twos</source>
        <translation>2の目</translation>
    </message>
    <message>
        <source>Threes</source>
        <translation>3の目</translation>
    </message>
    <message>
        <source>Fours</source>
        <translation>4の目</translation>
    </message>
    <message>
        <source>Fives</source>
        <translation>5の目</translation>
    </message>
    <message>
        <source>Sixes</source>
        <translation>6の目</translation>
    </message>
    <message>
        <source>Sub Total</source>
        <translation>小計</translation>
    </message>
    <message>
        <source>Bonus (if 63)  35pts</source>
        <translation>ボーナス(63) 35点</translation>
    </message>
    <message>
        <source>Upper Total</source>
        <translation>上段合計</translation>
    </message>
    <message>
        <source>3 of a kind</source>
        <translation>スリーカード</translation>
    </message>
    <message>
        <source>4 of a kind</source>
        <translation>フォーカード</translation>
    </message>
    <message>
        <source>Full House</source>
        <translation>フルハウス</translation>
    </message>
    <message>
        <source>Small Straight</source>
        <translation>S.ストレート</translation>
    </message>
    <message>
        <source>Large Straight</source>
        <translation>L.ストレート</translation>
    </message>
    <message>
        <source>Pentaro</source>
        <translation>Pentaro</translation>
    </message>
    <message>
        <source>Chance</source>
        <translation>チャンス</translation>
    </message>
    <message>
        <source>Lower Total</source>
        <translation>下段合計</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>得点</translation>
    </message>
    <message>
        <source> (row %1)</source>
        <translation> (%1行目)</translation>
    </message>
    <message>
        <source>Game %1, %2</source>
        <translation>ゲーム%1、%2</translation>
    </message>
</context>
<context>
    <name>Celebration</name>
    <message>
        <source>Pentaro!</source>
        <translation>Pentaro!</translation>
    </message>
</context>
<context>
    <name>Confirm</name>
    <message>
        <source>Real Pentaro</source>
        <translation>Real Pentaro</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>確認</translation>
    </message>
    <message>
        <source>Confirm (Space or Enter)</source>
        <translation>確認 (スペースまたはEnter)</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Cancel (Escape)</source>
        <translation>キャンセル (Esc)</translation>
    </message>
</context>
<context>
    <name>Controls</name>
    <message>
        <source>checked</source>
        <translation>チェックあり</translation>
    </message>
    <message>
        <source>unchecked</source>
        <translation>チェックなし</translation>
    </message>
</context>
<context>
    <name>Goodbye</name>
    <message>
        <source>Goodbye</source>
        <translation>さようなら</translation>
    </message>
    <message>
        <source>&quot;Even a fool, when he keeps
silent, is considered wise.&quot;</source>
        <translation>「愚かな者も黙っていれば、
知恵ある者と思われる」</translation>
    </message>
</context>
<context>
    <name>Help</name>
    <message>
        <source>Real Pentaro Help</source>
        <translation>Real Pentaro ヘルプ</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>ヘルプ</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>完了</translation>
    </message>
    <message>
        <source>Back to the game (Escape)</source>
        <translation>ゲームに戻る (Esc)</translation>
    </message>
    <message>
        <source>&lt;h1&gt;Real Pentaro Help&lt;/h1&gt;&lt;p&gt;The help file cannot be read: %1&lt;/p&gt;</source>
        <translation>&lt;h1&gt;Real Pentaro ヘルプ&lt;/h1&gt;&lt;p&gt;ヘルプファイルを読めません: %1&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Real Pentaro, version %1</source>
        <translation>Real Pentaro バージョン %1</translation>
    </message>
</context>
<context>
    <name>HighScores</name>
    <message>
        <source>High Scores</source>
        <translation>ハイスコア</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>リセット</translation>
    </message>
    <message>
        <source>Reset the high scores (Space)</source>
        <translation>ハイスコアをリセット (スペース)</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>完了</translation>
    </message>
    <message>
        <source>Back to the table (Enter or Escape)</source>
        <translation>テーブルに戻る (EnterまたはEsc)</translation>
    </message>
</context>
<context>
    <name>Message</name>
    <message>
        <source>Real Pentaro</source>
        <translation>Real Pentaro</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>You must use a<byte value="xd"/>
a Pentaro box<byte value="xd"/>
first</source>
        <translation>先に<byte value="xd"/>
Pentaroの枠を<byte value="xd"/>
使ってください</translation>
    </message>
    <message>
        <source>One Pentaro in each<byte value="xd"/>
column must be<byte value="xd"/>
used first.</source>
        <translation>各列のPentaroを<byte value="xd"/>
1つずつ先に<byte value="xd"/>
使ってください。</translation>
    </message>
    <message>
        <source>Wildcard denied:<byte value="xd"/>
Upper section<byte value="xd"/>
number not used</source>
        <translation>ワイルド不可:<byte value="xd"/>
上段の同じ目が未使用</translation>
    </message>
    <message>
        <source>Wildcard denied:<byte value="xd"/>
All like numbers not<byte value="xd"/>
used in upper section</source>
        <translation>ワイルド不可:<byte value="xd"/>
上段の同じ目を<byte value="xd"/>
すべて使っていません</translation>
    </message>
    <message>
        <source>The language setting<byte value="xd"/>
is unknown: the<byte value="xd"/>
desktop&apos;s is used.</source>
        <translation>言語の設定が不明:<byte value="xd"/>
デスクトップの<byte value="xd"/>
言語を使います。</translation>
    </message>
    <message>
        <source>The Current Game<byte value="xd"/>
Will Be Lost</source>
        <translation>現在のゲームは失われます</translation>
    </message>
    <message>
        <source>You Are About To<byte value="xd"/>
Reset The High Scores</source>
        <translation>ハイスコアをリセットします</translation>
    </message>
    <message>
        <source>Some settings could not be read: defaults are used.</source>
        <translation>一部の設定を読めませんでした: 既定値を使います。</translation>
    </message>
    <message>
        <source>Settings cannot be saved.</source>
        <translation>設定を保存できません。</translation>
    </message>
    <message>
        <source>Settings cannot be read or saved: defaults are used.</source>
        <translation>設定を読み書きできません: 既定値を使います。</translation>
    </message>
</context>
<context>
    <name>NewGame</name>
    <message>
        <source>Person</source>
        <translation>人間</translation>
    </message>
    <message>
        <source>Computer, Easy</source>
        <translation>コンピューター(初級)</translation>
    </message>
    <message>
        <source>Computer, Medium</source>
        <translation>コンピューター(中級)</translation>
    </message>
    <message>
        <source>Computer, Hard</source>
        <translation>コンピューター(上級)</translation>
    </message>
    <message>
        <source>Slow</source>
        <translation>遅い</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>普通</translation>
    </message>
    <message>
        <source>Fast</source>
        <translation>速い</translation>
    </message>
    <message>
        <source>Player %1</source>
        <translation>プレイヤー%1</translation>
    </message>
    <message>
        <source>Language: as the desktop (%1)</source>
        <translation>言語: デスクトップと同じ (%1)</translation>
    </message>
    <message>
        <source>Language: %1</source>
        <translation>言語: %1</translation>
    </message>
    <message>
        <source>The game&apos;s language: press to change (Space)</source>
        <translation>ゲームの言語: 押して変更 (スペース)</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>新しいゲーム</translation>
    </message>
    <message numerus="yes">
        <source>%n player(s)</source>
        <translation>
            <numerusform>%n人</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 (Space)</source>
        <translation>%1 (スペース)</translation>
    </message>
    <message>
        <source>Name of player %1</source>
        <translation>プレイヤー%1の名前</translation>
    </message>
    <message>
        <source>Who plays this seat: press to change (Space)</source>
        <translation>この席で遊ぶ人: 押して変更 (スペース)</translation>
    </message>
    <message>
        <source>Three columns</source>
        <translation>3列</translation>
    </message>
    <message>
        <source>One column</source>
        <translation>1列</translation>
    </message>
    <message>
        <source>How fast the computer plays: press to change (Space)</source>
        <translation>コンピューターの速さ: 押して変更 (スペース)</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>完了</translation>
    </message>
    <message>
        <source>Start the game (Enter)</source>
        <translation>ゲーム開始 (Enter)</translation>
    </message>
    <message>
        <source>Player %1: %2</source>
        <translation>プレイヤー%1: %2</translation>
    </message>
    <message>
        <source>Computer pace: %1</source>
        <translation>コンピューターの速さ: %1</translation>
    </message>
    <message>
        <source>Instant</source>
        <translation>即時</translation>
    </message>
</context>
<context>
    <name>Pictures</name>
    <message>
        <source>KEPT</source>
        <translation>キープ</translation>
    </message>
    <message>
        <source>ROLL</source>
        <translation>振る</translation>
    </message>
    <message>
        <source>Next Player</source>
        <translation>次の人</translation>
    </message>
    <message>
        <source>Person</source>
        <translation>人間</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>初級</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>中級</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>上級</translation>
    </message>
    <message>
        <source>Slow</source>
        <translation>遅い</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>普通</translation>
    </message>
    <message>
        <source>Fast</source>
        <translation>速い</translation>
    </message>
    <message>
        <source>Roll</source>
        <translation>振る</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>新ゲーム</translation>
    </message>
    <message>
        <source>High Scores</source>
        <translation>記録</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>ヘルプ</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>完了</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>ヒント</translation>
    </message>
    <message>
        <source>Review</source>
        <translation>講評</translation>
    </message>
    <message>
        <source>Sound On</source>
        <translation>音あり</translation>
    </message>
    <message>
        <source>Sound Off</source>
        <translation>音なし</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>音</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>リセット</translation>
    </message>
    <message>
        <source>five dice  •  one card  •  up to four players</source>
        <translation>サイコロ5個  •  カード1枚  •  4人まで</translation>
    </message>
    <message>
        <source>Who is playing?</source>
        <translation>だれが遊ぶ?</translation>
    </message>
    <message>
        <source>Played by</source>
        <translation>プレイ</translation>
    </message>
    <message>
        <source>Which game?</source>
        <translation>どのゲーム?</translation>
    </message>
    <message>
        <source>Computer pace</source>
        <translation>COMの速さ</translation>
    </message>
    <message>
        <source>Three columns</source>
        <translation>3列</translation>
    </message>
    <message>
        <source>scored x1, x2, x3</source>
        <translation>得点 x1, x2, x3</translation>
    </message>
    <message>
        <source>One column</source>
        <translation>1列</translation>
    </message>
    <message>
        <source>a single card</source>
        <translation>カード1枚</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名前</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>得点</translation>
    </message>
    <message>
        <source>Three-Column Game</source>
        <translation>3列ゲーム</translation>
    </message>
    <message>
        <source>One-Column Game</source>
        <translation>1列ゲーム</translation>
    </message>
    <message>
        <source>Game over</source>
        <translation>ゲーム終了</translation>
    </message>
    <message>
        <source>A new high score!</source>
        <translation>ハイスコア更新!</translation>
    </message>
    <message>
        <source>SCORE!</source>
        <translation>スコア!</translation>
    </message>
    <message>
        <source>HIGH</source>
        <translation>ハイ</translation>
    </message>
    <message>
        <source>Score Card</source>
        <translation>スコアカード</translation>
    </message>
    <message>
        <source>Instant</source>
        <translation>即時</translation>
    </message>
</context>
<context>
    <name>Results</name>
    <message>
        <source>Game 1 Total</source>
        <translation>ゲーム1 合計</translation>
    </message>
    <message>
        <source>Chips (x-100)</source>
        <translation>チップ (x-100)</translation>
    </message>
    <message>
        <source>Game 2 Total (x-2)</source>
        <translation>ゲーム2 合計 (x-2)</translation>
    </message>
    <message>
        <source>Chips (x-200)</source>
        <translation>チップ (x-200)</translation>
    </message>
    <message>
        <source>Game 3 Total (x-3)</source>
        <translation>ゲーム3 合計 (x-3)</translation>
    </message>
    <message>
        <source>Chips (x-300)</source>
        <translation>チップ (x-300)</translation>
    </message>
    <message>
        <source>Grand Total</source>
        <translation>総合計</translation>
    </message>
    <message>
        <source>Game Over</source>
        <translation>ゲーム終了</translation>
    </message>
    <message>
        <source>player %1</source>
        <translation>プレイヤー%1</translation>
    </message>
    <message>
        <source>Click On Names To See Scorecard</source>
        <translation>名前をクリックでスコアカード表示</translation>
    </message>
    <message>
        <source>Or Tab to a name and press Enter</source>
        <translation>またはTabで名前を選びEnter</translation>
    </message>
    <message>
        <source>A new high score!</source>
        <translation>ハイスコア更新!</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>完了</translation>
    </message>
    <message>
        <source>On to the high scores (Enter or Escape)</source>
        <translation>ハイスコアへ (EnterまたはEsc)</translation>
    </message>
    <message>
        <source>Review</source>
        <translation>講評</translation>
    </message>
    <message>
        <source>How far each decision was from best play, and the luck of the dice</source>
        <translation>各判断が最善手からどれだけ離れていたか、そしてサイコロの運</translation>
    </message>
    <message>
        <source>The Winner is:  </source>
        <translation>勝者:  </translation>
    </message>
    <message>
        <source>Player %1, computer, %2: press Enter to see the score card</source>
        <translation>プレイヤー%1、コンピューター、%2: Enterでスコアカードを表示</translation>
    </message>
    <message>
        <source>Player %1: press Enter to see the score card</source>
        <translation>プレイヤー%1: Enterでスコアカードを表示</translation>
    </message>
    <message>
        <source>computer, %1</source>
        <translation>CPU・%1</translation>
    </message>
    <message>
        <source>%1: computer, %2</source>
        <translation>%1: コンピューター、%2</translation>
    </message>
    <message>
        <source>%1&apos;s score card (Enter)</source>
        <translation>%1のスコアカード (Enter)</translation>
    </message>
    <message>
        <source>Best play averages %1 points a game: your %2 is %3 %4 it.</source>
        <translation>最善手の平均は1ゲーム%1点です。あなたの%2点はそれより%3点%4です。</translation>
    </message>
    <message>
        <source>below</source>
        <translation>低い</translation>
    </message>
    <message>
        <source>above</source>
        <translation>高い</translation>
    </message>
</context>
<context>
    <name>Resume</name>
    <message>
        <source> and </source>
        <translation> と </translation>
    </message>
    <message>
        <source>Continue the game of %1?</source>
        <translation>%1 のゲームを続けますか?</translation>
    </message>
    <message>
        <source>Cancel keeps it for the next start.</source>
        <translation>キャンセルしても保存されます。</translation>
    </message>
    <message>
        <source>Cancel (Escape): keep the game for later</source>
        <translation>キャンセル (Esc): ゲームを後のために保存</translation>
    </message>
</context>
<context>
    <name>Review</name>
    <message>
        <source>Game Review</source>
        <translation>ゲームの講評</translation>
    </message>
    <message>
        <source>Review of</source>
        <translation>講評の対象</translation>
    </message>
    <message>
        <source>Decisions, most costly first</source>
        <translation>判断 (損失の大きい順)</translation>
    </message>
    <message>
        <source>Turn</source>
        <translation>手番</translation>
    </message>
    <message>
        <source>Roll</source>
        <translation>投</translation>
    </message>
    <message>
        <source>Dice</source>
        <translation>サイコロ</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>完了</translation>
    </message>
    <message>
        <source>Best play</source>
        <translation>最善手</translation>
    </message>
    <message>
        <source>Cost</source>
        <translation>損失</translation>
    </message>
    <message>
        <source>Back (Enter or Escape)</source>
        <translation>戻る (EnterまたはEsc)</translation>
    </message>
    <message>
        <source>The position</source>
        <translation>局面</translation>
    </message>
    <message>
        <source>. Dice: </source>
        <translation>。サイコロ: </translation>
    </message>
    <message>
        <source>Select a decision
to see its position</source>
        <translation>判断を選ぶと
その局面を表示します</translation>
    </message>
    <message>
        <source>Turn %1, roll %2</source>
        <translation>%1手目、%2投目</translation>
    </message>
    <message>
        <source>Bonus (63)</source>
        <translation>ボーナス(63)</translation>
    </message>
    <message>
        <source>red: your choice</source>
        <translation>赤: あなたの選択</translation>
    </message>
    <message>
        <source>green: best play</source>
        <translation>緑: 最善手</translation>
    </message>
    <message>
        <source>The game&apos;s course</source>
        <translation>ゲームの流れ</translation>
    </message>
    <message>
        <source>estimated </source>
        <translation>推定 </translation>
    </message>
    <message>
        <source>Start: %1expected %2.</source>
        <translation>開始: %1期待値 %2。</translation>
    </message>
    <message>
        <source>Turn %1: %2expected %3, banked %4, cost %5.</source>
        <translation>%1手目: %2期待値 %3、獲得 %4、損失 %5。</translation>
    </message>
    <message>
        <source>turn</source>
        <translation>手番</translation>
    </message>
    <message>
        <source>expected with best play</source>
        <translation>最善手での期待値</translation>
    </message>
    <message>
        <source>banked</source>
        <translation>獲得</translation>
    </message>
    <message>
        <source>costliest turns</source>
        <translation>損失の大きい手番</translation>
    </message>
    <message>
        <source>rolls all five</source>
        <translation>5個すべて振り直し</translation>
    </message>
    <message>
        <source>rolled all five</source>
        <translation>5個すべて振り直し</translation>
    </message>
    <message>
        <source>keeps </source>
        <translation>キープ </translation>
    </message>
    <message>
        <source>kept </source>
        <translation>キープ </translation>
    </message>
    <message>
        <source>enters </source>
        <translation>記入 </translation>
    </message>
    <message>
        <source>entered </source>
        <translation>記入 </translation>
    </message>
    <message>
        <source>Pentaro box %1</source>
        <translation>Pentaro枠%1</translation>
    </message>
    <message>
        <source> in Game %1</source>
        <translation> (ゲーム%1)</translation>
    </message>
    <message>
        <source>No review of this game: %1</source>
        <translation>このゲームの講評はありません: %1</translation>
    </message>
    <message>
        <source>an estimated </source>
        <translation>推定 </translation>
    </message>
    <message>
        <source>Best play from the start expects %1%2. Your decisions cost %1%3 points and the dice gave you %1%4: %5.</source>
        <translation>最善手の期待値%1%2点。判断による損失%1%3点、サイコロの運%1%4: %5。</translation>
    </message>
    <message>
        <source>the same</source>
        <translation>同じ</translation>
    </message>
    <message>
        <source>best play too</source>
        <translation>最善手どおり</translation>
    </message>
    <message>
        <source>best </source>
        <translation>最善は </translation>
    </message>
    <message>
        <source>Turn %1, roll %2: %3 %4 %5 (%6)</source>
        <translation>%1手目、%2投目: %3 %4 %5 (%6)</translation>
    </message>
    <message>
        <source> + a chip</source>
        <translation> + チップ1枚</translation>
    </message>
    <message>
        <source> + the 35 bonus</source>
        <translation> + ボーナス35点</translation>
    </message>
</context>
<context>
    <name>Rules</name>
    <message>
        <source>Roll the dice first.</source>
        <translation>先にサイコロを振ってください。</translation>
    </message>
    <message>
        <source>That box is filled.</source>
        <translation>その枠は埋まっています。</translation>
    </message>
    <message>
        <source>Game 2 is not played in a one-column game.</source>
        <translation>1列ゲームではゲーム2はありません。</translation>
    </message>
    <message>
        <source>Game 3 is not played in a one-column game.</source>
        <translation>1列ゲームではゲーム3はありません。</translation>
    </message>
    <message>
        <source>Wait for the next player.</source>
        <translation>次のプレイヤーを待ってください。</translation>
    </message>
    <message>
        <source>Start a game with New Game.</source>
        <translation>「新しいゲーム」でゲームを始めてください。</translation>
    </message>
    <message>
        <source>Press New Game to start.</source>
        <translation>「新しいゲーム」を押して始めてください。</translation>
    </message>
</context>
<context>
    <name>ScoreCard</name>
    <message>
        <source>Score Card</source>
        <translation>スコアカード</translation>
    </message>
    <message>
        <source>Game %1, Pentaro box %2</source>
        <translation>ゲーム%1、Pentaro枠%2</translation>
    </message>
    <message>
        <source>Pentaro Chips:</source>
        <translation>チップ:</translation>
    </message>
    <message>
        <source>Chip, Game %1</source>
        <translation>チップ、ゲーム%1</translation>
    </message>
    <message>
        <source>Chips, Game %1</source>
        <translation>チップ、ゲーム%1</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>完了</translation>
    </message>
    <message>
        <source>Back to the results (Enter or Escape)</source>
        <translation>結果に戻る (EnterまたはEsc)</translation>
    </message>
    <message>
        <source>Review</source>
        <translation>講評</translation>
    </message>
    <message>
        <source>How far each decision was from best play, and the luck of the dice</source>
        <translation>各判断が最善手からどれだけ離れていたか、そしてサイコロの運</translation>
    </message>
    <message>
        <source>shown</source>
        <translation>表示中</translation>
    </message>
</context>
<context>
    <name>Seats</name>
    <message>
        <source>Person</source>
        <translation>人間</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>初級</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>中級</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>上級</translation>
    </message>
</context>
<context>
    <name>Splash</name>
    <message>
        <source>Splash</source>
        <translation>スプラッシュ</translation>
    </message>
    <message>
        <source>&quot;Iron sharpens iron, so
one man sharpens another.&quot;</source>
        <translation>「鉄は鉄をとぐ、
そのように人はその友をとぐ」</translation>
    </message>
</context>
<context>
    <name>Start</name>
    <message>
        <source>Real Pentaro</source>
        <translation>Real Pentaro</translation>
    </message>
    <message>
        <source>Real Pentaro cannot start: pictures are missing or broken.

%1

Looked in: %2</source>
        <translation>Real Pentaro を起動できません: 画像がないか壊れています。

%1

探した場所: %2</translation>
    </message>
</context>
<context>
    <name>Table</name>
    <message>
        <source>Real Pentaro</source>
        <translation>Real Pentaro</translation>
    </message>
    <message>
        <source>Sound On</source>
        <translation>音あり</translation>
    </message>
    <message>
        <source>Sound Off</source>
        <translation>音なし</translation>
    </message>
    <message>
        <source>Rolls</source>
        <translation>振った回数</translation>
    </message>
    <message>
        <source>No sound device found</source>
        <translation>サウンドデバイスが見つかりません</translation>
    </message>
    <message>
        <source>shown</source>
        <translation>表示中</translation>
    </message>
    <message>
        <source>Die %1</source>
        <translation>サイコロ%1</translation>
    </message>
    <message>
        <source>, kept</source>
        <translation>、キープ</translation>
    </message>
    <message>
        <source>Rolls: %1</source>
        <translation>振った回数: %1</translation>
    </message>
    <message>
        <source>%1 enters %2 in %3, Game %4</source>
        <translation>%1: %3に%2、ゲーム%4</translation>
    </message>
    <message>
        <source>%1 enters %2 in Pentaro box %3, Game %4</source>
        <translation>%1: Pentaro枠%3に%2、ゲーム%4</translation>
    </message>
    <message>
        <source>Roll %1: %2</source>
        <translation>%1投目: %2</translation>
    </message>
    <message>
        <source>%1 rolls %2</source>
        <translation>%1 の出目: %2</translation>
    </message>
    <message>
        <source>. Pentaro!</source>
        <translation>。Pentaro!</translation>
    </message>
    <message>
        <source>%1 to play</source>
        <translation>%1 の番</translation>
    </message>
    <message>
        <source>Proverbs 27:17</source>
        <translation>箴言 27:17</translation>
    </message>
    <message>
        <source>Game 1</source>
        <translation>ゲーム1</translation>
    </message>
    <message>
        <source>Game 2</source>
        <translation>ゲーム2</translation>
    </message>
    <message>
        <source>Game 3</source>
        <translation>ゲーム3</translation>
    </message>
    <message>
        <source>Game %1, Pentaro box %2</source>
        <translation>ゲーム%1、Pentaro枠%2</translation>
    </message>
    <message>
        <source>Pentaro Chips:</source>
        <translation>チップ:</translation>
    </message>
    <message>
        <source>Chip, Game %1</source>
        <translation>チップ、ゲーム%1</translation>
    </message>
    <message>
        <source>%1 (key %2)</source>
        <translation>%1 (キー %2)</translation>
    </message>
    <message>
        <source>Click to put back</source>
        <translation>クリックで戻す</translation>
    </message>
    <message>
        <source>Click to keep</source>
        <translation>クリックでキープ</translation>
    </message>
    <message>
        <source>Roll</source>
        <translation>振る</translation>
    </message>
    <message>
        <source>Click to roll dice (Enter)</source>
        <translation>クリックでサイコロを振る (Enter)</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>新しいゲーム</translation>
    </message>
    <message>
        <source>Click to begin new game (N)</source>
        <translation>クリックで新しいゲーム (N)</translation>
    </message>
    <message>
        <source>High Scores</source>
        <translation>ハイスコア</translation>
    </message>
    <message>
        <source>Click to show high scores (S)</source>
        <translation>クリックでハイスコア表示 (S)</translation>
    </message>
    <message>
        <source>Enable/Disable Sound (M)</source>
        <translation>音のオン/オフ (M)</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>ヘルプ</translation>
    </message>
    <message>
        <source>Click for help (F1)</source>
        <translation>クリックでヘルプ (F1)</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>ヒント</translation>
    </message>
    <message>
        <source>Click for the best move (H)</source>
        <translation>クリックで最善手を表示 (H)</translation>
    </message>
    <message>
        <source>Exit The Program</source>
        <translation>プログラムを終了</translation>
    </message>
    <message>
        <source>Exit The Program (Ctrl+Q)</source>
        <translation>プログラムを終了 (Ctrl+Q)</translation>
    </message>
    <message>
        <source>Next player</source>
        <translation>次のプレイヤー</translation>
    </message>
    <message>
        <source>The computer cannot play: %1</source>
        <translation>コンピューターが遊べません: %1</translation>
    </message>
    <message>
        <source>%1 keeps %2</source>
        <translation>%1 は %2 をキープ</translation>
    </message>
    <message>
        <source> and </source>
        <translation> と </translation>
    </message>
    <message>
        <source>Roll the dice.</source>
        <translation>サイコロを振ってください。</translation>
    </message>
    <message>
        <source>Roll all five dice.</source>
        <translation>5個すべて振ってください。</translation>
    </message>
    <message>
        <source>Keep %1 (%2 %3), roll the rest.</source>
        <translation>%1 をキープ (%2 %3)、残りを振り直し。</translation>
    </message>
    <message>
        <source>die</source>
        <translation>サイコロ</translation>
    </message>
    <message>
        <source>dice</source>
        <translation>サイコロ</translation>
    </message>
    <message>
        <source>Pentaro box %1</source>
        <translation>Pentaro枠%1</translation>
    </message>
    <message>
        <source>Take Game %1, %2: %3 points.</source>
        <translation>ゲーム%1の%2に記入: %3点。</translation>
    </message>
    <message>
        <source>With best play: %1 expected.</source>
        <translation>最善手なら期待値 %1。</translation>
    </message>
    <message>
        <source>Estimate: about %1 (heuristic).</source>
        <translation>推定: 約%1 (概算)。</translation>
    </message>
    <message>
        <source>The hint is off: %1</source>
        <translation>ヒントは使えません: %1</translation>
    </message>
    <message>
        <source> Hints keep this game out of the high scores.</source>
        <translation> ヒントを使うとこのゲームはハイスコアに載りません。</translation>
    </message>
    <message>
        <source>Game %1, %2</source>
        <translation>ゲーム%1、%2</translation>
    </message>
    <message>
        <source>would score </source>
        <translation>予想得点 </translation>
    </message>
    <message>
        <source>not played</source>
        <translation>未使用</translation>
    </message>
    <message>
        <source>suggested</source>
        <translation>おすすめ</translation>
    </message>
    <message>
        <source>Previews on</source>
        <translation>プレビューオン</translation>
    </message>
    <message>
        <source>Previews off</source>
        <translation>プレビューオフ</translation>
    </message>
    <message>
        <source>Show this card (Ctrl+%1)</source>
        <translation>このカードを表示 (Ctrl+%1)</translation>
    </message>
    <message>
        <source>on turn</source>
        <translation>手番中</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>状態</translation>
    </message>
    <message>
        <source>↶ Undo</source>
        <translation>↶ 戻す</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>元に戻す</translation>
    </message>
    <message>
        <source>Take back the last entry (Ctrl+Z)</source>
        <translation>最後の記入を取り消す (Ctrl+Z)</translation>
    </message>
    <message>
        <source>Entry taken back</source>
        <translation>記入を取り消しました</translation>
    </message>
    <message>
        <source>Smaller (Ctrl+Minus)</source>
        <translation>縮小 (Ctrl+マイナス)</translation>
    </message>
    <message>
        <source>Zoom; back to 100 % (Ctrl+0)</source>
        <translation>ズーム: 100 %に戻す (Ctrl+0)</translation>
    </message>
    <message>
        <source>Larger (Ctrl+Plus)</source>
        <translation>拡大 (Ctrl+プラス)</translation>
    </message>
    <message>
        <source>Smaller</source>
        <translation>縮小</translation>
    </message>
    <message>
        <source>Larger</source>
        <translation>拡大</translation>
    </message>
    <message>
        <source>Zoom %1 %</source>
        <translation>ズーム %1 %</translation>
    </message>
    <message>
        <source>bonus won</source>
        <translation>ボーナス獲得</translation>
    </message>
    <message>
        <source>upper bonus won</source>
        <translation>上段ボーナス獲得</translation>
    </message>
    <message>
        <source>bonus lost</source>
        <translation>ボーナスなし</translation>
    </message>
    <message>
        <source>upper bonus out of reach</source>
        <translation>上段ボーナスは届かない</translation>
    </message>
    <message>
        <source>%1 of 63</source>
        <translation>%1/63</translation>
    </message>
    <message>
        <source>%1 of 63 toward the upper bonus</source>
        <translation>上段ボーナスまで %1/63</translation>
    </message>
    <message>
        <source>You have rolled since.</source>
        <translation>そのあとに振っています。</translation>
    </message>
    <message>
        <source>Nothing to take back.</source>
        <translation>取り消せるものがありません。</translation>
    </message>
</context>
</TS>
