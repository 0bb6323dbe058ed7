#!/usr/bin/env bash
# Makes the README's screenshots of the main pages: the real program under a virtual X
# server, on the shipped history, one picture per page into docs/screenshots/.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/deps.sh
ssq_install_missing "${SSQ_PACKAGES[@]}" xvfb xauth
ssq_configure_and_build build
export QTWEBENGINE_DISABLE_SANDBOX=1
out=docs/screenshots
mkdir -p "$out"
# The web page is left out: the support site's page depends on the network.
for panel in data grid0 grid1 grid12 scale result prizes backtest rcm-single sql; do
  xvfb-run -a -s "-screen 0 1280x800x24" build/bin/guibench_screenshot "$out/$panel.png" "" "$panel"
  echo "$out/$panel.png"
done
