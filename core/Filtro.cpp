#include "Filtro.h"

#include "Configuracoes.h"
#include "ListaDeVolantes.h"
#include "Progresso.h"
#include "Volante.h"

#include <stdexcept>

// Provisório: implementação completa a seguir.
CFiltro::CFiltro(IConfiguracoes& configuracoes) : m_configuracoes(configuracoes) {}
void CFiltro::CarregarFiltros() { throw std::logic_error("não implementado"); }
bool CFiltro::AprovarVolante(const CVolante&) const { throw std::logic_error("não implementado"); }
void CFiltro::FiltrarVolantes(CListaDeVolantes&, int32_t&, IProgressoFiltragem&) { throw std::logic_error("não implementado"); }
const std::array<SDefinicaoDeFiltro, kQtdeDeFiltros> kFiltros{};
