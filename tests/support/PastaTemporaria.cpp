#include "tests/support/PastaTemporaria.h"

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>

CPastaTemporaria::CPastaTemporaria()
{
    std::string modelo = (std::filesystem::temp_directory_path() / "quinaro-teste-XXXXXX").string();
    if (mkdtemp(modelo.data()) == nullptr)
        throw std::runtime_error("mkdtemp falhou");
    m_caminho = modelo;
}

CPastaTemporaria::~CPastaTemporaria()
{
    std::error_code erro;
    std::filesystem::permissions(m_caminho, std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::add, erro);
    std::filesystem::remove_all(m_caminho, erro);
}

std::string LerBytes(const std::filesystem::path& arquivo)
{
    std::ifstream entrada(arquivo, std::ios::binary);
    if (!entrada)
        throw std::runtime_error("não abriu " + arquivo.string());
    return {std::istreambuf_iterator<char>(entrada), std::istreambuf_iterator<char>()};
}

void GravarBytes(const std::filesystem::path& arquivo, const std::string& bytes)
{
    std::ofstream saida(arquivo, std::ios::binary | std::ios::trunc);
    saida.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!saida)
        throw std::runtime_error("não gravou " + arquivo.string());
}

std::filesystem::path Fixture(const std::string& relativo)
{
    return std::filesystem::path(QUINARO_FIXTURES) / relativo;
}
