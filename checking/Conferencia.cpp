#include "checking/Conferencia.h"

#include "core/ErroDoUsuario.h"
#include "core/ListaDeVolantes.h"

#include <string>

namespace {

constexpr int kMenorPremio = 3;

uint32_t CorDoPremio(int acertos)
{
    switch (acertos) {
    case 3:
        return Rgb(30, 150, 50);
    case 4:
        return Rgb(0, 0, 255);
    default:
        return Rgb(255, 0, 0);
    }
}

std::string LinhaDoPremio(int posicao, int acertos)
{
    return "O volante " + std::to_string(posicao) + " tem " + std::to_string(acertos) + " pontos !!!";
}

void ValidarColuna(int coluna, int jogo)
{
    if (coluna < 0 || coluna > 4)
        throw CErroDoUsuario("Coluna de gols inválida no jogo " + std::to_string(jogo + 1) + ".");
}

} // namespace

CCartaoResultado::CCartaoResultado(const std::array<int, 10>& colunas)
{
    m_volante.m_qtde = 5;
    for (int jogo = 0; jogo < 5; ++jogo) {
        const int coluna1 = colunas[static_cast<size_t>(2 * jogo)];
        const int coluna2 = colunas[static_cast<size_t>(2 * jogo + 1)];
        ValidarColuna(coluna1, jogo);
        ValidarColuna(coluna2, jogo);
        CScore& entrada = m_entradas[static_cast<size_t>(jogo)];
        entrada.m_jogo = static_cast<int16_t>(jogo);
        entrada.m_time1[coluna1] = 1;
        entrada.m_time2[coluna2] = 1;
        m_volante.m_scores[jogo] = &entrada;
    }
}

std::string TextoDaAnalise(int acertos, int quantidade)
{
    const std::string n = std::to_string(quantidade);
    const std::string h = std::to_string(acertos);
    switch (acertos) {
    case 0:
        if (quantidade == 0)
            return "Todos os cartões obtiveram ao menos 1 acerto.";
        if (quantidade == 1)
            return "Foi encontrado " + n + " cartão com nenhum acerto";
        return "Foram encontrados " + n + " cartões com nenhum acerto.";
    case 1:
        if (quantidade == 0)
            return "Não foi encontrado nenhum cartão com apenas 1 acerto.";
        if (quantidade == 1)
            return "Foi encontrado " + n + " cartão com 1 acerto";
        return "Foram encontrados " + n + " cartões com 1 acerto";
    default:
        if (quantidade == 0)
            return "Não foi encontrado nenhum cartão com " + h + " acertos.";
        if (quantidade == 1)
            return "Foi encontrado " + n + " cartão com " + h + " acertos.";
        return "Foram encontrados " + n + " cartões com " + h + " acertos.";
    }
}

bool ConferirVolantes(const CListaDeVolantes& volantes, const CVolante& resultado,
                      std::vector<std::string>& resumo, std::vector<SLinhaColorida>& premios)
{
    resumo.clear();
    premios.clear();
    std::array<int, 6> contagem{};
    int posicao = 1;
    for (const CVolante volante : volantes) {
        const int acertos = resultado.ContarAcertos(volante);
        ++contagem[static_cast<size_t>(acertos)];
        if (acertos >= kMenorPremio)
            premios.push_back({LinhaDoPremio(posicao, acertos), CorDoPremio(acertos)});
        ++posicao;
    }
    for (int acertos = 0; acertos <= 5; ++acertos)
        resumo.push_back(TextoDaAnalise(acertos, contagem[static_cast<size_t>(acertos)]));
    return contagem[5] > 0;
}
