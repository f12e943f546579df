<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>Advisor</name>
    <message>
        <source>No turn to advise on.</source>
        <translation>Não há jogada para aconselhar.</translation>
    </message>
    <message>
        <source>the solved game is not at hand.</source>
        <translation>a solução do jogo não está disponível.</translation>
    </message>
    <message>
        <source>The dice are still rolling.</source>
        <translation>Os dados ainda estão rolando.</translation>
    </message>
    <message>
        <source>This card is complete.</source>
        <translation>Esta cartela está completa.</translation>
    </message>
    <message>
        <source>Not every move of this game was seen.</source>
        <translation>Nem todas as jogadas desta partida foram vistas.</translation>
    </message>
    <message>
        <source>A move of this game is one the advisor does not know.</source>
        <translation>Uma jogada desta partida é desconhecida do conselheiro.</translation>
    </message>
</context>
<context>
    <name>Card</name>
    <message>
        <source>Ones</source>
        <translation>Uns</translation>
    </message>
    <message>
        <source>Twos</source>
        <translation>Dois</translation>
    </message>
    <message>
        <source>Threes</source>
        <translation>Três</translation>
    </message>
    <message>
        <source>Fours</source>
        <translation>Quatros</translation>
    </message>
    <message>
        <source>Fives</source>
        <translation>Cincos</translation>
    </message>
    <message>
        <source>Sixes</source>
        <translation>Seis</translation>
    </message>
    <message>
        <source>Sub Total</source>
        <translation>Subtotal</translation>
    </message>
    <message>
        <source>Bonus (if 63)  35pts</source>
        <translation>Bônus (se 63) 35pts</translation>
    </message>
    <message>
        <source>Upper Total</source>
        <translation>Total sup.</translation>
    </message>
    <message>
        <source>3 of a kind</source>
        <translation>Trinca</translation>
    </message>
    <message>
        <source>4 of a kind</source>
        <translation>Quadra</translation>
    </message>
    <message>
        <source>Full House</source>
        <translation>Full house</translation>
    </message>
    <message>
        <source>Small Straight</source>
        <translation>Seq. menor</translation>
    </message>
    <message>
        <source>Large Straight</source>
        <translation>Seq. maior</translation>
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
        <translation>Pontos</translation>
    </message>
    <message>
        <source> (row %1)</source>
        <translation> (linha %1)</translation>
    </message>
    <message>
        <source>Game %1, %2</source>
        <translation>Jogo %1, %2</translation>
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
        <translation>Confirmar</translation>
    </message>
    <message>
        <source>Confirm (Space or Enter)</source>
        <translation>Confirmar (Espaço ou Enter)</translation>
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
        <translation>desmarcado</translation>
    </message>
</context>
<context>
    <name>Goodbye</name>
    <message>
        <source>Goodbye</source>
        <translation>Tchau</translation>
    </message>
    <message>
        <source>&quot;Even a fool, when he keeps
silent, is considered wise.&quot;</source>
        <translation>“Até o tolo, quando se cala,
é considerado sábio.”</translation>
    </message>
</context>
<context>
    <name>Help</name>
    <message>
        <source>Real Pentaro Help</source>
        <translation>Ajuda do Real Pentaro</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ajuda</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Pronto</translation>
    </message>
    <message>
        <source>Back to the game (Escape)</source>
        <translation>Voltar ao jogo (Esc)</translation>
    </message>
    <message>
        <source>&lt;h1&gt;Real Pentaro Help&lt;/h1&gt;&lt;p&gt;The help file cannot be read: %1&lt;/p&gt;</source>
        <translation>&lt;h1&gt;Ajuda do Real Pentaro&lt;/h1&gt;&lt;p&gt;O arquivo de ajuda não pode ser lido: %1&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Real Pentaro, version %1</source>
        <translation>Real Pentaro, versão %1</translation>
    </message>
</context>
<context>
    <name>HighScores</name>
    <message>
        <source>High Scores</source>
        <translation>Recordes</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Zerar</translation>
    </message>
    <message>
        <source>Reset the high scores (Space)</source>
        <translation>Zerar os recordes (Espaço)</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Pronto</translation>
    </message>
    <message>
        <source>Back to the table (Enter or Escape)</source>
        <translation>Voltar à mesa (Enter ou Esc)</translation>
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
        <translation>Primeiro você deve<byte value="xd"/>
usar uma casa<byte value="xd"/>
Pentaro</translation>
    </message>
    <message>
        <source>One Pentaro in each<byte value="xd"/>
column must be<byte value="xd"/>
used first.</source>
        <translation>Primeiro é preciso usar<byte value="xd"/>
um Pentaro em<byte value="xd"/>
cada coluna.</translation>
    </message>
    <message>
        <source>Wildcard denied:<byte value="xd"/>
Upper section<byte value="xd"/>
number not used</source>
        <translation>Curinga negado:<byte value="xd"/>
o número de cima<byte value="xd"/>
não foi usado</translation>
    </message>
    <message>
        <source>Wildcard denied:<byte value="xd"/>
All like numbers not<byte value="xd"/>
used in upper section</source>
        <translation>Curinga negado:<byte value="xd"/>
nem todos os números<byte value="xd"/>
de cima foram usados</translation>
    </message>
    <message>
        <source>The language setting<byte value="xd"/>
is unknown: the<byte value="xd"/>
desktop&apos;s is used.</source>
        <translation>O idioma escolhido<byte value="xd"/>
é desconhecido: usa-se<byte value="xd"/>
o da área de trabalho.</translation>
    </message>
    <message>
        <source>The Current Game<byte value="xd"/>
Will Be Lost</source>
        <translation>A partida atual<byte value="xd"/>
será perdida</translation>
    </message>
    <message>
        <source>You Are About To<byte value="xd"/>
Reset The High Scores</source>
        <translation>Você vai zerar<byte value="xd"/>
os recordes</translation>
    </message>
    <message>
        <source>Some settings could not be read: defaults are used.</source>
        <translation>Algumas configurações não puderam ser lidas: os padrões são usados.</translation>
    </message>
    <message>
        <source>Settings cannot be saved.</source>
        <translation>As configurações não podem ser salvas.</translation>
    </message>
    <message>
        <source>Settings cannot be read or saved: defaults are used.</source>
        <translation>As configurações não podem ser lidas nem salvas: os padrões são usados.</translation>
    </message>
</context>
<context>
    <name>NewGame</name>
    <message>
        <source>Person</source>
        <translation>Pessoa</translation>
    </message>
    <message>
        <source>Computer, Easy</source>
        <translation>Computador, fácil</translation>
    </message>
    <message>
        <source>Computer, Medium</source>
        <translation>Computador, médio</translation>
    </message>
    <message>
        <source>Computer, Hard</source>
        <translation>Computador, difícil</translation>
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
        <translation>Jogador %1</translation>
    </message>
    <message>
        <source>Language: as the desktop (%1)</source>
        <translation>Idioma: o da área de trabalho (%1)</translation>
    </message>
    <message>
        <source>Language: %1</source>
        <translation>Idioma: %1</translation>
    </message>
    <message>
        <source>The game&apos;s language: press to change (Space)</source>
        <translation>O idioma do jogo: pressione para mudar (Espaço)</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Novo jogo</translation>
    </message>
    <message numerus="yes">
        <source>%n player(s)</source>
        <translation>
            <numerusform>%n jogador</numerusform>
            <numerusform>%n jogadores</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 (Space)</source>
        <translation>%1 (Espaço)</translation>
    </message>
    <message>
        <source>Name of player %1</source>
        <translation>Nome do jogador %1</translation>
    </message>
    <message>
        <source>Who plays this seat: press to change (Space)</source>
        <translation>Quem joga neste lugar: pressione para mudar (Espaço)</translation>
    </message>
    <message>
        <source>Three columns</source>
        <translation>Três colunas</translation>
    </message>
    <message>
        <source>One column</source>
        <translation>Uma coluna</translation>
    </message>
    <message>
        <source>How fast the computer plays: press to change (Space)</source>
        <translation>A velocidade do computador: pressione para mudar (Espaço)</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Pronto</translation>
    </message>
    <message>
        <source>Start the game (Enter)</source>
        <translation>Começar a partida (Enter)</translation>
    </message>
    <message>
        <source>Player %1: %2</source>
        <translation>Jogador %1: %2</translation>
    </message>
    <message>
        <source>Computer pace: %1</source>
        <translation>Ritmo do computador: %1</translation>
    </message>
    <message>
        <source>Instant</source>
        <translation>Instantâneo</translation>
    </message>
</context>
<context>
    <name>Pictures</name>
    <message>
        <source>KEPT</source>
        <translation>FIXOS</translation>
    </message>
    <message>
        <source>ROLL</source>
        <translation>ROLAR</translation>
    </message>
    <message>
        <source>Next Player</source>
        <translation>Próximo</translation>
    </message>
    <message>
        <source>Person</source>
        <translation>Pessoa</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>Fácil</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Médio</translation>
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
        <translation>Rolar</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Novo jogo</translation>
    </message>
    <message>
        <source>High Scores</source>
        <translation>Recordes</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ajuda</translation>
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
        <translation>Pronto</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Dica</translation>
    </message>
    <message>
        <source>Review</source>
        <translation>Análise</translation>
    </message>
    <message>
        <source>Sound On</source>
        <translation>Com som</translation>
    </message>
    <message>
        <source>Sound Off</source>
        <translation>Sem som</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Som</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Zerar</translation>
    </message>
    <message>
        <source>five dice  •  one card  •  up to four players</source>
        <translation>cinco dados  •  uma cartela  •  até quatro jogadores</translation>
    </message>
    <message>
        <source>Who is playing?</source>
        <translation>Quem vai jogar?</translation>
    </message>
    <message>
        <source>Played by</source>
        <translation>Jogado por</translation>
    </message>
    <message>
        <source>Which game?</source>
        <translation>Qual jogo?</translation>
    </message>
    <message>
        <source>Computer pace</source>
        <translation>Ritmo da máquina</translation>
    </message>
    <message>
        <source>Three columns</source>
        <translation>Três colunas</translation>
    </message>
    <message>
        <source>scored x1, x2, x3</source>
        <translation>pontos x1, x2, x3</translation>
    </message>
    <message>
        <source>One column</source>
        <translation>Uma coluna</translation>
    </message>
    <message>
        <source>a single card</source>
        <translation>uma só cartela</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Pontos</translation>
    </message>
    <message>
        <source>Three-Column Game</source>
        <translation>Jogo de três colunas</translation>
    </message>
    <message>
        <source>One-Column Game</source>
        <translation>Jogo de uma coluna</translation>
    </message>
    <message>
        <source>Game over</source>
        <translation>Fim de jogo</translation>
    </message>
    <message>
        <source>A new high score!</source>
        <translation>Um novo recorde!</translation>
    </message>
    <message>
        <source>SCORE!</source>
        <translation>BOA!</translation>
    </message>
    <message>
        <source>HIGH</source>
        <translation>OBA!</translation>
    </message>
    <message>
        <source>Score Card</source>
        <translation>Cartela</translation>
    </message>
    <message>
        <source>Instant</source>
        <translation>Instantâneo</translation>
    </message>
</context>
<context>
    <name>Results</name>
    <message>
        <source>Game 1 Total</source>
        <translation>Total jogo 1</translation>
    </message>
    <message>
        <source>Chips (x-100)</source>
        <translation>Fichas (x-100)</translation>
    </message>
    <message>
        <source>Game 2 Total (x-2)</source>
        <translation>Total jogo 2 (x-2)</translation>
    </message>
    <message>
        <source>Chips (x-200)</source>
        <translation>Fichas (x-200)</translation>
    </message>
    <message>
        <source>Game 3 Total (x-3)</source>
        <translation>Total jogo 3 (x-3)</translation>
    </message>
    <message>
        <source>Chips (x-300)</source>
        <translation>Fichas (x-300)</translation>
    </message>
    <message>
        <source>Grand Total</source>
        <translation>Total geral</translation>
    </message>
    <message>
        <source>Game Over</source>
        <translation>Fim de jogo</translation>
    </message>
    <message>
        <source>player %1</source>
        <translation>jogador %1</translation>
    </message>
    <message>
        <source>Click On Names To See Scorecard</source>
        <translation>Clique num nome para ver a cartela</translation>
    </message>
    <message>
        <source>Or Tab to a name and press Enter</source>
        <translation>Ou vá com Tab até um nome e tecle Enter</translation>
    </message>
    <message>
        <source>A new high score!</source>
        <translation>Um novo recorde!</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Pronto</translation>
    </message>
    <message>
        <source>On to the high scores (Enter or Escape)</source>
        <translation>Ir aos recordes (Enter ou Esc)</translation>
    </message>
    <message>
        <source>Review</source>
        <translation>Análise</translation>
    </message>
    <message>
        <source>How far each decision was from best play, and the luck of the dice</source>
        <translation>Quanto cada decisão ficou longe da melhor jogada, e a sorte nos dados</translation>
    </message>
    <message>
        <source>The Winner is:  </source>
        <translation>O vencedor é:  </translation>
    </message>
    <message>
        <source>Player %1, computer, %2: press Enter to see the score card</source>
        <translation>Jogador %1, computador, %2: tecle Enter para ver a cartela</translation>
    </message>
    <message>
        <source>Player %1: press Enter to see the score card</source>
        <translation>Jogador %1: tecle Enter para ver a cartela</translation>
    </message>
    <message>
        <source>computer, %1</source>
        <translation>computador, %1</translation>
    </message>
    <message>
        <source>%1: computer, %2</source>
        <translation>%1: computador, %2</translation>
    </message>
    <message>
        <source>%1&apos;s score card (Enter)</source>
        <translation>Cartela de %1 (Enter)</translation>
    </message>
    <message>
        <source>Best play averages %1 points a game: your %2 is %3 %4 it.</source>
        <translation>O jogo ideal faz em média %1 pontos por partida: seus %2 pontos estão %3 %4.</translation>
    </message>
    <message>
        <source>below</source>
        <translation>abaixo</translation>
    </message>
    <message>
        <source>above</source>
        <translation>acima</translation>
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
        <translation>Continuar a partida de %1?</translation>
    </message>
    <message>
        <source>Cancel keeps it for the next start.</source>
        <translation>Cancelar: fica guardada para depois.</translation>
    </message>
    <message>
        <source>Cancel (Escape): keep the game for later</source>
        <translation>Cancelar (Esc): guardar a partida para depois</translation>
    </message>
</context>
<context>
    <name>Review</name>
    <message>
        <source>Game Review</source>
        <translation>Análise da partida</translation>
    </message>
    <message>
        <source>Review of</source>
        <translation>Análise de</translation>
    </message>
    <message>
        <source>Decisions, most costly first</source>
        <translation>Decisões, as mais caras primeiro</translation>
    </message>
    <message>
        <source>Turn</source>
        <translation>Rodada</translation>
    </message>
    <message>
        <source>Roll</source>
        <translation>Jogada</translation>
    </message>
    <message>
        <source>Dice</source>
        <translation>Dados</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Sua jogada</translation>
    </message>
    <message>
        <source>Best play</source>
        <translation>Melhor jogada</translation>
    </message>
    <message>
        <source>Cost</source>
        <translation>Custo</translation>
    </message>
    <message>
        <source>Back (Enter or Escape)</source>
        <translation>Voltar (Enter ou Esc)</translation>
    </message>
    <message>
        <source>The position</source>
        <translation>A posição</translation>
    </message>
    <message>
        <source>. Dice: </source>
        <translation>. Dados: </translation>
    </message>
    <message>
        <source>Select a decision
to see its position</source>
        <translation>Escolha uma decisão
para ver a posição</translation>
    </message>
    <message>
        <source>Turn %1, roll %2</source>
        <translation>Rodada %1, jogada %2</translation>
    </message>
    <message>
        <source>Bonus (63)</source>
        <translation>Bônus (63)</translation>
    </message>
    <message>
        <source>red: your choice</source>
        <translation>vermelho: sua escolha</translation>
    </message>
    <message>
        <source>green: best play</source>
        <translation>verde: melhor jogada</translation>
    </message>
    <message>
        <source>The game&apos;s course</source>
        <translation>O andamento da partida</translation>
    </message>
    <message>
        <source>estimated </source>
        <translation>cerca de </translation>
    </message>
    <message>
        <source>Start: %1expected %2.</source>
        <translation>Início: esperado %1%2.</translation>
    </message>
    <message>
        <source>Turn %1: %2expected %3, banked %4, cost %5.</source>
        <translation>Rodada %1: esperado %2%3, garantido %4, custo %5.</translation>
    </message>
    <message>
        <source>turn</source>
        <translation>rodada</translation>
    </message>
    <message>
        <source>expected with best play</source>
        <translation>esperado com o jogo ideal</translation>
    </message>
    <message>
        <source>banked</source>
        <translation>garantido</translation>
    </message>
    <message>
        <source>costliest turns</source>
        <translation>rodadas mais caras</translation>
    </message>
    <message>
        <source>rolls all five</source>
        <translation>rolar os cinco</translation>
    </message>
    <message>
        <source>rolled all five</source>
        <translation>rolou os cinco</translation>
    </message>
    <message>
        <source>keeps </source>
        <translation>guardar </translation>
    </message>
    <message>
        <source>kept </source>
        <translation>guardou </translation>
    </message>
    <message>
        <source>enters </source>
        <translation>marcar </translation>
    </message>
    <message>
        <source>entered </source>
        <translation>marcou </translation>
    </message>
    <message>
        <source>Pentaro box %1</source>
        <translation>casa Pentaro %1</translation>
    </message>
    <message>
        <source> in Game %1</source>
        <translation> no jogo %1</translation>
    </message>
    <message>
        <source>No review of this game: %1</source>
        <translation>Sem análise desta partida: %1</translation>
    </message>
    <message>
        <source>an estimated </source>
        <translation>cerca de </translation>
    </message>
    <message>
        <source>Best play from the start expects %1%2. Your decisions cost %1%3 points and the dice gave you %1%4: %5.</source>
        <translation>O jogo ideal espera desde o início %1%2. Suas decisões custaram %1%3 pontos e os dados lhe deram %1%4: %5.</translation>
    </message>
    <message>
        <source>the same</source>
        <translation>o mesmo</translation>
    </message>
    <message>
        <source>best play too</source>
        <translation>também a melhor jogada</translation>
    </message>
    <message>
        <source>best </source>
        <translation>melhor: </translation>
    </message>
    <message>
        <source>Turn %1, roll %2: %3 %4 %5 (%6)</source>
        <translation>Rodada %1, jogada %2: %3 %4 %5 (%6)</translation>
    </message>
    <message>
        <source> + a chip</source>
        <translation> + uma ficha</translation>
    </message>
    <message>
        <source> + the 35 bonus</source>
        <translation> + o bônus de 35</translation>
    </message>
</context>
<context>
    <name>Rules</name>
    <message>
        <source>Roll the dice first.</source>
        <translation>Primeiro role os dados.</translation>
    </message>
    <message>
        <source>That box is filled.</source>
        <translation>Essa casa já está preenchida.</translation>
    </message>
    <message>
        <source>Game 2 is not played in a one-column game.</source>
        <translation>O jogo 2 não é jogado numa partida de uma coluna.</translation>
    </message>
    <message>
        <source>Game 3 is not played in a one-column game.</source>
        <translation>O jogo 3 não é jogado numa partida de uma coluna.</translation>
    </message>
    <message>
        <source>Wait for the next player.</source>
        <translation>Espere o próximo jogador.</translation>
    </message>
    <message>
        <source>Start a game with New Game.</source>
        <translation>Comece uma partida com Novo jogo.</translation>
    </message>
    <message>
        <source>Press New Game to start.</source>
        <translation>Pressione Novo jogo para começar.</translation>
    </message>
</context>
<context>
    <name>ScoreCard</name>
    <message>
        <source>Score Card</source>
        <translation>Cartela</translation>
    </message>
    <message>
        <source>Game %1, Pentaro box %2</source>
        <translation>Jogo %1, casa Pentaro %2</translation>
    </message>
    <message>
        <source>Pentaro Chips:</source>
        <translation>Fichas:</translation>
    </message>
    <message>
        <source>Chip, Game %1</source>
        <translation>Ficha, jogo %1</translation>
    </message>
    <message>
        <source>Chips, Game %1</source>
        <translation>Fichas, jogo %1</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Pronto</translation>
    </message>
    <message>
        <source>Back to the results (Enter or Escape)</source>
        <translation>Voltar aos resultados (Enter ou Esc)</translation>
    </message>
    <message>
        <source>Review</source>
        <translation>Análise</translation>
    </message>
    <message>
        <source>How far each decision was from best play, and the luck of the dice</source>
        <translation>Quanto cada decisão ficou longe da melhor jogada, e a sorte nos dados</translation>
    </message>
    <message>
        <source>shown</source>
        <translation>visível</translation>
    </message>
</context>
<context>
    <name>Seats</name>
    <message>
        <source>Person</source>
        <translation>Pessoa</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>Fácil</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Médio</translation>
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
        <translation>Abertura</translation>
    </message>
    <message>
        <source>&quot;Iron sharpens iron, so
one man sharpens another.&quot;</source>
        <translation>“O ferro afia o ferro,
assim um homem afia o outro.”</translation>
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
        <translation>O Real Pentaro não pode iniciar: faltam imagens ou estão danificadas.

%1

Procuradas em: %2</translation>
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
        <translation>Com som</translation>
    </message>
    <message>
        <source>Sound Off</source>
        <translation>Sem som</translation>
    </message>
    <message>
        <source>Rolls</source>
        <translation>Jogadas</translation>
    </message>
    <message>
        <source>No sound device found</source>
        <translation>Nenhum dispositivo de som encontrado</translation>
    </message>
    <message>
        <source>shown</source>
        <translation>visível</translation>
    </message>
    <message>
        <source>Die %1</source>
        <translation>Dado %1</translation>
    </message>
    <message>
        <source>, kept</source>
        <translation>, guardado</translation>
    </message>
    <message>
        <source>Rolls: %1</source>
        <translation>Jogadas: %1</translation>
    </message>
    <message>
        <source>%1 enters %2 in %3, Game %4</source>
        <translation>%1 marca %2 em %3, jogo %4</translation>
    </message>
    <message>
        <source>%1 enters %2 in Pentaro box %3, Game %4</source>
        <translation>%1 marca %2 na casa Pentaro %3, jogo %4</translation>
    </message>
    <message>
        <source>Roll %1: %2</source>
        <translation>Jogada %1: %2</translation>
    </message>
    <message>
        <source>%1 rolls %2</source>
        <translation>%1 rola %2</translation>
    </message>
    <message>
        <source>. Pentaro!</source>
        <translation>. Pentaro!</translation>
    </message>
    <message>
        <source>%1 to play</source>
        <translation>Vez de %1</translation>
    </message>
    <message>
        <source>Proverbs 27:17</source>
        <translation>Provérbios 27:17</translation>
    </message>
    <message>
        <source>Game 1</source>
        <translation>Jogo 1</translation>
    </message>
    <message>
        <source>Game 2</source>
        <translation>Jogo 2</translation>
    </message>
    <message>
        <source>Game 3</source>
        <translation>Jogo 3</translation>
    </message>
    <message>
        <source>Game %1, Pentaro box %2</source>
        <translation>Jogo %1, casa Pentaro %2</translation>
    </message>
    <message>
        <source>Pentaro Chips:</source>
        <translation>Fichas:</translation>
    </message>
    <message>
        <source>Chip, Game %1</source>
        <translation>Ficha, jogo %1</translation>
    </message>
    <message>
        <source>%1 (key %2)</source>
        <translation>%1 (tecla %2)</translation>
    </message>
    <message>
        <source>Click to put back</source>
        <translation>Clique para devolver</translation>
    </message>
    <message>
        <source>Click to keep</source>
        <translation>Clique para guardar</translation>
    </message>
    <message>
        <source>Roll</source>
        <translation>Rolar</translation>
    </message>
    <message>
        <source>Click to roll dice (Enter)</source>
        <translation>Clique para rolar os dados (Enter)</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Novo jogo</translation>
    </message>
    <message>
        <source>Click to begin new game (N)</source>
        <translation>Clique para começar um novo jogo (N)</translation>
    </message>
    <message>
        <source>High Scores</source>
        <translation>Recordes</translation>
    </message>
    <message>
        <source>Click to show high scores (S)</source>
        <translation>Clique para ver os recordes (S)</translation>
    </message>
    <message>
        <source>Enable/Disable Sound (M)</source>
        <translation>Ligar/desligar o som (M)</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ajuda</translation>
    </message>
    <message>
        <source>Click for help (F1)</source>
        <translation>Clique para ver a ajuda (F1)</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Dica</translation>
    </message>
    <message>
        <source>Click for the best move (H)</source>
        <translation>Clique para ver a melhor jogada (H)</translation>
    </message>
    <message>
        <source>Exit The Program</source>
        <translation>Sair do programa</translation>
    </message>
    <message>
        <source>Exit The Program (Ctrl+Q)</source>
        <translation>Sair do programa (Ctrl+Q)</translation>
    </message>
    <message>
        <source>Next player</source>
        <translation>Próximo jogador</translation>
    </message>
    <message>
        <source>The computer cannot play: %1</source>
        <translation>O computador não pode jogar: %1</translation>
    </message>
    <message>
        <source>%1 keeps %2</source>
        <translation>%1 guarda %2</translation>
    </message>
    <message>
        <source> and </source>
        <translation> e </translation>
    </message>
    <message>
        <source>Roll the dice.</source>
        <translation>Role os dados.</translation>
    </message>
    <message>
        <source>Roll all five dice.</source>
        <translation>Role os cinco dados.</translation>
    </message>
    <message>
        <source>Keep %1 (%2 %3), roll the rest.</source>
        <translation>Guarde %1 (%2 %3) e role o resto.</translation>
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
        <translation>casa Pentaro %1</translation>
    </message>
    <message>
        <source>Take Game %1, %2: %3 points.</source>
        <translation>Marque no jogo %1, %2: %3 pontos.</translation>
    </message>
    <message>
        <source>With best play: %1 expected.</source>
        <translation>Com o jogo ideal: %1 esperados.</translation>
    </message>
    <message>
        <source>Estimate: about %1 (heuristic).</source>
        <translation>Estimativa: cerca de %1 (heurística).</translation>
    </message>
    <message>
        <source>The hint is off: %1</source>
        <translation>A dica não está disponível: %1</translation>
    </message>
    <message>
        <source> Hints keep this game out of the high scores.</source>
        <translation> Dicas deixam esta partida fora dos recordes.</translation>
    </message>
    <message>
        <source>Game %1, %2</source>
        <translation>Jogo %1, %2</translation>
    </message>
    <message>
        <source>would score </source>
        <translation>daria </translation>
    </message>
    <message>
        <source>not played</source>
        <translation>não jogado</translation>
    </message>
    <message>
        <source>suggested</source>
        <translation>sugerido</translation>
    </message>
    <message>
        <source>Previews on</source>
        <translation>Prévias ligadas</translation>
    </message>
    <message>
        <source>Previews off</source>
        <translation>Prévias desligadas</translation>
    </message>
    <message>
        <source>Show this card (Ctrl+%1)</source>
        <translation>Mostrar esta cartela (Ctrl+%1)</translation>
    </message>
    <message>
        <source>on turn</source>
        <translation>na vez</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Situação</translation>
    </message>
    <message>
        <source>↶ Undo</source>
        <translation>Desfazer</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Desfazer</translation>
    </message>
    <message>
        <source>Take back the last entry (Ctrl+Z)</source>
        <translation>Desfazer a última marcação (Ctrl+Z)</translation>
    </message>
    <message>
        <source>Entry taken back</source>
        <translation>Marcação desfeita</translation>
    </message>
    <message>
        <source>Smaller (Ctrl+Minus)</source>
        <translation>Menor (Ctrl+Menos)</translation>
    </message>
    <message>
        <source>Zoom; back to 100 % (Ctrl+0)</source>
        <translation>Zoom; voltar a 100 % (Ctrl+0)</translation>
    </message>
    <message>
        <source>Larger (Ctrl+Plus)</source>
        <translation>Maior (Ctrl+Mais)</translation>
    </message>
    <message>
        <source>Smaller</source>
        <translation>Menor</translation>
    </message>
    <message>
        <source>Larger</source>
        <translation>Maior</translation>
    </message>
    <message>
        <source>Zoom %1 %</source>
        <translation>Zoom %1 %</translation>
    </message>
    <message>
        <source>bonus won</source>
        <translation>bônus ganho</translation>
    </message>
    <message>
        <source>upper bonus won</source>
        <translation>bônus superior ganho</translation>
    </message>
    <message>
        <source>bonus lost</source>
        <translation>bônus perdido</translation>
    </message>
    <message>
        <source>upper bonus out of reach</source>
        <translation>bônus superior fora de alcance</translation>
    </message>
    <message>
        <source>%1 of 63</source>
        <translation>%1 de 63</translation>
    </message>
    <message>
        <source>%1 of 63 toward the upper bonus</source>
        <translation>%1 de 63 rumo ao bônus superior</translation>
    </message>
    <message>
        <source>You have rolled since.</source>
        <translation>Você já rolou depois disso.</translation>
    </message>
    <message>
        <source>Nothing to take back.</source>
        <translation>Nada para desfazer.</translation>
    </message>
</context>
</TS>
