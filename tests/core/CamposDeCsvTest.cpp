// Divisão e montagem de linhas de CSV.
#include "core/CamposDeCsv.h"

#include <gtest/gtest.h>

namespace {

using Campos = std::vector<std::string>;

struct SDivisao {
    const char* linha;
    char separador;
    std::optional<Campos> campos;
};

TEST(CamposDeCsv, DivideComAspasBrancosECamposVazios)
{
    const SDivisao casos[] = {
        {"a;b;c", ';', Campos{"a", "b", "c"}},
        {"", ';', Campos{""}},
        {";", ';', Campos{"", ""}},
        {"a;;c;", ';', Campos{"a", "", "c", ""}},
        {"  a ;\tb\t", ';', Campos{"a", "b"}},
        {"1,\"25,40\",3", ',', Campos{"1", "25,40", "3"}},
        {"\"di\"\"z\";x", ';', Campos{"di\"z", "x"}},
        {" \"a;b\" ;c", ';', Campos{"a;b", "c"}},
        {"\"\"", ';', Campos{""}},
        {"a;b", ',', Campos{"a;b"}},
        {"a\"b;c", ';', Campos{"a\"b", "c"}},  // aspa no meio de um campo sem aspas é texto
        {"\"aberta;c", ';', std::nullopt},
        {"\"a\"b;c", ';', std::nullopt},
        {"x;\"fim", ';', std::nullopt},
    };
    for (const SDivisao& caso : casos)
        EXPECT_EQ(DividirLinhaDeCsv(caso.linha, caso.separador), caso.campos) << caso.linha;
}

TEST(CamposDeCsv, MontaComAspasSoQuandoPrecisaEVoltaIgual)
{
    const std::pair<Campos, const char*> casos[] = {
        {{"1234", "15/03/2004", "1x0 2x2"}, "1234;15/03/2004;1x0 2x2"},
        {{"a;b", "c"}, "\"a;b\";c"},
        {{"di\"z"}, "\"di\"\"z\""},
        {{" borda", ""}, "\" borda\";"},
        {{"25,40"}, "25,40"},  // com ";" a vírgula não precisa de aspas
    };
    for (const auto& [campos, linha] : casos) {
        EXPECT_EQ(LinhaDeCsv(campos, ';'), linha);
        EXPECT_EQ(DividirLinhaDeCsv(LinhaDeCsv(campos, ';'), ';'), campos) << linha;
        EXPECT_EQ(DividirLinhaDeCsv(LinhaDeCsv(campos, ','), ','), campos) << linha;
    }
}

} // namespace
