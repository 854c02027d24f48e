#include "tools/servidor/OpcoesDoServico.h"

#include <map>
#include <optional>

namespace {

using Valores = std::map<QString, QString>;

const QStringList kOpcoesComValor = {
    QStringLiteral("arquivo"),  QStringLiteral("porta"),    QStringLiteral("endereco"),
    QStringLiteral("usuario"),  QStringLiteral("senha"),    QStringLiteral("conexoes"),
    QStringLiteral("prazo-cabecalho"), QStringLiteral("prazo-ocioso"),
};

std::string Texto(const QString& texto)
{
    return texto.toStdString();
}

// "--nome valor" ou "--nome=valor"; cada opção no máximo uma vez.
std::optional<Valores> SepararOpcoes(const QStringList& argumentos)
{
    Valores valores;
    for (qsizetype i = 0; i < argumentos.size(); ++i) {
        const QString& argumento = argumentos[i];
        if (argumento == QLatin1String("-h") || argumento == QLatin1String("--help") ||
            argumento == QLatin1String("--ajuda"))
            return std::nullopt;
        if (!argumento.startsWith(QLatin1String("--")))
            throw COpcaoInvalida("argumento inesperado: " + Texto(argumento));
        const qsizetype igual = argumento.indexOf(QLatin1Char('='));
        const QString nome = argumento.mid(2, igual < 0 ? -1 : igual - 2);
        if (!kOpcoesComValor.contains(nome))
            throw COpcaoInvalida("opção desconhecida: --" + Texto(nome));
        QString valor;
        if (igual >= 0)
            valor = argumento.mid(igual + 1);
        else if (i + 1 < argumentos.size())
            valor = argumentos[++i];
        else
            throw COpcaoInvalida("falta o valor de --" + Texto(nome));
        if (!valores.emplace(nome, valor).second)
            throw COpcaoInvalida("--" + Texto(nome) + " dada mais de uma vez");
    }
    return valores;
}

// Só algarismos, dentro de [menor, maior].
int Inteiro(const Valores& valores, const QString& nome, int padrao, int menor, int maior)
{
    const auto valor = valores.find(nome);
    if (valor == valores.end())
        return padrao;
    const QString& texto = valor->second;
    bool numero = !texto.isEmpty() && texto.size() <= 9;
    for (QChar c : texto)
        numero = numero && c >= QLatin1Char('0') && c <= QLatin1Char('9');
    const int lido = numero ? texto.toInt() : -1;
    if (lido < menor || lido > maior)
        throw COpcaoInvalida("--" + Texto(nome) + " inválido: \"" + Texto(texto) + "\" (de " + std::to_string(menor) +
                             " a " + std::to_string(maior) + ")");
    return lido;
}

QByteArray OpcaoOuAmbiente(const Valores& valores, const QString& nome, const FAmbiente& ambiente,
                           const char* variavel)
{
    const auto valor = valores.find(nome);
    return valor != valores.end() ? valor->second.toUtf8() : ambiente(variavel);
}

void ConferirLogin(const QByteArray& usuario, const QByteArray& senha)
{
    // Um login pela metade desligaria a proteção sem aviso.
    if (usuario.isEmpty() && !senha.isEmpty())
        throw COpcaoInvalida("senha sem usuário: informe também --usuario (ou QUINARO_SERVIDOR_USUARIO)");
    if (!usuario.isEmpty() && senha.isEmpty())
        throw COpcaoInvalida("usuário sem senha: informe também --senha (ou QUINARO_SERVIDOR_SENHA)");
    if (usuario.contains(':'))
        throw COpcaoInvalida("o nome do usuário não pode ter \":\" (login HTTP basic)");
}

} // namespace

std::variant<SOpcoesDoServico, SPedidoDeAjuda> LerOpcoesDoServico(const QStringList& argumentos,
                                                                  const FAmbiente& ambiente)
{
    const auto valores = SepararOpcoes(argumentos);
    if (!valores)
        return SPedidoDeAjuda{};
    SOpcoesDoServico opcoes;
    const auto arquivo = valores->find(QStringLiteral("arquivo"));
    if (arquivo == valores->end() || arquivo->second.isEmpty())
        throw COpcaoInvalida("falta --arquivo");
    opcoes.arquivo = Texto(arquivo->second);
    opcoes.porta = quint16(Inteiro(*valores, QStringLiteral("porta"), 8080, 0, 65535));
    if (const auto endereco = valores->find(QStringLiteral("endereco")); endereco != valores->end()) {
        opcoes.endereco = QHostAddress(endereco->second);
        if (opcoes.endereco.isNull())
            throw COpcaoInvalida("endereço inválido: " + Texto(endereco->second));
    }
    opcoes.usuario = OpcaoOuAmbiente(*valores, QStringLiteral("usuario"), ambiente, "QUINARO_SERVIDOR_USUARIO");
    opcoes.senha = OpcaoOuAmbiente(*valores, QStringLiteral("senha"), ambiente, "QUINARO_SERVIDOR_SENHA");
    ConferirLogin(opcoes.usuario, opcoes.senha);
    opcoes.conexoes = Inteiro(*valores, QStringLiteral("conexoes"), 512, 1, 100000);
    opcoes.prazos.cabecalho = std::chrono::seconds(Inteiro(*valores, QStringLiteral("prazo-cabecalho"), 10, 1, 3600));
    opcoes.prazos.ociosa = std::chrono::seconds(Inteiro(*valores, QStringLiteral("prazo-ocioso"), 30, 1, 3600));
    return opcoes;
}

QString TextoDeAjudaDoServico()
{
    return QStringLiteral(
        "Uso: quinaro-servidor-resultados --arquivo ARQUIVO [opções]\n"
        "\n"
        "Serviço de resultados do Quinaro: responde às páginas PegarUltimoConcurso.aspx e\n"
        "PegarResultado.aspx a partir de um arquivo de resultados (Varenta.dat), relido\n"
        "quando muda.\n"
        "\n"
        "Opções:\n"
        "  --arquivo ARQUIVO      arquivo de resultados servido (obrigatório)\n"
        "  --porta N              porta TCP (0: uma livre, anunciada na primeira linha);\n"
        "                         padrão 8080\n"
        "  --endereco IP          endereço em que escuta; padrão 127.0.0.1\n"
        "  --usuario NOME         login exigido (HTTP basic), sempre com --senha\n"
        "  --senha SENHA          senha do login, sempre com --usuario\n"
        "  --conexoes N           conexões abertas ao mesmo tempo; as demais recebem 503;\n"
        "                         padrão 512\n"
        "  --prazo-cabecalho S    segundos para o cabeçalho de um pedido chegar inteiro;\n"
        "                         padrão 10\n"
        "  --prazo-ocioso S       segundos que uma conexão mantida espera o pedido\n"
        "                         seguinte; padrão 30\n"
        "  -h, --ajuda, --help    mostra esta ajuda\n"
        "\n"
        "O login também pode vir de QUINARO_SERVIDOR_USUARIO e QUINARO_SERVIDOR_SENHA\n"
        "(prefira o ambiente: a linha de comando é visível a outros usuários). Depois de\n"
        "5 logins errados de um endereço, as respostas a ele demoram de 1 a 16 segundos.\n");
}
