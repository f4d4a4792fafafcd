#!/usr/bin/env bash
# The desktop entry and the AppStream metainfo must pass the freedesktop validators.
set -euo pipefail
packaging=$1
desktop-file-validate "$packaging/de.parvento.Parvento.desktop"
appstreamcli validate --no-net --pedantic "$packaging/de.parvento.Parvento.metainfo.xml"
