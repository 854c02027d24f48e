#!/usr/bin/env bash
# Ataque lento contra o serviço de resultados com poucos descritores: o serviço sobe com
# ulimit -n 256 e recebe LENTAS conexões que nunca terminam o cabeçalho, por SEGUNDOS;
# uma sonda por segundo mede se um cliente novo ainda é atendido. No fim, o tempo de CPU
# que o serviço gastou. Uso: bench/carga_lenta.sh [LENTAS=300] [SEGUNDOS=30]
set -euo pipefail
cd "$(dirname "$0")/.."
lentas=${1:-300}
segundos=${2:-30}
servico=${SERVICO:-build/bin/quinaro-servidor-resultados}
cmake --build build --target quinaro-servidor-resultados carga_lenta criar_resultados >/dev/null

pasta=$(mktemp -d)
pid=
trap '[ -n "$pid" ] && kill "$pid" 2>/dev/null; rm -rf "$pasta"' EXIT
build/bin/criar_resultados "$pasta/Varenta.dat" 1000
(ulimit -n 256 && exec "$servico" --arquivo "$pasta/Varenta.dat" --porta 0) >"$pasta/saida" 2>"$pasta/erros" &
pid=$!
for _ in $(seq 50); do
  grep -q 'em http://' "$pasta/saida" 2>/dev/null && break
  sleep 0.1
done
porta=$(sed -n 's|.*em http://127\.0\.0\.1:\([0-9]*\).*|\1|p' "$pasta/saida")
[ -n "$porta" ] || { echo "o serviço não subiu:"; cat "$pasta/erros"; exit 1; }

# utime + stime do serviço, em tiques do relógio.
cpu() { awk '{print $14 + $15}' "/proc/$pid/stat"; }
antes=$(cpu)
nice -n 5 build/bin/carga_lenta "127.0.0.1:$porta" "$lentas" "$segundos"
depois=$(cpu)
tiques=$(getconf CLK_TCK)
awk -v t=$((depois - antes)) -v hz="$tiques" -v s="$segundos" \
  'BEGIN { printf "CPU do serviço: %.2f s em %d s (%.1f %%)\n", t / hz, s, 100 * t / hz / s }'
echo "stderr do serviço:"
sort "$pasta/erros" | uniq -c | head -5
