#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Prints a report and a calendar month through a real CUPS spooler and checks what came out. The
# default queue is a PDF writer, so each job lands as a PDF in the job owner's home folder: the report
# must be exactly one page and carry ink, some of it in the labels' magenta; the month, printed from a
# reading, one page lying down, with the date of birth on its ground, the legend's grounds, and three
# lines of text over the month: its title, the Javanese months and the person. Then a second queue turns
# the jobs down (it refuses jobs; then it lets only another user print), and both windows must say that
# the page could not be printed, in English and Indonesian. Needs root: it may start cupsd and adds
# queues, and it leaves the spooler as it found it (queues removed, earlier default restored, cupsd
# stopped if it was started here), so it can run again.
set -euo pipefail

queue=WetonaraPDF
refusing=WetonaraRefuses
wait_seconds=60

if [[ $(id -u) -ne 0 ]]; then
    echo "skipped: adding a print queue needs root"
    exit 77
fi
for package in cups printer-driver-cups-pdf poppler-utils; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
        echo "skipped: package $package is not installed"
        exit 77
    fi
done
if ! command -v python3 >/dev/null; then
    echo "skipped: python3 is missing"
    exit 77
fi
tests="${WETONARA_BUILD_DIR:?set by ctest}/tests"
for program in tst_frmSave tst_CalendarWindow; do
    [[ -x $tests/$program ]] || { echo "FAIL: $tests/$program is not built"; exit 1; }
done

work=$(mktemp -d)
cupsd_pid=""
previous_default=""
pdf=""
month_pdf=""
cleanup() {
    lpadmin -x "$queue" 2>/dev/null || true
    lpadmin -x "$refusing" 2>/dev/null || true
    if [[ -n $previous_default && $previous_default != "$queue" ]]; then
        lpadmin -d "$previous_default" 2>/dev/null || true
    fi
    if [[ -n $cupsd_pid ]]; then
        kill "$cupsd_pid" 2>/dev/null || true
        wait "$cupsd_pid" 2>/dev/null || true
    fi
    [[ -n $pdf ]] && rm -f "$pdf"
    [[ -n $month_pdf ]] && rm -f "$month_pdf"
    rm -rf "$work"
}
trap cleanup EXIT

spooler_up() { lpstat -r 2>/dev/null | grep -q 'is running'; }

if ! spooler_up; then
    /usr/sbin/cupsd -f &
    cupsd_pid=$!
    for _ in $(seq 1 50); do
        spooler_up && break
        sleep 0.2
    done
    spooler_up || { echo "FAIL: cupsd did not come up"; exit 1; }
fi
previous_default=$(lpstat -d 2>/dev/null | sed -n 's/^system default destination: //p' || true)

lpadmin -p "$queue" -v cups-pdf:/ -E -P /usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd
lpadmin -d "$queue"

# cups-pdf writes under the folder named in its configuration, ${HOME} being the job owner's home
# from the password database.
home=$(getent passwd "$(id -un)" | cut -d: -f6)
out=$(sed -n 's/^[[:space:]]*Out[[:space:]]\+//p' /etc/cups/cups-pdf.conf | tail -n 1)
out=${out:-'${HOME}/PDF'}
out=${out//'${HOME}'/$home}
mkdir -p "$out"
# The pages are read as binary PPM: "P6", width, height, maximum, each followed by one blank; comments
# do not occur here.
cat >"$work/ppm.py" <<'EOF'
import sys


def read_ppm(path):
    with open(path, "rb") as f:
        data = f.read()
    fields, pos = [], 0
    while len(fields) < 4:
        while data[pos:pos + 1].isspace():
            pos += 1
        start = pos
        while not data[pos:pos + 1].isspace():
            pos += 1
        fields.append(data[start:pos])
    return int(fields[1]), int(fields[2]), data[pos + 1:]
EOF

# Runs one test function that prints on the default printer and echoes the PDF its job became.
print_with() {
    touch "$work/before"
    sleep 1  # so the job's file is strictly newer than the mark
    QT_QPA_PLATFORM=offscreen WETONARA_PRINT_ON_SYSTEM_PRINTER=1 "$tests/$1" printsOnTheSystemPrinter >"$work/run.txt" 2>&1 ||
        { cat "$work/run.txt" >&2; echo "FAIL: $1 did not print" >&2; exit 1; }
    grep -q "^PASS   : $1::printsOnTheSystemPrinter()" "$work/run.txt" ||
        { cat "$work/run.txt" >&2; echo "FAIL: the print step of $1 did not run" >&2; exit 1; }
    local found=""
    for _ in $(seq 1 $((wait_seconds * 2))); do
        if [[ -z $(lpstat -o "$queue" 2>/dev/null) ]]; then
            found=$(find "$out" -maxdepth 1 -name '*.pdf' -newer "$work/before" -print -quit)
            [[ -n $found ]] && break
        fi
        sleep 0.5
    done
    [[ -n $found ]] || { echo "FAIL: no PDF appeared in $out within ${wait_seconds} s" >&2; lpstat -o >&2; exit 1; }
    echo "$found"
}

# Checks that the PDF holds one page and renders it as $work/NAME-1.ppm. Usage: one_page PDF NAME DPI
one_page() {
    local pages
    pages=$(pdfinfo "$1" | sed -n 's/^Pages:[[:space:]]*//p')
    [[ $pages == 1 ]] || { echo "FAIL: the $2 took $pages pages, not 1"; exit 1; }
    pdftoppm -r "$3" -f 1 -l 1 "$1" "$work/$2" 2>"$work/pdftoppm.txt" ||
        { cat "$work/pdftoppm.txt"; echo "FAIL: the $2's PDF cannot be rendered"; exit 1; }
}

echo "printing on $queue; PDFs expected in $out"
month_pdf=$(print_with tst_CalendarWindow) || exit 1
echo "month written to $month_pdf"
one_page "$month_pdf" month 72
# CUPS may hand a landscape job to a portrait sheet turned a quarter. Either way the table, wider than
# tall, must lie along the sheet's long side: its longest straight line of ink (a border of the grid) runs
# down the sheet, not across it.
python3 - "$work"/month-1.ppm <<EOF
$(cat "$work/ppm.py")

width, height, pixels = read_ppm(sys.argv[1])


def inked(x, y):
    i = (y * width + x) * 3
    return min(pixels[i:i + 3]) < 200


def longest(outer, inner, at):
    best = 0
    for a in range(outer):
        run = 0
        for b in range(inner):
            run = run + 1 if at(a, b) else 0
            best = max(best, run)
    return best


across = longest(height, width, lambda y, x: inked(x, y))
down = longest(width, height, lambda x, y: inked(x, y))
print(f"month page {width}x{height}: longest line of ink {across} across, {down} down")
long_side_down = height >= width
if (down > across) != long_side_down:
    sys.exit("FAIL: the month was not printed lying down")


def near(colour, x, y):
    i = (y * width + x) * 3
    return all(abs(pixels[i + c] - colour[c]) < 12 for c in range(3))


# The grounds of the marks (the date of birth's cell and legend, the wetonan's legend), as the window has them.
birth = sum(near((255, 214, 102), x, y) for y in range(height) for x in range(width))
wetonan = sum(near((198, 239, 206), x, y) for y in range(height) for x in range(width))
print(f"month page: {birth} pixels on the birth ground, {wetonan} on the wetonan ground")
if birth < 500 or wetonan < 200:
    sys.exit("FAIL: the printed month lost its marks")

# Lines of text run along the page's long side. Before the month's table (its first border line as long
# as half the page) come the title, the Javanese months and the person: three bands of ink.
lines, along = (width, height) if long_side_down else (height, width)


def grey(line, pos):
    x, y = (line, pos) if long_side_down else (pos, line)
    i = (y * width + x) * 3
    return max(pixels[i:i + 3]) < 200


def run_along(line):
    best = run = 0
    for pos in range(along):
        run = run + 1 if grey(line, pos) else 0
        best = max(best, run)
    return best


table = next(line for line in range(lines) if run_along(line) > along // 2)
inked = [any(grey(line, pos) for pos in range(along)) for line in range(table)]
bands = sum(1 for line in range(table) if inked[line] and (line == 0 or not inked[line - 1]))
print(f"month page: {bands} lines of text over the month")
if bands != 3:
    sys.exit("FAIL: the printed month does not name the person over it")
EOF

pdf=$(print_with tst_frmSave) || exit 1
echo "job written to $pdf"

one_page "$pdf" report 100
python3 - "$work"/report-1.ppm <<EOF
$(cat "$work/ppm.py")

width, height, pixels = read_ppm(sys.argv[1])
ink = magenta = 0
for i in range(0, width * height * 3, 3):
    r, g, b = pixels[i], pixels[i + 1], pixels[i + 2]
    if r < 200 or g < 200 or b < 200:
        ink += 1
        if r > g + 40 and b > g + 40:
            magenta += 1
print(f"page {width}x{height}: {ink} inked pixels, {magenta} of them magenta")
if ink < 2000 or magenta < 200:
    sys.exit("FAIL: the printed page is blank or lost the report's formatting")
EOF
echo "the report on one page with its formatting, the month on one landscape page with its marks and the person"

# The refusing queue is the default of these runs alone (PRINTER), so nothing else prints on it.
lpadmin -p "$refusing" -v cups-pdf:/ -E -P /usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd
english="The page could not be printed. Please check that the printer is switched on and ready, then try again."
indonesian="Halaman tidak dapat dicetak. Silakan pastikan printer sudah menyala dan siap, lalu coba lagi."
# Usage: refused PROGRAM LANGUAGE MESSAGE WHY
refused() {
    PRINTER=$refusing WETONARA_PRINT_LANGUAGE=$2 WETONARA_PRINT_EXPECTED_MESSAGE=$3 QT_QPA_PLATFORM=offscreen \
        WETONARA_PRINT_ON_SYSTEM_PRINTER=1 "$tests/$1" printsOnTheSystemPrinter >"$work/run.txt" 2>&1 &&
        grep -q "^PASS   : $1::printsOnTheSystemPrinter()" "$work/run.txt" ||
        { cat "$work/run.txt"; echo "FAIL: $1 in $2 did not report $4"; exit 1; }
}
cupsreject "$refusing"
for program in tst_frmSave tst_CalendarWindow; do
    refused "$program" en "$english" "a queue that refuses jobs"
    refused "$program" id "$indonesian" "a queue that refuses jobs"
done
cupsaccept "$refusing"
lpadmin -p "$refusing" -u allow:nobody
for program in tst_frmSave tst_CalendarWindow; do
    refused "$program" en "$english" "a queue this user may not print on"
done
[[ -z $(lpstat -o "$refusing" 2>/dev/null) ]] || { echo "FAIL: a job was queued on $refusing"; exit 1; }
echo "PASS: the report on one page with its formatting, the month on one landscape page with its marks and the person; jobs turned down are reported"
