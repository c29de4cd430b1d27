#!/usr/bin/env bash
# The built guide pages in one folder: the guide's Markdown tables came out
# as HTML tables, no line break of the source shows as a blank between two
# Japanese characters, the guide's links and pictures reach files beside it,
# and the ふりがな worksheet reads every listed word in <ruby>.
#   guide_pages_test.sh BUILT_FOLDER GUIDE_MARKDOWN
set -uo pipefail
dir=$1 md=$2
fail=0
no() { echo "FAIL: $*"; fail=1; }
guide=$dir/teacher-guide.html

tables_md=$(grep -c '^ *|---' "$md")
tables_html=$(grep -c '<table>' "$guide")
[ "$tables_md" -gt 0 ] && [ "$tables_html" -eq "$tables_md" ] ||
  no "$tables_md tables in the Markdown, $tables_html in the page"
! grep -qE '^<p>\||\|---' "$guide" || no "table pipes left in the page: $(grep -m1 -E '^<p>\||\|---' "$guide")"
grep -q '<th>初期微動継続時間（印刷、mm）</th>' "$guide" || no "the S-P table has no header cells"

for page in "$guide" "$dir/worksheet.html" "$dir/worksheet-furigana.html"; do
  left=$(perl -CSD -0777 -ne '
    my $w = qr/[\p{Han}\p{Hiragana}\p{Katakana}\x{3000}-\x{303F}\x{FF00}-\x{FFEF}]/;
    print "$1 " while /(.{0,6}$w\n$w.{0,6})/g' "$page")
  [ -z "$left" ] || no "line breaks between Japanese characters in $page: $left"
done

for ref in $(grep -oE '(href|src)="[^":#]+"' "$guide" | sed -E 's/^[a-z]+="//; s/"$//' | sort -u); do
  [ -f "$dir/$ref" ] || no "the guide links to $ref, which is not beside it"
done
grep -q 'href="worksheet.html"' "$guide" && grep -q 'href="worksheet-furigana.html"' "$guide" ||
  no "the guide does not link both worksheets"

bare=$(perl -CSD -Mutf8 -0777 -ne '
  s/^.*?<body//s; s{<ruby>[^<]*<rt>[^<]*</rt></ruby>}{}g;
  print "$1 " while /(震源|震央|初期微動|主要動|継続|距離)/g' "$dir/worksheet-furigana.html")
[ -z "$bare" ] || no "words without ふりがな: $bare"
grep -q '<ruby>震源<rt>しんげん</rt></ruby>' "$dir/worksheet-furigana.html" || no "no <ruby> in the ふりがな worksheet"
for w in worksheet worksheet-furigana; do
  grep -q '@page { size: A4' "$dir/$w.html" || no "$w.html does not set an A4 page"
done
[ "$fail" -eq 0 ] && echo "guide pages: tables, no stray blanks, links and ふりがな hold"
exit "$fail"
