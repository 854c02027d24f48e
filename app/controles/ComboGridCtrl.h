#pragma once

#include <QMap>
#include <QStringList>
#include <QTableWidget>

// Grade com uma linha de cabeçalho e uma primeira coluna fixas (linha 0 e coluna 0,
// que não se editam), em que cada célula se edita escolhendo um número numa lista:
// na coluna 1, de 0 a limite - 1; nas demais, de 1 a limite (limite por linha).
// O Tab sai da grade (as setas andam dentro dela), também do meio de uma edição.
class CComboGridCtrl : public QTableWidget {
    Q_OBJECT
public:
    explicit CComboGridCtrl(QWidget* pai = nullptr);

    void DefinirLimite(int linha, int n);
    int Limite(int linha) const { return m_limites.value(linha, 0); }
    // As escolhas que a edição da célula oferece.
    QStringList Escolhas(int linha, int coluna) const;

    // Texto da célula, com o item criado quando ainda não existe (centralizado).
    void DefinirTexto(int linha, int coluna, const QString& texto);
    QString Texto(int linha, int coluna) const;
    // O que o leitor de tela lê na célula: a chave, a coluna e o valor ("Ch A, Mín 0").
    QString NomeAcessivel(int linha, int coluna) const;

signals:
    // Depois que uma edição gravou o valor escolhido.
    void celulaAlterada(int linha, int coluna);

protected:
    bool edit(const QModelIndex& indice, EditTrigger gatilho, QEvent* evento) override;
    void closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint dica) override;

private:
    class CDelegado;
    class CCelula;

    static bool EhFixa(int linha, int coluna) { return linha == 0 || coluna == 0; }

    QMap<int, int> m_limites;
    QString m_tecla_inicial;  // caractere que abriu a edição, se foi uma tecla
};
