#!/usr/bin/env bash
# Compila e roda todas as medidas: os programas Google Benchmark e execuções inteiras do
# quinaro-cli (tempo de relógio e pico de memória), com HOME e configurações temporários.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build --target bench_core bench_documento bench_conferencia bench_fechamento medir_execucao criar_quadro_cheio medir_telas quinaro-cli \
  quinaro-servidor-resultados criar_resultados

for programa in bench_core bench_documento bench_conferencia; do
  echo "== $programa"
  build/bin/$programa
done

echo "== bench_fechamento (prazo de 60 s por redução)"
build/bin/bench_fechamento 60

pasta=$(mktemp -d)
trap 'rm -rf "$pasta"' EXIT
export HOME="$pasta" XDG_CONFIG_HOME="$pasta/config"
mkdir -p "$XDG_CONFIG_HOME/Orvane Technologies"
medir=build/bin/medir_execucao
cli=$(pwd)/build/bin/quinaro-cli

echo "== quinaro-cli (9.765.625 cartões)"
build/bin/criar_quadro_cheio "$pasta/cheio.vrt"
$medir "gerar" "$cli" gerar "$pasta/cheio.vrt" "$pasta/todos.vrt"
$medir "listar (saída descartada)" sh -c "exec '$cli' listar '$pasta/todos.vrt' >/dev/null"
printf '[filtros]\nm_bool_quantidade_de_gols=1\nm_max_quantidade_de_gols=0\n' \
  > "$XDG_CONFIG_HOME/Orvane Technologies/Quinaro 1.0.conf"
$medir "gerar --filtrar (quase tudo reprovado)" "$cli" gerar "$pasta/cheio.vrt" "$pasta/um.vrt" --filtrar
$medir "filtrar (quase tudo reprovado)" "$cli" filtrar "$pasta/todos.vrt" "$pasta/filtrado.vrt"
# Os 26 critérios ligados com as faixas padrão (nomes tirados da tabela do código): cada
# estatística é apurada em todo cartão e nenhum sai, e o arquivo gravado tem os 137 MB.
{
  echo '[filtros]'
  grep -o '^    {"quantidade_[a-z0-9_]*"' core/Filtro.cpp | sed 's/^ *{"\(.*\)"/m_bool_\1=1/'
} > "$XDG_CONFIG_HOME/Orvane Technologies/Quinaro 1.0.conf"
[[ $(grep -c '^m_bool_' "$XDG_CONFIG_HOME/Orvane Technologies/Quinaro 1.0.conf") == 26 ]]
$medir "gerar --filtrar (26 critérios, nada sai)" "$cli" gerar "$pasta/cheio.vrt" "$pasta/todos26.vrt" --filtrar
$medir "filtrar (26 critérios, nada sai)" "$cli" filtrar "$pasta/todos.vrt" "$pasta/filtrado26.vrt"

echo "== pela tela (diálogos de progresso de verdade, sem janela visível) e a demora de Parar"
QT_QPA_PLATFORM=offscreen build/bin/medir_telas

echo "== quinaro-servidor-resultados: ab -k -c 50 -n 20000 (1000 concursos)"
build/bin/criar_resultados "$pasta/Varenta.dat" 1000
build/bin/quinaro-servidor-resultados --arquivo "$pasta/Varenta.dat" --porta 0 >"$pasta/servico.txt" &
servico=$!
for _ in $(seq 50); do grep -q 'em http://' "$pasta/servico.txt" && break; sleep 0.1; done
porta=$(sed -n 's|.*em http://127\.0\.0\.1:\([0-9]*\).*|\1|p' "$pasta/servico.txt")
ab -q -k -c 50 -n 20000 "http://127.0.0.1:$porta/WebService/PegarResultado.aspx?tipo=80&concurso=500" |
  grep -E 'Complete requests|Failed requests|Keep-Alive requests|Requests per second'
kill "$servico"
