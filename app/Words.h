#pragma once

#include "board/Rods.h"
#include "exercises/Modes.h"
#include "exercises/Operations.h"

#include <string_view>

// Every word of the window, its help and its about box, and everything the
// screen reader says, in the pupil's language: a word is changed here and
// nowhere else. The rules' own texts (the level, the verdicts, the signs) are
// in exercises/Texts.h. "%1", "%2" and "%3" stand for what the program puts
// in. The screen-reader test's client reads this file as it stands
// (tests/a11y/client.py): each text is a plain literal, or a table of them.
namespace ordel::words {

// The menu tree, "&" before each access key.
inline constexpr std::string_view kMenuArquivo = "&Arquivo";
inline constexpr std::string_view kMenuNovo = "&Novo...";
inline constexpr std::string_view kMenuIniciante = "&Iniciante";
inline constexpr std::string_view kMenuAvancado = "&Avançado";
inline constexpr std::string_view kMenuSair = "Sai&r";
inline constexpr std::string_view kMenuOperacao = "&Operação";
inline constexpr auto kMenuOperations = oneRowEach<std::string_view, kOperationCount>(
    {"&Adição", "&Subtração", "&Multiplicação", "&Divisão"});
inline constexpr std::string_view kMenuSistema = "&Sistema de numeração...";
inline constexpr auto kMenuModes =
    oneRowEach<std::string_view, kModeCount>({"&Unidade", "&Dezena", "&Centena", "&Milhar"});
inline constexpr std::string_view kMenuApagar = "Apagar";
inline constexpr std::string_view kMenuDesfazer = "Desfazer";
inline constexpr std::string_view kMenuAjuda = "Aj&uda";
inline constexpr std::string_view kMenuTopicos = "&Tópicos da ajuda";
inline constexpr std::string_view kMenuSobre = "So&bre o Ordel";

// The buttons' captions.
inline constexpr auto kRodButtons =
    byRod<std::string_view>({"MILHAR", "CENTENA", "DEZENA", "UNIDADE"});
inline constexpr std::string_view kCheckButton = "CORRIGIR";

// The about box: its title, and the pieces of its text.
inline constexpr std::string_view kAboutTitle = "Sobre o Ordel";
inline constexpr std::string_view kAboutPurpose =
    "O Ordel serve para o aluno praticar o valor posicional e as quatro operações com as contas "
    "de um ábaco.";
inline constexpr std::string_view kAboutThanks =
    "Agradecemos ao orientador acadêmico do departamento de matemática da universidade por toda "
    "a ajuda e pelas sugestões na elaboração deste software.";
inline constexpr std::string_view kAboutAuthor = "Equipe do Ordel.";
inline constexpr std::string_view kAboutEmail = "E-mail: equipe.ordel@example.org";

// The help window, and the page it shows when it finds no help file.
inline constexpr std::string_view kHelpTitle = "Ajuda do Ordel";
inline constexpr std::string_view kHelpClose = "&Fechar";
inline constexpr std::string_view kHelpTooLarge =
    "O arquivo de ajuda é grande demais: só o começo dele é mostrado.";
inline constexpr std::string_view kHelpNotFound = "Ajuda não encontrada";
inline constexpr std::string_view kHelpNoneNamed = "Nenhum arquivo de ajuda foi indicado.";
inline constexpr std::string_view kHelpNotShown = "Não foi possível mostrar o arquivo de ajuda %1.";
inline constexpr std::string_view kHelpNoFolder = "Nenhuma pasta foi indicada para procurá-lo.";
inline constexpr std::string_view kHelpLookedIn = "Ele foi procurado nestes lugares:";
inline constexpr std::string_view kHelpMissing = "o arquivo não existe.";
inline constexpr std::string_view kHelpFolder = "há uma pasta com esse nome, não um arquivo.";
inline constexpr std::string_view kHelpNotAFile =
    "há algo com esse nome, mas não é um arquivo comum.";
inline constexpr std::string_view kHelpUnreadable = "o arquivo existe, mas não pôde ser lido.";
inline constexpr std::string_view kHelpEmpty = "o arquivo está vazio.";
inline constexpr std::string_view kHelpAsk =
    "Peça ao professor ou à professora que coloque o arquivo %1 num desses lugares. O exercício "
    "continua como estava: é só voltar à janela do Ordel.";

// Started with no display.
inline constexpr std::string_view kNoDisplay =
    "O Ordel precisa de uma tela gráfica, e nenhuma foi encontrada (DISPLAY e WAYLAND_DISPLAY "
    "estão vazias).\nNuma máquina sem tela, rode-o numa tela virtual: xvfb-run ordel\n";

// What the screen reader says. The rods as the phrases name them ("Haste
// das unidades") and as the whole board tells them ("dezena 1").
inline constexpr auto kRodsOf =
    byRod<std::string_view>({"dos milhares", "das centenas", "das dezenas", "das unidades"});
inline constexpr auto kRodsOnBoard =
    byRod<std::string_view>({"milhar", "centena", "dezena", "unidade"});
inline constexpr std::string_view kRodArea = "Haste %1";
inline constexpr std::string_view kRodBeads = "Contas da haste %1";
inline constexpr std::string_view kRodAnswer = "Resposta da haste %1";
inline constexpr std::string_view kAnswerDescription =
    "Quantas contas a haste tinha na última correção";
inline constexpr std::string_view kOneBead = "1 conta";
inline constexpr std::string_view kBeads = "%1 contas";
inline constexpr std::string_view kAreaHint = "%1; um clique nesta haste tira a última conta";
inline constexpr std::string_view kButtonHint =
    "%1. Adicionar uma conta na haste %2; as teclas Backspace e Delete tiram a última conta";
inline constexpr std::string_view kCheckDescription =
    "Conferir se as contas nas hastes formam a resposta";

// What each label is for. Resultado, which no pupil can see, has none.
inline constexpr std::string_view kLegendaDescription = "Nível dos exercícios";
inline constexpr std::string_view kNumero1Description = "Primeiro número da operação";
inline constexpr std::string_view kNumero2Description = "Segundo número da operação";
inline constexpr std::string_view kNumero2ToBuild = "Número a formar com as contas";
inline constexpr std::string_view kSignDescription = "Sinal da operação";
inline constexpr std::string_view kLabel2Description =
    "Sinal de igual: a resposta se forma com as contas";

// The signs as words, and the operations and the modes as F2 names them.
inline constexpr auto kSignWords =
    oneRowEach<std::string_view, kOperationCount>({"mais", "menos", "vezes", "dividido por"});
inline constexpr std::string_view kEqualsWord = "igual";
inline constexpr auto kOperationWords = oneRowEach<std::string_view, kOperationCount>(
    {"adição", "subtração", "multiplicação", "divisão"});
inline constexpr auto kModeWords =
    oneRowEach<std::string_view, kModeCount>({"unidade", "dezena", "centena", "milhar"});

// The exercise: at level "Iniciante" the number to build; at "Avançado" the
// exercise line, closed with "a quanto?" after the equals sign.
inline constexpr std::string_view kToBuild = "forme o número %1";
inline constexpr std::string_view kHowMuch = "a quanto?";
// The window's name: the title and the exercise.
inline constexpr std::string_view kWindowName = "%1, %2";
// F2: the level, the mode and the operation, the exercise, then the rods.
inline constexpr std::string_view kBoard = "%1: %2 Nas hastes: %3";
// A message box's name: its title and its text.
inline constexpr std::string_view kMessageBoxName = "%1: %2";

} // namespace ordel::words
