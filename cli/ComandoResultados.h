#pragma once

#include <ostream>
#include <string>
#include <vector>

class IRelogio;

// "quinaro-cli resultados": lista, insere, remove, importa ou exporta resultados do arquivo de resultados
// da pasta de dados do usuário. argumentos: o que vem depois de "resultados".
// Devolve o código de saída: 0 sucesso, 1 falha (mensagem em erros), 2 uso errado.
//
// "listar" escreve uma linha por concurso, na ordem do arquivo, com dez campos
// separados por ";":
//   concurso;data;placares;ganhadores 3;ganhadores 4;ganhadores 5;rateio 3;rateio 4;rateio 5;acumulado
// data em dd/mm/aaaa ("-" se inválida), placares como "1x0 2x2 +x1 0x0 3x+" e valores
// em reais com ponto decimal e duas casas (1234.50). Exemplo:
//   1234;15/03/2004;1x0 2x2 +x1 0x0 3x+;152;9;0;25.40;2100.00;0.00;350000.00
//
// "exportar ARQUIVO.csv" e "importar ARQUIVO.csv [--ignorar-erros]": o CSV de
// results/FormatoDoCsvDeResultados.h. A importação escreve cada linha recusada em erros
// ("ARQUIVO: Linha 7: ...") e, havendo alguma, não grava nada (saída 1), a não ser com
// --ignorar-erros, que grava as boas (saída 0).
int ComandoResultados(const std::vector<std::string>& argumentos, std::ostream& saida, std::ostream& erros);
// O mesmo, com o "agora" de "inserir" sem --data tirado do relógio dado.
int ComandoResultadosComRelogio(const std::vector<std::string>& argumentos, const IRelogio& relogio,
                                std::ostream& saida, std::ostream& erros);
