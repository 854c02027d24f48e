#include "core/GravacaoSegura.h"

#include <exception>
#include <random>
#include <string>

// A gravação só sobrevive a uma queda de energia com fsync do arquivo antes da troca de
// nome e da pasta depois dela; a biblioteca padrão não tem nada disso, daí o POSIX aqui.
#if defined(__unix__) || defined(__APPLE__)
#define QUINARO_GRAVACAO_POSIX 1
#include <array>
#include <cerrno>
#include <streambuf>

#include <fcntl.h>
#include <unistd.h>
#else
#include <fstream>
#endif

namespace fs = std::filesystem;

namespace {

// Nome livre ao lado do destino; o ponto inicial o esconde das listagens comuns.
fs::path NomeTemporario(const fs::path& destino)
{
    std::random_device aleatorio;
    std::uniform_int_distribution<unsigned long long> sorteio;
    for (;;) {
        const fs::path candidato =
            destino.parent_path() / ("." + destino.filename().string() + "." + std::to_string(sorteio(aleatorio)) + ".tmp");
        // Sem seguir links: um link solto também ocupa o nome.
        std::error_code erro;
        if (!fs::exists(fs::symlink_status(candidato, erro)))
            return candidato;
    }
}

// Apaga o temporário ao sair, a menos que ele já tenha virado o destino.
class CTemporario {
public:
    explicit CTemporario(fs::path caminho) : m_caminho(std::move(caminho)) {}
    ~CTemporario()
    {
        if (!m_entregue) {
            std::error_code erro;
            fs::remove(m_caminho, erro);
        }
    }
    CTemporario(const CTemporario&) = delete;
    CTemporario& operator=(const CTemporario&) = delete;

    const fs::path& Caminho() const { return m_caminho; }
    void Entregue() { m_entregue = true; }

private:
    fs::path m_caminho;
    bool m_entregue = false;
};

// O novo arquivo herda as permissões do que ele substitui.
void CopiarPermissoes(const fs::path& de, const fs::path& para)
{
    std::error_code erro;
    const fs::file_status situacao = fs::status(de, erro);
    if (!erro && fs::is_regular_file(situacao))
        fs::permissions(para, situacao.permissions(), fs::perm_options::replace, erro);
}

#if defined(QUINARO_GRAVACAO_POSIX)

// Fecha o descritor ao sair de qualquer jeito.
class CDescritor {
public:
    explicit CDescritor(int numero) : m_numero(numero) {}
    ~CDescritor()
    {
        if (m_numero >= 0)
            ::close(m_numero);
    }
    CDescritor(const CDescritor&) = delete;
    CDescritor& operator=(const CDescritor&) = delete;

    int Numero() const { return m_numero; }
    // O erro de close também conta: em alguns sistemas de arquivos é ali que a escrita falha.
    bool Fechar()
    {
        const int numero = m_numero;
        m_numero = -1;
        return ::close(numero) == 0;
    }

private:
    int m_numero;
};

bool Sincronizar(int descritor)
{
    int resultado;
    do {
        resultado = ::fsync(descritor);
    } while (resultado != 0 && errno == EINTR);
    return resultado == 0;
}

// Saída de fluxo direto num descritor, para poder sincronizar o mesmo arquivo que foi escrito.
class CSaidaNoDescritor : public std::streambuf {
public:
    explicit CSaidaNoDescritor(int descritor) : m_descritor(descritor)
    {
        setp(m_espaco.data(), m_espaco.data() + m_espaco.size());
    }

protected:
    int_type overflow(int_type caractere) override
    {
        if (!Esvaziar())
            return traits_type::eof();
        if (!traits_type::eq_int_type(caractere, traits_type::eof())) {
            *pptr() = traits_type::to_char_type(caractere);
            pbump(1);
        }
        return traits_type::not_eof(caractere);
    }

    int sync() override { return Esvaziar() ? 0 : -1; }

    // Um bloco do tamanho do nosso buffer ou maior (o escritor manda os seus 64 KiB de uma
    // vez) vai direto ao arquivo, sem ser copiado antes para cá.
    std::streamsize xsputn(const char* dados, std::streamsize tamanho) override
    {
        if (tamanho < static_cast<std::streamsize>(m_espaco.size()))
            return std::streambuf::xsputn(dados, tamanho);
        if (!Esvaziar() || !EscreverBloco(dados, dados + tamanho))
            return 0;
        return tamanho;
    }

private:
    bool Esvaziar()
    {
        if (!EscreverBloco(pbase(), pptr()))
            return false;
        setp(m_espaco.data(), m_espaco.data() + m_espaco.size());
        return true;
    }

    bool EscreverBloco(const char* inicio, const char* const fim)
    {
        while (inicio < fim) {
            const ssize_t escritos = ::write(m_descritor, inicio, static_cast<size_t>(fim - inicio));
            if (escritos < 0 && errno == EINTR)
                continue;
            if (escritos <= 0)
                return false;
            inicio += escritos;
        }
        return true;
    }

    int m_descritor;
    std::array<char, 64 * 1024> m_espaco{};
};

// Escreve o conteúdo inteiro, com as permissões do destino, e o leva ao disco antes de fechar.
bool EscreverTudo(const fs::path& caminho, const fs::path& destino,
                  const std::function<void(std::ostream&)>& escrever)
{
    CDescritor arquivo(::open(caminho.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666));
    if (arquivo.Numero() < 0)
        return false;
    CSaidaNoDescritor fluxo(arquivo.Numero());
    std::ostream saida(&fluxo);
    try {
        escrever(saida);
    } catch (const std::exception&) {
        return false;
    }
    saida.flush();
    if (!saida.good())
        return false;
    CopiarPermissoes(destino, caminho);
    return Sincronizar(arquivo.Numero()) && arquivo.Fechar();
}

#else

bool EscreverTudo(const fs::path& caminho, const fs::path& destino,
                  const std::function<void(std::ostream&)>& escrever)
{
    std::ofstream saida(caminho, std::ios::binary | std::ios::trunc);
    if (!saida)
        return false;
    try {
        escrever(saida);
    } catch (const std::exception&) {
        return false;
    }
    saida.flush();
    saida.close();
    CopiarPermissoes(destino, caminho);
    return !saida.fail();
}

#endif

} // namespace

bool GravarComSeguranca(const fs::path& destino, const std::function<void(std::ostream& saida)>& escrever)
{
    CTemporario temporario(NomeTemporario(destino));
    if (!EscreverTudo(temporario.Caminho(), destino, escrever))
        return false;
    std::error_code erro;
    fs::rename(temporario.Caminho(), destino, erro);
    if (erro)
        return false;
    temporario.Entregue();
    // Sem a pasta no disco, o nome trocado pode voltar ao arquivo antigo numa queda.
    const fs::path pasta = destino.parent_path();
    return LevarAoDisco(pasta.empty() ? fs::path(".") : pasta);
}

#if defined(QUINARO_GRAVACAO_POSIX)

bool LevarAoDisco(const fs::path& caminho)
{
    CDescritor descritor(::open(caminho.c_str(), O_RDONLY | O_CLOEXEC));
    if (descritor.Numero() < 0)
        return false;
    // Sistema de arquivos que não sincroniza esse tipo de arquivo (EINVAL): nada a esperar.
    return Sincronizar(descritor.Numero()) || errno == EINVAL;
}

#else

bool LevarAoDisco(const fs::path&) { return true; }

#endif
