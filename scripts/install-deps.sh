#!/usr/bin/env bash
# Installs the Debian packages needed to build, test and run Tracelle.
# Idempotent: prints nothing and installs nothing when every package is present.
set -euo pipefail

packages=(
  g++ cmake make pkg-config clang-format
  qt6-base-dev qt6-svg-dev qt6-image-formats-plugins qt6-translations-l10n libgl-dev
  # The English catalogues: lupdate gathers the texts, lrelease compiles them.
  qt6-l10n-tools
  libjpeg-dev libtiff-dev libgeotiff-dev libgif-dev libpng-dev zlib1g-dev libwebp-dev
  # PNG image data inflated faster than zlib does.
  libisal-dev
  python3-xlwt
  libfreexl-dev libzip-dev libexpat1-dev libemf2svg-dev libwmf-dev libpoppler-qt6-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  # Exports for GIS and CAD: coordinate systems, shapefiles, DXF.
  libproj-dev libshp-dev libdxflib-dev
  # The georeferenced picture as a GeoTIFF.
  libgdal-dev
  # Their tests: ogrinfo opens every exported file; GeoJSON read back.
  gdal-bin nlohmann-json3-dev
  # tiffinfo checks the TIFF files the tests write.
  libtiff-tools
  fonts-dejavu-core
  # Checks of the installed desktop entry, AppStream metadata, MIME type and manual pages.
  desktop-file-utils appstream libxml2-utils shared-mime-info libglib2.0-bin man-db
)
# The Debian package: dpkg-shlibdeps finds its dependencies, lintian checks it.
if [[ ${1:-} == --package ]]; then
  packages+=(dpkg-dev file lintian)
fi
# The fuzzers: clang with libFuzzer and the sanitizers' runtimes.
if [[ ${1:-} == --fuzz ]]; then
  packages+=(clang libclang-rt-14-dev)
fi
# The opening benchmark also runs the decoders' own tools and another digitizer beside ours.
if [[ ${1:-} == --bench ]]; then
  packages+=(xvfb xdotool bc libjpeg-turbo-progs netpbm g3data webp)
fi

missing=()
for p in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)
  [[ "$status" == "install ok installed" ]] || missing+=("$p")
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

echo "Installation des paquets manquants : ${missing[*]}"
sudo=""
[[ $(id -u) -ne 0 ]] && sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
