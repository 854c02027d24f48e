#pragma once

#include <QString>

struct SServicos;

// Onde os diálogos "Abrir" e "Salvar como" começam: na pasta do último arquivo de apostas
// aberto ou salvo (guardada nas configurações), e da primeira vez na pasta de dados;
// nunca na pasta em que o processo foi iniciado.
class CPastaDasApostas {
public:
    explicit CPastaDasApostas(const SServicos& servicos);

    QString Inicial() const;
    // Guarda a pasta do arquivo para o próximo diálogo.
    void Lembrar(const QString& arquivo);

private:
    QString PastaDeDadosOuCasa() const;

    const SServicos& m_servicos;
};

inline constexpr const char* kSecaoDados = "dados";
inline constexpr const char* kValorUltimaPasta = "ultima_pasta";
