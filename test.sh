#!/usr/bin/env bash
# Instala o que faltar, compila e roda todos os testes.
set -euo pipefail
cd "$(dirname "$0")"
source tools/dependencias.sh
instalar_dependencias teste
compilar_quinaro
ctest --test-dir build --output-on-failure -j2
