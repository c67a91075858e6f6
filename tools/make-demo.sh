#!/usr/bin/env bash
# Lays out a fresh demo flight-simulator folder: an FS2004 Aircraft folder holding the unpacked
# installer (with tuning_res\ and trimdesk_res\), the sibling sound folder, and demo aircraft of
# every family. Model files are sparse files of the exact sizes the installer tells apart.
# Usage: tools/make-demo.sh DEMO_DIR   (prints the installer's start directory)
set -euo pipefail

demo=${1:?usage: make-demo.sh DEMO_DIR}
rm -rf "$demo"
aircraft="$demo/FS2004/Aircraft"
start="$aircraft/ZRK MD-11 panel installer"
source "$(dirname "$0")/resource-standins.sh"

sized() { # file, size in bytes (sparse)
    mkdir -p "$(dirname "$1")"
    truncate -s "$2" "$1"
}

resource_standins "$start"
standin "$aircraft/ZRK MD-11 sound/readme.txt" "the ZRK MD-11 sound package"

# config FOLDER SIM MODEL [TITLE]: one aircraft section and a [General] section, CR LF ends.
config() {
    local folder=$1 sim=$2 model=$3 title=${4:-$(basename "$1")}
    mkdir -p "$folder"
    printf '[fltsim.0]\r\ntitle=%s\r\nsim=%s\r\nmodel=%s\r\npanel=\r\nsound=\r\ntexture=\r\nui_type=MD-11\r\n\r\n[General]\r\natc_type=MCDONNELL DOUGLAS\r\natc_model=MD11\r\n\r\n[WEIGHT_AND_BALANCE]\r\nempty_weight=280000\r\n' \
        "$title" "$sim" "$model" >"$folder/aircraft.cfg"
}
panel() { # folder, panel subfolder name as the aircraft has it
    mkdir -p "$1/$2"
    printf '[Window Titles]\r\nWindow00=Main Panel\r\n' >"$1/$2/panel.cfg"
}
sound() { # folder, sound subfolder name
    mkdir -p "$1/$2"
    printf '[Sound]\r\nengine=stock\r\n' >"$1/$2/sound.cfg"
}

a="$aircraft/Corvane MD-11"
config "$a" md11 ""; sized "$a/md11.air" 10015; sized "$a/model/CV_MD11.mdl" 2500000
panel "$a" panel; sound "$a" sound

a="$aircraft/Overland MD-11"
config "$a" MD11 ""; sized "$a/MD11.air" 8756; sized "$a/model/OV_MD11.mdl" 2800000
panel "$a" Panel; sound "$a" SOUND

a="$aircraft/iFDG MD-11 PAX GE v1.0"
config "$a" MD-11 ""; sized "$a/MD-11.air" 8336; sized "$a/model/MD11PG.mdl" 4127528
panel "$a" panel; sound "$a" Sound

# Version 1.0 also by name: pw in places 6 and 7 of a model file over 4100000 bytes.
a="$aircraft/iFDG MD-11 PAX PW v1.0"
config "$a" MD-11 ""; sized "$a/MD-11.air" 8336; sized "$a/model/MD11PPW.mdl" 4200000
panel "$a" Panel; sound "$a" sound

a="$aircraft/iFDG MD-11 COMBI PW v1.5"
config "$a" MD-11 ""; sized "$a/MD-11.air" 8336; sized "$a/model/MD11CP.mdl" 3153900
panel "$a" Panel; sound "$a" SOUND

a="$aircraft/iFDG MD-11F CARGO GE unknown version"
config "$a" MD-11 ""; sized "$a/MD-11.air" 8336; sized "$a/model/MD11FG.mdl" 5000000
panel "$a" panel; sound "$a" sound

# Already installed: what a finished Install leaves, with the kept copies.
a="$aircraft/iFDG MD-11 already installed"
config "$a" MD-11 ""; sized "$a/MD-11.air" 8336; sized "$a/model/MD11PP.mdl" 3137924
cp "$a/aircraft.cfg" "$a/aircraft.cfg_ORIGINAL"
sed -i 's/^sim=MD-11\r$/sim=MD-11_zrk\r/' "$a/aircraft.cfg"
panel "$a" Panel; mv "$a/Panel/panel.cfg" "$a/Panel/Panel.cfg_ORIGINAL"
printf '[fltsim]\r\nalias=ZRK MD-11 panel\\panel.ifdg\r\n' >"$a/Panel/Panel.cfg"
standin "$a/MD-11_zrk.air" "the ZRK tuned flight dynamics (MD-11_zrk.air)"

# Refused: two aircraft sections with different flight dynamics.
a="$aircraft/Mixed MD-11 (refused)"
config "$a" MD-11 ""; sized "$a/MD-11.air" 8336; sized "$a/model/MD11PG.mdl" 4127528
printf '[fltsim.1]\r\ntitle=Mixed freighter\r\nsim=MD-11F\r\nmodel=\r\npanel=\r\nui_type=MD-11\r\n\r\n' \
    | cat - "$a/aircraft.cfg" >"$a/aircraft.tmp"
mv "$a/aircraft.tmp" "$a/aircraft.cfg"
panel "$a" panel

echo "$start"
