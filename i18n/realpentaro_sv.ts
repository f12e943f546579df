<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sv">
<context>
    <name>Advisor</name>
    <message>
        <source>No turn to advise on.</source>
        <translation>Det finns ingen tur att ge råd om.</translation>
    </message>
    <message>
        <source>the solved game is not at hand.</source>
        <translation>det färdigräknade spelet finns inte till hands.</translation>
    </message>
    <message>
        <source>The dice are still rolling.</source>
        <translation>Tärningarna rullar fortfarande.</translation>
    </message>
    <message>
        <source>This card is complete.</source>
        <translation>Det här protokollet är fullt.</translation>
    </message>
    <message>
        <source>Not every move of this game was seen.</source>
        <translation>Alla drag i det här spelet syntes inte.</translation>
    </message>
    <message>
        <source>A move of this game is one the advisor does not know.</source>
        <translation>Ett drag i det här spelet känner rådgivaren inte till.</translation>
    </message>
</context>
<context>
    <name>Card</name>
    <message>
        <source>Ones</source>
        <translation>Ettor</translation>
    </message>
    <message>
        <source>Twos</source>
        <translation>Tvåor</translation>
    </message>
    <message>
        <source>Threes</source>
        <translation>Treor</translation>
    </message>
    <message>
        <source>Fours</source>
        <translation>Fyror</translation>
    </message>
    <message>
        <source>Fives</source>
        <translation>Femmor</translation>
    </message>
    <message>
        <source>Sixes</source>
        <translation>Sexor</translation>
    </message>
    <message>
        <source>Sub Total</source>
        <translation>Delsumma</translation>
    </message>
    <message>
        <source>Bonus (if 63)  35pts</source>
        <translation>Bonus (vid 63)  35p</translation>
    </message>
    <message>
        <source>Upper Total</source>
        <translation>Summa övre</translation>
    </message>
    <message>
        <source>3 of a kind</source>
        <translation>Tretal</translation>
    </message>
    <message>
        <source>4 of a kind</source>
        <translation>Fyrtal</translation>
    </message>
    <message>
        <source>Full House</source>
        <translation>Kåk</translation>
    </message>
    <message>
        <source>Small Straight</source>
        <translation>Liten stege</translation>
    </message>
    <message>
        <source>Large Straight</source>
        <translation>Stor stege</translation>
    </message>
    <message>
        <source>Pentaro</source>
        <translation>Pentaro</translation>
    </message>
    <message>
        <source>Chance</source>
        <translation>Chans</translation>
    </message>
    <message>
        <source>Lower Total</source>
        <translation>Summa nedre</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Poäng</translation>
    </message>
    <message>
        <source> (row %1)</source>
        <translation> (rad %1)</translation>
    </message>
    <message>
        <source>Game %1, %2</source>
        <translation>Spel %1, %2</translation>
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
        <translation>Bekräfta</translation>
    </message>
    <message>
        <source>Confirm (Space or Enter)</source>
        <translation>Bekräfta (blanksteg eller Enter)</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Avbryt</translation>
    </message>
    <message>
        <source>Cancel (Escape)</source>
        <translation>Avbryt (Escape)</translation>
    </message>
</context>
<context>
    <name>Controls</name>
    <message>
        <source>checked</source>
        <translation>markerad</translation>
    </message>
    <message>
        <source>unchecked</source>
        <translation>inte markerad</translation>
    </message>
</context>
<context>
    <name>Goodbye</name>
    <message>
        <source>Goodbye</source>
        <translation>Hej då</translation>
    </message>
    <message>
        <source>&quot;Even a fool, when he keeps
silent, is considered wise.&quot;</source>
        <translation>”Också en dåre kan anses vis
när han tiger.”</translation>
    </message>
</context>
<context>
    <name>Help</name>
    <message>
        <source>Real Pentaro Help</source>
        <translation>Real Pentaro Hjälp</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hjälp</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Klar</translation>
    </message>
    <message>
        <source>Back to the game (Escape)</source>
        <translation>Tillbaka till spelet (Escape)</translation>
    </message>
    <message>
        <source>&lt;h1&gt;Real Pentaro Help&lt;/h1&gt;&lt;p&gt;The help file cannot be read: %1&lt;/p&gt;</source>
        <translation>&lt;h1&gt;Real Pentaro Hjälp&lt;/h1&gt;&lt;p&gt;Hjälpfilen kan inte läsas: %1&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Real Pentaro, version %1</source>
        <translation>Real Pentaro, version %1</translation>
    </message>
</context>
<context>
    <name>HighScores</name>
    <message>
        <source>High Scores</source>
        <translation>Topplista</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Rensa</translation>
    </message>
    <message>
        <source>Reset the high scores (Space)</source>
        <translation>Rensa topplistan (blanksteg)</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Klar</translation>
    </message>
    <message>
        <source>Back to the table (Enter or Escape)</source>
        <translation>Tillbaka till bordet (Enter eller Escape)</translation>
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
        <translation>Du måste först<byte value="xd"/>
använda en<byte value="xd"/>
Pentaro-ruta</translation>
    </message>
    <message>
        <source>One Pentaro in each<byte value="xd"/>
column must be<byte value="xd"/>
used first.</source>
        <translation>Först måste varje<byte value="xd"/>
kolumn ha en<byte value="xd"/>
Pentaro.</translation>
    </message>
    <message>
        <source>Wildcard denied:<byte value="xd"/>
Upper section<byte value="xd"/>
number not used</source>
        <translation>Joker nekad:<byte value="xd"/>
siffran i övre<byte value="xd"/>
delen är oanvänd</translation>
    </message>
    <message>
        <source>Wildcard denied:<byte value="xd"/>
All like numbers not<byte value="xd"/>
used in upper section</source>
        <translation>Joker nekad:<byte value="xd"/>
siffran är inte ifylld<byte value="xd"/>
överallt i övre delen</translation>
    </message>
    <message>
        <source>The language setting<byte value="xd"/>
is unknown: the<byte value="xd"/>
desktop&apos;s is used.</source>
        <translation>Språkinställningen<byte value="xd"/>
är okänd: systemets<byte value="xd"/>
språk används.</translation>
    </message>
    <message>
        <source>The Current Game<byte value="xd"/>
Will Be Lost</source>
        <translation>Pågående spel<byte value="xd"/>
går förlorat</translation>
    </message>
    <message>
        <source>You Are About To<byte value="xd"/>
Reset The High Scores</source>
        <translation>Du håller på att<byte value="xd"/>
rensa topplistan</translation>
    </message>
    <message>
        <source>Some settings could not be read: defaults are used.</source>
        <translation>Vissa inställningar kunde inte läsas: standardvärden används.</translation>
    </message>
    <message>
        <source>Settings cannot be saved.</source>
        <translation>Inställningarna kan inte sparas.</translation>
    </message>
    <message>
        <source>Settings cannot be read or saved: defaults are used.</source>
        <translation>Inställningarna kan inte läsas eller sparas: standardvärden används.</translation>
    </message>
</context>
<context>
    <name>NewGame</name>
    <message>
        <source>Person</source>
        <translation>Person</translation>
    </message>
    <message>
        <source>Computer, Easy</source>
        <translation>Dator, lätt</translation>
    </message>
    <message>
        <source>Computer, Medium</source>
        <translation>Dator, medel</translation>
    </message>
    <message>
        <source>Computer, Hard</source>
        <translation>Dator, svår</translation>
    </message>
    <message>
        <source>Slow</source>
        <translation>Sakta</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Fast</source>
        <translation>Snabb</translation>
    </message>
    <message>
        <source>Player %1</source>
        <translation>Spelare %1</translation>
    </message>
    <message>
        <source>Language: as the desktop (%1)</source>
        <translation>Språk: som skrivbordet (%1)</translation>
    </message>
    <message>
        <source>Language: %1</source>
        <translation>Språk: %1</translation>
    </message>
    <message>
        <source>The game&apos;s language: press to change (Space)</source>
        <translation>Spelets språk: tryck för att ändra (blanksteg)</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Nytt spel</translation>
    </message>
    <message numerus="yes">
        <source>%n player(s)</source>
        <translation>
            <numerusform>%n spelare</numerusform>
            <numerusform>%n spelare</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 (Space)</source>
        <translation>%1 (blanksteg)</translation>
    </message>
    <message>
        <source>Name of player %1</source>
        <translation>Namn på spelare %1</translation>
    </message>
    <message>
        <source>Who plays this seat: press to change (Space)</source>
        <translation>Vem som spelar här: tryck för att ändra (blanksteg)</translation>
    </message>
    <message>
        <source>Three columns</source>
        <translation>Tre kolumner</translation>
    </message>
    <message>
        <source>One column</source>
        <translation>En kolumn</translation>
    </message>
    <message>
        <source>How fast the computer plays: press to change (Space)</source>
        <translation>Hur snabbt datorn spelar: tryck för att ändra (blanksteg)</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Klar</translation>
    </message>
    <message>
        <source>Start the game (Enter)</source>
        <translation>Starta spelet (Enter)</translation>
    </message>
    <message>
        <source>Player %1: %2</source>
        <translation>Spelare %1: %2</translation>
    </message>
    <message>
        <source>Computer pace: %1</source>
        <translation>Datorns takt: %1</translation>
    </message>
    <message>
        <source>Instant</source>
        <translation>Direkt</translation>
    </message>
</context>
<context>
    <name>Pictures</name>
    <message>
        <source>KEPT</source>
        <translation>SPARAD</translation>
    </message>
    <message>
        <source>ROLL</source>
        <translation>KASTA</translation>
    </message>
    <message>
        <source>Next Player</source>
        <translation>Nästa tur</translation>
    </message>
    <message>
        <source>Person</source>
        <translation>Person</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>Lätt</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Medel</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Svår</translation>
    </message>
    <message>
        <source>Slow</source>
        <translation>Sakta</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Fast</source>
        <translation>Snabb</translation>
    </message>
    <message>
        <source>Roll</source>
        <translation>Kasta</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Nytt spel</translation>
    </message>
    <message>
        <source>High Scores</source>
        <translation>Topplista</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hjälp</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Bekräfta</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Avbryt</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Klar</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Tips</translation>
    </message>
    <message>
        <source>Review</source>
        <translation>Analys</translation>
    </message>
    <message>
        <source>Sound On</source>
        <translation>Ljud på</translation>
    </message>
    <message>
        <source>Sound Off</source>
        <translation>Ljud av</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Ljud</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Rensa</translation>
    </message>
    <message>
        <source>five dice  •  one card  •  up to four players</source>
        <translation>fem tärningar  •  ett protokoll  •  upp till fyra spelare</translation>
    </message>
    <message>
        <source>Who is playing?</source>
        <translation>Vem spelar?</translation>
    </message>
    <message>
        <source>Played by</source>
        <translation>Spelas av</translation>
    </message>
    <message>
        <source>Which game?</source>
        <translation>Vilket spel?</translation>
    </message>
    <message>
        <source>Computer pace</source>
        <translation>Datorns takt</translation>
    </message>
    <message>
        <source>Three columns</source>
        <translation>Tre kolumner</translation>
    </message>
    <message>
        <source>scored x1, x2, x3</source>
        <translation>räknas x1, x2, x3</translation>
    </message>
    <message>
        <source>One column</source>
        <translation>En kolumn</translation>
    </message>
    <message>
        <source>a single card</source>
        <translation>ett enda protokoll</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Namn</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Poäng</translation>
    </message>
    <message>
        <source>Three-Column Game</source>
        <translation>Spel med tre kolumner</translation>
    </message>
    <message>
        <source>One-Column Game</source>
        <translation>Spel med en kolumn</translation>
    </message>
    <message>
        <source>Game over</source>
        <translation>Spelet är slut</translation>
    </message>
    <message>
        <source>A new high score!</source>
        <translation>Nytt rekord!</translation>
    </message>
    <message>
        <source>SCORE!</source>
        <translation>REKORD</translation>
    </message>
    <message>
        <source>HIGH</source>
        <translation>NYTT</translation>
    </message>
    <message>
        <source>Score Card</source>
        <translation>Protokoll</translation>
    </message>
    <message>
        <source>Instant</source>
        <translation>Direkt</translation>
    </message>
</context>
<context>
    <name>Results</name>
    <message>
        <source>Game 1 Total</source>
        <translation>Summa spel 1</translation>
    </message>
    <message>
        <source>Chips (x-100)</source>
        <translation>Marker (x-100)</translation>
    </message>
    <message>
        <source>Game 2 Total (x-2)</source>
        <translation>Summa spel 2 (x-2)</translation>
    </message>
    <message>
        <source>Chips (x-200)</source>
        <translation>Marker (x-200)</translation>
    </message>
    <message>
        <source>Game 3 Total (x-3)</source>
        <translation>Summa spel 3 (x-3)</translation>
    </message>
    <message>
        <source>Chips (x-300)</source>
        <translation>Marker (x-300)</translation>
    </message>
    <message>
        <source>Grand Total</source>
        <translation>Totalsumma</translation>
    </message>
    <message>
        <source>Game Over</source>
        <translation>Spelet är slut</translation>
    </message>
    <message>
        <source>player %1</source>
        <translation>spelare %1</translation>
    </message>
    <message>
        <source>Click On Names To See Scorecard</source>
        <translation>Klicka på ett namn för att se protokollet</translation>
    </message>
    <message>
        <source>Or Tab to a name and press Enter</source>
        <translation>Eller gå till ett namn med Tab och tryck Enter</translation>
    </message>
    <message>
        <source>A new high score!</source>
        <translation>Nytt rekord!</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Klar</translation>
    </message>
    <message>
        <source>On to the high scores (Enter or Escape)</source>
        <translation>Vidare till topplistan (Enter eller Escape)</translation>
    </message>
    <message>
        <source>Review</source>
        <translation>Analys</translation>
    </message>
    <message>
        <source>How far each decision was from best play, and the luck of the dice</source>
        <translation>Hur långt varje beslut låg från bästa spel, och tärningarnas tur</translation>
    </message>
    <message>
        <source>The Winner is:  </source>
        <translation>Vinnaren är:  </translation>
    </message>
    <message>
        <source>Player %1, computer, %2: press Enter to see the score card</source>
        <translation>Spelare %1, dator, %2: tryck Enter för att se protokollet</translation>
    </message>
    <message>
        <source>Player %1: press Enter to see the score card</source>
        <translation>Spelare %1: tryck Enter för att se protokollet</translation>
    </message>
    <message>
        <source>computer, %1</source>
        <translation>dator, %1</translation>
    </message>
    <message>
        <source>%1: computer, %2</source>
        <translation>%1: dator, %2</translation>
    </message>
    <message>
        <source>%1&apos;s score card (Enter)</source>
        <translation>Protokoll för %1 (Enter)</translation>
    </message>
    <message>
        <source>Best play averages %1 points a game: your %2 is %3 %4 it.</source>
        <translation>Bästa spel ger i snitt %1 poäng: dina %2 är %3 %4.</translation>
    </message>
    <message>
        <source>below</source>
        <translation>under</translation>
    </message>
    <message>
        <source>above</source>
        <translation>över</translation>
    </message>
</context>
<context>
    <name>Resume</name>
    <message>
        <source> and </source>
        <translation> och </translation>
    </message>
    <message>
        <source>Continue the game of %1?</source>
        <translation>Fortsätta spelet för %1?</translation>
    </message>
    <message>
        <source>Cancel keeps it for the next start.</source>
        <translation>Avbryt sparar det till nästa start.</translation>
    </message>
    <message>
        <source>Cancel (Escape): keep the game for later</source>
        <translation>Avbryt (Esc): spara spelet till senare</translation>
    </message>
</context>
<context>
    <name>Review</name>
    <message>
        <source>Game Review</source>
        <translation>Spelanalys</translation>
    </message>
    <message>
        <source>Review of</source>
        <translation>Analys av</translation>
    </message>
    <message>
        <source>Decisions, most costly first</source>
        <translation>Beslut, dyraste först</translation>
    </message>
    <message>
        <source>Turn</source>
        <translation>Tur</translation>
    </message>
    <message>
        <source>Roll</source>
        <translation>Kast</translation>
    </message>
    <message>
        <source>Dice</source>
        <translation>Tärningar</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Klar</translation>
    </message>
    <message>
        <source>Best play</source>
        <translation>Bästa drag</translation>
    </message>
    <message>
        <source>Cost</source>
        <translation>Kostnad</translation>
    </message>
    <message>
        <source>Back (Enter or Escape)</source>
        <translation>Tillbaka (Enter eller Escape)</translation>
    </message>
    <message>
        <source>The position</source>
        <translation>Ställningen</translation>
    </message>
    <message>
        <source>. Dice: </source>
        <translation>. Tärningar: </translation>
    </message>
    <message>
        <source>Select a decision
to see its position</source>
        <translation>Välj ett beslut
för att se ställningen</translation>
    </message>
    <message>
        <source>Turn %1, roll %2</source>
        <translation>Tur %1, kast %2</translation>
    </message>
    <message>
        <source>Bonus (63)</source>
        <translation>Bonus (63)</translation>
    </message>
    <message>
        <source>red: your choice</source>
        <translation>rött: ditt val</translation>
    </message>
    <message>
        <source>green: best play</source>
        <translation>grönt: bästa drag</translation>
    </message>
    <message>
        <source>The game&apos;s course</source>
        <translation>Spelets förlopp</translation>
    </message>
    <message>
        <source>estimated </source>
        <translation>uppskattat </translation>
    </message>
    <message>
        <source>Start: %1expected %2.</source>
        <translation>Start: %1väntevärde %2.</translation>
    </message>
    <message>
        <source>Turn %1: %2expected %3, banked %4, cost %5.</source>
        <translation>Tur %1: %2väntevärde %3, inhämtat %4, kostnad %5.</translation>
    </message>
    <message>
        <source>turn</source>
        <translation>tur</translation>
    </message>
    <message>
        <source>expected with best play</source>
        <translation>väntat med bästa spel</translation>
    </message>
    <message>
        <source>banked</source>
        <translation>inhämtat</translation>
    </message>
    <message>
        <source>costliest turns</source>
        <translation>dyraste turerna</translation>
    </message>
    <message>
        <source>rolls all five</source>
        <translation>kastar alla fem</translation>
    </message>
    <message>
        <source>rolled all five</source>
        <translation>kastade alla fem</translation>
    </message>
    <message>
        <source>keeps </source>
        <translation>sparar </translation>
    </message>
    <message>
        <source>kept </source>
        <translation>sparade </translation>
    </message>
    <message>
        <source>enters </source>
        <translation>väljer </translation>
    </message>
    <message>
        <source>entered </source>
        <translation>valde </translation>
    </message>
    <message>
        <source>Pentaro box %1</source>
        <translation>Pentaro-ruta %1</translation>
    </message>
    <message>
        <source> in Game %1</source>
        <translation> i spel %1</translation>
    </message>
    <message>
        <source>No review of this game: %1</source>
        <translation>Ingen analys av det här spelet: %1</translation>
    </message>
    <message>
        <source>an estimated </source>
        <translation>uppskattningsvis </translation>
    </message>
    <message>
        <source>Best play from the start expects %1%2. Your decisions cost %1%3 points and the dice gave you %1%4: %5.</source>
        <translation>Bästa spel från start väntar sig %1%2. Dina beslut kostade %1%3 poäng och tärningarna gav dig %1%4: %5.</translation>
    </message>
    <message>
        <source>the same</source>
        <translation>samma</translation>
    </message>
    <message>
        <source>best play too</source>
        <translation>även bästa drag</translation>
    </message>
    <message>
        <source>best </source>
        <translation>bästa drag </translation>
    </message>
    <message>
        <source>Turn %1, roll %2: %3 %4 %5 (%6)</source>
        <translation>Tur %1, kast %2: %3 %4 %5 (%6)</translation>
    </message>
    <message>
        <source> + a chip</source>
        <translation> + en mark</translation>
    </message>
    <message>
        <source> + the 35 bonus</source>
        <translation> + bonusen på 35</translation>
    </message>
</context>
<context>
    <name>Rules</name>
    <message>
        <source>Roll the dice first.</source>
        <translation>Kasta tärningarna först.</translation>
    </message>
    <message>
        <source>That box is filled.</source>
        <translation>Den rutan är redan ifylld.</translation>
    </message>
    <message>
        <source>Game 2 is not played in a one-column game.</source>
        <translation>Spel 2 spelas inte med en kolumn.</translation>
    </message>
    <message>
        <source>Game 3 is not played in a one-column game.</source>
        <translation>Spel 3 spelas inte med en kolumn.</translation>
    </message>
    <message>
        <source>Wait for the next player.</source>
        <translation>Vänta på nästa spelare.</translation>
    </message>
    <message>
        <source>Start a game with New Game.</source>
        <translation>Starta ett spel med Nytt spel.</translation>
    </message>
    <message>
        <source>Press New Game to start.</source>
        <translation>Tryck på Nytt spel för att börja.</translation>
    </message>
</context>
<context>
    <name>ScoreCard</name>
    <message>
        <source>Score Card</source>
        <translation>Protokoll</translation>
    </message>
    <message>
        <source>Game %1, Pentaro box %2</source>
        <translation>Spel %1, Pentaro-ruta %2</translation>
    </message>
    <message>
        <source>Pentaro Chips:</source>
        <translation>Marker:</translation>
    </message>
    <message>
        <source>Chip, Game %1</source>
        <translation>Mark, spel %1</translation>
    </message>
    <message>
        <source>Chips, Game %1</source>
        <translation>Marker, spel %1</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Klar</translation>
    </message>
    <message>
        <source>Back to the results (Enter or Escape)</source>
        <translation>Tillbaka till resultatet (Enter eller Escape)</translation>
    </message>
    <message>
        <source>Review</source>
        <translation>Analys</translation>
    </message>
    <message>
        <source>How far each decision was from best play, and the luck of the dice</source>
        <translation>Hur långt varje beslut låg från bästa spel, och tärningarnas tur</translation>
    </message>
    <message>
        <source>shown</source>
        <translation>visas</translation>
    </message>
</context>
<context>
    <name>Seats</name>
    <message>
        <source>Person</source>
        <translation>Person</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>Lätt</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Medel</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Svår</translation>
    </message>
</context>
<context>
    <name>Splash</name>
    <message>
        <source>Splash</source>
        <translation>Välkommen</translation>
    </message>
    <message>
        <source>&quot;Iron sharpens iron, so
one man sharpens another.&quot;</source>
        <translation>”Järn slipas med järn,
människa slipas av människa.”</translation>
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
        <translation>Real Pentaro kan inte starta: bilder saknas eller är trasiga.

%1

Letade i: %2</translation>
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
        <translation>Ljud på</translation>
    </message>
    <message>
        <source>Sound Off</source>
        <translation>Ljud av</translation>
    </message>
    <message>
        <source>Rolls</source>
        <translation>Kast</translation>
    </message>
    <message>
        <source>No sound device found</source>
        <translation>Ingen ljudenhet hittades</translation>
    </message>
    <message>
        <source>shown</source>
        <translation>visas</translation>
    </message>
    <message>
        <source>Die %1</source>
        <translation>Tärning %1</translation>
    </message>
    <message>
        <source>, kept</source>
        <translation>, sparad</translation>
    </message>
    <message>
        <source>Rolls: %1</source>
        <translation>Kast: %1</translation>
    </message>
    <message>
        <source>%1 enters %2 in %3, Game %4</source>
        <translation>%1 skriver %2 i %3, spel %4</translation>
    </message>
    <message>
        <source>%1 enters %2 in Pentaro box %3, Game %4</source>
        <translation>%1 skriver %2 i Pentaro-ruta %3, spel %4</translation>
    </message>
    <message>
        <source>Roll %1: %2</source>
        <translation>Kast %1: %2</translation>
    </message>
    <message>
        <source>%1 rolls %2</source>
        <translation>%1 slår %2</translation>
    </message>
    <message>
        <source>. Pentaro!</source>
        <translation>. Pentaro!</translation>
    </message>
    <message>
        <source>%1 to play</source>
        <translation>%1 står på tur</translation>
    </message>
    <message>
        <source>Proverbs 27:17</source>
        <translation>Ordspråksboken 27:17</translation>
    </message>
    <message>
        <source>Game 1</source>
        <translation>Spel 1</translation>
    </message>
    <message>
        <source>Game 2</source>
        <translation>Spel 2</translation>
    </message>
    <message>
        <source>Game 3</source>
        <translation>Spel 3</translation>
    </message>
    <message>
        <source>Game %1, Pentaro box %2</source>
        <translation>Spel %1, Pentaro-ruta %2</translation>
    </message>
    <message>
        <source>Pentaro Chips:</source>
        <translation>Marker:</translation>
    </message>
    <message>
        <source>Chip, Game %1</source>
        <translation>Mark, spel %1</translation>
    </message>
    <message>
        <source>%1 (key %2)</source>
        <translation>%1 (tangent %2)</translation>
    </message>
    <message>
        <source>Click to put back</source>
        <translation>Klicka för att lägga tillbaka</translation>
    </message>
    <message>
        <source>Click to keep</source>
        <translation>Klicka för att spara</translation>
    </message>
    <message>
        <source>Roll</source>
        <translation>Kasta</translation>
    </message>
    <message>
        <source>Click to roll dice (Enter)</source>
        <translation>Klicka för att kasta (Enter)</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Nytt spel</translation>
    </message>
    <message>
        <source>Click to begin new game (N)</source>
        <translation>Klicka för nytt spel (N)</translation>
    </message>
    <message>
        <source>High Scores</source>
        <translation>Topplista</translation>
    </message>
    <message>
        <source>Click to show high scores (S)</source>
        <translation>Klicka för topplistan (S)</translation>
    </message>
    <message>
        <source>Enable/Disable Sound (M)</source>
        <translation>Ljud på/av (M)</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hjälp</translation>
    </message>
    <message>
        <source>Click for help (F1)</source>
        <translation>Klicka för hjälp (F1)</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Tips</translation>
    </message>
    <message>
        <source>Click for the best move (H)</source>
        <translation>Klicka för bästa draget (H)</translation>
    </message>
    <message>
        <source>Exit The Program</source>
        <translation>Avsluta programmet</translation>
    </message>
    <message>
        <source>Exit The Program (Ctrl+Q)</source>
        <translation>Avsluta programmet (Ctrl+Q)</translation>
    </message>
    <message>
        <source>Next player</source>
        <translation>Nästa spelare</translation>
    </message>
    <message>
        <source>The computer cannot play: %1</source>
        <translation>Datorn kan inte spela: %1</translation>
    </message>
    <message>
        <source>%1 keeps %2</source>
        <translation>%1 sparar %2</translation>
    </message>
    <message>
        <source> and </source>
        <translation> och </translation>
    </message>
    <message>
        <source>Roll the dice.</source>
        <translation>Kasta tärningarna.</translation>
    </message>
    <message>
        <source>Roll all five dice.</source>
        <translation>Kasta alla fem tärningarna.</translation>
    </message>
    <message>
        <source>Keep %1 (%2 %3), roll the rest.</source>
        <translation>Spara %1 (%2 %3), kasta resten.</translation>
    </message>
    <message>
        <source>die</source>
        <translation>tärning</translation>
    </message>
    <message>
        <source>dice</source>
        <translation>tärningarna</translation>
    </message>
    <message>
        <source>Pentaro box %1</source>
        <translation>Pentaro-ruta %1</translation>
    </message>
    <message>
        <source>Take Game %1, %2: %3 points.</source>
        <translation>Ta spel %1, %2: %3 poäng.</translation>
    </message>
    <message>
        <source>With best play: %1 expected.</source>
        <translation>Med bästa spel: %1 väntat.</translation>
    </message>
    <message>
        <source>Estimate: about %1 (heuristic).</source>
        <translation>Uppskattning: ungefär %1 (tumregel).</translation>
    </message>
    <message>
        <source>The hint is off: %1</source>
        <translation>Inget tips: %1</translation>
    </message>
    <message>
        <source> Hints keep this game out of the high scores.</source>
        <translation> Med tips kommer spelet inte med på topplistan.</translation>
    </message>
    <message>
        <source>Game %1, %2</source>
        <translation>Spel %1, %2</translation>
    </message>
    <message>
        <source>would score </source>
        <translation>skulle ge </translation>
    </message>
    <message>
        <source>not played</source>
        <translation>inte spelad</translation>
    </message>
    <message>
        <source>suggested</source>
        <translation>föreslagen</translation>
    </message>
    <message>
        <source>Previews on</source>
        <translation>Förhandsvisning på</translation>
    </message>
    <message>
        <source>Previews off</source>
        <translation>Förhandsvisning av</translation>
    </message>
    <message>
        <source>Show this card (Ctrl+%1)</source>
        <translation>Visa det här protokollet (Ctrl+%1)</translation>
    </message>
    <message>
        <source>on turn</source>
        <translation>på tur</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>↶ Undo</source>
        <translation>↶ Ångra</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Ångra</translation>
    </message>
    <message>
        <source>Take back the last entry (Ctrl+Z)</source>
        <translation>Ta tillbaka senaste ifyllningen (Ctrl+Z)</translation>
    </message>
    <message>
        <source>Entry taken back</source>
        <translation>Ifyllningen togs tillbaka</translation>
    </message>
    <message>
        <source>Smaller (Ctrl+Minus)</source>
        <translation>Mindre (Ctrl+Minus)</translation>
    </message>
    <message>
        <source>Zoom; back to 100 % (Ctrl+0)</source>
        <translation>Zoom; tillbaka till 100 % (Ctrl+0)</translation>
    </message>
    <message>
        <source>Larger (Ctrl+Plus)</source>
        <translation>Större (Ctrl+Plus)</translation>
    </message>
    <message>
        <source>Smaller</source>
        <translation>Mindre</translation>
    </message>
    <message>
        <source>Larger</source>
        <translation>Större</translation>
    </message>
    <message>
        <source>Zoom %1 %</source>
        <translation>Zoom %1 %</translation>
    </message>
    <message>
        <source>bonus won</source>
        <translation>bonus klar</translation>
    </message>
    <message>
        <source>upper bonus won</source>
        <translation>övre bonus klar</translation>
    </message>
    <message>
        <source>bonus lost</source>
        <translation>bonus förlorad</translation>
    </message>
    <message>
        <source>upper bonus out of reach</source>
        <translation>övre bonus utom räckhåll</translation>
    </message>
    <message>
        <source>%1 of 63</source>
        <translation>%1 av 63</translation>
    </message>
    <message>
        <source>%1 of 63 toward the upper bonus</source>
        <translation>%1 av 63 mot övre bonusen</translation>
    </message>
    <message>
        <source>You have rolled since.</source>
        <translation>Du har kastat sedan dess.</translation>
    </message>
    <message>
        <source>Nothing to take back.</source>
        <translation>Inget att ta tillbaka.</translation>
    </message>
</context>
</TS>
