<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>Advisor</name>
    <message>
        <source>No turn to advise on.</source>
        <translation>Kein Zug, zu dem es einen Rat gibt.</translation>
    </message>
    <message>
        <source>the solved game is not at hand.</source>
        <translation>das gelöste Spiel liegt nicht vor.</translation>
    </message>
    <message>
        <source>The dice are still rolling.</source>
        <translation>Die Würfel rollen noch.</translation>
    </message>
    <message>
        <source>This card is complete.</source>
        <translation>Dieser Block ist voll.</translation>
    </message>
    <message>
        <source>Not every move of this game was seen.</source>
        <translation>Nicht jeder Zug dieses Spiels wurde gesehen.</translation>
    </message>
    <message>
        <source>A move of this game is one the advisor does not know.</source>
        <translation>Ein Zug dieses Spiels ist dem Ratgeber unbekannt.</translation>
    </message>
</context>
<context>
    <name>Card</name>
    <message>
        <source>Ones</source>
        <translation>Einser</translation>
    </message>
    <message>
        <source>Twos</source>
        <translation>Zweier</translation>
    </message>
    <message>
        <source>Threes</source>
        <translation>Dreier</translation>
    </message>
    <message>
        <source>Fours</source>
        <translation>Vierer</translation>
    </message>
    <message>
        <source>Fives</source>
        <translation>Fünfer</translation>
    </message>
    <message>
        <source>Sixes</source>
        <translation>Sechser</translation>
    </message>
    <message>
        <source>Sub Total</source>
        <translation>Summe</translation>
    </message>
    <message>
        <source>Bonus (if 63)  35pts</source>
        <translation>Bonus (ab 63)  35</translation>
    </message>
    <message>
        <source>Upper Total</source>
        <translation>Summe oben</translation>
    </message>
    <message>
        <source>3 of a kind</source>
        <translation>Dreierpasch</translation>
    </message>
    <message>
        <source>4 of a kind</source>
        <translation>Viererpasch</translation>
    </message>
    <message>
        <source>Full House</source>
        <translation>Full House</translation>
    </message>
    <message>
        <source>Small Straight</source>
        <translation>Kleine Straße</translation>
    </message>
    <message>
        <source>Large Straight</source>
        <translation>Große Straße</translation>
    </message>
    <message>
        <source>Pentaro</source>
        <translation>Pentaro</translation>
    </message>
    <message>
        <source>Chance</source>
        <translation>Chance</translation>
    </message>
    <message>
        <source>Lower Total</source>
        <translation>Summe unt.</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Gesamt</translation>
    </message>
    <message>
        <source> (row %1)</source>
        <translation> (Zeile %1)</translation>
    </message>
    <message>
        <source>Game %1, %2</source>
        <translation>Spiel %1, %2</translation>
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
        <translation>Bestätigen</translation>
    </message>
    <message>
        <source>Confirm (Space or Enter)</source>
        <translation>Bestätigen (Leertaste oder Eingabe)</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Cancel (Escape)</source>
        <translation>Abbrechen (Esc)</translation>
    </message>
</context>
<context>
    <name>Controls</name>
    <message>
        <source>checked</source>
        <translation>angekreuzt</translation>
    </message>
    <message>
        <source>unchecked</source>
        <translation>nicht angekreuzt</translation>
    </message>
</context>
<context>
    <name>Goodbye</name>
    <message>
        <source>Goodbye</source>
        <translation>Auf Wiedersehen</translation>
    </message>
    <message>
        <source>&quot;Even a fool, when he keeps
silent, is considered wise.&quot;</source>
        <translation>„Auch ein Tor, wenn er schwiege,
würde für weise gehalten.“</translation>
    </message>
</context>
<context>
    <name>Help</name>
    <message>
        <source>Real Pentaro Help</source>
        <translation>Real Pentaro – Hilfe</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fertig</translation>
    </message>
    <message>
        <source>Back to the game (Escape)</source>
        <translation>Zurück zum Spiel (Esc)</translation>
    </message>
    <message>
        <source>&lt;h1&gt;Real Pentaro Help&lt;/h1&gt;&lt;p&gt;The help file cannot be read: %1&lt;/p&gt;</source>
        <translation>&lt;h1&gt;Real Pentaro – Hilfe&lt;/h1&gt;&lt;p&gt;Die Hilfedatei kann nicht gelesen werden: %1&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Real Pentaro, version %1</source>
        <translation>Real Pentaro, Version %1</translation>
    </message>
</context>
<context>
    <name>HighScores</name>
    <message>
        <source>High Scores</source>
        <translation>Bestenliste</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Zurücksetzen</translation>
    </message>
    <message>
        <source>Reset the high scores (Space)</source>
        <translation>Die Bestenliste zurücksetzen (Leertaste)</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fertig</translation>
    </message>
    <message>
        <source>Back to the table (Enter or Escape)</source>
        <translation>Zurück zum Tisch (Eingabe oder Esc)</translation>
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
        <translation>Zuerst muss ein
Pentaro-Feld
belegt sein</translation>
    </message>
    <message>
        <source>One Pentaro in each<byte value="xd"/>
column must be<byte value="xd"/>
used first.</source>
        <translation>Zuerst muss in jeder
Spalte ein Pentaro
belegt sein.</translation>
    </message>
    <message>
        <source>Wildcard denied:<byte value="xd"/>
Upper section<byte value="xd"/>
number not used</source>
        <translation>Kein Joker:
Zahl oben noch
nicht belegt</translation>
    </message>
    <message>
        <source>Wildcard denied:<byte value="xd"/>
All like numbers not<byte value="xd"/>
used in upper section</source>
        <translation>Kein Joker:
Diese Zahl ist oben
nicht überall belegt</translation>
    </message>
    <message>
        <source>The language setting<byte value="xd"/>
is unknown: the<byte value="xd"/>
desktop&apos;s is used.</source>
        <translation>Die eingestellte Sprache
ist unbekannt: die des
Desktops gilt.</translation>
    </message>
    <message>
        <source>The Current Game<byte value="xd"/>
Will Be Lost</source>
        <translation>Das laufende Spiel
geht verloren</translation>
    </message>
    <message>
        <source>You Are About To<byte value="xd"/>
Reset The High Scores</source>
        <translation>Die Bestenliste wird
zurückgesetzt</translation>
    </message>
    <message>
        <source>Some settings could not be read: defaults are used.</source>
        <translation>Einige Einstellungen waren unlesbar: es gelten die Vorgaben.</translation>
    </message>
    <message>
        <source>Settings cannot be saved.</source>
        <translation>Die Einstellungen können nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>Settings cannot be read or saved: defaults are used.</source>
        <translation>Die Einstellungen sind weder lesbar noch speicherbar: es gelten die Vorgaben.</translation>
    </message>
</context>
<context>
    <name>NewGame</name>
    <message>
        <source>Person</source>
        <translation>Mensch</translation>
    </message>
    <message>
        <source>Computer, Easy</source>
        <translation>Computer, leicht</translation>
    </message>
    <message>
        <source>Computer, Medium</source>
        <translation>Computer, mittel</translation>
    </message>
    <message>
        <source>Computer, Hard</source>
        <translation>Computer, schwer</translation>
    </message>
    <message>
        <source>Slow</source>
        <translation>Langsam</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Fast</source>
        <translation>Schnell</translation>
    </message>
    <message>
        <source>Player %1</source>
        <translation>Spieler %1</translation>
    </message>
    <message>
        <source>Language: as the desktop (%1)</source>
        <translation>Sprache: wie der Desktop (%1)</translation>
    </message>
    <message>
        <source>Language: %1</source>
        <translation>Sprache: %1</translation>
    </message>
    <message>
        <source>The game&apos;s language: press to change (Space)</source>
        <translation>Die Sprache des Spiels: zum Wechseln drücken (Leertaste)</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Neues Spiel</translation>
    </message>
    <message numerus="yes">
        <source>%n player(s)</source>
        <translation>
            <numerusform>%n Spieler</numerusform>
            <numerusform>%n Spieler</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 (Space)</source>
        <translation>%1 (Leertaste)</translation>
    </message>
    <message>
        <source>Name of player %1</source>
        <translation>Name von Spieler %1</translation>
    </message>
    <message>
        <source>Who plays this seat: press to change (Space)</source>
        <translation>Wer diesen Platz spielt: zum Wechseln drücken (Leertaste)</translation>
    </message>
    <message>
        <source>Three columns</source>
        <translation>Drei Spalten</translation>
    </message>
    <message>
        <source>One column</source>
        <translation>Eine Spalte</translation>
    </message>
    <message>
        <source>How fast the computer plays: press to change (Space)</source>
        <translation>Wie schnell der Computer spielt: zum Wechseln drücken (Leertaste)</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fertig</translation>
    </message>
    <message>
        <source>Start the game (Enter)</source>
        <translation>Das Spiel beginnen (Eingabe)</translation>
    </message>
    <message>
        <source>Player %1: %2</source>
        <translation>Spieler %1: %2</translation>
    </message>
    <message>
        <source>Computer pace: %1</source>
        <translation>Tempo des Computers: %1</translation>
    </message>
    <message>
        <source>Instant</source>
        <translation>Sofort</translation>
    </message>
</context>
<context>
    <name>Pictures</name>
    <message>
        <source>KEPT</source>
        <translation>BEHALTEN</translation>
    </message>
    <message>
        <source>ROLL</source>
        <translation>WURF</translation>
    </message>
    <message>
        <source>Next Player</source>
        <translation>Nächster Spieler</translation>
    </message>
    <message>
        <source>Person</source>
        <translation>Mensch</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>Leicht</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Mittel</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Schwer</translation>
    </message>
    <message>
        <source>Slow</source>
        <translation>Langsam</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Fast</source>
        <translation>Schnell</translation>
    </message>
    <message>
        <source>Roll</source>
        <translation>Würfeln</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Neues Spiel</translation>
    </message>
    <message>
        <source>High Scores</source>
        <translation>Bestenliste</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Bestätigen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fertig</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Tipp</translation>
    </message>
    <message>
        <source>Review</source>
        <translation>Rückblick</translation>
    </message>
    <message>
        <source>Sound On</source>
        <translation>Ton an</translation>
    </message>
    <message>
        <source>Sound Off</source>
        <translation>Ton aus</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Ton</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Zurücksetzen</translation>
    </message>
    <message>
        <source>five dice  •  one card  •  up to four players</source>
        <translation>fünf Würfel  •  ein Block  •  bis zu vier Spieler</translation>
    </message>
    <message>
        <source>Who is playing?</source>
        <translation>Wer spielt mit?</translation>
    </message>
    <message>
        <source>Played by</source>
        <translation>Gespielt von</translation>
    </message>
    <message>
        <source>Which game?</source>
        <translation>Welches Spiel?</translation>
    </message>
    <message>
        <source>Computer pace</source>
        <translation>Tempo des Computers</translation>
    </message>
    <message>
        <source>Three columns</source>
        <translation>Drei Spalten</translation>
    </message>
    <message>
        <source>scored x1, x2, x3</source>
        <translation>zählen x1, x2, x3</translation>
    </message>
    <message>
        <source>One column</source>
        <translation>Eine Spalte</translation>
    </message>
    <message>
        <source>a single card</source>
        <translation>ein einziger Block</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Punkte</translation>
    </message>
    <message>
        <source>Three-Column Game</source>
        <translation>Spiel mit drei Spalten</translation>
    </message>
    <message>
        <source>One-Column Game</source>
        <translation>Spiel mit einer Spalte</translation>
    </message>
    <message>
        <source>Game over</source>
        <translation>Spielende</translation>
    </message>
    <message>
        <source>A new high score!</source>
        <translation>Ein neuer Rekord!</translation>
    </message>
    <message>
        <source>SCORE!</source>
        <translation>REKORD!</translation>
    </message>
    <message>
        <source>HIGH</source>
        <translation>NEUER</translation>
    </message>
    <message>
        <source>Score Card</source>
        <translation>Spielblock</translation>
    </message>
    <message>
        <source>Instant</source>
        <translation>Sofort</translation>
    </message>
</context>
<context>
    <name>Results</name>
    <message>
        <source>Game 1 Total</source>
        <translation>Spiel 1, Summe</translation>
    </message>
    <message>
        <source>Chips (x-100)</source>
        <translation>Chips (x100)</translation>
    </message>
    <message>
        <source>Game 2 Total (x-2)</source>
        <translation>Spiel 2, Summe (x2)</translation>
    </message>
    <message>
        <source>Chips (x-200)</source>
        <translation>Chips (x200)</translation>
    </message>
    <message>
        <source>Game 3 Total (x-3)</source>
        <translation>Spiel 3, Summe (x3)</translation>
    </message>
    <message>
        <source>Chips (x-300)</source>
        <translation>Chips (x300)</translation>
    </message>
    <message>
        <source>Grand Total</source>
        <translation>Endsumme</translation>
    </message>
    <message>
        <source>Game Over</source>
        <translation>Spielende</translation>
    </message>
    <message>
        <source>player %1</source>
        <translation>Spieler %1</translation>
    </message>
    <message>
        <source>Click On Names To See Scorecard</source>
        <translation>Namen anklicken, um den Block zu sehen</translation>
    </message>
    <message>
        <source>Or Tab to a name and press Enter</source>
        <translation>Oder mit Tab zu einem Namen und Eingabe drücken</translation>
    </message>
    <message>
        <source>A new high score!</source>
        <translation>Ein neuer Rekord!</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fertig</translation>
    </message>
    <message>
        <source>On to the high scores (Enter or Escape)</source>
        <translation>Weiter zur Bestenliste (Eingabe oder Esc)</translation>
    </message>
    <message>
        <source>Review</source>
        <translation>Rückblick</translation>
    </message>
    <message>
        <source>How far each decision was from best play, and the luck of the dice</source>
        <translation>Wie weit jede Entscheidung vom besten Spiel entfernt war, und das Glück der Würfel</translation>
    </message>
    <message>
        <source>The Winner is:  </source>
        <translation>Es gewinnt:  </translation>
    </message>
    <message>
        <source>Player %1, computer, %2: press Enter to see the score card</source>
        <translation>Spieler %1, Computer, %2: Eingabe zeigt den Block</translation>
    </message>
    <message>
        <source>Player %1: press Enter to see the score card</source>
        <translation>Spieler %1: Eingabe zeigt den Block</translation>
    </message>
    <message>
        <source>computer, %1</source>
        <translation>Computer, %1</translation>
    </message>
    <message>
        <source>%1: computer, %2</source>
        <translation>%1: Computer, %2</translation>
    </message>
    <message>
        <source>%1&apos;s score card (Enter)</source>
        <translation>Block von %1 (Eingabe)</translation>
    </message>
    <message>
        <source>Best play averages %1 points a game: your %2 is %3 %4 it.</source>
        <translation>Bestes Spiel erzielt im Schnitt %1 Punkte: Ihre %2 liegen %3 %4.</translation>
    </message>
    <message>
        <source>below</source>
        <translation>darunter</translation>
    </message>
    <message>
        <source>above</source>
        <translation>darüber</translation>
    </message>
</context>
<context>
    <name>Resume</name>
    <message>
        <source> and </source>
        <translation> und </translation>
    </message>
    <message>
        <source>Continue the game of %1?</source>
        <translation>Das Spiel von %1 fortsetzen?</translation>
    </message>
    <message>
        <source>Cancel keeps it for the next start.</source>
        <translation>Abbrechen hebt es für den nächsten Start auf.</translation>
    </message>
    <message>
        <source>Cancel (Escape): keep the game for later</source>
        <translation>Abbrechen (Esc): das Spiel für später aufheben</translation>
    </message>
</context>
<context>
    <name>Review</name>
    <message>
        <source>Game Review</source>
        <translation>Rückblick auf das Spiel</translation>
    </message>
    <message>
        <source>Review of</source>
        <translation>Rückblick für</translation>
    </message>
    <message>
        <source>Decisions, most costly first</source>
        <translation>Entscheidungen, die teuersten zuerst</translation>
    </message>
    <message>
        <source>Turn</source>
        <translation>Zug</translation>
    </message>
    <message>
        <source>Roll</source>
        <translation>Wurf</translation>
    </message>
    <message>
        <source>Dice</source>
        <translation>Würfel</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Getan</translation>
    </message>
    <message>
        <source>Best play</source>
        <translation>Bestes Spiel</translation>
    </message>
    <message>
        <source>Cost</source>
        <translation>Kosten</translation>
    </message>
    <message>
        <source>Back (Enter or Escape)</source>
        <translation>Zurück (Eingabe oder Esc)</translation>
    </message>
    <message>
        <source>The position</source>
        <translation>Die Stellung</translation>
    </message>
    <message>
        <source>. Dice: </source>
        <translation>. Würfel: </translation>
    </message>
    <message>
        <source>Select a decision
to see its position</source>
        <translation>Eine Entscheidung wählen,
um ihre Stellung zu sehen</translation>
    </message>
    <message>
        <source>Turn %1, roll %2</source>
        <translation>Zug %1, Wurf %2</translation>
    </message>
    <message>
        <source>Bonus (63)</source>
        <translation>Bonus (63)</translation>
    </message>
    <message>
        <source>red: your choice</source>
        <translation>rot: Ihre Wahl</translation>
    </message>
    <message>
        <source>green: best play</source>
        <translation>grün: bestes Spiel</translation>
    </message>
    <message>
        <source>The game&apos;s course</source>
        <translation>Der Verlauf des Spiels</translation>
    </message>
    <message>
        <source>estimated </source>
        <translation>geschätzt </translation>
    </message>
    <message>
        <source>Start: %1expected %2.</source>
        <translation>Start: %1erwartet %2.</translation>
    </message>
    <message>
        <source>Turn %1: %2expected %3, banked %4, cost %5.</source>
        <translation>Zug %1: %2erwartet %3, erzielt %4, Kosten %5.</translation>
    </message>
    <message>
        <source>turn</source>
        <translation>Zug</translation>
    </message>
    <message>
        <source>expected with best play</source>
        <translation>erwartet bei bestem Spiel</translation>
    </message>
    <message>
        <source>banked</source>
        <translation>erzielt</translation>
    </message>
    <message>
        <source>costliest turns</source>
        <translation>teuerste Züge</translation>
    </message>
    <message>
        <source>rolls all five</source>
        <translation>würfelt alle fünf</translation>
    </message>
    <message>
        <source>rolled all five</source>
        <translation>würfelte alle fünf</translation>
    </message>
    <message>
        <source>keeps </source>
        <translation>behält </translation>
    </message>
    <message>
        <source>kept </source>
        <translation>behielt </translation>
    </message>
    <message>
        <source>enters </source>
        <translation>trägt ein: </translation>
    </message>
    <message>
        <source>entered </source>
        <translation>trug ein: </translation>
    </message>
    <message>
        <source>Pentaro box %1</source>
        <translation>Pentaro-Feld %1</translation>
    </message>
    <message>
        <source> in Game %1</source>
        <translation> in Spiel %1</translation>
    </message>
    <message>
        <source>No review of this game: %1</source>
        <translation>Kein Rückblick auf dieses Spiel: %1</translation>
    </message>
    <message>
        <source>an estimated </source>
        <translation>geschätzt </translation>
    </message>
    <message>
        <source>Best play from the start expects %1%2. Your decisions cost %1%3 points and the dice gave you %1%4: %5.</source>
        <translation>Bestes Spiel erwartet vom Start an %1%2. Ihre Entscheidungen kosteten %1%3 Punkte, die Würfel gaben Ihnen %1%4: %5.</translation>
    </message>
    <message>
        <source>the same</source>
        <translation>dasselbe</translation>
    </message>
    <message>
        <source>best play too</source>
        <translation>auch bestes Spiel</translation>
    </message>
    <message>
        <source>best </source>
        <translation>am besten </translation>
    </message>
    <message>
        <source>Turn %1, roll %2: %3 %4 %5 (%6)</source>
        <translation>Zug %1, Wurf %2: %3 %4 %5 (%6)</translation>
    </message>
    <message>
        <source> + a chip</source>
        <translation> + ein Chip</translation>
    </message>
    <message>
        <source> + the 35 bonus</source>
        <translation> + der Bonus von 35</translation>
    </message>
</context>
<context>
    <name>Rules</name>
    <message>
        <source>Roll the dice first.</source>
        <translation>Erst würfeln.</translation>
    </message>
    <message>
        <source>That box is filled.</source>
        <translation>Dieses Feld ist belegt.</translation>
    </message>
    <message>
        <source>Game 2 is not played in a one-column game.</source>
        <translation>Spiel 2 zählt nicht im Spiel mit einer Spalte.</translation>
    </message>
    <message>
        <source>Game 3 is not played in a one-column game.</source>
        <translation>Spiel 3 zählt nicht im Spiel mit einer Spalte.</translation>
    </message>
    <message>
        <source>Wait for the next player.</source>
        <translation>Auf den nächsten Spieler warten.</translation>
    </message>
    <message>
        <source>Start a game with New Game.</source>
        <translation>Ein Spiel mit „Neues Spiel“ beginnen.</translation>
    </message>
    <message>
        <source>Press New Game to start.</source>
        <translation>„Neues Spiel“ drücken zum Beginnen.</translation>
    </message>
</context>
<context>
    <name>ScoreCard</name>
    <message>
        <source>Score Card</source>
        <translation>Spielblock</translation>
    </message>
    <message>
        <source>Game %1, Pentaro box %2</source>
        <translation>Spiel %1, Pentaro-Feld %2</translation>
    </message>
    <message>
        <source>Pentaro Chips:</source>
        <translation>Pentaro-Chips:</translation>
    </message>
    <message>
        <source>Chip, Game %1</source>
        <translation>Chip, Spiel %1</translation>
    </message>
    <message>
        <source>Chips, Game %1</source>
        <translation>Chips, Spiel %1</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fertig</translation>
    </message>
    <message>
        <source>Back to the results (Enter or Escape)</source>
        <translation>Zurück zum Ergebnis (Eingabe oder Esc)</translation>
    </message>
    <message>
        <source>Review</source>
        <translation>Rückblick</translation>
    </message>
    <message>
        <source>How far each decision was from best play, and the luck of the dice</source>
        <translation>Wie weit jede Entscheidung vom besten Spiel entfernt war, und das Glück der Würfel</translation>
    </message>
    <message>
        <source>shown</source>
        <translation>gezeigt</translation>
    </message>
</context>
<context>
    <name>Seats</name>
    <message>
        <source>Person</source>
        <translation>Mensch</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>leicht</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>mittel</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>schwer</translation>
    </message>
</context>
<context>
    <name>Splash</name>
    <message>
        <source>Splash</source>
        <translation>Willkommen</translation>
    </message>
    <message>
        <source>&quot;Iron sharpens iron, so
one man sharpens another.&quot;</source>
        <translation>„Eisen wetzt Eisen, und ein
Mensch schärft den andern.“</translation>
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
        <translation>Real Pentaro kann nicht starten: Bilder fehlen oder sind beschädigt.

%1

Gesucht in: %2</translation>
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
        <translation>Ton an</translation>
    </message>
    <message>
        <source>Sound Off</source>
        <translation>Ton aus</translation>
    </message>
    <message>
        <source>Rolls</source>
        <translation>Würfe</translation>
    </message>
    <message>
        <source>No sound device found</source>
        <translation>Kein Tongerät gefunden</translation>
    </message>
    <message>
        <source>shown</source>
        <translation>gezeigt</translation>
    </message>
    <message>
        <source>Die %1</source>
        <translation>Würfel %1</translation>
    </message>
    <message>
        <source>, kept</source>
        <translation>, behalten</translation>
    </message>
    <message>
        <source>Rolls: %1</source>
        <translation>Würfe: %1</translation>
    </message>
    <message>
        <source>%1 enters %2 in %3, Game %4</source>
        <translation>%1 trägt %2 in %3 ein, Spiel %4</translation>
    </message>
    <message>
        <source>%1 enters %2 in Pentaro box %3, Game %4</source>
        <translation>%1 trägt %2 in Pentaro-Feld %3 ein, Spiel %4</translation>
    </message>
    <message>
        <source>Roll %1: %2</source>
        <translation>Wurf %1: %2</translation>
    </message>
    <message>
        <source>%1 rolls %2</source>
        <translation>%1 würfelt %2</translation>
    </message>
    <message>
        <source>. Pentaro!</source>
        <translation>. Pentaro!</translation>
    </message>
    <message>
        <source>%1 to play</source>
        <translation>%1 ist am Zug</translation>
    </message>
    <message>
        <source>Proverbs 27:17</source>
        <translation>Sprüche 27,17</translation>
    </message>
    <message>
        <source>Game 1</source>
        <translation>Spiel 1</translation>
    </message>
    <message>
        <source>Game 2</source>
        <translation>Spiel 2</translation>
    </message>
    <message>
        <source>Game 3</source>
        <translation>Spiel 3</translation>
    </message>
    <message>
        <source>Game %1, Pentaro box %2</source>
        <translation>Spiel %1, Pentaro-Feld %2</translation>
    </message>
    <message>
        <source>Pentaro Chips:</source>
        <translation>Pentaro-Chips:</translation>
    </message>
    <message>
        <source>Chip, Game %1</source>
        <translation>Chip, Spiel %1</translation>
    </message>
    <message>
        <source>%1 (key %2)</source>
        <translation>%1 (Taste %2)</translation>
    </message>
    <message>
        <source>Click to put back</source>
        <translation>Anklicken zum Zurücklegen</translation>
    </message>
    <message>
        <source>Click to keep</source>
        <translation>Anklicken zum Behalten</translation>
    </message>
    <message>
        <source>Roll</source>
        <translation>Würfeln</translation>
    </message>
    <message>
        <source>Click to roll dice (Enter)</source>
        <translation>Anklicken zum Würfeln (Eingabe)</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Neues Spiel</translation>
    </message>
    <message>
        <source>Click to begin new game (N)</source>
        <translation>Anklicken für ein neues Spiel (N)</translation>
    </message>
    <message>
        <source>High Scores</source>
        <translation>Bestenliste</translation>
    </message>
    <message>
        <source>Click to show high scores (S)</source>
        <translation>Anklicken für die Bestenliste (S)</translation>
    </message>
    <message>
        <source>Enable/Disable Sound (M)</source>
        <translation>Ton an/aus (M)</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Click for help (F1)</source>
        <translation>Anklicken für Hilfe (F1)</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Tipp</translation>
    </message>
    <message>
        <source>Click for the best move (H)</source>
        <translation>Anklicken für den besten Zug (H)</translation>
    </message>
    <message>
        <source>Exit The Program</source>
        <translation>Programm beenden</translation>
    </message>
    <message>
        <source>Exit The Program (Ctrl+Q)</source>
        <translation>Programm beenden (Strg+Q)</translation>
    </message>
    <message>
        <source>Next player</source>
        <translation>Nächster Spieler</translation>
    </message>
    <message>
        <source>The computer cannot play: %1</source>
        <translation>Der Computer kann nicht spielen: %1</translation>
    </message>
    <message>
        <source>%1 keeps %2</source>
        <translation>%1 behält %2</translation>
    </message>
    <message>
        <source> and </source>
        <translation> und </translation>
    </message>
    <message>
        <source>Roll the dice.</source>
        <translation>Würfeln.</translation>
    </message>
    <message>
        <source>Roll all five dice.</source>
        <translation>Alle fünf Würfel würfeln.</translation>
    </message>
    <message>
        <source>Keep %1 (%2 %3), roll the rest.</source>
        <translation>%1 behalten (%2 %3), den Rest würfeln.</translation>
    </message>
    <message>
        <source>die</source>
        <translation>Würfel</translation>
    </message>
    <message>
        <source>dice</source>
        <translation>Würfel</translation>
    </message>
    <message>
        <source>Pentaro box %1</source>
        <translation>Pentaro-Feld %1</translation>
    </message>
    <message>
        <source>Take Game %1, %2: %3 points.</source>
        <translation>Spiel %1, %2 nehmen: %3 Punkte.</translation>
    </message>
    <message>
        <source>With best play: %1 expected.</source>
        <translation>Bei bestem Spiel: %1 erwartet.</translation>
    </message>
    <message>
        <source>Estimate: about %1 (heuristic).</source>
        <translation>Schätzung: etwa %1 (Faustregel).</translation>
    </message>
    <message>
        <source>The hint is off: %1</source>
        <translation>Kein Tipp: %1</translation>
    </message>
    <message>
        <source> Hints keep this game out of the high scores.</source>
        <translation> Mit Tipps kommt dieses Spiel nicht in die Bestenliste.</translation>
    </message>
    <message>
        <source>Game %1, %2</source>
        <translation>Spiel %1, %2</translation>
    </message>
    <message>
        <source>would score </source>
        <translation>brächte </translation>
    </message>
    <message>
        <source>not played</source>
        <translation>nicht im Spiel</translation>
    </message>
    <message>
        <source>suggested</source>
        <translation>empfohlen</translation>
    </message>
    <message>
        <source>Previews on</source>
        <translation>Vorschau an</translation>
    </message>
    <message>
        <source>Previews off</source>
        <translation>Vorschau aus</translation>
    </message>
    <message>
        <source>Show this card (Ctrl+%1)</source>
        <translation>Diesen Block zeigen (Strg+%1)</translation>
    </message>
    <message>
        <source>on turn</source>
        <translation>am Zug</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>↶ Undo</source>
        <translation>↶ Zur.</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <source>Take back the last entry (Ctrl+Z)</source>
        <translation>Den letzten Eintrag zurücknehmen (Strg+Z)</translation>
    </message>
    <message>
        <source>Entry taken back</source>
        <translation>Eintrag zurückgenommen</translation>
    </message>
    <message>
        <source>Smaller (Ctrl+Minus)</source>
        <translation>Kleiner (Strg+Minus)</translation>
    </message>
    <message>
        <source>Zoom; back to 100 % (Ctrl+0)</source>
        <translation>Zoom; zurück auf 100 % (Strg+0)</translation>
    </message>
    <message>
        <source>Larger (Ctrl+Plus)</source>
        <translation>Größer (Strg+Plus)</translation>
    </message>
    <message>
        <source>Smaller</source>
        <translation>Kleiner</translation>
    </message>
    <message>
        <source>Larger</source>
        <translation>Größer</translation>
    </message>
    <message>
        <source>Zoom %1 %</source>
        <translation>Zoom %1 %</translation>
    </message>
    <message>
        <source>bonus won</source>
        <translation>Bonus sicher</translation>
    </message>
    <message>
        <source>upper bonus won</source>
        <translation>oberer Bonus erreicht</translation>
    </message>
    <message>
        <source>bonus lost</source>
        <translation>kein Bonus</translation>
    </message>
    <message>
        <source>upper bonus out of reach</source>
        <translation>oberer Bonus nicht mehr erreichbar</translation>
    </message>
    <message>
        <source>%1 of 63</source>
        <translation>%1 von 63</translation>
    </message>
    <message>
        <source>%1 of 63 toward the upper bonus</source>
        <translation>%1 von 63 zum oberen Bonus</translation>
    </message>
    <message>
        <source>You have rolled since.</source>
        <translation>Sie haben seitdem gewürfelt.</translation>
    </message>
    <message>
        <source>Nothing to take back.</source>
        <translation>Nichts zurückzunehmen.</translation>
    </message>
</context>
</TS>
