#!/usr/bin/env bash
# Gera o pacote Debian (cpack -G DEB) e o inspeciona: conteúdo, dependências e lintian.
# Uso: tools/pacote-deb.sh [PASTA_DA_COMPILACAO]   (padrão: build)
# Falha se faltar algo no pacote, se as dependências de bibliotecas não tiverem sido
# calculadas ou se o lintian apontar erros; os avisos do lintian só são mostrados.
set -euo pipefail
cd "$(dirname "$0")/.."
source tools/dependencias.sh
instalar_dependencias pacote
compilacao=${1:-build}
falhar() { echo "FALHOU: $*" >&2; exit 1; }

cmake -S . -B "$compilacao" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$compilacao"
rm -f "$compilacao"/quinaro_*.deb
(cd "$compilacao" && cpack -G DEB >/dev/null)
pacotes=("$compilacao"/quinaro_*.deb)
[[ ${#pacotes[@]} -eq 1 && -f "${pacotes[0]}" ]] || falhar "cpack não gerou um quinaro_*.deb"
deb=${pacotes[0]}

echo "== $deb"
dpkg-deb --info "$deb"
echo "== conteúdo"
conteudo=$(dpkg-deb --contents "$deb" | awk '{print $6}')
echo "$conteudo"
for esperado in ./usr/bin/quinaro ./usr/bin/quinaro-cli ./usr/share/quinaro/help/index.htm \
                ./usr/share/quinaro/relatorios/t3.gif ./usr/share/applications/quinaro.desktop \
                ./usr/share/mime/packages/quinaro.xml ./usr/share/icons/hicolor/scalable/apps/quinaro.svg \
                ./usr/share/icons/hicolor/48x48/apps/quinaro.png ./usr/share/doc/quinaro/copyright \
                ./usr/share/doc/quinaro/changelog.gz ./usr/share/man/man1/quinaro.1.gz; do
  grep -qxF "$esperado" <<<"$conteudo" || falhar "o pacote não leva $esperado"
done
! grep -q '^./usr/local/' <<<"$conteudo" || falhar "o pacote leva arquivos em /usr/local"

echo "== dependências"
depende=$(dpkg-deb --field "$deb" Depends)
echo "Depends: $depende"
echo "Recommends: $(dpkg-deb --field "$deb" Recommends)"
for biblioteca in libc6 libstdc++6 libqt6core6 libqt6gui6 libqt6widgets6; do
  grep -q "\b$biblioteca\b" <<<"$depende" || falhar "falta a dependência $biblioteca (dpkg-shlibdeps)"
done

echo "== lintian"
relatorio=$(lintian --tag-display-limit 0 "$deb" 2>&1 || true)
echo "${relatorio:-(nada)}"
! grep -q '^E:' <<<"$relatorio" || falhar "o lintian apontou erros"
echo "pacote pronto: $deb"
