#pragma once

#include "core/Filtro.h"
#include "core/ListaDeVolantes.h"
#include "core/ResumoDoVolante.h"
#include "core/Volante.h"

#include <cstddef>
#include <cstdint>
#include <vector>

class CChave;
class CScoreGrupo;
class IProgressoGeracao;

// Gerador de cartões: todos os cartões que cumprem o quadro, uma vez cada, na ordem
// fixa (chaves completas de k = máximo a mínimo, combinações, padrões, produto).
class CAposta {
public:
    CAposta(IConfiguracoes& configuracoes, IProgressoGeracao& progresso);

    bool m_filtrar = false;
    CFiltro m_filtro;
    std::vector<CChave*> m_chaves;
    std::vector<CScoreGrupo*> m_grupos_sem_chave;
    int32_t m_min_completas = 0;
    int32_t m_max_completas = 0;
    std::vector<CChave*> m_completas;
    std::vector<CChave*> m_incompletas;
    CListaDeVolantes m_aprovados;  // em ordem de produção; o chamador os toma
    int32_t m_geradas = 0;
    int32_t m_aprovadas = 0;

    // Esvazia as listas de trabalho e os aprovados (antes de preparar uma execução).
    void Limpar();
    // A execução inteira. Um quadro com mais de 5 grupos (um por jogo) é recusado com
    // CErroDoUsuario antes de começar.
    void GerarCartoes();
    void EscolherCompletas(size_t posicao);
    void EnumerarIncompletas();
    // Um grupo por jogo (completas, seleções das incompletas, jogos sem chave) e o produto.
    void Montar();
    // Grupo nulo ou vazio (jogo sem alternativas) não dá cartão nesse ramo.
    void Expandir(const std::vector<const CScoreGrupo*>& grupos, size_t grupo);

private:
    // Os k de m_max_completas a m_min_completas, cada um com as suas combinações.
    void PercorrerCompletas();
    // Cartões que a execução fará se ninguém a parar: a mesma enumeração, só contando.
    double ContarCartoes();
    bool CombinacaoAdmissivel() const;
    void OrdenarOsGrupos(const std::vector<const CScoreGrupo*>& grupos);
    void DescreverOsGrupos(const std::vector<const CScoreGrupo*>& grupos);
    void DescreverNoLugar(size_t grupo, size_t lugar, bool ultimo, const CResumoDoVolante::SDescricao& descricao);
    bool Aprovado(const CVolante& cartao) const;
    void ProduzirCartao();
    size_t QtdeDeGrupos() const;

    IProgressoGeracao& m_progresso;
    // Cópia do pedido de parada: ele só muda enquanto as mensagens são tratadas, e
    // perguntar a cada cartão custaria uma chamada virtual por cartão.
    bool m_parar = false;
    size_t m_lugar = 0;  // lugar das completas sendo preenchido
    // O cartão sendo montado: a escolha de cada grupo já no lugar em que ele cai.
    CVolante m_cartao;
    size_t m_lugar_no_cartao[5] = {};
    bool m_ordenar_cada_cartao = false;
    // Contando, Montar só soma o tamanho do produto em m_a_gerar.
    bool m_contando = false;
    double m_a_gerar = 0;
    // Filtrando com os grupos já na ordem do cartão, cada placar é descrito uma vez por
    // grupo, e o cartão vai sendo somado nível a nível do produto: no último só entra o
    // placar que varia.
    SFaixasDoFiltro m_faixas;
    bool m_descrever = false;
    std::vector<std::vector<CResumoDoVolante::SDescricao>> m_descricoes;
    uint64_t m_somas[5][CResumoDoVolante::kPalavrasDeSomas] = {};
    CResumoDoVolante::SCartaoDescrito m_descrito;
};
