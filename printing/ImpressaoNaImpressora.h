#pragma once

#include <string>

class CImpressaoDeCartoes;
class CVarentaDoc;
class IConfiguracoes;
class QPrinter;

// A impressora que não começa o trabalho, no diálogo de impressão e na linha de comando.
inline constexpr const char* kImpressaoNaoComecou = "Não foi possível iniciar a impressão.";

// Imprime as páginas pedidas na impressora (todas, sem intervalo escolhido); páginas = 0
// não abre trabalho nenhum. Falso se a impressora não pôde começar.
bool ImprimirPaginas(QPrinter& impressora, CImpressaoDeCartoes& impressao, int paginas);
// A visualização sempre pinta ao menos uma página, mesmo em branco.
void PintarVisualizacao(QPrinter& impressora, CImpressaoDeCartoes& impressao, int paginas);

// Todas as páginas do documento num PDF A4 retrato, na folha inteira (a origem é o canto
// da página); uma página do PDF por página impressa. CErroDoUsuario se não houver cartões
// ou o arquivo não puder ser gravado.
void ImprimirEmPdf(const CVarentaDoc& documento, const IConfiguracoes& configuracoes, const std::string& caminho);
// As mesmas páginas numa impressora do sistema, pelo mesmo caminho do diálogo de
// impressão (origem no canto da área imprimível). CErroDoUsuario se não houver cartões, a
// impressora não existir ou não começar.
void ImprimirNaImpressora(const CVarentaDoc& documento, const IConfiguracoes& configuracoes, const std::string& nome);
