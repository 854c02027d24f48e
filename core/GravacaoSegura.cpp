#include "core/GravacaoSegura.h"

#include <algorithm>
#include <exception>
#include <random>
#include <string>
#include <string_view>
#include <vector>

// A gravação só sobrevive a uma queda de energia com fsync do arquivo antes da troca de
// nome e da pasta depois dela; a biblioteca padrão não tem nada disso, daí o POSIX aqui.
#if defined(__unix__) || defined(__APPLE__)
#define QUINARO_GRAVACAO_POSIX 1
#include <array>
#include <cerrno>
#include <streambuf>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#else
#include <fstream>
#endif

namespace fs = std::filesystem;

namespace {

const std::error_code kEscritaInterrompida = std::make_error_code(std::errc::io_error);

// Nome ao lado do destino; o ponto inicial o esconde das listagens comuns.
fs::path NomeTemporario(const fs::path& destino)
{
    std::random_device aleatorio;
    std::uniform_int_distribution<unsigned long long> sorteio;
    return destino.parent_path() / ("." + destino.filename().string() + "." + std::to_string(sorteio(aleatorio)) + ".tmp");
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

// O novo arquivo herda só as permissões de um arquivo comum que ele substitui: um link
// plantado no lugar não empresta as do alvo, e set-uid, set-gid e sticky nunca passam.
void CopiarPermissoes(const fs::path& de, const fs::path& para)
{
    std::error_code erro;
    const fs::file_status situacao = fs::symlink_status(de, erro);
    if (!erro && fs::is_regular_file(situacao)) {
        const fs::perms permissoes = situacao.permissions() & fs::perms::all;
        fs::permissions(para, permissoes, fs::perm_options::replace, erro);
    }
}

#if defined(QUINARO_GRAVACAO_POSIX)

// Um temporário apagado pela limpeza entre a criação e a trava leva a outro nome;
// mais que isso é um sistema de arquivos estranho, e a gravação desiste.
constexpr int kTentativasDeTemporario = 16;

std::error_code ErroDoSistema(int numero)
{
    return {numero, std::generic_category()};
}

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

std::error_code SincronizarCaminho(const fs::path& caminho)
{
    CDescritor descritor(::open(caminho.c_str(), O_RDONLY | O_CLOEXEC));
    if (descritor.Numero() < 0)
        return ErroDoSistema(errno);
    // Sistema de arquivos que não sincroniza esse tipo de arquivo (EINVAL): nada a esperar.
    if (Sincronizar(descritor.Numero()) || errno == EINVAL)
        return {};
    return ErroDoSistema(errno);
}

fs::path PastaDe(const fs::path& destino)
{
    const fs::path pasta = destino.parent_path();
    return pasta.empty() ? fs::path(".") : pasta;
}

// ".<nome>.<algarismos>.tmp", o nome que NomeTemporario dá.
bool TemporarioDe(const std::string& nome, const fs::path& destino)
{
    const std::string prefixo = "." + destino.filename().string() + ".";
    constexpr std::string_view kSufixo = ".tmp";
    if (nome.size() <= prefixo.size() + kSufixo.size() || !nome.starts_with(prefixo) || !nome.ends_with(kSufixo))
        return false;
    const std::string_view numero = std::string_view(nome).substr(prefixo.size(), nome.size() - prefixo.size() - kSufixo.size());
    return std::all_of(numero.begin(), numero.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// Os temporários ao lado do destino, antes de mexer em qualquer um.
std::vector<fs::path> TemporariosAoLado(const fs::path& destino)
{
    std::vector<fs::path> achados;
    std::error_code erro;
    for (fs::directory_iterator item(PastaDe(destino), erro), fim; !erro && item != fim; item.increment(erro))
        if (TemporarioDe(item->path().filename().string(), destino))
            achados.push_back(item->path());
    return achados;
}

// Uma gravação viva mantém o seu temporário travado; o que se deixa travar ficou de um
// processo morto no meio da gravação.
void ApagarTemporariosAbandonados(const fs::path& destino)
{
    for (const fs::path& temporario : TemporariosAoLado(destino)) {
        CDescritor arquivo(::open(temporario.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK));
        if (arquivo.Numero() >= 0 && ::flock(arquivo.Numero(), LOCK_EX | LOCK_NB) == 0) {
            std::error_code erro;
            fs::remove(temporario, erro);
        }
    }
}

// Mesmo arquivo no nome e no descritor: a limpeza de outro processo não o apagou antes da trava.
bool AindaNoNome(int descritor, const fs::path& caminho)
{
    struct stat aberto {};
    struct stat no_nome {};
    return ::fstat(descritor, &aberto) == 0 && ::stat(caminho.c_str(), &no_nome) == 0 &&
           aberto.st_dev == no_nome.st_dev && aberto.st_ino == no_nome.st_ino;
}

// Cria o temporário já travado; o caminho escolhido sai em `caminho`.
int CriarTemporarioTravado(const fs::path& destino, fs::path& caminho, std::error_code& erro)
{
    erro = ErroDoSistema(EEXIST);
    for (int tentativa = 0; tentativa < kTentativasDeTemporario; ++tentativa) {
        caminho = NomeTemporario(destino);
        const int numero = ::open(caminho.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (numero < 0 && errno == EEXIST)
            continue;
        if (numero < 0) {
            erro = ErroDoSistema(errno);
            return -1;
        }
        // Sem trava possível (ENOLCK) a gravação segue; só a limpeza fica sem garantia.
        if (::flock(numero, LOCK_EX) != 0 || AindaNoNome(numero, caminho)) {
            erro.clear();
            return numero;
        }
        ::close(numero);
    }
    return -1;
}

// Saída de fluxo direto num descritor, para poder sincronizar o mesmo arquivo que foi escrito.
class CSaidaNoDescritor : public std::streambuf {
public:
    explicit CSaidaNoDescritor(int descritor) : m_descritor(descritor)
    {
        setp(m_espaco.data(), m_espaco.data() + m_espaco.size());
    }

    // O erro da escrita que falhou (disco cheio, cota), ou nenhum.
    const std::error_code& Erro() const { return m_erro; }

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
            if (escritos <= 0) {
                m_erro = escritos < 0 ? ErroDoSistema(errno) : kEscritaInterrompida;
                return false;
            }
            inicio += escritos;
        }
        return true;
    }

    int m_descritor;
    std::error_code m_erro;
    std::array<char, 64 * 1024> m_espaco{};
};

// Escreve o conteúdo inteiro no descritor, com as permissões do destino, e o leva ao
// disco antes de fechar.
std::error_code EscreverTudo(CDescritor& arquivo, const fs::path& caminho, const fs::path& destino,
                             const std::function<void(std::ostream&)>& escrever)
{
    CSaidaNoDescritor fluxo(arquivo.Numero());
    std::ostream saida(&fluxo);
    try {
        escrever(saida);
    } catch (const std::exception&) {
        return kEscritaInterrompida;
    }
    saida.flush();
    if (!saida.good())
        return fluxo.Erro() ? fluxo.Erro() : kEscritaInterrompida;
    CopiarPermissoes(destino, caminho);
    if (!Sincronizar(arquivo.Numero()) || !arquivo.Fechar())
        return ErroDoSistema(errno);
    return {};
}

} // namespace

CResultadoDaGravacao GravarComSeguranca(const fs::path& destino, const std::function<void(std::ostream& saida)>& escrever)
{
    ApagarTemporariosAbandonados(destino);
    fs::path caminho;
    std::error_code erro;
    CDescritor arquivo(CriarTemporarioTravado(destino, caminho, erro));
    if (arquivo.Numero() < 0)
        return CResultadoDaGravacao(erro);
    // A trava é da abertura, não do descritor: a cópia a segura até depois da troca de
    // nome, já com o arquivo fechado.
    const CDescritor trava(::dup(arquivo.Numero()));
    CTemporario temporario(caminho);
    if ((erro = EscreverTudo(arquivo, caminho, destino, escrever)))
        return CResultadoDaGravacao(erro);
    fs::rename(caminho, destino, erro);
    if (erro)
        return CResultadoDaGravacao(erro);
    temporario.Entregue();
    // Sem a pasta no disco, o nome trocado pode voltar ao arquivo antigo numa queda.
    return CResultadoDaGravacao(SincronizarCaminho(PastaDe(destino)));
}

bool LevarAoDisco(const fs::path& caminho)
{
    return !SincronizarCaminho(caminho);
}

#else

// Sem trava de arquivo aqui não há como saber se um temporário ainda é de uma gravação
// viva: nenhum é apagado.
std::error_code EscreverTudo(const fs::path& caminho, const fs::path& destino,
                             const std::function<void(std::ostream&)>& escrever)
{
    std::ofstream saida(caminho, std::ios::binary | std::ios::trunc);
    if (!saida)
        return std::make_error_code(std::errc::permission_denied);
    try {
        escrever(saida);
    } catch (const std::exception&) {
        return kEscritaInterrompida;
    }
    saida.flush();
    saida.close();
    CopiarPermissoes(destino, caminho);
    return saida.fail() ? kEscritaInterrompida : std::error_code();
}

} // namespace

CResultadoDaGravacao GravarComSeguranca(const fs::path& destino, const std::function<void(std::ostream& saida)>& escrever)
{
    CTemporario temporario(NomeTemporario(destino));
    std::error_code erro = EscreverTudo(temporario.Caminho(), destino, escrever);
    if (erro)
        return CResultadoDaGravacao(erro);
    fs::rename(temporario.Caminho(), destino, erro);
    if (erro)
        return CResultadoDaGravacao(erro);
    temporario.Entregue();
    return {};
}

bool LevarAoDisco(const fs::path&) { return true; }

#endif
