<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="uk">
<context>
    <name>Advisor</name>
    <message>
        <source>No turn to advise on.</source>
        <translation>Немає ходу, для якого потрібна порада.</translation>
    </message>
    <message>
        <source>the solved game is not at hand.</source>
        <translation>розв’язана гра недоступна.</translation>
    </message>
    <message>
        <source>The dice are still rolling.</source>
        <translation>Кубики ще котяться.</translation>
    </message>
    <message>
        <source>This card is complete.</source>
        <translation>Цю карту заповнено.</translation>
    </message>
    <message>
        <source>Not every move of this game was seen.</source>
        <translation>Не всі ходи цієї гри було видно.</translation>
    </message>
    <message>
        <source>A move of this game is one the advisor does not know.</source>
        <translation>У цій грі є хід, якого порадник не знає.</translation>
    </message>
</context>
<context>
    <name>Card</name>
    <message>
        <source>Ones</source>
        <translation>Одиниці</translation>
    </message>
    <message>
        <source>Twos</source>
        <translation>Двійки</translation>
    </message>
    <message>
        <source>Threes</source>
        <translation>Трійки</translation>
    </message>
    <message>
        <source>Fours</source>
        <translation>Четвірки</translation>
    </message>
    <message>
        <source>Fives</source>
        <translation>П’ятірки</translation>
    </message>
    <message>
        <source>Sixes</source>
        <translation>Шістки</translation>
    </message>
    <message>
        <source>Sub Total</source>
        <translation>Сума</translation>
    </message>
    <message>
        <source>Bonus (if 63)  35pts</source>
        <translation>Бонус (63)  35 оч.</translation>
    </message>
    <message>
        <source>Upper Total</source>
        <translation>Разом угорі</translation>
    </message>
    <message>
        <source>3 of a kind</source>
        <translation>Трійка</translation>
    </message>
    <message>
        <source>4 of a kind</source>
        <translation>Каре</translation>
    </message>
    <message>
        <source>Full House</source>
        <translation>Фул-хаус</translation>
    </message>
    <message>
        <source>Small Straight</source>
        <translation>Малий стріт</translation>
    </message>
    <message>
        <source>Large Straight</source>
        <translation>Великий стріт</translation>
    </message>
    <message>
        <source>Pentaro</source>
        <translation>Pentaro</translation>
    </message>
    <message>
        <source>Chance</source>
        <translation>Шанс</translation>
    </message>
    <message>
        <source>Lower Total</source>
        <translation>Разом унизу</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Очки</translation>
    </message>
    <message>
        <source> (row %1)</source>
        <translation> (рядок %1)</translation>
    </message>
    <message>
        <source>Game %1, %2</source>
        <translation>Гра %1, %2</translation>
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
        <translation>Підтвердити</translation>
    </message>
    <message>
        <source>Confirm (Space or Enter)</source>
        <translation>Підтвердити (Пробіл або Enter)</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Скасувати</translation>
    </message>
    <message>
        <source>Cancel (Escape)</source>
        <translation>Скасувати (Esc)</translation>
    </message>
</context>
<context>
    <name>Controls</name>
    <message>
        <source>checked</source>
        <translation>позначено</translation>
    </message>
    <message>
        <source>unchecked</source>
        <translation>не позначено</translation>
    </message>
</context>
<context>
    <name>Goodbye</name>
    <message>
        <source>Goodbye</source>
        <translation>До побачення</translation>
    </message>
    <message>
        <source>&quot;Even a fool, when he keeps
silent, is considered wise.&quot;</source>
        <translation>«Навіть нерозумний, як мовчить,
за мудрого матиметься»</translation>
    </message>
</context>
<context>
    <name>Help</name>
    <message>
        <source>Real Pentaro Help</source>
        <translation>Довідка Real Pentaro</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Довідка</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Готово</translation>
    </message>
    <message>
        <source>Back to the game (Escape)</source>
        <translation>Назад до гри (Esc)</translation>
    </message>
    <message>
        <source>&lt;h1&gt;Real Pentaro Help&lt;/h1&gt;&lt;p&gt;The help file cannot be read: %1&lt;/p&gt;</source>
        <translation>&lt;h1&gt;Довідка Real Pentaro&lt;/h1&gt;&lt;p&gt;Не вдається прочитати файл довідки: %1&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Real Pentaro, version %1</source>
        <translation>Real Pentaro, версія %1</translation>
    </message>
</context>
<context>
    <name>HighScores</name>
    <message>
        <source>High Scores</source>
        <translation>Рекорди</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Скинути</translation>
    </message>
    <message>
        <source>Reset the high scores (Space)</source>
        <translation>Скинути рекорди (Пробіл)</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Готово</translation>
    </message>
    <message>
        <source>Back to the table (Enter or Escape)</source>
        <translation>Назад до столу (Enter або Esc)</translation>
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
        <translation>Спершу треба<byte value="xd"/>
зайняти клітинку<byte value="xd"/>
Pentaro</translation>
    </message>
    <message>
        <source>One Pentaro in each<byte value="xd"/>
column must be<byte value="xd"/>
used first.</source>
        <translation>Спершу треба<byte value="xd"/>
зайняти по Pentaro<byte value="xd"/>
у кожному стовпці.</translation>
    </message>
    <message>
        <source>Wildcard denied:<byte value="xd"/>
Upper section<byte value="xd"/>
number not used</source>
        <translation>Джокер не прийнято:<byte value="xd"/>
число у верхній<byte value="xd"/>
частині не зайняте</translation>
    </message>
    <message>
        <source>Wildcard denied:<byte value="xd"/>
All like numbers not<byte value="xd"/>
used in upper section</source>
        <translation>Джокер не прийнято:<byte value="xd"/>
не всі такі числа<byte value="xd"/>
зайняті вгорі</translation>
    </message>
    <message>
        <source>The language setting<byte value="xd"/>
is unknown: the<byte value="xd"/>
desktop&apos;s is used.</source>
        <translation>Мову в налаштуваннях<byte value="xd"/>
не розпізнано: взято<byte value="xd"/>
мову системи.</translation>
    </message>
    <message>
        <source>The Current Game<byte value="xd"/>
Will Be Lost</source>
        <translation>Поточну гру<byte value="xd"/>
буде втрачено</translation>
    </message>
    <message>
        <source>You Are About To<byte value="xd"/>
Reset The High Scores</source>
        <translation>Ви збираєтеся<byte value="xd"/>
скинути рекорди</translation>
    </message>
    <message>
        <source>Some settings could not be read: defaults are used.</source>
        <translation>Деякі налаштування не прочитано: взято типові значення.</translation>
    </message>
    <message>
        <source>Settings cannot be saved.</source>
        <translation>Налаштування не вдається зберегти.</translation>
    </message>
    <message>
        <source>Settings cannot be read or saved: defaults are used.</source>
        <translation>Налаштування не вдається прочитати чи зберегти: взято типові значення.</translation>
    </message>
</context>
<context>
    <name>NewGame</name>
    <message>
        <source>Person</source>
        <translation>Людина</translation>
    </message>
    <message>
        <source>Computer, Easy</source>
        <translation>Комп’ютер, легко</translation>
    </message>
    <message>
        <source>Computer, Medium</source>
        <translation>Комп’ютер, середньо</translation>
    </message>
    <message>
        <source>Computer, Hard</source>
        <translation>Комп’ютер, складно</translation>
    </message>
    <message>
        <source>Slow</source>
        <translation>Повільно</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Звичайно</translation>
    </message>
    <message>
        <source>Fast</source>
        <translation>Швидко</translation>
    </message>
    <message>
        <source>Player %1</source>
        <translation>Гравець %1</translation>
    </message>
    <message>
        <source>Language: as the desktop (%1)</source>
        <translation>Мова: як у системі (%1)</translation>
    </message>
    <message>
        <source>Language: %1</source>
        <translation>Мова: %1</translation>
    </message>
    <message>
        <source>The game&apos;s language: press to change (Space)</source>
        <translation>Мова гри: натисніть, щоб змінити (Пробіл)</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Нова гра</translation>
    </message>
    <message numerus="yes">
        <source>%n player(s)</source>
        <translation>
            <numerusform>%n гравець</numerusform>
            <numerusform>%n гравці</numerusform>
            <numerusform>%n гравців</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 (Space)</source>
        <translation>%1 (Пробіл)</translation>
    </message>
    <message>
        <source>Name of player %1</source>
        <translation>Ім’я гравця %1</translation>
    </message>
    <message>
        <source>Who plays this seat: press to change (Space)</source>
        <translation>Хто грає на цьому місці: натисніть, щоб змінити (Пробіл)</translation>
    </message>
    <message>
        <source>Three columns</source>
        <translation>Три стовпці</translation>
    </message>
    <message>
        <source>One column</source>
        <translation>Один стовпець</translation>
    </message>
    <message>
        <source>How fast the computer plays: press to change (Space)</source>
        <translation>Як швидко грає комп’ютер: натисніть, щоб змінити (Пробіл)</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Готово</translation>
    </message>
    <message>
        <source>Start the game (Enter)</source>
        <translation>Почати гру (Enter)</translation>
    </message>
    <message>
        <source>Player %1: %2</source>
        <translation>Гравець %1: %2</translation>
    </message>
    <message>
        <source>Computer pace: %1</source>
        <translation>Темп комп’ютера: %1</translation>
    </message>
    <message>
        <source>Instant</source>
        <translation>Миттєво</translation>
    </message>
</context>
<context>
    <name>Pictures</name>
    <message>
        <source>KEPT</source>
        <translation>ВІДКЛ.</translation>
    </message>
    <message>
        <source>ROLL</source>
        <translation>КИДОК</translation>
    </message>
    <message>
        <source>Next Player</source>
        <translation>Наступний</translation>
    </message>
    <message>
        <source>Person</source>
        <translation>Людина</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>Легко</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Середньо</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Складно</translation>
    </message>
    <message>
        <source>Slow</source>
        <translation>Повільно</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Звичайно</translation>
    </message>
    <message>
        <source>Fast</source>
        <translation>Швидко</translation>
    </message>
    <message>
        <source>Roll</source>
        <translation>Кидок</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Нова гра</translation>
    </message>
    <message>
        <source>High Scores</source>
        <translation>Рекорди</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Довідка</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Так</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Відміна</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Готово</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Порада</translation>
    </message>
    <message>
        <source>Review</source>
        <translation>Розбір</translation>
    </message>
    <message>
        <source>Sound On</source>
        <translation>Зі звуком</translation>
    </message>
    <message>
        <source>Sound Off</source>
        <translation>Без звуку</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Звук</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Скинути</translation>
    </message>
    <message>
        <source>five dice  •  one card  •  up to four players</source>
        <translation>п’ять кубиків  •  одна карта  •  до чотирьох гравців</translation>
    </message>
    <message>
        <source>Who is playing?</source>
        <translation>Хто грає?</translation>
    </message>
    <message>
        <source>Played by</source>
        <translation>Грає</translation>
    </message>
    <message>
        <source>Which game?</source>
        <translation>Яка гра?</translation>
    </message>
    <message>
        <source>Computer pace</source>
        <translation>Темп комп’ютера</translation>
    </message>
    <message>
        <source>Three columns</source>
        <translation>Три стовпці</translation>
    </message>
    <message>
        <source>scored x1, x2, x3</source>
        <translation>очки x1, x2, x3</translation>
    </message>
    <message>
        <source>One column</source>
        <translation>Один стовпець</translation>
    </message>
    <message>
        <source>a single card</source>
        <translation>одна карта</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Ім’я</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Очки</translation>
    </message>
    <message>
        <source>Three-Column Game</source>
        <translation>Гра у три стовпці</translation>
    </message>
    <message>
        <source>One-Column Game</source>
        <translation>Гра в один стовпець</translation>
    </message>
    <message>
        <source>Game over</source>
        <translation>Кінець гри</translation>
    </message>
    <message>
        <source>A new high score!</source>
        <translation>Новий рекорд!</translation>
    </message>
    <message>
        <source>SCORE!</source>
        <translation>РЕКОРД!</translation>
    </message>
    <message>
        <source>HIGH</source>
        <translation>УРА!</translation>
    </message>
    <message>
        <source>Score Card</source>
        <translation>Карта очок</translation>
    </message>
    <message>
        <source>Instant</source>
        <translation>Миттєво</translation>
    </message>
</context>
<context>
    <name>Results</name>
    <message>
        <source>Game 1 Total</source>
        <translation>Разом, гра 1</translation>
    </message>
    <message>
        <source>Chips (x-100)</source>
        <translation>Фішки (x-100)</translation>
    </message>
    <message>
        <source>Game 2 Total (x-2)</source>
        <translation>Разом, гра 2 (x-2)</translation>
    </message>
    <message>
        <source>Chips (x-200)</source>
        <translation>Фішки (x-200)</translation>
    </message>
    <message>
        <source>Game 3 Total (x-3)</source>
        <translation>Разом, гра 3 (x-3)</translation>
    </message>
    <message>
        <source>Chips (x-300)</source>
        <translation>Фішки (x-300)</translation>
    </message>
    <message>
        <source>Grand Total</source>
        <translation>Загальний підсумок</translation>
    </message>
    <message>
        <source>Game Over</source>
        <translation>Кінець гри</translation>
    </message>
    <message>
        <source>player %1</source>
        <translation>гравець %1</translation>
    </message>
    <message>
        <source>Click On Names To See Scorecard</source>
        <translation>Натисніть на ім’я, щоб побачити карту</translation>
    </message>
    <message>
        <source>Or Tab to a name and press Enter</source>
        <translation>Або Tab до імені та Enter</translation>
    </message>
    <message>
        <source>A new high score!</source>
        <translation>Новий рекорд!</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Готово</translation>
    </message>
    <message>
        <source>On to the high scores (Enter or Escape)</source>
        <translation>До рекордів (Enter або Esc)</translation>
    </message>
    <message>
        <source>Review</source>
        <translation>Розбір</translation>
    </message>
    <message>
        <source>How far each decision was from best play, and the luck of the dice</source>
        <translation>Наскільки кожне рішення відстояло від найкращої гри і як пощастило з кубиками</translation>
    </message>
    <message>
        <source>The Winner is:  </source>
        <translation>Переможець:  </translation>
    </message>
    <message>
        <source>Player %1, computer, %2: press Enter to see the score card</source>
        <translation>Гравець %1, комп’ютер, %2: натисніть Enter, щоб побачити карту очок</translation>
    </message>
    <message>
        <source>Player %1: press Enter to see the score card</source>
        <translation>Гравець %1: натисніть Enter, щоб побачити карту очок</translation>
    </message>
    <message>
        <source>computer, %1</source>
        <translation>комп’ютер, %1</translation>
    </message>
    <message>
        <source>%1: computer, %2</source>
        <translation>%1: комп’ютер, %2</translation>
    </message>
    <message>
        <source>%1&apos;s score card (Enter)</source>
        <translation>Карта очок: %1 (Enter)</translation>
    </message>
    <message>
        <source>Best play averages %1 points a game: your %2 is %3 %4 it.</source>
        <translation>Найкраща гра набирає в середньому %1 очка за партію: ваш результат %2 на %3 %4.</translation>
    </message>
    <message>
        <source>below</source>
        <translation>нижчий</translation>
    </message>
    <message>
        <source>above</source>
        <translation>вищий</translation>
    </message>
</context>
<context>
    <name>Resume</name>
    <message>
        <source> and </source>
        <translation> і </translation>
    </message>
    <message>
        <source>Continue the game of %1?</source>
        <translation>Продовжити гру: %1?</translation>
    </message>
    <message>
        <source>Cancel keeps it for the next start.</source>
        <translation>«Скасувати» збереже її до наступного запуску.</translation>
    </message>
    <message>
        <source>Cancel (Escape): keep the game for later</source>
        <translation>Скасувати (Esc): зберегти гру на потім</translation>
    </message>
</context>
<context>
    <name>Review</name>
    <message>
        <source>Game Review</source>
        <translation>Розбір гри</translation>
    </message>
    <message>
        <source>Review of</source>
        <translation>Розбір для</translation>
    </message>
    <message>
        <source>Decisions, most costly first</source>
        <translation>Рішення, найдорожчі спершу</translation>
    </message>
    <message>
        <source>Turn</source>
        <translation>Хід</translation>
    </message>
    <message>
        <source>Roll</source>
        <translation>Кидок</translation>
    </message>
    <message>
        <source>Dice</source>
        <translation>Кубики</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Готово</translation>
    </message>
    <message>
        <source>Best play</source>
        <translation>Найкраща гра</translation>
    </message>
    <message>
        <source>Cost</source>
        <translation>Втрата</translation>
    </message>
    <message>
        <source>Back (Enter or Escape)</source>
        <translation>Назад (Enter або Esc)</translation>
    </message>
    <message>
        <source>The position</source>
        <translation>Позиція</translation>
    </message>
    <message>
        <source>. Dice: </source>
        <translation>. Кубики: </translation>
    </message>
    <message>
        <source>Select a decision
to see its position</source>
        <translation>Виберіть рішення,
щоб побачити позицію</translation>
    </message>
    <message>
        <source>Turn %1, roll %2</source>
        <translation>Хід %1, кидок %2</translation>
    </message>
    <message>
        <source>Bonus (63)</source>
        <translation>Бонус (63)</translation>
    </message>
    <message>
        <source>red: your choice</source>
        <translation>червоний: ваш вибір</translation>
    </message>
    <message>
        <source>green: best play</source>
        <translation>зелений: найкраща гра</translation>
    </message>
    <message>
        <source>The game&apos;s course</source>
        <translation>Перебіг гри</translation>
    </message>
    <message>
        <source>estimated </source>
        <translation>приблизно </translation>
    </message>
    <message>
        <source>Start: %1expected %2.</source>
        <translation>Старт: %1очікувалося %2.</translation>
    </message>
    <message>
        <source>Turn %1: %2expected %3, banked %4, cost %5.</source>
        <translation>Хід %1: %2очікувалося %3, набрано %4, втрата %5.</translation>
    </message>
    <message>
        <source>turn</source>
        <translation>хід</translation>
    </message>
    <message>
        <source>expected with best play</source>
        <translation>очікувалося за найкращої гри</translation>
    </message>
    <message>
        <source>banked</source>
        <translation>набрано</translation>
    </message>
    <message>
        <source>costliest turns</source>
        <translation>найдорожчі ходи</translation>
    </message>
    <message>
        <source>rolls all five</source>
        <translation>перекинути всі п’ять</translation>
    </message>
    <message>
        <source>rolled all five</source>
        <translation>перекинули всі п’ять</translation>
    </message>
    <message>
        <source>keeps </source>
        <translation>залишити </translation>
    </message>
    <message>
        <source>kept </source>
        <translation>залишили </translation>
    </message>
    <message>
        <source>enters </source>
        <translation>записати </translation>
    </message>
    <message>
        <source>entered </source>
        <translation>записали </translation>
    </message>
    <message>
        <source>Pentaro box %1</source>
        <translation>клітинка Pentaro %1</translation>
    </message>
    <message>
        <source> in Game %1</source>
        <translation> у грі %1</translation>
    </message>
    <message>
        <source>No review of this game: %1</source>
        <translation>Немає розбору цієї гри: %1</translation>
    </message>
    <message>
        <source>an estimated </source>
        <translation>приблизно </translation>
    </message>
    <message>
        <source>Best play from the start expects %1%2. Your decisions cost %1%3 points and the dice gave you %1%4: %5.</source>
        <translation>Найкраща гра від самого початку очікує %1%2. Ваші рішення коштували %1%3 очка, а кубики дали вам %1%4: %5.</translation>
    </message>
    <message>
        <source>the same</source>
        <translation>те саме</translation>
    </message>
    <message>
        <source>best play too</source>
        <translation>і це найкраща гра</translation>
    </message>
    <message>
        <source>best </source>
        <translation>краще </translation>
    </message>
    <message>
        <source>Turn %1, roll %2: %3 %4 %5 (%6)</source>
        <translation>Хід %1, кидок %2: %3 %4 %5 (%6)</translation>
    </message>
    <message>
        <source> + a chip</source>
        <translation> + фішка</translation>
    </message>
    <message>
        <source> + the 35 bonus</source>
        <translation> + бонус 35</translation>
    </message>
</context>
<context>
    <name>Rules</name>
    <message>
        <source>Roll the dice first.</source>
        <translation>Спершу киньте кубики.</translation>
    </message>
    <message>
        <source>That box is filled.</source>
        <translation>Цю клітинку вже зайнято.</translation>
    </message>
    <message>
        <source>Game 2 is not played in a one-column game.</source>
        <translation>Гра 2 не грається у грі в один стовпець.</translation>
    </message>
    <message>
        <source>Game 3 is not played in a one-column game.</source>
        <translation>Гра 3 не грається у грі в один стовпець.</translation>
    </message>
    <message>
        <source>Wait for the next player.</source>
        <translation>Зачекайте на наступного гравця.</translation>
    </message>
    <message>
        <source>Start a game with New Game.</source>
        <translation>Почніть гру кнопкою «Нова гра».</translation>
    </message>
    <message>
        <source>Press New Game to start.</source>
        <translation>Натисніть «Нова гра», щоб почати.</translation>
    </message>
</context>
<context>
    <name>ScoreCard</name>
    <message>
        <source>Score Card</source>
        <translation>Карта очок</translation>
    </message>
    <message>
        <source>Game %1, Pentaro box %2</source>
        <translation>Гра %1, клітинка Pentaro %2</translation>
    </message>
    <message>
        <source>Pentaro Chips:</source>
        <translation>Фішки:</translation>
    </message>
    <message>
        <source>Chip, Game %1</source>
        <translation>Фішка, гра %1</translation>
    </message>
    <message>
        <source>Chips, Game %1</source>
        <translation>Фішки, гра %1</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Готово</translation>
    </message>
    <message>
        <source>Back to the results (Enter or Escape)</source>
        <translation>Назад до підсумків (Enter або Esc)</translation>
    </message>
    <message>
        <source>Review</source>
        <translation>Розбір</translation>
    </message>
    <message>
        <source>How far each decision was from best play, and the luck of the dice</source>
        <translation>Наскільки кожне рішення відстояло від найкращої гри і як пощастило з кубиками</translation>
    </message>
    <message>
        <source>shown</source>
        <translation>показано</translation>
    </message>
</context>
<context>
    <name>Seats</name>
    <message>
        <source>Person</source>
        <translation>Людина</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>Легко</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Середньо</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Складно</translation>
    </message>
</context>
<context>
    <name>Splash</name>
    <message>
        <source>Splash</source>
        <translation>Заставка</translation>
    </message>
    <message>
        <source>&quot;Iron sharpens iron, so
one man sharpens another.&quot;</source>
        <translation>«Залізо залізом гостриться,
а людина — людиною»</translation>
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
        <translation>Real Pentaro не може запуститися: зображень немає або їх пошкоджено.

%1

Де шукали: %2</translation>
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
        <translation>Зі звуком</translation>
    </message>
    <message>
        <source>Sound Off</source>
        <translation>Без звуку</translation>
    </message>
    <message>
        <source>Rolls</source>
        <translation>Кидки</translation>
    </message>
    <message>
        <source>No sound device found</source>
        <translation>Звуковий пристрій не знайдено</translation>
    </message>
    <message>
        <source>shown</source>
        <translation>показано</translation>
    </message>
    <message>
        <source>Die %1</source>
        <translation>Кубик %1</translation>
    </message>
    <message>
        <source>, kept</source>
        <translation>, відкладено</translation>
    </message>
    <message>
        <source>Rolls: %1</source>
        <translation>Кидки: %1</translation>
    </message>
    <message>
        <source>%1 enters %2 in %3, Game %4</source>
        <translation>%1: %2 у «%3», гра %4</translation>
    </message>
    <message>
        <source>%1 enters %2 in Pentaro box %3, Game %4</source>
        <translation>%1: %2 у клітинку Pentaro %3, гра %4</translation>
    </message>
    <message>
        <source>Roll %1: %2</source>
        <translation>Кидок %1: %2</translation>
    </message>
    <message>
        <source>%1 rolls %2</source>
        <translation>%1 кидає: %2</translation>
    </message>
    <message>
        <source>. Pentaro!</source>
        <translation>. Pentaro!</translation>
    </message>
    <message>
        <source>%1 to play</source>
        <translation>Ходить %1</translation>
    </message>
    <message>
        <source>Proverbs 27:17</source>
        <translation>Приповісті 27:17</translation>
    </message>
    <message>
        <source>Game 1</source>
        <translation>Гра 1</translation>
    </message>
    <message>
        <source>Game 2</source>
        <translation>Гра 2</translation>
    </message>
    <message>
        <source>Game 3</source>
        <translation>Гра 3</translation>
    </message>
    <message>
        <source>Game %1, Pentaro box %2</source>
        <translation>Гра %1, клітинка Pentaro %2</translation>
    </message>
    <message>
        <source>Pentaro Chips:</source>
        <translation>Фішки:</translation>
    </message>
    <message>
        <source>Chip, Game %1</source>
        <translation>Фішка, гра %1</translation>
    </message>
    <message>
        <source>%1 (key %2)</source>
        <translation>%1 (клавіша %2)</translation>
    </message>
    <message>
        <source>Click to put back</source>
        <translation>Натисніть, щоб повернути</translation>
    </message>
    <message>
        <source>Click to keep</source>
        <translation>Натисніть, щоб відкласти</translation>
    </message>
    <message>
        <source>Roll</source>
        <translation>Кидок</translation>
    </message>
    <message>
        <source>Click to roll dice (Enter)</source>
        <translation>Кинути кубики (Enter)</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Нова гра</translation>
    </message>
    <message>
        <source>Click to begin new game (N)</source>
        <translation>Почати нову гру (N)</translation>
    </message>
    <message>
        <source>High Scores</source>
        <translation>Рекорди</translation>
    </message>
    <message>
        <source>Click to show high scores (S)</source>
        <translation>Показати рекорди (S)</translation>
    </message>
    <message>
        <source>Enable/Disable Sound (M)</source>
        <translation>Увімкнути/вимкнути звук (M)</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Довідка</translation>
    </message>
    <message>
        <source>Click for help (F1)</source>
        <translation>Довідка (F1)</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Порада</translation>
    </message>
    <message>
        <source>Click for the best move (H)</source>
        <translation>Показати найкращий хід (H)</translation>
    </message>
    <message>
        <source>Exit The Program</source>
        <translation>Вийти з програми</translation>
    </message>
    <message>
        <source>Exit The Program (Ctrl+Q)</source>
        <translation>Вийти з програми (Ctrl+Q)</translation>
    </message>
    <message>
        <source>Next player</source>
        <translation>Наступний гравець</translation>
    </message>
    <message>
        <source>The computer cannot play: %1</source>
        <translation>Комп’ютер не може грати: %1</translation>
    </message>
    <message>
        <source>%1 keeps %2</source>
        <translation>%1 залишає %2</translation>
    </message>
    <message>
        <source> and </source>
        <translation> і </translation>
    </message>
    <message>
        <source>Roll the dice.</source>
        <translation>Киньте кубики.</translation>
    </message>
    <message>
        <source>Roll all five dice.</source>
        <translation>Киньте всі п’ять кубиків.</translation>
    </message>
    <message>
        <source>Keep %1 (%2 %3), roll the rest.</source>
        <translation>Залиште %1 (%2 %3), решту перекиньте.</translation>
    </message>
    <message>
        <source>die</source>
        <translation>кубик</translation>
    </message>
    <message>
        <source>dice</source>
        <translation>кубики</translation>
    </message>
    <message>
        <source>Pentaro box %1</source>
        <translation>клітинка Pentaro %1</translation>
    </message>
    <message>
        <source>Take Game %1, %2: %3 points.</source>
        <translation>Запишіть: гра %1, %2 — %3 оч.</translation>
    </message>
    <message>
        <source>With best play: %1 expected.</source>
        <translation>За найкращої гри очікується %1.</translation>
    </message>
    <message>
        <source>Estimate: about %1 (heuristic).</source>
        <translation>Оцінка: близько %1 (приблизно).</translation>
    </message>
    <message>
        <source>The hint is off: %1</source>
        <translation>Порада недоступна: %1</translation>
    </message>
    <message>
        <source> Hints keep this game out of the high scores.</source>
        <translation> З порадами ця гра не потрапить до рекордів.</translation>
    </message>
    <message>
        <source>Game %1, %2</source>
        <translation>Гра %1, %2</translation>
    </message>
    <message>
        <source>would score </source>
        <translation>дасть </translation>
    </message>
    <message>
        <source>not played</source>
        <translation>не зіграно</translation>
    </message>
    <message>
        <source>suggested</source>
        <translation>запропоновано</translation>
    </message>
    <message>
        <source>Previews on</source>
        <translation>Попередній перегляд увімк.</translation>
    </message>
    <message>
        <source>Previews off</source>
        <translation>Попередній перегляд вимк.</translation>
    </message>
    <message>
        <source>Show this card (Ctrl+%1)</source>
        <translation>Показати цю карту (Ctrl+%1)</translation>
    </message>
    <message>
        <source>on turn</source>
        <translation>ходить</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Стан</translation>
    </message>
    <message>
        <source>↶ Undo</source>
        <translation>↶ Назад</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Скасувати</translation>
    </message>
    <message>
        <source>Take back the last entry (Ctrl+Z)</source>
        <translation>Скасувати останній запис (Ctrl+Z)</translation>
    </message>
    <message>
        <source>Entry taken back</source>
        <translation>Запис скасовано</translation>
    </message>
    <message>
        <source>Smaller (Ctrl+Minus)</source>
        <translation>Менше (Ctrl+Мінус)</translation>
    </message>
    <message>
        <source>Zoom; back to 100 % (Ctrl+0)</source>
        <translation>Масштаб; повернути 100 % (Ctrl+0)</translation>
    </message>
    <message>
        <source>Larger (Ctrl+Plus)</source>
        <translation>Більше (Ctrl+Плюс)</translation>
    </message>
    <message>
        <source>Smaller</source>
        <translation>Менше</translation>
    </message>
    <message>
        <source>Larger</source>
        <translation>Більше</translation>
    </message>
    <message>
        <source>Zoom %1 %</source>
        <translation>Масштаб %1 %</translation>
    </message>
    <message>
        <source>bonus won</source>
        <translation>бонус отримано</translation>
    </message>
    <message>
        <source>upper bonus won</source>
        <translation>верхній бонус отримано</translation>
    </message>
    <message>
        <source>bonus lost</source>
        <translation>бонус втрачено</translation>
    </message>
    <message>
        <source>upper bonus out of reach</source>
        <translation>верхній бонус недосяжний</translation>
    </message>
    <message>
        <source>%1 of 63</source>
        <translation>%1 з 63</translation>
    </message>
    <message>
        <source>%1 of 63 toward the upper bonus</source>
        <translation>%1 з 63 до верхнього бонусу</translation>
    </message>
    <message>
        <source>You have rolled since.</source>
        <translation>Ви вже кидали після цього.</translation>
    </message>
    <message>
        <source>Nothing to take back.</source>
        <translation>Нічого скасовувати.</translation>
    </message>
</context>
</TS>
