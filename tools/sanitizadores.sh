#!/usr/bin/env bash
# Compila tudo com AddressSanitizer e UndefinedBehaviorSanitizer numa pasta própria
# (build-san/) e roda todos os testes: qualquer achado para o teste com a pilha.
# Uso: tools/sanitizadores.sh [argumentos a mais para o ctest]
set -euo pipefail
cd "$(dirname "$0")/.."
fontes=$PWD
pasta=build-san

lancador=()
if command -v ccache >/dev/null; then
  lancador=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi
cmake -S . -B "$pasta" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUINARO_SANITIZADORES=ON "${lancador[@]}" >/dev/null
cmake --build "$pasta"

# Para no primeiro erro, com a pilha; vazamentos só de bibliotecas de terceiros são suprimidos.
# O Qt não guarda o ponteiro de quadro: a pilha de um vazamento que começa nele para ali; para
# ver de onde veio, rode o teste de novo com fast_unwind_on_malloc=0 (lento demais para todos).
export ASAN_OPTIONS=halt_on_error=1:detect_leaks=1:detect_stack_use_after_return=1:check_initialization_order=1:strict_init_order=1:print_summary=1
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1:print_summary=1
export LSAN_OPTIONS=suppressions=$fontes/tools/sanitizadores.supp:print_suppressions=0
ctest --test-dir "$pasta" --output-on-failure -j2 "$@"
