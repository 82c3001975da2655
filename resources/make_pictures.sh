#!/bin/sh
# Regenerates every picture in this directory with ImageMagick `convert`.
# Usage: sh resources/make_pictures.sh   (from anywhere)
set -eu
cd "$(dirname "$0")"

FONT=DejaVu-Sans
FONTB=DejaVu-Sans-Bold
STRIP="-depth 8 -strip -define png:exclude-chunks=date,time"

# ---------------------------------------------------------------- splash.png
# 256 x 108, dark-blue gradient, headset motif on the left, name + subtitle.
# Drawn at 4x and scaled down for smooth edges.
convert -size 432x1024 gradient:'#1c3f7a'-'#081427' -rotate -90 \
  \( -size 1024x432 radial-gradient:'#2f6cc0'-none -alpha set -channel A -evaluate multiply 0.55 +channel \) \
  -gravity west -geometry -260+0 -composite \
  -fill none -stroke '#9fd0ff' -strokewidth 14 \
  -draw "roundrectangle 56,140 344,292 56,56" \
  -stroke '#5ea8f0' -strokewidth 12 \
  -draw "line 56,216 28,216" -draw "line 344,216 372,216" \
  -draw "arc 64,40 336,300 200,340" \
  -stroke none -fill '#0b1a33' \
  -draw "roundrectangle 63,147 337,285 50,50" \
  -fill '#3f8be0' -draw "ellipse 140,216 52,46 0,360" -draw "ellipse 260,216 52,46 0,360" \
  -fill '#bfe3ff' -draw "ellipse 124,200 16,12 0,360" -draw "ellipse 244,200 16,12 0,360" \
  -fill '#0b1a33' -draw "polygon 176,285 224,285 212,252 188,252" \
  -fill white -font $FONTB -pointsize 116 -gravity northwest \
  -annotate +404+96 'Tarnwick' \
  -fill '#9fc8f5' -font $FONT -pointsize 50 \
  -annotate +410+262 'VR APK Installer' \
  -stroke none -fill '#5ea8f0' -draw "rectangle 410,240 980,246" \
  -resize 256x108 $STRIP splash.png

# ---------------------------------------------------------- logo_00..22.png
# 23 frames, 49 x 49, transparent background: a blue ring with a small
# headset in the middle; a bright arc and a dot orbit at angle i*360/23.
i=0
while [ $i -lt 23 ]; do
  n=$(printf '%02d' $i)
  # angle in degrees, 0 = top, clockwise; the arc spans a-40 .. a+40
  arc=$(awk -v i=$i 'BEGIN{ pi=atan2(0,-1); a=i*360/23;
      for(k=0;k<=24;k++){ t=(a-90-40+80*k/24)*pi/180;
        printf "%.2f,%.2f ", 98+78*cos(t), 98+78*sin(t) } }')
  dot=$(awk -v i=$i 'BEGIN{ pi=atan2(0,-1); t=(i*360/23-90)*pi/180;
      x=98+78*cos(t); y=98+78*sin(t); printf "%.2f,%.2f %.2f,%.2f", x, y, x, y+13 }')
  convert -size 196x196 xc:none \
    -fill none -stroke '#c9ddf5' -strokewidth 16 -draw "circle 98,98 98,20" \
    -stroke '#2f7be0' -strokewidth 16 \
    -draw "stroke-linecap round stroke-linejoin round polyline $arc" \
    -stroke none -fill '#0f3a78' \
    -draw "roundrectangle 52,76 144,124 22,22" \
    -fill '#5ea8f0' -draw "ellipse 77,100 15,13 0,360" -draw "ellipse 119,100 15,13 0,360" \
    -fill '#0f3a78' -draw "polygon 88,124 108,124 104,112 92,112" \
    -fill '#ffffff' -stroke '#2f7be0' -strokewidth 6 -draw "circle $dot" \
    -resize 49x49 $STRIP logo_$n.png
  i=$((i + 1))
done

# ------------------------------------------------------------------ gear.png
# 16 x 16 gear, drawn at 128 x 128 and scaled down.
gear=$(awk 'BEGIN{
  pi=atan2(0,-1); cx=64; cy=64; ro=62; ri=40; n=6; s="";
  for(k=0;k<n;k++){
    b=k*2*pi/n;
    split("-0.36 -0.22 0.22 0.36",o," ");
    rr[1]=ri; rr[2]=ro; rr[3]=ro; rr[4]=ri;
    for(j=1;j<=4;j++){ a=b+o[j]; s=s sprintf("%.1f,%.1f ", cx+rr[j]*cos(a), cy+rr[j]*sin(a)) }
  }
  print s }')
convert -size 128x128 xc:'#4a5563' \
  \( -size 128x128 xc:black -fill white -stroke none \
     -draw "polygon $gear" -draw "circle 64,64 64,20" \
     -fill black -draw "circle 64,64 64,46" \) \
  -alpha off -compose copy_opacity -composite \
  -resize 16x16 $STRIP gear.png

# ------------------------------------------------------ obb_install / obb_skip
convert -size 66x42 xc:'rgb(38,198,86)' -type TrueColor -depth 8 $STRIP PNG24:obb_install.png
convert -size 66x42 xc:'rgb(255,74,74)' -type TrueColor -depth 8 $STRIP PNG24:obb_skip.png

# ------------------------------------------------------------------ help.png
# 512 x 512 help sheet: three numbered panels with small diagrams.
convert -size 512x512 xc:'#f4f7fb' \
  -fill '#12325f' -draw "rectangle 0,0 512,56" \
  -fill white -font $FONTB -pointsize 24 -gravity northwest -annotate +20+14 'How to use Tarnwick' \
  \
  -fill white -stroke '#c5d3e6' -strokewidth 1 \
  -draw "roundrectangle 14,68 498,224 10,10" \
  -draw "roundrectangle 14,234 498,364 10,10" \
  -draw "roundrectangle 14,374 498,500 10,10" \
  -stroke none -fill '#2f7be0' \
  -draw "circle 40,94 40,80" -draw "circle 40,260 40,246" -draw "circle 40,400 40,386" \
  -fill white -font $FONTB -pointsize 18 \
  -annotate +34+83 '1' -annotate +34+249 '2' -annotate +34+389 '3' \
  \
  -fill '#12325f' -font $FONTB -pointsize 17 -annotate +64+84 'Right-click an APK file' \
  -annotate +64+104 'and choose Tarnwick' \
  -stroke '#7a8aa0' -strokewidth 2 -fill white -draw "polygon 70,146 104,146 116,158 116,206 70,206" \
  -fill '#dfe7f2' -draw "polygon 104,146 104,158 116,158" \
  -stroke none -fill '#26c656' -draw "roundrectangle 76,178 110,196 3,3" \
  -fill white -font $FONTB -pointsize 11 -annotate +81+180 'APK' \
  -fill '#12325f' -stroke white -strokewidth 1 -draw "polygon 120,164 120,186 125,181 129,190 133,188 129,179 136,179" \
  -fill white -stroke '#9aa8bb' -strokewidth 1 -draw "rectangle 160,136 370,216" \
  -stroke none -fill '#2f7be0' -draw "rectangle 161,163 369,189" \
  -font $FONT -pointsize 15 -fill '#444c58' -annotate +172+142 'Open' \
  -fill white -font $FONTB -annotate +172+168 'Tarnwick' \
  -fill '#444c58' -font $FONT -annotate +172+194 'Properties' \
  -fill '#12325f' -font $FONT -pointsize 14 -annotate +384+140 'The app' \
  -annotate +384+158 'opens with' -annotate +384+176 'the file.' \
  \
  -fill '#12325f' -font $FONTB -pointsize 17 -annotate +64+250 'Install: installs the APK' \
  -annotate +64+270 'and its OBB files' \
  -fill '#2f7be0' -draw "roundrectangle 70,302 170,338 8,8" \
  -fill white -font $FONTB -pointsize 16 -annotate +94+310 'Install' \
  -stroke '#12325f' -strokewidth 3 -draw "line 182,320 226,320" -stroke none \
  -fill '#12325f' -draw "polygon 226,312 240,320 226,328" \
  -fill '#26c656' -draw "roundrectangle 252,294 322,318 4,4" \
  -fill '#f0a030' -draw "roundrectangle 252,324 322,348 4,4" \
  -fill white -font $FONTB -pointsize 13 -annotate +273+298 'APK' -annotate +272+328 'OBB' \
  -stroke '#12325f' -strokewidth 3 -draw "line 334,320 372,320" -stroke none \
  -fill '#12325f' -draw "polygon 372,312 386,320 372,328" \
  -fill none -stroke '#12325f' -strokewidth 4 -draw "roundrectangle 398,302 482,338 12,12" \
  -stroke none -fill '#5ea8f0' -draw "ellipse 422,320 11,9 0,360" -draw "ellipse 458,320 11,9 0,360" \
  -fill '#12325f' -font $FONT -pointsize 12 -annotate +418+342 'headset' \
  \
  -fill '#12325f' -font $FONTB -pointsize 17 -annotate +64+390 'ADB console: type adb arguments' \
  -annotate +64+410 'and press Enter' \
  -fill '#1b2230' -draw "roundrectangle 70,440 482,490 6,6" \
  -fill '#7ee08a' -font DejaVu-Sans-Mono -pointsize 15 -annotate +82+446 'adb> devices' \
  -fill '#c9d3e0' -annotate +82+467 '0123456789ABCDEF   device' \
  -fill '#f4f7fb' -draw "rectangle 196,447 204,463" \
  $STRIP help.png

# ------------------------------------------------------------- resources.qrc
{
  echo '<!DOCTYPE RCC>'
  echo '<RCC version="1.0">'
  echo '  <qresource prefix="/">'
  for f in splash.png logo_??.png help.png gear.png obb_install.png obb_skip.png; do
    echo "    <file>$f</file>"
  done
  echo '  </qresource>'
  echo '</RCC>'
} > resources.qrc
