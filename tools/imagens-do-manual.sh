#!/usr/bin/env bash
# Refaz as figuras do manual (resources/instalacao/help/imagens) a partir das telas de
# verdade, fora da tela: compila o programa das figuras e o roda gravando na pasta do manual.
# Uso: tools/imagens-do-manual.sh [PASTA_DA_COMPILACAO]   (padrão: build)
set -euo pipefail
fontes=$(cd "$(dirname "$0")/.." && pwd)
compilacao=${1:-$fontes/build}
destino="$fontes/resources/instalacao/help/imagens"

cmake --build "$compilacao" --target imagens_do_manual
mkdir -p "$destino"
# Sempre na mesma língua e no mesmo tamanho de tela: as figuras só mudam quando a tela muda.
QUINARO_IMAGENS_DO_MANUAL="$destino" LC_ALL=C.UTF-8 QT_QPA_PLATFORM=offscreen \
  QT_QPA_OFFSCREEN_NO_GLX=1 "$compilacao/tests/imagens_do_manual" --gtest_brief=1
ls -l "$destino"
