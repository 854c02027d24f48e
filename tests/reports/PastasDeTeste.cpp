#include "tests/reports/PastasDeTeste.h"

#include "results/ArquivoDeResultados.h"
#include "results/CaminhoDeDados.h"

#include <stdexcept>

CPastasDeTeste::CPastasDeTeste() : m_pastas(m_documentos.Caminho(), m_instalacao.Caminho()) {}

std::filesystem::path CPastasDeTeste::Dados() const
{
    return m_documentos.Caminho() / "Quinaro Professional";
}

void CPastasDeTeste::GravarResultados(const CListaDeResultados& resultados) const
{
    if (!GravarArquivoDeResultados(CaminhoDeDados(m_pastas, kArquivoDeResultados), resultados))
        throw std::runtime_error("não gravou os resultados");
}

void CPastasDeTeste::GravarBytesDosResultados(const std::string& bytes) const
{
    GravarBytes(CaminhoDeDados(m_pastas, kArquivoDeResultados), bytes);
}
