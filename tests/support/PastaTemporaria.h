#pragma once

#include <filesystem>
#include <string>

// Pasta criada em /tmp e apagada com o objeto.
class CPastaTemporaria {
public:
    CPastaTemporaria();
    ~CPastaTemporaria();
    CPastaTemporaria(const CPastaTemporaria&) = delete;
    CPastaTemporaria& operator=(const CPastaTemporaria&) = delete;

    const std::filesystem::path& Caminho() const { return m_caminho; }
    std::filesystem::path operator/(const std::string& nome) const { return m_caminho / nome; }

private:
    std::filesystem::path m_caminho;
};

// Conteúdo inteiro de um arquivo (bytes).
std::string LerBytes(const std::filesystem::path& arquivo);
void GravarBytes(const std::filesystem::path& arquivo, const std::string& bytes);
// Caminho de um arquivo de tests/ (fixtures).
std::filesystem::path Fixture(const std::string& relativo);
