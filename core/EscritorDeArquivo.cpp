#include "core/EscritorDeArquivo.h"

#include "core/Cp1252.h"
#include "core/EtiquetasDeArquivo.h"
#include "core/Objeto.h"

#include <cstring>
#include <stdexcept>

namespace {
using namespace etiquetas;
}

CEscritorDeArquivo::CEscritorDeArquivo(std::ostream& saida)
    : m_saida(saida), m_buffer(kTamanhoDoBuffer) {}

void CEscritorDeArquivo::EscreverBytes(const void* dados, size_t tamanho)
{
    const char* p = static_cast<const char*>(dados);
    while (tamanho > 0) {
        if (m_usado == m_buffer.size())
            Descarregar();
        const size_t parte = std::min(tamanho, m_buffer.size() - m_usado);
        std::memcpy(m_buffer.data() + m_usado, p, parte);
        m_usado += parte;
        p += parte;
        tamanho -= parte;
    }
}

void CEscritorDeArquivo::Descarregar()
{
    m_saida.write(m_buffer.data(), static_cast<std::streamsize>(m_usado));
    m_usado = 0;
}

unsigned char* CEscritorDeArquivo::Acrescentar(size_t n)
{
    if (n > m_buffer.size())
        throw std::length_error("registro maior que o buffer do escritor");
    if (m_buffer.size() - m_usado < n)
        Descarregar();
    auto* lugar = reinterpret_cast<unsigned char*>(m_buffer.data() + m_usado);
    m_usado += n;
    return lugar;
}

void CEscritorDeArquivo::Escrever16(uint16_t valor)
{
    // Direto no buffer: cada entrada de cartão é uma referência de 2 bytes, milhões por arquivo.
    if (m_buffer.size() - m_usado >= 2) {
        m_buffer[m_usado] = static_cast<char>(valor);
        m_buffer[m_usado + 1] = static_cast<char>(valor >> 8);
        m_usado += 2;
        return;
    }
    const unsigned char b[2] = {static_cast<unsigned char>(valor), static_cast<unsigned char>(valor >> 8)};
    EscreverBytes(b, 2);
}

void CEscritorDeArquivo::Escrever32(uint32_t valor)
{
    if (m_buffer.size() - m_usado >= 4) {
        for (int i = 0; i < 4; ++i)
            m_buffer[m_usado + static_cast<size_t>(i)] = static_cast<char>(valor >> (8 * i));
        m_usado += 4;
        return;
    }
    const unsigned char b[4] = {static_cast<unsigned char>(valor), static_cast<unsigned char>(valor >> 8),
                                static_cast<unsigned char>(valor >> 16), static_cast<unsigned char>(valor >> 24)};
    EscreverBytes(b, 4);
}

void CEscritorDeArquivo::EscreverDouble(double valor)
{
    uint64_t bits;
    std::memcpy(&bits, &valor, sizeof bits);
    Escrever32(static_cast<uint32_t>(bits));
    Escrever32(static_cast<uint32_t>(bits >> 32));
}

void CEscritorDeArquivo::EscreverTexto(std::string_view utf8)
{
    const std::string bytes = Utf8ParaCp1252(utf8);
    const size_t n = bytes.size();
    if (n < 255) {
        const unsigned char b = static_cast<unsigned char>(n);
        EscreverBytes(&b, 1);
    } else {
        const unsigned char escape = 255;
        EscreverBytes(&escape, 1);
        if (n < 65534) {
            Escrever16(static_cast<uint16_t>(n));
        } else {
            Escrever16(65535);
            Escrever32(static_cast<uint32_t>(n));
        }
    }
    EscreverBytes(bytes.data(), n);
}

void CEscritorDeArquivo::EscreverContagem(uint32_t quantidade)
{
    if (quantidade < 0xFFFF) {
        Escrever16(static_cast<uint16_t>(quantidade));
    } else {
        Escrever16(0xFFFF);
        Escrever32(quantidade);
    }
}

void CEscritorDeArquivo::EscreverIndice(uint32_t indice)
{
    if (indice < kIndiceGrande) {
        Escrever16(static_cast<uint16_t>(indice));
    } else {
        Escrever16(kIndiceGrande);
        Escrever32(indice);
    }
}

void CEscritorDeArquivo::EscreverClasse(const char* nome)
{
    const auto achada = m_classes.find(nome);
    if (achada != m_classes.end()) {
        const uint32_t indice = achada->second;
        if (indice < kIndiceGrande) {
            Escrever16(static_cast<uint16_t>(kMarcaDeClasse | indice));
        } else {
            Escrever16(kIndiceGrande);
            Escrever32(kMarcaDeClasseGrande | indice);
        }
        return;
    }
    const size_t tamanho = std::strlen(nome);
    Escrever16(kNovaClasse);
    Escrever16(0); // esquema
    Escrever16(static_cast<uint16_t>(tamanho));
    EscreverBytes(nome, tamanho);
    m_classes.emplace(nome, m_proximo_indice++);
}

uint32_t CEscritorDeArquivo::EscreverObjeto(const CObjeto* objeto)
{
    if (objeto == nullptr) {
        Escrever16(0);
        return 0;
    }
    const auto achado = m_objetos.find(objeto);
    if (achado != m_objetos.end()) {
        EscreverIndice(achado->second);
        return achado->second;
    }
    EscreverClasse(objeto->NomeDaClasse());
    const uint32_t indice = m_proximo_indice++;
    m_objetos.emplace(objeto, indice);
    objeto->Serialize(*this);
    return indice;
}

void CEscritorDeArquivo::Finalizar()
{
    Descarregar();
    m_saida.flush();
    if (!m_saida)
        throw std::runtime_error("falha ao gravar o arquivo");
}
