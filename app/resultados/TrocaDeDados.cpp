#include "app/resultados/TrocaDeDados.h"

#include "results/ValoresDoResultado.h"
#include "app/shell/Mensagens.h"

#include <QLineEdit>

#include <charconv>
#include <cmath>
#include <string>

namespace {

// Texto sem os espaços em volta e sem o "+" inicial (que from_chars não aceita).
std::string TextoDoNumero(const QString& texto)
{
    std::string numero = texto.trimmed().toStdString();
    if (numero.size() > 1 && numero[0] == '+' && numero[1] != '-' && numero[1] != '+')
        numero.erase(0, 1);
    return numero;
}

template <typename Inteiro>
std::optional<Inteiro> LerInteiroSemSobra(const QString& texto)
{
    const std::string numero = TextoDoNumero(texto);
    Inteiro valor = 0;
    const char* fim = numero.data() + numero.size();
    const auto [ptr, erro] = std::from_chars(numero.data(), fim, valor);
    if (numero.empty() || erro != std::errc() || ptr != fim)
        return std::nullopt;
    return valor;
}

} // namespace

std::optional<int32_t> LerInteiroDoCampo(const QString& texto)
{
    return LerInteiroSemSobra<int32_t>(texto);
}

std::optional<uint32_t> LerSemSinalDoCampo(const QString& texto)
{
    return LerInteiroSemSobra<uint32_t>(texto);
}

std::optional<double> LerNumeroDoCampo(const QString& texto)
{
    const std::string numero = ComPontoDecimal(TextoDoNumero(texto));
    double valor = 0;
    const char* fim = numero.data() + numero.size();
    const auto [ptr, erro] = std::from_chars(numero.data(), fim, valor, std::chars_format::general);
    if (numero.empty() || erro != std::errc() || ptr != fim || !std::isfinite(valor))
        return std::nullopt;
    return valor;
}

void RecusarCampo(QWidget* dialogo, QLineEdit* campo, const QString& mensagem)
{
    MostrarAviso(dialogo, mensagem);
    // A caixa fechada devolve o teclado ao diálogo, e nele ao campo recusado.
    campo->window()->activateWindow();
    campo->setFocus();
    campo->selectAll();
}
