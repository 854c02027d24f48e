#pragma once

class CEscritorDeArquivo;
class CLeitorDeArquivo;

// Raiz dos objetos gravados com referência (classe com nome, esquema 0).
class CObjeto {
public:
    virtual ~CObjeto() = default;
    virtual const char* NomeDaClasse() const = 0;
    virtual void Serialize(CEscritorDeArquivo& ar) const = 0;
    virtual void Serialize(CLeitorDeArquivo& ar) = 0;
};
