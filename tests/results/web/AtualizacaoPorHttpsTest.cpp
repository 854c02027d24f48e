// "https://": o serviço de resultados de verdade atrás do stunnel4 no loopback, com
// certificados feitos pelo openssl na hora. A autoridade de teste chega ao cliente pela
// variável QUINARO_CERTIFICADOS_CA (kCertificadosExtras); as do sistema não a conhecem.
#include "tests/support/ServicosEmTeste.h"

#include "core/ValoresDeInternet.h"
#include "results/ArquivoDeResultados.h"
#include "results/BancoDeDados.h"
#include "results/ErroDeInternet.h"
#include "results/ProgressoDaAtualizacao.h"
#include "results/ServicoDeResultados.h"
#include "results/ValoresDoResultado.h"
#include "results/web/ClienteDaInternet.h"
#include "tests/support/PastaTemporaria.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <map>
#include <optional>

namespace fs = std::filesystem;
using namespace std::chrono_literals;

namespace {

class CSemValores : public IValoresDeInternet {
public:
    std::string LerValorInternet(const std::string&) const override { return {}; }
    void GravarValorInternet(const std::string&, const std::string&) override {}
};

class CSemProgresso : public IProgressoDaAtualizacao {
public:
    void Mostrar() override {}
    void DefinirUltimo(int) override {}
    void MostrarConcurso(int) override {}
    void BombearMensagens() override {}
};

class AtualizacaoPorHttps : public testing::Test {
protected:
    // Os certificados, feitos uma vez para todos os casos.
    static void SetUpTestSuite()
    {
        if (CCertificadosDeTeste::Instalados())
            s_certificados = new CCertificadosDeTeste;
    }
    static void TearDownTestSuite()
    {
        delete s_certificados;
        s_certificados = nullptr;
    }

    void SetUp() override
    {
        if (s_certificados == nullptr)
            GTEST_SKIP() << "openssl ou stunnel4 não instalado (tools/dependencias.sh, lista de teste)";
        ASSERT_TRUE(s_certificados->Falha().empty()) << s_certificados->Falha();
        CListaDeResultados lista;
        for (int concurso = 1; concurso <= 3; ++concurso) {
            SValoresDoResultado valores;
            valores.concurso = concurso;
            valores.valor_acumulado = 10.5 * concurso;
            valores.ganhadores = {concurso, 2, 0};
            valores.rateios = {5.5, 120.25, 0};
            valores.colunas = {concurso % 5, 1, 2, 3, 4, 0, 1, 2, 3, 4};
            lista.push_back(NovoResultado(valores));
        }
        ASSERT_TRUE(GravarArquivoDeResultados(m_servido, lista));
        m_servico.emplace(m_servido);
        ASSERT_FALSE(m_servico->Servidor().empty()) << m_servico->Falha();
        setenv(kCertificadosExtras, s_certificados->Autoridade().c_str(), 1);
        GravarBytes(m_local, "arquivo local de antes");
    }
    void TearDown() override { unsetenv(kCertificadosExtras); }

    SResumoDaAtualizacao Atualizar(const std::string& servidor)
    {
        CSemValores valores;
        CClienteDaInternet cliente(valores, SOpcoesDoCliente{0ms, 5000ms});
        CServicoDeResultados servico(cliente, servidor);
        CSemProgresso progresso;
        return CBancoDeDados::AtualizarPelaInternet(m_local, servico, progresso);
    }

    // O certificado recusado: a mensagem com o servidor e o motivo; o arquivo como estava.
    std::string Recusa(const std::string& servidor)
    {
        const std::string antes = LerBytes(m_local);
        try {
            Atualizar(servidor);
        } catch (const CErroDeInternet& erro) {
            EXPECT_EQ(erro.TipoDoErro(), CErroDeInternet::Tipo::Certificado) << erro.what();
            EXPECT_EQ(LerBytes(m_local), antes);
            return erro.what();
        } catch (const std::exception& erro) {
            ADD_FAILURE() << "outro erro: " << erro.what();
            return {};
        }
        ADD_FAILURE() << "o certificado foi aceito";
        return {};
    }

    static inline CCertificadosDeTeste* s_certificados = nullptr;
    CPastaTemporaria m_pasta;
    fs::path m_servido = m_pasta / "servido.dat";
    fs::path m_local = m_pasta / "Varenta.dat";
    std::optional<CServicoEmTeste> m_servico;
};

TEST_F(AtualizacaoPorHttps, CertificadoCertoTrazOsResultados)
{
    CTlsEmTeste tls(s_certificados->Certo(), m_servico->Servidor());
    ASSERT_FALSE(tls.Servidor().empty()) << tls.Falha();
    for (const std::string& servidor : {tls.Servidor(), "HTTPS://localhost:" + std::to_string(tls.Porta()) + "/"}) {
        SCOPED_TRACE(servidor);
        fs::remove(m_local);
        const SResumoDaAtualizacao resumo = Atualizar(servidor);
        EXPECT_TRUE(resumo.gravado);
        EXPECT_EQ(TextoDaAtualizacao(resumo), "3 concursos novos (do 1 ao 3).");
        EXPECT_EQ(LerBytes(m_local), LerBytes(m_servido));
    }
}

TEST_F(AtualizacaoPorHttps, SemAAutoridadeDeTesteOCertificadoNaoEAceito)
{
    CTlsEmTeste tls(s_certificados->Certo(), m_servico->Servidor());
    ASSERT_FALSE(tls.Servidor().empty()) << tls.Falha();
    unsetenv(kCertificadosExtras);
    const std::string mensagem = Recusa(tls.Servidor());
    EXPECT_EQ(mensagem, "O certificado do servidor de resultados " + tls.Servidor() +
                            " não foi aceito: o certificado não é de uma autoridade certificadora confiável. "
                            "Confira o servidor em Configurar Acesso à Internet.");
}

TEST_F(AtualizacaoPorHttps, NomeQueNaoConfereNaoEAceito)
{
    CTlsEmTeste tls(s_certificados->NomeErrado(), m_servico->Servidor());
    ASSERT_FALSE(tls.Servidor().empty()) << tls.Falha();
    EXPECT_EQ(Recusa(tls.Servidor()), "O certificado do servidor de resultados " + tls.Servidor() +
                                          " não foi aceito: o nome do servidor não confere com o do certificado. "
                                          "Confira o servidor em Configurar Acesso à Internet.");
}

TEST_F(AtualizacaoPorHttps, AutoridadeDesconhecidaNaoEAceita)
{
    CTlsEmTeste tls(s_certificados->DeOutraAutoridade(), m_servico->Servidor());
    ASSERT_FALSE(tls.Servidor().empty()) << tls.Falha();
    const std::string mensagem = Recusa(tls.Servidor());
    EXPECT_NE(mensagem.find("https://127.0.0.1:" + std::to_string(tls.Porta()) +
                            " não foi aceito: o certificado não é de uma autoridade certificadora confiável"),
              std::string::npos)
        << mensagem;
}

TEST_F(AtualizacaoPorHttps, HttpNumaPortaTlsNaoViraResposta)
{
    CTlsEmTeste tls(s_certificados->Certo(), m_servico->Servidor());
    ASSERT_FALSE(tls.Servidor().empty()) << tls.Falha();
    const std::string antes = LerBytes(m_local);
    EXPECT_THROW(Atualizar("127.0.0.1:" + std::to_string(tls.Porta())), CErroDeInternet);
    EXPECT_EQ(LerBytes(m_local), antes);
}

} // namespace
