#pragma once

#include <string>

class CAposta;
class CFiltro;
class CVarentaDoc;
class IConfiguracoes;
class IProgressoFiltragem;

// O primeiro cartão da lista vira o atual (nenhum, com a lista vazia).
void PrimeiroCartaoComoAtual(CVarentaDoc& documento);

// 0 se todo jogo tem ao menos um favorito; senão o número (1 a 5) do primeiro que não tem.
int ValidarFavoritos(const CVarentaDoc& documento);
// A mensagem do jogo (1 a 5) sem favorito, na tela e no quinaro-cli.
std::string MensagemDeJogoSemFavorito(int jogo);

// A geração do "Executar" sobre o quadro guardado no documento: as chaves em ordem de
// nome, grupos de favoritos e de alternativas a partir dos estados das células, cada
// grupo de favoritos na primeira chave com o nome do jogo (ou entre os sem chave), a
// execução do gerador, os cartões aceitos no lugar dos antigos, o total de apostas e o
// resumo (vazio sem filtragem). As chaves ficam com os contadores da execução. Devolve verdadeiro quando o documento
// não tinha cartão atual e passou a ter (as vistas devem ser atualizadas).
bool GerarApostasDoDocumento(CVarentaDoc& documento, CAposta& aposta, bool filtrar, bool& filtrado,
                             const IConfiguracoes& configuracoes);

// A filtragem dos cartões do documento com os filtros configurados; o primeiro cartão
// restante vira o atual. Com refazer_resumo, o resumo das chaves é refeito com as linhas
// dos filtros.
void FiltrarApostasDoDocumento(CVarentaDoc& documento, CFiltro& filtro, IProgressoFiltragem& progresso,
                               bool refazer_resumo, bool& filtrado, const IConfiguracoes& configuracoes);
