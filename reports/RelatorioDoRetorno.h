#pragma once

#include <filesystem>
#include <string>

class CRetornoDaAposta;
class IPastas;

// Barra do saldo de um concurso, dos dois lados de um eixo no meio da célula: largura
// |saldo|/maior em porcentagem da metade (ao menos 1%), laranja à direita no lucro e
// vermelha à esquerda no prejuízo. Saldo 0, maior 0 ou saldo que não é número: só o eixo.
std::string BarraDoSaldo(double saldo, double maior);

// Grava "relatorios\VarentaRetorno.htm": uma linha por concurso (premiados, prêmio, custo,
// saldo e a barra do saldo) e a linha do total. Devolve o caminho completo; não gravou:
// CErroAoSalvarArquivo.
std::filesystem::path EscreverRelatorioDoRetorno(const IPastas& pastas, const CRetornoDaAposta& retorno);
