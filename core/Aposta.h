#pragma once

#include "Filtro.h"
#include "ListaDeVolantes.h"

#include <cstddef>
#include <cstdint>
#include <vector>

class CChave;
class CScore;
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
    void GerarCartoes();
    void EscolherCompletas(size_t posicao);
    void EnumerarIncompletas();
    void Montar();
    void Expandir(const std::vector<const CScoreGrupo*>& grupos, size_t grupo);

    bool PararSolicitado() const;

private:
    IProgressoGeracao& m_progresso;
    size_t m_lugar = 0;  // lugar das completas sendo preenchido
    const CScore* m_escolhidos[5] = {};
};
