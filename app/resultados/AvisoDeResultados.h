#pragma once

#include <QObject>

// O aviso de que o arquivo de resultados mudou (atualização pela internet, inserção,
// remoção, importação de CSV): quem mostra concursos relê a lista ao ouvi-lo.
class CAvisoDeResultados : public QObject {
    Q_OBJECT
public:
    static CAvisoDeResultados& Instancia();

    // Chamado por quem acabou de gravar o arquivo de resultados.
    void Avisar() { emit resultadosMudaram(); }

signals:
    void resultadosMudaram();
};
