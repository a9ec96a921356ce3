# Shell functions shared by the print tests: the text lines of a captured PDF
# document and the checks on them. Source from a bash script that has sourced
# ../../shell/helpers.sh.
# shellcheck shell=bash

# The document's text lines without blank lines, blanks squeezed: pdftotext
# -layout only estimates the spacing of a line, not its words or their order.
document_lines() {
    pdftotext -layout "$1" - | tr '\f' '\n' | sed -E 's/[[:space:]]+/ /g; s/^ //; s/ $//; /^$/d'
}

pages() { pdfinfo "$1" | sed -n 's/^Pages: *//p'; }

# The company heading and the list's rows as printed lines, from the driver's
# output OUT, into EXPECTED.
expected_lines() {
    {
        echo "Larkmoor Aerial Surveys"
        sed -n 's/^row\t//p' "$1" | sed -E 's/ +/ /g; s/ $//'
    } >"$2"
}

# check_document JOB EXPECTED PAPER: JOB is on PAPER ("A4" or "letter") and
# holds exactly the lines of EXPECTED, in order, with the last one on its last
# page: no row cut at the paper's edge, none lost at a page break.
check_document() {
    local job=$1 expected=$2 paper=$3 size last_page
    [[ -s $job ]] || fail "no document captured as $job"
    diff -u "$expected" <(document_lines "$job") ||
        fail "$job: not the company heading, the heading row and every row whole, in order"
    size=$(pdfinfo "$job" | sed -n 's/^Page size: *//p' | head -n 1)
    case $paper in
    A4) [[ $size =~ ^595(\.[0-9]+)?\ x\ 84[12] ]] ;;
    letter) [[ $size =~ ^612\ x\ 792 ]] ;;
    esac || fail "$job: printed on '$size', not on $paper paper"
    last_page=$(pdftotext -layout -f "$(pages "$job")" "$job" - | sed -E 's/[[:space:]]+/ /g; s/^ //; s/ $//')
    grep -qxF -- "$(tail -n 1 "$expected")" <<<"$last_page" ||
        fail "$job: the last row is not on the last page"
    echo "$job: $(pages "$job") page(s) of $paper, every row whole"
}

# check_margin JOB POINTS: every word of JOB lies POINTS or more inside each
# edge of its page (what most printers cannot reach).
check_margin() {
    local job=$1 margin=$2
    pdftotext -bbox "$job" - | awk -v m="$margin" -v job="$job" '
        /<page / { match($0, /width="[0-9.]+"/); w = substr($0, RSTART + 7, RLENGTH - 8)
                   match($0, /height="[0-9.]+"/); h = substr($0, RSTART + 8, RLENGTH - 9) }
        /<word / { split($0, f, "\""); if (f[2] < m || f[4] < m || f[6] > w - m || f[8] > h - m) bad = bad " " $0 }
        END { if (bad) { print job ": words within " m " pt of the edge:" bad; exit 1 } }' ||
        fail "$job: printed nearer the edge than $margin pt"
}

# The driver's output $1 shows no printer-error message.
no_printer_error() {
    ! grep -q $'^message\tPellucors - Printer error!' "$1" ||
        fail "printing reported a printer error: $(cat "$1")"
}
