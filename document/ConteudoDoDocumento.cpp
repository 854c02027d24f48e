#include "document/ConteudoDoDocumento.h"

#include "core/Chave.h"
#include "document/VarentaDoc.h"

SConteudoDoDocumento ConteudoDoDocumento(const CVarentaDoc& documento)
{
    SConteudoDoDocumento conteudo;
    conteudo.celulas = documento.m_celulas;
    conteudo.chave_do_jogo = documento.m_chave_do_jogo;
    for (const auto& chave : documento.m_chaves)
        conteudo.chaves.push_back({chave->m_nome, chave->m_min, chave->m_max, chave->m_qtde_jogos});
    conteudo.min_completas = documento.m_min_completas;
    conteudo.max_completas = documento.m_max_completas;
    conteudo.valor_da_aposta = documento.m_valor_da_aposta;
    conteudo.qtde_apostas = documento.m_qtde_apostas;
    conteudo.resumo = documento.m_resumo;
    conteudo.revisao_dos_volantes = documento.m_volantes.Revisao();
    return conteudo;
}
