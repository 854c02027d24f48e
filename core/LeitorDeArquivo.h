#pragma once

#include "core/ErroDeFormato.h"
#include "core/EtiquetasDeArquivo.h"
#include "core/Objeto.h"

#include <cstdint>
#include <istream>
#include <memory>
#include <string>
#include <vector>

// Lê o formato de arquivamento gravado por CEscritorDeArquivo. Cada erro de forma
// lança CErroDeFormato. Nada é alocado a partir de uma contagem que o arquivo ainda
// não tenha mostrado ter bytes para sustentar; o leitor é dono de cada objeto que
// cria até que alguém os tome (TomarObjetos / Liberar).
class CLeitorDeArquivo {
public:
    CLeitorDeArquivo(std::istream& entrada, uint64_t tamanho);
    CLeitorDeArquivo(const CLeitorDeArquivo&) = delete;
    CLeitorDeArquivo& operator=(const CLeitorDeArquivo&) = delete;

    uint16_t Ler16();
    uint32_t Ler32();
    int16_t LerInt16() { return static_cast<int16_t>(Ler16()); }
    int32_t LerInt32() { return static_cast<int32_t>(Ler32()); }
    double LerDouble();
    std::string LerTexto();
    uint32_t LerContagem();

    struct Regras {
        bool aceitar_nulo = true;
        bool aceitar_referencia = true;
    };

    // Lê um objeto da classe T (T::kNome): nulo, referência a um já lido ou novo.
    template <class T>
    T* LerObjeto(Regras regras)
    {
        uint32_t indice = 0;
        return LerObjeto<T>(regras, indice);
    }
    // Também dá o índice do objeto no arquivo (0 para o nulo): o mesmo objeto, o mesmo índice.
    template <class T>
    T* LerObjeto(Regras regras, uint32_t& indice)
    {
        if (CObjeto* lido = ReferenciaSimples(T::kNome, regras, indice))
            return static_cast<T*>(lido);
        return static_cast<T*>(LerObjetoDaClasse(T::kNome, &Criar<T>, regras, indice));
    }
    // Sem argumento padrão: o clang não aceita o inicializador de Regras ainda dentro da classe.
    template <class T>
    T* LerObjeto()
    {
        return LerObjeto<T>(Regras{});
    }

    uint64_t BytesRestantes() const { return m_tamanho - m_consumidos; }
    // Os próximos n bytes, quando já estão no buffer (e no arquivo); nulo quando não. Quem
    // lê um registro de tamanho fixo olha antes e só consome (Consumir) o que aceitou.
    const unsigned char* Espiar(size_t n) const
    {
        if (m_disponivel - m_posicao < n || BytesRestantes() < n)
            return nullptr;
        return reinterpret_cast<const unsigned char*>(m_buffer.data() + m_posicao);
    }
    // Só depois de um Espiar(n) que não foi nulo.
    void Consumir(size_t n)
    {
        m_posicao += n;
        m_consumidos += n;
    }
    // Lança FimInesperado se restam menos de n bytes.
    void ExigirBytes(uint64_t n) const;

    // Entrega todos os objetos criados (os liberados já não estão entre eles).
    std::vector<std::unique_ptr<CObjeto>> TomarObjetos();
    // Entrega um único objeto criado; nulo se não é do leitor (ou já foi entregue).
    std::unique_ptr<CObjeto> Liberar(const CObjeto* objeto);

private:
    using Fabrica = std::unique_ptr<CObjeto> (*)();
    template <class T>
    static std::unique_ptr<CObjeto> Criar()
    {
        return std::make_unique<T>();
    }
    CObjeto* LerObjetoDaClasse(const char* nome, Fabrica criar, Regras regras, uint32_t& indice);
    // Atalho das referências de 2 bytes a um objeto já lido da classe pedida, milhões num
    // arquivo de apostas. Qualquer outra etiqueta: nulo, nada consumido, e o caminho
    // inteiro decide (e acusa os erros).
    CObjeto* ReferenciaSimples(const char* nome, Regras regras, uint32_t& indice)
    {
        if (!regras.aceitar_referencia || m_disponivel - m_posicao < 2 || BytesRestantes() < 2)
            return nullptr;
        const auto* b = reinterpret_cast<const unsigned char*>(m_buffer.data() + m_posicao);
        const uint32_t etiqueta = uint32_t(b[0]) | (uint32_t(b[1]) << 8);
        if (etiqueta == 0 || etiqueta >= etiquetas::kIndiceGrande || etiqueta >= m_indices.size())
            return nullptr;
        const Entrada& entrada = m_indices[etiqueta];
        if (entrada.classe || entrada.classe_pedida != nome)
            return nullptr;
        m_posicao += 2;
        m_consumidos += 2;
        indice = etiqueta;
        return entrada.objeto;
    }
    bool MesmaClasse(uint32_t indice_da_classe, const char* nome) const;
    void LerBytes(void* destino, size_t tamanho);
    void Recarregar();

    struct Entrada {
        bool classe = false;
        std::string nome;             // classe
        const char* nome_pedido = nullptr; // classe: o nome com que foi pedida (atalho da comparação)
        CObjeto* objeto = nullptr;    // objeto
        const char* classe_pedida = nullptr; // objeto: o nome com que a sua classe foi pedida
        uint32_t indice_da_classe = 0;
    };

    std::istream& m_entrada;
    uint64_t m_tamanho;
    uint64_t m_consumidos = 0;
    std::vector<char> m_buffer;
    size_t m_posicao = 0;
    size_t m_disponivel = 0;
    std::vector<Entrada> m_indices;
    std::vector<std::unique_ptr<CObjeto>> m_criados;
    int m_profundidade = 0;
};
