#pragma once

#include <filesystem>

class IPastas;

// Todos os concursos do arquivo de resultados numa tabela, em "relatorios\Varenta.htm"
// (com "t3.gif" ao lado). Devolve o caminho completo do relatório. Falhas: CErroDoUsuario
// ("Erro ao Abrir Arquivo", ou a mensagem do arquivo de resultados danificado, quando
// nada é gravado).
std::filesystem::path EscreverListagemDeResultados(const IPastas& pastas);
