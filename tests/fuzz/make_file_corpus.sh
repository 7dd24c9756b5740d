#!/bin/sh
# Writes the seed corpora of the text and image fuzzers into corpus/string and
# corpus/image beside this script. The PNG files are drawn by ImageMagick.
set -eu
here=$(cd "$(dirname "$0")" && pwd)
text="$here/corpus/string"
image="$here/corpus/image"
mkdir -p "$text" "$image"

printf 'plain ascii|0|12|-5|\n' > "$text/ascii"
printf '\357\273\277utf-8 with a mark \303\251\342\202\254' > "$text/utf8_mark"
printf 'caf\303\251 \342\230\203 \316\273' > "$text/utf8_multibyte"
printf '\377\376h\000i\000\254\040' > "$text/utf16le_mark"
printf '\376\377\000h\000i\040' > "$text/utf16be_mark_odd_length"
printf 'caf\351 cr\350me' > "$text/latin1"
printf 'cut \342\202' > "$text/utf8_cut_sequence"
printf '\357\273\277\377 after a mark' > "$text/utf8_mark_then_invalid"
printf '\355\240\200\355\260\200' > "$text/utf8_surrogates"

# An 8 x 8 gradient in grey or colour; in the types with alpha its left half is see-through
# (half transparent, or wholly in the palette image).
grey() { convert -size 8x8 gradient:white-black -strip "$@"; }
colour() { convert -size 8x8 gradient:red-blue -strip "$@"; }
see_through="-alpha set -channel A -fx i>3?1:0.5 +channel"
png() { echo "-define png:color-type=$1 -define png:bit-depth=$2"; }
grey $(png 0 1) "$image/grey1.png"
grey $(png 0 4) "$image/grey4.png"
grey $(png 0 8) "$image/grey8.png"
grey $(png 0 16) "$image/grey16.png"
grey $see_through $(png 4 8) "$image/grey_alpha8.png"
colour $(png 2 8) "$image/rgb8.png"
colour $(png 2 16) "$image/rgb16.png"
colour $see_through $(png 6 8) "$image/rgba8.png"
colour $see_through $(png 6 16) "$image/rgba16.png"
colour $see_through $(png 6 8) -interlace PNG "$image/rgba8_interlaced.png"
colour -colors 6 -alpha set -channel A -fx 'i>3?1:0' +channel "PNG8:$image/palette_transparent.png"
echo "wrote $(ls "$text" | wc -l) text and $(ls "$image" | wc -l) image seeds"
