#pragma once

// Abre as configurações de rede (proxy) da área de trabalho, quando ela tem uma
// ferramenta conhecida para isso; sem nenhuma, não faz nada.
void AbrirOpcoesDeInternet();
