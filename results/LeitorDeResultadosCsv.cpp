#include "results/LeitorDeResultadosCsv.h"

#include "core/CamposDeCsv.h"
#include "core/ErroAoAbrirArquivo.h"
#include "core/PlacaresEmTexto.h"
#include "results/DataDoResultado.h"
#include "results/ErroNoCsv.h"
#include "results/FaixasDoResultado.h"
#include "results/FormatoDoCsvDeResultados.h"
#include "results/ValoresDoResultado.h"

#include <fstream>
#include <map>
#include <optional>
#include <string>
#include <variant>

namespace fs = std::filesystem;

namespace {

using Motivo = SLinhaRecusada::Motivo;

constexpr std::string_view kBom = "\xEF\xBB\xBF";
// Nenhuma data escrita tem mais que isso; o limite poupa a expressão regular de um campo enorme.
constexpr size_t kMaiorData = 32;

// Uma linha do fluxo, sem o LF nem o CR antes dele; a parte além de kMaiorLinhaDoCsv é
// descartada (longa = verdadeiro). Falso no fim do fluxo.
bool LerLinha(std::streambuf& fluxo, std::string& linha, bool& longa)
{
    linha.clear();
    longa = false;
    bool leu = false;
    for (int c; (c = fluxo.sbumpc()) != std::char_traits<char>::eof();) {
        leu = true;
        if (c == '\n')
            break;
        if (linha.size() < kMaiorLinhaDoCsv + 1)
            linha += char(c);
        else
            longa = true;
    }
    if (!linha.empty() && linha.back() == '\r')
        linha.pop_back();
    if (linha.size() > kMaiorLinhaDoCsv)
        longa = true;
    return leu;
}

std::string Minusculas(std::string texto)
{
    for (char& c : texto)
        if (c >= 'A' && c <= 'Z')
            c = char(c - 'A' + 'a');
    return texto;
}

std::string CabecalhoEsperado()
{
    std::vector<std::string> colunas(std::begin(kColunasDoCsv), std::end(kColunasDoCsv));
    return LinhaDeCsv(colunas, kSeparadorDoCsv);
}

[[noreturn]] void SemCabecalho()
{
    throw CErroNoCsv(CErroNoCsv::Tipo::Cabecalho,
                     "A primeira linha do arquivo CSV deve ser o cabeçalho " + CabecalhoEsperado() + ".");
}

// O separador é o do cabeçalho: ";" quando há algum, senão ",".
char SeparadorDoCabecalho(const std::string& linha)
{
    const char separador = linha.find(';') != std::string::npos ? ';' : ',';
    const auto campos = DividirLinhaDeCsv(linha, separador);
    if (!campos || campos->size() != kQtdeDeColunasDoCsv)
        SemCabecalho();
    for (size_t i = 0; i < kQtdeDeColunasDoCsv; ++i)
        if (Minusculas((*campos)[i]) != kColunasDoCsv[i])
            SemCabecalho();
    return separador;
}

using LinhaLida = std::variant<std::unique_ptr<CResultadoVarenta>, SLinhaRecusada>;

SLinhaRecusada Recusa(Motivo motivo, const std::string& texto = {}, int faixa = 0)
{
    SLinhaRecusada recusa;
    recusa.motivo = motivo;
    recusa.texto = texto;
    recusa.faixa = faixa;
    return recusa;
}

std::optional<SData> DataDoCampo(const std::string& texto)
{
    if (texto == "-")
        return SData{0.0, SData::kInvalida};
    if (texto.size() > kMaiorData)
        return std::nullopt;
    try {
        return DataDoCalendario(LerDiaEHora(texto));
    } catch (const CErroDoUsuario&) {
        return std::nullopt;
    }
}

std::optional<std::array<int, 10>> PlacaresDoCampo(const std::string& texto)
{
    try {
        return LerPlacares(texto);
    } catch (const CErroDoUsuario&) {
        return std::nullopt;
    }
}

// Os campos de uma linha, na ordem das colunas; o primeiro ruim recusa a linha.
LinhaLida ResultadoDosCampos(const std::vector<std::string>& campos)
{
    SValoresDoResultado valores;
    const auto concurso = LerNaoNegativo(campos[0]);
    if (!concurso || !ConcursoNaFaixa(*concurso))
        return Recusa(Motivo::Concurso, campos[0]);
    valores.concurso = *concurso;
    const auto data = DataDoCampo(campos[1]);
    if (!data)
        return Recusa(Motivo::Data, campos[1]);
    valores.data = *data;
    const auto colunas = PlacaresDoCampo(campos[2]);
    if (!colunas)
        return Recusa(Motivo::Placares, campos[2]);
    valores.colunas = *colunas;
    for (int faixa = 0; faixa < 3; ++faixa) {
        const auto ganhadores = LerNaoNegativo(campos[3 + faixa]);
        if (!ganhadores)
            return Recusa(Motivo::Ganhadores, campos[3 + faixa], 3 + faixa);
        valores.ganhadores[faixa] = *ganhadores;
    }
    for (int faixa = 0; faixa < 3; ++faixa) {
        const auto rateio = LerReais(campos[6 + faixa]);
        if (!rateio || !ReaisNaFaixa(*rateio))
            return Recusa(Motivo::Rateio, campos[6 + faixa], 3 + faixa);
        valores.rateios[faixa] = *rateio;
    }
    const auto acumulado = LerReais(campos[9]);
    if (!acumulado || !ReaisNaFaixa(*acumulado))
        return Recusa(Motivo::Acumulado, campos[9]);
    valores.valor_acumulado = *acumulado;
    return NovoResultado(valores);
}

LinhaLida LerResultado(const std::string& linha, bool longa, char separador)
{
    if (longa)
        return Recusa(Motivo::LinhaLonga);
    const auto campos = DividirLinhaDeCsv(linha, separador);
    if (!campos)
        return Recusa(Motivo::Aspas);
    if (campos->size() != kQtdeDeColunasDoCsv) {
        SLinhaRecusada recusa = Recusa(Motivo::Colunas);
        recusa.colunas = campos->size();
        return recusa;
    }
    return ResultadoDosCampos(*campos);
}

} // namespace

SResultadosDoCsv LerResultadosDeCsv(std::istream& entrada)
{
    std::streambuf& fluxo = *entrada.rdbuf();
    SResultadosDoCsv lidos;
    std::map<int32_t, size_t> linha_do_concurso;
    std::optional<char> separador;
    std::string linha;
    bool longa = false;
    size_t com_texto = 0;
    for (size_t numero = 1; LerLinha(fluxo, linha, longa); ++numero) {
        if (numero == 1 && std::string_view(linha).substr(0, kBom.size()) == kBom)
            linha.erase(0, kBom.size());
        if (linha.empty() && !longa)
            continue;
        if (++com_texto > kMaisLinhasDoCsv)
            throw CErroNoCsv(CErroNoCsv::Tipo::LinhasDemais, "O arquivo CSV tem mais de " +
                                                                 std::to_string(kMaisLinhasDoCsv) + " linhas.");
        if (!separador) {
            if (longa)
                SemCabecalho();
            separador = SeparadorDoCabecalho(linha);
            continue;
        }
        LinhaLida lida = LerResultado(linha, longa, *separador);
        if (auto* recusa = std::get_if<SLinhaRecusada>(&lida)) {
            recusa->linha = numero;
            lidos.recusadas.push_back(std::move(*recusa));
            continue;
        }
        auto& resultado = std::get<std::unique_ptr<CResultadoVarenta>>(lida);
        const auto [anterior, novo] = linha_do_concurso.emplace(resultado->m_concurso, numero);
        if (!novo) {
            SLinhaRecusada recusa = Recusa(Motivo::ConcursoRepetido, std::to_string(resultado->m_concurso));
            recusa.linha = numero;
            recusa.primeira = anterior->second;
            lidos.recusadas.push_back(std::move(recusa));
            continue;
        }
        lidos.resultados.push_back(std::move(resultado));
    }
    if (!separador)
        SemCabecalho();
    return lidos;
}

SResultadosDoCsv LerResultadosDeCsv(const fs::path& caminho)
{
    std::ifstream entrada(caminho, std::ios::binary);
    std::error_code falha;
    const uintmax_t tamanho = fs::file_size(caminho, falha);
    if (!entrada || falha)
        throw CErroAoAbrirArquivo(kErroAoAbrirArquivo, caminho);
    try {
        if (tamanho > kMaiorCsvDeResultados)
            throw CErroNoCsv(CErroNoCsv::Tipo::ArquivoGrande, "O arquivo CSV tem mais de " +
                                                                  std::to_string(kMaiorCsvDeResultados >> 20) + " MB.");
        return LerResultadosDeCsv(entrada);
    } catch (const CErroNoCsv& erro) {
        throw CErroNoCsv(erro.TipoDoErro(), std::string(erro.what()) + " (" + caminho.string() + ")");
    }
}
