<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>Advisor</name>
    <message>
        <source>No turn to advise on.</source>
        <translation>Nessun turno da consigliare.</translation>
    </message>
    <message>
        <source>the solved game is not at hand.</source>
        <translation>la soluzione del gioco non è disponibile.</translation>
    </message>
    <message>
        <source>The dice are still rolling.</source>
        <translation>I dadi stanno ancora rotolando.</translation>
    </message>
    <message>
        <source>This card is complete.</source>
        <translation>Questo foglio è completo.</translation>
    </message>
    <message>
        <source>Not every move of this game was seen.</source>
        <translation>Non tutte le mosse di questa partita sono state viste.</translation>
    </message>
    <message>
        <source>A move of this game is one the advisor does not know.</source>
        <translation>Una mossa di questa partita è sconosciuta al consigliere.</translation>
    </message>
</context>
<context>
    <name>Card</name>
    <message>
        <source>Ones</source>
        <translation>Uno</translation>
    </message>
    <message>
        <source>Twos</source>
        <translation>Due</translation>
    </message>
    <message>
        <source>Threes</source>
        <translation>Tre</translation>
    </message>
    <message>
        <source>Fours</source>
        <translation>Quattro</translation>
    </message>
    <message>
        <source>Fives</source>
        <translation>Cinque</translation>
    </message>
    <message>
        <source>Sixes</source>
        <translation>Sei</translation>
    </message>
    <message>
        <source>Sub Total</source>
        <translation>Subtotale</translation>
    </message>
    <message>
        <source>Bonus (if 63)  35pts</source>
        <translation>Bonus (se 63)  35pt</translation>
    </message>
    <message>
        <source>Upper Total</source>
        <translation>Totale alto</translation>
    </message>
    <message>
        <source>3 of a kind</source>
        <translation>Tris</translation>
    </message>
    <message>
        <source>4 of a kind</source>
        <translation>Poker</translation>
    </message>
    <message>
        <source>Full House</source>
        <translation>Full</translation>
    </message>
    <message>
        <source>Small Straight</source>
        <translation>Scala minore</translation>
    </message>
    <message>
        <source>Large Straight</source>
        <translation>Scala maggiore</translation>
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
        <translation>Totale basso</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Punti</translation>
    </message>
    <message>
        <source> (row %1)</source>
        <translation> (riga %1)</translation>
    </message>
    <message>
        <source>Game %1, %2</source>
        <translation>Partita %1, %2</translation>
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
        <translation>Conferma</translation>
    </message>
    <message>
        <source>Confirm (Space or Enter)</source>
        <translation>Conferma (Spazio o Invio)</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Cancel (Escape)</source>
        <translation>Annulla (Esc)</translation>
    </message>
</context>
<context>
    <name>Controls</name>
    <message>
        <source>checked</source>
        <translation>selezionato</translation>
    </message>
    <message>
        <source>unchecked</source>
        <translation>non selezionato</translation>
    </message>
</context>
<context>
    <name>Goodbye</name>
    <message>
        <source>Goodbye</source>
        <translation>Arrivederci</translation>
    </message>
    <message>
        <source>&quot;Even a fool, when he keeps
silent, is considered wise.&quot;</source>
        <translation>«Anche lo stolto, se tace,
passa per saggio.»</translation>
    </message>
</context>
<context>
    <name>Help</name>
    <message>
        <source>Real Pentaro Help</source>
        <translation>Guida di Real Pentaro</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Guida</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fatto</translation>
    </message>
    <message>
        <source>Back to the game (Escape)</source>
        <translation>Torna al gioco (Esc)</translation>
    </message>
    <message>
        <source>&lt;h1&gt;Real Pentaro Help&lt;/h1&gt;&lt;p&gt;The help file cannot be read: %1&lt;/p&gt;</source>
        <translation>&lt;h1&gt;Guida di Real Pentaro&lt;/h1&gt;&lt;p&gt;Il file della guida non si può leggere: %1&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Real Pentaro, version %1</source>
        <translation>Real Pentaro, versione %1</translation>
    </message>
</context>
<context>
    <name>HighScores</name>
    <message>
        <source>High Scores</source>
        <translation>Record</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Azzera</translation>
    </message>
    <message>
        <source>Reset the high scores (Space)</source>
        <translation>Azzera i record (Spazio)</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fatto</translation>
    </message>
    <message>
        <source>Back to the table (Enter or Escape)</source>
        <translation>Torna al tavolo (Invio o Esc)</translation>
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
        <translation>Prima devi usare<byte value="xd"/>
una casella<byte value="xd"/>
Pentaro</translation>
    </message>
    <message>
        <source>One Pentaro in each<byte value="xd"/>
column must be<byte value="xd"/>
used first.</source>
        <translation>Prima va usato<byte value="xd"/>
un Pentaro in<byte value="xd"/>
ogni colonna.</translation>
    </message>
    <message>
        <source>Wildcard denied:<byte value="xd"/>
Upper section<byte value="xd"/>
number not used</source>
        <translation>Jolly negato:<byte value="xd"/>
il numero in alto<byte value="xd"/>
non è usato</translation>
    </message>
    <message>
        <source>Wildcard denied:<byte value="xd"/>
All like numbers not<byte value="xd"/>
used in upper section</source>
        <translation>Jolly negato:<byte value="xd"/>
non tutti i numeri<byte value="xd"/>
in alto sono usati</translation>
    </message>
    <message>
        <source>The language setting<byte value="xd"/>
is unknown: the<byte value="xd"/>
desktop&apos;s is used.</source>
        <translation>La lingua impostata<byte value="xd"/>
è sconosciuta: si usa<byte value="xd"/>
quella del desktop.</translation>
    </message>
    <message>
        <source>The Current Game<byte value="xd"/>
Will Be Lost</source>
        <translation>La partita in corso<byte value="xd"/>
andrà persa</translation>
    </message>
    <message>
        <source>You Are About To<byte value="xd"/>
Reset The High Scores</source>
        <translation>Stai per azzerare<byte value="xd"/>
i record</translation>
    </message>
    <message>
        <source>Some settings could not be read: defaults are used.</source>
        <translation>Alcune impostazioni non si sono potute leggere: si usano i valori predefiniti.</translation>
    </message>
    <message>
        <source>Settings cannot be saved.</source>
        <translation>Le impostazioni non si possono salvare.</translation>
    </message>
    <message>
        <source>Settings cannot be read or saved: defaults are used.</source>
        <translation>Le impostazioni non si possono né leggere né salvare: si usano i valori predefiniti.</translation>
    </message>
</context>
<context>
    <name>NewGame</name>
    <message>
        <source>Person</source>
        <translation>Persona</translation>
    </message>
    <message>
        <source>Computer, Easy</source>
        <translation>Computer, facile</translation>
    </message>
    <message>
        <source>Computer, Medium</source>
        <translation>Computer, medio</translation>
    </message>
    <message>
        <source>Computer, Hard</source>
        <translation>Computer, difficile</translation>
    </message>
    <message>
        <source>Slow</source>
        <translation>Lento</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normale</translation>
    </message>
    <message>
        <source>Fast</source>
        <translation>Veloce</translation>
    </message>
    <message>
        <source>Player %1</source>
        <translation>Gioc. %1</translation>
    </message>
    <message>
        <source>Language: as the desktop (%1)</source>
        <translation>Lingua: quella del desktop (%1)</translation>
    </message>
    <message>
        <source>Language: %1</source>
        <translation>Lingua: %1</translation>
    </message>
    <message>
        <source>The game&apos;s language: press to change (Space)</source>
        <translation>La lingua del gioco: premi per cambiarla (Spazio)</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Nuova partita</translation>
    </message>
    <message numerus="yes">
        <source>%n player(s)</source>
        <translation>
            <numerusform>%n giocatore</numerusform>
            <numerusform>%n giocatori</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 (Space)</source>
        <translation>%1 (Spazio)</translation>
    </message>
    <message>
        <source>Name of player %1</source>
        <translation>Nome del giocatore %1</translation>
    </message>
    <message>
        <source>Who plays this seat: press to change (Space)</source>
        <translation>Chi gioca a questo posto: premi per cambiare (Spazio)</translation>
    </message>
    <message>
        <source>Three columns</source>
        <translation>Tre colonne</translation>
    </message>
    <message>
        <source>One column</source>
        <translation>Una colonna</translation>
    </message>
    <message>
        <source>How fast the computer plays: press to change (Space)</source>
        <translation>Quanto veloce gioca il computer: premi per cambiare (Spazio)</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fatto</translation>
    </message>
    <message>
        <source>Start the game (Enter)</source>
        <translation>Inizia la partita (Invio)</translation>
    </message>
    <message>
        <source>Player %1: %2</source>
        <translation>Giocatore %1: %2</translation>
    </message>
    <message>
        <source>Computer pace: %1</source>
        <translation>Ritmo del computer: %1</translation>
    </message>
    <message>
        <source>Instant</source>
        <translation>Istantaneo</translation>
    </message>
</context>
<context>
    <name>Pictures</name>
    <message>
        <source>KEPT</source>
        <translation>TENUTI</translation>
    </message>
    <message>
        <source>ROLL</source>
        <translation>TIRA</translation>
    </message>
    <message>
        <source>Next Player</source>
        <translation>Prossimo</translation>
    </message>
    <message>
        <source>Person</source>
        <translation>Persona</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>Facile</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Medio</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Difficile</translation>
    </message>
    <message>
        <source>Slow</source>
        <translation>Lento</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normale</translation>
    </message>
    <message>
        <source>Fast</source>
        <translation>Veloce</translation>
    </message>
    <message>
        <source>Roll</source>
        <translation>Tira</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Nuova partita</translation>
    </message>
    <message>
        <source>High Scores</source>
        <translation>Record</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Guida</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Conferma</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fatto</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Aiuto</translation>
    </message>
    <message>
        <source>Review</source>
        <translation>Analisi</translation>
    </message>
    <message>
        <source>Sound On</source>
        <translation>Audio sì</translation>
    </message>
    <message>
        <source>Sound Off</source>
        <translation>Audio no</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Audio</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Azzera</translation>
    </message>
    <message>
        <source>five dice  •  one card  •  up to four players</source>
        <translation>cinque dadi  •  un foglio  •  fino a quattro giocatori</translation>
    </message>
    <message>
        <source>Who is playing?</source>
        <translation>Chi gioca?</translation>
    </message>
    <message>
        <source>Played by</source>
        <translation>Giocato da</translation>
    </message>
    <message>
        <source>Which game?</source>
        <translation>Quale partita?</translation>
    </message>
    <message>
        <source>Computer pace</source>
        <translation>Ritmo del computer</translation>
    </message>
    <message>
        <source>Three columns</source>
        <translation>Tre colonne</translation>
    </message>
    <message>
        <source>scored x1, x2, x3</source>
        <translation>punti x1, x2, x3</translation>
    </message>
    <message>
        <source>One column</source>
        <translation>Una colonna</translation>
    </message>
    <message>
        <source>a single card</source>
        <translation>un solo foglio</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Punti</translation>
    </message>
    <message>
        <source>Three-Column Game</source>
        <translation>Partita a tre colonne</translation>
    </message>
    <message>
        <source>One-Column Game</source>
        <translation>Partita a una colonna</translation>
    </message>
    <message>
        <source>Game over</source>
        <translation>Partita finita</translation>
    </message>
    <message>
        <source>A new high score!</source>
        <translation>Un nuovo record!</translation>
    </message>
    <message>
        <source>SCORE!</source>
        <translation>RECORD</translation>
    </message>
    <message>
        <source>HIGH</source>
        <translation>NUOVO</translation>
    </message>
    <message>
        <source>Score Card</source>
        <translation>Foglio punti</translation>
    </message>
    <message>
        <source>Instant</source>
        <translation>Istantaneo</translation>
    </message>
</context>
<context>
    <name>Results</name>
    <message>
        <source>Game 1 Total</source>
        <translation>Totale partita 1</translation>
    </message>
    <message>
        <source>Chips (x-100)</source>
        <translation>Gettoni (x-100)</translation>
    </message>
    <message>
        <source>Game 2 Total (x-2)</source>
        <translation>Totale partita 2 (x-2)</translation>
    </message>
    <message>
        <source>Chips (x-200)</source>
        <translation>Gettoni (x-200)</translation>
    </message>
    <message>
        <source>Game 3 Total (x-3)</source>
        <translation>Totale partita 3 (x-3)</translation>
    </message>
    <message>
        <source>Chips (x-300)</source>
        <translation>Gettoni (x-300)</translation>
    </message>
    <message>
        <source>Grand Total</source>
        <translation>Totale generale</translation>
    </message>
    <message>
        <source>Game Over</source>
        <translation>Partita finita</translation>
    </message>
    <message>
        <source>player %1</source>
        <translation>giocatore %1</translation>
    </message>
    <message>
        <source>Click On Names To See Scorecard</source>
        <translation>Clicca su un nome per vedere il suo foglio</translation>
    </message>
    <message>
        <source>Or Tab to a name and press Enter</source>
        <translation>Oppure vai su un nome con Tab e premi Invio</translation>
    </message>
    <message>
        <source>A new high score!</source>
        <translation>Un nuovo record!</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fatto</translation>
    </message>
    <message>
        <source>On to the high scores (Enter or Escape)</source>
        <translation>Ai record (Invio o Esc)</translation>
    </message>
    <message>
        <source>Review</source>
        <translation>Analisi</translation>
    </message>
    <message>
        <source>How far each decision was from best play, and the luck of the dice</source>
        <translation>Quanto ogni decisione si è scostata dalla mossa migliore, e la fortuna ai dadi</translation>
    </message>
    <message>
        <source>The Winner is:  </source>
        <translation>Il vincitore è:  </translation>
    </message>
    <message>
        <source>Player %1, computer, %2: press Enter to see the score card</source>
        <translation>Giocatore %1, computer, %2: premi Invio per vedere il foglio punti</translation>
    </message>
    <message>
        <source>Player %1: press Enter to see the score card</source>
        <translation>Giocatore %1: premi Invio per vedere il foglio punti</translation>
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
        <translation>Foglio punti di %1 (Invio)</translation>
    </message>
    <message>
        <source>Best play averages %1 points a game: your %2 is %3 %4 it.</source>
        <translation>Il gioco migliore fa in media %1 punti a partita: i tuoi %2 punti sono %3 %4.</translation>
    </message>
    <message>
        <source>below</source>
        <translation>sotto</translation>
    </message>
    <message>
        <source>above</source>
        <translation>sopra</translation>
    </message>
</context>
<context>
    <name>Resume</name>
    <message>
        <source> and </source>
        <translation> e </translation>
    </message>
    <message>
        <source>Continue the game of %1?</source>
        <translation>Continuare la partita di %1?</translation>
    </message>
    <message>
        <source>Cancel keeps it for the next start.</source>
        <translation>Annulla: resta salvata per dopo.</translation>
    </message>
    <message>
        <source>Cancel (Escape): keep the game for later</source>
        <translation>Annulla (Esc): conserva la partita per dopo</translation>
    </message>
</context>
<context>
    <name>Review</name>
    <message>
        <source>Game Review</source>
        <translation>Analisi della partita</translation>
    </message>
    <message>
        <source>Review of</source>
        <translation>Analisi di</translation>
    </message>
    <message>
        <source>Decisions, most costly first</source>
        <translation>Decisioni, le più costose prima</translation>
    </message>
    <message>
        <source>Turn</source>
        <translation>Turno</translation>
    </message>
    <message>
        <source>Roll</source>
        <translation>Tiro</translation>
    </message>
    <message>
        <source>Dice</source>
        <translation>Dadi</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Tua mossa</translation>
    </message>
    <message>
        <source>Best play</source>
        <translation>Mossa migliore</translation>
    </message>
    <message>
        <source>Cost</source>
        <translation>Costo</translation>
    </message>
    <message>
        <source>Back (Enter or Escape)</source>
        <translation>Indietro (Invio o Esc)</translation>
    </message>
    <message>
        <source>The position</source>
        <translation>La posizione</translation>
    </message>
    <message>
        <source>. Dice: </source>
        <translation>. Dadi: </translation>
    </message>
    <message>
        <source>Select a decision
to see its position</source>
        <translation>Scegli una decisione
per vederne la posizione</translation>
    </message>
    <message>
        <source>Turn %1, roll %2</source>
        <translation>Turno %1, tiro %2</translation>
    </message>
    <message>
        <source>Bonus (63)</source>
        <translation>Bonus (63)</translation>
    </message>
    <message>
        <source>red: your choice</source>
        <translation>rosso: la tua scelta</translation>
    </message>
    <message>
        <source>green: best play</source>
        <translation>verde: mossa migliore</translation>
    </message>
    <message>
        <source>The game&apos;s course</source>
        <translation>L’andamento della partita</translation>
    </message>
    <message>
        <source>estimated </source>
        <translation>circa </translation>
    </message>
    <message>
        <source>Start: %1expected %2.</source>
        <translation>Inizio: attesi %1%2.</translation>
    </message>
    <message>
        <source>Turn %1: %2expected %3, banked %4, cost %5.</source>
        <translation>Turno %1: attesi %2%3, incassati %4, costo %5.</translation>
    </message>
    <message>
        <source>turn</source>
        <translation>turno</translation>
    </message>
    <message>
        <source>expected with best play</source>
        <translation>atteso con il gioco migliore</translation>
    </message>
    <message>
        <source>banked</source>
        <translation>incassato</translation>
    </message>
    <message>
        <source>costliest turns</source>
        <translation>turni più costosi</translation>
    </message>
    <message>
        <source>rolls all five</source>
        <translation>ritirare tutti e cinque</translation>
    </message>
    <message>
        <source>rolled all five</source>
        <translation>hai ritirato tutti e cinque</translation>
    </message>
    <message>
        <source>keeps </source>
        <translation>tenere </translation>
    </message>
    <message>
        <source>kept </source>
        <translation>hai tenuto </translation>
    </message>
    <message>
        <source>enters </source>
        <translation>segnare </translation>
    </message>
    <message>
        <source>entered </source>
        <translation>hai segnato </translation>
    </message>
    <message>
        <source>Pentaro box %1</source>
        <translation>casella Pentaro %1</translation>
    </message>
    <message>
        <source> in Game %1</source>
        <translation> nella partita %1</translation>
    </message>
    <message>
        <source>No review of this game: %1</source>
        <translation>Nessuna analisi di questa partita: %1</translation>
    </message>
    <message>
        <source>an estimated </source>
        <translation>circa </translation>
    </message>
    <message>
        <source>Best play from the start expects %1%2. Your decisions cost %1%3 points and the dice gave you %1%4: %5.</source>
        <translation>Il gioco migliore prevede dall’inizio %1%2. Le tue decisioni sono costate %1%3 punti e i dadi ti hanno dato %1%4: %5.</translation>
    </message>
    <message>
        <source>the same</source>
        <translation>lo stesso</translation>
    </message>
    <message>
        <source>best play too</source>
        <translation>anche la mossa migliore</translation>
    </message>
    <message>
        <source>best </source>
        <translation>meglio: </translation>
    </message>
    <message>
        <source>Turn %1, roll %2: %3 %4 %5 (%6)</source>
        <translation>Turno %1, tiro %2: %3 %4 %5 (%6)</translation>
    </message>
    <message>
        <source> + a chip</source>
        <translation> + una fiche</translation>
    </message>
    <message>
        <source> + the 35 bonus</source>
        <translation> + il bonus di 35</translation>
    </message>
</context>
<context>
    <name>Rules</name>
    <message>
        <source>Roll the dice first.</source>
        <translation>Prima tira i dadi.</translation>
    </message>
    <message>
        <source>That box is filled.</source>
        <translation>Quella casella è già piena.</translation>
    </message>
    <message>
        <source>Game 2 is not played in a one-column game.</source>
        <translation>La partita 2 non si gioca nel gioco a una colonna.</translation>
    </message>
    <message>
        <source>Game 3 is not played in a one-column game.</source>
        <translation>La partita 3 non si gioca nel gioco a una colonna.</translation>
    </message>
    <message>
        <source>Wait for the next player.</source>
        <translation>Aspetta il prossimo giocatore.</translation>
    </message>
    <message>
        <source>Start a game with New Game.</source>
        <translation>Inizia una partita con Nuova partita.</translation>
    </message>
    <message>
        <source>Press New Game to start.</source>
        <translation>Premi Nuova partita per iniziare.</translation>
    </message>
</context>
<context>
    <name>ScoreCard</name>
    <message>
        <source>Score Card</source>
        <translation>Foglio punti</translation>
    </message>
    <message>
        <source>Game %1, Pentaro box %2</source>
        <translation>Partita %1, casella Pentaro %2</translation>
    </message>
    <message>
        <source>Pentaro Chips:</source>
        <translation>Gettoni:</translation>
    </message>
    <message>
        <source>Chip, Game %1</source>
        <translation>Gettone, partita %1</translation>
    </message>
    <message>
        <source>Chips, Game %1</source>
        <translation>Gettoni, partita %1</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fatto</translation>
    </message>
    <message>
        <source>Back to the results (Enter or Escape)</source>
        <translation>Torna ai risultati (Invio o Esc)</translation>
    </message>
    <message>
        <source>Review</source>
        <translation>Analisi</translation>
    </message>
    <message>
        <source>How far each decision was from best play, and the luck of the dice</source>
        <translation>Quanto ogni decisione si è scostata dalla mossa migliore, e la fortuna ai dadi</translation>
    </message>
    <message>
        <source>shown</source>
        <translation>visibile</translation>
    </message>
</context>
<context>
    <name>Seats</name>
    <message>
        <source>Person</source>
        <translation>Persona</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>Facile</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Medio</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Difficile</translation>
    </message>
</context>
<context>
    <name>Splash</name>
    <message>
        <source>Splash</source>
        <translation>Benvenuto</translation>
    </message>
    <message>
        <source>&quot;Iron sharpens iron, so
one man sharpens another.&quot;</source>
        <translation>«Il ferro si affila col ferro,
e l’uomo affina l’uomo.»</translation>
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
        <translation>Real Pentaro non può partire: mancano immagini o sono danneggiate.

%1

Cercate in: %2</translation>
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
        <translation>Audio sì</translation>
    </message>
    <message>
        <source>Sound Off</source>
        <translation>Audio no</translation>
    </message>
    <message>
        <source>Rolls</source>
        <translation>Tiri</translation>
    </message>
    <message>
        <source>No sound device found</source>
        <translation>Nessun dispositivo audio trovato</translation>
    </message>
    <message>
        <source>shown</source>
        <translation>visibile</translation>
    </message>
    <message>
        <source>Die %1</source>
        <translation>Dado %1</translation>
    </message>
    <message>
        <source>, kept</source>
        <translation>, tenuto</translation>
    </message>
    <message>
        <source>Rolls: %1</source>
        <translation>Tiri: %1</translation>
    </message>
    <message>
        <source>%1 enters %2 in %3, Game %4</source>
        <translation>%1 segna %2 in %3, partita %4</translation>
    </message>
    <message>
        <source>%1 enters %2 in Pentaro box %3, Game %4</source>
        <translation>%1 segna %2 nella casella Pentaro %3, partita %4</translation>
    </message>
    <message>
        <source>Roll %1: %2</source>
        <translation>Tiro %1: %2</translation>
    </message>
    <message>
        <source>%1 rolls %2</source>
        <translation>%1 tira %2</translation>
    </message>
    <message>
        <source>. Pentaro!</source>
        <translation>. Pentaro!</translation>
    </message>
    <message>
        <source>%1 to play</source>
        <translation>Tocca a %1</translation>
    </message>
    <message>
        <source>Proverbs 27:17</source>
        <translation>Proverbi 27:17</translation>
    </message>
    <message>
        <source>Game 1</source>
        <translation>Part. 1</translation>
    </message>
    <message>
        <source>Game 2</source>
        <translation>Part. 2</translation>
    </message>
    <message>
        <source>Game 3</source>
        <translation>Part. 3</translation>
    </message>
    <message>
        <source>Game %1, Pentaro box %2</source>
        <translation>Partita %1, casella Pentaro %2</translation>
    </message>
    <message>
        <source>Pentaro Chips:</source>
        <translation>Gettoni:</translation>
    </message>
    <message>
        <source>Chip, Game %1</source>
        <translation>Gettone, partita %1</translation>
    </message>
    <message>
        <source>%1 (key %2)</source>
        <translation>%1 (tasto %2)</translation>
    </message>
    <message>
        <source>Click to put back</source>
        <translation>Clicca per rimetterlo</translation>
    </message>
    <message>
        <source>Click to keep</source>
        <translation>Clicca per tenerlo</translation>
    </message>
    <message>
        <source>Roll</source>
        <translation>Tira</translation>
    </message>
    <message>
        <source>Click to roll dice (Enter)</source>
        <translation>Clicca per tirare i dadi (Invio)</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Nuova partita</translation>
    </message>
    <message>
        <source>Click to begin new game (N)</source>
        <translation>Clicca per una nuova partita (N)</translation>
    </message>
    <message>
        <source>High Scores</source>
        <translation>Record</translation>
    </message>
    <message>
        <source>Click to show high scores (S)</source>
        <translation>Clicca per vedere i record (S)</translation>
    </message>
    <message>
        <source>Enable/Disable Sound (M)</source>
        <translation>Attiva/disattiva l’audio (M)</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Guida</translation>
    </message>
    <message>
        <source>Click for help (F1)</source>
        <translation>Clicca per la guida (F1)</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Aiuto</translation>
    </message>
    <message>
        <source>Click for the best move (H)</source>
        <translation>Clicca per la mossa migliore (H)</translation>
    </message>
    <message>
        <source>Exit The Program</source>
        <translation>Esci dal programma</translation>
    </message>
    <message>
        <source>Exit The Program (Ctrl+Q)</source>
        <translation>Esci dal programma (Ctrl+Q)</translation>
    </message>
    <message>
        <source>Next player</source>
        <translation>Prossimo giocatore</translation>
    </message>
    <message>
        <source>The computer cannot play: %1</source>
        <translation>Il computer non può giocare: %1</translation>
    </message>
    <message>
        <source>%1 keeps %2</source>
        <translation>%1 tiene %2</translation>
    </message>
    <message>
        <source> and </source>
        <translation> e </translation>
    </message>
    <message>
        <source>Roll the dice.</source>
        <translation>Tira i dadi.</translation>
    </message>
    <message>
        <source>Roll all five dice.</source>
        <translation>Ritira tutti e cinque i dadi.</translation>
    </message>
    <message>
        <source>Keep %1 (%2 %3), roll the rest.</source>
        <translation>Tieni %1 (%2 %3), ritira il resto.</translation>
    </message>
    <message>
        <source>die</source>
        <translation>dado</translation>
    </message>
    <message>
        <source>dice</source>
        <translation>dadi</translation>
    </message>
    <message>
        <source>Pentaro box %1</source>
        <translation>casella Pentaro %1</translation>
    </message>
    <message>
        <source>Take Game %1, %2: %3 points.</source>
        <translation>Segna nella partita %1, %2: %3 punti.</translation>
    </message>
    <message>
        <source>With best play: %1 expected.</source>
        <translation>Con il gioco migliore: %1 attesi.</translation>
    </message>
    <message>
        <source>Estimate: about %1 (heuristic).</source>
        <translation>Stima: circa %1 (euristica).</translation>
    </message>
    <message>
        <source>The hint is off: %1</source>
        <translation>L’aiuto non è disponibile: %1</translation>
    </message>
    <message>
        <source> Hints keep this game out of the high scores.</source>
        <translation> Gli aiuti escludono questa partita dai record.</translation>
    </message>
    <message>
        <source>Game %1, %2</source>
        <translation>Partita %1, %2</translation>
    </message>
    <message>
        <source>would score </source>
        <translation>farebbe </translation>
    </message>
    <message>
        <source>not played</source>
        <translation>non giocata</translation>
    </message>
    <message>
        <source>suggested</source>
        <translation>suggerita</translation>
    </message>
    <message>
        <source>Previews on</source>
        <translation>Anteprime sì</translation>
    </message>
    <message>
        <source>Previews off</source>
        <translation>Anteprime no</translation>
    </message>
    <message>
        <source>Show this card (Ctrl+%1)</source>
        <translation>Mostra questo foglio (Ctrl+%1)</translation>
    </message>
    <message>
        <source>on turn</source>
        <translation>di turno</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Stato</translation>
    </message>
    <message>
        <source>↶ Undo</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Take back the last entry (Ctrl+Z)</source>
        <translation>Annulla l’ultima registrazione (Ctrl+Z)</translation>
    </message>
    <message>
        <source>Entry taken back</source>
        <translation>Registrazione annullata</translation>
    </message>
    <message>
        <source>Smaller (Ctrl+Minus)</source>
        <translation>Più piccolo (Ctrl+Meno)</translation>
    </message>
    <message>
        <source>Zoom; back to 100 % (Ctrl+0)</source>
        <translation>Zoom; torna al 100 % (Ctrl+0)</translation>
    </message>
    <message>
        <source>Larger (Ctrl+Plus)</source>
        <translation>Più grande (Ctrl+Più)</translation>
    </message>
    <message>
        <source>Smaller</source>
        <translation>Più piccolo</translation>
    </message>
    <message>
        <source>Larger</source>
        <translation>Più grande</translation>
    </message>
    <message>
        <source>Zoom %1 %</source>
        <translation>Zoom %1 %</translation>
    </message>
    <message>
        <source>bonus won</source>
        <translation>bonus vinto</translation>
    </message>
    <message>
        <source>upper bonus won</source>
        <translation>bonus superiore vinto</translation>
    </message>
    <message>
        <source>bonus lost</source>
        <translation>bonus perso</translation>
    </message>
    <message>
        <source>upper bonus out of reach</source>
        <translation>bonus superiore fuori portata</translation>
    </message>
    <message>
        <source>%1 of 63</source>
        <translation>%1 su 63</translation>
    </message>
    <message>
        <source>%1 of 63 toward the upper bonus</source>
        <translation>%1 su 63 verso il bonus superiore</translation>
    </message>
    <message>
        <source>You have rolled since.</source>
        <translation>Hai tirato da allora.</translation>
    </message>
    <message>
        <source>Nothing to take back.</source>
        <translation>Niente da annullare.</translation>
    </message>
</context>
</TS>
