#pragma once

#include <string>

// Bytes descritos em texto: pares hexadecimais (espaços à vontade), "texto" para os
// bytes do próprio texto e # comentando até o fim da linha. Lança std::runtime_error
// se o texto estiver malformado.
std::string BytesDoHex(const std::string& descricao);
// BytesDoHex do conteúdo de uma fixture (caminho relativo a tests/).
std::string FixtureHex(const std::string& relativo);
