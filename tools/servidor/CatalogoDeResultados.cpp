#include "tools/servidor/CatalogoDeResultados.h"

#include "results/ArquivoDeResultados.h"
#include "core/ErroDoUsuario.h"
#include "results/RespostaDoServico.h"

#include <algorithm>

namespace fs = std::filesystem;

CCatalogoDeResultados::CCatalogoDeResultados(fs::path arquivo) : m_arquivo(std::move(arquivo)) {}

bool CCatalogoDeResultados::Atualizar()
{
    std::error_code falha;
    SCarimbo carimbo{fs::last_write_time(m_arquivo, falha), 0};
    if (!falha)
        carimbo.tamanho = fs::file_size(m_arquivo, falha);
    if (falha) {
        m_lido.reset();
        m_respostas.clear();
        m_falha = "Erro ao Abrir Arquivo: " + m_arquivo.string();
        return false;
    }
    if (m_lido == carimbo)
        return true;
    if (!Ler())
        return false;
    m_lido = carimbo;
    return true;
}

bool CCatalogoDeResultados::Ler()
{
    m_respostas.clear();
    m_ultimo = 0;
    m_lido.reset();
    CListaDeResultados lista;
    try {
        if (!LerArquivoDeResultados(m_arquivo, lista)) {
            m_falha = "Erro ao Abrir Arquivo: " + m_arquivo.string();
            return false;
        }
    } catch (const CErroDoUsuario& erro) {
        m_falha = erro.what();
        return false;
    }
    // Número repetido: vale o primeiro, como na regravação do arquivo.
    for (const auto& resultado : lista) {
        m_respostas.try_emplace(resultado->m_concurso, EscreverRespostaDoResultado(*resultado));
        m_ultimo = std::max(m_ultimo, resultado->m_concurso);
    }
    m_falha.clear();
    return true;
}

std::optional<std::string> CCatalogoDeResultados::Resposta(int concurso) const
{
    const auto resposta = m_respostas.find(concurso);
    if (resposta == m_respostas.end())
        return std::nullopt;
    return resposta->second;
}
