#pragma once

#include <QString>

#include <functional>

class QWidget;

// Título das caixas de mensagem do programa: o título do aplicativo, "Quinaro 1.0" (a
// janela principal é que se chama "Quinaro").
QString TituloDasMensagens();

// Mensagem do próprio programa: caixa modal com o título do aplicativo, botão OK, ícone de aviso.
void MostrarAviso(QWidget* pai, const QString& texto);
// Falha que um comando não trata: ícone de parada, o texto do erro ou "Command failed.".
void MostrarErro(QWidget* pai, const QString& texto);

enum class ERespostaDeTres { kSim, kNao, kCancelar };
// Pergunta com "Sim", "Não" e "Cancelar"; Esc e fechar a caixa valem "Cancelar".
ERespostaDeTres PerguntarSimNaoCancelar(QWidget* pai, const QString& texto);

// Pergunta com "Sim" e "Não"; Esc e fechar a caixa valem "Não". Verdadeiro com "Sim".
bool PerguntarSimNao(QWidget* pai, const QString& texto);

// Dentro de um catch: mostra o erro sendo tratado com MostrarErro ("Out of memory." quando
// falta memória).
void MostrarErroEmCurso(QWidget* pai);
// Roda a ação de um comando; um erro que ela não tratou termina o comando e é mostrado
// com MostrarErro ("Out of memory." quando falta memória).
void Proteger(QWidget* pai, const std::function<void()>& acao);
