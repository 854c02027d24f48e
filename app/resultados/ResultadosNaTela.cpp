#include "app/resultados/ResultadosNaTela.h"

#include "core/ErroAoAbrirArquivo.h"
#include "results/ResultadosDoUsuario.h"
#include "app/shell/CursorDeEspera.h"
#include "app/shell/Mensagens.h"

namespace {

template <typename Origem>
std::optional<CListaDeResultados> Ler(QWidget* pai, const Origem& origem)
{
    try {
        const CCursorDeEspera espera;
        return LerResultadosDoUsuario(origem);
    } catch (const CErroAoAbrirArquivo& erro) {
        MostrarAviso(pai, QString::fromStdString(erro.what()));
    }
    return std::nullopt;
}

} // namespace

std::optional<CListaDeResultados> ResultadosNaTela(QWidget* pai, const IPastas& pastas)
{
    return Ler(pai, pastas);
}

std::optional<CListaDeResultados> ResultadosNaTela(QWidget* pai, const std::filesystem::path& caminho)
{
    return Ler(pai, caminho);
}
