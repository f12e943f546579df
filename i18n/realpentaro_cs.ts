<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="cs">
<context>
    <name>Advisor</name>
    <message>
        <source>No turn to advise on.</source>
        <translation>Není tah, ke kterému by šlo radit.</translation>
    </message>
    <message>
        <source>the solved game is not at hand.</source>
        <translation>propočítaná hra není k dispozici.</translation>
    </message>
    <message>
        <source>The dice are still rolling.</source>
        <translation>Kostky se ještě kutálejí.</translation>
    </message>
    <message>
        <source>This card is complete.</source>
        <translation>Tato karta je plná.</translation>
    </message>
    <message>
        <source>Not every move of this game was seen.</source>
        <translation>Ne každý tah této hry byl zaznamenán.</translation>
    </message>
    <message>
        <source>A move of this game is one the advisor does not know.</source>
        <translation>Jeden z tahů této hry rádce nezná.</translation>
    </message>
</context>
<context>
    <name>Card</name>
    <message>
        <source>Ones</source>
        <translation>Jedničky</translation>
    </message>
    <message>
        <source>Twos</source>
        <translation>Dvojky</translation>
    </message>
    <message>
        <source>Threes</source>
        <translation>Trojky</translation>
    </message>
    <message>
        <source>Fours</source>
        <translation>Čtyřky</translation>
    </message>
    <message>
        <source>Fives</source>
        <translation>Pětky</translation>
    </message>
    <message>
        <source>Sixes</source>
        <translation>Šestky</translation>
    </message>
    <message>
        <source>Sub Total</source>
        <translation>Mezisoučet</translation>
    </message>
    <message>
        <source>Bonus (if 63)  35pts</source>
        <translation>Bonus (při 63)  35b</translation>
    </message>
    <message>
        <source>Upper Total</source>
        <translation>Horní součet</translation>
    </message>
    <message>
        <source>3 of a kind</source>
        <translation>Trojice</translation>
    </message>
    <message>
        <source>4 of a kind</source>
        <translation>Čtveřice</translation>
    </message>
    <message>
        <source>Full House</source>
        <translation>Full house</translation>
    </message>
    <message>
        <source>Small Straight</source>
        <translation>Malá postupka</translation>
    </message>
    <message>
        <source>Large Straight</source>
        <translation>Velká postupka</translation>
    </message>
    <message>
        <source>Pentaro</source>
        <translation>Pentaro</translation>
    </message>
    <message>
        <source>Chance</source>
        <translation>Šance</translation>
    </message>
    <message>
        <source>Lower Total</source>
        <translation>Dolní součet</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Skóre</translation>
    </message>
    <message>
        <source> (row %1)</source>
        <translation> (řádek %1)</translation>
    </message>
    <message>
        <source>Game %1, %2</source>
        <translation>Hra %1, %2</translation>
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
        <translation>Potvrdit</translation>
    </message>
    <message>
        <source>Confirm (Space or Enter)</source>
        <translation>Potvrdit (mezerník nebo Enter)</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Zrušit</translation>
    </message>
    <message>
        <source>Cancel (Escape)</source>
        <translation>Zrušit (Escape)</translation>
    </message>
</context>
<context>
    <name>Controls</name>
    <message>
        <source>checked</source>
        <translation>zaškrtnuto</translation>
    </message>
    <message>
        <source>unchecked</source>
        <translation>nezaškrtnuto</translation>
    </message>
</context>
<context>
    <name>Goodbye</name>
    <message>
        <source>Goodbye</source>
        <translation>Na shledanou</translation>
    </message>
    <message>
        <source>&quot;Even a fool, when he keeps
silent, is considered wise.&quot;</source>
        <translation>„I hlupák, když mlčí,
je pokládán za moudrého.“</translation>
    </message>
</context>
<context>
    <name>Help</name>
    <message>
        <source>Real Pentaro Help</source>
        <translation>Nápověda Real Pentaro</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Nápověda</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Hotovo</translation>
    </message>
    <message>
        <source>Back to the game (Escape)</source>
        <translation>Zpět do hry (Escape)</translation>
    </message>
    <message>
        <source>&lt;h1&gt;Real Pentaro Help&lt;/h1&gt;&lt;p&gt;The help file cannot be read: %1&lt;/p&gt;</source>
        <translation>&lt;h1&gt;Nápověda Real Pentaro&lt;/h1&gt;&lt;p&gt;Soubor nápovědy nelze přečíst: %1&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Real Pentaro, version %1</source>
        <translation>Real Pentaro, verze %1</translation>
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
        <translation>Smazat</translation>
    </message>
    <message>
        <source>Reset the high scores (Space)</source>
        <translation>Smazat rekordy (mezerník)</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Hotovo</translation>
    </message>
    <message>
        <source>Back to the table (Enter or Escape)</source>
        <translation>Zpět ke stolu (Enter nebo Escape)</translation>
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
        <translation>Nejdřív musíš<byte value="xd"/>
použít políčko<byte value="xd"/>
Pentaro</translation>
    </message>
    <message>
        <source>One Pentaro in each<byte value="xd"/>
column must be<byte value="xd"/>
used first.</source>
        <translation>Nejdřív musí být<byte value="xd"/>
v každém sloupci<byte value="xd"/>
jedno Pentaro.</translation>
    </message>
    <message>
        <source>Wildcard denied:<byte value="xd"/>
Upper section<byte value="xd"/>
number not used</source>
        <translation>Žolík odmítnut:<byte value="xd"/>
číslo nahoře<byte value="xd"/>
není zapsané</translation>
    </message>
    <message>
        <source>Wildcard denied:<byte value="xd"/>
All like numbers not<byte value="xd"/>
used in upper section</source>
        <translation>Žolík odmítnut:<byte value="xd"/>
toto číslo není nahoře<byte value="xd"/>
všude zapsané</translation>
    </message>
    <message>
        <source>The language setting<byte value="xd"/>
is unknown: the<byte value="xd"/>
desktop&apos;s is used.</source>
        <translation>Nastavení jazyka<byte value="xd"/>
je neznámé: platí<byte value="xd"/>
jazyk systému.</translation>
    </message>
    <message>
        <source>The Current Game<byte value="xd"/>
Will Be Lost</source>
        <translation>Rozehraná hra<byte value="xd"/>
bude ztracena</translation>
    </message>
    <message>
        <source>You Are About To<byte value="xd"/>
Reset The High Scores</source>
        <translation>Chystáš se<byte value="xd"/>
smazat rekordy</translation>
    </message>
    <message>
        <source>Some settings could not be read: defaults are used.</source>
        <translation>Některá nastavení nešla přečíst: použijí se výchozí hodnoty.</translation>
    </message>
    <message>
        <source>Settings cannot be saved.</source>
        <translation>Nastavení nelze uložit.</translation>
    </message>
    <message>
        <source>Settings cannot be read or saved: defaults are used.</source>
        <translation>Nastavení nelze přečíst ani uložit: použijí se výchozí hodnoty.</translation>
    </message>
</context>
<context>
    <name>NewGame</name>
    <message>
        <source>Person</source>
        <translation>Člověk</translation>
    </message>
    <message>
        <source>Computer, Easy</source>
        <translation>Počítač, lehký</translation>
    </message>
    <message>
        <source>Computer, Medium</source>
        <translation>Počítač, střední</translation>
    </message>
    <message>
        <source>Computer, Hard</source>
        <translation>Počítač, těžký</translation>
    </message>
    <message>
        <source>Slow</source>
        <translation>Pomalu</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normálně</translation>
    </message>
    <message>
        <source>Fast</source>
        <translation>Rychle</translation>
    </message>
    <message>
        <source>Player %1</source>
        <translation>Hráč %1</translation>
    </message>
    <message>
        <source>Language: as the desktop (%1)</source>
        <translation>Jazyk: podle systému (%1)</translation>
    </message>
    <message>
        <source>Language: %1</source>
        <translation>Jazyk: %1</translation>
    </message>
    <message>
        <source>The game&apos;s language: press to change (Space)</source>
        <translation>Jazyk hry: stiskni pro změnu (mezerník)</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Nová hra</translation>
    </message>
    <message numerus="yes">
        <source>%n player(s)</source>
        <translation>
            <numerusform>%n hráč</numerusform>
            <numerusform>%n hráči</numerusform>
            <numerusform>%n hráčů</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 (Space)</source>
        <translation>%1 (mezerník)</translation>
    </message>
    <message>
        <source>Name of player %1</source>
        <translation>Jméno hráče %1</translation>
    </message>
    <message>
        <source>Who plays this seat: press to change (Space)</source>
        <translation>Kdo hraje na tomto místě: stiskni pro změnu (mezerník)</translation>
    </message>
    <message>
        <source>Three columns</source>
        <translation>Tři sloupce</translation>
    </message>
    <message>
        <source>One column</source>
        <translation>Jeden sloupec</translation>
    </message>
    <message>
        <source>How fast the computer plays: press to change (Space)</source>
        <translation>Jak rychle hraje počítač: stiskni pro změnu (mezerník)</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Hotovo</translation>
    </message>
    <message>
        <source>Start the game (Enter)</source>
        <translation>Začít hru (Enter)</translation>
    </message>
    <message>
        <source>Player %1: %2</source>
        <translation>Hráč %1: %2</translation>
    </message>
    <message>
        <source>Computer pace: %1</source>
        <translation>Tempo počítače: %1</translation>
    </message>
    <message>
        <source>Instant</source>
        <translation>Okamžitě</translation>
    </message>
</context>
<context>
    <name>Pictures</name>
    <message>
        <source>KEPT</source>
        <translation>DRŽÍ</translation>
    </message>
    <message>
        <source>ROLL</source>
        <translation>HOD</translation>
    </message>
    <message>
        <source>Next Player</source>
        <translation>Další hráč</translation>
    </message>
    <message>
        <source>Person</source>
        <translation>Člověk</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>Lehký</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Střední</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Těžký</translation>
    </message>
    <message>
        <source>Slow</source>
        <translation>Pomalu</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normálně</translation>
    </message>
    <message>
        <source>Fast</source>
        <translation>Rychle</translation>
    </message>
    <message>
        <source>Roll</source>
        <translation>Hodit</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Nová hra</translation>
    </message>
    <message>
        <source>High Scores</source>
        <translation>Rekordy</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Nápověda</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Potvrdit</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Zrušit</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Hotovo</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Rada</translation>
    </message>
    <message>
        <source>Review</source>
        <translation>Rozbor</translation>
    </message>
    <message>
        <source>Sound On</source>
        <translation>Zvuk zap.</translation>
    </message>
    <message>
        <source>Sound Off</source>
        <translation>Zvuk vyp.</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Zvuk</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Smazat</translation>
    </message>
    <message>
        <source>five dice  •  one card  •  up to four players</source>
        <translation>pět kostek  •  jedna karta  •  až čtyři hráči</translation>
    </message>
    <message>
        <source>Who is playing?</source>
        <translation>Kdo hraje?</translation>
    </message>
    <message>
        <source>Played by</source>
        <translation>Hraje</translation>
    </message>
    <message>
        <source>Which game?</source>
        <translation>Jaká hra?</translation>
    </message>
    <message>
        <source>Computer pace</source>
        <translation>Tempo počítače</translation>
    </message>
    <message>
        <source>Three columns</source>
        <translation>Tři sloupce</translation>
    </message>
    <message>
        <source>scored x1, x2, x3</source>
        <translation>body x1, x2, x3</translation>
    </message>
    <message>
        <source>One column</source>
        <translation>Jeden sloupec</translation>
    </message>
    <message>
        <source>a single card</source>
        <translation>jediná karta</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Jméno</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Skóre</translation>
    </message>
    <message>
        <source>Three-Column Game</source>
        <translation>Hra na tři sloupce</translation>
    </message>
    <message>
        <source>One-Column Game</source>
        <translation>Hra na jeden sloupec</translation>
    </message>
    <message>
        <source>Game over</source>
        <translation>Konec hry</translation>
    </message>
    <message>
        <source>A new high score!</source>
        <translation>Nový rekord!</translation>
    </message>
    <message>
        <source>SCORE!</source>
        <translation>REKORD</translation>
    </message>
    <message>
        <source>HIGH</source>
        <translation>NOVÝ</translation>
    </message>
    <message>
        <source>Score Card</source>
        <translation>Karta</translation>
    </message>
    <message>
        <source>Instant</source>
        <translation>Okamžitě</translation>
    </message>
</context>
<context>
    <name>Results</name>
    <message>
        <source>Game 1 Total</source>
        <translation>Součet hry 1</translation>
    </message>
    <message>
        <source>Chips (x-100)</source>
        <translation>Žetony (x-100)</translation>
    </message>
    <message>
        <source>Game 2 Total (x-2)</source>
        <translation>Součet hry 2 (x-2)</translation>
    </message>
    <message>
        <source>Chips (x-200)</source>
        <translation>Žetony (x-200)</translation>
    </message>
    <message>
        <source>Game 3 Total (x-3)</source>
        <translation>Součet hry 3 (x-3)</translation>
    </message>
    <message>
        <source>Chips (x-300)</source>
        <translation>Žetony (x-300)</translation>
    </message>
    <message>
        <source>Grand Total</source>
        <translation>Celkový součet</translation>
    </message>
    <message>
        <source>Game Over</source>
        <translation>Konec hry</translation>
    </message>
    <message>
        <source>player %1</source>
        <translation>hráč %1</translation>
    </message>
    <message>
        <source>Click On Names To See Scorecard</source>
        <translation>Klikni na jméno a uvidíš kartu</translation>
    </message>
    <message>
        <source>Or Tab to a name and press Enter</source>
        <translation>Nebo přejdi Tabem na jméno a stiskni Enter</translation>
    </message>
    <message>
        <source>A new high score!</source>
        <translation>Nový rekord!</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Hotovo</translation>
    </message>
    <message>
        <source>On to the high scores (Enter or Escape)</source>
        <translation>Dál k rekordům (Enter nebo Escape)</translation>
    </message>
    <message>
        <source>Review</source>
        <translation>Rozbor</translation>
    </message>
    <message>
        <source>How far each decision was from best play, and the luck of the dice</source>
        <translation>Jak daleko bylo každé rozhodnutí od nejlepší hry a kolik štěstí daly kostky</translation>
    </message>
    <message>
        <source>The Winner is:  </source>
        <translation>Vítěz:  </translation>
    </message>
    <message>
        <source>Player %1, computer, %2: press Enter to see the score card</source>
        <translation>Hráč %1, počítač, %2: stiskni Enter a uvidíš kartu</translation>
    </message>
    <message>
        <source>Player %1: press Enter to see the score card</source>
        <translation>Hráč %1: stiskni Enter a uvidíš kartu</translation>
    </message>
    <message>
        <source>computer, %1</source>
        <translation>počítač, %1</translation>
    </message>
    <message>
        <source>%1: computer, %2</source>
        <translation>%1: počítač, %2</translation>
    </message>
    <message>
        <source>%1&apos;s score card (Enter)</source>
        <translation>Karta: %1 (Enter)</translation>
    </message>
    <message>
        <source>Best play averages %1 points a game: your %2 is %3 %4 it.</source>
        <translation>Nejlepší hra dává v průměru %1 bodu: tvých %2 je o %3 %4.</translation>
    </message>
    <message>
        <source>below</source>
        <translation>méně</translation>
    </message>
    <message>
        <source>above</source>
        <translation>více</translation>
    </message>
</context>
<context>
    <name>Resume</name>
    <message>
        <source> and </source>
        <translation> a </translation>
    </message>
    <message>
        <source>Continue the game of %1?</source>
        <translation>Pokračovat ve hře (%1)?</translation>
    </message>
    <message>
        <source>Cancel keeps it for the next start.</source>
        <translation>Zrušení ji uchová pro příští spuštění.</translation>
    </message>
    <message>
        <source>Cancel (Escape): keep the game for later</source>
        <translation>Zrušit (Esc): uchovat hru na později</translation>
    </message>
</context>
<context>
    <name>Review</name>
    <message>
        <source>Game Review</source>
        <translation>Rozbor hry</translation>
    </message>
    <message>
        <source>Review of</source>
        <translation>Rozbor pro</translation>
    </message>
    <message>
        <source>Decisions, most costly first</source>
        <translation>Rozhodnutí, nejdražší první</translation>
    </message>
    <message>
        <source>Turn</source>
        <translation>Tah</translation>
    </message>
    <message>
        <source>Roll</source>
        <translation>Hod</translation>
    </message>
    <message>
        <source>Dice</source>
        <translation>Kostky</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Hotovo</translation>
    </message>
    <message>
        <source>Best play</source>
        <translation>Nejlepší tah</translation>
    </message>
    <message>
        <source>Cost</source>
        <translation>Ztráta</translation>
    </message>
    <message>
        <source>Back (Enter or Escape)</source>
        <translation>Zpět (Enter nebo Escape)</translation>
    </message>
    <message>
        <source>The position</source>
        <translation>Situace</translation>
    </message>
    <message>
        <source>. Dice: </source>
        <translation>. Kostky: </translation>
    </message>
    <message>
        <source>Select a decision
to see its position</source>
        <translation>Vyber rozhodnutí
a uvidíš jeho situaci</translation>
    </message>
    <message>
        <source>Turn %1, roll %2</source>
        <translation>Tah %1, hod %2</translation>
    </message>
    <message>
        <source>Bonus (63)</source>
        <translation>Bonus (63)</translation>
    </message>
    <message>
        <source>red: your choice</source>
        <translation>červeně: tvá volba</translation>
    </message>
    <message>
        <source>green: best play</source>
        <translation>zeleně: nejlepší tah</translation>
    </message>
    <message>
        <source>The game&apos;s course</source>
        <translation>Průběh hry</translation>
    </message>
    <message>
        <source>estimated </source>
        <translation>odhadem </translation>
    </message>
    <message>
        <source>Start: %1expected %2.</source>
        <translation>Start: %1očekáváno %2.</translation>
    </message>
    <message>
        <source>Turn %1: %2expected %3, banked %4, cost %5.</source>
        <translation>Tah %1: %2očekáváno %3, získáno %4, ztráta %5.</translation>
    </message>
    <message>
        <source>turn</source>
        <translation>tah</translation>
    </message>
    <message>
        <source>expected with best play</source>
        <translation>očekáváno při nejlepší hře</translation>
    </message>
    <message>
        <source>banked</source>
        <translation>získáno</translation>
    </message>
    <message>
        <source>costliest turns</source>
        <translation>nejdražší tahy</translation>
    </message>
    <message>
        <source>rolls all five</source>
        <translation>hodit všemi pěti</translation>
    </message>
    <message>
        <source>rolled all five</source>
        <translation>hozeno všemi pěti</translation>
    </message>
    <message>
        <source>keeps </source>
        <translation>ponechat </translation>
    </message>
    <message>
        <source>kept </source>
        <translation>ponecháno </translation>
    </message>
    <message>
        <source>enters </source>
        <translation>zapsat: </translation>
    </message>
    <message>
        <source>entered </source>
        <translation>zapsáno: </translation>
    </message>
    <message>
        <source>Pentaro box %1</source>
        <translation>Políčko Pentaro %1</translation>
    </message>
    <message>
        <source> in Game %1</source>
        <translation> ve hře %1</translation>
    </message>
    <message>
        <source>No review of this game: %1</source>
        <translation>Tato hra nemá rozbor: %1</translation>
    </message>
    <message>
        <source>an estimated </source>
        <translation>odhadem </translation>
    </message>
    <message>
        <source>Best play from the start expects %1%2. Your decisions cost %1%3 points and the dice gave you %1%4: %5.</source>
        <translation>Nejlepší hra od začátku očekává %1%2. Tvá rozhodnutí stála %1%3 bodu a kostky ti daly %1%4: %5.</translation>
    </message>
    <message>
        <source>the same</source>
        <translation>totéž</translation>
    </message>
    <message>
        <source>best play too</source>
        <translation>to je i nejlepší tah</translation>
    </message>
    <message>
        <source>best </source>
        <translation>nejlépe </translation>
    </message>
    <message>
        <source>Turn %1, roll %2: %3 %4 %5 (%6)</source>
        <translation>Tah %1, hod %2: %3 %4 %5 (%6)</translation>
    </message>
    <message>
        <source> + a chip</source>
        <translation> + žeton</translation>
    </message>
    <message>
        <source> + the 35 bonus</source>
        <translation> + bonus 35</translation>
    </message>
</context>
<context>
    <name>Rules</name>
    <message>
        <source>Roll the dice first.</source>
        <translation>Nejdřív hoď kostkami.</translation>
    </message>
    <message>
        <source>That box is filled.</source>
        <translation>To políčko je už vyplněné.</translation>
    </message>
    <message>
        <source>Game 2 is not played in a one-column game.</source>
        <translation>Hra 2 se při jednom sloupci nehraje.</translation>
    </message>
    <message>
        <source>Game 3 is not played in a one-column game.</source>
        <translation>Hra 3 se při jednom sloupci nehraje.</translation>
    </message>
    <message>
        <source>Wait for the next player.</source>
        <translation>Počkej na dalšího hráče.</translation>
    </message>
    <message>
        <source>Start a game with New Game.</source>
        <translation>Začni hru tlačítkem Nová hra.</translation>
    </message>
    <message>
        <source>Press New Game to start.</source>
        <translation>Stiskni Nová hra a začni.</translation>
    </message>
</context>
<context>
    <name>ScoreCard</name>
    <message>
        <source>Score Card</source>
        <translation>Karta</translation>
    </message>
    <message>
        <source>Game %1, Pentaro box %2</source>
        <translation>Hra %1, políčko Pentaro %2</translation>
    </message>
    <message>
        <source>Pentaro Chips:</source>
        <translation>Žetony:</translation>
    </message>
    <message>
        <source>Chip, Game %1</source>
        <translation>Žeton, hra %1</translation>
    </message>
    <message>
        <source>Chips, Game %1</source>
        <translation>Žetony, hra %1</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Hotovo</translation>
    </message>
    <message>
        <source>Back to the results (Enter or Escape)</source>
        <translation>Zpět k výsledkům (Enter nebo Escape)</translation>
    </message>
    <message>
        <source>Review</source>
        <translation>Rozbor</translation>
    </message>
    <message>
        <source>How far each decision was from best play, and the luck of the dice</source>
        <translation>Jak daleko bylo každé rozhodnutí od nejlepší hry a kolik štěstí daly kostky</translation>
    </message>
    <message>
        <source>shown</source>
        <translation>zobrazen</translation>
    </message>
</context>
<context>
    <name>Seats</name>
    <message>
        <source>Person</source>
        <translation>Člověk</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>Lehký</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Střední</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Těžký</translation>
    </message>
</context>
<context>
    <name>Splash</name>
    <message>
        <source>Splash</source>
        <translation>Úvod</translation>
    </message>
    <message>
        <source>&quot;Iron sharpens iron, so
one man sharpens another.&quot;</source>
        <translation>„Železo se brousí železem
a člověk se tříbí člověkem.“</translation>
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
        <translation>Real Pentaro nemůže začít: obrázky chybějí nebo jsou poškozené.

%1

Hledáno v: %2</translation>
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
        <translation>Zvuk zap.</translation>
    </message>
    <message>
        <source>Sound Off</source>
        <translation>Zvuk vyp.</translation>
    </message>
    <message>
        <source>Rolls</source>
        <translation>Hody</translation>
    </message>
    <message>
        <source>No sound device found</source>
        <translation>Nenalezeno žádné zvukové zařízení</translation>
    </message>
    <message>
        <source>shown</source>
        <translation>zobrazen</translation>
    </message>
    <message>
        <source>Die %1</source>
        <translation>Kostka %1</translation>
    </message>
    <message>
        <source>, kept</source>
        <translation>, držená</translation>
    </message>
    <message>
        <source>Rolls: %1</source>
        <translation>Hody: %1</translation>
    </message>
    <message>
        <source>%1 enters %2 in %3, Game %4</source>
        <translation>%1 zapisuje %2 do políčka %3, hra %4</translation>
    </message>
    <message>
        <source>%1 enters %2 in Pentaro box %3, Game %4</source>
        <translation>%1 zapisuje %2 do políčka Pentaro %3, hra %4</translation>
    </message>
    <message>
        <source>Roll %1: %2</source>
        <translation>Hod %1: %2</translation>
    </message>
    <message>
        <source>%1 rolls %2</source>
        <translation>%1 hází %2</translation>
    </message>
    <message>
        <source>. Pentaro!</source>
        <translation>. Pentaro!</translation>
    </message>
    <message>
        <source>%1 to play</source>
        <translation>Na tahu: %1</translation>
    </message>
    <message>
        <source>Proverbs 27:17</source>
        <translation>Přísloví 27:17</translation>
    </message>
    <message>
        <source>Game 1</source>
        <translation>Hra 1</translation>
    </message>
    <message>
        <source>Game 2</source>
        <translation>Hra 2</translation>
    </message>
    <message>
        <source>Game 3</source>
        <translation>Hra 3</translation>
    </message>
    <message>
        <source>Game %1, Pentaro box %2</source>
        <translation>Hra %1, políčko Pentaro %2</translation>
    </message>
    <message>
        <source>Pentaro Chips:</source>
        <translation>Žetony:</translation>
    </message>
    <message>
        <source>Chip, Game %1</source>
        <translation>Žeton, hra %1</translation>
    </message>
    <message>
        <source>%1 (key %2)</source>
        <translation>%1 (klávesa %2)</translation>
    </message>
    <message>
        <source>Click to put back</source>
        <translation>Klikni a vrať ji zpět</translation>
    </message>
    <message>
        <source>Click to keep</source>
        <translation>Klikni a podrž ji</translation>
    </message>
    <message>
        <source>Roll</source>
        <translation>Hodit</translation>
    </message>
    <message>
        <source>Click to roll dice (Enter)</source>
        <translation>Klikni a hoď kostkami (Enter)</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Nová hra</translation>
    </message>
    <message>
        <source>Click to begin new game (N)</source>
        <translation>Klikni a začni novou hru (N)</translation>
    </message>
    <message>
        <source>High Scores</source>
        <translation>Rekordy</translation>
    </message>
    <message>
        <source>Click to show high scores (S)</source>
        <translation>Klikni a uvidíš rekordy (S)</translation>
    </message>
    <message>
        <source>Enable/Disable Sound (M)</source>
        <translation>Zapnout/vypnout zvuk (M)</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Nápověda</translation>
    </message>
    <message>
        <source>Click for help (F1)</source>
        <translation>Klikni pro nápovědu (F1)</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Rada</translation>
    </message>
    <message>
        <source>Click for the best move (H)</source>
        <translation>Klikni pro nejlepší tah (H)</translation>
    </message>
    <message>
        <source>Exit The Program</source>
        <translation>Ukončit program</translation>
    </message>
    <message>
        <source>Exit The Program (Ctrl+Q)</source>
        <translation>Ukončit program (Ctrl+Q)</translation>
    </message>
    <message>
        <source>Next player</source>
        <translation>Další hráč</translation>
    </message>
    <message>
        <source>The computer cannot play: %1</source>
        <translation>Počítač nemůže hrát: %1</translation>
    </message>
    <message>
        <source>%1 keeps %2</source>
        <translation>%1 drží %2</translation>
    </message>
    <message>
        <source> and </source>
        <translation> a </translation>
    </message>
    <message>
        <source>Roll the dice.</source>
        <translation>Hoď kostkami.</translation>
    </message>
    <message>
        <source>Roll all five dice.</source>
        <translation>Hoď všemi pěti kostkami.</translation>
    </message>
    <message>
        <source>Keep %1 (%2 %3), roll the rest.</source>
        <translation>Podrž %1 (%2 %3), zbytkem hoď.</translation>
    </message>
    <message>
        <source>die</source>
        <translation>kostka</translation>
    </message>
    <message>
        <source>dice</source>
        <translation>kostky</translation>
    </message>
    <message>
        <source>Pentaro box %1</source>
        <translation>Políčko Pentaro %1</translation>
    </message>
    <message>
        <source>Take Game %1, %2: %3 points.</source>
        <translation>Zapiš ve hře %1: %2, %3 b.</translation>
    </message>
    <message>
        <source>With best play: %1 expected.</source>
        <translation>Při nejlepší hře očekáváno: %1.</translation>
    </message>
    <message>
        <source>Estimate: about %1 (heuristic).</source>
        <translation>Odhad: asi %1 (přibližně).</translation>
    </message>
    <message>
        <source>The hint is off: %1</source>
        <translation>Rada není k dispozici: %1</translation>
    </message>
    <message>
        <source> Hints keep this game out of the high scores.</source>
        <translation> S radami se tato hra nedostane do rekordů.</translation>
    </message>
    <message>
        <source>Game %1, %2</source>
        <translation>Hra %1, %2</translation>
    </message>
    <message>
        <source>would score </source>
        <translation>dalo by </translation>
    </message>
    <message>
        <source>not played</source>
        <translation>nehraje se</translation>
    </message>
    <message>
        <source>suggested</source>
        <translation>doporučeno</translation>
    </message>
    <message>
        <source>Previews on</source>
        <translation>Náhledy zapnuty</translation>
    </message>
    <message>
        <source>Previews off</source>
        <translation>Náhledy vypnuty</translation>
    </message>
    <message>
        <source>Show this card (Ctrl+%1)</source>
        <translation>Ukázat tuto kartu (Ctrl+%1)</translation>
    </message>
    <message>
        <source>on turn</source>
        <translation>na tahu</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Stav</translation>
    </message>
    <message>
        <source>↶ Undo</source>
        <translation>↶ Zpět</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Zpět</translation>
    </message>
    <message>
        <source>Take back the last entry (Ctrl+Z)</source>
        <translation>Vzít zpět poslední zápis (Ctrl+Z)</translation>
    </message>
    <message>
        <source>Entry taken back</source>
        <translation>Zápis vzat zpět</translation>
    </message>
    <message>
        <source>Smaller (Ctrl+Minus)</source>
        <translation>Menší (Ctrl+Minus)</translation>
    </message>
    <message>
        <source>Zoom; back to 100 % (Ctrl+0)</source>
        <translation>Velikost; zpět na 100 % (Ctrl+0)</translation>
    </message>
    <message>
        <source>Larger (Ctrl+Plus)</source>
        <translation>Větší (Ctrl+Plus)</translation>
    </message>
    <message>
        <source>Smaller</source>
        <translation>Menší</translation>
    </message>
    <message>
        <source>Larger</source>
        <translation>Větší</translation>
    </message>
    <message>
        <source>Zoom %1 %</source>
        <translation>Velikost %1 %</translation>
    </message>
    <message>
        <source>bonus won</source>
        <translation>bonus získán</translation>
    </message>
    <message>
        <source>upper bonus won</source>
        <translation>horní bonus získán</translation>
    </message>
    <message>
        <source>bonus lost</source>
        <translation>bonus ztracen</translation>
    </message>
    <message>
        <source>upper bonus out of reach</source>
        <translation>horní bonus mimo dosah</translation>
    </message>
    <message>
        <source>%1 of 63</source>
        <translation>%1 z 63</translation>
    </message>
    <message>
        <source>%1 of 63 toward the upper bonus</source>
        <translation>%1 z 63 k hornímu bonusu</translation>
    </message>
    <message>
        <source>You have rolled since.</source>
        <translation>Mezitím už proběhl hod.</translation>
    </message>
    <message>
        <source>Nothing to take back.</source>
        <translation>Není co vzít zpět.</translation>
    </message>
</context>
</TS>
