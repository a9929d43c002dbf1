# Writes the settings file of ten clocks (the pseudo-clocks and three zones) that the program
# benchmarks run with. Usage: . bench/ten_clocks.sh; write_ten_clocks "$XDG_CONFIG_HOME"
write_ten_clocks() {
  mkdir -p "$1/Horavia"
  {
    echo "[Settings]"
    echo 'SVersion="2"'
    echo 'SZoneNum="10"'
    local n=0 clock
    for clock in "Zulu|0" "Julian|2" "Stardate|4" "People|5" "Mars|6" "Unix|7" "Swatch|8" \
                 "Berlin|W. Europe Standard Time" "New York|Eastern Standard Time" \
                 "Tokyo|Tokyo Standard Time"; do
      echo "S${n}Dis=\"${clock%%|*}\""
      echo "S${n}Zon=\"${clock#*|}\""
      echo "S${n}Ena=\"True\""
      n=$((n + 1))
    done
  } >"$1/Horavia/Horavia 2.0.ini"
}
