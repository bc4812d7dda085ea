#!/usr/bin/env bash
# The game on a screen of 144 DPI (150%): see scaled_screen.sh.
E2E_DPI=144 source "$(dirname "$0")/scaled_screen.sh"
