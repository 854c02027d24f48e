#pragma once

#include "core/Score.h"
#include "core/Volante.h"

#include <cstddef>
#include <cstdint>
#include <iterator>
#include <unordered_map>
#include <vector>

class CEscritorDeArquivo;
class CLeitorDeArquivo;

// Um cartão na forma compacta: cada lugar é uma entrada de CListaDeVolantes::Placares().
struct SIndicesDoCartao {
    int32_t qtde = 0;
    uint32_t lugar[5] = {};
};

// Lista dos cartões do documento. Milhões de cartões: cada um fica como índices pequenos
// numa tabela dos placares distintos que os cartões usam, em vetores contíguos, sem uma
// alocação por cartão. Os índices têm 1 byte enquanto a tabela cabe em 256 entradas e
// 4 bytes depois (só um arquivo com placares demais chega lá). Guarda qual objeto
// CScore cada lugar aponta, para o arquivo regravado sair idêntico.
class CListaDeVolantes {
public:
    CListaDeVolantes();
    CListaDeVolantes(const CListaDeVolantes&) = delete;
    CListaDeVolantes& operator=(const CListaDeVolantes&) = delete;

    int32_t Quantidade() const { return m_qtde; }
    // Muda a cada cartão que entra ou sai: quem guardou o valor sabe se a lista mudou
    // desde então sem comparar milhões de cartões.
    uint64_t Revisao() const { return m_revisao; }
    // posicao de 0 a Quantidade() - 1.
    CVolante Cartao(int32_t posicao) const;
    SIndicesDoCartao Indices(int32_t posicao) const;
    // Os placares distintos dos cartões; a entrada 0 é o nulo. Só cresce até Esvaziar.
    const std::vector<const CScore*>& Placares() const { return m_placares; }

    void Adicionar(const CVolante& volante);
    void Remover(int32_t posicao);
    // Tira numa só passada cada cartão com marcados[posicao] verdadeiro, mantendo a ordem
    // dos que ficam; posições além de marcados.size() ficam.
    void RemoverMarcados(const std::vector<bool>& marcados);
    void Esvaziar();
    // Passa todos os cartões de outra lista para o fim desta, na mesma ordem.
    void Transferir(CListaDeVolantes& origem);
    // Lugar para ao menos tantos cartões; pedidos repetidos crescem em progressão geométrica.
    void Reservar(size_t cartoes);

    class CIterador {
    public:
        using iterator_category = std::input_iterator_tag;
        using value_type = CVolante;
        using difference_type = std::ptrdiff_t;
        using pointer = void;
        using reference = CVolante;

        CIterador(const CListaDeVolantes& lista, int32_t posicao) : m_lista(&lista), m_posicao(posicao) {}
        CVolante operator*() const { return m_lista->Cartao(m_posicao); }
        CIterador& operator++()
        {
            ++m_posicao;
            return *this;
        }
        bool operator==(const CIterador& outro) const { return m_posicao == outro.m_posicao; }

    private:
        const CListaDeVolantes* m_lista;
        int32_t m_posicao;
    };
    CIterador begin() const { return {*this, 0}; }
    CIterador end() const { return {*this, m_qtde}; }

    void Serialize(CEscritorDeArquivo& ar) const;
    // Acrescenta os cartões lidos.
    void Serialize(CLeitorDeArquivo& ar);

private:
    static constexpr size_t kPorCartao = 6;  // quantidade e os 5 lugares
    static constexpr size_t kCelulas = 125;

    // Uma célula da tabela cheia é achada pelo endereço, sem tabela de espalhamento: os
    // cartões gerados só usam essas.
    uint32_t EntradaDoPlacar(const CScore* placar)
    {
        if (placar == nullptr)
            return 0;
        const uintptr_t deslocamento = reinterpret_cast<uintptr_t>(placar) - m_inicio_das_celulas;
        if (deslocamento < kCelulas * sizeof(CScore)) {
            const uint32_t entrada = m_entrada_da_celula[deslocamento / sizeof(CScore)];
            if (entrada != 0)
                return entrada;
        }
        return EntradaAindaSemIndice(placar);
    }
    uint32_t EntradaAindaSemIndice(const CScore* placar);
    static bool EscreverCartaoConhecido(CEscritorDeArquivo& ar, const SIndicesDoCartao& indices,
                                        const std::vector<uint32_t>& no_arquivo);
    bool LerCartaoConhecido(CLeitorDeArquivo& ar, const std::vector<uint32_t>& entrada_do_indice);
    uint32_t NovaEntrada(const CScore* placar);
    void AdicionarIndices(const SIndicesDoCartao& indices);
    size_t Usados() const { return static_cast<size_t>(m_qtde) * kPorCartao; }
    void Alargar();

    std::vector<const CScore*> m_placares;
    // Células da tabela cheia achadas pelo endereço; 0 = ainda sem entrada.
    uintptr_t m_inicio_das_celulas = 0;
    uint32_t m_entrada_da_celula[kCelulas] = {};
    // Outros placares (os do documento lido, os de teste).
    std::unordered_map<const CScore*, uint32_t> m_outros;
    std::vector<uint8_t> m_estreitos;
    std::vector<uint32_t> m_largos;
    bool m_largo = false;
    int32_t m_qtde = 0;
    uint64_t m_revisao = 0;
};
