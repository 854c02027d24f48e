#pragma once

#include "results/ResultadoVarenta.h"

#include <filesystem>
#include <optional>

class IPastas;
class QWidget;

// Os resultados do usuário para uma tela ou um diálogo, com o cursor de espera. O arquivo
// que não abre é avisado aqui com a mensagem do erro e dá vazio; o danificado segue como
// falha do comando (CArquivoDanificado).
std::optional<CListaDeResultados> ResultadosNaTela(QWidget* pai, const IPastas& pastas);
std::optional<CListaDeResultados> ResultadosNaTela(QWidget* pai, const std::filesystem::path& caminho);
