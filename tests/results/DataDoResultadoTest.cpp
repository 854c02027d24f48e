#include "results/DataDoResultado.h"

#include "core/ErroDoUsuario.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

struct SCasoDeData {
    SDiaEHora momento;
    double valor;
};

class DataDoResultado : public testing::TestWithParam<SCasoDeData> {};

TEST_P(DataDoResultado, IdaEVolta)
{
    const auto& caso = GetParam();
    const SData data = DataDoCalendario(caso.momento);
    EXPECT_EQ(data.estado, SData::kValida);
    EXPECT_NEAR(data.valor, caso.valor, 1e-9);
    EXPECT_EQ(CalendarioDaData(data), caso.momento);
}

INSTANTIATE_TEST_SUITE_P(
    Datas, DataDoResultado,
    testing::Values(SCasoDeData{{1899, 12, 30}, 0.0}, SCasoDeData{{1900, 1, 1}, 2.0},
                    SCasoDeData{{2004, 3, 15}, 38061.0},
                    SCasoDeData{{2024, 2, 29, 13, 45, 10}, 45351.0 + (13 * 3600 + 45 * 60 + 10) / 86400.0},
                    // Antes do dia zero a fração ainda soma a hora: 29/12/1899 às 6h é -1,25.
                    SCasoDeData{{1899, 12, 29, 6, 0, 0}, -1.25}, SCasoDeData{{100, 1, 1}, -657434.0},
                    SCasoDeData{{9999, 12, 31, 23, 59, 59}, 2958465.0 + 86399 / 86400.0}));

TEST(TextoDaData, DiaMesAnoOuTracoQuandoNaoValida)
{
    EXPECT_EQ(TextoDaData({38061.75, SData::kValida}), "15/03/2004");
    EXPECT_EQ(TextoDaData({38061.0, SData::kInvalida}), "-");
    EXPECT_EQ(TextoDaData({38061.0, SData::kNula}), "-");
    EXPECT_EQ(TextoDaData({1e12, SData::kValida}), "-");
    EXPECT_EQ(TextoDaData({std::nan(""), SData::kValida}), "-");
    // 23:59:59,8 arredonda para a meia-noite do dia seguinte.
    EXPECT_EQ(CalendarioDaData({38061.0 + 86399.8 / 86400.0, SData::kValida}), (SDiaEHora{2004, 3, 16}));
}

TEST(LerDia, AceitaSoDiasDoCalendario)
{
    EXPECT_EQ(LerDia("15/03/2004"), (SDiaEHora{2004, 3, 15}));
    EXPECT_EQ(LerDia("1/2/2010"), (SDiaEHora{2010, 2, 1}));
    EXPECT_EQ(LerDia("29/02/2024"), (SDiaEHora{2024, 2, 29}));
    for (const char* texto : {"29/02/2023", "31/04/2004", "00/01/2004", "15/13/2004", "15/03/04", "15-03-2004",
                              "", "15/03/2004 ", "hoje", "15/03/0099"})
        EXPECT_THROW(LerDia(texto), CErroDoUsuario) << texto;
}

TEST(DataDoCalendario, RecusaMomentoInexistente)
{
    EXPECT_THROW(DataDoCalendario({2004, 2, 30}), CErroDoUsuario);
    EXPECT_THROW(DataDoCalendario({2004, 3, 15, 24, 0, 0}), CErroDoUsuario);
    EXPECT_THROW(DataDoCalendario({99, 12, 31}), CErroDoUsuario);
}

} // namespace
