#pragma once

#include <filesystem>
#include <string>

class CRetornoDaAposta;
class IPastas;

// Barra do saldo de um concurso: o valor e uma tabela de largura |saldo|/maior em
// porcentagem, laranja no lucro e vermelha no prejuízo. Maior 0: largura 0.
std::string BarraDoSaldo(double saldo, double maior);

// Grava "relatorios\VarentaRetorno.htm": uma linha por concurso (premiados, prêmio, custo,
// saldo e a barra do saldo) e a linha do total. Devolve o caminho completo; não gravou:
// CErroAoSalvarArquivo.
std::filesystem::path EscreverRelatorioDoRetorno(const IPastas& pastas, const CRetornoDaAposta& retorno);
