#include "results/ServicoDeResultados.h"

#include "results/EnderecoDoServico.h"
#include "results/PaginasDaInternet.h"
#include "results/TextoDaResposta.h"

CServicoDeResultados::CServicoDeResultados(IPaginasDaInternet& paginas, std::string servidor,
                                           FLerDataRegional regional)
    : m_paginas(paginas), m_servidor(std::move(servidor)), m_regional(std::move(regional))
{
}

int CServicoDeResultados::PegarUltimoConcurso()
{
    return InteiroDoInicio(m_paginas.BaixarPagina(EnderecoDoUltimoConcurso(m_servidor)));
}

std::string CServicoDeResultados::PegarResultado(int concurso)
{
    return m_paginas.BaixarPagina(EnderecoDoResultado(m_servidor, concurso));
}

std::string CServicoDeResultados::Servidor() const
{
    return NomeDoServidor(m_servidor);
}
