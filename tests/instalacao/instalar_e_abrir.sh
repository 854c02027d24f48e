#!/usr/bin/env bash
# Instala a compilação num prefixo temporário (com espaço no nome, longe de /usr) e usa os
# programas instalados: o conteúdo da instalação tem de ser achado a partir do executável.
# Uso: instalar_e_abrir.sh PASTA_DA_COMPILACAO PASTA_DAS_FONTES
set -euo pipefail
compilacao=$1
fontes=$2

raiz=$(mktemp -d)
programa=
encerrar() {
  if [[ -n "$programa" ]] && kill -0 "$programa" 2>/dev/null; then
    kill "$programa"
    wait "$programa" || true
  fi
  rm -rf "$raiz"
}
trap encerrar EXIT
falhar() { echo "FALHOU: $*" >&2; exit 1; }

prefixo="$raiz/opt/quinaro realocado"
cmake --install "$compilacao" --prefix "$prefixo" >/dev/null

# Nada do usuário de verdade: casa, configurações e dados numa pasta temporária.
export HOME="$raiz/casa"
export XDG_CONFIG_HOME="$HOME/.config" XDG_DATA_HOME="$HOME/.local/share" XDG_CACHE_HOME="$HOME/.cache"
export XDG_RUNTIME_DIR="$raiz/runtime" XDG_DATA_DIRS="$prefixo/share"
mkdir -p "$HOME" "$XDG_CONFIG_HOME" "$XDG_DATA_HOME" "$XDG_CACHE_HOME"
mkdir -m 700 "$XDG_RUNTIME_DIR"
export QT_QPA_PLATFORM=offscreen LC_ALL=C.UTF-8

# Cada coisa no seu lugar; o conteúdo da instalação igual ao das fontes.
for arquivo in bin/quinaro bin/quinaro-cli share/applications/quinaro.desktop share/mime/packages/quinaro.xml \
               share/icons/hicolor/scalable/apps/quinaro.svg share/icons/hicolor/48x48/apps/quinaro.png \
               share/icons/hicolor/16x16/apps/quinaro.png share/doc/quinaro/copyright; do
  [[ -e "$prefixo/$arquivo" ]] || falhar "falta $arquivo"
done
diff -r "$fontes/resources/instalacao" "$prefixo/share/quinaro" || falhar "share/quinaro difere de resources/instalacao"
desktop-file-validate "$prefixo/share/applications/quinaro.desktop" || falhar "desktop-file-validate"

# O tipo dos arquivos de apostas: pela extensão e, sem ela, pelos bytes do começo.
aposta="$raiz/minhas apostas/bolao de junho.vrt"
mkdir -p "$(dirname "$aposta")"
perl -ne 's/#.*//; while (/"([^"]*)"|([0-9A-Fa-f]{2})/g) { print defined $1 ? $1 : chr(hex $2) }' \
  "$fontes/tests/document/fixtures/documento_gerado.hex" > "$aposta"
update-mime-database "$prefixo/share/mime"
tipo() { gio info -a standard::content-type "$1" | sed -n 's/^ *standard::content-type: //p'; }
cp "$aposta" "$raiz/sem_extensao"
printf 'texto qualquer\n' > "$raiz/texto.vrt"
printf 'texto qualquer\n' > "$raiz/texto"
for caso in "$aposta=application/x-quinaro-apostas" "$raiz/sem_extensao=application/x-quinaro-apostas" \
            "$raiz/texto.vrt=application/x-quinaro-apostas" "$raiz/texto=text/plain"; do
  arquivo=${caso%=*} esperado=${caso##*=}
  achado=$(tipo "$arquivo")
  [[ "$achado" == "$esperado" ]] || falhar "tipo de $(basename "$arquivo"): $achado, esperado $esperado"
done

# quinaro-cli instalado: o relatório de resultados leva a imagem semeada da instalação.
cli="$prefixo/bin/quinaro-cli"
"$cli" resultados inserir --concurso 7 --placares "1x0 2x2 +x1 0x0 3x+" >/dev/null
relatorio=$("$cli" relatorio resultados)
dados="$HOME/Documents/Quinaro Professional"
[[ -f "$dados/relatorios/Varenta.htm" ]] || falhar "relatório não escrito ($relatorio)"
cmp "$fontes/resources/instalacao/relatorios/t3.gif" "$dados/relatorios/t3.gif" || falhar "t3.gif não semeado"

# quinaro instalado abre o arquivo: ele entra nos recentes e a pasta dele fica lembrada.
configuracoes="$XDG_CONFIG_HOME/Orvane Technologies/Quinaro 1.0.conf"
cd "$raiz"
# Como um usuário brasileiro: o Qt carrega as suas traduções.
LC_ALL= LANG=pt_BR.UTF-8 "$prefixo/bin/quinaro" "$aposta" >"$raiz/saida.txt" 2>&1 &
programa=$!
for _ in $(seq 600); do
  if [[ -f "$configuracoes" ]] && grep -qF "$(dirname "$aposta")" "$configuracoes" &&
     grep -qF "ultima_pasta" "$configuracoes"; then
    break
  fi
  kill -0 "$programa" 2>/dev/null || { cat "$raiz/saida.txt" >&2; falhar "quinaro terminou sem abrir o arquivo"; }
  sleep 0.1
done
grep -qF "$aposta" "$configuracoes" || { cat "$configuracoes" >&2; falhar "o arquivo não entrou nos recentes"; }
kill -0 "$programa" 2>/dev/null || falhar "quinaro terminou"
echo "instalado em $prefixo e aberto: ok"
