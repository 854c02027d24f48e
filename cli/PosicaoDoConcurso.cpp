#include "cli/PosicaoDoConcurso.h"

#include "core/ErroDoUsuario.h"

#include <string>

size_t PosicaoDoConcurso(const CListaDeResultados& resultados, int concurso)
{
    for (size_t i = 0; i < resultados.size(); ++i)
        if (resultados[i]->m_concurso == concurso)
            return i;
    throw CErroDoUsuario("Concurso " + std::to_string(concurso) + " não está no arquivo de resultados.");
}
