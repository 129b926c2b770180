#!/usr/bin/env bash
# Plays one whole game of the real program (build-dev/kestrelon-memory) on a
# virtual X display and keeps a screenshot of its window with the list shown:
#   real-game.sh OUT.png [--language CODE] [--font FAMILY] [--dpi N]
#                [--scale S] [--name NAME] [--list FILE]
# --font makes FAMILY fontconfig's sans-serif (the setup installs Noto Sans,
# which is sans-serif without it, DejaVu Sans and Liberation Sans); --dpi and
# --scale set QT_FONT_DPI and QT_SCALE_FACTOR. The folder holds a list of
# twelve names in six scripts before the game, so the list shows them all, or
# the list FILE; the list after the game is kept beside OUT.png as
# OUT.highscore.txt.
# Needs xvfb, xdotool, imagemagick and python3-pil (scripts/setup.sh).
set -euo pipefail
here="$(cd "$(dirname "$0")/../.." && pwd)"
out="$(realpath -m "${1:?real-game.sh: name the screenshot file first}")"
shift
language=en font="" dpi=96 scale=1 name="Zoë Ng" list=""
while [ $# -gt 0 ]; do
    case "$1" in
    --language) language="$2" ;;
    --font) font="$2" ;;
    --dpi) dpi="$2" ;;
    --scale) scale="$2" ;;
    --name) name="$2" ;;
    --list) list="$(realpath "$2")" ;;
    *) echo "real-game.sh: unknown option $1" >&2; exit 2 ;;
    esac
    shift 2
done
rtl=""
case "$language" in ar | he | fa) rtl=--rtl ;; esac
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
printf '%s\r\n' \
    "1  Łukasz Ayşe             00:01:10 09.12.2026   40" \
    "2  Маша Петрова            00:01:20 09.12.2026   44" \
    "3  さくら                     00:01:30 09.12.2026   48" \
    "4  민준                      00:01:40 09.12.2026   52" \
    "5  محمد                    00:01:50 09.12.2026   56" \
    "6  Ann                     00:02:00 09.12.2026   60" \
    "7  Bo                      00:02:10 09.12.2026  195" \
    "8  Cy                      00:02:20 09.12.2026  197" \
    "9  Dee                     00:02:30 09.12.2026  199" \
    "10 Eve                     00:02:40 09.12.2026  200" \
    "11 Flo                     00:02:50 09.12.2026  201" \
    "12 Gus                     00:03:00 09.12.2026  202" >"$work/highscore.txt"
if [ -n "$list" ]; then
    cp "$list" "$work/highscore.txt"
fi
fonts=()
if [ -n "$font" ]; then
    cat >"$work/fonts.conf" <<CONF
<?xml version="1.0"?>
<!DOCTYPE fontconfig SYSTEM "fonts.dtd">
<fontconfig>
  <include ignore_missing="yes">/etc/fonts/fonts.conf</include>
  <alias binding="strong"><family>sans-serif</family><prefer><family>$font</family></prefer></alias>
</fontconfig>
CONF
    fonts=(FONTCONFIG_FILE="$work/fonts.conf")
fi
unset QT_QPA_PLATFORM
cat >"$work/play.sh" <<'PLAY'
#!/usr/bin/env bash
# Under xvfb-run: the game in the background, the player in front.
"$@" &
game=$!
/usr/bin/python3 "$PLAYER" "$NAME" "$OUT" "$SCALE" $RTL
geometry="$(xdotool search --name "Kestrelon Memory" getwindowgeometry | awk '/Geometry/ {print $2}')"
convert "$OUT" -crop "$geometry+0+0" +repage "$OUT"
kill "$game"
PLAY
cd "$work"
# Qt scales the whole window with the font's dots per inch.
pixels="$(awk -v s="$scale" -v d="$dpi" 'BEGIN { print s * d / 96 }')"
PLAYER="$here/tools/screenshots/play-real-game.py" NAME="$name" OUT="$out" SCALE="$pixels" RTL="$rtl" \
    xvfb-run -a -s "-screen 0 2600x2000x24" bash "$work/play.sh" \
    env "${fonts[@]}" QT_FONT_DPI="$dpi" QT_SCALE_FACTOR="$scale" LANGUAGE="$language" \
    QT_QPA_PLATFORM=xcb QT_LOGGING_RULES="qt.multimedia*=false" "$here/build-dev/kestrelon-memory"
cp "$work/highscore.txt" "${out%.png}.highscore.txt"
