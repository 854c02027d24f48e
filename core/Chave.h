#pragma once

#include "core/Objeto.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

class CAposta;
class CScoreGrupo;

// Chave: jogos agrupados sob um nome, com o mínimo e o máximo de favoritos acertados.
class CChave : public CObjeto {
public:
    static constexpr const char* kNome = "CChave";

    CChave() = default;
    explicit CChave(std::string nome);

    std::string m_nome;
    int32_t m_min = 0;
    int32_t m_max = 0;
    int32_t m_qtde_jogos = 0;
    int32_t m_cresceu = 0;
    int32_t m_reservado = 0;
    std::vector<CScoreGrupo*> m_grupos;  // favoritos dos jogos da chave, durante uma geração
    int32_t m_padroes = 0;
    int32_t m_visitados = 0;

    // Estado de trabalho do gerador.
    std::vector<CScoreGrupo*> m_selecao;
    size_t m_posicao = 0;
    int32_t m_acertos = 0;
    CAposta* m_aposta = nullptr;

    const char* NomeDaClasse() const override { return kNome; }
    void Serialize(CEscritorDeArquivo& ar) const override;
    void Serialize(CLeitorDeArquivo& ar) override;

    // Padrões de acerto da chave incompleta na posição dada das incompletas.
    void Enumerar(size_t posicao);
    void EnumerarPadroes(size_t grupo);
};
