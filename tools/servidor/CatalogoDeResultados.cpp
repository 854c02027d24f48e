#include "tools/servidor/CatalogoDeResultados.h"

#include "core/ErroDoUsuario.h"
#include "results/ArquivoDeResultados.h"
#include "results/FaixasDoResultado.h"
#include "results/RespostaDoServico.h"

#include <algorithm>
#include <vector>

namespace fs = std::filesystem;

namespace {

// Um arquivo com milhares de registros ruins não inunda o registro do serviço.
constexpr size_t kMaisAvisosPorLeitura = 20;

} // namespace

CCatalogoDeResultados::CCatalogoDeResultados(fs::path arquivo, FAviso avisar)
    : m_arquivo(std::move(arquivo)), m_avisar(std::move(avisar))
{
}

CCatalogoDeResultados::SCarimbo CCatalogoDeResultados::Carimbo() const
{
    std::error_code falha;
    const auto modificado = fs::last_write_time(m_arquivo, falha);
    const uintmax_t tamanho = falha ? 0 : fs::file_size(m_arquivo, falha);
    if (falha)
        return {};
    return {true, modificado, tamanho};
}

void CCatalogoDeResultados::Atualizar()
{
    // Cada versão do arquivo é lida uma vez só, dê certo ou não: um arquivo danificado
    // não é relido a cada pedido.
    const SCarimbo carimbo = Carimbo();
    if (m_visto == carimbo)
        return;
    m_visto = carimbo;
    if (!carimbo.legivel)
        return Falhar("Erro ao Abrir Arquivo: " + m_arquivo.string());
    Ler();
}

void CCatalogoDeResultados::Falhar(std::string mensagem)
{
    m_falha = std::move(mensagem);
    if (m_tem_copia)
        m_avisar(m_falha + " (continua servindo a última cópia lida, com " + std::to_string(m_respostas.size()) +
                 " concursos)");
}

void CCatalogoDeResultados::Ler()
{
    CListaDeResultados lista;
    try {
        if (!LerArquivoDeResultados(m_arquivo, lista))
            return Falhar("Erro ao Abrir Arquivo: " + m_arquivo.string());
    } catch (const CErroDoUsuario& erro) {
        return Falhar(erro.what());
    }
    std::map<int, std::string> respostas;
    std::vector<std::string> deixados;
    for (const auto& resultado : lista) {
        try {
            ExigirFaixas(*resultado);
        } catch (const CCampoForaDaFaixa& erro) {
            deixados.push_back("concurso " + std::to_string(resultado->m_concurso) + " não publicado: " + erro.what());
            continue;
        }
        // Número repetido: vale o primeiro, como na regravação do arquivo.
        respostas.try_emplace(resultado->m_concurso, EscreverRespostaDoResultado(*resultado));
    }
    for (size_t i = 0; i < std::min(deixados.size(), kMaisAvisosPorLeitura); ++i)
        m_avisar(deixados[i]);
    if (deixados.size() > kMaisAvisosPorLeitura)
        m_avisar("e mais " + std::to_string(deixados.size() - kMaisAvisosPorLeitura) +
                 " registros fora das faixas, não publicados");
    if (m_tem_copia && !m_falha.empty())
        m_avisar("arquivo lido de novo: " + std::to_string(respostas.size()) + " concursos");
    m_respostas = std::move(respostas);
    m_ultimo = m_respostas.empty() ? 0 : m_respostas.rbegin()->first;
    m_tem_copia = true;
    m_falha.clear();
}

std::optional<std::string> CCatalogoDeResultados::Resposta(int concurso) const
{
    const auto resposta = m_respostas.find(concurso);
    if (resposta == m_respostas.end())
        return std::nullopt;
    return resposta->second;
}
