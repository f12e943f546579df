<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>Advisor</name>
    <message>
        <source>No turn to advise on.</source>
        <translation>Aucun tour à conseiller.</translation>
    </message>
    <message>
        <source>the solved game is not at hand.</source>
        <translation>la solution du jeu n’est pas disponible.</translation>
    </message>
    <message>
        <source>The dice are still rolling.</source>
        <translation>Les dés roulent encore.</translation>
    </message>
    <message>
        <source>This card is complete.</source>
        <translation>Cette grille est complète.</translation>
    </message>
    <message>
        <source>Not every move of this game was seen.</source>
        <translation>Tous les coups de cette partie n’ont pas été vus.</translation>
    </message>
    <message>
        <source>A move of this game is one the advisor does not know.</source>
        <translation>Un coup de cette partie est inconnu du conseiller.</translation>
    </message>
</context>
<context>
    <name>Card</name>
    <message>
        <source>Ones</source>
        <translation>As</translation>
    </message>
    <message>
        <source>Twos</source>
        <translation>Deux</translation>
    </message>
    <message>
        <source>Threes</source>
        <translation>Trois</translation>
    </message>
    <message>
        <source>Fours</source>
        <translation>Quatre</translation>
    </message>
    <message>
        <source>Fives</source>
        <translation>Cinq</translation>
    </message>
    <message>
        <source>Sixes</source>
        <translation>Six</translation>
    </message>
    <message>
        <source>Sub Total</source>
        <translation>Sous-total</translation>
    </message>
    <message>
        <source>Bonus (if 63)  35pts</source>
        <translation>Bonus (si 63) 35pts</translation>
    </message>
    <message>
        <source>Upper Total</source>
        <translation>Total haut</translation>
    </message>
    <message>
        <source>3 of a kind</source>
        <translation>Brelan</translation>
    </message>
    <message>
        <source>4 of a kind</source>
        <translation>Carré</translation>
    </message>
    <message>
        <source>Full House</source>
        <translation>Full</translation>
    </message>
    <message>
        <source>Small Straight</source>
        <translation>Petite suite</translation>
    </message>
    <message>
        <source>Large Straight</source>
        <translation>Grande suite</translation>
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
        <translation>Total bas</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Score</translation>
    </message>
    <message>
        <source> (row %1)</source>
        <translation> (ligne %1)</translation>
    </message>
    <message>
        <source>Game %1, %2</source>
        <translation>Partie %1, %2</translation>
    </message>
</context>
<context>
    <name>Celebration</name>
    <message>
        <source>Pentaro!</source>
        <translation>Pentaro !</translation>
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
        <translation>Confirmer</translation>
    </message>
    <message>
        <source>Confirm (Space or Enter)</source>
        <translation>Confirmer (Espace ou Entrée)</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Cancel (Escape)</source>
        <translation>Annuler (Échap)</translation>
    </message>
</context>
<context>
    <name>Controls</name>
    <message>
        <source>checked</source>
        <translation>coché</translation>
    </message>
    <message>
        <source>unchecked</source>
        <translation>non coché</translation>
    </message>
</context>
<context>
    <name>Goodbye</name>
    <message>
        <source>Goodbye</source>
        <translation>Au revoir</translation>
    </message>
    <message>
        <source>&quot;Even a fool, when he keeps
silent, is considered wise.&quot;</source>
        <translation>« L’insensé même, quand il se tait,
passe pour sage. »</translation>
    </message>
</context>
<context>
    <name>Help</name>
    <message>
        <source>Real Pentaro Help</source>
        <translation>Aide de Real Pentaro</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fini</translation>
    </message>
    <message>
        <source>Back to the game (Escape)</source>
        <translation>Retour au jeu (Échap)</translation>
    </message>
    <message>
        <source>&lt;h1&gt;Real Pentaro Help&lt;/h1&gt;&lt;p&gt;The help file cannot be read: %1&lt;/p&gt;</source>
        <translation>&lt;h1&gt;Aide de Real Pentaro&lt;/h1&gt;&lt;p&gt;Le fichier d’aide ne peut pas être lu : %1&lt;/p&gt;</translation>
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
        <translation>Records</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Effacer</translation>
    </message>
    <message>
        <source>Reset the high scores (Space)</source>
        <translation>Effacer les records (Espace)</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fini</translation>
    </message>
    <message>
        <source>Back to the table (Enter or Escape)</source>
        <translation>Retour à la table (Entrée ou Échap)</translation>
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
        <translation>Vous devez d’abord<byte value="xd"/>
utiliser une<byte value="xd"/>
case Pentaro</translation>
    </message>
    <message>
        <source>One Pentaro in each<byte value="xd"/>
column must be<byte value="xd"/>
used first.</source>
        <translation>Un Pentaro dans chaque<byte value="xd"/>
colonne doit d’abord<byte value="xd"/>
être utilisé.</translation>
    </message>
    <message>
        <source>Wildcard denied:<byte value="xd"/>
Upper section<byte value="xd"/>
number not used</source>
        <translation>Joker refusé :<byte value="xd"/>
le nombre du haut<byte value="xd"/>
n’est pas utilisé</translation>
    </message>
    <message>
        <source>Wildcard denied:<byte value="xd"/>
All like numbers not<byte value="xd"/>
used in upper section</source>
        <translation>Joker refusé :<byte value="xd"/>
les mêmes nombres du<byte value="xd"/>
haut ne sont pas tous pris</translation>
    </message>
    <message>
        <source>The language setting<byte value="xd"/>
is unknown: the<byte value="xd"/>
desktop&apos;s is used.</source>
        <translation>La langue choisie<byte value="xd"/>
est inconnue : celle<byte value="xd"/>
du bureau est utilisée.</translation>
    </message>
    <message>
        <source>The Current Game<byte value="xd"/>
Will Be Lost</source>
        <translation>La partie en cours<byte value="xd"/>
sera perdue</translation>
    </message>
    <message>
        <source>You Are About To<byte value="xd"/>
Reset The High Scores</source>
        <translation>Vous allez effacer<byte value="xd"/>
les records</translation>
    </message>
    <message>
        <source>Some settings could not be read: defaults are used.</source>
        <translation>Certains réglages n’ont pas pu être lus : les valeurs par défaut sont utilisées.</translation>
    </message>
    <message>
        <source>Settings cannot be saved.</source>
        <translation>Les réglages ne peuvent pas être enregistrés.</translation>
    </message>
    <message>
        <source>Settings cannot be read or saved: defaults are used.</source>
        <translation>Les réglages ne peuvent être ni lus ni enregistrés : les valeurs par défaut sont utilisées.</translation>
    </message>
</context>
<context>
    <name>NewGame</name>
    <message>
        <source>Person</source>
        <translation>Humain</translation>
    </message>
    <message>
        <source>Computer, Easy</source>
        <translation>Ordinateur, facile</translation>
    </message>
    <message>
        <source>Computer, Medium</source>
        <translation>Ordinateur, moyen</translation>
    </message>
    <message>
        <source>Computer, Hard</source>
        <translation>Ordinateur, difficile</translation>
    </message>
    <message>
        <source>Slow</source>
        <translation>Lent</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Fast</source>
        <translation>Rapide</translation>
    </message>
    <message>
        <source>Player %1</source>
        <translation>Joueur %1</translation>
    </message>
    <message>
        <source>Language: as the desktop (%1)</source>
        <translation>Langue : celle du bureau (%1)</translation>
    </message>
    <message>
        <source>Language: %1</source>
        <translation>Langue : %1</translation>
    </message>
    <message>
        <source>The game&apos;s language: press to change (Space)</source>
        <translation>La langue du jeu : appuyez pour changer (Espace)</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Nouveau jeu</translation>
    </message>
    <message numerus="yes">
        <source>%n player(s)</source>
        <translation>
            <numerusform>%n joueur</numerusform>
            <numerusform>%n joueurs</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 (Space)</source>
        <translation>%1 (Espace)</translation>
    </message>
    <message>
        <source>Name of player %1</source>
        <translation>Nom du joueur %1</translation>
    </message>
    <message>
        <source>Who plays this seat: press to change (Space)</source>
        <translation>Qui joue à cette place : appuyez pour changer (Espace)</translation>
    </message>
    <message>
        <source>Three columns</source>
        <translation>Trois colonnes</translation>
    </message>
    <message>
        <source>One column</source>
        <translation>Une colonne</translation>
    </message>
    <message>
        <source>How fast the computer plays: press to change (Space)</source>
        <translation>Vitesse de l’ordinateur : appuyez pour changer (Espace)</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fini</translation>
    </message>
    <message>
        <source>Start the game (Enter)</source>
        <translation>Commencer la partie (Entrée)</translation>
    </message>
    <message>
        <source>Player %1: %2</source>
        <translation>Joueur %1 : %2</translation>
    </message>
    <message>
        <source>Computer pace: %1</source>
        <translation>Vitesse de l’ordinateur : %1</translation>
    </message>
    <message>
        <source>Instant</source>
        <translation>Instantané</translation>
    </message>
</context>
<context>
    <name>Pictures</name>
    <message>
        <source>KEPT</source>
        <translation>GARDÉS</translation>
    </message>
    <message>
        <source>ROLL</source>
        <translation>LANCER</translation>
    </message>
    <message>
        <source>Next Player</source>
        <translation>Au suivant</translation>
    </message>
    <message>
        <source>Person</source>
        <translation>Humain</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>Facile</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Moyen</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Difficile</translation>
    </message>
    <message>
        <source>Slow</source>
        <translation>Lent</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Fast</source>
        <translation>Rapide</translation>
    </message>
    <message>
        <source>Roll</source>
        <translation>Lancer</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Nouveau jeu</translation>
    </message>
    <message>
        <source>High Scores</source>
        <translation>Records</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Confirmer</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fini</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Conseil</translation>
    </message>
    <message>
        <source>Review</source>
        <translation>Analyse</translation>
    </message>
    <message>
        <source>Sound On</source>
        <translation>Son activé</translation>
    </message>
    <message>
        <source>Sound Off</source>
        <translation>Son coupé</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Son</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Effacer</translation>
    </message>
    <message>
        <source>five dice  •  one card  •  up to four players</source>
        <translation>cinq dés  •  une grille  •  jusqu’à quatre joueurs</translation>
    </message>
    <message>
        <source>Who is playing?</source>
        <translation>Qui joue ?</translation>
    </message>
    <message>
        <source>Played by</source>
        <translation>Joué par</translation>
    </message>
    <message>
        <source>Which game?</source>
        <translation>Quelle partie ?</translation>
    </message>
    <message>
        <source>Computer pace</source>
        <translation>Vitesse de jeu</translation>
    </message>
    <message>
        <source>Three columns</source>
        <translation>Trois colonnes</translation>
    </message>
    <message>
        <source>scored x1, x2, x3</source>
        <translation>comptées x1, x2, x3</translation>
    </message>
    <message>
        <source>One column</source>
        <translation>Une colonne</translation>
    </message>
    <message>
        <source>a single card</source>
        <translation>une seule grille</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Score</translation>
    </message>
    <message>
        <source>Three-Column Game</source>
        <translation>Partie à trois colonnes</translation>
    </message>
    <message>
        <source>One-Column Game</source>
        <translation>Partie à une colonne</translation>
    </message>
    <message>
        <source>Game over</source>
        <translation>Fin de partie</translation>
    </message>
    <message>
        <source>A new high score!</source>
        <translation>Un nouveau record !</translation>
    </message>
    <message>
        <source>SCORE!</source>
        <translation>RECORD</translation>
    </message>
    <message>
        <source>HIGH</source>
        <translation>BRAVO</translation>
    </message>
    <message>
        <source>Score Card</source>
        <translation>Grille de score</translation>
    </message>
    <message>
        <source>Instant</source>
        <translation>Instantané</translation>
    </message>
</context>
<context>
    <name>Results</name>
    <message>
        <source>Game 1 Total</source>
        <translation>Total partie 1</translation>
    </message>
    <message>
        <source>Chips (x-100)</source>
        <translation>Jetons (x-100)</translation>
    </message>
    <message>
        <source>Game 2 Total (x-2)</source>
        <translation>Total partie 2 (x-2)</translation>
    </message>
    <message>
        <source>Chips (x-200)</source>
        <translation>Jetons (x-200)</translation>
    </message>
    <message>
        <source>Game 3 Total (x-3)</source>
        <translation>Total partie 3 (x-3)</translation>
    </message>
    <message>
        <source>Chips (x-300)</source>
        <translation>Jetons (x-300)</translation>
    </message>
    <message>
        <source>Grand Total</source>
        <translation>Total général</translation>
    </message>
    <message>
        <source>Game Over</source>
        <translation>Fin de partie</translation>
    </message>
    <message>
        <source>player %1</source>
        <translation>joueur %1</translation>
    </message>
    <message>
        <source>Click On Names To See Scorecard</source>
        <translation>Cliquez sur un nom pour voir sa grille</translation>
    </message>
    <message>
        <source>Or Tab to a name and press Enter</source>
        <translation>Ou Tab jusqu’à un nom puis Entrée</translation>
    </message>
    <message>
        <source>A new high score!</source>
        <translation>Un nouveau record !</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fini</translation>
    </message>
    <message>
        <source>On to the high scores (Enter or Escape)</source>
        <translation>Vers les records (Entrée ou Échap)</translation>
    </message>
    <message>
        <source>Review</source>
        <translation>Analyse</translation>
    </message>
    <message>
        <source>How far each decision was from best play, and the luck of the dice</source>
        <translation>L’écart de chaque décision avec le meilleur jeu, et la chance aux dés</translation>
    </message>
    <message>
        <source>The Winner is:  </source>
        <translation>Le gagnant est :  </translation>
    </message>
    <message>
        <source>Player %1, computer, %2: press Enter to see the score card</source>
        <translation>Joueur %1, ordinateur, %2 : appuyez sur Entrée pour voir la grille</translation>
    </message>
    <message>
        <source>Player %1: press Enter to see the score card</source>
        <translation>Joueur %1 : appuyez sur Entrée pour voir la grille</translation>
    </message>
    <message>
        <source>computer, %1</source>
        <translation>ordinateur, %1</translation>
    </message>
    <message>
        <source>%1: computer, %2</source>
        <translation>%1 : ordinateur, %2</translation>
    </message>
    <message>
        <source>%1&apos;s score card (Enter)</source>
        <translation>Grille de %1 (Entrée)</translation>
    </message>
    <message>
        <source>Best play averages %1 points a game: your %2 is %3 %4 it.</source>
        <translation>Le meilleur jeu fait en moyenne %1 points par partie : vos %2 points sont %3 %4.</translation>
    </message>
    <message>
        <source>below</source>
        <translation>en dessous</translation>
    </message>
    <message>
        <source>above</source>
        <translation>au-dessus</translation>
    </message>
</context>
<context>
    <name>Resume</name>
    <message>
        <source> and </source>
        <translation> et </translation>
    </message>
    <message>
        <source>Continue the game of %1?</source>
        <translation>Continuer la partie de %1 ?</translation>
    </message>
    <message>
        <source>Cancel keeps it for the next start.</source>
        <translation>Annuler : gardée pour plus tard.</translation>
    </message>
    <message>
        <source>Cancel (Escape): keep the game for later</source>
        <translation>Annuler (Échap) : garder la partie pour plus tard</translation>
    </message>
</context>
<context>
    <name>Review</name>
    <message>
        <source>Game Review</source>
        <translation>Analyse de la partie</translation>
    </message>
    <message>
        <source>Review of</source>
        <translation>Analyse de</translation>
    </message>
    <message>
        <source>Decisions, most costly first</source>
        <translation>Décisions, les plus coûteuses d’abord</translation>
    </message>
    <message>
        <source>Turn</source>
        <translation>Tour</translation>
    </message>
    <message>
        <source>Roll</source>
        <translation>Lancer</translation>
    </message>
    <message>
        <source>Dice</source>
        <translation>Dés</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Votre coup</translation>
    </message>
    <message>
        <source>Best play</source>
        <translation>Meilleur coup</translation>
    </message>
    <message>
        <source>Cost</source>
        <translation>Coût</translation>
    </message>
    <message>
        <source>Back (Enter or Escape)</source>
        <translation>Retour (Entrée ou Échap)</translation>
    </message>
    <message>
        <source>The position</source>
        <translation>La position</translation>
    </message>
    <message>
        <source>. Dice: </source>
        <translation>. Dés : </translation>
    </message>
    <message>
        <source>Select a decision
to see its position</source>
        <translation>Choisissez une décision
pour voir sa position</translation>
    </message>
    <message>
        <source>Turn %1, roll %2</source>
        <translation>Tour %1, lancer %2</translation>
    </message>
    <message>
        <source>Bonus (63)</source>
        <translation>Bonus (63)</translation>
    </message>
    <message>
        <source>red: your choice</source>
        <translation>rouge : votre choix</translation>
    </message>
    <message>
        <source>green: best play</source>
        <translation>vert : meilleur coup</translation>
    </message>
    <message>
        <source>The game&apos;s course</source>
        <translation>Le cours de la partie</translation>
    </message>
    <message>
        <source>estimated </source>
        <translation>environ </translation>
    </message>
    <message>
        <source>Start: %1expected %2.</source>
        <translation>Départ : attendu %1%2.</translation>
    </message>
    <message>
        <source>Turn %1: %2expected %3, banked %4, cost %5.</source>
        <translation>Tour %1 : attendu %2%3, acquis %4, coût %5.</translation>
    </message>
    <message>
        <source>turn</source>
        <translation>tour</translation>
    </message>
    <message>
        <source>expected with best play</source>
        <translation>attendu avec le meilleur jeu</translation>
    </message>
    <message>
        <source>banked</source>
        <translation>acquis</translation>
    </message>
    <message>
        <source>costliest turns</source>
        <translation>tours les plus coûteux</translation>
    </message>
    <message>
        <source>rolls all five</source>
        <translation>relancer les cinq</translation>
    </message>
    <message>
        <source>rolled all five</source>
        <translation>relancé les cinq</translation>
    </message>
    <message>
        <source>keeps </source>
        <translation>garder </translation>
    </message>
    <message>
        <source>kept </source>
        <translation>gardé </translation>
    </message>
    <message>
        <source>enters </source>
        <translation>inscrire </translation>
    </message>
    <message>
        <source>entered </source>
        <translation>inscrit </translation>
    </message>
    <message>
        <source>Pentaro box %1</source>
        <translation>case Pentaro %1</translation>
    </message>
    <message>
        <source> in Game %1</source>
        <translation> dans la partie %1</translation>
    </message>
    <message>
        <source>No review of this game: %1</source>
        <translation>Pas d’analyse de cette partie : %1</translation>
    </message>
    <message>
        <source>an estimated </source>
        <translation>environ </translation>
    </message>
    <message>
        <source>Best play from the start expects %1%2. Your decisions cost %1%3 points and the dice gave you %1%4: %5.</source>
        <translation>Le meilleur jeu attend dès le départ %1%2. Vos décisions ont coûté %1%3 points et les dés vous ont donné %1%4 : %5.</translation>
    </message>
    <message>
        <source>the same</source>
        <translation>le même</translation>
    </message>
    <message>
        <source>best play too</source>
        <translation>meilleur coup aussi</translation>
    </message>
    <message>
        <source>best </source>
        <translation>meilleur coup : </translation>
    </message>
    <message>
        <source>Turn %1, roll %2: %3 %4 %5 (%6)</source>
        <translation>Tour %1, lancer %2 : %3 %4 %5 (%6)</translation>
    </message>
    <message>
        <source> + a chip</source>
        <translation> + un jeton</translation>
    </message>
    <message>
        <source> + the 35 bonus</source>
        <translation> + le bonus de 35</translation>
    </message>
</context>
<context>
    <name>Rules</name>
    <message>
        <source>Roll the dice first.</source>
        <translation>Lancez d’abord les dés.</translation>
    </message>
    <message>
        <source>That box is filled.</source>
        <translation>Cette case est remplie.</translation>
    </message>
    <message>
        <source>Game 2 is not played in a one-column game.</source>
        <translation>La partie 2 ne se joue pas dans une partie à une colonne.</translation>
    </message>
    <message>
        <source>Game 3 is not played in a one-column game.</source>
        <translation>La partie 3 ne se joue pas dans une partie à une colonne.</translation>
    </message>
    <message>
        <source>Wait for the next player.</source>
        <translation>Attendez le joueur suivant.</translation>
    </message>
    <message>
        <source>Start a game with New Game.</source>
        <translation>Commencez une partie avec Nouveau jeu.</translation>
    </message>
    <message>
        <source>Press New Game to start.</source>
        <translation>Appuyez sur Nouveau jeu pour commencer.</translation>
    </message>
</context>
<context>
    <name>ScoreCard</name>
    <message>
        <source>Score Card</source>
        <translation>Grille de score</translation>
    </message>
    <message>
        <source>Game %1, Pentaro box %2</source>
        <translation>Partie %1, case Pentaro %2</translation>
    </message>
    <message>
        <source>Pentaro Chips:</source>
        <translation>Jetons :</translation>
    </message>
    <message>
        <source>Chip, Game %1</source>
        <translation>Jeton, partie %1</translation>
    </message>
    <message>
        <source>Chips, Game %1</source>
        <translation>Jetons, partie %1</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fini</translation>
    </message>
    <message>
        <source>Back to the results (Enter or Escape)</source>
        <translation>Retour aux résultats (Entrée ou Échap)</translation>
    </message>
    <message>
        <source>Review</source>
        <translation>Analyse</translation>
    </message>
    <message>
        <source>How far each decision was from best play, and the luck of the dice</source>
        <translation>L’écart de chaque décision avec le meilleur jeu, et la chance aux dés</translation>
    </message>
    <message>
        <source>shown</source>
        <translation>affiché</translation>
    </message>
</context>
<context>
    <name>Seats</name>
    <message>
        <source>Person</source>
        <translation>Humain</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>Facile</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Moyen</translation>
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
        <translation>Accueil</translation>
    </message>
    <message>
        <source>&quot;Iron sharpens iron, so
one man sharpens another.&quot;</source>
        <translation>« Le fer aiguise le fer,
un homme en aiguise un autre. »</translation>
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
        <translation>Real Pentaro ne peut pas démarrer : des images manquent ou sont abîmées.

%1

Cherchées dans : %2</translation>
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
        <translation>Son activé</translation>
    </message>
    <message>
        <source>Sound Off</source>
        <translation>Son coupé</translation>
    </message>
    <message>
        <source>Rolls</source>
        <translation>Lancers</translation>
    </message>
    <message>
        <source>No sound device found</source>
        <translation>Aucun périphérique audio trouvé</translation>
    </message>
    <message>
        <source>shown</source>
        <translation>affiché</translation>
    </message>
    <message>
        <source>Die %1</source>
        <translation>Dé %1</translation>
    </message>
    <message>
        <source>, kept</source>
        <translation>, gardé</translation>
    </message>
    <message>
        <source>Rolls: %1</source>
        <translation>Lancers : %1</translation>
    </message>
    <message>
        <source>%1 enters %2 in %3, Game %4</source>
        <translation>%1 inscrit %2 en %3, partie %4</translation>
    </message>
    <message>
        <source>%1 enters %2 in Pentaro box %3, Game %4</source>
        <translation>%1 inscrit %2 dans la case Pentaro %3, partie %4</translation>
    </message>
    <message>
        <source>Roll %1: %2</source>
        <translation>Lancer %1 : %2</translation>
    </message>
    <message>
        <source>%1 rolls %2</source>
        <translation>%1 lance %2</translation>
    </message>
    <message>
        <source>. Pentaro!</source>
        <translation>. Pentaro !</translation>
    </message>
    <message>
        <source>%1 to play</source>
        <translation>À %1 de jouer</translation>
    </message>
    <message>
        <source>Proverbs 27:17</source>
        <translation>Proverbes 27:17</translation>
    </message>
    <message>
        <source>Game 1</source>
        <translation>Partie 1</translation>
    </message>
    <message>
        <source>Game 2</source>
        <translation>Partie 2</translation>
    </message>
    <message>
        <source>Game 3</source>
        <translation>Partie 3</translation>
    </message>
    <message>
        <source>Game %1, Pentaro box %2</source>
        <translation>Partie %1, case Pentaro %2</translation>
    </message>
    <message>
        <source>Pentaro Chips:</source>
        <translation>Jetons :</translation>
    </message>
    <message>
        <source>Chip, Game %1</source>
        <translation>Jeton, partie %1</translation>
    </message>
    <message>
        <source>%1 (key %2)</source>
        <translation>%1 (touche %2)</translation>
    </message>
    <message>
        <source>Click to put back</source>
        <translation>Cliquez pour remettre</translation>
    </message>
    <message>
        <source>Click to keep</source>
        <translation>Cliquez pour garder</translation>
    </message>
    <message>
        <source>Roll</source>
        <translation>Lancer</translation>
    </message>
    <message>
        <source>Click to roll dice (Enter)</source>
        <translation>Cliquez pour lancer les dés (Entrée)</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Nouveau jeu</translation>
    </message>
    <message>
        <source>Click to begin new game (N)</source>
        <translation>Cliquez pour une nouvelle partie (N)</translation>
    </message>
    <message>
        <source>High Scores</source>
        <translation>Records</translation>
    </message>
    <message>
        <source>Click to show high scores (S)</source>
        <translation>Cliquez pour voir les records (S)</translation>
    </message>
    <message>
        <source>Enable/Disable Sound (M)</source>
        <translation>Activer/couper le son (M)</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>Click for help (F1)</source>
        <translation>Cliquez pour l’aide (F1)</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Conseil</translation>
    </message>
    <message>
        <source>Click for the best move (H)</source>
        <translation>Cliquez pour le meilleur coup (H)</translation>
    </message>
    <message>
        <source>Exit The Program</source>
        <translation>Quitter le jeu</translation>
    </message>
    <message>
        <source>Exit The Program (Ctrl+Q)</source>
        <translation>Quitter le jeu (Ctrl+Q)</translation>
    </message>
    <message>
        <source>Next player</source>
        <translation>Joueur suivant</translation>
    </message>
    <message>
        <source>The computer cannot play: %1</source>
        <translation>L’ordinateur ne peut pas jouer : %1</translation>
    </message>
    <message>
        <source>%1 keeps %2</source>
        <translation>%1 garde %2</translation>
    </message>
    <message>
        <source> and </source>
        <translation> et </translation>
    </message>
    <message>
        <source>Roll the dice.</source>
        <translation>Lancez les dés.</translation>
    </message>
    <message>
        <source>Roll all five dice.</source>
        <translation>Relancez les cinq dés.</translation>
    </message>
    <message>
        <source>Keep %1 (%2 %3), roll the rest.</source>
        <translation>Gardez %1 (%2 %3), relancez le reste.</translation>
    </message>
    <message>
        <source>die</source>
        <translation>dé</translation>
    </message>
    <message>
        <source>dice</source>
        <translation>dés</translation>
    </message>
    <message>
        <source>Pentaro box %1</source>
        <translation>case Pentaro %1</translation>
    </message>
    <message>
        <source>Take Game %1, %2: %3 points.</source>
        <translation>Inscrivez dans la partie %1, %2 : %3 points.</translation>
    </message>
    <message>
        <source>With best play: %1 expected.</source>
        <translation>Avec le meilleur jeu : %1 attendus.</translation>
    </message>
    <message>
        <source>Estimate: about %1 (heuristic).</source>
        <translation>Estimation : environ %1 (heuristique).</translation>
    </message>
    <message>
        <source>The hint is off: %1</source>
        <translation>Le conseil n’est pas disponible : %1</translation>
    </message>
    <message>
        <source> Hints keep this game out of the high scores.</source>
        <translation> Les conseils excluent cette partie des records.</translation>
    </message>
    <message>
        <source>Game %1, %2</source>
        <translation>Partie %1, %2</translation>
    </message>
    <message>
        <source>would score </source>
        <translation>rapporterait </translation>
    </message>
    <message>
        <source>not played</source>
        <translation>pas jouée</translation>
    </message>
    <message>
        <source>suggested</source>
        <translation>suggérée</translation>
    </message>
    <message>
        <source>Previews on</source>
        <translation>Aperçus activés</translation>
    </message>
    <message>
        <source>Previews off</source>
        <translation>Aperçus désactivés</translation>
    </message>
    <message>
        <source>Show this card (Ctrl+%1)</source>
        <translation>Afficher cette grille (Ctrl+%1)</translation>
    </message>
    <message>
        <source>on turn</source>
        <translation>au tour</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>État</translation>
    </message>
    <message>
        <source>↶ Undo</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Take back the last entry (Ctrl+Z)</source>
        <translation>Reprendre la dernière inscription (Ctrl+Z)</translation>
    </message>
    <message>
        <source>Entry taken back</source>
        <translation>Inscription reprise</translation>
    </message>
    <message>
        <source>Smaller (Ctrl+Minus)</source>
        <translation>Plus petit (Ctrl+Moins)</translation>
    </message>
    <message>
        <source>Zoom; back to 100 % (Ctrl+0)</source>
        <translation>Zoom ; retour à 100 % (Ctrl+0)</translation>
    </message>
    <message>
        <source>Larger (Ctrl+Plus)</source>
        <translation>Plus grand (Ctrl+Plus)</translation>
    </message>
    <message>
        <source>Smaller</source>
        <translation>Plus petit</translation>
    </message>
    <message>
        <source>Larger</source>
        <translation>Plus grand</translation>
    </message>
    <message>
        <source>Zoom %1 %</source>
        <translation>Zoom %1 %</translation>
    </message>
    <message>
        <source>bonus won</source>
        <translation>bonus gagné</translation>
    </message>
    <message>
        <source>upper bonus won</source>
        <translation>bonus du haut gagné</translation>
    </message>
    <message>
        <source>bonus lost</source>
        <translation>bonus perdu</translation>
    </message>
    <message>
        <source>upper bonus out of reach</source>
        <translation>bonus du haut hors de portée</translation>
    </message>
    <message>
        <source>%1 of 63</source>
        <translation>%1 sur 63</translation>
    </message>
    <message>
        <source>%1 of 63 toward the upper bonus</source>
        <translation>%1 sur 63 vers le bonus du haut</translation>
    </message>
    <message>
        <source>You have rolled since.</source>
        <translation>Vous avez relancé depuis.</translation>
    </message>
    <message>
        <source>Nothing to take back.</source>
        <translation>Rien à reprendre.</translation>
    </message>
</context>
</TS>
