#pragma once

#include "core/Navegador.h"

class QUrl;

// Abre o arquivo no programa registrado (QDesktopServices); se falhar, tenta xdg-open.
class CNavegadorDoSistema : public INavegador {
public:
    void Abrir(const std::filesystem::path& arquivo) override;
    void AbrirNaSecao(const std::filesystem::path& pagina, const std::string& secao) override;

private:
    static void AbrirEndereco(const QUrl& endereco);
};
