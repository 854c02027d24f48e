#pragma once

class IConfiguracoes;
class INavegador;
class IPastas;
class IRelogio;

// Serviços da plataforma que as telas usam (os de verdade no programa, falsos nos testes).
struct SServicos {
    IConfiguracoes& configuracoes;
    IPastas& pastas;
    INavegador& navegador;
    IRelogio& relogio;
};
