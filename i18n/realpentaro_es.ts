<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>Advisor</name>
    <message>
        <source>No turn to advise on.</source>
        <translation>No hay ningún turno que aconsejar.</translation>
    </message>
    <message>
        <source>the solved game is not at hand.</source>
        <translation>la solución del juego no está disponible.</translation>
    </message>
    <message>
        <source>The dice are still rolling.</source>
        <translation>Los dados todavía están rodando.</translation>
    </message>
    <message>
        <source>This card is complete.</source>
        <translation>Esta hoja está completa.</translation>
    </message>
    <message>
        <source>Not every move of this game was seen.</source>
        <translation>No se vieron todas las jugadas de esta partida.</translation>
    </message>
    <message>
        <source>A move of this game is one the advisor does not know.</source>
        <translation>Una jugada de esta partida es desconocida para el consejero.</translation>
    </message>
</context>
<context>
    <name>Card</name>
    <message>
        <source>Ones</source>
        <translation>Unos</translation>
    </message>
    <message>
        <source>Twos</source>
        <translation>Doses</translation>
    </message>
    <message>
        <source>Threes</source>
        <translation>Treses</translation>
    </message>
    <message>
        <source>Fours</source>
        <translation>Cuatros</translation>
    </message>
    <message>
        <source>Fives</source>
        <translation>Cincos</translation>
    </message>
    <message>
        <source>Sixes</source>
        <translation>Seises</translation>
    </message>
    <message>
        <source>Sub Total</source>
        <translation>Subtotal</translation>
    </message>
    <message>
        <source>Bonus (if 63)  35pts</source>
        <translation>Bono (si 63)  35pts</translation>
    </message>
    <message>
        <source>Upper Total</source>
        <translation>Total sup.</translation>
    </message>
    <message>
        <source>3 of a kind</source>
        <translation>Trío</translation>
    </message>
    <message>
        <source>4 of a kind</source>
        <translation>Póker</translation>
    </message>
    <message>
        <source>Full House</source>
        <translation>Full</translation>
    </message>
    <message>
        <source>Small Straight</source>
        <translation>Esc. menor</translation>
    </message>
    <message>
        <source>Large Straight</source>
        <translation>Esc. mayor</translation>
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
        <translation>Total inf.</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Puntos</translation>
    </message>
    <message>
        <source> (row %1)</source>
        <translation> (fila %1)</translation>
    </message>
    <message>
        <source>Game %1, %2</source>
        <translation>Juego %1, %2</translation>
    </message>
</context>
<context>
    <name>Celebration</name>
    <message>
        <source>Pentaro!</source>
        <translation>¡Pentaro!</translation>
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
        <translation>Confirmar</translation>
    </message>
    <message>
        <source>Confirm (Space or Enter)</source>
        <translation>Confirmar (Espacio o Intro)</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Cancel (Escape)</source>
        <translation>Cancelar (Esc)</translation>
    </message>
</context>
<context>
    <name>Controls</name>
    <message>
        <source>checked</source>
        <translation>marcado</translation>
    </message>
    <message>
        <source>unchecked</source>
        <translation>sin marcar</translation>
    </message>
</context>
<context>
    <name>Goodbye</name>
    <message>
        <source>Goodbye</source>
        <translation>Adiós</translation>
    </message>
    <message>
        <source>&quot;Even a fool, when he keeps
silent, is considered wise.&quot;</source>
        <translation>«Aun el necio, cuando calla,
es contado por sabio.»</translation>
    </message>
</context>
<context>
    <name>Help</name>
    <message>
        <source>Real Pentaro Help</source>
        <translation>Ayuda de Real Pentaro</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Listo</translation>
    </message>
    <message>
        <source>Back to the game (Escape)</source>
        <translation>Volver al juego (Esc)</translation>
    </message>
    <message>
        <source>&lt;h1&gt;Real Pentaro Help&lt;/h1&gt;&lt;p&gt;The help file cannot be read: %1&lt;/p&gt;</source>
        <translation>&lt;h1&gt;Ayuda de Real Pentaro&lt;/h1&gt;&lt;p&gt;No se puede leer el archivo de ayuda: %1&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Real Pentaro, version %1</source>
        <translation>Real Pentaro, versión %1</translation>
    </message>
</context>
<context>
    <name>HighScores</name>
    <message>
        <source>High Scores</source>
        <translation>Récords</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Borrar</translation>
    </message>
    <message>
        <source>Reset the high scores (Space)</source>
        <translation>Borrar los récords (Espacio)</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Listo</translation>
    </message>
    <message>
        <source>Back to the table (Enter or Escape)</source>
        <translation>Volver a la mesa (Intro o Esc)</translation>
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
        <translation>Primero debes usar<byte value="xd"/>
una casilla<byte value="xd"/>
Pentaro</translation>
    </message>
    <message>
        <source>One Pentaro in each<byte value="xd"/>
column must be<byte value="xd"/>
used first.</source>
        <translation>Primero hay que usar<byte value="xd"/>
un Pentaro en<byte value="xd"/>
cada columna.</translation>
    </message>
    <message>
        <source>Wildcard denied:<byte value="xd"/>
Upper section<byte value="xd"/>
number not used</source>
        <translation>Comodín denegado:<byte value="xd"/>
el número de arriba<byte value="xd"/>
no está usado</translation>
    </message>
    <message>
        <source>Wildcard denied:<byte value="xd"/>
All like numbers not<byte value="xd"/>
used in upper section</source>
        <translation>Comodín denegado:<byte value="xd"/>
no están usados todos<byte value="xd"/>
los números de arriba</translation>
    </message>
    <message>
        <source>The language setting<byte value="xd"/>
is unknown: the<byte value="xd"/>
desktop&apos;s is used.</source>
        <translation>El idioma elegido<byte value="xd"/>
es desconocido: se usa<byte value="xd"/>
el del escritorio.</translation>
    </message>
    <message>
        <source>The Current Game<byte value="xd"/>
Will Be Lost</source>
        <translation>La partida actual<byte value="xd"/>
se perderá</translation>
    </message>
    <message>
        <source>You Are About To<byte value="xd"/>
Reset The High Scores</source>
        <translation>Estás a punto de<byte value="xd"/>
borrar los récords</translation>
    </message>
    <message>
        <source>Some settings could not be read: defaults are used.</source>
        <translation>Algunos ajustes no se pudieron leer: se usan los valores predeterminados.</translation>
    </message>
    <message>
        <source>Settings cannot be saved.</source>
        <translation>No se pueden guardar los ajustes.</translation>
    </message>
    <message>
        <source>Settings cannot be read or saved: defaults are used.</source>
        <translation>No se pueden leer ni guardar los ajustes: se usan los valores predeterminados.</translation>
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
        <translation>Ordenador, fácil</translation>
    </message>
    <message>
        <source>Computer, Medium</source>
        <translation>Ordenador, medio</translation>
    </message>
    <message>
        <source>Computer, Hard</source>
        <translation>Ordenador, difícil</translation>
    </message>
    <message>
        <source>Slow</source>
        <translation>Lento</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Fast</source>
        <translation>Rápido</translation>
    </message>
    <message>
        <source>Player %1</source>
        <translation>Jugador %1</translation>
    </message>
    <message>
        <source>Language: as the desktop (%1)</source>
        <translation>Idioma: el del escritorio (%1)</translation>
    </message>
    <message>
        <source>Language: %1</source>
        <translation>Idioma: %1</translation>
    </message>
    <message>
        <source>The game&apos;s language: press to change (Space)</source>
        <translation>El idioma del juego: pulsa para cambiarlo (Espacio)</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Nuevo juego</translation>
    </message>
    <message numerus="yes">
        <source>%n player(s)</source>
        <translation>
            <numerusform>%n jugador</numerusform>
            <numerusform>%n jugadores</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 (Space)</source>
        <translation>%1 (Espacio)</translation>
    </message>
    <message>
        <source>Name of player %1</source>
        <translation>Nombre del jugador %1</translation>
    </message>
    <message>
        <source>Who plays this seat: press to change (Space)</source>
        <translation>Quién juega en este puesto: pulsa para cambiarlo (Espacio)</translation>
    </message>
    <message>
        <source>Three columns</source>
        <translation>Tres columnas</translation>
    </message>
    <message>
        <source>One column</source>
        <translation>Una columna</translation>
    </message>
    <message>
        <source>How fast the computer plays: press to change (Space)</source>
        <translation>Lo rápido que juega el ordenador: pulsa para cambiarlo (Espacio)</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Listo</translation>
    </message>
    <message>
        <source>Start the game (Enter)</source>
        <translation>Empezar la partida (Intro)</translation>
    </message>
    <message>
        <source>Player %1: %2</source>
        <translation>Jugador %1: %2</translation>
    </message>
    <message>
        <source>Computer pace: %1</source>
        <translation>Ritmo del ordenador: %1</translation>
    </message>
    <message>
        <source>Instant</source>
        <translation>Instantáneo</translation>
    </message>
</context>
<context>
    <name>Pictures</name>
    <message>
        <source>KEPT</source>
        <translation>APARTE</translation>
    </message>
    <message>
        <source>ROLL</source>
        <translation>TIRAR</translation>
    </message>
    <message>
        <source>Next Player</source>
        <translation>Siguiente</translation>
    </message>
    <message>
        <source>Person</source>
        <translation>Persona</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>Fácil</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Medio</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Difícil</translation>
    </message>
    <message>
        <source>Slow</source>
        <translation>Lento</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Fast</source>
        <translation>Rápido</translation>
    </message>
    <message>
        <source>Roll</source>
        <translation>Tirar</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Nuevo juego</translation>
    </message>
    <message>
        <source>High Scores</source>
        <translation>Récords</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Confirmar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Listo</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Pista</translation>
    </message>
    <message>
        <source>Review</source>
        <translation>Análisis</translation>
    </message>
    <message>
        <source>Sound On</source>
        <translation>Sonido sí</translation>
    </message>
    <message>
        <source>Sound Off</source>
        <translation>Sonido no</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Sonido</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Borrar</translation>
    </message>
    <message>
        <source>five dice  •  one card  •  up to four players</source>
        <translation>cinco dados  •  una hoja  •  hasta cuatro jugadores</translation>
    </message>
    <message>
        <source>Who is playing?</source>
        <translation>¿Quién juega?</translation>
    </message>
    <message>
        <source>Played by</source>
        <translation>Jugado por</translation>
    </message>
    <message>
        <source>Which game?</source>
        <translation>¿Qué partida?</translation>
    </message>
    <message>
        <source>Computer pace</source>
        <translation>Ritmo del ordenador</translation>
    </message>
    <message>
        <source>Three columns</source>
        <translation>Tres columnas</translation>
    </message>
    <message>
        <source>scored x1, x2, x3</source>
        <translation>puntúan x1, x2, x3</translation>
    </message>
    <message>
        <source>One column</source>
        <translation>Una columna</translation>
    </message>
    <message>
        <source>a single card</source>
        <translation>una sola hoja</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Puntos</translation>
    </message>
    <message>
        <source>Three-Column Game</source>
        <translation>Partida de tres columnas</translation>
    </message>
    <message>
        <source>One-Column Game</source>
        <translation>Partida de una columna</translation>
    </message>
    <message>
        <source>Game over</source>
        <translation>Fin de partida</translation>
    </message>
    <message>
        <source>A new high score!</source>
        <translation>¡Un nuevo récord!</translation>
    </message>
    <message>
        <source>SCORE!</source>
        <translation>RÉCORD</translation>
    </message>
    <message>
        <source>HIGH</source>
        <translation>NUEVO</translation>
    </message>
    <message>
        <source>Score Card</source>
        <translation>Hoja de puntos</translation>
    </message>
    <message>
        <source>Instant</source>
        <translation>Instantáneo</translation>
    </message>
</context>
<context>
    <name>Results</name>
    <message>
        <source>Game 1 Total</source>
        <translation>Total juego 1</translation>
    </message>
    <message>
        <source>Chips (x-100)</source>
        <translation>Fichas (x-100)</translation>
    </message>
    <message>
        <source>Game 2 Total (x-2)</source>
        <translation>Total juego 2 (x-2)</translation>
    </message>
    <message>
        <source>Chips (x-200)</source>
        <translation>Fichas (x-200)</translation>
    </message>
    <message>
        <source>Game 3 Total (x-3)</source>
        <translation>Total juego 3 (x-3)</translation>
    </message>
    <message>
        <source>Chips (x-300)</source>
        <translation>Fichas (x-300)</translation>
    </message>
    <message>
        <source>Grand Total</source>
        <translation>Total general</translation>
    </message>
    <message>
        <source>Game Over</source>
        <translation>Fin de partida</translation>
    </message>
    <message>
        <source>player %1</source>
        <translation>jugador %1</translation>
    </message>
    <message>
        <source>Click On Names To See Scorecard</source>
        <translation>Haz clic en un nombre para ver su hoja</translation>
    </message>
    <message>
        <source>Or Tab to a name and press Enter</source>
        <translation>O ve con Tab a un nombre y pulsa Intro</translation>
    </message>
    <message>
        <source>A new high score!</source>
        <translation>¡Un nuevo récord!</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Listo</translation>
    </message>
    <message>
        <source>On to the high scores (Enter or Escape)</source>
        <translation>A los récords (Intro o Esc)</translation>
    </message>
    <message>
        <source>Review</source>
        <translation>Análisis</translation>
    </message>
    <message>
        <source>How far each decision was from best play, and the luck of the dice</source>
        <translation>Cuánto se alejó cada decisión de la mejor jugada, y la suerte de los dados</translation>
    </message>
    <message>
        <source>The Winner is:  </source>
        <translation>El ganador es:  </translation>
    </message>
    <message>
        <source>Player %1, computer, %2: press Enter to see the score card</source>
        <translation>Jugador %1, ordenador, %2: pulsa Intro para ver la hoja de puntos</translation>
    </message>
    <message>
        <source>Player %1: press Enter to see the score card</source>
        <translation>Jugador %1: pulsa Intro para ver la hoja de puntos</translation>
    </message>
    <message>
        <source>computer, %1</source>
        <translation>ordenador, %1</translation>
    </message>
    <message>
        <source>%1: computer, %2</source>
        <translation>%1: ordenador, %2</translation>
    </message>
    <message>
        <source>%1&apos;s score card (Enter)</source>
        <translation>Hoja de puntos de %1 (Intro)</translation>
    </message>
    <message>
        <source>Best play averages %1 points a game: your %2 is %3 %4 it.</source>
        <translation>La mejor jugada promedia %1 puntos por partida: tus %2 puntos quedan %3 %4.</translation>
    </message>
    <message>
        <source>below</source>
        <translation>por debajo</translation>
    </message>
    <message>
        <source>above</source>
        <translation>por encima</translation>
    </message>
</context>
<context>
    <name>Resume</name>
    <message>
        <source> and </source>
        <translation> y </translation>
    </message>
    <message>
        <source>Continue the game of %1?</source>
        <translation>¿Continuar la partida de %1?</translation>
    </message>
    <message>
        <source>Cancel keeps it for the next start.</source>
        <translation>Cancelar: se guarda para más tarde.</translation>
    </message>
    <message>
        <source>Cancel (Escape): keep the game for later</source>
        <translation>Cancelar (Esc): guardar la partida para más tarde</translation>
    </message>
</context>
<context>
    <name>Review</name>
    <message>
        <source>Game Review</source>
        <translation>Análisis de la partida</translation>
    </message>
    <message>
        <source>Review of</source>
        <translation>Análisis de</translation>
    </message>
    <message>
        <source>Decisions, most costly first</source>
        <translation>Decisiones, las más costosas primero</translation>
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
        <translation>Dados</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Tu jugada</translation>
    </message>
    <message>
        <source>Best play</source>
        <translation>Mejor jugada</translation>
    </message>
    <message>
        <source>Cost</source>
        <translation>Coste</translation>
    </message>
    <message>
        <source>Back (Enter or Escape)</source>
        <translation>Volver (Intro o Esc)</translation>
    </message>
    <message>
        <source>The position</source>
        <translation>La posición</translation>
    </message>
    <message>
        <source>. Dice: </source>
        <translation>. Dados: </translation>
    </message>
    <message>
        <source>Select a decision
to see its position</source>
        <translation>Elige una decisión
para ver su posición</translation>
    </message>
    <message>
        <source>Turn %1, roll %2</source>
        <translation>Turno %1, tiro %2</translation>
    </message>
    <message>
        <source>Bonus (63)</source>
        <translation>Bono (63)</translation>
    </message>
    <message>
        <source>red: your choice</source>
        <translation>rojo: tu elección</translation>
    </message>
    <message>
        <source>green: best play</source>
        <translation>verde: mejor jugada</translation>
    </message>
    <message>
        <source>The game&apos;s course</source>
        <translation>El curso de la partida</translation>
    </message>
    <message>
        <source>estimated </source>
        <translation>unos </translation>
    </message>
    <message>
        <source>Start: %1expected %2.</source>
        <translation>Inicio: %1%2 esperados.</translation>
    </message>
    <message>
        <source>Turn %1: %2expected %3, banked %4, cost %5.</source>
        <translation>Turno %1: %2%3 esperados, %4 anotados, coste %5.</translation>
    </message>
    <message>
        <source>turn</source>
        <translation>turno</translation>
    </message>
    <message>
        <source>expected with best play</source>
        <translation>esperado con la mejor jugada</translation>
    </message>
    <message>
        <source>banked</source>
        <translation>anotado</translation>
    </message>
    <message>
        <source>costliest turns</source>
        <translation>turnos más costosos</translation>
    </message>
    <message>
        <source>rolls all five</source>
        <translation>tirar los cinco</translation>
    </message>
    <message>
        <source>rolled all five</source>
        <translation>tiraste los cinco</translation>
    </message>
    <message>
        <source>keeps </source>
        <translation>apartar </translation>
    </message>
    <message>
        <source>kept </source>
        <translation>apartaste </translation>
    </message>
    <message>
        <source>enters </source>
        <translation>anotar </translation>
    </message>
    <message>
        <source>entered </source>
        <translation>anotaste </translation>
    </message>
    <message>
        <source>Pentaro box %1</source>
        <translation>casilla Pentaro %1</translation>
    </message>
    <message>
        <source> in Game %1</source>
        <translation> en el juego %1</translation>
    </message>
    <message>
        <source>No review of this game: %1</source>
        <translation>No hay análisis de esta partida: %1</translation>
    </message>
    <message>
        <source>an estimated </source>
        <translation>unos </translation>
    </message>
    <message>
        <source>Best play from the start expects %1%2. Your decisions cost %1%3 points and the dice gave you %1%4: %5.</source>
        <translation>La mejor jugada espera desde el inicio %1%2. Tus decisiones costaron %1%3 puntos y los dados te dieron %1%4: %5.</translation>
    </message>
    <message>
        <source>the same</source>
        <translation>lo mismo</translation>
    </message>
    <message>
        <source>best play too</source>
        <translation>también la mejor jugada</translation>
    </message>
    <message>
        <source>best </source>
        <translation>lo mejor: </translation>
    </message>
    <message>
        <source>Turn %1, roll %2: %3 %4 %5 (%6)</source>
        <translation>Turno %1, tiro %2: %3 %4 %5 (%6)</translation>
    </message>
    <message>
        <source> + a chip</source>
        <translation> + una ficha</translation>
    </message>
    <message>
        <source> + the 35 bonus</source>
        <translation> + el bono de 35</translation>
    </message>
</context>
<context>
    <name>Rules</name>
    <message>
        <source>Roll the dice first.</source>
        <translation>Primero tira los dados.</translation>
    </message>
    <message>
        <source>That box is filled.</source>
        <translation>Esa casilla ya está llena.</translation>
    </message>
    <message>
        <source>Game 2 is not played in a one-column game.</source>
        <translation>El juego 2 no se juega en una partida de una columna.</translation>
    </message>
    <message>
        <source>Game 3 is not played in a one-column game.</source>
        <translation>El juego 3 no se juega en una partida de una columna.</translation>
    </message>
    <message>
        <source>Wait for the next player.</source>
        <translation>Espera al siguiente jugador.</translation>
    </message>
    <message>
        <source>Start a game with New Game.</source>
        <translation>Empieza una partida con Nuevo juego.</translation>
    </message>
    <message>
        <source>Press New Game to start.</source>
        <translation>Pulsa Nuevo juego para empezar.</translation>
    </message>
</context>
<context>
    <name>ScoreCard</name>
    <message>
        <source>Score Card</source>
        <translation>Hoja de puntos</translation>
    </message>
    <message>
        <source>Game %1, Pentaro box %2</source>
        <translation>Juego %1, casilla Pentaro %2</translation>
    </message>
    <message>
        <source>Pentaro Chips:</source>
        <translation>Fichas:</translation>
    </message>
    <message>
        <source>Chip, Game %1</source>
        <translation>Ficha, juego %1</translation>
    </message>
    <message>
        <source>Chips, Game %1</source>
        <translation>Fichas, juego %1</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Listo</translation>
    </message>
    <message>
        <source>Back to the results (Enter or Escape)</source>
        <translation>Volver a los resultados (Intro o Esc)</translation>
    </message>
    <message>
        <source>Review</source>
        <translation>Análisis</translation>
    </message>
    <message>
        <source>How far each decision was from best play, and the luck of the dice</source>
        <translation>Cuánto se alejó cada decisión de la mejor jugada, y la suerte de los dados</translation>
    </message>
    <message>
        <source>shown</source>
        <translation>visible</translation>
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
        <translation>Fácil</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Medio</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Difícil</translation>
    </message>
</context>
<context>
    <name>Splash</name>
    <message>
        <source>Splash</source>
        <translation>Bienvenida</translation>
    </message>
    <message>
        <source>&quot;Iron sharpens iron, so
one man sharpens another.&quot;</source>
        <translation>«El hierro se afila con el hierro,
y un hombre afila a otro.»</translation>
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
        <translation>Real Pentaro no puede arrancar: faltan imágenes o están dañadas.

%1

Se buscaron en: %2</translation>
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
        <translation>Sonido sí</translation>
    </message>
    <message>
        <source>Sound Off</source>
        <translation>Sonido no</translation>
    </message>
    <message>
        <source>Rolls</source>
        <translation>Tiros</translation>
    </message>
    <message>
        <source>No sound device found</source>
        <translation>No se encontró ningún dispositivo de sonido</translation>
    </message>
    <message>
        <source>shown</source>
        <translation>visible</translation>
    </message>
    <message>
        <source>Die %1</source>
        <translation>Dado %1</translation>
    </message>
    <message>
        <source>, kept</source>
        <translation>, apartado</translation>
    </message>
    <message>
        <source>Rolls: %1</source>
        <translation>Tiros: %1</translation>
    </message>
    <message>
        <source>%1 enters %2 in %3, Game %4</source>
        <translation>%1 anota %2 en %3, juego %4</translation>
    </message>
    <message>
        <source>%1 enters %2 in Pentaro box %3, Game %4</source>
        <translation>%1 anota %2 en la casilla Pentaro %3, juego %4</translation>
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
        <translation>. ¡Pentaro!</translation>
    </message>
    <message>
        <source>%1 to play</source>
        <translation>Le toca a %1</translation>
    </message>
    <message>
        <source>Proverbs 27:17</source>
        <translation>Proverbios 27:17</translation>
    </message>
    <message>
        <source>Game 1</source>
        <translation>Juego 1</translation>
    </message>
    <message>
        <source>Game 2</source>
        <translation>Juego 2</translation>
    </message>
    <message>
        <source>Game 3</source>
        <translation>Juego 3</translation>
    </message>
    <message>
        <source>Game %1, Pentaro box %2</source>
        <translation>Juego %1, casilla Pentaro %2</translation>
    </message>
    <message>
        <source>Pentaro Chips:</source>
        <translation>Fichas:</translation>
    </message>
    <message>
        <source>Chip, Game %1</source>
        <translation>Ficha, juego %1</translation>
    </message>
    <message>
        <source>%1 (key %2)</source>
        <translation>%1 (tecla %2)</translation>
    </message>
    <message>
        <source>Click to put back</source>
        <translation>Haz clic para devolverlo</translation>
    </message>
    <message>
        <source>Click to keep</source>
        <translation>Haz clic para apartarlo</translation>
    </message>
    <message>
        <source>Roll</source>
        <translation>Tirar</translation>
    </message>
    <message>
        <source>Click to roll dice (Enter)</source>
        <translation>Haz clic para tirar los dados (Intro)</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Nuevo juego</translation>
    </message>
    <message>
        <source>Click to begin new game (N)</source>
        <translation>Haz clic para empezar una nueva partida (N)</translation>
    </message>
    <message>
        <source>High Scores</source>
        <translation>Récords</translation>
    </message>
    <message>
        <source>Click to show high scores (S)</source>
        <translation>Haz clic para ver los récords (S)</translation>
    </message>
    <message>
        <source>Enable/Disable Sound (M)</source>
        <translation>Activar/desactivar el sonido (M)</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>Click for help (F1)</source>
        <translation>Haz clic para ver la ayuda (F1)</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Pista</translation>
    </message>
    <message>
        <source>Click for the best move (H)</source>
        <translation>Haz clic para ver la mejor jugada (H)</translation>
    </message>
    <message>
        <source>Exit The Program</source>
        <translation>Salir del programa</translation>
    </message>
    <message>
        <source>Exit The Program (Ctrl+Q)</source>
        <translation>Salir del programa (Ctrl+Q)</translation>
    </message>
    <message>
        <source>Next player</source>
        <translation>Siguiente jugador</translation>
    </message>
    <message>
        <source>The computer cannot play: %1</source>
        <translation>El ordenador no puede jugar: %1</translation>
    </message>
    <message>
        <source>%1 keeps %2</source>
        <translation>%1 aparta %2</translation>
    </message>
    <message>
        <source> and </source>
        <translation> y </translation>
    </message>
    <message>
        <source>Roll the dice.</source>
        <translation>Tira los dados.</translation>
    </message>
    <message>
        <source>Roll all five dice.</source>
        <translation>Tira los cinco dados.</translation>
    </message>
    <message>
        <source>Keep %1 (%2 %3), roll the rest.</source>
        <translation>Aparta %1 (%2 %3) y tira el resto.</translation>
    </message>
    <message>
        <source>die</source>
        <translation>dado</translation>
    </message>
    <message>
        <source>dice</source>
        <translation>dados</translation>
    </message>
    <message>
        <source>Pentaro box %1</source>
        <translation>casilla Pentaro %1</translation>
    </message>
    <message>
        <source>Take Game %1, %2: %3 points.</source>
        <translation>Anota en el juego %1, %2: %3 puntos.</translation>
    </message>
    <message>
        <source>With best play: %1 expected.</source>
        <translation>Con la mejor jugada: %1 esperados.</translation>
    </message>
    <message>
        <source>Estimate: about %1 (heuristic).</source>
        <translation>Estimación: unos %1 (heurística).</translation>
    </message>
    <message>
        <source>The hint is off: %1</source>
        <translation>La pista no está disponible: %1</translation>
    </message>
    <message>
        <source> Hints keep this game out of the high scores.</source>
        <translation> Las pistas dejan esta partida fuera de los récords.</translation>
    </message>
    <message>
        <source>Game %1, %2</source>
        <translation>Juego %1, %2</translation>
    </message>
    <message>
        <source>would score </source>
        <translation>daría </translation>
    </message>
    <message>
        <source>not played</source>
        <translation>sin jugar</translation>
    </message>
    <message>
        <source>suggested</source>
        <translation>sugerida</translation>
    </message>
    <message>
        <source>Previews on</source>
        <translation>Vista previa activada</translation>
    </message>
    <message>
        <source>Previews off</source>
        <translation>Vista previa desactivada</translation>
    </message>
    <message>
        <source>Show this card (Ctrl+%1)</source>
        <translation>Mostrar esta hoja (Ctrl+%1)</translation>
    </message>
    <message>
        <source>on turn</source>
        <translation>en turno</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Estado</translation>
    </message>
    <message>
        <source>↶ Undo</source>
        <translation>↶ Atrás</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Deshacer</translation>
    </message>
    <message>
        <source>Take back the last entry (Ctrl+Z)</source>
        <translation>Deshacer la última anotación (Ctrl+Z)</translation>
    </message>
    <message>
        <source>Entry taken back</source>
        <translation>Anotación deshecha</translation>
    </message>
    <message>
        <source>Smaller (Ctrl+Minus)</source>
        <translation>Más pequeño (Ctrl+Menos)</translation>
    </message>
    <message>
        <source>Zoom; back to 100 % (Ctrl+0)</source>
        <translation>Zoom; volver al 100 % (Ctrl+0)</translation>
    </message>
    <message>
        <source>Larger (Ctrl+Plus)</source>
        <translation>Más grande (Ctrl+Más)</translation>
    </message>
    <message>
        <source>Smaller</source>
        <translation>Más pequeño</translation>
    </message>
    <message>
        <source>Larger</source>
        <translation>Más grande</translation>
    </message>
    <message>
        <source>Zoom %1 %</source>
        <translation>Zoom %1 %</translation>
    </message>
    <message>
        <source>bonus won</source>
        <translation>bono ganado</translation>
    </message>
    <message>
        <source>upper bonus won</source>
        <translation>bono superior ganado</translation>
    </message>
    <message>
        <source>bonus lost</source>
        <translation>bono perdido</translation>
    </message>
    <message>
        <source>upper bonus out of reach</source>
        <translation>bono superior fuera de alcance</translation>
    </message>
    <message>
        <source>%1 of 63</source>
        <translation>%1 de 63</translation>
    </message>
    <message>
        <source>%1 of 63 toward the upper bonus</source>
        <translation>%1 de 63 hacia el bono superior</translation>
    </message>
    <message>
        <source>You have rolled since.</source>
        <translation>Has tirado desde entonces.</translation>
    </message>
    <message>
        <source>Nothing to take back.</source>
        <translation>No hay nada que deshacer.</translation>
    </message>
</context>
</TS>
