<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl">
<context>
    <name>Advisor</name>
    <message>
        <source>No turn to advise on.</source>
        <translation>Er is geen beurt om advies over te geven.</translation>
    </message>
    <message>
        <source>the solved game is not at hand.</source>
        <translation>het doorgerekende spel is niet beschikbaar.</translation>
    </message>
    <message>
        <source>The dice are still rolling.</source>
        <translation>De dobbelstenen rollen nog.</translation>
    </message>
    <message>
        <source>This card is complete.</source>
        <translation>Deze kaart is vol.</translation>
    </message>
    <message>
        <source>Not every move of this game was seen.</source>
        <translation>Niet elke zet van dit spel is gezien.</translation>
    </message>
    <message>
        <source>A move of this game is one the advisor does not know.</source>
        <translation>Een zet in dit spel is de adviseur onbekend.</translation>
    </message>
</context>
<context>
    <name>Card</name>
    <message>
        <source>Ones</source>
        <translation>Enen</translation>
    </message>
    <message>
        <source>Twos</source>
        <translation>Tweeën</translation>
    </message>
    <message>
        <source>Threes</source>
        <translation>Drieën</translation>
    </message>
    <message>
        <source>Fours</source>
        <translation>Vieren</translation>
    </message>
    <message>
        <source>Fives</source>
        <translation>Vijven</translation>
    </message>
    <message>
        <source>Sixes</source>
        <translation>Zessen</translation>
    </message>
    <message>
        <source>Sub Total</source>
        <translation>Subtotaal</translation>
    </message>
    <message>
        <source>Bonus (if 63)  35pts</source>
        <translation>Bonus (bij 63)  35pt</translation>
    </message>
    <message>
        <source>Upper Total</source>
        <translation>Totaal boven</translation>
    </message>
    <message>
        <source>3 of a kind</source>
        <translation>Drie gelijke</translation>
    </message>
    <message>
        <source>4 of a kind</source>
        <translation>Vier gelijke</translation>
    </message>
    <message>
        <source>Full House</source>
        <translation>Full house</translation>
    </message>
    <message>
        <source>Small Straight</source>
        <translation>Kleine straat</translation>
    </message>
    <message>
        <source>Large Straight</source>
        <translation>Grote straat</translation>
    </message>
    <message>
        <source>Pentaro</source>
        <translation>Pentaro</translation>
    </message>
    <message>
        <source>Chance</source>
        <translation>Kans</translation>
    </message>
    <message>
        <source>Lower Total</source>
        <translation>Totaal onder</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Score</translation>
    </message>
    <message>
        <source> (row %1)</source>
        <translation> (rij %1)</translation>
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
        <translation>Bevestig</translation>
    </message>
    <message>
        <source>Confirm (Space or Enter)</source>
        <translation>Bevestigen (spatie of Enter)</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleer</translation>
    </message>
    <message>
        <source>Cancel (Escape)</source>
        <translation>Annuleren (Escape)</translation>
    </message>
</context>
<context>
    <name>Controls</name>
    <message>
        <source>checked</source>
        <translation>aangevinkt</translation>
    </message>
    <message>
        <source>unchecked</source>
        <translation>niet aangevinkt</translation>
    </message>
</context>
<context>
    <name>Goodbye</name>
    <message>
        <source>Goodbye</source>
        <translation>Tot ziens</translation>
    </message>
    <message>
        <source>&quot;Even a fool, when he keeps
silent, is considered wise.&quot;</source>
        <translation>„Ook een dwaas die zwijgt,
geldt als wijs.”</translation>
    </message>
</context>
<context>
    <name>Help</name>
    <message>
        <source>Real Pentaro Help</source>
        <translation>Real Pentaro Help</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Klaar</translation>
    </message>
    <message>
        <source>Back to the game (Escape)</source>
        <translation>Terug naar het spel (Escape)</translation>
    </message>
    <message>
        <source>&lt;h1&gt;Real Pentaro Help&lt;/h1&gt;&lt;p&gt;The help file cannot be read: %1&lt;/p&gt;</source>
        <translation>&lt;h1&gt;Real Pentaro Help&lt;/h1&gt;&lt;p&gt;Het helpbestand kan niet worden gelezen: %1&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Real Pentaro, version %1</source>
        <translation>Real Pentaro, versie %1</translation>
    </message>
</context>
<context>
    <name>HighScores</name>
    <message>
        <source>High Scores</source>
        <translation>Topscores</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Wissen</translation>
    </message>
    <message>
        <source>Reset the high scores (Space)</source>
        <translation>De topscores wissen (spatie)</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Klaar</translation>
    </message>
    <message>
        <source>Back to the table (Enter or Escape)</source>
        <translation>Terug naar de tafel (Enter of Escape)</translation>
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
        <translation>Je moet eerst<byte value="xd"/>
een Pentaro-vak<byte value="xd"/>
gebruiken</translation>
    </message>
    <message>
        <source>One Pentaro in each<byte value="xd"/>
column must be<byte value="xd"/>
used first.</source>
        <translation>Eerst moet in elke<byte value="xd"/>
kolom een Pentaro<byte value="xd"/>
staan.</translation>
    </message>
    <message>
        <source>Wildcard denied:<byte value="xd"/>
Upper section<byte value="xd"/>
number not used</source>
        <translation>Joker geweigerd:<byte value="xd"/>
getal boven<byte value="xd"/>
nog niet gebruikt</translation>
    </message>
    <message>
        <source>Wildcard denied:<byte value="xd"/>
All like numbers not<byte value="xd"/>
used in upper section</source>
        <translation>Joker geweigerd:<byte value="xd"/>
dit getal is boven<byte value="xd"/>
niet overal ingevuld</translation>
    </message>
    <message>
        <source>The language setting<byte value="xd"/>
is unknown: the<byte value="xd"/>
desktop&apos;s is used.</source>
        <translation>De taalinstelling<byte value="xd"/>
is onbekend: die van<byte value="xd"/>
het bureaublad geldt.</translation>
    </message>
    <message>
        <source>The Current Game<byte value="xd"/>
Will Be Lost</source>
        <translation>Het huidige spel<byte value="xd"/>
gaat verloren</translation>
    </message>
    <message>
        <source>You Are About To<byte value="xd"/>
Reset The High Scores</source>
        <translation>Je gaat de<byte value="xd"/>
topscores wissen</translation>
    </message>
    <message>
        <source>Some settings could not be read: defaults are used.</source>
        <translation>Sommige instellingen konden niet worden gelezen: de standaardwaarden worden gebruikt.</translation>
    </message>
    <message>
        <source>Settings cannot be saved.</source>
        <translation>De instellingen kunnen niet worden opgeslagen.</translation>
    </message>
    <message>
        <source>Settings cannot be read or saved: defaults are used.</source>
        <translation>De instellingen kunnen niet worden gelezen of opgeslagen: de standaardwaarden worden gebruikt.</translation>
    </message>
</context>
<context>
    <name>NewGame</name>
    <message>
        <source>Person</source>
        <translation>Mens</translation>
    </message>
    <message>
        <source>Computer, Easy</source>
        <translation>Computer, makkelijk</translation>
    </message>
    <message>
        <source>Computer, Medium</source>
        <translation>Computer, gemiddeld</translation>
    </message>
    <message>
        <source>Computer, Hard</source>
        <translation>Computer, moeilijk</translation>
    </message>
    <message>
        <source>Slow</source>
        <translation>Traag</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normaal</translation>
    </message>
    <message>
        <source>Fast</source>
        <translation>Snel</translation>
    </message>
    <message>
        <source>Player %1</source>
        <translation>Speler %1</translation>
    </message>
    <message>
        <source>Language: as the desktop (%1)</source>
        <translation>Taal: als het bureaublad (%1)</translation>
    </message>
    <message>
        <source>Language: %1</source>
        <translation>Taal: %1</translation>
    </message>
    <message>
        <source>The game&apos;s language: press to change (Space)</source>
        <translation>De taal van het spel: druk om te wijzigen (spatie)</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Nieuw spel</translation>
    </message>
    <message numerus="yes">
        <source>%n player(s)</source>
        <translation>
            <numerusform>%n speler</numerusform>
            <numerusform>%n spelers</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 (Space)</source>
        <translation>%1 (spatie)</translation>
    </message>
    <message>
        <source>Name of player %1</source>
        <translation>Naam van speler %1</translation>
    </message>
    <message>
        <source>Who plays this seat: press to change (Space)</source>
        <translation>Wie speelt op deze plaats: druk om te wijzigen (spatie)</translation>
    </message>
    <message>
        <source>Three columns</source>
        <translation>Drie kolommen</translation>
    </message>
    <message>
        <source>One column</source>
        <translation>Eén kolom</translation>
    </message>
    <message>
        <source>How fast the computer plays: press to change (Space)</source>
        <translation>Hoe snel de computer speelt: druk om te wijzigen (spatie)</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Klaar</translation>
    </message>
    <message>
        <source>Start the game (Enter)</source>
        <translation>Het spel starten (Enter)</translation>
    </message>
    <message>
        <source>Player %1: %2</source>
        <translation>Speler %1: %2</translation>
    </message>
    <message>
        <source>Computer pace: %1</source>
        <translation>Tempo computer: %1</translation>
    </message>
    <message>
        <source>Instant</source>
        <translation>Direct</translation>
    </message>
</context>
<context>
    <name>Pictures</name>
    <message>
        <source>KEPT</source>
        <translation>VAST</translation>
    </message>
    <message>
        <source>ROLL</source>
        <translation>GOOI</translation>
    </message>
    <message>
        <source>Next Player</source>
        <translation>Volgende</translation>
    </message>
    <message>
        <source>Person</source>
        <translation>Mens</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>Licht</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Middel</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Zwaar</translation>
    </message>
    <message>
        <source>Slow</source>
        <translation>Traag</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normaal</translation>
    </message>
    <message>
        <source>Fast</source>
        <translation>Snel</translation>
    </message>
    <message>
        <source>Roll</source>
        <translation>Gooien</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Nieuw spel</translation>
    </message>
    <message>
        <source>High Scores</source>
        <translation>Topscores</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Bevestig</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleer</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Klaar</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Tip</translation>
    </message>
    <message>
        <source>Review</source>
        <translation>Analyse</translation>
    </message>
    <message>
        <source>Sound On</source>
        <translation>Geluid aan</translation>
    </message>
    <message>
        <source>Sound Off</source>
        <translation>Geluid uit</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Geluid</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Wissen</translation>
    </message>
    <message>
        <source>five dice  •  one card  •  up to four players</source>
        <translation>vijf dobbelstenen  •  één kaart  •  tot vier spelers</translation>
    </message>
    <message>
        <source>Who is playing?</source>
        <translation>Wie speelt er?</translation>
    </message>
    <message>
        <source>Played by</source>
        <translation>Gespeeld door</translation>
    </message>
    <message>
        <source>Which game?</source>
        <translation>Welk spel?</translation>
    </message>
    <message>
        <source>Computer pace</source>
        <translation>Tempo computer</translation>
    </message>
    <message>
        <source>Three columns</source>
        <translation>Drie kolommen</translation>
    </message>
    <message>
        <source>scored x1, x2, x3</source>
        <translation>telt x1, x2, x3</translation>
    </message>
    <message>
        <source>One column</source>
        <translation>Eén kolom</translation>
    </message>
    <message>
        <source>a single card</source>
        <translation>één enkele kaart</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Naam</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Score</translation>
    </message>
    <message>
        <source>Three-Column Game</source>
        <translation>Spel met drie kolommen</translation>
    </message>
    <message>
        <source>One-Column Game</source>
        <translation>Spel met één kolom</translation>
    </message>
    <message>
        <source>Game over</source>
        <translation>Spel voorbij</translation>
    </message>
    <message>
        <source>A new high score!</source>
        <translation>Een nieuwe topscore!</translation>
    </message>
    <message>
        <source>SCORE!</source>
        <translation>SCORE!</translation>
    </message>
    <message>
        <source>HIGH</source>
        <translation>TOP</translation>
    </message>
    <message>
        <source>Score Card</source>
        <translation>Scorekaart</translation>
    </message>
    <message>
        <source>Instant</source>
        <translation>Direct</translation>
    </message>
</context>
<context>
    <name>Results</name>
    <message>
        <source>Game 1 Total</source>
        <translation>Totaal spel 1</translation>
    </message>
    <message>
        <source>Chips (x-100)</source>
        <translation>Fiches (x-100)</translation>
    </message>
    <message>
        <source>Game 2 Total (x-2)</source>
        <translation>Totaal spel 2 (x-2)</translation>
    </message>
    <message>
        <source>Chips (x-200)</source>
        <translation>Fiches (x-200)</translation>
    </message>
    <message>
        <source>Game 3 Total (x-3)</source>
        <translation>Totaal spel 3 (x-3)</translation>
    </message>
    <message>
        <source>Chips (x-300)</source>
        <translation>Fiches (x-300)</translation>
    </message>
    <message>
        <source>Grand Total</source>
        <translation>Eindtotaal</translation>
    </message>
    <message>
        <source>Game Over</source>
        <translation>Spel voorbij</translation>
    </message>
    <message>
        <source>player %1</source>
        <translation>speler %1</translation>
    </message>
    <message>
        <source>Click On Names To See Scorecard</source>
        <translation>Klik op een naam voor de scorekaart</translation>
    </message>
    <message>
        <source>Or Tab to a name and press Enter</source>
        <translation>Of ga met Tab naar een naam en druk op Enter</translation>
    </message>
    <message>
        <source>A new high score!</source>
        <translation>Een nieuwe topscore!</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Klaar</translation>
    </message>
    <message>
        <source>On to the high scores (Enter or Escape)</source>
        <translation>Door naar de topscores (Enter of Escape)</translation>
    </message>
    <message>
        <source>Review</source>
        <translation>Analyse</translation>
    </message>
    <message>
        <source>How far each decision was from best play, and the luck of the dice</source>
        <translation>Hoe ver elke beslissing van het beste spel af lag, en het geluk van de dobbelstenen</translation>
    </message>
    <message>
        <source>The Winner is:  </source>
        <translation>De winnaar is:  </translation>
    </message>
    <message>
        <source>Player %1, computer, %2: press Enter to see the score card</source>
        <translation>Speler %1, computer, %2: druk op Enter voor de scorekaart</translation>
    </message>
    <message>
        <source>Player %1: press Enter to see the score card</source>
        <translation>Speler %1: druk op Enter voor de scorekaart</translation>
    </message>
    <message>
        <source>computer, %1</source>
        <translation>computer, %1</translation>
    </message>
    <message>
        <source>%1: computer, %2</source>
        <translation>%1: computer, %2</translation>
    </message>
    <message>
        <source>%1&apos;s score card (Enter)</source>
        <translation>Scorekaart van %1 (Enter)</translation>
    </message>
    <message>
        <source>Best play averages %1 points a game: your %2 is %3 %4 it.</source>
        <translation>Het beste spel haalt gemiddeld %1 punten: jouw %2 ligt %3 %4.</translation>
    </message>
    <message>
        <source>below</source>
        <translation>eronder</translation>
    </message>
    <message>
        <source>above</source>
        <translation>erboven</translation>
    </message>
</context>
<context>
    <name>Resume</name>
    <message>
        <source> and </source>
        <translation> en </translation>
    </message>
    <message>
        <source>Continue the game of %1?</source>
        <translation>Het spel van %1 voortzetten?</translation>
    </message>
    <message>
        <source>Cancel keeps it for the next start.</source>
        <translation>Annuleer bewaart het voor de volgende start.</translation>
    </message>
    <message>
        <source>Cancel (Escape): keep the game for later</source>
        <translation>Annuleer (Esc): bewaar het spel voor later</translation>
    </message>
</context>
<context>
    <name>Review</name>
    <message>
        <source>Game Review</source>
        <translation>Spelanalyse</translation>
    </message>
    <message>
        <source>Review of</source>
        <translation>Analyse van</translation>
    </message>
    <message>
        <source>Decisions, most costly first</source>
        <translation>Beslissingen, duurste eerst</translation>
    </message>
    <message>
        <source>Turn</source>
        <translation>Beurt</translation>
    </message>
    <message>
        <source>Roll</source>
        <translation>Worp</translation>
    </message>
    <message>
        <source>Dice</source>
        <translation>Stenen</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Klaar</translation>
    </message>
    <message>
        <source>Best play</source>
        <translation>Beste zet</translation>
    </message>
    <message>
        <source>Cost</source>
        <translation>Kosten</translation>
    </message>
    <message>
        <source>Back (Enter or Escape)</source>
        <translation>Terug (Enter of Escape)</translation>
    </message>
    <message>
        <source>The position</source>
        <translation>De stand</translation>
    </message>
    <message>
        <source>. Dice: </source>
        <translation>. Stenen: </translation>
    </message>
    <message>
        <source>Select a decision
to see its position</source>
        <translation>Kies een beslissing
om de stand te zien</translation>
    </message>
    <message>
        <source>Turn %1, roll %2</source>
        <translation>Beurt %1, worp %2</translation>
    </message>
    <message>
        <source>Bonus (63)</source>
        <translation>Bonus (63)</translation>
    </message>
    <message>
        <source>red: your choice</source>
        <translation>rood: jouw keuze</translation>
    </message>
    <message>
        <source>green: best play</source>
        <translation>groen: beste zet</translation>
    </message>
    <message>
        <source>The game&apos;s course</source>
        <translation>Verloop van het spel</translation>
    </message>
    <message>
        <source>estimated </source>
        <translation>geschatte </translation>
    </message>
    <message>
        <source>Start: %1expected %2.</source>
        <translation>Start: %1verwachting %2.</translation>
    </message>
    <message>
        <source>Turn %1: %2expected %3, banked %4, cost %5.</source>
        <translation>Beurt %1: %2verwachting %3, binnen %4, kosten %5.</translation>
    </message>
    <message>
        <source>turn</source>
        <translation>beurt</translation>
    </message>
    <message>
        <source>expected with best play</source>
        <translation>verwacht bij het beste spel</translation>
    </message>
    <message>
        <source>banked</source>
        <translation>binnen</translation>
    </message>
    <message>
        <source>costliest turns</source>
        <translation>duurste beurten</translation>
    </message>
    <message>
        <source>rolls all five</source>
        <translation>gooit alle vijf</translation>
    </message>
    <message>
        <source>rolled all five</source>
        <translation>gooide alle vijf</translation>
    </message>
    <message>
        <source>keeps </source>
        <translation>houdt </translation>
    </message>
    <message>
        <source>kept </source>
        <translation>hield </translation>
    </message>
    <message>
        <source>enters </source>
        <translation>kiest </translation>
    </message>
    <message>
        <source>entered </source>
        <translation>koos </translation>
    </message>
    <message>
        <source>Pentaro box %1</source>
        <translation>Pentaro-vak %1</translation>
    </message>
    <message>
        <source> in Game %1</source>
        <translation> in spel %1</translation>
    </message>
    <message>
        <source>No review of this game: %1</source>
        <translation>Geen analyse van dit spel: %1</translation>
    </message>
    <message>
        <source>an estimated </source>
        <translation>naar schatting </translation>
    </message>
    <message>
        <source>Best play from the start expects %1%2. Your decisions cost %1%3 points and the dice gave you %1%4: %5.</source>
        <translation>Het beste spel verwacht vanaf de start %1%2. Je beslissingen kostten %1%3 punten en de dobbelstenen gaven je %1%4: %5.</translation>
    </message>
    <message>
        <source>the same</source>
        <translation>hetzelfde</translation>
    </message>
    <message>
        <source>best play too</source>
        <translation>ook de beste zet</translation>
    </message>
    <message>
        <source>best </source>
        <translation>beste zet </translation>
    </message>
    <message>
        <source>Turn %1, roll %2: %3 %4 %5 (%6)</source>
        <translation>Beurt %1, worp %2: %3 %4 %5 (%6)</translation>
    </message>
    <message>
        <source> + a chip</source>
        <translation> + een fiche</translation>
    </message>
    <message>
        <source> + the 35 bonus</source>
        <translation> + de bonus van 35</translation>
    </message>
</context>
<context>
    <name>Rules</name>
    <message>
        <source>Roll the dice first.</source>
        <translation>Gooi eerst de dobbelstenen.</translation>
    </message>
    <message>
        <source>That box is filled.</source>
        <translation>Dat vak is al ingevuld.</translation>
    </message>
    <message>
        <source>Game 2 is not played in a one-column game.</source>
        <translation>Spel 2 wordt niet gespeeld bij één kolom.</translation>
    </message>
    <message>
        <source>Game 3 is not played in a one-column game.</source>
        <translation>Spel 3 wordt niet gespeeld bij één kolom.</translation>
    </message>
    <message>
        <source>Wait for the next player.</source>
        <translation>Wacht op de volgende speler.</translation>
    </message>
    <message>
        <source>Start a game with New Game.</source>
        <translation>Begin een spel met Nieuw spel.</translation>
    </message>
    <message>
        <source>Press New Game to start.</source>
        <translation>Druk op Nieuw spel om te beginnen.</translation>
    </message>
</context>
<context>
    <name>ScoreCard</name>
    <message>
        <source>Score Card</source>
        <translation>Scorekaart</translation>
    </message>
    <message>
        <source>Game %1, Pentaro box %2</source>
        <translation>Spel %1, Pentaro-vak %2</translation>
    </message>
    <message>
        <source>Pentaro Chips:</source>
        <translation>Pentaro-fiches:</translation>
    </message>
    <message>
        <source>Chip, Game %1</source>
        <translation>Fiche, spel %1</translation>
    </message>
    <message>
        <source>Chips, Game %1</source>
        <translation>Fiches, spel %1</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Klaar</translation>
    </message>
    <message>
        <source>Back to the results (Enter or Escape)</source>
        <translation>Terug naar de uitslag (Enter of Escape)</translation>
    </message>
    <message>
        <source>Review</source>
        <translation>Analyse</translation>
    </message>
    <message>
        <source>How far each decision was from best play, and the luck of the dice</source>
        <translation>Hoe ver elke beslissing van het beste spel af lag, en het geluk van de dobbelstenen</translation>
    </message>
    <message>
        <source>shown</source>
        <translation>getoond</translation>
    </message>
</context>
<context>
    <name>Seats</name>
    <message>
        <source>Person</source>
        <translation>Mens</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>Licht</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Middel</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Zwaar</translation>
    </message>
</context>
<context>
    <name>Splash</name>
    <message>
        <source>Splash</source>
        <translation>Welkom</translation>
    </message>
    <message>
        <source>&quot;Iron sharpens iron, so
one man sharpens another.&quot;</source>
        <translation>„IJzer scherpt men met ijzer,
en een mens scherpt een ander.”</translation>
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
        <translation>Real Pentaro kan niet starten: afbeeldingen ontbreken of zijn beschadigd.

%1

Gezocht in: %2</translation>
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
        <translation>Geluid aan</translation>
    </message>
    <message>
        <source>Sound Off</source>
        <translation>Geluid uit</translation>
    </message>
    <message>
        <source>Rolls</source>
        <translation>Worpen</translation>
    </message>
    <message>
        <source>No sound device found</source>
        <translation>Geen geluidsapparaat gevonden</translation>
    </message>
    <message>
        <source>shown</source>
        <translation>getoond</translation>
    </message>
    <message>
        <source>Die %1</source>
        <translation>Dobbelsteen %1</translation>
    </message>
    <message>
        <source>, kept</source>
        <translation>, vastgehouden</translation>
    </message>
    <message>
        <source>Rolls: %1</source>
        <translation>Worpen: %1</translation>
    </message>
    <message>
        <source>%1 enters %2 in %3, Game %4</source>
        <translation>%1 zet %2 bij %3, spel %4</translation>
    </message>
    <message>
        <source>%1 enters %2 in Pentaro box %3, Game %4</source>
        <translation>%1 zet %2 in Pentaro-vak %3, spel %4</translation>
    </message>
    <message>
        <source>Roll %1: %2</source>
        <translation>Worp %1: %2</translation>
    </message>
    <message>
        <source>%1 rolls %2</source>
        <translation>%1 gooit %2</translation>
    </message>
    <message>
        <source>. Pentaro!</source>
        <translation>. Pentaro!</translation>
    </message>
    <message>
        <source>%1 to play</source>
        <translation>%1 is aan de beurt</translation>
    </message>
    <message>
        <source>Proverbs 27:17</source>
        <translation>Spreuken 27:17</translation>
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
        <translation>Spel %1, Pentaro-vak %2</translation>
    </message>
    <message>
        <source>Pentaro Chips:</source>
        <translation>Pentaro-fiches:</translation>
    </message>
    <message>
        <source>Chip, Game %1</source>
        <translation>Fiche, spel %1</translation>
    </message>
    <message>
        <source>%1 (key %2)</source>
        <translation>%1 (toets %2)</translation>
    </message>
    <message>
        <source>Click to put back</source>
        <translation>Klik om terug te leggen</translation>
    </message>
    <message>
        <source>Click to keep</source>
        <translation>Klik om vast te houden</translation>
    </message>
    <message>
        <source>Roll</source>
        <translation>Gooien</translation>
    </message>
    <message>
        <source>Click to roll dice (Enter)</source>
        <translation>Klik om te gooien (Enter)</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Nieuw spel</translation>
    </message>
    <message>
        <source>Click to begin new game (N)</source>
        <translation>Klik voor een nieuw spel (N)</translation>
    </message>
    <message>
        <source>High Scores</source>
        <translation>Topscores</translation>
    </message>
    <message>
        <source>Click to show high scores (S)</source>
        <translation>Klik voor de topscores (S)</translation>
    </message>
    <message>
        <source>Enable/Disable Sound (M)</source>
        <translation>Geluid aan/uit (M)</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Click for help (F1)</source>
        <translation>Klik voor hulp (F1)</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Tip</translation>
    </message>
    <message>
        <source>Click for the best move (H)</source>
        <translation>Klik voor de beste zet (H)</translation>
    </message>
    <message>
        <source>Exit The Program</source>
        <translation>Het programma afsluiten</translation>
    </message>
    <message>
        <source>Exit The Program (Ctrl+Q)</source>
        <translation>Het programma afsluiten (Ctrl+Q)</translation>
    </message>
    <message>
        <source>Next player</source>
        <translation>Volgende speler</translation>
    </message>
    <message>
        <source>The computer cannot play: %1</source>
        <translation>De computer kan niet spelen: %1</translation>
    </message>
    <message>
        <source>%1 keeps %2</source>
        <translation>%1 houdt %2 vast</translation>
    </message>
    <message>
        <source> and </source>
        <translation> en </translation>
    </message>
    <message>
        <source>Roll the dice.</source>
        <translation>Gooi de dobbelstenen.</translation>
    </message>
    <message>
        <source>Roll all five dice.</source>
        <translation>Gooi alle vijf dobbelstenen.</translation>
    </message>
    <message>
        <source>Keep %1 (%2 %3), roll the rest.</source>
        <translation>Houd %1 vast (%2 %3), gooi de rest.</translation>
    </message>
    <message>
        <source>die</source>
        <translation>steen</translation>
    </message>
    <message>
        <source>dice</source>
        <translation>stenen</translation>
    </message>
    <message>
        <source>Pentaro box %1</source>
        <translation>Pentaro-vak %1</translation>
    </message>
    <message>
        <source>Take Game %1, %2: %3 points.</source>
        <translation>Neem spel %1, %2: %3 punten.</translation>
    </message>
    <message>
        <source>With best play: %1 expected.</source>
        <translation>Bij het beste spel: %1 verwacht.</translation>
    </message>
    <message>
        <source>Estimate: about %1 (heuristic).</source>
        <translation>Schatting: ongeveer %1 (vuistregel).</translation>
    </message>
    <message>
        <source>The hint is off: %1</source>
        <translation>Geen tip mogelijk: %1</translation>
    </message>
    <message>
        <source> Hints keep this game out of the high scores.</source>
        <translation> Met tips telt dit spel niet mee voor de topscores.</translation>
    </message>
    <message>
        <source>Game %1, %2</source>
        <translation>Spel %1, %2</translation>
    </message>
    <message>
        <source>would score </source>
        <translation>zou opleveren: </translation>
    </message>
    <message>
        <source>not played</source>
        <translation>niet gespeeld</translation>
    </message>
    <message>
        <source>suggested</source>
        <translation>aangeraden</translation>
    </message>
    <message>
        <source>Previews on</source>
        <translation>Voorbeelden aan</translation>
    </message>
    <message>
        <source>Previews off</source>
        <translation>Voorbeelden uit</translation>
    </message>
    <message>
        <source>Show this card (Ctrl+%1)</source>
        <translation>Deze kaart tonen (Ctrl+%1)</translation>
    </message>
    <message>
        <source>on turn</source>
        <translation>aan de beurt</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>↶ Undo</source>
        <translation>↶ Terug</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Ongedaan maken</translation>
    </message>
    <message>
        <source>Take back the last entry (Ctrl+Z)</source>
        <translation>De laatste invulling terugnemen (Ctrl+Z)</translation>
    </message>
    <message>
        <source>Entry taken back</source>
        <translation>Invulling teruggenomen</translation>
    </message>
    <message>
        <source>Smaller (Ctrl+Minus)</source>
        <translation>Kleiner (Ctrl+Min)</translation>
    </message>
    <message>
        <source>Zoom; back to 100 % (Ctrl+0)</source>
        <translation>Zoom; terug naar 100 % (Ctrl+0)</translation>
    </message>
    <message>
        <source>Larger (Ctrl+Plus)</source>
        <translation>Groter (Ctrl+Plus)</translation>
    </message>
    <message>
        <source>Smaller</source>
        <translation>Kleiner</translation>
    </message>
    <message>
        <source>Larger</source>
        <translation>Groter</translation>
    </message>
    <message>
        <source>Zoom %1 %</source>
        <translation>Zoom %1 %</translation>
    </message>
    <message>
        <source>bonus won</source>
        <translation>bonus binnen</translation>
    </message>
    <message>
        <source>upper bonus won</source>
        <translation>bovenbonus binnen</translation>
    </message>
    <message>
        <source>bonus lost</source>
        <translation>bonus verloren</translation>
    </message>
    <message>
        <source>upper bonus out of reach</source>
        <translation>bovenbonus buiten bereik</translation>
    </message>
    <message>
        <source>%1 of 63</source>
        <translation>%1 van 63</translation>
    </message>
    <message>
        <source>%1 of 63 toward the upper bonus</source>
        <translation>%1 van 63 naar de bovenbonus</translation>
    </message>
    <message>
        <source>You have rolled since.</source>
        <translation>Je hebt intussen gegooid.</translation>
    </message>
    <message>
        <source>Nothing to take back.</source>
        <translation>Niets om terug te nemen.</translation>
    </message>
</context>
</TS>
