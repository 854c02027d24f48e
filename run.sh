#!/usr/bin/env bash
# Instala o que faltar, compila e abre o Quinaro (opcionalmente com um arquivo .vrt).
set -euo pipefail
cd "$(dirname "$0")"
source tools/dependencias.sh
instalar_dependencias
compilar_quinaro
exec build/bin/quinaro "$@"
