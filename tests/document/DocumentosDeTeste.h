#pragma once

#include "document/VarentaDoc.h"

#include <cstddef>
#include <memory>

// Posições no arquivo de fixtures/documento_gerado.hex (3624 bytes).
namespace posicao {
constexpr size_t kTabela = 5 * 53 + 2 + 21;  // quadro (duas chaves "A") e números com o resumo "Ação"
constexpr size_t kCelula(size_t i) { return kTabela + 2 + (i == 0 ? 0 : 36 + 26 * (i - 1)); }
constexpr size_t kChaves = kTabela + 2 + 3260;  // contagem 125, 36 + 124 x 26
constexpr size_t kCartoes = kChaves + 2 + 40;
constexpr size_t kPrimeiroCartao = kCartoes + 4;
constexpr size_t kTamanho = kPrimeiroCartao + 2 * 14;
} // namespace posicao

// O documento descrito à mão em fixtures/documento_gerado.hex, com cartões que apontam
// para a tabela cheia, como os do gerador.
std::unique_ptr<CVarentaDoc> DocumentoGerado();
// Acrescenta um cartão com as células (jogo m, célula k[m]) da tabela cheia.
void AdicionarCartao(CVarentaDoc& documento, const int (&celulas)[5]);
// Tudo o que o arquivo guarda é igual (cartões e chaves comparados pelo conteúdo).
void ExpectMesmoDocumento(const CVarentaDoc& a, const CVarentaDoc& b);
