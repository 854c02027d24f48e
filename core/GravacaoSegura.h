#pragma once

#include <filesystem>
#include <functional>
#include <ostream>
#include <system_error>

// O resultado de uma gravação: verdadeiro se gravou; senão, o erro do sistema que a
// impediu (std::errc::io_error quando quem escrevia lançou uma exceção).
class CResultadoDaGravacao {
public:
    CResultadoDaGravacao() = default;
    explicit CResultadoDaGravacao(std::error_code erro) : m_erro(erro) {}

    explicit operator bool() const { return !m_erro; }
    const std::error_code& Erro() const { return m_erro; }

private:
    std::error_code m_erro;
};

// Grava um arquivo inteiro sem nunca deixar o anterior danificado: o conteúdo vai para
// um temporário na mesma pasta (".<nome>.<n>.tmp"), que só substitui o destino (troca
// atômica de nome) depois de completo, levado ao disco e fechado; a pasta vai ao disco
// depois da troca, e a gravação sobrevive a uma queda de energia. Em qualquer falha,
// antes da troca o temporário é apagado e o arquivo que existia fica como estava.
// Exceções lançadas por escrever contam como falha. O novo arquivo tem as permissões
// (rwx, nunca set-uid) do arquivo comum que substitui; um link no destino é trocado por
// um arquivo com as permissões de sempre. Temporários que uma gravação interrompida
// (processo morto) deixou ao lado do destino são apagados.
CResultadoDaGravacao GravarComSeguranca(const std::filesystem::path& destino,
                                        const std::function<void(std::ostream& saida)>& escrever);

// Leva ao disco um arquivo já fechado que outro meio gravou, ou uma pasta (os nomes
// trocados nela). Falso se não abre ou se o sistema não confirma a gravação.
bool LevarAoDisco(const std::filesystem::path& caminho);
