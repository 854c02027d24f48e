#include "core/GravacaoSegura.h"

#include <exception>
#include <fstream>
#include <random>
#include <string>

namespace fs = std::filesystem;

namespace {

// Nome livre ao lado do destino; o ponto inicial o esconde das listagens comuns.
fs::path NomeTemporario(const fs::path& destino)
{
    std::random_device aleatorio;
    std::uniform_int_distribution<unsigned long long> sorteio;
    for (;;) {
        const fs::path candidato =
            destino.parent_path() / ("." + destino.filename().string() + "." + std::to_string(sorteio(aleatorio)) + ".tmp");
        // Sem seguir links: um link solto também ocupa o nome.
        std::error_code erro;
        if (!fs::exists(fs::symlink_status(candidato, erro)))
            return candidato;
    }
}

// Apaga o temporário ao sair, a menos que ele já tenha virado o destino.
class CTemporario {
public:
    explicit CTemporario(fs::path caminho) : m_caminho(std::move(caminho)) {}
    ~CTemporario()
    {
        if (!m_entregue) {
            std::error_code erro;
            fs::remove(m_caminho, erro);
        }
    }
    CTemporario(const CTemporario&) = delete;
    CTemporario& operator=(const CTemporario&) = delete;

    const fs::path& Caminho() const { return m_caminho; }
    void Entregue() { m_entregue = true; }

private:
    fs::path m_caminho;
    bool m_entregue = false;
};

bool EscreverTudo(const fs::path& caminho, const std::function<void(std::ostream&)>& escrever)
{
    std::ofstream saida(caminho, std::ios::binary | std::ios::trunc);
    if (!saida)
        return false;
    try {
        escrever(saida);
    } catch (const std::exception&) {
        return false;
    }
    saida.flush();
    saida.close();
    return !saida.fail();
}

// O novo arquivo herda as permissões do que ele substitui.
void CopiarPermissoes(const fs::path& de, const fs::path& para)
{
    std::error_code erro;
    const fs::file_status situacao = fs::status(de, erro);
    if (!erro && fs::is_regular_file(situacao))
        fs::permissions(para, situacao.permissions(), fs::perm_options::replace, erro);
}

} // namespace

bool GravarComSeguranca(const fs::path& destino, const std::function<void(std::ostream& saida)>& escrever)
{
    CTemporario temporario(NomeTemporario(destino));
    if (!EscreverTudo(temporario.Caminho(), escrever))
        return false;
    CopiarPermissoes(destino, temporario.Caminho());
    std::error_code erro;
    fs::rename(temporario.Caminho(), destino, erro);
    if (erro)
        return false;
    temporario.Entregue();
    return true;
}
