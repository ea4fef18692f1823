# Sourced by the scripts that start the program: a quiet Wine in a prefix of the project's own.
export LANG=C.UTF-8 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="

# wine_prepare_prefix DIR: creates the prefix once (no window manager: Wine draws its own frames) and
# keeps the Wine server running so that programs start quickly.
wine_prepare_prefix() {
    export WINEPREFIX=$1
    if [ ! -f "$WINEPREFIX/.prepared" ]; then
        mkdir -p "$WINEPREFIX"
        # Wine sets a new prefix up by itself; "wineboot -i" would start a second service manager.
        /usr/lib/wine/wine64 wineboot -u >/dev/null 2>&1
        /usr/lib/wine/wine64 reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
        touch "$WINEPREFIX/.prepared"
    fi
    /usr/lib/wine/wineserver64 -p 2>/dev/null || true # exits 2 when a server is already running
}
