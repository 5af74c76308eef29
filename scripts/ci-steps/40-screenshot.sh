#!/usr/bin/env bash
# The console must come up logged in to the stand-in server and render its main window;
# then every screen the screenshot program names is saved as <build>/screenshots/NAME.png.
# One more try for a picture that did not come: a loaded machine can make the login time out.
set -uo pipefail
build=$(realpath -m "${KY_BUILD_DIR:-build}")
shot() {
    bash scripts/screenshot "$@" && return 0
    echo "40-screenshot: trying ${1##*/} once more" >&2
    bash scripts/screenshot "$@"
}
# The demo's log database, started once for all pictures and before the first
# one: a demo leaves a running one running (one it started it stops on its way out).
KY_BUILD_DIR="$build/demo" bash scripts/mariadb-start >/dev/null ||
    echo "40-screenshot: no log database; the log pages stay empty" >&2
trap 'KY_BUILD_DIR="$build/demo" bash scripts/mariadb-start --stop' EXIT
shot "$build/screenshot.png" || exit 1
mkdir -p "$build/screenshots"
failed=()
for name in $("$build/app/ky-screenshot" -list); do
    shot "$name" "$build/screenshots/$name.png" || failed+=("$name")
done
if [ ${#failed[@]} -gt 0 ]; then
    echo "40-screenshot: no picture of ${failed[*]}" >&2
    exit 1
fi
echo "40-screenshot: $(ls "$build/screenshots" | wc -l) pictures in $build/screenshots"
