#include "results/ResumoDaAtualizacao.h"

std::string TextoDaAtualizacao(const SResumoDaAtualizacao& resumo)
{
    std::string novos;
    if (resumo.novos == 0)
        novos = resumo.interrompida ? "nenhum concurso novo" : "Nenhum concurso novo";
    else if (resumo.novos == 1)
        novos = "1 concurso novo (o " + std::to_string(resumo.primeiro) + ")";
    else
        novos = std::to_string(resumo.novos) + " concursos novos (do " + std::to_string(resumo.primeiro) + " ao " +
                std::to_string(resumo.ultimo) + ")";
    std::string texto = (resumo.interrompida ? "Atualização interrompida: " : "") + novos + ".";
    if (resumo.faltam == 1)
        texto += " Falta 1 concurso: atualize de novo para buscá-lo.";
    else if (resumo.faltam > 1)
        texto += " Faltam " + std::to_string(resumo.faltam) + " concursos: atualize de novo para buscá-los.";
    return texto;
}
