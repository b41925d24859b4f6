# Sourced by every script that runs Wine. Everything can be overridden from the caller's environment.
export WINE="${WINE:-/usr/lib/wine/wine64}"              # Debian's wine64 is not on PATH
export WINESERVER="${WINESERVER:-/usr/lib/wine/wineserver}"
export WINE_GRAPHICS="${WINE_GRAPHICS:-null}"          # "null" (no X server needed) or "x11" (needs DISPLAY)
# Locale and time zone seen by the Windows program: en-US, code page 1252, UTC, unless a test asks for
# another locale. Wine rewrites the user's international settings in the registry when the locale
# changes, so each locale gets a prefix of its own: processes of two locales never share one.
export LC_ALL="${TEST_LC_ALL:-C.UTF-8}" 2>/dev/null   # bash warns when the host lacks the locale
export TZ="${TEST_TZ:-UTC}"
locale_tag=""
[ "$LC_ALL" != C.UTF-8 ] && locale_tag="-${LC_ALL%%.*}"
# Always derived here, never inherited: a test that asks for another locale must not run in the prefix
# of its parent's locale.
export WINEPREFIX="${BRINDLEMARK_WINE_ROOT:-${XDG_CACHE_HOME:-$HOME/.cache}/brindlemark}/wineprefix-$WINE_GRAPHICS$locale_tag"
unset locale_tag
export WINEARCH=win64
export WINEDEBUG="${WINEDEBUG:--all}"                    # e.g. WINEDEBUG=err+all,fixme-all when debugging
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=}"   # never offer to install Mono or Gecko
[ "$WINE_GRAPHICS" = null ] && unset DISPLAY
true
