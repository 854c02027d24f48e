// O freio dos logins errados, com o relógio nas mãos do teste.
#include "tools/servidor/AtrasoDoLogin.h"

#include <gtest/gtest.h>

namespace {

using namespace std::chrono_literals;
using Relogio = CAtrasoDoLogin::Relogio;

const QHostAddress kTentando(QStringLiteral("203.0.113.7"));
const QHostAddress kOutro(QStringLiteral("203.0.113.8"));

TEST(AtrasoDoLogin, CresceDepoisDoQuintoErroAteOTeto)
{
    CAtrasoDoLogin atraso;
    const Relogio::time_point agora{};
    const std::chrono::milliseconds esperados[] = {0ms, 0ms, 0ms, 0ms, 0ms, 1000ms, 2000ms, 4000ms,
                                                   8000ms, 16000ms, 16000ms, 16000ms};
    for (size_t erros = 0; erros < std::size(esperados); ++erros) {
        SCOPED_TRACE(erros);
        EXPECT_EQ(atraso.Atraso(kTentando, agora), esperados[erros]);
        atraso.Errou(kTentando, agora);
    }
    for (int erros = 0; erros < 2000; ++erros)
        atraso.Errou(kTentando, agora);
    EXPECT_EQ(atraso.Atraso(kTentando, agora), CAtrasoDoLogin::kMaiorAtraso);
    EXPECT_EQ(atraso.Atraso(kOutro, agora), 0ms);
}

TEST(AtrasoDoLogin, LoginCertoOuTempoSemErroEsquecem)
{
    CAtrasoDoLogin atraso;
    const Relogio::time_point agora{};
    for (int erros = 0; erros < 6; ++erros) {
        atraso.Errou(kTentando, agora);
        atraso.Errou(kOutro, agora);
    }
    atraso.Acertou(kTentando);
    EXPECT_EQ(atraso.Atraso(kTentando, agora), 0ms);
    EXPECT_EQ(atraso.Atraso(kOutro, agora + CAtrasoDoLogin::kEsquecimento - 1s), 2000ms);
    EXPECT_EQ(atraso.Atraso(kOutro, agora + CAtrasoDoLogin::kEsquecimento), 0ms);
    // Depois de esquecido, os erros recomeçam do zero.
    atraso.Errou(kOutro, agora + CAtrasoDoLogin::kEsquecimento);
    EXPECT_EQ(atraso.Atraso(kOutro, agora + CAtrasoDoLogin::kEsquecimento), 0ms);
}

TEST(AtrasoDoLogin, MesmoBlocoIpv6ContaJunto)
{
    CAtrasoDoLogin atraso;
    const Relogio::time_point agora{};
    for (int erros = 0; erros < 5; ++erros)
        atraso.Errou(QHostAddress(QStringLiteral("2001:db8:1:2::") + QString::number(erros + 1)), agora);
    EXPECT_EQ(atraso.Atraso(QHostAddress(QStringLiteral("2001:db8:1:2::99")), agora), 1000ms);
    EXPECT_EQ(atraso.Atraso(QHostAddress(QStringLiteral("2001:db8:1:3::1")), agora), 0ms);
}

TEST(AtrasoDoLogin, TabelaCheiaEsqueceOMaisAntigo)
{
    CAtrasoDoLogin atraso;
    const Relogio::time_point inicio{};
    for (int erros = 0; erros < 5; ++erros)
        atraso.Errou(kTentando, inicio);
    for (quint32 n = 0; n < CAtrasoDoLogin::kMaisEnderecos; ++n)
        atraso.Errou(QHostAddress(0x0a000000u + n), inicio + 1s);
    EXPECT_EQ(atraso.Atraso(kTentando, inicio + 1s), 0ms);
}

} // namespace
