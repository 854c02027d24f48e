#include "reports/RelatorioHtml.h"

#include "results/CaminhoDeDados.h"
#include "core/Cp1252.h"
#include "core/ErroAoSalvarArquivo.h"
#include "core/GravacaoSegura.h"
#include "reports/RelatorioInterrompido.h"

void CRelatorioHtml::Escrever(std::string_view peca)
{
    const std::string bytes = Utf8ParaCp1252(peca);
    size_t inicio = 0;
    for (size_t quebra = bytes.find('\n'); quebra != std::string::npos; quebra = bytes.find('\n', inicio)) {
        m_saida.write(bytes.data() + inicio, static_cast<std::streamsize>(quebra - inicio));
        m_saida.write("\r\n", 2);
        inicio = quebra + 1;
    }
    m_saida.write(bytes.data() + inicio, static_cast<std::streamsize>(bytes.size() - inicio));
}

std::filesystem::path GravarRelatorio(const IPastas& pastas, const std::string& relativo,
                                      const std::function<void(CRelatorioHtml& relatorio)>& escrever)
{
    const std::filesystem::path caminho = CaminhoDeDados(pastas, relativo);
    bool interrompido = false;
    const CResultadoDaGravacao gravacao = GravarComSeguranca(caminho, [&](std::ostream& saida) {
        CRelatorioHtml relatorio(saida);
        try {
            escrever(relatorio);
        } catch (const CRelatorioInterrompido&) {
            // A gravação segura apaga o temporário; a parada não vira "Erro ao Salvar Arquivo".
            interrompido = true;
            throw;
        }
    });
    if (interrompido)
        throw CRelatorioInterrompido();
    if (!gravacao)
        throw CErroAoSalvarArquivo(caminho, gravacao.Erro());
    return caminho;
}
