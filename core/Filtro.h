#pragma once

#include "core/ResumoDoVolante.h"

#include <array>
#include <cstdint>

class CListaDeVolantes;
class CVolante;
class IConfiguracoes;
class IProgressoFiltragem;
struct SFaixasDoFiltro;

// Um dos 26 critérios estatísticos: sufixo dos nomes na seção "filtros", rótulos e
// maior valor possível (máximo padrão e limite dos campos do diálogo).
struct SDefinicaoDeFiltro {
    const char* nome;
    const char* rotulo_do_dialogo;
    const char* rotulo_do_resumo;
    int32_t maximo;
};

inline constexpr int kQtdeDeFiltros = 26;
// Na ordem da numeração 1..26.
extern const std::array<SDefinicaoDeFiltro, kQtdeDeFiltros> kFiltros;
inline constexpr const char* kSecaoFiltros = "filtros";

// Aplica os critérios ligados a um cartão (durante a geração) ou à lista do documento.
class CFiltro {
public:
    struct SCriterio {
        int32_t ligado = 0;
        int32_t minimo = 0;
        int32_t maximo = 0;
    };

    explicit CFiltro(IConfiguracoes& configuracoes);

    // Lê os 78 valores da seção "filtros" (com os padrões).
    void CarregarFiltros();
    bool AprovarVolante(const CVolante& volante) const;
    // Os critérios de agora em forma de conferir milhões de cartões (tirada a cada execução).
    SFaixasDoFiltro Faixas() const;
    // Remove da lista cada cartão reprovado (de uma vez, ao fim), descontando do total de
    // apostas o QtdeDeApostas do cartão. Os filtros devem ter sido carregados antes.
    void FiltrarVolantes(CListaDeVolantes& volantes, int32_t& qtde_apostas, IProgressoFiltragem& progresso);

    // Na ordem de kFiltros.
    std::array<SCriterio, kQtdeDeFiltros> m_criterios{};

private:
    IConfiguracoes& m_configuracoes;
};

// Mínimo e máximo de cada critério no byte da sua faixa (CResumoDoVolante); um critério
// desligado aceita de 0 a 127, mais do que qualquer estatística. Limites acima de 127
// (ou negativos, tomados sem sinal) valem o mesmo que 127: nenhuma estatística passa de 40.
struct SFaixasDoFiltro {
    static constexpr uint64_t kAbertas = 0x7F7F7F7F7F7F7F7Full;

    // Tudo aceito, como com todos os critérios desligados.
    SFaixasDoFiltro() = default;
    explicit SFaixasDoFiltro(const std::array<CFiltro::SCriterio, kQtdeDeFiltros>& criterios);
    // Todas as estatísticas do cartão dentro dos limites, conferidas oito a oito: as somas
    // primeiro; as repetições só quando algum critério delas está ligado e as somas passaram.
    bool Aprova(const CResumoDoVolante::SCartaoDescrito& cartao) const;

    uint64_t minimos[CResumoDoVolante::kPalavras] = {};
    uint64_t maximos[CResumoDoVolante::kPalavras] = {kAbertas, kAbertas, kAbertas, kAbertas};
    bool repeticoes = false;
};
