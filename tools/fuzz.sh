#!/bin/bash
# tools/fuzz.sh SEGUNDOS [ALVO...]: compila os alvos de fuzzing (clang, em build-fuzz/) e
# roda cada um por SEGUNDOS, um de cada vez, em baixa prioridade. Mostra execuções,
# cobertura e achados de cada alvo; sai com 1 se algum alvo achou algo.
# QUINARO_FUZZ_OPCOES: opções a mais do libFuzzer (ex.: "-max_len=262144 -len_control=0").
set -euo pipefail
cd "$(dirname "$0")/.."

segundos=${1:?uso: tools/fuzz.sh SEGUNDOS [ALVO...]}
shift
alvos=("$@")
[ ${#alvos[@]} -gt 0 ] || alvos=(arquivo_de_apostas arquivo_de_resultados placares_em_texto resposta_do_servico)
pasta=${QUINARO_FUZZ_BUILD:-build-fuzz}

lancador=()
command -v ccache >/dev/null && lancador=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
CXX=clang++-14 cmake -S tools/fuzz -B "$pasta" -G Ninja "${lancador[@]}" >/dev/null
nice -n 10 cmake --build "$pasta" -j2 >/dev/null
rm -rf "$pasta/sementes"
"$pasta/gerar_sementes" "$pasta/sementes"

achou=0
for alvo in "${alvos[@]}"; do
    corpus="$pasta/corpus/$alvo"
    achados="$pasta/achados/$alvo"
    mkdir -p "$corpus" "$achados"
    dicionario=()
    [ -f "tools/fuzz/$alvo.dict" ] && dicionario=(-dict="tools/fuzz/$alvo.dict")
    registro="$pasta/$alvo.log"
    # Travamento (10 s por entrada) e memória acima de 2 GB também são achados.
    status=0
    nice -n 10 "$pasta/fuzz_$alvo" -max_total_time="$segundos" -timeout=10 -rss_limit_mb=2048 \
        -print_final_stats=1 -artifact_prefix="$achados/" "${dicionario[@]}" ${QUINARO_FUZZ_OPCOES:-} \
        "$corpus" "$pasta/sementes/$alvo" >"$registro" 2>&1 || status=$?
    execucoes=$(sed -n 's/^stat::number_of_executed_units: *//p' "$registro" | tail -1)
    cobertura=$(grep -o 'cov: [0-9]*' "$registro" | tail -1 | cut -d' ' -f2)
    features=$(grep -o 'ft: [0-9]*' "$registro" | tail -1 | cut -d' ' -f2)
    arquivos=$(find "$achados" -type f | wc -l)
    echo "$alvo: execuções ${execucoes:-?}, cobertura ${cobertura:-?} arestas (ft ${features:-?}), achados $arquivos"
    if [ "$status" -ne 0 ] || [ "$arquivos" -ne 0 ]; then
        achou=1
        find "$achados" -type f -printf '  %p\n'
        echo "  registro: $registro"
    fi
done
exit $achou
