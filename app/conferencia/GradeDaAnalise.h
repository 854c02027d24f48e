#pragma once

#include <QTableWidget>

// Grade da análise: a linha de títulos e a coluna dos concursos são os cabeçalhos da
// tabela, e por isso ficam à vista quando a grade rola em qualquer direção. O título da
// coluna dos concursos vai no canto entre os dois cabeçalhos.
class CGradeDaAnalise : public QTableWidget {
    Q_OBJECT
public:
    explicit CGradeDaAnalise(QWidget* pai);

    void DefinirTextoDoCanto(const QString& texto);
    QString TextoDoCanto() const { return m_texto_do_canto; }
    // Texto da coluna dos concursos numa linha (vazio nas linhas reservadas).
    QString TextoDaLinha(int linha) const;
    void DefinirTextoDaLinha(int linha, const QString& texto);
    // Colunas e cabeçalho dos concursos na largura de tudo o que contêm.
    void AjustarLarguras();

protected:
    bool eventFilter(QObject* alvo, QEvent* evento) override;

private:
    void PintarCanto(QWidget* canto);
    QString m_texto_do_canto;
    QWidget* m_canto = nullptr;
};
