# Shared settings of the project's scripts; sourced, not run.
KV_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
KV_BUILD=${KV_BUILD:-$KV_ROOT/build}
export WINEPREFIX=${WINEPREFIX:-$KV_BUILD/wineprefix}
export WINEDEBUG=${WINEDEBUG:--all}
# No Mono or Gecko installers: the module needs neither.
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}

# Wine with a German Windows locale, ANSI code page 1252 and OEM code page 850, on
# every machine (Wine takes it from the variable; the Linux locale need not exist).
kv_wine() { env LC_ALL=de_DE.UTF-8 wine "$@"; }

# Starts one wineserver and the prefix's services for a run of several programs. The
# services outlive the program that starts them, so they are started here, detached
# from any output pipe a test runner waits on.
kv_wine_start() {
  wineserver -p 2>/dev/null || true # already running (exit code 2): that one serves the run
  kv_wine cmd /c exit </dev/null >/dev/null 2>&1
}

# Makes the Wine prefix $WINEPREFIX once, with the given marker file and graphics driver.
# A prefix made before 32-bit Wine was installed starts nothing afterwards (kernel32.dll
# cannot be loaded): such a prefix is made afresh.
kv_make_prefix() { # marker driver
  if [ -f "$WINEPREFIX/$1" ] && [ ! -d "$WINEPREFIX/drive_c/windows/syswow64" ] &&
     dpkg-query -W -f='${Status}' wine32:i386 2>/dev/null | grep -q "install ok installed"; then
    echo "setup: the Wine prefix $WINEPREFIX lacks 32-bit support; making it afresh"
    wineserver -k 2>/dev/null || true
    rm -rf "$WINEPREFIX"
  fi
  [ -f "$WINEPREFIX/$1" ] && return 0
  echo "setup: creating Wine prefix $WINEPREFIX"
  mkdir -p "$WINEPREFIX"
  env LC_ALL=de_DE.UTF-8 wineboot -i >/dev/null 2>&1
  kv_wine reg add 'HKCU\Software\Wine\Drivers' /v Graphics /d "$2" /f >/dev/null 2>&1
  wineserver -w
  touch "$WINEPREFIX/$1"
}

# The prefix that draws on X11 (the screenshots, the demo): created once, inside a running
# X server; the test prefix keeps the null driver.
kv_x11_prefix() {
  export WINEPREFIX="$KV_BUILD/wineprefix-x11"
  kv_make_prefix .kesvar-x11-ready x11
}
