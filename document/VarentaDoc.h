#pragma once

#include "core/ListaDeVolantes.h"
#include "core/Objeto.h"

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class CChave;
class CEscritorDeArquivo;
class CLeitorDeArquivo;
class CScore;
class CVolante;
struct SLinhaColorida;

// O documento de apostas: o quadro, as chaves e os cartões da última geração.
class CVarentaDoc {
public:
    CVarentaDoc();
    ~CVarentaDoc();
    CVarentaDoc(const CVarentaDoc&) = delete;
    CVarentaDoc& operator=(const CVarentaDoc&) = delete;

    std::array<std::string, 10> m_textos_reservados;
    std::string m_resumo;
    int32_t m_valor_da_aposta = 0;
    int32_t m_max_completas = 0;
    std::vector<const CScore*> m_tabela_lida;  // as 125 células lidas do arquivo (do documento)
    int32_t m_qtde_apostas = 0;
    std::vector<std::shared_ptr<CChave>> m_chaves;  // compartilhadas com a tela de apostas
    std::array<std::string, 5> m_chave_do_jogo;
    int32_t m_tem_volantes = 0;
    CListaDeVolantes m_volantes;
    int32_t m_indice_atual = -1;  // o cartão atual em m_volantes; -1 sem cartão atual
    int32_t m_min_completas = 0;
    std::array<std::array<uint16_t, 25>, 5> m_celulas{};

    void Serialize(CEscritorDeArquivo& ar) const;
    // Lê sobre um documento novo; lança CErroDeFormato (um estado de célula acima de 2
    // também é erro de formato). Ao terminar, o documento é dono de tudo o que o arquivo
    // trouxe: células e grupos aqui, chaves em m_chaves.
    void Serialize(CLeitorDeArquivo& ar);

    bool OnNewDocument();
    // Depois de lido: o primeiro cartão vira o atual.
    void AposAbrir();
    void RemoverVolantes();
    // Confere os cartões com o cartão-resultado; verdadeiro se algum fez 5 pontos.
    bool ConferirVolantes(const CVolante& resultado, std::vector<std::string>& resumo,
                          std::vector<SLinhaColorida>& premios) const;

private:
    void TomarObjetosDoArquivo(CLeitorDeArquivo& ar);

    // Objetos trazidos pelo arquivo (células, grupos); o documento é dono deles.
    std::vector<std::unique_ptr<CObjeto>> m_objetos_do_arquivo;
};
