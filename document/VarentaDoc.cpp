#include "document/VarentaDoc.h"

#include "core/CartaoCheio.h"
#include "core/Chave.h"
#include "checking/Conferencia.h"
#include "core/EscritorDeArquivo.h"
#include "core/LeitorDeArquivo.h"
#include "core/Score.h"
#include "core/Volante.h"

#include <algorithm>

CVarentaDoc::CVarentaDoc() = default;

CVarentaDoc::~CVarentaDoc()
{
    // As chaves podem sobreviver ao documento (são da tela de apostas), mas os grupos
    // que um arquivo lhes trouxe morrem com ele.
    if (!m_objetos_do_arquivo.empty())
        for (const auto& chave : m_chaves)
            chave->m_grupos.clear();
}

void CVarentaDoc::Serialize(CEscritorDeArquivo& ar) const
{
    for (int m = 0; m < 5; ++m) {
        for (uint16_t estado : m_celulas[m])
            ar.Escrever16(estado);
        ar.EscreverTexto(m_chave_do_jogo[m]);
        ar.EscreverTexto(m_textos_reservados[2 * m]);
        ar.EscreverTexto(m_textos_reservados[2 * m + 1]);
    }
    ar.Escrever32(static_cast<uint32_t>(m_min_completas));
    ar.Escrever32(static_cast<uint32_t>(m_max_completas));
    ar.Escrever32(static_cast<uint32_t>(m_qtde_apostas));
    ar.EscreverTexto(m_resumo);
    ar.Escrever32(static_cast<uint32_t>(m_valor_da_aposta));

    // A tabela vai antes das chaves e dos cartões para que as entradas deles sejam
    // só referências de dois bytes.
    const auto& celulas = CCartaoCheio::Instancia().Celulas();
    ar.EscreverContagem(static_cast<uint32_t>(celulas.size()));
    for (const CScore& celula : celulas)
        ar.EscreverObjeto(&celula);

    ar.EscreverContagem(static_cast<uint32_t>(m_chaves.size()));
    for (const auto& chave : m_chaves)
        ar.EscreverObjeto(chave.get());

    m_volantes.Serialize(ar);
}

void CVarentaDoc::Serialize(CLeitorDeArquivo& ar)
{
    for (int m = 0; m < 5; ++m) {
        for (uint16_t& estado : m_celulas[m]) {
            estado = ar.Ler16();
            if (estado > kRemovido)
                throw CErroDeFormato(CErroDeFormato::Tipo::FormatoInvalido, "estado de célula desconhecido");
        }
        m_chave_do_jogo[m] = ar.LerTexto();
        m_textos_reservados[2 * m] = ar.LerTexto();
        m_textos_reservados[2 * m + 1] = ar.LerTexto();
    }
    m_min_completas = ar.LerInt32();
    m_max_completas = ar.LerInt32();
    m_qtde_apostas = ar.LerInt32();
    m_resumo = ar.LerTexto();
    // Índice negativo faria um preço negativo: vale o primeiro valor.
    m_valor_da_aposta = std::max<int32_t>(0, ar.LerInt32());

    const uint32_t celulas = ar.LerContagem();
    for (uint32_t i = 0; i < celulas; ++i)
        m_tabela_lida.push_back(ar.LerObjeto<CScore>({.aceitar_nulo = false}));

    // Cada chave é um objeto novo: a mesma chave duas vezes na lista não tem dono claro.
    const uint32_t chaves = ar.LerContagem();
    for (uint32_t i = 0; i < chaves; ++i)
        ar.LerObjeto<CChave>({.aceitar_nulo = false, .aceitar_referencia = false});

    m_volantes.Serialize(ar);
    TomarObjetosDoArquivo(ar);
}

void CVarentaDoc::TomarObjetosDoArquivo(CLeitorDeArquivo& ar)
{
    // O leitor entrega os objetos na ordem em que os criou; só a lista de chaves cria
    // chaves, então elas chegam na ordem da lista.
    for (auto& objeto : ar.TomarObjetos()) {
        if (auto* chave = dynamic_cast<CChave*>(objeto.get())) {
            objeto.release();
            m_chaves.emplace_back(chave);
        } else {
            m_objetos_do_arquivo.push_back(std::move(objeto));
        }
    }
}

bool CVarentaDoc::OnNewDocument()
{
    m_min_completas = 0;
    m_max_completas = 0;
    m_qtde_apostas = 0;
    return true;
}

void CVarentaDoc::AposAbrir()
{
    m_indice_atual = m_volantes.Quantidade() > 0 ? 0 : -1;
    if (m_indice_atual >= 0)
        m_tem_volantes = 1;
}

void CVarentaDoc::RemoverVolantes()
{
    m_indice_atual = -1;
    m_volantes.Esvaziar();
    m_qtde_apostas = 0;
    m_resumo.clear();
}

bool CVarentaDoc::ConferirVolantes(const CVolante& resultado, std::vector<std::string>& resumo,
                                   std::vector<SLinhaColorida>& premios) const
{
    return ::ConferirVolantes(m_volantes, resultado, resumo, premios);
}
