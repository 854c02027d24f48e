#pragma once

#include <cstdint>
#include <ostream>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

class CObjeto;

// Grava no formato de arquivamento dos arquivos de apostas e de resultados:
// inteiros little-endian, textos com prefixo de tamanho (Windows-1252),
// listas contadas e objetos com etiqueta de classe ou referência ao já gravado.
class CEscritorDeArquivo {
public:
    explicit CEscritorDeArquivo(std::ostream& saida);
    CEscritorDeArquivo(const CEscritorDeArquivo&) = delete;
    CEscritorDeArquivo& operator=(const CEscritorDeArquivo&) = delete;

    void Escrever16(uint16_t valor);
    void Escrever32(uint32_t valor);
    void EscreverDouble(double valor);
    void EscreverTexto(std::string_view utf8);
    void EscreverContagem(uint32_t quantidade);
    // Nulo, referência a objeto já gravado ou o objeto inteiro (com a classe na primeira
    // vez). Devolve o índice do objeto no arquivo (0 para o nulo).
    uint32_t EscreverObjeto(const CObjeto* objeto);
    // Referência pelo índice que EscreverObjeto devolveu: os mesmos bytes, sem a procura.
    void EscreverReferencia(uint32_t indice) { EscreverIndice(indice); }

    // Lugar para n bytes seguidos (n até 64 KiB), já contados como escritos: um registro
    // de tamanho fixo é montado ali mesmo.
    unsigned char* Acrescentar(size_t n);

    // Descarrega o buffer; lança std::runtime_error se o fluxo falhou.
    void Finalizar();

private:
    void EscreverBytes(const void* dados, size_t tamanho);
    void Descarregar();
    void EscreverIndice(uint32_t indice);
    void EscreverClasse(const char* nome);

    std::ostream& m_saida;
    std::vector<char> m_buffer;
    size_t m_usado = 0;
    std::unordered_map<const CObjeto*, uint32_t> m_objetos;
    std::unordered_map<std::string, uint32_t> m_classes;
    uint32_t m_proximo_indice = 1;
};
