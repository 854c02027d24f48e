#pragma once

#include <cstdint>

// Etapas de uma redução, na ordem em que acontecem.
enum class EEtapaDoFechamento {
    Contando,     // vizinhos de cada cartão
    Escolhendo,   // escolha gulosa
    Completando,  // cartões ainda descobertos entram como estão
    Retirando,    // saem os escolhidos que sobram
    Buscando,     // busca tabu por conjuntos menores
    Verificando,  // conferência exata da garantia
};

struct SProgressoDoFechamento {
    EEtapaDoFechamento etapa = EEtapaDoFechamento::Contando;
    int64_t distintos = 0;   // cartões diferentes da aposta
    int64_t cobertos = 0;    // garantidos pelo conjunto em curso
    int64_t escolhidos = 0;  // no conjunto em curso
    int64_t melhor = 0;      // menor conjunto válido até aqui (0: nenhum ainda)
    int64_t passos = 0;      // trocas da busca tabu
};

// O que a redução pede à sua tela.
class IProgressoFechamento {
public:
    virtual ~IProgressoFechamento() = default;
    // Só guarda: a tela mostra quando tiver a vez.
    virtual void Atualizar(const SProgressoDoFechamento& progresso) = 0;
    // Trata no máximo uma mensagem pendente da interface (repintura, "Parar").
    virtual void BombearMensagens() = 0;
    virtual bool PararSolicitado() const = 0;
};

// Nem mostra nem para (linha de comando, medições).
class CProgressoFechamentoSilencioso : public IProgressoFechamento {
public:
    void Atualizar(const SProgressoDoFechamento&) override {}
    void BombearMensagens() override {}
    bool PararSolicitado() const override { return false; }
};
