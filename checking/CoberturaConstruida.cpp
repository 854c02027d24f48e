#include "checking/CoberturaConstruida.h"

#include <algorithm>
#include <functional>

namespace {

using Vetor = std::array<int, 5>;
// Por jogo, grupo e resto: as células.
using Valores = std::array<std::vector<std::vector<std::vector<int32_t>>>, 5>;

constexpr std::array<int32_t, 5> kPeso = {1, 25, 625, 15625, 390625};

struct SPlano {
    int grupos;
    int restos;
    std::vector<Vetor> padroes;       // o grupo de cada jogo
    std::vector<Vetor> combinacoes;   // o resto de cada jogo
};

// Os primeiros grupos ficam com as células que sobram da divisão; dentro do grupo a
// posição dá o resto, e um grupo maior repete restos.
Valores Repartir(const std::array<std::vector<int32_t>, 5>& celulas, int grupos, int restos)
{
    Valores valores;
    for (size_t jogo = 0; jogo < 5; ++jogo) {
        const auto q = static_cast<int>(celulas[jogo].size());
        valores[jogo].assign(static_cast<size_t>(grupos), std::vector<std::vector<int32_t>>(static_cast<size_t>(restos)));
        size_t k = 0;
        for (int grupo = 0; grupo < grupos; ++grupo) {
            const int tamanho = q / grupos + (grupo < q % grupos ? 1 : 0);
            for (int posicao = 0; posicao < tamanho; ++posicao)
                valores[jogo][static_cast<size_t>(grupo)][static_cast<size_t>(posicao % restos)].push_back(
                    celulas[jogo][k++]);
        }
    }
    return valores;
}

const std::vector<int32_t>& Celulas(const Valores& valores, size_t jogo, const Vetor& padrao, const Vetor& combinacao)
{
    return valores[jogo][static_cast<size_t>(padrao[jogo])][static_cast<size_t>(combinacao[jogo])];
}

int64_t Contar(const SPlano& plano, const Valores& valores)
{
    int64_t total = 0;
    for (const Vetor& padrao : plano.padroes)
        for (const Vetor& combinacao : plano.combinacoes) {
            int64_t produto = 1;
            for (size_t jogo = 0; jogo < 5; ++jogo)
                produto *= static_cast<int64_t>(Celulas(valores, jogo, padrao, combinacao).size());
            total += produto;
        }
    return total;
}

void AcrescentarProduto(const Valores& valores, const Vetor& padrao, const Vetor& combinacao, size_t jogo,
                        int32_t parcial, std::vector<int32_t>& cartoes)
{
    if (jogo == 5) {
        cartoes.push_back(parcial);
        return;
    }
    for (int32_t celula : Celulas(valores, jogo, padrao, combinacao))
        AcrescentarProduto(valores, padrao, combinacao, jogo + 1, parcial + celula * kPeso[jogo], cartoes);
}

std::vector<int32_t> Montar(const SPlano& plano, const Valores& valores)
{
    std::vector<int32_t> cartoes;
    cartoes.reserve(static_cast<size_t>(Contar(plano, valores)));
    for (const Vetor& padrao : plano.padroes)
        for (const Vetor& combinacao : plano.combinacoes)
            AcrescentarProduto(valores, padrao, combinacao, 0, 0, cartoes);
    return cartoes;
}

void ParaCadaVetor(int simbolos, const std::function<void(const Vetor&)>& funcao)
{
    Vetor vetor{};
    for (int64_t n = 0, total = static_cast<int64_t>(simbolos) * simbolos * simbolos * simbolos * simbolos; n < total;
         ++n) {
        int64_t resto = n;
        for (int& simbolo : vetor) {
            simbolo = static_cast<int>(resto % simbolos);
            resto /= simbolos;
        }
        funcao(vetor);
    }
}

// GF(4) com 2 = w e 3 = w^2 (w^2 = w + 1): soma é o ou-exclusivo.
int VezesEmGF4(int a, int b)
{
    if (a == 0 || b == 0)
        return 0;
    constexpr std::array<int, 4> kLog = {0, 0, 1, 2};
    constexpr std::array<int, 3> kPotencia = {1, 2, 3};
    return kPotencia[static_cast<size_t>((kLog[static_cast<size_t>(a)] + kLog[static_cast<size_t>(b)]) % 3)];
}

// Código de Hamming perfeito de comprimento 5 sobre GF(4), colunas de verificação (1,0),
// (0,1), (1,1), (1,w), (1,w^2): a classe lateral da síndrome dada (0 a 15).
std::vector<Vetor> ClasseDeHamming(int sindrome)
{
    constexpr std::array<std::array<int, 2>, 5> kColunas = {{{1, 0}, {0, 1}, {1, 1}, {1, 2}, {1, 3}}};
    std::vector<Vetor> classe;
    ParaCadaVetor(4, [&](const Vetor& vetor) {
        int s0 = 0;
        int s1 = 0;
        for (size_t j = 0; j < 5; ++j) {
            s0 ^= VezesEmGF4(vetor[j], kColunas[j][0]);
            s1 ^= VezesEmGF4(vetor[j], kColunas[j][1]);
        }
        if (s0 * 4 + s1 == sindrome)
            classe.push_back(vetor);
    });
    return classe;
}

// Restos de soma múltipla de t: um jogo qualquer, trocado dentro do seu grupo, acerta a soma.
std::vector<Vetor> RestosDeSomaZero(int restos)
{
    std::vector<Vetor> combinacoes;
    ParaCadaVetor(restos, [&](const Vetor& vetor) {
        int soma = 0;
        for (int r : vetor)
            soma += r;
        if (soma % restos == 0)
            combinacoes.push_back(vetor);
    });
    return combinacoes;
}

// Corpo de t elementos: primo (soma e produto módulo t) ou 4 e 8 (polinômios sobre GF(2)).
struct SCorpo {
    int ordem;
    int Soma(int a, int b) const { return Primo() ? (a + b) % ordem : a ^ b; }
    int Produto(int a, int b) const
    {
        if (Primo())
            return a * b % ordem;
        const int modulo = ordem == 4 ? 0b111 : 0b1011;
        int produto = 0;
        for (int bit = 0; (b >> bit) != 0; ++bit)
            if ((b >> bit) & 1)
                produto ^= a << bit;
        for (int grau = 5; grau >= 0; --grau)
            if (((produto >> grau) & 1) && (1 << grau) >= ordem)
                produto ^= modulo << (grau - (ordem == 4 ? 2 : 3));
        return produto;
    }
    bool Primo() const { return ordem != 4 && ordem != 8; }
};

constexpr std::array<int, 9> kOrdensDosCorpos = {4, 5, 7, 8, 11, 13, 17, 19, 23};

// Reed-Solomon estendido duas vezes [5, 3] sobre GF(t): f(0), f(1), f(2), f(3) e o
// coeficiente de x^2, para f de grau menor que 3; quaisquer 3 jogos fixam a palavra.
std::vector<Vetor> ReedSolomon(int ordem)
{
    const SCorpo corpo{ordem};
    std::vector<Vetor> palavras;
    for (int c0 = 0; c0 < ordem; ++c0)
        for (int c1 = 0; c1 < ordem; ++c1)
            for (int c2 = 0; c2 < ordem; ++c2) {
                Vetor palavra{};
                for (int x = 0; x < 4; ++x)
                    palavra[static_cast<size_t>(x)] =
                        corpo.Soma(c0, corpo.Soma(corpo.Produto(c1, x), corpo.Produto(c2, corpo.Produto(x, x))));
                palavra[4] = c2;
                palavras.push_back(palavra);
            }
    return palavras;
}

// Planos que se aplicam às células dadas, cada um com a repartição que pede.
std::vector<SPlano> Planos(int menor, int raio)
{
    std::vector<SPlano> planos;
    if (raio == 1 && menor >= 4) {
        const int restos = menor / 4;
        const std::vector<Vetor> combinacoes = RestosDeSomaZero(restos);
        for (int sindrome = 0; sindrome < 16; ++sindrome)
            planos.push_back({4, restos, ClasseDeHamming(sindrome), combinacoes});
    }
    if (raio == 2) {
        // Com dois grupos, 00000 e 11111 cobrem os padrões a 2 trocas.
        for (int grupos : {1, 2})
            for (int ordem : kOrdensDosCorpos)
                if (grupos * ordem <= menor)
                    planos.push_back({grupos, ordem,
                                      grupos == 1 ? std::vector<Vetor>{Vetor{}} : std::vector<Vetor>{Vetor{}, {1, 1, 1, 1, 1}},
                                      ReedSolomon(ordem)});
    }
    return planos;
}

struct SEscolha {
    SPlano plano;
    Valores valores;
    int64_t tamanho = 0;
};

SEscolha MenorPlano(const std::array<std::vector<int32_t>, 5>& celulas, int raio)
{
    size_t menor = celulas[0].size();
    for (const std::vector<int32_t>& c : celulas)
        menor = std::min(menor, c.size());
    SEscolha escolha;
    for (SPlano& plano : Planos(static_cast<int>(menor), raio)) {
        Valores valores = Repartir(celulas, plano.grupos, plano.restos);
        const int64_t tamanho = Contar(plano, valores);
        if (escolha.tamanho == 0 || tamanho < escolha.tamanho)
            escolha = {std::move(plano), std::move(valores), tamanho};
    }
    return escolha;
}

} // namespace

std::vector<int32_t> CoberturaConstruida(const std::array<std::vector<int32_t>, 5>& celulas, int raio)
{
    const SEscolha escolha = MenorPlano(celulas, raio);
    if (escolha.tamanho == 0)
        return {};
    return Montar(escolha.plano, escolha.valores);
}

int64_t TamanhoDaCoberturaConstruida(const std::array<std::vector<int32_t>, 5>& celulas, int raio)
{
    return MenorPlano(celulas, raio).tamanho;
}
