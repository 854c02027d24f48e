#!/usr/bin/env bash
# Instala (apt-get) os pacotes Debian que faltam para compilar, rodar e testar o Quinaro.
# Uso: source tools/dependencias.sh; instalar_dependencias [teste|pacote]
set -euo pipefail

QUINARO_PACOTES=(
  g++ cmake ninja-build pkg-config ccache
  coinor-libcbc-dev
  qt6-base-dev qt6-httpserver-dev qt6-websockets-dev libgl-dev
  libgtest-dev libgmock-dev googletest libbenchmark-dev
  fonts-dejavu-core xdg-utils
  qt6-translations-l10n
  # "https://" na atualização: o plugin TLS do Qt (openssl, em libqt6network6, que já puxa
  # o libssl3) confere o servidor com as autoridades certificadoras do sistema.
  libqt6network6 ca-certificates
)
# Só para os testes: o navegador que abre os relatórios, o pdftoppm que lê as páginas impressas
# e o proxy HTTP da atualização.
QUINARO_PACOTES_TESTE=(chromium poppler-utils tinyproxy)
# Carga do serviço de resultados (ab) e o terminador TLS na frente dele, com os
# certificados de teste feitos pelo openssl na hora.
QUINARO_PACOTES_TESTE+=(apache2-utils stunnel4 openssl)
# Teste da instalação: validar a entrada do menu e achar o tipo dos arquivos ".vrt".
QUINARO_PACOTES_TESTE+=(desktop-file-utils shared-mime-info libglib2.0-bin)
# Só para tools/pacote-deb.sh: o CPack usa file e dpkg-shlibdeps; o lintian inspeciona.
QUINARO_PACOTES_PACOTE=(dpkg-dev file lintian)

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
  elif [[ "${1:-}" == pacote ]]; then
    lista+=("${QUINARO_PACOTES_PACOTE[@]}")
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
  # O ccache guarda os objetos pelo caminho relativo: cópias do projeto em outras pastas aproveitam.
  local lancador=()
  if command -v ccache >/dev/null; then
    export CCACHE_BASEDIR=${CCACHE_BASEDIR:-$PWD} CCACHE_NOHASHDIR=1
    lancador=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
  fi
  cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "${lancador[@]}" >/dev/null
  cmake --build build
}
