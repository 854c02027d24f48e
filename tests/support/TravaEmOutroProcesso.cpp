#include "tests/support/TravaEmOutroProcesso.h"

#include <stdexcept>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/wait.h>
#include <unistd.h>

CTravaEmOutroProcesso::CTravaEmOutroProcesso(const std::filesystem::path& arquivo)
{
    int pronto[2];
    int soltar[2];
    if (::pipe(pronto) != 0 || ::pipe(soltar) != 0)
        throw std::runtime_error("pipe falhou");
    const std::string caminho = arquivo.string();
    m_filho = ::fork();
    if (m_filho == 0) {
        // Só chamadas seguras depois do fork.
        ::close(pronto[0]);
        ::close(soltar[1]);
        const int descritor = ::open(caminho.c_str(), O_RDWR | O_CREAT, 0644);
        const char sinal = (descritor >= 0 && ::flock(descritor, LOCK_EX) == 0) ? 'T' : 'F';
        if (::write(pronto[1], &sinal, 1) != 1)
            ::_exit(2);
        char resto;
        while (::read(soltar[0], &resto, 1) > 0) {
        }
        ::_exit(0);
    }
    ::close(pronto[1]);
    ::close(soltar[0]);
    m_soltar = soltar[1];
    char sinal = 'F';
    const bool leu = ::read(pronto[0], &sinal, 1) == 1;
    ::close(pronto[0]);
    if (!leu || sinal != 'T')
        throw std::runtime_error("o outro processo não travou " + caminho);
}

CTravaEmOutroProcesso::~CTravaEmOutroProcesso()
{
    ::close(m_soltar);
    int estado = 0;
    ::waitpid(m_filho, &estado, 0);
}
