#pragma once

#include <exception>

// O usuário parou o relatório no meio: nenhum arquivo novo foi gravado e o relatório
// anterior ficou como estava. Não é falha a mostrar.
class CRelatorioInterrompido : public std::exception {
public:
    const char* what() const noexcept override { return "Relatório interrompido"; }
};
