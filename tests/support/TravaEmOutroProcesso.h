#pragma once

#include <filesystem>

#include <sys/types.h>

// Outro processo (um filho de verdade) que segura flock exclusivo num arquivo enquanto
// este objeto vive: o construtor só volta com a trava já tomada pelo filho.
class CTravaEmOutroProcesso {
public:
    explicit CTravaEmOutroProcesso(const std::filesystem::path& arquivo);
    ~CTravaEmOutroProcesso();
    CTravaEmOutroProcesso(const CTravaEmOutroProcesso&) = delete;
    CTravaEmOutroProcesso& operator=(const CTravaEmOutroProcesso&) = delete;

private:
    pid_t m_filho = -1;
    int m_soltar = -1;  // fechado, o filho solta a trava e sai
};
