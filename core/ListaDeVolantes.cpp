#include "core/ListaDeVolantes.h"

#include "core/CartaoCheio.h"
#include "core/EscritorDeArquivo.h"
#include "core/EtiquetasDeArquivo.h"
#include "core/LeitorDeArquivo.h"
#include "core/Score.h"

#include <algorithm>
#include <limits>
#include <utility>

namespace {

constexpr size_t kMaiorEstreito = std::numeric_limits<uint8_t>::max();
// Um cartão no arquivo: a quantidade e cinco referências de 2 bytes, no mínimo.
constexpr uint64_t kMenorCartaoNoArquivo = 4 + 5 * 2;
constexpr uint32_t kNaoGravado = std::numeric_limits<uint32_t>::max();

// Referência de 2 bytes a um objeto já gravado ou lido: os índices abaixo do grande.
bool ReferenciaCurta(uint32_t indice)
{
    return indice < etiquetas::kIndiceGrande;
}

template <class T>
SIndicesDoCartao LerRegistro(const T* registro)
{
    SIndicesDoCartao indices;
    indices.qtde = static_cast<int32_t>(registro[0]);
    for (size_t i = 0; i < 5; ++i)
        indices.lugar[i] = registro[i + 1];
    return indices;
}

// Os vetores de registros têm tamanho de reserva: só as primeiras Quantidade() * 6
// posições valem. Assim um cartão novo é escrito no lugar, sem zerar nem mover nada.
template <class T>
void ReservarRegistros(std::vector<T>& registros, size_t tamanho)
{
    if (tamanho > registros.size())
        registros.resize(std::max(tamanho, registros.size() + registros.size() / 2));
}

template <class T>
void AcrescentarRegistro(std::vector<T>& registros, size_t usados, const SIndicesDoCartao& indices)
{
    ReservarRegistros(registros, usados + 6);
    T* registro = registros.data() + usados;
    registro[0] = static_cast<T>(indices.qtde);
    for (size_t i = 0; i < 5; ++i)
        registro[i + 1] = static_cast<T>(indices.lugar[i]);
}

template <class T>
void RemoverRegistro(std::vector<T>& registros, size_t usados, size_t inicio, size_t por_cartao)
{
    std::copy(registros.begin() + static_cast<std::ptrdiff_t>(inicio + por_cartao),
              registros.begin() + static_cast<std::ptrdiff_t>(usados),
              registros.begin() + static_cast<std::ptrdiff_t>(inicio));
}

// Devolve quantos cartões ficaram; a reserva que sobrar demais é devolvida ao sistema.
template <class T>
size_t CompactarSemMarcados(std::vector<T>& registros, size_t cartoes, size_t por_cartao,
                            const std::vector<bool>& marcados)
{
    size_t destino = 0;
    for (size_t c = 0; c < cartoes; ++c) {
        if (c < marcados.size() && marcados[c])
            continue;
        if (destino != c)
            std::copy_n(registros.begin() + static_cast<std::ptrdiff_t>(c * por_cartao), por_cartao,
                        registros.begin() + static_cast<std::ptrdiff_t>(destino * por_cartao));
        ++destino;
    }
    if (destino * por_cartao < registros.size() / 4) {
        registros.resize(destino * por_cartao);
        registros.shrink_to_fit();
    }
    return destino;
}

bool CabeEstreito(const SIndicesDoCartao& indices)
{
    return indices.qtde >= 0 && static_cast<size_t>(indices.qtde) <= kMaiorEstreito;
}

} // namespace

CListaDeVolantes::CListaDeVolantes()
    : m_placares{nullptr},
      m_inicio_das_celulas(reinterpret_cast<uintptr_t>(CCartaoCheio::Instancia().Celulas().data()))
{
}

CVolante CListaDeVolantes::Cartao(int32_t posicao) const
{
    const SIndicesDoCartao indices = Indices(posicao);
    CVolante volante;
    volante.m_qtde = indices.qtde;
    for (size_t i = 0; i < 5; ++i)
        volante.m_scores[i] = m_placares[indices.lugar[i]];
    return volante;
}

SIndicesDoCartao CListaDeVolantes::Indices(int32_t posicao) const
{
    const size_t inicio = static_cast<size_t>(posicao) * kPorCartao;
    return m_largo ? LerRegistro(m_largos.data() + inicio) : LerRegistro(m_estreitos.data() + inicio);
}

uint32_t CListaDeVolantes::EntradaAindaSemIndice(const CScore* placar)
{
    const uintptr_t deslocamento = reinterpret_cast<uintptr_t>(placar) - m_inicio_das_celulas;
    if (deslocamento < kCelulas * sizeof(CScore)) {
        uint32_t& entrada = m_entrada_da_celula[deslocamento / sizeof(CScore)];
        entrada = NovaEntrada(placar);
        return entrada;
    }
    const auto [achado, novo] = m_outros.try_emplace(placar, 0);
    if (novo)
        achado->second = NovaEntrada(placar);
    return achado->second;
}

uint32_t CListaDeVolantes::NovaEntrada(const CScore* placar)
{
    m_placares.push_back(placar);
    if (m_placares.size() - 1 > kMaiorEstreito)
        Alargar();
    return static_cast<uint32_t>(m_placares.size() - 1);
}

void CListaDeVolantes::Alargar()
{
    if (m_largo)
        return;
    m_largos.assign(m_estreitos.begin(), m_estreitos.begin() + static_cast<std::ptrdiff_t>(Usados()));
    m_estreitos = {};
    m_largo = true;
}

void CListaDeVolantes::AdicionarIndices(const SIndicesDoCartao& indices)
{
    if (!m_largo && !CabeEstreito(indices))
        Alargar();
    if (m_largo)
        AcrescentarRegistro(m_largos, Usados(), indices);
    else
        AcrescentarRegistro(m_estreitos, Usados(), indices);
    ++m_qtde;
    ++m_revisao;
}

void CListaDeVolantes::Adicionar(const CVolante& volante)
{
    SIndicesDoCartao indices;
    indices.qtde = volante.m_qtde;
    for (size_t i = 0; i < 5; ++i)
        indices.lugar[i] = EntradaDoPlacar(volante.m_scores[i]);
    AdicionarIndices(indices);
}

void CListaDeVolantes::Remover(int32_t posicao)
{
    const size_t inicio = static_cast<size_t>(posicao) * kPorCartao;
    if (m_largo)
        RemoverRegistro(m_largos, Usados(), inicio, kPorCartao);
    else
        RemoverRegistro(m_estreitos, Usados(), inicio, kPorCartao);
    --m_qtde;
    ++m_revisao;
}

void CListaDeVolantes::RemoverMarcados(const std::vector<bool>& marcados)
{
    const size_t cartoes = static_cast<size_t>(m_qtde);
    const auto restantes = static_cast<int32_t>(
        m_largo ? CompactarSemMarcados(m_largos, cartoes, kPorCartao, marcados)
                : CompactarSemMarcados(m_estreitos, cartoes, kPorCartao, marcados));
    if (restantes != m_qtde)
        ++m_revisao;
    m_qtde = restantes;
}

void CListaDeVolantes::Esvaziar()
{
    if (m_qtde != 0)
        ++m_revisao;
    m_placares.assign(1, nullptr);
    std::fill(std::begin(m_entrada_da_celula), std::end(m_entrada_da_celula), 0u);
    m_outros.clear();
    m_estreitos = {};
    m_largos = {};
    m_largo = false;
    m_qtde = 0;
}

void CListaDeVolantes::Transferir(CListaDeVolantes& origem)
{
    if (origem.m_qtde == 0)
        return;
    if (m_qtde == 0) {
        // O caso da geração: a lista vazia fica com tudo, sem copiar um cartão.
        std::swap(m_placares, origem.m_placares);
        std::swap(m_entrada_da_celula, origem.m_entrada_da_celula);
        std::swap(m_outros, origem.m_outros);
        std::swap(m_estreitos, origem.m_estreitos);
        std::swap(m_largos, origem.m_largos);
        std::swap(m_largo, origem.m_largo);
        std::swap(m_qtde, origem.m_qtde);
        ++m_revisao;
        origem.Esvaziar();
        ++origem.m_revisao;
        return;
    }
    std::vector<uint32_t> traducao(origem.m_placares.size());
    for (size_t e = 0; e < traducao.size(); ++e)
        traducao[e] = EntradaDoPlacar(origem.m_placares[e]);
    Reservar(static_cast<size_t>(m_qtde) + static_cast<size_t>(origem.m_qtde));
    for (int32_t c = 0; c < origem.m_qtde; ++c) {
        SIndicesDoCartao indices = origem.Indices(c);
        for (uint32_t& lugar : indices.lugar)
            lugar = traducao[lugar];
        AdicionarIndices(indices);
    }
    origem.Esvaziar();
}

void CListaDeVolantes::Reservar(size_t cartoes)
{
    if (m_largo)
        ReservarRegistros(m_largos, cartoes * kPorCartao);
    else
        ReservarRegistros(m_estreitos, cartoes * kPorCartao);
}

// Cada placar é gravado pelo escritor na primeira vez (inteiro ou como referência a um
// já gravado, como a tabela cheia) e daí em diante só pelo índice, sem procurá-lo de novo.
void CListaDeVolantes::Serialize(CEscritorDeArquivo& ar) const
{
    ar.Escrever32(static_cast<uint32_t>(m_qtde));
    std::vector<uint32_t> no_arquivo(m_placares.size(), kNaoGravado);
    for (int32_t c = 0; c < m_qtde; ++c) {
        const SIndicesDoCartao indices = Indices(c);
        if (EscreverCartaoConhecido(ar, indices, no_arquivo))
            continue;
        ar.Escrever32(static_cast<uint32_t>(indices.qtde));
        for (int32_t i = 0; i < indices.qtde && i < 5; ++i) {
            uint32_t& indice = no_arquivo[indices.lugar[i]];
            if (indice == kNaoGravado)
                indice = ar.EscreverObjeto(m_placares[indices.lugar[i]]);
            else
                ar.EscreverReferencia(indice);
        }
    }
}

// O cartão comum: cinco placares já gravados, cada um por uma referência curta. Os mesmos
// 14 bytes de Escrever32 e EscreverReferencia, montados de uma vez no buffer.
bool CListaDeVolantes::EscreverCartaoConhecido(CEscritorDeArquivo& ar, const SIndicesDoCartao& indices,
                                               const std::vector<uint32_t>& no_arquivo)
{
    if (indices.qtde != 5)
        return false;
    uint32_t referencias[5];
    for (size_t i = 0; i < 5; ++i) {
        referencias[i] = no_arquivo[indices.lugar[i]];
        if (referencias[i] == kNaoGravado || !ReferenciaCurta(referencias[i]))
            return false;
    }
    unsigned char* registro = ar.Acrescentar(kMenorCartaoNoArquivo);
    registro[0] = 5;
    registro[1] = registro[2] = registro[3] = 0;
    for (size_t i = 0; i < 5; ++i) {
        registro[4 + 2 * i] = static_cast<unsigned char>(referencias[i]);
        registro[5 + 2 * i] = static_cast<unsigned char>(referencias[i] >> 8);
    }
    return true;
}

// O mesmo cartão comum na leitura: quantidade 5 e cinco referências curtas a placares já
// lidos, tirados direto do buffer. Qualquer outra coisa fica para a leitura inteira, que
// começa do mesmo ponto, pois nada foi consumido.
bool CListaDeVolantes::LerCartaoConhecido(CLeitorDeArquivo& ar, const std::vector<uint32_t>& entrada_do_indice)
{
    const unsigned char* registro = ar.Espiar(kMenorCartaoNoArquivo);
    if (registro == nullptr || registro[0] != 5 || registro[1] != 0 || registro[2] != 0 || registro[3] != 0)
        return false;
    SIndicesDoCartao indices;
    indices.qtde = 5;
    for (size_t i = 0; i < 5; ++i) {
        const uint32_t indice = uint32_t{registro[4 + 2 * i]} | (uint32_t{registro[5 + 2 * i]} << 8);
        if (!ReferenciaCurta(indice) || indice >= entrada_do_indice.size() || entrada_do_indice[indice] == 0)
            return false;
        indices.lugar[i] = entrada_do_indice[indice];
    }
    ar.Consumir(kMenorCartaoNoArquivo);
    AdicionarIndices(indices);
    return true;
}

// O mesmo que CVolante::Serialize para cada cartão, mas o placar de uma referência já
// vista é achado pelo índice que ele tem no arquivo.
void CListaDeVolantes::Serialize(CLeitorDeArquivo& ar)
{
    const int32_t quantidade = ar.LerInt32();
    if (quantidade < 0)
        throw CErroDeFormato(CErroDeFormato::Tipo::FormatoInvalido, "quantidade de cartões negativa");
    const uint64_t cabem = ar.BytesRestantes() / kMenorCartaoNoArquivo;
    Reservar(static_cast<size_t>(m_qtde) + static_cast<size_t>(std::min<uint64_t>(cabem, uint64_t(quantidade))));
    // Índice no arquivo -> entrada da tabela; só cresce até o maior índice já lido.
    std::vector<uint32_t> entrada_do_indice;
    for (int32_t c = 0; c < quantidade; ++c) {
        if (LerCartaoConhecido(ar, entrada_do_indice))
            continue;
        SIndicesDoCartao indices;
        indices.qtde = ar.LerInt32();
        if (indices.qtde != 5)
            throw CErroDeFormato(CErroDeFormato::Tipo::FormatoInvalido, "cartão sem 5 entradas");
        for (uint32_t& lugar : indices.lugar) {
            uint32_t indice = 0;
            const CScore* placar = ar.LerObjeto<CScore>({.aceitar_nulo = false}, indice);
            if (indice >= entrada_do_indice.size())
                entrada_do_indice.resize(size_t{indice} + 1, 0);
            uint32_t& entrada = entrada_do_indice[indice];
            if (entrada == 0) {
                if (placar->m_jogo < 0 || placar->m_jogo > 4)
                    throw CErroDeFormato(CErroDeFormato::Tipo::FormatoInvalido, "jogo fora de 0 a 4");
                entrada = EntradaDoPlacar(placar);
            }
            lugar = entrada;
        }
        AdicionarIndices(indices);
    }
}
