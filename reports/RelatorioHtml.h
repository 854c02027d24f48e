#pragma once

#include <filesystem>
#include <functional>
#include <ostream>
#include <string>
#include <string_view>

class IPastas;

// Um relatório sendo escrito: peças de texto (UTF-8) uma depois da outra, sem nada entre
// elas, gravadas em Windows-1252 e com cada quebra de linha como CR LF.
class CRelatorioHtml {
public:
    explicit CRelatorioHtml(std::ostream& saida) : m_saida(saida) {}

    void Escrever(std::string_view peca);
    CRelatorioHtml& operator<<(std::string_view peca)
    {
        Escrever(peca);
        return *this;
    }

private:
    std::ostream& m_saida;
};

// Grava o relatório de caminho relativo à pasta de dados ("relatorios\Varenta.htm"),
// substituindo o anterior, e devolve o caminho completo. Não gravou: CErroAoSalvarArquivo
// ("Erro ao Salvar Arquivo", o caminho e o motivo), e o relatório anterior fica como estava. Uma
// CRelatorioInterrompido lançada por escrever também deixa o anterior e sai como veio.
std::filesystem::path GravarRelatorio(const IPastas& pastas, const std::string& relativo,
                                      const std::function<void(CRelatorioHtml& relatorio)>& escrever);
