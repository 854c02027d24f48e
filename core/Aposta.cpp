#include "Aposta.h"

#include "Chave.h"
#include "Progresso.h"

#include <stdexcept>

// Provisório: implementação completa a seguir.
CAposta::CAposta(IConfiguracoes& configuracoes, IProgressoGeracao& progresso)
    : m_filtro(configuracoes), m_progresso(progresso) {}
void CAposta::Limpar() {}
void CAposta::GerarCartoes() { throw std::logic_error("não implementado"); }
void CAposta::EscolherCompletas(size_t) {}
void CAposta::EnumerarIncompletas() {}
void CAposta::Montar() {}
void CAposta::Expandir(const std::vector<const CScoreGrupo*>&, size_t) {}
bool CAposta::PararSolicitado() const { return m_progresso.PararSolicitado(); }
void CChave::Enumerar(size_t) {}
void CChave::EnumerarPadroes(size_t) {}
