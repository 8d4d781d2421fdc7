#!/usr/bin/env bash
# Fills $VELMORA_CACHE/sound-references/SUBJECT/ with real recordings of the sounds' subjects from
# Debian's free game data packages, each NAME.ogg beside NAME.source (package and path). They are
# measured against, never shipped: `velmora-soundcompare references` turns them into the figures
# kept in tools/soundgen/reference-figures.txt. Not part of the test command: it downloads 1.5 GB.
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

DEST="$VELMORA_CACHE/sound-references"
DEBS="$DEST/debs"
mkdir -p "$DEBS"

# subject, package, path inside the package (a path after "public.zip:" is inside that archive),
# and where only part of a recording holds the subject alone, "from A to B s"
REFERENCES=(
  "thunder 0ad-data public.zip:audio/ambient/weather/thunder_10.ogg"
  "thunder 0ad-data public.zip:audio/ambient/weather/thunder_11.ogg"
  "rain 0ad-data public.zip:audio/ambient/weather/rain_11.ogg"
  "rain 0ad-data public.zip:audio/ambient/weather/rain_12.ogg"
  "howling-wind 0ad-data public.zip:audio/ambient/weather/wind_11.ogg"
  "howling-wind 0ad-data public.zip:audio/ambient/weather/windstorm_11.ogg"
  "howling-wind 0ad-data public.zip:audio/ambient/weather/windgust_11.ogg"
  "leafy-wind 0ad-data public.zip:audio/ambient/weather/windleaves_10.ogg"
  "leafy-wind 0ad-data public.zip:audio/ambient/weather/windleaves_11.ogg"
  "brook 0ad-data public.zip:audio/ambient/water/river_slow_21.ogg"
  "brook 0ad-data public.zip:audio/ambient/water/river_med_21.ogg"
  "brook minetest-data usr/share/games/minetest/games/minetest_game/mods/env_sounds/sounds/env_sounds_water.1.ogg"
  "brook minetest-data usr/share/games/minetest/games/minetest_game/mods/env_sounds/sounds/env_sounds_water.2.ogg"
  "brook minetest-data usr/share/games/minetest/games/minetest_game/mods/env_sounds/sounds/env_sounds_water.3.ogg"
  "brook minetest-data usr/share/games/minetest/games/minetest_game/mods/env_sounds/sounds/env_sounds_water.4.ogg"
  # Before 3.4 s a toad trills and another insect holds a tone at 1.3 kHz over the crickets.
  "crickets wesnoth-1.16-data usr/share/games/wesnoth/1.16/data/core/sounds/ambient/night.ogg from 3.4 to 5.7 s"
  "fire wesnoth-1.16-data usr/share/games/wesnoth/1.16/data/core/sounds/ambient/campfire.ogg"
  "fire minetest-data usr/share/games/minetest/games/minetest_game/mods/fire/sounds/fire_fire.1.ogg"
  "fire minetest-data usr/share/games/minetest/games/minetest_game/mods/fire/sounds/fire_fire.2.ogg"
  "fire minetest-data usr/share/games/minetest/games/minetest_game/mods/fire/sounds/fire_fire.3.ogg"
  "fire minetest-data usr/share/games/minetest/games/minetest_game/mods/fire/sounds/fire_small.ogg"
  "fire minetest-data usr/share/games/minetest/games/minetest_game/mods/fire/sounds/fire_large.ogg"
)

deb_of() { compgen -G "$DEBS/${1}_*.deb" | head -n1; }

fetch_packages() {
  local pkg missing=()
  for pkg in 0ad-data minetest-data wesnoth-1.16-data; do
    [[ -n $(deb_of "$pkg") ]] || missing+=("$pkg")
  done
  ((${#missing[@]} == 0)) && return
  say "downloading ${missing[*]} (about 1.5 GB)"
  (cd "$DEBS" && apt-get download "${missing[@]}")
}

# Writes the file at PATH in PACKAGE to standard output.
package_file() {
  local package=$1 path=$2 deb
  deb=$(deb_of "$package")
  if [[ $path == public.zip:* ]]; then
    if [[ ! -f $DEBS/public.zip ]]; then
      dpkg-deb --fsys-tarfile "$deb" | tar -xO ./usr/share/games/0ad/mods/public/public.zip >"$DEBS/public.zip.partial"
      mv "$DEBS/public.zip.partial" "$DEBS/public.zip"
    fi
    python3 -c 'import sys, zipfile; sys.stdout.buffer.write(zipfile.ZipFile(sys.argv[1]).read(sys.argv[2]))' \
      "$DEBS/public.zip" "${path#public.zip:}"
  else
    dpkg-deb --fsys-tarfile "$deb" | tar -xO "./$path"
  fi
}

fetch_packages
for entry in "${REFERENCES[@]}"; do
  read -r subject package path excerpt <<<"$entry"
  name=$(basename "$path" .ogg)
  out="$DEST/$subject/$name.ogg"
  if [[ ! -f $out ]]; then
    mkdir -p "$DEST/$subject"
    package_file "$package" "$path" >"$out.partial"
    mv "$out.partial" "$out"
  fi
  version=$(dpkg-deb -f "$(deb_of "$package")" Version)
  echo "$package $version $path${excerpt:+ $excerpt}" >"$DEST/$subject/$name.source"
done
say "recordings in $DEST"
