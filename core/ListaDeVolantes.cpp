#include "core/ListaDeVolantes.h"

#include "core/EscritorDeArquivo.h"
#include "core/LeitorDeArquivo.h"
#include "core/Volante.h"

#include <memory>

CListaDeVolantes::~CListaDeVolantes()
{
    Esvaziar();
}

void CListaDeVolantes::Adicionar(CVolante* volante)
{
    volante->m_proximo = nullptr;
    if (m_ultimo == nullptr) {
        volante->m_anterior = nullptr;
        m_primeiro = volante;
    } else {
        volante->m_anterior = m_ultimo;
        m_ultimo->m_proximo = volante;
    }
    m_ultimo = volante;
    ++m_qtde;
    ++m_revisao;
}

int CListaDeVolantes::Remover(CVolante* volante)
{
    if (volante == m_primeiro) {
        m_primeiro = volante->m_proximo;
        if (m_primeiro != nullptr)
            m_primeiro->m_anterior = nullptr;
        else
            m_ultimo = nullptr;
    } else if (volante == m_ultimo) {
        m_ultimo = volante->m_anterior;
        m_ultimo->m_proximo = nullptr;
    } else {
        volante->m_anterior->m_proximo = volante->m_proximo;
        volante->m_proximo->m_anterior = volante->m_anterior;
    }
    delete volante;
    --m_qtde;
    ++m_revisao;
    return 1;
}

void CListaDeVolantes::Esvaziar()
{
    if (m_primeiro != nullptr)
        ++m_revisao;
    CVolante* volante = m_primeiro;
    while (volante != nullptr) {
        CVolante* proximo = volante->m_proximo;
        delete volante;
        volante = proximo;
    }
    m_primeiro = m_ultimo = nullptr;
    m_qtde = 0;
}

void CListaDeVolantes::Transferir(CListaDeVolantes& origem)
{
    if (origem.m_primeiro == nullptr)
        return;
    if (m_ultimo == nullptr) {
        m_primeiro = origem.m_primeiro;
    } else {
        m_ultimo->m_proximo = origem.m_primeiro;
        origem.m_primeiro->m_anterior = m_ultimo;
    }
    m_ultimo = origem.m_ultimo;
    m_qtde += origem.m_qtde;
    ++m_revisao;
    ++origem.m_revisao;
    origem.m_primeiro = origem.m_ultimo = nullptr;
    origem.m_qtde = 0;
}

void CListaDeVolantes::Serialize(CEscritorDeArquivo& ar) const
{
    ar.Escrever32(static_cast<uint32_t>(m_qtde));
    for (const CVolante* volante = m_primeiro; volante != nullptr; volante = volante->m_proximo)
        volante->Serialize(ar);
}

void CListaDeVolantes::Serialize(CLeitorDeArquivo& ar)
{
    const int32_t quantidade = ar.LerInt32();
    if (quantidade < 0)
        throw CErroDeFormato(CErroDeFormato::Tipo::FormatoInvalido, "quantidade de cartões negativa");
    for (int32_t i = 0; i < quantidade; ++i) {
        auto volante = std::make_unique<CVolante>();
        volante->Serialize(ar);
        Adicionar(volante.release());
    }
}
