#pragma once

#include <filesystem>

class IPastas;

// Todos os concursos do arquivo de resultados numa tabela, em "relatorios\Varenta.htm"
// (com "t3.gif" ao lado). Devolve o caminho completo do relatório. Falhas, sem nada
// gravado: CErroAoAbrirArquivo (resultados que não abrem), CArquivoDanificado ou
// CErroAoSalvarArquivo (relatório que não se grava).
std::filesystem::path EscreverListagemDeResultados(const IPastas& pastas);
