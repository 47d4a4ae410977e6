#!/bin/sh
# Strips an installed executable for the package as Debian's own tools do:
# no symbols, and no compiler version notes (.comment), which nobody reads.
exec strip --remove-section=.comment --remove-section=.note --strip-unneeded "$@"
