#pragma once

#include <atomic>

// O pedido de parar a atualização pela internet: o "Parar" do diálogo de progresso, o Ctrl-C
// do quinaro-cli. A atualização o vê entre dois concursos e o cliente da internet, durante
// a pausa e o pedido em curso. Pedir() serve dentro de um tratador de sinal.
class CParadaDaAtualizacao {
public:
    void Pedir() noexcept { m_pedida.store(true, std::memory_order_relaxed); }
    bool Pedida() const noexcept { return m_pedida.load(std::memory_order_relaxed); }

private:
    static_assert(std::atomic<bool>::is_always_lock_free);
    std::atomic<bool> m_pedida{false};
};
