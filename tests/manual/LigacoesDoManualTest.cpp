// Toda ligação (href) e figura (src) do manual leva a um arquivo da pasta de ajuda e, com
// "#secao", a uma âncora que existe; toda figura da pasta é usada; as seções que o F1 abre
// existem.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

const fs::path kAjuda = fs::path(QUINARO_FONTES) / "resources" / "instalacao" / "help";

std::string Ler(const fs::path& arquivo)
{
    std::ifstream entrada(arquivo, std::ios::binary);
    std::ostringstream texto;
    texto << entrada.rdbuf();
    return texto.str();
}

std::vector<std::string> Capturas(const std::string& texto, const std::regex& padrao)
{
    std::vector<std::string> achados;
    for (auto it = std::sregex_iterator(texto.begin(), texto.end(), padrao); it != std::sregex_iterator(); ++it)
        achados.push_back((*it)[1].str());
    return achados;
}

std::vector<fs::path> Paginas()
{
    std::vector<fs::path> paginas;
    for (const auto& entrada : fs::directory_iterator(kAjuda))
        if (entrada.path().extension() == ".htm")
            paginas.push_back(entrada.path());
    return paginas;
}

// As âncoras (id="...") de cada página.
std::map<fs::path, std::set<std::string>> Ancoras()
{
    static const std::regex id(R"re(\bid="([^"]*)")re");
    std::map<fs::path, std::set<std::string>> ancoras;
    for (const fs::path& pagina : Paginas())
        for (const std::string& nome : Capturas(Ler(pagina), id))
            ancoras[fs::weakly_canonical(pagina)].insert(nome);
    return ancoras;
}

bool Externa(const std::string& ligacao)
{
    return ligacao.rfind("http://", 0) == 0 || ligacao.rfind("https://", 0) == 0 || ligacao.rfind("mailto:", 0) == 0;
}

// "" se a ligação leva a um lugar que existe; senão o motivo.
std::string Problema(const fs::path& pagina, const std::string& ligacao,
                     const std::map<fs::path, std::set<std::string>>& ancoras)
{
    const size_t cerca = ligacao.find('#');
    const std::string caminho = ligacao.substr(0, cerca);
    const fs::path alvo = fs::weakly_canonical(caminho.empty() ? pagina : pagina.parent_path() / caminho);
    const std::string relativo = fs::relative(alvo, fs::weakly_canonical(kAjuda)).generic_string();
    if (relativo.empty() || relativo.rfind("..", 0) == 0)
        return "fora da pasta de ajuda";
    if (!fs::is_regular_file(alvo))
        return "arquivo inexistente";
    if (cerca == std::string::npos)
        return "";
    const auto da_pagina = ancoras.find(alvo);
    if (da_pagina == ancoras.end() || da_pagina->second.count(ligacao.substr(cerca + 1)) == 0)
        return "âncora inexistente";
    return "";
}

TEST(Manual, TodaLigacaoEFiguraLevaAUmLugarQueExiste)
{
    static const std::regex ligacao(R"re(\b(?:href|src)="([^"]*)")re");
    const auto ancoras = Ancoras();
    ASSERT_GE(Paginas().size(), 5u);
    int ligacoes = 0;
    for (const fs::path& pagina : Paginas())
        for (const std::string& alvo : Capturas(Ler(pagina), ligacao)) {
            ++ligacoes;
            if (!Externa(alvo)) {
                EXPECT_EQ(Problema(pagina, alvo, ancoras), "") << pagina.filename() << ": " << alvo;
            }
        }
    EXPECT_GT(ligacoes, 0);
}

TEST(Manual, AncorasNaoSeRepetemNaMesmaPagina)
{
    static const std::regex id(R"re(\bid="([^"]*)")re");
    for (const fs::path& pagina : Paginas()) {
        std::set<std::string> vistas;
        for (const std::string& nome : Capturas(Ler(pagina), id))
            EXPECT_TRUE(vistas.insert(nome).second) << pagina.filename() << ": " << nome;
    }
}

TEST(Manual, TodaFiguraDaPastaEstaNoManualETemOSeuTextoAlternativo)
{
    static const std::regex figura(R"re(<img\b[^>]*\bsrc="imagens/([^"]*)"[^>]*>)re");
    static const std::regex alt(R"re(\balt="[^"]+")re");
    std::set<std::string> usadas;
    for (const fs::path& pagina : Paginas()) {
        const std::string texto = Ler(pagina);
        for (auto it = std::sregex_iterator(texto.begin(), texto.end(), figura); it != std::sregex_iterator(); ++it) {
            usadas.insert((*it)[1].str());
            const std::string marca = (*it)[0].str();
            EXPECT_TRUE(std::regex_search(marca, alt)) << pagina.filename() << ": " << marca;
        }
    }
    std::set<std::string> na_pasta;
    for (const auto& entrada : fs::directory_iterator(kAjuda / "imagens"))
        na_pasta.insert(entrada.path().filename().string());
    EXPECT_EQ(usadas, na_pasta);
    EXPECT_GE(na_pasta.size(), 8u);
}

// As seções da tabela do F1 (pares "pagina.htm", "ancora" no código da ajuda de contexto).
TEST(Manual, SecoesQueOF1AbreExistem)
{
    static const std::regex par(R"re("([a-z]+\.htm)", "([a-z-]+)")re");
    const std::string codigo = Ler(fs::path(QUINARO_FONTES) / "app" / "shell" / "AjudaDeContexto.cpp");
    const auto ancoras = Ancoras();
    int secoes = 0;
    for (auto it = std::sregex_iterator(codigo.begin(), codigo.end(), par); it != std::sregex_iterator(); ++it) {
        ++secoes;
        const std::string alvo = (*it)[1].str() + "#" + (*it)[2].str();
        EXPECT_EQ(Problema(kAjuda / "index.htm", alvo, ancoras), "") << alvo;
    }
    EXPECT_GE(secoes, 10);
}

}  // namespace
