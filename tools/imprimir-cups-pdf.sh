#!/usr/bin/env bash
# Imprime um arquivo de apostas numa fila CUPS de verdade (a impressora virtual cups-pdf),
# pelo mesmo caminho da QPrinter do programa de mesa (quinaro-cli imprimir --impressora),
# e mostra o PDF que a fila gravou. Não roda na CI: instala pacotes, liga o cupsd e cria
# uma fila. Precisa de root ou sudo.
# Uso: tools/imprimir-cups-pdf.sh ARQUIVO.vrt [PASTA_DE_SAIDA]   (depois de compilar)
set -euo pipefail

raiz=$(cd "$(dirname "$0")/.." && pwd)
cli="$raiz/build/bin/quinaro-cli"
aposta=${1:?uso: $0 ARQUIVO.vrt [PASTA_DE_SAIDA]}
saida=${2:-$raiz/build/cups-pdf}
fila=QuinaroPDF

sudo=()
[[ $(id -u) -ne 0 ]] && sudo=(sudo)

# Pacotes da fila (só os que faltam).
faltando=()
for p in cups printer-driver-cups-pdf; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || faltando+=("$p")
done
if ((${#faltando[@]})); then
  "${sudo[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${faltando[@]}"
fi

# O cups-pdf grava na pasta de saída (o dono dela é o usuário do cups-pdf).
mkdir -p "$saida"
"${sudo[@]}" chmod 1777 "$saida"
"${sudo[@]}" sed -i -E "s|^#?Out .*|Out $saida|; s|^#?AnonDirName .*|AnonDirName $saida|" /etc/cups/cups-pdf.conf

# lpstat -r sai com 0 mesmo com o cupsd parado: vale o texto.
rodando() { lpstat -r 2>/dev/null | grep -q "is running"; }
# Sem systemd (contêiner), o cupsd é ligado à mão; com ele, pelo serviço.
if ! rodando; then
  if command -v systemctl >/dev/null && systemctl is-system-running >/dev/null 2>&1; then
    "${sudo[@]}" systemctl restart cups
  else
    "${sudo[@]}" /usr/sbin/cupsd
  fi
  for _ in $(seq 50); do rodando && break; sleep 0.2; done
fi
rodando || { echo "O cupsd não começou" >&2; exit 1; }

modelo=$(lpinfo -m | awk '/CUPS-PDF/ {print $1; exit}')
"${sudo[@]}" lpadmin -p "$fila" -E -v cups-pdf:/ -m "$modelo"
"${sudo[@]}" cupsenable "$fila"
"${sudo[@]}" cupsaccept "$fila"

antes=$(mktemp)
ls -1 "$saida" >"$antes"
"$cli" imprimir "$aposta" --impressora "$fila"

# Espera o trabalho sair da fila e o PDF aparecer.
for _ in $(seq 150); do
  [[ -z "$(lpstat -o "$fila" 2>/dev/null)" ]] && break
  sleep 0.2
done
novo=""
for _ in $(seq 50); do
  novo=$(ls -1t "$saida"/*.pdf 2>/dev/null | grep -vxFf <(sed "s|^|$saida/|" "$antes") | head -n1 || true)
  [[ -n "$novo" ]] && break
  sleep 0.2
done
rm -f "$antes"
if [[ -z "$novo" ]]; then
  echo "A fila $fila não gravou PDF nenhum em $saida" >&2
  lpstat -W completed -o "$fila" >&2 || true
  exit 1
fi

echo "PDF gravado pela fila $fila: $novo"
if command -v pdfinfo >/dev/null; then
  pdfinfo "$novo" | grep -E "^(Creator|Producer|Pages|Page size):"
fi
if command -v pdftoppm >/dev/null; then
  pdftoppm -q -r 60 -png "$novo" "$saida/pagina"
  echo "Páginas em imagem: $(ls "$saida"/pagina-*.png | tr '\n' ' ')"
fi
