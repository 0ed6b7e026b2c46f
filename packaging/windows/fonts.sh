# Sourced by the Windows build and its layout tests: the fonts the program
# carries in a `fonts` folder beside kalvane.exe and loads itself on Windows
# (ui/look.cpp), the Noto the layouts are measured with on Linux.
#   copy_carried_fonts DIR   puts them in DIR/fonts
carried_fonts_dir=/usr/share/fonts/truetype/noto
carried_fonts=(NotoSans-Regular.ttf NotoSans-Bold.ttf NotoSansArabicUI-Regular.ttf
  NotoSansArabicUI-Bold.ttf)

copy_carried_fonts() {
  mkdir -p "$1/fonts"
  local font
  for font in "${carried_fonts[@]}"; do cp "$carried_fonts_dir/$font" "$1/fonts/"; done
}
