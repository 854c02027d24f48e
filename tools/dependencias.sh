#!/usr/bin/env bash
# Instala (apt-get) os pacotes Debian que faltam para compilar, rodar e testar o Quinaro.
# Uso: source tools/dependencias.sh; instalar_dependencias [teste]
set -euo pipefail

QUINARO_PACOTES=(
  g++ cmake ninja-build pkg-config
  qt6-base-dev qt6-httpserver-dev qt6-websockets-dev libgl-dev
  libgtest-dev libgmock-dev googletest libbenchmark-dev
  fonts-dejavu-core xdg-utils
)
# Só para os testes: o navegador que abre os relatórios, o pdftoppm que lê as páginas impressas
# e o proxy HTTP da atualização.
QUINARO_PACOTES_TESTE=(chromium poppler-utils tinyproxy)

pacotes_faltando() {
  local faltando=() p
  for p in "$@"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
      faltando+=("$p")
    fi
  done
  echo "${faltando[@]:-}"
}

instalar_dependencias() {
  local lista=("${QUINARO_PACOTES[@]}")
  if [[ "${1:-}" == teste ]]; then
    lista+=("${QUINARO_PACOTES_TESTE[@]}")
  fi
  local faltando
  faltando=$(pacotes_faltando "${lista[@]}")
  [[ -z "$faltando" ]] && return 0

  local sudo=()
  if [[ $(id -u) -ne 0 ]]; then
    sudo=(sudo)
  fi
  echo "Instalando pacotes que faltam: $faltando"
  "${sudo[@]}" apt-get update -qq
  # shellcheck disable=SC2086
  DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends $faltando
}

compilar_quinaro() {
  cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
  cmake --build build
}
