#pragma once

#include <QString>

#include <cstdint>
#include <optional>

class QLineEdit;
class QWidget;

// Conferência dos campos ao confirmar um diálogo, como a troca de dados do framework:
// espaços em volta são aceitos, qualquer outro texto sobrando recusa o campo.

// Inteiro de 32 bits com sinal opcional.
std::optional<int32_t> LerInteiroDoCampo(const QString& texto);
// Inteiro sem sinal de 32 bits (0 a 4294967295); um "-" recusa.
std::optional<uint32_t> LerSemSinalDoCampo(const QString& texto);
// Número com vírgula ou ponto decimal e expoente opcionais (sem separador de milhar).
std::optional<double> LerNumeroDoCampo(const QString& texto);

// Campo recusado: a mensagem, o foco e o texto selecionado no campo.
void RecusarCampo(QWidget* dialogo, QLineEdit* campo, const QString& mensagem);
