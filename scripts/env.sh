# Shared settings of the build and run scripts (sourced, not run).
ZOREL_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
ZOREL_BUILD=${ZOREL_BUILD_DIR:-$ZOREL_ROOT/build}
export WINEPREFIX=${WINEPREFIX:-$ZOREL_BUILD/wineprefix}
export WINEDEBUG=${WINEDEBUG:--all}
# No Mono or Gecko installer dialogs while the prefix is made.
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}
export WINEARCH=win64

zorel_build() {
  "$ZOREL_ROOT/scripts/setup"
  cmake -S "$ZOREL_ROOT" -B "$ZOREL_BUILD" -DCMAKE_TOOLCHAIN_FILE="$ZOREL_ROOT/cmake/mingw-w64.cmake" >/dev/null
  # Progress lines are dropped; warnings and errors are shown.
  local status=0
  cmake --build "$ZOREL_BUILD" -j "$(nproc)" -- --no-print-directory >"$ZOREL_BUILD/build.log" 2>&1 || status=$?
  grep -vE '^\[ *[0-9]+%\]|^Consolidate compiler generated' "$ZOREL_BUILD/build.log" || true
  return $status
}

zorel_wine_prefix() {
  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    echo "Preparing a private Wine prefix in $WINEPREFIX ..."
    mkdir -p "$WINEPREFIX"
    wineboot -i >/dev/null 2>&1 || true
    wineserver -w
  fi
  # Debian's Wine does not find the fonts of the fonts-wine package by itself
  # (Tahoma, the notes' default face, and Marlett, which draws check marks and
  # scroll arrows): a copy in the prefix's font folder is found.
  local fonts="$WINEPREFIX/drive_c/windows/Fonts"
  if [ -d /usr/share/wine/fonts ] && [ ! -f "$fonts/tahoma.ttf" ]; then
    mkdir -p "$fonts"
    cp -n /usr/share/wine/fonts/*.ttf "$fonts/"
  fi
  if [ ! -f "$WINEPREFIX/.zorel-configured-2" ]; then
    # With no window manager on the virtual screen, Wine waits about two
    # seconds on every hide of a managed window; unmanaged windows hide at once.
    wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
    # Tahoma, the dialogs' face, has no Korean letters: as on Windows, they
    # come from the Korean face it is linked to (Gulim), which Wine finds
    # among the system's fonts only under a name it knows, so Nanum Gothic
    # (fonts-nanum) stands in for it. Without it, Korean texts in dialogs
    # are drawn as boxes.
    wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v Gulim /d NanumGothic /f >/dev/null 2>&1
    wineserver -w
    touch "$WINEPREFIX/.zorel-configured-2"
  fi
}
