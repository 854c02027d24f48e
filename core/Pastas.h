#pragma once

#include <filesystem>

// Onde ficam os documentos do usuário e a instalação do programa.
class IPastas {
public:
    virtual ~IPastas() = default;
    // Vazio quando não se sabe.
    virtual std::filesystem::path PastaDeDocumentos() const = 0;
    virtual std::filesystem::path PastaDeInstalacao() const = 0;
};

// Pastas fixas (testes).
class CPastasFixas : public IPastas {
public:
    CPastasFixas(std::filesystem::path documentos, std::filesystem::path instalacao)
        : m_documentos(std::move(documentos)), m_instalacao(std::move(instalacao)) {}
    std::filesystem::path PastaDeDocumentos() const override { return m_documentos; }
    std::filesystem::path PastaDeInstalacao() const override { return m_instalacao; }

private:
    std::filesystem::path m_documentos;
    std::filesystem::path m_instalacao;
};
