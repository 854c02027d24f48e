#pragma once

#include <filesystem>
#include <functional>
#include <map>
#include <optional>
#include <string>

// As respostas do serviço tiradas do arquivo de resultados, relidas quando o arquivo
// muda (data de modificação ou tamanho). Só lê este arquivo, nunca outro. Um arquivo que
// deixa de ser lido não tira o serviço do ar: fica a última cópia boa. Registros com um
// campo fora da sua faixa não são publicados.
class CCatalogoDeResultados {
public:
    using FAviso = std::function<void(const std::string&)>;

    // `avisar` recebe cada falha de leitura e cada registro deixado de fora.
    CCatalogoDeResultados(std::filesystem::path arquivo, FAviso avisar);

    // Relê se o arquivo mudou desde a última tentativa.
    void Atualizar();
    // Alguma leitura já deu certo (há o que servir).
    bool TemCopia() const { return m_tem_copia; }
    // Maior número de concurso publicado (0 sem registros).
    int UltimoConcurso() const { return m_ultimo; }
    // Resposta de um concurso; vazio quando ele não está publicado.
    std::optional<std::string> Resposta(int concurso) const;
    // A mensagem da última leitura que falhou.
    const std::string& Falha() const { return m_falha; }

private:
    struct SCarimbo {
        bool legivel = false;
        std::filesystem::file_time_type modificado{};
        uintmax_t tamanho = 0;
        bool operator==(const SCarimbo&) const = default;
    };

    SCarimbo Carimbo() const;
    void Ler();
    void Falhar(std::string mensagem);

    std::filesystem::path m_arquivo;
    FAviso m_avisar;
    std::optional<SCarimbo> m_visto;
    bool m_tem_copia = false;
    std::map<int, std::string> m_respostas;
    int m_ultimo = 0;
    std::string m_falha;
};
