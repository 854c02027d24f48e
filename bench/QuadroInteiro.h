#pragma once

class CListaDeVolantes;

// Acrescenta os 9.765.625 cartões possíveis, na ordem da geração do quadro cheio.
void AcrescentarOQuadroInteiro(CListaDeVolantes& volantes);
