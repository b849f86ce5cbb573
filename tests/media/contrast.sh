#!/usr/bin/env bash
# Every fixed text the game draws over the shared pictures keeps a contrast
# ratio of at least 3:1 against what lies under it. Checks the shipped media,
# then a table of damaged copies whose unreadable text must be named.
set -uo pipefail
cd "${SRC:-$(dirname "$0")/../..}"
py=/usr/bin/python3
$py -c 'import PIL, numpy' 2>/dev/null || { echo "contrast: python3-pil/python3-numpy missing" >&2; exit 77; }
check="$py tools/media/contrast.py"

$check media >/dev/null || { $check media | grep -F '<'; echo "shipped media have unreadable texts" >&2; exit 1; }

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
files=(tlo.jpg tlo1.png tlo2.png el.png arial.ttf arialbd.ttf palab.ttf)

# name | python applied to the copy in the current directory | text the check must name
cases=(
"opaque white panel swatch|from PIL import Image; im=Image.open('el.png'); im.paste((255,255,255,255),(100,50,110,60)); im.save('el.png')|test1 / stage misses"
"no light plate under the quiz count|from PIL import Image; im=Image.open('tlo.jpg'); im.paste((10,20,40),(770,240,930,300)); im.save('tlo.jpg',quality=95)|quiz / questions left"
"no plate under the F11 hint|from PIL import Image; im=Image.open('tlo2.png'); im.paste((10,20,40),(350,40,680,90)); im.save('tlo2.png')|menu / F11 hint"
"light menu item face|from PIL import Image; im=Image.open('el.png'); im.paste((230,230,230,255),(10,5,190,36)); im.save('el.png')|menu / menu item NAUKA"
"light menu button|from PIL import Image; im=Image.open('el.png'); im.paste((230,230,230,255),(5,53,75,77)); im.save('el.png')|info / menu button"
"light answer box|from PIL import Image; im=Image.open('el.png'); im.paste((210,210,170,255),(20,123,433,151)); im.save('el.png')|quiz / answer 1"
"bright sky under the titles|from PIL import Image; im=Image.open('tlo.jpg'); im.paste((40,70,110),(0,0,1024,95)); im.save('tlo.jpg',quality=95)|learn3 / continent title"
"dark legend plate|from PIL import Image; im=Image.open('tlo.jpg'); im.paste((10,20,40),(30,695,220,740)); im.save('tlo.jpg',quality=95)|test1 / Wynik testu >>"
"light info background|from PIL import Image; im=Image.open('tlo1.png'); im.paste((150,150,150),(250,170,780,600)); im.save('tlo1.png')|info / info line y530"
"light panel piece of tlo|from PIL import Image; im=Image.open('tlo.jpg'); im.paste((255,255,255),(0,0,40,40)); im.save('tlo.jpg',quality=95)|results / results heading"
)

source tests/lib/damaged_media.sh
run_damaged_cases "FAIL: "
