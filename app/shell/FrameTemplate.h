#pragma once

#include <QString>
#include <Qt>

#include <functional>

class CDocumento;
class CVista;

// Descrição de um tipo de tela do documento. Toda tela usa a moldura CChildFrame.
struct CFrameTemplate {
    using FabricaDeVista = std::function<CVista*(CDocumento&)>;

    QString m_classe_da_vista;       // nome da classe, para reconhecer a tela ativa
    FabricaDeVista m_criar_vista;    // vazia: a tela ainda não existe e o comando fica desabilitado
    int m_recurso = 0;               // menu e ícone da moldura
    int m_comando = 0;               // comando que mostra a tela
    Qt::WindowState m_mostrar = Qt::WindowNoState;  // como a moldura aparece da primeira vez
    bool m_criar_no_inicio = false;  // criada junto com o documento
};
