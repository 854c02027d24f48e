// O desenho das páginas (volantes e folhas) em 0,01 mm, sem impressora.
#include "tests/support/CartoesDeTeste.h"

#include "core/CartaoCheio.h"
#include "printing/ConfiguracaoDeImpressao.h"
#include "core/ConfiguracoesEmMemoria.h"
#include "printing/ImpressaoDeCartoes.h"
#include "printing/PrecoDoCartao.h"
#include "core/Score.h"
#include "core/Volante.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using testing::ElementsAre;
using testing::ElementsAreArray;
using testing::IsEmpty;
using testing::StartsWith;
namespace C = ChaveDeImpressao;

constexpr const char* kEndereco = "http://www.orvane.example/quinaro";

SCaixa Marca(int64_t x1, int64_t y1, int64_t x2, int64_t y2)
{
    return {SCaixa::ETipo::Marca, {x1, y1}, {x2, y2}};
}
SCaixa Barra(int64_t x1, int64_t y1, int64_t x2, int64_t y2)
{
    return {SCaixa::ETipo::Barra, {x1, y1}, {x2, y2}};
}

std::vector<std::string> Textos(const SPaginaImpressa& pagina)
{
    std::vector<std::string> textos;
    for (const STexto& texto : pagina.textos)
        textos.push_back(texto.texto);
    return textos;
}

class GeometriaDaImpressao : public testing::Test {
protected:
    void Gravar(const char* nome, int valor) { m_configuracoes.GravarInteiro(C::kSecao, nome, valor); }

    // Prepara e imprime as páginas na ordem dada.
    std::vector<SPaginaImpressa> Imprimir(const CVarentaDoc& documento, const std::vector<int>& paginas)
    {
        CImpressaoDeCartoes impressao(documento, m_configuracoes);
        impressao.PrepararImpressao();
        std::vector<SPaginaImpressa> desenhos;
        for (int pagina : paginas)
            desenhos.push_back(impressao.ImprimirPagina(pagina));
        return desenhos;
    }

    CConfiguracoesEmMemoria m_configuracoes;
};

TEST_F(GeometriaDaImpressao, PadroesDaImpressaoSemNenhumaChave)
{
    const SConfiguracaoDeImpressao lida = LerConfiguracaoDeImpressao(m_configuracoes);
    EXPECT_EQ(lida.tipo, 0);
    EXPECT_EQ(lida.volante_margem_x, 3200);
    EXPECT_EQ(lida.volante_margem_y, 7500);
    EXPECT_EQ(lida.folha_margem_x, 2000);
    EXPECT_EQ(lida.folha_margem_y, 1500);
    EXPECT_FALSE(lida.primeira_linha_vertical);
    EXPECT_FALSE(lida.segunda_linha_vertical);
    EXPECT_TRUE(lida.terceira_linha_vertical);
    EXPECT_TRUE(lida.linha_horizontal);
    EXPECT_EQ(lida.cor_das_linhas_rgb, 0u);

    // Volante em X = 3200, Y = 7500; folha em X = 2000, Y = 1500 - 500.
    const auto documento = DocumentoComCartoes(1);
    const SPaginaImpressa folha = Imprimir(*documento, {1})[0];
    ASSERT_FALSE(folha.caixas.empty());
    EXPECT_EQ(folha.caixas.front(), Barra(2000, -3280, 2300, -3500));
    Gravar(C::kTipo, kTipoVolantes);
    const SPaginaImpressa volante = Imprimir(*documento, {1})[0];
    ASSERT_FALSE(volante.caixas.empty());
    EXPECT_EQ(volante.caixas.front(), Marca(3200, -7280, 3615, -7500));
}

TEST_F(GeometriaDaImpressao, ContagemDePaginasPeloTipo)
{
    struct SCaso {
        int tipo;
        int cartoes;
        int paginas;
    };
    // Só "tipo" 1 conta um volante por cartão; qualquer outro valor conta folhas.
    const SCaso casos[] = {
        {0, 0, 0}, {0, 1, 1}, {0, 4, 1}, {0, 5, 2}, {0, 8, 2}, {0, 9, 3},
        {1, 0, 0}, {1, 1, 1}, {1, 5, 5}, {2, 5, 2}, {-1, 5, 2}, {7, 9, 3},
    };
    for (const SCaso& caso : casos) {
        SCOPED_TRACE("tipo " + std::to_string(caso.tipo) + ", cartões " + std::to_string(caso.cartoes));
        Gravar(C::kTipo, caso.tipo);
        const auto documento = DocumentoComCartoes(caso.cartoes);
        CImpressaoDeCartoes impressao(*documento, m_configuracoes);
        EXPECT_EQ(impressao.PrepararImpressao(), caso.paginas);
        EXPECT_EQ(impressao.PaginaAtual(), 1);
        if (caso.cartoes == 0) {
            EXPECT_EQ(impressao.PrimeiroDaPagina(), -1);
            EXPECT_EQ(impressao.UltimoDaPagina(), -1);
        } else {
            EXPECT_EQ(impressao.PrimeiroDaPagina(), 0);
        }
    }
}

TEST_F(GeometriaDaImpressao, TipoDiferenteDeUmDesenhaFolhas)
{
    const auto documento = DocumentoComCartoes(5);
    for (int tipo : {0, 2, -1}) {
        SCOPED_TRACE("tipo " + std::to_string(tipo));
        Gravar(C::kTipo, tipo);
        const SPaginaImpressa pagina = Imprimir(*documento, {1})[0];
        EXPECT_THAT(Textos(pagina), ElementsAre(StartsWith("1 - R$ 0.50 Varenta "), StartsWith("2 - R$"),
                                                StartsWith("3 - R$"), StartsWith("4 - R$")));
    }
}

TEST_F(GeometriaDaImpressao, VolanteComMarcasETextoNasCoordenadas)
{
    Gravar(C::kTipo, kTipoVolantes);
    Gravar(C::kVolanteMargemX, 1000);
    Gravar(C::kVolanteMargemY, 2000);
    // Jogos 0 a 3 em 0x0; jogo 4 em +x3 (célula 0); valor da aposta 2.
    const auto documento = DocumentoComCartoes(1, 2);
    const SPaginaImpressa pagina = Imprimir(*documento, {1})[0];

    EXPECT_THAT(pagina.caixas, ElementsAre(Marca(1000, -1780, 1415, -2000), Marca(1000, -2280, 1415, -2500),
                                           Marca(1000, -2910, 1415, -3130), Marca(1000, -3410, 1415, -3630),
                                           Marca(1000, -4040, 1415, -4260), Marca(1000, -4540, 1415, -4760),
                                           Marca(1000, -5170, 1415, -5390), Marca(1000, -5670, 1415, -5890),
                                           Marca(2890, -6800, 3305, -7020), Marca(3520, -6300, 3935, -6520),
                                           Marca(2260, -7410, 2675, -7630)));
    ASSERT_EQ(pagina.textos.size(), 1u);
    const STexto& texto = pagina.textos[0];
    EXPECT_EQ(texto.canto, (SPonto{-2000, -8870}));
    EXPECT_EQ(texto.texto, std::string("1 - R$ 2.00 - ") + kEndereco);
    EXPECT_EQ(texto.fonte, "Arial");
    EXPECT_EQ(texto.altura, 300);
    EXPECT_EQ(texto.peso, 700);
    EXPECT_EQ(texto.rgb, 0u);
    EXPECT_THAT(pagina.linhas, IsEmpty());
}

TEST_F(GeometriaDaImpressao, VolantesUmPorPaginaNumeradosPelaPosicao)
{
    Gravar(C::kTipo, kTipoVolantes);
    const auto documento = DocumentoComCartoes(3);
    const auto paginas = Imprimir(*documento, {1, 2, 3, 2});
    const char* esperados[] = {"1 - R$ 0.50 - ", "2 - R$ 0.50 - ", "3 - R$ 0.50 - ", "2 - R$ 0.50 - "};
    for (size_t i = 0; i < paginas.size(); ++i) {
        SCOPED_TRACE("pedido " + std::to_string(i));
        EXPECT_THAT(Textos(paginas[i]), ElementsAre(std::string(esperados[i]) + kEndereco));
    }
    // O jogo 0 do cartão 2 está na célula 15 (1x3): marca do time 1 na coluna "1".
    EXPECT_EQ(paginas[1].caixas.front(), Marca(3830, -7280, 4245, -7500));
}

TEST_F(GeometriaDaImpressao, FolhaComBarrasEMarcasDoQuartoCartao)
{
    Gravar(C::kFolhaMargemX, 2000);
    Gravar(C::kFolhaMargemY, 1500);
    const auto documento = DocumentoComCartoes(4, 2);
    // O quarto cartão (posição embaixo à direita): x0 = 10280, t0 = -14800.
    const SPaginaImpressa pagina = Imprimir(*documento, {1})[0];
    ASSERT_EQ(pagina.caixas.size(), 4u * 27u);
    const std::vector<SCaixa> quarto(pagina.caixas.end() - 27, pagina.caixas.end());
    EXPECT_THAT(quarto, ElementsAreArray({
        Barra(10280, -17080, 10580, -17300), Barra(10280, -17575, 10580, -17795),
        Barra(10280, -18210, 10580, -18430), Barra(10280, -18705, 10580, -18925),
        Barra(10280, -19340, 10580, -19560), Barra(10280, -19835, 10580, -20055),
        Barra(10280, -20470, 10580, -20690), Barra(10280, -20965, 10580, -21185),
        Barra(10280, -21600, 10580, -21820), Barra(10280, -22095, 10580, -22315),
        Barra(10280, -22730, 10580, -22950),
        Barra(10280, -15250, 10580, -15470), Barra(10730, -15250, 11145, -15470),
        Barra(12000, -15250, 12415, -15470), Barra(13270, -15250, 13685, -15470),
        Barra(14540, -15250, 14955, -15470),
        // Jogo 0 do quarto cartão na célula 17 (1x2); jogos 1 a 3 em 0x0; jogo 4 em +x3.
        Marca(15160, -17080, 15575, -17300), Marca(15790, -17580, 16205, -17800),
        Marca(14530, -18210, 14945, -18430), Marca(14530, -18710, 14945, -18930),
        Marca(14530, -19340, 14945, -19560), Marca(14530, -19840, 14945, -20060),
        Marca(14530, -20470, 14945, -20690), Marca(14530, -20970, 14945, -21190),
        Marca(16420, -22100, 16835, -22320), Marca(17050, -21600, 17465, -21820),
        Marca(15790, -22930, 16205, -22710),
    }));
    ASSERT_EQ(pagina.textos.size(), 4u);
    const STexto& texto = pagina.textos[3];
    EXPECT_EQ(texto.canto, (SPonto{11480, -24300}));
    EXPECT_EQ(texto.texto, std::string("4 - R$ 2.00 Varenta ") + kEndereco);
    EXPECT_EQ(texto.fonte, "Arial");
    EXPECT_EQ(texto.altura, 280);
    EXPECT_EQ(texto.peso, 400);
}

TEST_F(GeometriaDaImpressao, PosicoesDosQuatroCartoesNaFolha)
{
    const auto documento = DocumentoComCartoes(4);
    const SPaginaImpressa pagina = Imprimir(*documento, {1})[0];
    // Primeira barra de alinhamento de cada cartão: X = 2000, Y = 1000.
    std::vector<SCaixa> primeiras;
    for (size_t i = 0; i < pagina.caixas.size(); i += 27)
        primeiras.push_back(pagina.caixas[i]);
    EXPECT_THAT(primeiras, ElementsAre(Barra(2000, -3280, 2300, -3500), Barra(10280, -3280, 10580, -3500),
                                       Barra(2000, -17080, 2300, -17300), Barra(10280, -17080, 10580, -17300)));
}

TEST_F(GeometriaDaImpressao, LinhasDeRecorteNaCorGravada)
{
    struct SCaso {
        const char* nome;
        int primeira, segunda, terceira, horizontal;
        std::vector<SLinha> linhas;
    };
    const uint32_t oliva = 128 | 128 << 8;
    const SLinha primeira{{2000, 0}, {2000, -28000}, oliva};
    const SLinha segunda{{10280, 0}, {10280, -28000}, oliva};
    const SLinha terceira{{18560, 0}, {18560, -28000}, oliva};
    const SLinha horizontal{{0, -13700}, {20370, -13700}, oliva};
    const SCaso casos[] = {
        {"todas", 1, 1, 1, 1, {primeira, segunda, terceira, horizontal}},
        {"padrão", 0, 0, 1, 1, {terceira, horizontal}},
        {"só a primeira", 5, 0, 0, 0, {primeira}},
        {"só a segunda", 0, 1, 0, 0, {segunda}},
        {"nenhuma", 0, 0, 0, 0, {}},
    };
    Gravar(C::kCorDasLinhasRgb, static_cast<int>(oliva));
    const auto documento = DocumentoComCartoes(2);
    for (const SCaso& caso : casos) {
        SCOPED_TRACE(caso.nome);
        Gravar(C::kPrimeiraLinhaVertical, caso.primeira);
        Gravar(C::kSegundaLinhaVertical, caso.segunda);
        Gravar(C::kTerceiraLinhaVertical, caso.terceira);
        Gravar(C::kLinhaHorizontal, caso.horizontal);
        const SPaginaImpressa pagina = Imprimir(*documento, {1})[0];
        EXPECT_EQ(pagina.linhas, caso.linhas);
        // Sem linhas, as barras e caixas dos dois cartões continuam lá.
        EXPECT_EQ(pagina.caixas.size(), 2u * 27u);
        for (const STexto& texto : pagina.textos)
            EXPECT_EQ(texto.rgb, oliva);
    }
}

TEST_F(GeometriaDaImpressao, CincoCartoesEmFolhasDaoDuasPaginas)
{
    const auto documento = DocumentoComCartoes(5);
    const auto paginas = Imprimir(*documento, {1, 2});
    EXPECT_THAT(Textos(paginas[0]), ElementsAre(StartsWith("1 - "), StartsWith("2 - "), StartsWith("3 - "),
                                                StartsWith("4 - ")));
    // O cartão 5 sozinho, em cima à esquerda, com o número 5.
    EXPECT_THAT(Textos(paginas[1]), ElementsAre(std::string("5 - R$ 0.50 Varenta ") + kEndereco));
    EXPECT_EQ(paginas[1].textos[0].canto, (SPonto{2000 + 1200, -1000 - 9500}));
    ASSERT_EQ(paginas[1].caixas.size(), 27u);
    EXPECT_EQ(paginas[1].caixas.front(), Barra(2000, -3280, 2300, -3500));
    // Linhas de recorte (as do padrão) nas duas páginas.
    EXPECT_EQ(paginas[0].linhas.size(), 2u);
    EXPECT_EQ(paginas[1].linhas, paginas[0].linhas);
}

TEST_F(GeometriaDaImpressao, PaginasPedidasForaDeOrdem)
{
    struct SCaso {
        const char* nome;
        int tipo;
        int cartoes;
        std::vector<int> ordem;
    };
    const SCaso casos[] = {
        {"folhas 2 e 1", kTipoFolhas, 5, {2, 1}},
        {"folhas de trás para a frente", kTipoFolhas, 10, {3, 2, 1, 3, 1}},
        {"folhas além do fim e de volta", kTipoFolhas, 6, {4, 2, 1}},
        {"volantes salteados", kTipoVolantes, 4, {4, 1, 3, 2}},
        {"volantes além do fim e de volta", kTipoVolantes, 3, {5, 3, 1}},
    };
    for (const SCaso& caso : casos) {
        SCOPED_TRACE(caso.nome);
        Gravar(C::kTipo, caso.tipo);
        const auto documento = DocumentoComCartoes(caso.cartoes);
        const auto fora_de_ordem = Imprimir(*documento, caso.ordem);
        for (size_t i = 0; i < caso.ordem.size(); ++i) {
            SCOPED_TRACE("página " + std::to_string(caso.ordem[i]));
            // A mesma página impressa logo depois da preparação, em ordem.
            std::vector<int> em_ordem;
            for (int p = 1; p <= caso.ordem[i]; ++p)
                em_ordem.push_back(p);
            const SPaginaImpressa esperada = Imprimir(*documento, em_ordem).back();
            EXPECT_EQ(fora_de_ordem[i].caixas, esperada.caixas);
            EXPECT_EQ(Textos(fora_de_ordem[i]), Textos(esperada));
        }
    }
    Gravar(C::kTipo, kTipoFolhas);
    const auto documento = DocumentoComCartoes(5);
    const auto paginas = Imprimir(*documento, {2, 1});
    EXPECT_THAT(Textos(paginas[1]), ElementsAre(StartsWith("1 - "), StartsWith("2 - "), StartsWith("3 - "),
                                                StartsWith("4 - ")));
}

TEST_F(GeometriaDaImpressao, PaginasSemCartoesFicamEmBranco)
{
    struct SCaso {
        const char* nome;
        int cartoes;
        int pagina;
    };
    const SCaso casos[] = {{"documento vazio", 0, 1}, {"depois do fim", 5, 3}, {"página zero", 5, 0}};
    for (const SCaso& caso : casos) {
        SCOPED_TRACE(caso.nome);
        const auto documento = DocumentoComCartoes(caso.cartoes);
        EXPECT_TRUE(Imprimir(*documento, {caso.pagina})[0].Vazia());
    }
}

TEST_F(GeometriaDaImpressao, PrecoDoCartao)
{
    CVolante duplo;
    CScore dois_gols_no_time1 = *CCartaoCheio::Instancia().Celula(0, 14);
    dois_gols_no_time1.m_time1[1] = 1;  // 0x0 e 1x0: duas apostas simples
    duplo.m_qtde = 5;
    for (int m = 0; m < 5; ++m)
        duplo.m_scores[m] = m == 0 ? &dois_gols_no_time1 : CCartaoCheio::Instancia().Celula(m, 14);
    const auto documento = DocumentoComCartoes(1);
    const CVolante simples = documento->m_volantes.Cartao(0);

    struct SCaso {
        const CVolante* cartao;
        int valor;
        const char* preco;
    };
    const SCaso casos[] = {
        // "R$ 4,00" marca a caixa "2,00" do volante e cobra o mesmo.
        {&simples, 0, "0.50"}, {&simples, 1, "1.00"}, {&simples, 2, "2.00"},
        // Índice do arquivo fora das três caixas: sem preço, nada de algarismos pela folha.
        {&simples, 9, "-"},    {&simples, 1000, "-"},
        {&duplo, 0, "1.00"},   {&duplo, 1, "2.00"},   {&duplo, 2, "4.00"},
    };
    for (const SCaso& caso : casos) {
        SCOPED_TRACE(caso.preco);
        EXPECT_EQ(TextoDoPrecoDoCartao(*caso.cartao, caso.valor), caso.preco);
    }
}

}  // namespace
