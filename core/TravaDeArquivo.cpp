#include "core/TravaDeArquivo.h"

#include <thread>

// A biblioteca padrão não trava arquivos entre processos; flock é do POSIX.
#if defined(__unix__) || defined(__APPLE__)
#define QUINARO_TRAVA_POSIX 1
#include <cerrno>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>
#endif

namespace {

// Entre uma tentativa e outra: curto diante da espera, longo o bastante para não ocupar a CPU.
constexpr std::chrono::milliseconds kIntervaloDaTentativa{20};

} // namespace

#if defined(QUINARO_TRAVA_POSIX)

CTravaDeArquivo::CTravaDeArquivo(const std::filesystem::path& arquivo, const std::string& mensagem_em_uso,
                                 std::chrono::milliseconds espera)
{
    const std::filesystem::path caminho = arquivo.string() + ".lock";
    const int descritor = ::open(caminho.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0666);
    if (descritor < 0)
        return;
    const auto limite = std::chrono::steady_clock::now() + espera;
    for (;;) {
        if (::flock(descritor, LOCK_EX | LOCK_NB) == 0) {
            m_descritor = descritor;
            return;
        }
        if (errno != EWOULDBLOCK && errno != EINTR) {
            ::close(descritor);
            return;
        }
        if (std::chrono::steady_clock::now() >= limite) {
            ::close(descritor);
            throw CArquivoEmUso(mensagem_em_uso);
        }
        std::this_thread::sleep_for(kIntervaloDaTentativa);
    }
}

CTravaDeArquivo::~CTravaDeArquivo()
{
    // Fechar o descritor solta a trava.
    if (m_descritor >= 0)
        ::close(m_descritor);
}

#else

CTravaDeArquivo::CTravaDeArquivo(const std::filesystem::path&, const std::string&, std::chrono::milliseconds) {}

CTravaDeArquivo::~CTravaDeArquivo() = default;

#endif
