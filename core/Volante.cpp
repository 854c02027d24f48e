#include "core/Volante.h"

#include "core/EscritorDeArquivo.h"
#include "core/LeitorDeArquivo.h"
#include "core/Score.h"

#include <cstdlib>
#include <memory>
#include <new>
#include <utility>
#include <vector>

#if defined(__linux__)
#include <sys/mman.h>
#endif

int CVolante::ContarAcertos(const CVolante& cartao) const
{
    int acertos = 0;
    for (int i = 0; i < 5; ++i) {
        const CScore* entrada = cartao.m_scores[i];
        if (entrada == nullptr || entrada->m_jogo < 0 || entrada->m_jogo > 4)
            continue;
        const CScore* resultado = m_scores[entrada->m_jogo];
        if (resultado != nullptr && resultado->MesmoPlacar(*entrada))
            ++acertos;
    }
    return acertos;
}

int CVolante::QtdeDeApostas() const
{
    int apostas = 1;
    for (const CScore* entrada : m_scores) {
        if (entrada == nullptr)
            return 0;
        int marcas1 = 0;
        int marcas2 = 0;
        for (int c = 0; c < 5; ++c) {
            marcas1 += entrada->m_time1[c] == 1;
            marcas2 += entrada->m_time2[c] == 1;
        }
        apostas *= marcas1 * marcas2;
    }
    return apostas;
}

void CVolante::OrdenarPorJogo()
{
    const int n = m_qtde < 5 ? m_qtde : 5;
    for (int i = 0; i < n - 1; ++i)
        for (int j = 0; j < n - i - 1; ++j)
            if (m_scores[j]->m_jogo > m_scores[j + 1]->m_jogo)
                std::swap(m_scores[j], m_scores[j + 1]);
}

void CVolante::Serialize(CEscritorDeArquivo& ar) const
{
    ar.Escrever32(static_cast<uint32_t>(m_qtde));
    for (int i = 0; i < m_qtde && i < 5; ++i)
        ar.EscreverObjeto(m_scores[i]);
}

void CVolante::Serialize(CLeitorDeArquivo& ar)
{
    m_qtde = ar.LerInt32();
    if (m_qtde != 5)
        throw CErroDeFormato(CErroDeFormato::Tipo::FormatoInvalido, "cartão sem 5 entradas");
    for (const CScore*& entrada : m_scores) {
        entrada = ar.LerObjeto<CScore>({.aceitar_nulo = false});
        if (entrada->m_jogo < 0 || entrada->m_jogo > 4)
            throw CErroDeFormato(CErroDeFormato::Tipo::FormatoInvalido, "jogo fora de 0 a 4");
    }
}

// Reserva de cartões: blocos grandes, lista de livres, tudo devolvido quando o último
// cartão vivo é apagado. O programa roda numa única linha de execução.
namespace {

class CReservaDeVolantes {
public:
    void* Alocar()
    {
        ++m_vivos;
        if (m_livres != nullptr) {
            Livre* p = m_livres;
            m_livres = p->proximo;
            return p;
        }
        if (m_usados_no_bloco == kPorBloco) {
            m_blocos.push_back(Bloco(NovoBloco()));
            m_usados_no_bloco = 0;
        }
        return &m_blocos.back()[m_usados_no_bloco++];
    }

    void Liberar(void* p) noexcept
    {
        Livre* livre = static_cast<Livre*>(p);
        livre->proximo = m_livres;
        m_livres = livre;
        if (--m_vivos == 0) {
            m_blocos.clear();
            m_livres = nullptr;
            m_usados_no_bloco = kPorBloco;
        }
    }

private:
    struct Livre {
        Livre* proximo;
    };
    union Vaga {
        alignas(CVolante) unsigned char bytes[sizeof(CVolante)];
        Livre livre;
    };
    static constexpr size_t kPorBloco = 1 << 16;
    static constexpr size_t kTamanhoDoBloco = kPorBloco * sizeof(Vaga);
    static constexpr size_t kPaginaGrande = 2 << 20;
    static_assert(kTamanhoDoBloco % kPaginaGrande == 0);

    struct SLiberarBloco {
        void operator()(Vaga* bloco) const noexcept { std::free(bloco); }
    };

    // Com milhões de cartões o custo dominante é a primeira escrita em cada página de
    // 4 KiB; blocos alinhados e marcados para páginas grandes (onde houver) o cortam.
    // Sem zerar: cada vaga é escrita antes de ser usada.
    static Vaga* NovoBloco()
    {
        void* bloco = std::aligned_alloc(kPaginaGrande, kTamanhoDoBloco);
        if (bloco == nullptr)
            throw std::bad_alloc();
#if defined(__linux__)
        madvise(bloco, kTamanhoDoBloco, MADV_HUGEPAGE);  // só um conselho; recusado, nada muda
#endif
        return static_cast<Vaga*>(bloco);
    }

    using Bloco = std::unique_ptr<Vaga[], SLiberarBloco>;

    std::vector<Bloco> m_blocos;
    Livre* m_livres = nullptr;
    size_t m_usados_no_bloco = kPorBloco;
    size_t m_vivos = 0;
};

CReservaDeVolantes& Reserva()
{
    // Nunca destruída: cartões podem sobreviver a destrutores estáticos.
    static CReservaDeVolantes* reserva = new CReservaDeVolantes;
    return *reserva;
}

} // namespace

void* CVolante::operator new(size_t)
{
    return Reserva().Alocar();
}

void CVolante::operator delete(void* p) noexcept
{
    if (p != nullptr)
        Reserva().Liberar(p);
}
