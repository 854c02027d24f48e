#pragma once

#include <string>

class CRelatorioHtml;
class CScore;

// Arquivos dos relatórios, relativos à pasta de dados.
inline constexpr const char* kRelatorioVarenta = "relatorios\\Varenta.htm";
inline constexpr const char* kRelatorioFrequencia = "relatorios\\VarentaFrequencia.htm";
inline constexpr const char* kRelatorioRetorno = "relatorios\\VarentaRetorno.htm";

// Peças comuns da listagem de resultados e dos gráficos.
inline constexpr const char* kAberturaDaTabela = "<table border=\"0\" cellspacing=\"1\" cellpadding=\"0\" >";
inline constexpr const char* kRodapeDaEmpresa =
    "<p align=\"center\"><font face=\"Arial\" size=\"1\">"
    "Quinaro Professional - Orvane Technologies - www.orvane.example</font></p>";
// Página do produto, escrita no fim dos comprovantes.
inline constexpr const char* kEnderecoDoFabricante = "http://www.orvane.example/quinaro";

// "<html>" ... "<body>", com o estilo das células.
void EscreverCabecalhoHtml(CRelatorioHtml& relatorio);

// Título grande em azul dentro de um parágrafo.
std::string BlocoDeTitulo(const std::string& titulo);

// Célula de cabeçalho azul; com um espaço só entre a largura e a altura quando pedido.
std::string CelulaDeCabecalho(const std::string& rotulo, int largura, bool um_espaco = false);

// Valor em dinheiro à brasileira, sem símbolo: 1234567.89 -> "1.234.567,89".
std::string FormatarValor(double valor);

// Coluna de gols 0..3 como o número, 4 como "+".
std::string TextoDaColuna(int coluna);

// "2 x 1", "+ x 0": a maior coluna marcada de cada time (vazio se nenhuma).
std::string TextoDoPlacar(const CScore& placar);
