#pragma once

#include <filesystem>
#include <ostream>

class CVarentaDoc;

// Os cartões do documento em CSV, em UTF-8 e com LF: o cabeçalho
// "Jogo 1;Jogo 2;Jogo 3;Jogo 4;Jogo 5" e um cartão por linha, na ordem do documento, cada
// célula o placar do jogo como "listar" o escreve ("1x0", "01x2" com duas colunas
// marcadas, "-x-" sem placar). É o único lugar que percorre os cartões para o CSV.
void EscreverCartoesEmCsv(const CVarentaDoc& documento, std::ostream& saida);
// Grava o arquivo inteiro pela gravação segura; falso se não gravou (o anterior fica).
bool GravarCartoesEmCsv(const CVarentaDoc& documento, const std::filesystem::path& caminho);
