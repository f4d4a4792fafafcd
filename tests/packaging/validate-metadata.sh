#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Parvento-Entwickler
# SPDX-License-Identifier: MIT
# The desktop entry and the AppStream metainfo must pass the freedesktop
# validators, and the manual page must render without a groff warning.
set -euo pipefail
packaging=$1
desktop-file-validate "$packaging/de.parvento.Parvento.desktop"
appstreamcli validate --no-net --pedantic "$packaging/de.parvento.Parvento.metainfo.xml"
warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l -Tutf8 -Z "$packaging/parvento.1.in" 2>&1 >/dev/null)
[ -z "$warnings" ] || { echo "$warnings"; exit 1; }
