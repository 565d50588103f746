#!/usr/bin/env bash
# A report as a student hands it in, to be looked at as pictures: a session with presses on
# every page (one failing) written by strs-replay as PDF and as ODT; the PDF's pages drawn by
# pdftoppm, the ODT converted by LibreOffice (as a student's Word or LibreOffice opens it)
# and its pages drawn likewise. Leaves OUT/report.pdf, OUT/report.odt,
# OUT/report-pdf-N.png and OUT/report-odt-N.png.
#   tests/e2e/report.sh STRS_REPLAY OUT
set -euo pipefail
replay=$1 out=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$out"
rm -f "$out"/report*
QT_QPA_PLATFORM=offscreen "$replay" <<SCRIPT
locale ru_RU
select CB1 2
set E11 2,25
press BB1
page 2
radio RG2 1
press BitBtn1
page 3
press BB3
page 4
radio RG4 1
press BitBtn2
set E42 -1
press BitBtn2
report "$out/report.pdf"
report "$out/report.odt"
SCRIPT
pdftoppm -r 50 -png "$out/report.pdf" "$out/report-pdf"
HOME="$work" timeout 180 libreoffice --headless --convert-to pdf --outdir "$work" "$out/report.odt" >/dev/null 2>&1
pdftoppm -r 50 -png "$work/report.pdf" "$out/report-odt"
pdf_pages=$(pdfinfo "$out/report.pdf" | sed -n 's/^Pages: *//p')
odt_pages=$(pdfinfo "$work/report.pdf" | sed -n 's/^Pages: *//p')
[ "$pdf_pages" -ge 5 ] && [ "$odt_pages" -ge 5 ] \
  || { echo "report: $pdf_pages PDF pages, $odt_pages ODT pages; a title, four labs and the record make more" >&2; exit 1; }
echo "report: $pdf_pages pages as PDF, $odt_pages as ODT; pictures in $out/report-{pdf,odt}-*.png"
