#!/usr/bin/env bash
# The shared media files: backgrounds, button sheet regions, sound cues, fonts.
# Checks the shipped files, then a table of damaged copies that must be caught.
set -uo pipefail
cd "${SRC:-$(dirname "$0")/../..}"
py=/usr/bin/python3
$py -c 'import PIL, numpy' 2>/dev/null || { echo "shared media: python3-pil/python3-numpy missing" >&2; exit 77; }
check="$py tools/media/check_shared.py"

$check media || { echo "shipped shared media are broken" >&2; exit 1; }

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
files=(tlo.jpg tlo1.png tlo2.png el.png s1.wav s2.wav s3.wav arial.ttf arialbd.ttf palab.ttf)

# name | python applied to the copy in the current directory | text the check must print
cases=(
"background size|from PIL import Image; Image.open('tlo2.png').resize((1024,767)).save('tlo2.png')|tlo2.png is 1024x767"
"jpeg named png|from PIL import Image; Image.open('tlo1.png').convert('RGB').save('tlo1.png','JPEG')|tlo1.png is JPEG"
"panel patch not flat|from PIL import Image, ImageDraw; im=Image.open('tlo.jpg'); ImageDraw.Draw(im).line((10,15,20,15),fill=(200,200,200)); im.save('tlo.jpg',quality=95)|not flat at (10,10)"
"hit mark missing|from PIL import Image; im=Image.open('el.png'); im.paste((0,0,0,0),(20,85,37,116)); im.save('el.png')|hit mark: only 0%"
"answer box shifted|from PIL import Image; im=Image.open('el.png'); b=im.crop((0,120,453,154)); im.paste((0,0,0,0),(0,120,453,154)); im.paste(b,(0,119)); im.save('el.png')|not transparent outside"
"marks swapped|from PIL import Image; im=Image.open('el.png'); h=im.crop((20,85,37,116)); m=im.crop((40,85,57,116)); im.paste(m,(20,85)); im.paste(h,(40,85)); im.save('el.png')|hit mark is not green"
"swatch dark|from PIL import Image; im=Image.open('el.png'); im.paste((40,40,40,255),(100,50,110,60)); im.save('el.png')|swatch is not light"
"stereo cue|import wave; r=wave.open('s1.wav'); d=r.readframes(r.getnframes()); r.close(); w=wave.open('s1.wav','wb'); w.setnchannels(2); w.setsampwidth(2); w.setframerate(22050); w.writeframes(d); w.close()|s1.wav is 2 ch"
"fanfare too long|import wave; r=wave.open('s3.wav'); p=r.getparams(); d=r.readframes(r.getnframes()); r.close(); w=wave.open('s3.wav','wb'); w.setparams(p); w.writeframes(d+d); w.close()|s3.wav lasts 3.0"
"click at the end|import wave; r=wave.open('s2.wav'); p=r.getparams(); d=bytearray(r.readframes(r.getnframes())); r.close(); d[-2:]=(20000).to_bytes(2,'little'); w=wave.open('s2.wav','wb'); w.setparams(p); w.writeframes(bytes(d)); w.close()|s2.wav starts or ends abruptly"
"not a wave|open('s2.wav','wb').write(b'RIFF0000junk')|s2.wav is not a readable"
"regular font as bold|import shutil; shutil.copy('arial.ttf','arialbd.ttf')|arialbd.ttf is ('Liberation Sans', 'Regular')"
"font missing|import os; os.remove('palab.ttf')|palab.ttf does not load"
)

source tests/lib/damaged_media.sh
run_damaged_cases ""
