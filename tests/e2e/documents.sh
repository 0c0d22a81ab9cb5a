#!/bin/bash
# tests/e2e/documents.sh BUILD_WIN_DIR — the real program with real documents: an RTF file
# written by pandoc, with Czech text, opened from the command line, changed, saved and opened
# again; that document printed to a CUPS PDF queue (started here when it is not running) and
# read back from the PDF; a save to a read-only file refused with the old file left as it was.
set -u
source "$(dirname "$0")/lib.sh"
e2e_init "$1"

export PATH=$PATH:/usr/sbin:/sbin # cupsd and lpadmin
for tool in pandoc pdftotext pdffonts lpstat lpadmin cupsd; do
  command -v "$tool" >/dev/null || { echo "FAILED: $tool is missing (scripts/deps.sh installs it)"; exit 1; }
done

# --- the print queue: CUPS with a cups-pdf queue "PDF" as the default printer. A scheduler that
# runs already is used as it is; a queue that exists is kept; nothing is stopped at the end.
cups_running() { LC_ALL=C lpstat -r 2>/dev/null | grep -q 'is running'; }
cups_up() {
  if ! cups_running; then
    mkdir -p /run/cups
    cupsd </dev/null >/dev/null 2>&1 || return 1
    local i=0
    until cups_running; do i=$((i + 1)); [ $i -gt 80 ] && return 1; sleep 0.25; done
  fi
  if ! LC_ALL=C lpstat -p PDF >/dev/null 2>&1; then
    lpadmin -p PDF -v cups-pdf:/ -E -P /usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd 2>/dev/null || return 1
  fi
  # the queue becomes the default only where there is none; another default is left alone
  LC_ALL=C lpstat -d 2>/dev/null | grep -q '^no system default destination' && lpadmin -d PDF
  LC_ALL=C lpstat -d 2>/dev/null | grep -q 'destination: PDF$'
}
# pdf_wait NAME-START MARKER : the text of the first PDF newer than MARKER whose name starts so
# (cups-pdf writes where its configuration says: the spool folder or the user's home)
pdf_wait() {
  local end=$(($(date +%s) + 60)) f
  while [ "$(date +%s)" -le "$end" ]; do
    f=$(find /var/spool/cups-pdf "$HOME/PDF" -maxdepth 2 -name "$1*.pdf" -newer "$2" 2>/dev/null | head -1)
    if [ -n "$f" ] && [ -z "$(LC_ALL=C lpstat -o 2>/dev/null)" ]; then
      sleep 0.5
      PDF_FILE=$f
      return 0
    fi
    sleep 0.5
  done
  return 1
}
# one line of text: the blanks (and line ends) squeezed, as a comparison of printed text needs
squeeze() { tr -s ' \n\r\t\f' ' ' | sed 's/^ //; s/ $//'; }

check "the CUPS PDF queue is the default printer" cups_up

rm -rf "$DATA"
# --- an RTF document written by another program (pandoc), Czech text with formatting
cat >"$E2E_TMP/zprava.md" <<'EOF'
# Zpráva o cestě

Příliš **žluťoučký** kůň úpěl ďábelské ódy.

Řeřicha, šťovík a *kopr* rostou u řeky.
EOF
pandoc -s -t rtf "$E2E_TMP/zprava.md" -o "$E2E_TMP/zprava.rtf"
check "pandoc wrote Czech as RTF escapes" grep -q 'P\\u345?\\u237?li\\u353?' "$E2E_TMP/zprava.rtf"
original="Zpráva o cestě
Příliš žluťoučký kůň úpěl ďábelské ódy.
Řeřicha, šťovík a kopr rostou u řeky."

nv_start "$(winpath "$E2E_TMP/zprava.rtf")"
W=$(xw_wait '^Notavo$' 40)
check "main window appears" test -n "$W"
# the window shows before the files named on the command line are read: wait for the document
text_of() { sed -n '/^text: /,$p' <<<"$1" | sed 's/^text: //' | tr -d '\r' | sed '/^$/d'; }
document_is() { local out; out=$(probe windows); [ "$(grep '^doc: ' <<<"$out")" = "doc: $1" ] && [ "$(text_of "$out")" = "$2" ]; }
check "the pandoc document, captioned with its file's name, with its Czech text" wait_for document_is zprava.rtf "$original"

# change it: type at the start, then Ctrl+S writes the known file
before=$(md5sum <"$E2E_TMP/zprava.rtf")
xw_type "$W" "Nový úvod: "
xw_key "$W" ctrl+s
changed() { [ "$(md5sum <"$E2E_TMP/zprava.rtf")" != "$before" ]; }
check "Ctrl+S writes the file" wait_for changed
check "the file is written as RTF" grep -q '^{\\rtf1' "$E2E_TMP/zprava.rtf"
probe close
check "the saved document closes without a question" nv_wait_exit 20

# open it again: the changed text, and the formatting kept (a bold face in the printed PDF)
changed_text="Nový úvod: $original"
nv_start "$(winpath "$E2E_TMP/zprava.rtf")"
W=$(xw_wait '^Notavo$' 40)
check "the saved document opens again with the change" wait_for document_is zprava.rtf "$changed_text"

# --- print it through the print dialog to the PDF queue
marker=$E2E_TMP/print.marker
touch "$marker" "$E2E_TMP/first.marker"
sleep 1
xw_key "$W" ctrl+p
D=$(xw_wait '^(Tisk|Print)$' 20)
check "Ctrl+P shows the print dialog" test -n "$D"
xw_key "$D" Return
check "the job reaches the PDF queue" pdf_wait zprava "$marker"
printed=$(pdftotext -enc UTF-8 "${PDF_FILE:-/nonexistent}" - 2>/dev/null | squeeze)
check "the printed text is the document's" test "$printed" = "$(squeeze <<<"$changed_text")"
fonts=$(pdffonts "${PDF_FILE:-/nonexistent}" 2>/dev/null)
check "the bold word is printed in a bold face" grep -qi 'bold' <<<"$fonts"
check "the italic word is printed in an italic face" grep -qiE 'italic|oblique' <<<"$fonts"

# the tool button prints at once on the printer chosen in the dialog
touch "$marker"
sleep 1
probe command 1050
check "the print tool button prints without a dialog" pdf_wait zprava "$marker"
check "no print dialog for the tool button" test -z "$(xdotool search --onlyvisible --name '^(Tisk|Print)$' 2>/dev/null)"
probe close
check "the program ends" nv_wait_exit 20
# the PDFs of this run go again, once the queue is empty
wait_for test -z "$(LC_ALL=C lpstat -o 2>/dev/null)"
find /var/spool/cups-pdf "$HOME/PDF" -maxdepth 2 -name 'zprava*.pdf' -newer "$E2E_TMP/first.marker" -delete 2>/dev/null

# --- a save to a read-only file: the error is shown, the old file stays as it was
printf 'Původní obsah, jen ke čtení.\r\n' | iconv -f UTF-8 -t CP1250 >"$E2E_TMP/pevny.txt"
chmod 444 "$E2E_TMP/pevny.txt"
old=$(md5sum <"$E2E_TMP/pevny.txt")
nv_start "$(winpath "$E2E_TMP/pevny.txt")"
W=$(xw_wait '^Notavo$' 40)
check "the read-only file opens" wait_for document_is pevny.txt "Původní obsah, jen ke čtení."
xw_type "$W" "změna "
xw_key "$W" ctrl+s
box=$(box_wait 'Notavo')
check "the failed save shows the general error report" test -n "$box"
check "the old file is unchanged" test "$(md5sum <"$E2E_TMP/pevny.txt")" = "$old"
check "no temporary file is left beside it" test "$(ls "$E2E_TMP" | grep -c '^nv.*\.tmp$')" = 0
probe answer Notavo 1
# still modified: closing asks whether to save; No ends the program
probe close
close_question() { box_wait 'Uložit změny' >/dev/null; }
check "the document is still modified (the close question comes)" close_question
probe answer 'Uložit změny' 7
check "the program ends after No" nv_wait_exit 20
check "the old file is still unchanged" test "$(md5sum <"$E2E_TMP/pevny.txt")" = "$old"
chmod 644 "$E2E_TMP/pevny.txt"
e2e_finish
