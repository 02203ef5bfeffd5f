#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Writes large made-up nickname files into FOLDER, so the fuzzer starts from inputs of tens of kB
# with long records instead of growing its own a few bytes at a time. Each stays under 64 KiB; the
# fuzzer grows its inputs past them (fuzz/run.sh lets it try up to 256 KiB).
# Usage: fuzz/large_seeds.sh FOLDER
set -euo pipefail
folder=$1
mkdir -p "$folder"

# $1 repeated $2 times.
repeat() {
    local text=$1 times=$2 out=""
    for ((i = 0; i < times; i++)); do out+=$text; done
    printf '%s' "$out"
}

# One record whose name, notes and tags are each kilobytes long.
{
    printf 'alias longest %s@example.org\r\n' "$(repeat 'x' 12000)"
    printf 'note longest <name:%s><phone:%s><address:%s>%s\r\n' "$(repeat 'Ann Lee ' 2000)" \
        "$(repeat '555 0100 ' 500)" "$(repeat $'Main St 1\x03' 800)" "$(repeat 'notes, "quoted" ' 900)"
} >"$folder/large_one_record.txt"

# Many middle-sized records, CR LF, each with its note.
for ((n = 0; n < 280; n++)); do
    printf 'alias kim%d kim%d@work.example, "Kim %d" <kim%d@home.example>\r\n' "$n" "$n" "$n" "$n"
    printf 'note kim%d <name:Kim %d Smith><fax:555 %04d><address:%s>met at %s\r\n' "$n" "$n" "$n" \
        "$(repeat 'Elm Road ' 5)" "$(repeat 'the club ' 4)"
done >"$folder/large_many_records.txt"

# LF-only line ends (a lone LF is text), so the whole file is one long record with stray tags.
{
    printf 'alias lf lf@example.org\n'
    for ((n = 0; n < 900; n++)); do
        printf 'note lf <phone:%d> > <name:Lf %d>free text %d\n' "$n" "$n" "$n"
    done
} >"$folder/large_lf_only.txt"
