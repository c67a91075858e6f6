# Stand-ins for the files that the product itself supplies beside the installer, each a line that
# says what it stands for. Sourced by make-demo.sh and make-dist.sh.

standin() { # file, what it stands for
    mkdir -p "$(dirname "$1")"
    printf 'Stand-in for %s: the product puts the real file here before it ships.\r\n' "$2" >"$1"
}

# tuning_res/ and trimdesk_res/ in the given folder, under the names the installer reads.
resource_standins() { # start directory
    standin "$1/tuning_res/MD-11_zrk.air" "the ZRK tuned flight dynamics (MD-11_zrk.air)"
    standin "$1/tuning_res/sound.cfg" "the ZRK engine sound configuration"
    standin "$1/trimdesk_res/Trimdesk.exe" "the ZRK Trimdesk load editor"
    local layout
    for layout in PAX-3C PAX-2C PAX-1C CBI-2C CBI-1C CARGO; do
        standin "$1/trimdesk_res/Trimdesk-$layout.ini" "the Trimdesk settings of layout $layout"
        standin "$1/trimdesk_res/TD-MD11-$layout.ini" "the load sheet of layout $layout"
        standin "$1/trimdesk_res/TD-MD11-$layout.bmp" "the cabin picture of layout $layout"
    done
}
