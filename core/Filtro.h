#pragma once

#include <array>
#include <cstdint>

class CListaDeVolantes;
class CResumoDoVolante;
class CVolante;
class IConfiguracoes;
class IProgressoFiltragem;

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
    // Remove da lista cada cartão reprovado (de uma vez, ao fim), descontando do total de
    // apostas o QtdeDeApostas do cartão. Os filtros devem ter sido carregados antes.
    void FiltrarVolantes(CListaDeVolantes& volantes, int32_t& qtde_apostas, IProgressoFiltragem& progresso);

    // Na ordem de kFiltros.
    std::array<SCriterio, kQtdeDeFiltros> m_criterios{};

private:
    bool AprovarResumo(const CResumoDoVolante& resumo) const;

    IConfiguracoes& m_configuracoes;
};
