#pragma once

#include <filesystem>
#include <string>

// Mostra um arquivo no navegador do usuário. Uma falha não é informada.
class INavegador {
public:
    virtual ~INavegador() = default;
    virtual void Abrir(const std::filesystem::path& arquivo) = 0;
    // A página já na seção: a âncora "#secao" do endereço.
    virtual void AbrirNaSecao(const std::filesystem::path& pagina, const std::string& secao) = 0;
};
