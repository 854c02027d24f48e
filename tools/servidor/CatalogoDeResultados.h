#pragma once

#include <filesystem>
#include <map>
#include <optional>
#include <string>

// As respostas do serviço tiradas do arquivo de resultados, relidas quando o arquivo
// muda (data de modificação ou tamanho). Só lê este arquivo, nunca outro.
class CCatalogoDeResultados {
public:
    explicit CCatalogoDeResultados(std::filesystem::path arquivo);

    // Relê se o arquivo mudou. Falso se ele não abre ou está danificado; então o
    // catálogo fica vazio até o arquivo voltar a ser lido.
    bool Atualizar();
    // Maior número de concurso do arquivo (0 sem registros).
    int UltimoConcurso() const { return m_ultimo; }
    // Resposta de um concurso; vazio quando ele não está no arquivo.
    std::optional<std::string> Resposta(int concurso) const;
    // A mensagem da última leitura que falhou.
    const std::string& Falha() const { return m_falha; }

private:
    struct SCarimbo {
        std::filesystem::file_time_type modificado;
        uintmax_t tamanho = 0;
        bool operator==(const SCarimbo&) const = default;
    };

    bool Ler();

    std::filesystem::path m_arquivo;
    std::optional<SCarimbo> m_lido;
    std::map<int, std::string> m_respostas;
    int m_ultimo = 0;
    std::string m_falha;
};
