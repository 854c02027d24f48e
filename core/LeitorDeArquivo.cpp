#include "core/LeitorDeArquivo.h"

#include "core/Cp1252.h"
#include "core/EtiquetasDeArquivo.h"

#include <algorithm>
#include <cstring>

namespace {
using namespace etiquetas;
constexpr int kProfundidadeMaxima = 16;

[[noreturn]] void Falhar(CErroDeFormato::Tipo tipo, const char* detalhe)
{
    throw CErroDeFormato(tipo, detalhe);
}
}

CLeitorDeArquivo::CLeitorDeArquivo(std::istream& entrada, uint64_t tamanho)
    : m_entrada(entrada), m_tamanho(tamanho), m_buffer(kTamanhoDoBuffer)
{
    m_indices.emplace_back(); // índice 0: objeto nulo
}

void CLeitorDeArquivo::ExigirBytes(uint64_t n) const
{
    if (n > BytesRestantes())
        Falhar(CErroDeFormato::Tipo::FimInesperado, "fim inesperado do arquivo");
}

void CLeitorDeArquivo::Recarregar()
{
    m_entrada.read(m_buffer.data(), static_cast<std::streamsize>(m_buffer.size()));
    m_disponivel = static_cast<size_t>(m_entrada.gcount());
    m_posicao = 0;
    if (m_disponivel == 0)
        Falhar(CErroDeFormato::Tipo::FimInesperado, "fim inesperado do arquivo");
}

void CLeitorDeArquivo::LerBytes(void* destino, size_t tamanho)
{
    ExigirBytes(tamanho);
    char* p = static_cast<char*>(destino);
    while (tamanho > 0) {
        if (m_posicao == m_disponivel)
            Recarregar();
        const size_t parte = std::min(tamanho, m_disponivel - m_posicao);
        std::memcpy(p, m_buffer.data() + m_posicao, parte);
        m_posicao += parte;
        m_consumidos += parte;
        p += parte;
        tamanho -= parte;
    }
}

uint16_t CLeitorDeArquivo::Ler16()
{
    // Direto do buffer: cada entrada de cartão é uma referência de 2 bytes, milhões por
    // arquivo, e a cópia por LerBytes custava mais que todo o resto da leitura.
    if (m_disponivel - m_posicao >= 2 && BytesRestantes() >= 2) {
        const auto* b = reinterpret_cast<const unsigned char*>(m_buffer.data() + m_posicao);
        m_posicao += 2;
        m_consumidos += 2;
        return static_cast<uint16_t>(b[0] | (b[1] << 8));
    }
    unsigned char b[2];
    LerBytes(b, 2);
    return static_cast<uint16_t>(b[0] | (b[1] << 8));
}

uint32_t CLeitorDeArquivo::Ler32()
{
    if (m_disponivel - m_posicao >= 4 && BytesRestantes() >= 4) {
        const auto* b = reinterpret_cast<const unsigned char*>(m_buffer.data() + m_posicao);
        m_posicao += 4;
        m_consumidos += 4;
        return uint32_t(b[0]) | (uint32_t(b[1]) << 8) | (uint32_t(b[2]) << 16) | (uint32_t(b[3]) << 24);
    }
    unsigned char b[4];
    LerBytes(b, 4);
    return uint32_t(b[0]) | (uint32_t(b[1]) << 8) | (uint32_t(b[2]) << 16) | (uint32_t(b[3]) << 24);
}

double CLeitorDeArquivo::LerDouble()
{
    const uint64_t baixo = Ler32();
    const uint64_t alto = Ler32();
    const uint64_t bits = baixo | (alto << 32);
    double valor;
    std::memcpy(&valor, &bits, sizeof valor);
    return valor;
}

std::string CLeitorDeArquivo::LerTexto()
{
    unsigned char curto;
    LerBytes(&curto, 1);
    uint32_t n = curto;
    if (curto == 255) {
        n = Ler16();
        if (n == 65535)
            n = Ler32();
    }
    ExigirBytes(n);
    std::string bytes(n, '\0');
    LerBytes(bytes.data(), n);
    return Cp1252ParaUtf8(bytes);
}

uint32_t CLeitorDeArquivo::LerContagem()
{
    const uint16_t curta = Ler16();
    return curta != 0xFFFF ? curta : Ler32();
}

bool CLeitorDeArquivo::MesmaClasse(uint32_t indice_da_classe, const char* nome) const
{
    // Milhões de referências por arquivo: o ponteiro do nome pedido decide antes do texto.
    const Entrada& classe = m_indices[indice_da_classe];
    return classe.nome_pedido == nome || classe.nome == nome;
}

CObjeto* CLeitorDeArquivo::LerObjetoDaClasse(const char* nome, Fabrica criar, Regras regras, uint32_t& indice)
{
    const uint16_t etiqueta = Ler16();
    uint32_t marca;
    if (etiqueta == kIndiceGrande)
        marca = Ler32();
    else
        marca = (uint32_t(etiqueta & kMarcaDeClasse) << 16) | (etiqueta & ~kMarcaDeClasse);

    if (!(marca & kMarcaDeClasseGrande)) {
        // Referência a objeto já lido (ou nulo).
        indice = marca;
        if (marca == 0) {
            if (!regras.aceitar_nulo)
                Falhar(CErroDeFormato::Tipo::FormatoInvalido, "objeto nulo inesperado");
            return nullptr;
        }
        if (!regras.aceitar_referencia)
            Falhar(CErroDeFormato::Tipo::FormatoInvalido, "referência a objeto inesperada");
        if (marca >= m_indices.size() || m_indices[marca].classe)
            Falhar(CErroDeFormato::Tipo::FormatoInvalido, "referência a objeto inexistente");
        const Entrada& entrada = m_indices[marca];
        if (!MesmaClasse(entrada.indice_da_classe, nome))
            Falhar(CErroDeFormato::Tipo::ObjetoInesperado, "objeto de outra classe");
        return entrada.objeto;
    }

    uint32_t indice_da_classe;
    if (etiqueta == kNovaClasse) {
        const uint16_t esquema = Ler16();
        const uint16_t tamanho = Ler16();
        ExigirBytes(tamanho);
        std::string nome_lido(tamanho, '\0');
        LerBytes(nome_lido.data(), tamanho);
        if (nome_lido != nome)
            Falhar(CErroDeFormato::Tipo::ObjetoInesperado, "classe inesperada");
        if (esquema != 0)
            Falhar(CErroDeFormato::Tipo::EsquemaIncorreto, "esquema incorreto");
        Entrada classe;
        classe.classe = true;
        classe.nome = std::move(nome_lido);
        classe.nome_pedido = nome;
        m_indices.push_back(std::move(classe));
        indice_da_classe = static_cast<uint32_t>(m_indices.size() - 1);
    } else {
        indice_da_classe = marca & ~kMarcaDeClasseGrande;
        if (indice_da_classe == 0 || indice_da_classe >= m_indices.size() || !m_indices[indice_da_classe].classe)
            Falhar(CErroDeFormato::Tipo::FormatoInvalido, "referência a classe não descrita");
        if (!MesmaClasse(indice_da_classe, nome))
            Falhar(CErroDeFormato::Tipo::ObjetoInesperado, "objeto de outra classe");
    }

    // Objetos aninhados só vão a poucos níveis num arquivo válido; um arquivo hostil
    // não pode esgotar a pilha.
    if (m_profundidade >= kProfundidadeMaxima)
        Falhar(CErroDeFormato::Tipo::FormatoInvalido, "objetos aninhados demais");
    m_criados.push_back(criar());
    CObjeto* objeto = m_criados.back().get();
    Entrada entrada;
    entrada.objeto = objeto;
    entrada.classe_pedida = nome;
    entrada.indice_da_classe = indice_da_classe;
    m_indices.push_back(std::move(entrada));
    indice = static_cast<uint32_t>(m_indices.size() - 1);
    ++m_profundidade;
    try {
        objeto->Serialize(*this);
    } catch (...) {
        --m_profundidade;
        throw;
    }
    --m_profundidade;
    return objeto;
}

std::vector<std::unique_ptr<CObjeto>> CLeitorDeArquivo::TomarObjetos()
{
    std::vector<std::unique_ptr<CObjeto>> objetos;
    for (auto& criado : m_criados)
        if (criado)
            objetos.push_back(std::move(criado));
    m_criados.clear();
    return objetos;
}

std::unique_ptr<CObjeto> CLeitorDeArquivo::Liberar(const CObjeto* objeto)
{
    for (auto& criado : m_criados)
        if (criado.get() == objeto && objeto != nullptr)
            return std::move(criado);
    return nullptr;
}
