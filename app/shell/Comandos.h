#pragma once

// Números dos comandos dos menus e da barra de ferramentas (os mesmos dos recursos do
// programa, para que menus, aceleradores e roteamento falem da mesma coisa).
namespace Comando {
inline constexpr int kNovo = 57600;
inline constexpr int kAbrir = 57601;
inline constexpr int kFechar = 57602;
inline constexpr int kSalvar = 57603;
inline constexpr int kSalvarComo = 57604;
inline constexpr int kConfigurarImpressora = 57606;
inline constexpr int kImprimir = 57607;
inline constexpr int kVisualizarImpressao = 57609;
inline constexpr int kArquivoRecente1 = 57616;  // até kArquivoRecente1 + 3
inline constexpr int kIcones = 57649;
inline constexpr int kCascata = 57650;
inline constexpr int kFaixas = 57651;
inline constexpr int kSobre = 57664;
inline constexpr int kSair = 57665;
inline constexpr int kBarraDeFerramentas = 59392;
inline constexpr int kBarraDeStatus = 59393;

inline constexpr int kTelaDeApostas = 131;
inline constexpr int kConferencia = 149;

inline constexpr int kFrequenciaResultados = 32773;
inline constexpr int kConfigurarImpressaoDoCartao = 32774;
inline constexpr int kAjuda = 32775;
inline constexpr int kRelatorioDeApostas = 32777;
inline constexpr int kGolsPorTime = 32778;
inline constexpr int kConfigurarFiltros = 32779;
inline constexpr int kFiltrar = 32780;
inline constexpr int kTotalDeGols = 32781;
inline constexpr int kResultadosVarenta = 32784;
inline constexpr int kResultadosPorColunaTime2 = 32785;
inline constexpr int kAtualizarPelaInternet = 32786;
inline constexpr int kTotalResultadosPorColuna = 32787;
inline constexpr int kInserirResultado = 32789;
inline constexpr int kRemoverResultado = 32790;
inline constexpr int kComprovantes = 32791;
inline constexpr int kResultadosPorColunaTime1 = 32795;
inline constexpr int kConfigurarInternet = 32810;
inline constexpr int kReduzirApostas = 32811;
inline constexpr int kImportarResultadosCsv = 32830;
inline constexpr int kExportarResultadosCsv = 32831;
inline constexpr int kExportarCartoesCsv = 32832;
// O botão "Executar" da tela de apostas, também no menu (F5).
inline constexpr int kExecutar = 32833;
}  // namespace Comando

// Recursos de menu e ícone: sem tela, tela de apostas, tela de conferência.
namespace Recurso {
inline constexpr int kPrincipal = 128;
inline constexpr int kDocumento = 129;
inline constexpr int kTelaDeApostas = 143;
inline constexpr int kTelaDeConferencia = 151;
}  // namespace Recurso

// Estado de um comando na hora de mostrar menus e botões.
struct SEstadoDoComando {
    bool habilitado = false;
    bool marcado = false;
};
