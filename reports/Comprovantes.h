#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <string>

class CRelatorioHtml;
class IPastas;

// Estados das 25 células de cada jogo (0 alternativa, 1 favorito, 2 removido).
using CelulasDoQuadro = std::array<std::array<uint16_t, 25>, 5>;

// Formulário de bolão em "relatorios\Varenta.htm": o concurso, as marcas do quadro, a
// chave de cada jogo e o resumo das chaves. Devolve o caminho completo. Não gravou:
// CErroAoSalvarArquivo ("Erro ao Salvar Arquivo").
std::filesystem::path EscreverComprovantes(const IPastas& pastas, uint32_t concurso, const CelulasDoQuadro& celulas,
                                           const std::array<std::string, 5>& chave_do_jogo,
                                           const std::string& resumo);

// A linha de um jogo (0 a 4): caixas marcadas nos favoritos, vazias nas alternativas de
// um jogo com chave, e a chave.
void EscreverLinhaComprovante(int jogo, const std::array<uint16_t, 25>& celulas, const std::string& chave,
                              CRelatorioHtml& relatorio);
