#pragma once

#include "results/ProgressoDaAtualizacao.h"

#include <ostream>

// "Concurso: k (n de último)" no stderr, só quando ele é um terminal.
class CProgressoDaAtualizacaoNoTerminal : public IProgressoDaAtualizacao {
public:
    explicit CProgressoDaAtualizacaoNoTerminal(std::ostream& saida);
    ~CProgressoDaAtualizacaoNoTerminal() override;

    void Mostrar() override;
    void DefinirUltimo(int ultimo) override { m_ultimo = ultimo; }
    void MostrarConcurso(int n) override;
    void BombearMensagens() override {}

private:
    std::ostream& m_saida;
    bool m_ativo;
    bool m_escreveu = false;
    int m_ultimo = 0;
};
