#pragma once

#include <cstdint>
#include <functional>

// Quando uma execução longa dá a vez à interface. Os laços chamam nos pontos de sempre
// (a cada tantos cartões), mas repintar e tratar eventos custa mais que conferir
// cartões: só vale a pena umas 30 vezes por segundo, e "Parar" continua a ser atendido
// sem demora perceptível.
class CRitmoDaInterface {
public:
    // Milissegundos de um relógio que só anda para a frente (trocado nos testes).
    using Relogio = std::function<int64_t()>;
    static int64_t MilissegundosAgora();

    static constexpr int64_t kIntervalo = 33;

    explicit CRitmoDaInterface(Relogio relogio = MilissegundosAgora);

    // Começo de uma execução: a primeira vez vem um intervalo depois de agora.
    void Reiniciar();
    // Verdadeiro quando já passou um intervalo desde a última vez (e marca esta).
    bool ChegouAVez();
    void TrocarRelogio(Relogio relogio);

private:
    Relogio m_relogio;
    int64_t m_ultima = 0;
};
