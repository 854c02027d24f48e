#pragma once

#include <filesystem>
#include <string>

class IPastas;

// Caminho completo, na pasta de dados ("Quinaro Professional" nos documentos do
// usuário), de um caminho relativo escrito com "\" ("resultados\Varenta.dat"). Cria as
// pastas que faltam e copia o arquivo de mesmo caminho da pasta de instalação quando o
// do usuário ainda não existe (nunca sobrescreve).
std::filesystem::path CaminhoDeDados(const IPastas& pastas, const std::string& relativo);
// A própria pasta de dados, criada se faltar.
std::filesystem::path PastaDeDados(const IPastas& pastas);

inline constexpr const char* kArquivoDeResultados = "resultados\\Varenta.dat";
