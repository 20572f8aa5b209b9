#!/usr/bin/env bash
# The main job: install what the build needs, build the Release plug-ins, install the VST3 into
# ~/.vst3 and the LV2 into ~/.lv2, and start the standalone app.
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${NUBO_BUILD_DIR:-$root/build}"

bash "$root/scripts/install-deps.sh"

export CCACHE_BASEDIR="$root"
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release
cmake --build "$build" --target NuboChord2_All -j "$(nproc)"

# Install for the user who asked (the sudo caller when run through sudo).
target_user="${SUDO_USER:-$(id -un)}"
target_home="$(getent passwd "$target_user" | cut -d: -f6)"
artefacts="$build/source/NuboChord2_artefacts/Release"

mkdir -p "$target_home/.vst3" "$target_home/.lv2"
rm -rf "$target_home/.vst3/nuboChord 2.vst3" "$target_home/.lv2/nuboChord 2.lv2"
cp -R "$artefacts/VST3/nuboChord 2.vst3" "$target_home/.vst3/"
cp -R "$artefacts/LV2/nuboChord 2.lv2" "$target_home/.lv2/"
if [ "$target_user" != "$(id -un)" ]; then
    chown -R "$target_user" "$target_home/.vst3/nuboChord 2.vst3" "$target_home/.lv2/nuboChord 2.lv2"
fi

standalone="$artefacts/Standalone/nuboChord 2"
echo "Installed:"
echo "  VST3: $target_home/.vst3/nuboChord 2.vst3"
echo "  LV2:  $target_home/.lv2/nuboChord 2.lv2"
echo "  Standalone app: $standalone"

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo
    echo "No display is available (DISPLAY is not set), so the standalone app was not started."
    echo "Start it later from a desktop session with:"
    echo "  \"$standalone\""
    exit 0
fi

echo "Starting the standalone app ..."
exec "$standalone"
