<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl">
<context>
    <name>Advisor</name>
    <message>
        <source>No turn to advise on.</source>
        <translation>Nie ma tury, w której można doradzić.</translation>
    </message>
    <message>
        <source>the solved game is not at hand.</source>
        <translation>rozwiązana gra jest niedostępna.</translation>
    </message>
    <message>
        <source>The dice are still rolling.</source>
        <translation>Kości jeszcze się toczą.</translation>
    </message>
    <message>
        <source>This card is complete.</source>
        <translation>Ta karta jest pełna.</translation>
    </message>
    <message>
        <source>Not every move of this game was seen.</source>
        <translation>Nie każdy ruch tej gry był widoczny.</translation>
    </message>
    <message>
        <source>A move of this game is one the advisor does not know.</source>
        <translation>Jeden z ruchów tej gry jest doradcy nieznany.</translation>
    </message>
</context>
<context>
    <name>Card</name>
    <message>
        <source>Ones</source>
        <translation>Jedynki</translation>
    </message>
    <message>
        <source>Twos</source>
        <translation>Dwójki</translation>
    </message>
    <message>
        <source>Threes</source>
        <translation>Trójki</translation>
    </message>
    <message>
        <source>Fours</source>
        <translation>Czwórki</translation>
    </message>
    <message>
        <source>Fives</source>
        <translation>Piątki</translation>
    </message>
    <message>
        <source>Sixes</source>
        <translation>Szóstki</translation>
    </message>
    <message>
        <source>Sub Total</source>
        <translation>Podsuma</translation>
    </message>
    <message>
        <source>Bonus (if 63)  35pts</source>
        <translation>Premia (63)  35pkt</translation>
    </message>
    <message>
        <source>Upper Total</source>
        <translation>Suma górna</translation>
    </message>
    <message>
        <source>3 of a kind</source>
        <translation>Trójka</translation>
    </message>
    <message>
        <source>4 of a kind</source>
        <translation>Kareta</translation>
    </message>
    <message>
        <source>Full House</source>
        <translation>Full</translation>
    </message>
    <message>
        <source>Small Straight</source>
        <translation>Mały strit</translation>
    </message>
    <message>
        <source>Large Straight</source>
        <translation>Duży strit</translation>
    </message>
    <message>
        <source>Pentaro</source>
        <translation>Pentaro</translation>
    </message>
    <message>
        <source>Chance</source>
        <translation>Szansa</translation>
    </message>
    <message>
        <source>Lower Total</source>
        <translation>Suma dolna</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Wynik</translation>
    </message>
    <message>
        <source> (row %1)</source>
        <translation> (wiersz %1)</translation>
    </message>
    <message>
        <source>Game %1, %2</source>
        <translation>Gra %1, %2</translation>
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
        <translation>Potwierdź</translation>
    </message>
    <message>
        <source>Confirm (Space or Enter)</source>
        <translation>Potwierdź (spacja lub Enter)</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Cancel (Escape)</source>
        <translation>Anuluj (Escape)</translation>
    </message>
</context>
<context>
    <name>Controls</name>
    <message>
        <source>checked</source>
        <translation>zaznaczone</translation>
    </message>
    <message>
        <source>unchecked</source>
        <translation>niezaznaczone</translation>
    </message>
</context>
<context>
    <name>Goodbye</name>
    <message>
        <source>Goodbye</source>
        <translation>Do widzenia</translation>
    </message>
    <message>
        <source>&quot;Even a fool, when he keeps
silent, is considered wise.&quot;</source>
        <translation>„Nawet głupi, gdy milczy,
uchodzi za mądrego.”</translation>
    </message>
</context>
<context>
    <name>Help</name>
    <message>
        <source>Real Pentaro Help</source>
        <translation>Real Pentaro – pomoc</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Pomoc</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Gotowe</translation>
    </message>
    <message>
        <source>Back to the game (Escape)</source>
        <translation>Wróć do gry (Escape)</translation>
    </message>
    <message>
        <source>&lt;h1&gt;Real Pentaro Help&lt;/h1&gt;&lt;p&gt;The help file cannot be read: %1&lt;/p&gt;</source>
        <translation>&lt;h1&gt;Real Pentaro – pomoc&lt;/h1&gt;&lt;p&gt;Nie można odczytać pliku pomocy: %1&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Real Pentaro, version %1</source>
        <translation>Real Pentaro, wersja %1</translation>
    </message>
</context>
<context>
    <name>HighScores</name>
    <message>
        <source>High Scores</source>
        <translation>Rekordy</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Zeruj</translation>
    </message>
    <message>
        <source>Reset the high scores (Space)</source>
        <translation>Wyzeruj rekordy (spacja)</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Gotowe</translation>
    </message>
    <message>
        <source>Back to the table (Enter or Escape)</source>
        <translation>Wróć do stołu (Enter lub Escape)</translation>
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
        <translation>Najpierw musisz<byte value="xd"/>
użyć pola<byte value="xd"/>
Pentaro</translation>
    </message>
    <message>
        <source>One Pentaro in each<byte value="xd"/>
column must be<byte value="xd"/>
used first.</source>
        <translation>Najpierw w każdej<byte value="xd"/>
kolumnie musi być<byte value="xd"/>
jedno Pentaro.</translation>
    </message>
    <message>
        <source>Wildcard denied:<byte value="xd"/>
Upper section<byte value="xd"/>
number not used</source>
        <translation>Joker odrzucony:<byte value="xd"/>
liczba u góry<byte value="xd"/>
nie jest wpisana</translation>
    </message>
    <message>
        <source>Wildcard denied:<byte value="xd"/>
All like numbers not<byte value="xd"/>
used in upper section</source>
        <translation>Joker odrzucony:<byte value="xd"/>
ta liczba u góry nie<byte value="xd"/>
jest wszędzie wpisana</translation>
    </message>
    <message>
        <source>The language setting<byte value="xd"/>
is unknown: the<byte value="xd"/>
desktop&apos;s is used.</source>
        <translation>Ustawienie języka<byte value="xd"/>
jest nieznane: użyto<byte value="xd"/>
języka systemu.</translation>
    </message>
    <message>
        <source>The Current Game<byte value="xd"/>
Will Be Lost</source>
        <translation>Bieżąca gra<byte value="xd"/>
zostanie utracona</translation>
    </message>
    <message>
        <source>You Are About To<byte value="xd"/>
Reset The High Scores</source>
        <translation>Zaraz wyzerujesz<byte value="xd"/>
listę rekordów</translation>
    </message>
    <message>
        <source>Some settings could not be read: defaults are used.</source>
        <translation>Nie udało się odczytać niektórych ustawień: użyto wartości domyślnych.</translation>
    </message>
    <message>
        <source>Settings cannot be saved.</source>
        <translation>Nie można zapisać ustawień.</translation>
    </message>
    <message>
        <source>Settings cannot be read or saved: defaults are used.</source>
        <translation>Nie można odczytać ani zapisać ustawień: użyto wartości domyślnych.</translation>
    </message>
</context>
<context>
    <name>NewGame</name>
    <message>
        <source>Person</source>
        <translation>Człowiek</translation>
    </message>
    <message>
        <source>Computer, Easy</source>
        <translation>Komputer, łatwy</translation>
    </message>
    <message>
        <source>Computer, Medium</source>
        <translation>Komputer, średni</translation>
    </message>
    <message>
        <source>Computer, Hard</source>
        <translation>Komputer, trudny</translation>
    </message>
    <message>
        <source>Slow</source>
        <translation>Wolno</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Średnio</translation>
    </message>
    <message>
        <source>Fast</source>
        <translation>Szybko</translation>
    </message>
    <message>
        <source>Player %1</source>
        <translation>Gracz %1</translation>
    </message>
    <message>
        <source>Language: as the desktop (%1)</source>
        <translation>Język: jak w systemie (%1)</translation>
    </message>
    <message>
        <source>Language: %1</source>
        <translation>Język: %1</translation>
    </message>
    <message>
        <source>The game&apos;s language: press to change (Space)</source>
        <translation>Język gry: naciśnij, aby zmienić (spacja)</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Nowa gra</translation>
    </message>
    <message numerus="yes">
        <source>%n player(s)</source>
        <translation>
            <numerusform>%n gracz</numerusform>
            <numerusform>%n gracze</numerusform>
            <numerusform>%n graczy</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 (Space)</source>
        <translation>%1 (spacja)</translation>
    </message>
    <message>
        <source>Name of player %1</source>
        <translation>Imię gracza %1</translation>
    </message>
    <message>
        <source>Who plays this seat: press to change (Space)</source>
        <translation>Kto gra na tym miejscu: naciśnij, aby zmienić (spacja)</translation>
    </message>
    <message>
        <source>Three columns</source>
        <translation>Trzy kolumny</translation>
    </message>
    <message>
        <source>One column</source>
        <translation>Jedna kolumna</translation>
    </message>
    <message>
        <source>How fast the computer plays: press to change (Space)</source>
        <translation>Jak szybko gra komputer: naciśnij, aby zmienić (spacja)</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Gotowe</translation>
    </message>
    <message>
        <source>Start the game (Enter)</source>
        <translation>Rozpocznij grę (Enter)</translation>
    </message>
    <message>
        <source>Player %1: %2</source>
        <translation>Gracz %1: %2</translation>
    </message>
    <message>
        <source>Computer pace: %1</source>
        <translation>Tempo komputera: %1</translation>
    </message>
    <message>
        <source>Instant</source>
        <translation>Od razu</translation>
    </message>
</context>
<context>
    <name>Pictures</name>
    <message>
        <source>KEPT</source>
        <translation>ZOSTAJĄ</translation>
    </message>
    <message>
        <source>ROLL</source>
        <translation>RZUT</translation>
    </message>
    <message>
        <source>Next Player</source>
        <translation>Następny</translation>
    </message>
    <message>
        <source>Person</source>
        <translation>Człowiek</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>Łatwy</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Średni</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Trudny</translation>
    </message>
    <message>
        <source>Slow</source>
        <translation>Wolno</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Średnio</translation>
    </message>
    <message>
        <source>Fast</source>
        <translation>Szybko</translation>
    </message>
    <message>
        <source>Roll</source>
        <translation>Rzuć</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Nowa gra</translation>
    </message>
    <message>
        <source>High Scores</source>
        <translation>Rekordy</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Pomoc</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Potwierdź</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Gotowe</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Rada</translation>
    </message>
    <message>
        <source>Review</source>
        <translation>Analiza</translation>
    </message>
    <message>
        <source>Sound On</source>
        <translation>Dźwięk wł.</translation>
    </message>
    <message>
        <source>Sound Off</source>
        <translation>Dźwięk wył.</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Dźwięk</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Zeruj</translation>
    </message>
    <message>
        <source>five dice  •  one card  •  up to four players</source>
        <translation>pięć kości  •  jedna karta  •  do czterech graczy</translation>
    </message>
    <message>
        <source>Who is playing?</source>
        <translation>Kto gra?</translation>
    </message>
    <message>
        <source>Played by</source>
        <translation>Gracz</translation>
    </message>
    <message>
        <source>Which game?</source>
        <translation>Która gra?</translation>
    </message>
    <message>
        <source>Computer pace</source>
        <translation>Tempo komputera</translation>
    </message>
    <message>
        <source>Three columns</source>
        <translation>Trzy kolumny</translation>
    </message>
    <message>
        <source>scored x1, x2, x3</source>
        <translation>liczone x1, x2, x3</translation>
    </message>
    <message>
        <source>One column</source>
        <translation>Jedna kolumna</translation>
    </message>
    <message>
        <source>a single card</source>
        <translation>jedna karta</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Imię</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Wynik</translation>
    </message>
    <message>
        <source>Three-Column Game</source>
        <translation>Gra na trzy kolumny</translation>
    </message>
    <message>
        <source>One-Column Game</source>
        <translation>Gra na jedną kolumnę</translation>
    </message>
    <message>
        <source>Game over</source>
        <translation>Koniec gry</translation>
    </message>
    <message>
        <source>A new high score!</source>
        <translation>Nowy rekord!</translation>
    </message>
    <message>
        <source>SCORE!</source>
        <translation>REKORD</translation>
    </message>
    <message>
        <source>HIGH</source>
        <translation>NOWY</translation>
    </message>
    <message>
        <source>Score Card</source>
        <translation>Karta wyników</translation>
    </message>
    <message>
        <source>Instant</source>
        <translation>Od razu</translation>
    </message>
</context>
<context>
    <name>Results</name>
    <message>
        <source>Game 1 Total</source>
        <translation>Suma gry 1</translation>
    </message>
    <message>
        <source>Chips (x-100)</source>
        <translation>Żetony (x-100)</translation>
    </message>
    <message>
        <source>Game 2 Total (x-2)</source>
        <translation>Suma gry 2 (x-2)</translation>
    </message>
    <message>
        <source>Chips (x-200)</source>
        <translation>Żetony (x-200)</translation>
    </message>
    <message>
        <source>Game 3 Total (x-3)</source>
        <translation>Suma gry 3 (x-3)</translation>
    </message>
    <message>
        <source>Chips (x-300)</source>
        <translation>Żetony (x-300)</translation>
    </message>
    <message>
        <source>Grand Total</source>
        <translation>Suma końcowa</translation>
    </message>
    <message>
        <source>Game Over</source>
        <translation>Koniec gry</translation>
    </message>
    <message>
        <source>player %1</source>
        <translation>gracz %1</translation>
    </message>
    <message>
        <source>Click On Names To See Scorecard</source>
        <translation>Kliknij imię, aby zobaczyć kartę</translation>
    </message>
    <message>
        <source>Or Tab to a name and press Enter</source>
        <translation>Albo przejdź Tabem do imienia i naciśnij Enter</translation>
    </message>
    <message>
        <source>A new high score!</source>
        <translation>Nowy rekord!</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Gotowe</translation>
    </message>
    <message>
        <source>On to the high scores (Enter or Escape)</source>
        <translation>Dalej do rekordów (Enter lub Escape)</translation>
    </message>
    <message>
        <source>Review</source>
        <translation>Analiza</translation>
    </message>
    <message>
        <source>How far each decision was from best play, and the luck of the dice</source>
        <translation>Jak daleko każda decyzja była od najlepszej gry i ile szczęścia dały kości</translation>
    </message>
    <message>
        <source>The Winner is:  </source>
        <translation>Zwycięzca:  </translation>
    </message>
    <message>
        <source>Player %1, computer, %2: press Enter to see the score card</source>
        <translation>Gracz %1, komputer, %2: naciśnij Enter, aby zobaczyć kartę</translation>
    </message>
    <message>
        <source>Player %1: press Enter to see the score card</source>
        <translation>Gracz %1: naciśnij Enter, aby zobaczyć kartę</translation>
    </message>
    <message>
        <source>computer, %1</source>
        <translation>komputer, %1</translation>
    </message>
    <message>
        <source>%1: computer, %2</source>
        <translation>%1: komputer, %2</translation>
    </message>
    <message>
        <source>%1&apos;s score card (Enter)</source>
        <translation>Karta: %1 (Enter)</translation>
    </message>
    <message>
        <source>Best play averages %1 points a game: your %2 is %3 %4 it.</source>
        <translation>Najlepsza gra daje średnio %1 pkt: twój wynik %2 jest o %3 %4.</translation>
    </message>
    <message>
        <source>below</source>
        <translation>niższy</translation>
    </message>
    <message>
        <source>above</source>
        <translation>wyższy</translation>
    </message>
</context>
<context>
    <name>Resume</name>
    <message>
        <source> and </source>
        <translation> i </translation>
    </message>
    <message>
        <source>Continue the game of %1?</source>
        <translation>Kontynuować grę (%1)?</translation>
    </message>
    <message>
        <source>Cancel keeps it for the next start.</source>
        <translation>Anuluj zachowa ją na następne uruchomienie.</translation>
    </message>
    <message>
        <source>Cancel (Escape): keep the game for later</source>
        <translation>Anuluj (Esc): zachowaj grę na później</translation>
    </message>
</context>
<context>
    <name>Review</name>
    <message>
        <source>Game Review</source>
        <translation>Analiza gry</translation>
    </message>
    <message>
        <source>Review of</source>
        <translation>Analiza dla</translation>
    </message>
    <message>
        <source>Decisions, most costly first</source>
        <translation>Decyzje, od najkosztowniejszej</translation>
    </message>
    <message>
        <source>Turn</source>
        <translation>Tura</translation>
    </message>
    <message>
        <source>Roll</source>
        <translation>Rzut</translation>
    </message>
    <message>
        <source>Dice</source>
        <translation>Kości</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Gotowe</translation>
    </message>
    <message>
        <source>Best play</source>
        <translation>Najlepszy ruch</translation>
    </message>
    <message>
        <source>Cost</source>
        <translation>Koszt</translation>
    </message>
    <message>
        <source>Back (Enter or Escape)</source>
        <translation>Wstecz (Enter lub Escape)</translation>
    </message>
    <message>
        <source>The position</source>
        <translation>Sytuacja</translation>
    </message>
    <message>
        <source>. Dice: </source>
        <translation>. Kości: </translation>
    </message>
    <message>
        <source>Select a decision
to see its position</source>
        <translation>Wybierz decyzję,
aby zobaczyć sytuację</translation>
    </message>
    <message>
        <source>Turn %1, roll %2</source>
        <translation>Tura %1, rzut %2</translation>
    </message>
    <message>
        <source>Bonus (63)</source>
        <translation>Premia (63)</translation>
    </message>
    <message>
        <source>red: your choice</source>
        <translation>czerwony: twój wybór</translation>
    </message>
    <message>
        <source>green: best play</source>
        <translation>zielony: najlepszy ruch</translation>
    </message>
    <message>
        <source>The game&apos;s course</source>
        <translation>Przebieg gry</translation>
    </message>
    <message>
        <source>estimated </source>
        <translation>szacunkowo </translation>
    </message>
    <message>
        <source>Start: %1expected %2.</source>
        <translation>Start: %1oczekiwane %2.</translation>
    </message>
    <message>
        <source>Turn %1: %2expected %3, banked %4, cost %5.</source>
        <translation>Tura %1: %2oczekiwane %3, zdobyte %4, koszt %5.</translation>
    </message>
    <message>
        <source>turn</source>
        <translation>tura</translation>
    </message>
    <message>
        <source>expected with best play</source>
        <translation>oczekiwane przy najlepszej grze</translation>
    </message>
    <message>
        <source>banked</source>
        <translation>zdobyte</translation>
    </message>
    <message>
        <source>costliest turns</source>
        <translation>najkosztowniejsze tury</translation>
    </message>
    <message>
        <source>rolls all five</source>
        <translation>przerzucić wszystkie</translation>
    </message>
    <message>
        <source>rolled all five</source>
        <translation>przerzucono wszystkie</translation>
    </message>
    <message>
        <source>keeps </source>
        <translation>zatrzymać </translation>
    </message>
    <message>
        <source>kept </source>
        <translation>zatrzymano </translation>
    </message>
    <message>
        <source>enters </source>
        <translation>wpisać: </translation>
    </message>
    <message>
        <source>entered </source>
        <translation>wpisano: </translation>
    </message>
    <message>
        <source>Pentaro box %1</source>
        <translation>Pole Pentaro %1</translation>
    </message>
    <message>
        <source> in Game %1</source>
        <translation> w grze %1</translation>
    </message>
    <message>
        <source>No review of this game: %1</source>
        <translation>Brak analizy tej gry: %1</translation>
    </message>
    <message>
        <source>an estimated </source>
        <translation>szacunkowo </translation>
    </message>
    <message>
        <source>Best play from the start expects %1%2. Your decisions cost %1%3 points and the dice gave you %1%4: %5.</source>
        <translation>Najlepsza gra od początku daje oczekiwany wynik %1%2. Twoje decyzje kosztowały %1%3 pkt, a kości dały ci %1%4: %5.</translation>
    </message>
    <message>
        <source>the same</source>
        <translation>to samo</translation>
    </message>
    <message>
        <source>best play too</source>
        <translation>to też najlepszy ruch</translation>
    </message>
    <message>
        <source>best </source>
        <translation>najlepiej </translation>
    </message>
    <message>
        <source>Turn %1, roll %2: %3 %4 %5 (%6)</source>
        <translation>Tura %1, rzut %2: %3 %4 %5 (%6)</translation>
    </message>
    <message>
        <source> + a chip</source>
        <translation> + żeton</translation>
    </message>
    <message>
        <source> + the 35 bonus</source>
        <translation> + premia 35</translation>
    </message>
</context>
<context>
    <name>Rules</name>
    <message>
        <source>Roll the dice first.</source>
        <translation>Najpierw rzuć kośćmi.</translation>
    </message>
    <message>
        <source>That box is filled.</source>
        <translation>To pole jest już zajęte.</translation>
    </message>
    <message>
        <source>Game 2 is not played in a one-column game.</source>
        <translation>W grze na jedną kolumnę nie ma gry 2.</translation>
    </message>
    <message>
        <source>Game 3 is not played in a one-column game.</source>
        <translation>W grze na jedną kolumnę nie ma gry 3.</translation>
    </message>
    <message>
        <source>Wait for the next player.</source>
        <translation>Poczekaj na następnego gracza.</translation>
    </message>
    <message>
        <source>Start a game with New Game.</source>
        <translation>Rozpocznij grę przyciskiem Nowa gra.</translation>
    </message>
    <message>
        <source>Press New Game to start.</source>
        <translation>Naciśnij Nowa gra, aby zacząć.</translation>
    </message>
</context>
<context>
    <name>ScoreCard</name>
    <message>
        <source>Score Card</source>
        <translation>Karta wyników</translation>
    </message>
    <message>
        <source>Game %1, Pentaro box %2</source>
        <translation>Gra %1, pole Pentaro %2</translation>
    </message>
    <message>
        <source>Pentaro Chips:</source>
        <translation>Żetony:</translation>
    </message>
    <message>
        <source>Chip, Game %1</source>
        <translation>Żeton, gra %1</translation>
    </message>
    <message>
        <source>Chips, Game %1</source>
        <translation>Żetony, gra %1</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Gotowe</translation>
    </message>
    <message>
        <source>Back to the results (Enter or Escape)</source>
        <translation>Wróć do wyników (Enter lub Escape)</translation>
    </message>
    <message>
        <source>Review</source>
        <translation>Analiza</translation>
    </message>
    <message>
        <source>How far each decision was from best play, and the luck of the dice</source>
        <translation>Jak daleko każda decyzja była od najlepszej gry i ile szczęścia dały kości</translation>
    </message>
    <message>
        <source>shown</source>
        <translation>widoczny</translation>
    </message>
</context>
<context>
    <name>Seats</name>
    <message>
        <source>Person</source>
        <translation>Człowiek</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>Łatwy</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Średni</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Trudny</translation>
    </message>
</context>
<context>
    <name>Splash</name>
    <message>
        <source>Splash</source>
        <translation>Powitanie</translation>
    </message>
    <message>
        <source>&quot;Iron sharpens iron, so
one man sharpens another.&quot;</source>
        <translation>„Żelazo ostrzy się żelazem,
a człowiek ostrzy człowieka.”</translation>
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
        <translation>Real Pentaro nie może się uruchomić: brak obrazków albo są uszkodzone.

%1

Szukano w: %2</translation>
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
        <translation>Dźwięk wł.</translation>
    </message>
    <message>
        <source>Sound Off</source>
        <translation>Dźwięk wył.</translation>
    </message>
    <message>
        <source>Rolls</source>
        <translation>Rzuty</translation>
    </message>
    <message>
        <source>No sound device found</source>
        <translation>Nie znaleziono urządzenia dźwiękowego</translation>
    </message>
    <message>
        <source>shown</source>
        <translation>widoczny</translation>
    </message>
    <message>
        <source>Die %1</source>
        <translation>Kość %1</translation>
    </message>
    <message>
        <source>, kept</source>
        <translation>, zatrzymana</translation>
    </message>
    <message>
        <source>Rolls: %1</source>
        <translation>Rzuty: %1</translation>
    </message>
    <message>
        <source>%1 enters %2 in %3, Game %4</source>
        <translation>%1 wpisuje %2 w pole %3, gra %4</translation>
    </message>
    <message>
        <source>%1 enters %2 in Pentaro box %3, Game %4</source>
        <translation>%1 wpisuje %2 w pole Pentaro %3, gra %4</translation>
    </message>
    <message>
        <source>Roll %1: %2</source>
        <translation>Rzut %1: %2</translation>
    </message>
    <message>
        <source>%1 rolls %2</source>
        <translation>%1 rzuca %2</translation>
    </message>
    <message>
        <source>. Pentaro!</source>
        <translation>. Pentaro!</translation>
    </message>
    <message>
        <source>%1 to play</source>
        <translation>Teraz gra: %1</translation>
    </message>
    <message>
        <source>Proverbs 27:17</source>
        <translation>Księga Przysłów 27:17</translation>
    </message>
    <message>
        <source>Game 1</source>
        <translation>Gra 1</translation>
    </message>
    <message>
        <source>Game 2</source>
        <translation>Gra 2</translation>
    </message>
    <message>
        <source>Game 3</source>
        <translation>Gra 3</translation>
    </message>
    <message>
        <source>Game %1, Pentaro box %2</source>
        <translation>Gra %1, pole Pentaro %2</translation>
    </message>
    <message>
        <source>Pentaro Chips:</source>
        <translation>Żetony:</translation>
    </message>
    <message>
        <source>Chip, Game %1</source>
        <translation>Żeton, gra %1</translation>
    </message>
    <message>
        <source>%1 (key %2)</source>
        <translation>%1 (klawisz %2)</translation>
    </message>
    <message>
        <source>Click to put back</source>
        <translation>Kliknij, aby zwolnić</translation>
    </message>
    <message>
        <source>Click to keep</source>
        <translation>Kliknij, aby zatrzymać</translation>
    </message>
    <message>
        <source>Roll</source>
        <translation>Rzuć</translation>
    </message>
    <message>
        <source>Click to roll dice (Enter)</source>
        <translation>Kliknij, aby rzucić (Enter)</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Nowa gra</translation>
    </message>
    <message>
        <source>Click to begin new game (N)</source>
        <translation>Kliknij, aby zacząć nową grę (N)</translation>
    </message>
    <message>
        <source>High Scores</source>
        <translation>Rekordy</translation>
    </message>
    <message>
        <source>Click to show high scores (S)</source>
        <translation>Kliknij, aby zobaczyć rekordy (S)</translation>
    </message>
    <message>
        <source>Enable/Disable Sound (M)</source>
        <translation>Włącz/wyłącz dźwięk (M)</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Pomoc</translation>
    </message>
    <message>
        <source>Click for help (F1)</source>
        <translation>Kliknij, aby otworzyć pomoc (F1)</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Rada</translation>
    </message>
    <message>
        <source>Click for the best move (H)</source>
        <translation>Kliknij, aby poznać najlepszy ruch (H)</translation>
    </message>
    <message>
        <source>Exit The Program</source>
        <translation>Zakończ program</translation>
    </message>
    <message>
        <source>Exit The Program (Ctrl+Q)</source>
        <translation>Zakończ program (Ctrl+Q)</translation>
    </message>
    <message>
        <source>Next player</source>
        <translation>Następny gracz</translation>
    </message>
    <message>
        <source>The computer cannot play: %1</source>
        <translation>Komputer nie może grać: %1</translation>
    </message>
    <message>
        <source>%1 keeps %2</source>
        <translation>%1 zatrzymuje %2</translation>
    </message>
    <message>
        <source> and </source>
        <translation> i </translation>
    </message>
    <message>
        <source>Roll the dice.</source>
        <translation>Rzuć kośćmi.</translation>
    </message>
    <message>
        <source>Roll all five dice.</source>
        <translation>Rzuć wszystkimi pięcioma kośćmi.</translation>
    </message>
    <message>
        <source>Keep %1 (%2 %3), roll the rest.</source>
        <translation>Zatrzymaj %1 (%2 %3), rzuć resztą.</translation>
    </message>
    <message>
        <source>die</source>
        <translation>kość</translation>
    </message>
    <message>
        <source>dice</source>
        <translation>kości</translation>
    </message>
    <message>
        <source>Pentaro box %1</source>
        <translation>Pole Pentaro %1</translation>
    </message>
    <message>
        <source>Take Game %1, %2: %3 points.</source>
        <translation>Wpisz w grze %1: %2, %3 pkt.</translation>
    </message>
    <message>
        <source>With best play: %1 expected.</source>
        <translation>Przy najlepszej grze oczekiwane: %1.</translation>
    </message>
    <message>
        <source>Estimate: about %1 (heuristic).</source>
        <translation>Szacunek: około %1 (heurystyka).</translation>
    </message>
    <message>
        <source>The hint is off: %1</source>
        <translation>Podpowiedź niedostępna: %1</translation>
    </message>
    <message>
        <source> Hints keep this game out of the high scores.</source>
        <translation> Z podpowiedziami ta gra nie trafi do rekordów.</translation>
    </message>
    <message>
        <source>Game %1, %2</source>
        <translation>Gra %1, %2</translation>
    </message>
    <message>
        <source>would score </source>
        <translation>dałoby </translation>
    </message>
    <message>
        <source>not played</source>
        <translation>nierozegrane</translation>
    </message>
    <message>
        <source>suggested</source>
        <translation>sugerowane</translation>
    </message>
    <message>
        <source>Previews on</source>
        <translation>Podgląd włączony</translation>
    </message>
    <message>
        <source>Previews off</source>
        <translation>Podgląd wyłączony</translation>
    </message>
    <message>
        <source>Show this card (Ctrl+%1)</source>
        <translation>Pokaż tę kartę (Ctrl+%1)</translation>
    </message>
    <message>
        <source>on turn</source>
        <translation>ma ruch</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Stan gry</translation>
    </message>
    <message>
        <source>↶ Undo</source>
        <translation>↶ Cofnij</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Cofnij</translation>
    </message>
    <message>
        <source>Take back the last entry (Ctrl+Z)</source>
        <translation>Cofnij ostatni wpis (Ctrl+Z)</translation>
    </message>
    <message>
        <source>Entry taken back</source>
        <translation>Wpis cofnięty</translation>
    </message>
    <message>
        <source>Smaller (Ctrl+Minus)</source>
        <translation>Mniejszy (Ctrl+Minus)</translation>
    </message>
    <message>
        <source>Zoom; back to 100 % (Ctrl+0)</source>
        <translation>Powiększenie; powrót do 100 % (Ctrl+0)</translation>
    </message>
    <message>
        <source>Larger (Ctrl+Plus)</source>
        <translation>Większy (Ctrl+Plus)</translation>
    </message>
    <message>
        <source>Smaller</source>
        <translation>Mniejszy</translation>
    </message>
    <message>
        <source>Larger</source>
        <translation>Większy</translation>
    </message>
    <message>
        <source>Zoom %1 %</source>
        <translation>Powiększenie %1 %</translation>
    </message>
    <message>
        <source>bonus won</source>
        <translation>premia zdobyta</translation>
    </message>
    <message>
        <source>upper bonus won</source>
        <translation>górna premia zdobyta</translation>
    </message>
    <message>
        <source>bonus lost</source>
        <translation>premia stracona</translation>
    </message>
    <message>
        <source>upper bonus out of reach</source>
        <translation>górna premia poza zasięgiem</translation>
    </message>
    <message>
        <source>%1 of 63</source>
        <translation>%1 z 63</translation>
    </message>
    <message>
        <source>%1 of 63 toward the upper bonus</source>
        <translation>%1 z 63 do górnej premii</translation>
    </message>
    <message>
        <source>You have rolled since.</source>
        <translation>Od tego czasu był już rzut.</translation>
    </message>
    <message>
        <source>Nothing to take back.</source>
        <translation>Nie ma czego cofnąć.</translation>
    </message>
</context>
</TS>
