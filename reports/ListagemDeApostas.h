#pragma once

#include <cstdint>
#include <filesystem>

class CListaDeVolantes;
class IPastas;
class IProgressoDoRelatorio;

// Acima de tantos cartões o usuário é avisado do tamanho antes de a listagem ser escrita.
inline constexpr int64_t kCartoesSemAvisoDeTamanho = 100000;

// Bytes aproximados da listagem de tantos cartões (cada um uns 117 bytes).
int64_t TamanhoAproximadoDaListagem(int64_t cartoes);

// Cada cartão numa linha da tabela, em "relatorios\Varenta.htm". Devolve o caminho
// completo. Não gravou: CErroAoSalvarArquivo.
std::filesystem::path EscreverListagemDeApostas(const IPastas& pastas, const CListaDeVolantes& volantes);
// O mesmo, contando os cartões escritos; parada pedida: CRelatorioInterrompido, sem
// arquivo novo e com o anterior intacto.
std::filesystem::path EscreverListagemDeApostas(const IPastas& pastas, const CListaDeVolantes& volantes,
                                                IProgressoDoRelatorio& progresso);
