#pragma once

#include <QString>

struct SServicos;

inline constexpr const char* kSecaoDados = "dados";
inline constexpr const char* kValorUltimaPasta = "ultima_pasta";
inline constexpr const char* kValorUltimaPastaCsv = "ultima_pasta_csv";

// Onde os diálogos "Abrir" e "Salvar como" começam: na pasta do último arquivo de apostas
// aberto ou salvo (guardada nas configurações), e da primeira vez na pasta de dados;
// nunca na pasta em que o processo foi iniciado. Os diálogos dos CSV seguem a mesma regra
// com a sua própria pasta lembrada (valor kValorUltimaPastaCsv).
class CPastaDasApostas {
public:
    explicit CPastaDasApostas(const SServicos& servicos, const char* valor = kValorUltimaPasta);

    QString Inicial() const;
    // Guarda a pasta do arquivo para o próximo diálogo.
    void Lembrar(const QString& arquivo);

private:
    QString PastaDeDadosOuCasa() const;

    const SServicos& m_servicos;
    const char* m_valor;
};
