#pragma once

// O programa inteiro montado para um teste: configurações na memória, pastas
// temporárias e um navegador que só anota o que lhe pedem para abrir.

#include "core/ConfiguracoesEmMemoria.h"
#include "core/Navegador.h"
#include "tests/support/PastaTemporaria.h"
#include "core/Pastas.h"
#include "tests/support/RelogioParado.h"
#include "app/shell/VarentaApp.h"

#include <QStringList>

#include <filesystem>
#include <string>
#include <vector>

class CDocumento;
class CMainFrame;
class CScoreForm;
class QAction;

class CNavegadorDeTeste : public INavegador {
public:
    void Abrir(const std::filesystem::path& arquivo) override { m_abertos.push_back(arquivo); }
    // A página entra também nos abertos; a seção pedida fica ao lado, como "pagina#secao".
    void AbrirNaSecao(const std::filesystem::path& pagina, const std::string& secao) override
    {
        m_abertos.push_back(pagina);
        m_secoes.push_back(pagina.filename().string() + "#" + secao);
    }
    std::vector<std::filesystem::path> m_abertos;
    std::vector<std::string> m_secoes;
};

class CProgramaEmTeste {
public:
    CProgramaEmTeste();
    ~CProgramaEmTeste();

    bool Iniciar(const QStringList& argumentos = {});

    CMainFrame& Janela() const;
    CDocumento* Documento() const;
    // A tela de apostas do documento aberto (nenhuma se não houver).
    CScoreForm* TelaDeApostas() const;
    QAction* Acao(int id) const;
    // Executa o comando pelo menu, como o usuário.
    void Comando(int id) const;

    std::filesystem::path Documentos() const { return m_pasta / "documentos"; }
    std::filesystem::path Instalacao() const { return m_pasta / "instalacao"; }

    CPastaTemporaria m_pasta;
    CConfiguracoesEmMemoria m_configuracoes;
    CPastasFixas m_pastas;
    CNavegadorDeTeste m_navegador;
    CRelogioParado m_relogio;
    CVarentaApp m_app;
};
