#pragma once

#include <filesystem>

class CListaDeVolantes;
class IPastas;

// Cada cartão numa linha da tabela, em "relatorios\Varenta.htm". Devolve o caminho
// completo. Não gravou: CErroAoAbrirArquivo.
std::filesystem::path EscreverListagemDeApostas(const IPastas& pastas, const CListaDeVolantes& volantes);
