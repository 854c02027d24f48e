#include "app/resultados/ResultadoVarentaDlg.h"

#include "results/DataDoResultado.h"
#include "results/FaixasDoResultado.h"
#include "app/resultados/GradeDoResultado.h"
#include "app/resultados/TrocaDeDados.h"
#include "app/controles/DinheiroEdit.h"

#include <QDateEdit>
#include <QDateTime>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>

namespace {

const QString kInteiro = QStringLiteral("Enter an integer.");
const QString kNumero = QStringLiteral("Enter a number.");

// Número lido, mas fora da faixa do campo: a mensagem nomeia o campo e a faixa.
void RecusarForaDaFaixa(QWidget* dialogo, QLineEdit* edit, ECampoDoResultado campo)
{
    const CCampoForaDaFaixa recusa(campo, edit->text().trimmed().toStdString());
    RecusarCampo(dialogo, edit, QString::fromStdString(recusa.what()));
}

// Data curta do usuário, mas sempre com o ano inteiro: com dois algarismos o campo
// escolheria o século sozinho.
QString FormatoDaDataCurta()
{
    QString formato = QLocale().dateFormat(QLocale::ShortFormat);
    if (!formato.contains(QStringLiteral("yyyy")))
        formato.replace(QStringLiteral("yy"), QStringLiteral("yyyy"));
    return formato;
}

SData DataDoMomento(const QDate& dia, const QTime& hora)
{
    return DataDoCalendario({dia.year(), dia.month(), dia.day(), hora.hour(), hora.minute(), hora.second()});
}

} // namespace

CResultadoVarentaDlg::CResultadoVarentaDlg(QWidget* pai, const SDiaEHora& agora)
    : QDialog(pai),
      m_unidades(*this),
      m_dia_de_abertura(agora.ano, agora.mes, agora.dia),
      m_hora_de_abertura(agora.hora, agora.minuto, agora.segundo)
{
    setWindowTitle(QStringLiteral("Cadastro de resultados"));
    setFixedSize(m_unidades.Retangulo(0, 0, 294, 221).size());
    CriarCampos();
    m_grade = new CGradeDoResultado(this);
    m_grade->move(m_unidades.Ponto(7, 0));

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setGeometry(m_unidades.Retangulo(237, 174, 50, 14));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    auto* cancelar = new QPushButton(QStringLiteral("Cancel"), this);
    cancelar->setGeometry(m_unidades.Retangulo(237, 194, 50, 14));
    connect(cancelar, &QPushButton::clicked, this, &QDialog::reject);
    m_edit_concurso->setFocus();
}

QLineEdit* CResultadoVarentaDlg::NovoCampo(const char* rotulo, int x_do_rotulo, int y, int largura)
{
    auto* texto = new QLabel(QString::fromUtf8(rotulo), this);
    texto->move(m_unidades.Ponto(x_do_rotulo, y + 3));
    auto* campo = new QLineEdit(QStringLiteral("0"), this);
    campo->setGeometry(m_unidades.Retangulo(206, y, largura, 14));
    texto->setBuddy(campo);
    return campo;
}

void CResultadoVarentaDlg::CriarCampos()
{
    m_edit_concurso = NovoCampo("Concurso :", 168, 13, 40);

    auto* rotulo_data = new QLabel(QStringLiteral("Data :"), this);
    rotulo_data->move(m_unidades.Ponto(183, 33));
    m_data = new QDateEdit(m_dia_de_abertura, this);
    m_data->setGeometry(m_unidades.Retangulo(206, 30, 70, 15));
    m_data->setDisplayFormat(FormatoDaDataCurta());
    m_data->setCalendarPopup(true);

    m_edit_ganhadores[0] = NovoCampo("Ganhadores 3:", 151, 48, 40);
    m_edit_ganhadores[1] = NovoCampo("Ganhadores 4:", 151, 65, 40);
    m_edit_ganhadores[2] = NovoCampo("Ganhadores 5:", 151, 82, 40);
    m_edit_rateios[0] = NovoCampo("Rateio 3:", 169, 99, 81);
    m_edit_rateios[1] = NovoCampo("Rateio 4:", 169, 116, 81);
    m_edit_rateios[2] = NovoCampo("Rateio 5:", 169, 133, 81);

    auto* rotulo_acumulado = new QLabel(QStringLiteral("Valor Acumulado :"), this);
    rotulo_acumulado->move(m_unidades.Ponto(145, 153));
    m_edit_acumulado = new CDinheiroEdit(this);
    m_edit_acumulado->setText(QStringLiteral("0"));
    m_edit_acumulado->setGeometry(m_unidades.Retangulo(206, 150, 81, 14));
}

bool CResultadoVarentaDlg::LerCampos()
{
    const auto concurso = LerInteiroDoCampo(m_edit_concurso->text());
    if (!concurso) {
        RecusarCampo(this, m_edit_concurso, kInteiro);
        return false;
    }
    if (!ConcursoNaFaixa(*concurso)) {
        RecusarForaDaFaixa(this, m_edit_concurso, ECampoDoResultado::Concurso);
        return false;
    }
    m_valores.concurso = *concurso;
    m_valores.data = DataDoMomento(m_data->date(), m_hora_de_abertura);
    for (int faixa = 0; faixa < 3; ++faixa) {
        const auto ganhadores = LerInteiroDoCampo(m_edit_ganhadores[faixa]->text());
        if (!ganhadores) {
            RecusarCampo(this, m_edit_ganhadores[faixa], kInteiro);
            return false;
        }
        if (!GanhadoresNaFaixa(*ganhadores)) {
            RecusarForaDaFaixa(this, m_edit_ganhadores[faixa], ECampoDoResultado(int(ECampoDoResultado::Ganhadores3) + faixa));
            return false;
        }
        m_valores.ganhadores[faixa] = *ganhadores;
    }
    for (int faixa = 0; faixa < 3; ++faixa) {
        const auto rateio = LerNumeroDoCampo(m_edit_rateios[faixa]->text());
        if (!rateio) {
            RecusarCampo(this, m_edit_rateios[faixa], kNumero);
            return false;
        }
        if (!ReaisNaFaixa(*rateio)) {
            RecusarForaDaFaixa(this, m_edit_rateios[faixa], ECampoDoResultado(int(ECampoDoResultado::Rateio3) + faixa));
            return false;
        }
        m_valores.rateios[faixa] = *rateio;
    }
    const auto acumulado = LerNumeroDoCampo(m_edit_acumulado->text());
    if (!acumulado) {
        RecusarCampo(this, m_edit_acumulado, kNumero);
        return false;
    }
    if (!ReaisNaFaixa(*acumulado)) {
        RecusarForaDaFaixa(this, m_edit_acumulado, ECampoDoResultado::ValorAcumulado);
        return false;
    }
    m_valores.valor_acumulado = *acumulado;
    m_valores.colunas = m_grade->Colunas();
    return true;
}

void CResultadoVarentaDlg::accept()
{
    if (LerCampos())
        QDialog::accept();
}
