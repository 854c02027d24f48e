#pragma once

#include <string>

// O que a geração pede ao seu diálogo de progresso ("Processando...").
class IProgressoGeracao {
public:
    virtual ~IProgressoGeracao() = default;
    // Mostra o diálogo; limpa o pedido de parada; botão "Parar" (habilitado ou não).
    // a_gerar: os cartões que a execução fará se não for parada (a barra mostra a fração feita).
    virtual void Iniciar(const std::string& rotulo, bool habilitar_parar, double a_gerar) = 0;
    // A cada 1000 cartões produzidos (e no fim).
    virtual void Atualizar(double geradas, double aprovadas) = 0;
    // Trata no máximo uma mensagem pendente da interface.
    virtual void BombearMensagens() = 0;
    virtual bool PararSolicitado() const = 0;
    // Fim (concluída ou parada): contadores finais, "Operação Concluída ...", botão "Fechar".
    virtual void Concluir(double geradas, double aprovadas) = 0;
};

// O que a filtragem pede ao seu diálogo de progresso ("Filtrando...").
class IProgressoFiltragem {
public:
    virtual ~IProgressoFiltragem() = default;
    // Mostra o diálogo com o total de apostas a verificar; limpa o pedido de parada.
    virtual void Iniciar(int total) = 0;
    // A cada 10 cartões verificados (e no fim).
    virtual void Atualizar(int verificadas, int reprovadas) = 0;
    virtual void BombearMensagens() = 0;
    virtual bool PararSolicitado() const = 0;
    // Fim: pedido de parada marcado, botão "Fechar".
    virtual void Concluir() = 0;
};

// Progresso que não mostra nada e nunca para.
class CProgressoSilencioso : public IProgressoGeracao, public IProgressoFiltragem {
public:
    void Iniciar(const std::string&, bool, double) override {}
    void Atualizar(double, double) override {}
    void Iniciar(int) override {}
    void Atualizar(int, int) override {}
    void BombearMensagens() override {}
    bool PararSolicitado() const override { return false; }
    void Concluir(double, double) override {}
    void Concluir() override {}
};
