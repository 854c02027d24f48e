// Redução com garantia (CFechamento) sobre quadros de favoritos: n células em cada um dos
// cinco jogos dão os n^5 cartões que o gerador faz sem chaves. Para cada quadro e garantia:
// cartões que ficam, o piso das bolas (nenhum conjunto menor cobre), rodadas feitas, se o
// prazo cortou e o tempo de relógio.
#include "checking/Fechamento.h"

#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

class CRodadas : public IProgressoFechamento {
public:
    void Atualizar(const SProgressoDoFechamento& progresso) override { rodada = progresso.rodada; }
    void BombearMensagens() override {}
    bool PararSolicitado() const override { return false; }
    int rodada = 0;
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

// Nenhum cartão cobre mais que a sua bola: total / bola é um piso para qualquer conjunto.
int64_t Piso(int celulas, int garantia)
{
    const int64_t outras = celulas - 1;
    int64_t bola = 1;
    if (garantia <= 4)
        bola += 5 * outras;
    if (garantia <= 3)
        bola += 10 * outras * outras;
    const auto total = static_cast<int64_t>(std::pow(celulas, 5));
    return (total + bola - 1) / bola;
}

} // namespace

int main(int argc, char** argv)
{
    const int segundos = argc > 1 ? std::atoi(argv[1]) : 60;
    const bool com_o_espaco_inteiro = argc > 2 && std::string(argv[2]) == "--cheio";
    std::vector<int> quadros = {2, 3, 4, 5, 6, 8, 10};
    if (com_o_espaco_inteiro)
        quadros.push_back(25);
    std::printf("prazo %d s\n%-10s %9s %8s %9s %9s %8s %7s %10s\n", segundos, "quadro", "cartões", "garantia",
                "ficam", "piso", "rodadas", "cortado", "tempo (s)");
    for (int celulas : quadros) {
        const std::vector<int32_t> cartoes = Quadro(celulas);
        for (int garantia : {3, 4}) {
            CRodadas progresso;
            const auto inicio = std::chrono::steady_clock::now();
            CFechamento fechamento(cartoes, garantia);
            const SResultadoDoFechamento resultado = fechamento.Reduzir(progresso, std::chrono::seconds(segundos));
            const std::chrono::duration<double> tempo = std::chrono::steady_clock::now() - inicio;
            std::printf("%2d^5%6s %9zu %8d %9lld %9lld %8d %7s %10.2f\n", celulas, "", cartoes.size(), garantia,
                        static_cast<long long>(resultado.depois), static_cast<long long>(Piso(celulas, garantia)),
                        progresso.rodada, resultado.interrompido ? "sim" : "não", tempo.count());
            std::fflush(stdout);
        }
    }
    return 0;
}
