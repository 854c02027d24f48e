#pragma once

// O que a atualização pela internet mostra enquanto roda.
class IProgressoDaAtualizacao {
public:
    virtual ~IProgressoDaAtualizacao() = default;
    // Antes do primeiro pedido: aparece e deixa a interface se pôr em dia.
    virtual void Mostrar() = 0;
    // Faixa 0..ultimo da barra: o último concurso pedido nesta vez (o do serviço, ou o do
    // limite de concursos por vez).
    virtual void DefinirUltimo(int ultimo) = 0;
    // "Concurso: %d" com n - 1 (o recém-pedido) e a barra em n.
    virtual void MostrarConcurso(int n) = 0;
    // Entre dois concursos.
    virtual void BombearMensagens() = 0;
};
