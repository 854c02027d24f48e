#pragma once

#include "core/Pastas.h"
#include "tests/support/PastaTemporaria.h"
#include "results/ResultadoVarenta.h"

#include <filesystem>
#include <string>

// Documentos e instalação em pastas temporárias, com os atalhos que os testes dos
// relatórios usam.
class CPastasDeTeste {
public:
    CPastasDeTeste();

    const IPastas& Pastas() const { return m_pastas; }
    // Pasta de dados: Documentos/Quinaro Professional.
    std::filesystem::path Dados() const;
    std::filesystem::path Instalacao() const { return m_instalacao.Caminho(); }

    void GravarResultados(const CListaDeResultados& resultados) const;
    void GravarBytesDosResultados(const std::string& bytes) const;

private:
    CPastaTemporaria m_documentos;
    CPastaTemporaria m_instalacao;
    CPastasFixas m_pastas;
};
