// Redução com garantia (CFechamento) sobre quadros de favoritos: n células em cada um dos
// cinco jogos dão os n^5 cartões que o gerador faz sem chaves. Para cada quadro e garantia:
// o tamanho da construção (0: nenhuma), cartões que ficam, o piso das bolas (nenhum
// conjunto menor cobre), trocas da busca, se o prazo cortou e o tempo de relógio.
#include "checking/CoberturaConstruida.h"
#include "checking/Fechamento.h"

#include <array>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

class CTrocas : public IProgressoFechamento {
public:
    void Atualizar(const SProgressoDoFechamento& progresso) override { passos = progresso.passos; }
    void BombearMensagens() override {}
    bool PararSolicitado() const override { return false; }
    int64_t passos = 0;
};

std::vector<int32_t> Quadro(int celulas)
{
    std::vector<int32_t> cartoes;
    const int total = static_cast<int>(std::pow(celulas, 5));
    cartoes.reserve(static_cast<size_t>(total));
    for (int i = 0; i < total; ++i) {
        int32_t numero = 0;
        for (int jogo = 0, resto = i, peso = 1; jogo < 5; ++jogo, resto /= celulas, peso *= 25)
            numero += peso * (resto % celulas);
        cartoes.push_back(numero);
    }
    return cartoes;
}

int64_t TamanhoDaConstrucao(int celulas, int garantia)
{
    std::array<std::vector<int32_t>, 5> quadro;
    for (std::vector<int32_t>& jogo : quadro)
        for (int celula = 0; celula < celulas; ++celula)
            jogo.push_back(celula);
    return TamanhoDaCoberturaConstruida(quadro, 5 - garantia);
}

} // namespace

int main(int argc, char** argv)
{
    // Sem prazo dado, os da tabela de metas: 30 s até 6^5, 60 s acima.
    const int pedido = argc > 1 ? std::atoi(argv[1]) : 0;
    const bool com_o_espaco_inteiro = argc > 2 && std::string(argv[2]) == "--cheio";
    std::vector<int> quadros = {2, 3, 4, 5, 6, 8, 10};
    if (com_o_espaco_inteiro)
        quadros.push_back(25);
    std::printf("%-10s %9s %8s %10s %9s %9s %11s %7s %10s %9s\n", "quadro", "cartões", "garantia", "construção",
                "ficam", "piso", "trocas", "cortado", "tempo (s)", "prazo (s)");
    for (int celulas : quadros) {
        const std::vector<int32_t> cartoes = Quadro(celulas);
        const int segundos = pedido > 0 ? pedido : celulas <= 6 ? 30 : 60;
        for (int garantia : {3, 4}) {
            CTrocas progresso;
            const auto inicio = std::chrono::steady_clock::now();
            // Como na redução do documento: o prazo conta desde a indexação dos cartões.
            CFechamento fechamento(cartoes, garantia);
            const SResultadoDoFechamento resultado = fechamento.Reduzir(
                progresso, std::chrono::seconds(segundos) - (std::chrono::steady_clock::now() - inicio));
            const std::chrono::duration<double> tempo = std::chrono::steady_clock::now() - inicio;
            std::printf("%2d^5%6s %9zu %8d %10lld %9lld %9lld %11lld %7s %10.2f %9d\n", celulas, "", cartoes.size(),
                        garantia, static_cast<long long>(TamanhoDaConstrucao(celulas, garantia)),
                        static_cast<long long>(resultado.depois), static_cast<long long>(resultado.piso),
                        static_cast<long long>(progresso.passos), resultado.interrompido ? "sim" : "não",
                        tempo.count(), segundos);
            std::fflush(stdout);
        }
    }
    return 0;
}
