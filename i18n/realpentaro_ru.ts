<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru">
<context>
    <name>Advisor</name>
    <message>
        <source>No turn to advise on.</source>
        <translation>Нет хода, по которому нужен совет.</translation>
    </message>
    <message>
        <source>the solved game is not at hand.</source>
        <translation>решённая игра недоступна.</translation>
    </message>
    <message>
        <source>The dice are still rolling.</source>
        <translation>Кубики ещё катятся.</translation>
    </message>
    <message>
        <source>This card is complete.</source>
        <translation>Эта карта заполнена.</translation>
    </message>
    <message>
        <source>Not every move of this game was seen.</source>
        <translation>Не все ходы этой игры были видны.</translation>
    </message>
    <message>
        <source>A move of this game is one the advisor does not know.</source>
        <translation>В этой игре есть ход, которого советчик не знает.</translation>
    </message>
</context>
<context>
    <name>Card</name>
    <message>
        <source>Ones</source>
        <translation>Единицы</translation>
    </message>
    <message>
        <source>Twos</source>
        <translation>Двойки</translation>
    </message>
    <message>
        <source>Threes</source>
        <translation>Тройки</translation>
    </message>
    <message>
        <source>Fours</source>
        <translation>Четвёрки</translation>
    </message>
    <message>
        <source>Fives</source>
        <translation>Пятёрки</translation>
    </message>
    <message>
        <source>Sixes</source>
        <translation>Шестёрки</translation>
    </message>
    <message>
        <source>Sub Total</source>
        <translation>Сумма</translation>
    </message>
    <message>
        <source>Bonus (if 63)  35pts</source>
        <translation>Бонус (63)  35 оч.</translation>
    </message>
    <message>
        <source>Upper Total</source>
        <translation>Итого верх</translation>
    </message>
    <message>
        <source>3 of a kind</source>
        <translation>Тройка</translation>
    </message>
    <message>
        <source>4 of a kind</source>
        <translation>Каре</translation>
    </message>
    <message>
        <source>Full House</source>
        <translation>Фулл-хаус</translation>
    </message>
    <message>
        <source>Small Straight</source>
        <translation>Малый стрит</translation>
    </message>
    <message>
        <source>Large Straight</source>
        <translation>Большой стрит</translation>
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
        <translation>Итого низ</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Очки</translation>
    </message>
    <message>
        <source> (row %1)</source>
        <translation> (строка %1)</translation>
    </message>
    <message>
        <source>Game %1, %2</source>
        <translation>Игра %1, %2</translation>
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
        <translation>Подтвердить</translation>
    </message>
    <message>
        <source>Confirm (Space or Enter)</source>
        <translation>Подтвердить (Пробел или Enter)</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Cancel (Escape)</source>
        <translation>Отмена (Esc)</translation>
    </message>
</context>
<context>
    <name>Controls</name>
    <message>
        <source>checked</source>
        <translation>отмечено</translation>
    </message>
    <message>
        <source>unchecked</source>
        <translation>не отмечено</translation>
    </message>
</context>
<context>
    <name>Goodbye</name>
    <message>
        <source>Goodbye</source>
        <translation>До свидания</translation>
    </message>
    <message>
        <source>&quot;Even a fool, when he keeps
silent, is considered wise.&quot;</source>
        <translation>«И глупец, когда молчит,
может показаться мудрым»</translation>
    </message>
</context>
<context>
    <name>Help</name>
    <message>
        <source>Real Pentaro Help</source>
        <translation>Справка Real Pentaro</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Справка</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Готово</translation>
    </message>
    <message>
        <source>Back to the game (Escape)</source>
        <translation>Назад к игре (Esc)</translation>
    </message>
    <message>
        <source>&lt;h1&gt;Real Pentaro Help&lt;/h1&gt;&lt;p&gt;The help file cannot be read: %1&lt;/p&gt;</source>
        <translation>&lt;h1&gt;Справка Real Pentaro&lt;/h1&gt;&lt;p&gt;Не удаётся прочитать файл справки: %1&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Real Pentaro, version %1</source>
        <translation>Real Pentaro, версия %1</translation>
    </message>
</context>
<context>
    <name>HighScores</name>
    <message>
        <source>High Scores</source>
        <translation>Рекорды</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Сброс</translation>
    </message>
    <message>
        <source>Reset the high scores (Space)</source>
        <translation>Сбросить рекорды (Пробел)</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Готово</translation>
    </message>
    <message>
        <source>Back to the table (Enter or Escape)</source>
        <translation>Назад к столу (Enter или Esc)</translation>
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
        <translation>Сначала нужно<byte value="xd"/>
занять ячейку<byte value="xd"/>
Pentaro</translation>
    </message>
    <message>
        <source>One Pentaro in each<byte value="xd"/>
column must be<byte value="xd"/>
used first.</source>
        <translation>Сначала нужно<byte value="xd"/>
занять по Pentaro<byte value="xd"/>
в каждом столбце.</translation>
    </message>
    <message>
        <source>Wildcard denied:<byte value="xd"/>
Upper section<byte value="xd"/>
number not used</source>
        <translation>Джокер не принят:<byte value="xd"/>
число в верхней<byte value="xd"/>
части не занято</translation>
    </message>
    <message>
        <source>Wildcard denied:<byte value="xd"/>
All like numbers not<byte value="xd"/>
used in upper section</source>
        <translation>Джокер не принят:<byte value="xd"/>
не все такие числа<byte value="xd"/>
заняты наверху</translation>
    </message>
    <message>
        <source>The language setting<byte value="xd"/>
is unknown: the<byte value="xd"/>
desktop&apos;s is used.</source>
        <translation>Язык в настройках<byte value="xd"/>
неизвестен: взят<byte value="xd"/>
язык системы.</translation>
    </message>
    <message>
        <source>The Current Game<byte value="xd"/>
Will Be Lost</source>
        <translation>Текущая игра<byte value="xd"/>
будет потеряна</translation>
    </message>
    <message>
        <source>You Are About To<byte value="xd"/>
Reset The High Scores</source>
        <translation>Вы собираетесь<byte value="xd"/>
сбросить рекорды</translation>
    </message>
    <message>
        <source>Some settings could not be read: defaults are used.</source>
        <translation>Некоторые настройки не прочитаны: взяты значения по умолчанию.</translation>
    </message>
    <message>
        <source>Settings cannot be saved.</source>
        <translation>Настройки не удаётся сохранить.</translation>
    </message>
    <message>
        <source>Settings cannot be read or saved: defaults are used.</source>
        <translation>Настройки не удаётся прочитать или сохранить: взяты значения по умолчанию.</translation>
    </message>
</context>
<context>
    <name>NewGame</name>
    <message>
        <source>Person</source>
        <translation>Человек</translation>
    </message>
    <message>
        <source>Computer, Easy</source>
        <translation>Компьютер, легко</translation>
    </message>
    <message>
        <source>Computer, Medium</source>
        <translation>Компьютер, средне</translation>
    </message>
    <message>
        <source>Computer, Hard</source>
        <translation>Компьютер, сложно</translation>
    </message>
    <message>
        <source>Slow</source>
        <translation>Медленно</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Обычно</translation>
    </message>
    <message>
        <source>Fast</source>
        <translation>Быстро</translation>
    </message>
    <message>
        <source>Player %1</source>
        <translation>Игрок %1</translation>
    </message>
    <message>
        <source>Language: as the desktop (%1)</source>
        <translation>Язык: как в системе (%1)</translation>
    </message>
    <message>
        <source>Language: %1</source>
        <translation>Язык: %1</translation>
    </message>
    <message>
        <source>The game&apos;s language: press to change (Space)</source>
        <translation>Язык игры: нажмите, чтобы сменить (Пробел)</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Новая игра</translation>
    </message>
    <message numerus="yes">
        <source>%n player(s)</source>
        <translation>
            <numerusform>%n игрок</numerusform>
            <numerusform>%n игрока</numerusform>
            <numerusform>%n игроков</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 (Space)</source>
        <translation>%1 (Пробел)</translation>
    </message>
    <message>
        <source>Name of player %1</source>
        <translation>Имя игрока %1</translation>
    </message>
    <message>
        <source>Who plays this seat: press to change (Space)</source>
        <translation>Кто играет за это место: нажмите, чтобы сменить (Пробел)</translation>
    </message>
    <message>
        <source>Three columns</source>
        <translation>Три столбца</translation>
    </message>
    <message>
        <source>One column</source>
        <translation>Один столбец</translation>
    </message>
    <message>
        <source>How fast the computer plays: press to change (Space)</source>
        <translation>Как быстро играет компьютер: нажмите, чтобы сменить (Пробел)</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Готово</translation>
    </message>
    <message>
        <source>Start the game (Enter)</source>
        <translation>Начать игру (Enter)</translation>
    </message>
    <message>
        <source>Player %1: %2</source>
        <translation>Игрок %1: %2</translation>
    </message>
    <message>
        <source>Computer pace: %1</source>
        <translation>Темп компьютера: %1</translation>
    </message>
    <message>
        <source>Instant</source>
        <translation>Мгновенно</translation>
    </message>
</context>
<context>
    <name>Pictures</name>
    <message>
        <source>KEPT</source>
        <translation>ОТЛОЖ.</translation>
    </message>
    <message>
        <source>ROLL</source>
        <translation>БРОСОК</translation>
    </message>
    <message>
        <source>Next Player</source>
        <translation>Следующий</translation>
    </message>
    <message>
        <source>Person</source>
        <translation>Человек</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>Легко</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Средне</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Сложно</translation>
    </message>
    <message>
        <source>Slow</source>
        <translation>Медл.</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Обычно</translation>
    </message>
    <message>
        <source>Fast</source>
        <translation>Быстро</translation>
    </message>
    <message>
        <source>Roll</source>
        <translation>Бросок</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Новая игра</translation>
    </message>
    <message>
        <source>High Scores</source>
        <translation>Рекорды</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Помощь</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Да</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Готово</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Совет</translation>
    </message>
    <message>
        <source>Review</source>
        <translation>Разбор</translation>
    </message>
    <message>
        <source>Sound On</source>
        <translation>Со звуком</translation>
    </message>
    <message>
        <source>Sound Off</source>
        <translation>Без звука</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Звук</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Сброс</translation>
    </message>
    <message>
        <source>five dice  •  one card  •  up to four players</source>
        <translation>пять кубиков  •  одна карта  •  до четырёх игроков</translation>
    </message>
    <message>
        <source>Who is playing?</source>
        <translation>Кто играет?</translation>
    </message>
    <message>
        <source>Played by</source>
        <translation>Играет</translation>
    </message>
    <message>
        <source>Which game?</source>
        <translation>Какая игра?</translation>
    </message>
    <message>
        <source>Computer pace</source>
        <translation>Темп компьютера</translation>
    </message>
    <message>
        <source>Three columns</source>
        <translation>Три столбца</translation>
    </message>
    <message>
        <source>scored x1, x2, x3</source>
        <translation>очки x1, x2, x3</translation>
    </message>
    <message>
        <source>One column</source>
        <translation>Один столбец</translation>
    </message>
    <message>
        <source>a single card</source>
        <translation>одна карта</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Имя</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Очки</translation>
    </message>
    <message>
        <source>Three-Column Game</source>
        <translation>Игра в три столбца</translation>
    </message>
    <message>
        <source>One-Column Game</source>
        <translation>Игра в один столбец</translation>
    </message>
    <message>
        <source>Game over</source>
        <translation>Конец игры</translation>
    </message>
    <message>
        <source>A new high score!</source>
        <translation>Новый рекорд!</translation>
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
        <translation>Карта очков</translation>
    </message>
    <message>
        <source>Instant</source>
        <translation>Мгновенно</translation>
    </message>
</context>
<context>
    <name>Results</name>
    <message>
        <source>Game 1 Total</source>
        <translation>Итого, игра 1</translation>
    </message>
    <message>
        <source>Chips (x-100)</source>
        <translation>Фишки (x-100)</translation>
    </message>
    <message>
        <source>Game 2 Total (x-2)</source>
        <translation>Итого, игра 2 (x-2)</translation>
    </message>
    <message>
        <source>Chips (x-200)</source>
        <translation>Фишки (x-200)</translation>
    </message>
    <message>
        <source>Game 3 Total (x-3)</source>
        <translation>Итого, игра 3 (x-3)</translation>
    </message>
    <message>
        <source>Chips (x-300)</source>
        <translation>Фишки (x-300)</translation>
    </message>
    <message>
        <source>Grand Total</source>
        <translation>Общий итог</translation>
    </message>
    <message>
        <source>Game Over</source>
        <translation>Конец игры</translation>
    </message>
    <message>
        <source>player %1</source>
        <translation>игрок %1</translation>
    </message>
    <message>
        <source>Click On Names To See Scorecard</source>
        <translation>Нажмите на имя, чтобы увидеть карту</translation>
    </message>
    <message>
        <source>Or Tab to a name and press Enter</source>
        <translation>Или Tab до имени и Enter</translation>
    </message>
    <message>
        <source>A new high score!</source>
        <translation>Новый рекорд!</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Готово</translation>
    </message>
    <message>
        <source>On to the high scores (Enter or Escape)</source>
        <translation>К рекордам (Enter или Esc)</translation>
    </message>
    <message>
        <source>Review</source>
        <translation>Разбор</translation>
    </message>
    <message>
        <source>How far each decision was from best play, and the luck of the dice</source>
        <translation>Насколько каждое решение отстояло от лучшей игры и как повезло с кубиками</translation>
    </message>
    <message>
        <source>The Winner is:  </source>
        <translation>Победитель:  </translation>
    </message>
    <message>
        <source>Player %1, computer, %2: press Enter to see the score card</source>
        <translation>Игрок %1, компьютер, %2: нажмите Enter, чтобы увидеть карту очков</translation>
    </message>
    <message>
        <source>Player %1: press Enter to see the score card</source>
        <translation>Игрок %1: нажмите Enter, чтобы увидеть карту очков</translation>
    </message>
    <message>
        <source>computer, %1</source>
        <translation>компьютер, %1</translation>
    </message>
    <message>
        <source>%1: computer, %2</source>
        <translation>%1: компьютер, %2</translation>
    </message>
    <message>
        <source>%1&apos;s score card (Enter)</source>
        <translation>Карта очков: %1 (Enter)</translation>
    </message>
    <message>
        <source>Best play averages %1 points a game: your %2 is %3 %4 it.</source>
        <translation>Лучшая игра набирает в среднем %1 очка за партию: ваш результат %2 на %3 %4.</translation>
    </message>
    <message>
        <source>below</source>
        <translation>ниже</translation>
    </message>
    <message>
        <source>above</source>
        <translation>выше</translation>
    </message>
</context>
<context>
    <name>Resume</name>
    <message>
        <source> and </source>
        <translation> и </translation>
    </message>
    <message>
        <source>Continue the game of %1?</source>
        <translation>Продолжить игру: %1?</translation>
    </message>
    <message>
        <source>Cancel keeps it for the next start.</source>
        <translation>«Отмена» сохранит её до следующего запуска.</translation>
    </message>
    <message>
        <source>Cancel (Escape): keep the game for later</source>
        <translation>Отмена (Esc): сохранить игру на потом</translation>
    </message>
</context>
<context>
    <name>Review</name>
    <message>
        <source>Game Review</source>
        <translation>Разбор игры</translation>
    </message>
    <message>
        <source>Review of</source>
        <translation>Разбор для</translation>
    </message>
    <message>
        <source>Decisions, most costly first</source>
        <translation>Решения, самые дорогие сначала</translation>
    </message>
    <message>
        <source>Turn</source>
        <translation>Ход</translation>
    </message>
    <message>
        <source>Roll</source>
        <translation>Бросок</translation>
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
        <translation>Лучшая игра</translation>
    </message>
    <message>
        <source>Cost</source>
        <translation>Потеря</translation>
    </message>
    <message>
        <source>Back (Enter or Escape)</source>
        <translation>Назад (Enter или Esc)</translation>
    </message>
    <message>
        <source>The position</source>
        <translation>Позиция</translation>
    </message>
    <message>
        <source>. Dice: </source>
        <translation>. Кубики: </translation>
    </message>
    <message>
        <source>Select a decision
to see its position</source>
        <translation>Выберите решение,
чтобы увидеть позицию</translation>
    </message>
    <message>
        <source>Turn %1, roll %2</source>
        <translation>Ход %1, бросок %2</translation>
    </message>
    <message>
        <source>Bonus (63)</source>
        <translation>Бонус (63)</translation>
    </message>
    <message>
        <source>red: your choice</source>
        <translation>красный: ваш выбор</translation>
    </message>
    <message>
        <source>green: best play</source>
        <translation>зелёный: лучшая игра</translation>
    </message>
    <message>
        <source>The game&apos;s course</source>
        <translation>Ход игры</translation>
    </message>
    <message>
        <source>estimated </source>
        <translation>примерно </translation>
    </message>
    <message>
        <source>Start: %1expected %2.</source>
        <translation>Старт: %1ожидалось %2.</translation>
    </message>
    <message>
        <source>Turn %1: %2expected %3, banked %4, cost %5.</source>
        <translation>Ход %1: %2ожидалось %3, набрано %4, потеря %5.</translation>
    </message>
    <message>
        <source>turn</source>
        <translation>ход</translation>
    </message>
    <message>
        <source>expected with best play</source>
        <translation>ожидалось при лучшей игре</translation>
    </message>
    <message>
        <source>banked</source>
        <translation>набрано</translation>
    </message>
    <message>
        <source>costliest turns</source>
        <translation>самые дорогие ходы</translation>
    </message>
    <message>
        <source>rolls all five</source>
        <translation>перебросить все пять</translation>
    </message>
    <message>
        <source>rolled all five</source>
        <translation>перебросили все пять</translation>
    </message>
    <message>
        <source>keeps </source>
        <translation>оставить </translation>
    </message>
    <message>
        <source>kept </source>
        <translation>оставили </translation>
    </message>
    <message>
        <source>enters </source>
        <translation>записать </translation>
    </message>
    <message>
        <source>entered </source>
        <translation>записали </translation>
    </message>
    <message>
        <source>Pentaro box %1</source>
        <translation>ячейка Pentaro %1</translation>
    </message>
    <message>
        <source> in Game %1</source>
        <translation> в игре %1</translation>
    </message>
    <message>
        <source>No review of this game: %1</source>
        <translation>Нет разбора этой игры: %1</translation>
    </message>
    <message>
        <source>an estimated </source>
        <translation>примерно </translation>
    </message>
    <message>
        <source>Best play from the start expects %1%2. Your decisions cost %1%3 points and the dice gave you %1%4: %5.</source>
        <translation>Лучшая игра с самого начала ожидает %1%2. Ваши решения стоили %1%3 очка, а кубики дали вам %1%4: %5.</translation>
    </message>
    <message>
        <source>the same</source>
        <translation>то же самое</translation>
    </message>
    <message>
        <source>best play too</source>
        <translation>и это лучшая игра</translation>
    </message>
    <message>
        <source>best </source>
        <translation>лучше </translation>
    </message>
    <message>
        <source>Turn %1, roll %2: %3 %4 %5 (%6)</source>
        <translation>Ход %1, бросок %2: %3 %4 %5 (%6)</translation>
    </message>
    <message>
        <source> + a chip</source>
        <translation> + фишка</translation>
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
        <translation>Сначала бросьте кубики.</translation>
    </message>
    <message>
        <source>That box is filled.</source>
        <translation>Эта ячейка уже занята.</translation>
    </message>
    <message>
        <source>Game 2 is not played in a one-column game.</source>
        <translation>Игра 2 не играется в игре в один столбец.</translation>
    </message>
    <message>
        <source>Game 3 is not played in a one-column game.</source>
        <translation>Игра 3 не играется в игре в один столбец.</translation>
    </message>
    <message>
        <source>Wait for the next player.</source>
        <translation>Подождите следующего игрока.</translation>
    </message>
    <message>
        <source>Start a game with New Game.</source>
        <translation>Начните игру кнопкой «Новая игра».</translation>
    </message>
    <message>
        <source>Press New Game to start.</source>
        <translation>Нажмите «Новая игра», чтобы начать.</translation>
    </message>
</context>
<context>
    <name>ScoreCard</name>
    <message>
        <source>Score Card</source>
        <translation>Карта очков</translation>
    </message>
    <message>
        <source>Game %1, Pentaro box %2</source>
        <translation>Игра %1, ячейка Pentaro %2</translation>
    </message>
    <message>
        <source>Pentaro Chips:</source>
        <translation>Фишки:</translation>
    </message>
    <message>
        <source>Chip, Game %1</source>
        <translation>Фишка, игра %1</translation>
    </message>
    <message>
        <source>Chips, Game %1</source>
        <translation>Фишки, игра %1</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Готово</translation>
    </message>
    <message>
        <source>Back to the results (Enter or Escape)</source>
        <translation>Назад к итогам (Enter или Esc)</translation>
    </message>
    <message>
        <source>Review</source>
        <translation>Разбор</translation>
    </message>
    <message>
        <source>How far each decision was from best play, and the luck of the dice</source>
        <translation>Насколько каждое решение отстояло от лучшей игры и как повезло с кубиками</translation>
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
        <translation>Человек</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>Легко</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Средне</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Сложно</translation>
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
        <translation>«Железо железо острит,
и человек — человека»</translation>
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
        <translation>Real Pentaro не может запуститься: картинки отсутствуют или повреждены.

%1

Где искали: %2</translation>
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
        <translation>Со звуком</translation>
    </message>
    <message>
        <source>Sound Off</source>
        <translation>Без звука</translation>
    </message>
    <message>
        <source>Rolls</source>
        <translation>Броски</translation>
    </message>
    <message>
        <source>No sound device found</source>
        <translation>Звуковое устройство не найдено</translation>
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
        <translation>, отложен</translation>
    </message>
    <message>
        <source>Rolls: %1</source>
        <translation>Броски: %1</translation>
    </message>
    <message>
        <source>%1 enters %2 in %3, Game %4</source>
        <translation>%1: %2 в «%3», игра %4</translation>
    </message>
    <message>
        <source>%1 enters %2 in Pentaro box %3, Game %4</source>
        <translation>%1: %2 в ячейку Pentaro %3, игра %4</translation>
    </message>
    <message>
        <source>Roll %1: %2</source>
        <translation>Бросок %1: %2</translation>
    </message>
    <message>
        <source>%1 rolls %2</source>
        <translation>%1 бросает: %2</translation>
    </message>
    <message>
        <source>. Pentaro!</source>
        <translation>. Pentaro!</translation>
    </message>
    <message>
        <source>%1 to play</source>
        <translation>Ходит %1</translation>
    </message>
    <message>
        <source>Proverbs 27:17</source>
        <translation>Притчи 27:17</translation>
    </message>
    <message>
        <source>Game 1</source>
        <translation>Игра 1</translation>
    </message>
    <message>
        <source>Game 2</source>
        <translation>Игра 2</translation>
    </message>
    <message>
        <source>Game 3</source>
        <translation>Игра 3</translation>
    </message>
    <message>
        <source>Game %1, Pentaro box %2</source>
        <translation>Игра %1, ячейка Pentaro %2</translation>
    </message>
    <message>
        <source>Pentaro Chips:</source>
        <translation>Фишки:</translation>
    </message>
    <message>
        <source>Chip, Game %1</source>
        <translation>Фишка, игра %1</translation>
    </message>
    <message>
        <source>%1 (key %2)</source>
        <translation>%1 (клавиша %2)</translation>
    </message>
    <message>
        <source>Click to put back</source>
        <translation>Нажмите, чтобы вернуть</translation>
    </message>
    <message>
        <source>Click to keep</source>
        <translation>Нажмите, чтобы отложить</translation>
    </message>
    <message>
        <source>Roll</source>
        <translation>Бросок</translation>
    </message>
    <message>
        <source>Click to roll dice (Enter)</source>
        <translation>Бросить кубики (Enter)</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Новая игра</translation>
    </message>
    <message>
        <source>Click to begin new game (N)</source>
        <translation>Начать новую игру (N)</translation>
    </message>
    <message>
        <source>High Scores</source>
        <translation>Рекорды</translation>
    </message>
    <message>
        <source>Click to show high scores (S)</source>
        <translation>Показать рекорды (S)</translation>
    </message>
    <message>
        <source>Enable/Disable Sound (M)</source>
        <translation>Включить/выключить звук (M)</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Справка</translation>
    </message>
    <message>
        <source>Click for help (F1)</source>
        <translation>Справка (F1)</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Совет</translation>
    </message>
    <message>
        <source>Click for the best move (H)</source>
        <translation>Показать лучший ход (H)</translation>
    </message>
    <message>
        <source>Exit The Program</source>
        <translation>Выйти из программы</translation>
    </message>
    <message>
        <source>Exit The Program (Ctrl+Q)</source>
        <translation>Выйти из программы (Ctrl+Q)</translation>
    </message>
    <message>
        <source>Next player</source>
        <translation>Следующий игрок</translation>
    </message>
    <message>
        <source>The computer cannot play: %1</source>
        <translation>Компьютер не может играть: %1</translation>
    </message>
    <message>
        <source>%1 keeps %2</source>
        <translation>%1 оставляет %2</translation>
    </message>
    <message>
        <source> and </source>
        <translation> и </translation>
    </message>
    <message>
        <source>Roll the dice.</source>
        <translation>Бросьте кубики.</translation>
    </message>
    <message>
        <source>Roll all five dice.</source>
        <translation>Бросьте все пять кубиков.</translation>
    </message>
    <message>
        <source>Keep %1 (%2 %3), roll the rest.</source>
        <translation>Оставьте %1 (%2 %3), остальные перебросьте.</translation>
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
        <translation>ячейка Pentaro %1</translation>
    </message>
    <message>
        <source>Take Game %1, %2: %3 points.</source>
        <translation>Запишите: игра %1, %2 — %3 оч.</translation>
    </message>
    <message>
        <source>With best play: %1 expected.</source>
        <translation>При лучшей игре ожидается %1.</translation>
    </message>
    <message>
        <source>Estimate: about %1 (heuristic).</source>
        <translation>Оценка: около %1 (приблизительно).</translation>
    </message>
    <message>
        <source>The hint is off: %1</source>
        <translation>Совет недоступен: %1</translation>
    </message>
    <message>
        <source> Hints keep this game out of the high scores.</source>
        <translation> С советами эта игра не попадёт в рекорды.</translation>
    </message>
    <message>
        <source>Game %1, %2</source>
        <translation>Игра %1, %2</translation>
    </message>
    <message>
        <source>would score </source>
        <translation>даст </translation>
    </message>
    <message>
        <source>not played</source>
        <translation>не сыграно</translation>
    </message>
    <message>
        <source>suggested</source>
        <translation>предложено</translation>
    </message>
    <message>
        <source>Previews on</source>
        <translation>Предпросмотр вкл.</translation>
    </message>
    <message>
        <source>Previews off</source>
        <translation>Предпросмотр выкл.</translation>
    </message>
    <message>
        <source>Show this card (Ctrl+%1)</source>
        <translation>Показать эту карту (Ctrl+%1)</translation>
    </message>
    <message>
        <source>on turn</source>
        <translation>ходит</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Состояние</translation>
    </message>
    <message>
        <source>↶ Undo</source>
        <translation>↶ Отм.</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Отменить</translation>
    </message>
    <message>
        <source>Take back the last entry (Ctrl+Z)</source>
        <translation>Отменить последнюю запись (Ctrl+Z)</translation>
    </message>
    <message>
        <source>Entry taken back</source>
        <translation>Запись отменена</translation>
    </message>
    <message>
        <source>Smaller (Ctrl+Minus)</source>
        <translation>Меньше (Ctrl+Минус)</translation>
    </message>
    <message>
        <source>Zoom; back to 100 % (Ctrl+0)</source>
        <translation>Масштаб; вернуть 100 % (Ctrl+0)</translation>
    </message>
    <message>
        <source>Larger (Ctrl+Plus)</source>
        <translation>Больше (Ctrl+Плюс)</translation>
    </message>
    <message>
        <source>Smaller</source>
        <translation>Меньше</translation>
    </message>
    <message>
        <source>Larger</source>
        <translation>Больше</translation>
    </message>
    <message>
        <source>Zoom %1 %</source>
        <translation>Масштаб %1 %</translation>
    </message>
    <message>
        <source>bonus won</source>
        <translation>бонус получен</translation>
    </message>
    <message>
        <source>upper bonus won</source>
        <translation>верхний бонус получен</translation>
    </message>
    <message>
        <source>bonus lost</source>
        <translation>бонус потерян</translation>
    </message>
    <message>
        <source>upper bonus out of reach</source>
        <translation>верхний бонус недостижим</translation>
    </message>
    <message>
        <source>%1 of 63</source>
        <translation>%1 из 63</translation>
    </message>
    <message>
        <source>%1 of 63 toward the upper bonus</source>
        <translation>%1 из 63 до верхнего бонуса</translation>
    </message>
    <message>
        <source>You have rolled since.</source>
        <translation>Вы уже бросали после этого.</translation>
    </message>
    <message>
        <source>Nothing to take back.</source>
        <translation>Нечего отменять.</translation>
    </message>
</context>
</TS>
