#pragma once

#include <memory>
#include <vector>

class CChave;

// Ordenação estável pelos bytes Windows-1252 dos nomes, como o arquivo os guarda (e não
// pelos bytes UTF-8 da memória, que poriam "€" depois de "é"). A grade da tela e a
// geração, da tela e do quinaro-cli, seguem esta ordem.
void OrdenarChavesPorNome(std::vector<std::shared_ptr<CChave>>& chaves);
