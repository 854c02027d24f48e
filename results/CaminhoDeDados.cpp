#include "results/CaminhoDeDados.h"

#include "core/ErroDoUsuario.h"
#include "core/Pastas.h"

#include <cstdlib>

namespace fs = std::filesystem;

namespace {

constexpr const char* kPastaDoPrograma = "Quinaro Professional";

// Cada "\" do caminho relativo vira o separador do sistema.
fs::path CaminhoRelativo(const std::string& relativo)
{
    fs::path caminho;
    size_t inicio = 0;
    for (;;) {
        const size_t barra = relativo.find('\\', inicio);
        const std::string parte = relativo.substr(inicio, barra - inicio);
        if (!parte.empty())
            caminho /= parte;
        if (barra == std::string::npos)
            return caminho;
        inicio = barra + 1;
    }
}

// Sem pasta de documentos conhecida, a pasta pessoal; nunca a raiz do disco.
fs::path PastaBase(const IPastas& pastas)
{
    const fs::path documentos = pastas.PastaDeDocumentos();
    if (!documentos.empty())
        return documentos;
    const char* casa = std::getenv("HOME");
    if (casa != nullptr && fs::path(casa).is_absolute())
        return casa;
    throw CErroDoUsuario("Não foi possível encontrar a pasta de documentos do usuário.");
}

// Primeiro uso: a cópia da instalação, se houver, vira a do usuário. Nunca sobrescreve.
void SemearDaInstalacao(const IPastas& pastas, const fs::path& relativo, const fs::path& destino)
{
    const fs::path instalacao = pastas.PastaDeInstalacao();
    if (instalacao.empty())
        return;
    const fs::path origem = instalacao / relativo;
    std::error_code erro;
    if (fs::is_regular_file(origem, erro) && !fs::exists(fs::symlink_status(destino, erro)))
        fs::copy_file(origem, destino, fs::copy_options::none, erro);
}

} // namespace

fs::path CaminhoDeDados(const IPastas& pastas, const std::string& relativo)
{
    const fs::path parte = CaminhoRelativo(relativo);
    const fs::path destino = PastaBase(pastas) / kPastaDoPrograma / parte;
    // Falhas aqui aparecem depois, ao abrir ou gravar o arquivo, com a mensagem de quem o usa.
    std::error_code erro;
    fs::create_directories(destino.parent_path(), erro);
    SemearDaInstalacao(pastas, parte, destino);
    return destino;
}

fs::path PastaDeDados(const IPastas& pastas)
{
    const fs::path pasta = PastaBase(pastas) / kPastaDoPrograma;
    std::error_code erro;
    fs::create_directories(pasta, erro);
    return pasta;
}
