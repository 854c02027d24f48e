#pragma once

struct SLinhaDaAnalise;

// O que a análise de vários concursos pede à sua tela.
class IProgressoAnalise {
public:
    virtual ~IProgressoAnalise() = default;
    // Depois do 1º, 1001º, 2001º... cartão contado de cada concurso, e a cada 65536
    // cartões lidos antes do primeiro: trata no máximo uma mensagem pendente da interface
    // (repintura, "Parar"). Sempre na thread que chamou Analisar.
    virtual void BombearMensagens() = 0;
    // Lido logo depois de cada BombearMensagens; o concurso em curso termina mesmo assim
    // (na leitura dos cartões, nenhum está em curso).
    virtual bool PararSolicitado() const = 0;
    // Um concurso terminado: a tela escreve a linha e repinta a grade.
    virtual void ConcursoConcluido(const SLinhaDaAnalise& linha) = 0;
};

// Nem mostra nem para (linha de comando, medições).
class CProgressoAnaliseSilencioso : public IProgressoAnalise {
public:
    void BombearMensagens() override {}
    bool PararSolicitado() const override { return false; }
    void ConcursoConcluido(const SLinhaDaAnalise&) override {}
};
