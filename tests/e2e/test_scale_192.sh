#!/usr/bin/env bash
# The game on a screen of 192 DPI (200%): see scaled_screen.sh.
E2E_DPI=192 source "$(dirname "$0")/scaled_screen.sh"
