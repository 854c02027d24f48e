#pragma once

#include <cstdint>

// O que um relatório longo (a listagem das apostas) pede a quem o mostra: quantos
// cartões já foram escritos e se o usuário pediu para parar.
class IProgressoDoRelatorio {
public:
    virtual ~IProgressoDoRelatorio() = default;
    virtual void Iniciar(int64_t total) = 0;
    // A cada mil cartões escritos; o pedido de parada é lido logo depois.
    virtual void Atualizar(int64_t escritos) = 0;
    virtual bool PararSolicitado() const = 0;
};

// Nem mostra nem para (linha de comando).
class CProgressoDoRelatorioSilencioso : public IProgressoDoRelatorio {
public:
    void Iniciar(int64_t) override {}
    void Atualizar(int64_t) override {}
    bool PararSolicitado() const override { return false; }
};
