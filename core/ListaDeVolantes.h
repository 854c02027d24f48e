#pragma once

#include <cstdint>

class CEscritorDeArquivo;
class CLeitorDeArquivo;
class CVolante;

// Lista dos cartões do documento, encadeada pelos próprios cartões; dona deles.
class CListaDeVolantes {
public:
    CListaDeVolantes() = default;
    ~CListaDeVolantes();
    CListaDeVolantes(const CListaDeVolantes&) = delete;
    CListaDeVolantes& operator=(const CListaDeVolantes&) = delete;

    CVolante* m_primeiro = nullptr;
    CVolante* m_ultimo = nullptr;
    int32_t m_qtde = 0;
    // Muda a cada cartão que entra ou sai: quem guardou o valor sabe se a lista mudou
    // desde então sem comparar milhões de cartões.
    uint64_t m_revisao = 0;

    void Adicionar(CVolante* volante);
    // Desencadeia e apaga o cartão; devolve 1.
    int Remover(CVolante* volante);
    // Apaga todos os cartões.
    void Esvaziar();
    // Passa todos os cartões de outra lista para o fim desta, na mesma ordem.
    void Transferir(CListaDeVolantes& origem);

    void Serialize(CEscritorDeArquivo& ar) const;
    // Acrescenta os cartões lidos.
    void Serialize(CLeitorDeArquivo& ar);
};
