#pragma once

#include "core/Progresso.h"

#include <chrono>
#include <ostream>

// Linha de progresso no stderr, só quando ele é um terminal.
class CProgressoNoTerminal : public IProgressoGeracao, public IProgressoFiltragem {
public:
    explicit CProgressoNoTerminal(std::ostream& saida);

    void Iniciar(const std::string& rotulo, bool habilitar_parar, double a_gerar) override;
    void Atualizar(double geradas, double aprovadas) override;
    void Concluir(double geradas, double aprovadas) override;
    void Iniciar(int total) override;
    void Atualizar(int verificadas, int reprovadas) override;
    void Concluir() override;
    void BombearMensagens() override {}
    bool PararSolicitado() const override { return false; }

private:
    // Só vale a pena montar a linha quando ela vai ser mostrada.
    bool HoraDeMostrar();
    void Escrever(const std::string& linha);
    void Terminar(const std::string& linha);

    std::ostream& m_saida;
    bool m_ativo;
    int m_total = 0;
    int m_verificadas = 0;
    int m_reprovadas = 0;
    std::chrono::steady_clock::time_point m_ultima;
};
